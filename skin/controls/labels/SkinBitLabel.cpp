#include "skin/controls/labels/SkinBitLabel.h"

TspSkinBitLabel::TspSkinBitLabel(TComponent* owner) : TspSkinCustomControl(owner) {
  SetBounds(Left(), Top(), 100, 20);
  SkinDataName = "bitlabel";
}

void TspSkinBitLabel::SetAutoSizeX(bool value) {
  autoSize_ = value;
  AdjustBounds();
  Repaint();
}

void TspSkinBitLabel::SetFixLength(Integer value) {
  fixLength_ = value;
  if (value <= 0) return;
  autoSize_ = false;
  GetSkinData();
  if (SkinRecordIndex != -1) SetWidth(GetFixWidth());
}

void TspSkinBitLabel::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  Symbols = nullptr;
  if (SkinRecordIndex == -1) return;
  auto* record = dynamic_cast<TspDataSkinBitLabelControl*>(SkinData()->CtrlList[SkinRecordIndex].get());
  if (!record) return;
  SkinTextRect = record->skintextrect;
  SymbolWidth = record->symbolwidth;
  SymbolHeight = record->symbolheight;
  Symbols = &record->symbols;
}

Integer TspSkinBitLabel::GetFixWidth() const {
  return clientrect.Left + skinrect.Width() + SymbolWidth * fixLength_ - clientrect.Right;
}

Integer TspSkinBitLabel::ExtraWidth() const {
  if (SkinRecordIndex == -1) return 0;
  return static_cast<Integer>(Caption().size()) * SymbolWidth - RealClientRect.Width();
}

void TspSkinBitLabel::AdjustBounds() {
  if (Align() != alNone) return;
  GetSkinData();
  Integer a = ExtraWidth();
  if (a != 0) SetWidth(Width() + a);
}

void TspSkinBitLabel::CalcSize(Integer& width, Integer& height) {
  TspSkinCustomControl::CalcSize(width, height);
  if (SkinRecordIndex == -1) return;
  if (fixLength_ >= 1) {
    width = GetFixWidth();
  } else {
    Integer a = static_cast<Integer>(Caption().size()) * SymbolWidth - RealClientRect.Width();
    if (a > 0 || autoSize_) width += a;
  }
  TspSkinCustomControl::CalcSize(width, height);  // the client part for the final width
}

void TspSkinBitLabel::CMTextChanged(TMessage& message) {
  TspSkinCustomControl::CMTextChanged(message);
  if (autoSize_) AdjustBounds();
  Repaint();
}

void TspSkinBitLabel::CreateControlDefaultImage(TBitmap* b) {
  TspSkinCustomControl::CreateControlDefaultImage(b);
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsClear);
  Integer y = Height() / 2 - c->TextHeight(Caption()) / 2;
  c->TextRect(TRect{1, 1, Width() - 1, Height() - 1}, 2, y, Caption());
}

// Each character's cell, found in the first Symbols line that holds it; the
// last cell is cut at the client part's right edge.
void TspSkinBitLabel::CreateControlSkinImage(TBitmap* b) {
  TspSkinCustomControl::CreateControlSkinImage(b);
  if (!SkinPicture || !Symbols || SymbolWidth <= 0 || SymbolHeight <= 0) return;
  Integer w = Width(), h = Height();
  TspSkinCustomControl::CalcSize(w, h);  // the client part of the size drawn, not of a wanted one
  const String caption = Caption();
  const Integer right = std::min<Integer>(RealClientRect.Right, b->Width());
  for (size_t i = 0; i < caption.size(); ++i) {
    Integer x = clientrect.Left + static_cast<Integer>(i) * SymbolWidth;
    if (x >= right) break;
    for (int row = 0; row < Symbols->Count(); ++row) {
      size_t column = Symbols->Strings(row).find(caption[i]);
      if (column == String::npos) continue;
      Integer w = std::min(SymbolWidth, right - x);
      TRect cell{SkinTextRect.Left + static_cast<Integer>(column) * SymbolWidth, SkinTextRect.Top + row * SymbolHeight,
                 SkinTextRect.Left + static_cast<Integer>(column) * SymbolWidth + w,
                 SkinTextRect.Top + (row + 1) * SymbolHeight};
      b->Canvas()->CopyRect(TRect{x, RealClientRect.Top, x + w, RealClientRect.Top + SymbolHeight},
                            SkinPicture->Canvas(), cell);
      break;
    }
    if (x + SymbolWidth > right) break;
  }
}
