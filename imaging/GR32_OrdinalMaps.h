// Two-dimensional maps of plain values: one bit, one byte, one 16-bit word or one
// 32-bit integer per cell, stored row by row (cell (X, Y) at X + Y * Width).
// Reads and writes by (X, Y) are unchecked; the caller keeps them inside.
#pragma once

#include <vector>

#include "imaging/GR32.h"

enum TConversionType { ctRed, ctGreen, ctBlue, ctAlpha, ctUniformRGB, ctWeightedRGB };

class TBooleanMap : public TCustomMap {
public:
  ~TBooleanMap() override;
  bool Empty() const override { return bits_.empty(); }
  bool GetValue(Integer x, Integer y) const;
  void SetValue(Integer x, Integer y, bool value);
  void ToggleBit(Integer x, Integer y);
  // Fills every byte of the store (eight cells each) with the value; no notification.
  void Clear(Byte fillValue);
  Byte* Bits() { return bits_.data(); }
  Integer StoreSize() const { return Integer(bits_.size()); }

protected:
  void ChangeSize(Integer& width, Integer& height, Integer newWidth, Integer newHeight) override;

private:
  std::vector<Byte> bits_;  // cell i in bit (i mod 8) of byte i div 8
};

// The store shared by the byte, word and integer maps.
template <class T>
class TValueMap : public TCustomMap {
public:
  ~TValueMap() override { SetSize(0, 0); }
  bool Empty() const override { return Width() == 0 || Height() == 0 || values_.empty(); }
  T GetValue(Integer x, Integer y) const { return values_[size_t(x) + size_t(y) * size_t(Width())]; }
  void SetValue(Integer x, Integer y, T value) { values_[size_t(x) + size_t(y) * size_t(Width())] = value; }
  T* GetValPtr(Integer x, Integer y) { return values_.data() + size_t(x) + size_t(y) * size_t(Width()); }
  T* Bits() { return values_.data(); }
  void Clear(T fillValue);
  // A map of the same kind copies size and cells; others go to the base.
  void Assign(const TPersistent* source) override;

protected:
  void ChangeSize(Integer& width, Integer& height, Integer newWidth, Integer newHeight) override;
  std::vector<T> values_;
};

class TByteMap : public TValueMap<Byte> {
public:
  void ReadFrom(TBitmap32* source, TConversionType conversion);
  void WriteTo(TBitmap32* dest, TConversionType conversion) const;
  void WriteTo(TBitmap32* dest, const TPalette32& palette) const;
  // Another byte map copies size and cells; a bitmap is read as weighted grey.
  void Assign(const TPersistent* source) override;

protected:
  // A bitmap receives the cells as uniform grey.
  void AssignTo(TPersistent* dest) const override;
};

class TWordMap : public TValueMap<Word> {};
class TIntegerMap : public TValueMap<Integer> {};

// The number of cells of a map of that size, refused with EOutOfMemory when the
// store could not be addressed.
size_t MapCellCount(Integer width, Integer height, size_t cellBytes);
