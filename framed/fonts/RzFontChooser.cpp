#include "framed/fonts/RzFontChooser.h"

#include <span>

#include "framed/controls/RzComboBox.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/lists/RzListBox.h"
#include "platform/stdctrls/Edit.h"

template <class Base>
TRzFontChooser<Base>::TRzFontChooser(TComponent* owner, bool maintainMRUFonts, TSampleFit fit)
    : Base(owner),
      MaintainMRUFonts(maintainMRUFonts),
      selectedFont_(std::make_unique<TFont>()),
      fit_(fit),
      previewPanel_(new TRzPreviewFontPanel(this)) {
  selectedFont_->SetSize(8);
  previewPanel_->Control = this;
}

// The panel may have been freed before its chooser (Notification cleared it then).
template <class Base>
TRzFontChooser<Base>::~TRzFontChooser() {
  if (previewPanel_) previewPanel_->Control = nullptr;
}

// ---- the list ----

template <class Base>
void TRzFontChooser<Base>::LoadFonts() {
  LoadFontFamilies(this->Items(), fontDevice_, fontType_, showSymbolFonts_);
}

// A new window lists the families anew; the recent ones and the selection come back.
template <class Base>
void TRzFontChooser<Base>::CreateWnd() {
  Base::CreateWnd();
  TStrings* items = this->Items();
  items->BeginUpdate();
  items->Clear();
  LoadFonts();
  recent_.Restore(items);
  items->EndUpdate();
  if (!savedFontName_.empty()) SetFontName(savedFontName_);
}

template <class Base>
void TRzFontChooser<Base>::DestroyWnd() {
  savedFontName_ = GetFontName();
  recent_.Save(this->Items());
  Base::DestroyWnd();
}

// Device, kind and symbol filter choose the families: the list is made anew.
template <class Base>
template <class V>
void TRzFontChooser<Base>::ChangeFilter(V& field, V value) {
  if (field == value) return;
  field = value;
  this->RecreateWnd();
}

template <class Base>
void TRzFontChooser<Base>::SetFontDevice(TRzFontDevice value) { ChangeFilter(fontDevice_, value); }
template <class Base>
void TRzFontChooser<Base>::SetFontType(TRzFontType value) { ChangeFilter(fontType_, value); }
template <class Base>
void TRzFontChooser<Base>::SetShowSymbolFonts(bool value) { ChangeFilter(showSymbolFonts_, value); }

template <class Base>
void TRzFontChooser<Base>::SetShowStyle(TRzShowStyle value) {
  if (showStyle_ == value) return;
  showStyle_ = value;
  this->Invalidate();
}

template <class Base>
void TRzFontChooser<Base>::CMFontChanged(TMessage& message) {
  Base::CMFontChanged(message);
  this->RecreateWnd();
}

template <class Base>
String TRzFontChooser<Base>::GetFontName() const {
  if (!this->HandleAllocated()) return savedFontName_;  // the list is made with the window
  const int index = this->ItemIndex();
  return index < 0 ? String() : this->Items()->Strings(index);
}

template <class Base>
void TRzFontChooser<Base>::SetFontName(const String& name) {
  if (!this->HandleAllocated()) savedFontName_ = name;
  this->SetItemIndex(this->Items()->IndexOf(name));
}

template <class Base>
TFont* TRzFontChooser<Base>::GetSelectedFont() const {
  if (this->ItemIndex() < 0) return nullptr;
  selectedFont_->SetName(GetFontName());
  selectedFont_->SetSize(FontSize);
  selectedFont_->SetStyle(FontStyle);
  return selectedFont_.get();
}

template <class Base>
void TRzFontChooser<Base>::SetSelectedFont(const TFont* font) {
  this->SetItemIndex(this->Items()->IndexOf(font->Name()));
}

template <class Base>
void TRzFontChooser<Base>::ChooseRecentFont() {
  if (!MaintainMRUFonts) return;
  if (recent_.Choose(this->Items(), this->ItemIndex()) == 0) this->SetItemIndex(0);
}

// ---- preview ----

template <class Base>
void TRzFontChooser<Base>::SetPreviewEdit(TCustomEdit* value) {
  previewEdit_ = value;
  if (value) value->FreeNotification(this);
}

template <class Base>
void TRzFontChooser<Base>::Notification(TComponent* component, TOperation operation) {
  Base::Notification(component, operation);
  if (operation == opRemove && component == previewEdit_) previewEdit_ = nullptr;
  if (operation == opRemove && component == previewPanel_) previewPanel_ = nullptr;
}

// A sample that does not fit the preview is shortened.
template <class Base>
void TRzFontChooser<Base>::UpdatePreviewText() {
  if (!previewPanel_) return;
  TRzPreviewText text = PreviewTextFor(PreviewText, previewEdit_);
  if (!previewEdit_ && (fit_ == sfAnySample || !PreviewText.empty())) {
    static const char* const kShorter[] = {"AaBbYyZ", "AaBbYy"};
    std::span<const char* const> shorter(kShorter);
    if (fit_ == sfOwnText) shorter = shorter.subspan(1);
    for (const char* sample : shorter) {
      if (ScreenTextExtent(previewPanel_->Font(), text.Caption).cx < PreviewWidth()) break;
      text.Caption = sample;
    }
  }
  previewPanel_->SetAlignment(text.Alignment);
  previewPanel_->SetCaption(text.Caption);
}

template <class Base>
void TRzFontChooser<Base>::ShowPreviewPanel() {
  if (this->Items()->Count() == 0 || !previewPanel_) return;
  const TPoint p = this->ClientOrigin();
  // Placed on the owner's window only when first shown: it takes no place among the form's controls before.
  if (!previewPanel_->Parent())
    if (auto* parent = dynamic_cast<TWinControl*>(this->Owner())) previewPanel_->SetParent(parent);
  previewPanel_->HandleNeeded();
  ::SetWindowPos(previewPanel_->Handle(), HWND_TOP, p.X + ListWidth() - 1, p.Y, previewPanel_->Width(),
                 previewPanel_->Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
  previewShown_ = true;
}

template <class Base>
void TRzFontChooser<Base>::HidePreviewPanel() {
  if (!previewShown_ || !previewPanel_) return;
  previewShown_ = false;
  ::SetWindowPos(previewPanel_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

// A press on another control, or the panel losing the focus, hides the preview.
template <class Base>
void TRzFontChooser<Base>::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_CANCELMODE:
      if (showStyle_ == ssFontPreview && reinterpret_cast<TControl*>(message.LParam) != this) HidePreviewPanel();
      return Base::Dispatch(message);
    case CM_HIDEPREVIEWPANEL:
      this->DefaultHandler(message);
      return HidePreviewPanel();
    default: return Base::Dispatch(message);
  }
}

// ---- drawing ----

template <class Base>
void TRzFontChooser<Base>::DrawFamily(TCanvas* canvas, const TRect& rect, int index, TRzShowStyle style) {
  TStrings* items = this->Items();
  DrawFontItem({canvas, rect, items->Strings(index), PitchAndFamilyOf(items->Objects(index)), style, this->Enabled(),
                this->Color(), fontDevice_},
               glyphs_);
}

template <class Base>
void TRzFontChooser<Base>::FinishItem(TCanvas* canvas, const TRect& rect, int index, TOwnerDrawState state,
                                      bool recentLine) {
  if (showStyle_ == ssFontPreview && (state & odFocused) != 0 && previewPanel_) {
    previewPanel_->Font()->SetName(this->Items()->Strings(index));
    UpdatePreviewText();
  }
  if (MaintainMRUFonts && recentLine && index == recent_.Last) {
    canvas->MoveTo(0, rect.Bottom - 1);
    canvas->LineTo(rect.Right, rect.Bottom - 1);
  }
}

template class TRzFontChooser<TRzCustomComboBox>;
template class TRzFontChooser<TRzCustomListBox>;
