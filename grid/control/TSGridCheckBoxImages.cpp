// The check box's images: the process-wide strip of nine 13 x 13 images (a cross, a tick and a flat
// box, each checked, unchecked and grayed) with their pressed forms, drawn in code by the first
// check box; the application's own bitmaps per state; and which of them shows a state.
#include <initializer_list>

#include "Graphics.h"
#include "TSGridCheckBox.h"
#include "TSGridResources.h"
#include "WinGdi.h"
#include "WinUserDraw.h"

namespace TSGrid {

namespace {

constexpr Integer WinNTBase = 0, Win95Base = 3, FlatBase = 6;
constexpr COLORREF Black = 0x000000, White = 0xFFFFFF, Silver = 0xC0C0C0, Grey = 0x808080;

// Draws into image N of the strip in the image's own coordinates (0 to 12).
class TImagePen {
 public:
  TImagePen(HDC DC, Integer N) : FDC(DC), FTop(N * CheckImageSize) {}
  void Line(Integer X1, Integer Y1, Integer X2, Integer Y2, COLORREF Color) {
    HPEN pen = CreatePen(PS_SOLID, 1, Color);
    HGDIOBJ old = SelectObject(FDC, pen);
    MoveToEx(FDC, X1, FTop + Y1, nullptr);
    LineTo(FDC, X2, FTop + Y2);
    SelectObject(FDC, old);
    DeleteObject(pen);
  }
  void Polyline(std::initializer_list<POINT> Points, COLORREF Color) {
    const POINT* p = Points.begin();
    for (size_t i = 1; i < Points.size(); ++i) Line(p[i - 1].x, p[i - 1].y, p[i].x, p[i].y, Color);
  }
  void Edge(Integer Inset, UINT EdgeKind, UINT Flags) {
    RECT r{Inset, FTop + Inset, CheckImageSize - Inset, FTop + CheckImageSize - Inset};
    DrawEdge(FDC, &r, EdgeKind, Flags);
  }
  void Fill(Integer Left, Integer Top, Integer Right, Integer Bottom, COLORREF Color) {
    RECT r{Left, FTop + Top, Right, FTop + Bottom};
    HBRUSH brush = CreateSolidBrush(Color);
    FillRect(FDC, &r, brush);
    DeleteObject(brush);
  }
  // The sunken frame of the cross and tick styles around a white box.
  void Frame3D() {
    Edge(0, EDGE_SUNKEN, BF_RECT);
    Fill(2, 2, 11, 11, White);
  }
  void Tick(COLORREF Color) {
    Polyline({{3, 5}, {5, 7}, {10, 2}}, Color);
    Polyline({{3, 6}, {5, 8}, {10, 3}}, Color);
    Polyline({{3, 7}, {5, 9}, {10, 4}}, Color);
  }

 private:
  HDC FDC;
  Integer FTop;
};

void DrawNormalImages(HDC DC) {
  TImagePen crossOn(DC, WinNTBase);
  crossOn.Frame3D();
  crossOn.Line(3, 3, 10, 10, Black);
  crossOn.Line(4, 3, 10, 9, Black);
  crossOn.Line(3, 4, 9, 10, Black);
  crossOn.Line(9, 3, 2, 10, Black);
  crossOn.Line(8, 3, 2, 9, Black);
  crossOn.Line(9, 4, 3, 10, Black);

  TImagePen(DC, WinNTBase + 1).Frame3D();

  TImagePen crossGrayed(DC, WinNTBase + 2);
  crossGrayed.Frame3D();
  crossGrayed.Line(3, 3, 10, 10, Black);
  for (Integer i = 0; i <= 3; ++i) {
    crossGrayed.Line(3 + 2 * i, 3, 10, 10 - 2 * i, Black);
    crossGrayed.Line(3, 3 + 2 * i, 10 - 2 * i, 10, Black);
  }

  TImagePen tickOn(DC, Win95Base);
  tickOn.Frame3D();
  tickOn.Tick(Black);

  TImagePen(DC, Win95Base + 1).Frame3D();

  TImagePen tickGrayed(DC, Win95Base + 2);
  tickGrayed.Frame3D();
  for (Integer i = 0; i <= 4; ++i) {
    tickGrayed.Line(3 + 2 * i, 2, 11, 10 - 2 * i, Silver);
    tickGrayed.Line(2, 3 + 2 * i, 10 - 2 * i, 11, Silver);
  }
  tickGrayed.Tick(Grey);

  TImagePen flatOn(DC, FlatBase);
  flatOn.Edge(0, BDR_RAISEDOUTER, BF_MONO | BF_RECT);
  flatOn.Line(0, 0, 12, 12, Black);
  flatOn.Line(0, 12, 12, 0, Black);

  TImagePen(DC, FlatBase + 1).Edge(0, EDGE_SUNKEN, BF_MONO | BF_RECT);

  TImagePen flatGrayed(DC, FlatBase + 2);
  flatGrayed.Edge(0, EDGE_SUNKEN, BF_MONO | BF_RECT);
  for (Integer i = 0; i <= 5; ++i) {
    flatGrayed.Line(1 + 2 * i, 0, 13, 12 - 2 * i, Black);
    flatGrayed.Line(0, 1 + 2 * i, 12 - 2 * i, 13, Black);
  }
}

// Image N of a bitmap of 2 x Count images stacked, as a rectangle.
TRect ImageRect(TBitmap* Bitmap, Integer Count, Integer N) {
  const Integer height = Bitmap->GetHeight() / (2 * Count);
  return TRect(0, N * height, Bitmap->GetWidth(), (N + 1) * height);
}

void CopyImage(TBitmap* Bitmap, Integer Count, Integer N) {
  const TRect from = ImageRect(Bitmap, Count, N), to = ImageRect(Bitmap, Count, N + Count);
  HDC dc = Bitmap->GetCanvas()->GetHandle();
  BitBlt(dc, to.left, to.top, to.Width(), to.Height(), dc, from.left, from.top, SRCCOPY);
}

}  // namespace

void AddBitmapMask(TBitmap* Bitmap, Integer Count, Integer N, TColor MaskColor, TColor ToColor) {
  CopyImage(Bitmap, Count, N);
  const TRect to = ImageRect(Bitmap, Count, N + Count);
  HDC dc = Bitmap->GetCanvas()->GetHandle();
  const COLORREF mask = ColorToRGB(MaskColor), replacement = ColorToRGB(ToColor);
  for (Integer y = to.top + 1; y < to.bottom - 1; ++y)
    for (Integer x = to.left + 1; x < to.right - 1; ++x)
      if ((GetPixel(dc, x, y) & 0xFFFFFF) == mask) SetPixel(dc, x, y, replacement);
}

TBitmap* CheckBoxStrip() {
  if (CheckBoxBitmaps) return CheckBoxBitmaps;
  TOwnedPtr<TBitmap> strip(New<TBitmap>());
  strip->SetPixelFormat(pf32bit);
  strip->SetSize(CheckImageSize, CheckImageSize * CheckStripImages);
  HDC dc = strip->GetCanvas()->GetHandle();
  RECT all{0, 0, CheckImageSize, CheckImageSize * CheckStripImages};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawNormalImages(dc);
  for (Integer n = 0; n < CheckPressedOffset; ++n) {
    if (n < FlatBase) {
      AddBitmapMask(strip.get(), CheckPressedOffset, n, clWhite, clSilver);
    } else {
      CopyImage(strip.get(), CheckPressedOffset, n);
      TImagePen(dc, n + CheckPressedOffset).Edge(1, BDR_RAISEDOUTER, BF_MONO | BF_RECT);
    }
  }
  CheckBoxBitmaps = strip.release();
  return CheckBoxBitmaps;
}

// ---- The images of one box --------------------------------------------------------------------------------
namespace {

// The user slot of a state, and its image within a style's three: checked, unchecked, grayed.
Integer SlotOf(TCheckBoxState State) {
  switch (State) {
    case cbChecked: return 0;
    case cbUnchecked: return 1;
    default: return 2;
  }
}

}  // namespace

void TtsGridCheckBox::SetCheckBoxStyle(TtsGridCheckBoxStyle Value) {
  const Integer base = Value == cbFlat ? FlatBase : Value == cbWin95 ? Win95Base : WinNTBase;
  for (TCheckBoxState state : {cbUnchecked, cbChecked, cbGrayed})
    if (!FUserBitmaps[SlotOf(state)]) FImages[state] = base + SlotOf(state);
  if (Value != FCheckBoxStyle) Invalidate();
  FCheckBoxStyle = Value;
}

Integer TtsGridCheckBox::GetImageIndex(TCheckBoxState State) const { return FImages[State]; }

void TtsGridCheckBox::SetCheckBoxBitmap(TCheckBoxState State, TBitmap* Bitmap) {
  const Integer slot = SlotOf(State);
  FreeAndNil(FUserBitmaps[slot]);
  if (!Bitmap) {
    SetCheckBoxStyle(FCheckBoxStyle);
    return;
  }
  // The picture above its pressed form.
  TOwnedPtr<TBitmap> copy(New<TBitmap>());
  copy->SetPixelFormat(pf32bit);
  copy->SetSize(Bitmap->GetWidth(), Bitmap->GetHeight() * 2);
  copy->GetCanvas()->Draw(0, 0, Bitmap);
  AddBitmapMask(copy.get(), 1, 0, FMaskColor, FMaskToColor);
  FUserBitmaps[slot] = copy.release();
  FImages[State] = slot;
  Invalidate();
}

void TtsGridCheckBox::DeleteCheckBoxBitmaps() {
  for (TBitmap*& bitmap : FUserBitmaps) FreeAndNil(bitmap);
}

TBitmap* TtsGridCheckBox::GetCheckBoxBitmap(TCheckBoxState State, Integer& CopyMode, bool PressedWanted, TRect& Source) {
  const Integer index = FImages[State];
  const bool pressed = PressedWanted && CheckBoxMasked();
  CopyMode = SRCCOPY;
  if (index < 3 && FUserBitmaps[index]) {
    TBitmap* bitmap = FUserBitmaps[index];
    const Integer half = bitmap->GetHeight() / 2;
    Source = TRect(0, pressed ? half : 0, bitmap->GetWidth(), pressed ? 2 * half : half);
    return bitmap;
  }
  TBitmap* strip = CheckBoxStrip();
  const Integer n = index + (pressed ? CheckPressedOffset : 0);
  Source = TRect(0, CheckImageSize * n, strip->GetWidth(), CheckImageSize * n + CheckImageSize);
  // The flat images take the background where they are white.
  if (index >= FlatBase && index < FlatBase + 3) CopyMode = MERGECOPY;
  return strip;
}

}  // namespace TSGrid
