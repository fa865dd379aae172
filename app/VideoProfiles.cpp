#include "app/VideoProfiles.h"

using P = TVideoProfile;

T3GPProfile::T3GPProfile(const String& name, const String& path) : TVideoProfileOf(name, path) { ApplyDefaults(); }

const ProfileLayout& T3GPProfile::Layout() const {
  using C = T3GPProfile;
  static const ProfileLayout layout{vfk3GP, "3GPP", "3GPProfile", ".3gp",
                                    {IntField("Width", &P::Width, 176),
                                     IntField("Height", &P::Height, 144),
                                     IndexField("3GPFormat", &C::Format3GP, 0),
                                     DoubleField("FrameRate", &C::FrameRate, 15.0),
                                     IndexField("VideoCodec", &C::VideoCodec, 1),
                                     IntField("VideoBitrate", &C::VideoBitrate, 120000),
                                     IntField("VideoBitrateTolerance", &C::VideoBitrateTolerance, 60000),
                                     IndexField("AudioCodec", &C::AudioCodec, 2),
                                     IntField("AudioFrequency", &C::AudioFrequency, 16000),
                                     IntField("AudioChannels", &C::AudioChannels, 1),
                                     IntField("AudioBitrate", &C::AudioBitrate, 48000)}};
  return layout;
}

void T3GPProfile::UpdateExtension() { Extension = Format3GP != 0 ? ".3g2" : ".3gp"; }

TAVIProfile::TAVIProfile(const String& name, const String& path) : TVideoProfileOf(name, path) { ApplyDefaults(); }

const ProfileLayout& TAVIProfile::Layout() const {
  using C = TAVIProfile;
  static const ProfileLayout layout{vfkAVI, "AVI", "AVIProfile", ".avi",
                                    {IntField("Width", &P::Width, 320),
                                     IntField("Height", &P::Height, 240),
                                     IndexField("AVIVideoCodec", &C::AVIVideoCodec, 0),
                                     DoubleField("FrameRate", &C::FrameRate, 23.97),
                                     IntField("VideoBitrate", &C::VideoBitrate, 768000),
                                     FlagField("UseVBR", &C::UseVBR, false),
                                     IntField("VideoVBRMaxBitrate", &C::VideoVBRMaxBitrate, 768000),
                                     IntField("VideoVBRMinBitrate", &C::VideoVBRMinBitrate, 0),
                                     IndexField("AVIAudioCodec", &C::AVIAudioCodec, 0),
                                     IntField("AudioFrequency", &C::AudioFrequency, 44100),
                                     IntField("AudioChannels", &C::AudioChannels, 2),
                                     IntField("AudioBitrate", &C::AudioBitrate, 96000)}};
  return layout;
}

TMPEGProfile::TMPEGProfile(const String& name, const String& path) : TVideoProfileOf(name, path) {
  ApplyDefaults();
}

const ProfileLayout& TMPEGProfile::Layout() const {
  using C = TMPEGProfile;
  static const ProfileLayout layout{vfkMPEG, "MPEG", "MPEGProfile", ".mpg",
                                    {IndexField("MPEGVersion", &C::MPEGVersion, 1),
                                     IntField("Width", &P::Width, 320),
                                     IntField("Height", &P::Height, 240),
                                     DoubleField("FrameRate", &C::FrameRate, 23.97),
                                     IntField("VideoBitrate", &C::VideoBitrate, 1150000),
                                     FlagField("UseVBR", &C::UseVBR, false),
                                     IntField("VideoVBRMaxBitrate", &C::VideoVBRMaxBitrate, 1150000),
                                     IntField("VideoVBRMinBitrate", &C::VideoVBRMinBitrate, 0),
                                     IndexField("MPEGAudioType", &C::MPEGAudioType, 0),
                                     IntField("AudioFrequency", &C::AudioFrequency, 48000),
                                     IntField("AudioChannels", &C::AudioChannels, 2),
                                     IntField("AudioBitrate", &C::AudioBitrate, 224000)}};
  return layout;
}

TMP4Profile::TMP4Profile(const String& name, const String& path) : TVideoProfileOf(name, path) { ApplyDefaults(); }

const ProfileLayout& TMP4Profile::Layout() const {
  using C = TMP4Profile;
  static const ProfileLayout layout{vfkMP4, "MP4", "MP4Profile", ".mp4",
                                    {IntField("Width", &P::Width, 320),
                                     IntField("Height", &P::Height, 240),
                                     IndexField("MP4VideoCodec", &C::MP4VideoCodec, 0),
                                     DoubleField("FrameRate", &C::FrameRate, 23.97),
                                     IntField("VideoBitrate", &C::VideoBitrate, 768000),
                                     FlagField("UseVBR", &C::UseVBR, false),
                                     IntField("VideoVBRMaxBitrate", &C::VideoVBRMaxBitrate, 768000),
                                     IntField("VideoVBRMinBitrate", &C::VideoVBRMinBitrate, 0),
                                     IntField("AudioFrequency", &C::AudioFrequency, 48000),
                                     IntField("AudioChannels", &C::AudioChannels, 2),
                                     IntField("AudioBitrate", &C::AudioBitrate, 96000)}};
  return layout;
}

TWMVProfile::TWMVProfile(const String& name, const String& path) : TVideoProfileOf(name, path) { ApplyDefaults(); }

const ProfileLayout& TWMVProfile::Layout() const {
  using C = TWMVProfile;
  static const ProfileLayout layout{vfkWMV, "WMV", "WMVProfile", ".wmv",
                                    {FlagField("UseSystemProfile", &C::UseSystemProfile, false),
                                     TextField("SystemProfileName", &C::SystemProfileName, "", false),
                                     IntField("Width", &P::Width, 320),
                                     IntField("Height", &P::Height, 240),
                                     IndexField("WMV_Version", &C::WMV_Version, 1),
                                     DoubleField("FrameRate", &C::FrameRate, 23.97),
                                     IntField("VideoBitrate", &C::VideoBitrate, 768000),
                                     FlagField("UseVBR", &C::UseVBR, false),
                                     IntField("VBRVideoQuality", &C::VBRVideoQuality, 90),
                                     TextField("AudioFormatName", &C::AudioFormatName, "64 kbps, 44 kHz, stereo CBR")}};
  return layout;
}

bool TWMVProfile::IsEqual(const TVideoProfile* other) const {
  const auto* wmv = dynamic_cast<const TWMVProfile*>(other);
  if (wmv && other->Kind == Kind && UseSystemProfile && wmv->UseSystemProfile) {
    return ProfileName == wmv->ProfileName && SystemProfileName == wmv->SystemProfileName;
  }
  return TVideoProfile::IsEqual(other);
}

TRealProfile::TRealProfile(const String& name, const String& path) : TVideoProfileOf(name, path) {
  ApplyDefaults();
}

const ProfileLayout& TRealProfile::Layout() const {
  using C = TRealProfile;
  static const ProfileLayout layout{vfkReal, "REAL", "RealProfile", ".rm",
                                    {IntField("Width", &P::Width, 176),
                                     IntField("Height", &P::Height, 144),
                                     IndexField("RealVersion", &C::RealVersion, 0),
                                     DoubleField("FrameRate", &C::FrameRate, 15.0),
                                     IntField("VideoBitrate", &C::VideoBitrate, 120000),
                                     FlagField("UseVBR", &C::UseVBR, false),
                                     IntField("VideoVBRMaxBitrate", &C::VideoVBRMaxBitrate, 120000),
                                     FlagField("VideoNoiseReduction", &C::VideoNoiseReduction, false),
                                     TextField("AudioFormatName", &C::AudioFormatName, "44 Kbps Music - RealAudio")}};
  return layout;
}

TMOVProfile::TMOVProfile(const String& name, const String& path) : TVideoProfileOf(name, path) { ApplyDefaults(); }

const ProfileLayout& TMOVProfile::Layout() const {
  using C = TMOVProfile;
  static const ProfileLayout layout{vfkMOV, "MOV", "MOVProfile", ".mov",
                                    {IntField("Width", &P::Width, 320),
                                     IntField("Height", &P::Height, 240),
                                     IndexField("MOVVideoCodec", &C::MOVVideoCodec, 0),
                                     DoubleField("FrameRate", &C::FrameRate, 23.97),
                                     IntField("VideoBitrate", &C::VideoBitrate, 768000),
                                     FlagField("UseVBR", &C::UseVBR, false, false),
                                     IntField("VideoVBRMaxBitrate", &C::VideoVBRMaxBitrate, 768000, false),
                                     IntField("VideoVBRMinBitrate", &C::VideoVBRMinBitrate, 0, false),
                                     IntField("AudioFrequency", &C::AudioFrequency, 48000),
                                     IntField("AudioChannels", &C::AudioChannels, 2),
                                     IntField("AudioBitrate", &C::AudioBitrate, 96000)}};
  return layout;
}

TFLVProfile::TFLVProfile(const String& name, const String& path) : TVideoProfileOf(name, path) { ApplyDefaults(); }

const ProfileLayout& TFLVProfile::Layout() const {
  using C = TFLVProfile;
  static const ProfileLayout layout{vfkFLV, "FLV", "FLVProfile", ".flv",
                                    {IntField("Width", &P::Width, 320),
                                     IntField("Height", &P::Height, 240),
                                     DoubleField("FrameRate", &C::FrameRate, 24.0),
                                     IntField("VideoBitrate", &C::VideoBitrate, 768000),
                                     IntField("AudioFrequency", &C::AudioFrequency, 44100),
                                     IntField("AudioChannels", &C::AudioChannels, 2),
                                     IntField("AudioBitrate", &C::AudioBitrate, 96000)}};
  return layout;
}

TVideoProfile* NewProfileForFormatWord(const String& word, const String& name, const String& path) {
  if (word == "3GPP") return new T3GPProfile(name, path);
  if (word == "AVI") return new TAVIProfile(name, path);
  if (word == "MPEG") return new TMPEGProfile(name, path);
  if (word == "MP4") return new TMP4Profile(name, path);
  if (word == "WMV") return new TWMVProfile(name, path);
  if (word == "REAL") return new TRealProfile(name, path);
  if (word == "MOV") return new TMOVProfile(name, path);
  if (word == "FLV") return new TFLVProfile(name, path);
  return nullptr;
}
