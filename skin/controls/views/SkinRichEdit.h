// TspSkinRichEdit: the rich edit with, when SkinSupport is on, the font and
// colour of a "richedit" record, and attached skinned scroll bars in place of
// its native ones; it has no border of its own.
#pragma once

#include <memory>

#include "platform/comctrls/RichEdit.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/data/SkinData.h"

class TspSkinRichEdit : public TCustomRichEdit {
public:
  explicit TspSkinRichEdit(TComponent* owner);

  bool SkinSupport = false;
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "richedit";
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value);
  TColor DefaultColor() const { return defaultColor_; }
  void SetDefaultColor(TColor value);
  TspSkinScrollBar* HScrollBar() const { return hScrollBar_; }
  void SetHScrollBar(TspSkinScrollBar* value);
  TspSkinScrollBar* VScrollBar() const { return vScrollBar_; }
  void SetVScrollBar(TspSkinScrollBar* value);
  Integer SkinRecordIndex() const { return skinIndex_; }

  void ChangeSkinData();
  void UpDateScrollBars();
  bool HScrollDisabled();
  bool VScrollDisabled();
  void Loaded() override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void Change() override;

private:
  void UpdateBar(TspSkinScrollBar* bar, int which, bool disabled);
  void OnVScrollBarChange(TObject*);
  void OnHScrollBarChange(TObject*);
  void OnVScrollBarUpButtonClick(TObject*);
  void OnVScrollBarDownButtonClick(TObject*);

  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  std::unique_ptr<TFont> defaultFont_;
  TColor defaultColor_ = clWindow;
  TspSkinScrollBar* hScrollBar_ = nullptr;  // borrowed, freed-notified
  TspSkinScrollBar* vScrollBar_ = nullptr;  // borrowed, freed-notified
  Integer skinIndex_ = -1;
  bool fromScrollBar_ = false;
};
