// The second periphery showcase holds every class of the memos, edits, tab
// control, scroll box, check lists, calendars, colour controls and pickers
// with properties away from their defaults. It is read, written back as it was
// read, skinned with the default skin, shown and captured
// (periphery2_varnel.bmp, periphery2_default.bmp in the working folder), and a
// skin change reaches every control.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "platform/controls/Forms.h"
#include "platform/published/FormDefinition.h"
#include "skin/controls/PeripheryPublished.h"
#include "skin/controls/SkinCustomEdit.h"
#include "skin/controls/memos/SkinMemo.h"
#include "skin/controls/memos/SkinMemo2.h"
#include "skin/controls/tabs/SkinTabControl.h"
#include "skin/form/SkinChangeTable.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

String ShowcaseText() {
  TStringList lines;
  lines.LoadFromFile(WindowsPath(VARNEL_SOURCE_DIR "/tests/skin/controls/Periphery2Showcase.form"));
  return lines.Text();
}

void ForEachControl(TWinControl* parent, const std::function<void(TControl*)>& visit) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    visit(c);
    if (auto* w = dynamic_cast<TWinControl*>(c)) ForEachControl(w, visit);
  }
}

void UpdateSkinControls(TWinControl* form) {
  ForEachControl(form, [](TControl* c) {
    if (auto* skinned = dynamic_cast<TspSkinControl*>(c)) skinned->ChangeSkinData();
    else if (auto* graphic = dynamic_cast<TspGraphicSkinControl*>(c)) graphic->ChangeSkinData();
    else TSkinChangeTable::Instance().Dispatch(c, TSkinChangeStage::After);
  });
}

// The record a control holds now and the name it looks for; nothing for a
// control that reads no record of its own.
std::optional<std::pair<bool, String>> Record(TControl* c) {
  if (auto* s = dynamic_cast<TspSkinControl*>(c)) return std::pair{s->SkinRecordIndex != -1, s->SkinDataName};
  if (auto* s = dynamic_cast<TspGraphicSkinControl*>(c)) return std::pair{s->SkinRecordIndex != -1, s->SkinDataName};
  if (auto* s = dynamic_cast<TspSkinMemo*>(c)) return std::pair{s->SkinRecordIndex() != -1, s->SkinDataName};
  if (auto* s = dynamic_cast<TspSkinMemo2*>(c)) return std::pair{s->SkinRecordIndex() != -1, s->SkinDataName};
  if (auto* s = dynamic_cast<TspSkinTabControl*>(c)) return std::pair{s->HasRecord(), s->SkinDataName};
  if (auto* s = dynamic_cast<TspSkinCustomEdit*>(c)) return std::pair{s->HasRecord(), s->SkinDataName};
  return std::nullopt;
}

void Show(TForm* form) {
  form->Show();
  PumpMessages();
  form->Repaint();
  PumpUntil([] { return false; }, 300);
}

}  // namespace

TEST(Periphery2Showcase, ReadWrittenBackShownCapturedAndReskinned) {
  PublishSkinPeripheryControlClasses();
  const String text = ShowcaseText();
  auto form = std::make_unique<TForm>(nullptr);
  ReadComponentText(form.get(), text);
  const String written = WriteComponentText(form.get());
  EXPECT_TRUE(written == text) << "written back differently: see periphery2_written.form";
  if (written != text) {
    TStringList lines;
    lines.SetText(written);
    lines.SaveToFile("periphery2_written.form");
  }

  auto* data = dynamic_cast<TspSkinData*>(form->FindComponent("spSkinData"));
  ASSERT_TRUE(data->LoadFromFile(VarnelSkinIni()));
  UpdateSkinControls(form.get());
  std::vector<String> missing;
  int skinned = 0;
  ForEachControl(form.get(), [&](TControl* c) {
    auto record = Record(c);
    for (TControl* p = c; p && p != form.get(); p = p->Parent())
      if (!p->Visible()) return;  // a hidden drop-down takes its skin when it opens
    if (!record) return;
    if (data->GetControlIndex(record->second) != -1 && !record->first)
      missing.push_back(c->Name() + " (" + DemangledTypeName(typeid(*c)) + " " + record->second + ")");
    if (record->first) ++skinned;
  });
  String names;
  for (const String& m : missing) names += m + "; ";
  EXPECT_TRUE(missing.empty()) << names;
  EXPECT_GE(skinned, 15);

  Show(form.get());
  EXPECT_TRUE(CaptureWindow(form->Handle()).SaveBmp("periphery2_varnel.bmp"));

  data->ClearSkin();
  UpdateSkinControls(form.get());
  ForEachControl(form.get(), [&](TControl* c) {
    if (auto record = Record(c)) EXPECT_FALSE(record->first) << c->Name();
  });

  auto plain = std::make_unique<TForm>(nullptr);
  ReadComponentText(plain.get(), text);
  Show(plain.get());
  EXPECT_TRUE(CaptureWindow(plain->Handle()).SaveBmp("periphery2_default.bmp"));
}
