// Times a popup menu's work beside one BitBlt of the level it paints and
// against the budgets it must fit: opening a 30-row menu to its first painted
// level (sizing, every row composed, the masked region of the stress skin)
// against 100 ms, and one morph tick over 30 rows against the 20 ms tick (a
// morph's later steps mix the faces its first step composed; both are shown).
#include <cstdio>
#include <functional>
#include <memory>

#include "bench/BenchSupport.h"
#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "skin/menus/SkinMenus.h"

namespace {

double Time(const std::function<void()>& job) { return bench::SecondsPerCall(job); }

void Row(const char* what, double seconds, double blit, double budget, const char* budgetName) {
  std::printf("  %-46s %8.3f ms  %7.1fx one BitBlt  %6.1f%% of %s\n", what, seconds * 1e3, seconds / blit,
              100 * seconds / budget, budgetName);
}

void Measure(const char* skinName, TspSkinData* skin, TPopupMenu& menu, TForm& form) {
  TspSkinMenu engine(nullptr, &form);
  auto open = [&] {
    engine.Popup(nullptr, skin, 0, {100, 100, 100, 100}, menu.Items(), false);
    TspSkinPopupWindow* level = engine.TopLevel();
    HDC dc = ::GetDC(level->Handle());
    level->PaintMenu(dc);
    ::ReleaseDC(level->Handle(), dc);
  };
  open();
  TspSkinPopupWindow* level = engine.TopLevel();
  const int w = level->Width(), h = level->Height();
  TBitmap source, target;
  source.SetPixelFormat(pf24bit), target.SetPixelFormat(pf24bit);
  source.SetSize(w, h), target.SetSize(w, h);
  double blit = Time([&] {
    ::BitBlt(target.Canvas()->Handle(), 0, 0, w, h, source.Canvas()->Handle(), 0, 0, SRCCOPY);
  });
  std::printf("%s: a level of %d x %d, one BitBlt %.4f ms\n", skinName, w, h, blit * 1e3);
  double popup = Time([&] { open(); });
  Row("Popup to the first painted level", popup, blit, 0.1, "100 ms");
  bench::ReportTime((std::string("menu_popup_") + skinName).c_str(), popup);
  level = engine.TopLevel();
  double tick = Time([&] {
    for (auto& row : level->Items) {
      row->Hot = !row->Hot;
      row->SetMorphKf(0.4);
      row->Draw(level->Canvas());
    }
  });
  Row("One morph tick over every row", tick, blit, 0.02, "the 20 ms tick");
  bench::ReportTime((std::string("menu_morph_tick_") + skinName).c_str(), tick);
  // The first step of a morph composes both faces of each row it mixes.
  TspSkinMenuItem::KeepMorphFaces = false;
  double first = Time([&] {
    for (auto& row : level->Items) {
      row->Hot = !row->Hot;
      row->SetMorphKf(0.4);
      row->Draw(level->Canvas());
    }
  });
  TspSkinMenuItem::KeepMorphFaces = true;
  Row("First morph step over every row", first, blit, 0.02, "the 20 ms tick");
  engine.CloseMenu(0);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = bench::ProgramFolder(argc, argv);
  TForm form(nullptr);
  TPopupMenu menu(nullptr);
  for (int i = 0; i < 30; ++i) {
    auto* item = new TMenuItem(menu.Items());
    item->SetCaption(i % 10 == 9 ? String("-") : "DVD Audio To Format " + std::to_string(i));
    if (i % 7 == 3) item->SetShortCut(TextToShortCut("Ctrl+F" + std::to_string(i % 9 + 1)));
    menu.Items()->Add(item);
  }
  Measure("default", nullptr, menu, form);
  for (const char* name : {"VARNEL", "STRESS"}) {
    TspSkinData skin(nullptr);
    std::string ini = std::string(name) == "VARNEL" ? folder + "Skins\\VARNEL\\Skin.ini"
                                                    : bench::OwnFolder() + "..\\tests\\skins\\STRESS\\Skin.ini";
    if (!skin.LoadFromFile(ini)) {
      std::printf("%s: no skin at %s\n", name, ini.c_str());
      continue;
    }
    if (auto* record = TspSkinPopupWindow::FindItemRecord(&skin)) record->Morphing = true;
    Measure(name, &skin, menu, form);
  }
  return 0;
}
