#include "skin/controls/panels/SkinExPanel.h"

#include "platform/controls/Messages.h"

TspSkinExPanel::TspSkinExPanel(TComponent* owner)
    : TspSkinCustomControl(owner), glyph_(std::make_unique<TBitmap>()) {
  ControlStyle |= csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks | csSetCaption | csOpaque |
                  csReplicatable;
  PaintByBorders = true;
  SetBounds(Left(), Top(), 150, 100);
  SkinDataName = "expanel";
}

// ---- properties ----

void TspSkinExPanel::SetRollKind(TspExPanelRollKind value) {
  rollKind_ = value;
  Repaint();
}

void TspSkinExPanel::SetShowRollButton(bool value) {
  showButton_[1] = value;
  Repaint();
}

void TspSkinExPanel::SetShowCloseButton(bool value) {
  showButton_[0] = value;
  Repaint();
}

void TspSkinExPanel::SetDefaultCaptionHeight(Integer value) {
  defaultCaptionHeight_ = value;
  if (HasRecord()) return;
  Repaint();
  Realign();
}

void TspSkinExPanel::SetGlyph(const TBitmap* value) {
  glyph_->Assign(value);
  Repaint();
}

void TspSkinExPanel::SetNumGlyphs(Integer value) {
  numGlyphs_ = value;
  Repaint();
}

void TspSkinExPanel::SetSpacing(Integer value) {
  spacing_ = value;
  Repaint();
}

void TspSkinExPanel::SetCaptionImageList(TCustomImageList* value) {
  captionImageList_ = value;
  if (value) value->FreeNotification(this);
  Repaint();
}

void TspSkinExPanel::SetCaptionImageIndex(Integer value) {
  if (value == captionImageIndex_) return;
  captionImageIndex_ = value;
  Repaint();
}

void TspSkinExPanel::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation == opRemove && component == captionImageList_) captionImageList_ = nullptr;
}

void TspSkinExPanel::CMTextChanged(TMessage& message) {
  TspSkinCustomControl::CMTextChanged(message);
  Repaint();
}

void TspSkinExPanel::Close() {
  SetVisible(false);
  if (!Designing()) OnClose(this);
}

// ---- record and geometry ----

void TspSkinExPanel::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  Record = HasRecord() ? dynamic_cast<TspDataSkinExPanelControl*>(SkinData()->CtrlList[SkinRecordIndex].get())
                       : nullptr;
  if (!Record) return;
  const TspDataSkinExPanelControl& k = *Record;
  auto rollLook = [](TRect (&look)[3], const TRect& normal, const TRect& active, const TRect& down) {
    look[0] = normal;
    look[1] = active.IsEmpty() ? normal : active;
    look[2] = down.IsEmpty() ? look[1] : down;
  };
  ButtonLooks[kClose][0] = k.closebuttonrect;
  ButtonLooks[kClose][1] = k.closebuttonactiverect;
  ButtonLooks[kClose][2] = k.closebuttondownrect;
  rollLook(ButtonLooks[kHRoll], k.hrollbuttonrect, k.hrollbuttonactiverect, k.hrollbuttondownrect);
  rollLook(ButtonLooks[kHRestore], k.hrestorebuttonrect, k.hrestorebuttonactiverect, k.hrestorebuttondownrect);
  rollLook(ButtonLooks[kVRoll], k.vrollbuttonrect, k.vrollbuttonactiverect, k.vrollbuttondownrect);
  rollLook(ButtonLooks[kVRestore], k.vrestorebuttonrect, k.vrestorebuttonactiverect, k.vrestorebuttondownrect);
}

Integer TspSkinExPanel::GetRollWidth() const {
  return Record ? Record->rollhskinrect.Width() : defaultCaptionHeight_;
}

Integer TspSkinExPanel::GetRollHeight() const {
  return Record ? Record->rollvskinrect.Height() : defaultCaptionHeight_;
}

void TspSkinExPanel::SetBounds(int left, int top, int width, int height) {
  if (rollState_ && !rolling_) {
    GetSkinData();
    if (rollKind_ == rkRollHorizontal) width = GetRollWidth();
    else height = GetRollHeight();
  }
  TspSkinCustomControl::SetBounds(left, top, width, height);
}

void TspSkinExPanel::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  if (!rollState_) return Realign();
  if (rollKind_ == rkRollVertical) SetHeight(GetRollHeight());
  else SetWidth(GetRollWidth());
}

void TspSkinExPanel::AdjustClientRect(TRect& rect) {
  TspSkinCustomControl::AdjustClientRect(rect);
  GetSkinData();
  if (!Record || Designing()) {
    rect = TRect{rect.Left + 1, rect.Top + defaultCaptionHeight_, rect.Right - 1, rect.Bottom - 1};
    return;
  }
  Integer w = Width(), h = Height();
  CalcSize(w, h);
  rect = RealClientRect;
}

void TspSkinExPanel::ShowControls() {
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(true);
  EnableAlign();
}

void TspSkinExPanel::HideControls() {
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(false);
}

// ---- rolling ----

void TspSkinExPanel::SetRollState(bool value) {
  if (value == rollState_) return;
  rolling_ = true;
  GetSkinData();
  TSizeConstraints* limits = Constraints();
  if (value) {
    PaintByBorders = false;
    saved_[0] = limits->MaxWidth(), saved_[1] = limits->MinWidth();
    saved_[2] = limits->MaxHeight(), saved_[3] = limits->MinHeight();
    limits->SetMaxWidth(0), limits->SetMinWidth(0), limits->SetMaxHeight(0), limits->SetMinHeight(0);
    HideControls();
    rollState_ = true;
    if (rollKind_ == rkRollVertical && RealHeight == 0) {
      RealHeight = Height();
      SetHeight(GetRollHeight());
    } else if (rollKind_ == rkRollHorizontal && RealWidth == 0) {
      RealWidth = Width();
      SetWidth(GetRollWidth());
    }
  } else {
    PaintByBorders = true;
    limits->SetMaxWidth(saved_[0]), limits->SetMinWidth(saved_[1]);
    limits->SetMaxHeight(saved_[2]), limits->SetMinHeight(saved_[3]);
    rollState_ = false;
    if (rollKind_ == rkRollHorizontal) {
      SetWidth(RealWidth);
      RealWidth = 0;
    } else {
      SetHeight(RealHeight);
      RealHeight = 0;
    }
    ShowControls();
  }
  rolling_ = false;
  Repaint();
  if (!Designing()) OnChangeRollState(this);
}

// ---- hit test and pointer ----

TRect TspSkinExPanel::CaptionArea() const {
  if (!Record) return TRect{2, 2, Width() - 2, defaultCaptionHeight_ - 1};
  const TspDataSkinExPanelControl& k = *Record;
  if (!rollState_) {
    TRect c = k.captionrect;
    c.Right += Width() - skinrect.Width();
    return c;
  }
  if (rollKind_ == rkRollVertical) {
    TRect c = k.rollvcaptionrect;
    c.Right += Width() - k.rollvskinrect.Width();
    return c;
  }
  TRect c = k.rollhcaptionrect;
  c.Bottom += Height() - k.rollhskinrect.Height();
  return c;
}

LRESULT TspSkinExPanel::HitTest(const TPoint& p) {
  if ((!Sizeable && !Moveable) || Designing()) return 0;
  GetSkinData();
  Integer w = Width(), h = Height();
  TRect corner{w - 2, h - 2, w, h}, right{w - 2, 0, w, h - 2}, bottom{0, h - 2, w - 2, h};
  if (Record) {
    Integer cw = w, ch = h;
    CalcSize(cw, ch);
    Integer r = RealClientRect.Right, b = RealClientRect.Bottom;
    corner = TRect{r, b, w, h}, right = TRect{r, 0, w, b}, bottom = TRect{0, b, r, h};
  }
  auto onButton = [&](int i) { return showButton_[i] && Buttons[i].R.Contains(p); };
  if (Moveable && CaptionArea().Contains(p) && !onButton(0) && !onButton(1)) {
    if (Buttons[0].Active || Buttons[1].Active) {
      Buttons[0].Active = Buttons[1].Active = false;
      ActiveButton = -1;
      Repaint();
    }
    return HTCAPTION;
  }
  if (!Sizeable || rollState_) return 0;
  if (corner.Contains(p)) return HTBOTTOMRIGHT;
  if (bottom.Contains(p)) return HTBOTTOM;
  if (right.Contains(p)) return HTRIGHT;
  return 0;
}

void TspSkinExPanel::TestActive(Integer x, Integer y) {
  if (!showButton_[0] && !showButton_[1]) return;
  OldActiveButton = ActiveButton;
  Integer found = -1;
  for (int i = 0; i < 2; ++i)
    if (showButton_[i] && Buttons[i].R.Contains(TPoint{x, y})) {
      found = i;
      break;
    }
  if (PressedButton != -1 && found != PressedButton) found = -1;
  ActiveButton = found;
  if (ActiveButton == OldActiveButton) return;
  if (OldActiveButton != -1) {
    Buttons[OldActiveButton].Active = false;
    RedrawButton(OldActiveButton);
  }
  if (ActiveButton != -1) {
    Buttons[ActiveButton].Active = true;
    RedrawButton(ActiveButton);
  }
}

void TspSkinExPanel::CMMouseEnter(TMessage& message) {
  TspSkinCustomControl::CMMouseEnter(message);
  if (!Designing()) TestActive(-1, -1);
}

void TspSkinExPanel::CMMouseLeave(TMessage& message) {
  TspSkinCustomControl::CMMouseLeave(message);
  for (int i = 0; i < 2; ++i)
    if (Buttons[i].Active) {
      Buttons[i].Active = false;
      RedrawButton(i);
    }
  ActiveButton = -1;
}

void TspSkinExPanel::MouseMove(TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseMove(shift, x, y);
  TestActive(x, y);
}

void TspSkinExPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TestActive(x, y);
  if (ActiveButton != -1) {
    PressedButton = ActiveButton;
    Buttons[PressedButton].Down = true;
    RedrawButton(PressedButton);
  }
  TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinExPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  if (PressedButton == -1) return;
  int i = PressedButton;
  PressedButton = -1;
  Buttons[i].Down = false;
  if (!Buttons[i].R.Contains(TPoint{x, y})) {
    Buttons[i].Active = false;
    ActiveButton = -1;
  }
  RedrawButton(i);
  if (!Buttons[i].Active) return;
  if (i == 0) return Close();
  SetRollState(!rollState_);
  ActiveButton = -1;
  Buttons[0].Active = Buttons[1].Active = false;
  TestActive(x, y);
  Repaint();
}

void TspSkinExPanel::WndProc(TMessage& message) {
  if (message.Msg == WM_NCHITTEST) {
    TPoint p = ScreenToClient(TPoint{static_cast<short>(LOWORD(message.LParam)),
                                     static_cast<short>(HIWORD(message.LParam))});
    if (LRESULT hit = HitTest(p)) {
      message.Result = hit;
      return;
    }
  }
  TspSkinCustomControl::WndProc(message);
  if ((message.Msg == WM_SIZE || message.Msg == WM_SIZING) && Sizeable) Realign();
}
