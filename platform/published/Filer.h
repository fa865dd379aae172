// Filers of form definitions: the base of the reader (Reader.h) and the writer
// (Writer.h), and the roots that references between definitions may name. A class adds
// properties that are not published ones in DefineProperties:
//
//   void TRzPanel::DefineProperties(TFiler* filer) {
//     TRzCustomPanel::DefineProperties(filer);
//     filer->DefineProperty("FrameSides", ReadAndDrop(), nullptr, false);  // older versions wrote it
//   }
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/published/FormBindings.h"
#include "platform/published/FormText.h"
#include "platform/published/Published.h"

class TReader;
class TWriter;

class TFiler : public TObject {
public:
  using TReaderProc = std::function<void(TReader&)>;
  using TWriterProc = std::function<void(TWriter&)>;
  using TStreamProc = std::function<void(TStream&)>;

  // A property written with the filer's values (ReadInteger, WriteListBegin, ...);
  // `hasData` false means nothing is written this time.
  virtual void DefineProperty(const String& name, const TReaderProc& readData, const TWriterProc& writeData,
                              bool hasData) = 0;
  // A property of raw bytes.
  virtual void DefineBinaryProperty(const String& name, const TStreamProc& readData, const TStreamProc& writeData,
                                    bool hasData) = 0;

  TComponent* Root() const { return root_; }
  // Definitions do not inherit from other definitions: there is no ancestor.
  TPersistent* Ancestor() const { return nullptr; }

protected:
  explicit TFiler(TComponent* root) : root_(root) {}
  TComponent* root_;  // borrowed
};

// Roots that references of other definitions may name ("ResourceForm.FormSkinData"):
// every root read from a definition joins until it is destroyed; others may be
// added by hand.
void AddGlobalRoot(TComponent* root);
void RemoveGlobalRoot(TComponent* root);
TComponent* FindGlobalRoot(const String& name);  // case-insensitive; nullptr when none

// A property reader that reads one value of any kind and drops it: for the
// properties older versions wrote.
TFiler::TReaderProc ReadAndDrop();
