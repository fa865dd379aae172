// The check combo box's geometry, record and looks: the default look with its
// button and item area, and the skin look from the "combobox" record.
#include "skin/controls/BoxCtrlsLook.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/checklists/SkinCheckComboBox.h"
#include "skin/draw/SPUtils.h"

void TspSkinCustomCheckComboBox::CalcRects() {
  Integer w = Width(), h = Height();
  if (SkinRecordIndex == -1) {
    buttonArea_ = {w - 19, 2, w - 2, h - 2};
    itemArea_ = {2, 2, buttonArea_.Left - 1, h - 2};
    return;
  }
  Integer dw = w - RectWidth(skinrect);
  buttonArea_ = buttonRect_;
  if (buttonRect_.Left >= RectWidth(skinrect) - righttoppoint.X)
    buttonArea_ = {buttonRect_.Left + dw, buttonRect_.Top, buttonRect_.Right + dw, buttonRect_.Bottom};
  itemArea_ = clientrect;
  itemArea_.Right += dw;
}

void TspSkinCustomCheckComboBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  auto* r = RecordAs<TspDataSkinComboBox>(SkinData(), SkinRecordIndex);
  if (!r) return;
  activeSkinRect_ = r->activeskinrect;
  itemRect_ = r->itemrect;
  activeItemRect_ = r->activeitemrect;
  focusItemRect_ = IsNullRect(r->focusitemrect) ? r->itemrect : r->focusitemrect;
  itemLeftOffset_ = r->itemleftoffset;
  itemRightOffset_ = r->itemrightoffset;
  itemTextRect_ = r->itemtextrect;
  fontName_ = r->fontname;
  fontStyle_ = r->fontstyle;
  fontHeight_ = r->fontheight;
  fontColor_ = r->fontcolor;
  focusFontColor_ = r->focusfontcolor;
  activeFontColor_ = r->activefontcolor;
  buttonRect_ = r->buttonrect;
  activeButtonRect_ = r->activebuttonrect;
  downButtonRect_ = r->downbuttonrect;
  unEnabledButtonRect_ = r->unenabledbuttonrect;
  itemStretchEffect_ = r->itemstretcheffect;
  focusItemStretchEffect_ = r->focusitemstretcheffect;
}

void TspSkinCustomCheckComboBox::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  CalcRects();
  Invalidate();
  list_->SkinDataName = SkinRecordIndex == -1 ? String() : list_->CaptionMode() ? "captionchecklistbox" : "checklistbox";
  list_->SetSkinData(SkinData());
  list_->UpDateScrollBar();
}

void TspSkinCustomCheckComboBox::DefaultFontChange() { Font()->Assign(DefaultFont()); }

TColor TspSkinCustomCheckComboBox::GetDisabledFontColor() {
  if (SkinRecordIndex == -1) return clGrayText;
  auto* edit = FindRecord<TspDataSkinEditControl>(SkinData(), "edit");
  return edit ? edit->disabledfontcolor : clGrayText;
}

void TspSkinCustomCheckComboBox::CreateControlDefaultImage(TBitmap* b) {
  CalcRects();
  TCanvas* c = b->Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(TRect{0, 0, Width(), Height()});
  c->Brush()->SetColor(clBtnShadow);
  c->FrameRect(TRect{0, 0, Width(), Height()});
  DrawDefaultPart(c, buttonArea_, PartState(buttonMouseIn_, buttonPressed_));
  DrawArrowImage(c, buttonArea_, Enabled() ? TColor(0) : clBtnShadow, 4);
  DrawItemArea(b, false);
}

void TspSkinCustomCheckComboBox::CreateControlSkinImage(TBitmap* b) {
  CalcRects();
  bool active = mouseIn_ || (HandleAllocated() && Focused());
  if (IsNullRect(activeSkinRect_) || !active) {
    TspSkinCustomControl::CreateControlSkinImage(b);
  } else {
    CreateHSkinImage(lefttoppoint.X, RectWidth(activeSkinRect_) - righttoppoint.X, b, SkinPicture, activeSkinRect_,
                     Width(), Height(), stretcheffect);
  }
  TRect source;
  if (!Enabled() && !IsNullRect(unEnabledButtonRect_)) source = unEnabledButtonRect_;
  else if (buttonPressed_ && buttonMouseIn_) source = downButtonRect_;
  else if (buttonMouseIn_) source = activeButtonRect_;
  if (!IsNullRect(source)) b->Canvas()->CopyRect(buttonArea_, SkinPicture->Canvas(), source);
  DrawItemArea(b, true);
}

void TspSkinCustomCheckComboBox::DrawItemArea(TBitmap* b, bool skinned) {
  Integer w = RectWidth(itemArea_);
  if (w <= 0) return;
  bool focused = HandleAllocated() && Focused();
  TBitmap item;
  TCanvas* c = item.Canvas();
  TRect text;
  if (!skinned) {
    item.SetSize(w, RectHeight(itemArea_));
    SetRecordFont(c->Font(), Font()->Name(), Font()->Style(), Font()->Height());
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(focused ? clHighlight : DefaultColor);
    c->Font()->SetColor(!Enabled() ? GetDisabledFontColor() : focused ? clHighlightText : DefaultFont()->Color());
    c->FillRect(TRect{0, 0, w, item.Height()});
    text = {2, 0, w - 2, item.Height()};
  } else {
    Integer h = RectHeight(itemRect_) ? RectHeight(itemRect_)
                : RectHeight(focusItemRect_) ? RectHeight(focusItemRect_)
                                             : RectHeight(itemArea_);
    item.SetSize(w, h);
    TRect source = focused                                                                  ? focusItemRect_
                   : mouseIn_ && !IsNullRect(activeItemRect_) && !IsNullRect(activeSkinRect_) ? activeItemRect_
                                                                                              : itemRect_;
    bool stretch = focused ? focusItemStretchEffect_ : itemStretchEffect_;
    if (!IsNullRect(source)) CreateHSkinImage(itemLeftOffset_, itemRightOffset_, &item, SkinPicture, source, w, h, stretch);
    else c->CopyRect(TRect{0, 0, w, h}, b->Canvas(), TRect{itemArea_.Left, itemArea_.Top, itemArea_.Right, itemArea_.Top + h});
    text = itemTextRect_;
    text.Right += IsNullRect(itemRect_) ? -RectWidth(clientrect) : w - RectWidth(itemRect_);
    if (UseSkinFont) SetRecordFont(c->Font(), fontName_, fontStyle_, fontHeight_);
    else c->Font()->Assign(DefaultFont());
    TColor color = focused ? focusFontColor_ : !mouseIn_ || IsNullRect(activeSkinRect_) ? fontColor_ : activeFontColor_;
    c->Font()->SetColor(Enabled() ? color : GetDisabledFontColor());
  }
  c->Font()->SetCharset(SkinCharset(SkinData(), DefaultFont()));
  c->Brush()->SetStyle(bsClear);
  SPDrawText2(c, Text(), text);
  if (!skinned && focused) {
    c->Brush()->SetStyle(bsSolid);
    c->DrawFocusRect(TRect{0, 0, w, item.Height()});
  }
  b->Canvas()->Draw(itemArea_.Left, itemArea_.Top, &item);
}
