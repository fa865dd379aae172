// TspSkinButton: the skinned push button. It draws normal, hot, pressed, focused
// and disabled images from rectangles of its record's picture, fades between the
// normal and the hot image, plays a frame strip on hover and focus, repeats its
// click while held, works as an exclusive toggle among siblings sharing a
// GroupIndex, answers Enter as the form's default and Escape as its cancel
// button, and closes a modal form with its ModalResult. Without a record it
// draws a plain flat look of its own.
#pragma once

#include "platform/controls/ModalResult.h"
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/buttons/ButtonLook.h"
#include "skin/controls/buttons/ButtonTimers.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/draw/SkinLayout.h"

using TspButtonPaintEvent = TEvent<TCanvas*, TRect, bool, bool, bool&>;

class TspSkinButton : public TspSkinCustomControl {
public:
  explicit TspSkinButton(TComponent* owner);
  ~TspSkinButton() override;

  TCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(TCustomImageList* value);
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer value);
  bool UseSkinSize = true;
  bool UseSkinFontColor = true;
  bool RepeatMode = false;
  Integer RepeatInterval = 100;
  bool AllowAllUp = false;
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value);
  bool Down() const { return down_; }
  // Fires no click; a group button going down raises the others of its group.
  void SetDown(bool value);
  Integer GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(Integer value);
  TBitmap* Glyph() const { return glyph_.get(); }
  void SetGlyph(const TBitmap* value);
  TspNumGlyphs NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(TspNumGlyphs value);
  Integer Margin() const { return margin_; }
  void SetMargin(Integer value);
  Integer Spacing() const { return spacing_; }
  void SetSpacing(Integer value);
  TspButtonLayout Layout() const { return layout_; }
  void SetLayout(TspButtonLayout value);
  bool Cancel = false;
  bool Default() const { return default_; }
  void SetDefault(bool value);
  TModalResult ModalResult = mrNone;
  TNotifyEvent OnClick;  // the button's own click; the control's click event is not used
  TspButtonPaintEvent OnPaint;

  // The click: the form's ModalResult (focusable buttons), then OnClick or the action.
  virtual void ButtonClick();
  void RefreshButton();
  void Click() override;
  void GetSkinData() override;
  void ChangeSkinData() override;
  void CalcSize(Integer& width, Integer& height) override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap*) override {}  // the button paints by itself
  virtual void CreateButtonImage(TBitmap* b, const TRect& r, bool aDown, bool aMouseIn);
  // The marker image of the menu buttons centred in r.
  void DrawMenuMarker(TCanvas* canvas, const TRect& r, bool active, bool down);

  // State read by tests and by the menu button.
  bool MouseIn = false;
  bool MouseHeld = false;
  bool DefaultActive = false;
  double MorphKf() const { return fade_.Kf; }
  bool MorphRunning() const { return fade_.Running(); }
  Integer AnimateFrame() const { return animation_.Frame(); }
  bool IsFocused();
  bool EnableMorphing() const;
  bool EnableAnimation() const;
  bool AnimateRunning() const { return animation_.Running(); }

  TspButtonLook look;  // copies of the record

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void CreateWnd() override;
  void Paint() override;
  void ActionChange(TObject* sender, bool checkDefaults) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void CMDialogKey(TMessage& message) override;
  void CMDialogChar(TMessage& message) override;
  void CMFocusChanged(TMessage& message) override;
  void CMTextChanged(TMessage& message) override;
  void WMSetFocus(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override;

  void ReDrawControl();
  void StartAnimate(bool forward);
  void StopAnimate() { animation_.Stop(); }
  void StartRepeat() { repeat_.Start(); }
  void StopRepeat() { repeat_.Stop(); }
  void DoAllUp();
  // Caption font and colour of the skin image (steps 3 and 4).
  void SetCaptionFont(TCanvas* canvas, bool aDown, bool aMouseIn);
  // Glyph, image list or images menu with the caption in r.
  void DrawContent(TCanvas* canvas, const TRect& r, bool aDown, bool aMouseIn, bool pressedOffset);
  Integer GlyphNumber(bool aDown, bool aMouseIn) const;
  bool DrawDownImage() { return down_ && (groupIndex_ != 0 || MouseIn || (IsFocused() && !MouseHeld)); }

  bool SpaceClicks = true;
  bool down_ = false;

private:
  // The normal and hot images of a fade, kept while nothing they show changes,
  // so each 20 ms step only blends.
  String FadeKey() const;
  void FadeImages(TBitmap*& normal, TBitmap*& hot);

  TCustomImageList* imageList_ = nullptr;  // borrowed, freed-notified
  Integer imageIndex_ = -1;
  bool canFocused_ = true;
  Integer groupIndex_ = 0;
  std::unique_ptr<TBitmap> glyph_;
  TspNumGlyphs numGlyphs_ = 1;
  Integer margin_ = -1;
  Integer spacing_ = 1;
  TspButtonLayout layout_ = blGlyphLeft;
  bool default_ = false;
  bool downAtPress_ = false;
  bool clicksDisabled_ = false;
  TspMorphFade fade_;
  TspFrameAnimation animation_;
  TspClickRepeat repeat_;
  std::unique_ptr<TBitmap> fadeNormal_, fadeHot_;
  String fadeKey_;
};
