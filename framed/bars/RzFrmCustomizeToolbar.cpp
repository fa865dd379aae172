#include "framed/bars/RzFrmCustomizeToolbar.h"

#include <algorithm>

#include "framed/bars/RzSpacer.h"
#include "framed/bars/RzToolbar.h"
#include "framed/buttons/RzToolButton.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzLabel.h"
#include "framed/lists/RzCheckList.h"
#include "platform/core/Timer.h"
#include "platform/published/Filer.h"
#include "platform/published/FormsPublished.h"
#include "platform/stdctrls/Button.h"
#include "platform/stdctrls/SpeedButton.h"

TRzFrmCustomizeToolbar::TRzFrmCustomizeToolbar(TComponent* owner) : TForm(owner) {
  using F = TRzFrmCustomizeToolbar;
  DeclareFormBindings(this)
      .Field("BtnClose", BtnClose)
      .Field("LstControls", LstControls)
      .Field("Timer1", Timer1)
      .Field("BtnSpacer", BtnSpacer)
      .Field("BtnGrooveSpacer", BtnGrooveSpacer)
      .Field("LblHint", LblHint)
      .Field("LblTextOptions", LblTextOptions)
      .Field("CbxTextOptions", CbxTextOptions)
      .Field("BtnMoveUp", BtnMoveUp)
      .Field("BtnMoveDown", BtnMoveDown)
      .Handler("BtnMoveUpClick", this, &F::BtnMoveUpClick)
      .Handler("BtnMoveDownClick", this, &F::BtnMoveDownClick)
      .Handler("LstControlsClick", this, &F::LstControlsClick)
      .Handler("LstControlsChange", this, &F::LstControlsChange)
      .Handler("CbxTextOptionsClick", this, &F::CbxTextOptionsClick)
      .Handler("LstControlsMouseDown", this, &F::LstControlsMouseDown)
      .Handler("LstControlsDragOver", this, &F::LstControlsDragOver)
      .Handler("LstControlsDragDrop", this, &F::LstControlsDragDrop)
      .Handler("LstControlsEndDrag", this, &F::LstControlsEndDrag)
      .Handler("ListBoxDrawItem", this, &F::ListBoxDrawItem)
      .Handler("Timer1Timer", this, &F::Timer1Timer);
  scrollTimer_ = FramedClock().MakeTimer();
  scrollTimer_->SetInterval(100);
  scrollTimer_->OnTimer = TNotifyEvent(this, &F::Timer1Timer);
}

TRzFrmCustomizeToolbar::~TRzFrmCustomizeToolbar() = default;

// Older definitions carry the designer's font metrics and creation order.
void TRzFrmCustomizeToolbar::DefineProperties(TFiler* filer) {
  TForm::DefineProperties(filer);
  for (const char* name : {"OldCreateOrder", "PixelsPerInch", "TextHeight"})
    filer->DefineProperty(name, ReadAndDrop(), nullptr, false);
}

void TRzFrmCustomizeToolbar::SetToolbar(TRzToolbar* toolbar, TComponent* toolbarOwner) {
  toolbar_ = toolbar;
  toolbarOwner_ = toolbarOwner;
}

// A bar filling its parent (alClient) or placed by its parent (alCustom) has no
// edge to open beside: its centre is the anchor then.
void TRzFrmCustomizeToolbar::Reposition() {
  if (!toolbar_ || !toolbarOwner_) return;
  const TRect b = toolbar_->BoundsRect();
  TPoint p;
  switch (toolbar_->Align()) {
    case alBottom: p = TPoint{b.Left, b.Top - Height() - 5}; break;
    case alLeft: p = TPoint{b.Right, b.Top}; break;
    case alRight: p = TPoint{b.Left - Width() - 5, b.Top}; break;
    case alClient:
    case alCustom: p = TPoint{b.Left + b.Width() / 2, b.Top + b.Height() / 2}; break;
    default: p = TPoint{b.Left, b.Bottom}; break;
  }
  if (auto* owner = dynamic_cast<TControl*>(toolbarOwner_)) p = owner->ClientToScreen(p);
  int x = p.X + 15, y = p.Y + 25;
  const TRect desktop = GetDesktopClientRect();
  if (x < 0) x = 0;
  if (x + Width() > desktop.Right) x = desktop.Right - Width();
  if (y < 0) y = 0;
  if (y + Height() > desktop.Bottom) y = desktop.Bottom - Height();
  SetBounds(x, y, Width(), Height());
}

void TRzFrmCustomizeToolbar::UpdateControls(TRzCustomizeCaptions* captions, bool showTextOptions) {
  SetCaption(captions->GetCaption(TRzCustomizeCaptions::Title));
  LblHint->SetCaption(captions->GetCaption(TRzCustomizeCaptions::Hint));
  BtnClose->SetCaption(captions->GetCaption(TRzCustomizeCaptions::Close));
  BtnMoveUp->SetCaption(captions->GetCaption(TRzCustomizeCaptions::MoveUp));
  BtnMoveDown->SetCaption(captions->GetCaption(TRzCustomizeCaptions::MoveDown));
  LblTextOptions->SetCaption(captions->GetCaption(TRzCustomizeCaptions::TextOptions));
  for (int i = TRzCustomizeCaptions::NoTextLabels; i <= TRzCustomizeCaptions::SelectiveTextOnRight; ++i)
    CbxTextOptions->Items()->Add(captions->GetCaption(i));
  if (toolbar_ && toolbar_->TextOptions() != ttoCustom) CbxTextOptions->SetItemIndex(toolbar_->TextOptions());
  if (!showTextOptions) {
    CbxTextOptions->SetVisible(false);
    LblTextOptions->SetVisible(false);
    SetClientHeight(LstControls->Top() + LstControls->Height() + 8);
  }
  TRzToolbarControlList* list = toolbar_ ? toolbar_->ToolbarControls() : nullptr;
  for (int i = 0; list && i < list->Count(); ++i) {
    TControl* control = list->Items(i)->Control;
    if (!control) continue;
    String text;
    if (dynamic_cast<TRzToolButton*>(control)) text = control->Caption();
    if (text.empty()) {
      if (dynamic_cast<TRzSpacer*>(control))
        text = "Spacer";
      else
        text = !control->Hint().empty() ? control->Hint() : control->Name();
    }
    LstControls->AddEx(text, control->Visible(), true);
  }
  const bool any = LstControls->Items()->Count() > 0;
  BtnMoveUp->SetEnabled(any);
  BtnMoveDown->SetEnabled(any);
  if (any) {
    LstControls->SetItemIndex(0);
    EnableMoveButtons(0);
  }
}

void TRzFrmCustomizeToolbar::EnableMoveButtons(int index) {
  BtnMoveUp->SetEnabled(index > 0);
  BtnMoveDown->SetEnabled(index < LstControls->Items()->Count() - 1);
}

void TRzFrmCustomizeToolbar::MoveItem(int from, int to) {
  TStrings* items = LstControls->Items();
  items->BeginUpdate();
  try {
    items->Move(from, to);
    toolbar_->ToolbarControls()->Move(from, to);
    toolbar_->PositionControls();
    LstControls->SetItemIndex(to);
  } catch (...) {
    LstControls->Invalidate();
    items->EndUpdate();
    throw;
  }
  LstControls->Invalidate();
  items->EndUpdate();
}

void TRzFrmCustomizeToolbar::MoveSelected(int step) {
  const int i = LstControls->ItemIndex();
  if (i < 0 || !toolbar_) return;
  const int to = i + step;
  if (to < 0 || to >= LstControls->Items()->Count()) return;
  MoveItem(i, to);
  EnableMoveButtons(to);
}

void TRzFrmCustomizeToolbar::LstControlsClick(TObject*) { EnableMoveButtons(LstControls->ItemIndex()); }

void TRzFrmCustomizeToolbar::LstControlsChange(TObject*, int index, TCheckBoxState newState) {
  if (!toolbar_ || index < 0 || index >= toolbar_->ToolbarControls()->Count()) return;
  if (TControl* control = toolbar_->ToolbarControls()->Items(index)->Control)
    control->SetVisible(newState == cbChecked);
  toolbar_->PositionControls();
}

void TRzFrmCustomizeToolbar::CbxTextOptionsClick(TObject*) {
  const int index = CbxTextOptions->ItemIndex();
  if (!toolbar_ || index < 0 || index > ttoSelectiveTextOnRight) return;
  toolbar_->SetTextOptions(static_cast<TRzToolbarTextOptions>(index));
}

void TRzFrmCustomizeToolbar::LstControlsMouseDown(TObject*, TMouseButton, TShiftState, int, int) {
  dragSourceIndex_ = LstControls->ItemIndex();
}

void TRzFrmCustomizeToolbar::LstControlsDragOver(TObject*, TObject* source, int x, int y, TDragState, bool& accept) {
  dropIndex_ = LstControls->ItemAtPos(TPoint{x, y}, true);
  accept = source == LstControls && dropIndex_ != -1;
  if (!accept) return;
  const int itemHeight = LstControls->ItemHeight();
  if (y > LstControls->Height() - itemHeight) {
    scrollUp_ = false;
    scrollTimer_->SetEnabled(true);
  } else if (y < itemHeight) {
    scrollUp_ = true;
    scrollTimer_->SetEnabled(true);
  } else {
    scrollTimer_->SetEnabled(false);
  }
  LstControls->SetItemIndex(dropIndex_);
}

void TRzFrmCustomizeToolbar::Timer1Timer(TObject*) {
  const int top = LstControls->TopIndex();
  if (scrollUp_) {
    if (top <= 0)
      scrollTimer_->SetEnabled(false);
    else
      LstControls->SetTopIndex(top - 1);
  } else {
    if (top >= LstControls->Items()->Count() - 1)
      scrollTimer_->SetEnabled(false);
    else
      LstControls->SetTopIndex(top + 1);
  }
}

void TRzFrmCustomizeToolbar::LstControlsDragDrop(TObject*, TObject*, int, int) {
  if (dropIndex_ == -1 || dragSourceIndex_ < 0 || !toolbar_) return;
  MoveItem(dragSourceIndex_, dropIndex_);
  EnableMoveButtons(LstControls->ItemIndex());
}

void TRzFrmCustomizeToolbar::LstControlsEndDrag(TObject*, TObject*, int, int) { scrollTimer_->SetEnabled(false); }

// The first image of a glyph strip, its bottom-left pixel see-through.
void TRzFrmCustomizeToolbar::DrawGlyphImage(TSpeedButton* button, const TRect& rect, TColor transparent) {
  TBitmap* glyph = button->Glyph();
  if (glyph->Empty()) return;
  const int w = glyph->Width() / std::max(1, button->NumGlyphs()), h = glyph->Height();
  TBitmap image(w, h);
  TCanvas* canvas = LstControls->Canvas();
  image.Canvas()->CopyRect(Rect(0, 0, w, h), canvas, Bounds(rect.Left + 2, rect.Top + 2, w, h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const TColor pixel = glyph->Canvas()->Pixels(x, y);
      if ((pixel & 0xFFFFFF) != (transparent & 0xFFFFFF)) image.Canvas()->SetPixels(x, y, pixel);
    }
  canvas->Draw(rect.Left + 2, rect.Top + 2, &image);
}

void TRzFrmCustomizeToolbar::ListBoxDrawItem(TWinControl*, int index, TRect rect, TOwnerDrawState) {
  TCanvas* canvas = LstControls->Canvas();
  canvas->FillRect(rect);
  TControl* control = nullptr;
  if (toolbar_ && index >= 0 && index < toolbar_->ToolbarControls()->Count())
    control = toolbar_->ToolbarControls()->Items(index)->Control;
  if (auto* tool = dynamic_cast<TRzToolButton*>(control)) {
    if (TCustomImageList* list = tool->ImageList()) list->Draw(canvas, rect.Left + 2, rect.Top + 2, tool->ImageIndex(), true);
  } else if (auto* speed = dynamic_cast<TSpeedButton*>(control)) {
    DrawGlyphImage(speed, rect, speed->Glyph()->Canvas()->Pixels(0, speed->Glyph()->Height() - 1));
  } else if (auto* spacer = dynamic_cast<TRzSpacer*>(control)) {
    TSpeedButton* source = spacer->Grooved() ? BtnGrooveSpacer : BtnSpacer;
    DrawGlyphImage(source, rect, BtnSpacer->Glyph()->Canvas()->Pixels(0, BtnSpacer->Glyph()->Height() - 1));
  }
  TRect text = rect;
  text.Left += 28;
  const String caption = LstControls->Items()->Strings(index);
  canvas->TextRect(text, rect.Left + 30, rect.Top + (LstControls->ItemHeight() - canvas->TextHeight("Pp")) / 2, caption);
}
