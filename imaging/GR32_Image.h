// The double-buffered paint box (a back buffer copied to the window whole or by
// changed rectangles, in three repaint modes) and the image control built on it,
// which shows one TBitmap32 scaled and aligned through an ordered list of paint
// stages and routes the mouse through its layer collection.
#pragma once

#include <memory>
#include <vector>

#include "imaging/GR32.h"
#include "imaging/GR32_Containers.h"
#include "imaging/GR32_Layers.h"
#include "imaging/GR32_RepaintOpt.h"
#include "platform/controls/Controls.h"

enum TRepaintMode { rmFull, rmDirect, rmOptimizer };
enum TPaintBoxOption : unsigned { pboWantArrowKeys = 1, pboAutoFocus = 2 };
using TPaintBoxOptions = unsigned;

// Makes the repaint optimiser of a paint box; holds the micro-tiles optimiser.
using TRepaintOptimizerClass = TCustomRepaintOptimizer* (*)(TBitmap32* buffer, TRectList* invalidRects);
extern TRepaintOptimizerClass RepaintOptimizerClassRef;

class TCustomPaintBox32 : public TCustomControl {
public:
  explicit TCustomPaintBox32(TComponent* owner);
  ~TCustomPaintBox32() override;

  TBitmap32* Buffer() const { return buffer_; }  // the back buffer, owned
  bool BufferValid() const { return bufferValid_; }
  Integer BufferOversize() const { return bufferOversize_; }
  void SetBufferOversize(Integer value);
  TRectList* InvalidRects() const { return invalidRects_; }  // DirtyRects, owned
  TCustomRepaintOptimizer* RepaintOptimizer() const { return optimizer_; }  // owned
  bool FullRepaintPending() const { return forceFullRepaint_; }
  bool MouseInside() const { return mouseInside_; }

  TRepaintMode RepaintMode() const { return repaintMode_; }
  virtual void SetRepaintMode(TRepaintMode value);
  TPaintBoxOptions Options() const { return options_; }
  void SetOptions(TPaintBoxOptions value) { options_ = value; }

  // Copies the viewport, or the back buffer's rectangle r, to the window.
  void Flush();
  void Flush(const TRect& r);
  void ResetInvalidRects();
  virtual TRect GetViewportRect();
  virtual void ForceFullInvalidate();

  void Invalidate() override;
  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

  TNotifyEvent OnGDIOverlay;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

protected:
  void Paint() override;
  void Resize() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void Dispatch(TMessage& message) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;

  virtual bool CustomRepaint();
  virtual bool InvalidRectsAvailable() { return true; }
  virtual void DoPrepareInvalidRects();
  virtual void DoPaintBuffer();
  virtual void DoPaintGDIOverlay() { OnGDIOverlay(this); }
  virtual void DoBufferResized(Integer oldWidth, Integer oldHeight);
  virtual void MouseEnter();
  virtual void MouseLeave();
  void DirectAreaUpdateHandler(TObject* sender, const TRect& area, Cardinal info);
  // Repaints the control before returning, unless it is painting already.
  void RepaintNow();
  void ResizeBuffer();
  void SetBufferValid(bool value) { bufferValid_ = value; }
  void ClearFullRepaintPending() { forceFullRepaint_ = false; }

private:
  void WMPaint(TMessage& message) override;
  void CopyToWindow(HDC dc);

  TBitmap32* buffer_;                    // owned
  Integer bufferOversize_ = 40;
  bool bufferValid_ = false;
  TRepaintMode repaintMode_ = rmFull;
  TRectList* invalidRects_;              // owned
  bool forceFullRepaint_ = true;
  TCustomRepaintOptimizer* optimizer_;   // owned
  TPaintBoxOptions options_ = 0;
  bool mouseInside_ = false;
};

class TPaintBox32 : public TCustomPaintBox32 {
public:
  using TCustomPaintBox32::TCustomPaintBox32;
  TNotifyEvent OnPaintBuffer;

protected:
  void DoPaintBuffer() override;
};

// ---------------------------------------------------------------------------
// Paint stages

constexpr Cardinal PaintStageCustom = 1;
constexpr Cardinal PaintStageClearBuffer = 2;
constexpr Cardinal PaintStageClearBackground = 3;
constexpr Cardinal PaintStageDrawBitmap = 4;
constexpr Cardinal PaintStageDrawLayers = 5;
constexpr Cardinal PaintStageControlFrame = 6;
constexpr Cardinal PaintStageBitmapFrame = 7;

struct TPaintStage {
  bool AtDesignTime = false;
  bool AtRunTime = true;
  Cardinal StageKind = 0;  // one of the kinds above; another value makes the stage inert
  Cardinal StageParam = 0;
};
using PPaintStage = TPaintStage*;

class TPaintStages : public TObject {
public:
  PPaintStage Add();
  // Index is brought into 0 .. Count.
  PPaintStage Insert(Integer index);
  // EListError "Invalid stage index" outside 0 .. Count - 1.
  void Delete(Integer index);
  void Clear() { items_.clear(); }
  Integer Count() const { return Integer(items_.size()); }
  PPaintStage Items(Integer index) { return &items_[index]; }

private:
  std::vector<TPaintStage> items_;
};

// ---------------------------------------------------------------------------
// The image control

enum TScaleMode { smNormal, smStretch, smScale, smResize, smOptimal, smOptimalScaled };
enum TBitmapAlign { baTopLeft, baCenter, baTile, baCustom };

using TPaintStageEvent = TEvent<TObject*, TBitmap32*, Cardinal>;
using TImgMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int, TCustomLayer*>;
using TImgMouseMoveEvent = TEvent<TObject*, TShiftState, int, int, TCustomLayer*>;

// The cached mapping between bitmap and control: 16.16 scales both ways and the
// control position of the bitmap's origin.
struct TViewTransform {
  Integer XScale16 = 65536, YScale16 = 65536;
  Integer XShift = 0, YShift = 0;
  Integer XInvScale16 = 65536, YInvScale16 = 65536;
  friend bool operator==(const TViewTransform&, const TViewTransform&) = default;
};

class TCustomImage32 : public TCustomPaintBox32 {
public:
  explicit TCustomImage32(TComponent* owner);
  ~TCustomImage32() override;

  TBitmap32* Bitmap() const { return bitmap_; }  // owned
  void SetBitmap(const TBitmap32* value);
  TBitmapAlign BitmapAlign() const { return bitmapAlign_; }
  void SetBitmapAlign(TBitmapAlign value);
  TLayerCollection* Layers() const { return layers_; }  // owned
  void SetLayers(const TLayerCollection* value) { layers_->Assign(value); }
  TPaintStages* PaintStages() const { return paintStages_; }  // owned
  TScaleMode ScaleMode() const { return scaleMode_; }
  virtual void SetScaleMode(TScaleMode value);
  float Scale() const { return scaleX_; }
  void SetScale(float value);
  float ScaleX() const { return scaleX_; }
  void SetScaleX(float value);
  float ScaleY() const { return scaleY_; }
  void SetScaleY(float value);
  float OffsetHorz() const { return offsetHorz_; }
  void SetOffsetHorz(float value);
  float OffsetVert() const { return offsetVert_; }
  void SetOffsetVert(float value);
  TPixelCombineEvent OnPixelCombine() const { return bitmap_->OnPixelCombine; }
  void SetOnPixelCombine(const TPixelCombineEvent& value);
  bool PaintingToTarget() const { return paintToMode_; }
  Integer UpdateCount() const { return updateCount_; }

  // The cached drawn rectangle and view transform, brought up to date.
  TRect CachedBitmapRect();
  TViewTransform ViewTransform();
  TPoint BitmapToControl(const TPoint& p);
  TPoint ControlToBitmap(const TPoint& p);
  virtual TRect GetBitmapRect();
  virtual TSize GetBitmapSize();

  virtual void BeginUpdate() { ++updateCount_; }
  virtual void EndUpdate();
  virtual void Changed();
  void InvalidateCache();
  virtual void SetupBitmap(bool doClear = false, TColor32 clearColor = 0xFF000000);
  // Runs the run-time stages into another bitmap, mapped into destRect.
  virtual void PaintTo(TBitmap32* dest, const TRect& destRect);

  void SetRepaintMode(TRepaintMode value) override;
  void Invalidate() override;
  void Loaded() override;

  TNotifyEvent OnBitmapResize;
  TNotifyEvent OnChange;
  TNotifyEvent OnInitStages;
  TImgMouseEvent OnMouseDown;
  TImgMouseMoveEvent OnMouseMove;
  TImgMouseEvent OnMouseUp;
  TPaintStageEvent OnPaintStage;
  TNotifyEvent OnScaleChanged;

protected:
  virtual void BitmapResized();
  virtual void BitmapChanged(const TRect& area) { Changed(); }
  virtual void DoInitStages() { OnInitStages(this); }
  virtual void DoScaleChange() { OnScaleChanged(this); }
  virtual void InitDefaultStages();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y, TCustomLayer* layer);
  virtual void MouseMove(TShiftState shift, int x, int y, TCustomLayer* layer);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y, TCustomLayer* layer);
  virtual void UpdateCache();

  virtual void ExecBitmapFrame(TBitmap32* dest, Integer stageNum);
  virtual void ExecClearBuffer(TBitmap32* dest, Integer stageNum);
  virtual void ExecClearBackgnd(TBitmap32* dest, Integer stageNum);
  virtual void ExecControlFrame(TBitmap32* dest, Integer stageNum);
  virtual void ExecCustom(TBitmap32* dest, Integer stageNum);
  virtual void ExecDrawBitmap(TBitmap32* dest, Integer stageNum);
  virtual void ExecDrawLayers(TBitmap32* dest, Integer stageNum);

  bool InvalidRectsAvailable() override;
  void DoPaintBuffer() override;
  void DoPaintGDIOverlay() override;
  void MouseLeave() override;
  bool CanAutoSize(int& newWidth, int& newHeight) override;
  void Resize() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  using TPaintStageHandler = void (TCustomImage32::*)(TBitmap32* dest, Integer stageNum);
  struct CompiledStage {
    TPaintStageHandler Handler;
    Integer StageNum;
  };
  static TPaintStageHandler HandlerOf(Cardinal stageKind);
  void CompileStages();
  void RunStages(TBitmap32* dest);
  void ComputeViewTransform(const TRect& drawnRect);
  template <class F>
  void ForEachTile(const TRect& area, F each);
  TRect MapBitmapArea(const TRect& area);

  void BitmapResizeHandler(TObject* sender) { BitmapResized(); }
  void BitmapChangeHandler(TObject* sender);
  void BitmapAreaChangeHandler(TObject* sender, const TRect& area, Cardinal info);
  void BitmapDirectAreaChangeHandler(TObject* sender, const TRect& area, Cardinal info);
  void LayerCollectionChangeHandler(TObject* sender) { Changed(); }
  // Paints at once; a control without a window has nothing to paint on.
  void LayerCollectionGDIUpdateHandler(TObject* sender) {
    if (HandleAllocated()) Paint();
  }
  void LayerCollectionGetViewportScaleHandler(TObject* sender, float& scaleX, float& scaleY);
  void LayerCollectionGetViewportShiftHandler(TObject* sender, float& shiftX, float& shiftY);

  TBitmap32* bitmap_;                // owned
  TBitmapAlign bitmapAlign_ = baTopLeft;
  TLayerCollection* layers_;         // owned
  float offsetHorz_ = 0, offsetVert_ = 0;
  TPaintStages* paintStages_;        // owned
  std::vector<CompiledStage> compiledStages_;
  float scaleX_ = 1.0f, scaleY_ = 1.0f;
  TScaleMode scaleMode_ = smNormal;
  Integer updateCount_ = 0;
  TRect cachedBitmapRect_;
  TViewTransform cachedTransform_;
  bool cacheValid_ = false;
  bool paintToMode_ = false;
};

class TImage32 : public TCustomImage32 {
public:
  using TCustomImage32::TCustomImage32;
};

// Publishes the paint box, the image control and the bitmap's streamed properties
// for form definitions; the program calls it beside UseFormDefinitions.
void PublishImagingClasses();
