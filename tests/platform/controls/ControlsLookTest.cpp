// The settings controls keep for their look: the 3D border that follows the
// parent, the reading order and its text flags, and the stored-only drag settings.
#include <gtest/gtest.h>

#include "platform/controls/Forms.h"
#include "platform/stdctrls/Edit.h"
#include "platform/stdctrls/ListBox.h"
#include "platform/stdctrls/Panel.h"

namespace {

class Ctl3DCounter : public TPanel {
public:
  using TPanel::TPanel;
  int changes = 0;

protected:
  void CMCtl3DChanged(TMessage&) override { ++changes; }
};

TEST(ControlsLook, Ctl3DFollowsTheParentUntilSet) {
  TForm* form = NewForm<TForm>(nullptr);
  auto* panel = new Ctl3DCounter(form);
  panel->SetParent(form);
  auto* inner = new Ctl3DCounter(form);
  inner->SetParent(panel);
  auto* own = new Ctl3DCounter(form);
  own->SetParent(panel);
  own->SetCtl3D(true);
  EXPECT_TRUE(inner->Ctl3D());
  panel->SetCtl3D(false);
  EXPECT_FALSE(panel->ParentCtl3D());
  EXPECT_FALSE(inner->Ctl3D()) << "follows its parent";
  EXPECT_TRUE(own->Ctl3D()) << "set on its own";
  EXPECT_EQ(panel->changes, 1);
  EXPECT_EQ(inner->changes, 1);
  EXPECT_EQ(own->changes, 0);
  panel->SetCtl3D(false);
  EXPECT_EQ(panel->changes, 1) << "unchanged: no message";
  inner->SetParentCtl3D(false);
  panel->SetCtl3D(true);
  EXPECT_FALSE(inner->Ctl3D()) << "leaving the parent keeps the look it had";
  delete form;
}

TEST(ControlsLook, EditsAndListsWithoutCtl3DHaveAFlatBorder) {
  TForm* form = NewForm<TForm>(nullptr);
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  auto* list = new TListBox(form);
  list->SetParent(form);
  // The border's width on each side: what the window has beyond its client area.
  auto border = [](HWND window) {
    RECT outer, inner;
    ::GetWindowRect(window, &outer);
    ::GetClientRect(window, &inner);
    return (outer.bottom - outer.top - inner.bottom) / 2;
  };
  for (TWinControl* control : {static_cast<TWinControl*>(edit), static_cast<TWinControl*>(list)}) {
    EXPECT_TRUE(::GetWindowLongPtrA(control->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(border(control->Handle()), 2);
    control->SetCtl3D(false);
    EXPECT_FALSE(::GetWindowLongPtrA(control->Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    // A flat line: around the client area, or inside it for an edit, which draws its own.
    EXPECT_LT(border(control->Handle()), 2);
  }
  delete form;
}

TEST(ControlsLook, ReadingOrderFlags) {
  struct Case {
    TBiDiMode mode;
    UINT in, out;
    bool alignment, reading;
  };
  const Case cases[] = {
      {bdLeftToRight, DT_LEFT, DT_LEFT, false, false},
      {bdRightToLeft, DT_LEFT, DT_RIGHT | DT_RTLREADING, true, true},
      {bdRightToLeft, DT_RIGHT, DT_LEFT | DT_RTLREADING, true, true},
      {bdRightToLeft, DT_CENTER, DT_CENTER | DT_RTLREADING, true, true},
      {bdRightToLeftNoAlign, DT_LEFT, DT_LEFT | DT_RTLREADING, false, true},
      {bdRightToLeftReadingOnly, DT_RIGHT, DT_RIGHT | DT_RTLREADING, false, true},
  };
  for (const Case& c : cases) {
    TPanel panel(nullptr);
    panel.SetBiDiMode(c.mode);
    EXPECT_EQ(panel.DrawTextBiDiModeFlags(c.in), c.out) << int(c.mode) << " " << c.in;
    EXPECT_EQ(panel.UseRightToLeftAlignment(), c.alignment);
    EXPECT_EQ(panel.UseRightToLeftReading(), c.reading);
  }
}

TEST(ControlsLook, ReadingOrderFollowsTheParentUntilSet) {
  TPanel parent(nullptr);
  TPanel child(nullptr);
  child.SetParent(&parent);
  parent.SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(child.BiDiMode(), bdRightToLeft);
  child.SetBiDiMode(bdLeftToRight);
  EXPECT_FALSE(child.ParentBiDiMode());
  parent.SetBiDiMode(bdRightToLeftNoAlign);
  EXPECT_EQ(child.BiDiMode(), bdLeftToRight);
  child.SetParentBiDiMode(true);
  EXPECT_EQ(child.BiDiMode(), bdRightToLeftNoAlign);
  child.SetParent(nullptr);
}

}  // namespace
