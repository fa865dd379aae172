#include "framed/forms/RzFormShape.h"

#include <vector>

#include "platform/controls/CustomForm.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/Regions.h"

// The form's own show handler still runs after the region is made.
TRzFormShape::TRzFormShape(TComponent* owner) : TImage(owner) {
  SetAlign(alClient);
  SetTransparent(true);
  if (HasState(csDesigning)) return;
  auto* form = dynamic_cast<TCustomForm*>(owner);
  if (!form) return;
  form->SetBorderStyle(bsNone);
  previousOnShow_ = form->OnShow;
  form->OnShow = TNotifyEvent(this, &TRzFormShape::FormShow);
}

void TRzFormShape::FormShow(TObject* sender) {
  InitRegion();
  OnFormShow(this);
  // A handler the form was given after the shape was made is kept as well.
  if (static_cast<bool>(previousOnShow_)) previousOnShow_(sender);
}

void TRzFormShape::RecreateRegion() {
  regionMade_ = false;
  InitRegion();
}

void TRzFormShape::InitRegion() {
  if (regionMade_) return;
  regionMade_ = true;
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (!form) return;
  TBitmap work(Picture()->Width(), Picture()->Height());
  if (auto* bitmap = dynamic_cast<TBitmap*>(Picture()->Graphic())) {
    work.Canvas()->Brush()->SetColor(bitmap->TransparentColor());
    work.Canvas()->FillRect(Rect(0, 0, work.Width(), work.Height()));
  }
  work.Canvas()->Draw(0, 0, Picture()->Graphic());
  HRGN region = GetRegionFromBitmap(&work);
  ::SetWindowRgn(form->Handle(), region, TRUE);
}

HRGN TRzFormShape::GetRegionFromBitmap(TBitmap* bitmap) {
  const TColor transparent = bitmap->TransparentColor() & 0xFFFFFF;
  std::vector<TRect> runs;
  TCanvas* canvas = bitmap->Canvas();
  for (int y = 0; y < bitmap->Height(); ++y) {
    int x = 0;
    while (x < bitmap->Width()) {
      while (x < bitmap->Width() && (canvas->Pixels(x, y) & 0xFFFFFF) == transparent) ++x;
      const int start = x;
      while (x < bitmap->Width() && (canvas->Pixels(x, y) & 0xFFFFFF) != transparent) ++x;
      if (x > start) runs.push_back(Rect(start, y, x, y + 1));
    }
  }
  if (runs.empty()) return nullptr;
  return CreateRegionFromRects(runs);
}

void TRzFormShape::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TImage::MouseDown(button, shift, x, y);
  if (!AllowFormDrag) return;
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (!form) return;
  ::ReleaseCapture();
  SetMouseCapture(false);
  form->Perform(WM_SYSCOMMAND, 0xF012, 0);
}
