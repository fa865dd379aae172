// FormatFloat: a number written through a picture of digit placeholders, the way
// numeric edits show their values. The separators are fixed ('.' and ','), as the
// layer's other number routines use them.
#pragma once

#include "platform/core/System.h"

constexpr char ThousandSeparator = ',';

// The format holds up to three sections split by ';': for positive numbers, for
// negative ones (written without a minus sign) and for zero. An empty or missing
// negative section uses the first with a leading '-'; a number that rounds to
// zero in its section's picture takes the zero section, or the first one when
// that is empty or missing, and shows no sign. In a section:
//   0   a digit, written even when it is a leading or trailing zero;
//   #   a digit, left out when it is a leading or trailing zero;
//   .   the decimal separator (the first one; the others are ignored);
//   ,   the integer digits are grouped in thousands (anywhere before the '.');
//   E+ E- e+ e-  scientific notation; the zeros after it give the exponent's
//       smallest width, "+" writes the sign of a positive exponent too;
//   'x' "x"  literal text; every other character is written as it is.
// An empty format writes the number as FloatToStr does. Digits beyond the
// placeholders after the decimal separator are rounded away.
String FormatFloat(const String& format, Extended value);
