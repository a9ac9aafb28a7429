// The standard painter (the classic raised three-dimensional look: two-pixel buttons, sunken borders,
// the system's own scroll-bar arrow buttons) and the flat painter (the same parts with one-pixel bevels).
#pragma once

#include "cxLookAndFeelPaintersBase.h"

namespace cxLookAndFeelPaintersStandard {

class TcxStandardLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TcxStandardLookAndFeelPainter, TcxCustomLookAndFeelPainter)
 public:
  TcxStandardLookAndFeelPainter() = default;

  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  TColor DefaultSchedulerViewContentColor() const override;
  Integer BorderSize() const override;
  Integer ButtonBorderSize(TcxButtonState AState = cxbsNormal) const override;
  Integer ButtonTextOffset() const override;
  Integer ButtonTextShift() const override;
  Integer ExpandButtonSize() const override;
  bool IsButtonHotTrack() const override;
  Integer HeaderBorderSize() const override;
  Integer HeaderControlSectionBorderSize(TcxButtonState AState = cxbsNormal) const override;
  TPoint SortingMarkSize() const override;
  Integer FooterBorderSize() const override;
  Integer FooterCellBorderSize() const override;
  Integer FooterCellOffset() const override;
  Integer TabBorderSize(bool AVertical) const override;


  void DrawBorder(TcxCanvas* ACanvas, TRect R) const override;
  void DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor = clDefault) const override;
  void DrawGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TcxButtonState AState) const override;
  void DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                        TcxBorders ABorders) const override;
  void DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                      TcxButtonState AState) const override;
  void DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) const override;
  void DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void DrawFilterDropDownButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                                bool AIsFilterActive) const override;
  void DrawTabBorder(TcxCanvas* ACanvas, TRect R, TcxBorder ABorder, TcxBorders ABorders,
                     bool AVertical) const override;
  void DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, bool AVertical) const override;
  void DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, TRect R, TcxScrollBarPart APart,
                         TcxButtonState AState) const override;
  void DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, TcxNeighbors ANeighbors,
                       const TcxViewParams& AViewParams, TcxHeaderArrows AArrows, Integer ASideWidth) const override;
  void DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, TRect R, const TcxViewParams& AViewParams,
                                   bool AIsHorizontal) const override;
};

class TcxFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TcxFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
 public:
  TcxFlatLookAndFeelPainter() = default;

  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  Integer BorderSize() const override;
  Integer ButtonBorderSize(TcxButtonState AState = cxbsNormal) const override;
  Integer ButtonTextOffset() const override;
  Integer ButtonTextShift() const override;
  Integer ExpandButtonSize() const override;
  bool IsButtonHotTrack() const override;
  Integer HeaderBorderSize() const override;
  TPoint SortingMarkSize() const override;
  Integer FooterBorderSize() const override;
  Integer FooterCellBorderSize() const override;
  Integer FooterCellOffset() const override;
  Integer TabBorderSize(bool AVertical) const override;

  void DrawBorder(TcxCanvas* ACanvas, TRect R) const override;
  void DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor = clDefault) const override;
  void DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                        TcxBorders ABorders) const override;
  void DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                      TcxButtonState AState) const override;
  void DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) const override;
  void DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void DrawFilterDropDownButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                                bool AIsFilterActive) const override;
  void DrawTabBorder(TcxCanvas* ACanvas, TRect R, TcxBorder ABorder, TcxBorders ABorders,
                     bool AVertical) const override;
  void DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, bool AVertical) const override;
  void DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, TRect R, TcxScrollBarPart APart,
                         TcxButtonState AState) const override;
  void DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, TcxNeighbors ANeighbors,
                       const TcxViewParams& AViewParams, TcxHeaderArrows AArrows, Integer ASideWidth) const override;
  void DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, TRect R, const TcxViewParams& AViewParams,
                                   bool AIsHorizontal) const override;
};

}  // namespace cxLookAndFeelPaintersStandard

using namespace cxLookAndFeelPaintersStandard;
