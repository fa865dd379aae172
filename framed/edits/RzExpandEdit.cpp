#include "framed/edits/RzExpandEdit.h"

TRzExpandEdit::TRzExpandEdit(TComponent* owner) : TRzEdit(owner), collapsedWidth_(Width()) {}

void TRzExpandEdit::SetExpandedWidth(int value) {
  if (expandedWidth_ == value) return;
  expandedWidth_ = value;
  Invalidate();
}

void TRzExpandEdit::SetExpandOn(TExpandOnType value) {
  if (expandOn_ == value) return;
  expandOn_ = value;
  Invalidate();
}

// The designed width is read again at each expansion, so a width changed while
// expanded is not what the next collapse restores.
void TRzExpandEdit::Expand() {
  BringToFront();
  expanded_ = true;
  collapsedWidth_ = Width();
  SetWidth(expandedWidth_);
}

void TRzExpandEdit::SelectAllOnExpand() {
  if (!AutoSelect()) return;
  SetSelLength(0);
  SelectAll();
}

void TRzExpandEdit::Collapse() {
  SetWidth(collapsedWidth_);
  expanded_ = false;
}

void TRzExpandEdit::WMSetFocus(TMessage& message) {
  if (expandOn_ == etFocus && !expanded_ && expandedWidth_ > 0) {
    Expand();
    SelectAllOnExpand();
  }
  TRzEdit::WMSetFocus(message);
}

void TRzExpandEdit::WMKillFocus(TMessage& message) {
  if (expandOn_ != etNone && expandedWidth_ > 0 && expanded_) SetWidth(collapsedWidth_);
  expanded_ = false;
  TRzEdit::WMKillFocus(message);
}

void TRzExpandEdit::Dispatch(TMessage& message) {
  if (message.Msg != WM_RBUTTONUP || expandOn_ != etMouseButton2Click || expandedWidth_ <= 0)
    return TRzEdit::Dispatch(message);
  if (expanded_) {
    Collapse();
    return;
  }
  Expand();
  if (CanFocus()) SetFocus();
  SelectAllOnExpand();
}
