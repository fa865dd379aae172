// The colour grids drawn inside a skinned panel: TspSkinColorGrid, the fixed
// table of 48 basic colours, and TspSkinCustomColorGrid, twelve user colours.
// Both lay their cells out the same way, centred in the panel's client area.
#pragma once

#include <array>

#include "skin/controls/SkinPanel.h"

// The 48 basic colours, row by row as a 12 x 4 grid shows them.
extern const std::array<TColor, 48> SP_BasicColors;

// The cells of a grid: equal cells with a 2-pixel gap, centred in the area.
struct TspColorGridLayout {
  TspColorGridLayout(const TRect& area, Integer cols, Integer rows);
  TRect Cell(Integer number) const;  // 1-based, row by row
  // The cell under the point (right and bottom edges excluded), 0 for none.
  Integer CellAt(const TPoint& p) const;
  Integer Cols, Rows, CellWidth, CellHeight, Left, Top;
};

class TspColorGridBase : public TspSkinPanel {
public:
  explicit TspColorGridBase(TComponent* owner);

  Integer ColCount() const { return colCount_; }
  void SetColCount(Integer value);  // values below 1 are ignored
  Integer RowCount() const { return rowCount_; }
  void SetRowCount(Integer value);  // values below 1 are ignored
  TColor ColorValue() const { return colorValue_; }
  TNotifyEvent OnChange;

  TspColorGridLayout Layout();
  void PaintGrid(TCanvas* canvas);
  void PaintTransparent(TCanvas* canvas) override { PaintGrid(canvas); }
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;

protected:
  // The cell's colour; false for a cell past the grid's colours (drawn empty).
  virtual bool CellColor(Integer number, TColor& color) const = 0;
  virtual bool Selected(Integer number, TColor color) const = 0;
  virtual void CellPressed(Integer number) = 0;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void DrawCursor(TCanvas* canvas, const TRect& r);

  TColor colorValue_ = 0;

private:
  Integer colCount_, rowCount_;
};

class TspSkinColorGrid : public TspColorGridBase {
public:
  explicit TspSkinColorGrid(TComponent* owner);
  // Stores the value; a colour of the table also repaints and fires OnChange.
  void SetColorValue(TColor value);
  static bool CheckColor(TColor value);

protected:
  bool CellColor(Integer number, TColor& color) const override;
  bool Selected(Integer, TColor color) const override { return color == colorValue_; }
  void CellPressed(Integer number) override;
};

class TspSkinCustomColorGrid : public TspColorGridBase {
public:
  explicit TspSkinCustomColorGrid(TComponent* owner);
  std::array<TColor, 12> UserColors;  // slot n is UserColors[n - 1]
  Integer UserColorCount = 0;
  Integer SelectedSlot = 0;  // 1-based, 0 none
  // Fills the next slot, starting again at slot 1 after the twelfth.
  void AddColor(TColor value);

protected:
  bool CellColor(Integer number, TColor& color) const override;
  bool Selected(Integer number, TColor) const override { return number == SelectedSlot; }
  void CellPressed(Integer number) override;
};
