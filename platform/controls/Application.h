// TApplication: the message loop, the exception box and hints. `Application` is
// the program's one application.
#pragma once

#include <memory>

#include "platform/controls/CustomForm.h"
#include "platform/controls/HintWindow.h"
#include "platform/core/Exceptions.h"

class TIcon;

using TMessageEvent = TEvent<MSG&, bool&>;
using TExceptionEvent = TEvent<TObject*, const Exception&>;

struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;
  int HintMaxWidth = 0;
  TColor HintColor = clInfoBk;
  TRect CursorRect;
  TPoint CursorPos;
  int ReshowTimeout = 0;
  int HideTimeout = 0;
  String HintStr;
};
using TShowHintEvent = TEvent<String&, bool&, THintInfo&>;
// Makes the application's hint window; HintWindowOf<T> makes one of class T.
using THintWindowClass = THintWindow* (*)(TComponent* owner);
template <class T>
THintWindow* HintWindowOf(TComponent* owner) {
  return new T(owner);
}

class TApplication : public TComponent {
public:
  TApplication();
  ~TApplication() override;

  void Initialize();
  // The title of the application's boxes; the program file's name until set.
  String Title() const;
  void SetTitle(const String& value);
  // The hidden window that owns the forms.
  HWND Handle();

  TCustomForm* MainForm() const { return mainForm_; }
  // Makes a form owned by the application, reads its definition and runs its
  // OnCreate; the first form made becomes the main form.
  template <class F>
  void CreateForm(F*& reference) {
    F* form = new F(this);
    reference = form;
    try {
      form->AfterConstruction();
    } catch (...) {
      reference = nullptr;
      delete form;
      throw;
    }
    if (!mainForm_) mainForm_ = form;
  }
  bool ShowMainForm = true;

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  // Handles the waiting messages and returns.
  void ProcessMessages();
  // Handles one message, waiting for it when none is there.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // A message box over the active form; the caption is the title when empty.
  int MessageBox(const String& text, const String& caption = String(), UINT flags = MB_OK);
  // Call inside a catch block: OnException when set, else the exception box.
  // EAbort is silent.
  void HandleException(TObject* sender);
  // The exception box: the message, the title as caption, the error icon.
  void ShowException(const String& message);

  void Minimize();
  void Restore();
  TIcon* Icon() const { return icon_.get(); }  // owned

  TMessageEvent OnMessage;
  TExceptionEvent OnException;
  TNotifyEvent OnIdle;
  TShowHintEvent OnShowHint;
  THintWindowClass HintWindowClass;
  // Switching ShowHint off and on makes the hint window anew from HintWindowClass.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  TColor HintColor = clInfoBk;
  // Milliseconds the mouse rests on a control before its hint shows (the short
  // pause while another hint shows), and how long a hint stays.
  int HintPause = 500;
  int HintShortPause = 50;
  int HintHidePause = 2500;
  // Shows the hint of `control` now (the hint timer's work), at the cursor.
  void ActivateHint(TControl* control, const TPoint& cursorPos);
  void CancelHint();
  // The mouse moved onto another control (nullptr: none): its hint waits for the pause.
  void HintMouseMoved(TControl* control);
  THintWindow* HintWindow() const { return hintWindow_; }

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TCustomForm;
  bool ProcessMessage(MSG& msg);
  bool IsKeyMsg(MSG& msg);
  void Idle();
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;  // owned
  String title_;
  TCustomForm* mainForm_ = nullptr;  // owned as a component
  bool terminated_ = false;
  bool showHint_ = true;
  THintWindow* hintWindow_ = nullptr;  // owned as a component
  TControl* hintControl_ = nullptr;    // borrowed: the mouse control waiting for its hint
  bool hintShowing_ = false;
  std::unique_ptr<TIcon> icon_;
};

extern TApplication Application;
