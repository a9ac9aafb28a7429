#include "TSCommonCanvas.h"

#include "Graphics.h"
#include "SyncObjs.h"
#include "Threads.h"
#include "WinGdi.h"

namespace TSCommon {

IMPLEMENT_CLASS(TtsMemoryCanvas)

void TtsMemoryCanvas::Destroy() {
  if (FMutex) CloseHandle(FMutex);
  FMutex = nullptr;
  FreeDc();
  inherited::Destroy();
}

bool TtsMemoryCanvas::Prepare(HDC RefDC, Integer Width, Integer Height) {
  if (!DC) {
    HDC dc = CreateCompatibleDC(RefDC);
    HBITMAP bitmap = dc ? CreateCompatibleBitmap(RefDC, Width > 0 ? Width : 1, Height > 0 ? Height : 1) : nullptr;
    if (!bitmap) {
      if (dc) DeleteDC(dc);
      return false;
    }
    SelectObject(dc, bitmap);
    DC = dc;
    FWidth = Width;
    FHeight = Height;
  } else if ((FWidth < Width || FHeight < Height) && !Resize(RefDC, Width, Height)) {
    return false;
  }
  ++FUseCount;
  return true;
}

bool TtsMemoryCanvas::Resize(HDC RefDC, Integer Width, Integer Height) {
  if (!DC) return false;
  if (FWidth >= Width && FHeight >= Height) return true;
  Integer width = FWidth > Width ? FWidth : Width;
  Integer height = FHeight > Height ? FHeight : Height;
  HBITMAP bitmap = CreateCompatibleBitmap(RefDC, width, height);
  if (!bitmap) return false;
  HGDIOBJ old = SelectObject(DC, bitmap);
  DeleteObject(old);
  FWidth = width;
  FHeight = height;
  return true;
}

void TtsMemoryCanvas::Release() {
  if (FUseCount <= 0) return;
  if (--FUseCount == 0) FreeDc();
}

void TtsMemoryCanvas::FreeDc() {
  if (!DC) return;
  HGDIOBJ bitmap = GetCurrentObject(DC, OBJ_BITMAP);
  DeleteDC(DC);
  DeleteObject(bitmap);
  DC = nullptr;
  FWidth = 0;
  FHeight = 0;
}

void TtsMemoryCanvas::SetObjects(const TRect& Rect) {
  if (!DC) return;
  HRGN region = CreateRectRgn(Rect.left, Rect.top, Rect.right, Rect.bottom);
  SelectClipRgn(DC, region);
  DeleteObject(region);
}

HANDLE TtsMemoryCanvas::GetMutex() {
  if (!FMutex) FMutex = CreateMutex(nullptr, FALSE, nullptr);
  return FMutex;
}

void TtsMemoryCanvas::Lock(TObject* Owner) {
  WaitForSingleObject(GetMutex(), INFINITE);
  std::lock_guard<std::mutex> guard(FRecordGuard);
  FLocks.push_back(TLockRecord{GetCurrentThreadId(), Owner});
}

void TtsMemoryCanvas::Unlock() {
  {
    std::lock_guard<std::mutex> guard(FRecordGuard);
    if (FLocks.empty()) return;
    FLocks.pop_back();
  }
  ReleaseMutex(GetMutex());
}

bool TtsMemoryCanvas::Locked(TObject* Owner) {
  std::lock_guard<std::mutex> guard(FRecordGuard);
  if (FLocks.empty()) return false;
  const TLockRecord& top = FLocks.back();
  return top.Owner != Owner && top.Thread == GetCurrentThreadId();
}

void InitCanvas(Graphics::TCanvas* Canvas) {
  TOwnedPtr<Graphics::TBitmap> bitmap(New<Graphics::TBitmap>());
  bitmap->SetPixelFormat(Graphics::pf32bit);
  bitmap->SetWidth(1);
  bitmap->SetHeight(1);
  Canvas->Draw(0, 0, bitmap.get());
}

}  // namespace TSCommon
