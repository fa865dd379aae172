#include "app/TimeText.h"

#include <cstdio>

String FormatSecondsHMS(unsigned seconds) {
  const unsigned hours = seconds / 3600;
  const unsigned minutes = (seconds - hours * 3600) / 60;
  char text[32];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u ", hours, minutes, seconds % 60);
  return text;
}
