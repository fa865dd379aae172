// The periphery showcase holds every skinned control no window of the program
// creates, with properties away from their defaults. It is read, written back
// as it was read, skinned with the default skin, shown and captured
// (periphery_varnel.bmp, periphery_default.bmp in the working folder), and a
// skin change reaches every control.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "platform/controls/Forms.h"
#include "platform/published/FormDefinition.h"
#include "skin/controls/PeripheryPublished.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/controls/bars/SkinControlBar.h"
#include "skin/controls/bars/SkinSplitter.h"
#include "skin/controls/labels/SkinButtonLabel.h"
#include "skin/controls/labels/SkinLinkLabel.h"
#include "skin/controls/labels/SkinTextLabel.h"
#include "skin/controls/views/SkinRichEdit.h"
#include "skin/controls/views/SkinTreeView.h"
#include "skin/form/SkinChangeTable.h"
#include "tests/harness/WindowCapture.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/data/SkinFixtures.h"

namespace {

String ShowcaseText() {
  TStringList lines;
  lines.LoadFromFile(WindowsPath(VARNEL_SOURCE_DIR "/tests/skin/controls/PeripheryShowcase.form"));
  return lines.Text();
}

void ForEachControl(TWinControl* parent, const std::function<void(TControl*)>& visit) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* c = parent->Controls(i);
    visit(c);
    if (auto* w = dynamic_cast<TWinControl*>(c)) ForEachControl(w, visit);
  }
}

// What a skinned form does on a skin change: the skinned bases re-read their
// records, the others through the skin-change table.
void UpdateSkinControls(TWinControl* form) {
  ForEachControl(form, [](TControl* c) {
    if (auto* skinned = dynamic_cast<TspSkinControl*>(c)) skinned->ChangeSkinData();
    else if (auto* graphic = dynamic_cast<TspGraphicSkinControl*>(c)) graphic->ChangeSkinData();
    else TSkinChangeTable::Instance().Dispatch(c, TSkinChangeStage::After);
  });
}

// The record index a control holds now; nothing for a control without a skin.
std::optional<Integer> RecordIndex(TControl* c) {
  if (auto* s = dynamic_cast<TspSkinControl*>(c)) return s->SkinRecordIndex;
  if (auto* s = dynamic_cast<TspGraphicSkinControl*>(c)) return s->SkinRecordIndex;
  if (auto* s = dynamic_cast<TspSkinStdLabel*>(c)) return s->SkinRecordIndex();
  if (auto* s = dynamic_cast<TspSkinBevel*>(c)) return s->SkinRecordIndex();
  if (auto* s = dynamic_cast<TspSkinTextLabel*>(c)) return s->SkinRecordIndex();
  if (auto* s = dynamic_cast<TspSkinLinkLabel*>(c)) return s->SkinRecordIndex();
  if (auto* s = dynamic_cast<TspSkinButtonLabel*>(c)) return s->SkinRecordIndex();
  if (auto* s = dynamic_cast<TspSkinSplitter*>(c)) return s->SkinRecordIndex();
  if (auto* s = dynamic_cast<TspSkinCustomTreeView*>(c)) return s->SkinRecordIndex();
  if (auto* s = dynamic_cast<TspSkinRichEdit*>(c)) return s->SkinRecordIndex();
  if (auto* s = dynamic_cast<TspSkinControlBar*>(c)) return s->SkinRecordIndex();
  if (auto* s = dynamic_cast<TspSkinCoolBar*>(c)) return s->SkinRecordIndex();
  return std::nullopt;
}

String SkinDataNameOf(TControl* c) {
  if (auto* s = dynamic_cast<TspSkinControl*>(c)) return s->SkinDataName;
  if (auto* s = dynamic_cast<TspGraphicSkinControl*>(c)) return s->SkinDataName;
  if (auto* s = dynamic_cast<TspSkinStdLabel*>(c)) return s->SkinDataName;
  if (auto* s = dynamic_cast<TspSkinTextLabel*>(c)) return s->SkinDataName;
  if (auto* s = dynamic_cast<TspSkinLinkLabel*>(c)) return s->SkinDataName;
  if (auto* s = dynamic_cast<TspSkinButtonLabel*>(c)) return s->SkinDataName;
  if (auto* s = dynamic_cast<TspSkinSplitter*>(c)) return s->SkinDataName;
  if (auto* s = dynamic_cast<TspSkinCustomTreeView*>(c)) return s->SkinDataName;
  if (auto* s = dynamic_cast<TspSkinRichEdit*>(c)) return s->SkinDataName;
  if (auto* s = dynamic_cast<TspSkinControlBar*>(c)) return s->SkinDataName;
  if (auto* s = dynamic_cast<TspSkinCoolBar*>(c)) return s->SkinDataName;
  return String();
}

template <class C>
C* Find(TComponent* form, const char* name) {
  return dynamic_cast<C*>(form->FindComponent(name));
}

void Show(TForm* form) {
  form->Show();
  PumpMessages();
  form->Repaint();
  PumpUntil([] { return false; }, 300);
}

}  // namespace

TEST(PeripheryShowcase, ReadWrittenBackShownCapturedAndReskinned) {
  PublishSkinPeripheryControlClasses();
  const String text = ShowcaseText();
  auto form = std::make_unique<TForm>(nullptr);
  ReadComponentText(form.get(), text);
  const String written = WriteComponentText(form.get());
  EXPECT_TRUE(written == text) << "written back differently: see periphery_written.form";
  if (written != text) {
    TStringList lines;
    lines.SetText(written);
    lines.SaveToFile("periphery_written.form");
  }

  auto* data = Find<TspSkinData>(form.get(), "spSkinData");
  ASSERT_TRUE(data->LoadFromFile(VarnelSkinIni()));
  UpdateSkinControls(form.get());
  std::vector<String> missing, skinned;
  ForEachControl(form.get(), [&](TControl* c) {
    std::optional<Integer> index = RecordIndex(c);
    if (!index || !c->Visible()) return;  // a hidden notebook page takes its skin when shown
    bool known = data->GetControlIndex(SkinDataNameOf(c)) != -1;
    if (known && *index == -1) missing.push_back(c->Name());
    if (*index != -1) skinned.push_back(c->Name());
  });
  EXPECT_TRUE(missing.empty()) << missing.front();
  EXPECT_GE(skinned.size(), 20u);

  Show(form.get());
  EXPECT_TRUE(CaptureWindow(form->Handle()).SaveBmp("periphery_varnel.bmp"));

  // A skin going away reaches every control: none keeps a record.
  data->ClearSkin();
  UpdateSkinControls(form.get());
  ForEachControl(form.get(), [&](TControl* c) {
    if (std::optional<Integer> index = RecordIndex(c)) {
      EXPECT_EQ(*index, -1) << c->Name();
    }
  });

  auto plain = std::make_unique<TForm>(nullptr);
  ReadComponentText(plain.get(), text);
  Show(plain.get());
  EXPECT_TRUE(CaptureWindow(plain->Handle()).SaveBmp("periphery_default.bmp"));
}
