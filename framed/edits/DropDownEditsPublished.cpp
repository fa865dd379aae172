#include "framed/edits/DropDownEditsPublished.h"

#include "framed/controls/RzPublishedRows.h"
#include "framed/edits/EditsPublished.h"
#include "framed/edits/RzColorEdit.h"
#include "framed/edits/RzDateTimeEdit.h"
#include "framed/edits/RzExpandEdit.h"
#include "framed/popups/PopupsPublished.h"
#include "platform/published/Published.h"

namespace {

const TEnumNames kExpandOnTypes{"TExpandOnType", {"etMouseButton2Click", "etFocus", "etNone"}};
const TEnumNames kEditTypes{"TRzDTEditType", {"etDate", "etTime"}};

void PublishExpandEdit() {
  using X = TRzExpandEdit;
  PublishClass<X, TRzEdit>()
      .Integer("ExpandedWidth", &X::ExpandedWidth, &X::SetExpandedWidth, 0)
      .Enum("ExpandOn", kExpandOnTypes, &X::ExpandOn, &X::SetExpandOn, etNone);
}

void PublishColorEdit() {
  using C = TRzColorEdit;
  PublishClass<C, TRzCustomEdit>()
      .Hide("Text")
      .Hide("EditMask")
      .Hide("OnValidateError")
      .Default("DropButtonVisible", Int64(1))
      .Color("CustomColor", &C::CustomColor, &C::CustomColor, clWhite)
      .Component<TRzCustomColors>("CustomColors", &C::CustomColors, &C::SetCustomColors)
      .Set("ColorDlgOptions", ColorDialogOptionNames(), &C::ColorDlgOptions, &C::ColorDlgOptions,
           ColorDialogOption(cdFullOpen))
      .Color("DefaultColor", &C::DefaultColor, &C::DefaultColor, clHighlight)
      .Str("CustomColorCaption", &C::CustomColorCaption, &C::CustomColorCaption)
      .Str("DefaultColorCaption", &C::DefaultColorCaption, &C::DefaultColorCaption)
      .Str("NoColorCaption", &C::NoColorCaption, &C::NoColorCaption)
      .Bool("ShowColorHints", &C::ShowColorHints, &C::ShowColorHints, true)
      .Color("SelectedColor", &C::SelectedColor, &C::SetSelectedColor, clNone)
      .Bool("ShowNoColor", &C::ShowNoColor, &C::ShowNoColor, false)
      .Bool("ShowCustomColor", &C::ShowCustomColor, &C::ShowCustomColor, false)
      .Bool("ShowDefaultColor", &C::ShowDefaultColor, &C::ShowDefaultColor, false)
      .Bool("ShowSystemColors", &C::ShowSystemColors, &C::ShowSystemColors, false);
}

void PublishDateTimeEdit() {
  using D = TRzDateTimeEdit;
  PublishClass<D, TRzCustomEdit>()
      .Hide("Text")
      .Hide("EditMask")
      .Hide("OnValidateError")
      .Default("DropButtonVisible", Int64(1))
      .Object("CalendarColors", &D::CalendarColors)
      .Set("CalendarElements", CalendarElementNames(), &D::CalendarElements, &D::CalendarElements,
           D::kAllButWeekNumbers)
      .Str("CaptionTodayBtn", &D::CaptionTodayBtn, &D::CaptionTodayBtn)
      .Str("CaptionClearBtn", &D::CaptionClearBtn, &D::CaptionClearBtn)
      .Str("CaptionAM", &D::CaptionAM, &D::CaptionAM)
      .Str("CaptionPM", &D::CaptionPM, &D::CaptionPM)
      .Str("CaptionSet", &D::CaptionSet, &D::CaptionSet)
      .Str("HowToUseMsg", &D::HowToUseMsg, &D::HowToUseMsg)
      .Object("ClockFaceColors", &D::ClockFaceColors)
      .Enum("FirstDayOfWeek", FirstDayOfWeekNames(), &D::FirstDayOfWeek, &D::FirstDayOfWeek, fdowLocale)
      .Bool("RestrictMinutes", &D::RestrictMinutes, &D::RestrictMinutes, false)
      .Bool("ShowHowToUseHint", &D::ShowHowToUseHint, &D::ShowHowToUseHint, true)
      // The type first: the value that follows is read as a date or as a time.
      .Enum("EditType", kEditTypes, &D::EditType, &D::SetEditType, etDate)
      .NoDefault()
      .Str("Format", &D::Format, &D::SetFormat)
      .Float("Date", &D::GetDate, &D::SetDate, 0)
      .StoredWhen([](D& d) { return d.IsDate(); })
      .NoDefault()
      .Float("Time", &D::GetTime, &D::SetTime, 0)
      .StoredWhen([](D& d) { return d.IsTime(); })
      .NoDefault()
      .Event("OnGetBoldDays", &D::OnGetBoldDays)
      .Event("OnDateTimeChange", &D::OnDateTimeChange)
      .Event("OnGetWeekNumber", &D::OnGetWeekNumber)
      .Event("OnViewDateChange", &D::OnViewDateChange);
}

}  // namespace

void PublishFramedDropDownEdits() {
  static bool published = false;
  if (published) return;
  published = true;
  PublishFramedEdits();
  PublishFramedPopups();
  PublishExpandEdit();
  PublishColorEdit();
  PublishDateTimeEdit();
}
