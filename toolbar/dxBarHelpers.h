// The toolbar unit's shared routines: window and form look-ups, text and accelerator helpers,
// view-level arithmetic, the spatial search for the next accessible object, message pumps, menu
// sounds, timers, clip-region saving, glyph, arrow and background drawing, and the shared drawing
// surface TdxBarCanvas with its stack of nested paints.
#pragma once

#include <vector>

#include "Controls.h"
#include "Menus.h"
#include "TypeInfoBase.h"
#include "cxAccessibility.h"
#include "cxGraphicsCanvas.h"
#include "cxGraphicsFunctions.h"
#include "cxLookAndFeelPaintersBase.h"
#include "dxThemeManager.h"

namespace cxClasses {
class TcxObjectLink;
}
namespace ImgList {
class TCustomImageList;
}
namespace Forms {
class TCustomForm;
}

namespace dxBar {

class TdxBarItemControl;

// ---- View levels ----------------------------------------------------------------------------------------
// How much of an item control a bar shows, from the most to the least; ivlDefault lets the control
// choose.
PUBLISHED_ENUM(TdxBarItemViewLevel, ivlLargeIconWithText, ivlSmallIconWithText, ivlSmallIcon, ivlControlOnly,
               ivlDefault)
using TdxBarItemViewLevels = TSet<TdxBarItemViewLevel, 8>;
inline const TdxBarItemViewLevels dxBarItemAllViewLevels{ivlLargeIconWithText, ivlSmallIconWithText, ivlSmallIcon,
                                                          ivlControlOnly};

// The first level of the set, ivlDefault (4) for an empty set.
TdxBarItemViewLevel GetMaxViewLevel(TdxBarItemViewLevels ALevels);
// The last level of the set; -1 for an empty set.
Integer GetMinViewLevel(TdxBarItemViewLevels ALevels);
// The first level of the set above ALevel; ivlDefault when there is none.
TdxBarItemViewLevel GetNextViewLevel(TdxBarItemViewLevels ALevels, TdxBarItemViewLevel ALevel);

// The member names of a set type's member type, in order (an enumeration's: TypInfo's
// GetEnumValueNames).
std::vector<String> GetSetValueNames(const TTypeInfo* ATypeInfo);

// ---- Text and accelerators ------------------------------------------------------------------------------
// The caption without its accelerator marks.
String GetTextOf(const String& ACaption);
// The 1-based position of the caption's last accelerator character (the one after an "&" that is
// not itself "&"), 0 when there is none; ADelete removes the "&" marks as they are met.
Integer GetAccelPos(String& ACaption, bool ADelete);
// The accelerator character of a caption, 0 when it has none.
char GetAccelChar(const String& ACaption);
// " (" + the shortcut's text + ")", empty without a shortcut: the tail of a hint.
String GetHintShortCutText(TShortCut AShortCut);
// The key types a text character other than a blank: it may start a key tip.
bool IsKeyTipsKey(Word AKey);

// ---- Windows and forms ----------------------------------------------------------------------------------
void dxSetZOrder(HWND AWnd, HWND AInsertAfter = nullptr /* HWND_TOP */, bool AActivate = false, UINT AExtraFlags = 0);
bool IsInFocusedWindow(HWND AWnd);
bool IsWindowReallyEnabled(HWND AWnd);
bool IsControlVisible(TWinControl* AControl);
Forms::TCustomForm* GetFormOfActiveWindow();
TWinControl* FindControlAboveChildWindow(HWND AWnd);
bool HasAsParent(HWND AWnd, HWND AParent);
HWND DeepestWindowFromPoint(const TPoint& P);
bool IsAnotherApplicationWindow(HWND AWnd);
bool LeftButtonPressed();
bool RightButtonPressed();
bool IsButtonDownMessage(UINT AMsg);
// Dispatch every pending mouse message (0x200..0x20A) or WM_PAINT; a WM_QUIT met is posted again and
// ends the pump.
void ProcessMouseMessages();
void ProcessPaintMessages();
// Kills a non-zero timer and zeroes the id; true when a timer was killed.
bool dxKillTimer(HWND AWnd, UINT_PTR& ATimerID);
void DestroyWindowHandle(HWND& AWnd, bool ADestroy = true);
void SetLayeredWndAttributes(HWND AWnd, Integer AAlpha);
TRect GetWorkArea(const TPoint& P);
Integer WidthToCurrentDpi(Integer AWidth, Integer ADesignDpi = 96);
Integer dxBarMessageBox(const String& AText, UINT AFlags);
void CancelActiveFormMode();
void ActivateTopParentWindow(HWND AWnd);
void KillCharMessages(HWND AWnd);
TControl* FindNearestControl(HWND AWnd);
bool IsControlInOwner(TControl* AOwner, TControl* AControl);
bool IsWindowInControl(TWinControl* AControl, HWND AWnd);
bool IsAncestorComponentDifferencesDetection(TComponent* AComponent);
void EnsureMinEditWidth(Integer& AWidth, Integer AMinWidth);

// Menu sounds: the kinds of PlaySystemSound.
constexpr Integer dxbsMenuPopup = 0, dxbsMenuCommand = 1, dxbsStop = 2;
// Plays the sound of the kind when dxBarPlaySound allows it; dxbsStop stops the sound.
void PlaySystemSound(Integer AKind);

template <class T>
void dxFreeAndNil(T*& AObject) {
  T* object = AObject;
  AObject = nullptr;
  if (object) object->Free();
}
void dxFreeAndNilObjectLink(cxClasses::TcxObjectLink*& ALink);

// ---- The next accessible object in a direction ----------------------------------------------------------
// The index among ACandidates (screen bounds) of the nearest object in ADirection from ACurrent:
// the smallest gap in that direction, among equal gaps the smallest angle off the direction; with
// AWrap a left or right search that finds nothing starts again from the other side. -1 when none.
Integer GetNextAccessibleBounds(const TRect& ACurrent, const std::vector<TRect>& ACandidates,
                                TcxAccessibilityNavigationDirection ADirection, bool AWrap);

// ---- Drawing --------------------------------------------------------------------------------------------
// The unit's PatternBrush, the 8 x 8 checkerboard of button-highlight and button-face pixels (made on
// first use, freed when the unit stops or the system colours change).
HBRUSH GetPatternBrush();
void FreePatternBrush();
// The screen's bits per pixel, as the unit read them last.
Integer GetScreenBitsPerPixel();
void RefreshScreenBitsPerPixel();

void DrawItemArrow(HDC DC, TRect R, bool AVertical, bool AEnabled, bool ASelected, bool AFlat,
                   TColor AColor = clDefault);
void DrawItemArrow(HDC DC, TRect R, TcxArrowDirection ADirection, bool AEnabled,
                   bool ASelected, bool AFlat, TColor AColor = clDefault);
void DrawLargeItemArrow(HDC DC, TRect R, bool AVertical, Integer ASize, bool AEnabled, bool ASelected, bool AFlat,
                        TColor AColor = clDefault);
void DrawLargeItemArrow(HDC DC, TRect R, TcxArrowDirection ADirection, Integer ASize,
                        bool AEnabled, bool ASelected, bool AFlat, TColor AColor = clDefault);
// The size DrawItemArrow gives a small arrow in R.
Integer GetItemArrowSize(const TRect& R, bool AVertical);
void FrameFlatSelRect(HDC DC, const TRect& R);
void dxBarFrameRect(HDC DC, TRect R, Integer ASysColor);
void dxBarFocusRect(HDC DC, TRect R);
void DrawVerticalGradient(TcxCanvas* ACanvas, const TRect& R, Integer AColor1Part1, Integer AColor1Part2,
                          Integer AColor1Part3, Integer AColor2Part1, Integer AColor2Part2, Integer AColor2Part3);
void FillRectWithBrushOrBitmap(HDC DC, const TRect& R, const TRect& ABitmapR, TBitmap* ABitmap, TColor AColor,
                               HBRUSH ABrush);
// The look TransparentDraw gives an image, from its flags: disabled (faded with AFadedWhenDisabled),
// grey, or, for an image that may look inactive (AMayLookInactive), dingy when it is neither selected
// nor down on a screen of more than 8 bits per pixel, shadowed when it is selected with a shadow and
// not down; normal otherwise.
TcxImageDrawMode dxBarTransparentDrawMode(bool AEnabled, bool AGrayScale, bool AMayLookInactive, bool ASelected,
                                          bool ADown, bool ANoShadow, bool AShadowed, bool AFadedWhenDisabled);
// Draws ABitmap when it has an image (ABkColor is then ignored), else the list's image, into R in the
// look of the flags; ASmooth and AUseLeftBottomPixelAsTransparent pass on to the image drawing.
void TransparentDraw(TdxBarItemControl* AItemControl, HDC DC, const TRect& R, const TRect& ASourceR,
                     TBitmap* ABitmap, ImgList::TCustomImageList* AImageList, Integer AImageIndex, TColor ABkColor,
                     bool AEnabled, bool AGrayScale, bool AMayLookInactive, bool ASelected, bool ADown,
                     bool ANoShadow, bool AShadowed, bool AFadedWhenDisabled, bool ASmooth,
                     bool AUseLeftBottomPixelAsTransparent);
// Tiles ABitmap over R with the tiles aligned to AOriginR's top-left.
void FillRectByBitmap(HDC DC, const TRect& R, const TRect& AOriginR, TBitmap* ABitmap);
void BeforeDrawBackground(TControl* AControl, TWinControl* AParent, HDC DC, TPoint& AOrg, TPoint& APrevOrg,
                          TRect& R);
void AfterDrawBackground(HDC DC, const TPoint& APrevOrg);
void SaveClipRgn(HDC DC, HRGN& ARgn, bool& AHadRgn);
void RestoreClipRgn(HDC DC, HRGN& ARgn, bool AHadRgn);
void IntersectClipWithRect(HDC DC, const TRect& R);
void ClipToFrameBetweenRects(TcxCanvas* ACanvas, const TRect& AFrameR, const TRect& AContentR);
void FillPolygonInColor(HDC DC, const POINT* APoints, Integer ACount, TColor AColor, TColor APenColor);
void DeleteGDIObject(HGDIOBJ AObject);
template <class T>
void FreeGDIObject(T& AObject) {
  if (AObject) DeleteGDIObject(AObject);
  AObject = nullptr;
}
void RestoreSelectedGDIObject(HDC DC, HGDIOBJ APrevious);
HFONT CloneFont(HFONT AFont);
void BarDrawSizeGrip(HDC DC, const TRect& R);

// ---- Hatch and the visual-style helpers -------------------------------------------------------------------
// The corner of a window that carries a size grip; the grip's lines point into it.
enum TdxCorner { coTopLeft, coTopRight, coBottomLeft, coBottomRight };

// Veils R with a 2-pixel checkerboard of button face: every other cell keeps what lies under it.
void BarDrawHatch(HDC DC, const TRect& R);
// The colour AProperty of a part of a themed object; ADefault when visual styles are off or the theme
// has no such colour.
TColor GetThemeColorOrDefault(TdxThemedObjectType AThemedObjectType, Integer APart, Integer AState, Integer AProperty,
                              TColor ADefault);
// An edit's colours for a theme edit state (GetThemeEditState: 1 enabled, 4 disabled). The background
// is the window colour, except that a disabled edit takes the theme's fill; the text is the theme's,
// else grey text when disabled and window text otherwise.
TColor GetEditBkColor(Integer AState);
TColor GetEditTextColor(Integer AState);
// The theme's toolbar colour, button face without visual styles.
TColor GetToolbarColor();
// The window's small close button: its size, and its drawing in R in a theme button state (1 normal,
// 2 hot, 3 pressed, 4 disabled); the classic caption close button without visual styles.
TSize GetThemeCloseButtonSize();
void DrawThemeCloseButton(HDC DC, const TRect& R, Integer AState);
// The status bar's size grip grown by 2 pixels each way (the scroll-bar metrics without visual styles),
// and the grip drawn in R mirrored so that its lines point into ACorner.
TSize GetThemeSizeGripSize();
void DrawThemeSizeGrip(HDC DC, const TRect& R, TdxCorner ACorner);
// The system's classic size-grip glyph, whatever the visual styles, pointing into ACorner.
void DrawClassicSizeGrip(HDC DC, const TRect& R, TdxCorner ACorner);

// ---- The shared drawing surface ------------------------------------------------------------------------
// A canvas with a class-library canvas of its own that paints nest on: each BeginPaint puts the
// surface on a device context or another canvas and saves what it replaced; EndPaint undoes the
// last one.
class TdxBarCanvas : public TcxCanvas {
  DECLARE_CLASS(TdxBarCanvas, TcxCanvas)
 public:
  void BeginPaint(HDC DC);
  void BeginPaint(TCanvas* ACanvas);
  void EndPaint();
  Integer PaintDepth() const { return static_cast<Integer>(FStates.size()); }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  struct TdxBarCanvasState {
    TCanvas* Canvas;  // the wrapped canvas it replaced; null for a device-context entry
    HDC PrevDC;       // the own canvas's device context before
    HDC DC;           // the device context drawn on
    Integer SavedDC;  // SaveDC's answer
    bool StateSaved;  // the own canvas's state was saved before it moved to DC
  };
  TCanvas* FOwnCanvas = nullptr;
  std::vector<TdxBarCanvasState> FStates;
};

// The unit's one shared surface, made on first use; null once the unit has begun to stop.
TdxBarCanvas* BarCanvas();
// The unit's start allows the shared surface again; its stop frees it and refuses to make another.
void StartBarCanvas();
void FreeBarCanvas();

}  // namespace dxBar

using namespace dxBar;
