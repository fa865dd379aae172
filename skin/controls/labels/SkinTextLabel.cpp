#include "skin/controls/labels/SkinTextLabel.h"

#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Messages.h"
#include "skin/controls/SkinCtrlHelpers.h"

TspSkinTextLabel::TspSkinTextLabel(TComponent* owner)
    : TGraphicControl(owner), lines_(std::make_unique<TStringList>()), defaultFont_(std::make_unique<TFont>()) {
  ControlStyle = (ControlStyle | csReplicatable) & ~csOpaque;
  SetBounds(Left(), Top(), 65, 65);
  TGraphicControl::SetAutoSize(true);
  lines_->OnChange = TNotifyEvent(this, &TspSkinTextLabel::LinesChanged);
}

TspSkinTextLabel::~TspSkinTextLabel() { lines_->OnChange = TNotifyEvent(); }

void TspSkinTextLabel::LinesChanged(TObject*) {
  if (AutoSize()) AdjustBounds();
  Repaint();
}

void TspSkinTextLabel::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value) ChangeSkinData();
}

void TspSkinTextLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

void TspSkinTextLabel::GetSkinData() { look_.Read(skinData_, SkinDataName); }

void TspSkinTextLabel::ChangeSkinData() {
  GetSkinData();
  if (AutoSize()) AdjustBounds();
  Repaint();
}

void TspSkinTextLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TspSkinTextLabel::SetLayout(TTextLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TspSkinTextLabel::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  AdjustBounds();
  Invalidate();
}

void TspSkinTextLabel::SetAutoSize(bool value) {
  if (value == AutoSize()) return;
  TGraphicControl::SetAutoSize(value);
  AdjustBounds();
}

void TspSkinTextLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TspSkinTextLabel::Dispatch(TMessage& message) {
  TGraphicControl::Dispatch(message);
  if (message.Msg == CM_FONTCHANGED) {
    AdjustBounds();
    Invalidate();
  }
}

String TspSkinTextLabel::GetLabelText() const {
  String text;
  for (int i = 0; i < lines_->Count(); ++i) text += lines_->Strings(i) + "\r\n";
  return text;
}

void TspSkinTextLabel::SetTextFont(TCanvas* canvas) {
  bool skinned = look_.RecordIndex != -1;
  if (!skinned) canvas->SetFont(UseSkinFont ? defaultFont_.get() : Font());
  else look_.SetFont(canvas, UseSkinFont, Font(), skinData_, defaultFont_.get());
  if (skinned) canvas->Font()->SetColor(UseSkinColor ? look_.FontColor : Font()->Color());
  canvas->Font()->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
}

// Measured without the line break after the last line, so the height is that of
// the lines themselves whether or not DrawText counts an empty last line.
void TspSkinTextLabel::DoDrawText(TRect& r, UINT flags) {
  GetSkinData();
  TCanvas* canvas = Canvas();
  SetTextFont(canvas);
  String text = GetLabelText();
  if ((flags & DT_CALCRECT) != 0 && text.ends_with("\r\n")) text.resize(text.size() - 2);
  if ((flags & DT_CALCRECT) != 0) {
    HDC dc = canvas->Handle();
    ::SelectObject(dc, canvas->Font()->Handle());
    RECT m = {r.Left, r.Top, r.Right, r.Bottom};
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &m, flags);
    r = TRect{m.left, m.top, m.right, m.bottom};
    return;
  }
  DrawLabelText(canvas, text, r, flags, Enabled(), skinData_, look_.RecordIndex != -1);
}

namespace {
UINT AlignmentFlag(TAlignment a) { return a == taRightJustify ? DT_RIGHT : a == taCenter ? DT_CENTER : DT_LEFT; }
}  // namespace

void TspSkinTextLabel::Paint() {
  Canvas()->Brush()->SetStyle(bsClear);
  TRect r = ClientRect();
  UINT flags = DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) | AlignmentFlag(alignment_);
  if (layout_ != tlTop) {
    TRect measured = r;
    DoDrawText(measured, flags | DT_CALCRECT);
    Integer spare = Height() - measured.Bottom;
    r.Top += layout_ == tlBottom ? spare : spare / 2;
  }
  DoDrawText(r, flags);
}

void TspSkinTextLabel::AdjustBounds() {
  if (HasState(csLoading) || HasState(csReading) || !AutoSize()) return;
  HDC dc = ::GetDC(nullptr);
  auto* canvas = static_cast<TControlCanvas*>(Canvas());
  canvas->BindPaintDC(dc);
  TRect r = ClientRect();
  DoDrawText(r, DT_CALCRECT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0));
  canvas->FreeHandle();
  ::ReleaseDC(nullptr, dc);
  Integer left = Left();
  if (alignment_ == taRightJustify) left += Width() - r.Right;
  SetBounds(left, Top(), r.Right, r.Bottom);
}
