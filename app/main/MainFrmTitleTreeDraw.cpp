// How the title tree draws its rows and its column headers.
#include <algorithm>

#include "app/main/MainFrm.h"
#include "app/main/TitleTree.h"
#include "platform/comctrls/ListItems.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "skin/controls/SkinCustomListView.h"

namespace {

constexpr TColor kSelectedColor = RGBColor(255, 204, 0);
constexpr TColor kUnavailableColor = RGBColor(217, 255, 217);
constexpr TColor kCurrentColor = RGBColor(61, 128, 223);
constexpr TColor kProgressColor = RGBColor(0, 128, 0);
constexpr TTextFormat kCellText = DT_END_ELLIPSIS | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;

TTextFormat CellFormat(const TListColumn* column) {
  return kCellText | (column->Alignment() == taCenter ? DT_CENTER : 0);
}

// Text from `left` to `right`, its top placed so that a capital stands in the row's middle.
void DrawCellText(TCanvas* canvas, const TRect& row, int left, int right, const String& text, TTextFormat format) {
  const int height = canvas->TextHeight("A");
  TRect cell = Rect(left, row.Top + (row.Height() - height) / 2, right, row.Top + (row.Height() - height) / 2 + height);
  canvas->TextRect(cell, text, format);
}

// The status cell of the task being converted: a bar over a white cell and the
// percentage, inverted where it lies over the bar so that it reads over both.
void DrawProgressCell(TCanvas* canvas, const TRect& cell, double percent, const TFont* font) {
  if (cell.IsEmpty()) return;
  if (percent < 0) percent = 0;
  TBitmap face(cell.Width(), cell.Height());
  TCanvas* faceCanvas = face.Canvas();
  faceCanvas->Pen()->SetColor(clBlack);
  faceCanvas->Brush()->SetColor(clWhite);
  faceCanvas->Rectangle(0, 0, cell.Width(), cell.Height());
  faceCanvas->Brush()->SetColor(kProgressColor);
  const int bar = static_cast<int>(std::min(cell.Width() * percent * 0.01, static_cast<double>(cell.Width())));
  faceCanvas->FillRect(Rect(1, 1, std::min(bar, cell.Width() - 1), cell.Height() - 1));  // within the frame

  TBitmap label(cell.Width(), cell.Height());
  TCanvas* labelCanvas = label.Canvas();
  labelCanvas->Brush()->SetColor(clBlack);
  labelCanvas->FillRect(Rect(0, 0, cell.Width(), cell.Height()));
  labelCanvas->SetFont(font);
  labelCanvas->Font()->SetColor(clWhite);
  labelCanvas->Brush()->SetStyle(bsClear);
  TRect all = Rect(0, 0, cell.Width(), cell.Height());
  labelCanvas->TextRect(all, std::to_string(static_cast<int>(percent)) + "%", DT_CENTER | DT_VCENTER | DT_SINGLELINE);

  faceCanvas->CopyMode = cmSrcInvert;
  faceCanvas->CopyRect(all, labelCanvas, all);
  canvas->CopyMode = cmSrcCopy;
  canvas->CopyRect(cell, faceCanvas, all);
}

}  // namespace

void TMainForm::lvTitlesDrawItem(TCustomListView* sender, TListItem* item, TRect rect, TOwnerDrawState state) {
  const TTitleRow* row = RowOf(item);
  if (!row) return;
  // Drawn where the row's clicks are taken and its columns' headers stand; some
  // list views hand an owner a row moved off the left edge by a margin.
  const TRect bounds = item->DisplayRect(drBounds);
  if (!bounds.IsEmpty()) {
    rect.Left = bounds.Left;
    rect.Right = bounds.Right;
  }
  TCanvas* canvas = sender->Canvas();
  const int width = sender->Width();
  const bool current = row->IsTitle() && row->Task == CurrentTask && row->Task->Available;

  TRect back = Rect(rect.Left + 1, rect.Top, width - 1, rect.Bottom);
  if ((state & (odSelected | odFocused)) && !current) canvas->Brush()->SetColor(kSelectedColor);
  else if (row->IsTitle() && !row->Task->Available) canvas->Brush()->SetColor(kUnavailableColor);
  else if (current) canvas->Brush()->SetColor(kCurrentColor);
  else canvas->Brush()->SetColor(sender->Color());
  canvas->FillRect(back);
  if (current) {
    canvas->Brush()->SetColor(clHighlight);
    canvas->FrameRect(back);
  }

  const TRowPictures pictures = RowPictures(*row);
  const int imageTop = rect.Top + (rect.Height() - ImageList->Height()) / 2 + 1;
  auto slot = [&](int index) { return rect.Left + 2 + kSlotWidth * index; };
  if (pictures.Glyph >= 0) ImageList->Draw(canvas, slot(0), imageTop, pictures.Glyph);
  if (pictures.CheckBox >= 0) ImageList->Draw(canvas, slot(1), imageTop, pictures.CheckBox);
  if (pictures.Image >= 0 && pictures.Image < ImageList->Count())
    ImageList->Draw(canvas, slot(pictures.ImageSlot), imageTop, pictures.Image);

  canvas->SetFont(sender->Font());
  canvas->Font()->SetColor(current ? clWhite : clBlack);
  if (row->IsSource()) canvas->Font()->SetStyle(fsBold);
  canvas->Brush()->SetStyle(bsClear);
  TListColumns* columns = sender->Columns();
  int columnLeft = rect.Left;
  int columnRight = rect.Left + (columns->Count() > 0 ? columns->Items(0)->Width() : rect.Width());
  const int nameRight = row->IsSource() ? width - 2 : columnRight;
  DrawCellText(canvas, rect, rect.Left + pictures.CaptionLeft(), nameRight, item->Caption(),
               columns->Count() > 0 ? CellFormat(columns->Items(0)) : kCellText);

  canvas->Font()->SetStyle(0);
  for (int c = 1; c < columns->Count(); ++c) {
    columnLeft = columnRight;
    columnRight = columnLeft + columns->Items(c)->Width();
    const TRect cell = Rect(columnLeft, rect.Top, std::min(columnRight, width - 2), rect.Bottom);
    if (c == 2 && current && row->Task->State == tsProcessing) {
      DrawProgressCell(canvas, cell, row->Task->Percent, sender->Font());
      continue;
    }
    if (c - 1 >= item->SubItems()->Count()) continue;
    DrawCellText(canvas, rect, columnLeft + 4, cell.Right, item->SubItems()->Get(c - 1), CellFormat(columns->Items(c)));
  }
}

// The header may paint while the definition is still being read, before the
// window's fields are bound: everything is reached through the column.
void TMainForm::lvTitlesDrawHeaderSection(TCanvas* canvas, TListColumn* column, bool, TRect rect) {
  TCustomListView* view = column->ListView();
  canvas->SetFont(view->Font());
  canvas->Font()->SetColor(clBlack);
  canvas->Brush()->SetStyle(bsClear);
  DrawCellText(canvas, rect, rect.Left + 4, rect.Right, column->Caption(), DT_END_ELLIPSIS | DT_VCENTER |
                                                                           DT_SINGLELINE | DT_NOPREFIX);
  // The rows are drawn by the columns' widths: once the last section shows new
  // widths, the rows are drawn again. Unchanged widths repaint nothing, so the
  // header and the rows never keep each other painting.
  TListColumns* columns = view->Columns();
  if (column->Index() != columns->Count() - 1) return;
  std::vector<int> widths;
  for (int c = 0; c < columns->Count(); ++c) widths.push_back(columns->Items(c)->Width());
  if (widths == drawnColumnWidths_) return;
  drawnColumnWidths_ = widths;
  view->Invalidate();
}
