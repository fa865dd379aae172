// TRzCustomComboBox and TRzComboBox: the family's combo box. A drop-down list
// searches its items as the user types (the typed text is forgotten 1.5 s after
// the last key, on the family's clock); an edit-style box completes the typed
// text from its items. It can draw a frame in the family's styles over itself,
// with hot tracking and a flat drop-down button, switches its face between a
// normal, a focus and a disabled colour, and has a read-only mode.
#pragma once

#include <functional>
#include <memory>

#include "framed/common/RzClock.h"
#include "framed/common/RzCommon_Types.h"
#include "framed/settings/RzCommon_FrameController.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/WindowSubclass.h"
#include "platform/stdctrls/ComboBox.h"

using TRzDeleteComboItemEvent = TEvent<TObject*, void*>;

class TRzCustomComboBox : public TCustomComboBox {
public:
  explicit TRzCustomComboBox(TComponent* owner);
  ~TRzCustomComboBox() override;

  bool AllowEdit = true;
  bool BeepOnInvalidKey = true;
  bool KeepSearchCase = false;
  bool TabOnEnter = false;
  bool ShowFocusBorder = true;
  // This class's completion (the platform's own is kept off).
  bool RzAutoComplete() const { return autoComplete_; }
  void SetRzAutoComplete(bool value) { autoComplete_ = value; }

  TColor DisabledColor() const { return disabledColor_; }
  virtual void SetDisabledColor(TColor value);
  TColor FocusColor() const { return focusColor_; }
  virtual void SetFocusColor(TColor value);
  TColor NormalColor() const { return normalColor_; }
  bool FlatButtons() const { return flatButtons_; }
  virtual void SetFlatButtons(bool value);
  TColor FlatButtonColor() const { return flatButtonColor_; }
  virtual void SetFlatButtonColor(TColor value);
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
  TRzFrameController* FrameController() const { return frameController_; }
  virtual void SetFrameController(TRzFrameController* value);
  int DropDownWidth() const { return dropDownWidth_; }
  virtual void SetDropDownWidth(int value);
  bool ReadOnly() const { return readOnly_; }
  virtual void SetReadOnly(bool value);
  // Kept for every style; the window takes it only in the owner-drawn styles.
  int ItemHeight2() const { return itemHeight2_; }
  void SetItemHeight2(int value);

  const String& SearchString() const { return searchString_; }
  bool HasFocus() const { return hasFocus_; }
  bool Focused() const { return hasFocus_; }
  virtual bool UseThemes() const;
  void ForceText(const String& value);
  virtual int FindClosest(const String& s);
  bool FindItem(const String& s);
  bool FindClosestItem(const String& s);
  virtual int IndexOf(const String& s) { return Items()->IndexOf(s); }
  void Loaded() override;

  // Whether a byte begins a double-byte character; the system's test unless a
  // test replaces it (an empty function puts the system's back).
  static void SetLeadByteTest(std::function<bool(char)> test);
  static bool IsLeadByte(char c);

  TRzDeleteComboItemEvent OnDeleteItem;
  TNotifyEvent OnMatch;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TNotifyEvent OnNotInList;
  TNotifyEvent OnSelEndCancel;
  TNotifyEvent OnSelEndOk;

protected:
  virtual void UpdateColors();
  virtual void UpdateFrame(bool viaMouse, bool value);
  virtual void InvalidKeyPressed();
  virtual void UpdateIndex(const String& s, TMessage& message);
  virtual bool FindListItem(const String& s, TMessage& message);
  virtual void DeleteItem(void* item) { OnDeleteItem(this, item); }
  virtual void Match() { OnMatch(this); }
  virtual void MouseEnter() { OnMouseEnter(this); }
  virtual void MouseLeave() { OnMouseLeave(this); }
  virtual void NotInList() { OnNotInList(this); }
  virtual void SelEndCancel() { OnSelEndCancel(this); }
  virtual void SelEndOk() { OnSelEndOk(this); }
  void CloseUp() override;
  void KeyPress(char& key) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
  void DefineProperties(TFiler* filer) override;
  void Notification(TComponent* component, TOperation operation) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void CNCommand(TMessage& message) override;
  void CMEnter(TMessage& message) override;
  void CMExit(TMessage& message) override;
  void CMColorChanged(TMessage& message) override;
  void CMParentColorChanged(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;
  // The messages of the edit inside an edit-style box.
  void ComboWndProc(TMessage& message);
  bool ListStyle() const { return Style() != csDropDown && Style() != csSimple; }
  void RepaintNow();

  std::unique_ptr<TControlCanvas> frameCanvas_;  // owned, bound to the control

private:
  void PaintFrame();
  void CNCtlColor(TMessage& message);
  void TakeUserColor();
  bool ListSearchMessage(TMessage& message);
  void ListBackspace(TMessage& message);
  void SearchTimerExpired(TObject* sender);
  void RestartSearchTimer();
  void EditChar(TMessage& message);
  void EditBackspace(TMessage& message);
  void EditKeyDown(TMessage& message);
  void UpdateSearchStr();
  void SetSearchText(const String& text);
  void FireClickAndChange();

  bool autoComplete_ = true;
  int itemHeight2_ = 16;
  bool flatButtons_ = false;
  TColor flatButtonColor_ = clBtnFace;
  bool updatingColors_ = false;
  TColor disabledColor_ = clBtnFace;
  TColor focusColor_ = clWindow;
  TColor normalColor_ = clWindow;
  TColor frameColor_ = clBtnShadow;
  TRzFrameController* frameController_ = nullptr;  // borrowed, with a free notification
  TColor frameHotColor_ = clBtnShadow;
  bool frameHotTrack_ = false;
  TFrameStyle frameHotStyle_ = fsFlatBold;
  TSides frameSides_ = sdAllSides;
  TFrameStyle frameStyle_ = fsFlat;
  bool frameVisible_ = false;
  TFramingPreference framingPreference_ = fpXPThemes;
  String searchString_;
  int savedDropDownWidth_ = 0;
  int dropDownWidth_ = 0;
  bool searching_ = false;
  std::unique_ptr<TRzTimer> searchTimer_;  // owned
  bool skipTextUpdate_ = false;
  bool escapeWhileDropped_ = false;
  bool enterPressed_ = false;
  bool readOnly_ = false;
  bool systemKeyDown_ = false;
  bool focusFrame_ = false;
  bool mouseOver_ = false;
  bool hasFocus_ = false;
  HBRUSH brush_ = nullptr;  // owned: the face colour answered to the system
  TColor brushColor_ = clNone;
  TWindowSubclass editHook_;
};

class TRzComboBox : public TRzCustomComboBox {
public:
  using TRzCustomComboBox::TRzCustomComboBox;
};
