// Video profiles: one named video output setting for one of the eight video
// formats, stored as one INI file (".pf"). The base class holds the common fields
// and does loading, saving, comparing and cloning from each class's table of typed
// fields; the eight classes are in VideoProfiles.h.
#pragma once

#include <vector>

#include "platform/core/Strings.h"
#include "platform/io/RecordTable.h"

enum VideoFormatKind : std::int8_t {
  vfk3GP = 0,
  vfkAVI = 1,
  vfkMPEG = 2,
  vfkMP4 = 3,
  vfkWMV = 4,
  vfkReal = 5,
  vfkMOV = 6,
  vfkFLV = 7,
};
constexpr int kVideoFormatKindCount = 8;

class TEncoderObject;  // the video encoder objects' base, declared by their unit

class TVideoProfile;

// One key of a class's section: its name, the field it fills, its default and
// whether IsEqual compares it.
using ProfileField = TRecordField<TVideoProfile>;
using ProfileFieldType = TRecordFieldType;

// What tells one class's files apart: kind, VideoFormat word, section, extension and fields.
struct ProfileLayout {
  VideoFormatKind Kind;
  const char* FormatWord;
  const char* Section;
  const char* Extension;
  std::vector<ProfileField> Fields;
};

// The seventeen values an encoder object is made with, after the output path, in
// the order of the encoder object's constructor.
struct EncoderObjectValues {
  std::int32_t SourceWidth = 0;
  std::int32_t SourceHeight = 0;
  std::int32_t PixelFormat = 0;
  std::int32_t FrameRate1 = 0;
  std::int32_t FrameRate2 = 0;
  std::int32_t AudioSampleRate = 0;
  std::int32_t AudioChannels = 0;
  bool KeepAspect = false;
  bool SecondFlag = false;
  std::int32_t CropLeft = 0;
  std::int32_t CropRight = 0;
  std::int32_t CropTop = 0;
  std::int32_t CropBottom = 0;
  std::int32_t Reserved[4] = {};
};

// Makes and configures the encoder object of one format for a profile; the video
// encoder unit registers one per format with SetEncoderObjectFactory.
using EncoderObjectFactory = TEncoderObject* (*)(const TVideoProfile& profile, const String& outputPath,
                                                 const EncoderObjectValues& values);
void SetEncoderObjectFactory(VideoFormatKind kind, EncoderObjectFactory factory);
EncoderObjectFactory GetEncoderObjectFactory(VideoFormatKind kind);

class TVideoProfile {
public:
  TVideoProfile(const String& name, const String& path);
  virtual ~TVideoProfile();
  TVideoProfile(const TVideoProfile&) = delete;
  TVideoProfile& operator=(const TVideoProfile&) = delete;

  // Reads the file at FilePath; false when it is not a profile of this class (the
  // name is read before that check) or cannot be read.
  virtual bool Load();
  // Writes the whole file to `path` (empty: a file in "Profiles\" named after the
  // profile that belongs to no other profile), then replaces the old one. On failure
  // nothing on disk changes and FilePath stays as it was.
  virtual bool Save(const String& path);
  virtual bool IsEqual(const TVideoProfile* other) const;
  virtual TVideoProfile* Clone() const = 0;
  // Makes the encoder object of this profile's format (owned by the caller); null
  // when no encoder is registered for the format.
  virtual TEncoderObject* CreateEncoderObject(const String& outputPath, std::int32_t sourceWidth,
                                              std::int32_t sourceHeight, std::int32_t pixelFormat,
                                              std::int32_t frameRate1, std::int32_t frameRate2,
                                              std::int32_t audioSampleRate, std::int32_t audioChannels,
                                              bool keepAspect, bool secondFlag, std::int32_t cropLeft,
                                              std::int32_t cropRight, std::int32_t cropTop, std::int32_t cropBottom,
                                              std::int32_t reserved1, std::int32_t reserved2,
                                              std::int32_t reserved3, std::int32_t reserved4);

  virtual const ProfileLayout& Layout() const = 0;

  String FilePath;
  VideoFormatKind Kind = vfk3GP;
  String ProfileName;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  String Extension;
  TStringList* AdditionalParamKeys;    // owned
  TStringList* AdditionalParamValues;  // owned

protected:
  // Sets Kind, Extension and every typed field to the class's defaults.
  void ApplyDefaults();
  // Copies every field and both lists from a profile of the same class.
  void CopyFrom(const TVideoProfile& source);
  // Sets Extension after a load (3GP picks .3gp or .3g2).
  virtual void UpdateExtension();
  // The file's text as Save writes it.
  String FileText() const;

private:
  // FilePath names this object's own file, which a save under another name replaces;
  // false for a clone, whose FilePath is its source's.
  bool ownsFile_ = false;
};

// Helper for the eight classes: cloning by the class's own constructor.
template <class Derived>
class TVideoProfileOf : public TVideoProfile {
public:
  using TVideoProfile::TVideoProfile;
  TVideoProfile* Clone() const override {
    auto* clone = new Derived(ProfileName, FilePath);
    clone->CopyFrom(*this);
    return clone;
  }
};

// "Profiles\" in the program's folder + the profile's name made safe for a file name + ".pf".
String GetDefaultProfileFileName(const TVideoProfile& profile);
// Deletes the file at the profile's FilePath; an empty path or a missing file is no error.
void DeleteProfileFile(const TVideoProfile& profile);
