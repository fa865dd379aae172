// TRzFrameController: one set of framing settings (colours, frame styles, sides,
// visibility, framing preference) pushed to every framed control that names it,
// saved to and loaded from a settings store. A control that implements
// IRzCustomFramingNotification copies what it needs when told; any other control
// receives the settings through its published properties of the same names.
#pragma once

#include <functional>

#include "framed/common/RzCommon_Types.h"
#include "platform/core/Component.h"
#include "platform/core/Lists.h"

class TRzRegIniFile;
class TFiler;
struct TEnumNames;
struct TPropInfo;

// {64B1C9EA-C954-428A-95C4-4EA2EB0F1E16}
class IRzCustomFramingNotification {
public:
  virtual ~IRzCustomFramingNotification() = default;
  virtual void CustomFramingChanged() = 0;
};

enum TRzFrameProperty : Byte {
  fpAll, fpColor, fpFocusColor, fpDisabledColor, fpParentColor, fpFlatButtonColor, fpFlatButtons, fpFrameColor,
  fpHotColor, fpHotTrack, fpHotStyle, fpSides, fpStyle, fpVisible, fpPreference
};

class TRzFrameController : public TComponent {
public:
  explicit TRzFrameController(TComponent* owner);
  ~TRzFrameController() override;

  void AddControl(TComponent* component);
  void RemoveControl(TComponent* component);
  int ControlCount() const { return controls_ ? controls_->Count() : 0; }
  bool HasControlList() const { return controls_ != nullptr; }
  void BeginUpdate() { ++updating_; }
  void EndUpdate();
  void UpdateControls() { UpdateFrames(fpAll); }
  virtual void UpdateControlFrame(TComponent* component, TRzFrameProperty property);
  virtual void UpdateFrames(TRzFrameProperty property);

  void Load(const String& section);
  void Save(const String& section);
  void Assign(const TPersistent* source) override;

  TColor Color() const { return color_; }
  virtual void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  virtual void SetParentColor(bool value);
  TColor FlatButtonColor() const { return flatButtonColor_; }
  virtual void SetFlatButtonColor(TColor value);
  bool FlatButtons() const { return flatButtons_; }
  virtual void SetFlatButtons(bool value);
  TColor DisabledColor() const { return disabledColor_; }
  virtual void SetDisabledColor(TColor value);
  TColor FocusColor() const { return focusColor_; }
  virtual void SetFocusColor(TColor value);
  TColor FrameColor() const { return frameColor_; }
  virtual void SetFrameColor(TColor value);
  TColor FrameHotColor() const { return frameHotColor_; }
  virtual void SetFrameHotColor(TColor value);
  bool FrameHotTrack() const { return frameHotTrack_; }
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
  TRzRegIniFile* RegIniFile() const { return regIniFile_; }
  virtual void SetRegIniFile(TRzRegIniFile* value);

protected:
  void DefineProperties(TFiler* filer) override;
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  // Writes one setting into a control's published property of that name.
  void PushProperty(TComponent* control, TRzFrameProperty property);
  // The value of one setting as the control's property `target` takes it.
  Int64 SettingValue(TRzFrameProperty property, const TPropInfo* target) const;

  int updating_ = 0;
  TList* controls_ = nullptr;  // owned; the controls in it are borrowed
  TRzRegIniFile* regIniFile_ = nullptr;  // borrowed, with a free notification
  TColor color_ = clWindow;
  bool parentColor_ = false;
  TColor flatButtonColor_ = clBtnFace;
  bool flatButtons_ = true;
  TColor disabledColor_ = clBtnFace;
  TColor focusColor_ = clWindow;
  TColor frameColor_ = clBtnShadow;
  TColor frameHotColor_ = clBtnShadow;
  bool frameHotTrack_ = false;
  TFrameStyle frameHotStyle_ = fsFlatBold;
  TSides frameSides_ = sdAllSides;
  TFrameStyle frameStyle_ = fsFlat;
  bool frameVisible_ = false;
  TFramingPreference framingPreference_ = fpXPThemes;
};

// The names of the family's published enumerations and sets.
const TEnumNames& FrameStyleNames();
const TEnumNames& SideNames();
const TEnumNames& FramingPreferenceNames();

// The frame properties older versions stored, read into today's and never
// written: FrameFlat (a hot-tracked status frame, lowered while hot) and
// FrameFocusStyle (the hot style); FrameFlatStyle is read and dropped.
struct TRzOldFrameSetters {
  std::function<void(bool)> HotTrack;
  std::function<void(TFrameStyle)> Style;
  std::function<void(TFrameStyle)> HotStyle;
};
void DefineOldFrameProperties(TFiler* filer, const TRzOldFrameSetters& set);

// Publishes TRzFrameController (and the settings store) for form definitions.
void PublishFrameController();
