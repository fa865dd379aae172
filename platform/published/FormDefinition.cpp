#include "platform/published/FormDefinition.h"

#include "platform/core/SysUtils.h"
#include "platform/core/WinApi.h"
#include "platform/published/CorePublished.h"
#include "platform/published/Reader.h"
#include "platform/published/Writer.h"

namespace {

HMODULE ModuleOrProgram(void* module) {
  return module ? static_cast<HMODULE>(module) : ::GetModuleHandleA(nullptr);
}

// The bytes of an RCDATA resource; false when the module has none of that name.
bool ReadRcData(HMODULE module, const String& name, String& bytes) {
  HRSRC found = ::FindResourceA(module, UpperCase(name).c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) return false;
  HGLOBAL loaded = ::LoadResource(module, found);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data) return false;
  bytes.assign(static_cast<const char*>(data), ::SizeofResource(module, found));
  return true;
}

}  // namespace

bool TResourceFiles::Read(const String& fileName, String& bytes) const {
  return IsPlainFileName(fileName) && ReadRcData(ModuleOrProgram(module_), fileName, bytes);
}

bool FindFormDefinition(const String& className, String& text, void* module) {
  return IsValidIdent(className) && ReadRcData(ModuleOrProgram(module), className, text);
}

void ReadFormDefinition(TComponent* root, const TFormBindings& bindings, void* module) {
  String className = root->ClassName();
  String text;
  if (!FindFormDefinition(className, text, module)) throw EResNotFound("Resource " + className + " not found");
  PublishCoreClasses();
  TResourceFiles files(module);
  TReader reader(root, bindings, files, className);
  reader.ReadRoot(ParseFormText(text, className));
  AddGlobalRoot(root);
}

void ReadComponentText(TComponent* root, const String& text, const TFormBindings& bindings,
                       const TDefinitionFiles& files) {
  PublishCoreClasses();
  String source = root->ClassName();
  TReader reader(root, bindings, files, source);
  reader.ReadRoot(ParseFormText(text, source));
  AddGlobalRoot(root);
}

String WriteComponentText(TComponent* root, const TFormBindings& bindings) {
  PublishCoreClasses();
  TWriter writer(root, bindings);
  return PrintFormText(writer.WriteRoot());
}
