// The sections of the buttons bar and the items of a section: nested collections
// whose changes reach the bar, so it rebuilds the section's header or items.
#pragma once

#include <memory>

#include "platform/core/Collection.h"
#include "platform/core/Events.h"
#include "skin/draw/SkinLayout.h"

class TspSkinButtonsBar;
class TspButtonBarSection;

class TspButtonBarItem : public TCollectionItem {
public:
  explicit TspButtonBarItem(TCollection* collection) : TCollectionItem(collection) {}
  const String& Text() const { return text_; }
  void SetText(const String& value);
  String Hint;
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer value);
  Integer Tag = 0;
  TspButtonLayout Layout() const { return layout_; }
  void SetLayout(TspButtonLayout value);
  Integer Margin() const { return margin_; }
  void SetMargin(Integer value);
  Integer Spacing() const { return spacing_; }
  void SetSpacing(Integer value);
  bool Enabled = true;
  TNotifyEvent OnClick, OnDblClick;
  String DisplayName() const override;
  void Assign(const TPersistent* source) override;

private:
  String text_;
  Integer imageIndex_ = 0;
  TspButtonLayout layout_ = blGlyphTop;
  Integer margin_ = -1;
  Integer spacing_ = 1;
};

class TspButtonBarItems : public TOwnedCollection {
public:
  explicit TspButtonBarItems(TspButtonBarSection* section);
  TspButtonBarItem* Items(int index) const { return static_cast<TspButtonBarItem*>(TCollection::Items(index)); }
  TspButtonBarItem* Add() { return static_cast<TspButtonBarItem*>(TCollection::Add()); }

protected:
  void Update(TCollectionItem* item) override;  // the section changes with its items

private:
  TspButtonBarSection* section_;
};

class TspButtonBarSection : public TCollectionItem {
public:
  explicit TspButtonBarSection(TCollection* collection);
  ~TspButtonBarSection() override;
  const String& Text() const { return text_; }
  void SetText(const String& value);
  String Hint;
  TspButtonBarItems* Items() const { return items_.get(); }  // owned
  void SetItems(const TspButtonBarItems* value) { items_->Assign(value); }
  Integer Tag = 0;
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer value);
  Integer Margin() const { return margin_; }
  void SetMargin(Integer value);
  Integer Spacing() const { return spacing_; }
  void SetSpacing(Integer value);
  bool Enabled = true;
  TNotifyEvent OnClick, OnDblClick;
  String DisplayName() const override;
  void Assign(const TPersistent* source) override;
  // An item of the section changed: the section changes with it.
  void ItemsChanged() { Changed(false); }

private:
  String text_;
  std::unique_ptr<TspButtonBarItems> items_;
  Integer imageIndex_ = 0;
  Integer margin_ = -1;
  Integer spacing_ = 1;
};

class TspButtonBarSections : public TOwnedCollection {
public:
  explicit TspButtonBarSections(TspSkinButtonsBar* bar);
  TspButtonBarSection* Items(int index) const { return static_cast<TspButtonBarSection*>(TCollection::Items(index)); }
  TspButtonBarSection* Add() { return static_cast<TspButtonBarSection*>(TCollection::Add()); }
  TspSkinButtonsBar* ButtonsBar() const { return bar_; }

protected:
  void Update(TCollectionItem* item) override;

private:
  TspSkinButtonsBar* bar_;
};
