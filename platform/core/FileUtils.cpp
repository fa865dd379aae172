#include "platform/core/FileUtils.h"

#include "platform/core/DateUtils.h"
#include "platform/core/WinApi.h"

namespace {

String& ProgramFolderOverride() {
  static String folder;
  return folder;
}

bool IsSeparator(char c) { return c == '\\' || c == '/' || c == ':'; }

size_t LastSeparator(const String& fileName) {
  for (size_t i = fileName.size(); i > 0; --i)
    if (IsSeparator(fileName[i - 1])) return i - 1;
  return String::npos;
}

bool MatchesAttributes(const WIN32_FIND_DATAA& data, int exclude) {
  return (data.dwFileAttributes & exclude) == 0;
}

void FillSearchRec(const WIN32_FIND_DATAA& data, TSearchRec& rec) {
  rec.Name = data.cFileName;
  rec.Attr = static_cast<int>(data.dwFileAttributes);
  rec.Size = (static_cast<Int64>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  FILETIME local;
  SYSTEMTIME time;
  ::FileTimeToLocalFileTime(&data.ftLastWriteTime, &local);
  ::FileTimeToSystemTime(&local, &time);
  rec.Time = EncodeDate(time.wYear, time.wMonth, time.wDay) +
             EncodeTime(time.wHour, time.wMinute, time.wSecond, time.wMilliseconds);
}

// Steps over entries the attribute mask leaves out; 0 when `data` holds a match.
int SkipExcluded(TSearchRec& rec, WIN32_FIND_DATAA& data) {
  while (!MatchesAttributes(data, rec.ExcludeAttr)) {
    if (!::FindNextFileA(static_cast<HANDLE>(rec.FindHandle), &data)) return static_cast<int>(::GetLastError());
  }
  FillSearchRec(data, rec);
  return 0;
}

}  // namespace

String ApplicationExeName() {
  char name[MAX_PATH];
  DWORD length = ::GetModuleFileNameA(nullptr, name, MAX_PATH);
  return String(name, length);
}

String ProgramFolder() {
  const String& folder = ProgramFolderOverride();
  return folder.empty() ? ExtractFilePath(ApplicationExeName()) : folder;
}

void SetProgramFolder(const String& folder) {
  ProgramFolderOverride() = folder.empty() ? String() : IncludeTrailingBackslash(folder);
}

String ExtractFilePath(const String& fileName) {
  size_t at = LastSeparator(fileName);
  return at == String::npos ? String() : fileName.substr(0, at + 1);
}

String ExtractFileDir(const String& fileName) {
  size_t at = LastSeparator(fileName);
  if (at == String::npos) return String();
  if (at > 0 && (fileName[at] == '\\' || fileName[at] == '/') && fileName[at - 1] != ':') return fileName.substr(0, at);
  return fileName.substr(0, at + 1);
}

String ExtractFileName(const String& fileName) {
  size_t at = LastSeparator(fileName);
  return at == String::npos ? fileName : fileName.substr(at + 1);
}

String ExtractFileExt(const String& fileName) {
  size_t dot = fileName.find_last_of('.');
  size_t sep = LastSeparator(fileName);
  if (dot == String::npos || (sep != String::npos && dot < sep)) return String();
  return fileName.substr(dot);
}

String ChangeFileExt(const String& fileName, const String& extension) {
  String ext = ExtractFileExt(fileName);
  return fileName.substr(0, fileName.size() - ext.size()) + extension;
}

String IncludeTrailingBackslash(const String& path) {
  if (!path.empty() && (path.back() == '\\' || path.back() == '/')) return path;
  return path + '\\';
}

String ExcludeTrailingBackslash(const String& path) {
  if (!path.empty() && (path.back() == '\\' || path.back() == '/')) return path.substr(0, path.size() - 1);
  return path;
}

String ExpandFileName(const String& fileName) {
  char full[MAX_PATH];
  char* filePart = nullptr;
  DWORD length = ::GetFullPathNameA(fileName.c_str(), MAX_PATH, full, &filePart);
  return length == 0 || length >= MAX_PATH ? fileName : String(full, length);
}

bool FileExists(const String& fileName) {
  DWORD attr = ::GetFileAttributesA(fileName.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && !(attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const String& folder) {
  DWORD attr = ::GetFileAttributesA(folder.c_str());
  return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateDir(const String& folder) { return ::CreateDirectoryA(folder.c_str(), nullptr) != 0; }

bool RemoveDir(const String& folder) { return ::RemoveDirectoryA(folder.c_str()) != 0; }

bool ForceDirectories(const String& folder) {
  String dir = ExcludeTrailingBackslash(folder);
  if (dir.empty()) return false;
  if (DirectoryExists(dir) || (dir.size() == 2 && dir[1] == ':')) return true;
  String parent = ExtractFileDir(dir);
  if (!parent.empty() && parent != dir && !ForceDirectories(parent)) return false;
  return CreateDir(dir) || DirectoryExists(dir);
}

bool DeleteFile(const String& fileName) { return ::DeleteFileA(fileName.c_str()) != 0; }

bool RenameFile(const String& oldName, const String& newName) {
  return ::MoveFileA(oldName.c_str(), newName.c_str()) != 0;
}

Int64 FileSizeOf(const String& fileName) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExA(fileName.c_str(), GetFileExInfoStandard, &data)) return -1;
  return (static_cast<Int64>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int FindFirst(const String& pattern, int attr, TSearchRec& rec) {
  rec.ExcludeAttr = ~attr & (faHidden | faSysFile | faVolumeID | faDirectory);
  WIN32_FIND_DATAA data;
  HANDLE handle = ::FindFirstFileA(pattern.c_str(), &data);
  if (handle == INVALID_HANDLE_VALUE) {
    rec.FindHandle = nullptr;
    return static_cast<int>(::GetLastError());
  }
  rec.FindHandle = handle;
  int result = SkipExcluded(rec, data);
  if (result != 0) FindClose(rec);
  return result;
}

int FindNext(TSearchRec& rec) {
  if (!rec.FindHandle) return ERROR_NO_MORE_FILES;
  WIN32_FIND_DATAA data;
  if (!::FindNextFileA(static_cast<HANDLE>(rec.FindHandle), &data)) return static_cast<int>(::GetLastError());
  return SkipExcluded(rec, data);
}

void FindClose(TSearchRec& rec) {
  if (rec.FindHandle) ::FindClose(static_cast<HANDLE>(rec.FindHandle));
  rec.FindHandle = nullptr;
}
