// Rectangle, point and size arithmetic of the framework. Rectangles are half-open: (L, T, R, B)
// covers L <= x < R and T <= y < B; nothing normalises a rectangle whose right lies left of its
// left. Every halving truncates toward zero (-3 div 2 = -1).
#pragma once

#include <vector>

#include "Closures.h"
#include "Persistent.h"
#include "Types.h"

namespace cxGeometry {

// The answer of the extended hit test cxRectPtInEx.
enum TcxPtInRectType { ptrtNone, ptrtArea, ptrtLeft, ptrtTop, ptrtRight, ptrtBottom };

using TPointArray = std::vector<TPoint>;

inline constexpr TRect cxNullRect{0, 0, 0, 0};
inline constexpr TRect cxInvalidRect{-1, -1, -1, -1};
inline constexpr TRect cxSimpleRect{1, 1, 1, 1};
inline constexpr TSize cxNullSize{0, 0};
inline constexpr TPoint cxNullPoint{0, 0};
inline constexpr TPoint cxInvalidPoint{-1, -1};

// ---- Construction and access --------------------------------------------------------------------------
TRect cxRect(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom);
TRect cxRect(const TPoint& ATopLeft, const TPoint& ABottomRight);
TRect cxRectBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight);
Integer cxRectWidth(const TRect& R);
Integer cxRectHeight(const TRect& R);
TSize cxRectSize(const TRect& R);
Integer cxRectGetSize(const TRect& R, Integer AIndex);  // width for 0, height otherwise
Integer cxRectGetItem(const TRect& R, Integer AIndex);  // Left, Top, Right, Bottom for 0..3; else 0
TPoint cxRectLeftBottom(const TRect& R);
TPoint cxRectRightTop(const TRect& R);
TPoint cxRectCenter(const TRect& R);
// A rectangle of that size centred in R.
TRect cxRectCenter(const TRect& R, Integer AWidth, Integer AHeight);
TRect cxRectCenter(const TRect& R, const TSize& ASize);

// ---- Tests -------------------------------------------------------------------------------------------------
bool cxRectIsEmpty(const TRect& R);
bool cxRectIsEqual(const TRect& R1, const TRect& R2);
bool cxRectCompare(const TRect& R1, const TRect& R2);
bool cxRectIsNull(const TRect& R);
bool cxRectIsInvalid(const TRect& R);
bool cxRectPtIn(const TRect& R, const TPoint& P);
bool cxRectPtIn(const TRect& R, Integer X, Integer Y);
bool cxRectContain(const TRect& ABounds, const TRect& AInner);
bool cxPointIsEqual(const TPoint& P1, const TPoint& P2);
bool cxSizeIsEqual(const TSize& S1, const TSize& S2);
bool cxPointIsNull(const TPoint& P);

// ---- Moving and resizing -------------------------------------------------------------------------------------
TRect cxRectOffset(const TRect& R, Integer DX, Integer DY);
TRect cxRectOffset(const TRect& R, const TPoint& P);
TRect cxRectOffset(const TRect& R, const TPointArray& APoints);
TRect cxRectOffsetHorz(const TRect& R, Integer DX);
TRect cxRectOffsetVert(const TRect& R, Integer DY);
TRect cxRectInflate(const TRect& R, Integer DX, Integer DY);
TRect cxRectInflate(const TRect& R, Integer DL, Integer DT, Integer DR, Integer DB);
TRect cxRectContent(const TRect& R, const TRect& AMargins);
TRect cxRectInvert(const TRect& R);
TRect cxRectRotate(const TRect& R);
TRect cxRectSetLeft(const TRect& R, Integer X);  // width kept
TRect cxRectSetLeft(const TRect& R, Integer X, Integer AWidth);
TRect cxRectSetRight(const TRect& R, Integer X);  // width kept
TRect cxRectSetRight(const TRect& R, Integer X, Integer AWidth);
TRect cxRectSetTop(const TRect& R, Integer Y);  // height kept
TRect cxRectSetTop(const TRect& R, Integer Y, Integer AHeight);
TRect cxRectSetBottom(const TRect& R, Integer Y);  // height kept
TRect cxRectSetBottom(const TRect& R, Integer Y, Integer AHeight);
TRect cxRectSetWidth(const TRect& R, Integer AWidth);
TRect cxRectSetWidth(const TRect& R, Integer X, Integer AWidth);
TRect cxRectSetHeight(const TRect& R, Integer AHeight);
TRect cxRectSetSize(const TRect& R, Integer AWidth, Integer AHeight);
TRect cxRectSetXPos(const TRect& R, Integer X1, Integer X2);
TRect cxRectSetYPos(const TRect& R, Integer Y1, Integer Y2);
// Maps R's horizontal extent from the scale (X1, W1) to (X2, W2), and likewise vertically.
TRect cxRectScaleWidth(const TRect& R, Integer X1, Integer X2, Integer W1, Integer W2);
TRect cxRectScaleHeight(const TRect& R, Integer Y1, Integer Y2, Integer H1, Integer H2);

// ---- Combining and splitting ---------------------------------------------------------------------------------
// The overlap of R1 and R2; cxNullRect (and false) when it is not strictly positive both ways.
bool cxRectIntersect(TRect& R, const TRect& R1, const TRect& R2);
bool cxRectIntersect(const TRect& R1, const TRect& R2);
// The smallest rectangle covering both; R1 when R2 has no positive width or height.
TRect cxRectUnion(const TRect& R1, const TRect& R2);
void cxRectSplitHorz(const TRect& ABounds, TRect& ARect1, TRect& ARect2);
void cxRectSplitVert(const TRect& ABounds, TRect& ARect1, TRect& ARect2);
// Accumulators for the extent of several rectangles: the initialiser takes the minimum first, the
// two updates take the maximum first.
void cxRectMinMaxInit(Integer& AMin, Integer& AMax);
void cxRectMinMaxWidth(const TRect& R, Integer& AMax, Integer& AMin);
void cxRectMinMaxHeight(const TRect& R, Integer& AMax, Integer& AMin);
// The strips by which R1 and R2 differ at their bottoms (A of R1, C of R2) and rights (B of R1, D of R2).
void cxRectOverlapped(const TRect& R1, const TRect& R2, TRect& A, TRect& B, TRect& C, TRect& D);

// ---- Extended hit test ----------------------------------------------------------------------------------------
// ptrtArea inside R; outside R inflated by the deltas ptrtNone; otherwise the border strip that
// holds the point, right before bottom before left before top.
TcxPtInRectType cxRectPtInEx(const TRect& R, Integer X, Integer Y, Integer ADeltaLeft, Integer ADeltaTop,
                             Integer ADeltaRight, Integer ADeltaBottom);
TcxPtInRectType cxRectPtInEx(const TRect& R, Integer X, Integer Y, Integer ADelta);
TcxPtInRectType cxRectPtInEx(const TRect& R, Integer X, Integer Y, Integer ADeltaX, Integer ADeltaY);

// ---- Points and sizes --------------------------------------------------------------------------------------------
TPoint cxPoint(Integer X, Integer Y);
TPoint cxPoint(const TSize& ASize);
TSize cxSize(Integer cx, Integer cy);
TPoint cxPointOffset(const TPoint& P, Integer DX, Integer DY);
TPoint cxPointOffset(const TPoint& P, const TPoint& DP);
TPoint cxPointOffset(const TPoint& P, const TPointArray& APoints);
TPoint cxPointInvert(const TPoint& P);
Integer cxPointGetItem(const TPoint& P, Integer AIndex);  // X for 0, Y otherwise
TPoint cxPointReplaceItem(const TPoint& P, Integer AIndex, Integer AValue);
TPoint cxPointSum(const TPointArray& APoints);

// ---- Persistent rectangle and size -----------------------------------------------------------------------------
// A rectangle published by a component, with change notification.
class TcxRect : public TPersistent {
  DECLARE_CLASS(TcxRect, TPersistent)
 public:
  explicit TcxRect(TPersistent* AOwner = nullptr) : FOwner(AOwner) {}

  // Copies the rectangle of another TcxRect; any other source is ignored.
  void Assign(TPersistent* Source) override;
  bool IsEmpty() const;
  bool IsEqual(const TRect& ARect) const;
  bool IsEqual(const TcxRect* ARect) const;
  const TRect& GetData() const { return FRect; }
  TRect GetRect() const { return FRect; }
  // Stores the rectangle and tells of the change when it differs.
  void SetRect(const TRect& Value);
  Integer GetValue(Integer AIndex) const;  // Left, Top, Right, Bottom for 0..3 (Bottom above)
  void SetValue(Integer AIndex, Integer AValue);
  Integer GetLeft() const { return FRect.left; }
  Integer GetTop() const { return FRect.top; }
  Integer GetRight() const { return FRect.right; }
  Integer GetBottom() const { return FRect.bottom; }
  Integer GetWidth() const { return cxRectWidth(FRect); }
  Integer GetHeight() const { return cxRectHeight(FRect); }
  void SetWidth(Integer Value);
  void SetHeight(Integer Value);
  // Corners 0 (left, top), 1 (right, top), 2 (left, bottom), 3 (right, bottom).
  TPoint GetVertex(Integer AIndex) const;
  void SetVertex(Integer AIndex, const TPoint& Value);
  TNotifyEvent GetOnChange() const { return OnChange; }
  void SetOnChange(TNotifyEvent Value) { OnChange = std::move(Value); }

  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() override { return FOwner; }
  void DoChange();

 private:
  TPersistent* FOwner;
  TRect FRect;
};

// A size published by a component, never negative, with change notification.
class TcxSize : public TPersistent {
  DECLARE_CLASS(TcxSize, TPersistent)
 public:
  explicit TcxSize(TPersistent* AOwner = nullptr) : FOwner(AOwner) {}

  // Takes the size of another TcxSize; other sources as TPersistent does.
  void Assign(TPersistent* Source) override;
  bool IsEmpty() const { return FSize.cx == 0 && FSize.cy == 0; }
  bool IsEqual(const TSize& ASize) const;
  bool IsEqual(const TcxSize* ASize) const;
  const TSize& GetData() const { return FSize; }
  TSize GetSize() const;
  // Clamps both members to 0 or more and tells of the change when the size differs.
  virtual void SetSize(const TSize& Value);
  virtual Integer GetValue(Integer AIndex) const;  // cy for 0, cx otherwise
  void SetValue(Integer AIndex, Integer AValue);
  Integer GetHeight() const { return GetValue(0); }
  void SetHeight(Integer Value) { SetValue(0, Value); }
  Integer GetWidth() const { return GetValue(1); }
  void SetWidth(Integer Value) { SetValue(1, Value); }
  bool IsHeightStored() const { return IsSizeStored(0); }
  bool IsWidthStored() const { return IsSizeStored(1); }

  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() override { return FOwner; }
  virtual void DoChange();
  virtual bool IsSizeStored(Integer AIndex) const;

 private:
  TPersistent* FOwner;
  TSize FSize;
};

// The unit's start and end: TcxRect is known to the object stream while the unit runs.
void cxGeometryInitialization();
void cxGeometryFinalization();

}  // namespace cxGeometry

using namespace cxGeometry;
