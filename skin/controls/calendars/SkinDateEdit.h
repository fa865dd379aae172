// TspSkinDateEdit: a skinned mask edit with a button for one date in the
// locale's short date format. Its mask comes from the short date of
// 31 December 9999, keystrokes that would make an impossible date are
// refused, a complete valid text becomes the date, and the button drops a
// month calendar down below (or above) the edit.
#pragma once

#include <array>

#include "skin/controls/SkinEdit.h"
#include "skin/controls/calendars/SkinMonthCalendar.h"

// The drop-down: a month calendar as a pop-up tool window that never takes activation.
class TspPopupCalendar : public TspSkinMonthCalendar {
public:
  explicit TspPopupCalendar(TComponent* owner);

protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
};

class TspSkinDateEdit : public TspSkinEdit {
public:
  explicit TspSkinDateEdit(TComponent* owner);

  TDateTime Date() const { return calendar_->Date(); }
  void SetDate(TDateTime value);
  bool TodayDefault() const { return todayDefault_; }
  void SetTodayDefault(bool value);
  Integer CalendarWidth() const { return calendar_->Width(); }
  void SetCalendarWidth(Integer value) { calendar_->SetWidth(value); }
  Integer CalendarHeight() const { return calendar_->Height(); }
  void SetCalendarHeight(Integer value) { calendar_->SetHeight(value); }
  bool CalendarAlphaBlend = false;
  Byte CalendarAlphaBlendValue = 0;
  bool CalendarAlphaBlendAnimation = false;
  TNotifyEvent OnDateChange;
  TspPopupCalendar* Calendar() const { return calendar_; }  // owned (child)

  String GetDateMask();
  bool IsValidText2(const String& text);
  bool IsValidText(const String& text);
  bool IsDateInput() { return IsValidText(Text()); }
  bool IsMonth(const String& text);
  Integer DecodeMonth(const String& text);
  String ExtactMonth(TDateTime date);
  bool MyStrToDate(const String& text, TDateTime& date);
  void CheckValidDate();
  void DropDown();
  void CloseUp(bool accept);
  bool IsPopupVisible() const { return calendar_->Visible(); }
  void Loaded() override;
  void ValidateEdit() override;

protected:
  void Change() override;
  void KeyPress(char& key) override;
  void Dispatch(TMessage& message) override;

private:
  struct Reference {
    std::array<String, 3> Parts;
    Integer Day = 0, Month = 1, Year = 2;  // part indexes
    bool Named = false;                   // the month is a name
    bool Numeric = true;
  };
  Reference Ref();
  bool AcceptsKey(char key);
  void ButtonClick(TObject*);
  void CalendarClick(TObject*);
  void WriteDateText(TDateTime date);

  TspPopupCalendar* calendar_;
  bool todayDefault_ = false;
  bool updating_ = false;
  TDateTime savedDate_ = 0;
};
