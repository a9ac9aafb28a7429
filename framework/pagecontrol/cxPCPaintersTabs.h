// The three-dimensional tab painters: Tabs (style 1) outlines each tab with rounded corners in the
// system 3-D colours and merges the larger selected tab with the page frame, or draws tabs, page and
// buttons through the visual-styles theme when the look-and-feel asks for the native style; Flat
// (style 7) never uses the theme and draws flat one-pixel outlines.
#pragma once

#include "cxPCPaintersStandard.h"

namespace cxPCPainters {

class TcxPCTabsPainter : public TcxPCStandardPainter {
  DECLARE_CLASS(TcxPCTabsPainter, TcxPCStandardPainter)
 public:
  void CorrectTabRect(Integer AIndex, TcxPCRectCorrection& ACorrection) override;
  void DrawNativeTabBackground(HDC DC, TcxTabSheet* ATabSheet) override;
  Integer GetButtonsRegionHOffset() override { return IsTabsContainer() ? 2 : 0; }
  Integer GetButtonsRegionWOffset() override { return IsTabsContainer() ? 2 : 0; }
  TRect GetClientRectOffset() override;
  TRect GetDisplayRectOffset() override;
  TRect GetDrawImageOffset(Integer AIndex) override;
  TcxPCWOffset GetDrawImageWithoutTextWOffset(Integer AIndex) override;
  TRect GetDrawTextHOffset(Integer AIndex) override;
  Integer GetImageTextDistance(Integer AIndex) override { return 6; }
  TColor GetTabBodyColor(Integer AIndex) override;
  TcxRegion* GetTabClipRgn(Integer AIndex) override;
  TcxRegionOperation GetTabClipRgnOperation(Integer AIndex) override;
  TcxPCWOffset GetTabContentWOffset(Integer AIndex) override;
  void GetTabNativePartAndState(Integer AIndex, Integer& APart, Integer& AState) override;
  TRect GetTabsContainerOffsets() override { return TRect(2, 2, 2, 0); }
  void GetTabsPosition(TcxPCNavigatorButtons AButtons, TcxPCTabsPosition& ATabsPosition) override;
  TcxPCWOffset GetTooNarrowTabContentWOffset(Integer AIndex) override { return GetTabContentWOffset(AIndex); }
  void InternalPrepareOutTabImageAndTextData(Integer AIndex, TRect& AImageRect, TRect& ATextRect) override;
  void InvalidateTabRect(Integer AIndex) override;
  bool IsNativePainting() override;
  bool IsOverTab(Integer AIndex, Integer X, Integer Y) override { return true; }
  bool NeedShowFrame() override { return true; }
  void PaintClientArea() override;
  void PaintFrame() override;
  void PaintTabsRegion() override;
  void RepaintTab(Integer AIndex, TcxPCTabPropertyChanged AType) override;
  TcxPCStandardStyle GetStandardStyle() override { return tsTabs; }
  TcxPCStyleID GetStyleID() override { return 1; }
  String GetStyleName() override { return "Tabs"; }
  bool HasLookAndFeel(TcxLookAndFeel* ALookAndFeel) override;
  bool IsDefault(TcxLookAndFeel* ALookAndFeel) override;

  TPoint GetButtonContentPosition(TcxPCNavigatorButton AButton) override { return Get3DButtonContentPosition(AButton); }
  Integer GetButtonHeight() override { return IsNativePainting() ? 17 : 20; }
  Integer GetButtonWidth(TcxPCNavigatorButton AButton) override;
  Integer GetMinFrameRectSize() override;
  Integer InternalCalculateTabNormalHeight() override;
  void PaintButton(TcxPCNavigatorButton AButton, TRect ARect) override;
  void PaintTabShape(Integer AIndex) override;
  void PrepareTabBackground(Integer AIndex) override;

  // ---- Introduced by the Tabs painter, in slot order
  virtual void PaintNativeTabBackground(HDC DC, Integer AIndex, const TRect& ARect);
  virtual void PrepareTabBitmapBackground(TBitmap* ABitmap, const TRect& ARect, TcxTab* ATab);
  virtual void GetTabCornersColor(Integer AIndex, TColor& AColor1, TColor& AColor2);
  virtual void PaintTabCorners(Integer AIndex);
  virtual void PaintTabFrame(Integer AIndex);
  virtual void InternalPaintFrame(TcxCanvas* ACanvas);

 private:
  void PaintNativeTabShape(Integer AIndex);
  void PaintMainTabJoin(Integer AIndex, TColor ABody);
  bool IsFirstOrLastOfRow(Integer AIndex, bool AFirst);
};

class TcxPCFlatPainter : public TcxPCTabsPainter {
  DECLARE_CLASS(TcxPCFlatPainter, TcxPCTabsPainter)
 public:
  Integer GetFrameWidth() override { return 1; }
  TcxRegion* GetTabClipRgn(Integer AIndex) override { return TcxPCCustomPainter::GetTabClipRgn(AIndex); }
  TcxRegionOperation GetTabClipRgnOperation(Integer AIndex) override { return roIntersect; }
  bool IsNativePainting() override { return false; }
  bool NeedShowFrame() override { return true; }
  TcxPCStyleID GetStyleID() override { return 7; }
  String GetStyleName() override { return "Flat"; }
  bool HasLookAndFeel(TcxLookAndFeel* ALookAndFeel) override;
  TPoint GetButtonContentPosition(TcxPCNavigatorButton AButton) override;
  Integer GetButtonHeight() override { return inherited::GetButtonHeight() - 2; }
  Integer GetButtonWidth(TcxPCNavigatorButton AButton) override { return inherited::GetButtonWidth(AButton) - 2; }
  void PaintButtonFrame(TRect& ARect, TcxPCNavigatorButtonState AState) override;
  void PaintFrameBorder(const TRect& ARect) override;
  void PaintTabFrame(Integer AIndex) override;
};

}  // namespace cxPCPainters

using namespace cxPCPainters;
