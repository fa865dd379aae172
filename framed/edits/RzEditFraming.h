// TRzEditFraming: the frame and face colours the framed edits share, put over
// any edit-type platform control (the mask edit of the framed edit base, the
// memo, the rich edit, the hot-key control) and over the list box. The frame is
// painted in the family's styles in the non-client area, in a hot style while the mouse is over the
// control or it has the focus; the face switches between a normal, a focus and a
// disabled colour; a frame controller may supply all of it.
#pragma once

#include <memory>

#include "framed/common/RzCommon_Types.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Messages.h"

template <class Base>
class TRzEditFraming : public Base {
public:
  explicit TRzEditFraming(TComponent* owner);
  ~TRzEditFraming() override;

  TColor DisabledColor() const { return disabledColor_; }
  virtual void SetDisabledColor(TColor value);
  TColor FocusColor() const { return focusColor_; }
  virtual void SetFocusColor(TColor value);
  // The colour the face has while enabled and without the focus: the user's.
  TColor NormalColor() const { return normalColor_; }
  TColor FrameColor() const { return frameColor_; }
  virtual void SetFrameColor(TColor value);
  TColor FrameHotColor() const { return frameHotColor_; }
  virtual void SetFrameHotColor(TColor value);
  bool FrameHotTrack() const { return frameHotTrack_; }
  // Hot tracking shows the frame, on every side unless a definition is being read.
  virtual void SetFrameHotTrack(bool value);
  TFrameStyle FrameHotStyle() const { return frameHotStyle_; }
  virtual void SetFrameHotStyle(TFrameStyle value);
  TSides FrameSides() const { return frameSides_; }
  virtual void SetFrameSides(TSides value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  virtual void SetFrameStyle(TFrameStyle value);
  bool FrameVisible() const { return frameVisible_; }
  virtual void SetFrameVisible(bool value);
  TFramingPreference FramingPreference() const { return framingPreference_; }
  virtual void SetFramingPreference(TFramingPreference value);
  TRzFrameController* FrameController() const { return frameController_; }
  virtual void SetFrameController(TRzFrameController* value);

  // The frame draws in its hot style: hot tracking while focused or under the mouse.
  bool FrameHot() const { return frameHotTrack_ && (FaceFocused() || mouseOver_); }
  bool MouseOver() const { return mouseOver_; }
  // Visual styles draw the frame instead (with fpXPThemes while themes are on).
  virtual bool UseThemes() const;
  void Loaded() override;

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

protected:
  // Whether the face shows the focus colour and the frame its hot style.
  virtual bool FaceFocused() const { return this->Focused(); }
  virtual void UpdateColors();
  // A change of the mouse-over state (viaMouse) or of the focus: the frame and
  // the face follow.
  virtual void UpdateFrame(bool viaMouse, bool inFocus);
  virtual void RepaintFrame();
  // Paints over the system's non-client area (the window's DC is bound to the
  // frame canvas): the frame, when shown and not themed.
  virtual void PaintNonClient(TMessage& message);
  virtual void MouseEnter() { OnMouseEnter(this); }
  virtual void MouseLeave() { OnMouseLeave(this); }

  void DefineProperties(TFiler* filer) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Dispatch(TMessage& message) override;
  void CMEnter(TMessage& message) override;
  void CMExit(TMessage& message) override;
  void CMColorChanged(TMessage& message) override;
  void CMParentColorChanged(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;

  TControlCanvas* FrameCanvas() const { return frameCanvas_.get(); }
  void SetMouseOver(bool value) { mouseOver_ = value; }
  TColor FaceColor() const { return !this->Enabled() ? disabledColor_ : FaceFocused() ? focusColor_ : normalColor_; }

private:
  void WMNCPaint(TMessage& message);
  void TakeUserColor();
  template <class T>
  void SetFrameValue(T& field, T value) {
    if (field == value) return;
    field = value;
    RepaintFrame();
  }

  std::unique_ptr<TControlCanvas> frameCanvas_;  // owned, bound to the control
  bool updatingColors_ = false;
  TColor disabledColor_ = clBtnFace;
  TColor focusColor_ = clWindow;
  TColor normalColor_ = clWindow;
  TColor frameColor_ = clBtnShadow;
  TColor frameHotColor_ = clBtnShadow;
  TRzFrameController* frameController_ = nullptr;  // borrowed, with a free notification
  bool frameHotTrack_ = false;
  TFrameStyle frameHotStyle_ = fsFlatBold;
  TSides frameSides_ = sdAllSides;
  TFrameStyle frameStyle_ = fsFlat;
  bool frameVisible_ = false;
  TFramingPreference framingPreference_ = fpXPThemes;
  bool mouseOver_ = false;
};
