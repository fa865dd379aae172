#include "platform/core/Timer.h"

#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"

namespace {

// Pumps messages until `done` or the time runs out; true when done.
template <class Done>
bool PumpUntil(Done done, DWORD milliseconds) {
  DWORD start = ::GetTickCount();
  while (!done()) {
    DWORD elapsed = ::GetTickCount() - start;
    if (elapsed >= milliseconds) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
  }
  return true;
}

void Pump(DWORD milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

const char kBoxCaption[] = "Timer test box";

void CALLBACK CloseTheBox(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  if (HWND box = ::FindWindowA(nullptr, kBoxCaption)) ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
}

struct Ticks : TObject {
  int count = 0;
  void Tick(TObject*) { ++count; }
};

}  // namespace

TEST(Timer, FiresWhileANestedLoopOfOurOwnPumps) {
  TTimer timer(nullptr);
  timer.SetInterval(20);
  Ticks ticks;
  timer.SetOnTimer(TNotifyEvent(&ticks, &Ticks::Tick));
  EXPECT_TRUE(timer.Running());
  EXPECT_TRUE(PumpUntil([&] { return ticks.count >= 3; }, 3000));
}

TEST(Timer, FiresWhileTheSystemsModalMessageBoxShows) {
  TTimer timer(nullptr);
  timer.SetInterval(30);
  int count = 0;
  timer.SetOnTimer(TNotifyEvent::Function([&](TObject* sender) {
    EXPECT_EQ(sender, &timer);
    if (++count >= 3)
      if (HWND box = ::FindWindowA(nullptr, kBoxCaption)) ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  }));
  UINT_PTR safety = ::SetTimer(nullptr, 0, 5000, &CloseTheBox);  // should the ticks not come
  int answer = ::MessageBoxA(nullptr, "The timer closes this box.", kBoxCaption, MB_OKCANCEL);
  ::KillTimer(nullptr, safety);
  EXPECT_EQ(answer, IDOK) << "a tick of the timer closed the box";
  EXPECT_GE(count, 3);
}

TEST(Timer, DisablingStopsIt) {
  TTimer timer(nullptr);
  timer.SetInterval(20);
  int count = 0;
  timer.SetOnTimer(TNotifyEvent::Function([&](TObject*) {
    if (++count == 2) timer.SetEnabled(false);
  }));
  ASSERT_TRUE(PumpUntil([&] { return count >= 2; }, 3000));
  EXPECT_FALSE(timer.Running());
  Pump(200);
  EXPECT_EQ(count, 2);
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return count >= 3; }, 3000)) << "enabled again, it runs again";
}

TEST(Timer, RunsOnlyWithAnIntervalAndAHandler) {
  TTimer timer(nullptr);
  EXPECT_TRUE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);
  EXPECT_FALSE(timer.Running()) << "no OnTimer: no system timer";
  Ticks ticks;
  timer.SetInterval(0);
  timer.SetOnTimer(TNotifyEvent(&ticks, &Ticks::Tick));
  EXPECT_FALSE(timer.Running()) << "interval 0: no system timer";
  timer.SetInterval(5000);
  EXPECT_TRUE(timer.Running());
  // A new interval restarts the count: the short one fires long before the old would.
  timer.SetInterval(20);
  EXPECT_TRUE(PumpUntil([&] { return ticks.count >= 1; }, 2000));
  timer.SetOnTimer(nullptr);
  EXPECT_FALSE(timer.Running());
}

TEST(Timer, StartsOnlyOnceLoaded) {
  TTimer timer(nullptr);
  timer.BeginLoading();
  timer.SetInterval(20);
  timer.OnTimer = TNotifyEvent::Function([](TObject*) {});
  timer.SetEnabled(false);
  timer.SetEnabled(true);
  EXPECT_FALSE(timer.Running());
  timer.EndLoading();
  EXPECT_TRUE(timer.Running());
}

TEST(Timer, AnExceptionFromTheHandlerIsHandedOnAndTheTimerGoesOn) {
  TWindowExceptionHandler saved = WindowExceptionHandler();
  std::vector<String> shown;
  WindowExceptionHandler() = [&](const std::exception& error) { shown.push_back(error.what()); };
  TTimer timer(nullptr);
  timer.SetInterval(20);
  int count = 0;
  timer.SetOnTimer(TNotifyEvent::Function([&](TObject*) {
    if (++count == 1) throw EInvalidOperation("Preview failed");
  }));
  bool done = PumpUntil([&] { return count >= 2; }, 3000);
  WindowExceptionHandler() = saved;
  EXPECT_TRUE(done);
  EXPECT_EQ(shown, (std::vector<String>{"Preview failed"}));
}
