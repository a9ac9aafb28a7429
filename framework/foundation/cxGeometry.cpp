#include "cxGeometry.h"

#include <algorithm>
#include <cstdlib>

#include "RtlMath.h"
#include "TypInfo.h"

namespace cxGeometry {

IMPLEMENT_CLASS_PUBLISHED(TcxRect) {
  d.IndexedProperty("Left", 0, &TcxRect::GetValue, &TcxRect::SetValue).Default(0);
  d.IndexedProperty("Top", 1, &TcxRect::GetValue, &TcxRect::SetValue).Default(0);
  d.IndexedProperty("Right", 2, &TcxRect::GetValue, &TcxRect::SetValue).Default(0);
  d.IndexedProperty("Bottom", 3, &TcxRect::GetValue, &TcxRect::SetValue).Default(0);
  d.Property("OnChange", &TcxRect::GetOnChange, &TcxRect::SetOnChange);
}

IMPLEMENT_CLASS_PUBLISHED(TcxSize) {
  d.IndexedProperty("Height", 0, &TcxSize::GetValue, &TcxSize::SetValue).Stored(&TcxSize::IsHeightStored);
  d.IndexedProperty("Width", 1, &TcxSize::GetValue, &TcxSize::SetValue).Stored(&TcxSize::IsWidthStored);
}

namespace {

// (a + b) div 2, without overflow on the way.
Integer Half(Integer a, Integer b) { return static_cast<Integer>((Int64{a} + b) / 2); }

}  // namespace

// ---- Construction and access --------------------------------------------------------------------------

TRect cxRect(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom) { return TRect(ALeft, ATop, ARight, ABottom); }
TRect cxRect(const TPoint& ATopLeft, const TPoint& ABottomRight) { return TRect(ATopLeft, ABottomRight); }
TRect cxRectBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  return TRect(ALeft, ATop, ALeft + AWidth, ATop + AHeight);
}
Integer cxRectWidth(const TRect& R) { return R.right - R.left; }
Integer cxRectHeight(const TRect& R) { return R.bottom - R.top; }
TSize cxRectSize(const TRect& R) { return TSize(cxRectWidth(R), cxRectHeight(R)); }
Integer cxRectGetSize(const TRect& R, Integer AIndex) { return AIndex == 0 ? cxRectWidth(R) : cxRectHeight(R); }

Integer cxRectGetItem(const TRect& R, Integer AIndex) {
  switch (AIndex) {
    case 0: return R.left;
    case 1: return R.top;
    case 2: return R.right;
    case 3: return R.bottom;
    default: return 0;
  }
}

TPoint cxRectLeftBottom(const TRect& R) { return TPoint(R.left, R.bottom); }
TPoint cxRectRightTop(const TRect& R) { return TPoint(R.right, R.top); }
TPoint cxRectCenter(const TRect& R) { return TPoint(Half(R.left, R.right), Half(R.top, R.bottom)); }

TRect cxRectCenter(const TRect& R, Integer AWidth, Integer AHeight) {
  Integer left = static_cast<Integer>((Int64{R.left} + R.right - AWidth) / 2);
  Integer top = static_cast<Integer>((Int64{R.top} + R.bottom - AHeight) / 2);
  return cxRectBounds(left, top, AWidth, AHeight);
}
TRect cxRectCenter(const TRect& R, const TSize& ASize) { return cxRectCenter(R, ASize.cx, ASize.cy); }

// ---- Tests -------------------------------------------------------------------------------------------------

bool cxRectIsEmpty(const TRect& R) { return !(R.left < R.right && R.top < R.bottom); }
bool cxRectIsEqual(const TRect& R1, const TRect& R2) { return R1 == R2; }
bool cxRectCompare(const TRect& R1, const TRect& R2) { return R1 == R2; }
bool cxRectIsNull(const TRect& R) { return R == cxNullRect; }
bool cxRectIsInvalid(const TRect& R) { return R == cxInvalidRect; }
bool cxRectPtIn(const TRect& R, const TPoint& P) { return cxRectPtIn(R, P.x, P.y); }
bool cxRectPtIn(const TRect& R, Integer X, Integer Y) {
  return R.left <= X && X < R.right && R.top <= Y && Y < R.bottom;
}
bool cxRectContain(const TRect& ABounds, const TRect& AInner) {
  return AInner.left >= ABounds.left && AInner.right <= ABounds.right && AInner.top >= ABounds.top &&
         AInner.bottom <= ABounds.bottom;
}
bool cxPointIsEqual(const TPoint& P1, const TPoint& P2) { return P1.x == P2.x && P1.y == P2.y; }
bool cxSizeIsEqual(const TSize& S1, const TSize& S2) { return S1.cx == S2.cx && S1.cy == S2.cy; }
bool cxPointIsNull(const TPoint& P) { return cxPointIsEqual(P, cxNullPoint); }

// ---- Moving and resizing -------------------------------------------------------------------------------------

TRect cxRectOffset(const TRect& R, Integer DX, Integer DY) {
  return TRect(R.left + DX, R.top + DY, R.right + DX, R.bottom + DY);
}
TRect cxRectOffset(const TRect& R, const TPoint& P) { return cxRectOffset(R, P.x, P.y); }
TRect cxRectOffset(const TRect& R, const TPointArray& APoints) { return cxRectOffset(R, cxPointSum(APoints)); }
TRect cxRectOffsetHorz(const TRect& R, Integer DX) { return cxRectOffset(R, DX, 0); }
TRect cxRectOffsetVert(const TRect& R, Integer DY) { return cxRectOffset(R, 0, DY); }
TRect cxRectInflate(const TRect& R, Integer DX, Integer DY) { return cxRectInflate(R, DX, DY, DX, DY); }
TRect cxRectInflate(const TRect& R, Integer DL, Integer DT, Integer DR, Integer DB) {
  return TRect(R.left - DL, R.top - DT, R.right + DR, R.bottom + DB);
}
TRect cxRectContent(const TRect& R, const TRect& AMargins) {
  return TRect(R.left + AMargins.left, R.top + AMargins.top, R.right - AMargins.right, R.bottom - AMargins.bottom);
}
TRect cxRectInvert(const TRect& R) { return TRect(-R.left, -R.top, -R.right, -R.bottom); }
TRect cxRectRotate(const TRect& R) { return TRect(R.top, R.left, R.bottom, R.right); }
TRect cxRectSetLeft(const TRect& R, Integer X) { return cxRectSetLeft(R, X, cxRectWidth(R)); }
TRect cxRectSetLeft(const TRect& R, Integer X, Integer AWidth) { return TRect(X, R.top, X + AWidth, R.bottom); }
TRect cxRectSetRight(const TRect& R, Integer X) { return cxRectSetRight(R, X, cxRectWidth(R)); }
TRect cxRectSetRight(const TRect& R, Integer X, Integer AWidth) { return TRect(X - AWidth, R.top, X, R.bottom); }
TRect cxRectSetTop(const TRect& R, Integer Y) { return cxRectSetTop(R, Y, cxRectHeight(R)); }
TRect cxRectSetTop(const TRect& R, Integer Y, Integer AHeight) { return TRect(R.left, Y, R.right, Y + AHeight); }
TRect cxRectSetBottom(const TRect& R, Integer Y) { return cxRectSetBottom(R, Y, cxRectHeight(R)); }
TRect cxRectSetBottom(const TRect& R, Integer Y, Integer AHeight) { return TRect(R.left, Y - AHeight, R.right, Y); }
TRect cxRectSetWidth(const TRect& R, Integer AWidth) { return TRect(R.left, R.top, R.left + AWidth, R.bottom); }
TRect cxRectSetWidth(const TRect& R, Integer X, Integer AWidth) { return cxRectSetLeft(R, X, AWidth); }
TRect cxRectSetHeight(const TRect& R, Integer AHeight) { return TRect(R.left, R.top, R.right, R.top + AHeight); }
TRect cxRectSetSize(const TRect& R, Integer AWidth, Integer AHeight) {
  return TRect(R.left, R.top, R.left + AWidth, R.top + AHeight);
}
TRect cxRectSetXPos(const TRect& R, Integer X1, Integer X2) { return TRect(X1, R.top, X2, R.bottom); }
TRect cxRectSetYPos(const TRect& R, Integer Y1, Integer Y2) { return TRect(R.left, Y1, R.right, Y2); }

TRect cxRectScaleWidth(const TRect& R, Integer X1, Integer X2, Integer W1, Integer W2) {
  Integer left = X2 + MulDiv(X1 - R.left, W2, W1);
  return cxRectSetXPos(R, left, left + MulDiv(cxRectWidth(R), W2, W1));
}

TRect cxRectScaleHeight(const TRect& R, Integer Y1, Integer Y2, Integer H1, Integer H2) {
  Integer top = Y2 + MulDiv(Y1 - R.top, H2, H1);
  return cxRectSetYPos(R, top, top + MulDiv(cxRectHeight(R), H2, H1));
}

// ---- Combining and splitting ---------------------------------------------------------------------------------

bool cxRectIntersect(TRect& R, const TRect& R1, const TRect& R2) {
  R = TRect(std::max(R1.left, R2.left), std::max(R1.top, R2.top), std::min(R1.right, R2.right),
            std::min(R1.bottom, R2.bottom));
  if (cxRectIsEmpty(R)) {
    R = cxNullRect;
    return false;
  }
  return true;
}

bool cxRectIntersect(const TRect& R1, const TRect& R2) {
  TRect r;
  return cxRectIntersect(r, R1, R2);
}

TRect cxRectUnion(const TRect& R1, const TRect& R2) {
  if (cxRectWidth(R2) <= 0 || cxRectHeight(R2) <= 0) return R1;
  return TRect(std::min(R1.left, R2.left), std::min(R1.top, R2.top), std::max(R1.right, R2.right),
               std::max(R1.bottom, R2.bottom));
}

void cxRectSplitHorz(const TRect& ABounds, TRect& ARect1, TRect& ARect2) {
  ARect1 = ARect2 = ABounds;
  ARect1.right = ARect2.left = Half(ABounds.left, ABounds.right);
}

void cxRectSplitVert(const TRect& ABounds, TRect& ARect1, TRect& ARect2) {
  ARect1 = ARect2 = ABounds;
  ARect1.bottom = ARect2.top = Half(ABounds.top, ABounds.bottom);
}

void cxRectMinMaxInit(Integer& AMin, Integer& AMax) {
  AMin = MaxInt;
  AMax = -1;
}

void cxRectMinMaxWidth(const TRect& R, Integer& AMax, Integer& AMin) {
  AMax = std::max(AMax, R.right);
  AMin = std::min(AMin, R.left);
}

void cxRectMinMaxHeight(const TRect& R, Integer& AMax, Integer& AMin) {
  AMax = std::max(AMax, R.bottom);
  AMin = std::min(AMin, R.top);
}

void cxRectOverlapped(const TRect& R1, const TRect& R2, TRect& A, TRect& B, TRect& C, TRect& D) {
  const Integer dV = R1.bottom - R2.bottom;
  const Integer dH = R1.right - R2.right;
  A = B = C = D = cxNullRect;
  if (dV < 0) {
    A = cxRectSetHeight(R1, -dV);
    C = cxRectSetTop(R2, R2.bottom + dV, -dV);
  } else if (dV > 0) {
    A = cxRectSetTop(R1, R1.bottom - dV, dV);
    C = cxRectSetHeight(R2, dV);
  }
  if (dH < 0) {
    B = cxRectSetWidth(R1, -dH);
    D = cxRectSetLeft(R2, R2.right + dH, -dH);
  } else if (dH > 0) {
    B = cxRectSetLeft(R1, R1.right - dH, dH);
    D = cxRectSetWidth(R2, dH);
  }
}

// ---- Extended hit test ----------------------------------------------------------------------------------------

TcxPtInRectType cxRectPtInEx(const TRect& R, Integer X, Integer Y, Integer ADeltaLeft, Integer ADeltaTop,
                             Integer ADeltaRight, Integer ADeltaBottom) {
  if (cxRectPtIn(R, X, Y)) return ptrtArea;
  if (!cxRectPtIn(cxRectInflate(R, ADeltaLeft, ADeltaTop, ADeltaRight, ADeltaBottom), X, Y)) return ptrtNone;
  auto within = [](Integer d, Integer delta) { return -delta <= d && d < delta; };
  if (within(X - R.right, ADeltaRight)) return ptrtRight;
  if (within(Y - R.bottom, ADeltaBottom)) return ptrtBottom;
  if (within(X - R.left, ADeltaLeft)) return ptrtLeft;
  return ptrtTop;
}

TcxPtInRectType cxRectPtInEx(const TRect& R, Integer X, Integer Y, Integer ADelta) {
  return cxRectPtInEx(R, X, Y, ADelta, ADelta, ADelta, ADelta);
}

TcxPtInRectType cxRectPtInEx(const TRect& R, Integer X, Integer Y, Integer ADeltaX, Integer ADeltaY) {
  return cxRectPtInEx(R, X, Y, ADeltaX, ADeltaY, ADeltaX, ADeltaY);
}

// ---- Points and sizes --------------------------------------------------------------------------------------------

TPoint cxPoint(Integer X, Integer Y) { return TPoint(X, Y); }
TPoint cxPoint(const TSize& ASize) { return TPoint(ASize.cx, ASize.cy); }
TSize cxSize(Integer cx, Integer cy) { return TSize(cx, cy); }
TPoint cxPointOffset(const TPoint& P, Integer DX, Integer DY) { return TPoint(P.x + DX, P.y + DY); }
TPoint cxPointOffset(const TPoint& P, const TPoint& DP) { return cxPointOffset(P, DP.x, DP.y); }
TPoint cxPointOffset(const TPoint& P, const TPointArray& APoints) { return cxPointOffset(P, cxPointSum(APoints)); }
TPoint cxPointInvert(const TPoint& P) { return TPoint(-P.x, -P.y); }
Integer cxPointGetItem(const TPoint& P, Integer AIndex) { return AIndex == 0 ? P.x : P.y; }

TPoint cxPointReplaceItem(const TPoint& P, Integer AIndex, Integer AValue) {
  TPoint result = P;
  (AIndex == 0 ? result.x : result.y) = AValue;
  return result;
}

TPoint cxPointSum(const TPointArray& APoints) {
  TPoint sum = cxNullPoint;
  for (const TPoint& p : APoints) sum = cxPointOffset(sum, p);
  return sum;
}

// ---- TcxRect ------------------------------------------------------------------------------------------------------

void TcxRect::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxRect*>(Source)) SetRect(source->FRect);
}

bool TcxRect::IsEmpty() const { return cxRectIsEmpty(FRect); }
bool TcxRect::IsEqual(const TRect& ARect) const { return cxRectIsEqual(FRect, ARect); }
bool TcxRect::IsEqual(const TcxRect* ARect) const { return ARect && IsEqual(ARect->FRect); }

void TcxRect::SetRect(const TRect& Value) {
  if (cxRectIsEqual(FRect, Value)) return;
  FRect = Value;
  DoChange();
}

Integer TcxRect::GetValue(Integer AIndex) const {
  switch (AIndex) {
    case 0: return FRect.left;
    case 1: return FRect.top;
    case 2: return FRect.right;
    default: return FRect.bottom;
  }
}

void TcxRect::SetValue(Integer AIndex, Integer AValue) {
  TRect r = FRect;
  switch (AIndex) {
    case 0: r.left = AValue; break;
    case 1: r.top = AValue; break;
    case 2: r.right = AValue; break;
    case 3: r.bottom = AValue; break;
    default: return;
  }
  SetRect(r);
}

void TcxRect::SetWidth(Integer Value) { SetValue(2, FRect.left + Value); }
void TcxRect::SetHeight(Integer Value) { SetValue(3, FRect.top + Value); }

TPoint TcxRect::GetVertex(Integer AIndex) const {
  switch (AIndex) {
    case 0: return TPoint(FRect.left, FRect.top);
    case 1: return TPoint(FRect.right, FRect.top);
    case 2: return TPoint(FRect.left, FRect.bottom);
    default: return TPoint(FRect.right, FRect.bottom);
  }
}

void TcxRect::SetVertex(Integer AIndex, const TPoint& Value) {
  TRect r = FRect;
  switch (AIndex) {
    case 0: r.left = Value.x; r.top = Value.y; break;
    case 1: r.right = Value.x; r.top = Value.y; break;
    case 2: r.left = Value.x; r.bottom = Value.y; break;
    case 3: r.right = Value.x; r.bottom = Value.y; break;
    default: return;
  }
  SetRect(r);
}

void TcxRect::DoChange() {
  if (OnChange) OnChange(this);
}

// ---- TcxSize ------------------------------------------------------------------------------------------------------

void TcxSize::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxSize*>(Source))
    SetSize(source->GetSize());
  else
    inherited::Assign(Source);
}

bool TcxSize::IsEqual(const TSize& ASize) const { return cxSizeIsEqual(FSize, ASize); }
bool TcxSize::IsEqual(const TcxSize* ASize) const { return ASize && IsEqual(ASize->FSize); }

TSize TcxSize::GetSize() const { return TSize(GetValue(1), GetValue(0)); }

void TcxSize::SetSize(const TSize& Value) {
  TSize size(std::max(Value.cx, 0), std::max(Value.cy, 0));
  if (cxSizeIsEqual(FSize, size)) return;
  FSize = size;
  DoChange();
}

Integer TcxSize::GetValue(Integer AIndex) const { return AIndex == 0 ? FSize.cy : FSize.cx; }

void TcxSize::SetValue(Integer AIndex, Integer AValue) {
  TSize size = GetSize();
  (AIndex == 0 ? size.cy : size.cx) = AValue;
  SetSize(size);
}

void TcxSize::DoChange() {
  if (OnChange) OnChange(this);
}

bool TcxSize::IsSizeStored(Integer AIndex) const { return GetValue(AIndex) != 0; }

// ---- The unit ------------------------------------------------------------------------------------------------------

void cxGeometryInitialization() { RegisterClass(TcxRect::StaticClass()); }

void cxGeometryFinalization() { UnRegisterClass(TcxRect::StaticClass()); }

}  // namespace cxGeometry
