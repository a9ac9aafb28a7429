// The image drawer with its looks (normal, disabled, faded, grayscale, dingy, shadowed), image-list
// drawing, hatching, arrows, half-tone and design rects, and painting a parent's background under a
// transparent control.
#include <algorithm>

#include "Controls.h"
#include "GdiSurface.h"
#include "ImgList.h"
#include "Messages.h"
#include "RtlMath.h"
#include "WinImageList.h"
#include "WinManage.h"
#include "WinPaint.h"
#include "WinUserDraw.h"
#include "cxGeometry.h"
#include "cxGraphicsBitmaps.h"
#include "cxGraphicsBrushCache.h"
#include "cxGraphicsFunctions.h"
#include "cxGraphicsImageList.h"
#include "dxUxTheme.h"
#include "raster/PixelBlend.h"

namespace cxGraphics {

namespace {

// The work area, the image and the mask of cxDrawImage, kept for the whole process so that drawing
// an image allocates nothing once they have grown to the sizes in use.
enum TWorkBitmap { wbWork, wbImage, wbMask, wbCount };
TcxBitmap* FWorkBitmaps[wbCount] = {};

void FreeWorkBitmaps() {
  for (TcxBitmap*& bitmap : FWorkBitmaps) FreeAndNil(bitmap);
}

TcxBitmap* WorkBitmap(TWorkBitmap AKind, Integer AWidth, Integer AHeight) {
  TcxBitmap*& bitmap = FWorkBitmaps[AKind];
  if (bitmap == nullptr) {
    bitmap = New<TcxBitmap>(AWidth, AHeight);
    cxGraphicsFunctionsFinalization = &FreeWorkBitmaps;
  } else {
    bitmap->GetTransparentBkColors()->Clear();
    bitmap->SetSize(AWidth, AHeight);
  }
  return bitmap;
}

HDC BitmapDC(TBitmap* ABitmap) { return ABitmap->GetCanvas()->GetHandle(); }

// Whether the image fetched into AImage may carry its own alpha channel.
bool FetchImage(TcxBitmap* AImage, TBitmap* AGlyph, TCustomImageList* AImages, Integer AImageIndex) {
  if (IsGlyphAssigned(AGlyph)) {
    AImage->CopyBitmap(AGlyph);
    Graphics::TPixelFormat format = AGlyph->GetPixelFormat();
    return format == Graphics::pf32bit ||
           (format == Graphics::pfDevice && GetDeviceCaps(BitmapDC(AImage), BITSPIXEL) == 32);
  }
  if (auto* list = dynamic_cast<TcxImageList*>(AImages)) list->GetImageInfo(AImageIndex, AImage, nullptr);
  else TcxImageList::GetImageInfo(AImages->GetHandle(), AImageIndex, AImage, nullptr);
  return TcxImageList::GetPixelFormat(AImages->GetHandle()) >= 32;
}
// A work bitmap's instance as it stands, made (at the size given) on first use.
TcxBitmap* WorkBitmapInstance(TWorkBitmap AKind, Integer AWidth, Integer AHeight) {
  return FWorkBitmaps[AKind] ? FWorkBitmaps[AKind] : WorkBitmap(AKind, AWidth, AHeight);
}

// The shadow's pixel as DrawShadow leaves it: the shadow colour made opaque, or transparent black
// for a black shadow, which the shadow bitmap takes for transparent and leaves as it is.
uint32_t ShadowPixel(TColor AColor) {
  const uint32_t color = ColorToPixel(ColorToRGB(AColor));
  return color ? color | 0xFF000000u : 0;
}

// The rows AFrom.y.. of the image in a look that changes every pixel by itself, from column AFrom.x
// on, ASize pixels, in AImage at the same place.
void LookRows(TGdiSurface* AGlyph, TGdiSurface* AImage, TcxImageDrawMode ADrawMode, const TPoint& AFrom,
              const TSize& ASize) {
  for (Integer y = AFrom.y; y < AFrom.y + ASize.cy; ++y) {
    const uint32_t* s = AGlyph->Scanline(y) + AFrom.x;
    uint32_t* d = AImage->Scanline(y) + AFrom.x;
    switch (ADrawMode) {
      case idmDisabled: TcxBitmap::ScaleRow(s, d, ASize.cx, DisableMap); break;
      case idmFaded: TcxBitmap::ScaleRow(s, d, ASize.cx, FadeMap); break;
      case idmGrayScale: TcxBitmap::GrayScaleRow(s, d, ASize.cx); break;
      case idmDingy: TcxBitmap::DingyRow(s, d, ASize.cx); break;
      default: std::copy(s, s + ASize.cx, d); break;
    }
  }
}

// The rows AFrom.y.. of the glyph over its shadow, AShadow pixels larger each way, in AImage: the
// glyph's pixels with transparent black around them, and over each row the shadow cast by the row
// AShadow above it, moved right by AShadow.
void ShadowedRows(TGdiSurface* AGlyph, TGdiSurface* AImage, Integer AShadow, uint32_t AShadowPixel, Integer AFromY,
                  Integer ARows) {
  const Integer w = AGlyph->Width(), h = AGlyph->Height();
  for (Integer y = AFromY; y < AFromY + ARows; ++y) {
    uint32_t* d = AImage->Scanline(y);
    if (y < h) std::copy(AGlyph->Scanline(y), AGlyph->Scanline(y) + w, d);
    else std::fill(d, d + w, 0u);
    std::fill(d + w, d + w + AShadow, 0u);
    if (y >= AShadow) TcxBitmap::ShadowRow(d + AShadow, AGlyph->Scanline(y - AShadow), d + AShadow, w, AShadowPixel);
  }
}

// The pixels the software blend reads, as the DC paints its runs.
struct TBlendRuns {
  TGdiSurface* Source;
  TPoint From;
  BYTE ConstantAlpha;
};

// The drawer's steps for a 32-bit glyph with its own alpha, drawn at its size with no brush in a look
// that changes every pixel by itself or with its shadow, done in one pass and one blend: the glyph,
// in its look or over its shadow, is blended straight onto the DC. That gives the pixels of composing
// on the work bitmap and copying it back, for a DC that puts 32-bit pixels down as they are with a
// plain mapping: the blend meets the same background pixels, and those around the image would only
// be copied back as they were. The mask of transparent pixels changes nothing here: it clears the
// pixels equal to its clear colour, which when 0 are clear already, and it casts the shadow from
// every other pixel. False: the general steps apply.
bool DrawAlphaGlyphDirect(HDC ADC, const TRect& AGlyphRect, const TRect& ABackgroundRect, TBitmap* AGlyph,
                          TcxImageDrawMode ADrawMode, HBRUSH ABrush) {
  if (ABrush || CustomDrawImageProc) return false;
  const Integer w = AGlyph->GetWidth(), h = AGlyph->GetHeight();
  if (cxRectWidth(AGlyphRect) != w || cxRectHeight(AGlyphRect) != h || AGlyph->GetPixelFormat() != Graphics::pf32bit)
    return false;
  // The system's blend draws through the DC's mapping; the software blend's runs are painted only on
  // a DC of a plain mapping, which painting them checks first.
  const bool system = cxSystemAlphaBlendFunc != nullptr;
  if (system && (!DCDrawsTrueColor(ADC) || GetMapMode(ADC) != MM_TEXT || GetLayout(ADC) != 0)) return false;
  TGdiSurface* glyph = GetDCSurface(BitmapDC(AGlyph));
  if (!glyph || glyph->Width() != w || glyph->Height() != h) return false;
  const RGBQUAD maskClear = WorkBitmapInstance(wbMask, w, h)->GetClearColor();
  if (maskClear.rgbBlue || maskClear.rgbGreen || maskClear.rgbRed || maskClear.rgbReserved) return false;
  bool alpha = false;
  for (Integer y = 0; y < h && !alpha; ++y)
    for (Integer x = 0; x < w; ++x) alpha |= (glyph->Pixel(x, y) >> 24) != 0;
  if (!alpha) return false;
  // The image: the glyph, or over its shadow, grown by 2 at the right and bottom and put up and to the
  // left by 1. The work bitmap held the background rectangle only: the image is cut to it.
  const Integer shadow = ADrawMode == idmShadowed ? 2 : 0;
  const TRect imageRect =
      shadow ? cxRectOffset(cxRectInflate(AGlyphRect, 0, 0, shadow, shadow), -1, -1) : AGlyphRect;
  TRect target;
  if (!cxRectIntersect(target, imageRect, ABackgroundRect)) target = TRect{};
  const TPoint from{target.left - imageRect.left, target.top - imageRect.top};
  const TSize size{cxRectWidth(target), cxRectHeight(target)};
  TGdiSurface* source = glyph;
  HDC sourceDC = BitmapDC(AGlyph);
  // The glyph is read from the image bitmap in a look, and also when it is drawn onto its own pixels.
  if (size.cx > 0 && (ADrawMode != idmNormal || (!system && GetDCSurface(ADC) == glyph))) {
    // The image bitmap is kept at least as large as the image, so that drawing images of alternating
    // sizes does not resize it each time.
    TcxBitmap* image = WorkBitmapInstance(wbImage, w + shadow, h + shadow);
    if (image->GetWidth() < w + shadow || image->GetHeight() < h + shadow)
      image->SetSize(std::max(image->GetWidth(), w + shadow), std::max(image->GetHeight(), h + shadow));
    sourceDC = BitmapDC(image);
    source = GetDCSurface(sourceDC);
    if (!source) return false;
    if (shadow) ShadowedRows(glyph, source, shadow, ShadowPixel(clBtnShadow), from.y, size.cy);
    else LookRows(glyph, source, ADrawMode, from, size);
  }
  const BYTE constantAlpha = ADrawMode == idmDisabled ? DisableMap.SrcConstantAlpha
                             : ADrawMode == idmFaded  ? FadeMap.SrcConstantAlpha
                                                      : 255;
  if (system) {
    if (size.cx > 0)
      SystemAlphaBlend(ADC, sourceDC, target, TRect{from.x, from.y, from.x + size.cx, from.y + size.cy}, constantAlpha);
    return true;
  }
  // The software blend (cxBlendFunction, whose arithmetic rounds each channel once) straight onto the
  // DC's pixels under the image, within its clip as copying the work bitmap back would be.
  TBlendRuns runs{source, from, constantAlpha};
  auto blend = [](void* context, uint32_t* pixels, int x, int y, int count) {
    const TBlendRuns& r = *static_cast<const TBlendRuns*>(context);
    BlendOnceRow(pixels, r.Source->Scanline(r.From.y + y) + r.From.x + x, count, r.ConstantAlpha);
  };
  return PaintPixelRuns(ADC, target, blend, &runs) != FALSE;
}

}  // namespace

void cxDrawImage(HDC ADC, const TRect& AGlyphRect, const TRect& ABackgroundRect, TBitmap* AGlyph,
                 TCustomImageList* AImages, Integer AImageIndex, TcxImageDrawMode ADrawMode, bool ASmoothImage,
                 HBRUSH ABrush, TColor ATransparentColor, bool AUseLeftBottomPixelAsTransparent) {
  bool glyph = IsGlyphAssigned(AGlyph);
  if (!glyph && !IsImageAssigned(AImages, AImageIndex)) return;
  if (cxRectIsEmpty(ABackgroundRect)) return;
  if (glyph && DrawAlphaGlyphDirect(ADC, AGlyphRect, ABackgroundRect, AGlyph, ADrawMode, ABrush)) return;

  TcxBitmap* work = WorkBitmap(wbWork, cxRectWidth(ABackgroundRect), cxRectHeight(ABackgroundRect));
  TRect workRect = work->GetClientRect();
  if (ABrush) FillRect(BitmapDC(work), &workRect, ABrush);
  else cxBitBlt(BitmapDC(work), ADC, work->GetClientRect(), ABackgroundRect.TopLeft(), SRCCOPY);
  TRect imageRect = cxRectOffset(AGlyphRect, -ABackgroundRect.left, -ABackgroundRect.top);

  if (CustomDrawImageProc == nullptr ||
      !CustomDrawImageProc(work->GetcxCanvas(), AImages, AImageIndex, ADrawMode, imageRect, AGlyph)) {
    TSize size = glyph ? TSize(AGlyph->GetWidth(), AGlyph->GetHeight())
                       : TSize(AImages->GetWidth(), AImages->GetHeight());
    TcxBitmap* image = WorkBitmap(wbImage, size.cx, size.cy);
    bool alpha = FetchImage(image, AGlyph, AImages, AImageIndex) && image->GetIsAlphaUsed();
    if (!alpha) image->TransformBitmap(btmSetOpaque);

    TcxBitmap* mask = WorkBitmap(wbMask, size.cx, size.cy);
    mask->CopyBitmap(image);
    if (!alpha) {
      if (!glyph) {
        TOwnedPtr<TcxBitmap> listMask = NewOwned<TcxBitmap>(size.cx, size.cy);
        if (auto* list = dynamic_cast<TcxImageList*>(AImages)) list->GetImageInfo(AImageIndex, nullptr, listMask.get());
        else TcxImageList::GetImageInfo(AImages->GetHandle(), AImageIndex, nullptr, listMask.get());
        listMask->TransformBitmap(btmCorrectBlend);
        mask->Filter(listMask.get());
      }
      if (ATransparentColor != clNone) mask->GetTransparentBkColors()->Add(ATransparentColor);
      if (AUseLeftBottomPixelAsTransparent && glyph)
        mask->GetTransparentBkColors()->Add(AGlyph->GetTransparentColor());
    }
    mask->TransformBitmap(btmMakeMask);
    image->Filter(mask);

    BYTE constantAlpha = 255;
    switch (ADrawMode) {
      case idmDisabled:
        if (alpha) {
          image->TransformBitmap(btmDisable);
          constantAlpha = DisableMap.SrcConstantAlpha;
        } else {
          image->TransformBitmap(btmDirty);
          image->DrawShadow(mask, 1, clBtnHighlight, false);
        }
        break;
      case idmFaded:
        image->TransformBitmap(btmFade);
        constantAlpha = FadeMap.SrcConstantAlpha;
        break;
      case idmGrayScale: image->TransformBitmap(btmGrayScale); break;
      case idmDingy: image->TransformBitmap(btmDingy); break;
      case idmShadowed:
        image->DrawShadow(mask, 2, clBtnShadow, true);
        imageRect = cxRectOffset(cxRectInflate(imageRect, 0, 0, 2, 2), -1, -1);
        break;
      case idmNormal: break;
    }
    image->AlphaBlend(work, imageRect, ASmoothImage, constantAlpha);
  }
  cxBitBlt(ADC, BitmapDC(work), ABackgroundRect, TPoint{0, 0}, SRCCOPY);
}

void cxDrawImageList(HIMAGELIST AImageListHandle, Integer AImageIndex, HDC ADC, const TPoint& APoint,
                     ImgList::TDrawingStyle ADrawingStyle, ImgList::TImageType AImageType) {
  static const UINT styles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  static const UINT types[] = {0, ILD_MASK};
  ImageList_Draw(AImageListHandle, AImageIndex, ADC, APoint.x, APoint.y,
                 styles[ADrawingStyle] | types[AImageType]);
}

void cxDrawHatch(HDC ADC, const TRect& ARect, TColor AColor1, TColor AColor2, BYTE AStep, BYTE AAlpha1,
                 BYTE AAlpha2) {
  if (cxRectIsEmpty(ARect)) return;
  TOwnedPtr<TcxBitmap> bitmap = NewOwned<TcxBitmap>(cxRectWidth(ARect), cxRectHeight(ARect));
  cxBitBlt(BitmapDC(bitmap.get()), ADC, bitmap->GetClientRect(), ARect.TopLeft(), SRCCOPY);
  bitmap->DrawHatch(AColor1, AColor2, AStep, AAlpha1, AAlpha2);
  cxBitBlt(ADC, BitmapDC(bitmap.get()), ARect, TPoint{0, 0}, SRCCOPY);
}

void cxDrawArrows(TCanvas* ACanvas, const TRect& ARect, TcxBorder ASide, TColor AColor, TColor APenColor) {
  static const TPoint vertical[2][7] = {{{0, -1}, {-5, -6}, {-2, -6}, {-2, -9}, {2, -9}, {2, -6}, {5, -6}},
                                        {{0, 0}, {5, 5}, {2, 5}, {2, 8}, {-2, 8}, {-2, 5}, {-5, 5}}};
  static const TPoint horizontal[2][7] = {{{-1, 0}, {-6, -5}, {-6, -2}, {-9, -2}, {-9, 2}, {-6, 2}, {-6, 5}},
                                          {{0, 0}, {5, 5}, {5, 2}, {8, 2}, {8, -2}, {5, -2}, {5, -5}}};
  TPoint anchors[2];
  switch (ASide) {
    case bLeft: anchors[0] = {ARect.left, ARect.top}, anchors[1] = {ARect.left, ARect.bottom}; break;
    case bTop: anchors[0] = {ARect.left, ARect.top}, anchors[1] = {ARect.right, ARect.top}; break;
    case bRight: anchors[0] = {ARect.right, ARect.top}, anchors[1] = {ARect.right, ARect.bottom}; break;
    case bBottom: anchors[0] = {ARect.left, ARect.bottom}, anchors[1] = {ARect.right, ARect.bottom}; break;
  }
  const auto& shapes = (ASide == bLeft || ASide == bRight) ? vertical : horizontal;
  ACanvas->GetBrush()->SetColor(AColor);
  ACanvas->GetPen()->SetColor(APenColor == clDefault ? static_cast<TColor>(ColorToRGB(AColor) ^ 0xFFFFFF)
                                                     : APenColor);
  for (int arrow = 0; arrow < 2; ++arrow) {
    TPoint points[7];
    for (int i = 0; i < 7; ++i)
      points[i] = TPoint(shapes[arrow][i].x + anchors[arrow].x, shapes[arrow][i].y + anchors[arrow].y);
    ACanvas->Polygon(points, 7);
  }
}

void cxFillHalfToneRect(TCanvas* ACanvas, const TRect& ARect, TColor ABkColor, TColor AColor) {
  HDC dc = ACanvas->GetHandle();
  COLORREF oldBk = SetBkColor(dc, ColorToRGB(ABkColor));
  COLORREF oldText = SetTextColor(dc, ColorToRGB(AColor));
  if (cxHalfToneBrush != nullptr) FillRect(dc, &ARect, cxHalfToneBrush->GetHandle());
  SetBkColor(dc, oldBk);
  SetTextColor(dc, oldText);
}

void cxDrawDesignRect(TcxCanvas* ACanvas, const TRect& ARect, bool ASelected) {
  if (cxRectIsEmpty(ARect)) return;
  TColor color = ASelected ? 0x9090FF : 0xA0FFA0;
  ACanvas->SaveState();
  try {
    ACanvas->SetClipRegion(New<TcxRegion>(ARect), roSet);
    ACanvas->FillRect(ARect, color);
    ACanvas->GetPen()->SetColor(static_cast<TColor>(dxOffice11::Dark(static_cast<COLORREF>(color), 75)));
    // Lines past the rect's width plus height lie wholly outside it; stopping there draws the same.
    Integer count = std::min(RtlMath::MulDiv(ARect.right, 3, 2), (cxRectWidth(ARect) + cxRectHeight(ARect)) / 3 + 1);
    for (Integer i = 1; i <= count; ++i) {
      ACanvas->MoveTo(ARect.right - 3 * i, ARect.top);
      ACanvas->LineTo(ARect.right, ARect.top + 3 * i);
    }
    ACanvas->FrameRect(ARect, static_cast<TColor>(dxOffice11::Dark(static_cast<COLORREF>(color), 50)), 1);
  } catch (...) {
    ACanvas->RestoreState();
    throw;
  }
  ACanvas->RestoreState();
  ACanvas->ExcludeClipRect(ARect);
  TRect shadow = cxRectOffset(ARect, 1, 1);
  ACanvas->FillRect(shadow, clBtnShadow);
  ACanvas->ExcludeClipRect(shadow);
}

void cxSetCanvasOrg(TCanvas* ACanvas, TRect& AOrg) {
  POINT old{};
  SetWindowOrgEx(ACanvas->GetHandle(), AOrg.left, AOrg.top, &old);
  AOrg.left = old.x;
  AOrg.top = old.y;
}

void cxApplyViewParams(TcxCanvas* ACanvas, const TcxViewParams& AViewParams) {
  if (AViewParams.Font != nullptr) ACanvas->GetFont()->Assign(AViewParams.Font);
  ACanvas->GetFont()->SetColor(AViewParams.TextColor);
  ACanvas->GetBrush()->SetColor(AViewParams.Color);
}

void cxInvalidateRect(HWND AHandle, const TRect& ARect, bool AEraseBackground) {
  InvalidateRect(AHandle, &ARect, AEraseBackground);
}

void cxInvalidateRect(HWND AHandle, bool AEraseBackground) { InvalidateRect(AHandle, nullptr, AEraseBackground); }

// ---- Background of transparent controls -------------------------------------------------------------------

namespace {

using Controls::TControl;
using Controls::TWinControl;

void PaintControlBackground(TcxCanvas* ACanvas, TWinControl* APainted, TWinControl* AControl, const TRect& ARect,
                            const TPoint& AOffset, bool APaintChildren) {
  HDC dc = ACanvas->GetHandle();
  int saved = SaveDC(dc);
  OffsetWindowOrgEx(dc, AOffset.x, AOffset.y, nullptr);
  if (RectVisible(dc, &ARect)) {
    APainted->ControlState.Include(Controls::csPaintCopy);
    try {
      if (APainted != AControl->GetParent()) {
        TRect r{0, 0, APainted->GetWidth(), APainted->GetHeight()};
        LONG exStyle = GetWindowLong(APainted->GetHandle(), GWL_EXSTYLE);
        LONG style = GetWindowLong(APainted->GetHandle(), GWL_STYLE);
        if (exStyle & WS_EX_CLIENTEDGE) DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        else if (style & WS_BORDER) DrawEdge(dc, &r, BDR_OUTER, BF_RECT | BF_ADJUST | BF_MONO);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        OffsetWindowOrgEx(dc, -r.left, -r.top, nullptr);
      }
      TCanvas* canvas = ACanvas->GetCanvas();
      canvas->Lock();
      try {
        APainted->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dc));
        APainted->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
      } catch (...) {
        canvas->Unlock();
        throw;
      }
      canvas->Unlock();
      if (APaintChildren)
        for (Integer i = 0; i < APainted->ControlCount(); ++i) {
          TControl* child = APainted->GetControl(i);
          if (child == AControl) break;
          auto* winChild = dynamic_cast<TWinControl*>(child);
          if (winChild == nullptr || !winChild->GetVisible()) continue;
          PaintControlBackground(ACanvas, winChild, AControl, TRect{0, 0, winChild->GetWidth(), winChild->GetHeight()},
                                 TPoint{-winChild->GetLeft(), -winChild->GetTop()}, true);
        }
    } catch (...) {
      APainted->ControlState.Exclude(Controls::csPaintCopy);
      RestoreDC(dc, saved);
      throw;
    }
    APainted->ControlState.Exclude(Controls::csPaintCopy);
  }
  RestoreDC(dc, saved);
}

template <class TFunc>
void WithWrapper(TCanvas* ACanvas, TFunc AFunc) {
  TOwnedPtr<TcxCanvas> canvas = NewOwned<TcxCanvas>(ACanvas);
  AFunc(canvas.get());
}

}  // namespace

void cxDrawTransparentControlBackground(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& ARect,
                                        bool APaintParentWithChildren) {
  TWinControl* parent = AControl->GetParent();
  if (parent == nullptr) return;
  TPoint offset{AControl->GetLeft(), AControl->GetTop()};
  PaintControlBackground(ACanvas, parent, AControl, cxRectOffset(ARect, offset), offset, APaintParentWithChildren);
}

void cxDrawTransparentControlBackground(TWinControl* AControl, TCanvas* ACanvas, const TRect& ARect,
                                        bool APaintParentWithChildren) {
  WithWrapper(ACanvas, [&](TcxCanvas* canvas) {
    cxDrawTransparentControlBackground(AControl, canvas, ARect, APaintParentWithChildren);
  });
}

void cxDrawThemeParentBackground(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& ARect) {
  TWinControl* parent = AControl->GetParent();
  if ((parent != nullptr && parent->GetDoubleBuffered()) || !dxUxTheme::IsThemeLibraryLoaded())
    cxDrawTransparentControlBackground(AControl, ACanvas, ARect, false);
  else
    dxUxTheme::DrawThemeParentBackground(AControl->GetHandle(), ACanvas->GetHandle(), &ARect);
}

void cxDrawThemeParentBackground(TWinControl* AControl, TCanvas* ACanvas, const TRect& ARect) {
  WithWrapper(ACanvas, [&](TcxCanvas* canvas) { cxDrawThemeParentBackground(AControl, canvas, ARect); });
}

}  // namespace cxGraphics
