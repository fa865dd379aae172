// TspSkinMemo: a native multi-line edit that paints its own skin background
// and frame from a "memo" record inside the window (it has no non-client
// area) and scrolls through attached skinned scroll bars. ReadOnly is its own
// flag, enforced by message filters, so caret and selection keep working.
// SetSkinData and ChangeSkinData are plain: the skin-change table calls them.
#pragma once

#include <memory>

#include "skin/controls/memos/MemoParts.h"

class TspSkinMemo : public TMemo {
public:
  explicit TspSkinMemo(TComponent* owner);
  ~TspSkinMemo() override;

  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value);
  bool UseSkinFont = true;
  bool UseSkinFontColor = true;
  bool BitMapBG() const { return bitMapBG_; }
  void SetBitMapBG(bool value);
  TspSkinScrollBar* VScrollBar() const { return vScrollBar_; }
  void SetVScrollBar(TspSkinScrollBar* value);
  TspSkinScrollBar* HScrollBar() const { return hScrollBar_; }
  void SetHScrollBar(TspSkinScrollBar* value);
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "memo";
  bool Transparent() const { return transparent_; }
  void SetAlphaBlend(bool value);
  Byte AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(Byte value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  TNotifyEvent OnMouseEnter, OnMouseLeave;

  Integer SkinRecordIndex() const { return recordIndex_; }
  void ChangeSkinData();
  void UpDateScrollRange();
  // The rectangle last given to the window as its formatting rectangle.
  TRect TextRect() const { return textRect_; }
  TPopupMenu* ContextMenu() const { return menu_; }  // owned, nullptr when none
  void Invalidate() override;
  void Loaded() override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void Change() override;
  void CNCtlColor(TMessage& message) override;

private:
  void GetSkinData();
  void OnDefaultFontChange(TObject*);
  void OnVScrollBarChange(TObject*);
  void OnHScrollBarChange(TObject*);
  void AdjustTextBorders();
  void DrawMemoBackGround(HDC dc);
  void SkinFramePaint(TCanvas* canvas);
  void PaintMessage(TMessage& message);
  void EraseMessage(TMessage& message);
  void StateColors(bool active);
  void ContextMenuMessage(TMessage& message);
  void FreeContextMenu();
  void Repaint2();
  bool ActiveLook();
  bool HasRecord() const { return recordIndex_ != -1; }

  std::unique_ptr<TFont> defaultFont_;
  bool bitMapBG_ = true;
  TspSkinScrollBar* vScrollBar_ = nullptr;  // borrowed, freed-notified
  TspSkinScrollBar* hScrollBar_ = nullptr;  // borrowed, freed-notified
  TspSkinData* skinData_ = nullptr;          // borrowed, freed-notified
  bool transparent_ = false;
  Byte alphaBlendValue_ = 0;
  bool readOnly_ = false;

  Integer recordIndex_ = -1;
  TspMemoLook look_;
  TBitmap* picture_ = nullptr;  // borrowed from the container
  TRect skinRect_, activeSkinRect_, clientRect_;
  TPoint leftTop_, rightTop_, leftBottom_, rightBottom_;
  bool leftStretch_ = false, topStretch_ = false, rightStretch_ = false, bottomStretch_ = false;
  bool stretchEffect_ = false;
  TspStretchType stretchType_ = spstFull;
  TRect textRect_;
  bool paintedInErase_ = false;
  bool mouseIn_ = false;
  bool leftDown_ = false;
  TPopupMenu* menu_ = nullptr;  // owned
};
