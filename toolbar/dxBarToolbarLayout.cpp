// The row layout of a toolbar window: where its item controls go in one line or in wrapped rows,
// the group separators, and the size questions that docking, moving and sizing ask.
#include <algorithm>
#include <limits>

#include "WinUser.h"
#include "cxGeometry.h"
#include "dxBarBar.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlViewInfo.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarOptions.h"
#include "dxBarPainter.h"
#include "dxBarToolbarControl.h"

namespace dxBar {

namespace {
bool IsVerticalStyle(TdxBarDockingStyle AStyle) { return AStyle == dsLeft || AStyle == dsRight; }
Integer Along(const TRect& R, bool AVertical) { return AVertical ? R.Height() : R.Width(); }
Integer Across(const TRect& R, bool AVertical) { return AVertical ? R.Width() : R.Height(); }
Integer AlongSize(TdxBarItemControl* AControl, bool AVertical) {
  return AVertical ? AControl->GetRealHeight() : AControl->GetRealWidth();
}
Integer AcrossSize(TdxBarItemControl* AControl, bool AVertical) {
  return AVertical ? AControl->GetRealWidth() : AControl->GetRealHeight();
}
TPoint SizeOf(Integer AAlong, Integer AAcross, bool AVertical) {
  return AVertical ? TPoint(AAcross, AAlong) : TPoint(AAlong, AAcross);
}
TdxBarItemControl* ControlOf(TdxBarItemLink* ALink) {
  if (!ALink->GetControl()) ALink->CreateControl();
  return ALink->GetControl();
}
}  // namespace

// ---- Per-control row flags ------------------------------------------------------------------------------------
bool TdxBarControl::IsLastInRow(TdxBarItemControl* AControl) const {
  return std::find(FLastInRowControls.begin(), FLastInRowControls.end(), AControl) != FLastInRowControls.end();
}

bool TdxBarControl::IsNewRow(TdxBarItemControl* AControl) const {
  return std::find(FNewRowControls.begin(), FNewRowControls.end(), AControl) != FNewRowControls.end();
}

void TdxBarControl::SetRowFlags(TdxBarItemControl* AControl, bool ALastInRow, bool ANewRow) {
  auto set = [AControl](std::vector<TdxBarItemControl*>& AList, bool AValue) {
    auto it = std::find(AList.begin(), AList.end(), AControl);
    if (AValue && it == AList.end()) AList.push_back(AControl);
    if (!AValue && it != AList.end()) AList.erase(it);
  };
  set(FLastInRowControls, ALastInRow);
  set(FNewRowControls, ANewRow);
}

// The flags name controls by address: they go with the controls.
void TdxBarControl::DoDestroyControls() {
  inherited::DoDestroyControls();
  FLastInRowControls.clear();
  FNewRowControls.clear();
}

void TdxBarControl::ClearRowFlags(TdxBarItemControl* AControl) {
  SetRowFlags(AControl, false, IsNewRow(AControl));
}

// ---- Row layout -------------------------------------------------------------------------------------------------
void TdxBarControl::CalcControlsPositions() {
  inherited::CalcControlsPositions();
  CalcItemRects(GetPaintType(), 0);
}

// Every link of a finished row gets the row's height and is centred across it.
void TdxBarControl::CenterRow(Integer AFirstIndex, Integer ALastIndex, Integer ARowHeight, bool AVertical) {
  TdxBarItemLinks* links = GetItemLinks();
  for (Integer i = AFirstIndex; i <= ALastIndex; ++i) {
    TdxBarItemLink* link = links->GetVisibleItem(i);
    TRect R = link->GetItemRect();
    if (cxRectIsEmpty(R)) continue;
    link->SetRowHeight(ARowHeight);
    const Integer shift = (ARowHeight - Across(R, AVertical)) / 2;
    link->SetItemRect(AVertical ? cxRectOffset(R, -shift, 0) : cxRectOffset(R, 0, shift));
  }
}

void TdxBarControl::CalcRowItemRects() {
  TdxBarItemLinks* links = GetItemLinks();
  if (!links) return;
  const bool vertical = GetVertical();
  const bool multiLine = GetMultiLine();
  const TRect client = GetItemsRect();
  const Integer mdiAlong = MDIButtonsOnBar() ? (vertical ? GetMDIHeight() : GetMDIWidth()) : 0;
  Integer rowLength = Along(client, vertical) - (GetDockingStyle() != dsNone ? GetMarkSize() : 0);
  Integer rowHeight = 0;
  const Integer crossExtent = client.Width();
  if (!multiLine) {
    rowHeight = Across(client, vertical);
    rowLength -= mdiAlong;
  }
  Integer position = 0, rowOffset = 0, rowStart = 0, lastPlaced = -1;
  const Integer count = links->GetVisibleItemCount();
  for (Integer i = 0; i < count; ++i) {
    TdxBarItemLink* link = links->GetVisibleItem(i);
    TdxBarItemControl* control = ControlOf(link);
    if (!control) continue;
    ClearRowFlags(control);
    Integer along = AlongSize(control, vertical);
    const Integer across = AcrossSize(control, vertical);
    Integer gap = link->GetBeginGroup() && position > 0 ? GetBeginGroupSize() : 0;
    const bool overflow = ((position > 0 || (!multiLine && CanHideAllItemsInSingleLine())) &&
                           rowLength < position + gap + along) ||
                          (multiLine && IsNewRow(control) && lastPlaced >= 0);
    if (overflow) {
      if (!multiLine) break;
      TdxBarItemControl* previous = links->GetVisibleItem(lastPlaced)->GetControl();
      SetRowFlags(previous, true, IsNewRow(previous));
      CenterRow(rowStart, lastPlaced, rowHeight, vertical);
      rowOffset += rowHeight + gap;
      position = gap = rowHeight = 0;
      rowStart = i;
    }
    Integer start = position + gap;
    const TdxBarItemAlign align = control->GetAlign();
    if (align != iaLeft) {
      Integer rowEnd = rowLength;
      if (multiLine && mdiAlong > 0 && start + along <= rowLength - mdiAlong) rowEnd -= mdiAlong;
      if (align == iaCenter)
        start = std::max(start, start + (rowEnd - start - along) / 2);
      else if (align == iaRight)
        start = std::max(start, rowEnd - along);
      else if (align == iaClient)
        along = std::max(rowEnd - start, vertical ? control->GetMinHeight() : control->GetMinWidth());
      // The item takes the rest of the row: what follows wraps, or stays hidden behind the mark.
      if (i < count - 1) FMarkForced = true;
      position = std::max(rowEnd, start + along);
      gap = 0;
    } else {
      position += gap + along;
    }
    TRect R;
    if (multiLine && vertical)
      R = TRect(crossExtent - rowOffset - across, start, crossExtent - rowOffset, start + along);
    else if (multiLine)
      R = TRect(start, rowOffset, start + along, rowOffset + across);
    else if (vertical)
      R = TRect((client.Width() - across) / 2, start, (client.Width() - across) / 2 + across, start + along);
    else
      R = TRect(start, (client.Height() - across) / 2, start + along, (client.Height() - across) / 2 + across);
    link->SetItemRect(cxRectOffset(R, client.left, client.top));
    link->SetRowHeight(rowHeight);
    rowHeight = std::max(rowHeight, across);
    lastPlaced = i;
  }
  if (lastPlaced < 0) return;
  TdxBarItemControl* last = links->GetVisibleItem(lastPlaced)->GetControl();
  SetRowFlags(last, true, IsNewRow(last));
  if (multiLine) CenterRow(rowStart, lastPlaced, rowHeight, vertical);
}

bool TdxBarControl::CanAlignControl(TdxBarItemControl* AControl) {
  TdxBarItemLinks* links = GetItemLinks();
  if (!FBar || !FBar->GetUseRestSpace() || !links || !AControl) return false;
  const Integer count = links->GetCanVisibleItemCount();
  return count > 0 && links->GetCanVisibleItem(count - 1) == AControl->GetItemLink();
}

// ---- Wrapping ---------------------------------------------------------------------------------------------------
void TdxBarControl::GetMultiLineBarSize(TdxBarDockingStyle AStyle, Integer ALength, TPoint& ASize) {
  TdxBarItemLinks* links = GetItemLinks();
  const bool vertical = IsVerticalStyle(AStyle);
  const Integer givenAlong = vertical ? ASize.y : ASize.x;
  Integer length = std::max(ALength, givenAlong);
  if (AStyle != dsNone) length -= GetMarkSize();
  const Integer groupGap = GetBeginGroupSize();
  Integer position = 0, widest = 0, rowHeight = 0, total = 0;
  Integer groupStart = -1, groupPosition = 0, groupRowHeight = 0;
  bool retrying = false, rowStartFlag = true, anyItem = false;
  const Integer count = links ? links->GetVisibleItemCount() : 0;
  for (Integer i = 0; i < count;) {
    TdxBarItemControl* control = ControlOf(links->GetVisibleItem(i));
    if (!control) {
      ++i;
      continue;
    }
    anyItem = true;
    const Integer along = AlongSize(control, vertical);
    Integer gap = 0;
    if (links->GetVisibleItem(i)->GetBeginGroup() && position > 0) {
      gap = groupGap;
      groupStart = i;
      groupPosition = position;
      groupRowHeight = rowHeight;
    }
    Integer end = position + gap + along;
    if ((position > 0 && length < end) || retrying || (gap > 0 && !rowStartFlag)) {
      SetRowFlags(control, IsLastInRow(control), true);
      rowStartFlag = false;
      if (groupStart >= 0) {
        if (!retrying) {
          // Break the row at its last group start rather than inside the group.
          i = groupStart;
          position = groupPosition;
          rowHeight = groupRowHeight;
          retrying = rowStartFlag = true;
          continue;
        }
        rowStartFlag = true;
        retrying = false;
      }
      end = along;
      groupStart = -1;
      widest = std::max(widest, position);
      total += rowHeight + gap;
      rowHeight = 0;
    } else {
      SetRowFlags(control, IsLastInRow(control), false);
    }
    position = end;
    rowHeight = std::max(rowHeight, AcrossSize(control, vertical));
    ++i;
  }
  widest = std::max(widest, position);
  Integer across = anyItem ? total + rowHeight : 0;
  if (MDIButtonsOnBar()) {
    const Integer mdiAlong = vertical ? GetMDIHeight() : GetMDIWidth();
    if (length >= position + mdiAlong)
      widest = std::max(widest, position + mdiAlong);
    else
      across += vertical ? GetMDIWidth() : GetMDIHeight();
  }
  const Integer givenAcross = vertical ? ASize.x : ASize.y;
  ASize = SizeOf(std::max(givenAlong, widest), std::max(givenAcross, across), vertical);
  CalcLayout();
}

// ---- Extents ------------------------------------------------------------------------------------------------------
// AHeights: the extent asked for is a height (else a width); it runs along the bar when the style's
// axis is the same.
namespace {
bool IsMultiLineStyle(TdxBar* ABar, TdxBarDockingStyle AStyle) {
  return AStyle == dsNone || (ABar && ABar->GetMultiLine());
}
Integer Extent(TdxBarItemControl* AControl, bool AHeights) {
  return AHeights ? AControl->GetRealHeight() : AControl->GetRealWidth();
}

// Sets the links' recent item count for a measurement and puts the previous one back afterwards.
class TRecentCountScope {
 public:
  TRecentCountScope(TdxBarItemLinks* ALinks, Integer ACount) : FLinks(ALinks) {
    if (FLinks) {
      FSaved = FLinks->GetRecentItemCount();
      if (FSaved != ACount) FLinks->SetRecentItemCount(ACount);
    }
  }
  ~TRecentCountScope() {
    if (FLinks && FLinks->GetRecentItemCount() != FSaved) FLinks->SetRecentItemCount(FSaved);
  }

 private:
  TdxBarItemLinks* FLinks;
  Integer FSaved = -1;
};
}  // namespace

Integer TdxBarControl::GetMDIWidth() {
  if (!MDIButtonsOnBar()) return 0;
  return RealMDIButtonsOnBar() && !GetVertical() ? 3 * FMDIButtonWidth + 2 : FMDIButtonWidth;
}

Integer TdxBarControl::GetMDIHeight() {
  if (!MDIButtonsOnBar()) return 0;
  return RealMDIButtonsOnBar() && GetVertical() ? 3 * FMDIButtonHeight + 2 : FMDIButtonHeight;
}

Integer TdxBarControl::EmptyBarExtent(bool AHeights) {
  TdxBarPainter* painter = GetPainter();
  TdxBarManager* manager = GetBarManager();
  const Integer glyph = manager && manager->GetImageOptions() ? manager->GetImageOptions()->GetGlyphSize() : 16;
  if (!painter) return 0;
  return AHeights ? painter->GetButtonHeight(std::max(glyph, GetTextSize())) : painter->GetButtonWidth(glyph);
}

Integer TdxBarControl::LargestCanVisibleExtent(bool AHeights, bool AEmptyBarButton) {
  TdxBarItemLinks* links = GetItemLinks();
  Integer result = 0;
  bool any = false;
  for (Integer i = 0; links && i < links->GetCanVisibleItemCount(); ++i)
    if (TdxBarItemControl* control = ControlOf(links->GetCanVisibleItem(i))) {
      result = std::max(result, Extent(control, AHeights));
      any = true;
    }
  if (!any && AEmptyBarButton) result = EmptyBarExtent(AHeights);
  return std::max(result, AHeights ? GetMDIHeight() : GetMDIWidth());
}

Integer TdxBarControl::GetMinExtent(TdxBarDockingStyle AStyle, bool AHeights) {
  TdxBarItemLinks* links = GetItemLinks();
  Integer result;
  if (AHeights != IsVerticalStyle(AStyle) || IsMultiLineStyle(FBar, AStyle)) {
    result = LargestCanVisibleExtent(AHeights, AStyle != dsNone);
    if (AStyle == dsNone && !AHeights) {
      TdxBarPainter* painter = GetPainter();
      const Integer closeWidth = HasCloseButton() && painter ? painter->BarCloseButtonSize().cx : 0;
      result = std::max(result, std::max(GetMarkSize() + closeWidth, 51));
    }
  } else {
    TRecentCountScope recent(links, links && links->CanUseRecentItems() ? 1 : links ? links->GetRecentItemCount() : -1);
    TdxBarItemControl* first = links && links->GetVisibleItemCount() > 0 ? ControlOf(links->GetVisibleItem(0)) : nullptr;
    result = (first ? Extent(first, AHeights) : EmptyBarExtent(AHeights)) + (AHeights ? GetMDIHeight() : GetMDIWidth());
  }
  if (AHeights ? GetVertical() : GetHorizontal()) result += GetMarkSize();
  return result;
}

Integer TdxBarControl::GetMaxExtent(TdxBarDockingStyle AStyle, bool AHeights) {
  TdxBarItemLinks* links = GetItemLinks();
  Integer result = 0;
  if (AHeights == IsVerticalStyle(AStyle) || IsMultiLineStyle(FBar, AStyle)) {
    TRecentCountScope recent(links, -1);
    for (Integer i = 0; links && i < links->GetVisibleItemCount(); ++i) {
      TdxBarItemLink* link = links->GetVisibleItem(i);
      if (TdxBarItemControl* control = ControlOf(link))
        result += Extent(control, AHeights) + (i > 0 && link->GetBeginGroup() ? GetBeginGroupSize() : 0);
    }
    result += AHeights ? GetMDIHeight() : GetMDIWidth();
    if (AHeights ? GetVertical() : GetHorizontal()) result += GetMarkSize();
  } else {
    result = LargestCanVisibleExtent(AHeights, false);
  }
  return std::max(result, GetMinExtent(AStyle, AHeights));
}

Integer TdxBarControl::GetMinWidth(TdxBarDockingStyle AStyle) { return GetMinExtent(AStyle, false); }
Integer TdxBarControl::GetMinHeight(TdxBarDockingStyle AStyle) { return GetMinExtent(AStyle, true); }
Integer TdxBarControl::GetMaxWidth(TdxBarDockingStyle AStyle) { return GetMaxExtent(AStyle, false); }
Integer TdxBarControl::GetMaxHeight(TdxBarDockingStyle AStyle) { return GetMaxExtent(AStyle, true); }

// ---- Size for a length ------------------------------------------------------------------------------------------
// A single-line bar in AStyle given ALength along its axis: as many leading items as fit (the first
// always), or with recent items the largest recent count that fits.
TPoint TdxBarControl::SingleLineSizeForLength(TdxBarDockingStyle AStyle, Integer ALength) {
  TdxBarItemLinks* links = GetItemLinks();
  const bool vertical = IsVerticalStyle(AStyle);
  const Integer minAlong = GetMinExtent(AStyle, vertical);
  const Integer mdiAlong = vertical ? GetMDIHeight() : GetMDIWidth();
  const Integer mdiAcross = vertical ? GetMDIWidth() : GetMDIHeight();
  const Integer markSize = GetMarkSize();
  const Integer length = std::max(ALength, minAlong) - mdiAlong - markSize;
  // The extent of the leading visible items that fit into ALimit (all of them with no limit).
  auto fit = [&](Integer ALimit, Integer& AAcross) {
    Integer along = 0;
    AAcross = 0;
    for (Integer i = 0; links && i < links->GetVisibleItemCount(); ++i) {
      TdxBarItemLink* link = links->GetVisibleItem(i);
      TdxBarItemControl* control = ControlOf(link);
      if (!control) continue;
      const Integer next = along + (along > 0 && link->GetBeginGroup() ? GetBeginGroupSize() : 0) +
                           AlongSize(control, vertical);
      if (along > 0 && next > ALimit) break;
      along = next;
      AAcross = std::max(AAcross, AcrossSize(control, vertical));
    }
    return along;
  };
  Integer fittedAlong = 0, fittedAcross = 0;
  TdxBarManager* manager = GetBarManager();
  if (!links || !links->CanUseRecentItems() || (manager && manager->GetDesigning())) {
    fittedAlong = fit(length, fittedAcross);
  } else {
    const Integer count = links->GetCanVisibleItemCount();
    Integer fitting = count;
    for (Integer n = 1; n <= count; ++n) {
      links->SetRecentItemCount(n);
      Integer across = 0;
      if (fit(std::numeric_limits<Integer>::max(), across) > length) {
        fitting = std::max(1, n - 1);
        break;
      }
    }
    links->SetRecentItemCount(fitting);
    fittedAlong = fit(std::numeric_limits<Integer>::max(), fittedAcross);
  }
  const Integer along = std::max(minAlong, fittedAlong + markSize) + mdiAlong;
  return SizeOf(along, std::max(fittedAcross, mdiAcross), vertical);
}

TPoint TdxBarControl::GetSizeForWidth(TdxBarDockingStyle AStyle, Integer AWidth) {
  ShowAllItems();
  if (IsMultiLineStyle(FBar, AStyle)) {
    if (!IsVerticalStyle(AStyle)) {
      TPoint size(GetMinWidth(AStyle), GetMinHeight(AStyle));
      GetMultiLineBarSize(AStyle, AWidth, size);
      return size;
    }
    TPoint size = GetSizeForHeight(AStyle, GetMaxHeight(AStyle));
    while (size.x < AWidth) {
      const TPoint next = GetSizeForHeight(AStyle, size.y - 1);
      if (next.y >= size.y) break;
      size = next;
    }
    return size;
  }
  if (IsVerticalStyle(AStyle)) return TPoint(GetMinWidth(AStyle), GetMaxHeight(AStyle));
  return SingleLineSizeForLength(AStyle, AWidth);
}

TPoint TdxBarControl::GetSizeForHeight(TdxBarDockingStyle AStyle, Integer AHeight) {
  ShowAllItems();
  if (IsMultiLineStyle(FBar, AStyle)) {
    if (IsVerticalStyle(AStyle)) {
      TPoint size(GetMinWidth(AStyle), GetMinHeight(AStyle));
      GetMultiLineBarSize(AStyle, AHeight, size);
      return size;
    }
    TPoint size = GetSizeForWidth(AStyle, GetMaxWidth(AStyle));
    while (size.y < AHeight) {
      const TPoint next = GetSizeForWidth(AStyle, size.x - 1);
      if (next.x >= size.x) break;
      size = next;
    }
    return size;
  }
  if (!IsVerticalStyle(AStyle)) return TPoint(GetMaxWidth(AStyle), GetMinHeight(AStyle));
  return SingleLineSizeForLength(AStyle, AHeight);
}

// The size questions measure every item: the recent count of an earlier fitting is dropped first.
void TdxBarControl::ShowAllItems() {
  TdxBarItemLinks* links = GetItemLinks();
  if (links && links->GetRecentItemCount() != -1 && links->CanUseRecentItems()) {
    links->SetRecentItemCount(-1);
    CalcLayout();
  }
}

TPoint TdxBarControl::GetSizeForPopup() { return TPoint(0, 0); }

TRect TdxBarControl::GetSizeAllCursorBounds() {
  if (GetDockingStyle() == dsNone || (FBar && FBar->GetBorderStyle() == bbsNone)) return TRect(0, 0, 0, 0);
  return GetVertical() ? TRect(-100, -100, 100, 0) : TRect(-100, -100, 0, 100);
}

// ---- View info and separators ---------------------------------------------------------------------------------
TdxBarControl* TdxBarControlViewInfo::GetBarControl() const {
  return static_cast<TdxBarControl*>(inherited::GetBarControl());
}

bool TdxBarControlViewInfo::CanShowButtonGroups() { return false; }
bool TdxBarControlViewInfo::CanShowSeparators() { return true; }
bool TdxBarControlViewInfo::IsLastVisibleItemControl(TdxBarItemControl*) { return false; }

// The item controls the layout shows, in link order; a link left without room (an empty rect) is not
// shown and takes no part in hit-testing.
void TdxBarControlViewInfo::Calculate() {
  TdxBarControl* bar = GetBarControl();
  bar->CalcControlsPositions();
  Clear();
  TdxBarItemLinks* links = bar->GetItemLinks();
  for (Integer i = 0; links && i < links->GetVisibleItemCount(); ++i) {
    TdxBarItemLink* link = links->GetVisibleItem(i);
    TdxBarItemControl* control = link->GetControl();
    if (!control || cxRectIsEmpty(link->GetItemRect())) continue;
    AddItemControlViewInfo(control->GetViewInfo());
    control->GetViewInfo()->SetBounds(link->GetItemRect());
    CalcSeparatorInfo(link);
    if (IsLastVisibleItemControl(control)) break;
  }
}

void TdxBarControlViewInfo::CalcSeparatorInfo(TdxBarItemLink* ALink) {
  if (!CanShowSeparators() || !ALink->GetBeginGroup() || ALink->GetVisibleIndex() <= 0) return;
  const TRect R = ALink->GetItemRect();
  if (!cxRectIsEmpty(R)) DoCalcSeparatorInfo(ALink, R);
}

void TdxBarControlViewInfo::DoCalcSeparatorInfo(TdxBarItemLink* ALink, const TRect& AItemRect) {
  TdxBarControl* bar = GetBarControl();
  const Integer s = bar->GetBeginGroupSize();
  const Integer m = bar->GetDockingStyle() != dsNone ? bar->GetMarkSize() : 0;
  const Integer r = ALink->GetRowHeight();
  const TRect client = bar->GetClientRect();
  const TRect& R = AItemRect;
  TdxBarItemControl* control = ALink->GetControl();
  if (!bar->GetVertical() && R.left == client.left && R.top > client.top) {
    const Integer bottom = R.top - (r - R.Height()) / 2;
    AddSeparatorInfo(TRect(client.left, bottom - s, client.right - m, bottom), skHorizontal, control);
  } else if (bar->GetVertical() && R.top > client.top) {
    const Integer left = R.left + R.Width() / 2 - r / 2;
    AddSeparatorInfo(TRect(left, R.top - s, left + r, R.top), skHorizontal, control);
  } else if (bar->GetVertical()) {
    const Integer left = R.right + (r - R.Width()) / 2;
    AddSeparatorInfo(TRect(left, client.top, left + s, client.bottom - m), skVertical, control);
  } else {
    const Integer top = R.top + R.Height() / 2 - r / 2;
    AddSeparatorInfo(TRect(R.left - s, top, R.left, top + r), skVertical, control);
  }
}

// ---- Drop position ----------------------------------------------------------------------------------------------
// Over no item but inside the client area, the drop goes to the row whose band holds the point: after
// its last control, or before its first when the point lies before the last one.
void TdxBarControl::CalcDragOverParameters(const TPoint& APoint, TdxBarItemLink*& ALink, bool& ASeparatorHit,
                                           bool& ABefore, bool& AVertical) {
  inherited::CalcDragOverParameters(APoint, ALink, ASeparatorHit, ABefore, AVertical);
  const TRect client = GetClientRect();
  TdxBarItemLinks* links = GetItemLinks();
  if (ALink || !links || !PtInRect(&client, APoint)) return;
  const bool vertical = GetVertical();
  Integer rowFirst = 0;
  for (Integer i = 0; i < links->GetVisibleItemCount(); ++i) {
    TdxBarItemLink* link = links->GetVisibleItem(i);
    TdxBarItemControl* control = link->GetControl();
    if (!control || !IsLastInRow(control)) continue;
    const Integer first = rowFirst;
    rowFirst = i + 1;
    if (!control->CanCustomize()) continue;
    const TRect R = GetFullItemRect(control);
    const bool inBand = vertical ? APoint.x >= R.left && APoint.x < R.right : APoint.y >= R.top && APoint.y < R.bottom;
    if (!inBand) continue;
    ALink = link;
    if ((vertical ? APoint.y : APoint.x) < (vertical ? R.top : R.left)) {
      ABefore = true;
      const TdxBarItemAlign align = control->GetAlign();
      if (align != iaCenter && align != iaRight) ALink = links->GetVisibleItem(first);
    }
    return;
  }
}

}  // namespace dxBar
