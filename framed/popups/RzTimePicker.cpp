#include "framed/popups/RzTimePicker.h"

#include <algorithm>
#include <cmath>

#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/startup/RzStrings.h"

namespace {

constexpr unsigned kCaptionAMId = 65393;
constexpr unsigned kCaptionPMId = 65394;
constexpr unsigned kCaptionSetId = 65395;
constexpr double kPi = 3.14159265358979323846;

TDateTime Frac(TDateTime value) { return value - std::trunc(value); }

}  // namespace

// ---- colours ----

TRzClockFaceColors::TRzClockFaceColors(TRzTimePicker* picker)
    : TRzIndexedColors(picker, {clBtnFace, clWindowText, clWindowText, clBtnShadow, clWindowText}) {}

// ---- the picker ----

TRzTimePicker::TRzTimePicker(TComponent* owner) : TRzCustomPanel(owner) {
  ControlStyle = (ControlStyle & ~(csAcceptsControls | csSetCaption | csNoStdEvents)) | csReflector;
  clockFaceColors_ = std::make_unique<TRzClockFaceColors>(this);
  SetColor(clWindow);
  flatColorAdjustment_ = 0;
  borderOuter_ = fsLowered;
  SetTabStop(true);
  DoubleBuffered = true;
  AdjustForFont();
  SetBounds(Left(), Top(), 160, 190);
  SetAutoSize(true);
  hintTimer_ = FramedClock().MakeTimer();
  hintTimer_->SetInterval(1000);
  hintTimer_->OnTimer = TNotifyEvent::Function([this](TObject*) { HintTimerTick(); });
}

TRzTimePicker::~TRzTimePicker() {
  hintTimer_.reset();
  hintWindow_.reset();
}

String TRzTimePicker::ShownCaption(const String& caption, unsigned id) const {
  return caption.empty() ? LoadRzString(id) : caption;
}

String TRzTimePicker::AMText() const { return ShownCaption(captionAM_, kCaptionAMId); }
String TRzTimePicker::PMText() const { return ShownCaption(captionPM_, kCaptionPMId); }
String TRzTimePicker::SetButtonText() const { return ShownCaption(captionSet_, kCaptionSetId); }

void TRzTimePicker::ChangeCaption(String& field, const String& value) {
  if (field == value) return;
  field = value;
  AdjustForFont();
}

void TRzTimePicker::SetFormat(const String& value) {
  if (format_ == value) return;
  format_ = value;
  Invalidate();
}

void TRzTimePicker::SetShowSetButton(bool value) {
  if (showSetButton_ == value) return;
  showSetButton_ = value;
  Invalidate();
}

void TRzTimePicker::CalcFontSize() {
  const TSize zero = ScreenTextExtent(Font(), "0");
  charWidth_ = zero.cx;
  charHeight_ = zero.cy;
}

void TRzTimePicker::AdjustForFont() {
  CalcFontSize();
  AdjustSize();
  Invalidate();
}

void TRzTimePicker::CMFontChanged(TMessage& message) {
  TRzCustomPanel::CMFontChanged(message);
  AdjustForFont();
}

bool TRzTimePicker::CanAutoSize(int& width, int& height) {
  height = 14 * charHeight_ + 8;
  const int byCaption = captionSet_.empty()
                            ? 24 * charWidth_
                            : 12 * charWidth_ + 2 * charWidth_ * (static_cast<int>(captionSet_.size()) + 2);
  width = std::max(13 * charWidth_ + 78, byCaption);
  return true;
}

// Never smaller than the natural size; exactly that size while AutoSize is on.
void TRzTimePicker::SetBounds(int left, int top, int width, int height) {
  int naturalWidth = 0, naturalHeight = 0;
  CanAutoSize(naturalWidth, naturalHeight);
  if (AutoSize()) {
    width = naturalWidth;
    height = naturalHeight;
  }
  TRzCustomPanel::SetBounds(left, top, std::max(width, naturalWidth), std::max(height, naturalHeight));
}

void TRzTimePicker::AdjustClientRect(TRect& rect) {
  TRzCustomPanel::AdjustClientRect(rect);
  FixClientRect(rect, false);
}

void TRzTimePicker::CalcRects() {
  TRect r = ClientRect();
  AdjustClientRect(r);
  const int f = GetMinFontHeight(Font());
  timeRect_ = TRect(r.Left, r.Top, r.Right, f + 4);
  const int top = Height() - f - 9;
  const int amWidth = ScreenTextExtent(Font(), AMText()).cx + 14;
  const int pmWidth = ScreenTextExtent(Font(), PMText()).cx + 14;
  amRect_ = TRect(5, top, 5 + amWidth, top + f + 4);
  pmRect_ = TRect(amRect_.Right + 5, top, amRect_.Right + 5 + pmWidth, top + f + 4);
  setButtonRect_ = TRect((Width() - pmRect_.Right - 5) / 3 + pmRect_.Right, top, Width() - 5, pmRect_.Bottom);
  const int v = amRect_.Top - timeRect_.Bottom - 10;
  center_ = Point((Width() - 10) / 2 + 5, timeRect_.Bottom + v / 2 + 3);
  radius_ = std::min((Width() - 10) / 2, v / 2);
  clockRect_ = TRect(center_.X - radius_, center_.Y - radius_, center_.X + radius_, center_.Y + radius_);
}

// ---- the time ----

void TRzTimePicker::SetTime(TDateTime value) {
  if (Frac(value) == time_) return;
  Word hour, minute, second, ms;
  DecodeTime(value, hour, minute, second, ms);
  time_ = EncodeTime(hour, minute, 0, 0);
  isPM_ = hour > 11;
  Changed();
  Invalidate();
}

void TRzTimePicker::SetHour(int hour) {
  if (isPM_ && hour < 12) hour += 12;
  else if (!isPM_ && hour == 12) hour = 0;
  Word h, minute, second, ms;
  DecodeTime(time_, h, minute, second, ms);
  SetTime(EncodeTime(hour, minute, 0, 0));
}

void TRzTimePicker::SetMinutes(int minute) {
  Word hour, m, second, ms;
  DecodeTime(time_, hour, m, second, ms);
  SetTime(EncodeTime(hour, minute, 0, 0));
}

void TRzTimePicker::ChangeToAM() {
  if (!isPM_) return;
  isPM_ = false;
  Word hour, minute, second, ms;
  DecodeTime(time_, hour, minute, second, ms);
  SetHour(hour - 12);
}

void TRzTimePicker::ChangeToPM() {
  if (isPM_) return;
  isPM_ = true;
  Word hour, minute, second, ms;
  DecodeTime(time_, hour, minute, second, ms);
  SetHour(hour + 12);
}

// Today's date carries the step across midnight; only the time of day is kept.
void TRzTimePicker::AdjustHour(Int64 delta) { SetTime(Frac(IncHour(::Date() + time_, delta))); }

void TRzTimePicker::AdjustMinute(Int64 delta) { SetTime(Frac(IncMinute(::Date() + time_, delta))); }

double TRzTimePicker::NormalizedArcTan(double dx, double dy) {
  double a = std::atan(dy / dx);
  if (dx > 0 && dy < 0) a += 2 * kPi;
  else if (dx < 0) a += kPi;
  return a;
}

int TRzTimePicker::GetHourFromXY(int x, int y) const {
  const int dx = x - center_.X, dy = y - center_.Y;
  if (dx == 0) return dy <= 0 ? 12 : 6;
  double a = NormalizedArcTan(dx, dy) + kPi / 3;
  if (a > 2 * kPi) a -= 2 * kPi;
  for (int g = 1; g <= 12; ++g)
    if (a < g * kPi / 6 - kPi / 12) return g;
  return 12;
}

int TRzTimePicker::GetMinuteFromXY(int x, int y, bool restrict) const {
  const int dx = x - center_.X, dy = y - center_.Y;
  int minute = 0;
  if (dx == 0) {
    minute = dy <= 0 ? 0 : 30;
  } else {
    double a = NormalizedArcTan(dx, dy) + kPi / 2;
    if (a > 2 * kPi) a -= 2 * kPi;
    for (int h = 1; h <= 60; ++h)
      if (a < h * kPi / 30 - kPi / 60) {
        minute = h - 1;
        break;
      }
  }
  if (restrict || RestrictMinutes) {
    minute = static_cast<int>(std::nearbyint(minute / 60.0 * 12)) * 5;
    if (minute == 60) minute = 0;
  }
  return minute;
}
