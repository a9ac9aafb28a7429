// The contract between a tab control and its painter. A tab control never measures or draws its
// tabs itself: it owns one painter (a TcxPCCustomPainter descendant chosen by its Style through the
// painter factory) and asks it for every size, offset, colour, hit test and drawing step. Painter
// geometry is expressed for tabs on top and turned to the real tab position by the rotation
// routines. TcxPCPainterParentInfo is the painter's read-only view of its control.
//
// The class functions (AllowRotate, GetStyleID, GetStyleName, HasLookAndFeel, IsDefault,
// GetStandardStyle, IsStandardStyle, IsMainTabBoundWithClient, IsMultiSelectionAccepted,
// IsTabPressable) are also called on a class reference, that is on the class's shared instance,
// which has no control: they answer without reading any instance state.
#pragma once

#include <vector>

#include "cxGraphicsCanvas.h"
#include "cxPCTypes.h"
#include "dxThemeManager.h"

namespace cxLookAndFeels {
class TcxLookAndFeel;
}
namespace Graphics {
class TBitmap;
}
namespace cxPCPaintersFactory {
class TcxPCPaintersFactory;
}

namespace cxPC {

using cxLookAndFeels::TcxLookAndFeel;
using Graphics::TBitmap;

class TcxCustomTabControl;
class TcxPCCustomPainter;
class TcxTab;
class TcxTabSheet;
class TcxTabSlants;

using TcxPCPainterClass = TClassRef<TcxPCCustomPainter>;

// The painter's read-only view of its control (indexes are visible indexes).
class TcxPCPainterParentInfo : public TObject {
  DECLARE_CLASS(TcxPCPainterParentInfo, TObject)
 public:
  explicit TcxPCPainterParentInfo(TcxCustomTabControl* AControl = nullptr) : FControl(AControl) {}

  TcxCanvas* GetCanvas() const;
  TFont* GetFont() const;
  TColor GetColor() const;
  Integer GetWidth() const;
  Integer GetHeight() const;
  bool GetHideTabs() const;
  bool GetMultiLine() const;
  bool GetRaggedRight() const;
  bool GetRotate() const;
  bool GetScrollOpposite() const;
  bool GetShowFrame() const;
  bool GetIsTabsContainer() const;
  Integer GetImageBorder() const;
  Integer GetTabHeight() const;
  Integer GetTabWidth() const;
  TcxTabPosition GetTabPosition() const;
  TcxTabSlants* GetTabSlants() const;
  TcxPCOptions GetOptions() const;
  TcxPCNavigatorButtons GetNavigatorButtons() const;
  TcxPCNavigatorPosition GetNavigatorPositione() const;
  TcxPCNavigatorButtonState GetNavigatorButtonState(TcxPCNavigatorButton AButton) const;
  Integer GetRowCount() const;
  Integer GetTopOrLeftPartRowCount() const;
  Integer GetMainTabVisibleIndex() const;
  TRect GetExtendedTopOrLeftTabsRect() const;
  TRect GetExtendedBottomOrRightTabsRect() const;
  bool GetTabsOnBothSides() const;
  TcxTab* GetVisibleTab(Integer AIndex) const;
  TcxTabSheet* GetActivePage() const;
  TcxTabSheet* GetPage(Integer AIndex) const;
  TColor GetPageColor(Integer AIndex) const;
  TColor GetTabColor(Integer AIndex) const;

 private:
  TcxCustomTabControl* FControl;
};

class TcxPCCustomPainter : public TObject {
  DECLARE_CLASS(TcxPCCustomPainter, TObject)
 public:
  TcxCustomTabControl* GetControl() const { return FControl; }
  TcxPCPainterParentInfo* GetParentInfo() const { return FParentInfo; }
  const TcxPCOutTabImageAndTextData& GetOutData() const { return FOutData; }

  // ---- Overridable operations, in slot order
  virtual bool AllowRotate() { return true; }
  virtual Integer CalculateTabNormalWidth(TcxTab* ATab) = 0;
  virtual void CorrectTabRect(Integer AIndex, TcxPCRectCorrection& ACorrection) { ACorrection = cxPCEmptyRectCorrection; }
  virtual void DrawNativeTabBackground(HDC DC, TcxTabSheet* ATabSheet) {}
  virtual void DrawTabImageAndText(Integer AIndex);
  virtual void FillDisplayRect();
  virtual void FillTabPaneContent() { FillDisplayRect(); }
  virtual Integer GetButtonsDistance(TcxPCNavigatorButton AButton1, TcxPCNavigatorButton AButton2) { return 0; }
  virtual Integer GetButtonsRegionFromTabsOffset() { return 0; }
  virtual Integer GetButtonsRegionHOffset() { return 0; }
  virtual Integer GetButtonsRegionWOffset() { return 0; }
  virtual TColor GetClientColor();
  virtual TRect GetClientRectOffset();
  virtual TRect GetDisplayRectOffset();
  virtual TRect GetDrawImageOffset(Integer AIndex) = 0;
  virtual TcxPCWOffset GetDrawImageWithoutTextWOffset(Integer AIndex) = 0;
  virtual TRect GetDrawTextHOffset(Integer AIndex) = 0;
  virtual Integer GetFrameWidth() { return 0; }
  virtual void AfterPaintTab(Integer AIndex);
  virtual bool AlwaysColoredTabs() { return false; }
  virtual void GetGoDialogPosition(const TSize& AButtonSize, TPoint& APoint) = 0;
  virtual Integer GetImageTextDistance(Integer AIndex) = 0;
  virtual Integer GetMinTabNormalWidth(Integer AIndex) = 0;
  virtual TcxPCDistance GetMinTabSelectionDistance() = 0;
  virtual TRect GetNativeContentOffset();
  virtual TColor GetTabBodyColor(Integer AIndex) = 0;
  virtual TColor GetTabColor(Integer AIndex);
  // A new region the caller owns.
  virtual TcxRegion* GetTabClipRgn(Integer AIndex);
  virtual TcxRegionOperation GetTabClipRgnOperation(Integer AIndex) { return roIntersect; }
  virtual TcxPCWOffset GetTabContentWOffset(Integer AIndex) = 0;
  virtual void GetTabNativePartAndState(Integer AIndex, Integer& APart, Integer& AState) {
    APart = 0;
    AState = 0;
  }
  virtual TRect GetTabsContainerOffsets() { return TRect(0, 0, 0, 0); }
  virtual TcxPCDistance GetTabsNormalDistance() { return TcxPCDistance{}; }
  virtual void GetTabsPosition(TcxPCNavigatorButtons ANavigatorButtons, TcxPCTabsPosition& ATabsPosition) = 0;
  virtual TColor GetTextColor(Integer AIndex);
  virtual TcxPCWOffset GetTooNarrowTabContentWOffset(Integer AIndex) = 0;
  virtual void Init() {}
  virtual void InternalDrawText(TCanvas* ACanvas, const String& ACaption, TRect ARect, Integer AIndex);
  virtual void InternalPaint();
  virtual void InternalPrepareOutTabImageAndTextData(Integer AIndex, TRect& AImageRect, TRect& ATextRect) = 0;
  virtual void InvalidateTabRect(Integer AIndex);
  virtual bool IsEnableHotTrack() { return IsNativePainting(); }
  virtual bool IsNativePainting() { return false; }
  virtual bool IsOverButton(Integer X, Integer Y, TcxPCNavigatorButton& AButton) = 0;
  virtual bool IsOverTab(Integer AIndex, Integer X, Integer Y) { return true; }
  virtual bool IsTabBorderThick(Integer AIndex) = 0;
  virtual bool IsTabTransparent(Integer AIndex) { return false; }
  virtual bool NeedDisabledTextShadow() { return true; }
  virtual bool NeedRedrawOnResize() { return IsNativePainting(); }
  virtual bool NeedShowFrame();
  virtual void Paint() { InternalPaint(); }
  virtual void PaintButtonsRegion() = 0;
  virtual void PaintClientArea();
  virtual void PaintFrame() = 0;
  virtual void PaintTabsRegion() = 0;
  virtual void PrepareDrawTabContentBitmapBackground(TBitmap* ABitmap, const TPoint& AOrigin, Integer AIndex) {}
  virtual void RepaintButton(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonState APrevState) {}
  virtual void RepaintButtonsRegion() {}
  virtual void RepaintTab(Integer AIndex, TcxPCTabPropertyChanged AType) {}
  virtual Integer CalculateTabNormalHeight() = 0;
  virtual TRect GetGoDialogButtonBounds() = 0;
  virtual TcxPCStandardStyle GetStandardStyle() { return tsTabs; }
  virtual TcxPCStyleID GetStyleID() { return -1; }
  virtual String GetStyleName() { return ""; }
  virtual bool HasLookAndFeel(TcxLookAndFeel* ALookAndFeel) { return false; }
  virtual bool IsDefault(TcxLookAndFeel* ALookAndFeel) { return false; }
  virtual bool IsMainTabBoundWithClient() { return true; }
  virtual bool IsMultiSelectionAccepted() { return false; }
  virtual bool IsStandardStyle() { return false; }
  virtual bool IsTabPressable() { return false; }

  // ---- Shared routines
  void SaveClipRgn();
  void RestoreClipRgn();
  void DestroySavedClipRgns();
  void InternalResetClipRegion() { RestoreClipRgn(); }
  // False for an empty rectangle, or (intersecting) one not visible; otherwise the clip is saved and
  // limited to (or replaced by) the rectangle, to be undone by one RestoreClipRgn.
  bool InternalSetClipRect(const TRect& ARect, bool AIntersect);
  TRect GetClientRect();
  TRect GetDisplayRect();
  // The rectangle shrunk by margins given for tabs on top, turned for the tab position.
  static TRect GetExtendedRect(const TRect& ARect, const TRect& AMargins, TcxTabPosition ATabPosition);
  static TPoint RotatePoint(const TRect& ARect, const TPoint& APoint, TcxTabPosition ATabPosition);
  static void RotatePolyline(const TRect& ARect, TPointArray& APoints, TcxTabPosition ATabPosition);
  void DirectionalPolyline(const TRect& ARect, const TPointArray& APoints, TcxTabPosition ATabPosition,
                           TColor AColor);
  // The polyline with a pen of that colour, its end point included.
  void InternalPolyLine(const TPointArray& APoints, TColor AColor, TCanvas* ACanvas = nullptr);
  void InternalInvalidateRect(const TRect& ARect);
  void InvalidateTabExtendedTabsRect(Integer AIndex);
  bool IsAssignedImages();
  bool IsTabHasImage(Integer AIndex);
  TSize GetTabBaseImageSize();
  TSize GetTabRotatedImageSize();
  bool IsCustomDraw();
  // True when the OnDrawTab handler drew the tab itself.
  bool DoCustomDraw(Integer AIndex);
  void PrepareTabCanvasFont(TcxTab* ATab, TcxCanvas* ACanvas);
  void PrepareTabControlImagesBitmapBackground(TBitmap* ABitmap);
  Integer GetMaxTabCaptionHeight();
  TColor GetHotTrackColor();
  TColor GetDisabledTextFaceColor() { return clBtnHighlight; }
  TColor GetDisabledTextShadowColor() { return clBtnShadow; }
  TColor GetHighlightedTabBodyColor() { return clHighlight; }
  TColor GetHighlightedTextColor(Integer AIndex, TColor ADefaultColor);
  Integer GetTabNativeState(Integer AIndex);
  TBitmap* CreateNewTabVerticalTextBitmap(Integer AIndex);
  TBitmap* GetTabVerticalTextBitmap(Integer AIndex);
  void StandardPainterPrepareOutTabImageAndTextData(Integer AIndex);
  void ExcludeTabContentClipRegion(Integer AIndex);

  // Layout and state of the control that painters read.
  TcxTab* GetTab(Integer AIndex) const;
  TcxCanvas* GetCanvas() const;
  TcxTabPosition GetTabPosition() const;
  TcxPCOptions GetOptions() const;
  bool IsMainTab(Integer AIndex) const;
  Integer GetMainTabVisibleIndex() const;
  Integer GetVisibleTabCount() const;
  bool IsTabsContainer() const;

 protected:
  friend class cxPCPaintersFactory::TcxPCPaintersFactory;
  void Construct() override;
  void Destroy() override;
  void SetControl(TcxCustomTabControl* AControl) { FControl = AControl; }

  TcxPCOutTabImageAndTextData FOutData;

 private:
  // The control's bounds less margins given for tabs on top.
  TRect GetControlRectWithin(const TRect& AMargins);
  // Content placement steps.
  void AdjustCrossMargins(TRect& AMargins, TcxRotationAngle AAngle, Integer AIndex);
  void AdjustWOffset(TcxPCWOffset& AOffset, TcxRotationAngle AAngle, Integer AIndex);
  void PlaceAcross(TRect& ARect, const TRect& AMargins, Integer AExtent, TcxRotationAngle AAngle);
  Integer AlignAlongText(Integer AAvailable, Integer AWidth);
  void RenderCaption(TBitmap* ABitmap, const String& ACaption, const TRect& ATextRect, Integer AIndex, TColor ABodyColor,
                     bool AEnabled, bool ANative);
  void DrawCaptionText(TCanvas* ACanvas, const String& ACaption, const TRect& ARect, Integer AIndex, bool AEnabled);

  TcxPCPainterParentInfo* FParentInfo = nullptr;
  TcxCustomTabControl* FControl = nullptr;
  std::vector<HRGN> FSavedClipRgns;
};

}  // namespace cxPC

using namespace cxPC;
