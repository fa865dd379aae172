// The published properties of the month calendar and the date edit.
#include "platform/published/Published.h"
#include "skin/controls/Periphery2Published.h"
#include "skin/controls/calendars/SkinDateEdit.h"

namespace {

const TEnumNames kDaysOfWeek{"TspDaysOfWeek", {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}};

}  // namespace

void PublishSkinCalendarsPeriphery() {
  using C = TspSkinMonthCalendar;
  PublishClass<C, TspSkinPanel>()
      .Float("Date", &C::Date, &C::SetDate)
      .NoDefault()
      .Bool("TodayDefault", &C::TodayDefault, &C::SetTodayDefault, false)
      .Enum("FirstDayOfWeek", kDaysOfWeek, &C::FirstDayOfWeek, &C::SetFirstDayOfWeek, Sun)
      .Bool("BoldDays", &C::BoldDays, &C::SetBoldDays, false)
      .Event("OnNumberClick", &C::OnNumberClick);
  using D = TspSkinDateEdit;
  auto calendar = [](D& d) { return d.Calendar(); };
  PublishClass<D, TspSkinEdit>()
      .Hide("EditMask")
      .Float("Date", &D::Date, &D::SetDate)
      .Bool("TodayDefault", &D::TodayDefault, &D::SetTodayDefault, false)
      .Integer("CalendarWidth", &D::CalendarWidth, &D::SetCalendarWidth, 200)
      .Integer("CalendarHeight", &D::CalendarHeight, &D::SetCalendarHeight, 150)
      .Object("CalendarFont", [calendar](D& d) { return calendar(d)->DefaultFont(); })
      .Bool("CalendarBoldDays", [calendar](D& d) { return calendar(d)->BoldDays(); },
            [calendar](D& d, bool v) { calendar(d)->SetBoldDays(v); }, false)
      .Bool("CalendarUseSkinFont", [calendar](D& d) { return calendar(d)->UseSkinFont; },
            [calendar](D& d, bool v) { calendar(d)->UseSkinFont = v; }, true)
      .Str("CalendarSkinDataName", [calendar](D& d) { return calendar(d)->SkinDataName; },
           [calendar](D& d, const String& v) { calendar(d)->SkinDataName = v; }, "panel")
      .Bool("CalendarAlphaBlend", &D::CalendarAlphaBlend, &D::CalendarAlphaBlend, false)
      .Integer("CalendarAlphaBlendValue", &D::CalendarAlphaBlendValue, &D::CalendarAlphaBlendValue, 0)
      .Bool("CalendarAlphaBlendAnimation", &D::CalendarAlphaBlendAnimation, &D::CalendarAlphaBlendAnimation, false)
      .Event("OnDateChange", &D::OnDateChange);
}
