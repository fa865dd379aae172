#include "tests/skin/controls/ShowcaseFixture.h"

#include <gtest/gtest.h>

#include "platform/published/FormDefinition.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinCustomEdit.h"
#include "skin/controls/SkinStdLabel.h"
#include "skin/controls/bars/SkinControlBar.h"
#include "skin/controls/bars/SkinSplitter.h"
#include "skin/controls/labels/SkinButtonLabel.h"
#include "skin/controls/labels/SkinLinkLabel.h"
#include "skin/controls/labels/SkinTextLabel.h"
#include "skin/controls/memos/SkinMemoBase.h"
#include "skin/controls/tabs/SkinTabControl.h"
#include "skin/controls/views/SkinRichEdit.h"
#include "skin/controls/views/SkinTreeView.h"
#include "skin/form/SkinChangeTable.h"
#include "tests/harness/WindowPump.h"
#include "tests/skin/data/SkinFixtures.h"

String ShowcaseText(const char* fileName) {
  TStringList lines;
  lines.LoadFromFile(SourceTreePath("tests/skin/controls/" + String(fileName)));
  return lines.Text();
}

std::unique_ptr<TForm> ReadShowcaseForm(const String& text) {
  auto form = std::make_unique<TForm>(nullptr);
  ReadComponentText(form.get(), text);
  return form;
}

void ExpectWrittenBackAsRead(TForm* form, const String& text, const char* dumpName) {
  const String written = WriteComponentText(form);
  EXPECT_TRUE(written == text) << "written back differently: see " << dumpName;
  if (written == text) return;
  TStringList lines;
  lines.SetText(written);
  lines.SaveToFile(dumpName);
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

namespace {

template <class C>
std::optional<TShowcaseRecord> IndexedRecord(TControl* c) {
  if (auto* s = dynamic_cast<C*>(c)) return TShowcaseRecord{s->SkinRecordIndex() != -1, s->SkinDataName};
  return std::nullopt;
}

template <class C>
std::optional<TShowcaseRecord> HeldRecord(TControl* c) {
  if (auto* s = dynamic_cast<C*>(c)) return TShowcaseRecord{s->HasRecord(), s->SkinDataName};
  return std::nullopt;
}

}  // namespace

std::optional<TShowcaseRecord> RecordOf(TControl* c) {
  if (auto* s = dynamic_cast<TspSkinControl*>(c)) return TShowcaseRecord{s->SkinRecordIndex != -1, s->SkinDataName};
  if (auto* s = dynamic_cast<TspGraphicSkinControl*>(c))
    return TShowcaseRecord{s->SkinRecordIndex != -1, s->SkinDataName};
  using Reader = std::optional<TShowcaseRecord> (*)(TControl*);
  static const Reader readers[] = {
      IndexedRecord<TspSkinStdLabel>,       IndexedRecord<TspSkinBevel>,      IndexedRecord<TspSkinTextLabel>,
      IndexedRecord<TspSkinLinkLabel>,      IndexedRecord<TspSkinButtonLabel>, IndexedRecord<TspSkinSplitter>,
      IndexedRecord<TspSkinCustomTreeView>, IndexedRecord<TspSkinRichEdit>,   IndexedRecord<TspSkinControlBar>,
      IndexedRecord<TspSkinCoolBar>,        IndexedRecord<TspSkinMemoBase>,   HeldRecord<TspSkinTabControl>,
      HeldRecord<TspSkinCustomEdit>,
  };
  for (Reader read : readers)
    if (auto record = read(c)) return record;
  return std::nullopt;
}

void ShowAndSettle(TForm* form) {
  form->Show();
  PumpMessages();
  form->Repaint();
  PumpUntil([] { return false; }, 300);
}
