#include "skin/controls/SkinHeaderControl.h"

#include "skin/controls/EditMenuSeam.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinHeaderSection.h"
#include "skin/draw/SkinRects.h"

TspSkinHeaderControl::TspSkinHeaderControl(TComponent* owner)
    : THeaderControl(owner), defaultFont_(std::make_unique<TFont>()) {
  SetRecordFont(defaultFont_.get(), "Arial", 0, 14);
}

void TspSkinHeaderControl::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value && !value->Empty && !HasState(csDesigning)) ChangeSkinData();
}

void TspSkinHeaderControl::Notification(TComponent* component, TOperation operation) {
  THeaderControl::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

bool TspSkinHeaderControl::FindRecord() {
  TspButtonRecordLook look;
  return look.Find(skinData_, SkinDataName);
}

// A record that cannot stretch vertically pins the height to its own.
Integer TspSkinHeaderControl::PinnedHeight(Integer height) {
  TspButtonRecordLook look;
  if (look.Find(skinData_, SkinDataName)) {
    if (look.Record->leftbottompoint == TPoint{}) return RectHeight(look.Record->skinrect);
    return height;
  }
  return defaultHeight_ > 0 ? defaultHeight_ : height;
}

void TspSkinHeaderControl::ChangeSkinData() {
  Integer h = PinnedHeight(Height());
  if (h != Height()) THeaderControl::SetBounds(Left(), Top(), Width(), h);
  Invalidate();
}

void TspSkinHeaderControl::SetBounds(int left, int top, int width, int height) {
  if (height != Height()) height = PinnedHeight(height);
  THeaderControl::SetBounds(left, top, width, height);
}

void TspSkinHeaderControl::SetDefaultHeight(Integer value) {
  defaultHeight_ = value;
  if (!FindRecord() && value > 0) SetHeight(value);
}

void TspSkinHeaderControl::SetDefaultFont(const TFont* value) {
  defaultFont_->Assign(value);
  if (!FindRecord()) Font()->Assign(value);
}

void TspSkinHeaderControl::CreateWnd() {
  THeaderControl::CreateWnd();
  for (int i = 0; i < Sections()->Count(); ++i) Sections()->Items(i)->SetStyle(hsOwnerDraw);
}

TRect TspSkinHeaderControl::GetSkinItemRect(Integer index) {
  RECT r{};
  if (!HandleAllocated()) return {};
  Integer item = index;
  if (DragReorder()) {
    int count = Sections()->Count();
    std::vector<int> order(count);
    if (count > 0 && ::SendMessageA(Handle(), HDM_GETORDERARRAY, count, reinterpret_cast<LPARAM>(order.data())))
      item = order[index];
  }
  ::SendMessageA(Handle(), HDM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&r));
  return {r.left, r.top, r.right, r.bottom};
}

void TspSkinHeaderControl::DrawSkinSectionR(TCanvas* canvas, THeaderSection* section, bool active, bool pressed,
                                            const TRect& r) {
  TspButtonRecordLook look;
  look.Find(skinData_, SkinDataName);
  TFont font;
  if (look.Record && UseSkinFont) SetRecordFont(&font, look.Record->fontname, look.Record->fontstyle, look.Record->fontheight);
  else font.Assign(defaultFont_.get());
  font.SetCharset(SkinCharset(skinData_, defaultFont_.get()));
  TspHeaderSectionPaint paint;
  paint.Text = section->Text();
  paint.Alignment = section->Alignment();
  paint.Images = Images();
  paint.ImageIndex = section->ImageIndex();
  paint.Active = active;
  paint.Pressed = pressed;
  paint.Font = &font;
  paint.ClientContent = true;
  paint.KeepSkinHeight = true;
  if (OnDrawSkinSection)
    paint.CustomDraw = [this, section, active, pressed](TCanvas* c, const TRect& content) {
      OnDrawSkinSection(this, section, content, active, pressed, c);
    };
  DrawHeaderSection(canvas, r, look, paint);
}

void TspSkinHeaderControl::PaintWindow(HDC dc) {
  if (!HandleAllocated() || Width() <= 0 || Height() <= 0) return;
  int saved = ::SaveDC(dc);
  TCanvas canvas;
  canvas.SetHandle(dc);
  Integer right = 0;
  for (int i = 0; i < Sections()->Count(); ++i) {
    TRect r = GetSkinItemRect(i);
    bool mine = i == activeSection_;
    DrawSkinSectionR(&canvas, Sections()->Items(i), mine && !sectionDown_, mine && sectionDown_, r);
    right = std::max(right, r.Right);
  }
  TspButtonRecordLook look;
  look.Find(skinData_, SkinDataName);
  DrawHeaderRest(&canvas, TRect{right, 0, Width(), Height()}, look);
  canvas.SetHandle(nullptr);
  ::RestoreDC(dc, saved);
}

void TspSkinHeaderControl::DrawSection(THeaderSection* section, const TRect& rect, bool pressed) {
  THeaderControl::DrawSection(section, rect, pressed);
  DrawSkinSectionR(Canvas(), section, false, pressed, rect);
}

void TspSkinHeaderControl::WndProc(TMessage& message) {
  THeaderControl::WndProc(message);
  if (message.Msg == HDM_HITTEST && message.LParam)
    onDivider_ = reinterpret_cast<HDHITTESTINFO*>(message.LParam)->flags == HHT_ONDIVIDER;
}

void TspSkinHeaderControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = message.WParam ? reinterpret_cast<HDC>(message.WParam) : ::BeginPaint(Handle(), &ps);
      PaintWindow(dc);
      if (!message.WParam) ::EndPaint(Handle(), &ps);
      return;
    }
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case CM_MOUSEENTER:
      THeaderControl::Dispatch(message);
      if (!HasState(csDesigning) && !sectionDown_) Invalidate();
      return;
    case CM_MOUSELEAVE:
      THeaderControl::Dispatch(message);
      if (HasState(csDesigning)) return;
      activeSection_ = oldActiveSection_ = -1;
      if (!sectionDown_) Invalidate();
      return;
    case CM_SENCPAINT:
      message.Result = 12851;
      return;
    default:
      THeaderControl::Dispatch(message);
  }
}

void TspSkinHeaderControl::TestActive(int x, int y) {
  oldActiveSection_ = activeSection_;
  activeSection_ = -1;
  for (int i = 0; i < Sections()->Count(); ++i)
    if (PointInRect(GetSkinItemRect(i), TPoint{x, y})) {
      activeSection_ = i;
      break;
    }
  if (activeSection_ == oldActiveSection_ || sectionDragging_) return;
  Invalidate();
}

namespace {

bool HitsDivider(HWND header, int x, int y) {
  HDHITTESTINFO hit{};
  hit.pt = POINT{x, y};
  ::SendMessageA(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  return hit.flags == HHT_ONDIVIDER || hit.flags == HHT_ONDIVOPEN;
}

}  // namespace

void TspSkinHeaderControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (HandleAllocated()) onDivider_ = HitsDivider(Handle(), x, y);
  if (button == mbLeft && !onDivider_ && Style() == hsButtons) {
    sectionDown_ = true;
    TestActive(x, y);
    Invalidate();
  }
  tracking_ = button == mbLeft && onDivider_;
  THeaderControl::MouseDown(button, shift, x, y);
}

void TspSkinHeaderControl::MouseMove(TShiftState shift, int x, int y) {
  THeaderControl::MouseMove(shift, x, y);
  sectionDragging_ = sectionDown_ && DragReorder();
  if (!HasState(csDesigning) && !sectionDragging_) TestActive(x, y);
  if (tracking_) Invalidate();
}

void TspSkinHeaderControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  THeaderControl::MouseUp(button, shift, x, y);
  bool dragged = sectionDragging_;
  sectionDragging_ = tracking_ = false;
  activeSection_ = oldActiveSection_ = -1;
  if (button != mbLeft || HasState(csDesigning) || Style() != hsButtons) return;
  TestActive(x, y);
  Invalidate();
  bool wasDown = sectionDown_;
  sectionDown_ = false;
  if (wasDown && activeSection_ != -1 && !onDivider_ && !dragged)
    OnSkinSectionClick(this, Sections()->Items(activeSection_));
}
