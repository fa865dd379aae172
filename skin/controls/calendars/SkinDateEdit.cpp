#include "skin/controls/calendars/SkinDateEdit.h"

#include <algorithm>

#include "platform/core/LocaleSettings.h"
#include "skin/draw/SkinSystem.h"

namespace {

String ShortDate(TDateTime date) { return FormatDateTime("ddddd", date); }

std::array<String, 3> SplitDate(const String& text) {
  std::array<String, 3> parts;
  char sep = LocaleSettings().DateSeparator;
  size_t part = 0;
  for (char c : text) {
    if (c == sep && part < 2) ++part;
    else parts[part] += c;
  }
  return parts;
}

bool Digits(const String& s) { return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }); }

// Digits and the date separator only (with blanks too when `blanks`).
bool OnlyNumbers(const String& s, bool blanks) {
  char sep = LocaleSettings().DateSeparator;
  return std::all_of(s.begin(), s.end(),
                     [&](char c) { return (c >= '0' && c <= '9') || c == sep || (blanks && c == ' '); });
}

// The value of a digit part, capped so a long run of digits stays a large number.
long long PartValue(const String& s) {
  long long v = 0;
  for (char c : s) v = std::min<long long>(v * 10 + (c - '0'), 1000000000LL);
  return v;
}

String Lower(String s) {
  if (!s.empty()) ::CharLowerBuffA(s.data(), static_cast<DWORD>(s.size()));
  return s;
}

String Without(const String& s, char c) {
  String out;
  for (char ch : s)
    if (ch != c) out += ch;
  return out;
}

}  // namespace

// ---- drop-down ----

TspPopupCalendar::TspPopupCalendar(TComponent* owner) : TspSkinMonthCalendar(owner) {
  ControlStyle |= csNoDesignVisible | csReplicatable;
}

void TspPopupCalendar::CreateParams(TCreateParams& params) {
  TspSkinMonthCalendar::CreateParams(params);
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW;
  params.WindowClass.style = CS_SAVEBITS | (CheckWXP() ? CS_DROPSHADOW : 0);
}

void TspPopupCalendar::Dispatch(TMessage& message) {
  if (message.Msg == WM_MOUSEACTIVATE) {
    message.Result = MA_NOACTIVATE;
    return;
  }
  TspSkinMonthCalendar::Dispatch(message);
}

// ---- edit ----

TspSkinDateEdit::TspSkinDateEdit(TComponent* owner) : TspSkinEdit(owner) {
  SetEditMask(GetDateMask());
  SetButtonMode(true);
  SkinDataName = "buttonedit";
  calendar_ = new TspPopupCalendar(this);
  calendar_->SetVisible(false);
  if (!HasState(csDesigning)) calendar_->SetParent(this);
  calendar_->SetDate(0);
  calendar_->OnNumberClick = TNotifyEvent(this, &TspSkinDateEdit::CalendarClick);
  OnButtonClick = TNotifyEvent(this, &TspSkinDateEdit::ButtonClick);
}

TspSkinDateEdit::Reference TspSkinDateEdit::Ref() {
  Reference ref;
  String text = ShortDate(EncodeDate(9999, 12, 31));
  ref.Parts = SplitDate(text);
  ref.Numeric = OnlyNumbers(text, false);
  ref.Day = ref.Month = ref.Year = 0;
  for (Integer i = 0; i < 3; ++i) {
    const String& p = ref.Parts[static_cast<size_t>(i)];
    if (p == "31") ref.Day = i;
    else if (p == "12") ref.Month = i;
    else if (p == "99" || p == "9999") ref.Year = i;
    else if (!Digits(p)) ref.Month = i, ref.Named = true;
  }
  return ref;
}

String TspSkinDateEdit::GetDateMask() {
  Reference ref = Ref();
  char sep = LocaleSettings().DateSeparator;
  String literal = String("09#LlAaCc<>\\_!;").find(sep) != String::npos ? String("\\") + sep : String(1, sep);
  String mask = "!";
  for (Integer i = 0; i < 3; ++i) {
    char c = i == ref.Day ? '9' : i == ref.Month ? (ref.Named ? 'L' : '9') : '0';
    mask += String(ref.Parts[static_cast<size_t>(i)].size(), c);
    if (i < 2) mask += literal;
  }
  return mask + ";1; ";
}

bool TspSkinDateEdit::IsValidText2(const String& text) {
  Reference ref = Ref();
  String typed = Without(text, ' ');
  std::array<String, 3> u = SplitDate(typed), t = SplitDate(text);
  // A named month not typed yet leaves the text numeric: that is no mismatch.
  bool monthPending = ref.Named && u[static_cast<size_t>(ref.Month)].empty();
  if (!monthPending && OnlyNumbers(ShortDate(EncodeDate(9999, 12, 31)), true) != OnlyNumbers(typed, true)) return false;
  auto valid = [&](Integer i) {
    const String& p = u[static_cast<size_t>(i)];
    if (i == ref.Month && ref.Named) return true;
    if (!Digits(p)) return false;
    long long v = PartValue(p);
    if (i == ref.Year) return v <= PartValue(ref.Parts[static_cast<size_t>(ref.Year)]);
    if (i == ref.Month) return p.size() == 1 ? v < 2 : v > 0 && v <= 12;
    return p.size() == 1 ? v < 4 : v > 0 && v <= 31;
  };
  bool partial = text.find(' ') != String::npos;
  for (Integer i = 0; i < 3; ++i) {
    if (valid(i)) continue;
    if (!partial || t[static_cast<size_t>(i)].find(' ') == String::npos) return false;
  }
  return true;
}

// A day past its month's length (31 February) is no date either.
bool TspSkinDateEdit::IsValidText(const String& text) {
  if (text.find(' ') != String::npos) return false;
  Reference ref = Ref();
  if (ref.Numeric != OnlyNumbers(text, false)) return false;
  std::array<String, 3> s = SplitDate(text);
  for (const String& p : s)
    if (p.empty()) return false;
  const String& dayPart = s[static_cast<size_t>(ref.Day)];
  const String& monthPart = s[static_cast<size_t>(ref.Month)];
  const String& yearPart = s[static_cast<size_t>(ref.Year)];
  if (!Digits(dayPart) || !Digits(yearPart)) return false;
  long long day = PartValue(dayPart), year = PartValue(yearPart);
  bool twoDigitYears = ref.Parts[static_cast<size_t>(ref.Year)].size() == 2;
  if (year == 0 && !twoDigitYears) return false;
  if (year > PartValue(ref.Parts[static_cast<size_t>(ref.Year)]) || day < 1 || day > 31) return false;
  Integer month;
  if (ref.Named) {
    if (monthPart.size() != ref.Parts[static_cast<size_t>(ref.Month)].size() || !IsMonth(monthPart)) return false;
    month = DecodeMonth(monthPart);
  } else {
    if (!Digits(monthPart)) return false;
    long long m = PartValue(monthPart);
    if (m < 1 || m > 12) return false;
    month = static_cast<Integer>(m);
    TDateTime parsed;
    return TryStrToDate(text, parsed);
  }
  int fullYear = twoDigitYears ? 2000 + static_cast<int>(year) : static_cast<int>(year);
  return day <= DaysInMonth(fullYear, month);
}

String TspSkinDateEdit::ExtactMonth(TDateTime date) {
  for (const String& p : SplitDate(ShortDate(date)))
    if (!OnlyNumbers(p, false)) return p;
  return String();
}

bool TspSkinDateEdit::IsMonth(const String& text) {
  String wanted = Lower(text);
  for (int m = 1; m <= 12; ++m)
    if (Lower(ExtactMonth(EncodeDate(9999, m, 1))) == wanted) return true;
  return false;
}

Integer TspSkinDateEdit::DecodeMonth(const String& text) {
  String wanted = Lower(text);
  for (int m = 1; m <= 12; ++m)
    if (Lower(ExtactMonth(EncodeDate(9999, m, 1))) == wanted) return m;
  return 1;
}

bool TspSkinDateEdit::MyStrToDate(const String& text, TDateTime& date) {
  Reference ref = Ref();
  std::array<String, 3> s = SplitDate(text);
  const String& dayPart = s[static_cast<size_t>(ref.Day)];
  const String& yearPart = s[static_cast<size_t>(ref.Year)];
  if (!Digits(dayPart) || !Digits(yearPart)) return false;
  int year = static_cast<int>(PartValue(yearPart)), month = DecodeMonth(s[static_cast<size_t>(ref.Month)]);
  int day = static_cast<int>(PartValue(dayPart));
  if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month)) return false;
  date = EncodeDate(year, month, day);
  return true;
}

// ---- text and date ----

// The short date with its numbers filled to the mask's widths ("3/1/2009"
// becomes "03/01/2009"), so every character lands in its field.
void TspSkinDateEdit::WriteDateText(TDateTime date) {
  Reference ref = Ref();
  std::array<String, 3> parts = SplitDate(ShortDate(date));
  String text;
  for (size_t i = 0; i < 3; ++i) {
    String part = parts[i];
    if (Digits(part) && part.size() < ref.Parts[i].size()) part.insert(0, ref.Parts[i].size() - part.size(), '0');
    text += part;
    if (i < 2) text += LocaleSettings().DateSeparator;
  }
  bool was = updating_;
  updating_ = true;
  SetText(text);
  updating_ = was;
}

void TspSkinDateEdit::CheckValidDate() {
  TDateTime old = calendar_->Date(), date;
  bool ok = OnlyNumbers(Text(), false) ? TryStrToDate(Text(), date) : MyStrToDate(Text(), date);
  if (ok) calendar_->SetDate(date);
  if (calendar_->Date() != old) OnDateChange(this);
}

void TspSkinDateEdit::SetDate(TDateTime value) {
  calendar_->SetDate(value);
  if (!(HasState(csLoading) && !todayDefault_)) WriteDateText(value);
  OnDateChange(this);
}

void TspSkinDateEdit::SetTodayDefault(bool value) {
  todayDefault_ = value;
  if (value) SetDate(Now());
}

void TspSkinDateEdit::Loaded() {
  TspSkinEdit::Loaded();
  SetEditMask(GetDateMask());
  if (todayDefault_) SetDate(Now());
}

// An incomplete text never raises an error on leaving.
void TspSkinDateEdit::ValidateEdit() {}

void TspSkinDateEdit::Change() {
  TspSkinEdit::Change();
  if (!updating_ && IsValidText(Text())) CheckValidDate();
}

bool TspSkinDateEdit::AcceptsKey(char key) {
  if (key == 13 || key == 8) return true;
  String candidate = Text();
  auto at = static_cast<size_t>(SelStart());
  if (at < candidate.size()) candidate[at] = key;
  else candidate += key;
  return IsValidText2(candidate);
}

void TspSkinDateEdit::KeyPress(char& key) {
  if (!AcceptsKey(key)) key = 0;
  TspSkinEdit::KeyPress(key);
}

// ---- drop-down ----

void TspSkinDateEdit::ButtonClick(TObject*) {
  if (calendar_->Visible()) CloseUp(false);
  else DropDown();
}

void TspSkinDateEdit::CalendarClick(TObject*) { CloseUp(true); }

void TspSkinDateEdit::DropDown() {
  if (!todayDefault_) {
    savedDate_ = calendar_->Date();
    if (savedDate_ == 0 && Text().find(' ') != String::npos) calendar_->SetDate(Now());
  }
  TPoint p = Parent() ? Parent()->ClientToScreen(TPoint{Left(), Top()}) : ClientToScreen(TPoint{0, 0});
  Integer y = p.Y + Height();
  if (y + calendar_->Height() > ::GetSystemMetrics(SM_CYSCREEN)) y = p.Y - calendar_->Height();
  calendar_->SetSkinData(SkinData());
  calendar_->HandleNeeded();
  HWND window = calendar_->Handle();
  LONG_PTR ex = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
  bool layered = CalendarAlphaBlend && CheckW2KWXP();
  ::SetWindowLongPtrA(window, GWL_EXSTYLE, layered ? ex | WS_EX_LAYERED : ex & ~WS_EX_LAYERED);
  if (layered) SetAlphaBlendTransparent(window, CalendarAlphaBlendValue);
  ::SetWindowPos(window, HWND_TOP, p.X, y, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  calendar_->SetVisible(true);
}

void TspSkinDateEdit::CloseUp(bool accept) {
  if (!calendar_->Visible()) return;
  if (calendar_->HandleAllocated())
    ::SetWindowPos(calendar_->Handle(), nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  calendar_->SetVisible(false);
  if (accept) {
    WriteDateText(calendar_->Date());
    OnDateChange(this);
  } else if (!todayDefault_) {
    calendar_->SetDate(savedDate_);
  }
  if (CanFocus()) SetFocus();
}

void TspSkinDateEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
      TspSkinEdit::Dispatch(message);
      return CloseUp(false);
    case WM_KILLFOCUS: {
      TspSkinEdit::Dispatch(message);
      HWND next = reinterpret_cast<HWND>(message.WParam);
      if (!calendar_->Visible() && todayDefault_) return WriteDateText(calendar_->Date());
      if (!calendar_->HandleAllocated() || next != calendar_->Handle()) CloseUp(false);
      return;
    }
    case CM_CANCELMODE: {
      TspSkinEdit::Dispatch(message);
      auto* sender = dynamic_cast<TControl*>(MessageSender(message));
      for (TControl* c = sender; c; c = c->Parent())
        if (c == calendar_) return;
      return CloseUp(false);
    }
    default:
      break;
  }
  TspSkinEdit::Dispatch(message);
}
