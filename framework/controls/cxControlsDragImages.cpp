#include "cxControlsDragImages.h"

#include <algorithm>

#include "Forms.h"
#include "WinGdi.h"
#include "WinUser.h"
#include "cxControlsBase.h"
#include "cxControlsInternal.h"

namespace cxControls {

// ---- TcxDragAndDropObject -----------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxDragAndDropObject)

TcxDragAndDropObject* TcxDragAndDropObject::Create(TClass AClass, TcxControl* AControl) {
  if (!AClass || !AClass->InheritsFrom(StaticClass()) || AClass->IsAbstract()) RaiseInvalidCast();
  auto* object = static_cast<TcxDragAndDropObject*>(AClass->NewInstance());
  object->FControl = AControl;
  return static_cast<TcxDragAndDropObject*>(TObject::Initialize(object));
}

TcxCanvas* TcxDragAndDropObject::GetCanvas() const { return FControl->GetCanvas(); }

void TcxDragAndDropObject::SetDirty(bool Value) {
  if (FDirty == Value) return;
  FDirty = Value;
  DirtyChanged();
}

void TcxDragAndDropObject::ChangeMousePos(const TPoint& P) {
  FPrevMousePos = FCurMousePos;
  FCurMousePos = P;
}

void TcxDragAndDropObject::DoBeginDragAndDrop() {
  FCurMousePos = FPrevMousePos = FControl->ScreenToClient(GetMouseCursorPos());
  BeginDragAndDrop();
}

void TcxDragAndDropObject::DoDragAndDrop(const TPoint& P, bool& Accepted) {
  ChangeMousePos(P);
  DragAndDrop(P, Accepted);
}

void TcxDragAndDropObject::DoEndDragAndDrop(bool Accepted) {
  EndDragAndDrop(Accepted);
  AfterDragAndDrop(Accepted);
}

void TcxDragAndDropObject::DragAndDrop(const TPoint&, bool& Accepted) {
  SetDirty(false);
  Screen->SetCursor(GetDragAndDropCursor(Accepted));
}

TCursor TcxDragAndDropObject::GetDragAndDropCursor(bool Accepted) { return Accepted ? crDrag : crNoDrop; }

// ---- TcxDragControlObject -----------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxDragControlObject)

void TcxDragControlObject::Finished(TObject* Target, Integer X, Integer Y, bool Accepted) {
  inherited::Finished(Target, X, Y, Accepted);
  Free();
}

TCursor TcxDragControlObject::GetDragCursor(bool Accepted, Integer X, Integer Y) {
  auto* control = dynamic_cast<TcxControl*>(GetControl());
  if (Accepted && control && control->GetIsCopyDragDrop()) return crcxDragCopy;
  return inherited::GetDragCursor(Accepted, X, Y);
}

IMPLEMENT_CLASS(TcxDragImageList)

// ---- TcxCustomDragImage -------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomDragImage)

void TcxCustomDragImage::Construct() {
  inherited::Construct();
  SetBounds(0, 0, 0, 0);
  SetAlphaBlendValue(cxDragAndDropWindowTransparency);
  SetAlphaBlend(true);
}

void TcxCustomDragImage::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  if (auto* owner = dynamic_cast<TWinControl*>(FOwnerControl))
    Params.WndParent = owner->GetHandle();
  else if (TCustomForm* form = Screen->ActiveForm(); form && form->HandleAllocated())
    Params.WndParent = form->GetHandle();
  Params.WindowClass.style |= CS_SAVEBITS;
}

void TcxCustomDragImage::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_NCHITTEST: Message.Result = HTTRANSPARENT; return;
    default: inherited::Dispatch(Message);
  }
}

bool TcxCustomDragImage::GetAlphaBlended() { return GetAlphaBlend() && IsLayeredWindowsAvailable(); }

void TcxCustomDragImage::Init(const TRect& ABounds, const TPoint& AGrabPoint) {
  SetWidth(ABounds.Width());
  SetHeight(ABounds.Height());
  FImageOffset = TPoint(AGrabPoint.x - ABounds.left, AGrabPoint.y - ABounds.top);
}

void TcxCustomDragImage::MoveTo(const TPoint& P) {
  HandleNeeded();
  SetBounds(P.x - FImageOffset.x, P.y - FImageOffset.y, GetWidth(), GetHeight());
}

bool TcxCustomDragImage::GetVisible() { return HandleAllocated() && IsWindowVisible(GetHandle()); }

void TcxCustomDragImage::SetVisible(bool Value) {
  if (GetVisible() == Value) return;
  if (Value)
    Show();
  else
    Hide();
}

void TcxCustomDragImage::Show() {
  FVisible = true;
  ShowWindow(GetHandle(), SW_SHOWNA);
  Update();
}

void TcxCustomDragImage::Hide() {
  FVisible = false;
  if (HandleAllocated()) ShowWindow(GetHandle(), SW_HIDE);
}

// ---- TcxDragImage -------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxDragImage)

void TcxDragImage::Construct() {
  inherited::Construct();
  FImage = New<TBitmap>();
  FImageCanvas = New<TcxCanvas>(FImage->GetCanvas());
}

void TcxDragImage::Destroy() {
  FreeAndNil(FImageCanvas);
  FreeAndNil(FImage);
  inherited::Destroy();
}

void TcxDragImage::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FImage) FImage->SetSize(GetWidth(), GetHeight());
}

void TcxDragImage::Paint() {
  inherited::Paint();
  if (FImage) GetWindowCanvas()->Draw(0, 0, FImage);
}

// ---- TcxSizeFrame -------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxSizeFrame)

void TcxSizeFrame::Construct() {
  inherited::Construct();
  SetAlphaBlend(false);
  FRegion = New<TcxRegion>();
  TcxPopupWindow::GetCanvas()->GetBrush()->SetBitmap(AllocPatternBitmap(clBlack, clWhite));
}

void TcxSizeFrame::Destroy() {
  FreeAndNil(FRegion);
  inherited::Destroy();
}

void TcxSizeFrame::SetFrameRegion(TcxRegion* ARegion) {
  FreeAndNil(FRegion);
  FRegion = ARegion;
}

void TcxSizeFrame::DrawSizeFrame(const TRect& R) {
  SetFrameRegion(New<TcxRegion>(0, 0, R.Width(), R.Height()));
  SetBounds(R.left, R.top, R.Width(), R.Height());
}

void TcxSizeFrame::DrawSizeFrame(const TRect& R, TcxRegion* ARegion) {
  auto* copy = New<TcxRegion>();
  CombineRgn(copy->GetHandle(), ARegion->GetHandle(), nullptr, RGN_COPY);
  SetFrameRegion(copy);
  SetBounds(R.left, R.top, R.Width(), R.Height());
}

void TcxSizeFrame::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) {
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  // A frame with nothing inside it keeps the shape it had.
  if (!FRegion || !HandleAllocated() || 2 * FFrameWidth >= AWidth || 2 * FFrameWidth >= AHeight) return;
  if (!FRegionSelected) InitializeFrameRegion();
  SetWindowRegion();
}

void TcxSizeFrame::InitializeFrameRegion() {
  auto* eroded = New<TcxRegion>();
  CombineRgn(eroded->GetHandle(), FRegion->GetHandle(), nullptr, RGN_COPY);
  const Integer w = FFrameWidth;
  for (const TPoint& shift : {TPoint(w, 0), TPoint(0, w), TPoint(-w, 0), TPoint(0, -w)}) {
    auto* shifted = New<TcxRegion>();
    CombineRgn(shifted->GetHandle(), FRegion->GetHandle(), nullptr, RGN_COPY);
    shifted->Offset(shift.x, shift.y);
    eroded->Combine(shifted, roIntersect);
  }
  FRegion->Combine(eroded, roSubtract);
}

void TcxSizeFrame::SetWindowRegion() {
  HRGN current = CreateRectRgn(0, 0, 0, 0);
  const bool same = GetWindowRgn(GetHandle(), current) != ERROR && EqualRgn(current, FRegion->GetHandle());
  DeleteObject(current);
  if (same) return;
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(copy, FRegion->GetHandle(), nullptr, RGN_COPY);
  SetWindowRgn(GetHandle(), copy, TRUE);
}

void TcxSizeFrame::Paint() { TcxPopupWindow::GetCanvas()->GetCanvas()->FillRect(GetClientRect()); }

// ---- TcxDragAndDropArrow ------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxDragAndDropArrow)

void TcxDragAndDropArrow::Construct() {
  inherited::Construct();
  SetAlphaBlend(false);
  FTransparent = FTransparentWished && IsLayeredWindowsAvailable();
  if (FTransparent) {
    SetTransparentColorValue(GetImageBackColor());
    SetTransparentColor(true);
  }
}

void TcxDragAndDropArrow::Init(TControl* AOwner, const TRect& AAreaBounds, const TRect& AClientRect,
                               TcxArrowPlace APlace) {
  TRect r = GetDragAndDropArrowBounds(AAreaBounds, AClientRect, APlace);
  if (AOwner) r = TRect(AOwner->ClientToScreen(r.TopLeft()), AOwner->ClientToScreen(r.BottomRight()));
  HandleNeeded();
  SetBoundsRect(r);
  const TRect client(0, 0, r.Width(), r.Height());
  GetCanvas()->FillRect(client, GetImageBackColor());
  DrawDragAndDropArrow(GetCanvas(), client, APlace);
  if (FTransparent) return;
  TPointArray points;
  GetDragAndDropArrowPoints(client, APlace, points, true);
  SetWindowRgn(GetHandle(), CreatePolygonRgn(points.data(), static_cast<int>(points.size()), WINDING), TRUE);
}

// ---- Arrow geometry -------------------------------------------------------------------------------------
TRect GetDragAndDropArrowBounds(const TRect& AAreaBounds, const TRect& AClientRect, TcxArrowPlace APlace) {
  constexpr Integer ArrowLength = 9, HalfArrowWidth = 5;
  TRect r = AAreaBounds;
  if (!cxRectIsEmpty(AClientRect)) {
    auto clamp = [](LONG& v, LONG lo, LONG hi) { v = std::max(lo, std::min(v, hi)); };
    clamp(r.left, AClientRect.left, AClientRect.right - 1);
    clamp(r.right, AClientRect.left, AClientRect.right - 1);
    clamp(r.top, AClientRect.top, AClientRect.bottom - 1);
    clamp(r.bottom, AClientRect.top, AClientRect.bottom - 1);
  }
  switch (APlace) {
    case apLeft:
    case apRight:
      r.bottom = r.top + 1;
      r = cxRectInflate(r, 0, HalfArrowWidth);
      if (APlace == apLeft) {
        r.right = r.left;
        r.left -= ArrowLength;
      } else {
        r.left = r.right;
        r.right += ArrowLength;
      }
      break;
    case apTop:
    case apBottom:
      r.right = r.left + 1;
      r = cxRectInflate(r, HalfArrowWidth, 0);
      if (APlace == apTop) {
        r.bottom = r.top;
        r.top -= ArrowLength;
      } else {
        r.top = r.bottom;
        r.bottom += ArrowLength;
      }
      break;
  }
  return r;
}

void GetDragAndDropArrowPoints(const TRect& R, TcxArrowPlace APlace, TPointArray& APoints, bool AForRegion) {
  const LONG b = AForRegion ? 1 : 0;
  const LONG L = R.left, T = R.top, Rt = R.right, B = R.bottom;
  switch (APlace) {
    case apLeft:
      APoints = {{L + 3, T - b}, {L + 3, T + 3}, {L, T + 3}, {L, B + b - 4},
                 {L + 3, B + b - 4}, {L + 3, B + b - 1}, {Rt + b - 1, T + 5}};
      break;
    case apTop:
      APoints = {{L + 3, T}, {Rt + b - 4, T}, {Rt + b - 4, T + 3}, {Rt + b - 1, T + 3},
                 {L + 5, B + b - 1}, {L, T + 3}, {L + 3, T + 3}};
      break;
    case apRight:
      APoints = {{Rt + b - 4, T - b}, {Rt + b - 4, T + 3}, {Rt + b - 1, T + 3}, {Rt + b - 1, B + b - 4},
                 {Rt + b - 4, B + b - 4}, {Rt + b - 4, B + b - 1}, {L, T + 5}};
      break;
    case apBottom:
      APoints = {{L + 3, B + b - 1}, {Rt + b - 4, B + b - 1}, {Rt + b - 4, B + b - 4}, {Rt + b - 1, B + b - 4},
                 {L + 5, T - b}, {L - b, B + b - 4}, {L + 3, B - 4}};
      break;
  }
}

void DrawDragAndDropArrow(TcxCanvas* ACanvas, const TRect& R, TcxArrowPlace APlace) {
  TPointArray points;
  GetDragAndDropArrowPoints(R, APlace, points, false);
  ACanvas->GetBrush()->SetColor(clLime);
  ACanvas->GetPen()->SetColor(clBlack);
  ACanvas->Polygon(points);
}

}  // namespace cxControls
