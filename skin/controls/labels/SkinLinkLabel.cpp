#include "skin/controls/labels/SkinLinkLabel.h"

#include "platform/controls/Messages.h"
#include "platform/core/SystemCalls.h"
#include "skin/controls/SkinCtrlHelpers.h"

void OpenURL(const String& url) {
  if (url.empty()) return;
  SystemCalls().ShellExecute(nullptr, "open", url, String(), String(), SW_SHOWNORMAL);
}

TspSkinLinkLabel::TspSkinLinkLabel(TComponent* owner)
    : TCustomLabel(owner), defaultFont_(std::make_unique<TFont>()) {
  SetTransparent(true);
  defaultFont_->SetName("Arial");
  defaultFont_->SetHeight(14);
  defaultFont_->SetStyle(fsUnderline);
  SetFont(defaultFont_.get());
  SetCursor(crHandPoint);
}

void TspSkinLinkLabel::SetUseUnderLine(bool value) {
  if (value == useUnderLine_) return;
  useUnderLine_ = value;
  Repaint();
}

void TspSkinLinkLabel::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value) ChangeSkinData();
}

void TspSkinLinkLabel::Notification(TComponent* component, TOperation operation) {
  TCustomLabel::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

void TspSkinLinkLabel::GetSkinData() { look_.Read(skinData_, SkinDataName); }

void TspSkinLinkLabel::ChangeSkinData() {
  GetSkinData();
  Repaint();
}

void TspSkinLinkLabel::Click() {
  TCustomLabel::Click();
  OpenURL(URL);
}

void TspSkinLinkLabel::Dispatch(TMessage& message) {
  TCustomLabel::Dispatch(message);
  if ((message.Msg == CM_MOUSEENTER || message.Msg == CM_MOUSELEAVE) && !HasState(csDesigning)) {
    hot_ = message.Msg == CM_MOUSEENTER;
    Repaint();
  }
}

void TspSkinLinkLabel::DoDrawText(TRect& rect, UINT flags) {
  GetSkinData();
  String text = GetLabelText();
  if ((flags & DT_CALCRECT) != 0 && (text.empty() || (ShowAccelChar() && text == "&"))) text += " ";
  if (!ShowAccelChar()) flags |= DT_NOPREFIX;
  TCanvas* canvas = Canvas();
  bool skinned = look_.RecordIndex != -1;
  if (!skinned) {
    canvas->SetFont(UseSkinFont ? defaultFont_.get() : Font());
    canvas->Font()->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
    if (hot_) canvas->Font()->SetColor(DefaultActiveFontColor);
  } else {
    look_.SetFont(canvas, UseSkinFont, Font(), skinData_, defaultFont_.get());
    canvas->Font()->SetColor(hot_ ? look_.ActiveFontColor : look_.FontColor);
  }
  TFontStyles style = canvas->Font()->Style();
  canvas->Font()->SetStyle(useUnderLine_ ? style | fsUnderline : style & ~fsUnderline);
  if ((flags & DT_CALCRECT) != 0) {
    HDC dc = canvas->Handle();
    ::SelectObject(dc, canvas->Font()->Handle());
    RECT m = {rect.Left, rect.Top, rect.Right, rect.Bottom};
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &m, flags);
    rect = TRect{m.left, m.top, m.right, m.bottom};
    return;
  }
  DrawLabelText(canvas, text, rect, flags, Enabled(), skinData_, skinned);
}

TspSkinLinkImage::TspSkinLinkImage(TComponent* owner) : TImage(owner) {
  SetAutoSize(true);
  SetCursor(crHandPoint);
}

void TspSkinLinkImage::Click() {
  TImage::Click();
  OpenURL(URL);
}
