#include "framed/combos/RzColorComboBox.h"

#include "framed/common/RzCommon_Routines.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/SysUtils.h"

namespace {

const char* const kStdNames[TRzColorNames::kStdColors] = {
    "Black", "Maroon", "Green", "Olive", "Navy", "Purple", "Teal", "Gray",
    "Silver", "Red", "Lime", "Yellow", "Blue", "Fuchsia", "Aqua", "White"};
const TColor kStdColors[TRzColorNames::kStdColors] = {
    clBlack, clMaroon, clGreen, clOlive, clNavy, clPurple, clTeal, clGray,
    clSilver, clRed, clLime, clYellow, clBlue, clFuchsia, clAqua, clWhite};
const char* const kSysNames[TRzColorNames::kSysColors] = {
    "ScrollBar", "Background", "ActiveCaption", "InactiveCaption", "Menu", "Window", "WindowFrame",
    "MenuText", "WindowText", "CaptionText", "ActiveBorder", "InactiveBorder", "AppWorkSpace", "Highlight",
    "HighlightText", "BtnFace", "BtnShadow", "GrayText", "BtnText", "InactiveCaptionText", "BtnHighlight",
    "3DDkShadow", "3DLight", "InfoText", "InfoBk"};

TObject* ColorObject(TColor color) { return reinterpret_cast<TObject*>(static_cast<UINT_PTR>(static_cast<UINT>(color))); }

// A custom colour's value as the dialog keeps it: hexadecimal, low 24 bits.
bool ParseCustomColor(const String& value, Integer& color) {
  if (!TryStrToInt("$" + value, color)) return false;
  color &= 0xFFFFFF;
  return true;
}

}  // namespace

// ---- names ----

void TRzColorNames::Rename(int item, const String& text) {
  if (!comboBox_ || !comboBox_->HasItem(item)) return;
  const int current = comboBox_->ItemIndex();
  comboBox_->Items()->Put(item, text);
  comboBox_->SetItemIndex(current);
  comboBox_->MarkNamesChanged();
}

void TRzColorNames::SetDefault(const String& value) {
  default_ = value;
  if (ShowDefaultColor) Rename(0, value);
}

void TRzColorNames::SetCustom(const String& value) {
  custom_ = value;
  if (ShowCustomColor && comboBox_) Rename(comboBox_->Items()->Count() - 1, value);
}

void TRzColorNames::SetStdColor(int index, const String& value) {
  std_[index] = value;
  if (comboBox_) Rename(comboBox_->StdItem(index), value);
}

void TRzColorNames::SetSysColor(int index, const String& value) {
  sys_[index] = value;
  if (ShowSysColors && comboBox_) Rename(comboBox_->SysItem(index), value);
}

void TRzColorNames::Assign(const TPersistent* source) {
  auto* other = dynamic_cast<const TRzColorNames*>(source);
  if (!other) return TPersistent::Assign(source);
  if (ShowDefaultColor) SetDefault(other->default_);
  for (int i = 0; i < kStdColors; ++i) SetStdColor(i, other->std_[i]);
  if (ShowSysColors)
    for (int i = 0; i < kSysColors; ++i) SetSysColor(i, other->sys_[i]);
  if (ShowCustomColor) SetCustom(other->custom_);
}

// ---- combo box ----

TRzColorComboBox::TRzColorComboBox(TComponent* owner)
    : TRzCustomComboBox(owner), colorNames_(std::make_unique<TRzColorNames>()),
      customColors_(std::make_unique<TStringList>()) {
  SetStyle(csOwnerDrawFixed);
  InitColorNames();
  BuildList();  // kept aside until the window comes, so a colour can be chosen before
  colorNames_->Link(this);
}

TRzColorComboBox::~TRzColorComboBox() = default;

void TRzColorComboBox::InitColorNames() {
  colorNames_->SetDefault("Default");
  for (int i = 0; i < TRzColorNames::kStdColors; ++i) colorNames_->SetStdColor(i, kStdNames[i]);
  for (int i = 0; i < TRzColorNames::kSysColors; ++i) colorNames_->SetSysColor(i, kSysNames[i]);
  colorNames_->SetCustom("Custom");
}

void TRzColorComboBox::BuildList() {
  TStrings* items = Items();
  items->BeginUpdate();
  items->Clear();
  if (showDefaultColor_) items->AddObject("Default", ColorObject(defaultColor_));
  for (int i = 0; i < TRzColorNames::kStdColors; ++i) items->AddObject(kStdNames[i], ColorObject(kStdColors[i]));
  if (showSysColors_)
    for (int i = 0; i < TRzColorNames::kSysColors; ++i) items->AddObject(kSysNames[i], ColorObject(SystemColor(i)));
  if (showCustomColor_) items->AddObject("Custom", ColorObject(customColor_));
  items->EndUpdate();
}

// The list is made anew with every window; changed names and the selection come back.
void TRzColorComboBox::CreateWnd() {
  TRzCustomComboBox::CreateWnd();
  const int keep = ItemIndex();
  BuildList();
  SetDefaultColor(defaultColor_);
  SetCustomColor(customColor_);
  if (savedColorNames_) {
    colorNames_->Assign(savedColorNames_.get());
    savedColorNames_.reset();
  } else {
    // The names given before the list existed.
    TRzColorNames given;
    given.Assign(colorNames_.get());
    const bool changed = namesChanged_;
    colorNames_->Assign(&given);
    namesChanged_ = changed;
  }
  SetItemIndex(keep);
}

void TRzColorComboBox::DestroyWnd() {
  if (Items()->Count() > 0 && namesChanged_) {
    savedColorNames_ = std::make_unique<TRzColorNames>();
    savedColorNames_->ShowSysColors = showSysColors_;
    savedColorNames_->ShowDefaultColor = showDefaultColor_;
    savedColorNames_->ShowCustomColor = showCustomColor_;
    savedColorNames_->Assign(colorNames_.get());
  }
  TRzCustomComboBox::DestroyWnd();
}

void TRzColorComboBox::Loaded() {
  TRzCustomComboBox::Loaded();
  if (ItemIndex() < 0) SetItemIndex(0);
}

void TRzColorComboBox::Notification(TComponent* component, TOperation operation) {
  TRzCustomComboBox::Notification(component, operation);
  if (operation == opRemove && component == regIniFile_) regIniFile_ = nullptr;
}

void TRzColorComboBox::SetRegIniFile(TRzRegIniFile* value) {
  regIniFile_ = value;
  if (value) value->FreeNotification(this);
}

void TRzColorComboBox::PutItemColor(int item, TColor color) {
  if (!HasItem(item)) return;
  Items()->PutObject(item, ColorObject(color));
  Invalidate();
}

void TRzColorComboBox::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (showDefaultColor_) PutItemColor(0, value);
}

void TRzColorComboBox::SetCustomColor(TColor value) {
  customColor_ = value;
  if (showCustomColor_ && value != -1) PutItemColor(Items()->Count() - 1, value);
}

#define RZ_SHOW_SETTER(Name, field, namesFlag) \
  void TRzColorComboBox::Set##Name(bool value) { \
    if (field == value) return;                 \
    field = value;                              \
    colorNames_->namesFlag = value;             \
    if (HandleAllocated())                      \
      RecreateWnd();                            \
    else                                        \
      BuildList();                              \
  }
RZ_SHOW_SETTER(ShowSysColors, showSysColors_, ShowSysColors)
RZ_SHOW_SETTER(ShowDefaultColor, showDefaultColor_, ShowDefaultColor)
RZ_SHOW_SETTER(ShowCustomColor, showCustomColor_, ShowCustomColor)
#undef RZ_SHOW_SETTER

void TRzColorComboBox::SetShowColorNames(bool value) {
  if (showColorNames_ == value) return;
  showColorNames_ = value;
  Invalidate();
}

void TRzColorComboBox::CMFontChanged(TMessage& message) {
  TRzCustomComboBox::CMFontChanged(message);
  RecreateWnd();
}

// The inherited setter re-creates the window: the colour chosen stays chosen.
void TRzColorComboBox::SetFrameVisible(bool value) {
  const TColor selected = GetSelectedColor();
  TRzCustomComboBox::SetFrameVisible(value);
  SetSelectedColor(selected);
}

// ---- selection ----

TColor TRzColorComboBox::GetColorFromItem(int index) const {
  return static_cast<TColor>(reinterpret_cast<UINT_PTR>(Items()->Objects(index)));
}

TColor TRzColorComboBox::GetSelectedColor() const {
  const int index = ItemIndex();
  return index < 0 ? defaultColor_ : GetColorFromItem(index);
}

void TRzColorComboBox::SetSelectedColor(TColor value) {
  int found = -1;
  for (int i = 0; i < Items()->Count() && found < 0; ++i)
    if (GetColorFromItem(i) == value) found = i;
  if (found < 0 && showCustomColor_) {
    SetCustomColor(value);
    found = Items()->Count() - 1;
  }
  SetItemIndex(found);
  Change();
}

void TRzColorComboBox::CNCommand(TMessage& message) {
  TRzCustomComboBox::CNCommand(message);
  dialogCancelled_ = HIWORD(message.WParam) == CBN_SELENDCANCEL;
}

void TRzColorComboBox::CloseUp() {
  TRzCustomComboBox::CloseUp();
  if (dialogCancelled_ || !showCustomColor_ || ItemIndex() != Items()->Count() - 1) return;
  TColorDialog dialog(nullptr);
  dialog.Color = GetSelectedColor();
  dialog.CustomColors()->Assign(customColors_.get());
  dialog.Options = ColorDlgOptions;
  if (!dialog.Execute()) return;
  SetCustomColors(dialog.CustomColors());
  SetCustomColor(dialog.Color);
}

// ---- custom colours ----

void TRzColorComboBox::SetCustomColors(const TStrings* value) {
  customColors_->Assign(value);
  FixupCustomColors();
}

void TRzColorComboBox::FixupCustomColors() {
  std::vector<Integer> colors;
  for (int i = 0; i < customColors_->Count(); ++i) {
    Integer color = 0;
    if (!ParseCustomColor(customColors_->ValueFromIndex(i), color))
      throw EConvertError(Format("'%s' is not a valid integer value", customColors_->ValueFromIndex(i).c_str()));
    colors.push_back(color);
  }
  for (int i = 0; i < customColors_->Count(); ++i)
    customColors_->Put(i, customColors_->Names(i) + "=" + Format("%.6X", colors[static_cast<size_t>(i)]));
}

void TRzColorComboBox::LoadCustomColors(const String& section) {
  if (!regIniFile_) throw Exception("Cannot load Custom Colors--No TRzRegIniFile component specified");
  TStringList values;
  regIniFile_->ReadSectionValues(section, &values);
  TStringList valid;
  for (int i = 0; i < values.Count(); ++i) {
    Integer color = 0;
    if (ParseCustomColor(values.ValueFromIndex(i), color)) valid.Add(values.Get(i));
  }
  SetCustomColors(&valid);
}

void TRzColorComboBox::SaveCustomColors(const String& section) {
  if (!regIniFile_) throw Exception("Cannot save Custom Colors--No TRzRegIniFile component specified");
  for (int i = 0; i < customColors_->Count(); ++i)
    regIniFile_->WriteString(section, customColors_->Names(i), customColors_->ValueFromIndex(i));
}

// ---- drawing ----

void TRzColorComboBox::DrawItem(int index, const TRect& itemRect, TOwnerDrawState state) {
  TCanvas* canvas = Canvas();
  TRect r = itemRect;
  if (showColorNames_) r.Left += 24;
  const bool selected = (state & odSelected) != 0;
  canvas->Brush()->SetColor(selected ? clHighlight : Color());
  canvas->FillRect(itemRect);
  if (index < 0 || index >= Items()->Count()) return;
  const bool custom = showCustomColor_ && index == Items()->Count() - 1;
  TRect swatch(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
  if ((state & odComboBoxEdit) == 0) swatch = TRect(swatch.Left + 2, swatch.Top, swatch.Right + 2, swatch.Bottom);
  if (showColorNames_)
    swatch = TRect(swatch.Left - 24, swatch.Top, swatch.Left - 24 + 16, swatch.Bottom);
  else if (custom)
    swatch.Right -= 20;
  const TColor color = GetColorFromItem(index);
  canvas->Brush()->SetColor(color);
  canvas->Pen()->SetColor(clBtnShadow);
  canvas->Rectangle(swatch);
  const TColor rgb = ColorToRGB(color);
  const bool light = (rgb & 0xFF) > 0x80 || ((rgb >> 8) & 0xFF) > 0x80 || ((rgb >> 16) & 0xFF) > 0x80;
  canvas->Brush()->SetColor(light ? clGray : clBlack);
  canvas->FrameRect(swatch);

  canvas->Brush()->SetColor(selected ? clHighlight : Color());
  canvas->Pen()->SetColor(selected ? clHighlightText : (Enabled() ? clWindowText : clBtnShadow));
  if (custom) {
    const int R = itemRect.Right, B = itemRect.Bottom;
    canvas->Brush()->SetColor(canvas->Pen()->Color());
    for (int x : {16, 12, 8}) canvas->FillRect(TRect(R - x, B - 7, R - x + 2, B - 4));
    canvas->Brush()->SetColor(selected ? clHighlight : Color());
  }
  if (!showColorNames_) return;
  canvas->Font()->SetColor(!Enabled() ? clBtnShadow : selected ? clHighlightText : Font()->Color());
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut(r.Left + 2, r.Top + (r.Height() - canvas->TextHeight("Yy")) / 2, Items()->Strings(index));
  canvas->Brush()->SetStyle(bsSolid);
}
