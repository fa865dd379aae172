// TCustomMaskEdit: an edit whose text follows an edit mask. A mask is
// "<mask>;<save literals: 0 or 1>;<blank character>" (the last two optional,
// defaults 1 and '_'); its characters are:
//   0 digit, required        9 digit, optional         # digit or sign, optional
//   L letter, required       l letter, optional
//   A letter or digit, req.  a letter or digit, opt.
//   C any character, req.    c any character, opt.
//   > upper case from here   < lower case from here    <> no case change
//   \ the next character is a literal    _ a blank literal    ! (ignored)
// every other character (such as ':', '/', '.', '-') is a literal.
// The window shows EditText (literals and blanks in place); Text is EditText
// with blanks as spaces, or only the typed characters when literals are not saved.
#pragma once

#include <vector>

#include "platform/stdctrls/Edit.h"

VARNEL_EXCEPTION(EDBEditError, Exception);

class TCustomMaskEdit : public TCustomEdit {
public:
  using TCustomEdit::TCustomEdit;

  String EditMask() const { return editMask_; }
  void SetEditMask(const String& value);
  bool IsMasked() const { return !slots_.empty(); }
  // The text as the window shows it.
  String EditText() const;
  void SetEditText(const String& value);
  // Raises EDBEditError (through ValidateError) when a required position is
  // blank; the caret goes to that position.
  virtual void ValidateEdit();

protected:
  void Dispatch(TMessage& message) override;
  String GetText() const override;
  void SetTextValue(const String& value) override;
  void CMExit(TMessage& message) override;
  virtual void ValidateError();

private:
  struct Slot {
    char Literal = 0;  // a literal character, 0 for an input position
    char Code = 0;     // the mask character of an input position
    int Case = 0;      // 1 upper, -1 lower
  };
  bool Accepts(const Slot& slot, char c) const;
  static bool Required(const Slot& slot);
  String Blank() const;
  String Format(const String& text, bool withLiterals) const;
  void TypeChar(char c);
  void BlankRange(int start, int end, String& text) const;
  void Backspace();
  void DeleteSelection(bool forward);
  int NextInput(int from) const;

  String editMask_;
  std::vector<Slot> slots_;
  bool saveLiterals_ = true;
  char blank_ = '_';
};

class TMaskEdit : public TCustomMaskEdit {
public:
  using TCustomMaskEdit::TCustomMaskEdit;
};
