#include "skin/controls/SkinCustomListView.h"

#include "skin/controls/EditMenuSeam.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinHeaderSection.h"
#include "skin/draw/SkinRects.h"

TspSkinCustomListView::TspSkinCustomListView(TComponent* owner)
    : TCustomListView(owner), defaultFont_(std::make_unique<TFont>()) {
  SetRecordFont(defaultFont_.get(), "Arial", 0, 14);
  Font()->Assign(defaultFont_.get());
}

TspSkinCustomListView::~TspSkinCustomListView() { header_.Restore(); }

// ---- properties ----

void TspSkinCustomListView::SetSkinData(TspSkinData* value) {
  skinData_ = value;
  if (value) value->FreeNotification(this);
  if (value && !value->Empty && !HasState(csDesigning)) ChangeSkinData();
}

void TspSkinCustomListView::SetDefaultFont(const TFont* value) {
  defaultFont_->Assign(value);
  if (!RecordFound()) Font()->Assign(value);
}

void TspSkinCustomListView::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (!RecordFound()) SetColor(value);
}

void TspSkinCustomListView::SetVScrollBar(TspSkinScrollBar* value) {
  bars_.SetV(value, this, TNotifyEvent(this, &TspSkinCustomListView::OnVScrollBarChange));
  UpDateScrollBars();
}

void TspSkinCustomListView::SetHScrollBar(TspSkinScrollBar* value) {
  bars_.SetH(value, this, TNotifyEvent(this, &TspSkinCustomListView::OnHScrollBarChange));
  UpDateScrollBars();
}

void TspSkinCustomListView::Notification(TComponent* component, TOperation operation) {
  TCustomListView::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  bars_.Forget(component);
}

void TspSkinCustomListView::ChangeSkinData() {
  auto* record = FindRecord<TspDataSkinListView>(skinData_, SkinDataName, &recordIndex_);
  if (!skinData_ || skinData_->Empty) recordIndex_ = -1;
  if (!record) {
    recordIndex_ = -1;
    SetColor(defaultColor_);
    Font()->Assign(defaultFont_.get());
  } else {
    if (UseSkinFont) SetRecordFont(Font(), record->fontname, record->fontstyle, record->fontheight);
    else Font()->Assign(defaultFont_.get());
    Font()->SetColor(record->fontcolor);
    SetColor(record->bgcolor);
  }
  Font()->SetCharset(SkinCharset(skinData_, defaultFont_.get()));
  UpDateScrollBars();
  bars_.Realign();
  if (ViewStyle() == vsReport && header_.Attached()) ::InvalidateRect(header_.Window(), nullptr, TRUE);
}

void TspSkinCustomListView::Loaded() {
  TCustomListView::Loaded();
  ChangeSkinData();
}

// ---- window ----

void TspSkinCustomListView::CreateParams(TCreateParams& params) {
  TCustomListView::CreateParams(params);
  params.Style &= ~(WS_HSCROLL | WS_VSCROLL);
}

void TspSkinCustomListView::CreateWnd() {
  TCustomListView::CreateWnd();
  HWND header = HeaderHandle();
  if (header && header != header_.Window()) HeaderCreated(header);
}

// The header window dies with the list view's window: it gets its procedure
// back first; a re-created window brings a new header, attached when it comes.
void TspSkinCustomListView::DestroyWnd() {
  header_.Restore();
  TCustomListView::DestroyWnd();
}

void TspSkinCustomListView::HeaderCreated(HWND header) {
  if (!ShowColumnHeaders()) return;
  header_.Restore();
  header_.Attach(header, TWndMethod(this, &TspSkinCustomListView::HeaderWndProc));
}

void TspSkinCustomListView::WndProc(TMessage& message) {
  TCustomListView::WndProc(message);
  switch (message.Msg) {
    case WM_SIZE:
    case WM_PAINT:
      if (!bars_.InCheck()) UpDateScrollBars();
      break;
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEWHEEL:
      UpDateScrollBars();
      break;
    default:
      break;
  }
}

void TspSkinCustomListView::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      message.Result = 0;  // no border and no native bars: the skinned bars stand beside the view
      return;
    case CM_VISIBLECHANGED:
      TCustomListView::Dispatch(message);
      return bars_.FollowVisible(Visible());
    case CM_SENCPAINT:
      message.Result = 12851;
      return;
    case CM_SEPAINT:
      if (header_.Attached() && message.WParam) PaintHeader(reinterpret_cast<HDC>(message.WParam));
      return;
    default:
      TCustomListView::Dispatch(message);
  }
}

// ---- header ----

TRect TspSkinCustomListView::GetHeaderSectionRect(Integer index) {
  HWND header = header_.Window();
  RECT r{};
  if (!header) return {};
  Integer item = index;
  if (FullDrag()) {
    int count = static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    if (count > 0 && index < count) {
      std::vector<int> order(count);
      if (::SendMessageA(header, HDM_GETORDERARRAY, count, reinterpret_cast<LPARAM>(order.data())))
        item = order[index];
    }
  }
  ::SendMessageA(header, HDM_GETITEMRECT, item, reinterpret_cast<LPARAM>(&r));
  return {r.left, r.top, r.right, r.bottom};
}

void TspSkinCustomListView::PaintHeader(HDC given) {
  HWND header = header_.Window();
  if (!header) return;
  PAINTSTRUCT ps;
  HDC dc = given ? given : ::BeginPaint(header, &ps);
  TCanvas canvas;
  canvas.SetHandle(dc);
  TspButtonRecordLook look;
  // A record under the header's name that is not a button record paints the default header.
  look.Find(skinData_, HeaderSkinDataName);
  Integer right = 0;
  int count = static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count && i < Columns()->Count(); ++i) {
    TRect r = GetHeaderSectionRect(i);
    TListColumn* column = Columns()->Items(i);
    TspHeaderSectionPaint paint;
    paint.Text = column->Caption();
    paint.Alignment = column->Alignment();
    paint.Images = SmallImages();
    paint.ImageIndex = column->ImageIndex();
    paint.Pressed = i == activeSection_ && headerDown_;
    paint.Font = Font();
    if (OnDrawHeaderSection) {
      bool pressed = paint.Pressed;
      paint.CustomDraw = [this, column, pressed, r](TCanvas* c, const TRect&) {
        OnDrawHeaderSection(c, column, pressed, TRect{0, 0, RectWidth(r), RectHeight(r)});
      };
    }
    DrawHeaderSection(&canvas, r, look, paint);
    right = std::max(right, r.Right);
  }
  RECT client;
  ::GetClientRect(header, &client);
  DrawHeaderRest(&canvas, TRect{right, 0, client.right, client.bottom}, look);
  canvas.SetHandle(nullptr);
  if (!given) ::EndPaint(header, &ps);
}

// The press shows only off the divider: dragging a divider resizes, it does
// not press the section.
void TspSkinCustomListView::HeaderWndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGING:
      reinterpret_cast<WINDOWPOS*>(message.LParam)->cx += 4;
      return;
    case WM_PAINT:
      PaintHeader(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      break;
    case WM_ERASEBKGND:
      message.Result = 1;
      break;
    default:
      header_.CallPrevious(message);
      break;
  }
  if (message.Msg == WM_LBUTTONDOWN) {
    POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    activeSection_ = -1;
    for (int i = 0; i < Columns()->Count(); ++i)
      if (PointInRect(GetHeaderSectionRect(i), TPoint{p.x, p.y})) {
        activeSection_ = i;
        break;
      }
    HDHITTESTINFO hit{};
    hit.pt = p;
    ::SendMessageA(header_.Window(), HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    headerDown_ = hit.flags != HHT_ONDIVIDER && hit.flags != HHT_ONDIVOPEN;
  } else if (message.Msg == WM_LBUTTONUP) {
    headerDown_ = false;
    activeSection_ = -1;
  } else {
    return;
  }
  if (header_.Attached()) ::RedrawWindow(header_.Window(), nullptr, nullptr, RDW_INVALIDATE);
}

// ---- scroll bars ----

void TspSkinCustomListView::ReportBars(bool& changed) {
  HWND window = Handle();
  if (TspSkinScrollBar* bar = bars_.V()) {
    int min = 0, max = 0;
    ::GetScrollRange(window, SB_VERT, &min, &max);
    int pos = ::GetScrollPos(window, SB_VERT);
    int rows = VisibleRowCount();
    if (max == 0 && Items()->Count() > 0) {  // no native range kept: the rows are counted here
      max = Items()->Count() - 1;
      TListItem* top = TopItem();
      pos = top ? top->Index() : 0;
    }
    bool visible = rows < max + 1 && Visible();
    bars_.SetVisible(bar, visible, changed);
    if (visible) {
      bar->SetRange(min, max, pos, rows);
      oldVPos_ = pos;
      bar->SetSmallChange(1);
      bar->SetLargeChange(rows < 1 ? 1 : rows);
    }
  }
  if (TspSkinScrollBar* bar = bars_.H()) {
    int min = 0, max = 0;
    ::GetScrollRange(window, SB_HORZ, &min, &max);
    int pos = ::GetScrollPos(window, SB_HORZ);
    bool visible = max > Width() && Visible();
    bars_.SetVisible(bar, visible, changed);
    if (visible) {
      bar->SetRange(min, max, pos, Width());
      oldHPos_ = pos;
    }
  }
}

void TspSkinCustomListView::IconBars(bool& changed) {
  HWND window = Handle();
  Integer step = Items()->Count() > 0 ? RectHeight(Items()->Item(0)->DisplayRect(drBounds)) / 2 : 0;
  if (step == 0) step = 1;
  for (int axis = 0; axis < 2; ++axis) {
    TspSkinScrollBar* bar = axis == 0 ? bars_.V() : bars_.H();
    if (!bar) continue;
    int kind = axis == 0 ? SB_VERT : SB_HORZ;
    int min = 0, max = 0;
    ::GetScrollRange(window, kind, &min, &max);
    int pos = ::GetScrollPos(window, kind);
    Integer extent = axis == 0 ? Height() : Width();
    bool visible = max > extent && Visible();
    bars_.SetVisible(bar, visible, changed);
    if (!visible) continue;
    bar->SetSmallChange(step);
    bar->SetLargeChange(step);
    bar->SetRange(min, max, pos, extent);
    (axis == 0 ? oldVPos_ : oldHPos_) = pos;
  }
}

void TspSkinCustomListView::ListBars(bool& changed) {
  bars_.SetVisible(bars_.V(), false, changed);
  TspSkinScrollBar* bar = bars_.H();
  if (!bar) return;
  int min = 0, max = 0;
  ::GetScrollRange(Handle(), SB_HORZ, &min, &max);
  int pos = ::GetScrollPos(Handle(), SB_HORZ);
  Integer column = Items()->Count() > 0 ? RectWidth(Items()->Item(0)->DisplayRect(drBounds)) : 0;
  if (column == 0) column = 1;
  bool visible = VisibleRowCount() < Items()->Count() && Visible();
  bars_.SetVisible(bar, visible, changed);
  if (!visible) return;
  bar->SetRange(min, max, pos, Width() / column);
  bar->SetSmallChange(1);
  bar->SetLargeChange(1);
  oldHPos_ = pos;
}

// Mirrors the native scroll state into the attached bars; never while a bar is
// scrolling the view (no feedback loop) nor while it changes a bar itself.
void TspSkinCustomListView::UpDateScrollBars() {
  if (!HandleAllocated() || bars_.Busy() || Width() < 6 || Height() < 6) return;
  if (!bars_.V() && !bars_.H()) return;
  bool changed = false;
  switch (ViewStyle()) {
    case vsReport: ReportBars(changed); break;
    case vsList: ListBars(changed); break;
    default: IconBars(changed); break;
  }
  bars_.Finish(this, changed);
}

void TspSkinCustomListView::OnVScrollBarChange(TObject*) {
  TspSkinScrollBar* bar = bars_.V();
  if (!bar) return;
  bars_.FromBar([&] {
    Integer delta = bar->Position() - oldVPos_;
    if ((ViewStyle() == vsReport || ViewStyle() == vsList) && Items()->Count() > 0)
      delta *= RectHeight(Items()->Item(0)->DisplayRect(drBounds));
    Scroll(0, delta);
    oldVPos_ = bar->Position();
  });
}

void TspSkinCustomListView::OnHScrollBarChange(TObject*) {
  if (!bars_.H()) return;
  Integer position = bars_.H()->Position();
  bars_.FromBar([&] {
    if (ViewStyle() == vsList) {
      WPARAM code = position < oldHPos_ ? SB_LINELEFT : SB_LINERIGHT;
      for (Integer i = std::abs(position - oldHPos_); i > 0; --i) ::SendMessageA(Handle(), WM_HSCROLL, code, 0);
    } else {
      Scroll(position - oldHPos_, 0);
    }
    oldHPos_ = position;
  });
}
