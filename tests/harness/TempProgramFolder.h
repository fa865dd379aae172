// A temporary program folder for one test: the layer's ProgramFolder() points at
// it while the object lives, so settings, profiles, languages and skins are read
// from files the test wrote. The folder and everything in it go away afterwards.
#pragma once

#include "platform/core/System.h"

class TempProgramFolder {
public:
  TempProgramFolder();
  ~TempProgramFolder();
  TempProgramFolder(const TempProgramFolder&) = delete;
  TempProgramFolder& operator=(const TempProgramFolder&) = delete;

  // The folder, with its trailing backslash.
  const String& Path() const { return path_; }

  // Writes a file under the folder (creating subfolders); returns its full path.
  String Write(const String& relativePath, const String& content) const;
  // Reads a file under the folder; empty when it does not exist.
  String Read(const String& relativePath) const;

private:
  String path_;
  String previous_;
};
