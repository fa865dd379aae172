// The audio encoder plug-in interface: the tag record a plug-in reads its texts
// from, the entry table that GetEncoderModule returns, and the file names of the
// plug-in modules and their list files. The program's loader and every plug-in
// module are built from this one list, so the two cannot drift apart.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engines/include/EngineRecords.h"

// The tag texts of one output file. The order of the virtual operations is the
// binary interface: getter before setter, row by row, the destructor last.
//   text 1 title, text 2 artist, text 3 album, text 4 comment, text 5 genre,
//   number track, text 6 year, text 7 composer, text 8 copyright, text 9 encoded by.
class MyID3Tag {
public:
  virtual const char* GetText1() = 0;
  virtual void SetText1(const char* text) = 0;
  virtual const char* GetText2() = 0;
  virtual void SetText2(const char* text) = 0;
  virtual const char* GetText3() = 0;
  virtual void SetText3(const char* text) = 0;
  virtual const char* GetText4() = 0;
  virtual void SetText4(const char* text) = 0;
  virtual const char* GetText5() = 0;
  virtual void SetText5(const char* text) = 0;
  virtual std::int32_t GetNumber() = 0;
  virtual void SetNumber(std::int32_t number) = 0;
  virtual const char* GetText6() = 0;
  virtual void SetText6(const char* text) = 0;
  virtual const char* GetText7() = 0;
  virtual void SetText7(const char* text) = 0;
  virtual const char* GetText8() = 0;
  virtual void SetText8(const char* text) = 0;
  virtual const char* GetText9() = 0;
  virtual void SetText9(const char* text) = 0;
  virtual ~MyID3Tag() = default;
};

using BeginEncodingEntry = std::int32_t(VARNEL_STDCALL*)(const char* outputPath, MyID3Tag* tag,
                                                         AudioFormatRecord* format,
                                                         const EncoderParameter* pairs,
                                                         std::int32_t pairCount);
using EncodeBlockEntry = std::int32_t(VARNEL_STDCALL*)(AudioFormatRecord* format);
using EndEncodingEntry = void(VARNEL_STDCALL*)(std::uint8_t flag);

// The table GetEncoderModule returns: words 0-4 are not used by the program.
struct EncoderModuleTable {
  void* Unused[5];
  BeginEncodingEntry BeginEncoding;  // negative: failure, no file is left behind
  EncodeBlockEntry EncodeBlock;      // negative: failure
  EndEncodingEntry EndEncoding;      // finishes and closes the file
};
#if VARNEL_LAYOUT_32
static_assert(offsetof(EncoderModuleTable, BeginEncoding) == 5 * 4);
static_assert(offsetof(EncoderModuleTable, EncodeBlock) == 6 * 4);
static_assert(offsetof(EncoderModuleTable, EndEncoding) == 7 * 4);
#endif

using GetEncoderModuleEntry = EncoderModuleTable*(VARNEL_STDCALL*)();
inline constexpr char kGetEncoderModuleName[] = "GetEncoderModule";

// The modules beside the executable, and the two list files of display names.
inline constexpr char kEncMP3Module[] = "EncMP3.dll";
inline constexpr char kEncWMAModule[] = "EncWMA.dll";
inline constexpr char kEncWAVModule[] = "EncWAV.dll";
inline constexpr char kEncOGGModule[] = "EncOGG.dll";
inline constexpr char kEncRAModule[] = "EncRA.dll";
inline constexpr char kEncAACModule[] = "EncAAC.dll";
inline constexpr char kEncAPEModule[] = "EncAPE.dll";
inline constexpr char kEncMPCModule[] = "EncMPC.dll";
inline constexpr char kEncFLACModule[] = "EncFLAC.dll";
inline constexpr char kWMAFormatsFile[] = "WMAFormats.txt";
inline constexpr char kRAAudiencesFile[] = "RAAudiences.txt";
