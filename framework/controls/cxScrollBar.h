// A scroll bar drawn entirely by the look-and-feel painter into an off-screen bitmap: hot-tracked
// parts, auto-repeat on the arrows and page areas (first step at once, the next after 400 ms, then
// one every 60 ms) and thumb dragging inside a tolerance zone. Its geometry lives in a view info.
#pragma once

#include "Controls.h"
#include "ScrollingWinControl.h"
#include "StdCtrls.h"
#include "cxLookAndFeelPaintersBase.h"
#include "cxLookAndFeels.h"

namespace dxThemeManager {
class TdxThemeChangedNotificator;
}
namespace cxControls {
class TcxTimer;
}

namespace cxScrollBar {

class TcxScrollBar;

// The rectangles of the parts in the bar's client coordinates.
class TcxScrollBarViewInfo : public TObject {
  DECLARE_CLASS(TcxScrollBarViewInfo, TObject)
 public:
  // A view info of AClass (TcxScrollBarViewInfo or a descendant) for AScrollBar.
  static TcxScrollBarViewInfo* Create(TClass AClass, TcxScrollBar* AScrollBar);
  explicit TcxScrollBarViewInfo(TcxScrollBar* AScrollBar = nullptr) : FScrollBar(AScrollBar) {}

  virtual void Calculate() { CalculateRects(); }
  // The thumb and the page areas from the bar's range and position.
  void CalculateThumbnailRect();
  // Moves the thumb to start at AStart along the bar, kept between the arrows; the page areas follow.
  void SetThumbnailStart(Integer AStart);
  // The position the thumb stands for where it is now.
  Integer GetPositionFromThumbnail() const;

  TcxScrollBar* GetScrollBar() const { return FScrollBar; }
  TRect GetBottomRightArrowRect() const { return FBottomRightArrowRect; }
  TRect GetPageDownRect() const { return FPageDownRect; }
  TRect GetPageUpRect() const { return FPageUpRect; }
  TRect GetThumbnailRect() const { return FThumbnailRect; }
  TRect GetTopLeftArrowRect() const { return FTopLeftArrowRect; }
  // The smallest length of the thumb.
  Integer GetThumbnailSize() const { return FThumbnailSize; }
  void SetThumbnailSize(Integer Value) { FThumbnailSize = Value; }

 protected:
  virtual void CalculateRects();

  TRect FBottomRightArrowRect, FPageDownRect, FPageUpRect, FThumbnailRect, FTopLeftArrowRect;
  Integer FThumbnailSize = 0;

 private:
  bool IsHorizontal() const;
  // The track between the arrows: its start and end along the bar.
  Integer TrackStart() const;
  Integer TrackEnd() const;
  // A rectangle from AStart to AEnd along the bar, across its whole thickness.
  TRect AlongBar(Integer AStart, Integer AEnd) const;
  Integer ThumbStart() const;
  Integer ThumbLength() const;
  void CalculatePageRects();

  TcxScrollBar* FScrollBar;
};

class TcxScrollBar : public TCustomControl, public IdxSkinSupport {
  DECLARE_CLASS(TcxScrollBar, TCustomControl)
 public:
  explicit TcxScrollBar(TComponent* AOwner = nullptr) : TCustomControl(AOwner) {}
  void Dispatch(TMessage& Message) override;

  // The system's vertical scroll-bar width (cx) and horizontal scroll-bar height (cy).
  static TSize GetScrollBarSize();

  // Sets the range, position and page in one step (the position clamped into the range);
  // EInvalidOperation "Scrollbar property out of range" when AMax is below AMin or APageSize.
  // A position change enables the bar and raises OnChange.
  void SetScrollParams(Integer AMin, Integer AMax, Integer APosition, Integer APageSize, bool ARedraw = true);
  void SetParams(Integer APosition, Integer AMin, Integer AMax);
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

  TScrollBarKind GetKind() const { return FKind; }
  void SetKind(TScrollBarKind Value);
  TScrollBarInc GetLargeChange() const { return FLargeChange; }
  void SetLargeChange(TScrollBarInc Value) { FLargeChange = Value; }
  TScrollBarInc GetSmallChange() const { return FSmallChange; }
  void SetSmallChange(TScrollBarInc Value) { FSmallChange = Value; }
  Integer GetMax() const { return FMax; }
  void SetMax(Integer Value);
  Integer GetMin() const { return FMin; }
  void SetMin(Integer Value);
  Integer GetPageSize() const { return FPageSize; }
  void SetPageSize(Integer Value);
  Integer GetPosition() const { return FPosition; }
  void SetPosition(Integer Value);
  // Whether the thumb follows the pointer however far from the bar it is dragged.
  bool GetUnlimitedTracking() const { return FUnlimitedTracking; }
  void SetUnlimitedTracking(bool Value) { FUnlimitedTracking = Value; }
  TcxLookAndFeel* GetLookAndFeel() const { return FLookAndFeel; }
  void SetLookAndFeel(TcxLookAndFeel* Value);
  // The three-dimensional look asked for; a skin switches the window's own off meanwhile.
  bool GetCtl3D() const;
  void SetCtl3D(bool Value);
  bool IsCtl3DStored() const { return !GetParentCtl3D(); }

  TcxScrollBarViewInfo* GetViewInfo() const { return FViewInfo; }
  TcxScrollBarPart GetScrollBarPart(const TPoint& P) const;
  TcxScrollBarPart GetHotPart() const { return FHotPart; }
  TcxScrollBarPart GetPressedPart() const { return FPressedPart; }
  // The state a part is drawn in now.
  TcxButtonState GetPartState(TcxScrollBarPart APart) const;
  // The painter that draws the bar.
  TcxCustomLookAndFeelPainterClass GetPainter() const;

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;
  TNotifyEvent GetOnChange() const { return OnChange; }
  void SetOnChange(TNotifyEvent V) { OnChange = V; }
  TScrollEvent GetOnScroll() const { return OnScroll; }
  void SetOnScroll(TScrollEvent V) { OnScroll = V; }

 protected:
  void Construct() override;
  void Destroy() override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  using TCustomControl::MouseEnter;
  using TCustomControl::MouseLeave;

  virtual void Change();
  virtual TClass GetViewInfoClass() const;
  virtual void DoPaint(TcxCanvas* ACanvas);
  virtual void DrawScrollBarPart(TcxCanvas* ACanvas, const TRect& R, TcxScrollBarPart APart, TcxButtonState AState);
  virtual bool IsButtonHotTrack() const;
  // OnScroll, which may change the position the scroll goes to.
  virtual void Scroll(TScrollCode AScrollCode, Integer& AScrollPos);
  virtual Integer ScrollBarMinimalThumbSize() const;
  virtual void MouseEnter(TControl* AControl);
  virtual void MouseLeave(TControl* AControl);

  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  void ThemeChanged();
  void CancelScroll();
  void DoScroll(TcxScrollBarPart APart);
  void InternalScroll(TScrollCode AScrollCode);

 private:
  void CalculateViewInfo();
  void UpdateMinimalThumbSize();
  void AutoRepeatTimerHandler(TObject* Sender);
  void DragThumbnail(const TPoint& P);
  bool IsThumbnailDragging() const { return FPressedPart == sbpThumbnail; }

  TBitmap* FBitmap = nullptr;
  TcxCanvas* FBitmapCanvas = nullptr;
  TcxLookAndFeel* FLookAndFeel = nullptr;
  TcxScrollBarViewInfo* FViewInfo = nullptr;
  dxThemeManager::TdxThemeChangedNotificator* FThemeChangedNotificator = nullptr;
  cxControls::TcxTimer* FTimer = nullptr;
  TScrollBarKind FKind = sbHorizontal;
  TScrollBarInc FLargeChange = 1;
  TScrollBarInc FSmallChange = 1;
  Integer FMax = 100;
  Integer FMin = 0;
  Integer FPageSize = 0;
  Integer FPosition = 0;
  bool FUnlimitedTracking = false;
  bool FCtl3D = true;
  TcxScrollBarPart FPressedPart = sbpNone;
  TcxScrollBarPart FHotPart = sbpNone;
  TPoint FDownMousePos;
  Integer FSavedPosition = 0;
  TPoint FSavedThumbnailPos;
};

}  // namespace cxScrollBar

using namespace cxScrollBar;
