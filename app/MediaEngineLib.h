// The media engine library as the program reaches it: its six exports, imported
// by ordinal from MediaEngine.dll beside the executable the first time they are
// needed. Tests put an engine of their own in its place.
#pragma once

#include "engines/include/MediaEngine.h"

struct MediaEngineFunctions {
  CreateMediaEncoderFunc CreateMediaEncoder = nullptr;
  ReleaseMediaEncoderFunc ReleaseMediaEncoder = nullptr;
  CreateFrameScalerFunc CreateFrameScaler = nullptr;
  ReleaseFrameScalerFunc ReleaseFrameScaler = nullptr;
  CreateColorConverterFunc CreateColorConverter = nullptr;
  ReleaseColorConverterFunc ReleaseColorConverter = nullptr;
};

// The engine's functions; every one is null when the library or an export is missing.
const MediaEngineFunctions& MediaEngineLib();
// Replaces the engine (null: the library again); for tests.
void SetMediaEngineFunctions(const MediaEngineFunctions* functions);

// The exports, safe to call when the library is missing (they then make nothing).
MediaEncoder* CreateMediaEncoder(const char* outputPath);
void ReleaseMediaEncoder(MediaEncoder* encoder);
FrameScaler* CreateFrameScaler();
void ReleaseFrameScaler(FrameScaler* scaler);
ColorConverter* CreateColorConverter();
void ReleaseColorConverter(ColorConverter* converter);
