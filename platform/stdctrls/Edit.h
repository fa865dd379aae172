// TCustomEdit and TEdit: a single-line edit over the system's "EDIT" class. It keeps
// its text, selection and limits across a re-creation of its window and reports the
// user's changes through the reflected notifications (CN_COMMAND, CN_CTLCOLOR*).
#pragma once

#include <memory>

#include "platform/controls/Alignments.h"
#include "platform/controls/BorderStyle.h"
#include "platform/controls/WinControl.h"

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

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
  // Kept and streamed: the system's OEM conversion of typed text is not used.
  bool OEMConvert = false;
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
  void CMCtl3DChanged(TMessage& message) override;
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
