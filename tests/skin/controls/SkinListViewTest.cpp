// The skinned list view and header control: the attached bars with 0, 1 and 3
// pages of rows, Both toggling without a feedback loop, the icon and list
// styles scrolled through the bars, the header's pressed
// look off the divider only, a header record of the wrong class, and the
// header control's section click.
#include <gtest/gtest.h>

#include <cstdint>

#include "skin/controls/SkinCustomListView.h"
#include "skin/controls/SkinHeaderControl.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/BoxFixtures.h"

namespace {

struct ViewHost {
  BoxForm host;
  TspSkinListView* view = host.Make<TspSkinListView>({10, 10, 310, 210});
  TspSkinScrollBar* vbar = host.Make<TspSkinScrollBar>({310, 10, 329, 210});
  TspSkinScrollBar* hbar = host.Make<TspSkinScrollBar>({10, 210, 310, 229});
  ViewHost() {
    view->SetViewStyle(vsReport);
    for (const char* name : {"Name", "Duration", "Status"}) {
      TListColumn* column = view->Columns()->Add();
      column->SetCaption(name);
      column->SetWidth(80);
    }
    vbar->SetKind(sbVertical);
    view->SetVScrollBar(vbar);
    view->SetHScrollBar(hbar);
  }
  void Rows(int count) {
    for (int i = 0; i < count; ++i) view->Items()->Add()->SetCaption("title " + std::to_string(i));
    view->UpDateScrollBars();
  }
};

TEST(SkinListView, BarsFollowThePagesOfRows) {
  for (int pages : {0, 1, 3}) {
    ViewHost h;
    int perPage = h.view->VisibleRowCount();
    ASSERT_GT(perPage, 0);
    int rows = pages == 0 ? 0 : pages == 1 ? perPage : 3 * perPage;
    h.Rows(rows);
    bool shown = pages == 3;
    EXPECT_EQ(h.vbar->Visible(), shown) << pages << " pages";
    EXPECT_EQ(h.hbar->Both(), shown) << "Both follows the vertical bar, " << pages << " pages";
    if (shown) {
      EXPECT_EQ(h.vbar->PageSize(), perPage);
      EXPECT_EQ(h.vbar->LargeChange(), perPage);
      EXPECT_EQ(h.vbar->Max(), rows - 1);
    }
  }
}

TEST(SkinListView, ScrollingFromTheBarDoesNotFeedBack) {
  ViewHost h;
  h.Rows(60);
  ASSERT_TRUE(h.vbar->Visible());
  int changes = 0;
  TNotifyEvent viewHandler = h.vbar->OnChange;
  h.vbar->OnChange = TNotifyEvent::Function([&](TObject* s) {
    ++changes;
    viewHandler(s);
  });
  h.vbar->SetPosition(10);
  PumpMessages();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(h.view->TopItem()->Index(), 10);
  h.view->UpDateScrollBars();
  EXPECT_EQ(h.vbar->Position(), 10);
  EXPECT_EQ(changes, 1);
  h.view->Items()->Clear();
  h.view->UpDateScrollBars();
  EXPECT_FALSE(h.vbar->Visible());
  EXPECT_FALSE(h.hbar->Both());
}

// Icon, small icon and list views: the native scroll state reaches the bar of
// the axis that scrolls (pixels in the icon views, columns in list view), the
// bar scrolls the view, and the view paints its own background to its edges
// (no native bar takes room or shows).
TEST(SkinListView, IconAndListStylesScrollThroughTheBars) {
  struct Case {
    const char* what;
    TViewStyle style;
    bool vertical;  // the axis that scrolls
  };
  const Case cases[] = {
      {"icons", vsIcon, true},
      {"small icons", vsSmallIcon, true},
      {"list", vsList, false},
  };
  for (const Case& c : cases) {
    ViewHost h;
    BoxSkin skin;
    h.view->SetSkinData(&skin.data);
    h.view->SetViewStyle(c.style);
    h.Rows(60);
    PumpMessages();
    h.view->UpDateScrollBars();
    TspSkinScrollBar* bar = c.vertical ? h.vbar : h.hbar;
    TspSkinScrollBar* other = c.vertical ? h.hbar : h.vbar;
    ASSERT_TRUE(bar->Visible()) << c.what;
    EXPECT_FALSE(other->Visible()) << c.what;
    HWND window = h.view->Handle();
    int axis = c.vertical ? SB_VERT : SB_HORZ;
    SCROLLINFO info{sizeof(info), SIF_ALL};
    ::GetScrollInfo(window, axis, &info);
    EXPECT_EQ(bar->Max(), info.nMax) << c.what;
    EXPECT_EQ(bar->Position(), 0) << c.what;

    TRect before = h.view->Items()->Item(0)->DisplayRect(drBounds);
    int step = c.vertical ? 4 * bar->SmallChange() : 2;
    bar->SetPosition(step);
    PumpMessages();
    EXPECT_EQ(::GetScrollPos(window, axis), step) << c.what;
    TRect after = h.view->Items()->Item(0)->DisplayRect(drBounds);
    if (c.vertical) EXPECT_EQ(before.Top - after.Top, step) << c.what;
    else EXPECT_EQ(before.Left - after.Left, 2 * before.Width()) << c.what << ": two columns";
    h.view->UpDateScrollBars();
    EXPECT_EQ(bar->Position(), step) << c.what << ": no feedback";

    EXPECT_EQ(h.view->ClientWidth(), h.view->Width()) << c.what;
    EXPECT_EQ(h.view->ClientHeight(), h.view->Height()) << c.what;
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    CapturedPixels shot = CaptureClient(window);
    ASSERT_EQ(shot.Width, h.view->Width()) << c.what;
    EXPECT_EQ(shot.At(shot.Width - 1, shot.Height - 1) & 0xFFFFFF, 0xFFFFE0u) << c.what << ": the skin's background";
  }
}

TEST(SkinListView, HeaderIsSubclassedAndPressesOffTheDividerOnly) {
  ViewHost h;
  h.Rows(3);
  HWND header = h.view->SubclassedHeader();
  ASSERT_NE(header, nullptr);
  ASSERT_EQ(header, h.view->HeaderHandle());
  RECT first;
  ::SendMessageA(header, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.right / 2, 5));
  EXPECT_EQ(h.view->ActiveSection(), 0);
  EXPECT_TRUE(h.view->HeaderDown());
  ::SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(first.right / 2, 5));
  EXPECT_FALSE(h.view->HeaderDown());
  ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(first.right, 5));
  EXPECT_FALSE(h.view->HeaderDown()) << "on the divider the section does not press";
  ::SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(first.right, 5));
  h.view->SetViewStyle(vsIcon);
  h.view->SetViewStyle(vsReport);
  h.view->HandleNeeded();
  EXPECT_EQ(h.view->SubclassedHeader(), h.view->HeaderHandle()) << "a new header is taken over";
}

TEST(SkinListView, HeaderRecordOfAnotherClassPaintsTheDefaultHeader) {
  ViewHost h;
  BoxSkin skin;
  h.view->HeaderSkinDataName = "notbutton";
  h.view->SetSkinData(&skin.data);
  EXPECT_EQ(h.view->Color(), 0xE0FFFF);
  EXPECT_EQ(h.view->Font()->Color(), 0x400000);
  HWND header = h.view->SubclassedHeader();
  ASSERT_NE(header, nullptr);
  ::RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  CapturedPixels shot = CaptureClient(header);
  ASSERT_GT(shot.Width, 10);
  auto rgb = [](int index) {
    COLORREF c = ::GetSysColor(index);
    return static_cast<std::uint32_t>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
  };
  EXPECT_EQ(shot.At(0, 0), rgb(COLOR_BTNSHADOW)) << "the default clBtnShadow frame";
  EXPECT_EQ(shot.At(5, shot.Height / 2) & 0xFFFFFF, rgb(COLOR_BTNFACE)) << "the default clBtnFace fill";
}

TEST(SkinHeaderControl, SectionClickAndPinnedHeight) {
  BoxForm host;
  BoxSkin skin;
  auto* header = host.Make<TspSkinHeaderControl>({10, 10, 310, 40});
  for (int i = 0; i < 2; ++i) {
    THeaderSection* section = header->Sections()->Add();
    section->SetText("S" + std::to_string(i));
    section->SetWidth(100);
  }
  THeaderSection* clicked = nullptr;
  header->OnSkinSectionClick = TSectionNotifyEvent::Function([&](THeaderControl*, THeaderSection* s) { clicked = s; });
  header->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 5));
  EXPECT_TRUE(header->SectionDown());
  header->Perform(WM_LBUTTONUP, 0, MAKELPARAM(150, 5));
  EXPECT_EQ(clicked, header->Sections()->Items(1)) << "the section under the release";
  clicked = nullptr;
  header->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 5));
  header->Perform(WM_LBUTTONUP, 0, MAKELPARAM(100, 5));
  EXPECT_EQ(clicked, nullptr) << "a divider press clicks nothing";
  header->SetStyle(hsFlat);
  header->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 5));
  header->Perform(WM_LBUTTONUP, 0, MAKELPARAM(50, 5));
  EXPECT_EQ(clicked, nullptr) << "flat sections never click";
  header->SetSkinData(&skin.data);
  EXPECT_EQ(header->Height(), 30) << "a stretchable record keeps the height";
}

}  // namespace
