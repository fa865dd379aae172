#include "skin/menus/SkinHint.h"

#include <vector>

#include "platform/core/Math.h"

#include "skin/controls/SkinCtrls.h"
#include "skin/draw/SkinSystem.h"

TspSkinHint::TspSkinHint(TComponent* owner)
    : TComponent(owner), hintWindow_(std::make_unique<TspSkinHintWindow>(nullptr)),
      defaultFont_(std::make_unique<TFont>()) {
  hintWindow_->SetVisible(false);
  if (Designing()) return;
  savedHintWindowClass_ = Application.HintWindowClass;
  savedOnShowHint_ = Application.OnShowHint;
  installed_ = true;
  Application.HintWindowClass = HintWindowOf<TspSkinHintWindow>;
  // Switching hints off and on makes the application's hint window of the new class.
  Application.SetShowHint(false);
  Application.SetShowHint(true);
  Application.OnShowHint = TShowHintEvent(this, &TspSkinHint::SelfOnShowHint);
  Application.HintShortPause = 100;
}

TspSkinHint::~TspSkinHint() {
  delayTimer_.reset();
  if (hintWindow_->HandleAllocated()) hintWindow_->SetVisible(false);
  // The application keeps no class or handler that belongs to a freed component;
  // a later component's own settings stay.
  if (installed_ && Application.OnShowHint == TShowHintEvent(this, &TspSkinHint::SelfOnShowHint)) {
    Application.OnShowHint = savedOnShowHint_;
    if (Application.HintWindowClass == HintWindowOf<TspSkinHintWindow>) {
      Application.HintWindowClass = savedHintWindowClass_;
      Application.SetShowHint(false);
      Application.SetShowHint(true);
    }
  }
  SetSkinData(nullptr);
}

void TspSkinHint::SetActive(bool value) {
  active_ = value;
  if (value) {
    if (TCustomForm* main = Application.MainForm()) {
      for (int i = 0; i < main->ComponentCount(); ++i) {
        auto* other = dynamic_cast<TspSkinHint*>(main->Components(i));
        if (other && other != this && other->Active()) other->SetActive(false);
      }
    }
  }
  if (!Designing() && value) Application.OnShowHint = TShowHintEvent(this, &TspSkinHint::SelfOnShowHint);
}

void TspSkinHint::SetSkinData(TspSkinData* value) {
  if (skinData_ == value) return;
  if (skinData_) skinData_->RemoveFreeNotification(this);
  skinData_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinHint::SetAlphaBlendSupport(bool value) {
  alphaBlendSupport_ = value && (CheckW2KWXP() || Designing());
}

void TspSkinHint::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

void TspSkinHint::SelfOnShowHint(String& hintStr, bool& canShow, THintInfo& hintInfo) {
  CurrentTitle.clear();
  CurrentImageIndex = 0;
  CurrentImageList = nullptr;
  if (auto* windowed = dynamic_cast<TspSkinControl*>(hintInfo.HintControl)) {
    CurrentTitle = windowed->HintTitle;
    CurrentImageIndex = windowed->HintImageIndex;
    CurrentImageList = windowed->HintImageList();
  } else if (auto* graphic = dynamic_cast<TspGraphicSkinControl*>(hintInfo.HintControl)) {
    CurrentTitle = graphic->HintTitle;
    CurrentImageIndex = graphic->HintImageIndex;
    CurrentImageList = graphic->HintImageList();
  }
  OnShowHint(hintStr, canShow, hintInfo);
}

// ---- showing at once ----

void TspSkinHint::ActivateHint(const TPoint& p, const String& text) {
  CurrentTitle.clear();
  CurrentImageList = nullptr;
  CurrentImageIndex = 0;
  hintWindow_->ActivateHint({p.X, p.Y, p.X, p.Y}, text);
}

void TspSkinHint::ActivateHintEx(const TPoint& p, const String& title, const String& text, Integer imageIndex,
                                 TCustomImageList* images) {
  CurrentTitle = title;
  CurrentImageIndex = imageIndex;
  CurrentImageList = images;
  hintWindow_->ActivateHintEx({p.X, p.Y, p.X, p.Y}, title, text, imageIndex, images);
}

bool TspSkinHint::IsVisible() const {
  return hintWindow_ && hintWindow_->HandleAllocated() && hintWindow_->Visible();
}

void TspSkinHint::HideHint() {
  delayTimer_.reset();
  if (!IsVisible()) return;
  hintWindow_->SetVisible(false);
  ::SetWindowPos(hintWindow_->Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  CurrentTitle.clear();
  CurrentImageList = nullptr;
  CurrentImageIndex = 0;
}

// ---- delayed showing ----

void TspSkinHint::StartDelay(void (TspSkinHint::*handler)(TObject*)) {
  delayTimer_ = std::make_unique<TTimer>(nullptr);
  delayTimer_->SetEnabled(false);
  delayTimer_->SetInterval(static_cast<Cardinal>(Max(1, Application.HintPause)));
  delayTimer_->SetOnTimer(TNotifyEvent(this, handler));
  delayTimer_->SetEnabled(true);
}

void TspSkinHint::ActivateHint2(const String& text) {
  delayTimer_.reset();
  CurrentText = text;
  CurrentTitle.clear();
  CurrentImageList = nullptr;
  CurrentImageIndex = 0;
  StartDelay(&TspSkinHint::HintTime1);
}

void TspSkinHint::ActivateHintEx2(const String& title, const String& text, Integer imageIndex,
                                  TCustomImageList* images) {
  delayTimer_.reset();
  CurrentText = text;
  CurrentTitle = title;
  CurrentImageIndex = imageIndex;
  CurrentImageList = images;
  StartDelay(&TspSkinHint::HintTimeEx1);
}

void TspSkinHint::ShowDelayed(bool extended) {
  if (!delayTimer_) return;
  POINT cursor{0, 0};
  ::GetCursorPos(&cursor);
  cursor.y += GetCursorHeightMargin();
  const TRect at{cursor.x, cursor.y, cursor.x, cursor.y};
  if (extended)
    hintWindow_->ActivateHintEx(at, CurrentTitle, CurrentText, CurrentImageIndex, CurrentImageList);
  else
    hintWindow_->ActivateHint(at, CurrentText);
  if (!delayTimer_) return;  // hidden while it showed
  delayTimer_->SetEnabled(false);
  delayTimer_->SetInterval(static_cast<Cardinal>(Max(1, Application.HintHidePause)));
  delayTimer_->SetOnTimer(TNotifyEvent(this, &TspSkinHint::HintTime2));
  delayTimer_->SetEnabled(true);
}

void TspSkinHint::HintTime1(TObject*) { ShowDelayed(false); }
void TspSkinHint::HintTimeEx1(TObject*) { ShowDelayed(true); }
void TspSkinHint::HintTime2(TObject*) { HideHint(); }

// ---- the cursor ----

Integer CursorMaskMargin(const Byte* data, size_t size, Integer width, Integer height, Integer hotSpotY,
                         Integer fallback) {
  const Integer rowBytes = (width + 31) / 32 * 4;
  const size_t square = static_cast<size_t>(width) * static_cast<size_t>(rowBytes);
  if (width <= 0 || square == 0 || size < square) return fallback;
  auto countFrom = [&](const Byte* block, Byte empty) -> size_t {
    for (size_t i = 0; i < square; ++i)
      if (block[i] != empty) return square - i;
    return 0;
  };
  const Byte* top = data + (size - square);
  size_t count = countFrom(top, 0xFF);
  if (count == 0 && height >= 2 * width && size >= 2 * square) count = countFrom(top - square, 0x00);
  return static_cast<Integer>(count / static_cast<size_t>(rowBytes)) - hotSpotY;
}

Integer TspSkinHint::GetCursorHeightMargin() const {
  const Integer fallback = ::GetSystemMetrics(SM_CYCURSOR);
  ICONINFO info{};
  if (!::GetIconInfo(::GetCursor(), &info)) return fallback;
  Integer result = fallback;
  BITMAP mask{};
  if (info.hbmMask && ::GetObjectA(info.hbmMask, sizeof(mask), &mask) && mask.bmBitsPixel == 1 &&
      mask.bmWidth > 0 && mask.bmHeight > 0) {
    struct {
      BITMAPINFOHEADER header;
      RGBQUAD colors[2];
    } bmi{};
    bmi.header.biSize = sizeof(BITMAPINFOHEADER);
    bmi.header.biWidth = mask.bmWidth;
    bmi.header.biHeight = mask.bmHeight;
    bmi.header.biPlanes = 1;
    bmi.header.biBitCount = 1;
    const Integer rowBytes = (mask.bmWidth + 31) / 32 * 4;
    std::vector<Byte> bits(static_cast<size_t>(rowBytes) * mask.bmHeight);
    HDC dc = ::GetDC(nullptr);
    int lines = ::GetDIBits(dc, info.hbmMask, 0, mask.bmHeight, bits.data(),
                            reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, dc);
    if (lines > 0)
      result = CursorMaskMargin(bits.data(), static_cast<size_t>(lines) * rowBytes, mask.bmWidth, mask.bmHeight,
                                static_cast<Integer>(info.yHotspot), fallback);
  }
  if (info.hbmMask) ::DeleteObject(info.hbmMask);
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  return result;
}
