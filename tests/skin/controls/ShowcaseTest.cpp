// The showcase definition holds every standard skinned control set up as the
// program's forms set them. It is read, skinned with VARNEL, shown and captured
// (showcase_varnel.bmp, showcase_default.bmp in the working folder), every
// control finds its record, and the definition writes back as it was read.
#include <gtest/gtest.h>

#include <functional>

#include "platform/controls/Forms.h"
#include "platform/published/FormDefinition.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckRadioBox.h"
#include "skin/controls/SkinStdCtrlsPublished.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/form/SkinChangeTable.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

String ShowcaseText() {
  TStringList lines;
  lines.LoadFromFile(WindowsPath(VARNEL_SOURCE_DIR "/tests/skin/controls/Showcase.form"));
  return lines.Text();
}

void ForEachControl(TWinControl* parent, const std::function<void(TControl*)>& visit) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    visit(c);
    if (auto* w = dynamic_cast<TWinControl*>(c)) ForEachControl(w, visit);
  }
}

// What a skinned form does on a skin change: every control re-reads its record.
void UpdateSkinControls(TWinControl* form) {
  ForEachControl(form, [](TControl* c) {
    if (auto* skinned = dynamic_cast<TspSkinControl*>(c)) skinned->ChangeSkinData();
    else TSkinChangeTable::Instance().Dispatch(c, TSkinChangeStage::After);
  });
}

template <class C>
C* Find(TComponent* form, const char* name) {
  return dynamic_cast<C*>(form->FindComponent(name));
}

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
  const String text = ShowcaseText();
  auto form = std::make_unique<TForm>(nullptr);
  ReadComponentText(form.get(), text);
  const String written = WriteComponentText(form.get());
  EXPECT_TRUE(written == text) << "written back differently: see showcase_written.form";
  if (written != text) {
    TStringList lines;
    lines.SetText(written);
    lines.SaveToFile("showcase_written.form");
  }

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

  auto plain = std::make_unique<TForm>(nullptr);
  ReadComponentText(plain.get(), text);
  ShowStates(plain.get());
  EXPECT_TRUE(CaptureWindow(plain->Handle()).SaveBmp("showcase_default.bmp"));
}
