#include "app/Myshelllib.h"

#include <gtest/gtest.h>

#include "app/AppInfo.h"
#include "tests/harness/TempProgramFolder.h"

namespace {

struct Question {
  String text, caption;
  int flags = 0;
} lastQuestion;

int AnswerYes(const String& text, const String& caption, int flags) {
  lastQuestion = {text, caption, flags};
  return 6;
}

}  // namespace

TEST(SharedRoutinesTest, MessageBoxGoesThroughTheHandler) {
  SetMessageBoxHandler(AnswerYes);
  EXPECT_EQ(AppMessageBox("Delete it?", "Varnel Revo", 68), 6);
  SetMessageBoxHandler(nullptr);
  EXPECT_EQ(lastQuestion.text, "Delete it?");
  EXPECT_EQ(lastQuestion.caption, "Varnel Revo");
  EXPECT_EQ(lastQuestion.flags, 68);
}

TEST(SharedRoutinesTest, CursorGuardRestoresTheArrow) {
  {
    MyCursor outer(MyCursor::kHourGlass);
    EXPECT_EQ(ScreenCursor(), MyCursor::kHourGlass);
    { MyCursor inner(MyCursor::kHourGlass); }
    EXPECT_EQ(ScreenCursor(), MyCursor::kDefault);  // guards do not nest
  }
  EXPECT_EQ(ScreenCursor(), MyCursor::kDefault);
}

TEST(SharedRoutinesTest, PathsFollowTheProgramFolder) {
  TempProgramFolder folder;
  EXPECT_EQ(GetHelpFileName(), folder.Path() + "VarnelRevo.chm");
  String documents = GetMyDocumentsFolder();
  ASSERT_FALSE(documents.empty());
  EXPECT_NE(documents.back(), '\\');
  EXPECT_EQ(ApplicationTitle(), "Varnel Revo v4.0.0");
}
