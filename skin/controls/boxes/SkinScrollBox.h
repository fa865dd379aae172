// TspSkinScrollBox: a skinned container whose children form an area larger
// than the box; two linked skinned scroll bars placed beside it show when the
// children reach past the client area and scroll them. The border is painted
// in the non-client area from a "scrollbox" record (or a 1-pixel frame), the
// background in the client area at fixed client coordinates.
#pragma once

#include "skin/controls/SkinCtrlTypes.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/controls/SkinScrollBar.h"

class TspSkinScrollBox : public TspSkinCustomControl {
public:
  explicit TspSkinScrollBox(TComponent* owner);

  TspSkinScrollBar* HScrollBar() const { return hScrollBar_; }
  void SetHScrollBar(TspSkinScrollBar* value);
  TspSkinScrollBar* VScrollBar() const { return vScrollBar_; }
  void SetVScrollBar(TspSkinScrollBar* value);
  TspSkinBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TspSkinBorderStyle value);
  bool CanFocused = false;

  void GetVRange();
  void GetHRange();
  void UpdateScrollRange();
  void VScrollControls(Integer delta);
  void HScrollControls(Integer delta);
  void VScroll(Integer position);
  void HScroll(Integer position);
  void PaintFrame(TCanvas* canvas);
  Integer BGPictureIndex() const { return bgPictureIndex_; }

  void SetBounds(int left, int top, int width, int height) override;
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void ChangeSkinData() override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;
  void AdjustClientRect(TRect& rect) override;
  void CreateParams(TCreateParams& params) override;
  void Paint() override;

private:
  struct Axis;
  void GetRange(bool vertical);
  void OnVScrollBarChange(TObject*);
  void OnHScrollBarChange(TObject*);
  void OnScrollBarLastChange(TObject*);
  void NonClientSize(TMessage& message);
  bool PaintsBorder() const;
  void PaintBackground(TCanvas* canvas, Integer width, Integer height);

  TspSkinScrollBar* hScrollBar_ = nullptr;  // borrowed, freed-notified
  TspSkinScrollBar* vScrollBar_ = nullptr;  // borrowed, freed-notified
  TspSkinBorderStyle borderStyle_ = TspSkinBorderStyle::bvFrame;
  Integer bgPictureIndex_ = -1;
  Integer lastHPosition_ = 0, lastVPosition_ = 0;
  Integer widthGrowth_ = 0, heightGrowth_ = 0;
  bool updating_ = false;
  bool focusing_ = false;
};
