#include "skin/controls/views/ViewScrollBars.h"

namespace {

void Prepare(TspSkinScrollBar* bar, TComponent* view, TNotifyEvent onChange) {
  if (!bar) return;
  bar->FreeNotification(view);
  bar->SetEnabled(true);
  bar->SetVisible(false);
  bar->OnChange = onChange;
}

}  // namespace

void TspViewScrollBars::SetV(TspSkinScrollBar* bar, TComponent* view, TNotifyEvent onChange) {
  v_ = bar;
  Prepare(bar, view, onChange);
}

void TspViewScrollBars::SetH(TspSkinScrollBar* bar, TComponent* view, TNotifyEvent onChange) {
  h_ = bar;
  Prepare(bar, view, onChange);
}

void TspViewScrollBars::Forget(TComponent* component) {
  if (component == v_) v_ = nullptr;
  if (component == h_) h_ = nullptr;
}

void TspViewScrollBars::SetVisible(TspSkinScrollBar* bar, bool visible, bool& changed) {
  if (!bar || bar->Visible() == visible) return;
  inCheck_ = true;
  bar->SetVisible(visible);
  inCheck_ = false;
  changed = true;
}

void TspViewScrollBars::Finish(TControl* view, bool changed) {
  if (v_ && h_) {
    if (!v_->Visible() && h_->Both()) h_->SetBoth(false);
    else if (v_->Visible() && !h_->Both()) h_->SetBoth(true);
  }
  if (changed && view->Align() != alNone && view->Parent()) {
    inCheck_ = true;
    view->Parent()->Realign();
    inCheck_ = false;
  }
}

void TspViewScrollBars::FollowVisible(bool viewVisible) {
  if (v_) v_->SetVisible(viewVisible && v_->Visible());
  if (h_) h_->SetVisible(viewVisible && h_->Visible());
}

void TspViewScrollBars::Realign() {
  if (v_) v_->SetAlign(v_->Align());
  if (h_) h_->SetAlign(h_->Align());
}
