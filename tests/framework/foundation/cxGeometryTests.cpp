#include <gtest/gtest.h>

#include "Exceptions.h"

#include "TypInfo.h"
#include "cxGeometry.h"

namespace {

TEST(cxGeometry, HalfOpenTests) {
  const TRect r(0, 0, 10, 10);
  struct Case {
    Integer X, Y;
    bool In;
  } points[] = {{0, 0, true}, {9, 9, true}, {10, 5, false}, {5, 10, false}, {-1, 5, false}};
  for (const Case& p : points) EXPECT_EQ(cxRectPtIn(r, p.X, p.Y), p.In) << p.X << "," << p.Y;

  struct Pair {
    TRect A, B;
    bool Intersects;
    TRect Result;
  } pairs[] = {
      {TRect(0, 0, 10, 10), TRect(10, 0, 20, 10), false, cxNullRect},  // touching
      {TRect(0, 0, 10, 10), TRect(5, 5, 20, 20), true, TRect(5, 5, 10, 10)},
      {TRect(0, 0, 10, 10), TRect(2, 10, 4, 12), false, cxNullRect},
      {TRect(0, 0, 10, 10), TRect(3, 3, 3, 8), false, cxNullRect},  // empty
  };
  for (const Pair& p : pairs) {
    TRect result(7, 7, 7, 7);
    EXPECT_EQ(cxRectIntersect(result, p.A, p.B), p.Intersects);
    EXPECT_EQ(result, p.Result);
    EXPECT_EQ(cxRectIntersect(p.A, p.B), p.Intersects);
  }
  EXPECT_TRUE(cxRectIsEmpty(TRect(5, 0, 3, 10)));
  EXPECT_TRUE(cxRectIsEmpty(TRect(0, 0, 0, 10)));
  EXPECT_FALSE(cxRectIsEmpty(TRect(0, 0, 1, 1)));
  EXPECT_TRUE(cxRectIsInvalid(cxInvalidRect));
  EXPECT_TRUE(cxRectIsNull(TRect()));
  EXPECT_TRUE(cxRectContain(r, TRect(0, 0, 10, 10)));
  EXPECT_FALSE(cxRectContain(r, TRect(0, 0, 11, 10)));
  EXPECT_TRUE(cxPointIsNull(cxPointSum({})));
}

TEST(cxGeometry, CentersHalveTowardZero) {
  EXPECT_EQ(cxRectCenter(TRect(0, 0, 5, 5)), TPoint(2, 2));
  EXPECT_EQ(cxRectCenter(TRect(-5, -5, 0, 0)), TPoint(-2, -2));
  EXPECT_EQ(cxRectCenter(TRect(0, 0, 10, 20), 4, 5), TRect(3, 7, 7, 12));
  EXPECT_EQ(cxRectCenter(TRect(-10, -10, 0, 0), cxSize(5, 5)), TRect(-7, -7, -2, -2));
  TRect left, right;
  cxRectSplitHorz(TRect(-3, 0, 0, 4), left, right);
  EXPECT_EQ(left, TRect(-3, 0, -1, 4));
  EXPECT_EQ(right, TRect(-1, 0, 0, 4));
  cxRectSplitVert(TRect(0, 0, 4, 5), left, right);
  EXPECT_EQ(left, TRect(0, 0, 4, 2));
  EXPECT_EQ(right, TRect(0, 2, 4, 5));
}

TEST(cxGeometry, MovingAndResizing) {
  const TRect r(10, 20, 30, 60);
  struct Case {
    const char* Name;
    TRect Result, Expected;
  } cases[] = {
      {"bounds", cxRectBounds(1, 2, 3, 4), TRect(1, 2, 4, 6)},
      {"offset", cxRectOffset(r, 1, -1), TRect(11, 19, 31, 59)},
      {"offset points", cxRectOffset(r, TPointArray{{1, 1}, {2, -3}}), TRect(13, 18, 33, 58)},
      {"offset no points", cxRectOffset(r, TPointArray{}), r},
      {"inflate", cxRectInflate(r, 1, 2), TRect(9, 18, 31, 62)},
      {"inflate sides", cxRectInflate(r, 1, 2, 3, 4), TRect(9, 18, 33, 64)},
      {"content", cxRectContent(r, TRect(1, 2, 3, 4)), TRect(11, 22, 27, 56)},
      {"invert", cxRectInvert(r), TRect(-10, -20, -30, -60)},
      {"rotate", cxRectRotate(r), TRect(20, 10, 60, 30)},
      {"set left", cxRectSetLeft(r, 0), TRect(0, 20, 20, 60)},
      {"set left width", cxRectSetLeft(r, 0, 5), TRect(0, 20, 5, 60)},
      {"set right", cxRectSetRight(r, 100), TRect(80, 20, 100, 60)},
      {"set right width", cxRectSetRight(r, 100, 5), TRect(95, 20, 100, 60)},
      {"set top", cxRectSetTop(r, 0), TRect(10, 0, 30, 40)},
      {"set bottom", cxRectSetBottom(r, 100), TRect(10, 60, 30, 100)},
      {"set bottom height", cxRectSetBottom(r, 100, 5), TRect(10, 95, 30, 100)},
      {"set width", cxRectSetWidth(r, 1), TRect(10, 20, 11, 60)},
      {"set width at", cxRectSetWidth(r, 3, 1), TRect(3, 20, 4, 60)},
      {"set height", cxRectSetHeight(r, 1), TRect(10, 20, 30, 21)},
      {"set size", cxRectSetSize(r, 1, 2), TRect(10, 20, 11, 22)},
      {"x pos", cxRectSetXPos(r, 1, 2), TRect(1, 20, 2, 60)},
      {"y pos", cxRectSetYPos(r, 1, 2), TRect(10, 1, 30, 2)},
      {"scale width", cxRectScaleWidth(r, 0, 100, 10, 20), TRect(80, 20, 120, 60)},
      {"scale height", cxRectScaleHeight(r, 0, 0, 3, 1), TRect(10, -7, 30, 6)},
      {"union", cxRectUnion(r, TRect(0, 0, 1, 1)), TRect(0, 0, 30, 60)},
      {"union empty second", cxRectUnion(TRect(5, 5, 5, 5), TRect(0, 0, 0, 100)), TRect(5, 5, 5, 5)},
  };
  for (const Case& c : cases) EXPECT_EQ(c.Result, c.Expected) << c.Name;
  EXPECT_EQ(cxRectGetItem(r, 2), 30);
  EXPECT_EQ(cxRectGetItem(r, 4), 0);
  EXPECT_EQ(cxRectGetSize(r, 0), 20);
  EXPECT_EQ(cxRectGetSize(r, 7), 40);
  EXPECT_EQ(cxRectLeftBottom(r), TPoint(10, 60));
  EXPECT_EQ(cxRectRightTop(r), TPoint(30, 20));
  EXPECT_EQ(cxPointReplaceItem(TPoint(1, 2), 5, 9), TPoint(1, 9));
  EXPECT_EQ(cxPointGetItem(TPoint(1, 2), 0), 1);
  EXPECT_EQ(cxPointOffset(TPoint(1, 2), TPointArray{{1, 1}, {1, 1}}), TPoint(3, 4));
}

TEST(cxGeometry, MinMaxAndOverlap) {
  Integer minimum, maximum;
  cxRectMinMaxInit(minimum, maximum);
  EXPECT_EQ(minimum, MaxInt);
  EXPECT_EQ(maximum, -1);
  cxRectMinMaxWidth(TRect(5, 0, 10, 0), maximum, minimum);
  cxRectMinMaxWidth(TRect(2, 0, 7, 0), maximum, minimum);
  EXPECT_EQ(minimum, 2);
  EXPECT_EQ(maximum, 10);

  TRect a, b, c, d;
  cxRectOverlapped(TRect(0, 0, 10, 10), TRect(0, 0, 10, 10), a, b, c, d);
  EXPECT_TRUE(cxRectIsNull(a) && cxRectIsNull(b) && cxRectIsNull(c) && cxRectIsNull(d));
  // R1 shorter and narrower than R2: its top and left strips; R2's bottom and right strips.
  cxRectOverlapped(TRect(0, 0, 10, 10), TRect(0, 0, 13, 12), a, b, c, d);
  EXPECT_EQ(a, TRect(0, 0, 10, 2));
  EXPECT_EQ(c, TRect(0, 10, 13, 12));
  EXPECT_EQ(b, TRect(0, 0, 3, 10));
  EXPECT_EQ(d, TRect(10, 0, 13, 12));
  cxRectOverlapped(TRect(0, 0, 13, 12), TRect(0, 0, 10, 10), a, b, c, d);
  EXPECT_EQ(a, TRect(0, 10, 13, 12));
  EXPECT_EQ(c, TRect(0, 0, 10, 2));
  EXPECT_EQ(b, TRect(10, 0, 13, 12));
  EXPECT_EQ(d, TRect(0, 0, 3, 10));
}

TEST(cxGeometry, ExtendedHitTest) {
  const TRect r(10, 10, 20, 20);
  struct Case {
    Integer X, Y, Delta;
    TcxPtInRectType Expected;
  } cases[] = {
      {15, 15, 2, ptrtArea}, {21, 15, 2, ptrtRight}, {20, 15, 2, ptrtRight}, {15, 21, 2, ptrtBottom},
      {8, 15, 2, ptrtLeft},  {15, 8, 2, ptrtTop},    {21, 21, 2, ptrtRight}, {7, 15, 2, ptrtNone},
      {15, 15, 0, ptrtArea}, {20, 15, 0, ptrtNone},  {9, 9, 0, ptrtNone},
  };
  for (const Case& c : cases) EXPECT_EQ(cxRectPtInEx(r, c.X, c.Y, c.Delta), c.Expected) << c.X << "," << c.Y;
  EXPECT_EQ(cxRectPtInEx(r, 15, 8, 0, 2), ptrtTop);
  EXPECT_EQ(cxRectPtInEx(r, 8, 15, 0, 2), ptrtNone);
}

TEST(TcxRect, ChangesOnlyWhenTheRectangleChanges) {
  auto* rect = New<TcxRect>(nullptr);
  Integer changes = 0;
  rect->OnChange = [&](TObject* sender) { changes += sender == rect ? 1 : 100; };
  rect->SetRect(TRect(1, 2, 3, 4));
  rect->SetRect(TRect(1, 2, 3, 4));
  EXPECT_EQ(changes, 1);
  rect->SetValue(7, 99);
  EXPECT_EQ(changes, 1);
  rect->SetWidth(10);
  rect->SetHeight(20);
  EXPECT_EQ(rect->GetRect(), TRect(1, 2, 11, 22));
  EXPECT_EQ(rect->GetValue(9), 22);
  EXPECT_EQ(rect->GetVertex(1), TPoint(11, 2));
  EXPECT_EQ(rect->GetVertex(5), TPoint(11, 22));
  rect->SetVertex(2, TPoint(0, 30));
  EXPECT_EQ(rect->GetRect(), TRect(0, 2, 11, 30));
  changes = 0;
  rect->SetVertex(4, TPoint(0, 0));
  auto* size = New<TcxSize>(nullptr);
  rect->Assign(size);  // ignored without error
  EXPECT_EQ(changes, 0);
  auto* other = New<TcxRect>(nullptr);
  other->SetRect(TRect(5, 5, 6, 6));
  rect->Assign(other);
  EXPECT_TRUE(rect->IsEqual(other));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(GetOrdProp(rect, "Right"), 6);
  SetOrdProp(rect, "Top", 1);
  EXPECT_EQ(rect->GetTop(), 1);
  other->Free();
  size->Free();
  rect->Free();
}

TEST(TcxSize, ClampsAndChangesOnlyOnADifference) {
  auto* size = New<TcxSize>(nullptr);
  Integer changes = 0;
  size->OnChange = [&](TObject*) { ++changes; };
  size->SetSize(TSize(-3, 7));
  EXPECT_EQ(size->GetSize(), TSize(0, 7));
  size->SetSize(TSize(0, 7));
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(size->IsEmpty());
  EXPECT_TRUE(size->IsHeightStored());
  EXPECT_FALSE(size->IsWidthStored());
  size->SetWidth(4);
  EXPECT_EQ(size->GetValue(0), 7);
  EXPECT_EQ(size->GetValue(1), 4);
  auto* copy = New<TcxSize>(nullptr);
  copy->Assign(size);
  EXPECT_TRUE(copy->IsEqual(size));
  auto* rect = New<TcxRect>(nullptr);
  EXPECT_THROW(copy->Assign(rect), EConvertError);
  rect->Free();
  copy->Free();
  size->Free();
}

TEST(TcxRect, KnownToTheObjectStreamWhileTheUnitRuns) { EXPECT_EQ(GetClass("TcxRect"), TcxRect::StaticClass()); }

}  // namespace
