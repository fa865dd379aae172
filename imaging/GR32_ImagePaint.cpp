// Painting of the image control: the paint stage list, its compiled form run per
// dirty rectangle, the stage handlers, the GDI overlay and PaintTo.
#include <algorithm>

#include "imaging/GR32_Image.h"
#include "platform/core/WinApi.h"

// ---- the stage list

PPaintStage TPaintStages::Add() {
  items_.emplace_back();
  return &items_.back();
}

PPaintStage TPaintStages::Insert(Integer index) {
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, TPaintStage{});
  return &items_[size_t(index)];
}

void TPaintStages::Delete(Integer index) {
  if (index < 0 || index >= Count()) throw EListError("Invalid stage index");
  items_.erase(items_.begin() + index);
}

void TCustomImage32::InitDefaultStages() {
  struct Default {
    Cardinal kind;
    bool atRunTime;
    Cardinal param;
  };
  static const Default kDefaults[] = {
      {PaintStageClearBackground, true, 0}, {PaintStageControlFrame, false, 0}, {PaintStageDrawBitmap, true, 0},
      {PaintStageBitmapFrame, false, 0},    {PaintStageDrawLayers, true, LayerOptVisible},
  };
  for (const Default& d : kDefaults) {
    PPaintStage stage = paintStages_->Add();
    stage->AtDesignTime = true;
    stage->AtRunTime = d.atRunTime;
    stage->StageKind = d.kind;
    stage->StageParam = d.param;
  }
}

// ---- compiling and running the stages

TCustomImage32::TPaintStageHandler TCustomImage32::HandlerOf(Cardinal stageKind) {
  static const TPaintStageHandler kHandlers[] = {
      nullptr,
      &TCustomImage32::ExecCustom,
      &TCustomImage32::ExecClearBuffer,
      &TCustomImage32::ExecClearBackgnd,
      &TCustomImage32::ExecDrawBitmap,
      &TCustomImage32::ExecDrawLayers,
      &TCustomImage32::ExecControlFrame,
      &TCustomImage32::ExecBitmapFrame,
  };
  static_assert(std::size(kHandlers) == PaintStageBitmapFrame + 1, "one handler per stage kind");
  return stageKind < std::size(kHandlers) ? kHandlers[stageKind] : nullptr;
}

void TCustomImage32::CompileStages() {
  const bool designing = HasState(csDesigning);
  compiledStages_.clear();
  for (Integer i = 0; i < paintStages_->Count(); ++i) {
    const TPaintStage& stage = *paintStages_->Items(i);
    if (!(designing ? stage.AtDesignTime : stage.AtRunTime)) continue;
    if (TPaintStageHandler handler = HandlerOf(stage.StageKind)) compiledStages_.push_back({handler, i});
  }
}

void TCustomImage32::RunStages(TBitmap32* dest) {
  for (const CompiledStage& stage : compiledStages_) (this->*stage.Handler)(dest, stage.StageNum);
}

void TCustomImage32::DoPaintBuffer() {
  TCustomRepaintOptimizer* optimizer = RepaintOptimizer();
  if (optimizer->Enabled()) optimizer->BeginPaintBuffer();
  UpdateCache();
  CompileStages();
  // A resized buffer holds nothing yet: it is painted whole whatever changed.
  if (FullRepaintPending()) InvalidRects()->Clear();
  TBitmap32* buffer = Buffer();
  const TRect viewport = GetViewportRect();
  buffer->BeginUpdate();
  try {
    for (Integer i = 0; i < InvalidRects()->Count(); ++i) {
      buffer->SetClipRect(*InvalidRects()->Items(i));
      RunStages(buffer);
    }
    buffer->SetClipRect(viewport);
    if (InvalidRects()->Count() == 0) RunStages(buffer);
  } catch (...) {
    buffer->SetClipRect(viewport);
    buffer->EndUpdate();
    throw;
  }
  buffer->EndUpdate();
  if (optimizer->Enabled()) optimizer->EndPaintBuffer();
  SetBufferValid(true);
}

void TCustomImage32::DoPaintGDIOverlay() {
  for (Integer i = 0; i < layers_->Count(); ++i) {
    TCustomLayer* layer = layers_->Items(i);
    if (layer->LayerOptions() & LayerOptGDIOverlay) layer->PaintGDI(Canvas());
  }
  TCustomPaintBox32::DoPaintGDIOverlay();
}

// ---- stage handlers

namespace {
void FillClipped(TBitmap32* dest, const TRect& rect, TColor32 color) {
  TRect r;
  if (IntersectRect(r, rect, dest->ClipRect())) dest->FillRect(r.Left, r.Top, r.Right, r.Bottom, color);
}
}  // namespace

void TCustomImage32::ExecClearBuffer(TBitmap32* dest, Integer) { dest->Clear(Color32(TPlatformColor(Color()))); }

void TCustomImage32::ExecClearBackgnd(TBitmap32* dest, Integer) {
  const TColor32 color = Color32(TPlatformColor(Color()));
  if (InvalidRects()->Count() > 0) {
    for (Integer i = 0; i < InvalidRects()->Count(); ++i) FillClipped(dest, *InvalidRects()->Items(i), color);
    return;
  }
  if (bitmap_->Empty() || bitmap_->DrawMode() != dmOpaque) return dest->Clear(color);
  const TRect d = cachedBitmapRect_;
  const Integer w = Width(), h = Height();
  if (d.Left <= 0 && d.Right >= w && d.Top <= 0 && (d.Bottom >= h || bitmapAlign_ == baTile)) return;
  // The bands around the picture: above, below, left, right.
  FillClipped(dest, TRect{0, 0, w, d.Top}, color);
  FillClipped(dest, TRect{0, d.Bottom, w, h}, color);
  FillClipped(dest, TRect{0, d.Top, d.Left, d.Bottom}, color);
  FillClipped(dest, TRect{d.Right, d.Top, w, d.Bottom}, color);
}

void TCustomImage32::ExecDrawBitmap(TBitmap32* dest, Integer) {
  const TRect d = cachedBitmapRect_;
  if (bitmap_->Empty() || d.Left >= d.Right || d.Top >= d.Bottom) return;
  // Held while drawing: a frame filled under the lock is never drawn half-written.
  bitmap_->Lock();
  try {
    if (bitmapAlign_ != baTile) {
      bitmap_->DrawTo(dest, d);
    } else {
      for (Integer j = 0; j <= dest->Height() / d.Bottom; ++j)
        for (Integer i = 0; i <= dest->Width() / d.Right; ++i) {
          TRect tile = d;
          OffsetRect(tile, i * d.Right, j * d.Bottom);
          bitmap_->DrawTo(dest, tile);
        }
    }
  } catch (...) {
    bitmap_->Unlock();
    throw;
  }
  bitmap_->Unlock();
}

void TCustomImage32::ExecDrawLayers(TBitmap32* dest, Integer stageNum) {
  const Cardinal mask = paintStages_->Items(stageNum)->StageParam;
  for (Integer i = 0; i < layers_->Count(); ++i) {
    TCustomLayer* layer = layers_->Items(i);
    if (layer->LayerOptions() & mask) layer->DoPaint(dest);
  }
}

void TCustomImage32::ExecControlFrame(TBitmap32* dest, Integer) {
  if (!dest->DCHandle()) return;
  const RECT r{0, 0, Width(), Height()};
  ::DrawFocusRect(HDC(dest->DCHandle()), &r);
}

void TCustomImage32::ExecBitmapFrame(TBitmap32* dest, Integer) {
  if (dest->Empty()) return;
  dest->Canvas()->DrawFocusRect(cachedBitmapRect_);
}

void TCustomImage32::ExecCustom(TBitmap32* dest, Integer stageNum) { OnPaintStage(this, dest, Cardinal(stageNum)); }

// ---- painting into another bitmap

void TCustomImage32::PaintTo(TBitmap32* dest, const TRect& destRect) {
  const TRepaintMode oldMode = RepaintMode();
  SetRepaintMode(rmFull);
  cachedBitmapRect_ = destRect;
  ComputeViewTransform(destRect);
  cacheValid_ = true;
  paintToMode_ = true;
  try {
    for (Integer i = 0; i < paintStages_->Count(); ++i) {
      const TPaintStage& stage = *paintStages_->Items(i);
      if (!stage.AtRunTime) continue;
      if (TPaintStageHandler handler = HandlerOf(stage.StageKind)) (this->*handler)(dest, i);
    }
  } catch (...) {
    paintToMode_ = false;
    throw;
  }
  paintToMode_ = false;
  cacheValid_ = false;
  SetRepaintMode(oldMode);
}
