// TRzMRUComboBox: the family's combo box that keeps a history of the texts
// entered into it. A text confirmed with Enter, or left when the focus goes,
// moves to the top; the list is saved to and loaded from a settings store under
// a section and an identifier. Its own context menu edits the text and removes
// the current text from the history.
#pragma once

#include "framed/controls/RzComboBox.h"
#include "framed/settings/RzCommon_RegIniFile.h"
#include "platform/controls/Menus.h"

class TRzMRUComboBox : public TRzCustomComboBox {
public:
  explicit TRzMRUComboBox(TComponent* owner);
  ~TRzMRUComboBox() override;

  const String& RemoveItemCaption() const { return removeItemCaption_; }
  void SetRemoveItemCaption(const String& value);
  bool SelectFirstItemOnLoad = false;
  TRzRegIniFile* MruRegIniFile() const { return mruRegIniFile_; }
  virtual void SetMruRegIniFile(TRzRegIniFile* value);
  String MruPath;
  String MruSection;
  String MruID;
  int MaxHistory = 25;
  TNotifyEvent OnEscapeKeyPressed;
  TNotifyEvent OnEnterKeyPressed;
  TPopupMenu* EmbeddedMenu() const { return embeddedMenu_; }  // owned as a component
  TMenuItem* MenuItem(int index) const { return menuItems_[index]; }
  bool MRULoaded() const { return mruLoaded_; }

  // At most MaxHistory entries are read, whatever the stored count says.
  virtual void LoadMRUData(bool reorder);
  virtual void SaveMRUData();
  virtual void UpdateMRUList();
  void Loaded() override;

protected:
  virtual void CreatePopupMenuItems();
  virtual void InitializePopupMenuItems();
  virtual void AddMenuItemsToPopupMenu();
  virtual void SetupMenuItem(TMenuItem* item, const String& caption, TNotifyEvent onClick);
  virtual void EnterKeyPressed() { OnEnterKeyPressed(this); }
  virtual void EscapeKeyPressed() { OnEscapeKeyPressed(this); }
  void KeyPress(char& key) override;
  void DoExit() override;
  void CreateWnd() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  bool Usable() const;
  // Runs `use` with the store: the one named, or a temporary registry store.
  template <class F>
  void WithStore(F use);
  void MenuPopup(TObject* sender);
  void UndoClick(TObject*);
  void CutClick(TObject*);
  void CopyClick(TObject*);
  void PasteClick(TObject*);
  void DeleteClick(TObject*);
  void SelectAllClick(TObject*);
  void RemoveItemClick(TObject*);
  HWND EditWindow();

  String removeItemCaption_ = "&Remove item from history list";
  TPopupMenu* embeddedMenu_ = nullptr;  // owned as a component
  TMenuItem* menuItems_[10] = {};       // owned by the menu
  TRzRegIniFile* mruRegIniFile_ = nullptr;  // borrowed, with a free notification
  int menuItemCount_ = 0;
  bool mruLoaded_ = false;
};
