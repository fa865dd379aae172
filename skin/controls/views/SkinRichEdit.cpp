#include "skin/controls/views/SkinRichEdit.h"

#include <richedit.h>

#include <algorithm>

#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinPaintMessages.h"
#include "skin/draw/SkinSystem.h"

TspSkinRichEdit::TspSkinRichEdit(TComponent* owner)
    : TCustomRichEdit(owner), defaultFont_(std::make_unique<TFont>()) {
  defaultFont_->SetName("Arial");
  defaultFont_->SetHeight(14);
  defaultFont_->SetStyle(0);
  Font()->Assign(defaultFont_.get());
  SetScrollBars(ssBoth);
}

void TspSkinRichEdit::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value && !value->Empty && !HasState(csDesigning)) ChangeSkinData();
}

void TspSkinRichEdit::SetDefaultFont(const TFont* value) {
  defaultFont_->Assign(value);
  if (skinIndex_ == -1 && SkinSupport) Font()->Assign(value);
}

void TspSkinRichEdit::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (skinIndex_ == -1 && SkinSupport) SetColor(value);
}

void TspSkinRichEdit::SetVScrollBar(TspSkinScrollBar* value) {
  vScrollBar_ = value;
  if (value) {
    value->FreeNotification(this);
    value->OnChange = TNotifyEvent(this, &TspSkinRichEdit::OnVScrollBarChange);
    value->OnUpButtonClick = TNotifyEvent(this, &TspSkinRichEdit::OnVScrollBarUpButtonClick);
    value->OnDownButtonClick = TNotifyEvent(this, &TspSkinRichEdit::OnVScrollBarDownButtonClick);
  }
  UpDateScrollBars();
}

void TspSkinRichEdit::SetHScrollBar(TspSkinScrollBar* value) {
  hScrollBar_ = value;
  if (value) {
    value->FreeNotification(this);
    value->OnChange = TNotifyEvent(this, &TspSkinRichEdit::OnHScrollBarChange);
  }
  UpDateScrollBars();
}

void TspSkinRichEdit::Notification(TComponent* component, TOperation operation) {
  TCustomRichEdit::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == vScrollBar_) vScrollBar_ = nullptr;
  if (component == hScrollBar_) hScrollBar_ = nullptr;
}

// Without SkinSupport the edit keeps its own font and colour; the charset
// follows the skin either way.
void TspSkinRichEdit::ChangeSkinData() {
  auto* record = FindRecord<TspDataSkinRichEdit>(skinData_, SkinDataName, &skinIndex_);
  if (SkinSupport && !record) {
    SetColor(defaultColor_);
    Font()->Assign(defaultFont_.get());
  } else if (SkinSupport) {
    SetRecordFont(Font(), record->fontname, record->fontstyle, record->fontheight);
    Font()->SetColor(record->fontcolor);
    SetColor(record->bgcolor);
  }
  Font()->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
  if (HandleAllocated()) ::SendMessageA(Handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  UpDateScrollBars();
  if (vScrollBar_) vScrollBar_->SetAlign(vScrollBar_->Align());
  if (hScrollBar_) hScrollBar_->SetAlign(hScrollBar_->Align());
}

void TspSkinRichEdit::Loaded() {
  TCustomRichEdit::Loaded();
  ChangeSkinData();
}

void TspSkinRichEdit::CreateParams(TCreateParams& params) {
  TCustomRichEdit::CreateParams(params);
  params.Style &= ~WS_BORDER;
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TspSkinRichEdit::Change() {
  TCustomRichEdit::Change();
  UpDateScrollBars();
}

namespace {
bool NativeBarHidden(HWND window, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  MyGetScrollBarInfo(window, object, info);
  return (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) != 0;
}
}  // namespace

bool TspSkinRichEdit::HScrollDisabled() { return NativeBarHidden(Handle(), OBJID_HSCROLL); }
bool TspSkinRichEdit::VScrollDisabled() { return NativeBarHidden(Handle(), OBJID_VSCROLL); }

void TspSkinRichEdit::UpdateBar(TspSkinScrollBar* bar, int which, bool disabled) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL};
  ::GetScrollInfo(Handle(), which, &info);
  if (disabled) {
    bar->SetEnabled(false);
    ::SetScrollRange(Handle(), which, 0, 0, FALSE);
    return;
  }
  if (!bar->Enabled()) bar->SetEnabled(true);
  bar->SetRange(info.nMin, info.nMax, info.nPos, static_cast<Integer>(info.nPage));
}

// A native bar that shows nothing to scroll leaves its skinned bar disabled, not hidden.
void TspSkinRichEdit::UpDateScrollBars() {
  if (!HandleAllocated() || fromScrollBar_ || HasState(csLoading)) return;
  if (vScrollBar_) UpdateBar(vScrollBar_, SB_VERT, VScrollDisabled());
  if (hScrollBar_) UpdateBar(hScrollBar_, SB_HORZ, HScrollDisabled());
}

// The thumb position travels as an unsigned 16-bit word: the edit keeps its
// range within 16 bits (it scales a tall document), so every position fits.
void TspSkinRichEdit::OnVScrollBarChange(TObject*) {
  if (!vScrollBar_ || !HandleAllocated()) return;
  fromScrollBar_ = true;
  WORD position = static_cast<WORD>(std::clamp<Integer>(vScrollBar_->Position(), 0, 0xFFFF));
  ::SendMessageA(Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
  fromScrollBar_ = false;
}

void TspSkinRichEdit::OnHScrollBarChange(TObject*) {
  if (!hScrollBar_ || !HandleAllocated()) return;
  fromScrollBar_ = true;
  WORD position = static_cast<WORD>(std::clamp<Integer>(hScrollBar_->Position(), 0, 0xFFFF));
  ::SendMessageA(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
  fromScrollBar_ = false;
}

void TspSkinRichEdit::OnVScrollBarUpButtonClick(TObject*) {
  if (!vScrollBar_ || !HandleAllocated()) return;
  if (vScrollBar_->Position() < vScrollBar_->Max() - vScrollBar_->PageSize() + 1)
    ::SendMessageA(Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  UpDateScrollBars();
}

void TspSkinRichEdit::OnVScrollBarDownButtonClick(TObject*) {
  if (!vScrollBar_ || !HandleAllocated()) return;
  if (vScrollBar_->Position() != 0) ::SendMessageA(Handle(), WM_VSCROLL, SB_LINEUP, 0);
  UpDateScrollBars();
}

void TspSkinRichEdit::WndProc(TMessage& message) {
  TCustomRichEdit::WndProc(message);
  switch (message.Msg) {
    case WM_SIZE:
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      UpDateScrollBars();
      break;
    default:
      break;
  }
}

void TspSkinRichEdit::Dispatch(TMessage& message) {
  if (message.Msg == WM_NCCALCSIZE) {  // the native bars take no room
    message.Result = 0;
    return;
  }
  TCustomRichEdit::Dispatch(message);
}
