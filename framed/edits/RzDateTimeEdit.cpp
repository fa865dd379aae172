#include "framed/edits/RzDateTimeEdit.h"

#include <cmath>
#include <memory>

#include "framed/popups/RzPopupPanel.h"
#include "framed/popups/RzPopups_DateText.h"
#include "platform/controls/CustomForm.h"
#include "platform/core/LocaleSettings.h"

namespace {

TDateTime Frac(TDateTime value) { return value - std::trunc(value); }

// Restores a value when it leaves scope, also on an exception.
template <class T>
class TRestore {
public:
  TRestore(T& target, T during) : target_(target), saved_(target) { target_ = during; }
  ~TRestore() { target_ = saved_; }

private:
  T& target_;
  T saved_;
};

}  // namespace

TRzDateTimeEdit::TRzDateTimeEdit(TComponent* owner) : TRzCustomEdit(owner) {
  SetDropButtonVisible(true);
  calendarColors_ = std::make_unique<TRzCalendarColors>(nullptr);
  clockFaceColors_ = std::make_unique<TRzClockFaceColors>(nullptr);
}

TRzDateTimeEdit::~TRzDateTimeEdit() = default;

TDateTime TRzDateTimeEdit::GetDate() const { return std::trunc(value_); }

TDateTime TRzDateTimeEdit::GetTime() const { return Frac(value_); }

void TRzDateTimeEdit::SetDate(TDateTime value) {
  value_ = value;
  SetEditType(etDate);
  CheckDateTimeChange();
  UpdateText();
}

void TRzDateTimeEdit::SetTime(TDateTime value) {
  TRestore<bool> setting(settingTime_, true);
  value_ = value;
  timeEntered_ = true;
  SetEditType(etTime);
  CheckDateTimeChange();
  UpdateText();
}

void TRzDateTimeEdit::SetEditType(TRzDTEditType value) {
  if (editType_ == value) return;
  editType_ = value;
  ReformatDateTime();
}

void TRzDateTimeEdit::SetFormat(const String& value) {
  if (format_ == value) return;
  SetDateTime();
  format_ = value;
  UpdateText();
}

void TRzDateTimeEdit::Clear() {
  TRzCustomEdit::Clear();
  value_ = 0;
  CheckDateTimeChange();
  timeEntered_ = false;
}

// Typed text is read only when the user changed it; whatever the reading throws
// leaves the value as it was.
void TRzDateTimeEdit::SetDateTime() {
  if (!Modified()) return;
  SetModified(false);
  try {
    if (editType_ == etTime) {
      value_ = StrToTimeEx(Text());
      timeEntered_ = true;
    } else {
      value_ = StrToDateEx(Text());
    }
    CheckDateTimeChange();
  } catch (...) {
  }
}

// Only a change of the part the edit holds is reported (and recorded).
void TRzDateTimeEdit::CheckDateTimeChange() {
  const bool changed = editType_ == etTime ? Frac(value_) != Frac(reported_) : std::trunc(value_) != std::trunc(reported_);
  if (!changed) return;
  DateTimeChange();
  reported_ = value_;
}

void TRzDateTimeEdit::UpdateText() {
  const String format = !format_.empty() ? format_ : editType_ == etTime ? "t" : "ddddd";
  {
    TRestore<bool> updating(updatingText_, true);
    String text;
    if (editType_ == etDate) {
      if (value_ != 0) text = FormatDateTime(format, value_);
    } else if (settingTime_) {
      text = FormatDateTime(format, value_);
    } else if (value_ == 0 && !timeEntered_) {
      text.clear();
    } else if (value_ == 0 && Text().empty() && !storingPickerTime_) {
      text.clear();
    } else {
      text = FormatDateTime(format, value_);
    }
    SetText(text);
  }
  SetModified(false);
}

void TRzDateTimeEdit::ReformatDateTime() {
  SetDateTime();
  UpdateText();
}

void TRzDateTimeEdit::Change() {
  if (!updatingText_) SetDateTime();
  TRzCustomEdit::Change();
}

void TRzDateTimeEdit::WMSetFocus(TMessage& message) {
  TRzCustomEdit::WMSetFocus(message);
  UpdateText();
}

void TRzDateTimeEdit::WMKillFocus(TMessage& message) {
  TRzCustomEdit::WMKillFocus(message);
  ReformatDateTime();
}

void TRzDateTimeEdit::Dispatch(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    return;
  }
  TRzCustomEdit::Dispatch(message);
}

// ---- stepping ----

TDateTime TRzDateTimeEdit::StartValue(bool fromNow) const {
  if (value_ != 0) return value_;
  return fromNow ? Now() : ::Date();
}

void TRzDateTimeEdit::Step(TDateTime stepped, bool wrapDay) {
  if (wrapDay && stepped < 0) stepped += 1;  // back across midnight: the same time a day on
  value_ = stepped;
  CheckDateTimeChange();
  UpdateText();
}

void TRzDateTimeEdit::AdjustYear(int delta) { Step(IncYear(StartValue(false), delta), false); }
void TRzDateTimeEdit::AdjustMonth(int delta) { Step(IncMonth(StartValue(false), delta), false); }
void TRzDateTimeEdit::AdjustDay(int delta) { Step(IncDay(StartValue(false), delta), false); }
void TRzDateTimeEdit::AdjustHour(Int64 delta) { Step(IncHour(StartValue(true), delta), true); }
void TRzDateTimeEdit::AdjustMinute(Int64 delta) { Step(IncMinute(StartValue(true), delta), true); }

void TRzDateTimeEdit::KeyDown(Word& key, TShiftState shift) {
  TRzCustomEdit::KeyDown(key, shift);
  const bool date = editType_ == etDate;
  switch (key) {
    case VK_PRIOR:
    case VK_NEXT: {
      const int sign = key == VK_PRIOR ? 1 : -1;
      if (!date) AdjustHour(sign);
      else if (shift & ssShift) AdjustYear(sign);
      else AdjustMonth(sign);
      break;
    }
    case VK_UP:
    case VK_DOWN: {
      const int sign = key == VK_UP ? 1 : -1;
      if (date) AdjustDay(sign);
      else AdjustMinute(sign);
      break;
    }
    default:
      break;
  }
}

void TRzDateTimeEdit::KeyPress(char& key) {
  const bool date = editType_ == etDate;
  const bool passes = key == '\b' || key == '\r' || key == 27;
  if (!date && !passes && ::IsCharAlphaA(key) && String("AaMmPp").find(key) == String::npos) {
    ::MessageBeep(0);
    key = 0;
    return;
  }
  const char separator = date ? LocaleSettings().DateSeparator : LocaleSettings().TimeSeparator;
  if (key != separator) {
    int sign = 0;
    if (key == '+' || key == '=') sign = 1;
    else if (key == '-' || key == '_') sign = -1;
    if (sign) {
      if (date) AdjustDay(sign);
      else AdjustHour(sign);
      key = 0;
      return;
    }
  }
  TRzCustomEdit::KeyPress(key);
}
