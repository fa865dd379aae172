// The eight video profile classes, one per video format: their typed fields carry
// the names of their INI keys (3GP's "3GPFormat" is the field Format3GP).
#pragma once

#include "app/VideoProfile.h"

class T3GPProfile : public TVideoProfileOf<T3GPProfile> {
public:
  T3GPProfile(const String& name, const String& path);
  const ProfileLayout& Layout() const override;
  std::uint8_t Format3GP = 0;  // 0 3GP, otherwise 3G2
  double FrameRate = 0;
  std::uint8_t VideoCodec = 0;
  std::int32_t VideoBitrate = 0;
  std::int32_t VideoBitrateTolerance = 0;
  std::uint8_t AudioCodec = 0;
  std::int32_t AudioFrequency = 0;
  std::int32_t AudioChannels = 0;
  std::int32_t AudioBitrate = 0;

protected:
  void UpdateExtension() override;
};

class TAVIProfile : public TVideoProfileOf<TAVIProfile> {
public:
  TAVIProfile(const String& name, const String& path);
  const ProfileLayout& Layout() const override;
  std::uint8_t AVIVideoCodec = 0;
  double FrameRate = 0;
  std::int32_t VideoBitrate = 0;
  bool UseVBR = false;
  std::int32_t VideoVBRMaxBitrate = 0;
  std::int32_t VideoVBRMinBitrate = 0;
  std::uint8_t AVIAudioCodec = 0;
  std::int32_t AudioFrequency = 0;
  std::int32_t AudioChannels = 0;
  std::int32_t AudioBitrate = 0;
};

class TMPEGProfile : public TVideoProfileOf<TMPEGProfile> {
public:
  TMPEGProfile(const String& name, const String& path);
  const ProfileLayout& Layout() const override;
  std::uint8_t MPEGVersion = 0;
  double FrameRate = 0;
  std::int32_t VideoBitrate = 0;
  bool UseVBR = false;
  std::int32_t VideoVBRMaxBitrate = 0;
  std::int32_t VideoVBRMinBitrate = 0;
  std::uint8_t MPEGAudioType = 0;
  std::int32_t AudioFrequency = 0;
  std::int32_t AudioChannels = 0;
  std::int32_t AudioBitrate = 0;
};

class TMP4Profile : public TVideoProfileOf<TMP4Profile> {
public:
  TMP4Profile(const String& name, const String& path);
  const ProfileLayout& Layout() const override;
  std::uint8_t MP4VideoCodec = 0;
  double FrameRate = 0;
  std::int32_t VideoBitrate = 0;
  bool UseVBR = false;
  std::int32_t VideoVBRMaxBitrate = 0;
  std::int32_t VideoVBRMinBitrate = 0;
  std::int32_t AudioFrequency = 0;
  std::int32_t AudioChannels = 0;
  std::int32_t AudioBitrate = 0;
};

class TWMVProfile : public TVideoProfileOf<TWMVProfile> {
public:
  TWMVProfile(const String& name, const String& path);
  const ProfileLayout& Layout() const override;
  // Two profiles that both use a system profile are equal when its name is.
  bool IsEqual(const TVideoProfile* other) const override;
  bool UseSystemProfile = false;
  String SystemProfileName;
  std::uint8_t WMV_Version = 0;  // 0 Windows Media Video 7, 1 8, 2 9
  double FrameRate = 0;
  std::int32_t VideoBitrate = 0;
  bool UseVBR = false;
  std::int32_t VBRVideoQuality = 0;
  String AudioFormatName;
};

class TRealProfile : public TVideoProfileOf<TRealProfile> {
public:
  TRealProfile(const String& name, const String& path);
  const ProfileLayout& Layout() const override;
  std::uint8_t RealVersion = 0;
  double FrameRate = 0;
  std::int32_t VideoBitrate = 0;
  bool UseVBR = false;
  std::int32_t VideoVBRMaxBitrate = 0;
  bool VideoNoiseReduction = false;
  String AudioFormatName;
};

// Its rate-control fields live in its file only: the encoder does not use them and
// IsEqual does not compare them; a clone keeps them so that saving it loses nothing.
class TMOVProfile : public TVideoProfileOf<TMOVProfile> {
public:
  TMOVProfile(const String& name, const String& path);
  const ProfileLayout& Layout() const override;
  std::uint8_t MOVVideoCodec = 0;
  double FrameRate = 0;
  std::int32_t VideoBitrate = 0;
  bool UseVBR = false;
  std::int32_t VideoVBRMaxBitrate = 0;
  std::int32_t VideoVBRMinBitrate = 0;
  std::int32_t AudioFrequency = 0;
  std::int32_t AudioChannels = 0;
  std::int32_t AudioBitrate = 0;
};

class TFLVProfile : public TVideoProfileOf<TFLVProfile> {
public:
  TFLVProfile(const String& name, const String& path);
  const ProfileLayout& Layout() const override;
  double FrameRate = 0;
  std::int32_t VideoBitrate = 0;
  std::int32_t AudioFrequency = 0;
  std::int32_t AudioChannels = 0;
  std::int32_t AudioBitrate = 0;
};

// A new profile of the class whose VideoFormat word (upper case) is `word` ("3GPP",
// "AVI", "MPEG", "MP4", "WMV", "REAL", "MOV", "FLV"); null for any other word.
TVideoProfile* NewProfileForFormatWord(const String& word, const String& name, const String& path);
