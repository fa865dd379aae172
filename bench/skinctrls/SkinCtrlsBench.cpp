// Times the skinned standard controls where the program's windows feel them:
// repainting a dialog laid out like the output settings dialog with the VARNEL
// skin, beside one BitBlt of its client area and beside the same layout made of
// the platform's own controls; one fade tick of ten hovered buttons against the
// 20 ms the tick has; and a gauge's SetValue with its repaint beside a BitBlt of
// the gauge. One process, so the ratios hold on a noisy machine.
#include <cstdio>
#include <functional>
#include <memory>

#include "bench/SkinBenchSupport.h"
#include "platform/comctrls/TrackBar.h"
#include "platform/stdctrls/Button.h"
#include "platform/stdctrls/Label.h"
#include "platform/stdctrls/Panel.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinGauge.h"
#include "skin/controls/SkinPanel.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/draw/SkinClock.h"

namespace {

using bench::BitBltOf;
using bench::Put;
using bench::RedrawAll;

double Time(const std::function<void()>& job) { return bench::SecondsPerCall(job); }

void Row(const char* what, double seconds, const char* against = nullptr, double other = 0) {
  bench::PrintRow(what, seconds, against, other, 62);
}

// The output settings dialog's layout: a format group of toggle buttons, a
// preset panel with labels, radio and check boxes, a track bar, OK and Cancel.
void SkinnedDialog(TForm* form, TspSkinData* data) {
  auto skin = [data](auto* c, const char* record) {
    c->SkinDataName = record;
    c->SetSkinData(data);
    return c;
  };
  auto* formats = skin(Put<TspSkinGroupBox>(form, {8, 8, 472, 96}, "Popular Audio Format"), "groupbox");
  for (int i = 0; i < 10; ++i) {
    auto* b = skin(Put<TspSkinButton>(formats, {8 + (i % 5) * 92, 24 + (i / 5) * 30, 96 + (i % 5) * 92, 49 + (i / 5) * 30}, "MP3"), "resizebutton");
    b->SetGroupIndex(10);
  }
  auto* preset = skin(Put<TspSkinPanel>(form, {8, 104, 472, 300}), "panel");
  for (int i = 0; i < 12; ++i) {
    auto* l = Put<TspSkinStdLabel>(preset, {10 + (i % 2) * 230, 10 + (i / 2) * 24, 110 + (i % 2) * 230, 23 + (i / 2) * 24}, "Bit rate:");
    l->SetSkinData(data);
  }
  for (int i = 0; i < 8; ++i) {
    auto* r = skin(Put<TspSkinCheckRadioBox>(preset, {120 + (i % 2) * 230, 8 + (i / 2) * 24, 220 + (i % 2) * 230, 28 + (i / 2) * 24}, "Stereo"), "radiobox");
    r->SetFlat(false);
    r->SetRadio(true);
  }
  auto* track = skin(Put<TspSkinTrackBar>(preset, {10, 160, 450, 180}), "htrackbar");
  (void)track;
  skin(Put<TspSkinButton>(form, {300, 310, 382, 335}, "OK"), "resizebutton");
  skin(Put<TspSkinButton>(form, {390, 310, 472, 335}, "Cancel"), "resizebutton");
}

void PlatformDialog(TForm* form) {
  auto* formats = Put<TPanel>(form, {8, 8, 472, 96}, "Popular Audio Format");
  for (int i = 0; i < 10; ++i) Put<TButton>(formats, {8 + (i % 5) * 92, 24 + (i / 5) * 30, 96 + (i % 5) * 92, 49 + (i / 5) * 30}, "MP3");
  auto* preset = Put<TPanel>(form, {8, 104, 472, 300});
  for (int i = 0; i < 12; ++i) Put<TLabel>(preset, {10 + (i % 2) * 230, 10 + (i / 2) * 24, 110 + (i % 2) * 230, 23 + (i / 2) * 24}, "Bit rate:");
  for (int i = 0; i < 8; ++i) Put<TButton>(preset, {120 + (i % 2) * 230, 8 + (i / 2) * 24, 220 + (i % 2) * 230, 28 + (i / 2) * 24}, "Stereo");
  Put<TTrackBar>(preset, {10, 160, 450, 180});
  Put<TButton>(form, {300, 310, 382, 335}, "OK");
  Put<TButton>(form, {390, 310, 472, 335}, "Cancel");
}

std::unique_ptr<TForm> ShownForm() { return bench::ShownForm(490, 380); }

}  // namespace

int main(int argc, char** argv) {
  TspSkinData data(nullptr);
  if (!bench::LoadVarnelSkin(data, argc, argv)) return 1;
  std::printf("Repainting a dialog laid out like the output settings dialog\n");
  auto skinned = ShownForm();
  SkinnedDialog(skinned.get(), &data);
  auto plain = ShownForm();
  PlatformDialog(plain.get());
  double blt = BitBltOf(skinned.get());
  double own = Time([&] { RedrawAll(plain.get()); });
  double skinnedTime = Time([&] { RedrawAll(skinned.get()); });
  Row("one BitBlt of the client area", blt);
  Row("the platform's own controls", own, "the BitBlt", blt);
  Row("the skinned controls with VARNEL", skinnedTime, "the platform's controls (goal: within 4x)", own);

  std::printf("One fade tick of ten hovered buttons\n");
  TspManualSkinClockScope clock;
  Integer index = data.GetControlIndex("resizebutton");
  if (auto* record = dynamic_cast<TspDataSkinButtonControl*>(data.CtrlList[index].get())) record->morphing = true;
  auto fading = ShownForm();
  std::vector<TspSkinButton*> buttons;
  for (int i = 0; i < 10; ++i) {
    auto* b = Put<TspSkinButton>(fading.get(), {8 + (i % 5) * 92, 8 + (i / 5) * 30, 96 + (i % 5) * 92, 33 + (i / 5) * 30}, "Hover");
    b->SkinDataName = "resizebutton";
    b->SetSkinData(&data);
    buttons.push_back(b);
  }
  double tick = Time([&] {
    for (auto* b : buttons) b->Perform(CM_MOUSEENTER);
    clock.Clock().Advance(20);
    for (auto* b : buttons) b->Perform(CM_MOUSELEAVE);
    clock.Clock().Advance(20);
  }) / 2;
  std::printf("  %-62s %9.3f ms   %5.1f%% of the 20 ms tick\n", "a tick: ten buttons blended and drawn", tick * 1e3,
              100 * tick / 0.02);

  std::printf("A gauge's SetValue with its repaint\n");
  auto gaugeForm = ShownForm();
  auto* gauge = Put<TspSkinGauge>(gaugeForm.get(), {8, 8, 408, 28});
  gauge->SetShowPercent(true);
  gauge->SetSkinData(&data);
  double gaugeBlt = BitBltOf(gauge);
  int value = 0;
  double set = Time([&] {
    gauge->SetValue(value = (value + 1) % 100);
    gauge->Update();
  });
  Row("one BitBlt of the gauge", gaugeBlt);
  Row("SetValue and the repaint", set, "the BitBlt", gaugeBlt);
  return 0;
}
