// The objects of dragging: the internal drag-and-drop operation of a base control, the class
// library's drag object of a base control, and the popup windows that show what is dragged: an
// image (alpha-blended where layered windows exist), a resize frame drawn as a checkered band, and
// the green arrows that mark where a drop would go.
#pragma once

#include "Controls.h"
#include "ImgList.h"
#include "cxControlsPopupWindow.h"
#include "cxGeometry.h"
#include "cxGraphicsCanvas.h"

namespace cxControls {

class TcxControl;

// Alpha of alpha-blended drag images.
constexpr Byte cxDragAndDropWindowTransparency = 180;

PUBLISHED_ENUM(TcxArrowPlace, apLeft, apTop, apRight, apBottom)

// The operation of one internal drag of a base control, from its first move to its end.
class TcxDragAndDropObject : public TObject {
  DECLARE_CLASS(TcxDragAndDropObject, TObject)
 public:
  // An object of AClass (TcxDragAndDropObject or a descendant) for AControl.
  static TcxDragAndDropObject* Create(TClass AClass, TcxControl* AControl);
  explicit TcxDragAndDropObject(TcxControl* AControl = nullptr) : FControl(AControl) {}

  TcxControl* GetControl() const { return FControl; }
  TcxCanvas* GetCanvas() const;
  TPoint GetCurMousePos() const { return FCurMousePos; }
  TPoint GetPrevMousePos() const { return FPrevMousePos; }
  bool GetDirty() const { return FDirty; }
  void SetDirty(bool Value);

  void ChangeMousePos(const TPoint& P);
  void DoBeginDragAndDrop();
  void DoDragAndDrop(const TPoint& P, bool& Accepted);
  void DoEndDragAndDrop(bool Accepted);

  virtual TCursor GetDragAndDropCursor(bool Accepted);
  // Whether the drag begins with the press instead of once the pointer leaves the pressed area.
  virtual bool GetImmediateStart() { return false; }

 protected:
  virtual void DirtyChanged() {}
  virtual void AfterDragAndDrop(bool Accepted) {}
  virtual void BeginDragAndDrop() { DirtyChanged(); }
  virtual void DragAndDrop(const TPoint& P, bool& Accepted);
  virtual void EndDragAndDrop(bool Accepted) { SetDirty(true); }

 private:
  TcxControl* FControl;
  TPoint FCurMousePos = cxInvalidPoint;
  TPoint FPrevMousePos = cxInvalidPoint;
  bool FDirty = false;
};

// The class library's drag object of a base control: frees itself when the drag is over and shows
// the copy cursor while Ctrl asks for a copy.
class TcxDragControlObject : public TDragControlObject {
  DECLARE_CLASS(TcxDragControlObject, TDragControlObject)
 public:
  explicit TcxDragControlObject(TControl* AControl = nullptr) : TDragControlObject(AControl) {}
  void Finished(TObject* Target, Integer X, Integer Y, bool Accepted) override;
  TCursor GetDragCursor(bool Accepted, Integer X, Integer Y) override;
};

class TcxDragImageList : public TDragImageList {
  DECLARE_CLASS(TcxDragImageList, TDragImageList)
 public:
  using TDragImageList::TDragImageList;
};

// A popup that shows something dragged: it lets the mouse through and never activates.
class TcxCustomDragImage : public TcxPopupWindow {
  DECLARE_CLASS(TcxCustomDragImage, TcxPopupWindow)
 public:
  void Dispatch(TMessage& Message) override;

  // Its window is owned by this control's window (by the active form's without one).
  TControl* GetOwnerControl() const { return FOwnerControl; }
  void SetOwnerControl(TControl* Value) { FOwnerControl = Value; }
  // Alpha blending asked for and available.
  bool GetAlphaBlended();
  // Sized as ABounds, with AGrabPoint (same coordinates) as the point that follows the pointer.
  void Init(const TRect& ABounds, const TPoint& AGrabPoint);
  // Places the grab point at P (screen coordinates).
  void MoveTo(const TPoint& P);
  TPoint GetImageOffset() const { return FImageOffset; }
  bool GetVisible();
  void SetVisible(bool Value);
  // Shows the window without activating it and paints it at once.
  void Show();
  void Hide();

 protected:
  void Construct() override;
  void CreateParams(TCreateParams& Params) override;

 private:
  TControl* FOwnerControl = nullptr;
  TPoint FImageOffset;
};

// A drag image whose picture its user draws on the image canvas (GetCanvas).
class TcxDragImage : public TcxCustomDragImage {
  DECLARE_CLASS(TcxDragImage, TcxCustomDragImage)
 public:
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  TcxCanvas* GetCanvas() const { return FImageCanvas; }
  TBitmap* GetImage() const { return FImage; }
  TcxCanvas* GetWindowCanvas() const { return TcxPopupWindow::GetCanvas(); }

 protected:
  void Construct() override;
  void Destroy() override;
  void Paint() override;

 private:
  TBitmap* FImage = nullptr;
  TcxCanvas* FImageCanvas = nullptr;
};

// A frame AFrameWidth wide along the outline of a rectangle or region, drawn checkered (resizing).
class TcxSizeFrame : public TcxCustomDragImage {
  DECLARE_CLASS(TcxSizeFrame, TcxCustomDragImage)
 public:
  explicit TcxSizeFrame(Integer AFrameWidth = 2) : FFrameWidth(AFrameWidth) {}
  void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
  // The frame around R (screen coordinates), or along ARegion (window coordinates) placed at R.
  void DrawSizeFrame(const TRect& R);
  void DrawSizeFrame(const TRect& R, TcxRegion* ARegion);
  Integer GetFrameWidth() const { return FFrameWidth; }
  TcxRegion* GetFrameRegion() const { return FRegion; }

 protected:
  void Construct() override;
  void Destroy() override;
  void Paint() override;
  // The frame region becomes the band FrameWidth wide along the inside of its outline.
  void InitializeFrameRegion();
  void SetWindowRegion();

 private:
  void SetFrameRegion(TcxRegion* ARegion);

  Integer FFrameWidth;
  TcxRegion* FRegion = nullptr;
  // The region is the final band already (nothing in the framework sets it).
  bool FRegionSelected = false;
};

// The arrow that points at where a dragged item would be dropped.
class TcxDragAndDropArrow : public TcxDragImage {
  DECLARE_CLASS(TcxDragAndDropArrow, TcxDragImage)
 public:
  explicit TcxDragAndDropArrow(bool ATransparent = true) : FTransparentWished(ATransparent) {}
  // Places the arrow at the side APlace of AAreaBounds, kept in AClientRect (both in AOwner's client
  // coordinates, screen ones without an owner) and draws it.
  void Init(TControl* AOwner, const TRect& AAreaBounds, const TRect& AClientRect, TcxArrowPlace APlace);
  bool GetTransparent() const { return FTransparent; }

 protected:
  void Construct() override;
  virtual TColor GetImageBackColor() { return clFuchsia; }

 private:
  bool FTransparentWished;
  bool FTransparent = false;
};

// The rectangle of a drop arrow at the side APlace of AAreaBounds: 9 pixels along the side it points
// from, 11 across, kept in AClientRect unless that is empty.
TRect GetDragAndDropArrowBounds(const TRect& AAreaBounds, const TRect& AClientRect, TcxArrowPlace APlace);
// The seven outline points of the arrow in R; AForRegion adjusts them for a window region.
void GetDragAndDropArrowPoints(const TRect& R, TcxArrowPlace APlace, TPointArray& APoints, bool AForRegion);
void DrawDragAndDropArrow(TcxCanvas* ACanvas, const TRect& R, TcxArrowPlace APlace);

}  // namespace cxControls

using namespace cxControls;
