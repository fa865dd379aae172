#include "skin/controls/SkinCustomTabSheet.h"

#include "skin/controls/SkinCtrls.h"
#include "skin/controls/SkinPageControl.h"
#include "skin/draw/SkinImage.h"
#include "skin/draw/SkinRects.h"

TspSkinCustomTabSheet::TspSkinCustomTabSheet(TComponent* owner)
    : TTabSheet(owner), wallPaper_(std::make_unique<TBitmap>()) {
  SetAlign(alClient);
  ControlStyle |= csAcceptsControls | csNoDesignVisible;
  SetVisible(false);
  TTabSheet::SetImageIndex(0);  // every native tab reserves the placeholder's room
}

TspSkinCustomTabSheet::~TspSkinCustomTabSheet() { SetPageControl(nullptr); }

TspSkinPageControl* TspSkinCustomTabSheet::SkinPageControl() const {
  return dynamic_cast<TspSkinPageControl*>(PageControl());
}

void TspSkinCustomTabSheet::SetWallPaper(const TBitmap* value) {
  wallPaper_->Assign(value);
  if (HasState(csDesigning)) Repaint();
}

void TspSkinCustomTabSheet::SetSkinImageIndex(Integer value) {
  imageIndex_ = value;
  if (PageControl()) PageControl()->Invalidate();
}

void TspSkinCustomTabSheet::CreateParams(TCreateParams& params) {
  TTabSheet::CreateParams(params);
  params.WindowClass.style &= ~(CS_HREDRAW | CS_VREDRAW);
}

namespace {

// Fills width x height of the canvas from the piece: stretched by the type, or tiled.
void FillFromPiece(TCanvas* canvas, TBitmap* piece, Integer width, Integer height, bool stretch,
                   TspStretchType type, Integer stretchWidth, Integer stretchHeight) {
  if (piece->Width() <= 0 || piece->Height() <= 0) return;
  if (stretch && stretchWidth > 0 && stretchHeight > 0) {
    if (type == spstFull) return canvas->StretchDraw(TRect{0, 0, stretchWidth, stretchHeight}, piece);
    bool horizontal = type == spstHorz;
    TBitmap strip(horizontal ? piece->Width() : stretchWidth, horizontal ? stretchHeight : piece->Height());
    strip.Canvas()->StretchDraw(TRect{0, 0, strip.Width(), strip.Height()}, piece);
    for (Integer i = 0; i * (horizontal ? strip.Width() : strip.Height()) < (horizontal ? width : height); ++i)
      canvas->Draw(horizontal ? i * strip.Width() : 0, horizontal ? 0 : i * strip.Height(), &strip);
    return;
  }
  for (Integer y = 0; y < height; y += piece->Height())
    for (Integer x = 0; x < width; x += piece->Width()) canvas->Draw(x, y, piece);
}

}  // namespace

void TspSkinCustomTabSheet::PaintBG(HDC dc) {
  TspSkinPageControl* pages = SkinPageControl();
  if (Width() < 1 || Height() < 1 || !pages) return;
  pages->GetSkinData();
  TCanvas canvas;
  canvas.SetHandle(dc);
  if (!wallPaper_->Empty()) {
    FillFromPiece(&canvas, wallPaper_.get(), Width(), Height(), false, spstFull, 0, 0);
  } else if (!pages->HasRecord() || !pages->Picture) {
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(TRect{0, 0, Width(), Height()});
  } else {
    TspSkinData* data = pages->SkinData();
    auto* r = dynamic_cast<TspDataSkinTabControl*>(data->CtrlList[data->GetControlIndex(pages->SkinDataName)].get());
    TBitmap* bg = data->ActivePicture(r->bgpictureindex);
    if (bg) {
      FillFromPiece(&canvas, bg, Width(), Height(), r->stretcheffect, r->stretchtype, Width(), Height());
    } else {
      const TRect& s = pages->skinRect;
      const TRect& c = pages->clientRect;
      TBitmap piece(RectWidth(c), RectHeight(c));
      piece.Canvas()->CopyRect(TRect{0, 0, piece.Width(), piece.Height()}, pages->Picture->Canvas(),
                               TRect{s.Left + c.Left, s.Top + c.Top, s.Left + c.Right, s.Top + c.Bottom});
      FillFromPiece(&canvas, &piece, Width(), Height(), r->stretcheffect, r->stretchtype, pages->Width(),
                    pages->Height());
    }
  }
  canvas.SetHandle(nullptr);
}

void TspSkinCustomTabSheet::CheckControlsBackground() {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(Controls(i)))
      if (child->HandleAllocated()) ::SendMessageA(child->Handle(), WM_CHECKPARENTBG, 0, 0);
}

void TspSkinCustomTabSheet::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      PaintBG(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_SIZE: {
      TTabSheet::Dispatch(message);
      Repaint();
      TspSkinPageControl* pages = SkinPageControl();
      if (pages && pages->SkinData() && !pages->SkinData()->Empty && pages->HasRecord()) {
        TspSkinData* data = pages->SkinData();
        auto* r = dynamic_cast<TspDataSkinTabControl*>(data->CtrlList[data->GetControlIndex(pages->SkinDataName)].get());
        if (r && r->stretcheffect) CheckControlsBackground();
      }
      return;
    }
    case 0xB1C9:
      message.Result = 12851;
      return;
    default:
      TTabSheet::Dispatch(message);
  }
}
