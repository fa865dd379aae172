// TspSkinTimeEdit: a skinned mask edit holding a time of day as hours,
// minutes and optional seconds and milliseconds; it refuses keystrokes that
// would make an impossible time (24:00:00.000 is the one time past 23:59).
#pragma once

#include "skin/controls/SkinEdit.h"

class TspSkinTimeEdit : public TspSkinMaskEdit {
public:
  explicit TspSkinTimeEdit(TComponent* owner);

  bool ShowSeconds() const { return showSeconds_; }
  void SetShowSeconds(bool value);
  bool ShowMilliseconds() const { return showMilliseconds_; }
  void SetShowMilliseconds(bool value);
  String Time() const { return Text(); }
  void SetTime(const String& value);
  Integer Milliseconds();
  void SetMilliseconds(Integer value);
  void DecodeTime(Integer& h, Integer& m, Integer& s, Integer& ms);
  void EncodeTime(Integer h, Integer m, Integer s, Integer ms);

  static bool IsValidTime(Integer h, Integer m, Integer s, Integer ms);
  static void SetValidTime(Integer& h, Integer& m, Integer& s, Integer& ms);
  static bool IsValidChar(char c) { return c >= '0' && c <= '9'; }
  void ValidateEdit() override {}

protected:
  void KeyPress(char& key) override;

private:
  void ApplyMode();
  String EmptyText() const;
  String Formatted(Integer h, Integer m, Integer s, Integer ms, bool withMs) const;
  // The field at 1-based text positions; false when it is missing or not a number.
  static bool Field(const String& text, size_t from, size_t length, Integer& value);

  bool showSeconds_ = true, showMilliseconds_ = false;
};
