// TspSkinScrollPanel: a skinned container whose children scroll sideways or up
// and down with two 12-pixel arrows in its non-client area (held: auto-repeat),
// the arrow keys and the wheel (CanFocused). It fills its background from the
// client part of its record's piece and can size itself across the scrolling
// direction to its children.
#pragma once

#include "skin/controls/SkinCtrls.h"
#include "skin/controls/panels/ScrollArrows.h"

// Scoped: the stretch types of the skin records use the same two names.
enum class TspScrollType { spstHorz, spstVert };

class TspSkinScrollPanel : public TspSkinControl {
public:
  explicit TspSkinScrollPanel(TComponent* owner);

  TspScrollType ScrollType() const { return arrows_.Vertical ? TspScrollType::spstVert : TspScrollType::spstHorz; }
  void SetScrollType(TspScrollType value);
  Integer ScrollOffset() const { return arrows_.ScrollOffset; }
  void SetScrollOffset(Integer value);  // values below 0 are ignored
  Integer ScrollTimerInterval() const { return arrows_.ScrollTimerInterval; }
  void SetScrollTimerInterval(Integer value);  // values of 0 or less are ignored
  bool HotScroll() const { return arrows_.HotScroll; }
  void SetHotScroll(bool value) { arrows_.HotScroll = value; }
  bool CanFocused = false;
  void SetAutoSize(bool value) override;

  TspScrollArrows& Arrows() { return arrows_; }
  void SetPosition(Integer value);  // the position only: the children stay
  void GetScrollInfo();
  void ButtonClick(int i) { arrows_.ButtonClick(i, ClientWidth()); }
  void ButtonDown(int i) { arrows_.ButtonDown(i); }
  void ButtonUp(int i) { arrows_.ButtonUp(i, ClientWidth()); }
  void UpDateSize() { SetBounds(Left(), Top(), Width(), Height()); }
  void SetBounds(int left, int top, int width, int height) override;
  void GetSkinData() override;
  void Loaded() override;

  TspDataSkinCustomControl* Record = nullptr;  // the record of SkinDataName, borrowed

protected:
  void WndProc(TMessage& message) override;
  void AdjustClientRect(TRect& rect) override;
  void Paint() override;
  void KeyDown(Word& key, TShiftState shift) override;

private:
  void ScrollControls(Integer d);
  void ArrowsChanged();
  bool ArrowMessage(TMessage& message);
  bool TakeFocus(TMessage& message);

  TspScrollArrows arrows_{this, false};
  Integer heightGrowDelta_ = 0;
  bool takingFocus_ = false;
};
