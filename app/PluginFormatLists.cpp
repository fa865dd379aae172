#include "app/PluginFormatLists.h"

#include <cstdint>

#include "app/WMVRealEncoder.h"
#include "platform/core/SysUtils.h"

WM9EncoderDllWarper* StartWMVWrapper(const String& modulePath) {
  auto* wrapper = new WM9EncoderDllWarper(modulePath);
  if (!wrapper->Init()) {
    wrapper->Uninit();
    delete wrapper;
    return nullptr;
  }
  return wrapper;
}

RealEncoderDllWarper* StartRealWrapper(const String& modulePath) {
  auto* wrapper = new RealEncoderDllWarper(modulePath);
  if (!wrapper->Valid()) {
    delete wrapper;
    return nullptr;
  }
  wrapper->RecreateEncoderHandle();
  return wrapper;
}

namespace {

void SelectFirst(const TStrings& items, int& itemIndex) { itemIndex = items.Count() > 0 ? 0 : -1; }

}  // namespace

void FillWMVSystemProfiles(WM9EncoderDllWarper* wrapper, TStrings& items, int& itemIndex) {
  if (!wrapper) return;
  const std::int32_t count = wrapper->GetUseSystemProfileCount();
  for (std::int32_t i = 0; i < count; ++i) items.Add(wrapper->GetUseSystemProfileName(i));
  SelectFirst(items, itemIndex);
}

void FillWMVAudioFormats(WM9EncoderDllWarper* wrapper, TStrings& items, int& itemIndex) {
  if (!wrapper) return;
  const std::int32_t codec = FindWMAudioCodec(*wrapper);
  const std::int32_t count = wrapper->GetAudioFormatCount(codec);
  for (std::int32_t i = 0; i < count; ++i) items.Add(Trim(wrapper->GetAudioFormat(codec, i)));
  SelectFirst(items, itemIndex);
}

void FillRealAudioFormats(RealEncoderDllWarper* wrapper, TStrings& items, int& itemIndex) {
  if (!wrapper) return;
  const std::int32_t count = wrapper->GetAudioCodecCount();
  for (std::int32_t i = 0; i < count; ++i) {
    String listed;
    if (!ListedRealAudioName(wrapper->GetAudioCodecName(i), listed)) continue;
    items.AddObject(listed, reinterpret_cast<TObject*>(static_cast<std::intptr_t>(i)));
  }
  SelectFirst(items, itemIndex);
}
