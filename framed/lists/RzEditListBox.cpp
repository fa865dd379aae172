#include "framed/lists/RzEditListBox.h"

#include "platform/controls/Messages.h"

// ---- the editor ----

TRzPopupEdit::TRzPopupEdit(TComponent* owner) : TCustomEdit(owner) {
  SetParentCtl3D(false);
  SetCtl3D(false);
  SetTabStop(false);
  SetBorderStyle(bsSingle);
  SetVisible(false);
}

void TRzPopupEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.WindowClass.style = CS_SAVEBITS;
}

void TRzPopupEdit::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_RETURN || key == VK_ESCAPE) {
    const bool accept = key == VK_RETURN;
    key = 0;
    if (EditListBox) EditListBox->HideEditor(accept);
    return;
  }
  if (key == VK_TAB) {
    key = 0;
    return;
  }
  TCustomEdit::KeyDown(key, shift);
}

// The keys that close the editor leave no character behind (no beep).
void TRzPopupEdit::KeyPress(char& key) {
  if (key == '\r' || key == 27 || key == '\t') {
    key = 0;
    return;
  }
  TCustomEdit::KeyPress(key);
}

void TRzPopupEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_SHOWINGCHANGED: return;  // the list box shows and hides the window itself
    case CN_KEYDOWN:
      if (message.WParam == VK_ESCAPE) {
        if (EditListBox) EditListBox->HideEditor(false);
        message.Result = 1;
        return;
      }
      if (message.WParam == 'C') return;  // copying stays with the edit
      return TCustomEdit::Dispatch(message);
    case CM_CANCELMODE:
      if (reinterpret_cast<TControl*>(message.LParam) != this && EditListBox) EditListBox->HideEditor(true);
      return;
    case WM_KILLFOCUS:
      TCustomEdit::Dispatch(message);
      if (EditListBox) EditListBox->HideEditor(true);
      return;
    default: return TCustomEdit::Dispatch(message);
  }
}

// ---- the list box ----

TRzEditListBox::TRzEditListBox(TComponent* owner)
    : TRzListBox(owner), editor_(new TRzPopupEdit(this)), editTimer_(FramedClock().MakeTimer()) {
  editor_->EditListBox = this;
  editor_->SetParent(this);
  editTimer_->SetEnabled(false);
  editTimer_->SetInterval(400);
  editTimer_->OnTimer = TNotifyEvent(this, &TRzEditListBox::TimerExpired);
}

TRzEditListBox::~TRzEditListBox() {
  editTimer_.reset();
  editor_->EditListBox = nullptr;
}

bool TRzEditListBox::DoShowingEditor(int index) {
  bool allow = true;
  OnShowingEditor(this, index, allow);
  return allow;
}

void TRzEditListBox::ShowEditor() {
  if (Items()->Count() == 0 || !HandleAllocated()) return;
  editedIndex_ = static_cast<int>(::SendMessageA(Handle(), LB_GETCARETINDEX, 0, 0));
  ::SendMessageA(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(editedIndex_), 0);
  if (!MultiSelect()) SetItemIndex(-1);
  UnselectAll();
  editor_->SetText(Items()->Strings(editedIndex_));
  if (!DoShowingEditor(editedIndex_)) return;
  TRect r = ItemRect(editedIndex_);
  r.Left += 2;
  r.Right -= 2;
  SizeEditRect(editedIndex_, r);
  editor_->HandleNeeded();
  ::SetWindowPos(editor_->Handle(), HWND_TOP, r.Left, r.Top, r.Width(), r.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
  popupVisible_ = true;
  editor_->SetFocus();
}

void TRzEditListBox::HideEditor(bool accept) {
  if (!popupVisible_) return;
  popupVisible_ = false;  // first: hiding moves the focus, which closes the editor again
  if (accept) {
    const String text = editor_->Text();
    if (Sorted()) {
      Items()->Delete(editedIndex_);
      editedIndex_ = Items()->Add(text);
    } else {
      Items()->Put(editedIndex_, text);
    }
    ::SendMessageA(Handle(), LB_SETCARETINDEX, static_cast<WPARAM>(editedIndex_), 0);
  }
  DoHidingEditor();
  ::SetWindowPos(editor_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  if (CanFocus()) SetFocus();
  if (MultiSelect())
    SetSelected(editedIndex_, true);
  else
    SetItemIndex(editedIndex_);
  ItemChanged(editedIndex_);
}

void TRzEditListBox::TimerExpired(TObject*) {
  editTimer_->SetEnabled(false);
  if (AllowEdit && ItemIndex() == editorIndex_ && showEditorOnNextClick_ && ItemIndex() != -1) ShowEditor();
}

void TRzEditListBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
      TRzListBox::Dispatch(message);
      justGotFocus_ = true;
      return;
    case WM_LBUTTONDOWN:
      if (!justGotFocus_) showEditorOnNextClick_ = ItemIndex() == editorIndex_ ? !showEditorOnNextClick_ : true;
      justGotFocus_ = false;
      editorIndex_ = ItemIndex();
      return TRzListBox::Dispatch(message);
    case WM_LBUTTONDBLCLK:
      TRzListBox::Dispatch(message);
      showEditorOnNextClick_ = false;
      doubleClicked_ = true;
      return;
    default: return TRzListBox::Dispatch(message);
  }
}

void TRzEditListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TRzListBox::MouseUp(button, shift, x, y);
  if (doubleClicked_) {
    doubleClicked_ = false;
    return;
  }
  if (ItemAtPos(TPoint(x, y), true) >= 0) editTimer_->SetEnabled(true);
}

void TRzEditListBox::KeyDown(Word& key, TShiftState shift) {
  if (key == VK_ESCAPE) {
    if (popupVisible_) HideEditor(false);
    key = 0;
    return;
  }
  if (key == VK_DELETE && AllowDeleteByKbd) {
    DeleteSelectedItems();
    key = 0;
    return;
  }
  if (key == VK_F2 && AllowEdit) {
    showEditorOnNextClick_ = true;
    ShowEditor();
    key = 0;
    return;
  }
  TRzListBox::KeyDown(key, shift);
}
