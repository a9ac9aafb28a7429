#include "cxEditTestSupport.h"

#include "GdiPng.h"
#include "GdiSurface.h"

namespace cxEditTest {

bool SaveWindowPngScaled(HWND AWnd, const char* AName, int AScale) {
  GdiSurface::TGdiSurface picture;
  if (!CaptureWindow(AWnd, picture)) return false;
  GdiSurface::TGdiSurface scaled(picture.Width() * AScale, picture.Height() * AScale);
  for (int y = 0; y < scaled.Height(); ++y)
    for (int x = 0; x < scaled.Width(); ++x) scaled.SetPixel(x, y, picture.Pixel(x / AScale, y / AScale));
  return SaveSurfaceToPng(scaled, testing::TempDir() + AName);
}

IMPLEMENT_CLASS(TEditTestProperties)
IMPLEMENT_CLASS(TEditTestCharProvider)
IMPLEMENT_CLASS(TEditTestDataBinding)
IMPLEMENT_CLASS(TEditTestEdit)
IMPLEMENT_CLASS(TEditTestRepositoryItem)

TClass TEditTestProperties::GetContainerClass() { return TEditTestEdit::StaticClass(); }

}  // namespace cxEditTest
