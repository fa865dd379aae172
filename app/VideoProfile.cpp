#include "app/VideoProfile.h"

#include "app/OutputFileName.h"
#include "platform/core/FileUtils.h"
#include "platform/core/SysUtils.h"
#include "platform/io/IniDocument.h"
#include "platform/io/IniFiles.h"
#include "platform/io/Streams.h"

namespace {

const char kCommon[] = "ProfileCommon";
const char kAdditional[] = "AdditionalParam";
const char kUnknown[] = "Unknow";

EncoderObjectFactory factories[kVideoFormatKindCount] = {};

// A value as a line of the file holds it: control characters cannot end the line
// early, and blanks or quotes at its ends survive the reader's trimming.
String FileValue(const String& value) {
  String text = value;
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 32) c = ' ';
  }
  bool needsQuotes =
      !text.empty() && (text.front() == ' ' || text.back() == ' ' || IniDocument::Unquoted(text) != text);
  return needsQuotes ? "\"" + text + "\"" : text;
}

// The default file name, or, when that file exists and is not the profile's own,
// the first free name "<name> (2).pf", "<name> (3).pf", ...
String FreeProfileFileName(const TVideoProfile& profile) {
  String name = GetDefaultProfileFileName(profile);
  if (!FileExists(name) || SameText(name, profile.FilePath)) return name;
  String stem = ChangeFileExt(name, "");
  for (int number = 2;; ++number) {
    String candidate = stem + " (" + IntToStr(number) + ").pf";
    if (!FileExists(candidate) || SameText(candidate, profile.FilePath)) return candidate;
  }
}

}  // namespace

void SetEncoderObjectFactory(VideoFormatKind kind, EncoderObjectFactory factory) {
  if (kind >= 0 && kind < kVideoFormatKindCount) factories[kind] = factory;
}

EncoderObjectFactory GetEncoderObjectFactory(VideoFormatKind kind) {
  return kind >= 0 && kind < kVideoFormatKindCount ? factories[kind] : nullptr;
}

TVideoProfile::TVideoProfile(const String& name, const String& path)
    : FilePath(path),
      ProfileName(name),
      AdditionalParamKeys(new TStringList()),
      AdditionalParamValues(new TStringList()),
      ownsFile_(!path.empty()) {}

TVideoProfile::~TVideoProfile() {
  delete AdditionalParamValues;
  delete AdditionalParamKeys;
}

void TVideoProfile::ApplyDefaults() {
  const ProfileLayout& layout = Layout();
  Kind = layout.Kind;
  Extension = layout.Extension;
  ResetRecord<TVideoProfile>(*this, layout.Fields);
}

void TVideoProfile::UpdateExtension() { Extension = Layout().Extension; }

bool TVideoProfile::Load() {
  const ProfileLayout& layout = Layout();
  try {
    TIniFile ini(FilePath);
    ProfileName = ini.ReadString(kCommon, "ProfileName", kUnknown);
    if (UpperCase(ini.ReadString(kCommon, "VideoFormat", String())) != layout.FormatWord) return false;
    ReadRecord<TVideoProfile>(ini, layout.Section, *this, layout.Fields);
    ini.ReadSection(kAdditional, AdditionalParamKeys);
    AdditionalParamValues->Clear();
    for (int i = 0; i < AdditionalParamKeys->Count(); ++i) {
      AdditionalParamValues->Add(ini.ReadString(kAdditional, AdditionalParamKeys->Get(i), String()));
    }
    Kind = layout.Kind;
    UpdateExtension();
    ownsFile_ = true;
    return true;
  } catch (const Exception&) {
    return false;
  }
}

String TVideoProfile::FileText() const {
  const ProfileLayout& layout = Layout();
  String text = String("[") + kCommon + "]\r\n";
  text += "ProfileName=" + FileValue(ProfileName) + "\r\n";
  text += String("VideoFormat=") + layout.FormatWord + "\r\n";
  text += String("\r\n[") + layout.Section + "]\r\n";
  WriteRecord<TVideoProfile>(*this, layout.Fields,
                             [&](const char* key, const String& value) { text += String(key) + "=" + FileValue(value) + "\r\n"; });
  if (AdditionalParamKeys->Count() > 0) {
    text += String("\r\n[") + kAdditional + "]\r\n";
    for (int i = 0; i < AdditionalParamKeys->Count(); ++i) {
      String value = i < AdditionalParamValues->Count() ? AdditionalParamValues->Get(i) : String();
      text += FileValue(AdditionalParamKeys->Get(i)) + "=" + FileValue(value) + "\r\n";
    }
  }
  return text;
}

bool TVideoProfile::Save(const String& path) {
  try {
    const String target = path.empty() ? FreeProfileFileName(*this) : path;
    const String folder = ExtractFilePath(target);
    if (!folder.empty() && !DirectoryExists(folder) && !ForceDirectories(folder)) return false;
    if (!WriteFileAtomically(target, FileText())) return false;
    if (ownsFile_ && !FilePath.empty() && !SameText(FilePath, target)) DeleteFile(FilePath);
    FilePath = target;
    ownsFile_ = true;
    return true;
  } catch (const Exception&) {
    return false;
  }
}

bool TVideoProfile::IsEqual(const TVideoProfile* other) const {
  if (!other || other->Kind != Kind) return false;
  const ProfileLayout& layout = Layout();
  if (&other->Layout() != &layout) return false;  // a Kind that does not match the class
  if (ProfileName != other->ProfileName) return false;
  return SameRecord<TVideoProfile>(*this, *other, layout.Fields);
}

void TVideoProfile::CopyFrom(const TVideoProfile& source) {
  Kind = source.Kind;
  FilePath = source.FilePath;
  ProfileName = source.ProfileName;
  Width = source.Width;
  Height = source.Height;
  Extension = source.Extension;
  CopyRecord<TVideoProfile>(*this, source, Layout().Fields);
  AdditionalParamKeys->Clear();
  AdditionalParamValues->Clear();
  for (int i = 0; i < source.AdditionalParamKeys->Count(); ++i) AdditionalParamKeys->Add(source.AdditionalParamKeys->Get(i));
  for (int i = 0; i < source.AdditionalParamValues->Count(); ++i) {
    AdditionalParamValues->Add(source.AdditionalParamValues->Get(i));
  }
  ownsFile_ = false;
}

TEncoderObject* TVideoProfile::CreateEncoderObject(const String& outputPath, std::int32_t sourceWidth,
                                                   std::int32_t sourceHeight, std::int32_t pixelFormat,
                                                   std::int32_t frameRate1, std::int32_t frameRate2,
                                                   std::int32_t audioSampleRate, std::int32_t audioChannels,
                                                   bool keepAspect, bool secondFlag, std::int32_t cropLeft,
                                                   std::int32_t cropRight, std::int32_t cropTop,
                                                   std::int32_t cropBottom, std::int32_t reserved1,
                                                   std::int32_t reserved2, std::int32_t reserved3,
                                                   std::int32_t reserved4) {
  EncoderObjectFactory factory = GetEncoderObjectFactory(Layout().Kind);
  if (!factory) return nullptr;
  EncoderObjectValues values;
  values.SourceWidth = sourceWidth;
  values.SourceHeight = sourceHeight;
  values.PixelFormat = pixelFormat;
  values.FrameRate1 = frameRate1;
  values.FrameRate2 = frameRate2;
  values.AudioSampleRate = audioSampleRate;
  values.AudioChannels = audioChannels;
  values.KeepAspect = keepAspect;
  values.SecondFlag = secondFlag;
  values.CropLeft = cropLeft;
  values.CropRight = cropRight;
  values.CropTop = cropTop;
  values.CropBottom = cropBottom;
  values.Reserved[0] = reserved1;
  values.Reserved[1] = reserved2;
  values.Reserved[2] = reserved3;
  values.Reserved[3] = reserved4;
  return factory(*this, outputPath, values);
}

String GetDefaultProfileFileName(const TVideoProfile& profile) {
  return ProgramFolder() + "Profiles\\" + SafeFileNamePart(profile.ProfileName) + ".pf";
}

void DeleteProfileFile(const TVideoProfile& profile) {
  if (!profile.FilePath.empty() && FileExists(profile.FilePath)) DeleteFile(profile.FilePath);
}
