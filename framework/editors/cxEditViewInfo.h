// The painting state of an editor as its view data computed it: bounds and frame rectangles,
// colours, the border style, the buttons' states with their button view infos, flags about the host
// and custom-draw events. It paints the background and the buttons (borders, backgrounds and
// contents in seven drawing styles, or through the visual styles), decides what must be painted
// again when a new view info replaces the previous one, and answers hint questions about buttons.
#pragma once

#include <vector>

#include "cxContainerViewInfo.h"
#include "cxEditButtons.h"
#include "cxEditViewData.h"

namespace cxEdit {

class TcxCustomEditProperties;

enum TcxEditBackgroundPaintingStyle { bpsSolid, bpsComboEdit, bpsComboListEdit };
enum TcxDrawBackgroundStyle { dbsCustom, dbsCustomEdit, dbsNone, dbsSimpleFill, dbsSimpleParent, dbsThemeParent };

// The hint areas of an editor: a button's collection index, the editor's body, or none.
constexpr Integer cxEditHintAreaBody = -1;
constexpr Integer cxEditHintAreaNone = -2;

using TcxEditDrawBackgroundEvent = TClosure<void(TObject* Sender, TcxCanvas* ACanvas, bool& AHandled)>;
using TcxEditDrawButtonEvent =
    TClosure<void(TObject* Sender, TcxCanvas* ACanvas, Integer AButtonVisibleIndex, bool& AHandled)>;
using TcxEditDrawButtonBackgroundEvent = TClosure<void(TObject* Sender, TcxCanvas* ACanvas, const TRect& ARect,
                                                       Integer AButtonVisibleIndex, bool& AHandled)>;
using TcxEditDrawButtonBorderEvent =
    TClosure<void(TObject* Sender, TcxCanvas* ACanvas, Integer AButtonVisibleIndex, TRect& ABackgroundRect,
                  TRect& AContentRect, bool& AHandled)>;
using TcxEditGetButtonStateEvent =
    TClosure<void(TObject* Sender, Integer AButtonVisibleIndex, TcxEditButtonState& AState)>;
using TcxEditPaintEvent = TClosure<void(TObject* Sender, TcxCanvas* ACanvas)>;

class TcxCustomEditViewInfo : public TcxContainerViewInfo {
  DECLARE_CLASS(TcxCustomEditViewInfo, TcxContainerViewInfo)
 public:
  // Colours, border, states and the buttons' drawing state of another editor view info.
  void Assign(TObject* Source) override;
  // What differs from AViewInfo; the caller frees it.
  TcxRegion* GetUpdateRegion(TcxContainerViewInfo* AViewInfo) override;
  void Offset(Integer DX, Integer DY) override;
  void Paint(TcxCanvas* ACanvas) override;

  // The class of the button view infos (a class operation).
  virtual TClass GetButtonViewInfoClass() { return TcxEditButtonViewInfo::StaticClass(); }
  virtual bool IsRepaintOnStateChangingNeeded() { return true; }
  virtual void DrawEditButton(TcxCanvas* ACanvas, Integer AButtonVisibleIndex);
  virtual void SetOnDrawBackground(TcxEditDrawBackgroundEvent Value) { OnDrawBackground = Value; }
  virtual void Draw3DButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                  TRect& ABackgroundRect, TRect& AContentRect, TColor& APenColor,
                                  TColor& ABrushColor);
  virtual void DrawFlatButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                    TRect& ABackgroundRect, TRect& AContentRect, TColor& APenColor,
                                    TColor& ABrushColor);
  virtual void DrawHotFlatButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                       TRect& ABackgroundRect, TRect& AContentRect, TColor& APenColor,
                                       TColor& ABrushColor);
  virtual void DrawNativeButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                      TRect& ABackgroundRect, TRect& AContentRect, TColor& APenColor,
                                      TColor& ABrushColor);
  virtual void DrawSimpleButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                      TRect& ABackgroundRect, TRect& AContentRect, TColor& APenColor,
                                      TColor& ABrushColor);
  virtual void DrawUltraFlatButtonBorder(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                         bool AIsOffice11Style, TRect& ABackgroundRect, TRect& AContentRect,
                                         TColor& APenColor, TColor& ABrushColor);
  virtual void DrawNativeButtonBackground(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                          const TRect& ARect);
  virtual void DrawUsualButtonBackground(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                         const TRect& ARect, TColor ABrushColor);
  virtual void DrawButton(TcxCanvas* ACanvas, Integer AButtonVisibleIndex);
  virtual void DrawNativeStyleEditBackground(TcxCanvas* ACanvas, bool ADrawBackground,
                                             TcxEditBackgroundPaintingStyle ABackgroundPaintingStyle,
                                             HBRUSH ABackgroundBrush);
  virtual void DrawButtonBorder(TcxCanvas* ACanvas, Integer AButtonVisibleIndex, TRect& ABackgroundRect,
                                TRect& AContentRect, TColor& APenColor, TColor& ABrushColor);
  virtual void DrawButtonContent(TcxCanvas* ACanvas, Integer AButtonVisibleIndex, const TRect& AContentRect,
                                 TColor APenColor, TColor ABrushColor, bool ANeedOffsetContent);
  // Some button is selected (under the pointer).
  virtual bool IsHotTrack();
  // The point, relative to the view info's position, lies on a button.
  virtual bool IsHotTrack(const TPoint& P);
  virtual bool NeedShowHint(TcxCanvas* ACanvas, const TPoint& P, String& AText, bool& AIsMultiLine,
                            TRect& ATextRect);
  virtual bool NeedShowHint(TcxCanvas* ACanvas, const TPoint& P, const TRect& AVisibleBounds, String& AText,
                            bool& AIsMultiLine, TRect& ATextRect);
  virtual void PrepareCanvasFont(TCanvas* ACanvas) {}
  // Invalidates in the control what differs from AViewInfo; true when anything was.
  virtual bool Repaint(TWinControl* AControl, TcxContainerViewInfo* AViewInfo = nullptr);
  virtual bool Repaint(TWinControl* AControl, const TRect& AInnerEditRect, TcxContainerViewInfo* AViewInfo);

  // Keeps the button view infos up to the count, making missing ones of GetButtonViewInfoClass.
  void SetButtonCount(Integer ACount);
  Integer GetButtonCount() const { return static_cast<Integer>(ButtonsInfo.size()); }
  // Paints with the canvas's origin moved back by Left and Top.
  void PaintEx(TcxCanvas* ACanvas);
  // Only an in-place view info whose OnDrawBackground handles it draws its own background.
  bool DrawBackground(TcxCanvas* ACanvas);
  bool DrawBackground(TcxCanvas* ACanvas, const TPoint& APos);
  // Draws every visible button, unless the canvas is a button's own.
  void DrawButtons(TcxCanvas* ACanvas);
  // The editor's background by its draw-background style, outside AExcludeRect unless AIncludeExcluded.
  void DrawEditBackground(TcxCanvas* ACanvas, const TRect& ARect, const TRect& AExcludeRect,
                          bool AIncludeExcluded = false);
  TcxDrawBackgroundStyle GetDrawBackgroundStyle();
  bool IsCustomBackground();
  bool IsCustomButton(Integer AButtonVisibleIndex);
  bool IsCustomButtonBackground(Integer AButtonVisibleIndex);
  bool IsCustomButtonBorder(Integer AButtonVisibleIndex);
  bool IsCustomDrawButton(Integer AButtonVisibleIndex);
  bool IsTransparent();
  bool IsNativeBackground();
  bool IsBackgroundTransparent();
  // Hints: the area at the point, its text and where the hint window goes.
  Integer GetHintAreaIndex(const TPoint& P);
  String GetHintText(bool AShowHint, Integer AHintArea);
  TRect GetHintTextRect(const TPoint& P, Integer AHintArea);

  TcxEditBorderStyle GetEditBorderStyle() const { return static_cast<TcxEditBorderStyle>(BorderStyle); }
  void SetEditBorderStyle(TcxEditBorderStyle Value) { BorderStyle = static_cast<TcxContainerBorderStyle>(Value); }

  TcxCustomEdit* Edit = nullptr;
  TcxCustomEditProperties* EditProperties = nullptr;
  Integer Left = 0, Top = 0;
  TRect BorderExtent;
  TRect ShadowRect;
  TRect InnerEditRect;
  std::vector<TcxEditButtonViewInfo*> ButtonsInfo;
  Integer PressedButton = -1;
  Integer SelectedButton = -1;
  bool IsButtonReallyPressed = false;
  bool Enabled = true;
  bool Focused = false;
  bool HasBackground = false;
  bool HasInnerEdit = false;
  bool IsContainerInnerControl = false;
  bool IsDBEditPaintCopyDrawing = false;
  bool IsDesigning = false;
  bool IsInplace = false;
  bool IsSelected = false;
  bool HasContentOffsets = false;
  TcxEditPaintOptions PaintOptions;
  TFont* Font = nullptr;
  TColor TextColor = clWindowText;
  bool Transparent = false;
  TcxEditPopupBorderStyle PopupBorderStyle = epbsDefault;
  HWND WindowHandle = nullptr;

  TcxEditDrawBackgroundEvent OnDrawBackground;
  TcxEditDrawButtonEvent OnDrawButton;
  TcxEditDrawButtonBackgroundEvent OnDrawButtonBackground;
  TcxEditDrawButtonBorderEvent OnDrawButtonBorder;
  TcxEditGetButtonStateEvent OnGetButtonState;
  TcxEditPaintEvent OnPaint;

 protected:
  void Construct() override;
  void Destroy() override;
  void InternalPaint(TcxCanvas* ACanvas) override;

 private:
  bool FPaintingButtons = false;
};

using TcxCustomEditViewInfoClass = TClassRef<TcxCustomEditViewInfo>;

}  // namespace cxEdit

using namespace cxEdit;
