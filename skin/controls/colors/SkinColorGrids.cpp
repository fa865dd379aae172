#include "skin/controls/colors/SkinColorGrids.h"

#include "skin/controls/SkinButtonRecord.h"
#include "skin/controls/colors/ColorStrings.h"
#include "skin/draw/SPUtils.h"

const std::array<TColor, 48> SP_BasicColors = {
    0x000000, 0x000040, 0x000080, 0x404080, 0x0000FF, 0x8080FF, 0x008080, 0x004080, 0x0080FF, 0x4080FF,
    0x00FFFF, 0x80FFFF, 0x408080, 0x004000, 0x008000, 0x00FF00, 0x00FF80, 0x80FF80, 0x808080, 0x404000,
    0x408000, 0x808000, 0x40FF00, 0x80FF00, 0x808040, 0x800000, 0xFF0000, 0x804000, 0xFFFF00, 0xFFFF80,
    0xC0C0C0, 0x400000, 0xA00000, 0xFF8080, 0xC08000, 0xFF8000, 0x400040, 0x4F4280, 0x800080, 0x400080,
    0xC08080, 0xC080FF, 0xFFFFFF, 0x800040, 0xFF0080, 0x8000FF, 0xFF00FF, 0xFF80FF};

// ---- layout ----

TspColorGridLayout::TspColorGridLayout(const TRect& area, Integer cols, Integer rows) : Cols(cols), Rows(rows) {
  CellWidth = (area.Width() - 2 * cols) / cols;
  CellHeight = (area.Height() - 2 * rows) / rows;
  Left = area.Left + area.Width() / 2 - (CellWidth + 2) * cols / 2;
  Top = area.Top + area.Height() / 2 - (CellHeight + 2) * rows / 2;
}

TRect TspColorGridLayout::Cell(Integer number) const {
  Integer r = (number - 1) / Cols, c = (number - 1) % Cols;
  Integer x = Left + 1 + c * (CellWidth + 2), y = Top + 1 + r * (CellHeight + 2);
  return {x, y, x + CellWidth, y + CellHeight};
}

Integer TspColorGridLayout::CellAt(const TPoint& p) const {
  for (Integer n = 1; n <= Cols * Rows; ++n) {
    TRect r = Cell(n);
    if (p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom) return n;
  }
  return 0;
}

// ---- the shared grid ----

TspColorGridBase::TspColorGridBase(TComponent* owner) : TspSkinPanel(owner), colCount_(12), rowCount_(4) {
  ControlStyle &= ~csAcceptsControls;
  PaintByBorders = false;
  SetCaptionMode(true);
  SetBorderStyle(TspSkinBorderStyle::bvFrame);
  SetBounds(0, 0, 280, 115);
}

void TspColorGridBase::SetColCount(Integer value) {
  if (value < 1) return;
  colCount_ = value;
  Repaint();
}

void TspColorGridBase::SetRowCount(Integer value) {
  if (value < 1) return;
  rowCount_ = value;
  Repaint();
}

TspColorGridLayout TspColorGridBase::Layout() {
  TRect area{0, 0, Width(), Height()};
  AdjustClientRect(area);
  return TspColorGridLayout(area, colCount_, rowCount_);
}

void TspColorGridBase::DrawCursor(TCanvas* canvas, const TRect& r) {
  if (SkinRecordIndex == -1 || !SkinData()) {
    canvas->Pen()->SetColor(TColor(0x800000));
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(TColor(0xB59385));
    canvas->Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    return;
  }
  TspButtonRecordLook look;
  if (!look.Find(SkinData(), "resizebutton") || r.Width() <= 0 || r.Height() <= 0) return;
  TBitmap image(r.Width(), r.Height());
  look.Compose(&image, true, true);
  canvas->Draw(r.Left, r.Top, &image);
}

// Cells past the grid's colours are drawn empty: no colour, no cursor.
void TspColorGridBase::PaintGrid(TCanvas* canvas) {
  TspColorGridLayout layout = Layout();
  if (layout.CellWidth <= 0 || layout.CellHeight <= 0) return;
  for (Integer n = 1; n <= colCount_ * rowCount_; ++n) {
    TColor color;
    if (!CellColor(n, color)) continue;
    TRect cell = layout.Cell(n);
    canvas->Brush()->SetStyle(bsSolid);
    if (Selected(n, color)) {
      DrawCursor(canvas, TRect{cell.Left - 1, cell.Top - 1, cell.Right + 1, cell.Bottom + 1});
      canvas->Brush()->SetColor(color);
      canvas->FillRect(TRect{cell.Left + 4, cell.Top + 4, cell.Right - 4, cell.Bottom - 4});
    } else {
      canvas->Brush()->SetColor(color);
      canvas->FillRect(TRect{cell.Left + 3, cell.Top + 3, cell.Right - 3, cell.Bottom - 3});
    }
  }
}

void TspColorGridBase::CreateControlDefaultImage(TBitmap* b) {
  TspSkinPanel::CreateControlDefaultImage(b);
  PaintGrid(b->Canvas());
}

void TspColorGridBase::CreateControlSkinImage(TBitmap* b) {
  TspSkinPanel::CreateControlSkinImage(b);
  PaintGrid(b->Canvas());
}

void TspColorGridBase::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinPanel::MouseDown(button, shift, x, y);
  Integer n = Layout().CellAt(TPoint{x, y});
  TColor color;
  if (n > 0 && CellColor(n, color)) CellPressed(n);
}

// ---- basic colours ----

TspSkinColorGrid::TspSkinColorGrid(TComponent* owner) : TspColorGridBase(owner) { SetCaption(SP_COLORGRID_CAP); }

bool TspSkinColorGrid::CheckColor(TColor value) {
  for (TColor c : SP_BasicColors)
    if (c == value) return true;
  return false;
}

void TspSkinColorGrid::SetColorValue(TColor value) {
  colorValue_ = value;
  if (!CheckColor(value)) return;
  OnChange(this);
  Repaint();
}

bool TspSkinColorGrid::CellColor(Integer number, TColor& color) const {
  if (number < 1 || number > static_cast<Integer>(SP_BasicColors.size())) return false;
  color = SP_BasicColors[static_cast<size_t>(number - 1)];
  return true;
}

void TspSkinColorGrid::CellPressed(Integer number) { SetColorValue(SP_BasicColors[static_cast<size_t>(number - 1)]); }

// ---- user colours ----

TspSkinCustomColorGrid::TspSkinCustomColorGrid(TComponent* owner) : TspColorGridBase(owner) {
  UserColors.fill(0xFFFFFF);
  SetColCount(6);
  SetRowCount(2);
  SetCaption(SP_CUSTOMCOLORGRID_CAP);
}

void TspSkinCustomColorGrid::AddColor(TColor value) {
  if (UserColorCount >= 12) UserColorCount = 0;
  ++UserColorCount;
  UserColors[static_cast<size_t>(UserColorCount - 1)] = value;
  Repaint();
}

bool TspSkinCustomColorGrid::CellColor(Integer number, TColor& color) const {
  if (number < 1 || number > 12) return false;
  color = UserColors[static_cast<size_t>(number - 1)];
  return true;
}

void TspSkinCustomColorGrid::CellPressed(Integer number) {
  colorValue_ = UserColors[static_cast<size_t>(number - 1)];
  SelectedSlot = number;
  Repaint();
  OnChange(this);
}
