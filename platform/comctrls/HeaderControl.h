// The header control over the common controls' "SysHeader32": a row of sections
// with text, width limits, alignment and image, plain or drawn by the program,
// reporting clicks and resizes. The control keeps its sections itself, so they
// outlive a re-creation of the window.
#pragma once

#include <memory>

#include "platform/controls/Alignments.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/WinControl.h"
#include "platform/core/Collection.h"
#include "platform/graphics/ImageList.h"

class THeaderControl;

enum THeaderSectionStyle { hsText, hsOwnerDraw };
enum THeaderStyle { hsButtons, hsFlat };

class THeaderSection : public TCollectionItem {
public:
  explicit THeaderSection(TCollection* collection);

  const String& Text() const { return text_; }
  void SetText(const String& value);
  // Kept within MinWidth .. MaxWidth.
  int Width() const { return width_; }
  void SetWidth(int value);
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int value);
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int value);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int value);
  THeaderSectionStyle Style() const { return style_; }
  void SetStyle(THeaderSectionStyle value);
  // Clicks on the section are reported (OnSectionClick).
  bool AllowClick() const { return allowClick_; }
  void SetAllowClick(bool value) { allowClick_ = value; }
  // Where the section starts and ends, in the control's client coordinates.
  int Left() const;
  int Right() const { return Left() + width_; }
  THeaderControl* HeaderControl() const;

  String DisplayName() const override { return text_.empty() ? TCollectionItem::DisplayName() : text_; }
  void Assign(const TPersistent* source) override;

private:
  friend class THeaderControl;
  String text_;
  int width_ = 50;
  int minWidth_ = 0;
  int maxWidth_ = 10000;
  TAlignment alignment_ = taLeftJustify;
  int imageIndex_ = -1;
  THeaderSectionStyle style_ = hsText;
  bool allowClick_ = true;
};

class THeaderSections : public TOwnedCollection {
public:
  explicit THeaderSections(THeaderControl* owner);
  THeaderSection* Add() { return static_cast<THeaderSection*>(TCollection::Add()); }
  THeaderSection* Items(int index) const { return static_cast<THeaderSection*>(TCollection::Items(index)); }

protected:
  void Update(TCollectionItem* item) override;

private:
  THeaderControl* owner_;  // borrowed: the control owns the sections
};

using TDrawSectionEvent = TEvent<THeaderControl*, THeaderSection*, TRect, bool>;
using TSectionNotifyEvent = TEvent<THeaderControl*, THeaderSection*>;

class THeaderControl : public TWinControl {
public:
  explicit THeaderControl(TComponent* owner);
  ~THeaderControl() override;

  THeaderSections* Sections() const { return sections_.get(); }  // owned
  void SetSections(const THeaderSections* value) { sections_->Assign(value); }
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  // hsButtons: sections press like buttons when clicked; hsFlat: they do not.
  THeaderStyle Style() const { return style_; }
  void SetStyle(THeaderStyle value);
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool value);
  // The user may drag sections into another order.
  bool DragReorder() const { return dragReorder_; }
  void SetDragReorder(bool value);
  // Sections follow the mouse while the user resizes them.
  bool FullDrag() const { return fullDrag_; }
  void SetFullDrag(bool value);
  TCanvas* Canvas() const { return canvas_.get(); }  // owned

  TDrawSectionEvent OnDrawSection;
  TSectionNotifyEvent OnSectionClick;
  TSectionNotifyEvent OnSectionResize;

protected:
  friend class THeaderSections;
  friend class THeaderSection;

  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  // An owner-drawn section is to be drawn in `rect`: OnDrawSection.
  virtual void DrawSection(THeaderSection* section, const TRect& rect, bool pressed);
  virtual void SectionClick(THeaderSection* section) { OnSectionClick(this, section); }
  virtual void SectionResize(THeaderSection* section) { OnSectionResize(this, section); }
  virtual void CNNotify(TMessage& message);
  virtual void CNDrawItem(TMessage& message);

private:
  void RebuildSections();
  void UpdateSection(int index);
  void SectionWidthChanged(int index, int width);
  THeaderSection* SectionOf(int index) const;

  std::unique_ptr<THeaderSections> sections_;
  std::unique_ptr<TControlCanvas> canvas_;
  TCustomImageList* images_ = nullptr;  // borrowed, free notification
  THeaderStyle style_ = hsButtons;
  bool hotTrack_ = false;
  bool dragReorder_ = false;
  bool fullDrag_ = true;
  int nativeSections_ = 0;  // sections the window has now
  bool updating_ = false;   // the control itself changes the window's sections
};
