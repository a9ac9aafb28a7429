// Arithmetic helpers of the runtime library: MulDiv, rounding and truncation, the seedable random
// generator, minimum and maximum, and the 10-byte extended-precision float codec used by streams.
#pragma once

#include <type_traits>

#include "System.h"

namespace RtlMath {

// Number * Numerator / Denominator through a 64-bit intermediate, rounded half away from zero;
// -1 for a zero denominator or a result outside the Integer range.
Integer MulDiv(Integer Number, Integer Numerator, Integer Denominator);

// Halves to even ("banker's rounding"). Round and Trunc raise EInvalidOp for NaN, an infinity or a
// value outside the Int64 range.
Int64 RoundLarge(Extended X);  // Round beyond the magnitudes Round handles in line
inline Int64 Round(Extended X) {
  // Below 2^51 the sum with 1.5 * 2^52 has no fraction bits left, so adding it and taking it away
  // rounds to the nearest integer, halves to even (the rounding mode the program keeps), in line.
  if (X < 0x1p51 && X > -0x1p51) return static_cast<Int64>((X + 0x1.8p52) - 0x1.8p52);
  return RoundLarge(X);
}
Int64 Trunc(Extended X);
Extended Int(Extended X);   // the integer part, as a float
Extended Frac(Extended X);  // X - Int(X), with X's sign
Integer Ceil(Extended X);   // the least integer >= X
Integer Floor(Extended X);  // the greatest integer <= X
Extended Power(Extended Base, Extended Exponent);

// The program's random generator: a linear congruential sequence of RandSeed, so that a test that
// sets RandSeed sees the same numbers every time.
extern Integer RandSeed;
void Randomize();                // seeds from the clock
Integer Random(Integer Range);   // 0 <= result < Range (0 when Range <= 0)
Extended Random();               // 0 <= result < 1

template <class A, class B>
constexpr std::common_type_t<A, B> Min(A a, B b) {
  using T = std::common_type_t<A, B>;
  return static_cast<T>(b) < static_cast<T>(a) ? static_cast<T>(b) : static_cast<T>(a);
}
template <class A, class B>
constexpr std::common_type_t<A, B> Max(A a, B b) {
  using T = std::common_type_t<A, B>;
  return static_cast<T>(a) < static_cast<T>(b) ? static_cast<T>(b) : static_cast<T>(a);
}

// The 80-bit extended format: 64-bit significand with its integer bit, 15-bit exponent (bias 16383)
// and sign, 10 bytes little-endian. Reading rounds to the nearest double (overflow gives an infinity,
// underflow zero); infinities, NaNs and signed zeros survive both ways.
void ExtendedToBytes(Extended Value, Byte (&Bytes)[10]);
Extended BytesToExtended(const Byte (&Bytes)[10]);

}  // namespace RtlMath

using namespace RtlMath;
