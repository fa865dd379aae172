#include "skin/controls/ItemWidths.h"

#include <algorithm>
#include <cstring>

TspItemWidths::~TspItemWidths() {
  if (!dc_) return;
  ::SelectObject(dc_, oldFont_);
  ::DeleteDC(dc_);
}

bool TspItemWidths::KnownFor(const TFont* font) const {
  return known_ && font_ && font_->Name() == font->Name() && font_->Height() == font->Height() &&
         font_->Style() == font->Style() && font_->Charset() == font->Charset();
}

// The old font leaves the DC before the copy changes, so its handle is free to go.
void TspItemWidths::Assign(const TFont* font, std::vector<Integer> widths) {
  if (!dc_) {
    dc_ = ::CreateCompatibleDC(nullptr);
    oldFont_ = ::GetCurrentObject(dc_, OBJ_FONT);
  }
  ::SelectObject(dc_, oldFont_);
  if (!font_) font_ = std::make_unique<TFont>();
  font_->Assign(font);
  ::SelectObject(dc_, font_->Handle());
  widths_ = std::move(widths);
  known_ = true;
}

void TspItemWidths::Inserted(int index, const char* text) {
  if (!known_) return;
  if (index < 0 || index > static_cast<int>(widths_.size()) || !text) return Forget();
  SIZE size{};
  ::GetTextExtentPoint32A(dc_, text, static_cast<int>(std::strlen(text)), &size);
  widths_.insert(widths_.begin() + index, size.cx);
}

void TspItemWidths::Deleted(int index) {
  if (!known_) return;
  if (index < 0 || index >= static_cast<int>(widths_.size())) return Forget();
  widths_.erase(widths_.begin() + index);
}

Integer TspItemWidths::Widest() const {
  return widths_.empty() ? 0 : *std::max_element(widths_.begin(), widths_.end());
}
