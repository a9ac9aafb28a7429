// TBits: a growable array of bits.
#pragma once

#include <vector>

#include "System.h"

namespace Bits {

class TBits : public TObject {
  DECLARE_CLASS(TBits, TObject)
 public:
  Integer GetSize() const { return FSize; }
  // Growing adds clear bits; a negative size raises EBitsError.
  void SetSize(Integer Value);
  // Reading outside 0..Size-1 raises EBitsError "Bits index out of range"; setting a bit at or past
  // Size grows the array to hold it (a negative index raises).
  bool GetBits(Integer Index) const;
  void SetBits(Integer Index, bool Value);
  bool operator[](Integer Index) const { return GetBits(Index); }
  // The index of the first clear bit; Size when every bit is set.
  Integer OpenBit() const;

 private:
  [[noreturn]] static void Error();
  std::vector<bool> FBits;
  Integer FSize = 0;
};

}  // namespace Bits

using namespace Bits;
