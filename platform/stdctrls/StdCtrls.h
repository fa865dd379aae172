// The standard controls over the system's window classes: single- and multi-line
// edits ("EDIT"), push buttons ("BUTTON"), list boxes ("LISTBOX"), combo boxes
// ("COMBOBOX"), and the windowless label. Each keeps what it shows (text, items,
// selection) across a re-creation of its window, and reports the user's changes
// through the reflected notifications (CN_COMMAND, CN_DRAWITEM, CN_CTLCOLOR*).
#pragma once

#include <memory>

#include "platform/controls/Alignments.h"
#include "platform/controls/Forms.h"
#include "platform/controls/OwnerDraw.h"
#include "platform/core/Strings.h"

using TBorderStyle = TFormBorderStyle;  // bsNone or bsSingle for controls

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// ---------------------------------------------------------------------------
// Edits

class TCustomEdit : public TWinControl {
public:
  explicit TCustomEdit(TComponent* owner);
  ~TCustomEdit() override;

  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value);
  // 0: no limit beyond the system's.
  int MaxLength() const { return maxLength_; }
  virtual void SetMaxLength(int value);
  char PasswordChar() const { return passwordChar_; }
  void SetPasswordChar(char value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  bool Modified() const;
  void SetModified(bool value);
  void SetAutoSize(bool value) override;

  // The selection, in characters from the start of the text.
  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  String SelText() const;
  // Replaces the selection (undoable, as typing is).
  void SetSelText(const String& value);
  void SelectAll();
  void ClearSelection();

  bool CanUndo() const;
  void Undo();
  void ClearUndo();
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  void Clear() { SetText(String()); }

  TNotifyEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;
  void CMFontChanged(TMessage& message) override;
  void CMEnter(TMessage& message) override;
  // The text goes into the window in the edit's CharCase.
  void SetTextValue(const String& value) override;
  // Runs OnChange; called when the text changed (by the user or by code).
  virtual void Change();
  // The reflected WM_COMMAND; EN_CHANGE ends in Change.
  virtual void CNCommand(TMessage& message);
  // The reflected WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC: the colours the window
  // paints its text and background with. Descendants that paint their own
  // background answer a hollow brush and a transparent text mode here.
  virtual void CNCtlColor(TMessage& message);
  // The window's text after a change of CharCase.
  String CasedText(const String& text) const;
  // The window's send, answering 0 without a window.
  LRESULT SendToWindow(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

private:
  bool autoSelect_ = true;
  bool hideSelection_ = true;
  TBorderStyle borderStyle_ = bsSingle;
  TEditCharCase charCase_ = ecNormal;
  int maxLength_ = 0;
  char passwordChar_ = 0;
  bool readOnly_ = false;
  bool modified_ = false;  // kept while the window is away
  HBRUSH brush_ = nullptr;  // owned: the background of CNCtlColor
  TColor brushColor_ = clNone;
};

class TEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;
};

class TMemoLines;

// A multi-line edit; Lines are the text's lines split at line breaks.
class TCustomMemo : public TCustomEdit {
public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;

  TStrings* Lines() const;  // owned
  void SetLines(const TStrings* value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value);
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }
  // The caret's line and column (0-based).
  TPoint CaretPos() const;

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void KeyPress(char& key) override;

private:
  std::unique_ptr<TMemoLines> lines_;
  TAlignment alignment_ = taLeftJustify;
  TScrollStyle scrollBars_ = ssNone;
  bool wordWrap_ = true;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
};

class TMemo : public TCustomMemo {
public:
  using TCustomMemo::TCustomMemo;
};

// ---------------------------------------------------------------------------
// Push button

class TButton : public TWinControl {
public:
  explicit TButton(TComponent* owner);

  // Given to the parent form when clicked; a modal form then closes.
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  // Enter clicks the default button, Escape the cancel button.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }

  void Click() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void CMDialogKey(TMessage& message) override;
  void CMFocusChanged(TMessage& message) override;

private:
  void SetButtonStyle(bool isDefault);
  TModalResult modalResult_ = mrNone;
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;  // shown as the default button now
};

// ---------------------------------------------------------------------------
// List box and combo box

class TWindowItems;

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
class TCustomListBox;
using TDrawItemEvent = TEvent<TWinControl*, int, TRect, TOwnerDrawState>;

class TCustomListBox : public TWinControl {
public:
  explicit TCustomListBox(TComponent* owner);
  ~TCustomListBox() override;

  // The items with their objects; the object of an item is its data pointer.
  TStrings* Items() const;  // owned
  void SetItems(const TStrings* value);
  int Count() const;
  void Clear();

  // -1 for none. Setting it from code selects without any event; an index
  // outside the items changes nothing.
  int ItemIndex() const;
  void SetItemIndex(int value);
  int TopIndex() const;
  void SetTopIndex(int value);
  bool Selected(int index) const;
  void SetSelected(int index, bool value);
  int SelCount() const;
  void Loaded() override;
  // Kept for the descendants that search the items as the user types.
  bool AutoComplete = true;

  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle value);
  int ItemHeight() const;
  void SetItemHeight(int value);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool value);
  bool ExtendedSelect() const { return extendedSelect_; }
  void SetExtendedSelect(bool value);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  int Columns() const { return columns_; }
  void SetColumns(int value);
  bool IntegralHeight() const { return integralHeight_; }
  void SetIntegralHeight(bool value);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle value);

  // The item under a client point; with `existing` -1 when none is there,
  // otherwise the count when the point lies below the last item.
  int ItemAtPos(const TPoint& pos, bool existing) const;
  // The item's rectangle in client coordinates (empty when there is no item).
  TRect ItemRect(int index) const;

  // The canvas owner-drawn items are drawn on (bound while an item is drawn).
  TCanvas* Canvas() const { return canvas_.get(); }  // owned

  TDrawItemEvent OnDrawItem;

protected:
  friend class TWindowItems;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  void SetBounds(int left, int top, int width, int height) override;
  // Draws one item: OnDrawItem when assigned, else its text.
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
  virtual void CNCommand(TMessage& message);
  virtual void CNDrawItem(TMessage& message);
  void WMSize(TMessage& message) override;

private:
  void SetColumnWidth();
  bool WindowMultiSelect() const;
  std::unique_ptr<TWindowItems> items_;
  std::unique_ptr<TControlCanvas> canvas_;
  TListBoxStyle style_ = lbStandard;
  int itemHeight_ = 16;
  bool multiSelect_ = false;
  bool extendedSelect_ = true;
  bool sorted_ = false;
  int columns_ = 0;
  bool integralHeight_ = false;
  TBorderStyle borderStyle_ = bsSingle;
  // What the window held when it went away, given back to the next one.
  int savedIndex_ = -1;
  int savedTop_ = 0;
  std::vector<int> savedSelection_;
};

class TListBox : public TCustomListBox {
public:
  using TCustomListBox::TCustomListBox;
};

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TCustomComboBox : public TWinControl {
public:
  explicit TCustomComboBox(TComponent* owner);
  ~TCustomComboBox() override;

  TStrings* Items() const;  // owned
  void SetItems(const TStrings* value);
  void Clear();
  // -1 for none. Setting it from code shows the item and runs no handler; an
  // index outside the items changes nothing.
  int ItemIndex() const;
  void SetItemIndex(int value);
  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value);
  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  int ItemHeight() const;
  void SetItemHeight(int value);
  void SelectAll();
  void Loaded() override;
  // The canvas owner-drawn items are drawn on (bound while an item is drawn).
  TCanvas* Canvas() const { return canvas_.get(); }  // owned

  // Kept for the descendants that search the items as the user types.
  bool AutoComplete = true;
  bool AutoDropDown = false;

  TNotifyEvent OnChange;
  // The user chose an item; without a handler the choice runs OnChange.
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TDrawItemEvent OnDrawItem;

protected:
  friend class TWindowItems;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  void SetBounds(int left, int top, int width, int height) override;
  void SetTextValue(const String& value) override;
  virtual void Change();
  virtual void DropDown();
  virtual void CloseUp();
  virtual void Select();
  virtual void CNCommand(TMessage& message);
  virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);

private:
  void AdjustDropDown();
  std::unique_ptr<TWindowItems> items_;
  std::unique_ptr<TControlCanvas> canvas_;
  TComboBoxStyle style_ = csDropDown;
  int dropDownCount_ = 8;
  int maxLength_ = 0;
  bool sorted_ = false;
  int itemHeight_ = 16;
  int savedIndex_ = -1;
};

class TComboBox : public TCustomComboBox {
public:
  using TCustomComboBox::TCustomComboBox;
};

// ---------------------------------------------------------------------------
// Label

class TCustomLabel : public TGraphicControl {
public:
  explicit TCustomLabel(TComponent* owner);

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  bool Transparent() const { return !HasStyle(csOpaque); }
  void SetTransparent(bool value);
  // Gets the focus when the label's accelerator is pressed.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);
  void SetAutoSize(bool value) override;
  void Loaded() override;

protected:
  // Draws the text in `rect` with the DT_* flags; with DT_CALCRECT only measures
  // and sets `rect` to the text's extent. A disabled label draws embossed.
  virtual void DoDrawText(TRect& rect, UINT flags);
  virtual String GetLabelText() const { return Caption(); }
  void Paint() override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  // Sets the size the text needs (AutoSize), keeping the aligned edge in place.
  void AdjustBounds();
  UINT TextFlags() const;

private:
  TAlignment alignment_ = taLeftJustify;
  TTextLayout layout_ = tlTop;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  TWinControl* focusControl_ = nullptr;  // borrowed; cleared when it is freed
};

class TLabel : public TCustomLabel {
public:
  using TCustomLabel::TCustomLabel;
};
