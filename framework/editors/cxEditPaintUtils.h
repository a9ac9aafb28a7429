// The editors' shared solid brushes: a process-wide cache of GDI brushes keyed by colour, so that an
// editor fills a rectangle without making and deleting a brush each time. System colours are answered
// with the system's own brushes, which are never deleted.
//
// A brush from GetSolidBrush is meant for the drawing call at hand: a later request may evict it.
// Code that keeps a brush across further requests holds it (TcxSolidBrushHolder): an evicted or
// cleared brush that is held is retired instead of deleted and goes at its last release.
#pragma once

#include <vector>

#include "Graphics.h"
#include "WinGdi.h"

namespace cxGraphics {
class TcxCanvas;
}
namespace cxLookAndFeels {
class TcxSystemPaletteChangedNotifier;
}

namespace cxEditPaintUtils {

using cxGraphics::TcxCanvas;

constexpr Integer cxSolidBrushCacheDefaultCapacity = 128;

class TcxSolidBrushCache : public TObject {
  DECLARE_CLASS(TcxSolidBrushCache, TObject)
 public:
  explicit TcxSolidBrushCache(Integer ACapacity = cxSolidBrushCacheDefaultCapacity) : FCapacity(ACapacity) {}

  // The brush of the colour: a system brush for system colours 0..30, else the cached brush, made
  // (and the least used entry evicted when the cache is full) on a miss.
  HBRUSH GetBrush(TColor AColor);
  // GetBrush, and the brush stays alive until as many ReleaseBrush calls.
  HBRUSH HoldBrush(TColor AColor);
  // Ends one hold; system brushes and unknown handles are ignored.
  void ReleaseBrush(HBRUSH ABrush);
  // Deletes every cached brush that nobody holds (held ones are retired) and empties the cache.
  void Clear();
  virtual void SystemPaletteChanged();

  Integer GetCapacity() const { return FCapacity; }
  Integer GetDepth() const { return FDepth; }
  // The entries in colour order (unsigned), for inspection.
  TColor GetColor(Integer AIndex) const { return FColors[AIndex]; }
  HBRUSH GetBrushHandle(Integer AIndex) const { return FBrushes[AIndex]; }
  Cardinal GetUseCount(Integer AIndex) const { return FUseCounts[AIndex]; }
  // Evicted or cleared brushes still held by someone.
  Integer GetRetiredCount() const { return static_cast<Integer>(FRetired.size()); }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  struct TRetiredBrush {
    HBRUSH Brush;
    Integer Holds;
  };
  // The index of the colour, or where it belongs (found is false then).
  Integer Find(TColor AColor, bool& AFound) const;
  void Evict(Integer AIndex);
  void Discard(HBRUSH ABrush, Integer AHolds);

  Integer FCapacity;
  Integer FDepth = 0;
  std::vector<TColor> FColors;
  std::vector<HBRUSH> FBrushes;
  std::vector<Cardinal> FUseCounts;
  std::vector<Integer> FHolds;
  std::vector<TRetiredBrush> FRetired;
  cxLookAndFeels::TcxSystemPaletteChangedNotifier* FSystemPaletteChangedNotifier = nullptr;
};

// The shared cache's brush of the colour (the canvas is not used).
HBRUSH GetSolidBrush(TColor AColor);
HBRUSH GetSolidBrush(TCanvas* ACanvas, TColor AColor);
HBRUSH GetSolidBrush(TcxCanvas* ACanvas, TColor AColor);
void ResetSolidBrushCache();
// The shared cache; null outside the unit's life.
TcxSolidBrushCache* SolidBrushCache();

// Holds the shared cache's brush of a colour for its own lifetime.
class TcxSolidBrushHolder {
 public:
  explicit TcxSolidBrushHolder(TColor AColor);
  ~TcxSolidBrushHolder();
  TcxSolidBrushHolder(const TcxSolidBrushHolder&) = delete;
  TcxSolidBrushHolder& operator=(const TcxSolidBrushHolder&) = delete;
  HBRUSH Handle() const { return FBrush; }
  operator HBRUSH() const { return FBrush; }

 private:
  TcxSolidBrushCache* FCache;
  HBRUSH FBrush;
};

void InitEditPaintUtils();
void DoneEditPaintUtils();

}  // namespace cxEditPaintUtils

using namespace cxEditPaintUtils;
