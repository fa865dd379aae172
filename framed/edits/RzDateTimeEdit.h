// TRzDateTimeEdit: a framed edit for a date or a time of day. It shows its value
// through a format, reads typed text leniently, steps the value with keys and
// drops a calendar or a clock in a popup panel. 0 is the empty value.
#pragma once

#include <memory>

#include "framed/controls/RzEdit.h"
#include "framed/popups/RzCalendar.h"
#include "framed/popups/RzTimePicker.h"

class TRzPopupPanel;
class TCustomForm;

enum TRzDTEditType : Byte { etDate, etTime };
using TRzDateTimeChangeEvent = TEvent<TObject*, TDateTime>;

class TRzDateTimeEdit : public TRzCustomEdit {
public:
  explicit TRzDateTimeEdit(TComponent* owner);
  ~TRzDateTimeEdit() override;

  TRzDTEditType EditType() const { return editType_; }
  virtual void SetEditType(TRzDTEditType value);
  const String& Format() const { return format_; }
  virtual void SetFormat(const String& value);
  virtual TDateTime GetDate() const;
  virtual void SetDate(TDateTime value);
  virtual bool IsDate() const { return editType_ == etDate; }
  virtual TDateTime GetTime() const;
  virtual void SetTime(TDateTime value);
  virtual bool IsTime() const { return editType_ == etTime; }
  TDateTime Value() const { return value_; }
  TRzCalendarColors* CalendarColors() const { return calendarColors_.get(); }
  virtual void SetCalendarColors(const TRzCalendarColors* value) { calendarColors_->Assign(value); }
  TRzClockFaceColors* ClockFaceColors() const { return clockFaceColors_.get(); }
  virtual void SetClockFaceColors(const TRzClockFaceColors* value) { clockFaceColors_->Assign(value); }

  TRzCalendarElements CalendarElements = kAllButWeekNumbers;
  TRzFirstDayOfWeek FirstDayOfWeek = fdowLocale;
  String CaptionClearBtn, CaptionTodayBtn, CaptionAM, CaptionPM, CaptionSet, HowToUseMsg;
  bool RestrictMinutes = false;
  bool ShowHowToUseHint = true;

  void Clear();
  void AdjustYear(int delta);
  void AdjustMonth(int delta);
  void AdjustDay(int delta);
  void AdjustHour(Int64 delta);
  void AdjustMinute(Int64 delta);
  static Cardinal DaysToBitmask(std::initializer_list<Byte> days) { return TRzCalendar::DaysToBitmask(days); }

  virtual void DisplayCalendar();
  virtual void DisplayTimePicker();

  TRzGetBoldDaysEvent OnGetBoldDays;
  TRzDateTimeChangeEvent OnDateTimeChange;
  TRzGetWeekNumberEvent OnGetWeekNumber;
  TRzViewDateChangeEvent OnViewDateChange;

  static constexpr TRzCalendarElements kAllButWeekNumbers = 0xFF & ~CalendarElement(ceWeekNumbers);

protected:
  virtual void DateTimeChange() { OnDateTimeChange(this, value_); }
  void Change() override;
  void KeyDown(Word& key, TShiftState shift) override;
  void KeyPress(char& key) override;
  void DropDown() override;
  void Dispatch(TMessage& message) override;
  void WMSetFocus(TMessage& message) override;
  void WMKillFocus(TMessage& message) override;

private:
  void SetDateTime();
  void CheckDateTimeChange();
  void UpdateText();
  void ReformatDateTime();
  void Step(TDateTime stepped, bool wrapDay);
  TDateTime StartValue(bool fromNow) const;
  // The panel for a drop-down, and whether its frame follows the edit's flat frame.

  TRzPopupPanel* MakePanel(TCustomForm* form);
  bool FlatLook() const;

  TRzDTEditType editType_ = etDate;
  TDateTime reported_ = 0;
  TDateTime value_ = 0;
  String format_;
  bool updatingText_ = false;
  bool timeEntered_ = false;
  bool settingTime_ = false;
  bool storingPickerTime_ = false;
  std::unique_ptr<TRzCalendarColors> calendarColors_;   // owned
  std::unique_ptr<TRzClockFaceColors> clockFaceColors_;  // owned
};
