#include "tests/app/output/OutputFixture.h"

#include "app/KelvaneSettings.h"
#include "app/MultiLang.h"
#include "app/ProfileManager.h"
#include "app/main/FormRegistrations.h"
#include "app/main/ResourceFrm.h"
#include "platform/core/FileUtils.h"
#include "platform/stdctrls/ComboBox.h"
#include "tests/harness/BuildFolders.h"

void OutputFixture::SetUp() {
  UseProgramFormDefinitions();
  FreeLanguageManager();  // the language follows this test's folder
  ResourceForm = NewForm<TResourceForm>(nullptr);
  ResourceForm->cbSystemProfile->Items()->Add("Windows Media Video 8 for Local Area Network (384 Kbps)");
  ResourceForm->cbSystemProfile->Items()->Add("Windows Media Video 8 for Dial-up Modems (28.8 Kbps)");
  ResourceForm->cbWMVAudioFormat->Items()->Add("64 kbps, 44 kHz, stereo CBR");
  ResourceForm->cbWMVAudioFormat->Items()->Add("32 kbps, 22 kHz, stereo CBR");
  ResourceForm->cbRealAudioFormat->Items()->Add("14.4 Voice");
  ResourceForm->cbRealAudioFormat->Items()->Add("Stereo Music - 64 kbps");
  SystemCalls().MessageBox = [this](HWND, const String& text, const String&, UINT flags) {
    Boxes.push_back({text, flags});
    if (Answers.empty()) return IDNO;
    int answer = Answers.front();
    Answers.pop_front();
    return answer;
  };
}

void OutputFixture::TearDown() {
  ResourceForm->ReleaseResources();
  delete ResourceForm;
  ResourceForm = nullptr;
  FreeLanguageManager();
}

void OutputFixture::UseDefaultSkin() {
  const String from = BuiltProgramFolder() + "Skins\\VARNEL\\";
  const String to = folder.Path() + "Skins\\VARNEL\\";
  ForceDirectories(to);
  for (const char* file : {"Skin.ini", "controls.bmp", "frame.bmp", "frame_inactive.bmp", "hint.bmp", "popup.bmp"})
    ::CopyFileA((from + file).c_str(), (to + file).c_str(), FALSE);
  GetSettings()->Skin = to + "Skin.ini";
  ResourceForm->LoadSkinList();
}

TProfileManager& OutputFixture::Manager() const { return *ResourceForm->ProfileManager; }

std::vector<String> OutputFixture::BoxTexts() const {
  std::vector<String> texts;
  for (const Box& box : Boxes) texts.push_back(box.Text);
  return texts;
}

String ReadText(const TempProgramFolder& folder, const String& relativePath) { return folder.Read(relativePath); }
