// The tree view over the common controls' "SysTreeView32": nodes with children,
// texts, images and a data pointer, expanding and collapsing, the selected node
// (Change / OnChange), image lists, and the counts of nodes and of the rows the
// window shows. The control keeps its nodes itself, so they outlive a
// re-creation of the window.
#pragma once

#include <memory>
#include <vector>

#include "platform/comctrls/CommonControls.h"
#include "platform/controls/BorderStyle.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/ImageList.h"

class TCustomTreeView;
class TTreeNodes;

class TTreeNode {
public:
  TTreeNode(TTreeNodes* owner, TTreeNode* parent, const String& text);
  ~TTreeNode();

  const String& Text() const { return text_; }
  void SetText(const String& value);
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer value);
  Integer SelectedIndex() const { return selectedIndex_; }
  void SetSelectedIndex(Integer value);
  Integer StateIndex() const { return stateIndex_; }
  void SetStateIndex(Integer value);
  void* Data = nullptr;  // the program's

  TTreeNode* Parent() const { return parent_; }
  int Count() const { return static_cast<int>(children_.size()); }
  TTreeNode* Item(int index) const { return children_.at(index).get(); }
  int Index() const;  // among its parent's children
  int Level() const { return parent_ ? parent_->Level() + 1 : 0; }
  bool Expanded() const { return expanded_; }
  void SetExpanded(bool value);
  void Expand(bool recurse);
  void Collapse(bool recurse);
  bool Selected() const;
  HTREEITEM ItemId() const { return item_; }

private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  void Insert(HWND window, HTREEITEM parentItem);  // this node and its children, into the window
  void Forget();                                   // the window went: no item handles
  void Refresh();

  TTreeNodes* owner_;
  TTreeNode* parent_;
  String text_;
  Integer imageIndex_ = -1, selectedIndex_ = -1, stateIndex_ = -1;
  bool expanded_ = false;
  std::vector<std::unique_ptr<TTreeNode>> children_;
  HTREEITEM item_ = nullptr;
};

class TTreeNodes {
public:
  explicit TTreeNodes(TCustomTreeView* owner) : owner_(owner) {}
  ~TTreeNodes();

  TCustomTreeView* Owner() const { return owner_; }
  // A new last node at the top level (parent nullptr) or under a parent.
  TTreeNode* AddChild(TTreeNode* parent, const String& text);
  TTreeNode* Add(TTreeNode* sibling, const String& text) {
    return AddChild(sibling ? sibling->Parent() : nullptr, text);
  }
  void Delete(TTreeNode* node);
  void Clear();
  // Every node, depth first.
  int Count() const;
  TTreeNode* Item(int index) const;
  int RootCount() const { return static_cast<int>(roots_.size()); }
  TTreeNode* Root(int index) const { return roots_.at(index).get(); }
  TTreeNode* FindItem(HTREEITEM item) const;

private:
  friend class TTreeNode;
  friend class TCustomTreeView;
  std::vector<std::unique_ptr<TTreeNode>>& ListOf(TTreeNode* parent) {
    return parent ? parent->children_ : roots_;
  }

  TCustomTreeView* owner_;
  std::vector<std::unique_ptr<TTreeNode>> roots_;
};

using TTVChangedEvent = TEvent<TObject*, TTreeNode*>;

class TCustomTreeView : public TWinControl {
public:
  explicit TCustomTreeView(TComponent* owner);
  ~TCustomTreeView() override;

  TTreeNodes* Items() const { return items_.get(); }  // owned
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  TCustomImageList* StateImages() const { return stateImages_; }
  void SetStateImages(TCustomImageList* value);
  bool ShowLines() const { return showLines_; }
  void SetShowLines(bool value);
  bool ShowRoot() const { return showRoot_; }
  void SetShowRoot(bool value);
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TTreeNode* Selected() const;
  void SetSelected(TTreeNode* node);
  // The rows the window shows at once (fully visible).
  int VisibleCount();
  void FullExpand();
  void FullCollapse();
  TTVChangedEvent OnChange;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  // The selection moved to `node`; fires OnChange.
  virtual void Change(TTreeNode* node);

private:
  friend class TTreeNode;
  friend class TTreeNodes;
  void CNNotify(TMessage& message);
  void ApplyImages();
  void StyleChanged();

  std::unique_ptr<TTreeNodes> items_;
  TCustomImageList* images_ = nullptr;       // borrowed, freed-notified
  TCustomImageList* stateImages_ = nullptr;  // borrowed, freed-notified
  bool showLines_ = true, showRoot_ = true, showButtons_ = true, readOnly_ = false;
  TFormBorderStyle borderStyle_ = bsSingle;
  TTreeNode* selected_ = nullptr;  // kept across re-creation
};

class TTreeView : public TCustomTreeView {
public:
  using TCustomTreeView::TCustomTreeView;
};
