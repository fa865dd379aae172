// The published properties of the password edit and the numeric edit.
#include "platform/published/Published.h"
#include "skin/controls/Periphery2Published.h"
#include "skin/controls/edits2/SkinNumericEdit.h"
#include "skin/controls/edits2/SkinPasswordEdit.h"
#include "skin/controls/edits2/SkinTimeEdit.h"

namespace {

const TEnumNames kPasswordKinds{"TspPasswordKind", {"pkRoundRect", "pkRect", "pkTriangle"}};
const TEnumNames kAlignments{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
const TEnumNames kCharCases{"TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"}};
const TEnumNames kValueTypes{"TspValueType", {"vtInteger", "vtFloat"}};

}  // namespace

void PublishSkinEdits2Periphery() {
  using P = TspSkinPasswordEdit;
  PublishClass<P, TspSkinCustomControl>()
      .Default("TabStop", 1)
      .Default("Cursor", crIBeam)
      .Default("Color", clWindow)
      .Str("Text", &P::Text, &P::SetText)
      .Enum("PasswordKind", kPasswordKinds, &P::PasswordKind, &P::SetPasswordKind, pkRoundRect)
      .Enum("TextAlignment", kAlignments, &P::TextAlignment, &P::SetTextAlignment, taLeftJustify)
      .Color("DefaultColor", &P::DefaultColor, &P::SetDefaultColor, clWindow)
      .Bool("AutoSelect", &P::AutoSelect, &P::AutoSelect, true)
      .Enum("CharCase", kCharCases, &P::CharCase, &P::SetCharCase, ecNormal)
      .Bool("HideSelection", &P::HideSelection, &P::SetHideSelection, true)
      .Integer("MaxLength", &P::MaxLength, &P::MaxLength, 0)
      .Bool("ReadOnly", &P::ReadOnly, &P::ReadOnly, false)
      .Event("OnChange", &P::OnChange);
  using N = TspSkinNumericEdit;
  PublishClass<N, TspSkinEdit>()
      .Float("Value", &N::Value, &N::SetValue)
      .Float("MinValue", &N::MinValue, &N::MinValue)
      .Float("MaxValue", &N::MaxValue, &N::MaxValue)
      .Float("Increment", &N::Increment, &N::Increment, 1)
      .Bool("SupportUpDownKeys", &N::SupportUpDownKeys, &N::SupportUpDownKeys, false)
      .Integer("Decimal", &N::Decimal, &N::Decimal, 2)
      .Enum("ValueType", kValueTypes, &N::ValueType, &N::ValueType, vtInteger);
  PublishClass<TspSkinTimeEdit, TspSkinMaskEdit>();
}
