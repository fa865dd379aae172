// The exception classes of the component layer. Every one carries its message
// text in `Message`; an exception that reaches the message loop is shown in a box.
#pragma once

#include <exception>

#include "platform/core/System.h"

class Exception : public std::exception {
public:
  explicit Exception(String message) : Message(std::move(message)) {}
  const char* what() const noexcept override { return Message.c_str(); }
  String ClassName() const;

  String Message;
};

#define VARNEL_EXCEPTION(Name, Base) \
  class Name : public Base {         \
  public:                            \
    using Base::Base;                \
  }

VARNEL_EXCEPTION(EAbort, Exception);
VARNEL_EXCEPTION(EListError, Exception);
VARNEL_EXCEPTION(EStringListError, Exception);
VARNEL_EXCEPTION(EConvertError, Exception);
VARNEL_EXCEPTION(EAbstractError, Exception);
VARNEL_EXCEPTION(EInvalidOperation, Exception);
VARNEL_EXCEPTION(EInvalidCast, Exception);
VARNEL_EXCEPTION(EInvalidPointer, Exception);
VARNEL_EXCEPTION(EOutOfMemory, Exception);
VARNEL_EXCEPTION(EOutOfResources, Exception);
VARNEL_EXCEPTION(EAssertionFailed, Exception);
VARNEL_EXCEPTION(EComponentError, Exception);
VARNEL_EXCEPTION(EClassNotFound, Exception);
VARNEL_EXCEPTION(EOSError, Exception);
VARNEL_EXCEPTION(EResNotFound, Exception);
VARNEL_EXCEPTION(EIniFileException, Exception);
VARNEL_EXCEPTION(EMathError, Exception);
VARNEL_EXCEPTION(EZeroDivide, EMathError);
VARNEL_EXCEPTION(EOverflow, EMathError);
VARNEL_EXCEPTION(EIntOverflow, Exception);
VARNEL_EXCEPTION(ERangeError, Exception);
VARNEL_EXCEPTION(EStreamError, Exception);
VARNEL_EXCEPTION(EFCreateError, EStreamError);
VARNEL_EXCEPTION(EFOpenError, EStreamError);
VARNEL_EXCEPTION(EReadError, EStreamError);
VARNEL_EXCEPTION(EWriteError, EStreamError);
VARNEL_EXCEPTION(EFilerError, EStreamError);
VARNEL_EXCEPTION(EInvalidGraphic, Exception);
VARNEL_EXCEPTION(EInvalidGraphicOperation, Exception);

// Raises EAssertionFailed with the message when the condition is false.
void Assert(bool condition, const String& message = "Assertion failed");

// Raises EAbort, the silent exception that unwinds without a message box.
[[noreturn]] void Abort();
