// TRzFontComboBox: the family's combo box that lists the font families of the
// screen or the printer, with a glyph of each family's kind, the name drawn in
// the control's font, in the family itself or both, the recently chosen
// families kept on top, and an optional preview beside the dropped list.
#pragma once

#include "framed/controls/RzComboBox.h"
#include "framed/fonts/RzFontFamilies.h"
#include "framed/fonts/RzPreviewFontPanel.h"

class TCustomEdit;

class TRzFontComboBox : public TRzCustomComboBox {
public:
  explicit TRzFontComboBox(TComponent* owner);
  ~TRzFontComboBox() override;

  TRzFontDevice FontDevice() const { return fontDevice_; }
  virtual void SetFontDevice(TRzFontDevice value);
  TRzFontType FontType() const { return fontType_; }
  virtual void SetFontType(TRzFontType value);
  bool ShowSymbolFonts() const { return showSymbolFonts_; }
  virtual void SetShowSymbolFonts(bool value);
  TRzShowStyle ShowStyle() const { return showStyle_; }
  virtual void SetShowStyle(TRzShowStyle value);
  virtual String GetFontName() const;
  virtual void SetFontName(const String& name);
  virtual TFont* GetSelectedFont() const;
  virtual void SetSelectedFont(const TFont* font);
  int FontSize = 8;
  TFontStyles FontStyle = 0;
  bool MaintainMRUFonts = true;
  int MRULast() const { return recent_.Last; }
  TCustomEdit* PreviewEdit() const { return previewEdit_; }
  virtual void SetPreviewEdit(TCustomEdit* value);
  String PreviewText;
  int PreviewFontSize() const { return previewPanel_->Font()->Size(); }
  void SetPreviewFontSize(int value) { previewPanel_->Font()->SetSize(value); }
  int PreviewHeight() const { return previewPanel_->Height(); }
  void SetPreviewHeight(int value) { previewPanel_->SetHeight(value); }
  int PreviewWidth() const { return previewPanel_->Width(); }
  void SetPreviewWidth(int value) { previewPanel_->SetWidth(value); }
  TRzPreviewFontPanel* PreviewPanel() const { return previewPanel_; }  // owned as a component
  bool PreviewShown() const { return previewShown_; }
  void UpdatePreviewText();
  virtual void ShowPreviewPanel();
  virtual void HidePreviewPanel();
  // What closing the list does with the chosen family (public for the ones who
  // fill the list themselves): puts it on top of the recent ones.
  void ChooseRecentFont();

protected:
  virtual void LoadFonts();
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void DropDown() override;
  void CloseUp() override;
  void CMFontChanged(TMessage& message) override;
  void Dispatch(TMessage& message) override;

private:
  String savedFontName_;
  std::unique_ptr<TFont> selectedFont_;  // owned
  TRzFontDevice fontDevice_ = fdScreen;
  TRzFontType fontType_ = ftAll;
  bool showSymbolFonts_ = true;
  TRzShowStyle showStyle_ = ssFontName;
  TRzFontGlyphs glyphs_;
  bool previewShown_ = false;
  TRzPreviewFontPanel* previewPanel_;   // owned as a component
  TCustomEdit* previewEdit_ = nullptr;  // borrowed, with a free notification
  TRzRecentFonts recent_;
};
