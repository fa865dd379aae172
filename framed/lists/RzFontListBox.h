// TRzFontListBox: the framed list box filled with the font families of the
// screen or the printer, each with a glyph of its kind and its name drawn in
// the control's font, in the family itself, or both. While the mouse button is
// down a preview beside the list shows a sample in the highlighted family;
// chosen families can be kept on top as recently used ones.
#pragma once

#include "framed/fonts/RzFontFamilies.h"
#include "framed/fonts/RzPreviewFontPanel.h"
#include "framed/lists/RzListBox.h"

class TCustomEdit;

class TRzFontListBox : public TRzCustomListBox {
public:
  explicit TRzFontListBox(TComponent* owner);
  ~TRzFontListBox() override;

  TRzFontDevice FontDevice() const { return fontDevice_; }
  virtual void SetFontDevice(TRzFontDevice value);
  TRzFontType FontType() const { return fontType_; }
  virtual void SetFontType(TRzFontType value);
  bool ShowSymbolFonts() const { return showSymbolFonts_; }
  virtual void SetShowSymbolFonts(bool value);
  TRzShowStyle ShowStyle() const { return showStyle_; }
  virtual void SetShowStyle(TRzShowStyle value);
  // Empty when nothing is selected; an absent name selects nothing.
  virtual String GetFontName() const;
  virtual void SetFontName(const String& name);
  // Nothing when nothing is selected; else the family at FontSize and FontStyle.
  virtual TFont* GetSelectedFont() const;
  virtual void SetSelectedFont(const TFont* font);
  int FontSize = 8;
  TFontStyles FontStyle = 0;
  bool MaintainMRUFonts = false;
  int MRULast() const { return recent_.Last; }
  TCustomEdit* PreviewEdit() const { return previewEdit_; }
  virtual void SetPreviewEdit(TCustomEdit* value);
  String PreviewText;
  int PreviewFontSize() const;
  void SetPreviewFontSize(int value);
  int PreviewHeight() const { return previewPanel_->Height(); }
  void SetPreviewHeight(int value) { previewPanel_->SetHeight(value); }
  int PreviewWidth() const { return previewPanel_->Width(); }
  void SetPreviewWidth(int value) { previewPanel_->SetWidth(value); }
  TRzPreviewFontPanel* PreviewPanel() const { return previewPanel_; }  // owned as a component
  bool PreviewShown() const { return previewShown_; }

  // Copies the selected family to the top of the list (with MaintainMRUFonts).
  void AddFontToMRUList();
  void UpdatePreviewText();
  virtual void ShowPreviewPanel();
  virtual void HidePreviewPanel();

protected:
  virtual void LoadFonts();
  int OwnerDrawItemIndent() const override { return 24; }
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
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
  TRzPreviewFontPanel* previewPanel_;  // owned as a component
  TCustomEdit* previewEdit_ = nullptr;  // borrowed, with a free notification
  TRzRecentFonts recent_;
};
