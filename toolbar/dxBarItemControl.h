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

namespace dxBar {

class TdxBarItemControlDrawParams;
class TdxBarItemControlViewInfo;
class TdxCachedImageOptions;
class TdxBarHintViewInfo;
class TdxFader;
class IdxBarAccessibilityHelper;

// Its operations are answered by the control kinds and by the base once the bar windows are built;
// until then no control can be made.
class TdxBarItemControl : public TcxIUnknownObject {
  DECLARE_CLASS(TdxBarItemControl, TcxIUnknownObject)
 public:
  explicit TdxBarItemControl(TdxBarItemLink* AItemLink) : FItemLink(AItemLink) {}

  // ---- Overridable operations, in slot order -----------------------------------------------------------
  virtual TdxFader* GetFader() = 0;
  virtual bool DoHint(bool& ANeedDeactivate, String& AHintText, String& AShortCut) = 0;
  virtual TdxBarHintViewInfo* CreateHintViewInfo(const String& AHintText, const String& AShortCut) = 0;
  virtual bool GetEnabled() = 0;
  virtual TPoint GetHintPosition(const TPoint& ACursorPos, Integer AHeight) = 0;
  virtual void BeginGroupChanged() = 0;
  virtual void CaptionChanged() = 0;
  virtual void EnabledChanged() = 0;
  virtual void GlyphChanged() = 0;
  virtual void HotGlyphChanged() = 0;
  virtual void LargeGlyphChanged() = 0;
  virtual void PartsChanged() = 0;
  virtual void PaintStyleChanged() = 0;
  virtual void ParentVisibleChange(bool AIsShowing) = 0;
  virtual void PressedChanged() = 0;
  virtual void RealVisibleChanging(bool AIsShowing) = 0;
  virtual void VisibleChanged() = 0;
  virtual void WidthChanged() = 0;
  virtual void BeforeDestroyParentHandle() = 0;
  virtual bool CanBePartOfButtonGroup() = 0;
  virtual bool CanClicked() = 0;
  virtual bool CanCustomize() = 0;
  virtual bool CanDeselect() = 0;
  virtual bool CanHide() = 0;
  virtual bool CanMouseSelect() = 0;
  virtual bool CanSelect() = 0;
  virtual void CheckHotTrack(const TPoint& P) = 0;
  virtual void Click(bool AByMouse, Char AKey = '\0') = 0;
  virtual void ControlActivate(bool AImmediately) = 0;
  virtual void ControlInactivate(bool AImmediately) = 0;
  virtual void ControlClick(bool AByMouse, Char AKey = '\0') = 0;
  virtual void ControlUnclick(bool AByMouse) = 0;
  virtual void ControlGetFocus(bool AByMouse, bool& AHandled) = 0;
  virtual bool DrawSelected() = 0;
  virtual bool WantsKey(Word AKey) = 0;
  virtual TClass GetAccessibilityHelperClass() = 0;
  virtual TdxBarItemViewLevels GetPossibleViewLevels() = 0;
  virtual TdxBarItemControlViewStructure GetViewStructure() = 0;
  virtual TdxBarItemControlViewStructure GetDefaultViewStructure() = 0;
  virtual TdxBarItemControlViewSize GetDefaultViewSize() = 0;
  virtual TdxBarPaintType GetPaintType() = 0;
  virtual Integer GetPartCount() = 0;
  virtual TClass GetViewInfoClass() = 0;
  virtual bool GrayScale() = 0;
  virtual String GetCaption() = 0;
  virtual TWinControl* GetControl() = 0;
  virtual TClass GetDrawParamsClass() = 0;
  virtual TBitmap* GetGlyph() = 0;
  virtual bool GetImageEnabled() = 0;
  virtual Integer GetImageIndex() = 0;
  virtual ImgList::TCustomImageList* GetImageList(TdxBarItemControlViewSize AViewSize) = 0;
  virtual ImgList::TCustomImageList* GetImages() = 0;
  virtual String GetHint() = 0;
  virtual ImgList::TCustomImageList* GetHotImages() = 0;
  virtual TBitmap* GetLargeGlyph() = 0;
  virtual Integer GetLargeImageIndex() = 0;
  virtual ImgList::TCustomImageList* GetLargeImages() = 0;
  virtual TdxBarMenuItemSize GetMenuItemSize() = 0;
  virtual TdxBarPainter* GetPainter() = 0;
  virtual TShortCut GetShortCut() = 0;
  virtual Integer GetTextAreaOffset() = 0;
  virtual void CalcDrawParams(bool AFull = true) = 0;
  virtual void CalcParts() = 0;
  virtual void CalcDrawingConsts() = 0;
  virtual void DoCalcDrawingConsts() = 0;
  virtual void DoPaint(const TRect& ARect, TdxBarPaintType PaintType) = 0;
  virtual bool IsTransparentOnGlass() = 0;
  virtual void PrepareCanvasFont(HFONT AItemLinkFont, cxStyles::TcxStyle* AStyle, LOGFONTA& ASavedFont) = 0;
  virtual void RestoreCanvasFont(const LOGFONTA& ASavedFont) = 0;
  virtual TCustomdxBarControl* GetOwnedBarControl() = 0;
  virtual TRect GetNonBufferedRect() = 0;
  virtual Integer GetCaptionWidth() = 0;
  virtual bool GetCurrentImage(TdxBarItemControlViewSize AViewSize, bool ASelected, TBitmap*& ACurrentGlyph,
                               ImgList::TCustomImageList*& ACurrentImages, Integer& ACurrentImageIndex) = 0;
  virtual Integer GetCurrentImageIndex(TdxBarItemControlViewSize AViewSize) = 0;
  virtual TSize GetGlyphSize(TdxBarItemControlViewSize AViewSize) = 0;
  virtual TRect GetIndents() = 0;
  virtual Integer GetCaptionAreaWidth() = 0;
  virtual Integer GetControlAreaWidth() = 0;
  virtual Integer GetGlyphAreaWidth() = 0;
  virtual Integer GetControlCaptionOffset() = 0;
  virtual Integer GetDefaultHeight() = 0;
  virtual Integer GetDefaultWidth() = 0;
  virtual Integer GetDefaultWidthHorzLayout() = 0;
  virtual Integer GetDefaultWidthVertLayout() = 0;
  virtual Integer GetDefaultHeightInSubMenu() = 0;
  virtual Integer GetDefaultWidthInSubMenu() = 0;
  virtual Integer GetMinHeight() = 0;
  virtual Integer GetMinWidth() = 0;
  virtual Integer GetLargeHeight() = 0;
  virtual Integer GetSmallHeight() = 0;
  virtual Integer InternalGetDefaultHeight() = 0;
  virtual Integer InternalGetDefaultWidth() = 0;
  virtual bool HasHint() = 0;
  virtual bool HasShadow() = 0;
  virtual bool HotPartWantMouse() = 0;
  virtual bool IsChildWindow(HWND AWnd) = 0;
  virtual bool IsDestroyOnClick() = 0;
  virtual bool IsDropDown() = 0;
  virtual bool IsEditTransparent() = 0;
  virtual bool IsExpandable() = 0;
  virtual bool IsHiddenForCustomization() = 0;
  virtual bool IsInvertTextColor() = 0;
  virtual bool IsMenuItem() = 0;
  virtual bool IsRotated() = 0;
  virtual bool NeedCaptureMouse() = 0;
  virtual void BeginResize(const TPoint& AStartPoint) = 0;
  virtual bool CanResize(const TPoint& P) = 0;
  virtual void EndResize(bool ACanceled) = 0;
  virtual void Resizing(const TPoint& P) = 0;
  virtual bool HasWindow() = 0;
  virtual bool IsDroppedDown() = 0;
  virtual void Repaint() = 0;
  // Message-style operations.
  virtual void DblClick() = 0;
  virtual bool WantsDblClick() = 0;
  virtual void KeyDown(Word& AKey, TShiftState AShift) = 0;
  virtual void KeyUp(Word& AKey, TShiftState AShift) = 0;
  virtual void KeyPress(Char& AKey) = 0;
  virtual void MouseDown(TMouseButton AButton, TShiftState AShift, Integer X, Integer Y) = 0;
  virtual void MouseEnter(const TPoint& P) = 0;
  virtual void MouseLeave() = 0;
  virtual void MouseMove(TShiftState AShift, Integer X, Integer Y) = 0;
  virtual void MouseUp(TMouseButton AButton, TShiftState AShift, Integer X, Integer Y) = 0;

  // ---- Lookups ------------------------------------------------------------------------------------------
  TdxBarItem* GetItem();
  TdxBarItemLink* GetItemLink() const { return FItemLink; }
  TdxBarManager* GetBarManager();
  TCustomdxBarControl* GetParent() const { return FParent; }
  bool GetActive() const { return FActive; }
  bool GetPressed() const { return FPressed; }
  void SetPressed(bool Value);
  Integer GetHotPartIndex() const { return FHotPartIndex; }
  bool GetNonRecent() const { return FNonRecent; }
  void SetNonRecent(bool Value) { FNonRecent = Value; }
  TdxBarItemControlDrawParams* GetDrawParams() const { return FDrawParams; }
  TdxBarItemControlViewInfo* GetViewInfo() const { return FViewInfo; }
  bool GetIsSelected();
  void ResetCachedValues(bool AResetViewInfo);
  void DoCalculateParts();

 private:
  TcxCanvas* FPaintCanvas = nullptr;  // set only while Paint runs
  HBRUSH FBkBrush = nullptr;          // owned
  TdxCachedImageOptions* FCachedImage = nullptr;  // owned
  IdxBarAccessibilityHelper* FAccessibilityHelper = nullptr;
  bool FActive = false;
  TdxBarItemLink* FItemLink;
  bool FNonRecent = false;
  TCustomdxBarControl* FParent = nullptr;
  bool FPressed = false;
  bool FSelectedByMouse = false;
  Integer FTextSize = 0;
  TdxBarItemControlDrawParams* FDrawParams = nullptr;  // owned
  Integer FHotPartIndex = -1;
  std::vector<TRect> FParts;
  TdxBarItemControlViewInfo* FViewInfo = nullptr;  // owned
};

}  // namespace dxBar

using namespace dxBar;
