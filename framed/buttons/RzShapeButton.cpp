#include "framed/buttons/RzShapeButton.h"

#include <algorithm>

#include "framed/common/RzCommon_Rects.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/graphics/RzGrafx.h"
#include "platform/controls/Menus.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WinControl.h"
#include "platform/core/Exceptions.h"
#include "platform/published/Filer.h"

namespace {

// Which pixels of a picture are solid (differ from the transparent colour).
using TSolidMap = std::vector<bool>;

TSolidMap SolidPixels(TBitmap* bitmap, TColor transparent) {
  const int w = bitmap->Width(), h = bitmap->Height();
  TSolidMap map(static_cast<size_t>(w) * h);
  TCanvas* c = bitmap->Canvas();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) map[static_cast<size_t>(y) * w + x] = (c->Pixels(x, y) & 0xFFFFFF) != transparent;
  return map;
}

struct TOffset {
  int dx, dy;
};

// The ring of a level and side: the lower-right side (0) is the right column
// downward then the bottom row leftward; the upper-left side (1) the left column
// upward then the top row rightward.
std::vector<TOffset> RingOffsets(int level, int side) {
  std::vector<TOffset> offsets;
  const int l = level;
  if (side == 0) {
    for (int y = -l; y <= l; ++y) offsets.push_back({l, y});
    for (int x = l - 1; x >= -l; --x) offsets.push_back({x, l});
  } else {
    for (int y = l - 1; y >= -l; --y) offsets.push_back({-l, y});
    for (int x = -l + 1; x <= l - 1; ++x) offsets.push_back({x, -l});
  }
  if (offsets.size() > 13) offsets.resize(13);
  return offsets;
}

// The pixels transparent in `current` that lie at one of the offsets from a
// solid pixel of `shape`.
TSolidMap RingMask(const TSolidMap& shape, const TSolidMap& current, int w, int h,
                   const std::vector<TOffset>& offsets) {
  TSolidMap ring(current.size(), false);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!shape[static_cast<size_t>(y) * w + x]) continue;
      for (const TOffset& o : offsets) {
        const int px = x + o.dx, py = y + o.dy;
        if (px < 0 || py < 0 || px >= w || py >= h) continue;
        const size_t i = static_cast<size_t>(py) * w + px;
        if (!current[i]) ring[i] = true;
      }
    }
  return ring;
}

}  // namespace

std::unique_ptr<TBitmap> CreateColorMask(TBitmap* bitmap, TColor color) {
  auto mask = std::make_unique<TBitmap>(bitmap->Width(), bitmap->Height());
  const TColor rgb = ColorToRGB(color) & 0xFFFFFF;
  const TSolidMap solid = SolidPixels(bitmap, rgb);
  TCanvas* c = mask->Canvas();
  for (int y = 0; y < bitmap->Height(); ++y)
    for (int x = 0; x < bitmap->Width(); ++x)
      c->SetPixels(x, y, solid[static_cast<size_t>(y) * bitmap->Width() + x] ? clBlack : clWhite);
  mask->SetMonochrome(true);
  return mask;
}

HPALETTE CopyPalette(HPALETTE palette) {
  if (!palette) return nullptr;
  WORD count = 0;
  if (::GetObjectA(palette, sizeof(count), &count) == 0) throw Exception("Invalid palette in CopyPalette");
  if (count == 0) return nullptr;
  std::vector<BYTE> block(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
  auto* logical = reinterpret_cast<LOGPALETTE*>(block.data());
  logical->palVersion = 0x300;
  logical->palNumEntries = count;
  if (::GetPaletteEntries(palette, 0, count, logical->palPalEntry) != count)
    throw Exception("Cannot get palette entries in CopyPalette");
  HPALETTE copy = ::CreatePalette(logical);
  if (!copy) throw EOutOfResources("Cannot create palette in CopyPalette");
  return copy;
}

TRzShapeButton::TRzShapeButton(TComponent* owner)
    : TGraphicControl(owner),
      bitmap_(std::make_unique<TBitmap>()),
      bitmapUp_(std::make_unique<TBitmap>()),
      bitmapDown_(std::make_unique<TBitmap>()) {
  SetBounds(0, 0, 80, 80);
  ControlStyle = csCaptureMouse | csOpaque;
  TGraphicControl::SetAutoSize(true);
  bitmap_->OnChange = TNotifyEvent(this, &TRzShapeButton::BitmapChanged);
  SetParentFont(true);
}

TRzShapeButton::~TRzShapeButton() = default;

void TRzShapeButton::SetAutoSize(bool value) {
  if (AutoSize() == value) return;
  TGraphicControl::SetAutoSize(value);
  ReapplyBounds();
}

void TRzShapeButton::SetBevelWidth(int value) {
  if (value > 2) value = 2;
  if (value < 0) value = 0;
  if (bevelWidth_ == value) return;
  bevelWidth_ = value;
  Rebuild();
}

#define RZ_REBUILD_SETTER(Name, Type, field) \
  void TRzShapeButton::Set##Name(Type value) { \
    if (field == value) return;            \
    field = value;                         \
    Rebuild();                             \
  }
RZ_REBUILD_SETTER(BevelHighlightColor, TColor, bevelHighlightColor_)
RZ_REBUILD_SETTER(BevelShadowColor, TColor, bevelShadowColor_)
RZ_REBUILD_SETTER(BorderStyle, TRzShapeBorderStyle, borderStyle_)
RZ_REBUILD_SETTER(BorderColor, TColor, borderColor_)
#undef RZ_REBUILD_SETTER

void TRzShapeButton::SetCaptionPosition(TRzCaptionPosition value) {
  if (captionPosition_ == value) return;
  captionPosition_ = value;
  Invalidate();
}

void TRzShapeButton::SetCaptionXY(int x, int y) {
  if (x == captionX_ && y == captionY_) return;
  captionX_ = x;
  captionY_ = y;
  captionPosition_ = cpXY;
  Invalidate();
}

void TRzShapeButton::SetBounds(int left, int top, int width, int height) {
  if (!HasState(csReading) && AutoSize() && bitmap_ && !bitmap_->Empty()) {
    width = bitmap_->Width() + 4;
    height = bitmap_->Height() + 4;
  }
  TGraphicControl::SetBounds(left, top, width, height);
}

void TRzShapeButton::Invalidate() {
  if (!(Visible() || HasState(csDesigning)) || !Parent() || !Parent()->HandleAllocated()) return;
  RECT r = {Left(), Top(), Left() + Width(), Top() + Height()};
  ::InvalidateRect(Parent()->Handle(), &r, TRUE);
}

TColor TRzShapeButton::BevelColor(TButtonState state, bool topLeft) {
  TColor highlight = bevelHighlightColor_;
  if ((ColorToRGB(highlight) & 0xFFFFFF) == (bitmap_->TransparentColor() & 0xFFFFFF))
    highlight = DarkerColor(highlight, 1);
  if (state == bsUp) return topLeft ? highlight : bevelShadowColor_;
  return topLeft ? bevelShadowColor_ : highlight;
}

void TRzShapeButton::Create3DBitmap(TBitmap* source, TButtonState state, TBitmap* dest) {
  const int w = source->Width(), h = source->Height();
  const TColor transparent = source->TransparentColor() & 0xFFFFFF;
  dest->Assign(source);
  dest->SetPixelFormat(pf32bit);
  const TSolidMap shape = SolidPixels(source, transparent);
  const int levels = bevelWidth_ + (borderStyle_ == sbsSingle ? 1 : 0);
  TCanvas* canvas = dest->Canvas();
  for (int level = 1; level <= levels; ++level) {
    const TSolidMap snapshot = SolidPixels(dest, transparent);
    for (int side = 0; side <= 1; ++side) {
      if (side == 0 && level == levels && state == bsDown) continue;
      const TSolidMap ring = RingMask(shape, snapshot, w, h, RingOffsets(level, side));
      const TColor color = ColorToRGB(level == levels && borderStyle_ == sbsSingle ? borderColor_
                                                                                  : BevelColor(state, side == 1));
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
          if (ring[static_cast<size_t>(y) * w + x]) canvas->SetPixels(x, y, color);
    }
  }
}

void TRzShapeButton::Rebuild() {
  ReapplyBounds();
  if (!HasState(csReading) && !HasState(csLoading)) {
    if (bitmap_->Empty()) {
      bitmapUp_->SetSize(0, 0);
      bitmapDown_->SetSize(0, 0);
      // The shape is gone, so clicks are no longer limited to it.
      mask_.reset();
    } else {
      const TCursor saved = Screen.Cursor();
      Screen.SetCursor(crHourGlass);
      try {
        BuildPictures();
      } catch (...) {
        Screen.SetCursor(saved);
        throw;
      }
      Screen.SetCursor(saved);
    }
  }
  Invalidate();
}

void TRzShapeButton::BuildPictures() {
  Create3DBitmap(bitmap_.get(), bsUp, bitmapUp_.get());
  Create3DBitmap(bitmap_.get(), bsDown, bitmapDown_.get());
  mask_ = CreateColorMask(bitmapUp_.get(), bitmap_->TransparentColor());
}

// A definition written by hand may name the picture without the pictures made
// from it: they are made now.
void TRzShapeButton::Loaded() {
  TGraphicControl::Loaded();
  if (bitmap_->Width() < 1 || bitmap_->Height() < 1) return;
  if (bitmapUp_->Empty() || bitmapDown_->Empty()) {
    BuildPictures();
    ReapplyBounds();
    return;
  }
  const TColor transparent = bitmap_->TransparentColor();
  mask_ = CreateColorMask(bitmap_.get(), transparent);
  if (!bitmapUp_->Empty()) {
    auto up = CreateColorMask(bitmapUp_.get(), transparent);
    const int w = std::min(mask_->Width(), up->Width()), h = std::min(mask_->Height(), up->Height());
    TCanvas* m = mask_->Canvas();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        if (up->Canvas()->Pixels(x, y) == clBlack) m->SetPixels(x, y, clBlack);
  }
}

bool TRzShapeButton::PtInMask(int x, int y) const {
  if (!mask_) return true;
  if (x < 0 || y < 0 || x >= mask_->Width() || y >= mask_->Height()) return false;
  return (mask_->Canvas()->Pixels(x, y) & 0xFFFFFF) == 0;
}

// Inside is the client rectangle itself: the row at ClientHeight lies below it.
bool TRzShapeButton::Inside(int x, int y) const {
  if (PreciseClick) return PtInMask(x, y);
  return x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
}

void TRzShapeButton::CMHitTest(TMessage& message) {
  TGraphicControl::CMHitTest(message);
  const TPoint p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  message.Result = PtInMask(p.X, p.Y) ? 1 : 0;
}

void TRzShapeButton::HintAndCursorRule(int x, int y) {
  const bool in = PtInMask(x, y);
  if (PreciseShowHint && !in) {
    if (!hintSaved_) {
      savedParentShowHint_ = ParentShowHint();
      savedShowHint_ = ShowHint();
      hintSaved_ = true;
      SetParentShowHint(false);
      SetShowHint(false);
    }
  } else if (PreciseClick && !in) {
    if (!cursorSaved_) {
      savedCursor_ = Cursor();
      cursorSaved_ = true;
      SetCursor(crDefault);
    }
  } else {
    if (hintSaved_) {
      SetShowHint(savedShowHint_);
      SetParentShowHint(savedParentShowHint_);
      hintSaved_ = false;
    }
    if (cursorSaved_) {
      SetCursor(savedCursor_);
      cursorSaved_ = false;
    }
  }
}

void TRzShapeButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (!PreciseClick || PtInMask(x, y)) {
    state_ = bsDown;
    Repaint();
  }
  dragging_ = true;
}

void TRzShapeButton::MouseMove(TShiftState shift, int x, int y) {
  TGraphicControl::MouseMove(shift, x, y);
  HintAndCursorRule(x, y);
  if (!dragging_) return;
  const TButtonState wanted = Inside(x, y) ? bsDown : bsUp;
  if (wanted != state_) {
    state_ = wanted;
    Repaint();
  }
}

void TRzShapeButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TGraphicControl::MouseUp(button, shift, x, y);
  if (!dragging_) return;
  dragging_ = false;
  const bool inside = Inside(x, y);
  if (state_ == bsDown) {
    state_ = bsUp;
    Repaint();
  }
  if (inside) Click();
}

void TRzShapeButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<Word>(message.WParam), Caption()) && Enabled()) {
        Click();
        message.Result = 1;
        return;
      }
      break;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      TGraphicControl::Dispatch(message);
      return Invalidate();
    case WM_SYSCOLORCHANGE:
      TGraphicControl::Dispatch(message);
      return Rebuild();
    default: break;
  }
  TGraphicControl::Dispatch(message);
}

TRect TRzShapeButton::GetCaptionRect(TCanvas* canvas, const String& text) {
  if (captionPosition_ == cpCentered) return ClientRect();
  TRect r = Rect(0, 0, ClientWidth(), 0);
  canvas->TextRect(r, text, DT_CALCRECT);
  OffsetRect(r, captionX_, captionY_);
  return r;
}

void TRzShapeButton::DrawButtonText(TCanvas* canvas, const String& text, TRect r, TButtonState state) {
  canvas->Brush()->SetStyle(bsClear);
  if (state == bsDown) OffsetRect(r, 1, 1);
  canvas->TextRect(r, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TRzShapeButton::Paint() {
  TCanvas* c = Canvas();
  if (HasState(csDesigning)) {
    c->Pen()->SetStyle(psDash);
    c->Brush()->SetStyle(bsClear);
    c->Rectangle(0, 0, Width(), Height());
  }
  if (HasState(csDesigning) || state_ == bsDisabled || state_ == bsExclusive) state_ = bsUp;
  TBitmap* picture = state_ == bsUp ? bitmapUp_.get() : bitmapDown_.get();
  if (!picture->Empty()) {
    const int at = state_ == bsDown ? 1 : 0;
    DrawFullTransparentBitmap(c, picture, Bounds(at, at, picture->Width(), picture->Height()),
                              Rect(0, 0, picture->Width(), picture->Height()), bitmap_->TransparentColor());
  }
  if (!Caption().empty()) {
    c->SetFont(Font());
    DrawButtonText(c, Caption(), GetCaptionRect(c, Caption()), state_);
  }
}

void TRzShapeButton::DefineProperties(TFiler* filer) {
  TGraphicControl::DefineProperties(filer);
  filer->DefineBinaryProperty(
      "BitmapUp", [this](TStream& stream) { bitmapUp_->ReadData(stream); },
      [this](TStream& stream) { bitmapUp_->WriteData(stream); }, !bitmapUp_->Empty());
  filer->DefineBinaryProperty(
      "BitmapDown", [this](TStream& stream) { bitmapDown_->ReadData(stream); },
      [this](TStream& stream) { bitmapDown_->WriteData(stream); }, !bitmapDown_->Empty());
}
