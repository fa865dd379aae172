#include "skin/controls/SkinPageControl.h"

#include "skin/draw/SkinRects.h"

TspSkinPageControl::TspSkinPageControl(TComponent* owner) : TspSkinTabs<TPageControl>(owner) {}

TspSkinCustomTabSheet* TspSkinPageControl::SkinPage(Integer pageIndex) const {
  if (pageIndex < 0 || pageIndex >= PageCount()) return nullptr;
  return dynamic_cast<TspSkinCustomTabSheet*>(Pages(pageIndex));
}

bool TspSkinPageControl::CheckVisibleTabs() const {
  for (int i = 0; i < PageCount(); ++i)
    if (Pages(i)->TabVisible()) return true;
  return false;
}

// ---- the pages behind the tabs ----

Integer TspSkinPageControl::ItemOfTab(Integer tab) const {
  Integer visible = -1;
  for (int i = 0; i < PageCount(); ++i)
    if (Pages(i)->TabVisible() && ++visible == tab) return i;
  return -1;
}

Integer TspSkinPageControl::ItemImage(Integer page) const {
  TspSkinCustomTabSheet* sheet = SkinPage(page);
  return sheet ? sheet->SkinImageIndex() : -1;
}

TspTabCloseRef TspSkinPageControl::ItemClose(Integer page) {
  TspSkinCustomTabSheet* sheet = SkinPage(page);
  if (!sheet) return {};
  return {&sheet->CloseHot, &sheet->ClosePressed, &sheet->CloseRect};
}

// ---- skin and selection ----

void TspSkinPageControl::ChangeSkinData() {
  TspSkinTabs<TPageControl>::ChangeSkinData();
  if (ActivePage()) ActivePage()->Invalidate();
}

void TspSkinPageControl::Change() {
  TspSkinTabs<TPageControl>::Change();
  if (ActivePage()) ActivePage()->Invalidate();
}

// Hidden tabs give the page one more pixel toward the tab side.
void TspSkinPageControl::AdjustRect(RECT& r) {
  TspSkinTabs<TPageControl>::AdjustRect(r);
  if (!tabsHidden_) return;
  switch (TabPosition()) {
    case tpTop: r.top -= 1; break;
    case tpBottom: if (HasRecord()) r.bottom += 1; break;
    case tpLeft: r.left -= 1; break;
    case tpRight: r.right += 1; break;
  }
}

// ---- closing a page ----

void TspSkinPageControl::DoClose() {
  TTabSheet* page = ActivePage();
  if (!page) return;
  bool canClose = true;
  OnClose(page, canClose);
  if (canClose) {
    page->SetTabVisible(false);
    if (FreeOnClose) delete page;
    OnAfterClose(this);
    return;
  }
  POINT cursor;
  ::GetCursorPos(&cursor);
  if (!HandleAllocated() || ::WindowFromPoint(cursor) != Handle()) {
    if (auto* sheet = dynamic_cast<TspSkinCustomTabSheet*>(page)) sheet->CloseHot = sheet->ClosePressed = false;
    Invalidate();
  }
}

// ---- hiding the tab row ----

void TspSkinPageControl::HideTabs() {
  if (tabsHidden_ || !CheckVisibleTabs()) return;
  tabsHidden_ = true;
  savedPosition_ = TabPosition();
  savedMultiLine_ = MultiLine();
  if (SideTabs()) SetTabPosition(tpTop);
  SetMultiLine(false);
  savedTabHeight_ = TabHeight();
  SetTabHeight(1);
  HideSkinUpDown();
  Realign();
  Invalidate();
}

void TspSkinPageControl::ShowTabs() {
  if (!tabsHidden_) return;
  SetTabPosition(savedPosition_);
  SetMultiLine(savedMultiLine_);
  tabsHidden_ = false;
  SetTabHeight(savedTabHeight_);
  GetSkinData();
  if (savedTabHeight_ <= 0 && HasRecord()) SetItemSize(TabWidth(), RectHeight(tabRect));
  savedTabHeight_ = -1;
  if (!MultiLine()) CheckScroll();
  Realign();
  Invalidate();
}

// ---- messages ----

void TspSkinPageControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      if (PageCount() > 0 && CheckVisibleTabs()) {
        message.Result = 1;
        return;
      }
      if (HasRecord() && message.WParam) {
        GetSkinData();
        TCanvas canvas;
        canvas.SetHandle(reinterpret_cast<HDC>(message.WParam));
        if (Picture) FillPageArea(&canvas, TRect{}, Width(), Height());
        canvas.SetHandle(nullptr);
        message.Result = 1;
        return;
      }
      break;
    case 0xB1C9:  // a skin frame asks for the non-client picture: there is none
      message.Result = 12851;
      return;
    default:
      break;
  }
  TspSkinTabs<TPageControl>::Dispatch(message);
}
