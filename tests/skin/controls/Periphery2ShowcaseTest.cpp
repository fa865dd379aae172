// The second periphery showcase holds every class of the memos, edits, tab
// control, scroll box, check lists, calendars, colour controls and pickers
// with properties away from their defaults. It is read, written back as it was
// read, skinned with the default skin, shown and captured
// (periphery2_varnel.bmp, periphery2_default.bmp in the working folder), and a
// skin change reaches every control.
#include <gtest/gtest.h>

#include "skin/controls/PeripheryPublished.h"
#include "skin/data/SkinData.h"
#include "tests/harness/WindowCapture.h"
#include "tests/skin/controls/ShowcaseFixture.h"
#include "tests/skin/data/SkinFixtures.h"

TEST(Periphery2Showcase, ReadWrittenBackShownCapturedAndReskinned) {
  PublishSkinPeripheryControlClasses();
  const String text = ShowcaseText("Periphery2Showcase.form");
  auto form = ReadShowcaseForm(text);
  ExpectWrittenBackAsRead(form.get(), text, "periphery2_written.form");

  auto* data = Find<TspSkinData>(form.get(), "spSkinData");
  ASSERT_TRUE(data->LoadFromFile(VarnelSkinIni()));
  UpdateSkinControls(form.get());
  std::vector<String> missing;
  int skinned = 0;
  ForEachControl(form.get(), [&](TControl* c) {
    auto record = RecordOf(c);
    for (TControl* p = c; p && p != form.get(); p = p->Parent())
      if (!p->Visible()) return;  // a hidden drop-down takes its skin when it opens
    if (!record) return;
    if (data->GetControlIndex(record->Name) != -1 && !record->Found)
      missing.push_back(c->Name() + " (" + DemangledTypeName(typeid(*c)) + " " + record->Name + ")");
    if (record->Found) ++skinned;
  });
  String names;
  for (const String& m : missing) names += m + "; ";
  EXPECT_TRUE(missing.empty()) << names;
  EXPECT_GE(skinned, 15);

  ShowAndSettle(form.get());
  EXPECT_TRUE(CaptureWindow(form->Handle()).SaveBmp("periphery2_varnel.bmp"));

  data->ClearSkin();
  UpdateSkinControls(form.get());
  ForEachControl(form.get(), [&](TControl* c) {
    if (auto record = RecordOf(c)) {
      EXPECT_FALSE(record->Found) << c->Name();
    }
  });

  auto plain = ReadShowcaseForm(text);
  ShowAndSettle(plain.get());
  EXPECT_TRUE(CaptureWindow(plain->Handle()).SaveBmp("periphery2_default.bmp"));
}
