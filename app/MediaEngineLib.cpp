#include "app/MediaEngineLib.h"

#include "platform/core/WinApi.h"

namespace {

const MediaEngineFunctions* replacement = nullptr;

template <class F>
F Import(HMODULE module, MediaEngineOrdinal ordinal) {
  if (!module) return nullptr;
  return reinterpret_cast<F>(::GetProcAddress(module, MAKEINTRESOURCEA(ordinal)));
}

const MediaEngineFunctions& Loaded() {
  // Loaded once, kept until the process ends.
  static const MediaEngineFunctions functions = [] {
    MediaEngineFunctions f;
    HMODULE module = ::LoadLibraryA(kMediaEngineModule);
    f.CreateMediaEncoder = Import<CreateMediaEncoderFunc>(module, meoCreateMediaEncoder);
    f.ReleaseMediaEncoder = Import<ReleaseMediaEncoderFunc>(module, meoReleaseMediaEncoder);
    f.CreateFrameScaler = Import<CreateFrameScalerFunc>(module, meoCreateFrameScaler);
    f.ReleaseFrameScaler = Import<ReleaseFrameScalerFunc>(module, meoReleaseFrameScaler);
    f.CreateColorConverter = Import<CreateColorConverterFunc>(module, meoCreateColorConverter);
    f.ReleaseColorConverter = Import<ReleaseColorConverterFunc>(module, meoReleaseColorConverter);
    return f;
  }();
  return functions;
}

}  // namespace

const MediaEngineFunctions& MediaEngineLib() { return replacement ? *replacement : Loaded(); }

void SetMediaEngineFunctions(const MediaEngineFunctions* functions) { replacement = functions; }

MediaEncoder* CreateMediaEncoder(const char* outputPath) {
  auto f = MediaEngineLib().CreateMediaEncoder;
  return f && MediaEngineLib().ReleaseMediaEncoder ? f(outputPath ? outputPath : "") : nullptr;
}

void ReleaseMediaEncoder(MediaEncoder* encoder) {
  if (encoder && MediaEngineLib().ReleaseMediaEncoder) MediaEngineLib().ReleaseMediaEncoder(encoder);
}

FrameScaler* CreateFrameScaler() {
  auto f = MediaEngineLib().CreateFrameScaler;
  return f && MediaEngineLib().ReleaseFrameScaler ? f() : nullptr;
}

void ReleaseFrameScaler(FrameScaler* scaler) {
  if (scaler && MediaEngineLib().ReleaseFrameScaler) MediaEngineLib().ReleaseFrameScaler(scaler);
}

ColorConverter* CreateColorConverter() {
  auto f = MediaEngineLib().CreateColorConverter;
  return f && MediaEngineLib().ReleaseColorConverter ? f() : nullptr;
}

void ReleaseColorConverter(ColorConverter* converter) {
  if (converter && MediaEngineLib().ReleaseColorConverter) MediaEngineLib().ReleaseColorConverter(converter);
}
