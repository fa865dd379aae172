#include <gtest/gtest.h>

#include "platform/comctrls/ComCtrls.h"
#include "platform/published/ComCtrlsPublished.h"
#include "platform/published/FormDefinition.h"
#include "tests/harness/WindowPump.h"

namespace {

// A form like the profile editor's: a page control with format pages, the
// second active.
const char* const kFormatsForm =
    "object FormatsForm: TFormatsForm\r\n"
    "  Left = 0\r\n"
    "  Top = 0\r\n"
    "  Width = 400\r\n"
    "  Height = 300\r\n"
    "  BorderStyle = bsNone\r\n"
    "  object pcFormats: TPageControl\r\n"
    "    Left = 0\r\n"
    "    Top = 0\r\n"
    "    Width = 400\r\n"
    "    Height = 300\r\n"
    "    ActivePage = tsWMV\r\n"
    "    Align = alClient\r\n"
    "    TabHeight = 24\r\n"
    "    TabOrder = 0\r\n"
    "    OnChange = pcFormatsChange\r\n"
    "    OnChanging = pcFormatsChanging\r\n"
    "    object tsAVI: TTabSheet\r\n"
    "      Caption = 'AVI'\r\n"
    "    end\r\n"
    "    object tsWMV: TTabSheet\r\n"
    "      Caption = 'WMV'\r\n"
    "    end\r\n"
    "    object tsHidden: TTabSheet\r\n"
    "      Caption = 'Hidden'\r\n"
    "      TabVisible = False\r\n"
    "    end\r\n"
    "    object tsMP4: TTabSheet\r\n"
    "      Caption = 'MP4'\r\n"
    "      ImageIndex = 2\r\n"
    "    end\r\n"
    "  end\r\n"
    "end\r\n";

class TFormatsForm : public TForm {
public:
  explicit TFormatsForm(TComponent* owner) : TForm(owner) {
    PublishCommonControlClasses();
    TFormBindings bindings;
    bindings.Field("pcFormats", pcFormats)
        .Field("tsAVI", tsAVI)
        .Field("tsWMV", tsWMV)
        .Field("tsHidden", tsHidden)
        .Field("tsMP4", tsMP4)
        .Handler("pcFormatsChange", this, &TFormatsForm::pcFormatsChange)
        .Handler("pcFormatsChanging", this, &TFormatsForm::pcFormatsChanging);
    ReadComponentText(this, kFormatsForm, bindings);
  }

  void pcFormatsChange(TObject*) { Events.push_back("change to " + pcFormats->ActivePage()->Caption()); }
  void pcFormatsChanging(TObject*, bool& allow) {
    Events.push_back("changing from " + pcFormats->ActivePage()->Caption());
    allow = AllowChange;
  }

  TPageControl* pcFormats = nullptr;  // borrowed from the definition, as the sheets
  TTabSheet* tsAVI = nullptr;
  TTabSheet* tsWMV = nullptr;
  TTabSheet* tsHidden = nullptr;
  TTabSheet* tsMP4 = nullptr;
  std::vector<String> Events;
  bool AllowChange = true;
};

// A click on a tab as the system would report it.
void ClickTab(TPageControl* control, int tabIndex) {
  TRect r = control->TabRect(tabIndex);
  PostClick(control, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  PumpMessages();
  PumpMessages();
}

}  // namespace

// The definition makes the pages in order with their tabs; the active page shows
// in the display rectangle, the others are hidden, and a hidden tab has no tab.
TEST(PageControl, ShowsItsPagesFromTheDefinition) {
  TFormatsForm form(nullptr);
  TPageControl* control = form.pcFormats;
  ASSERT_EQ(control->PageCount(), 4);
  EXPECT_EQ(control->Pages(3), form.tsMP4);
  EXPECT_EQ(form.tsMP4->PageIndex(), 3);
  EXPECT_EQ(form.tsMP4->TabIndex(), 2);
  EXPECT_EQ(form.tsHidden->TabIndex(), -1);
  EXPECT_EQ(form.tsMP4->ImageIndex(), 2);
  EXPECT_EQ(control->ActivePage(), form.tsWMV);
  EXPECT_EQ(control->ActivePageIndex(), 1);
  form.Show();
  PumpMessages();

  HWND window = control->Handle();
  EXPECT_EQ(::SendMessageA(window, TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(::SendMessageA(window, TCM_GETCURSEL, 0, 0), 1);
  char text[32] = {};
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof(text);
  ::SendMessageA(window, TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "MP4");
  form.tsMP4->SetCaption("MPEG-4");
  ::SendMessageA(window, TCM_GETITEMA, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "MPEG-4");
  EXPECT_EQ(control->TabRect(0).Height(), 24);

  EXPECT_TRUE(form.tsWMV->Visible());
  EXPECT_TRUE(::IsWindowVisible(form.tsWMV->Handle()));
  EXPECT_FALSE(form.tsAVI->Visible());
  EXPECT_EQ(form.tsWMV->BoundsRect(), control->DisplayRect());
  TRect display = control->DisplayRect();
  EXPECT_GT(display.Top, control->TabRect(0).Bottom - 1);
  EXPECT_LT(display.Bottom, 300);
}

// A tab chosen through the system's notification asks OnChanging, shows the
// page, then runs OnChange; a refusal keeps the page.
TEST(PageControl, ATabChosenByTheUserShowsItsPage) {
  TFormatsForm form(nullptr);
  TPageControl* control = form.pcFormats;
  form.Show();
  PumpMessages();
  ClickTab(control, 2);
  ASSERT_EQ(control->ActivePage(), form.tsMP4);
  EXPECT_TRUE(form.tsMP4->Visible());
  EXPECT_FALSE(form.tsWMV->Visible());
  EXPECT_EQ(form.Events, (std::vector<String>{"changing from WMV", "change to MP4"}));

  form.Events.clear();
  form.AllowChange = false;
  ClickTab(control, 0);
  EXPECT_EQ(control->ActivePage(), form.tsMP4);
  EXPECT_EQ(control->TabIndex(), 2);
  EXPECT_EQ(form.Events, (std::vector<String>{"changing from MP4"}));
}

// Setting the active page from code shows it and selects its tab without events;
// a page of another control is refused.
TEST(PageControl, ActivePageFromCode) {
  TFormatsForm form(nullptr);
  TPageControl* control = form.pcFormats;
  form.Show();
  PumpMessages();
  control->SetActivePage(form.tsAVI);
  EXPECT_EQ(control->TabIndex(), 0);
  EXPECT_TRUE(form.tsAVI->Visible());
  EXPECT_FALSE(form.tsWMV->Visible());
  control->SetActivePageIndex(3);
  EXPECT_EQ(control->ActivePage(), form.tsMP4);
  EXPECT_EQ(control->TabIndex(), 2);
  EXPECT_TRUE(form.Events.empty());

  TPageControl other(nullptr);
  auto* stranger = new TTabSheet(&other);
  stranger->SetPageControl(&other);
  EXPECT_THROW(control->SetActivePage(stranger), EInvalidOperation);
  EXPECT_EQ(control->ActivePage(), form.tsMP4);

  // Hiding the active page's tab moves on to the next page with a tab.
  form.tsMP4->SetTabVisible(false);
  EXPECT_EQ(control->ActivePage(), form.tsAVI);
  EXPECT_EQ(::SendMessageA(control->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(control->TabIndex(), 0);
  // A sheet that goes leaves no tab behind.
  delete form.tsWMV;
  EXPECT_EQ(control->PageCount(), 3);
  EXPECT_EQ(::SendMessageA(control->Handle(), TCM_GETITEMCOUNT, 0, 0), 1);
}

// The native messages a skinned descendant relies on pass through the control's
// window procedure, so a descendant can change their answers.
TEST(PageControl, NativeTabMessagesGoThroughTheWindowProcedure) {
  TFormatsForm form(nullptr);
  TPageControl* control = form.pcFormats;
  form.Show();
  PumpMessages();
  TRect before = control->DisplayRect();
  TRect tab = control->TabRect(1);
  EXPECT_EQ(control->IndexOfTabAt((tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2), 1);
  EXPECT_EQ(control->IndexOfTabAt(5, 250), -1);

  std::vector<UINT> seen;
  TWndMethod inherited = control->WindowProc;
  control->WindowProc = TWndMethod::Function([&](TMessage& message) {
    inherited(message);
    if (message.Msg == TCM_ADJUSTRECT || message.Msg == TCM_GETITEMRECT || message.Msg == TCM_HITTEST ||
        message.Msg == TCM_SETITEMSIZE)
      seen.push_back(message.Msg);
    if (message.Msg == TCM_ADJUSTRECT) reinterpret_cast<RECT*>(message.LParam)->left += 10;
  });
  EXPECT_EQ(control->DisplayRect().Left, before.Left + 10);
  control->TabRect(0);
  control->IndexOfTabAt(1, 1);
  control->SetTabHeight(30);
  EXPECT_EQ(control->TabRect(0).Height(), 30);
  control->Realign();
  EXPECT_EQ(form.tsWMV->Left(), before.Left + 10) << "the sheets take the adjusted display rectangle";
  for (UINT msg : {TCM_ADJUSTRECT, TCM_GETITEMRECT, TCM_HITTEST, TCM_SETITEMSIZE})
    EXPECT_NE(std::find(seen.begin(), seen.end(), msg), seen.end()) << std::hex << msg;
  control->WindowProc = inherited;
}

// Tabs, selection and pages survive a new window (a new tab position).
TEST(PageControl, TabsSurviveANewWindow) {
  TFormatsForm form(nullptr);
  TPageControl* control = form.pcFormats;
  form.Show();
  PumpMessages();
  control->SetTabPosition(tpBottom);
  EXPECT_TRUE(::GetWindowLongPtrA(control->Handle(), GWL_STYLE) & TCS_BOTTOM);
  EXPECT_EQ(::SendMessageA(control->Handle(), TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(control->TabIndex(), 1);
  TRect display = control->DisplayRect();
  EXPECT_LT(display.Bottom, control->TabRect(0).Top + 1);
  control->SetMultiLine(true);
  EXPECT_TRUE(::GetWindowLongPtrA(control->Handle(), GWL_STYLE) & TCS_MULTILINE);
  EXPECT_EQ(control->ActivePage(), form.tsWMV);
}

// The tab control: tabs as strings, OnChange after a click, an index from code
// without events.
TEST(TabControl, TabsAreStringsAndAClickChangesTheIndex) {
  PublishCommonControlClasses();
  const String text =
      "object TabsForm: TForm\r\n"
      "  Left = 0\r\n"
      "  Top = 0\r\n"
      "  Width = 300\r\n"
      "  Height = 200\r\n"
      "  BorderStyle = bsNone\r\n"
      "  object Tabs: TTabControl\r\n"
      "    Left = 0\r\n"
      "    Top = 0\r\n"
      "    Width = 300\r\n"
      "    Height = 200\r\n"
      "    TabOrder = 0\r\n"
      "    Tabs.Strings = (\r\n"
      "      'One'\r\n"
      "      'Two'\r\n"
      "      'Three')\r\n"
      "    TabIndex = 1\r\n"
      "  end\r\n"
      "end\r\n";
  TForm form(nullptr);
  ReadComponentText(&form, text);
  auto* tabs = dynamic_cast<TTabControl*>(form.FindComponent("Tabs"));
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->Tabs()->Count(), 3);
  EXPECT_EQ(tabs->TabIndex(), 1);
  int changes = 0;
  tabs->OnChange = TNotifyEvent::Function([&](TObject*) { ++changes; });
  form.Show();
  PumpMessages();
  EXPECT_EQ(::SendMessageA(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(tabs->TabIndex(), 1);
  TRect r = tabs->TabRect(2);
  PostClick(tabs, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  PumpUntil([&] { return changes > 0; });
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(tabs->TabIndex(), 2);

  tabs->SetTabIndex(0);
  EXPECT_EQ(changes, 1);
  tabs->Tabs()->Delete(0);
  EXPECT_EQ(::SendMessageA(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(tabs->Tabs()->Strings(0), "Two");
  tabs->SetTabIndex(5);
  EXPECT_EQ(tabs->TabIndex(), -1);
  EXPECT_EQ(WriteComponentText(&form).find("TabIndex"), String::npos);
}
