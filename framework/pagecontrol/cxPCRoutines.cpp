// The page-control unit's shared routines and its start and end.
#include "cxPCRoutines.h"

#include "Graphics.h"
#include "Lists.h"
#include "SysInfo.h"
#include "cxGraphicsFunctions.h"
#include "cxPCPainter.h"
#include "cxPCPaintersFactory.h"
#include "cxPCTabControl.h"

namespace cxPC {

namespace {
bool HotTrackColorAvailable = false;
TList* DependsControls = nullptr;

bool IsVerticalPosition(TcxTabPosition APosition) { return APosition == tpLeft || APosition == tpRight; }
}  // namespace

bool IsVerticalText(TcxCustomTabControl* ATabControl) {
  return IsVerticalPosition(ATabControl->GetTabPosition()) != ATabControl->GetRotate();
}

bool InternalIsVerticalText(TcxCustomTabControl* ATabControl) {
  return IsVerticalText(ATabControl) && !ATabControl->GetPainter()->IsNativePainting();
}

TcxRotationAngle GetTextRotationAngle(TcxCustomTabControl* ATabControl) {
  if (!IsVerticalText(ATabControl)) return ra0;
  return ATabControl->GetOptions().Contains(pcoTopToBottomText) ? raMinus90 : raPlus90;
}

TcxRotationAngle InternalGetTextRotationAngle(TcxCustomTabControl* ATabControl) {
  return ATabControl->GetPainter()->IsNativePainting() ? ra0 : GetTextRotationAngle(ATabControl);
}

bool IsBottomToTopAlignment(TcxCustomTabControl* ATabControl) {
  return IsVerticalPosition(ATabControl->GetTabPosition()) && !ATabControl->GetRotate() &&
         !ATabControl->GetOptions().Contains(pcoTopToBottomText);
}

bool IsRightToLeftAlignment(TcxCustomTabControl* ATabControl) {
  return !IsVerticalPosition(ATabControl->GetTabPosition()) && ATabControl->GetRotate() &&
         ATabControl->GetOptions().Contains(pcoTopToBottomText);
}

void InitializeVisibleTabRange(TcxCustomTabControl* ATabControl, Integer& AFirstIndex, Integer& ALastIndex) {
  if (ATabControl->GetMultiLine()) {
    AFirstIndex = 0;
    ALastIndex = ATabControl->GetVisibleTabList()->GetCount() - 1;
  } else if (ATabControl->GetLeadingTab() == -1) {
    AFirstIndex = -1;
    ALastIndex = -2;
  } else {
    AFirstIndex = ATabControl->GetLeadingTab();
    ALastIndex = ATabControl->GetTrailingTab();
  }
}

TcxPCLineIndexBoundsArray InitializeLineBoundsArray(TcxCustomTabControl* ATabControl) {
  TcxPCLineIndexBoundsArray bounds(static_cast<size_t>(std::max(ATabControl->GetRowCount(), 0)),
                                   TcxPCIndexInterval{-1, -2});
  Integer first, last;
  InitializeVisibleTabRange(ATabControl, first, last);
  TcxVisibleTabList* visible = ATabControl->GetVisibleTabList();
  for (Integer i = first; i <= last; ++i) {
    const Integer row = visible->GetTab(i)->GetDisplayRow();
    if (row < 0 || row >= static_cast<Integer>(bounds.size())) continue;
    TcxPCIndexInterval& interval = bounds[static_cast<size_t>(row)];
    if (interval.First == -1) {
      interval.First = i;
      interval.Last = i;
    } else {
      interval.First = std::min(interval.First, i);
      interval.Last = std::max(interval.Last, i);
    }
  }
  return bounds;
}

TRect RotateRect(const TRect& R, TcxTabPosition ATabPosition) {
  switch (ATabPosition) {
    case tpBottom: return TRect(R.right, R.bottom, R.left, R.top);
    case tpLeft: return TRect(R.top, R.right, R.bottom, R.left);
    case tpRight: return TRect(R.bottom, R.left, R.top, R.right);
    default: return R;
  }
}

TRect RotateRectBack(const TRect& R, TcxTabPosition ATabPosition) {
  switch (ATabPosition) {
    case tpLeft: return RotateRect(R, tpRight);
    case tpRight: return RotateRect(R, tpLeft);
    default: return RotateRect(R, ATabPosition);
  }
}

void CorrectRect(TRect& R, const TcxPCRectCorrection& ACorrection) {
  R.left += ACorrection.LeftDelta;
  R.top += ACorrection.TopDelta;
  R.right += ACorrection.RightDelta;
  R.bottom += ACorrection.BottomDelta;
}

void ValidateRect(TRect& R) {
  R.right = std::max(R.right, R.left);
  R.bottom = std::max(R.bottom, R.top);
}

Integer PointGetter(const TPoint& P, bool AIsY) { return AIsY ? P.y : P.x; }

void PointSetter(TPoint& P, bool AIsY, Integer AValue) { (AIsY ? P.y : P.x) = AValue; }

void RectSetter(TRect& R, bool AIsTopLeft, bool AIsY, Integer AValue) {
  if (AIsTopLeft)
    (AIsY ? R.top : R.left) = AValue;
  else
    (AIsY ? R.bottom : R.right) = AValue;
}

Integer DistanceGetter(const TcxPCDistance& ADistance, bool AIsTabGap) {
  return AIsTabGap ? ADistance.TabGap : ADistance.RowGap;
}

Integer GetButtonCount(TcxPCNavigatorButtons AButtons) { return AButtons.Count(); }

bool IsOneOfButtons(TcxPCNavigatorButton AButton1, TcxPCNavigatorButton AButton2, TcxPCNavigatorButton AButton) {
  return AButton == AButton1 || AButton == AButton2;
}

TSize TextSize(TcxTab* ATab, const String& AText, TFont* AFont) {
  TcxCanvas* canvas = cxScreenCanvas();
  if (AFont)
    canvas->SetFont(AFont);
  else
    ATab->GetParentControl()->PrepareTabCanvasFont(ATab, canvas);
  return cxTextSize(canvas->GetHandle(), AText);
}

String GetPCStyleName(TcxPCStyleID AStyleID) {
  if (AStyleID == cxPCDefaultStyle) return cxPCDefaultStyleName;
  TcxPCPaintersFactory* factory = PaintersFactory();
  if (!factory) return "";
  const TcxPCPainterClass painterClass = factory->GetPainterClass(AStyleID);
  return painterClass ? painterClass->GetStyleName() : String();
}

bool IsHotTrackColorAvailable() { return HotTrackColorAvailable; }

TList* PageControlDependsControls() { return DependsControls; }

void PrepareBitmap(TBitmap* ABitmap, const TSize& ASize, TcxCanvas* ACanvas, TColor ABackgroundColor) {
  ABitmap->SetSize(ASize.cx, ASize.cy);
  TCanvas* canvas = ABitmap->GetCanvas();
  canvas->SetFont(ACanvas->GetFont());
  canvas->SetPen(ACanvas->GetPen());
  canvas->SetBrush(ACanvas->GetBrush());
  canvas->GetBrush()->SetColor(ABackgroundColor);
  canvas->GetBrush()->SetStyle(Graphics::bsSolid);
  canvas->FillRect(TRect(0, 0, ASize.cx, ASize.cy));
  canvas->SetBrush(ACanvas->GetBrush());
}

void InitPC() {
  // The hot-light colour exists on Windows 98/ME past their first release and on NT 5.x, whose 5.1
  // is the version the platform reports.
  HotTrackColorAvailable = (Win32Platform == SysInfo::VER_PLATFORM_WIN32_WINDOWS && Win32MinorVersion != 0) ||
                           (Win32Platform == SysInfo::VER_PLATFORM_WIN32_NT && Win32MajorVersion == 5);
  DependsControls = New<TList>();
}

void DonePC() { FreeAndNil(DependsControls); }

}  // namespace cxPC
