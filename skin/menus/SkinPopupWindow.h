// TspSkinPopupWindow: one open level of a skinned menu. A borderless
// top-level window that never takes activation; it builds a row per visible
// item, sizes and places itself against the work area, scrolls when too tall,
// polls the pointer, follows the keyboard and paints itself off-screen from
// the skin's popup window picture, or in a plain default look.
#pragma once

#include <memory>
#include <vector>

#include "platform/controls/CustomControl.h"
#include "platform/graphics/ImageList.h"
#include "skin/draw/Speffbmp.h"
#include "skin/menus/SkinMenu.h"

// Where a level of W x H goes for the screen rectangle r (Placement of a level).
struct TspLevelPlacement {
  TRect R;            // the rectangle the level opens from (screen)
  Integer W = 0, H = 0;
  TRect WorkArea;
  Integer ItemsTop = 0;  // NewItemsRect.Top: a level beside a row lines its first row up with it
  bool Beside = false, PopupUp = false;
  bool Scrolling = false, LimitedByMaxItems = false;
};
TPoint PlaceLevel(const TspLevelPlacement& p);

class TspSkinPopupWindow : public TCustomControl {
public:
  TspSkinPopupWindow(TComponent* owner, TspSkinMenu* menu, TspDataSkinPopupWindow* record);
  ~TspSkinPopupWindow() override;

  TspDataSkinMenuItem* ItemRecord = nullptr;  // borrowed from SkinData; nullptr: default rows
  Integer VisibleCount = 0;
  Integer FirstVisible = 0;
  bool Scrolling = false;
  bool LimitedByMaxItems = false;
  Integer ScrollDirection = 0;  // 0 none, 1 up, 2 down
  TPoint TargetLeftTop, TargetRightTop, TargetLeftBottom, TargetRightBottom;
  TRect NewItemsRect;
  HRGN Region = nullptr;  // handed to the window; only remembered here
  Integer ShowX = 0, ShowY = 0;
  TTimer* ShowTimer() const { return showTimer_.get(); }
  Integer LastMouseX = -1, LastMouseY = -1;
  TCustomImageList* Images = nullptr;  // borrowed from the shown menu
  Integer ImageColumnWidth = 16;
  TBitmap* WindowPicture = nullptr;  // borrowed from SkinData
  TBitmap* MaskPicture = nullptr;    // borrowed from SkinData
  Integer OldActiveIndex = -1;
  TTimer* MouseTimer() const { return mouseTimer_.get(); }
  TTimer* MorphTimer() const { return morphTimer_.get(); }
  TspSkinMenu* Menu = nullptr;                  // the engine (owner)
  TspSkinData* SkinData = nullptr;              // borrowed; only with a window record
  TspDataSkinPopupWindow* WindowRecord = nullptr;  // borrowed; nullptr: default look
  std::unique_ptr<TBitmap> ScreenShot;               // emulated translucency
  std::unique_ptr<TspEffectBmp> BackgroundEffect;    // made from ScreenShot
  bool AlphaBlend = false;
  Byte AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;
  std::vector<std::unique_ptr<TspSkinMenuItem>> Items;  // the rows, in menu order
  Integer ActiveIndex = -1;
  std::unique_ptr<TBitmap> TransparentBackground;  // window picture with its client filled
  // Counts the rebuilds of TransparentBackground: a row's kept faces made over an
  // older one are stale.
  Cardinal BackgroundGeneration = 0;

  Integer ItemCount() const { return static_cast<Integer>(Items.size()); }
  TspSkinMenuItem* ActiveItem() const;
  // The menu item record of a skin: "MENUITEM", else "menuitem"; nullptr when neither.
  static TspDataSkinMenuItem* FindItemRecord(TspSkinData* data, bool lowerFirst = false);

  void Show(const TRect& r, TMenuItem* item, Integer startIndex, bool beside, bool popupUp);
  void Show2(const TRect& r, TMenuItem* item, TMenuItem* item2, Integer startIndex, bool beside, bool popupUp);
  void HideLevel();
  void CreateMenu(TMenuItem* item, Integer startIndex);
  void CreateMenu2(TMenuItem* item, TMenuItem* item2, Integer startIndex);
  void CalcItemRects();
  Integer GetEndStartVisibleIndex() const;
  bool CanScroll(Integer direction) const;
  void ScrollUp(bool wrap);
  void ScrollDown(bool wrap);
  void StartScroll();
  void StopScroll();
  void ScrollTimerTick();
  void PaintMenu(HDC dc);
  void CreateRealImage(TBitmap* b, bool drawClient);
  void SetMenuWindowRegion();
  void PopupKeyDown(Word key);
  void TestMouse(TObject* sender = nullptr);
  // The pointer at a client point: scroll zones and the active row.
  void TestActive(Integer x, Integer y);
  bool GetActive(Integer x, Integer y) const;
  bool InWindow(const TPoint& screenPoint);
  void MouseUpAt(TMouseButton button, Integer x, Integer y);
  void WTProc(TObject* sender = nullptr);
  void TestMorph(TObject* sender = nullptr);
  // Closes the levels above this one and releases its pressed rows.
  void UpDatePW();
  // Redraws one row on the window.
  void DrawRow(TspSkinMenuItem* row);
  // Still one of the engine's levels (a closed level waits hidden to be freed).
  bool IsOpen() const { return Menu->GetPWIndex(this) < Menu->LevelCount(); }

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void WMEraseBkgnd(TMessage& message) override;
  void WMPaint(TMessage& message) override;

private:
  void BeginRows(TMenuItem* item);
  void AddRows(TMenuItem* item, Integer from);
  void SizeLevel();
  Integer RowHeight(const TspSkinMenuItem& row) const;
  Integer PlainRowHeight() const;
  Integer FrameHeight() const;
  void FinishShow(bool fresh);
  void ShowAt();
  void SelectFirst(bool anyItem);
  void SetActive(Integer index);
  void DrawUpMarker(TCanvas* canvas);
  void DrawDownMarker(TCanvas* canvas);
  void DrawMarker(TCanvas* canvas, const TRect& zone, Integer kind, bool active);
  void DrawScrollArea(TCanvas* canvas, const TRect& r);
  void RepaintLevel();
  bool IsSelectable(Integer index) const;
  void FadeIn();

  std::unique_ptr<TTimer> showTimer_, mouseTimer_, morphTimer_;
  bool scrollTimerOn_ = false;
  bool erased_ = false;  // WM_ERASEBKGND painted during the present WM_PAINT
};
