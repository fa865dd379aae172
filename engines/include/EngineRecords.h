// The records the program exchanges with its engine modules (the disc engine, the
// media engine, the rate converter and the audio encoder plug-ins), with their fixed
// binary layouts. Plain C++ so that every module can include it on its own.
//
// Calling conventions, the same for every module of ours: exported functions, the
// slots of a plug-in's table and every callback are __stdcall, except the three
// scan callbacks of DiscEngine::OpenVOBFiles, which remove no arguments (__cdecl).
// Engine objects are C++ abstract classes built by the same compiler on both sides.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#define VARNEL_STDCALL __stdcall
#define VARNEL_CDECL __cdecl
#else
#define VARNEL_STDCALL
#define VARNEL_CDECL
#endif

static_assert(sizeof(bool) == 1, "booleans cross module boundaries as one byte");
// The records are laid out for 32-bit Windows. Where the tests run as a 64-bit build
// (machines that cannot run 32-bit programs), the records that hold pointers grow
// with them; every other layout holds on both.
#define VARNEL_LAYOUT_32 (__SIZEOF_POINTER__ == 4)

// Pixel format codes of the media engine, shared with the disc engine's frames.
enum PixelFormatCode : std::uint8_t {
  // 32-bit pixels, 4 bytes each (blue, green, red, unused), bottom row first.
  pfBGR32BottomUp = 3,
  // Planar YUV 4:2:0 (I420), rows tightly packed: the Y plane (width x height bytes),
  // then the Cb plane and the Cr plane ((width / 2) x (height / 2) bytes each); width
  // and height are even. The disc engine delivers its frames in this format, and the
  // frame scaler's output is in it too.
  pfYUV420P = 5,
};

// Size in bytes of one frame of pixel format pfYUV420P (0 for odd or empty sizes).
inline std::size_t YUV420PFrameSize(std::int32_t width, std::int32_t height) {
  if (width <= 0 || height <= 0 || (width & 1) || (height & 1)) return 0;
  return static_cast<std::size_t>(width) * height * 3 / 2;
}

// ---------------------------------------------------------------------------
// Title description (filled by DiscEngine::GetTitleInfo)

// Audio codings of AudioStreamInfo::Coding.
enum AudioCoding : std::int32_t {
  acAC3 = 0, acMPEG1 = 2, acMPEG2 = 3, acLPCM = 4, acDTS = 6, acSDDS = 7, acUnknown = 8,
};

struct AudioStreamInfo {
  std::int32_t Coding;         // AudioCoding
  char Language[256];          // English language name, zero-terminated
  std::uint8_t Extension;      // 2 visually impaired, 3 and 4 director's comments
  std::uint8_t Reserved1[3];
  std::int32_t SampleRate;     // Hz
  std::uint8_t Channels;
  std::uint8_t Reserved2[3];
};
static_assert(sizeof(AudioStreamInfo) == 272);
static_assert(offsetof(AudioStreamInfo, Coding) == 0);
static_assert(offsetof(AudioStreamInfo, Language) == 4);
static_assert(offsetof(AudioStreamInfo, Extension) == 260);
static_assert(offsetof(AudioStreamInfo, SampleRate) == 264);
static_assert(offsetof(AudioStreamInfo, Channels) == 268);

struct SubtitleStreamInfo {
  char Language[256];          // English language name, zero-terminated
  std::uint8_t CaptionKind;    // 1 normal captions ... 15 director's comments for children
};
static_assert(sizeof(SubtitleStreamInfo) == 257);
static_assert(offsetof(SubtitleStreamInfo, CaptionKind) == 256);

constexpr int kMaxAudioStreams = 8;
constexpr int kMaxSubtitleStreams = 32;
constexpr int kMaxChapters = 999;

struct TitleInfo {
  std::uint8_t Reserved1[8];
  double Duration;                                   // seconds
  std::uint8_t Reserved2[40];
  std::int32_t AudioStreamCount;                     // 0-8
  AudioStreamInfo AudioStreams[kMaxAudioStreams];
  std::int32_t SubtitleStreamCount;                  // 0-32
  SubtitleStreamInfo SubtitleStreams[kMaxSubtitleStreams];
  std::int32_t AngleCount;                           // 1 for a title without angles
  std::int32_t ChapterCount;
  double ChapterDurations[kMaxChapters];             // seconds, in order
};
static_assert(sizeof(TitleInfo) == 18464);
static_assert(offsetof(TitleInfo, Duration) == 8);
static_assert(offsetof(TitleInfo, AudioStreamCount) == 56);
static_assert(offsetof(TitleInfo, AudioStreams) == 60);
static_assert(offsetof(TitleInfo, SubtitleStreamCount) == 2236);
static_assert(offsetof(TitleInfo, SubtitleStreams) == 2240);
static_assert(offsetof(TitleInfo, AngleCount) == 10464);
static_assert(offsetof(TitleInfo, ChapterCount) == 10468);
static_assert(offsetof(TitleInfo, ChapterDurations) == 10472);

// ---------------------------------------------------------------------------
// Conversion records

#pragma pack(push, 1)
// Handed to OnTitleBegin at the start of every output piece; no padding.
struct TitleBeginInfo {
  std::int32_t TitleIndex;       // 0-based
  std::int32_t AngleIndex;       // 0-based
  std::int32_t ChapterIndex;     // 0-based (split by chapters)
  std::int32_t ClipNumber;       // number of the output piece within the title
  char AudioLanguage[256];       // zero-terminated
  std::uint8_t AudioExtension;   // 2 visually impaired, 3 and 4 director's comments
  char SubtitleLanguage[256];    // zero-terminated, empty when none
  std::uint8_t CaptionKind;      // 1-15
};
#pragma pack(pop)
static_assert(sizeof(TitleBeginInfo) == 530);
static_assert(offsetof(TitleBeginInfo, ChapterIndex) == 8);
static_assert(offsetof(TitleBeginInfo, ClipNumber) == 12);
static_assert(offsetof(TitleBeginInfo, AudioLanguage) == 16);
static_assert(offsetof(TitleBeginInfo, AudioExtension) == 272);
static_assert(offsetof(TitleBeginInfo, SubtitleLanguage) == 273);
static_assert(offsetof(TitleBeginInfo, CaptionKind) == 529);

// Progress of DiscEngine::OpenVOBFiles' scan.
struct ScanProgressInfo {
  std::int32_t Total;            // total amount of work
  std::int32_t Done;             // work done
  char Path[256];                // the file being scanned, zero-terminated
  std::int32_t FileCount;
  std::int32_t FileNumber;       // 1-based number of the file being scanned
};
static_assert(sizeof(ScanProgressInfo) == 272);
static_assert(offsetof(ScanProgressInfo, Done) == 4);
static_assert(offsetof(ScanProgressInfo, Path) == 8);
static_assert(offsetof(ScanProgressInfo, FileCount) == 264);
static_assert(offsetof(ScanProgressInfo, FileNumber) == 268);

// The task's opaque engine options and its volume, for DiscEngine::SetConvertOptions.
struct ConvertOptions {
  std::uint8_t OptionByte1;
  std::uint8_t OptionByte2;
  std::uint8_t OptionByte3;
  std::uint8_t OptionByte6;
  std::uint8_t OptionByte4;
  std::uint8_t OptionByte5;
  std::uint8_t Reserved[2];
  double Volume;                 // audio volume factor
};
static_assert(sizeof(ConvertOptions) == 16);
static_assert(offsetof(ConvertOptions, OptionByte6) == 3);
static_assert(offsetof(ConvertOptions, OptionByte4) == 4);
static_assert(offsetof(ConvertOptions, Volume) == 8);

// Description of delivered frames (conversion and preview).
struct VideoFrameInfo {
  std::int32_t Width;
  std::int32_t Height;
  std::int32_t FrameRate1;       // frame rate numerator (25 for PAL, 30000 for NTSC)
  std::int32_t FrameRate2;       // frame rate denominator (1 for PAL, 1001 for NTSC)
  std::uint8_t PixelFormat;      // PixelFormatCode
  std::uint8_t Reserved[7];
  double DisplayAspect;          // displayed width / height (4/3 or 16/9)
};
static_assert(sizeof(VideoFrameInfo) == 32);
static_assert(offsetof(VideoFrameInfo, FrameRate1) == 8);
static_assert(offsetof(VideoFrameInfo, FrameRate2) == 12);
static_assert(offsetof(VideoFrameInfo, PixelFormat) == 16);
static_assert(offsetof(VideoFrameInfo, DisplayAspect) == 24);

struct ProgressInfo {
  float Percent;                 // of the title, 0-100
  std::uint8_t Reserved1[4];
  std::int32_t Elapsed;          // seconds
  std::int32_t Remaining;        // seconds
  std::uint8_t Reserved2[8];
  double Position;               // seconds into the title
};
static_assert(sizeof(ProgressInfo) == 32);
static_assert(offsetof(ProgressInfo, Elapsed) == 8);
static_assert(offsetof(ProgressInfo, Remaining) == 12);
static_assert(offsetof(ProgressInfo, Position) == 24);

// A clip of a title in seconds; {-1, -1} alone means the whole title.
struct TimeRange {
  double Start;
  double End;
};
static_assert(sizeof(TimeRange) == 16);
static_assert(offsetof(TimeRange, End) == 8);

// The callbacks of the disc engine; every one receives Context first.
using TitleBeginCallback = bool(VARNEL_STDCALL*)(void* context, VideoFrameInfo* video,
                                                 std::int32_t* audio /* rate, channels */,
                                                 TitleBeginInfo* title);
using TitleEndCallback = bool(VARNEL_STDCALL*)(void* context);
using GetOutputSizeCallback = std::int64_t(VARNEL_STDCALL*)(void* context);
using VideoFrameCallback = bool(VARNEL_STDCALL*)(void* context, const std::uint8_t* frame,
                                                 std::int32_t width, std::int32_t height,
                                                 std::int32_t value1, std::int32_t value2,
                                                 std::int32_t value3, std::int32_t value4);
using AudioSamplesCallback = bool(VARNEL_STDCALL*)(void* context, const std::int16_t* samples,
                                                   std::int32_t byteCount,
                                                   std::int32_t value1, std::int32_t value2,
                                                   std::int32_t value3, std::int32_t value4);
using PreviewFrameCallback = bool(VARNEL_STDCALL*)(void* context, const std::uint8_t* frame,
                                                   VideoFrameInfo* info);
using ProgressCallback = void(VARNEL_STDCALL*)(void* context, ProgressInfo* progress);

struct DiscEngineCallbacks {
  void* WindowHandle;            // HWND of the main window
  void* Context;
  TitleBeginCallback OnTitleBegin;
  TitleEndCallback OnTitleEnd;
  GetOutputSizeCallback OnGetOutputSize;
  VideoFrameCallback OnVideoFrame;
  AudioSamplesCallback OnAudioSamples;
  PreviewFrameCallback OnPreviewFrame;
  ProgressCallback OnProgress;
};
#if VARNEL_LAYOUT_32
static_assert(sizeof(DiscEngineCallbacks) == 36);
static_assert(offsetof(DiscEngineCallbacks, OnTitleBegin) == 8);
static_assert(offsetof(DiscEngineCallbacks, OnTitleEnd) == 12);
static_assert(offsetof(DiscEngineCallbacks, OnGetOutputSize) == 16);
static_assert(offsetof(DiscEngineCallbacks, OnVideoFrame) == 20);
static_assert(offsetof(DiscEngineCallbacks, OnAudioSamples) == 24);
static_assert(offsetof(DiscEngineCallbacks, OnPreviewFrame) == 28);
static_assert(offsetof(DiscEngineCallbacks, OnProgress) == 32);
#endif

// The scan callbacks of DiscEngine::OpenVOBFiles (they remove no arguments).
using ScanShowCallback = std::int32_t(VARNEL_CDECL*)(void* context);
using ScanProgressCallback = std::int32_t(VARNEL_CDECL*)(void* context, ScanProgressInfo* info);
using ScanCloseCallback = std::int32_t(VARNEL_CDECL*)(void* context);

// ---------------------------------------------------------------------------
// Audio hand-over to the encoder plug-ins

constexpr std::uint8_t kLayoutPlanar = 0;
constexpr std::uint8_t kLayoutInterleaved = 1;
constexpr std::uint8_t kLayoutNotSet = 255;

struct AudioFormatRecord {
  std::int32_t InputBits;          // always 16
  std::uint8_t InputLayout;        // always 1 (interleaved)
  std::int32_t InputRate;          // Hz
  std::int32_t InputChannels;      // always 2
  std::int32_t OutputBits;
  std::uint8_t OutputLayout;       // kLayoutPlanar, kLayoutInterleaved or kLayoutNotSet
  std::int32_t OutputRate;
  std::int32_t OutputChannels;
  void** PlanarBuffers;            // layout 0: one buffer per output channel
  void* InterleavedBuffer;         // layout 1
  std::int32_t Capacity;           // frames each buffer holds
  std::int32_t OutputCount;        // frames in the buffers after the last conversion
};
static_assert(offsetof(AudioFormatRecord, InputLayout) == 4);
static_assert(offsetof(AudioFormatRecord, InputRate) == 8);
static_assert(offsetof(AudioFormatRecord, InputChannels) == 12);
static_assert(offsetof(AudioFormatRecord, OutputBits) == 16);
static_assert(offsetof(AudioFormatRecord, OutputLayout) == 20);
static_assert(offsetof(AudioFormatRecord, OutputRate) == 24);
static_assert(offsetof(AudioFormatRecord, OutputChannels) == 28);
#if VARNEL_LAYOUT_32
static_assert(sizeof(AudioFormatRecord) == 48);
static_assert(offsetof(AudioFormatRecord, PlanarBuffers) == 32);
static_assert(offsetof(AudioFormatRecord, InterleavedBuffer) == 36);
static_assert(offsetof(AudioFormatRecord, Capacity) == 40);
static_assert(offsetof(AudioFormatRecord, OutputCount) == 44);
#endif

// One encoder parameter handed to an audio plug-in unchanged.
struct EncoderParameter {
  std::int32_t Key;
  std::int32_t Value;
};
static_assert(sizeof(EncoderParameter) == 8);
static_assert(offsetof(EncoderParameter, Value) == 4);

constexpr int kMaxEncoderParameters = 100;
