// The slanted painters. Slanted (style 9) draws tabs as polygons: a side is a 45-degree slant across the
// whole tab (neighbours overlap) or a cut corner, as TabSlants asks; one outline built for tabs on top
// and turned to the tab position gives the drawn frame, the clip region, the hit test and the area of
// the background. OneNote (style 10) keeps that template with a long left slant, a rounded top-right
// corner, a soft two-tone inner line and colours that follow the Office 2003 scheme.
#pragma once

#include "cxPCPaintersStandard.h"

namespace cxPCPainters {

enum TLinePosition { lpL, lpLT, lpT, lpRT, lpR, lpRB, lpB, lpLB };
using TLinePositions = std::vector<TLinePosition>;
using TPoints = std::vector<TPoint>;

class TcxPCSlantedPainter : public TcxPCStandardPainter {
  DECLARE_CLASS(TcxPCSlantedPainter, TcxPCStandardPainter)
 public:
  bool AlwaysColoredTabs() override { return true; }
  void CalculateButtonContentParameters(TcxPCNavigatorButton AButton,
                                        TcxPCNavigatorButtonContentParameters& AParameters) override;
  Integer CalculateTabNormalWidth(TcxTab* ATab) override;
  void FillDisplayRect() override;
  TColor GetButtonColor(TcxPCNavigatorButtonState AState) override;
  TColor GetButtonContentColor(TcxPCNavigatorButtonState AState) override;
  Integer GetButtonHeight() override { return 17; }
  Integer GetButtonsDistance(TcxPCNavigatorButton AButton1, TcxPCNavigatorButton AButton2) override;
  Integer GetButtonsRegionFromTabsOffset() override { return 1; }
  Integer GetButtonsRegionHOffset() override { return IsTabsContainer() ? 2 : 1; }
  Integer GetButtonsRegionWOffset() override { return IsTabsContainer() ? 2 : 0; }
  Integer GetButtonWidth(TcxPCNavigatorButton AButton) override;
  TColor GetClientColor() override;
  TRect GetClientRectOffset() override;
  Integer GetDefaultTabNormalHeight() override { return 0; }
  TRect GetDrawImageOffset(Integer AIndex) override;
  TRect GetDrawTextHOffset(Integer AIndex) override;
  Integer GetFrameWidth() override { return 1; }
  Integer GetImageTextDistance(Integer AIndex) override { return 3; }
  Integer GetMinTabNormalWidth(Integer AIndex) override { return GetTabNormalWidth(AIndex); }
  TcxPCStyleID GetStyleID() override { return 9; }
  String GetStyleName() override { return "Slanted"; }
  TColor GetTabBodyColor(Integer AIndex) override;
  TcxRegion* GetTabClipRgn(Integer AIndex) override;
  TcxPCWOffset GetTabContentWOffset(Integer AIndex) override;
  Integer GetTabNormalWidth(Integer AIndex) override;
  TRect GetTabsContainerOffsets() override;
  TcxPCDistance GetTabsNormalDistance() override;
  TRect GetTabsRectOffset() override;
  TcxPCWOffset GetTooNarrowTabContentWOffset(Integer AIndex) override { return GetTabContentWOffset(AIndex); }
  bool HasLookAndFeel(TcxLookAndFeel*) override { return false; }
  void Init() override;
  Integer InternalCalculateTabNormalHeight() override;
  bool IsOverTab(Integer AIndex, Integer X, Integer Y) override;
  bool IsTabBorderThick(Integer AIndex) override { return false; }
  void PaintButtonFrame(TRect& ARect, TcxPCNavigatorButtonState AState) override;
  void PaintFrame() override;
  void PaintTabShape(Integer AIndex) override;
  void PaintTabsRegion() override;
  void PrepareDrawTabContentBitmapBackground(TBitmap* ABitmap, const TPoint& AOrigin, Integer AIndex) override;
  TPoint GetButtonContentPosition(TcxPCNavigatorButton AButton) override {
    return GetButtonCenteredContentPosition(AButton);
  }

  // ---- Introduced by the slanted painter, in slot order
  virtual bool CanLightMainTab() { return false; }
  virtual void DrawBackground(TcxCanvas* ACanvas, const TRect& ARect, Integer AIndex, bool AHorizontal, bool ASwap);
  virtual void DrawTabUnderline(Integer AIndex);
  virtual void GetBackgroundGradientColors(Integer AIndex, TColor& AColor1, TColor& AColor2);
  virtual Integer GetGeometricalMinTabWidth();
  virtual TColor GetFrameColor() { return clBtnShadow; }
  virtual TcxTabSlantPositions GetSlantedSides();
  virtual TSize GetTabImageSize();
  virtual Integer GetVerticalTextIndent() { return 0; }
  virtual Integer InternalGetCutValue();
  // A new region the caller owns: inside the drawn outline (Inner) or including its frame.
  virtual TcxRegion* InternalGetTabClipRegion(Integer AIndex, bool AInner);
  virtual void PaintTabFrame(Integer AIndex, const TRect& ARect);
  virtual void PaintTabStateMark(Integer AIndex);

  // ---- Helpers
  TcxRegion* DirectionalGetFigureRegion(const TRect& ARect, const TPoints& APoints, const TLinePositions& APositions,
                                        TcxTabPosition ATabPosition, bool AInner);
  Integer GetCutValue() const { return FCutValue; }
  void GetTabFramePolyline(Integer AIndex, TPoints& APoints, TLinePositions& APositions);
  TRect GetTabsLineRect(const TcxPCIndexInterval& AInterval, bool AAdjacent);
  TRect GetTabUnderlineRect(Integer AIndex);

 protected:
  // The tab's length along the row and depth across it, for the outline.
  void GetTabSize(Integer AIndex, Integer& AWidth, Integer& AHeight);
  TColor GetUnderColor(Integer AIndex, const TRect& ARect, const TPoint& APoint);

 private:
  void PaintRowLine(const TcxPCIndexInterval& AInterval, Integer ARow, bool AAdjacent, bool AOutermost);

  Integer FCutValue = 0;
};

class TcxPCOneNotePainter : public TcxPCSlantedPainter {
  DECLARE_CLASS(TcxPCOneNotePainter, TcxPCSlantedPainter)
 public:
  bool AllowRotate() override { return false; }
  Integer GetButtonsRegionHOffset() override { return IsTabsContainer() ? 2 : 0; }
  TRect GetDrawImageOffset(Integer AIndex) override { return TRect(0, 3, 0, 1); }
  TRect GetDrawTextHOffset(Integer AIndex) override { return TRect(0, 4, 0, 1); }
  TcxPCStyleID GetStyleID() override { return 10; }
  String GetStyleName() override { return "OneNote"; }
  TcxPCWOffset GetTabContentWOffset(Integer AIndex) override;
  TRect GetTabsContainerOffsets() override { return IsTabsContainer() ? TRect(0, 2, 0, 0) : TRect(0, 0, 0, 0); }
  TcxPCDistance GetTabsNormalDistance() override { return TcxPCDistance{5 - GetCutValue(), -3}; }
  TRect GetTabsRectOffset() override;
  bool HasLookAndFeel(TcxLookAndFeel*) override { return false; }

  bool CanLightMainTab() override { return true; }
  void DrawTabUnderline(Integer AIndex) override;
  Integer GetGeometricalMinTabWidth() override { return GetCutValue() + 4; }
  TColor GetFrameColor() override;
  TcxTabSlantPositions GetSlantedSides() override { return TcxTabSlantPositions{spLeft}; }
  Integer InternalGetCutValue() override { return CalculateTabNormalHeight() + 2; }
  TcxRegion* InternalGetTabClipRegion(Integer AIndex, bool AInner) override;
  void PaintTabFrame(Integer AIndex, const TRect& ARect) override;
  void PaintTabStateMark(Integer AIndex) override {}
};

// The OneNote colour set, chosen by the Office 2003 colour scheme; reloaded on system colour changes.
struct TcxPCOneNoteColors {
  TColor Frame;
  TColor OtherTabsOutline;
  TColor HotTabLines;
  TColor OtherTabsInnerTone;
};
const TcxPCOneNoteColors& OneNoteColors();
void LoadOneNoteColors();

}  // namespace cxPCPainters

using namespace cxPCPainters;
