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

namespace dxBar {

class TdxBarItemControlDrawParams;
class TdxBarButtonLikeControlDrawParams;
class TdxBarEditLikeControlDrawParams;
class TdxBarStaticLikeControlDrawParams;
class TdxBarSeparatorControlDrawParams;
class TdxBarProgressControlDrawParams;
class TdxBarInPlaceSubItemControlDrawParams;
class TdxBarHintViewInfo;

enum TdxBarMDIButton { mdibMinimize, mdibRestore, mdibClose };
enum TdxBarStaticBorderStyle { sbsNone, sbsLowered, sbsRaised, sbsEtched, sbsBump };
enum TdxBarSpinEditButton { sbNone, sbUp, sbDown };

class TdxBarPainter : public TObject {
  DECLARE_CLASS(TdxBarPainter, TObject)
 public:
  // The painter of a manager is made with the look-and-feel's skin painter reference; the base ignores it.
  explicit TdxBarPainter(NativeInt AData = 0) : FData(AData) {}

  // ---- Drawing on a device context ------------------------------------------------------------------------
  virtual void DrawBackground(TdxBarItemControl* AControl, HDC DC, const TRect& R, HBRUSH ABrush, bool AOpaque);
  virtual void DrawBackgroundFrameRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, HBRUSH ABrush,
                                       bool AOpaque);
  virtual void FrameAndFillRect(TdxBarItemControl* AControl, HDC DC, const TRect& R, bool APressed, bool ASelected,
                                bool AEnabled);
  virtual void DrawLowered(HDC DC, TRect& R);

  // ---- Whole item controls from their draw parameters -------------------------------------------------------
  virtual void DrawButtonLikeControl(TdxBarButtonLikeControlDrawParams* ADrawParams, const TRect& R);
  virtual void DrawEditLikeControl(TdxBarEditLikeControlDrawParams* ADrawParams, const TRect& R);
  virtual void DrawStaticLikeControl(TdxBarStaticLikeControlDrawParams* ADrawParams, const TRect& R,
                                     const TRect& AContentRect);
  virtual void DrawSeparatorControl(TdxBarSeparatorControlDrawParams* ADrawParams, const TRect& R);
  virtual void ProgressControlDrawBar(TdxBarProgressControlDrawParams* ADrawParams, const TRect& R, TColor AColor);
  virtual void InPlaceSubItemControlDrawInMenu(TdxBarInPlaceSubItemControlDrawParams* ADrawParams, const TRect& R);

  // ---- Toolbar parts ---------------------------------------------------------------------------------------
  virtual void BarDrawBackground(TCustomdxBarControl* ABarControl, HDC DC, const TRect& ADestR,
                                 const TRect& ASourceR, HBRUSH ABrush, TColor AColor);
  virtual void BarDrawDockedBarBorder(TCustomdxBarControl* ABarControl, HDC DC, TRect& R, HBRUSH ABrush);
  virtual void BarDrawFloatingBarBorder(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                        const TRect& AClientR, HBRUSH ABrush);
  virtual void BarDrawFloatingBarCaption(TCustomdxBarControl* ABarControl, HDC DC, const TRect& R,
                                         const TRect& ACaptionR, HBRUSH ABrush);
  virtual void BarDrawBeginGroup(TCustomdxBarControl* ABarControl, HDC DC, TRect ABeginGroupRect, HBRUSH ABrush,
                                 bool AHorz);
  virtual void BarDrawMarks(TCustomdxBarControl* ABarControl, cxGraphics::TcxCanvas* ACanvas, const TRect& R,
                            HBRUSH ABrush);
  virtual void BarDrawMDIButton(TCustomdxBarControl* ABarControl, TdxBarMDIButton AButton, Integer AState, HDC DC,
                                TRect R);
  virtual void BarDrawCloseButton(TCustomdxBarControl* ABarControl, HDC DC, TRect R);

  // ---- Menu parts --------------------------------------------------------------------------------------------
  virtual void SubMenuControlDrawBorder(TdxBarSubMenuControl* ABarSubMenuControl, HDC DC, TRect R);
  virtual void SubMenuControlDrawClientBorder(TdxBarSubMenuControl* ABarSubMenuControl, HDC DC, const TRect& R,
                                              HBRUSH ABrush);
  virtual void SubMenuControlDrawBackground(TdxBarSubMenuControl* ABarSubMenuControl, cxGraphics::TcxCanvas* ACanvas,
                                            const TRect& ARect, HBRUSH ABrush, TColor AColor);
  virtual void SubMenuControlDrawBeginGroup(TdxBarSubMenuControl* ABarSubMenuControl, TdxBarItemControl* AControl,
                                            cxGraphics::TcxCanvas* ACanvas, const TRect& ARect);
  virtual void SubMenuControlDrawSeparator(cxGraphics::TcxCanvas* ACanvas, const TRect& ARect);
  virtual void SubMenuControlDrawScrollBand(TdxBarSubMenuControl* ABarSubMenuControl, cxGraphics::TcxCanvas* ACanvas,
                                            TcxArrowDirection ADirection);
  virtual void SubMenuControlDrawMarkBand(TdxBarSubMenuControl* ABarSubMenuControl, const TRect& ARect,
                                          bool ASelected);

  // ---- Hints ---------------------------------------------------------------------------------------------------
  virtual TdxBarHintViewInfo* CreateHintViewInfo(TdxBarManager* ABarManager, const String& AHintText,
                                                 const String& AShortCut, TdxBarScreenTip* AScreenTip);

  NativeInt GetData() const { return FData; }

 private:
  NativeInt FData;
};

// The painter classes, one for each real paint style.
class TdxBarStandardPainter : public TdxBarPainter {
  DECLARE_CLASS(TdxBarStandardPainter, TdxBarPainter)
 public:
  using TdxBarPainter::TdxBarPainter;
};
class TdxBarEnhancedPainter : public TdxBarStandardPainter {
  DECLARE_CLASS(TdxBarEnhancedPainter, TdxBarStandardPainter)
 public:
  using TdxBarStandardPainter::TdxBarStandardPainter;
};
class TdxBarFlatPainter : public TdxBarPainter {
  DECLARE_CLASS(TdxBarFlatPainter, TdxBarPainter)
 public:
  using TdxBarPainter::TdxBarPainter;
};
class TdxBarOffice11Painter : public TdxBarFlatPainter {
  DECLARE_CLASS(TdxBarOffice11Painter, TdxBarFlatPainter)
 public:
  using TdxBarFlatPainter::TdxBarFlatPainter;
};
class TdxBarXPPainter : public TdxBarPainter {
  DECLARE_CLASS(TdxBarXPPainter, TdxBarPainter)
 public:
  using TdxBarPainter::TdxBarPainter;
};

}  // namespace dxBar

using namespace dxBar;
