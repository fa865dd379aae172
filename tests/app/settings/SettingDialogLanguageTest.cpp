// The texts a language file replaces: every caption and button of the setting
// dialogs, their translated list items, the preset names and "Custom...", and
// nothing else. The shipped English.ini holds exactly the texts the program looks
// up, each valued by its English default, so choosing it changes no text.
#include <map>
#include <set>
#include <vector>

#include "app/LangFile.h"
#include "app/MultiLang.h"
#include "framed/controls/RzRadioGroup.h"
#include "framed/controls/RzSpinEdit.h"
#include "platform/comctrls/TrackBar.h"
#include "platform/stdctrls/Bevel.h"
#include "platform/stdctrls/ComboBox.h"
#include "tests/app/settings/SettingDialogFixture.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"
#include "tests/harness/BuildFolders.h"

namespace {

using Texts = std::map<String, String>;  // where the text is shown -> the text
using SectionKey = std::pair<String, String>;

// Every text the dialog shows, by place: its caption, each control's caption and
// each item of its lists and radio groups. Values (spin edits, sliders) are no texts.
Texts ShownTexts(TSettingBaseForm* form) {
  Texts texts{{"Caption", form->Caption()}};
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* component = form->Components(i);
    const String name = component->Name();
    auto addItems = [&](const TStrings* items) {
      for (int item = 0; item < items->Count(); ++item)
        texts[name + ".Items[" + IntToStr(item) + "]"] = items->Get(item);
    };
    if (auto* box = dynamic_cast<TCustomComboBox*>(component)) {
      addItems(box->Items());
    } else if (auto* group = dynamic_cast<TRzRadioGroup*>(component)) {
      texts[name + ".Caption"] = group->Caption();
      addItems(group->Items());
    } else if (dynamic_cast<TRzSpinEdit*>(component) || dynamic_cast<TTrackBar*>(component) ||
               dynamic_cast<TBevel*>(component)) {
      continue;
    } else if (auto* control = dynamic_cast<TControl*>(component)) {
      texts[name + ".Caption"] = control->Caption();
    }
  }
  return texts;
}

// A language file cannot hold a line break: the Ogg Vorbis column headings, whose
// defaults break after the first word, are written with a blank there, and their
// labels wrap at it, so both read the same on the screen.
String AsShown(String text) {
  for (char& c : text)
    if (c == '\n') c = ' ';
  return text;
}

bool IsNumber(const String& text) {
  return !text.empty() && text.find_first_not_of("0123456789.") == String::npos;
}

// Texts the dialogs show that no language replaces: numbers, units, the value
// labels, the panels, and the lists of technical names.
bool IsFixed(const String& place, const String& shownWithoutLanguage) {
  static const std::set<String> kFixed = {
      "RzPanel1.Caption", "RzPanel2.Caption", "RzPanel.Caption", "GroupBox2.Caption",
      "Label2.Caption@LameSettingForm", "Label3.Caption@LameSettingForm", "Label4.Caption@LameSettingForm",
      "Label5.Caption@LameSettingForm", "Label8.Caption@LameSettingForm", "Label9.Caption@LameSettingForm",
      "Label10.Caption@LameSettingForm", "Label6.Caption@AACSettingForm", "lblBitrateValue.Caption@OggSettingForm"};
  static const std::vector<String> kFixedLists = {"cbMPEGVersion.Items", "cbAACObjectType.Items",
                                                  "cbSamplerate.Items@LameSettingForm"};
  if (IsNumber(shownWithoutLanguage) || kFixed.count(place) || kFixed.count(place.substr(0, place.find('@'))))
    return true;
  for (const String& list : kFixedLists) {
    const String bare = list.substr(0, list.find('@'));
    const bool anyForm = list.find('@') == String::npos;
    if (place.compare(0, bare.size(), bare) == 0 && (anyForm || place.find(list.substr(list.find('@'))) != String::npos))
      return true;
  }
  return false;
}

// A marker names the section and key whose translation it is.
String Marker(const String& section, const String& key) { return "<" + section + "|" + key + ">"; }
bool ParseMarker(const String& text, SectionKey& found) {
  if (text.size() < 4 || text.front() != '<' || text.back() != '>') return false;
  const size_t bar = text.find('|');
  if (bar == String::npos) return false;
  found = {text.substr(1, bar - 1), text.substr(bar + 1, text.size() - bar - 2)};
  return true;
}

struct Dialog {
  const char* form;
  std::unique_ptr<TSettingBaseForm> (*open)();
};
const Dialog kDialogs[] = {
    {"AACSettingForm", OpenDialog<AacPreset>},     {"APESettingForm", OpenDialog<ApePreset>},
    {"LameSettingForm", OpenDialog<LamePreset>},   {"MusePackSettingForm", OpenDialog<MpcPreset>},
    {"OggSettingForm", OpenDialog<OggPreset>},     {"WaveSettingForm", OpenDialog<WavPreset>},
};

template <class T>
std::unique_ptr<PresetBase> Make() {
  return std::make_unique<T>();
}
std::unique_ptr<PresetBase> (*const kPresetSources[])() = {
    Make<LamePreset>, Make<WMA9Preset>, Make<WavPreset>, Make<RealPreset>, Make<OggPreset>,
    Make<AacPreset>,  Make<Mp4Preset>,  Make<ApePreset>, Make<MpcPreset>,  Make<FlacPreset>,
};

// The texts of every dialog (by "place@form") and every preset name (by "preset
// source:index"), in the language the settings file chooses.
Texts AllTexts() {
  Texts all;
  for (const Dialog& dialog : kDialogs) {
    std::unique_ptr<TSettingBaseForm> form = dialog.open();
    for (const auto& [place, text] : ShownTexts(form.get())) all[place + "@" + dialog.form] = text;
  }
  for (int source = 0; source < static_cast<int>(std::size(kPresetSources)); ++source) {
    std::unique_ptr<PresetBase> preset = kPresetSources[source]();
    for (int i = 0; i < preset->GetPresetCount(); ++i)
      all["preset " + IntToStr(source) + ":" + IntToStr(i)] = preset->GetPresetName(i);
  }
  return all;
}

class LanguageFileTest : public SettingDialogTest {
protected:
  LanguageFileTest() {
    EXPECT_TRUE(english.LoadFromFile(BuiltProgramFolder() + "Lang\\English.ini")) << "the build copies English.ini";
    String markers = "[GENERAL]\r\nname=Markers\r\n";
    for (const auto& [section, entries] : english.Sections()) {
      if (section == "GENERAL") continue;
      markers += "[" + String(section) + "]\r\n";
      for (const auto& [key, text] : entries) markers += String(key) + "=" + Marker(String(section), String(key)) + "\r\n";
    }
    folder.Write("Lang\\Markers.ini", markers);  // listed after English: the names sort so
    folder.Write("Lang\\English.ini", ReadShipped());
  }

  String ReadShipped() const {
    String text;
    EXPECT_TRUE(ReadFileToString(BuiltProgramFolder() + "Lang\\English.ini", text));
    return text;
  }

  Texts TextsIn(int langIndex) {
    FreeLanguageManager();  // it writes its own index back when it goes
    folder.Write("DUZORERAVE.ini", "[Settings]\r\nLangIndex=" + IntToStr(langIndex) + "\r\n");
    return AllTexts();
  }

  LangFile english;
};

}  // namespace

TEST_F(LanguageFileTest, TheShippedFileNamesEnglishAndChangesNoText) {
  EXPECT_EQ(english.Value("GENERAL", "name", ""), "English");
  const Texts plain = TextsIn(-1), inEnglish = TextsIn(0);
  ASSERT_EQ(LanguageManager()->Files().size(), 2u);
  EXPECT_EQ(LanguageManager()->Files()[0].Name, "English");
  ASSERT_EQ(plain.size(), inEnglish.size());
  for (const auto& [place, text] : plain) EXPECT_EQ(AsShown(inEnglish.at(place)), AsShown(text)) << place;
}

TEST_F(LanguageFileTest, ALanguageReplacesExactlyTheTextsTheShippedFileHolds) {
  const Texts plain = TextsIn(-1), marked = TextsIn(1);
  ASSERT_EQ(LanguageManager()->Files()[1].Name, "Markers");
  std::set<SectionKey> lookedUp;
  for (const auto& [place, shown] : marked) {
    SectionKey key;
    const bool translated = ParseMarker(shown, key);
    const bool preset = place.compare(0, 7, "preset ") == 0;
    EXPECT_EQ(translated, preset || !IsFixed(place, plain.at(place))) << place << " shows " << shown;
    if (!translated) {
      EXPECT_EQ(shown, plain.at(place)) << place;
      continue;
    }
    lookedUp.insert(key);
    // Without a language the text is its English default, which the file holds.
    EXPECT_EQ(AsShown(plain.at(place)), english.Value(key.first, key.second, "(missing)")) << place;
  }
  // The output settings dialog looks up its "Custom..." entry.
  lookedUp.insert({"SELECTOUTFORMAT_FORM", "07"});

  std::set<SectionKey> shipped;
  for (const auto& [section, entries] : english.Sections())
    for (const auto& [key, text] : entries)
      if (section != "GENERAL") shipped.insert({String(section), String(key)});
  for (const SectionKey& key : shipped)
    EXPECT_TRUE(lookedUp.count(key)) << key.first << " " << key.second << " is shipped but never looked up";
  for (const SectionKey& key : lookedUp)
    EXPECT_TRUE(shipped.count(key)) << key.first << " " << key.second << " is looked up but not shipped";
  EXPECT_EQ(english.Value("SELECTOUTFORMAT_FORM", "07", ""), "Custom...");
}
