// TspSkinMemo2: the lighter skinned memo. It takes only the font and colours
// of a "memo" record, paints natively in Color without a frame, and scrolls
// through attached skinned scroll bars; ReadOnly is the native flag.
#pragma once

#include <memory>

#include "skin/controls/memos/MemoParts.h"

class TspSkinMemo2 : public TMemo {
public:
  explicit TspSkinMemo2(TComponent* owner);
  ~TspSkinMemo2() override;

  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value);
  bool UseSkinFont = true;
  bool UseSkinFontColor = true;
  TspSkinScrollBar* VScrollBar() const { return vScrollBar_; }
  void SetVScrollBar(TspSkinScrollBar* value);
  TspSkinScrollBar* HScrollBar() const { return hScrollBar_; }
  void SetHScrollBar(TspSkinScrollBar* value);
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "memo";
  TNotifyEvent OnMouseEnter, OnMouseLeave;

  Integer SkinRecordIndex() const { return recordIndex_; }
  void ChangeSkinData();
  void UpDateScrollRange();
  TPopupMenu* ContextMenu() const { return menu_; }  // owned, nullptr when none

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void Change() override;

private:
  void OnDefaultFontChange(TObject*);
  void OnVScrollBarChange(TObject*);
  void OnHScrollBarChange(TObject*);
  void StateColors(bool active);
  void PaintMessage(TMessage& message);
  void ContextMenuMessage(TMessage& message);
  void FreeContextMenu();
  bool HasRecord() const { return recordIndex_ != -1; }

  std::unique_ptr<TFont> defaultFont_;
  TspSkinScrollBar* vScrollBar_ = nullptr;  // borrowed, freed-notified
  TspSkinScrollBar* hScrollBar_ = nullptr;  // borrowed, freed-notified
  TspSkinData* skinData_ = nullptr;          // borrowed, freed-notified
  Integer recordIndex_ = -1;
  TspMemoLook look_;
  bool mouseIn_ = false;
  TPopupMenu* menu_ = nullptr;  // owned
};
