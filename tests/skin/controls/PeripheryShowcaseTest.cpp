// The periphery showcase holds every skinned control no window of the program
// creates, with properties away from their defaults. It is read, written back
// as it was read, skinned with the default skin, shown and captured
// (periphery_varnel.bmp, periphery_default.bmp in the working folder), and a
// skin change reaches every control.
#include <gtest/gtest.h>

#include "skin/controls/PeripheryPublished.h"
#include "skin/data/SkinData.h"
#include "tests/harness/WindowCapture.h"
#include "tests/skin/controls/ShowcaseFixture.h"
#include "tests/skin/data/SkinFixtures.h"

TEST(PeripheryShowcase, ReadWrittenBackShownCapturedAndReskinned) {
  PublishSkinPeripheryControlClasses();
  const String text = ShowcaseText("PeripheryShowcase.form");
  auto form = ReadShowcaseForm(text);
  ExpectWrittenBackAsRead(form.get(), text, "periphery_written.form");

  auto* data = Find<TspSkinData>(form.get(), "spSkinData");
  ASSERT_TRUE(data->LoadFromFile(VarnelSkinIni()));
  UpdateSkinControls(form.get());
  std::vector<String> missing, skinned;
  ForEachControl(form.get(), [&](TControl* c) {
    auto record = RecordOf(c);
    if (!record || !c->Visible()) return;  // a hidden notebook page takes its skin when shown
    bool known = data->GetControlIndex(record->Name) != -1;
    if (known && !record->Found) missing.push_back(c->Name());
    if (record->Found) skinned.push_back(c->Name());
  });
  EXPECT_TRUE(missing.empty()) << missing.front();
  EXPECT_GE(skinned.size(), 20u);

  ShowAndSettle(form.get());
  EXPECT_TRUE(CaptureWindow(form->Handle()).SaveBmp("periphery_varnel.bmp"));

  // A skin going away reaches every control: none keeps a record.
  data->ClearSkin();
  UpdateSkinControls(form.get());
  ForEachControl(form.get(), [&](TControl* c) {
    if (auto record = RecordOf(c)) {
      EXPECT_FALSE(record->Found) << c->Name();
    }
  });

  auto plain = ReadShowcaseForm(text);
  ShowAndSettle(plain.get());
  EXPECT_TRUE(CaptureWindow(plain->Handle()).SaveBmp("periphery_default.bmp"));
}
