// TspCustomEdit: the edit every skinned edit and the inner edits of the spin
// edit and combo box are made of. A native single-line edit (a multi-line window,
// so Enter and Esc arrive as characters) whose ReadOnly is enforced by message
// filters, so caret and selection keep working; Enter and Esc go to the form as
// dialog keys; a context menu of its own.
#pragma once

#include "platform/stdctrls/MaskEdit.h"
#include "skin/controls/EditMenuSeam.h"

class TspCustomEdit : public TCustomMaskEdit {
public:
  explicit TspCustomEdit(TComponent* owner);
  ~TspCustomEdit() override;

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool EditTransparent() const { return editTransparent_; }
  void SetEditTransparent(bool value);
  bool Down() const { return down_; }
  TNotifyEvent OnCancelMode;  // after CM_CANCELMODE, with the cancel request's sender

  // The context menu's commands (through the window, so the filters apply).
  void DoUndo() { SendToWindow(WM_UNDO); }
  void DoCut() { SendToWindow(WM_CUT); }
  void DoCopy() { SendToWindow(WM_COPY); }
  void DoPaste() { SendToWindow(WM_PASTE); }
  void DoDelete() { SendToWindow(WM_CLEAR); }
  void DoSelectAll() { SendToWindow(EM_SETSEL, 0, -1); }

  TPopupMenu* ContextMenu() const { return menu_; }  // owned, nullptr when none
  void Invalidate() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void Change() override;
  void CNCtlColor(TMessage& message) override;
  // The menu's captions: the skin's interface strings, else the built-in texts.
  String MenuCaption(const char* resourceName, const char* builtIn) const;

private:
  void CharMessage(TMessage& message);
  void ContextMenuMessage(TMessage& message);
  void BuildContextMenu();
  void FreeContextMenu();
  void RepaintWhenTransparent();

  bool readOnly_ = false;
  bool editTransparent_ = false;
  bool down_ = false;
  TPopupMenu* menu_ = nullptr;  // owned (also as a component of this edit)
};
