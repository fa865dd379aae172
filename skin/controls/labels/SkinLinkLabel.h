// TspSkinLinkLabel: a label that looks like a link (underlined, its active colour
// while the pointer is over it) and opens its URL through the shell when clicked.
// TspSkinLinkImage: a picture that does the same.
#pragma once

#include <memory>

#include "platform/stdctrls/Image.h"
#include "platform/stdctrls/Label.h"
#include "skin/controls/labels/LabelLook.h"

class TspSkinLinkLabel : public TCustomLabel {
public:
  explicit TspSkinLinkLabel(TComponent* owner);

  String URL;
  bool UseUnderLine() const { return useUnderLine_; }
  void SetUseUnderLine(bool value);
  bool UseSkinFont = true;
  TColor DefaultActiveFontColor = 0xFF0000;
  TFont* DefaultFont() const { return defaultFont_.get(); }  // owned
  void SetDefaultFont(const TFont* value) { defaultFont_->Assign(value); }
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  String SkinDataName = "stdlabel";
  bool Hot() const { return hot_; }

  void ChangeSkinData();
  void GetSkinData();
  Integer SkinRecordIndex() const { return look_.RecordIndex; }
  void Click() override;

protected:
  void DoDrawText(TRect& rect, UINT flags) override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  bool useUnderLine_ = true;
  std::unique_ptr<TFont> defaultFont_;
  TspSkinData* skinData_ = nullptr;  // borrowed, freed-notified
  TspLabelLook look_;
  bool hot_ = false;
};

class TspSkinLinkImage : public TImage {
public:
  explicit TspSkinLinkImage(TComponent* owner);
  String URL;
  void Click() override;
};

// ShellExecute "open" of a URL without a window; nothing for an empty URL.
void OpenURL(const String& url);
