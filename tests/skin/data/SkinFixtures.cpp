#include "tests/skin/data/SkinFixtures.h"

#include "platform/core/FileUtils.h"
#include "tests/harness/BuildFolders.h"

String BmpBytes(int width, int height, TColor color) {
  TBitmap bitmap(width, height, pf24bit);
  bitmap.Canvas()->Brush()->SetColor(color);
  bitmap.Canvas()->FillRect(Rect(0, 0, width, height));
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return String(reinterpret_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
}

String MinimalSkinIni(const String& extra) {
  return "[VERSION]\r\nskinname=Mini\r\n"
         "[PICTURES]\r\npicture=frame.bmp\r\nactivepicturescount=1\r\n0=parts.bmp\r\n"
         "[FORMINFO]\r\nclientrect=2,10,38,28\r\n"
         "[SKINOBJECTS]\r\ncount=0\r\n"
         "[SKINCONTROLS]\r\ncount=0\r\n" +
         extra;
}

String WriteMinimalSkin(TempProgramFolder& folder, const String& extra, const String& sub) {
  folder.Write(sub + "frame.bmp", BmpBytes(40, 30));
  folder.Write(sub + "parts.bmp", BmpBytes(20, 20, clRed));
  return folder.Write(sub + "Skin.ini", MinimalSkinIni(extra));
}

String WindowsPath(const String& linuxPath) {
  String path = "Z:" + linuxPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

String VarnelSkinIni() { return BuiltProgramFolder() + "Skins\\VARNEL\\Skin.ini"; }

// Where this build tree's source and stress skin lie: one generated unit holds
// them, so the other units compile alike in every checkout.
extern const char kSkinTestSourceDir[];
extern const char kSkinTestStressSkinDir[];

String SourceTreePath(const String& relative) { return WindowsPath(String(kSkinTestSourceDir) + "/" + relative); }

String StressSkinIni() { return WindowsPath(String(kSkinTestStressSkinDir) + "/Skin.ini"); }

void CopyFolder(const String& from, const String& to) {
  ForceDirectories(to);
  TSearchRec rec;
  if (FindFirst(from + "*", faAnyFile & ~faDirectory, rec) != 0) return;
  do {
    ::CopyFileA((from + rec.Name).c_str(), (to + rec.Name).c_str(), FALSE);
  } while (FindNext(rec) == 0);
  FindClose(rec);
}
