// The pieces of the source text and the wait-scan dialog the VOB scan drives.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "app/main/FormRegistrations.h"
#include "app/main/MainFrm.h"
#include "app/main/WaitScanFrm.h"
#include "platform/stdctrls/Button.h"
#include "platform/stdctrls/CGauge.h"
#include "platform/stdctrls/Label.h"

namespace {

String Joined(int count, const char* piece) {
  String text;
  for (int i = 0; i < count; ++i) text += (i ? ";" : "") + String(piece) + std::to_string(i);
  return text;
}

}  // namespace

TEST(SplitFileList, PiecesInOrderNeverMoreThanTheCallersArray) {
  struct Case {
    String list;
    int count;
    String first, last;
  } cases[] = {
      {"", 1, "", ""},
      {"a.vob", 1, "a.vob", "a.vob"},
      {"a;;b;", 4, "a", ""},
      {Joined(20, "f"), 20, "f0", "f19"},
      {Joined(21, "f"), 20, "f0", "f19"},
      {Joined(40, "f"), 20, "f0", "f19"},
  };
  for (const Case& c : cases) {
    char* pieces[kMaxVOBFiles + 1] = {};
    pieces[kMaxVOBFiles] = reinterpret_cast<char*>(0x1);  // a guard the split must not touch
    const int count = SplitFileList(c.list, pieces);
    EXPECT_EQ(count, c.count) << c.list;
    EXPECT_STREQ(pieces[0], c.first.c_str()) << c.list;
    EXPECT_STREQ(pieces[count - 1], c.last.c_str()) << c.list;
    EXPECT_EQ(pieces[kMaxVOBFiles], reinterpret_cast<char*>(0x1));
    FreeFileList(pieces, count);
  }
}

TEST(WaitScan, ShowsTheFileAndTheWorkAndStopsOnceCancelled) {
  UseProgramFormDefinitions();
  std::unique_ptr<TWaitScanForm> form(NewForm<TWaitScanForm>(nullptr));
  EXPECT_EQ(form->Caption(), "WaitScanForm");
  EXPECT_EQ(form->lblInfo->Caption(), "Scanning VOB file. please wait...");
  EXPECT_EQ(WaitScanShow(form.get()), 1);
  EXPECT_TRUE(form->Visible());

  ScanProgressInfo info = {};
  info.Total = 400;
  info.Done = 100;
  std::strcpy(info.Path, "D:\\VIDEO_TS\\VTS_01_2.VOB");
  info.FileCount = 3;
  info.FileNumber = 2;
  EXPECT_EQ(WaitScanProgress(form.get(), &info), 1);
  EXPECT_EQ(form->lblFileInfo->Caption(), "VTS_01_2.VOB (2/3)");
  EXPECT_EQ(form->Gauge->MaxValue(), 400);
  EXPECT_EQ(form->Gauge->Progress(), 100);

  info.Total = 0;  // a report without work keeps the gauge usable
  std::memset(info.Path, 'x', sizeof(info.Path));  // and a path without its zero stays inside
  EXPECT_EQ(WaitScanProgress(form.get(), &info), 1);
  EXPECT_EQ(form->lblFileInfo->Caption().size(), 256u + String(" (2/3)").size());

  form->btnCancel->Click();
  EXPECT_EQ(WaitScanProgress(form.get(), &info), 0);
  EXPECT_EQ(WaitScanClose(form.get()), 1);
  EXPECT_FALSE(form->Visible());
}
