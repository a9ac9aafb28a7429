// The window of one toolbar: docked on a dock control or floating as a small tool window with a
// caption, a close button and caption buttons, or shown as a popup. It adds to the bar-window base the
// non-client frame and its hit-testing, the more-buttons mark with its hint timer, the MDI child
// buttons of a main menu, the windows kept while the toolbar is moved, floating sizing that keeps the
// window on a monitor, and the row layout of its item controls with the size rules docking asks for.
#pragma once

#include "dxBarControl.h"

namespace Forms {
class TCustomForm;
}

namespace dxBar {

class TdxBarCaptionButtons;
class TdxBarCaptionButton;
class TdxDockCol;
class TdxBarItemLinks;

// Which way a popup opens from its owner's rectangle.
enum TXDirection { xdLeft, xdRight };

// The layout of a toolbar window: its visible item controls in link order and the group separators.
class TdxBarControlViewInfo : public TCustomdxBarControlViewInfo {
  DECLARE_CLASS(TdxBarControlViewInfo, TCustomdxBarControlViewInfo)
 public:
  explicit TdxBarControlViewInfo(TCustomdxBarControl* ABarControl = nullptr)
      : TCustomdxBarControlViewInfo(ABarControl) {}

  void Calculate() override;
  virtual void CalcSeparatorInfo(TdxBarItemLink* ALink);
  virtual bool CanShowButtonGroups();
  virtual bool CanShowSeparators();
  virtual void DoCalcSeparatorInfo(TdxBarItemLink* ALink, const TRect& AItemRect);
  virtual bool IsLastVisibleItemControl(TdxBarItemControl* AControl);
  TdxBarControl* GetBarControl() const;
};

// Which MDI child button the mouse holds or hovers; one state for all toolbar windows, as only one
// can be pressed at a time.
struct TdxBarMDIButtonsState {
  bool Pressed = false;
  bool MouseInside = false;
  TdxBarMDIButton PressedButton = mdibClose;
  Integer HotButton = -1;  // a TdxBarMDIButton, or -1 for none
};
TdxBarMDIButtonsState& dxBarMDIButtonsState();

class TdxBarControl : public TCustomdxBarControl {
  DECLARE_CLASS(TdxBarControl, TCustomdxBarControl)
 public:
  explicit TdxBarControl(TComponent* AOwner = nullptr, TdxBar* ABar = nullptr)
      : TCustomdxBarControl(AOwner), FBar(ABar) {}
  // The toolbar's window of class AClass (a descendant of this class) with the manager as owner.
  static TdxBarControl* Create(TClass AClass, TComponent* AOwner, TdxBar* ABar);
  // A popup toolbar: the window shows the links of a hidden toolbar that it makes and frees itself,
  // as the child bar of AParentBarControl, popping up from AOwnerBar.
  static TdxBarControl* CreateForPopup(TClass AClass, TCustomdxBarControl* AParentBarControl, TdxBar* AOwnerBar);

  // ---- Overridable operations of the toolbar window, in slot order ----------------------------------------
  virtual bool CanHideAllItemsInSingleLine();
  virtual bool CanMoving();
  virtual bool CanProcessShortCut();
  virtual void CaptionButtonClick(Integer AIndex);
  virtual TClass GetMarkAccessibilityHelperClass();
  virtual String GetMoreButtonsHint();
  virtual bool GetMultiLine();
  virtual TClass GetQuickControlClass();
  virtual Forms::TCustomForm* GetParentForm();
  virtual bool AllowQuickCustomizing();
  virtual void InitQuickControl(TdxBarItemLinks* AItemLinks);
  virtual void InitQuickCustomizeItemLinks(TdxBarItemLinks* AItemLinks);
  virtual void InitAddRemoveSubItemPopup(TdxBarItemLinks* AItemLinks);
  virtual Integer GetMinWidth(TdxBarDockingStyle AStyle);
  virtual Integer GetMinHeight(TdxBarDockingStyle AStyle);
  virtual TRect GetSizeAllCursorBounds();
  virtual TPoint GetSizeForWidth(TdxBarDockingStyle AStyle, Integer AWidth);
  virtual TPoint GetSizeForPopup();
  virtual bool HasCaption();
  virtual bool HasCloseButton();
  virtual bool IgnoreClickAreaWhenHidePopup(TRect& ARect);
  virtual bool RealMDIButtonsOnBar();
  virtual void UpdateCaptionButtons(TdxBarCaptionButton* AButton);
  virtual void CaptionChanged();
  virtual void DoDrawBeginGroup(const TRect& ARect, bool AHorizontalLine);
  virtual void DoNCPaint(HDC DC);
  virtual void DoPaint();
  virtual void DrawContentBackground();
  virtual String GetCaption();
  virtual TFont* GetFont();
  virtual void GlyphChanged();
  virtual bool LockHotTrackWhenPopup();
  virtual bool NeedHideOnNCMouseClick();
  virtual void InitPopup(TCustomdxBarControl* AParentBarControl, TdxBar* AOwnerBar);
  virtual void CloseUp();
  virtual void Popup(const TRect& AOwnerRect);

  // ---- Size rules of the layout ------------------------------------------------------------------------------
  Integer GetMaxWidth(TdxBarDockingStyle AStyle);
  Integer GetMaxHeight(TdxBarDockingStyle AStyle);
  TPoint GetSizeForHeight(TdxBarDockingStyle AStyle, Integer AHeight);
  // Wraps the visible links into rows of at most ALength along the axis; ASize holds the minimum width
  // and height on entry and the wrapped size on return.
  void GetMultiLineBarSize(TdxBarDockingStyle AStyle, Integer ALength, TPoint& ASize);
  // The outer size of the window when it is put in AStyle (what the moving loop and the docks place).
  TPoint GetTrackSize(TdxBarDockingStyle AStyle);

  // ---- Overrides of the bar-window base ----------------------------------------------------------------------
  void WindowPosChanged() override;
  void CalcControlsPositions() override;
  void CalcDragOverParameters(const TPoint& APoint, TdxBarItemLink*& ALink, bool& ASeparatorHit, bool& ABefore,
                              bool& AVertical) override;
  void CalcRowItemRects() override;
  void LayoutChanged() override;
  bool CanAlignControl(TdxBarItemControl* AControl) override;
  bool CanCallInheritedNCCalcSize() override;
  bool CanCustomizing() override;
  bool CheckLockUpdate() override;
  void DoBarGetFocus(TdxBarItemControl* AItemControl) override;
  void DoBarLostFocus() override;
  void DoBarMouseDown(TMouseButton AButton, TShiftState AShift, Integer X, Integer Y,
                      TdxBarItemControl* AItemControl, bool APointInSelectedControl) override;
  void DoBarMouseLeave(TdxBarItemControl* AItemControl) override;
  void DoBarMouseMove(TShiftState AShift, Integer X, Integer Y, TdxBarItemControl* AItemControl) override;
  void DoDestroyControls() override;
  void DoHideAll() override;
  void DoRepaintBar() override;
  void DoSetIsActive(bool Value) override;
  void FocusItemControl(TdxBarItemControl* AItemControl) override;
  TClass GetAccessibilityHelperClass() override;
  TBitmap* GetBackgroundBitmap() override;
  Integer GetBeginGroupSize() override;
  TFont* GetEditFont() override;
  TRect GetFullItemRect(TdxBarItemControl* AItem) override;
  bool GetIsMainMenu() override;
  bool GetIsStatusBar() override;
  HRGN GetItemRegion(TdxBarItemControl* AControl) override;
  TdxBarMarkState GetMarkDrawState() override;
  TObject* GetSelectableObject() override;
  HBRUSH GetToolbarBrush() override;
  TClass GetViewInfoClass() override;
  bool HideOnClick() override;
  bool MarkExists() override;
  TRect MarkRect() override;
  void SetMarkState(TdxBarMarkState Value) override;
  bool NotHandleMouseMove(bool ACheckPosition) override;
  void SetDockingStyle(TdxBarDockingStyle Value) override;
  void SetFont() override;
  void SetLayeredAttributes() override;
  void SelectItemControl(TdxBarItemControl* AItemControl, TMouseButton AButton, TShiftState AShift) override;
  void SetKeySelectedItem(TdxBarItemControl* Value) override;
  void UpdateItem(TdxBarItemControl* AControl) override;
  bool AllowNCPaint() override;
  void FillBackground(HDC DC, const TRect& ADestR, const TRect& ASourceR, HBRUSH ABrush, TColor AColor) override;
  bool IsInternal() override;
  bool IsPopup() override;
  void NCPaint(HDC DC) override;
  void Hide() override;
  bool IsRealVertical() override;
  bool IsVertical() override;
  TdxBarKind Kind() override;
  void Repaint() override;

  // ---- Operations the moving loop, the docks and the manager use --------------------------------------------
  void SetMoving(bool AMoving);
  void ChangeStyleWinTo(TdxBarDockingStyle AStyle, TdxDockControl* ADockControl);
  TPoint GetDragPointOffset(TdxBarDockingStyle AStyle);
  void SavePos();
  void BeginInternal() { ++FInternalLockCount; }
  void EndInternal() { --FInternalLockCount; }
  bool IsInternallyLocked() const { return FInternalLockCount > 0; }
  void RebuildBar();
  void FrameChanged();
  void RefreshShadow();
  void BarManagerStyleChanged();
  void UpdateFont();
  void PopupEx(const TRect& AOwnerRect, TXDirection ADirection);
  TRect MarkScreenRect();
  TRect MarkNCRect();
  void InvalidateMark();
  void CheckMarkState(const TPoint& APoint);
  TRect CloseButtonRect();
  TRect CloseButtonRectNC();
  TRect GetCaptionRect();
  TRect SizeGripRect();
  void DrawCloseButton(HDC DC);
  void DrawMark(HDC DC);
  bool MDIButtonsOnBar();
  TRect RectMDI(TdxBarMDIButton AButton);
  Integer GetMDIWidth();
  Integer GetMDIHeight();
  void SetNewBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight);
  bool GetHorizontal();
  bool GetVertical();
  Integer GetRow();
  Integer GetCol();
  TdxDockCol* GetDockCol();
  Forms::TCustomForm* GetMasterForm();
  TdxBarCaptionButtons* GetCaptionButtons();
  TColor GetCaptionColor();
  TColor GetCaptionBkColor();
  Byte GetAlphaBlendValue();

  TdxBar* GetBar() const { return FBar; }
  TdxBar* GetPopupOwnerBar() const { return FPopupOwnerBar; }
  bool GetMoving() const { return FMoving; }
  bool GetMarkForced() const { return FMarkForced; }
  void SetMarkForced(bool Value) { FMarkForced = Value; }
  Integer GetLastHitTest() const { return FLastHitTest; }
  TdxBarMarkState GetCloseButtonState() const { return FCloseButtonState; }
  TdxBarControl* GetQuickControl() const { return FQuickControl; }
  HWND GetDockedHandle() const { return FDockedHandle; }
  HWND GetFloatingHandle() const { return FFloatingHandle; }
  bool GetHasSizeGrip() const { return FHasSizeGrip; }
  // SavePos is writing the position to the toolbar, which must not place the window meanwhile.
  bool GetSavingPosition() const { return FSavingPosition; }
  // The layout's per-control flags: the control ends its row, the control starts a new row.
  bool IsLastInRow(TdxBarItemControl* AControl) const;
  bool IsNewRow(TdxBarItemControl* AControl) const;

 protected:
  void Construct() override;
  void BeforeDestruction() override;
  void Destroy() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWindowHandle(const TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void Paint() override;
  void Resize() override;

 private:
  friend class TdxBarControlViewInfo;
  // Layout steps.
  void CenterRow(Integer AFirstIndex, Integer ALastIndex, Integer ARowHeight, bool AVertical);
  void SetRowFlags(TdxBarItemControl* AControl, bool ALastInRow, bool ANewRow);
  void ClearRowFlags(TdxBarItemControl* AControl);
  TPoint SingleLineSizeForLength(TdxBarDockingStyle AStyle, Integer ALength);
  Integer EmptyBarExtent(bool AHeights);
  Integer LargestCanVisibleExtent(bool AHeights, bool AEmptyBarButton);
  Integer GetMinExtent(TdxBarDockingStyle AStyle, bool AHeights);
  Integer GetMaxExtent(TdxBarDockingStyle AStyle, bool AHeights);
  void ShowAllItems();
  // The dock a toolbar put in AStyle lies on: its own while docked so, else the manager's dock.
  TdxDockControl* GetTargetDock(TdxBarDockingStyle AStyle);
  // Window messages.
  void WMNCHitTest(TMessage& Message);
  void WMNCCalcSize(TMessage& Message);
  void WMNCLButtonDown(TMessage& Message);
  void WMLButtonUp(TMessage& Message);
  void WMSizing(TMessage& Message);
  void WMGetMinMaxInfo(TMessage& Message);
  void WMWindowPosChanging(TMessage& Message);
  void WMDestroy(TMessage& Message);
  void WMMouseActivate(TMessage& Message);
  void WMSetCursor(TMessage& Message);
  void WMTimer(TMessage& Message);
  void WMKeyDown(TMessage& Message);
  void CMFontChanged(TMessage& Message);
  void CaptionDblClick();
  bool RunNCButtonLoop(Integer AIndex);
  void UpdateNCButtonLook(Integer AIndex, bool APressed);
  Integer NCButtonIndexAtCursor();
  void DrawMDIButtons(HDC DC);
  void RedrawMDIButtons();
  bool IsMDIButtonEnabled(TdxBarMDIButton AButton);
  // The enabled MDI button under a client point, -1 for none.
  Integer MDIButtonAt(const TPoint& APoint);
  void DrawBeginGroups();
  // The parented owner form's window: the owner of a floating toolbar window.
  HWND OwnerFormHandle();
  void KillMoreButtonsTimer();
  // The cursor is on the mark, which a floating toolbar has in its caption.
  bool CursorOnMark();
  void CancelMDIButtonPress();
  // The windows kept for the other style while moving are given back and destroyed.
  void DestroyKeptWindows();
  void SwitchWindow(TdxBarDockingStyle AStyle, TdxDockControl* ADockControl, bool AShow);

  TdxBar* FBar = nullptr;
  HWND FFocusWindow = nullptr;
  TdxBarMarkState FCloseButtonState = msNone;
  HWND FDockedHandle = nullptr;
  HWND FFloatingHandle = nullptr;
  bool FResizing = false;
  bool FHasSizeGrip = false;
  Integer FLastHitTest = 0;
  Integer FInternalLockCount = 0;
  cxAccessibility::TcxAccessibilityHelper* FMarkAccessibilityHelper = nullptr;
  Integer FMDIButtonWidth = 0;
  Integer FMDIButtonHeight = 0;
  UINT_PTR FMoreButtonsTimer = 0;
  bool FMoving = false;
  TdxBar* FPopupOwnerBar = nullptr;
  bool FSavingPosition = false;
  TCustomdxBarControl* FPrevFocusedBar = nullptr;
  bool FMarkForced = false;
  TdxBarControl* FQuickControl = nullptr;
  TRect FNewBounds;
  TPoint FDragOffset;
  TSize FDragWindowSize;
  TdxBarDockingStyle FMovingStartStyle = dsNone;
  bool FIsPopup = false;
  bool FWindowGoing = false;  // WM_DESTROY hides the toolbar, which frees this control
  std::vector<TdxBarItemControl*> FLastInRowControls;
  std::vector<TdxBarItemControl*> FNewRowControls;
};

}  // namespace dxBar

using namespace dxBar;
