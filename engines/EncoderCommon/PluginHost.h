// What every audio encoder plug-in module shares: its parameter pairs, the texts of
// its tag record, a view of the converted block, and the module's entry table
// around one encoder object per output file.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engines/EncoderCommon/EncoderPluginInterface.h"

// The parameter pairs of one output file, read-only. A key that appears twice
// takes its first value.
class EncoderParams {
public:
  EncoderParams(const EncoderParameter* pairs, std::int32_t count);
  bool Has(std::int32_t key) const;
  std::int32_t Get(std::int32_t key, std::int32_t fallback) const;

private:
  std::vector<EncoderParameter> pairs_;
};

// The tag texts, copied out of the tag record during BeginEncoding (the record
// does not outlive that call). ANSI text, as the program holds it.
struct TagTexts {
  std::string title, artist, album, comment, genre, year, composer, copyright, encodedBy;
  std::int32_t track = 0;

  static TagTexts From(MyID3Tag* tag);
  bool Empty() const;
};

// ANSI text (the program's code page) as UTF-8, for libraries that take UTF-8.
std::string AnsiToUtf8(const std::string& text);

// True when the record holds a block in the given sample format with its buffers.
bool BlockMatches(const AudioFormatRecord& format, std::uint8_t layout, int channels);
// The block's 16-bit frames interleaved: the record's own buffer, or `scratch`
// filled from the planar buffers.
const std::int16_t* InterleavedBlock(const AudioFormatRecord& format,
                                     std::vector<std::int16_t>& scratch);

// Fills the output side of the record: 16-bit samples in the given layout.
void RequestFormat(AudioFormatRecord& format, std::uint8_t layout, int rate, int channels);

// One output file of a plug-in.
class AudioEncoder {
public:
  virtual ~AudioEncoder() = default;
  // Creates the output file and fills the record's output side; false when it
  // cannot, and then no file is left behind.
  virtual bool Begin(const char* path, const TagTexts& tags, AudioFormatRecord& format,
                     const EncoderParams& params) = 0;
  virtual bool Encode(const AudioFormatRecord& format) = 0;
  // Finishes and closes the file.
  virtual void End() = 0;
};

using AudioEncoderFactory = std::unique_ptr<AudioEncoder> (*)();

// The module's entry table over one encoder object at a time. No exception leaves
// an entry; a failure is a negative result.
EncoderModuleTable* EncoderModuleFor(AudioEncoderFactory factory);

// Removes a file left by a failed start.
void RemoveOutputFile(const char* path);
