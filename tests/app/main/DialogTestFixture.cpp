#include "tests/app/main/DialogTestFixture.h"

#include "app/main/FormRegistrations.h"
#include "app/main/ResourceFrm.h"
#include "platform/core/FileUtils.h"
#include "tests/harness/BuildFolders.h"
#include "tests/harness/WindowPump.h"

namespace {

FakeDiscEngine* fakeEngine = nullptr;
DiscEngine* MakeFakeEngine() { return fakeEngine; }

void CopyDefaultSkin(const TempProgramFolder& folder) {
  const String from = BuiltProgramFolder() + "Skins\\VARNEL\\";
  const String to = folder.Path() + "Skins\\VARNEL\\";
  ForceDirectories(to);
  for (const char* file : {"Skin.ini", "controls.bmp", "frame.bmp", "frame_inactive.bmp", "hint.bmp", "popup.bmp"})
    ::CopyFileA((from + file).c_str(), (to + file).c_str(), FALSE);
}

std::function<void()> pendingAction;

void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  std::function<void()> action = std::move(pendingAction);
  pendingAction = nullptr;
  if (action) action();
}

}  // namespace

void DialogTest::SetUp() {
  UseProgramFormDefinitions();
  savedSettings = *GetSettings();
  CopyDefaultSkin(folder);
  GetSettings()->Skin = folder.Path() + "Skins\\VARNEL\\Skin.ini";
  GetSettings()->DefaultOutputFolder = folder.Path() + "Output\\";
  ResourceForm = NewForm<TResourceForm>(nullptr);
  ResourceForm->LoadSkinList();
  engine.Titles = {FakeTitle(3600, {{0, "English"}})};
  engine.Titles[0].ChapterCount = 3;
  for (int i = 0; i < 3; ++i) engine.Titles[0].ChapterDurations[i] = 1200;
  fakeEngine = &engine;
  SetDiscEngineFactory(&MakeFakeEngine);
  window.reset(NewForm<TMainForm>(nullptr));
  window->LoadTitles(folder.Path(), skDVDFolder);
  task = window->CurrentTask;
  ASSERT_NE(task, nullptr);
  window->UpdatePreviewControls(task);
}

void DialogTest::TearDown() {
  pendingAction = nullptr;  // a test that failed before its loop leaves nothing behind
  window.reset();
  FreeDiscEngine();
  SetDiscEngineFactory(nullptr);
  fakeEngine = nullptr;
  ResourceForm->ReleaseResources();
  delete ResourceForm;
  ResourceForm = nullptr;
  *GetSettings() = savedSettings;
}

void RunInNextLoop(std::function<void()> action) {
  pendingAction = std::move(action);
  ::SetTimer(nullptr, 0, 1, &RunPendingAction);
}

CapturedPixels ShowAndCapture(TCustomForm* form, const String& name) {
  form->Show();
  form->Update();
  PumpMessages();
  CapturedPixels shot = CaptureWindow(form->Handle());
  shot.SaveBmp(name + ".bmp");
  return shot;
}

DiscEngine* LoadBuiltDiscEngine() {
  static HMODULE module = ::LoadLibraryA((BuiltProgramFolder() + "DiscEngine.dll").c_str());
  auto create = module ? reinterpret_cast<CreateDiscEngineFunc>(
                             reinterpret_cast<void*>(::GetProcAddress(module, MAKEINTRESOURCEA(10))))
                       : nullptr;
  return create ? create() : nullptr;
}
