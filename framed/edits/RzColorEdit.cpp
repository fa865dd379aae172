#include "framed/edits/RzColorEdit.h"

#include <memory>

#include "framed/controls/RzControlSupport.h"
#include "framed/display/RzColorPicker.h"
#include "framed/popups/RzPopupPanel.h"
#include "platform/controls/CustomForm.h"

namespace {

bool IsKey(UINT msg) { return msg >= WM_KEYFIRST && msg <= WM_KEYLAST; }

// Alt+Down arrives as a system key whose data say Alt and nothing else.
bool IsAltDown(const TMessage& message) {
  if (message.Msg != WM_SYSKEYDOWN || message.WParam != VK_DOWN) return false;
  const bool alt = (message.LParam & (1 << 29)) != 0;
  return alt && !(::GetKeyState(VK_SHIFT) & 0x8000) && !(::GetKeyState(VK_CONTROL) & 0x8000);
}

}  // namespace

TRzColorEdit::TRzColorEdit(TComponent* owner) : TRzCustomEdit(owner) {
  ControlStyle &= ~csDoubleClicks;
  SetDropButtonVisible(true);
  SetParentColor(false);
}

void TRzColorEdit::SetCustomColors(TRzCustomColors* value) {
  if (customColors_ == value) return;
  if (customColors_) customColors_->RemoveFreeNotification(this);
  customColors_ = value;
  if (customColors_) customColors_->FreeNotification(this);
}

void TRzColorEdit::SetSelectedColor(TColor value) {
  if (selectedColor_ == value) return;
  selectedColor_ = value;
  Invalidate();
}

void TRzColorEdit::Notification(TComponent* component, TOperation operation) {
  TRzCustomEdit::Notification(component, operation);
  if (operation == opRemove && component == customColors_) customColors_ = nullptr;
}

// No typing and no right button: only Alt+Down (the base opens the picker on it).
void TRzColorEdit::WndProc(TMessage& message) {
  if ((IsKey(message.Msg) && !IsAltDown(message)) || message.Msg == WM_RBUTTONDOWN) return;
  TRzCustomEdit::WndProc(message);
  if (message.Msg == WM_LBUTTONDOWN && HandleAllocated()) {
    ::HideCaret(Handle());
    ::ReleaseCapture();
  }
}

// The whole edit is its button: a click anywhere drops the picker, and the pointer
// is the arrow.
void TRzColorEdit::Dispatch(TMessage& message) {
  TRzCustomEdit::Dispatch(message);
  if (message.Msg == WM_NCHITTEST) {
    SetButtonHit(true);
    if (message.Result == HTNOWHERE) message.Result = HTCLIENT;
  }
}

void TRzColorEdit::WMSetFocus(TMessage& message) {
  TRzCustomEdit::WMSetFocus(message);
  if (HandleAllocated()) ::HideCaret(Handle());
  Invalidate();
}

void TRzColorEdit::WMKillFocus(TMessage& message) {
  TRzCustomEdit::WMKillFocus(message);
  if (!DroppedDown()) Invalidate();
}

void TRzColorEdit::WMPaint(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  PAINTSTRUCT ps{};
  const bool own = dc == nullptr;
  if (own) dc = ::BeginPaint(Handle(), &ps);
  PaintSwatch(dc);
  if (own) ::EndPaint(Handle(), &ps);
  message.Result = 0;
}

void TRzColorEdit::PaintSwatch(HDC dc) {
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.SetFont(Font());
  const TRect client = ClientRect();
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(client);
  TRect r(client.Left + 2, client.Top + 2, client.Right - 2, client.Bottom - 2);
  const bool active = Focused() || DroppedDown();
  if (selectedColor_ == clNone) {
    const TColor hatch = active ? clBtnShadow : clBtnFace;
    canvas.Pen()->SetColor(hatch);
    canvas.Brush()->SetColor(hatch);
    canvas.Brush()->SetStyle(bsBDiagonal);
    const TColor back = ColorToRGB(Color());
    ::SetBkColor(canvas.Handle(), RGB(back & 0xFF, (back >> 8) & 0xFF, (back >> 16) & 0xFF));
    canvas.Rectangle(r);
    canvas.Brush()->SetStyle(bsSolid);
  } else {
    RECT box = WinRect(r);
    ::DrawEdge(canvas.Handle(), &box, BDR_RAISEDOUTER, BF_RECT | BF_FLAT | BF_ADJUST);
    r = TRect(box.left, box.top, box.right, box.bottom);
    canvas.Brush()->SetColor(selectedColor_);
    canvas.FillRect(r);
  }
  if (active) canvas.DrawFocusRect(r);
  canvas.SetHandle(nullptr);
}

void TRzColorEdit::DropDown() {
  TRzCustomEdit::DropDown();
  DisplayColorPicker();
}

void TRzColorEdit::DisplayColorPicker() {
  TCustomForm* form = GetParentForm(this);
  if (!form) return;
  std::unique_ptr<TRzPopupPanel> panel(new TRzPopupPanel(this));
  auto* picker = new TRzColorPicker(panel.get());
  picker->SetParent(panel.get());
  panel->SetParent(form);
  panel->Font()->SetName(Font()->Name());
  picker->SetNoColorCaption(NoColorCaption);
  picker->SetShowNoColor(ShowNoColor);
  picker->SetCustomColorCaption(CustomColorCaption);
  picker->SetDefaultColorCaption(DefaultColorCaption);
  picker->SetShowCustomColor(ShowCustomColor);
  picker->SetShowDefaultColor(ShowDefaultColor);
  picker->SetShowSystemColors(ShowSystemColors);
  picker->ShowColorHints = ShowColorHints;
  picker->SetCustomColor(CustomColor);
  picker->SetDefaultColor(DefaultColor);
  picker->SetSelectedColor(selectedColor_);
  picker->SetCustomColors(customColors_);
  picker->ColorDlgOptions = ColorDlgOptions;
  if ((FrameVisible() && !UseThemes() && FrameStyle() == fsFlat) || FrameStyle() == fsFlatBold) {
    picker->SetBorderOuter(fsFlat);
    picker->SetFlatColor(FrameColor());
  }
  picker->SetVisible(true);
  picker->OnClick = TNotifyEvent(panel.get(), &TRzPopupPanel::Close);
  if (!panel->Popup(this)) return;
  SetSelectedColor(picker->GetSelectedColor());
  CustomColor = picker->CustomColor();
  SetCustomColors(picker->CustomColors());
  Change();
}
