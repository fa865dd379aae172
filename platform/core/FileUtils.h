// File names, folders and folder search, over the ANSI file functions of Win32.
// File names use backslashes; the path routines also accept forward slashes.
#pragma once

#include "platform/core/System.h"

// The program's folder with its trailing backslash: the executable's folder, or
// the folder a test set with SetProgramFolder.
String ProgramFolder();
void SetProgramFolder(const String& folder);  // empty: back to the executable's folder
String ApplicationExeName();                  // the executable's full file name

String ExtractFilePath(const String& fileName);  // "C:\a\b.txt" -> "C:\a\"
String ExtractFileDir(const String& fileName);   // "C:\a\b.txt" -> "C:\a"
String ExtractFileName(const String& fileName);  // -> "b.txt"
String ExtractFileExt(const String& fileName);   // -> ".txt"
String ChangeFileExt(const String& fileName, const String& extension);
String IncludeTrailingBackslash(const String& path);
String ExcludeTrailingBackslash(const String& path);
String ExpandFileName(const String& fileName);

bool FileExists(const String& fileName);
bool DirectoryExists(const String& folder);
bool ForceDirectories(const String& folder);  // creates every missing level
bool CreateDir(const String& folder);
bool RemoveDir(const String& folder);
bool DeleteFile(const String& fileName);
bool RenameFile(const String& oldName, const String& newName);
Int64 FileSizeOf(const String& fileName);  // -1 when the file cannot be found

// File attribute bits for FindFirst's mask and TSearchRec::Attr.
enum : int {
  faReadOnly = 0x01,
  faHidden = 0x02,
  faSysFile = 0x04,
  faVolumeID = 0x08,
  faDirectory = 0x10,
  faArchive = 0x20,
  faNormal = 0x80,
  faAnyFile = 0x3F,
};

struct TSearchRec {
  String Name;    // the entry's name, without its folder
  int Attr = 0;   // faXXX bits
  Int64 Size = 0;
  double Time = 0;  // last write time as a TDateTime (local time)
  void* FindHandle = nullptr;
  int ExcludeAttr = 0;
};

// Folder search: returns 0 and fills `rec` for each entry that matches the pattern
// and whose special attributes (hidden, system, folder) are all in `attr`;
// non-zero when there are no more entries. FindClose releases the search.
int FindFirst(const String& pattern, int attr, TSearchRec& rec);
int FindNext(TSearchRec& rec);
void FindClose(TSearchRec& rec);
