#include "framed/combos/RzFontComboBox.h"

#include "platform/stdctrls/Edit.h"

TRzFontComboBox::TRzFontComboBox(TComponent* owner)
    : TRzCustomComboBox(owner), selectedFont_(std::make_unique<TFont>()), previewPanel_(new TRzPreviewFontPanel(this)) {
  SetStyle(csOwnerDrawFixed);
  SetSorted(true);
  SetDropDownCount(14);
  selectedFont_->SetSize(8);
  previewPanel_->Control = this;
}

TRzFontComboBox::~TRzFontComboBox() {
  if (previewPanel_) previewPanel_->Control = nullptr;
}

void TRzFontComboBox::LoadFonts() { LoadFontFamilies(Items(), fontDevice_, fontType_, showSymbolFonts_); }

// A new window lists the families anew; the recent ones and the selection come back.
void TRzFontComboBox::CreateWnd() {
  TRzCustomComboBox::CreateWnd();
  Items()->BeginUpdate();
  Items()->Clear();
  LoadFonts();
  recent_.Restore(Items());
  Items()->EndUpdate();
  if (!savedFontName_.empty()) SetFontName(savedFontName_);
}

void TRzFontComboBox::DestroyWnd() {
  savedFontName_ = GetFontName();
  recent_.Save(Items());
  TRzCustomComboBox::DestroyWnd();
}

#define RZ_RECREATING_SETTER(Name, Type, field) \
  void TRzFontComboBox::Set##Name(Type value) { \
    if (field == value) return;                 \
    field = value;                              \
    RecreateWnd();                              \
  }
RZ_RECREATING_SETTER(FontDevice, TRzFontDevice, fontDevice_)
RZ_RECREATING_SETTER(FontType, TRzFontType, fontType_)
RZ_RECREATING_SETTER(ShowSymbolFonts, bool, showSymbolFonts_)
#undef RZ_RECREATING_SETTER

void TRzFontComboBox::SetShowStyle(TRzShowStyle value) {
  if (showStyle_ == value) return;
  showStyle_ = value;
  Invalidate();
}

void TRzFontComboBox::CMFontChanged(TMessage& message) {
  TRzCustomComboBox::CMFontChanged(message);
  RecreateWnd();
}

String TRzFontComboBox::GetFontName() const {
  if (!HandleAllocated()) return savedFontName_;  // the list is made with the window
  const int index = ItemIndex();
  return index < 0 ? String() : Items()->Strings(index);
}

void TRzFontComboBox::SetFontName(const String& name) {
  if (!HandleAllocated()) savedFontName_ = name;
  SetItemIndex(Items()->IndexOf(name));
}

TFont* TRzFontComboBox::GetSelectedFont() const {
  if (ItemIndex() < 0) return nullptr;
  selectedFont_->SetName(GetFontName());
  selectedFont_->SetSize(FontSize);
  selectedFont_->SetStyle(FontStyle);
  return selectedFont_.get();
}

void TRzFontComboBox::SetSelectedFont(const TFont* font) { SetItemIndex(Items()->IndexOf(font->Name())); }

void TRzFontComboBox::SetPreviewEdit(TCustomEdit* value) {
  previewEdit_ = value;
  if (value) value->FreeNotification(this);
}

void TRzFontComboBox::Notification(TComponent* component, TOperation operation) {
  TRzCustomComboBox::Notification(component, operation);
  if (operation == opRemove && component == previewEdit_) previewEdit_ = nullptr;
  if (operation == opRemove && component == previewPanel_) previewPanel_ = nullptr;
}

// ---- dropping down ----

void TRzFontComboBox::DropDown() {
  UpdatePreviewText();
  TRzCustomComboBox::DropDown();
  if (showStyle_ == ssFontPreview) ShowPreviewPanel();
}

void TRzFontComboBox::CloseUp() {
  TRzCustomComboBox::CloseUp();
  if (showStyle_ == ssFontPreview) HidePreviewPanel();
  ChooseRecentFont();
}

void TRzFontComboBox::ChooseRecentFont() {
  if (!MaintainMRUFonts) return;
  if (recent_.Choose(Items(), ItemIndex()) == 0) SetItemIndex(0);
}

// A sample that does not fit the preview is shortened.
void TRzFontComboBox::UpdatePreviewText() {
  if (!previewPanel_) return;
  TRzPreviewText text = PreviewTextFor(PreviewText, previewEdit_);
  if (!previewEdit_) {
    for (const char* shorter : {"AaBbYyZ", "AaBbYy"}) {
      HDC dc = ::GetDC(nullptr);
      HGDIOBJ previous = ::SelectObject(dc, previewPanel_->Font()->Handle());
      SIZE size{};
      ::GetTextExtentPoint32A(dc, text.Caption.c_str(), static_cast<int>(text.Caption.size()), &size);
      ::SelectObject(dc, previous);
      ::ReleaseDC(nullptr, dc);
      if (size.cx < PreviewWidth()) break;
      text.Caption = shorter;
    }
  }
  previewPanel_->SetAlignment(text.Alignment);
  previewPanel_->SetCaption(text.Caption);
}

void TRzFontComboBox::ShowPreviewPanel() {
  if (Items()->Count() == 0 || !previewPanel_) return;
  const TPoint p = ClientToScreen(TPoint(0, 0));
  const int width = DropDownWidth() == 0 ? Width() : DropDownWidth();
  // Placed on the owner's window only when first shown: it takes no place among the form's controls before.
  if (!previewPanel_->Parent())
    if (auto* parent = dynamic_cast<TWinControl*>(Owner())) previewPanel_->SetParent(parent);
  previewPanel_->HandleNeeded();
  ::SetWindowPos(previewPanel_->Handle(), HWND_TOP, p.X + width - 1, p.Y, previewPanel_->Width(),
                 previewPanel_->Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
  previewShown_ = true;
}

void TRzFontComboBox::HidePreviewPanel() {
  if (!previewShown_ || !previewPanel_) return;
  previewShown_ = false;
  ::SetWindowPos(previewPanel_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

void TRzFontComboBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_CANCELMODE:
      if (showStyle_ == ssFontPreview && reinterpret_cast<TControl*>(message.LParam) != this) HidePreviewPanel();
      return TRzCustomComboBox::Dispatch(message);
    case CM_HIDEPREVIEWPANEL:
      DefaultHandler(message);
      return HidePreviewPanel();
    default: return TRzCustomComboBox::Dispatch(message);
  }
}

// ---- drawing ----

void TRzFontComboBox::DrawItem(int index, const TRect& itemRect, TOwnerDrawState state) {
  TCanvas* canvas = Canvas();
  if ((state & odSelected) != 0) {
    canvas->Brush()->SetColor(clHighlight);
    canvas->Font()->SetColor(clHighlightText);
  }
  if (index < 0 || index >= Items()->Count()) {
    canvas->FillRect(itemRect);
    return;
  }
  TRect r = itemRect;
  canvas->FillRect(TRect(r.Left, r.Top, r.Left + 24, r.Bottom));
  r.Left += 24;
  const bool edit = (state & odComboBoxEdit) != 0;
  const TRzShowStyle style = edit && showStyle_ == ssFontNameAndSample ? ssFontName : showStyle_;
  const String name = Items()->Strings(index);
  DrawFontItem({canvas, r, name, PitchAndFamilyOf(Items()->Objects(index)), style, Enabled(), Color(), fontDevice_},
               glyphs_);
  if (showStyle_ == ssFontPreview && (state & odFocused) != 0 && previewPanel_) {
    previewPanel_->Font()->SetName(name);
    UpdatePreviewText();
  }
  if (MaintainMRUFonts && !edit && index == recent_.Last) {
    canvas->MoveTo(0, r.Bottom - 1);
    canvas->LineTo(r.Right, r.Bottom - 1);
  }
}
