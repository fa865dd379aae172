// The main window read from its definition with the default skin, on a disc engine
// a test chooses (the real one from the program folder, or a fake), with the rows
// of its title tree read back as text, and clicks and keys posted to the tree.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/KelvaneSettings.h"
#include "app/main/MainFrm.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/TempProgramFolder.h"
#include "tests/harness/WindowCapture.h"

class TListItem;
struct TTitleRow;

class TitleWindow : public ::testing::Test {
public:
  void SetUp() override;
  void TearDown() override;

  // Makes the window on `engine` (nullptr: the engine library's); the test owns a fake.
  void MakeWindow(DiscEngine* engine);
  // Shows the window at a fixed size and lets it paint.
  void ShowWindow();

  // Opens through the window's commands, the dialogs answered by the hooks.
  void OpenFolder(const String& folder);
  void OpenIfo(const String& file);
  void OpenVobs(const std::vector<String>& files);

  // "caption | duration | status | image | check": check is "x" or "-" for a row that
  // draws a check box, empty for one that does not.
  std::vector<String> Rows() const;
  TListItem* Row(int index) const;
  TTitleRow* RowRecord(int index) const;

  // A left click at a point of the tree's client area, as the system delivers it.
  void ClickTree(int x, int y);
  // A key pressed while the tree has the focus.
  void PressKey(WORD key);
  // What the tree shows now, its client area top row first.
  CapturedPixels CaptureTree() const;
  // Selects exactly the rows given.
  void SelectRows(const std::vector<int>& rows);

  TempProgramFolder folder;
  SystemCallsGuard calls;
  KelvaneSettings savedSettings;
  std::unique_ptr<TMainForm> form;
};

// Handles the messages posted to a window so far, however many paints keep coming.
void PumpPosted(HWND window);

// The client area of a window and its children, painted once.
CapturedPixels CapturePainted(HWND window);

// A path under the DVD fixtures the build makes, as the program sees it.
String DiscFixture(const String& relative);
