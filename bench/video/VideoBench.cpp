// Video benchmark: frames per second encoded for each video format, from 720 x 576
// frames (pixel format 5) with 48 kHz stereo sound, at the profile size 720 x 576,
// through the program's encoder objects. Run from the build's bench folder; the
// engine and plug-ins are found in the program folder next to it (or in the folder
// given as the first argument).
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/PluginFormatLists.h"
#include "app/VideoEncoder.h"
#include "app/VideoProfiles.h"
#include "app/WMVRealEncoder.h"
#include "platform/core/WinApi.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 720, kHeight = 576, kFrames = 100;

std::vector<std::uint8_t> Frame(int number) {
  std::vector<std::uint8_t> frame(YUV420PFrameSize(kWidth, kHeight), 128);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) frame[y * kWidth + x] = static_cast<std::uint8_t>(16 + (x + y + 3 * number) % 200);
  return frame;
}

void Run(const char* label, TVideoProfile& profile, const std::string& path, const std::vector<std::vector<std::uint8_t>>& frames,
         const std::vector<std::int16_t>& sound) {
  profile.Width = kWidth;
  profile.Height = kHeight;
  auto start = Clock::now();
  std::unique_ptr<TEncoderObject> object(profile.CreateEncoderObject(path, kWidth, kHeight, 5, 25, 1, 48000, 2, false,
                                                                     false, 0, 0, 0, 0, 0, 0, 0, 0));
  if (!object || !object->BeginEncode()) {
    std::printf("%-28s cannot encode\n", label);
    return;
  }
  for (int i = 0; i < kFrames; ++i) {
    if (!object->EncodeVideo(frames[i % frames.size()].data(), i, 0, 0, 0) ||
        !object->EncodeAudio(sound.data(), static_cast<int>(sound.size() * 2), 0, 0, 0, 0)) {
      std::printf("%-28s failed at frame %d\n", label, i);
      return;
    }
  }
  object.reset();
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("%-28s %7.1f frames/s\n", label, kFrames / seconds);
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder = argc > 1 ? argv[1] : "..\\VarnelRevo\\";
  if (folder.back() != '\\') folder += '\\';
  ::SetDllDirectoryA(folder.c_str());
  RegisterVideoEncoderObjects();
  std::unique_ptr<WM9EncoderDllWarper> wmv(StartWMVWrapper(folder + "EncWMA.dll"));
  std::unique_ptr<RealEncoderDllWarper> real(StartRealWrapper(folder + "EncRA.dll"));
  SetKeptWrappers(wmv.get(), real.get());

  std::vector<std::vector<std::uint8_t>> frames;
  for (int i = 0; i < 8; ++i) frames.push_back(Frame(i));
  std::vector<std::int16_t> sound(1920 * 2);  // one frame's worth at 25 fps
  for (std::size_t i = 0; i < sound.size(); ++i) sound[i] = static_cast<std::int16_t>(8000 * std::sin(i * 0.03));

  std::printf("%d frames of %d x %d each\n", kFrames, kWidth, kHeight);
  TAVIProfile avi("", "");
  Run("AVI (MPEG-4, MP3)", avi, "bench.avi", frames, sound);
  TMPEGProfile mpeg("", "");
  Run("MPEG (MPEG-2 DVD, MP2)", mpeg, "bench.mpg", frames, sound);
  T3GPProfile gp("", "");
  Run("3GP (MPEG-4, AAC)", gp, "bench.3gp", frames, sound);
  TMP4Profile mp4("", "");
  Run("MP4 (MPEG-4, AAC)", mp4, "bench.mp4", frames, sound);
  TMOVProfile mov("", "");
  Run("MOV (MPEG-4, AAC)", mov, "bench.mov", frames, sound);
  TFLVProfile flv("", "");
  Run("FLV (Sorenson, MP3)", flv, "bench.flv", frames, sound);
  TWMVProfile wmvProfile("", "");
  Run("WMV (WMV8, WMA)", wmvProfile, "bench.wmv", frames, sound);
  TRealProfile realProfile("", "");
  Run("RealMedia (RV20, AC-3)", realProfile, "bench.rm", frames, sound);
  SetKeptWrappers(nullptr, nullptr);
  if (wmv) wmv->Uninit();
  return 0;
}
