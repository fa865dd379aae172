// What the tests of the main window's dialogs share: a program folder of their
// own with the default skin, the resource form that holds it, a fake disc engine
// with one hour-long title of three chapters, and the main window over it with the
// title's task current.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/KelvaneSettings.h"
#include "app/main/MainFrm.h"
#include "platform/controls/Screen.h"
#include "tests/app/main/FakeDiscEngine.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/TempProgramFolder.h"
#include "tests/harness/WindowCapture.h"

class DialogTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  TempProgramFolder folder;
  KelvaneSettings savedSettings;  // the settings as the test found them, put back after it
  FakeDiscEngine engine;
  SystemCallsGuard calls;
  std::unique_ptr<TMainForm> window;
  DVDConvertTask* task = nullptr;
};

// Runs `action` once from within the message loop that runs next, such as the
// one of a modal dialog a command is about to show.
void RunInNextLoop(std::function<void()> action);

// The open form of a class, the last made first; nullptr when none is open.
template <class F>
F* OpenForm() {
  for (int i = Screen.FormCount() - 1; i >= 0; --i)
    if (auto* form = dynamic_cast<F*>(Screen.Forms(i))) return form;
  return nullptr;
}

// The window shown and painted, captured whole and saved as `name`.bmp beside the
// test program, to be looked at.
CapturedPixels ShowAndCapture(TCustomForm* form, const String& name);

// The disc engine of the program folder (nullptr when it cannot be loaded); the
// caller releases it.
DiscEngine* LoadBuiltDiscEngine();
