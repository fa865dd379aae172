#include <gtest/gtest.h>

#include "platform/comctrls/ComCtrls.h"
#include "platform/core/SysUtils.h"
#include "platform/published/ComCtrlsPublished.h"
#include "platform/published/FormDefinition.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"

namespace {

// A form like the main window's: an owner-drawn report list of titles.
const char* const kTitlesForm =
    "object TitlesForm: TTitlesForm\r\n"
    "  Left = 0\r\n"
    "  Top = 0\r\n"
    "  Width = 480\r\n"
    "  Height = 200\r\n"
    "  BorderStyle = bsNone\r\n"
    "  object lvTitles: TListView\r\n"
    "    Left = 0\r\n"
    "    Top = 0\r\n"
    "    Width = 480\r\n"
    "    Height = 200\r\n"
    "    Align = alClient\r\n"
    "    BorderStyle = bsNone\r\n"
    "    Columns = <\r\n"
    "      item\r\n"
    "        Caption = 'Name'\r\n"
    "        Width = 300\r\n"
    "      end\r\n"
    "      item\r\n"
    "        Alignment = taCenter\r\n"
    "        Caption = 'Duration'\r\n"
    "        Width = 60\r\n"
    "      end\r\n"
    "      item\r\n"
    "        Caption = 'Status'\r\n"
    "        Width = 100\r\n"
    "      end>\r\n"
    "    HideSelection = False\r\n"
    "    MultiSelect = True\r\n"
    "    OwnerDraw = True\r\n"
    "    ReadOnly = True\r\n"
    "    RowSelect = True\r\n"
    "    SmallImages = ImageList\r\n"
    "    TabOrder = 0\r\n"
    "    ViewStyle = vsReport\r\n"
    "    OnDrawItem = lvTitlesDrawItem\r\n"
    "    OnKeyPress = lvTitlesKeyPress\r\n"
    "    OnMouseUp = lvTitlesMouseUp\r\n"
    "    OnSelectItem = lvTitlesSelectItem\r\n"
    "  end\r\n"
    "  object ImageList: TImageList\r\n"
    "  end\r\n"
    "end\r\n";

class TTitlesForm : public TForm {
public:
  explicit TTitlesForm(TComponent* owner) : TForm(owner) {
    PublishCommonControlClasses();
    TFormBindings bindings;
    bindings.Field("lvTitles", lvTitles)
        .Field("ImageList", ImageList)
        .Handler("lvTitlesDrawItem", this, &TTitlesForm::lvTitlesDrawItem)
        .Handler("lvTitlesKeyPress", this, &TTitlesForm::lvTitlesKeyPress)
        .Handler("lvTitlesMouseUp", this, &TTitlesForm::lvTitlesMouseUp)
        .Handler("lvTitlesSelectItem", this, &TTitlesForm::lvTitlesSelectItem);
    ReadComponentText(this, kTitlesForm, bindings);
  }

  // Each row is filled with the colour its data points to; a selected row in blue.
  void lvTitlesDrawItem(TCustomListView* sender, TListItem* item, TRect rect, TOwnerDrawState state) {
    ++Drawn;
    TCanvas* canvas = sender->Canvas();
    canvas->Brush()->SetColor((state & odSelected) ? TColor(0xFF0000) : *static_cast<TColor*>(item->Data));
    canvas->FillRect(rect);
  }
  void lvTitlesKeyPress(TObject*, char& key) { Keys += key; }
  void lvTitlesMouseUp(TObject*, TMouseButton button, TShiftState, int x, int y) {
    if (button == mbLeft) MouseUps.push_back(TPoint{x, y});
  }
  void lvTitlesSelectItem(TObject*, TListItem* item, bool selected) {
    Selections.push_back({item, selected});
  }

  TListView* lvTitles = nullptr;      // borrowed from the definition
  TImageList* ImageList = nullptr;    // borrowed from the definition
  int Drawn = 0;
  String Keys;
  std::vector<TPoint> MouseUps;
  std::vector<std::pair<TListItem*, bool>> Selections;
};

TColor kRowColors[] = {0x0000FF, 0x00FF00, 0x00FFFF};

void AddTitles(TListView* view, int count) {
  for (int i = 0; i < count; ++i) {
    TListItem* item = view->Items()->Add();
    item->SetCaption("Title " + IntToStr(i + 1));
    item->SubItems()->Add("0:0" + IntToStr(i));
    item->SubItems()->Add("Ready");
    item->Data = &kRowColors[i % 3];
  }
}

String NativeText(TListView* view, int index, int column) {
  char buffer[64] = {};
  LVITEMA lvi = {};
  lvi.iSubItem = column;
  lvi.pszText = buffer;
  lvi.cchTextMax = sizeof(buffer);
  ::SendMessageA(view->Handle(), LVM_GETITEMTEXTA, index, reinterpret_cast<LPARAM>(&lvi));
  return buffer;
}

}  // namespace

// The definition makes a report list with its columns and switches; the window
// gets the matching styles and columns.
TEST(ListView, TakesItsPropertiesFromTheDefinition) {
  TTitlesForm form(nullptr);
  TListView* view = form.lvTitles;
  ASSERT_NE(view, nullptr);
  ASSERT_EQ(view->Columns()->Count(), 3);
  EXPECT_EQ(view->Columns()->Items(1)->Caption(), "Duration");
  EXPECT_EQ(view->Columns()->Items(1)->Alignment(), taCenter);
  EXPECT_EQ(view->Columns()->Items(0)->Width(), 300);
  EXPECT_EQ(view->SmallImages(), form.ImageList);
  EXPECT_TRUE(view->MultiSelect() && view->OwnerDraw() && view->ReadOnly() && view->RowSelect());
  EXPECT_FALSE(view->HideSelection());

  HWND window = view->Handle();
  const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_STYLE);
  EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_TRUE(style & LVS_OWNERDRAWFIXED);
  EXPECT_TRUE(style & LVS_SHOWSELALWAYS);
  EXPECT_FALSE(style & LVS_SINGLESEL);
  EXPECT_FALSE(style & LVS_EDITLABELS);
  EXPECT_TRUE(::SendMessageA(window, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_FULLROWSELECT);
  EXPECT_FALSE(::SendMessageA(window, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_HEADERDRAGDROP);
  view->SetFullDrag(true);
  EXPECT_TRUE(::SendMessageA(window, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_HEADERDRAGDROP);
  EXPECT_EQ(::SendMessageA(window, LVM_GETCOLUMNWIDTH, 2, 0), 100);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(::SendMessageA(window, LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
            form.ImageList->Handle());
  ASSERT_NE(view->HeaderHandle(), nullptr);
  EXPECT_EQ(::SendMessageA(view->HeaderHandle(), HDM_GETITEMCOUNT, 0, 0), 3);

  // Written back, the columns come out as they went in.
  String text = WriteComponentText(&form);
  EXPECT_NE(text.find("        Caption = 'Duration'\r\n        Width = 60\r\n        Alignment = taCenter\r\n"),
            String::npos)
      << text;
}

// Every row is painted by OnDrawItem with the row's own rectangle; the selected
// row gets the selected state.
TEST(ListView, OwnerDrawnRowsArePaintedByTheHandler) {
  TTitlesForm form(nullptr);
  TListView* view = form.lvTitles;
  AddTitles(view, 3);
  view->Items()->Item(2)->SetSelected(true);
  form.Show();
  PumpUntil([&] { return form.Drawn >= 3; });
  ASSERT_GE(form.Drawn, 3);
  PumpMessages();

  CapturedPixels pixels = CaptureClient(view->Handle());
  // Red and green rows by their data; the third row, selected, in blue.
  const std::uint32_t expected[] = {0xFF0000, 0x00FF00, 0x0000FF};
  for (int i = 0; i < 3; ++i) {
    TRect r = view->Items()->Item(i)->DisplayRect(drBounds);
    ASSERT_FALSE(r.IsEmpty()) << i;
    EXPECT_EQ(pixels.At(r.Left + 200, (r.Top + r.Bottom) / 2), expected[i]) << "row " << i;
    EXPECT_EQ(pixels.At(r.Left + 420, r.Top), expected[i]) << "row " << i;
  }
}

// GetItemAt answers the item whose display rectangle holds the point, anywhere on
// its row; below the last row there is none.
TEST(ListView, ItemAtAPointAgreesWithDisplayRectangles) {
  TTitlesForm form(nullptr);
  TListView* view = form.lvTitles;
  AddTitles(view, 4);
  form.Show();
  PumpMessages();
  TRect last;
  for (int i = 0; i < 4; ++i) {
    TListItem* item = view->Items()->Item(i);
    last = item->DisplayRect(drBounds);
    for (int x : {last.Left + 1, 150, 350, 440})
      EXPECT_EQ(view->GetItemAt(x, (last.Top + last.Bottom) / 2), item) << "row " << i << " x " << x;
    EXPECT_EQ(view->GetItemAt(10, last.Top), item);
    EXPECT_EQ(view->GetItemAt(10, last.Bottom - 1), item);
  }
  EXPECT_EQ(view->GetItemAt(10, last.Bottom + 2), nullptr);
  EXPECT_EQ(view->TopItem(), view->Items()->Item(0));
}

// The window shows what the items hold, sub-items included, and follows changes.
TEST(ListView, TheWindowAsksTheItemsForTheirTexts) {
  TTitlesForm form(nullptr);
  TListView* view = form.lvTitles;
  AddTitles(view, 2);
  EXPECT_EQ(NativeText(view, 1, 0), "Title 2");
  EXPECT_EQ(NativeText(view, 1, 1), "0:01");
  EXPECT_EQ(NativeText(view, 1, 2), "Ready");
  view->Items()->Item(1)->SubItems()->Put(1, "Completed");
  view->Items()->Item(1)->SetCaption("Title 02(Main Movie)");
  EXPECT_EQ(NativeText(view, 1, 2), "Completed");
  EXPECT_EQ(NativeText(view, 1, 0), "Title 02(Main Movie)");
  // A sub-item the item lacks reads empty.
  view->Items()->Item(0)->SubItems()->Clear();
  EXPECT_EQ(NativeText(view, 0, 2), "");
}

// Selection and focus from code and from the window, with OnSelectItem; all of it
// (and the data pointers and check marks) survives a new window.
TEST(ListView, SelectionFocusAndDataSurviveANewWindow) {
  TTitlesForm form(nullptr);
  TListView* view = form.lvTitles;
  AddTitles(view, 4);
  form.Show();
  PumpMessages();
  EXPECT_EQ(view->Selected(), nullptr);
  view->Items()->Item(1)->SetSelected(true);
  view->Items()->Item(3)->SetSelected(true);
  view->SetItemFocused(view->Items()->Item(3));
  EXPECT_EQ(view->SelCount(), 2);
  EXPECT_EQ(view->Selected(), view->Items()->Item(1));
  EXPECT_EQ(view->GetNextItem(view->Selected(), sdAll, isSelected), view->Items()->Item(3));
  EXPECT_EQ(view->ItemFocused(), view->Items()->Item(3));
  ASSERT_EQ(form.Selections.size(), 2u);
  EXPECT_EQ(form.Selections[1], std::make_pair(view->Items()->Item(3), true));
  view->Items()->Item(2)->SetChecked(true);

  form.Selections.clear();
  view->RecreateWnd();
  EXPECT_TRUE(form.Selections.empty()) << "filling a new window is no selection by the user";
  EXPECT_EQ(view->SelCount(), 2);
  EXPECT_TRUE(view->Items()->Item(3)->Focused());
  EXPECT_TRUE(view->Items()->Item(2)->Checked());
  EXPECT_EQ(view->Items()->Item(2)->Data, &kRowColors[2]);
  EXPECT_EQ(NativeText(view, 3, 1), "0:03");

  // A window for single selection keeps one of them.
  view->SetMultiSelect(false);
  EXPECT_EQ(view->SelCount(), 1);
  view->SetMultiSelect(true);
  view->SetSelected(view->Items()->Item(0));
  EXPECT_EQ(view->SelCount(), 1);
  EXPECT_EQ(view->Selected(), view->Items()->Item(0));
  view->SelectAll();
  EXPECT_EQ(view->SelCount(), 4);
  view->ClearSelection();
  EXPECT_EQ(view->Selected(), nullptr);

  // Deleting items keeps the rest in step with the window.
  view->Items()->Delete(0);
  EXPECT_EQ(view->Items()->Count(), 3);
  EXPECT_EQ(::SendMessageA(view->Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(NativeText(view, 0, 0), "Title 2");
  view->Items()->Clear();
  EXPECT_EQ(::SendMessageA(view->Handle(), LVM_GETITEMCOUNT, 0, 0), 0);
}

// Scrolling moves the top row; the visible row count is what fits.
TEST(ListView, ScrollsByRows) {
  TTitlesForm form(nullptr);
  TListView* view = form.lvTitles;
  AddTitles(view, 40);
  form.Show();
  PumpMessages();
  const int rows = view->VisibleRowCount();
  EXPECT_GT(rows, 3);
  EXPECT_LT(rows, 40);
  const int rowHeight = view->Items()->Item(0)->DisplayRect(drBounds).Height();
  view->Scroll(0, rowHeight * 5);
  EXPECT_EQ(view->TopItem(), view->Items()->Item(5));
  TRect r = view->Items()->Item(6)->DisplayRect(drBounds);
  EXPECT_EQ(view->GetItemAt(10, (r.Top + r.Bottom) / 2), view->Items()->Item(6));
  view->Items()->Item(39)->MakeVisible(false);
  EXPECT_EQ(view->TopItem()->Index(), 40 - rows);
  EXPECT_LE(view->Items()->Item(39)->DisplayRect(drBounds).Bottom, view->ClientHeight());
}

// Clicks become OnClick and OnMouseUp, characters OnKeyPress; the column header
// window can be subclassed and sees its messages.
TEST(ListView, MouseKeysAndTheHeaderWindow) {
  TTitlesForm form(nullptr);
  TListView* view = form.lvTitles;
  AddTitles(view, 3);
  int clicks = 0;
  view->OnClick = TNotifyEvent::Function([&](TObject*) { ++clicks; });
  form.Show();
  PumpMessages();
  TRect r = view->Items()->Item(1)->DisplayRect(drBounds);
  PostClick(view, 100, (r.Top + r.Bottom) / 2);
  PumpUntil([&] { return !form.MouseUps.empty() && clicks > 0; });
  ASSERT_EQ(form.MouseUps.size(), 1u);
  EXPECT_EQ(form.MouseUps[0].Y, (r.Top + r.Bottom) / 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(view->Selected(), view->Items()->Item(1));
  ASSERT_FALSE(form.Selections.empty());
  EXPECT_EQ(form.Selections.back(), std::make_pair(view->Items()->Item(1), true));

  int doubleClicks = 0;
  view->OnDblClick = TNotifyEvent::Function([&](TObject*) { ++doubleClicks; });
  PostMouse(view, WM_LBUTTONDBLCLK, 100, (r.Top + r.Bottom) / 2, MK_LBUTTON);
  PostMouse(view, WM_LBUTTONUP, 100, (r.Top + r.Bottom) / 2);
  PumpUntil([&] { return doubleClicks > 0; });
  EXPECT_EQ(doubleClicks, 1);

  ::PostMessageA(view->Handle(), WM_CHAR, ' ', 1);
  PumpUntil([&] { return !form.Keys.empty(); });
  EXPECT_EQ(form.Keys, " ");

  static int headerPaints = 0;
  static WNDPROC oldProc = nullptr;
  HWND header = view->HeaderHandle();
  oldProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
      header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
        if (m == WM_PAINT) ++headerPaints;
        return ::CallWindowProcA(oldProc, w, m, wp, lp);
      })));
  ::InvalidateRect(header, nullptr, TRUE);
  ::UpdateWindow(header);
  EXPECT_GT(headerPaints, 0);
  ::SetWindowLongPtrA(header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
}

// A column the user widened keeps its width when the columns change and when the
// window is made anew.
TEST(ListView, ColumnWidthsTheUserSetAreKept) {
  TTitlesForm form(nullptr);
  TListView* view = form.lvTitles;
  form.Show();
  PumpMessages();
  HDITEMA drag = {};
  drag.mask = HDI_WIDTH;
  drag.cxy = 180;
  ::SendMessageA(view->HeaderHandle(), HDM_SETITEMA, 1, reinterpret_cast<LPARAM>(&drag));
  EXPECT_EQ(::SendMessageA(view->Handle(), LVM_GETCOLUMNWIDTH, 1, 0), 180);
  EXPECT_EQ(view->Columns()->Items(1)->Width(), 180);

  view->Columns()->Add()->SetCaption("Size");
  EXPECT_EQ(::SendMessageA(view->HeaderHandle(), HDM_GETITEMCOUNT, 0, 0), 4);
  EXPECT_EQ(::SendMessageA(view->Handle(), LVM_GETCOLUMNWIDTH, 1, 0), 180);
  view->RecreateWnd();
  EXPECT_EQ(::SendMessageA(view->Handle(), LVM_GETCOLUMNWIDTH, 1, 0), 180);
  view->Columns()->Delete(0);
  EXPECT_EQ(::SendMessageA(view->HeaderHandle(), HDM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(::SendMessageA(view->Handle(), LVM_GETCOLUMNWIDTH, 0, 0), 180);
  EXPECT_EQ(::SendMessageA(view->Handle(), LVM_GETCOLUMNWIDTH, 1, 0), 100);
}

namespace {

// A descendant that is told when the header window comes, as a skinned list
// view that paints its own header is.
class THeaderWatchingListView : public TListView {
public:
  using TListView::TListView;
  std::vector<HWND> Headers;

protected:
  void HeaderCreated(HWND header) override { Headers.push_back(header); }
};

}  // namespace

TEST(ListView, DescendantsAreToldOfTheHeaderWindow) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 300, 200);
  auto* view = new THeaderWatchingListView(&form);
  view->SetParent(&form);
  view->SetViewStyle(vsReport);
  view->Columns()->Add()->SetCaption("Name");
  form.Show();
  PumpMessages();
  ASSERT_FALSE(view->Headers.empty());
  EXPECT_EQ(view->Headers.back(), view->HeaderHandle());
}
