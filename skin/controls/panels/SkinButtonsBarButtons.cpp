// The buttons bar's section headers and item buttons; items in web style draw
// like links, without a face.
#include "skin/controls/SkinCtrlHelpers.h"
#include "skin/controls/labels/LabelLook.h"
#include "skin/controls/panels/SkinButtonsBar.h"

TspSectionButton::TspSectionButton(TComponent* owner, Integer sectionIndex, TspSkinButtonsBar* bar)
    : TspSkinSpeedButton(owner), SectionIndex(sectionIndex), bar_(bar) {
  SetNumGlyphs(1);
  SetSpacing(5);
  SkinDataName = bar->SectionButtonSkinDataName;
  SetDefaultFont(bar->DefaultSectionFont());
  UseSkinFont = bar->UseSkinFont;
}

void TspSectionButton::ButtonClick() {
  bar_->Sections()->Items(SectionIndex)->OnClick(bar_);
  bar_->OpenSection(SectionIndex);
  TspSkinSpeedButton::ButtonClick();
}

void TspSectionButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinSpeedButton::MouseDown(button, shift, x, y);
  if (button == mbLeft && (shift & ssDouble)) bar_->Sections()->Items(SectionIndex)->OnDblClick(bar_);
}

TspSectionItem::TspSectionItem(TComponent* owner, bool webStyle, Integer itemIndex, Integer sectionIndex,
                               TspSkinButtonsBar* bar)
    : TspSkinSpeedButton(owner), ItemIndex(itemIndex), SectionIndex(sectionIndex), WebStyle(webStyle), bar_(bar) {
  SetFlat(true);
  if (webStyle) SetCursor(crHandPoint);
  SetAlphaBlend(false);
  SkinDataName = "resizebutton";
  SetNumGlyphs(1);
  SetLayout(blGlyphTop);
  SetSpacing(5);
  SetDefaultFont(bar->DefaultItemFont());
  UseSkinFont = bar->UseSkinFont;
}

TspButtonBarItem* TspSectionItem::Item() const {
  return bar_->Sections()->Items(SectionIndex)->Items()->Items(ItemIndex);
}

void TspSectionItem::ButtonClick() {
  bar_->ItemClicked(ItemIndex);
  Item()->OnClick(bar_);
  TspSkinSpeedButton::ButtonClick();
}

void TspSectionItem::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TspSkinSpeedButton::MouseDown(button, shift, x, y);
  if (button == mbLeft && (shift & ssDouble)) Item()->OnDblClick(bar_);
}

void TspSectionItem::Paint() {
  if (!WebStyle) return TspSkinSpeedButton::Paint();
  GetSkinData();
  bool hot = MouseIn || (Down() && GroupIndex != 0);
  TspLabelLook link;
  link.Read(SkinData(), "stdlabel");
  bool linkRecord = link.RecordIndex != -1;
  TColor normal = linkRecord ? link.FontColor : DefaultFont()->Color();
  TColor active = linkRecord ? link.ActiveFontColor : TColor(RGB(0, 0, 255));
  TCanvas* c = Canvas();
  if (SkinRecordIndex == -1) {
    c->SetFont(DefaultFont());
    if (hot) c->Font()->SetColor(RGB(0, 0, 255));
  } else {
    SetRecordFont(c, UseSkinFont, look.fontname, look.fontheight, look.fontstyle, DefaultFont(), SkinData());
    c->Font()->SetColor(!Enabled() ? look.disabledfontcolor : hot ? active : normal);
  }
  c->Font()->SetCharset(SkinCharset(SkinData(), DefaultFont()));
  TFontStyles style = c->Font()->Style();
  c->Font()->SetStyle(hot ? style | fsUnderline : style & ~fsUnderline);
  c->Brush()->SetStyle(bsClear);
  DrawImageAndText(c, ClientRect(), Margin(), Spacing(), Layout(), Caption(), ImageIndex(), ImageList(), false,
                   Enabled(), false, clBlack);
}
