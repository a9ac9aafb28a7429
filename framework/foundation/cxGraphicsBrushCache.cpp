// The brush cache and the graphics unit's start and end.
#include "cxGraphicsBrushCache.h"

#include <algorithm>

#include "SysInfo.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"

namespace cxGraphics {

namespace {

constexpr const char* scxBrushCacheReleaseUnusedBrush = "Release unused brush";

bool IsSystemColor(TColor AColor) { return AColor < 0; }

std::vector<TBrush*> FSystemBrushes;
TBitmap* FHalfTonePattern = nullptr;
HMODULE FMsimg32Library = nullptr;
Integer FUnitInitCount = 0;

}  // namespace

TBrush* cxHalfToneBrush = nullptr;
TAlphaBlendFunc cxSystemAlphaBlendFunc = nullptr;
void (*cxGraphicsFunctionsFinalization)() = nullptr;

TBrush* cxSystemBrush(Integer AIndex) {
  if (AIndex < 0 || AIndex >= static_cast<Integer>(FSystemBrushes.size())) return nullptr;
  return FSystemBrushes[AIndex];
}

// ---- TcxBrushCache ------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxBrushCache)

void TcxBrushCache::Destroy() {
  for (Integer i = 0; i < FCount; ++i) FreeAndNil(FData[i].Brush);
  FData.clear();
  FCount = FCapacity = 0;
  inherited::Destroy();
}

TBrush* TcxBrushCache::Add(TColor AColor) {
  TBrush* brush;
  // A system colour whose index lies beyond the system brushes is no system brush: it gets an
  // entry of its own like a plain colour.
  if (IsSystemColor(AColor) && (brush = cxSystemBrush(AColor & 0x7FFFFFFF)) != nullptr)
    ;
  else
    brush = AddItemAt(FindNearestItem(AColor), AColor);
  brush->SetColor(AColor);
  return brush;
}

void TcxBrushCache::ReleaseBrush(TBrush*& ABrush) {
  // System brushes are never entries, so they are not found here either.
  const Integer index = IndexOfBrush(ABrush);
  ABrush = nullptr;
  if (index < 0) return;
  --FData[index].RefCount;
  CacheCheck(FData[index].RefCount >= 0, scxBrushCacheReleaseUnusedBrush);
  if (FData[index].RefCount <= 0) Delete(index);
}

void TcxBrushCache::SetBrushColor(TBrush*& ABrush, TColor AColor) {
  ReleaseBrush(ABrush);
  ABrush = Add(AColor);
}

void TcxBrushCache::BeginUpdate() { ++FLockCount; }

void TcxBrushCache::EndUpdate() {
  --FLockCount;
  if (FLockCount == 0 && FDeletedCount > 0) Pack();
}

void TcxBrushCache::Recreate() {
  for (Integer i = 0; i < FCount; ++i) FData[i].Brush->SetColor(FData[i].Color);
}

bool TcxBrushCache::IsSystemBrush(TBrush* ABrush) {
  if (!ABrush) return true;
  TColor color = ABrush->GetColor();
  return IsSystemColor(color) && cxSystemBrush(color & 0x7FFFFFFF) == ABrush;
}

TBrush* TcxBrushCache::AddItemAt(Integer AIndex, TColor AColor) {
  if (AIndex >= FCount || FData[AIndex].Color != AColor) {
    if (FCount >= FCapacity) {
      FCapacity += FCapacity > 31 ? FCapacity / 4 : 8;
      FData.resize(FCapacity);
    }
    if (AIndex < FCount) Move(AIndex, AIndex + 1, FCount - AIndex);
    InitItem(FData[AIndex], AColor);
    ++FCount;
  } else if (FData[AIndex].RefCount == 0) {
    --FDeletedCount;
  }
  ++FData[AIndex].RefCount;
  return FData[AIndex].Brush;
}

void TcxBrushCache::CacheCheck(bool ACondition, const String& AMessage) {
  if (!ACondition) throw EBrushCache(AMessage);
}

void TcxBrushCache::Delete(Integer AIndex) {
  if (FLockCount > 0) {
    ++FDeletedCount;
    return;
  }
  FreeAndNil(FData[AIndex].Brush);
  --FCount;
  if (AIndex < FCount) Move(AIndex + 1, AIndex, FCount - AIndex);
  FData[FCount] = TcxBrushData();
}

Integer TcxBrushCache::FindNearestItem(TColor AColor) const {
  auto end = FData.begin() + FCount;
  return static_cast<Integer>(std::lower_bound(FData.begin(), end, AColor,
                                               [](const TcxBrushData& d, TColor c) { return d.Color < c; }) -
                              FData.begin());
}

bool TcxBrushCache::IndexOf(TColor AColor, Integer& AIndex) const {
  // System colours have no entries, except those beyond the system brushes (see Add).
  if (IsSystemColor(AColor) && cxSystemBrush(AColor & 0x7FFFFFFF)) {
    AIndex = -1;
    return false;
  }
  AIndex = FindNearestItem(AColor);
  return AIndex < FCount && FData[AIndex].Color == AColor;
}

Integer TcxBrushCache::IndexOfBrush(const TBrush* ABrush) const {
  if (!ABrush) return -1;
  for (Integer i = 0; i < FCount; ++i)
    if (FData[i].Brush == ABrush) return i;
  return -1;
}

void TcxBrushCache::InitItem(TcxBrushData& AItem, TColor AColor) {
  AItem = TcxBrushData();
  AItem.Brush = New<TBrush>();
  AItem.Brush->SetColor(AColor);
  AItem.Color = AColor;
}

void TcxBrushCache::Move(Integer ASrc, Integer ADst, Integer ACount) {
  if (ASrc < ADst)
    std::move_backward(FData.begin() + ASrc, FData.begin() + ASrc + ACount, FData.begin() + ADst + ACount);
  else
    std::move(FData.begin() + ASrc, FData.begin() + ASrc + ACount, FData.begin() + ADst);
}

void TcxBrushCache::Pack() {
  struct TResetDeleted {
    Integer& Count;
    ~TResetDeleted() { Count = 0; }
  } reset{FDeletedCount};
  Integer removed = 0;
  for (Integer i = FCount - 1; i >= 0 && removed < FDeletedCount; --i) {
    if (FData[i].RefCount > 0) continue;
    Delete(i);
    ++removed;
  }
}

void TcxBrushCache::Release(Integer AIndex) {
  if (--FData[AIndex].RefCount == 0) Delete(AIndex);
}

// ---- The unit's start and end -------------------------------------------------------------------------
void cxGraphicsInitialization() {
  if (FUnitInitCount++ > 0) return;
  cxHalfToneBrush = New<TBrush>();
  for (Integer i = 0; i < cxSystemBrushCount; ++i) {
    auto* brush = New<TBrush>();
    brush->SetColor(clSystemColor | i);
    FSystemBrushes.push_back(brush);
  }
  // A checkerboard as a monochrome pattern: drawn in the DC's text and background colours.
  static const WORD pattern[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
  FHalfTonePattern = New<TBitmap>();
  FHalfTonePattern->SetHandle(CreateBitmap(8, 8, 1, 1, pattern));
  cxHalfToneBrush->SetBitmap(FHalfTonePattern);

  FMsimg32Library = LoadLibrary("msimg32.dll");
  if (FMsimg32Library)
    cxSystemAlphaBlendFunc = reinterpret_cast<TAlphaBlendFunc>(reinterpret_cast<void*>(GetProcAddress(FMsimg32Library, "AlphaBlend")));
}

void cxGraphicsFinalization() {
  if (FUnitInitCount == 0 || --FUnitInitCount > 0) return;
  if (FMsimg32Library) FreeLibrary(FMsimg32Library);
  FMsimg32Library = nullptr;
  cxSystemAlphaBlendFunc = nullptr;
  for (TBrush* brush : FSystemBrushes) brush->Free();
  FSystemBrushes.clear();
  FreeAndNil(cxHalfToneBrush);
  FreeAndNil(FHalfTonePattern);
  cxFreeScreenCanvas();
  if (cxGraphicsFunctionsFinalization) cxGraphicsFunctionsFinalization();
}

}  // namespace cxGraphics
