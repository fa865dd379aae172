#include "app/main/TitleList.h"

#include <algorithm>
#include <cstring>

#include "app/KelvaneSettings.h"
#include "app/VideoProfile.h"
#include "platform/core/Format.h"
#include "platform/core/SystemCalls.h"

namespace {

constexpr double kShortestAvailableTitle = 5.0;  // seconds, exclusive

// The engine fills these records; its counts are not trusted past the arrays.
int AudioCount(const TitleInfo& title) { return std::clamp(title.AudioStreamCount, 0, kMaxAudioStreams); }
int SubtitleCount(const TitleInfo& title) { return std::clamp(title.SubtitleStreamCount, 0, kMaxSubtitleStreams); }

String FixedText(const char* text, size_t size) { return String(text, strnlen(text, size)); }

// A DVD title has at most nine angles; a larger count would only multiply tasks.
constexpr int kMaxAngles = 9;

// The record as the engine filled it, with its counts kept within its arrays, so
// that every later reader of the task's copy may trust them.
bool ReadTitle(DiscEngine& engine, int index, TitleInfo& title) {
  title = TitleInfo{};
  if (!engine.GetTitleInfo(index, &title)) return false;
  title.AudioStreamCount = AudioCount(title);
  title.SubtitleStreamCount = SubtitleCount(title);
  title.AngleCount = std::clamp(title.AngleCount, 0, kMaxAngles);
  title.ChapterCount = std::clamp(title.ChapterCount, 0, kMaxChapters);
  return true;
}

String CodingText(int coding) {
  switch (coding) {
    case acAC3: return "Dolby AC-3";
    case acMPEG1: return "MPEG-1";
    case acMPEG2: return "MPEG-2";
    case acLPCM: return "LPCM";
    case acDTS: return "DTS";
    case acSDDS: return "SDDS";
    default: return "Unkown";
  }
}

String RateText(int rate) {
  if (rate == 48000) return "48KHz";
  if (rate == 44100) return "44.1KHz";
  return std::to_string(rate) + "Hz";
}

String ChannelText(int channels) {
  if (channels == 6) return "5.1";
  if (channels == 8) return "7.1";
  return std::to_string(channels);
}

String ExtensionText(int extension) {
  if (extension == 2) return "(Visually Impaired)";
  if (extension == 3 || extension == 4) return "(Director's Comments)";
  return "";
}

String CaptionText(int kind) {
  switch (kind) {
    case 1: return "(Normal Captions)";
    case 2: return "(Big Captions)";
    case 3: return "(Captions For Children)";
    case 5: return "(Normal Closed Captions)";
    case 6: return "(Big Closed Captions)";
    case 7: return "(Closed Captions For Children)";
    case 9: return "(Forcedly Activated)";
    case 13: return "(Director's Comments)";
    case 14: return "(Large-Sized Director's Comments)";
    case 15: return "(Director's Comments for Children)";
    default: return "";
  }
}

DVDConvertTask* MakeTask(const TitleInfo& title, int titleIndex, int angle, bool withAngles, bool mainMovie,
                         const String& sourceText, SourceKind kind, int sourceCounter, const String& volumeLabel,
                         const TaskTarget& target, const KelvaneSettings& settings) {
  auto* task = new DVDConvertTask();
  const bool available = TitleAvailable(title);
  task->SourceListingNumber = sourceCounter;
  task->Available = available;
  task->Checked = !settings.OnlySelectMainMovie || mainMovie;
  task->Name = withAngles ? Format("Title %.2d Angle %.2d", titleIndex + 1, angle + 1)
                          : Format("Title %.2d", titleIndex + 1);
  task->VolumeLabel = volumeLabel;
  task->VideoTitle = volumeLabel + "_" + task->Name;
  task->AudioTags[0] = task->VideoTitle;
  if (mainMovie) task->Name += "(Main Movie)";
  if (!available) {
    task->Name += " - Not Available";
    task->Checked = false;
  }
  task->Source = kind;
  task->SourcePath = sourceText;
  task->Title = title;
  task->PreviewPosition = title.Duration / 2;
  task->FormatName = target.FormatName;
  task->Extension = target.Extension;
  task->FormatCode = target.FormatCode;
  task->TitleIndex = titleIndex;
  task->AngleIndex = angle;
  task->AudioStream = FindDefaultAudioStream(title, settings.DefaultAudioLang);
  task->SubtitleStream = FindDefaultSubtitleStream(title, settings.DefaultSubtitleLang);
  if (target.Profile)
    AssignTaskOutput(*task, target.Profile->Clone(), nullptr);
  else if (target.Scheme)
    AssignTaskOutput(*task, nullptr, new TAudioEncoderScheme(*target.Scheme));
  std::memset(task->ChapterFlags, 1, sizeof(task->ChapterFlags));
  task->Split = smClips;
  task->State = tsReady;
  return task;
}

}  // namespace

String SourceVolumeLabel(const String& sourceText, SourceKind kind) {
  if (kind != skDVDFolder) return "DVD";
  char name[256] = {};
  if (!SystemCalls().GetVolumeInformation(sourceText, name, 255)) return "DVD";
  name[255] = '\0';
  return name[0] ? String(name) : String("DVD");
}

int FindMainMovie(DiscEngine& engine) {
  int main = 0;
  double longest = 0.0;
  const int count = engine.GetTitleCount();
  TitleInfo title;
  for (int t = 0; t < count; ++t) {
    if (!ReadTitle(engine, t, title)) continue;
    if (title.Duration > longest) {
      longest = title.Duration;
      main = t;
    }
  }
  return main;
}

bool TitleAvailable(const TitleInfo& title) {
  if (!(title.Duration > kShortestAvailableTitle)) return false;
  for (int i = 0; i < AudioCount(title); ++i) {
    const int coding = title.AudioStreams[i].Coding;
    if (coding == acAC3 || coding == acMPEG1) return true;
  }
  return false;
}

int FindDefaultAudioStream(const TitleInfo& title, const String& language) {
  for (int i = 0; i < AudioCount(title); ++i) {
    const AudioStreamInfo& stream = title.AudioStreams[i];
    const bool usable = stream.Coding == acAC3 || stream.Coding == acMPEG1 || stream.Coding == acMPEG2;
    if (usable && FixedText(stream.Language, sizeof(stream.Language)) == language) return i;
  }
  return 0;
}

int FindDefaultSubtitleStream(const TitleInfo& title, const String& language) {
  for (int i = 0; i < SubtitleCount(title); ++i) {
    const SubtitleStreamInfo& stream = title.SubtitleStreams[i];
    if (FixedText(stream.Language, sizeof(stream.Language)) == language) return i + 1;
  }
  return 0;
}

std::vector<DVDConvertTask*> BuildTitleTasks(DiscEngine& engine, const String& sourceText, SourceKind kind,
                                             int sourceCounter, const String& volumeLabel, const TaskTarget& target,
                                             const KelvaneSettings& settings) {
  const int mainMovie = FindMainMovie(engine);
  std::vector<DVDConvertTask*> tasks;
  const int count = engine.GetTitleCount();
  TitleInfo title;
  for (int t = 0; t < count; ++t) {
    // A title the engine cannot describe cannot be shown or converted.
    if (!ReadTitle(engine, t, title)) continue;
    if (settings.DontShowNotAvailableTitles && !TitleAvailable(title)) continue;
    const bool withAngles = title.AngleCount != 1;
    for (int a = 0; a < title.AngleCount; ++a)
      tasks.push_back(MakeTask(title, t, a, withAngles, t == mainMovie && a == 0, sourceText, kind, sourceCounter,
                               volumeLabel, target, settings));
  }
  return tasks;
}

String AudioStreamText(const AudioStreamInfo& stream) {
  return Format("%s(%s) %s Channels - %s%s", CodingText(stream.Coding), RateText(stream.SampleRate),
                ChannelText(stream.Channels), FixedText(stream.Language, sizeof(stream.Language)),
                ExtensionText(stream.Extension));
}

String SubtitleStreamText(const SubtitleStreamInfo& stream) {
  return FixedText(stream.Language, sizeof(stream.Language)) + CaptionText(stream.CaptionKind);
}

std::vector<String> AudioStreamTexts(const TitleInfo& title) {
  std::vector<String> texts;
  for (int i = 0; i < AudioCount(title); ++i) texts.push_back(AudioStreamText(title.AudioStreams[i]));
  return texts;
}

std::vector<String> SubtitleStreamTexts(const TitleInfo& title) {
  std::vector<String> texts{"None"};
  for (int i = 0; i < SubtitleCount(title); ++i) texts.push_back(SubtitleStreamText(title.SubtitleStreams[i]));
  return texts;
}
