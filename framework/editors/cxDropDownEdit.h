// The drop-down editors: a mask editor that opens a popup window below (or above) its text field.
// TcxCustomEditPopupWindow is that window (border, system panel with grip and close button, sizing
// by the mouse); TcxCustomDropDownEdit runs the drop-down cycle (open requests queued as one posted
// message, closing with a reason, the user's popup size remembered); TcxCustomComboBox shows its
// items in a list; TcxCustomPopupEdit shows any control of the form and gives it back on closing.
#pragma once

#include "cxContainerPopupWindow.h"
#include "cxMaskEdit.h"

namespace cxDropDownEdit {

constexpr UINT CM_POPUPCONTROLKEY = 0x8096;  // to a popup window: a key for its focused control
constexpr UINT CM_DROPDOWNBYPASTE = 0x8097;  // to a drop-down editor: the popup opened by a paste

PUBLISHED_ENUM(TcxEditCorner, ecoTopLeft, ecoTopRight, ecoBottomLeft, ecoBottomRight)
PUBLISHED_ENUM(TcxEditDropDownListStyle, lsEditFixedList, lsEditList, lsFixedList)

inline bool IsRightCorner(TcxEditCorner ACorner) { return ACorner == ecoTopRight || ACorner == ecoBottomRight; }
inline bool IsBottomCorner(TcxEditCorner ACorner) { return ACorner == ecoBottomLeft || ACorner == ecoBottomRight; }

class TcxCustomDropDownEdit;
class TcxCustomEditPopupWindow;

using TcxCustomDrawBorderEvent =
    TClosure<void(TcxContainerViewInfo* AViewInfo, TcxCanvas* ACanvas, const TRect& R, bool& AHandled, Integer& ABorderWidth)>;

class TcxCustomEditPopupWindowViewInfo : public TcxContainerViewInfo {
  DECLARE_CLASS(TcxCustomEditPopupWindowViewInfo, TcxContainerViewInfo)
 public:
  virtual void Calculate();
  void DrawBorder(TcxCanvas* ACanvas, TRect R) override;
  virtual TRect GetBorderExtent();
  virtual TRect GetClientExtent() { return GetBorderExtent(); }
  virtual Integer GetSysPanelHeight();
  // Whether a press at (X, Y) starts sizing; the direction in which the press sizes.
  virtual bool IsSizingPlace(Integer X, Integer Y, Integer& AHorzDirection, Integer& AVertDirection);
  bool IsSizingPlace(Integer X, Integer Y) {
    Integer h, v;
    return IsSizingPlace(X, Y, h, v);
  }
  Integer GetPopupBorderWidth();
  Integer GetClientEdgeWidth();

  TcxCustomDrawBorderEvent OnCustomDrawBorder;
  TcxEditPopupBorderStyle PopupBorderStyle = epbsDefault;
  bool ClientEdge = false;
  bool CloseButton = false;
  TRect CloseButtonRect;
  TcxLookAndFeelKind LookAndFeelKind = lfStandard;
  TcxButtonState CloseButtonState = cxbsNormal;
  Integer MinSysPanelHeight = 0;
  bool Sizeable = false;
  TcxEditCorner SizeGripCorner = ecoBottomRight;
  TRect SizeGripRect;
  TRect SizeGripSizingRect;
  TRect SysPanelRect;
  Integer SizingRegionBounds = 0;  // the sizing border width
  Integer SysPanelHeight = 0;
  bool SysPanelStyle = false;

 protected:
  void InternalPaint(TcxCanvas* ACanvas) override;
  void DrawSizeGrip(TcxCanvas* ACanvas);
  void DrawCloseButton(TcxCanvas* ACanvas);
};

class TcxCustomEditPopupWindow : public TcxCustomPopupWindow {
  DECLARE_CLASS(TcxCustomEditPopupWindow, TcxCustomPopupWindow)
 public:
  explicit TcxCustomEditPopupWindow(TWinControl* AOwnerControl = nullptr) : TcxCustomPopupWindow(AOwnerControl) {}
  void Dispatch(TMessage& Message) override;
  void Popup(TWinControl* AFocusedControl) override;
  TPoint CalculatePosition() override;
  void CalculateSize() override;
  bool CanResize(Integer& NewWidth, Integer& NewHeight) override;
  virtual void CalculateViewInfo();
  virtual TSize GetMinSize();
  TSize GetMaxVisualAreaSize();
  void RefreshPopupWindow();
  void SetShadowRegion();

  TcxCustomEditPopupWindowViewInfo* GetViewInfo() const {
    return static_cast<TcxCustomEditPopupWindowViewInfo*>(TcxCustomPopupWindow::GetViewInfo());
  }
  TcxCustomDropDownEdit* GetEdit() const;
  bool IsSizing() const;
  void DestroyPopupHandle() { DestroyHandle(); }

  bool LayoutInProgress = false;
  void SetBorderStyle(TcxEditPopupBorderStyle Value) { GetViewInfo()->PopupBorderStyle = Value; }
  void SetClientEdge(bool Value) { GetViewInfo()->ClientEdge = Value; }
  void SetCloseButton(bool Value) { GetViewInfo()->CloseButton = Value; }
  void SetMinSysPanelHeight(Integer Value) { GetViewInfo()->MinSysPanelHeight = Value; }
  Integer GetMinSysPanelHeight() const { return GetViewInfo()->MinSysPanelHeight; }
  void SetNativeStyle(bool Value) { GetViewInfo()->NativeStyle = Value; }
  void SetShadow(bool Value) { GetViewInfo()->Shadow = Value; }
  void SetSizeable(bool Value) { GetViewInfo()->Sizeable = Value; }
  bool GetSizeable() const { return GetViewInfo()->Sizeable; }
  void SetSysPanelStyle(bool Value) { GetViewInfo()->SysPanelStyle = Value; }
  bool GetSysPanelStyle() const { return GetViewInfo()->SysPanelStyle; }
  void SetPopupAutoSize(bool Value) { PopupAutoSize = Value; }
  bool PopupAutoSize = false;
  Integer MinHeight = 0, MinWidth = 0;
  Integer PreferredHeight = 0, PreferredWidth = 0;

 protected:
  void Destroy() override;
  bool AcceptsAnySize() override;
  void Deactivate() override;
  bool HasBackground() override { return false; }
  bool NeedIgnoreMouseMessageAfterCloseUp(HWND AWnd, UINT AMsg, TShiftState AShift, const TPoint& APos) override;
  void DoClosed() override;
  void DoClosing() override;
  void ModalCloseUp() override;
  void AdjustClientRect(TRect& Rect) override;
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void PopupWindowStyleChanged(TObject* Sender) override;
  TClass GetViewInfoClass() override { return TcxCustomEditPopupWindowViewInfo::StaticClass(); }
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseLeave(TControl* AControl) override;
  using TcxCustomPopupWindow::MouseLeave;
  void Resize() override;
  virtual void DoPopupControlKey(char Key);
  void DrawSizeFrame(const TRect& R);

 private:
  void SetSizingCursor(Integer AHorz, Integer AVert);
  void SetCloseButtonState(TcxButtonState AState);
  cxControls::TcxSizeFrame* FSizeFrame = nullptr;
};

// ---- Settings of the drop-down editors -----------------------------------------------------------------

class TcxCustomDropDownEditProperties : public TcxCustomMaskEditProperties {
  DECLARE_CLASS(TcxCustomDropDownEditProperties, TcxCustomMaskEditProperties)
 public:
  explicit TcxCustomDropDownEditProperties(TPersistent* AOwner = nullptr) : TcxCustomMaskEditProperties(AOwner) {}
  void Assign(TPersistent* Source) override;
  void Changed() override;
  TClass GetContainerClass() override;
  TClass GetViewDataClass() override;
  bool IsLookupDataVisual() override { return true; }

  virtual Integer DropDownButtonVisibleIndex() { return 0; }
  virtual bool DropDownOnClick() { return false; }
  virtual bool GetAlwaysPostEditValue() { return false; }
  virtual TClass GetPopupWindowClass();
  virtual bool PopupWindowAcceptsAnySize() { return true; }
  virtual bool PopupWindowCapturesFocus() { return false; }

  TBitmap* GetButtonGlyph();
  void SetButtonGlyph(TBitmap* Value);
  bool GetImmediateDropDown() const { return FImmediateDropDown; }
  void SetImmediateDropDown(bool Value) { FImmediateDropDown = Value; }
  bool GetImmediatePopup() const { return FImmediatePopup; }
  void SetImmediatePopup(bool Value) { FImmediatePopup = Value; }
  bool GetKeepArrowButtonPressedWhenDroppedDown() const { return FKeepArrowButtonPressedWhenDroppedDown; }
  void SetKeepArrowButtonPressedWhenDroppedDown(bool Value) { SetAndChange(FKeepArrowButtonPressedWhenDroppedDown, Value); }
  TAlignment GetPopupAlignment() const;
  void SetPopupAlignment(TAlignment Value);
  TcxPopupDirection PopupDirection = pdVertical;
  TcxPopupAlignHorz PopupHorzAlignment = pahLeft;
  TcxPopupAlignVert PopupVertAlignment = pavBottom;
  bool GetPopupAutoSize() const { return FPopupAutoSize; }
  void SetPopupAutoSize(bool Value) { FPopupAutoSize = Value; }
  bool GetPopupClientEdge() const { return FPopupClientEdge; }
  void SetPopupClientEdge(bool Value) { SetAndChange(FPopupClientEdge, Value); }
  Integer GetPopupHeight() const { return FPopupHeight; }
  void SetPopupHeight(Integer Value) { FPopupHeight = std::max(Value, FPopupMinHeight); }
  Integer GetPopupWidth() const { return FPopupWidth; }
  void SetPopupWidth(Integer Value);
  Integer GetPopupMinHeight() const { return FPopupMinHeight; }
  void SetPopupMinHeight(Integer Value);
  Integer GetPopupMinWidth() const { return FPopupMinWidth; }
  void SetPopupMinWidth(Integer Value);
  bool GetPopupSizeable() const { return FPopupSizeable; }
  void SetPopupSizeable(bool Value) { SetAndChange(FPopupSizeable, Value); }
  bool GetPopupSysPanelStyle() const { return FPopupSysPanelStyle; }
  void SetPopupSysPanelStyle(bool Value) { SetAndChange(FPopupSysPanelStyle, Value); }
  bool GetPostPopupValueOnTab() const { return FPostPopupValueOnTab; }
  void SetPostPopupValueOnTab(bool Value) { FPostPopupValueOnTab = Value; }
  Integer GetGlyphButtonIndex() const { return FGlyphButtonIndex; }
  void SetGlyphButtonIndex(Integer Value);

  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnCloseUp, OnInitPopup, OnPopup, OnFinalizePopup;
  TCloseQueryEvent GetOnCloseQuery() const { return OnCloseQuery; }
  void SetOnCloseQuery(TCloseQueryEvent Value) { OnCloseQuery = Value; }
  TNotifyEvent GetOnCloseUp() const { return OnCloseUp; }
  void SetOnCloseUp(TNotifyEvent Value) { OnCloseUp = Value; }
  TNotifyEvent GetOnInitPopup() const { return OnInitPopup; }
  void SetOnInitPopup(TNotifyEvent Value) { OnInitPopup = Value; }
  TNotifyEvent GetOnPopup() const { return OnPopup; }
  void SetOnPopup(TNotifyEvent Value) { OnPopup = Value; }

 protected:
  void Construct() override;
  void Destroy() override;
  void SetAndChange(bool& AField, bool Value) {
    if (AField == Value) return;
    AField = Value;
    Changed();
  }

 private:
  void CheckGlyphButtonKind();
  TBitmap* FButtonGlyph = nullptr;
  bool FChanging = false;
  Integer FGlyphButtonIndex = 0;
  bool FImmediateDropDown = true;
  bool FImmediatePopup = false;
  bool FKeepArrowButtonPressedWhenDroppedDown = false;
  bool FPopupAutoSize = true;
  bool FPopupClientEdge = false;
  Integer FPopupHeight = 0, FPopupWidth = 0, FPopupMinHeight = 0, FPopupMinWidth = 0;
  bool FPopupSizeable = false;
  bool FPopupSysPanelStyle = false;
  bool FPostPopupValueOnTab = false;
};

// What an in-place editor keeps of its popup from one activation to the next.
class TcxCustomDropDownEditData : public TcxCustomEditData {
  DECLARE_CLASS(TcxCustomDropDownEditData, TcxCustomEditData)
 public:
  explicit TcxCustomDropDownEditData(TcxCustomEdit* AEdit = nullptr) : TcxCustomEditData(AEdit) {}
  bool Initialized = false;
  Integer Width = 0, Height = 0;
};

class TcxCustomDropDownEditViewData : public TcxCustomTextEditViewData {
  DECLARE_CLASS(TcxCustomDropDownEditViewData, TcxCustomTextEditViewData)
 public:
  explicit TcxCustomDropDownEditViewData(TcxCustomEditProperties* AProperties = nullptr,
                                         TcxCustomEditStyle* AStyle = nullptr, bool AIsInplace = false)
      : TcxCustomTextEditViewData(AProperties, AStyle, AIsInplace) {}
  bool HasPopupWindow = false;
  bool IsHotAndPopup = false;
  bool KeepArrowButtonPressed = false;
  bool CanPressButton(TcxCustomEditViewInfo* AViewInfo, Integer AButtonVisibleIndex) override;
  bool IsButtonPressed(TcxCustomEditViewInfo* AViewInfo, Integer AButtonVisibleIndex) override;
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                 TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;

 protected:
  // A closed fixed-list editor draws as a hot or normal field rather than a focused one.
  Integer GetEditNativeState(TcxCustomEditViewInfo* AViewInfo) override;
};

// The drop-down editors' inner edit: no hint while its editor's popup is open.
class TcxCustomDropDownInnerEdit : public TcxCustomInnerTextEdit {
  DECLARE_CLASS(TcxCustomDropDownInnerEdit, TcxCustomInnerTextEdit)
 public:
  explicit TcxCustomDropDownInnerEdit(TComponent* AOwner = nullptr) : TcxCustomInnerTextEdit(AOwner) {}
  void Dispatch(TMessage& Message) override;
};

// The look of the controls a drop-down editor shows in its popup: kind, native style and skin follow
// what the editor shows.
class TcxEditPopupControlLookAndFeel : public TcxLookAndFeel {
  DECLARE_CLASS(TcxEditPopupControlLookAndFeel, TcxLookAndFeel)
 public:
  explicit TcxEditPopupControlLookAndFeel(TcxCustomDropDownEdit* AEdit = nullptr);
  // Tells the popup's controls when the editor's kind, native style or skin changed.
  void EditStyleChanged();

 protected:
  TcxLookAndFeelKind InternalGetKind() const override;
  bool InternalGetNativeStyle() const override;
  TdxSkinName InternalGetSkinName() const override;

 private:
  TcxCustomDropDownEdit* FEdit;
};

// ---- The drop-down editor --------------------------------------------------------------------------

class TcxCustomDropDownEdit : public TcxCustomMaskEdit {
  DECLARE_CLASS(TcxCustomDropDownEdit, TcxCustomMaskEdit)
 public:
  explicit TcxCustomDropDownEdit(TComponent* AOwner = nullptr, bool AIsInplace = false)
      : TcxCustomMaskEdit(AOwner, AIsInplace) {}
  TClass GetPropertiesClass() override;
  TcxCustomDropDownEditProperties* GetActiveProperties() {
    return static_cast<TcxCustomDropDownEditProperties*>(TcxCustomEdit::GetActiveProperties());
  }
  TcxCustomDropDownEditProperties* GetProperties() const {
    return static_cast<TcxCustomDropDownEditProperties*>(TcxCustomEdit::GetProperties());
  }
  void Activate(TcxCustomEditData*& AEditData) override;
  void ActivateByKey(char Key, TcxCustomEditData*& AEditData) override;
  void ActivateByMouse(TShiftState Shift, Integer X, Integer Y, TcxCustomEditData*& AEditData) override;
  bool Deactivate() override;
  void PasteFromClipboard() override;
  void Dispatch(TMessage& Message) override;
  bool Focused() override;

  bool GetDroppedDown();
  void SetDroppedDown(bool Value);
  TcxCustomEditPopupWindow* GetPopupWindow() const { return FPopupWindow; }
  TcxEditCloseUpReason GetCloseUpReason() const { return FCloseUpReason; }
  TRect GetPopupWindowOwnerControlBounds();
  bool IsHotAndPopup() const { return FIsHotAndPopup; }
  void SetUserSizedThisTime() { FPopupSizeChanged = true; }
  bool IsUserSizeValid() const { return FUserSizeValid; }
  void SetCloseUpReason(TcxEditCloseUpReason Value) { FCloseUpReason = Value; }

  virtual bool CanDropDown() { return false; }
  virtual void CloseUp(TcxEditCloseUpReason AReason);
  virtual void DoFinalizePopup();
  virtual void DropDown();
  virtual TSize GetPopupWindowClientPreferredSize() = 0;
  virtual void PositionPopupWindowChilds(const TRect& AClientRect);
  virtual void EditButtonClick() {}
  virtual bool CanHide() { return true; }
  virtual void PopupControlsLookAndFeelChanged(TcxLookAndFeel* Sender) {}
  TcxEditPopupControlLookAndFeel* GetPopupControlsLookAndFeel() const { return FPopupControlsLookAndFeel; }

 protected:
  friend class TcxCustomEditPopupWindow;
  void Construct() override;
  void Destroy() override;
  void Initialize() override;
  void DestroyWnd() override;
  void DoEditKeyDown(Word& Key, TShiftState Shift) override;
  void DoEditKeyPress(char& Key) override;
  void DoEditProcessTab(TShiftState Shift) override;
  void DoExit() override;
  void DoButtonDown(Integer AButtonVisibleIndex) override;
  void FocusChanged() override;
  bool IsEditorKey(Word Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
  bool SendActivationKey(char Key) override;
  bool TabsNeeded() override;
  TClass GetEditDataClass() override { return TcxCustomDropDownEditData::StaticClass(); }
  TClass GetInnerEditClass() override { return TcxCustomDropDownInnerEdit::StaticClass(); }
  TcxContainerStyleValues InternalGetNotPublishedStyleValues() override;
  void BeforeDestruction() override;
  void DoStartDock(TDragObject*& DragObject) override;
  void ContainerStyleChanged(TObject* Sender) override;
  bool RefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent) override;
  TcxCustomEditViewData* CreateViewData() override;
  void PropertiesChanged(TObject* Sender) override;
  bool GetScrollLookupDataList(TcxEditScrollCause AScrollCause) override;

  virtual void CreatePopupWindow();
  virtual void DoCloseUp();
  virtual void DoInitPopup();
  virtual void DoPopup();
  virtual TWinControl* GetPopupFocusedControl();
  virtual void InitializeLookupData();
  virtual void InitializePopupWindow();
  virtual void SetupPopupWindow();
  virtual void PopupWindowShowed(TObject* Sender);
  virtual void PopupWindowShowing(TObject* Sender) {}
  virtual void PopupWindowClosing(TObject* Sender) {}
  virtual void PopupWindowCloseQuery(TObject* Sender, bool& CanClose);
  virtual void PopupWindowClosed(TObject* Sender);
  void DeleteShowPopupWindowMessages();
  void DropDownByPasteHandler();

  bool FActivatingByMouse = false;

 private:
  TcxCustomDropDownEditData* GetDropDownEditData() const {
    return static_cast<TcxCustomDropDownEditData*>(GetEditData());
  }
  TcxCustomEditPopupWindow* FPopupWindow = nullptr;
  TcxEditPopupControlLookAndFeel* FPopupControlsLookAndFeel = nullptr;
  TcxEditCloseUpReason FCloseUpReason = crUnknown;
  bool FPopupInitialized = false;
  bool FIsHotAndPopup = false;
  bool FUserSizeValid = false;
  bool FPopupSizeChanged = false;
};

// ---- Combo box -----------------------------------------------------------------------------------

class TcxCustomComboBox;

using TcxEditDrawItemEvent =
    TClosure<void(TcxCustomComboBox* AControl, TcxCanvas* ACanvas, Integer AIndex, const TRect& ARect, TOwnerDrawState AState)>;
using TcxComboBoxMeasureItemEvent =
    TClosure<void(TcxCustomComboBox* AControl, Integer AIndex, TcxCanvas* ACanvas, Integer& AHeight)>;

// A fixed-list combo box with a draw handler lets the handler draw its value as it draws the items.
class TcxCustomComboBoxViewInfo : public TcxCustomTextEditViewInfo {
  DECLARE_CLASS(TcxCustomComboBoxViewInfo, TcxCustomTextEditViewInfo)
 public:
  virtual void DoCustomDraw(TcxCanvas* ACanvas, const TRect& ARect);
  Integer ItemIndex = -1;

 protected:
  void Construct() override;
};

class TcxCustomComboBoxViewData : public TcxCustomDropDownEditViewData {
  DECLARE_CLASS(TcxCustomComboBoxViewData, TcxCustomDropDownEditViewData)
 public:
  using TcxCustomDropDownEditViewData::TcxCustomDropDownEditViewData;
  bool IsComboBoxStyle() override { return true; }
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                 TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  void EditValueToDrawValue(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                            TcxCustomEditViewInfo* AViewInfo) override;

 private:
  // A fixed list whose items a handler draws (the editor's, or the settings' without an editor).
  bool IsValueCustomDrawn();
  void SetItemIndex(TcxCustomEditViewInfo* AViewInfo, Integer AIndex);
};

class TcxCustomComboBoxProperties : public TcxCustomDropDownEditProperties {
  DECLARE_CLASS(TcxCustomComboBoxProperties, TcxCustomDropDownEditProperties)
 public:
  explicit TcxCustomComboBoxProperties(TPersistent* AOwner = nullptr) : TcxCustomDropDownEditProperties(AOwner) {}
  void Assign(TPersistent* Source) override;
  TClass GetContainerClass() override;
  TClass GetLookupDataClass() override;
  TClass GetPopupWindowClass() override;
  TClass GetViewDataClass() override;
  TClass GetViewInfoClass() override;
  TcxEditEditingStyle GetEditingStyle() override;
  bool UseLookupData() override { return true; }
  bool DropDownOnClick() override { return FDropDownListStyle == lsFixedList; }
  Integer GetDropDownPageRowCount() override { return FDropDownRows; }

  TcxEditDropDownListStyle GetDropDownListStyle() const { return FDropDownListStyle; }
  void SetDropDownListStyle(TcxEditDropDownListStyle Value);
  Integer GetDropDownRows() const { return FDropDownRows; }
  void SetDropDownRows(Integer Value);
  Integer GetItemHeight() const { return FItemHeight; }
  void SetItemHeight(Integer Value);
  bool GetRevertable() const { return FRevertable; }
  void SetRevertable(bool Value) { FRevertable = Value; }
  StringLists::TStrings* GetItems() { return GetLookupItems(); }
  void SetItems(StringLists::TStrings* Value) { SetLookupItems(Value); }
  bool GetSorted() const { return GetLookupItemsSorted(); }
  void SetSorted(bool Value) { SetLookupItemsSorted(Value); }
  bool GetDropDownAutoWidth() const { return GetPopupAutoSize(); }
  void SetDropDownAutoWidth(bool Value) { SetPopupAutoSize(Value); }
  bool GetDropDownSizeable() const { return GetPopupSizeable(); }
  void SetDropDownSizeable(bool Value) { SetPopupSizeable(Value); }
  Integer GetDropDownWidth() const { return GetPopupWidth(); }
  void SetDropDownWidth(Integer Value) { SetPopupWidth(Value); }

  TcxEditDrawItemEvent OnDrawItem;
  TcxComboBoxMeasureItemEvent OnMeasureItem;
  TcxEditDrawItemEvent GetOnDrawItem() const { return OnDrawItem; }
  void SetOnDrawItem(TcxEditDrawItemEvent Value) { OnDrawItem = Value; }
  TcxComboBoxMeasureItemEvent GetOnMeasureItem() const { return OnMeasureItem; }
  void SetOnMeasureItem(TcxComboBoxMeasureItemEvent Value) { OnMeasureItem = Value; }

 private:
  TcxEditDropDownListStyle FDropDownListStyle = lsEditList;
  Integer FDropDownRows = 8;
  Integer FItemHeight = 0;
  bool FRevertable = false;
};

class TcxComboBoxProperties : public TcxCustomComboBoxProperties {
  DECLARE_CLASS(TcxComboBoxProperties, TcxCustomComboBoxProperties)
 public:
  explicit TcxComboBoxProperties(TPersistent* AOwner = nullptr) : TcxCustomComboBoxProperties(AOwner) {}
  TcxTextEditPropertiesValues* GetAssignedValues() const { return GetAssignedTextValues(); }
  void SetAssignedValues(TcxTextEditPropertiesValues* Value) { GetAssignedTextValues()->Assign(Value); }
};

// The combo box's list: its rows' heights summed, its items the lookup data's, drawn by the
// settings' handler when there is one.
class TcxCustomComboBoxListBox : public TcxCustomEditListBox {
  DECLARE_CLASS(TcxCustomComboBoxListBox, TcxCustomEditListBox)
 public:
  explicit TcxCustomComboBoxListBox(TComponent* AOwner = nullptr) : TcxCustomEditListBox(AOwner) {}
  Integer GetHeight(Integer ARowCount) override;
  String GetItem(Integer AIndex) override;
  void RecreateWindow() override { InternalRecreateWindow(); }
  TcxCustomComboBox* GetComboBox();
  bool IgnoreNextMouseMove = false;

 protected:
  void Construct() override;
  bool DoDrawItem(Integer AIndex, const TRect& ARect, TOwnerDrawState AState) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  // A drawn list is drawn again whole when its height changes.
  void CreateParams(TCreateParams& Params) override;
};

// The list the combo box shows: rows of the settings' item height (or measured), a release on an
// item picks it.
class TcxComboBoxListBox : public TcxCustomComboBoxListBox {
  DECLARE_CLASS(TcxComboBoxListBox, TcxCustomComboBoxListBox)
 public:
  explicit TcxComboBoxListBox(TComponent* AOwner = nullptr) : TcxCustomComboBoxListBox(AOwner) {}
  Integer GetItemHeight(Integer AIndex = -1) override;
  void RecreateWindow() override;
  // An item chosen by the editor or a click stays chosen under a pointer that has not moved since.
  void SetItemIndex(Integer Value);

 protected:
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  // The size grip between the two scroll bars is painted again at the new size.
  void Resize() override;
};

class TcxComboBoxLookupData : public TcxCustomTextEditLookupData {
  DECLARE_CLASS(TcxComboBoxLookupData, TcxCustomTextEditLookupData)
 public:
  explicit TcxComboBoxLookupData(TPersistent* AOwner = nullptr) : TcxCustomTextEditLookupData(AOwner) {}
  TClass GetListBoxClass() override { return TcxComboBoxListBox::StaticClass(); }
  // The list's size for its rows (at most the drop-down rows), no higher than AMaxHeight and no
  // wider than AWidthLimit (0: no limit) without a horizontal scroll bar.
  TSize GetPreferredSize(Integer AMaxHeight, Integer AWidthLimit);
  // Brings ASize to whole rows within the largest size (0: unlimited).
  void ResizeToWholeRows(TSize& ASize, Integer AMaxHeight, Integer AMaxWidth);
};

class TcxComboBoxPopupWindow : public TcxCustomEditPopupWindow {
  DECLARE_CLASS(TcxComboBoxPopupWindow, TcxCustomEditPopupWindow)
 public:
  explicit TcxComboBoxPopupWindow(TWinControl* AOwnerControl = nullptr) : TcxCustomEditPopupWindow(AOwnerControl) {}
  void CalculateSize() override;
};

// The combo box's inner edit: like the combo box itself, it never turns a release into a click.
class TcxCustomComboBoxInnerEdit : public TcxCustomDropDownInnerEdit {
  DECLARE_CLASS(TcxCustomComboBoxInnerEdit, TcxCustomDropDownInnerEdit)
 public:
  explicit TcxCustomComboBoxInnerEdit(TComponent* AOwner = nullptr) : TcxCustomDropDownInnerEdit(AOwner) {}
  void Dispatch(TMessage& Message) override;
};

class TcxCustomComboBox : public TcxCustomDropDownEdit {
  DECLARE_CLASS(TcxCustomComboBox, TcxCustomDropDownEdit)
 public:
  explicit TcxCustomComboBox(TComponent* AOwner = nullptr, bool AIsInplace = false)
      : TcxCustomDropDownEdit(AOwner, AIsInplace) {}
  TClass GetPropertiesClass() override;
  TcxCustomComboBoxProperties* GetActiveProperties() {
    return static_cast<TcxCustomComboBoxProperties*>(TcxCustomEdit::GetActiveProperties());
  }
  TcxCustomComboBoxProperties* GetProperties() const {
    return static_cast<TcxCustomComboBoxProperties*>(TcxCustomEdit::GetProperties());
  }
  TcxComboBoxLookupData* GetComboLookupData() const { return static_cast<TcxComboBoxLookupData*>(GetLookupData()); }
  TcxComboBoxListBox* GetListBox() const;
  void Activate(TcxCustomEditData*& AEditData) override;
  bool CanDropDown() override;
  TSize GetPopupWindowClientPreferredSize() override;
  Integer GetSelectedItem() const;
  void SetSelectedItem(Integer Value);
  void DoOnDrawItem(TcxCanvas* ACanvas, Integer AIndex, const TRect& ARect, TOwnerDrawState AState);
  void DoOnMeasureItem(Integer AIndex, TcxCanvas* ACanvas, Integer& AHeight);
  bool IsOnDrawItemEventAssigned();
  bool IsOnMeasureItemEventAssigned();
  // Forgets the popup height: the edit data's for an in-place editor whose popup the user sizes.
  void ResetPopupHeight();

 protected:
  void Initialize() override;
  void ChangeHandler(TObject* Sender) override;
  void DblClick() override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void InitializePopupWindow() override;
  // The list follows the look of the popup's controls.
  void InitializeLookupData() override;
  void SetupPopupWindow() override;
  void PopupWindowShowed(TObject* Sender) override;
  bool CanSynchronizeLookupData();
  void DoFocusChanged() override;
  TClass GetInnerEditClass() override;

 public:
  void Dispatch(TMessage& Message) override;
};

class TcxComboBox : public TcxCustomComboBox {
  DECLARE_CLASS(TcxComboBox, TcxCustomComboBox)
 public:
  explicit TcxComboBox(TComponent* AOwner = nullptr, bool AIsInplace = false) : TcxCustomComboBox(AOwner, AIsInplace) {}
  TClass GetPropertiesClass() override;
  TcxComboBoxProperties* GetProperties() const {
    return static_cast<TcxComboBoxProperties*>(TcxCustomEdit::GetProperties());
  }
  void SetProperties(TcxComboBoxProperties* Value) { TcxCustomEdit::SetProperties(Value); }
};

// ---- Popup edit ----------------------------------------------------------------------------------

class TcxCustomPopupEditProperties : public TcxCustomDropDownEditProperties {
  DECLARE_CLASS(TcxCustomPopupEditProperties, TcxCustomDropDownEditProperties)
 public:
  explicit TcxCustomPopupEditProperties(TPersistent* AOwner = nullptr) : TcxCustomDropDownEditProperties(AOwner) {}
  void Assign(TPersistent* Source) override;
  TClass GetContainerClass() override;
  TClass GetPopupWindowClass() override;
  bool IsLookupDataVisual() override { return false; }
  bool PopupWindowCapturesFocus() override { return true; }
  TControl* GetPopupControl() const { return FPopupControl; }
  void SetPopupControl(TControl* Value);

 protected:
  void Construct() override;
  void Destroy() override;
  void FreeNotification(TComponent* AComponent) override;

 private:
  TControl* FPopupControl = nullptr;
};

class TcxPopupEditProperties : public TcxCustomPopupEditProperties {
  DECLARE_CLASS(TcxPopupEditProperties, TcxCustomPopupEditProperties)
 public:
  explicit TcxPopupEditProperties(TPersistent* AOwner = nullptr) : TcxCustomPopupEditProperties(AOwner) {}
  TcxTextEditPropertiesValues* GetAssignedValues() const { return GetAssignedTextValues(); }
  void SetAssignedValues(TcxTextEditPropertiesValues* Value) { GetAssignedTextValues()->Assign(Value); }

 protected:
  void Construct() override;
};

class TcxPopupEditPopupWindowViewInfo : public TcxCustomEditPopupWindowViewInfo {
  DECLARE_CLASS(TcxPopupEditPopupWindowViewInfo, TcxCustomEditPopupWindowViewInfo)
 public:
  void DrawBorder(TcxCanvas* ACanvas, TRect R) override;
};

class TcxPopupEditPopupWindow : public TcxCustomEditPopupWindow {
  DECLARE_CLASS(TcxPopupEditPopupWindow, TcxCustomEditPopupWindow)
 public:
  explicit TcxPopupEditPopupWindow(TWinControl* AOwnerControl = nullptr) : TcxCustomEditPopupWindow(AOwnerControl) {}

 protected:
  TClass GetViewInfoClass() override { return TcxPopupEditPopupWindowViewInfo::StaticClass(); }
};

class TcxCustomPopupEdit : public TcxCustomDropDownEdit {
  DECLARE_CLASS(TcxCustomPopupEdit, TcxCustomDropDownEdit)
 public:
  explicit TcxCustomPopupEdit(TComponent* AOwner = nullptr, bool AIsInplace = false)
      : TcxCustomDropDownEdit(AOwner, AIsInplace) {}
  TClass GetPropertiesClass() override;
  TcxCustomPopupEditProperties* GetActiveProperties() {
    return static_cast<TcxCustomPopupEditProperties*>(TcxCustomEdit::GetActiveProperties());
  }
  TcxCustomPopupEditProperties* GetProperties() const {
    return static_cast<TcxCustomPopupEditProperties*>(TcxCustomEdit::GetProperties());
  }
  bool CanDropDown() override;
  TSize GetPopupWindowClientPreferredSize() override;
  void PositionPopupWindowChilds(const TRect& AClientRect) override;
  virtual void HidePopup(TcxControl* Sender, TcxEditCloseUpReason AReason);

 protected:
  void Destroy() override;
  void DoInitPopup() override;
  TWinControl* GetPopupFocusedControl() override;
  void SetupPopupWindow() override;
  void PopupWindowClosed(TObject* Sender) override;
  virtual void RestorePopupControlData();
  virtual void SavePopupControlData();

 private:
  struct TSavedPopupControl {
    bool Saved = false;
    TAlign Align = alNone;
    TFormBorderStyle BorderStyle = bsNone;
    TRect Bounds;
    TWinControl* Parent = nullptr;
    bool Visible = false;
  } FSaved;
};

class TcxPopupEdit : public TcxCustomPopupEdit {
  DECLARE_CLASS(TcxPopupEdit, TcxCustomPopupEdit)
 public:
  explicit TcxPopupEdit(TComponent* AOwner = nullptr, bool AIsInplace = false) : TcxCustomPopupEdit(AOwner, AIsInplace) {}
  TClass GetPropertiesClass() override;
  TcxPopupEditProperties* GetProperties() const {
    return static_cast<TcxPopupEditProperties*>(TcxCustomEdit::GetProperties());
  }
  void SetProperties(TcxPopupEditProperties* Value) { TcxCustomEdit::SetProperties(Value); }
};

void InitDropDownEdit();

}  // namespace cxDropDownEdit

using namespace cxDropDownEdit;
