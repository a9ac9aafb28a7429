// The radio button images shared by every painter: one picture for each look-and-feel kind, state,
// check, highlight and focus, 128 in all. Their shape is taken from the system's own flat radio button
// (so that they match the check boxes in size), their colours from the kind's rules; they are made on
// first use and rendered again whenever the system colours change, and after a change of the visual
// styles, which recolours the Office 2003 scheme.
#include <algorithm>
#include <vector>

#include "Graphics.h"
#include "WinUserDraw.h"
#include "cxGraphicsFunctions.h"
#include "cxGraphicsImageList.h"
#include "cxLookAndFeelPaintersOffice11.h"
#include "cxLookAndFeelPaintersRegistry.h"
#include "dxOffice11.h"
#include "dxThemeManager.h"

namespace cxLookAndFeelPainters {

namespace {

// What each pixel of the radio button is. The rings are split along the diagonal from the bottom-left
// to the top-right corner: the light part above it, the dark part below.
enum TRadioCell : uint8_t { rcOutside, rcOuterLight, rcOuterDark, rcInnerLight, rcInnerDark, rcBody, rcDot };
constexpr Integer RadioCellCount = rcDot + 1;

// In the order of the look-and-feel kinds.
enum TRadioKind { rkFlat, rkStandard, rkUltraFlat, rkOffice11 };
constexpr Integer RadioKindCount = 4;
constexpr Integer RadioImageCount = 128;

struct TRadioPattern {
  Integer Width = 0, Height = 0;
  std::vector<uint8_t> Cells;  // row by row
  TRadioCell At(Integer X, Integer Y) const { return static_cast<TRadioCell>(Cells[Y * Width + X]); }
};

TcxImageList* FRadioButtonImages = nullptr;
// The Office 2003 colours are recomputed by their own theme listener; the images are rendered again at
// their next use, so that whichever listener hears first, they get the new colours.
TdxThemeChangedNotificator* FRadioThemeListener = nullptr;
bool FRadioImagesStale = false;
TRadioPattern FRadioPattern;
std::vector<Integer> FRadioImageIndexMap;  // by combination code, see RadioCombination

Integer RadioCombination(TRadioKind AKind, TcxButtonState AState, bool AChecked, bool AFocused, bool AHighlighted) {
  return AState + AKind * 8 + AHighlighted * 32 + AFocused * 64 + AChecked * 4 - 1;
}

// ---- The pattern ---------------------------------------------------------------------------------------
// One system drawing of a radio button in a check-box cell; for masks the rectangle is inset, which
// draws the disc smaller by the inset on each side around the same centre.
class TSystemRadio {
 public:
  TSystemRadio(const TSize& ACell, UINT AState, Integer AInset = 0) {
    FBitmap = New<TBitmap>();
    FBitmap->SetPixelFormat(pf24bit);
    FBitmap->SetSize(ACell.cx, ACell.cy);
    RECT R{AInset, AInset, ACell.cx - AInset, ACell.cy - AInset};
    // White around an inset mask, as inside it.
    FBitmap->GetCanvas()->GetBrush()->SetColor(clWhite);
    FBitmap->GetCanvas()->FillRect(TRect(0, 0, ACell.cx, ACell.cy));
    DrawFrameControl(FBitmap->GetCanvas()->GetHandle(), &R, DFC_BUTTON, AState);
  }
  ~TSystemRadio() { FBitmap->Free(); }
  TSystemRadio(const TSystemRadio&) = delete;
  TSystemRadio& operator=(const TSystemRadio&) = delete;
  TColor Pixel(Integer X, Integer Y) const { return FBitmap->GetCanvas()->GetPixel(X, Y) & 0xFFFFFF; }
  bool Inside(Integer X, Integer Y) const { return Pixel(X, Y) == 0; }  // masks: black inside

 private:
  TBitmap* FBitmap;
};

void BuildRadioPattern() {
  const TSize Cell = cxLookAndFeelCheckButtonSize();
  const TSystemRadio Outline(Cell, DFCS_BUTTONRADIOMASK | DFCS_FLAT), Inner(Cell, DFCS_BUTTONRADIOMASK | DFCS_FLAT, 1),
      Body(Cell, DFCS_BUTTONRADIOMASK | DFCS_FLAT, 2), Unchecked(Cell, DFCS_BUTTONRADIOIMAGE | DFCS_FLAT),
      Checked(Cell, DFCS_BUTTONRADIOIMAGE | DFCS_FLAT | DFCS_CHECKED);
  TRect Box(Cell.cx, Cell.cy, 0, 0);
  for (Integer Y = 0; Y < Cell.cy; ++Y)
    for (Integer X = 0; X < Cell.cx; ++X)
      if (Outline.Inside(X, Y)) {
        Box.left = std::min(Box.left, X), Box.top = std::min(Box.top, Y);
        Box.right = std::max(Box.right, X + 1), Box.bottom = std::max(Box.bottom, Y + 1);
      }
  if (Box.left >= Box.right) Box = TRect(0, 0, Cell.cx, Cell.cy);  // no outline: a square of cells
  FRadioPattern.Width = Box.Width();
  FRadioPattern.Height = Box.Height();
  FRadioPattern.Cells.assign(static_cast<size_t>(Box.Width() * Box.Height()), rcOutside);
  // Twice the x + y of the centre: pixels closer to the top-left corner are the lit ones.
  const Integer Diagonal = Box.Width() - 1 + Box.Height() - 1;
  for (Integer Y = 0; Y < Box.Height(); ++Y)
    for (Integer X = 0; X < Box.Width(); ++X) {
      const Integer CX = Box.left + X, CY = Box.top + Y;
      const bool Light = 2 * (X + Y) < Diagonal;
      TRadioCell Code = rcOutside;
      if (!Outline.Inside(CX, CY))
        continue;
      else if (!Inner.Inside(CX, CY))
        Code = Light ? rcOuterLight : rcOuterDark;
      else if (!Body.Inside(CX, CY))
        Code = Light ? rcInnerLight : rcInnerDark;
      else
        Code = Checked.Pixel(CX, CY) != Unchecked.Pixel(CX, CY) ? rcDot : rcBody;
      FRadioPattern.Cells[static_cast<size_t>(Y * Box.Width() + X)] = Code;
    }
}

// ---- The colours -----------------------------------------------------------------------------------------
TColor RadioBodyColor(TRadioKind AKind, TcxButtonState AState) {
  if (AKind == rkOffice11)
    return AState == cxbsNormal
               ? clWindow
               : TcxCustomLookAndFeelPainterClass::Of<TcxOffice11LookAndFeelPainter>()->ButtonColor(AState);
  if (AState == cxbsDisabled) return clBtnFace;
  if (AKind == rkUltraFlat) {
    if (AState == cxbsHot) return GetLightSelColor();
    if (AState == cxbsPressed) return GetLightDownedSelColor();
    return clWindow;
  }
  return AState == cxbsPressed ? clBtnFace : clWindow;
}

void RadioColorMap(TRadioKind AKind, TcxButtonState AState, bool AChecked, bool AFocused, bool AHighlighted,
                   TColor (&AMap)[RadioCellCount]) {
  const TColor Body = RadioBodyColor(AKind, AState);
  const bool Disabled = AState == cxbsDisabled;
  const bool Lit = AFocused || AState == cxbsHot || AState == cxbsPressed;
  AMap[rcOutside] = 0;
  AMap[rcBody] = Body;
  switch (AKind) {
    case rkFlat:
      AMap[rcOuterLight] = clBtnShadow, AMap[rcOuterDark] = clBtnHighlight;
      AMap[rcInnerLight] = cl3DLight, AMap[rcInnerDark] = cl3DLight;
      break;
    case rkStandard:
      AMap[rcOuterLight] = clBtnShadow, AMap[rcOuterDark] = clBtnHighlight;
      AMap[rcInnerLight] = cl3DDkShadow, AMap[rcInnerDark] = cl3DLight;
      break;
    case rkUltraFlat:
      AMap[rcOuterLight] = AMap[rcOuterDark] = Lit || (AHighlighted && !Disabled) ? clHighlight : clBtnShadow;
      AMap[rcInnerLight] = AMap[rcInnerDark] = Body;
      break;
    case rkOffice11:
      AMap[rcOuterLight] = AMap[rcOuterDark] = Disabled ? static_cast<TColor>(dxOffice11TextDisabledColor)
                                               : Lit || AHighlighted
                                                   ? static_cast<TColor>(dxOffice11SelectedBorderColor)
                                                   : clBtnText;
      AMap[rcInnerLight] = AMap[rcInnerDark] = Body;
      break;
  }
  if (AChecked && Disabled)
    AMap[rcDot] = AKind == rkOffice11 ? static_cast<TColor>(dxOffice11TextDisabledColor) : clBtnShadow;
  else
    AMap[rcDot] = AChecked ? clWindowText : Body;
}

// ---- The images ------------------------------------------------------------------------------------------
void RenderRadioImages() {
  const Integer W = FRadioPattern.Width, H = FRadioPattern.Height;
  auto Image = NewOwned<TBitmap>();
  Image->SetPixelFormat(pf24bit);
  Image->SetSize(W, H);
  auto Mask = NewOwned<TBitmap>();
  Mask->SetMonochrome(true);
  Mask->SetSize(W, H);
  for (Integer Y = 0; Y < H; ++Y)
    for (Integer X = 0; X < W; ++X)
      Mask->GetCanvas()->SetPixel(X, Y, FRadioPattern.At(X, Y) == rcOutside ? clWhite : clBlack);

  FRadioImagesStale = false;
  FRadioImageIndexMap.assign(RadioImageCount, -1);
  for (const bool Focused : {false, true})
    for (const bool Highlighted : {false, true})
      for (Integer Kind = 0; Kind < RadioKindCount; ++Kind)
        for (const bool Checked : {false, true})
          for (const TcxButtonState State : {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled}) {
            const TRadioKind K = static_cast<TRadioKind>(Kind);
            TColor Map[RadioCellCount];
            RadioColorMap(K, State, Checked, Focused, Highlighted, Map);
            for (TColor& Color : Map) Color = ColorToRGB(Color);
            TCanvas* Canvas = Image->GetCanvas();
            for (Integer Y = 0; Y < H; ++Y)
              for (Integer X = 0; X < W; ++X) Canvas->SetPixel(X, Y, Map[FRadioPattern.At(X, Y)]);
            FRadioImageIndexMap[static_cast<size_t>(RadioCombination(K, State, Checked, Focused, Highlighted))] =
                FRadioButtonImages->Add(Image.get(), Mask.get());
          }
}

}  // namespace

TcxImageList* PrepareRadioButtonImageList() {
  if (!FRadioButtonImages) {
    if (FRadioPattern.Cells.empty()) BuildRadioPattern();
    FRadioButtonImages = New<TcxImageList>(nullptr);
    FRadioButtonImages->SetWidth(FRadioPattern.Width);
    FRadioButtonImages->SetHeight(FRadioPattern.Height);
    FRadioThemeListener = New<TdxThemeChangedNotificator>();
    FRadioThemeListener->OnThemeChanged = [] { FRadioImagesStale = true; };
    RenderRadioImages();
  } else if (FRadioImagesStale) {
    RefreshRadioButtonImageList();
  }
  return FRadioButtonImages;
}

Integer cxLookAndFeelRadioButtonImageIndex(TcxLookAndFeelStyle AStyle, TcxButtonState AState, bool AChecked,
                                           bool AFocused, bool AHighlighted) {
  if (FRadioImageIndexMap.empty()) return -1;
  TRadioKind Kind = rkStandard;
  if (AStyle == lfsFlat) Kind = rkFlat;
  if (AStyle == lfsUltraFlat) Kind = rkUltraFlat;
  if (AStyle == lfsOffice11) Kind = rkOffice11;
  // A default button looks as a normal one; the images have no picture of their own for it.
  if (AState == cxbsDefault) AState = cxbsNormal;
  return FRadioImageIndexMap[static_cast<size_t>(RadioCombination(Kind, AState, AChecked, AFocused, AHighlighted))];
}

void RefreshRadioButtonImageList() {
  if (!FRadioButtonImages) return;
  FRadioButtonImages->Clear();
  RenderRadioImages();
}

void FreeRadioButtonImageList() {
  FreeAndNil(FRadioThemeListener);
  FreeAndNil(FRadioButtonImages);
}

void ReleaseRadioButtonPattern() {
  FRadioPattern = TRadioPattern();
  FRadioImageIndexMap.clear();
  FRadioImageIndexMap.shrink_to_fit();
}

}  // namespace cxLookAndFeelPainters
