// TspSkinMemo: a native multi-line edit that paints its own skin background
// and frame from a "memo" record inside the window (it has no non-client
// area) and scrolls through attached skinned scroll bars. ReadOnly is its own
// flag, enforced by message filters, so caret and selection keep working.
// The skin-change table calls ChangeSkinData.
#pragma once

#include "skin/controls/memos/SkinMemoBase.h"

class TspSkinMemo : public TspSkinMemoBase {
public:
  using TspSkinMemoBase::TspSkinMemoBase;

  bool BitMapBG() const { return bitMapBG_; }
  void SetBitMapBG(bool value);
  bool Transparent() const { return transparent_; }
  void SetAlphaBlend(bool value);
  Byte AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(Byte value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }

  void ChangeSkinData() override;
  // The rectangle last given to the window as its formatting rectangle.
  TRect TextRect() const { return textRect_; }
  void Invalidate() override;
  void Loaded() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void CNCtlColor(TMessage& message) override;
  bool EditsLocked() const override { return readOnly_; }
  void ShowState(bool active) override;

private:
  void GetSkinData();
  void AdjustTextBorders();
  void DrawMemoBackGround(HDC dc);
  void SkinFramePaint(TCanvas* canvas);
  void PaintMessage(TMessage& message);
  void EraseMessage(TMessage& message);
  void ShowEnabledFontColor();
  void Repaint2();
  bool ActiveLook();

  bool bitMapBG_ = true;
  bool transparent_ = false;
  Byte alphaBlendValue_ = 0;
  bool readOnly_ = false;

  TBitmap* picture_ = nullptr;  // borrowed from the container
  TRect skinRect_, activeSkinRect_, clientRect_;
  TPoint leftTop_, rightTop_, leftBottom_, rightBottom_;
  bool leftStretch_ = false, topStretch_ = false, rightStretch_ = false, bottomStretch_ = false;
  bool stretchEffect_ = false;
  TspStretchType stretchType_ = spstFull;
  TRect textRect_;
  bool paintedInErase_ = false;
  bool leftDown_ = false;
};
