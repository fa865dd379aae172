// The form component's life: construction on its form, the skin it follows, the
// skin changes it applies and hands on to the controls of the form, skinning
// switched on and off, and giving the form its window procedure back.
#include "skin/form/DynamicSkinForm.h"

#include "platform/controls/Application.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/draw/SkinSystem.h"
#include "skin/form/FormMenuSeams.h"
#include "skin/form/SkinChangeTable.h"

std::function<DWORD()> SP_FadeClock = [] { return ::GetTickCount(); };

TspFormMenuSeams& FormMenuSeams() {
  static TspFormMenuSeams seams;
  return seams;
}

namespace {

std::unique_ptr<TTimer> MakeTimer(TspDynamicSkinForm* owner, Cardinal interval,
                                  void (TspDynamicSkinForm::*handler)(TObject*)) {
  auto timer = std::make_unique<TTimer>(nullptr);
  timer->SetEnabled(false);
  timer->SetInterval(interval);
  timer->SetOnTimer(TNotifyEvent(owner, handler));
  return timer;
}

std::unique_ptr<TFont> CaptionFont(TColor color) {
  auto font = std::make_unique<TFont>();
  font->SetName("Arial");
  font->SetStyle(fsBold);
  font->SetHeight(14);
  font->SetColor(color);
  return font;
}

}  // namespace

TspDynamicSkinForm::TspDynamicSkinForm(TComponent* owner)
    : TComponent(owner),
      MaskTop(std::make_unique<TBitmap>()),
      MaskBottom(std::make_unique<TBitmap>()),
      MaskLeft(std::make_unique<TBitmap>()),
      MaskRight(std::make_unique<TBitmap>()),
      defCaptionFont_(CaptionFont(clBtnText)),
      defInActiveCaptionFont_(CaptionFont(clBtnShadow)),
      logoBitMap_(std::make_unique<TBitmap>()) {
  vistaOS_ = IsVistaOs();
  MonitorArea = [](HWND window, bool workArea) { return GetMonitorWorkArea(window, workArea); };
  CursorPos = [] {
    POINT p = {};
    ::GetCursorPos(&p);
    return Point(p.x, p.y);
  };
  morphTimer_ = MakeTimer(this, 25, &TspDynamicSkinForm::TestMorph);
  mouseTimer_ = MakeTimer(this, 50, &TspDynamicSkinForm::TestMouse);
  animateTimer_ = MakeTimer(this, 25, &TspDynamicSkinForm::TestAnimate);
  form_ = dynamic_cast<TCustomForm*>(owner);
  if (!form_) throw EInvalidCast("Invalid class typecast: the owner of a skinned form component must be a form");
  form_->SetBorderIcons(0);
  form_->OnShortCut = TShortCutEvent::Function([this](TMessage& message, bool& handled) {
    if (FormMenuSeams().FormShortCut) FormMenuSeams().FormShortCut(this, message, handled);
  });
  if (FormMenuSeams().Created) FormMenuSeams().Created(this);
  if (Designing()) return;
  OldWindowProc = form_->WindowProc;
  form_->WindowProc = TWndMethod(this, &TspDynamicSkinForm::NewWndProc);
  form_->RecreateWnd();
}

TspDynamicSkinForm::~TspDynamicSkinForm() {
  StopTimers();
  mdiClient_.Restore();
  if (FormMenuSeams().Destroying) FormMenuSeams().Destroying(this);
  ClearObjects();
  if (!Designing() && form_->WindowProc == TWndMethod(this, &TspDynamicSkinForm::NewWndProc)) {
    form_->WindowProc = OldWindowProc;
    // The window keeps no shape of ours, and the form its standard frame.
    if (form_->HandleAllocated()) {
      ::SetWindowRgn(form_->Handle(), nullptr, TRUE);
      ::SetWindowPos(form_->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  form_->OnShortCut = nullptr;
  if (formRegion_ && !(form_->HandleAllocated())) ::DeleteObject(formRegion_);
  formRegion_ = nullptr;  // a region given to the window belongs to the window
  if (formIcon_) ::DestroyIcon(formIcon_);
  SetReference(skinData_, nullptr);
  SetReference(menusSkinData_, nullptr);
}

void TspDynamicSkinForm::Loaded() {
  TComponent::Loaded();
  if (skinData_ && !Designing()) ChangeSkinData();
}

void TspDynamicSkinForm::StopTimers() {
  morphTimer_->SetEnabled(false);
  mouseTimer_->SetEnabled(false);
  animateTimer_->SetEnabled(false);
}

void TspDynamicSkinForm::SendNCPaint() {
  if (form_->HandleAllocated()) ::SendMessageA(form_->Handle(), WM_NCPAINT, 0, 0);
}

// ---- properties ----

void TspDynamicSkinForm::SetReference(TspSkinData*& field, TspSkinData* value) {
  if (field == value) return;
  TspSkinData* old = field;
  field = value;
  if (old && old != skinData_ && old != menusSkinData_) old->RemoveFreeNotification(this);
  if (value) value->FreeNotification(this);
}

void TspDynamicSkinForm::SetSkinData(TspSkinData* value) {
  SetReference(skinData_, value);
  if (value && !IsMDIChild()) skinnableForm_ = value->SkinnableForm();
  if (!Designing() && !Loading()) ChangeSkinData();
}

void TspDynamicSkinForm::SetMenusSkinData(TspSkinData* value) { SetReference(menusSkinData_, value); }

void TspDynamicSkinForm::SetSupportNCArea(bool value) {
  supportNCArea_ = value;
  if (Designing() && !value) form_->SetBorderStyle(bsNone);
}

void TspDynamicSkinForm::SetBorderIcons(TspBorderIcons value) {
  borderIcons_ = value;
  if (Loading() || Designing()) return;
  if (supportNCArea_ || skinActive_) {
    CheckObjects();
    SendNCPaint();
  } else if (HideCaptionButtons) {
    CheckObjects();
  }
}

void TspDynamicSkinForm::SetAlphaBlend(bool value) {
  alphaBlend_ = value;
  if (Loading() || Designing() || !form_->HandleAllocated()) return;
  HWND window = form_->Handle();
  LONG_PTR style = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
  if (value) {
    ::SetWindowLongPtrA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
    SetAlphaBlendTransparent(window, alphaBlendValue_);
  } else {
    ::SetWindowLongPtrA(window, GWL_EXSTYLE, style & ~LONG_PTR(WS_EX_LAYERED));
  }
}

void TspDynamicSkinForm::SetAlphaBlendValue(Byte value) {
  alphaBlendValue_ = value;
  if (alphaBlend_ && !Loading() && !Designing() && form_->HandleAllocated())
    SetAlphaBlendTransparent(form_->Handle(), value);
}

void TspDynamicSkinForm::SetShowIcon(bool value) {
  showIcon_ = value;
  if (!Loading() && !Designing()) SendNCPaint();
}

void TspDynamicSkinForm::SetLogoBitMap(TBitmap* value) { logoBitMap_->Assign(value); }

void TspDynamicSkinForm::SetFormBorderStyle(TFormBorderStyle value) {
  form_->SetBorderStyle(value);
  UpDateSkinControls(nullptr, form_);
}

void TspDynamicSkinForm::SetFormStyle(TFormStyle value) {
  if (value != fsNormal && value != fsStayOnTop) return;
  form_->SetFormStyle(value);
  if (alphaBlend_) UpDateSkinControls(nullptr, form_);
}

void TspDynamicSkinForm::LoadBorderIcons() {
  TBorderIcons icons = 0;
  if (!HideCaptionButtons && !skinnableForm_) icons |= biSystemMenu;
  if (borderIcons_ & biMaximize) icons |= biMaximize;
  if (borderIcons_ & biMinimize) icons |= biMinimize;
  form_->SetBorderIcons(icons);
}

void TspDynamicSkinForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == menusSkinData_) menusSkinData_ = nullptr;
  ForgetMDILinks(component);
  ForgetMenu(component);
  // A linked control that goes takes its area links with it. The notice may
  // come from the component's own destructor, when the control part is gone:
  // the links are compared by identity, never cast.
  std::erase_if(areaLinks_, [component](const AreaLink& link) { return static_cast<TComponent*>(link.Control) == component; });
  std::erase_if(rollUpHiddenControls_, [component](TControl* c) { return static_cast<TComponent*>(c) == component; });
}

// ---- applying a skin ----

void TspDynamicSkinForm::ChangeSkinData() {
  activeObject_ = oldActiveObject_ = captureObject_ = -1;
  skinActive_ = HasUsableSkin();
  if (!supportNCArea_) {
    if (!skinActive_) return;
    const bool scale = CanScale();
    if (rollUpState_ && skinData_->RollUpPicture->Empty()) {
      rollUpState_ = false;
      RestoreRollUpForm();
    } else if (!rollUpState_) {
      CheckSize();
    }
    LoadObjects();
    CheckObjects();
    if (rollUpState_) CreateRollUpForm();
    updatingSkin_ = true;
    OnChangeSkinData(this);
    if (!rollUpState_ && (scale || (skinData_->Picture->Width() == form_->ClientWidth() &&
                                    skinData_->Picture->Height() == form_->ClientHeight())))
      CreateNewForm(scale);
    CalcAllRealObjectRect();
    LinkControlsToAreas();
    ControlsToAreas();
    FormChangeActive(true);
    updatingSkin_ = false;
    mouseTimer_->SetEnabled(true);
    return;
  }
  if (skinActive_ && skinnableForm_) {
    LoadObjects();
    CheckObjects();
  } else {
    ClearObjects();
    NewWidth = form_->Width();
    NewHeight = form_->Height();
    CreateNewRegion(true);
  }
  if (skinnableForm_) {
    if (form_->BorderIcons() != 0) form_->SetBorderIcons(0);
  } else {
    LoadBorderIcons();
  }
  updatingSkin_ = true;
  const Integer minW = GetMinWidth(), minH = GetMinHeight();
  if (form_->Width() < minW && form_->Height() < minH)
    form_->SetBounds(form_->Left(), form_->Top(), minW, minH);
  else if (form_->Height() < minH)
    form_->SetHeight(minH);
  else if (form_->Width() < minW)
    form_->SetWidth(minW);
  else
    UpDateForm();
  if (rollUpState_ || windowState_ == wsMinimized) {
    if (form_->Height() != GetMinHeight()) form_->SetHeight(GetMinHeight());
    if (windowState_ == wsMinimized && form_->Width() != GetMinWidth()) form_->SetWidth(GetMinWidth());
  }
  NewWidth = form_->Width();
  NewHeight = form_->Height();
  if (skinActive_) CreateNewForm(true);
  if (form_->HandleAllocated()) {
    ::SetWindowPos(form_->Handle(), nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::RedrawWindow(form_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  if (form_->FormStyle() == fsMDIForm && form_->ClientHandle()) {
    ::RedrawWindow(form_->ClientHandle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE);
    ResizeMDIChilds();
  }
  FormChangeActive(!IsMDIChildMaximized());
  mouseTimer_->SetEnabled(true);
  OnChangeSkinData(this);
  updatingSkin_ = false;
  if (!rollUpState_) {
    if (ClientWidth > 0) form_->SetClientWidth(ClientWidth);
    if (ClientHeight > 0) form_->SetClientHeight(ClientHeight);
  }
}

void TspDynamicSkinForm::CreateNewForm(bool rebuild) {
  if (Designing() || !HasUsableSkin()) return;
  if (skinnableForm_) {
    CalcRects();
    if (rebuild) CalcAllRealObjectRect();
  }
  CreateNewRegion(rebuild);
  OnChangeClientRect(TargetClientRect);
  if (!form_->HandleAllocated()) return;
  if (supportNCArea_) {
    if (!formRegion_ && skinnableForm_) SendNCPaint();
    if (skinActive_ && skinData_->stretcheffect) {
      form_->Invalidate();
      CheckControlsBackground();
    }
  } else {
    form_->Invalidate();
    ControlsToAreas();
  }
}

void TspDynamicSkinForm::SetSkinnableForm(bool value) {
  mdiFormActive_ = FormActive();
  if (Designing()) return;
  bool remaximize = false;
  if (windowState_ == wsMaximized && skinnableForm_) {
    form_->Hide();
    SetWindowState(wsNormal);
    remaximize = true;
  } else if (form_->WindowState() == wsMaximized && !skinnableForm_) {
    form_->SetWindowState(wsNormal);
    form_->Hide();
    remaximize = true;
  }
  skinnableForm_ = value;
  ChangeSkinData();
  UpDateSkinControls(nullptr, form_);
  form_->WindowProc = TWndMethod(this, &TspDynamicSkinForm::NewWndProc);
  form_->Refresh();
  if (!remaximize) return;
  if (!skinnableForm_)
    form_->SetWindowState(wsMaximized);
  else
    SetWindowState(wsMaximized);
  form_->Show();
}

// ---- handing a skin change on ----

namespace {

// A control qualifies when its skin is the one that changes, or for every change.
template <class C>
bool Qualifies(C* control, TspSkinData* sender) {
  return sender == nullptr || control->SkinData() == sender;
}

template <class Visit>
void Walk(TControl* control, Visit visit) {
  visit(control);
  auto* parent = dynamic_cast<TWinControl*>(control);
  if (!parent) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    if (dynamic_cast<TWinControl*>(child))
      Walk(child, visit);
    else
      visit(child);
  }
}

}  // namespace

// The skinned frames register their row under this order.
std::function<void(TFrame*, TspSkinData*)> SP_SkinFrameChange;

void TspDynamicSkinForm::BeforeUpDateSkinControls(TspSkinData* sender, TControl* control) {
  if (!control) return;
  Walk(control, [sender](TControl* c) {
    if (auto* windowed = dynamic_cast<TspSkinControl*>(c)) {
      if (Qualifies(windowed, sender)) windowed->BeforeChangeSkinData();
    } else if (auto* graphic = dynamic_cast<TspGraphicSkinControl*>(c)) {
      if (Qualifies(graphic, sender)) graphic->BeforeChangeSkinData();
    } else {
      TSkinChangeTable::Instance().Dispatch(c, TSkinChangeStage::Before, sender);
    }
  });
}

void TspDynamicSkinForm::UpDateSkinControls(TspSkinData* sender, TControl* control) {
  if (!control) return;
  Walk(control, [sender](TControl* c) {
    if (auto* frame = dynamic_cast<TFrame*>(c)) {
      if (SP_SkinFrameChange) SP_SkinFrameChange(frame, sender);
    } else if (auto* graphic = dynamic_cast<TspGraphicSkinControl*>(c)) {
      if (Qualifies(graphic, sender)) graphic->ChangeSkinData();
    } else if (auto* windowed = dynamic_cast<TspSkinControl*>(c)) {
      if (Qualifies(windowed, sender)) windowed->ChangeSkinData();
    } else {
      TSkinChangeTable::Instance().Dispatch(c, TSkinChangeStage::After, sender);
    }
  });
}

void TspDynamicSkinForm::BeforeUpDateSkinComponents() {
  for (int i = 0; i < form_->ComponentCount(); ++i)
    if (auto* component = dynamic_cast<TspSkinComponent*>(form_->Components(i))) component->BeforeChangeSkinData();
}

void TspDynamicSkinForm::UpDateSkinComponents() {
  for (int i = 0; i < form_->ComponentCount(); ++i)
    if (auto* component = dynamic_cast<TspSkinComponent*>(form_->Components(i))) component->ChangeSkinData();
}

void TspDynamicSkinForm::CheckControlsBackground() {
  for (int i = 0; i < form_->ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(form_->Controls(i)); child && child->HandleAllocated())
      ::SendMessageA(child->Handle(), WM_CHECKPARENTBG, 0, 0);
}

bool TspDynamicSkinForm::IsMainForm() const { return Application.MainForm() == form_; }

// ---- the skin component base and the lookup ----

void TspSkinComponent::SetSkinData(TspSkinData* value) {
  if (skinData_ == value) return;
  if (skinData_) skinData_->RemoveFreeNotification(this);
  skinData_ = value;
  if (value) value->FreeNotification(this);
}

void TspSkinComponent::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

TspDynamicSkinForm* GetDynamicSkinFormComponent(TComponent* form) {
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* component = dynamic_cast<TspDynamicSkinForm*>(form->Components(i))) return component;
  return nullptr;
}
