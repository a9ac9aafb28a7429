// The Office 2003 painter: the ultra-flat frames in the colours of the Office 2003 scheme, with
// vertical gradients behind headers and content cells. Colours are read at each call, so a scheme
// change shows at the next paint.
#pragma once

#include "cxLookAndFeelPaintersUltraFlat.h"

namespace cxLookAndFeelPaintersOffice11 {

class TcxOffice11LookAndFeelPainter : public TcxUltraFlatLookAndFeelPainter {
  DECLARE_CLASS(TcxOffice11LookAndFeelPainter, TcxUltraFlatLookAndFeelPainter)
 public:
  TcxOffice11LookAndFeelPainter() = default;

  // The header gradient and its edges.
  virtual TColor HeaderBottomColor() const;
  virtual TColor HeaderDarkEdgeColor() const;
  virtual TColor HeaderHighlightEdgeColor() const;
  virtual TColor HeaderTopColor() const;

  // Values.
  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  TColor DefaultFilterBoxColor() const override;
  TColor DefaultFilterBoxTextColor() const override;
  TColor DefaultFooterColor() const override;
  TColor DefaultFooterTextColor() const override;
  TColor DefaultGroupByBoxColor() const override;
  TColor DefaultGroupByBoxTextColor() const override;
  TColor DefaultGroupColor() const override;
  TColor DefaultHeaderBackgroundColor() const override;
  TColor DefaultHeaderColor() const override;
  TColor DefaultDateNavigatorHeaderColor() const override;
  TColor DefaultDateNavigatorSelectionColor() const override;
  TColor DefaultDateNavigatorSelectionTextColor() const override;
  TColor DefaultSchedulerBorderColor() const override;
  TColor DefaultSchedulerControlColor() const override;
  TColor DefaultTabColor() const override;
  TColor DefaultTabsBackgroundColor() const override;
  TColor DefaultTimeGridMinorScaleColor() const override;
  TColor DefaultTimeGridSelectionBarColor() const override;
  TColor ButtonColor(TcxButtonState AState) const override;
  TColor ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor = clDefault) const override;
  bool DrawExpandButtonFirst() const override;
  Integer ExpandButtonSize() const override;
  Integer SmallExpandButtonSize() const override;
  TColor CheckButtonColor(TcxButtonState AState) const override;
  TcxBorders HeaderBorders(TcxNeighbors ANeighbors) const override;
  Integer HeaderBorderSize() const override;
  bool IsHeaderHotTrack() const override;
  TColor FooterSeparatorColor() const override;
  TColor FilterDropDownButtonBorderColor(TcxButtonState AState) const override;
  TColor TabBorderHighlightColor() const override;
  TColor TabBorderDarkColor() const override;
  TColor BorderHighlightColor() const override;

  // Drawing.
  void DrawBorder(TcxCanvas* ACanvas, TRect R) const override;
  void DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                        TColor AColor = clDefault) const override;
  void DrawSmallExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor ABorderColor,
                             TColor AColor = clDefault) const override;
  void DrawContent(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, Integer AState,
                   TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                   bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                   TcxDrawBackgroundEvent AOnDrawBackground = nullptr, bool AIsFooter = false) const override;
  void DrawHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
                  TcxBorders ABorders, TcxButtonState AState, TAlignment AAlignmentHorz,
                  TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                  TFont* AFont, TColor ATextColor, TColor ABkColor,
                  TcxDrawBackgroundEvent AOnDrawBackground = nullptr, bool AIsLast = false,
                  bool AIsGroup = false) const override;
  void DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                        TcxBorders ABorders) const override;
  void DrawHeaderControlSection(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                                TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                                TColor ABkColor) const override;
  void DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) const override;
  void DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, TRect R, TcxScrollBarPart APart,
                         TcxButtonState AState) const override;
  void DrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect, TColor ABackgroundColor) const override;
  void DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, TcxNeighbors ANeighbors,
                       const TcxViewParams& AViewParams, TcxHeaderArrows AArrows,
                       Integer ASideWidth) const override;
  void DrawSchedulerBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void DrawSchedulerNavigationButtonContent(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AArrowRect,
                                            bool AIsNextButton, TcxButtonState AState) const override;
  void DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawPanelBackground(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& ABounds,
                           TColor AColorFrom = clDefault, TColor AColorTo = clDefault) const override;
};

}  // namespace cxLookAndFeelPaintersOffice11

using namespace cxLookAndFeelPaintersOffice11;
