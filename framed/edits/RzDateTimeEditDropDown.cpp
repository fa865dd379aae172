// The date-time edit's drop-downs: a calendar or a clock in a popup panel.
#include <cmath>
#include <memory>

#include "framed/edits/RzDateTimeEdit.h"
#include "framed/popups/RzPopupPanel.h"
#include "platform/controls/CustomForm.h"

namespace {

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

// Whatever goes wrong during a drop-down is swallowed: the edit keeps its value.
void TRzDateTimeEdit::DropDown() {
  if (ReadOnly()) return;
  try {
    TRzCustomEdit::DropDown();
    TRestore<TNotifyEvent> enter(OnEnter, nullptr);
    TRestore<TNotifyEvent> exit(OnExit, nullptr);
    if (editType_ == etDate) DisplayCalendar();
    else DisplayTimePicker();
  } catch (...) {
  }
}

bool TRzDateTimeEdit::FlatLook() const {
  return (FrameVisible() && !UseThemes() && FrameStyle() == fsFlat) || FrameStyle() == fsFlatBold;
}

TRzPopupPanel* TRzDateTimeEdit::MakePanel(TCustomForm* form) {
  auto* panel = new TRzPopupPanel(this);
  panel->SetParent(form);
  panel->Font()->SetName(Font()->Name());
  panel->Font()->SetColor(Font()->Color());
  return panel;
}

void TRzDateTimeEdit::DisplayCalendar() {
  TCustomForm* form = GetParentForm(this);
  if (!form) return;
  bool autoSelect = AutoSelect();
  SetAutoSelect(false);
  struct TAutoSelectBack {
    TRzDateTimeEdit* edit;
    bool value;
    ~TAutoSelectBack() { edit->SetAutoSelect(value); }
  } back{this, autoSelect};
  std::unique_ptr<TRzPopupPanel> panel(MakePanel(form));
  auto* calendar = new TRzCalendar(panel.get());
  calendar->SetParent(panel.get());
  calendar->InPopup = true;
  calendar->SetColor(Color());
  calendar->SetElements(CalendarElements);
  calendar->SetFirstDayOfWeek(FirstDayOfWeek);
  calendar->SetCaptionClearBtn(CaptionClearBtn);
  calendar->SetCaptionTodayBtn(CaptionTodayBtn);
  calendar->OnGetBoldDays = OnGetBoldDays;
  calendar->OnGetWeekNumber = OnGetWeekNumber;
  calendar->OnViewDateChange = OnViewDateChange;
  calendar->HandleNeeded();
  calendar->SetDate(GetDate() != 0 ? GetDate() : ::Date());
  if (FlatLook()) {
    calendar->SetBorderOuter(fsFlat);
    calendar->SetFlatColor(FrameColor());
  }
  calendar->SetVisible(true);
  calendar->SetCalendarColors(calendarColors_.get());
  calendar->OnClick = TNotifyEvent(panel.get(), &TRzPopupPanel::Close);
  if (panel->Popup(this)) SetDate(calendar->Date());
}

void TRzDateTimeEdit::DisplayTimePicker() {
  TCustomForm* form = GetParentForm(this);
  if (!form) return;
  bool autoSelect = AutoSelect();
  SetAutoSelect(false);
  struct TAutoSelectBack {
    TRzDateTimeEdit* edit;
    bool value;
    ~TAutoSelectBack() { edit->SetAutoSelect(value); }
  } back{this, autoSelect};
  std::unique_ptr<TRzPopupPanel> panel(MakePanel(form));
  auto* picker = new TRzTimePicker(panel.get());
  picker->SetParent(panel.get());
  picker->InPopup = true;
  picker->SetColor(Color());
  picker->SetCaptionAM(CaptionAM);
  picker->SetCaptionPM(CaptionPM);
  picker->SetCaptionSet(CaptionSet);
  picker->HandleNeeded();
  picker->SetTime(GetTime());
  if (FlatLook()) {
    picker->SetBorderOuter(fsFlat);
    picker->SetFlatColor(FrameColor());
  }
  picker->SetVisible(true);
  picker->SetClockFaceColors(clockFaceColors_.get());
  picker->SetFormat(format_);
  picker->SetShowSetButton(true);
  picker->ShowHowToUseHint = ShowHowToUseHint;
  picker->HowToUseMsg = HowToUseMsg;
  picker->RestrictMinutes = RestrictMinutes;
  picker->OnSetBtnClick = TNotifyEvent(panel.get(), &TRzPopupPanel::Close);
  if (!panel->Popup(this)) return;
  TRestore<bool> storing(storingPickerTime_, true);
  SetTime(picker->Time());
}
