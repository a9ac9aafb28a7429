// The tab strip control: TcxCustomTabControl holds its tabs, lays them out in one scrolling row or in
// balanced rows, reacts to the mouse and the keyboard, and leaves every measurement and all drawing to
// the painter its Style chooses. TcxTabControl publishes it (a tab control without pages; the
// application's dialogs use one without tabs as a styled background).
#pragma once

#include "cxControls.h"
#include "cxPCTabs.h"
#include "cxPCTypes.h"

namespace Filer {
class TReader;
class TWriter;
}  // namespace Filer
namespace cxClasses {
class TcxObjectLink;
}
namespace cxControls {
class TcxTimer;
}

namespace cxPC {

class TcxPCCustomPainter;
class TcxPCImageList;
class TcxTabSlants;
class TcxTabSheet;
}  // namespace cxPC

namespace cxPCGoDialog {
class TcxPCGoDialog;
}

namespace cxPC {

using cxPCGoDialog::TcxPCGoDialog;

class TcxCustomTabControl;

using TcxPCCanCloseEvent = TClosure<void(TObject* Sender, bool& ACanClose)>;
using TcxTabChangingEvent = TClosure<void(TObject* Sender, bool& AllowChange)>;
using TcxDrawTabEvent = TClosure<void(TcxCustomTabControl* AControl, TcxTab* ATab, bool& DefaultDraw)>;
using TcxDrawTabExEvent = TClosure<void(TcxCustomTabControl* AControl, TcxTab* ATab, TFont* Font)>;
using TcxGetTabImageEvent = TClosure<void(TObject* Sender, Integer TabIndex, Integer& ImageIndex)>;

// The delays of a held scroll arrow: the first repeat, then every following one (milliseconds).
inline constexpr Cardinal TabScrollingStartDelay = 300;
inline constexpr Cardinal TabScrollingDelay = 150;

class TcxCustomTabControl : public TcxControl, public IdxSkinSupport {
  DECLARE_CLASS(TcxCustomTabControl, TcxControl)
 public:
  explicit TcxCustomTabControl(TComponent* AOwner = nullptr) : TcxControl(AOwner) {}
  void Dispatch(TMessage& Message) override;

  // ---- Published settings
  bool GetFocusable() const { return FFocusable; }
  void SetFocusable(bool Value) { FFocusable = Value; }
  bool GetHideTabs() const { return FHideTabs; }
  void SetHideTabs(bool Value);
  bool GetHotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value);
  Integer GetImageBorder() const { return FImageBorder; }
  void SetImageBorder(Integer Value);
  TCustomImageList* GetImages() const;
  void SetImages(TCustomImageList* Value);
  Integer GetMaxRotatedTabWidth();
  void SetMaxRotatedTabWidth(Integer Value);
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  bool GetMultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value) { FMultiSelect = Value; }
  TcxPCNavigatorPosition GetNavigatorPosition() const { return FNavigatorPosition; }
  void SetNavigatorPosition(TcxPCNavigatorPosition Value);
  TcxPCOptions GetOptions() const { return FOptions; }
  void SetOptions(TcxPCOptions Value);
  bool GetOwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value);
  bool GetRaggedRight() const { return FRaggedRight; }
  void SetRaggedRight(bool Value);
  bool GetRotate() const { return FRotate; }
  void SetRotate(bool Value);
  bool GetScrollOpposite() const { return FScrollOpposite; }
  void SetScrollOpposite(bool Value);
  bool GetShowFrame() const { return FShowFrame; }
  void SetShowFrame(bool Value);
  TcxPCStyleID GetStyle() const { return FStyle; }
  void SetStyle(TcxPCStyleID Value);
  int16_t GetTabHeight() const { return FTabHeight; }
  void SetTabHeight(int16_t Value);
  Integer GetTabIndex() const { return FTabIndex; }
  void SetTabIndex(Integer Value);
  TcxTabPosition GetTabPosition() const { return FTabPosition; }
  void SetTabPosition(TcxTabPosition Value);
  TcxTabs* GetTabs() const { return FTabs; }
  void SetTabs(TcxTabs* Value);
  // The tabs as the published string list (any string list assigns into them).
  TStrings* GetTabsStrings() const { return FTabs; }
  void SetTabsStrings(TStrings* Value);
  TcxTabSlants* GetTabSlants() const { return FTabSlants; }
  void SetTabSlants(TcxTabSlants* Value);
  int16_t GetTabWidth() const { return FTabWidth; }
  void SetTabWidth(int16_t Value);
  TAlignment GetTabCaptionAlignment() const { return FTabCaptionAlignment; }
  void SetTabCaptionAlignment(TAlignment Value);
  bool GetIsTabsContainer() const { return FIsTabsContainer; }
  void SetIsTabsContainer(bool Value);
  using TcxControl::GetLookAndFeel;
  using TcxControl::SetLookAndFeel;
  bool IsColorStored() const { return !GetParentColor(); }
  bool IsFontStored() const { return !GetParentFont(); }

  TcxPCCanCloseEvent OnCanClose;
  TNotifyEvent OnChange;
  TcxTabChangingEvent OnChanging;
  TcxDrawTabEvent OnDrawTab;
  TcxDrawTabExEvent OnDrawTabEx;
  TcxGetTabImageEvent OnGetImageIndex;
  TcxPCCanCloseEvent GetOnCanClose() const { return OnCanClose; }
  void SetOnCanClose(TcxPCCanCloseEvent V) { OnCanClose = V; }
  TNotifyEvent GetOnChange() const { return OnChange; }
  void SetOnChange(TNotifyEvent V) { OnChange = V; }
  TcxTabChangingEvent GetOnChanging() const { return OnChanging; }
  void SetOnChanging(TcxTabChangingEvent V) { OnChanging = V; }
  TcxDrawTabEvent GetOnDrawTab() const { return OnDrawTab; }
  void SetOnDrawTab(TcxDrawTabEvent V) { OnDrawTab = V; }
  TcxDrawTabExEvent GetOnDrawTabEx() const { return OnDrawTabEx; }
  void SetOnDrawTabEx(TcxDrawTabExEvent V) { OnDrawTabEx = V; }
  TcxGetTabImageEvent GetOnGetImageIndex() const { return OnGetImageIndex; }
  void SetOnGetImageIndex(TcxGetTabImageEvent V) { OnGetImageIndex = V; }

  // ---- Style
  void SetStandardStyle(TcxPCStandardStyle AStandardStyle);
  void SetStyleByStyleName(const String& AStyleName);
  TcxPCCustomPainter* GetPainter() const { return FPainter; }

  // ---- Tabs and selection
  TcxVisibleTabList* GetVisibleTabList() const { return FVisibleTabList; }
  TcxTab* GetTabsTab(Integer TabIndex);
  void SetTabsTab(Integer TabIndex, TcxTab* Value);
  // The tab index of the selected tab, -1 for none.
  Integer GetMainTabIndex() const;
  virtual Integer GetImageIndex(Integer ATabIndex);
  virtual TcxTabSheet* GetActivePage() { return nullptr; }
  virtual TcxTabSheet* GetPage(Integer ATabIndex) { return nullptr; }
  void LockChangeEvent(bool ALock);
  bool IsChangeEventLocked();
  // The visible index of the tab under a client point, -1 for none.
  Integer IndexOfTabAt(Integer X, Integer Y);
  // Scrolls the single row by that many tabs (forward for positive counts).
  void ScrollTabs(Integer ADelta);
  void UpdateTabImages();
  void SetModified();
  void SynchronizeTabImagesRotationAngle();
  // The canvas font and colour a tab is drawn with (OnDrawTabEx may change the font).
  virtual void PrepareTabCanvasFont(TcxTab* ATab, TcxCanvas* ACanvas);

  // ---- Layout
  // Lays everything out again (every geometry change ends here); nothing while loading.
  virtual void RequestLayout();
  TRect GetDisplayRect();
  // The length along the rows that would show all tabs in one row.
  Integer GetOptimalSize();
  bool IsTooSmallControlSize() const { return FTabsPosition.RowLength < 1; }
  Integer GetRowCount() const { return FRowCount; }
  Integer GetRowHeight() const { return FRowHeight; }
  Integer GetTopOrLeftPartRowCount() const { return FTopOrLeftPartRowCount; }
  const TcxPCTabsPosition& GetTabsPosition() const { return FTabsPosition; }
  TRect GetExtendedTopOrLeftTabsRect() const { return FExtendedTopOrLeftTabsRect; }
  TRect GetExtendedBottomOrRightTabsRect() const { return FExtendedBottomOrRightTabsRect; }
  TRect GetTabExtendedTabsRect(Integer AVisibleIndex);
  Integer GetLeadingTab() const { return FLeadingTab; }
  Integer GetTrailingTab() const { return FTrailingTab; }
  bool GetTrailingTabFullyShown() const { return FTrailingTabFullyShown; }
  Integer GetMaxTabCaptionWidth() const { return FMaxTabCaptionWidth; }
  TcxPCNavigatorButtons GetNavigatorButtons() const { return FNavigatorButtons; }
  TcxPCNavigatorButtonState GetNavigatorButtonState(TcxPCNavigatorButton AButton) const {
    return FNavigatorButtonStates[AButton];
  }

  // ---- Interaction state
  Integer GetMainTabVisibleIndex() const { return FMainTabVisibleIndex; }
  Integer GetHotTrackTabVisibleIndex() const { return FHotTrackTabVisibleIndex; }
  Integer GetPressedTabVisibleIndex() const { return FPressedTabVisibleIndex; }
  Integer GetTrackingTabVisibleIndex() const { return FTrackingTabVisibleIndex; }
  TcxPCNavigatorButtons GetHotTrackNavigatorButton() const { return FHotTrackNavigatorButton; }
  TcxPCNavigatorButtons GetPressedNavigatorButton() const { return FPressedNavigatorButton; }
  bool GetIsGoDialogShowing() const { return FIsGoDialogShowing; }
  TcxPCGoDialog* GetGoDialog() const { return FGoDialog; }

  [[noreturn]] static void OutError(const String& AMethodName, const String& AText);

 protected:
  friend class TcxTab;
  friend class TcxTabs;
  friend class TcxPCCustomPainter;
  friend class TcxPCPainterParentInfo;

  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;
  void Loaded() override;
  void AdjustClientRect(TRect& Rect) override;
  void CreateHandle() override;
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  bool HasBackground() override { return false; }
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) override;
  bool NeedsScrollBars() override { return false; }
  void Resize() override;
  void FontChanged() override;
  void FocusChanged() override;

 public:
  bool CanFocus() override;

 protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseLeave(TControl* AControl) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

  // ---- Overridable operations introduced by the control
  virtual void AfterPaintTab(TcxCanvas* ACanvas, TcxTab* ATab, const TcxPCOutTabImageAndTextData& AImageAndTextData) {}
  virtual bool DoCanClose();
  virtual void DoClose();
  virtual bool HandleDialogChar(Integer ACharCode);
  virtual bool CanShowTab(Integer ATabIndex);
  virtual void DoShowGoDialog();
  virtual void DrawTab(Integer ATabIndex, const TRect& ARect, bool AActive) {}
  virtual void GoDialogClickEventHandler(Integer ATabIndex);
  virtual void ImageListChange(TObject* Sender);
  virtual bool InternalKeyDown(Word& Key, TShiftState Shift);
  virtual bool TabIndexTabMustBeVisible() { return false; }
  virtual bool CanChange(Integer ANewTabIndex);
  virtual void Change();

  // ---- Layout (the tab model and the painters call some of these)
  void Calculate();
  void CalculateTabNormalSizes();
  void CalculateTabNormalSize(TcxTab* ATab);
  void CalculateRowHeight();
  void RearrangeRows();
  void CorrectFirstVisibleTab(Integer AVisibleIndex);
  void CorrectTabRect(Integer AVisibleIndex);
  void CorrectMaxRotatedTabWidth();
  TRect InternalGetClientRect();
  // The length of a tab along its row.
  Integer GetTabLength(Integer AVisibleIndex);

  // ---- Input (the tab model calls some of these)
  void SelectTab(Integer AVisibleIndex, bool ACtrlPressed);
  void SynchronizeHotTrackStates(TShiftState AShift);
  void SynchronizeNavigatorButtons();
  void UpdateButtonsState();
  bool CanPressButton(TcxPCNavigatorButton AButton);
  static TcxPCNavigatorButton GetNavigatorButton(TcxPCNavigatorButtons AButtons);
  void ArrowButtonClick(TcxPCNavigatorButton AButton);
  bool CanMouseWheel(const TPoint& AMouseScreenPos);
  void CloseButtonClick();
  void ShowGoDialog();
  void HideGoDialog(Integer ATabIndex);
  bool PassDesignMouseEvent(Integer X, Integer Y);
  static TShiftState InternalGetShiftState();
  void CreateTimer();
  void StopTimer();
  void TimerEventHandler(TObject* Sender);

  void SetDefaultStyle();
  // Drops the selection without any notification (a page being removed).
  void InternalResetTabIndex() {
    FTabIndex = -1;
    FMainTabVisibleIndex = -1;
  }

  TcxTabs* FTabs = nullptr;

 private:
  // Layout steps.
  void UpdateTabPosition(TcxPCNavigatorButtons AButtons);
  TcxPCNavigatorButtons GetNavigatorButtonsFor(bool AAllTabsShown);
  void CalculateLongitudinalTabPositions();
  void CalculateSingleRowPositions();
  void CalculateMultiRowPositions();
  void PositionRow(Integer AFirst, Integer ALast, bool APlaceAll);
  void CalculateRowPositions();
  void PlaceVisibleTabsOnRows(Integer ARowLength, Integer AGap);
  void BalanceRun(Integer AFirst, Integer ALast, Integer ARowLength, Integer AGap);
  Integer GetLineWidth(const TcxPCLineIndexBoundsArray& AIntervals, Integer ARow, Integer AGap);
  void InitializeLineBoundsA(TcxPCLineIndexBoundsArray& AIntervals, Integer AFirst, Integer ALast);
  Integer GetTabsGap();
  Integer GetRowsGap();

  // Input steps.
  void PressNavigatorButton(TcxPCNavigatorButton AButton);
  void SetNavigatorButtonState(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonState AState);
  void ReleaseNavigatorButton(TcxPCNavigatorButton AButton);
  void SetPressedTab(Integer AVisibleIndex);
  void RepaintNavigatorButton(TcxPCNavigatorButton AButton, TcxPCNavigatorButtonState APrevState);

  // Stream entries of the client rectangle.
  void ReadClientRectBottom(Filer::TReader* Reader);
  void ReadClientRectLeft(Filer::TReader* Reader);
  void ReadClientRectRight(Filer::TReader* Reader);
  void ReadClientRectTop(Filer::TReader* Reader);
  void WriteClientRectBottom(Filer::TWriter* Writer);
  void WriteClientRectLeft(Filer::TWriter* Writer);
  void WriteClientRectRight(Filer::TWriter* Writer);
  void WriteClientRectTop(Filer::TWriter* Writer);

  void CreateGoDialog();
  void GoDialogClick(Integer ATabIndex);
  void PrepareImagesBitmapBackground(TBitmap* ABitmap);
  void TabSlantsChanged(TObject* Sender);
  void ImageListChangeHandler(TObject* Sender) { ImageListChange(Sender); }
  void DoDrawTabEx(TcxTab* ATab, TFont* AFont);
  void PaintToDC(HDC DC);
  bool IsFocusInside();

  // Settings.
  bool FFocusable = true;
  bool FHideTabs = false;
  bool FHotTrack = false;
  Integer FImageBorder = 0;
  Integer FMaxRotatedTabWidth = 0;
  bool FMultiLine = false;
  bool FMultiSelect = false;
  TcxPCNavigatorPosition FNavigatorPosition = npRightTop;
  TcxPCOptions FOptions = cxPCDefaultOptions;
  bool FOwnerDraw = false;
  bool FRaggedRight = false;
  bool FRotate = false;
  bool FScrollOpposite = false;
  bool FShowFrame = false;
  TcxPCStyleID FStyle = cxPCDefaultStyle;
  int16_t FTabHeight = 0;
  Integer FTabIndex = -1;
  TcxTabPosition FTabPosition = tpTop;
  int16_t FTabWidth = 0;
  TAlignment FTabCaptionAlignment = taCenter;
  bool FIsTabsContainer = false;

  // Owned parts.
  TcxVisibleTabList* FVisibleTabList = nullptr;
  TcxPCCustomPainter* FPainter = nullptr;
  TcxPCImageList* FImages = nullptr;
  TcxTabSlants* FTabSlants = nullptr;
  TcxPCGoDialog* FGoDialog = nullptr;
  TcxTimer* FTimer = nullptr;

  // Layout results.
  Integer FRowCount = 0;
  Integer FRowHeight = 0;
  Integer FTopOrLeftPartRowCount = 0;
  TcxPCTabsPosition FTabsPosition;
  TRect FExtendedTopOrLeftTabsRect;
  TRect FExtendedBottomOrRightTabsRect;
  Integer FLeadingTab = -1;
  Integer FTrailingTab = -1;
  bool FTrailingTabFullyShown = false;
  Integer FMaxTabCaptionWidth = 0;
  TcxPCNavigatorButtons FNavigatorButtons;
  TcxPCNavigatorButtonState FNavigatorButtonStates[4] = {nbsNormal, nbsNormal, nbsNormal, nbsNormal};

  // Interaction state.
  Integer FMainTabVisibleIndex = -1;
  Integer FHotTrackTabVisibleIndex = -1;
  Integer FPressedTabVisibleIndex = -1;
  Integer FTrackingTabVisibleIndex = -1;
  TcxPCNavigatorButtons FHotTrackNavigatorButton;
  TcxPCNavigatorButtons FPressedNavigatorButton;
  bool FIsGoDialogShowing = false;

  Integer FChangeEventLockCount = 0;
  bool FUpdating = false;
  TRect FLoadedClientRect;
  bool FClientRectLoaded = false;
};

class TcxTabControl : public TcxCustomTabControl {
  DECLARE_CLASS(TcxTabControl, TcxCustomTabControl)
 public:
  explicit TcxTabControl(TComponent* AOwner = nullptr) : TcxCustomTabControl(AOwner) {}
};

}  // namespace cxPC

using namespace cxPC;
