// Points, rectangles and sizes of the class library, with their construction helpers. They share
// their layout with the operating-system structures, so one converts to the other freely.
#pragma once

#include "WinDef.h"

namespace Types {

struct TPoint : POINT {
  constexpr TPoint() = default;
  constexpr TPoint(LONG x_, LONG y_) : POINT{x_, y_} {}
  constexpr TPoint(const POINT& p) : POINT(p) {}
  LONG X() const { return x; }
  LONG Y() const { return y; }
};

struct TSize : SIZE {
  constexpr TSize() = default;
  constexpr TSize(LONG cx_, LONG cy_) : SIZE{cx_, cy_} {}
  constexpr TSize(const SIZE& s) : SIZE(s) {}
};

// Half-open: a rectangle covers the pixels left <= x < right and top <= y < bottom.
struct TRect : RECT {
  constexpr TRect() = default;
  constexpr TRect(LONG l, LONG t, LONG r, LONG b) : RECT{l, t, r, b} {}
  constexpr TRect(const RECT& r) : RECT(r) {}
  constexpr TRect(const TPoint& topLeft, const TPoint& bottomRight)
      : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}
  constexpr LONG Left() const { return left; }
  constexpr LONG Top() const { return top; }
  constexpr LONG Right() const { return right; }
  constexpr LONG Bottom() const { return bottom; }
  constexpr LONG Width() const { return right - left; }
  constexpr LONG Height() const { return bottom - top; }
  constexpr TPoint TopLeft() const { return TPoint(left, top); }
  constexpr TPoint BottomRight() const { return TPoint(right, bottom); }
};

constexpr TPoint Point(LONG x, LONG y) { return TPoint(x, y); }
constexpr TRect Rect(LONG left, LONG top, LONG right, LONG bottom) { return TRect(left, top, right, bottom); }
constexpr TRect Bounds(LONG left, LONG top, LONG width, LONG height) {
  return TRect(left, top, left + width, top + height);
}
constexpr TPoint SmallPointToPoint(int16_t x, int16_t y) { return TPoint(x, y); }

}  // namespace Types

using namespace Types;
