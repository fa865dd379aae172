#include "platform/published/FormBindings.h"

#include "platform/core/SysUtils.h"
#include "platform/io/Streams.h"

TFormBindings& TFormBindings::Handler(const String& name, const TMethodValue& handler) {
  for (THandlerBinding& known : handlers_)
    if (SameText(known.Name, name)) {
      known.Handler = handler;
      return *this;
    }
  handlers_.push_back({name, handler});
  return *this;
}

const TMethodValue* TFormBindings::FindHandler(const String& name) const {
  for (const THandlerBinding& known : handlers_)
    if (SameText(known.Name, name)) return &known.Handler;
  return nullptr;
}

String TFormBindings::HandlerName(const TMethodValue& event) const {
  for (const THandlerBinding& known : handlers_)
    if (known.Handler.SameAs(event)) return known.Name;
  return String();
}

bool IsPlainFileName(const String& fileName) {
  if (fileName.empty() || fileName == "." || fileName == "..") return false;
  return fileName.find_first_of("\\/:") == String::npos;
}

bool TFolderFiles::Read(const String& fileName, String& bytes) const {
  if (!IsPlainFileName(fileName)) return false;
  String folder = folder_;
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return ReadFileToString(folder + fileName, bytes);
}
