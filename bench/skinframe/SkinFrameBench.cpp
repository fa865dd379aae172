// Times a skinned window frame at 1024 x 768: painting the non-client area
// active and inactive (the stress skin greys the inactive frame), and one
// resize step (the layout and the masked region), beside one BitBlt of the
// whole frame and against a 60 Hz frame budget.
#include <cstdio>
#include <functional>
#include <string>

#include "bench/BenchSupport.h"
#include "platform/controls/Forms.h"
#include "skin/form/DynamicSkinForm.h"

namespace {

constexpr double kBudget = 1.0 / 60;

double Time(const std::function<void()>& job) { return bench::SecondsPerCall(job); }

void Row(const char* what, double seconds, double blt) {
  std::printf("  %-44s %8.3f ms  %7.2fx the BitBlt  %6.1f%% of 16.7 ms\n", what, seconds * 1e3, seconds / blt,
              100 * seconds / kBudget);
}

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

std::string StressIni() {
  std::string path = "Z:" VARNEL_STRESS_SKIN_DIR "/Skin.ini";
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

}  // namespace

int main() {
  TspSkinData skin(nullptr);
  if (!skin.LoadFromFile(StressIni())) {
    std::printf("the stress skin is missing: %s\n", StressIni().c_str());
    return 1;
  }
  TForm* form = NewForm<TForm>(nullptr);
  form->SetBounds(0, 0, 1024, 768);
  auto* frame = new TspDynamicSkinForm(form);
  frame->SetSkinData(&skin);
  form->Show();
  ::SetForegroundWindow(form->Handle());
  Pump();
  HWND window = form->Handle();

  TBitmap whole(1024, 768);
  double blt = Time([&] {
    HDC dc = ::GetWindowDC(window);
    ::BitBlt(dc, 0, 0, 1024, 768, whole.Canvas()->Handle(), 0, 0, SRCCOPY);
    ::ReleaseDC(window, dc);
  });
  std::printf("Skinned frame of 1024 x 768 (stress skin: mask, inactive grey)\n");
  std::printf("  %-44s %8.3f ms\n", "BitBlt of the whole frame", blt * 1e3);
  Row(frame->FormActive() ? "WM_NCPAINT, active" : "WM_NCPAINT (form not active)",
      Time([&] { ::SendMessageA(window, WM_NCPAINT, 1, 0); }), blt);

  TForm* other = NewForm<TForm>(nullptr);
  other->SetBounds(1100, 0, 100, 100);
  other->Show();
  ::SetForegroundWindow(other->Handle());
  Pump();
  Row(frame->FormActive() ? "WM_NCPAINT (form still active)" : "WM_NCPAINT, inactive, effect on",
      Time([&] { ::SendMessageA(window, WM_NCPAINT, 1, 0); }), blt);

  bool narrow = false;
  Row("resize step (WM_SIZE: layout, masked region)", Time([&] {
        narrow = !narrow;
        form->SetBounds(0, 0, narrow ? 1023 : 1024, 768);
      }),
      blt);
  delete other;
  delete form;
  return 0;
}
