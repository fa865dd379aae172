#include "tests/app/main/TitleWindowFixture.h"

#include <cstring>

#include "app/main/FormRegistrations.h"
#include "app/main/ResourceFrm.h"
#include "app/main/TitleTree.h"
#include "platform/comctrls/ListItems.h"
#include "platform/controls/Forms.h"
#include "platform/core/FileUtils.h"
#include "skin/controls/SkinCustomListView.h"
#include "tests/harness/BuildFolders.h"
#include "tests/harness/WindowPump.h"

#include <commctrl.h>

namespace {

constexpr UINT kPumpMark = WM_APP + 0x7E1;

DiscEngine* givenEngine = nullptr;
DiscEngine* GivenEngine() { return givenEngine; }

void CopySkin(const TempProgramFolder& folder) {
  const String from = BuiltProgramFolder() + "Skins\\VARNEL\\";
  const String to = folder.Path() + "Skins\\VARNEL\\";
  ForceDirectories(to);
  for (const char* file : {"Skin.ini", "controls.bmp", "frame.bmp", "frame_inactive.bmp", "hint.bmp", "popup.bmp"})
    ::CopyFileA((from + file).c_str(), (to + file).c_str(), FALSE);
}

// The open dialog's answer: one file, or several of one folder as the system gives them.
void AnswerFiles(OPENFILENAMEA* request, const std::vector<String>& files) {
  String answer;
  if (files.size() == 1) {
    answer = files[0];
  } else {
    answer = ExtractFileDir(files[0]);
    for (const String& file : files) answer += String(1, '\0') + ExtractFileName(file);
  }
  answer += String(2, '\0');
  ASSERT_LT(answer.size(), request->nMaxFile);
  std::memcpy(request->lpstrFile, answer.data(), answer.size());
}

}  // namespace

String DiscFixture(const String& relative) {
  const String path = BuiltProgramFolder() + "..\\disc-fixtures\\" + relative;
  char full[MAX_PATH] = {};
  ::GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return full;
}

void TitleWindow::SetUp() {
  UseProgramFormDefinitions();
  savedSettings = *GetSettings();
  CopySkin(folder);
  KelvaneSettings& settings = *GetSettings();
  settings.Skin = folder.Path() + "Skins\\VARNEL\\Skin.ini";
  settings.DefaultOutputFolder = folder.Path() + "Output\\";
  settings.OnlySelectMainMovie = true;
  settings.DontShowNotAvailableTitles = true;
  settings.DefaultAudioLang = "English";
  settings.DefaultSubtitleLang = "German";
  ResourceForm = NewForm<TResourceForm>(nullptr);
  ResourceForm->LoadSkinList();
  calls.AnswerMessageBoxes(IDOK);
  SystemCalls().GetVolumeInformation = [](const String&, char*, DWORD) { return FALSE; };
}

void TitleWindow::TearDown() {
  form.reset();
  FreeDiscEngine();
  SetDiscEngineFactory(nullptr);
  givenEngine = nullptr;
  ResourceForm->ReleaseResources();
  delete ResourceForm;
  ResourceForm = nullptr;
  *GetSettings() = savedSettings;
}

void TitleWindow::MakeWindow(DiscEngine* engine) {
  givenEngine = engine;
  SetDiscEngineFactory(engine ? &GivenEngine : nullptr);
  form.reset(NewForm<TMainForm>(nullptr));
}

void TitleWindow::ShowWindow() {
  form->SetBounds(0, 0, 900, 640);
  form->Show();
  ::UpdateWindow(form->Handle());
}

// Posted messages come before paints: a message posted last is handled once every
// message posted before it has been. Characters made from posted keys are posted
// in turn, so the round is run twice.
void PumpPosted(HWND window) {
  for (int round = 0; round < 2; ++round) {
    bool seen = false;
    const TMessageEvent saved = Application.OnMessage;
    Application.OnMessage = TMessageEvent::Function([&](MSG& msg, bool& handled) {
      if (msg.hwnd == window && msg.message == kPumpMark) seen = handled = true;
    });
    ::PostMessageA(window, kPumpMark, 0, 0);
    const DWORD start = ::GetTickCount();
    while (!seen && ::GetTickCount() - start < 5000) Application.HandleMessage();
    Application.OnMessage = saved;
    EXPECT_TRUE(seen) << "the posted messages were not handled";
  }
}

void TitleWindow::OpenFolder(const String& path) {
  SystemCalls().BrowseForFolder = [path](BROWSEINFOA*) -> LPITEMIDLIST { return ::ILCreateFromPathA(path.c_str()); };
  form->actOpenDVDExecute(nullptr);
}

void TitleWindow::OpenIfo(const String& file) {
  SystemCalls().GetOpenFileName = [file](OPENFILENAMEA* request) {
    AnswerFiles(request, {file});
    return TRUE;
  };
  form->btnOpenIFOClick(nullptr);
}

void TitleWindow::OpenVobs(const std::vector<String>& files) {
  SystemCalls().GetOpenFileName = [files](OPENFILENAMEA* request) {
    AnswerFiles(request, files);
    return TRUE;
  };
  form->btnOpenVOBClick(nullptr);
}

std::vector<String> TitleWindow::Rows() const {
  std::vector<String> rows;
  TListItems* items = form->lvTitles->Items();
  for (int i = 0; i < items->Count(); ++i) {
    TListItem* item = items->Item(i);
    const TRowPictures pictures = RowPictures(*RowOf(item));
    String text = item->Caption();
    for (int s = 0; s < item->SubItems()->Count(); ++s) text += " | " + item->SubItems()->Get(s);
    text += " | " + std::to_string(item->ImageIndex());
    if (pictures.CheckBox >= 0) text += pictures.CheckBox == tiChecked ? " | x" : " | -";
    rows.push_back(text);
  }
  return rows;
}

TListItem* TitleWindow::Row(int index) const { return form->lvTitles->Items()->Item(index); }

TTitleRow* TitleWindow::RowRecord(int index) const { return RowOf(Row(index)); }

void TitleWindow::ClickTree(int x, int y) {
  POINT screen{x, y};
  ::ClientToScreen(form->lvTitles->Handle(), &screen);
  ::SetCursorPos(screen.x, screen.y);
  PostClick(form->lvTitles, x, y);
  PumpPosted(form->lvTitles->Handle());
}

void TitleWindow::PressKey(WORD key) {
  form->lvTitles->SetFocus();
  PostKey(form->lvTitles->Handle(), key);
  PumpPosted(form->lvTitles->Handle());
}

CapturedPixels TitleWindow::CaptureTree() const { return CapturePainted(form->lvTitles->Handle()); }

// Paints the window and its children once, then reads its client area back; a
// capture that waited for an empty queue would wait for ever on the preview's paints.
CapturedPixels CapturePainted(HWND tree) {
  ::RedrawWindow(tree, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT client;
  ::GetClientRect(tree, &client);
  CapturedPixels captured;
  captured.Width = client.right;
  captured.Height = client.bottom;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = client.right;
  info.bmiHeader.biHeight = -client.bottom;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  captured.Pixels.resize(static_cast<size_t>(client.right) * client.bottom);
  HDC dc = ::GetDC(tree);
  HDC memory = ::CreateCompatibleDC(dc);
  HBITMAP bitmap = ::CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  ::GetDIBits(memory, bitmap, 0, client.bottom, captured.Pixels.data(), &info, DIB_RGB_COLORS);
  for (auto& pixel : captured.Pixels) pixel &= 0x00FFFFFF;
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(tree, dc);
  return captured;
}

void TitleWindow::SelectRows(const std::vector<int>& rows) {
  form->lvTitles->ClearSelection();
  for (int row : rows) Row(row)->SetSelected(true);
}
