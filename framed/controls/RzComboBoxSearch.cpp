// The keyboard search of TRzCustomComboBox: the incremental search of the
// drop-down list styles and the completion of the edit styles.
#include "framed/controls/RzComboBox.h"

#include "platform/core/SysUtils.h"

namespace {

std::function<bool(char)>& LeadByteTest() {
  static std::function<bool(char)> test;
  return test;
}

// The length of the last character of a text (2 for a double-byte one).
size_t LastCharLength(const String& s) {
  size_t i = 0, last = 0;
  while (i < s.size()) {
    last = TRzCustomComboBox::IsLeadByte(s[i]) && i + 1 < s.size() ? 2 : 1;
    i += last;
  }
  return last;
}

}  // namespace

void TRzCustomComboBox::SetLeadByteTest(std::function<bool(char)> test) { LeadByteTest() = std::move(test); }

bool TRzCustomComboBox::IsLeadByte(char c) {
  if (LeadByteTest()) return LeadByteTest()(c);
  return ::IsDBCSLeadByte(static_cast<BYTE>(c)) != 0;
}

void TRzCustomComboBox::RestartSearchTimer() {
  searchTimer_->SetEnabled(false);
  searchTimer_->SetEnabled(true);
}

void TRzCustomComboBox::SearchTimerExpired(TObject*) {
  if (searching_) return;
  searchTimer_->SetEnabled(false);
  searchString_.clear();
}

void TRzCustomComboBox::UpdateIndex(const String& s, TMessage& message) {
  const int index = FindClosest(s);
  if (index < 0) {
    InvalidKeyPressed();
    return;
  }
  SetItemIndex(index);
  searchString_ = s;
  FireClickAndChange();
  DoKeyPress(message);
}

void TRzCustomComboBox::WndProc(TMessage& message) {
  if (ListStyle() && ListSearchMessage(message)) return;
  TCustomComboBox::WndProc(message);
}

// The drop-down list search; true when the message was handled here.
bool TRzCustomComboBox::ListSearchMessage(TMessage& message) {
  if (message.Msg == WM_KEYDOWN) {
    const WPARAM key = message.WParam;
    if (key == VK_ESCAPE && DroppedDown()) escapeWhileDropped_ = true;
    if (readOnly_) return true;
    if (key == VK_ESCAPE || (key >= 33 && key <= 40)) searchString_.clear();
    return false;
  }
  if (message.Msg != WM_CHAR) return false;
  const auto c = static_cast<unsigned char>(message.WParam);
  // A read-only list keeps its selection: typing may not change it either.
  if (readOnly_ && (c == '\b' || c == 27 || c >= 32)) {
    InvalidKeyPressed();
    return true;
  }
  if (c == '\b') {
    ListBackspace(message);
    return true;
  }
  if (c == 27) {
    if (escapeWhileDropped_) {
      escapeWhileDropped_ = false;
    } else {
      SetItemIndex(0);
      FireClickAndChange();
    }
    return true;
  }
  if (c >= 32) {
    searching_ = true;
    UpdateIndex(searchString_ + static_cast<char>(c), message);
    RestartSearchTimer();
    searching_ = false;
    return true;
  }
  return false;
}

// Backspace shortens the search; the selection stays when nothing is left to
// search for (an empty search beeps, one that becomes empty is only cleared).
void TRzCustomComboBox::ListBackspace(TMessage& message) {
  if (searchString_.empty()) {
    InvalidKeyPressed();
    return;
  }
  String copy = searchString_;
  copy.erase(copy.size() - LastCharLength(copy));
  if (copy.empty())
    searchString_.clear();
  else
    UpdateIndex(copy, message);
}

// ---- edit-style completion ----

void TRzCustomComboBox::SetSearchText(const String& text) {
  skipTextUpdate_ = true;
  SetText(text);
  skipTextUpdate_ = false;
}

bool TRzCustomComboBox::FindListItem(const String& s, TMessage& message) {
  const int index = FindClosest(s);
  if (index < 0) return false;
  const String item = Items()->Strings(index);
  if (KeepSearchCase) {
    SetSearchText(s + item.substr(std::min(s.size(), item.size())));
  } else {
    SetItemIndex(-1);
    SetItemIndex(index);
  }
  FireClickAndChange();
  DoKeyPress(message);
  ::SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(s.size(), item.size()));
  Match();
  return true;
}

void TRzCustomComboBox::UpdateSearchStr() {
  if (Style() != csDropDown) return;
  if (enterPressed_)
    enterPressed_ = false;
  else
    searchString_ = Text();
  const int index = FindClosest(searchString_);
  if (index < 0) return;
  SetItemIndex(index);
  if (HandleAllocated())
    ::SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(searchString_.size(), Items()->Strings(index).size()));
}

void TRzCustomComboBox::EditKeyDown(TMessage& message) {
  systemKeyDown_ = false;
  const WPARAM key = message.WParam;
  const bool shiftDown = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
  switch (key) {
    case VK_PRIOR: case VK_NEXT: case VK_UP: case VK_DOWN:
      skipTextUpdate_ = true;
      searchString_.clear();
      if (readOnly_) return;
      break;
    case VK_END: case VK_HOME: case VK_LEFT: case VK_RIGHT:
      searchString_ = Text();
      break;
    case VK_INSERT:
      if (!shiftDown && !AllowEdit) message.WParam = 0;
      break;
    case VK_DELETE: {
      searchString_ = Text();
      DWORD start = 0, end = 0;
      ::SendMessageA(Handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
      const size_t at = start < searchString_.size() ? start : searchString_.size();
      const size_t charLength = at < searchString_.size() && IsLeadByte(searchString_[at]) ? 2 : 1;
      searchString_.erase(at, std::max<size_t>(end - start, charLength));
      if (!AllowEdit && !(start == 0 && end >= Text().size())) message.WParam = 0;
      break;
    }
    case VK_F4:
      if (readOnly_) return;
      break;
    default:
      break;
  }
  if (message.WParam != 0) editHook_.CallPrevious(message);
}

void TRzCustomComboBox::EditBackspace(TMessage& message) {
  String copy = searchString_;
  if (copy.empty()) {
    InvalidKeyPressed();
  } else {
    DWORD start = 0, end = 0;
    ::SendMessageA(Handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start >= copy.size()) {
      copy.erase(copy.size() - LastCharLength(copy));
    } else if (end > start && AllowEdit) {
      copy.erase(start, end - start);
      ::SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
      ::SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(start, start));
    } else if (AllowEdit && start > 0) {
      const String before = copy.substr(0, start);
      copy.erase(start - LastCharLength(before), LastCharLength(before));
    }
    Change();
    if (copy.empty()) {
      SetItemIndex(-1);
      if (KeepSearchCase) SetSearchText(String());
      searchString_.clear();
      FireClickAndChange();
      DoKeyPress(message);
    }
  }
  searchString_ = copy;
  if (FindListItem(copy, message)) return;
  editHook_.CallPrevious(message);
}

void TRzCustomComboBox::EditChar(TMessage& message) {
  const auto c = static_cast<unsigned char>(message.WParam);
  if (systemKeyDown_) {
    systemKeyDown_ = false;
    return editHook_.CallPrevious(message);
  }
  if (readOnly_) {
    if (c == 3) editHook_.CallPrevious(message);
    return;
  }
  if (c == '\b') return EditBackspace(message);
  if (c == '\r') {
    if (DroppedDown()) SelEndOk();
    enterPressed_ = true;
    return editHook_.CallPrevious(message);
  }
  if ((c == 22 || c == 24) && !AllowEdit) return;
  if (c == 27) {
    if (!DroppedDown()) SetItemIndex(-1);
    searchString_.clear();
    FireClickAndChange();
    DoKeyPress(message);
    if (DroppedDown()) editHook_.CallPrevious(message);
    return;
  }
  if (c < 32) return editHook_.CallPrevious(message);
  DoKeyPress(message);
  const auto typed = static_cast<unsigned char>(message.WParam);
  if (typed < 32) return editHook_.CallPrevious(message);
  DWORD start = 0, end = 0;
  ::SendMessageA(Handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (end > start && start < searchString_.size()) searchString_.erase(start, end - start);
  const String saved = searchString_;
  const size_t at = std::min<size_t>(start, searchString_.size());
  searchString_.insert(at, 1, static_cast<char>(typed));
  MSG trail = {};
  bool tookTrail = false;
  if (IsLeadByte(static_cast<char>(typed)) &&
      ::PeekMessageA(&trail, editHook_.Window(), WM_CHAR, WM_CHAR, PM_NOREMOVE)) {
    searchString_.insert(at + 1, 1, static_cast<char>(trail.wParam));
    tookTrail = true;
  }
  if (FindListItem(searchString_, message)) {
    if (tookTrail) ::PeekMessageA(&trail, editHook_.Window(), WM_CHAR, WM_CHAR, PM_REMOVE);
    return;
  }
  if (AllowEdit) {
    SetSearchText(saved);
    ::SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(start, start));
    editHook_.CallPrevious(message);
    return;
  }
  InvalidKeyPressed();
  searchString_ = saved;
}

void TRzCustomComboBox::ComboWndProc(TMessage& message) {
  if (!autoComplete_) return editHook_.CallPrevious(message);
  switch (message.Msg) {
    case WM_KEYDOWN: return EditKeyDown(message);
    case WM_SYSKEYDOWN:
      systemKeyDown_ = true;
      if (readOnly_ && message.WParam != VK_F4) return;
      return editHook_.CallPrevious(message);
    case WM_CHAR: return EditChar(message);
    case WM_LBUTTONDOWN:
      if (Style() == csDropDown) searchString_ = Text();
      return editHook_.CallPrevious(message);
    case WM_CUT:
      if (!AllowEdit) return;
      searchString_ = Text();
      FindListItem(searchString_, message);
      return editHook_.CallPrevious(message);
    case WM_PASTE:
      if (!AllowEdit) return;
      editHook_.CallPrevious(message);
      searchString_ = Text();
      FindListItem(searchString_, message);
      return;
    default:
      return editHook_.CallPrevious(message);
  }
}
