#include "framed/lists/RzTabbedListBox.h"

#include "framed/common/RzCommon_Colors.h"
#include "framed/common/RzCommon_Routines.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/graphics/RzGrafx.h"
#include "platform/comctrls/HeaderControl.h"
#include "platform/core/Math.h"
#include "platform/published/Filer.h"
#include "platform/published/Reader.h"
#include "platform/published/Writer.h"
#include "platform/stdctrls/Header.h"

// ---- tab stop list ----

TRzTabStopList::TRzTabStopList(TRzCustomTabbedListBox* listBox) : listBox_(listBox) {
  SetMin(-2147483647);
  SetMax(2147483647);
}

void TRzTabStopList::Changed() {
  if (batch_ == 0 && listBox_) listBox_->UpdateTabStops();
}

void TRzTabStopList::SetItem(int index, Integer value) {
  TRzIntegerList::SetItem(index, value);
  Changed();
}

int TRzTabStopList::Add(Integer value) {
  const int index = TRzIntegerList::Add(value);
  Changed();
  return index;
}

void TRzTabStopList::Delete(int index) {
  TRzIntegerList::Delete(index);
  Changed();
}

void TRzTabStopList::Insert(int index, Integer value) {
  TRzIntegerList::Insert(index, value);
  Changed();
}

// A whole list refreshes the list box once, not once per value.
void TRzTabStopList::Assign(const TPersistent* source) {
  ++batch_;
  try {
    TRzIntegerList::Assign(source);
  } catch (...) {
    --batch_;
    Changed();
    throw;
  }
  --batch_;
  Changed();
}

void TRzTabStopList::DefineProperties(TFiler* filer) {
  TPersistent::DefineProperties(filer);
  filer->DefineProperty(
      "Min", [this](TReader& reader) { SetMin(static_cast<Integer>(reader.ReadInteger())); },
      [this](TWriter& writer) { writer.WriteInteger(Min()); }, Min() != 0);
  filer->DefineProperty(
      "Max", [this](TReader& reader) { SetMax(static_cast<Integer>(reader.ReadInteger())); },
      [this](TWriter& writer) { writer.WriteInteger(Max()); }, Max() != 0);
  filer->DefineProperty(
      "Integers",
      [this](TReader& reader) {
        reader.ReadListBegin();
        ++batch_;
        try {
          Clear();
          while (!reader.EndOfList()) Add(static_cast<Integer>(reader.ReadInteger()));
        } catch (...) {
          --batch_;
          throw;
        }
        --batch_;
        reader.ReadListEnd();
        Changed();
      },
      [this](TWriter& writer) {
        writer.WriteListBegin();
        for (int i = 0; i < Count(); ++i) writer.WriteInteger(GetItem(i));
        writer.WriteListEnd();
      },
      Count() > 0);
}

// ---- list box ----

TRzCustomTabbedListBox::TRzCustomTabbedListBox(TComponent* owner)
    : TRzCustomListBox(owner), tabStops_(std::make_unique<TRzTabStopList>(this)) {
  ShowItemHints = false;
}

TRzCustomTabbedListBox::~TRzCustomTabbedListBox() = default;

void TRzCustomTabbedListBox::SetTabStops(const TRzTabStopList* value) {
  tabStops_->Assign(value);
  UpdateTabStops();
}

void TRzCustomTabbedListBox::SetTabStopsMode(TRzTabStopsMode value) {
  if (tabStopsMode_ == value) return;
  tabStopsMode_ = value;
  if (value == tsmAutomatic && !ItemsUpdating()) AdjustTabStops();
}

std::vector<int> TRzCustomTabbedListBox::GetTabArray() const {
  const int count = std::min(tabStops_->Count(), kMaxTabStops);
  std::vector<int> positions(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) positions[static_cast<size_t>(i)] = tabStops_->GetItem(i) * 4;
  return positions;
}

std::vector<int> TRzCustomTabbedListBox::PixelTabStops() const {
  std::vector<int> positions = GetTabArray();
  for (int& p : positions) p = static_cast<int>(Round(p * charWidth_ / 4.0));
  return positions;
}

void TRzCustomTabbedListBox::UpdateTabStops() {
  if (!HandleAllocated()) return;
  std::vector<int> positions = GetTabArray();
  ::SendMessageA(Handle(), LB_SETTABSTOPS, positions.size(),
                 positions.empty() ? 0 : reinterpret_cast<LPARAM>(positions.data()));
  Invalidate();
}

void TRzCustomTabbedListBox::Loaded() {
  TRzCustomListBox::Loaded();
  if (tabStopsMode_ == tsmAutomatic) AdjustTabStops();
  UpdateTabStops();
}

void TRzCustomTabbedListBox::CreateParams(TCreateParams& params) {
  TRzCustomListBox::CreateParams(params);
  params.Style |= LBS_USETABSTOPS;
}

void TRzCustomTabbedListBox::CreateWnd() {
  TRzCustomListBox::CreateWnd();
  UpdateTabStops();
}

bool TRzCustomTabbedListBox::AutomaticAllowed() const {
  return tabStopsMode_ == tsmAutomatic && !ItemsUpdating();
}

void TRzCustomTabbedListBox::WndProc(TMessage& message) {
  TRzCustomListBox::WndProc(message);
  switch (message.Msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
      if (AutomaticAllowed()) AdjustTabStops();
      break;
    default: break;
  }
}

void TRzCustomTabbedListBox::CMFontChanged(TMessage& message) {
  charWidth_ = std::max(1, GetAvgCharWidth(Font()));
  TRzCustomListBox::CMFontChanged(message);
  if (AutomaticAllowed()) AdjustTabStops();
}

void TRzCustomTabbedListBox::GroupFontChanged() {
  if (AutomaticAllowed()) AdjustTabStops();
}

// Each column gets four character widths of room after its widest cell.
void TRzCustomTabbedListBox::AdjustTabStops() {
  if (HasState(csLoading) || HasState(csDestroying)) return;
  TStrings* items = GetItems();
  std::vector<String> rest;
  size_t columns = 0;
  for (int k = 0; k < items->Count(); ++k) {
    rest.push_back(items->Strings(k));
    columns = std::max(columns, static_cast<size_t>(std::count(rest.back().begin(), rest.back().end(), '\t')));
  }
  std::vector<Integer> stops;
  for (size_t c = 0; c < columns; ++c) {
    int widest = 0;
    for (size_t k = 0; k < rest.size(); ++k) {
      const size_t tab = rest[k].find('\t');
      String cell = rest[k].substr(0, tab);
      rest[k] = tab == String::npos ? String() : rest[k].substr(tab + 1);
      const bool header = GetItemIsGroup(static_cast<int>(k));
      if (header && c == 0 && cell.compare(0, GroupPrefix().size(), GroupPrefix()) == 0)
        cell = cell.substr(GroupPrefix().size());
      int width = ScreenTextExtent(header ? GroupFont() : Font(), cell).cx;
      if (!header && c == 0) width += InitialTabStopOffset();
      widest = std::max(widest, width);
    }
    stops.push_back((stops.empty() ? 0 : stops.back()) + widest / charWidth_ + 4);
  }
  TRzIntegerList computed;
  computed.SetMin(tabStops_->Min());
  computed.SetMax(tabStops_->Max());
  for (Integer stop : stops) computed.Add(stop);
  tabStops_->Assign(&computed);
}

void TRzCustomTabbedListBox::AdjustHorzExtent() {
  std::vector<int> positions = PixelTabStops();
  HDC dc = ::GetDC(nullptr);
  HGDIOBJ previous = ::SelectObject(dc, Font()->Handle());
  int widest = 0;
  TStrings* items = GetItems();
  for (int i = 0; i < items->Count(); ++i) {
    const String text = items->Strings(i) + "x";
    const DWORD extent = ::GetTabbedTextExtentA(dc, text.c_str(), static_cast<int>(text.size()),
                                                static_cast<int>(positions.size()),
                                                positions.empty() ? nullptr : positions.data());
    widest = std::max(widest, static_cast<int>(LOWORD(extent)));
  }
  ::SelectObject(dc, previous);
  ::ReleaseDC(nullptr, dc);
  SetHorzExtent(static_cast<Word>(std::min(OwnerDrawItemIndent() + widest, 0xFFFF)));
}

// ---- drawing ----

void TRzCustomTabbedListBox::DrawTabbedText(TCanvas* canvas, const TRect& rect, const String& text) const {
  const int top = rect.Top + (ItemHeight() - canvas->TextHeight("Pp")) / 2;
  HDC dc = FontDC(canvas);
  const int saved = ::SaveDC(dc);
  ::IntersectClipRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
  ::SetBkMode(dc, TRANSPARENT);
  SetDCTextColor(dc, canvas->Font()->Color());
  if (UseRightToLeftAlignment()) {
    ::SetTextAlign(dc, TA_RIGHT);
    ::TextOutA(dc, rect.Right - 2, top, text.c_str(), static_cast<int>(text.size()));
  } else {
    std::vector<int> positions = PixelTabStops();
    ::TabbedTextOutA(dc, rect.Left + 2, top, text.c_str(), static_cast<int>(text.size()),
                     static_cast<int>(positions.size()), positions.empty() ? nullptr : positions.data(), 0);
  }
  ::RestoreDC(dc, saved);
}

void TRzCustomTabbedListBox::DefaultDrawItem(int index, const TRect& rect, TOwnerDrawState) {
  TCanvas* canvas = Canvas();
  canvas->FillRect(rect);
  if (index < 0 || index >= GetItems()->Count()) return;
  DrawTabbedText(canvas, rect, GetItems()->Strings(index));
}

void TRzCustomTabbedListBox::DrawGroup(int index, const TRect& rect, TOwnerDrawState state) {
  TCanvas* canvas = Canvas();
  canvas->SetFont(GroupFont());
  const bool rtl = UseRightToLeftAlignment();
  if ((state & odSelected) != 0) {
    canvas->Font()->SetColor(clHighlightText);
    canvas->Brush()->SetColor(clHighlight);
    canvas->FillRect(rect);
  } else if (UseGradients() && FullColorSupport()) {
    PaintGradient(canvas, rect, gdVerticalEnd, rtl ? Color() : GroupColor(), rtl ? GroupColor() : Color(), 1);
  } else {
    canvas->Brush()->SetColor(GroupColor());
    canvas->FillRect(rect);
  }
  DrawTabbedText(canvas, rect, GetItems()->Strings(index).substr(GroupPrefix().size()));
  canvas->Brush()->SetStyle(bsSolid);
}

// ---- cells ----

void TRzCustomTabbedListBox::CheckCell(int col, int row, size_t& start, size_t& length) const {
  if (row < 0 || row >= GetItems()->Count()) throw EListError("Row parameter out of range");
  if (col < 0) throw EListError("Column parameter out of range");
  const String text = GetItems()->Strings(row);
  start = 0;
  for (int c = 0; c < col; ++c) {
    const size_t tab = text.find('\t', start);
    if (tab == String::npos) throw EListError("Column parameter out of range");
    start = tab + 1;
  }
  const size_t end = text.find('\t', start);
  length = (end == String::npos ? text.size() : end) - start;
}

String TRzCustomTabbedListBox::GetCellText(int col, int row) const {
  size_t start = 0, length = 0;
  CheckCell(col, row, start, length);
  return GetItems()->Strings(row).substr(start, length);
}

void TRzCustomTabbedListBox::SetCellText(int col, int row, const String& value) {
  size_t start = 0, length = 0;
  CheckCell(col, row, start, length);
  String text = GetItems()->Strings(row);
  text.replace(start, length, value);
  GetItems()->Put(row, text);
}

// ---- header ----

void TRzCustomTabbedListBox::UpdateFromHeader(TControl* header) {
  if (auto* old = dynamic_cast<THeader*>(header)) {
    int sum = 0;
    const int last = std::min(old->SectionCount() - 2, tabStops_->Count() - 1);
    for (int i = 0; i <= last; ++i) {
      sum += old->SectionWidth(i);
      tabStops_->SetItem(i, tabStops_->GetItem(i) < 0 ? 1 - (sum + old->SectionWidth(i + 1)) / charWidth_
                                                       : sum / charWidth_ + 1);
    }
    return;
  }
  if (auto* control = dynamic_cast<THeaderControl*>(header)) {
    THeaderSections* sections = control->Sections();
    const int count = sections->Count();
    const int last = std::min(count - 1, tabStops_->Count() - 1);
    int sum = 0;
    for (int i = 0; i <= last; ++i) {
      sum += sections->Items(i)->Width();
      int stop;
      if (tabStops_->GetItem(i) >= 0)
        stop = sum / charWidth_ + 1;
      else if (i != count - 1)
        stop = 1 - (sum + sections->Items(i + 1)->Width()) / charWidth_;
      else
        stop = 1 - Width() / charWidth_;
      tabStops_->SetItem(i, stop);
    }
    return;
  }
  throw EHeaderError("Only THeader and THeaderControl components can be passed to "
                     "TRzCustomTabbedListBox.UpdateFromHeader");
}
