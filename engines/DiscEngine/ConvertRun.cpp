// The blocking conversion: decodes the selected title once from its start, cuts it
// into output pieces by the split mode, and hands frames and samples to the
// program's callbacks on the calling thread while its window messages keep flowing.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <limits>

#include "engines/DiscEngine/EngineState.h"
#include "platform/core/WinApi.h"

namespace disc {
namespace {

constexpr double kOpenEnd = std::numeric_limits<double>::infinity();

struct Piece {
  double Start;
  double End;
  int Chapter;
};

int ChapterAt(const TitleInfo& info, double t) {
  double at = 0.0;
  for (int c = 0; c < info.ChapterCount; ++c) {
    at += info.ChapterDurations[c];
    if (t < at) return c;
  }
  return info.ChapterCount > 0 ? info.ChapterCount - 1 : 0;
}

std::vector<Piece> PlanPieces(const EngineState& s, const TitleInfo& info) {
  std::vector<Piece> pieces;
  switch (s.SplitMode) {
    case smByChapter: {
      double at = 0.0;
      for (int c = 0; c < info.ChapterCount; ++c) {
        double end = c + 1 == info.ChapterCount ? kOpenEnd : at + info.ChapterDurations[c];
        bool chosen = s.Chapters[std::min(c, kChapterFlagCount - 1)] != 0;
        if (chosen) pieces.push_back({at, end, c});
        at += info.ChapterDurations[c];
      }
      return pieces;
    }
    case smByTime:
      if (s.SplitValue > 0 && info.Duration > 0.0) {
        int count = std::max(1, static_cast<int>(std::ceil(info.Duration / s.SplitValue - 1e-6)));
        for (int k = 0; k < count; ++k) {
          double start = k * static_cast<double>(s.SplitValue);
          pieces.push_back({start, k + 1 == count ? kOpenEnd : start + s.SplitValue, ChapterAt(info, start)});
        }
        return pieces;
      }
      break;
    case smClips:
      for (const TimeRange& r : s.Ranges) {
        if (r.Start < 0.0 && r.End < 0.0) {
          pieces.push_back({0.0, kOpenEnd, 0});
        } else if (r.End > r.Start && r.End > 0.0) {
          double start = std::max(0.0, r.Start);
          pieces.push_back({start, r.End, ChapterAt(info, start)});
        }
      }
      return pieces;
    default:
      break;
  }
  pieces.push_back({0.0, kOpenEnd, 0});
  return pieces;
}

class Conversion {
public:
  Conversion(EngineState& state, const TitleLayout& title)
      : s_(state), title_(title), cb_(state.Callbacks), pieces_(PlanPieces(state, title.Info)) {
    fps_ = static_cast<double>(title.FrameRateNum) / title.FrameRateDen;
    bySizeLimit_ = s_.SplitMode == smBySize && s_.SplitValue > 0 ? static_cast<std::int64_t>(s_.SplitValue) * 1048576 : 0;
  }

  std::uint8_t Run();

private:
  bool PumpMessages();
  std::uint8_t Emit(bool takeVideo, TitleDecoder& decoder);
  std::uint8_t EnterPiece(int index);
  std::uint8_t EndPiece();
  std::uint8_t DeliverAudio(const std::int16_t* samples, std::size_t frames);
  void Progress(double position);
  int PieceAt(double t) const;
  double VideoTime() const { return videoCount_ / fps_; }
  double AudioTime() const { return rate_ > 0 ? static_cast<double>(audioCount_) / rate_ : 0.0; }

  EngineState& s_;
  const TitleLayout& title_;
  DiscEngineCallbacks cb_;
  std::vector<Piece> pieces_;
  double fps_ = 25.0;
  std::int64_t bySizeLimit_ = 0;
  bool wantVideo_ = true, wantAudio_ = true;
  std::deque<VideoFrame> video_;
  std::deque<AudioBlock> audio_;
  bool decodeEnded_ = false;
  std::int64_t videoCount_ = 0, audioCount_ = 0;
  int rate_ = 0;
  int width_ = 0, height_ = 0;
  int current_ = -1;       // piece open, -1 none
  int clip_ = 0;           // pieces begun so far
  bool open_ = false;
  DWORD started_ = 0, lastProgress_ = 0;
  DWORD lastPump_ = 0;
  bool pumped_ = false;    // messages were taken at least once
};

// Takes the thread's messages every 20 ms, not at every packet: under Wine each look
// into the queue is a call to its server (a round trip that waits for the server to
// be scheduled, slow on a busy machine), and a title has tens of thousands of
// packets. 20 ms still repaints at 50 per second. Abort and pause are seen at every call.
bool Conversion::PumpMessages() {
  constexpr DWORD kPumpIntervalMs = 20;
  const DWORD now = ::GetTickCount();
  if (pumped_ && now - lastPump_ < kPumpIntervalMs && !s_.Paused) return !s_.AbortRequested;
  pumped_ = true;
  lastPump_ = now;
  MSG msg;
  for (;;) {
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
      }
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    if (s_.AbortRequested) return false;
    if (!s_.Paused) return true;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

int Conversion::PieceAt(double t) const {
  for (std::size_t i = 0; i < pieces_.size(); ++i)
    if (t >= pieces_[i].Start && t < pieces_[i].End) return static_cast<int>(i);
  return -1;
}

std::uint8_t Conversion::EndPiece() {
  if (open_ && cb_.OnTitleEnd) cb_.OnTitleEnd(cb_.Context);
  open_ = false;
  return crCompleted;
}

std::uint8_t Conversion::EnterPiece(int index) {
  EndPiece();
  current_ = index;
  ++clip_;
  VideoFrameInfo video{};
  video.Width = width_ ? width_ : title_.Width;
  video.Height = height_ ? height_ : title_.Height;
  video.FrameRate1 = title_.FrameRateNum;
  video.FrameRate2 = title_.FrameRateDen;
  video.PixelFormat = pfYUV420P;
  video.DisplayAspect = title_.DisplayAspect;
  std::int32_t audio[2] = {rate_ ? rate_ : 48000, 2};
  TitleBeginInfo info{};
  info.TitleIndex = s_.Title;
  info.AngleIndex = s_.Angle;
  info.ChapterIndex = pieces_[index].Chapter;
  info.ClipNumber = clip_;
  const TitleInfo& t = title_.Info;
  if (s_.Audio >= 0 && s_.Audio < t.AudioStreamCount) {
    std::memcpy(info.AudioLanguage, t.AudioStreams[s_.Audio].Language, 256);
    info.AudioExtension = t.AudioStreams[s_.Audio].Extension;
  }
  if (s_.Subtitle >= 1 && s_.Subtitle <= t.SubtitleStreamCount) {
    std::memcpy(info.SubtitleLanguage, t.SubtitleStreams[s_.Subtitle - 1].Language, 256);
    info.CaptionKind = t.SubtitleStreams[s_.Subtitle - 1].CaptionKind;
  }
  if (cb_.OnTitleBegin && !cb_.OnTitleBegin(cb_.Context, &video, audio, &info)) return crEncoderInitFailed;
  open_ = true;
  return crCompleted;
}

std::uint8_t Conversion::DeliverAudio(const std::int16_t* samples, std::size_t frames) {
  if (!frames || !cb_.OnAudioSamples) return crCompleted;
  if (!cb_.OnAudioSamples(cb_.Context, samples, static_cast<std::int32_t>(frames * 4), 0, 0, 0, 0)) return crEncodingError;
  return crCompleted;
}

void Conversion::Progress(double position) {
  if (!cb_.OnProgress) return;
  DWORD now = ::GetTickCount();
  if (now - lastProgress_ < 250 && position < title_.Info.Duration) return;
  lastProgress_ = now;
  ProgressInfo p{};
  double total = title_.Info.Duration > 0.0 ? title_.Info.Duration : 1.0;
  p.Percent = static_cast<float>(std::clamp(position / total * 100.0, 0.0, 100.0));
  p.Elapsed = static_cast<std::int32_t>((now - started_) / 1000);
  p.Remaining = p.Percent > 0.0f ? static_cast<std::int32_t>(p.Elapsed * (100.0 - p.Percent) / p.Percent) : 0;
  p.Position = position;
  cb_.OnProgress(cb_.Context, &p);
}

// Hands over the earlier of the next frame and the next block, opening and closing
// pieces on the way. A block that crosses a piece boundary is cut there.
std::uint8_t Conversion::Emit(bool takeVideo, TitleDecoder& decoder) {
  std::uint8_t r = crCompleted;
  if (takeVideo) {
    VideoFrame frame = std::move(video_.front());
    video_.pop_front();
    double t = VideoTime();
    ++videoCount_;
    int index = bySizeLimit_ ? 0 : PieceAt(t);
    if (index < 0) return crCompleted;
    if (!open_ || index != current_) r = EnterPiece(index);
    if (r != crCompleted) return r;
    if (cb_.OnVideoFrame && !cb_.OnVideoFrame(cb_.Context, frame.Data.data(), frame.Width, frame.Height, 0, 0, 0, 0))
      return crEncodingError;
    decoder.Recycle(std::move(frame));
    Progress(t);
    return crCompleted;
  }
  AudioBlock block = std::move(audio_.front());
  audio_.pop_front();
  std::size_t frames = block.Samples.size() / 2, done = 0;
  while (done < frames) {
    double t = static_cast<double>(audioCount_) / rate_;
    int index = bySizeLimit_ ? 0 : PieceAt(t);
    std::size_t take = frames - done;
    if (index >= 0 && pieces_[index].End != kOpenEnd) {
      auto endSample = static_cast<std::int64_t>(std::llround(pieces_[index].End * rate_));
      take = static_cast<std::size_t>(std::clamp<std::int64_t>(endSample - audioCount_, 1, take));
    } else if (index < 0) {
      // Skip to the next piece's start, if it lies in this block.
      std::size_t skip = take;
      for (const Piece& p : pieces_) {
        auto startSample = static_cast<std::int64_t>(std::llround(p.Start * rate_));
        if (startSample > audioCount_ && startSample - audioCount_ < static_cast<std::int64_t>(skip))
          skip = static_cast<std::size_t>(startSample - audioCount_);
      }
      take = skip;
    }
    if (index >= 0) {
      if (!open_ || index != current_) r = EnterPiece(index);
      if (r == crCompleted) r = DeliverAudio(block.Samples.data() + done * 2, take);
      if (r != crCompleted) return r;
      if (!wantVideo_) Progress(t);
    }
    done += take;
    audioCount_ += static_cast<std::int64_t>(take);
  }
  return crCompleted;
}

std::uint8_t Conversion::Run() {
  if (pieces_.empty()) return crCompleted;
  wantVideo_ = s_.OutputStreams != kOutputAudioOnly;
  TitleDecoder decoder;
  if (!s_.MakeDecoder(decoder, wantVideo_, true, 0.0)) return crDecoderInitFailed;
  wantAudio_ = s_.Audio >= 0 && s_.Audio < title_.Info.AudioStreamCount && title_.AudioIds[s_.Audio] >= 0;
  started_ = ::GetTickCount();
  const double lastEnd = pieces_.back().End;
  VideoFrame frame;
  AudioBlock block;
  for (;;) {
    if (!PumpMessages()) {
      EndPiece();
      return crInterrupted;
    }
    // Decode until both queues can be compared (or a stream is done).
    bool needVideo = wantVideo_ && video_.empty();
    bool needAudio = wantAudio_ && audio_.empty();
    if (!decodeEnded_ && (needVideo || needAudio) && video_.size() < 64 && audio_.size() < 256) {
      DecodeStatus st = decoder.Next(frame, block);
      if (st == DecodeStatus::Video) {
        if (!width_) { width_ = frame.Width; height_ = frame.Height; }
        video_.push_back(std::move(frame));
      } else if (st == DecodeStatus::Audio) {
        if (!rate_) rate_ = block.Rate;
        if (block.Rate == rate_) audio_.push_back(std::move(block));
      } else if (st == DecodeStatus::End) {
        decodeEnded_ = true;
      } else {
        EndPiece();
        return crDecodingError;
      }
      continue;
    }
    if (video_.empty() && audio_.empty()) break;
    bool takeVideo;
    if (video_.empty()) takeVideo = false;
    else if (audio_.empty()) takeVideo = true;
    else takeVideo = VideoTime() <= AudioTime();
    if ((takeVideo ? VideoTime() : AudioTime()) >= lastEnd) {
      if (takeVideo) video_.clear(); else audio_.clear();
      if (decodeEnded_ || ((!wantVideo_ || VideoTime() >= lastEnd) && (!wantAudio_ || AudioTime() >= lastEnd))) break;
      continue;
    }
    std::uint8_t r = Emit(takeVideo, decoder);
    if (r != crCompleted) {
      EndPiece();
      return r;
    }
    if (bySizeLimit_ && open_ && cb_.OnGetOutputSize && cb_.OnGetOutputSize(cb_.Context) >= bySizeLimit_) EndPiece();
  }
  if (clip_ == 0 && videoCount_ == 0 && audioCount_ == 0 && decoder.Scrambled()) return crDecodingError;
  Progress(title_.Info.Duration);
  EndPiece();
  return crCompleted;
}

}  // namespace

std::uint8_t RunConversion(EngineState& state) {
  state.AbortRequested = false;
  state.Paused = false;
  const TitleLayout* title = state.SelectedTitle();
  if (!title) return crDecoderInitFailed;
  Conversion conversion(state, *title);
  return conversion.Run();
}

}  // namespace disc
