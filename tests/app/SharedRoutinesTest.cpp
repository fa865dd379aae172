#include "app/Myshelllib.h"

#include <gtest/gtest.h>

#include "app/AppInfo.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/TempProgramFolder.h"

TEST(SharedRoutinesTest, MessageBoxGoesThroughTheSystemCallHook) {
  SystemCallsGuard systemCalls;
  systemCalls.AnswerMessageBoxes(IDYES);
  EXPECT_EQ(AppMessageBox("Delete it?", "Varnel Revo", 68), IDYES);
  ASSERT_EQ(systemCalls.Boxes.size(), 1u);
  EXPECT_EQ(systemCalls.Boxes[0].Text, "Delete it?");
  EXPECT_EQ(systemCalls.Boxes[0].Caption, "Varnel Revo");
  EXPECT_EQ(systemCalls.Boxes[0].Flags, 68u);
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
