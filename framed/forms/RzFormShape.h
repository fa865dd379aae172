// TRzFormShape: an image that gives its borderless form the outline of its
// picture (the window region is made of the picture's non-transparent pixels)
// and lets the user drag the form by pressing the picture.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/stdctrls/Image.h"

class TRzFormShape : public TImage {
public:
  explicit TRzFormShape(TComponent* owner);

  bool AllowFormDrag = true;
  TNotifyEvent OnFormShow;

  // Builds the region again from the current picture.
  void RecreateRegion();
  bool RegionMade() const { return regionMade_; }
  // The region of the bitmap's pixels that differ (in their low 24 bits) from
  // its transparent colour, one rectangle per run of a row; nullptr when no pixel
  // is solid. Owned by the caller.
  virtual HRGN GetRegionFromBitmap(TBitmap* bitmap);

protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  void InitRegion();
  void FormShow(TObject* sender);

  bool regionMade_ = false;
  TNotifyEvent previousOnShow_;
};
