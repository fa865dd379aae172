// TRzCustomItemGroup: what the radio group and the check group share: a group box
// that shows one glyph button per line of Items, lays them out in columns and
// hands them the item settings. TRzGroupItem is the button such a group makes for
// itself: the group owns it, lists it and hears its clicks and keys.
#pragma once

#include <memory>
#include <vector>

#include "framed/controls/RzGlyphButton.h"
#include "framed/controls/RzGroupBox.h"
#include "platform/core/Strings.h"

class TRzCustomItemGroup : public TRzCustomGroupBox {
public:
  explicit TRzCustomItemGroup(TComponent* owner);
  ~TRzCustomItemGroup() override;

  String GetCaption() const { return Caption(); }
  // Sets the caption and lays the items out again (the top margin depends on it).
  virtual void SetCaption(const String& value);
  TStrings* Items() const { return items_.get(); }  // owned
  virtual void SetItems(const TStrings* value);
  int Columns() const { return columns_; }
  // Clamped to 1 .. 16.
  virtual void SetColumns(int value);
  TFont* ItemFont() const { return itemFont_.get(); }  // owned
  virtual void SetItemFont(const TFont* value) { itemFont_->Assign(value); }
  int ItemHeight() const { return itemHeight_; }
  virtual void SetItemHeight(int value);
  bool SpaceEvenly() const { return spaceEvenly_; }
  virtual void SetSpaceEvenly(bool value);
  int StartXPos() const { return startXPos_; }
  int StartYPos() const { return startYPos_; }
  // Index 1 the start x, 2 the start y.
  virtual void SetStartPos(int index, int value);
  int VerticalSpacing() const { return verticalSpacing_; }
  virtual void SetVerticalSpacing(int value);
  TBitmap* CustomGlyphs() const { return customGlyphs_.get(); }  // owned
  virtual void SetCustomGlyphs(const TBitmap* value) { customGlyphs_->Assign(value); }
  bool UseCustomGlyphs() const { return useCustomGlyphs_; }
  virtual void SetUseCustomGlyphs(bool value);
  bool GetItemEnabled(int index) const { return controls_.at(index)->Enabled(); }
  void SetItemEnabled(int index, bool value) { controls_.at(index)->SetEnabled(value); }
  // Whether the user may change the items' states (descendants may refuse).
  virtual bool CanModify() { return true; }
  void SetTransparent(bool value) override;
  void SetGroupBoxStyle(TRzGroupBoxStyle value) override;
  void CustomFramingChanged() override;

  // The item settings handed to every button; each change lays the buttons out again.
  TColor ItemFrameColor() const { return item_.frameColor; }
  void SetItemFrameColor(TColor v) { SetItem(item_.frameColor, v); }
  bool ItemHotTrack() const { return item_.hotTrack; }
  void SetItemHotTrack(bool v) { SetItem(item_.hotTrack, v); }
  TColor ItemHotTrackColor() const { return item_.hotTrackColor; }
  void SetItemHotTrackColor(TColor v) { SetItem(item_.hotTrackColor, v); }
  TRzHotTrackColorType ItemHotTrackColorType() const { return item_.hotTrackColorType; }
  void SetItemHotTrackColorType(TRzHotTrackColorType v) { SetItem(item_.hotTrackColorType, v); }
  TColor ItemHighlightColor() const { return item_.highlightColor; }
  void SetItemHighlightColor(TColor v) { SetItem(item_.highlightColor, v); }
  bool LightTextStyle() const { return item_.lightTextStyle; }
  void SetLightTextStyle(bool v) { SetItem(item_.lightTextStyle, v); }
  TTextStyle TextStyle() const { return item_.textStyle; }
  void SetTextStyle(TTextStyle v) { SetItem(item_.textStyle, v); }
  TColor TextHighlightColor() const { return item_.textHighlightColor; }
  void SetTextHighlightColor(TColor v) { SetItem(item_.textHighlightColor, v); }
  TColor TextShadowColor() const { return item_.textShadowColor; }
  void SetTextShadowColor(TColor v) { SetItem(item_.textShadowColor, v); }
  int TextShadowDepth() const { return item_.textShadowDepth; }
  void SetTextShadowDepth(int v) { SetItem(item_.textShadowDepth, v); }
  TColor TransparentColor() const { return item_.transparentColor; }
  void SetTransparentColor(TColor v) { SetItem(item_.transparentColor, v); }
  TColor WinMaskColor() const { return item_.winMaskColor; }
  void SetWinMaskColor(TColor v) { SetItem(item_.winMaskColor, v); }
  bool TabOnEnter = false;

protected:
  template <class B>
  friend class TRzGroupItem;

  int ItemControlCount() const { return static_cast<int>(controls_.size()); }
  TRzCustomGlyphButton* ItemControl(int index) const { return controls_.at(index); }
  // The descendant's own layout step (ArrangeButtons, ArrangeChecks).
  virtual void Rearrange() = 0;
  // Items changed outside reading: the descendant brings its buttons up to date.
  virtual void ItemsChanged() = 0;
  // A button of the group reports a click (every change of its state).
  virtual void ItemClick(TObject* sender) = 0;
  // Lays every button out in columns and hands it the item settings.
  void ArrangeItems();
  // Frees buttons from the last one until `count` are left.
  void TrimItems(int count);
  int IndexOfItem(const TObject* control) const;

  void Dispatch(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void CMDialogChar(TMessage& message) override;
  void KeyPress(char& key) override;
  void FlipChildren() {}
  bool Reading() const { return HasState(csLoading) || HasState(csReading); }

private:
  struct TItemSettings {
    TColor frameColor = clBtnShadow;
    bool hotTrack = false;
    TColor hotTrackColor = clHighlight;
    TRzHotTrackColorType hotTrackColorType = htctComplement;
    TColor highlightColor = clHighlight;
    bool lightTextStyle = false;
    TTextStyle textStyle = tsNormal;
    TColor textHighlightColor = clBtnHighlight;
    TColor textShadowColor = clBtnShadow;
    int textShadowDepth = 2;
    TColor transparentColor = clOlive;
    TColor winMaskColor = clTeal;
  };
  template <class T>
  void SetItem(T& field, T value) {
    if (field == value) return;
    field = value;
    Rearrange();
  }
  void ItemsChange(TObject* sender);
  void ItemFontChanged(TObject* sender);
  void CustomGlyphsChanged(TObject* sender);
  void StyleItem(TRzCustomGlyphButton* control);

  std::vector<TRzCustomGlyphButton*> controls_;  // owned (the group is also their owner component)
  std::unique_ptr<TFont> itemFont_;
  bool itemFontSet_ = false;
  bool copyingFont_ = false;
  std::unique_ptr<TStringList> items_;
  int columns_ = 1;
  bool spaceEvenly_ = false;
  int startXPos_ = 8;
  int startYPos_ = 2;
  int verticalSpacing_ = 3;
  int itemHeight_ = 17;
  int glyphWidth_ = 13;
  int glyphHeight_ = 13;
  int numStates_ = 6;
  std::unique_ptr<TBitmap> customGlyphs_;
  bool useCustomGlyphs_ = false;
  TItemSettings item_;
};

// The button a group makes for one item: hidden until laid out, enabled with the
// group, its clicks going to the group; a release toggles only while the group
// allows changes, and keys reach the group after the button.
template <class B>
class TRzGroupItem : public B {
public:
  explicit TRzGroupItem(TRzCustomItemGroup* group) : B(group), group_(group) {
    group->controls_.push_back(this);
    this->SetVisible(false);
    this->SetEnabled(group->Enabled());
    this->SetParentShowHint(false);
    this->OnClick = TNotifyEvent(group, &TRzCustomItemGroup::ItemClick);
    this->SetParent(group);
    this->SetParentFont(false);
  }
  ~TRzGroupItem() override {
    auto& list = group_->controls_;
    for (auto it = list.begin(); it != list.end(); ++it)
      if (*it == this) {
        list.erase(it);
        break;
      }
  }

protected:
  TRzCustomItemGroup* Group() const { return group_; }

  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override {
    if (inClick_) return;
    inClick_ = true;
    try {
      if (group_->CanModify()) B::MouseUp(button, shift, x, y);
    } catch (...) {
      HandleControlException(this);
    }
    inClick_ = false;
  }
  void KeyPress(char& key) override {
    B::KeyPress(key);
    group_->KeyPress(key);
    if ((key == '\b' || key == ' ') && !group_->CanModify()) key = 0;
  }
  void KeyDown(Word& key, TShiftState shift) override {
    B::KeyDown(key, shift);
    group_->KeyDown(key, shift);
  }

private:
  TRzCustomItemGroup* group_;  // borrowed: the group owns the button
  bool inClick_ = false;
};
