// The colour controls' own texts and the lookup in a skin's interface strings.
#pragma once

#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"

inline constexpr const char* SP_MORECOLORS = "More colors...";
inline constexpr const char* SP_AUTOCOLOR = "Automatic";
inline constexpr const char* SP_COLORGRID_CAP = "Basic colors";
inline constexpr const char* SP_CUSTOMCOLORGRID_CAP = "Custom colors";
inline constexpr const char* SP_ADDCUSTOMCOLORBUTTON_CAP = "Add to Custom Colors";
inline constexpr const char* SP_MSG_BTN_OK = "OK";
inline constexpr const char* SP_MSG_BTN_CANCEL = "Cancel";
inline constexpr const char* SP_CUSTOMCOLOR = "Custom...";

// The skin's text of that name; the built-in text when the container has no
// interface strings or the list lacks the name (an empty caption helps nobody).
inline String ColorControlText(TspSkinData* data, const char* name, const char* builtIn) {
  if (data && data->ResourceStrData()) {
    String text = data->ResourceStrData()->GetResStr(name);
    if (!text.empty()) return text;
  }
  return builtIn;
}
