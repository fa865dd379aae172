#include "framed/lists/RzFontListBox.h"

#include "platform/stdctrls/Edit.h"

TRzFontListBox::TRzFontListBox(TComponent* owner)
    : TRzCustomListBox(owner), selectedFont_(std::make_unique<TFont>()), previewPanel_(new TRzPreviewFontPanel(this)) {
  SetStyle(lbOwnerDrawFixed);
  SetSorted(true);
  selectedFont_->SetSize(8);
  previewPanel_->Control = this;
}

TRzFontListBox::~TRzFontListBox() { previewPanel_->Control = nullptr; }

// ---- the list ----

void TRzFontListBox::LoadFonts() { LoadFontFamilies(Items(), fontDevice_, fontType_, showSymbolFonts_); }

// A new window lists the families anew; the recent ones and the selection come back.
void TRzFontListBox::CreateWnd() {
  TRzCustomListBox::CreateWnd();
  Items()->BeginUpdate();
  Items()->Clear();
  LoadFonts();
  recent_.Restore(Items());
  Items()->EndUpdate();
  if (!savedFontName_.empty()) SetFontName(savedFontName_);
}

void TRzFontListBox::DestroyWnd() {
  savedFontName_ = GetFontName();
  recent_.Save(Items());
  TRzCustomListBox::DestroyWnd();
}

void TRzFontListBox::SetFontDevice(TRzFontDevice value) {
  if (fontDevice_ == value) return;
  fontDevice_ = value;
  RecreateWnd();
}

void TRzFontListBox::SetFontType(TRzFontType value) {
  if (fontType_ == value) return;
  fontType_ = value;
  RecreateWnd();
}

void TRzFontListBox::SetShowSymbolFonts(bool value) {
  if (showSymbolFonts_ == value) return;
  showSymbolFonts_ = value;
  RecreateWnd();
}

void TRzFontListBox::SetShowStyle(TRzShowStyle value) {
  if (showStyle_ == value) return;
  showStyle_ = value;
  Invalidate();
}

void TRzFontListBox::CMFontChanged(TMessage& message) {
  TRzCustomListBox::CMFontChanged(message);
  RecreateWnd();
}

String TRzFontListBox::GetFontName() const {
  if (!HandleAllocated()) return savedFontName_;  // the list is made with the window
  const int index = ItemIndex();
  return index < 0 ? String() : Items()->Strings(index);
}

void TRzFontListBox::SetFontName(const String& name) {
  if (!HandleAllocated()) savedFontName_ = name;
  SetItemIndex(Items()->IndexOf(name));
}

TFont* TRzFontListBox::GetSelectedFont() const {
  if (ItemIndex() < 0) return nullptr;
  selectedFont_->SetName(GetFontName());
  selectedFont_->SetSize(FontSize);
  selectedFont_->SetStyle(FontStyle);
  return selectedFont_.get();
}

void TRzFontListBox::SetSelectedFont(const TFont* font) { SetItemIndex(Items()->IndexOf(font->Name())); }

void TRzFontListBox::AddFontToMRUList() {
  if (!MaintainMRUFonts) return;
  if (recent_.Choose(Items(), ItemIndex()) == 0) SetItemIndex(0);
}

// ---- preview ----

void TRzFontListBox::SetPreviewEdit(TCustomEdit* value) {
  previewEdit_ = value;
  if (value) value->FreeNotification(this);
}

void TRzFontListBox::Notification(TComponent* component, TOperation operation) {
  TRzCustomListBox::Notification(component, operation);
  if (operation == opRemove && component == previewEdit_) previewEdit_ = nullptr;
  if (operation == opRemove && component == previewPanel_) previewPanel_ = nullptr;
}

int TRzFontListBox::PreviewFontSize() const { return previewPanel_->Font()->Size(); }
void TRzFontListBox::SetPreviewFontSize(int value) { previewPanel_->Font()->SetSize(value); }

// A sample that does not fit the preview is shortened.
void TRzFontListBox::UpdatePreviewText() {
  TRzPreviewText text = PreviewTextFor(PreviewText, previewEdit_);
  if (!previewEdit_ && !PreviewText.empty()) {
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, previewPanel_->Font()->Handle());
    SIZE size{};
    ::GetTextExtentPoint32A(dc, PreviewText.c_str(), static_cast<int>(PreviewText.size()), &size);
    ::SelectObject(dc, previous);
    ::ReleaseDC(nullptr, dc);
    if (size.cx >= PreviewWidth()) text.Caption = "AaBbYy";
  }
  previewPanel_->SetAlignment(text.Alignment);
  previewPanel_->SetCaption(text.Caption);
}

void TRzFontListBox::ShowPreviewPanel() {
  if (Items()->Count() == 0 || !previewPanel_) return;
  const TPoint p = ClientOrigin();
  // Placed on the owner's window only when first shown: it takes no place among the form's controls before.
  if (!previewPanel_->Parent())
    if (auto* parent = dynamic_cast<TWinControl*>(Owner())) previewPanel_->SetParent(parent);
  previewPanel_->HandleNeeded();
  ::SetWindowPos(previewPanel_->Handle(), HWND_TOP, p.X + Width() - 1, p.Y, previewPanel_->Width(),
                 previewPanel_->Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
  previewShown_ = true;
}

void TRzFontListBox::HidePreviewPanel() {
  if (!previewShown_ || !previewPanel_) return;
  previewShown_ = false;
  ::SetWindowPos(previewPanel_->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

void TRzFontListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  UpdatePreviewText();
  TRzCustomListBox::MouseDown(button, shift, x, y);
  if (showStyle_ == ssFontPreview) ShowPreviewPanel();
}

void TRzFontListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TRzCustomListBox::MouseUp(button, shift, x, y);
  if (showStyle_ == ssFontPreview) HidePreviewPanel();
}

void TRzFontListBox::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_CANCELMODE:
      if (showStyle_ == ssFontPreview && reinterpret_cast<TControl*>(message.LParam) != this) HidePreviewPanel();
      return;
    case CM_HIDEPREVIEWPANEL:
      DefaultHandler(message);
      return HidePreviewPanel();
    default: return TRzCustomListBox::Dispatch(message);
  }
}

// ---- drawing ----

void TRzFontListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  const String name = Items()->Strings(index);
  TCanvas* canvas = Canvas();
  DrawFontItem({canvas, rect, name, PitchAndFamilyOf(Items()->Objects(index)), showStyle_, Enabled(), Color(),
                fontDevice_},
               glyphs_);
  if (showStyle_ == ssFontPreview && (state & odFocused) != 0 && previewPanel_) {
    previewPanel_->Font()->SetName(name);
    UpdatePreviewText();
  }
  if (MaintainMRUFonts && index == recent_.Last) {
    canvas->MoveTo(0, rect.Bottom - 1);
    canvas->LineTo(rect.Right, rect.Bottom - 1);
  }
  canvas->SetFont(Font());
}
