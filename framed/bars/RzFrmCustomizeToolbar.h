// TRzFrmCustomizeToolbar: the modal window a tool bar's Customize shows. It lists
// the bar's controls in layout order with a check mark for their visibility,
// reorders them by two buttons or by dragging inside the list (which scrolls by
// itself near its edges) and offers the text-option presets. Every change
// reaches the tool bar at once; closing keeps what was done.
#pragma once

#include <memory>

#include "framed/common/RzClock.h"
#include "platform/controls/CustomForm.h"
#include "platform/controls/OwnerDraw.h"
#include "platform/stdctrls/CheckBoxState.h"

class TButton;
class TRzCheckList;
class TRzComboBox;
class TRzCustomizeCaptions;
class TRzLabel;
class TRzToolbar;
class TSpeedButton;
class TTimer;

class TRzFrmCustomizeToolbar : public TForm {
public:
  explicit TRzFrmCustomizeToolbar(TComponent* owner);
  ~TRzFrmCustomizeToolbar() override;

  // Set by the tool bar before anything else runs.
  void SetToolbar(TRzToolbar* toolbar, TComponent* toolbarOwner);
  // Places the window beside the tool bar, within the desktop.
  void Reposition();
  // Fills the window from the tool bar.
  void UpdateControls(TRzCustomizeCaptions* captions, bool showTextOptions);
  void EnableMoveButtons(int index);

  // Published fields (from the definition).
  TButton* BtnClose = nullptr;
  TRzCheckList* LstControls = nullptr;
  TTimer* Timer1 = nullptr;
  TSpeedButton* BtnSpacer = nullptr;
  TSpeedButton* BtnGrooveSpacer = nullptr;
  TRzLabel* LblHint = nullptr;
  TRzLabel* LblTextOptions = nullptr;
  TRzComboBox* CbxTextOptions = nullptr;
  TButton* BtnMoveUp = nullptr;
  TButton* BtnMoveDown = nullptr;

  // The auto-scroll timer on the family's clock, following Timer1's interval.
  TRzTimer* ScrollTimer() const { return scrollTimer_.get(); }
  bool ScrollingUp() const { return scrollUp_; }

  void BtnMoveUpClick(TObject* sender) { MoveSelected(-1); }
  void BtnMoveDownClick(TObject* sender) { MoveSelected(+1); }
  void LstControlsClick(TObject* sender);
  void LstControlsChange(TObject* sender, int index, TCheckBoxState newState);
  void CbxTextOptionsClick(TObject* sender);
  void LstControlsMouseDown(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  void LstControlsDragOver(TObject* sender, TObject* source, int x, int y, TDragState state, bool& accept);
  void LstControlsDragDrop(TObject* sender, TObject* source, int x, int y);
  void LstControlsEndDrag(TObject* sender, TObject* target, int x, int y);
  void ListBoxDrawItem(TWinControl* control, int index, TRect rect, TOwnerDrawState state);
  void Timer1Timer(TObject* sender);

protected:
  void DefineProperties(TFiler* filer) override;

private:
  void MoveSelected(int step);
  void MoveItem(int from, int to);
  void DrawGlyphImage(TSpeedButton* button, const TRect& rect, TColor transparent);

  TRzToolbar* toolbar_ = nullptr;        // borrowed: the bar being customised
  TComponent* toolbarOwner_ = nullptr;   // borrowed
  int dragSourceIndex_ = -1;
  int dropIndex_ = -1;
  bool scrollUp_ = false;
  std::unique_ptr<TRzTimer> scrollTimer_;
};
