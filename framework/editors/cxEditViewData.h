// The layout of an editor for one calculation: TcxCustomEditViewData resolves the frame (border
// style, extents, colours), places the buttons from both ends of the frame, decides each button's
// state from focus, hot tracking and the mouse, and fills the editor's view info with what painting
// needs. It also answers the size questions of editors and settings. A view data lives for one
// calculation or one size question and owns nothing it refers to.
#pragma once

#include "Controls.h"
#include "cxContainerViewInfo.h"
#include "cxEditButtons.h"
#include "cxEditProperties.h"

namespace cxGraphics {
class TcxCanvas;
}
namespace cxControls {
class TcxControlScrollBar;
}

namespace cxEdit {

class TcxCustomEdit;
class TcxCustomEditViewInfo;
class IcxCustomInnerEdit;

enum TcxEditPaintOption {
  epoAllowZeroHeight, epoAutoHeight, epoHasExternalBorder, epoShowEndEllipsis, epoShowFocusRectWhenInplace
};
using TcxEditPaintOptions = TSet<TcxEditPaintOption, 8>;
enum TcxEditContentOption { ecoShowFocusRectWhenInplace, ecoOffsetButtonContent };
using TcxEditContentOptions = TSet<TcxEditContentOption, 8>;

// How the content of an editor sits in its frame.
struct TcxEditContentParams {
  TRect ExternalBorderBounds;
  TRect Offsets;
  Integer SizeCorrectionHorz = 0;
  TcxEditContentOptions Options;
  Integer SizeCorrectionVert = 0;
};

// The content offsets (left, top, right, bottom) of a stand-alone and of an in-place editor.
inline const TRect EditContentDefaultOffsets[2] = {TRect(1, 1, 1, 3), TRect(1, 1, 1, 1)};

using TcxEditGetDefaultButtonWidthEvent =
    TClosure<void(TObject* Sender, Integer AButtonVisibleIndex, Integer& ADefaultWidth)>;
using TcxEditGetDisplayTextEvent = TClosure<void(TObject* Sender, String& AText)>;

class TcxCustomEditViewData : public TPersistent {
  DECLARE_CLASS(TcxCustomEditViewData, TPersistent)
 public:
  TcxCustomEditViewData(TcxCustomEditProperties* AProperties = nullptr, TcxCustomEditStyle* AStyle = nullptr,
                        bool AIsInplace = false)
      : FProperties(AProperties), FStyle(AStyle), FIsInplace(AIsInplace) {}
  // Virtual construction from a class reference.
  static TcxCustomEditViewData* Create(TClass AClass, TcxCustomEditProperties* AProperties,
                                       TcxCustomEditStyle* AStyle, bool AIsInplace);

  // Whether editors of this kind draw through the visual styles with this look (a class operation).
  virtual bool IsNativeStyle(TcxLookAndFeel* ALookAndFeel);

  // Moves the bounds' top left to (0, 0) (kept as the view info's Left and Top) and calculates.
  void CalculateEx(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                   TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent);
  virtual void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                         TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent);
  virtual void CalculateButtonBounds(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo,
                                     Integer AButtonVisibleIndex, TRect& ButtonsRect);
  virtual void CalculateButtonsViewInfo(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                        TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                        bool AIsMouseEvent);
  virtual void CalculateButtonViewInfo(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo,
                                       Integer AButtonVisibleIndex, TRect& ButtonsRect);
  virtual void CheckButtonsOnly(TcxCustomEditViewInfo* AViewInfo, Integer APrevButtonsWidth,
                                Integer AButtonsWidth);
  virtual void EditValueToDrawValue(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                                    TcxCustomEditViewInfo* AViewInfo) {}
  virtual TColor GetBorderColor();
  virtual TRect GetBorderExtent();
  virtual TcxEditBorderStyle GetBorderStyle();
  virtual TRect GetButtonsExtent(TcxCanvas* ACanvas);
  virtual TRect GetClientExtent(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo);
  virtual TSize GetEditConstantPartSize(TcxCanvas* ACanvas, const TcxEditSizeProperties& AEditSizeProperties,
                                        TSize& MinContentSize, TcxCustomEditViewInfo* AViewInfo = nullptr);
  virtual TSize GetEditContentSize(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                                   const TcxEditSizeProperties& AEditSizeProperties);
  virtual TSize GetEditContentSizeCorrection();
  virtual bool HasShadow();
  virtual bool IgnoreButtonWhileStretching(Integer AButtonVisibleIndex) { return false; }

  // The view info's native state, colours and rectangles after the state pass.
  void CalculateViewInfo(TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent);
  void GetColorSettings(TcxCustomEditViewInfo* AViewInfo, TColor& FillColor, TColor& TextColor);
  TcxEditButtonStyle GetButtonsStyle();
  TcxEditPaintOptions GetPaintOptions();
  TSize GetEditSize(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                    const TcxEditSizeProperties& AEditSizeProperties, TcxCustomEditViewInfo* AViewInfo = nullptr);
  void CheckSizeConstraints(TSize& AEditSize);
  String EditValueToDisplayText(const TcxEditValue& AEditValue);
  // ebsUltraFlat and ebsOffice11 draw as a single frame whose colour changes.
  void CorrectBorderStyle(TcxEditBorderStyle& ABorderStyle);
  Integer GetCaptureButtonVisibleIndex();
  bool InternalFocused();
  // The view info's button-state event may change the state of a button.
  void DoGetButtonState(TcxCustomEditViewInfo* AViewInfo, Integer AButtonVisibleIndex, TcxEditButtonState& AState);
  Integer DoGetDefaultButtonWidth(Integer AIndex);
  void DoOnGetDisplayText(String& AText);

  TcxCustomEditStyle* GetStyle() const { return FStyle; }
  void SetStyle(TcxCustomEditStyle* Value) { FStyle = Value; }
  TcxCustomEditProperties* GetProperties() const { return FProperties; }
  bool IsInplace() const { return FIsInplace; }

  // ---- Set by the editor that the view data serves
  TcxCustomEdit* Edit = nullptr;
  HWND WindowHandle = nullptr;
  cxControls::TcxControlScrollBar* HScrollBar = nullptr;
  cxControls::TcxControlScrollBar* VScrollBar = nullptr;
  IcxCustomInnerEdit* InnerEdit = nullptr;
  bool Enabled = true;
  bool Focused = false;
  bool IsDesigning = false;
  // ---- Set by hosts
  bool Selected = false;
  TcxEditPaintOptions PaintOptions;
  TRect ContentOffset;
  TcxEditContentParams EditContentParams;
  bool PreviewMode = false;
  TColor TextColor = clDefault;
  TColor BackgroundColor = clDefault;
  // ---- Cached at construction
  Integer ButtonVisibleCount = 0;
  bool IsValueSource = true;
  TAlignment HorzAlignment = taLeftJustify;
  TcxEditVertAlignment VertAlignment = taTopJustify;
  bool NativeStyle = false;
  // ---- Per calculation
  TRect Bounds;
  TcxContainerState ContainerState;
  bool HotTrackOrFocused = false;
  bool IsButtonsOnly = false;
  Integer LeftButtonsLeftIndex = -1, LeftButtonsRightIndex = -1;
  Integer RightButtonsLeftIndex = -1, RightButtonsRightIndex = -1;

  TcxEditGetDefaultButtonWidthEvent OnGetDefaultButtonWidth;
  TcxEditGetDisplayTextEvent OnGetDisplayText;

 protected:
  friend class TcxCustomEdit;
  void Construct() override;

  virtual void CalculateButtonNativeInfo(TcxEditButtonViewInfo* AButtonViewInfo);
  virtual bool CanPressButton(TcxCustomEditViewInfo* AViewInfo, Integer AButtonVisibleIndex) { return true; }
  virtual TcxContainerState GetContainerState(const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                                              TShiftState Shift, bool AIsMouseEvent);
  virtual TRect GetEditContentDefaultOffsets();
  virtual Integer GetEditNativeState(TcxCustomEditViewInfo* AViewInfo);
  virtual void InitCacheData();
  virtual void InitEditContentParams(TcxEditContentParams& AParams);
  virtual void Initialize();
  virtual String InternalEditValueToDisplayText(const TcxEditValue& AEditValue) { return ""; }
  virtual TSize InternalGetEditConstantPartSize(TcxCanvas* ACanvas, bool AIsInplace,
                                                const TcxEditSizeProperties& AEditSizeProperties,
                                                TSize& MinContentSize, TcxCustomEditViewInfo* AViewInfo);
  virtual TSize InternalGetEditContentSize(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                                           const TcxEditSizeProperties& AEditSizeProperties) {
    return TSize{0, 0};
  }
  virtual bool IsButtonPressed(TcxCustomEditViewInfo* AViewInfo, Integer AButtonVisibleIndex) { return false; }

 private:
  // Container state, hot state, active style and border style of the view info.
  void CalculateStates(const TRect& ABounds, const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                       TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent);
  void CalculateButtonStates(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                             TcxCustomEditViewInfo* AViewInfo, Integer APrevPressedButton);
  void CalculateButtonGroupEnds(TcxCustomEditViewInfo* AViewInfo);
  TcxEditPopupBorderStyle GetPopupBorderStyle(TcxCustomEditViewInfo* AViewInfo);
  TcxLookAndFeel* GetLookAndFeel();

  TcxCustomEditProperties* FProperties;
  TcxCustomEditStyle* FStyle;
  bool FIsInplace;
};

using TcxCustomEditViewDataClass = TClassRef<TcxCustomEditViewData>;

}  // namespace cxEdit

using namespace cxEdit;
