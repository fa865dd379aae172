#include "framed/edits/EditsPublished.h"

#include "framed/controls/RzPublishedRows.h"
#include "framed/edits/RzHotKeyEdit.h"
#include "framed/edits/RzMemo.h"
#include "framed/edits/RzNumericEdit.h"
#include "framed/edits/RzRichEdit.h"
#include "platform/published/ComCtrlsPublished.h"
#include "platform/published/Published.h"

namespace {

// The frame and face colours of a framed control over another platform base;
// they are written only while no frame controller supplies them.
template <class T, class Parent>
TPublishedBuilder<T> PublishFramingRows() {
  return RzRows::PlatformExtras(
      RzRows::MouseEnterLeave(RzRows::Frame(RzRows::UserColor(PublishClass<T, Parent>()))));
}

template <class T, class Parent>
void PublishMultiLine() {
  PublishFramingRows<T, Parent>()
      .Bool("TabOnEnter", &T::TabOnEnter, &T::TabOnEnter, false)
      .Event("OnLineColChange", &T::OnLineColChange)
      .Event("OnClipboardChange", &T::OnClipboardChange)
      .Event("OnMouseWheelDown", &T::OnMouseWheelDown)
      .Event("OnMouseWheelUp", &T::OnMouseWheelUp);
}

void PublishSingleLine() {
  // The plain edit has neither the drop-down button nor the mask.
  PublishClass<TRzEdit, TRzCustomEdit>()
      .Hide("DropButtonVisible")
      .Hide("FlatButtons")
      .Hide("FlatButtonColor")
      .Hide("OnDropDown")
      .Hide("OnCloseUp")
      .Hide("EditMask")
      .Hide("OnValidateError");
  PublishClass<TRzMaskEdit, TRzCustomEdit>()
      .Hide("DropButtonVisible")
      .Hide("FlatButtons")
      .Hide("FlatButtonColor")
      .Hide("OnDropDown")
      .Hide("OnCloseUp");

  using N = TRzNumericEdit;
  PublishClass<N, TRzEdit>()
      .Default("Alignment", taRightJustify)
      .Hide("Text")
      .Bool("AllowBlank", &N::AllowBlank, &N::AllowBlank, false)
      .NoDefault()
      .Float("BlankValue", &N::BlankValue, &N::BlankValue, 0)
      .NoDefault()
      .Bool("CheckRange", &N::CheckRange, &N::CheckRange, false)
      .NoDefault()
      .Bool("IntegersOnly", &N::IntegersOnly, &N::SetIntegersOnly, true)
      .NoDefault()
      .Float("Max", &N::Max, &N::SetMax, 0)
      .NoDefault()
      .Float("Min", &N::Min, &N::SetMin, 0)
      .NoDefault()
      .Str("DisplayFormat", &N::DisplayFormat, &N::SetDisplayFormat, ",0;(,0)")
      .NoDefault()
      // The value comes last: the range and the format it is shown in come first.
      .Float("Value", [](N& n) { return static_cast<double>(n.GetValue()); }, [](N& n, double v) { n.SetValue(v); }, 0)
      .NoDefault()
      .Event("OnRangeError", &N::OnRangeError);
}

}  // namespace

void PublishFramedEdits() {
  PublishCommonControlClasses();
  PublishSingleLine();
  PublishMultiLine<TRzMemo, TMemo>();
  PublishMultiLine<TRzRichEdit, TRichEdit>();
  PublishFramingRows<TRzHotKeyEdit, THotKey>();
}
