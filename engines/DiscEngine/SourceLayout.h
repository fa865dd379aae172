// What an opened source holds: its titles as the engine reports them, and for each
// title where its bytes lie (the cells of every angle in a title set, or a list of
// VOB files) and which MPEG stream ids carry its audio and subtitle streams.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "EngineRecords.h"

struct dvd_reader_s;

namespace disc {

// A run of 2048-byte blocks in a title set's VOB files.
struct SectorRange {
  std::uint32_t First;
  std::uint32_t Last;  // inclusive
};

struct TitleLayout {
  TitleInfo Info{};
  int TitleSet = 0;                          // 0 for a list of VOB files
  std::vector<std::vector<SectorRange>> Angles;  // cells of each angle, in play order
  int AudioIds[kMaxAudioStreams] = {};       // demuxer stream id of each audio stream, -1 none
  int SubtitleIds[kMaxSubtitleStreams] = {}; // demuxer stream id of each subtitle stream, -1 none
  std::uint32_t Palette[16] = {};            // subtitle colours, 0x00RRGGBB
  bool HasPalette = false;
  std::int32_t FrameRateNum = 25, FrameRateDen = 1;
  std::int32_t Width = 720, Height = 576;    // from the title set; the decoder has the last word
  double DisplayAspect = 4.0 / 3.0;
};

// The opened source: a DVD (through libdvdread) or a list of files scanned as one title.
class Source {
public:
  ~Source();
  dvd_reader_s* Dvd = nullptr;               // owned
  std::vector<std::string> Files;            // VOB files, in order
  std::vector<std::uint64_t> FileSizes;
  std::vector<TitleLayout> Titles;
};

// Opens a DVD root or a folder holding VIDEO_TS; titleSetFilter > 0 keeps the titles
// of that title set only. Null when the source cannot be read completely.
std::unique_ptr<Source> OpenDvdSource(const std::string& path, int titleSetFilter);

}  // namespace disc
