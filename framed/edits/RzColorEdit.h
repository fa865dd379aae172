// TRzColorEdit: a colour chooser that looks like an edit with a drop-down button.
// It shows the chosen colour as a swatch (a hatched box for no colour), takes no
// typing and shows no caret; a click or Alt+Down drops a colour picker in a popup
// panel, and only a choice there changes the colour.
#pragma once

#include "framed/components/RzCustomColors.h"
#include "framed/controls/RzEdit.h"
#include "platform/controls/Dialogs.h"

class TRzColorEdit : public TRzCustomEdit {
public:
  explicit TRzColorEdit(TComponent* owner);

  TColor CustomColor = clWhite;
  TColor DefaultColor = clHighlight;
  TColorDialogOptions ColorDlgOptions = ColorDialogOption(cdFullOpen);
  String CustomColorCaption, NoColorCaption, DefaultColorCaption;
  bool ShowCustomColor = false;
  bool ShowNoColor = false;
  bool ShowDefaultColor = false;
  bool ShowSystemColors = false;
  bool ShowColorHints = true;
  TRzCustomColors* CustomColors() const { return customColors_; }
  virtual void SetCustomColors(TRzCustomColors* value);
  TColor SelectedColor() const { return selectedColor_; }
  virtual void SetSelectedColor(TColor value);

  // Drops the picker; only a choice there changes the colour (and fires OnChange).
  virtual void DisplayColorPicker();

protected:
  void DropDown() override;
  void Notification(TComponent* component, TOperation operation) override;
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void WMSetFocus(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;
  void WMPaint(TMessage& message) override;

private:
  void PaintSwatch(HDC dc);

  TRzCustomColors* customColors_ = nullptr;  // borrowed, with a free notification
  TColor selectedColor_ = clNone;
};
