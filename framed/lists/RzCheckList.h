// TRzCheckList: the tabbed framed list box with a check box in front of every
// item. Each item has a state (unchecked, checked, grayed) and an enabled flag
// of its own; group headers have no check box. The boxes come from visual
// styles, from the family's recoloured bitmaps or from a strip of six custom
// glyphs. The items with their states save to and load from text.
#pragma once

#include <memory>

#include "framed/lists/RzCheckListStrings.h"
#include "framed/lists/RzTabbedListBox.h"
#include "platform/graphics/Bitmap.h"

using TStateChangingEvent = TEvent<TObject*, int, TCheckBoxState, bool&>;
using TStateChangeEvent = TEvent<TObject*, int, TCheckBoxState>;

class TRzCheckList : public TRzCustomTabbedListBox {
public:
  explicit TRzCheckList(TComponent* owner);
  ~TRzCheckList() override;

  // Marks the items as being added while it lives: the new item has no state
  // record yet, so nothing is drawn meanwhile.
  class TAddingItems {
  public:
    explicit TAddingItems(TRzCheckList* list) : list_(list) { ++list_->adding_; }
    ~TAddingItems() { --list_->adding_; }

  private:
    TRzCheckList* list_;
  };

  TRzCheckListStrings* CheckItems() const { return items_.get(); }  // owned
  int AddEx(const String& s, bool checked, bool enabled);
  void CheckAll();
  void UncheckAll();
  // Checked items that are not group headers.
  int ItemsChecked() const;
  // The items of a group (a group that does not exist has none).
  void SetGroupState(int groupIndex, TCheckBoxState state);
  void CheckGroup(int groupIndex) { SetGroupState(groupIndex, cbChecked); }
  void UncheckGroup(int groupIndex) { SetGroupState(groupIndex, cbUnchecked); }
  void EnableGroup(int groupIndex) { SetGroupEnabled(groupIndex, true); }
  void DisableGroup(int groupIndex) { SetGroupEnabled(groupIndex, false); }
  void LoadFromFile(const String& fileName) { items_->LoadFromFile(fileName); }
  void LoadFromStream(TStream& stream) { items_->LoadFromStream(stream); }
  void SaveToFile(const String& fileName) { items_->SaveToFile(fileName); }
  void SaveToStream(TStream& stream) { items_->SaveToStream(stream); }
  // Toggles the current item as the user does (asking OnChanging, reporting OnChange).
  virtual void ToggleCheckState();
  // A colour for the check mark that is neither the transparent nor the frame colour.
  virtual TColor CheckColor(TColor color) const;
  virtual void SelectGlyph(int index, TBitmap* bitmap);
  void ExtractGlyph(int index, TBitmap* glyph, TBitmap* source, int width, int height) const;

  virtual bool GetItemChecked(int index) const { return GetItemState(index) == cbChecked; }
  virtual void SetItemChecked(int index, bool value) { SetItemState(index, value ? cbChecked : cbUnchecked); }
  virtual bool GetItemEnabled(int index) const { return items_->Packet(index).Enabled; }
  virtual void SetItemEnabled(int index, bool value);
  virtual TCheckBoxState GetItemState(int index) const { return items_->Packet(index).State; }
  virtual void SetItemState(int index, TCheckBoxState value);

  bool AllowGrayed() const { return allowGrayed_; }
  virtual void SetAllowGrayed(bool value) { allowGrayed_ = value; }
  TBitmap* CustomGlyphs() const { return customGlyphs_.get(); }  // owned
  virtual void SetCustomGlyphs(const TBitmap* value) { customGlyphs_->Assign(value); }
  bool UseCustomGlyphs() const { return useCustomGlyphs_; }
  virtual void SetUseCustomGlyphs(bool value);
  TColor HighlightColor() const { return highlightColor_; }
  virtual void SetHighlightColor(TColor value);
  TColor TransparentColor() const { return transparentColor_; }
  virtual void SetTransparentColor(TColor value);
  bool ToggleOnItemClick = false;
  int GlyphWidth() const { return glyphWidth_; }
  int GlyphHeight() const { return glyphHeight_; }
  void UpdateItemHeight() override;
  void Loaded() override;

  TStateChangingEvent OnChanging;
  TStateChangeEvent OnChange;

protected:
  TStrings* GetItems() const override { return items_.get(); }
  int OwnerDrawItemIndent() const override { return glyphWidth_ + 8; }
  int InitialTabStopOffset() const override { return glyphWidth_; }
  virtual bool CanChange(int index, TCheckBoxState newState);
  virtual void Change(int index, TCheckBoxState newState) { OnChange(this, index, newState); }
  void DrawListItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void DefaultDrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void DefineProperties(TFiler* filer) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyUp(Word& key, TShiftState shift) override;
  void Dispatch(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;

private:
  void SetGroupEnabled(int groupIndex, bool value);
  template <class F>
  void ForGroupItems(int groupIndex, F f);
  TRect GlyphArea(int index) const;
  bool InCheckBox(int index, int x) const;
  void CustomGlyphsChanged(TObject* sender);

  std::unique_ptr<TRzCheckListStrings> items_;  // owned
  int adding_ = 0;
  bool allowGrayed_ = false;
  int glyphWidth_ = 13;
  int glyphHeight_ = 13;
  static constexpr int kGlyphCells = 6;
  std::unique_ptr<TBitmap> customGlyphs_;  // owned
  bool useCustomGlyphs_ = false;
  TColor transparentColor_ = clOlive;
  TColor highlightColor_ = clHighlight;
  int pressedItem_ = -1;
  bool toggleArmed_ = false;
};
