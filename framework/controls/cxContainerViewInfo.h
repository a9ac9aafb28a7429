// The painting state of a container: its bounds, the rectangles inside the border and the client
// area, the border's style, width, colour and edges, the background colour, the shadow and the
// theme part that a native look draws. The container fills it in and it paints the frame, the
// shadow and the background; the editors' view infos derive from it. Beside it: the border-width
// tables, the container state types and the shadow.
#pragma once

#include <vector>

#include "cxGraphicsCanvas.h"
#include "cxLookAndFeelPaintersBase.h"
#include "cxLookAndFeels.h"
#include "dxThemeManager.h"

namespace cxContainer {

PUBLISHED_ENUM(TcxContainerBorderStyle, cbsNone, cbsSingle, cbsThick, cbsFlat, cbs3D, cbsUltraFlat, cbsOffice11)
PUBLISHED_ENUM(TcxContainerStateItem, csNormal, csActive, csDisabled, csHotTrack)
using TcxContainerState = TSet<TcxContainerStateItem, 8>;
PUBLISHED_ENUM(TcxContainerHotState, chsNoHotTrack, chsNormal, chsSelected)
PUBLISHED_ENUM(TcxMouseButton, cxmbNone, cxmbLeft, cxmbRight, cxmbMiddle)

constexpr TColor cxContainerShadowColor = clBtnShadow;
constexpr Integer cxContainerShadowWidth = 3;
// The extent of a transparent border and of a native frame, on each side.
inline const TRect cxContainerDefaultBorderExtent(2, 2, 2, 2);
constexpr HBRUSH cxEmptyBrush = nullptr;
// Whether drop-down windows that do not take the focus open above all other windows.
extern bool TopMostComboBoxes;

// The width of a frame of the border style, and of the frame a look-and-feel kind draws.
Integer GetContainerBorderWidth(TcxContainerBorderStyle ABorderStyle);
Integer GetContainerBorderWidth(TcxLookAndFeelKind ALookAndFeelKind);
// The shadow below and right of ARect, three pixels wide; both strips are taken out of the clip.
void DrawContainerShadow(TcxCanvas* ACanvas, const TRect& ARect);
// The parts of the frame between AOuter and AInner: nothing when the outer rectangle is empty or
// equal to the inner one, the whole outer rectangle for an empty inner one, else the strips left of,
// above, right of and below the inner rectangle.
std::vector<TRect> GetContainerFrameParts(const TRect& AOuter, const TRect& AInner);

class TcxContainerViewInfo : public TObject {
  DECLARE_CLASS(TcxContainerViewInfo, TObject)
 public:
  // A view info of AClass (TcxContainerViewInfo or a descendant).
  static TcxContainerViewInfo* Create(TClass AClass);

  // Copies the client rectangle of another container view info.
  virtual void Assign(TObject* Source);
  // What differs from AViewInfo and must be painted again (the caller frees it): nothing here.
  virtual TcxRegion* GetUpdateRegion(TcxContainerViewInfo* AViewInfo);
  // Moves the border rectangle, the bounds and the client rectangle.
  virtual void Offset(Integer DX, Integer DY);
  virtual void Paint(TcxCanvas* ACanvas);
  virtual TcxContainerBorderStyle GetContainerBorderStyle() { return BorderStyle; }

  TColor GetBackgroundColor() const { return FBackgroundColor; }
  virtual void SetBackgroundColor(TColor Value) { FBackgroundColor = Value; }

  TColor BorderColor = clDefault;
  TRect BorderRect;  // the area inside the border
  TcxContainerBorderStyle BorderStyle = cbsNone;
  Integer BorderWidth = 0;
  TRect Bounds;
  TRect ClientRect;
  TcxContainerState ContainerState{csNormal};
  TcxBorders Edges;
  TcxContainerHotState HotState = chsNoHotTrack;
  Integer NativePart = 0;
  Integer NativeState = 0;
  bool NativeStyle = false;
  // A skin painter draws a plain frame in the border colour; none draws by border style.
  TcxCustomLookAndFeelPainterClass Painter;
  bool Shadow = false;
  TdxThemedObjectType ThemedObjectType = totButton;

 protected:
  void Construct() override;
  virtual void DrawBorder(TcxCanvas* ACanvas, TRect R);
  virtual void InternalPaint(TcxCanvas* ACanvas);

 private:
  void PaintNative(TcxCanvas* ACanvas);
  TColor FBackgroundColor = clWindow;
};

}  // namespace cxContainer

using namespace cxContainer;
