// TspSkinFrame: skins a TFrame it is dropped on. It paints the frame's client
// background from the skin (as a skinned form paints its client area) and hands
// one skin container to the frame's skinned controls at once, through its own
// table of skinned control classes (rows by order, the first that claims a
// control sets its container).
#pragma once

#include <functional>

#include "platform/controls/CustomForm.h"
#include "skin/form/ActiveSkinObject.h"

// Sets the container on a control of the row's class; false when not of it.
using TspSkinDataSetter = std::function<bool(TComponent* control, TspSkinData* skinData)>;

class TspSkinFrameSetters {
public:
  // A row at its place by order; a second row of one order replaces the first.
  void Register(int order, TspSkinDataSetter setter);
  void Unregister(int order);
  // The first row that claims the control sets it; false when none does.
  bool Apply(TComponent* control, TspSkinData* skinData) const;
  static TspSkinFrameSetters& Instance();

private:
  struct Row {
    int order;
    TspSkinDataSetter setter;
  };
  std::vector<Row> rows_;
};

class TspSkinFrame : public TspSkinComponent {
public:
  explicit TspSkinFrame(TComponent* owner);
  ~TspSkinFrame() override;

  bool DrawBackground = true;
  TspSkinData* CtrlsSkinData() const { return ctrlsSkinData_; }
  void SetCtrlsSkinData(TspSkinData* value);
  TFrame* OwnerFrame() const { return ownerFrame_; }

  void UpdateSkinCtrls(TWinControl* control);
  void ChangeSkinData() override;
  void PaintBG(HDC dc);
  void CheckControlsBackground();

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  void NewWndProc(TMessage& message);

  TFrame* ownerFrame_ = nullptr;          // the owner when it is a frame
  TWndMethod oldWindowProc_;              // the frame's procedure before this one
  TspSkinData* ctrlsSkinData_ = nullptr;  // borrowed, freed-notified
};

// The rows of the skinned classes that share no skinned base (SkinFrameRows.cpp).
void RegisterSkinFrameSetters();
