// The off-screen surface that all grids of the process paint into before copying to their window:
// one memory device context with one bitmap, made on first use, grown for a larger grid, freed
// when the last grid lets go. A lock per owner tells a grid whether another grid on the same thread
// is painting into it at the moment.
//
// How a grid uses it: Lock(itself); the first time, Prepare (and remember that it holds a use),
// later Resize; SetObjects with the clip box; point the grid canvas at DC (InitCanvas the first
// time); draw; copy to the window; Unlock. A grid that asks Locked(itself) and gets true does not
// paint. When the grid goes it Locks, Releases and Unlocks once if it holds a use. When Prepare or
// Resize cannot make the surface they answer false and the grid paints straight onto its window.
#pragma once

#include <mutex>
#include <vector>

#include "System.h"
#include "Types.h"
#include "WinDef.h"

namespace Graphics {
class TCanvas;
}

namespace TSCommon {

class TtsMemoryCanvas : public TObject {
  DECLARE_CLASS(TtsMemoryCanvas, TObject)
 public:
  // Makes the surface compatible with RefDC on first use, or grows it; counts a use. False (and no
  // use counted) when the surface cannot be made.
  bool Prepare(HDC RefDC, Integer Width, Integer Height);
  // Grows the bitmap to cover Width x Height (its pixels are not kept); false when it cannot, the
  // old surface staying in place.
  bool Resize(HDC RefDC, Integer Width, Integer Height);
  // One use less; the last frees the surface.
  void Release();
  void FreeDc();
  // Clips drawing into the surface to Rect.
  void SetObjects(const TRect& Rect);
  HANDLE GetMutex();
  // Waits for the surface and records the calling thread and Owner; nested locks of one thread
  // stack, so that unlocking the inner one gives the record of the outer one back.
  void Lock(TObject* Owner);
  void Unlock();
  // Another owner on the calling thread holds the innermost lock.
  bool Locked(TObject* Owner);

  HDC DC = nullptr;
  Integer GetWidth() const { return FWidth; }
  Integer GetHeight() const { return FHeight; }
  Integer GetUseCount() const { return FUseCount; }

 protected:
  TtsMemoryCanvas() = default;
  void Destroy() override;

 private:
  struct TLockRecord {
    DWORD Thread;
    TObject* Owner;
  };
  Integer FWidth = 0;
  Integer FHeight = 0;
  Integer FUseCount = 0;
  HANDLE FMutex = nullptr;
  std::mutex FRecordGuard;  // the lock records are read from any thread
  std::vector<TLockRecord> FLocks;
};

// Gives a canvas just pointed at a memory device context its device objects by drawing a 1 x 1
// bitmap at (0, 0).
void InitCanvas(Graphics::TCanvas* Canvas);

}  // namespace TSCommon

using namespace TSCommon;
