// TRzCustomImageComboBox and TRzImageComboBox: the family's combo box whose
// items show an image of an image list (with an optional overlay) and a caption,
// indented by level. The combo box owns its item objects: each is freed once,
// when it leaves the list or with the combo box; a new window keeps them all.
#pragma once

#include <set>

#include "framed/controls/RzComboBox.h"
#include "platform/graphics/ImageList.h"

class TRzCustomImageComboBox;

class TRzImageComboBoxItem : public TObject {
public:
  explicit TRzImageComboBoxItem(TRzCustomImageComboBox* owner);
  ~TRzImageComboBoxItem() override;

  TRzCustomImageComboBox* Owner() const { return owner_; }
  int Index = 0;  // the position the item was added at
  int IndentLevel() const { return indentLevel_; }
  void SetIndentLevel(int value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  int OverlayIndex() const { return overlayIndex_; }
  void SetOverlayIndex(int value);
  const String& Caption() const { return caption_; }
  void SetCaption(const String& value);

  // Items alive in the program: ownership checks count them.
  static int Live();

private:
  TRzCustomImageComboBox* owner_;  // borrowed: the combo box that owns this item
  int indentLevel_ = 0;
  int imageIndex_ = -1;
  int overlayIndex_ = -1;
  String caption_;
};

using TRzDeleteImageComboBoxItemEvent = TEvent<TObject*, TRzImageComboBoxItem*>;
using TRzImageComboBoxGetItemDataEvent = TEvent<TObject*, TRzImageComboBoxItem*>;

class TRzCustomImageComboBox : public TRzCustomComboBox {
public:
  explicit TRzCustomImageComboBox(TComponent* owner);
  ~TRzCustomImageComboBox() override;

  virtual TRzImageComboBoxItem* AddItem(const String& caption, int imageIndex, int indentLevel);
  void Delete(int index);
  TRzImageComboBoxItem* GetImageComboBoxItem(int index) const;
  // The first item whose caption equals `s` in any case; -1 when none does.
  int IndexOf(const String& s) override;
  void ItemsBeginUpdate() { Items()->BeginUpdate(); }
  void ItemsEndUpdate() { Items()->EndUpdate(); }

  bool AutoSizeHeight = true;
  TCustomImageList* Images() const { return images_; }
  virtual void SetImages(TCustomImageList* value);
  int ItemIndent() const { return itemIndent_; }
  void SetItemIndent(int value);
  TRzDeleteImageComboBoxItemEvent OnDeleteItem;
  TRzImageComboBoxGetItemDataEvent OnGetItemData;

protected:
  friend class TRzImageComboBoxItem;
  virtual void GetItemData(TRzImageComboBoxItem* item) { OnGetItemData(this, item); }
  // Reports an item leaving the list and frees it.
  virtual void DeleteItem(TRzImageComboBoxItem* item);
  // Items as tall as the font's text plus 4, or the images when they are taller.
  virtual void AutoSize(HFONT font);
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void Dispatch(TMessage& message) override;

private:
  void ImagesChanged(TObject* sender);
  void ItemRemoved(TRzImageComboBoxItem* item);

  TCustomImageList* images_ = nullptr;  // borrowed, with a free notification and a change link
  TChangeLink imagesLink_;
  int itemIndent_ = 12;
  bool settingFont_ = false;
  bool windowGoing_ = false;
  std::set<TRzImageComboBoxItem*> owned_;  // owned: every item made and not yet freed
};

class TRzImageComboBox : public TRzCustomImageComboBox {
public:
  using TRzCustomImageComboBox::TRzCustomImageComboBox;
};
