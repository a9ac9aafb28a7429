// The base painter's whole-control drawing driven with draw-parameter records on a pixel surface:
// buttons in every state, a menu with marks, separators and shortcuts, progress bars, part layout.
#include <gtest/gtest.h>

#include <vector>

#include "Forms.h"
#include "GdiPng.h"
#include "HeadlessBackend.h"
#include "PixelSurface.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"
#include "dxBar.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarPainter.h"
#include "dxBarTestSupport.h"

namespace {

using PixelSurface::RGBOf;
using PixelSurface::TSurface;

template <class T>
TdxBarPainter* PainterOf() {
  return TClassRef<TdxBarPainter>::Of<T>().operator->();
}

using TPaintBar = dxBarTests::TTestBarWindow;

// A 16 x 16 glyph: a red square framed in dark blue on the transparent (left-bottom) olive.
TBitmap* NewGlyph() {
  auto* glyph = New<TBitmap>();
  glyph->SetWidth(16);
  glyph->SetHeight(16);
  HDC DC = glyph->GetCanvas()->GetHandle();
  auto fill = [DC](TRect R, COLORREF AColor) {
    HBRUSH brush = CreateSolidBrush(AColor);
    FillRect(DC, &R, brush);
    DeleteObject(brush);
  };
  fill(TRect(0, 0, 16, 16), RGB(128, 128, 0));
  fill(TRect(2, 2, 14, 14), RGB(0, 0, 128));
  fill(TRect(4, 4, 12, 12), RGB(220, 0, 0));
  return glyph;
}

struct PainterDrawingFixture : testing::Test {
  TOwnedPtr<TForm> Form{dxBarTests::NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());
  TOwnedPtr<dxBarTests::TTestBarLinks> Owner{New<dxBarTests::TTestBarLinks>()};
  TdxBarItemLinks* Links = nullptr;
  TPaintBar* Bar = nullptr;
  TOwnedPtr<TBitmap> Glyph{NewGlyph()};

  // One button per caption; the captions with a glyph are listed in AWithGlyph.
  void MakeBar(bool AMenu, const std::vector<const char*>& ACaptions) {
    Owner->Manager = Manager;
    Owner->NewBar = [AMenu](TdxBarManager* AManager) {
      auto* bar = New<TPaintBar>(AManager);
      bar->IsMenu = AMenu;
      bar->PaintsBackground = true;
      bar->BeginGroupSize = 6;
      return bar;
    };
    Links = New<TdxBarControlItemLinks>(Manager, Owner.get());
    Owner->Links = Links;
    for (const char* caption : ACaptions) {
      auto* button = New<TdxBarButton>(Form.get());
      button->SetCaption(caption);
      Links->Add(button);
    }
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
    Links->CreateBarControl();
    Bar = static_cast<TPaintBar*>(Links->GetBarControl());
    Bar->Painter = PainterOf<TdxBarPainter>();
    Bar->SetParent(Form.get());
    Bar->SetBounds(0, 0, 300, 200);
    Bar->SetVisible(true);
    Bar->HandleNeeded();
    Bar->CalcLayout();
    ProcessMessages();
  }
  void TearDown() override {
    Owner.reset();
    Form.reset();
  }
  TdxBarButton* ButtonOf(Integer AIndex) { return static_cast<TdxBarButton*>(Links->GetItem(AIndex)->GetItem()); }
  TdxBarItemControl* ControlOf(Integer AIndex) { return Links->GetItem(AIndex)->GetControl(); }

  // Fresh draw parameters of a control as the control would fill them, on the surface's canvas.
  TOwnedPtr<TdxBarButtonLikeControlDrawParams> ParamsOf(Integer AIndex, TSurface& ASurface) {
    TdxBarItemControl* control = ControlOf(AIndex);
    control->CalcDrawParams(true);
    auto* own = static_cast<TdxBarButtonLikeControlDrawParams*>(control->GetDrawParams());
    TOwnedPtr<TdxBarButtonLikeControlDrawParams> params(New<TdxBarButtonLikeControlDrawParams>(control));
    params->Caption = own->Caption;
    params->PaintType = own->PaintType;
    params->ViewSize = own->ViewSize;
    params->ViewStructure = own->ViewStructure;
    params->Enabled = own->Enabled;
    params->IsDropDown = own->IsDropDown;
    params->IsButton = own->IsButton;
    params->DropDownEnabled = own->DropDownEnabled;
    params->ArrowSize = own->ArrowSize;
    params->ShortCut = own->ShortCut;
    params->Description = own->Description;
    params->Canvas = ASurface.Cx;
    ASurface.Cx->GetFont()->Assign(Bar->GetCanvas()->GetFont());
    return params;
  }

  Integer CountColour(TSurface& ASurface, const TRect& R, COLORREF AColor) {
    Integer count = 0;
    for (Integer y = R.top; y < R.bottom; ++y)
      for (Integer x = R.left; x < R.right; ++x)
        if (ASurface.At(x, y) == AColor) ++count;
    return count;
  }
};

enum class TShownState { Normal, Hot, Pressed, Checked, Disabled };

void ApplyState(TdxBarButtonLikeControlDrawParams* AParams, TShownState AState) {
  AParams->DrawSelected = AState == TShownState::Hot || AState == TShownState::Pressed;
  AParams->IsPressed = AParams->DrawDownFrame = AState == TShownState::Pressed;
  AParams->Downed = AState == TShownState::Checked;
  AParams->Enabled = AState != TShownState::Disabled;
}

// A toolbar of buttons (glyph and caption, caption only, split with an arrow) in each state, drawn by
// the base, standard and enhanced painters, one row of states each.
TEST_F(PainterDrawingFixture, ToolbarButtonsInEveryState) {
  MakeBar(false, {"Open", "Save", "New"});
  ButtonOf(0)->SetGlyph(Glyph.get());
  Links->GetItem(0)->SetUserPaintStyle(psCaptionGlyph);
  ButtonOf(2)->SetButtonStyle(bsDropDown);
  ButtonOf(2)->SetGlyph(Glyph.get());
  TSurface surface(5 * 3 * 70 + 10, 3 * 30 + 10);
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  const TRect all(0, 0, surface.Width, surface.Height);
  FillRect(surface.DC, &all, face);
  TdxBarPainter* painters[] = {PainterOf<TdxBarPainter>(), PainterOf<TdxBarStandardPainter>(),
                               PainterOf<TdxBarEnhancedPainter>()};
  for (Integer row = 0; row < 3; ++row) {
    Bar->Painter = painters[row];
    for (Integer state = 0; state < 5; ++state)
      for (Integer button = 0; button < 3; ++button) {
        auto params = ParamsOf(button, surface);
        ApplyState(params.get(), static_cast<TShownState>(state));
        const Integer left = 5 + (state * 3 + button) * 70;
        painters[row]->DrawButtonLikeControl(params.get(), TRect(left, 5 + row * 30, left + 66, 5 + row * 30 + 24));
      }
  }
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "bar-painter-buttons.png"));

  // The disabled caption of the base look is drawn twice: highlight below right, shadow on top.
  const TRect disabledSave(5 + (4 * 3 + 1) * 70, 5, 5 + (4 * 3 + 1) * 70 + 66, 29);
  EXPECT_GT(CountColour(surface, disabledSave, RGBOf(clBtnShadow)), 10);
  EXPECT_GT(CountColour(surface, disabledSave, RGBOf(clBtnHighlight)), 10);
  EXPECT_EQ(CountColour(surface, disabledSave, RGBOf(clBtnText)), 0);
  // The enabled caption is plain button text; the split button has its arrow in its last ArrowSize pixels.
  const TRect normalSave(5 + 70, 5, 5 + 70 + 66, 29);
  EXPECT_GT(CountColour(surface, normalSave, RGBOf(clBtnText)), 10);
  auto split = ParamsOf(2, surface);
  const TRect arrowPart(5 + 2 * 70 + 66 - split->ArrowSize.cx, 5, 5 + 2 * 70 + 66, 29);
  EXPECT_GT(CountColour(surface, arrowPart, RGBOf(clBtnText)), 3);
  // The glyph's red shows in the normal glyph button.
  EXPECT_GT(CountColour(surface, TRect(5, 5, 5 + 66, 29), RGB(220, 0, 0)), 30);
}

// A menu: a plain row, a selected row, a checked row without a glyph (check mark), a row with a glyph,
// a disabled one and a row with a shortcut, separated by a begin-group strip.
TEST_F(PainterDrawingFixture, MenuRowsWithMarksSeparatorAndShortcut) {
  MakeBar(true, {"Plain", "Selected", "Checked", "Glyph", "Disabled", "Shortcut"});
  ButtonOf(2)->SetButtonStyle(bsChecked);
  ButtonOf(3)->SetGlyph(Glyph.get());
  ButtonOf(5)->SetShortCut(TextToShortCut("Ctrl+S"));
  TdxBarPainter* painters[] = {PainterOf<TdxBarPainter>(), PainterOf<TdxBarStandardPainter>(),
                               PainterOf<TdxBarEnhancedPainter>()};
  const Integer rowHeight = 22, width = 180;
  TSurface surface(3 * (width + 10) + 10, 7 * rowHeight + 20);
  const TRect all(0, 0, surface.Width, surface.Height);
  FillRect(surface.DC, &all, GetSysColorBrush(COLOR_BTNFACE));
  for (Integer column = 0; column < 3; ++column) {
    Bar->Painter = painters[column];
    const Integer left = 5 + column * (width + 10);
    Integer top = 5;
    for (Integer row = 0; row < 6; ++row) {
      if (row == 4) {
        painters[column]->SubMenuControlDrawBeginGroup(Bar, ControlOf(row), surface.Cx,
                                                       TRect(left, top, left + width, top + 8));
        top += 8;
      }
      auto params = ParamsOf(row, surface);
      params->DrawSelected = row == 1;
      params->Downed = row == 2;
      params->Enabled = row != 4;
      painters[column]->DrawButtonLikeControl(params.get(), TRect(left, top, left + width, top + rowHeight));
      top += rowHeight;
    }
  }
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "bar-painter-menu.png"));

  const Integer iconWidth = Bar->GetIconAreaSize();
  // The checked row without a glyph has a check mark in its icon column.
  EXPECT_GT(CountColour(surface, TRect(5, 5 + 2 * rowHeight, 5 + iconWidth, 5 + 3 * rowHeight), RGBOf(clBtnText)), 8);
  // The selected row's caption is in the highlight-text colour.
  EXPECT_GT(CountColour(surface, TRect(5 + iconWidth, 5 + rowHeight, 5 + width, 5 + 2 * rowHeight),
                        RGBOf(clHighlightText)),
            0);
  // The shortcut is right-aligned: text near the right edge of the last row, none in the plain row there.
  const Integer shortcutTop = 5 + 5 * rowHeight + 8;
  const TRect shortcutEnd(5 + width - 50, shortcutTop, 5 + width, shortcutTop + rowHeight);
  EXPECT_GT(CountColour(surface, shortcutEnd, RGBOf(clBtnText)), 10);
  EXPECT_EQ(CountColour(surface, TRect(5 + width - 50, 5, 5 + width, 5 + rowHeight), RGBOf(clBtnText)), 0);
  // The begin-group strip carries an etched line.
  EXPECT_GT(CountColour(surface, TRect(5, 5 + 4 * rowHeight, 5 + width, 5 + 4 * rowHeight + 8), RGBOf(clBtnShadow)),
            width / 2);
}

// The arrow part of a split button is its last ArrowSize pixels; a split button grows by the arrow.
TEST_F(PainterDrawingFixture, SplitButtonPartsAndWidth) {
  MakeBar(false, {"Split", "Plain"});
  ButtonOf(0)->SetButtonStyle(bsDropDown);
  TSurface surface(10, 10);
  TdxBarPainter* painter = PainterOf<TdxBarPainter>();
  auto params = ParamsOf(0, surface);
  params->ArrowSize = TSize(9, 4);
  TdxBarControlParts parts(2);
  painter->CalculateButtonParts(params.get(), parts, TRect(10, 0, 60, 22));
  EXPECT_EQ(parts[0], TRect(10, 0, 51, 22));
  EXPECT_EQ(parts[1], TRect(51, 0, 60, 22));
  Integer width = 40;
  painter->InflateSizeForArrow(params.get(), width);
  EXPECT_EQ(width, 40 + 9);
  params->PaintType = ptMenu;
  width = 40;
  painter->InflateSizeForArrow(params.get(), width);
  EXPECT_EQ(width, 40);
}

// A progress bar fills its share of the range; an empty range or the minimum position fills nothing.
TEST_F(PainterDrawingFixture, ProgressBarFillsItsShareAndNothingForAnEmptyRange) {
  struct {
    Integer Min, Max, Position, Filled;
  } const cases[] = {{0, 100, 50, 50}, {0, 100, 0, 0}, {10, 10, 10, 0}, {10, 10, 50, 0}, {0, 100, 150, 100},
                     {20, 70, 45, 50}};
  for (const auto& c : cases)
    EXPECT_EQ(dxBarProgressFilledLength(100, c.Min, c.Max, c.Position), c.Filled) << c.Min << ".." << c.Max;

  MakeBar(false, {"Progress"});
  TSurface surface(220, 30);
  TOwnedPtr<TdxBarProgressControlDrawParams> params(New<TdxBarProgressControlDrawParams>(ControlOf(0)));
  params->Canvas = surface.Cx;
  params->Smooth = true;
  params->Min = params->Max = params->Position = 5;
  TdxBarPainter* painter = PainterOf<TdxBarPainter>();
  painter->ProgressControlDrawBar(params.get(), TRect(0, 0, 100, 12), clRed);
  EXPECT_EQ(CountColour(surface, TRect(0, 0, 100, 12), RGB(255, 0, 0)), 0);
  params->Min = 0;
  params->Max = 10;
  params->Smooth = false;
  painter->ProgressControlDrawBar(params.get(), TRect(110, 0, 210, 12), clRed);
  EXPECT_GT(CountColour(surface, TRect(110, 0, 160, 12), RGB(255, 0, 0)), 300);
  EXPECT_EQ(CountColour(surface, TRect(160, 0, 210, 12), RGB(255, 0, 0)), 0);
  EXPECT_TRUE(SaveDCToPng(surface.DC, testing::TempDir() + "bar-painter-progress.png"));
}

// Spin edit geometry from the height, button states, and the colour combo's custom button.
TEST_F(PainterDrawingFixture, SpinAndColorComboGeometry) {
  MakeBar(false, {"Edit"});
  TdxBarPainter* painter = PainterOf<TdxBarPainter>();
  struct {
    Integer Height, ArrowWidth, ArrowHeight, ButtonWidth;
  } const spins[] = {{22, 7, 4, 17}, {30, 11, 6, 25}, {12, 3, 2, 9}};
  TOwnedPtr<TdxBarSpinEditDrawParams> spin(New<TdxBarSpinEditDrawParams>(ControlOf(0)));
  for (const auto& c : spins) {
    EXPECT_EQ(painter->GetSpinEditArrowSize(c.Height), TSize(c.ArrowWidth, c.ArrowHeight)) << c.Height;
    EXPECT_EQ(painter->GetSpinEditButtonWidth(spin.get(), TRect(0, 0, 100, c.Height)), c.ButtonWidth) << c.Height;
  }
  TRect up, down;
  painter->GetSpinEditButtonBounds(spin.get(), TRect(0, 0, 100, 22), up, down);
  EXPECT_EQ(up, TRect(83, 0, 100, 11));
  EXPECT_EQ(down, TRect(83, 11, 100, 22));
  painter->GetSpinEditButtonBounds(spin.get(), TRect(0, 0, 12, 22), up, down);  // too narrow: no buttons
  EXPECT_TRUE(IsRectEmpty(&up) && IsRectEmpty(&down));
  spin->Enabled = true;
  spin->ActiveButton = sbUp;
  spin->HotButton = sbDown;
  EXPECT_EQ(painter->GetSpinEditButtonState(spin.get(), sbUp), 3);
  EXPECT_EQ(painter->GetSpinEditButtonState(spin.get(), sbDown), 2);
  spin->Enabled = false;
  EXPECT_EQ(painter->GetSpinEditButtonState(spin.get(), sbUp), 4);

  TOwnedPtr<TdxBarColorComboControlDrawParams> color(New<TdxBarColorComboControlDrawParams>(ControlOf(0)));
  EXPECT_EQ(painter->GetCustomColorButtonWidth(color.get(), TRect(0, 0, 100, 22)), 14 - 1 - 1 + 4);
  EXPECT_EQ(painter->GetCustomColorButtonBounds(color.get(), TRect(0, 0, 100, 22)), TRect(83, 2, 99, 20));
  const TRect hidden = painter->GetCustomColorButtonBounds(color.get(), TRect(0, 0, 30, 22));
  EXPECT_TRUE(IsRectEmpty(&hidden));
}

}  // namespace
