// The output folder controls and the help, support, home-page and skin commands.
#include "app/KelvaneSettings.h"
#include "app/Myshelllib.h"
#include "app/main/MainFrm.h"
#include "app/main/ResourceFrm.h"
#include "platform/controls/Application.h"
#include "platform/controls/Dialogs.h"
#include "platform/controls/Menus.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SystemCalls.h"
#include "skin/controls/SkinEdit.h"
#include "skin/data/SkinData.h"

const char kSupportMailLink[] = "mailto:support@varnel.example";
const char kHomePageAddress[] = "https://varnel.example/";

namespace {

// The skin item chosen last; none until the user chooses one.
TMenuItem* chosenSkinItem = nullptr;

void OpenWithShell(const String& file, int show) {
  SystemCalls().ShellExecute(Application.Handle(), "open", file, "", "", show);
}

}  // namespace

void TMainForm::btnBrowseClick(TObject*) {
  String folder = SelectDirectory("Select Directory");
  if (folder.empty()) return;
  if (folder.back() != '\\') folder += '\\';
  edtOutputFolder->SetText(folder);
  GetSettings()->DefaultOutputFolder = edtOutputFolder->Text();
}

void TMainForm::edtOutputFolderChange(TObject*) { GetSettings()->DefaultOutputFolder = edtOutputFolder->Text(); }

void TMainForm::btnOpenOutputFolderClick(TObject*) {
  const String folder = edtOutputFolder->Text();
  ForceDirectories(folder);
  OpenWithShell(folder, SW_SHOWNORMAL);
}

void TMainForm::HelpContent1Click(TObject*) { OpenWithShell(GetHelpFileName(), SW_SHOWNORMAL); }

void TMainForm::Support1Click(TObject*) { OpenWithShell(kSupportMailLink, SW_SHOWMAXIMIZED); }

void TMainForm::KelvaneHomeSite1Click(TObject*) { OpenWithShell(kHomePageAddress, SW_SHOWMAXIMIZED); }

void TMainForm::mnuSelectSkinClick(TObject* sender) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (!item) return;
  if (chosenSkinItem) chosenSkinItem->SetChecked(false);
  GetSettings()->Skin = ProgramFolder() + "Skins\\" + item->Caption() + "\\Skin.ini";
  ResourceForm->FormSkinData->LoadFromFile(GetSettings()->Skin);
  item->SetChecked(true);
  chosenSkinItem = item;
}

void ForgetChosenSkinItem(const TComponent* owner) {
  if (chosenSkinItem && chosenSkinItem->Owner() == owner) chosenSkinItem = nullptr;
}
