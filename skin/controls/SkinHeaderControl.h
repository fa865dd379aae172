// TspSkinHeaderControl: the platform header control whose sections are painted
// by the control from a button record, with hover and pressed looks, a section
// click that needs no divider and no drag, and a custom-draw event.
// SetSkinData and ChangeSkinData are plain: the skin-change table calls them.
#pragma once

#include <memory>

#include "platform/comctrls/HeaderControl.h"
#include "skin/data/SkinData.h"

using TspCustomDrawSkinSectionEvent = TEvent<THeaderControl*, THeaderSection*, TRect, bool, bool, TCanvas*>;

class TspSkinHeaderControl : public THeaderControl {
public:
  explicit TspSkinHeaderControl(TComponent* owner);

  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "resizebutton";
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value);
  Integer DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(Integer value);
  bool UseSkinFont = true;
  TSectionNotifyEvent OnSkinSectionClick;
  TspCustomDrawSkinSectionEvent OnDrawSkinSection;

  void ChangeSkinData();
  void SetBounds(int left, int top, int width, int height) override;
  void PaintWindow(HDC dc) override;
  Integer ActiveSection() const { return activeSection_; }
  bool SectionDown() const { return sectionDown_; }
  TRect GetSkinItemRect(Integer index);

protected:
  void CreateWnd() override;
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void DrawSection(THeaderSection* section, const TRect& rect, bool pressed) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
  bool FindRecord();
  Integer PinnedHeight(Integer height);
  void DrawSkinSectionR(TCanvas* canvas, THeaderSection* section, bool active, bool pressed, const TRect& r);
  void TestActive(int x, int y);

  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  std::unique_ptr<TFont> defaultFont_;
  Integer defaultHeight_ = 0;
  Integer activeSection_ = -1, oldActiveSection_ = -1;
  bool onDivider_ = false, sectionDown_ = false, tracking_ = false, sectionDragging_ = false;
};
