// A program folder with the resource form (skin optional), its profile manager and
// plug-in format lists, for the output settings dialog and the profile editor; the
// message boxes they ask are answered from a queue and recorded.
#pragma once

#include <deque>
#include <vector>

#include <gtest/gtest.h>

#include "app/ProfileManager.h"
#include "app/VideoProfiles.h"
#include "tests/harness/SystemCallsGuard.h"
#include "tests/harness/TempProgramFolder.h"

class OutputFixture : public testing::Test {
public:
  void SetUp() override;
  void TearDown() override;

  // Loads the default skin into the resource form (for the captures).
  void UseDefaultSkin();
  // Adds a profile to the manager, saved into "Profiles\" first.
  template <class P>
  P* AddProfile(const String& name) {
    auto* profile = new P(name, String());
    EXPECT_TRUE(profile->Save(String()));
    Manager().AddProfile(profile);
    return profile;
  }
  TProfileManager& Manager() const;
  // Every message box takes the next answer (IDNO when the queue runs dry).
  std::deque<int> Answers;
  struct Box {
    String Text;
    unsigned Flags;
  };
  std::vector<Box> Boxes;
  std::vector<String> BoxTexts() const;

  TempProgramFolder folder;
  SystemCallsGuard calls;
};

// A file under the folder as text, empty when missing.
String ReadText(const TempProgramFolder& folder, const String& relativePath);
