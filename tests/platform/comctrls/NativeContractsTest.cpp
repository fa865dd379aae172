// What the skinned page, tab and list controls take from the system's common
// controls, asked of the raw windows: the tab control's display rectangle,
// item sizes and scrolled-out tabs; the header's hit test and order array;
// the list view's scroll state with its scroll bars left out of the style.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/core/WinApi.h"
#include "tests/harness/WindowPump.h"

#include <commctrl.h>

namespace {

// A raw common control on a plain top-level host, both destroyed at the end.
class NativeWindow {
public:
  NativeWindow(const char* className, DWORD style, int width, int height) {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&init);
    host_ = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, width + 20, height + 20, nullptr,
                              nullptr, nullptr, nullptr);
    window_ = ::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, width, height, host_, nullptr,
                                nullptr, nullptr);
  }
  ~NativeWindow() { ::DestroyWindow(host_); }
  HWND Handle() const { return window_; }
  LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return ::SendMessageA(window_, msg, w, l); }
  template <class T>
  LRESULT Send(UINT msg, WPARAM w, T* l) const {
    return ::SendMessageA(window_, msg, w, reinterpret_cast<LPARAM>(l));
  }

private:
  HWND host_ = nullptr;
  HWND window_ = nullptr;
};

void AddTabs(const NativeWindow& tabs, int count, int image = -1) {
  for (int i = 0; i < count; ++i) {
    std::string text = "Tab number " + std::to_string(i);
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text.data();
    item.iImage = image;
    tabs.Send(TCM_INSERTITEMA, i, &item);
  }
}

RECT ItemRect(const NativeWindow& tabs, int index, bool* answered = nullptr) {
  RECT r{};
  bool ok = tabs.Send(TCM_GETITEMRECT, index, &r) != 0;
  if (answered) *answered = ok;
  return r;
}

// ---- tab control ----

// The page control asks TCM_ADJUSTRECT for its display rectangle and then
// moves it; the native answer must lie below the tab row and inside the
// window, and the larger direction must give back the window rectangle.
TEST(NativeTabControl, AdjustRectPlacesTheDisplayBelowTheTabs) {
  NativeWindow tabs(WC_TABCONTROLA, 0, 300, 200);
  AddTabs(tabs, 3);
  RECT client;
  ::GetClientRect(tabs.Handle(), &client);
  RECT display = client;
  tabs.Send(TCM_ADJUSTRECT, FALSE, &display);
  RECT tab = ItemRect(tabs, 0);
  EXPECT_GE(display.top, tab.bottom);
  EXPECT_GT(display.left, client.left);
  EXPECT_LT(display.right, client.right);
  EXPECT_LT(display.bottom, client.bottom);
  RECT back = display;
  tabs.Send(TCM_ADJUSTRECT, TRUE, &back);
  EXPECT_EQ(back.left, client.left);
  EXPECT_EQ(back.top, client.top);
  EXPECT_EQ(back.right, client.right);
  EXPECT_EQ(back.bottom, client.bottom);
}

// The skinned tabs set their height with TCM_SETITEMSIZE and reserve room for
// their own image and close button through the width of the image list.
TEST(NativeTabControl, ItemSizeAndImageRoomWidenTheTabs) {
  NativeWindow tabs(WC_TABCONTROLA, 0, 600, 200);
  AddTabs(tabs, 2, 0);
  RECT plain = ItemRect(tabs, 0);
  tabs.Send(TCM_SETITEMSIZE, 0, MAKELPARAM(0, 31));
  RECT tall = ItemRect(tabs, 0);
  EXPECT_EQ(tall.bottom - tall.top, 31);
  HIMAGELIST images = ImageList_Create(24, 8, ILC_COLOR24, 1, 1);
  HBITMAP bitmap = ::CreateBitmap(24, 8, 1, 32, nullptr);
  ImageList_Add(images, bitmap, nullptr);
  tabs.Send(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
  RECT wide = ItemRect(tabs, 0);
  EXPECT_GE((wide.right - wide.left) - (plain.right - plain.left), 24);
  RECT second = ItemRect(tabs, 1);
  EXPECT_EQ(second.left, wide.right) << "the next tab follows the widened one";
  tabs.Send(TCM_SETIMAGELIST, 0, LPARAM(0));
  ImageList_Destroy(images);
  ::DeleteObject(bitmap);
}

// The first tab shown in a single row of more tabs than fit.
int FirstShownTab(const NativeWindow& tabs, int count) {
  for (int i = 0; i < count; ++i) {
    bool answered = false;
    RECT r = ItemRect(tabs, i, &answered);
    if (answered && r.right > 0) return i;
  }
  return -1;
}

// A single row of more tabs than fit gets the native scroller, which the
// skinned controls replace by their own up-down: each WM_HSCROLL with
// SB_THUMBPOSITION moves the row toward that tab (Wine moves it one tab a
// message, so the controls repeat it). A tab scrolled out to the left has no
// rectangle (or one left of the row); one past the right end lies beyond it
// (Wine fills the rectangle but answers FALSE), so the controls work both out
// from their neighbours.
TEST(NativeTabControl, ScrolledOutTabs) {
  NativeWindow tabs(WC_TABCONTROLA, 0, 250, 120);
  AddTabs(tabs, 8);
  EXPECT_NE(::FindWindowExA(tabs.Handle(), nullptr, UPDOWN_CLASSA, nullptr), nullptr);
  RECT first = ItemRect(tabs, 0);
  EXPECT_EQ(FirstShownTab(tabs, 8), 0);
  tabs.Send(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), 0);
  int shown = FirstShownTab(tabs, 8);
  EXPECT_GE(shown, 1) << "the row moved toward tab 3";
  EXPECT_LE(shown, 3);
  for (int i = 0; i < 3 && FirstShownTab(tabs, 8) != 3; ++i) tabs.Send(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3), 0);
  ASSERT_EQ(FirstShownTab(tabs, 8), 3) << "repeated, the row gets there";
  EXPECT_EQ(ItemRect(tabs, 3).left, first.left) << "the first shown tab starts the row";
  bool answered = true;
  RECT gone = ItemRect(tabs, 2, &answered);
  EXPECT_TRUE(!answered || gone.right <= 0) << "a tab scrolled out lies left of the row or has no rectangle";
  EXPECT_GT(ItemRect(tabs, 7).left, 250) << "a tab past the end lies beyond the right edge";
}

// ---- header ----

// The skinned list view and header tell a press on a divider from a press on
// a section by HDM_HITTEST, and place sections through the order array.
TEST(NativeHeader, HitTestAndOrderArray) {
  NativeWindow header(WC_HEADERA, HDS_BUTTONS | HDS_DRAGDROP, 300, 24);
  for (int i = 0; i < 3; ++i) {
    std::string text = "Column " + std::to_string(i);
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text.data();
    item.cxy = 60 + 20 * i;  // 60, 80, 100
    item.fmt = HDF_STRING;
    header.Send(HDM_INSERTITEMA, i, &item);
  }
  struct Case {
    const char* what;
    int x;
    UINT flags;
    int item;
  } cases[] = {
      {"inside the first section", 20, HHT_ONHEADER, 0},
      {"on the divider after it", 60, HHT_ONDIVIDER, 0},
      {"inside the third section", 200, HHT_ONHEADER, 2},
      {"right of the last section", 280, HHT_NOWHERE, -1},
  };
  for (const Case& c : cases) {
    HDHITTESTINFO hit{};
    hit.pt = {c.x, 10};
    header.Send(HDM_HITTEST, 0, &hit);
    EXPECT_EQ(hit.flags & (HHT_ONHEADER | HHT_ONDIVIDER | HHT_NOWHERE), c.flags) << c.what;
    if (c.item >= 0) {
      EXPECT_EQ(hit.iItem, c.item) << c.what;
    }
  }

  int order[3] = {2, 0, 1};
  EXPECT_TRUE(header.Send(HDM_SETORDERARRAY, 3, order));
  int read[3] = {-1, -1, -1};
  EXPECT_TRUE(header.Send(HDM_GETORDERARRAY, 3, read));
  EXPECT_EQ(std::vector<int>(read, read + 3), std::vector<int>(order, order + 3));
  RECT r{};
  header.Send(HDM_GETITEMRECT, 2, &r);
  EXPECT_EQ(r.left, 0) << "item 2 is shown first";
  EXPECT_EQ(r.right, 100);
  header.Send(HDM_GETITEMRECT, 0, &r);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(header.Send(HDM_ORDERTOINDEX, 2), 1);
}

// ---- list view ----

// The skinned list view creates its window without WS_VSCROLL and WS_HSCROLL
// and mirrors the native scroll state into its own bars: the list view keeps
// that state in every view style (rows in report view, pixels in the icon
// views, columns in list view), and sets the scroll bar styles again itself
// once it needs them (the skinned control's empty non-client area keeps them
// from taking room).
TEST(NativeListView, ScrollStateWithoutScrollBarStyles) {
  NativeWindow view(WC_LISTVIEWA, LVS_REPORT, 200, 120);
  ASSERT_EQ(::GetWindowLongA(view.Handle(), GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL), 0);
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH | LVCF_TEXT;
  column.cx = 400;
  column.pszText = const_cast<char*>("Name");
  view.Send(LVM_INSERTCOLUMNA, 0, &column);
  for (int i = 0; i < 40; ++i) {
    std::string text = "Row " + std::to_string(i);
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = text.data();
    view.Send(LVM_INSERTITEMA, 0, &item);
  }
  PumpMessages();
  int perPage = static_cast<int>(view.Send(LVM_GETCOUNTPERPAGE));
  int min = -1, max = -1;
  ::GetScrollRange(view.Handle(), SB_VERT, &min, &max);
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 39);
  SCROLLINFO info{sizeof(info), SIF_ALL};
  ::GetScrollInfo(view.Handle(), SB_VERT, &info);
  EXPECT_EQ(static_cast<int>(info.nPage), perPage);
  RECT row{LVIR_BOUNDS};
  view.Send(LVM_GETITEMRECT, 0, &row);
  view.Send(LVM_SCROLL, 0, (row.bottom - row.top) * 5);
  EXPECT_EQ(::GetScrollPos(view.Handle(), SB_VERT), 5);
  EXPECT_EQ(view.Send(LVM_GETTOPINDEX), 5);
  ::GetScrollRange(view.Handle(), SB_HORZ, &min, &max);
  EXPECT_GT(max, 200) << "the horizontal range covers the 400 pixel column";
  EXPECT_NE(::GetWindowLongA(view.Handle(), GWL_STYLE) & WS_VSCROLL, 0) << "the list view asked for its bar";

  struct Style {
    const char* what;
    DWORD style;
    bool vertical, horizontal;  // which axis has more than a page
  } styles[] = {
      {"icons", LVS_ICON, true, false},
      {"small icons", LVS_SMALLICON, true, false},
      {"list", LVS_LIST, false, true},
  };
  for (const Style& s : styles) {
    ::SetWindowLongA(view.Handle(), GWL_STYLE, (::GetWindowLongA(view.Handle(), GWL_STYLE) & ~LVS_TYPEMASK) | s.style);
    PumpMessages();
    for (int bar : {SB_VERT, SB_HORZ}) {
      SCROLLINFO axis{sizeof(axis), SIF_ALL};
      ::GetScrollInfo(view.Handle(), bar, &axis);
      bool more = axis.nMax + 1 > static_cast<int>(axis.nPage);
      EXPECT_EQ(more, bar == SB_VERT ? s.vertical : s.horizontal) << s.what << (bar == SB_VERT ? " vertical" : " horizontal");
    }
  }
}

}  // namespace
