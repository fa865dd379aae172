#include "skin/controls/boxes/SkinScrollBox.h"

#include <algorithm>

#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinPaintMessages.h"
#include "skin/draw/SPUtils.h"

TspSkinScrollBox::TspSkinScrollBox(TComponent* owner) : TspSkinCustomControl(owner) {
  ControlStyle |= csAcceptsControls;
  SkinDataName = "scrollbox";
  SetWidth(150);
  SetHeight(150);
}

// ---- bars ----

void TspSkinScrollBox::SetVScrollBar(TspSkinScrollBar* value) {
  vScrollBar_ = value;
  if (!value) return;
  value->FreeNotification(this);
  value->SetCanFocused(false);
  value->OnChange = TNotifyEvent(this, &TspSkinScrollBox::OnVScrollBarChange);
  value->OnLastChange = TNotifyEvent(this, &TspSkinScrollBox::OnScrollBarLastChange);
  value->SetEnabled(true);
  value->SetVisible(false);
  GetVRange();
}

void TspSkinScrollBox::SetHScrollBar(TspSkinScrollBar* value) {
  hScrollBar_ = value;
  if (!value) return;
  value->FreeNotification(this);
  value->SetCanFocused(false);
  value->OnChange = TNotifyEvent(this, &TspSkinScrollBox::OnHScrollBarChange);
  value->OnLastChange = TNotifyEvent(this, &TspSkinScrollBox::OnScrollBarLastChange);
  value->SetEnabled(true);
  value->SetVisible(false);
  GetHRange();
}

void TspSkinScrollBox::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == hScrollBar_) hScrollBar_ = nullptr;
  if (component == vScrollBar_) vScrollBar_ = nullptr;
}

void TspSkinScrollBox::SetBorderStyle(TspSkinBorderStyle value) {
  borderStyle_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TspSkinScrollBox::VScrollControls(Integer delta) {
  ScrollBy(0, -delta);
  if (SkinRecordIndex != -1 && stretcheffect) Invalidate();  // a stretched background does not scroll
}

void TspSkinScrollBox::HScrollControls(Integer delta) {
  ScrollBy(-delta, 0);
  if (SkinRecordIndex != -1 && stretcheffect) Invalidate();
}

void TspSkinScrollBox::OnVScrollBarChange(TObject*) {
  VScrollControls(vScrollBar_->Position() - lastVPosition_);
  lastVPosition_ = vScrollBar_->Position();
}

void TspSkinScrollBox::OnHScrollBarChange(TObject*) {
  HScrollControls(hScrollBar_->Position() - lastHPosition_);
  lastHPosition_ = hScrollBar_->Position();
}

void TspSkinScrollBox::OnScrollBarLastChange(TObject*) { Invalidate(); }

void TspSkinScrollBox::VScroll(Integer position) {
  if (!vScrollBar_ || vScrollBar_->PageSize() == 0) return;
  vScrollBar_->SetPosition(std::min(position, vScrollBar_->Max() - vScrollBar_->PageSize()));
}

void TspSkinScrollBox::HScroll(Integer position) {
  if (!hScrollBar_ || hScrollBar_->PageSize() == 0) return;
  hScrollBar_->SetPosition(position);
}

// ---- ranges ----

void TspSkinScrollBox::GetVRange() { GetRange(true); }
void TspSkinScrollBox::GetHRange() { GetRange(false); }

void TspSkinScrollBox::UpdateScrollRange() {
  GetHRange();
  GetVRange();
}

// Growing the box while scrolled reveals content before the position instead
// of opening empty space after it; a shrinking content closes the gap.
void TspSkinScrollBox::GetRange(bool vertical) {
  TspSkinScrollBar* bar = vertical ? vScrollBar_ : hScrollBar_;
  if (!bar || updating_ || !Parent()) return;
  Integer client = vertical ? ClientHeight() : ClientWidth();
  Integer extent = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (!c->Visible()) continue;
    extent = std::max(extent, vertical ? c->Top() + c->Height() : c->Left() + c->Width());
  }
  Integer p = bar->Position(), e = p + extent;
  Integer& growth = vertical ? heightGrowth_ : widthGrowth_;
  Integer& last = vertical ? lastVPosition_ : lastHPosition_;
  auto scroll = [&](Integer delta) { vertical ? VScrollControls(delta) : HScrollControls(delta); };
  bool visible = bar->Visible(), show = visible;
  if (e > client) {
    show = true;
    if (p > 0 && extent < client && growth > 0) {
      Integer g = std::min(growth, p);
      bar->SetRange(0, e - 1, p - g, client);
      scroll(-g);
    } else if (growth == 0 && e - 1 < bar->Max() && p > 0 && extent < client) {
      Integer d = std::min(client - extent, p);
      scroll(-d);
      bar->SetRange(0, e - 1, p - d, client);
    } else {
      bar->SetRange(0, e - 1, p, client);
    }
    growth = 0;
    last = bar->Position();
  } else {
    if (p > 0) scroll(-p);
    growth = 0;
    last = 0;
    bar->SetRange(0, 0, 0, 0);
    show = false;
  }
  if (hScrollBar_ && vScrollBar_) hScrollBar_->SetBoth(vScrollBar_->Visible());
  if (show == visible) return;
  updating_ = true;
  bar->SetVisible(show);
  if (Align() != alNone) {
    Parent()->Realign();
    Realign();
  }
  updating_ = false;
}

void TspSkinScrollBox::SetBounds(int left, int top, int width, int height) {
  Integer oldWidth = Width(), oldHeight = Height();
  TspSkinCustomControl::SetBounds(left, top, width, height);
  widthGrowth_ = oldWidth > 0 && Width() > oldWidth ? Width() - oldWidth : 0;
  if (Align() != alNone) GetHRange();
  heightGrowth_ = oldHeight > 0 && Height() > oldHeight ? Height() - oldHeight : 0;
  if (Align() != alNone) GetVRange();
}

void TspSkinScrollBox::AdjustClientRect(TRect& rect) {
  TRect client = ClientRect();
  rect = client;
  if (vScrollBar_ && vScrollBar_->Visible()) {
    rect.Top = -vScrollBar_->Position();
    rect.Bottom = rect.Top + std::max(vScrollBar_->Max(), client.Height());
  }
  if (hScrollBar_ && hScrollBar_->Visible()) {
    rect.Left = -hScrollBar_->Position();
    rect.Right = rect.Left + std::max(hScrollBar_->Max(), client.Width());
  }
}

// ---- skin ----

void TspSkinScrollBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  auto* r = RecordAs<TspDataSkinScrollBoxControl>(SkinData(), SkinRecordIndex);
  bgPictureIndex_ = r ? r->bgpictureindex : -1;
}

void TspSkinScrollBox::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  if (HandleAllocated()) RecreateWnd();
  if (vScrollBar_) vScrollBar_->SetAlign(vScrollBar_->Align());
  if (hScrollBar_) hScrollBar_->SetAlign(hScrollBar_->Align());
}

void TspSkinScrollBox::CreateParams(TCreateParams& params) {
  TspSkinCustomControl::CreateParams(params);
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

bool TspSkinScrollBox::PaintsBorder() const {
  return borderStyle_ != TspSkinBorderStyle::bvNone && bgPictureIndex_ == -1;
}

// ---- painting ----

void TspSkinScrollBox::CreateControlDefaultImage(TBitmap* b) {
  b->Canvas()->Brush()->SetStyle(bsSolid);
  b->Canvas()->Brush()->SetColor(Color());
  b->Canvas()->FillRect(TRect{0, 0, b->Width(), b->Height()});
}

void TspSkinScrollBox::PaintBackground(TCanvas* canvas, Integer width, Integer height) {
  TBitmap* source = SkinData() ? SkinData()->ActivePicture(bgPictureIndex_) : nullptr;
  TBitmap piece;
  if (!source) {
    if (!SkinPicture) return;
    TRect c{skinrect.Left + clientrect.Left, skinrect.Top + clientrect.Top, skinrect.Left + clientrect.Right,
            skinrect.Top + clientrect.Bottom};
    if (RectWidth(c) <= 0 || RectHeight(c) <= 0) return;
    piece.SetSize(RectWidth(c), RectHeight(c));
    piece.Canvas()->CopyRect(TRect{0, 0, piece.Width(), piece.Height()}, SkinPicture->Canvas(), c);
    source = &piece;
  }
  Integer pw = source->Width(), ph = source->Height();
  if (pw <= 0 || ph <= 0) return;
  if (stretcheffect && width > 0 && height > 0) {
    if (stretchtype == spstFull) return canvas->StretchDraw(TRect{0, 0, width, height}, source);
    bool column = stretchtype == spstHorz;
    TBitmap strip(column ? pw : width, column ? height : ph);
    strip.Canvas()->StretchDraw(TRect{0, 0, strip.Width(), strip.Height()}, source);
    if (column)
      for (Integer x = 0; x < width; x += pw) canvas->Draw(x, 0, &strip);
    else
      for (Integer y = 0; y < height; y += ph) canvas->Draw(0, y, &strip);
    return;
  }
  for (Integer y = 0; y < height; y += ph)
    for (Integer x = 0; x < width; x += pw) canvas->Draw(x, y, source);
}

void TspSkinScrollBox::Paint() {
  GetSkinData();
  if (SkinRecordIndex == -1) return TspSkinCustomControl::Paint();
  Integer w = ClientWidth(), h = ClientHeight();
  if (w < 1 || h < 1) return;
  TBitmap b(w, h);
  PaintBackground(b.Canvas(), bgPictureIndex_ != -1 ? Width() : w, bgPictureIndex_ != -1 ? Height() : h);
  Canvas()->Draw(0, 0, &b);
}

void TspSkinScrollBox::PaintFrame(TCanvas* canvas) {
  Integer w = Width(), h = Height();
  if (SkinRecordIndex == -1 || !SkinPicture) {
    using enum TspSkinBorderStyle;
    if (borderStyle_ == bvNone) return;
    TColor topLeft = borderStyle_ == bvLowered ? clBtnHighlight : clBtnShadow;
    TColor bottomRight = borderStyle_ == bvRaised ? clBtnHighlight : clBtnShadow;
    Frm3D(canvas, TRect{0, 0, w - 1, h - 1}, topLeft, bottomRight);
    return;
  }
  Integer dw = w - RectWidth(skinrect), dh = h - RectHeight(skinrect);
  TRect client{clientrect.Left, clientrect.Top, clientrect.Right + dw, clientrect.Bottom + dh};
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages(lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint, clientrect, lefttoppoint,
                         TPoint{righttoppoint.X + dw, righttoppoint.Y}, TPoint{leftbottompoint.X, leftbottompoint.Y + dh},
                         TPoint{rightbottompoint.X + dw, rightbottompoint.Y + dh}, client, &left, &top, &right,
                         &bottom, SkinPicture, skinrect, w, h, leftstretch, topstretch, rightstretch, bottomstretch);
  canvas->Draw(0, 0, &top);
  canvas->Draw(0, top.Height(), &left);
  canvas->Draw(w - right.Width(), top.Height(), &right);
  canvas->Draw(0, h - bottom.Height(), &bottom);
}

// ---- messages ----

void TspSkinScrollBox::NonClientSize(TMessage& message) {
  GetSkinData();
  auto* r = reinterpret_cast<RECT*>(message.LParam);
  if (SkinRecordIndex == -1) {
    if (borderStyle_ != TspSkinBorderStyle::bvNone) ::InflateRect(r, -1, -1);
  } else if (PaintsBorder()) {
    r->left += clientrect.Left;
    r->top += clientrect.Top;
    r->right -= RectWidth(skinrect) - clientrect.Right;
    r->bottom -= RectHeight(skinrect) - clientrect.Bottom;
  }
  message.Result = 0;
}

void TspSkinScrollBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (CanFocused && !HasState(csDesigning) && !Focused()) {
        focusing_ = true;
        if (HandleAllocated()) ::SetFocus(Handle());
        focusing_ = false;
        if (!Focused()) return;
      }
      break;
    case CN_COMMAND:
      if (focusing_) return;
      break;
    case WM_NCCALCSIZE:
      return NonClientSize(message);
    case WM_NCPAINT: {
      GetSkinData();
      if (!PaintsBorder() && SkinRecordIndex != -1) return;
      if (SkinRecordIndex == -1 && borderStyle_ == TspSkinBorderStyle::bvNone) return;
      HDC dc = ::GetWindowDC(Handle());
      TCanvas canvas;
      canvas.SetHandle(dc);
      PaintFrame(&canvas);
      canvas.SetHandle(nullptr);
      ::ReleaseDC(Handle(), dc);
      message.Result = 0;
      return;
    }
    case WM_SIZE:
      TspSkinCustomControl::WndProc(message);
      if (HandleAllocated()) ::SendMessageA(Handle(), WM_NCPAINT, 0, 0);
      return;
    case WM_WINDOWPOSCHANGING:
      TspSkinCustomControl::WndProc(message);
      if (HandleAllocated() && Align() == alNone) {
        GetVRange();
        GetHRange();
      }
      return;
    case CM_VISIBLECHANGED:
      TspSkinCustomControl::WndProc(message);
      if (hScrollBar_) hScrollBar_->SetVisible(Visible());
      if (vScrollBar_) vScrollBar_->SetVisible(Visible());
      return;
    case CM_SENCPAINT:
    case CM_BENCPAINT: {
      if (message.Msg == CM_BENCPAINT && message.LParam != 16802) break;
      GetSkinData();
      bool paints = message.WParam && PaintsBorder();
      if (paints) {
        TCanvas canvas;
        canvas.SetHandle(reinterpret_cast<HDC>(message.WParam));
        PaintFrame(&canvas);
        canvas.SetHandle(nullptr);
      }
      message.Result = message.Msg == CM_BENCPAINT ? 16802 : paints ? 12851 : 0;
      return;
    }
    default:
      break;
  }
  TspSkinCustomControl::WndProc(message);
}
