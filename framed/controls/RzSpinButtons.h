// TRzSpinButtons: a windowed pair of repeating control buttons, up/right and
// down/left, stacked or side by side; the spin edit holds one, and one can stand
// beside any control named as its FocusControl.
#pragma once

#include "framed/controls/RzControlButton.h"
#include "platform/controls/WinControl.h"

enum TSpinDirection : Byte { sdUpDown, sdLeftRight };

class TRzSpinButtons : public TWinControl {
public:
  explicit TRzSpinButtons(TComponent* owner);

  TSpinDirection Direction() const { return direction_; }
  virtual void SetDirection(TSpinDirection value);
  TOrientation Orientation() const { return orientation_; }
  virtual void SetOrientation(TOrientation value);
  bool Flat() const { return flat_; }
  virtual void SetFlat(bool value);
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);
  virtual bool GetAllEnabled() const { return Enabled(); }
  virtual void SetAllEnabled(bool value);
  virtual TColor GetColor() const { return Color(); }
  virtual void SetColor(TColor value);
  TBitmap* GetUpRightGlyph() const { return upRight_->Glyph(); }
  virtual void SetUpRightGlyph(const TBitmap* value);
  TBitmap* GetDownLeftGlyph() const { return downLeft_->Glyph(); }
  virtual void SetDownLeftGlyph(const TBitmap* value);
  TNumGlyphs GetUpRightNumGlyphs() const { return upRight_->NumGlyphs(); }
  void SetUpRightNumGlyphs(TNumGlyphs value) { upRight_->SetNumGlyphs(value); }
  TNumGlyphs GetDownLeftNumGlyphs() const { return downLeft_->NumGlyphs(); }
  void SetDownLeftNumGlyphs(TNumGlyphs value) { downLeft_->SetNumGlyphs(value); }
  bool CustomUpRightGlyph() const { return customUpRight_; }
  bool CustomDownLeftGlyph() const { return customDownLeft_; }
  TRzControlButton* UpRightButton() const { return upRight_; }
  TRzControlButton* DownLeftButton() const { return downLeft_; }

  void SetBounds(int left, int top, int width, int height) override;
  void Loaded() override;

  TNotifyEvent OnUpRightClick;
  TNotifyEvent OnDownLeftClick;

protected:
  virtual TRzControlButton* CreateButton();
  virtual void AdjustDimensions(int width, int height);
  virtual void UpRightClick() { OnUpRightClick(this); }
  virtual void DownLeftClick() { OnDownLeftClick(this); }
  void BtnClickHandler(TObject* sender);
  void BtnMouseDownHandler(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
  void BtnGlyphChangeHandler(TObject* sender);
  void Notification(TComponent* component, TOperation operation) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void WMSize(TMessage& message) override;
  void Dispatch(TMessage& message) override;

private:
  TRzControlButtonStyle ArrowStyle(bool upRight) const;
  TSpinDirection direction_ = sdUpDown;
  TOrientation orientation_ = orVertical;
  TRzControlButton* upRight_ = nullptr;   // owned as a child component
  TRzControlButton* downLeft_ = nullptr;  // owned as a child component
  TWinControl* focusControl_ = nullptr;   // borrowed, with a free notification
  bool flat_ = false;
  bool customUpRight_ = false;
  bool customDownLeft_ = false;
};
