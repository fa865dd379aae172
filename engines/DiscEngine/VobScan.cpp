#include "engines/DiscEngine/VobScan.h"

#include <cstring>

extern "C" {
#include <libavformat/avformat.h>
}

#include "engines/DiscEngine/TitleStream.h"

namespace disc {
namespace {

constexpr int kIoBufferSize = 32 * 1024;

struct ScanIo {
  TitleStream* Stream;
  ScanProgressCallback Progress;
  void* Context;
  ScanProgressInfo Info{};
  const std::vector<std::uint64_t>* Starts;
  const std::vector<std::string>* Files;
  std::uint64_t LastReport = 0;
  bool Stopped = false;
};

int ReadScan(void* opaque, std::uint8_t* buffer, int size) {
  auto* io = static_cast<ScanIo*>(opaque);
  if (io->Stopped) return AVERROR_EXIT;
  std::uint64_t at = io->Stream->Position();
  int n = io->Stream->Read(buffer, size);
  if (n < 0) return AVERROR(EIO);
  if (n == 0) return AVERROR_EOF;
  if (io->Progress && (at - io->LastReport >= 256 * 1024 || at == 0)) {
    io->LastReport = at;
    int file = 0;
    while (file + 1 < static_cast<int>(io->Starts->size()) && (*io->Starts)[file + 1] <= at) ++file;
    io->Info.Done = static_cast<std::int32_t>(at / 1024);
    io->Info.FileNumber = file + 1;
    std::strncpy(io->Info.Path, (*io->Files)[file].c_str(), 255);
    io->Info.Path[255] = 0;
    if (io->Progress(io->Context, &io->Info) == 0) {
      io->Stopped = true;
      return AVERROR_EXIT;
    }
  }
  return n;
}

void DescribeStream(const AVStream* st, TitleLayout& t) {
  TitleInfo& info = t.Info;
  int id = st->id;
  const AVCodecParameters* par = st->codecpar;
  if (par->codec_type == AVMEDIA_TYPE_AUDIO && info.AudioStreamCount < kMaxAudioStreams) {
    AudioStreamInfo& a = info.AudioStreams[info.AudioStreamCount];
    if (id >= 0x80 && id <= 0x87) a.Coding = acAC3;
    else if (id >= 0x88 && id <= 0x8F) a.Coding = acDTS;
    else if (id >= 0xA0 && id <= 0xA7) a.Coding = acLPCM;
    else if (id >= 0x1C0 && id <= 0x1DF) a.Coding = acMPEG1;
    else return;
    a.SampleRate = par->sample_rate > 0 ? par->sample_rate : 48000;
    a.Channels = static_cast<std::uint8_t>(par->ch_layout.nb_channels > 0 ? par->ch_layout.nb_channels : 2);
    t.AudioIds[info.AudioStreamCount++] = id;
  } else if (par->codec_type == AVMEDIA_TYPE_SUBTITLE && id >= 0x20 && id <= 0x3F &&
             info.SubtitleStreamCount < kMaxSubtitleStreams) {
    info.SubtitleStreams[info.SubtitleStreamCount].CaptionKind = 1;
    t.SubtitleIds[info.SubtitleStreamCount++] = id;
  }
}

}  // namespace

std::unique_ptr<Source> ScanVobFiles(char** paths, int count, ScanProgressCallback progress, void* context) {
  if (!paths || count < 1 || count > kMaxVOBFiles) return nullptr;
  auto source = std::make_unique<Source>();
  for (int i = 0; i < count; ++i) {
    if (!paths[i] || !*paths[i]) return nullptr;
    source->Files.push_back(paths[i]);
  }
  TitleStream stream(source->Files);
  if (!stream.IsOpen()) return nullptr;
  std::vector<std::uint64_t> starts;
  {
    std::uint64_t at = 0;
    for (const std::string& f : source->Files) {
      starts.push_back(at);
      TitleStream one(std::vector<std::string>{f});
      at += one.Size();
    }
  }
  av_log_set_level(AV_LOG_QUIET);
  ScanIo io{&stream, progress, context};
  io.Starts = &starts;
  io.Files = &source->Files;
  io.Info.Total = static_cast<std::int32_t>(stream.Size() / 1024);
  io.Info.FileCount = count;

  // Only an MPEG program stream is taken.
  std::uint8_t head[4] = {};
  if (stream.Read(head, 4) != 4 || head[0] != 0 || head[1] != 0 || head[2] != 1 || head[3] != 0xBA) return nullptr;
  stream.Seek(0);

  auto* buffer = static_cast<std::uint8_t*>(av_malloc(kIoBufferSize));
  AVIOContext* avio = avio_alloc_context(buffer, kIoBufferSize, 0, &io, ReadScan, nullptr, nullptr);
  AVFormatContext* format = avformat_alloc_context();
  std::unique_ptr<Source> result;
  if (avio && format) {
    format->pb = avio;
    format->flags |= AVFMT_FLAG_CUSTOM_IO;
    if (avformat_open_input(&format, "", av_find_input_format("mpeg"), nullptr) >= 0) {
      AVPacket* packet = av_packet_alloc();
      std::int64_t videoFrames = 0;
      int videoIndex = -1;
      while (packet && av_read_frame(format, packet) >= 0) {
        const AVStream* st = format->streams[packet->stream_index];
        if (videoIndex < 0 && st->codecpar->codec_type == AVMEDIA_TYPE_VIDEO) videoIndex = packet->stream_index;
        if (packet->stream_index == videoIndex) ++videoFrames;
        av_packet_unref(packet);
      }
      av_packet_free(&packet);
      if (!io.Stopped && videoIndex >= 0 && videoFrames > 0) {
        TitleLayout t;
        std::fill(std::begin(t.AudioIds), std::end(t.AudioIds), -1);
        std::fill(std::begin(t.SubtitleIds), std::end(t.SubtitleIds), -1);
        const AVCodecParameters* v = format->streams[videoIndex]->codecpar;
        t.Width = v->width;
        t.Height = v->height;
        bool ntsc = v->height == 480 || v->height == 240;
        t.FrameRateNum = ntsc ? 30000 : 25;
        t.FrameRateDen = ntsc ? 1001 : 1;
        AVRational sar = v->sample_aspect_ratio;
        double dar = sar.num > 0 && sar.den > 0 && v->height > 0 ? static_cast<double>(v->width) * sar.num / sar.den / v->height : 0.0;
        t.DisplayAspect = dar > 1.55 ? 16.0 / 9.0 : 4.0 / 3.0;
        for (unsigned i = 0; i < format->nb_streams; ++i) DescribeStream(format->streams[i], t);
        t.Info.Duration = videoFrames * static_cast<double>(t.FrameRateDen) / t.FrameRateNum;
        t.Info.AngleCount = 1;
        t.Info.ChapterCount = 1;
        t.Info.ChapterDurations[0] = t.Info.Duration;
        source->Titles.push_back(t);
        result = std::move(source);
      }
    } else {
      format = nullptr;
    }
  }
  if (format) avformat_close_input(&format);
  if (avio) {
    av_freep(&avio->buffer);
    avio_context_free(&avio);
  } else {
    av_free(buffer);
  }
  return result;
}

}  // namespace disc
