// The media engine of the program folder bound for one test, in place of one
// beside the tests (which the engine's loader would look for).
#pragma once

#include <type_traits>

#include "app/MediaEngineLib.h"
#include "platform/core/WinApi.h"
#include "tests/harness/BuildFolders.h"

class BuiltMediaEngine {
public:
  BuiltMediaEngine() : library_(::LoadLibraryA((BuiltProgramFolder() + "MediaEngine.dll").c_str())) {
    auto bind = [this](auto& function, MediaEngineOrdinal ordinal) {
      function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
          reinterpret_cast<void*>(::GetProcAddress(library_, MAKEINTRESOURCEA(ordinal))));
    };
    bind(functions_.CreateMediaEncoder, meoCreateMediaEncoder);
    bind(functions_.ReleaseMediaEncoder, meoReleaseMediaEncoder);
    bind(functions_.CreateFrameScaler, meoCreateFrameScaler);
    bind(functions_.ReleaseFrameScaler, meoReleaseFrameScaler);
    bind(functions_.CreateColorConverter, meoCreateColorConverter);
    bind(functions_.ReleaseColorConverter, meoReleaseColorConverter);
    SetMediaEngineFunctions(&functions_);
  }
  ~BuiltMediaEngine() { SetMediaEngineFunctions(nullptr); }

private:
  HMODULE library_;
  MediaEngineFunctions functions_;
};
