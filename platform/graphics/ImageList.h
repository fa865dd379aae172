// Image lists over comctl32: equally sized images drawn by index, enabled or
// greyed. Descendants that keep their pictures elsewhere (the PNG image list)
// override DoDraw.
#pragma once

#include <vector>

#include "platform/core/Component.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Icon.h"

#include <commctrl.h>

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TImageType { itImage, itMask };

class TCustomImageList;

// A control's link to an image list it shows: the list tells every link of a
// change, so several controls follow one list. The link leaves the list when
// it is destroyed.
class TChangeLink {
public:
  ~TChangeLink();
  TCustomImageList* Sender() const { return sender_; }
  TNotifyEvent OnChange;

private:
  friend class TCustomImageList;
  TCustomImageList* sender_ = nullptr;  // borrowed: the list this link is registered with
};

class TCustomImageList : public TComponent {
public:
  explicit TCustomImageList(TComponent* owner);
  ~TCustomImageList() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  // A new size empties the list.
  void SetWidth(int width);
  void SetHeight(int height);
  void SetSize(int width, int height);
  int Count() const;

  // The comctl32 image list (owned), made on first use.
  HIMAGELIST Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }

  // Adds the image (cut into Width-wide pieces when it is wider) with its mask (1 =
  // transparent; nullptr for none); returns the index of the first piece.
  // EInvalidOperation when the list refuses it.
  int Add(TBitmap* image, TBitmap* mask);
  // Adds the image with every pixel of `maskColor` transparent.
  int AddMasked(TBitmap* image, TColor maskColor);
  int AddIcon(TIcon* icon);
  void Insert(int index, TBitmap* image, TBitmap* mask);
  void Replace(int index, TBitmap* image, TBitmap* mask);
  void Delete(int index);
  void Clear();
  // The image of `index` on a bitmap of Width x Height.
  void GetBitmap(int index, TBitmap* image);

  // Draws with DrawingStyle and ImageType; a disabled image is drawn greyed:
  // its non-white, non-transparent pixels in clBtnShadow with a clBtnHighlight
  // copy one pixel down and right behind them.
  void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
  void Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle style, TImageType type, bool enabled = true);

  TDrawingStyle DrawingStyle = dsNormal;
  TImageType ImageType = itImage;
  TColor BkColor = clNone;     // clNone: transparent parts stay as they were
  TColor BlendColor = clNone;  // for dsFocus and dsSelected; clNone: the highlight colour
  bool Masked = true;

  TNotifyEvent OnChange;
  // Links told of every change after OnChange (borrowed; a link is told once).
  void RegisterChanges(TChangeLink* link);
  void UnRegisterChanges(TChangeLink* link);

  void Assign(const TPersistent* source) override;

protected:
  // Draws image `index`; `style` holds the ILD_* flags.
  virtual void DoDraw(int index, TCanvas* canvas, int x, int y, UINT style, bool enabled);
  virtual void Change();
  void CheckIndex(int index) const;

private:
  void Recreate();

  HIMAGELIST handle_ = nullptr;  // owned
  std::vector<TChangeLink*> links_;  // borrowed
  int width_ = 16;
  int height_ = 16;
};

class TImageList : public TCustomImageList {
public:
  using TCustomImageList::TCustomImageList;
};
