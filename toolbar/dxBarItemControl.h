// The on-screen object of one item link in one bar window: it measures the link, splits its
// rectangle into parts for hot-tracking, collects the draw parameters for the bar painter, answers
// hint queries and turns a press and release into the item's click. The button, edit, combo,
// sub-item, container, static and separator controls derive from it.
#pragma once

#include <vector>

#include "Controls.h"
#include "cxClassesBase.h"
#include "dxBarItemTypes.h"
#include "dxBarTypes.h"

namespace ImgList {
class TCustomImageList;
}
namespace cxClasses {
class TcxObjectLink;
}
namespace cxStyles {
class TcxStyle;
}
namespace cxGraphics {
class TcxCanvas;
}

namespace dxBar {

class TdxBarItemControlDrawParams;
class TdxBarItemControlViewInfo;
class IdxBarItemControlViewInfo;
class TdxCachedImageOptions;
class TdxBarHintViewInfo;
class TdxBarCustomHintViewInfo;
class TdxFader;
class IdxBarAccessibilityHelper;

class TdxBarItemControl : public TcxIUnknownObject {
  DECLARE_CLASS(TdxBarItemControl, TcxIUnknownObject)
 public:
  // Made through the control class the item's kind registers; the link is stored before construction.
  static TdxBarItemControl* Create(TClass AClass, TdxBarItemLink* AItemLink);

  // ---- Overridable operations, in slot order -----------------------------------------------------------
  virtual TdxFader* GetFader();
  virtual bool DoHint(bool& ANeedDeactivate, String& AHintText, String& AShortCut);
  virtual TdxBarCustomHintViewInfo* CreateHintViewInfo(const String& AHintText, const String& AShortCut);
  virtual bool GetEnabled();
  virtual TPoint GetHintPosition(const TPoint& ACursorPos, Integer AHeight);
  virtual void BeginGroupChanged();
  virtual void CaptionChanged();
  virtual void EnabledChanged();
  virtual void GlyphChanged();
  virtual void HotGlyphChanged();
  virtual void LargeGlyphChanged();
  virtual void PartsChanged();
  virtual void PaintStyleChanged();
  virtual void ParentVisibleChange(bool AIsShowing);
  virtual void PressedChanged();
  virtual void RealVisibleChanging(bool AIsShowing);
  virtual void VisibleChanged();
  virtual void WidthChanged();
  virtual void BeforeDestroyParentHandle();
  virtual bool CanBePartOfButtonGroup();
  virtual bool CanClicked();
  virtual bool CanCustomize();
  virtual bool CanDeselect();
  virtual bool CanHide();
  virtual bool CanMouseSelect();
  virtual bool CanSelect();
  virtual void CheckHotTrack(const TPoint& P);
  virtual void Click(bool AByMouse, Char AKey = '\0');
  virtual void ControlActivate(bool AImmediately);
  virtual void ControlInactivate(bool AImmediately);
  virtual void ControlClick(bool AByMouse, Char AKey = '\0');
  virtual void ControlUnclick(bool AByMouse);
  virtual void ControlGetFocus(bool AByMouse, bool& AHandled);
  virtual bool DrawSelected();
  virtual bool WantsKey(Word AKey);
  virtual TClass GetAccessibilityHelperClass();
  virtual TdxBarItemViewLevels GetPossibleViewLevels();
  virtual TdxBarItemControlViewStructure GetViewStructure();
  virtual TdxBarItemControlViewStructure GetDefaultViewStructure();
  virtual TdxBarItemControlViewSize GetDefaultViewSize();
  virtual TdxBarPaintType GetPaintType();
  virtual Integer GetPartCount();
  virtual TClass GetViewInfoClass();
  virtual bool GrayScale();
  virtual String GetCaption();
  virtual TWinControl* GetControl();
  virtual TClass GetDrawParamsClass();
  virtual TBitmap* GetGlyph();
  virtual bool GetImageEnabled();
  virtual Integer GetImageIndex();
  virtual ImgList::TCustomImageList* GetImageList(TdxBarItemControlViewSize AViewSize);
  virtual ImgList::TCustomImageList* GetImages();
  virtual String GetHint();
  virtual ImgList::TCustomImageList* GetHotImages();
  virtual TBitmap* GetLargeGlyph();
  virtual Integer GetLargeImageIndex();
  virtual ImgList::TCustomImageList* GetLargeImages();
  virtual TdxBarMenuItemSize GetMenuItemSize();
  virtual TdxBarPainter* GetPainter();
  virtual TShortCut GetShortCut();
  virtual Integer GetTextAreaOffset();
  virtual void CalcDrawParams(bool AFull = true);
  virtual void CalcParts();
  virtual void CalcDrawingConsts();
  virtual void DoCalcDrawingConsts();
  virtual void DoPaint(const TRect& ARect, TdxBarPaintType PaintType);
  virtual bool IsTransparentOnGlass();
  virtual void PrepareCanvasFont(HFONT AItemLinkFont, cxStyles::TcxStyle* AStyle, LOGFONTA& ASavedFont);
  virtual void RestoreCanvasFont(const LOGFONTA& ASavedFont);
  virtual TCustomdxBarControl* GetOwnedBarControl();
  virtual TRect GetNonBufferedRect();
  virtual Integer GetCaptionWidth();
  virtual bool GetCurrentImage(TdxBarItemControlViewSize AViewSize, bool ASelected, TBitmap*& ACurrentGlyph,
                               ImgList::TCustomImageList*& ACurrentImages, Integer& ACurrentImageIndex);
  virtual Integer GetCurrentImageIndex(TdxBarItemControlViewSize AViewSize);
  virtual TSize GetGlyphSize(TdxBarItemControlViewSize AViewSize);
  virtual TRect GetIndents();
  virtual Integer GetCaptionAreaWidth();
  virtual Integer GetControlAreaWidth();
  virtual Integer GetGlyphAreaWidth();
  virtual Integer GetControlCaptionOffset();
  virtual Integer GetDefaultHeight();
  virtual Integer GetDefaultWidth();
  virtual Integer GetDefaultWidthHorzLayout();
  virtual Integer GetDefaultWidthVertLayout();
  virtual Integer GetDefaultHeightInSubMenu();
  virtual Integer GetDefaultWidthInSubMenu();
  virtual Integer GetMinHeight();
  virtual Integer GetMinWidth();
  virtual Integer GetLargeHeight();
  virtual Integer GetSmallHeight();
  virtual Integer InternalGetDefaultHeight();
  virtual Integer InternalGetDefaultWidth();
  virtual bool HasHint();
  virtual bool HasShadow();
  virtual bool HotPartWantMouse();
  virtual bool IsChildWindow(HWND AWnd);
  virtual bool IsDestroyOnClick();
  virtual bool IsDropDown();
  virtual bool IsEditTransparent();
  virtual bool IsExpandable();
  virtual bool IsHiddenForCustomization();
  virtual bool IsInvertTextColor();
  virtual bool IsMenuItem();
  virtual bool IsRotated();
  virtual bool NeedCaptureMouse();
  virtual void BeginResize(const TPoint& AStartPoint);
  virtual bool CanResize(const TPoint& P);
  virtual void EndResize(bool ACanceled);
  virtual void Resizing(const TPoint& P);
  virtual bool HasWindow();
  virtual bool IsDroppedDown();
  virtual void Repaint();
  // Message-style operations.
  virtual void DblClick();
  virtual bool WantsDblClick();
  virtual void KeyDown(Word& AKey, TShiftState AShift);
  virtual void KeyUp(Word& AKey, TShiftState AShift);
  virtual void KeyPress(Char& AKey);
  virtual void MouseDown(TMouseButton AButton, TShiftState AShift, Integer X, Integer Y);
  virtual void MouseEnter(const TPoint& P);
  virtual void MouseLeave();
  virtual void MouseMove(TShiftState AShift, Integer X, Integer Y);
  virtual void MouseUp(TMouseButton AButton, TShiftState AShift, Integer X, Integer Y);

  // ---- Lookups ------------------------------------------------------------------------------------------
  TdxBarItem* GetItem();
  TdxBarItemLink* GetItemLink() const { return FItemLink; }
  TdxBarManager* GetBarManager();
  TCustomdxBarControl* GetParent() const { return FParent; }
  cxGraphics::TcxCanvas* GetCanvas();
  bool GetFlat();
  HBRUSH GetBkBrush();
  bool IsBkColorAssigned() const { return FBkBrush != nullptr; }
  // Puts ABrush in place of the control's own background brush and answers the one it replaces; the
  // caller owns the brush it puts in and swaps the previous one back.
  HBRUSH ExchangeBkBrush(HBRUSH ABrush) {
    const HBRUSH previous = FBkBrush;
    FBkBrush = ABrush;
    return previous;
  }
  TClass GetPainterClass();
  bool CanFade() { return GetFader() != nullptr; }
  bool GetShowDescription();
  bool CanShowShortCut();
  TObject* GetSelectableObject();
  TRect GetItemBounds();
  TdxBarItemAlign GetAlign();
  void FrameAndFillRect(HDC DC, const TRect& R, bool APressed, bool ASelected, bool AEnabled);
  IdxBarAccessibilityHelper* GetIAccessibilityHelper();

  // ---- State ---------------------------------------------------------------------------------------------
  bool GetActive() const { return FActive; }
  bool GetPressed() const { return FPressed; }
  void SetPressed(bool Value);
  bool MousePressed();
  Integer GetHotPartIndex() const { return FHotPartIndex; }
  bool GetNonRecent() const { return FNonRecent; }
  void SetNonRecent(bool Value) { FNonRecent = Value; }
  bool GetSelectedByMouse() const { return FSelectedByMouse; }
  void SetSelectedByMouse(bool Value) { FSelectedByMouse = Value; }
  bool GetIsSelected();
  bool IsSelectionForbidden();
  bool WantMouse() { return HotPartWantMouse(); }
  Integer FindPartAtPos(const TPoint& P);
  Integer GetPartCountValue() const { return static_cast<Integer>(FParts.size()); }
  TRect GetPart(Integer AIndex) const { return FParts.at(static_cast<size_t>(AIndex)); }
  void SetPart(Integer AIndex, const TRect& R) { FParts.at(static_cast<size_t>(AIndex)) = R; }
  TdxBarItemControlDrawParams* GetDrawParams() const { return FDrawParams; }
  TdxBarItemControlViewInfo* GetViewInfo() const { return FViewInfo; }
  IdxBarItemControlViewInfo* GetIViewInfo();
  TdxCachedImageOptions* GetCachedImage() const { return FCachedImage; }
  void ResetCachedValues(bool AResetViewInfo);
  void DoCalculateParts();

  // ---- Measuring -----------------------------------------------------------------------------------------
  TdxBarItemViewLevels GetViewLevels();
  TdxBarItemViewLevels InternalGetPossibleViewLevels();
  TdxBarItemControlViewSize GetViewSize();
  bool IconAssigned(TdxBarItemControlViewSize AViewSize);
  bool HasIcon(TdxBarItemControlViewSize AViewSize, TdxBarItemControlViewStructure AStructure);
  bool UseLargeIcons();
  bool UseLargeImageSource(TdxBarItemControlViewSize AViewSize);
  bool UseLargeImageList(TdxBarItemControlViewSize AViewSize);
  bool UseLargeGlyph(TdxBarItemControlViewSize AViewSize);
  Integer GetWidth();
  Integer GetHeight();
  Integer GetRealWidth();
  Integer GetRealHeight();
  Integer GetWidthByViewLevel(TdxBarItemViewLevel AViewLevel);
  Integer GetRotationDependentWidth(const TSize& ASize);
  Integer GetRotationDependentHeight(const TSize& ASize);
  TSize GetTextExtent(const String& AText);
  Integer GetTextHeight();
  Integer GetTextWidth(const String& AText);
  Integer GetTextSize();

  // ---- Painting ------------------------------------------------------------------------------------------
  void Paint(cxGraphics::TcxCanvas* ACanvas, const TRect& ARect, TdxBarPaintType PaintType);
  void DrawBitmap(TBitmap* ABitmap);

 protected:
  void Construct() override;
  void Destroy() override;

  // The text of the item's own style font around a measuring or painting step.
  struct TItemFontScope {
    TdxBarItemControl* Control;
    LOGFONTA Saved{};
    explicit TItemFontScope(TdxBarItemControl* AControl);
    ~TItemFontScope();
  };

  // The bar window's link to the control: its selection and the click road read these.
  friend class TCustomdxBarControl;
  TdxBarItemLink* FItemLink = nullptr;
  TCustomdxBarControl* FParent = nullptr;

 private:
  cxGraphics::TcxCanvas* FPaintCanvas = nullptr;  // set only while Paint runs
  HBRUSH FBkBrush = nullptr;          // owned
  TdxCachedImageOptions* FCachedImage = nullptr;  // owned
  IdxBarAccessibilityHelper* FAccessibilityHelper = nullptr;
  bool FActive = false;
  bool FNonRecent = false;
  bool FPressed = false;
  bool FSelectedByMouse = false;
  bool FFontChanged = false;  // PrepareCanvasFont changed the canvas font
  Integer FTextSize = 0;
  TdxBarItemControlDrawParams* FDrawParams = nullptr;  // owned
  Integer FHotPartIndex = -1;
  std::vector<TRect> FParts;
  TdxBarItemControlViewInfo* FViewInfo = nullptr;  // owned
};

}  // namespace dxBar

using namespace dxBar;
