// Text files as editors save them: ANSI bytes, UTF-8 after a byte order mark, or
// UTF-16LE after FF FE. The program works in the ANSI code page; a file is read into
// it and written back in the encoding it came in.
#pragma once

#include "platform/core/System.h"

enum class TextEncoding { kAnsi, kUtf8Mark, kUtf16Mark };

// The file's bytes as ANSI text; `encoding` tells what they were. UTF-8 that does
// not decode is kept byte for byte (only its mark dropped). ANSI bytes are moved
// through, not copied.
String DecodeText(String bytes, TextEncoding& encoding);
// ANSI text back into `encoding`, its mark first.
String EncodeText(const String& text, TextEncoding encoding);
