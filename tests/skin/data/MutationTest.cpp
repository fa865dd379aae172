// Skin folders and compressed skins are untrusted input. A seeded run mutates INI
// values, picture files and compressed streams of both generated skins; every
// load either succeeds or fails with the platform's exception, and never crashes
// or hangs. A skin that loads is then put through the validator, which reads
// every record.
#include <gtest/gtest.h>

#include <random>

#include "platform/FileUtils.h"
#include "platform/Streams.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/spzlibcompress.h"
#include "tests/skin/data/SkinFixtures.h"
#include "tools/skins/SkinValidation.h"

namespace {

const char* const kHostileValues[] = {
    "",           "-1",          "2147483647", "-2147483648", "99999999999", "0x7FFFFFFF", "$FFFFFFFF",
    "garbage",    "1,2",         ",,,,",       "1,2,3,4,5,6", "-5,-5,99999,99999",       "65535,65535,0,0",
    "2000000000", "stfull:sthorz", "fsbold",   "..\\..\\x.bmp", "frame.bmp",  "0,0,2147483647,2147483647",
};

// Loads a skin and, when it loads, validates it; answers whether it loaded.
bool LoadSafely(const String& ini) {
  TspSkinData skin(nullptr);
  try {
    if (!skin.LoadFromFile(ini)) return false;
  } catch (const Exception&) {
    EXPECT_TRUE(skin.Empty);
    EXPECT_FALSE(skin.LoadingSkin);
    return false;
  }
  ValidateSkinFolder(ini);
  return true;
}

String MutatedIni(const String& text, std::mt19937& random) {
  std::vector<String> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == String::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  for (int changes = 1 + random() % 3; changes > 0; --changes) {
    String& line = lines[random() % lines.size()];
    size_t equals = line.find('=');
    switch (random() % 4) {
      case 0: line.clear(); break;
      case 1:
        if (equals != String::npos) line = line.substr(0, equals + 1) + kHostileValues[random() % std::size(kHostileValues)];
        break;
      case 2:
        if (equals != String::npos) line = line.substr(0, equals + 1) + std::to_string(static_cast<Integer>(random()));
        break;
      default:
        if (!line.empty()) line[random() % line.size()] = static_cast<char>(random() % 256);
    }
  }
  String out;
  for (const String& line : lines) out += line + "\r\n";
  return out;
}

void MutateFile(const String& path, std::mt19937& random) {
  String bytes;
  ASSERT_TRUE(ReadFileToString(path, bytes));
  if (bytes.empty()) return;
  if (random() % 3 == 0) {
    bytes.resize(random() % bytes.size());
  } else {
    for (int flips = 1 + random() % 8; flips > 0; --flips) {
      size_t at = random() % std::min<size_t>(bytes.size(), random() % 2 ? 64 : bytes.size());
      bytes[at] = static_cast<char>(random() % 256);
    }
  }
  ASSERT_TRUE(WriteFileAtomically(path, bytes));
}

}  // namespace

TEST(SkinMutation, MutatedFoldersLoadOrFailCleanly) {
  std::mt19937 random(20261210);
  for (const String& source : {VarnelSkinIni(), StressSkinIni()}) {
    String folderOf = ExtractFilePath(source);
    String text;
    ASSERT_TRUE(ReadFileToString(source, text));
    TempProgramFolder folder;
    CopyFolder(folderOf, folder.Path());
    int loaded = 0;
    for (int round = 0; round < 120; ++round) {
      folder.Write("Skin.ini", MutatedIni(text, random));
      loaded += LoadSafely(folder.Path() + "Skin.ini");
    }
    EXPECT_GT(loaded, 0) << "some mutations leave a loadable skin";

    // Pictures: truncated or with garbled bytes (headers most of the time).
    folder.Write("Skin.ini", text);
    std::vector<String> pictures;
    TSearchRec rec;
    if (FindFirst(folderOf + "*.*", faAnyFile & ~faDirectory, rec) == 0) {
      do {
        if (rec.Name != "Skin.ini") pictures.push_back(rec.Name);
      } while (FindNext(rec) == 0);
      FindClose(rec);
    }
    for (int round = 0; round < 40; ++round) {
      const String& name = pictures[random() % pictures.size()];
      ::CopyFileA((folderOf + name).c_str(), (folder.Path() + name).c_str(), FALSE);
      MutateFile(folder.Path() + name, random);
      LoadSafely(folder.Path() + "Skin.ini");
      ::CopyFileA((folderOf + name).c_str(), (folder.Path() + name).c_str(), FALSE);
    }
  }
}

TEST(SkinMutation, MutatedCompressedSkinsLoadOrFailCleanly) {
  std::mt19937 random(777);
  for (const String& source : {VarnelSkinIni(), StressSkinIni()}) {
    TspCompressedStoredSkin packed(nullptr);
    packed.LoadFromIniFile(source);
    ASSERT_FALSE(packed.GetEmpty());
    // The expanded inner stream, mutated and packed again, reaches the readers
    // past the zlib checksum; the packed bytes mutated test the inflater.
    TMemoryStream inner;
    packed.DeCompressToStream(inner);
    for (int round = 0; round < 80; ++round) {
      TspCompressedStoredSkin mutated(nullptr);
      if (round % 2) {
        TMemoryStream changed;
        changed.WriteBuffer(inner.Memory(), inner.Size());
        for (int flips = 1 + random() % 4; flips > 0; --flips) {
          Int64 at = random() % (random() % 2 ? std::min<Int64>(inner.Size(), 200) : inner.Size());
          changed.Memory()[at] = static_cast<Byte>(random());
        }
        if (random() % 4 == 0) changed.SetSize(random() % changed.Size());
        CompressStream(changed, *mutated.PackedData);
      } else {
        mutated.PackedData->WriteBuffer(packed.PackedData->Memory(), packed.PackedData->Size());
        Int64 at = random() % mutated.PackedData->Size();
        mutated.PackedData->Memory()[at] ^= static_cast<Byte>(1 + random() % 255);
      }
      TspSkinData skin(nullptr);
      try {
        skin.LoadCompressedStoredSkin(&mutated);
      } catch (const Exception&) {
        EXPECT_FALSE(skin.LoadingSkin);
      }
    }
  }
}
