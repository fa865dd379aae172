// The client background of a skinned form (the frame picture's client part or a
// picture of its own, stretched or tiled, and the logo), the whole window in
// client-area mode, and the controls placed on named areas of the skin picture.
#include "skin/controls/SkinCtrls.h"
#include "skin/draw/PieceCopier.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinRects.h"
#include "skin/form/DynamicSkinForm.h"

// Fills the client area from a tile: stretched by type, or repeated.
void FillFromTile(HDC dc, TBitmap& tile, Integer width, Integer height, Integer clientW, Integer clientH,
                  bool stretch, TspStretchType type) {
  const Integer w = tile.Width(), h = tile.Height();
  if (w <= 0 || h <= 0) return;
  HDC source = tile.Canvas()->Handle();
  if (stretch) {
    if (clientW <= 0 || clientH <= 0) return;
    ::SetStretchBltMode(dc, COLORONCOLOR);
    switch (type) {
      case spstFull: ::StretchBlt(dc, 0, 0, width, height, source, 0, 0, w, h, SRCCOPY); break;
      case spstHorz:
        for (Integer i = 0; i <= width / w; ++i) ::StretchBlt(dc, i * w, 0, w, height, source, 0, 0, w, h, SRCCOPY);
        break;
      case spstVert:
        for (Integer i = 0; i <= height / h; ++i) ::StretchBlt(dc, 0, i * h, width, h, source, 0, 0, w, h, SRCCOPY);
        break;
    }
    return;
  }
  if (clientW <= 0 || clientH <= 0) return;
  for (Integer col = 0; col <= clientW / w; ++col)
    for (Integer row = 0; row <= clientH / h; ++row) ::BitBlt(dc, col * w, row * h, w, h, source, 0, 0, SRCCOPY);
}

namespace {

void FillClient(HDC dc, const TRect& r, TColor color) {
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.Brush()->SetColor(color);
  canvas.FillRect(r);
  canvas.SetHandle(nullptr);
}

}  // namespace

TBitmap* TspDynamicSkinForm::NamedPicture(Integer index) const {
  return skinData_ ? skinData_->ActivePicture(index) : nullptr;
}

void TspDynamicSkinForm::PaintBG(HDC dc) {
  if (!HasUsableSkin()) return;
  const TspSkinData& s = *skinData_;
  const TRect client = form_->ClientRect();
  if (IsNullRect(s.ClientRect)) {
    FillClient(dc, client, clBtnFace);
    return;
  }
  // The client piece as far as the picture has it.
  TRect piece = s.ClientRect;
  piece.Left = std::max(piece.Left, 0), piece.Top = std::max(piece.Top, 0);
  piece.Right = std::min(piece.Right, s.Picture->Width()), piece.Bottom = std::min(piece.Bottom, s.Picture->Height());
  if (IsNullRect(piece)) {
    FillClient(dc, client, clBtnFace);
    return;
  }
  TBitmap tile(RectWidth(piece), RectHeight(piece));
  ::BitBlt(tile.Canvas()->Handle(), 0, 0, tile.Width(), tile.Height(), s.Picture->Canvas()->Handle(), piece.Left,
           piece.Top, SRCCOPY);
  if (NewWidth == 0) NewWidth = form_->Width();
  if (NewHeight == 0) NewHeight = form_->Height();
  FillFromTile(dc, tile, NewWidth, NewHeight, client.Width(), client.Height(), s.stretcheffect, s.StretchType);
  if (!logoBitMap_->Empty()) {
    TCanvas canvas;
    canvas.SetHandle(dc);
    DrawLogoBitMap(&canvas);
    canvas.SetHandle(nullptr);
  }
}

void TspDynamicSkinForm::PaintBG2(HDC dc) {
  if (!HasUsableSkin()) return;
  TBitmap* picture = NamedPicture(skinData_->bgpictureindex);
  if (!picture) return PaintBG(dc);  // an index outside the list counts as none
  const TRect client = form_->ClientRect();
  if (NewWidth == 0) NewWidth = form_->Width();
  if (NewHeight == 0) NewHeight = form_->Height();
  FillFromTile(dc, *picture, NewWidth, NewHeight, client.Width(), client.Height(), skinData_->stretcheffect,
               skinData_->StretchType);
  if (!logoBitMap_->Empty()) {
    TCanvas canvas;
    canvas.SetHandle(dc);
    DrawLogoBitMap(&canvas);
    canvas.SetHandle(nullptr);
  }
}

// The MDI client's own picture of the skin, when it names one.
void TspDynamicSkinForm::PaintBG3(HDC dc) {
  if (!HasUsableSkin()) return;
  TBitmap* picture = NamedPicture(skinData_->MDIBGPictureIndex);
  if (!picture) return PaintBG(dc);
  const TRect client = form_->ClientRect();
  FillFromTile(dc, *picture, client.Width(), client.Height(), client.Width(), client.Height(),
               skinData_->MDIBGStretchEffect, skinData_->MDIBGStretchType);
  if (logoBitMap_->Empty()) return;
  TCanvas canvas;
  canvas.SetHandle(dc);
  DrawLogoBitMap(&canvas);
  canvas.SetHandle(nullptr);
}

void TspDynamicSkinForm::PaintMDIBGDefault(HDC dc) {
  FillClient(dc, form_->ClientRect(), clAppWorkSpace);
  if (logoBitMap_->Empty()) return;
  TCanvas canvas;
  canvas.SetHandle(dc);
  DrawLogoBitMap(&canvas);
  canvas.SetHandle(nullptr);
}

void TspDynamicSkinForm::PaintBGDefault(HDC dc) {
  FillClient(dc, form_->ClientRect(), clBtnFace);
  if (logoBitMap_->Empty()) return;
  TCanvas canvas;
  canvas.SetHandle(dc);
  DrawLogoBitMap(&canvas);
  canvas.SetHandle(nullptr);
}

void TspDynamicSkinForm::DrawLogoBitMap(TCanvas* canvas) {
  const Integer x = std::max(0, form_->ClientWidth() / 2 - logoBitMap_->Width() / 2);
  const Integer y = std::max(0, form_->ClientHeight() / 2 - logoBitMap_->Height() / 2);
  if (logoBitMap_->Transparent() != LogoBitMapTransparent) logoBitMap_->SetTransparent(LogoBitMapTransparent);
  canvas->Draw(x, y, logoBitMap_.get());
}

void TspDynamicSkinForm::CreateRealBitMap(TBitmap* dest, TBitmap* source) {
  const TspSkinData& s = *skinData_;
  CreateSkinImage(s.LeftTopPoint, s.RightTopPoint, s.LeftBottomPoint, s.RightBottomPoint, s.ClientRect,
                  TargetLeftTop, TargetRightTop, TargetLeftBottom, TargetRightBottom, TargetClientRect, dest, source,
                  Rect(0, 0, source->Width(), source->Height()), NewWidth, NewHeight, true, s.LeftStretch,
                  s.TopStretch, s.RightStretch, s.BottomStretch, s.stretcheffect, s.StretchType);
}

void TspDynamicSkinForm::Paint(HDC dc) {
  if (NewWidth == 0) NewWidth = form_->Width();
  if (NewHeight == 0) NewHeight = form_->Height();
  if (!HasUsableSkin()) {
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.Pen()->SetColor(clBlack);
    canvas.Rectangle(form_->ClientRect());
    canvas.SetHandle(nullptr);
    return;
  }
  const TspSkinData& s = *skinData_;
  TBitmap image;
  if (!rollUpState_ || s.RollUpPicture->Empty()) {
    if (s.LeftTopPoint.X || s.LeftTopPoint.Y || s.RightBottomPoint.X || s.RightBottomPoint.Y) {
      CalcRects();
      CreateRealBitMap(&image, s.Picture.get());
    } else {
      image.Assign(s.Picture.get());
    }
  } else if (s.RollUpLeftPoint.X < s.RollUpRightPoint.X) {
    TBitmap* roll = s.RollUpPicture.get();
    CreateHSkinImage(s.RollUpLeftPoint.X, roll->Width() - s.RollUpRightPoint.X, &image, roll,
                     Rect(0, 0, roll->Width(), roll->Height()), form_->Width(), roll->Height(), false);
  } else {
    image.Assign(s.RollUpPicture.get());
  }
  if (image.Empty()) return;
  for (auto& o : objects_)
    if (o->RollUp == rollUpState_ && o->Visible) o->Draw(image.Canvas(), false);
  ::BitBlt(dc, 0, 0, image.Width(), image.Height(), image.Canvas()->Handle(), 0, 0, SRCCOPY);
}

// ---- areas ----

TRect TspDynamicSkinForm::GetAreaRect(const String& areaName) const {
  TRect result;
  if (!HasUsableSkin()) return result;
  for (auto& area : skinData_->AreaList)
    if (area->IDName == areaName) result = area->skinrect;  // the last of a name wins
  return result;
}

void TspDynamicSkinForm::LinkControlToArea(const String& areaName, TControl* control) {
  if (!skinData_ || !control) return;
  const Integer index = skinData_->GetAreaIndex(areaName);
  if (index < 0 || IsNullRect(skinData_->AreaList[index]->skinrect)) return;
  control->SetAlign(alNone);
  control->FreeNotification(this);
  areaLinks_.push_back(AreaLink{control, skinData_->AreaList[index]->skinrect});
}

void TspDynamicSkinForm::UnLinkControlFromArea(TControl* control) {
  auto link = std::find_if(areaLinks_.begin(), areaLinks_.end(), [control](const AreaLink& l) { return l.Control == control; });
  if (link != areaLinks_.end()) areaLinks_.erase(link);
}

void TspDynamicSkinForm::LinkControlsToAreas() {
  for (int i = 0; i < form_->ControlCount(); ++i) {
    TControl* control = form_->Controls(i);
    if (auto* w = dynamic_cast<TspSkinControl*>(control); w && !w->AreaName.empty())
      LinkControlToArea(w->AreaName, control);
    else if (auto* g = dynamic_cast<TspGraphicSkinControl*>(control); g && !g->AreaName.empty())
      LinkControlToArea(g->AreaName, control);
  }
}

void TspDynamicSkinForm::ControlsToAreas() {
  const bool scale = CanScale();
  for (const AreaLink& link : std::vector<AreaLink>(areaLinks_)) {
    const TRect r = scale ? CalcRealObjectRect(link.Rect) : link.Rect;
    link.Control->SetBoundsRect(r);
    if (auto* windowed = dynamic_cast<TWinControl*>(link.Control)) windowed->Realign();
  }
}
