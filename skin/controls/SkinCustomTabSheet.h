// TspSkinCustomTabSheet: a page of the skinned page control. It paints its
// background from the page control's skin (or a wallpaper) and keeps the state
// of the close button on its tab. Its native tab always carries image 0 of the
// page control's placeholder list, which reserves the room the control draws
// the tab's own image and close button in; the image shown is SkinImageIndex.
#pragma once

#include <memory>

#include "platform/comctrls/PageControl.h"
#include "platform/graphics/Bitmap.h"

class TspSkinPageControl;

class TspSkinCustomTabSheet : public TTabSheet {
public:
  explicit TspSkinCustomTabSheet(TComponent* owner);
  ~TspSkinCustomTabSheet() override;

  TBitmap* WallPaper() const { return wallPaper_.get(); }  // owned
  void SetWallPaper(const TBitmap* value);
  // The image of the tab in the page control's Images, -1 for none.
  Integer SkinImageIndex() const { return imageIndex_; }
  void SetSkinImageIndex(Integer value);

  TRect CloseRect;  // in the tab's coordinates (after rotation for side tabs)
  bool CloseHot = false;
  bool ClosePressed = false;

  void PaintBG(HDC dc);
  void CheckControlsBackground();
  TspSkinPageControl* SkinPageControl() const;

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;

private:
  std::unique_ptr<TBitmap> wallPaper_;
  Integer imageIndex_ = -1;
};

class TspSkinTabSheet : public TspSkinCustomTabSheet {
public:
  using TspSkinCustomTabSheet::TspSkinCustomTabSheet;
};
