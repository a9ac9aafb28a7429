// The window-procedure hook, drawing, rectangles and text measuring of the extended editors.
#include "cxExtEditUtils.h"

#include <algorithm>

#include "WinGdi.h"
#include "WinManage.h"
#include "WinQueue.h"
#include "WinUserDraw.h"
#include "cxEditPaintUtils.h"
#include "cxEditUtils.h"
#include "cxGraphicsFunctions.h"

namespace cxExtEditUtils {

// ---- TcxControlHook ---------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxControlHook)

void TcxControlHook::Construct() {
  inherited::Construct();
  FNewWndProc = MakeObjectInstance(TWndMethod(this, &TcxControlHook::HookWndProc));
}

void TcxControlHook::Destroy() {
  FDestroying = true;
  SetWinControl(nullptr);
  FreeObjectInstance(FNewWndProc);
  FNewWndProc = nullptr;
  inherited::Destroy();
}

void TcxControlHook::SetWinControl(TWinControl* Value) {
  if (Value == FWinControl) return;
  UnhookControl();
  FWinControl = Value;
  if (FWinControl) HookControl();
}

void TcxControlHook::HookControl() {
  if (!FWinControl || FDestroying) return;
  const TComponentState state = FWinControl->ComponentState();
  if (state.Contains(csDesigning) || state.Contains(csDestroying)) return;
  HWND wnd = FWinControl->GetHandle();
  FPrevWndProc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(wnd, GWL_WNDPROC));
  SetWindowLongPtr(wnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FNewWndProc));
}

void TcxControlHook::UnhookControl() {
  if (FWinControl && FWinControl->HandleAllocated() && FPrevWndProc) {
    HWND wnd = FWinControl->GetHandle();
    // Someone who hooked the window after us keeps it: putting ours back would cut them off.
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtr(wnd, GWL_WNDPROC)) == FNewWndProc)
      SetWindowLongPtr(wnd, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FPrevWndProc));
  }
  FPrevWndProc = nullptr;
}

void TcxControlHook::HookWndProc(TMessage& Message) {
  if (FDestroying || !FWinControl) return;
  if (FPrevWndProc)
    Message.Result =
        CallWindowProc(FPrevWndProc, FWinControl->GetHandle(), Message.Msg, Message.WParam, Message.LParam);
  else
    FWinControl->DefaultHandler(Message);
  if (Message.Msg == WM_DESTROY) {
    UnhookControl();
    // The control is going: holding on to it would leave the hook with a dangling control.
    if (FWinControl->ComponentState().Contains(csDestroying)) FWinControl = nullptr;
  }
}

// ---- Drawing ----------------------------------------------------------------------------------------------
namespace {

void FillLine(HDC ADC, Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, TColor AColor) {
  cxEditFillRect(ADC, TRect(ALeft, ATop, ARight, ABottom), GetSolidBrush(AColor));
}

}  // namespace

TRect DrawBounds(TCanvas* ACanvas, const TRect& R, TColor AUpperLeftColor, TColor ALowerRightColor) {
  HDC dc = ACanvas->GetHandle();
  // The left line down to and including the bottom, the top one to and including the right.
  FillLine(dc, R.left, R.top, R.left + 1, R.bottom + 1, AUpperLeftColor);
  FillLine(dc, R.left, R.top, R.right + 1, R.top + 1, AUpperLeftColor);
  FillLine(dc, R.right, R.top + 1, R.right + 1, R.bottom, ALowerRightColor);
  FillLine(dc, R.left + 1, R.bottom, R.right + 1, R.bottom + 1, ALowerRightColor);
  return TRect(R.left + 1, R.top + 1, R.right - 1, R.bottom - 1);
}

void DrawCanvasLine(TCanvas* ACanvas, TColor AColor, const TPoint& AFromPoint, const TPoint& AToPoint) {
  ACanvas->GetPen()->SetColor(AColor);
  ACanvas->MoveTo(AFromPoint.x, AFromPoint.y);
  ACanvas->LineTo(AToPoint.x, AToPoint.y);
}

void DrawMRUDelimiter(TCanvas* ACanvas, const TRect& R, bool AIsHighlighted) {
  const TColor color = AIsHighlighted ? clWindow : clWindowText;
  DrawCanvasLine(ACanvas, color, TPoint(R.left, R.bottom - 3), TPoint(R.right, R.bottom - 3));
  DrawCanvasLine(ACanvas, color, TPoint(R.left, R.bottom - 1), TPoint(R.right, R.bottom - 1));
}

void PaintBackground(TWinControl* AControl, HDC ADC, bool ADrawThroughParent) {
  TWinControl* parent = AControl ? AControl->GetParent() : nullptr;
  if (!parent || !ADrawThroughParent) return;
  const int saved = SaveDC(ADC);
  struct TRestore {
    HDC DC;
    int Saved;
    ~TRestore() { RestoreDC(DC, Saved); }
  } restore{ADC, saved};
  POINT origin;
  GetViewportOrgEx(ADC, &origin);
  SetViewportOrgEx(ADC, origin.x - AControl->GetLeft(), origin.y - AControl->GetTop(), nullptr);
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(ADC), 0);
  // A window control's paint on a given DC paints its graphic children after itself.
  parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(ADC), 0);
}

bool AdjustCanvasFont(TCanvas* ACanvas, TFont* AFont, Integer AAngle) {
  ACanvas->SetFont(AFont);
  TEXTMETRICA metrics;
  GetTextMetricsA(ACanvas->GetHandle(), &metrics);
  const bool trueType = (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
  const Integer angle = ((AAngle % 360) + 360) % 360;
  if (trueType && angle != 0) {
    LOGFONTA font;
    cxGetFontData(ACanvas->GetFont()->GetHandle(), font);
    font.lfEscapement = angle * 10;
    ACanvas->GetFont()->AssignLogFont(font);
  }
  return trueType;
}

// ---- Rectangles -------------------------------------------------------------------------------------------
void InflateRectEx(TRect& R, Integer AL, Integer AT, Integer AR, Integer AB) {
  R.left += AL;
  R.top += AT;
  R.right += AR;
  R.bottom += AB;
}

Integer RectWidth(const TRect& R) { return std::max<Integer>(R.right - R.left, 0); }
Integer RectHeight(const TRect& R) { return std::max<Integer>(R.bottom - R.top, 0); }

Integer CalcCenterPosHeight(const TRect& R, Integer ADrawHeight) { return (RectHeight(R) - ADrawHeight) / 2; }

Integer CalcDrawWidth(const TRect& R, Integer ADrawHeight) {
  return 2 * CalcCenterPosHeight(R, ADrawHeight) + ADrawHeight + 2;
}

// ---- Text -------------------------------------------------------------------------------------------------
Integer PrepareTextFlag(Integer AStartFlag, TAlignment AHorzAlignments, TcxAlignmentVert AVertAlignments,
                        bool AShowEndEllipsis, bool AWordWrap, Integer ATabWidth, bool AForDrawText,
                        bool AShowPrefix) {
  Integer result = AStartFlag;
  if (AForDrawText) {
    result |= SystemAlignmentsHorz[AHorzAlignments] | SystemAlignmentsVert[AVertAlignments];
    if (AShowEndEllipsis) result |= DT_END_ELLIPSIS;
    if (AWordWrap) result |= DT_WORDBREAK;
    if (!AShowPrefix) result |= DT_NOPREFIX;
    if (ATabWidth > 0) result |= DT_EXPANDTABS | DT_TABSTOP;
  } else {
    result |= cxAlignmentsHorz[AHorzAlignments] | cxAlignmentsVert[AVertAlignments];
    if (AShowEndEllipsis) result |= cxtfShowEndEllipsis;
    if (AWordWrap) result |= cxtfWordBreak;
    if (AShowPrefix) result |= cxtfShowPrefix;
    if (ATabWidth > 0) result |= cxtfExpandTabs;
  }
  return result;
}

Integer NonCanvasTextHeight(TFont* AFont) { return cxTextHeight(AFont); }

Integer NonCanvasTextWidth(TFont* AFont, const String& AText) { return cxTextWidth(AFont, AText); }

Integer CalcMaxWidth(TCanvas* ACanvas, const String& AText) {
  // Line by line only: the text measured whole would count its line breaks as characters of one
  // long line.
  Integer result = 0;
  size_t start = 0;
  while (start <= AText.size()) {
    const size_t end = AText.find_first_of("\r\n", start);
    const size_t stop = end == String::npos ? AText.size() : end;
    result = std::max(result, ACanvas->TextWidth(AText.substr(start, stop - start)));
    if (end == String::npos) break;
    start = end + (AText.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return result + 1;
}

}  // namespace cxExtEditUtils
