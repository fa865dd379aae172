// The base of the audio encoders' setting dialogs: the shared caption and buttons,
// Help, the language lookups of a dialog's own section, and GetEncoderParams, which
// turns the dialog's choices into the plug-in's parameter pairs.
#pragma once

#include <initializer_list>

#include "app/DVDConvertTask.h"
#include "platform/controls/CustomForm.h"

class TButton;
class TControl;
class TCustomComboBox;
class TFormBindings;

class TSettingBaseForm : public TForm {
public:
  explicit TSettingBaseForm(TComponent* owner);

  // Reads the definition, then gives the dialog its border and translated caption.
  void AfterConstruction() override;

  // Zeroes the 100 pairs, writes the dialog's pairs from the first one on and
  // answers their number; the block's count is the caller's to set.
  virtual int GetEncoderParams(EncoderParamBlock& block);

  // The frame every dialog's definition holds (bound by DeclareFrame).
  TButton* btnOK = nullptr;
  TButton* btnCancel = nullptr;
  TButton* btnHelp = nullptr;

protected:
  // One text of the dialog's own section, with its English default.
  struct TextKey {
    TControl* Control;
    const char* Key;
    const char* Default;
  };

  // Binds the three buttons and the Help handler; the dialogs call it from their
  // constructors beside their own bindings.
  TFormBindings& DeclareFrame();
  void btnHelpClick(TObject* sender);

  // The translation of `key` in the dialog's section (`section`).
  String Translate(const char* section, const char* key, const char* defaultText) const;
  // The buttons' texts, then the dialog's own captions, in the order given.
  void ApplyButtonTexts();
  void ApplyCaptions(const char* section, std::initializer_list<TextKey> texts);
  // Clears the list, adds the items in order and selects `selection` (setting the
  // index from code runs no handler).
  static void RefillItems(TCustomComboBox* box, std::initializer_list<String> items, int selection);

  // Writes one pair at `count` and advances it.
  static void Put(EncoderParamBlock& block, int& count, int key, int value);
  // The integer a numeric list shows (0 when it shows none).
  static int ShownNumber(const TCustomComboBox* box);

private:
  const char* section_ = "AUDIOSETTING_FORM";
};
