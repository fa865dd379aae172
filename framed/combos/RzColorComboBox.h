// TRzColorComboBox: the family's combo box that offers colours: an optional
// "Default" entry, the sixteen standard colours, optionally the twenty-five
// system colours and an optional "Custom" entry that opens the colour dialog.
// Each entry shows a swatch and, optionally, its name; TRzColorNames holds the
// names so a form can rename them. The colour dialog's custom colours can be
// kept in a settings store.
#pragma once

#include <memory>

#include "framed/controls/RzComboBox.h"
#include "framed/settings/RzCommon_RegIniFile.h"
#include "platform/controls/Dialogs.h"

class TRzColorComboBox;

class TRzColorNames : public TPersistent {
public:
  static constexpr int kStdColors = 16;
  static constexpr int kSysColors = 25;

  explicit TRzColorNames(TRzColorComboBox* comboBox = nullptr) : comboBox_(comboBox) {}

  const String& Default() const { return default_; }
  void SetDefault(const String& value);
  const String& Custom() const { return custom_; }
  void SetCustom(const String& value);
  const String& GetStdColor(int index) const { return std_[index]; }
  void SetStdColor(int index, const String& value);
  const String& GetSysColor(int index) const { return sys_[index]; }
  void SetSysColor(int index, const String& value);
  void Link(TRzColorComboBox* comboBox) { comboBox_ = comboBox; }

  // Which entries the combo box's list has (copied from its settings).
  bool ShowSysColors = true;
  bool ShowDefaultColor = true;
  bool ShowCustomColor = true;

  void Assign(const TPersistent* source) override;

private:
  void Rename(int item, const String& text);

  TRzColorComboBox* comboBox_;  // borrowed; none for a free-standing copy
  String default_, custom_;
  String std_[kStdColors];
  String sys_[kSysColors];
};

class TRzColorComboBox : public TRzCustomComboBox {
public:
  explicit TRzColorComboBox(TComponent* owner);
  ~TRzColorComboBox() override;

  TColor DefaultColor() const { return defaultColor_; }
  virtual void SetDefaultColor(TColor value);
  TColor CustomColor() const { return customColor_; }
  virtual void SetCustomColor(TColor value);
  TRzColorNames* ColorNames() const { return colorNames_.get(); }  // owned
  virtual void SetColorNames(const TRzColorNames* value) { colorNames_->Assign(value); }
  bool ShowSysColors() const { return showSysColors_; }
  virtual void SetShowSysColors(bool value);
  bool ShowDefaultColor() const { return showDefaultColor_; }
  virtual void SetShowDefaultColor(bool value);
  bool ShowCustomColor() const { return showCustomColor_; }
  virtual void SetShowCustomColor(bool value);
  bool ShowColorNames() const { return showColorNames_; }
  virtual void SetShowColorNames(bool value);
  TColorDialogOptions ColorDlgOptions = ColorDialogOption(cdFullOpen);
  // Lines name=value, as the colour dialog keeps its custom colours.
  TStrings* CustomColors() const { return customColors_.get(); }  // owned
  virtual void SetCustomColors(const TStrings* value);
  TRzRegIniFile* RegIniFile() const { return regIniFile_; }
  virtual void SetRegIniFile(TRzRegIniFile* value);
  // DefaultColor when nothing is selected.
  virtual TColor GetSelectedColor() const;
  // The first entry of that colour; else the "Custom" entry takes it; without
  // one, nothing is selected.
  virtual void SetSelectedColor(TColor value);
  virtual TColor GetColorFromItem(int index) const;
  // Rewrites every value as six hexadecimal digits; a value that is no
  // hexadecimal number raises EConvertError before anything is rewritten.
  virtual void FixupCustomColors();
  // Reads the section's name=value pairs (lines whose value is no colour are skipped).
  void LoadCustomColors(const String& section);
  void SaveCustomColors(const String& section);
  String GetCustomColorName(int index) const { return customColors_->Names(index); }
  bool DialogCancelled() const { return dialogCancelled_; }
  void Loaded() override;
  void SetFrameVisible(bool value) override;

protected:
  friend class TRzColorNames;
  virtual void InitColorNames();
  bool HasItem(int item) const { return item >= 0 && item < Items()->Count(); }
  int StdItem(int index) const { return index + (showDefaultColor_ ? 1 : 0); }
  int SysItem(int index) const { return TRzColorNames::kStdColors + index + (showDefaultColor_ ? 1 : 0); }
  void MarkNamesChanged() { namesChanged_ = true; }

  void CreateWnd() override;
  void DestroyWnd() override;
  void Notification(TComponent* component, TOperation operation) override;
  void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;
  void CNCommand(TMessage& message) override;
  void CloseUp() override;
  void CMFontChanged(TMessage& message) override;

private:
  void BuildList();
  void PutItemColor(int item, TColor color);

  bool dialogCancelled_ = false;
  TColor defaultColor_ = clBlack;
  TColor customColor_ = clBlack;
  std::unique_ptr<TRzColorNames> colorNames_;       // owned
  std::unique_ptr<TRzColorNames> savedColorNames_;  // owned while the window is re-created
  bool showSysColors_ = true, showColorNames_ = true, showDefaultColor_ = true, showCustomColor_ = true;
  std::unique_ptr<TStringList> customColors_;  // owned
  bool namesChanged_ = false;
  TRzRegIniFile* regIniFile_ = nullptr;  // borrowed, with a free notification
};
