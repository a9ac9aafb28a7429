// The brush cache (one shared, reference-counted brush per colour; system colours answered by the
// unit's fixed system brushes) and the graphics unit's start and end: the system brushes, the
// half-tone brush and the optional system alpha-blend entry point.
#pragma once

#include <vector>

#include "Exceptions.h"
#include "Graphics.h"
#include "WinGdi.h"

namespace cxGraphics {

DECLARE_EXCEPTION(EBrushCache, Exception)

struct TcxBrushData {
  TBrush* Brush = nullptr;  // owned by the cache
  TColor Color = 0;
  Integer RefCount = 0;
};
using TcxBrushesData = std::vector<TcxBrushData>;

// Entries are kept sorted by colour; while an update lock is held, entries whose last user has
// gone stay (and may be revived) until the outermost EndUpdate.
class TcxBrushCache : public TObject {
  DECLARE_CLASS(TcxBrushCache, TObject)
 public:
  TBrush* Add(TColor AColor);
  // Gives a brush from Add back and empties the variable. The brush is found by identity, never
  // read, so that releasing a brush that is already gone is harmless.
  void ReleaseBrush(TBrush*& ABrush);
  void SetBrushColor(TBrush*& ABrush, TColor AColor);
  void BeginUpdate();
  void EndUpdate();
  // Sets every brush's colour again (after the system colours changed).
  void Recreate();
  static bool IsSystemBrush(TBrush* ABrush);

  Integer GetCount() const { return FCount; }
  Integer GetCapacity() const { return FCapacity; }
  const TcxBrushData& GetItem(Integer AIndex) const { return FData[AIndex]; }

 protected:
  void Destroy() override;

 private:
  TBrush* AddItemAt(Integer AIndex, TColor AColor);
  void CacheCheck(bool ACondition, const String& AMessage);
  void Delete(Integer AIndex);
  Integer FindNearestItem(TColor AColor) const;
  bool IndexOf(TColor AColor, Integer& AIndex) const;
  Integer IndexOfBrush(const TBrush* ABrush) const;
  void InitItem(TcxBrushData& AItem, TColor AColor);
  void Move(Integer ASrc, Integer ADst, Integer ACount);
  void Pack();
  void Release(Integer AIndex);

  Integer FCapacity = 0;
  Integer FCount = 0;
  TcxBrushesData FData;
  Integer FDeletedCount = 0;
  Integer FLockCount = 0;
};

// ---- Unit state -----------------------------------------------------------------------------------------
using TAlphaBlendFunc = BOOL (*)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

extern TBrush* cxHalfToneBrush;
// The system's AlphaBlend when its library offers one, else null (blending is then done in software).
extern TAlphaBlendFunc cxSystemAlphaBlendFunc;
// The brush of system colour Index (0 .. 30); null for any other index or outside the unit's life.
TBrush* cxSystemBrush(Integer AIndex);
constexpr Integer cxSystemBrushCount = 31;

// Run by the unit's finalization after its own objects are gone: the graphics functions release
// their shared work bitmaps and tables there (null until they set it).
extern void (*cxGraphicsFunctionsFinalization)();

void cxGraphicsInitialization();
void cxGraphicsFinalization();

}  // namespace cxGraphics

using namespace cxGraphics;
