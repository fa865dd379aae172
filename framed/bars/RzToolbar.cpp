#include "framed/bars/RzToolbar.h"

#include <algorithm>

#include "framed/bars/RzSpacer.h"
#include "framed/buttons/RzToolbarButton.h"
#include "framed/common/RzResourceIds.h"
#include "framed/settings/RzCommon_RegIniFile.h"
#include "framed/startup/RzStrings.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/comctrls/ControlBar.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/published/Filer.h"
#include "platform/published/Reader.h"
#include "platform/published/Writer.h"

TRzToolbar::TRzToolbar(TComponent* owner)
    : TRzCustomPanel(owner),
      background_(std::make_unique<TBitmap>()),
      customizeCaptions_(std::make_unique<TRzCustomizeCaptions>()) {
  borderInner_ = fsNone;
  borderOuter_ = fsGroove;
  borderSides_ = SideBit(sdTop);
  SetBorderWidth(0);
  AutoStyle = false;
  SetAlignProp(alTop);
  SetBounds(Left(), Top(), 32, 32);
  ShowDockClientCaptions = false;
  FullRepaint = false;
  toolbarControls_ = std::make_unique<TRzToolbarControlList>(this);
  autoResize_ = true;
  AutoStyle = true;
  background_->OnChange = TNotifyEvent(this, &TRzToolbar::BackgroundChanged);
}

TRzToolbar::~TRzToolbar() { toolbarControls_.reset(); }

void RequestToolbarLayout(TControl* control) {
  if (auto* bar = dynamic_cast<TRzToolbar*>(control->Parent())) bar->PositionControls();
}

// ---- setters ----

void TRzToolbar::SetAlignProp(TAlign value) {
  if (AutoStyle) AdjustStyle(value);
  SetAlign(value);
  if (!autoResize_) return;
  if (value == alLeft || value == alRight)
    SetWidth(32);
  else
    SetHeight(32);
}

void TRzToolbar::CheckAutoResize(bool& value) {
  if (!value || !Parent()) return;
  const String name = Parent()->ClassName();
  if (name == "TPageScroller" || name == "TToolbar") value = false;
}

void TRzToolbar::SetAutoResize(bool value) {
  CheckAutoResize(value);
  if (autoResize_ == value) return;
  autoResize_ = value;
  PositionControls();
}

void TRzToolbar::SetParent(TWinControl* parent) {
  TRzCustomPanel::SetParent(parent);
  CheckAutoResize(autoResize_);
}

#define RZ_LAYOUT_SETTER(Name, Type, field) \
  void TRzToolbar::Set##Name(Type value) { \
    if (field == value) return;        \
    field = value;                     \
    PositionControls();                \
  }
RZ_LAYOUT_SETTER(Margin, int, margin_)
RZ_LAYOUT_SETTER(TopMargin, int, topMargin_)
RZ_LAYOUT_SETTER(RowHeight, int, rowHeight_)
RZ_LAYOUT_SETTER(WrapControls, bool, wrapControls_)
#undef RZ_LAYOUT_SETTER

void TRzToolbar::SetOrientation(TOrientation value) {
  if (orientation_ == value) return;
  orientation_ = value;
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* spacer = dynamic_cast<TRzSpacer*>(Controls(i))) spacer->SetOrientation(value);
  PositionControls();
}

void TRzToolbar::NotifyChildren(UINT message) {
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->Perform(message);
}

#define RZ_BUTTON_SETTER(Name, Type, field, message) \
  void TRzToolbar::Set##Name(Type value) {          \
    if (field == value) return;                     \
    field = value;                                  \
    NotifyChildren(message);                        \
    if (!updatingTextOptions_) textOptions_ = ttoCustom; \
  }
RZ_BUTTON_SETTER(ShowButtonCaptions, bool, showButtonCaptions_, CM_TOOLBARSHOWCAPTIONCHANGED)
RZ_BUTTON_SETTER(ButtonLayout, TButtonLayout, buttonLayout_, CM_TOOLBARBUTTONLAYOUTCHANGED)
RZ_BUTTON_SETTER(ButtonWidth, int, buttonWidth_, CM_TOOLBARBUTTONSIZECHANGED)
RZ_BUTTON_SETTER(ButtonHeight, int, buttonHeight_, CM_TOOLBARBUTTONSIZECHANGED)
#undef RZ_BUTTON_SETTER

void TRzToolbar::SetShowDivider(bool value) {
  if (showDivider_ == value) return;
  showDivider_ = value;
  borderOuter_ = value ? fsGroove : fsNone;
  Invalidate();
}

void TRzToolbar::SetImages(TCustomImageList* value) {
  if (images_ == value) return;
  images_ = value;
  if (images_) images_->FreeNotification(this);
  Invalidate();
}

void TRzToolbar::SetRegIniFile(TRzRegIniFile* value) {
  if (regIniFile_ == value) return;
  regIniFile_ = value;
  if (value) value->FreeNotification(this);
}

void TRzToolbar::SetBorderInner(TFrameStyleEx value) {
  if (value == borderInner_) return;
  TRzCustomPanel::SetBorderInner(value);
  AutoStyle = false;
}

void TRzToolbar::SetBorderOuter(TFrameStyleEx value) {
  if (value == borderOuter_) return;
  TRzCustomPanel::SetBorderOuter(value);
  AutoStyle = false;
}

void TRzToolbar::SetBorderSides(TSides value) {
  if (value == borderSides_) return;
  TRzCustomPanel::SetBorderSides(value);
  AutoStyle = false;
}

void TRzToolbar::AdjustStyle(TAlign value) {
  borderInner_ = fsNone;
  borderOuter_ = showDivider_ ? fsGroove : fsNone;
  switch (value) {
    case alLeft: borderSides_ = SideBit(sdLeft); break;
    case alRight: borderSides_ = SideBit(sdRight); break;
    case alBottom: borderSides_ = SideBit(sdBottom); break;
    default: borderSides_ = SideBit(sdTop); break;
  }
  Invalidate();
}

namespace {

struct TTextPreset {
  TButtonLayout layout;
  int width, height;
  bool captions;
};
const TTextPreset kPresets[] = {
    {blGlyphLeft, 25, 25, false}, {blGlyphTop, 60, 40, true}, {blGlyphLeft, 60, 25, true}};

}  // namespace

void TRzToolbar::SetTextOptions(TRzToolbarTextOptions value) {
  if (textOptions_ == value) return;
  updatingTextOptions_ = true;
  try {
    textOptions_ = value;
    if (value != ttoCustom) {
      const TTextPreset& preset = kPresets[value];
      SetButtonLayout(preset.layout);
      UpdateButtonSize(preset.width, preset.height, preset.captions);
      SetRowHeight(orientation_ == orHorizontal ? preset.height : preset.width);
    }
  } catch (...) {
    updatingTextOptions_ = false;
    throw;
  }
  updatingTextOptions_ = false;
}

void TRzToolbar::UpdateButtonSize(int newWidth, int newHeight, bool showCaption) {
  SetShowButtonCaptions(showCaption);
  SetButtonWidth(newWidth);
  SetButtonHeight(newHeight);
  for (int i = 0; i < ControlCount(); ++i) {
    auto* button = dynamic_cast<TRzToolbarButton*>(Controls(i));
    if (!button) continue;
    button->SetBounds(button->Left(), button->Top(), newWidth, newHeight);
    button->SetShowCaption(showCaption);
    button->SetLayout(showCaption && newHeight > 30 ? blGlyphTop : blGlyphLeft);
  }
  SetRowHeight(orientation_ == orHorizontal ? newHeight : newWidth);
}

// ---- layout ----

void TRzToolbar::AlignControls(TControl* control, TRect&) {
  if (HasState(csLoading) || !toolbarControls_) return;
  if (control && control->Parent() == this) toolbarControls_->AddControl(control);
  PositionControls();
}

// The list follows the children: a control placed on the bar is appended, one
// that left it (or was destroyed) is dropped, compared by address only.
void TRzToolbar::SyncWithChildren() {
  if (toolbarControls_->NamesPending()) return;
  for (int i = toolbarControls_->Count() - 1; i >= 0; --i) {
    TControl* listed = toolbarControls_->Items(i)->Control;
    bool child = false;
    for (int c = 0; c < ControlCount() && !child; ++c) child = Controls(c) == listed;
    if (!child) toolbarControls_->RemoveAt(i);
  }
  for (int c = 0; c < ControlCount(); ++c) toolbarControls_->AddControl(Controls(c));
}

void TRzToolbar::PositionControl(int index, int row, int& offset) {
  TControl* control = toolbarControls_->Items(index)->Control;
  if (!control || control->HasState(csDestroying)) return;
  if (orientation_ == orHorizontal) {
    const int top = (row - 1) * rowPitch_ + topMargin_ + rowHeight_ / 2 - control->Height() / 2;
    const int left = control->UseRightToLeftAlignment() ? Width() - control->Width() - offset : offset;
    control->SetBounds(left, top, control->Width(), control->Height());
    offset += control->Width();
  } else {
    const int left = (row - 1) * rowPitch_ + margin_ + rowHeight_ / 2 - control->Width() / 2;
    control->SetBounds(left, offset, control->Width(), control->Height());
    offset += control->Height();
  }
}

void TRzToolbar::PositionControls() {
  if (!toolbarControls_ || HasState(csLoading) || positioning_) return;
  positioning_ = true;
  struct TDone {
    bool& flag;
    ~TDone() { flag = false; }
  } done{positioning_};
  SyncWithChildren();
  int offset = margin_, maxExtent = 0, row = 1;
  rowPitch_ = CalculateRowHeight(1);
  const bool horizontal = orientation_ == orHorizontal;
  for (int i = 0; i < toolbarControls_->Count(); ++i) {
    TControl* control = toolbarControls_->Items(i)->Control;
    if (!control || !(control->Visible() || HasState(csDesigning))) continue;
    const bool wraps = horizontal ? Width() - margin_ < offset + control->Width()
                                  : Height() - margin_ < offset + control->Height();
    if (wrapControls_ && i > 0 && wraps) {
      maxExtent = std::max(maxExtent, offset);
      offset = margin_;
      ++row;
      rowPitch_ = CalculateRowHeight(row);
    }
    PositionControl(i, row, offset);
  }
  if (!autoResize_) return;
  const TAlign align = Align();
  const bool sideways = align == alLeft || align == alRight;
  const bool upright = align == alTop || align == alBottom;
  auto setWidth = [this](int w) {
    if (w != Width()) Invalidate();
    SetWidth(w);
  };
  auto setHeight = [this](int h) {
    if (h != Height()) Invalidate();
    SetHeight(h);
  };
  if (horizontal && sideways && maxExtent != 0)
    setWidth(margin_ + maxExtent);
  else if (horizontal && upright)
    setHeight(rowHeight_ * row + 2 * topMargin_);
  else if (!horizontal && sideways)
    setWidth(rowHeight_ * row + topMargin_ + 2);
  else if (!horizontal && upright && maxExtent != 0)
    setHeight(margin_ + maxExtent);
  else
    return;
  AskParentToRealign();
}

void TRzToolbar::AskParentToRealign() {
  TWinControl* parent = Parent();
  if (!parent || dynamic_cast<TCustomControlBar*>(parent) || !parent->HandleAllocated()) return;
  HWND window = parent->Handle();
  const WPARAM kind = ::IsZoomed(window) ? SIZE_MAXIMIZED : ::IsIconic(window) ? SIZE_MINIMIZED : SIZE_RESTORED;
  ::PostMessageA(window, WM_SIZE, kind, MAKELPARAM(parent->Width(), parent->Height()));
}

void TRzToolbar::Loaded() {
  TRzCustomPanel::Loaded();
  if (Owner()) toolbarControls_->ControlsAreLoaded(Owner());
  PositionControls();
  if (AutoStyle) AdjustStyle(GetAlign());
}

void TRzToolbar::Notification(TComponent* component, TOperation operation) {
  TRzCustomPanel::Notification(component, operation);
  if (operation != opRemove) return;
  auto* control = dynamic_cast<TControl*>(component);
  if (!HasState(csDestroying) && control && control != this && toolbarControls_ &&
      toolbarControls_->RemoveControl(control) >= 0)
    PositionControls();
  if (component == images_) images_ = nullptr;
  if (component == regIniFile_) regIniFile_ = nullptr;
}

void TRzToolbar::CMVisibleChanged(TMessage& message) {
  TRzCustomPanel::CMVisibleChanged(message);
  VisibleChanged();
}

void TRzToolbar::DefineProperties(TFiler* filer) {
  TRzCustomPanel::DefineProperties(filer);
  filer->DefineProperty(
      "ToolbarControls", [this](TReader& reader) { toolbarControls_->ReadControls(reader); },
      [this](TWriter& writer) { toolbarControls_->WriteControls(writer); }, toolbarControls_->Count() > 0);
}

// ---- painting ----

void TRzToolbar::Paint() {
  if (!UseGradients() && ThemeAware() && ThemeServices()->ThemesEnabled()) {
    ThemeServices()->DrawElement(Canvas()->Handle(), GetElementDetails(trRebarRoot), ClientRect());
    return;
  }
  TRzCustomPanel::Paint();
  if (background_->Width() >= 1 && background_->Height() >= 1) TileBackground();
}

void TRzToolbar::TileBackground() {
  TRect r = ClientRect();
  FixClientRect(r, true);
  const int w = background_->Width(), h = background_->Height();
  const int columns = ClientWidth() / w + (ClientWidth() % w ? 1 : 0);
  const int rows = ClientHeight() / h + (ClientHeight() % h ? 1 : 0);
  HDC dc = Canvas()->Handle();
  const int saved = ::SaveDC(dc);
  ::IntersectClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      Canvas()->Draw(r.Left + column * w, r.Top + row * h, background_.get());
  ::RestoreDC(dc, saved);
}

// ---- settings ----

namespace {

TRzRegIniFile* RequireStore(TRzRegIniFile* store) {
  if (!store) throw Exception(LoadRzString(sRzNoRegIniFile));
  return store;
}

}  // namespace

void TRzToolbar::SaveLayout() {
  TRzRegIniFile* store = RequireStore(regIniFile_);
  const String section = Name();
  store->WriteInteger(section, "TextOptions", textOptions_);
  store->WriteInteger(section, "Count", toolbarControls_->Count());
  for (int i = 0; i < toolbarControls_->Count(); ++i) {
    TControl* control = toolbarControls_->Items(i)->Control;
    const String name = control ? control->Name() : toolbarControls_->Items(i)->ControlName;
    store->WriteString(section, "Control" + IntToStr(i), (control && !control->Visible() ? "##" : "") + name);
  }
}

// A stored name that no entry has is skipped, so one renamed or removed control
// does not leave the layout half applied.
void TRzToolbar::RestoreLayout() {
  TRzRegIniFile* store = RequireStore(regIniFile_);
  const String section = Name();
  const int count = store->ReadInteger(section, "Count", 0);
  if (count > 0 && count == toolbarControls_->Count()) {
    for (int i = 0; i < count; ++i) {
      String name = store->ReadString(section, "Control" + IntToStr(i), String());
      if (name.empty()) continue;
      const bool visible = name.compare(0, 2, "##") != 0;
      if (!visible) name.erase(0, 2);
      const int from = toolbarControls_->IndexOfName(name);
      if (from < 0) continue;
      toolbarControls_->Move(from, i);
      if (TControl* control = toolbarControls_->Items(i)->Control) control->SetVisible(visible);
    }
    PositionControls();
  }
  const int options = store->ReadInteger(section, "TextOptions", -1);
  if (options >= ttoNoTextLabels && options <= ttoCustom) SetTextOptions(static_cast<TRzToolbarTextOptions>(options));
}
