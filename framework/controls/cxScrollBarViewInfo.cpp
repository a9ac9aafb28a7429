// The geometry of the scroll bar: two arrows at the ends, the thumb in the track between them and
// the two page areas on either side of the thumb. Ranges are computed in 64 bits, so that any
// range of 32-bit positions is safe.
#include <algorithm>

#include "WinUser.h"
#include "cxGeometry.h"
#include "cxScrollBar.h"

namespace cxScrollBar {

namespace {

// ANumber / ADenominator rounded half away from zero, as MulDiv rounds.
Int64 RoundedDiv(Int64 ANumber, Int64 ADenominator) {
  Int64 q = ANumber / ADenominator, r = ANumber % ADenominator;
  if (2 * (r < 0 ? -r : r) >= (ADenominator < 0 ? -ADenominator : ADenominator))
    q += (ANumber < 0) != (ADenominator < 0) ? -1 : 1;
  return q;
}

}  // namespace

IMPLEMENT_CLASS(TcxScrollBarViewInfo)

TcxScrollBarViewInfo* TcxScrollBarViewInfo::Create(TClass AClass, TcxScrollBar* AScrollBar) {
  if (!AClass || !AClass->InheritsFrom(StaticClass()) || AClass->IsAbstract()) RaiseInvalidCast();
  auto* viewInfo = static_cast<TcxScrollBarViewInfo*>(AClass->NewInstance());
  viewInfo->FScrollBar = AScrollBar;
  return static_cast<TcxScrollBarViewInfo*>(TObject::Initialize(viewInfo));
}

bool TcxScrollBarViewInfo::IsHorizontal() const { return FScrollBar->GetKind() == sbHorizontal; }

Integer TcxScrollBarViewInfo::TrackStart() const {
  return IsHorizontal() ? FTopLeftArrowRect.right : FTopLeftArrowRect.bottom;
}

Integer TcxScrollBarViewInfo::TrackEnd() const {
  return IsHorizontal() ? FBottomRightArrowRect.left : FBottomRightArrowRect.top;
}

TRect TcxScrollBarViewInfo::AlongBar(Integer AStart, Integer AEnd) const {
  return IsHorizontal() ? TRect(AStart, 0, AEnd, FScrollBar->GetHeight())
                        : TRect(0, AStart, FScrollBar->GetWidth(), AEnd);
}

Integer TcxScrollBarViewInfo::ThumbStart() const {
  return IsHorizontal() ? FThumbnailRect.left : FThumbnailRect.top;
}

Integer TcxScrollBarViewInfo::ThumbLength() const {
  return IsHorizontal() ? FThumbnailRect.Width() : FThumbnailRect.Height();
}

void TcxScrollBarViewInfo::CalculateRects() {
  const Integer width = FScrollBar->GetWidth(), height = FScrollBar->GetHeight();
  if (IsHorizontal()) {
    const Integer arrow = std::min<Integer>(GetSystemMetrics(SM_CYHSCROLL), width / 2);
    FTopLeftArrowRect = TRect(0, 0, arrow, height);
    FBottomRightArrowRect = TRect(width - arrow, 0, width, height);
  } else {
    const Integer arrow = std::min<Integer>(GetSystemMetrics(SM_CXVSCROLL), height / 2);
    FTopLeftArrowRect = TRect(0, 0, width, arrow);
    FBottomRightArrowRect = TRect(0, height - arrow, width, height);
  }
  CalculateThumbnailRect();
}

void TcxScrollBarViewInfo::CalculateThumbnailRect() {
  FThumbnailRect = cxNullRect;
  if (FScrollBar->GetEnabled()) {
    const Int64 min = FScrollBar->GetMin(), max = FScrollBar->GetMax(), page = FScrollBar->GetPageSize(),
                position = FScrollBar->GetPosition();
    const Integer track = TrackEnd() - TrackStart();
    Integer start = TrackStart(), length = 0;
    if (page != 0) {
      length = static_cast<Integer>(std::min<Int64>(track, RoundedDiv(page * track, max - min + 1)));
      if (track >= FThumbnailSize && max != min) {
        length = std::max(length, FThumbnailSize);
        // The positions the thumb can stand for; none when the page covers the whole range.
        const Int64 positions = max - min - page + 1;
        if (positions > 0)
          start += static_cast<Integer>(RoundedDiv((track - length) * std::min(position - min, positions), positions));
      } else {
        length = 0;
      }
    } else {
      length = GetSystemMetrics(IsHorizontal() ? SM_CXHTHUMB : SM_CYVTHUMB);
      if (track < length) {
        length = 0;
      } else if (track - length > 0 && max != min) {
        start += static_cast<Integer>(RoundedDiv((track - length) * (position - min), max - min));
      }
    }
    if (length > 0) FThumbnailRect = AlongBar(start, start + length);
  }
  CalculatePageRects();
}

void TcxScrollBarViewInfo::SetThumbnailStart(Integer AStart) {
  const Integer length = ThumbLength();
  AStart = std::max(TrackStart(), std::min(AStart, TrackEnd() - length));
  FThumbnailRect = AlongBar(AStart, AStart + length);
  CalculatePageRects();
}

void TcxScrollBarViewInfo::CalculatePageRects() {
  if (cxRectIsEmpty(FThumbnailRect)) {
    FPageUpRect = FPageDownRect = cxNullRect;
    return;
  }
  FPageUpRect = AlongBar(TrackStart(), ThumbStart());
  FPageDownRect = AlongBar(ThumbStart() + ThumbLength(), TrackEnd());
}

Integer TcxScrollBarViewInfo::GetPositionFromThumbnail() const {
  const Int64 min = FScrollBar->GetMin(), max = FScrollBar->GetMax(), page = FScrollBar->GetPageSize();
  const Int64 freeTrack = TrackEnd() - TrackStart() - ThumbLength();
  const Int64 positions = max - min + (page > 0 ? 1 - page : 0);
  // A thumb that fills its track, or a page that covers the range, stands for the first position.
  if (freeTrack <= 0 || positions <= 0) return static_cast<Integer>(min);
  return static_cast<Integer>(min + RoundedDiv(positions * (ThumbStart() - TrackStart()), freeTrack));
}

}  // namespace cxScrollBar
