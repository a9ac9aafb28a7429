// The tab control's layout: which tabs the single scrolling row shows and which navigator buttons it
// needs, or how the tabs fill, balance and stretch several rows, and how the rows are ordered and put
// on the two sides of the page. The painter supplies every size; this only arranges.
#include <algorithm>
#include <cmath>
#include <functional>

#include "Format.h"
#include "cxClassesResStrings.h"
#include "cxPCConsts.h"
#include "cxPCPainter.h"
#include "cxPCRoutines.h"
#include "cxPCTabControl.h"

namespace cxPC {

namespace {
bool IsHorizontalPosition(TcxTabPosition APosition) { return APosition == tpTop || APosition == tpBottom; }
}  // namespace

Integer TcxCustomTabControl::GetTabLength(Integer AVisibleIndex) {
  return FVisibleTabList->GetTab(AVisibleIndex)->GetNormalLongitudinalSize();
}

Integer TcxCustomTabControl::GetTabsGap() { return DistanceGetter(FPainter->GetTabsNormalDistance(), !FRotate); }

Integer TcxCustomTabControl::GetRowsGap() { return DistanceGetter(FPainter->GetTabsNormalDistance(), FRotate); }

void TcxCustomTabControl::UpdateTabPosition(TcxPCNavigatorButtons AButtons) {
  FNavigatorButtons = AButtons;
  FPainter->GetTabsPosition(AButtons, FTabsPosition);
}

TcxPCNavigatorButtons TcxCustomTabControl::GetNavigatorButtonsFor(bool AAllTabsShown) {
  TcxPCNavigatorButtons buttons;
  if (FOptions.Contains(pcoCloseButton) && !FMultiLine) buttons.Include(nbClose);
  if (!AAllTabsShown && !FOptions.Contains(pcoNoArrows)) buttons.Include(nbTopLeft).Include(nbBottomRight);
  if (FOptions.Contains(pcoGoDialog) && (!AAllTabsShown || FOptions.Contains(pcoAlwaysShowGoDialogButton)))
    buttons.Include(nbGoDialog);
  return buttons;
}

TRect TcxCustomTabControl::GetTabExtendedTabsRect(Integer AVisibleIndex) {
  return FVisibleTabList->GetTab(AVisibleIndex)->GetDisplayRow() < FTopOrLeftPartRowCount
             ? FExtendedTopOrLeftTabsRect
             : FExtendedBottomOrRightTabsRect;
}

void TcxCustomTabControl::CorrectTabRect(Integer AVisibleIndex) {
  FPainter->CorrectTabRect(AVisibleIndex, FVisibleTabList->GetTab(AVisibleIndex)->Position().RectCorrection);
}

// ---- The whole layout ---------------------------------------------------------------------------------
void TcxCustomTabControl::Calculate() {
  FExtendedTopOrLeftTabsRect = TRect(0, 0, 0, 0);
  FExtendedBottomOrRightTabsRect = TRect(0, 0, 0, 0);
  const Integer count = FVisibleTabList->GetCount();
  if (count == 0)
    FLeadingTab = -1;
  else
    FLeadingTab = std::clamp(FLeadingTab, 0, count - 1);
  FTrailingTab = FLeadingTab;
  for (Integer* index : {&FHotTrackTabVisibleIndex, &FMainTabVisibleIndex, &FPressedTabVisibleIndex})
    if (*index >= count) *index = -1;
  FRowCount = 0;
  if (FTabIndex >= FTabs->GetCount()) FTabIndex = FTabs->GetCount() - 1;
  FTopOrLeftPartRowCount = 0;
  if (count == 0) {
    FNavigatorButtons = TcxPCNavigatorButtons();
    SynchronizeNavigatorButtons();
    UpdateTabPosition(TcxPCNavigatorButtons());
    return;
  }
  CalculateTabNormalSizes();
  if (!FMultiLine) {
    FRowCount = 1;
    FTopOrLeftPartRowCount = FTabPosition == tpTop || FTabPosition == tpLeft ? 1 : 0;
    CalculateLongitudinalTabPositions();
    if (IsTooSmallControlSize()) return;
    for (Integer i = FLeadingTab; i <= FTrailingTab; ++i) {
      FVisibleTabList->GetTab(i)->SetLineIndex(0);
      FVisibleTabList->GetTab(i)->SetDisplayRow(0);
    }
    CalculateRowHeight();
    CalculateRowPositions();
  } else {
    FNavigatorButtons = TcxPCNavigatorButtons();
    SynchronizeNavigatorButtons();
    UpdateTabPosition(TcxPCNavigatorButtons());
    if (FTabsPosition.RowLength > 0) {
      PlaceVisibleTabsOnRows(FTabsPosition.RowLength, GetTabsGap());
      CalculateLongitudinalTabPositions();
      CalculateRowHeight();
      RearrangeRows();
    }
  }
}

void TcxCustomTabControl::CalculateTabNormalSizes() {
  if (FTabs->GetCount() == 0) OutError("CalculateTabNormalSizes", cxGetResourceString(&scxPCTabCountEqualsZero));
  FTabs->SetNormalHeight(FPainter->CalculateTabNormalHeight());
  for (Integer i = 0; i < FTabs->GetCount(); ++i) {
    TcxTab* tab = FTabs->GetTab(i);
    tab->Position().NormalWidth = tab->GetVisible() ? FPainter->CalculateTabNormalWidth(tab) : 0;
  }
}

void TcxCustomTabControl::CalculateTabNormalSize(TcxTab* ATab) {
  ATab->Position().NormalWidth = FPainter->CalculateTabNormalWidth(ATab);
}

// ---- Positions along the rows -------------------------------------------------------------------------
void TcxCustomTabControl::CalculateLongitudinalTabPositions() {
  if (FVisibleTabList->GetCount() == 0) return;
  if (FRowCount < 2)
    CalculateSingleRowPositions();
  else
    CalculateMultiRowPositions();
  if (IsTooSmallControlSize()) return;
  const TRect& outer = FTabsPosition.OuterTabsRect;
  for (TRect* r : {&FExtendedTopOrLeftTabsRect, &FExtendedBottomOrRightTabsRect})
    if (IsHorizontalPosition(FTabPosition)) {
      r->left = outer.left;
      r->right = outer.right;
    } else {
      r->top = outer.top;
      r->bottom = outer.bottom;
    }
}

void TcxCustomTabControl::CalculateSingleRowPositions() {
  const Integer last = FVisibleTabList->GetCount() - 1;
  const Integer rememberedLeading = FLeadingTab;
  FLeadingTab = 0;
  UpdateTabPosition(GetNavigatorButtonsFor(true));
  if (IsTooSmallControlSize()) {
    // Nothing can be shown; the scroll position is kept for when there is room again.
    FLeadingTab = rememberedLeading;
    FTrailingTab = FLeadingTab;
    return;
  }
  PositionRow(FLeadingTab, last, true);
  if (!FTrailingTabFullyShown) {
    FLeadingTab = rememberedLeading;
    UpdateTabPosition(GetNavigatorButtonsFor(false));
    if (IsTooSmallControlSize()) {
      FTrailingTab = FLeadingTab;
      return;
    }
    PositionRow(FLeadingTab, last, false);
    // No free room at the row's end while tabs before it are hidden.
    if (FTrailingTabFullyShown)
      while (FLeadingTab > 0) {
        --FLeadingTab;
        PositionRow(FLeadingTab, last, false);
        if (!FTrailingTabFullyShown) {
          ++FLeadingTab;
          PositionRow(FLeadingTab, last, false);
          break;
        }
      }
  }
  SynchronizeNavigatorButtons();
  UpdateButtonsState();
}

void TcxCustomTabControl::PositionRow(Integer AFirst, Integer ALast, bool APlaceAll) {
  const bool horizontal = IsHorizontalPosition(FTabPosition);
  const Integer start = PointGetter(FTabsPosition.InnerTabsRect.TopLeft(), !horizontal);
  const Integer length = FTabsPosition.RowLength;
  const Integer gap = GetTabsGap();
  Integer limit, d, c;
  if (IsRightToLeftAlignment(this) || IsBottomToTopAlignment(this)) {
    limit = -start;
    d = -1;
    c = start + length - 1;
  } else {
    limit = start + length - 1;
    d = 1;
    c = start;
  }
  Integer end = c;
  for (Integer i = AFirst; i <= ALast; ++i) {
    FTrailingTab = i;
    end = c + d * (GetTabLength(i) - 1);
    if (d == -1) c = end;
    PointSetter(FVisibleTabList->GetTab(i)->Position().NormalOrigin, !horizontal, c);
    c = end + d * (gap + 1);
    if (!APlaceAll && limit < d * c) break;
  }
  FTrailingTabFullyShown = d * end <= limit && FTrailingTab == ALast;
}

void TcxCustomTabControl::CalculateMultiRowPositions() {
  UpdateTabPosition(TcxPCNavigatorButtons());
  if (IsTooSmallControlSize()) return;
  const Integer gap = GetTabsGap();
  TcxPCLineIndexBoundsArray intervals;
  InitializeLineBoundsA(intervals, 0, FVisibleTabList->GetCount() - 1);
  const bool stretch = !FRotate && !FRaggedRight;
  for (Integer row = 0; row < static_cast<Integer>(intervals.size()); ++row) {
    const TcxPCIndexInterval interval = intervals[static_cast<size_t>(row)];
    if (stretch) {
      // The row's spare room is shared out in proportion to the tabs' widths; the last tab takes
      // what the rounding leaves.
      const Integer spare = FTabsPosition.RowLength - GetLineWidth(intervals, row, gap);
      Int64 sum = 0;
      for (Integer i = interval.First; i <= interval.Last; ++i) sum += GetTabLength(i);
      if (spare > 0 && sum > 0) {
        Integer given = 0;
        for (Integer i = interval.First; i < interval.Last; ++i) {
          Integer& width = FVisibleTabList->GetTab(i)->Position().NormalWidth;
          const auto share = static_cast<Integer>(static_cast<Int64>(width) * spare / sum);
          width += share;
          given += share;
        }
        FVisibleTabList->GetTab(interval.Last)->Position().NormalWidth += spare - given;
      }
    }
    PositionRow(interval.First, interval.Last, false);
  }
}

// ---- Filling and balancing rows ----------------------------------------------------------------------------
Integer TcxCustomTabControl::GetLineWidth(const TcxPCLineIndexBoundsArray& AIntervals, Integer ARow, Integer AGap) {
  const TcxPCIndexInterval& interval = AIntervals[static_cast<size_t>(ARow)];
  Integer width = AGap * (interval.Last - interval.First);
  for (Integer i = interval.First; i <= interval.Last; ++i) width += GetTabLength(i);
  return width;
}

void TcxCustomTabControl::InitializeLineBoundsA(TcxPCLineIndexBoundsArray& AIntervals, Integer AFirst, Integer ALast) {
  const Integer base = FVisibleTabList->GetTab(AFirst)->GetLineIndex();
  AIntervals.assign(static_cast<size_t>(FVisibleTabList->GetTab(ALast)->GetLineIndex() - base + 1),
                    TcxPCIndexInterval{});
  size_t k = 0;
  AIntervals[0].First = AFirst;
  for (Integer i = AFirst; i <= ALast; ++i)
    if (FVisibleTabList->GetTab(i)->GetLineIndex() - base > static_cast<Integer>(k) && k + 1 < AIntervals.size()) {
      AIntervals[k].Last = i - 1;
      AIntervals[++k].First = i;
    }
  AIntervals[k].Last = ALast;
}

void TcxCustomTabControl::PlaceVisibleTabsOnRows(Integer ARowLength, Integer AGap) {
  const Integer count = FVisibleTabList->GetCount();
  FRowCount = 1;
  Integer used = 0, groupStart = 0;
  for (Integer i = 0; i < count; ++i) {
    TcxTab* tab = FVisibleTabList->GetTab(i);
    const Integer length = GetTabLength(i);
    if (length >= ARowLength) {
      // A wide tab closes the run before it and takes a row of its own, cut to the row length
      // unless the painter needs it wider.
      if (used != 0) {
        ++FRowCount;
        used = 0;
      }
      if (groupStart < i && FRowCount - 1 - FVisibleTabList->GetTab(groupStart)->GetLineIndex() > 1)
        BalanceRun(groupStart, i - 1, ARowLength, AGap);
      groupStart = i + 1;
      if (!FRotate && FPainter->GetMinTabNormalWidth(i) < ARowLength) tab->Position().NormalWidth = ARowLength;
      tab->SetLineIndex(FRowCount - 1);
      if (i != count - 1) ++FRowCount;
    } else if (used + length > ARowLength) {
      ++FRowCount;
      tab->SetLineIndex(FRowCount - 1);
      used = length + AGap;
    } else {
      tab->SetLineIndex(FRowCount - 1);
      used += length + AGap;
    }
  }
  if (groupStart < count - 1 && FRowCount - 1 - FVisibleTabList->GetTab(groupStart)->GetLineIndex() > 0)
    BalanceRun(groupStart, count - 1, ARowLength, AGap);
}

namespace {
// The rows of a run being balanced. A row costs 2 raised to its slack, so that short rows cost
// exponentially more and the total is smallest when the free room is spread evenly. The costs are
// kept scaled by one power of two for the whole run, chosen so that the largest possible slack stays
// within the range of a double: the scale changes no comparison, and no cost overflows however wide
// the rows are.
class TRowBalancer {
 public:
  TRowBalancer(std::function<Integer(Integer)> ATabLength, Integer ARowLength, Integer AGap)
      : FTabLength(std::move(ATabLength)), FRowLength(ARowLength), FGap(AGap) {
    FScale = std::max(0, ARowLength + std::abs(AGap) - 1000);
  }

  void Balance(TcxPCLineIndexBoundsArray& AIntervals) const {
    while (ImproveStep(AIntervals)) {
    }
  }

 private:
  static bool IsEmpty(const TcxPCIndexInterval& AInterval) { return AInterval.Last < AInterval.First; }

  Integer LineWidth(const TcxPCLineIndexBoundsArray& AIntervals, size_t ARow) const {
    const TcxPCIndexInterval& interval = AIntervals[ARow];
    Integer width = FGap * (interval.Last - interval.First);
    for (Integer i = interval.First; i <= interval.Last; ++i) width += FTabLength(i);
    return width;
  }
  double Cost(const TcxPCLineIndexBoundsArray& AIntervals, size_t ARow) const {
    return std::ldexp(1.0, FRowLength - LineWidth(AIntervals, ARow) - FScale);
  }
  double Total(const TcxPCLineIndexBoundsArray& AIntervals) const {
    double total = 0;
    for (size_t row = 0; row < AIntervals.size(); ++row) total += Cost(AIntervals, row);
    return total;
  }
  // The row takes the last tab of the row before it (-1) or the first of the row after it (+1); it
  // succeeds when that lowers the row's cost and the row still fits.
  bool TryMove(TcxPCLineIndexBoundsArray& AIntervals, size_t ARow, Integer ADirection) const {
    TcxPCLineIndexBoundsArray t = AIntervals;
    const double old = Cost(t, ARow);
    if (ADirection < 0) {
      if (ARow < 1 || IsEmpty(t[ARow - 1])) return false;
      --t[ARow].First;
      --t[ARow - 1].Last;
    } else {
      if (ARow + 1 >= t.size() || IsEmpty(t[ARow + 1])) return false;
      ++t[ARow].Last;
      ++t[ARow + 1].First;
    }
    if (!(Cost(t, ARow) < old) || LineWidth(t, ARow) > FRowLength) return false;
    AIntervals = std::move(t);
    return true;
  }
  bool ImproveStep(TcxPCLineIndexBoundsArray& AIntervals) const {
    // Pull: from the last row up, each row pulls tabs down from the row before it while that does not
    // raise the total.
    const double start = Total(AIntervals);
    TcxPCLineIndexBoundsArray t = AIntervals;
    for (size_t n = t.size() - 1;;) {
      const double before = Total(t);
      if (TryMove(t, n, -1) && Total(t) <= before) continue;
      if (Total(t) < start) {
        AIntervals = std::move(t);
        return true;
      }
      if (n == 0) break;
      --n;
    }
    // Push forward, then push back: the first single move that lowers the total.
    for (Integer direction : {1, -1})
      for (size_t row = 0; row < AIntervals.size(); ++row) {
        TcxPCLineIndexBoundsArray moved = AIntervals;
        TryMove(moved, row, direction);
        if (Total(moved) < Total(AIntervals)) {
          AIntervals = std::move(moved);
          return true;
        }
      }
    return false;
  }

  std::function<Integer(Integer)> FTabLength;
  Integer FRowLength;
  Integer FGap;
  Integer FScale;
};
}  // namespace

void TcxCustomTabControl::BalanceRun(Integer AFirst, Integer ALast, Integer ARowLength, Integer AGap) {
  if (FRotate && FRaggedRight) return;
  TcxPCLineIndexBoundsArray intervals;
  InitializeLineBoundsA(intervals, AFirst, ALast);
  TRowBalancer([this](Integer i) { return GetTabLength(i); }, ARowLength, AGap).Balance(intervals);
  const Integer firstRow = FVisibleTabList->GetTab(intervals[0].First)->GetLineIndex();
  for (size_t k = 0; k < intervals.size(); ++k)
    for (Integer i = intervals[k].First; i <= intervals[k].Last; ++i)
      FVisibleTabList->GetTab(i)->SetLineIndex(firstRow + static_cast<Integer>(k));
}

// ---- Across the rows ---------------------------------------------------------------------------------------
void TcxCustomTabControl::CalculateRowHeight() {
  if (!FRotate) {
    FRowHeight = FTabs->GetNormalHeight();
    return;
  }
  Integer first, last;
  if (FOptions.Contains(pcoFixedTabWidthWhenRotated)) {
    first = 0;
    last = FVisibleTabList->GetCount() - 1;
  } else {
    InitializeVisibleTabRange(this, first, last);
  }
  TcxTab* widest = nullptr;
  for (Integer i = first; i <= last; ++i) {
    TcxTab* tab = FVisibleTabList->GetTab(i);
    if (tab->Position().NormalWidth > 0 && (!widest || tab->Position().NormalWidth > widest->Position().NormalWidth))
      widest = tab;
  }
  if (!widest) {
    FMaxTabCaptionWidth = 0;
    FRowHeight = 0;
  } else {
    FMaxTabCaptionWidth = TextSize(widest, widest->GetCaption()).cx;
    FRowHeight = widest->Position().NormalWidth;
  }
  if (FMaxRotatedTabWidth > 0 && FMaxRotatedTabWidth >= FPainter->GetMinTabNormalWidth(-1) &&
      FRowHeight > FMaxRotatedTabWidth)
    FRowHeight = FMaxRotatedTabWidth;
}

void TcxCustomTabControl::CalculateRowPositions() {
  const bool acrossY = IsHorizontalPosition(FTabPosition);
  const TRect& inner = FTabsPosition.InnerTabsRect;
  const TRect& outer = FTabsPosition.OuterTabsRect;
  const Integer nearEdge = acrossY ? inner.top : inner.left, farEdge = acrossY ? inner.bottom : inner.right;
  const Integer outerNear = acrossY ? outer.top : outer.left, outerFar = acrossY ? outer.bottom : outer.right;
  const Integer gap = GetRowsGap();
  for (Integer i = 0; i < FVisibleTabList->GetCount(); ++i) {
    TcxTab* tab = FVisibleTabList->GetTab(i);
    const Integer r = tab->GetDisplayRow();
    const Integer across = r < FTopOrLeftPartRowCount
                               ? nearEdge + r * (FRowHeight + gap)
                               : farEdge - (FRowCount - r) * FRowHeight - (FRowCount - r - 1) * gap;
    PointSetter(tab->Position().NormalOrigin, acrossY, across);
  }
  auto setAcross = [acrossY](TRect& R, Integer ANear, Integer AFar) {
    if (acrossY) {
      R.top = ANear;
      R.bottom = AFar;
    } else {
      R.left = ANear;
      R.right = AFar;
    }
  };
  Integer topOrLeftFar = std::min(
      outerFar, nearEdge + FTopOrLeftPartRowCount * (FRowHeight + gap) - gap + FTabsPosition.TopOrLeftPartBorderOffset);
  Integer bottomOrRightNear =
      std::max(outerNear, farEdge - (FRowCount - FTopOrLeftPartRowCount) * (FRowHeight + gap) + gap +
                              FTabsPosition.BottomOrRightPartBorderOffset);
  if (FTopOrLeftPartRowCount != 0 && FTopOrLeftPartRowCount != FRowCount) {
    // The side away from the tab position gives way so that the two parts keep their distance.
    if (FTabPosition == tpTop || FTabPosition == tpLeft) {
      const Integer b = std::min(topOrLeftFar + FTabsPosition.MinPartsDistance, outerFar);
      if (b > bottomOrRightNear) bottomOrRightNear = b;
    } else {
      const Integer b = std::max(bottomOrRightNear - FTabsPosition.MinPartsDistance, outerNear);
      if (b < topOrLeftFar) topOrLeftFar = b;
    }
  }
  setAcross(FExtendedTopOrLeftTabsRect, outerNear, topOrLeftFar);
  setAcross(FExtendedBottomOrRightTabsRect, bottomOrRightNear, outerFar);
}

void TcxCustomTabControl::RearrangeRows() {
  const bool rotatedReading = FRotate && !FOptions.Contains(pcoTopToBottomText);
  bool reverse;
  if (FTabPosition == tpLeft || FTabPosition == tpRight)
    reverse = (!FRotate && FOptions.Contains(pcoTopToBottomText)) != (FTabPosition == tpRight);
  else
    reverse = FTabPosition == tpTop ? rotatedReading : !rotatedReading;
  const Integer count = FVisibleTabList->GetCount();
  for (Integer i = 0; i < count; ++i) {
    TcxTab* tab = FVisibleTabList->GetTab(i);
    tab->SetDisplayRow(reverse ? FRowCount - tab->GetLineIndex() - 1 : tab->GetLineIndex());
  }
  Integer parts = FRowCount;
  if (FMainTabVisibleIndex != -1 && FMainTabVisibleIndex < count && FRowCount > 0) {
    const Integer mainRow = FVisibleTabList->GetTab(FMainTabVisibleIndex)->GetDisplayRow();
    if (FScrollOpposite) {
      parts = mainRow + 1;
    } else if (FPainter->IsMainTabBoundWithClient()) {
      // The rows turn so that the selected tab's row touches the page.
      for (Integer i = 0; i < count; ++i) {
        TcxTab* tab = FVisibleTabList->GetTab(i);
        tab->SetDisplayRow((tab->GetDisplayRow() + FRowCount - mainRow - 1) % FRowCount);
      }
    }
  }
  FTopOrLeftPartRowCount = parts;
  if (FTabPosition == tpBottom || FTabPosition == tpRight) {
    for (Integer i = 0; i < count; ++i) {
      TcxTab* tab = FVisibleTabList->GetTab(i);
      tab->SetDisplayRow(FRowCount - tab->GetDisplayRow() - 1);
    }
    FTopOrLeftPartRowCount = FRowCount - FTopOrLeftPartRowCount;
  }
  CalculateRowPositions();
}

// ---- Scrolling the single row into view ---------------------------------------------------------------------
void TcxCustomTabControl::CorrectFirstVisibleTab(Integer AVisibleIndex) {
  if (AVisibleIndex < FLeadingTab) {
    FLeadingTab = AVisibleIndex;
    return;
  }
  if ((AVisibleIndex == FTrailingTab && FTrailingTabFullyShown) || AVisibleIndex < FTrailingTab) return;
  TcxPCTabsPosition position;
  FPainter->GetTabsPosition(FNavigatorButtons, position);
  FLeadingTab = AVisibleIndex;
  if (position.RowLength < 1) return;
  // The tab becomes the last one shown, with as many tabs before it as fit.
  const Integer gap = GetTabsGap();
  Integer length = GetTabLength(AVisibleIndex);
  while (gap + length < position.RowLength && FLeadingTab >= 1) {
    --FLeadingTab;
    length += gap + GetTabLength(FLeadingTab);
    if (position.RowLength < length) {
      ++FLeadingTab;
      break;
    }
  }
}

Integer TcxCustomTabControl::GetOptimalSize() {
  const Integer count = FVisibleTabList->GetCount();
  if (count == 0) return 0;
  CalculateTabNormalSizes();
  UpdateTabPosition(GetNavigatorButtonsFor(true));
  const bool horizontal = IsHorizontalPosition(FTabPosition);
  const Integer gap = GetTabsGap();
  Integer p = PointGetter(FTabsPosition.InnerTabsRect.TopLeft(), !horizontal);
  const Integer rowEnd = p + FTabsPosition.RowLength - 1;
  for (Integer i = 0; i < count; ++i) p += i < count - 1 ? GetTabLength(i) + gap : GetTabLength(i) - 1;
  FTrailingTabFullyShown = rowEnd >= p;
  return p + (horizontal ? GetWidth() : GetHeight()) - rowEnd;
}

}  // namespace cxPC
