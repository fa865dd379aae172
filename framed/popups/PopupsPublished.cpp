#include "framed/popups/PopupsPublished.h"

#include "framed/common/RzCommon_Types.h"
#include "framed/controls/ControlsPublished.h"
#include "framed/controls/RzPublishedRows.h"
#include "framed/popups/RzCalendar.h"
#include "framed/popups/RzPopupPanel.h"
#include "framed/popups/RzTimePicker.h"
#include "platform/published/Published.h"

namespace {


// A colour of an indexed colour set, as a published property of its own name.
template <class C>
void IndexedColor(TPublishedBuilder<C>& builder, const char* name, int index, TColor def) {
  builder.Color(
      name, [index](C& c) { return c.GetColor(index); }, [index](C& c, TColor v) { c.SetColor(index, v); }, def);
}

void PublishColorSets() {
  auto calendarColors = PublishClass<TRzCalendarColors>();
  IndexedColor(calendarColors, "Days", 0, clWindowText);
  IndexedColor(calendarColors, "FillDays", 1, clBtnShadow);
  IndexedColor(calendarColors, "DaysOfWeek", 2, clWindowText);
  IndexedColor(calendarColors, "Lines", 3, clBtnShadow);
  IndexedColor(calendarColors, "SelectedDateBack", 4, clHighlight);
  IndexedColor(calendarColors, "SelectedDateFore", 5, clHighlightText);
  IndexedColor(calendarColors, "TodaysDateFrame", 6, clMaroon);
  auto clockColors = PublishClass<TRzClockFaceColors>();
  IndexedColor(clockColors, "Face", 0, clBtnFace);
  IndexedColor(clockColors, "Hands", 1, clWindowText);
  IndexedColor(clockColors, "Numbers", 2, clWindowText);
  IndexedColor(clockColors, "HourTicks", 3, clBtnShadow);
  IndexedColor(clockColors, "MinuteTicks", 4, clWindowText);
}

// What the calendar and the clock change of the panel's defaults, and the panel's
// face properties they do not publish.
template <class T>
TPublishedBuilder<T> PublishPanelBased() {
  return RzRows::HideGrid(RzRows::HideGradient(PublishClass<T, TRzCustomPanel>()))
      .Default("Color", Int64(clWindow))
      .Default("TabStop", Int64(1))
      .Default("AutoSize", Int64(1))
      .Default("BorderOuter", Int64(fsLowered))
      .Default("FlatColorAdjustment", Int64(0))
      .Hide("Caption")
      .Hide("AlignmentVertical")
      .Hide("UseGradients")
      .Hide("Transparent")
      .Hide("Locked");
}

void PublishCalendar() {
  using C = TRzCalendar;
  PublishPanelBased<C>()
      .Object("CalendarColors", &C::CalendarColors)
      .Str("CaptionClearBtn", &C::CaptionClearBtn, &C::SetCaptionClearBtn)
      .Str("CaptionTodayBtn", &C::CaptionTodayBtn, &C::SetCaptionTodayBtn)
      .Float("Date", &C::Date, &C::SetDate, 0)
      .Enum("FirstDayOfWeek", FirstDayOfWeekNames(), &C::FirstDayOfWeek, &C::SetFirstDayOfWeek, fdowLocale)
      .Set("Elements", CalendarElementNames(), &C::Elements, &C::SetElements, kDefaultCalendarElements)
      .Event("OnChange", &C::OnChange)
      .Event("OnGetBoldDays", &C::OnGetBoldDays)
      .Event("OnGetWeekNumber", &C::OnGetWeekNumber)
      .Event("OnViewDateChange", &C::OnViewDateChange);
}

void PublishTimePicker() {
  using P = TRzTimePicker;
  PublishPanelBased<P>()
      .Str("CaptionAM", &P::CaptionAM, &P::SetCaptionAM)
      .Str("CaptionPM", &P::CaptionPM, &P::SetCaptionPM)
      .Str("CaptionSet", &P::CaptionSet, &P::SetCaptionSet)
      .Object("ClockFaceColors", &P::ClockFaceColors)
      .Str("Format", &P::Format, &P::SetFormat)
      .Str("HowToUseMsg", &P::HowToUseMsg, &P::HowToUseMsg)
      .Bool("RestrictMinutes", &P::RestrictMinutes, &P::RestrictMinutes, false)
      .Bool("ShowHowToUseHint", &P::ShowHowToUseHint, &P::ShowHowToUseHint, true)
      .Bool("ShowSetButton", &P::ShowSetButton, &P::SetShowSetButton, false)
      .Float("Time", &P::Time, &P::SetTime, 0)
      .Event("OnChange", &P::OnChange)
      .Event("OnSetBtnClick", &P::OnSetBtnClick)
      .Event("OnSetTime", &P::OnSetTime);
}

void PublishPopupPanel() {
  PublishClass<TRzCustomPopup, TRzCustomPanel>()
      .Default("BorderWidth", Int64(2))
      .Default("BorderOuter", Int64(fsPopup))
      .Default("FlatColorAdjustment", Int64(0));
  using P = TRzPopupPanel;
  PublishClass<P, TRzCustomPopup>()
      .Default("Alignment", Int64(taRightJustify))
      .Default("AutoSize", Int64(1))
      .Event("OnClose", &P::OnClose)
      .Event("OnPopup", &P::OnPopup);
}

}  // namespace

void PublishFramedPopups() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishFramedControls();
  PublishColorSets();
  PublishCalendar();
  PublishTimePicker();
  PublishPopupPanel();
}
