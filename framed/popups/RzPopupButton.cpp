#include "framed/popups/RzPopupButton.h"

#include "framed/controls/RzControlSupport.h"
#include "framed/theme/RzThemeSrv.h"

void DrawPopupButton(TCanvas* canvas, TRect r, const String& caption, TColor textColor, bool pressed, bool themed,
                     bool flat) {
  if (themed) {
    ThemeServices()->DrawElement(canvas->Handle(), GetElementDetails(pressed ? tbPushButtonPressed : tbPushButtonNormal),
                                 r);
    canvas->Brush()->SetStyle(bsClear);
  } else {
    canvas->Brush()->SetColor(clBtnFace);
    const UINT edge = pressed ? EDGE_SUNKEN : flat ? EDGE_ETCHED : EDGE_RAISED;
    RECT box = WinRect(r);
    ::DrawEdge(canvas->Handle(), &box, edge, BF_RECT | BF_MIDDLE | BF_ADJUST);
    r = TRect(box.left, box.top, box.right, box.bottom);
    if (pressed) {
      r.Left += 2;
      r.Top += 2;
    }
  }
  HDC dc = FontDC(canvas);
  SetDCTextColor(dc, textColor);
  ::SetBkMode(dc, TRANSPARENT);
  RECT box = WinRect(r);
  ::DrawTextA(dc, caption.c_str(), -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  canvas->Brush()->SetStyle(bsSolid);
}
