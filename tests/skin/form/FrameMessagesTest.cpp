// The frame component's window procedure, row by row: the answer of each
// message, whether it goes on to the form's own procedure (and only once), and
// what it changes.
#include <gtest/gtest.h>

#include <functional>

#include "skin/draw/SkinSystem.h"
#include "skin/form/SkinCaptionObject.h"
#include "tests/skin/form/FrameFixtures.h"

namespace {

struct Row {
  const char* what;
  UINT msg;
  std::function<WPARAM(FrameForm&)> wParam;
  std::function<LPARAM(FrameForm&)> lParam;
  LRESULT result;     // expected answer (ignored when kAnyResult)
  int passedCount;    // times the form's procedure saw it
  std::function<void(FrameForm&)> check;
};
constexpr LRESULT kAnyResult = -12345;

WPARAM W(WPARAM v) { return v; }

LPARAM ScreenPoint(FrameForm& f, int x, int y) { return MAKELPARAM(f.form->Left() + x, f.form->Top() + y); }

}  // namespace

TEST(FrameWindowProcedure, MessageTable) {
  FrameSkin skin;
  static RECT calc;
  static MINMAXINFO minmax;
  static const char* newCaption = "Renamed";
  TBitmap paper(200, 120);
  HDC dc = paper.Canvas()->Handle();
  const Row rows[] = {
      {"NCCALCSIZE shrinks by the skin's frame", WM_NCCALCSIZE, [](FrameForm&) { return W(0); },
       [](FrameForm&) {
         calc = RECT{0, 0, 200, 120};
         return reinterpret_cast<LPARAM>(&calc);
       },
       0, 0,
       [](FrameForm&) {
         EXPECT_EQ(calc.left, 4);
         EXPECT_EQ(calc.top, 25);
         EXPECT_EQ(calc.right, 196);
         EXPECT_EQ(calc.bottom, 116);
       }},
      {"NCHITTEST caption", WM_NCHITTEST, [](FrameForm&) { return W(0); },
       [](FrameForm& f) { return ScreenPoint(f, 40, 10); }, HTCAPTION, 0, nullptr},
      {"NCHITTEST client", WM_NCHITTEST, [](FrameForm&) { return W(0); },
       [](FrameForm& f) { return ScreenPoint(f, 100, 60); }, HTCLIENT, 0, nullptr},
      {"NCHITTEST bottom-right corner", WM_NCHITTEST, [](FrameForm&) { return W(0); },
       [](FrameForm& f) { return ScreenPoint(f, 198, 118); }, HTBOTTOMRIGHT, 0, nullptr},
      {"NCHITTEST close button", WM_NCHITTEST, [](FrameForm&) { return W(0); },
       [](FrameForm& f) { return ScreenPoint(f, 190, 8); }, HTOBJECT, 0, nullptr},
      {"NCACTIVATE answers 1 without default painting", WM_NCACTIVATE, [](FrameForm&) { return W(1); },
       [](FrameForm&) { return LPARAM(0); }, 1, 0, nullptr},
      {"SETTEXT goes to the form once and the caption takes the text", WM_SETTEXT, [](FrameForm&) { return W(0); },
       [](FrameForm&) { return reinterpret_cast<LPARAM>(newCaption); }, kAnyResult, 1,
       [](FrameForm& f) {
         EXPECT_EQ(f.form->Caption(), "Renamed");
         EXPECT_EQ(f.frame->FirstCaption()->TextValue, "Renamed");
       }},
      {"GETMINMAXINFO gives the skin's limits and goes on", WM_GETMINMAXINFO, [](FrameForm&) { return W(0); },
       [](FrameForm&) {
         minmax = MINMAXINFO{};
         return reinterpret_cast<LPARAM>(&minmax);
       },
       kAnyResult, 1,
       [](FrameForm& f) {
         EXPECT_EQ(minmax.ptMinTrackSize.x, 100);
         EXPECT_EQ(minmax.ptMinTrackSize.y, 29);
         EXPECT_EQ(minmax.ptMaxTrackSize.x, f.frame->GetMaxWidth());
       }},
      {"SKINFORMQUERY of a skinned form", CM_SKINFORMQUERY, [](FrameForm&) { return W(0); },
       [](FrameForm&) { return LPARAM(0); }, 12853, 0, nullptr},
      {"SENCPAINT paints into the given DC", CM_SENCPAINT, [dc](FrameForm&) { return reinterpret_cast<WPARAM>(dc); },
       [](FrameForm&) { return LPARAM(0); }, 12851, 0, nullptr},
      {"BENCPAINT with its key", CM_BENCPAINT, [dc](FrameForm&) { return reinterpret_cast<WPARAM>(dc); },
       [](FrameForm&) { return LPARAM(16802); }, 16802, 0, nullptr},
      {"BENCPAINT without its key goes on", CM_BENCPAINT, [dc](FrameForm&) { return reinterpret_cast<WPARAM>(dc); },
       [](FrameForm&) { return LPARAM(1); }, kAnyResult, 1, nullptr},
      {"ERASEBKGND is the component's (result 0)", WM_ERASEBKGND,
       [dc](FrameForm&) { return reinterpret_cast<WPARAM>(dc); }, [](FrameForm&) { return LPARAM(0); }, 0, 0, nullptr},
      {"NCPAINT is the component's", WM_NCPAINT, [](FrameForm&) { return W(1); }, [](FrameForm&) { return LPARAM(0); },
       0, 0, nullptr},
      {"SIZE goes to the form first, once", WM_SIZE, [](FrameForm&) { return W(SIZE_RESTORED); },
       [](FrameForm&) { return MAKELPARAM(192, 91); }, kAnyResult, 1,
       [](FrameForm& f) { EXPECT_EQ(f.frame->NewWidth, f.form->Width()); }},
      {"SYSCOMMAND restore fires OnRestore and goes on", WM_SYSCOMMAND, [](FrameForm&) { return W(SC_RESTORE); },
       [](FrameForm&) { return LPARAM(0); }, kAnyResult, 1, nullptr},
      {"a change of another container goes on untouched", SkinMsgBeforeChange, [](FrameForm&) { return W(12); },
       [](FrameForm&) { return LPARAM(1000); }, kAnyResult, 1,
       [](FrameForm& f) { EXPECT_TRUE(f.frame->SkinActive()); }},
      {"ENTERSIZEMOVE goes on and starts the loop state", WM_ENTERSIZEMOVE, [](FrameForm&) { return W(0); },
       [](FrameForm&) { return LPARAM(0); }, kAnyResult, 1, [](FrameForm& f) { EXPECT_TRUE(f.frame->InSizeMove()); }},
      {"the press after the loop only ends it", WM_NCLBUTTONDOWN, [](FrameForm&) { return W(HTOBJECT); },
       [](FrameForm& f) { return ScreenPoint(f, 190, 8); }, kAnyResult, 1,
       [](FrameForm& f) {
         EXPECT_FALSE(f.frame->InSizeMove());
         EXPECT_EQ(f.frame->CaptureObject(), -1) << "no object is pressed";
       }},
  };
  FrameForm f(&skin.data);
  int restores = 0;
  f.frame->OnRestore = TNotifyEvent::Function([&](TObject*) { ++restores; });
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    f.Clear();
    const LRESULT result = f.form->Perform(row.msg, row.wParam(f), row.lParam(f));
    if (row.result != kAnyResult) {
      EXPECT_EQ(result, row.result);
    }
    EXPECT_EQ(f.PassedCount(row.msg), row.passedCount);
    if (row.check) row.check(f);
  }
  EXPECT_EQ(restores, 1);
}

// The skin container's three messages: the form drops its objects before a
// change, rebuilds them after it, and a change of another container reaches
// only the controls that follow that container.
TEST(FrameWindowProcedure, SkinChangeMessages) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  ASSERT_FALSE(f.frame->Objects().empty());
  const WPARAM own = reinterpret_cast<WPARAM>(&skin.data);
  f.form->Perform(SkinMsgBeforeChange, own, 1000);
  EXPECT_TRUE(f.frame->Objects().empty());
  EXPECT_FALSE(f.frame->SkinActive());
  EXPECT_TRUE(f.frame->SkinChanging());
  f.form->Perform(SkinMsgChange, own, 1000);
  EXPECT_FALSE(f.frame->SkinChanging());
  EXPECT_TRUE(f.frame->SkinActive());
  EXPECT_EQ(f.frame->Objects().size(), 4u);
  EXPECT_TRUE(f.Passed(SkinMsgChange));
}

// CM_SKINFORMQUERY answers 12852 only for a form that is not skinned on a
// system of the Vista family.
TEST(FrameWindowProcedure, SkinFormQueryOnVista) {
  auto saved = SP_GetVersion;
  SP_GetVersion = [] { return DWORD(6); };
  FrameSkin skin;
  {
    FrameForm f(&skin.data);
    EXPECT_EQ(f.form->Perform(CM_SKINFORMQUERY), 12853);
    f.frame->SetSkinnableForm(false);
    EXPECT_EQ(f.form->Perform(CM_SKINFORMQUERY), 12852);
  }
  SP_GetVersion = saved;
}

// A form without a border gets no frame: the client covers the window.
TEST(FrameWindowProcedure, NoBorderNoFrame) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  f.frame->SetFormBorderStyle(bsNone);
  RECT r = {0, 0, 200, 120};
  f.form->Perform(WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.right, 200);
  EXPECT_EQ(r.bottom, 120);
}

// An exception of a caption button's command on release does not leave the
// window procedure.
TEST(FrameWindowProcedure, ReleaseSwallowsFailures) {
  FrameSkin skin;
  FrameForm f(&skin.data);
  f.frame->OnMouseUpEvent = TspObjectMouseEvent::Function(
      [](const String&, Integer, Integer, TRect, TMouseButton) { throw Exception("command failed"); });
  f.Activate();
  auto* caption = f.frame->FirstCaption();
  ASSERT_NE(caption, nullptr);
  const LPARAM at = ScreenPoint(f, caption->ObjectRect.Left + 2, caption->ObjectRect.Top + 2);
  // The caption takes the press (sent as an object press, so no move loop
  // starts) and the release, whose event throws.
  f.form->Perform(WM_NCLBUTTONDOWN, HTOBJECT, at);
  ASSERT_EQ(f.frame->CaptureObject(), 0);
  EXPECT_NO_THROW(f.form->Perform(WM_NCLBUTTONUP, HTOBJECT, at));
  EXPECT_EQ(f.frame->CaptureObject(), -1);
}
