// The form's window procedure while it is skinned. The first stage answers the
// frame, size, activation and skin messages (a message it does not take goes on
// to the form's own procedure); the second stage hands the mouse to the frame
// objects after every message.
#include "platform/controls/Application.h"
#include "skin/draw/SkinSystem.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/FormMenuSeams.h"
#include "skin/menus/SkinMainMenuBar.h"

namespace {

TPoint SignedPoint(LPARAM lParam) {
  return Point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

TPoint UnsignedPoint(LPARAM lParam) { return Point(LOWORD(lParam), HIWORD(lParam)); }

}  // namespace

void TspDynamicSkinForm::NewWndProc(TMessage& message) {
  if (FormMenuSeams().CheckMenuVisible) FormMenuSeams().CheckMenuVisible(this, message);
  if (FirstStage(message)) OldWindowProc(message);
  SecondStage(message);
}

// True when the message still goes on to the form's procedure.
bool TspDynamicSkinForm::FirstStage(TMessage& message) {
  const bool skinnable = skinnableForm_;
  switch (message.Msg) {
    case WM_DESTROY:
      StopTimers();
      if (IsMDIChild()) {
        windowState_ = wsNormal;
        DeleteChildFromMenu(form_);
        DeleteChildFromBar(form_);
        if (Application.MainForm() && Application.MainForm()->HandleAllocated())
          ::SendMessageA(Application.MainForm()->Handle(), WM_MDICHILDRESTORE, 0, 0);
        CheckMDIMainMenu();
        CheckMDIBar();
      }
      return true;
    case WM_MOUSEACTIVATE:
      if (skinnable && IsMDIChild() && Application.MainForm() && Application.MainForm()->ActiveMDIChild() == form_ &&
          !mdiFormActive_) {
        mdiFormActive_ = true;
        FormChangeActive(!IsMDIChildMaximized());
      }
      return true;
    case WM_MDICHILDMOVE:
    case WM_MDICHILDMAX:
    case WM_MDICHILDRESTORE:
    case SkinMsgAfterChange:
      return MDIMessage(message);
    case WM_SIZE:
      WMSize(message);
      return inSizeMove_ && fullDrag_;
    case WM_ACTIVATE:
      if (!skinnable) return true;
      WMActivate(message);
      return false;
    case WM_SETTEXT:
      if (!skinnable) return true;
      WMSetText(message);
      return false;
    case WM_ERASEBKGND:
      WMEraseBkgnd(message);
      return false;
    case WM_SHOWWINDOW:
      WMShowWindow(message);
      return true;
    case WM_SETCURSOR:
      if (supportNCArea_ && UseFormCursorInNCArea && skinnable) {
        const Word code = LOWORD(message.LParam);
        if (code < HTLEFT || code > HTBOTTOMRIGHT)
          message.LParam = MAKELPARAM(HTCLIENT, HIWORD(message.LParam));
      }
      return true;
    case WM_GETMINMAXINFO:
      if (skinnable) {
        auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
        info->ptMinTrackSize = POINT{GetMinWidth(), GetMinHeight()};
        info->ptMaxTrackSize = POINT{GetMaxWidth(), GetMaxHeight()};
      }
      return true;
    case WM_DISPLAYCHANGE:
      if (supportNCArea_ && HasBorder() && (GetMaxWidth() < form_->Width() || GetMaxHeight() < form_->Height()))
        UpDateForm();
      return true;
    case WM_NCCALCSIZE:
      if (!skinnable) return true;
      if (supportNCArea_ && FrameVisible()) {
        auto* rect = reinterpret_cast<RECT*>(message.LParam);
        TRect r = Rect(rect->left, rect->top, rect->right, rect->bottom);
        CalcNCSize(r);
        *rect = RECT{r.Left, r.Top, r.Right, r.Bottom};
      }
      message.Result = 0;
      return false;
    case WM_NCHITTEST: {
      bool passOn = false;
      WMNCHitTest(message, passOn);
      return passOn;
    }
    case WM_NCPAINT:
      if (!skinnable) return true;
      if (FrameVisible() && supportNCArea_) {
        if (SkinnedFrame())
          PaintNCSkin(nullptr, false);
        else
          PaintNCDefault(nullptr, false);
      }
      message.Result = 0;
      return false;
    case WM_NCACTIVATE:
      if (!skinnable) return true;
      WMNCActivate(message);
      return false;
    case WM_SYNCPAINT:
      if (skinnable && rollUpState_ && supportNCArea_) {
        SendNCPaint();
        message.Result = 0;
        return false;
      }
      return true;
    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) == SC_RESTORE) OnRestore(this);
      if ((message.WParam & 0xFFF0) == SC_KEYMENU) {
        if (MainMenuActive) {
          if (FormMenuSeams().SkinMainMenuClose) FormMenuSeams().SkinMainMenuClose(this);
          return false;
        }
        if (FormMenuSeams().MenuVisible && FormMenuSeams().MenuVisible(this)) SkinMenuClose();
        if (mainMenuBar_)
          mainMenuBar_->MenuEnter();
        else if (FormMenuSeams().ActivateMenu)
          FormMenuSeams().ActivateMenu(this);
        return false;
      }
      return true;
    case WM_TIMER: {
      bool passOn = true;
      WMTimer(message, passOn);
      return passOn;
    }
    case WM_SIZING:
      if (!(inSizeMove_ && fullDrag_)) return true;
      WMSizing(message);
      return false;
    case WM_MOVING:
      if (skinnable) WMMoving(message);
      return true;
    case WM_ENTERSIZEMOVE:
      WMEnterSizeMove();
      return true;
    case WM_EXITSIZEMOVE:
      WMExitSizeMove();
      return true;
    case SkinMsgBeforeChange:
      SkinBeforeChange(message);
      return true;
    case SkinMsgChange:
      SkinChange(message);
      return true;
    case WM_CLOSESKINMENU:
      SkinMenuClose();
      return true;
    case SkinMsgResourceStrChanged:
      CheckObjectsHint();
      return true;
    case SkinMsgSkinnableFormChanged:
      if (skinData_ && message.WParam == reinterpret_cast<WPARAM>(skinData_) && !IsMDIChild())
        SetSkinnableForm(skinData_->SkinnableForm());
      return true;
    case CM_SKINFORMQUERY:
      message.Result = (skinnable || !vistaOS_) ? SkinFormAnswer : UnskinnedVistaAnswer;
      return false;
    case CM_SENCPAINT:
      if (!skinnable) return true;
      PaintNCInto(reinterpret_cast<HDC>(message.WParam));
      message.Result = SeNcPaintAnswer;
      return false;
    case CM_BENCPAINT:
      if (!skinnable || message.LParam != BeNcPaintKey) return true;
      PaintNCInto(reinterpret_cast<HDC>(message.WParam));
      message.Result = BeNcPaintKey;
      return false;
    default:
      return true;
  }
}

void TspDynamicSkinForm::PaintNCInto(HDC dc) {
  if (!dc || !supportNCArea_ || !FrameVisible()) return;
  if (SkinnedFrame())
    PaintNCSkin(dc, true);
  else if (!skinChanging_)
    PaintNCDefault(dc, true);
}

void TspDynamicSkinForm::WMSize(TMessage& message) {
  if (!(inSizeMove_ && fullDrag_)) {
    OldProcFirst(message);
    magnetLeft_ = magnetTop_ = magnetRight_ = magnetBottom_ = false;
    NewWidth = form_->Width();
    NewHeight = form_->Height();
    if (skinActive_) {
      if (supportNCArea_) {
        if (HasUsableSkin() && NewWidth >= GetMinWidth() && NewHeight >= GetMinHeight()) CreateNewForm(true);
      } else if (!rollUpState_) {
        if (CanScale())
          CreateNewForm(true);
        else if (skinData_->Picture->Width() == form_->ClientWidth() &&
                 skinData_->Picture->Height() == form_->ClientHeight())
          CreateNewForm(false);
      }
    } else if (supportNCArea_) {
      SendNCPaint();
      CreateNewRegion(true);
    }
    if (alphaBlend_ && alphaBlendValue_ != 255 && CheckW2KWXP() && supportNCArea_) {
      SendNCPaint();
      form_->Invalidate();
    }
  }
  if (supportNCArea_ && !logoBitMap_->Empty() && form_->FormStyle() != fsMDIForm) form_->Invalidate();
}

void TspDynamicSkinForm::WMActivate(TMessage& message) {
  dragging_ = false;
  OldProcFirst(message);
  if (supportNCArea_) SendNCPaint();
  if (IsMDIChildMaximized()) {
    FormChangeActive(false);
    return;
  }
  if (supportNCArea_) {
    TestActive(-1, -1, false);
    UpDateActiveObjects();
  }
  FormChangeActive(true);
}

void TspDynamicSkinForm::WMSetText(TMessage& message) {
  OldProcFirst(message);
  if (IsMDIChild()) {
    UpDateChildCaptionInMenu(form_);
    RefreshMDIBarTab(form_);
  }
  if (!FrameVisible()) return;
  SendNCPaint();
  if (skinActive_) SetDefaultCaptionText();
}

void TspDynamicSkinForm::WMEraseBkgnd(TMessage& message) {
  message.Result = 0;
  if (form_->FormStyle() == fsMDIForm) return;
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  if (!supportNCArea_)
    Paint(dc);
  else if (!skinActive_)
    PaintBGDefault(dc);
  else if (NamedPicture(skinData_->bgpictureindex) == nullptr)
    PaintBG(dc);
  else
    PaintBG2(dc);
}

void TspDynamicSkinForm::WMShowWindow(TMessage& message) {
  if (message.WParam == 0 && skinnableForm_ && IsMDIChild()) {
    DeleteChildFromMenu(form_);
    DeleteChildFromBar(form_);
  }
  if (message.WParam == 0) {
    if (skinnableForm_ && CheckW2KWXP() && alphaBlend_ && form_->HandleAllocated()) {
      HWND window = form_->Handle();
      ::SetWindowLongPtrA(window, GWL_EXSTYLE, ::GetWindowLongPtrA(window, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
    }
    return;
  }
  if (firstShow_) {
    if (PositionInMonitor == sppDefault) {
      firstShow_ = false;
    } else if (windowState_ == wsNormal) {
      firstShow_ = false;
      ApplyPositionInMonitor();
    }
  }
  if (CheckW2KWXP() && (alphaBlend_ || AlphaBlendAnimation)) StartFade();
  if (form_->FormStyle() == fsMDIForm && !MDIClientHooked() && form_->ClientHandle()) {
    HookMDIClient();
    if (skinnableForm_) UpDateForm();
  }
  if (!skinnableForm_) return;
  if (IsMDIChild()) {
    AddChildToMenu(form_);
    AddChildToBar(form_);
  }
  if (form_->FormStyle() != fsMDIForm && supportNCArea_) UpDateForm();
  if (!supportNCArea_) ControlsToAreas();
  if (form_->Menu()) form_->SetMenu(nullptr);
}

void TspDynamicSkinForm::WMNCHitTest(TMessage& message, bool& passOn) {
  const TPoint screen = SignedPoint(message.LParam);
  if (!supportNCArea_) {
    if (!skinActive_) {
      message.Result = HTCLIENT;
      passOn = true;
      return;
    }
    POINT p = {screen.X, screen.Y};
    ::ScreenToClient(form_->Handle(), &p);
    if (!mouseInForm_) {
      mouseInForm_ = true;
      TestActive(p.x, p.y, true);
      mouseTimer_->SetEnabled(true);
    }
    message.Result = NewHitTest(Point(p.x, p.y));
    return;
  }
  if (!skinnableForm_) {
    passOn = true;
    return;
  }
  const TPoint p = PointToNCPoint(screen);
  message.Result = SkinnedFrame() ? NewNCHitTest(p) : NewDefNCHitTest(p);
  if (!mouseTimer_->Enabled() && message.Result == HTOBJECT) {
    TestActive(p.X, p.Y, true);
    mouseTimer_->SetEnabled(true);
  }
}

void TspDynamicSkinForm::WMNCActivate(TMessage& message) {
  if (FormMenuSeams().MenuVisible && FormMenuSeams().MenuVisible(this)) SkinMenuClose();
  mdiFormActive_ = message.WParam != 0;
  if (IsMDIChild() || (form_->FormStyle() == fsMDIForm && !vistaOS_))
    OldProcFirst(message);
  else
    message.Result = 1;
  if (IsMDIChildMaximized() || !HasBorder()) {
    FormChangeActive(false);
  } else {
    SendNCPaint();
    FormChangeActive(true);
  }
  if (IsMDIChildMaximized() && Application.MainForm() && Application.MainForm()->HandleAllocated())
    Application.MainForm()->Perform(WM_NCPAINT, 0, 0);
  if (IsMDIChild()) {
    UpDateChildActiveInMenu();
    CheckMDIMainMenu();
    CheckMDIBar();
  }
}

void TspDynamicSkinForm::WMSizing(TMessage& message) {
  magnetLeft_ = magnetTop_ = magnetRight_ = magnetBottom_ = false;
  OldProcFirst(message);
  const auto* r = reinterpret_cast<RECT*>(message.LParam);
  NewWidth = r->right - r->left;
  NewHeight = r->bottom - r->top;
  if (!skinData_ || (skinData_->Empty && skinnableForm_ && supportNCArea_)) {
    CreateNewRegion(true);
  } else if (supportNCArea_ && skinnableForm_ && !skinData_->Empty) {
    if (form_->Width() >= GetMinWidth() && form_->Height() >= GetMinHeight() &&
        (form_->Width() != NewWidth || form_->Height() != NewHeight))
      CreateNewForm(true);
  }
}

void TspDynamicSkinForm::WMMoving(TMessage& message) {
  auto* r = reinterpret_cast<RECT*>(message.LParam);
  const TRect bounds = FormBounds();
  if (windowState_ == wsMaximized && !IsMDIChild()) {
    *r = RECT{bounds.Left, bounds.Top, bounds.Right, bounds.Bottom};
  } else if (Magnetic) {
    Integer left = r->left, top = r->top;
    DoMagnetic(left, top, bounds.Height(), bounds.Width());
    *r = RECT{left, top, left + bounds.Width(), top + bounds.Height()};
  }
  message.Result = TRUE;
}

void TspDynamicSkinForm::WMEnterSizeMove() {
  magnetAnchor_ = CursorPos();
  if (!supportNCArea_ || !skinnableForm_) return;
  UpDateActiveObjects();
  mouseTimer_->SetEnabled(false);
  activeObject_ = captureObject_ = -1;
  inSizeMove_ = true;
  fullDrag_ = GetFullDragg();
}

void TspDynamicSkinForm::WMExitSizeMove() {
  if (!supportNCArea_ || !skinnableForm_) return;
  mouseTimer_->SetEnabled(false);
  activeObject_ = oldActiveObject_ = captureObject_ = -1;
  if (HasUsableSkin()) SendNCPaint();
  // InSizeMove stays set: the press that started the loop is handled after it.
}

void TspDynamicSkinForm::WMTimer(TMessage& message, bool& passOn) {
  if (message.WParam != 1 || !fading_) return;
  FadeStep();
  passOn = false;
}

void TspDynamicSkinForm::SkinBeforeChange(TMessage& message) {
  auto* sender = reinterpret_cast<TspSkinData*>(message.WParam);
  if (sender != skinData_) return;
  skinChanging_ = true;
  skinActive_ = false;
  StopTimers();
  ClearObjects();
  BeforeUpDateSkinControls(sender, form_);
  BeforeUpDateSkinComponents();
}

void TspDynamicSkinForm::SkinChange(TMessage& message) {
  auto* sender = reinterpret_cast<TspSkinData*>(message.WParam);
  skinChanging_ = false;
  if (sender && sender == skinData_) ChangeSkinData();
  UpDateSkinControls(sender, form_);
  UpDateSkinComponents();
}

// ---- the mouse stage ----

void TspDynamicSkinForm::NCLeftDown(TMessage& message, TPoint p) {
  if (inSizeMove_) {
    inSizeMove_ = false;
    return;
  }
  TestActive(p.X, p.Y, true);
  MouseDown(mbLeft, p.X, p.Y);
  if (message.WParam == HTCAPTION) captureObject_ = -1;
}

void TspDynamicSkinForm::SecondStage(TMessage& message) {
  const bool frame = supportNCArea_ && skinnableForm_;
  const UINT msg = message.Msg;
  if (msg >= WM_NCMOUSEMOVE && msg <= WM_NCMBUTTONDBLCLK) {
    if (!frame) return;
    const TPoint p = PointToNCPoint(SignedPoint(message.LParam));
    switch (msg) {
      case WM_NCMOUSEMOVE: MouseMove(p.X, p.Y); break;
      case WM_NCLBUTTONDOWN: NCLeftDown(message, p); break;
      case WM_NCLBUTTONUP:
        try {
          MouseUp(mbLeft, p.X, p.Y);
        } catch (...) {
          // A failure of the object's command is not the window's to report.
        }
        break;
      case WM_NCLBUTTONDBLCLK:
        TestActive(p.X, p.Y, true);
        MouseDown(mbLeft, p.X, p.Y);
        MouseDBlClick();
        if (message.WParam == HTCAPTION) {
          CaptionDoubleClick();
          captureObject_ = -1;
        }
        break;
      case WM_NCRBUTTONDOWN:
      case WM_NCRBUTTONDBLCLK:
        TestActive(p.X, p.Y, true);
        MouseDown(mbRight, p.X, p.Y);
        if (message.WParam == HTCAPTION) {
          captureObject_ = -1;
          if (msg == WM_NCRBUTTONDOWN && !DisableSystemMenu && FormMenuSeams().TrackSystemMenu)
            FormMenuSeams().TrackSystemMenu(this, CursorPos());
        }
        break;
      case WM_NCRBUTTONUP: MouseUp(mbRight, p.X, p.Y); break;
      default: break;
    }
    return;
  }
  const TPoint p = UnsignedPoint(message.LParam);
  switch (msg) {
    case WM_MOUSEMOVE:
      if (!supportNCArea_) {
        MouseMove(p.X, p.Y);
        if (dragging_) {
          const TPoint cursor = CursorPos();
          if (cursor != dragPoint_) {
            Integer left = form_->Left() + cursor.X - dragPoint_.X, top = form_->Top() + cursor.Y - dragPoint_.Y;
            if (Magnetic) DoMagnetic(left, top, form_->Height(), form_->Width());
            form_->SetBounds(left, top, form_->Width(), form_->Height());
            dragPoint_ = cursor;
          }
        }
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      if (!supportNCArea_) {
        if (msg == WM_LBUTTONDOWN) magnetAnchor_ = CursorPos();
        MouseDown(msg == WM_LBUTTONDOWN ? mbLeft : mbRight, p.X, p.Y);
      }
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      const TMouseButton button = msg == WM_LBUTTONUP ? mbLeft : mbRight;
      if (supportNCArea_)
        MouseUp(button, -1, -1);
      else
        MouseUp(button, p.X, p.Y);
      break;
    }
    case WM_LBUTTONDBLCLK:
      MouseDown(mbLeft, p.X, p.Y);
      MouseDBlClick();
      CheckWindowState();
      break;
    case WM_RBUTTONDBLCLK: MouseDown(mbRight, p.X, p.Y); break;
    default: break;
  }
}
