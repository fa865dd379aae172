// TspSkinMemo2: the lighter skinned memo. It takes only the font and colours
// of a "memo" record, paints natively in Color without a frame, and scrolls
// through attached skinned scroll bars; ReadOnly is the native flag.
#pragma once

#include "skin/controls/memos/SkinMemoBase.h"

class TspSkinMemo2 : public TspSkinMemoBase {
public:
  using TspSkinMemoBase::TspSkinMemoBase;

  void ChangeSkinData() override;

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void ShowState(bool active) override { StateColors(active, true); }

private:
  void PaintMessage(TMessage& message);
};
