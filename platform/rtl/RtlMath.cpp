#include "RtlMath.h"

#include <chrono>
#include <cmath>
#include <cstring>

#include "Exceptions.h"

namespace RtlMath {

namespace {
constexpr const char* SInvalidOp = "Invalid floating point operation";

void CheckInt64Range(Extended x) {
  // 2^63 is the first value out of range; -2^63 itself is in range.
  if (!std::isfinite(x) || x >= 9223372036854775808.0 || x < -9223372036854775808.0) throw EInvalidOp(SInvalidOp);
}
}  // namespace

Integer MulDiv(Integer Number, Integer Numerator, Integer Denominator) {
  if (Denominator == 0) return -1;
  Int64 p = static_cast<Int64>(Number) * Numerator;
  Int64 q = p / Denominator, r = p % Denominator;
  // Half away from zero: compare twice the remainder with the divisor, both as magnitudes.
  if (2 * (r < 0 ? -r : r) >= (Denominator < 0 ? -static_cast<Int64>(Denominator) : Denominator))
    q += ((p < 0) != (Denominator < 0)) ? -1 : 1;
  if (q > INT32_MAX || q < INT32_MIN) return -1;
  return static_cast<Integer>(q);
}

Int64 RoundLarge(Extended X) {
  CheckInt64Range(std::nearbyint(X));
  // nearbyint follows the current rounding mode, which the program leaves at round-half-even.
  return static_cast<Int64>(std::nearbyint(X));
}

Int64 Trunc(Extended X) {
  CheckInt64Range(std::trunc(X));
  return static_cast<Int64>(std::trunc(X));
}

Extended Int(Extended X) { return std::trunc(X); }
Extended Frac(Extended X) { return X - std::trunc(X); }

Integer Ceil(Extended X) {
  Extended c = std::ceil(X);
  if (!(c >= INT32_MIN && c <= INT32_MAX)) throw EInvalidOp(SInvalidOp);
  return static_cast<Integer>(c);
}

Integer Floor(Extended X) {
  Extended f = std::floor(X);
  if (!(f >= INT32_MIN && f <= INT32_MAX)) throw EInvalidOp(SInvalidOp);
  return static_cast<Integer>(f);
}

Extended Power(Extended Base, Extended Exponent) { return std::pow(Base, Exponent); }

// ---- Random numbers -------------------------------------------------------------------------------
Integer RandSeed = 0;

namespace {
uint32_t NextSeed() {
  uint32_t s = static_cast<uint32_t>(RandSeed) * 0x08088405u + 1u;
  RandSeed = static_cast<Integer>(s);
  return s;
}
}  // namespace

void Randomize() {
  auto now = std::chrono::steady_clock::now().time_since_epoch().count() ^
             std::chrono::system_clock::now().time_since_epoch().count();
  RandSeed = static_cast<Integer>(static_cast<uint64_t>(now) ^ (static_cast<uint64_t>(now) >> 32));
}

Integer Random(Integer Range) {
  uint32_t s = NextSeed();
  if (Range <= 0) return 0;
  return static_cast<Integer>((static_cast<uint64_t>(s) * static_cast<uint32_t>(Range)) >> 32);
}

Extended Random() { return static_cast<Extended>(NextSeed()) / 4294967296.0; }

// ---- Extended precision codec ---------------------------------------------------------------------
void ExtendedToBytes(Extended Value, Byte (&Bytes)[10]) {
  uint64_t bits;
  std::memcpy(&bits, &Value, sizeof bits);
  uint16_t sign = static_cast<uint16_t>((bits >> 63) << 15);
  int exp = static_cast<int>((bits >> 52) & 0x7FF);
  uint64_t frac = bits & ((uint64_t{1} << 52) - 1);
  uint64_t mant = 0;
  uint16_t e = 0;
  if (exp == 0x7FF) {
    e = 0x7FFF;
    mant = (uint64_t{1} << 63) | (frac << 11);
    if (frac) mant |= uint64_t{1} << 62;  // keep it a quiet NaN
  } else if (exp == 0) {
    if (frac) {  // subnormal double: normalise into the wider exponent range
      int shift = __builtin_clzll(frac);
      mant = frac << shift;
      e = static_cast<uint16_t>(16383 - 1022 - (shift - 11));
    }
  } else {
    mant = (uint64_t{1} << 63) | (frac << 11);
    e = static_cast<uint16_t>(exp - 1023 + 16383);
  }
  for (int i = 0; i < 8; ++i) Bytes[i] = static_cast<Byte>(mant >> (8 * i));
  uint16_t se = sign | e;
  Bytes[8] = static_cast<Byte>(se & 0xFF);
  Bytes[9] = static_cast<Byte>(se >> 8);
}

Extended BytesToExtended(const Byte (&Bytes)[10]) {
  uint64_t mant = 0;
  for (int i = 0; i < 8; ++i) mant |= static_cast<uint64_t>(Bytes[i]) << (8 * i);
  uint16_t se = static_cast<uint16_t>(Bytes[8] | (Bytes[9] << 8));
  bool negative = (se & 0x8000) != 0;
  int e = se & 0x7FFF;
  double v;
  if (e == 0x7FFF) {
    v = (mant << 1) == 0 ? INFINITY : NAN;
  } else if (mant == 0) {
    v = 0.0;
  } else {
    // Value = mant * 2^(e - 16383 - 63); a zero exponent field is the denormal scale 2^-16382.
    int scale = (e == 0 ? 1 : e) - 16383 - 63;
    v = std::ldexp(static_cast<double>(mant), scale);
  }
  return negative ? -v : v;
}

}  // namespace RtlMath
