// TspSkinCustomTreeView / TspSkinTreeView: the tree view with the font and colour
// of a "treeview" record and attached skinned scroll bars in place of its native
// ones (which keep the scroll state but are never shown).
#pragma once

#include <memory>

#include "platform/comctrls/TreeView.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/data/SkinData.h"

class TspSkinCustomTreeView : public TCustomTreeView {
public:
  explicit TspSkinCustomTreeView(TComponent* owner);

  TspSkinData* SkinData() const { return skinData_; }
  // Stores; re-reads the record unless there is no skin (the form calls it).
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "treeview";
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value);
  TColor DefaultColor() const { return defaultColor_; }
  void SetDefaultColor(TColor value);
  bool UseSkinFont = true;
  TspSkinScrollBar* HScrollBar() const { return hScrollBar_; }
  void SetHScrollBar(TspSkinScrollBar* value);
  TspSkinScrollBar* VScrollBar() const { return vScrollBar_; }
  void SetVScrollBar(TspSkinScrollBar* value);
  Integer SkinRecordIndex() const { return skinIndex_; }

  virtual void ChangeSkinData();
  // Mirrors the native scroll state into the attached bars.
  void UpDateScrollBars();
  void Loaded() override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void Change(TTreeNode* node) override;

private:
  void OnVScrollBarChange(TObject*);
  void OnHScrollBarChange(TObject*);

  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  std::unique_ptr<TFont> defaultFont_;
  TColor defaultColor_ = clWindow;
  TspSkinScrollBar* hScrollBar_ = nullptr;  // borrowed, freed-notified
  TspSkinScrollBar* vScrollBar_ = nullptr;  // borrowed, freed-notified
  Integer skinIndex_ = -1;
  bool inCheckScrollBars_ = false;
  bool fromScrollBar_ = false;
};

class TspSkinTreeView : public TspSkinCustomTreeView {
public:
  using TspSkinCustomTreeView::TspSkinCustomTreeView;
};
