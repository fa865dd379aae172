#include "app/VideoProfiles.h"

using P = TVideoProfile;

T3GPProfile::T3GPProfile(const String& name, const String& path) : TVideoProfileOf(name, path) { ApplyDefaults(); }

const ProfileLayout& T3GPProfile::Layout() const {
  using C = T3GPProfile;
  static const ProfileLayout layout{vfk3GP, "3GPP", "3GPProfile", ".3gp",
                                    {RecordInt<P>("Width", &P::Width, 176),
                                     RecordInt<P>("Height", &P::Height, 144),
                                     RecordIndex<P>("3GPFormat", &C::Format3GP, 0),
                                     RecordDouble<P>("FrameRate", &C::FrameRate, 15.0),
                                     RecordIndex<P>("VideoCodec", &C::VideoCodec, 1),
                                     RecordInt<P>("VideoBitrate", &C::VideoBitrate, 120000),
                                     RecordInt<P>("VideoBitrateTolerance", &C::VideoBitrateTolerance, 60000),
                                     RecordIndex<P>("AudioCodec", &C::AudioCodec, 2),
                                     RecordInt<P>("AudioFrequency", &C::AudioFrequency, 16000),
                                     RecordInt<P>("AudioChannels", &C::AudioChannels, 1),
                                     RecordInt<P>("AudioBitrate", &C::AudioBitrate, 48000)}};
  return layout;
}

void T3GPProfile::UpdateExtension() { Extension = Format3GP != 0 ? ".3g2" : ".3gp"; }

TAVIProfile::TAVIProfile(const String& name, const String& path) : TVideoProfileOf(name, path) { ApplyDefaults(); }

const ProfileLayout& TAVIProfile::Layout() const {
  using C = TAVIProfile;
  static const ProfileLayout layout{vfkAVI, "AVI", "AVIProfile", ".avi",
                                    {RecordInt<P>("Width", &P::Width, 320),
                                     RecordInt<P>("Height", &P::Height, 240),
                                     RecordIndex<P>("AVIVideoCodec", &C::AVIVideoCodec, 0),
                                     RecordDouble<P>("FrameRate", &C::FrameRate, 23.97),
                                     RecordInt<P>("VideoBitrate", &C::VideoBitrate, 768000),
                                     RecordFlag<P>("UseVBR", &C::UseVBR, false),
                                     RecordInt<P>("VideoVBRMaxBitrate", &C::VideoVBRMaxBitrate, 768000),
                                     RecordInt<P>("VideoVBRMinBitrate", &C::VideoVBRMinBitrate, 0),
                                     RecordIndex<P>("AVIAudioCodec", &C::AVIAudioCodec, 0),
                                     RecordInt<P>("AudioFrequency", &C::AudioFrequency, 44100),
                                     RecordInt<P>("AudioChannels", &C::AudioChannels, 2),
                                     RecordInt<P>("AudioBitrate", &C::AudioBitrate, 96000)}};
  return layout;
}

TMPEGProfile::TMPEGProfile(const String& name, const String& path) : TVideoProfileOf(name, path) {
  ApplyDefaults();
}

const ProfileLayout& TMPEGProfile::Layout() const {
  using C = TMPEGProfile;
  static const ProfileLayout layout{vfkMPEG, "MPEG", "MPEGProfile", ".mpg",
                                    {RecordIndex<P>("MPEGVersion", &C::MPEGVersion, 1),
                                     RecordInt<P>("Width", &P::Width, 320),
                                     RecordInt<P>("Height", &P::Height, 240),
                                     RecordDouble<P>("FrameRate", &C::FrameRate, 23.97),
                                     RecordInt<P>("VideoBitrate", &C::VideoBitrate, 1150000),
                                     RecordFlag<P>("UseVBR", &C::UseVBR, false),
                                     RecordInt<P>("VideoVBRMaxBitrate", &C::VideoVBRMaxBitrate, 1150000),
                                     RecordInt<P>("VideoVBRMinBitrate", &C::VideoVBRMinBitrate, 0),
                                     RecordIndex<P>("MPEGAudioType", &C::MPEGAudioType, 0),
                                     RecordInt<P>("AudioFrequency", &C::AudioFrequency, 48000),
                                     RecordInt<P>("AudioChannels", &C::AudioChannels, 2),
                                     RecordInt<P>("AudioBitrate", &C::AudioBitrate, 224000)}};
  return layout;
}

TMP4Profile::TMP4Profile(const String& name, const String& path) : TVideoProfileOf(name, path) { ApplyDefaults(); }

const ProfileLayout& TMP4Profile::Layout() const {
  using C = TMP4Profile;
  static const ProfileLayout layout{vfkMP4, "MP4", "MP4Profile", ".mp4",
                                    {RecordInt<P>("Width", &P::Width, 320),
                                     RecordInt<P>("Height", &P::Height, 240),
                                     RecordIndex<P>("MP4VideoCodec", &C::MP4VideoCodec, 0),
                                     RecordDouble<P>("FrameRate", &C::FrameRate, 23.97),
                                     RecordInt<P>("VideoBitrate", &C::VideoBitrate, 768000),
                                     RecordFlag<P>("UseVBR", &C::UseVBR, false),
                                     RecordInt<P>("VideoVBRMaxBitrate", &C::VideoVBRMaxBitrate, 768000),
                                     RecordInt<P>("VideoVBRMinBitrate", &C::VideoVBRMinBitrate, 0),
                                     RecordInt<P>("AudioFrequency", &C::AudioFrequency, 48000),
                                     RecordInt<P>("AudioChannels", &C::AudioChannels, 2),
                                     RecordInt<P>("AudioBitrate", &C::AudioBitrate, 96000)}};
  return layout;
}

TWMVProfile::TWMVProfile(const String& name, const String& path) : TVideoProfileOf(name, path) { ApplyDefaults(); }

const ProfileLayout& TWMVProfile::Layout() const {
  using C = TWMVProfile;
  static const ProfileLayout layout{vfkWMV, "WMV", "WMVProfile", ".wmv",
                                    {RecordFlag<P>("UseSystemProfile", &C::UseSystemProfile, false),
                                     RecordText<P>("SystemProfileName", &C::SystemProfileName, "", false),
                                     RecordInt<P>("Width", &P::Width, 320),
                                     RecordInt<P>("Height", &P::Height, 240),
                                     RecordIndex<P>("WMV_Version", &C::WMV_Version, 1),
                                     RecordDouble<P>("FrameRate", &C::FrameRate, 23.97),
                                     RecordInt<P>("VideoBitrate", &C::VideoBitrate, 768000),
                                     RecordFlag<P>("UseVBR", &C::UseVBR, false),
                                     RecordInt<P>("VBRVideoQuality", &C::VBRVideoQuality, 90),
                                     RecordText<P>("AudioFormatName", &C::AudioFormatName, "64 kbps, 44 kHz, stereo CBR")}};
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
                                    {RecordInt<P>("Width", &P::Width, 176),
                                     RecordInt<P>("Height", &P::Height, 144),
                                     RecordIndex<P>("RealVersion", &C::RealVersion, 0),
                                     RecordDouble<P>("FrameRate", &C::FrameRate, 15.0),
                                     RecordInt<P>("VideoBitrate", &C::VideoBitrate, 120000),
                                     RecordFlag<P>("UseVBR", &C::UseVBR, false),
                                     RecordInt<P>("VideoVBRMaxBitrate", &C::VideoVBRMaxBitrate, 120000),
                                     RecordFlag<P>("VideoNoiseReduction", &C::VideoNoiseReduction, false),
                                     RecordText<P>("AudioFormatName", &C::AudioFormatName, "44 Kbps Music - RealAudio")}};
  return layout;
}

TMOVProfile::TMOVProfile(const String& name, const String& path) : TVideoProfileOf(name, path) { ApplyDefaults(); }

const ProfileLayout& TMOVProfile::Layout() const {
  using C = TMOVProfile;
  static const ProfileLayout layout{vfkMOV, "MOV", "MOVProfile", ".mov",
                                    {RecordInt<P>("Width", &P::Width, 320),
                                     RecordInt<P>("Height", &P::Height, 240),
                                     RecordIndex<P>("MOVVideoCodec", &C::MOVVideoCodec, 0),
                                     RecordDouble<P>("FrameRate", &C::FrameRate, 23.97),
                                     RecordInt<P>("VideoBitrate", &C::VideoBitrate, 768000),
                                     RecordFlag<P>("UseVBR", &C::UseVBR, false, false),
                                     RecordInt<P>("VideoVBRMaxBitrate", &C::VideoVBRMaxBitrate, 768000, false),
                                     RecordInt<P>("VideoVBRMinBitrate", &C::VideoVBRMinBitrate, 0, false),
                                     RecordInt<P>("AudioFrequency", &C::AudioFrequency, 48000),
                                     RecordInt<P>("AudioChannels", &C::AudioChannels, 2),
                                     RecordInt<P>("AudioBitrate", &C::AudioBitrate, 96000)}};
  return layout;
}

TFLVProfile::TFLVProfile(const String& name, const String& path) : TVideoProfileOf(name, path) { ApplyDefaults(); }

const ProfileLayout& TFLVProfile::Layout() const {
  using C = TFLVProfile;
  static const ProfileLayout layout{vfkFLV, "FLV", "FLVProfile", ".flv",
                                    {RecordInt<P>("Width", &P::Width, 320),
                                     RecordInt<P>("Height", &P::Height, 240),
                                     RecordDouble<P>("FrameRate", &C::FrameRate, 24.0),
                                     RecordInt<P>("VideoBitrate", &C::VideoBitrate, 768000),
                                     RecordInt<P>("AudioFrequency", &C::AudioFrequency, 44100),
                                     RecordInt<P>("AudioChannels", &C::AudioChannels, 2),
                                     RecordInt<P>("AudioBitrate", &C::AudioBitrate, 96000)}};
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
