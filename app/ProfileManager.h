// The profile manager: every video profile of the "Profiles\" folder, owned and kept
// sorted by format kind and then by name.
#pragma once

#include "app/VideoProfile.h"
#include "platform/core/Lists.h"

// Kind first (signed), then the names byte by byte; -1, 0 or 1.
int CompareProfiles(const TVideoProfile* first, const TVideoProfile* second);

class TProfileManager {
public:
  explicit TProfileManager(const String& folder);  // ends in a backslash
  ~TProfileManager();
  TProfileManager(const TProfileManager&) = delete;
  TProfileManager& operator=(const TProfileManager&) = delete;

  int GetCount() const { return profiles_.Count(); }
  TVideoProfile* GetProfile(int index) const;  // owned by the manager
  // Takes ownership and sorts the list again.
  void AddProfile(TVideoProfile* profile);
  // Deletes the profile's file and removes it from the list; the object is the caller's.
  void DeleteProfile(int index);
  void ClearProfiles();
  // Adds every profile file of the folder that loads; a file that cannot be read
  // stops the load with a message box.
  void LoadProfiles();

  const String& Folder() const { return folder_; }

private:
  String folder_;
  TList profiles_;  // of TVideoProfile*, owned
};
