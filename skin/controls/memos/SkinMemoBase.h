// TspSkinMemoBase: what the two skinned memos do alike as controls: the default
// font and the "memo" record's font and colours, the attached skinned scroll
// bars that mirror the native scroll state, the context menu, the state
// colours on focus and hover with the hover events, and the wheel. The memos
// differ in how they paint and in what follows an edit.
#pragma once

#include <memory>

#include "skin/controls/memos/MemoParts.h"

class TspSkinMemoBase : public TMemo {
public:
  explicit TspSkinMemoBase(TComponent* owner);
  ~TspSkinMemoBase() override;

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
  virtual void ChangeSkinData() = 0;
  void UpDateScrollRange();
  TPopupMenu* ContextMenu() const { return menu_; }  // owned, nullptr when none

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Dispatch(TMessage& message) override;
  void Change() override;

  // Whether the context menu offers editing.
  virtual bool EditsLocked() const { return ReadOnly(); }
  // Shows the look of the focused or hovered memo (active) or of the idle one.
  virtual void ShowState(bool active) = 0;

  // Reads the record under SkinDataName; nullptr (and no record) without one.
  const TspDataSkinMemoControl* FindMemoRecord();
  // The record's font (or the default font), its colours and the skin's charset.
  void ApplyRecordLook();
  // The record's font and colour for the state; the background colour too when asked.
  void StateColors(bool active, bool background);
  // The font a disabled memo draws its lines in.
  void DisabledFont(TFont* font) const;
  bool HasRecord() const { return recordIndex_ != -1; }
  bool MouseIn() const { return mouseIn_; }
  const TspMemoLook& Look() const { return look_; }

private:
  void OnDefaultFontChange(TObject*);
  void OnVScrollBarChange(TObject*);
  void OnHScrollBarChange(TObject*);
  void AttachBar(TspSkinScrollBar* bar, void (TspSkinMemoBase::*onChange)(TObject*));
  void ContextMenuMessage(TMessage& message);
  void HoverMessage(TMessage& message);
  void FreeContextMenu();

  std::unique_ptr<TFont> defaultFont_;
  TspSkinScrollBar* vScrollBar_ = nullptr;  // borrowed, freed-notified
  TspSkinScrollBar* hScrollBar_ = nullptr;  // borrowed, freed-notified
  TspSkinData* skinData_ = nullptr;          // borrowed, freed-notified
  Integer recordIndex_ = -1;
  TspMemoLook look_;
  bool mouseIn_ = false;
  TPopupMenu* menu_ = nullptr;  // owned
};
