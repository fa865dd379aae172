#include "framed/startup/RzButton_Kinds.h"

#include "platform/graphics/Bitmap.h"
#include "platform/controls/ButtonCaptions.h"

TBitmap* KindGlyphs[kBitBtnKindCount] = {};
String KindCaptions[kBitBtnKindCount];

namespace {

const char* const kResources[kBitBtnKindCount] = {
    "", "RZCOMMON_OK", "RZCOMMON_CANCEL", "RZCOMMON_HELP", "RZCOMMON_YES", "RZCOMMON_NO",
    "RZCOMMON_CLOSE", "RZCOMMON_ABORT", "RZCOMMON_RETRY", "RZCOMMON_IGNORE", "RZCOMMON_ALL"};
const char* const kCaptions[kBitBtnKindCount] = {"", SOKButton, SCancelButton, SHelpButton, SYesButton,
                                                 SNoButton, SCloseButton, SAbortButton, SRetryButton,
                                                 SIgnoreButton, SAllButton};

}  // namespace

const char* KindGlyphResource(TBitBtnKind kind) { return kResources[kind]; }

// The cache owns its glyphs: a start over a filled cache frees them first.
void StartButtonKinds() {
  for (int kind = 0; kind < kBitBtnKindCount; ++kind) {
    FreeAndNil(KindGlyphs[kind]);
    KindCaptions[kind] = kCaptions[kind];
  }
}

void StopButtonKinds() {
  for (int kind = 0; kind < kBitBtnKindCount; ++kind) {
    FreeAndNil(KindGlyphs[kind]);
    KindCaptions[kind].clear();
  }
}
