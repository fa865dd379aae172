// TspSkinBitLabel: a caption drawn from a picture font of the skin: the "bitlabel"
// record holds a grid of character cells (SkinTextRect, SymbolWidth x
// SymbolHeight) and the characters of each grid row (Symbols). Without a record
// the caption is plain text on a button face.
#pragma once

#include "skin/controls/SkinCtrls.h"

class TspSkinBitLabel : public TspSkinCustomControl {
public:
  explicit TspSkinBitLabel(TComponent* owner);

  bool AutoSizeX() const { return autoSize_; }
  void SetAutoSizeX(bool value);
  Integer FixLength() const { return fixLength_; }
  // A fixed number of cells; switches AutoSize off and, with a record, sets the width.
  void SetFixLength(Integer value);

  void GetSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;
  void CalcSize(Integer& width, Integer& height) override;
  // The skin's fixed parts plus FixLength cells.
  Integer GetFixWidth() const;
  void AdjustBounds();

  TRect SkinTextRect;
  Integer SymbolWidth = 0, SymbolHeight = 0;
  TStrings* Symbols = nullptr;  // borrowed from the record

protected:
  void CMTextChanged(TMessage& message) override;

private:
  Integer ExtraWidth() const;  // what the caption's cells need beyond the client part

  bool autoSize_ = false;
  Integer fixLength_ = 0;
};
