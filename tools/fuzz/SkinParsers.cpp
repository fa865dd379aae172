#include "tools/fuzz/SkinParsers.h"

#include <windows.h>
#include <zlib.h>

#include "platform/core/FileUtils.h"
#include "platform/graphics/Bitmap.h"
#include "platform/io/Streams.h"
#include "skin/data/CompressedSkin.h"
#include "skin/data/SkinData.h"

namespace {

const char* const kPictures[] = {"frame.bmp", "parts.bmp"};

// A folder of this process in the temporary folder holding the pictures the
// seeds name; removed when the process ends normally.
class SkinFolder {
public:
  SkinFolder() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    path_ = IncludeTrailingBackslash(temp) + "varnel-fuzz-skin-" + std::to_string(::GetCurrentProcessId()) + "\\";
    ForceDirectories(path_);
    WritePicture(kPictures[0], 40, 30, clSilver);
    WritePicture(kPictures[1], 20, 20, clRed);
  }
  ~SkinFolder() {
    for (const char* name : kPictures) ::DeleteFileA((path_ + name).c_str());
    ::DeleteFileA(IniPath().c_str());
    ::RemoveDirectoryA(path_.c_str());
  }
  String IniPath() const { return path_ + "Skin.ini"; }
  bool WriteIni(const std::string& text) const { return WriteFileAtomically(IniPath(), text); }

private:
  void WritePicture(const char* name, int width, int height, TColor colour) const {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) bitmap.Canvas()->SetPixels(x, y, (x + y) % 3 ? colour : clBlack);
    bitmap.SaveToFile(path_ + name);
  }
  String path_;
};

const SkinFolder& Folder() {
  static const SkinFolder folder;
  return folder;
}

const char kRequired[] =
    "[VERSION]\r\nskinname=Fuzz\r\nskinauthor=Varnel\r\n"
    "[PICTURES]\r\npicture=frame.bmp\r\nactivepicturescount=1\r\n0=parts.bmp\r\n"
    "[FORMINFO]\r\nclientrect=2,10,38,28\r\nlefttoppoint=2,2\r\nrighttoppoint=38,2\r\n"
    "leftbottompoint=2,28\r\nrightbottompoint=38,28\r\nbuttonsrect=30,0,40,10\r\n";

// One frame object and one control, each naming the named picture.
const char kRecords[] =
    "[SKINOBJECTS]\r\ncount=1\r\n0=caption:caption\r\n"
    "[caption]\r\nskinrect=0,0,40,10\r\ntextrect=2,0,30,10\r\nfontname=Tahoma\r\nfontheight=14\r\n"
    "[SKINCONTROLS]\r\ncount=2\r\n0=MyButton:button\r\n1=panel:panel\r\n"
    "[MyButton]\r\npictureindex=0\r\nmaskpictureindex=-1\r\nskinrect=0,0,20,10\r\n"
    "activeskinrect=0,10,20,20\r\nclientrect=2,2,18,8\r\nstretchtype=stfull\r\nframecount=0\r\n"
    "[panel]\r\npictureindex=0\r\nskinrect=0,0,20,20\r\nclientrect=2,2,18,18\r\n";

const char kExtras[] =
    "[SKINAREAS]\r\ncount=1\r\n0=title:0,0,40,10\r\n"
    "[SKINCOLORS]\r\nbtnface=12632256\r\nwindow=16777215\r\n"
    "[CURSORS]\r\ncursorscount=0\r\n";

}  // namespace

std::vector<std::string> SkinFolderSeeds() {
  Folder();
  return {std::string(kRequired) + kRecords, std::string(kRequired) + kRecords + kExtras};
}

ParseOutcome ParseSkinFolder(const std::string& input) {
  if (!Folder().WriteIni(input)) return ParseOutcome::kRefused;
  try {
    TspSkinData skin(nullptr);
    return skin.LoadFromFile(Folder().IniPath()) && !skin.Empty ? ParseOutcome::kAccepted : ParseOutcome::kRefused;
  } catch (const Exception&) {
    return ParseOutcome::kRefused;
  }
}

// Each folder seed packed by the program's own writer.
std::vector<std::string> CompressedSkinSeeds() {
  std::vector<std::string> seeds;
  for (const std::string& ini : SkinFolderSeeds()) {
    Folder().WriteIni(ini);
    TspCompressedStoredSkin stored(nullptr);
    stored.LoadFromIniFile(Folder().IniPath());
    TStringStream stream;
    stored.SaveToCompressStream(stream);
    seeds.push_back(stream.DataString());
  }
  return seeds;
}

ParseOutcome ParseCompressedSkin(const std::string& input) {
  try {
    TspCompressedStoredSkin stored(nullptr);
    TStringStream stream(input);
    stored.LoadFromCompressStream(stream);
    if (stored.GetEmpty()) return ParseOutcome::kRefused;
    TspSkinData skin(nullptr);
    skin.LoadCompressedStoredSkin(&stored);
    return skin.Empty ? ParseOutcome::kRefused : ParseOutcome::kAccepted;
  } catch (const Exception&) {
    return ParseOutcome::kRefused;
  }
}

namespace {

// As much as inflates before an error or the end, at most a megabyte.
std::string InflatedPrefix(const std::string& packed) {
  z_stream zip{};
  if (inflateInit(&zip) != Z_OK) return {};
  zip.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  zip.avail_in = static_cast<uInt>(packed.size());
  std::string out;
  char block[4096];
  int result = Z_OK;
  while (result == Z_OK && out.size() < (1u << 20)) {
    zip.next_out = reinterpret_cast<Bytef*>(block);
    zip.avail_out = sizeof block;
    result = inflate(&zip, Z_NO_FLUSH);
    out.append(block, sizeof block - zip.avail_out);
    if (zip.avail_out == sizeof block) break;  // no progress
  }
  inflateEnd(&zip);
  return out;
}

}  // namespace

void RepackCompressedSkin(std::string& input) {
  if (input.size() <= 8) return;
  const std::string inner = InflatedPrefix(input.substr(8));
  if (inner.empty()) return;
  uLongf size = compressBound(static_cast<uLong>(inner.size()));
  std::string packed(size, '\0');
  if (compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(inner.data()),
               static_cast<uLong>(inner.size())) != Z_OK)
    return;
  packed.resize(size);
  for (int i = 0; i < 4; ++i) input[4 + i] = static_cast<char>(size >> (8 * i));
  input.replace(8, std::string::npos, packed);
}
