// The hint window of the bar managers and the view infos that measure and paint plain hints and
// screen tips.
#include "dxBarHint.h"

#include <algorithm>
#include <cmath>

#include "Forms.h"
#include "WinCursor.h"
#include "WinGdi.h"
#include "WinManage.h"
#include "WinMetrics.h"
#include "WinUserDraw.h"
#include "cxControlsUtils.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarHelpers.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarScreenTip.h"
#include "dxBarUnit.h"

namespace dxBar {

IMPLEMENT_ABSTRACT_CLASS(TdxBarCustomHintViewInfo)
IMPLEMENT_CLASS(TdxBarHintViewInfo)
IMPLEMENT_CLASS(TdxBarLikeHintScreenTipViewInfo)
IMPLEMENT_CLASS(TdxBarScreenTipBandViewInfo)
IMPLEMENT_CLASS(TdxBarScreenTipViewInfo)
IMPLEMENT_CLASS(TdxBarHintWindow)

namespace {
TRect Inset(const TRect& R, Integer ADX, Integer ADY) { return TRect(R.left + ADX, R.top + ADY, R.right - ADX, R.bottom - ADY); }

TPoint CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return TPoint(p.x, p.y);
}

// A length in 96-dpi units on the screen, scaled by its horizontal resolution.
Integer Scaled(Integer AValue) { return WidthToCurrentDpi(AValue); }

// Paints on the shared bar canvas put on ACanvas, and gives the canvas back however the paint ends.
template <typename TPaint>
void PaintOnBarCanvas(cxGraphics::TcxCanvas* ACanvas, TPaint APaint) {
  TdxBarCanvas* canvas = BarCanvas();
  canvas->BeginPaint(ACanvas->GetCanvas());
  try {
    APaint(canvas);
  } catch (...) {
    canvas->EndPaint();
    throw;
  }
  canvas->EndPaint();
}
}  // namespace

TdxBarHintWindow* BarHintWindow() { return dynamic_cast<TdxBarHintWindow*>(FHintWindow); }

// ---- Base ---------------------------------------------------------------------------------------------------
void TdxBarCustomHintViewInfo::SetWindowDrawParams(TdxBarHintWindow* AWindow) {
  AWindow->SetIsScreenTipWindow(IsScreenTip());
  AWindow->HandleNeeded();
}

// ---- Plain hint ---------------------------------------------------------------------------------------------
TdxBarHintViewInfo::TdxBarHintViewInfo(TdxBarManager* ABarManager, const String& AHintText, const String& AShortCut,
                                       const TPoint& APosition)
    : TdxBarCustomHintViewInfo(ABarManager),
      FText(AHintText.empty() ? String() : AHintText + AShortCut),
      FPosition(APosition) {}

void TdxBarHintViewInfo::Calculate(cxGraphics::TcxCanvas* ACanvas) {
  if (FText.empty()) {
    FBounds = TRect();
    return;
  }
  const TRect area = GetDesktopWorkArea(CursorPos());
  TRect R(0, 0, area.Width(), 0);
  ::DrawText(ACanvas->GetHandle(), FText.c_str(), -1, &R, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  const TSize size = CorrectMinSize(TSize(R.Width(), R.Height()));
  FBounds = TRect(0, 0, size.cx, size.cy);
}

TSize TdxBarHintViewInfo::CorrectMinSize(const TSize& ASize) { return TSize(ASize.cx + 6, ASize.cy + 6); }
TRect TdxBarHintViewInfo::GetTextRect() { return Inset(FBounds, 3, 3); }

void TdxBarHintViewInfo::Paint(cxGraphics::TcxCanvas* ACanvas) {
  TRect R = FBounds;
  DrawEdge(ACanvas->GetHandle(), &R, BDR_RAISEDOUTER, BF_RECT);
  DrawText(ACanvas);
}

void TdxBarHintViewInfo::DrawText(cxGraphics::TcxCanvas* ACanvas) {
  TRect R = GetTextRect();
  const HDC DC = ACanvas->GetHandle();
  const Integer oldMode = SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToRGB(ACanvas->GetFont()->GetColor()));
  ::DrawText(DC, FText.c_str(), -1, &R, DT_WORDBREAK | DT_NOPREFIX | DT_NOCLIP);
  SetBkMode(DC, oldMode);
}

void TdxBarHintViewInfo::SetWindowDrawParams(TdxBarHintWindow* AWindow) {
  TdxBarCustomHintViewInfo::SetWindowDrawParams(AWindow);
  AWindow->SetCaption(FText);
  SetWindowFont(AWindow);
  AWindow->SetColor(Application->GetHintColor());
}

// The status-bar font of the system (8 points when it cannot be read), or the manager's own font.
void TdxBarHintViewInfo::SetWindowFont(TdxBarHintWindow* AWindow) {
  TFont* font = AWindow->GetFont();
  if (!FBarManager || FBarManager->GetUseSystemFont()) {
    NONCLIENTMETRICS metrics;
    if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
      font->AssignLogFont(metrics.lfStatusFont);
    else
      font->SetSize(8);
  } else {
    font->Assign(FBarManager->GetFont());
  }
  font->SetColor(Screen->HintFont()->GetColor());
}

// ---- Plain hint in screen-tip style ---------------------------------------------------------------------------
TSize TdxBarLikeHintScreenTipViewInfo::CorrectMinSize(const TSize& ASize) {
  const TSize size = TdxBarHintViewInfo::CorrectMinSize(ASize);
  return TSize(size.cx + 5, size.cy + 5);
}

TRect TdxBarLikeHintScreenTipViewInfo::GetTextRect() { return Inset(FBounds, 5, 6); }

void TdxBarLikeHintScreenTipViewInfo::Paint(cxGraphics::TcxCanvas* ACanvas) {
  PaintOnBarCanvas(ACanvas, [this](TdxBarCanvas* ABarCanvas) { FPainter->ScreenTipDrawBackground(ABarCanvas, FBounds); });
  DrawText(ACanvas);
}

// ---- Screen-tip band ------------------------------------------------------------------------------------------
bool TdxBarScreenTipBandViewInfo::HasGlyph() { return !FBand->GetGlyph()->GetEmpty(); }

Integer TdxBarScreenTipBandViewInfo::GetHorizontalIndent() { return Scaled(FBand->GetBandType() == stbDescription ? 14 : 6); }

Integer TdxBarScreenTipBandViewInfo::GetVerticalIndent(TdxBarPainter* APainter) {
  return Scaled(6 + (FBand->GetBandType() == stbFooter ? APainter->ScreenTipGetFooterLineSize() : 0));
}

Integer TdxBarScreenTipBandViewInfo::GetAvailableGlyphWidth() {
  return FBand->GetBandType() == stbDescription ? Scaled(108) - GetHorizontalIndent() : Scaled(16);
}

String TdxBarScreenTipBandViewInfo::GetText() {
  if (FBand->GetBandType() != stbHeader) return FBand->GetText();
  return (FHintText.empty() ? FBand->GetText() : FHintText) + FShortCut;
}

Integer TdxBarScreenTipBandViewInfo::GetHeight(cxGraphics::TcxCanvas* ACanvas, Integer AWidth, TdxBarPainter* APainter) {
  const String text = GetText();
  if (text.empty() && !HasGlyph()) return 0;
  FGlyphSize = TSize();
  const Integer glyphWidth = GetAvailableGlyphWidth();
  if (HasGlyph()) {
    // A picture wider than its column is shrunk in proportion; a smaller one keeps its size.
    TBitmap* glyph = FBand->GetGlyph();
    FGlyphSize = TSize(glyph->GetWidth(), glyph->GetHeight());
    if (FGlyphSize.cx > glyphWidth) {
      FGlyphSize.cy = static_cast<Integer>(std::lround(static_cast<double>(FGlyphSize.cy) * glyphWidth / FGlyphSize.cx));
      FGlyphSize.cx = glyphWidth;
    }
  }
  const Integer indent = GetHorizontalIndent();
  Integer textWidth = AWidth - 2 * indent;
  if (HasGlyph()) textWidth -= glyphWidth + indent;
  FTextSize = TSize();
  if (!text.empty()) {
    ACanvas->SetFont(FBand->GetFont());
    TRect R(0, 0, std::max<Integer>(textWidth, 0), 0);
    UINT flags = DT_CALCRECT | DT_NOPREFIX;
    if (FBand->GetBandType() == stbDescription) flags |= DT_WORDBREAK;
    ::DrawText(ACanvas->GetHandle(), text.c_str(), -1, &R, flags);
    FTextSize = TSize(R.Width(), R.Height());
  }
  return std::max(FGlyphSize.cy, FTextSize.cy) + 2 * GetVerticalIndent(APainter);
}

void TdxBarScreenTipBandViewInfo::Calculate(Integer AWidth, Integer ATop, Integer AHeight, TdxBarPainter* APainter) {
  FTop = ATop;
  FWidth = AWidth;
  const Integer indent = GetHorizontalIndent();
  const Integer vIndent = GetVerticalIndent(APainter);
  const Integer glyphColumn = HasGlyph() ? GetAvailableGlyphWidth() + indent : 0;
  const Integer textTop = ATop + vIndent;
  if (FBand->GetTextAlign() == stbtaRight)
    FTextBounds = TRect(indent + glyphColumn, textTop, AWidth - indent, textTop + FTextSize.cy);
  else
    FTextBounds = TRect(indent, textTop, indent + FTextSize.cx, textTop + FTextSize.cy);
  FGlyphBounds = TRect();
  if (!HasGlyph()) return;
  const Integer glyphTop = FBand->GetBandType() == stbDescription ? ATop + vIndent
                                                                   : ATop + (AHeight - FGlyphSize.cy) / 2;
  Integer glyphLeft = indent + (GetAvailableGlyphWidth() - FGlyphSize.cx) / 2;
  if (FBand->GetTextAlign() == stbtaLeft) glyphLeft = AWidth - glyphLeft - FGlyphSize.cx;  // mirrored
  FGlyphBounds = TRect(glyphLeft, glyphTop, glyphLeft + FGlyphSize.cx, glyphTop + FGlyphSize.cy);
}

void TdxBarScreenTipBandViewInfo::Paint(cxGraphics::TcxCanvas* ACanvas, TdxBarPainter* APainter) {
  if (FBand->GetBandType() == stbFooter)
    APainter->ScreenTipDrawFooterLine(ACanvas, TRect(5, FTop, FWidth - 5, FTop + APainter->ScreenTipGetFooterLineSize()));
  const String text = GetText();
  if (!text.empty()) {
    ACanvas->SetFont(FBand->GetFont());
    TColor color = FBand->GetBandType() == stbDescription ? APainter->ScreenTipGetDescriptionTextColor()
                                                          : APainter->ScreenTipGetTitleTextColor();
    if (color == clDefault) color = ACanvas->GetFont()->GetColor();
    const HDC textDC = ACanvas->GetHandle();
    const Integer oldMode = SetBkMode(textDC, TRANSPARENT);
    SetTextColor(textDC, ColorToRGB(color));
    TRect R = FTextBounds;
    ::DrawText(textDC, text.c_str(), -1, &R, DT_WORDBREAK | DT_NOPREFIX);
    SetBkMode(textDC, oldMode);
  }
  if (HasGlyph()) ACanvas->GetCanvas()->StretchDraw(FGlyphBounds, FBand->GetGlyph());
}

// ---- Screen tip -------------------------------------------------------------------------------------------------
TdxBarScreenTipViewInfo::TdxBarScreenTipViewInfo(TdxBarManager* ABarManager, TdxBarScreenTip* AScreenTip,
                                                 TdxBarPainter* APainter, const String& AHintText,
                                                 const String& AShortCut)
    : TdxBarCustomHintViewInfo(ABarManager),
      FScreenTip(AScreenTip),
      FPainter(APainter),
      FHintText(AScreenTip && AScreenTip->GetUseHintAsHeader() ? AHintText : String()),
      FShortCut(AShortCut) {}

void TdxBarScreenTipViewInfo::Destroy() {
  ClearBandViewInfos();
  inherited::Destroy();
}

void TdxBarScreenTipViewInfo::ClearBandViewInfos() {
  for (TdxBarScreenTipBandViewInfo* info : FBandViewInfos) info->Free();
  FBandViewInfos.clear();
}

TdxBarScreenTipBandViewInfo* TdxBarScreenTipViewInfo::CreateBandViewInfo(TdxBarCustomScreenTipBand* ABand) {
  return New<TdxBarScreenTipBandViewInfo>(ABand, FHintText, FShortCut);
}

void TdxBarScreenTipViewInfo::Calculate(cxGraphics::TcxCanvas* ACanvas) {
  const Integer width = FScreenTip->GetWidth();
  ClearBandViewInfos();
  Integer top = 0;
  for (auto type : {stbHeader, stbDescription, stbFooter}) {
    TdxBarCustomScreenTipBand* band = FScreenTip->GetBandForCalculation(type);
    if (!band->IsVisible(FHintText)) continue;
    TdxBarScreenTipBandViewInfo* info = CreateBandViewInfo(band);
    FBandViewInfos.push_back(info);
    const Integer height = info->GetHeight(ACanvas, width, FPainter);
    info->Calculate(width, top, height, FPainter);
    top += height;
  }
  FBounds = TRect(0, 0, width, top);
}

void TdxBarScreenTipViewInfo::Paint(cxGraphics::TcxCanvas* ACanvas) {
  PaintOnBarCanvas(ACanvas, [this](TdxBarCanvas* ABarCanvas) {
    FPainter->ScreenTipDrawBackground(ABarCanvas, FBounds);
    for (TdxBarScreenTipBandViewInfo* info : FBandViewInfos) info->Paint(ABarCanvas, FPainter);
  });
}

// ---- The hint window -------------------------------------------------------------------------------------------
void TdxBarHintWindow::Construct() {
  inherited::Construct();
  SetColor(clInfoBk);
  SetEraseBackground(true);
}

void TdxBarHintWindow::Destroy() {
  FreeAndNil(FViewInfo);
  inherited::Destroy();
}

Integer TdxBarHintWindow::GetHideHintTime() { return FIsScreenTipWindow ? 200000 : 10000; }
Integer TdxBarHintWindow::GetShowHintTime() { return FIsScreenTipWindow ? 900 : 1000; }

void TdxBarHintWindow::RecreateWindow() {
  if (HandleAllocated()) DestroyHandle();
  HandleNeeded();
}

void TdxBarHintWindow::SetIsScreenTipWindow(bool Value) {
  if (FIsScreenTipWindow == Value) return;
  if (HandleAllocated()) ShowWindow(GetHandle(), SW_HIDE);
  FIsScreenTipWindow = Value;
  SetDoubleBuffered(Value);
  RecreateWindow();
}

// The hint object decides what is shown: a hint keeper makes its own view info; anything else gets a
// plain hint at the cursor.
TdxBarCustomHintViewInfo* TdxBarHintWindow::CreateViewInfo(TdxBarManager* ABarManager, const String& AHintText,
                                                           const String& AShortCut) {
  TObject* source = ABarManager ? ABarManager->GetHintObject() : nullptr;
  if (auto* keeper = dynamic_cast<IdxBarHintKeeper*>(source)) return keeper->CreateHintViewInfo(AHintText, AShortCut);
  return New<TdxBarHintViewInfo>(ABarManager, AHintText, AShortCut, CursorPos());
}

TPoint TdxBarHintWindow::GetPosition(TdxBarManager* ABarManager, const TPoint& ACursorPos) {
  TObject* source = ABarManager ? ABarManager->GetHintObject() : nullptr;
  if (auto* keeper = dynamic_cast<IdxBarHintKeeper*>(source)) return keeper->GetHintPosition(ACursorPos, GetHeight());
  return ACursorPos;
}

bool TdxBarHintWindow::ActivateHint(TdxBarManager* ABarManager, const String& AHintText, const String& AShortCut) {
  FreeAndNil(FViewInfo);
  FViewInfo = CreateViewInfo(ABarManager, AHintText, AShortCut);
  if (!FViewInfo) return false;
  FViewInfo->SetWindowDrawParams(this);
  auto canvas = NewOwned<cxGraphics::TcxCanvas>(GetCanvas());
  FViewInfo->Calculate(canvas.get());
  const TRect bounds = FViewInfo->GetBounds();
  if (bounds.Width() <= 0 || bounds.Height() <= 0) return false;
  SetHeight(bounds.Height());
  const TPoint position = GetPosition(ABarManager, CursorPos());
  TcxBaseHintWindow::ActivateHint(TRect(position.x, position.y, position.x + bounds.Width(), position.y + bounds.Height()),
                                  AHintText);
  return true;
}

void TdxBarHintWindow::Paint() {
  if (!FViewInfo) return;
  auto canvas = NewOwned<cxGraphics::TcxCanvas>(GetCanvas());
  FViewInfo->Paint(canvas.get());
}

void TdxBarHintWindow::Dispatch(TMessage& Message) {
  inherited::Dispatch(Message);
  switch (Message.Msg) {
    case WM_SIZE:
      if (FIsScreenTipWindow && HandleAllocated())
        SetWindowRgn(GetHandle(), CreateRoundRectRgn(0, 0, GetWidth() + 1, GetHeight() + 1, 2, 2), TRUE);
      break;
    case WM_SHOWWINDOW:
      if (!Message.WParam) FreeAndNil(FViewInfo);
      break;
  }
}

}  // namespace dxBar
