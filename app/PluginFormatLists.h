// Start-up of the Windows Media and RealMedia plug-ins and the lists of their
// formats that the output settings read: the wrappers that are kept, the system
// profiles, the Windows Media audio formats and the RealAudio formats.
#pragma once

#include "app/EncoderDllWarpers.h"
#include "platform/core/Strings.h"

// A started Windows Media wrapper, or null when the module is missing, incomplete
// or its WMV_Init fails (then WMV_Uninit has run and the module is freed).
WM9EncoderDllWarper* StartWMVWrapper(const String& modulePath = "");
// A RealMedia wrapper with a fresh encoder handle, or null when the module is
// missing or incomplete.
RealEncoderDllWarper* StartRealWrapper(const String& modulePath = "");

// Each appends to `items` and selects entry 0 when there is one (`itemIndex`,
// -1 when the list stays empty); nothing without a wrapper.
void FillWMVSystemProfiles(WM9EncoderDllWarper* wrapper, TStrings& items, int& itemIndex);
void FillWMVAudioFormats(WM9EncoderDllWarper* wrapper, TStrings& items, int& itemIndex);
// Each entry's object is the codec's index in the plug-in's list.
void FillRealAudioFormats(RealEncoderDllWarper* wrapper, TStrings& items, int& itemIndex);
