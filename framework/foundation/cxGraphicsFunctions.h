// The free routines of the graphics unit that painters and controls call directly: rect and image
// helpers, colours derived from the system colours and colour names, raw 32-bit pixels, alpha
// blending with a software fallback, the image drawer and its looks, smooth resizing, text measuring
// and line breaking, and painting a parent's background under a transparent control.
#pragma once

#include <vector>

#include "Graphics.h"
#include "ImgList.h"
#include "WinGdi.h"
#include "cxGraphicsCanvas.h"
#include "dxOffice11.h"

namespace Controls {
class TWinControl;
}
namespace StringLists {
class TStrings;
}

namespace cxGraphics {

using Graphics::TBitmap;
using ImgList::TChangeLink;
using ImgList::TCustomImageList;

class TcxBitmap;

// ---- Tables and shared variables ------------------------------------------------------------------------
inline constexpr TRect cxEmptyRect{0, 0, 0, 0};

// DrawText alignment flags by the class library's horizontal order (left, right, centre) and by
// TcxAlignmentVert (top, bottom, centre).
extern const UINT SystemAlignmentsHorz[3];
extern const UINT SystemAlignmentsVert[3];
// The same in cx text flags.
extern const Integer cxAlignmentsHorz[3];
extern const Integer cxAlignmentsVert[3];

struct TcxColorInfo {
  const char* Name;
  TColor Color;
};
constexpr int cxColorsByNameCount = 169;
// The CSS colour keywords with their colours, then the CSS system-colour keywords with system colours.
extern const TcxColorInfo cxColorsByName[cxColorsByNameCount];

enum TcxImageDrawMode { idmNormal, idmDisabled, idmFaded, idmGrayScale, idmDingy, idmShadowed };

// An application's own image drawing, offered every image first; true means it has drawn it.
using TcxDrawImageProc = bool (*)(TcxCanvas* ACanvas, TCustomImageList* AImages, Integer AImageIndex,
                                   TcxImageDrawMode ADrawMode, const TRect& AImageRect, TBitmap* AGlyph);
extern TcxDrawImageProc CustomDrawImageProc;

using TRGBColors = std::vector<RGBQUAD>;

// ---- Rect, image and list helpers -----------------------------------------------------------------------
void ExtendRect(TRect& Rect, const TRect& AExtension);
bool IsGlyphAssigned(TBitmap* AGlyph);
bool IsImageAssigned(TCustomImageList* AImageList, Integer AImageIndex);
// Moves the change link and the free notification from the list in AImageListField to ANewImageList.
void cxSetImageList(TCustomImageList* ANewImageList, TCustomImageList*& AImageListField,
                    TChangeLink* AChangeLink, Components::TComponent* ANotifyComponent);
bool IsXPManifestEnabled();

// ---- Colours ----------------------------------------------------------------------------------------------
using dxOffice11::GetLightColor;
using dxOffice11::GetRealColor;
TColor GetLightSelColor();
TColor GetLightDownedSelColor();
TColor GetLightDownedColor();
TColor GetLightBtnFaceColor();
RGBQUAD cxColorToRGBQuad(TColor AColor, BYTE AReserved = 0);
bool cxColorByName(const String& AName, TColor& AColor);
bool cxNameByColor(TColor AColor, String& AName);

// ---- Pixels and bitmaps -----------------------------------------------------------------------------------
TRGBColors GetBitmapBits(TBitmap* ABitmap, bool ATopDownDIB);
// The colours are always emptied afterwards.
void SetBitmapBits(TBitmap* ABitmap, TRGBColors& AColors, bool ATopDownDIB);
TBitmap* cxCreateBitmap(Integer AWidth, Integer AHeight, Graphics::TPixelFormat AFormat = Graphics::pf24bit);
TBitmap* cxCreateBitmap(const TSize& ASize, Graphics::TPixelFormat AFormat = Graphics::pf24bit);
TBitmap* cxCreateBitmap(const TRect& ARect, Graphics::TPixelFormat AFormat = Graphics::pf24bit);
TBitmap* cxCreateTrueColorBitmap(Integer AWidth, Integer AHeight);
TBitmap* cxCreateTrueColorBitmap(const TSize& ASize);
HBITMAP cxCreateTrueColorBitmapHandle(Integer AWidth, Integer AHeight, Integer ABPP = 32);
void cxMakeTrueColorBitmap(TBitmap* ASourceBitmap, TBitmap* ATrueColorBitmap);
void cxMakeMaskBitmap(TBitmap* ASourceBitmap, TBitmap* AMaskBitmap);
// Bitmaps: ARect moved by P2 in the source goes to ARect moved by P1 in the destination.
void cxCopyImage(TBitmap* ASource, TBitmap* ADestination, const TPoint& P1, const TPoint& P2, const TRect& ARect);
// Canvases: ARect moved by P1 in the source goes to ARect moved by P2 in the destination.
void cxCopyImage(TCanvas* ASource, TCanvas* ADestination, const TPoint& P1, const TPoint& P2, const TRect& ARect);
void cxBitBlt(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TPoint& ASrcTopLeft, DWORD ROP);

// ---- Alpha blending and resizing ---------------------------------------------------------------------------
bool SystemAlphaBlend(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TRect& ASrcRect,
                      BYTE AConstantAlpha = 0xFF);
void cxBlendFunction(const RGBQUAD& ASource, RGBQUAD& ADestination, BYTE ASourceConstantAlpha);
void cxAlphaBlend(TBitmap* ADestBitmap, TBitmap* ASrcBitmap, const TRect& ADestRect, const TRect& ASrcRect,
                  bool ASmoothImage = false, BYTE AConstantAlpha = 0xFF);
void cxAlphaBlend(HDC ADestDC, TBitmap* ASrcBitmap, const TRect& ADestRect, const TRect& ASrcRect,
                  bool ASmoothImage = false, BYTE AConstantAlpha = 0xFF);
void cxAlphaBlend(HDC ADestDC, HDC ASrcDC, const TRect& ADestRect, const TRect& ASrcRect,
                  bool ASmoothImage = false, BYTE AConstantAlpha = 0xFF);
void cxAlphaBlend(TBitmap* AResultBitmap, TBitmap* ABkBitmap, TBitmap* ASrcBitmap, BYTE AConstantAlpha = 0xFF);
// Tints ARect of a 32-bit bitmap with a colour.
void cxAlphaBlend(TBitmap* ABitmap, const TRect& ARect, TColor ASelColor, BYTE Alpha = 170);
void cxSmoothResizeBitmap(TBitmap* ASource, TBitmap* ADestination, bool AForceUseLanczos3Filter = false);
// The separable Lanczos-3 resampling of top-down 32-bit pixels (the software path of the above).
void cxLanczos3Resize(const RGBQUAD* ASource, Integer ASourceWidth, Integer ASourceHeight, RGBQUAD* ADest,
                      Integer ADestWidth, Integer ADestHeight);

// ---- Drawing ----------------------------------------------------------------------------------------------
void cxDrawImage(HDC ADC, const TRect& AGlyphRect, const TRect& ABackgroundRect, TBitmap* AGlyph,
                 TCustomImageList* AImages, Integer AImageIndex, TcxImageDrawMode ADrawMode,
                 bool ASmoothImage = false, HBRUSH ABrush = nullptr, TColor ATransparentColor = clNone,
                 bool AUseLeftBottomPixelAsTransparent = true);
void cxDrawImageList(HIMAGELIST AImageListHandle, Integer AImageIndex, HDC ADC, const TPoint& APoint,
                     ImgList::TDrawingStyle ADrawingStyle, ImgList::TImageType AImageType);
void cxDrawHatch(HDC ADC, const TRect& ARect, TColor AColor1, TColor AColor2, BYTE AStep,
                 BYTE AAlpha1 = 0xFF, BYTE AAlpha2 = 0xFF);
void cxDrawArrows(TCanvas* ACanvas, const TRect& ARect, TcxBorder ASide, TColor AColor, TColor APenColor = clDefault);
void cxFillHalfToneRect(TCanvas* ACanvas, const TRect& ARect, TColor ABkColor, TColor AColor);
void cxDrawDesignRect(TcxCanvas* ACanvas, const TRect& ARect, bool ASelected);
void cxSetCanvasOrg(TCanvas* ACanvas, TRect& AOrg);
void cxApplyViewParams(TcxCanvas* ACanvas, const TcxViewParams& AViewParams);
void cxInvalidateRect(HWND AHandle, const TRect& ARect, bool AEraseBackground = true);
void cxInvalidateRect(HWND AHandle, bool AEraseBackground = true);

// ---- Text -------------------------------------------------------------------------------------------------
Integer cxDrawText(HDC ADC, const String& AText, TRect& ARect, UINT AFormat, Integer ACharCount = -1);
bool cxExtTextOut(HDC ADC, const String& AText, const TPoint& APoint, const TRect& ARect, UINT AOptions,
                  Integer ACount = -1);
bool cxExtTextOut(HDC ADC, const String& AText, const TPoint& APoint, UINT AOptions, Integer ACount = -1);
bool cxGetTextExtentPoint32(HDC ADC, const String& AText, TSize& ASize, Integer ACharCount = -1);
TSize cxTextExtent(TFont* AFont, const String& AText, Integer AFontSize = 0);
Integer cxTextWidth(TFont* AFont, const String& AText, Integer AFontSize = 0);
Integer cxTextHeight(TFont* AFont, const String& AText = "Wg", Integer AFontSize = 0);
TSize cxTextSize(HDC ADC, const String& AText);
TRect cxGetTextRect(HDC ADC, const String& AText, Integer ARowCount, bool AReturnMaxRectHeight = false);
TRect cxGetTextRect(TFont* AFont, const String& AText, Integer ARowCount);
void cxGetTextLines(const String& AText, TcxCanvas* ACanvas, const TRect& ARect, StringLists::TStrings* ALines);
String cxGetStringAdjustedToWidth(HDC ADC, HFONT AFont, const String& S, Integer AWidth);
String cxGetStringAdjustedToWidth(TFont* AFont, const String& S, Integer AWidth);
bool cxGetWritingDirection(TFontCharset AFontCharset, const String& AText);
Integer cxGetScreenPixelsPerInch(bool AHorizontal = true);
TSize cxGetCursorSize();

// ---- Object data ------------------------------------------------------------------------------------------
bool cxGetBitmapData(HBITMAP ABitmapHandle, BITMAP& ABitmapData);
bool cxGetBrushData(HBRUSH ABrushHandle, LOGBRUSH& ALogBrush);
LOGBRUSH cxGetBrushData(HBRUSH ABrushHandle);
bool cxGetFontData(HFONT AFontHandle, LOGFONTA& ALogFont);
bool cxGetPenData(HPEN APenHandle, LOGPEN& ALogPen);

// ---- Background of transparent controls -------------------------------------------------------------------
void cxDrawThemeParentBackground(Controls::TWinControl* AControl, TcxCanvas* ACanvas, const TRect& ARect);
void cxDrawThemeParentBackground(Controls::TWinControl* AControl, TCanvas* ACanvas, const TRect& ARect);
void cxDrawTransparentControlBackground(Controls::TWinControl* AControl, TcxCanvas* ACanvas, const TRect& ARect,
                                        bool APaintParentWithChildren = true);
void cxDrawTransparentControlBackground(Controls::TWinControl* AControl, TCanvas* ACanvas, const TRect& ARect,
                                        bool APaintParentWithChildren = true);

}  // namespace cxGraphics

using namespace cxGraphics;
