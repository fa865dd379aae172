// EncAPE.dll: the Monkey's Audio plug-in. No library that writes Monkey's Audio can
// be built from Debian's sources, so every output file fails at its start and no
// file is written.
#include "engines/EncoderCommon/PluginExport.h"

namespace {

class ApeEncoder : public AudioEncoder {
public:
  bool Begin(const char*, const TagTexts&, AudioFormatRecord&, const EncoderParams&) override {
    return false;
  }
  bool Encode(const AudioFormatRecord&) override { return false; }
  void End() override {}
};

}  // namespace

VARNEL_ENCODER_MODULE(ApeEncoder)
