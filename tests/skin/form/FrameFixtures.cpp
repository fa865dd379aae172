#include "tests/skin/form/FrameFixtures.h"

#include <algorithm>

#include "tests/harness/WindowPump.h"
#include "tests/skin/SkinTestPictures.h"

FrameSkin::FrameSkin(bool mask) : data(nullptr) {
  PaintZones(*data.Picture, 100, 60,
             {{{0, 0, 100, 60}, kBottomColor}, {{0, 0, 4, 60}, kLeftColor}, {{96, 0, 100, 60}, kRightColor},
              {{0, 0, 100, 25}, kCaptionColor}, {{4, 25, 96, 56}, kClientColor}});
  PaintZones(*data.InActivePicture, 100, 60,
             {{{0, 0, 100, 60}, kBottomColor}, {{0, 0, 4, 60}, kLeftColor}, {{96, 0, 100, 60}, kRightColor},
              {{0, 0, 100, 25}, kInactiveCaptionColor}, {{4, 25, 96, 56}, kClientColor}});
  auto buttons = std::make_unique<TBitmap>();
  PaintZones(*buttons, 48, 16, {{{0, 0, 16, 16}, kButtonNormal}, {{16, 0, 32, 16}, kButtonHover},
                                {{32, 0, 48, 16}, kButtonDown}});
  data.ActivePictures.push_back(std::move(buttons));
  data.LeftTopPoint = {20, 25};
  data.RightTopPoint = {80, 25};
  data.LeftBottomPoint = {20, 55};
  data.RightBottomPoint = {80, 55};
  data.ClientRect = {4, 25, 96, 56};
  data.CaptionRect = {10, 0, 98, 24};
  data.HitTestLeftTopPoint = {6, 6};
  data.HitTestRightTopPoint = {94, 6};
  data.HitTestLeftBottomPoint = {6, 54};
  data.HitTestRightBottomPoint = {94, 54};
  data.BorderWidth = 3;
  data.TopStretch = data.LeftStretch = data.RightStretch = data.BottomStretch = true;
  data.MaskRectArea = {4, 25, 96, 56};
  if (mask) {
    // Black shape with a cut top-left corner of 5 x 5.
    PaintZones(*data.Mask, 100, 60, {{{0, 0, 100, 60}, clBlack}, {{0, 0, 5, 5}, clWhite}});
  }
  auto caption = std::make_unique<TspDataSkinCaption>("caption");
  caption->skinrect = {10, 0, 98, 24};
  caption->TextRect = {0, 0, 88, 24};
  caption->DefaultCaption = true;
  caption->FontColor = clGray;
  caption->ActiveFontColor = clWhite;
  data.ObjectList.push_back(std::move(caption));
  AddButton("closebutton", cmClose);
  AddButton("maxbutton", cmMaximize);
  AddButton("minbutton", cmMinimize);
  data.Empty = false;
}

TspDataSkinStdButton* FrameSkin::AddButton(const String& name, TStdCommand command) {
  auto button = std::make_unique<TspDataSkinStdButton>(name);
  button->skinrectinapicture = true;
  button->activepictureindex = 0;
  button->skinrect = {0, 0, 16, 16};
  button->activeskinrect = {16, 0, 32, 16};
  button->downrect = {32, 0, 48, 16};
  button->Command = command;
  TspDataSkinStdButton* made = button.get();
  data.ObjectList.push_back(std::move(button));
  return made;
}

FrameForm::FrameForm(TspSkinData* skin, TRect bounds) {
  form = NewForm<TForm>(nullptr);
  form->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  form->HandleNeeded();
  TWndMethod original = form->WindowProc;
  form->WindowProc = TWndMethod::Function([this, original](TMessage& message) {
    passed.push_back(message.Msg);
    original(message);
  });
  frame = new TspDynamicSkinForm(form);
  if (skin) frame->SetSkinData(skin);
  Clear();
}

FrameForm::~FrameForm() { delete form; }

void FrameForm::Activate() {
  form->Show();
  ::SetForegroundWindow(form->Handle());
  ::SetActiveWindow(form->Handle());
  PumpUntil([this] { return frame->FormActive(); }, 2000);
}

bool FrameForm::Passed(UINT msg) const { return PassedCount(msg) > 0; }

int FrameForm::PassedCount(UINT msg) const { return int(std::count(passed.begin(), passed.end(), msg)); }
