// The base frame object (looks, morphing, mouse events) and the button-like
// objects: user object, switch, button, caption button and animation.
#include "skin/form/ActiveSkinObject.h"

#include "platform/controls/Menus.h"
#include "platform/graphics/Frame3D.h"
#include "skin/draw/MorphKind.h"
#include "skin/draw/SkinGlyphs.h"
#include "skin/draw/SkinRects.h"
#include "skin/draw/Speffbmp.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/FormMenuSeams.h"

namespace {

constexpr double kMorphStep = 0.2;

}  // namespace

// ---- base ----

TspActiveSkinObject::TspActiveSkinObject(TspDynamicSkinForm* form, TspDataSkinObject* data)
    : SkinForm(form), SkinData(form->SkinData()) {
  if (!data) return;
  IDName = data->IDName;
  Hint = data->Hint;
  skinrectinapicture = data->skinrectinapicture;
  skinrect = data->skinrect;
  activeskinrect = data->activeskinrect;
  inactiveskinrect = data->inactiveskinrect;
  Morphing = data->Morphing;
  MorphKind = data->MorphKind;
  cursorindex = data->cursorindex;
  RollUp = data->RollUp;
  if (SkinData) {
    ActivePicture = SkinData->ActivePicture(data->activepictureindex);
    Picture = RollUp ? SkinData->RollUpPicture.get() : SkinData->Picture.get();
  }
  if (!ActivePicture) activeskinrect = TRect{};
  ObjectRect = skinrect;
}

bool TspActiveSkinObject::HasSkin() const { return SkinForm->SkinData() && !SkinForm->SkinData()->Empty; }

void TspActiveSkinObject::CopyLook(TCanvas* canvas, const TRect& r) const {
  if (ActivePicture)
    CopyFrom(canvas, ActivePicture, r);
  else if (!skinrectinapicture)
    CopyFrom(canvas, Picture, skinrect);
}

void TspActiveSkinObject::CopyFrom(TCanvas* canvas, TBitmap* picture, const TRect& r) const {
  if (!picture || picture->Empty() || IsNullRect(r)) return;
  canvas->CopyRect(ObjectRect, picture->Canvas(), r);
}

void TspActiveSkinObject::DrawMorph(TCanvas* canvas, TBitmap* normalPicture, const TRect& normal,
                                    TBitmap* activePicture, const TRect& active) const {
  const Integer w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
  if (!DrawableSize(w, h) || !normalPicture || !activePicture) return;
  TBitmap a(w, h), b(w, h);
  a.Canvas()->CopyRect(Rect(0, 0, w, h), normalPicture->Canvas(), normal);
  b.Canvas()->CopyRect(Rect(0, 0, w, h), activePicture->Canvas(), active);
  TspEffectBmp ea(a.Handle()), eb(b.Handle());
  MorphByKind(ea, eb, MorphKf, MorphKind);
  ea.Draw(canvas->Handle(), ObjectRect.Left, ObjectRect.Top);
}

bool TspActiveSkinObject::EnableMorphing() const {
  return Morphing && SkinForm->SkinData() && SkinForm->SkinData()->EnableSkinEffects;
}

bool TspActiveSkinObject::MorphInProgress() const {
  return EnableMorphing() && ((Active && MorphKf != 1) || (!Active && MorphKf != 0));
}

void TspActiveSkinObject::Redraw() {
  if (EnableMorphing())
    SkinForm->MorphTimer()->SetEnabled(true);
  else
    SkinForm->DrawSkinObject(this);
}

void TspActiveSkinObject::DoMorphing() {
  SetMorphKf(Active ? MorphKf + kMorphStep : MorphKf - kMorphStep);
  SkinForm->DrawSkinObject(this);
}

void TspActiveSkinObject::SetMorphKf(double value) {
  // Five steps of 0.2 land on 1 exactly despite binary fractions.
  MorphKf = value < 1e-9 ? 0 : value > 1 - 1e-9 ? 1 : value;
}

bool TspActiveSkinObject::CanMorphing() const { return (Active && MorphKf < 1) || (!Active && MorphKf > 0); }

void TspActiveSkinObject::Draw(TCanvas* canvas, bool update) {
  if (!HasSkin()) return;
  TBitmap* normalPicture = skinrectinapicture ? ActivePicture : Picture;
  if (!Enabled || SkinForm->FormActive() || IsNullRect(inactiveskinrect)) {
    if (MorphInProgress() && !IsNullRect(activeskinrect)) {
      DrawMorph(canvas, normalPicture, skinrect, ActivePicture, activeskinrect);
    } else if (!Active || IsNullRect(activeskinrect)) {
      if (update || skinrectinapicture) CopyFrom(canvas, normalPicture, skinrect);
    } else {
      CopyFrom(canvas, ActivePicture, activeskinrect);
    }
    return;
  }
  CopyLook(canvas, inactiveskinrect);
}

void TspActiveSkinObject::MouseDown(Integer x, Integer y, TMouseButton button) {
  SkinForm->MouseDownEvent(IDName, x, y, ObjectRect, button);
}

void TspActiveSkinObject::MouseUp(Integer x, Integer y, TMouseButton button) {
  if (MouseOver) SkinForm->MouseUpEvent(IDName, x, y, ObjectRect, button);
}

void TspActiveSkinObject::MouseMove(Integer x, Integer y) { SkinForm->MouseMoveEvent(IDName, x, y, ObjectRect); }

void TspActiveSkinObject::MouseEnter() {
  MouseOver = Active = true;
  if (!IsNullRect(activeskinrect)) Redraw();
  SkinForm->MouseEnterEvent(IDName);
}

void TspActiveSkinObject::MouseLeave() {
  MouseOver = Active = false;
  if (!IsNullRect(activeskinrect)) Redraw();
  SkinForm->MouseLeaveEvent(IDName);
}

// ---- user object and switch ----

void TspUserObject::Draw(TCanvas* canvas, bool) { SkinForm->PaintEvent(IDName, canvas, ObjectRect); }

void TspSkinSwitchObject::SetState(TSwitchState value) {
  State = value;
  Active = value == swsOn;
  Redraw();
  SkinForm->SwitchChangeStateEvent(IDName, State);
}

void TspSkinSwitchObject::SimpleSetState(TSwitchState value) {
  State = value;
  Active = value == swsOn;
  if (value == swsOn) MorphKf = 1;
}

void TspSkinSwitchObject::MouseDown(Integer x, Integer y, TMouseButton button) {
  if (button == mbLeft) SetState(State == swsOn ? swsOff : swsOn);
  TspActiveSkinObject::MouseDown(x, y, button);
}

void TspSkinSwitchObject::MouseEnter() {
  MouseOver = true;
  SkinForm->MouseEnterEvent(IDName);
}

void TspSkinSwitchObject::MouseLeave() {
  MouseOver = false;
  SkinForm->MouseLeaveEvent(IDName);
}

// ---- button ----

TspSkinButtonObject::TspSkinButtonObject(TspDynamicSkinForm* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  if (auto* record = dynamic_cast<TspDataSkinButton*>(data)) {
    downrect = record->downrect;
    disableskinrsect = record->disableskinrsect;
    GroupIndex = record->GroupIndex;
  }
  Active = MouseOver = false;
  MorphKf = 0;
}

void TspSkinButtonObject::Draw(TCanvas* canvas, bool update) {
  if ((Enabled || IsNullRect(disableskinrsect)) && (!Down || IsNullRect(downrect) || (GroupIndex == -1 && !MouseOver))) {
    TspActiveSkinObject::Draw(canvas, update);
    return;
  }
  if (!HasSkin()) return;
  CopyLook(canvas, !Enabled && !IsNullRect(disableskinrsect) ? disableskinrsect : downrect);
}

bool TspSkinButtonObject::CanMorphing() const {
  return TspActiveSkinObject::CanMorphing() && !(MenuItem && Down);
}

void TspSkinButtonObject::ReleaseGroup() {
  if (GroupIndex == -1) return;
  for (auto& o : SkinForm->Objects()) {
    auto* other = dynamic_cast<TspSkinButtonObject*>(o.get());
    if (other && other != this && other->IDName != IDName && other->GroupIndex == GroupIndex && other->Down) {
      other->SetDown(false);
      return;
    }
  }
}

void TspSkinButtonObject::SetDown(bool value) {
  Down = value;
  const bool noDownLook = IsNullRect(downrect);
  if (MenuItem && value && noDownLook) {
    MouseOver = Active = true;
    if (EnableMorphing()) MorphKf = 1;
    SkinForm->DrawSkinObject(this);
  }
  if (MenuItem && !value && noDownLook) {
    SkinForm->DrawSkinObject(this);
    if (EnableMorphing()) Redraw();
  }
  if (noDownLook) {
    if (value) ReleaseGroup();
    return;
  }
  if (value) {
    if (EnableMorphing()) MorphKf = 1;
    SkinForm->DrawSkinObject(this);
    ReleaseGroup();
    return;
  }
  if (GroupIndex != -1 || MenuItem) Active = false;
  if (EnableMorphing()) SkinForm->DrawSkinObject(this);
  Redraw();
}

void TspSkinButtonObject::MouseDown(Integer x, Integer y, TMouseButton button) {
  if (!Enabled) return;
  if (button == mbLeft && !Down) {
    SetDown(true);
    TrackMenu();
  }
  TspActiveSkinObject::MouseDown(x, y, button);
}

void TspSkinButtonObject::MouseUp(Integer x, Integer y, TMouseButton button) {
  if (!Enabled) return;
  if (button == mbLeft && !MenuItem && Down && GroupIndex == -1) SetDown(false);
  TspActiveSkinObject::MouseUp(x, y, button);
}

void TspSkinButtonObject::MouseEnter() {
  MouseOver = Active = true;
  if (!IsNullRect(downrect) && Down) {
    if (GroupIndex == -1) SkinForm->DrawSkinObject(this);
  } else if (!IsNullRect(activeskinrect)) {
    Redraw();
  }
  SkinForm->MouseEnterEvent(IDName);
}

void TspSkinButtonObject::MouseLeave() {
  MouseOver = false;
  if (MenuItem && Down && IsNullRect(downrect)) {
    Active = false;
  } else if (Down && !IsNullRect(downrect) && (MenuItem || GroupIndex != -1)) {
  } else {
    Active = false;
    if (EnableMorphing() && Down) MorphKf = 1;
    if (!IsNullRect(activeskinrect) || (!IsNullRect(downrect) && GroupIndex == -1)) Redraw();
  }
  SkinForm->MouseLeaveEvent(IDName);
}

void TspSkinButtonObject::TrackMenu() {
  if (!MenuItem || MenuItem->Count() == 0 || !FormMenuSeams().TrackMenu) return;
  TCustomForm* form = SkinForm->Form();
  TRect r = ObjectRect;
  r = Rect(r.Left + form->Left(), r.Top + form->Top(), r.Right + form->Left(), r.Bottom + form->Top());
  SkinForm->SkinMenuOpen();
  FormMenuSeams().TrackMenu(SkinForm, this, MenuItem, r, PopupUp);
}

// ---- caption button ----

TspSkinStdButtonObject::TspSkinStdButtonObject(TspDynamicSkinForm* form, TspDataSkinObject* data)
    : TspSkinButtonObject(form, data) {
  auto* record = dynamic_cast<TspDataSkinStdButton*>(data);
  HasSkin = record != nullptr;
  if (!record) return;
  Command = record->Command;
  restorerect = record->restorerect;
  restoreactiverect = record->restoreactiverect;
  restoredownrect = record->restoredownrect;
  restoreinactiverect = record->restoreinactiverect;
}

bool TspSkinStdButtonObject::InRestoreState() const {
  return (Command == cmMaximize && SkinForm->WindowState() == wsMaximized) ||
         (Command == cmMinimize && SkinForm->WindowState() == wsMinimized) ||
         (Command == cmRollUp && SkinForm->RollUpState());
}

bool TspSkinStdButtonObject::ShowsIcon() const {
  return Command == cmSysMenu && SkinForm->ShowIcon() && skinrectinapicture;
}

void TspSkinStdButtonObject::Draw(TCanvas* canvas, bool update) {
  if (!HasSkin) return DefaultDraw(canvas);
  if (!TspActiveSkinObject::HasSkin()) return;
  if (ShowsIcon()) {
    SkinForm->DrawFormIcon(canvas, ObjectRect.Left, ObjectRect.Top);
    MorphKf = 0;
    return;
  }
  if (!Enabled || IsNullRect(restorerect) || !InRestoreState()) return TspSkinButtonObject::Draw(canvas, update);
  if (!SkinForm->FormActive() && !IsNullRect(restoreinactiverect))
    CopyLook(canvas, restoreinactiverect);
  else if (Down && MouseOver && !IsNullRect(restoredownrect))
    CopyLook(canvas, restoredownrect);
  else if (MorphInProgress() && !IsNullRect(restoreactiverect))
    DrawMorph(canvas, ActivePicture, restorerect, ActivePicture, restoreactiverect);
  else
    CopyLook(canvas, Active && !IsNullRect(restoreactiverect) ? restoreactiverect : restorerect);
}

void TspSkinStdButtonObject::DefaultDraw(TCanvas* canvas) {
  if (Command == cmSysMenu && SkinForm->ShowIcon()) {
    SkinForm->DrawFormIcon(canvas, ObjectRect.Left, ObjectRect.Top);
    return;
  }
  const Integer w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
  if (!DrawableSize(w, h)) return;
  TBitmap b(w, h);
  TCanvas* c = b.Canvas();
  TRect r = Rect(0, 0, w, h);
  const bool pressed = Down && MouseOver;
  if (pressed || MouseOver) {
    Frame3D(c, r, clNavy, clNavy, 1);
    c->Brush()->SetColor(pressed ? TColor(RGB(133, 147, 181)) : TColor(RGB(182, 189, 210)));
  } else {
    c->Brush()->SetColor(clBtnFace);
  }
  c->FillRect(r);
  const Integer x = w / 2 - 5 + (pressed ? 1 : 0), y = h / 2 - 4 + (pressed ? 1 : 0);
  const TColor color = Enabled ? clBtnText : clGrayText;
  const bool restore = InRestoreState();
  switch (Command) {
    case cmClose: DrawCloseImage(c, x, y, color); break;
    case cmMaximize: restore ? DrawRestoreImage(c, x, y, color) : DrawMaximizeImage(c, x, y, color); break;
    case cmMinimize: restore ? DrawRestoreImage(c, x, y, color) : DrawMinimizeImage(c, x, y, color); break;
    case cmSysMenu: DrawSysMenuImage(c, x, y, color); break;
    case cmRollUp: restore ? DrawRestoreRollUpImage(c, x, y, color) : DrawRollUpImage(c, x, y, color); break;
    case cmMinimizeToTray: DrawMTImage(c, x, y, color); break;
    default: break;
  }
  ::BitBlt(canvas->Handle(), ObjectRect.Left, ObjectRect.Top, w, h, c->Handle(), 0, 0, SRCCOPY);
}

bool TspSkinStdButtonObject::CanMorphing() const { return !ShowsIcon() && TspSkinButtonObject::CanMorphing(); }

void TspSkinStdButtonObject::MouseDown(Integer, Integer, TMouseButton button) {
  if (!Enabled || button != mbLeft || Down) return;
  if (Command == cmSysMenu) MenuItem = SkinForm->GetSystemMenu();
  SetDown(true);
  if (Command == cmSysMenu) TrackMenu();
}

void TspSkinStdButtonObject::MouseUp(Integer x, Integer y, TMouseButton button) {
  const bool act = button == mbLeft;
  if (Command == cmClose) {
    const bool wasActive = Active;
    TspSkinButtonObject::MouseUp(x, y, button);
    if (wasActive && act) DoCommand();
    return;
  }
  if (Active && act) DoCommand();
  TspSkinButtonObject::MouseUp(x, y, button);
}

void TspSkinStdButtonObject::DblClick() {
  if (Command == cmSysMenu) DoClose();
}

void TspSkinStdButtonObject::DoCommand() {
  switch (Command) {
    case cmClose: DoClose(); break;
    case cmMaximize: DoMax(); break;
    case cmMinimize:
      if (SkinForm->AlwaysMinimizeToTray)
        SkinForm->MinimizeToTray();
      else
        DoMin();
      break;
    case cmRollUp: DoRollUp(); break;
    case cmMinimizeToTray: DoMinimizeToTray(); break;
    default: break;
  }
}

void TspSkinStdButtonObject::DoClose() { SkinForm->Form()->Close(); }

void TspSkinStdButtonObject::DoMax() {
  SkinForm->SetWindowState(SkinForm->WindowState() == wsMaximized ? wsNormal : wsMaximized);
}

void TspSkinStdButtonObject::DoMin() {
  if (SkinForm->SupportNCArea() && SkinForm->WindowState() == wsMinimized)
    SkinForm->SetWindowState(wsNormal);
  else
    SkinForm->SetWindowState(wsMinimized);
}

void TspSkinStdButtonObject::DoRollUp() { SkinForm->SetRollUpState(!SkinForm->RollUpState()); }

void TspSkinStdButtonObject::DoMinimizeToTray() { SkinForm->MinimizeToTray(); }

// ---- animation ----

TspSkinAnimateObject::TspSkinAnimateObject(TspDynamicSkinForm* form, TspDataSkinObject* data)
    : TspActiveSkinObject(form, data) {
  auto* record = dynamic_cast<TspDataSkinAnimate*>(data);
  if (!record) return;
  TimerInterval = std::max<Integer>(25, record->TimerInterval);
  countframes = record->countframes;
  Cycle = record->Cycle;
  ButtonStyle = record->ButtonStyle;
  Command = record->Command;
  DownSkinRect = record->DownSkinRect;
  restorerect = record->restorerect;
  restoreactiverect = record->restoreactiverect;
  restoreinactiverect = record->restoreinactiverect;
  restoredownrect = record->restoredownrect;
}

bool TspSkinAnimateObject::InRestoreState() const {
  if (IsNullRect(restorerect)) return false;
  return (Command == cmMaximize && SkinForm->WindowState() == wsMaximized) ||
         (Command == cmMinimize && SkinForm->WindowState() == wsMinimized) ||
         (Command == cmRollUp && SkinForm->RollUpState());
}

TRect TspSkinAnimateObject::FrameRect(Integer frame) const {
  const bool restore = InRestoreState();
  const TRect size = restore ? restorerect : skinrect;
  const TRect strip = restore ? restoreactiverect : activeskinrect;
  const Integer w = RectWidth(size), h = RectHeight(size);
  return Rect(strip.Left + w * (frame - 1), strip.Top, strip.Left + w * frame, strip.Top + h);
}

void TspSkinAnimateObject::Draw(TCanvas* canvas, bool) {
  if (!HasSkin()) return;
  const bool restore = InRestoreState();
  const TRect down = restore ? restoredownrect : DownSkinRect;
  const TRect inactive = restore ? restoreinactiverect : inactiveskinrect;
  if (MenuOpened) {
    if (!IsNullRect(down)) return CopyLook(canvas, down);
    Frame = countframes;
    return CopyLook(canvas, FrameRect(Frame));
  }
  if (!SkinForm->FormActive() && !IsNullRect(inactive)) return CopyLook(canvas, inactive);
  if (Down && MouseOver && !IsNullRect(down)) return CopyLook(canvas, down);
  CopyLook(canvas, FrameRect(Frame));
}

void TspSkinAnimateObject::Start() {
  FrameTime = 25;
  Frame = 1;
  Active = true;
  SkinForm->AnimateTimer()->SetEnabled(true);
}

void TspSkinAnimateObject::Stop() {
  SetFrame(1);
  Active = false;
  FrameTime = 25;
}

void TspSkinAnimateObject::SetFrame(Integer value) {
  if (PlayForward)
    Frame = value > countframes ? 1 : value;
  else
    Frame = value <= 0 ? countframes : value;
  SkinForm->DrawSkinObject(this);
}

void TspSkinAnimateObject::ChangeFrame() {
  if (FrameTime < TimerInterval) {
    FrameTime += 25;
    return;
  }
  if (PlayForward) {
    SetFrame(Frame + 1);
    if (!Cycle && Frame == countframes) Active = false;
  } else {
    SetFrame(Frame - 1);
    if (Frame == 1) Active = false;
  }
  FrameTime = 25;
}

void TspSkinAnimateObject::PlayOrDraw() {
  if (Down && !IsNullRect(DownSkinRect))
    SkinForm->DrawSkinObject(this);
  else
    SkinForm->AnimateTimer()->SetEnabled(true);
}

void TspSkinAnimateObject::MouseEnter() {
  MouseOver = true;
  if (ButtonStyle) {
    Active = true;
    PlayForward = true;
    PlayOrDraw();
  }
  SkinForm->MouseEnterEvent(IDName);
}

void TspSkinAnimateObject::MouseLeave() {
  if (!MouseOver) return;
  MouseOver = false;
  if (ButtonStyle) {
    Active = true;
    PlayForward = false;
    PlayOrDraw();
  }
  SkinForm->MouseLeaveEvent(IDName);
}

void TspSkinAnimateObject::MouseDown(Integer x, Integer y, TMouseButton button) {
  TspActiveSkinObject::MouseDown(x, y, button);
  if (button == mbLeft && !IsNullRect(DownSkinRect)) {
    Frame = countframes;
    Down = true;
    SkinForm->DrawSkinObject(this);
  }
  if (Command == cmSysMenu && MouseOver && ButtonStyle && button == mbLeft) DoCommand();
}

void TspSkinAnimateObject::MouseUp(Integer x, Integer y, TMouseButton button) {
  TspActiveSkinObject::MouseUp(x, y, button);
  if (MenuOpened) return;
  if (button == mbLeft && !IsNullRect(DownSkinRect)) {
    Down = false;
    SkinForm->DrawSkinObject(this);
    SkinForm->AnimateTimer()->SetEnabled(true);
  }
  if (Command != cmSysMenu && MouseOver && ButtonStyle && button == mbLeft) DoCommand();
}

void TspSkinAnimateObject::DblClick() {
  if (Command == cmSysMenu) SkinForm->Form()->Close();
}

void TspSkinAnimateObject::DoCommand() {
  switch (Command) {
    case cmClose: SkinForm->Form()->Close(); break;
    case cmMaximize: SkinForm->SetWindowState(SkinForm->WindowState() == wsMaximized ? wsNormal : wsMaximized); break;
    case cmMinimize:
      if (SkinForm->AlwaysMinimizeToTray)
        SkinForm->MinimizeToTray();
      else if (SkinForm->SupportNCArea() && SkinForm->WindowState() == wsMinimized)
        SkinForm->SetWindowState(wsNormal);
      else
        SkinForm->SetWindowState(wsMinimized);
      break;
    case cmRollUp: SkinForm->SetRollUpState(!SkinForm->RollUpState()); break;
    case cmMinimizeToTray: SkinForm->MinimizeToTray(); break;
    case cmSysMenu:
      MenuItem = SkinForm->GetSystemMenu();
      TrackMenu();
      break;
    case cmDefault:
      if (MenuItem) TrackMenu();
      break;
  }
}

void TspSkinAnimateObject::TrackMenu() {
  if (!MenuItem || MenuItem->Count() == 0 || !FormMenuSeams().TrackMenu) return;
  TCustomForm* form = SkinForm->Form();
  const TRect r = Rect(ObjectRect.Left + form->Left(), ObjectRect.Top + form->Top(), ObjectRect.Right + form->Left(),
                       ObjectRect.Bottom + form->Top());
  MenuOpened = true;
  SkinForm->SkinMenuOpen();
  FormMenuSeams().TrackMenu(SkinForm, this, MenuItem, r, PopupUp);
}
