// Forms and the application: TCustomForm (a top-level window with border, focus
// keeping, dialog keys, modal showing and closing), TForm, TFrame, the hint window
// base, TScreen (forms, cursors, work area) and TApplication (message loop,
// exception box, hints). `Application` and `Screen` are the program's one of each.
#pragma once

#include <functional>
#include <map>

#include "platform/controls/Controls.h"

class TIcon;
class TMainMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
  poMainFormCenter, poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;
constexpr TModalResult mrAll = mrNo + 1;
constexpr TModalResult mrNoToAll = mrAll + 1;
constexpr TModalResult mrYesToAll = mrNoToAll + 1;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
// A key message before its control sees it; set the flag to take it.
using TShortCutEvent = TEvent<TMessage&, bool&>;

// A windowed control that may scroll its contents; the program's forms keep
// AutoScroll off, so only the flag is kept.
class TScrollingWinControl : public TWinControl {
public:
  using TWinControl::TWinControl;
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value) { autoScroll_ = value; }

private:
  bool autoScroll_ = false;
};

class TCustomForm : public TScrollingWinControl {
public:
  // First phase: the C++ object. The form's definition is read and OnCreate runs
  // in AfterConstruction, which Application.CreateForm and NewForm call.
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  // Second phase: reads the definition (through FormDefinitionLoader) and runs
  // OnCreate. Called once.
  virtual void AfterConstruction();
  // Runs OnDestroy, once; deleting a form calls it when nobody did before.
  virtual void BeforeDestruction();

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle value);
  TWindowState WindowState() const;
  void SetWindowState(TWindowState value);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }
  TIcon* Icon() const { return icon_.get(); }  // owned
  TCanvas* Canvas() const { return canvas_.get(); }  // owned
  // The menu bar shown in the form's window (borrowed; forgotten when freed).
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);

  TRect ClientRect() const override;

  // The control that has (or gets, when the form is shown) the focus.
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // True while the form is the active window.
  bool Active() const { return active_; }
  // Gives the control the focus when the form can show it, else remembers it.
  void FocusControl(TWinControl* control);
  // Takes the focus from `control` (and its children); with `removing` the form
  // forgets it as its active control.
  void DefocusControl(TWinControl* control, bool removing);
  // Called when a control of the form got the focus: CM_EXIT and CM_ENTER along
  // the way, then CM_FOCUSCHANGED to every control.
  bool SetFocusedControl(TWinControl* control);
  // Tells the active control that the mouse went down on `sender` (CM_CANCELMODE).
  void SendCancelMode(TControl* sender);
  // A control leaves the form: nothing may keep pointing at it.
  void ControlRemoved(TControl* control);

  void Show();
  void Hide() { SetVisible(false); }
  // Asks OnCloseQuery and OnClose; hides, minimizes or releases the form as the
  // close action says. The main form's close ends the application.
  void Close();
  virtual bool CloseQuery();
  // Frees the form after the message that runs this call has been handled.
  void Release();
  // Shows the form and runs messages until ModalResult is set; answers it.
  virtual int ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  bool Modal() const { return modal_; }

  // Whether a key message is a shortcut of the form: OnShortCut, then the menu
  // bar's items, then the actions of the form's action lists (one runs).
  virtual bool IsShortCut(TMessage& message);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TShortCutEvent OnShortCut;

protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  void Dispatch(TMessage& message) override;
  void PaintWindow(HDC dc) override;
  virtual void Paint() { OnPaint(this); }
  virtual void DoCreate() { OnCreate(this); }
  virtual void DoDestroy() { OnDestroy(this); }
  virtual void DoShow() { OnShow(this); }
  virtual void DoHide() { OnHide(this); }
  virtual void DoClose(TCloseAction& action) { OnClose(this, action); }
  void SetClientSize(int width, int height) override;
  void CMVisibleChanged(TMessage& message) override;
  void CMDialogKey(TMessage& message) override;
  virtual void WMActivate(TMessage& message);
  virtual void WMClose(TMessage& message);

private:
  void ApplyPosition();
  void CloseModal();
  TRect FrameAdjustment() const;

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = poDesigned;
  TFormStyle formStyle_ = fsNormal;
  TWindowState windowState_ = wsNormal;
  bool keyPreview_ = false;
  std::unique_ptr<TIcon> icon_;
  std::unique_ptr<TControlCanvas> canvas_;
  TMainMenu* menu_ = nullptr;              // borrowed, free notification
  TWinControl* activeControl_ = nullptr;   // borrowed: a control of this form
  TWinControl* focusedControl_ = nullptr;  // borrowed: a control of this form
  bool active_ = false;
  bool modal_ = false;
  bool created_ = false;
  bool destroyed_ = false;
  bool positioned_ = false;
  TModalResult modalResult_ = mrNone;
};

class TForm : public TCustomForm {
public:
  using TCustomForm::TCustomForm;
};

// A group of controls designed once and placed on forms; a windowed container
// without a frame of its own.
class TFrame : public TScrollingWinControl {
public:
  explicit TFrame(TComponent* owner);
};

// The small window that shows a hint; Application.HintWindowClass makes it.
class THintWindow : public TCustomControl {
public:
  explicit THintWindow(TComponent* owner);
  // The rectangle (screen coordinates, origin 0, 0) the hint text needs.
  virtual TRect CalcHintRect(int maxWidth, const String& hint);
  // Shows the hint at `rect` (screen coordinates).
  virtual void ActivateHint(const TRect& rect, const String& hint);
  void ReleaseHandle() { DestroyHandle(); }

protected:
  void CreateParams(TCreateParams& params) override;
  void Paint() override;
};

// Form helpers: the form made and its definition read, OnCreate run.
using TFormLoader = std::function<void(TCustomForm* form)>;
// Set by the form-definition reader: reads a form's definition into it.
extern TFormLoader FormDefinitionLoader;

template <class F>
F* NewForm(TComponent* owner) {
  F* form = new F(owner);
  try {
    form->AfterConstruction();
  } catch (...) {
    delete form;
    throw;
  }
  return form;
}

// ---- the screen ----

class TScreen : public TComponent {
public:
  TScreen();
  ~TScreen() override;

  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(index); }
  bool HasForm(const TCustomForm* form) const;
  // The active form of the application (nullptr when another program is active).
  TCustomForm* ActiveForm() const { return activeForm_; }
  TCustomForm* ActiveCustomForm() const { return activeForm_; }
  TWinControl* ActiveControl() const { return activeForm_ ? activeForm_->ActiveControl() : nullptr; }

  // The cursor of the whole application; crDefault lets each control show its own.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);
  // The cursor of a number: the standard ones (negative) and the ones added
  // (positive); an unknown number gives the arrow.
  HCURSOR Cursors(int index) const;
  // Adds or replaces a cursor (owned from now on; replaced ones are destroyed).
  void SetCursors(int index, HCURSOR cursor);

  int Width() const { return ::GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return ::GetSystemMetrics(SM_CYSCREEN); }
  TRect WorkAreaRect() const;
  int WorkAreaLeft() const { return WorkAreaRect().Left; }
  int WorkAreaTop() const { return WorkAreaRect().Top; }
  int WorkAreaWidth() const { return WorkAreaRect().Width(); }
  int WorkAreaHeight() const { return WorkAreaRect().Height(); }
  int PixelsPerInch() const { return ScreenPixelsPerInch(); }

  TNotifyEvent OnActiveFormChange;

private:
  friend class TCustomForm;
  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  void SetActiveForm(TCustomForm* form);

  std::vector<TCustomForm*> forms_;  // borrowed: every form registers itself
  TCustomForm* activeForm_ = nullptr;
  TCursor cursor_ = crDefault;
  std::map<int, HCURSOR> custom_;  // owned
};

// ---- the application ----

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
extern TScreen Screen;
