#include "framed/edits/EditsPublished.h"

#include "framed/edits/RzHotKeyEdit.h"
#include "framed/edits/RzMemo.h"
#include "framed/edits/RzNumericEdit.h"
#include "framed/edits/RzRichEdit.h"
#include "platform/published/ComCtrlsPublished.h"
#include "platform/published/Published.h"

namespace {

const TEnumNames kBiDiModes{"TBiDiMode",
                            {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};
const TEnumNames kDragKinds{"TDragKind", {"dkDrag", "dkDock"}};
const TEnumNames kDragModes{"TDragMode", {"dmManual", "dmAutomatic"}};
const TEnumNames kImeModes{"TImeMode",
                           {"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha", "imAlpha", "imHira", "imSKata",
                            "imKata", "imChinese", "imSHanguel", "imHanguel"}};

// The platform's reading order, drag, 3D and input-method settings, which the
// family's windowed controls publish beside their own.
template <class T, class Parent>
void PublishPlatformExtras() {
  PublishClass<T, Parent>()
      .Enum("BiDiMode", kBiDiModes, &TControl::BiDiMode, &TControl::SetBiDiMode, bdLeftToRight)
      .StoredWhen([](T& c) { return !c.ParentBiDiMode(); })
      .Bool("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode, true)
      .IdentInt("DragCursor", CursorIdents(), &TControl::DragCursor, &TControl::DragCursor, crDrag)
      .Enum("DragKind", kDragKinds, &TControl::DragKind, &TControl::DragKind, dkDrag)
      .Enum("DragMode", kDragModes, &TControl::DragMode, &TControl::DragMode, dmManual)
      .Bool("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D, true)
      .StoredWhen([](T& c) { return !c.ParentCtl3D(); })
      .Bool("ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D, true)
      .Enum("ImeMode", kImeModes, &TWinControl::ImeMode, &TWinControl::ImeMode, imDontCare)
      .Str("ImeName", &TWinControl::ImeName, &TWinControl::ImeName)
      .Event("OnDragDrop", &TControl::OnDragDrop)
      .Event("OnDragOver", &TControl::OnDragOver)
      .Event("OnEndDrag", &TControl::OnEndDrag)
      .Event("OnEndDock", &TControl::OnEndDock)
      .Event("OnStartDrag", &TControl::OnStartDrag)
      .Event("OnStartDock", &TControl::OnStartDock);
}

// The frame and face colours of a framed control over another platform base;
// they are written only while no frame controller supplies them.
template <class T, class Parent>
TPublishedBuilder<T> PublishFramingRows() {
  auto free = [](T& c) { return !c.FrameController(); };
  auto builder = PublishClass<T, Parent>();
  builder.Color("Color", &TControl::Color, &TControl::SetColor, clWindow)
      .StoredWhen([](T& c) { return !c.FrameController() && c.Enabled() && !c.ParentColor(); })
      .Color("DisabledColor", &T::DisabledColor, &T::SetDisabledColor, clBtnFace)
      .StoredWhen(free)
      .Color("FocusColor", &T::FocusColor, &T::SetFocusColor, clWindow)
      .StoredWhen([](T& c) { return !c.FrameController() && ColorToRGB(c.FocusColor()) != ColorToRGB(c.Color()); })
      .Color("FrameColor", &T::FrameColor, &T::SetFrameColor, clBtnShadow)
      .StoredWhen(free)
      .template Component<TRzFrameController>("FrameController", &T::FrameController, &T::SetFrameController)
      .Color("FrameHotColor", &T::FrameHotColor, &T::SetFrameHotColor, clBtnShadow)
      .StoredWhen(free)
      .Bool("FrameHotTrack", &T::FrameHotTrack, &T::SetFrameHotTrack, false)
      .StoredWhen(free)
      .Enum("FrameHotStyle", FrameStyleNames(), &T::FrameHotStyle, &T::SetFrameHotStyle, fsFlatBold)
      .StoredWhen(free)
      .Set("FrameSides", SideNames(), &T::FrameSides, &T::SetFrameSides, sdAllSides)
      .StoredWhen(free)
      .Enum("FrameStyle", FrameStyleNames(), &T::FrameStyle, &T::SetFrameStyle, fsFlat)
      .StoredWhen(free)
      .Bool("FrameVisible", &T::FrameVisible, &T::SetFrameVisible, false)
      .StoredWhen(free)
      .Enum("FramingPreference", FramingPreferenceNames(), &T::FramingPreference, &T::SetFramingPreference,
            fpXPThemes)
      .Event("OnMouseEnter", &T::OnMouseEnter)
      .Event("OnMouseLeave", &T::OnMouseLeave);
  PublishPlatformExtras<T, Parent>();
  return builder;
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
