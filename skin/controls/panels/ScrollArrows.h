// The two 12-pixel scroll arrows that the tool bar and the scroll panel show in
// their non-client area when their children do not fit: the scroll state (the
// position, the range and the client length it was taken with, the growth of
// the last resize), the range rules, one step per click or timer tick, the hit
// codes 119 and 120, the hot and pressed arrows and their pictures.
#pragma once

#include <functional>

#include "platform/controls/WinControl.h"
#include "skin/data/SkinData.h"

constexpr LRESULT kHitFirstArrow = 119;
constexpr LRESULT kHitSecondArrow = 120;
constexpr UINT_PTR kScrollArrowTimer = 1;
constexpr Integer kScrollArrowSize = 12;

struct TspScrollArrow {
  TRect R;  // window coordinates
  bool Hot = false, Down = false, Visible = false;
};

class TspScrollArrows {
public:
  TspScrollArrows(TWinControl* owner, bool vertical) : Vertical(vertical), owner_(owner) {}

  // Moves the children by -d along the axis (the owner's H/VScrollControls).
  std::function<void(Integer d)> ScrollChildren;
  // The arrows appeared or went: the owner measures its non-client area again.
  std::function<void()> VisibilityChanged;
  bool Vertical;
  Integer ScrollOffset = 0;         // 0: one client width per step
  Integer ScrollTimerInterval = 50;
  bool HotScroll = false;

  Integer ScrollPos = 0, LastScrollPos = 0, ScrollRange = 0, ScrollClientWidth = 0, GrowDelta = 0;
  Integer TimerMode = 0;  // 0 idle, 1 back, 2 forward
  TspScrollArrow Arrows[2];
  bool Shown() const { return Arrows[0].Visible || Arrows[1].Visible; }

  // The range for children reaching to `extent` in a client of `client` pixels.
  void TakeRange(Integer extent, Integer client);
  // Clears the state and hides the arrows without telling the owner.
  void Reset();
  // One step back (0) or forward (1); `stepLength` is used when ScrollOffset is 0.
  void ButtonClick(int i, Integer stepLength);
  void ButtonDown(int i);
  void ButtonUp(int i, Integer stepLength);
  void StartTimer();
  void StopTimer();

  // The non-client rectangle loses the shown arrows.
  void ShrinkClient(RECT& r) const;
  void PlaceArrows(Integer width, Integer height);
  // 119, 120 or 0 for a point in client coordinates.
  LRESULT HitTest(const TPoint& clientPoint, Integer clientLength) const;
  void DrawArrows(HDC dc, TspSkinData* data);

  // Pointer input; each answers whether it handled the message.
  bool NcMouseMove(LRESULT hit, TspSkinData* data);
  bool NcButtonDown(LRESULT hit, TspSkinData* data);
  bool NcButtonUp(LRESULT hit, TspSkinData* data, Integer stepLength);
  void ClientMouseMove(TspSkinData* data);
  void MouseLeft(TspSkinData* data);
  void TimerTick(Integer stepLength);

private:
  void SetVisible(bool visible);
  void DrawArrow(TCanvas* canvas, int i, TspSkinData* data);
  void Repaint(TspSkinData* data);

  TWinControl* owner_;
  bool inRange_ = false;
};
