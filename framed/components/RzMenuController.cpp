#include "framed/components/RzMenuController.h"

#include <algorithm>

#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/graphics/RzGrafx.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/ShortCuts.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"

namespace {

constexpr int kGutterWidth = 24;

TCustomImageList* ImagesOf(const TMenuItem* item) {
  TMenu* menu = item->GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

bool HasImage(const TMenuItem* item) {
  TCustomImageList* images = ImagesOf(item);
  return images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count();
}

bool WindowsAbove40() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  ::GetVersionExA(&info);
  return info.dwMajorVersion > 4 || (info.dwMajorVersion == 4 && info.dwMinorVersion > 0);
}

bool NT5OrLater() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof(info);
  ::GetVersionExA(&info);
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 5;
}

void FramedGradient(TCanvas* canvas, const TRect& r, TColor frame, TColor start, TColor stop) {
  const TRect inside = DrawBevel(canvas, r, frame, frame, 1, sdAllSides);
  PaintGradient(canvas, inside, gdHorizontalEnd, start, stop, 1);
}

void FillWith(TCanvas* canvas, const TRect& r, TColor color) {
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(color);
  canvas->FillRect(r);
}

}  // namespace

bool IsMainMenuBarItem(const TMenuItem* item) {
  const TMenu* menu = item->GetParentMenu();
  return menu && dynamic_cast<const TMainMenu*>(menu) && item->Parent() == menu->Items();
}

TRzMenuController::TRzMenuController(TComponent* owner) : TComponent(owner) {}

TRzMenuController::~TRzMenuController() {
  if (!HasState(csDesigning)) CleanupMenuItems();
}

void TRzMenuController::SetupMenus() {
  TComponent* owner = Owner();
  if (!owner) return;
  for (int i = 0; i < owner->ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TMenu*>(owner->Components(i))) menu->SetOwnerDraw(true);
}

void TRzMenuController::SetupMenuItems() {
  TComponent* owner = Owner();
  if (!owner) return;
  for (int i = 0; i < owner->ComponentCount(); ++i)
    if (auto* item = dynamic_cast<TMenuItem*>(owner->Components(i))) SetupMenuItem(item);
}

void TRzMenuController::SetupMenuItem(TMenuItem* item) {
  if (item->OnAdvancedDrawItem || Controls(item)) return;
  item->OnAdvancedDrawItem = TAdvancedMenuDrawItemEvent(this, &TRzMenuController::AdvancedDrawItemHandler);
  item->OnMeasureItem = TMenuMeasureItemEvent(this, &TRzMenuController::MeasureItemHandler);
  item->FreeNotification(this);
  items_.push_back(item);
}

void TRzMenuController::CleanupMenuItems() {
  while (!items_.empty()) CleanupMenuItem(items_.back());
}

void TRzMenuController::CleanupMenuItem(TMenuItem* item) {
  const auto found = std::find(items_.begin(), items_.end(), item);
  if (found == items_.end()) return;
  item->OnAdvancedDrawItem = TAdvancedMenuDrawItemEvent();
  item->OnMeasureItem = TMenuMeasureItemEvent();
  item->RemoveFreeNotification(this);
  items_.erase(found);
}

bool TRzMenuController::Controls(const TMenuItem* item) const {
  return std::find(items_.begin(), items_.end(), item) != items_.end();
}

void TRzMenuController::Loaded() {
  TComponent::Loaded();
  if (HasState(csDesigning))
    SetupMenus();
  else
    SetupMenuItems();
}

void TRzMenuController::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  auto* item = dynamic_cast<TMenuItem*>(component);
  if (HasState(csDesigning)) {
    if (operation == opInsert) {
      if (component == this) SetupMenus();
      if (auto* menu = dynamic_cast<TMenu*>(component)) menu->SetOwnerDraw(true);
    }
    return;
  }
  if (operation == opInsert && item && !HasState(csLoading)) SetupMenuItem(item);
  // An item on its way out is no longer a menu item here: it is found by address
  // and only forgotten, its handlers with it.
  if (operation == opRemove)
    items_.erase(std::remove_if(items_.begin(), items_.end(),
                                [component](TMenuItem* listed) { return static_cast<TComponent*>(listed) == component; }),
                 items_.end());
}

void TRzMenuController::AdvancedDrawItemHandler(TObject* sender, TCanvas* canvas, const TRect& rect, UINT state) {
  if (auto* item = dynamic_cast<TMenuItem*>(sender)) PaintMenuItem(item, canvas, rect, state);
}

void TRzMenuController::MeasureItemHandler(TObject* sender, TCanvas*, int& width, int& height) {
  if (auto* item = dynamic_cast<TMenuItem*>(sender)) MeasureMenuItem(item, width, height);
}

void TRzMenuController::MeasureMenuItem(TMenuItem* item, int& width, int& height) {
  height = item->IsLine() ? 3 : 22;
  if (!IsMainMenuBarItem(item) && !ImagesOf(item)) width += 31;
}

TRzMenuController::TItemColors TRzMenuController::ItemColors() const {
  if (ThemeAware && ThemeServices()->ThemesEnabled()) {
    const TColor stop = ComplementaryColor(clHighlight, 180);
    return {DarkerColor(clHighlight, 30), LighterColor(stop, 40), stop};
  }
  if (GradientColorDefault) {
    const TColor base = DarkerColor(clBtnFace, 20);
    return {DarkerColor(clHighlight, 30), LighterColor(base, 20), DarkerColor(base, 20)};
  }
  return {FrameColor, GradientColorStart, GradientColorStop};
}

void TRzMenuController::PaintMenuItem(TMenuItem* item, TCanvas* canvas, const TRect& r, UINT state) {
  const TItemColors c = ItemColors();
  const bool onBar = IsMainMenuBarItem(item);
  const bool selected = (state & ODS_SELECTED) != 0;
  TRect gutter = r;
  gutter.Right = r.Left + kGutterWidth;
  TRect text = r;
  if (!onBar) text.Left = r.Left + kGutterWidth;
  if (onBar) {
    if (selected || (state & ODS_HOTLIGHT))
      FramedGradient(canvas, TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), c.frame, c.start, c.stop);
    else
      FillWith(canvas, text, ThemeServices()->ThemesEnabled() ? SystemColor(COLOR_MENUBAR) : clBtnFace);
  } else {
    if (selected && item->Enabled()) {
      FramedGradient(canvas, r, c.frame, c.start, c.stop);
      if (item->Checked()) PaintCheckMark(item, canvas, gutter, true, c);
    } else {
      PaintGradient(canvas, gutter, gdVerticalEnd, clWhite, clBtnFace, 1);
      if (item->Checked()) PaintCheckMark(item, canvas, gutter, false, c);
      FillWith(canvas, text, MenuColor);
    }
    text.Left += 6;
    if (HasImage(item)) ImagesOf(item)->Draw(canvas, gutter.Left + 3, gutter.Top + 3, item->ImageIndex(), item->Enabled());
  }
  PaintCaption(item, canvas, text, state, onBar);
}

void TRzMenuController::PaintCaption(TMenuItem* item, TCanvas* canvas, const TRect& area, UINT state, bool onBar) {
  HDC dc = canvas->Handle();
  if (item->IsLine()) {
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(area.Left, area.Top + 1);
    canvas->LineTo(area.Right, area.Top + 1);
    return;
  }
  TColor fontColor = MenuFontColor;
  if (onBar && (state & ODS_INACTIVE) && WindowsAbove40()) fontColor = clGrayText;
  if (!item->Enabled()) fontColor = clGrayText;
  UINT flags = DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
  if (onBar) flags |= DT_CENTER;
  if ((state & ODS_NOACCEL) && NT5OrLater()) flags |= DT_HIDEPREFIX;
  // The default item is written in bold in the menu's own font.
  HFONT bold = nullptr;
  HGDIOBJ previousFont = nullptr;
  if (item->Default()) {
    LOGFONTA font = {};
    ::GetObjectA(::GetCurrentObject(dc, OBJ_FONT), sizeof(font), &font);
    font.lfWeight = FW_BOLD;
    bold = ::CreateFontIndirectA(&font);
    previousFont = ::SelectObject(dc, bold);
  }
  const int previousMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF previousColor = ::GetTextColor(dc);
  SetDCTextColor(dc, fontColor);
  RECT box = WinRect(area);
  const String caption = item->Caption();
  ::DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &box, flags);
  if (item->ShortCut() != scNone && !onBar) {
    const String shortCut = ShortCutToText(item->ShortCut());
    RECT right = WinRect(TRect(area.Left, area.Top, area.Right - 10, area.Bottom));
    ::DrawTextA(dc, shortCut.c_str(), static_cast<int>(shortCut.size()), &right, flags | DT_RIGHT);
  }
  ::SetTextColor(dc, previousColor);
  ::SetBkMode(dc, previousMode);
  if (bold) {
    ::SelectObject(dc, previousFont);
    ::DeleteObject(bold);
  }
}

// The check box in the gutter; an item with an image shows the image in it,
// any other the system's check mark (or bullet for a radio item).
void TRzMenuController::PaintCheckMark(TMenuItem* item, TCanvas* canvas, const TRect& gutter, bool selected,
                                       const TItemColors& c) {
  const TRect box(gutter.Left + 1, gutter.Top + 1, gutter.Right - 3, gutter.Bottom - 1);
  const TRect inside = DrawBevel(canvas, box, c.frame, c.frame, 1, sdAllSides);
  if (selected)
    FillWith(canvas, inside, DarkerColor(c.stop, 40));
  else
    PaintGradient(canvas, inside, gdHorizontalEnd, DarkerColor(c.stop, 40), c.start, 1);
  if (ImagesOf(item) && item->ImageIndex() != -1) return;

  HDC dc = canvas->Handle();
  HDC maskDC = ::CreateCompatibleDC(dc);
  HBITMAP mask = ::CreateBitmap(16, 16, 1, 1, nullptr);
  HGDIOBJ previousMask = ::SelectObject(maskDC, mask);
  ::PatBlt(maskDC, 0, 0, 16, 16, WHITENESS);
  RECT glyph = {0, 0, 16, 16};
  ::DrawFrameControl(maskDC, &glyph, DFC_MENU, (item->RadioItem() ? DFCS_MENUBULLET : DFCS_MENUCHECK) | DFCS_TRANSPARENT);
  // The glyph's black bits take the button text colour; the white ones leave the box.
  const TColor ink = ColorToRGB(clBtnText);
  HBRUSH brush = ::CreateSolidBrush(RGB(ink & 0xFF, (ink >> 8) & 0xFF, (ink >> 16) & 0xFF));
  HGDIOBJ previousBrush = ::SelectObject(dc, brush);
  const COLORREF previousText = ::SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF previousBack = ::SetBkColor(dc, RGB(255, 255, 255));
  const int x = gutter.Left + (gutter.Width() - 16) / 2, y = gutter.Top + (gutter.Height() - 16) / 2;
  ::BitBlt(dc, x, y, 16, 16, maskDC, 0, 0, 0x00B8074A);
  ::SetBkColor(dc, previousBack);
  ::SetTextColor(dc, previousText);
  ::SelectObject(dc, previousBrush);
  ::DeleteObject(brush);
  ::SelectObject(maskDC, previousMask);
  ::DeleteObject(mask);
  ::DeleteDC(maskDC);
}
