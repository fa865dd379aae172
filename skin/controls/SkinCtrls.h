// The bases of every skinned control: they name a skin container and a record,
// look the record up before each paint or resize, paint off-screen from it (or
// in a plain default look without one), blend over the parent's picture when
// asked, follow skin changes, and pass background changes on. The windowed pair
// (TspSkinControl, TspSkinCustomControl) also shapes its window from the
// record's mask and can paint through four border pictures; the windowless pair
// (TspGraphicSkinControl, TspGraphicSkinCustomControl) is its twin without a window.
#pragma once

#include <functional>
#include <memory>

#include "platform/controls/Controls.h"
#include "platform/graphics/ImageList.h"
#include "skin/controls/SkinPiece.h"
#include "skin/data/SkinData.h"

// To a control whose background changed (wParam and lParam 0).
constexpr UINT WM_CHECKPARENTBG = WM_USER + 260;

// The skinned tool bar answers true for a parent that is such a bar with
// AdjustControls on, giving its skin client rectangle: the bases centre
// themselves vertically in it.
using TspToolBarClientRect = std::function<bool(TWinControl* parent, TRect& clientRect)>;
extern TspToolBarClientRect SP_SkinToolBarClientRect;

// What the skinned notebook gives NotebookHandlesNeeded: its pages in order.
class TspNotebookPages {
public:
  virtual ~TspNotebookPages() = default;
  virtual int PageCount() const = 0;
  virtual TWinControl* Page(int index) const = 0;
};
// Creates every page's window with its alignment held back; nothing for nullptr.
void NotebookHandlesNeeded(TspNotebookPages* notebook);

// The skin protocol over a platform control class (TCustomControl or TGraphicControl).
template <class Base>
class TspSkinnedControl : public Base {
public:
  explicit TspSkinnedControl(TComponent* owner);

  String HintTitle;
  Integer HintImageIndex = 0;
  TCustomImageList* HintImageList() const { return hintImageList_; }
  void SetHintImageList(TCustomImageList* value);
  bool DrawDefault = true;
  TspSkinData* SkinData() const { return skinData_; }
  // Stores the container; looks the record up at once when it holds a skin.
  virtual void SetSkinData(TspSkinData* value);
  String AreaName;
  String SkinDataName;  // the record's exact name
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  bool AlphaBlend() const { return alphaBlend_; }
  virtual void SetAlphaBlend(bool value);
  Byte AlphaBlendValue() const { return alphaBlendValue_; }
  virtual void SetAlphaBlendValue(Byte value);
  bool UseSkinCursor = false;

  Integer SkinRecordIndex = -1;  // index in the container's CtrlList; -1: default look
  Integer SkinCursorIndex = -1;  // the record's cursor index; -1: none

  virtual void GetSkinData();
  virtual void CreateControlDefaultImage(TBitmap*) {}
  virtual void CreateControlSkinImage(TBitmap*) {}
  virtual void ChangeSkinData();
  virtual void BeforeChangeSkinData() { SkinRecordIndex = -1; }

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;
  void ApplySkinCursor();
  bool Designing() const { return this->HasState(csDesigning); }

private:
  TCustomImageList* hintImageList_ = nullptr;  // borrowed, freed-notified
  TspSkinData* skinData_ = nullptr;            // borrowed, freed-notified
  bool alphaBlend_ = false;
  Byte alphaBlendValue_ = 200;
};

class TspSkinControl : public TspSkinnedControl<TCustomControl> {
public:
  explicit TspSkinControl(TComponent* owner) : TspSkinnedControl<TCustomControl>(owner) {}

  HRGN RegionHandle = nullptr;  // the region last given to the window (the window's)
  bool InPaintMessage = false;  // true while WM_PAINT is handled

  virtual void SetSkinDataName(const String& value) { SkinDataName = value; }
  // Repaints and tells the children when alpha-blended.
  virtual void CheckParentBackground();
  // Sends WM_CHECKPARENTBG to every child.
  void CheckControlsBackground();

protected:
  void Dispatch(TMessage& message) override;
  void WMPaint(TMessage& message) override;
  void WMEraseBkgnd(TMessage& message) override { message.Result = 1; }
  void WMMove(TMessage& message) override;
};

class TspGraphicSkinControl : public TspSkinnedControl<TGraphicControl> {
public:
  explicit TspGraphicSkinControl(TComponent* owner) : TspSkinnedControl<TGraphicControl>(owner) {}

protected:
  void Dispatch(TMessage& message) override;
};

// The nine-part piece over a skinned control: resize modes, size from the skin,
// mapping of piece rectangles, default size and font.
template <class Base>
class TspSkinnedCustomControl : public Base, public TspSkinPiece {
public:
  explicit TspSkinnedCustomControl(TComponent* owner);

  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value);
  bool UseSkinFont = true;
  Integer DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(Integer value);
  Integer DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(Integer value);

  void SetBounds(int left, int top, int width, int height) override;
  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void ChangeSkinData() override;
  virtual void DefaultFontChange() {}
  virtual void CalcSize(Integer& width, Integer& height) { CalcPieceSize(width, height, this->SkinRecordIndex != -1); }

  // Composes the piece r of picture at the control's size.
  void CreateSkinControlImage(TBitmap* b, TBitmap* picture, const TRect& r);
  TRect GetNewRect(const TRect& r) const { return MapRect(r, this->Width(), this->Height()); }
  Integer GetRealClientWidth() const { return RealClientRect.Width(); }
  Integer GetRealClientHeight() const { return RealClientRect.Height(); }
  Integer GetRealClientLeft() const { return RealClientRect.Left; }
  Integer GetRealClientTop() const { return RealClientRect.Top; }

protected:
  // After a skin change that left the size as it was, and after SetBounds.
  virtual void SkinAppliedInPlace() { this->Repaint(); }
  virtual void BoundsApplied(bool resized) {
    if (resized) this->Repaint();
  }
  // Composes only the borders in mode 1 (the caller draws them itself).
  virtual bool ComposesBordersOnly() const { return false; }

private:
  void OnDefaultFontChange(TObject* sender);

  std::unique_ptr<TFont> defaultFont_;
  Integer defaultWidth_ = 0;
  Integer defaultHeight_ = 0;
};

class TspSkinCustomControl : public TspSkinnedCustomControl<TspSkinControl> {
public:
  explicit TspSkinCustomControl(TComponent* owner) : TspSkinnedCustomControl<TspSkinControl>(owner) {}

  // Paint through four border pictures and fill the client straight on the canvas.
  bool PaintByBorders = false;
  // In that path, fill the client from the piece's client rectangle.
  bool FillSkinClient = true;
  TBitmap* SkinMaskPicture = nullptr;  // borrowed from the skin container's pictures

  void GetSkinData() override;
  // Shapes the window from the mask at the present size, or removes its region.
  virtual void SetControlRegion();
  void CreateControlRegion();

protected:
  void Paint() override;
  void SkinAppliedInPlace() override;
  void BoundsApplied(bool resized) override;
  bool ComposesBordersOnly() const override { return PaintByBorders; }

private:
  void PaintBorders();
  void FillClient(TCanvas* canvas);
};

class TspGraphicSkinCustomControl : public TspSkinnedCustomControl<TspGraphicSkinControl> {
public:
  explicit TspGraphicSkinCustomControl(TComponent* owner)
      : TspSkinnedCustomControl<TspGraphicSkinControl>(owner) {}
};

// Registers the four bases and their published properties for form definitions.
void PublishSkinControlClasses();
