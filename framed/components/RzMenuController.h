// TRzMenuController: makes the menus of its form owner-drawn and paints their
// items with a gradient selection, a gradient image gutter and check marks of
// its own. Items that already have an advanced-draw handler keep it.
#pragma once

#include <vector>

#include "framed/common/RzCommon_Types.h"
#include "platform/controls/Menus.h"
#include "platform/core/Component.h"
#include "platform/graphics/Colors.h"

class TRzMenuController : public TComponent {
public:
  explicit TRzMenuController(TComponent* owner);
  ~TRzMenuController() override;

  bool GradientColorDefault = true;
  TColor GradientColorStart = clBtnFace;
  TColor GradientColorStop = clBtnShadow;
  TColor FrameColor = cl3DDkShadow;
  TColor MenuColor = clWhite;
  TColor MenuFontColor = clBlack;
  bool ThemeAware = true;

  // Every menu of the owner becomes owner-drawn.
  void SetupMenus();
  // Every menu item of the owner is set up.
  void SetupMenuItems();
  // Takes over the item's drawing and measuring unless it draws itself already.
  void SetupMenuItem(TMenuItem* item);
  void CleanupMenuItems();
  void CleanupMenuItem(TMenuItem* item);
  bool Controls(const TMenuItem* item) const;
  int ItemCount() const { return static_cast<int>(items_.size()); }

  void Loaded() override;

  void AdvancedDrawItemHandler(TObject* sender, TCanvas* canvas, const TRect& rect, UINT state);
  void MeasureItemHandler(TObject* sender, TCanvas* canvas, int& width, int& height);

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  struct TItemColors {
    TColor frame, start, stop;
  };
  TItemColors ItemColors() const;
  void MeasureMenuItem(TMenuItem* item, int& width, int& height);
  void PaintMenuItem(TMenuItem* item, TCanvas* canvas, const TRect& rect, UINT state);
  void PaintCheckMark(TMenuItem* item, TCanvas* canvas, const TRect& gutter, bool selected, const TItemColors& c);
  void PaintCaption(TMenuItem* item, TCanvas* canvas, const TRect& area, UINT state, bool onBar);

  std::vector<TMenuItem*> items_;  // borrowed, each with a free notification
};

// Whether the item sits on a main menu bar (rather than in a drop-down or popup).
bool IsMainMenuBarItem(const TMenuItem* item);
