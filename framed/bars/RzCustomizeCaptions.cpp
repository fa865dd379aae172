#include "framed/bars/RzCustomizeCaptions.h"

#include "framed/common/RzResourceIds.h"
#include "framed/startup/RzStrings.h"

TRzCustomizeCaptions::TRzCustomizeCaptions() {
  for (int i = 0; i < kCount; ++i) captions_[i] = LoadRzString(sRzCustomizeCaptionsFirst + i);
}

String TRzCustomizeCaptions::GetCaption(int index) const {
  return index >= 1 && index <= kCount ? captions_[index - 1] : String();
}

void TRzCustomizeCaptions::SetCaption(int index, const String& text) {
  if (index >= 1 && index <= kCount) captions_[index - 1] = text;
  stored_ = true;
}

void TRzCustomizeCaptions::Assign(const TPersistent* source) {
  auto* other = dynamic_cast<const TRzCustomizeCaptions*>(source);
  if (!other) return TPersistent::Assign(source);
  for (int i = 1; i <= kCount; ++i) SetCaption(i, other->GetCaption(i));
}
