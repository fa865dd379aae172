// The skin engine's readers of untrusted input: a skin folder's Skin.ini with its
// pictures, and a compressed skin.
#pragma once

#include <string>
#include <vector>

#include "tools/fuzz/Parsers.h"

std::vector<std::string> SkinFolderSeeds();
// The input is Skin.ini, written into a folder beside two small pictures it names.
ParseOutcome ParseSkinFolder(const std::string& input);

std::vector<std::string> CompressedSkinSeeds();
// The input is the compressed stream (version, length, zlib bytes).
ParseOutcome ParseCompressedSkin(const std::string& input);
// Expands what the mutated zlib bytes still give and packs it again with a right
// length and checksum, so the change reaches the reader of the expanded skin.
void RepackCompressedSkin(std::string& input);
