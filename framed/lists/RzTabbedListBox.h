// TRzCustomTabbedListBox and TRzTabbedListBox: the family's list box with
// columns. An item's cells are separated by tab characters; the tab stops line
// them up, set by hand or computed from the widest cell of every column, or taken
// from a header above the list. Single cells can be read and written.
#pragma once

#include <vector>

#include "framed/lists/RzIntegerList.h"
#include "framed/lists/RzListBox.h"

class TRzCustomTabbedListBox;

// A wrong control given as a header.
VARNEL_EXCEPTION(EHeaderError, Exception);

// The tab stops, in character widths from the left of the item area; a negative
// value -p is a right-aligned stop at p. Every change refreshes the list box,
// once for a whole Assign or stream read.
class TRzTabStopList : public TRzIntegerList {
public:
  explicit TRzTabStopList(TRzCustomTabbedListBox* listBox = nullptr);

  void SetItem(int index, Integer value) override;
  int Add(Integer value) override;
  void Delete(int index) override;
  void Insert(int index, Integer value) override;
  void Assign(const TPersistent* source) override;

protected:
  void DefineProperties(TFiler* filer) override;

private:
  void Changed();

  TRzCustomTabbedListBox* listBox_;  // borrowed: the list box that owns this list
  int batch_ = 0;
};

enum TRzTabStopsMode { tsmManual, tsmAutomatic };

class TRzCustomTabbedListBox : public TRzCustomListBox {
public:
  explicit TRzCustomTabbedListBox(TComponent* owner);
  ~TRzCustomTabbedListBox() override;

  static constexpr int kMaxTabStops = 1000;

  TRzTabStopList* TabStops() const { return tabStops_.get(); }  // owned
  virtual void SetTabStops(const TRzTabStopList* value);
  TRzTabStopsMode TabStopsMode() const { return tabStopsMode_; }
  virtual void SetTabStopsMode(TRzTabStopsMode value);
  int CharWidth() const { return charWidth_; }

  // The stops in the list box's dialog units (four per character width), at most 1000.
  virtual std::vector<int> GetTabArray() const;
  // Sends the stops to the window and repaints.
  virtual void UpdateTabStops();
  // Computes the stops from the widest cell of each column (automatic mode).
  virtual void AdjustTabStops();
  // Takes the column positions from a THeader or THeaderControl (EHeaderError otherwise).
  virtual void UpdateFromHeader(TControl* header);
  // EListError "Row parameter out of range" / "Column parameter out of range".
  virtual String GetCellText(int col, int row) const;
  virtual void SetCellText(int col, int row, const String& value);
  void Loaded() override;

protected:
  virtual int InitialTabStopOffset() const { return 0; }
  // The stops in pixels, as drawing and measuring use them.
  std::vector<int> PixelTabStops() const;
  void DrawTabbedText(TCanvas* canvas, const TRect& rect, const String& text) const;

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  void GroupFontChanged() override;
  void DrawGroup(int index, const TRect& rect, TOwnerDrawState state) override;
  void AdjustHorzExtent() override;
  void DefaultDrawItem(int index, const TRect& rect, TOwnerDrawState state) override;

private:
  void CheckCell(int col, int row, size_t& start, size_t& length) const;
  bool AutomaticAllowed() const;

  std::unique_ptr<TRzTabStopList> tabStops_;  // owned
  TRzTabStopsMode tabStopsMode_ = tsmManual;
  int charWidth_ = 6;
};

class TRzTabbedListBox : public TRzCustomTabbedListBox {
public:
  using TRzCustomTabbedListBox::TRzCustomTabbedListBox;
};
