// The window of a form: window styles by border style and icons, the class style
// a form asks for, the client size kept across the window's creation, and the
// position on first showing.
#include <gtest/gtest.h>

#include "platform/controls/Forms.h"

namespace {

class ShadowForm : public TForm {
public:
  using TForm::TForm;

protected:
  void CreateParams(TCreateParams& params) override {
    TForm::CreateParams(params);
    params.WindowClass.style |= CS_DROPSHADOW;
  }
};

}  // namespace

TEST(FormsWindow, BorderStyleAndIconsMakeTheWindowStyles) {
  struct Case {
    TFormBorderStyle border;
    TBorderIcons icons;
    DWORD present, absent;
  } cases[] = {
      {bsSizeable, biSystemMenu | biMinimize | biMaximize, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, WS_POPUP},
      {bsSingle, biSystemMenu, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX},
      {bsDialog, biSystemMenu | biMinimize, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME | WS_MINIMIZEBOX},
      {bsNone, biSystemMenu, WS_POPUP, WS_CAPTION | WS_SYSMENU},
  };
  for (const Case& c : cases) {
    TForm* form = NewForm<TForm>(nullptr);
    form->SetBorderStyle(c.border);
    form->SetBorderIcons(c.icons);
    form->SetClientWidth(300);
    form->SetClientHeight(200);
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(form->Handle(), GWL_STYLE));
    EXPECT_EQ(style & c.present, c.present) << "border " << c.border;
    EXPECT_EQ(style & c.absent, 0u) << "border " << c.border;
    RECT client;
    ::GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 300) << "the client size set before the window stays";
    EXPECT_EQ(client.bottom, 200) << "border " << c.border;
    EXPECT_EQ(::GetWindow(form->Handle(), GW_OWNER), Application.Handle());
    delete form;
  }
}

TEST(FormsWindow, AFormsClassStyleAndFirstPositionAreItsOwn) {
  ShadowForm* shadow = NewForm<ShadowForm>(nullptr);
  EXPECT_TRUE(::GetClassLongPtrA(shadow->Handle(), GCL_STYLE) & CS_DROPSHADOW);
  TForm* plain = NewForm<TForm>(nullptr);
  EXPECT_FALSE(::GetClassLongPtrA(plain->Handle(), GCL_STYLE) & CS_DROPSHADOW);

  plain->SetBounds(0, 0, 200, 100);
  plain->SetPosition(poScreenCenter);
  plain->Show();
  EXPECT_EQ(plain->Left(), (Screen.Width() - 200) / 2);
  EXPECT_EQ(plain->Top(), (Screen.Height() - 100) / 2);
  RECT r;
  ::GetWindowRect(plain->Handle(), &r);
  EXPECT_EQ(r.left, plain->Left());
  // Later moves stay where they are put.
  plain->Hide();
  plain->SetLeft(5);
  plain->Show();
  EXPECT_EQ(plain->Left(), 5);
  delete plain;
  delete shadow;
}
