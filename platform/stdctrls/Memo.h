// TCustomMemo and TMemo: a multi-line edit whose Lines are the text's lines.
#pragma once

#include <memory>

#include "platform/core/Strings.h"
#include "platform/stdctrls/Edit.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemoLines;

// A multi-line edit; Lines are the text's lines split at line breaks.
class TCustomMemo : public TCustomEdit {
public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  TStrings* Lines() const;  // owned
  void SetLines(const TStrings* value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value);
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }
  // The caret's line and column (0-based).
  TPoint CaretPos() const;

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void KeyPress(char& key) override;

private:
  std::unique_ptr<TMemoLines> lines_;
  TAlignment alignment_ = taLeftJustify;
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
public:
  using TCustomMemo::TCustomMemo;
};
