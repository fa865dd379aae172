#include "platform/graphics/Colors.h"

#include "platform/core/SysUtils.h"
#include "platform/core/WinApi.h"

namespace {

const TColorName kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
};
static_assert(sizeof(kColorNames) / sizeof(kColorNames[0]) == 52, "the colour table has 52 names");

}  // namespace

TColor ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return static_cast<TColor>(::GetSysColor(color & 0xFF) & 0xFFFFFF);
  return color & 0xFFFFFF;
}

const TColorName* ColorNames(int& count) {
  count = static_cast<int>(sizeof(kColorNames) / sizeof(kColorNames[0]));
  return kColorNames;
}

void GetColorValues(const std::function<void(const String&)>& proc) {
  for (const TColorName& entry : kColorNames) proc(entry.Name);
}

bool ColorToIdent(TColor color, String& ident) {
  for (const TColorName& entry : kColorNames)
    if (entry.Value == color) {
      ident = entry.Name;
      return true;
    }
  return false;
}

bool IdentToColor(const String& ident, TColor& color) {
  for (const TColorName& entry : kColorNames)
    if (SameText(ident, entry.Name)) {
      color = entry.Value;
      return true;
    }
  return false;
}

String ColorToString(TColor color) {
  String ident;
  if (ColorToIdent(color, ident)) return ident;
  return "$" + IntToHex(static_cast<Int64>(static_cast<Cardinal>(color)), 8);
}

TColor StringToColor(const String& text) {
  TColor color = 0;
  if (IdentToColor(Trim(text), color)) return color;
  Int64 value = 0;
  if (!TryStrToInt64(text, value) || value < -2147483648LL || value > 0xFFFFFFFFLL)
    throw EConvertError("'" + text + "' is not a valid colour");
  return static_cast<TColor>(static_cast<Cardinal>(value));
}
