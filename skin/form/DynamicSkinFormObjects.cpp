// The frame objects of a skinned form: built from the skin's object records (or
// the default caption buttons without a skin), enabled by the border icons,
// hovered, pressed and released through the window procedure, animated and
// morphed by three timers, and reached by name from the application.
#include "platform/controls/Screen.h"
#include "skin/data/ResourceStrData.h"
#include "skin/draw/SkinRects.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/FormMenuSeams.h"
#include "skin/form/SkinCaptionObject.h"
#include "skin/form/SkinValueObjects.h"

namespace {

// Record class to object class; the first match wins (menu records make none).
std::unique_ptr<TspActiveSkinObject> MakeObject(TspDynamicSkinForm* form, TspDataSkinObject* record) {
  if (dynamic_cast<TspDataSkinMainMenuItem*>(record) || dynamic_cast<TspDataSkinMenuItem*>(record) ||
      dynamic_cast<TspDataSkinMainMenuBarButton*>(record))
    return nullptr;
  if (dynamic_cast<TspDataSkinGauge*>(record)) return std::make_unique<TspSkinGaugeObject>(form, record);
  if (dynamic_cast<TspDataSkinStdButton*>(record)) return std::make_unique<TspSkinStdButtonObject>(form, record);
  if (dynamic_cast<TspDataSkinButton*>(record)) return std::make_unique<TspSkinButtonObject>(form, record);
  if (dynamic_cast<TspDataSkinCaption*>(record)) return std::make_unique<TspSkinCaptionObject>(form, record);
  if (dynamic_cast<TspDataUserObject*>(record)) return std::make_unique<TspUserObject>(form, record);
  if (dynamic_cast<TspDataSkinSwitch*>(record)) return std::make_unique<TspSkinSwitchObject>(form, record);
  if (dynamic_cast<TspDataSkinTrackBar*>(record)) return std::make_unique<TspSkinTrackBarObject>(form, record);
  if (dynamic_cast<TspDataSkinLabel*>(record)) return std::make_unique<TspSkinLabelObject>(form, record);
  if (dynamic_cast<TspDataSkinAnimate*>(record)) return std::make_unique<TspSkinAnimateObject>(form, record);
  if (dynamic_cast<TspDataSkinBitLabel*>(record)) return std::make_unique<TspSkinBitLabelObject>(form, record);
  if (dynamic_cast<TspDataSkinFrameRegulatorObject*>(record))
    return std::make_unique<TspSkinFrameRegulatorObject>(form, record);
  if (dynamic_cast<TspDataSkinFrameGaugeObject*>(record))
    return std::make_unique<TspSkinFrameGaugeObject>(form, record);
  return nullptr;
}

struct DefaultHint {
  TStdCommand Command;
  const char* Name;
  const char* Fallback;
};
constexpr DefaultHint kDefaultHints[] = {
    {cmClose, "CLOSEBUTTON_HINT", "Close"},          {cmMaximize, "MAXBUTTON_HINT", "Maximize"},
    {cmMinimize, "MINBUTTON_HINT", "Minimize"},      {cmSysMenu, "MENUBUTTON_HINT", "System menu"},
    {cmRollUp, "ROLLUPBUTTON_HINT", "Roll Up"},      {cmMinimizeToTray, "TRAYBUTTON_HINT", "Minimize to Tray"},
};

// The command of a caption button or a button-style animation; -1 for others.
int CommandOf(TspActiveSkinObject* o) {
  if (auto* b = dynamic_cast<TspSkinStdButtonObject*>(o)) return b->Command;
  if (auto* a = dynamic_cast<TspSkinAnimateObject*>(o)) return a->Command;
  return -1;
}

bool Contains(const TRect& r, Integer x, Integer y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

}  // namespace

void TspDynamicSkinForm::LoadObjects() {
  ClearObjects();
  if (!skinData_) return;
  for (auto& record : skinData_->ObjectList)
    if (auto object = MakeObject(this, record.get())) objects_.push_back(std::move(object));
  if (FormMenuSeams().CreateMainMenu) FormMenuSeams().CreateMainMenu(this);
}

void TspDynamicSkinForm::ClearObjects() {
  objects_.clear();
  activeObject_ = oldActiveObject_ = captureObject_ = -1;
  areaLinks_.clear();
}

void TspDynamicSkinForm::LoadDefObjects() {
  ClearObjects();
  static const std::pair<const char*, TStdCommand> kButtons[] = {
      {"closebutton", cmClose}, {"maxbutton", cmMaximize}, {"minbutton", cmMinimize},
      {"rollupbutton", cmRollUp}, {"sysmenubutton", cmSysMenu}, {"traybutton", cmMinimizeToTray}};
  for (auto [name, command] : kButtons) {
    auto button = std::make_unique<TspSkinStdButtonObject>(this, nullptr);
    button->IDName = name;
    button->skinrectinapicture = true;
    button->skinrect = button->activeskinrect = button->downrect = Rect(0, 0, 1, 1);
    button->Command = command;
    objects_.push_back(std::move(button));
  }
  CheckObjects();
}

void TspDynamicSkinForm::CheckObjects() {
  for (auto& o : objects_) {
    const int command = CommandOf(o.get());
    if (command < 0) continue;
    if (HideCaptionButtons) {
      o->Enabled = false;
      o->Visible = !o->skinrectinapicture;
      continue;
    }
    auto* animate = dynamic_cast<TspSkinAnimateObject*>(o.get());
    if (animate && (!animate->ButtonStyle || command == cmDefault)) continue;
    bool enabled = true;
    switch (command) {
      case cmMaximize: enabled = borderIcons_ & biMaximize; break;
      case cmMinimize: enabled = borderIcons_ & biMinimize; break;
      case cmRollUp: enabled = borderIcons_ & biRollUp; break;
      case cmMinimizeToTray: enabled = borderIcons_ & biMinimizeToTray; break;
      case cmSysMenu: enabled = (borderIcons_ & biSystemMenu) && !DisableSystemMenu; break;
      case cmDefault: {
        bool visible = false;
        OnActivateCustomObject(o->IDName, visible);
        o->Visible = visible;
        continue;
      }
      default: continue;  // cmClose
    }
    o->Enabled = enabled;
    o->Visible = o->skinrectinapicture ? enabled : true;
  }
  TspSkinCaptionObject* first = nullptr;
  bool anyDefault = false;
  for (auto& o : objects_)
    if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(o.get())) {
      if (!first) first = caption;
      if (caption->DefaultCaption) {
        caption->TextValue = form_->Caption();
        anyDefault = true;
      }
    }
  if (first && !anyDefault) {
    first->DefaultCaption = true;
    first->TextValue = form_->Caption();
  }
  CheckObjectsHint();
}

void TspDynamicSkinForm::CheckObjectsHint() {
  if (!UseDefaultObjectHint || !skinData_) return;
  TspResourceStrData* strings = skinData_->ResourceStrData();
  for (auto& o : objects_) {
    const int command = CommandOf(o.get());
    for (const DefaultHint& hint : kDefaultHints)
      if (hint.Command == command) o->Hint = strings ? strings->GetResStr(hint.Name) : String(hint.Fallback);
  }
}

bool TspDynamicSkinForm::CanObjectTest(bool rollUp) const { return supportNCArea_ ? !rollUp : rollUp == rollUpState_; }

void TspDynamicSkinForm::UpDateActiveObjects() {
  for (auto& o : objects_) {
    if (auto* animate = dynamic_cast<TspSkinAnimateObject*>(o.get())) {
      animate->MouseOver = false;
      animate->Active = false;
      animate->Frame = 1;
    } else if (!dynamic_cast<TspSkinCaptionObject*>(o.get())) {
      o->Active = false;
      o->MouseOver = false;
      o->MorphKf = 0;
    }
  }
}

void TspDynamicSkinForm::TestActive(Integer x, Integer y, bool hover) {
  if (objects_.empty() || (supportNCArea_ && !FormActive())) return;
  oldActiveObject_ = activeObject_;
  Integer hit = -1;
  for (size_t i = 0; i < objects_.size(); ++i) {
    auto& o = objects_[i];
    if (CanObjectTest(o->RollUp) && o->Enabled && o->Visible && Contains(o->ObjectRect, x, y)) {
      hit = Integer(i);
      break;
    }
  }
  activeObject_ = hover ? hit : -1;
  if (captureObject_ != -1 && captureObject_ != activeObject_) activeObject_ = -1;
  if (activeObject_ >= Integer(objects_.size())) activeObject_ = -1;
  if (activeObject_ == oldActiveObject_) return;
  if (oldActiveObject_ >= 0 && oldActiveObject_ < Integer(objects_.size())) {
    auto& old = objects_[oldActiveObject_];
    if (old->Enabled && old->Visible) old->MouseLeave();
  }
  if (activeObject_ >= 0) {
    auto& now = objects_[activeObject_];
    if (now->Enabled && now->Visible) now->MouseEnter();
  }
}

void TspDynamicSkinForm::TestCursors() {
  if (!HasUsableSkin()) return;
  TCursor cursor = crDefault;
  const Integer start = skinData_->StartCursorIndex;
  if (activeObject_ >= 0 && objects_[activeObject_]->cursorindex != -1)
    cursor = TCursor(start + objects_[activeObject_]->cursorindex);
  else if (skinData_->cursorindex != -1)
    cursor = TCursor(start + skinData_->cursorindex);
  if (form_->Cursor() != cursor) form_->SetCursor(cursor);
}

// ---- timers ----

void TspDynamicSkinForm::TestMouse(TObject*) {
  if (!supportNCArea_ && !skinActive_) return;
  const TPoint cursor = CursorPos();
  if (supportNCArea_) {
    if (inSizeMove_) {
      mouseTimer_->SetEnabled(false);
      return;
    }
    const TPoint p = PointToNCPoint(cursor);
    if (!Contains(TargetClientRect, p.X, p.Y) || !skinActive_)
      TestActive(p.X, p.Y, true);
    else if (activeObject_ != -1)
      TestActive(-1, -1, true);
  } else if (!dragging_) {
    if (InForm(cursor)) {
      POINT c = {cursor.X, cursor.Y};
      ::ScreenToClient(form_->Handle(), &c);
      TestActive(c.x, c.y, true);
    } else {
      TestActive(-1, -1, false);
      mouseInForm_ = false;
      mouseTimer_->SetEnabled(false);
    }
  }
  if (UseSkinCursors) TestCursors();
}

void TspDynamicSkinForm::TestAnimate(TObject*) {
  bool changed = false;
  for (auto& o : objects_) {
    if (auto* animate = dynamic_cast<TspSkinAnimateObject*>(o.get())) {
      if (animate->Active && !(animate->Down && !IsNullRect(animate->DownSkinRect))) {
        animate->ChangeFrame();
        changed = true;
      }
    } else if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(o.get()); caption && caption->EnableAnimation()) {
      if (caption->AnimationTime < caption->AnimateInterval) {
        caption->AnimationTime += 25;
        changed = true;
      } else if (caption->Active && caption->AnimationFrame <= caption->framecount) {
        ++caption->AnimationFrame;
        DrawSkinObject(caption);
        caption->AnimationTime = 25;
        changed = true;
      } else if (!caption->Active && caption->AnimationFrame > 0) {
        --caption->AnimationFrame;
        DrawSkinObject(caption);
        caption->AnimationTime = 25;
        changed = true;
      }
    }
  }
  if (!changed) animateTimer_->SetEnabled(false);
}

void TspDynamicSkinForm::TestMorph(TObject*) {
  bool stepped = false;
  for (auto& o : objects_)
    if (o->EnableMorphing() && o->CanMorphing()) {
      o->DoMorphing();
      stepped = true;
    }
  if (!stepped) morphTimer_->SetEnabled(false);
}

// ---- the mouse ----

void TspDynamicSkinForm::MouseDown(TMouseButton button, Integer x, Integer y) {
  if (!supportNCArea_) dragging_ = false;
  TestActive(x, y, true);
  if (activeObject_ >= 0) {
    TspActiveSkinObject* object = objects_[activeObject_].get();
    if (supportNCArea_ && !dynamic_cast<TspSkinCaptionObject*>(object) && form_->HandleAllocated())
      ::SetCapture(form_->Handle());
    captureObject_ = activeObject_;
    object->MouseDown(x, y, button);
  } else if (!supportNCArea_ && button == mbLeft && windowState_ != wsMaximized && DraggAble) {
    StartDragg(x, y);
  }
}

void TspDynamicSkinForm::MouseUp(TMouseButton button, Integer x, Integer y) {
  if (!supportNCArea_) EndDragg();
  if (captureObject_ < 0 || captureObject_ >= Integer(objects_.size())) {
    captureObject_ = -1;
    return;
  }
  TspActiveSkinObject* object = objects_[captureObject_].get();
  if (supportNCArea_ && !dynamic_cast<TspSkinCaptionObject*>(object)) ::ReleaseCapture();
  captureObject_ = -1;
  object->MouseUp(x, y, button);
}

void TspDynamicSkinForm::MouseMove(Integer x, Integer y) {
  if (!supportNCArea_ && dragging_) return;
  const Integer index = captureObject_ != -1 ? captureObject_ : activeObject_;
  if (index >= 0 && index < Integer(objects_.size())) objects_[index]->MouseMove(x, y);
}

void TspDynamicSkinForm::MouseDBlClick() {
  if (activeObject_ >= 0 && activeObject_ < Integer(objects_.size())) objects_[activeObject_]->DblClick();
}

void TspDynamicSkinForm::DrawSkinObject(TspActiveSkinObject* object) {
  if (!object || !CanObjectTest(object->RollUp) || !form_->HandleAllocated()) return;
  if (supportNCArea_) {
    if (IsMDIChildMaximized() || !HasBorder()) return;
    HWND window = form_->Handle();
    HDC dc = ::GetWindowDC(window);
    TCanvas canvas;
    canvas.SetHandle(dc);
    object->Draw(&canvas, true);
    canvas.SetHandle(nullptr);
    ::ReleaseDC(window, dc);
    return;
  }
  object->Draw(form_->Canvas(), true);
}

// ---- activation ----

bool TspDynamicSkinForm::GetFormActive() const {
  if (IsMDIChild() || form_->FormStyle() == fsMDIForm) return mdiFormActive_;
  return form_->Active() && Screen.ActiveCustomForm() == form_;
}

void TspDynamicSkinForm::FormChangeActive(bool animate) {
  const bool active = FormActive();
  for (auto& o : objects_) {
    auto* caption = dynamic_cast<TspSkinCaptionObject*>(o.get());
    if (!caption) continue;
    if (animate && CanObjectTest(caption->RollUp)) {
      if (!supportNCArea_) caption->Active = active;
      if (caption->EnableAnimation()) {
        caption->AnimationTime = 25;
        caption->AnimationFrame = active ? 1 : (caption->inactiveanimation ? caption->framecount : 0);
        animateTimer_->SetEnabled(true);
      }
      if (!supportNCArea_ || !IsNullRect(caption->activeskinrect)) DrawSkinObject(caption);
    } else if (caption->Morphing) {
      caption->MorphKf = active ? 1 : 0;
    }
  }
  if (active)
    OnActivate(this);
  else
    OnDeActivate(this);
}

void TspDynamicSkinForm::SetDefaultCaptionText() {
  for (auto& o : objects_)
    if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(o.get()); caption && caption->DefaultCaption)
      caption->SetTextValue(form_->Caption());
}

bool TspDynamicSkinForm::GetAutoRenderingInActiveImage() const {
  return HasUsableSkin() && skinData_->AutoRenderingInActiveImage;
}

TspSkinCaptionObject* TspDynamicSkinForm::FirstCaption() const {
  for (auto& o : objects_)
    if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(o.get())) return caption;
  return nullptr;
}

void TspDynamicSkinForm::RedrawCaptions() {
  if (!form_->HandleAllocated()) return;
  SendNCPaint();
}

void TspDynamicSkinForm::SkinMenuClose() {
  if (FormMenuSeams().SkinMenuClose) FormMenuSeams().SkinMenuClose(this);
  SkinMenuOpened = false;
}

TMenuItem* TspDynamicSkinForm::GetSystemMenu() {
  return FormMenuSeams().GetSystemMenu ? FormMenuSeams().GetSystemMenu(this) : nullptr;
}

// ---- by name ----

Integer TspDynamicSkinForm::GetIndex(const String& idName) const {
  for (size_t i = 0; i < objects_.size(); ++i)
    if (objects_[i]->IDName == idName) return Integer(i);
  return -1;
}

TspActiveSkinObject* TspDynamicSkinForm::FindObject(const String& id) const {
  const Integer index = GetIndex(id);
  return index < 0 ? nullptr : objects_[index].get();
}

void TspDynamicSkinForm::UserObjectDraw(const String& id) {
  if (auto* o = Find<TspUserObject>(id)) o->Draw(form_->Canvas(), true);
}
void TspDynamicSkinForm::AnimateStart(const String& id) {
  if (auto* o = Find<TspSkinAnimateObject>(id)) o->Start();
}
void TspDynamicSkinForm::AnimateStop(const String& id) {
  if (auto* o = Find<TspSkinAnimateObject>(id)) o->Stop();
}
void TspDynamicSkinForm::TrackBarSetValue(const String& id, Integer value) {
  if (auto* o = Find<TspSkinTrackBarObject>(id)) updatingSkin_ ? o->SimplySetValue(value) : o->SetValue(value);
}
Integer TspDynamicSkinForm::TrackBarGetValue(const String& id) {
  auto* o = Find<TspSkinTrackBarObject>(id);
  return o ? o->Value : 0;
}
void TspDynamicSkinForm::FrameRegulatorSetValue(const String& id, Integer value) {
  if (auto* o = Find<TspSkinFrameRegulatorObject>(id)) updatingSkin_ ? o->SimplySetValue(value) : o->SetValue(value);
}
Integer TspDynamicSkinForm::FrameRegulatorGetValue(const String& id) {
  auto* o = Find<TspSkinFrameRegulatorObject>(id);
  return o ? o->Value : 0;
}
void TspDynamicSkinForm::GaugeSetValue(const String& id, Integer value) {
  if (auto* o = Find<TspSkinGaugeObject>(id)) updatingSkin_ ? o->SimplySetValue(value) : o->SetValue(value);
}
void TspDynamicSkinForm::FrameGaugeSetValue(const String& id, Integer value) {
  if (auto* o = Find<TspSkinFrameGaugeObject>(id)) updatingSkin_ ? o->SimplySetValue(value) : o->SetValue(value);
}
void TspDynamicSkinForm::LabelSetText(const String& id, const String& text) {
  if (auto* o = Find<TspSkinLabelObject>(id)) o->SetTextValue(text, !updatingSkin_);
}
void TspDynamicSkinForm::BitLabelSetText(const String& id, const String& text) {
  if (auto* o = Find<TspSkinBitLabelObject>(id)) o->SetTextValue(text, !updatingSkin_);
}
void TspDynamicSkinForm::CaptionSetText(const String& id, const String& text) {
  if (auto* o = Find<TspSkinCaptionObject>(id)) updatingSkin_ ? o->SimpleSetTextValue(text) : o->SetTextValue(text);
}
void TspDynamicSkinForm::SwitchSetState(const String& id, TSwitchState state) {
  if (auto* o = Find<TspSkinSwitchObject>(id)) updatingSkin_ ? o->SimpleSetState(state) : o->SetState(state);
}
TSwitchState TspDynamicSkinForm::SwitchGetState(const String& id) {
  auto* o = Find<TspSkinSwitchObject>(id);
  return o ? o->State : swsOff;
}
void TspDynamicSkinForm::ButtonSetDown(const String& id, bool down) {
  if (auto* o = Find<TspSkinButtonObject>(id)) o->SetDown(down);
}
bool TspDynamicSkinForm::ButtonGetDown(const String& id) {
  auto* o = Find<TspSkinButtonObject>(id);
  return o ? o->Down : false;
}
void TspDynamicSkinForm::SetEnabled(const String& id, bool value) {
  if (auto* o = FindObject(id)) o->Enabled = value;
}
