// The bar painters: stateless objects that draw every toolbar, dock, menu, item control and screen
// tip, answer their metrics and let the windows adapt their layout to the look. The manager holds one
// painter of the class its style chooses; the class operations read nothing of the painter object and
// may be called on the class's shared instance.
#pragma once

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

namespace dxBar {

class TdxBarCustomHintViewInfo;

enum TdxBarMDIButton { mdibMinimize, mdibRestore, mdibClose };
enum TdxBarStaticBorderStyle { sbsNone, sbsLowered, sbsRaised, sbsEtched, sbsBump };
enum TdxBarSpinEditButton { sbNone, sbUp, sbDown };

class TdxBarPainter : public TObject {
  DECLARE_CLASS(TdxBarPainter, TObject)
 public:
  // The painter of a manager is made with the look-and-feel's skin painter reference; the base ignores it.
  explicit TdxBarPainter(NativeInt AData = 0) : FData(AData) {}
  // Makes a painter of AClass (TdxBarPainter or a descendant) through its construction chain, with AData
  // in place before the chain runs.
  static TdxBarPainter* CreatePainter(TClass AClass, NativeInt AData);

  // ---- Hints and screen tips -----------------------------------------------------------------------------
  // A new view info that the caller owns: a plain hint at the mouse cursor.
  virtual TdxBarCustomHintViewInfo* CreateHintViewInfo(TdxBarManager* ABarManager, const String& AHintText,
                                                       const String& AShortCut, TdxBarScreenTip* AScreenTip);
  virtual void ScreenTipDrawBackground(cxGraphics::TcxCanvas* ACanvas, const TRect& R);
  virtual void ScreenTipDrawFooterLine(cxGraphics::TcxCanvas* ACanvas, const TRect& R);

  // ---- Drawing on a device context ------------------------------------------------------------------------
  virtual void FrameAndFillRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, bool APressed, bool ASelected,
                                bool AEnabled);
  virtual void DrawLowered(HDC DC, TRect& R);

  // ---- Toolbar parts ---------------------------------------------------------------------------------------
  virtual void BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH ABrush);
  virtual void BarDrawFloatingBarBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                        const TRect& AClientR, HBRUSH ABrush);
  virtual void BarDrawMDIButton(TCustomdxBarControl* ABarControl, TdxBarMDIButton AButton, Integer AState, HDC DC,
                                TRect R);
  virtual void BarDrawCloseButton(TCustomdxBarControl* ABarControl, HDC DC, TRect R);

  // ---- Menu parts --------------------------------------------------------------------------------------------
  virtual void SubMenuControlDrawSeparator(cxGraphics::TcxCanvas* ACanvas, const TRect& ARect);

  // ---- Metrics and predicates (class operations: they read nothing of the painter object) -----------------
  // Toolbar frame and general.
  virtual bool IsCompoundPainting();
  virtual bool AllowLargeIcons();
  virtual Integer GetToolbarsOffsetForAutoAlign();
  virtual Integer GetBorderSize();
  virtual Integer GetPopupWindowBorderWidth();
  virtual TPoint GetBarItemContolHintPosition(const TPoint& ACursorPos);
  // Toolbar caption and mark.
  virtual bool BarIsBarSmall(const TRect& R);
  virtual TColor BarCaptionBkColor(bool AActive);
  virtual TColor BarCaptionColor();
  virtual TColor BarMarkArrowColor();
  virtual TColor GetDrawMarkElementColor();
  virtual Integer MarkSizeX();
  // Text layout and glyph flags.
  virtual TRect GetControlTextIndents();
  virtual Integer GetDotSpaceAfter(Integer ADotSize);
  virtual TRect GetCaptionOffsets();
  virtual Integer GlyphDownShift();
  virtual Integer GlyphDrawDownedShift(bool ADown);
  virtual Integer LoweredBorderSize();
  virtual bool IsFlatGlyphImage();
  virtual bool IsFlatItemText();
  virtual bool IsFlatItemTextForMenu();
  virtual bool IsCustomSelectedTextColorExists();
  virtual bool IsGlyphImageHasShadow();
  virtual bool IsItemTextSelectedInverted();
  virtual bool IgnoreGlyphOpaque();
  virtual bool IgnoreNonRecentColor();
  virtual bool IsMenuItem();
  virtual bool UseTextColorForItemArrow();
  // Grips, borders and arrow widths.
  virtual Integer BeforeFingersSize();
  virtual Integer EmptyFingersSize();
  virtual Integer FingersSize();
  virtual Integer GripperSize();
  virtual Integer BorderSizeX();
  virtual Integer BorderSizeY();
  virtual Integer RealButtonArrowWidth(TdxBarManager* ABarManager);
  virtual Integer RealLargeButtonArrowWidth(TdxBarManager* ABarManager);
  virtual Integer SubMenuBeginGroupIndent();
  // Docks, shadows and bar brushes.
  virtual bool IsNativeBackground();
  virtual bool BarChildrenHaveShadows();
  virtual Integer BarDockedGetRowIndent();
  virtual HBRUSH BarToolbarBrush();
  virtual HBRUSH BarToolbarDownedBrush();
  virtual HBRUSH BarToolbarDownedSelBrush();
  virtual HBRUSH BarToolbarSelBrush();
  // Toolbars: behaviour and sizes.
  virtual Integer ComboBoxArrowWidth(Integer AWidth);
  virtual TRect GetEditTextVerticalOffsets();
  virtual bool BarAllowHotTrack();
  virtual bool BarAllowQuickCustomizing();
  virtual Integer BarBeginGroupSize();
  virtual Integer BarBeginGroupSideSize();
  virtual Integer BarBorderSize();
  virtual TRect BarBorderSizes();
  virtual Integer BarCaptionSize();
  virtual Integer BarCaptionAreaSize();
  virtual TSize BarCloseButtonSize();
  virtual bool BarCaptionTransparent();
  virtual Integer BarHorSize();
  virtual Integer BarTopSize();
  virtual Integer BarBottomSize();
  virtual bool BarUseSystemClose();
  virtual bool BarUseSystemNCBorder();
  virtual TRect StatusBarBorderOffsets();
  virtual Integer StatusBarTopBorderSize();
  // Quick customization and item indents. DrawQuickCustItemFrame makes the frame square and answers its
  // new right edge.
  virtual Integer DrawQuickCustItemFrame(HDC DC, TRect& R);
  virtual bool IsQuickControlPopupOnRight();
  virtual TRect ItemControlGetIndents();
  virtual TRect SeparatorControlGetIndents();
  // Buttons.
  virtual Integer GetButtonBorderHeight();
  virtual Integer GetButtonBorderWidth();
  virtual Integer GetButtonHeight(Integer AHeight);
  virtual Integer GetButtonWidth(Integer AWidth);
  virtual TSize GetButtonSize(Integer AWidth, Integer AHeight);
  virtual TSize GetDefaultArrowSignSize();
  virtual void CorrectButtonControlDefaultHeight(Integer& AHeight);
  virtual void CorrectButtonControlDefaultWidth(Integer& AWidth);
  virtual bool IsButtonControlArrowFlat();
  virtual bool IsDropDownRepaintNeeded();
  // Combo boxes and drop-down list boxes.
  virtual TColor ComboControlArrowColor();
  virtual Integer ComboControlArrowOffset();
  virtual TRect ComboControlButtonOffsets();
  virtual Integer DropDownListBoxBorderSize();
  // Menus.
  virtual bool SubMenuControlHasBand();
  virtual bool SubMenuControlIsOffsetRecentGroupNeeded();
  virtual bool SubMenuControlUseScrollButtons();
  virtual Integer SubMenuControlArrowsOffset();
  virtual Integer SubMenuControlArrowWidth(Integer AHeight);
  virtual Integer SubMenuControlBeginGroupSize();
  virtual Integer SubMenuControlBorderSize();
  virtual Integer SubMenuControlNCBorderSize();
  virtual Integer SubMenuControlClientBorderSize();
  virtual TRect SubMenuControlContentRectOffset();
  virtual Integer SubMenuControlInternalBorderSize();
  virtual Integer SubMenuControlInternalBorderOffset();
  virtual Integer SubMenuControlMarkArrowSize(Integer AHeight);
  virtual Integer SubMenuControlNormalItemHeight();
  virtual TRect SubMenuControlGetItemIconRect(const TRect& AItemRect, Integer AWidth);
  virtual void SubMenuControlOffsetDetachCaptionRect(TRect& R);
  virtual Integer SubMenuControlGetScrollArrowSize(Integer AHeight);
  virtual HBRUSH SubMenuControlToolbarItemsBrush();
  virtual TRect ApplicationMenuGetFrameSizes();
  // Edits and edit-like controls.
  virtual TColor EditGetEnabledBkColor();
  virtual TColor EditGetEnabledTextColor();
  virtual TColor EditGetDisabledTextColor();
  virtual bool EditButtonAllowOffsetContent();
  virtual bool EditButtonAllowCompositeFrame();
  virtual bool EditButtonIsCustomBorder();
  virtual bool EditButtonIsCustomBackground();
  virtual void EditButtonCorrectDefaultWidth(Integer& AWidth);
  virtual TRect EditControlBorderOffsets();
  virtual DWORD EditControlES_Style();
  virtual bool EditControlShowIconDefault();
  virtual Integer EditControlCaptionRelativeLeftIndent();
  virtual Integer EditControlCaptionAbsoluteLeftIndent();
  virtual Integer EditControlCaptionRightIndent();
  virtual TRect EditControlSubMenuGlyphIndents();
  virtual bool EditControlGlyphIsDrawSelected();
  virtual bool HasEditControlExternalFrame();
  // Colour combo, system panel, date navigator, spin edit.
  virtual bool ColorComboHasCompleteFrame();
  virtual TRect GetCustomColorButtonIndents();
  virtual bool IsDateNavigatorFlat();
  virtual TColor DateNavigatorHeaderColor();
  virtual TRect GetSpinEditButtonIndents();
  // Progress bar, containers and in-place sub-items.
  virtual TColor ProgressControlBarBrushColor();
  virtual Integer ProgressControlBarHeight();
  virtual Integer ProgressControlIndent();
  virtual Integer ContainerControlSubMenuOffset();
  virtual HBRUSH InPlaceSubItemControlBrush();
  virtual Integer InPlaceSubItemGetTextIndent();
  virtual bool InPlaceSubItemControlIsArrowSelected();
  // Static controls, separators and screen tips.
  virtual TRect StaticControlGetBorderOffsets(TdxBarStaticBorderStyle AStyle);
  virtual Integer SubMenuGetSeparatorSize();
  virtual TColor ScreenTipGetDescriptionTextColor();
  virtual TColor ScreenTipGetTitleTextColor();
  virtual Integer ScreenTipGetFooterLineSize();

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
};
class TdxBarEnhancedPainter : public TdxBarStandardPainter {
  DECLARE_CLASS(TdxBarEnhancedPainter, TdxBarStandardPainter)
 public:
  using TdxBarStandardPainter::TdxBarStandardPainter;
  Integer BeforeFingersSize() override;
  Integer FingersSize() override;
  Integer SubMenuBeginGroupIndent() override;
  bool BarAllowQuickCustomizing() override;
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
  Integer EditControlCaptionAbsoluteLeftIndent() override;
  Integer EditControlCaptionRightIndent() override;
  TRect EditControlSubMenuGlyphIndents() override;
  Integer ContainerControlSubMenuOffset() override;
  virtual TColor SubMenuControlGetSeparatorColor();
  // The selection frame: the highlight-text colour in the high-contrast schemes.
  virtual void FrameFlatSelRect(HDC DC, const TRect& R);
  void FrameAndFillRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, bool APressed, bool ASelected,
                        bool AEnabled) override;
  void DrawLowered(HDC DC, TRect& R) override;
  void SubMenuControlDrawSeparator(cxGraphics::TcxCanvas* ACanvas, const TRect& ARect) override;
  void BarDrawFloatingBarBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R, const TRect& AClientR,
                                HBRUSH ABrush) override;
};

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
  Integer EditControlCaptionAbsoluteLeftIndent() override;
  Integer EditControlCaptionRightIndent() override;
  TRect EditControlSubMenuGlyphIndents() override;
  TColor EditGetEnabledBkColor() override;
  TColor EditGetEnabledTextColor() override;
  TColor EditGetDisabledTextColor() override;
  TColor ProgressControlBarBrushColor() override;

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
void dxBarGetItemTextLines(cxGraphics::TcxCanvas* ACanvas, const String& AText, const TRect& R,
                           Integer AMaxLineCount, StringLists::TStrings* ALines);

}  // namespace dxBar

using namespace dxBar;
