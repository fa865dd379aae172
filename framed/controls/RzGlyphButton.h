// TRzCustomGlyphButton: the common base of the check box and the radio button: a
// small glyph beside a 3D caption, painted through an off-screen bitmap. The glyph
// comes from a custom strip, from the visual style, from the program's glyph
// resources recoloured for hot tracking, or from the classic frame control.
#pragma once

#include <memory>

#include "framed/controls/RzCustomButton.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "platform/controls/Alignments.h"
#include "platform/graphics/Bitmap.h"

class TRzCustomGlyphButton : public TRzCustomButton, public IRzCustomFramingNotification {
public:
  explicit TRzCustomGlyphButton(TComponent* owner);
  ~TRzCustomGlyphButton() override;

  TAlignment Alignment() const { return alignment_; }
  virtual void SetAlignment(TAlignment value);
  TColor FrameColor() const { return frameColor_; }
  virtual void SetFrameColor(TColor value);
  TBitmap* CustomGlyphs() const { return customGlyphs_.get(); }  // owned
  virtual void SetCustomGlyphs(const TBitmap* value);
  bool UseCustomGlyphs() const { return useCustomGlyphs_; }
  virtual void SetUseCustomGlyphs(bool value);
  TColor TransparentColor() const { return transparentColor_; }
  virtual void SetTransparentColor(TColor value);
  TColor WinMaskColor() const { return winMaskColor_; }
  virtual void SetWinMaskColor(TColor value);
  TColor DisabledColor() const { return disabledColor_; }
  virtual void SetDisabledColor(TColor value);
  TRzFrameController* FrameController() const { return frameController_; }
  virtual void SetFrameController(TRzFrameController* value);
  void SetTransparent(bool value) override;
  bool TabOnEnter = false;
  int GlyphWidth() const { return glyphWidth_; }
  int GlyphHeight() const { return glyphHeight_; }

  virtual bool GetChecked() const { return false; }
  virtual void SetChecked(bool value) {}
  // Taken from an action: set without a click.
  void ActionChange(TObject* sender, bool checkDefaults) override;
  void CustomFramingChanged() override;
  TAlignment GetControlsAlignment() const;
  // The glyph's place in the control.
  TRect GlyphRect() const;
  // A colour that must not be mistaken for the transparent, window-mask or gray
  // colours of the glyphs moves one step away from them.
  TColor CheckColor(TColor color) const;

protected:
  // The glyph of the present state: from the strip, the theme, the recoloured
  // resource or the frame control. The bitmap belongs to the button or the cache.
  virtual TBitmap* SelectGlyph() = 0;
  virtual void DrawGlyph(TCanvas* canvas);
  // Copies cell `index` of the strip into the scratch glyph.
  TBitmap* ExtractGlyph(int index);
  // The scratch glyph at the glyph size, 32-bit, for the theme and frame-control looks.
  TBitmap* ScratchGlyph();
  void DefineProperties(TFiler* filer) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  void UpdateDisplay() override { Repaint(); }
  void RepaintDisplay() override { Repaint(); }
  TRect GetHotTrackRect() override { return GlyphRect(); }
  void KeyPress(char& key) override;
  void Dispatch(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override;
  // Whether a state change fires Click: not while an action sets it, nor while a
  // definition is read.
  bool ClicksAllowed() const { return !clicksDisabled_ && !HasState(csLoading); }
  // The two hot-track colours and the pressed face.
  void HotColors(TColor& hot1, TColor& hot2, TColor& down) const;

  int numStates_ = 2;
  bool clicksDisabled_ = false;

private:
  void CustomGlyphsChanged(TObject* sender);
  void RebuildBackground();

  TAlignment alignment_ = taRightJustify;
  TColor frameColor_ = clBtnShadow;
  std::unique_ptr<TBitmap> customGlyphs_;
  bool useCustomGlyphs_ = false;
  TColor transparentColor_ = clOlive;
  TColor winMaskColor_ = clLime;
  TColor disabledColor_ = clBtnFace;
  int glyphWidth_ = 13;
  int glyphHeight_ = 13;
  TRzFrameController* frameController_ = nullptr;  // borrowed, with a free notification
  // Reused between paints: the background at the control's size, the off-screen
  // face and the scratch glyphs.
  std::unique_ptr<TBitmap> background_;
  bool backgroundDirty_ = true;
  std::unique_ptr<TBitmap> face_;
  std::unique_ptr<TBitmap> scratch_;
  std::unique_ptr<TBitmap> composed_;
};
