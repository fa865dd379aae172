// TspDynamicSkinForm: the component that skins its owner form. It takes over the
// form's window procedure, sizes and paints the caption, border and caption
// buttons from the skin (or a plain frame of its own without one), shapes the
// window from the skin's mask, answers hit tests, keeps its own window states
// (maximize, minimize, roll-up), snaps to work-area edges, and hands every skin
// change on to the controls of the form. Its sources: DynamicSkinForm.cpp (life
// and skin changes), ...WndProc.cpp (the window procedure), ...Frame.cpp
// (geometry, regions, hit tests), ...Paint.cpp (frame painting),
// ...Background.cpp (client background and areas), ...Window.cpp (states and
// moves), ...Objects.cpp (the frame objects and their timers).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/controls/Forms.h"
#include "platform/controls/WindowSubclass.h"
#include "platform/core/Timer.h"
#include "skin/controls/SkinPaintMessages.h"
#include "skin/form/ActiveSkinObject.h"
#include "skin/form/FormMenuSeams.h"

class TspSkinCaptionObject;
class TspSkinMDITabsBar;
class TspSkinMainMenuBar;
class TMainMenu;
class TMenu;

// The caption commands a skinned form offers: the form's own biSystemMenu,
// biMinimize and biMaximize bits, and two of the skin's.
using TspBorderIcons = unsigned;
constexpr TspBorderIcons biRollUp = 8, biMinimizeToTray = 16;
enum TspPositionInMonitor : Byte { sppDefault, sppScreenCenter, sppDesktopCenter };

// Answered to CM_SKINFORMQUERY, CM_SENCPAINT and CM_BENCPAINT.
constexpr UINT CM_SKINFORMQUERY = 0xB1B2;
constexpr UINT WM_MDICHILDMOVE = WM_USER + 206;
constexpr UINT WM_MDICHILDMAX = WM_USER + 207;
constexpr UINT WM_MDICHILDRESTORE = WM_USER + 208;
constexpr LRESULT SkinFormAnswer = 12853, UnskinnedVistaAnswer = 12852, SeNcPaintAnswer = 12851;
constexpr LPARAM BeNcPaintKey = 16802;
// HTOBJECT (19): the hit-test code of frame points the component handles itself.

using TspCaptionPaintEvent = TEvent<TCanvas*, TRect, bool>;
using TChangeClientRectEvent = TEvent<TRect>;
using TspActivateCustomObjectEvent = TEvent<const String&, bool&>;
using TspObjectEvent = TEvent<const String&>;
using TspObjectMouseEvent = TEvent<const String&, Integer, Integer, TRect, TMouseButton>;
using TspObjectMoveEvent = TEvent<const String&, Integer, Integer, TRect>;
using TspObjectPaintEvent = TEvent<const String&, TCanvas*, TRect>;
using TspSwitchEvent = TEvent<const String&, TSwitchState>;
using TspValueEvent = TEvent<const String&, Integer>;

// The skin's inactive effect applied to a picture in place.
void ApplyInactiveEffect(TBitmap& b, TspInActiveEffect kind);
// Fills a client area of clientW x clientH from a tile: stretched by type over
// width x height, or repeated from (0, 0).
void FillFromTile(HDC dc, TBitmap& tile, Integer width, Integer height, Integer clientW, Integer clientH,
                  bool stretch, TspStretchType type);
// A caption in the system code page as wide text.
std::wstring WideOf(const String& text);

// The clock of the fade (milliseconds); tests replace it.
extern std::function<DWORD()> SP_FadeClock;

class TspDynamicSkinForm : public TComponent {
public:
  // EInvalidCast unless the owner is a form.
  explicit TspDynamicSkinForm(TComponent* owner);
  ~TspDynamicSkinForm() override;

  static String GetProductVersion() { return "9.37"; }

  // ---- published ----
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  TspSkinData* MenusSkinData() const { return menusSkinData_; }
  void SetMenusSkinData(TspSkinData* value);
  bool SupportNCArea() const { return supportNCArea_; }
  void SetSupportNCArea(bool value);
  bool Sizeable = true;
  bool DraggAble = false;
  TspBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TspBorderIcons value);
  bool HideCaptionButtons = false;
  bool DisableSystemMenu = false;
  bool UseDefaultSysMenu = true;
  TspPositionInMonitor PositionInMonitor = sppDefault;
  bool MaximizeOnFullScreen = false;
  bool Magnetic = false;
  Byte MagneticSize = 10;
  Integer MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  Integer ClientWidth = 0, ClientHeight = 0;
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool value);
  Byte AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(Byte value);
  bool AlphaBlendAnimation = false;
  bool AlwaysShowInTray = false, AlwaysMinimizeToTray = false;
  TFont* DefCaptionFont() const { return defCaptionFont_.get(); }  // owned
  TFont* DefInActiveCaptionFont() const { return defInActiveCaptionFont_.get(); }  // owned
  bool ShowIcon() const { return showIcon_; }
  void SetShowIcon(bool value);
  TBitmap* LogoBitMap() const { return logoBitMap_.get(); }  // owned
  void SetLogoBitMap(TBitmap* value);
  bool LogoBitMapTransparent = false;
  bool ShowObjectHint = false, UseDefaultObjectHint = true;
  bool UseSkinCursors = false, UseFormCursorInNCArea = false;

  TspCaptionPaintEvent OnCaptionPaint;
  TChangeClientRectEvent OnChangeClientRect;
  TNotifyEvent OnMainMenuEnter, OnMainMenuExit;
  TNotifyEvent OnChangeSkinData, OnActivate, OnDeActivate, OnChangeRollUpState, OnMinimize, OnRestore, OnMaximize,
      OnMinimizeToTray, OnRestoreFromTray;
  TspActivateCustomObjectEvent OnActivateCustomObject;
  TspObjectEvent OnMouseEnterEvent, OnMouseLeaveEvent;
  TspObjectMouseEvent OnMouseDownEvent, OnMouseUpEvent;
  TspObjectMoveEvent OnMouseMoveEvent;
  TspObjectPaintEvent OnPaintEvent;
  TspSwitchEvent OnSwitchChangeStateEvent;
  TspValueEvent OnTrackBarChangeValueEvent, OnFrameRegulatorChangeValueEvent;

  // ---- core (DynamicSkinForm.cpp) ----
  TCustomForm* Form() const { return form_; }
  bool SkinnableForm() const { return skinnableForm_; }
  void SetSkinnableForm(bool value);
  bool SkinActive() const { return skinActive_; }
  bool SkinChanging() const { return skinChanging_; }
  bool UpdatingSkin() const { return updatingSkin_; }
  void ChangeSkinData();
  void SetFormBorderStyle(TFormBorderStyle value);
  void SetFormStyle(TFormStyle value);
  void BeforeUpDateSkinControls(TspSkinData* sender, TControl* control);
  void UpDateSkinControls(TspSkinData* sender, TControl* control);
  void BeforeUpDateSkinComponents();
  void UpDateSkinComponents();
  void CheckControlsBackground();
  void LoadBorderIcons();
  void NewWndProc(TMessage& message);
  void CreateNewForm(bool rebuild);
  // A usable skin: set and not empty.
  bool HasUsableSkin() const { return skinData_ && !skinData_->Empty; }
  bool IsMDIChild() const { return form_->FormStyle() == fsMDIChild; }
  bool IsMDIChildMaximized() const { return IsMDIChild() && windowState_ == wsMaximized; }
  bool HasBorder() const { return form_->BorderStyle() != bsNone; }
  bool FrameVisible() const { return HasBorder() && !IsMDIChildMaximized(); }
  bool Loading() const { return HasState(csLoading); }
  bool Designing() const { return HasState(csDesigning); }
  void SendNCPaint();
  TWndMethod OldWindowProc;  // the form's procedure before the component took it

  // ---- frame (DynamicSkinFormFrame.cpp) ----
  bool CanScale() const;
  bool CanNCSupport() const;
  // The skin draws the frame; otherwise (no skin, or a skin whose frame picture
  // describes no frame) the default frame is drawn and hit-tested.
  bool SkinnedFrame() const { return skinActive_ && CanNCSupport(); }
  void CalcRects();
  void CalcDefRects();
  Integer GetDefCaptionHeight() const;
  Integer GetDefButtonSize() const;
  TRect GetDefCaptionRect();
  TRect CalcRealObjectRect(const TRect& r) const;
  void CalcAllRealObjectRect();
  void CalcNCSize(TRect& proposed);
  void CreateNewRegion(bool rebuild);
  bool PtInMask(const TPoint& p) const;
  bool InForm(const TPoint& screenPoint) const;
  TPoint PointToNCPoint(const TPoint& screenPoint) const;
  LRESULT NewNCHitTest(const TPoint& p) const;
  LRESULT NewDefNCHitTest(TPoint p);
  LRESULT NewHitTest(const TPoint& p) const;
  HRGN FormRegion() const { return formRegion_; }

  // ---- painting (DynamicSkinFormPaint.cpp) ----
  void PaintNCSkin(HDC dc, bool useDC);
  void PaintNCDefault(HDC dc, bool useDC);
  TSize GetIconSize() const;
  HICON GetIcon();
  void DrawFormIcon(TCanvas* canvas, Integer x, Integer y);

  // ---- background (DynamicSkinFormBackground.cpp) ----
  void PaintBG(HDC dc);
  void PaintBG2(HDC dc);
  void PaintBGDefault(HDC dc);
  void Paint(HDC dc);
  void DrawLogoBitMap(TCanvas* canvas);
  void CreateRealBitMap(TBitmap* dest, TBitmap* source);
  TRect GetAreaRect(const String& areaName) const;
  void LinkControlToArea(const String& areaName, TControl* control);
  void UnLinkControlFromArea(TControl* control);
  void LinkControlsToAreas();
  void ControlsToAreas();
  size_t AreaLinkCount() const { return areaLinks_.size(); }
  // The picture of a named-picture index; nullptr for -1 or an index outside the list.
  TBitmap* NamedPicture(Integer index) const;

  // ---- window management (DynamicSkinFormWindow.cpp) ----
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState value);
  void DoMinimize();
  void DoMaximize();
  void DoNormalize();
  void CheckWindowState();
  void CaptionDoubleClick();
  Integer GetMinWidth() const;
  Integer GetMinHeight() const;
  Integer GetMaxWidth() const;
  Integer GetMaxHeight() const;
  TPoint GetMinimizeCoord() const;
  void CheckSize();
  void UpDateForm();
  bool RollUpState() const { return rollUpState_; }
  void SetRollUpState(bool value);
  Integer GetRealHeight() const { return rollUpState_ ? realHeight_ : form_->Height(); }
  void CreateRollUpForm();
  void RestoreRollUpForm();
  void SetRollUpFormRegion();
  void ApplyPositionInMonitor();
  TPoint GetPositionInMonitor(Integer left, Integer top, Integer height, Integer width) const;
  bool DoMagnetic(Integer& left, Integer& top, Integer height, Integer width);
  void StartDragg(Integer x, Integer y);
  void EndDragg() { dragging_ = false; }
  bool Dragging() const { return dragging_; }
  static bool GetFullDragg();
  void EnableShadow(bool value, bool reshow);
  void MinimizeToTray();
  void RestoreFromTray();
  void StartFade();
  void FadeStep();
  TRect RestoreBounds() const { return restoreBounds_; }
  bool InSizeMove() const { return inSizeMove_; }
  // The area a form is kept in (its monitor's work area, or the whole monitor).
  // Replaceable so tests can give a fixed monitor.
  std::function<TRect(HWND, bool workArea)> MonitorArea;
  // The cursor position (replaceable for the snapping tests).
  std::function<TPoint()> CursorPos;

  // ---- objects (DynamicSkinFormObjects.cpp) ----
  std::vector<std::unique_ptr<TspActiveSkinObject>>& Objects() { return objects_; }
  Integer ActiveObject() const { return activeObject_; }
  Integer CaptureObject() const { return captureObject_; }
  void LoadObjects();
  void LoadDefObjects();
  void ClearObjects();
  void CheckObjects();
  void CheckObjectsHint();
  void UpDateActiveObjects();
  void TestActive(Integer x, Integer y, bool hover);
  void TestCursors();
  bool CanObjectTest(bool rollUp) const;
  void TestMouse(TObject* sender);
  void TestAnimate(TObject* sender);
  void TestMorph(TObject* sender);
  void MouseDown(TMouseButton button, Integer x, Integer y);
  void MouseUp(TMouseButton button, Integer x, Integer y);
  void MouseMove(Integer x, Integer y);
  void MouseDBlClick();
  void DrawSkinObject(TspActiveSkinObject* object);
  void FormChangeActive(bool animate);
  bool GetFormActive() const;
  bool FormActive() const { return GetFormActive(); }
  bool MDIFormActive() const { return mdiFormActive_; }
  void SetDefaultCaptionText();
  bool GetAutoRenderingInActiveImage() const;
  TspSkinCaptionObject* FirstCaption() const;
  Integer GetIndex(const String& idName) const;
  TTimer* MouseTimer() const { return mouseTimer_.get(); }
  TTimer* AnimateTimer() const { return animateTimer_.get(); }
  TTimer* MorphTimer() const { return morphTimer_.get(); }
  void SkinMenuOpen() {}
  void SkinMenuClose();
  TMenuItem* GetSystemMenu();

  // Object events, each raising the published event of its name.
  void PaintEvent(const String& id, TCanvas* canvas, TRect r) { OnPaintEvent(id, canvas, r); }
  void MouseDownEvent(const String& id, Integer x, Integer y, TRect r, TMouseButton b) { OnMouseDownEvent(id, x, y, r, b); }
  void MouseUpEvent(const String& id, Integer x, Integer y, TRect r, TMouseButton b) { OnMouseUpEvent(id, x, y, r, b); }
  void MouseMoveEvent(const String& id, Integer x, Integer y, TRect r) { OnMouseMoveEvent(id, x, y, r); }
  void MouseEnterEvent(const String& id) { OnMouseEnterEvent(id); }
  void MouseLeaveEvent(const String& id) { OnMouseLeaveEvent(id); }
  void SwitchChangeStateEvent(const String& id, TSwitchState s) { OnSwitchChangeStateEvent(id, s); }
  void TrackBarChangeValueEvent(const String& id, Integer v) { OnTrackBarChangeValueEvent(id, v); }
  void FrameRegulatorChangeValueEvent(const String& id, Integer v) { OnFrameRegulatorChangeValueEvent(id, v); }

  // By name: the first object whose IDName matches; nothing (or the default) otherwise.
  void UserObjectDraw(const String& id);
  void AnimateStart(const String& id);
  void AnimateStop(const String& id);
  void TrackBarSetValue(const String& id, Integer value);
  Integer TrackBarGetValue(const String& id);
  void FrameRegulatorSetValue(const String& id, Integer value);
  Integer FrameRegulatorGetValue(const String& id);
  void GaugeSetValue(const String& id, Integer value);
  void FrameGaugeSetValue(const String& id, Integer value);
  void LabelSetText(const String& id, const String& text);
  void BitLabelSetText(const String& id, const String& text);
  void CaptionSetText(const String& id, const String& text);
  void SwitchSetState(const String& id, TSwitchState state);
  TSwitchState SwitchGetState(const String& id);
  void ButtonSetDown(const String& id, bool down);
  bool ButtonGetDown(const String& id);
  void SetEnabled(const String& id, bool value);
  // A button object (or a button-style animation) drops the menu's items down
  // (or up) when pressed; other objects are left alone.
  void LinkMenu(const String& id, TMenu* menu, bool popupUp);

  // ---- the main menu drawn in the frame ----
  TMainMenu* MainMenu() const { return mainMenu_; }
  void SetMainMenu(TMainMenu* value);
  // Rebuilds the frame's main-menu items from the menu and repaints them.
  void UpdateMainMenu(bool repaint);

  // ---- multiple documents (DynamicSkinFormMDI.cpp) ----
  // The window list in the main form's WindowMenu and the tabs of the main
  // form's tab bar; the child's component calls these on its main form's.
  void AddChildToMenu(TCustomForm* child);
  void DeleteChildFromMenu(TCustomForm* child);
  void UpDateChildCaptionInMenu(TCustomForm* child);
  void UpDateChildActiveInMenu();
  void MDIItemClick(TObject* sender);
  void AddChildToBar(TCustomForm* child);
  void DeleteChildFromBar(TCustomForm* child);
  void RefreshMDIBarTab(TCustomForm* child);
  // Arrangements of the frame's children (nothing on other forms).
  void Tile();
  void Cascade();
  void MinimizeAll();
  void MaximizeAll();
  void RestoreAll();
  void CloseAll();
  void ResizeMDIChilds();
  void ArangeMinimizedChilds();
  TRect GetMDIWorkArea() const;
  TCustomForm* GetMaximizeMDIChild() const;
  // On a frame: a child of it is maximized by its component.
  bool MDIChildMaximized() const { return mdiChildMaximized_; }
  Integer MaxMenuItemsInWindow() const { return maxMenuItemsInWindow_; }
  void SetMaxMenuItemsInWindow(Integer value);
  TspSkinMDITabsBar* MDITabsBar() const { return mdiTabsBar_; }
  void SetMDITabsBar(TspSkinMDITabsBar* value);
  TspSkinMainMenuBar* MainMenuBar() const { return mainMenuBar_; }
  void SetMainMenuBar(TspSkinMainMenuBar* value);
  void CheckMDIBar();
  void CheckMDIMainMenu();
  bool MDIClientHooked() const { return mdiClient_.Attached(); }
  void HookMDIClient();
  void PaintMDIBGDefault(HDC dc);
  void PaintBG3(HDC dc);
  // The engine's limit on rows per menu level, set by the menu unit.
  std::function<void(TspDynamicSkinForm*, Integer)> ApplyMaxMenuItems;

  // ---- the frame layout at the present size (window coordinates) ----
  Integer NewWidth = 0, NewHeight = 0;
  TPoint TargetLeftTop, TargetRightTop, TargetLeftBottom, TargetRightBottom;
  TRect TargetClientRect, NewCaptionRect, NewButtonsRect, NewMaskRectArea, NewMainMenuRect, NewIconRect,
      NewSizeGripRect, DefCaptionRect;
  TPoint NewHitTestLTPoint, NewHitTestRTPoint, NewHitTestLBPoint, NewHitTestRBPoint;
  Integer ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  // The four border pieces of the mask at the present size.
  std::unique_ptr<TBitmap> MaskTop, MaskBottom, MaskLeft, MaskRight;
  bool MainMenuActive = false;
  bool SkinMenuOpened = false;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

private:
  // Window procedure stages (DynamicSkinFormWndProc.cpp).
  bool FirstStage(TMessage& message);
  void SecondStage(TMessage& message);
  void OldProcFirst(TMessage& message) { OldWindowProc(message); }
  void WMSize(TMessage& message);
  void WMActivate(TMessage& message);
  void WMSetText(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMShowWindow(TMessage& message);
  void WMNCHitTest(TMessage& message, bool& passOn);
  void WMNCActivate(TMessage& message);
  void WMSizing(TMessage& message);
  void WMMoving(TMessage& message);
  void WMEnterSizeMove();
  void WMExitSizeMove();
  void WMTimer(TMessage& message, bool& passOn);
  void SkinBeforeChange(TMessage& message);
  void SkinChange(TMessage& message);
  void PaintNCInto(HDC dc);
  bool MDIMessage(TMessage& message);
  void SendToMainForm(UINT msg);
  void ForgetMDILinks(TComponent* component);
  void ForgetMenu(TComponent* component);
  void ClearMainMenuItems();
  void MDIClientProc(TMessage& message);
  TspDynamicSkinForm* MainFormComponent() const;
  void NCLeftDown(TMessage& message, TPoint p);

  void SetReference(TspSkinData*& field, TspSkinData* value);
  void StopTimers();
  bool PointNearEdge(const TPoint& p) const;
  LRESULT EdgeHitTest(const TPoint& p) const;
  bool OverCaption(const TPoint& p, bool rollUpTest) const;
  void DrawObjectsOnBorders(TBitmap* top, TBitmap* bottom);
  void LayoutCaptionButtons(const TRect& base);
  TspActiveSkinObject* FindObject(const String& id) const;
  template <class T>
  T* Find(const String& id) const {
    return dynamic_cast<T*>(FindObject(id));
  }
  void SetFormBounds(const TRect& r);
  TRect MonitorRect(bool workArea) const;
  TRect FormBounds() const { return form_->BoundsRect(); }
  bool IsMainForm() const;
  void RedrawCaptions();

  TCustomForm* form_ = nullptr;  // the owner
  TspSkinData* skinData_ = nullptr;       // borrowed, freed-notified
  TspSkinData* menusSkinData_ = nullptr;  // borrowed, freed-notified
  bool supportNCArea_ = true;
  TspBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize | biRollUp;
  bool alphaBlend_ = false;
  Byte alphaBlendValue_ = 200;
  bool showIcon_ = false;
  std::unique_ptr<TFont> defCaptionFont_, defInActiveCaptionFont_;
  std::unique_ptr<TBitmap> logoBitMap_;

  bool skinnableForm_ = true;
  bool skinActive_ = false;
  bool skinChanging_ = false;
  bool updatingSkin_ = false;
  TWindowState windowState_ = wsNormal;
  bool rollUpState_ = false, rollUpInMaximized_ = false, rollUpBeforeMaximize_ = false;
  Integer realHeight_ = 0;
  TRect restoreBounds_;
  HRGN formRegion_ = nullptr;  // owned: the region last given to the window
  std::vector<std::unique_ptr<TspActiveSkinObject>> objects_;
  Integer activeObject_ = -1, oldActiveObject_ = -1, captureObject_ = -1;
  struct AreaLink {
    TControl* Control;  // borrowed, freed-notified
    TRect Rect;
  };
  std::vector<AreaLink> areaLinks_;
  std::vector<TControl*> rollUpHiddenControls_;  // borrowed
  std::unique_ptr<TTimer> morphTimer_, mouseTimer_, animateTimer_;
  bool inSizeMove_ = false, fullDrag_ = false, dragging_ = false;
  TPoint dragPoint_;
  bool magnetLeft_ = false, magnetTop_ = false, magnetRight_ = false, magnetBottom_ = false;
  TPoint magnetAnchor_{-1, -1};
  bool firstShow_ = true;
  bool mouseInForm_ = false;
  bool mdiFormActive_ = false;
  bool vistaOS_ = false;
  bool dropShadow_ = false;
  HICON formIcon_ = nullptr;  // owned: the small copy of the form's icon
  // The fade: the opacity reached, its target and the clock of the last step.
  Integer fadeValue_ = 0, fadeTarget_ = 255;
  DWORD fadeTick_ = 0;
  bool fading_ = false;
  bool mdiChildMaximized_ = false;
  Integer maxMenuItemsInWindow_ = 0;
  TspSkinMDITabsBar* mdiTabsBar_ = nullptr;    // borrowed, freed-notified
  TspSkinMainMenuBar* mainMenuBar_ = nullptr;  // borrowed, freed-notified
  TMainMenu* mainMenu_ = nullptr;              // borrowed, freed-notified
  // Menus linked to objects, with the items the objects were given: a menu that
  // goes takes its items from the objects.
  std::vector<std::pair<TComponent*, TMenuItem*>> linkedMenus_;
  TWindowSubclass mdiClient_;                  // the frame's MDI client, taken over while skinned
};

// Registers the component and its properties for form definitions.
void PublishDynamicSkinFormClasses();
