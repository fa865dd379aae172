#include "framed/controls/RzGlyphButton.h"

#include <algorithm>
#include <cstdint>

#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/core/SysUtils.h"
#include "platform/published/Filer.h"

namespace {

// A 32-bit DIB pixel (0x00RRGGBB) and a colour (0x00BBGGRR) are the same bytes
// in the other order.
std::uint32_t PixelOf(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

void Resize32(std::unique_ptr<TBitmap>& bitmap, int width, int height) {
  if (!bitmap) bitmap = std::make_unique<TBitmap>(width, height, pf32bit);
  if (bitmap->Width() != width || bitmap->Height() != height) bitmap->SetSize(width, height);
}

}  // namespace

TRzCustomGlyphButton::TRzCustomGlyphButton(TComponent* owner)
    : TRzCustomButton(owner), customGlyphs_(std::make_unique<TBitmap>()) {
  customGlyphs_->OnChange = TNotifyEvent(this, &TRzCustomGlyphButton::CustomGlyphsChanged);
  ControlStyle |= csSetCaption | csReplicatable;
  SetParentColor(true);
}

TRzCustomGlyphButton::~TRzCustomGlyphButton() {
  if (frameController_) frameController_->RemoveControl(this);
}

void TRzCustomGlyphButton::DefineProperties(TFiler* filer) {
  TRzCustomButton::DefineProperties(filer);
  filer->DefineProperty("Flat", [this](TReader& reader) { SetHotTrack(reader.ReadBoolean()); }, nullptr, false);
}

void TRzCustomGlyphButton::Notification(TComponent* component, TOperation operation) {
  TRzCustomButton::Notification(component, operation);
  if (operation == opRemove && component == frameController_) frameController_ = nullptr;
}

void TRzCustomGlyphButton::SetFrameController(TRzFrameController* value) {
  SwitchFrameController(this, frameController_, value);
}

void TRzCustomGlyphButton::CustomFramingChanged() {
  if (!frameController_ || !frameController_->FrameVisible()) return;
  frameColor_ = frameController_->FrameColor();
  disabledColor_ = frameController_->DisabledColor();
  Invalidate();
}

#define RZ_GLYPH_SETTER(Name, Type, field)            \
  void TRzCustomGlyphButton::Set##Name(Type value) { \
    if (field == value) return;                       \
    field = value;                                    \
    Invalidate();                                     \
  }
RZ_GLYPH_SETTER(Alignment, TAlignment, alignment_)
RZ_GLYPH_SETTER(FrameColor, TColor, frameColor_)
RZ_GLYPH_SETTER(TransparentColor, TColor, transparentColor_)
RZ_GLYPH_SETTER(WinMaskColor, TColor, winMaskColor_)
RZ_GLYPH_SETTER(DisabledColor, TColor, disabledColor_)
#undef RZ_GLYPH_SETTER

void TRzCustomGlyphButton::SetTransparent(bool value) {
  backgroundDirty_ = true;
  TRzCustomButton::SetTransparent(value);
}

void TRzCustomGlyphButton::SetCustomGlyphs(const TBitmap* value) { customGlyphs_->Assign(value); }

void TRzCustomGlyphButton::SetUseCustomGlyphs(bool value) {
  useCustomGlyphs_ = value;
  if (value && numStates_ > 0) {
    glyphWidth_ = customGlyphs_->Width() / numStates_;
    glyphHeight_ = customGlyphs_->Height();
  } else {
    glyphWidth_ = glyphHeight_ = 13;
  }
  Invalidate();
}

// An empty strip switches the custom glyphs off.
void TRzCustomGlyphButton::CustomGlyphsChanged(TObject*) {
  SetUseCustomGlyphs(!customGlyphs_->Empty());
  backgroundDirty_ = true;
  Invalidate();
}

void TRzCustomGlyphButton::ActionChange(TObject* sender, bool checkDefaults) {
  TRzCustomButton::ActionChange(sender, checkDefaults);
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (!action || (checkDefaults && GetChecked())) return;
  clicksDisabled_ = true;
  try {
    SetChecked(action->Checked());
  } catch (...) {
    clicksDisabled_ = false;
    throw;
  }
  clicksDisabled_ = false;
}

TAlignment TRzCustomGlyphButton::GetControlsAlignment() const {
  return UseRightToLeftAlignment() && alignment_ == taRightJustify ? taLeftJustify : taRightJustify;
}

TColor TRzCustomGlyphButton::CheckColor(TColor color) const {
  const TColor rgb = ColorToRGB(color);
  if (rgb == ColorToRGB(transparentColor_) || rgb == ColorToRGB(winMaskColor_) || rgb == 0x808080) return rgb + 1;
  return color;
}

TRect TRzCustomGlyphButton::GlyphRect() const {
  const int x = alignment_ == taRightJustify ? 0 : Width() - glyphWidth_;
  int y = 2;
  if (AlignmentVertical() == avCenter) y = (Height() - glyphHeight_) / 2;
  if (AlignmentVertical() == avBottom) y = Height() - glyphHeight_ - 2;
  return TRect(x, y, x + glyphWidth_, y + glyphHeight_);
}

void TRzCustomGlyphButton::HotColors(TColor& hot1, TColor& hot2, TColor& down) const {
  if (!FullColorSupport()) {
    hot1 = hot2 = down = clWindow;
    return;
  }
  if (HotTrackColorType == htctActual) {
    hot1 = LighterColor(HotTrackColor, 30);
    hot2 = DarkerColor(HotTrackColor, 30);
  } else {
    hot1 = ComplementaryColor(HotTrackColor, 180);
    hot2 = DarkerColor(hot1, 30);
  }
  down = DarkerColor(clWindow, 20);
}

TBitmap* TRzCustomGlyphButton::ScratchGlyph() {
  Resize32(scratch_, glyphWidth_, glyphHeight_);
  return scratch_.get();
}

TBitmap* TRzCustomGlyphButton::ExtractGlyph(int index) {
  TBitmap* glyph = ScratchGlyph();
  glyph->Canvas()->CopyRect(Rect(0, 0, glyphWidth_, glyphHeight_), customGlyphs_->Canvas(),
                            Rect(glyphWidth_ * index, 0, glyphWidth_ * (index + 1), glyphHeight_));
  return glyph;
}

// The glyph over its background in one pass: its transparent colour shows the
// background, its window-mask colour the window colour, and its pure green the
// frame colour blended with the background.
void TRzCustomGlyphButton::DrawGlyph(TCanvas* canvas) {
  TBitmap* glyph = SelectGlyph();
  if (!glyph || glyph->Empty()) return;
  const TRect r = GlyphRect();
  const int w = std::min(glyph->Width(), glyphWidth_), h = std::min(glyph->Height(), glyphHeight_);
  Resize32(composed_, glyphWidth_, glyphHeight_);
  TCanvas* out = composed_->Canvas();
  if (Transparent()) {
    ::BitBlt(out->Handle(), 0, 0, glyphWidth_, glyphHeight_, canvas->Handle(), r.Left, r.Top, SRCCOPY);
  } else {
    out->Brush()->SetStyle(bsSolid);
    out->Brush()->SetColor(Color());
    out->FillRect(Rect(0, 0, glyphWidth_, glyphHeight_));
  }
  const TColor transparent = Transparent() && ThemeServices()->ThemesEnabled() ? clBtnFace : transparentColor_;
  const std::uint32_t clear = PixelOf(transparent);
  const std::uint32_t mask = PixelOf(winMaskColor_);
  const std::uint32_t window = PixelOf(clWindow);
  const std::uint32_t green = 0x008000;
  const std::uint32_t frame = PixelOf(BlendColors(frameColor_, canvas->Pixels(0, 0), 128));
  if (glyph->PixelFormat() != pf32bit) glyph->SetPixelFormat(pf32bit);
  ::GdiFlush();
  for (int y = 0; y < h; ++y) {
    const auto* from = static_cast<const std::uint32_t*>(glyph->ScanLine(y));
    auto* to = static_cast<std::uint32_t*>(composed_->ScanLine(y));
    for (int x = 0; x < w; ++x) {
      std::uint32_t p = from[x] & 0xFFFFFF;
      if (p == clear) p = to[x] & 0xFFFFFF;
      if (p == mask) p = window;
      if (p == green) p = frame;
      to[x] = p;
    }
  }
  ::BitBlt(canvas->Handle(), r.Left, r.Top, glyphWidth_, glyphHeight_, out->Handle(), 0, 0, SRCCOPY);
}

void TRzCustomGlyphButton::RebuildBackground() {
  Resize32(background_, Width(), Height());
  TCanvas* canvas = background_->Canvas();
  if (Transparent()) {
    ::BitBlt(canvas->Handle(), 0, 0, Width(), Height(), Canvas()->Handle(), 0, 0, SRCCOPY);
  } else {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(Rect(0, 0, Width(), Height()));
  }
  backgroundDirty_ = false;
}

void TRzCustomGlyphButton::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  Resize32(face_, Width(), Height());
  TCanvas* canvas = face_->Canvas();
  canvas->SetFont(Font());
  canvas->Brush()->SetColor(Color());
  if (backgroundDirty_ || background_->Width() != Width() || background_->Height() != Height()) RebuildBackground();
  ::BitBlt(canvas->Handle(), 0, 0, Width(), Height(), background_->Canvas()->Handle(), 0, 0, SRCCOPY);
  DrawGlyph(canvas);
  TRect text(1, 1, Width() - 1, Height() - 1);
  if (alignment_ == taRightJustify)
    text.Left += glyphWidth_ + 4;
  else
    text.Right -= glyphWidth_ + 4;
  Draw3DText(canvas, text, DT_EXPANDTABS | DT_WORDBREAK);
  text = TRect(text.Left - 1, text.Top - 1, text.Right + 1, text.Bottom + 1);
  const String caption = Trim(Caption());
  if (Focused() && !Caption().empty()) {
    canvas->SetFont(Font());
    const int c = std::min(text.Width(), canvas->TextWidth(caption) + 3);
    TRect focus = text;
    if (UseRightToLeftReading())
      focus.Left = focus.Right - c;
    else
      focus.Right = focus.Left + c;
    DrawFocusBorder(canvas, focus);
  }
  ::BitBlt(Canvas()->Handle(), 0, 0, Width(), Height(), canvas->Handle(), 0, 0, SRCCOPY);
}

void TRzCustomGlyphButton::KeyPress(char& key) {
  if (TabOnEnter && key == '\r') {
    key = 0;
    if (HandleAllocated()) ::PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
    return;
  }
  TRzCustomButton::KeyPress(key);
}

void TRzCustomGlyphButton::WMEraseBkgnd(TMessage& message) {
  TRzCustomButton::WMEraseBkgnd(message);
  backgroundDirty_ = true;
}

void TRzCustomGlyphButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      TRzCustomButton::Dispatch(message);
      backgroundDirty_ = true;
      return;
    case CM_ENABLEDCHANGED:
    case CM_PARENTCOLORCHANGED:
    case CM_COLORCHANGED:
      TRzCustomButton::Dispatch(message);
      backgroundDirty_ = true;
      Invalidate();
      return;
    default:
      return TRzCustomButton::Dispatch(message);
  }
}
