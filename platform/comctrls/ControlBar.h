// TCustomControlBar: a container whose child controls are bands laid out in rows;
// each band has an 11-pixel grab area at its left, by which the user drags it
// along its row (AutoDrag), and a frame the bar draws around it
// (PaintControlFrame). TCoolBar: the common controls' rebar, whose bands (Bands)
// each hold a control with a caption and an image and a sizing grip.
#pragma once

#include <memory>

#include "platform/comctrls/CommonControls.h"
#include "platform/controls/CustomControl.h"
#include "platform/core/Collection.h"
#include "platform/graphics/ImageList.h"

enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };

class TCustomControlBar : public TCustomControl {
public:
  explicit TCustomControlBar(TComponent* owner);

  bool RowSnap = true;
  bool AutoDrag = true;
  TBevelKind BevelKind() const { return bevelKind_; }
  void SetBevelKind(TBevelKind value);
  // The band rectangle of a child: its bounds widened by the grab area at the
  // left and 2 pixels on the other sides.
  static TRect BandRect(const TControl* control);

protected:
  void Paint() override;
  // The frame of one band, in r (the band rectangle).
  virtual void PaintControlFrame(TCanvas* canvas, TControl* control, const TRect& r);
  void AlignControls(TControl* control, TRect& rect) override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  TControl* BandAt(int x, int y) const;

  TBevelKind bevelKind_ = bkTile;
  TControl* dragged_ = nullptr;  // borrowed while a band is dragged
  int dragOffset_ = 0;
};

class TControlBar : public TCustomControlBar {
public:
  using TCustomControlBar::TCustomControlBar;
};

class TCoolBar;

class TCoolBand : public TCollectionItem {
public:
  explicit TCoolBand(TCollection* collection);
  TWinControl* Control() const { return control_; }
  void SetControl(TWinControl* value);
  const String& Text() const { return text_; }
  void SetText(const String& value);
  Integer ImageIndex() const { return imageIndex_; }
  void SetImageIndex(Integer value);
  bool FixedSize() const { return fixedSize_; }
  void SetFixedSize(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  Integer Width() const { return width_; }
  void SetWidth(Integer value);
  Integer MinHeight() const { return minHeight_; }
  void SetMinHeight(Integer value);
  bool Break() const { return break_; }
  void SetBreak(bool value);
  String DisplayName() const override;

private:
  friend class TCoolBar;
  TWinControl* control_ = nullptr;  // borrowed: the bar's child, forgotten when freed
  String text_;
  Integer imageIndex_ = -1;
  bool fixedSize_ = false, visible_ = true, break_ = true;
  Integer width_ = 0, minHeight_ = 25;
};

class TCoolBands : public TOwnedCollection {
public:
  explicit TCoolBands(TCoolBar* bar);
  TCoolBand* Items(int index) const { return static_cast<TCoolBand*>(TCollection::Items(index)); }
  TCoolBand* Add() { return static_cast<TCoolBand*>(TCollection::Add()); }
  TCoolBand* FindBand(const TControl* control) const;

protected:
  void Update(TCollectionItem* item) override;

private:
  TCoolBar* bar_;
};

class TCoolBar : public TWinControl {
public:
  explicit TCoolBar(TComponent* owner);
  ~TCoolBar() override;

  TCoolBands* Bands() const { return bands_.get(); }  // owned
  void SetBands(const TCoolBands* value) { bands_->Assign(value); }
  bool FixedOrder() const { return fixedOrder_; }
  void SetFixedOrder(bool value);
  bool ShowText() const { return showText_; }
  void SetShowText(bool value);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* value);
  bool Vertical() const { return vertical_; }
  void SetVertical(bool value);
  // Puts the bands into the window again.
  void UpdateBands();
  void Loaded() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void AlignControls(TControl* control, TRect& rect) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Dispatch(TMessage& message) override;

private:
  std::unique_ptr<TCoolBands> bands_;
  bool fixedOrder_ = false, showText_ = true, vertical_ = false;
  TCustomImageList* images_ = nullptr;  // borrowed, freed-notified
  bool updating_ = false;
};

// The version of the common controls in use: major in the high word, minor in
// the low word (0x40047 is 4.71); 0 when the library does not say.
DWORD GetComCtlVersion();
