#include "framed/combos/RzMRUComboBox.h"

#include <algorithm>

#include "platform/core/SysUtils.h"

namespace {

enum { kUndo, kSep1, kCut, kCopy, kPaste, kDelete, kSep2, kSelectAll, kSep3, kRemove };

String ShellString(HMODULE shell, UINT id) {
  char buffer[256] = {};
  if (!shell || ::LoadStringA(shell, id, buffer, 255) <= 0) return String();
  return buffer;
}

}  // namespace

TRzMRUComboBox::TRzMRUComboBox(TComponent* owner) : TRzCustomComboBox(owner) {
  SetSorted(false);
  CreatePopupMenuItems();
  InitializePopupMenuItems();
  AddMenuItemsToPopupMenu();
}

TRzMRUComboBox::~TRzMRUComboBox() = default;

void TRzMRUComboBox::Notification(TComponent* component, TOperation operation) {
  TRzCustomComboBox::Notification(component, operation);
  if (operation == opRemove && component == mruRegIniFile_) mruRegIniFile_ = nullptr;
}

void TRzMRUComboBox::SetMruRegIniFile(TRzRegIniFile* value) {
  mruRegIniFile_ = value;
  if (value) value->FreeNotification(this);
}

void TRzMRUComboBox::SetRemoveItemCaption(const String& value) {
  if (removeItemCaption_ == value) return;
  removeItemCaption_ = value;
  menuItems_[kRemove]->SetCaption(value);
}

// ---- menu ----

void TRzMRUComboBox::CreatePopupMenuItems() {
  embeddedMenu_ = new TPopupMenu(this);
  SetPopupMenu(embeddedMenu_);
  for (auto& item : menuItems_) item = new TMenuItem(embeddedMenu_);
}

void TRzMRUComboBox::InitializePopupMenuItems() {
  menuItemCount_ = 0;
  HMODULE shell = ::LoadLibraryA("Shell32");
  SetupMenuItem(menuItems_[kUndo], ShellString(shell, 33563), TNotifyEvent(this, &TRzMRUComboBox::UndoClick));
  SetupMenuItem(menuItems_[kSep1], "-", TNotifyEvent());
  SetupMenuItem(menuItems_[kCut], ShellString(shell, 33560), TNotifyEvent(this, &TRzMRUComboBox::CutClick));
  SetupMenuItem(menuItems_[kCopy], ShellString(shell, 33561), TNotifyEvent(this, &TRzMRUComboBox::CopyClick));
  SetupMenuItem(menuItems_[kPaste], ShellString(shell, 33562), TNotifyEvent(this, &TRzMRUComboBox::PasteClick));
  SetupMenuItem(menuItems_[kDelete], ShellString(shell, 33553), TNotifyEvent(this, &TRzMRUComboBox::DeleteClick));
  SetupMenuItem(menuItems_[kSep2], "-", TNotifyEvent());
  SetupMenuItem(menuItems_[kSelectAll], ShellString(shell, 4171),
                TNotifyEvent(this, &TRzMRUComboBox::SelectAllClick));
  SetupMenuItem(menuItems_[kSep3], "-", TNotifyEvent());
  SetupMenuItem(menuItems_[kRemove], removeItemCaption_, TNotifyEvent(this, &TRzMRUComboBox::RemoveItemClick));
  if (shell) ::FreeLibrary(shell);
}

void TRzMRUComboBox::SetupMenuItem(TMenuItem* item, const String& caption, TNotifyEvent onClick) {
  item->SetCaption(caption);
  item->SetChecked(false);
  item->SetRadioItem(false);
  item->SetGroupIndex(0);
  item->SetShortCut(0);
  item->OnClick = onClick;
  item->Tag = menuItemCount_++;
}

void TRzMRUComboBox::AddMenuItemsToPopupMenu() {
  embeddedMenu_->OnPopup = TNotifyEvent(this, &TRzMRUComboBox::MenuPopup);
  for (TMenuItem* item : menuItems_) embeddedMenu_->Items()->Add(item);
}

HWND TRzMRUComboBox::EditWindow() {
  return HandleAllocated() ? ::FindWindowExA(Handle(), nullptr, "Edit", nullptr) : nullptr;
}

void TRzMRUComboBox::MenuPopup(TObject*) {
  SetFocus();
  if (!Focused()) return;
  DWORD start = 0, end = 0;
  ::SendMessageA(Handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const bool selection = end > start;
  menuItems_[kCut]->SetEnabled(selection);
  menuItems_[kCopy]->SetEnabled(selection);
  menuItems_[kDelete]->SetEnabled(selection);
  HWND edit = EditWindow();
  menuItems_[kUndo]->SetEnabled(edit && ::SendMessageA(edit, EM_CANUNDO, 0, 0) != 0);
  bool clipboardText = false;
  if (::OpenClipboard(nullptr)) {
    clipboardText = ::GetClipboardData(CF_TEXT) != nullptr;
    ::CloseClipboard();
  }
  menuItems_[kPaste]->SetEnabled(clipboardText);
  menuItems_[kSelectAll]->SetEnabled(!Text().empty());
  menuItems_[kRemove]->SetEnabled(!Text().empty());
}

void TRzMRUComboBox::UndoClick(TObject*) {
  if (HWND edit = EditWindow()) ::SendMessageA(edit, EM_UNDO, 0, 0);
}
void TRzMRUComboBox::CutClick(TObject*) { Perform(WM_CUT); }
void TRzMRUComboBox::CopyClick(TObject*) { Perform(WM_COPY); }
void TRzMRUComboBox::PasteClick(TObject*) { Perform(WM_PASTE); }
void TRzMRUComboBox::DeleteClick(TObject*) { Perform(WM_CLEAR); }
void TRzMRUComboBox::SelectAllClick(TObject*) { Perform(CB_SETEDITSEL, 0, MAKELPARAM(0, 0xFFFF)); }

void TRzMRUComboBox::RemoveItemClick(TObject*) {
  const int index = Items()->IndexOf(Text());
  if (index >= 0) {
    Items()->Delete(index);
    SaveMRUData();
  }
  SetText(String());
  Change();
}

// ---- history ----

bool TRzMRUComboBox::Usable() const {
  return !MruSection.empty() && !MruID.empty() && (!MruPath.empty() || mruRegIniFile_);
}

template <class F>
void TRzMRUComboBox::WithStore(F use) {
  if (mruRegIniFile_) return use(*mruRegIniFile_);
  TRzRegIniFile temporary(nullptr);
  temporary.SetPathType(ptRegistry);
  temporary.SetPath(MruPath);
  use(temporary);
}

void TRzMRUComboBox::LoadMRUData(bool reorder) {
  if (HasState(csDesigning) || !Usable()) return;
  WithStore([&](TRzRegIniFile& store) {
    const Integer stored = store.ReadInteger(MruSection, MruID + "_Count", 0);
    const int count = std::clamp<Integer>(stored, 0, std::max(0, MaxHistory));
    TStrings* items = Items();
    for (int n = 0; n < count; ++n) {
      const String value = store.ReadString(MruSection, MruID + "_Item" + std::to_string(n), String());
      if (value.empty()) continue;
      int index = items->IndexOf(value);
      if (index < 0) index = items->Add(value);
      if (reorder && index != n && n < items->Count()) items->Move(index, n);
    }
  });
  if (SelectFirstItemOnLoad && Items()->Count() > 0) SetItemIndex(0);
  mruLoaded_ = true;
}

void TRzMRUComboBox::SaveMRUData() {
  if (!Usable()) return;
  WithStore([&](TRzRegIniFile& store) {
    const int count = std::min(Items()->Count(), MaxHistory);
    store.WriteInteger(MruSection, MruID + "_Count", count);
    for (int n = 0; n < count; ++n) store.WriteString(MruSection, MruID + "_Item" + std::to_string(n), Items()->Strings(n));
    for (int n = count; n < MaxHistory; ++n) store.DeleteKey(MruSection, MruID + "_Item" + std::to_string(n));
  });
}

void TRzMRUComboBox::UpdateMRUList() {
  const String text = Text();
  if (text.empty()) return;
  const int index = Items()->IndexOf(text);
  if (index < 0) {
    Items()->Insert(0, text);
  } else {
    Items()->Move(index, 0);
    if (Style() == csDropDownList)
      SetItemIndex(0);
    else
      SetText(text);
  }
  SaveMRUData();
}

void TRzMRUComboBox::Loaded() {
  TRzCustomComboBox::Loaded();
  LoadMRUData(true);
}

void TRzMRUComboBox::CreateWnd() {
  TRzCustomComboBox::CreateWnd();
  if (!HasState(csLoading) && !mruLoaded_ && Usable()) LoadMRUData(false);
}

void TRzMRUComboBox::KeyPress(char& key) {
  if (key == '\r') {
    UpdateMRUList();
    EnterKeyPressed();
    if (TabOnEnter) {
      key = 0;
      if (HandleAllocated()) ::PostMessageA(Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    return;
  }
  if (key == 27) {
    key = 0;  // handled here: the edit inside does not see it again
    return EscapeKeyPressed();
  }
  TRzCustomComboBox::KeyPress(key);
}

void TRzMRUComboBox::DoExit() {
  TRzCustomComboBox::DoExit();
  UpdateMRUList();
}
