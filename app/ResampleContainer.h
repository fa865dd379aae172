// The audio format record's helpers and ResampleContainer, which converts one block
// of the disc engine's 16-bit interleaved samples into the format an encoder
// plug-in asked for, through the rate converter module.
#pragma once

#include <cstdint>

#include "engines/include/EngineRecords.h"

// Clears every field and marks both layouts as not set.
void InitAudioFormatRecord(AudioFormatRecord& record);
// Frees the buffers that ResampleContainer allocated into the record (and a
// converter kept for it); the record is then as InitAudioFormatRecord left it,
// except for its input and output sides.
void FreeAudioFormatBuffers(AudioFormatRecord& record);

class ResampleContainer {
public:
  explicit ResampleContainer(AudioFormatRecord* record);
  ~ResampleContainer();
  ResampleContainer(const ResampleContainer&) = delete;
  ResampleContainer& operator=(const ResampleContainer&) = delete;

  // Writes the input side; a new output file begins, so no converter state of the
  // previous file carries over.
  void SetInputFormat(std::int32_t bits, std::uint8_t layout, std::int32_t rate,
                      std::int32_t channels);
  // Converts `frames` 16-bit interleaved input frames into the record's output
  // buffers and sets its output count. An output layout that is not set converts
  // nothing and reports `frames`; a format that cannot be converted reports 0.
  void ConvertBlock(const std::int16_t* samples, std::int32_t frames);
  // Gives the record buffers of `frames` frames in its current output format.
  void ResizeBuffers(std::int32_t frames);

  // The converter this container holds (null when none), for tests.
  void* Converter() const { return converter_; }

private:
  bool AcquireConverter();
  bool EnsureBuffers(std::int32_t frames);

  AudioFormatRecord* record_;  // borrowed from the caller
  void* converter_ = nullptr;  // owned; kept for the next block of the stream when released
  int key_[4] = {};            // the format the converter was made for
};

// The output frames a block of `frames` input frames may produce in the record's
// current format: what the buffers must hold.
std::int64_t ConvertedFramesBound(const AudioFormatRecord& record, std::int64_t frames);
