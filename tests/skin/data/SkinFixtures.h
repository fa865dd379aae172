// Test helpers of the skin data tests: a small skin folder written from INI text
// and tiny pictures, Windows paths of the generated skins, and INI objects over
// inline text.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "skin/data/CompressedSkin.h"
#include "tests/harness/TempProgramFolder.h"

// The bytes of a BMP file of the size, filled with one colour.
String BmpBytes(int width, int height, TColor color = clWhite);
// A minimal loadable skin: the five required sections, a frame picture
// "frame.bmp" (40 x 30) and one named picture "parts.bmp" (20 x 20); `extra` is
// appended to the INI text.
String MinimalSkinIni(const String& extra = String());
// Writes MinimalSkinIni(extra) as Skin.ini with its pictures; returns the INI's path.
String WriteMinimalSkin(TempProgramFolder& folder, const String& extra = String(), const String& sub = "skin\\");

String VarnelSkinIni();   // the generated default skin
String StressSkinIni();   // the generated stress skin
String WindowsPath(const String& linuxPath);
// A file of the source tree, by its path below the tree's root ("resources/").
String SourceTreePath(const String& relative);

// Copies every file of a folder (not its subfolders) into another one.
void CopyFolder(const String& from, const String& to);
