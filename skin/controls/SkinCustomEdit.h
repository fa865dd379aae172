// TspSkinCustomEdit: the skinned single-line edit. The frame (and an optional
// edit button) is painted in the window's non-client area from an "edit" record
// or in the default look; the background is painted on erase and the native
// edit draws enabled text transparently over it; disabled text is drawn by the
// control. SetSkinData and ChangeSkinData are plain: the skin-change table calls them.
#pragma once

#include <memory>

#include "skin/controls/CustomEdit.h"

class TspSkinCustomEdit : public TspCustomEdit {
public:
  explicit TspSkinCustomEdit(TComponent* owner);
  ~TspSkinCustomEdit() override;

  TColor DefaultColor() const { return defaultColor_; }
  void SetDefaultColor(TColor value);
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value);
  bool UseSkinFont = true;
  Integer DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(Integer value);
  Integer DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(Integer value);
  bool ButtonMode() const { return buttonMode_; }
  void SetButtonMode(bool value);
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "edit";
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool value);
  Byte AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(Byte value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  TNotifyEvent OnButtonClick, OnMouseEnter, OnMouseLeave;

  void GetSkinData();
  void ChangeSkinData();
  bool HasRecord() const { return recordIndex_ != -1; }
  void CalcEditHeight(Integer& height);
  void AdjustEditHeight();
  void CalcRects();
  TRect NewClientRect() const { return newClientRect_; }
  TRect NewButtonRect() const { return newButtonRect_; }
  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  void InvalidateNC();
  void Loaded() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void CMFontChanged(TMessage& message) override;

private:
  void OnDefaultFontChange(TObject* sender);
  void ApplyFontColor();
  void PaintFrame(HDC dc, bool excludeClient);
  void DrawSkinEdit(TBitmap* b);
  void DrawSkinEdit2(TBitmap* b);
  void DrawEditBackground(HDC dc);
  void PaintDisabledText(HDC dc);
  void PaintMessage(TMessage& message);
  void EraseMessage(TMessage& message);
  void NonClientMessage(TMessage& message);
  bool ActiveLook();
  TRect ClientPiece(const TRect& source) const;

  TColor defaultColor_ = clWindow;
  std::unique_ptr<TFont> defaultFont_;
  Integer defaultWidth_ = 0, defaultHeight_ = 0;
  bool buttonMode_ = false;
  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  bool alphaBlend_ = false;
  Byte alphaBlendValue_ = 0;
  TAlignment alignment_ = taLeftJustify;

  Integer recordIndex_ = -1;
  TRect skinRect_, activeSkinRect_, clientRect_;
  Integer leftFixed_ = 0, rightFixed_ = 0;
  String fontName_;
  TFontStyles fontStyle_ = 0;
  Integer fontHeight_ = 14;
  TColor fontColor_ = 0, disabledFontColor_ = 0, activeFontColor_ = 0;
  TRect buttonRect_, activeButtonRect_, downButtonRect_, unEnabledButtonRect_;
  bool stretchEffect_ = false;
  TBitmap* picture_ = nullptr;  // borrowed from the container

  TRect newClientRect_, newButtonRect_;
  bool mouseIn_ = false, buttonActive_ = false, buttonDown_ = false;
  bool paintedInErase_ = false;
  bool inFontChange_ = false;
};
