// The flat, Office 2003 and XP painters' metrics against the base, and the XP metrics read from the theme.
#include <gtest/gtest.h>

#include <functional>

#include "Forms.h"
#include "GdiPng.h"
#include "PixelSurface.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "UxTheme.h"
#include "UxThemeConsts.h"
#include "dxBar.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"
#include "dxBarTestSupport.h"
#include "dxOffice11.h"
#include "dxThemeManager.h"
#include "dxUxTheme.h"

namespace {

template <class T>
TdxBarPainter* Shared() {
  return TClassRef<TdxBarPainter>::Of<T>().operator->();
}

struct TLookCase {
  const char* Name;
  std::function<Integer(TdxBarPainter*)> Value;
  Integer Flat, Office11;
};

TEST(dxBarPainterLooks, FlatAndOffice2003Metrics) {
  const TLookCase cases[] = {
      {"GetBorderSize", [](TdxBarPainter* p) { return p->GetBorderSize(); }, 1, 1},
      {"FingersSize", [](TdxBarPainter* p) { return p->FingersSize(); }, 6, 8},
      {"BeforeFingersSize", [](TdxBarPainter* p) { return p->BeforeFingersSize(); }, 1, 3},
      {"EmptyFingersSize", [](TdxBarPainter* p) { return p->EmptyFingersSize(); }, 0, 2},
      {"BorderSizeX", [](TdxBarPainter* p) { return p->BorderSizeX(); }, GetSystemMetrics(SM_CXSIZEFRAME), 3},
      {"BarBeginGroupSize", [](TdxBarPainter* p) { return p->BarBeginGroupSize(); }, 5, 5},
      {"BarBeginGroupSideSize", [](TdxBarPainter* p) { return p->BarBeginGroupSideSize(); }, 2, 2},
      {"SubMenuControlMarkArrowSize(14)", [](TdxBarPainter* p) { return p->SubMenuControlMarkArrowSize(14); }, 4, 4},
      {"SubMenuControlMarkArrowSize(16)", [](TdxBarPainter* p) { return p->SubMenuControlMarkArrowSize(16); }, 6, 6},
      {"SubMenuControlMarkArrowSize(12)", [](TdxBarPainter* p) { return p->SubMenuControlMarkArrowSize(12); }, 4, 4},
      {"ComboBoxArrowWidth(11)", [](TdxBarPainter* p) { return p->ComboBoxArrowWidth(11); }, 21, 13},
      {"IsFlatGlyphImage", [](TdxBarPainter* p) { return Integer(p->IsFlatGlyphImage()); }, 1, 0},
      {"IsNativeBackground", [](TdxBarPainter* p) { return Integer(p->IsNativeBackground()); }, 0, 1},
      {"CorrectButtonControlDefaultWidth(10)",
       [](TdxBarPainter* p) {
         Integer w = 10;
         p->CorrectButtonControlDefaultWidth(w);
         return w;
       },
       19, 19},
      {"detach caption rect height (20)",
       [](TdxBarPainter* p) {
         TRect R(0, 0, 40, 20);
         p->SubMenuControlOffsetDetachCaptionRect(R);
         return Integer(R.Height());
       },
       16, 12},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.Value(Shared<TdxBarFlatPainter>()), c.Flat) << "flat " << c.Name;
    EXPECT_EQ(c.Value(Shared<TdxBarOffice11Painter>()), c.Office11) << "Office 2003 " << c.Name;
  }
}

// The flat brushes follow the manager's colours; the Office 2003 ones are the scheme's.
TEST(dxBarPainterLooks, BrushesComeFromTheManagerAndTheScheme) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  auto* manager = New<TdxBarManager>(form.get());
  auto colorOf = [](HBRUSH ABrush) {
    LOGBRUSH brush{};
    GetObject(ABrush, sizeof(brush), &brush);
    return brush.lbColor;
  };
  EXPECT_EQ(colorOf(Shared<TdxBarFlatPainter>()->BarToolbarBrush()), ColorToRGB(manager->GetFlatToolbarsColor()));
  EXPECT_EQ(colorOf(Shared<TdxBarFlatPainter>()->BarToolbarSelBrush()), ColorToRGB(manager->GetFlatToolbarsSelColor()));
  EXPECT_EQ(Shared<TdxBarOffice11Painter>()->BarToolbarBrush(), dxOffice11::dxOffice11MenuBrush);
  EXPECT_EQ(Shared<TdxBarOffice11Painter>()->BarToolbarDownedBrush(), dxOffice11::dxOffice11DownedBrush);
  EXPECT_NE(dxOffice11::dxOffice11MenuBrush, nullptr);
  EXPECT_EQ(Shared<TdxBarXPPainter>()->BarToolbarBrush(), dxBarToolbarsBrushes().Theme);
}

// The XP metrics are the theme's part sizes, read again whenever an XP painter is made.
TEST(dxBarPainterLooks, XPMetricsComeFromTheTheme) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  auto* manager = New<TdxBarManager>(form.get());
  manager->SetStyle(bmsXP);
  TdxBarPainter* xp = manager->GetDefaultPainter();
  ASSERT_TRUE(Is<TdxBarXPPainter>(xp));
  SIZE gripper{}, separator{};
  ASSERT_EQ(dxUxTheme::GetThemePartSize(OpenTheme(totRebar), nullptr, RP_GRIPPER, 1, TS_TRUE, gripper), S_OK);
  ASSERT_EQ(dxUxTheme::GetThemePartSize(OpenTheme(totToolBar), nullptr, TP_SEPARATOR, 1, TS_MIN, separator), S_OK);
  EXPECT_EQ(xp->GripperSize(), gripper.cx);
  EXPECT_EQ(xp->FingersSize(), gripper.cx + 2);
  EXPECT_EQ(xp->BarBeginGroupSize(), separator.cx);
  EXPECT_EQ(xp->GetButtonBorderWidth(), xp->GetButtonBorderHeight());
  EXPECT_EQ(xp->GlyphDrawDownedShift(true), 0);
  EXPECT_EQ(xp->GlyphDrawDownedShift(false), 1);
  manager->SetButtonArrowWidth(8);
  EXPECT_EQ(xp->RealButtonArrowWidth(manager), 12);

  // A second XP painter made without visual styles reads the metrics again, for both painters; the
  // classic values stand in for the parts.
  TOwnedPtr<TdxBarPainter> first(TdxBarPainter::CreatePainter(TdxBarXPPainter::StaticClass(), 0));
  SetThemeActive(false);  // the manager's own painter is made again (enhanced) here
  TOwnedPtr<TdxBarPainter> second(TdxBarPainter::CreatePainter(TdxBarXPPainter::StaticClass(), 0));
  EXPECT_EQ(second->GripperSize(), 3);
  EXPECT_EQ(first->GripperSize(), 3);
  SetThemeActive(true);
  TOwnedPtr<TdxBarPainter> third(TdxBarPainter::CreatePainter(TdxBarXPPainter::StaticClass(), 0));
  EXPECT_EQ(first->GripperSize(), gripper.cx);
}

// Floating frames: the standard raised edge, the flat border ring with its highlight, the Office 2003
// three-pixel frame with rounded inner corners; the flat looks' lowered edge and separator line.
TEST(dxBarPainterLooks, FloatingFramesSeparatorsAndLoweredEdges) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  auto* manager = New<TdxBarManager>(form.get());  // the flat brushes and the Office 2003 colours
  using PixelSurface::RGBOf;
  PixelSurface::TSurface surface(3 * 70, 70);
  TdxBarPainter* painters[] = {Shared<TdxBarStandardPainter>(), Shared<TdxBarFlatPainter>(),
                               Shared<TdxBarOffice11Painter>()};
  const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  for (Integer i = 0; i < 3; ++i) {
    const TRect R(i * 70 + 5, 5, i * 70 + 65, 45);
    const TRect client(R.left + 3, R.top + 3, R.right - 3, R.bottom - 3);
    painters[i]->BarDrawFloatingBarBorder(nullptr, surface.DC, R, client, face);
  }
  // Standard: the raised edge's light rings at the top, the face inside.
  EXPECT_EQ(surface.At(10, 5), GetSysColor(COLOR_3DLIGHT));
  EXPECT_EQ(surface.At(10, 6), RGBOf(clBtnHighlight));
  EXPECT_EQ(surface.At(10, 7), RGBOf(clBtnFace));
  // Flat: border colour, highlight, the bar's brush.
  EXPECT_EQ(surface.At(80, 5), ColorToRGB(manager->GetFlatToolbarsBorderColor()));
  EXPECT_EQ(surface.At(80, 6), RGBOf(clBtnHighlight));
  EXPECT_EQ(surface.At(80, 7), RGBOf(clBtnFace));
  // Office 2003: two dark rings, a lighter third one with dark corners.
  EXPECT_EQ(surface.At(150, 5), dxOffice11::dxOffice11BarFloatingBorderColor1);
  EXPECT_EQ(surface.At(150, 6), dxOffice11::dxOffice11BarFloatingBorderColor1);
  EXPECT_EQ(surface.At(150, 7), dxOffice11::dxOffice11BarFloatingBorderColor2);
  EXPECT_EQ(surface.At(147, 7), dxOffice11::dxOffice11BarFloatingBorderColor1);

  TRect lowered(75, 50, 135, 66);
  Shared<TdxBarFlatPainter>()->DrawLowered(surface.DC, lowered);
  EXPECT_EQ(lowered, TRect(76, 51, 134, 65));
  EXPECT_EQ(surface.At(75, 58), RGBOf(clBtnShadow));
  Shared<TdxBarOffice11Painter>()->SubMenuControlDrawSeparator(surface.Cx, TRect(145, 55, 205, 60));
  EXPECT_EQ(surface.At(170, 55), dxOffice11::dxOffice11BarSeparatorColor1);
  EXPECT_NE(surface.At(170, 56), dxOffice11::dxOffice11BarSeparatorColor1);
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "bar-painters-floating-frames.png"));
}

}  // namespace

namespace {

// The button cell of each look in the states normal, hot, pressed and (Office 2003) disabled.
TEST(dxBarPainterLooks, ButtonCellsInTheirStates) {
  TOwnedPtr<TForm> form(dxBarTests::NewTestForm());
  auto* manager = New<TdxBarManager>(form.get());
  using PixelSurface::RGBOf;
  PixelSurface::TSurface surface(4 * 30 + 10, 3 * 30 + 10);
  TdxBarPainter* painters[] = {Shared<TdxBarStandardPainter>(), Shared<TdxBarFlatPainter>(),
                               Shared<TdxBarOffice11Painter>()};
  struct {
    bool Pressed, Selected, Enabled;
  } const states[] = {{false, false, true}, {false, true, true}, {true, true, true}, {false, false, false}};
  for (Integer row = 0; row < 3; ++row)
    for (Integer column = 0; column < 4; ++column) {
      const TRect R(5 + column * 30, 5 + row * 30, 5 + column * 30 + 24, 5 + row * 30 + 24);
      painters[row]->FrameAndFillRect(nullptr, surface.DC, R, states[column].Pressed, states[column].Selected,
                                      states[column].Enabled);
    }
  // Standard: hot raised (light top-left), pressed sunken (dark top-left).
  EXPECT_EQ(surface.At(45, 5), RGBOf(clBtnHighlight));
  EXPECT_EQ(surface.At(75, 5), RGBOf(clBtnShadow));
  // Flat: the hot cell is filled with the selected brush, the pressed one with the downed-selected brush.
  EXPECT_EQ(surface.At(45, 45), ColorToRGB(manager->GetFlatToolbarsSelColor()));
  EXPECT_EQ(surface.At(75, 45), ColorToRGB(manager->GetFlatToolbarsDownedSelColor()));
  // Office 2003: hot in the toolbar-selected colour, disabled framed in the disabled text colour.
  EXPECT_EQ(surface.At(45, 75), dxOffice11::dxOffice11ToolbarSelectedColor);
  EXPECT_EQ(surface.At(95, 65), dxOffice11::dxOffice11TextDisabledColor);
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "bar-painters-button-cells.png"));
}

}  // namespace
