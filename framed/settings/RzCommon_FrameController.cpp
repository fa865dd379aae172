#include "framed/settings/RzCommon_FrameController.h"

#include "framed/common/RzCommon_Routines.h"
#include "framed/common/RzResourceIds.h"
#include "framed/settings/RzCommon_RegIniFile.h"
#include "framed/startup/RzStrings.h"
#include "platform/controls/Controls.h"
#include "platform/published/Reader.h"
#include "platform/published/Published.h"

namespace {

String LibraryText(unsigned id, const char* fallback) {
  String text = LoadRzString(id);
  return text.empty() ? String(fallback) : text;
}

// The published property of each frame property, in the order fpAll writes them.
struct TPushedProperty {
  TRzFrameProperty Property;
  const char* Name;
};
const TPushedProperty kPushOrder[] = {
    {fpParentColor, "ParentColor"},   {fpColor, "Color"},           {fpDisabledColor, "DisabledColor"},
    {fpFocusColor, "FocusColor"},     {fpFlatButtonColor, "FlatButtonColor"}, {fpFlatButtons, "FlatButtons"},
    {fpFrameColor, "FrameColor"},     {fpHotColor, "FrameHotColor"}, {fpHotTrack, "FrameHotTrack"},
    {fpHotStyle, "FrameHotStyle"},    {fpSides, "FrameSides"},       {fpStyle, "FrameStyle"},
    {fpVisible, "FrameVisible"},      {fpPreference, "FramingPreference"},
};

// A set's value carried by its element names from one set type into another.
Int64 TranslateSet(Int64 value, const TEnumNames& from, const TEnumNames& to) {
  Int64 result = 0;
  for (size_t i = 0; i < from.Names.size(); ++i) {
    if (!(value & (Int64(1) << i))) continue;
    int index = to.IndexOf(from.Names[i]);
    if (index >= 0) result |= Int64(1) << index;
  }
  return result;
}

}  // namespace

const TEnumNames& FrameStyleNames() {
  static const TEnumNames names{"TFrameStyle",
                                {"fsNone", "fsFlat", "fsGroove", "fsBump", "fsLowered", "fsButtonDown", "fsRaised",
                                 "fsButtonUp", "fsStatus", "fsPopup", "fsFlatBold", "fsFlatRounded"}};
  return names;
}

const TEnumNames& SideNames() {
  static const TEnumNames names{"TSides", {"sdLeft", "sdTop", "sdRight", "sdBottom"}};
  return names;
}

const TEnumNames& FramingPreferenceNames() {
  static const TEnumNames names{"TFramingPreference", {"fpCustomFraming", "fpXPThemes"}};
  return names;
}

TRzFrameController::TRzFrameController(TComponent* owner) : TComponent(owner) {}

TRzFrameController::~TRzFrameController() { delete controls_; }

void TRzFrameController::AddControl(TComponent* component) {
  if (!controls_) controls_ = new TList;
  if (controls_->IndexOf(component) >= 0) return;
  controls_->Add(component);
  UpdateControlFrame(component, fpAll);
}

void TRzFrameController::RemoveControl(TComponent* component) {
  if (!controls_) return;
  controls_->Remove(component);
  if (controls_->Count() == 0) FreeAndNil(controls_);
}

void TRzFrameController::EndUpdate() {
  if (--updating_ > 0) return;
  updating_ = 0;
  UpdateFrames(fpAll);
}

void TRzFrameController::UpdateFrames(TRzFrameProperty property) {
  if (updating_ > 0 || !controls_) return;
  int count = controls_->Count();
  for (int i = 0; i < count && controls_ && i < controls_->Count(); ++i)
    UpdateControlFrame(static_cast<TComponent*>(controls_->Items(i)), property);
}

void TRzFrameController::UpdateControlFrame(TComponent* component, TRzFrameProperty property) {
  if (!dynamic_cast<TControl*>(component)) return;
  if (auto* notified = dynamic_cast<IRzCustomFramingNotification*>(component)) {
    notified->CustomFramingChanged();
    return;
  }
  if (property != fpAll) {
    PushProperty(component, property);
    return;
  }
  for (const TPushedProperty& pushed : kPushOrder) {
    if (pushed.Property == fpColor && parentColor_) continue;
    PushProperty(component, pushed.Property);
  }
}

void TRzFrameController::PushProperty(TComponent* control, TRzFrameProperty property) {
  const char* name = nullptr;
  for (const TPushedProperty& pushed : kPushOrder)
    if (pushed.Property == property) name = pushed.Name;
  const TPublishedClass* controlClass = PublishedClassOf(control);
  const TPropInfo* target = name && controlClass ? controlClass->Find(name) : nullptr;
  if (!target || !target->SetOrdinal) return;
  target->SetOrdinal(control, SettingValue(property, target));
}

Int64 TRzFrameController::SettingValue(TRzFrameProperty property, const TPropInfo* target) const {
  switch (property) {
    case fpColor: return color_;
    case fpFocusColor: return focusColor_;
    case fpDisabledColor: return disabledColor_;
    case fpParentColor: return parentColor_;
    case fpFlatButtonColor: return flatButtonColor_;
    case fpFlatButtons: return flatButtons_;
    case fpFrameColor: return frameColor_;
    case fpHotColor: return frameHotColor_;
    case fpHotTrack: return frameHotTrack_;
    case fpHotStyle: return frameHotStyle_;
    case fpSides:  // carried by the sides' names into the control's own set
      return target->Names ? TranslateSet(frameSides_, SideNames(), *target->Names) : frameSides_;
    case fpStyle: return frameStyle_;
    case fpVisible: return frameVisible_;
    case fpPreference: return framingPreference_;
    case fpAll: break;
  }
  return 0;
}

void TRzFrameController::SetColor(TColor value) {
  if (value == color_) return;
  if (color_ == focusColor_) focusColor_ = value;
  color_ = value;
  parentColor_ = false;
  UpdateFrames(fpColor);
}

void TRzFrameController::SetParentColor(bool value) {
  if (value == parentColor_) return;
  parentColor_ = value;
  UpdateFrames(fpParentColor);
  if (!parentColor_) UpdateFrames(fpColor);
}

#define RZ_FRAME_SETTER(Setter, Type, field, property) \
  void TRzFrameController::Setter(Type value) {        \
    if (value == field) return;                        \
    field = value;                                     \
    UpdateFrames(property);                            \
  }

RZ_FRAME_SETTER(SetFlatButtonColor, TColor, flatButtonColor_, fpFlatButtonColor)
RZ_FRAME_SETTER(SetFlatButtons, bool, flatButtons_, fpFlatButtons)
RZ_FRAME_SETTER(SetDisabledColor, TColor, disabledColor_, fpDisabledColor)
RZ_FRAME_SETTER(SetFocusColor, TColor, focusColor_, fpFocusColor)
RZ_FRAME_SETTER(SetFrameColor, TColor, frameColor_, fpFrameColor)
RZ_FRAME_SETTER(SetFrameHotColor, TColor, frameHotColor_, fpHotColor)
RZ_FRAME_SETTER(SetFrameHotStyle, TFrameStyle, frameHotStyle_, fpHotStyle)
RZ_FRAME_SETTER(SetFrameSides, TSides, frameSides_, fpSides)
RZ_FRAME_SETTER(SetFrameStyle, TFrameStyle, frameStyle_, fpStyle)
RZ_FRAME_SETTER(SetFrameVisible, bool, frameVisible_, fpVisible)
RZ_FRAME_SETTER(SetFramingPreference, TFramingPreference, framingPreference_, fpPreference)
#undef RZ_FRAME_SETTER

void TRzFrameController::SetFrameHotTrack(bool value) {
  if (value == frameHotTrack_) return;
  frameHotTrack_ = value;
  if (frameHotTrack_) {
    SetFrameVisible(true);
    if (!HasState(csLoading)) frameSides_ = sdAllSides;
  }
  UpdateFrames(fpHotTrack);
}

void TRzFrameController::SetRegIniFile(TRzRegIniFile* value) {
  if (value == regIniFile_) return;
  regIniFile_ = value;
  if (regIniFile_) regIniFile_->FreeNotification(this);
}

void TRzFrameController::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == regIniFile_) regIniFile_ = nullptr;
}

void TRzFrameController::Loaded() {
  TComponent::Loaded();
  UpdateControls();
}

void TRzFrameController::Assign(const TPersistent* source) {
  auto* other = dynamic_cast<const TRzFrameController*>(source);
  if (!other) {
    TComponent::Assign(source);
    return;
  }
  BeginUpdate();
  color_ = other->color_;
  disabledColor_ = other->disabledColor_;
  flatButtonColor_ = other->flatButtonColor_;
  flatButtons_ = other->flatButtons_;
  focusColor_ = other->focusColor_;
  frameColor_ = other->frameColor_;
  frameHotColor_ = other->frameHotColor_;
  frameHotStyle_ = other->frameHotStyle_;
  frameHotTrack_ = other->frameHotTrack_;
  frameSides_ = other->frameSides_;
  frameStyle_ = other->frameStyle_;
  frameVisible_ = other->frameVisible_;
  framingPreference_ = other->framingPreference_;
  parentColor_ = other->parentColor_;
  EndUpdate();
}

void TRzFrameController::Save(const String& section) {
  if (!regIniFile_)
    throw Exception(LibraryText(sRzCannotSaveFraming,
                                "Cannot save Custom Framing settings--No TRzRegIniFile component specified"));
  TRzRegIniFile& store = *regIniFile_;
  store.WriteInteger(section, "Color", color_);
  store.WriteInteger(section, "FlatButtonColor", flatButtonColor_);
  store.WriteBool(section, "FlatButtons", flatButtons_);
  store.WriteInteger(section, "DisabledColor", disabledColor_);
  store.WriteInteger(section, "FocusColor", focusColor_);
  store.WriteInteger(section, "FrameColor", frameColor_);
  store.WriteInteger(section, "FrameHotColor", frameHotColor_);
  store.WriteInteger(section, "FrameHotStyle", frameHotStyle_);
  store.WriteBool(section, "FrameHotTrack", frameHotTrack_);
  store.WriteBool(section, "FrameSides_Left", HasSide(frameSides_, sdLeft));
  store.WriteBool(section, "FrameSides_Top", HasSide(frameSides_, sdTop));
  store.WriteBool(section, "FrameSides_Right", HasSide(frameSides_, sdRight));
  store.WriteBool(section, "FrameSides_Bottom", HasSide(frameSides_, sdBottom));
  store.WriteInteger(section, "FrameStyle", frameStyle_);
  store.WriteBool(section, "FrameVisible", frameVisible_);
  store.WriteInteger(section, "FramingPreference", framingPreference_);
}

void TRzFrameController::Load(const String& section) {
  if (!regIniFile_)
    throw Exception(LibraryText(sRzCannotLoadFraming,
                                "Cannot load Custom Framing settings--No TRzRegIniFile component specified"));
  TRzRegIniFile& store = *regIniFile_;
  struct TUpdateBracket {
    TRzFrameController* Controller;
    ~TUpdateBracket() { Controller->EndUpdate(); }
  };
  BeginUpdate();
  TUpdateBracket bracket{this};  // ends the update even when a read fails
  auto style = [&](const char* key, int def) {
    int value = store.ReadInteger(section, key, def);
    return static_cast<TFrameStyle>(value >= fsNone && value <= fsFlatBold ? value : def);
  };
  color_ = store.ReadInteger(section, "Color", clWindow);
  flatButtonColor_ = store.ReadInteger(section, "FlatButtonColor", clBtnFace);
  flatButtons_ = store.ReadBool(section, "FlatButtons", true);
  disabledColor_ = store.ReadInteger(section, "DisabledColor", clWindow);
  focusColor_ = store.ReadInteger(section, "FocusColor", clWindow);
  frameColor_ = store.ReadInteger(section, "FrameColor", clBtnShadow);
  frameHotColor_ = store.ReadInteger(section, "FrameHotColor", clBtnShadow);
  frameHotStyle_ = style("FrameHotStyle", fsFlatBold);
  frameHotTrack_ = store.ReadBool(section, "FrameHotTrack", false);
  TSides sides = 0;
  if (store.ReadBool(section, "FrameSides_Left", true)) sides |= SideBit(sdLeft);
  if (store.ReadBool(section, "FrameSides_Top", true)) sides |= SideBit(sdTop);
  if (store.ReadBool(section, "FrameSides_Right", true)) sides |= SideBit(sdRight);
  if (store.ReadBool(section, "FrameSides_Bottom", true)) sides |= SideBit(sdBottom);
  frameSides_ = sides;
  frameStyle_ = style("FrameStyle", fsFlat);
  frameVisible_ = store.ReadBool(section, "FrameVisible", false);
  int preference = store.ReadInteger(section, "FramingPreference", fpXPThemes);
  framingPreference_ = preference == fpCustomFraming ? fpCustomFraming : fpXPThemes;
}

void DefineOldFrameProperties(TFiler* filer, const TRzOldFrameSetters& set) {
  filer->DefineProperty(
      "FrameFlat",
      [set](TReader& reader) {
        const bool flat = reader.ReadBoolean();
        set.HotTrack(flat);
        if (flat) {
          set.Style(fsStatus);
          set.HotStyle(fsLowered);
        }
      },
      nullptr, false);
  filer->DefineProperty(
      "FrameFocusStyle",
      [set](TReader& reader) {
        const int style = FrameStyleNames().IndexOf(reader.ReadIdent());
        if (style >= 0) set.HotStyle(static_cast<TFrameStyle>(style));
      },
      nullptr, false);
  filer->DefineProperty("FrameFlatStyle", TRzOldPropReader::ReadOldEnumProp, nullptr, false);
}

// Read into the fields: no control names the controller while it is read. A
// controller takes the styles that have table colours only.
void TRzFrameController::DefineProperties(TFiler* filer) {
  TComponent::DefineProperties(filer);
  DefineOldFrameProperties(filer, {[this](bool v) { frameHotTrack_ = v; }, [this](TFrameStyle v) { frameStyle_ = v; },
                                   [this](TFrameStyle v) {
                                     if (v <= fsFlatBold) frameHotStyle_ = v;
                                   }});
}

void PublishFrameController() {
  PublishRegIniFile();
  using C = TRzFrameController;
  PublishClass<C, TComponent>()
      .Color("Color", &C::Color, &C::SetColor, clWindow)
      .StoredWhen([](C& c) { return !c.ParentColor(); })
      .Color("DisabledColor", &C::DisabledColor, &C::SetDisabledColor, clBtnFace)
      .Color("FlatButtonColor", &C::FlatButtonColor, &C::SetFlatButtonColor, clBtnFace)
      .Bool("FlatButtons", &C::FlatButtons, &C::SetFlatButtons, true)
      .Color("FocusColor", &C::FocusColor, &C::SetFocusColor, clWindow)
      .Color("FrameColor", &C::FrameColor, &C::SetFrameColor, clBtnShadow)
      .Color("FrameHotColor", &C::FrameHotColor, &C::SetFrameHotColor, clBtnShadow)
      .Enum("FrameHotStyle", FrameStyleNames(), &C::FrameHotStyle, &C::SetFrameHotStyle, fsFlatBold)
      .Bool("FrameHotTrack", &C::FrameHotTrack, &C::SetFrameHotTrack, false)
      .Set("FrameSides", SideNames(), &C::FrameSides, &C::SetFrameSides, sdAllSides)
      .Enum("FrameStyle", FrameStyleNames(), &C::FrameStyle, &C::SetFrameStyle, fsFlat)
      .Bool("FrameVisible", &C::FrameVisible, &C::SetFrameVisible, false)
      .Enum("FramingPreference", FramingPreferenceNames(), &C::FramingPreference, &C::SetFramingPreference,
            fpXPThemes)
      .Bool("ParentColor", &C::ParentColor, &C::SetParentColor, false)
      .Component<TRzRegIniFile>("RegIniFile", &C::RegIniFile, &C::SetRegIniFile);
}
