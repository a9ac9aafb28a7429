#include "Closures.h"

#include "Exceptions.h"

namespace Closures {

void RaiseMethodSignatureMismatch() { throw EInvalidCast("Method signature does not match the event type"); }

}  // namespace Closures
