#include "engines/DiscEngine/TitleStream.h"

#include <algorithm>
#include <cstring>

extern "C" {
#include <dvdread/dvd_reader.h>
}

namespace disc {

TitleStream::TitleStream(Source& source, const TitleLayout& title, int angle) {
  if (!source.Dvd || angle < 0 || angle >= static_cast<int>(title.Angles.size())) return;
  vobs_ = DVDOpenFile(source.Dvd, title.TitleSet, DVD_READ_TITLE_VOBS);
  if (!vobs_) return;
  cells_ = title.Angles[angle];
  std::uint64_t blocks = 0;
  for (const SectorRange& cell : cells_) {
    cellStarts_.push_back(blocks);
    if (cell.Last >= cell.First) blocks += cell.Last - cell.First + 1;
  }
  size_ = blocks * kBlockSize;
  open_ = size_ > 0;
}

TitleStream::TitleStream(const std::vector<std::string>& files) : files_(files) {
  for (const std::string& name : files_) {
    std::FILE* f = std::fopen(name.c_str(), "rb");
    if (!f) return;
    _fseeki64(f, 0, SEEK_END);
    long long length = _ftelli64(f);
    std::fclose(f);
    if (length < 0) return;
    fileStarts_.push_back(size_);
    size_ += static_cast<std::uint64_t>(length);
  }
  open_ = size_ > 0;
}

TitleStream::~TitleStream() {
  if (vobs_) DVDCloseFile(vobs_);
  if (file_) std::fclose(file_);
}

bool TitleStream::Seek(std::uint64_t position) {
  if (position > size_) return false;
  position_ = position;
  return true;
}

void TitleStream::CheckScrambled(const std::uint8_t* b) {
  // A pack header, then the first PES packet: its scrambling control bits.
  if (b[0] != 0 || b[1] != 0 || b[2] != 1 || b[3] != 0xBA) return;
  int pes = 14 + (b[13] & 7);
  if (pes + 7 > kBlockSize) return;
  if (b[pes] != 0 || b[pes + 1] != 0 || b[pes + 2] != 1) return;
  std::uint8_t id = b[pes + 3];
  bool carriesMedia = id == 0xBD || (id >= 0xC0 && id <= 0xEF);
  if (carriesMedia && (b[pes + 6] & 0xC0) == 0x80 && (b[pes + 6] & 0x30) != 0) scrambled_ = true;
}

const std::uint8_t* TitleStream::ReadDvdBlock(std::uint64_t block) {
  if (block >= runFirst_ && block < runFirst_ + runCount_) return run_ + (block - runFirst_) * kBlockSize;
  auto it = std::upper_bound(cellStarts_.begin(), cellStarts_.end(), block);
  std::size_t cell = static_cast<std::size_t>(it - cellStarts_.begin()) - 1;
  std::uint64_t sector = cells_[cell].First + (block - cellStarts_[cell]);
  int want = static_cast<int>(std::min<std::uint64_t>(kRunBlocks, cells_[cell].Last - sector + 1));
  int got = DVDReadBlocks(vobs_, static_cast<int>(sector), want, run_);
  if (got <= 0) {
    runCount_ = 0;
    return nullptr;
  }
  for (int i = 0; i < got; ++i) CheckScrambled(run_ + i * kBlockSize);
  runFirst_ = block;
  runCount_ = got;
  return run_;
}

int TitleStream::ReadFiles(std::uint8_t* buffer, int size) {
  auto it = std::upper_bound(fileStarts_.begin(), fileStarts_.end(), position_);
  int index = static_cast<int>(it - fileStarts_.begin()) - 1;
  if (index != fileIndex_) {
    if (file_) std::fclose(file_);
    file_ = std::fopen(files_[index].c_str(), "rb");
    fileIndex_ = index;
    if (!file_) return -1;
  }
  std::uint64_t fileEnd = index + 1 < static_cast<int>(fileStarts_.size()) ? fileStarts_[index + 1] : size_;
  std::uint64_t want = std::min<std::uint64_t>(size, fileEnd - position_);
  if (_fseeki64(file_, static_cast<long long>(position_ - fileStarts_[index]), SEEK_SET) != 0) return -1;
  std::size_t got = std::fread(buffer, 1, static_cast<std::size_t>(want), file_);
  if (got == 0) return -1;
  // Check every pack that starts in what was read.
  std::uint64_t offset = position_ - fileStarts_[index];
  for (std::size_t i = (kBlockSize - offset % kBlockSize) % kBlockSize; i + kBlockSize <= got; i += kBlockSize)
    CheckScrambled(buffer + i);
  position_ += got;
  return static_cast<int>(got);
}

int TitleStream::Read(std::uint8_t* buffer, int size) {
  if (!open_ || size <= 0) return -1;
  if (position_ >= size_) return 0;
  if (!vobs_) return ReadFiles(buffer, size);
  int done = 0;
  while (done < size && position_ < size_) {
    const std::uint8_t* block = ReadDvdBlock(position_ / kBlockSize);
    if (!block) return done > 0 ? done : -1;
    int offset = static_cast<int>(position_ % kBlockSize);
    int n = std::min(size - done, kBlockSize - offset);
    std::memcpy(buffer + done, block + offset, n);
    done += n;
    position_ += n;
  }
  return done;
}

}  // namespace disc
