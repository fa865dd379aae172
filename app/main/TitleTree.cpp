#include "app/main/TitleTree.h"

#include <algorithm>

#include "platform/comctrls/ListItems.h"

TTitleRow* RowOf(const TListItem* item) { return item ? static_cast<TTitleRow*>(item->Data) : nullptr; }

TitleRowKind SourceRowKind(SourceKind kind) {
  switch (kind) {
    case skIFOFile: return rkIFOSource;
    case skVOBFiles: return rkVOBSource;
    default: return rkDVDSource;
  }
}

TitleTreeImage SourceRowImage(SourceKind kind) {
  switch (kind) {
    case skIFOFile: return tiIFOSource;
    case skVOBFiles: return tiVOBSource;
    default: return tiDVDSource;
  }
}

int ListedChapterCount(const DVDConvertTask& task) {
  return std::clamp(task.Title.ChapterCount, 0, kChapterFlagCount);
}

TRowHitAreas RowHitAreas(const TRect& row, int imageHeight) {
  const int top = row.Top + (row.Height() - imageHeight) / 2;
  return {Rect(row.Left + 2, top + 2, row.Left + 15, top + 15), Rect(row.Left + 20, top + 3, row.Left + 33, top + 15)};
}

TRowPictures RowPictures(const TTitleRow& row) {
  TRowPictures pictures;
  if (row.IsSource()) {
    pictures.Image = SourceRowImage(static_cast<SourceKind>(row.Kind));
    return pictures;
  }
  const bool available = row.Task && row.Task->Available;
  switch (row.Kind) {
    case rkTitle:
    case rkChapterTitle:
      if (available) {
        pictures.Glyph = row.Kind == rkTitle ? tiExpand : tiCollapse;
        pictures.CheckBox = row.Task->Checked ? tiChecked : tiUnchecked;
      }
      pictures.Image = available ? tiTitle : tiUnavailableTitle;
      // The split title's own image covers its check box: its chapters are checked instead.
      pictures.ImageSlot = row.Kind == rkTitle ? 2 : 1;
      break;
    default:
      pictures.CheckBox = row.Task && row.Task->ChapterFlags[row.Chapter] ? tiChecked : tiUnchecked;
      pictures.Image = tiChapter;
      pictures.ImageSlot = 2;
      break;
  }
  return pictures;
}
