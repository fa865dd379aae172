#include "framed/controls/RzComboBox.h"

#include "framed/common/RzCommon_Bars.h"
#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/published/Filer.h"
#include "platform/core/SysUtils.h"
#include "platform/published/Published.h"

TRzCustomComboBox::TRzCustomComboBox(TComponent* owner)
    : TCustomComboBox(owner), frameCanvas_(std::make_unique<TControlCanvas>()), searchTimer_(FramedClock().MakeTimer()) {
  ControlStyle &= ~csSetCaption;
  TCustomComboBox::AutoComplete = false;
  searchTimer_->SetEnabled(false);
  searchTimer_->SetInterval(1500);
  searchTimer_->OnTimer = TNotifyEvent(this, &TRzCustomComboBox::SearchTimerExpired);
  frameCanvas_->SetControl(this);
}

TRzCustomComboBox::~TRzCustomComboBox() {
  searchTimer_.reset();
  if (frameController_) frameController_->RemoveControl(this);
  editHook_.Restore();
  if (brush_) ::DeleteObject(brush_);
}

void TRzCustomComboBox::DefineProperties(TFiler* filer) {
  TCustomComboBox::DefineProperties(filer);
  DefineOldFrameProperties(filer, {[this](bool v) { SetFrameHotTrack(v); }, [this](TFrameStyle v) { SetFrameStyle(v); },
                                   [this](TFrameStyle v) { SetFrameHotStyle(v); }});
}

void TRzCustomComboBox::Notification(TComponent* component, TOperation operation) {
  TCustomComboBox::Notification(component, operation);
  if (operation == opRemove && component == frameController_) frameController_ = nullptr;
}

void TRzCustomComboBox::SetFrameController(TRzFrameController* value) {
  SwitchFrameController(this, frameController_, value);
}

void TRzCustomComboBox::Loaded() {
  TCustomComboBox::Loaded();
  UpdateColors();
  UpdateFrame(false, false);
}

bool TRzCustomComboBox::UseThemes() const {
  return framingPreference_ == fpXPThemes && ThemeServices()->ThemesEnabled();
}

void TRzCustomComboBox::RepaintNow() {
  if (HandleAllocated()) ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
}

// ---- window ----

void TRzCustomComboBox::CreateWnd() {
  TCustomComboBox::CreateWnd();
  if (savedDropDownWidth_ != 0) {
    dropDownWidth_ = 0;
    SetDropDownWidth(savedDropDownWidth_);
  }
  if (HWND edit = ::FindWindowExA(Handle(), nullptr, "Edit", nullptr))
    editHook_.Attach(edit, TWndMethod(this, &TRzCustomComboBox::ComboWndProc));
}

void TRzCustomComboBox::DestroyWnd() {
  savedDropDownWidth_ = dropDownWidth_;
  editHook_.Restore();
  TCustomComboBox::DestroyWnd();
}

void TRzCustomComboBox::SetDropDownWidth(int value) {
  if (dropDownWidth_ == value) return;
  dropDownWidth_ = value;
  if (HandleAllocated()) ::SendMessageA(Handle(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(value), 0);
}

void TRzCustomComboBox::SetReadOnly(bool value) {
  if (readOnly_ == value) return;
  readOnly_ = value;
  if (!ListStyle() && editHook_.Attached()) ::SendMessageA(editHook_.Window(), EM_SETREADONLY, value, 0);
  Invalidate();
}

void TRzCustomComboBox::SetItemHeight2(int value) {
  itemHeight2_ = value;
  if ((Style() != csOwnerDrawFixed && Style() != csOwnerDrawVariable) || value == ItemHeight()) return;
  SetItemHeight(value);
  if (HandleAllocated()) RecreateWnd();
}

void TRzCustomComboBox::ForceText(const String& value) {
  if (Text() == value) return;
  autoComplete_ = false;
  try {
    SetText(value);
  } catch (...) {
    autoComplete_ = true;
    throw;
  }
  autoComplete_ = true;
}

int TRzCustomComboBox::FindClosest(const String& s) {
  if (!HandleAllocated()) {
    for (int i = 0; i < Items()->Count(); ++i)
      if (CompareText(Items()->Strings(i).substr(0, s.size()), s) == 0) return i;
    return -1;
  }
  const LRESULT found = ::SendMessageA(Handle(), CB_FINDSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(s.c_str()));
  return found == CB_ERR ? -1 : static_cast<int>(found);
}

bool TRzCustomComboBox::FindItem(const String& s) {
  const int index = Items()->IndexOf(s);
  if (index >= 0) SetItemIndex(index);
  return index >= 0;
}

bool TRzCustomComboBox::FindClosestItem(const String& s) {
  const int index = FindClosest(s);
  if (index >= 0) SetItemIndex(index);
  return index >= 0;
}

void TRzCustomComboBox::InvalidKeyPressed() {
  if (BeepOnInvalidKey) ::MessageBeep(0);
}

// ---- colours ----

void TRzCustomComboBox::UpdateColors() {
  if (HasState(csLoading)) return;
  updatingColors_ = true;
  try {
    SetColor(!Enabled() ? disabledColor_ : hasFocus_ ? focusColor_ : normalColor_);
  } catch (...) {
    updatingColors_ = false;
    throw;
  }
  updatingColors_ = false;
}

void TRzCustomComboBox::TakeUserColor() {
  if (focusColor_ == normalColor_) focusColor_ = Color();
  normalColor_ = Color();
}

void TRzCustomComboBox::CMColorChanged(TMessage& message) {
  TCustomComboBox::CMColorChanged(message);
  if (!updatingColors_) TakeUserColor();
  Invalidate();
}

void TRzCustomComboBox::CMParentColorChanged(TMessage& message) {
  TCustomComboBox::CMParentColorChanged(message);
  if (ParentColor()) TakeUserColor();
}

void TRzCustomComboBox::CMEnabledChanged(TMessage& message) {
  TCustomComboBox::CMEnabledChanged(message);
  UpdateColors();
}

void TRzCustomComboBox::SetDisabledColor(TColor value) {
  disabledColor_ = value;
  if (!Enabled()) UpdateColors();
}

void TRzCustomComboBox::SetFocusColor(TColor value) {
  focusColor_ = value;
  if (hasFocus_) UpdateColors();
}

// The system paints the face and the list in the control's colour.
void TRzCustomComboBox::CNCtlColor(TMessage& message) {
  const TColor color = Color();
  if (!brush_ || brushColor_ != color) {
    if (brush_) ::DeleteObject(brush_);
    const TColor rgb = ColorToRGB(color);
    brush_ = ::CreateSolidBrush(RGB(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF));
    brushColor_ = color;
  }
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  const TColor back = ColorToRGB(color), text = ColorToRGB(Enabled() ? Font()->Color() : clGrayText);
  ::SetBkColor(dc, RGB(back & 0xFF, (back >> 8) & 0xFF, (back >> 16) & 0xFF));
  ::SetTextColor(dc, RGB(text & 0xFF, (text >> 8) & 0xFF, (text >> 16) & 0xFF));
  message.Result = reinterpret_cast<LRESULT>(brush_);
}

// ---- frame ----

#define RZ_COMBO_SETTER(Name, Type, field)        \
  void TRzCustomComboBox::Set##Name(Type value) { \
    if (field == value) return;                   \
    field = value;                                \
    Invalidate();                                 \
  }
RZ_COMBO_SETTER(FlatButtons, bool, flatButtons_)
RZ_COMBO_SETTER(FlatButtonColor, TColor, flatButtonColor_)
RZ_COMBO_SETTER(FrameColor, TColor, frameColor_)
RZ_COMBO_SETTER(FrameHotColor, TColor, frameHotColor_)
RZ_COMBO_SETTER(FrameHotStyle, TFrameStyle, frameHotStyle_)
RZ_COMBO_SETTER(FrameSides, TSides, frameSides_)
RZ_COMBO_SETTER(FrameStyle, TFrameStyle, frameStyle_)
#undef RZ_COMBO_SETTER

void TRzCustomComboBox::SetFrameHotTrack(bool value) {
  if (frameHotTrack_ == value) return;
  frameHotTrack_ = value;
  if (value) {
    SetFrameVisible(true);
    if (!HasState(csLoading)) frameSides_ = sdAllSides;
  }
  Invalidate();
}

void TRzCustomComboBox::SetFrameVisible(bool value) {
  if (frameVisible_ == value) return;
  frameVisible_ = value;
  SetParentCtl3D(!value);
  SetCtl3D(!value);
  Invalidate();
}

void TRzCustomComboBox::SetFramingPreference(TFramingPreference value) {
  if (framingPreference_ == value) return;
  framingPreference_ = value;
  if (value == fpCustomFraming) Invalidate();
}

void TRzCustomComboBox::UpdateFrame(bool viaMouse, bool value) {
  if (viaMouse)
    mouseOver_ = value;
  else
    focusFrame_ = value;
  if ((flatButtons_ || frameHotTrack_) && !DroppedDown() && HandleAllocated()) {
    RECT r = WinRect(ClientRect());
    if (!frameHotTrack_) r.left = r.right - ::GetSystemMetrics(SM_CXVSCROLL) - 2;
    ::RedrawWindow(Handle(), &r, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
  }
  UpdateColors();
}

// Drawn over what the system painted: the frame, the edit area's edge and the flat button.
void TRzCustomComboBox::PaintFrame() {
  TCanvas* canvas = frameCanvas_.get();
  const bool themed = ThemeServices()->ThemesEnabled();
  const int o = themed ? 1 : 2;
  const int w = ::GetSystemMetrics(SM_CXVSCROLL);
  const TRect client = ClientRect();
  const bool rtl = UseRightToLeftAlignment();
  const TRect button = rtl ? TRect(o, o, w + o, client.Bottom - o)
                           : TRect(client.Right - w - o, o, client.Right - o, client.Bottom - o);
  const bool white = ColorToRGB(Color()) == 0xFFFFFF;
  auto repairEditArea = [&] {
    TRect edit = client;
    if (rtl)
      edit.Left = button.Right;
    else
      edit.Right = button.Left;
    edit = TRect(edit.Left + 1, edit.Top + 1, edit.Right - 1, edit.Bottom - 1);
    if (!white) DrawBevel(canvas, edit, Color(), Color(), 2, sdAllSides);
  };
  if (frameVisible_ && !UseThemes()) {
    if (themed) {
      if (!white) DrawBevel(canvas, client, Color(), Color(), 1, sdAllSides);
      repairEditArea();
    } else {
      DrawBevel(canvas, client, Color(), Color(), 2, sdAllSides);
    }
  } else if (themed) {
    repairEditArea();
  }
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  if (themed)
    canvas->FillRect(rtl ? TRect(button.Right, button.Top, button.Right + 2, button.Bottom)
                         : TRect(button.Left - 3, button.Top, button.Left, button.Bottom));
  const bool hot = focusFrame_ || mouseOver_;
  if (readOnly_) {
    canvas->FillRect(button);
  } else if (flatButtons_) {
    if (!hot) {
      canvas->FillRect(button);
      DrawDropDownArrow(canvas, button, themed ? uiWindowsXP : uiWindows95, false, Enabled());
    } else if (themed) {
      ThemeServices()->DrawElement(canvas->Handle(),
                                   GetElementDetails(DroppedDown() ? tcDropDownButtonPressed : tcDropDownButtonHot),
                                   button);
    } else {
      const bool down = DroppedDown();
      canvas->Brush()->SetColor(flatButtonColor_);
      const TRect inner = flatButtonColor_ == clBtnFace
                              ? DrawBevel(canvas, button, down ? clBtnShadow : clBtnHighlight,
                                          down ? clBtnHighlight : clBtnShadow, 1, sdAllSides)
                              : DrawColorBorder(canvas, button, flatButtonColor_, down ? fsStatus : fsPopup);
      canvas->Brush()->SetColor(flatButtonColor_);
      canvas->FillRect(inner);
      DrawDropDownArrow(canvas, inner, uiWindows95, down, Enabled());
    }
  }
  if (!frameVisible_ || UseThemes()) return;
  const bool hotFrame = frameHotTrack_ && hot;
  const TFrameStyle style = hotFrame ? frameHotStyle_ : frameStyle_;
  const TColor color = hotFrame ? frameHotColor_ : frameColor_;
  if (style == fsFlat)
    DrawSides(canvas, client, color, color, frameSides_);
  else if (style == fsFlatBold)
    DrawBevel(canvas, client, color, color, 2, frameSides_);
  else if (Color() == clWindow)
    DrawBorderSides(canvas, client, style, frameSides_);
  else
    DrawColorBorderSides(canvas, client, Color(), style, frameSides_);
}

void TRzCustomComboBox::CloseUp() {
  TCustomComboBox::CloseUp();
  RepaintNow();
}

void TRzCustomComboBox::CMEnter(TMessage& message) {
  TCustomComboBox::CMEnter(message);
  hasFocus_ = true;
  UpdateFrame(false, true);
}

void TRzCustomComboBox::CMExit(TMessage& message) {
  TCustomComboBox::CMExit(message);
  hasFocus_ = false;
  UpdateFrame(false, false);
  if (Style() == csDropDown && !Text().empty() && Items()->IndexOf(Text()) == -1) NotInList();
}

void TRzCustomComboBox::WMKillFocus(TMessage& message) {
  TCustomComboBox::WMKillFocus(message);
  searchString_.clear();
}

void TRzCustomComboBox::CNCommand(TMessage& message) {
  TCustomComboBox::CNCommand(message);
  switch (HIWORD(message.WParam)) {
    case CBN_SELENDOK:
      skipTextUpdate_ = true;
      SelEndOk();
      break;
    case CBN_SELENDCANCEL: SelEndCancel(); break;
    default: break;
  }
}

void TRzCustomComboBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: {
      TCustomComboBox::Dispatch(message);
      HDC dc = ::GetDC(Handle());
      frameCanvas_->BindPaintDC(dc);
      PaintFrame();
      frameCanvas_->FreeHandle();
      ::ReleaseDC(Handle(), dc);
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (readOnly_) return;
      return TCustomComboBox::Dispatch(message);
    case WM_SIZE:
      TCustomComboBox::Dispatch(message);
      if (frameVisible_ && !UseThemes()) Invalidate();
      return;
    case WM_DELETEITEM: {
      auto* item = reinterpret_cast<DELETEITEMSTRUCT*>(message.LParam);
      if (item && item->itemData) {
        DeleteItem(reinterpret_cast<void*>(item->itemData));
        item->itemData = 0;
      }
      return TCustomComboBox::Dispatch(message);
    }
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC: return CNCtlColor(message);
    case CM_MOUSEENTER:
      TCustomComboBox::Dispatch(message);
      UpdateFrame(true, true);
      return MouseEnter();
    case CM_MOUSELEAVE:
      TCustomComboBox::Dispatch(message);
      UpdateFrame(true, false);
      return MouseLeave();
    case CM_TEXTCHANGED:
      TCustomComboBox::Dispatch(message);
      if (autoComplete_ && !HasState(csDesigning) && !skipTextUpdate_ && !DroppedDown()) UpdateSearchStr();
      skipTextUpdate_ = false;
      return;
    default:
      return TCustomComboBox::Dispatch(message);
  }
}

void TRzCustomComboBox::KeyPress(char& key) {
  if (TabOnEnter && key == '\r' && !DroppedDown()) {
    key = 0;
    if (HandleAllocated()) ::PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
    return;
  }
  if (Style() == csDropDown && static_cast<unsigned char>(key) >= 32 && MaxLength() > 0 &&
      static_cast<int>(Text().size()) >= MaxLength() && editHook_.Attached()) {
    DWORD start = 0, end = 0;
    ::SendMessageA(Handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start == end) {
      ::MessageBeep(0);
      key = 0;
    }
  }
  TCustomComboBox::KeyPress(key);
  if (key == '\b' || key == 27) return;
  if (key == '\t') {
    if (AutoDropDown && DroppedDown()) SetDroppedDown(false);
  } else if (AutoDropDown && !DroppedDown() && HandleAllocated()) {
    SetDroppedDown(true);
  }
}

// The wheel steps through the items, with Click and Change; the list's own
// scrolling while it is dropped.
bool TRzCustomComboBox::DoMouseWheel(TShiftState, int wheelDelta, TPoint) {
  if (readOnly_ || !HandleAllocated()) return true;
  if (DroppedDown()) {
    UINT lines = 3;
    ::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    int top = static_cast<int>(::SendMessageA(Handle(), CB_GETTOPINDEX, 0, 0));
    top += wheelDelta < 0 ? static_cast<int>(lines) : -static_cast<int>(lines);
    ::SendMessageA(Handle(), CB_SETTOPINDEX, static_cast<WPARAM>(top < 0 ? 0 : top), 0);
    return true;
  }
  const int index = ItemIndex();
  if (wheelDelta < 0) {
    if (index < Items()->Count() - 1) {
      SetItemIndex(index + 1);
      FireClickAndChange();
    }
  } else if (index <= 0) {
    SetItemIndex(0);
  } else {
    SetItemIndex(index - 1);
    FireClickAndChange();
  }
  return true;
}

void TRzCustomComboBox::FireClickAndChange() {
  Click();
  Change();
}
