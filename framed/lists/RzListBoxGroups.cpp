// The groups of TRzCustomListBox and the drawing of its items and headers.
#include "framed/common/RzCommon_Colors.h"
#include "framed/controls/RzControlSupport.h"
#include "framed/graphics/RzGrafx.h"
#include "framed/lists/RzListBox.h"
#include "framed/theme/RzThemeSrv.h"
#include "framed/theme/RzUxTheme.h"

// ---- groups ----

bool TRzCustomListBox::GetItemIsGroup(int index) const {
  TStrings* items = GetItems();
  if (index < 0 || index >= items->Count()) return false;
  return items->Strings(index).compare(0, groupPrefix_.size(), groupPrefix_) == 0;
}

int TRzCustomListBox::AddGroup(const String& s) { return GetItems()->Add(groupPrefix_ + s); }

int TRzCustomListBox::ItemIndexOfGroup(int groupIndex) const {
  const int count = GetItems()->Count();
  if (count == 0 || groupIndex < 0 || groupIndex >= count) return -1;
  int group = -1;
  for (int i = 0; i < count; ++i)
    if (GetItemIsGroup(i) && ++group == groupIndex) return i;
  return -1;
}

// A group that does not exist has no items (not the items before the first header).
int TRzCustomListBox::ItemsInGroup(int groupIndex) const {
  const int header = ItemIndexOfGroup(groupIndex);
  if (header < 0) return 0;
  const int count = GetItems()->Count();
  int items = 0;
  for (int i = header + 1; i < count && !GetItemIsGroup(i); ++i) ++items;
  return items;
}

int TRzCustomListBox::InsertItemIntoGroup(int groupIndex, int index, const String& s) {
  const int header = ItemIndexOfGroup(groupIndex);
  if (header < 0 || index < 0 || index > ItemsInGroup(groupIndex)) return -1;
  GetItems()->Insert(header + index + 1, s);
  return header + index + 1;
}

int TRzCustomListBox::AddItemToGroup(int groupIndex, const String& s) {
  return InsertItemIntoGroup(groupIndex, ItemsInGroup(groupIndex), s);
}

String TRzCustomListBox::ItemCaption(int index) const {
  if (index < 0 || index >= GetItems()->Count()) return String();
  const String text = GetItems()->Strings(index);
  return GetItemIsGroup(index) ? text.substr(groupPrefix_.size()) : text;
}

// Replacing the text loses the selection; the current item stays current.
void TRzCustomListBox::ReplaceItemText(int index, const String& text) {
  const bool current = ItemIndex() == index;
  GetItems()->Strings(index);  // checks the index
  GetItems()->Put(index, text);
  if (current) SetItemIndex(index);
}

void TRzCustomListBox::ItemToGroup(int index) {
  if (index < 0 || index >= GetItems()->Count() || GetItemIsGroup(index)) return;
  ReplaceItemText(index, groupPrefix_ + GetItems()->Strings(index));
}

void TRzCustomListBox::GroupToItem(int index) {
  if (!GetItemIsGroup(index)) return;
  ReplaceItemText(index, GetItems()->Strings(index).substr(groupPrefix_.size()));
}

int TRzCustomListBox::ItemGroupIndex(int index) const {
  for (int i = std::min(index, GetItems()->Count() - 1); i >= 0; --i)
    if (GetItemIsGroup(i)) return i;
  return -1;
}

// ---- drawing ----

int TRzCustomListBox::TextTopOffset(TCanvas* canvas) const {
  return (ItemHeight() - canvas->TextHeight("Pp")) / 2;
}

void TRzCustomListBox::CNDrawItem(TMessage& message) {
  const DRAWITEMSTRUCT record = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  const TOwnerDrawState state = record.itemState & 0xFFFF;
  const int index = static_cast<int>(record.itemID);
  TRect rect(record.rcItem.left, record.rcItem.top, record.rcItem.right, record.rcItem.bottom);
  const bool header = showGroups_ && index >= 0 && GetItemIsGroup(index);
  if (!header && index >= 0) {
    if (UseRightToLeftAlignment())
      rect.Right -= OwnerDrawItemIndent();
    else
      rect.Left += OwnerDrawItemIndent();
  }
  TCanvas* canvas = Canvas();
  const int saved = ::SaveDC(record.hDC);
  static_cast<TControlCanvas*>(canvas)->BindPaintDC(record.hDC);
  try {
    canvas->SetFont(Font());
    canvas->Brush()->SetColor(Color());
    canvas->Brush()->SetStyle(bsSolid);
    if (index >= 0 && (state & odSelected) != 0) {
      canvas->Brush()->SetColor(clHighlight);
      canvas->Font()->SetColor(clHighlightText);
    }
    if (header)
      DrawGroup(index, rect, state);
    else if (index >= 0)
      DrawItem(index, rect, state);
    else
      canvas->FillRect(rect);
    if ((state & odFocused) != 0) canvas->DrawFocusRect(rect);
  } catch (...) {
    static_cast<TControlCanvas*>(canvas)->FreeHandle();
    ::RestoreDC(record.hDC, saved);
    throw;
  }
  static_cast<TControlCanvas*>(canvas)->FreeHandle();
  ::RestoreDC(record.hDC, saved);
  message.Result = 1;
}

void TRzCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  DrawListItem(index, rect, state);
}

void TRzCustomListBox::DrawListItem(int index, const TRect& rect, TOwnerDrawState state) {
  if (OnDrawItem)
    OnDrawItem(this, index, rect, state);
  else
    DefaultDrawItem(index, rect, state);
}

void TRzCustomListBox::DefaultDrawItem(int index, const TRect& rect, TOwnerDrawState state) {
  TCanvas* canvas = Canvas();
  canvas->FillRect(rect);
  if (index >= GetItems()->Count()) return;
  RECT r = WinRect(rect);
  const bool rtl = UseRightToLeftAlignment();
  if (rtl)
    r.right -= 2;
  else
    r.left += 2;
  const String text = GetItems()->Strings(index);
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  if (rtl) flags |= DT_RIGHT | DT_RTLREADING;
  HDC dc = FontDC(canvas);
  ::SetBkMode(dc, TRANSPARENT);
  SetDCTextColor(dc, canvas->Font()->Color());
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
}

namespace {

// The explorer bar's colours of a special group's head, when visual styles draw.
bool ThemedGroupColors(TColor& text, TColor& back) {
  if (!ThemeServices()->ThemesEnabled() || !ThemeApi.GetThemeColor) return false;
  const auto head = GetElementDetails(tebSpecialGroupHead);
  const auto root = GetElementDetails(tebExplorerBarRoot);
  COLORREF t = 0, b = 0;
  if (FAILED(ThemeApi.GetThemeColor(ThemeServices()->GetTheme(teExplorerBar), head.Part, head.State, 3802, &t)))
    return false;
  if (FAILED(ThemeApi.GetThemeColor(ThemeServices()->GetTheme(teExplorerBar), root.Part, root.State, 3810, &b)))
    return false;
  text = static_cast<TColor>(t);
  back = static_cast<TColor>(b);
  return true;
}

}  // namespace

void TRzCustomListBox::DrawGroup(int index, const TRect& rect, TOwnerDrawState state) {
  TCanvas* canvas = Canvas();
  canvas->SetFont(groupFont_.get());
  TColor text = groupFont_->Color(), back = groupColor_;
  ThemedGroupColors(text, back);
  const bool rtl = UseRightToLeftAlignment();
  if ((state & odSelected) != 0) {
    canvas->Font()->SetColor(clHighlightText);
    canvas->Brush()->SetColor(clHighlight);
    canvas->FillRect(rect);
  } else {
    canvas->Font()->SetColor(text);
    if (useGradients_ && FullColorSupport()) {
      PaintGradient(canvas, rect, gdVerticalEnd, rtl ? Color() : back, rtl ? back : Color(), 1);
    } else {
      canvas->Brush()->SetColor(back);
      canvas->FillRect(rect);
    }
  }
  const String caption = GetItems()->Strings(index).substr(groupPrefix_.size());
  const int top = rect.Top + (ItemHeight() - canvas->TextHeight("Pp")) / 2;
  canvas->Brush()->SetStyle(bsClear);
  HDC dc = FontDC(canvas);
  const int saved = ::SaveDC(dc);
  ::IntersectClipRect(dc, rect.Left, rect.Top, rect.Right, rect.Bottom);
  ::SetBkMode(dc, TRANSPARENT);
  SetDCTextColor(dc, canvas->Font()->Color());
  if (rtl) ::SetTextAlign(dc, TA_RIGHT);
  ::TextOutA(dc, rtl ? rect.Right - 2 : rect.Left + 2, top, caption.c_str(), static_cast<int>(caption.size()));
  ::RestoreDC(dc, saved);
  canvas->Brush()->SetStyle(bsSolid);
}
