// The font pickers: TspSkinFontComboBox and TspSkinFontListBox list the font
// families of a device (filtered by Options, sorted, TrueType marked "TT",
// each name in its own face); TspSkinFontSizeComboBox lists the sizes of one
// family.
#pragma once

#include "skin/controls/SkinCustomComboBox.h"
#include "skin/controls/SkinCustomListBox.h"
#include "skin/controls/pickers/PickerLists.h"

class TspSkinFontComboBox : public TspSkinCustomComboBox {
public:
  explicit TspSkinFontComboBox(TComponent* owner);

  TspFontDevice Device() const { return device_; }
  void SetDevice(TspFontDevice value);
  TspFontListOptions Options() const { return options_; }
  void SetOptions(TspFontListOptions value);
  bool TrueTypeOnly() const { return (options_ & FontOption(foTrueTypeOnly)) != 0; }
  void SetTrueTypeOnly(bool value);
  bool UseFonts() const { return useFonts_; }
  void SetUseFonts(bool value);
  String FontName() const { return Text(); }
  void SetFontName(const String& value);
  void PopulateList();
  void Reset();

protected:
  void CreateWnd() override;
  void Dispatch(TMessage& message) override;

private:
  void DrawLBFontItem(TCanvas* c, Integer index, Integer w, Integer h, TRect text, TOwnerDrawState state);
  void DrawCBFontItem(TCanvas* c, Integer index, Integer w, Integer h, TRect text, TOwnerDrawState state);

  TspFontDevice device_ = fdScreen;
  TspFontListOptions options_ = 0;
  bool useFonts_ = false;
  bool updating_ = false;
};

class TspSkinFontListBox : public TspSkinListBox {
public:
  explicit TspSkinFontListBox(TComponent* owner);

  TspFontDevice Device() const { return device_; }
  void SetDevice(TspFontDevice value);
  TspFontListOptions Options() const { return options_; }
  void SetOptions(TspFontListOptions value);
  bool TrueTypeOnly() const { return (options_ & FontOption(foTrueTypeOnly)) != 0; }
  void SetTrueTypeOnly(bool value);
  bool UseFonts() const { return useFonts_; }
  void SetUseFonts(bool value);
  String FontName() const;
  void SetFontName(const String& value);
  void PopulateList();
  void Reset();
  void Loaded() override;
  void ListBoxCreateWnd() override;

private:
  void DrawLBFontItem(TCanvas* c, Integer index, Integer w, Integer h, TRect text, TOwnerDrawState state);

  TspFontDevice device_ = fdScreen;
  TspFontListOptions options_ = 0;
  bool useFonts_ = false;
  bool updating_ = false;
};

class TspSkinFontSizeComboBox : public TspSkinCustomComboBox {
public:
  explicit TspSkinFontSizeComboBox(TComponent* owner);
  String FontName() const { return fontName_; }
  void SetFontName(const String& value);
  void Build();
  Integer GetSizeValue();

private:
  String fontName_;
};
