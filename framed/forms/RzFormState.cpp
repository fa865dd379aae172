#include "framed/forms/RzFormState.h"

#include "framed/settings/RzCommon_RegIniFile.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SystemCalls.h"
#include "platform/io/Registry.h"

namespace {

const char* const kNoStoreOnRestore = "Cannot restore Form State--No TRzRegIniFile component specified";
const char* const kNoStoreOnSave = "Cannot save Form State--No TRzRegIniFile component specified";

}  // namespace

bool ValidMonitorAtPoint(int x, int y) {
  return ::MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONULL) != nullptr;
}

TRzFormState::~TRzFormState() {
  if (!HasState(csDesigning)) UnchainEvents();
}

void TRzFormState::SetRegIniFile(TRzRegIniFile* value) {
  if (regIniFile_ == value) return;
  regIniFile_ = value;
  if (value) value->FreeNotification(this);
}

void TRzFormState::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == regIniFile_) regIniFile_ = nullptr;
}

void TRzFormState::Loaded() {
  const bool wasLoading = HasState(csLoading);
  TComponent::Loaded();
  if (!HasState(csDesigning) && wasLoading) ChainEvents();
}

String TRzFormState::SectionName() const {
  if (!Section.empty()) return Section;
  TCustomForm* form = Form();
  if (!form) return "FormState";
  return (form->Name().empty() ? form->ClassName() : form->Name()) + "FormState";
}

void TRzFormState::ChainEvents() {
  TCustomForm* form = Form();
  if (!form || chained_) return;
  previousOnCreate_ = form->OnCreate;
  previousOnShow_ = form->OnShow;
  previousOnClose_ = form->OnClose;
  form->OnCreate = TNotifyEvent(this, &TRzFormState::FormCreate);
  form->OnShow = TNotifyEvent(this, &TRzFormState::FormShow);
  form->OnClose = TCloseEvent(this, &TRzFormState::FormClose);
  chained_ = true;
}

void TRzFormState::UnchainEvents() {
  TCustomForm* form = Form();
  if (!form || !chained_) return;
  form->OnCreate = previousOnCreate_;
  form->OnShow = previousOnShow_;
  form->OnClose = previousOnClose_;
  chained_ = false;
}

void TRzFormState::Report(const String& text) {
  TCustomForm* form = Form();
  SystemCalls().MessageBox(form && form->HandleAllocated() ? form->Handle() : nullptr, text, "Error",
                           MB_OK | MB_ICONERROR);
}

bool TRzFormState::Sizeable() const {
  TCustomForm* form = Form();
  return form && (form->BorderStyle() == bsSizeable || form->BorderStyle() == bsSizeToolWin);
}

void TRzFormState::FormCreate(TObject* sender) {
  if (regIniFile_) {
    bool saved = false;
    try {
      saved = regIniFile_->ReadBool(SectionName(), "Saved", false);
    } catch (const Exception& e) {
      Report(e.Message);
    }
    if (saved) Form()->SetPosition(poDesigned);
  } else {
    Report(kNoStoreOnRestore);
  }
  previousOnCreate_(sender);
}

// A store that fails while restoring is reported like one that fails while
// saving: the form still shows, at its designed place.
void TRzFormState::FormShow(TObject* sender) {
  try {
    RestoreState();
  } catch (const Exception& e) {
    Report(e.Message);
  }
  previousOnShow_(sender);
}

void TRzFormState::FormClose(TObject* sender, TCloseAction& action) {
  SaveState();
  previousOnClose_(sender, action);
}

void TRzFormState::RestoreState() {
  TCustomForm* form = Form();
  if (!form) return;
  if (!regIniFile_) return Report(kNoStoreOnRestore);
  const String section = SectionName();
  const int l = regIniFile_->ReadInteger(section, "Left", form->Left());
  const int t = regIniFile_->ReadInteger(section, "Top", form->Top());
  int r = l + form->Width(), b = t + form->Height();
  if (Sizeable()) {
    r = regIniFile_->ReadInteger(section, "Right", l + form->Width());
    b = regIniFile_->ReadInteger(section, "Bottom", t + form->Height());
  }
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  ::GetWindowPlacement(form->Handle(), &placement);
  placement.rcNormalPosition = RECT{l, t, r, b};
  if (!ValidMonitorAtPoint(l, t)) placement.rcNormalPosition = RECT{0, 0, r - l, b - t};
  ::SetWindowPlacement(form->Handle(), &placement);
  if (regIniFile_->ReadBool(section, "Maximized", false)) form->SetWindowState(wsMaximized);
  OnRestoreState(this);
}

void TRzFormState::SaveState() {
  TCustomForm* form = Form();
  if (!form) return;
  if (!regIniFile_) {
    Report(kNoStoreOnSave);
    OnSaveState(this);
    return;
  }
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  ::GetWindowPlacement(form->Handle(), &placement);
  const String section = SectionName();
  try {
    regIniFile_->WriteBool(section, "Maximized", ::IsZoomed(form->Handle()) != 0);
    regIniFile_->WriteInteger(section, "Left", placement.rcNormalPosition.left);
    regIniFile_->WriteInteger(section, "Top", placement.rcNormalPosition.top);
    if (Sizeable()) {
      regIniFile_->WriteInteger(section, "Right", placement.rcNormalPosition.right);
      regIniFile_->WriteInteger(section, "Bottom", placement.rcNormalPosition.bottom);
    }
    regIniFile_->WriteBool(section, "Saved", true);
  } catch (const ERegistryException& e) {
    Report(e.Message);
  } catch (const EIniFileException& e) {
    Report(e.Message);
  }
  OnSaveState(this);
}
