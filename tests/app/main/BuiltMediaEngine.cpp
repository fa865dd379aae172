#include "tests/app/main/BuiltMediaEngine.h"

#include <atomic>
#include <type_traits>

#include "app/MediaEngineLib.h"
#include "tests/harness/BuildFolders.h"

namespace {

MediaEngineFunctions library;  // the module's own exports
std::atomic<int> liveScalers{0}, liveConverters{0};

FrameScaler* VARNEL_STDCALL CountedCreateScaler() {
  FrameScaler* scaler = library.CreateFrameScaler ? library.CreateFrameScaler() : nullptr;
  if (scaler) ++liveScalers;
  return scaler;
}

void VARNEL_STDCALL CountedReleaseScaler(FrameScaler* scaler) {
  if (scaler) --liveScalers;
  if (library.ReleaseFrameScaler) library.ReleaseFrameScaler(scaler);
}

ColorConverter* VARNEL_STDCALL CountedCreateConverter() {
  ColorConverter* converter = library.CreateColorConverter ? library.CreateColorConverter() : nullptr;
  if (converter) ++liveConverters;
  return converter;
}

void VARNEL_STDCALL CountedReleaseConverter(ColorConverter* converter) {
  if (converter) --liveConverters;
  if (library.ReleaseColorConverter) library.ReleaseColorConverter(converter);
}

// The module's encoders as they are, its scalers and converters counted.
MediaEngineFunctions CountingFunctions() {
  MediaEngineFunctions functions;
  functions.CreateMediaEncoder = library.CreateMediaEncoder;
  functions.ReleaseMediaEncoder = library.ReleaseMediaEncoder;
  functions.CreateFrameScaler = &CountedCreateScaler;
  functions.ReleaseFrameScaler = &CountedReleaseScaler;
  functions.CreateColorConverter = &CountedCreateConverter;
  functions.ReleaseColorConverter = &CountedReleaseConverter;
  return functions;
}

MediaEngineFunctions counted;  // what the program calls while the binding lives

}  // namespace

BuiltMediaEngine::BuiltMediaEngine() : library_(::LoadLibraryA((BuiltProgramFolder() + "MediaEngine.dll").c_str())) {
  auto bind = [this](auto& function, MediaEngineOrdinal ordinal) {
    function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
        reinterpret_cast<void*>(::GetProcAddress(library_, MAKEINTRESOURCEA(ordinal))));
  };
  bind(library.CreateMediaEncoder, meoCreateMediaEncoder);
  bind(library.ReleaseMediaEncoder, meoReleaseMediaEncoder);
  bind(library.CreateFrameScaler, meoCreateFrameScaler);
  bind(library.ReleaseFrameScaler, meoReleaseFrameScaler);
  bind(library.CreateColorConverter, meoCreateColorConverter);
  bind(library.ReleaseColorConverter, meoReleaseColorConverter);
  liveScalers = liveConverters = 0;
  counted = CountingFunctions();
  SetMediaEngineFunctions(&counted);
}

BuiltMediaEngine::~BuiltMediaEngine() { SetMediaEngineFunctions(nullptr); }

int BuiltMediaEngine::LiveScalers() { return liveScalers; }

int BuiltMediaEngine::LiveConverters() { return liveConverters; }
