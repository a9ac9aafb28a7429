// The draw parameters of the item controls: the one record the bar painter reads to draw a control,
// filled by the control's CalcDrawParams just before painting and kept between paints for measuring.
#pragma once

#include "Graphics.h"
#include "dxBarItemTypes.h"

namespace cxGraphics {
class TcxCanvas;
}

namespace dxBar {

class TdxBarItemControl;

class TdxBarItemControlDrawParams : public TObject {
  DECLARE_CLASS(TdxBarItemControlDrawParams, TObject)
 public:
  explicit TdxBarItemControlDrawParams(TdxBarItemControl* AItemControl = nullptr) : BarItemControl(AItemControl) {}

  // A new view size drops the control's cached glyph: it was drawn for the old size.
  void SetViewSize(TdxBarItemControlViewSize Value);
  TdxBarItemControlViewSize GetViewSize() const { return ViewSize; }

  TdxBarItemControlViewSize ViewSize = cvsSmall;
  TdxBarItemControl* BarItemControl;
  cxGraphics::TcxCanvas* Canvas = nullptr;
  String Caption;
  String Description;
  String ShortCut;
  TdxBarPaintType PaintType = ptHorz;
  TdxBarItemControlViewStructure ViewStructure;
  bool Enabled = false;
  bool CanSelect = false;
  bool DrawSelected = false;
  bool DroppedDown = false;
  bool IsDropDown = false;
  Integer HotPartIndex = -1;
  bool IsCustomizing = false;
  bool IsPressed = false;
  bool SelectedByKey = false;
  TSize GlyphSize{0, 0};
};

class TdxBarButtonLikeControlDrawParams : public TdxBarItemControlDrawParams {
  DECLARE_CLASS(TdxBarButtonLikeControlDrawParams, TdxBarItemControlDrawParams)
 public:
  using TdxBarItemControlDrawParams::TdxBarItemControlDrawParams;

  bool Downed = false;
  bool DrawDownFrame = false;  // the pressed look
  bool DroppedDownFlat = false;
  bool IsButton = false;  // set only by the button controls
  bool DropDownEnabled = false;
  bool IsTextSelected = false;
  bool IsFlatText = false;
  bool GrayScale = false;
  bool Lowered = false;
  bool IsMenuItem = false;
  TSize ArrowSize{0, 0};
  TdxBarButtonGroupRealPosition RealPositionInButtonGroup = bgrpNone;
};

class TdxBarApplicationMenuButtonControlDrawParams : public TdxBarButtonLikeControlDrawParams {
  DECLARE_CLASS(TdxBarApplicationMenuButtonControlDrawParams, TdxBarButtonLikeControlDrawParams)
 public:
  using TdxBarButtonLikeControlDrawParams::TdxBarButtonLikeControlDrawParams;

  Integer DefaultWidth = 0;
};

class TdxBarEditLikeControlDrawParams : public TdxBarItemControlDrawParams {
  DECLARE_CLASS(TdxBarEditLikeControlDrawParams, TdxBarItemControlDrawParams)
 public:
  using TdxBarItemControlDrawParams::TdxBarItemControlDrawParams;

  bool IsFocused = false;
  bool IsEditTransparent = false;
  TdxBarItemControl* GetBarEditControl() const { return BarItemControl; }
};

class TdxBarStaticLikeControlDrawParams : public TdxBarItemControlDrawParams {
  DECLARE_CLASS(TdxBarStaticLikeControlDrawParams, TdxBarItemControlDrawParams)
 public:
  using TdxBarItemControlDrawParams::TdxBarItemControlDrawParams;
  TdxBarItemControl* GetBarStaticControl() const { return BarItemControl; }

  TdxBarStaticBorderStyle BorderStyle = sbsNone;
  TRect BorderOffsets{0, 0, 0, 0};
  TAlignment Alignment = taLeftJustify;
  bool AllowCenter = false;  // a glyph without text may stand in the middle
};

class TdxBarSeparatorControlDrawParams : public TdxBarStaticLikeControlDrawParams {
  DECLARE_CLASS(TdxBarSeparatorControlDrawParams, TdxBarStaticLikeControlDrawParams)
 public:
  using TdxBarStaticLikeControlDrawParams::TdxBarStaticLikeControlDrawParams;

  bool IsFirstVisible = false;  // the link is the first visible one of its collection
};

class TdxBarColorComboControlDrawParams : public TdxBarEditLikeControlDrawParams {
  DECLARE_CLASS(TdxBarColorComboControlDrawParams, TdxBarEditLikeControlDrawParams)
 public:
  using TdxBarEditLikeControlDrawParams::TdxBarEditLikeControlDrawParams;
};

class TdxBarSpinEditDrawParams : public TdxBarEditLikeControlDrawParams {
  DECLARE_CLASS(TdxBarSpinEditDrawParams, TdxBarEditLikeControlDrawParams)
 public:
  using TdxBarEditLikeControlDrawParams::TdxBarEditLikeControlDrawParams;

  TdxBarSpinEditButton ActiveButton = sbNone;  // the one being pressed
  TdxBarSpinEditButton HotButton = sbNone;
  Integer ArrowSize = 0;
};

class TdxBarProgressControlDrawParams : public TdxBarStaticLikeControlDrawParams {
  DECLARE_CLASS(TdxBarProgressControlDrawParams, TdxBarStaticLikeControlDrawParams)
 public:
  using TdxBarStaticLikeControlDrawParams::TdxBarStaticLikeControlDrawParams;

  Integer Min = 0;
  Integer Max = 100;
  Integer Position = 0;
  bool Smooth = false;
};

class TdxBarInPlaceSubItemControlDrawParams : public TdxBarButtonLikeControlDrawParams {
  DECLARE_CLASS(TdxBarInPlaceSubItemControlDrawParams, TdxBarButtonLikeControlDrawParams)
 public:
  using TdxBarButtonLikeControlDrawParams::TdxBarButtonLikeControlDrawParams;

  bool IsExpanded = false;
};

}  // namespace dxBar

using namespace dxBar;
