// TspSkinCustomTreeView / TspSkinTreeView: the tree view with the font and colour
// of a "treeview" record and attached skinned scroll bars in place of its native
// ones (which keep the scroll state but are never shown).
#pragma once

#include <memory>

#include "platform/comctrls/TreeView.h"
#include "skin/controls/views/ViewScrollBars.h"
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
  TspSkinScrollBar* HScrollBar() const { return bars_.H(); }
  void SetHScrollBar(TspSkinScrollBar* value);
  TspSkinScrollBar* VScrollBar() const { return bars_.V(); }
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
  // The row `row` among the rows that can be shown becomes the first shown.
  void ShowFirstRow(Integer row);
  // Positions past 16 bits are reached a line at a time.
  void ScrollHorzTo(Integer target);

  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  std::unique_ptr<TFont> defaultFont_;
  TColor defaultColor_ = clWindow;
  TspViewScrollBars bars_;
  Integer skinIndex_ = -1;
};

class TspSkinTreeView : public TspSkinCustomTreeView {
public:
  using TspSkinCustomTreeView::TspSkinCustomTreeView;
};
