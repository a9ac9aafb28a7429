// The painter interface: every control draws the common parts of a user interface through a stateless
// painter class, never by branching on its look. TcxCustomLookAndFeelPainter is itself a complete painter
// (many slots have a working default, the rest draw nothing); descendants replace single slots, and since
// every composite drawing calls the other slots virtually, one replaced slot changes all drawings using it.
// Painters are referred to by class (TcxCustomLookAndFeelPainterClass); `Painter->DrawButton(...)` runs
// on the class's one shared instance.
#pragma once

#include "ClassTypes.h"
#include "Closures.h"
#include "cxClassesBase.h"
#include "cxGraphicsCanvas.h"

namespace Controls {
class TWinControl;
}
namespace cxGraphics {
class TcxImageList;
}

namespace cxLookAndFeelPainters {

using Controls::TWinControl;
using cxGraphics::TcxImageList;

// ---- Enumerations -------------------------------------------------------------------------------------
enum TcxArrowDirection { adUp, adDown, adLeft, adRight };
enum TcxButtonState { cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled };
enum TcxCheckBoxState { cbsUnchecked, cbsChecked, cbsGrayed };
enum TcxEditBtnKind {
  cxbkCloseBtn, cxbkComboBtn, cxbkEditorBtn, cxbkEllipsisBtn,
  cxbkSpinUpBtn, cxbkSpinDownBtn, cxbkSpinLeftBtn, cxbkSpinRightBtn
};
enum TcxGroupBoxCaptionPosition { cxgpTop, cxgpBottom, cxgpLeft, cxgpRight, cxgpCenter };
enum TcxHeaderArrows { haNone, haLeft, haRight, haBoth };
enum TcxIndicatorKind { ikNone, ikArrow, ikEdit, ikInsert, ikMultiDot, ikMultiArrow, ikFilter };
enum TcxNeighbor { nLeft, nTop, nRight, nBottom };
using TcxNeighbors = TSet<TcxNeighbor, 4>;
enum TcxScrollBarPart { sbpNone, sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown };
enum TcxPopupBorderStyle { pbsNone, pbsUltraFlat, pbsFlat, pbs3D };
enum TcxTrackBarTicksAlign { tbtaUp, tbtaDown, tbtaBoth };
enum TcxLookAndFeelStyle { lfsFlat, lfsStandard, lfsUltraFlat, lfsNative, lfsOffice11 };

// True: the caller drew the background itself.
using TcxDrawBackgroundEvent = TClosure<bool(TcxCanvas* ACanvas, const TRect& ABounds)>;

using TcxArrowPoints = TPoint[3];

// ---- Shared painter resources -------------------------------------------------------------------------
// Made by the painter unit's start (the radio images on first use) and kept with the painter registry.
TSize cxLookAndFeelCheckButtonSize();                   // one cell of the system check-box bitmap
TcxImageList* cxLookAndFeelIndicatorImages();           // image n-1 belongs to the n-th kind after ikNone
TBitmap* cxLookAndFeelScrollBarBitmap(bool APressed);   // the 8 x 8 scroll-track pattern
TcxImageList* PrepareRadioButtonImageList();            // made on first use
// The index in the radio button image list of one combination; -1 when there is none.
Integer cxLookAndFeelRadioButtonImageIndex(TcxLookAndFeelStyle AStyle, TcxButtonState AState, bool AChecked,
                                           bool AFocused, bool AHighlighted);

// ---- The painter interface ----------------------------------------------------------------------------
class TcxCustomLookAndFeelPainter : public TObject {
  DECLARE_CLASS(TcxCustomLookAndFeelPainter, TObject)
 public:
  TcxCustomLookAndFeelPainter() = default;

  // General.
  virtual void DrawBackground(TcxCanvas* ACanvas, const TRect& R, bool ATransparent, TColor AColor,
                              TBitmap* ABitmap) const;
  virtual void DrawButtonArrow(TcxCanvas* ACanvas, const TRect& R, TColor AColor) const;
  virtual void DrawContent(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                           Integer AState, TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                           bool AMultiLine, bool AShowEndEllipsis, const String& AText, TFont* AFont,
                           TColor ATextColor, TColor ABkColor,
                           TcxDrawBackgroundEvent AOnDrawBackground = nullptr, bool AIsFooter = false) const;
  virtual TRect FooterCellContentBounds(const TRect& ABounds) const;
  virtual TRect FooterCellTextAreaBounds(const TRect& ABounds) const;
  virtual TcxLookAndFeelStyle LookAndFeelStyle() const;

  // Default colours.
  virtual TColor DefaultContentColor() const;
  virtual TColor DefaultContentEvenColor() const;
  virtual TColor DefaultContentOddColor() const;
  virtual TColor DefaultContentTextColor() const;
  virtual TColor DefaultFilterBoxColor() const;
  virtual TColor DefaultFilterBoxTextColor() const;
  virtual TColor DefaultFixedSeparatorColor() const;
  virtual TColor DefaultFooterColor() const;
  virtual TColor DefaultFooterTextColor() const;
  virtual TColor DefaultGridLineColor() const;
  virtual TColor DefaultGroupByBoxColor() const;
  virtual TColor DefaultGroupByBoxTextColor() const;
  virtual TColor DefaultGroupColor() const;
  virtual TColor DefaultGroupTextColor() const;
  virtual TColor DefaultHeaderBackgroundColor() const;
  virtual TColor DefaultHeaderBackgroundTextColor() const;
  virtual TColor DefaultHeaderColor() const;
  virtual TColor DefaultHeaderTextColor() const;
  virtual TColor DefaultHyperlinkTextColor() const;
  virtual TColor DefaultInactiveColor() const;
  virtual TColor DefaultInactiveTextColor() const;
  virtual TColor DefaultPreviewTextColor() const;
  virtual TColor DefaultRecordSeparatorColor() const;
  virtual TColor DefaultSizeGripAreaColor() const;
  virtual TColor DefaultVGridCategoryColor() const;
  virtual TColor DefaultVGridCategoryTextColor() const;
  virtual TColor DefaultVGridLineColor() const;
  virtual TColor DefaultVGridBandLineColor() const;
  virtual TColor DefaultDateNavigatorHeaderColor() const;
  virtual TColor DefaultDateNavigatorSelectionColor() const;
  virtual TColor DefaultDateNavigatorSelectionTextColor() const;
  virtual TColor DefaultSchedulerBackgroundColor() const;
  virtual TColor DefaultSchedulerTextColor() const;
  virtual TColor DefaultSchedulerBorderColor() const;
  virtual TColor DefaultSchedulerControlColor() const;
  virtual TColor DefaultSchedulerNavigatorColor() const;
  virtual TColor DefaultSchedulerViewContentColor() const;
  virtual TColor DefaultSchedulerViewSelectedTextColor() const;
  virtual TColor DefaultSchedulerViewTextColor() const;
  virtual TColor DefaultSelectionColor() const;
  virtual TColor DefaultSelectionTextColor() const;
  virtual TColor DefaultSeparatorColor() const;
  virtual TColor DefaultTabColor() const;
  virtual TColor DefaultTabTextColor() const;
  virtual TColor DefaultTabsBackgroundColor() const;
  virtual TColor DefaultTimeGridMajorScaleColor() const;
  virtual TColor DefaultTimeGridMajorScaleTextColor() const;
  virtual TColor DefaultTimeGridMinorScaleColor() const;
  virtual TColor DefaultTimeGridMinorScaleTextColor() const;
  virtual TColor DefaultTimeGridSelectionBarColor() const;
  virtual TColor DefaultChartDiagramValueBorderColor() const;
  virtual TColor DefaultChartDiagramValueCaptionTextColor() const;
  virtual TColor DefaultChartHistogramAxisColor() const;
  virtual TColor DefaultChartHistogramGridLineColor() const;
  virtual TColor DefaultChartHistogramPlotColor() const;
  virtual TColor DefaultChartPieDiagramSeriesSiteBorderColor() const;
  virtual TColor DefaultChartPieDiagramSeriesSiteCaptionColor() const;
  virtual TColor DefaultChartPieDiagramSeriesSiteCaptionTextColor() const;
  virtual TColor DefaultChartToolBoxDataLevelInfoBorderColor() const;
  virtual TColor DefaultChartToolBoxItemSeparatorColor() const;

  // Arrows.
  virtual void DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxArrowDirection AArrowDirection,
                         TColor AColor) const;
  virtual void DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                         TcxArrowDirection AArrowDirection, bool ADrawBorder = true) const;
  virtual void DrawArrowBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const;
  virtual void DrawScrollBarArrow(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                                  TcxArrowDirection AArrowDirection) const;

  // Borders and buttons.
  virtual Integer BorderSize() const;
  virtual void DrawBorder(TcxCanvas* ACanvas, TRect R) const;
  virtual TRect AdjustGroupButtonDisplayRect(const TRect& R, Integer AButtonCount, Integer AButtonIndex) const;
  virtual Integer ButtonBorderSize(TcxButtonState AState = cxbsNormal) const;
  virtual TColor ButtonColor(TcxButtonState AState) const;
  virtual TRect ButtonFocusRect(TcxCanvas* ACanvas, const TRect& R) const;
  virtual TRect ButtonGroupBorderSizes(Integer AButtonCount, Integer AButtonIndex) const;
  virtual Integer ButtonTextOffset() const;
  virtual Integer ButtonTextShift() const;
  virtual TColor ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor = clDefault) const;
  virtual TcxButtonState ButtonSymbolState(TcxButtonState AState) const;
  virtual void DrawButton(TcxCanvas* ACanvas, const TRect& R, const String& ACaption, TcxButtonState AState,
                          bool ADrawBorder = true, TColor AColor = clDefault, TColor ATextColor = clDefault,
                          bool AWordWrap = false) const;
  virtual void DrawButtonInGroup(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                 Integer AButtonCount, Integer AButtonIndex, TColor ABackgroundColor) const;
  virtual void DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const;
  virtual void DrawButtonGroupBorder(TcxCanvas* ACanvas, const TRect& R, bool AInplace, bool ASelected) const;
  virtual void DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                TColor AColor = clDefault) const;
  virtual bool DrawExpandButtonFirst() const;
  virtual void DrawGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                     TcxButtonState AState) const;
  virtual void DrawSmallExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor ABorderColor,
                                     TColor AColor = clDefault) const;
  virtual Integer ExpandButtonSize() const;
  virtual Integer GroupExpandButtonSize() const;
  virtual bool IsButtonHotTrack() const;
  virtual bool IsPointOverGroupExpandButton(const TRect& R, const TPoint& P) const;
  virtual Integer SmallExpandButtonSize() const;

  // Check boxes and radio buttons.
  virtual Integer CheckBorderSize() const;
  virtual TColor CheckButtonColor(TcxButtonState AState) const;
  virtual TSize CheckButtonSize() const;
  virtual void DrawCheck(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AChecked,
                         TColor AColor) const;
  virtual void DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const;
  virtual void DrawCheckButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState, bool AChecked) const;
  virtual void DrawCheckButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                               TcxCheckBoxState ACheckState) const;
  virtual void DrawRadioButton(TcxCanvas* ACanvas, Integer X, Integer Y, TcxButtonState AButtonState,
                               bool AChecked, bool AFocused, TColor ABrushColor,
                               bool AHighlighted = false) const;
  virtual TSize RadioButtonSize() const;

  // Headers.
  virtual void DrawHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                          TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                          TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                          bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                          TColor ABkColor, TcxDrawBackgroundEvent AOnDrawBackground = nullptr,
                          bool AIsLast = false, bool AIsGroup = false) const;
  virtual void DrawHeaderEx(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                            TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                            TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                            bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
                            TColor ABkColor, TcxDrawBackgroundEvent AOnDrawBackground = nullptr) const;
  virtual void DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, TcxNeighbors ANeighbors,
                                TcxBorders ABorders) const;
  virtual void DrawHeaderPressed(TcxCanvas* ACanvas, const TRect& ABounds) const;
  virtual void DrawHeaderControlSection(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                        TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                                        TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                        bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                        TFont* AFont, TColor ATextColor, TColor ABkColor) const;
  virtual void DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                              TcxButtonState AState) const;
  virtual void DrawHeaderControlSectionContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                               const TRect& ATextAreaBounds, TcxButtonState AState,
                                               TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                               bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                               TFont* AFont, TColor ATextColor, TColor ABkColor) const;
  virtual void DrawHeaderControlSectionText(TcxCanvas* ACanvas, const TRect& ATextAreaBounds,
                                            TcxButtonState AState, TAlignment AAlignmentHorz,
                                            TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                            bool AShowEndEllipsis, const String& AText, TFont* AFont,
                                            TColor ATextColor) const;
  virtual void DrawHeaderSeparator(TcxCanvas* ACanvas, const TRect& ABounds, Integer AIndentSize, TColor AColor,
                                   const TcxViewParams& AViewParams) const;
  virtual void DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) const;
  virtual TcxBorders HeaderBorders(TcxNeighbors ANeighbors) const;
  virtual Integer HeaderBorderSize() const;
  virtual TRect HeaderBounds(const TRect& ABounds, TcxNeighbors ANeighbors, TcxBorders ABorders = cxBordersAll) const;
  virtual TRect HeaderContentBounds(const TRect& ABounds, TcxBorders ABorders) const;
  virtual bool HeaderDrawCellsFirst() const;
  virtual Integer HeaderHeight(Integer AFontHeight) const;
  virtual Integer HeaderControlSectionBorderSize(TcxButtonState AState = cxbsNormal) const;
  virtual TRect HeaderControlSectionTextAreaBounds(const TRect& ABounds, TcxButtonState AState) const;
  virtual TRect HeaderControlSectionContentBounds(const TRect& ABounds, TcxButtonState AState) const;
  virtual Integer HeaderWidth(TcxCanvas* ACanvas, TcxBorders ABorders, const String& AText, TFont* AFont) const;
  virtual bool IsHeaderHotTrack() const;
  virtual TPoint SortingMarkAreaSize() const;
  virtual TPoint SortingMarkSize() const;

  // Group-by box, footers and filter buttons.
  virtual void DrawGroupByBox(TcxCanvas* ACanvas, const TRect& ABounds, bool ATransparent, TColor ABackgroundColor,
                              TBitmap* ABackgroundBitmap) const;
  virtual TcxBorders FooterBorders() const;
  virtual Integer FooterBorderSize() const;
  virtual Integer FooterCellBorderSize() const;
  virtual Integer FooterCellOffset() const;
  virtual bool FooterDrawCellsFirst() const;
  virtual TColor FooterSeparatorColor() const;
  virtual Integer FooterSeparatorSize() const;
  virtual void DrawFooterCell(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignmentHorz,
                              TcxAlignmentVert AAlignmentVert, bool AMultiLine, const String& AText, TFont* AFont,
                              TColor ATextColor, TColor ABkColor,
                              TcxDrawBackgroundEvent AOnDrawBackground = nullptr) const;
  virtual void DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) const;
  virtual void DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) const;
  virtual void DrawFooterContent(TcxCanvas* ACanvas, const TRect& ARect, const TcxViewParams& AViewParams) const;
  virtual void DrawFooterSeparator(TcxCanvas* ACanvas, const TRect& R) const;
  virtual void DrawFilterActivateButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                        bool AChecked) const;
  virtual void DrawFilterCloseButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState) const;
  virtual void DrawFilterDropDownButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                                        bool AIsFilterActive) const;
  virtual void DrawFilterPanel(TcxCanvas* ACanvas, const TRect& ARect, bool ATransparent, TColor ABackgroundColor,
                               TBitmap* ABackgroundBitmap) const;
  virtual TPoint FilterActivateButtonSize() const;
  virtual TPoint FilterCloseButtonSize() const;
  virtual TPoint FilterDropDownButtonSize() const;

  // Popup windows and tabs.
  virtual void DrawWindowContent(TcxCanvas* ACanvas, const TRect& ARect) const;
  virtual TcxPopupBorderStyle PopupBorderStyle() const;
  virtual void DrawTab(TcxCanvas* ACanvas, TRect R, TcxBorders ABorders, const String& AText,
                       TcxButtonState AState, bool AVertical, TFont* AFont, TColor ATextColor, TColor ABkColor,
                       bool AShowPrefix = false) const;
  virtual void DrawTabBorder(TcxCanvas* ACanvas, TRect R, TcxBorder ABorder, TcxBorders ABorders,
                             bool AVertical) const;
  virtual void DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders, bool AVertical) const;
  virtual bool IsDrawTabImplemented(bool AVertical) const;
  virtual bool IsTabHotTrack(bool AVertical) const;
  virtual Integer TabBorderSize(bool AVertical) const;

  // Row indicators, scroll bars and the size grip.
  virtual void DrawIndicatorCustomizationMark(TcxCanvas* ACanvas, const TRect& R, TColor AColor) const;
  virtual void DrawIndicatorImage(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind) const;
  virtual void DrawIndicatorItem(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind, TColor AColor,
                                 TcxDrawBackgroundEvent AOnDrawBackground = nullptr) const;
  virtual void DrawIndicatorItemEx(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind, TColor AColor,
                                   TcxDrawBackgroundEvent AOnDrawBackground = nullptr) const;
  virtual bool IndicatorDrawItemsFirst() const;
  virtual Integer ScrollBarMinimalThumbSize(bool AVertical) const;
  virtual void DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, TRect R, TcxScrollBarPart APart,
                                 TcxButtonState AState) const;
  virtual TSize SizeGripSize() const;
  virtual void DrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect, TColor ABackgroundColor) const;

  // Calendar, scheduler and clock parts.
  virtual void CalculateSchedulerNavigationButtonRects(bool AIsNextButton, bool AIsOnlyArrow, const TSize& ATextSize1,
                                                       const TSize& ATextSize2, TRect& ABounds, TRect& ATextRect,
                                                       TRect& AArrowRect) const;
  virtual void DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                               TcxNeighbors ANeighbors, const TcxViewParams& AViewParams, TcxHeaderArrows AArrows,
                               Integer ASideWidth) const;
  virtual void DrawSchedulerBorder(TcxCanvas* ACanvas, const TRect& R) const;
  virtual void DrawSchedulerEventProgress(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& AProgress,
                                          const TcxViewParams& AViewParams, bool ATransparent) const;
  virtual void DrawSchedulerNavigationButton(TcxCanvas* ACanvas, const TRect& ARect, bool AIsNextButton,
                                             TcxButtonState AState, const String& AText, const TRect& ATextRect,
                                             const TRect& AArrowRect) const;
  virtual void DrawSchedulerNavigationButtonArrow(TcxCanvas* ACanvas, const TRect& ARect, bool AIsNextButton,
                                                  TColor AColor) const;
  virtual void DrawSchedulerNavigationButtonContent(TcxCanvas* ACanvas, const TRect& ARect,
                                                    const TRect& AArrowRect, bool AIsNextButton,
                                                    TcxButtonState AState) const;
  virtual void DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const;
  virtual void DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, TRect R, const TcxViewParams& AViewParams,
                                           bool AIsHorizontal) const;
  virtual TRect SchedulerEventProgressOffsets() const;
  virtual void SchedulerNavigationButtonSizes(bool AIsNextButton, TRect& ABorders, TSize& AArrowSize) const;
  virtual Integer ChartToolBoxDataLevelInfoBorderSize() const;
  virtual void DrawClock(TcxCanvas* ACanvas, const TRect& ARect, TDateTime ADateTime, TColor ABackgroundColor) const;

  // Editors, navigators, progress bars, group boxes, panels, track bars, splitters.
  virtual void DrawEditorButton(TcxCanvas* ACanvas, const TRect& ARect, TcxEditBtnKind AButtonKind,
                                TcxButtonState AState) const;
  virtual Integer EditButtonTextOffset() const;
  virtual TSize EditButtonSize() const;
  virtual TColor EditButtonTextColor() const;
  virtual TColor GetContainerBorderColor(bool AIsHighlightBorder) const;
  virtual void DrawNavigatorGlyph(TcxCanvas* ACanvas, TCustomImageList* AImageList, Integer AImageIndex,
                                  Integer AButtonIndex, const TRect& AGlyphRect, bool AEnabled,
                                  bool AUserGlyphs) const;
  virtual TSize NavigatorGlyphSize() const;
  virtual void DrawProgressBarBorder(TcxCanvas* ACanvas, const TRect& ARect, bool AVertical) const;
  virtual void DrawProgressBarChunk(TcxCanvas* ACanvas, const TRect& ARect, bool AVertical) const;
  virtual TRect ProgressBarBorderSize(bool AVertical) const;
  virtual TColor ProgressBarTextColor() const;
  virtual void DrawGroupBoxBackground(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ARect) const;
  virtual void DrawGroupBoxCaption(TcxCanvas* ACanvas, const TRect& ACaptionRect,
                                   TcxGroupBoxCaptionPosition APosition) const;
  virtual void DrawGroupBoxContent(TcxCanvas* ACanvas, const TRect& ABorderRect,
                                   TcxGroupBoxCaptionPosition APosition) const;
  virtual TRect GroupBoxBorderSize(bool ACaption, TcxGroupBoxCaptionPosition APosition) const;
  virtual TColor GroupBoxTextColor(TcxGroupBoxCaptionPosition APosition) const;
  virtual bool IsGroupBoxTransparent(bool AIsCaption, TcxGroupBoxCaptionPosition APosition) const;
  virtual void DrawPanelBackground(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& ABounds,
                                   TColor AColorFrom = clDefault, TColor AColorTo = clDefault) const;
  virtual void DrawPanelCaption(TcxCanvas* ACanvas, const TRect& ACaptionRect,
                                TcxGroupBoxCaptionPosition APosition) const;
  virtual void DrawPanelContent(TcxCanvas* ACanvas, const TRect& ABorderRect, bool ABorder) const;
  virtual TRect PanelBorderSize() const;
  virtual TColor PanelTextColor() const;
  virtual void DrawTrackBar(TcxCanvas* ACanvas, const TRect& ARect, const TRect& ASelection, bool AShowSelection,
                            bool AEnabled, bool AHorizontal) const;
  virtual void DrawTrackBarThumb(TcxCanvas* ACanvas, const TRect& ARect, TcxButtonState AState, bool AHorizontal,
                                 TcxTrackBarTicksAlign ATicks) const;
  virtual TSize TrackBarThumbSize(bool AHorizontal) const;
  virtual TColor TrackBarTicksColor(bool AText) const;
  virtual Integer TrackBarTrackSize() const;
  virtual void DrawSplitter(TcxCanvas* ACanvas, const TRect& ARect, bool AHighlighted, bool AClicked,
                            bool AHorizontal) const;
  virtual TSize GetSplitterSize(bool AHorizontal) const;

  // Helpers of the composite drawings (not overridable; the slots they call are).
  static void CalculateArrowPoints(TRect R, TcxArrowPoints& P, TcxArrowDirection AArrowDirection, bool AProportional,
                                   Integer AArrowSize = 0);
  static TcxArrowDirection GetArrowDirection(bool AHorizontal, TcxScrollBarPart APart);
  void DrawExpandButtonCross(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) const;
  void DrawGroupExpandButtonMark(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TcxButtonState AState) const;
  void DrawButtonCross(TcxCanvas* ACanvas, const TRect& R, TColor AColor, TcxButtonState AState) const;
  void DrawMonthHeaderArrows(TcxCanvas* ACanvas, const TRect& ABounds, TcxHeaderArrows AArrows,
                             Integer ASideWidth, TColor AColor) const;
  void DrawSortingArrow(TcxCanvas* ACanvas, const TRect& R, TColor AColor1, TColor AColor2,
                        bool AAscendingSorting) const;
};

using TcxCustomLookAndFeelPainterClass = TClassRef<TcxCustomLookAndFeelPainter>;

}  // namespace cxLookAndFeelPainters

using namespace cxLookAndFeelPainters;
