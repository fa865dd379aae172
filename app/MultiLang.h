// The language manager: lists the language files of "Lang\" in the program's
// folder, loads the one chosen by LangIndex of the settings file, and translates
// texts by section and key with an English default. Sections and keys are exact
// (case-sensitive); where a file repeats one, its first occurrence counts.
#pragma once

#include <map>
#include <vector>

#include "platform/core/System.h"

struct LangFileInfo {
  String Path;
  String Name;
  String Author;
};

using SectionResMap = std::map<String, String>;  // key -> text of one section

class MultiLangManager {
public:
  // Lists the files and loads the language LangIndex names.
  MultiLangManager();
  // Writes the language index back to LangIndex.
  ~MultiLangManager();
  MultiLangManager(const MultiLangManager&) = delete;
  MultiLangManager& operator=(const MultiLangManager&) = delete;

  void LoadLanguage(int index);
  String Translate(const String& section, const String& key, const String& defaultText);

  const std::vector<LangFileInfo>& Files() const { return files_; }
  int LanguageIndex() const { return languageIndex_; }
  bool Loaded() const { return loaded_; }

private:
  void FreeSections();

  std::vector<LangFileInfo> files_;          // sorted by name, byte order
  std::map<String, SectionResMap*> sections_;  // owned
  int languageIndex_ = -1;
  bool loaded_ = false;
};

// The program's one language manager, made on first use.
MultiLangManager* LanguageManager();
// Destroys the language manager (writing LangIndex); the entry routine calls it at exit.
void FreeLanguageManager();
