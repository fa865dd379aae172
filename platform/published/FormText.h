// The text of a form definition as a tree: objects with their class, properties
// and nested objects, and the values a property can hold. ParseFormText reads the
// text, PrintFormText writes it back in the same layout:
//
//   object MainForm: TMainForm
//     Caption = 'Varnel Revo'
//     Font.Style = [fsBold]
//     object btnOpen: TButton
//       Items.Strings = (
//         'a'
//         'b')
//       OnClick = btnOpenClick
//       Glyph.Data = {file 'open.bmp'}
//     end
//   end
#pragma once

#include <vector>

#include "platform/core/Exceptions.h"

// A form definition that cannot be read or applied: bad text, an unknown class or
// property, a value of the wrong kind. The message says where.
VARNEL_EXCEPTION(EFormDefinitionError, EReadError);

enum TFormValueKind {
  vkInteger,     // 12, -3, $FF
  vkFloat,       // 1.5, 2e3
  vkString,      // 'text', 'a'#13#10'b'
  vkIdent,       // True, alClient, clBtnFace, btnOpenClick, ResourceForm.FormSkinData
  vkSet,         // [fsBold, fsItalic]: Names
  vkList,        // ( value value ... ): Items
  vkCollection,  // < item ... end item ... end >: Elements
  vkBinary,      // { 0A0B... }: Bytes, or {file 'logo.png'}: FileName
};

struct TFormProperty;

struct TFormValue {
  TFormValueKind Kind = vkInteger;
  Int64 Integer = 0;
  double Float = 0;
  String Text;  // string text, identifier, or the file name of a binary value
  std::vector<String> Names;                         // vkSet
  std::vector<TFormValue> Items;                     // vkList
  std::vector<std::vector<TFormProperty>> Elements;  // vkCollection: each item's properties
  String Bytes;                                      // vkBinary given inline
  bool FromFile = false;                             // vkBinary given as {file '...'}
  bool Hex = false;                                  // vkInteger written as $00BBGGRR (colours)

  static TFormValue OfInteger(Int64 value);
  static TFormValue OfFloat(double value);
  static TFormValue OfString(const String& text);
  static TFormValue OfIdent(const String& ident);
  static TFormValue OfBoolean(bool value) { return OfIdent(value ? "True" : "False"); }
};

struct TFormProperty {
  String Name;  // may be a path: "Font.Style", "Items.Strings"
  TFormValue Value;
  int Line = 0;
};

struct TFormObject {
  String Name;
  String ClassName;
  std::vector<TFormProperty> Properties;
  std::vector<TFormObject> Children;
  int Line = 0;
};

// Reads a whole definition (one root object). EFormDefinitionError names the
// line and what was expected; `source` names the text in the message.
TFormObject ParseFormText(const String& text, const String& source);
// Writes the tree as text, two blanks of indent per level, lines ended by CR LF.
String PrintFormText(const TFormObject& root);

// "'it''s'" with control characters as #nn: how a string value is written.
String QuoteFormString(const String& text);
