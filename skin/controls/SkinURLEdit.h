// TspSkinURLEdit: an edit whose text is a link: underlined with a hand cursor
// while the pointer is over the text, opened with the shell on a left press.
// Only web and mail links are opened.
#pragma once

#include "skin/controls/SkinEdit.h"

enum TspURLLinkType { spltHTTP, spltMail };

class TspSkinURLEdit : public TspSkinEdit {
public:
  explicit TspSkinURLEdit(TComponent* owner) : TspSkinEdit(owner) {}

  TspURLLinkType LinkType = spltHTTP;
  bool Execute = true;

  // The target the text opens, empty when it opens nothing: http://, https://
  // and mailto: targets as written, a bare host as http://, a mail address
  // (LinkType spltMail, with "@") as mailto:.
  String LinkTarget() const;
  bool OverLink() const { return overLink_; }

protected:
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void Dispatch(TMessage& message) override;

private:
  Integer TextWidth();
  void LeaveLink();

  bool overLink_ = false;
  bool mouseDown_ = false;
};
