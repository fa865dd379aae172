// The check combo box's geometry, record and looks: the default look with its
// button and item area, and the skin look from the "combobox" record.
#include "skin/controls/BoxCtrlsLook.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/checklists/SkinCheckComboBox.h"
#include "skin/draw/SPUtils.h"

void TspSkinCustomCheckComboBox::CalcRects() {
  if (SkinRecordIndex == -1) DefaultComboAreas(Width(), Height(), buttonArea_, itemArea_);
  else SkinComboAreas(face_, skinrect, righttoppoint, clientrect, Width(), buttonArea_, itemArea_);
}

void TspSkinCustomCheckComboBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (auto* r = RecordAs<TspDataSkinComboBox>(SkinData(), SkinRecordIndex)) face_.Read(*r);
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
  if (IsNullRect(face_.activeSkinRect) || !active) {
    TspSkinCustomControl::CreateControlSkinImage(b);
  } else {
    CreateHSkinImage(lefttoppoint.X, RectWidth(face_.activeSkinRect) - righttoppoint.X, b, SkinPicture, face_.activeSkinRect,
                     Width(), Height(), stretcheffect);
  }
  TRect source = face_.ButtonSource(Enabled(), buttonPressed_, buttonMouseIn_);
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
    Integer h = RectHeight(face_.itemRect) ? RectHeight(face_.itemRect)
                : RectHeight(face_.focusItemRect) ? RectHeight(face_.focusItemRect)
                                             : RectHeight(itemArea_);
    item.SetSize(w, h);
    TRect source = focused                                                                  ? face_.focusItemRect
                   : mouseIn_ && !IsNullRect(face_.activeItemRect) && !IsNullRect(face_.activeSkinRect) ? face_.activeItemRect
                                                                                              : face_.itemRect;
    bool stretch = focused ? face_.focusItemStretchEffect : face_.itemStretchEffect;
    if (!IsNullRect(source)) CreateHSkinImage(face_.itemLeftOffset, face_.itemRightOffset, &item, SkinPicture, source, w, h, stretch);
    else c->CopyRect(TRect{0, 0, w, h}, b->Canvas(), TRect{itemArea_.Left, itemArea_.Top, itemArea_.Right, itemArea_.Top + h});
    text = face_.itemTextRect;
    text.Right += IsNullRect(face_.itemRect) ? -RectWidth(clientrect) : w - RectWidth(face_.itemRect);
    if (UseSkinFont) SetRecordFont(c->Font(), face_.fontName, face_.fontStyle, face_.fontHeight);
    else c->Font()->Assign(DefaultFont());
    TColor color = focused ? face_.focusFontColor : !mouseIn_ || IsNullRect(face_.activeSkinRect) ? face_.fontColor : face_.activeFontColor;
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
