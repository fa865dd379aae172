// TRzDialogComponent: the base of the components that wrap a dialog: the
// dialog's font, size, position, frame and button captions, set before the
// descendant shows its dialog.
#pragma once

#include <memory>

#include "framed/common/RzCommon_Types.h"
#include "platform/controls/BorderStyle.h"
#include "platform/controls/CustomForm.h"
#include "platform/graphics/GraphicsObjects.h"

class TRzDialogComponent : public TComponent {
public:
  // Takes the owning form's font, or "MS Sans Serif" 8 when the owner is no form.
  explicit TRzDialogComponent(TComponent* owner);
  ~TRzDialogComponent() override;

  TFont* Font() const { return font_.get(); }  // owned
  virtual void SetFont(const TFont* value) { font_->Assign(value); }
  bool CenterToParent() const { return centerToParent_; }
  // True centres the dialog on its owner form, false on the screen.
  virtual void SetCenterToParent(bool value);
  TPosition Position = poScreenCenter;
  int OriginLeft = 100;
  int OriginTop = 100;
  // Gives a dialog form the component's position.
  void CenterForm(TCustomForm* form) const { form->SetPosition(Position); }

  // What the descendant's dialog takes.
  int Height = 300;
  int Width = 350;
  TFormBorderStyle BorderStyle = bsSizeable;
  int HelpContext = 0;
  TColor FrameColor = clBtnShadow;
  TFrameStyle FrameStyle = fsFlat;
  bool FrameVisible = false;
  TFramingPreference FramingPreference = fpXPThemes;
  String CaptionOK;
  String CaptionCancel;
  String CaptionHelp;

private:
  std::unique_ptr<TFont> font_;
  bool centerToParent_ = false;
};
