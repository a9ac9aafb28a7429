// The looks drawing a docked toolbar on its dock (grip, button cells in every state, a group separator,
// the mark) and a menu (rows, a check mark, a separator, a selected row), checked pixel by pixel where
// the look is defined by its colours, and written as PNGs for a person to look at.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "Forms.h"
#include "GdiPng.h"
#include "PixelSurface.h"
#include "UxTheme.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBar.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarTestSupport.h"
#include "dxOffice11.h"

namespace {

using PixelSurface::RGBOf;
using namespace dxOffice11;

// A bar window standing for a docked toolbar or a menu: its mark and glyph column are the test's; its
// background fill is the test's too.
class TLooksTestBar : public dxBarTests::TTestBarWindow {
  DECLARE_CLASS(TLooksTestBar, dxBarTests::TTestBarWindow)
 public:
  explicit TLooksTestBar(TComponent* AOwner = nullptr) : dxBarTests::TTestBarWindow(AOwner) {}
  void SetMarkState(TdxBarMarkState Value) override { Mark = Value; }
  TdxBarMarkState GetMarkDrawState() override { return Mark; }
  bool MarkExists() override { return true; }
  void FillBackground(HDC DC, const TRect& ADestR, const TRect&, HBRUSH ABrush, TColor) override {
    if (Fill) Fill(DC, ADestR, ABrush);
  }
  Integer GetIconAreaSize() override { return 24; }
  // A menu's items stand on the painter's menu brush.
  HBRUSH GetToolbarBrush() override {
    return IsMenu && GetPainter() ? GetPainter()->SubMenuControlToolbarItemsBrush() : TCustomdxBarControl::GetToolbarBrush();
  }
  TdxBarMarkState Mark = msNone;
  std::function<void(HDC, const TRect&, HBRUSH)> Fill;
};
IMPLEMENT_CLASS(TLooksTestBar)

template <class T>
TdxBarPainter* LooksPainter() {
  return TClassRef<TdxBarPainter>::Of<T>().operator->();
}

// The closest channel distance: colours a gradient may round by one or two steps.
bool NearColor(COLORREF A, COLORREF B, int ATolerance = 3) {
  return std::abs(GetRValue(A) - GetRValue(B)) <= ATolerance && std::abs(GetGValue(A) - GetGValue(B)) <= ATolerance &&
         std::abs(GetBValue(A) - GetBValue(B)) <= ATolerance;
}

// The states of the toolbar's five button cells, in order.
const TdxBarGlyphState kCellStates[] = {
    {},                                  // normal
    {false, true},                       // hot
    {false, true, false, true},          // pressed (hot and pressed)
    {false, false, true},                // checked
    {},                                  // disabled (drawn with a grey glyph)
};
constexpr Integer kCellCount = 5;

struct LooksFixture : testing::Test {
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());
  TOwnedPtr<dxBarTests::TTestBarLinks> Owner{New<dxBarTests::TTestBarLinks>()};
  TLooksTestBar* Bar = nullptr;
  TdxBarItemControl* Cell = nullptr;  // the control each button cell is drawn for

  void SetUp() override {
    Form->SetBounds(0, 0, 400, 300);
    Owner->Manager = Manager;
    Owner->NewBar = [](TdxBarManager* AManager) { return New<TLooksTestBar>(AManager); };
    Owner->Links = New<TdxBarControlItemLinks>(Manager, Owner.get());
    Owner->Links->Add(New<TdxBarButton>(Form.get()));
    Owner->Links->CreateBarControl();
    Bar = static_cast<TLooksTestBar*>(Owner->Links->GetBarControl());
    Bar->SetParent(Form.get());
    Bar->SetBounds(10, 8, 200, 26);
    Bar->SetDockingStyle(dsTop);
    Bar->SetVisible(true);
    Bar->HandleNeeded();
    Bar->CalcLayout();
    Cell = Owner->Links->GetItem(0)->GetControl();
  }
  void TearDown() override {
    Owner.reset();
    Form.reset();
  }

  // The bar drawn as its window paints it, at its place on the dock that fills the surface: dock,
  // bar background, frame and grip, five button cells with a glyph square each, a separator, the mark.
  void DrawToolbar(TdxBarPainter* APainter, PixelSurface::TSurface& ASurface, Integer AY) {
    const HDC DC = ASurface.DC;
    const TRect dock(0, AY, ASurface.Width, AY + 42);
    APainter->DockControlFillBackground(nullptr, DC, dock, TRect(0, 0, dock.Width(), dock.Height()),
                                        TRect(0, 0, dock.Width(), dock.Height()), APainter->BarToolbarBrush(), clDefault);
    POINT old;
    SetViewportOrgEx(DC, Bar->GetLeft(), AY + Bar->GetTop(), &old);
    TRect R(0, 0, Bar->GetWidth(), Bar->GetHeight());
    const HBRUSH brush = APainter->BarToolbarBrush();
    // A cell painted as background shows the bar's own background there.
    Bar->Fill = [&](HDC ADC, const TRect& AR, HBRUSH ABrush) { APainter->BarDrawBackground(Bar, ADC, AR, AR, ABrush, clDefault); };
    APainter->BarDrawDockedBackground(Bar, DC, R, R, brush, clDefault);
    APainter->BarDrawDockedBarBorder(Bar, DC, R, brush);
    const Integer x0 = 2 + APainter->FingersSize();
    for (Integer i = 0; i < kCellCount; ++i) {
      const TRect cell(x0 + i * 23, 2, x0 + i * 23 + 22, 24);
      APainter->DrawGlyphBorder(Cell, DC, brush, cell, ptHorz, kCellStates[i]);
      const Integer shift = kCellStates[i].Pressed || kCellStates[i].Down ? APainter->GlyphDownShift() : 0;
      const RECT glyph{cell.left + 5 + shift, cell.top + 5 + shift, cell.left + 17 + shift, cell.top + 17 + shift};
      FillRectByColor(DC, glyph, i == kCellCount - 1 ? RGB(170, 170, 170) : RGB(40, 120, 40));
    }
    const Integer gap = x0 + kCellCount * 23;
    APainter->BarDrawBeginGroup(Bar, DC, TRect(gap, 2, gap + APainter->BarBeginGroupSize(), 24), brush, false);
    const TRect cell(gap + APainter->BarBeginGroupSize(), 2, gap + APainter->BarBeginGroupSize() + 22, 24);
    FillRectByColor(DC, RECT{cell.left + 5, cell.top + 5, cell.left + 17, cell.top + 17}, RGB(40, 40, 160));
    APainter->BarDrawMarkBackground(Bar, DC, MarkRect(APainter), brush);
    APainter->BarDrawMarkElements(Bar, DC, MarkRect(APainter));
    SetViewportOrgEx(DC, old.x, old.y, nullptr);
    Bar->Fill = nullptr;
  }
  // The mark at the bar's trailing end: the client's last 11 pixels, grown over the frame by the
  // Office 2003 look.
  TRect MarkRect(TdxBarPainter* APainter) {
    TRect R(Bar->GetWidth() - 2 - APainter->MarkSizeX(), 2, Bar->GetWidth() - 2, Bar->GetHeight() - 2);
    if (Is<TdxBarOffice11Painter>(APainter)) R = TRect(R.left, R.top - 1, R.right + 2, R.bottom + 1);
    return R;
  }
  // A surface pixel of the bar drawn at AY, in the bar window's coordinates.
  COLORREF BarPixel(PixelSurface::TSurface& ASurface, Integer AY, Integer X, Integer Y) {
    return ASurface.At(Bar->GetLeft() + X, AY + Bar->GetTop() + Y);
  }
};

// The Office 2003 toolbar in the blue scheme: the dock gradient runs across the whole dock, the bar's
// corners are rounded on it, the shadow runs along the bottom, the grip is dots, hot and pressed
// cells are gradients inside the selection frame (pressed the reverse of checked), the separator is a
// dark line with a light one beside it.
TEST_F(LooksFixture, Office2003ToolbarOnItsDock) {
  TdxBarPainter* painter = LooksPainter<TdxBarOffice11Painter>();
  PixelSurface::TSurface surface(240, 42);
  DrawToolbar(painter, surface, 0);
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "looks-office2003-toolbar.png"));

  EXPECT_TRUE(NearColor(surface.At(0, 2), dxOffice11DockColor1));
  EXPECT_TRUE(NearColor(surface.At(239, 2), dxOffice11DockColor2));
  // The rounded corner shows the dock's colour under it.
  EXPECT_TRUE(NearColor(BarPixel(surface, 0, 2, 1), surface.At(Bar->GetLeft() + 2, 2), 1));
  EXPECT_FALSE(NearColor(BarPixel(surface, 0, 2, 1), dxOffice11ToolbarsColor1, 2));
  EXPECT_EQ(BarPixel(surface, 0, 100, 25), dxOffice11BarBorderColors[1]);
  // The body is the tube gradient: light at the top, darker at the bottom.
  EXPECT_TRUE(NearColor(BarPixel(surface, 0, 100, 1), dxOffice11ToolbarsColor1, 8));
  // Grip dots in the finger colours.
  const TRect grip(Bar->GetLeft() + 5, 3, Bar->GetLeft() + 9, 23);
  EXPECT_GT(surface.Count(grip, dxOffice11BarFingerColor1), 6);
  // Cells: hot (1) a gradient from SelectedColor1; pressed (2) starts where checked (3) ends.
  const Integer x0 = 2 + painter->FingersSize();
  auto cellTop = [&](Integer i) { return BarPixel(surface, 0, x0 + i * 23 + 2, 3); };
  auto cellBottom = [&](Integer i) { return BarPixel(surface, 0, x0 + i * 23 + 2, 22); };
  EXPECT_TRUE(NearColor(cellTop(1), dxOffice11SelectedColor1, 8));
  EXPECT_TRUE(NearColor(cellTop(3), dxOffice11SelectedDownColor1, 8));
  EXPECT_TRUE(NearColor(cellBottom(3), dxOffice11SelectedDownColor2, 8));
  EXPECT_TRUE(NearColor(cellTop(2), dxOffice11SelectedDownColor2, 8));
  EXPECT_EQ(BarPixel(surface, 0, x0 + 23, 2), dxOffice11SelectedBorderColor);  // the hot cell's frame
  EXPECT_FALSE(NearColor(cellTop(0), dxOffice11SelectedColor1, 8));                  // a normal cell shows the bar
  // The separator: the dark line, the light one right of it one pixel lower.
  const Integer gap = x0 + kCellCount * 23 + painter->BarBeginGroupSideSize();
  EXPECT_EQ(BarPixel(surface, 0, gap, 12), dxOffice11BarSeparatorColor1);
  EXPECT_EQ(BarPixel(surface, 0, gap + 1, 12), dxOffice11BarSeparatorColor2);
  // The mark's customization glyph: black with a white shadow.
  const TRect mark = MarkRect(painter);
  EXPECT_EQ(BarPixel(surface, 0, mark.right - 6, mark.bottom - 8), dxOffice11BarMarkArrowColor1);
  EXPECT_EQ(BarPixel(surface, 0, mark.right - 6 + 1, mark.bottom - 8 + 1), dxOffice11BarMarkArrowColor2);
}

// In a scheme without a checked gradient a checked cell is filled plainly with the downed colour.
TEST_F(LooksFixture, Office2003CheckedCellWithoutGradientIsPlain) {
  const COLORREF saved1 = dxOffice11SelectedDownColor1, saved2 = dxOffice11SelectedDownColor2;
  dxOffice11SelectedDownColor2 = dxOffice11SelectedDownColor1;
  COLORREF color1 = 0, color2 = 0;
  TdxBarOffice11Painter::GetSelectedColors(nullptr, true, false, color1, color2);
  dxOffice11SelectedDownColor1 = saved1, dxOffice11SelectedDownColor2 = saved2;
  EXPECT_EQ(color1, dxOffice11DownedColor);
  EXPECT_EQ(color2, dxOffice11DownedColor);
}

// Left docks are plain in the first dock colour, right docks in the second; top and bottom docks run
// the gradient across the dock, whatever part of it is asked for.
TEST_F(LooksFixture, Office2003DockColours) {
  PixelSurface::TSurface surface(120, 30);
  const TRect whole(0, 0, 100, 10);
  TdxBarOffice11Painter::FillDockBackground(surface.DC, TRect(0, 0, 100, 10), whole, whole, dsLeft);
  TdxBarOffice11Painter::FillDockBackground(surface.DC, TRect(0, 10, 100, 20), whole, whole, dsRight);
  // The right half of a top dock drawn alone continues the gradient where the whole dock has it.
  TdxBarOffice11Painter::FillDockBackground(surface.DC, TRect(50, 20, 100, 30), TRect(50, 0, 100, 10), whole, dsTop);
  EXPECT_EQ(surface.At(5, 5), dxOffice11DockColor1);
  EXPECT_EQ(surface.At(95, 5), dxOffice11DockColor1);
  EXPECT_EQ(surface.At(5, 15), dxOffice11DockColor2);
  EXPECT_TRUE(NearColor(surface.At(99, 25), dxOffice11DockColor2));
  EXPECT_FALSE(NearColor(surface.At(50, 25), dxOffice11DockColor1, 2));
  EXPECT_EQ(surface.At(45, 25), PixelSurface::kWhite);
}

// The flat toolbar: a face frame with rounded corners, a grip of shadow lines, hot and pressed cells
// in the selection frame filled with the flat brushes, a one-line separator.
TEST_F(LooksFixture, FlatToolbar) {
  TdxBarPainter* painter = LooksPainter<TdxBarFlatPainter>();
  PixelSurface::TSurface surface(240, 42);
  FillRectByColor(surface.DC, RECT{0, 0, 240, 42}, GetSysColor(COLOR_BTNFACE));
  DrawToolbar(painter, surface, 0);
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "looks-flat-toolbar.png"));
  const Integer x0 = 2 + painter->FingersSize();
  EXPECT_EQ(BarPixel(surface, 0, 100, 0), RGBOf(clBtnFace));
  EXPECT_EQ(BarPixel(surface, 0, 2 + painter->BeforeFingersSize(), 5), RGBOf(clBtnShadow));  // a grip line
  EXPECT_EQ(BarPixel(surface, 0, x0 + 23, 2), RGBOf(clHighlight));                       // the hot frame
  EXPECT_EQ(BarPixel(surface, 0, x0 + 3 * 23, 2), RGBOf(clHighlight));                   // checked too
  const Integer gap = x0 + kCellCount * 23 + painter->BarBeginGroupSideSize();
  EXPECT_EQ(BarPixel(surface, 0, gap, 12), RGBOf(clBtnShadow));
}

// The XP toolbar with the theme on draws the rebar grip, the toolbar button parts and separator; with
// the theme off its manager falls back to the enhanced look with its raised edges.
TEST_F(LooksFixture, XPToolbarWithTheThemeOnAndOff) {
  Manager->SetStyle(bmsXP);
  PixelSurface::TSurface surface(240, 84);
  TdxBarPainter* xp = Manager->GetDefaultPainter();
  ASSERT_TRUE(Is<TdxBarXPPainter>(xp));
  FillRectByColor(surface.DC, RECT{0, 0, 240, 84}, GetSysColor(COLOR_BTNFACE));
  DrawToolbar(xp, surface, 0);
  const Integer x0 = 2 + xp->FingersSize();
  // The hot cell differs from the normal one, the checked one too.
  EXPECT_NE(BarPixel(surface, 0, x0 + 23 + 2, 12), BarPixel(surface, 0, x0 + 2, 12));
  EXPECT_NE(BarPixel(surface, 0, x0 + 3 * 23 + 2, 12), BarPixel(surface, 0, x0 + 2, 12));
  SetThemeActive(false);
  TdxBarPainter* classic = Manager->GetDefaultPainter();
  EXPECT_TRUE(Is<TdxBarEnhancedPainter>(classic));
  DrawToolbar(classic, surface, 42);
  // The painter goes when the theme comes back: measure with it first.
  const Integer classicX0 = 2 + classic->FingersSize();
  SetThemeActive(true);
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "looks-xp-toolbar.png"));
  // The enhanced bar's raised edge and its hot cell's raised edge.
  EXPECT_EQ(BarPixel(surface, 42, 100, 0), RGBOf(clBtnHighlight));
  EXPECT_EQ(BarPixel(surface, 42, classicX0 + 23 + 3, 2), RGBOf(clBtnHighlight));
  EXPECT_EQ(BarPixel(surface, 42, classicX0 + 2 * 23 + 3, 2), RGBOf(clBtnShadow));  // pressed: sunken
}

// A menu of three rows and a group separator: a checked row without an image, the selected row with
// an image, a row with a sub-menu arrow.
struct MenuLooksFixture : testing::Test {
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());
  TOwnedPtr<dxBarTests::TTestBarLinks> Owner{New<dxBarTests::TTestBarLinks>()};
  TLooksTestBar* Menu = nullptr;
  static constexpr Integer kRowHeight = 22, kWidth = 150;

  void SetUp() override {
    Form->SetBounds(0, 0, 300, 200);
    Owner->Manager = Manager;
    Owner->NewBar = [](TdxBarManager* AManager) {
      auto* menu = New<TLooksTestBar>(AManager);
      menu->IsMenu = true;
      return menu;
    };
    Owner->Links = New<TdxBarControlItemLinks>(Manager, Owner.get());
    for (Integer i = 0; i < 3; ++i) Owner->Links->Add(New<TdxBarButton>(Form.get()));
    Owner->Links->CreateBarControl();
    Menu = static_cast<TLooksTestBar*>(Owner->Links->GetBarControl());
    Menu->SetParent(Form.get());
    Menu->SetBounds(0, 0, kWidth, 4 * kRowHeight);
    Menu->SetVisible(true);
    Menu->HandleNeeded();
    Menu->CalcLayout();
  }
  void TearDown() override {
    Owner.reset();
    Form.reset();
  }
  TdxBarItemControl* Row(Integer AIndex) { return Owner->Links->GetItem(AIndex)->GetControl(); }
  // Row AIndex's rectangle: the separator strip stands between rows 1 and 2.
  TRect RowRect(Integer AIndex, Integer ALeft) {
    const Integer top = 3 + AIndex * kRowHeight + (AIndex >= 2 ? 7 : 0);
    return TRect(ALeft + 3, top, ALeft + kWidth - 3, top + kRowHeight);
  }

  void DrawMenu(TdxBarPainter* APainter, PixelSurface::TSurface& ASurface, Integer ALeft) {
    const HDC DC = ASurface.DC;
    const TRect R(ALeft, 0, ALeft + kWidth, 4 * kRowHeight);
    TRect client = R;
    InflateRect(&client, -1, -1);
    const HBRUSH items = APainter->SubMenuControlToolbarItemsBrush();
    if (Is<TdxBarOffice11Painter>(APainter))
      TdxBarOffice11Painter::FillMenuBackground(DC, client, Menu->GetIconAreaSize() + 2, items, false);
    else
      FillRect(DC, &client, items);
    APainter->SubMenuControlDrawBorder(nullptr, DC, R);
    APainter->SubMenuControlDrawClientBorder(nullptr, DC, client, items);
    for (Integer i = 0; i < 3; ++i) {
      const TRect row = RowRect(i, ALeft);
      TOwnedPtr<TdxBarButtonLikeControlDrawParams> params(New<TdxBarButtonLikeControlDrawParams>(Row(i)));
      params->Canvas = ASurface.Cx;
      params->PaintType = ptMenu;
      params->Enabled = true;
      params->DrawSelected = i == 1;
      params->Downed = i == 0;
      params->ViewStructure = i == 1 ? TdxBarItemControlViewStructure{cpIcon, cpText} : TdxBarItemControlViewStructure{cpText};
      APainter->DrawItemBackgroundInSubMenu(params.get(), row);
      const TRect icon = APainter->SubMenuControlGetItemIconRect(row, Menu->GetIconAreaSize());
      TdxBarGlyphState state;
      state.NoImage = i != 1;
      state.Down = i == 0;
      state.Selected = i == 1;
      APainter->DrawGlyphBorder(Row(i), DC, APainter->GlyphBkgndBrush(Row(i), ptMenu, state), icon, ptMenu, state);
      if (i == 0) APainter->DrawGlyphCheckMark(Row(i), DC, icon, ptMenu, state);
      if (i == 1) FillRectByColor(DC, RECT{icon.left + 4, icon.top + 4, icon.left + 18, icon.top + 18}, RGB(40, 120, 40));
      // The caption stands in for the item's text.
      const TColor text = APainter->GetDefaultEnabledTextColor(Row(i), i == 1, APainter->IsFlatItemText());
      SetTextColor(DC, ColorToRGB(text == clDefault ? clBtnText : text));
      SetBkMode(DC, TRANSPARENT);
      static const char* captions[] = {"Bold", "Open", "More"};
      TextOutA(DC, row.left + Menu->GetIconAreaSize() + 8, row.top + 4, captions[i], 4);
      if (i == 2)
        APainter->DrawLargeItemArrow(DC, TRect(row.right - 16, row.top, row.right - 4, row.bottom), adRight, 4, true,
                                     false, APainter->IsFlatItemText());
    }
    const TRect strip(ALeft + 3, RowRect(2, ALeft).top - 7, ALeft + kWidth - 3, RowRect(2, ALeft).top);
    APainter->SubMenuControlDrawBeginGroup(nullptr, Row(2), ASurface.Cx, strip);
  }
};

// Each look's menu: the Office 2003 gradient glyph column, its selected row in the selection frame and
// the separator in its colour; the flat look's tinted column and framed selection; the XP look's
// highlighted selection.
TEST_F(MenuLooksFixture, MenusOfTheLooks) {
  for (Integer i = 0; i < 3; ++i) ASSERT_NE(nullptr, Row(i));
  PixelSurface::TSurface surface(3 * (kWidth + 10), 4 * kRowHeight);
  const TdxBarManagerStyle styles[] = {bmsFlat, bmsOffice11, bmsXP};
  for (Integer i = 0; i < 3; ++i) {
    Manager->SetStyle(styles[i]);
    DrawMenu(Manager->GetDefaultPainter(), surface, i * (kWidth + 10));
  }
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "looks-menus.png"));
  const Integer office = kWidth + 10, xp = 2 * (kWidth + 10);
  // Flat: the selected row framed in the highlight, the unselected rows' column tinted by the face brush.
  EXPECT_EQ(surface.At(RowRect(1, 0).left + 40, RowRect(1, 0).top), RGBOf(clHighlight));
  EXPECT_EQ(surface.At(RowRect(2, 0).left + 5, RowRect(2, 0).bottom - 2), ColorToRGB(Manager->GetFlatToolbarsColor()));
  // Office 2003: the drop-down border, the column's gradient, the selected row, the separator.
  EXPECT_EQ(surface.At(office + 40, 0), dxOffice11DropDownBorderColor1);
  EXPECT_TRUE(NearColor(surface.At(office + 2, RowRect(2, office).bottom - 2), dxOffice11MenuIndentColor1, 12));
  EXPECT_EQ(surface.At(RowRect(1, office).left + 40, RowRect(1, office).top), dxOffice11SelectedBorderColor);
  EXPECT_EQ(surface.At(RowRect(1, office).left + 40, RowRect(1, office).top + 3), dxOffice11ToolbarSelectedColor);
  const Integer separatorY = (RowRect(2, office).top - 7 + RowRect(2, office).top) / 2;
  EXPECT_EQ(surface.At(office + kWidth - 20, separatorY), dxOffice11BarSeparatorColor1);
  // XP: the selected row in the highlight colour.
  EXPECT_EQ(surface.At(RowRect(1, xp).left + 60, RowRect(1, xp).top + 3), RGBOf(clHighlight));
}

}  // namespace
