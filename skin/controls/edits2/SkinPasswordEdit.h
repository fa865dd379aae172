// TspSkinPasswordEdit: a password field that is no native edit. It keeps its
// own text, caret and selection, draws every character as a mark in a cell of
// its own (never the character), uses the system caret while focused, and
// offers paste but no copy, cut or context menu.
#pragma once

#include "platform/stdctrls/Edit.h"
#include "skin/controls/SkinCtrls.h"

enum TspPasswordKind { pkRoundRect, pkRect, pkTriangle };

class TspSkinPasswordEdit : public TspSkinCustomControl {
public:
  explicit TspSkinPasswordEdit(TComponent* owner);

  String Text() const { return text_; }
  void SetText(const String& value);
  TspPasswordKind PasswordKind() const { return passwordKind_; }
  void SetPasswordKind(TspPasswordKind value);
  TAlignment TextAlignment() const { return textAlignment_; }
  void SetTextAlignment(TAlignment value);
  TColor DefaultColor() const { return defaultColor_; }
  void SetDefaultColor(TColor value);
  bool AutoSelect = true;
  TEditCharCase CharCase() const { return charCase_; }
  void SetCharCase(TEditCharCase value);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool value);
  Integer MaxLength = 0;
  bool ReadOnly = false;
  TCursor Cursor() const { return TControl::Cursor(); }
  void SetCursor(TCursor value);
  TNotifyEvent OnChange;

  Integer CaretPosition() const { return caretPosition_; }
  void SetCaretPosition(Integer value);
  Integer SelStart() const;
  void SetSelStart(Integer value);
  Integer SelLength() const { return selLength_ < 0 ? -selLength_ : selLength_; }
  void SetSelLength(Integer value);
  String SelText() const;
  Integer FirstVisibleChar() const { return firstVisibleChar_; }
  void SelectAll();
  void ClearSelection();
  void InsertText(const String& s);
  void InsertChar(char c) { InsertText(String(1, c)); }
  void PasteFromClipboard();
  void InsertAfter(Integer position, const String& s, bool select);
  void DeleteFrom(Integer position, Integer count, bool select);
  void Clear() { SetText(String()); }

  // Geometry: the edit rectangle, the cell width, a character's left edge and
  // the position under a client x.
  virtual TRect GetEditRect();
  virtual Integer GetPasswordCharWidth();
  virtual TRect GetSelRect();
  Integer GetCharX(Integer index);
  Integer GetCoordinatePosition(Integer x);
  Integer GetPrivWordBeging(Integer position) const;
  Integer GetNextWordBeging(Integer position) const;

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void CalcSize(Integer& width, Integer& height) override;
  void Loaded() override;

protected:
  virtual void DrawPasswordChar(TCanvas* canvas, const TRect& cell, bool selected);
  virtual bool ValidText(const String&) { return true; }
  virtual void ShowCaret();
  virtual void HideCaret();
  void Change();
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;
  void Dispatch(TMessage& message) override;

private:
  void UpdateFirstVisibleChar();
  void UpdateCarete();
  void PlaceCaret();
  void SelectWord();
  void PaintFace(TBitmap* b);
  void PaintText(TCanvas* canvas);
  bool ShowsSelection();
  bool ActiveLook();
  Integer AlignmentOffset();
  Integer EditAreaHeight();

  String text_;
  TspPasswordKind passwordKind_ = pkRoundRect;
  TAlignment textAlignment_ = taLeftJustify;
  TColor defaultColor_ = clWindow;
  TEditCharCase charCase_ = ecNormal;
  bool hideSelection_ = true;

  Integer caretPosition_ = 0;
  Integer selAnchor_ = 0;
  Integer selLength_ = 0;  // signed: positive when the selection runs right of the anchor
  Integer firstVisibleChar_ = 1;
  bool mouseIn_ = false;
  bool mouseSelecting_ = false;
  TRect activeSkinRect_;
  Integer leftFixed_ = 0, rightFixed_ = 0;
  TColor fontColor_ = 0, disabledFontColor_ = 0, activeFontColor_ = 0;
};
