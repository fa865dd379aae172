#include "framed/display/RzColorPicker.h"

#include <cstdlib>

#include "framed/controls/RzControlSupport.h"
#include "framed/startup/RzBorder_ColorNames.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/Application.h"
#include "platform/controls/Mouse.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WinControl.h"

namespace {

constexpr int kStandardCount = 40;
constexpr int kTableCount = 70;
constexpr int kBandHeight = 8;
constexpr int kThemeBorderColorProperty = 3801;  // TMT_BORDERCOLOR

TRect Shrunk(const TRect& r, int by) { return TRect(r.Left + by, r.Top + by, r.Right - by, r.Bottom - by); }

void Exclude(TCanvas* canvas, const TRect& r) { ::ExcludeClipRect(canvas->Handle(), r.Left, r.Top, r.Right, r.Bottom); }

void Edge(TCanvas* canvas, const TRect& r, UINT edge, UINT flags) {
  RECT box = WinRect(r);
  ::DrawEdge(canvas->Handle(), &box, edge, flags);
}

bool ApplicationInForeground() {
  DWORD process = 0;
  ::GetWindowThreadProcessId(::GetForegroundWindow(), &process);
  return process == ::GetCurrentProcessId();
}

}  // namespace

// Where everything sits, in the control's coordinates: the optional rows at the
// top and bottom of the client rectangle, the grid of standard cells below the
// top rows, and the system block below an 8-pixel band. Painting and the hit
// test both use it, so a click lands on the cell that is shown there.
struct TRzColorPicker::TLayout {
  TRect client;
  int margin = 0, cellWidth = 0, rowHeight = 0, gridTop = 0;
  bool none = false, deflt = false, custom = false, system = false;

  TRect NoneRow() const { return TRect(client.Left, client.Top, client.Right, client.Top + margin); }
  TRect DefaultRow() const {
    const int top = client.Top + (none ? margin : 0);
    return TRect(client.Left, top, client.Right, top + margin);
  }
  TRect CustomRow() const { return TRect(client.Left, client.Bottom - margin, client.Right, client.Bottom); }
  // The swatch part of a row is its right `margin` pixels; the rest is its button.
  TRect SwatchPart(const TRect& row) const { return TRect(row.Right - margin, row.Top, row.Right, row.Bottom); }
  TRect ButtonPart(const TRect& row) const { return TRect(row.Left, row.Top, row.Right - margin, row.Bottom); }
  int BandTop() const { return gridTop + 5 * rowHeight; }
  TRect Cell(int index) const {
    if (index < 0 || index >= kTableCount || (index >= kStandardCount && !system)) return TRect(0, 0, 0, 0);
    const int block = index < kStandardCount ? index : index - kStandardCount;
    const int top = index < kStandardCount ? gridTop : BandTop() + kBandHeight;
    const int x = client.Left + (block % 8) * cellWidth, y = top + (block / 8) * rowHeight;
    return TRect(x, y, x + cellWidth, y + rowHeight);
  }
};

TRzColorPicker::TRzColorPicker(TComponent* owner) : TRzBorder(owner) {
  ControlStyle |= csOpaque;
  SetBorderWidth(2);
  SetColor(clWindow);
  SetFlatColorAdjustment(0);
  SetBorderColor(clWindow);
  SetParentColor(false);
  if (ThemeServices()->ThemesEnabled())
    ApplyThemedLook();
  else
    SetBorderOuter(fsLowered);
  SetAutoSize(true);
}

TRzColorPicker::~TRzColorPicker() { SetCustomColors(nullptr); }

// With visual styles the frame is the flat line of a themed edit.
void TRzColorPicker::ApplyThemedLook() {
  const TThemedElementDetails edit = GetElementDetails(teEditRoot);
  COLORREF color = 0;
  HTHEME theme = ThemeServices()->GetTheme(teEdit);
  if (theme && ThemeApi.GetThemeColor &&
      SUCCEEDED(ThemeApi.GetThemeColor(theme, edit.Part, edit.State, kThemeBorderColorProperty, &color)))
    themeBorderColor_ = static_cast<TColor>(color);
  SetBorderOuter(fsFlat);
  SetFlatColor(themeBorderColor_);
  SetFlatColorAdjustment(0);
}

void TRzColorPicker::Loaded() {
  TRzBorder::Loaded();
  if (ThemeServices()->ThemesEnabled()) ApplyThemedLook();
  if (AutoSize()) UpdateBounds();
}

int TRzColorPicker::Margin() const { return std::abs(Font()->Height()) + 12; }

bool TRzColorPicker::CanAutoSize(int& width, int& height) {
  const TRect client = ClientRect();
  const int m = Margin();
  width = 2 * client.Left + 144;
  height = 2 * client.Top + 90;
  if (showSystemColors_) height += 80;
  if (showNoColor_) height += m + 1;
  if (showDefaultColor_) height += m + 1;
  if (showCustomColor_) height += m;
  return true;
}

void TRzColorPicker::UpdateBounds() {
  int width = Width(), height = Height();
  CanAutoSize(width, height);
  TRzBorder::SetBounds(Left(), Top(), width, height);
}

// An autosized picker keeps the size its rows need.
void TRzColorPicker::SetBounds(int left, int top, int width, int height) {
  if (AutoSize() && !HasState(csLoading)) CanAutoSize(width, height);
  TRzBorder::SetBounds(left, top, width, height);
}

void TRzColorPicker::CMFontChanged(TMessage& message) {
  TRzBorder::CMFontChanged(message);
  if (AutoSize()) UpdateBounds();
  Repaint();
}

TRzColorPicker::TLayout TRzColorPicker::Layout() const {
  TLayout l;
  l.client = ClientRect();
  l.margin = Margin();
  l.none = showNoColor_;
  l.deflt = showDefaultColor_;
  l.custom = showCustomColor_;
  l.system = showSystemColors_;
  l.cellWidth = l.client.Width() / 8;
  const int grid = l.client.Height() - l.margin * ((l.none ? 1 : 0) + (l.deflt ? 1 : 0) + (l.custom ? 1 : 0));
  l.rowHeight = l.system ? (grid - kBandHeight) / 9 : grid / 5;
  l.gridTop = l.client.Top + l.margin * ((l.none ? 1 : 0) + (l.deflt ? 1 : 0));
  return l;
}

TRect TRzColorPicker::GetCellRect(int index) const { return Layout().Cell(index); }

int TRzColorPicker::HitTest(int x, int y) const {
  const TLayout l = Layout();
  const TPoint p{x, y};
  if (!l.client.Contains(p)) return kPickNothing;
  if (l.none && y < l.NoneRow().Bottom) return kPickNoColor;
  if (l.deflt && l.DefaultRow().Contains(p)) return kPickDefault;
  const int customPart = x < l.client.Right - l.margin ? kPickCustomButton : kPickCustomSwatch;
  if (l.custom && y >= l.CustomRow().Top) return customPart;
  for (int i = 0; i < kStandardCount; ++i)
    if (l.Cell(i).Contains(p)) return i;
  if (l.system) {
    if (y >= l.BandTop() && y < l.BandTop() + kBandHeight) return kPickNothing;
    for (int i = kStandardCount; i < kTableCount; ++i)
      if (l.Cell(i).Contains(p)) return i;
    // The last system row has six cells: the two places after them are empty.
    const TRect last = l.Cell(kTableCount - 1);
    if (y >= last.Top && y < last.Bottom && x >= last.Right && x < l.client.Left + 8 * l.cellWidth)
      return kPickNothing;
  }
  return l.custom ? customPart : kPickNoColor;
}

// ---- selection ----

TColor TRzColorPicker::GetSelectedColor() const {
  switch (selColorIndex_) {
    case kPickNoColor:
    case kPickNothing: return clNone;
    case kPickDefault: return defaultColor_;
    case kPickCustomSwatch:
    case kPickCustomButton: return customColor_;
    default:
      return selColorIndex_ >= 0 && selColorIndex_ < kTableCount ? ColorPickerColors[selColorIndex_].Color : clNone;
  }
}

void TRzColorPicker::SetSelectedColor(TColor value) {
  if (value == clNone) return SetSelColorIndex(kPickNoColor);
  if (showDefaultColor_ && ColorToRGB(value) == ColorToRGB(defaultColor_)) return SetSelColorIndex(kPickDefault);
  if (showSystemColors_)
    for (int i = kStandardCount; i < kTableCount; ++i)
      if (ColorPickerColors[i].Color == value) return SetSelColorIndex(i);
  const TColor rgb = ColorToRGB(value);
  for (int i = 0; i < kStandardCount; ++i)
    if (ColorPickerColors[i].Color == rgb) return SetSelColorIndex(i);
  SetCustomColor(rgb);
  SetSelColorIndex(kPickCustomSwatch);
}

void TRzColorPicker::SetSelColorIndex(int value) {
  if (value == selColorIndex_ && value != kPickCustomSwatch) return;
  selColorIndex_ = value;
  Repaint();
  ColorChanged();
  if (value == kPickCustomSwatch) Click();
}

void TRzColorPicker::SetHighlightColorIndex(int value) {
  if (highlightColorIndex_ == value) return;
  highlightColorIndex_ = value;
  Repaint();
}

void TRzColorPicker::SetCustomColor(TColor value) {
  customColor_ = value;
  if (showCustomColor_) Repaint();
}

void TRzColorPicker::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (showDefaultColor_) Repaint();
}

void TRzColorPicker::SetCustomColors(TRzCustomColors* value) {
  if (customColors_ == value) return;
  if (customColors_) customColors_->RemoveFreeNotification(this);
  customColors_ = value;
  if (customColors_) customColors_->FreeNotification(this);
}

void TRzColorPicker::Notification(TComponent* component, TOperation operation) {
  TRzBorder::Notification(component, operation);
  if (operation == opRemove && component == customColors_) customColors_ = nullptr;
}

void TRzColorPicker::SetCaptionText(String& field, const String& value) {
  if (field == value) return;
  field = value;
  Invalidate();
}

void TRzColorPicker::SetShow(bool& field, bool value) {
  if (field == value) return;
  field = value;
  if (AutoSize()) UpdateBounds();
  Invalidate();
}

void TRzColorPicker::PickCustomColor() {
  TColorDialog dialog(nullptr);  // the picker's own, for this one question
  dialog.Color = customColor_;
  if (customColors_) dialog.CustomColors()->Assign(customColors_->Colors());
  dialog.Options = ColorDlgOptions;
  if (!dialog.Execute()) return;
  if (customColors_) customColors_->SetColors(dialog.CustomColors());
  SetCustomColor(dialog.Color);
  SetSelColorIndex(kPickCustomSwatch);
}

// ---- mouse and hints ----

void TRzColorPicker::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft) {
    const int index = HitTest(x, y);
    if (index == kPickCustomButton) {
      SetHighlightColorIndex(kPickNoHotCell);
      Repaint();
      PickCustomColor();
    } else if (index != kPickNothing) {
      SetSelColorIndex(index);
    }
  }
  TRzBorder::MouseDown(button, shift, x, y);
}

void TRzColorPicker::MouseMove(TShiftState shift, int x, int y) {
  if (ShowColorHints) DoHint(x, y);
  const int index = HitTest(x, y);
  if (shift & ssLeft) {
    if (index != kPickCustomButton && index != kPickNothing) SetSelColorIndex(index);
  } else {
    SetHighlightColorIndex(index);
  }
  TRzBorder::MouseMove(shift, x, y);
}

void TRzColorPicker::MouseEnter() {
  if (ShowColorHints) {
    const TPoint p = ScreenToClient(Mouse()->CursorPos());
    DoHint(p.X, p.Y);
  }
  TRzBorder::MouseEnter();
}

void TRzColorPicker::MouseLeave() {
  SetHighlightColorIndex(kPickNoHotCell);
  Repaint();
  ReleaseHintWindow();
  TRzBorder::MouseLeave();
}

void TRzColorPicker::DoHint(int x, int y) {
  const int index = HitTest(x, y);
  if (index < 0 || HasState(csDesigning) || !ClientRect().Contains(TPoint{x, y}) || !ApplicationInForeground()) {
    ReleaseHintWindow();
    Repaint();
    return;
  }
  if (!hintWindow_) {
    hintWindow_ = std::make_unique<THintWindow>(nullptr);
    hintWindow_->SetColor(Application.HintColor);
  }
  hintWindow_->Font()->Assign(Font());
  const String& name = ColorPickerColors[index].Name;
  TRect r = hintWindow_->CalcHintRect(Screen.Width(), name);
  const TRect cell = GetCellRect(index);
  const TPoint at = ClientToScreen(TPoint{cell.Left + 4, cell.Bottom + 12});
  r = TRect(at.X, at.Y, at.X + r.Width(), at.Y + r.Height());
  const bool shown = hintWindow_->HandleAllocated() && ::IsWindowVisible(hintWindow_->Handle());
  if (!shown || hintWindow_->BoundsRect() != r) hintWindow_->ActivateHint(r, name);
}

void TRzColorPicker::ReleaseHintWindow() {
  if (hintWindow_) hintWindow_->ReleaseHandle();
}

// ---- painting ----

void TRzColorPicker::Decorate(TCanvas* canvas, const TRect& cell, bool selected, bool hot, bool soft) {
  const bool themed = ThemeServices()->ThemesEnabled();
  if (selected) {
    canvas->Brush()->SetColor(clWindow);
    canvas->FillRect(cell);
    if (themed) {
      ThemeServices()->DrawElement(canvas->Handle(), GetElementDetails(ttbButtonChecked), cell);
    } else {
      canvas->Brush()->SetColor(clHighlight);
      canvas->FrameRect(cell);
    }
  }
  if (hot) {
    if (themed)
      ThemeServices()->DrawElement(canvas->Handle(), GetElementDetails(ttbButtonHot), cell);
    else
      Edge(canvas, cell, BDR_RAISEDINNER, BF_RECT | BF_MIDDLE | (soft ? BF_SOFT : 0));
  }
}

void TRzColorPicker::PaintSwatch(TCanvas* canvas, const TRect& cell, TColor color) {
  canvas->Brush()->SetColor(color);
  canvas->FillRect(Shrunk(cell, 4));
  const TRect edge = Shrunk(cell, 3);
  Edge(canvas, edge, BDR_RAISEDOUTER, BF_RECT | BF_FLAT);
  Exclude(canvas, edge);
}

void TRzColorPicker::PaintButton(TCanvas* canvas, const TRect& area, const String& caption) {
  Edge(canvas, area, BDR_RAISEDINNER, BF_RECT | BF_MIDDLE | BF_FLAT);
  HDC dc = FontDC(canvas);
  const int mode = ::SetBkMode(dc, TRANSPARENT);
  SetDCTextColor(dc, Font()->Color());
  RECT box = WinRect(area);
  ::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ::SetBkMode(dc, mode);
  Exclude(canvas, area);
}

void TRzColorPicker::PaintCells(TCanvas* canvas, const TLayout& l) {
  const int last = l.system ? kTableCount : kStandardCount;
  for (int i = 0; i < last; ++i) {
    const TRect cell = l.Cell(i);
    const bool selected = i == selColorIndex_, hot = i == highlightColorIndex_;
    if (selected || hot) Decorate(canvas, cell, selected, hot, i >= kStandardCount);
    PaintSwatch(canvas, cell, ColorPickerColors[i].Color);
    if (selected || hot) Exclude(canvas, cell);
  }
}

void TRzColorPicker::PaintRows(TCanvas* canvas, const TLayout& l) {
  if (l.none) {
    const TRect row = l.NoneRow();
    const bool selected = selColorIndex_ == kPickNoColor, hot = highlightColorIndex_ == kPickNoColor;
    Decorate(canvas, row, selected, hot, false);
    PaintButton(canvas, Shrunk(row, 3), noColorCaption_.empty() ? String("None") : noColorCaption_);
    if (selected || hot) Exclude(canvas, row);
  }
  if (l.deflt) {
    const TRect row = l.DefaultRow();
    Decorate(canvas, row, false, highlightColorIndex_ == kPickDefault, false);
    Decorate(canvas, l.SwatchPart(row), selColorIndex_ == kPickDefault, false, false);
    PaintButton(canvas, Shrunk(l.ButtonPart(row), 3),
                defaultColorCaption_.empty() ? String("Default") : defaultColorCaption_);
    PaintSwatch(canvas, l.SwatchPart(row), defaultColor_);
    if (selColorIndex_ == kPickDefault) Exclude(canvas, l.SwatchPart(row));
    if (highlightColorIndex_ == kPickDefault) Exclude(canvas, row);
  }
  if (l.custom) {
    const TRect row = l.CustomRow();
    const TRect button = l.ButtonPart(row), swatch = l.SwatchPart(row);
    Decorate(canvas, button, false, highlightColorIndex_ == kPickCustomButton, false);
    Decorate(canvas, swatch, selColorIndex_ == kPickCustomSwatch, highlightColorIndex_ == kPickCustomSwatch, false);
    PaintButton(canvas, Shrunk(button, 3),
                customColorCaption_.empty() ? String("More Colors...") : customColorCaption_);
    PaintSwatch(canvas, swatch, customColor_);
    if (highlightColorIndex_ == kPickCustomButton) Exclude(canvas, button);
    if (selColorIndex_ == kPickCustomSwatch || highlightColorIndex_ == kPickCustomSwatch) Exclude(canvas, swatch);
  }
}

void TRzColorPicker::Paint() {
  TRzBorder::Paint();
  TCanvas* canvas = Canvas();
  const TLayout l = Layout();
  if (l.client.Width() <= 0 || l.client.Height() <= 0) return;
  canvas->Font()->Assign(Font());
  HDC dc = canvas->Handle();
  const int saved = ::SaveDC(dc);
  ::IntersectClipRect(dc, l.client.Left, l.client.Top, l.client.Right, l.client.Bottom);
  PaintRows(canvas, l);
  PaintCells(canvas, l);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(l.client);
  ::RestoreDC(dc, saved);
  if (l.system) {
    const int y = l.BandTop() + kBandHeight / 2;
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(l.client.Left + 3, y);
    canvas->LineTo(l.client.Right - 3, y);
  }
}
