// The framework's bitmaps: TcxCustomBitmap adds a canvas wrapper, an update lock that batches change
// notifications and the optional run-length ("XDBM") form of the bitmap data in streams; TcxBitmap is
// always 32-bit and carries the per-pixel effects (disable, fade, grayscale, dingy, dirty, hatch,
// mask, opacity, clear) that leave its transparent colours alone.
#pragma once

#include "Graphics.h"
#include "Lists.h"
#include "WinGdi.h"

namespace Streams {
class TStream;
}

namespace cxGraphics {

using Graphics::TBitmap;
using Graphics::TPixelFormat;
using Streams::TStream;
class TcxCanvas;

// A colour as a 32-bit pixel (blue in the low byte, alpha in the high one) and back.
inline uint32_t QuadToUInt(const RGBQUAD& q) {
  return static_cast<uint32_t>(q.rgbBlue) | static_cast<uint32_t>(q.rgbGreen) << 8 |
         static_cast<uint32_t>(q.rgbRed) << 16 | static_cast<uint32_t>(q.rgbReserved) << 24;
}
inline RGBQUAD UIntToQuad(uint32_t v) {
  return RGBQUAD{static_cast<BYTE>(v), static_cast<BYTE>(v >> 8), static_cast<BYTE>(v >> 16),
                 static_cast<BYTE>(v >> 24)};
}

// The transparent colours of a bitmap, kept as RGBQUAD values with the reserved byte 0.
class TcxColorList : public TList {
  DECLARE_CLASS(TcxColorList, TList)
 public:
  void Add(TColor AColor);
  RGBQUAD GetColor(Integer Index) const;
};

#pragma pack(push, 1)
struct TcxHatchData {
  RGBQUAD Color1;
  BYTE Alpha1 = 0;
  RGBQUAD Color2;
  BYTE Alpha2 = 0;
  BYTE Step = 0;
};
#pragma pack(pop)

// Grey weights of the three channels; Alpha is the constant alpha the image drawer uses with the map.
struct TcxColorTransitionMap {
  float RedScale;
  float GreenScale;
  float BlueScale;
  BYTE SrcAlpha;
  BYTE SrcConstantAlpha;
};
extern const TcxColorTransitionMap DisableMap;
extern const TcxColorTransitionMap FadeMap;
extern const TcxColorTransitionMap GrayMap;

enum TcxBitmapTransformationMode {
  btmDingy, btmDirty, btmGrayScale, btmSetOpaque, btmMakeMask, btmFade, btmDisable, btmCorrectBlend, btmHatch,
  btmClear
};

// ---- The run-length stream ------------------------------------------------------------------------------
// Header: Int32 byte count of the packets, the signature "XDBM", Word version 1; then the packets.
constexpr Integer cxBitmapStreamHeaderSize = 10;
constexpr Word cxBitmapStreamVersion = 1;
constexpr Integer cxBitmapStreamMaxPacket = 125;

class TcxCustomBitmap : public TBitmap {
  DECLARE_CLASS(TcxCustomBitmap, TBitmap)
 public:
  explicit TcxCustomBitmap(Integer AWidth = 0, Integer AHeight = 0, TPixelFormat APixelFormat = Graphics::pf24bit)
      : FInitWidth(AWidth), FInitHeight(AHeight), FInitPixelFormat(APixelFormat) {}
  explicit TcxCustomBitmap(const TRect& ARect, TPixelFormat APixelFormat = Graphics::pf24bit)
      : TcxCustomBitmap(ARect.right - ARect.left, ARect.bottom - ARect.top, APixelFormat) {}

  void BeginUpdate();
  void EndUpdate(bool AForceUpdate = true);
  bool ChangeLocked() const { return FLockCount > 0; }
  void CopyBitmap(TBitmap* ASrcBitmap, DWORD ACopyMode = SRCCOPY);
  void CopyBitmap(TBitmap* ASrcBitmap, const TRect& ADestRect, const TPoint& ASrcTopLeft, DWORD ACopyMode = SRCCOPY);
  virtual void Clear();
  void Rotate(Integer ARotationAngle, bool AFlipVertically = false);  // a TcxRotationAngle
  void SetSize(Integer AWidth, Integer AHeight) override;
  TRect GetClientRect();
  TcxCanvas* GetcxCanvas() const { return FcxCanvas; }
  bool GetCompressData() const { return FCompressData; }
  void SetCompressData(bool Value) { FCompressData = Value; }

  // Packs ACount bytes from the source's position into run-length packets.
  static void Compress(TStream* ASource, TStream* ADestination, Int64 ACount);
  // Unpacks ACount bytes of packets; EReadError for packets cut off or a count the source lacks.
  static void Decompress(TStream* ASource, TStream* ADestination, Int64 ACount);

 protected:
  void Construct() override;
  void Destroy() override;
  void Changed(TObject* Sender) override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  virtual void Initialize(Integer AWidth, Integer AHeight, TPixelFormat APixelFormat);
  virtual void Update() {}

 private:
  Integer FInitWidth, FInitHeight;
  TPixelFormat FInitPixelFormat;
  bool FCompressData = false;
  TcxCanvas* FcxCanvas = nullptr;
  Integer FLockCount = 0;
  bool FChangedWhileLocked = false;
};

class TcxBitmap : public TcxCustomBitmap {
  DECLARE_CLASS(TcxBitmap, TcxCustomBitmap)
 public:
  // Any requested pixel format becomes 32 bits per pixel.
  explicit TcxBitmap(Integer AWidth = 0, Integer AHeight = 0, TPixelFormat = Graphics::pf32bit)
      : TcxCustomBitmap(AWidth, AHeight, Graphics::pf32bit) {}
  explicit TcxBitmap(const TRect& ARect, TPixelFormat = Graphics::pf32bit)
      : TcxCustomBitmap(ARect, Graphics::pf32bit) {}
  TcxBitmap(Integer AWidth, Integer AHeight, RGBQUAD AClearColor)
      : TcxCustomBitmap(AWidth, AHeight, Graphics::pf32bit), FClearColor(AClearColor) {}

  // Bottom-up rows of 32-bit pixels.
  std::vector<RGBQUAD> GetBitmapColors();
  void SetBitmapColors(const std::vector<RGBQUAD>& AColors);
  void Clear() override;
  void SetSize(Integer AWidth, Integer AHeight) override;

  void TransformBitmap(TcxBitmapTransformationMode AMode);
  bool IsColorTransparent(const RGBQUAD& AColor) const;
  bool GetIsAlphaUsed();
  void MakeOpaque();
  void RecoverAlphaChannel(TColor ATransparentColor);
  void Filter(TBitmap* AMaskBitmap);
  void Invert();
  void Shade(TBitmap* AMaskBitmap);
  void DrawShadow(TBitmap* AMaskBitmap, Integer AShadowSize, TColor AShadowColor = clBtnShadow,
                  bool AInflateSize = false);
  void DrawHatch(const TcxHatchData& AHatchData);
  void DrawHatch(TColor AColor1, TColor AColor2, BYTE AStep, BYTE AAlpha1 = 0xFF, BYTE AAlpha2 = 0xFF);
  void AlphaBlend(TcxBitmap* ADestBitmap, const TRect& ARect, bool ASmoothImage, BYTE AConstantAlpha = 0xFF);

  RGBQUAD GetClearColor() const { return FClearColor; }
  void SetClearColor(const RGBQUAD& Value) { FClearColor = Value; }
  TcxColorList* GetTransparentBkColors() const { return FTransparentBkColors; }

  // The per-pixel effects, each applied by TransformBitmap to the current pixel.
  void Dingy(RGBQUAD& AColor);
  void Dirty(RGBQUAD& AColor);
  void GrayScale(RGBQUAD& AColor);
  void SetOpaque(RGBQUAD& AColor);
  void MakeMask(RGBQUAD& AColor);
  void Fade(RGBQUAD& AColor);
  void Disable(RGBQUAD& AColor);
  void CorrectBlend(RGBQUAD& AColor);
  void Hatch(RGBQUAD& AColor);
  void ClearColor(RGBQUAD& AColor);
  static void Scale(RGBQUAD& AColor, const TcxColorTransitionMap& AColorMap);
  // GrayScale and Dingy of any colour, transparent or not.
  static void GrayScaleColor(RGBQUAD& AColor);
  static void DingyColor(RGBQUAD& AColor);

  // Scale, GrayScaleColor and DingyColor over rows of pixels (blue in the low byte) at once, from
  // ASource to ADest (which may be the same row); each of them leaves transparent black as it is, so
  // a row is that of the effect for a bitmap whose only transparent colour is transparent black.
  static void ScaleRow(const uint32_t* ASource, uint32_t* ADest, Integer ACount,
                       const TcxColorTransitionMap& AColorMap);
  static void GrayScaleRow(const uint32_t* ASource, uint32_t* ADest, Integer ACount);
  static void DingyRow(const uint32_t* ASource, uint32_t* ADest, Integer ACount);
  // A row of a glyph over its shadow as DrawShadow composes them for a glyph whose only transparent
  // colour is transparent black: each pixel as it is, and where it is transparent black the shadow's
  // pixel when the pixel casting the shadow onto it (ACaster, the glyph's pixel up and to the left
  // by the shadow's size) is not transparent black.
  static void ShadowRow(const uint32_t* AGlyph, const uint32_t* ACaster, uint32_t* ADest, Integer ACount,
                        uint32_t AShadowPixel);

 protected:
  void Construct() override;
  void Destroy() override;
  void Initialize(Integer AWidth, Integer AHeight, TPixelFormat APixelFormat) override;
  void Update() override;

 private:
  BITMAPINFO FBitmapInfo;
  HDC FDC = nullptr;
  RGBQUAD FClearColor{};  // transparent black unless given
  TcxColorList* FTransparentBkColors = nullptr;
  Integer FCurrentColorIndexX = 0, FCurrentColorIndexY = 0;
  TcxHatchData FHatchData;
};

}  // namespace cxGraphics

using namespace cxGraphics;
