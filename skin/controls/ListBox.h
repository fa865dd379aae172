// TspListBox: the owner-drawn platform list box inside a skinned list box. It
// has no non-client area (its native scroll bars keep their state but take no
// room and never show), paints every item through its owner, and forwards its
// mouse, key and change notifications to the owner first.
#pragma once

#include "platform/stdctrls/ListBox.h"

class TspSkinCustomListBox;

class TspListBox : public TListBox {
public:
  TspListBox(TComponent* owner, TspSkinCustomListBox* ownerListBox);

  TspSkinCustomListBox* OwnerListBox;  // borrowed: the list box that made this one
  Integer HorzOffset = 0;              // pixels the item contents are shifted left

  void Click() override;
  void DblClick() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& message) override;
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void CNDrawItem(TMessage& message) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyUp(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;

private:
  void EraseBackground(HDC dc);
  void Wheel(TMessage& message);
  Integer oldWidth_ = 0;
};
