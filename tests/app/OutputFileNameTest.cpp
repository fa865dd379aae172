#include "app/OutputFileName.h"

#include <cstring>

#include <gtest/gtest.h>

#include "app/TimeText.h"

namespace {

TitleBeginInfo Info(int title, int angle, int chapter, int clip, const char* audio = "", int audioExt = 0,
                    const char* subtitle = "", int caption = 0) {
  TitleBeginInfo info{};
  info.TitleIndex = title;
  info.AngleIndex = angle;
  info.ChapterIndex = chapter;
  info.ClipNumber = clip;
  std::strncpy(info.AudioLanguage, audio, sizeof info.AudioLanguage - 1);
  info.AudioExtension = static_cast<std::uint8_t>(audioExt);
  std::strncpy(info.SubtitleLanguage, subtitle, sizeof info.SubtitleLanguage - 1);
  info.CaptionKind = static_cast<std::uint8_t>(caption);
  return info;
}

const char kSingle[] = "<volumelabel>_T<title_index>[angle_index][clips_number]";

}  // namespace

TEST(ReplaceFirstTest, ReplacesOnlyTheFirstExactOccurrence) {
  struct Case {
    const char* text;
    const char* token;
    const char* value;
    const char* expected;
  } cases[] = {
      {"a<t>b<t>", "<t>", "X", "aXb<t>"},
      {"<T>", "<t>", "X", "<T>"},               // case-sensitive
      {"abc", "", "X", "abc"},                  // empty token
      {"abc", "zz", "X", "abc"},
      {"<t>", "<t>", "<t><t>", "<t><t>"},       // the value is not searched again
      {"<t>", "<t>", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ReplaceFirst(c.text, c.token, c.value), c.expected) << c.text;
}

TEST(BuildOutputFileNameTest, ExpandsTheTokensInOrder) {
  struct Case {
    const char* pattern;
    const char* label;
    TitleBeginInfo info;
    const char* expected;
  } cases[] = {
      {kSingle, "MOVIE", Info(0, 0, 0, 1), "MOVIE_T01"},
      {kSingle, "MOVIE", Info(0, 1, 0, 3), "MOVIE_T01_Angle02_Clips03"},
      {kSingle, "MOVIE", Info(0, 0, 0, 0), "MOVIE_T01"},
      {kSingle, "MOVIE", Info(98, 0, 0, 2), "MOVIE_T99_Clips02"},
      {"<volumelabel>_T<title_index>[angle_index]_<clips_number>", "M", Info(4, 0, 0, 0), "M_T05_00"},
      {"<volumelabel>_T<title_index>[angle_index]_<clips_number>", "M", Info(4, 0, 0, 1), "M_T05_01"},
      {"<volumelabel>_T<title_index>[angle_index]_C<chapter_index>", "M", Info(0, 2, 11, 1), "M_T01_Angle03_C12"},
      {"T<title_index>_T<title_index>", "M", Info(2, 0, 0, 1), "T03_T<title_index>"},
      {"<angle_index>", "M", Info(0, 0, 0, 1), "01"},
      {"<volumelabel>\\\\T<title_index>[clips_number]", "DISC", Info(0, 0, 0, 1), "DISC\\\\T01"},
      {"(Audio_<audio_lang> <audio_ext>)", "M", Info(0, 0, 0, 1, "English", 2), "(Audio_English Visually Impaired)"},
      {"<audio_ext>|<audio_ext>", "M", Info(0, 0, 0, 1, "", 4), "Director's Comments|<audio_ext>"},
      {"[<audio_ext>]", "M", Info(0, 0, 0, 1, "", 5), "[]"},
      {"(Subtitle_<subtitle_lang> <subtitle_ext>)", "M", Info(0, 0, 0, 1), "(Subtitle_ )"},
      {"<subtitle_lang> <subtitle_ext>", "M", Info(0, 0, 0, 1, "", 0, "French", 14),
       "French Large-Sized Director's Comments"},
      {"  <volumelabel>  ", " M ", Info(0, 0, 0, 1), "M"},  // trimmed at both ends
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildOutputFileName(c.pattern, c.label, c.info), c.expected) << c.pattern;
  }
}

TEST(BuildOutputFileNameTest, CaptionKindsNameTheSubtitleExtension) {
  const char* texts[16] = {"",
                           "Normal Captions",
                           "Big Captions",
                           "Captions For Children",
                           "",
                           "Normal Closed Captions",
                           "Big Closed Captions",
                           "Closed Captions For Children",
                           "",
                           "Forcedly Activated",
                           "",
                           "",
                           "",
                           "Director's Comments",
                           "Large-Sized Director's Comments",
                           "Director's Comments for Children"};
  for (int kind = 0; kind < 16; ++kind) {
    EXPECT_EQ(BuildOutputFileName("x<subtitle_ext>", "M", Info(0, 0, 0, 1, "", 0, "", kind)),
              String("x") + texts[kind])
        << kind;
  }
}

TEST(BuildOutputFileNameTest, DiscTextsCannotLeaveTheOutputFolder) {
  const char* pattern = "<volumelabel>\\<audio_lang>\\<subtitle_lang>";
  struct Case {
    const char* label;
    const char* audio;
    const char* subtitle;
    const char* expected;
  } cases[] = {
      {"..", "..", ".", "__\\__\\_"},
      {"..\\..\\Windows", "a/b", "C:x", ".._.._Windows\\a_b\\C_x"},
      {"<title_index>", "English", "", "_title_index_\\English\\"},  // no token injection
      {"A*B?C\"D|E<F>G", "x\ty", "z\x01", "A_B_C_D_E_F_G\\x_y\\z_"},
      {"CON", "nul", "Com1.txt", "_CON\\_nul\\_Com1.txt"},
      {"CONSOLE", "LPT0", "COM10", "CONSOLE\\LPT0\\COM10"},  // not devices
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildOutputFileName(pattern, c.label, Info(0, 0, 0, 1, c.audio, 0, c.subtitle)), c.expected)
        << c.label;
  }
}

TEST(BuildOutputFileNameTest, UnterminatedLanguageFieldsAreReadToTheirEnd) {
  TitleBeginInfo info = Info(0, 0, 0, 1);
  std::memset(info.AudioLanguage, 'a', sizeof info.AudioLanguage);
  info.AudioExtension = 0;
  std::memset(info.SubtitleLanguage, 's', sizeof info.SubtitleLanguage);
  info.CaptionKind = 0;
  EXPECT_EQ(BuildOutputFileName("<audio_lang>|<subtitle_lang>", "M", info), String(256, 'a') + "|" + String(256, 's'));
}

TEST(FormatSecondsHMSTest, HoursDoNotWrap) {
  struct Case {
    unsigned seconds;
    const char* expected;
  } cases[] = {
      {0, "00:00:00 "}, {59, "00:00:59 "}, {3725, "01:02:05 "}, {86399, "23:59:59 "}, {360000, "100:00:00 "},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatSecondsHMS(c.seconds), c.expected) << c.seconds;
}
