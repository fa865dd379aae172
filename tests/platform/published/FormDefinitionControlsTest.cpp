#include <gtest/gtest.h>

#include "platform/controls/Forms.h"
#include "platform/controls/Menus.h"
#include "platform/core/Timer.h"
#include "platform/published/FormsPublished.h"
#include "tests/harness/WindowCapture.h"

namespace {

// A windowed control that fills itself with its colour.
class TLayoutPanel : public TCustomControl {
public:
  explicit TLayoutPanel(TComponent* owner) : TCustomControl(owner) { ControlStyle |= csAcceptsControls; }

protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
  }
};

// A button-like control with the modal result it gives its form.
class TLayoutButton : public TLayoutPanel {
public:
  using TLayoutPanel::TLayoutPanel;
  int ModalResult = 0;
  void Click() override {
    TLayoutPanel::Click();
    if (auto* form = GetParentForm(this)) form->SetModalResult(ModalResult);
  }
};

void PublishTestControls() {
  UseFormDefinitions();
  PublishClass<TLayoutPanel, TCustomControl>();
  PublishClass<TLayoutButton, TLayoutPanel>().Integer("ModalResult", &TLayoutButton::ModalResult, &TLayoutButton::ModalResult);
}

class TLayoutForm : public TForm {
public:
  explicit TLayoutForm(TComponent* owner) : TForm(owner) {
    DeclareFormBindings(this)
        .Field("TopPanel", TopPanel)
        .Field("ClientPanel", ClientPanel)
        .Field("OkButton", OkButton)
        .Handler("FormCreate", this, &TLayoutForm::FormCreate)
        .Handler("OkButtonClick", this, &TLayoutForm::OkButtonClick);
  }

  void FormCreate(TObject*) { Created = TopPanel != nullptr; }
  void OkButtonClick(TObject*) { ++Clicks; }

  TLayoutPanel* TopPanel = nullptr;     // borrowed from the definition
  TLayoutPanel* ClientPanel = nullptr;  // borrowed from the definition
  TLayoutButton* OkButton = nullptr;    // borrowed from the definition
  bool Created = false;
  int Clicks = 0;
};

void Pump() {
  for (int i = 0; i < 20; ++i) Application.ProcessMessages();
}

}  // namespace

// The form reads its compiled definition between its two construction phases:
// nested panels with aligned children and a button show where the definition
// puts them, and the events fire.
TEST(FormDefinitionOfControls, AFormShowsItsDefinitionWithTheRightGeometry) {
  PublishTestControls();
  auto* form = NewForm<TLayoutForm>(nullptr);
  EXPECT_TRUE(form->Created) << "OnCreate runs after the definition was read";
  EXPECT_EQ(form->Caption(), "Layout");
  EXPECT_EQ(form->BoundsRect(), TRect(20, 30, 320, 230));
  ASSERT_NE(form->OkButton, nullptr);
  EXPECT_EQ(form->OkButton->Parent(), form->TopPanel);
  EXPECT_EQ(form->TopPanel->Parent(), form);
  EXPECT_EQ(form->OkButton->Owner(), form);

  EXPECT_EQ(form->TopPanel->BoundsRect(), TRect(0, 0, 300, 40));
  auto* left = dynamic_cast<TLayoutPanel*>(form->FindComponent("LeftPanel"));
  ASSERT_NE(left, nullptr);
  EXPECT_EQ(left->BoundsRect(), TRect(0, 40, 50, 200));
  EXPECT_EQ(form->ClientPanel->BoundsRect(), TRect(50, 40, 300, 200));
  EXPECT_EQ(form->OkButton->BoundsRect(), TRect(8, 8, 83, 33));

  form->Show();
  Pump();
  CapturedPixels pixels = CaptureClient(form->Handle());
  ASSERT_EQ(pixels.Width, 300);
  ASSERT_EQ(pixels.Height, 200);
  EXPECT_EQ(pixels.At(200, 20), 0xFF0000u);  // the top panel
  EXPECT_EQ(pixels.At(40, 20), 0x0000FFu);   // the button on it
  EXPECT_EQ(pixels.At(25, 120), 0x00FF00u);  // the left panel
  EXPECT_EQ(pixels.At(200, 120), 0xFFFF00u); // the client panel

  // The click handler fires; detached it does not, attached again it does.
  form->OkButton->Click();
  EXPECT_EQ(form->Clicks, 1);
  EXPECT_EQ(form->ModalResult(), 1);
  TNotifyEvent handler = form->OkButton->OnClick;
  form->OkButton->OnClick = nullptr;
  form->OkButton->Click();
  EXPECT_EQ(form->Clicks, 1);
  form->OkButton->OnClick = handler;
  form->OkButton->Click();
  EXPECT_EQ(form->Clicks, 2);

  // Written back, the definition names the handlers the form declared.
  String text = WriteComponentText(form, *DeclaredFormBindings(form));
  EXPECT_NE(text.find("      OnClick = OkButtonClick\r\n"), String::npos) << text;
  EXPECT_NE(text.find("  OnCreate = FormCreate\r\n"), String::npos) << text;
  delete form;
}

TEST(FormDefinitionOfControls, MenusActionsAndTimersNestAndReferenceEachOther) {
  PublishTestControls();
  const String text =
      "object MenuForm: TForm\r\n"
      "  Left = 0\r\n"
      "  Top = 0\r\n"
      "  Width = 200\r\n"
      "  Height = 100\r\n"
      "  Caption = 'Menus'\r\n"
      "  BorderStyle = bsNone\r\n"
      "  object Panel: TLayoutPanel\r\n"
      "    Left = 0\r\n"
      "    Top = 0\r\n"
      "    Width = 200\r\n"
      "    Height = 100\r\n"
      "    Align = alClient\r\n"
      "    PopupMenu = HelpPopupMenu\r\n"
      "    TabOrder = 0\r\n"
      "  end\r\n"
      "  object HelpPopupMenu: TPopupMenu\r\n"
      "    object HelpContent1: TMenuItem\r\n"
      "      Caption = 'Help Content'\r\n"
      "      ShortCut = 'F1'\r\n"
      "    end\r\n"
      "    object N1: TMenuItem\r\n"
      "      Caption = '-'\r\n"
      "    end\r\n"
      "    object Open1: TMenuItem\r\n"
      "      Action = actOpenDVD\r\n"
      "      Caption = '&Open DVD'\r\n"
      "      ShortCut = 'Alt+D'\r\n"
      "      object Sub1: TMenuItem\r\n"
      "        Caption = 'Sub'\r\n"
      "        RadioItem = True\r\n"
      "      end\r\n"
      "    end\r\n"
      "  end\r\n"
      "  object ActionList1: TActionList\r\n"
      "    object actOpenDVD: TAction\r\n"
      "      Category = 'File'\r\n"
      "      Caption = '&Open DVD'\r\n"
      "      ShortCut = 'Alt+D'\r\n"
      "    end\r\n"
      "  end\r\n"
      "  object PreviewTimer: TTimer\r\n"
      "    Enabled = False\r\n"
      "    Interval = 500\r\n"
      "  end\r\n"
      "end\r\n";
  TForm form(nullptr);
  ReadComponentText(&form, text);
  auto* menu = dynamic_cast<TPopupMenu*>(form.FindComponent("HelpPopupMenu"));
  auto* action = dynamic_cast<TAction*>(form.FindComponent("actOpenDVD"));
  auto* list = dynamic_cast<TActionList*>(form.FindComponent("ActionList1"));
  auto* timer = dynamic_cast<TTimer*>(form.FindComponent("PreviewTimer"));
  auto* panel = dynamic_cast<TLayoutPanel*>(form.FindComponent("Panel"));
  ASSERT_TRUE(menu && action && list && timer && panel);
  EXPECT_EQ(panel->PopupMenu(), menu);
  ASSERT_EQ(menu->Items()->Count(), 3);
  EXPECT_EQ(menu->Items()->Items(0)->ShortCut(), VK_F1);
  EXPECT_TRUE(menu->Items()->Items(1)->IsLine());
  TMenuItem* open = menu->Items()->Items(2);
  EXPECT_EQ(open->Action(), action);
  EXPECT_EQ(open->ShortCut(), scAlt | 'D');
  ASSERT_EQ(open->Count(), 1);
  EXPECT_TRUE(open->Items(0)->RadioItem());
  EXPECT_EQ(action->ActionList(), list);
  EXPECT_EQ(action->Category, "File");
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 500u);
  EXPECT_EQ(WriteComponentText(&form), text);
}

TEST(FormDefinitionOfControls, ATypoDeepInsideLeavesNoHalfReadControlsBehind) {
  PublishTestControls();
  TForm form(nullptr);
  try {
    ReadComponentText(&form, R"(object TypoForm: TForm
  object Outer: TLayoutPanel
    object Inner: TLayoutPanel
      object OkButton: TLayoutButton
        ModalResult = 1
        Captoin = 'x'
      end
    end
  end
end)");
    ADD_FAILURE() << "no error";
  } catch (const EFormDefinitionError& e) {
    EXPECT_NE(e.Message.find("TForm, line 6: TypoForm.OkButton.Captoin: unknown property \"Captoin\" of TLayoutButton"),
              String::npos)
        << e.Message;
  }
  EXPECT_EQ(form.ComponentCount(), 0);
  EXPECT_EQ(form.ControlCount(), 0);
  EXPECT_FALSE(form.HasState(csLoading));
}
