// TRzCustomColors: the sixteen user-defined colours the colour picker and the
// colour edit offer, one line "ColorA=FFFFFF" each (six hexadecimal digits of
// the value 0x00BBGGRR), loaded and saved through a settings store.
#pragma once

#include <memory>

#include "framed/settings/RzCommon_RegIniFile.h"
#include "platform/core/Strings.h"

class TRzCustomColors : public TComponent {
public:
  explicit TRzCustomColors(TComponent* owner);
  ~TRzCustomColors() override;

  TStrings* Colors() const { return colors_.get(); }  // owned
  // The lines replace the colours, then every value is written in the six-digit form.
  virtual void SetColors(const TStrings* value);
  TRzRegIniFile* RegIniFile() const { return regIniFile_; }
  virtual void SetRegIniFile(TRzRegIniFile* value);

  // Sixteen white colours named ColorA to ColorP.
  virtual void InitColors();
  String GetColorName(int index) const { return colors_->Names(index); }
  // Rewrites every value as six upper-case hexadecimal digits of its low 24 bits.
  // Every value is checked first: one that is not hexadecimal raises
  // EConvertError and the list is left as it was.
  void FixupColors();
  // Takes the stored values of the section's keys. An absent section changes
  // nothing; a stored value that is not hexadecimal is skipped, so its colour
  // keeps its value. Raises without a store.
  void Load(const String& section);
  // Writes every line as a string value, in list order. Raises without a store.
  void Save(const String& section);

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  std::unique_ptr<TStringList> colors_;
  TRzRegIniFile* regIniFile_ = nullptr;  // borrowed, with a free notification
};
