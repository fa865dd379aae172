// TRzCustomListBox and TRzListBox: the family's list box. It paints a frame in
// the family's styles (with hot tracking, a focus and a disabled colour),
// searches its items as the user types (the typed text is forgotten 1.5 s after
// the last key, on the family's clock), shows group headers among its items,
// shows the whole text of an item too wide for the box in a hint, keeps its
// horizontal scroll extent fitted to the widest item, and can move the focus on
// with Enter. The tabbed, check, edit, rank and font list boxes build on it.
#pragma once

#include <memory>

#include "framed/common/RzClock.h"
#include "framed/edits/RzEditFraming.h"
#include "platform/controls/HintWindow.h"
#include "platform/stdctrls/ListBox.h"

class TRzCustomListBox : public TRzEditFraming<TCustomListBox> {
  using Inherited = TRzEditFraming<TCustomListBox>;

public:
  explicit TRzCustomListBox(TComponent* owner);
  ~TRzCustomListBox() override;

  // The items as this class keeps them (a descendant may keep more per item).
  TStrings* Items() const { return GetItems(); }
  void SetItems(const TStrings* value) { GetItems()->Assign(value); }
  void Clear() { GetItems()->Clear(); }
  int Add(const String& s) { return GetItems()->Add(s); }
  int AddObject(const String& s, TObject* object) { return GetItems()->AddObject(s, object); }
  void Insert(int index, const String& s) { GetItems()->Insert(index, s); }
  void InsertObject(int index, const String& s, TObject* object) { GetItems()->InsertObject(index, s, object); }
  int IndexOf(const String& s) const { return GetItems()->IndexOf(s); }
  // Deletes an item; the current item stays current (the one before it when the
  // last went) and OnClick reports the change.
  void Delete(int index);
  String SelectedItem() const;
  bool FindItem(const String& s);
  // Only a multi-select list selects or unselects all its items.
  void SelectAll();
  void UnselectAll();
  void DeleteSelectedItems();
  void ClearSearchString() { searchString_.clear(); }
  const String& SearchString() const { return searchString_; }

  // Groups: an item whose text begins with GroupPrefix heads the items after it.
  int AddGroup(const String& s);
  bool ItemIsGroup(int index) const { return GetItemIsGroup(index); }
  int ItemIndexOfGroup(int groupIndex) const;
  // 0 for a group that does not exist.
  int ItemsInGroup(int groupIndex) const;
  int InsertItemIntoGroup(int groupIndex, int index, const String& s);
  int AddItemToGroup(int groupIndex, const String& s);
  String ItemCaption(int index) const;
  void ItemToGroup(int index);
  void GroupToItem(int index);
  virtual int ItemGroupIndex(int index) const;
  virtual bool ItemInsideGroup(int index) const { return ItemGroupIndex(index) != -1; }

  bool IncrementalSearch = true;
  bool BeepOnInvalidKey = true;
  bool TabOnEnter = false;
  bool ShowItemHints = true;
  Word HorzExtent() const { return horzExtent_; }
  virtual void SetHorzExtent(Word value);
  bool HorzScrollBar() const { return horzScrollBar_; }
  virtual void SetHorzScrollBar(bool value);
  int OwnerDrawIndent() const { return ownerDrawIndent_; }
  virtual void SetOwnerDrawIndent(int value);
  bool UseGradients() const { return useGradients_; }
  virtual void SetUseGradients(bool value);
  TColor GroupColor() const { return groupColor_; }
  virtual void SetGroupColor(TColor value);
  TFont* GroupFont() const { return groupFont_.get(); }  // owned
  virtual void SetGroupFont(const TFont* value);
  bool GroupFontChangedByUser() const { return groupFontChanged_; }
  const String& GroupPrefix() const { return groupPrefix_; }
  virtual void SetGroupPrefix(const String& value);
  bool ShowGroups() const { return showGroups_; }
  virtual void SetShowGroups(bool value);
  // Sets ItemHeight to the smallest height the font's text needs.
  virtual void UpdateItemHeight();
  void Loaded() override;

  TNotifyEvent OnMatch;
  TNotifyEvent OnDeleteItems;

protected:
  virtual TStrings* GetItems() const { return TCustomListBox::Items(); }
  bool ItemsUpdating() const { return GetItems()->UpdateCount() > 0; }
  virtual int OwnerDrawItemIndent() const { return ownerDrawIndent_; }
  virtual void GroupFontChanged() {}
  // The first item that begins with `s`, in any case; -1 when none does.
  virtual int FindClosest(const String& s);
  virtual void DrawListItem(int index, const TRect& rect, TOwnerDrawState state);
  virtual void DrawGroup(int index, const TRect& rect, TOwnerDrawState state);
  virtual void DefaultDrawItem(int index, const TRect& rect, TOwnerDrawState state);
  virtual bool GetItemIsGroup(int index) const;
  virtual void AdjustHorzExtent();
  virtual void Match() { OnMatch(this); }
  // A search that found nothing (beeps when BeepOnInvalidKey).
  virtual void InvalidKeyPressed();
  virtual void DoDeleteItems() { OnDeleteItems(this); }
  // The vertical offset that centres a line of `canvas`'s font in an item.
  int TextTopOffset(TCanvas* canvas) const;

  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void CNDrawItem(TMessage& message) override;
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void DefineProperties(TFiler* filer) override;
  void CMFontChanged(TMessage& message) override;
  void Resize() override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
  THintWindow* ItemHintWindow() const { return hintWindow_; }

private:
  void SearchChar(TMessage& message);
  void SearchBackspace(TMessage& message);
  void SearchStep(const String& text, TMessage& message);
  void SearchTimerExpired(TObject* sender);
  void ShowItemHint(int x, int y);
  void HideItemHint();
  void GroupFontChange(TObject* sender);
  void ScrollWheel(bool down);
  void ReplaceItemText(int index, const String& text);

  String searchString_;
  std::unique_ptr<TRzTimer> searchTimer_;  // owned
  bool keyPending_ = false;
  Word horzExtent_ = 0;
  bool horzScrollBar_ = false;
  int ownerDrawIndent_ = 0;
  THintWindow* hintWindow_ = nullptr;  // owned as a component, made on first use
  bool useGradients_ = true;
  TColor groupColor_ = clInactiveCaptionText;
  std::unique_ptr<TFont> groupFont_;  // owned
  bool groupFontChanged_ = false;
  bool settingGroupFont_ = false;
  String groupPrefix_ = "//";
  bool showGroups_ = false;
};

class TRzListBox : public TRzCustomListBox {
public:
  using TRzCustomListBox::TRzCustomListBox;
};
