// Splitters drawn from a "splitter" skin record: TspSkinSplitter, the platform's
// splitter with a skinned face, and TspCustomSplitter / TspSkinSplitterEx, a
// windowed splitter that sizes the control beside it live while dragged
// (MinSize, AutoSnap, OnCanResize; Escape ends the drag where it is).
#pragma once

#include "platform/stdctrls/Splitter.h"
#include "skin/controls/SkinCtrls.h"

// The record's look that both families copy, and the strip they paint with it.
struct TspSplitterLook {
  Integer RecordIndex = -1;
  TBitmap* Picture = nullptr;  // borrowed from the skin
  TRect SkinRect, GripperRect;
  TPoint LeftTopPoint, RightTopPoint, LeftBottomPoint;
  bool StretchEffect = false, GripperTransparent = false;
  TColor GripperTransparentColor = 0;

  void Read(const TspSkinData* data, const String& name);
  // The face on a canvas for the alignment and size; false when the record
  // cannot draw it (none, no picture, alNone or alClient).
  bool Paint(TCanvas* canvas, TAlign align, Integer width, Integer height) const;
};

class TspSkinSplitter : public TSplitter {
public:
  explicit TspSkinSplitter(TComponent* owner);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  Integer DefaultSize = 10;
  String SkinDataName = "vsplitter";
  TspSkinData* SkinData() const { return skinData_; }
  // Stores the container and re-reads the record, also for none.
  void SetSkinData(TspSkinData* value);
  void ChangeSkinData();
  Integer SkinRecordIndex() const { return look_.RecordIndex; }

protected:
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;
  void RequestAlign() override;

private:
  bool transparent_ = false;
  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  TspSplitterLook look_;
};

class TspCustomSplitter : public TspSkinControl {
public:
  explicit TspCustomSplitter(TComponent* owner);

  bool AutoSnap = true;
  Integer MinSize() const { return minSize_; }
  void SetMinSize(Integer value) { minSize_ = value < 1 ? 1 : value; }
  TCanResizeSplitterEvent OnCanResize;  // Sender, the new size, acceptance
  TNotifyEvent OnMoved;
  TNotifyEvent OnPaint;  // kept for the definitions; the splitters never fire it

  using TspSkinControl::CanResize;
  virtual bool CanResize(Integer& newSize);
  virtual bool DoCanResize(Integer& newSize);
  TControl* FindControl() const;
  TControl* ResizeControl() const { return resizeControl_; }
  void StopSizing();

protected:
  void Paint() override {}
  void RequestAlign() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void WMEraseBkgnd(TMessage& message) override { message.Result = 1; }

private:
  Integer CalcSplitSize(Integer x, Integer y) const;
  void UpdateControlSize();
  void FocusKeyDown(TObject* sender, Word& key, TShiftState shift);

  Integer minSize_ = 30;
  TControl* resizeControl_ = nullptr;  // borrowed while sizing
  Integer downX_ = 0, downY_ = 0, maxSize_ = 0, newSize_ = 0, oldSize_ = -1;
  TWinControl* savedActiveControl_ = nullptr;  // borrowed while sizing
  TKeyEvent savedKeyDown_;
};

class TspSkinSplitterEx : public TspCustomSplitter {
public:
  explicit TspSkinSplitterEx(TComponent* owner);
  Integer DefaultSize = 10;
  void GetSkinData() override;
  void ChangeSkinData() override;

protected:
  void Paint() override;

private:
  TspSplitterLook look_;
};
