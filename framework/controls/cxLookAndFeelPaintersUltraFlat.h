// The ultra-flat painter: the application's default look. One-pixel frames, no bevels, and the light
// selection colours behind hot and pressed buttons. The Office 2003 painter derives from it.
#pragma once

#include "cxLookAndFeelPaintersBase.h"

namespace cxLookAndFeelPaintersUltraFlat {

class TcxUltraFlatLookAndFeelPainter : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TcxUltraFlatLookAndFeelPainter, TcxCustomLookAndFeelPainter)
 public:
  TcxUltraFlatLookAndFeelPainter() = default;

  // Slots of its own, refined by the Office 2003 painter.
  virtual TColor FilterDropDownButtonBorderColor(TcxButtonState AState) const;
  virtual TColor TabBorderHighlightColor() const;
  virtual TColor TabBorderDarkColor() const;
  virtual TColor BorderHighlightColor() const;

  // Values.
  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  TColor DefaultSchedulerBorderColor() const override;
  Integer BorderSize() const override;
  Integer ButtonBorderSize(TcxButtonState AState = cxbsNormal) const override;
  TColor ButtonColor(TcxButtonState AState) const override;
  TRect ButtonFocusRect(TcxCanvas* ACanvas, const TRect& R) const override;
  TRect ButtonGroupBorderSizes(Integer AButtonCount, Integer AButtonIndex) const override;
  Integer ButtonTextOffset() const override;
  Integer ButtonTextShift() const override;
  TColor ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor = clDefault) const override;
  TcxButtonState ButtonSymbolState(TcxButtonState AState) const override;
  Integer ExpandButtonSize() const override;
  bool IsButtonHotTrack() const override;
  TcxBorders HeaderBorders(TcxNeighbors ANeighbors) const override;
  Integer HeaderBorderSize() const override;
  TPoint SortingMarkSize() const override;
  TcxBorders FooterBorders() const override;
  Integer FooterBorderSize() const override;
  Integer FooterCellBorderSize() const override;
  Integer FooterCellOffset() const override;
  TPoint FilterCloseButtonSize() const override;
  Integer TabBorderSize(bool AVertical) const override;

  // Drawing.
  void DrawBorder(TcxCanvas* ACanvas, TRect R) const override;
  void DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawButtonInGroup(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, Integer AButtonCount,
                         Integer AButtonIndex, TColor ABackgroundColor) const override;
  void DrawButtonGroupBorder(TcxCanvas* ACanvas, const TRect& R, bool AInplace, bool ASelected) const override;
  void DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                        TColor AColor = clDefault) const override;
  void DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawHeaderEx(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                    TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                    TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                    bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                    TColor ABkColor, TcxDrawBackgroundEvent AOnDrawBackground = nullptr) const override;
  void DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                        TcxBorders ABorders) const override;
  void DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                      TcxButtonState AState) const override;
  void DrawHeaderControlSectionContent(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                       TcxButtonState AState, TAlignment AAlignmentHorz,
                                       TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
                                       const String& AText, TFont* AFont, TColor ATextColor,
                                       TColor ABkColor) const override;
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
  void DrawSchedulerNavigationButtonContent(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AArrowRect,
                                            bool AIsNextButton, TcxButtonState AState) const override;
  void DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, TRect R, const TcxViewParams& AViewParams,
                                   bool AIsHorizontal) const override;
};

// The flat splitter border: the two outer lines along the splitter in the border colour, the rest
// filled from the view parameters.
void cxDrawFlatSchedulerSplitterBorder(TcxCanvas* ACanvas, TRect R, const TcxViewParams& AViewParams,
                                       bool AIsHorizontal, TColor ABorderColor);

}  // namespace cxLookAndFeelPaintersUltraFlat

using namespace cxLookAndFeelPaintersUltraFlat;
