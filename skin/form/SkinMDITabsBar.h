// TspSkinMDITabsBar: one tab (TspMDITab) per MDI child of the main form, drawn
// from the skin's "tab" record (tabs over a strip, or buttons of the
// "resizebutton" record) or in a plain look; a tab's press shows its child, its
// close button closes it, tabs can be dragged into another order, and two
// drop-down lists name every child and the children whose tabs do not fit.
// Its sources: SkinMDITabsBar.cpp (tabs, layout, mouse, lists),
// SkinMDITabsBarPaint.cpp (the bar's and the tabs' looks).
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/Forms.h"
#include "skin/controls/SkinCtrls.h"
#include "skin/data/ControlRecords.h"

class TspDynamicSkinForm;
class TspSkinMDITabsBar;
class TspSkinMenuSpeedButton;
class TspSkinPopupMenu;

enum TspSkinMDITabKind { sptkTab, sptkButton };

class TspMDITab {
public:
  TspMDITab(TspSkinMDITabsBar* bar, TCustomForm* child) : Bar(bar), Child(child) {}
  TspSkinMDITabsBar* Bar;  // the owner
  bool Active = false;     // its child is the main form's active MDI child
  bool MouseIn = false;
  TRect TabRect;           // its place in the bar; empty when hidden
  TCustomForm* Child;      // borrowed: the child it stands for
  bool Visible = false;    // it fits in the bar
  TRect CloseRect;         // the close button, in tab coordinates
  bool CloseMouseIn = false, CloseDown = false;

  void Draw(TCanvas* canvas);
  void ButtonDraw(TCanvas* canvas);
  void ResizeDraw(TCanvas* canvas);
  void DrawCloseButton(TCanvas* canvas, const TRect& r);

private:
  void DrawLook(TBitmap& b, bool skinned);
  void DrawCaption(TBitmap& b, const TRect& textRect, TColor color);
};

using TspMDITabMouseEnterEvent = TEvent<TspMDITab*>;
using TspMDITabMouseLeaveEvent = TEvent<TspMDITab*>;
using TspMDITabMouseDownEvent = TEvent<TMouseButton, TShiftState, TspMDITab*>;
using TspMDITabMouseUpEvent = TEvent<TMouseButton, TShiftState, TspMDITab*>;

class TspSkinMDITabsBar : public TspSkinControl {
public:
  explicit TspSkinMDITabsBar(TComponent* owner);
  ~TspSkinMDITabsBar() override;

  // ---- published ----
  bool ShowCloseButtons = false;
  TspSkinMDITabKind TabKind() const { return tabKind_; }
  void SetTabKind(TspSkinMDITabKind value);
  TspDynamicSkinForm* DynamicSkinForm() const { return dynamicSkinForm_; }
  void SetDynamicSkinForm(TspDynamicSkinForm* value);
  bool SupportChildMenus = true;
  bool UseSkinSize = true;
  bool UseSkinFont = true;
  bool MoveTabs = true;
  Integer DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(Integer value);
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value);
  Integer DefaultTabWidth = 100;
  Integer MinTabWidth = 0;  // 0: tabs shrink without limit
  TspMDITabMouseEnterEvent OnTabMouseEnter;
  TspMDITabMouseLeaveEvent OnTabMouseLeave;
  TspMDITabMouseDownEvent OnTabMouseDown;
  TspMDITabMouseUpEvent OnTabMouseUp;

  // ---- tabs ----
  const std::vector<std::unique_ptr<TspMDITab>>& Tabs() const { return tabs_; }
  Integer HiddenCount = 0;
  Integer MouseOverIndex = -1, OldMouseOverIndex = -1;
  Integer MoveTabIndex = -1;
  bool MouseDownOnTab = false, Moving = false;
  Integer DownX = 0, MoveOffset = 0;
  Integer CloseSize = 14;
  TspSkinMenuSpeedButton* ListButton() const { return listButton_.get(); }
  TspSkinMenuSpeedButton* HideListButton() const { return hideListButton_.get(); }
  TspSkinPopupMenu* ListMenu() const { return listMenu_.get(); }
  TspSkinPopupMenu* HideListMenu() const { return hideListMenu_.get(); }

  void AddTab(TCustomForm* form);
  void DeleteTab(TCustomForm* form);
  // Redraws the tab of a child whose caption changed.
  void RefreshTab(TCustomForm* form);
  void CheckActive();
  void ClearObjects();
  void CalcObjectRects();
  Integer GetTabIndex(Integer x, Integer y) const;
  TspMDITab* GetTab(Integer x, Integer y) const;
  void TestActive(Integer x, Integer y);
  Integer GetMoveIndex() const;
  Integer GetCloseSize() const { return CloseSize; }
  void DoClose(TspMDITab* tab);
  void ShowListButton();
  void RemoveListButton();  // takes the list button away
  void ShowHideListButton();
  void HideHideListButton();
  void UpdateListMenu();
  void UpdateHideListMenu();
  void MDIItemClick(TObject* sender);
  void HideMDIItemClick(TObject* sender);
  void OnShowListMenu(TObject* sender);
  void OnShowHideListMenu(TObject* sender);
  void RedrawTab(TspMDITab* tab);

  // ---- skin values of the "tab" record ----
  TspDataSkinTabControl* Record() const;
  TBitmap* Picture = nullptr;  // borrowed from the skin
  TRect SkinTabRect, ActiveTabRect, MouseInTabRect, TabsBGRect;
  Integer ClientOffset = 0, ActiveTabGrow = 0;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;

  void GetSkinData() override;
  void ChangeSkinData() override;
  void CreateControlDefaultImage(TBitmap* b) override;
  void CreateControlSkinImage(TBitmap* b) override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void AdjustClientRect(TRect& rect) override;
  void Paint() override;
  void Dispatch(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void CMMouseLeave(TMessage& message) override;

private:
  void DrawTabs(TBitmap* b);
  void DrawDropMark(TCanvas* canvas, Integer height);
  void ShowChild(TCustomForm* child);
  TCustomForm* ChildOfItem(TObject* sender, const String& marker) const;
  std::unique_ptr<TspSkinMenuSpeedButton> MakeListButton(TAlign align, TspSkinPopupMenu* menu, Integer arrow,
                                                         void (TspSkinMDITabsBar::*onShow)(TObject*));

  std::vector<std::unique_ptr<TspMDITab>> tabs_;
  TspSkinMDITabKind tabKind_ = sptkTab;
  TspDynamicSkinForm* dynamicSkinForm_ = nullptr;  // borrowed, freed-notified
  Integer defaultHeight_ = 21;
  std::unique_ptr<TFont> defaultFont_;
  std::unique_ptr<TspSkinMenuSpeedButton> listButton_, hideListButton_;  // made on demand
  std::unique_ptr<TspSkinPopupMenu> listMenu_, hideListMenu_;
  Integer dragLimit_ = 0;
};
