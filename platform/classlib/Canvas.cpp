// TCanvas: drawing on a device context with the canvas's font, pen and brush, each selected only
// when a drawing member needs it and deselected before the handle is given up.
#include "Exceptions.h"
#include "Graphics.h"
#include "WinGdi.h"
#include "WinUserDraw.h"

namespace Graphics {

IMPLEMENT_CLASS(TCanvas)

void TCanvas::Construct() {
  inherited::Construct();
  FFont = New<TFont>();
  FFont->OnChange = TNotifyEvent(this, &TCanvas::FontChanged);
  FPen = New<TPen>();
  FPen->OnChange = TNotifyEvent(this, &TCanvas::PenChanged);
  FBrush = New<TBrush>();
  FBrush->OnChange = TNotifyEvent(this, &TCanvas::BrushChanged);
}

void TCanvas::Destroy() {
  SetHandle(nullptr);
  FreeAndNil(FFont);
  FreeAndNil(FPen);
  FreeAndNil(FBrush);
  inherited::Destroy();
}

// Whoever asks for the handle draws on it with the platform's own functions: the canvas's font,
// pen and brush are made current first, so that such drawing uses them.
HDC TCanvas::GetHandle() {
  Changing();
  RequiredState({csHandleValid, csFontValid, csPenValid, csBrushValid});
  return FHandle;
}

void TCanvas::SetHandle(HDC Value) {
  if (FHandle == Value) return;
  if (FHandle) {
    DeselectHandles();
    FHandle = nullptr;
    FState.Exclude(csHandleValid);
  }
  if (Value) {
    FState.Include(csHandleValid);
    FHandle = Value;
  }
}

void TCanvas::DeselectHandles() {
  if (!FHandle) return;
  // The context goes back to what it held before the canvas selected its objects, so that the
  // cached handles are never left selected in a context the canvas no longer owns.
  if (FOldFont) SelectObject(FHandle, FOldFont);
  if (FOldPen) SelectObject(FHandle, FOldPen);
  if (FOldBrush) SelectObject(FHandle, FOldBrush);
  FOldFont = FOldPen = FOldBrush = nullptr;
  FState.Exclude(csFontValid);
  FState.Exclude(csPenValid);
  FState.Exclude(csBrushValid);
}

void TCanvas::Refresh() { DeselectHandles(); }

void TCanvas::RequiredState(TCanvasState ReqState) {
  TCanvasState needed = ReqState - FState;
  if (needed.Empty()) return;
  if (needed.Contains(csHandleValid)) {
    CreateHandle();
    if (!FHandle) throw EInvalidOperation("Canvas does not allow drawing");
  }
  if (needed.Contains(csFontValid)) CreateFont();
  if (needed.Contains(csPenValid)) CreatePen();
  if (needed.Contains(csBrushValid)) CreateBrush();
  FState += needed;
}

void TCanvas::CreateFont() {
  HGDIOBJ old = SelectObject(FHandle, FFont->GetHandle());
  if (!FOldFont) FOldFont = old;
  SetTextColor(FHandle, ColorToRGB(FFont->GetColor()));
}

void TCanvas::CreatePen() {
  static constexpr int Modes[] = {R2_BLACK, R2_WHITE, R2_NOP, R2_NOT, R2_COPYPEN, R2_NOTCOPYPEN,
                                  R2_MERGEPENNOT, R2_MASKPENNOT, R2_MERGENOTPEN, R2_MASKNOTPEN,
                                  R2_MERGEPEN, R2_NOTMERGEPEN, R2_MASKPEN, R2_NOTMASKPEN, R2_XORPEN,
                                  R2_NOTXORPEN};
  HGDIOBJ old = SelectObject(FHandle, FPen->GetHandle());
  if (!FOldPen) FOldPen = old;
  SetROP2(FHandle, Modes[FPen->GetMode()]);
}

void TCanvas::CreateBrush() {
  HGDIOBJ old = SelectObject(FHandle, FBrush->GetHandle());
  if (!FOldBrush) FOldBrush = old;
  if (FBrush->GetStyle() == bsSolid) {
    SetBkColor(FHandle, ColorToRGB(FBrush->GetColor()));
    SetBkMode(FHandle, OPAQUE);
  } else {
    // Hatches show the brush colour's complement behind them, as the class library's canvas does.
    SetBkColor(FHandle, ~ColorToRGB(FBrush->GetColor()) & 0xFFFFFF);
    SetBkMode(FHandle, TRANSPARENT);
  }
}

void TCanvas::FontChanged(TObject*) {
  if (FState.Contains(csFontValid)) {
    FState.Exclude(csFontValid);
    if (FHandle && FOldFont) {
      SelectObject(FHandle, FOldFont);
      FOldFont = nullptr;
    }
  }
}

void TCanvas::PenChanged(TObject*) {
  if (FState.Contains(csPenValid)) {
    FState.Exclude(csPenValid);
    if (FHandle && FOldPen) {
      SelectObject(FHandle, FOldPen);
      FOldPen = nullptr;
    }
  }
}

void TCanvas::BrushChanged(TObject*) {
  if (FState.Contains(csBrushValid)) {
    FState.Exclude(csBrushValid);
    if (FHandle && FOldBrush) {
      SelectObject(FHandle, FOldBrush);
      FOldBrush = nullptr;
    }
  }
}

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

// ---- Queries ----------------------------------------------------------------------------------------
TPoint TCanvas::GetPenPos() {
  RequiredState({csHandleValid});
  POINT p;
  GetCurrentPositionEx(FHandle, &p);
  return p;
}

TRect TCanvas::GetClipRect() {
  RequiredState({csHandleValid});
  RECT r;
  GetClipBox(FHandle, &r);
  return r;
}

TColor TCanvas::GetPixel(Integer X, Integer Y) {
  RequiredState({csHandleValid});
  return static_cast<TColor>(::GetPixel(FHandle, X, Y));
}

void TCanvas::SetPixel(Integer X, Integer Y, TColor Color) {
  Changing();
  RequiredState({csHandleValid, csPenValid});
  ::SetPixel(FHandle, X, Y, ColorToRGB(Color));
  Changed();
}

TCanvasOrientation TCanvas::GetCanvasOrientation() {
  if (!FHandle) return coLeftToRight;
  return (GetLayout(FHandle) & LAYOUT_RTL) ? coRightToLeft : coLeftToRight;
}

TSize TCanvas::TextExtent(const String& Text) {
  RequiredState({csHandleValid, csFontValid});
  SIZE s;
  GetTextExtentPoint32A(FHandle, Text.data(), static_cast<int>(Text.size()), &s);
  return s;
}

// ---- Drawing ----------------------------------------------------------------------------------------
void TCanvas::MoveTo(Integer X, Integer Y) {
  RequiredState({csHandleValid});
  MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(Integer X, Integer Y) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::LineTo(FHandle, X, Y);
  Changed();
}

void TCanvas::Polyline(const TPoint* Points, Integer Count) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Polyline(FHandle, Points, Count);
  Changed();
}

void TCanvas::Polygon(const TPoint* Points, Integer Count) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Polygon(FHandle, Points, Count);
  Changed();
}

void TCanvas::Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Rectangle(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::RoundRect(FHandle, X1, Y1, X2, Y2, X3, Y3);
  Changed();
}

void TCanvas::Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Ellipse(FHandle, X1, Y1, X2, Y2);
  Changed();
}

void TCanvas::Pie(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4, Integer Y4) {
  Changing();
  RequiredState({csHandleValid, csPenValid, csBrushValid});
  ::Pie(FHandle, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
  Changed();
}

void TCanvas::FillRect(const TRect& Rect) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ::FillRect(FHandle, &Rect, FBrush->GetHandle());
  Changed();
}

void TCanvas::FrameRect(const TRect& Rect) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ::FrameRect(FHandle, &Rect, FBrush->GetHandle());
  Changed();
}

void TCanvas::DrawFocusRect(const TRect& Rect) {
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  ::DrawFocusRect(FHandle, &Rect);
  Changed();
}

void TCanvas::TextOut(Integer X, Integer Y, const String& Text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  ExtTextOutA(FHandle, X, Y, 0, nullptr, Text.data(), static_cast<UINT>(Text.size()), nullptr);
  MoveToEx(FHandle, X + TextWidth(Text), Y, nullptr);
  Changed();
}

void TCanvas::TextRect(const TRect& Rect, Integer X, Integer Y, const String& Text) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  UINT options = ETO_CLIPPED;
  if (FBrush->GetStyle() != bsClear) options |= ETO_OPAQUE;
  ExtTextOutA(FHandle, X, Y, options, &Rect, Text.data(), static_cast<UINT>(Text.size()), nullptr);
  Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
  Changing();
  RequiredState({csHandleValid, csFontValid, csBrushValid});
  Canvas->RequiredState({csHandleValid, csBrushValid});
  StretchBlt(FHandle, Dest.left, Dest.top, Dest.Width(), Dest.Height(), Canvas->FHandle, Source.left,
             Source.top, Source.Width(), Source.Height(), CopyMode);
  Changed();
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor TransparentColor) {
  if (!Bitmap || Bitmap->GetEmpty()) return;
  Changing();
  RequiredState({csHandleValid, csBrushValid});
  TCanvas* source = Bitmap->GetCanvas();
  source->RequiredState({csHandleValid});
  HDC src = source->FHandle;
  // The brush first, then the bitmap with its transparent colour left out.
  ::FillRect(FHandle, &Dest, FBrush->GetHandle());
  TransparentBlt(FHandle, Dest.left, Dest.top, Dest.Width(), Dest.Height(), src, Source.left, Source.top,
                 Source.Width(), Source.Height(), ColorToRGB(TransparentColor) & 0x00FFFFFF);
  Changed();
}

void TCanvas::Draw(Integer X, Integer Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->GetEmpty()) return;
  StretchDraw(TRect(X, Y, X + Graphic->GetWidth(), Y + Graphic->GetHeight()), Graphic);
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
  if (!Graphic || Graphic->GetEmpty()) return;
  Changing();
  RequiredState({csHandleValid});
  Graphic->Draw(this, Rect);
  Changed();
}

}  // namespace Graphics
