// Graphics objects of the class library: colours and their names, the font, pen and brush whose
// device handles are shared through a resource cache, the canvas that draws with them on a device
// context, and the pictures it draws: bitmaps, icons and the picture that holds either.
#pragma once

#include "Closures.h"
#include "Exceptions.h"
#include "Persistent.h"
#include "TypInfo.h"
#include "Types.h"
#include "WinDef.h"

namespace WinGdi {
struct LOGFONTA;
}

namespace Streams {
class TStream;
}

namespace Graphics {

using WinGdi::LOGFONTA;
using Streams::TStream;
class TBitmap;
class TGraphic;

// A damaged or unknown picture; an operation the picture cannot do in its state.
DECLARE_EXCEPTION(EInvalidGraphic, Exception)
DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception)

// ---- Colours ----------------------------------------------------------------------------------------
// 0x00BBGGRR, or a system colour (0x80000000 + index), or one of the two markers below.
using TColor = Integer;
constexpr TColor clSystemColor = static_cast<TColor>(0x80000000);
constexpr TColor clScrollBar = clSystemColor | 0, clBackground = clSystemColor | 1,
                 clActiveCaption = clSystemColor | 2, clInactiveCaption = clSystemColor | 3,
                 clMenu = clSystemColor | 4, clWindow = clSystemColor | 5, clWindowFrame = clSystemColor | 6,
                 clMenuText = clSystemColor | 7, clWindowText = clSystemColor | 8,
                 clCaptionText = clSystemColor | 9, clActiveBorder = clSystemColor | 10,
                 clInactiveBorder = clSystemColor | 11, clAppWorkSpace = clSystemColor | 12,
                 clHighlight = clSystemColor | 13, clHighlightText = clSystemColor | 14,
                 clBtnFace = clSystemColor | 15, clBtnShadow = clSystemColor | 16,
                 clGrayText = clSystemColor | 17, clBtnText = clSystemColor | 18,
                 clInactiveCaptionText = clSystemColor | 19, clBtnHighlight = clSystemColor | 20,
                 cl3DDkShadow = clSystemColor | 21, cl3DLight = clSystemColor | 22,
                 clInfoText = clSystemColor | 23, clInfoBk = clSystemColor | 24,
                 clHotLight = clSystemColor | 26, clGradientActiveCaption = clSystemColor | 27,
                 clGradientInactiveCaption = clSystemColor | 28, clMenuHighlight = clSystemColor | 29,
                 clMenuBar = clSystemColor | 30;
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clLtGray = 0xC0C0C0,
                 clDkGray = 0x808080, clWhite = 0xFFFFFF, clMoneyGreen = 0xC0DCC0,
                 clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;

// The RGB value of a colour, system colours resolved.
COLORREF ColorToRGB(TColor Color);
// "clRed" for a named colour, "$00BBGGRR" otherwise.
String ColorToString(TColor Color);
// A name or a number ("$FF", "255"); EConvertError for neither.
TColor StringToColor(const String& S);
bool ColorToIdent(Integer Color, String& Ident);
bool IdentToColor(const String& Ident, Integer& Color);
const TTypeInfo* ColorTypeInfo();     // TColor: streams by name where it has one
const TTypeInfo* CharsetTypeInfo();   // TFontCharset: streams by name (GB2312_CHARSET, ...)

// ---- Font, pen, brush -------------------------------------------------------------------------------
PUBLISHED_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle, 8>;
PUBLISHED_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)
using TFontCharset = Integer;
PUBLISHED_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)
PUBLISHED_ENUM(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
               pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor)
PUBLISHED_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
               bsDiagCross)

// The shared part of a font, pen or brush: its change notification and a lock against drawing
// threads (one thread here; kept for the callers).
class TGraphicsObject : public TPersistent {
  DECLARE_CLASS(TGraphicsObject, TPersistent)
 public:
  TNotifyEvent OnChange;

 protected:
  void Destroy() override;
  virtual void Changed();
};

class TFont : public TGraphicsObject {
  DECLARE_CLASS(TFont, TGraphicsObject)
 public:
  void Assign(TPersistent* Source) override;
  // Takes the whole description of a logical font: what the properties hold (face, height, style,
  // pitch, charset) and the rest (width, weight, rotation, precisions, quality, family), which stays
  // with the font through later property changes and is copied by Assign.
  void AssignLogFont(const LOGFONTA& Font);
  // A font handle for this description, shared with every font of the same description.
  HFONT GetHandle();
  // Describes the font by an existing font handle (the handle itself stays its owner's).
  void SetHandle(HFONT Value);
  // Tenths of a degree, counter-clockwise: the direction of the text line and of each character.
  Integer GetEscapement() const { return FLogFont.Escapement; }
  Integer GetOrientation() const { return FLogFont.Orientation; }

  String GetName() const { return FName; }
  void SetName(const String& Value);
  Integer GetSize() const;  // points at the font's PixelsPerInch
  void SetSize(Integer Value);
  Integer GetHeight() const { return FHeight; }  // pixels; negative: the character height
  void SetHeight(Integer Value);
  TFontStyles GetStyle() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TFontPitch GetPitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  TFontCharset GetCharset() const { return FCharset; }
  void SetCharset(TFontCharset Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  Integer PixelsPerInch = 96;

  // The font that new fonts start as: 宋体, 9 points, default charset, window-text colour.
  static void DefaultFontData(String& Name, Integer& Height);

 protected:
  void Construct() override;

 private:
  // The parts of the logical font that no property shows.
  struct TLogFontRest {
    Integer Width = 0;
    Integer Escapement = 0;
    Integer Orientation = 0;
    Integer Weight = 0;  // 0: the weight of the style (normal or bold)
    Byte OutPrecision = 0, ClipPrecision = 0, Quality = 0, Family = 0;
  };
  String FName;
  Integer FHeight = -12;
  TLogFontRest FLogFont;
  TFontStyles FStyle;
  TFontPitch FPitch = fpDefault;
  TFontCharset FCharset = 1;  // DEFAULT_CHARSET
  TColor FColor = clWindowText;
};

class TPen : public TGraphicsObject {
  DECLARE_CLASS(TPen, TGraphicsObject)
 public:
  void Assign(TPersistent* Source) override;
  HPEN GetHandle();
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  TPenStyle GetStyle() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  Integer GetWidth() const { return FWidth; }
  void SetWidth(Integer Value);
  TPenMode GetMode() const { return FMode; }
  void SetMode(TPenMode Value);

 private:
  TColor FColor = clBlack;
  TPenStyle FStyle = psSolid;
  Integer FWidth = 1;
  TPenMode FMode = pmCopy;
};

class TBrush : public TGraphicsObject {
  DECLARE_CLASS(TBrush, TGraphicsObject)
 public:
  void Assign(TPersistent* Source) override;
  HBRUSH GetHandle();
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);  // a clear brush becomes solid
  TBrushStyle GetStyle() const { return FStyle; }
  void SetStyle(TBrushStyle Value);
  // A pattern brush from a bitmap (the caller keeps the bitmap alive); null: back to the style.
  TBitmap* GetBitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* Value);

 private:
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
  TBitmap* FBitmap = nullptr;
};

// ---- Canvas -----------------------------------------------------------------------------------------
enum TCanvasStateItem { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = TSet<TCanvasStateItem, 8>;
enum TCanvasOrientation { coLeftToRight, coRightToLeft };
using TCopyMode = DWORD;  // a raster-operation code (SRCCOPY, ...)

// Draws on a device context with its font, pen and brush, selecting each into the context when a
// drawing member first needs it. A plain canvas draws on a handle given to it; descendants make their
// own (CreateHandle) when asked for one.
class TCanvas : public TPersistent {
  DECLARE_CLASS(TCanvas, TPersistent)
 public:
  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

  // Makes one through CreateHandle when there is none (EInvalidOperation if it cannot), announces a
  // change (OnChanging) and selects the font, pen and brush into it.
  HDC GetHandle();
  // Takes a foreign device context (selected objects restored on the old one); null releases it.
  void SetHandle(HDC Value);
  bool HandleAllocated() const { return FHandle != nullptr; }
  void Lock() { ++FLockCount; }
  void Unlock() { --FLockCount; }
  Integer LockCount() const { return FLockCount; }

  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TPen* GetPen() const { return FPen; }
  void SetPen(TPen* Value) { FPen->Assign(Value); }
  TBrush* GetBrush() const { return FBrush; }
  void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
  TCopyMode CopyMode = 0x00CC0020;  // SRCCOPY
  TPoint GetPenPos();
  void SetPenPos(TPoint Value) { MoveTo(Value.x, Value.y); }
  TRect GetClipRect();
  TColor GetPixel(Integer X, Integer Y);
  void SetPixel(Integer X, Integer Y, TColor Color);
  TCanvasOrientation GetCanvasOrientation();

  void MoveTo(Integer X, Integer Y);
  void LineTo(Integer X, Integer Y);
  void Polyline(const TPoint* Points, Integer Count);
  void Polygon(const TPoint* Points, Integer Count);
  void Rectangle(Integer X1, Integer Y1, Integer X2, Integer Y2);
  void Rectangle(const TRect& R) { Rectangle(R.left, R.top, R.right, R.bottom); }
  void RoundRect(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3);
  void Ellipse(Integer X1, Integer Y1, Integer X2, Integer Y2);
  void Pie(Integer X1, Integer Y1, Integer X2, Integer Y2, Integer X3, Integer Y3, Integer X4, Integer Y4);
  void FillRect(const TRect& Rect);
  void FrameRect(const TRect& Rect);
  void DrawFocusRect(const TRect& Rect);
  void TextOut(Integer X, Integer Y, const String& Text);
  // The text clipped to Rect, drawn from (X, Y); the brush fills Rect unless it is clear.
  void TextRect(const TRect& Rect, Integer X, Integer Y, const String& Text);
  TSize TextExtent(const String& Text);
  Integer TextWidth(const String& Text) { return TextExtent(Text).cx; }
  Integer TextHeight(const String& Text) { return TextExtent(Text).cy; }
  // Copies a rectangle from another canvas with CopyMode, stretching to Dest.
  void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
  // Draws the bitmap's Source rectangle into Dest, its TransparentColor pixels showing the brush.
  void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor TransparentColor);
  // The graphic at its own size with its top-left at (X, Y); transparent graphics leave their
  // transparent pixels alone.
  void Draw(Integer X, Integer Y, TGraphic* Graphic);
  void StretchDraw(const TRect& Rect, TGraphic* Graphic);
  void Refresh();  // deselects the objects so that the next drawing selects them afresh

 protected:
  // Bitmaps read their own canvas's context without announcing a change.
  friend class TBitmap;
  friend class TBitmapCanvas;
  void Construct() override;
  void Destroy() override;
  virtual void CreateHandle() {}
  virtual void Changing();
  virtual void Changed();
  // Selects what the next drawing needs; raises EInvalidOperation when there is no handle.
  void RequiredState(TCanvasState ReqState);
  void DeselectHandles();

 private:
  void FontChanged(TObject* Sender);
  void PenChanged(TObject* Sender);
  void BrushChanged(TObject* Sender);
  void CreateFont();
  void CreatePen();
  void CreateBrush();

  HDC FHandle = nullptr;
  TCanvasState FState;
  TFont* FFont = nullptr;
  TPen* FPen = nullptr;
  TBrush* FBrush = nullptr;
  Integer FLockCount = 0;
  HGDIOBJ FOldFont = nullptr, FOldPen = nullptr, FOldBrush = nullptr;
};

// ---- Pictures ---------------------------------------------------------------------------------------
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TBitmapHandleType { bmDIB, bmDDB };
PUBLISHED_ENUM(TTransparentMode, tmAuto, tmFixed)

// A picture that draws itself on a canvas, streams itself (as a whole file with SaveToStream, and
// as the "Data" entry of a form resource) and tells OnChange when it changes.
class TGraphic : public TInterfacedPersistent {
  DECLARE_CLASS(TGraphic, TInterfacedPersistent)
 public:
  TNotifyEvent OnChange;

  virtual void LoadFromStream(TStream* Stream) = 0;  // from the position to the end
  virtual void SaveToStream(TStream* Stream) = 0;
  void LoadFromFile(const String& FileName);
  void SaveToFile(const String& FileName);
  // Same class and the same saved bytes.
  virtual bool Equals(TGraphic* Graphic);

  virtual bool GetEmpty() = 0;
  virtual Integer GetWidth() = 0;
  virtual void SetWidth(Integer Value) = 0;
  virtual Integer GetHeight() = 0;
  virtual void SetHeight(Integer Value) = 0;
  virtual HPALETTE GetPalette() { return nullptr; }
  virtual void SetPalette(HPALETTE Value) {}
  bool GetModified() const { return FModified; }
  virtual void SetModified(bool Value);
  virtual bool GetTransparent() { return FTransparent; }
  virtual void SetTransparent(bool Value);

 protected:
  friend class TCanvas;
  friend class TPicture;
  virtual void Changed(TObject* Sender);
  void DefineProperties(Filer::TFiler* Filer) override;
  virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;
  // The stream entry "Data": what LoadFromStream/SaveToStream hold, behind its size where the
  // format needs one (a bitmap's Int32 byte count).
  virtual void ReadData(TStream* Stream);
  virtual void WriteData(TStream* Stream);

  bool FTransparent = false;

 private:
  void ReadDataProc(TStream* Stream) { ReadData(Stream); }
  void WriteDataProc(TStream* Stream) { WriteData(Stream); }
  bool FModified = false;
};

struct TBitmapImage;  // the pixels, shared by bitmaps assigned from each other until one changes

// A bitmap whose pixels are a device-independent section of PixelFormat (pfDevice: a bitmap of the
// display's format), created when first needed and shared with assigned copies until either one
// is changed through its Canvas, ScanLine or Handle.
class TBitmap : public TGraphic {
  DECLARE_CLASS(TBitmap, TGraphic)
 public:
  void Assign(TPersistent* Source) override;
  // Keeps the pixels as bytes and gives up the device handle until it is needed again.
  void Dormant();
  // Drops the bytes kept for a dormant bitmap (the handle stays).
  void FreeImage();
  void LoadFromStream(TStream* Stream) override;  // a BMP file; EInvalidGraphic when damaged
  void SaveToStream(TStream* Stream) override;    // a BMP file (nothing for an empty bitmap)
  // A bitmap resource (RT_BITMAP) of the program; EResNotFound when there is none of that name.
  void LoadFromResourceName(HINSTANCE Instance, const String& ResName);
  void LoadFromResourceID(HINSTANCE Instance, Integer ResID);
  // Hands the handle to the caller, who deletes it; the bitmap keeps a copy of its pixels.
  HBITMAP ReleaseHandle();
  HPALETTE ReleasePalette();
  // Makes the mask (white where the colour is) the bitmap's mask handle.
  void Mask(TColor TransparentColor);
  virtual void SetSize(Integer AWidth, Integer AHeight);

  TCanvas* GetCanvas();
  bool HandleAllocated() const;
  HBITMAP GetHandle();  // made on demand; the caller may draw with it but does not own it
  void SetHandle(HBITMAP Value);  // takes ownership
  HBITMAP GetMaskHandle();
  void SetMaskHandle(HBITMAP Value);
  TBitmapHandleType GetHandleType();
  void SetHandleType(TBitmapHandleType Value);
  bool GetMonochrome();
  void SetMonochrome(bool Value);
  TPixelFormat GetPixelFormat();
  void SetPixelFormat(TPixelFormat Value);
  // Row Row of the pixels in the pixel format's layout (top row 0); EInvalidGraphicOperation
  // outside 0..Height-1.
  void* GetScanLine(Integer Row);
  TColor GetTransparentColor();  // tmAuto: the bottom-left pixel
  void SetTransparentColor(TColor Value);
  TTransparentMode GetTransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);

  bool GetEmpty() override;
  Integer GetWidth() override;
  void SetWidth(Integer Value) override;
  Integer GetHeight() override;
  void SetHeight(Integer Value) override;
  HPALETTE GetPalette() override;
  void SetPalette(HPALETTE Value) override;

 protected:
  void Construct() override;
  void Destroy() override;
  void Changed(TObject* Sender) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  // Makes the device handle exist (from the kept bytes of a dormant bitmap).
  void HandleNeeded();
  void MaskHandleNeeded();
  void PaletteNeeded();

 private:
  friend class TBitmapCanvas;
  void Changing(TObject* Sender);
  void FreeContext();
  void NewImage(HBITMAP Handle, TPixelFormat Format);
  void ReleaseImage();
  void CopyOnWrite();
  void Resize(Integer AWidth, Integer AHeight, TPixelFormat Format, bool Mono);
  void ReadImage(TStream* Stream, Int64 Size);

  TBitmapImage* FImage = nullptr;
  TCanvas* FCanvas = nullptr;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
};

// An icon: an image with its mask, read from and written to the icon file format.
class TIcon : public TGraphic {
  DECLARE_CLASS(TIcon, TGraphic)
 public:
  void Assign(TPersistent* Source) override;
  void LoadFromStream(TStream* Stream) override;  // an icon file; EInvalidGraphic when damaged
  void SaveToStream(TStream* Stream) override;
  HICON ReleaseHandle();
  HICON GetHandle();  // null for an empty icon
  void SetHandle(HICON Value);  // takes ownership
  bool HandleAllocated() const { return FHandle != nullptr; }

  bool GetEmpty() override { return !FHandle; }
  Integer GetWidth() override;
  void SetWidth(Integer Value) override;  // an icon's size comes from its image
  Integer GetHeight() override;
  void SetHeight(Integer Value) override;
  bool GetTransparent() override { return true; }

 protected:
  void Construct() override;
  void Destroy() override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

 private:
  HICON FHandle = nullptr;
};

// Holds one graphic of any kind, made as a bitmap or icon when asked for one.
class TPicture : public TInterfacedPersistent {
  DECLARE_CLASS(TPicture, TInterfacedPersistent)
 public:
  TNotifyEvent OnChange;
  void Assign(TPersistent* Source) override;  // a picture, a graphic or nothing
  void LoadFromFile(const String& FileName);   // by extension: .bmp, .ico
  void SaveToFile(const String& FileName);

  TGraphic* GetGraphic() const { return FGraphic; }
  void SetGraphic(TGraphic* Value);  // a copy of Value; null empties the picture
  TBitmap* GetBitmap();              // replaces a graphic of another kind by an empty bitmap
  void SetBitmap(TBitmap* Value) { SetGraphic(Value); }
  TIcon* GetIcon();
  void SetIcon(TIcon* Value) { SetGraphic(Value); }
  Integer GetWidth() const;
  Integer GetHeight() const;

 protected:
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;
  virtual void Changed(TObject* Sender);
  void AssignTo(TPersistent* Dest) override;

 private:
  template <class T> T* ForceGraphic();
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);
  TGraphic* FGraphic = nullptr;
};

// An 8 x 8 checkerboard of the two colours, shared by every caller asking for the same pair; the
// bitmap stays the library's.
TBitmap* AllocPatternBitmap(TColor BkColor, TColor FgColor);

// Frees every cached font, pen and brush handle that no object uses (tests, shut-down).
void ClearGraphicsCache();
// The number of device handles the cache holds now.
Integer GraphicsCacheCount();

}  // namespace Graphics

using namespace Graphics;
