// The base popup form: borderless and topmost, placed against an owner area on a chosen side and
// alignment, flipped to the other side when it does not fit and kept inside the work area; sized
// around its child controls plus a frame and a border space; closed when it loses activation, while
// the window it was opened from keeps its caption painted active.
#pragma once

#include "Forms.h"
#include "cxControlsUtils.h"
#include "cxGraphicsCanvas.h"
#include "cxLookAndFeelPaintersBase.h"

namespace cxControls {

PUBLISHED_ENUM(TcxPopupAlignHorz, pahLeft, pahCenter, pahRight)
PUBLISHED_ENUM(TcxPopupAlignVert, pavTop, pavCenter, pavBottom)
PUBLISHED_ENUM(TcxPopupDirection, pdHorizontal, pdVertical)

class TcxPopupWindow : public TForm {
  DECLARE_CLASS(TcxPopupWindow, TForm)
 public:
  // Popup windows have no owner.
  TcxPopupWindow() : TForm(nullptr) {}
  void Dispatch(TMessage& Message) override;

  virtual TPoint CalculatePosition();
  // Sizes the form around its children, which move inside the frame (nothing unless Adjustable).
  virtual void CalculateSize();
  virtual Integer GetBorderWidth(TcxBorder ABorder);
  virtual TRect GetClientBounds();
  virtual Integer GetFrameWidth(TcxBorder ABorder);
  virtual TRect GetOwnerScreenBounds();
  virtual void InitPopup();
  virtual void DrawFrame();
  virtual void CloseUp();
  virtual void Popup();
  Integer GetNCWidth();
  Integer GetNCHeight();

  bool GetAdjustable() const { return FAdjustable; }
  void SetAdjustable(bool Value) { FAdjustable = Value; }
  TcxPopupAlignHorz GetAlignHorz() const { return FAlignHorz; }
  void SetAlignHorz(TcxPopupAlignHorz Value) { FAlignHorz = Value; }
  TcxPopupAlignVert GetAlignVert() const { return FAlignVert; }
  void SetAlignVert(TcxPopupAlignVert Value) { FAlignVert = Value; }
  Integer GetBorderSpace() const { return FBorderSpace; }
  void SetBorderSpace(Integer Value);
  // The frame drawn inside the form (the form itself has no window border).
  TcxPopupBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TcxPopupBorderStyle Value);
  TcxCanvas* GetCanvas() const { return FCanvas; }
  TcxPopupDirection GetDirection() const { return FDirection; }
  void SetDirection(TcxPopupDirection Value) { FDirection = Value; }
  TColor GetFrameColor() const { return FFrameColor; }
  void SetFrameColor(TColor Value) { FFrameColor = Value; }
  // The area the popup opens against, in OwnerParent's client coordinates (screen ones without it).
  TRect GetOwnerBounds() const { return FOwnerBounds; }
  void SetOwnerBounds(const TRect& Value) { FOwnerBounds = Value; }
  TControl* GetOwnerParent() const { return FOwnerParent; }
  void SetOwnerParent(TControl* Value) { FOwnerParent = Value; }

 protected:
  void Construct() override;
  void Destroy() override;
  bool HasFormResource() const override { return false; }
  void Deactivate() override;
  void PaintWindow(HDC DC) override;
  virtual void Paint() { DrawFrame(); }
  virtual void VisibleChanged() {}
  // Moves the children back out of the frame before the frame changes.
  void RestoreControlsBounds();

 private:
  TControlCanvas* FFormCanvas = nullptr;
  TcxCanvas* FCanvas = nullptr;
  bool FAdjustable = true;
  TcxPopupAlignHorz FAlignHorz = pahLeft;
  TcxPopupAlignVert FAlignVert = pavBottom;
  Integer FBorderSpace = 0;
  TcxPopupBorderStyle FBorderStyle = pbsNone;
  TcxPopupDirection FDirection = pdVertical;
  TColor FFrameColor = clWindowText;
  TRect FOwnerBounds;
  TControl* FOwnerParent = nullptr;
  HWND FPrevActiveWindow = nullptr;
};

}  // namespace cxControls

using namespace cxControls;
