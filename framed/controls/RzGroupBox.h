// TRzCustomGroupBox and TRzGroupBox: a framed panel with a caption on its top edge
// and a frame below the caption line in one of four group styles, themed when the
// visual styles are on.
#pragma once

#include "framed/controls/RzPanel.h"

enum TRzGroupBoxStyle : Byte { gsStandard, gsCustom, gsTopLine, gsFlat };

class TRzCustomGroupBox : public TRzCustomPanel {
public:
  explicit TRzCustomGroupBox(TComponent* owner);

  TRzGroupBoxStyle GroupStyle() const { return groupStyle_; }
  virtual void SetGroupBoxStyle(TRzGroupBoxStyle value);
  void CustomFramingChanged() override;

protected:
  void AdjustClientRect(TRect& rect) override;
  void Paint() override;
  void Dispatch(TMessage& message) override;
  void CMDialogChar(TMessage& message) override;
  // The caption's place on the top edge; empty without a caption or for gsCustom.
  TRect CaptionRect();

private:
  void PaintFrame(const TRect& frame);
  TRzGroupBoxStyle groupStyle_ = gsFlat;
};

class TRzGroupBox : public TRzCustomGroupBox {
public:
  using TRzCustomGroupBox::TRzCustomGroupBox;
};

// The caption as it shows: each single '&' dropped, "&&" kept as one '&'; the
// last character is always kept.
String StripAccelChars(const String& caption);
