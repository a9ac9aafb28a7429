// The style slots of a bar item.
#include "dxBarStylesData.h"

#include "Exceptions.h"
#include "Graphics.h"
#include "Format.h"
#include "Lists.h"
#include "SysConst.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarItemStylesData)

namespace {
Integer Weight(TdxBarItemStyleChangeKind AKind) {
  switch (AKind) {
    case sckNone: return 0;
    case sckDrawing: return 1;
    default: return 2;
  }
}

bool ColorChanged(const TcxStyleValues& AOld, TColor AOldColor, const TcxStyleValues& ANew, TColor ANewColor,
                  TcxStyleValue AValue) {
  const bool oldAssigned = AOld.Contains(AValue), newAssigned = ANew.Contains(AValue);
  if (oldAssigned != newAssigned) return true;
  return oldAssigned && ColorToRGB(AOldColor) != ColorToRGB(ANewColor);
}
}  // namespace

void TdxBarItemStylesData::Construct() {
  inherited::Construct();
  FSlots.resize(static_cast<size_t>(std::max(FStyleCount, 0)));
}

void TdxBarItemStylesData::Destroy() {
  FDestroying = true;
  for (Integer i = 0; i < FStyleCount; ++i) SetStyle(i, nullptr);
  inherited::Destroy();
}

void TdxBarItemStylesData::CheckIndex(Integer AIndex) const {
  if (AIndex < 0 || AIndex >= FStyleCount) throw EListError(Format(SysConst::SListIndexError, {AIndex}));
}

TcxStyle* TdxBarItemStylesData::GetStyle(Integer AIndex) const {
  CheckIndex(AIndex);
  return FSlots[AIndex].Style;
}

Integer TdxBarItemStylesData::GetStyleReferenceCount(TcxStyle* AStyle) const {
  Integer count = 0;
  for (const TStyleSlot& slot : FSlots) count += slot.Style == AStyle;
  return count;
}

void TdxBarItemStylesData::SetStyle(Integer AIndex, TcxStyle* AStyle) {
  CheckIndex(AIndex);
  TcxStyle* old = FSlots[AIndex].Style;
  if (old == AStyle) return;
  FSlots[AIndex].Style = AStyle;
  // One listener registration per style, however many slots hold it.
  if (old && GetStyleReferenceCount(old) == 0) old->RemoveListener(this);
  if (AStyle && GetStyleReferenceCount(AStyle) == 1) AStyle->AddListener(this);
  InternalStyleChanged(AIndex);
}

TdxBarItemStylesData::TStyleCache TdxBarItemStylesData::CacheOf(TcxStyle* AStyle) {
  TStyleCache cache;
  if (!AStyle) return cache;
  cache.AssignedValues = AStyle->GetAssignedValues();
  cache.Color = AStyle->GetColor();
  cache.TextColor = AStyle->GetTextColor();
  if (TFont* font = AStyle->GetFont()) {
    cache.FontHeight = font->GetHeight();
    cache.FontPitch = font->GetPitch();
    cache.FontStyle = static_cast<Integer>(font->GetStyle().ToBits());
    cache.FontCharset = font->GetCharset();
    cache.FontName = font->GetName().substr(0, 31);
  }
  return cache;
}

void TdxBarItemStylesData::InternalStyleChanged(Integer AIndex) {
  if (FDestroying) return;
  TStyleCache& old = FSlots[AIndex].Cache;
  const TStyleCache now = CacheOf(FSlots[AIndex].Style);
  const bool colorChanged = ColorChanged(old.AssignedValues, old.Color, now.AssignedValues, now.Color, svColor) ||
                            ColorChanged(old.AssignedValues, old.TextColor, now.AssignedValues, now.TextColor,
                                         svTextColor);
  bool fontChanged = old.AssignedValues.Contains(svFont) != now.AssignedValues.Contains(svFont);
  if (!fontChanged && now.AssignedValues.Contains(svFont))
    fontChanged = old.FontHeight != now.FontHeight || old.FontPitch != now.FontPitch ||
                  old.FontStyle != now.FontStyle || old.FontCharset != now.FontCharset ||
                  old.FontName != now.FontName;
  old = now;
  if (fontChanged)
    DoChange(sckStructure);
  else if (colorChanged)
    DoChange(sckDrawing);
}

void TdxBarItemStylesData::DoChange(TdxBarItemStyleChangeKind AKind) {
  if (IsChangeEventLocked()) {
    if (Weight(AKind) > Weight(FPendingKind)) FPendingKind = AKind;
    return;
  }
  if (OnChange) OnChange(this, AKind);
}

void TdxBarItemStylesData::LockChangeEvent(bool ALock) {
  if (ALock) {
    if (FLockCount++ == 0) FPendingKind = sckNone;
    return;
  }
  if (FLockCount == 0) return;
  if (--FLockCount == 0 && FPendingKind != sckNone) DoChange(FPendingKind);
}

namespace {
// Holds the change event locked for a scope: what the scope changes comes out as one notice.
class TChangeEventLock {
 public:
  explicit TChangeEventLock(TdxBarItemStylesData* AData) : FData(AData) { FData->LockChangeEvent(true); }
  ~TChangeEventLock() { FData->LockChangeEvent(false); }
  TChangeEventLock(const TChangeEventLock&) = delete;
  TChangeEventLock& operator=(const TChangeEventLock&) = delete;

 private:
  TdxBarItemStylesData* FData;
};
}  // namespace

void TdxBarItemStylesData::StyleChanged(TcxCustomStyle* AStyle) {
  TChangeEventLock lock(this);
  for (Integer i = 0; i < FStyleCount; ++i)
    if (FSlots[i].Style == AStyle) InternalStyleChanged(i);
}

void TdxBarItemStylesData::StyleRemoved(TcxCustomStyle* AStyle) {
  TChangeEventLock lock(this);
  for (Integer i = 0; i < FStyleCount; ++i)
    if (FSlots[i].Style == AStyle) SetStyle(i, nullptr);
}

}  // namespace dxBar
