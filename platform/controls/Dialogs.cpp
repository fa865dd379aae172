#include "platform/controls/Dialogs.h"

#include <vector>

#include "platform/core/SysUtils.h"
#include "platform/core/SystemCalls.h"

#include <cderr.h>
#include <objbase.h>

namespace {

// The dialog flag of each option, in the order of TOpenOption (0: none).
const DWORD kOpenOptionFlags[] = {
    OFN_READONLY,        OFN_OVERWRITEPROMPT,     OFN_HIDEREADONLY,     OFN_NOCHANGEDIR,    OFN_SHOWHELP,
    OFN_NOVALIDATE,      OFN_ALLOWMULTISELECT,    OFN_EXTENSIONDIFFERENT, OFN_PATHMUSTEXIST, OFN_FILEMUSTEXIST,
    OFN_CREATEPROMPT,    OFN_SHAREAWARE,          OFN_NOREADONLYRETURN, OFN_NOTESTFILECREATE, OFN_NONETWORKBUTTON,
    OFN_NOLONGNAMES,     0 /* no OFN_EXPLORER */, OFN_NODEREFERENCELINKS, OFN_ENABLEINCLUDENOTIFY, OFN_ENABLESIZING,
    OFN_DONTADDTORECENT, OFN_FORCESHOWHIDDEN,
};
static_assert(sizeof kOpenOptionFlags / sizeof kOpenOptionFlags[0] == ofOptionCount, "one flag per option");

const DWORD kColorOptionFlags[] = {CC_FULLOPEN, CC_PREVENTFULLOPEN, CC_SHOWHELP, CC_SOLIDCOLOR, CC_ANYCOLOR};
static_assert(sizeof kColorOptionFlags / sizeof kColorOptionFlags[0] == cdOptionCount, "one flag per option");

// Room for many chosen files: the names of a multiple choice come in one buffer.
constexpr size_t kMultiSelectBufferSize = 0xFFFF - 16;

String JoinPath(const String& folder, const String& name) {
  if (folder.empty() || folder.back() == '\\') return folder + name;
  return folder + "\\" + name;
}

// The zero-separated answer of an Explorer-style dialog: one full path, or the
// folder followed by the names in the dialog's order, ended by a second zero.
std::vector<String> SplitExplorerAnswer(const char* buffer, size_t size) {
  std::vector<String> parts;
  size_t at = 0;
  while (at < size && buffer[at] != '\0') {
    size_t end = at;
    while (end < size && buffer[end] != '\0') ++end;
    parts.emplace_back(buffer + at, end - at);
    at = end + 1;
  }
  return parts;
}

// The blank-separated answer of an old-style dialog: the folder, then short names.
std::vector<String> SplitOldStyleAnswer(const String& text) {
  std::vector<String> parts;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find(' ', at);
    if (end == String::npos) end = text.size();
    if (end > at) parts.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return parts;
}

}  // namespace

// ---- TOpenDialog ----

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner), files_(std::make_unique<TStringList>()) {}

String TOpenDialog::NativeFilter(const String& filter) {
  String native = filter;
  for (char& c : native)
    if (c == '|') c = '\0';
  native += '\0';
  native += '\0';
  return native;
}

bool TOpenDialog::Show(void* request) {
  return SystemCalls().GetOpenFileName(static_cast<OPENFILENAMEA*>(request)) != FALSE;
}

bool TOpenDialog::Execute() {
  const bool multi = HasOption(ofAllowMultiSelect);
  const bool oldStyle = HasOption(ofOldStyleDialog);
  std::vector<char> buffer(multi ? kMultiSelectBufferSize : MAX_PATH + 1, '\0');
  FileName.copy(buffer.data(), std::min(FileName.size(), buffer.size() - 2));
  String filter = NativeFilter(Filter);

  OPENFILENAMEA request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = ::GetActiveWindow();
  request.lpstrFilter = Filter.empty() ? nullptr : filter.c_str();
  request.nFilterIndex = static_cast<DWORD>(FilterIndex);
  request.lpstrFile = buffer.data();
  request.nMaxFile = static_cast<DWORD>(buffer.size());
  request.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
  request.lpstrTitle = Title.empty() ? nullptr : Title.c_str();
  request.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
  for (unsigned option = 0; option < ofOptionCount; ++option)
    if (Options & (1u << option)) request.Flags |= kOpenOptionFlags[option];
  if (!oldStyle) request.Flags |= OFN_EXPLORER;

  files_->Clear();
  if (!Show(&request)) {
    if (::CommDlgExtendedError() == FNERR_BUFFERTOOSMALL)
      throw EInvalidOperation("Too many files were chosen at once");
    return false;
  }

  std::vector<String> parts = oldStyle && multi ? SplitOldStyleAnswer(buffer.data())
                                                : SplitExplorerAnswer(buffer.data(), buffer.size());
  if (!multi || parts.size() <= 1) {
    files_->Add(buffer.data());
  } else {
    for (size_t i = 1; i < parts.size(); ++i) files_->Add(JoinPath(parts[0], parts[i]));
  }
  FileName = files_->Strings(0);
  FilterIndex = static_cast<int>(request.nFilterIndex);
  Options &= ~(OpenOption(ofReadOnly) | OpenOption(ofExtensionDifferent));
  if (request.Flags & OFN_READONLY) Options |= OpenOption(ofReadOnly);
  if (request.Flags & OFN_EXTENSIONDIFFERENT) Options |= OpenOption(ofExtensionDifferent);
  return true;
}

bool TSaveDialog::Show(void* request) {
  return SystemCalls().GetSaveFileName(static_cast<OPENFILENAMEA*>(request)) != FALSE;
}

// ---- TColorDialog ----

TColorDialog::TColorDialog(TComponent* owner)
    : TComponent(owner), customColors_(std::make_unique<TStringList>()) {}

bool TColorDialog::Execute() {
  COLORREF custom[16];
  for (COLORREF& color : custom) color = 0xFFFFFF;
  for (int i = 0; i < customColors_->Count(); ++i) {
    String name = customColors_->Names(i);
    if (name.size() != 6 || !SameText(name.substr(0, 5), "Color")) continue;
    char letter = static_cast<char>(toupper(static_cast<unsigned char>(name[5])));
    if (letter < 'A' || letter > 'P') continue;
    String value = customColors_->ValueFromIndex(i);
    Integer color = 0;
    if (value.empty() || !TryStrToInt("$" + value, color))
      throw EConvertError("'" + value + "' is not a valid colour value");
    custom[letter - 'A'] = static_cast<COLORREF>(color) & 0xFFFFFF;
  }

  CHOOSECOLORA request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = ::GetActiveWindow();
  request.rgbResult = static_cast<COLORREF>(ColorToRGB(Color));
  request.lpCustColors = custom;
  request.Flags = CC_RGBINIT;
  for (unsigned option = 0; option < cdOptionCount; ++option)
    if (Options & (1u << option)) request.Flags |= kColorOptionFlags[option];
  if (!SystemCalls().ChooseColor(&request)) return false;

  Color = static_cast<TColor>(request.rgbResult & 0xFFFFFF);
  customColors_->BeginUpdate();
  customColors_->Clear();
  for (int i = 0; i < 16; ++i)
    customColors_->Add(Format("Color%s=%.6x", String(1, static_cast<char>('A' + i)), static_cast<Integer>(custom[i])));
  customColors_->EndUpdate();
  return true;
}

// ---- the folder browser ----

String SelectDirectory(const String& caption) {
  char displayName[MAX_PATH] = {};
  BROWSEINFOA request{};
  request.hwndOwner = ::GetActiveWindow();
  request.pidlRoot = nullptr;
  request.pszDisplayName = displayName;
  request.lpszTitle = caption.c_str();
  request.ulFlags = BIF_RETURNONLYFSDIRS;

  // The shell's dialog needs COM on this thread while it shows.
  struct ComScope {
    HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ~ComScope() {
      if (SUCCEEDED(result)) ::CoUninitialize();
    }
  } com;
  LPITEMIDLIST chosen = SystemCalls().BrowseForFolder(&request);
  if (!chosen) return String();
  char path[MAX_PATH] = {};
  BOOL isFolder = ::SHGetPathFromIDListA(chosen, path);
  ::CoTaskMemFree(chosen);
  return isFolder ? String(path) : String();
}
