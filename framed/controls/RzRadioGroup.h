// TRzCustomRadioGroup and TRzRadioGroup: a group box with one radio button per
// line of Items, laid out in columns, whose ItemIndex follows the checked button.
// TRzGroupButton is the radio button the group makes, styles and frees itself.
#pragma once

#include <memory>
#include <vector>

#include "framed/controls/RzGroupBox.h"
#include "framed/controls/RzRadioButton.h"
#include "platform/core/Strings.h"

class TRzCustomRadioGroup;

using TRzIndexChangingEvent = TEvent<TObject*, int, bool&>;

class TRzGroupButton : public TRzRadioButton {
public:
  explicit TRzGroupButton(TRzCustomRadioGroup* group);
  ~TRzGroupButton() override;

protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyPress(char& key) override;
  void KeyDown(Word& key, TShiftState shift) override;

private:
  TRzCustomRadioGroup* group_;  // borrowed: the group owns the button
  bool inClick_ = false;
};

class TRzCustomRadioGroup : public TRzCustomGroupBox {
public:
  explicit TRzCustomRadioGroup(TComponent* owner);
  ~TRzCustomRadioGroup() override;

  String GetCaption() const { return Caption(); }
  // Sets the caption and lays the buttons out again (the top margin depends on it).
  virtual void SetCaption(const String& value);
  TStrings* Items() const { return items_.get(); }  // owned
  virtual void SetItems(const TStrings* value);
  int ItemIndex() const { return itemIndex_; }
  // While a definition is read only stored; otherwise clamped to -1..count-1, and
  // a change checks the new button, which reports a click as the user's would.
  virtual void SetItemIndex(int value);
  int Columns() const { return columns_; }
  virtual void SetColumns(int value);
  TFont* ItemFont() const { return itemFont_.get(); }  // owned
  virtual void SetItemFont(const TFont* value) { itemFont_->Assign(value); }
  int ItemHeight() const { return itemHeight_; }
  virtual void SetItemHeight(int value);
  bool SpaceEvenly() const { return spaceEvenly_; }
  virtual void SetSpaceEvenly(bool value);
  int StartXPos() const { return startXPos_; }
  int StartYPos() const { return startYPos_; }
  virtual void SetStartPos(int index, int value);
  int VerticalSpacing() const { return verticalSpacing_; }
  virtual void SetVerticalSpacing(int value);
  TBitmap* CustomGlyphs() const { return customGlyphs_.get(); }  // owned
  virtual void SetCustomGlyphs(const TBitmap* value) { customGlyphs_->Assign(value); }
  bool UseCustomGlyphs() const { return useCustomGlyphs_; }
  virtual void SetUseCustomGlyphs(bool value);
  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TRzGroupButton* GetButtons(int index) const { return buttons_.at(index); }
  bool GetItemEnabled(int index) const { return buttons_.at(index)->Enabled(); }
  void SetItemEnabled(int index, bool value) { buttons_.at(index)->SetEnabled(value); }
  virtual bool CanModify() { return true; }
  void SetTransparent(bool value) override;
  void SetGroupBoxStyle(TRzGroupBoxStyle value) override;
  void CustomFramingChanged() override;
  void Loaded() override;

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

  TRzIndexChangingEvent OnChanging;

protected:
  friend class TRzGroupButton;
  virtual bool CanChange(int newIndex);
  virtual void SetButtonCount(int count);
  virtual void ArrangeButtons();
  virtual void UpdateButtons();
  void ButtonClick(TObject* sender);
  void DefineProperties(TFiler* filer) override;
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
    ArrangeButtons();
  }
  void ItemsChange(TObject* sender);
  void ItemFontChanged(TObject* sender);
  void CustomGlyphsChanged(TObject* sender);
  void StyleButton(TRzGroupButton* button);

  std::vector<TRzGroupButton*> buttons_;  // owned (the group is also their owner component)
  std::unique_ptr<TFont> itemFont_;
  bool itemFontSet_ = false;
  bool copyingFont_ = false;
  std::unique_ptr<TStringList> items_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool updating_ = false;
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

class TRzRadioGroup : public TRzCustomRadioGroup {
public:
  using TRzCustomRadioGroup::TRzCustomRadioGroup;
};
