// The window base of every toolbar and menu: it shows one collection of item links, owns one item
// control per visible link, lays them out through its view info, paints them through the bar painter,
// tracks the mouse over them, keeps one selected item control and handles the keyboard while active.
#pragma once

#include <vector>

#include "Controls.h"
#include "Graphics.h"
#include "dxBarHelpers.h"
#include "dxBarItemTypes.h"
#include "dxBarTypes.h"

namespace cxGraphics {
class TcxCanvas;
}
namespace cxAccessibility {
class TcxAccessibilityHelper;
}

namespace dxBar {

class TdxBarShadow;
class TdxBarCustomHintViewInfo;
class TdxBarItemControlViewInfo;
class TCustomdxBarControlViewInfo;
class TdxFader;
class IdxBarSelectableItem;

enum TdxBarViewState { bvsNormal, bvsHot };
enum TdxBarItemSeparatorKind { skHorizontal, skVertical };
enum TdxBarBehaviorOption {
  bboAllowDetach, bboAllowSelectWindowItemsWithoutFocusing, bboAllowShowHints, bboClickItemsBySpaceKey,
  bboExtendItemWhenAlignedToClient, bboItemCustomizePopup, bboMouseCantUnselectNavigationItem,
  bboNeedsFocusWhenActive, bboSubMenuCaptureMouse, bboUnmoved
};
using TdxBarBehaviorOptions = TSet<TdxBarBehaviorOption, 16>;
enum TdxBarControlState { bcsCreatingControls, bcsDestroyingControls, bcsHidingAll, bcsPaintingItem, bcsRepaintingBar,
                          bcsUpdatingCanvasFont };
using TdxBarControlStates = TSet<TdxBarControlState, 8>;

// The window of a bar is told that the mouse has left it (the manager's mouse tracking).
class IdxBarMouseTrackingWindow : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IdxBarMouseTrackingWindow, "{84A4BCBE-E001-4D60-B7A6-75E2B0DCD3E9}")
 public:
  virtual void MouseLeave() = 0;
};

// One separator of the layout: the item control it belongs to, where and which way it runs.
struct TdxBarSeparatorInfo {
  TdxBarItemControl* ItemControl = nullptr;
  TRect Bounds;
  TdxBarItemSeparatorKind Kind = skHorizontal;
};

// The layout of a bar window that hit-testing and painting use.
// The private message that asks a bar window to repaint itself.
constexpr UINT WM_DXBAR_REPAINTBAR = 0x8065;

class TCustomdxBarControlViewInfo : public TObject {
  DECLARE_CLASS(TCustomdxBarControlViewInfo, TObject)
 public:
  explicit TCustomdxBarControlViewInfo(TCustomdxBarControl* ABarControl = nullptr) : FBarControl(ABarControl) {}

  virtual void Clear();
  virtual void Calculate();

  Integer GetItemControlIndex(TdxBarItemControl* AItemControl);
  bool IsItemControlVisible(TdxBarItemControl* AItemControl);
  bool IsAssociatedWithSeparator(TdxBarItemControl* AItemControl, Integer& ASeparatorIndex);
  void AddItemControlViewInfo(TdxBarItemControlViewInfo* AViewInfo);
  void RemoveItemControlViewInfo(TdxBarItemControlViewInfo* AViewInfo);
  void AddSeparatorInfo(const TRect& ABounds, TdxBarItemSeparatorKind AKind, TdxBarItemControl* AItemControl);
  void RemoveSeparatorInfos();
  Integer GetItemControlCount();
  TdxBarItemControlViewInfo* GetItemControlViewInfo(Integer AIndex);
  Integer GetSeparatorCount() const { return static_cast<Integer>(FSeparators.size()); }
  TdxBarSeparatorInfo GetSeparatorInfo(Integer AIndex) const;
  void SetSeparatorInfo(Integer AIndex, const TdxBarSeparatorInfo& AValue);
  TCustomdxBarControl* GetBarControl() const { return FBarControl; }

 protected:
  void Destroy() override;

 private:
  friend class TCustomdxBarControl;
  TCustomdxBarControl* FBarControl;
  TList* FItemControlViewInfos = nullptr;
  std::vector<TdxBarSeparatorInfo> FSeparators;
};

class TCustomdxBarControl : public TCustomControl, public IdxBarMouseTrackingWindow {
  DECLARE_CLASS(TCustomdxBarControl, TCustomControl)
 public:
  explicit TCustomdxBarControl(TComponent* AOwner = nullptr) : TCustomControl(AOwner) {}

  // ---- Overridable operations, in slot order -------------------------------------------------------------
  virtual void AdjustHintWindowPosition(TPoint& APos, const TRect& ABoundsRect, Integer AHeight);
  virtual void AfterControlEscape(TdxBarItemControl* AControl);
  virtual void AfterMouseMove(const TPoint& APoint);
  virtual bool NeedsMouseWheel();
  virtual void ProcessMouseDownMessageForMeaningParent(HWND AWnd, UINT AMsg, LPARAM ALParam);
  virtual void WindowPosChanged();
  virtual void CalcChildBarBounds();
  virtual void CalcControlsPositions();
  virtual void CalcDragOverParameters(const TPoint& APoint, TdxBarItemLink*& ALink, bool& ASeparatorHit, bool& ABefore,
                                      bool& AVertical);
  virtual void CalcDrawingConsts();
  virtual void CalcItemsRect();
  virtual void CalcColumnItemRects(Integer ATopIndex, Integer& ALastItemBottom);
  virtual void CalcRowItemRects();
  virtual void CalcItemRects(TdxBarPaintType APaintType, Integer ATopIndex = 0);
  virtual void CalcLayout();
  virtual void CreateControls();
  virtual void DestroyControls();
  virtual void LayoutChanged();
  virtual bool CanActiveChange();
  virtual bool CanAlignControl(TdxBarItemControl* AControl);
  virtual bool CanCallInheritedNCCalcSize();
  virtual bool CanControlPaint(TdxBarItemControl* AControl);
  virtual bool CanCustomizing();
  virtual bool CanDeactivate(TdxBarManager* ABarManager, HWND AWnd);
  virtual bool CanDrawClippedItem(const TRect& AItemRect);
  virtual bool CanProcessMouseMessage();
  virtual bool CanShowPopupMenuOnMouseClick(bool AMousePressed);
  virtual bool CanShowHint();
  virtual bool CheckLockUpdate();
  virtual bool ChildrenHaveShadows();
  virtual void CorrectVisibleItemsRectTop(TRect& ARect);
  virtual void CorrectVisibleItemsRectBottom(TRect& ARect);
  virtual void CustomizePrepare(const TPoint& APoint, bool ASameSelection);
  virtual void DoBarGetFocus(TdxBarItemControl* AItemControl);
  virtual void DoBarLostFocus();
  virtual void DoBarMouseEnter(TdxBarItemControl* AItemControl);
  virtual void DoBarMouseDown(TMouseButton AButton, TShiftState AShift, Integer X, Integer Y,
                              TdxBarItemControl* AItemControl, bool APointInSelectedControl);
  virtual void DoBarMouseLeave(TdxBarItemControl* AItemControl);
  virtual void DoBarMouseMove(TShiftState AShift, Integer X, Integer Y, TdxBarItemControl* AItemControl);
  virtual void DoBarMouseUp(TMouseButton AButton, TShiftState AShift, Integer X, Integer Y,
                            TdxBarItemControl* AItemControl);
  virtual void DoCreateControls();
  virtual void DoDestroy();
  virtual void DoDestroyControls();
  virtual void DoHideAll();
  virtual void DoPaintItem(TdxBarItemControl* AControl, cxGraphics::TcxCanvas* ACanvas, const TRect& AItemRect);
  virtual void DoRepaintBar();
  virtual void DoSetIsActive(bool Value);
  virtual void DrawItems(const TRect& AClientRect);
  virtual void DragOver(TdxBarItemLink* ALink, bool ABeginGroup);
  virtual TdxBarItemLink* DoFindLinkWithAccel(Word AKey, TShiftState AShift, TdxBarItemLink* ACurrentLink);
  virtual TdxBarItemLink* FindLinkWithAccel(Word AKey, TShiftState AShift, TdxBarItemLink* ACurrentLink);
  virtual void FocusItemControl(TdxBarItemControl* AItemControl);
  virtual TClass GetAccessibilityHelperClass() = 0;
  virtual TBitmap* GetBackgroundBitmap() = 0;
  virtual Integer GetBeginGroupSize() = 0;
  virtual TdxBarBehaviorOptions GetBehaviorOptions();
  virtual Integer GetDefaultItemHeight(TdxBarItemControl* AItemControl);
  virtual TBitmap* GetDefaultItemGlyph();
  virtual TFont* GetEditFont();
  virtual TdxFader* GetFader();
  virtual TRect GetFullItemRect(TdxBarItemControl* AItem);
  virtual bool GetIsCustomizing();
  virtual bool GetIsMainMenu() = 0;
  virtual bool GetIsShadowVisible();
  virtual bool GetIsStatusBar() = 0;
  virtual TdxBarItemViewLevel GetItemControlDefaultViewLevel(TdxBarItemControl* AItemControl);
  virtual Integer GetItemControlOffset(TdxBarItemLink* AItemLink);
  virtual TRect GetItemRectEx(TdxBarItemControl* AControl, bool AIsBeginGroup);
  virtual HRGN GetItemRegion(TdxBarItemControl* AControl);
  virtual TdxBarMarkState GetMarkDrawState();
  virtual Integer GetMarkSize();
  virtual Integer GetNormalItemHeight();
  virtual TWinControl* GetOwnerControl();
  virtual TdxBarPainter* GetPainter();
  virtual TdxBarPaintType GetPaintType();
  virtual TObject* GetSelectableObject();
  virtual HBRUSH GetToolbarBrush();
  virtual HBRUSH GetToolbarDownedBrush();
  virtual HBRUSH GetToolbarDownedSelBrush();
  virtual HBRUSH GetToolbarSelBrush();
  virtual TClass GetViewInfoClass() = 0;
  virtual void SetControlVisible(TdxBarItemControl* AControl);
  virtual void SetItemLinks(TdxBarItemLinks* Value);
  virtual HDC GetNCDrawingDC();
  virtual void ReleaseNCDrawingDC(HDC DC);
  virtual Integer GetBorderSize();
  virtual Integer GetIconAreaSize();
  virtual Integer GetTextSize();
  virtual bool HasShadow();
  virtual void HideAllByEscape();
  virtual bool HideOnClick();
  virtual bool IsChildBar(TCustomdxBarControl* ABarControl);
  virtual bool IsControlExists(TdxBarItemControl* AControl);
  virtual bool IsLinkedToOwner();
  virtual bool IsMeaningParent();
  virtual bool IsPopup();
  virtual bool IsVerticalDirection();
  virtual bool IsWindowEnabled();
  virtual void MakeItemControlFullyVisible(TdxBarItemControl* AItemControl);
  virtual bool MarkExists();
  virtual TRect MarkRect();
  virtual void SetMarkState(TdxBarMarkState Value) = 0;
  virtual bool NeedShowGlyphAndCheckForItem(TdxBarItemControl* AItemControl);
  virtual bool NotHandleMouseMove(bool ACheckPosition);
  virtual void PaintItem(TdxBarItemControl* AControl);
  virtual void SetDockingStyle(TdxBarDockingStyle Value);
  virtual void SetFont() = 0;
  virtual void SetLayeredAttributes();
  virtual void SelectItemControl(TdxBarItemControl* AItemControl, TMouseButton AButton, TShiftState AShift);
  virtual void SetAccelSelectedItem(TdxBarItemControl* AControl, bool AShared);
  virtual void SetKeySelectedItem(TdxBarItemControl* Value);
  virtual void SetMouseSelectedItem(TdxBarItemControl* Value);
  virtual void SetSelectedControl(TdxBarItemControl* Value);
  virtual void UpdateItem(TdxBarItemControl* AControl) = 0;
  virtual void ViewStateChanged(TdxBarViewState APrevState);
  virtual void InitCustomizationPopup(TdxBarItemLinks* AItemLinks);
  virtual void ShowPopup(TdxBarItemControl* AItem);
  virtual bool AllowNCPaint();
  virtual void FillBackground(HDC DC, const TRect& ADestR, const TRect& ASourceR, HBRUSH ABrush, TColor AColor) = 0;
  virtual void FillBackgroundRgn(HDC DC, HRGN ARgn);
  virtual bool IsInternal();
  virtual bool IsBackgroundBitmap();
  virtual bool IsTransparent();
  virtual TPoint NCOffset();
  virtual void NCPaint(HDC DC);
  virtual void ResetBackground();
  virtual void UpdateDoubleBuffered();
  virtual void Hide() = 0;
  virtual void HideAll();
  virtual bool IsOnGlass();
  virtual bool IsRealVertical();
  virtual bool IsVertical();
  virtual TdxBarKind Kind() = 0;
  virtual void RepaintBar();

  // The dynamic operations.
  virtual void AdjustSize();
  virtual void DblClickOnItem(TdxBarItemControl* AItemControl);
  void MouseLeave() override;

  // ---- Called from the rest of the unit ---------------------------------------------------------------------
  TdxBarManager* GetBarManager();
  bool GetFlat();
  cxGraphics::TcxCanvas* GetCanvas();
  TdxBarItemControl* GetSelectedControl();
  TdxBarItemControl* GetSelectedControlAtDesign();
  void BarGetFocus(TdxBarItemControl* AItemControl);
  void BarLostFocus();
  void SetIsActive(bool Value);
  // The control of ALink is going: the bar forgets the link as its selected and tracked one.
  void ItemControlGone(TdxBarItemLink* ALink) {
    if (FSelectedLink == ALink) FSelectedLink = nullptr;
    if (FPrevTrackedLink == ALink) FPrevTrackedLink = nullptr;
  }
  bool GetIsActive() const { return FIsActive; }
  void SetViewState(TdxBarViewState Value);
  TdxBarViewState GetViewState() const { return FViewState; }
  void SetChildBar(TCustomdxBarControl* Value);
  void SetParentBar(TCustomdxBarControl* Value);
  TCustomdxBarControl* GetChildBar() const { return FChildBar; }
  TCustomdxBarControl* GetParentBar() const { return FParentBar; }
  void SetDockControl(TdxDockControl* Value);
  TdxDockControl* GetDockControl() const { return FDockControl; }
  TdxBarDockingStyle GetDockingStyle() const { return FDockingStyle; }
  TdxBarItemControl* ItemAtPos(const TPoint& APos);
  TdxBarItemControl* ItemAtMousePos();
  TRect GetItemRect(TdxBarItemControl* AControl);
  TRect GetItemScreenRect(TdxBarItemControl* AControl);
  TRect GetWindowRect();
  TRect GetNCRect();
  TPoint GetClientOffset();
  TRect GetClientBounds();
  TRect GetOwnerLinkBounds(bool AScreen);
  bool MouseOnMark(const TPoint& APoint);
  bool MouseOnMark();
  bool WantMouse();
  bool IsChildWindow(HWND AWnd);
  bool SelectedItemWantsKey(Word AKey);
  void ActivateHint(bool AShow, const String& AText, TObject* ASender);
  TdxBarCustomHintViewInfo* CreateHintViewInfo(const String& AHintText, const String& AShortCut,
                                               TdxBarScreenTip* AScreenTip);
  TPoint GetHintPosition(const TPoint& ACursorPos, Integer AHeight);
  void Show();
  void RecreateControls();
  void UpdateControlByMouse();
  void ExpandContainerItems();
  void CollapseContainerItems();
  void FullInvalidate();
  void FullRepaint();
  void InvalidateNCRect(const TRect& ARect);
  void RepaintBarEx(bool ARecreateControls);
  bool CanHide();
  bool GetIsDestroying();
  bool GetIsFocused();
  TCustomdxBarControl* GetEquivalentParentBar();
  void FocusNextBarControl(bool AForward);
  void SetCursorForMoving(bool AMoving);
  bool IsNeedBufferedOnGlass(TdxBarItemControl* AControl);
  void UpdateCanvasFont();
  void DrawSelectedItem(HDC DC, TdxBarItemControl* AControl, const TRect& AItemRect);
  void DoShowPopup(TdxBarItemControl* AItemControl);
  TdxBarSelectionOperation GetSelectionOperation(TMouseButton AButton, TShiftState AShift,
                                                 IdxBarSelectableItem* ASelectableItem);
  bool GetDragDown() const { return FDragDown; }
  TdxBarItemLinks* GetItemLinks() const { return FItemLinks; }
  TCustomdxBarControlViewInfo* GetViewInfo() const { return FViewInfo; }
  TRect GetItemsRect() const { return FItemsRect; }
  TdxBarMarkState GetMarkState() const { return FMarkState; }
  bool GetClosedByEscape() const { return FClosedByEscape; }
  bool GetIsDowned() const { return FIsDowned; }
  void SetIsDowned(bool Value) { FIsDowned = Value; }
  TdxBarControlStates GetState() const { return FState; }
  Integer GetMenuArrowHeight() const { return FMenuArrowHeight; }
  Integer GetComboBoxArrowWidth() const { return FComboBoxArrowWidth; }
  Integer GetEditTextSize() const { return FEditTextSize; }
  Integer GetMarkSizeField() const { return FMarkSize; }
  double GetRatio() const { return FRatio; }
  // State the windows built on this base keep up to date themselves.
  bool GetIgnoreMouseClick() const { return FIgnoreMouseClick; }
  void SetIgnoreMouseClick(bool Value) { FIgnoreMouseClick = Value; }
  void SetClosedByEscape(bool Value) { FClosedByEscape = Value; }
  TdxBarItemControl* GetClickedControl() const { return FClickedControl; }
  void SetClickedControl(TdxBarItemControl* Value) { FClickedControl = Value; }
  void StoreMarkState(TdxBarMarkState Value) { FMarkState = Value; }
  TPoint GetLastMousePos() const { return FLastMousePos; }
  void SetLastMousePos(const TPoint& Value) { FLastMousePos = Value; }

  TNotifyEvent OnDestroy;

 protected:
  void Construct() override;
  void BeforeDestruction() override;
  void Destroy() override;
  void CreateWindowHandle(const TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWindowHandle() override;
  void WndProc(TMessage& Message) override;
  void Paint() override;
  void Resize() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

 private:
  void BeforeDestroyHandle();
  void UpdateControlStyle();
  void MouseNotifyControls(TdxBarItemLink* ALink, const TPoint& APoint, TShiftState AShift);
  void WMLButtonUp(TMessage& Message);
  void WMSetFocus(TMessage& Message);
  void WMKeyDown(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void WMNCPaint(TMessage& Message);
  void WMCommand(TMessage& Message);
  void StartItemDrag(const TPoint& APoint);
  template <class F>
  void ForEachCanVisibleControl(F AProc);

  cxGraphics::TcxCanvas* FCanvas = nullptr;
  cxGraphics::TcxCanvas* FActiveCanvas = nullptr;
  TBitmap* FBackgroundTempBitmap = nullptr;
  HBRUSH FItemBrush = nullptr;
  TCustomdxBarControl* FParentBar = nullptr;
  TCustomdxBarControl* FChildBar = nullptr;
  TdxBarItemControl* FClickedControl = nullptr;
  bool FClosedByEscape = false;
  TMessage* FCurrentMessage = nullptr;
  TdxDockControl* FDockControl = nullptr;
  TdxBarDockingStyle FDockingStyle = dsNone;
  bool FDragDown = false;
  TPoint FDragPoint;
  // The container links expanded into the bar, in the order of expansion, each with its index then.
  std::vector<std::pair<TdxBarItemLink*, Integer>> FExpandedItemLinks;
  bool FContainersExpanded = false;
  cxAccessibility::TcxAccessibilityHelper* FAccessibilityHelper = nullptr;
  bool FIgnoreMouseClick = false;
  bool FIsActive = false;
  bool FIsDowned = false;
  TdxBarItemLinks* FItemLinks = nullptr;
  TRect FOwnerBounds;
  TWinControl* FOwnerControl = nullptr;
  TCustomdxBarControl* FPrevActiveBarControl = nullptr;
  TdxBarItemLink* FPrevTrackedLink = nullptr;
  TdxBarItemLink* FSelectedLink = nullptr;
  TdxBarShadow* FShadow = nullptr;
  Integer FTextSize = 0;
  Integer FEditTextSize = 0;
  Integer FMarkSize = 0;
  Integer FMenuArrowHeight = 0;
  Integer FComboBoxArrowWidth = 0;
  Integer FIconAreaSize = 0;
  double FRatio = 1;
  TRect FItemsRect;
  TRect FLayoutCursorRect;
  TPoint FLastMousePos{-1, -1};
  TdxBarMarkState FMarkState = msNone;
  TdxBarPainter* FPainter = nullptr;
  TdxBarControlStates FState;
  TCustomdxBarControlViewInfo* FViewInfo = nullptr;
  TdxBarViewState FViewState = bvsNormal;
};

// The bar window in menu mode, nil when none is; and whether a bar window still exists.
TCustomdxBarControl* ActiveBarControl();
bool IsBarControlAlive(TCustomdxBarControl* ABarControl);
// The root of ABarControl's popup chain: up through the parent bars, stopping at a bar without a parent
// or at an internal bar whose parent is not internal; nil when that root is a menu.
TCustomdxBarControl* GetParentBarForBar(TCustomdxBarControl* ABarControl);

// The windows of a manager's toolbars in index order, nil for a toolbar without one.
using TdxBarManagerBarControls = std::vector<TCustomdxBarControl*> (*)(TdxBarManager* ABarManager);
std::vector<TCustomdxBarControl*> GetManagerBarControls(TdxBarManager* ABarManager);
// The bar the keyboard's Ctrl+Tab moves to from AStart: the next (previous) toolbar of its manager
// with a window and links, past the last (first) continuing with the next (previous) active manager;
// nil when the walk comes back to AStart.
TCustomdxBarControl* FindNextBarControl(TCustomdxBarControl* AStart, bool AForward,
                                        TdxBarManagerBarControls ABarControls = GetManagerBarControls);

}  // namespace dxBar

using namespace dxBar;
