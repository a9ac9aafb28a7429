// The flat row painters: extra-flat (style 5) draws every row as one band with short delimiters between
// tabs and only the selected tab raised and joined to the page; ultra-flat (style 6) keeps its geometry
// with black frames and flat buttons; the Office 2003 painter (style 8) paints rows, the selected tab,
// the buttons and the page in the Office 2003 colour scheme's gradients.
#pragma once

#include "cxPCPaintersStandard.h"

namespace cxPCPainters {

class TcxPCExtraFlatPainter : public TcxPCStandardPainter {
  DECLARE_CLASS(TcxPCExtraFlatPainter, TcxPCStandardPainter)
 public:
  Integer CalculateTabNormalWidth(TcxTab* ATab) override;
  void CorrectTabRect(Integer AIndex, TcxPCRectCorrection& ACorrection) override;
  Integer GetButtonsDistance(TcxPCNavigatorButton AButton1, TcxPCNavigatorButton AButton2) override;
  Integer GetButtonsRegionHOffset() override { return 6; }
  Integer GetButtonsRegionWOffset() override;
  TColor GetClientColor() override;
  TRect GetClientRectOffset() override;
  TRect GetDisplayRectOffset() override;
  TRect GetDrawImageOffset(Integer AIndex) override;
  TRect GetDrawTextHOffset(Integer AIndex) override;
  Integer GetFrameWidth() override { return 1; }
  Integer GetMinTabNormalWidth(Integer AIndex) override { return GetTabNormalWidth(AIndex); }
  TColor GetTabBodyColor(Integer AIndex) override;
  TcxPCWOffset GetTabContentWOffset(Integer AIndex) override;
  TcxPCDistance GetTabsNormalDistance() override;
  void GetTabsPosition(TcxPCNavigatorButtons AButtons, TcxPCTabsPosition& ATabsPosition) override;
  TcxPCWOffset GetTooNarrowTabContentWOffset(Integer AIndex) override { return GetTabContentWOffset(AIndex); }
  void InternalPaint() override;
  void PaintClientArea() override;
  void PaintFrame() override { InternalPaintFrame(clBtnHighlight, clBtnShadow); }
  void PaintTabsRegion() override;
  void RepaintTab(Integer AIndex, TcxPCTabPropertyChanged AType) override;
  Integer CalculateTabNormalHeight() override;
  TcxPCStyleID GetStyleID() override { return 5; }
  String GetStyleName() override { return "ExtraFlat"; }
  bool HasLookAndFeel(TcxLookAndFeel* ALookAndFeel) override { return false; }
  bool IsMainTabBoundWithClient() override { return true; }
  bool IsMultiSelectionAccepted() override { return false; }
  bool IsTabPressable() override { return false; }

  void CalculateButtonContentParameters(TcxPCNavigatorButton AButton,
                                        TcxPCNavigatorButtonContentParameters& AParameters) override;
  TColor GetButtonColor(TcxPCNavigatorButtonState AState) override;
  TColor GetButtonContentColor(TcxPCNavigatorButtonState AState) override;
  TPoint GetButtonContentPosition(TcxPCNavigatorButton AButton) override;
  Integer GetButtonHeight() override { return 13; }
  Integer GetButtonWidth(TcxPCNavigatorButton AButton) override { return 13; }
  Integer GetDefaultTabNormalHeight() override { return 17; }
  Integer GetDefaultTabNormalHTextOffset() override { return 2; }
  TColor GetFreeSpaceColor() override { return clBtnFace; }
  Integer GetTabBorderWidth(Integer AIndex) override { return IsMainTab(AIndex) ? 1 : 0; }
  Integer GetTabNormalWidth(Integer AIndex) override;
  Integer InternalCalculateTabNormalHeight() override { return inherited::InternalCalculateTabNormalHeight() - 3; }
  void PaintButtonFrame(TRect& ARect, TcxPCNavigatorButtonState AState) override;
  void PaintTabShape(Integer AIndex) override;

  // ---- Introduced by the extra-flat painter, in slot order
  virtual Integer GetTabsRowsDelimiterWidth() { return 3; }
  virtual TRect GetFocusRect();
  virtual TcxPCTabsDelimiterOffsets GetTabsDelimiterOffsets() { return TcxPCTabsDelimiterOffsets{2, 2}; }
  virtual void DrawBackground(TcxCanvas* ACanvas, TRect ARect, Integer AIndex);
  virtual void ExcludeUnderLine(TRect& AOffset);
  virtual TColor GetMainTabRowUnderlineColor();
  virtual TRect GetMainTabRowUnderlineRect();
  virtual TRect GetTabBackgroundRect(Integer AIndex, bool AIgnoreMainTab);
  virtual Integer GetTabsDelimiterWidth() { return 1; }
  virtual TColor GetTabsRowColor();
  virtual bool NeedShowTabsRegionFrame() { return false; }
  virtual void PaintMainTabFrame(TRect& ARect) { InternalPaintMainTabFrame(ARect, clWhite, clBlack); }
  virtual void PaintTabsDelimiter(const TRect& ARect);
  virtual void PaintTabsRowsDelimiter(TRect& ARect, Integer ARow);

  // ---- Helpers
  void InternalPaintFrame(TColor ALightColor, TColor ADarkColor);
  void InternalPaintMainTabFrame(TRect& ARect, TColor ALightColor, TColor ADarkColor);
  void InternalPaintTabsRowsDelimiter(TRect& ARect, std::initializer_list<TColor> AColors);
  bool IsMainTabRow(Integer ARow);
  TRect GetTabsRowRect(Integer ARow);
  void PaintMainTabRowUnderline();

 private:
  void PaintTabsDelimiterAfter(Integer AIndex);
};

class TcxPCUltraFlatPainter : public TcxPCExtraFlatPainter {
  DECLARE_CLASS(TcxPCUltraFlatPainter, TcxPCExtraFlatPainter)
 public:
  Integer GetButtonsDistance(TcxPCNavigatorButton AButton1, TcxPCNavigatorButton AButton2) override;
  Integer GetButtonsRegionHOffset() override { return 3; }
  void PaintFrame() override { InternalPaintFrame(clBtnShadow, clBtnShadow); }
  TcxPCStyleID GetStyleID() override { return 6; }
  String GetStyleName() override { return "UltraFlat"; }
  bool HasLookAndFeel(TcxLookAndFeel* ALookAndFeel) override;
  void CalculateButtonContentParameters(TcxPCNavigatorButton AButton,
                                        TcxPCNavigatorButtonContentParameters& AParameters) override;
  TColor GetButtonColor(TcxPCNavigatorButtonState AState) override;
  TPoint GetButtonContentPosition(TcxPCNavigatorButton AButton) override {
    return GetButtonCenteredContentPosition(AButton);
  }
  Integer GetButtonHeight() override { return 15; }
  Integer GetButtonWidth(TcxPCNavigatorButton AButton) override;
  void PaintButtonFrame(TRect& ARect, TcxPCNavigatorButtonState AState) override;
  TRect GetFocusRect() override;
  void PaintMainTabFrame(TRect& ARect) override { InternalPaintMainTabFrame(ARect, clBlack, clBlack); }
  void PaintTabsRowsDelimiter(TRect& ARect, Integer ARow) override;
};

class TcxPCOffice11Painter : public TcxPCUltraFlatPainter {
  DECLARE_CLASS(TcxPCOffice11Painter, TcxPCUltraFlatPainter)
 public:
  void FillDisplayRect() override;
  TRect GetClientRectOffset() override;
  TColor GetTabBodyColor(Integer AIndex) override;
  bool IsTabTransparent(Integer AIndex) override;
  bool NeedRedrawOnResize() override { return IsGradientClienArea(); }
  void PaintClientArea() override;
  void PaintFrame() override;
  void PrepareDrawTabContentBitmapBackground(TBitmap* ABitmap, const TPoint& AOrigin, Integer AIndex) override;
  TcxPCStyleID GetStyleID() override { return 8; }
  String GetStyleName() override { return "Office11"; }
  bool HasLookAndFeel(TcxLookAndFeel* ALookAndFeel) override;
  TColor GetButtonContentColor(TcxPCNavigatorButtonState AState) override;
  TColor GetFreeSpaceColor() override { return GetFrameColor(); }
  void PaintButtonBackground(TRect& ARect, TcxPCNavigatorButtonState AState) override;
  void PaintButtonFrame(TRect& ARect, TcxPCNavigatorButtonState AState) override;
  Integer GetTabsRowsDelimiterWidth() override { return 1; }
  TRect GetFocusRect() override;
  TcxPCTabsDelimiterOffsets GetTabsDelimiterOffsets() override;
  void DrawBackground(TcxCanvas* ACanvas, TRect ARect, Integer AIndex) override;
  void ExcludeUnderLine(TRect&) override {}
  TColor GetMainTabRowUnderlineColor() override;
  TRect GetMainTabRowUnderlineRect() override;
  Integer GetTabsDelimiterWidth() override { return 2; }
  bool NeedShowTabsRegionFrame() override { return NeedShowFrame(); }
  void PaintMainTabFrame(TRect& ARect) override;
  void PaintTabsDelimiter(const TRect& ARect) override;
  void PaintTabsRowsDelimiter(TRect& ARect, Integer ARow) override;

  virtual TColor GetFrameColor();

  void DrawGradientBackground(TcxCanvas* ACanvas, TRect ARect, Integer AIndex, bool AHorizontal, bool ASwap);
  TColor GetSelectedColor1();
  TColor GetSelectedColor2();
  bool IsGradientClienArea();
  bool NeedShowMainTabOppositeRowLine();
  void PaintMainTabOppositeRowLine();

 private:
  // Both colours, or their even mix where gradients are switched off.
  void ApplyGradientOption(TColor& AColor1, TColor& AColor2);
  bool IsVerticalTabs() const { return !IsHorizontalTabs(); }
};

}  // namespace cxPCPainters

using namespace cxPCPainters;
