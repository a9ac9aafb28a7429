// The native painter: draws through the operating system's visual styles. Every slot opens the theme
// of its kind of object; whenever no theme handle comes back it does what the standard painter does,
// so a look-and-feel that asked for the native look still paints when the styles go away.
#pragma once

#include "cxLookAndFeelPaintersStandard.h"
#include "dxThemeManager.h"

namespace cxLookAndFeelPaintersNative {

// The push-button theme state of a button state.
Integer BtnStateToXPBtnState(TcxButtonState AState);

class TcxWinXPLookAndFeelPainter : public TcxStandardLookAndFeelPainter {
  DECLARE_CLASS(TcxWinXPLookAndFeelPainter, TcxStandardLookAndFeelPainter)
 public:
  TcxWinXPLookAndFeelPainter() = default;

  // Text inside a theme part, in the part's own text drawing; the content rectangle and the background
  // colour are not used.
  virtual void DrawContent(TcxCanvas* ACanvas, TdxTheme ATheme, Integer APartId, Integer AStateId,
                           const TRect& ABounds, const TRect& ATextAreaBounds, TAlignment AAlignmentHorz,
                           TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
                           bool AShowPrefix, const String& AText, TFont* AFont, TColor ATextColor,
                           TColor ABkColor) const;
  using TcxStandardLookAndFeelPainter::DrawContent;

  // Values.
  TcxLookAndFeelStyle LookAndFeelStyle() const override;
  TColor DefaultSchedulerBorderColor() const override;
  TColor DefaultSchedulerViewContentColor() const override;
  Integer BorderSize() const override;
  TRect AdjustGroupButtonDisplayRect(const TRect& R, Integer AButtonCount, Integer AButtonIndex) const override;
  Integer ButtonBorderSize(TcxButtonState AState = cxbsNormal) const override;
  TColor ButtonColor(TcxButtonState AState) const override;
  TRect ButtonFocusRect(TcxCanvas* ACanvas, const TRect& R) const override;
  TRect ButtonGroupBorderSizes(Integer AButtonCount, Integer AButtonIndex) const override;
  Integer ButtonTextOffset() const override;
  Integer ButtonTextShift() const override;
  TColor ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor = clDefault) const override;
  bool DrawExpandButtonFirst() const override;
  Integer ExpandButtonSize() const override;
  Integer GroupExpandButtonSize() const override;
  bool IsButtonHotTrack() const override;
  Integer SmallExpandButtonSize() const override;
  Integer CheckBorderSize() const override;
  TSize CheckButtonSize() const override;
  TSize RadioButtonSize() const override;
  Integer HeaderBorderSize() const override;
  Integer HeaderControlSectionBorderSize(TcxButtonState AState = cxbsNormal) const override;
  TRect HeaderControlSectionContentBounds(const TRect& ABounds, TcxButtonState AState) const override;
  bool IsHeaderHotTrack() const override;
  TPoint SortingMarkSize() const override;
  Integer FooterBorderSize() const override;
  Integer FooterCellBorderSize() const override;
  Integer FooterCellOffset() const override;
  bool FooterDrawCellsFirst() const override;
  TPoint FilterActivateButtonSize() const override;
  TPoint FilterCloseButtonSize() const override;
  bool IsDrawTabImplemented(bool AVertical) const override;
  bool IsTabHotTrack(bool AVertical) const override;
  Integer TabBorderSize(bool AVertical) const override;
  Integer ScrollBarMinimalThumbSize(bool AVertical) const override;
  TRect SchedulerEventProgressOffsets() const override;

  // Drawing.
  void DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxArrowDirection AArrowDirection,
                 TColor AColor) const override;
  void DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, TcxArrowDirection AArrowDirection,
                 bool ADrawBorder = true) const override;
  void DrawArrowBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawBorder(TcxCanvas* ACanvas, TRect R) const override;
  void DrawButton(TcxCanvas* ACanvas, const TRect& R, const String& ACaption, TcxButtonState AState,
                  bool ADrawBorder = true, TColor AColor = clDefault, TColor ATextColor = clDefault,
                  bool AWordWrap = false) const override;
  void DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                        TColor AColor = clDefault) const override;
  void DrawGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                             TcxButtonState AState) const override;
  void DrawSmallExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor ABorderColor,
                             TColor AColor = clDefault) const override;
  bool IsPointOverGroupExpandButton(const TRect& R, const TPoint& P) const override;
  void DrawCheck(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AChecked,
                 TColor AColor) const override;
  void DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawRadioButton(TcxCanvas* ACanvas, Integer X, Integer Y, TcxButtonState AButtonState, bool AChecked,
                       bool AFocused, TColor ABrushColor, bool AHighlighted = false) const override;
  void DrawHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
                  TcxBorders ABorders, TcxButtonState AState, TAlignment AAlignmentHorz,
                  TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                  TFont* AFont, TColor ATextColor, TColor ABkColor,
                  TcxDrawBackgroundEvent AOnDrawBackground = nullptr, bool AIsLast = false,
                  bool AIsGroup = false) const override;
  void DrawHeaderPressed(TcxCanvas* ACanvas, const TRect& ABounds) const override;
  void DrawHeaderControlSection(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                                TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                                TColor ABkColor) const override;
  void DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) const override;
  void DrawFooterCell(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignmentHorz,
                      TcxAlignmentVert AAlignmentVert, bool AMultiLine, const String& AText, TFont* AFont,
                      TColor ATextColor, TColor ABkColor,
                      TcxDrawBackgroundEvent AOnDrawBackground = nullptr) const override;
  void DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) const override;
  void DrawFilterCloseButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState) const override;
  void DrawFilterDropDownButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                                bool AIsFilterActive) const override;
  void DrawTab(TcxCanvas* ACanvas, TRect R, TcxBorders ABorders, const String& AText, TcxButtonState AState,
               bool AVertical, TFont* AFont, TColor ATextColor, TColor ABkColor,
               bool AShowPrefix = false) const override;
  void DrawTabBorder(TcxCanvas* ACanvas, TRect R, TcxBorder ABorder, TcxBorders ABorders,
                     bool AVertical) const override;
  void DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, bool AVertical) const override;
  void DrawIndicatorItem(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind, TColor AColor,
                         TcxDrawBackgroundEvent AOnDrawBackground = nullptr) const override;
  void DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, TRect R, TcxScrollBarPart APart,
                         TcxButtonState AState) const override;
  void DrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect, TColor ABackgroundColor) const override;
  void DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText, TcxNeighbors ANeighbors,
                       const TcxViewParams& AViewParams, TcxHeaderArrows AArrows,
                       Integer ASideWidth) const override;
  void DrawSchedulerEventProgress(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& AProgress,
                                  const TcxViewParams& AViewParams, bool ATransparent) const override;
  void DrawSchedulerNavigationButtonContent(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AArrowRect,
                                            bool AIsNextButton, TcxButtonState AState) const override;
  void DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const override;
  void DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, TRect R, const TcxViewParams& AViewParams,
                                   bool AIsHorizontal) const override;
  void DrawPanelBackground(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& ABounds,
                           TColor AColorFrom = clDefault, TColor AColorTo = clDefault) const override;
};

}  // namespace cxLookAndFeelPaintersNative

using namespace cxLookAndFeelPaintersNative;
