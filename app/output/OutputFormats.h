// The eighteen target formats of the output settings dialog by their format code:
// the hidden button that stands for each, the title the dialog shows, and what a
// task's target takes from it (format name and extension, the audio plug-in and
// its preset source, or the video profile class).
#pragma once

#include "app/DVDConvertTask.h"
#include "app/VideoProfile.h"

class PresetBase;

struct OutputFormatRow {
  const char* ButtonName;  // "btn3GP" ... "btnFLAC"
  const char* Title;       // "3GP Video Settings" ...
  // Audio formats only: the format name, the extension and the plug-in module;
  // a video format's name and extension follow its profile (VideoFormatNaming).
  const char* FormatName;
  const char* Extension;
  const char* PluginModule;
  PresetBase* (*MakePresetSource)();  // null for the video formats
};

// Rows by code 0-17; null for any other code.
const OutputFormatRow* OutputFormat(int code);
bool IsVideoFormatCode(int code);
bool IsAudioFormatCode(int code);

// The order in which the dialog looks for the chosen audio format among the down
// buttons (OGG before RA, as the buttons stand).
extern const int kAudioButtonOrder[10];

// A new profile of the class of video code 0-7, with the given name and path.
TVideoProfile* NewVideoProfile(int code, const String& name, const String& path);
// The format name and extension of a filled video profile ("3GPP2"/"3g2" and so on).
void VideoFormatNaming(const TVideoProfile& profile, String& formatName, String& extension);
