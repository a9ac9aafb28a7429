#include "Bits.h"

#include "Exceptions.h"
#include "SysConst.h"

namespace Bits {

IMPLEMENT_CLASS(TBits)

void TBits::Error() { throw EBitsError(SysConst::SBitsIndexError); }

void TBits::SetSize(Integer Value) {
  if (Value < 0) Error();
  // Shrinking drops the bits past the end, so growing again brings back clear ones.
  FBits.resize(static_cast<size_t>(Value), false);
  FSize = Value;
}

bool TBits::GetBits(Integer Index) const {
  if (Index < 0 || Index >= FSize) Error();
  return FBits[static_cast<size_t>(Index)];
}

void TBits::SetBits(Integer Index, bool Value) {
  if (Index < 0 || Index == MaxInt) Error();
  if (Index >= FSize) SetSize(Index + 1);
  FBits[static_cast<size_t>(Index)] = Value;
}

Integer TBits::OpenBit() const {
  for (Integer i = 0; i < FSize; ++i)
    if (!FBits[static_cast<size_t>(i)]) return i;
  return FSize;
}

}  // namespace Bits
