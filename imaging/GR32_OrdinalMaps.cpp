// The boolean, byte, word and integer maps, and the byte map's conversions to
// and from the channels of a bitmap.
#include "imaging/GR32_OrdinalMaps.h"

#include <algorithm>
#include <climits>
#include <new>

size_t MapCellCount(Integer width, Integer height, size_t cellBytes) {
  const Int64 cells = Int64(std::max(width, 0)) * std::max(height, 0);
  if (cells > Int64(PTRDIFF_MAX / Int64(cellBytes + 1))) throw EOutOfMemory("Out of memory");
  return size_t(cells);
}

namespace {

// Resizes a store; an impossible store is an out-of-memory failure with the old
// store kept.
template <class V>
void ResizeStore(V& store, size_t count) {
  try {
    store.resize(count);
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory("Out of memory");
  } catch (const std::length_error&) {
    throw EOutOfMemory("Out of memory");
  }
}

// BeginUpdate ... EndUpdate around the body (also when it throws), then Changed.
template <class T, class F>
void Updating(T* target, F body) {
  target->BeginUpdate();
  try {
    body();
  } catch (...) {
    target->EndUpdate();
    throw;
  }
  target->EndUpdate();
  target->Changed();
}

}  // namespace

// ---------------------------------------------------------------------------
// TBooleanMap

TBooleanMap::~TBooleanMap() { SetSize(0, 0); }

void TBooleanMap::ChangeSize(Integer& width, Integer& height, Integer newWidth, Integer newHeight) {
  const size_t cells = MapCellCount(newWidth, newHeight, 1);
  ResizeStore(bits_, (cells + 7) / 8);
  width = newWidth;
  height = newHeight;
}

bool TBooleanMap::GetValue(Integer x, Integer y) const {
  const size_t i = size_t(x) + size_t(y) * size_t(Width());
  return (bits_[i / 8] >> (i % 8)) & 1;
}

void TBooleanMap::SetValue(Integer x, Integer y, bool value) {
  const size_t i = size_t(x) + size_t(y) * size_t(Width());
  const Byte bit = Byte(1u << (i % 8));
  if (value) bits_[i / 8] |= bit;
  else bits_[i / 8] &= Byte(~bit);
}

void TBooleanMap::ToggleBit(Integer x, Integer y) {
  const size_t i = size_t(x) + size_t(y) * size_t(Width());
  bits_[i / 8] ^= Byte(1u << (i % 8));
}

void TBooleanMap::Clear(Byte fillValue) { std::fill(bits_.begin(), bits_.end(), fillValue); }

// ---------------------------------------------------------------------------
// Byte, word and integer maps

template <class T>
void TValueMap<T>::ChangeSize(Integer& width, Integer& height, Integer newWidth, Integer newHeight) {
  ResizeStore(values_, MapCellCount(newWidth, newHeight, sizeof(T)));
  width = newWidth;
  height = newHeight;
}

template <class T>
void TValueMap<T>::Clear(T fillValue) {
  std::fill(values_.begin(), values_.end(), fillValue);
  Changed();
}

template <class T>
void TValueMap<T>::Assign(const TPersistent* source) {
  const auto* other = dynamic_cast<const TValueMap<T>*>(source);
  if (!other) return TCustomMap::Assign(source);
  BeginUpdate();
  try {
    SetSize(other->Width(), other->Height());
    values_ = other->values_;
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  Changed();
}

template class TValueMap<Byte>;
template class TValueMap<Word>;
template class TValueMap<Integer>;

void TByteMap::ReadFrom(TBitmap32* source, TConversionType conversion) {
  Updating(this, [&] {
    SetSize(source->Width(), source->Height());
    if (Empty()) return;
    const TColor32* p = source->Bits();
    for (size_t i = 0, n = values_.size(); i < n; ++i) {
      const TColor32 c = p[i];
      switch (conversion) {
        case ctRed: values_[i] = Byte(RedComponent(c)); break;
        case ctGreen: values_[i] = Byte(GreenComponent(c)); break;
        case ctBlue: values_[i] = Byte(BlueComponent(c)); break;
        case ctAlpha: values_[i] = Byte(AlphaComponent(c)); break;
        case ctUniformRGB: values_[i] = Byte((RedComponent(c) + GreenComponent(c) + BlueComponent(c)) / 3); break;
        default: values_[i] = Byte(Intensity(c)); break;
      }
    }
  });
}

void TByteMap::WriteTo(TBitmap32* dest, TConversionType conversion) const {
  Updating(dest, [&] {
    dest->SetSize(Width(), Height());
    if (Empty() || dest->Empty()) return;
    TColor32* p = dest->Bits();
    static const Integer kShift[4] = {16, 8, 0, 24};  // red, green, blue, alpha
    for (size_t i = 0, n = values_.size(); i < n; ++i) {
      if (conversion <= ctAlpha) {
        const Integer s = kShift[conversion];
        p[i] = (p[i] & ~(0xFFu << s)) | TColor32(values_[i]) << s;
      } else {
        p[i] = Gray32(values_[i], 255);
      }
    }
  });
}

void TByteMap::WriteTo(TBitmap32* dest, const TPalette32& palette) const {
  Updating(dest, [&] {
    dest->SetSize(Width(), Height());
    if (Empty() || dest->Empty()) return;
    TColor32* p = dest->Bits();
    for (size_t i = 0, n = values_.size(); i < n; ++i) p[i] = palette[values_[i]];
  });
}

void TByteMap::Assign(const TPersistent* source) {
  Updating(this, [&] {
    if (const auto* map = dynamic_cast<const TByteMap*>(source)) {
      SetSize(map->Width(), map->Height());
      values_ = map->values_;
    } else if (const auto* bitmap = dynamic_cast<const TBitmap32*>(source)) {
      ReadFrom(const_cast<TBitmap32*>(bitmap), ctWeightedRGB);
    } else {
      TCustomMap::Assign(source);
    }
  });
}

void TByteMap::AssignTo(TPersistent* dest) const {
  if (auto* bitmap = dynamic_cast<TBitmap32*>(dest)) return WriteTo(bitmap, ctUniformRGB);
  TCustomMap::AssignTo(dest);
}
