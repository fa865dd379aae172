// TRzURLLabel: a label that opens its URL (or, without one, its caption) through
// the shell when clicked, shows a hand cursor and changes colour once visited.
#pragma once

#include "framed/controls/RzLabel.h"

// The screen cursor number of the hand the URL labels show.
constexpr TCursor crRzHand = 26000;

class TRzURLLabel : public TRzLabel {
public:
  explicit TRzURLLabel(TComponent* owner);

  String URL;
  bool Visited() const { return visited_; }
  virtual void SetVisited(bool value);
  TColor UnvisitedColor() const { return unvisitedColor_; }
  virtual void SetUnvisitedColor(TColor value);
  TColor VisitedColor() const { return visitedColor_; }
  virtual void SetVisitedColor(TColor value);

  void Click() override;

protected:
  virtual void UpdateFontColor();

private:
  bool visited_ = false;
  TColor unvisitedColor_ = clHighlight;
  TColor visitedColor_ = clPurple;
};
