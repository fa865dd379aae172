// The check list's item painters: the default look with its 20-pixel check
// column, and the skin looks (at the record's item height or stretched) with
// the check pictures of the record.
#include <algorithm>

#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/checklists/SkinCheckListBox.h"
#include "skin/data/SkinColors.h"
#include "skin/draw/SPUtils.h"
#include "skin/draw/Speffbmp.h"

namespace {

void DrawTabbed(TCanvas* c, const String& s, const TRect& r, TStrings* tabWidths) {
  int stops[10];
  int count = std::min(tabWidths->Count(), 10);
  for (int i = 0; i < count; ++i) {
    String entry = tabWidths->Strings(i);
    bool digits = !entry.empty() && entry.size() < 10 &&
                  std::all_of(entry.begin(), entry.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
    stops[i] = digits ? std::stoi(entry) : 0;
  }
  int y = r.Top + RectHeight(r) / 2 - c->TextHeight(s) / 2;
  ::TabbedTextOutA(c->Handle(), r.Left + 2, y, s.c_str(), static_cast<int>(s.size()), count, stops, r.Left + 2);
}

}  // namespace

void TspSkinCheckListBox::DrawContent(TCanvas* c, int index, TRect text, Integer w, Integer h,
                                      TOwnerDrawState state) {
  if (OnDrawItem) return OnDrawItem(c, index, w, h, text, state);
  if (TCustomImageList* images = Images()) {
    Integer image = ImageIndex() < 0 ? index : ImageIndex();
    if (image < images->Count()) images->Draw(c, text.Left, text.Top + RectHeight(text) / 2 - images->Height() / 2, image, true);
    text.Left += images->Width() + 2;
  }
  c->Brush()->SetStyle(bsClear);
  String s = Items()->Strings(index);
  if (TabWidths()->Count() > 0 && Columns() == 0) DrawTabbed(c, s, text, TabWidths());
  else SPDrawText(c, s, text);
}

void TspSkinCheckListBox::DrawDefaultItem(TCanvas* c, int index, Integer w, Integer h, TOwnerDrawState state) {
  bool selected = state & odSelected, enabled = GetItemEnabled(index);
  TFont* font = c->Font();
  SetRecordFont(font, Font()->Name(), Font()->Style(), Font()->Height());
  font->SetCharset(SkinCharset(SkinData(), DefaultFont()));
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(selected ? clHighlight : clWindow);
  font->SetColor(!enabled ? clGrayText : selected ? clHighlightText : Font()->Color());
  TRect filled{20, 0, w, h};
  c->FillRect(filled);
  c->Brush()->SetColor(clBtnShadow);
  c->FrameRect(TRect{3, h / 2 - 6, 16, h / 2 + 7});
  TCheckBoxState check = GetState(index);
  if (check == cbGrayed) DrawCheckImage(c, 6, h / 2 - 4, clGrayText);
  else if (check == cbChecked) DrawCheckImage(c, 6, h / 2 - 4, enabled ? clWindowText : clGrayText);
  DrawContent(c, index, TRect{22, 0, w - 2, h}, w, h, state);
  if (state & odFocused) {
    c->Brush()->SetStyle(bsSolid);
    c->DrawFocusRect(filled);
  }
}

// The check picture centred in `place`; a grayed item brightened, a disabled
// one blended toward the item under it.
void TspSkinCheckListBox::DrawCheckPicture(TCanvas* c, const TRect& place, TCheckBoxState state, bool enabled) {
  TRect source = state == cbChecked || (state == cbGrayed && AllowGrayed && enabled) ? checkImageRect_ : unCheckImageRect_;
  if (IsNullRect(source) || !SkinPicture) return;
  Integer pw = RectWidth(source), ph = RectHeight(source);
  Integer x = place.Left + RectWidth(place) / 2 - pw / 2, y = place.Top + RectHeight(place) / 2 - ph / 2;
  TBitmap picture(pw, ph);
  picture.Canvas()->CopyRect(TRect{0, 0, pw, ph}, SkinPicture->Canvas(), source);
  if (enabled && state == cbGrayed && AllowGrayed) {
    TspEffectBmp effect(picture.Handle());
    effect.ChangeBrightness(0.5);
    effect.Draw(picture.Canvas()->Handle(), 0, 0);
  } else if (!enabled) {
    TBitmap under(pw, ph);
    under.Canvas()->CopyRect(TRect{0, 0, pw, ph}, c, TRect{x, y, x + pw, y + ph});
    TspEffectBmp effect(picture.Handle()), background(under.Handle());
    effect.Morph(background, 0.6);
    effect.Draw(picture.Canvas()->Handle(), 0, 0);
  }
  picture.SetTransparent(true);
  c->Draw(x, y, &picture);
}

void TspSkinCheckListBox::DrawSkinItem(TBitmap& b, int index, Integer w, Integer h, TOwnerDrawState state,
                                       bool stretched) {
  TCanvas* c = b.Canvas();
  bool selected = state & odSelected, focused = state & odFocused;
  Integer dw = w - RectWidth(itemRect_), dh = h - RectHeight(itemRect_);
  TRect text = itemTextRect_;
  text.Right += dw;
  TRect check = MovedItemRect(itemCheckRect_, w);
  if (!stretched) {
    TRect source = focused && selected ? focusItemRect_ : focused ? itemRect_ : selected ? activeItemRect_ : itemRect_;
    CreateHSkinImage(itemLeftOffset_, itemRightOffset_, &b, SkinPicture, source, w, b.Height(),
                     (focused || selected) ? stretcheffect : false);
    if (focused && !selected) c->DrawFocusRect(TRect{0, 0, w, b.Height()});
  } else {
    TRect source = focused ? focusItemRect_ : selected ? activeItemRect_ : itemRect_;
    TRect inner{itemTextRect_.Left + 1, itemTextRect_.Top + 1, itemTextRect_.Right - 1, itemTextRect_.Bottom - 1};
    if (!IsNullRect(source)) CreateStretchImage(&b, SkinPicture, source, inner, true);
    text.Bottom += dh;
    check.Bottom += dh;
  }
  bool enabled = GetItemEnabled(index);
  DrawCheckPicture(c, check, GetState(index), enabled);
  TFont* font = c->Font();
  if (UseSkinFont) SetRecordFont(font, fontName_, fontStyle_, fontHeight_);
  else font->Assign(DefaultFont());
  font->SetCharset(SkinCharset(SkinData(), DefaultFont()));
  TColor color = stretched ? (focused ? focusFontColor_ : selected ? activeFontColor_ : fontColor_)
                           : (focused && selected ? focusFontColor_ : selected ? activeFontColor_ : fontColor_);
  font->SetColor(enabled ? color : TColor(0x808080));
  if (focused && showFocus_ && !OnDrawItem) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(SkinData()->SkinColors ? SkinData()->SkinColors->cBtnFace : clBtnFace);
    c->DrawFocusRect(TRect{0, 0, w, b.Height()});
  }
  DrawContent(c, index, text, w, b.Height(), state);
}

void TspSkinCheckListBox::DrawListItem(int index, const TRect& rect, TOwnerDrawState state, TCanvas* target) {
  if (index < 0 || index >= Items()->Count()) return;
  Integer w = RectWidth(rect), h = RectHeight(rect);
  if (w <= 0 || h <= 0) return;
  GetSkinData();
  bool record = skinned_ && SkinPicture;
  if (skinned_ && !SkinPicture) return;
  TBitmap b(w, record && UseSkinItemHeight && RectHeight(itemRect_) > 0 ? RectHeight(itemRect_) : h);
  if (!record) {
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(TRect{0, 0, w, h});
    DrawDefaultItem(b.Canvas(), index, w, h, state);
  } else {
    DrawSkinItem(b, index, w, h, state, !UseSkinItemHeight);
  }
  target->Draw(rect.Left, rect.Top, &b);
}
