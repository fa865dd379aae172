#include "tools/fuzz/Parsers.h"

#include <windows.h>

#include <cstdio>

#include "app/LangFile.h"
#include "app/VideoProfiles.h"
#include "imaging/png/Crc.h"
#include "imaging/pngimage.h"
#include "imaging/sppngimage.h"
#include "platform/core/FileUtils.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/JpegImage.h"
#include "platform/io/IniDocument.h"
#include "platform/io/Streams.h"
#include "platform/published/FormText.h"
#include "tools/fuzz/SkinParsers.h"

extern "C" {
#include <jpeglib.h>
}

namespace {

// Runs a reader that raises the program's own errors: those count as a refusal.
template <class F>
ParseOutcome Raising(F&& read) {
  try {
    read();
    return ParseOutcome::kAccepted;
  } catch (const Exception&) {
    return ParseOutcome::kRefused;
  }
}

template <class G>
ParseOutcome LoadGraphic(const std::string& input) {
  return Raising([&] {
    G graphic;
    TStringStream stream(input);
    graphic.LoadFromStream(stream);
  });
}

std::string Saved(TGraphic& graphic) {
  TStringStream stream;
  graphic.SaveToStream(stream);
  return stream.DataString();
}

// A small picture with every primary colour, at the given pixel format.
void Paint(TBitmap& bitmap, TPixelFormat format) {
  bitmap.SetPixelFormat(format);
  bitmap.SetSize(5, 3);
  const TColor colours[] = {clRed, clLime, clBlue, clWhite, clBlack};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) bitmap.Canvas()->SetPixels(x, y, colours[(x + y) % 5]);
}

std::vector<std::string> PngSeeds() {
  std::vector<std::string> seeds;
  for (TPixelFormat format : {pf8bit, pf24bit}) {
    TBitmap bitmap;
    Paint(bitmap, format);
    TPNGObject png;
    png.Assign(&bitmap);
    seeds.push_back(Saved(png));
    if (format == pf24bit) {  // and with a colour key
      png.SetTransparentColor(clWhite);
      seeds.push_back(Saved(png));
    }
  }
  return seeds;
}

std::vector<std::string> BmpSeeds() {
  std::vector<std::string> seeds;
  for (TPixelFormat format : {pf1bit, pf8bit, pf16bit, pf24bit, pf32bit}) {
    TBitmap bitmap;
    Paint(bitmap, format);
    seeds.push_back(Saved(bitmap));
  }
  // The 8-bit one as run-length data: two runs and an end of line per row.
  std::string rle = seeds[1];
  std::string runs;
  for (int y = 0; y < 3; ++y) runs += std::string("\x02\x01\x03\x02\x00\x00", 6);
  runs += std::string("\x00\x01", 2);
  const std::size_t pixels = (rle[10] & 0xFF) | ((rle[11] & 0xFF) << 8);
  rle.resize(pixels);
  rle[30] = 1;  // BI_RLE8
  for (int i = 0; i < 4; ++i) rle[34 + i] = static_cast<char>(runs.size() >> (8 * i));
  seeds.push_back(rle + runs);
  return seeds;
}

std::vector<std::string> JpegSeeds() {
  std::vector<std::string> seeds;
  for (int channels : {1, 3}) {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = 16;
    info.image_height = 16;
    info.input_components = channels;
    info.in_color_space = channels == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    if (channels == 3) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(16 * channels);
    while (info.next_scanline < info.image_height) {
      for (std::size_t i = 0; i < row.size(); ++i) row[i] = static_cast<unsigned char>(i * 13 + info.next_scanline * 7);
      JSAMPROW rows[] = {row.data()};
      jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    seeds.emplace_back(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
  }
  return seeds;
}

// A 2 x 2 icon of 32 bits: directory, one entry, the DIB header, colours, mask.
std::vector<std::string> IcoSeeds() {
  std::string ico("\0\0\1\0\1\0", 6);
  ico += std::string("\x02\x02\x00\x00\x01\x00\x20\x00", 8) + std::string("\x40\0\0\0\x16\0\0\0", 8);
  std::string header(40, '\0');
  header[0] = 40;
  header[4] = 2;
  header[8] = 4;  // colour rows and mask rows
  header[12] = 1;
  header[14] = 32;
  ico += header;
  for (int i = 0; i < 4; ++i) ico += std::string("\x10\x80\xF0\xFF", 4);
  ico += std::string(8, '\0');
  return {ico};
}

const char kIni[] =
    "; written by hand\r\n[Settings]\r\nOutputPath = C:\\Out\r\nQuoted=\"  x  \"\r\nCount=12\r\n\r\n"
    "[LastSettings]\r\nFormat=MP3\r\nbare\r\n[x=1\r\n";

std::vector<std::string> IniSeeds() { return {kIni, "\xEF\xBB\xBF" + std::string(kIni)}; }

std::vector<std::string> LangSeeds() {
  return {"[Main]\r\nCaption=Varnel Revo\r\nOpen='&Open...'\r\n; note\r\n[Messages]\r\nDone=\"Done.\"\r\n"};
}

std::vector<std::string> ProfileSeeds() {
  return {"[ProfileCommon]\r\nProfileName=Fast\r\nVideoFormat=MPEG\r\n[MPEG]\r\nVideoBitrate=1500\r\n"
          "FrameRate=25\r\n[AdditionalParam]\r\nkey=value\r\n"};
}

std::vector<std::string> FormSeeds() {
  return {"object MainForm: TForm\r\n  Left = 10\r\n  Caption = 'Varnel'#13#10'Revo'\r\n  Visible = False\r\n"
          "  Anchors = [akLeft, akTop]\r\n  Items.Strings = (\r\n    'a'\r\n    'b')\r\n"
          "  object Button: TButton\r\n    Width = $40\r\n    Ratio = 1.5\r\n  end\r\nend\r\n"};
}

std::uint32_t Be32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

// Every whole chunk gets its right checksum, so a mutation reaches the chunk's reader.
void RepairPngChecksums(std::string& bytes) {
  std::size_t at = 8;
  while (at + 12 <= bytes.size()) {
    const std::uint64_t length = Be32(bytes, at);
    if (at + 12 + length > bytes.size()) break;
    const std::uint32_t crc =
        ~update_crc(0xFFFFFFFFu, reinterpret_cast<const unsigned char*>(bytes.data() + at + 4), std::size_t(length + 4));
    for (int i = 0; i < 4; ++i) bytes[at + 8 + length + i] = static_cast<char>(crc >> (24 - 8 * i));
    at += 12 + length;
  }
}

ParseOutcome ParseSkinPng(const std::string& input) {
  TspPngImage png;
  TStringStream stream(input);
  png.LoadFromStream(stream);
  return png.Empty() ? ParseOutcome::kRefused : ParseOutcome::kAccepted;
}

ParseOutcome ParseIni(const std::string& input) {
  IniDocument document;
  document.Parse(input);
  std::size_t keys = 0;
  for (const String& section : document.Sections()) keys += document.Keys(section).size();
  document.Set("Fuzz", "Key", "1");
  document.Serialize();
  return keys ? ParseOutcome::kAccepted : ParseOutcome::kRefused;
}

ParseOutcome ParseLang(const std::string& input) {
  LangFile file;
  file.Parse(input);
  return file.Sections().empty() ? ParseOutcome::kRefused : ParseOutcome::kAccepted;
}

// Profiles are files: the input is written to one and loaded from it.
ParseOutcome ParseProfile(const std::string& input) {
  static const String path = IncludeTrailingBackslash(ProgramFolder()) + "fuzz-profile-" +
                             std::to_string(::GetCurrentProcessId()) + ".pf";
  if (!WriteFileAtomically(path, input)) return ParseOutcome::kRefused;
  const ParseOutcome outcome = Raising([&] {
    TMPEGProfile profile("", path);
    if (!profile.Load()) throw Exception("not an MPEG profile");
  });
  DeleteFile(path);
  return outcome;
}

}  // namespace

const std::vector<FuzzParser>& FuzzParsers() {
  static const std::vector<FuzzParser> parsers = {
      {"png", PngSeeds, LoadGraphic<TPNGObject>, RepairPngChecksums},
      {"skin-png", PngSeeds, ParseSkinPng, RepairPngChecksums},
      {"bmp", BmpSeeds, LoadGraphic<TBitmap>},
      {"jpeg", JpegSeeds, LoadGraphic<TJPEGImage>},
      {"ico", IcoSeeds, LoadGraphic<TIcon>},
      {"ini", IniSeeds, ParseIni},
      {"lang", LangSeeds, ParseLang},
      {"profile", ProfileSeeds, ParseProfile},
      {"form-text", FormSeeds, [](const std::string& input) { return Raising([&] { ParseFormText(input, "fuzz"); }); }},
      {"skin-folder", SkinFolderSeeds, ParseSkinFolder},
      {"skin-compressed", CompressedSkinSeeds, ParseCompressedSkin, RepackCompressedSkin},
  };
  return parsers;
}

const FuzzParser* FindFuzzParser(const std::string& name) {
  for (const FuzzParser& parser : FuzzParsers())
    if (name == parser.Name) return &parser;
  return nullptr;
}
