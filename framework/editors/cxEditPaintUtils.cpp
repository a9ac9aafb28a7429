#include "cxEditPaintUtils.h"

#include <algorithm>

#include "WinUserDraw.h"
#include "cxLookAndFeels.h"

namespace cxEditPaintUtils {

namespace {

constexpr Integer SystemBrushCount = 31;

std::vector<HBRUSH> FSystemBrushes;
TcxSolidBrushCache* FSolidBrushCache = nullptr;
Integer FUnitInitCount = 0;

// The system brush of a system colour 0..30; null for any other colour or while the list is empty.
HBRUSH SystemBrushOf(TColor AColor) {
  const Cardinal value = static_cast<Cardinal>(AColor);
  if (value < 0x80000000u) return nullptr;
  const Cardinal index = value & 0x7FFFFFFFu;
  return index < FSystemBrushes.size() ? FSystemBrushes[index] : nullptr;
}

}  // namespace

// ---- TcxSolidBrushCache -------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxSolidBrushCache)

void TcxSolidBrushCache::Construct() {
  inherited::Construct();
  FCapacity = std::max<Integer>(FCapacity, 1);
  FColors.resize(FCapacity);
  FBrushes.resize(FCapacity);
  FUseCounts.resize(FCapacity);
  FHolds.resize(FCapacity);
  // Primary: a control repainting after a colour change must already find fresh brushes.
  FSystemPaletteChangedNotifier = New<cxLookAndFeels::TcxSystemPaletteChangedNotifier>(true);
  FSystemPaletteChangedNotifier->OnSystemPaletteChanged = [this] { SystemPaletteChanged(); };
}

void TcxSolidBrushCache::Destroy() {
  FreeAndNil(FSystemPaletteChangedNotifier);
  Clear();
  // Nothing can hold a brush past the cache's end.
  for (const TRetiredBrush& retired : FRetired) DeleteObject(retired.Brush);
  FRetired.clear();
  FColors.clear();
  FBrushes.clear();
  FUseCounts.clear();
  FHolds.clear();
  inherited::Destroy();
}

Integer TcxSolidBrushCache::Find(TColor AColor, bool& AFound) const {
  const Cardinal key = static_cast<Cardinal>(AColor);
  auto end = FColors.begin() + FDepth;
  auto it = std::lower_bound(FColors.begin(), end, key,
                             [](TColor c, Cardinal k) { return static_cast<Cardinal>(c) < k; });
  AFound = it != end && static_cast<Cardinal>(*it) == key;
  return static_cast<Integer>(it - FColors.begin());
}

HBRUSH TcxSolidBrushCache::GetBrush(TColor AColor) {
  if (HBRUSH system = SystemBrushOf(AColor)) return system;
  bool found;
  Integer index = Find(AColor, found);
  if (found) {
    ++FUseCounts[index];
    return FBrushes[index];
  }
  if (FDepth == FCapacity) {
    const auto least = std::min_element(FUseCounts.begin(), FUseCounts.begin() + FDepth);
    const Integer evicted = static_cast<Integer>(least - FUseCounts.begin());
    Evict(evicted);
    if (index > evicted) --index;
  }
  for (Integer i = FDepth; i > index; --i) {
    FColors[i] = FColors[i - 1];
    FBrushes[i] = FBrushes[i - 1];
    FUseCounts[i] = FUseCounts[i - 1];
    FHolds[i] = FHolds[i - 1];
  }
  FColors[index] = AColor;
  FBrushes[index] = CreateSolidBrush(ColorToRGB(AColor));
  FUseCounts[index] = 0;
  FHolds[index] = 0;
  ++FDepth;
  return FBrushes[index];
}

HBRUSH TcxSolidBrushCache::HoldBrush(TColor AColor) {
  HBRUSH brush = GetBrush(AColor);
  if (SystemBrushOf(AColor)) return brush;
  bool found;
  ++FHolds[Find(AColor, found)];
  return brush;
}

void TcxSolidBrushCache::ReleaseBrush(HBRUSH ABrush) {
  if (!ABrush) return;
  for (Integer i = 0; i < FDepth; ++i)
    if (FBrushes[i] == ABrush) {
      if (FHolds[i] > 0) --FHolds[i];
      return;
    }
  for (auto it = FRetired.begin(); it != FRetired.end(); ++it)
    if (it->Brush == ABrush) {
      if (--it->Holds == 0) {
        DeleteObject(it->Brush);
        FRetired.erase(it);
      }
      return;
    }
}

void TcxSolidBrushCache::Evict(Integer AIndex) {
  Discard(FBrushes[AIndex], FHolds[AIndex]);
  --FDepth;
  for (Integer i = AIndex; i < FDepth; ++i) {
    FColors[i] = FColors[i + 1];
    FBrushes[i] = FBrushes[i + 1];
    FUseCounts[i] = FUseCounts[i + 1];
    FHolds[i] = FHolds[i + 1];
  }
  FBrushes[FDepth] = nullptr;
}

void TcxSolidBrushCache::Discard(HBRUSH ABrush, Integer AHolds) {
  if (AHolds > 0)
    FRetired.push_back({ABrush, AHolds});
  else
    DeleteObject(ABrush);
}

void TcxSolidBrushCache::Clear() {
  for (Integer i = 0; i < FDepth; ++i) {
    Discard(FBrushes[i], FHolds[i]);
    FBrushes[i] = nullptr;
  }
  FDepth = 0;
}

void TcxSolidBrushCache::SystemPaletteChanged() { Clear(); }

// ---- The shared cache -----------------------------------------------------------------------------------
TcxSolidBrushCache* SolidBrushCache() { return FSolidBrushCache; }

HBRUSH GetSolidBrush(TColor AColor) { return FSolidBrushCache ? FSolidBrushCache->GetBrush(AColor) : nullptr; }
HBRUSH GetSolidBrush(TCanvas*, TColor AColor) { return GetSolidBrush(AColor); }
HBRUSH GetSolidBrush(TcxCanvas*, TColor AColor) { return GetSolidBrush(AColor); }

void ResetSolidBrushCache() {
  if (FSolidBrushCache) FSolidBrushCache->Clear();
}

TcxSolidBrushHolder::TcxSolidBrushHolder(TColor AColor)
    : FCache(FSolidBrushCache), FBrush(FCache ? FCache->HoldBrush(AColor) : nullptr) {}

TcxSolidBrushHolder::~TcxSolidBrushHolder() {
  if (FCache) FCache->ReleaseBrush(FBrush);
}

// ---- The unit's start and end -------------------------------------------------------------------------
void InitEditPaintUtils() {
  if (FUnitInitCount++ > 0) return;
  for (Integer i = 0; i < SystemBrushCount; ++i) FSystemBrushes.push_back(GetSysColorBrush(i));
  FSolidBrushCache = New<TcxSolidBrushCache>();
}

void DoneEditPaintUtils() {
  if (FUnitInitCount == 0 || --FUnitInitCount > 0) return;
  FreeAndNil(FSolidBrushCache);
  FSystemBrushes.clear();
}

}  // namespace cxEditPaintUtils
