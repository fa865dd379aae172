// MyID3TagImp and the loader's failures: a module that is missing or has no
// GetEncoderModule answers a negative result instead of calling through nothing.
#include "app/EncoderPlugin.h"

#include <gtest/gtest.h>

#include "app/ResampleContainer.h"
#include "tests/harness/BuildFolders.h"

namespace {

using Getter = const char* (MyID3Tag::*)();
using Setter = void (MyID3Tag::*)(const char*);
const struct {
  Getter get;
  Setter set;
} kTexts[] = {
    {&MyID3Tag::GetText1, &MyID3Tag::SetText1}, {&MyID3Tag::GetText2, &MyID3Tag::SetText2},
    {&MyID3Tag::GetText3, &MyID3Tag::SetText3}, {&MyID3Tag::GetText4, &MyID3Tag::SetText4},
    {&MyID3Tag::GetText5, &MyID3Tag::SetText5}, {&MyID3Tag::GetText6, &MyID3Tag::SetText6},
    {&MyID3Tag::GetText7, &MyID3Tag::SetText7}, {&MyID3Tag::GetText8, &MyID3Tag::SetText8},
    {&MyID3Tag::GetText9, &MyID3Tag::SetText9},
};

TEST(EncoderPluginTag, UnsetTextsAreEmptyAndTheNumberIsZero) {
  MyID3TagImp tag;
  for (const auto& t : kTexts) {
    const char* text = (tag.*t.get)();
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, "");
  }
  EXPECT_EQ(tag.GetNumber(), 0);
}

TEST(EncoderPluginTag, EachTextKeepsItsLastValueAlone) {
  MyID3TagImp tag;
  for (std::size_t i = 0; i < std::size(kTexts); ++i) {
    (tag.*kTexts[i].set)("first");
    (tag.*kTexts[i].set)(("text " + std::to_string(i + 1)).c_str());
  }
  tag.SetNumber(7);
  for (std::size_t i = 0; i < std::size(kTexts); ++i)
    EXPECT_EQ(String((tag.*kTexts[i].get)()), "text " + std::to_string(i + 1));
  EXPECT_EQ(tag.GetNumber(), 7);
  tag.SetText3(nullptr);  // a null text is stored as empty
  EXPECT_STREQ(tag.GetText3(), "");
  // The number and the texts are independent of each other.
  tag.SetNumber(0);
  EXPECT_EQ(String(tag.GetText6()), "text 6");
}

TEST(EncoderPluginTag, SetterCopiesTheCharacters) {
  MyID3TagImp tag;
  char buffer[] = "Title";
  tag.SetText1(buffer);
  buffer[0] = 'X';
  EXPECT_STREQ(tag.GetText1(), "Title");
}

TEST(EncoderPluginLoader, MissingModuleOrEntryFailsEveryCall) {
  const String paths[] = {
      "",
      BuiltProgramFolder() + "NoSuchEncoder.dll",
      BuiltProgramFolder() + "RateConverter.dll",  // a module without GetEncoderModule
  };
  for (const String& path : paths) {
    SCOPED_TRACE(path);
    EncoderPlugin plugin(path);
    EXPECT_FALSE(plugin.Loaded());
    AudioFormatRecord record;
    InitAudioFormatRecord(record);
    MyID3TagImp tag;
    EXPECT_LT(plugin.BeginEncoding("C:\\out.mp3", &tag, &record, nullptr, 0), 0);
    EXPECT_LT(plugin.EncodeBlock(&record), 0);
    plugin.EndEncoding(1);
    EXPECT_EQ(record.OutputLayout, kLayoutNotSet);
  }
}

}  // namespace
