// TspSkinHintWindow: the application's hint window while a TspSkinHint serves
// hints: shaped and framed by the skin's hint window record (or a plain
// default look), with an optional bold title and image, fading in or blended
// with the screen.
#pragma once

#include <memory>

#include "platform/controls/HintWindow.h"
#include "platform/graphics/ImageList.h"
#include "skin/data/SkinData.h"

class TspSkinHint;

class TspSkinHintWindow : public THintWindow {
public:
  explicit TspSkinHintWindow(TComponent* owner);

  TRect NewClientRect;
  TPoint NewLeftTopPoint, NewRightTopPoint, NewLeftBottomPoint, NewRightBottomPoint;
  TspSkinHint* HintComponent = nullptr;    // found for the present showing
  TspSkinData* ActiveSkinData = nullptr;   // nullptr: the default look
  std::unique_ptr<TBitmap> ScreenImage;    // the screen under the window (simulated translucency)
  bool WindowRegion = false;               // the window has a region it was given
  bool LayeredOn = false;
  Integer AppliedAlpha = 0;
  bool ExtendedLayout = false;

  void ActivateHint(const TRect& rect, const String& hint) override;
  void ActivateHintEx(const TRect& rect, const String& title, const String& hint, Integer imageIndex,
                      TCustomImageList* images);
  void CalcHintSize(TCanvas* canvas, const String& text, Integer& width, Integer& height);
  void CalcHintSizeEx(TCanvas* canvas, const String& text, const String& title, Integer imageIndex,
                      TCustomImageList* images, Integer& width, Integer& height);
  // Line separators become LF followed by CR.
  void CheckText(String& text) const;
  void SetHintWindowRegion();
  static TspSkinHint* FindHintComponent();
  // The named picture of the skin's hint window record; nullptr without one.
  TBitmap* WindowPicture() const;

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
  void PaintEx(TBitmap* buffer);
  void Dispatch(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override { message.Result = 1; }

private:
  void Present(TRect r, const String& text, const String* title, Integer imageIndex, TCustomImageList* images);
  void TakeSkin(TspSkinHint* hc);
  void SetCanvasFont(TCanvas* canvas) const;
  void ApplyAlpha(const TRect& r);
  void SkinSize(Integer& w, Integer& h, bool extra);
  void PaintBackground(TBitmap* buffer);
  void FadeIn();
};
