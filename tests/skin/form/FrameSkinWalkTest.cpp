// The walk that hands a skin change to the controls of a form: the skinned
// bases directly, every other control through the rows of the skin-change
// table (with the container that changes), windowed children recursively.
#include <gtest/gtest.h>

#include <string>

#include "platform/controls/Forms.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/form/SkinChangeTable.h"
#include "tests/skin/form/FrameFixtures.h"

namespace {

// A control of another family that follows a skin container of its own.
class FakeEdit : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  TspSkinData* skin = nullptr;
  std::string log;
};

class Box : public TCustomControl {
public:
  explicit Box(TComponent* owner) : TCustomControl(owner) { ControlStyle |= csAcceptsControls; }
};

class CountingGraphic : public TspGraphicSkinControl {
public:
  using TspGraphicSkinControl::TspGraphicSkinControl;
  void BeforeChangeSkinData() override { log += 'b'; }
  void ChangeSkinData() override { log += 'a'; }
  std::string log;
};

}  // namespace

TEST(FrameSkinWalk, BasesAndTableRowsWithTheSender) {
  TSkinChangeTable& table = TSkinChangeTable::Instance();
  table.Register(6, [](TComponent* component, TSkinChangeStage stage) {
    auto* edit = dynamic_cast<FakeEdit*>(component);
    if (!edit) return false;
    if (TSkinChangeTable::Instance().Concerns(edit->skin)) edit->log += stage == TSkinChangeStage::Before ? 'b' : 'a';
    return true;
  });
  FrameSkin skin;
  TspSkinData other(nullptr);
  FrameForm f(&skin.data);
  auto* box = new Box(f.form);
  box->SetParent(f.form);
  auto* edit = new FakeEdit(f.form);
  edit->SetParent(f.form);
  edit->skin = &skin.data;
  auto* stranger = new FakeEdit(f.form);
  stranger->SetParent(box);  // reached through its windowed parent
  stranger->skin = &other;
  auto* graphic = new CountingGraphic(f.form);
  graphic->SetParent(f.form);
  graphic->SetSkinData(&skin.data);
  graphic->log.clear();  // taking the container applied it once

  f.frame->BeforeUpDateSkinControls(&skin.data, f.form);
  f.frame->UpDateSkinControls(&skin.data, f.form);
  EXPECT_EQ(edit->log, "ba");
  EXPECT_EQ(stranger->log, "") << "a control that follows another container is left alone";
  EXPECT_EQ(graphic->log, "ba");
  f.frame->UpDateSkinControls(nullptr, f.form);
  EXPECT_EQ(stranger->log, "a") << "every control takes part in a change of every skin";
  EXPECT_EQ(table.Sender(), nullptr) << "the sender is known only while the rows run";
  table.Unregister(6);
}
