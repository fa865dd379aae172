// The tree view: the nodes the control keeps, the items of the window made from
// them, and what the window's notifications become.
#include "platform/comctrls/TreeView.h"

#include <algorithm>

#include "platform/controls/Messages.h"

// ---- node ----

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent, const String& text)
    : owner_(owner), parent_(parent), text_(text) {}

TTreeNode::~TTreeNode() {
  TCustomTreeView* tree = owner_->Owner();
  if (tree->selected_ == this) tree->selected_ = nullptr;
}

int TTreeNode::Index() const {
  auto& list = owner_->ListOf(parent_);
  for (size_t i = 0; i < list.size(); ++i)
    if (list[i].get() == this) return static_cast<int>(i);
  return -1;
}

void TTreeNode::Refresh() {
  TCustomTreeView* tree = owner_->Owner();
  if (!item_ || !tree->HandleAllocated()) return;
  TVITEMA tv{};
  tv.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_HANDLE;
  tv.hItem = item_;
  tv.pszText = const_cast<char*>(text_.c_str());
  tv.iImage = imageIndex_;
  tv.iSelectedImage = selectedIndex_;
  tv.stateMask = TVIS_STATEIMAGEMASK;
  tv.state = INDEXTOSTATEIMAGEMASK(stateIndex_ < 0 ? 0 : stateIndex_);
  ::SendMessageA(tree->Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tv));
}

void TTreeNode::SetText(const String& value) {
  text_ = value;
  Refresh();
}

void TTreeNode::SetImageIndex(Integer value) {
  imageIndex_ = value;
  Refresh();
}

void TTreeNode::SetSelectedIndex(Integer value) {
  selectedIndex_ = value;
  Refresh();
}

void TTreeNode::SetStateIndex(Integer value) {
  stateIndex_ = value;
  Refresh();
}

void TTreeNode::SetExpanded(bool value) {
  expanded_ = value;
  TCustomTreeView* tree = owner_->Owner();
  if (item_ && tree->HandleAllocated())
    ::SendMessageA(tree->Handle(), TVM_EXPAND, value ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item_));
}

void TTreeNode::Expand(bool recurse) {
  SetExpanded(true);
  if (recurse)
    for (auto& child : children_) child->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
  SetExpanded(false);
  if (recurse)
    for (auto& child : children_) child->Collapse(true);
}

bool TTreeNode::Selected() const { return owner_->Owner()->selected_ == this; }

void TTreeNode::Insert(HWND window, HTREEITEM parentItem) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parentItem ? parentItem : TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_STATE;
  insert.item.pszText = const_cast<char*>(text_.c_str());
  insert.item.iImage = imageIndex_;
  insert.item.iSelectedImage = selectedIndex_;
  insert.item.lParam = reinterpret_cast<LPARAM>(this);
  insert.item.stateMask = TVIS_STATEIMAGEMASK;
  insert.item.state = INDEXTOSTATEIMAGEMASK(stateIndex_ < 0 ? 0 : stateIndex_);
  item_ = reinterpret_cast<HTREEITEM>(::SendMessageA(window, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  for (auto& child : children_) child->Insert(window, item_);
  if (expanded_) ::SendMessageA(window, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item_));
}

void TTreeNode::Forget() {
  item_ = nullptr;
  for (auto& child : children_) child->Forget();
}

// ---- nodes ----

TTreeNodes::~TTreeNodes() { roots_.clear(); }

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const String& text) {
  auto node = std::make_unique<TTreeNode>(this, parent, text);
  TTreeNode* made = node.get();
  ListOf(parent).push_back(std::move(node));
  if (owner_->HandleAllocated() && (!parent || parent->item_))
    made->Insert(owner_->Handle(), parent ? parent->item_ : nullptr);
  return made;
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (!node) return;
  if (node->item_ && owner_->HandleAllocated())
    ::SendMessageA(owner_->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node->item_));
  auto& list = ListOf(node->parent_);
  auto at = std::find_if(list.begin(), list.end(), [node](const auto& p) { return p.get() == node; });
  if (at != list.end()) list.erase(at);
}

void TTreeNodes::Clear() {
  if (owner_->HandleAllocated()) ::SendMessageA(owner_->Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  roots_.clear();
}

namespace {
void Flatten(TTreeNode* node, std::vector<TTreeNode*>& out) {
  out.push_back(node);
  for (int i = 0; i < node->Count(); ++i) Flatten(node->Item(i), out);
}
}  // namespace

int TTreeNodes::Count() const {
  std::vector<TTreeNode*> all;
  for (const auto& root : roots_) Flatten(root.get(), all);
  return static_cast<int>(all.size());
}

TTreeNode* TTreeNodes::Item(int index) const {
  std::vector<TTreeNode*> all;
  for (const auto& root : roots_) Flatten(root.get(), all);
  return index >= 0 && index < static_cast<int>(all.size()) ? all[index] : nullptr;
}

TTreeNode* TTreeNodes::FindItem(HTREEITEM item) const {
  std::vector<TTreeNode*> all;
  for (const auto& root : roots_) Flatten(root.get(), all);
  for (TTreeNode* node : all)
    if (node->item_ == item) return node;
  return nullptr;
}

// ---- tree view ----

TCustomTreeView::TCustomTreeView(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TTreeNodes>(this)) {
  InitCommonControlClasses(ICC_TREEVIEW_CLASSES);
  ControlStyle &= ~(csCaptureMouse | csClickEvents);
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomTreeView::~TCustomTreeView() {
  DestroyHandle();
  items_.reset();
}

void TCustomTreeView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_TREEVIEWA);
  if (showLines_) params.Style |= TVS_HASLINES;
  if (showRoot_) params.Style |= TVS_LINESATROOT;
  if (showButtons_) params.Style |= TVS_HASBUTTONS;
  if (!readOnly_) params.Style |= TVS_EDITLABELS;
  params.Style |= TVS_SHOWSELALWAYS;
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyImages();
  for (auto& root : items_->roots_) root->Insert(Handle(), nullptr);
  if (selected_ && selected_->item_)
    ::SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(selected_->item_));
}

void TCustomTreeView::DestroyWnd() {
  for (auto& root : items_->roots_) root->Forget();
  TWinControl::DestroyWnd();
}

void TCustomTreeView::StyleChanged() {
  if (HandleAllocated()) RecreateWnd();
}

void TCustomTreeView::SetShowLines(bool value) { showLines_ = value, StyleChanged(); }
void TCustomTreeView::SetShowRoot(bool value) { showRoot_ = value, StyleChanged(); }
void TCustomTreeView::SetShowButtons(bool value) { showButtons_ = value, StyleChanged(); }
void TCustomTreeView::SetReadOnly(bool value) { readOnly_ = value, StyleChanged(); }
void TCustomTreeView::SetBorderStyle(TFormBorderStyle value) { borderStyle_ = value, StyleChanged(); }

void TCustomTreeView::ApplyImages() {
  if (!HandleAllocated()) return;
  ::SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL,
                 reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
  ::SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_STATE,
                 reinterpret_cast<LPARAM>(stateImages_ ? stateImages_->Handle() : nullptr));
}

void TCustomTreeView::SetImages(TCustomImageList* value) {
  images_ = value;
  if (value) value->FreeNotification(this);
  ApplyImages();
}

void TCustomTreeView::SetStateImages(TCustomImageList* value) {
  stateImages_ = value;
  if (value) value->FreeNotification(this);
  ApplyImages();
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == images_) SetImages(nullptr);
  if (component == stateImages_) SetStateImages(nullptr);
}

TTreeNode* TCustomTreeView::Selected() const { return selected_; }

void TCustomTreeView::SetSelected(TTreeNode* node) {
  selected_ = node;
  if (HandleAllocated())
    ::SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node ? node->item_ : nullptr));
}

int TCustomTreeView::VisibleCount() {
  return static_cast<int>(::SendMessageA(Handle(), TVM_GETVISIBLECOUNT, 0, 0));
}

void TCustomTreeView::FullExpand() {
  for (auto& root : items_->roots_) root->Expand(true);
}

void TCustomTreeView::FullCollapse() {
  for (auto& root : items_->roots_) root->Collapse(true);
}

void TCustomTreeView::Change(TTreeNode* node) { OnChange(this, node); }

void TCustomTreeView::Dispatch(TMessage& message) {
  if (message.Msg == CN_NOTIFY) return CNNotify(message);
  TWinControl::Dispatch(message);
}

void TCustomTreeView::CNNotify(TMessage& message) {
  auto* header = reinterpret_cast<NMHDR*>(message.LParam);
  switch (header->code) {
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW: {
      auto* change = reinterpret_cast<NMTREEVIEWA*>(message.LParam);
      selected_ = items_->FindItem(change->itemNew.hItem);
      Change(selected_);
      break;
    }
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDEDW: {
      auto* change = reinterpret_cast<NMTREEVIEWA*>(message.LParam);
      if (TTreeNode* node = items_->FindItem(change->itemNew.hItem)) node->expanded_ = change->action == TVE_EXPAND;
      break;
    }
    case TVN_DELETEITEMA:
    case TVN_DELETEITEMW: {
      auto* change = reinterpret_cast<NMTREEVIEWA*>(message.LParam);
      if (TTreeNode* node = items_->FindItem(change->itemOld.hItem)) node->item_ = nullptr;
      break;
    }
    default:
      break;
  }
  message.Result = 0;
}
