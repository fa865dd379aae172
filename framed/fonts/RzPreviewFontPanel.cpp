#include "framed/fonts/RzPreviewFontPanel.h"

#include "platform/stdctrls/Edit.h"

TRzPreviewFontPanel::TRzPreviewFontPanel(TComponent* owner) : TCustomPanel(owner) {
  SetColor(clWindow);
  SetBounds(0, 0, 260, 65);
  SetVisible(false);
  SetCaption("AaBbYyZz");
  SetBevelOuter(bvNone);
  Font()->SetSize(36);
}

void TRzPreviewFontPanel::CreateParams(TCreateParams& params) {
  TCustomPanel::CreateParams(params);
  params.Style |= WS_POPUP;
  params.Style &= ~WS_CHILD;
  params.WindowClass.style = CS_SAVEBITS;
}

void TRzPreviewFontPanel::Paint() {
  TCustomPanel::Paint();
  Canvas()->Brush()->SetStyle(bsClear);
  Canvas()->Rectangle(ClientRect());
  Canvas()->Brush()->SetStyle(bsSolid);
}

void TRzPreviewFontPanel::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_SHOWINGCHANGED: return;  // shown and hidden by the chooser alone
    case CM_CANCELMODE:
      if (reinterpret_cast<TControl*>(message.LParam) != this && Control && Control->HandleAllocated())
        ::SendMessageA(Control->Handle(), CM_HIDEPREVIEWPANEL, 0, 0);
      return;
    case WM_KILLFOCUS:
      TCustomPanel::Dispatch(message);
      if (Control && Control->HandleAllocated()) ::SendMessageA(Control->Handle(), CM_HIDEPREVIEWPANEL, 0, 0);
      return;
    default: return TCustomPanel::Dispatch(message);
  }
}

TRzPreviewText PreviewTextFor(const String& previewText, TCustomEdit* edit) {
  if (!edit) return {previewText.empty() ? String("AaBbYyZz") : previewText, taCenter};
  const String selected = edit->SelText();
  return {selected.empty() ? edit->Text().substr(0, 10) : selected, taLeftJustify};
}
