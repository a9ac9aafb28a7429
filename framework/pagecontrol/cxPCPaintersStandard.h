// The standard painter, base of the nine tab painters: the navigator button region (order, placement,
// hit testing, painting with arrow and cross glyphs), the standard tab geometry chosen by the standard
// style and the tab's border, the tabs rectangle, the frame, the free space and the template of
// painting one tab; and the small routines that several painters share.
#pragma once

#include <vector>

#include "cxPCPainter.h"

namespace cxPCPainters {

using namespace cxPC;

enum TcxPCArrow { aTop, aBottom, aLeft, aRight };

struct TcxPCNavigatorButtonPosition {
  TcxPCNavigatorButton Button = nbTopLeft;
  TRect Bounds;
};
using TcxPCNavigatorButtonPositions = std::vector<TcxPCNavigatorButtonPosition>;

struct TcxPCNavigatorButtonContentParameters {
  TColor BrushColor = clBtnText;
  TColor PenColor = clBtnText;
  bool Enabled = true;
  bool SmallCross = false;
};

struct TcxPCTabsDelimiterOffsets {
  Integer TopOrLeftOffset = 0;
  Integer BottomOrRightOffset = 0;
};

inline constexpr TcxPCWOffset cxPCEmptyWOffset{0, 0};
// clBtnFace with each channel raised by 20 (capped), taken when the unit starts.
extern TColor cxPCLightBrushColor;

class TcxPCStandardPainter : public TcxPCCustomPainter {
  DECLARE_CLASS(TcxPCStandardPainter, TcxPCCustomPainter)
 public:
  // ---- Overrides of the painter contract
  Integer CalculateTabNormalWidth(TcxTab* ATab) override;
  TRect GetDrawImageOffset(Integer AIndex) override;
  TcxPCWOffset GetDrawImageWithoutTextWOffset(Integer AIndex) override { return cxPCEmptyWOffset; }
  TRect GetDrawTextHOffset(Integer AIndex) override;
  Integer GetFrameWidth() override { return 2; }
  void GetGoDialogPosition(const TSize& ASize, TPoint& APoint) override;
  Integer GetImageTextDistance(Integer AIndex) override { return 6; }
  Integer GetMinTabNormalWidth(Integer AIndex) override;
  TcxPCDistance GetMinTabSelectionDistance() override { return TcxPCDistance{4, 4}; }
  TcxPCWOffset GetTabContentWOffset(Integer AIndex) override;
  TcxPCDistance GetTabsNormalDistance() override;
  void GetTabsPosition(TcxPCNavigatorButtons AButtons, TcxPCTabsPosition& ATabsPosition) override;
  TcxPCWOffset GetTooNarrowTabContentWOffset(Integer AIndex) override;
  void InternalPrepareOutTabImageAndTextData(Integer AIndex, TRect& AImageRect, TRect& ATextRect) override;
  bool IsOverButton(Integer X, Integer Y, TcxPCNavigatorButton& AButton) override;
  bool IsTabBorderThick(Integer AIndex) override { return IsMainTab(AIndex); }
  void Paint() override;
  void PaintButtonsRegion() override;
  void PaintFrame() override { PaintFrameBorder(GetFrameRect()); }
  void PaintTabsRegion() override;
  void RepaintButton(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonState APrevState) override;
  void RepaintButtonsRegion() override;
  void RepaintTab(Integer AIndex, TcxPCTabPropertyChanged AType) override;
  Integer CalculateTabNormalHeight() override;
  TRect GetGoDialogButtonBounds() override;
  bool IsMainTabBoundWithClient() override { return GetStandardStyle() == tsTabs; }
  bool IsMultiSelectionAccepted() override { return GetStandardStyle() != tsTabs; }
  bool IsStandardStyle() override { return true; }
  bool IsTabPressable() override { return GetStandardStyle() != tsTabs; }

  // ---- Operations the standard painter introduces, in slot order
  virtual void PaintTab(Integer AIndex);
  virtual void CalculateButtonContentParameters(TcxPCNavigatorButton AButton,
                                                TcxPCNavigatorButtonContentParameters& AParameters);
  virtual void CalculateButtonsRect(TcxPCNavigatorButtons AButtons);
  virtual void CalculateButtonsRegion(TcxPCNavigatorButtons AButtons);
  virtual Integer CalculateButtonsRegionWidth(TcxPCNavigatorButtons AButtons);
  virtual TColor GetButtonColor(TcxPCNavigatorButtonState AState) { return clBtnFace; }
  virtual TColor GetButtonContentColor(TcxPCNavigatorButtonState AState);
  virtual TPoint GetButtonContentPosition(TcxPCNavigatorButton AButton) {
    return GetButtonCenteredContentPosition(AButton);
  }
  virtual Integer GetButtonHeight() { return 20; }
  virtual Integer GetButtonWidth(TcxPCNavigatorButton AButton);
  virtual Integer GetDefaultTabNormalHeight();
  virtual Integer GetDefaultTabNormalHTextOffset();
  virtual Integer GetDefaultTabNormalWidth() { return 42; }
  virtual TColor GetFreeSpaceColor();
  virtual Integer GetMinFrameRectSize() { return 2 * GetFrameWidth(); }
  virtual Integer GetTabBorderWidth(Integer AIndex) { return 2; }
  virtual Integer GetTabNormalWidth(Integer AIndex);
  virtual TRect GetTabsRectOffset() { return TRect(0, 0, 0, 0); }
  virtual Integer InternalCalculateTabNormalHeight();
  virtual void InternalDrawFocusRect(Integer AIndex, const TRect& ARect);
  virtual void PaintButton(TcxPCNavigatorButton AButton, TRect ARect);
  virtual void PaintButtonBackground(TRect& ARect, TcxPCNavigatorButtonState AState);
  virtual void PaintButtonFrame(TRect& ARect, TcxPCNavigatorButtonState AState);
  virtual void PaintFrameBorder(const TRect& ARect);
  virtual void PaintTabShape(Integer AIndex) = 0;
  virtual void PrepareTabBackground(Integer AIndex) {}
  virtual void GetButtonsOrder(TcxPCNavigatorButtons AButtons, TcxPCNavigatorButtonPositions& APositions);

  // ---- Helpers
  void CorrectTabHeightForImage(Integer& AHeight);
  TRect GetFrameRect();
  void InternalDrawEdge(const TRect& ARect, bool APressed, bool AThin);
  void DrawButtonContent(TcxPCNavigatorButton AButton, const TcxPCNavigatorButtonContentParameters& AParameters,
                         const TPoint& APoint);
  TPoint Get3DButtonContentPosition(TcxPCNavigatorButton AButton);
  TcxPCArrow GetButtonArrow(TcxPCNavigatorButton AButton);
  TPoint GetButtonCenteredContentPosition(TcxPCNavigatorButton AButton);
  Integer GetButtonsWidth(TcxPCNavigatorButtons AButtons);
  const TcxPCNavigatorButtonPositions& GetNavigatorButtonList() const { return FNavigatorButtonList; }
  // Horizontal tabs: the tabs are on top or at the bottom.
  bool IsHorizontalTabs() const;
  // The navigator sits at the start of the strip (left or top).
  bool IsNavigatorAtStart() const;

 protected:
  // Where a tab background rectangle lies in a bitmap that holds content drawn at AOrigin (control
  // coordinates), the bitmap's content being turned as the captions are; ASwap tells whether a
  // gradient painted there runs the other way.
  TRect GetContentBitmapBackgroundRect(TBitmap* ABitmap, TRect ARect, TPoint AOrigin, bool& ASwap);
  // The state of the navigator button as the control holds it.
  TcxPCNavigatorButtonState GetButtonState(TcxPCNavigatorButton AButton) const;
  // The standard style's column of a per-style table, and the tab's border column.
  Integer StyleColumn() { return static_cast<Integer>(GetStandardStyle()); }

 private:
  void DrawArrowGlyph(TcxPCArrow AArrow, Integer ASize, const TPoint& APoint);
  void DrawCrossGlyph(bool ASmall, const TPoint& APoint);

  TcxPCNavigatorButtonPositions FNavigatorButtonList;
  TRect FNavigatorButtonsBounds;
};

// ---- Shared routines ------------------------------------------------------------------------------------
// One line per border in order, each in its colour, shrinking R on that side; with ExcludeFromClip the
// band the lines covered leaves the canvas clip.
void DrawBorder(TcxCanvas* ACanvas, TRect& R, std::initializer_list<TcxBorder> ABorders,
                std::initializer_list<TColor> AColors, bool AExcludeFromClip = false);
void GetRectSize(const TRect& R, bool AHorizontal, Integer& AWidth, Integer& AHeight);
void RotateTabsDistance(TcxPCDistance& ADistance);
// The colour's brightness raised by APercent (0..255), in hue, saturation and brightness.
TColor IncreaseColorBrightness(TColor AColor, Integer APercent);
// The part of AOuter beyond AInner on the given side (AInner lies within AOuter on the other sides).
TRect GetBandOutside(const TRect& AOuter, const TRect& AInner, TcxBorder ASide);
// The side of a rectangle that faces the tabs at that position, and the side that faces the page.
TcxBorder TabSide(TcxTabPosition APosition);
TcxBorder PageSide(TcxTabPosition APosition);

}  // namespace cxPCPainters

using namespace cxPCPainters;
