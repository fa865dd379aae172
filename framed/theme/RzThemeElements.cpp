#include "framed/theme/RzThemeElements.h"

#include <initializer_list>
#include <iterator>

namespace {

// Each family: its class name, how many values follow Root, and the first value
// of each part's run.
struct TElementFamily {
  const wchar_t* ClassName;
  int ValueCount;
  std::initializer_list<int> RunStarts;
};

const TElementFamily kFamilies[] = {
    {L"button", 28, {2, 7, 15, 27, 29}},  // Button
    {L"clock", 3, {2}},  // Clock
    {L"combobox", 4, {2}},  // ComboBox
    {L"edit", 8, {2, 9}},  // Edit
    {L"explorerbar", 31, {2, 5, 8, 14, 17, 18, 21, 24, 25, 26, 29, 32}},  // ExplorerBar
    {L"header", 11, {2, 5, 8, 11}},  // Header
    {L"listview", 11, {2, 7, 8, 9, 10}},  // Listview
    {L"menu", 10, {2, 5, 6, 7, 8, 9}},  // Menu
    {L"page", 18, {2, 6, 10, 14}},  // Page
    {L"progress", 4, {2, 3, 4, 5}},  // Progress
    {L"rebar", 16, {2, 3, 4, 10, 14}},  // Rebar
    {L"scrollbar", 50, {2, 18, 22, 26, 30, 34, 38, 42, 46, 50}},  // ScrollBar
    {L"spin", 16, {2, 6, 10, 14}},  // Spin
    {L"startpanel", 17, {2, 3, 4, 7, 8, 9, 10, 11, 12, 15, 16}},  // StartPanel
    {L"status", 3, {2, 3, 4}},  // Status
    {L"tab", 44, {2, 7, 12, 17, 22, 27, 32, 37, 42, 43}},  // Tab
    {L"taskband", 5, {2, 3, 4}},  // TaskBand
    {L"taskbar", 3, {2}},  // TaskBar
    {L"toolbar", 36, {2, 8, 14, 20, 26, 32}},  // ToolBar
    {L"tooltip", 13, {2, 4, 6, 8, 10}},  // ToolTip
    {L"trackbar", 36, {2, 3, 4, 9, 14, 19, 24, 29, 34, 35}},  // TrackBar
    {L"traynotify", 4, {2, 3}},  // TrayNotify
    {L"treeview", 10, {2, 7, 9}},  // Treeview
    {L"window", 105, {2, 5, 8, 11, 14, 17, 20, 22, 24, 26, 28, 30, 32, 36, 40, 44, 48, 52, 56, 60, 64, 68, 72, 76, 80, 84, 88, 92, 96, 97, 98, 99, 100, 101, 102, 103, 104}},  // Window
};
static_assert(std::size(kFamilies) == kThemedElementCount, "one family per element");

}  // namespace

TThemedElementDetails ElementDetails(TThemedElement element, int value) {
  const TElementFamily& family = kFamilies[element];
  int last = family.ValueCount + 1;
  TThemedElementDetails details;
  details.Element = element;
  details.Part = 0;
  details.State = value + 1;
  if (value < 2 || value > last) return details;
  int part = 0;
  for (int start : family.RunStarts) {
    if (start > value) break;
    ++part;
    details.Part = part;
    details.State = value - start + 1;
  }
  return details;
}

int ThemedElementValueCount(TThemedElement element) { return kFamilies[element].ValueCount; }

const wchar_t* ThemedElementClassName(TThemedElement element) { return kFamilies[element].ClassName; }
