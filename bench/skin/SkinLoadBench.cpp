// Loading the VARNEL skin beside its floor: the same BMP files decoded by TBitmap
// plus the INI text read key by key; and loading a compressed skin beside a bare
// inflate of its data. Goal: each within 1.5x of its floor.
#include <chrono>
#include <cstdio>

#include "bench/BenchSupport.h"
#include "platform/graphics/Bitmap.h"
#include "platform/core/FileUtils.h"
#include "skin/data/CompressedSkin.h"
#include "platform/io/Streams.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinIniFile.h"
#include "skin/data/spzlibcompress.h"

namespace {

using Clock = std::chrono::steady_clock;

template <class F>
double BestSeconds(int rounds, F run) {
  double best = 1e9;
  for (int i = 0; i < rounds; ++i) {
    Clock::time_point start = Clock::now();
    run();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

// The floor of a folder load: every picture the INI names, and every key read.
void ReadFloor(const String& iniFile) {
  String folder = ExtractFilePath(iniFile);
  TSkinIniFile ini(iniFile);
  TStringList sections, values;
  ini.ReadSections(&sections);
  for (int i = 0; i < sections.Count(); ++i) ini.ReadSectionValues(sections[i], &values);
  for (const char* key : {"picture", "inactivepicture", "mask", "rolluppicture", "rollupmask"}) {
    String name = ini.ReadString("PICTURES", key, String());
    if (name.empty()) continue;
    TBitmap bitmap;
    bitmap.LoadFromFile(folder + name);
  }
  TStringList names;
  ReadStrings1(ini, "PICTURES", "activepictures", &names);
  for (int i = 0; i < names.Count(); ++i) {
    TBitmap bitmap;
    bitmap.LoadFromFile(folder + names[i]);
  }
}

void Report(const char* what, double seconds, double floor) {
  std::printf("%-34s %8.2f ms   floor %8.2f ms   ratio %.2fx (goal 1.5x)\n", what, seconds * 1e3, floor * 1e3,
              seconds / floor);
}

}  // namespace

int main(int argc, char** argv) {
  const String ini = bench::ProgramFolder(argc, argv) + "Skins\\VARNEL\\Skin.ini";
  const int rounds = 20;
  TspSkinData skin(nullptr);
  double load = BestSeconds(rounds, [&] { skin.LoadFromFile(ini); });
  double floor = BestSeconds(rounds, [&] { ReadFloor(ini); });
  Report("LoadFromFile (VARNEL)", load, floor);

  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinData(skin);
  double compressed = BestSeconds(rounds, [&] { skin.LoadCompressedStoredSkin(&stored); });
  double inflate = BestSeconds(rounds, [&] {
    TMemoryStream out;
    DeCompressStream(out, *stored.PackedData);
  });
  Report("LoadCompressedStoredSkin (VARNEL)", compressed, inflate);

  // Where the rest of the time goes: the pictures decoded from memory, and the
  // description read from its text.
  TMemoryStream inner;
  stored.DeCompressToStream(inner);
  double pictures = BestSeconds(rounds, [&] {
    for (auto& picture : skin.ActivePictures) {
      TMemoryStream bmp;
      picture->SaveToStream(bmp);
      bmp.SetPosition(0);
      TBitmap copy;
      copy.LoadFromStream(bmp);
    }
  });
  TSkinTextIniFile text;
  skin.SaveToCustomIniFile(text);
  String description = text.Text();
  double records = BestSeconds(rounds, [&] {
    TSkinTextIniFile ini(description);
    TspSkinData scratch(nullptr);
    scratch.ReadFormInfo(ini);
    scratch.ReadObjects(ini);
    scratch.ReadCtrls(ini);
  });
  std::printf("  of which: named pictures saved and decoded %.2f ms, records read %.2f ms\n", pictures * 1e3,
              records * 1e3);
  return 0;
}
