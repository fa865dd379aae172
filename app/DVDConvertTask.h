// One conversion job: a title (or one angle of it) of the opened source with its
// streams, picture settings, split choices, target and result; and the audio target
// record a task owns.
#pragma once

#include <vector>

#include "engines/include/DiscEngine.h"
#include "platform/core/System.h"

class TVideoProfile;

enum TaskState : std::int8_t {
  tsReady = 0,
  tsProcessing = 1,
  tsPause = 2,  // only a text: pausing leaves a task in tsProcessing
  tsCompleted = 3,
  tsDecoderInitFailure = 4,
  tsEncoderInitFailure = 5,
  tsDecodeError = 6,
  tsEncodeError = 7,
  tsInterrupted = 8,
};

// The status text of a state ("Ready" ... "Interrupted by user"); empty for others.
String TaskStateText(int state);

enum SourceKind : std::uint8_t { skDVDFolder = 0, skIFOFile = 1, skVOBFiles = 2 };

// The engine's split mode (DiscSplitMode), kept in one byte.
using SplitMode = std::uint8_t;

using OutputFormatCode = std::int8_t;  // 0-7 video formats, 8-17 audio formats

constexpr int kMaxClips = 100;

// The parameters handed to an audio plug-in: the pairs, filled from the first one
// upward, and how many of them are valid.
struct EncoderParamBlock {
  EncoderParameter Pairs[kMaxEncoderParameters];
  std::int32_t Count;
};
static_assert(sizeof(EncoderParamBlock) == 804);

// An audio target: the plug-in, the preset shown to the user and the parameters.
struct TAudioEncoderScheme {
  String PluginPath;  // the program's folder + the plug-in's file name
  String PresetName;  // display only
  EncoderParamBlock Params{};
  // The target it was made for (8-17); AAC and M4A share their plug-in, so the
  // path alone cannot tell them apart. -1 when unknown.
  std::int8_t FormatCode = -1;
};

struct DVDConvertTask {
  DVDConvertTask();
  ~DVDConvertTask();
  DVDConvertTask(const DVDConvertTask&) = delete;
  DVDConvertTask& operator=(const DVDConvertTask&) = delete;

  // The engine options and volume as the disc engine takes them.
  ConvertOptions EngineOptions() const;

  std::int32_t SourceListingNumber = 0;
  bool Checked = false;
  bool Available = true;
  String Name;
  String OutputPathOverride;
  TitleInfo Title{};
  OutputFormatCode FormatCode = 0;
  String FormatName;
  String Extension;  // without the dot
  SourceKind Source = skDVDFolder;
  String SourcePath;  // the DVD folder, the IFO file, or VOB/VRO paths joined by ';'
  String VolumeLabel;
  std::uint8_t OptionBytes[6] = {1, 1, 255, 1, 0, 0};
  double Volume = 3.0;
  SplitMode Split = smClips;
  std::int32_t SplitSize = 200;    // MB per file
  std::int32_t SplitMinutes = 20;  // minutes per file
  std::vector<TimeRange*> Clips;   // owned, at most kMaxClips
  std::uint8_t ChapterFlags[kChapterFlagCount] = {};
  std::int32_t TitleIndex = 0;
  std::int32_t AngleIndex = 0;
  std::int32_t AudioStream = 0;
  std::int32_t SubtitleStream = 0;  // 0 none, n the n-th subtitle stream
  std::int32_t SubtitleOffset = 0;
  std::int32_t LuminanceGain = 128;
  std::int32_t LuminanceOffset = 0;
  double PreviewPosition = 0.0;
  bool Unsqueeze = true;
  bool KeepAspect = true;
  std::int32_t CropLeft = 0;
  std::int32_t CropRight = 0;
  std::int32_t CropTop = 0;
  std::int32_t CropBottom = 0;
  String VideoTitle, VideoAuthor, VideoCopyright, VideoComment, VideoRecTimestamp;
  String AudioTags[5];
  TVideoProfile* VideoProfile = nullptr;      // owned clone; non-null makes a video task
  TAudioEncoderScheme* AudioScheme = nullptr;  // owned copy; used when VideoProfile is null
  TaskState State = tsReady;
  double Percent = 0.0;
};

// Frees the task's video profile clone and audio scheme and clears both pointers.
void ReleaseTaskOutput(DVDConvertTask& task);

// Gives the task a new target, freeing the old one first; the task owns what it gets
// (at most one of the two is stored: a profile wins over a scheme).
void AssignTaskOutput(DVDConvertTask& task, TVideoProfile* profile, TAudioEncoderScheme* scheme);

// Adds a clip covering the whole title; false (nothing added) when the task already
// holds kMaxClips clips.
bool AddWholeTitleClip(DVDConvertTask& task);
