#include "skin/controls/CustomEdit.h"

#include "platform/controls/CustomForm.h"
#include "skin/data/ResourceStrData.h"

TspCustomEdit::TspCustomEdit(TComponent* owner) : TCustomMaskEdit(owner) { ControlStyle |= csOpaque; }

TspCustomEdit::~TspCustomEdit() { FreeContextMenu(); }

void TspCustomEdit::SetEditTransparent(bool value) {
  editTransparent_ = value;
  if (HandleAllocated()) RecreateWnd();
}

void TspCustomEdit::CreateParams(TCreateParams& params) {
  TCustomMaskEdit::CreateParams(params);
  params.Style &= ~WS_BORDER;
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
  if (editTransparent_) params.ExStyle |= WS_EX_TRANSPARENT;
  params.Style |= PasswordChar() ? ES_PASSWORD : ES_MULTILINE;
}

void TspCustomEdit::Invalidate() {
  if (!editTransparent_ || !Parent() || !HandleAllocated()) return TCustomMaskEdit::Invalidate();
  TRect client = ClientRect();
  TPoint topLeft = Parent()->ScreenToClient(ClientToScreen(client.TopLeft()));
  TPoint bottomRight = Parent()->ScreenToClient(ClientToScreen(client.BottomRight()));
  RECT under{topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
  if (Parent()->HandleAllocated()) ::InvalidateRect(Parent()->Handle(), &under, TRUE);
  ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TspCustomEdit::RepaintWhenTransparent() {
  if (editTransparent_) Invalidate();
}

void TspCustomEdit::Change() {
  TCustomMaskEdit::Change();
  RepaintWhenTransparent();
}

void TspCustomEdit::CNCtlColor(TMessage& message) {
  if (!editTransparent_) return TCustomMaskEdit::CNCtlColor(message);
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(Font()->Color()));
  message.Result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

// Enter and Esc never reach the window: the form gets them as dialog keys (its
// default and cancel buttons). With ReadOnly every other character is dropped
// except Ctrl+C, which copies and changes nothing.
void TspCustomEdit::CharMessage(TMessage& message) {
  char key = static_cast<char>(message.WParam);
  if (key == VK_ESCAPE || key == VK_RETURN) {
    OnKeyPress(this, key);
    if (TCustomForm* form = GetParentForm(this)) form->Perform(CM_DIALOGKEY, message.WParam, message.LParam);
    return;
  }
  if (readOnly_ && key != 3) return;
  TCustomMaskEdit::Dispatch(message);
}

void TspCustomEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_CHAR:
      return CharMessage(message);
    case WM_KEYDOWN:
      if (readOnly_ && message.WParam == VK_DELETE) return;
      TCustomMaskEdit::Dispatch(message);
      return RepaintWhenTransparent();
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
      if (readOnly_) return;
      TCustomMaskEdit::Dispatch(message);
      return RepaintWhenTransparent();
    case WM_SETTEXT:
    case WM_MOVE:
      TCustomMaskEdit::Dispatch(message);
      return RepaintWhenTransparent();
    case WM_LBUTTONDOWN:
      TCustomMaskEdit::Dispatch(message);
      down_ = true;
      return RepaintWhenTransparent();
    case WM_LBUTTONUP:
      TCustomMaskEdit::Dispatch(message);
      down_ = false;
      return;
    case WM_MOUSEMOVE:
      TCustomMaskEdit::Dispatch(message);
      if (down_) RepaintWhenTransparent();
      return;
    case WM_SETFOCUS:
      TCustomMaskEdit::Dispatch(message);
      RepaintWhenTransparent();
      if (AutoSelect()) SelectAll();
      return;
    case WM_KILLFOCUS:
      TCustomMaskEdit::Dispatch(message);
      return RepaintWhenTransparent();
    case WM_ERASEBKGND:
      if (!editTransparent_) break;
      Invalidate();
      message.Result = 1;
      return;
    case CM_CANCELMODE:
      TCustomMaskEdit::Dispatch(message);
      if (OnCancelMode) OnCancelMode(MessageSender(message));
      return;
    case CM_TEXTCHANGED:
      // A multi-line window reports no change for text set from code.
      TCustomMaskEdit::Dispatch(message);
      if (!HandleAllocated() || (::GetWindowLongPtrA(Handle(), GWL_STYLE) & ES_MULTILINE)) Change();
      return;
    case WM_CONTEXTMENU:
      return ContextMenuMessage(message);
    case WM_AFTERDISPATCH:
      return FreeContextMenu();
    default:
      break;
  }
  TCustomMaskEdit::Dispatch(message);
}

// ---- context menu ----

String TspCustomEdit::MenuCaption(const char* resourceName, const char* builtIn) const {
  TspSkinData* data = SPEditMenuHooks().FormSkinData(GetParentForm(this));
  if (data && data->ResourceStrData()) {
    String text = data->ResourceStrData()->GetResStr(resourceName);
    if (!text.empty()) return text;  // a name missing from the skin keeps the built-in text
  }
  return builtIn;
}

namespace {

bool ClipboardHasText() {
  if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(nullptr)) return false;
  bool has = false;
  if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
    if (auto* text = static_cast<const char*>(::GlobalLock(data))) {
      has = text[0] != 0;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return has;
}

}  // namespace

void TspCustomEdit::BuildContextMenu() {
  FreeContextMenu();
  menu_ = SPEditMenuHooks().CreateMenu(this);
  bool selection = SelLength() > 0;
  int length = static_cast<int>(Text().size());
  struct Row {
    const char* Name;
    const char* BuiltIn;
    bool Enabled;
    void (TspCustomEdit::*Command)();
  };
  const Row rows[] = {
      {"EDIT_UNDO", "Undo", CanUndo(), &TspCustomEdit::DoUndo},
      {nullptr, "-", true, nullptr},
      {"EDIT_CUT", "Cut", selection && !readOnly_, &TspCustomEdit::DoCut},
      {"EDIT_COPY", "Copy", selection, &TspCustomEdit::DoCopy},
      {"EDIT_PASTE", "Paste", !readOnly_ && ClipboardHasText(), &TspCustomEdit::DoPaste},
      {"EDIT_DELETE", "Delete", selection && !readOnly_, &TspCustomEdit::DoDelete},
      {nullptr, "-", true, nullptr},
      {"EDIT_SELECTALL", "Select All", !(SelStart() == 0 && SelLength() == length), &TspCustomEdit::DoSelectAll},
  };
  for (const Row& row : rows) {
    auto* item = new TMenuItem(menu_);
    item->SetCaption(row.Name ? MenuCaption(row.Name, row.BuiltIn) : String(row.BuiltIn));
    item->SetEnabled(row.Enabled);
    if (row.Command) {
      auto command = row.Command;
      item->OnClick = TNotifyEvent::Function([this, command](TObject*) { (this->*command)(); });
    }
    menu_->Items()->Add(item);
  }
}

void TspCustomEdit::ContextMenuMessage(TMessage& message) {
  if (PopupMenu()) return TCustomMaskEdit::Dispatch(message);
  BuildContextMenu();
  PopupEditMenu(menu_, this, message.LParam);
  message.Result = 1;
}

void TspCustomEdit::FreeContextMenu() {
  delete menu_;
  menu_ = nullptr;
}
