// TspSkinHint: the component that makes the application's hints skinned. While
// it exists and is active the application's hint window is a
// TspSkinHintWindow using this component's skin and settings; the skinned form
// shows its own hints through it, at once or after the application's pauses.
#pragma once

#include <memory>

#include "platform/controls/Application.h"
#include "platform/core/Timer.h"
#include "skin/menus/SkinHintWindow.h"

class TspSkinHint : public TComponent {
public:
  explicit TspSkinHint(TComponent* owner);
  // Hides its hint, and gives the application back the hint window class and
  // show-hint handler it had, when they are still this component's.
  ~TspSkinHint() override;

  TShowHintEvent OnShowHint;
  bool Active() const { return active_; }
  void SetActive(bool value);
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  TspSkinHintWindow* SkinHintWindow() const { return hintWindow_.get(); }  // owned
  bool AlphaBlendSupport() const { return alphaBlendSupport_; }
  void SetAlphaBlendSupport(bool value);
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value) { defaultFont_->Assign(value); }
  bool UseSkinFont = true;
  TTimer* DelayTimer() const { return delayTimer_.get(); }  // owned; only while a showing waits
  String CurrentText;
  String LineSeparator = "@";
  String CurrentTitle;
  Integer CurrentImageIndex = 0;
  TCustomImageList* CurrentImageList = nullptr;  // borrowed for one showing
  bool AlphaBlend = false;
  Byte AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;

  void ActivateHint(const TPoint& p, const String& text);
  void ActivateHintEx(const TPoint& p, const String& title, const String& text, Integer imageIndex,
                      TCustomImageList* images);
  void ActivateHint2(const String& text);
  void ActivateHintEx2(const String& title, const String& text, Integer imageIndex, TCustomImageList* images);
  void HideHint();
  bool IsVisible() const;
  Integer GetCursorHeightMargin() const;
  void SelfOnShowHint(String& hintStr, bool& canShow, THintInfo& hintInfo);
  void HintTime1(TObject* sender);
  void HintTimeEx1(TObject* sender);
  void HintTime2(TObject* sender);

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  void StartDelay(void (TspSkinHint::*handler)(TObject*));
  void ShowDelayed(bool extended);
  bool Designing() const { return HasState(csDesigning); }

  bool active_ = true;
  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  std::unique_ptr<TspSkinHintWindow> hintWindow_;
  bool alphaBlendSupport_ = true;
  std::unique_ptr<TFont> defaultFont_;
  std::unique_ptr<TTimer> delayTimer_;
  bool installed_ = false;                 // the application's class and handler were set here
  THintWindowClass savedHintWindowClass_ = nullptr;
  TShowHintEvent savedOnShowHint_;
};

// Pixel rows from the hot spot to the bottom of a cursor's picture, from its
// 1-bit mask (bottom row first): `height` when the mask data is shorter than
// the square it is read from.
Integer CursorMaskMargin(const Byte* data, size_t size, Integer width, Integer height, Integer hotSpotY,
                         Integer fallback);
