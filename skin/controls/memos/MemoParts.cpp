#include "skin/controls/memos/MemoParts.h"

#include <algorithm>

#include "platform/controls/Menus.h"
#include "skin/controls/EditMenuSeam.h"
#include "skin/controls/SkinBoxFonts.h"
#include "skin/data/ResourceStrData.h"
#include "skin/draw/SPUtils.h"

void TspMemoLook::Read(const TspDataSkinMemoControl* record) {
  Found = record != nullptr;
  if (!record) return;
  FontName = record->fontname;
  FontStyle = record->fontstyle;
  FontHeight = record->fontheight;
  FontColor = record->fontcolor;
  ActiveFontColor = record->activefontcolor;
  BGColor = record->bgcolor;
  ActiveBGColor = record->activebgcolor;
}

void TspMemoLook::ApplyFont(TFont* font, const TFont* defaultFont, bool useSkinFont) const {
  if (Found && useSkinFont) SetRecordFont(font, FontName, FontStyle, FontHeight);
  else font->Assign(defaultFont);
}

TColor MemoDisabledFontColor(TspSkinData* data, bool hasMemoRecord) {
  if (!hasMemoRecord) return clGrayText;
  auto* edit = FindRecord<TspDataSkinEditControl>(data, "edit");
  return edit ? edit->disabledfontcolor : clGrayText;
}

namespace {

void UpdateBar(HWND window, TspSkinScrollBar* bar, int which) {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL};
  ::GetScrollInfo(window, which, &info);
  bool scrolls = which == SB_VERT ? static_cast<int>(info.nPage) < info.nMax + 1 : static_cast<int>(info.nPage) < info.nMax;
  if (scrolls) bar->SetRange(0, info.nMax, info.nPos, static_cast<Integer>(info.nPage));
  else bar->SetRange(0, 0, 0, 0);
  bar->SetEnabled(scrolls);
}

}  // namespace

void UpdateMemoScrollBars(TCustomMemo* memo, TspSkinScrollBar* vbar, TspSkinScrollBar* hbar) {
  for (auto [bar, which] : {std::pair{vbar, SB_VERT}, std::pair{hbar, SB_HORZ}}) {
    if (!bar) continue;
    if (!memo->Enabled()) bar->SetEnabled(false);
    else if (memo->HandleAllocated()) UpdateBar(memo->Handle(), bar, which);
  }
}

void ScrollMemoToBar(TCustomMemo* memo, TspSkinScrollBar* bar, bool vertical) {
  if (!bar || !memo->HandleAllocated()) return;
  HWND window = memo->Handle();
  if (vertical) {
    auto first = static_cast<Integer>(::SendMessageA(window, EM_GETFIRSTVISIBLELINE, 0, 0));
    ::SendMessageA(window, EM_LINESCROLL, 0, bar->Position() - first);
    return;
  }
  WORD position = static_cast<WORD>(std::clamp<Integer>(bar->Position(), 0, 0xFFFF));
  ::SendMessageA(window, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), 0);
}

namespace {

String MenuText(TspSkinData* data, const char* name, const char* builtIn) {
  if (data && data->ResourceStrData()) {
    String text = data->ResourceStrData()->GetResStr(name);
    if (!text.empty()) return text;
  }
  return builtIn;
}

bool ClipboardHasText() {
  if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(nullptr)) return false;
  bool has = false;
  if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
    if (auto* text = static_cast<const char*>(::GlobalLock(data))) {
      has = text[0] != 0;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return has;
}

}  // namespace

TPopupMenu* BuildMemoContextMenu(TCustomMemo* memo, TspSkinData* data, bool readOnly) {
  TPopupMenu* menu = SPEditMenuHooks().CreateMenu(memo);
  bool selection = memo->SelLength() > 0;
  struct Row {
    const char* Name;
    const char* BuiltIn;
    bool Enabled;
    UINT Message;
  };
  const Row rows[] = {
      {"EDIT_UNDO", "Undo", memo->CanUndo() && !readOnly, WM_UNDO},
      {nullptr, "-", true, 0},
      {"EDIT_CUT", "Cut", selection && !readOnly, WM_CUT},
      {"EDIT_COPY", "Copy", selection, WM_COPY},
      {"EDIT_PASTE", "Paste", !readOnly && ClipboardHasText(), WM_PASTE},
      {"EDIT_DELETE", "Delete", selection && !readOnly, WM_CLEAR},
      {nullptr, "-", true, 0},
      {"EDIT_SELECTALL", "Select All", memo->SelText() != memo->Text(), EM_SETSEL},
  };
  for (const Row& row : rows) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(row.Name ? MenuText(data, row.Name, row.BuiltIn) : String(row.BuiltIn));
    item->SetEnabled(row.Enabled);
    if (UINT message = row.Message) {
      item->OnClick = TNotifyEvent::Function([memo, message](TObject*) {
        if (!memo->HandleAllocated()) return;
        // Through the window, so the memo's filters apply.
        ::SendMessageA(memo->Handle(), message, 0, message == EM_SETSEL ? -1 : 0);
      });
    }
    menu->Items()->Add(item);
  }
  return menu;
}

void DrawDisabledMemoLines(TCustomMemo* memo, HDC dc, TRect textRect, TFont* font) {
  HDC screen = ::GetDC(nullptr);
  HGDIOBJ old = ::SelectObject(screen, font->Handle());
  SIZE size{};
  ::GetTextExtentPoint32A(screen, "Wq", 2, &size);
  ::SelectObject(screen, old);
  ::ReleaseDC(nullptr, screen);
  Integer h = size.cy;
  // Every whole line of the formatting rectangle, as the enabled memo shows them.
  Integer n = h > 0 ? RectHeight(textRect) / h : 1;
  auto first = static_cast<Integer>(::SendMessageA(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  UINT align = memo->Alignment() == taRightJustify ? DT_RIGHT : memo->Alignment() == taCenter ? DT_CENTER : DT_LEFT;
  HGDIOBJ oldFont = ::SelectObject(dc, font->Handle());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ColorToRGB(font->Color()));
  TStrings* lines = memo->Lines();
  for (Integer i = first; i < first + n && i < lines->Count(); ++i) {
    RECT r{textRect.Left, textRect.Top, textRect.Right, textRect.Bottom};
    String line = lines->Strings(i);
    ::DrawTextA(dc, line.c_str(), static_cast<int>(line.size()), &r, align | DT_NOPREFIX);
    textRect.Top += h;
  }
  ::SelectObject(dc, oldFont);
}
