// TRzEditListBox: the framed list box whose items are edited in place. A slow
// second click on the current item (400 ms after the release, on the family's
// clock), or F2, lays a borderless edit over the item; Enter or leaving the
// edit writes the text back, Escape leaves the item as it was. TRzPopupEdit is
// that edit; the list box alone shows and hides it.
#pragma once

#include <memory>

#include "framed/common/RzClock.h"
#include "framed/lists/RzListBox.h"
#include "platform/stdctrls/Edit.h"

class TRzEditListBox;

class TRzPopupEdit : public TCustomEdit {
public:
  explicit TRzPopupEdit(TComponent* owner);
  TRzEditListBox* EditListBox = nullptr;  // borrowed: the list box it serves

protected:
  void CreateParams(TCreateParams& params) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void Dispatch(TMessage& message) override;
};

using TRzSizeEditRectEvent = TEvent<TObject*, int, TRect&>;
using TRzShowingEditorEvent = TEvent<TObject*, int, bool&>;
using TRzItemChangedEvent = TEvent<TObject*, int>;

class TRzEditListBox : public TRzListBox {
public:
  explicit TRzEditListBox(TComponent* owner);
  ~TRzEditListBox() override;

  virtual void ShowEditor();
  virtual void HideEditor(bool accept);
  bool PopupVisible() const { return popupVisible_; }
  TRzPopupEdit* Editor() const { return editor_; }  // owned as a child component

  bool AllowEdit = true;
  bool AllowDeleteByKbd = false;
  TRzSizeEditRectEvent OnSizeEditRect;
  TRzShowingEditorEvent OnShowingEditor;
  TNotifyEvent OnHidingEditor;
  TRzItemChangedEvent OnItemChanged;

protected:
  virtual void TimerExpired(TObject* sender);
  virtual void SizeEditRect(int index, TRect& rect) { OnSizeEditRect(this, index, rect); }
  virtual bool DoShowingEditor(int index);
  virtual void DoHidingEditor() { OnHidingEditor(this); }
  virtual void ItemChanged(int index) { OnItemChanged(this, index); }
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void Dispatch(TMessage& message) override;

private:
  bool justGotFocus_ = false;
  TRzPopupEdit* editor_;  // owned as a child component
  bool popupVisible_ = false;
  int editedIndex_ = -1;
  int editorIndex_ = -1;
  bool doubleClicked_ = false;
  std::unique_ptr<TRzTimer> editTimer_;  // owned
  bool showEditorOnNextClick_ = false;
};
