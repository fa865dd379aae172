#include "skin/controls/labels/LabelLook.h"

#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/data/SkinColors.h"

void TspLabelLook::Read(const TspSkinData* data, const String& name) {
  RecordIndex = !data || data->Empty ? -1 : data->GetControlIndex(name);
  if (RecordIndex == -1) return;
  auto* record = dynamic_cast<TspDataSkinStdLabelControl*>(data->CtrlList[RecordIndex].get());
  if (!record) return;
  FontName = record->fontname, FontHeight = record->fontheight, FontStyle = record->fontstyle;
  FontColor = record->fontcolor, ActiveFontColor = record->activefontcolor;
}

void TspLabelLook::SetFont(TCanvas* canvas, bool useSkinFont, const TFont* font, const TspSkinData* data,
                           const TFont* defaultFont) const {
  if (useSkinFont) {
    canvas->Font()->SetName(FontName);
    canvas->Font()->SetStyle(FontStyle);
    canvas->Font()->SetHeight(FontHeight);
  } else {
    canvas->SetFont(font);
  }
  canvas->Font()->SetCharset(SkinCharset(data, defaultFont));
}

void DrawLabelTextOnce(TCanvas* canvas, const String& text, TRect r, UINT flags) {
  canvas->Brush()->SetStyle(bsClear);
  HDC dc = canvas->Handle();
  ::SelectObject(dc, canvas->Font()->Handle());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(canvas->Font()->Color()));
  RECT rr = {r.Left, r.Top, r.Right, r.Bottom};
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rr, flags);
}

void DrawLabelText(TCanvas* canvas, const String& text, const TRect& r, UINT flags, bool enabled,
                   const TspSkinData* data, bool skinned) {
  if (enabled) return DrawLabelTextOnce(canvas, text, r, flags);
  canvas->Font()->SetColor(skinned ? data->SkinColors->cBtnHighLight : clBtnHighlight);
  DrawLabelTextOnce(canvas, text, TRect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1}, flags);
  canvas->Font()->SetColor(skinned ? data->SkinColors->cBtnShadow : clBtnShadow);
  DrawLabelTextOnce(canvas, text, r, flags);
}
