#include "app/main/Startup.h"

#include "app/AppInfo.h"
#include "app/KelvaneSettings.h"
#include "app/MultiLang.h"
#include "app/VideoEncoder.h"
#include "app/main/CoverFrm.h"
#include "app/main/FormRegistrations.h"
#include "app/main/MainFrm.h"
#include "app/main/ResourceFrm.h"
#include "app/settings/SettingDialogs.h"
#include "framed/startup/FramedStartup.h"
#include "platform/controls/Application.h"
#include "platform/controls/Screen.h"
#include "platform/core/Exceptions.h"

namespace {

// What module initialisation does before the entry routine proper: the framed
// family first, then the settings, the language manager and the registrations.
void StartModules() {
  FramedStartup();
  GetSettings();
  LanguageManager();
  UseProgramFormDefinitions();
  RegisterVideoEncoderObjects();
  RegisterSettingDialogs();
}

// At exit: the main window and everything the resource form holds, then the
// language manager (which writes its index back) and the settings (which save).
void StopModules() {
  delete MainForm;
  MainForm = nullptr;
  FreeDiscEngine();  // after the window, which may still stop a preview
  if (ResourceForm) {
    ResourceForm->ReleaseResources();
    delete ResourceForm;
  }
  FreeLanguageManager();
  FreeSettings();
  FramedShutdown();
}

void RunSteps() {
  Application.Initialize();
  Application.SetTitle(ApplicationTitle());
  Screen.SetCursor(crHourGlass);

  TCoverForm* splash = NewForm<TCoverForm>(&Application);
  splash->Show();
  splash->Update();

  ResourceForm = NewForm<TResourceForm>(&Application);
  splash->ShowStatus("Loading UI resources...");
  ResourceForm->LoadSkinList();
  splash->ShowStatus("Loading Profiles...");
  ResourceForm->LoadResources();
  splash->ShowStatus("Starting...");
  Application.CreateForm(MainForm);

  splash->Close();
  delete splash;
  Screen.SetCursor(crDefault);
  Application.Run();
}

}  // namespace

int RunVarnelRevo() {
  StartModules();
  try {
    RunSteps();
  } catch (const Exception& e) {
    Application.ShowException(e.Message);
  } catch (const std::exception& e) {
    Application.ShowException(e.what());
  } catch (...) {
    Application.ShowException("");
  }
  StopModules();
  return 0;
}
