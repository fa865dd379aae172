// Forms: TCustomForm (a top-level window with border, focus keeping, dialog keys,
// modal showing and closing, and the multiple-document frame and child windows),
// TForm and TFrame, and NewForm, which makes a form and reads its definition.
#pragma once

#include <functional>
#include <vector>

#include "platform/controls/BorderStyle.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/ModalResult.h"
#include "platform/controls/ScrollingWinControl.h"

class TIcon;
class TMainMenu;
class TMenuItem;

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum TPosition {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
  poMainFormCenter, poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
// A key message before its control sees it; set the flag to take it.
using TShortCutEvent = TEvent<TMessage&, bool&>;

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

  // ---- multiple documents (CustomFormMDI.cpp) ----
  // An fsMDIForm frame holds the MDI client window, which fills what its aligned
  // controls leave free; fsMDIChild forms live inside the main form's client.
  HWND ClientHandle() const { return clientHandle_; }  // owned by the frame's window
  // The menu item under which window lists are kept (borrowed; forgotten when freed).
  TMenuItem* WindowMenu() const { return windowMenu_; }
  void SetWindowMenu(TMenuItem* item);
  // The frame's children whose windows exist, in the order they were made.
  int MDIChildCount() const { return static_cast<int>(mdiChildren_.size()); }
  TCustomForm* MDIChildren(int index) const { return mdiChildren_.at(index); }
  // The child the MDI client calls active; nullptr on other forms or without children.
  TCustomForm* ActiveMDIChild() const;

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
  void AlignControls(TControl* control, TRect& rect) override;
  void DefaultHandler(TMessage& message) override;
  void DestroyWindowHandle() override;
  void CMVisibleChanged(TMessage& message) override;
  void CMDialogKey(TMessage& message) override;
  virtual void WMActivate(TMessage& message);
  virtual void WMClose(TMessage& message);

private:
  void ApplyPosition();
  void CloseModal();
  TRect FrameAdjustment() const;
  void CreateMDIClient();
  void MDIChildParams(TCreateParams& params);
  void JoinMDIFrame();
  void LeaveMDIFrame();
  void ForgetMDIChildren();

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
  HWND clientHandle_ = nullptr;              // the MDI client, a child of this frame's window
  TMenuItem* windowMenu_ = nullptr;          // borrowed, free notification
  std::vector<TCustomForm*> mdiChildren_;    // borrowed: children whose windows exist
  TCustomForm* mdiFrame_ = nullptr;          // borrowed: the frame this child's window lives in
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
