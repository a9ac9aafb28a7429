// The exception classes of the runtime and class library. Exceptions are thrown by value and caught
// by reference; every exception class of the system derives from Exception.
#pragma once

#include <exception>

#include "System.h"

namespace Exceptions {

class Exception : public std::exception {
 public:
  Exception() = default;
  explicit Exception(String message) : FMessage(std::move(message)) {}
  const String& Message() const { return FMessage; }
  void SetMessage(String message) { FMessage = std::move(message); }
  Integer HelpContext() const { return FHelpContext; }
  void SetHelpContext(Integer value) { FHelpContext = value; }
  const char* what() const noexcept override { return FMessage.c_str(); }
  virtual const char* ClassName() const { return "Exception"; }

 private:
  String FMessage;
  Integer FHelpContext = 0;
};

}  // namespace Exceptions

// Declares an exception class with its base's constructors and its own class name.
#define DECLARE_EXCEPTION(E, Base)                                \
  class E : public Base {                                         \
   public:                                                        \
    using Base::Base;                                             \
    const char* ClassName() const override { return #E; }        \
  };

namespace Exceptions {

DECLARE_EXCEPTION(EAbort, Exception)  // the silent exception: the message loop shows nothing for it
DECLARE_EXCEPTION(EHeapException, Exception)
DECLARE_EXCEPTION(EOutOfMemory, EHeapException)
DECLARE_EXCEPTION(EInOutError, Exception)
DECLARE_EXCEPTION(EExternal, Exception)
DECLARE_EXCEPTION(EIntError, EExternal)
DECLARE_EXCEPTION(EDivByZero, EIntError)
DECLARE_EXCEPTION(ERangeError, EIntError)
DECLARE_EXCEPTION(EIntOverflow, EIntError)
DECLARE_EXCEPTION(EMathError, EExternal)
DECLARE_EXCEPTION(EInvalidOp, EMathError)
DECLARE_EXCEPTION(EZeroDivide, EMathError)
DECLARE_EXCEPTION(EOverflow, EMathError)
DECLARE_EXCEPTION(EUnderflow, EMathError)
DECLARE_EXCEPTION(EInvalidPointer, EHeapException)
DECLARE_EXCEPTION(EInvalidCast, Exception)
DECLARE_EXCEPTION(EConvertError, Exception)
DECLARE_EXCEPTION(EAccessViolation, EExternal)
DECLARE_EXCEPTION(EAssertionFailed, Exception)
DECLARE_EXCEPTION(EAbstractError, Exception)
DECLARE_EXCEPTION(EIntfCastError, Exception)
DECLARE_EXCEPTION(EVariantError, Exception)
DECLARE_EXCEPTION(EVariantTypeCastError, EVariantError)
DECLARE_EXCEPTION(EVariantOverflowError, EVariantError)
DECLARE_EXCEPTION(EVariantInvalidArgError, EVariantError)
DECLARE_EXCEPTION(EVariantBadIndexError, EVariantError)
DECLARE_EXCEPTION(EVariantArrayBoundsError, EVariantError)
DECLARE_EXCEPTION(EOSError, Exception)
DECLARE_EXCEPTION(EPropertyError, Exception)
DECLARE_EXCEPTION(EPropertyConvertError, Exception)
DECLARE_EXCEPTION(EStreamError, Exception)
DECLARE_EXCEPTION(EFCreateError, EStreamError)
DECLARE_EXCEPTION(EFOpenError, EStreamError)
DECLARE_EXCEPTION(EFilerError, EStreamError)
DECLARE_EXCEPTION(EReadError, EFilerError)
DECLARE_EXCEPTION(EWriteError, EFilerError)
DECLARE_EXCEPTION(EClassNotFound, EFilerError)
DECLARE_EXCEPTION(EMethodNotFound, EFilerError)
DECLARE_EXCEPTION(EInvalidImage, EFilerError)
DECLARE_EXCEPTION(EResNotFound, Exception)
DECLARE_EXCEPTION(EListError, Exception)
DECLARE_EXCEPTION(EBitsError, Exception)
DECLARE_EXCEPTION(EStringListError, Exception)
DECLARE_EXCEPTION(EComponentError, Exception)
DECLARE_EXCEPTION(EParserError, Exception)
DECLARE_EXCEPTION(EOutOfResources, Exception)
DECLARE_EXCEPTION(EInvalidOperation, Exception)
DECLARE_EXCEPTION(EAssignError, EConvertError)  // "Cannot assign a %s to a %s"
DECLARE_EXCEPTION(EIniFileException, Exception)
DECLARE_EXCEPTION(ERegistryException, Exception)
DECLARE_EXCEPTION(EThread, Exception)

// Raises the silent EAbort.
[[noreturn]] void Abort();
// Raises EAssertionFailed, naming the message and where it failed, when the condition is false.
// (The caller's place comes from the compiler's builtins, which every supported compiler offers.)
void Assert(bool condition, const String& message = String(), const char* file = __builtin_FILE(),
            int line = __builtin_LINE());

// Raises a system error (EOSError) with the message of the last error code set by a platform call.
[[noreturn]] void RaiseLastOSError();

}  // namespace Exceptions

using namespace Exceptions;
