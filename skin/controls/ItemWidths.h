// The text widths of a list box's items, kept in step with the items as the
// list adds, inserts and deletes them, so the widest is known without reading
// every text back from the window (a message each, slow under Wine). The
// widths hold for one font; another font, or a change the list did not
// report, asks for them all again.
#pragma once

#include <memory>
#include <vector>

#include "platform/graphics/Graphics.h"

class TspItemWidths {
public:
  TspItemWidths() = default;
  TspItemWidths(const TspItemWidths&) = delete;
  TspItemWidths& operator=(const TspItemWidths&) = delete;
  ~TspItemWidths();

  // Whether the widths are known and were measured in this font.
  bool KnownFor(const TFont* font) const;
  // Takes every item's width, measured in `font` by the caller.
  void Assign(const TFont* font, std::vector<Integer> widths);
  void Forget() { known_ = false; }

  // The list's own changes; each measures or drops one width.
  void Inserted(int index, const char* text);
  void Deleted(int index);
  void Cleared() { widths_.clear(); }

  Integer Widest() const;

private:
  std::unique_ptr<TFont> font_;  // owned copy of the font measured in
  HDC dc_ = nullptr;             // owned memory DC with font_ selected
  HGDIOBJ oldFont_ = nullptr;
  std::vector<Integer> widths_;
  bool known_ = false;
};
