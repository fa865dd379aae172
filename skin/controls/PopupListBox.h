// TspPopupListBox: the combo box's drop-down: a skinned list box shown as a
// pop-up tool window (saved bits, a drop shadow) that never takes activation,
// optionally faded in as a layered window by a timer.
#pragma once

#include "skin/controls/SkinCustomListBox.h"

class TspPopupListBox : public TspSkinListBox {
public:
  explicit TspPopupListBox(TComponent* owner);

  bool AlphaBlendOn = false;     // the combo box's ListBoxAlphaBlend
  bool AlphaAnimation = false;   // the combo box's ListBoxAlphaBlendAnimation
  Byte AlphaValue = 200;         // the combo box's ListBoxAlphaBlendValue
  Byte AppliedAlpha() const { return appliedAlpha_; }
  bool Fading() const { return fading_; }

  // Places the window at the screen point on top, without activating it, and
  // shows it; with animation the alpha then grows by 10 per timer tick.
  void ShowAt(const TPoint& origin);
  // Hides without moving, sizing or activating anything; ends a fade.
  void HideList();

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;

private:
  void FadeStep();
  bool layeredOn_ = false;
  Byte appliedAlpha_ = 0;
  Byte fadeAlpha_ = 0;
  bool fading_ = false;
};
