// Alignment and anchors: nested aligned controls take the client area of their
// parent in the order top, bottom, left, right, client; anchored controls keep
// their distances when the parent grows.
#include <gtest/gtest.h>

#include <memory>

#include "platform/controls/Forms.h"

namespace {

class Panel : public TCustomControl {
public:
  explicit Panel(TComponent* owner) : TCustomControl(owner) { ControlStyle |= csAcceptsControls; }
};

class Label : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
};

template <class C>
C* Place(TComponent* owner, TWinControl* parent, TAlign align, const TRect& bounds) {
  C* control = new C(owner);
  control->SetBoundsRect(bounds);
  control->SetAlign(align);
  control->SetParent(parent);
  return control;
}

struct Layout {
  TForm* form;
  Panel *top, *bottom, *left, *client, *nestedLeft, *nestedClient;
  Label* caption;
};

Layout BuildLayout() {
  Layout l{};
  l.form = NewForm<TForm>(nullptr);
  l.form->SetBorderStyle(bsNone);
  l.form->SetClientWidth(400);
  l.form->SetClientHeight(300);
  // Given in an order and with positions that alignment must put right.
  l.client = Place<Panel>(l.form, l.form, alClient, Bounds(5, 5, 10, 10));
  l.bottom = Place<Panel>(l.form, l.form, alBottom, Bounds(0, 0, 10, 30));
  l.left = Place<Panel>(l.form, l.form, alLeft, Bounds(0, 0, 80, 10));
  l.top = Place<Panel>(l.form, l.form, alTop, Bounds(0, 0, 10, 50));
  l.nestedClient = Place<Panel>(l.form, l.client, alClient, Bounds(0, 0, 1, 1));
  l.nestedLeft = Place<Panel>(l.form, l.client, alLeft, Bounds(0, 0, 40, 1));
  l.caption = Place<Label>(l.form, l.nestedClient, alTop, Bounds(0, 0, 0, 16));
  return l;
}

void ExpectLayout(const Layout& l, int width, int height) {
  const int middle = height - 50 - 30;
  EXPECT_EQ(l.top->BoundsRect(), Bounds(0, 0, width, 50));
  EXPECT_EQ(l.bottom->BoundsRect(), Bounds(0, height - 30, width, 30));
  EXPECT_EQ(l.left->BoundsRect(), Bounds(0, 50, 80, middle));
  EXPECT_EQ(l.client->BoundsRect(), Bounds(80, 50, width - 80, middle));
  EXPECT_EQ(l.nestedLeft->BoundsRect(), Bounds(0, 0, 40, middle));
  EXPECT_EQ(l.nestedClient->BoundsRect(), Bounds(40, 0, width - 120, middle));
  EXPECT_EQ(l.caption->BoundsRect(), Bounds(0, 0, width - 120, 16));
}

}  // namespace

TEST(ControlsAlign, NestedAlignedControlsTakeTheirParentsClientArea) {
  Layout l = BuildLayout();
  ExpectLayout(l, 400, 300);

  // The same with windows, and again after the form is resized.
  l.form->Show();
  ASSERT_TRUE(l.client->HandleAllocated());
  EXPECT_EQ(l.form->ClientRect(), Rect(0, 0, 400, 300));
  ExpectLayout(l, 400, 300);
  RECT r;
  ::GetWindowRect(l.client->Handle(), &r);
  POINT origin = {0, 0};
  ::ClientToScreen(l.form->Handle(), &origin);
  EXPECT_EQ(r.left - origin.x, 80);
  EXPECT_EQ(r.bottom - r.top, 220);

  l.form->SetBounds(l.form->Left(), l.form->Top(), 500, 400);
  ExpectLayout(l, 500, 400);
  delete l.form;
}

TEST(ControlsAlign, HiddenControlsTakeNoSpaceAndDisableAlignDefersTheWork) {
  Layout l = BuildLayout();
  l.top->Hide();
  EXPECT_EQ(l.left->BoundsRect(), Bounds(0, 0, 80, 270));

  l.form->DisableAlign();
  l.top->Show();
  EXPECT_EQ(l.left->Top(), 0) << "alignment waits while disabled";
  l.form->EnableAlign();
  EXPECT_EQ(l.left->BoundsRect(), Bounds(0, 50, 80, 220));
  delete l.form;
}

TEST(ControlsAlign, AnchorsKeepTheDistancesToTheRightAndBottomEdges) {
  TForm* form = NewForm<TForm>(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetClientWidth(200);
  form->SetClientHeight(100);
  struct Case {
    TAnchors anchors;
    TRect after;  // once the form is 300 x 150
  } cases[] = {
      {akLeft | akTop, Bounds(10, 10, 50, 20)},
      {akRight | akTop, Bounds(110, 10, 50, 20)},
      {akLeft | akRight | akTop, Bounds(10, 10, 150, 20)},
      {akLeft | akBottom, Bounds(10, 60, 50, 20)},
      {akLeft | akTop | akRight | akBottom, Bounds(10, 10, 150, 70)},
  };
  std::vector<Panel*> panels;
  for (const Case& c : cases) {
    Panel* panel = Place<Panel>(form, form, alNone, Bounds(10, 10, 50, 20));
    panel->SetAnchors(c.anchors);
    panels.push_back(panel);
  }
  form->SetBounds(0, 0, 300, 150);
  for (size_t i = 0; i < panels.size(); ++i) EXPECT_EQ(panels[i]->BoundsRect(), cases[i].after) << "case " << i;
  delete form;
}

TEST(ControlsAlign, ReparentingMovesTheWindowAndRealignsBothParents) {
  Layout l = BuildLayout();
  l.form->Show();
  l.nestedLeft->SetParent(l.left);
  EXPECT_EQ(l.nestedLeft->BoundsRect(), Bounds(0, 0, 40, 220));
  EXPECT_EQ(l.nestedClient->BoundsRect(), Bounds(0, 0, 320, 220));
  ASSERT_TRUE(l.nestedLeft->HandleAllocated());
  EXPECT_EQ(::GetParent(l.nestedLeft->Handle()), l.left->Handle());

  // Without a parent the window goes; with one again it comes back.
  l.nestedLeft->SetParent(nullptr);
  EXPECT_FALSE(l.nestedLeft->HandleAllocated());
  l.nestedLeft->SetParent(l.client);
  EXPECT_TRUE(l.nestedLeft->HandleAllocated());
  EXPECT_EQ(l.nestedClient->BoundsRect(), Bounds(40, 0, 280, 220));
  delete l.form;
}

TEST(ControlsAlign, AlignmentWaitsUntilTheDefinitionIsReadAndKeepsTheBorderWidth) {
  TForm* form = NewForm<TForm>(nullptr);
  form->SetBorderStyle(bsNone);
  form->SetBounds(0, 0, 200, 100);
  // As the reader does: everything loading, children placed, then Loaded.
  form->BeginLoading();
  auto panel = new Panel(form);
  panel->BeginLoading();
  panel->SetParent(form);
  panel->SetBounds(0, 0, 50, 50);
  panel->SetAlign(alClient);
  panel->SetBorderWidth(5);
  auto inner = new Panel(form);
  inner->BeginLoading();
  inner->SetParent(panel);
  inner->SetBounds(0, 0, 10, 10);
  inner->SetAlign(alClient);
  EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 50, 50)) << "nothing moves while loading";
  form->EndLoading();
  EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 200, 100));
  EXPECT_EQ(inner->BoundsRect(), Bounds(5, 5, 190, 90));
  delete form;
}

// ScrollBy moves windowed and windowless children alike; the aligned ones go
// back to their places when the parent realigns.
TEST(ControlsAlign, ScrollByMovesTheChildrenAndRealigns) {
  std::unique_ptr<TForm> form(NewForm<TForm>(nullptr));
  form->SetBorderStyle(bsNone);
  form->SetClientWidth(300);
  form->SetClientHeight(200);
  auto* windowed = Place<Panel>(form.get(), form.get(), alNone, Rect(10, 20, 60, 50));
  auto* windowless = Place<Label>(form.get(), form.get(), alNone, Rect(100, 20, 150, 40));
  auto* aligned = Place<Panel>(form.get(), form.get(), alBottom, Rect(0, 0, 300, 30));
  form->Show();
  form->ScrollBy(-7, 3);
  EXPECT_EQ(windowed->BoundsRect(), Rect(3, 23, 53, 53));
  EXPECT_EQ(windowless->BoundsRect(), Rect(93, 23, 143, 43));
  EXPECT_EQ(aligned->BoundsRect(), Rect(0, 170, 300, 200));
  RECT actual;
  ::GetWindowRect(windowed->Handle(), &actual);
  ::MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&actual), 2);
  EXPECT_EQ(actual.left, 3);
  EXPECT_EQ(actual.top, 23);
}
