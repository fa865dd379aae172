// Every encoder plug-in driven the way the conversion driver drives it: loaded
// through EncoderPlugin, begun with a tag record and a preset's pairs, fed a
// generated stereo signal in blocks of varying size through a ResampleContainer
// per block, finished; then the file is read back with FFmpeg.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/EncoderPlugin.h"
#include "app/ResampleContainer.h"
#include "platform/core/FileUtils.h"
#include "platform/core/WinApi.h"
#include "platform/io/Streams.h"
#include "tests/app/EncoderPluginDecode.h"
#include "tests/harness/BuildFolders.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

using Pairs = std::vector<EncoderParameter>;

// Left: 440 Hz, right: 660 Hz, at different levels.
std::vector<std::int16_t> Signal(int rate, int frames) {
  std::vector<std::int16_t> s(static_cast<std::size_t>(frames) * 2);
  for (int f = 0; f < frames; ++f) {
    s[2 * f] = static_cast<std::int16_t>(10000 * std::sin(2 * M_PI * 440.0 * f / rate));
    s[2 * f + 1] = static_cast<std::int16_t>(6000 * std::sin(2 * M_PI * 660.0 * f / rate));
  }
  return s;
}

class EncoderPluginFiles : public testing::Test {
protected:
  void SetUp() override { ::SetDllDirectoryA(BuiltProgramFolder().c_str()); }
  void TearDown() override { ::SetDllDirectoryA(nullptr); }

  struct Run {
    int begin = -1;
    bool blocksOk = true;
    std::vector<std::int16_t> input;
  };

  // One output file, as the conversion driver makes it.
  Run Encode(const char* module, const String& path, const Pairs& pairs, int inputRate, double seconds) {
    Run run;
    EncoderPlugin plugin(BuiltProgramFolder() + module);
    AudioFormatRecord record;
    InitAudioFormatRecord(record);
    ResampleContainer(&record).SetInputFormat(16, 1, inputRate, 2);
    {
      MyID3TagImp tag;
      tag.SetText1("Varnel Title");
      tag.SetText2("Varnel Artist");
      tag.SetText3("Varnel Album");
      tag.SetText6("2026");
      tag.SetText4("A comment");
      run.begin = plugin.BeginEncoding(path, &tag, &record, pairs.data(), static_cast<int>(pairs.size()));
    }
    if (run.begin < 0) {
      FreeAudioFormatBuffers(record);
      return run;
    }
    const int frames = static_cast<int>(inputRate * seconds);
    run.input = Signal(inputRate, frames);
    const int sizes[] = {4800, 333, 9000, 1, 2048, 7001};
    for (int at = 0, i = 0; at < frames; ++i) {
      int n = std::min(sizes[i % 6], frames - at);
      ResampleContainer container(&record);
      container.ConvertBlock(run.input.data() + 2 * at, n);
      run.blocksOk = plugin.EncodeBlock(&record) >= 0 && run.blocksOk;
      at += n;
    }
    plugin.EndEncoding(1);
    FreeAudioFormatBuffers(record);
    return run;
  }

  TempProgramFolder folder;
};

struct FileCase {
  const char* name;
  const char* module;
  const char* file;
  Pairs pairs;
  int inputRate;
  const char* container;
  const char* codec;
  int rate, channels;
  int slack;          // frames the decoded length may differ by: one codec frame
  bool artistTag;
};

TEST_F(EncoderPluginFiles, WritesTheFormatTheKeysAskFor) {
  const FileCase cases[] = {
      {"mp3 near CD quality", kEncMP3Module, "a.mp3", {{0, 0}, {1, 128}, {6, 2}, {7, 2}, {8, -1}, {16, 1}}, 44100, "mp3", "mp3", 44100, 2, 1152, true},
      {"mp3 48k to 22k mono", kEncMP3Module, "b.mp3", {{0, 0}, {1, 64}, {6, 3}, {7, 5}, {8, 22050}}, 48000, "mp3", "mp3", 22050, 1, 1152, true},
      {"mp3 VBR 44.1k to 48k", kEncMP3Module, "c.mp3", {{0, 2}, {12, 4}, {6, -1}, {7, 2}, {8, 48000}, {16, 1}}, 44100, "mp3", "mp3", 48000, 2, 1152, true},
      {"wav 22k mono", kEncWAVModule, "d.wav", {{0, 2}, {1, 22050}, {2, 1}}, 48000, "wav", "pcm_s16le", 22050, 1, 1, true},
      {"wav ms adpcm", kEncWAVModule, "e.wav", {{0, 19}, {1, 44100}, {2, 2}}, 48000, "wav", "adpcm_ms", 44100, 2, 2036, true},
      {"wav ima adpcm", kEncWAVModule, "f.wav", {{0, 18}, {1, 22050}, {2, 2}}, 44100, "wav", "adpcm_ima_wav", 22050, 2, 1017, true},
      {"wav u-law", kEncWAVModule, "g.wav", {{0, 16}, {1, 8000}, {2, 1}}, 48000, "wav", "pcm_mulaw", 8000, 1, 1, true},
      {"wav a-law", kEncWAVModule, "h.wav", {{0, 17}, {1, -1}, {2, -1}}, 44100, "wav", "pcm_alaw", 44100, 2, 1, true},
      {"ogg quality 4", kEncOGGModule, "i.ogg", {{0, 0}, {1, 400}}, 48000, "ogg", "vorbis", 48000, 2, 2048, true},
      {"ogg ABR preset", kEncOGGModule, "j.ogg", {{0, 2}, {1, 96}}, 44100, "ogg", "vorbis", 44100, 2, 2048, true},
      {"aac MPEG-2 automatic", kEncAACModule, "k.aac", {{1, -1}, {0, -1}, {3, 1}, {4, 1}, {6, 0}, {5, 0}}, 48000, "aac", "aac", 48000, 2, 2048, false},
      {"m4a 128k", kEncAACModule, "l.m4a", {{1, -1}, {0, 128000}, {3, 0}, {4, 1}, {6, 0}, {5, 0}}, 44100, "mov,mp4,m4a,3gp,3g2,mj2", "aac", 44100, 2, 1024, true},
      {"flac", kEncFLACModule, "m.flac", {}, 44100, "flac", "flac", 44100, 2, 1, true},
      {"wma 48k line", kEncWMAModule, "n.wma", {{0, 1}}, 44100, "asf", "wmav2", 48000, 2, 2048, false},
      {"ra 14.4 voice", kEncRAModule, "o.ra", {{0, 0}}, 48000, "rm", "ra_144", 8000, 1, 160, false},
  };
  const double seconds = 3.0;
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.name);
    String path = folder.Path() + c.file;
    Run run = Encode(c.module, path, c.pairs, c.inputRate, seconds);
    ASSERT_GE(run.begin, 0);
    EXPECT_TRUE(run.blocksOk);
    DecodedAudio d = DecodeAudioFile(path, false);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.container, c.container);
    EXPECT_EQ(d.codec, c.codec);
    EXPECT_EQ(d.rate, c.rate);
    EXPECT_EQ(d.channels, c.channels);
    EXPECT_NEAR(double(d.frames), seconds * c.rate, c.slack + 64.0) << d.frames;
    EXPECT_EQ(d.tags["title"], "Varnel Title");
    if (c.artistTag) {
      EXPECT_EQ(d.tags["artist"], "Varnel Artist");
    }
  }
}

TEST_F(EncoderPluginFiles, LosslessFormatsDecodeBitExact) {
  const struct {
    const char* module;
    const char* file;
    Pairs pairs;
  } cases[] = {
      {kEncWAVModule, "exact.wav", {{0, 2}, {1, 44100}, {2, 2}}},
      {kEncFLACModule, "exact.flac", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    String path = folder.Path() + c.file;
    Run run = Encode(c.module, path, c.pairs, 44100, 2.0);
    ASSERT_GE(run.begin, 0);
    DecodedAudio d = DecodeAudioFile(path, true);
    ASSERT_TRUE(d.ok);
    ASSERT_EQ(d.samples.size(), run.input.size());
    EXPECT_TRUE(d.samples == run.input);
  }
}

TEST_F(EncoderPluginFiles, BadParametersAndUnwritablePathsFailWithoutAFile) {
  const struct {
    const char* module;
    Pairs pairs;
  } bad[] = {
      {kEncMP3Module, {{0, 0}, {1, 999}}},   // no such MP3 bitrate
      {kEncMP3Module, {{8, 12345}}},         // no such MP3 sample rate
      {kEncMP3Module, {{0, 5}}},             // no such bitrate mode
      {kEncOGGModule, {{0, 0}, {1, 2000}}},  // quality above 10
      {kEncOGGModule, {{0, 3}}},             // constant bitrate without one
      {kEncWAVModule, {{0, 3}}},             // no such WAV coding
      {kEncWAVModule, {{2, 5}}},             // five channels
      {kEncAACModule, {{4, 2}}},             // no such object type
      {kEncAACModule, {{3, 1}, {4, 3}}},     // LTP in MPEG-2
      {kEncWMAModule, {{0, 99}}},            // no such list line
      {kEncRAModule, {{0, 1}}},              // no such audience line
      {kEncRAModule, {{0, -1}}},             // nor a line before the first
  };
  for (const auto& c : bad) {
    SCOPED_TRACE(c.module);
    String path = folder.Path() + "bad.out";
    EXPECT_LT(Encode(c.module, path, c.pairs, 44100, 0.1).begin, 0);
    EXPECT_FALSE(FileExists(path));
  }
  const char* modules[] = {kEncMP3Module, kEncWAVModule, kEncOGGModule, kEncAACModule,
                           kEncFLACModule, kEncWMAModule, kEncRAModule};
  for (const char* module : modules) {
    SCOPED_TRACE(module);
    String path = folder.Path() + "missing\\folder\\out.x";
    EXPECT_LT(Encode(module, path, {}, 44100, 0.1).begin, 0);
    EXPECT_FALSE(FileExists(path));
  }
}

TEST_F(EncoderPluginFiles, FormatsWithoutAnEncoderFailCleanly) {
  const struct {
    const char* module;
    const char* file;
    Pairs pairs;
  } cases[] = {
      {kEncAPEModule, "x.ape", {{1, 2000}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.module);
    String path = folder.Path() + c.file;
    EncoderPlugin plugin(BuiltProgramFolder() + c.module);
    EXPECT_TRUE(plugin.Loaded());
    EXPECT_LT(Encode(c.module, path, c.pairs, 44100, 0.1).begin, 0);
    EXPECT_FALSE(FileExists(path));
  }
}

TEST_F(EncoderPluginFiles, ListFilesNameOneFormatPerLine) {
  const struct {
    const char* list;
    const char* module;
    int lines;
  } lists[] = {{kWMAFormatsFile, kEncWMAModule, 6}, {kRAAudiencesFile, kEncRAModule, 1}};
  for (const auto& l : lists) {
    SCOPED_TRACE(l.list);
    String text;
    ASSERT_TRUE(ReadFileToString(BuiltProgramFolder() + l.list, text));
    int lines = 0;
    for (std::size_t at = 0; (at = text.find('\n', at)) != String::npos; ++at) ++lines;
    EXPECT_EQ(lines, l.lines);
    // The line after the last is refused: the module offers exactly the listed formats.
    String path = folder.Path() + "beyond.out";
    EXPECT_GE(Encode(l.module, path, {{0, lines - 1}}, 44100, 0.1).begin, 0);
    EXPECT_LT(Encode(l.module, path + "2", {{0, lines}}, 44100, 0.1).begin, 0);
  }
}

}  // namespace
