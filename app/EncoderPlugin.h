// The audio encoder plug-in loader: one module loaded for one output file, its
// three entries forwarded; and MyID3TagImp, the tag record handed to the module
// when the file begins.
#pragma once

#include <cstdint>

#include "engines/EncoderCommon/EncoderPluginInterface.h"
#include "platform/core/System.h"

class MyID3TagImp : public MyID3Tag {
public:
  MyID3TagImp() = default;
  const char* GetText1() override { return texts_[0].c_str(); }
  void SetText1(const char* text) override { Set(0, text); }
  const char* GetText2() override { return texts_[1].c_str(); }
  void SetText2(const char* text) override { Set(1, text); }
  const char* GetText3() override { return texts_[2].c_str(); }
  void SetText3(const char* text) override { Set(2, text); }
  const char* GetText4() override { return texts_[3].c_str(); }
  void SetText4(const char* text) override { Set(3, text); }
  const char* GetText5() override { return texts_[4].c_str(); }
  void SetText5(const char* text) override { Set(4, text); }
  std::int32_t GetNumber() override { return number_; }
  void SetNumber(std::int32_t number) override { number_ = number; }
  const char* GetText6() override { return texts_[5].c_str(); }
  void SetText6(const char* text) override { Set(5, text); }
  const char* GetText7() override { return texts_[6].c_str(); }
  void SetText7(const char* text) override { Set(6, text); }
  const char* GetText8() override { return texts_[7].c_str(); }
  void SetText8(const char* text) override { Set(7, text); }
  const char* GetText9() override { return texts_[8].c_str(); }
  void SetText9(const char* text) override { Set(8, text); }

private:
  void Set(int index, const char* text) { texts_[index] = text ? text : ""; }

  String texts_[9];  // text 1 to text 9, owned
  std::int32_t number_ = 0;
};

class EncoderPlugin {
public:
  // Loads the module and asks it for its entry table; a module that cannot be
  // loaded, or has no GetEncoderModule, leaves the plug-in without a table.
  explicit EncoderPlugin(const String& modulePath);
  ~EncoderPlugin();
  EncoderPlugin(const EncoderPlugin&) = delete;
  EncoderPlugin& operator=(const EncoderPlugin&) = delete;

  // Negative: failure, also when the module or its table is missing.
  std::int32_t BeginEncoding(const String& outputPath, MyID3Tag* tag, AudioFormatRecord* format,
                             const EncoderParameter* pairs, std::int32_t count);
  std::int32_t EncodeBlock(AudioFormatRecord* format);
  void EndEncoding(std::uint8_t flag);

  bool Loaded() const { return table_ != nullptr; }

private:
  void* module_ = nullptr;                 // owned module handle
  EncoderModuleTable* table_ = nullptr;    // the module's own table; null when unusable
};
