// TspSkinTabControl: the platform tab control (tabs given as strings, no
// pages) drawn by the skinned tab strip like the page control: frame,
// background, tabs, close buttons, hover look and the skinned up-down in
// place of the native tab scroller. It keeps a close state per tab. PaintBG
// paints the page background alone, for transparent children capturing their
// parent's picture. SetSkinData and ChangeSkinData are plain: the skin-change
// table calls them.
#pragma once

#include <vector>

#include "skin/controls/tabs/SkinTabs.h"

// Asked before the tab at Index is deleted by its close button.
using TspCloseEvent2 = TEvent<Integer, bool&>;

class TspSkinTabControl : public TspSkinTabs<TTabControl> {
public:
  explicit TspSkinTabControl(TComponent* owner);

  TspCloseEvent2 OnClose;

  // Setting it, even to the same value, clears every tab's close state.
  void SetShowCloseButtons(bool value);
  Integer SkinRecordIndex() const { return HasRecord() ? SkinData()->GetControlIndex(SkinDataName) : -1; }
  // The page background alone (no frame, no tabs) into the DC.
  void PaintBG(HDC dc);
  void CheckControlsBackground();
  void DoClose() override;

  // The close state of a tab; the entries follow the tabs, so every tab has one.
  struct TCloseState {
    bool Hot = false, Pressed = false;
    TRect Rect;
  };
  TCloseState& CloseState(Integer tab);

protected:
  Integer ItemCount() const override { return TabCount(); }
  Integer ItemOfTab(Integer tab) const override { return tab >= 0 && tab < TabCount() ? tab : -1; }
  String ItemCaption(Integer tab) const override { return Tabs()->Strings(tab); }
  Integer ItemImage(Integer tab) const override { return tab; }
  TspTabCloseRef ItemClose(Integer tab) override;
  bool FramelessBackground() const override { return true; }

  void Dispatch(TMessage& message) override;

private:
  std::vector<TCloseState> closeStates_;
  bool inPaint_ = false;
};
