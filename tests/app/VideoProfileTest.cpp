#include "app/VideoProfiles.h"

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "platform/core/FileUtils.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

struct ClassCase {
  const char* name;
  std::function<TVideoProfile*(const String&, const String&)> make;
  VideoFormatKind kind;
  const char* word;
  const char* extension;
  int width, height;
};

template <class T>
TVideoProfile* MakeProfile(const String& name, const String& path) {
  return new T(name, path);
}

const ClassCase kClasses[] = {
    {"3GP", MakeProfile<T3GPProfile>, vfk3GP, "3GPP", ".3gp", 176, 144},
    {"AVI", MakeProfile<TAVIProfile>, vfkAVI, "AVI", ".avi", 320, 240},
    {"MPEG", MakeProfile<TMPEGProfile>, vfkMPEG, "MPEG", ".mpg", 320, 240},
    {"MP4", MakeProfile<TMP4Profile>, vfkMP4, "MP4", ".mp4", 320, 240},
    {"WMV", MakeProfile<TWMVProfile>, vfkWMV, "WMV", ".wmv", 320, 240},
    {"Real", MakeProfile<TRealProfile>, vfkReal, "REAL", ".rm", 176, 144},
    {"MOV", MakeProfile<TMOVProfile>, vfkMOV, "MOV", ".mov", 320, 240},
    {"FLV", MakeProfile<TFLVProfile>, vfkFLV, "FLV", ".flv", 320, 240},
};

// Gives every typed field of the profile a value other than its default.
void ChangeEveryField(TVideoProfile& profile) {
  int step = 1;
  for (const ProfileField& field : profile.Layout().Fields) {
    switch (field.Type) {
      case ProfileFieldType::kIndex: profile.*field.Index = static_cast<std::uint8_t>(field.NumberDefault + 1 + step); break;
      case ProfileFieldType::kFlag: profile.*field.Flag = field.NumberDefault == 0; break;
      case ProfileFieldType::kInt: profile.*field.Int = static_cast<std::int32_t>(field.NumberDefault) + 1000 * step; break;
      case ProfileFieldType::kDouble: profile.*field.Real = 29.97; break;
      case ProfileFieldType::kText: profile.*field.Text = " changed \"text\" "; break;
    }
    ++step;
  }
}

std::unique_ptr<TVideoProfile> Loaded(const ClassCase& c, const String& path) {
  std::unique_ptr<TVideoProfile> profile(c.make("", path));
  EXPECT_TRUE(profile->Load()) << path;
  return profile;
}

class VideoProfileTest : public testing::Test {
protected:
  TempProgramFolder folder;
};

}  // namespace

TEST_F(VideoProfileTest, NewProfilesHoldTheirClassDefaults) {
  for (const ClassCase& c : kClasses) {
    std::unique_ptr<TVideoProfile> profile(c.make("Name", "C:\\x.pf"));
    SCOPED_TRACE(c.name);
    EXPECT_EQ(profile->Kind, c.kind);
    EXPECT_EQ(profile->Extension, c.extension);
    EXPECT_EQ(profile->Width, c.width);
    EXPECT_EQ(profile->Height, c.height);
    EXPECT_EQ(profile->ProfileName, "Name");
    EXPECT_EQ(profile->FilePath, "C:\\x.pf");
    EXPECT_EQ(profile->AdditionalParamKeys->Count(), 0);
  }
  TMPEGProfile mpeg("", "");
  EXPECT_EQ(mpeg.MPEGVersion, 1);
  EXPECT_EQ(mpeg.FrameRate, 23.97);
  EXPECT_EQ(mpeg.VideoBitrate, 1150000);
  EXPECT_EQ(mpeg.AudioBitrate, 224000);
  T3GPProfile gp("", "");
  EXPECT_EQ(gp.VideoCodec, 1);
  EXPECT_EQ(gp.AudioCodec, 2);
  EXPECT_EQ(gp.VideoBitrateTolerance, 60000);
  TWMVProfile wmv("", "");
  EXPECT_EQ(wmv.WMV_Version, 1);
  EXPECT_EQ(wmv.VBRVideoQuality, 90);
  EXPECT_EQ(wmv.AudioFormatName, "64 kbps, 44 kHz, stereo CBR");
  TRealProfile real("", "");
  EXPECT_EQ(real.AudioFormatName, "44 Kbps Music - RealAudio");
  EXPECT_EQ(TFLVProfile("", "").FrameRate, 24.0);
}

TEST_F(VideoProfileTest, AFileWithOnlyTheFormatLoadsTheDefaults) {
  String path = folder.Write("p.pf", "[ProfileCommon]\r\nVideoFormat=mpeg\r\n");
  TMPEGProfile mpeg("before", path);
  ASSERT_TRUE(mpeg.Load());
  TMPEGProfile fresh("Unknow", "");
  EXPECT_EQ(mpeg.ProfileName, "Unknow");
  EXPECT_TRUE(mpeg.IsEqual(&fresh));
  EXPECT_EQ(mpeg.VideoVBRMaxBitrate, 1150000);

  TAVIProfile avi("before", path);
  EXPECT_FALSE(avi.Load());
  EXPECT_EQ(avi.ProfileName, "Unknow");  // read before the format check

  TAVIProfile missing("before", folder.Path() + "missing.pf");
  EXPECT_FALSE(missing.Load());
}

TEST_F(VideoProfileTest, MalformedNumbersTakeTheirDefaults) {
  String path = folder.Write("p.pf",
                             "[ProfileCommon]\r\nProfileName=odd\r\nVideoFormat=3GPP\r\n[3GPProfile]\r\n"
                             "FrameRate=fast\r\nVideoBitrate=12k\r\n3GPFormat=1\r\nAudioCodec=300\r\n");
  T3GPProfile profile("", path);
  ASSERT_TRUE(profile.Load());
  EXPECT_EQ(profile.FrameRate, 15.0);
  EXPECT_EQ(profile.VideoBitrate, 120000);
  EXPECT_EQ(profile.Format3GP, 1);
  EXPECT_EQ(profile.Extension, ".3g2");
  EXPECT_EQ(profile.AudioCodec, 300 & 0xFF);  // an index is a byte
  EXPECT_EQ(T3GPProfile("", "").Extension, ".3gp");
}

TEST_F(VideoProfileTest, SaveAndLoadKeepEveryField) {
  for (const ClassCase& c : kClasses) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TVideoProfile> profile(c.make("Round trip", ""));
    ChangeEveryField(*profile);
    profile->AdditionalParamKeys->Add("g");
    profile->AdditionalParamValues->Add("2");
    profile->AdditionalParamKeys->Add("f");
    profile->AdditionalParamValues->Add("avi");
    String path = folder.Path() + c.name + ".pf";
    ASSERT_TRUE(profile->Save(path));
    EXPECT_EQ(profile->FilePath, path);
    std::unique_ptr<TVideoProfile> loaded = Loaded(c, path);
    EXPECT_TRUE(loaded->IsEqual(profile.get()));
    for (const ProfileField& field : profile->Layout().Fields) {
      if (field.Type == ProfileFieldType::kText) {
        EXPECT_EQ(loaded.get()->*field.Text, " changed \"text\" ");
      } else if (field.Type == ProfileFieldType::kFlag) {
        EXPECT_EQ(loaded.get()->*field.Flag, profile.get()->*field.Flag);
      } else if (field.Type == ProfileFieldType::kInt) {
        EXPECT_EQ(loaded.get()->*field.Int, profile.get()->*field.Int);
      }
    }
    EXPECT_EQ(loaded->AdditionalParamKeys->CommaText(), "g,f");
    EXPECT_EQ(loaded->AdditionalParamValues->CommaText(), "2,avi");
  }
}

TEST_F(VideoProfileTest, AFreshFileHoldsItsSectionsInOrder) {
  TFLVProfile flv("Web", "");
  flv.AdditionalParamKeys->Add("g");
  flv.AdditionalParamValues->Add("2");
  flv.AdditionalParamKeys->Add("f");
  flv.AdditionalParamValues->Add("avi");
  ASSERT_TRUE(flv.Save(folder.Path() + "web.pf"));
  EXPECT_EQ(folder.Read("web.pf"),
            "[ProfileCommon]\r\nProfileName=Web\r\nVideoFormat=FLV\r\n\r\n"
            "[FLVProfile]\r\nWidth=320\r\nHeight=240\r\nFrameRate=24\r\nVideoBitrate=768000\r\n"
            "AudioFrequency=44100\r\nAudioChannels=2\r\nAudioBitrate=96000\r\n\r\n"
            "[AdditionalParam]\r\ng=2\r\nf=avi\r\n");
  TAVIProfile avi("Plain", "");
  ASSERT_TRUE(avi.Save(folder.Path() + "plain.pf"));
  EXPECT_EQ(folder.Read("plain.pf").find("AdditionalParam"), String::npos);
  EXPECT_NE(folder.Read("plain.pf").find("FrameRate=23.97\r\n"), String::npos);
}

TEST_F(VideoProfileTest, SavingWithoutAPathNamesTheFileAfterTheProfile) {
  struct Case {
    const char* name;
    const char* file;
  } cases[] = {
      {"a/b:c", "Profiles\\a_b_c.pf"},
      {"x*y?z\"<>|\\", "Profiles\\x_y_z_____.pf"},
      {"CON", "Profiles\\_CON.pf"},  // a device name cannot be a file
  };
  for (const Case& c : cases) {
    TAVIProfile profile(c.name, "");
    EXPECT_EQ(GetDefaultProfileFileName(profile), folder.Path() + c.file);
    ASSERT_TRUE(profile.Save(""));
    EXPECT_EQ(profile.FilePath, folder.Path() + c.file);
    EXPECT_TRUE(FileExists(folder.Path() + c.file)) << c.name;
  }
}

TEST_F(VideoProfileTest, SavingUnderANewNameOrPathReplacesTheOldFile) {
  String old = folder.Write("Profiles\\X.pf", "[ProfileCommon]\r\nProfileName=X\r\nVideoFormat=AVI\r\n");
  TAVIProfile profile("", old);
  ASSERT_TRUE(profile.Load());
  ASSERT_TRUE(profile.Save(folder.Path() + "elsewhere.pf"));
  EXPECT_FALSE(FileExists(old));
  profile.ProfileName = "Renamed";
  ASSERT_TRUE(profile.Save(""));
  EXPECT_FALSE(FileExists(folder.Path() + "elsewhere.pf"));
  EXPECT_TRUE(FileExists(folder.Path() + "Profiles\\Renamed.pf"));
  ASSERT_TRUE(profile.Save(""));  // its own file again: rewritten in place
  EXPECT_TRUE(FileExists(folder.Path() + "Profiles\\Renamed.pf"));
}

TEST_F(VideoProfileTest, AFailedSaveLosesNothing) {
  String old = folder.Write("Profiles\\Keep.pf", "[ProfileCommon]\r\nProfileName=Keep\r\nVideoFormat=AVI\r\n");
  String before = folder.Read("Profiles\\Keep.pf");
  folder.Write("blocker", "a file where a folder should be");
  TAVIProfile profile("", old);
  ASSERT_TRUE(profile.Load());
  profile.VideoBitrate = 1;
  EXPECT_FALSE(profile.Save(folder.Path() + "blocker\\new.pf"));
  EXPECT_EQ(profile.FilePath, old);
  EXPECT_EQ(folder.Read("Profiles\\Keep.pf"), before);
}

TEST_F(VideoProfileTest, NamesThatBecomeTheSameFileDoNotOverwriteEachOther) {
  TAVIProfile first("a/b", "");
  TAVIProfile second("a:b", "");
  TAVIProfile third("a|b", "");
  first.VideoBitrate = 1;
  second.VideoBitrate = 2;
  third.VideoBitrate = 3;
  ASSERT_TRUE(first.Save(""));
  ASSERT_TRUE(second.Save(""));
  ASSERT_TRUE(third.Save(""));
  EXPECT_EQ(first.FilePath, folder.Path() + "Profiles\\a_b.pf");
  EXPECT_EQ(second.FilePath, folder.Path() + "Profiles\\a_b (2).pf");
  EXPECT_EQ(third.FilePath, folder.Path() + "Profiles\\a_b (3).pf");
  TAVIProfile reread("", first.FilePath);
  ASSERT_TRUE(reread.Load());
  EXPECT_EQ(reread.VideoBitrate, 1);
  EXPECT_EQ(reread.ProfileName, "a/b");

  // Renaming the second leaves the others' files alone.
  second.ProfileName = "other";
  ASSERT_TRUE(second.Save(""));
  EXPECT_TRUE(FileExists(first.FilePath));
  EXPECT_TRUE(FileExists(third.FilePath));
  EXPECT_FALSE(FileExists(folder.Path() + "Profiles\\a_b (2).pf"));
}

TEST_F(VideoProfileTest, AClonesSaveKeepsItsSourcesFile) {
  TAVIProfile source("Source", "");
  ASSERT_TRUE(source.Save(""));
  std::unique_ptr<TVideoProfile> copy(source.Clone());
  EXPECT_EQ(copy->FilePath, source.FilePath);
  copy->ProfileName = "Source - Copy";
  ASSERT_TRUE(copy->Save(""));
  EXPECT_TRUE(FileExists(source.FilePath));
  EXPECT_TRUE(FileExists(folder.Path() + "Profiles\\Source - Copy.pf"));
  ASSERT_TRUE(copy->Save(folder.Path() + "LastVideoProfile.pf"));
  EXPECT_TRUE(FileExists(source.FilePath));
  EXPECT_FALSE(FileExists(folder.Path() + "Profiles\\Source - Copy.pf"));  // the clone's own file moved
}

TEST_F(VideoProfileTest, DeleteProfileFileToleratesMissingFiles) {
  TAVIProfile profile("Gone", "");
  DeleteProfileFile(profile);  // empty path
  ASSERT_TRUE(profile.Save(""));
  DeleteProfileFile(profile);
  EXPECT_FALSE(FileExists(profile.FilePath));
  DeleteProfileFile(profile);  // already gone
}

TEST_F(VideoProfileTest, IsEqualComparesKindNameAndTheListedFields) {
  for (const ClassCase& c : kClasses) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TVideoProfile> a(c.make("P", "a.pf"));
    std::unique_ptr<TVideoProfile> b(c.make("P", "b.pf"));
    b->Extension = ".other";
    b->AdditionalParamKeys->Add("f");
    b->AdditionalParamValues->Add("avi");
    EXPECT_TRUE(a->IsEqual(b.get()));
    b->ProfileName = "p";
    EXPECT_FALSE(a->IsEqual(b.get()));
    EXPECT_FALSE(a->IsEqual(nullptr));
    for (const ProfileField& field : a->Layout().Fields) {
      std::unique_ptr<TVideoProfile> changed(a->Clone());
      ChangeEveryField(*changed);
      std::unique_ptr<TVideoProfile> one(a->Clone());
      switch (field.Type) {
        case ProfileFieldType::kIndex: one.get()->*field.Index = changed.get()->*field.Index; break;
        case ProfileFieldType::kFlag: one.get()->*field.Flag = changed.get()->*field.Flag; break;
        case ProfileFieldType::kInt: one.get()->*field.Int = changed.get()->*field.Int; break;
        case ProfileFieldType::kDouble: one.get()->*field.Real = changed.get()->*field.Real; break;
        case ProfileFieldType::kText: one.get()->*field.Text = changed.get()->*field.Text; break;
      }
      EXPECT_EQ(a->IsEqual(one.get()), !field.Compared) << field.Key;
    }
  }
  TAVIProfile avi("P", "");
  TMOVProfile mov("P", "");
  EXPECT_FALSE(avi.IsEqual(&mov));
}

TEST_F(VideoProfileTest, OnlyTheMOVRateControlAndWMVSystemProfileNameAreNotCompared) {
  const char* notCompared[] = {"WMV SystemProfileName", "MOV UseVBR", "MOV VideoVBRMaxBitrate",
                               "MOV VideoVBRMinBitrate"};
  String found;
  for (const ClassCase& c : kClasses) {
    std::unique_ptr<TVideoProfile> profile(c.make("", ""));
    for (const ProfileField& field : profile->Layout().Fields) {
      if (!field.Compared) found += String(c.name) + " " + field.Key + ",";
    }
  }
  String expected;
  for (const char* name : notCompared) expected += String(name) + ",";
  EXPECT_EQ(found, expected);
}

TEST_F(VideoProfileTest, WMVProfilesUsingSystemProfilesCompareByItsName) {
  TWMVProfile a("P", "");
  TWMVProfile b("P", "");
  a.UseSystemProfile = b.UseSystemProfile = true;
  a.SystemProfileName = b.SystemProfileName = "Video for broadband (768 Kbps)";
  b.Width = 640;
  b.FrameRate = 30;
  EXPECT_TRUE(a.IsEqual(&b));
  b.SystemProfileName = "Video for dial-up";
  EXPECT_FALSE(a.IsEqual(&b));
  b.SystemProfileName = a.SystemProfileName;
  b.UseSystemProfile = false;
  EXPECT_FALSE(a.IsEqual(&b));
  a.UseSystemProfile = false;
  b.Width = a.Width;
  b.FrameRate = a.FrameRate;
  b.SystemProfileName = "ignored without system profiles";
  EXPECT_TRUE(a.IsEqual(&b));
}

TEST_F(VideoProfileTest, ClonesShareNothingWithTheirSource) {
  for (const ClassCase& c : kClasses) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TVideoProfile> source(c.make("S", "s.pf"));
    ChangeEveryField(*source);
    source->Extension = ".x";
    source->AdditionalParamKeys->Add("g");
    source->AdditionalParamValues->Add("2");
    std::unique_ptr<TVideoProfile> clone(source->Clone());
    EXPECT_EQ(typeid(*clone), typeid(*source));
    EXPECT_TRUE(clone->IsEqual(source.get()));
    EXPECT_EQ(clone->FilePath, "s.pf");
    EXPECT_EQ(clone->Extension, ".x");
    for (const ProfileField& field : source->Layout().Fields) {
      if (field.Type == ProfileFieldType::kInt) {
        EXPECT_EQ(clone.get()->*field.Int, source.get()->*field.Int);
      } else if (field.Type == ProfileFieldType::kFlag) {
        EXPECT_EQ(clone.get()->*field.Flag, source.get()->*field.Flag);
      }
    }
    clone->AdditionalParamKeys->Add("f");
    clone->AdditionalParamValues->Put(0, "3");
    EXPECT_EQ(source->AdditionalParamKeys->CommaText(), "g");
    EXPECT_EQ(source->AdditionalParamValues->CommaText(), "2");
  }
}

TEST_F(VideoProfileTest, SavingAMOVCloneKeepsItsRateControl) {
  String path = folder.Write("mov.pf",
                             "[ProfileCommon]\r\nProfileName=M\r\nVideoFormat=MOV\r\n[MOVProfile]\r\n"
                             "UseVBR=1\r\nVideoVBRMaxBitrate=900000\r\nVideoVBRMinBitrate=100000\r\n");
  TMOVProfile source("", path);
  ASSERT_TRUE(source.Load());
  std::unique_ptr<TVideoProfile> clone(source.Clone());
  ASSERT_TRUE(clone->Save(folder.Path() + "LastVideoProfile.pf"));
  TMOVProfile reread("", folder.Path() + "LastVideoProfile.pf");
  ASSERT_TRUE(reread.Load());
  EXPECT_TRUE(reread.UseVBR);
  EXPECT_EQ(reread.VideoVBRMaxBitrate, 900000);
  EXPECT_EQ(reread.VideoVBRMinBitrate, 100000);
}

namespace {

struct FactoryCall {
  const TVideoProfile* profile = nullptr;
  String path;
  EncoderObjectValues values;
} lastCall;
TEncoderObject* const kFakeEncoder = reinterpret_cast<TEncoderObject*>(0x2000);

TEncoderObject* RecordingFactory(const TVideoProfile& profile, const String& path, const EncoderObjectValues& values) {
  lastCall = {&profile, path, values};
  return kFakeEncoder;
}

}  // namespace

TEST_F(VideoProfileTest, EncoderObjectsComeFromTheRegisteredFactory) {
  TMP4Profile mp4("", "");
  EXPECT_EQ(mp4.CreateEncoderObject("out.mp4", 720, 576, 5, 25, 1, 48000, 2, true, false, 1, 2, 3, 4, 0, 0, 0, 0),
            nullptr);
  SetEncoderObjectFactory(vfkMP4, RecordingFactory);
  EXPECT_EQ(mp4.CreateEncoderObject("out.mp4", 720, 576, 5, 25, 1, 48000, 2, true, false, 1, 2, 3, 4, 5, 6, 7, 8),
            kFakeEncoder);
  EXPECT_EQ(TAVIProfile("", "").CreateEncoderObject("x", 0, 0, 0, 0, 0, 0, 0, false, false, 0, 0, 0, 0, 0, 0, 0, 0),
            nullptr);
  SetEncoderObjectFactory(vfkMP4, nullptr);
  EXPECT_EQ(lastCall.profile, &mp4);
  EXPECT_EQ(lastCall.path, "out.mp4");
  EXPECT_EQ(lastCall.values.SourceWidth, 720);
  EXPECT_EQ(lastCall.values.SourceHeight, 576);
  EXPECT_EQ(lastCall.values.PixelFormat, 5);
  EXPECT_EQ(lastCall.values.FrameRate1, 25);
  EXPECT_EQ(lastCall.values.FrameRate2, 1);
  EXPECT_EQ(lastCall.values.AudioSampleRate, 48000);
  EXPECT_EQ(lastCall.values.AudioChannels, 2);
  EXPECT_TRUE(lastCall.values.KeepAspect);
  EXPECT_FALSE(lastCall.values.SecondFlag);
  EXPECT_EQ(lastCall.values.CropLeft, 1);
  EXPECT_EQ(lastCall.values.CropRight, 2);
  EXPECT_EQ(lastCall.values.CropTop, 3);
  EXPECT_EQ(lastCall.values.CropBottom, 4);
  EXPECT_EQ(lastCall.values.Reserved[3], 8);
}
