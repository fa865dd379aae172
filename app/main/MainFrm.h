// The application's main window: the task list, the source opening, the title
// tree, the preview and the conversion commands.
#pragma once

#include "engines/include/DiscEngine.h"
#include "platform/controls/CustomForm.h"

class TMainForm : public TForm {
public:
  explicit TMainForm(TComponent* owner);

private:
  void FormCreate(TObject* sender);
};

extern TMainForm* MainForm;

// Splits a ";"-separated list of paths into zero-terminated copies, in order, and
// answers their number; an empty piece counts, so an empty text gives one. Never
// more than kMaxVOBFiles copies: the callers' arrays hold that many and the rest of
// the list is left out. Free the copies with FreeFileList.
int SplitFileList(const String& list, char* pieces[kMaxVOBFiles]);
void FreeFileList(char* pieces[], int count);
