#include "app/MultiLang.h"

#include <algorithm>

#include "app/KelvaneSettings.h"
#include "app/LangFile.h"
#include "platform/core/FileUtils.h"
#include "platform/io/IniFiles.h"

namespace {

const char kUnknown[] = "Unknow";
const char kGeneral[] = "GENERAL";

MultiLangManager* instance = nullptr;

}  // namespace

MultiLangManager::MultiLangManager() {
  const String folder = ProgramFolder() + "Lang\\";
  TSearchRec rec;
  if (FindFirst(folder + "*.ini", faReadOnly | faHidden | faSysFile | faArchive, rec) == 0) {
    do {
      LangFile file;
      file.LoadFromFile(folder + rec.Name);
      String name = file.Value(kGeneral, "name", kUnknown);
      if (name == kUnknown) continue;
      files_.push_back({folder + rec.Name, name, file.Value(kGeneral, "author", kUnknown)});
    } while (FindNext(rec) == 0);
    FindClose(rec);
  }
  std::sort(files_.begin(), files_.end(),
            [](const LangFileInfo& a, const LangFileInfo& b) { return a.Name < b.Name; });

  int index = -1;
  try {
    TIniFile settings(SettingsFileName());
    index = settings.ReadInteger("Settings", "LangIndex", -1);
  } catch (const Exception&) {
    index = -1;
  }
  if (index < 0 || index >= static_cast<int>(files_.size())) index = -1;
  if (index != -1) LoadLanguage(index);
}

MultiLangManager::~MultiLangManager() {
  try {
    TIniFile settings(SettingsFileName());
    settings.WriteInteger("Settings", "LangIndex", languageIndex_);
  } catch (const Exception&) {
    // Written at exit; an unwritable settings file keeps its old index.
  }
  FreeSections();
}

void MultiLangManager::FreeSections() {
  for (auto& section : sections_) delete section.second;
  sections_.clear();
}

void MultiLangManager::LoadLanguage(int index) {
  if (index == languageIndex_ && loaded_) return;
  if (index < -1 || index >= static_cast<int>(files_.size())) index = -1;
  languageIndex_ = index;
  if (index == -1) return;
  FreeSections();
  LangFile file;
  file.LoadFromFile(files_[index].Path);
  for (const auto& section : file.Sections()) {
    auto* map = new SectionResMap();
    for (const auto& entry : section.second) map->emplace(entry.first, entry.second);
    sections_.emplace(section.first, map);
  }
  loaded_ = true;
}

String MultiLangManager::Translate(const String& section, const String& key, const String& defaultText) {
  if (!loaded_) LoadLanguage(languageIndex_);
  auto found = sections_.find(section);
  if (found == sections_.end()) return defaultText;
  auto entry = found->second->find(key);
  return entry == found->second->end() ? defaultText : entry->second;
}

MultiLangManager* LanguageManager() {
  if (!instance) instance = new MultiLangManager();
  return instance;
}

void FreeLanguageManager() { FreeAndNil(instance); }
