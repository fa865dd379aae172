// Defines a plug-in module's one export, GetEncoderModule, over an encoder class.
#pragma once

#include <memory>

#include "engines/EncoderCommon/PluginHost.h"

#define VARNEL_ENCODER_MODULE(EncoderClass)                                             \
  extern "C" EncoderModuleTable* VARNEL_STDCALL GetEncoderModule() {                    \
    return EncoderModuleFor([]() -> std::unique_ptr<AudioEncoder> {                     \
      return std::make_unique<EncoderClass>();                                          \
    });                                                                                 \
  }
