// EncMPC.dll through its entry table, as the program's loader drives it: begun
// with a tag record and a preset's pair, fed interleaved blocks of varying size in
// the format it asks for, finished. The file is then read back packet by packet:
// the "MPCK" mark, the stream header (version, sample count, rate, channels, its
// CRC), the encoder info (profile from the quality key), the audio packets up to
// the end packet, and the APEv2 tag with the tag texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engines/EncoderCommon/EncoderPluginInterface.h"
#include "platform/core/WinApi.h"
#include "tests/harness/BuildFolders.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

using Pairs = std::vector<EncoderParameter>;
using Bytes = std::vector<unsigned char>;

class TagRecord : public MyID3Tag {
public:
  const char* GetText1() override { return t_[0].c_str(); }
  void SetText1(const char* s) override { t_[0] = s; }
  const char* GetText2() override { return t_[1].c_str(); }
  void SetText2(const char* s) override { t_[1] = s; }
  const char* GetText3() override { return t_[2].c_str(); }
  void SetText3(const char* s) override { t_[2] = s; }
  const char* GetText4() override { return t_[3].c_str(); }
  void SetText4(const char* s) override { t_[3] = s; }
  const char* GetText5() override { return t_[4].c_str(); }
  void SetText5(const char* s) override { t_[4] = s; }
  std::int32_t GetNumber() override { return number_; }
  void SetNumber(std::int32_t n) override { number_ = n; }
  const char* GetText6() override { return t_[5].c_str(); }
  void SetText6(const char* s) override { t_[5] = s; }
  const char* GetText7() override { return t_[6].c_str(); }
  void SetText7(const char* s) override { t_[6] = s; }
  const char* GetText8() override { return t_[7].c_str(); }
  void SetText8(const char* s) override { t_[7] = s; }
  const char* GetText9() override { return t_[8].c_str(); }
  void SetText9(const char* s) override { t_[8] = s; }

private:
  std::string t_[9];
  std::int32_t number_ = 0;
};

// One load of the module, as the program makes it for each output file.
struct MpcModule {
  HMODULE module = ::LoadLibraryA((BuiltProgramFolder() + kEncMPCModule).c_str());
  EncoderModuleTable* table = nullptr;
  MpcModule() {
    auto get = module ? reinterpret_cast<GetEncoderModuleEntry>(::GetProcAddress(module, kGetEncoderModuleName))
                      : nullptr;
    if (get) table = get();
  }
  ~MpcModule() {
    if (module) ::FreeLibrary(module);
  }
};

AudioFormatRecord SourceFormat(int rate, int channels) {
  AudioFormatRecord r{};
  r.InputBits = 16;
  r.InputLayout = kLayoutInterleaved;
  r.InputRate = rate;
  r.InputChannels = channels;
  r.OutputLayout = kLayoutNotSet;
  return r;
}

int Begin(MpcModule& m, const std::string& path, AudioFormatRecord& record, const Pairs& pairs) {
  TagRecord tag;
  tag.SetText1("Varnel Title");
  tag.SetText2("Varnel Artist");
  tag.SetText3("Varnel Album");
  tag.SetText4("A comment");
  tag.SetText6("2026");
  tag.SetNumber(7);
  return m.table->BeginEncoding(path.c_str(), &tag, &record, pairs.data(), static_cast<int>(pairs.size()));
}

// Feeds `frames` frames of a 440 Hz tone in the format the module asked for, in
// blocks of varying size; false when a block was refused.
bool Feed(MpcModule& m, AudioFormatRecord& record, int frames) {
  const int channels = record.OutputChannels;
  std::vector<std::int16_t> buffer(static_cast<std::size_t>(9000) * channels);
  record.InterleavedBuffer = buffer.data();
  record.Capacity = 9000;
  const int sizes[] = {4800, 333, 9000, 1, 2048, 7001};
  bool ok = true;
  for (int at = 0, i = 0; at < frames; ++i) {
    int n = std::min(sizes[i % 6], frames - at);
    for (int f = 0; f < n; ++f)
      for (int c = 0; c < channels; ++c)
        buffer[static_cast<std::size_t>(f) * channels + c] = static_cast<std::int16_t>(
            (c + 1) * 5000 * std::sin(2 * M_PI * 440.0 * (at + f) / record.OutputRate));
    record.OutputCount = n;
    ok = m.table->EncodeBlock(&record) >= 0 && ok;
    at += n;
  }
  record.InterleavedBuffer = nullptr;
  return ok;
}

Bytes ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::uint32_t Crc32(const unsigned char* p, std::size_t n) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < n; ++i) {
    crc ^= p[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

// A Musepack SV8 variable-length number: 7 bits a byte, high bit "more follows".
std::uint64_t ReadSize(const Bytes& b, std::size_t& at) {
  std::uint64_t v = 0;
  for (int i = 0; i < 9 && at < b.size(); ++i) {
    unsigned char c = b[at++];
    v = (v << 7) | (c & 0x7F);
    if (!(c & 0x80)) break;
  }
  return v;
}

struct Packet {
  std::string key;
  std::size_t payload, end;
};

struct MpcFile {
  bool magic = false, ended = false, crcOk = false;
  int version = 0, rate = 0, channels = 0, profileTimes8 = -1, audioPackets = 0;
  std::uint64_t samples = 0;
  std::vector<Packet> packets;
};

MpcFile Parse(const Bytes& b) {
  MpcFile f;
  f.magic = b.size() >= 4 && std::string(b.begin(), b.begin() + 4) == "MPCK";
  std::size_t at = 4;
  while (f.magic && !f.ended && at + 3 <= b.size()) {
    Packet p;
    p.key = std::string(b.begin() + at, b.begin() + at + 2);
    std::size_t start = at;
    at += 2;
    std::uint64_t size = ReadSize(b, at);
    if (size < at - start || start + size > b.size()) break;
    p.payload = at;
    p.end = start + size;
    f.packets.push_back(p);
    if (p.key == "SH" && p.end - p.payload >= 8) {
      std::uint32_t stored = (std::uint32_t{b[p.payload]} << 24) | (b[p.payload + 1] << 16) |
                             (b[p.payload + 2] << 8) | b[p.payload + 3];
      f.crcOk = stored == Crc32(&b[p.payload + 4], p.end - p.payload - 4);
      std::size_t q = p.payload + 4;
      f.version = b[q++];
      f.samples = ReadSize(b, q);
      ReadSize(b, q);  // samples skipped at the start
      const int rates[] = {44100, 48000, 37800, 32000, 0, 0, 0, 0};
      f.rate = rates[b[q] >> 5];
      f.channels = (b[q + 1] >> 4) + 1;
    }
    if (p.key == "EI" && p.end > p.payload) f.profileTimes8 = b[p.payload] >> 1;
    if (p.key == "AP") ++f.audioPackets;
    if (p.key == "SE") f.ended = true;
    at = p.end;
  }
  return f;
}

// True when the APEv2 tag at the file's end holds the item `key` with `value`.
bool HasApeItem(const Bytes& b, const std::string& key, const std::string& value) {
  if (b.size() < 32 || std::string(b.end() - 32, b.end() - 24) != "APETAGEX") return false;
  std::string item = key + '\0' + value;
  return std::search(b.begin(), b.end(), item.begin(), item.end()) != b.end();
}

class EncoderMpc : public testing::Test {
protected:
  std::string Path(const char* name) { return folder.Path() + name; }
  TempProgramFolder folder;
};

TEST_F(EncoderMpc, PresetsWriteMusepackFilesWithTheirQualityRateAndTags) {
  const struct {
    int quality;   // key 0, as the preset sends it
    int rate, channels;
    int wantRate;  // what the module asks the converter for
  } cases[] = {
      {500, 44100, 2, 44100},  // "Standard"
      {200, 48000, 2, 48000},  // "Telephone"
      {800, 32000, 2, 32000},  // "Braindead"
      {400, 22050, 1, 44100},  // "Radio", a rate Musepack lacks
      {600, 96000, 2, 48000},  // "Xtreme", above every Musepack rate
      {150, 37800, 2, 37800},  // a dialog value between the presets
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.quality);
    std::string path = Path("out.mpc");
    const int frames = c.wantRate * 3 / 2;
    {
      MpcModule m;
      ASSERT_NE(m.table, nullptr);
      AudioFormatRecord record = SourceFormat(c.rate, c.channels);
      ASSERT_GE(Begin(m, path, record, {{0, c.quality}}), 0);
      EXPECT_EQ(record.OutputBits, 16);
      EXPECT_EQ(record.OutputLayout, kLayoutInterleaved);
      EXPECT_EQ(record.OutputRate, c.wantRate);
      EXPECT_EQ(record.OutputChannels, c.channels);
      EXPECT_TRUE(Feed(m, record, frames));
      m.table->EndEncoding(1);
    }
    Bytes bytes = ReadAll(path);
    MpcFile f = Parse(bytes);
    EXPECT_TRUE(f.magic);
    EXPECT_TRUE(f.crcOk);
    EXPECT_EQ(f.version, 8);
    EXPECT_EQ(f.samples, static_cast<std::uint64_t>(frames));
    EXPECT_EQ(f.rate, c.wantRate);
    EXPECT_EQ(f.channels, c.channels);
    // The stream keeps the profile, the quality plus 5, in eighths.
    EXPECT_EQ(f.profileTimes8, (c.quality + 500) * 8 / 100);
    EXPECT_GT(f.audioPackets, 0);
    EXPECT_TRUE(f.ended) << "no end packet";
    EXPECT_TRUE(HasApeItem(bytes, "Title", "Varnel Title"));
    EXPECT_TRUE(HasApeItem(bytes, "Artist", "Varnel Artist"));
    EXPECT_TRUE(HasApeItem(bytes, "Album", "Varnel Album"));
    EXPECT_TRUE(HasApeItem(bytes, "Comment", "A comment"));
    EXPECT_TRUE(HasApeItem(bytes, "Year", "2026"));
    EXPECT_TRUE(HasApeItem(bytes, "Track", "7"));
    // Nothing but the output is left in the folder.
    EXPECT_FALSE(Exists(path + ".tmp.wav"));
    ::DeleteFileA(path.c_str());
  }
}

TEST_F(EncoderMpc, HigherQualityWritesMoreBits) {
  std::uint64_t sizes[2] = {};
  const int qualities[2] = {200, 700};
  for (int i = 0; i < 2; ++i) {
    std::string path = Path(i ? "high.mpc" : "low.mpc");
    MpcModule m;
    AudioFormatRecord record = SourceFormat(44100, 2);
    ASSERT_GE(Begin(m, path, record, {{0, qualities[i]}}), 0);
    Feed(m, record, 44100 * 2);
    m.table->EndEncoding(1);
    sizes[i] = ReadAll(path).size();
  }
  EXPECT_LT(sizes[0] * 2, sizes[1]);
}

TEST_F(EncoderMpc, AnotherExtensionStillGetsAMusepackFile) {
  std::string path = Path("song.audio");
  {
    MpcModule m;
    AudioFormatRecord record = SourceFormat(44100, 2);
    ASSERT_GE(Begin(m, path, record, {}), 0);  // no pair: "Standard"
    Feed(m, record, 44100);
    m.table->EndEncoding(1);
  }
  MpcFile f = Parse(ReadAll(path));
  EXPECT_TRUE(f.magic);
  EXPECT_TRUE(f.ended);
  EXPECT_EQ(f.profileTimes8, 80);  // quality 5 plus 5, in eighths
  EXPECT_FALSE(Exists(path + ".tmp.mpc"));
  EXPECT_FALSE(Exists(path + ".tmp.wav"));
}

TEST_F(EncoderMpc, BadStartsFailWithoutAFile) {
  const struct {
    const char* name;
    std::string path;
    Pairs pairs;
  } cases[] = {
      {"quality 0", Path("q0.mpc"), {{0, 0}}},
      {"quality above 1000", Path("q1001.mpc"), {{0, 1001}}},
      {"negative quality", Path("qneg.mpc"), {{0, -500}}},
      {"missing folder", Path("missing\\folder\\out.mpc"), {{0, 500}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    MpcModule m;
    AudioFormatRecord record = SourceFormat(44100, 2);
    EXPECT_LT(Begin(m, c.path, record, c.pairs), 0);
    m.table->EndEncoding(1);
    EXPECT_FALSE(Exists(c.path));
    EXPECT_FALSE(Exists(c.path + ".tmp.wav"));
  }
}

TEST_F(EncoderMpc, RefusedBlocksAndEmptyFilesLeaveNothingBehind) {
  {
    // A block in another layout than the module asked for is refused.
    std::string path = Path("layout.mpc");
    MpcModule m;
    AudioFormatRecord record = SourceFormat(44100, 2);
    ASSERT_GE(Begin(m, path, record, {{0, 500}}), 0);
    std::vector<std::int16_t> plane(100);
    void* planes[2] = {plane.data(), plane.data()};
    record.OutputLayout = kLayoutPlanar;
    record.PlanarBuffers = planes;
    record.Capacity = 100;
    record.OutputCount = 100;
    EXPECT_LT(m.table->EncodeBlock(&record), 0);
    m.table->EndEncoding(1);
  }
  {
    // No audio at all: there is nothing to encode, and no file is left.
    std::string path = Path("empty.mpc");
    MpcModule m;
    AudioFormatRecord record = SourceFormat(44100, 2);
    ASSERT_GE(Begin(m, path, record, {{0, 500}}), 0);
    m.table->EndEncoding(1);
    EXPECT_FALSE(Exists(path));
    EXPECT_FALSE(Exists(path + ".tmp.wav"));
  }
}

TEST_F(EncoderMpc, OneLoadServesOneFile) {
  // The encoder keeps its settings process-wide, so a second file in the same
  // load is refused rather than written with the first file's leftovers.
  MpcModule m;
  AudioFormatRecord record = SourceFormat(44100, 2);
  ASSERT_GE(Begin(m, Path("first.mpc"), record, {{0, 500}}), 0);
  Feed(m, record, 4410);
  m.table->EndEncoding(1);
  EXPECT_TRUE(Parse(ReadAll(Path("first.mpc"))).ended);
  AudioFormatRecord again = SourceFormat(44100, 2);
  EXPECT_LT(Begin(m, Path("second.mpc"), again, {{0, 500}}), 0);
  EXPECT_FALSE(Exists(Path("second.mpc")));
}

}  // namespace
