// TCustomLabel: text drawn on the parent, aligned and laid out in the label's
// rectangle; the same drawing routine measures the text for AutoSize. An
// accelerator ("&Name") gives the focus to FocusControl.
#include "platform/controls/Menus.h"
#include "platform/controls/WinControl.h"
#include "platform/stdctrls/Label.h"

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  ControlStyle |= csOpaque | csReplicatable;
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);
  TControl::SetAutoSize(true);
}

UINT TCustomLabel::TextFlags() const {
  static const UINT kAlignments[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  UINT flags = DT_EXPANDTABS | kAlignments[alignment_];
  if (wordWrap_) flags |= DT_WORDBREAK;
  return flags;
}

void TCustomLabel::DoDrawText(TRect& rect, UINT flags) {
  String text = GetLabelText();
  // An empty text still takes one line's height.
  if ((flags & DT_CALCRECT) != 0 && (text.empty() || (showAccelChar_ && text == "&"))) text += " ";
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  TCanvas* canvas = Canvas();
  canvas->SetFont(Font());
  HDC dc = canvas->Handle();
  RECT r = {rect.Left, rect.Top, rect.Right, rect.Bottom};
  const int length = static_cast<int>(text.size());
  if ((flags & DT_CALCRECT) != 0) {
    ::SelectObject(dc, Font()->Handle());
    ::DrawTextA(dc, text.c_str(), length, &r, flags);
    rect = TRect(r.left, r.top, r.right, r.bottom);
    return;
  }
  ::SetBkMode(dc, TRANSPARENT);
  ::SelectObject(dc, Font()->Handle());
  auto draw = [&](TColor color, int offset) {
    const TColor rgb = ColorToRGB(color);
    ::SetTextColor(dc, RGB(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
    RECT moved = {r.left + offset, r.top + offset, r.right + offset, r.bottom + offset};
    ::DrawTextA(dc, text.c_str(), length, &moved, flags);
  };
  if (Enabled()) {
    draw(Font()->Color(), 0);
  } else {
    // Embossed: the highlight one pixel down and right, the shadow in place.
    draw(clBtnHighlight, 1);
    draw(clBtnShadow, 0);
  }
}

void TCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  TRect rect = ClientRect();
  if (!Transparent()) {
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(rect);
  }
  canvas->Brush()->SetStyle(bsClear);
  const UINT flags = TextFlags();
  if (layout_ != tlTop) {
    TRect measured = rect;
    DoDrawText(measured, flags | DT_CALCRECT);
    const int spare = rect.Height() - measured.Height();
    rect.Top += layout_ == tlBottom ? spare : spare / 2;
  }
  DoDrawText(rect, flags);
}

bool TCustomLabel::CanAutoSize(int&, int&) { return false; }

void TCustomLabel::AdjustBounds() {
  if (HasState(csLoading) || !AutoSize()) return;
  HDC dc = ::GetDC(nullptr);
  auto* canvas = static_cast<TControlCanvas*>(Canvas());
  canvas->BindPaintDC(dc);
  TRect rect = ClientRect();
  DoDrawText(rect, TextFlags() | DT_CALCRECT);
  canvas->FreeHandle();
  ::ReleaseDC(nullptr, dc);
  int left = Left();
  if (alignment_ == taRightJustify) left += Width() - rect.Right;
  if (alignment_ == taCenter) left += (Width() - rect.Right) / 2;
  SetBounds(left, Top(), rect.Right, rect.Bottom);
}

void TCustomLabel::SetAutoSize(bool value) {
  TControl::SetAutoSize(value);
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment value) {
  if (alignment_ == value) return;
  alignment_ = value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  if (layout_ == value) return;
  layout_ = value;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (wordWrap_ == value) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (showAccelChar_ == value) return;
  showAccelChar_ = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  if (Transparent() == value) return;
  if (value)
    ControlStyle &= ~csOpaque;
  else
    ControlStyle |= csOpaque;
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* value) {
  if (focusControl_ == value) return;
  if (focusControl_) focusControl_->RemoveFreeNotification(this);
  focusControl_ = value;
  if (value) value->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == focusControl_) focusControl_ = nullptr;
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
      TGraphicControl::Dispatch(message);
      AdjustBounds();
      Invalidate();
      return;
    case CM_DIALOGCHAR:
      if (focusControl_ && Enabled() && showAccelChar_ && IsAccel(static_cast<Word>(message.WParam), Caption()) &&
          focusControl_->CanFocus()) {
        focusControl_->SetFocus();
        message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TGraphicControl::Dispatch(message);
}
