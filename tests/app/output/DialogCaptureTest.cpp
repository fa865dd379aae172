// The output settings dialog on both sides and the profile editor on each page,
// shown with the default skin and captured to look at (BMP files in the working
// folder); each capture must show the dialog's whole frame.
#include <memory>
#include <set>

#include "app/output/EditProfileFrm.h"
#include "app/output/OutputFormats.h"
#include "app/output/OutputSettingsFrm.h"
#include "skin/controls/SkinPageControl.h"
#include "tests/app/output/OutputFixture.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"

namespace {

// Handles messages for a while: with the default skin a skinned panel may keep
// asking to be painted, so a pump that waits for an empty queue would not return.
void PumpFor(DWORD milliseconds) {
  const DWORD start = ::GetTickCount();
  MSG message;
  while (::GetTickCount() - start < milliseconds) {
    if (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    } else {
      ::Sleep(1);
    }
  }
}

// What the screen shows of the window, without pumping further.
CapturedPixels GrabFromScreen(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  CapturedPixels shot;
  shot.Width = r.right - r.left;
  shot.Height = r.bottom - r.top;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), shot.Width, -shot.Height, 1, 32, BI_RGB};
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, shot.Width, shot.Height, screen, r.left, r.top, SRCCOPY);
  ::GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  shot.Pixels.assign(pixels, pixels + static_cast<size_t>(shot.Width) * shot.Height);
  for (auto& pixel : shot.Pixels) pixel &= 0xFFFFFF;
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return shot;
}

class DialogCapture : public OutputFixture {
public:
  void SetUp() override {
    OutputFixture::SetUp();
    UseDefaultSkin();
    AddProfile<TAVIProfile>("AVI - 640 x 480 (VGA)");
    AddProfile<TWMVProfile>("WMV - Broadband");
  }
  CapturedPixels Shoot(TCustomForm* form, const String& file) {
    form->Show();
    PumpFor(300);

    form->Repaint();
    PumpFor(300);
    CapturedPixels shot = GrabFromScreen(form->Handle());
    shot.SaveBmp(file);
    return shot;
  }
};

TEST_F(DialogCapture, OutputSettingsOnEachSide) {
  std::unique_ptr<TOutputSettingsForm> dialog(NewForm<TOutputSettingsForm>(nullptr));
  for (auto [code, file] : {std::pair{8, "output_settings_mp3.bmp"}, std::pair{1, "output_settings_avi.bmp"},
                            std::pair{4, "output_settings_wmv.bmp"}}) {
    dialog->SelectOutputFormat(static_cast<OutputFormatCode>(code));
    CapturedPixels shot = Shoot(dialog.get(), file);
    EXPECT_GE(shot.Width, 688) << file;
    EXPECT_GE(shot.Height, 444) << file;
    EXPECT_GT(std::set<std::uint32_t>(shot.Pixels.begin(), shot.Pixels.end()).size(), 4u) << "not one flat colour";
  }
}

TEST_F(DialogCapture, ProfileEditorOnEachPage) {
  std::unique_ptr<TEditProfileForm> editor(NewForm<TEditProfileForm>(nullptr));
  for (int page = 0; page < kVideoFormatKindCount; ++page) {
    editor->pcFormats->SetActivePageIndex(page);
    editor->pcFormatsChange(editor->pcFormats);
    if (editor->CurrentIndex() < 0) {  // a page without profiles shows the class defaults of a new one
      std::unique_ptr<TVideoProfile> defaults(NewVideoProfile(TEditProfileForm::PageKind(page), "New", String()));
      editor->ShowProfile(defaults.get());
    }
    CapturedPixels shot = Shoot(editor.get(), "profile_editor_" + std::to_string(page) + ".bmp");
    EXPECT_GE(shot.Width, 657);
    EXPECT_GE(shot.Height, 447);
  }
}

}  // namespace
