// TRzCustomizeCaptions: the nine texts of the tool bar's customisation window,
// from the resource strings until one of them is set (then all are streamed).
#pragma once

#include "platform/core/Persistent.h"

class TRzCustomizeCaptions : public TPersistent {
public:
  static constexpr int kCount = 9;
  enum Index { Title = 1, Hint, Close, MoveUp, MoveDown, TextOptions, NoTextLabels, ShowTextLabels,
               SelectiveTextOnRight };

  TRzCustomizeCaptions();
  // The text of index 1..9; an empty text for another index.
  String GetCaption(int index) const;
  // Stores the text (an index outside 1..9 only marks the texts as set).
  void SetCaption(int index, const String& text);
  bool Stored() const { return stored_; }
  void Assign(const TPersistent* source) override;

private:
  bool stored_ = false;
  String captions_[kCount];
};
