// The common dialogs: file open and save, the colour dialog and the shell's
// folder browser. Each shows through the replaceable system-call hooks
// (SystemCalls), so tests answer them instead of a user.
#pragma once

#include <memory>

#include "platform/core/Component.h"
#include "platform/core/Strings.h"
#include "platform/graphics/Colors.h"

enum TOpenOption : unsigned {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofShowHelp,
  ofNoValidate,
  ofAllowMultiSelect,
  ofExtensionDifferent,
  ofPathMustExist,
  ofFileMustExist,
  ofCreatePrompt,
  ofShareAware,
  ofNoReadOnlyReturn,
  ofNoTestFileCreate,
  ofNoNetworkButton,
  ofNoLongNames,
  ofOldStyleDialog,
  ofNoDereferenceLinks,
  ofEnableIncludeNotify,
  ofEnableSizing,
  ofDontAddToRecent,
  ofForceShowHidden,
  ofOptionCount
};
// A set of TOpenOption: bit (1 << option).
using TOpenOptions = unsigned;
constexpr TOpenOptions OpenOption(TOpenOption option) { return 1u << option; }

class TOpenDialog : public TComponent {
public:
  explicit TOpenDialog(TComponent* owner);

  // Pairs of description and pattern, all separated by "|":
  // "Text|*.txt|All|*.*"; a pattern may list several: "*.vob;*.vro".
  String Filter;
  int FilterIndex = 1;  // 1-based, as the dialog counts; updated by Execute
  String DefaultExt;
  String InitialDir;
  String FileName;  // preset before, the (first) chosen file after Execute
  String Title;     // empty: the system's own title
  TOpenOptions Options = OpenOption(ofHideReadOnly) | OpenOption(ofEnableSizing);
  bool HasOption(TOpenOption option) const { return (Options & OpenOption(option)) != 0; }

  // The chosen files as full paths, in the dialog's order (one without
  // ofAllowMultiSelect); empty after a cancelled Execute.
  TStrings* Files() const { return files_.get(); }

  // Shows the dialog; true when the user chose. EInvalidOperation when more
  // files were chosen than the dialog could hand over.
  virtual bool Execute();

  // The filter as the system takes it: zero after each part, a second zero at the end.
  static String NativeFilter(const String& filter);

protected:
  // Shows the dialog through its hook (the open dialog's here).
  virtual bool Show(void* request);

private:
  std::unique_ptr<TStringList> files_;  // owned
};

class TSaveDialog : public TOpenDialog {
public:
  explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}

protected:
  bool Show(void* request) override;
};

enum TColorDialogOption : unsigned { cdFullOpen, cdPreventFullOpen, cdShowHelp, cdSolidColor, cdAnyColor, cdOptionCount };
using TColorDialogOptions = unsigned;  // bit (1 << option)
constexpr TColorDialogOptions ColorDialogOption(TColorDialogOption option) { return 1u << option; }

class TColorDialog : public TComponent {
public:
  explicit TColorDialog(TComponent* owner);

  TColor Color = clBlack;
  // Up to sixteen user colours as "ColorA=FFFFFF" ... "ColorP=FFFFFF", each the
  // six hexadecimal digits of a colour value 0x00BBGGRR; a missing entry is white.
  // After Execute the list holds all sixteen. A value that is no hexadecimal
  // number raises EConvertError before the dialog shows.
  TStrings* CustomColors() const { return customColors_.get(); }
  TColorDialogOptions Options = 0;

  bool Execute();

private:
  std::unique_ptr<TStringList> customColors_;  // owned
};

// The shell's folder browser with `caption` above the tree and no preset folder:
// the chosen folder, or empty when cancelled or when the choice is no folder of
// the file system. A drive root comes with its backslash ("D:\"), other folders
// without one.
String SelectDirectory(const String& caption);
