#include "app/main/CropFrm.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/DVDConvertTask.h"
#include "app/Myshelllib.h"
#include "imaging/GR32.h"
#include "platform/published/FormsPublished.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinSpinEdit.h"

namespace {

constexpr int kBorderTolerance = 20;

class BorderTest {
public:
  explicit BorderTest(TColor32 reference) : reference_(reference) {}
  bool IsBorder(TColor32 pixel) const {
    return Near(pixel, 16) && Near(pixel, 8) && Near(pixel, 0);
  }

private:
  bool Near(TColor32 pixel, int shift) const {
    return std::abs(int((pixel >> shift) & 0xFF) - int((reference_ >> shift) & 0xFF)) <= kBorderTolerance;
  }
  TColor32 reference_;
};

// Sets an edit to a value with its change handler detached: nothing is redrawn.
void SetQuietly(TspSkinSpinEdit* edit, double value) {
  TNotifyEvent handler = edit->OnChange;
  edit->OnChange = TNotifyEvent();
  edit->SetValue(value);
  edit->OnChange = handler;
}

}  // namespace

// The edges are counted from each side, so a picture without a border gives 0
// everywhere and a band of ten pixels gives 10; a picture that is all border
// (a blank frame) gives no crop at all rather than the whole picture.
CropEdges FindPictureBorder(const TBitmap32& picture) {
  const int width = picture.Width(), height = picture.Height();
  CropEdges edges;
  if (width <= 0 || height <= 0) return edges;
  const BorderTest test(picture.GetPixel(0, 0));
  int top = -1, bottomRow = -1, leftColumn = width, rightColumn = -1;
  for (int y = 0; y < height; ++y) {
    const TColor32* row = picture.GetScanLine(y);
    int first = 0;
    while (first < width && test.IsBorder(row[first])) ++first;
    if (first == width) continue;
    int last = width - 1;
    while (test.IsBorder(row[last])) --last;
    if (top < 0) top = y;
    bottomRow = y;
    if (first < leftColumn) leftColumn = first;
    if (last > rightColumn) rightColumn = last;
  }
  if (top < 0) return edges;  // all border
  // A single line of picture keeps at least three lines and three columns.
  if (bottomRow <= top) bottomRow = top + 2;
  if (rightColumn <= leftColumn) rightColumn = leftColumn + 2;
  edges.Top = top;
  edges.Left = leftColumn;
  edges.Bottom = std::max(height - 1 - bottomRow, 0);
  edges.Right = std::max(width - 1 - rightColumn, 0);
  return edges;
}

TCropForm::TCropForm(TComponent* owner, DVDConvertTask* task) : TPreviewDialog(owner, task) {
  DeclareFormBindings(this)
      .Field("edtCropLeft", edtCropLeft)
      .Field("edtCropRight", edtCropRight)
      .Field("edtCropTop", edtCropTop)
      .Field("edtCropBottom", edtCropBottom)
      .Field("btnAutoCrop", btnAutoCrop)
      .Field("btnCropReset", btnCropReset)
      .Field("chkResumeDVDSize", chkResumeDVDSize)
      .Field("chkFixAspectRatio", chkFixAspectRatio)
      .Field("rbSourceMovie", rbSourceMovie)
      .Field("rbOutputMovie", rbOutputMovie)
      .Handler("btnAutoCropClick", this, &TCropForm::btnAutoCropClick)
      .Handler("btnCropResetClick", this, &TCropForm::btnCropResetClick)
      .Handler("edtCropLeftChange", this, &TCropForm::edtCropLeftChange)
      .Handler("btnOkClick", this, &TCropForm::btnOkClick);
}

void TCropForm::Loaded() {
  TPreviewDialog::Loaded();
  DVDConvertTask* task = Task();
  if (!task) return;
  edtCropLeft->SetValue(task->CropLeft);
  edtCropRight->SetValue(task->CropRight);
  edtCropTop->SetValue(task->CropTop);
  edtCropBottom->SetValue(task->CropBottom);
  chkResumeDVDSize->SetChecked(task->Unsqueeze);
  chkFixAspectRatio->SetChecked(task->KeepAspect);
}

bool TCropForm::UnsqueezedView() const { return chkResumeDVDSize->Checked(); }

bool TCropForm::KeepAspectView() const { return chkFixAspectRatio->Checked(); }

void TCropForm::PictureReady(TBitmap32* picture) {
  if (autoCropRequested_) {
    DetectAutoCrop(picture);
    return;
  }
  ShowPicture(picture);
}

void TCropForm::DetectAutoCrop(TBitmap32* picture) {
  MyCursor busy(MyCursor::kHourGlass);
  autoCropRequested_ = false;
  if (!picture) return;
  const CropEdges edges = FindPictureBorder(*picture);
  const double horizontal = HorizontalRatio() > 0 ? HorizontalRatio() : 1.0;
  const double vertical = VerticalRatio() > 0 ? VerticalRatio() : 1.0;
  SetQuietly(edtCropLeft, edges.Left / horizontal);
  SetQuietly(edtCropRight, edges.Right / horizontal);
  SetQuietly(edtCropTop, edges.Top / vertical);
  SetQuietly(edtCropBottom, edges.Bottom / vertical);
}

void TCropForm::btnAutoCropClick(TObject*) {
  autoCropRequested_ = true;
  // The first frame delivered is measured, the second shown.
  RequestPreviewRedraw();
  RequestPreviewRedraw();
}

void TCropForm::btnCropResetClick(TObject*) {
  for (TspSkinSpinEdit* edit : {edtCropLeft, edtCropRight, edtCropTop, edtCropBottom}) edit->SetValue(0);
}

void TCropForm::edtCropLeftChange(TObject*) { RequestPreviewRedraw(); }

void TCropForm::btnOkClick(TObject*) {
  DVDConvertTask* task = Task();
  if (!task) return;
  task->CropLeft = static_cast<std::int32_t>(std::trunc(edtCropLeft->Value()));
  task->CropRight = static_cast<std::int32_t>(std::trunc(edtCropRight->Value()));
  task->CropTop = static_cast<std::int32_t>(std::trunc(edtCropTop->Value()));
  task->CropBottom = static_cast<std::int32_t>(std::trunc(edtCropBottom->Value()));
  task->Unsqueeze = chkResumeDVDSize->Checked();
  task->KeepAspect = chkFixAspectRatio->Checked();
}
