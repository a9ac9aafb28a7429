#include "cxLookAndFeelPaintersNative.h"

#include <algorithm>

#include "Graphics.h"
#include "WinUserDraw.h"
#include "cxGeometry.h"
#include "cxGraphicsBitmaps.h"
#include "cxGraphicsFunctions.h"
#include "cxLookAndFeelPaintersUltraFlat.h"
#include "dxUxTheme.h"

namespace cxLookAndFeelPaintersNative {

using namespace dxUxTheme;

namespace {

// Theme part and state numbers of the visual-styles interface.
constexpr int BP_PUSHBUTTON = 1, BP_RADIOBUTTON = 2, BP_CHECKBOX = 3;
constexpr int SBP_ARROWBTN = 1, SBP_THUMBBTNHORZ = 2, SBP_THUMBBTNVERT = 3, SBP_LOWERTRACKHORZ = 4,
              SBP_UPPERTRACKHORZ = 5, SBP_LOWERTRACKVERT = 6, SBP_UPPERTRACKVERT = 7, SBP_GRIPPERHORZ = 8,
              SBP_GRIPPERVERT = 9, SBP_SIZEBOX = 10;
constexpr int HP_HEADERITEM = 1, HP_HEADERITEMRIGHT = 3;
constexpr int TVP_GLYPH = 2;
constexpr int EBP_NORMALGROUPEXPAND = 6, EBP_NORMALGROUPCOLLAPSE = 7;
constexpr int LVP_LISTSORTEDDETAIL = 5;
constexpr int TKP_TRACK = 1;
constexpr int WP_SMALLCLOSEBUTTON = 19;
constexpr int CP_DROPDOWNBUTTON = 1;
constexpr int TABP_TABITEM = 1, TABP_PANE = 9;
constexpr int PP_BAR = 1, PP_CHUNK = 3;
constexpr int TP_BUTTON = 1;
constexpr int TMT_BUTTONCOLOR = 204;

const TRect kProbe(0, 0, 100, 100);

// State maps, indexed by TcxButtonState (default, normal, hot, pressed, disabled).
constexpr int kCheckUnchecked[] = {1, 1, 2, 3, 4}, kCheckChecked[] = {5, 5, 6, 7, 8};
constexpr int kHeaderItem[] = {1, 1, 2, 3, 1};
constexpr int kPlain[] = {1, 1, 2, 3, 4};  // close button, combo drop-down, tab item, scroll thumb and track
constexpr int kToolBar[] = {2, 2, 5, 3, 4};
constexpr int kExplorerBar[] = {1, 1, 2, 3, 1};

TdxTheme Theme(TdxThemedObjectType AType) { return OpenTheme(AType); }

bool ContentRect(TdxTheme ATheme, int APart, int AState, const TRect& R, TRect& AContent) {
  RECT content{};
  if (GetThemeBackgroundContentRect(ATheme, nullptr, APart, AState, &R, &content) != S_OK) return false;
  AContent = TRect(content.left, content.top, content.right, content.bottom);
  return true;
}

bool TrueSize(TdxTheme ATheme, int APart, int AState, TSize& ASize) {
  SIZE size{};
  if (GetThemePartSize(ATheme, nullptr, APart, AState, TS_TRUE, size) != S_OK) return false;
  ASize = TSize(size.cx, size.cy);
  return true;
}

bool Color(TdxTheme ATheme, int APart, int AState, int AProperty, TColor& AColor) {
  COLORREF color = 0;
  if (GetThemeColor(ATheme, APart, AState, AProperty, &color) != S_OK) return false;
  AColor = static_cast<TColor>(color);
  return true;
}

void Background(TcxCanvas* ACanvas, TdxTheme ATheme, int APart, int AState, const TRect& R) {
  DrawThemeBackground(ATheme, ACanvas->GetHandle(), APart, AState, R);
}

int ScrollArrowState(TcxButtonState AState, TcxArrowDirection ADirection) {
  return 4 * static_cast<int>(ADirection) + kPlain[AState];
}

// Draws on a copy of R turned a quarter by AAngle: ADraw gets the copy's canvas and bounds; the copy
// is turned back and put into R. Theme parts exist upright only; this gives their sideways forms.
template <class TDraw>
void DrawTurned(TcxCanvas* ACanvas, const TRect& R, TcxRotationAngle AAngle, TDraw ADraw) {
  if (cxRectIsEmpty(R)) return;
  auto Bitmap = NewOwned<TcxBitmap>(R.Width(), R.Height());
  HDC DC = Bitmap->GetCanvas()->GetHandle();
  BitBlt(DC, 0, 0, R.Width(), R.Height(), ACanvas->GetHandle(), R.left, R.top, SRCCOPY);
  Bitmap->Rotate(AAngle);
  ADraw(Bitmap->GetcxCanvas(), TRect(0, 0, Bitmap->GetWidth(), Bitmap->GetHeight()));
  Bitmap->Rotate(AAngle == raPlus90 ? raMinus90 : raPlus90);
  BitBlt(ACanvas->GetHandle(), R.left, R.top, R.Width(), R.Height(), Bitmap->GetCanvas()->GetHandle(), 0, 0,
         SRCCOPY);
}

TcxCustomLookAndFeelPainterClass UltraFlatPainter() {
  return TcxCustomLookAndFeelPainterClass::Of<TcxUltraFlatLookAndFeelPainter>();
}

}  // namespace

Integer BtnStateToXPBtnState(TcxButtonState AState) {
  static constexpr int states[] = {5, 1, 2, 3, 4};
  return states[AState];
}

IMPLEMENT_CLASS(TcxWinXPLookAndFeelPainter)

// ---- Text in a theme part ------------------------------------------------------------------------------
void TcxWinXPLookAndFeelPainter::DrawContent(TcxCanvas* ACanvas, TdxTheme ATheme, Integer APartId,
                                             Integer AStateId, const TRect&, const TRect& ATextAreaBounds,
                                             TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                             bool AMultiLine, bool AShowEndEllipsis, bool AShowPrefix,
                                             const String& AText, TFont* AFont, TColor ATextColor, TColor) const {
  if (AText.empty()) return;
  if (AFont) ACanvas->SetFont(AFont);
  ACanvas->GetFont()->SetColor(ATextColor);
  TRect R = ATextAreaBounds;
  if (AMultiLine) ACanvas->AlignMultiLineTextRectVertically(R, AText, AAlignmentVert, true, AShowPrefix);
  static constexpr DWORD horz[] = {0x0, 0x2, 0x1};  // left, right, centre
  static constexpr DWORD vert[] = {0x0, 0x8, 0x4};  // top, bottom, centre
  DWORD flags = horz[AAlignmentHorz] | vert[AAlignmentVert] | 0x2000 | (AMultiLine ? 0x10 : 0x20);
  if (AShowEndEllipsis) flags |= 0x8000;
  if (!AShowPrefix) flags |= 0x800;
  DrawThemeText(ATheme, ACanvas->GetHandle(), APartId, AStateId, AText, -1, flags, 0, &R);
}

// ---- Values -------------------------------------------------------------------------------------------
TcxLookAndFeelStyle TcxWinXPLookAndFeelPainter::LookAndFeelStyle() const { return lfsNative; }

TColor TcxWinXPLookAndFeelPainter::DefaultSchedulerBorderColor() const {
  TColor result;
  if (TdxTheme theme = Theme(totComboBox); theme && Color(theme, 1, 1, TMT_BORDERCOLOR, result)) return result;
  return inherited::DefaultSchedulerBorderColor();
}

TColor TcxWinXPLookAndFeelPainter::DefaultSchedulerViewContentColor() const { return 0xD5FFFF; }

Integer TcxWinXPLookAndFeelPainter::BorderSize() const {
  return Theme(totListView) ? 1 : inherited::BorderSize();
}

TRect TcxWinXPLookAndFeelPainter::AdjustGroupButtonDisplayRect(const TRect& R, Integer AButtonCount,
                                                               Integer AButtonIndex) const {
  TRect result = inherited::AdjustGroupButtonDisplayRect(R, AButtonCount, AButtonIndex);
  TdxTheme theme = Theme(totButton);
  if (theme && IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, 1)) result = cxRectInflate(result, 1, 1);
  return result;
}

Integer TcxWinXPLookAndFeelPainter::ButtonBorderSize(TcxButtonState AState) const {
  TRect content;
  if (TdxTheme theme = Theme(totButton);
      theme && ContentRect(theme, BP_PUSHBUTTON, BtnStateToXPBtnState(AState), kProbe, content))
    return content.left;
  return inherited::ButtonBorderSize(AState);
}

TColor TcxWinXPLookAndFeelPainter::ButtonColor(TcxButtonState AState) const {
  TColor result;
  if (TdxTheme theme = Theme(totButton);
      theme && Color(theme, BP_PUSHBUTTON, BtnStateToXPBtnState(AState), TMT_BUTTONCOLOR, result))
    return result;
  return inherited::ButtonColor(AState);
}

TRect TcxWinXPLookAndFeelPainter::ButtonFocusRect(TcxCanvas* ACanvas, const TRect& R) const {
  TRect content;
  if (TdxTheme theme = Theme(totButton); theme && ContentRect(theme, BP_PUSHBUTTON, 1, R, content)) return content;
  return inherited::ButtonFocusRect(ACanvas, R);
}

TRect TcxWinXPLookAndFeelPainter::ButtonGroupBorderSizes(Integer AButtonCount, Integer AButtonIndex) const {
  // Without the button theme the standard sizes apply rather than measuring nothing.
  TRect content;
  TdxTheme theme = Theme(totButton);
  if (!theme || !ContentRect(theme, BP_PUSHBUTTON, 1, kProbe, content))
    return inherited::ButtonGroupBorderSizes(AButtonCount, AButtonIndex);
  TRect result(content.left, content.top, kProbe.right - content.right, kProbe.bottom - content.bottom);
  if (IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, 1)) result = cxRectInflate(result, -1, -1);
  return result;
}

// Without the button theme the caption sits and moves as on a standard button.
Integer TcxWinXPLookAndFeelPainter::ButtonTextOffset() const {
  return Theme(totButton) ? 2 : inherited::ButtonTextOffset();
}
Integer TcxWinXPLookAndFeelPainter::ButtonTextShift() const {
  return Theme(totButton) ? 0 : inherited::ButtonTextShift();
}

TColor TcxWinXPLookAndFeelPainter::ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor) const {
  TColor result;
  if (TdxTheme theme = Theme(totButton);
      theme && Color(theme, BP_PUSHBUTTON, BtnStateToXPBtnState(AState), TMT_TEXTCOLOR, result))
    return result;
  return inherited::ButtonSymbolColor(AState, ADefaultColor);
}

bool TcxWinXPLookAndFeelPainter::DrawExpandButtonFirst() const { return false; }

Integer TcxWinXPLookAndFeelPainter::ExpandButtonSize() const {
  TSize size;
  if (TdxTheme theme = Theme(totTreeview); theme && TrueSize(theme, TVP_GLYPH, 2, size)) return size.cx;
  return inherited::ExpandButtonSize();
}

Integer TcxWinXPLookAndFeelPainter::GroupExpandButtonSize() const {
  TSize size;
  if (TdxTheme theme = Theme(totExplorerBar); theme && TrueSize(theme, EBP_NORMALGROUPCOLLAPSE, 1, size))
    return size.cx;
  return inherited::GroupExpandButtonSize();
}

bool TcxWinXPLookAndFeelPainter::IsButtonHotTrack() const { return true; }

Integer TcxWinXPLookAndFeelPainter::SmallExpandButtonSize() const {
  return Theme(totTreeview) ? ExpandButtonSize() : inherited::SmallExpandButtonSize();
}

Integer TcxWinXPLookAndFeelPainter::CheckBorderSize() const {
  return Theme(totButton) ? 0 : inherited::CheckBorderSize();
}

TSize TcxWinXPLookAndFeelPainter::CheckButtonSize() const {
  TSize size;
  if (TdxTheme theme = Theme(totButton); theme && TrueSize(theme, BP_CHECKBOX, 5, size)) return size;
  return inherited::CheckButtonSize();
}

TSize TcxWinXPLookAndFeelPainter::RadioButtonSize() const {
  TSize size;
  if (TdxTheme theme = Theme(totButton); theme && TrueSize(theme, BP_RADIOBUTTON, 1, size)) return size;
  return inherited::RadioButtonSize();
}

Integer TcxWinXPLookAndFeelPainter::HeaderBorderSize() const {
  TRect content;
  if (TdxTheme theme = Theme(totHeader); theme && ContentRect(theme, HP_HEADERITEM, 1, kProbe, content))
    return (content.left + content.top) / 2;
  return inherited::HeaderBorderSize();
}

Integer TcxWinXPLookAndFeelPainter::HeaderControlSectionBorderSize(TcxButtonState AState) const {
  return Theme(totHeader) ? HeaderBorderSize() : inherited::HeaderControlSectionBorderSize(AState);
}

TRect TcxWinXPLookAndFeelPainter::HeaderControlSectionContentBounds(const TRect& ABounds,
                                                                    TcxButtonState AState) const {
  if (!Theme(totHeader)) return inherited::HeaderControlSectionContentBounds(ABounds, AState);
  return cxRectInflate(ABounds, -HeaderBorderSize(), -HeaderBorderSize());
}

bool TcxWinXPLookAndFeelPainter::IsHeaderHotTrack() const { return true; }
TPoint TcxWinXPLookAndFeelPainter::SortingMarkSize() const { return UltraFlatPainter()->SortingMarkSize(); }

Integer TcxWinXPLookAndFeelPainter::FooterBorderSize() const {
  return Theme(totEdit) ? 1 : inherited::FooterBorderSize();
}

Integer TcxWinXPLookAndFeelPainter::FooterCellBorderSize() const {
  TRect content;
  if (TdxTheme theme = Theme(totTrackBar); theme && ContentRect(theme, TKP_TRACK, 1, kProbe, content))
    return content.left;
  return inherited::FooterCellBorderSize();
}

Integer TcxWinXPLookAndFeelPainter::FooterCellOffset() const {
  return Theme(totTrackBar) ? 1 : inherited::FooterCellOffset();
}

bool TcxWinXPLookAndFeelPainter::FooterDrawCellsFirst() const { return false; }

TPoint TcxWinXPLookAndFeelPainter::FilterActivateButtonSize() const {
  TSize size;
  if (TdxTheme theme = Theme(totButton); theme && TrueSize(theme, BP_CHECKBOX, 5, size))
    return TPoint(size.cx, size.cy);
  return inherited::FilterActivateButtonSize();
}

TPoint TcxWinXPLookAndFeelPainter::FilterCloseButtonSize() const {
  TSize size;
  if (TdxTheme theme = Theme(totWindow); theme && TrueSize(theme, WP_SMALLCLOSEBUTTON, 1, size))
    return TPoint(size.cx + 4, size.cy + 4);
  return inherited::FilterCloseButtonSize();
}

bool TcxWinXPLookAndFeelPainter::IsDrawTabImplemented(bool AVertical) const {
  return Theme(totTab) ? true : inherited::IsDrawTabImplemented(AVertical);
}

bool TcxWinXPLookAndFeelPainter::IsTabHotTrack(bool AVertical) const {
  return Theme(totTab) ? true : inherited::IsTabHotTrack(AVertical);
}

Integer TcxWinXPLookAndFeelPainter::TabBorderSize(bool AVertical) const {
  return Theme(totTab) ? 1 : inherited::TabBorderSize(AVertical);
}

Integer TcxWinXPLookAndFeelPainter::ScrollBarMinimalThumbSize(bool AVertical) const {
  constexpr Integer kMinimum = 8;
  TdxTheme theme = Theme(totScrollBar);
  if (!theme) return inherited::ScrollBarMinimalThumbSize(AVertical);
  const int part = AVertical ? SBP_GRIPPERHORZ : SBP_GRIPPERVERT;
  SIZE minimum{};
  if (GetThemePartSize(theme, nullptr, part, 1, TS_MIN, minimum) != S_OK) return kMinimum;
  Integer result = AVertical ? minimum.cy : minimum.cx;
  SIZE actual{};
  if (GetThemePartSize(theme, nullptr, part, 1, TS_TRUE, actual) == S_OK)
    result = std::max<Integer>(result, (AVertical ? actual.cy : actual.cx) + 4);
  return std::max(result, kMinimum);
}

TRect TcxWinXPLookAndFeelPainter::SchedulerEventProgressOffsets() const { return TRect(3, 3, 3, 3); }

// ---- Arrows, borders and buttons ------------------------------------------------------------------------
void TcxWinXPLookAndFeelPainter::DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxArrowDirection AArrowDirection,
                                           TColor AColor) const {
  TcxCustomLookAndFeelPainter::DrawArrow(ACanvas, R, AArrowDirection, AColor);
}

void TcxWinXPLookAndFeelPainter::DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                           TcxArrowDirection AArrowDirection, bool ADrawBorder) const {
  if (TdxTheme theme = Theme(totScrollBar))
    Background(ACanvas, theme, SBP_ARROWBTN, ScrollArrowState(AState, AArrowDirection), R);
  else
    inherited::DrawArrow(ACanvas, R, AState, AArrowDirection, ADrawBorder);
}

void TcxWinXPLookAndFeelPainter::DrawArrowBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  if (TdxTheme theme = Theme(totButton))
    Background(ACanvas, theme, BP_PUSHBUTTON, BtnStateToXPBtnState(AState), R);
  else
    inherited::DrawArrowBorder(ACanvas, R, AState);
}

void TcxWinXPLookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, TRect R) const {
  TdxTheme theme = Theme(totListView);
  if (!theme) return inherited::DrawBorder(ACanvas, R);
  ACanvas->SaveDC();
  ACanvas->ExcludeClipRect(cxRectInflate(R, -1, -1));
  Background(ACanvas, theme, LVP_LISTSORTEDDETAIL, 0, R);
  ACanvas->RestoreDC();
}

void TcxWinXPLookAndFeelPainter::DrawButton(TcxCanvas* ACanvas, const TRect& R, const String& ACaption,
                                            TcxButtonState AState, bool ADrawBorder, TColor AColor,
                                            TColor ATextColor, bool AWordWrap) const {
  TdxTheme theme = Theme(totButton);
  if (!theme) return inherited::DrawButton(ACanvas, R, ACaption, AState, ADrawBorder, AColor, ATextColor, AWordWrap);
  const int state = BtnStateToXPBtnState(AState);
  Background(ACanvas, theme, BP_PUSHBUTTON, state, R);
  if (!ACaption.empty())
    DrawThemeText(theme, ACanvas->GetHandle(), BP_PUSHBUTTON, state, ACaption, -1, 0x25, 0, &R);
}

void TcxWinXPLookAndFeelPainter::DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                  TColor AColor) const {
  TdxTheme theme = Theme(totTreeview);
  if (!theme) return inherited::DrawExpandButton(ACanvas, R, AExpanded, AColor);
  Background(ACanvas, theme, TVP_GLYPH, AExpanded ? 2 : 1, R);
  ACanvas->ExcludeClipRect(R);
}

void TcxWinXPLookAndFeelPainter::DrawGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                       TcxButtonState AState) const {
  if (TdxTheme theme = Theme(totExplorerBar))
    Background(ACanvas, theme, AExpanded ? EBP_NORMALGROUPEXPAND : EBP_NORMALGROUPCOLLAPSE, kExplorerBar[AState], R);
  else
    inherited::DrawGroupExpandButton(ACanvas, R, AExpanded, AState);
}

void TcxWinXPLookAndFeelPainter::DrawSmallExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                       TColor ABorderColor, TColor AColor) const {
  if (Theme(totTreeview))
    DrawExpandButton(ACanvas, R, AExpanded);
  else
    inherited::DrawSmallExpandButton(ACanvas, R, AExpanded, ABorderColor, AColor);
}

bool TcxWinXPLookAndFeelPainter::IsPointOverGroupExpandButton(const TRect& R, const TPoint& P) const {
  TdxTheme theme = Theme(totExplorerBar);
  HRGN region = nullptr;
  if (!theme || GetThemeBackgroundRegion(theme, nullptr, EBP_NORMALGROUPCOLLAPSE, 1, &R, &region) != S_OK ||
      !region)
    return inherited::IsPointOverGroupExpandButton(R, P);
  const bool result = PtInRegion(region, P.x, P.y);
  DeleteObject(region);
  return result;
}

// ---- Check boxes and radio buttons ----------------------------------------------------------------------
void TcxWinXPLookAndFeelPainter::DrawCheck(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                           bool AChecked, TColor AColor) const {
  if (TdxTheme theme = Theme(totButton))
    Background(ACanvas, theme, BP_CHECKBOX, (AChecked ? kCheckChecked : kCheckUnchecked)[AState], R);
  else
    inherited::DrawCheck(ACanvas, R, AState, AChecked, AColor);
}

void TcxWinXPLookAndFeelPainter::DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) const {
  if (!Theme(totButton)) inherited::DrawCheckBorder(ACanvas, R, AState);  // the themed box has its own
}

void TcxWinXPLookAndFeelPainter::DrawRadioButton(TcxCanvas* ACanvas, Integer X, Integer Y,
                                                 TcxButtonState AButtonState, bool AChecked, bool AFocused,
                                                 TColor ABrushColor, bool AHighlighted) const {
  // Without the button theme this draws the standard look instead of nothing.
  TdxTheme theme = Theme(totButton);
  if (!theme)
    return inherited::DrawRadioButton(ACanvas, X, Y, AButtonState, AChecked, AFocused, ABrushColor, AHighlighted);
  const TSize size = RadioButtonSize();
  Background(ACanvas, theme, BP_RADIOBUTTON, (AChecked ? kCheckChecked : kCheckUnchecked)[AButtonState],
             cxRectBounds(X, Y, size.cx, size.cy));
}

// ---- Headers and footers ------------------------------------------------------------------------------
void TcxWinXPLookAndFeelPainter::DrawHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                            TcxNeighbors ANeighbors, TcxBorders ABorders, TcxButtonState AState,
                                            TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                            bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                            TFont* AFont, TColor ATextColor, TColor ABkColor,
                                            TcxDrawBackgroundEvent AOnDrawBackground, bool AIsLast,
                                            bool AIsGroup) const {
  TdxTheme theme = Theme(totHeader);
  if (!theme)
    return inherited::DrawHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState, AAlignmentHorz,
                                 AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor,
                                 AOnDrawBackground, AIsLast, AIsGroup);
  const int state = kHeaderItem[AState];
  const TOffice11Scheme scheme = GetOffice11Scheme();
  const int part = AIsLast && state == 1 && (scheme == schNormalColor || scheme == schHomestead)
                       ? HP_HEADERITEMRIGHT
                       : HP_HEADERITEM;
  Background(ACanvas, theme, part, state, ABounds);
  const TRect text = AState == cxbsPressed ? cxRectOffset(ATextAreaBounds, 1, 1) : ATextAreaBounds;
  DrawContent(ACanvas, theme, part, state, ABounds, text, AAlignmentHorz, AAlignmentVert, AMultiLine,
              AShowEndEllipsis, false, AText, AFont, ATextColor, ABkColor);
}

void TcxWinXPLookAndFeelPainter::DrawHeaderPressed(TcxCanvas* ACanvas, const TRect& ABounds) const {
  if (!Theme(totHeader)) inherited::DrawHeaderPressed(ACanvas, ABounds);  // the themed item shows its own
}

void TcxWinXPLookAndFeelPainter::DrawHeaderControlSection(
    TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxNeighbors ANeighbors,
    TcxBorders ABorders, TcxButtonState AState, TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
    bool AMultiLine, bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor,
    TColor ABkColor) const {
  if (!Theme(totHeader))
    return inherited::DrawHeaderControlSection(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState,
                                               AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis, AText,
                                               AFont, ATextColor, ABkColor);
  ACanvas->FillRect(ABounds, clBtnFace);
  DrawHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState, AAlignmentHorz, AAlignmentVert,
             AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor);
}

void TcxWinXPLookAndFeelPainter::DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) const {
  UltraFlatPainter()->DrawSortingMark(ACanvas, R, AAscendingSorting);
}

void TcxWinXPLookAndFeelPainter::DrawFooterCell(TcxCanvas* ACanvas, const TRect& ABounds, TAlignment AAlignmentHorz,
                                                TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                                const String& AText, TFont* AFont, TColor ATextColor,
                                                TColor ABkColor, TcxDrawBackgroundEvent AOnDrawBackground) const {
  TdxTheme theme = Theme(totTrackBar);
  if (!theme)
    return inherited::DrawFooterCell(ACanvas, ABounds, AAlignmentHorz, AAlignmentVert, AMultiLine, AText, AFont,
                                     ATextColor, ABkColor, AOnDrawBackground);
  Background(ACanvas, theme, TKP_TRACK, 1, ABounds);
  DrawContent(ACanvas, theme, TKP_TRACK, 1, ABounds, FooterCellTextAreaBounds(ABounds), AAlignmentHorz,
              AAlignmentVert, AMultiLine, false, false, AText, AFont, ATextColor, ABkColor);
}

void TcxWinXPLookAndFeelPainter::DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) const {
  if (TdxTheme theme = Theme(totEdit))
    DrawThemeEdge(theme, ACanvas->GetHandle(), 0, 0, R, BDR_RAISEDINNER, BF_RECT);
  else
    inherited::DrawFooterBorder(ACanvas, R);
}

void TcxWinXPLookAndFeelPainter::DrawFilterCloseButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState) const {
  if (TdxTheme theme = Theme(totWindow))
    Background(ACanvas, theme, WP_SMALLCLOSEBUTTON, kPlain[AState], R);
  else
    inherited::DrawFilterCloseButton(ACanvas, R, AState);
}

void TcxWinXPLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* ACanvas, TRect R, TcxButtonState AState,
                                                          bool AIsFilterActive) const {
  if (TdxTheme theme = Theme(totComboBox))
    Background(ACanvas, theme, CP_DROPDOWNBUTTON, kPlain[AState], R);
  else
    inherited::DrawFilterDropDownButton(ACanvas, R, AState, AIsFilterActive);
}

// ---- Tabs, indicators, scroll bars and the size grip ------------------------------------------------------
void TcxWinXPLookAndFeelPainter::DrawTab(TcxCanvas* ACanvas, TRect R, TcxBorders ABorders, const String& AText,
                                         TcxButtonState AState, bool AVertical, TFont* AFont, TColor ATextColor,
                                         TColor ABkColor, bool AShowPrefix) const {
  TdxTheme theme = Theme(totTab);
  if (!theme)
    return inherited::DrawTab(ACanvas, R, ABorders, AText, AState, AVertical, AFont, ATextColor, ABkColor,
                              AShowPrefix);
  // An upright tab in B; a side without its border runs on under the neighbouring tab. The selected tab
  // reaches over the pane's edge; the others stop a pixel short of it.
  auto DrawUpright = [&](TcxCanvas* C, const TRect& B, bool AOpenLeft, bool AOpenRight) {
    const int state = kPlain[AState];
    const bool selected = AState == cxbsPressed;
    TRect D = B, clip = B;
    if (AOpenLeft) D.left -= 2;
    if (AOpenRight) D.right += 2;
    if (selected)
      ++D.bottom;
    else
      --clip.bottom;
    DrawThemeBackground(theme, C->GetHandle(), TABP_TABITEM, state, D, clip);
    if (selected) D.bottom -= 2;
    DrawContent(C, theme, TABP_TABITEM, state, D, D, taCenter, vaCenter, false, false, AShowPrefix, AText, AFont,
                ATextColor, ABkColor);
  };
  if (!AVertical) {
    ACanvas->SaveDC();
    ACanvas->IntersectClipRect(R);
    DrawUpright(ACanvas, R, !ABorders.Contains(bLeft), !ABorders.Contains(bRight));
    ACanvas->RestoreDC();
    return;
  }
  // A left-hand tab: upright, its bottom (toward the pane) becomes its right side once turned back, its
  // left side the bottom, and its text reads upward.
  DrawTurned(ACanvas, R, raMinus90, [&](TcxCanvas* C, const TRect& B) {
    DrawUpright(C, B, !ABorders.Contains(bBottom), !ABorders.Contains(bTop));
  });
}

void TcxWinXPLookAndFeelPainter::DrawTabBorder(TcxCanvas* ACanvas, TRect R, TcxBorder ABorder, TcxBorders ABorders,
                                               bool AVertical) const {
  if (!Theme(totTab)) inherited::DrawTabBorder(ACanvas, R, ABorder, ABorders, AVertical);
}

void TcxWinXPLookAndFeelPainter::DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, TcxBorders ABorders,
                                              bool AVertical) const {
  TdxTheme theme = Theme(totTab);
  TRect content;
  if (!theme || !ContentRect(theme, TABP_PANE, 0, R, content))
    return inherited::DrawTabsRoot(ACanvas, R, ABorders, AVertical);
  // The pane reaches past R on the side the tabs stand on, so only its edges show inside R.
  TRect F = R;
  if (AVertical) {
    F.right += 10;
    F.bottom += (R.bottom - content.bottom) - (content.top - R.top);
  } else {
    F.bottom += 10;
    F.right += (R.right - content.right) - (content.left - R.left);
  }
  DrawThemeBackground(theme, ACanvas->GetHandle(), TABP_PANE, 0, F, R);
}

void TcxWinXPLookAndFeelPainter::DrawIndicatorItem(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind,
                                                   TColor AColor, TcxDrawBackgroundEvent AOnDrawBackground) const {
  TcxCustomLookAndFeelPainterClass::Of<TcxFlatLookAndFeelPainter>()->DrawIndicatorItem(ACanvas, R, AKind, AColor,
                                                                                       AOnDrawBackground);
}

void TcxWinXPLookAndFeelPainter::DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, TRect R,
                                                   TcxScrollBarPart APart, TcxButtonState AState) const {
  TdxTheme theme = Theme(totScrollBar);
  if (!theme) return inherited::DrawScrollBarPart(ACanvas, AHorizontal, R, APart, AState);
  if (cxRectIsEmpty(R)) return;
  switch (APart) {
    case sbpLineUp:
    case sbpLineDown:
      DrawArrow(ACanvas, R, AState, GetArrowDirection(AHorizontal, APart));
      break;
    case sbpThumbnail:
      Background(ACanvas, theme, AHorizontal ? SBP_THUMBBTNHORZ : SBP_THUMBBTNVERT, kPlain[AState], R);
      Background(ACanvas, theme, AHorizontal ? SBP_GRIPPERHORZ : SBP_GRIPPERVERT, 0, R);
      break;
    case sbpPageUp:
      Background(ACanvas, theme, AHorizontal ? SBP_LOWERTRACKHORZ : SBP_LOWERTRACKVERT, kPlain[AState], R);
      break;
    case sbpPageDown:
      Background(ACanvas, theme, AHorizontal ? SBP_UPPERTRACKHORZ : SBP_UPPERTRACKVERT, kPlain[AState], R);
      break;
    case sbpNone: break;
  }
}

void TcxWinXPLookAndFeelPainter::DrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect, TColor ABackgroundColor) const {
  TdxTheme theme = Theme(totScrollBar);
  if (!theme) return inherited::DrawSizeGrip(ACanvas, ARect, ABackgroundColor);
  ACanvas->FillRect(ARect, ABackgroundColor);
  Background(ACanvas, theme, SBP_SIZEBOX, 1, ARect);
}

// ---- Calendar, scheduler and panels ----------------------------------------------------------------------
void TcxWinXPLookAndFeelPainter::DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                 TcxNeighbors ANeighbors, const TcxViewParams& AViewParams,
                                                 TcxHeaderArrows AArrows, Integer ASideWidth) const {
  if (!Theme(totHeader))
    return inherited::DrawMonthHeader(ACanvas, ABounds, AText, ANeighbors, AViewParams, AArrows, ASideWidth);
  DrawHeader(ACanvas, ABounds, ABounds, ANeighbors, HeaderBorders(ANeighbors), cxbsNormal, taCenter, vaCenter,
             false, false, AText, AViewParams.Font, AViewParams.TextColor, AViewParams.Color, nullptr,
             !ANeighbors.Contains(nRight));
  DrawMonthHeaderArrows(ACanvas, ABounds, AArrows, ASideWidth, clWindowText);
}

void TcxWinXPLookAndFeelPainter::DrawSchedulerEventProgress(TcxCanvas* ACanvas, const TRect& ABounds,
                                                            const TRect& AProgress, const TcxViewParams& AViewParams,
                                                            bool ATransparent) const {
  TdxTheme theme = Theme(totProgress);
  if (!theme) return inherited::DrawSchedulerEventProgress(ACanvas, ABounds, AProgress, AViewParams, ATransparent);
  Background(ACanvas, theme, PP_BAR, 1, ABounds);
  Background(ACanvas, theme, PP_CHUNK, 1, AProgress);
}

void TcxWinXPLookAndFeelPainter::DrawSchedulerNavigationButtonContent(TcxCanvas* ACanvas, const TRect& ARect,
                                                                      const TRect& AArrowRect, bool AIsNextButton,
                                                                      TcxButtonState AState) const {
  TdxTheme theme = Theme(totTab);
  if (!theme) return inherited::DrawSchedulerNavigationButtonContent(ACanvas, ARect, AArrowRect, AIsNextButton, AState);
  // A tab item on its side; the two buttons face opposite ways.
  DrawTurned(ACanvas, ARect, AIsNextButton ? raMinus90 : raPlus90, [&](TcxCanvas* C, const TRect& B) {
    Background(C, theme, TABP_TABITEM, kPlain[AState], B);
  });
  DrawSchedulerNavigationButtonArrow(ACanvas, AArrowRect, AIsNextButton, ButtonSymbolColor(AState));
}

void TcxWinXPLookAndFeelPainter::DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R,
                                                              TcxButtonState AState) const {
  if (TdxTheme theme = Theme(totToolBar))
    Background(ACanvas, theme, TP_BUTTON, kToolBar[AState], R);
  else
    inherited::DrawSchedulerNavigatorButton(ACanvas, R, AState);
}

void TcxWinXPLookAndFeelPainter::DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, TRect R,
                                                             const TcxViewParams& AViewParams,
                                                             bool AIsHorizontal) const {
  TdxTheme combo = Theme(totComboBox);
  TColor border;
  if (combo && Theme(totListView) && Color(combo, 1, 1, TMT_BORDERCOLOR, border))
    cxDrawFlatSchedulerSplitterBorder(ACanvas, R, AViewParams, AIsHorizontal, border);
  else
    inherited::DrawSchedulerSplitterBorder(ACanvas, R, AViewParams, AIsHorizontal);
}

void TcxWinXPLookAndFeelPainter::DrawPanelBackground(TcxCanvas* ACanvas, TWinControl* AControl,
                                                     const TRect& ABounds, TColor AColorFrom, TColor) const {
  if (AColorFrom == clDefault)
    cxDrawThemeParentBackground(AControl, ACanvas, ABounds);
  else
    ACanvas->FillRect(ABounds, AColorFrom);
}

}  // namespace cxLookAndFeelPaintersNative
