// The bytes of one title as one stream: the cells of an angle read block by block
// from a title set, or a list of VOB files read one after the other. It also notices
// scrambled (encrypted) packs, which the engine cannot decode.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "engines/DiscEngine/SourceLayout.h"

struct dvd_file_s;

namespace disc {

constexpr int kBlockSize = 2048;

class TitleStream {
public:
  // Over the cells of one angle of a title; borrows the source.
  TitleStream(Source& source, const TitleLayout& title, int angle);
  // Over a list of files.
  explicit TitleStream(const std::vector<std::string>& files);
  ~TitleStream();
  TitleStream(const TitleStream&) = delete;
  TitleStream& operator=(const TitleStream&) = delete;

  bool IsOpen() const { return open_; }
  std::uint64_t Size() const { return size_; }
  std::uint64_t Position() const { return position_; }
  bool Seek(std::uint64_t position);
  // Bytes read (0 at the end), or -1 on a read error.
  int Read(std::uint8_t* buffer, int size);
  bool ScrambledSeen() const { return scrambled_; }

private:
  // The block's bytes, read with the blocks after it in its cell; null on a read error.
  const std::uint8_t* ReadDvdBlock(std::uint64_t block);
  int ReadFiles(std::uint8_t* buffer, int size);
  void CheckScrambled(const std::uint8_t* block);

  bool open_ = false;
  bool scrambled_ = false;
  std::uint64_t size_ = 0;
  std::uint64_t position_ = 0;
  // Title set cells.
  dvd_file_s* vobs_ = nullptr;                 // owned
  std::vector<SectorRange> cells_;
  std::vector<std::uint64_t> cellStarts_;      // first block number of each cell in the stream
  // Blocks are read a run at a time: each read is a system call, costly under Wine.
  static constexpr int kRunBlocks = 16;
  std::uint8_t run_[kRunBlocks * kBlockSize];
  std::uint64_t runFirst_ = UINT64_MAX;        // stream block number of run_'s first block
  int runCount_ = 0;
  // Files.
  std::vector<std::string> files_;
  std::vector<std::uint64_t> fileStarts_;
  std::FILE* file_ = nullptr;                  // owned
  int fileIndex_ = -1;
};

}  // namespace disc
