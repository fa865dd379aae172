#include "app/EncoderPlugin.h"

#include "platform/core/WinApi.h"

EncoderPlugin::EncoderPlugin(const String& modulePath) {
  HMODULE module = modulePath.empty() ? nullptr : ::LoadLibraryA(modulePath.c_str());
  module_ = module;
  if (!module) return;
  auto get = reinterpret_cast<GetEncoderModuleEntry>(::GetProcAddress(module, kGetEncoderModuleName));
  if (get) table_ = get();
}

EncoderPlugin::~EncoderPlugin() {
  if (module_) ::FreeLibrary(static_cast<HMODULE>(module_));
}

std::int32_t EncoderPlugin::BeginEncoding(const String& outputPath, MyID3Tag* tag,
                                          AudioFormatRecord* format, const EncoderParameter* pairs,
                                          std::int32_t count) {
  if (!table_ || !table_->BeginEncoding) return -1;
  return table_->BeginEncoding(outputPath.c_str(), tag, format, pairs, count);
}

std::int32_t EncoderPlugin::EncodeBlock(AudioFormatRecord* format) {
  if (!table_ || !table_->EncodeBlock) return -1;
  return table_->EncodeBlock(format);
}

void EncoderPlugin::EndEncoding(std::uint8_t flag) {
  if (table_ && table_->EndEncoding) table_->EndEncoding(flag);
}
