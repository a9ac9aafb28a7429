// The SHA-256 digest, for checking database passwords without keeping them.
#pragma once

#include "System.h"

namespace Sha256 {

// The 32-byte digest of Data as 64 lower-case hexadecimal digits.
String Sha256Hex(const String& Data);

}  // namespace Sha256

using namespace Sha256;
