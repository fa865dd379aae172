// Times the hot-tracked repaint of a framed check box, as every hover over a
// dialog's check boxes repaints them, beside a native BS_AUTOCHECKBOX of the same
// size repainted the same way, in one process so the ratio holds on a noisy machine.
#include <cstdio>

#include "bench/BenchSupport.h"
#include "framed/controls/RzCheckBox.h"
#include "framed/controls/RzGlyphCache.h"
#include "framed/startup/FramedStartup.h"
#include "platform/controls/Forms.h"

namespace {

void Row(const char* what, double seconds, double native) {
  std::printf("  %-52s %9.1f repaints/s   %6.2fx the native check box's time\n", what, 1 / seconds,
              seconds / native);
}

}  // namespace

int main() {
  FramedStartup();
  TForm* form = NewForm<TForm>(nullptr);
  form->SetBounds(0, 0, 300, 120);
  form->Show();
  auto* box = new TRzCheckBox(form);
  box->SetParent(form);
  box->SetBounds(10, 10, 120, 17);
  box->SetCaption("Joint Stereo");
  box->SetHotTrack(true);
  box->HotTrackColorType = htctActual;
  box->SetFrameColor(8409372);
  box->SetHighlightColor(2203937);
  box->HotTrackColor = 3983359;
  box->SetChecked(true);
  box->Perform(CM_MOUSEENTER);  // hovered: the hot-track glyph
  HWND native = ::CreateWindowExA(0, "BUTTON", "Joint Stereo", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 150, 10, 120,
                                  17, form->Handle(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ::SendMessageA(native, BM_SETCHECK, BST_CHECKED, 0);
  Application.ProcessMessages();

  std::printf("Repainting a hovered 120 x 17 check box\n");
  const double nativeTime = bench::SecondsPerCall([&] {
    ::InvalidateRect(native, nullptr, FALSE);
    ::UpdateWindow(native);
  });
  std::printf("  %-52s %9.1f repaints/s\n", "native BS_AUTOCHECKBOX", 1 / nativeTime);
  const TRect glyph = box->GlyphRect();
  const RECT hot = {glyph.Left, glyph.Top, glyph.Right, glyph.Bottom};
  const double framed = bench::SecondsPerCall([&] {
    ::InvalidateRect(box->Handle(), &hot, FALSE);
    ::UpdateWindow(box->Handle());
  });
  Row("TRzCheckBox, hot-track glyph from the cache", framed, nativeTime);
  const double uncached = bench::SecondsPerCall([&] {
    ClearGlyphCache();
    ::InvalidateRect(box->Handle(), &hot, FALSE);
    ::UpdateWindow(box->Handle());
  });
  Row("TRzCheckBox, glyph recoloured on every repaint", uncached, nativeTime);
  std::printf("  goal: the cached repaint within 2x the native one\n");
  bench::ReportFloor("framed_checkbox_hot_repaint", framed, nativeTime);

  ::DestroyWindow(native);
  delete form;
  FramedShutdown();
  return 0;
}
