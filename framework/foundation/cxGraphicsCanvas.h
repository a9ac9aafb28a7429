// The framework's drawing surface: TcxCanvas wraps a class-library canvas that it does not own and
// adds clip-region save and restore with region arithmetic, device-context and object-state stacks,
// multi-colour frames and 3-D edges, glyphs with a disabled look, text in the cx text flags, bitmap
// rotation, constant-alpha drawing and elliptic pie slices. TcxRegion owns one region handle;
// TcxScreenCanvas draws on (and measures against) the whole screen.
#pragma once

#include <vector>

#include "Graphics.h"
#include "cxClassesBase.h"
#include "cxGeometry.h"

namespace Graphics {
class TBitmap;
class TGraphic;
}  // namespace Graphics

namespace ImgList {
class TCustomImageList;
}  // namespace ImgList

namespace cxGraphics {

using ImgList::TCustomImageList;

// ---- Shared types -------------------------------------------------------------------------------------
enum TcxRegionOperation { roSet, roAdd, roSubtract, roIntersect };
PUBLISHED_ENUM(TcxBorder, bLeft, bTop, bRight, bBottom)
using TcxBorders = TSet<TcxBorder, 4>;
inline const TcxBorders cxBordersAll{bLeft, bTop, bRight, bBottom};
enum TcxRotationAngle { ra0, raPlus90, raMinus90, ra180 };
enum TcxGridLines { glBoth, glNone, glVertical, glHorizontal };
using TcxColorPart = Integer;  // -100 .. 100
using TPointArray = cxGeometry::TPointArray;
using TRectArray = std::vector<TRect>;

struct TcxViewParams {
  TBitmap* Bitmap = nullptr;
  TColor Color = clNone;
  TFont* Font = nullptr;
  TColor TextColor = clNone;
};

// ---- cx text flags ------------------------------------------------------------------------------------
constexpr Integer cxtfAlignLeft = 0x1, cxtfAlignRight = 0x2, cxtfAlignHCenter = 0x4, cxtfAlignTop = 0x8,
                  cxtfAlignBottom = 0x10, cxtfAlignVCenter = 0x20, cxtfSingleLine = 0x40, cxtfDontClip = 0x80,
                  cxtfExpandTabs = 0x100, cxtfShowPrefix = 0x200, cxtfWordBreak = 0x400,
                  cxtfShowEndEllipsis = 0x800, cxtfCalcRect = 0x1000, cxtfShowPathEllipsis = 0x2000,
                  cxtfDontBreakChars = 0x4000;
constexpr Integer cxtfHorzAlignMask = cxtfAlignLeft | cxtfAlignRight | cxtfAlignHCenter;
constexpr Integer cxtfVertAlignMask = cxtfAlignTop | cxtfAlignBottom | cxtfAlignVCenter;

// The system DrawText flags of a set of cx text flags.
UINT cxFlagsToDTFlags(Integer Flags);

// ---- Regions ------------------------------------------------------------------------------------------
// Owns its region handle; whoever holds the object frees it, unless an operation takes it over.
class TcxRegion : public TObject {
  DECLARE_CLASS(TcxRegion, TObject)
 public:
  TcxRegion();  // the empty rectangle 0,0,0,0
  explicit TcxRegion(HRGN ARegionHandle);  // taken over
  explicit TcxRegion(const TRect& R);
  TcxRegion(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom);
  // Rounded: the left and top move in by one pixel, right and bottom stay.
  TcxRegion(const TRect& R, Integer AEllipseWidth, Integer AEllipseHeight);
  TcxRegion(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, Integer AEllipseWidth,
            Integer AEllipseHeight);

  HRGN GetHandle() const { return FHandle; }
  void SetHandle(HRGN Value) { FHandle = Value; }
  TRect GetBoundsRect() const;
  bool GetIsEmpty() const;

  // This (op) ARegion; the destroy flag frees ARegion afterwards.
  void Combine(TcxRegion* ARegion, TcxRegionOperation AOperation, bool ADestroyRegion = true);
  bool IsEqual(TcxRegion* ARegion) const;
  bool IsEqual(HRGN ARegionHandle) const;
  void Offset(Integer DX, Integer DY);
  bool PtInRegion(const TPoint& Pt) const;
  bool PtInRegion(Integer X, Integer Y) const;
  bool RectInRegion(const TRect& R) const;
  bool RectInRegion(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom) const;

 protected:
  void Destroy() override;
  void DestroyHandle();

 private:
  HRGN FHandle = nullptr;
};

// ---- The canvas ---------------------------------------------------------------------------------------
class TcxCanvas : public TObject {
  DECLARE_CLASS(TcxCanvas, TObject)
 public:
  explicit TcxCanvas(TCanvas* ACanvas = nullptr) : FCanvas(ACanvas) {}

  // Pass-through to the wrapped canvas.
  TCanvas* GetCanvas() const { return FCanvas; }
  void SetCanvas(TCanvas* Value) { FCanvas = Value; }
  TBrush* GetBrush() const { return FCanvas->GetBrush(); }
  void SetBrush(TBrush* Value) { FCanvas->SetBrush(Value); }
  TFont* GetFont() const { return FCanvas->GetFont(); }
  void SetFont(TFont* Value) { FCanvas->SetFont(Value); }
  TPen* GetPen() const { return FCanvas->GetPen(); }
  void SetPen(TPen* Value) { FCanvas->SetPen(Value); }
  TCopyMode GetCopyMode() const { return FCanvas->CopyMode; }
  void SetCopyMode(TCopyMode Value) { FCanvas->CopyMode = Value; }
  HDC GetHandle() const { return FCanvas->GetHandle(); }
  void SetPixel(Integer X, Integer Y, TColor Value) { FCanvas->SetPixel(X, Y, Value); }
  void MoveTo(Integer X, Integer Y) { FCanvas->MoveTo(X, Y); }
  void LineTo(Integer X, Integer Y) { FCanvas->LineTo(X, Y); }
  void Polygon(const TPointArray& Points);
  void Polyline(const TPointArray& Points);
  void CopyRect(const TRect& ADest, TCanvas* ACanvas, const TRect& ASource) {
    FCanvas->CopyRect(ADest, ACanvas, ASource);
  }
  void Draw(Integer X, Integer Y, TGraphic* AGraphic);
  TPoint GetViewportOrg() const;
  void SetViewportOrg(const TPoint& P);
  TPoint GetWindowOrg() const;
  void SetWindowOrg(const TPoint& P);
  TPoint GetDCOrigin() const;  // the viewport origin less the window origin
  void BeginPath();
  void EndPath();
  void WidenPath();
  TcxRegion* PathToRegion();  // the caller frees it
  void ExcludeClipRect(const TRect& R);
  void IntersectClipRect(const TRect& R);
  bool RectVisible(const TRect& R);

  // Clip regions and saved states; a restore with nothing saved does nothing.
  void SaveDC();
  void RestoreDC();
  void SaveClipRegion();
  void RestoreClipRegion();
  void SaveState();
  void RestoreState();
  // A new region (the caller's) of the clip; 0,0-30000,30000 when the DC has none. The origin flag
  // expresses it in the canvas's logical coordinates.
  TcxRegion* GetClipRegion(bool AConsiderOrigin = true);
  // The destroy flag hands ARegion over to the canvas.
  void SetClipRegion(TcxRegion* ARegion, TcxRegionOperation AOperation, bool ADestroyRegion = true,
                     bool AConsiderOrigin = true);
  bool RectFullyVisible(const TRect& R);

  // Painting. clNone paints nothing; clDefault keeps the current brush colour.
  void FillRect(const TRect& R, TColor AColor);
  void FillRect(const TRect& R, TBitmap* ABitmap = nullptr, bool AExcludeRect = false);
  void FillRect(TRect R, const TcxViewParams& AParams, TcxBorders ABorders = TcxBorders(),
                TColor ABorderColor = clDefault, Integer ALineWidth = 1, bool AExcludeRect = false);
  void FrameRect(const TRect& R, TColor AColor = clDefault, Integer ALineWidth = 1,
                 TcxBorders ABorders = cxBordersAll, bool AExcludeFrame = false);
  void DrawComplexFrame(const TRect& R, TColor ALeftTopColor, TColor ARightBottomColor,
                        TcxBorders ABorders = cxBordersAll, Integer ABorderWidth = 1);
  void DrawEdge(const TRect& R, bool ASunken, bool AOuter, TcxBorders ABorders = cxBordersAll);
  void DrawFocusRect(const TRect& R);
  void DrawDesignSelection(TRect R, Integer AWidth = 2);
  void InvertRect(const TRect& R);
  void InvertFrame(const TRect& R, Integer ABorderWidth);
  void FillRegion(TcxRegion* ARegion, TColor AColor = clDefault);
  void FillRegion(HRGN ARegion, TColor AColor = clDefault);
  void FrameRegion(TcxRegion* ARegion, TColor AColor = clDefault, Integer ABorderWidth = 1,
                   Integer ABorderHeight = 1);
  void FrameRegion(HRGN ARegion, TColor AColor = clDefault, Integer ABorderWidth = 1, Integer ABorderHeight = 1);
  void DrawRegion(TcxRegion* ARegion, TColor AContentColor = clDefault, TColor ABorderColor = clDefault,
                  Integer ABorderWidth = 1, Integer ABorderHeight = 1);
  void DrawRegion(HRGN ARegion, TColor AContentColor = clDefault, TColor ABorderColor = clDefault,
                  Integer ABorderWidth = 1, Integer ABorderHeight = 1);

  // Glyphs and images.
  void DrawGlyph(Integer X, Integer Y, TBitmap* AGlyph, bool AEnabled = true, TColor ABackgroundColor = clNone);
  void DrawImage(TCustomImageList* AImages, Integer X, Integer Y, Integer AIndex, bool AEnabled = true);
  void TransparentDraw(Integer X, Integer Y, TBitmap* ABitmap, Byte AAlpha, TBitmap* ABackground = nullptr);
  void Pie(const TRect& R, const TPoint& ARadial1, const TPoint& ARadial2);
  void Pie(const TRect& R, Integer AStartAngle, Integer ASweepAngle);
  void RotateBitmap(TBitmap* ABitmap, TcxRotationAngle ARotationAngle, bool AFlipVertically = false);
  void FlipHorizontally(TBitmap* ABitmap);

  // Text in the cx text flags.
  void DrawTexT(const String& AText, const TRect& R, Integer AFormat, bool AEnabled = true);
  TSize TextExtent(const String& AText);
  void TextExtent(const String& AText, TRect& R, Integer AFlags);
  Integer TextHeight(const String& AText) { return TextExtent(AText).cy; }
  Integer TextWidth(const String& AText) { return TextExtent(AText).cx; }
  Integer FontHeight(TFont* AFont);
  void AlignMultiLineTextRectVertically(TRect& R, const String& AText, TcxAlignmentVert AAlignmentVert,
                                        bool AWordBreak, bool AShowPrefix, bool AEnabled = true,
                                        bool ADontBreakChars = false);
  void GetTextStringsBounds(String AText, TRect R, Integer AFlags, bool AEnabled, TRectArray& ABounds);
  void SetFontAngle(Integer Value);

  // Parameters and objects.
  void GetParams(TcxViewParams& AParams) const;
  void SetParams(const TcxViewParams& AParams);
  void SetBrushColor(TColor Value);
  // Makes the canvas's font, brush and pen match the objects selected into ADC.
  void SynchronizeObjects(HDC ADC);

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  struct TcxCanvasState {
    TFont* Font;
    TBrush* Brush;
    TPen* Pen;
  };
  // Makes the wrapped canvas select its font into the DC (the handle becomes valid on the way).
  void RequireFont();
  TCanvas* FCanvas;
  std::vector<Integer> FSavedDCs;
  std::vector<TcxRegion*> FSavedRegions;
  std::vector<TcxCanvasState> FSavedStates;
};

// ---- The screen canvas --------------------------------------------------------------------------------
// Wraps its own canvas on a device context of the whole screen (the desktop window's) and frees it.
class TcxScreenCanvas : public TcxCanvas {
  DECLARE_CLASS(TcxScreenCanvas, TcxCanvas)

 protected:
  void Construct() override;
  void Destroy() override;
};

// The one shared screen canvas, made on first use and freed by the unit's finalization.
TcxScreenCanvas* cxScreenCanvas();
void cxFreeScreenCanvas();

}  // namespace cxGraphics

using namespace cxGraphics;
