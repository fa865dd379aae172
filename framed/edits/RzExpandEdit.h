// TRzExpandEdit: a narrow framed edit that widens itself to ExpandedWidth while it
// is being edited (on the focus, or on a right click) and returns to its width when
// it loses the focus, so long text can be typed on a crowded form.
#pragma once

#include "framed/common/RzCommon_Types.h"
#include "framed/edits/RzPlainEdits.h"


class TRzExpandEdit : public TRzEdit {
public:
  explicit TRzExpandEdit(TComponent* owner);

  int ExpandedWidth() const { return expandedWidth_; }
  virtual void SetExpandedWidth(int value);
  TExpandOnType ExpandOn() const { return expandOn_; }
  virtual void SetExpandOn(TExpandOnType value);
  bool Expanded() const { return expanded_; }

protected:
  void Dispatch(TMessage& message) override;
  void WMSetFocus(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;

private:
  void Expand();
  void SelectAllOnExpand();
  void Collapse();

  int expandedWidth_ = 0;  // 0 or less: never expands
  bool expanded_ = false;
  int collapsedWidth_;  // the width at the last expansion
  TExpandOnType expandOn_ = etNone;
};
