// TspSkinMainMenuBar: a skinned row of the top items of a TMainMenu that opens
// their drop-downs through the form component's menu engine; in an MDI frame it
// merges the active child's menu by GroupIndex and shows the maximized child's
// caption buttons. Items that do not fit are hidden and reachable through a
// marker at the right end. TspSkinMainMenu is a main menu with a skin of its own.
// Sources: SkinMainMenuBar.cpp (items, merge, keyboard, MDI buttons),
// SkinMainMenuBarPaint.cpp (layout and looks), SkinMainMenuBarObjects.cpp (the
// bar's objects and their reactions).
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/CustomForm.h"
#include "platform/controls/Menus.h"
#include "platform/core/Timer.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/data/ControlRecords.h"
#include "skin/data/WindowRecords.h"

class TspDynamicSkinForm;
class TspSkinMainMenuBar;

class TspSkinMainMenu : public TMainMenu {
public:
  using TMainMenu::TMainMenu;
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
};

// What the bar draws: bar items and the MDI caption buttons.
class TspMenuBarObject {
public:
  TspMenuBarObject(TspSkinMainMenuBar* bar, TspDataSkinObject* record);
  virtual ~TspMenuBarObject() = default;
  TspSkinMainMenuBar* Bar;
  double MorphKf = 0;
  bool MouseOver = false;
  TBitmap* Picture = nullptr;  // borrowed from the skin
  bool Down = false;
  String IDName;
  TRect skinrect, activeskinrect, downrect;
  bool Morphing = false;
  TMorphKind MorphKind = mkDefault;
  TRect ObjectRect;
  bool Active = false, Enabled = true, Visible = true;

  virtual void Redraw();
  virtual void Draw(TCanvas*) {}
  virtual void DblClick() {}
  virtual void MouseDown(Integer, Integer, TMouseButton) {}
  virtual void MouseUp(Integer, Integer, TMouseButton) {}
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual bool CanMorphing() const;
  bool EnableMorphing() const;
  void DoMorphing();
  void SetMorphKf(double value);
};

class TspSkinMainMenuBarButton : public TspMenuBarObject {
public:
  TspSkinMainMenuBarButton(TspSkinMainMenuBar* bar, TspDataSkinMainMenuBarButton* record);
  bool SkinSupport = false;
  TStdCommand Command = cmClose;
  void Draw(TCanvas* canvas) override;
  void DefaultDraw(TCanvas* canvas);
  void MouseDown(Integer x, Integer y, TMouseButton button) override;
  void MouseUp(Integer x, Integer y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void DblClick() override;
  void DoCommand();
};

class TspSkinMainMenuBarItem : public TspMenuBarObject {
public:
  TspSkinMainMenuBarItem(TspSkinMainMenuBar* bar, TspDataSkinMainMenuBarItem* record);
  bool SkinSupport = false;
  bool SavedEnabled = true;
  bool InBar = true;
  TMenuItem* MenuItem = nullptr;  // borrowed: the item shown
  String FontName;
  Integer FontHeight = 14;
  TFontStyles FontStyle = 0;
  TColor unenabledfontcolor = 0, FontColor = 0, ActiveFontColor = 0, DownFontColor = 0;
  TRect TextRect;
  Integer ItemLeftOffset = 0, ItemRightOffset = 0;
  bool stretcheffect = false;
  TRect animateskinrect;
  Integer framecount = 0, AnimateInterval = 25, AnimFrame = 0;
  bool inactiveanimation = false;

  void Draw(TCanvas* canvas) override;
  void DefaultDraw(TCanvas* canvas);
  void MouseDown(Integer x, Integer y, TMouseButton button) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Redraw() override;
  void SetDown(bool value);
  void TrackMenu();
  void SearchActive();
  bool SearchDown();
  bool EnableAnimation() const;
  bool HasChildren() const { return MenuItem && MenuItem->Count() > 0; }

private:
  void ComputeRect(TCanvas* canvas);
  void DrawFace(TCanvas* canvas, const TRect& source, bool hot, bool own);
  void SetFont(TCanvas* canvas) const;
};

using TMainMenuItemClick = TEvent<const String&>;
using TspItemEnterEvent = TEvent<TMenuItem*>;
using TspItemLeaveEvent = TEvent<TMenuItem*>;

class TspSkinMainMenuBar : public TspSkinControl {
public:
  explicit TspSkinMainMenuBar(TComponent* owner);
  ~TspSkinMainMenuBar() override;

  // ---- published ----
  bool UseSkinFont = true;
  bool ScrollMenu = true;
  TFont* DefItemFont() const { return defItemFont_.get(); }  // owned
  void SetDefItemFont(const TFont* value);
  Integer DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(Integer value);
  Integer DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(Integer value);
  bool PopupToUp = false;
  TspDynamicSkinForm* DynamicSkinForm() const { return dynamicSkinForm_; }
  void SetDynamicSkinForm(TspDynamicSkinForm* value);
  TMainMenu* MainMenu() const { return mainMenu_; }
  void SetMainMenu(TMainMenu* value);
  TMainMenuItemClick OnMainMenuItemClick;
  TspItemEnterEvent OnItemMouseEnter;
  TspItemLeaveEvent OnItemMouseLeave;

  // ---- objects ----
  std::vector<std::unique_ptr<TspMenuBarObject>>& Objects() { return objects_; }
  Integer ButtonCount = 0;
  bool MDIButtonsShown = false;
  TMainMenu* MergedMenu() const { return mergedMenu_; }
  bool ChildMenuShown = false;
  bool MenuMode = false;
  bool ItemsHidden = false;
  bool MarkerHot = false;
  Integer HotIndex = -1, OldHotIndex = -1, PressedIndex = -1;
  TRect BarItemsRect;
  bool SkinPresent = false;
  TTimer* MouseTimer() const { return mouseTimer_.get(); }

  void CreateMenu();
  void UpDateItems();
  void UpDateEnabledItems();
  void Merge(TMainMenu* menu);
  void UnMerge();
  TMainMenu* GetChildMainMenu() const;
  void ClearObjects();
  void CalcRects();
  void PaintMenuBar(TCanvas* canvas);
  void DrawSkinObject(TspMenuBarObject* object);
  TRect GetMarkerRect() const;
  void DrawMarker(TCanvas* canvas);
  void TrackScrollMenu();
  void TestActive(Integer x, Integer y);
  void TestMouse(TObject* sender);
  void TestMorph(TObject* sender);
  void TestAnimate(TObject* sender);
  void AddButtons();
  void DeleteButtons();
  void CheckButtons(TBorderIcons icons);
  void MDIChildMaximize();
  void MDIChildRestore();
  void CloseSysMenu();
  // The form component's keyboard.
  bool FindHotKeyItem(Word key);
  void NextMainMenuItem();
  void PriorMainMenuItem();
  bool CheckReturnKey();
  void MenuEnter();
  void MenuClose();
  void MenuExit();

  // ---- skin values ----
  TspDataSkinMainMenuBar* Record() const;
  TBitmap* Picture = nullptr;  // borrowed from the skin
  TspDataSkinMainMenuBarItem* ItemRecord() const;
  bool UsesSkin() const { return Record() != nullptr; }

  void GetSkinData() override;
  void ChangeSkinData() override;
  void BeforeChangeSkinData() override;
  void SetBounds(int left, int top, int width, int height) override;
  TTimer* AnimateTimer() const { return animateTimer_.get(); }
  TTimer* MorphTimer() const { return morphTimer_.get(); }
  TspMenuBarObject* BarItem(Integer index) const;  // nullptr when not a bar item

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Paint() override { PaintMenuBar(Canvas()); }
  void Dispatch(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;

private:
  std::vector<TspSkinMainMenuBarItem*> BarItems() const;
  TspSkinMainMenuBarButton* MakeButton(const String& name, TStdCommand command);

  std::vector<std::unique_ptr<TspMenuBarObject>> objects_;
  std::unique_ptr<TFont> defItemFont_;
  Integer defaultWidth_ = 0, defaultHeight_ = 22;
  TspDynamicSkinForm* dynamicSkinForm_ = nullptr;  // borrowed, freed-notified
  TMainMenu* mainMenu_ = nullptr;                  // borrowed, freed-notified
  TMainMenu* mergedMenu_ = nullptr;                // borrowed, freed-notified
  std::unique_ptr<TTimer> mouseTimer_, morphTimer_, animateTimer_;
};
