// TRzFormState: remembers its form's placement between runs. Chained to the
// form's creation, show and close events, it writes the normal-state rectangle
// and the maximized flag to a settings store when the form closes and restores
// them when it shows. Failures are shown in a message box, never thrown: the
// form then keeps its designed placement.
#pragma once

#include "platform/controls/CustomForm.h"
#include "platform/core/Component.h"

class TRzRegIniFile;

class TRzFormState : public TComponent {
public:
  explicit TRzFormState(TComponent* owner) : TComponent(owner) {}
  ~TRzFormState() override;

  String Section;
  TRzRegIniFile* RegIniFile() const { return regIniFile_; }
  virtual void SetRegIniFile(TRzRegIniFile* value);
  TNotifyEvent OnSaveState;
  TNotifyEvent OnRestoreState;

  // The section used: Section, else the form's name (or class) + "FormState".
  String SectionName() const;
  virtual void ChainEvents();
  virtual void UnchainEvents();
  virtual void SaveState();
  virtual void RestoreState();

  void Loaded() override;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TCustomForm* Form() const { return dynamic_cast<TCustomForm*>(Owner()); }
  bool Sizeable() const;
  void FormCreate(TObject* sender);
  void FormShow(TObject* sender);
  void FormClose(TObject* sender, TCloseAction& action);
  void Report(const String& text);

  TRzRegIniFile* regIniFile_ = nullptr;  // borrowed, with a free notification
  TNotifyEvent previousOnCreate_;
  TNotifyEvent previousOnShow_;
  TCloseEvent previousOnClose_;
  bool chained_ = false;
};

// True when a monitor of the screen holds the point.
bool ValidMonitorAtPoint(int x, int y);
