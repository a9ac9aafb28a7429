#include "cxLookAndFeelPaintersRegistry.h"

#include <algorithm>

#include "Graphics.h"
#include "Strings.h"
#include "WinUserDraw.h"
#include "cxGraphicsImageList.h"
#include "cxLookAndFeelPainters.h"
#include "cxLookAndFeels.h"

namespace cxLookAndFeelPainters {

IMPLEMENT_ABSTRACT_CLASS(TcxExtendedStylePainterInfo)
IMPLEMENT_CLASS(TcxExtendedStylePainters)

void TcxExtendedStylePainterInfo::Destroy() {
  FreeAndNil(Data);
  inherited::Destroy();
}

// ---- TcxExtendedStylePainters -------------------------------------------------------------------------
void TcxExtendedStylePainters::Destroy() {
  FListeners.clear();
  Clear();
  inherited::Destroy();
}

TcxExtendedStylePainterInfo* TcxExtendedStylePainters::GetInfo(Integer Index) const {
  return static_cast<TcxExtendedStylePainterInfo*>(GetItem(Index));
}

bool TcxExtendedStylePainters::Register(const String& AName, TcxCustomLookAndFeelPainterClass APainter,
                                        TObject* AData) {
  TcxExtendedStylePainterInfo* Info;
  if (FindInfoByName(AName, Info) >= 0) return false;
  Add(New<TcxExtendedStylePainterInfo>(AName, APainter, AData));
  SortPainters();
  Changed(APainter);
  return true;
}

bool TcxExtendedStylePainters::Unregister(const String& AName) {
  TcxExtendedStylePainterInfo* Info;
  const Integer Index = FindInfoByName(AName, Info);
  if (Index < 0) return false;
  Delete(Index);
  Changed(Info->Painter);
  Info->Free();
  return true;
}

bool TcxExtendedStylePainters::GetPainterByName(const String& AName,
                                                TcxCustomLookAndFeelPainterClass& APainter) const {
  TcxExtendedStylePainterInfo* Info;
  if (FindInfoByName(AName, Info) < 0) return false;
  APainter = Info->Painter;
  return true;
}

bool TcxExtendedStylePainters::GetNameByPainter(TcxCustomLookAndFeelPainterClass APainter, String& AName) const {
  AName = String();
  const Integer Index = IndexOfPainter(APainter);
  if (Index >= 0) AName = GetName(Index);
  return Index >= 0;
}

bool TcxExtendedStylePainters::GetPainterData(TcxCustomLookAndFeelPainterClass APainter, TObject*& AData) const {
  AData = nullptr;
  const Integer Index = IndexOfPainter(APainter);
  if (Index >= 0) AData = GetData(Index);
  return Index >= 0;
}

Integer TcxExtendedStylePainters::IndexOfPainter(TcxCustomLookAndFeelPainterClass APainter) const {
  for (Integer I = 0; I < GetCount(); ++I)
    if (GetPainter(I) == APainter) return I;
  return -1;
}

Integer TcxExtendedStylePainters::FindInfoByName(const String& AName, TcxExtendedStylePainterInfo*& AInfo) const {
  AInfo = nullptr;
  for (Integer I = 0; I < GetCount(); ++I)
    if (SameText(GetName(I), AName)) {
      AInfo = GetInfo(I);
      return I;
    }
  return -1;
}

void TcxExtendedStylePainters::AddListener(IcxLookAndFeelPainterListener* AListener) {
  if (AListener && std::find(FListeners.begin(), FListeners.end(), AListener) == FListeners.end())
    FListeners.push_back(AListener);
}

void TcxExtendedStylePainters::RemoveListener(IcxLookAndFeelPainterListener* AListener) {
  std::erase(FListeners, AListener);
}

void TcxExtendedStylePainters::Changed(TcxCustomLookAndFeelPainterClass APainter) {
  // From the end, so that a listener leaving the list during its call skips no one.
  for (size_t I = FListeners.size(); I-- > 0;)
    if (I < FListeners.size()) FListeners[I]->PainterChanged(APainter);
}

void TcxExtendedStylePainters::SortPainters() {
  std::vector<void*> Items;
  for (Integer I = 0; I < GetCount(); ++I) Items.push_back(GetItems(I));
  std::stable_sort(Items.begin(), Items.end(), [](void* A, void* B) {
    return AnsiCompareStr(static_cast<TcxExtendedStylePainterInfo*>(A)->Name,
                          static_cast<TcxExtendedStylePainterInfo*>(B)->Name) < 0;
  });
  for (Integer I = 0; I < GetCount(); ++I) SetItems(I, Items[static_cast<size_t>(I)]);
}

// ---- Shared resources ---------------------------------------------------------------------------------
namespace {

TcxExtendedStylePainters* FExtendedStylePainters = nullptr;
TcxImageList* FIndicatorImages = nullptr;
TBitmap* FScrollBarBitmaps[2] = {nullptr, nullptr};  // normal, pressed
TSize FCheckButtonSize(13, 13);
TcxSystemPaletteChangedNotifier* FPaletteNotifier = nullptr;

constexpr Integer IndicatorWidth = 9, IndicatorHeight = 11;

// The glyphs of the row indicators, black on white (the mask colour): '#' is a drawn pixel.
const char* const IndicatorGlyphs[6][IndicatorHeight] = {
    // arrow: the current row
    {".........", ".........", "...#.....", "...##....", "...###...", "...####..", "...###...", "...##....",
     "...#.....", ".........", "........."},
    // edit: an I-beam
    {".........", "..##.##..", "....#....", "....#....", "....#....", "....#....", "....#....", "....#....",
     "....#....", "..##.##..", "........."},
    // insert: an asterisk
    {".........", ".........", "....#....", ".#..#..#.", "..#.#.#..", "...###...", "..#.#.#..", ".#..#..#.",
     "....#....", ".........", "........."},
    // multi-dot: a selected row
    {".........", ".........", ".........", ".........", "...###...", "...###...", "...###...", ".........",
     ".........", ".........", "........."},
    // multi-arrow: the current selected row
    {".........", "..#......", "..##.....", "..###....", "..####...", "..###....", "..##.....", "..#......",
     ".........", ".......##", ".......##"},
    // filter: a funnel
    {".........", ".#######.", "..#####..", "...###...", "....#....", "....#....", "....#....", "....#....",
     ".........", ".........", "........."},
};

void CreateIndicatorImages() {
  FIndicatorImages = New<TcxImageList>(nullptr);
  FIndicatorImages->SetWidth(IndicatorWidth);
  FIndicatorImages->SetHeight(IndicatorHeight);
  for (const auto& Glyph : IndicatorGlyphs) {
    TBitmap* Bitmap = New<TBitmap>();
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(IndicatorWidth, IndicatorHeight);
    TCanvas* Canvas = Bitmap->GetCanvas();
    for (Integer Y = 0; Y < IndicatorHeight; ++Y)
      for (Integer X = 0; X < IndicatorWidth; ++X)
        Canvas->SetPixel(X, Y, Glyph[Y][X] == '#' ? clBlack : clWhite);
    FIndicatorImages->AddMasked(Bitmap, clWhite);
    Bitmap->Free();
  }
}

void MeasureCheckButtonSize() {
  TBitmap* Bitmap = New<TBitmap>();
  Bitmap->SetHandle(LoadSystemBitmap(OBM_CHECKBOXES));
  if (Bitmap->GetWidth() > 0) FCheckButtonSize = TSize(Bitmap->GetWidth() / 4, Bitmap->GetHeight() / 3);
  Bitmap->Free();
}

class TSystemPaletteChangedNotifier : public TcxSystemPaletteChangedNotifier {
 public:
  TSystemPaletteChangedNotifier() : TcxSystemPaletteChangedNotifier(true) {}
  void DoChanged() override {
    TcxSystemPaletteChangedNotifier::DoChanged();
    RefreshRadioButtonImageList();
  }
};

}  // namespace

TSize cxLookAndFeelCheckButtonSize() { return FCheckButtonSize; }
TcxImageList* cxLookAndFeelIndicatorImages() { return FIndicatorImages; }
TBitmap* cxLookAndFeelScrollBarBitmap(bool APressed) { return FScrollBarBitmaps[APressed ? 1 : 0]; }

void UpdateScrollBarBitmaps() {
  for (TBitmap*& Bitmap : FScrollBarBitmaps)
    if (!Bitmap) {
      Bitmap = New<TBitmap>();
      Bitmap->SetPixelFormat(pf24bit);
      Bitmap->SetSize(8, 8);
    }
  const TColor Face = ColorToRGB(clBtnFace), Highlight = ColorToRGB(clBtnHighlight),
               DarkShadow = ColorToRGB(cl3DDkShadow);
  TCanvas* Normal = FScrollBarBitmaps[0]->GetCanvas();
  TCanvas* Pressed = FScrollBarBitmaps[1]->GetCanvas();
  for (Integer Y = 0; Y < 8; ++Y)
    for (Integer X = 0; X < 8; ++X) {
      const bool Even = (X % 2) == (Y % 2);
      Normal->SetPixel(X, Y, Even ? Face : Highlight);
      Pressed->SetPixel(X, Y, Even ? clBlack : DarkShadow);
    }
}

TcxExtendedStylePainters* GetExtendedStylePainters() { return FExtendedStylePainters; }

TcxCustomLookAndFeelPainterClass GetCurrentPainterClass() {
  return TcxCustomLookAndFeelPainterClass::Of<TcxUltraFlatLookAndFeelPainter>();
}

// The look-and-feel unit starts later but chooses among these classes.
static void RegisterStylePainters() {
  SetStylePainterClass(lfsFlat, TcxCustomLookAndFeelPainterClass::Of<TcxFlatLookAndFeelPainter>());
  SetStylePainterClass(lfsStandard, TcxCustomLookAndFeelPainterClass::Of<TcxStandardLookAndFeelPainter>());
  SetStylePainterClass(lfsUltraFlat, TcxCustomLookAndFeelPainterClass::Of<TcxUltraFlatLookAndFeelPainter>());
  SetStylePainterClass(lfsNative, TcxCustomLookAndFeelPainterClass::Of<TcxWinXPLookAndFeelPainter>());
  SetStylePainterClass(lfsOffice11, TcxCustomLookAndFeelPainterClass::Of<TcxOffice11LookAndFeelPainter>());
}

TRect cxTextRect(const TRect& R) { return TRect(R.left + 2, R.top + 2, R.right - 2, R.bottom - 2); }

void InitLookAndFeelPainters() {
  RegisterStylePainters();
  FExtendedStylePainters = New<TcxExtendedStylePainters>();
  CreateIndicatorImages();
  UpdateScrollBarBitmaps();
  FPaletteNotifier = New<TSystemPaletteChangedNotifier>();
  MeasureCheckButtonSize();
}

void DoneLookAndFeelPainters() {
  FreeAndNil(FPaletteNotifier);
  for (TBitmap*& Bitmap : FScrollBarBitmaps) FreeAndNil(Bitmap);
  FreeAndNil(FIndicatorImages);
  FreeRadioButtonImageList();
  FreeAndNil(FExtendedStylePainters);
  ReleaseRadioButtonPattern();
}

}  // namespace cxLookAndFeelPainters
