#include <gtest/gtest.h>

#include "platform/comctrls/ComCtrls.h"
#include "platform/published/ComCtrlsPublished.h"
#include "platform/published/FormDefinition.h"
#include "tests/harness/WindowPump.h"

namespace {

// A quality slider as the encoder setting dialogs hold it; the position comes
// before the bounds in this definition, and must still hold.
const char* const kQualityForm =
    "object QualityForm: TQualityForm\r\n"
    "  Left = 0\r\n"
    "  Top = 0\r\n"
    "  Width = 300\r\n"
    "  Height = 100\r\n"
    "  BorderStyle = bsNone\r\n"
    "  object tbQuality: TTrackBar\r\n"
    "    Left = 10\r\n"
    "    Top = 10\r\n"
    "    Width = 250\r\n"
    "    Height = 40\r\n"
    "    Position = 400\r\n"
    "    Max = 1000\r\n"
    "    Min = 1\r\n"
    "    Frequency = 100\r\n"
    "    PageSize = 50\r\n"
    "    LineSize = 10\r\n"
    "    TabOrder = 0\r\n"
    "    OnChange = tbQualityChange\r\n"
    "  end\r\n"
    "end\r\n";

class TQualityForm : public TForm {
public:
  explicit TQualityForm(TComponent* owner) : TForm(owner) {
    PublishCommonControlClasses();
    TFormBindings bindings;
    bindings.Field("tbQuality", tbQuality).Handler("tbQualityChange", this, &TQualityForm::tbQualityChange);
    ReadComponentText(this, kQualityForm, bindings);
  }
  void tbQualityChange(TObject*) { Changes.push_back(tbQuality->Position()); }

  TTrackBar* tbQuality = nullptr;  // borrowed from the definition
  std::vector<int> Changes;
};

int NativePosition(TTrackBar* bar) { return static_cast<int>(::SendMessageA(bar->Handle(), TBM_GETPOS, 0, 0)); }

}  // namespace

// The definition gives the range, position, steps and ticks, and the window
// shows them; reading it runs no OnChange.
TEST(TrackBar, TakesItsPropertiesFromTheDefinition) {
  TQualityForm form(nullptr);
  TTrackBar* bar = form.tbQuality;
  EXPECT_EQ(bar->Min(), 1);
  EXPECT_EQ(bar->Max(), 1000);
  EXPECT_EQ(bar->Position(), 400);
  EXPECT_TRUE(form.Changes.empty());
  HWND window = bar->Handle();
  EXPECT_EQ(::SendMessageA(window, TBM_GETRANGEMIN, 0, 0), 1);
  EXPECT_EQ(::SendMessageA(window, TBM_GETRANGEMAX, 0, 0), 1000);
  EXPECT_EQ(NativePosition(bar), 400);
  EXPECT_EQ(::SendMessageA(window, TBM_GETPAGESIZE, 0, 0), 50);
  EXPECT_EQ(::SendMessageA(window, TBM_GETLINESIZE, 0, 0), 10);
  EXPECT_TRUE(::GetWindowLongPtrA(window, GWL_STYLE) & TBS_AUTOTICKS);
  // Ticks every 100 between the ends: 9 inner ticks.
  EXPECT_EQ(::SendMessageA(window, TBM_GETNUMTICS, 0, 0), 11);

  bar->SetTickStyle(tsManual);
  EXPECT_FALSE(::GetWindowLongPtrA(bar->Handle(), GWL_STYLE) & (TBS_AUTOTICKS | TBS_NOTICKS));
  EXPECT_EQ(NativePosition(bar), 400) << "a new window keeps the position";
  bar->SetOrientation(trVertical);
  EXPECT_TRUE(::GetWindowLongPtrA(bar->Handle(), GWL_STYLE) & TBS_VERT);
  EXPECT_EQ(bar->Width(), 40);
  EXPECT_EQ(bar->Height(), 250);
}

// A position set from code runs OnChange when it changes, kept within the range;
// a range that shrinks moves the position without an event.
TEST(TrackBar, PositionFromCode) {
  TQualityForm form(nullptr);
  TTrackBar* bar = form.tbQuality;
  struct Case {
    int set;
    int expected;
    bool fires;
  };
  const Case cases[] = {{700, 700, true}, {700, 700, false}, {5000, 1000, true}, {-3, 1, true}, {1, 1, false}};
  for (const Case& c : cases) {
    form.Changes.clear();
    bar->SetPosition(c.set);
    EXPECT_EQ(bar->Position(), c.expected) << c.set;
    EXPECT_EQ(NativePosition(bar), c.expected) << c.set;
    EXPECT_EQ(form.Changes, c.fires ? std::vector<int>{c.expected} : std::vector<int>{}) << c.set;
  }
  bar->SetPosition(900);
  form.Changes.clear();
  bar->SetMax(500);
  EXPECT_EQ(bar->Position(), 500);
  EXPECT_EQ(NativePosition(bar), 500);
  EXPECT_TRUE(form.Changes.empty());
  bar->SetMin(600);
  EXPECT_EQ(bar->Max(), 600) << "the other bound follows";
  EXPECT_EQ(bar->Position(), 600);
}

// The user moving the slider (keys here) changes the position and runs OnChange.
TEST(TrackBar, TheUsersMoveRunsOnChange) {
  TQualityForm form(nullptr);
  TTrackBar* bar = form.tbQuality;
  form.Show();
  PumpMessages();
  ::SendMessageA(bar->Handle(), WM_KEYDOWN, VK_RIGHT, 1);
  ::SendMessageA(bar->Handle(), WM_KEYUP, VK_RIGHT, 1 | (1u << 30) | (1u << 31));
  EXPECT_EQ(bar->Position(), 410);
  ::SendMessageA(bar->Handle(), WM_KEYDOWN, VK_NEXT, 1);
  ::SendMessageA(bar->Handle(), WM_KEYUP, VK_NEXT, 1 | (1u << 30) | (1u << 31));
  EXPECT_EQ(bar->Position(), 460);
  EXPECT_EQ(form.Changes, (std::vector<int>{410, 460}));
}
