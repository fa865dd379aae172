#include "skin/controls/tabs/SkinTabControl.h"

#include "skin/draw/ParentImage.h"

TspSkinTabControl::TspSkinTabControl(TComponent* owner) : TspSkinTabs<TTabControl>(owner) {
  // A transparent child capturing its parent's picture gets the page background.
  static bool hooked = false;
  if (!hooked) {
    hooked = true;
    TspParentBackgroundPainter previous = SP_PaintParentBackground;
    SP_PaintParentBackground = [previous](TWinControl* parent, HDC dc) {
      if (auto* tabs = dynamic_cast<TspSkinTabControl*>(parent)) {
        tabs->PaintBG(dc);
        return true;
      }
      return previous && previous(parent, dc);
    };
  }
}

void TspSkinTabControl::SetShowCloseButtons(bool value) {
  closeStates_.clear();
  TspSkinTabs<TTabControl>::SetShowCloseButtons(value);
}

// The states grow with the tabs, so every tab (also past the 255th) has one.
TspSkinTabControl::TCloseState& TspSkinTabControl::CloseState(Integer tab) {
  if (tab < 0) tab = 0;
  if (static_cast<size_t>(tab) >= closeStates_.size()) closeStates_.resize(static_cast<size_t>(tab) + 1);
  return closeStates_[static_cast<size_t>(tab)];
}

TspTabCloseRef TspSkinTabControl::ItemClose(Integer tab) {
  if (tab < 0) return {};
  TCloseState& state = CloseState(tab);
  return {&state.Hot, &state.Pressed, &state.Rect};
}

// Deleting a tab takes its close state with it, so the tabs after it keep theirs.
void TspSkinTabControl::DoClose() {
  Integer index = TabIndex();
  if (index == -1) return;
  bool canClose = true;
  OnClose(index, canClose);
  if (canClose) {
    if (static_cast<size_t>(index) < closeStates_.size()) closeStates_.erase(closeStates_.begin() + index);
    Tabs()->Delete(index);
    Invalidate();
    OnAfterClose(this);
    return;
  }
  POINT cursor;
  ::GetCursorPos(&cursor);
  if (!HandleAllocated() || ::WindowFromPoint(cursor) != Handle()) {
    CloseState(index) = TCloseState{};
    Invalidate();
  }
}

// ---- background ----

void TspSkinTabControl::PaintBG(HDC dc) {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  TCanvas canvas;
  canvas.SetHandle(dc);
  if (!HasRecord() || !Picture) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect(TRect{0, 0, Width(), Height()});
  } else {
    FillPageArea(&canvas, TRect{}, Width(), Height());
  }
  canvas.SetHandle(nullptr);
}

void TspSkinTabControl::CheckControlsBackground() {
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(Controls(i)); child && child->HandleAllocated())
      ::SendMessageA(child->Handle(), WM_USER + 260, 0, 0);
}

// ---- messages ----

void TspSkinTabControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      TspSkinTabs<TTabControl>::Dispatch(message);
      if (HasRecord() && Record()->stretcheffect) CheckControlsBackground();
      return;
    case WM_ERASEBKGND:
      if (!inPaint_ && message.WParam) PaintBG(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_PAINT:
      inPaint_ = true;
      TspSkinTabs<TTabControl>::Dispatch(message);
      inPaint_ = false;
      return;
    default:
      TspSkinTabs<TTabControl>::Dispatch(message);
  }
}
