// The bar painters: stateless objects that draw every toolbar, dock, menu, item control and screen
// tip, answer their metrics and let the windows adapt their layout to the look. The manager holds one
// painter of the class its style chooses; the class operations read nothing of the painter object and
// may be called on the class's shared instance.
#pragma once

#include <vector>

#include "Graphics.h"
#include "cxLookAndFeelPaintersBase.h"
#include "dxBarItemTypes.h"
#include "dxBarTypes.h"

namespace cxGraphics {
class TcxCanvas;
}
namespace StringLists {
class TStrings;
}
namespace cxLookAndFeels {
class TcxLookAndFeel;
}

namespace dxBar {

class TdxBarCustomHintViewInfo;
class TdxBarItemControlDrawParams;
class TdxBarButtonLikeControlDrawParams;
class TdxBarApplicationMenuButtonControlDrawParams;
class TdxBarEditLikeControlDrawParams;
class TdxBarStaticLikeControlDrawParams;
class TdxBarSeparatorControlDrawParams;
class TdxBarColorComboControlDrawParams;
class TdxBarSpinEditDrawParams;
class TdxBarProgressControlDrawParams;
class TdxBarInPlaceSubItemControlDrawParams;


// The glyph cell's states, as the item controls hand them to DrawGlyph and its steps.
struct TdxBarGlyphState {
  bool NoImage = false;      // the view structure shows no icon, or the control has none
  bool Selected = false;     // hot
  bool Down = false;         // checked
  bool Pressed = false;      // being pressed
  bool DroppedDown = false;
  bool GrayScale = false;
  bool IsSplit = false;      // a button with a separate arrow part
  bool Enabled = true;
  TdxBarItemControlViewSize ViewSize = cvsSmall;
};

// The parts of an item control, as the part layout operations fill them.
using TdxBarControlParts = std::vector<TRect>;
// The parts of an edit-like control: its text field, its caption (with the icon area before it), the
// strip after the caption, then the combo's drop-down button or a spin edit's up and down buttons, and
// a colour combo's custom colour button.
enum TdxBarEditControlPart {
  ecpEdit = 0, ecpCaption = 1, ecpCaptionRightIndent = 2, ecpButton = 3, ecpSpinUp = 3, ecpSpinDown = 4,
  ecpCustomColorButton = 4
};

class TdxBarPainter : public TObject {
  DECLARE_CLASS(TdxBarPainter, TObject)
 public:
  // The painter of a manager is made with the look-and-feel's skin painter reference; the base ignores it.
  explicit TdxBarPainter(NativeInt AData = 0) : FData(AData) {}
  // Makes a painter of AClass (TdxBarPainter or a descendant) through its construction chain, with AData
  // in place before the chain runs.
  static TdxBarPainter* CreatePainter(TClass AClass, NativeInt AData);

  // The operations in the painter's fixed order. Class operations read nothing of the painter object and
  // may be called on the class's shared instance.

  // ---- Toolbar frame and general -----------------------------------------------------------------------------
  virtual void DrawToolbarContentPart(TCustomdxBarControl* ABarControl, cxGraphics::TcxCanvas* ACanvas);
  virtual void DrawToolbarNonContentPart(TCustomdxBarControl* ABarControl, HDC DC);
  virtual TRect GetToolbarCaptionRect(TCustomdxBarControl* ABarControl);
  virtual bool IsCompoundPainting();
  virtual bool AllowLargeIcons();
  // Places a button's caption beside or under its image (AImageRect) and chooses its alignment
  // (0 left, 1 centre, 2 right).
  virtual void CorrectCaptionParams(TdxBarButtonLikeControlDrawParams* ADrawParams, TRect& ACaptionRect,
                                    Integer& AAlignment, const TRect& AImageRect);

  // ---- Glyph cell and arrows -------------------------------------------------------------------------------------
  virtual void DrawGlyphBorder(TdxBarItemControl* AControl, HDC DC, HBRUSH ABrush, const TRect& R,
                               TdxBarPaintType APaintType, const TdxBarGlyphState& AState);
  virtual void DrawGlyphCheckMark(TdxBarItemControl* AControl, HDC DC, const TRect& R, TdxBarPaintType APaintType,
                                  const TdxBarGlyphState& AState);
  virtual void DrawGlyphEmptyImage(TdxBarItemControl* AControl, HDC DC, const TRect& R, TdxBarPaintType APaintType,
                                   bool ADown);
  virtual void DrawItemArrow(HDC DC, const TRect& R, TcxArrowDirection ADirection, bool AEnabled, bool ASelected,
                             bool AFlat, TColor AColor = clDefault);
  virtual void DrawLargeItemArrow(HDC DC, const TRect& R, TcxArrowDirection ADirection, Integer ASize, bool AEnabled,
                                  bool ASelected, bool AFlat, TColor AColor = clDefault);
  virtual void FrameFlatSelRect(HDC DC, const TRect& R);

  // ---- Text and glyph colours and flags --------------------------------------------------------------------------
  virtual TColor GetDefaultEnabledTextColor(TdxBarItemControl* AControl, bool ASelected, bool AFlat);
  virtual void GetDisabledTextColors(TdxBarItemControl* AControl, bool ASelected, bool AFlat, TColor& AColor1,
                                     TColor& AColor2);
  virtual TColor GetEnabledTextColor(TdxBarItemControl* AControl, bool ASelected, bool AFlat);
  virtual TColor GetItemArrowColor(TdxBarItemControl* AControl, bool ASelected, bool AFlat);
  virtual bool GetFaded(TCustomdxBarControl* ABarControl);
  virtual bool IgnoreGlyphOpaque();
  virtual bool IgnoreNonRecentColor();
  // A main-menu header on a bar: the looks that highlight it differently ask the control.
  virtual bool IsMenuItem(TdxBarItemControl* AControl);
  virtual bool UseTextColorForItemArrow();

  // ---- Hints -----------------------------------------------------------------------------------------------------
  virtual TPoint GetBarItemContolHintPosition(const TPoint& ACursorPos);
  // A new view info that the caller owns: a plain hint at the mouse cursor.
  virtual TdxBarCustomHintViewInfo* CreateHintViewInfo(TdxBarManager* ABarManager, const String& AHintText,
                                                       const String& AShortCut, TdxBarScreenTip* AScreenTip);

  // ---- Toolbar caption and mark ----------------------------------------------------------------------------------
  virtual bool BarIsBarSmall(const TRect& R);
  virtual TColor BarCaptionBkColor(bool AActive);
  virtual TColor BarCaptionColor();
  virtual TColor BarMarkArrowColor(TdxBarMarkState AState);
  virtual void BarDrawGrip(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R);
  virtual void BarDrawMarkArrow(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, TdxBarMarkState AState);
  // Two chevrons with their top-left corner at (X, Y), pointing right on horizontal bars and down on
  // vertical ones.
  virtual void BarDrawMarkAtPos(HDC DC, Integer X, Integer Y, bool AVertical, TColor AColor);
  virtual void BarDrawMarkBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush);
  virtual void BarDrawMarkElements(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R);
  virtual void BarOffsetFloatingBarCaption(TCustomdxBarControl* ABarControl, Integer& X, TRect& R);
  virtual TColor GetDrawMarkElementColor(TdxBarMarkState AState);

  // ---- Captions and ellipsis dots --------------------------------------------------------------------------------
  virtual void ButtonLikeControlDoDrawCaption(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R,
                                              UINT AFormat, Integer AAlignment);
  virtual TRect GetControlTextIndents();
  virtual TRect GetControlCaptionRect(TdxBarItemControlDrawParams* ADrawParams);
  virtual void InflateSizeForArrow(TdxBarButtonLikeControlDrawParams* ADrawParams, Integer& ASize);
  virtual Integer GetDotSpaceAfter(Integer ADotSize);

  // ---- Colour combo button and combo arrow -----------------------------------------------------------------------
  virtual TRect GetCustomColorButtonBounds(TdxBarColorComboControlDrawParams* ADrawParams, const TRect& R);
  virtual Integer GetCustomColorButtonWidth(TdxBarColorComboControlDrawParams* ADrawParams, const TRect& R);
  virtual void DrawDot(TdxBarItemControlDrawParams* ADrawParams, const TRect& R);
  virtual void DrawDots(TdxBarItemControlDrawParams* ADrawParams, const TRect& R, bool APressed);
  virtual void ComboControlDrawArrow(TdxBarEditLikeControlDrawParams* ADrawParams, const TRect& R, TColor AColor,
                                     Integer ASize);

  // ---- Menu scroll band and expand mark --------------------------------------------------------------------------
  virtual void SubMenuControlFillScrollArrow(TCustomdxBarControl* ABarSubMenuControl,
                                             cxGraphics::TcxCanvas* ACanvas, const TRect& R, TColor AColor);
  virtual void SubMenuControlDrawScrollArrow(TCustomdxBarControl* ABarSubMenuControl,
                                             cxGraphics::TcxCanvas* ACanvas, const TRect& R, TColor AColor,
                                             TcxArrowDirection ADirection);
  virtual void SubMenuControlDrawScrollBand(TCustomdxBarControl* ABarSubMenuControl, cxGraphics::TcxCanvas* ACanvas,
                                            TcxArrowDirection ADirection);
  virtual void SubMenuControlDrawScrollBandBackground(TCustomdxBarControl* ABarSubMenuControl,
                                                      cxGraphics::TcxCanvas* ACanvas, bool ABottom);
  virtual void SubMenuControlDrawNonRecentGroupSeparator(TCustomdxBarControl* ABarSubMenuControl,
                                                         cxGraphics::TcxCanvas* ACanvas, bool ABottom);
  virtual TRect SubMenuControlGetScrollBandBounds(TCustomdxBarControl* ABarSubMenuControl, bool ABottom);
  virtual Integer SubMenuControlGetScrollBandSize(TCustomdxBarControl* ABarSubMenuControl);
  virtual Integer SubMenuControlGetScrollArrowSize(Integer AHeight);
  virtual void SubMenuControlDrawMarkContent(TCustomdxBarControl* ABarSubMenuControl, HDC DC, const TRect& R,
                                             bool ASelected);
  virtual void SubMenuControlDrawMarkBand(TCustomdxBarControl* ABarSubMenuControl, const TRect& R, bool ASelected);
  virtual void SubMenuControlDrawMarkSelection(TCustomdxBarControl* ABarSubMenuControl, HDC DC, const TRect& R);
  virtual bool SubMenuControlUseScrollButtons();

  // ---- Edit interior, spin arrow, date navigator caption ---------------------------------------------------------
  // The interior of an edit window whose text is ATextHeight high.
  virtual void EditOffsetInteriorRect(TRect& R, Integer ATextHeight);
  virtual void DrawSpinEditArrow(TdxBarSpinEditDrawParams* ADrawParams, const TPoint& P, TdxBarSpinEditButton AButton,
                                 TColor AColor);
  virtual void DateNavigatorDrawButtonCaption(HDC DC, const TRect& R, bool APressed, const String& AText,
                                              Integer AOffset);

  // ---- Control part layout (the constructor stands here in the painter's table) ---------------------------------
  virtual void CalculateButtonParts(TdxBarButtonLikeControlDrawParams* ADrawParams, TdxBarControlParts& AParts,
                                    const TRect& R);
  virtual void CalculateColorComboParts(TdxBarColorComboControlDrawParams* ADrawParams, TdxBarControlParts& AParts,
                                        const TRect& R);
  virtual void CalculateComboParts(TdxBarEditLikeControlDrawParams* ADrawParams, TdxBarControlParts& AParts,
                                   const TRect& R);
  virtual void CalculateEditParts(TdxBarEditLikeControlDrawParams* ADrawParams, TdxBarControlParts& AParts,
                                  const TRect& R);
  virtual void CalculateSpinEditParts(TdxBarSpinEditDrawParams* ADrawParams, TdxBarControlParts& AParts,
                                      const TRect& R);

  // ---- Text colours and layout metrics ---------------------------------------------------------------------------
  virtual void GetTextColors(TdxBarItemControl* AControl, bool AEnabled, bool ASelected, bool AFlat, TColor& AColor1,
                             TColor& AColor2);
  virtual TRect GetToolbarContentOffsets(TdxBar* ABar, TdxBarDockingStyle ADockingStyle, bool AHasSizeGrip);
  virtual Integer GetToolbarsOffsetForAutoAlign();
  virtual Integer GetBorderSize();
  virtual Integer GetIconAreaSize(TCustomdxBarControl* ABarControl);
  virtual Integer GetControlCaptionOffset(TdxBarItemControl* AControl);
  virtual Integer GetDefaultTextSize(cxGraphics::TcxCanvas* ACanvas);
  virtual Integer GetPopupWindowBorderWidth();
  virtual TRect GetLargeImageBounds(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& ACellRect,
                                    const TSize& AImageSize);

  // ---- Item background, glyph and text drawing -------------------------------------------------------------------
  // Fills R with ABrush, or through the bar window's background fill when not AOpaque.
  virtual void DrawBackground(TdxBarItemControl* AControl, HDC DC, const TRect& R, HBRUSH ABrush, bool AOpaque);
  virtual void DrawBackgroundFrameRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, HBRUSH ABrush,
                                       bool AOpaque);
  virtual void DrawDisabledShadowRect(TdxBarItemControl* AControl, HDC DC, const TRect& R);
  virtual void DrawItemBackground(TdxBarItemControl* AControl, cxGraphics::TcxCanvas* ACanvas, const TRect& R,
                                  HBRUSH ABrush);
  // The glyph cell ACellRect; ABackgroundRect (empty: the cell) takes its border and background.
  virtual void DrawGlyph(TdxBarItemControl* AControl, HDC DC, const TRect& ACellRect, const TRect& ABackgroundRect,
                         TdxBarPaintType APaintType, const TdxBarGlyphState& AState);
  // The image in AImageRect over ABackgroundRect, which takes the cell's border and background.
  virtual void DrawGlyphAndBkgnd(TdxBarItemControl* AControl, HDC DC, const TRect& ABackgroundRect,
                                 const TRect& AImageRect, HBRUSH ABrush, TdxBarPaintType APaintType,
                                 const TdxBarGlyphState& AState);
  virtual void DrawItemBackgroundInSubMenu(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R);
  // AAlignment: 0 left, 1 centre, 2 right; AFormat the text-format flags.
  virtual void DrawItemText(TdxBarItemControl* AControl, HDC DC, const String& AText, TRect R, Integer AAlignment,
                            bool AClip, bool AVertical, bool ASelected, bool AEnabled, bool AFlat, UINT AFormat);
  virtual void DrawLowered(HDC DC, TRect& R);
  virtual void FrameAndFillRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, bool APressed, bool ASelected,
                                bool AEnabled);
  virtual TRect GetCaptionOffsets();
  virtual HBRUSH GlyphBkgndBrush(TdxBarItemControl* AControl, TdxBarPaintType APaintType,
                                 const TdxBarGlyphState& AState);
  virtual Integer GlyphDownShift();
  virtual Integer GlyphDrawDownedShift(bool ADown);
  virtual bool IsFlatGlyphImage();
  virtual bool IsFlatItemText();
  virtual bool IsFlatItemTextForMenu();
  virtual bool IsCustomSelectedTextColorExists();
  virtual bool IsGlyphImageBackgroundOpaque(TdxBarItemControl* AControl, TdxBarPaintType APaintType,
                                            const TdxBarGlyphState& AState);
  virtual bool IsGlyphImageHasShadow();
  virtual bool IsGlyphImageTransparent(TdxBarItemControl* AControl);
  virtual bool IsItemTextSelectedInverted();
  virtual Integer LoweredBorderSize();
  virtual Integer TextAreaOffset(TdxBarItemControl* AControl);

  // ---- Grips, borders and arrow widths ---------------------------------------------------------------------------
  virtual Integer BeforeFingersSize();
  virtual Integer BorderSizeX();
  virtual Integer BorderSizeY();
  virtual Integer EmptyFingersSize();
  virtual Integer FingersSize();
  virtual Integer GripperSize();
  virtual Integer RealButtonArrowWidth(TdxBarManager* ABarManager);
  virtual Integer RealLargeButtonArrowWidth(TdxBarManager* ABarManager);
  virtual Integer SubMenuBeginGroupIndent();

  // ---- Docks, shadows, owner links and bar brushes ---------------------------------------------------------------
  // ADestR of the dock, with ASourceR its place in the dock's whole rectangle AWholeR.
  virtual void DockControlFillBackground(TdxDockControl* ADockControl, HDC DC, const TRect& ADestR,
                                         const TRect& ASourceR, const TRect& AWholeR, HBRUSH ABrush, TColor AColor);
  virtual bool IsNativeBackground();
  virtual bool BarChildrenHaveShadows();
  virtual bool BarHasShadow(TCustomdxBarControl* ABarControl);
  virtual bool BarLinkedOwnerHasShadow(TCustomdxBarControl* ABarControl);
  virtual HBRUSH BarControlOwnerBrush(TdxBarManager* ABarManager);
  virtual Integer BarDockedGetRowIndent();
  virtual void BarDrawDockedBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR,
                                       const TRect& ASourceR, HBRUSH ABrush, TColor AColor);
  virtual void BarDrawFloatingBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR,
                                         const TRect& ASourceR, HBRUSH ABrush, TColor AColor);
  virtual void BarDrawOwnerLink(TCustomdxBarControl* ABarControl, HDC DC);
  virtual HBRUSH BarToolbarBrush();
  virtual HBRUSH BarToolbarBrushEx(TCustomdxBarControl* ABarControl);
  virtual HBRUSH BarToolbarDownedBrush();
  virtual HBRUSH BarToolbarDownedSelBrush();
  virtual HBRUSH BarToolbarSelBrush();

  // ---- Combo and edit metrics, window region ---------------------------------------------------------------------
  virtual Integer ComboBoxArrowWidth(Integer AWidth);
  virtual Integer EditTextSize(TCustomdxBarControl* ABarControl, Integer ATextHeight);
  virtual TRect GetEditTextVerticalOffsets();
  virtual void SetWindowRgn(TCustomdxBarControl* ABarControl);

  // ---- Toolbars: behaviour, sizes and drawing --------------------------------------------------------------------
  virtual bool BarAllowHotTrack();
  virtual bool BarAllowQuickCustomizing();
  virtual Integer BarBeginGroupSideSize();
  virtual Integer BarBeginGroupSize();
  virtual TRect BarBorderPaintSizes(TCustomdxBarControl* ABarControl);
  virtual Integer BarBorderSize();
  virtual TRect BarBorderSizes();
  virtual Integer BarCaptionAreaSize();
  virtual void BarCaptionFillBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush);
  virtual Integer BarCaptionSize();
  virtual bool BarCaptionTransparent();
  virtual TSize BarCloseButtonSize();
  virtual void BarDrawBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR, const TRect& ASourceR,
                                 HBRUSH ABrush, TColor AColor);
  // The gap between two groups; AHorz: a horizontal line (items stacked vertically).
  virtual void BarDrawBeginGroup(TCustomdxBarControl* ABarControl, HDC DC, TRect R, HBRUSH ABrush, bool AHorz);
  virtual void BarDrawCaptionElement(TCustomdxBarControl* ABarControl, HDC DC, TdxBarMarkState AState, TRect& R);
  virtual void BarDrawCloseButton(TCustomdxBarControl* ABarControl, HDC DC, TRect R);
  virtual void BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH ABrush);
  virtual void BarDrawFloatingBarBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                        const TRect& AClientR, HBRUSH ABrush);
  virtual void BarDrawFloatingBarCaption(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, TRect ACaptionR,
                                         HBRUSH ABrush);
  virtual void BarDrawMark(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, TdxBarMarkState AState);
  virtual void BarDrawMarks(TCustomdxBarControl* ABarControl, cxGraphics::TcxCanvas* ACanvas, const TRect& R,
                            HBRUSH ABrush);
  virtual void BarDrawMDIButton(TCustomdxBarControl* ABarControl, TdxBarMDIButton AButton, Integer AState, HDC DC,
                                TRect R);
  virtual void BarDrawStatusBarGrip(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush);
  virtual void BarDrawStatusBarBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush);
  virtual Integer BarHorSize();
  virtual TRect BarMarkRect(TCustomdxBarControl* ABarControl);
  virtual TRect BarMarkItemRect(TCustomdxBarControl* ABarControl);
  virtual void BarMarkRectInvalidate(TCustomdxBarControl* ABarControl);
  virtual Integer BarTopSize();
  virtual Integer BarBottomSize();
  virtual bool BarUseSystemClose();
  virtual bool BarUseSystemNCBorder();
  virtual Integer MarkSizeX();
  virtual void StatusBarFillBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR,
                                       const TRect& ASourceR, const TRect& AWholeR, HBRUSH ABrush, TColor AColor);
  virtual TRect StatusBarBorderOffsets();
  virtual Integer StatusBarTopBorderSize();
  virtual TSize StatusBarGripSize();

  // ---- Quick customization and item indents -----------------------------------------------------------------------
  virtual HBRUSH BarToolbarBrushEx2(TCustomdxBarControl* ABarControl);
  // A quick-customization row's frame: makes R square, answers its new right edge and leaves R the
  // content rectangle.
  virtual Integer DrawQuickCustItemFrame(TdxBarItemControl* AControl, HDC DC, TRect& R, bool ASelected);
  // The selection of a quick-customization row: ARect1 the check cell, ARect2 the row's content.
  virtual void DrawQuickCustItemFrameSelected(TdxBarItemControl* AControl, HDC DC, const TRect& ARect1,
                                              const TRect& ARect2, bool ASelected);
  virtual bool IsQuickControlPopupOnRight();
  virtual Integer GetTailAreaSize(TdxBarItemControl* AControl);
  virtual TRect ItemControlGetIndents();

  // ---- Buttons and their drop-down arrows -------------------------------------------------------------------------
  virtual HBRUSH ButtonControlArrowBrush(TdxBarButtonLikeControlDrawParams* ADrawParams);
  virtual bool IsButtonControlArrowBackgroundOpaque(TdxBarButtonLikeControlDrawParams* ADrawParams);
  virtual bool IsButtonControlArrowDrawSelected(TdxBarButtonLikeControlDrawParams* ADrawParams);
  virtual bool IsButtonControlArrowFlat();
  virtual bool IsDropDownRepaintNeeded();
  virtual Integer GetButtonBorderHeight();
  virtual Integer GetButtonBorderWidth();
  virtual Integer GetButtonHeight(Integer AHeight);
  virtual Integer GetButtonWidth(Integer AWidth);
  virtual TSize GetButtonSize(Integer AWidth, Integer AHeight);
  virtual TSize GetDefaultArrowSignSize();
  virtual void CorrectButtonControlDefaultHeight(Integer& AHeight);
  virtual void CorrectButtonControlDefaultWidth(Integer& AWidth);
  virtual void OffsetCaptionBounds(bool ADown, bool APressed, TRect& R);
  virtual void OffsetEllipsisBounds(bool APressed, TRect& R);
  virtual void DrawButtonLikeControl(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R);
  virtual void DrawButtonLikeControlCaption(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R,
                                            const TRect& AImageRect);
  virtual void DrawButtonControlArrow(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R);
  virtual void DrawButtonControlArrowBackground(TdxBarButtonLikeControlDrawParams* ADrawParams, TRect& R,
                                                HBRUSH ABrush);
  virtual void DrawSplitControlArrow(TdxBarButtonLikeControlDrawParams* ADrawParams, TRect R);
  virtual void DrawAssociateControlArrow(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R);
  // A menu row: the glyph in the icon column, the caption, its description and its shortcut.
  void DrawGlyphAndTextInSubMenu(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R);

  // ---- Combo boxes and drop-down list boxes -----------------------------------------------------------------------
  virtual TColor ComboControlArrowColor(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual HBRUSH ComboControlButtonBrush(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual Integer ComboControlArrowOffset();
  virtual TRect ComboControlButtonOffsets();
  virtual void ComboControlDrawArrowButton(TdxBarEditLikeControlDrawParams* ADrawParams, TRect R);
  virtual void ComboControlDrawSimpleButton(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R);
  virtual Integer DropDownListBoxBorderSize();
  virtual void DropDownListBoxDrawBorder(HDC DC, TColor AColor, TRect R);

  // ---- Menus ------------------------------------------------------------------------------------------------------
  virtual bool SubMenuControlHasBand();
  virtual bool SubMenuControlIsOffsetRecentGroupNeeded();
  virtual Integer SubMenuControlArrowsOffset();
  virtual Integer SubMenuControlArrowWidth(Integer AHeight);
  virtual Integer SubMenuControlBeginGroupSize();
  virtual Integer SubMenuControlBorderSize();
  virtual Integer SubMenuControlNCBorderSize();
  virtual Integer SubMenuControlClientBorderSize();
  // The arrow width and the expand mark's height of a menu whose items are AItemHeight high.
  virtual void SubMenuControlCalcDrawingConsts(cxGraphics::TcxCanvas* ACanvas, Integer AItemHeight,
                                               Integer& AMenuArrowWidth, Integer& AMarkSize);
  virtual TRect SubMenuControlContentRectOffset();
  virtual Integer SubMenuControlDetachCaptionAreaSize(TCustomdxBarControl* ABarSubMenuControl);
  virtual Integer SubMenuControlGetBandSize(TCustomdxBarControl* ABarSubMenuControl);
  virtual Integer SubMenuControlGetControlContentIndent(TCustomdxBarControl* ABarSubMenuControl);
  virtual Integer SubMenuControlInternalBorderSize();
  virtual Integer SubMenuControlInternalBorderOffset();
  virtual Integer SubMenuControlMarkArrowSize(Integer AHeight);
  virtual Integer SubMenuControlNormalItemHeight();
  virtual TRect SubMenuControlGetItemIconRect(const TRect& AItemRect, Integer AWidth);
  virtual TRect SubMenuControlGetItemTextRect(TdxBarItemControl* AControl, const TRect& AItemRect);
  virtual Integer SubMenuControlGetItemTextIndent(TdxBarItemControl* AControl);
  virtual TRect SubMenuControlBeginGroupRect(TCustomdxBarControl* ABarSubMenuControl, TdxBarItemControl* AControl,
                                             const TRect& AItemRect);
  virtual void SubMenuControlOffsetDetachCaptionRect(TRect& R);
  virtual void SubMenuControlDrawScrollButton(TCustomdxBarControl* ABarSubMenuControl, HDC DC, const TRect& R);
  virtual void SubMenuControlDrawBackground(TCustomdxBarControl* ABarSubMenuControl, cxGraphics::TcxCanvas* ACanvas,
                                            const TRect& R, HBRUSH ABrush, TColor AColor);
  virtual void SubMenuControlDrawBorder(TCustomdxBarControl* ABarSubMenuControl, HDC DC, TRect R);
  virtual void SubMenuControlDrawClientBorder(TCustomdxBarControl* ABarSubMenuControl, HDC DC, const TRect& R,
                                              HBRUSH ABrush);
  virtual void SubMenuControlDrawDetachCaption(TCustomdxBarControl* ABarSubMenuControl, HDC DC, TRect R);
  virtual void SubMenuControlDrawBeginGroup(TCustomdxBarControl* ABarSubMenuControl, TdxBarItemControl* AControl,
                                            cxGraphics::TcxCanvas* ACanvas, const TRect& R);
  virtual void SubMenuControlDrawItemFrame(TdxBarItemControl* AControl, cxGraphics::TcxCanvas* ACanvas,
                                           const TRect& R, Integer AIndex);
  virtual void SubMenuControlDrawSeparator(cxGraphics::TcxCanvas* ACanvas, const TRect& ARect);
  virtual void SubMenuControlPrepareBkBrush(HBRUSH& ABrush);
  virtual Integer SubMenuControlTextSize(cxGraphics::TcxCanvas* ACanvas);
  virtual HBRUSH SubMenuControlToolbarItemsBrush();

  // ---- Application menu and extra menu ----------------------------------------------------------------------------
  virtual void ApplicationMenuDrawBorder(TCustomdxBarControl* ABarSubMenuControl, HDC DC, TRect R);
  virtual void ApplicationMenuDrawButton(TdxBarApplicationMenuButtonControlDrawParams* ADrawParams, const TRect& R);
  virtual void ApplicationMenuDrawContentArea(TCustomdxBarControl* ABarSubMenuControl,
                                              cxGraphics::TcxCanvas* ACanvas, const TRect& R,
                                              const TRect& AContentRect);
  virtual TRect ApplicationMenuGetFrameSizes();
  virtual void ExtraMenuControlDrawBackground(TCustomdxBarControl* ABarControl, cxGraphics::TcxCanvas* ACanvas,
                                              const TRect& R, HBRUSH ABrush);
  virtual void ExtraMenuControlDrawBeginGroup(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                              HBRUSH ABrush, bool AHorz);

  // ---- Edits and edit-like controls -------------------------------------------------------------------------------
  virtual void EditDrawInterior(TdxBarItemControl* AEditControl, cxGraphics::TcxCanvas* ACanvas, const TRect& R);
  virtual cxLookAndFeels::TcxLookAndFeel* EditGetRealLookAndFeel(TdxBarManager* ABarManager,
                                                                  cxLookAndFeels::TcxLookAndFeel* ALookAndFeel);
  virtual TColor EditGetEnabledBkColor();
  virtual TColor EditGetDisabledBkColor(TdxBarItemControl* AControl);
  virtual TColor EditGetBkColor(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual TColor EditGetEnabledTextColor();
  virtual TColor EditGetDisabledTextColor();
  virtual TColor EditGetTextColor(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual void EditGetColors(TdxBarItemControl* AEditControl, TColor& ATextColor, TColor& ABkColor);
  virtual bool EditButtonAllowOffsetContent();
  virtual bool EditButtonAllowCompositeFrame();
  virtual bool EditButtonAllowHotTrack(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual bool EditButtonIsCustomBorder();
  // AState: the edit button's state (0 disabled, 1 normal, 2 pressed, 3 hot).
  virtual bool EditButtonIsCustomBackground(Integer AState);
  virtual void EditButtonCorrectDefaultWidth(Integer& AWidth);
  virtual void EditButtonDrawBackground(TdxBarEditLikeControlDrawParams* ADrawParams, HDC DC, const TRect& R);
  virtual void EditButtonDrawBorder(TdxBarEditLikeControlDrawParams* ADrawParams, HDC DC, TRect& R);
  // One row of a combo's list (AIndex -1: the combo's own text).
  virtual void CustomComboDrawItem(TdxBarItem* ACombo, cxGraphics::TcxCanvas* ACanvas, Integer AIndex,
                                   const TRect& R, StdCtrls::TOwnerDrawState AState);
  virtual void DrawEditLikeControl(TdxBarEditLikeControlDrawParams* ADrawParams, const TRect& R);
  virtual TRect EditControlBorderOffsets();
  virtual void EditControlDrawBackground(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual void EditControlDrawBorder(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R);
  virtual void EditControlDrawCaption(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual void EditControlDrawSelectionFrame(TdxBarEditLikeControlDrawParams* ADrawParams, const TRect& R);
  virtual void EditControlDrawGlyph(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual bool EditControlCaptionBackgroundIsOpaque(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual bool EditControlCaptionRightIndentIsOpaque(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual void EditControlDrawTextField(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual DWORD EditControlES_Style();
  virtual bool EditControlShowIconDefault(TdxBarPaintType APaintType);
  virtual TRect EditControlIndents(TdxBarEditLikeControlDrawParams* ADrawParams, TdxBarItemControlPart APart);
  virtual Integer EditControlCaptionLeftIndent(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual Integer EditControlCaptionRelativeLeftIndent(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual Integer EditControlCaptionAbsoluteLeftIndent(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual Integer EditControlCaptionRightIndent();
  virtual TRect EditControlSubMenuGlyphIndents(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual HBRUSH EditControlGetRightCaptionIndentBrush(TdxBarItemControl* AControl);
  virtual bool EditControlGlyphIsDrawSelected(TdxBarEditLikeControlDrawParams* ADrawParams);
  virtual void EditControlPrepareEditWnd(TdxBarItemControl* AControl, HWND AEditWnd);
  virtual void EditControlUpdateWndText(HWND AEditWnd, bool ANotify);
  virtual bool HasEditControlExternalFrame(TdxBarPaintType APaintType, bool ATransparent);

  // ---- Colour combo -----------------------------------------------------------------------------------------------
  virtual bool ColorComboHasCompleteFrame();
  virtual bool IsCustomColorButtonVisible(TdxBarColorComboControlDrawParams* ADrawParams);
  virtual void ColorComboCorrectFrameRect(TdxBarColorComboControlDrawParams* ADrawParams, TRect& R);
  virtual TRect GetCustomColorButtonIndents();
  virtual void ColorComboDrawCustomButton(TdxBarColorComboControlDrawParams* ADrawParams, TRect R);
  virtual void ColorComboDrawCustomButtonAdjacentZone(TdxBarColorComboControlDrawParams* ADrawParams, TRect R);

  // ---- System panel (the size grip under a drop-down list) --------------------------------------------------------
  virtual void SysPanelCalcSize(HWND AWnd, TRect& R, TRect& ASysPanelR, bool ASysPanelShown, TdxBarItem* AItem,
                                TdxCorner& ACorner);
  virtual void SysPanelDraw(HWND AWnd, bool ASizeable, bool ACloseButtonIsTracking, bool AMouseAboveCloseButton,
                            TRect& ACloseButtonRect, TRect& AGripRect, TdxCorner ACorner);
  virtual Integer SysPanelSize();

  // ---- Date navigator ---------------------------------------------------------------------------------------------
  virtual bool IsDateNavigatorFlat();
  virtual void DateNavigatorDrawButton(cxGraphics::TcxCanvas* ACanvas, TRect R, const String& AText, bool APressed);
  virtual TColor DateNavigatorHeaderColor();

  // ---- Spin edit ----------------------------------------------------------------------------------------------------
  virtual void GetSpinEditArrowPos(TdxBarSpinEditDrawParams* ADrawParams, const TRect& AButtonRect, TPoint& P,
                                   TdxBarSpinEditButton AButton);
  virtual void SpinEditCorrectFrameRect(TdxBarSpinEditDrawParams* ADrawParams, TRect& R);
  virtual TSize GetSpinEditArrowSize(Integer AHeight);
  virtual void GetSpinEditButtonBounds(TdxBarSpinEditDrawParams* ADrawParams, const TRect& R, TRect& AUpRect,
                                       TRect& ADownRect);
  virtual TRect GetSpinEditButtonIndents();
  virtual Integer GetSpinEditButtonWidth(TdxBarSpinEditDrawParams* ADrawParams, const TRect& R);
  // 4 disabled, 3 the active (pressed) button, 2 the hot one, else 1.
  virtual Integer GetSpinEditButtonState(TdxBarSpinEditDrawParams* ADrawParams, TdxBarSpinEditButton AButton);
  virtual void SpinEditControlDrawButton(TdxBarSpinEditDrawParams* ADrawParams, TRect R, TdxBarSpinEditButton AButton);
  virtual void SpinEditControlDrawButtonsAdjacentZone(TdxBarSpinEditDrawParams* ADrawParams, const TRect& R);

  // ---- Progress bar -------------------------------------------------------------------------------------------------
  virtual TColor ProgressControlBarBrushColor();
  virtual Integer ProgressControlBarHeight();
  virtual void ProgressControlDrawBar(TdxBarProgressControlDrawParams* ADrawParams, const TRect& R, TColor AColor);
  virtual void ProgressControlDrawBackground(TdxBarProgressControlDrawParams* ADrawParams, const TRect& R);
  virtual void ProgressControlFillContent(TdxBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                          HBRUSH ABrush);
  virtual void ProgressControlFillDiscreteContent(TdxBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                                  HBRUSH ABrush);
  virtual Integer ProgressControlIndent(TdxBarProgressControlDrawParams* ADrawParams);

  // ---- Container and in-place sub-items -----------------------------------------------------------------------------
  virtual Integer ContainerControlSubMenuOffset();
  virtual HBRUSH InPlaceSubItemControlBrush();
  virtual Integer InPlaceSubItemGetArrowWidth(TdxBarItemControl* AControl);
  virtual Integer InPlaceSubItemGetTextIndent();
  virtual bool InPlaceSubItemControlIsFlatItemText(TdxBarInPlaceSubItemControlDrawParams* ADrawParams);
  virtual bool InPlaceSubItemControlIsArrowSelected(TdxBarInPlaceSubItemControlDrawParams* ADrawParams);
  virtual void InPlaceSubItemControlDrawArrow(TdxBarInPlaceSubItemControlDrawParams* ADrawParams, const TRect& R);
  virtual void InPlaceSubItemControlDrawBackground(TdxBarInPlaceSubItemControlDrawParams* ADrawParams,
                                                   const TRect& R);
  virtual void InPlaceSubItemControlDrawInMenu(TdxBarInPlaceSubItemControlDrawParams* ADrawParams, const TRect& R);

  // ---- Static controls and separators -------------------------------------------------------------------------------
  virtual void DrawStaticBackground(TdxBarStaticLikeControlDrawParams* ADrawParams, const TRect& R);
  virtual void DrawStaticBorder(TdxBarStaticLikeControlDrawParams* ADrawParams, TRect& R);
  virtual void DrawStaticGlyphAndCaption(TdxBarStaticLikeControlDrawParams* ADrawParams, const TRect& R);
  virtual void DrawStaticLikeControl(TdxBarStaticLikeControlDrawParams* ADrawParams, const TRect& R,
                                     const TRect& AContentRect);
  virtual bool StaticBackgroundIsOpaque(TdxBarItemControl* AControl);
  virtual TRect StaticControlGetBorderOffsets(TdxBarStaticBorderStyle AStyle);
  virtual TRect SeparatorControlGetIndents();
  virtual Integer SubMenuGetSeparatorSize();
  virtual void DrawSeparatorGlyphAndCaption(TdxBarSeparatorControlDrawParams* ADrawParams, const TRect& R);
  virtual void DrawSeparatorControl(TdxBarSeparatorControlDrawParams* ADrawParams, const TRect& R);

  // ---- Screen tips --------------------------------------------------------------------------------------------------
  virtual TColor ScreenTipGetDescriptionTextColor();
  virtual TColor ScreenTipGetTitleTextColor();
  virtual Integer ScreenTipGetFooterLineSize();
  virtual void ScreenTipDrawBackground(cxGraphics::TcxCanvas* ACanvas, const TRect& R);
  virtual void ScreenTipDrawFooterLine(cxGraphics::TcxCanvas* ACanvas, const TRect& R);

  NativeInt GetData() const { return FData; }

 private:
  NativeInt FData;
};

// The painter classes, one for each real paint style.
class TdxBarStandardPainter : public TdxBarPainter {
  DECLARE_CLASS(TdxBarStandardPainter, TdxBarPainter)
 public:
  using TdxBarPainter::TdxBarPainter;
  Integer GetBorderSize() override;
  Integer GlyphDownShift() override;
  Integer GlyphDrawDownedShift(bool ADown) override;
  Integer LoweredBorderSize() override;
  Integer BeforeFingersSize() override;
  Integer FingersSize() override;
  Integer SubMenuBeginGroupIndent() override;
  TRect GetEditTextVerticalOffsets() override;
  TRect GetCaptionOffsets() override;
  bool IgnoreGlyphOpaque() override;
  bool BarUseSystemClose() override;
  bool BarUseSystemNCBorder() override;
  bool SubMenuControlIsOffsetRecentGroupNeeded() override;
  bool BarIsBarSmall(const TRect& R) override;
  bool BarAllowHotTrack() override;
  bool BarAllowQuickCustomizing() override;
  Integer BarHorSize() override;
  Integer BarTopSize() override;
  Integer BarBottomSize() override;
  Integer SubMenuControlClientBorderSize() override;
  void FrameAndFillRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, bool APressed, bool ASelected,
                        bool AEnabled) override;
  void BarDrawFloatingBarBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, const TRect& AClientR,
                                HBRUSH ABrush) override;
  // Drawing.
  void DrawGlyphBorder(TdxBarItemControl* AControl, HDC DC, HBRUSH ABrush, const TRect& R, TdxBarPaintType APaintType,
                       const TdxBarGlyphState& AState) override;
  HBRUSH GlyphBkgndBrush(TdxBarItemControl* AControl, TdxBarPaintType APaintType,
                         const TdxBarGlyphState& AState) override;
  void DrawButtonControlArrowBackground(TdxBarButtonLikeControlDrawParams* ADrawParams, TRect& R,
                                        HBRUSH ABrush) override;
  void DrawDisabledShadowRect(TdxBarItemControl* AControl, HDC DC, const TRect& R) override;
  void DrawGlyphCheckMark(TdxBarItemControl* AControl, HDC DC, const TRect& R, TdxBarPaintType APaintType,
                          const TdxBarGlyphState& AState) override;
  void ComboControlDrawSimpleButton(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) override;
  void DropDownListBoxDrawBorder(HDC DC, TColor AColor, TRect R) override;
  void BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH ABrush) override;
  void BarDrawCloseButton(TCustomdxBarControl* ABarControl, HDC DC, TRect R) override;
  void BarDrawMDIButton(TCustomdxBarControl* ABarControl, TdxBarMDIButton AButton, Integer AState, HDC DC,
                        TRect R) override;
  TRect BarMarkItemRect(TCustomdxBarControl* ABarControl) override;
  void BarDrawMarkBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush) override;
  void BarDrawMarkAtPos(HDC DC, Integer X, Integer Y, bool AVertical, TColor AColor) override;
  void DrawItemBackgroundInSubMenu(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R) override;
  void SubMenuControlDrawItemFrame(TdxBarItemControl* AControl, cxGraphics::TcxCanvas* ACanvas, const TRect& R,
                                   Integer AIndex) override;
};
class TdxBarEnhancedPainter : public TdxBarStandardPainter {
  DECLARE_CLASS(TdxBarEnhancedPainter, TdxBarStandardPainter)
 public:
  using TdxBarStandardPainter::TdxBarStandardPainter;
  Integer BeforeFingersSize() override;
  Integer FingersSize() override;
  Integer SubMenuBeginGroupIndent() override;
  bool BarAllowQuickCustomizing() override;
  void BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH ABrush) override;
  void BarDrawMarkBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush) override;
  void BarDrawMarkAtPos(HDC DC, Integer X, Integer Y, bool AVertical, TColor AColor) override;
};
// The flat look: one-pixel frames, the manager's flat brushes, a tinted glyph column in menus.
class TdxBarFlatPainter : public TdxBarPainter {
  DECLARE_CLASS(TdxBarFlatPainter, TdxBarPainter)
 public:
  using TdxBarPainter::TdxBarPainter;
  Integer GetBorderSize() override;
  Integer LoweredBorderSize() override;
  Integer BeforeFingersSize() override;
  Integer FingersSize() override;
  bool IsFlatGlyphImage() override;
  bool IsFlatItemText() override;
  bool IsGlyphImageHasShadow() override;
  bool BarChildrenHaveShadows() override;
  bool IsQuickControlPopupOnRight() override;
  bool IsDateNavigatorFlat() override;
  Integer RealButtonArrowWidth(TdxBarManager* ABarManager) override;
  Integer RealLargeButtonArrowWidth(TdxBarManager* ABarManager) override;
  Integer SubMenuBeginGroupIndent() override;
  HBRUSH BarToolbarBrush() override;
  HBRUSH BarToolbarDownedBrush() override;
  HBRUSH BarToolbarDownedSelBrush() override;
  HBRUSH BarToolbarSelBrush() override;
  HBRUSH SubMenuControlToolbarItemsBrush() override;
  Integer BarBeginGroupSize() override;
  Integer BarBeginGroupSideSize() override;
  void CorrectButtonControlDefaultHeight(Integer& AHeight) override;
  void CorrectButtonControlDefaultWidth(Integer& AWidth) override;
  Integer SubMenuControlArrowsOffset() override;
  Integer SubMenuControlBeginGroupSize() override;
  Integer SubMenuControlMarkArrowSize(Integer AHeight) override;
  Integer SubMenuControlNormalItemHeight() override;
  void SubMenuControlOffsetDetachCaptionRect(TRect& R) override;
  TColor BarCaptionBkColor(bool AActive) override;
  TRect EditControlBorderOffsets() override;
  Integer EditControlCaptionAbsoluteLeftIndent(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  Integer EditControlCaptionRightIndent() override;
  TRect EditControlSubMenuGlyphIndents(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  Integer ContainerControlSubMenuOffset() override;
  virtual TColor SubMenuControlGetSeparatorColor();
  Integer GetControlCaptionOffset(TdxBarItemControl* AControl) override;
  TColor BarMarkArrowColor(TdxBarMarkState AState) override;
  TColor GetDrawMarkElementColor(TdxBarMarkState AState) override;
  bool EditControlGlyphIsDrawSelected(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  bool HasEditControlExternalFrame(TdxBarPaintType APaintType, bool ATransparent) override;
  TColor ComboControlArrowColor(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  Integer EditControlCaptionRelativeLeftIndent(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  HBRUSH EditControlGetRightCaptionIndentBrush(TdxBarItemControl* AControl) override;
  bool InPlaceSubItemControlIsArrowSelected(TdxBarInPlaceSubItemControlDrawParams* ADrawParams) override;
  void CalculateSpinEditParts(TdxBarSpinEditDrawParams* ADrawParams, TdxBarControlParts& AParts,
                              const TRect& R) override;
  void SubMenuControlDrawNonRecentGroupSeparator(TCustomdxBarControl* ABarSubMenuControl,
                                                 cxGraphics::TcxCanvas* ACanvas, bool ABottom) override;
  Integer DrawQuickCustItemFrame(TdxBarItemControl* AControl, HDC DC, TRect& R, bool ASelected) override;
  void DrawQuickCustItemFrameSelected(TdxBarItemControl* AControl, HDC DC, const TRect& ARect1, const TRect& ARect2,
                                      bool ASelected) override;
  void BarDrawMDIButton(TCustomdxBarControl* ABarControl, TdxBarMDIButton AButton, Integer AState, HDC DC,
                        TRect R) override;
  void DateNavigatorDrawButton(cxGraphics::TcxCanvas* ACanvas, TRect R, const String& AText, bool APressed) override;
  void SysPanelDraw(HWND AWnd, bool ASizeable, bool ACloseButtonIsTracking, bool AMouseAboveCloseButton,
                    TRect& ACloseButtonRect, TRect& AGripRect, TdxCorner ACorner) override;
  void CustomComboDrawItem(TdxBarItem* ACombo, cxGraphics::TcxCanvas* ACanvas, Integer AIndex, const TRect& R,
                           StdCtrls::TOwnerDrawState AState) override;
  void SubMenuControlDrawDetachCaption(TCustomdxBarControl* ABarSubMenuControl, HDC DC, TRect R) override;
  // The selection frame: the highlight-text colour in the high-contrast schemes.
  void FrameFlatSelRect(HDC DC, const TRect& R) override;
  void FrameAndFillRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, bool APressed, bool ASelected,
                        bool AEnabled) override;
  void DrawLowered(HDC DC, TRect& R) override;
  void SubMenuControlDrawSeparator(cxGraphics::TcxCanvas* ACanvas, const TRect& ARect) override;
  void BarDrawFloatingBarBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, const TRect& AClientR,
                                HBRUSH ABrush) override;
  // The operations the flat look adds: a small button's frame, the glyph column's brush, a static
  // control's border brush, and the frame and link that join a button to its open popup.
  virtual void DrawFrameRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, HBRUSH ABrush,
                             TdxBarPaintType APaintType, bool ASelected, bool APressed);
  virtual HBRUSH GetToolbarBrush(TdxBarItemControl* AControl);
  virtual HBRUSH StaticBorderBrush(TdxBarItemControl* AControl, TdxBarStaticBorderStyle AStyle);
  virtual void BarDrawBarControlOwner(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R);
  virtual void BarDrawBarControlOwnerBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                            TdxBarItemControl* AControl);
  virtual void BarDrawBarControlOwnerFrame(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R);
  virtual void BarDrawBarControlOwnerLink(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ALinkR,
                                          const TRect& R, TdxBarItemControl* AControl);
  // Drawing.
  HBRUSH GlyphBkgndBrush(TdxBarItemControl* AControl, TdxBarPaintType APaintType,
                         const TdxBarGlyphState& AState) override;
  bool IsGlyphImageBackgroundOpaque(TdxBarItemControl* AControl, TdxBarPaintType APaintType,
                                    const TdxBarGlyphState& AState) override;
  void DrawGlyphBorder(TdxBarItemControl* AControl, HDC DC, HBRUSH ABrush, const TRect& R, TdxBarPaintType APaintType,
                       const TdxBarGlyphState& AState) override;
  void DrawGlyphCheckMark(TdxBarItemControl* AControl, HDC DC, const TRect& R, TdxBarPaintType APaintType,
                          const TdxBarGlyphState& AState) override;
  void DrawButtonControlArrowBackground(TdxBarButtonLikeControlDrawParams* ADrawParams, TRect& R,
                                        HBRUSH ABrush) override;
  HBRUSH ButtonControlArrowBrush(TdxBarButtonLikeControlDrawParams* ADrawParams) override;
  void BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH ABrush) override;
  void BarDrawBeginGroup(TCustomdxBarControl* ABarControl, HDC DC, TRect R, HBRUSH ABrush, bool AHorz) override;
  void BarDrawCloseButton(TCustomdxBarControl* ABarControl, HDC DC, TRect R) override;
  void BarDrawMark(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, TdxBarMarkState AState) override;
  void BarDrawMarkBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush) override;
  void DrawItemBackgroundInSubMenu(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R) override;
  void SubMenuControlDrawBorder(TCustomdxBarControl* ABarSubMenuControl, HDC DC, TRect R) override;
  void SubMenuControlDrawClientBorder(TCustomdxBarControl* ABarSubMenuControl, HDC DC, const TRect& R,
                                      HBRUSH ABrush) override;
  void SubMenuControlDrawBeginGroup(TCustomdxBarControl* ABarSubMenuControl, TdxBarItemControl* AControl,
                                    cxGraphics::TcxCanvas* ACanvas, const TRect& R) override;
  Integer TextAreaOffset(TdxBarItemControl* AControl) override;
  TRect SubMenuControlGetItemIconRect(const TRect& AItemRect, Integer AWidth) override;
  TRect SubMenuControlGetItemTextRect(TdxBarItemControl* AControl, const TRect& AItemRect) override;
  Integer SubMenuControlGetItemTextIndent(TdxBarItemControl* AControl) override;
  Integer SubMenuControlDetachCaptionAreaSize(TCustomdxBarControl* ABarSubMenuControl) override;
  Integer SubMenuControlTextSize(cxGraphics::TcxCanvas* ACanvas) override;
  HBRUSH BarToolbarBrushEx(TCustomdxBarControl* ABarControl) override;
  HBRUSH BarToolbarBrushEx2(TCustomdxBarControl* ABarControl) override;
  bool EditControlCaptionRightIndentIsOpaque(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  bool InPlaceSubItemControlIsFlatItemText(TdxBarInPlaceSubItemControlDrawParams* ADrawParams) override;
  void BarOffsetFloatingBarCaption(TCustomdxBarControl* ABarControl, Integer& X, TRect& R) override;
  void EditControlDrawBorder(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) override;
  void EditControlDrawSelectionFrame(TdxBarEditLikeControlDrawParams* ADrawParams, const TRect& R) override;
  void ComboControlDrawSimpleButton(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) override;
  HBRUSH ComboControlButtonBrush(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  void SpinEditControlDrawButton(TdxBarSpinEditDrawParams* ADrawParams, TRect R,
                                 TdxBarSpinEditButton AButton) override;
  void DrawStaticBorder(TdxBarStaticLikeControlDrawParams* ADrawParams, TRect& R) override;
  void SubMenuControlDrawMarkSelection(TCustomdxBarControl* ABarSubMenuControl, HDC DC, const TRect& R) override;
  void SubMenuControlCalcDrawingConsts(cxGraphics::TcxCanvas* ACanvas, Integer AItemHeight, Integer& AMenuArrowWidth,
                                       Integer& AMarkSize) override;

 protected:
  // The three-stroke check mark centred in R, ARowCount rows thick (times the scale) from AFirstRow.
  static void DrawCheckMarkStrokes(HDC DC, const TRect& R, COLORREF AColor, Integer AFirstRow, Integer ARowCount);
  // The glyph column's part of a menu strip.
  virtual void DrawMenuColumnPart(TdxBarItemControl* AControl, HDC DC, const TRect& R);
};

// The flat painter that draws for users independent of a manager: the class's shared instance.
TdxBarFlatPainter* dxBarFlatPainter();

// The Office 2003 look: the flat geometry in the colours of the Office 2003 scheme, with gradients.
class TdxBarOffice11Painter : public TdxBarFlatPainter {
  DECLARE_CLASS(TdxBarOffice11Painter, TdxBarFlatPainter)
 public:
  using TdxBarFlatPainter::TdxBarFlatPainter;
  // The dock background left before a toolbar's leading edge.
  virtual Integer BarBeforeFingersIndent();
  bool IsFlatGlyphImage() override;
  bool IsGlyphImageHasShadow() override;
  bool IgnoreNonRecentColor() override;
  bool IsNativeBackground() override;
  bool SubMenuControlHasBand() override;
  bool IsItemTextSelectedInverted() override;
  Integer BorderSizeX() override;
  Integer BorderSizeY() override;
  Integer EmptyFingersSize() override;
  Integer BeforeFingersSize() override;
  Integer ComboBoxArrowWidth(Integer AWidth) override;
  HBRUSH BarToolbarBrush() override;
  HBRUSH BarToolbarDownedBrush() override;
  HBRUSH BarToolbarDownedSelBrush() override;
  HBRUSH BarToolbarSelBrush() override;
  HBRUSH SubMenuControlToolbarItemsBrush() override;
  TColor BarCaptionBkColor(bool AActive) override;
  TColor BarCaptionColor() override;
  TColor EditGetDisabledTextColor() override;
  TColor DateNavigatorHeaderColor() override;
  HBRUSH InPlaceSubItemControlBrush() override;
  void SubMenuControlOffsetDetachCaptionRect(TRect& R) override;
  TColor SubMenuControlGetSeparatorColor() override;
  void FrameFlatSelRect(HDC DC, const TRect& R) override;
  void FrameAndFillRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, bool APressed, bool ASelected,
                        bool AEnabled) override;
  void BarDrawFloatingBarBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, const TRect& AClientR,
                                HBRUSH ABrush) override;
  // The grip's dots along R: a column of them on a horizontal bar.
  virtual void BarDrawFingerElements(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, bool AHorizontal);
  // Drawing.
  void DockControlFillBackground(TdxDockControl* ADockControl, HDC DC, const TRect& ADestR, const TRect& ASourceR,
                                 const TRect& AWholeR, HBRUSH ABrush, TColor AColor) override;
  void BarDrawDockedBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR, const TRect& ASourceR,
                               HBRUSH ABrush, TColor AColor) override;
  void BarDrawFloatingBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR, const TRect& ASourceR,
                                 HBRUSH ABrush, TColor AColor) override;
  TRect BarBorderPaintSizes(TCustomdxBarControl* ABarControl) override;
  void BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH ABrush) override;
  void BarDrawFloatingBarCaption(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, TRect ACaptionR,
                                 HBRUSH ABrush) override;
  void BarDrawCaptionElement(TCustomdxBarControl* ABarControl, HDC DC, TdxBarMarkState AState, TRect& R) override;
  void BarDrawBeginGroup(TCustomdxBarControl* ABarControl, HDC DC, TRect R, HBRUSH ABrush, bool AHorz) override;
  TRect BarMarkRect(TCustomdxBarControl* ABarControl) override;
  void BarDrawMarkBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush) override;
  void BarDrawMarkElements(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R) override;
  void BarDrawOwnerLink(TCustomdxBarControl* ABarControl, HDC DC) override;
  void BarDrawBarControlOwnerFrame(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R) override;
  void BarDrawBarControlOwnerLink(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ALinkR, const TRect& R,
                                  TdxBarItemControl* AControl) override;
  void DrawGlyphBorder(TdxBarItemControl* AControl, HDC DC, HBRUSH ABrush, const TRect& R, TdxBarPaintType APaintType,
                       const TdxBarGlyphState& AState) override;
  HBRUSH ButtonControlArrowBrush(TdxBarButtonLikeControlDrawParams* ADrawParams) override;
  HBRUSH BarToolbarBrushEx2(TCustomdxBarControl* ABarControl) override;
  HBRUSH BarControlOwnerBrush(TdxBarManager* ABarManager) override;
  HBRUSH GetToolbarBrush(TdxBarItemControl* AControl) override;
  HBRUSH StaticBorderBrush(TdxBarItemControl* AControl, TdxBarStaticBorderStyle AStyle) override;
  bool BarHasShadow(TCustomdxBarControl* ABarControl) override;
  bool GetFaded(TCustomdxBarControl* ABarControl) override;
  TColor BarMarkArrowColor(TdxBarMarkState AState) override;
  TColor GetDefaultEnabledTextColor(TdxBarItemControl* AControl, bool ASelected, bool AFlat) override;
  void GetDisabledTextColors(TdxBarItemControl* AControl, bool ASelected, bool AFlat, TColor& AColor1,
                             TColor& AColor2) override;
  TColor EditGetDisabledBkColor(TdxBarItemControl* AControl) override;
  void DrawItemArrow(HDC DC, const TRect& R, TcxArrowDirection ADirection, bool AEnabled, bool ASelected, bool AFlat,
                     TColor AColor = clDefault) override;
  void DrawLargeItemArrow(HDC DC, const TRect& R, TcxArrowDirection ADirection, Integer ASize, bool AEnabled,
                          bool ASelected, bool AFlat, TColor AColor = clDefault) override;
  void SubMenuControlDrawBackground(TCustomdxBarControl* ABarSubMenuControl, cxGraphics::TcxCanvas* ACanvas,
                                    const TRect& R, HBRUSH ABrush, TColor AColor) override;
  void DrawItemBackgroundInSubMenu(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R) override;
  void SubMenuControlDrawBorder(TCustomdxBarControl* ABarSubMenuControl, HDC DC, TRect R) override;
  void SubMenuControlDrawClientBorder(TCustomdxBarControl* ABarSubMenuControl, HDC DC, const TRect& R,
                                      HBRUSH ABrush) override;
  void SubMenuControlDrawDetachCaption(TCustomdxBarControl* ABarSubMenuControl, HDC DC, TRect R) override;
  void DropDownListBoxDrawBorder(HDC DC, TColor AColor, TRect R) override;
  Integer SubMenuControlDetachCaptionAreaSize(TCustomdxBarControl* ABarSubMenuControl) override;
  bool EditControlCaptionBackgroundIsOpaque(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  bool EditControlCaptionRightIndentIsOpaque(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  void DrawFrameRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, HBRUSH ABrush, TdxBarPaintType APaintType,
                     bool ASelected, bool APressed) override;
  void EditControlDrawBorder(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) override;
  void EditButtonDrawBackground(TdxBarEditLikeControlDrawParams* ADrawParams, HDC DC, const TRect& R) override;
  HBRUSH ComboControlButtonBrush(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  void ComboControlDrawSimpleButton(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) override;
  void SubMenuControlCalcDrawingConsts(cxGraphics::TcxCanvas* ACanvas, Integer AItemHeight, Integer& AMenuArrowWidth,
                                       Integer& AMarkSize) override;
  void SubMenuControlDrawMarkContent(TCustomdxBarControl* ABarSubMenuControl, HDC DC, const TRect& R,
                                     bool ASelected) override;
  bool EditControlShowIconDefault(TdxBarPaintType APaintType) override;
  Integer EditControlCaptionAbsoluteLeftIndent(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  TRect EditControlSubMenuGlyphIndents(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  bool EditButtonIsCustomBackground(Integer AState) override;
  Integer ProgressControlIndent(TdxBarProgressControlDrawParams* ADrawParams) override;
  TColor ComboControlArrowColor(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  void DrawSeparatorGlyphAndCaption(TdxBarSeparatorControlDrawParams* ADrawParams, const TRect& R) override;
  void DateNavigatorDrawButton(cxGraphics::TcxCanvas* ACanvas, TRect R, const String& AText, bool APressed) override;
  void BarMarkRectInvalidate(TCustomdxBarControl* ABarControl) override;

  // Helpers of the look. The toolbar gradient's rectangle in the bar window: its whole size, less a
  // pixel at both ends across a toolbar.
  static TRect GetBarGradientRect(TCustomdxBarControl* ABarControl);
  // The gradient of a hot, pressed or checked button cell.
  static void GetSelectedColors(TdxBarItemControl* AControl, bool ADowned, bool ASelected, COLORREF& AColor1,
                                COLORREF& AColor2);
  // ADestR of a dock in the docking style's colours (a left dock plain in the first colour, a right
  // one in the second), the gradient spanning the dock's whole rectangle.
  static void FillDockBackground(HDC DC, const TRect& ADestR, const TRect& ASourceR, const TRect& AWholeR,
                                 TdxBarDockingStyle AStyle);
  // A menu's background: the glyph column ABandSize wide in the column gradient, the rest in ABrush.
  static void FillMenuBackground(HDC DC, const TRect& R, Integer ABandSize, HBRUSH ABrush, bool ANonRecent);
  // The mark of a bar without border or of the main menu is a plain gradient.
  static bool IsSimpleMark(TCustomdxBarControl* ABarControl);
  // A main-menu header or a button whose drop-down opens like a menu: drawn in the menu gradient when open.
  static bool IsMenuGradient(TdxBarItemControl* AControl);

 protected:
  void DrawMenuColumnPart(TdxBarItemControl* AControl, HDC DC, const TRect& R) override;
};

// The visual-styles look: theme parts for buttons, grips, separators, edits and progress bars. Its theme
// metrics are read when an XP painter is made and shared by all of them.
class TdxBarXPPainter : public TdxBarPainter {
  DECLARE_CLASS(TdxBarXPPainter, TdxBarPainter)
 public:
  using TdxBarPainter::TdxBarPainter;
  Integer GlyphDownShift() override;
  Integer GlyphDrawDownedShift(bool ADown) override;
  bool IsFlatGlyphImage() override;
  bool IsNativeBackground() override;
  bool BarCaptionTransparent() override;
  bool IsQuickControlPopupOnRight() override;
  bool IsButtonControlArrowFlat() override;
  bool IsDateNavigatorFlat() override;
  Integer BeforeFingersSize() override;
  Integer BarBorderSize() override;
  Integer ComboControlArrowOffset() override;
  Integer FingersSize() override;
  Integer GripperSize() override;
  Integer BarBeginGroupSize() override;
  Integer BarBeginGroupSideSize() override;
  Integer ComboBoxArrowWidth(Integer AWidth) override;
  Integer GetButtonBorderHeight() override;
  Integer GetButtonBorderWidth() override;
  TRect EditControlBorderOffsets() override;
  Integer ProgressControlBarHeight() override;
  Integer SubMenuControlBeginGroupSize() override;
  Integer SubMenuGetSeparatorSize() override;
  TSize BarCloseButtonSize() override;
  void CorrectButtonControlDefaultHeight(Integer& AHeight) override;
  Integer RealButtonArrowWidth(TdxBarManager* ABarManager) override;
  Integer RealLargeButtonArrowWidth(TdxBarManager* ABarManager) override;
  HBRUSH BarToolbarBrush() override;
  HBRUSH SubMenuControlToolbarItemsBrush() override;
  Integer SubMenuControlArrowsOffset() override;
  void SubMenuControlOffsetDetachCaptionRect(TRect& R) override;
  Integer GetDotSpaceAfter(Integer ADotSize) override;
  TRect GetCustomColorButtonIndents() override;
  TRect GetSpinEditButtonIndents() override;
  Integer EditControlCaptionAbsoluteLeftIndent(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  Integer EditControlCaptionRightIndent() override;
  TRect EditControlSubMenuGlyphIndents(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  TColor EditGetEnabledBkColor() override;
  TColor EditGetEnabledTextColor() override;
  TColor EditGetDisabledTextColor() override;
  TColor ProgressControlBarBrushColor() override;
  // Drawing.
  void DrawGlyphBorder(TdxBarItemControl* AControl, HDC DC, HBRUSH ABrush, const TRect& R, TdxBarPaintType APaintType,
                       const TdxBarGlyphState& AState) override;
  HBRUSH GlyphBkgndBrush(TdxBarItemControl* AControl, TdxBarPaintType APaintType,
                         const TdxBarGlyphState& AState) override;
  void DrawButtonControlArrowBackground(TdxBarButtonLikeControlDrawParams* ADrawParams, TRect& R,
                                        HBRUSH ABrush) override;
  void DrawButtonControlArrow(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R) override;
  void DrawGlyphCheckMark(TdxBarItemControl* AControl, HDC DC, const TRect& R, TdxBarPaintType APaintType,
                          const TdxBarGlyphState& AState) override;
  void DrawItemBackgroundInSubMenu(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R) override;
  void DockControlFillBackground(TdxDockControl* ADockControl, HDC DC, const TRect& ADestR, const TRect& ASourceR,
                                 const TRect& AWholeR, HBRUSH ABrush, TColor AColor) override;
  void BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH ABrush) override;
  void BarDrawFloatingBarBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, const TRect& AClientR,
                                HBRUSH ABrush) override;
  void BarCaptionFillBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush) override;
  void BarDrawCloseButton(TCustomdxBarControl* ABarControl, HDC DC, TRect R) override;
  void BarDrawMDIButton(TCustomdxBarControl* ABarControl, TdxBarMDIButton AButton, Integer AState, HDC DC,
                        TRect R) override;
  void BarDrawBeginGroup(TCustomdxBarControl* ABarControl, HDC DC, TRect R, HBRUSH ABrush, bool AHorz) override;
  void BarDrawMarkBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, HBRUSH ABrush) override;
  void SubMenuControlDrawBorder(TCustomdxBarControl* ABarSubMenuControl, HDC DC, TRect R) override;
  void SubMenuControlDrawClientBorder(TCustomdxBarControl* ABarSubMenuControl, HDC DC, const TRect& R,
                                      HBRUSH ABrush) override;
  void SubMenuControlDrawBeginGroup(TCustomdxBarControl* ABarSubMenuControl, TdxBarItemControl* AControl,
                                    cxGraphics::TcxCanvas* ACanvas, const TRect& R) override;
  void SubMenuControlDrawSeparator(cxGraphics::TcxCanvas* ACanvas, const TRect& ARect) override;
  void EditControlDrawBorder(TdxBarEditLikeControlDrawParams* ADrawParams, TRect& R) override;
  void ComboControlDrawArrowButton(TdxBarEditLikeControlDrawParams* ADrawParams, TRect R) override;
  void SpinEditControlDrawButton(TdxBarSpinEditDrawParams* ADrawParams, TRect R,
                                 TdxBarSpinEditButton AButton) override;
  bool GetFaded(TCustomdxBarControl* ABarControl) override;
  HBRUSH BarToolbarBrushEx(TCustomdxBarControl* ABarControl) override;
  bool EditControlCaptionRightIndentIsOpaque(TdxBarEditLikeControlDrawParams* ADrawParams) override;
  void BarOffsetFloatingBarCaption(TCustomdxBarControl* ABarControl, Integer& X, TRect& R) override;
  TColor EditGetDisabledBkColor(TdxBarItemControl* AControl) override;
  Integer SysPanelSize() override;
  bool IsMenuItem(TdxBarItemControl* AControl) override;
  HBRUSH EditControlGetRightCaptionIndentBrush(TdxBarItemControl* AControl) override;
  void DateNavigatorDrawButton(cxGraphics::TcxCanvas* ACanvas, TRect R, const String& AText, bool APressed) override;
  void ColorComboDrawCustomButton(TdxBarColorComboControlDrawParams* ADrawParams, TRect R) override;
  void ColorComboDrawCustomButtonAdjacentZone(TdxBarColorComboControlDrawParams* ADrawParams, TRect R) override;
  void DrawDot(TdxBarItemControlDrawParams* ADrawParams, const TRect& R) override;
  void ProgressControlDrawBar(TdxBarProgressControlDrawParams* ADrawParams, const TRect& R, TColor AColor) override;
  void SysPanelDraw(HWND AWnd, bool ASizeable, bool ACloseButtonIsTracking, bool AMouseAboveCloseButton,
                    TRect& ACloseButtonRect, TRect& AGripRect, TdxCorner ACorner) override;
  void CustomComboDrawItem(TdxBarItem* ACombo, cxGraphics::TcxCanvas* ACanvas, Integer AIndex, const TRect& R,
                           StdCtrls::TOwnerDrawState AState) override;

  // The native pieces other looks borrow while visual styles are on: the status bar's size grip, its
  // size and background, and the date navigator's button.
  static TSize StatusBarNativeGripSize();
  static void StatusBarFillNativeBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR,
                                            const TRect& ASourceR);
  static void BarDrawNativeGrip(HDC DC, const TRect& R);
  static void DateNavigatorDrawNativeButton(TdxBarPainter* APainter, cxGraphics::TcxCanvas* ACanvas, TRect R,
                                            const String& AText, bool APressed);

  // Reads the theme metrics again (every XP painter's construction does).
  static void InitParams();

 protected:
  void Construct() override;
};

// The painter class of a real paint style; the skin style takes dxBarSkinPainterClass.
TClass dxBarPainterClassOfPaintStyle(TdxBarRealPaintStyle AStyle);

// The lines of a multi-line item text broken to R's width, at most AMaxLineCount of them (none for a
// limit below 1): when lines must be dropped, the last kept line holds the whole rest of the text after
// the lines kept before it, so no word is shown twice or lost from the middle.
// Up to AMaxLineCount lines of AText from the top of R, each one "Wg" high, in the parameters' states.
void dxBarDrawItemMultilineText(TdxBarPainter* APainter, TdxBarItemControlDrawParams* ADrawParams,
                                const String& AText, TRect R, Integer AMaxLineCount, bool AFlat);

// The filled length of a progress bar ALength long: 0 for an empty range (AMax <= AMin).
Integer dxBarProgressFilledLength(Integer ALength, Integer AMin, Integer AMax, Integer APosition);

void dxBarGetItemTextLines(cxGraphics::TcxCanvas* ACanvas, const String& AText, const TRect& R,
                           Integer AMaxLineCount, StringLists::TStrings* ALines);

}  // namespace dxBar

using namespace dxBar;
