// The two skinned scroll bars that stand beside a view whose native bars are
// never shown (the tree view, the list view). A bar shows only while there is
// something to scroll; the horizontal one leaves the corner to a shown vertical
// one; a change of a bar's visibility realigns an aligned view's parent. The
// view mirrors its own scroll state into them and scrolls itself from them.
#pragma once

#include "skin/controls/SkinScrollBar.h"

class TspViewScrollBars {
public:
  TspSkinScrollBar* V() const { return v_; }
  TspSkinScrollBar* H() const { return h_; }
  // Attaches a bar (nullptr detaches): freed-notified to `view`, enabled and
  // hidden until there is something to scroll, its changes to `onChange`.
  void SetV(TspSkinScrollBar* bar, TComponent* view, TNotifyEvent onChange);
  void SetH(TspSkinScrollBar* bar, TComponent* view, TNotifyEvent onChange);
  // The view's removal notification: a freed bar is forgotten.
  void Forget(TComponent* component);

  // Whether the bars are being changed or are scrolling the view: no mirroring
  // then (no feedback loop).
  bool Busy() const { return inCheck_ || fromBar_; }
  bool InCheck() const { return inCheck_; }
  // Shows or hides a bar; `changed` is set when its visibility changed.
  void SetVisible(TspSkinScrollBar* bar, bool visible, bool& changed);
  // After the bars' visibility is set: the corner, and the parent's realign.
  void Finish(TControl* view, bool changed);
  // A hidden view hides its bars; a shown one shows those that were shown.
  void FollowVisible(bool viewVisible);
  // The bars' alignment applied again (after a skin change).
  void Realign();
  // Runs `scroll` as a bar's move of the view.
  template <class F>
  void FromBar(F scroll) {
    fromBar_ = true;
    scroll();
    fromBar_ = false;
  }

private:
  TspSkinScrollBar* v_ = nullptr;  // borrowed, freed-notified
  TspSkinScrollBar* h_ = nullptr;  // borrowed, freed-notified
  bool inCheck_ = false;
  bool fromBar_ = false;
};
