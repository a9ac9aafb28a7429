// TBitmap: pixels in a device-independent section of the bitmap's pixel format (or a bitmap of the
// display's format for pfDevice), shared between bitmaps assigned from each other until one of them
// is about to change, kept as BMP bytes while dormant, and drawn through a canvas of its own.
#include <algorithm>
#include <cstring>

#include "BitmapFile.h"
#include "GdiBmp.h"
#include "Graphics.h"
#include "Resources.h"
#include "Streams.h"
#include "Strings.h"
#include "WinGdi.h"

namespace Graphics {

class TBitmapCanvas;

// The pixels and what belongs to them; counted by the bitmaps that share them.
struct TBitmapImage {
  Integer RefCount = 1;
  HBITMAP Handle = nullptr;
  HBITMAP MaskHandle = nullptr;
  HPALETTE Palette = nullptr;
  Integer Width = 0;
  Integer Height = 0;
  TPixelFormat Format = pfDevice;
  bool Monochrome = false;       // a monochrome bitmap of pfDevice
  std::vector<RGBQUAD> Colors;   // the colour table of the indexed formats
  std::vector<uint8_t> Saved;    // the BMP bytes of a dormant bitmap

  ~TBitmapImage();
};

namespace {

// ---- Helpers on bitmap handles ----------------------------------------------------------------------
int BitsOf(TPixelFormat f) {
  switch (f) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit: case pf16bit: return 16;
    case pf24bit: return 24;
    case pf32bit: return 32;
    default: return 0;
  }
}

TPixelFormat FormatOfBits(int bpp) {
  switch (bpp) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return pf15bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: return pfCustom;
  }
}

struct TBitmapInfo256 {
  BITMAPINFOHEADER bmiHeader;
  RGBQUAD bmiColors[256];
};

// The colour table a new indexed section starts with: the graphics layer's standard one.
std::vector<RGBQUAD> DefaultColors(int bpp) {
  TBitmapInfo256 info;
  info.bmiHeader.biWidth = 1;
  info.bmiHeader.biHeight = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bpp);
  HBITMAP probe = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_PAL_COLORS, nullptr, nullptr, 0);
  TBitmapInfo256 out;
  out.bmiHeader.biWidth = 1;
  out.bmiHeader.biHeight = 1;
  out.bmiHeader.biBitCount = static_cast<WORD>(bpp);
  GetDIBits(nullptr, probe, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&out), DIB_RGB_COLORS);
  DeleteObject(probe);
  return std::vector<RGBQUAD>(out.bmiColors, out.bmiColors + (1 << bpp));
}

HBITMAP NewSection(Integer w, Integer h, int bpp, const std::vector<RGBQUAD>& colors) {
  TBitmapInfo256 info;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = h;
  info.bmiHeader.biBitCount = static_cast<WORD>(bpp);
  info.bmiHeader.biClrUsed = static_cast<DWORD>(colors.size());
  std::copy_n(colors.begin(), std::min<size_t>(colors.size(), 256), info.bmiColors);
  return CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, nullptr, nullptr, 0);
}

// A new handle for the image's size and format (null when it has no pixels), filled white.
HBITMAP NewHandle(TBitmapImage& img) {
  if (img.Width <= 0 || img.Height <= 0) return nullptr;
  HBITMAP h;
  if (img.Format == pfDevice) {
    h = CreateBitmap(img.Width, img.Height, 1, img.Monochrome ? 1 : 32, nullptr);
  } else {
    int bpp = BitsOf(img.Format);
    if (bpp <= 8 && img.Colors.size() != (1u << bpp)) img.Colors = DefaultColors(bpp);
    if (bpp > 8) img.Colors.clear();
    h = NewSection(img.Width, img.Height, bpp, img.Colors);
  }
  if (!h) throw EOutOfResources("Out of system resources");
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, h);
  PatBlt(dc, 0, 0, img.Width, img.Height, WHITENESS);
  SelectObject(dc, old);
  DeleteDC(dc);
  return h;
}

BITMAPINFO TopDown32(Integer w, Integer h) {
  BITMAPINFO info;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biBitCount = 32;
  return info;
}

// The pixels as 32-bit rows, top row first (0xAARRGGBB).
std::vector<uint32_t> ReadPixels(HBITMAP h, Integer w, Integer ht) {
  std::vector<uint32_t> rows(static_cast<size_t>(w) * ht);
  BITMAPINFO info = TopDown32(w, ht);
  GetDIBits(nullptr, h, 0, static_cast<UINT>(ht), rows.data(), &info, DIB_RGB_COLORS);
  return rows;
}

// Copies the top-left pixels both have; a target of fewer colours takes the nearest it has.
void CopyPixels(HBITMAP from, Integer fw, Integer fh, HBITMAP to) {
  std::vector<uint32_t> rows = ReadPixels(from, fw, fh);
  BITMAPINFO info = TopDown32(fw, fh);
  SetDIBits(nullptr, to, 0, static_cast<UINT>(fh), rows.data(), &info, DIB_RGB_COLORS);
}

TColor PixelColor(uint32_t p) {
  return static_cast<TColor>(((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16));
}

// Bitmap canvases, so that a handle about to be selected elsewhere can be taken out of the one
// that holds it (a bitmap sits in one device context at a time).
std::vector<TBitmapCanvas*>& BitmapCanvases() {
  static std::vector<TBitmapCanvas*> list;
  return list;
}

void DeselectBitmap(HBITMAP handle);

}  // namespace

// ---- The bitmap's canvas ----------------------------------------------------------------------------
// Draws on a memory device context holding the bitmap, made when drawing needs it and given up
// whenever the bitmap's handle is wanted elsewhere.
class TBitmapCanvas : public TCanvas {
  DECLARE_CLASS(TBitmapCanvas, TCanvas)
 public:
  void FreeContext() {
    if (!HandleAllocated()) return;
    HDC dc = FHandle;
    SetHandle(nullptr);
    if (FOldBitmap) SelectObject(dc, FOldBitmap);
    DeleteDC(dc);
    FOldBitmap = nullptr;
    FSelected = nullptr;
  }
  // The bitmap's new pixels take the place of the old in a context that exists.
  void Reselect(HBITMAP handle) {
    if (!HandleAllocated()) return;
    if (handle) SelectObject(FHandle, handle);
    else FreeContext();
    FSelected = handle;
  }
  HBITMAP Selected() const { return FSelected; }

 protected:
  explicit TBitmapCanvas(TBitmap* Bitmap = nullptr) : FBitmap(Bitmap) {}
  void Construct() override {
    inherited::Construct();
    BitmapCanvases().push_back(this);
  }
  void Destroy() override {
    FreeContext();
    auto& list = BitmapCanvases();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    inherited::Destroy();
  }
  void CreateHandle() override {
    if (!FBitmap) return;
    FBitmap->HandleNeeded();
    HBITMAP h = FBitmap->FImage->Handle;
    HDC dc = CreateCompatibleDC(nullptr);
    if (h) {
      DeselectBitmap(h);
      FOldBitmap = SelectObject(dc, h);
      FSelected = h;
    }
    SetHandle(dc);
  }

 private:
  TBitmap* FBitmap;
  HGDIOBJ FOldBitmap = nullptr;
  HBITMAP FSelected = nullptr;
};

IMPLEMENT_CLASS(TBitmapCanvas)

namespace {
void DeselectBitmap(HBITMAP handle) {
  if (!handle) return;
  for (TBitmapCanvas* c : BitmapCanvases())
    if (c->Selected() == handle && c->LockCount() == 0) c->FreeContext();
}
}  // namespace

TBitmapImage::~TBitmapImage() {
  DeselectBitmap(Handle);
  if (Handle) DeleteObject(Handle);
  if (MaskHandle) DeleteObject(MaskHandle);
  if (Palette) DeleteObject(Palette);
}

// ---- TBitmap ----------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TBitmap)

void TBitmap::Construct() {
  inherited::Construct();
  FImage = new TBitmapImage();
}

void TBitmap::Destroy() {
  if (FCanvas) {
    FCanvas->Free();
    FCanvas = nullptr;
  }
  ReleaseImage();
  inherited::Destroy();
}

void TBitmap::ReleaseImage() {
  if (FImage && --FImage->RefCount <= 0) delete FImage;
  FImage = nullptr;
}

void TBitmap::NewImage(HBITMAP Handle, TPixelFormat Format) {
  FreeContext();
  auto* img = new TBitmapImage();
  img->Handle = Handle;
  img->Format = Format;
  if (Handle) {
    BITMAP bm;
    GetObject(Handle, sizeof bm, &bm);
    img->Width = bm.bmWidth;
    img->Height = bm.bmHeight;
    img->Monochrome = Format == pfDevice && bm.bmBitsPixel == 1;
    int bpp = BitsOf(Format);
    if (bpp && bpp <= 8) {
      TBitmapInfo256 info;
      info.bmiHeader.biBitCount = static_cast<WORD>(bpp);
      GetDIBits(nullptr, Handle, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
      img->Colors.assign(info.bmiColors, info.bmiColors + (1 << bpp));
    }
  }
  ReleaseImage();
  FImage = img;
}

void TBitmap::FreeContext() {
  if (FCanvas && FCanvas->LockCount() == 0) static_cast<TBitmapCanvas*>(FCanvas)->FreeContext();
}

void TBitmap::HandleNeeded() {
  TBitmapImage& img = *FImage;
  if (img.Handle || img.Width <= 0 || img.Height <= 0) return;
  if (img.Saved.empty()) {
    img.Handle = NewHandle(img);
    return;
  }
  int bpp = 0;
  std::vector<RGBQUAD> colors;
  HBITMAP h = ReadBmp(img.Saved.data(), img.Saved.size(), bpp, colors);
  if (FormatOfBits(bpp) != img.Format || img.Format == pfDevice) {
    // Written at the nearest file format; back to the bitmap's own.
    HBITMAP own = NewHandle(img);
    CopyPixels(h, img.Width, img.Height, own);
    DeleteObject(h);
    h = own;
  }
  img.Handle = h;
}

void TBitmap::CopyOnWrite() {
  if (FImage->RefCount <= 1) return;
  HandleNeeded();
  auto* img = new TBitmapImage();
  img->Width = FImage->Width;
  img->Height = FImage->Height;
  img->Format = FImage->Format;
  img->Monochrome = FImage->Monochrome;
  img->Colors = FImage->Colors;
  img->Handle = NewHandle(*img);
  DIBSECTION from, to;
  if (FImage->Format != pfDevice && GetObject(FImage->Handle, sizeof from, &from) == static_cast<int>(sizeof from) &&
      GetObject(img->Handle, sizeof to, &to) == static_cast<int>(sizeof to)) {
    // The same bits, so that indexes stay the indexes they were.
    std::memcpy(to.dsBm.bmBits, from.dsBm.bmBits, static_cast<size_t>(from.dsBm.bmWidthBytes) * img->Height);
  } else if (FImage->Handle) {
    CopyPixels(FImage->Handle, img->Width, img->Height, img->Handle);
  }
  ReleaseImage();
  FImage = img;
  if (FCanvas) static_cast<TBitmapCanvas*>(FCanvas)->Reselect(img->Handle);
}

// About to change: the pixels become this bitmap's own, and what was derived from them goes.
void TBitmap::Changing(TObject*) {
  HandleNeeded();
  CopyOnWrite();
  FImage->Saved.clear();
  if (FImage->MaskHandle) {
    DeleteObject(FImage->MaskHandle);
    FImage->MaskHandle = nullptr;
  }
}

void TBitmap::Changed(TObject* Sender) { inherited::Changed(Sender); }

void TBitmap::Resize(Integer AWidth, Integer AHeight, TPixelFormat Format, bool Mono) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  HandleNeeded();
  FreeContext();
  auto* img = new TBitmapImage();
  img->Width = AWidth;
  img->Height = AHeight;
  img->Format = Format;
  img->Monochrome = Format == pfDevice && Mono;
  if (Format == FImage->Format) img->Colors = FImage->Colors;
  img->Handle = NewHandle(*img);
  if (img->Handle && FImage->Handle) CopyPixels(FImage->Handle, FImage->Width, FImage->Height, img->Handle);
  ReleaseImage();
  FImage = img;
  Changed(this);
}

void TBitmap::SetSize(Integer AWidth, Integer AHeight) {
  if (AWidth == FImage->Width && AHeight == FImage->Height) return;
  Resize(AWidth, AHeight, FImage->Format, FImage->Monochrome);
}

bool TBitmap::GetEmpty() { return FImage->Width <= 0 || FImage->Height <= 0; }
Integer TBitmap::GetWidth() { return FImage->Width; }
Integer TBitmap::GetHeight() { return FImage->Height; }
// Not through SetSize: descendants that redo their pixels on SetSize keep them on Width and Height.
void TBitmap::SetWidth(Integer Value) {
  if (Value != FImage->Width) Resize(Value, FImage->Height, FImage->Format, FImage->Monochrome);
}
void TBitmap::SetHeight(Integer Value) {
  if (Value != FImage->Height) Resize(FImage->Width, Value, FImage->Format, FImage->Monochrome);
}

TCanvas* TBitmap::GetCanvas() {
  if (!FCanvas) {
    FCanvas = New<TBitmapCanvas>(this);
    FCanvas->OnChanging = TNotifyEvent(this, &TBitmap::Changing);
    FCanvas->OnChange = TNotifyEvent(this, &TBitmap::Changed);
  }
  return FCanvas;
}

bool TBitmap::HandleAllocated() const { return FImage && FImage->Handle; }

HBITMAP TBitmap::GetHandle() {
  FreeContext();
  HandleNeeded();
  Changing(this);
  return FImage->Handle;
}

void TBitmap::SetHandle(HBITMAP Value) {
  if (Value && FImage->Handle == Value) return;
  TPixelFormat format = pfDevice;
  if (Value) {
    DIBSECTION ds;
    if (GetObject(Value, sizeof ds, &ds) == static_cast<int>(sizeof ds)) format = FormatOfBits(ds.dsBm.bmBitsPixel);
  }
  NewImage(Value, format);
  Changed(this);
}

HBITMAP TBitmap::ReleaseHandle() {
  HandleNeeded();
  Changing(this);
  FreeContext();
  HBITMAP h = FImage->Handle;
  if (!h) return nullptr;
  DeselectBitmap(h);
  FImage->Saved = EncodeBmp(h, true);
  FImage->Handle = nullptr;
  return h;
}

HPALETTE TBitmap::ReleasePalette() {
  HPALETTE p = FImage->Palette;
  FImage->Palette = nullptr;
  return p;
}

void TBitmap::Dormant() {
  if (!FImage->Handle) return;
  FreeContext();
  DeselectBitmap(FImage->Handle);
  FImage->Saved = EncodeBmp(FImage->Handle, true);
  DeleteObject(FImage->Handle);
  FImage->Handle = nullptr;
}

void TBitmap::FreeImage() {
  if (FImage->RefCount > 1) CopyOnWrite();
  else if (FImage->Handle) FImage->Saved.clear();
}

TBitmapHandleType TBitmap::GetHandleType() { return FImage->Format == pfDevice ? bmDDB : bmDIB; }

void TBitmap::SetHandleType(TBitmapHandleType Value) {
  if (Value == GetHandleType()) return;
  if (Value == bmDDB) SetPixelFormat(pfDevice);
  else SetPixelFormat(FImage->Monochrome ? pf1bit : pf32bit);
}

bool TBitmap::GetMonochrome() { return FImage->Format == pf1bit || (FImage->Format == pfDevice && FImage->Monochrome); }

void TBitmap::SetMonochrome(bool Value) {
  if (Value == GetMonochrome()) return;
  if (FImage->Format == pfDevice) Resize(FImage->Width, FImage->Height, pfDevice, Value);
  else Resize(FImage->Width, FImage->Height, Value ? pf1bit : pfDevice, false);
}

TPixelFormat TBitmap::GetPixelFormat() { return FImage->Format; }

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == FImage->Format) return;
  if (Value == pfCustom) throw EInvalidGraphic("Invalid pixel format");
  Resize(FImage->Width, FImage->Height, Value, false);
}

void* TBitmap::GetScanLine(Integer Row) {
  if (Row < 0 || Row >= FImage->Height) throw EInvalidGraphicOperation("Scan line index out of range");
  Changing(this);
  // Rows are the layout of a device-independent section; a display bitmap becomes a 32-bit one.
  if (FImage->Format == pfDevice) Resize(FImage->Width, FImage->Height, FImage->Monochrome ? pf1bit : pf32bit, false);
  DIBSECTION ds;
  GetObject(FImage->Handle, sizeof ds, &ds);
  auto* bits = static_cast<uint8_t*>(ds.dsBm.bmBits);
  int row = ds.dsBmih.biHeight > 0 ? FImage->Height - 1 - Row : Row;
  return bits + static_cast<size_t>(row) * ds.dsBm.bmWidthBytes;
}

TColor TBitmap::GetTransparentColor() {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (GetEmpty()) return clDefault;
  HandleNeeded();
  // Only the bottom row is read.
  std::vector<uint32_t> row(static_cast<size_t>(FImage->Width));
  BITMAPINFO info = TopDown32(FImage->Width, FImage->Height);
  GetDIBits(nullptr, FImage->Handle, static_cast<UINT>(FImage->Height - 1), 1, row.data(), &info, DIB_RGB_COLORS);
  return PixelColor(row[0]);
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == FTransparentColor && (Value == clDefault) == (FTransparentMode == tmAuto)) return;
  FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
  FTransparentColor = Value;
  Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == FTransparentMode) return;
  if (Value == tmAuto) SetTransparentColor(clDefault);
  else SetTransparentColor(GetTransparentColor());
}

HPALETTE TBitmap::GetPalette() {
  PaletteNeeded();
  return FImage->Palette;
}

void TBitmap::PaletteNeeded() {
  if (FImage->Palette || FImage->Colors.empty()) return;
  std::vector<uint8_t> buffer(sizeof(LOGPALETTE) + FImage->Colors.size() * sizeof(PALETTEENTRY));
  auto* lp = reinterpret_cast<LOGPALETTE*>(buffer.data());
  lp->palVersion = 0x300;
  lp->palNumEntries = static_cast<WORD>(FImage->Colors.size());
  for (size_t i = 0; i < FImage->Colors.size(); ++i) {
    const RGBQUAD& q = FImage->Colors[i];
    lp->palPalEntry[i] = PALETTEENTRY{q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
  }
  FImage->Palette = CreatePalette(lp);
}

void TBitmap::SetPalette(HPALETTE Value) {
  if (Value == FImage->Palette) return;
  Changing(this);
  int bpp = BitsOf(FImage->Format);
  if (Value && bpp && bpp <= 8 && FImage->Handle) {
    // The indexes stay; the colours they stand for are the palette's.
    std::vector<PALETTEENTRY> entries(1u << bpp);
    UINT n = GetPaletteEntries(Value, 0, static_cast<UINT>(entries.size()), entries.data());
    std::vector<RGBQUAD> colors = FImage->Colors;
    for (UINT i = 0; i < n && i < colors.size(); ++i) {
      colors[i].rgbRed = entries[i].peRed;
      colors[i].rgbGreen = entries[i].peGreen;
      colors[i].rgbBlue = entries[i].peBlue;
    }
    HBITMAP h = NewSection(FImage->Width, FImage->Height, bpp, colors);
    DIBSECTION from, to;
    GetObject(FImage->Handle, sizeof from, &from);
    GetObject(h, sizeof to, &to);
    std::memcpy(to.dsBm.bmBits, from.dsBm.bmBits, static_cast<size_t>(from.dsBm.bmWidthBytes) * FImage->Height);
    FreeContext();
    DeselectBitmap(FImage->Handle);
    DeleteObject(FImage->Handle);
    FImage->Handle = h;
    FImage->Colors = colors;
  }
  if (FImage->Palette) DeleteObject(FImage->Palette);
  FImage->Palette = Value;
  Changed(this);
}

void TBitmap::Mask(TColor TransparentColor) {
  HandleNeeded();
  if (!FImage->Handle) return;
  Integer w = FImage->Width, h = FImage->Height;
  std::vector<uint32_t> rows = ReadPixels(FImage->Handle, w, h);
  COLORREF key = ColorToRGB(TransparentColor) & 0x00FFFFFF;
  for (uint32_t& p : rows) p = static_cast<COLORREF>(PixelColor(p) & 0x00FFFFFF) == key ? 0x00FFFFFF : 0;
  HBITMAP mask = CreateBitmap(w, h, 1, 1, nullptr);
  BITMAPINFO info = TopDown32(w, h);
  SetDIBits(nullptr, mask, 0, static_cast<UINT>(h), rows.data(), &info, DIB_RGB_COLORS);
  SetMaskHandle(mask);
}

void TBitmap::MaskHandleNeeded() {
  if (!FImage->MaskHandle) Mask(GetTransparentColor());
}

HBITMAP TBitmap::GetMaskHandle() {
  MaskHandleNeeded();
  return FImage->MaskHandle;
}

void TBitmap::SetMaskHandle(HBITMAP Value) {
  if (Value == FImage->MaskHandle) return;
  if (FImage->MaskHandle) DeleteObject(FImage->MaskHandle);
  FImage->MaskHandle = Value;
}

void TBitmap::Assign(TPersistent* Source) {
  if (!Source) {
    NewImage(nullptr, pfDevice);
    Changed(this);
    return;
  }
  if (auto* b = dynamic_cast<TBitmap*>(Source)) {
    if (b == this) return;
    FreeContext();
    ++b->FImage->RefCount;
    ReleaseImage();
    FImage = b->FImage;
    FTransparent = b->FTransparent;
    FTransparentColor = b->FTransparentColor;
    FTransparentMode = b->FTransparentMode;
    Changed(this);
    return;
  }
  inherited::Assign(Source);
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (GetEmpty()) return;
  HandleNeeded();
  // Drawing reads the pixels: the source canvas's context is made without counting as a change.
  TCanvas* source = GetCanvas();
  source->RequiredState({csHandleValid});
  ACanvas->RequiredState({csHandleValid, csFontValid, csPenValid, csBrushValid});
  HDC src = source->FHandle, dst = ACanvas->FHandle;
  if (GetTransparent()) {
    TransparentBlt(dst, Rect.left, Rect.top, Rect.Width(), Rect.Height(), src, 0, 0, FImage->Width,
                   FImage->Height, ColorToRGB(GetTransparentColor()) & 0x00FFFFFF);
  } else {
    StretchBlt(dst, Rect.left, Rect.top, Rect.Width(), Rect.Height(), src, 0, 0, FImage->Width, FImage->Height,
               ACanvas->CopyMode);
  }
}

// ---- Files and streams ------------------------------------------------------------------------------
void TBitmap::ReadImage(TStream* Stream, Int64 Size) {
  if (Size <= 0) {
    NewImage(nullptr, pfDevice);
    Changed(this);
    return;
  }
  Int64 left = Stream->GetSize() - Stream->GetPosition();
  if (Size > left) throw EInvalidGraphic("Bitmap image is not valid: the data is cut short");
  std::vector<uint8_t> bytes(static_cast<size_t>(Size));
  Stream->ReadBuffer(bytes.data(), static_cast<Integer>(Size));
  int bpp = 0;
  std::vector<RGBQUAD> colors;
  HBITMAP h = ReadBmp(bytes.data(), bytes.size(), bpp, colors);
  NewImage(h, FormatOfBits(bpp));
  Changed(this);
}

void TBitmap::LoadFromStream(TStream* Stream) { ReadImage(Stream, Stream->GetSize() - Stream->GetPosition()); }

void TBitmap::SaveToStream(TStream* Stream) {
  if (GetEmpty()) return;
  HandleNeeded();
  std::vector<uint8_t> bytes = EncodeBmp(FImage->Handle, FImage->Format == pf32bit);
  Stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

void TBitmap::ReadData(TStream* Stream) {
  Integer size = 0;
  Stream->ReadBuffer(&size, sizeof size);
  ReadImage(Stream, size);
}

void TBitmap::WriteData(TStream* Stream) {
  TOwnedPtr<TMemoryStream> bytes(New<TMemoryStream>());
  SaveToStream(bytes.get());
  Integer size = static_cast<Integer>(bytes->GetSize());
  Stream->WriteBuffer(&size, sizeof size);
  if (size) Stream->WriteBuffer(bytes->GetMemory(), size);
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const String& ResName) {
  TOwnedPtr<TResourceStream> res(New<TResourceStream>(Instance, ResName, RT_BITMAP));
  std::vector<uint8_t> file =
      PackedDibToFile(static_cast<const uint8_t*>(res->GetMemory()), static_cast<size_t>(res->GetSize()));
  TOwnedPtr<TMemoryStream> bytes(New<TMemoryStream>());
  bytes->WriteBuffer(file.data(), static_cast<Integer>(file.size()));
  bytes->SetPosition(0);
  LoadFromStream(bytes.get());
}

void TBitmap::LoadFromResourceID(HINSTANCE Instance, Integer ResID) {
  LoadFromResourceName(Instance, "#" + IntToStr(ResID));
}

}  // namespace Graphics

namespace Graphics {

TBitmap* AllocPatternBitmap(TColor BkColor, TColor FgColor) {
  struct TPattern {
    TColor Bk, Fg;
    TBitmap* Bitmap;
  };
  // The patterns live as long as the program (the list is never destroyed): brushes made from them
  // may outlive any one caller.
  static auto& patterns = *new std::vector<TPattern>;
  for (const TPattern& p : patterns)
    if (p.Bk == BkColor && p.Fg == FgColor) return p.Bitmap;
  TBitmap* b = New<TBitmap>();
  b->SetPixelFormat(pf24bit);
  b->SetSize(8, 8);
  TCanvas* c = b->GetCanvas();
  for (Integer y = 0; y < 8; ++y)
    for (Integer x = 0; x < 8; ++x) c->SetPixel(x, y, (x + y) % 2 ? FgColor : BkColor);
  b->Dormant();
  patterns.push_back({BkColor, FgColor, b});
  return b;
}

}  // namespace Graphics
