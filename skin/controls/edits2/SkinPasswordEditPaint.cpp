// The password edit's geometry (cells, caret positions, scrolling) and its
// painting: background, selection and one mark per character.
#include <algorithm>

#include "skin/controls/SkinBoxFonts.h"
#include "skin/controls/edits2/SkinPasswordEdit.h"
#include "skin/draw/SPUtils.h"

void TspSkinPasswordEdit::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  auto* r = RecordAs<TspDataSkinEditControl>(SkinData(), SkinRecordIndex);
  if (!r) {
    SkinRecordIndex = -1;
    return;
  }
  activeSkinRect_ = IsNullRect(r->activeskinrect) ? r->skinrect : r->activeskinrect;
  leftFixed_ = r->lefttoppoint.X;
  rightFixed_ = RectWidth(r->skinrect) - r->righttoppoint.X;
  fontColor_ = r->fontcolor;
  disabledFontColor_ = r->disabledfontcolor;
  activeFontColor_ = r->activefontcolor;
}

void TspSkinPasswordEdit::CalcSize(Integer& width, Integer& height) {
  Integer requested = height;
  TspSkinCustomControl::CalcSize(width, height);
  if (!UseSkinFont) height = requested;
}

// ---- geometry ----

TRect TspSkinPasswordEdit::GetEditRect() {
  if (SkinRecordIndex == -1) return {2, 2, Width() - 2, Height() - 2};
  TRect r = RealClientRect;
  r.Left += 2;
  if (!UseSkinFont) r.Bottom += Height() - RectHeight(skinrect);
  return r;
}

Integer TspSkinPasswordEdit::GetPasswordCharWidth() { return RectHeight(GetEditRect()) / 2 + 3; }

Integer TspSkinPasswordEdit::AlignmentOffset() {
  TRect edit = GetEditRect();
  Integer used = static_cast<Integer>(text_.size()) * GetPasswordCharWidth();
  Integer free = RectWidth(edit) - used;
  if (free <= 0) return 0;
  if (textAlignment_ == taRightJustify) return free;
  if (textAlignment_ == taCenter) return free / 2;
  return 0;
}

Integer TspSkinPasswordEdit::GetCharX(Integer index) {
  Integer x = GetEditRect().Left;
  auto length = static_cast<Integer>(text_.size());
  if (index > 0) x += GetPasswordCharWidth() * (std::min(index, length) - firstVisibleChar_ + 1);
  return x + AlignmentOffset();
}

Integer TspSkinPasswordEdit::GetCoordinatePosition(Integer x) {
  if (text_.empty()) return firstVisibleChar_ - 1;
  x -= AlignmentOffset();
  Integer w = std::max<Integer>(GetPasswordCharWidth(), 1);
  Integer offset = x - GetEditRect().Left;
  Integer cells = offset >= 0 ? offset / w : -((-offset + w - 1) / w);
  return std::clamp<Integer>(firstVisibleChar_ - 1 + cells, 0, static_cast<Integer>(text_.size()));
}

void TspSkinPasswordEdit::UpdateFirstVisibleChar() {
  auto length = static_cast<Integer>(text_.size());
  if (firstVisibleChar_ <= caretPosition_) {
    Integer w = GetPasswordCharWidth(), room = RectWidth(GetEditRect());
    while ((caretPosition_ - firstVisibleChar_ + 1) * w > room && firstVisibleChar_ < length) ++firstVisibleChar_;
  } else {
    firstVisibleChar_ = std::max<Integer>(caretPosition_, 1);
  }
  Invalidate();
}

TRect TspSkinPasswordEdit::GetSelRect() {
  TRect edit = GetEditRect();
  Integer start = SelStart();
  TRect r{GetCharX(start), edit.Top, GetCharX(start + SelLength()), edit.Bottom};
  r.Left = std::max(r.Left, edit.Left);
  r.Right = std::min(r.Right, edit.Right);
  if (r.Right < r.Left) r.Right = r.Left;
  return r;
}

// ---- painting ----

bool TspSkinPasswordEdit::ActiveLook() { return mouseIn_ || (HandleAllocated() && Focused()); }

bool TspSkinPasswordEdit::ShowsSelection() { return (HandleAllocated() && Focused()) || !hideSelection_; }

void TspSkinPasswordEdit::CreateControlDefaultImage(TBitmap* b) {
  TCanvas* c = b->Canvas();
  TRect all{0, 0, Width(), Height()};
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(defaultColor_);
  c->FillRect(all);
  c->Brush()->SetColor(clBtnShadow);
  c->FrameRect(all);
  c->Brush()->SetColor(clBtnFace);
  c->FrameRect(TRect{1, 1, Width() - 1, Height() - 1});
  PaintFace(b);
}

void TspSkinPasswordEdit::CreateControlSkinImage(TBitmap* b) {
  TRect source = ActiveLook() ? activeSkinRect_ : skinrect;
  if (UseSkinFont) {
    CreateHSkinImage(leftFixed_, rightFixed_, b, SkinPicture, source, Width(), Height(), stretcheffect);
  } else {
    TBitmap strip;
    CreateHSkinImage(leftFixed_, rightFixed_, &strip, SkinPicture, source, Width(), RectHeight(source),
                     stretcheffect);
    b->SetSize(Width(), Height());
    b->Canvas()->StretchDraw(TRect{0, 0, Width(), Height()}, &strip);
  }
  PaintFace(b);
}

void TspSkinPasswordEdit::PaintFace(TBitmap* b) {
  TCanvas* c = b->Canvas();
  bool selection = ShowsSelection() && SelLength() > 0;
  TRect sel = GetSelRect();
  if (selection) {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clHighlight);
    c->FillRect(sel);
  }
  PaintText(c);
  if (!selection) return;
  Integer w = GetPasswordCharWidth(), h = RectHeight(GetEditRect());
  TRect edit = GetEditRect();
  Integer first = std::max(SelStart(), firstVisibleChar_ - 1);
  Integer x = sel.Left;
  for (Integer i = first; i < SelStart() + SelLength() && x + w <= edit.Right; ++i, x += w)
    DrawPasswordChar(c, TRect{x, edit.Top, x + w, edit.Top + h}, true);
}

void TspSkinPasswordEdit::PaintText(TCanvas* canvas) {
  TRect edit = GetEditRect();
  Integer w = GetPasswordCharWidth(), h = RectHeight(edit);
  Integer x = GetCharX(0);
  for (auto i = static_cast<Integer>(firstVisibleChar_); i <= static_cast<Integer>(text_.size()); ++i, x += w) {
    if (x + w > edit.Right) break;
    DrawPasswordChar(canvas, TRect{x, edit.Top, x + w, edit.Top + h}, false);
  }
}

void TspSkinPasswordEdit::DrawPasswordChar(TCanvas* canvas, const TRect& cell, bool selected) {
  bool skinned = SkinRecordIndex != -1;
  TColor color;
  if (!Enabled()) color = skinned ? disabledFontColor_ : clGrayText;
  else if (selected) color = clHighlightText;
  else if (!skinned) color = DefaultFont()->Color();
  else color = ActiveLook() ? activeFontColor_ : fontColor_;
  Integer cw = RectWidth(cell), ch = RectHeight(cell);
  Integer dy = (cw - ch) / 2 - 2;
  TRect mark{cell.Left + 2, cell.Top - dy, cell.Right - 2, cell.Bottom + dy};
  if (RectWidth(mark) <= 0 || RectHeight(mark) <= 0) return;
  canvas->Pen()->SetColor(color);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(color);
  Integer mw = RectWidth(mark);
  switch (passwordKind_) {
    case pkRoundRect:
      canvas->RoundRect(mark.Left, mark.Top, mark.Right, mark.Bottom, mw / 2, mw / 2);
      break;
    case pkRect:
      canvas->FillRect(mark);
      break;
    case pkTriangle: {
      Integer bw = mw % 2 == 0 ? mw + 1 : mw;
      Integer left = cell.Left + (cw - bw) / 2, top = cell.Top + (ch - mw) / 2;
      TRect box{left, top, left + bw, top + mw};
      canvas->Polygon({{box.Left + bw / 2 + 1, box.Top}, {box.Right, box.Bottom}, {box.Left, box.Bottom}});
      break;
    }
  }
}
