// Fixtures of the skinned frame tests: a small frame skin made in code (a 100 x 60
// frame picture of solid zones with a caption, three caption buttons in a
// named picture, optional mask), and a form that carries a frame component,
// with a recorder of the messages that reach the form's own procedure.
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/Forms.h"
#include "skin/form/DynamicSkinForm.h"

// Zone colours of the frame picture.
constexpr TColor kCaptionColor = 0x0000C0;  // caption band 0..25
constexpr TColor kLeftColor = 0x00C000;
constexpr TColor kRightColor = 0xC00000;
constexpr TColor kBottomColor = 0x00C0C0;
constexpr TColor kClientColor = 0x808080;
constexpr TColor kInactiveCaptionColor = 0x404040;
// Button looks in named picture 0 (16 x 16 each): normal, hover, pressed.
constexpr TColor kButtonNormal = 0xF0F0F0, kButtonHover = 0x00FF00, kButtonDown = 0xFF00FF;

// Frame picture 100 x 60: corners (20,25) (80,25) (20,55) (80,55), client
// (4,25,96,56), caption (10,0,98,24) with the buttons at its right end (no
// buttons rectangle), hit-test points 6 px inside, border width 3.
class FrameSkin {
public:
  explicit FrameSkin(bool mask = false);
  TspDataSkinStdButton* AddButton(const String& name, TStdCommand command);
  TspSkinData data;
};

// A form with a frame component whose old procedure records what it is given.
class FrameForm {
public:
  explicit FrameForm(TspSkinData* skin, TRect bounds = {100, 100, 300, 220});
  ~FrameForm();
  // Messages that reached the form's own procedure since the last Clear.
  std::vector<UINT> passed;
  void Clear() { passed.clear(); }
  // Shows the form and waits until it is the active one.
  void Activate();
  bool Passed(UINT msg) const;
  int PassedCount(UINT msg) const;
  TForm* form = nullptr;
  TspDynamicSkinForm* frame = nullptr;  // owned by the form
};
