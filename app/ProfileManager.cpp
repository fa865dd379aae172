#include "app/ProfileManager.h"

#include "app/AppInfo.h"
#include "app/Myshelllib.h"
#include "app/VideoProfiles.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"
#include "platform/io/IniFiles.h"
#include "platform/io/Streams.h"

int CompareProfiles(const TVideoProfile* first, const TVideoProfile* second) {
  if (second->Kind < first->Kind) return 1;
  if (second->Kind > first->Kind) return -1;
  int order = first->ProfileName.compare(second->ProfileName);  // unsigned bytes
  return order > 0 ? 1 : (order < 0 ? -1 : 0);
}

TProfileManager::TProfileManager(const String& folder) : folder_(folder) {}

TProfileManager::~TProfileManager() { ClearProfiles(); }

TVideoProfile* TProfileManager::GetProfile(int index) const {
  return static_cast<TVideoProfile*>(profiles_.Items(index));
}

void TProfileManager::AddProfile(TVideoProfile* profile) {
  profiles_.Add(profile);
  profiles_.Sort([](void* a, void* b) {
    return CompareProfiles(static_cast<TVideoProfile*>(a), static_cast<TVideoProfile*>(b));
  });
}

void TProfileManager::DeleteProfile(int index) {
  TVideoProfile* profile = GetProfile(index);
  DeleteProfileFile(*profile);
  profiles_.Delete(index);
}

void TProfileManager::ClearProfiles() {
  for (int i = 0; i < profiles_.Count(); ++i) delete GetProfile(i);
  profiles_.Clear();
}

void TProfileManager::LoadProfiles() {
  TSearchRec rec;
  if (FindFirst(folder_ + "*.pf", faAnyFile, rec) != 0) return;
  String path;
  try {
    do {
      if (rec.Attr & faDirectory) continue;  // a folder is no profile file
      path = folder_ + rec.Name;
      String text;
      if (!ReadFileToString(path, text)) throw EFOpenError("Cannot open file \"" + path + "\"");
      TIniFile ini(path);
      String name = ini.ReadString("ProfileCommon", "ProfileName", "Unknow");
      String word = UpperCase(ini.ReadString("ProfileCommon", "VideoFormat", String()));
      TVideoProfile* profile = NewProfileForFormatWord(word, name, path);
      if (!profile) continue;
      if (profile->Load()) {
        AddProfile(profile);
      } else {
        delete profile;
      }
    } while (FindNext(rec) == 0);
  } catch (const Exception&) {
    FindClose(rec);
    AppMessageBox("Failed to read the Profiles file:\n" + path, ApplicationTitle(), 16);
    return;
  }
  FindClose(rec);
}
