// TspSkinExPanel: a skinned container with a caption strip carrying a close and
// a roll button. Rolling collapses it to its caption strip (vertical roll) or to
// a narrow strip with an upward caption (horizontal roll), hiding the children.
// It can be dragged by its caption (Moveable) and sized by its right and bottom
// edges (Sizeable) inside its parent.
#pragma once

#include "skin/controls/SkinCtrls.h"

enum TspExPanelRollKind { rkRollHorizontal, rkRollVertical };

class TspSkinExPanel : public TspSkinCustomControl {
public:
  explicit TspSkinExPanel(TComponent* owner);

  bool RollState() const { return rollState_; }
  void SetRollState(bool value);
  TspExPanelRollKind RollKind() const { return rollKind_; }
  void SetRollKind(TspExPanelRollKind value);  // repaints only: a rolled panel stays rolled
  Integer RealWidth = 0, RealHeight = 0;
  bool ShowRollButton() const { return showButton_[1]; }
  void SetShowRollButton(bool value);
  bool ShowCloseButton() const { return showButton_[0]; }
  void SetShowCloseButton(bool value);
  Integer DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  void SetDefaultCaptionHeight(Integer value);
  bool Moveable = false;
  bool Sizeable = false;
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const TBitmap* value);
  Integer NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(Integer value);
  Integer Spacing() const { return spacing_; }
  void SetSpacing(Integer value);
  TCustomImageList* CaptionImageList() const { return captionImageList_; }
  void SetCaptionImageList(TCustomImageList* value);
  Integer CaptionImageIndex() const { return captionImageIndex_; }
  void SetCaptionImageIndex(Integer value);
  TNotifyEvent OnChangeRollState;
  TNotifyEvent OnClose;

  void Close();
  Integer GetRollWidth() const;
  Integer GetRollHeight() const;
  void SetBounds(int left, int top, int width, int height) override;
  void GetSkinData() override;
  void ChangeSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void ShowControls();
  void HideControls();

  // The caption buttons: 0 close, 1 roll; rectangles in control coordinates.
  struct CaptionButton {
    TRect R;
    bool Active = false, Down = false;
  };
  CaptionButton Buttons[2];
  Integer ActiveButton = -1, OldActiveButton = -1, PressedButton = -1;
  void TestActive(Integer x, Integer y);
  // The hit code of a point in client coordinates (0: the platform's answer).
  LRESULT HitTest(const TPoint& p);

  // The record (borrowed from the skin), and the looks of the buttons (normal,
  // active, down) with the roll and restore buttons' fallbacks applied.
  TspDataSkinExPanelControl* Record = nullptr;
  enum { kClose, kHRoll, kHRestore, kVRoll, kVRestore };
  TRect ButtonLooks[5][3];

protected:
  void AdjustClientRect(TRect& rect) override;
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;
  void CMTextChanged(TMessage& message) override;

private:
  bool HasRecord() const { return SkinRecordIndex != -1; }
  void DrawButton(TCanvas* canvas, int i);
  void DrawSkinButton(TCanvas* canvas, int i);
  void RedrawButton(int i);
  void CaptionContent(TCanvas* canvas, TRect c, bool rotated, Integer bottomInset);
  Integer PictureWidth() const;
  Integer PictureHeight() const;
  void DrawPicture(TCanvas* canvas, Integer x, Integer y);
  TRect CaptionArea() const;  // the caption area the hit test uses

  bool rollState_ = false;
  TspExPanelRollKind rollKind_ = rkRollVertical;
  bool showButton_[2] = {true, true};
  Integer defaultCaptionHeight_ = 21;
  std::unique_ptr<TBitmap> glyph_;
  Integer numGlyphs_ = 1;
  Integer spacing_ = 2;
  TCustomImageList* captionImageList_ = nullptr;  // borrowed, freed-notified
  Integer captionImageIndex_ = -1;
  Integer saved_[4] = {0, 0, 0, 0};  // MaxWidth, MinWidth, MaxHeight, MinHeight while rolled
  bool rolling_ = false;
};
