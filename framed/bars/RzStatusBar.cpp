#include "framed/bars/RzStatusBar.h"

#include <cmath>

#include "framed/common/RzCommon_Rects.h"
#include "framed/common/RzCommon_Borders.h"
#include "framed/common/RzCommon_Colors.h"
#include "framed/theme/RzThemeSrv.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/CustomForm.h"
#include "platform/core/Math.h"

TRzStatusBar::TRzStatusBar(TComponent* owner)
    : TRzCustomPanel(owner), gripCanvas_(std::make_unique<TControlCanvas>()) {
  gripCanvas_->SetControl(this);
  SetAlign(alBottom);
  borderInner_ = fsNone;
  borderOuter_ = fsNone;
  borderSides_ = sdAllSides;
  SetHeight(19);
  SetBorderWidth(0);
}

TRzStatusBar::~TRzStatusBar() { gripCanvas_.reset(); }

bool TRzStatusBar::Themed() const { return ThemeAware() && ThemeServices()->ThemesEnabled(); }

void TRzStatusBar::SetShowSizeGrip(bool value) {
  if (showSizeGrip_ == value) return;
  showSizeGrip_ = value;
  ValidateSizeGrip();
  Invalidate();
}

void TRzStatusBar::SetSimpleCaption(const String& value) {
  if (simpleCaption_ == value) return;
  simpleCaption_ = value;
  Invalidate();
}

void TRzStatusBar::SetSimpleFrameStyle(TFrameStyle value) {
  if (simpleFrameStyle_ == value) return;
  simpleFrameStyle_ = value;
  Invalidate();
}

// Leaving simple mode gives each pane back the visibility it had before, so a
// pane hidden on purpose stays hidden.
void TRzStatusBar::SetSimpleStatus(bool value) {
  if (simpleStatus_ == value) return;
  simpleStatus_ = value;
  DisableAlign();
  try {
    if (value) {
      paneVisibility_.clear();
      for (int i = 0; i < ControlCount(); ++i) {
        paneVisibility_.emplace_back(Controls(i), Controls(i)->Visible());
        Controls(i)->SetVisible(false);
      }
    } else {
      for (int i = 0; i < ControlCount(); ++i) {
        bool visible = true;
        for (auto& saved : paneVisibility_)
          if (saved.first == Controls(i)) visible = saved.second;
        Controls(i)->SetVisible(visible);
      }
      paneVisibility_.clear();
    }
    if (HasState(csDesigning))
      for (int i = 0; i < ControlCount(); ++i) Controls(i)->ControlStyle |= csNoDesignVisible;
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
  Invalidate();
}

void TRzStatusBar::ValidateSizeGrip() {
  TCustomForm* form = GetParentForm(this);
  sizeGripAllowed_ = form && (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin) &&
                     form->WindowState() != wsMaximized;
}

void TRzStatusBar::AdjustStyle() {
  const bool autoStyle = AutoStyle;
  adjusting_ = true;
  try {
    SetBorderInner(fsNone);
    SetBorderOuter(fsNone);
    SetBorderSides(sdAllSides);
    SetHeight(19);
    SetBorderWidth(0);
  } catch (...) {
    adjusting_ = false;
    AutoStyle = autoStyle;
    throw;
  }
  adjusting_ = false;
  AutoStyle = autoStyle;
}

void TRzStatusBar::SetBorderInner(TFrameStyleEx value) {
  if (value == borderInner_) return;
  TRzCustomPanel::SetBorderInner(value);
  if (!adjusting_) AutoStyle = false;
}

void TRzStatusBar::SetBorderOuter(TFrameStyleEx value) {
  if (value == borderOuter_) return;
  TRzCustomPanel::SetBorderOuter(value);
  if (!adjusting_) AutoStyle = false;
}

void TRzStatusBar::SetBorderSides(TSides value) {
  if (value == borderSides_) return;
  TRzCustomPanel::SetBorderSides(value);
  if (!adjusting_) AutoStyle = false;
}

void TRzStatusBar::Loaded() {
  TRzCustomPanel::Loaded();
  if (AutoStyle) AdjustStyle();
}

TRect TRzStatusBar::ClientRect() const {
  TRect r = TRzCustomPanel::ClientRect();
  if (ThemeServices()->ThemesAvailable()) {
    if (simpleStatus_) ++r.Left, ++r.Top, --r.Right;
  } else {
    ++r.Bottom;
    if (simpleStatus_) {
      r.Top = 2;
    } else {
      r.Top = 1;
      --r.Left;
      ++r.Right;
    }
  }
  return r;
}

void TRzStatusBar::CreateWnd() {
  ValidateSizeGrip();
  TRzCustomPanel::CreateWnd();
}

void TRzStatusBar::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONDOWN && sizeGripAllowed_ && showSizeGrip_) {
    const TPoint p{LOWORD(message.LParam), HIWORD(message.LParam)};
    if (SizeGripRect().Contains(p)) {
      ::ReleaseCapture();
      if (TCustomForm* form = GetParentForm(this))
        ::SendMessageA(form->Handle(), WM_SYSCOMMAND, 0xF008, 0);
      return;
    }
  }
  TRzCustomPanel::WndProc(message);
}

void TRzStatusBar::WMSetCursor(TMessage& message) {
  if (showSizeGrip_ && sizeGripAllowed_ && SizeGripRect().Contains(CursorPosition())) {
    ::SetCursor(::LoadCursorA(nullptr, IDC_SIZENWSE));
    message.Result = 1;
    return;
  }
  TRzCustomPanel::WMSetCursor(message);
}

void TRzStatusBar::Paint() {
  TCanvas* c = Canvas();
  if (Themed()) {
    ThemeServices()->DrawElement(c->Handle(), GetElementDetails(tsStatusRoot), Rect(0, 0, Width(), Height()));
    if (simpleStatus_ && !simpleCaption_.empty())
      ThemeServices()->DrawText(c->Handle(), GetElementDetails(tsStatusRoot),
                                std::wstring(simpleCaption_.begin(), simpleCaption_.end()), ClientRect(),
                                DT_SINGLELINE | DT_VCENTER, 0);
    return;
  }
  TRzCustomPanel::Paint();
  TRect r = ClientRect();
  --r.Bottom;
  if (!simpleStatus_) return;
  DrawSimpleStatusBorder(r);
  InflateRect(r, -1, -1);
  if (simpleCaption_.empty()) return;
  c->SetFont(Font());
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->TextRect(r, r.Left + 2, r.Top + (r.Bottom - r.Top - c->TextHeight("Pp")) / 2, simpleCaption_);
}

void TRzStatusBar::DrawSimpleStatusBorder(const TRect& r) {
  TCanvas* c = Canvas();
  if (Themed()) {
    ThemeServices()->DrawElement(c->Handle(), GetElementDetails(tsPane), r);
    return;
  }
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(Color());
  c->FillRect(r);
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetWidth(1);
  if (simpleFrameStyle_ != fsFlat) {
    DrawBorder(c, r, simpleFrameStyle_);
    return;
  }
  c->Pen()->SetColor(AdjustColor(FlatColor(), FlatColorAdjustment()));
  auto line = [c](int x1, int y1, int x2, int y2) {
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
  };
  line(r.Left, r.Top + 1, r.Left, r.Bottom - 1);
  line(r.Left + 1, r.Top, r.Right - 1, r.Top);
  line(r.Right - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  line(r.Left + 1, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
}

void TRzStatusBar::WMPaint(TMessage& message) {
  TRzCustomPanel::WMPaint(message);
  TRect r = ClientRect();
  --r.Bottom;
  ValidateSizeGrip();
  if (showSizeGrip_ && sizeGripAllowed_) PaintSizeGrip(r);
}

void TRzStatusBar::PaintSizeGrip(const TRect& r) {
  const int rt = r.Right, bt = r.Bottom;
  if (Themed()) {
    ThemeServices()->DrawElement(gripCanvas_->Handle(), GetElementDetails(tsGripper), Rect(rt - 20, r.Top, rt, bt));
    return;
  }
  static const int kDots[6][2] = {{5, 12}, {5, 8}, {5, 4}, {9, 8}, {9, 4}, {13, 4}};
  TCanvas* c = gripCanvas_.get();
  for (int pass = 0; pass < 2; ++pass) {
    const TColor color = pass == 0 ? clBtnHighlight : clBtnShadow;
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(color);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(color);
    for (auto& dot : kDots) {
      const int x1 = rt - dot[0] - pass, y1 = bt - dot[1] - pass;
      c->Rectangle(x1, y1, x1 + 2, y1 + 2);
    }
  }
  c->Refresh();
}

// Panes keep their share of the bar's width; with no width known before there
// is nothing to scale by.
void TRzStatusBar::ScalePanes() {
  if (!AutoScalePanes || ControlCount() == 0 || widthChange_ == 0 || previousWidth_ == 0) return;
  DisableAlign();
  try {
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* pane = Controls(i);
      const float share = static_cast<float>(static_cast<double>(pane->Width()) / previousWidth_);
      pane->SetWidth(pane->Width() + static_cast<int>(std::nearbyint(widthChange_ * share)));
    }
  } catch (...) {
    EnableAlign();
    throw;
  }
  EnableAlign();
}

void TRzStatusBar::Resize() {
  TRzCustomPanel::Resize();
  if (firstResize_) {
    widthChange_ = 0;
    previousWidth_ = Width();
    firstResize_ = false;
  } else {
    widthChange_ = Width() - previousWidth_;
  }
  ScalePanes();
  previousWidth_ = Width();
}
