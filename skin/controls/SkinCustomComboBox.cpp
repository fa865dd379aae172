#include "skin/controls/SkinCustomComboBox.h"

#include "skin/controls/BoxCtrlsLook.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/SkinBoxTime.h"
#include "skin/controls/SkinButtonRecord.h"
#include "skin/controls/SkinNumEdit.h"
#include "skin/data/SkinColors.h"
#include "skin/draw/SPUtils.h"

namespace {

Integer TextHeightOf(TFont* font) {
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, font->Handle());
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(nullptr, dc);
  return metrics.tmHeight;
}

}  // namespace

TspSkinCustomComboBox::TspSkinCustomComboBox(TComponent* owner) : TspSkinCustomControl(owner) {
  ControlStyle = csAcceptsControls | csCaptureMouse | csOpaque | csDoubleClicks;
  SkinDataName = "combobox";
  SetRecordFont(Font(), "Arial", 0, 14);
  Font()->SetColor(clWindowText);
  list_ = new TspPopupListBox(this);
  tracker_.SetList(list_);
  if (!HasState(csDesigning)) list_->SetParent(this);
  list_->ListBox()->SetTabStop(false);
  list_->ListBox()->OnMouseMove = TMouseMoveEvent(this, &TspSkinCustomComboBox::ListBoxMouseMove);
  oldListWindowProc_ = list_->ListBox()->WindowProc;
  list_->ListBox()->WindowProc = TWndMethod(this, &TspSkinCustomComboBox::ListBoxWindowProcHook);
  list_->OnCheckButtonClick = TNotifyEvent(this, &TspSkinCustomComboBox::CheckButtonClick);
  SetBounds(0, 0, 120, 20);
  SetTabStop(true);
  CalcRects();
}

TspSkinCustomComboBox::~TspSkinCustomComboBox() {
  tracker_.StopScroll();
  list_->ListBox()->WindowProc = oldListWindowProc_;
  HideEditor();
}

// ---- properties ----

void TspSkinCustomComboBox::SetToolButtonStyle(bool value) {
  toolButtonStyle_ = value;
  if (value) {
    SetStyle(spcbFixedStyle);
    UseSkinSize = false;
  }
  Repaint();
}

void TspSkinCustomComboBox::SetImages(TCustomImageList* value) {
  list_->SetImages(value);
  if (value) value->FreeNotification(this);
  Repaint();
}

void TspSkinCustomComboBox::SetImageIndex(Integer value) {
  list_->SetImageIndex(value);
  Repaint();
}

void TspSkinCustomComboBox::SetDefaultColor(TColor value) {
  defaultColor_ = value;
  if (SkinRecordIndex != -1) return;
  if (edit_) edit_->SetColor(value);
  Repaint();
}

void TspSkinCustomComboBox::SetCharCase(TEditCharCase value) {
  charCase_ = value;
  if (edit_) edit_->SetCharCase(value);
}

void TspSkinCustomComboBox::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation == opRemove && list_ && component == list_->Images()) list_->SetImages(nullptr);
}

void TspSkinCustomComboBox::SetItemIndex(Integer value) {
  list_->SetItemIndex(value);
  Integer index = list_->ItemIndex();
  if (list_->Items()->Count() > 0 && index != -1) SetText(list_->Items()->Strings(index));
  oldItemIndex_ = index;
  if (!edit_) Repaint();
  if (HasState(csLoading) || HasState(csDesigning)) return;
  OnClick(this);
  Change();
}

// OnChange fires here only: when the text really changed.
void TspSkinCustomComboBox::TextChanged() {
  if (edit_ && !editUpdating_) edit_->SetText(Text());
  OnChange(this);
  if (editUpdating_) Change();
}

void TspSkinCustomComboBox::Invalidate() {
  TspSkinCustomControl::Invalidate();
  if (edit_ && SkinRecordIndex != -1 && edit_->HandleAllocated()) edit_->Invalidate();
}

// ---- record and areas ----

void TspSkinCustomComboBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (auto* r = RecordAs<TspDataSkinComboBox>(SkinData(), SkinRecordIndex)) face_.Read(*r);
}

void TspSkinCustomComboBox::CalcRects() {
  Integer w = Width(), h = Height();
  if (SkinRecordIndex == -1 || toolButtonStyle_) {
    DefaultComboAreas(w, h, buttonArea_, itemArea_);
  } else {
    SkinComboAreas(face_, skinrect, righttoppoint, clientrect, w, buttonArea_, itemArea_);
    if (!UseSkinSize) {
      Integer dh = h - RectHeight(skinrect);
      buttonArea_.Bottom += dh;
      itemArea_.Bottom += dh;
    }
  }
  if (edit_) {
    Integer eh = TextHeightOf(edit_->Font());
    edit_->SetBounds(itemArea_.Left, itemArea_.Top + RectHeight(itemArea_) / 2 - eh / 2, RectWidth(itemArea_), eh);
  }
}

void TspSkinCustomComboBox::CalcSize(Integer& width, Integer& height) {
  if (UseSkinSize) return TspSkinCustomControl::CalcSize(width, height);
  if (SkinRecordIndex == -1) return;
  Integer dw = width - RectWidth(skinrect);
  SizedLeftTop = lefttoppoint;
  SizedRightTop = {righttoppoint.X + dw, righttoppoint.Y};
  RealClientRect = {clientrect.Left, clientrect.Top, clientrect.Right + dw, clientrect.Bottom};
}

void TspSkinCustomComboBox::SetControlRegion() {
  if (UseSkinSize) TspSkinCustomControl::SetControlRegion();
}

void TspSkinCustomComboBox::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  CalcRects();
  if (edit_) ApplyEditFont();
  list_->SkinDataName = SkinRecordIndex != -1 ? face_.listBoxName : String();
  list_->SetSkinData(SkinData());
  list_->UpDateScrollBar();
  CalcRects();
  if (edit_ && SkinRecordIndex != -1) {
    Integer w = Width(), h = Height();
    CalcSize(w, h);
    if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
  }
  Repaint();
}

// ---- face ----

bool TspSkinCustomComboBox::FaceFocused() {
  if (!HandleAllocated()) return false;
  return Focused() || (edit_ && edit_->HandleAllocated() && edit_->Focused());
}

TColor TspSkinCustomComboBox::DisabledColor() {
  auto* edit = FindRecord<TspDataSkinEditControl>(SkinData(), "edit");
  return edit ? edit->disabledfontcolor : clGrayText;
}

void TspSkinCustomComboBox::DrawButton(TCanvas* canvas) {
  if (SkinRecordIndex == -1 || !SkinPicture) {
    DrawDefaultPart(canvas, buttonArea_, PartState(buttonMouseIn_, buttonPressed_));
    DrawArrowImage(canvas, buttonArea_, Enabled() ? clBlack : clBtnShadow, 4);
    return;
  }
  TRect source = face_.ButtonSource(Enabled(), buttonPressed_, buttonMouseIn_);
  if (!IsNullRect(source)) canvas->CopyRect(buttonArea_, SkinPicture->Canvas(), source);
}

void TspSkinCustomComboBox::DrawResizeButton(TCanvas* canvas) {
  Integer w = RectWidth(buttonArea_), h = RectHeight(buttonArea_);
  if (w <= 0 || h <= 0) return;
  TspButtonRecordLook look;
  if (!look.Find(SkinData(), {"combobutton", "editbutton", "resizebutton"})) return;
  bool pressed = buttonPressed_ && buttonMouseIn_;
  TBitmap image(w, h);
  look.Compose(&image, buttonMouseIn_, pressed);
  if (IsNullRect(look.Record->menumarkerrect) && Enabled())
    DrawArrowImage(image.Canvas(), TRect{0, pressed ? 2 : 0, w, h}, look.TextColor(buttonMouseIn_, pressed, true), 4);
  canvas->Draw(buttonArea_.Left, buttonArea_.Top, &image);
}

void TspSkinCustomComboBox::DrawItemContent(TCanvas* c, const TRect& textRect, Integer width, Integer height,
                                            bool skinned) {
  Integer index = list_->Visible() ? oldItemIndex_ : ItemIndex();
  if (index < 0 || index >= list_->Items()->Count()) return;
  if (OnComboBoxDrawItem) return OnComboBoxDrawItem(c, index, width, height, textRect, itemState_);
  TRect r = textRect;
  if (skinned && FaceFocused() && face_.showFocus) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(SkinData() && SkinData()->SkinColors ? SkinData()->SkinColors->cBtnFace : clBtnFace);
    c->DrawFocusRect(TRect{0, 0, width, height});
  }
  if (TCustomImageList* images = list_->Images()) {
    Integer image = list_->ImageIndex() < 0 ? index : list_->ImageIndex();
    if (image < images->Count()) images->Draw(c, r.Left, r.Top + RectHeight(r) / 2 - images->Height() / 2, image);
    r.Left += images->Width() + 2;
  }
  c->Brush()->SetStyle(bsClear);
  SPDrawText2(c, list_->Items()->Strings(index), r);
}

void TspSkinCustomComboBox::DrawDefaultItem(TCanvas* canvas) {
  Integer w = RectWidth(itemArea_), h = RectHeight(itemArea_);
  if (w <= 0 || h <= 0) return;
  TBitmap b(w, h);
  TCanvas* c = b.Canvas();
  c->Font()->Assign(Font());
  c->Font()->SetCharset(SkinCharset(SkinData(), DefaultFont()));
  bool focused = FaceFocused();
  c->Brush()->SetColor(focused ? clHighlight : defaultColor_);
  c->Font()->SetColor(focused ? clHighlightText : DefaultFont()->Color());
  if (!Enabled()) c->Font()->SetColor(clGrayText);
  itemState_ = focused ? odFocused : 0;
  c->FillRect(TRect{0, 0, w, h});
  DrawItemContent(c, TRect{2, 0, w - 2, h}, w, h, false);
  if (focused) c->DrawFocusRect(TRect{0, 0, w, h});
  canvas->Draw(itemArea_.Left, itemArea_.Top, &b);
}

void TspSkinCustomComboBox::DrawSkinItem(TCanvas* canvas, bool resized) {
  Integer w = RectWidth(itemArea_);
  Integer h = resized ? RectHeight(itemArea_) : RectHeight(face_.itemRect) ? RectHeight(face_.itemRect) : RectHeight(face_.focusItemRect);
  if (h == 0) h = RectHeight(itemArea_);
  if (w <= 0 || h <= 0) return;
  bool focused = FaceFocused();
  bool hot = !focused && mouseIn_ && !IsNullRect(face_.activeItemRect) && !IsNullRect(face_.activeSkinRect);
  TRect source = focused ? face_.focusItemRect : hot ? face_.activeItemRect : face_.itemRect;
  TBitmap b(w, h);
  TCanvas* c = b.Canvas();
  if (IsNullRect(source)) {
    c->CopyRect(TRect{0, 0, w, h}, canvas, TRect{itemArea_.Left, itemArea_.Top, itemArea_.Left + w, itemArea_.Top + h});
  } else if (resized) {
    TRect client = face_.itemTextRect;
    if (focused) client = {client.Left + 1, client.Top + 1, client.Right - 1, client.Bottom - 1};
    if (focused || hot) {
      client.Right -= RectWidth(face_.itemRect) - RectWidth(source);
      client.Top -= RectHeight(face_.itemRect) - RectHeight(source);
    }
    CreateStretchImage(&b, SkinPicture, source, client, true);
  } else {
    CreateHSkinImage(face_.itemLeftOffset, face_.itemRightOffset, &b, SkinPicture, source, w, h,
                     focused ? face_.focusItemStretchEffect : face_.itemStretchEffect);
  }
  TRect textRect = face_.itemTextRect;
  textRect.Right += w - (IsNullRect(face_.itemRect) ? RectWidth(clientrect) : RectWidth(face_.itemRect));
  if (resized) textRect.Bottom += Height() - RectHeight(skinrect);
  if (UseSkinFont) SetRecordFont(c->Font(), face_.fontName, face_.fontStyle, face_.fontHeight);
  else c->Font()->Assign(DefaultFont());
  c->Font()->SetCharset(SkinCharset(SkinData(), DefaultFont()));
  TColor color = focused ? face_.focusFontColor : (mouseIn_ && !IsNullRect(face_.activeSkinRect)) ? face_.activeFontColor : face_.fontColor;
  if (!Enabled() && !resized) color = DisabledColor();
  c->Font()->SetColor(color);
  itemState_ = focused ? odFocused : 0;
  DrawItemContent(c, textRect, w, h, true);
  canvas->Draw(itemArea_.Left, itemArea_.Top, &b);
}

void TspSkinCustomComboBox::CreateToolDefaultImage(TBitmap* b) {
  TCanvas* canvas = b->Canvas();
  TRect r = ClientRect();
  bool focused = FaceFocused();
  DrawDefaultPart(canvas, r, dropped_ ? TspPartState::Pressed : (mouseIn_ || focused) ? TspPartState::Hot
                                                                                      : TspPartState::Normal);
  Integer shift = dropped_ ? 2 : 0;
  canvas->Font()->Assign(DefaultFont());
  DrawItemContent(canvas, TRect{2 + shift, 2 + shift, Width() - 17 + shift, Height() - 2 + shift}, Width(), Height(),
                  false);
  DrawTrackArrowImage(canvas, TRect{Width() - 15 + shift, shift, Width() + shift, Height() + shift},
                      DefaultFont()->Color());
}

void TspSkinCustomComboBox::CreateToolSkinImage(TBitmap* b) {
  TspButtonRecordLook look;
  if (!look.Find(SkinData(), {"resizetoolbutton", "resizebutton"})) return;
  bool focused = FaceFocused();
  bool hot = mouseIn_ || focused;
  look.Compose(b, hot, dropped_);
  TCanvas* canvas = b->Canvas();
  if (UseSkinFont) SetRecordFont(canvas->Font(), look.Record->fontname, look.Record->fontstyle, look.Record->fontheight);
  else canvas->Font()->Assign(DefaultFont());
  canvas->Font()->SetColor(look.TextColor(hot, dropped_, Enabled()));
  Integer shift = dropped_ ? 2 : 0;
  DrawItemContent(canvas, TRect{2 + shift, 2 + shift, Width() - 17 + shift, Height() - 2 + shift}, Width(), Height(),
                  true);
  DrawTrackArrowImage(canvas, TRect{Width() - 15 + shift, shift, Width() + shift, Height() + shift},
                      canvas->Font()->Color());
}

void TspSkinCustomComboBox::CreateControlDefaultImage(TBitmap* b) {
  CalcRects();
  if (toolButtonStyle_) return CreateToolDefaultImage(b);
  TCanvas* canvas = b->Canvas();
  TRect r = ClientRect();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(r);
  canvas->Brush()->SetColor(clBtnShadow);
  canvas->FrameRect(r);
  canvas->Brush()->SetColor(defaultColor_);
  canvas->FillRect(TRect{1, 1, r.Right - 1, r.Bottom - 1});
  DrawButton(canvas);
  if (!edit_) DrawDefaultItem(canvas);
}

void TspSkinCustomComboBox::CreateControlSkinImage(TBitmap* b) {
  CalcRects();
  if (toolButtonStyle_) return CreateToolSkinImage(b);
  if (!SkinPicture) return CreateControlDefaultImage(b);
  bool active = !IsNullRect(face_.activeSkinRect) && (mouseIn_ || FaceFocused());
  TRect face = active ? face_.activeSkinRect : skinrect;
  if (!UseSkinSize) {
    CreateStretchImage(b, SkinPicture, face, clientrect, true);
    DrawResizeButton(b->Canvas());
  } else {
    if (active)
      CreateHSkinImage(lefttoppoint.X, RectWidth(skinrect) - righttoppoint.X, b, SkinPicture, face_.activeSkinRect, Width(),
                       Height(), stretcheffect);
    else TspSkinCustomControl::CreateControlSkinImage(b);
    DrawButton(b->Canvas());
  }
  if (!edit_) DrawSkinItem(b->Canvas(), !UseSkinSize);
}

// ---- keys and type-ahead ----

void TspSkinCustomComboBox::MoveSelection(Integer delta) {
  Integer count = list_->Items()->Count(), index = ItemIndex();
  Integer next = index + delta;
  if (count == 0 || next < 0 || next >= count) return;
  SetItemIndex(next);
}

void TspSkinCustomComboBox::FindLBItem(char key) {
  String search;
  if (AutoComplete) {
    DWORD now = SkinClock().TickCount();
    if (now - lastKeyTime_ > 499) searchText_.clear();
    lastKeyTime_ = now;
    searchText_ += key;
    search = searchText_;
  } else {
    search = String(1, key);
  }
  if (search.empty() || !list_->ListBox()->HandleAllocated()) return;
  WPARAM start = search.size() == 1 ? static_cast<WPARAM>(ItemIndex()) : static_cast<WPARAM>(-1);
  LRESULT found = ::SendMessageA(list_->ListBox()->Handle(), LB_FINDSTRING, start,
                                 reinterpret_cast<LPARAM>(search.c_str()));
  if (found != LB_ERR) SetItemIndex(static_cast<Integer>(found));
}

void TspSkinCustomComboBox::KeyPress(char& key) {
  TspSkinCustomControl::KeyPress(key);
  if (!edit_ && key != 0 && static_cast<unsigned char>(key) >= 32) FindLBItem(key);
}

// PageUp moves DropDownCount + 1 rows and PageDown DropDownCount - 1, as the
// windows' users know them.
void TspSkinCustomComboBox::KeyDown(Word& key, TShiftState shift) {
  TspSkinCustomControl::KeyDown(key, shift);
  if (edit_) return;
  bool alt = (shift & ssAlt) != 0;
  Integer count = list_->Items()->Count();
  switch (key) {
    case VK_UP:
    case VK_LEFT:
      if (alt) {
        if (list_->Visible()) CloseUp(false);
      } else {
        MoveSelection(-1);
      }
      break;
    case VK_DOWN:
    case VK_RIGHT:
      if (alt) {
        if (!list_->Visible()) DropDown();
      } else {
        MoveSelection(1);
      }
      break;
    case VK_PRIOR:
      if (count > 0) SetItemIndex(std::max<Integer>(0, ItemIndex() - dropDownCount_ - 1));
      break;
    case VK_NEXT:
      if (count > 0) SetItemIndex(std::min<Integer>(count - 1, ItemIndex() + dropDownCount_ - 1));
      break;
    case VK_RETURN:
      if (list_->Visible()) CloseUp(true);
      break;
    case VK_ESCAPE:
      if (list_->Visible()) CloseUp(false);
      break;
    default:
      break;
  }
}

// ---- inner edit ----

void TspSkinCustomComboBox::SetStyle(TspSkinCustomComboBoxStyle value) {
  if (HasState(csDesigning) && value == style_) return;
  style_ = value;
  if (value == spcbEditStyle && !edit_) {
    bool hadFocus = HandleAllocated() && Focused();
    ShowEditor();
    if (!HasState(csDesigning)) {
      edit_->SetTabStop(TabStop());
      SetTabStop(false);
    }
    edit_->SetText(Text());
    if (hadFocus && edit_->CanFocus()) edit_->SetFocus();
  } else if (value == spcbFixedStyle && edit_) {
    HideEditor();
  }
  CalcRects();
  if (HandleAllocated()) RecreateWnd();
  Repaint();
}

void TspSkinCustomComboBox::ApplyEditFont() {
  bool record = SkinRecordIndex != -1;
  TFont* font = edit_->Font();
  if (record && UseSkinFont) {
    SetRecordFont(font, face_.fontName, face_.fontStyle, face_.fontHeight);
    font->SetColor(face_.fontColor);
  } else {
    font->Assign(record ? DefaultFont() : Font());
    if (record) font->SetColor(face_.fontColor);
  }
  if (record && !IsNullRect(face_.activeSkinRect) && (mouseIn_ || FaceFocused())) font->SetColor(face_.activeFontColor);
  font->SetCharset(SkinCharset(SkinData(), DefaultFont()));
  if (edit_->EditTransparent() != record) edit_->SetEditTransparent(record);
  if (!Enabled()) font->SetColor(DisabledColor());
}

void TspSkinCustomComboBox::ShowEditor() {
  edit_ = NumericEdit ? new TspSkinNumEdit(this) : new TspCustomEdit(this);
  edit_->SetParent(this);
  edit_->SetColor(defaultColor_);
  edit_->SetAutoSize(false);
  edit_->SetBorderStyle(bsNone);
  edit_->SetHideSelection(HideSelection);
  edit_->SetCharCase(charCase_);
  oldEditWindowProc_ = edit_->WindowProc;
  edit_->WindowProc = TWndMethod(this, &TspSkinCustomComboBox::EditWindowProcHook);
  edit_->OnCancelMode = TNotifyEvent(this, &TspSkinCustomComboBox::EditCancelMode);
  edit_->OnChange = TNotifyEvent(this, &TspSkinCustomComboBox::EditChange);
  edit_->OnKeyDown = TKeyEvent(this, &TspSkinCustomComboBox::EditKeyDown);
  edit_->OnKeyUp = TKeyEvent(this, &TspSkinCustomComboBox::EditKeyUp);
  edit_->OnKeyPress = TKeyPressEvent(this, &TspSkinCustomComboBox::EditKeyPress);
  ApplyEditFont();
  CalcRects();
}

void TspSkinCustomComboBox::HideEditor() {
  if (!edit_) return;
  TspCustomEdit* edit = edit_;
  edit_ = nullptr;
  edit->WindowProc = oldEditWindowProc_;
  delete edit;
}

void TspSkinCustomComboBox::EditChange(TObject*) {
  editUpdating_ = true;
  String text = edit_->Text();
  if (!text.empty() && list_->ListBox()->HandleAllocated()) {
    HWND listWindow = list_->ListBox()->Handle();
    LRESULT found = ::SendMessageA(listWindow, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    if (found != LB_ERR) ::SendMessageA(listWindow, AutoComplete ? LB_SETCURSEL : LB_SETTOPINDEX, found, 0);
  }
  SetText(text);
  editUpdating_ = false;
}

void TspSkinCustomComboBox::FindLBItemFromEdit() {
  DWORD now = SkinClock().TickCount();
  if (now - lastKeyTime_ <= 200) return;
  lastKeyTime_ = now;
  String typed = edit_->Text();
  if (typed.empty() || !list_->ListBox()->HandleAllocated()) return;
  // From the start of the list whatever the length: the edit's change has
  // already selected the first match, so searching after it would complete
  // a single typed letter to the second item that begins with it.
  LRESULT found = ::SendMessageA(list_->ListBox()->Handle(), LB_FINDSTRING, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(typed.c_str()));
  if (found == LB_ERR) return;
  SetItemIndex(static_cast<Integer>(found));
  edit_->SetSelStart(static_cast<int>(typed.size()));
  edit_->SetSelLength(static_cast<int>(Text().size() - typed.size()));
}

void TspSkinCustomComboBox::EditUpDown(bool up) {
  Integer count = list_->Items()->Count(), index = list_->ItemIndex();
  Integer next = up ? index - 1 : index + 1;
  if (count == 0 || next < 0 || next >= count) return;
  list_->SetItemIndex(next);
  SetText(list_->Items()->Strings(next));
  edit_->SelectAll();
  OnClick(this);
}

void TspSkinCustomComboBox::EditWindowProcHook(TMessage& message) {
  TspCustomEdit* edit = edit_;
  switch (message.Msg) {
    case WM_KEYDOWN: {
      Word key = static_cast<Word>(message.WParam);
      if (key == VK_UP || key == VK_DOWN) return EditUpDown(key == VK_UP);
      if (list_->Visible()) {
        Integer count = list_->Items()->Count();
        if (key == VK_RETURN) CloseUp(true);
        else if (key == VK_ESCAPE) CloseUp(false);
        else if (key == VK_PRIOR) list_->SetItemIndex(std::max<Integer>(0, list_->ItemIndex() - dropDownCount_ - 1));
        else if (key == VK_NEXT) list_->SetItemIndex(std::min<Integer>(count - 1, list_->ItemIndex() + dropDownCount_ - 1));
      }
      break;
    }
    case WM_KEYUP:
      oldEditWindowProc_(message);
      if (AutoComplete && message.WParam >= 48 && edit_ == edit) FindLBItemFromEdit();
      return;
    case WM_MOUSEWHEEL: {
      bool up = static_cast<short>(HIWORD(message.WParam)) > 0;
      if (list_->Visible()) {
        Integer next = list_->ItemIndex() + (up ? -1 : 1);
        if (next >= 0 && next < list_->Items()->Count()) list_->SetItemIndex(next);
      } else {
        EditUpDown(up);
      }
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KILLFOCUS:
      if (list_->Visible()) CloseUp(false);
      if (message.Msg == WM_KILLFOCUS && SkinRecordIndex != -1 && !IsNullRect(face_.activeSkinRect))
        edit->Font()->SetColor(face_.fontColor);
      break;
    case WM_SETFOCUS:
      if (SkinRecordIndex != -1 && !IsNullRect(face_.activeSkinRect)) {
        edit->Font()->SetColor(face_.activeFontColor);
        Invalidate();
      }
      break;
    default:
      break;
  }
  oldEditWindowProc_(message);
}

// ---- messages ----

void TspSkinCustomComboBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(message);
      return CalcRects();
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(message);
      return TextChanged();
    case CM_WANTSPECIALKEY:
      if (message.WParam >= VK_LEFT && message.WParam <= VK_DOWN) {
        message.Result = 1;
        return;
      }
      break;
    case WM_SETFOCUS:
      if (edit_) {
        if (edit_->CanFocus()) edit_->SetFocus();
        return;
      }
      TspSkinCustomControl::Dispatch(message);
      return Repaint();
    case WM_KILLFOCUS:
      TspSkinCustomControl::Dispatch(message);
      if (!edit_ && list_->Visible()) CloseUp(false);
      return Repaint();
    case WM_MOUSEWHEEL: {
      if (edit_) break;
      bool up = static_cast<short>(HIWORD(message.WParam)) > 0;
      if (!list_->Visible()) {
        MoveSelection(up ? -1 : 1);
      } else {
        Integer next = list_->ItemIndex() + (up ? -1 : 1);
        if (next >= 0 && next < list_->Items()->Count()) list_->SetItemIndex(next);
      }
      message.Result = 1;
      return;
    }
    case CM_MOUSEENTER:
      TspSkinCustomControl::Dispatch(message);
      mouseIn_ = true;
      if (edit_ && SkinRecordIndex != -1 && !IsNullRect(face_.activeSkinRect) && !FaceFocused())
        edit_->Font()->SetColor(face_.activeFontColor);
      if ((SkinRecordIndex != -1 && !IsNullRect(face_.activeSkinRect)) || toolButtonStyle_) Invalidate();
      return;
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(message);
      mouseIn_ = false;
      if (edit_ && SkinRecordIndex != -1 && !IsNullRect(face_.activeSkinRect) && !FaceFocused())
        edit_->Font()->SetColor(face_.fontColor);
      if ((SkinRecordIndex != -1 && !IsNullRect(face_.activeSkinRect)) || toolButtonStyle_) Invalidate();
      if (buttonMouseIn_) {
        buttonMouseIn_ = false;
        Repaint();
      }
      return;
    case CM_ENABLEDCHANGED:
      TspSkinCustomControl::Dispatch(message);
      if (edit_) {
        edit_->SetEnabled(Enabled());
        edit_->Font()->SetColor(!Enabled() ? DisabledColor() : SkinRecordIndex == -1 ? DefaultFont()->Color() : face_.fontColor);
      }
      return Repaint();
    case CM_CANCELMODE:
      TspSkinCustomControl::Dispatch(message);
      if (!BelongsToDropDown(MessageSender(message))) CloseUp(false);
      return;
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(message);
      if (message.WParam == TspDropDownTracker::kScrollTimer) tracker_.ScrollStep();
      return;
    case WM_ERASEBKGND:
      if (!InPaintMessage && message.WParam) {
        HDC dc = reinterpret_cast<HDC>(message.WParam);
        PaintWindow(dc);
        if (edit_ && edit_->HandleAllocated()) {
          int saved = ::SaveDC(dc);
          ::SetViewportOrgEx(dc, edit_->Left(), edit_->Top(), nullptr);
          ::IntersectClipRect(dc, 0, 0, edit_->Width(), edit_->Height());
          edit_->Perform(WM_PAINT, message.WParam, 0);
          ::RestoreDC(dc, saved);
        }
      }
      message.Result = 1;
      return;
    default:
      break;
  }
  TspSkinCustomControl::Dispatch(message);
}
