// TRzFontChooser: what the font combo box and the font list box share over their
// own base (the framed combo box or list box): the families of the screen or the
// printer by kind, the selection by family name kept while there is no window,
// the recently chosen families on top, and the preview beside the list that
// shows a sample in the highlighted family.
#pragma once

#include <memory>

#include "framed/fonts/RzFontFamilies.h"
#include "framed/fonts/RzPreviewFontPanel.h"
#include "platform/controls/OwnerDraw.h"

class TCustomEdit;

template <class Base>
class TRzFontChooser : public Base {
public:
  ~TRzFontChooser() override;

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
  bool MaintainMRUFonts;
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
  // Owned as a component; nullptr once something else has freed it.
  TRzPreviewFontPanel* PreviewPanel() const { return previewPanel_; }
  bool PreviewShown() const { return previewShown_; }

  // Puts the selected family on top of the recent ones (with MaintainMRUFonts).
  void ChooseRecentFont();
  void UpdatePreviewText();
  virtual void ShowPreviewPanel();
  virtual void HidePreviewPanel();

protected:
  // How a sample that does not fit the preview is shortened: any sample, first
  // to "AaBbYyZ" and then "AaBbYy", or only the user's own text, to "AaBbYy".
  enum TSampleFit { sfAnySample, sfOwnText };
  TRzFontChooser(TComponent* owner, bool maintainMRUFonts, TSampleFit fit);

  virtual void LoadFonts();
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  void CMFontChanged(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  // The width the preview stands beside: the dropped list's or the control's.
  virtual int ListWidth() const { return this->Width(); }

  // One family as an item (glyph, then the name in `style`), from the item
  // rectangle right of the gutter.
  void DrawFamily(TCanvas* canvas, const TRect& rect, int index, TRzShowStyle style);
  // After an item: the preview follows the focused family, and a line closes the
  // recent families when `recentLine` allows it.
  void FinishItem(TCanvas* canvas, const TRect& rect, int index, TOwnerDrawState state, bool recentLine);

private:
  template <class V>
  void ChangeFilter(V& field, V value);

  String savedFontName_;
  std::unique_ptr<TFont> selectedFont_;  // owned
  TRzFontDevice fontDevice_ = fdScreen;
  TRzFontType fontType_ = ftAll;
  bool showSymbolFonts_ = true;
  TRzShowStyle showStyle_ = ssFontName;
  TSampleFit fit_;
  TRzFontGlyphs glyphs_;
  bool previewShown_ = false;
  TRzPreviewFontPanel* previewPanel_;   // owned as a component
  TCustomEdit* previewEdit_ = nullptr;  // borrowed, with a free notification
  TRzRecentFonts recent_;
};
