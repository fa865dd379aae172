// A 16-bit PCM WAVE file written block by block and finished with its sizes: the
// hand-over from the plug-in's blocks to the Musepack front end, which reads a file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

class WaveSpool {
public:
  ~WaveSpool();
  bool Open(const std::string& path, int rate, int channels);
  // False when the file cannot take the frames (write error, or past the 4 GiB a
  // WAVE file can describe); the file is then unusable.
  bool Append(const std::int16_t* frames, int count);
  // Writes the sizes into the header and closes the file.
  bool Finish();
  std::int64_t Frames() const { return dataBytes_ / blockAlign_; }

private:
  bool WriteHeader();

  std::FILE* file_ = nullptr;  // owned
  int rate_ = 0, channels_ = 0, blockAlign_ = 1;
  std::int64_t dataBytes_ = 0;
  bool failed_ = false;
};
