// Labels: text drawn on the parent in the font's colour, measured by the same
// routine for AutoSize, alignment kept when the text grows, and the
// accelerator giving the focus to FocusControl.
#include <gtest/gtest.h>

#include "platform/stdctrls/StdCtrls.h"
#include "tests/harness/WindowCapture.h"
#include "tests/platform/stdctrls/StdCtrlsTestSupport.h"

namespace {

const char* const kLabelForm = R"(object LabelForm: TForm
  Left = 80
  Top = 80
  Width = 300
  Height = 140
  BorderStyle = bsNone
  Color = clWhite
  object lblName: TLabel
    Left = 8
    Top = 8
    Caption = '&Name'
    FocusControl = edtName
    Color = clYellow
    Font.Color = clBlue
    Transparent = False
  end
  object lblRight: TLabel
    Left = 100
    Top = 8
    Width = 100
    Alignment = taRightJustify
    Caption = 'Right'
  end
  object lblFixed: TLabel
    Left = 8
    Top = 40
    Width = 60
    Height = 60
    AutoSize = False
    WordWrap = True
    Layout = tlBottom
    Transparent = True
    Caption = 'one two three four'
  end
  object edtName: TEdit
    Left = 8
    Top = 100
  end
end)";

// Exposes the measuring call of the drawing routine.
class TMeasuredLabel : public TLabel {
public:
  using TLabel::TLabel;
  TRect Measure(int width) {
    HDC dc = ::GetDC(nullptr);
    static_cast<TControlCanvas*>(Canvas())->BindPaintDC(dc);
    TRect rect(0, 0, width, 0);
    DoDrawText(rect, TextFlags() | DT_CALCRECT);
    static_cast<TControlCanvas*>(Canvas())->FreeHandle();
    ::ReleaseDC(nullptr, dc);
    return rect;
  }
};

}  // namespace

TEST(StdLabel, AutoSizeMeasuresTheTextAndKeepsTheAlignedEdge) {
  auto form = ShowDefinition(kLabelForm);
  auto* name = Find<TLabel>(form.get(), "lblName");
  auto* right = Find<TLabel>(form.get(), "lblRight");
  ASSERT_TRUE(name && right);
  EXPECT_GT(name->Width(), 10);
  EXPECT_LT(name->Width(), 60);
  EXPECT_GT(name->Height(), 8);
  const int rightEdge = right->Left() + right->Width();
  EXPECT_EQ(rightEdge, 200) << "the right-aligned label keeps its right edge after loading";
  const int narrow = right->Width();
  right->SetCaption("Right, and longer");
  EXPECT_GT(right->Width(), narrow);
  EXPECT_EQ(right->Left() + right->Width(), rightEdge);
  right->SetCaption("");
  EXPECT_GT(right->Height(), 8) << "an empty label keeps one line's height";

  TMeasuredLabel measured(nullptr);
  measured.SetCaption("one two three four");
  const TRect wide = measured.Measure(400);
  measured.SetWordWrap(true);
  const TRect wrapped = measured.Measure(40);
  EXPECT_GT(wrapped.Height(), wide.Height()) << "word wrap measures several lines";
}

TEST(StdLabel, DrawsItsTextOnItsColourOrOnTheParent) {
  auto form = ShowDefinition(kLabelForm);
  auto* name = Find<TLabel>(form.get(), "lblName");
  auto* fixed = Find<TLabel>(form.get(), "lblFixed");
  EXPECT_EQ(fixed->Width(), 60);
  EXPECT_EQ(fixed->Height(), 60);
  form->Repaint();
  CapturedPixels pixels = CaptureClient(form->Handle());
  int blue = 0, yellow = 0;
  for (int y = name->Top(); y < name->Top() + name->Height(); ++y)
    for (int x = name->Left(); x < name->Left() + name->Width(); ++x) {
      if (pixels.At(x, y) == 0x0000FFu) ++blue;
      if (pixels.At(x, y) == 0xFFFF00u) ++yellow;
    }
  EXPECT_GT(blue, 5) << "text in the font's colour";
  EXPECT_GT(yellow, blue) << "on the label's colour";
  // The transparent label laid out at the bottom leaves its top to the form.
  EXPECT_EQ(pixels.At(fixed->Left() + 30, fixed->Top() + 1), 0xFFFFFFu);
  int dark = 0;
  for (int y = fixed->Top() + 30; y < fixed->Top() + 60; ++y)
    for (int x = fixed->Left(); x < fixed->Left() + 60; ++x)
      if (pixels.At(x, y) != 0xFFFFFFu) ++dark;
  EXPECT_GT(dark, 10) << "the wrapped text sits at the bottom";
}

TEST(StdLabel, TheAcceleratorFocusesTheFocusControl) {
  auto form = ShowDefinition(kLabelForm);
  auto* name = Find<TLabel>(form.get(), "lblName");
  auto* edit = Find<TEdit>(form.get(), "edtName");
  EXPECT_EQ(name->FocusControl(), edit);
  ::SetForegroundWindow(form->Handle());
  PumpMessages();
  EXPECT_NE(form->Perform(CM_DIALOGCHAR, 'n'), 0);
  EXPECT_TRUE(PumpUntil([&] { return edit->Focused(); }));
  EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'x'), 0) << "another letter is no accelerator";
  delete edit;
  EXPECT_EQ(name->FocusControl(), nullptr) << "a freed focus control is forgotten";
}
