// TCustomLabel and TLabel: a windowless text, aligned, wrapped or sized to its text,
// with an accelerator that focuses its FocusControl.
#pragma once

#include "platform/controls/Alignments.h"
#include "platform/controls/GraphicControl.h"

class TWinControl;

class TCustomLabel : public TGraphicControl {
public:
  explicit TCustomLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  bool Transparent() const { return !HasStyle(csOpaque); }
  void SetTransparent(bool value);
  // Gets the focus when the label's accelerator is pressed.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);
  void SetAutoSize(bool value) override;
  void Loaded() override;

protected:
  // Draws the text in `rect` with the DT_* flags; with DT_CALCRECT only measures
  // and sets `rect` to the text's extent. A disabled label draws embossed.
  virtual void DoDrawText(TRect& rect, UINT flags);
  virtual String GetLabelText() const { return Caption(); }
  void Paint() override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  // Sets the size the text needs (AutoSize), keeping the aligned edge in place.
  virtual void AdjustBounds();
  UINT TextFlags() const;

private:
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;  // borrowed; cleared when it is freed
};

class TLabel : public TCustomLabel {
public:
  using TCustomLabel::TCustomLabel;
};
