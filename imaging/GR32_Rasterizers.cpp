// The rasterizer base (combine settings, the rasterize bracket), the regular,
// multithreaded and swizzling rasterizers. The progressive, tesseral and contour
// rasterizers are in GR32_RasterizersOrders.cpp.
#include "imaging/GR32_Rasterizers.h"

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "imaging/GR32_Blend.h"
#include "imaging/GR32_System.h"

const TCombineInfo DEFAULT_COMBINE_INFO{};

TCombineInfo CombineInfo(TBitmap32* bitmap) {
  TCombineInfo info;
  info.SrcAlpha = Integer(bitmap->MasterAlpha());
  info.DrawMode = bitmap->DrawMode();
  info.CombineMode = bitmap->CombineMode();
  info.CombineCallBack = bitmap->OnPixelCombine;
  info.TransparentColor = bitmap->OuterColor;
  if (info.DrawMode == dmCustom && !info.CombineCallBack) info.DrawMode = dmOpaque;
  return info;
}

Integer NumberOfProcessors = 1;
TRasterizerClass DefaultRasterizerClass = &NewRasterizer<TRegularRasterizer>;

namespace {
struct RasterizersStartup {
  RasterizersStartup() { NumberOfProcessors = std::max(GetProcessorCount(), 1); }
} rasterizersStartup;
}  // namespace

// ---------------------------------------------------------------------------
// TRasterizer

TRasterizer::TRasterizer() { SetCombineInfo(DEFAULT_COMBINE_INFO); }

void TRasterizer::SetSampler(TCustomSampler* value) {
  if (value == sampler_) return;
  sampler_ = value;
  Changed();
}

void TRasterizer::SetCombineInfo(const TCombineInfo& info) {
  info_ = info;
  switch (info.DrawMode) {
    case dmOpaque: assign_ = &TRasterizer::AssignOpaque; break;
    case dmBlend: assign_ = &TRasterizer::AssignBlend; break;
    case dmTransparent: assign_ = &TRasterizer::AssignTransparent; break;
    default: assign_ = info.CombineCallBack ? &TRasterizer::AssignCustom : &TRasterizer::AssignBlend; break;
  }
}

void TRasterizer::AssignBlend(TColor32& pixel, TColor32 sample) const {
  BLEND_MEM_EX[info_.CombineMode](sample, pixel, TColor32(info_.SrcAlpha));
  EMMS();
}

void TRasterizer::AssignTransparent(TColor32& pixel, TColor32 sample) const {
  if (sample != info_.TransparentColor) pixel = sample;
}

void TRasterizer::AssignCustom(TColor32& pixel, TColor32 sample) const {
  info_.CombineCallBack(sample, pixel, TColor32(info_.SrcAlpha));
}

void TRasterizer::Assign(const TPersistent* source) {
  BeginUpdate();
  try {
    if (auto* bitmap = dynamic_cast<const TBitmap32*>(source))
      SetCombineInfo(CombineInfo(const_cast<TBitmap32*>(bitmap)));
    else
      TThreadPersistent::Assign(source);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  Changed();
}

void TRasterizer::AssignTo(TPersistent* dest) const {
  if (auto* other = dynamic_cast<TRasterizer*>(dest)) return other->SetSampler(sampler_);
  TThreadPersistent::AssignTo(dest);
}

void TRasterizer::Rasterize(TBitmap32* dst) { Rasterize(dst, dst->BoundsRect()); }

void TRasterizer::Rasterize(TBitmap32* dst, const TRect& dstRect, const TCombineInfo& info) {
  SetCombineInfo(info);
  Rasterize(dst, dstRect);
}

void TRasterizer::Rasterize(TBitmap32* dst, const TRect& dstRect, TBitmap32* src) {
  SetCombineInfo(CombineInfo(src));
  Rasterize(dst, dstRect);
}

// The destination's update count is balanced and the sampler finalized also when
// the sampler or the combine callback throws.
void TRasterizer::Rasterize(TBitmap32* dst, const TRect& dstRect) {
  const Integer updateCount = dst->UpdateCount();
  if (!sampler_) return;
  sampler_->PrepareSampling();
  struct Finish {
    TBitmap32* dst;
    Integer updateCount;
    TCustomSampler* sampler;
    ~Finish() {
      while (dst->UpdateCount() > updateCount) dst->EndUpdate();
      sampler->FinalizeSampling();
    }
  } finish{dst, updateCount, sampler_};
  TRect r;
  IntersectRect(r, dstRect, dst->BoundsRect());
  if (sampler_->HasBounds()) IntersectRect(r, r, sampler_->GetSampleBounds());
  DoRasterize(dst, r);
}

// ---------------------------------------------------------------------------
// TRegularRasterizer

void TRegularRasterizer::AssignTo(TPersistent* dest) const {
  TRasterizer::AssignTo(dest);
  if (auto* other = dynamic_cast<TRegularRasterizer*>(dest)) other->SetUpdateRowCount(updateRowCount_);
}

// Each report names exactly the rows finished since the last one.
void TRegularRasterizer::DoRasterize(TBitmap32* dst, TRect r) {
  TCustomSampler* sampler = Sampler();
  Integer finished = 0;
  for (Integer y = r.Top; y < r.Bottom; ++y) {
    TColor32* p = dst->GetPixelPtr(r.Left, y);
    for (Integer x = r.Left; x < r.Right; ++x, ++p) AssignColor(*p, sampler->GetSampleInt(x, y));
    if (++finished == updateRowCount_) {
      dst->Changed(TRect{r.Left, y + 1 - finished, r.Right, y + 1}, AREAINFO_RECT);
      finished = 0;
    }
  }
  if (finished > 0) dst->Changed(TRect{r.Left, r.Bottom - finished, r.Right, r.Bottom}, AREAINFO_RECT);
}

// ---------------------------------------------------------------------------
// TMultithreadedRegularRasterizer

namespace {

// Worker threads started on first use and kept for the run: starting a thread
// costs milliseconds (under Wine several), more than a whole frame's rows. Run
// hands one job to `count` threads (the caller being one of them) and returns
// when all have finished it; jobs from different callers take turns.
class RowWorkers {
public:
  static RowWorkers& Instance() {
    static RowWorkers* workers = new RowWorkers;  // kept for the run: threads may wait in it at exit
    return *workers;
  }

  void Run(Integer count, const std::function<void()>& job) {
    if (insideWorker_ || count <= 1) return job();
    std::lock_guard<std::mutex> turn(turn_);
    std::unique_lock<std::mutex> lock(mutex_);
    while (Integer(threads_.size()) < count - 1) {
      const Integer index = Integer(threads_.size());
      const Cardinal seen = generation_;  // the job about to be handed out is new to it
      threads_.emplace_back([this, index, seen] { Serve(index, seen); });
      threads_.back().detach();
    }
    job_ = &job;
    helpers_ = count - 1;
    pending_ = helpers_;
    ++generation_;
    wake_.notify_all();
    lock.unlock();
    job();
    lock.lock();
    done_.wait(lock, [this] { return pending_ == 0; });
    job_ = nullptr;
  }

private:
  void Serve(Integer index, Cardinal seen) {
    insideWorker_ = true;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return generation_ != seen; });
      seen = generation_;
      if (index >= helpers_) continue;
      const std::function<void()>* job = job_;
      lock.unlock();
      (*job)();
      lock.lock();
      if (--pending_ == 0) done_.notify_all();
    }
  }

  std::mutex turn_;
  std::mutex mutex_;
  std::condition_variable wake_, done_;
  std::vector<std::thread> threads_;
  const std::function<void()>* job_ = nullptr;
  Integer helpers_ = 0, pending_ = 0;
  Cardinal generation_ = 0;
  static thread_local bool insideWorker_;
};

thread_local bool RowWorkers::insideWorker_ = false;

}  // namespace

// Rows go to the threads by one atomic counter; a failure stops the others at
// their next row and is raised on the calling thread.
void TMultithreadedRegularRasterizer::DoRasterize(TBitmap32* dst, TRect r) {
  struct Report {
    TBitmap32* dst;
    TRect r;
    ~Report() { dst->Changed(r, AREAINFO_RECT); }
  } report{dst, r};
  if (r.Width() <= 0 || r.Height() <= 0) return;
  TCustomSampler* sampler = Sampler();
  std::atomic<Integer> nextRow{r.Top - 1};
  std::atomic<bool> failed{false};
  std::exception_ptr failure;
  std::mutex failureLock;
  const std::function<void()> job = [&] {
    try {
      for (Integer y = ++nextRow; y < r.Bottom && !failed; y = ++nextRow) {
        TColor32* p = dst->GetPixelPtr(r.Left, y);
        for (Integer x = r.Left; x < r.Right; ++x, ++p) AssignColor(*p, sampler->GetSampleInt(x, y));
      }
    } catch (...) {
      std::lock_guard<std::mutex> lock(failureLock);
      if (!failed.exchange(true)) failure = std::current_exception();
    }
  };
  RowWorkers::Instance().Run(std::max(NumberOfProcessors, 1), job);
  if (failure) std::rethrow_exception(failure);
}

// ---------------------------------------------------------------------------
// TSwizzlingRasterizer

void TSwizzlingRasterizer::SetBlockSize(Integer value) {
  if (value == blockSize_) return;
  blockSize_ = value;
  Changed();
}

void TSwizzlingRasterizer::AssignTo(TPersistent* dest) const {
  TRasterizer::AssignTo(dest);
  if (auto* other = dynamic_cast<TSwizzlingRasterizer*>(dest)) other->SetBlockSize(blockSize_);
}

namespace {

// Visits the positions of a w x h rectangle in Z-order (the x bit below the y bit
// at every level): quadrants top-left, top-right, bottom-left, bottom-right,
// leaving out those wholly outside.
template <class Visit>
void ZOrder(Integer x0, Integer y0, Integer size, Integer w, Integer h, Visit& visit) {
  if (x0 >= w || y0 >= h) return;
  if (size == 1) return visit(x0, y0);
  const Integer half = size / 2;
  ZOrder(x0, y0, half, w, h, visit);
  ZOrder(x0 + half, y0, half, w, h, visit);
  ZOrder(x0, y0 + half, half, w, h, visit);
  ZOrder(x0 + half, y0 + half, half, w, h, visit);
}

}  // namespace

void TSwizzlingRasterizer::DoRasterize(TBitmap32* dst, TRect r) {
  const Integer w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return;
  Integer size = 1;
  while (size < w || size < h) size *= 2;
  const Integer b = 1 << std::clamp(blockSize_, 0, 30);
  TPoint corner{r.Left + b, r.Top + b};
  TCustomSampler* sampler = Sampler();
  auto visit = [&](Integer dx, Integer dy) {
    const Integer x = r.Left + dx, y = r.Top + dy;
    if (x >= corner.X || y >= corner.Y) {
      dst->Changed(TRect{corner.X - b, corner.Y - b, corner.X, corner.Y}, AREAINFO_RECT);
      corner = TPoint{x + b, y + b};
    }
    AssignColor(*dst->GetPixelPtr(x, y), sampler->GetSampleInt(x, y));
  };
  ZOrder(0, 0, size, w, h, visit);
  dst->Changed(TRect{corner.X - b, corner.Y - b, corner.X, corner.Y}, AREAINFO_RECT);
}
