// The tasks of a newly opened source: one per title (one per angle of a title that
// has several), named, checked and given their default streams and target; and the
// texts with which a title's audio and subtitle streams are offered.
#pragma once

#include <vector>

#include "app/DVDConvertTask.h"
#include "engines/include/DiscEngine.h"

class KelvaneSettings;
class TVideoProfile;

// The target every new task starts with: exactly one of the two is set.
struct TaskTarget {
  const TVideoProfile* Profile = nullptr;
  const TAudioEncoderScheme* Scheme = nullptr;
  String FormatName;
  String Extension;
  OutputFormatCode FormatCode = 0;
};

// "DVD" for IFO files and VOB lists; for a DVD folder the volume's name, or "DVD"
// when the system gives none.
String SourceVolumeLabel(const String& sourceText, SourceKind kind);

// The title with the largest duration; among equal ones the first, and 0 when all
// last 0 seconds or there is no title.
int FindMainMovie(DiscEngine& engine);
// True when the title lasts more than 5 s and has an AC-3 or MPEG-1 audio stream.
bool TitleAvailable(const TitleInfo& title);

// The first audio stream in `language` coded AC-3, MPEG-1 or MPEG-2; else 0.
int FindDefaultAudioStream(const TitleInfo& title, const String& language);
// 1 + the first subtitle stream in `language`; else 0, no subtitle.
int FindDefaultSubtitleStream(const TitleInfo& title, const String& language);

// Builds the tasks of every title of the opened source, in order; the caller owns
// them. A title the engine cannot describe gets none, and each task's copy of its
// record has its counts kept within the record's arrays (and at most nine angles).
std::vector<DVDConvertTask*> BuildTitleTasks(DiscEngine& engine, const String& sourceText, SourceKind kind,
                                             int sourceCounter, const String& volumeLabel, const TaskTarget& target,
                                             const KelvaneSettings& settings);

// "Dolby AC-3(48KHz) 5.1 Channels - English".
String AudioStreamText(const AudioStreamInfo& stream);
// "English(Normal Captions)".
String SubtitleStreamText(const SubtitleStreamInfo& stream);
// The entries of the two stream boxes: one per audio stream; "None", then one per
// subtitle stream.
std::vector<String> AudioStreamTexts(const TitleInfo& title);
std::vector<String> SubtitleStreamTexts(const TitleInfo& title);
