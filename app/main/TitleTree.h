// The rows of the main window's title tree: a flat list view that looks like a tree,
// with a row per source, a row per task under it and, under a title split by
// chapters, a row per chapter; and where a row draws its glyphs and takes its clicks.
#pragma once

#include <cstdint>
#include <vector>

#include "app/DVDConvertTask.h"
#include "platform/core/Geometry.h"

class TListItem;

enum TitleRowKind : std::uint8_t {
  rkDVDSource = 0,
  rkIFOSource = 1,
  rkVOBSource = 2,
  rkTitle = 3,
  rkChapterTitle = 4,  // a title split by chapters, its chapters listed under it
  rkChapter = 5,
};

// The small images of the tree's image list.
enum TitleTreeImage {
  tiTitle = 0,
  tiChapter = 1,
  tiDVDSource = 2,
  tiIFOSource = 3,
  tiUnavailableTitle = 5,
  tiUnchecked = 6,
  tiChecked = 7,
  tiCollapse = 8,
  tiExpand = 9,
  tiVOBSource = 10,
};

// One row of the tree; each list item's Data points to its row, which the tree owns.
struct TTitleRow {
  TitleRowKind Kind = rkTitle;
  DVDConvertTask* Task = nullptr;     // borrowed from the task list; none for source rows
  std::vector<TTitleRow*> Children;   // rows under a source or a kind-4 row, borrowed
  std::int32_t Chapter = 0;           // 0-based chapter of a chapter row
  TListItem* Item = nullptr;          // the list item that shows the row, borrowed

  bool IsSource() const { return Kind <= rkVOBSource; }
  bool IsTitle() const { return Kind == rkTitle || Kind == rkChapterTitle; }
  // A title or chapter row whose task may be previewed, checked and converted.
  bool IsAvailableTask() const { return Task && !IsSource() && Task->Available; }
};

// The row an item of the tree shows (nullptr for none).
TTitleRow* RowOf(const TListItem* item);

// The source row's kind and image for a source kind.
TitleRowKind SourceRowKind(SourceKind kind);
TitleTreeImage SourceRowImage(SourceKind kind);

// The chapters a title lists: its chapter count, never past the task's chapter flags.
int ListedChapterCount(const DVDConvertTask& task);

// Where a row, drawn in `row`, takes its clicks (right and bottom edges excluded):
// the expand or collapse glyph, and the check box.
struct TRowHitAreas {
  TRect Glyph;
  TRect CheckBox;
};
TRowHitAreas RowHitAreas(const TRect& row, int imageHeight);

// Where a row draws: the small images in 16-pixel slots from the left, and the
// slot after which its caption begins.
constexpr int kSlotWidth = 16;
struct TRowPictures {
  int Glyph = -1;     // image in slot 0, -1 none
  int CheckBox = -1;  // image in slot 1, -1 none
  int Image = -1;     // the row's own image, the last slot used
  int ImageSlot = 0;
  int CaptionLeft() const { return kSlotWidth * (ImageSlot + 1) + 4; }  // from the row's left
};
TRowPictures RowPictures(const TTitleRow& row);
