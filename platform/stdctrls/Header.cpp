#include "platform/stdctrls/Header.h"

#include <algorithm>

namespace {
constexpr int kNewSectionWidth = 64;
}

THeader::THeader(TComponent* owner) : TCustomControl(owner), sections_(std::make_unique<TStringList>()) {
  sections_->OnChange = TNotifyEvent(this, &THeader::SectionsChanged);
  SetBounds(0, 0, 250, 25);
}

THeader::~THeader() { sections_->OnChange = TNotifyEvent(); }

void THeader::SetSections(const TStrings* value) { sections_->Assign(value); }

// The widths follow the strings: kept for the sections that remain, a new
// section takes the default width.
void THeader::SectionsChanged(TObject*) {
  widths_.resize(static_cast<size_t>(sections_->Count()), kNewSectionWidth);
  Invalidate();
}

int THeader::SectionWidth(int index) const {
  if (index < 0 || index >= static_cast<int>(widths_.size())) return 0;
  return widths_[static_cast<size_t>(index)];
}

void THeader::SetSectionWidth(int index, int width) {
  if (index < 0 || index >= static_cast<int>(widths_.size())) return;
  widths_[static_cast<size_t>(index)] = std::max(0, width);
  Invalidate();
}

void THeader::Paint() {
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(ClientRect());
  int left = 0;
  for (int i = 0; i < SectionCount(); ++i) {
    RECT r = {left, 0, left + SectionWidth(i), ClientHeight()};
    ::DrawEdge(canvas->Handle(), &r, EDGE_RAISED, BF_RECT);
    const String text = sections_->Strings(i);
    RECT inner = {r.left + 4, r.top, r.right - 4, r.bottom};
    ::SetBkMode(canvas->Handle(), TRANSPARENT);
    canvas->TextExtent(String());  // selects the font
    ::DrawTextA(canvas->Handle(), text.c_str(), static_cast<int>(text.size()), &inner,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    left = r.right;
  }
}
