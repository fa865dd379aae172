// The showcase definition holds every standard skinned control set up as the
// program's forms set them. It is read, skinned with VARNEL, shown and captured
// (showcase_varnel.bmp, showcase_default.bmp in the working folder), every
// control finds its record, and the definition writes back as it was read.
#include <gtest/gtest.h>

#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinStdCtrlsPublished.h"
#include "skin/controls/SkinStdLabel.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/controls/ShowcaseFixture.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

void ShowStates(TForm* form) {
  form->Show();
  PumpMessages();
  auto* hot = Find<TspSkinButton>(form, "btnHot");
  hot->MouseIn = true;
  hot->Repaint();
  auto* pressed = Find<TspSkinButton>(form, "btnPressed");
  pressed->MouseIn = true;
  pressed->SetDown(true);
  Find<TspSkinCheckRadioBox>(form, "chkHot")->MouseIn = true;
  Find<TspSkinCheckRadioBox>(form, "chkHot")->Repaint();
  Find<TspSkinButton>(form, "btnFocused")->SetFocus();
  PumpMessages();
  form->Repaint();
  PumpUntil([] { return false; }, 300);
}

}  // namespace

TEST(SkinShowcase, ReadSkinnedShownCapturedAndWrittenBack) {
  PublishSkinStdControlClasses();
  const String text = ShowcaseText("Showcase.form");
  auto form = ReadShowcaseForm(text);
  ExpectWrittenBackAsRead(form.get(), text, "showcase_written.form");

  auto* data = Find<TspSkinData>(form.get(), "spSkinData");
  ASSERT_TRUE(data->LoadFromFile(VarnelSkinIni()));
  UpdateSkinControls(form.get());
  std::vector<String> missing;
  ForEachControl(form.get(), [&](TControl* c) {
    Integer index = 0;
    if (auto* skinned = dynamic_cast<TspSkinControl*>(c)) skinned->GetSkinData(), index = skinned->SkinRecordIndex;
    else if (auto* label = dynamic_cast<TspSkinStdLabel*>(c)) index = label->SkinRecordIndex();
    else if (auto* bevel = dynamic_cast<TspSkinBevel*>(c)) index = bevel->SkinRecordIndex();
    if (index == -1) missing.push_back(c->Name());
  });
  EXPECT_TRUE(missing.empty()) << missing.front();

  ShowStates(form.get());
  EXPECT_TRUE(CaptureWindow(form->Handle()).SaveBmp("showcase_varnel.bmp"));

  auto plain = ReadShowcaseForm(text);
  ShowStates(plain.get());
  EXPECT_TRUE(CaptureWindow(plain->Handle()).SaveBmp("showcase_default.bmp"));
}
