// TImage: a picture drawn in a rectangle as it is, centred, stretched or scaled in
// proportion.
#pragma once

#include <memory>

#include "platform/controls/GraphicControl.h"
#include "platform/graphics/Picture.h"

class TImage : public TGraphicControl {
public:
  explicit TImage(TComponent* owner);
  ~TImage() override;

  TPicture* Picture() const { return picture_.get(); }  // owned
  void SetPicture(const TPicture* value) { picture_->Assign(value); }
  bool Center() const { return center_; }
  void SetCenter(bool value);
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool value);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // The rectangle the picture is drawn in.
  TRect DestRect() const;

protected:
  void Paint() override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;

private:
  void PictureChanged(TObject* sender);
  std::unique_ptr<TPicture> picture_;
  bool center_ = false;
  bool stretch_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
};
