// The base painter's general operations, default colours, tabs, popup windows and the slots that every
// painter of this system leaves as they are (editor buttons, navigators, progress bars, group boxes,
// panels, track bars, splitters).
#include "cxLookAndFeelPaintersBase.h"

#include "ImgList.h"
#include "cxGeometry.h"
#include "cxLookAndFeelPaintersBaseDraw.h"

namespace cxLookAndFeelPainters {

IMPLEMENT_CLASS(TcxCustomLookAndFeelPainter)

// ---- General -----------------------------------------------------------------------------------------
void TcxCustomLookAndFeelPainter::DrawBackground(TcxCanvas* ACanvas, const TRect& R, bool ATransparent,
                                                 TColor AColor, TBitmap* ABitmap) const {
  if (!ATransparent)
    ACanvas->FillRect(R, AColor);
  else if (ABitmap)
    ACanvas->FillRect(R, ABitmap);
}

void TcxCustomLookAndFeelPainter::DrawContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                              const TRect& ATextAreaBounds, Integer, TAlignment AAlignmentHorz,
                                              TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                              bool AShowEndEllipsis, const String& AText, TFont* AFont,
                                              TColor ATextColor, TColor ABkColor,
                                              TcxDrawBackgroundEvent AOnDrawBackground, bool) const {
  if (!(AOnDrawBackground && AOnDrawBackground(ACanvas, ABounds))) ACanvas->FillRect(ABounds, ABkColor);
  if (AText.empty()) return;
  ACanvas->GetBrush()->SetStyle(bsClear);
  if (AFont) ACanvas->SetFont(AFont);
  ACanvas->GetFont()->SetColor(ATextColor);
  ACanvas->DrawTexT(AText, ATextAreaBounds,
                    PainterTextFlags(AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis));
  ACanvas->GetBrush()->SetStyle(bsSolid);
}

TRect TcxCustomLookAndFeelPainter::FooterCellContentBounds(const TRect& ABounds) const {
  return cxRectInflate(ABounds, -FooterCellBorderSize(), -FooterCellBorderSize());
}

TRect TcxCustomLookAndFeelPainter::FooterCellTextAreaBounds(const TRect& ABounds) const {
  return cxRectInflate(FooterCellContentBounds(ABounds), -2, -2);
}

TcxLookAndFeelStyle TcxCustomLookAndFeelPainter::LookAndFeelStyle() const { return lfsStandard; }

// ---- Default colours ---------------------------------------------------------------------------------
#define CX_PAINTER_COLOR(Name, Value) \
  TColor TcxCustomLookAndFeelPainter::Name() const { return Value; }
CX_PAINTER_COLOR(DefaultContentColor, clWindow)
CX_PAINTER_COLOR(DefaultContentEvenColor, DefaultContentColor())
CX_PAINTER_COLOR(DefaultContentOddColor, DefaultContentColor())
CX_PAINTER_COLOR(DefaultContentTextColor, clWindowText)
CX_PAINTER_COLOR(DefaultFilterBoxColor, clBtnShadow)
CX_PAINTER_COLOR(DefaultFilterBoxTextColor, clBtnHighlight)
CX_PAINTER_COLOR(DefaultFixedSeparatorColor, clBtnText)
CX_PAINTER_COLOR(DefaultFooterColor, clBtnFace)
CX_PAINTER_COLOR(DefaultFooterTextColor, clBtnText)
CX_PAINTER_COLOR(DefaultGridLineColor, clBtnShadow)
CX_PAINTER_COLOR(DefaultGroupByBoxColor, clBtnShadow)
CX_PAINTER_COLOR(DefaultGroupByBoxTextColor, clBtnFace)
CX_PAINTER_COLOR(DefaultGroupColor, clBtnFace)
CX_PAINTER_COLOR(DefaultGroupTextColor, clBtnText)
CX_PAINTER_COLOR(DefaultHeaderBackgroundColor, clBtnShadow)
CX_PAINTER_COLOR(DefaultHeaderBackgroundTextColor, clBtnFace)
CX_PAINTER_COLOR(DefaultHeaderColor, clBtnFace)
CX_PAINTER_COLOR(DefaultHeaderTextColor, clBtnText)
CX_PAINTER_COLOR(DefaultHyperlinkTextColor, clBlue)
CX_PAINTER_COLOR(DefaultInactiveColor, clBtnFace)
CX_PAINTER_COLOR(DefaultInactiveTextColor, clBtnText)
CX_PAINTER_COLOR(DefaultPreviewTextColor, clBlue)
CX_PAINTER_COLOR(DefaultRecordSeparatorColor, DefaultGridLineColor())
CX_PAINTER_COLOR(DefaultSizeGripAreaColor, clBtnFace)
CX_PAINTER_COLOR(DefaultVGridCategoryColor, DefaultHeaderColor())
CX_PAINTER_COLOR(DefaultVGridCategoryTextColor, clDefault)
CX_PAINTER_COLOR(DefaultVGridLineColor, clBlack)
CX_PAINTER_COLOR(DefaultVGridBandLineColor, DefaultVGridLineColor())
CX_PAINTER_COLOR(DefaultDateNavigatorHeaderColor, clBtnFace)
CX_PAINTER_COLOR(DefaultDateNavigatorSelectionColor, clHighlight)
CX_PAINTER_COLOR(DefaultDateNavigatorSelectionTextColor, clHighlightText)
CX_PAINTER_COLOR(DefaultSchedulerBackgroundColor, clWindow)
CX_PAINTER_COLOR(DefaultSchedulerTextColor, clWindowText)
CX_PAINTER_COLOR(DefaultSchedulerBorderColor, 0x9D9DA1)
CX_PAINTER_COLOR(DefaultSchedulerControlColor, clBtnFace)
CX_PAINTER_COLOR(DefaultSchedulerNavigatorColor, clBtnFace)
CX_PAINTER_COLOR(DefaultSchedulerViewContentColor, 0xD5FFFF)
CX_PAINTER_COLOR(DefaultSchedulerViewSelectedTextColor, DefaultSelectionTextColor())
CX_PAINTER_COLOR(DefaultSchedulerViewTextColor, clWindowText)
CX_PAINTER_COLOR(DefaultSelectionColor, clHighlight)
CX_PAINTER_COLOR(DefaultSelectionTextColor, clHighlightText)
CX_PAINTER_COLOR(DefaultSeparatorColor, clBtnFace)
CX_PAINTER_COLOR(DefaultTabColor, clBtnFace)
CX_PAINTER_COLOR(DefaultTabTextColor, clBtnText)
CX_PAINTER_COLOR(DefaultTabsBackgroundColor, clBtnFace)
CX_PAINTER_COLOR(DefaultTimeGridMajorScaleColor, clWhite)
CX_PAINTER_COLOR(DefaultTimeGridMajorScaleTextColor, clBlack)
CX_PAINTER_COLOR(DefaultTimeGridMinorScaleColor, clBtnFace)
CX_PAINTER_COLOR(DefaultTimeGridMinorScaleTextColor, clBtnText)
CX_PAINTER_COLOR(DefaultTimeGridSelectionBarColor, clWhite)
CX_PAINTER_COLOR(DefaultChartDiagramValueBorderColor, clBlack)
CX_PAINTER_COLOR(DefaultChartDiagramValueCaptionTextColor, clBlack)
CX_PAINTER_COLOR(DefaultChartHistogramAxisColor, clBlack)
CX_PAINTER_COLOR(DefaultChartHistogramGridLineColor, 0xCFCFCF)
CX_PAINTER_COLOR(DefaultChartHistogramPlotColor, clWhite)
CX_PAINTER_COLOR(DefaultChartPieDiagramSeriesSiteBorderColor, clBtnShadow)
CX_PAINTER_COLOR(DefaultChartPieDiagramSeriesSiteCaptionColor, 0xF0CAA6)
CX_PAINTER_COLOR(DefaultChartPieDiagramSeriesSiteCaptionTextColor, 0x800000)
CX_PAINTER_COLOR(DefaultChartToolBoxDataLevelInfoBorderColor, clBtnShadow)
CX_PAINTER_COLOR(DefaultChartToolBoxItemSeparatorColor, clBtnShadow)
#undef CX_PAINTER_COLOR

// ---- Popup windows and tabs --------------------------------------------------------------------------
void TcxCustomLookAndFeelPainter::DrawWindowContent(TcxCanvas* ACanvas, const TRect& ARect) const {
  ACanvas->FillRect(ARect, clBtnFace);
}
TcxPopupBorderStyle TcxCustomLookAndFeelPainter::PopupBorderStyle() const { return pbsUltraFlat; }
void TcxCustomLookAndFeelPainter::DrawTab(TcxCanvas*, TRect, TcxBorders, const String&, TcxButtonState, bool,
                                          TFont*, TColor, TColor, bool) const {}
void TcxCustomLookAndFeelPainter::DrawTabBorder(TcxCanvas*, TRect, TcxBorder, TcxBorders, bool) const {}
void TcxCustomLookAndFeelPainter::DrawTabsRoot(TcxCanvas*, const TRect&, TcxBorders, bool) const {}
bool TcxCustomLookAndFeelPainter::IsDrawTabImplemented(bool) const { return false; }
bool TcxCustomLookAndFeelPainter::IsTabHotTrack(bool) const { return false; }
Integer TcxCustomLookAndFeelPainter::TabBorderSize(bool) const { return 0; }

// ---- Editors, navigators, progress bars, group boxes, panels, track bars, splitters -----------------
void TcxCustomLookAndFeelPainter::DrawEditorButton(TcxCanvas*, const TRect&, TcxEditBtnKind, TcxButtonState) const {}
Integer TcxCustomLookAndFeelPainter::EditButtonTextOffset() const { return 0; }
TSize TcxCustomLookAndFeelPainter::EditButtonSize() const { return TSize(0, 0); }
TColor TcxCustomLookAndFeelPainter::EditButtonTextColor() const { return clDefault; }
TColor TcxCustomLookAndFeelPainter::GetContainerBorderColor(bool) const { return clDefault; }

void TcxCustomLookAndFeelPainter::DrawNavigatorGlyph(TcxCanvas* ACanvas, TCustomImageList* AImageList,
                                                     Integer AImageIndex, Integer, const TRect& AGlyphRect,
                                                     bool AEnabled, bool) const {
  if (AImageList) ACanvas->DrawImage(AImageList, AGlyphRect.left, AGlyphRect.top, AImageIndex, AEnabled);
}
TSize TcxCustomLookAndFeelPainter::NavigatorGlyphSize() const { return TSize(0, 0); }

void TcxCustomLookAndFeelPainter::DrawProgressBarBorder(TcxCanvas*, const TRect&, bool) const {}
void TcxCustomLookAndFeelPainter::DrawProgressBarChunk(TcxCanvas*, const TRect&, bool) const {}
TRect TcxCustomLookAndFeelPainter::ProgressBarBorderSize(bool) const { return TRect(0, 0, 0, 0); }
TColor TcxCustomLookAndFeelPainter::ProgressBarTextColor() const { return clDefault; }

void TcxCustomLookAndFeelPainter::DrawGroupBoxBackground(TcxCanvas*, const TRect&, const TRect&) const {}
void TcxCustomLookAndFeelPainter::DrawGroupBoxCaption(TcxCanvas*, const TRect&, TcxGroupBoxCaptionPosition) const {}
void TcxCustomLookAndFeelPainter::DrawGroupBoxContent(TcxCanvas*, const TRect&, TcxGroupBoxCaptionPosition) const {}
TRect TcxCustomLookAndFeelPainter::GroupBoxBorderSize(bool, TcxGroupBoxCaptionPosition) const {
  return TRect(0, 0, 0, 0);
}
TColor TcxCustomLookAndFeelPainter::GroupBoxTextColor(TcxGroupBoxCaptionPosition) const { return clDefault; }
bool TcxCustomLookAndFeelPainter::IsGroupBoxTransparent(bool, TcxGroupBoxCaptionPosition) const { return false; }

void TcxCustomLookAndFeelPainter::DrawPanelBackground(TcxCanvas* ACanvas, TWinControl*, const TRect& ABounds,
                                                      TColor, TColor) const {
  DrawGroupBoxBackground(ACanvas, ABounds, ABounds);
}
void TcxCustomLookAndFeelPainter::DrawPanelCaption(TcxCanvas* ACanvas, const TRect& ACaptionRect,
                                                   TcxGroupBoxCaptionPosition APosition) const {
  DrawGroupBoxCaption(ACanvas, ACaptionRect, APosition);
}
void TcxCustomLookAndFeelPainter::DrawPanelContent(TcxCanvas*, const TRect&, bool) const {}
TRect TcxCustomLookAndFeelPainter::PanelBorderSize() const { return TRect(0, 0, 0, 0); }
TColor TcxCustomLookAndFeelPainter::PanelTextColor() const { return clDefault; }

void TcxCustomLookAndFeelPainter::DrawTrackBar(TcxCanvas*, const TRect&, const TRect&, bool, bool, bool) const {}
void TcxCustomLookAndFeelPainter::DrawTrackBarThumb(TcxCanvas*, const TRect&, TcxButtonState, bool,
                                                    TcxTrackBarTicksAlign) const {}
TSize TcxCustomLookAndFeelPainter::TrackBarThumbSize(bool) const { return TSize(0, 0); }
TColor TcxCustomLookAndFeelPainter::TrackBarTicksColor(bool) const { return clDefault; }
Integer TcxCustomLookAndFeelPainter::TrackBarTrackSize() const { return 0; }
void TcxCustomLookAndFeelPainter::DrawSplitter(TcxCanvas*, const TRect&, bool, bool, bool) const {}
TSize TcxCustomLookAndFeelPainter::GetSplitterSize(bool) const { return TSize(0, 0); }

}  // namespace cxLookAndFeelPainters
