#include "skin/controls/bars/SkinControlBar.h"

#include <algorithm>

#include "platform/controls/Messages.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/controls/SkinPaintMessages.h"
#include "skin/draw/SkinImage.h"

// ---- the record's look ----

void TspControlBarLook::Read(TspSkinData* data, const String& name) {
  RecordIndex = !data || data->Empty ? -1 : data->GetControlIndex(name);
  Record = nullptr;
  Picture = nullptr;
  if (RecordIndex == -1) return;
  Record = dynamic_cast<TspDataSkinControlBar*>(data->CtrlList[RecordIndex].get());
  Picture = Record ? data->ActivePicture(Record->pictureindex) : nullptr;
  if (!Picture) Record = nullptr, RecordIndex = -1;  // another kind, or no picture: the plain look
}

void TspControlBarLook::PaintBackground(TCanvas* canvas, TspSkinData* data, Integer width, Integer height,
                                        const TRect* clip) const {
  if (!Record || width <= 0 || height <= 0) return;
  TBitmap* background = Record->bgpictureindex == -1 ? nullptr : data->ActivePicture(Record->bgpictureindex);
  TBitmap* picture = background ? background : Picture;
  TRect piece = background ? TRect{0, 0, background->Width(), background->Height()} : Record->skinrect;
  TRect part = background ? TRect{0, 0, background->Width(), background->Height()} : Record->clientrect;
  HDC dc = canvas->Handle();
  int saved = ::SaveDC(dc);
  if (clip) ::IntersectClipRect(dc, clip->Left, clip->Top, clip->Right, clip->Bottom);
  FillPieceClient(canvas, picture, piece, part, TRect{0, 0, width, height}, Record->stretcheffect,
                  Record->stretchtype);
  ::RestoreDC(dc, saved);
}

RECT TspControlBarLook::ShrinkToClient(RECT r) const {
  const TRect& s = Record->skinrect;
  const TRect& c = Record->clientrect;
  r.left += c.Left;
  r.top += c.Top;
  r.right -= s.Width() - c.Right;
  r.bottom -= s.Height() - c.Bottom;
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
  return r;
}

void TspControlBarLook::PaintBorder(HDC dc, Integer width, Integer height) const {
  if (!Record || width <= 0 || height <= 0) return;
  const TspDataSkinControlBar& k = *Record;
  Integer dx = width - k.skinrect.Width(), dy = height - k.skinrect.Height();
  TRect client{k.clientrect.Left, k.clientrect.Top, k.clientrect.Right + dx, k.clientrect.Bottom + dy};
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages(k.lefttoppoint, k.righttoppoint, k.leftbottompoint, k.rightbottompoint, k.clientrect,
                         k.lefttoppoint, TPoint{k.righttoppoint.X + dx, k.righttoppoint.Y},
                         TPoint{k.leftbottompoint.X, k.leftbottompoint.Y + dy},
                         TPoint{k.rightbottompoint.X + dx, k.rightbottompoint.Y + dy}, client, &left, &top, &right,
                         &bottom, Picture, k.skinrect, width, height, k.leftstretch, k.topstretch, k.rightstretch,
                         k.bottomstretch);
  int saved = ::SaveDC(dc);
  ::ExcludeClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.Draw(0, 0, &top);
  canvas.Draw(0, top.Height(), &left);
  canvas.Draw(width - right.Width(), top.Height(), &right);
  canvas.Draw(0, height - bottom.Height(), &bottom);
  canvas.SetHandle(nullptr);
  ::RestoreDC(dc, saved);
}

void SendParentBackgroundChanged(TWinControl* bar) {
  for (int i = 0; i < bar->ControlCount(); ++i) {
    TControl* child = bar->Controls(i);
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
      if (windowed->HandleAllocated()) ::SendMessageA(windowed->Handle(), WM_CHECKPARENTBG, 0, 0);
    } else {
      child->Perform(WM_CHECKPARENTBG, 0, 0);
    }
  }
}

bool TspControlBarLook::NonClientMessage(TWinControl* bar, TMessage& message, bool skinBevel) const {
  const TspControlBarLook& look = *this;
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      if (!look.Record) return false;
      if (skinBevel) {
        RECT* r = reinterpret_cast<RECT*>(message.LParam);
        *r = look.ShrinkToClient(*r);
      }
      message.Result = 0;
      return true;
    case WM_NCPAINT:
      if (!look.Record) return false;
      if (skinBevel) {
        HDC dc = ::GetWindowDC(bar->Handle());
        look.PaintBorder(dc, bar->Width(), bar->Height());
        ::ReleaseDC(bar->Handle(), dc);
      }
      message.Result = 0;
      return true;
    case CM_SENCPAINT:
      message.Result = 0;
      if (message.WParam && skinBevel && look.Record) {
        look.PaintBorder(reinterpret_cast<HDC>(message.WParam), bar->Width(), bar->Height());
        message.Result = 12851;
      }
      return true;
    case CM_BENCPAINT:
      if (message.LParam != 16802) return false;
      if (message.WParam && skinBevel && look.Record)
        look.PaintBorder(reinterpret_cast<HDC>(message.WParam), bar->Width(), bar->Height());
      message.Result = 16802;
      return true;
    default:
      return false;
  }
}

// ---- control bar ----

TspSkinControlBar::TspSkinControlBar(TComponent* owner) : TCustomControlBar(owner) { SetBevelKind(bkNone); }

void TspSkinControlBar::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  ChangeSkinData();
}

void TspSkinControlBar::Notification(TComponent* component, TOperation operation) {
  TCustomControlBar::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

void TspSkinControlBar::ChangeSkinData() {
  GetSkinData();
  if (skinBevel_ && HandleAllocated()) RecreateWnd();
  Realign();
  Repaint();
}

void TspSkinControlBar::SetSkinBevel(bool value) {
  skinBevel_ = value;
  GetSkinData();
  if (look_.Record && HandleAllocated()) RecreateWnd();
}

void TspSkinControlBar::CheckControlsBackground() { SendParentBackgroundChanged(this); }

void TspSkinControlBar::CreateParams(TCreateParams& params) {
  TCustomControlBar::CreateParams(params);
  params.Style &= ~WS_BORDER;
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TspSkinControlBar::Paint() {
  GetSkinData();
  if (!look_.Record) return TCustomControlBar::Paint();
  TRect client = ClientRect();
  look_.PaintBackground(Canvas(), skinData_, Width(), Height(), &client);
  for (int i = 0; i < ControlCount(); ++i)
    if (Controls(i)->Visible()) PaintControlFrame(Canvas(), Controls(i), BandRect(Controls(i)));
}

// The band frame from the record's item picture: a 12-pixel grab area at the left.
void TspSkinControlBar::PaintControlFrame(TCanvas* canvas, TControl* control, const TRect& r) {
  GetSkinData();
  if (!look_.Record || look_.Record->itemrect.IsEmpty() || r.Width() <= 0 || r.Height() <= 0)
    return TCustomControlBar::PaintControlFrame(canvas, control, r);
  const TspDataSkinControlBar& k = *look_.Record;
  Integer iw = k.itemrect.Width(), ih = k.itemrect.Height(), w = r.Width(), h = r.Height();
  bool s = k.itemstretcheffect;
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages(TPoint{12, k.itemoffset1}, TPoint{iw - 3, 3}, TPoint{12, ih - k.itemoffset2},
                         TPoint{iw - 3, ih - 3}, TRect{11, 2, iw - 2, ih - 2}, TPoint{12, k.itemoffset1},
                         TPoint{w - 3, 3}, TPoint{12, h - k.itemoffset2}, TPoint{w - 3, h - 3},
                         TRect{11, 2, w - 2, h - 2}, &left, &top, &right, &bottom, look_.Picture, k.itemrect, w, h, s,
                         s, s, s);
  for (TBitmap* piece : {&left, &top, &right, &bottom}) {
    if (!k.itemtransparent) continue;
    piece->SetTransparentMode(tmFixed);
    piece->SetTransparentColor(k.itemtransparentcolor);
    piece->SetTransparent(true);
  }
  canvas->Draw(r.Left, r.Top, &top);
  canvas->Draw(r.Left, r.Top + top.Height(), &left);
  canvas->Draw(r.Right - right.Width(), r.Top + top.Height(), &right);
  canvas->Draw(r.Left, r.Bottom - bottom.Height(), &bottom);
}

void TspSkinControlBar::WndProc(TMessage& message) {
  if (message.Msg == WM_NCCALCSIZE || message.Msg == WM_NCPAINT || message.Msg == CM_SENCPAINT ||
      message.Msg == CM_BENCPAINT || message.Msg == WM_ERASEBKGND || message.Msg == WM_SIZE)
    GetSkinData();
  if (look_.NonClientMessage(this, message, skinBevel_)) return;
  if (message.Msg == WM_ERASEBKGND && look_.Record) {
    message.Result = 1;  // the paint covers the client area
    return;
  }
  TCustomControlBar::WndProc(message);
  if (message.Msg == WM_SIZE && look_.Record) {
    if (skinBevel_) ::RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    if (look_.Record->stretcheffect) CheckControlsBackground();
  }
}
