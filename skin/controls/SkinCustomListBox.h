// TspSkinCustomListBox: the skinned list box: a frame from a "listbox" record
// (or the default look), an optional caption bar with glyph, text and three
// small buttons, and an inner owner-drawn list whose items it paints from the
// same record. Skinned scroll bars come and go with the list's native scroll
// state; the native ones never show.
#pragma once

#include "skin/controls/ItemWidths.h"
#include "skin/controls/ListBox.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/controls/SkinScrollBar.h"

using TspDrawSkinItemEvent = TEvent<TCanvas*, Integer, Integer, Integer, TRect, TOwnerDrawState>;

class TspSkinCustomListBox : public TspSkinCustomControl {
public:
  explicit TspSkinCustomListBox(TComponent* owner);
  ~TspSkinCustomListBox() override;

  TStrings* TabWidths() const { return tabWidths_.get(); }  // owned
  void SetTabWidths(const TStrings* value);
  bool UseSkinItemHeight = true;
  bool HorizontalExtent() const { return horizontalExtent_; }
  void SetHorizontalExtent(bool value);
  Integer Columns() const { return list_->Columns(); }
  void SetColumns(Integer value);
  Integer RowCount() const { return rowCount_; }
  void SetRowCount(Integer value);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer value);
  bool CaptionMode() const { return captionMode_; }
  void SetCaptionMode(bool value);
  Integer DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  void SetDefaultCaptionHeight(Integer value);
  TFont* DefaultCaptionFont() const { return defaultCaptionFont_.get(); }  // owned
  void SetDefaultCaptionFont(const TFont* value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  Integer DefaultItemHeight() const { return defaultItemHeight_; }
  void SetDefaultItemHeight(Integer value);
  TStrings* Items() const { return list_->Items(); }
  void SetItems(const TStrings* value);
  Integer ItemIndex() const { return list_->ItemIndex(); }
  void SetItemIndex(Integer value) { list_->SetItemIndex(value); }  // no event
  bool Sorted() const { return list_->Sorted(); }
  void SetSorted(bool value);
  bool MultiSelect() const { return list_->MultiSelect(); }
  void SetMultiSelect(bool value) { list_->SetMultiSelect(value); }
  Integer TopIndex() const { return list_->TopIndex(); }
  void SetTopIndex(Integer value) { list_->SetTopIndex(value); }
  Integer ItemAtPos(const TPoint& p, bool existing) const { return list_->ItemAtPos(p, existing); }
  TRect ItemRect(Integer index) const { return list_->ItemRect(index); }
  void Clear();
  Integer CalcHeight(Integer rows);
  void UpDateScrollBar();
  // The inner list's item height: the record's (at least 1) or DefaultItemHeight.
  Integer ItemHeightForSkin();

  TspListBox* ListBox() const { return list_; }           // owned (child component)
  TspSkinScrollBar* ScrollBar() const { return scrollBar_; }  // owned, nullptr when not shown
  TspSkinScrollBar* HScrollBar() const { return hScrollBar_; }
  TRect ListArea() const { return listArea_; }

  TNotifyEvent OnUpButtonClick, OnDownButtonClick, OnCheckButtonClick;
  TspDrawSkinItemEvent OnDrawItem;
  TNotifyEvent OnListBoxClick, OnListBoxDblClick;
  TMouseEvent OnListBoxMouseDown, OnListBoxMouseUp;
  TMouseMoveEvent OnListBoxMouseMove;
  TKeyEvent OnListBoxKeyDown, OnListBoxKeyUp;
  TKeyPressEvent OnListBoxKeyPress;

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void ChangeSkinData() override;
  void DefaultFontChange() override;
  void SetBounds(int left, int top, int width, int height) override;

  // Called by the inner list.
  virtual Integer GetFullItemWidth(Integer index, TCanvas* canvas);
  virtual void ListBoxMouseDown(TMouseButton b, TShiftState s, int x, int y) { OnListBoxMouseDown(this, b, s, x, y); }
  virtual void ListBoxMouseMove(TShiftState s, int x, int y) { OnListBoxMouseMove(this, s, x, y); }
  virtual void ListBoxMouseUp(TMouseButton b, TShiftState s, int x, int y) { OnListBoxMouseUp(this, b, s, x, y); }
  virtual void ListBoxClick() { OnListBoxClick(this); }
  virtual void ListBoxDblClick() { OnListBoxDblClick(this); }
  virtual void ListBoxKeyDown(Word& key, TShiftState s) { OnListBoxKeyDown(this, key, s); }
  virtual void ListBoxKeyUp(Word& key, TShiftState s) { OnListBoxKeyUp(this, key, s); }
  virtual void ListBoxKeyPress(char& key) { OnListBoxKeyPress(this, key); }
  virtual void ListBoxEnter() {}
  virtual void ListBoxExit() {}
  virtual bool ListBoxWProc(TMessage&) { return true; }
  virtual void ListBoxCreateWnd() {}
  // Descendants with items of their own kind (the check list) paint them.
  virtual void DrawListItem(int index, const TRect& rect, TOwnerDrawState state, TCanvas* target);
  // The check caption button's default action, without an OnCheckButtonClick.
  virtual void CheckButtonAction();
  void PaintListBackground(HDC dc, const TRect& area);
  // An item message the inner list has just handled, with its result.
  void ListItemsChanged(const TMessage& message);
  // The inner list's items came back in a new window.
  void ListItemsReloaded() { itemWidths_.Forget(); }
  void HScrollBy(Integer delta);

  void CalcRects();
  enum { UpCaptionButton = 0, DownCaptionButton = 1, CheckCaptionButton = 2 };
  TRect CaptionButtonRect(int index) const { return buttons_[index].R; }

protected:
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  struct Button {
    TRect R;
    bool MouseIn = false;
    bool Down = false;
  };
  void ShowScrollBar();
  void HideScrollBar();
  void ShowHScrollBar();
  void HideHScrollBar();
  void SBChange(TObject*);
  void HSBChange(TObject*);
  void ApplyItemHeight();
  void DrawCaption(TCanvas* canvas, const TRect& area, bool skinned);
  void DrawCaptionButton(TCanvas* canvas, int index);
  void TestActive(int x, int y);
  void ButtonUp(int index, bool released_over);
  void OnTimer();
  void DrawItemContent(TCanvas* c, int index, const TRect& textRect, Integer width, Integer height,
                       TOwnerDrawState state, bool skinned);
  void DrawTabbedString(const String& s, Integer offset, const TRect& r, TCanvas* canvas);
  Integer WidestItem(TCanvas* canvas);

  TspListBox* list_;
  TspSkinScrollBar* scrollBar_ = nullptr;
  TspSkinScrollBar* hScrollBar_ = nullptr;
  std::unique_ptr<TStringList> tabWidths_;
  std::unique_ptr<TFont> defaultCaptionFont_;
  TspItemWidths itemWidths_;  // of HorizontalExtent
  bool horizontalExtent_ = false;
  Integer rowCount_ = 0;
  TCustomImageList* images_ = nullptr;  // borrowed, freed-notified
  Integer imageIndex_ = -1;
  bool captionMode_ = false;
  Integer defaultCaptionHeight_ = 20;
  TAlignment alignment_ = taLeftJustify;
  Integer defaultItemHeight_ = 20;
  TRect listArea_, skinClientArea_;
  Button buttons_[3];
  int activeButton_ = -1, oldActiveButton_ = -1, pressedButton_ = -1;
  int timerMode_ = 0;
  bool waitMode_ = false, skinChanging_ = false;

  // Copies of the "listbox" record.
  TRect itemRect_, activeItemRect_, focusItemRect_, itemTextRect_, captionRect_;
  Integer itemLeftOffset_ = 0, itemRightOffset_ = 0;
  String fontName_ = "Arial", captionFontName_ = "Arial";
  TFontStyles fontStyle_ = 0, captionFontStyle_ = 0;
  Integer fontHeight_ = 14, captionFontHeight_ = 14;
  TColor fontColor_ = 0, activeFontColor_ = 0, focusFontColor_ = 0, captionFontColor_ = 0;
  TRect upButtonRect_, activeUpButtonRect_, downUpButtonRect_;
  TRect downButtonRect_, activeDownButtonRect_, downDownButtonRect_;
  TRect checkButtonRect_, activeCheckButtonRect_, downCheckButtonRect_;
  String hScrollBarName_ = "hscrollbar", vScrollBarName_ = "vscrollbar", bothHScrollBarName_ = "bothhscrollbar";
  bool showFocus_ = false;
};

class TspSkinListBox : public TspSkinCustomListBox {
public:
  using TspSkinCustomListBox::TspSkinCustomListBox;
};
