#include "skin/controls/views/SkinTreeView.h"

#include "platform/controls/Messages.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinPaintMessages.h"

TspSkinCustomTreeView::TspSkinCustomTreeView(TComponent* owner)
    : TCustomTreeView(owner), defaultFont_(std::make_unique<TFont>()) {
  defaultFont_->SetName("Arial");
  defaultFont_->SetHeight(14);
  defaultFont_->SetStyle(0);
}

void TspSkinCustomTreeView::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value && !value->Empty && !HasState(csDesigning)) ChangeSkinData();
}

void TspSkinCustomTreeView::SetDefaultFont(const TFont* value) {
  defaultFont_->Assign(value);
  if (skinIndex_ == -1) Font()->Assign(value);
}

void TspSkinCustomTreeView::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (skinIndex_ == -1) SetColor(value);
}

void TspSkinCustomTreeView::SetVScrollBar(TspSkinScrollBar* value) {
  bars_.SetV(value, this, TNotifyEvent(this, &TspSkinCustomTreeView::OnVScrollBarChange));
  UpDateScrollBars();
}

void TspSkinCustomTreeView::SetHScrollBar(TspSkinScrollBar* value) {
  bars_.SetH(value, this, TNotifyEvent(this, &TspSkinCustomTreeView::OnHScrollBarChange));
  UpDateScrollBars();
}

void TspSkinCustomTreeView::Notification(TComponent* component, TOperation operation) {
  TCustomTreeView::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  bars_.Forget(component);
}

void TspSkinCustomTreeView::ChangeSkinData() {
  if (HasState(csLoading)) return;
  auto* record = FindRecord<TspDataSkinTreeView>(skinData_, SkinDataName, &skinIndex_);
  if (!record) {
    SetColor(defaultColor_);
    Font()->Assign(defaultFont_.get());
  } else {
    if (UseSkinFont) SetRecordFont(Font(), record->fontname, record->fontstyle, record->fontheight);
    else Font()->Assign(defaultFont_.get());
    Font()->SetColor(record->fontcolor);
    SetColor(record->bgcolor);
  }
  Font()->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
  if (HandleAllocated()) ::SendMessageA(Handle(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
  if (HandleAllocated()) ::SendMessageA(Handle(), TVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Font()->Color())));
  if (Images()) ::ImageList_SetBkColor(Images()->Handle(), ColorToRGB(Color()));
  if (StateImages()) ::ImageList_SetBkColor(StateImages()->Handle(), ColorToRGB(Color()));
  UpDateScrollBars();
  bars_.Realign();
}

void TspSkinCustomTreeView::Loaded() {
  TCustomTreeView::Loaded();
  ChangeSkinData();
}

void TspSkinCustomTreeView::CreateParams(TCreateParams& params) {
  TCustomTreeView::CreateParams(params);
  params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TspSkinCustomTreeView::Change(TTreeNode* node) {
  TCustomTreeView::Change(node);
  UpDateScrollBars();
}

// The bars show only when there is something to scroll.
void TspSkinCustomTreeView::UpDateScrollBars() {
  if (HasState(csLoading) || bars_.Busy() || !HandleAllocated()) return;
  bool changed = false;
  if (TspSkinScrollBar* bar = bars_.V()) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL};
    ::GetScrollInfo(Handle(), SB_VERT, &info);
    int rows = VisibleCount();
    bool show = info.nMax > 0 && rows <= info.nMax && info.nMax < Items()->Count() && Visible();
    bars_.SetVisible(bar, show, changed);
    if (show) bar->SetRange(info.nMin, info.nMax, info.nPos, rows);
  }
  if (TspSkinScrollBar* bar = bars_.H()) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL};
    ::GetScrollInfo(Handle(), SB_HORZ, &info);
    bool show = Width() < info.nMax && Visible();
    bars_.SetVisible(bar, show, changed);
    if (show) bar->SetRange(info.nMin, info.nMax, info.nPos, Width());
  }
  bars_.Finish(this, changed);
}

// The first shown row is chosen by its place among the rows that can be shown,
// so positions past 16 bits scroll as well as small ones.
void TspSkinCustomTreeView::OnVScrollBarChange(TObject*) {
  if (!bars_.V() || !HandleAllocated()) return;
  bars_.FromBar([this] { ShowFirstRow(bars_.V()->Position()); });
}

void TspSkinCustomTreeView::ShowFirstRow(Integer row) {
  HWND tree = Handle();
  auto item = reinterpret_cast<HTREEITEM>(::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
  for (Integer i = 0; item && i < row; ++i) {
    auto next = reinterpret_cast<HTREEITEM>(
        ::SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(item)));
    if (!next) break;
    item = next;
  }
  if (item) ::SendMessageA(tree, TVM_SELECTITEM, TVGN_FIRSTVISIBLE, reinterpret_cast<LPARAM>(item));
}

void TspSkinCustomTreeView::OnHScrollBarChange(TObject*) {
  if (!bars_.H() || !HandleAllocated()) return;
  bars_.FromBar([this] { ScrollHorzTo(bars_.H()->Position()); });
}

void TspSkinCustomTreeView::ScrollHorzTo(Integer target) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS};
  info.nPos = target;
  ::SetScrollInfo(Handle(), SB_HORZ, &info, FALSE);
  if (target <= 0xFFFF) {
    ::SendMessageA(Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, target), 0);
    return;
  }
  for (int guard = 0; guard < 100000; ++guard) {  // steps past 16 bits, a line at a time
    Integer now = ::GetScrollPos(Handle(), SB_HORZ);
    if (now == target) break;
    ::SendMessageA(Handle(), WM_HSCROLL, now < target ? SB_LINERIGHT : SB_LINELEFT, 0);
    if (::GetScrollPos(Handle(), SB_HORZ) == now) break;
  }
}

void TspSkinCustomTreeView::WndProc(TMessage& message) {
  TCustomTreeView::WndProc(message);
  switch (message.Msg) {
    case WM_SIZE:
      if (!bars_.InCheck()) UpDateScrollBars();
      break;
    case WM_PAINT:
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEWHEEL:
      UpDateScrollBars();
      break;
    default:
      break;
  }
}

void TspSkinCustomTreeView::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      message.Result = 0;  // no native bars: the skinned ones stand beside the view
      return;
    case CM_VISIBLECHANGED:
      TCustomTreeView::Dispatch(message);
      return bars_.FollowVisible(Visible());
    case CM_SENCPAINT:
      message.Result = 12851;
      return;
    default:
      TCustomTreeView::Dispatch(message);
  }
}
