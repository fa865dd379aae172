// TRzToolbarButton: the flat speed button of the tool bars. It shows a hot glyph
// while the mouse is over it, can hide its caption without losing it, reports
// mouse entry and exit, and its action link may leave the caption alone and
// takes its glyph from the action's image list.
#pragma once

#include <memory>

#include "platform/stdctrls/SpeedButton.h"

class TRzToolbarButton : public TSpeedButton {
public:
  explicit TRzToolbarButton(TComponent* owner);

  TBitmap* HotGlyph() const { return hotGlyph_.get(); }  // owned
  // Copies the picture and switches UseHotGlyph on.
  virtual void SetHotGlyph(const TBitmap* value);
  int HotNumGlyphs() const { return hotNumGlyphs_; }
  virtual void SetHotNumGlyphs(int value);
  bool UseHotGlyph = false;
  bool IgnoreActionCaption = false;
  // The caption: while ShowCaption is off the button shows none and keeps the
  // value aside, so switching it on shows the latest caption.
  String GetCaption() const { return Caption(); }
  virtual void SetCaption(const String& value);
  bool ShowCaption() const { return showCaption_; }
  virtual void SetShowCaption(bool value);
  const String& SavedCaption() const { return savedCaption_; }

  bool MouseOverControl() const { return mouseOverControl_; }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  void ActionChange(TObject* sender, bool checkDefaults) override;

protected:
  void RequestAlign() override;
  virtual void MouseEnter() { OnMouseEnter(this); }
  virtual void MouseLeave() { OnMouseLeave(this); }
  void DefineProperties(TFiler* filer) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;

private:
  void HotGlyphChanged(TObject* sender);

  bool changingGlyph_ = false;
  std::unique_ptr<TBitmap> hotGlyph_;
  int hotNumGlyphs_ = 1;
  std::unique_ptr<TBitmap> savedGlyph_;
  int savedGlyphCount_ = 0;
  String savedCaption_;
  bool showCaption_ = true;
  bool mouseOverControl_ = false;
};
