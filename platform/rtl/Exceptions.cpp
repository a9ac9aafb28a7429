#include "Exceptions.h"

#include <cerrno>
#include <cstring>

#include "SysConst.h"

namespace Exceptions {

void Abort() { throw EAbort(SysConst::SOperationAborted); }

void Assert(bool condition, const String& message, const char* file, int line) {
  if (condition) return;
  String text = message.empty() ? String(SysConst::SAssertionFailed) : message;
  throw EAssertionFailed(text + " (" + file + ", line " + std::to_string(line) + ")");
}

void RaiseLastOSError() {
  int code = errno;
  if (code == 0) throw EOSError(SysConst::SUnkOSError);
  throw EOSError("System Error.  Code: " + std::to_string(code) + ".\r\n" + std::strerror(code));
}

}  // namespace Exceptions
