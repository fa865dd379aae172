// The live objects of a skinned frame: one per object record of the skin, owned
// by the form component's object list. The base copies what it needs from its
// record, draws its normal, active and inactive looks, morphs between them and
// reports mouse events to the form by name; the descendants here are the
// button-like objects (user object, switch, button, caption button, animation).
// Value objects and the caption object have headers of their own.
#pragma once

#include "platform/controls/Control.h"
#include "platform/graphics/Bitmap.h"
#include "skin/data/SkinData.h"

class TspDynamicSkinForm;
class TMenuItem;

enum TSwitchState : Byte { swsOn, swsOff };

// Whether an object's picture of that size is drawn at all: skins are read from
// untrusted files, and a rectangle no frame can show is not worth a bitmap.
inline bool DrawableSize(Integer width, Integer height) {
  return width > 0 && height > 0 && width <= 8192 && height <= 8192;
}

class TspActiveSkinObject : public TObject {
public:
  TspActiveSkinObject(TspDynamicSkinForm* form, TspDataSkinObject* data);
  ~TspActiveSkinObject() override = default;

  virtual void Draw(TCanvas* canvas, bool update);
  virtual void DblClick() {}
  virtual void MouseDown(Integer x, Integer y, TMouseButton button);
  virtual void MouseUp(Integer x, Integer y, TMouseButton button);
  virtual void MouseMove(Integer x, Integer y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual bool CanMorphing() const;

  bool EnableMorphing() const;
  void Redraw();
  void DoMorphing();
  void SetMorphKf(double value);
  // A morph toward the present look is under way.
  bool MorphInProgress() const;

  TspDynamicSkinForm* SkinForm;  // the owner's component; not owned
  double MorphKf = 0;
  bool MouseOver = false;
  TBitmap* Picture = nullptr;        // borrowed from the skin
  TBitmap* ActivePicture = nullptr;  // borrowed; nullptr for an index outside the list
  TspSkinData* SkinData = nullptr;   // borrowed
  String IDName;
  String Hint;
  TRect skinrect, activeskinrect, inactiveskinrect;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
  TRect ObjectRect;
  bool Active = false;
  bool Enabled = true;
  Integer cursorindex = -1;
  bool RollUp = false;
  bool Visible = true;
  bool skinrectinapicture = false;

protected:
  bool HasSkin() const;
  // Copies r of a picture into ObjectRect (stretched to it); nothing without the picture.
  void CopyFrom(TCanvas* canvas, TBitmap* picture, const TRect& r) const;
  // Copies a look of the object's own picture (down, disabled, restore, frame);
  // an object whose skin names no such picture shows its normal look instead.
  void CopyLook(TCanvas* canvas, const TRect& r) const;
  // Draws the morph between two rectangles of two pictures at ObjectRect.
  void DrawMorph(TCanvas* canvas, TBitmap* normalPicture, const TRect& normal, TBitmap* activePicture,
                 const TRect& active) const;
};

class TspUserObject : public TspActiveSkinObject {
public:
  using TspActiveSkinObject::TspActiveSkinObject;
  void Draw(TCanvas* canvas, bool update) override;
};

class TspSkinSwitchObject : public TspActiveSkinObject {
public:
  using TspActiveSkinObject::TspActiveSkinObject;
  void SetState(TSwitchState value);
  void SimpleSetState(TSwitchState value);
  void MouseDown(Integer x, Integer y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  TSwitchState State = swsOff;
};

class TspSkinButtonObject : public TspActiveSkinObject {
public:
  TspSkinButtonObject(TspDynamicSkinForm* form, TspDataSkinObject* data);
  void Draw(TCanvas* canvas, bool update) override;
  bool CanMorphing() const override;
  void MouseDown(Integer x, Integer y, TMouseButton button) override;
  void MouseUp(Integer x, Integer y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void SetDown(bool value);
  virtual void TrackMenu();

  bool Down = false;
  bool PopupUp = false;
  TRect downrect, disableskinrsect;
  Integer GroupIndex = -1;
  TMenuItem* MenuItem = nullptr;  // borrowed from a linked menu

protected:
  void ReleaseGroup();
};

class TspSkinStdButtonObject : public TspSkinButtonObject {
public:
  TspSkinStdButtonObject(TspDynamicSkinForm* form, TspDataSkinObject* data);
  void Draw(TCanvas* canvas, bool update) override;
  bool CanMorphing() const override;
  void MouseDown(Integer x, Integer y, TMouseButton button) override;
  void MouseUp(Integer x, Integer y, TMouseButton button) override;
  void DblClick() override;
  void DefaultDraw(TCanvas* canvas);
  void DoCommand();
  void DoClose();
  void DoMax();
  void DoMin();
  void DoRollUp();
  void DoMinimizeToTray();
  bool InRestoreState() const;

  bool HasSkin = false;
  TStdCommand Command = cmDefault;
  TRect restorerect, restoreactiverect, restoredownrect, restoreinactiverect;

private:
  bool ShowsIcon() const;
};

class TspSkinAnimateObject : public TspActiveSkinObject {
public:
  TspSkinAnimateObject(TspDynamicSkinForm* form, TspDataSkinObject* data);
  void Draw(TCanvas* canvas, bool update) override;
  void MouseDown(Integer x, Integer y, TMouseButton button) override;
  void MouseUp(Integer x, Integer y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DblClick() override;
  void Start();
  void Stop();
  void ChangeFrame();
  void SetFrame(Integer value);
  void DoCommand();
  void TrackMenu();

  bool MenuOpened = false;
  Integer Frame = 1;
  Integer FrameTime = 25;
  Integer TimerInterval = 25;
  TMenuItem* MenuItem = nullptr;  // borrowed
  bool Down = false;
  bool PopupUp = false;
  Integer countframes = 0;
  bool Cycle = false;
  bool ButtonStyle = false;
  bool PlayForward = true;
  TStdCommand Command = cmDefault;
  TRect DownSkinRect, restorerect, restoreactiverect, restoreinactiverect, restoredownrect;

private:
  bool InRestoreState() const;
  TRect FrameRect(Integer frame) const;
  // The timer, or the held-down look at once.
  void PlayOrDraw();
};

// The base of the non-visual skin components: a skin container and the two
// skin-change calls the form component makes on them.
class TspSkinComponent : public TComponent {
public:
  explicit TspSkinComponent(TComponent* owner) : TComponent(owner) {}
  TspSkinData* SkinData() const { return skinData_; }
  virtual void SetSkinData(TspSkinData* value);
  virtual void BeforeChangeSkinData() {}
  virtual void ChangeSkinData() {}

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
};

// The form component of a form; nullptr for nullptr or a form without one.
TspDynamicSkinForm* GetDynamicSkinFormComponent(TComponent* form);
