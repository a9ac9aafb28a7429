// The Office 2003 colours: the fixed colours of the standard theme's three schemes (blue, olive,
// silver) when visual styles are on, otherwise colours derived from the system colours; their
// brushes; colour arithmetic, gradient fills and the look's small drawings (grip dots, item arrows,
// size grip, selection frame).
#pragma once

#include "WinGdi.h"

namespace Graphics {
class TBitmap;
}

namespace dxOffice11 {

enum TOffice11Scheme { schUnknown, schNormalColor, schHomestead, schMetallic };

// ---- The colours (0x00BBGGRR, resolved) -----------------------------------------------------------
extern COLORREF dxOffice11DockColor1, dxOffice11DockColor2, dxOffice11ToolbarsColor1, dxOffice11ToolbarsColor2;
extern COLORREF dxOffice11BarMarkColors1[3], dxOffice11BarMarkColors2[3], dxOffice11BarBorderColors[2],
    dxOffice11BarBorderMarkColors[6];
extern COLORREF dxOffice11BarFingerColor1, dxOffice11BarFingerColor2, dxOffice11BarSeparatorColor1,
    dxOffice11BarSeparatorColor2, dxOffice11BarMarkArrowColor1, dxOffice11BarMarkArrowColor2,
    dxOffice11BarFloatingBorderColor1, dxOffice11BarFloatingBorderColor2, dxOffice11BarFloatingBorderColor3,
    dxOffice11BarFloatingCaptionColor, dxOffice11BarFloatingCaptionTextColor1,
    dxOffice11BarFloatingCaptionTextColor2, dxOffice11BarFloatingCaptionTextColor3;
extern COLORREF dxOffice11MenuColor, dxOffice11MenuDownedColor1, dxOffice11MenuDownedColor2,
    dxOffice11MenuIndentColor1, dxOffice11MenuIndentColor2, dxOffice11MenuNonRecentIndentColor1,
    dxOffice11MenuNonRecentIndentColor2, dxOffice11DropDownBorderColor1, dxOffice11DropDownBorderColor2;
extern COLORREF dxOffice11ToolbarSelectedColor, dxOffice11SelectedBorderColor, dxOffice11SelectedColor1,
    dxOffice11SelectedColor2, dxOffice11SelectedDownColor1, dxOffice11SelectedDownColor2,
    dxOffice11OwnerControlDownedColor, dxOffice11DownedColor, dxOffice11DownedSelectedColor,
    dxOffice11DetachableColor, dxOffice11DetachableSelectedColor;
extern COLORREF dxOffice11TextEnabledColor, dxOffice11TextDisabledColor, dxOffice11StaticBorderColor,
    dxOffice11DateHeaderColor, dxOffice11InPlaceSubItemColor, dxOffice11InPlaceSubItemTextColor,
    dxOffice11ControlBorderColor, dxOffice11GroupColor, dxOffice11DayNavigatorSelectedColor,
    dxOffice11OutlookBorderColor, dxOffice11OutlookControlColor, dxOffice11GroupIndentColor,
    dxOffice11GroupRowTextColor, dxOffice11GroupRowSeparatorColor;
extern COLORREF dxOffice11NavPaneBorder, dxOffice11NavPaneGroupCaptionColor1, dxOffice11NavPaneGroupCaptionColor2,
    dxOffice11NavPaneGroupCaptionHotColor1, dxOffice11NavPaneGroupCaptionHotColor2,
    dxOffice11NavPaneGroupCaptionPressedColor1, dxOffice11NavPaneGroupCaptionPressedColor2,
    dxOffice11NavPaneGroupCaptionPressedHotColor1, dxOffice11NavPaneGroupCaptionPressedHotColor2,
    dxOffice11NavPaneHeaderColor1, dxOffice11NavPaneHeaderColor2, dxOffice11NavPaneHeaderFontColor,
    dxOffice11NavPaneSplitterColor1, dxOffice11NavPaneSplitterColor2;
extern COLORREF dxOffice11ExpandButtonColor1, dxOffice11ExpandButtonColor2;

// ---- Brushes and bitmaps (while the colours are referenced) ------------------------------------------
extern HBRUSH dxOffice11BarFingerBrush1, dxOffice11BarFingerBrush2, dxOffice11BarSeparatorBrush1,
    dxOffice11BarSeparatorBrush2, dxOffice11MenuBrush, dxOffice11DropDownBorderBrush1,
    dxOffice11DropDownBorderBrush2, dxOffice11SelectedBorderBrush, dxOffice11ToolbarSelectedBrush,
    dxOffice11OwnerControlDownedBrush, dxOffice11DownedBrush, dxOffice11DownedSelectedBrush,
    dxOffice11DetachableBrush, dxOffice11DetachableSelectedBrush, dxOffice11StaticBorderBrush,
    dxOffice11InPlaceSubItemBrush;
// The sub-menu expand mark is recoloured to the toolbar gradient; a bitmap whose resource cannot be
// loaded stays empty.
extern Graphics::TBitmap *dxOffice11SubMenuExpandBitmap, *dxOffice11ExpandButtonBitmap1,
    *dxOffice11ExpandButtonBitmap2;

// ---- The scheme and the colour set ----------------------------------------------------------------------
TOffice11Scheme GetOffice11Scheme();
bool IsXPStandardScheme();
int GetOffice11TubePercent();
void CreateOffice11Colors();
void RefreshOffice11Colors();
void ReleaseOffice11Colors();

bool IsHighContrastBlack();
bool IsHighContrastWhite();
bool IsHighContrast2();

// ---- Colour arithmetic ------------------------------------------------------------------------------------
COLORREF GetRealColor(COLORREF AColor);
COLORREF GetMiddleRGB(COLORREF AColor1, COLORREF AColor2, int APercent);
COLORREF GetLightColor(int ABtnFaceColorPart, int AHighlightColorPart, int AWindowColorPart);
COLORREF Dark(COLORREF AColor, int APercent);
COLORREF Light(COLORREF AColor, int APercent);

// ---- Fills and drawings ---------------------------------------------------------------------------------
void FillRectByColor(HDC DC, const RECT& R, COLORREF AColor);
void FrameRectByColor(HDC DC, const RECT& R, COLORREF AColor);
void FillGradientRect(HDC DC, const RECT& ARect, COLORREF AColor1, COLORREF AColor2, bool AHorizontal);
void FillTubeGradientRect(HDC DC, const RECT& ARect, COLORREF AColor1, COLORREF AColor2, bool AHorizontal);
COLORREF GetGradientColorRect(const RECT& ARect, int X, COLORREF AColor1, COLORREF AColor2, bool AHorizontal);
void Office11FrameSelectedRect(HDC DC, const RECT& R);
void Office11DrawFingerElements(HDC DC, const RECT& ARect, bool AVertical, HBRUSH ADarkBrush = nullptr,
                                HBRUSH ALightBrush = nullptr);
void Office11DrawItemArrow(HDC DC, const RECT& R, bool ADownArrow, bool Enabled, bool Selected, bool Flat);
void Office11DrawLargeItemArrow(HDC DC, const RECT& R, bool ADownArrow, int Size, bool Selected, bool Enabled,
                                bool Flat);
void Office11DrawSizeGrip(HDC DC, const RECT& ARect, COLORREF AColor1 = 0x20000000, COLORREF AColor2 = 0x20000000);

void dxOffice11Initialization();
void dxOffice11Finalization();

}  // namespace dxOffice11

using namespace dxOffice11;
