// Standard controls: the edit and memo over the EDIT class, the list box over LISTBOX, the push
// button, check box and radio button over BUTTON, the label (a graphic control) and the group box.
#pragma once

#include "ActnList.h"
#include "ClassTypes.h"
#include "Controls.h"

namespace StringLists {
class TStrings;
class TStringList;
}  // namespace StringLists

namespace StdCtrls {

// ---- Types ------------------------------------------------------------------------------------------
PUBLISHED_ENUM(TEditCharCase, ecNormal, ecUpperCase, ecLowerCase)
PUBLISHED_ENUM(TImeMode, imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata,
               imChinese, imSHanguel, imHanguel)
using TImeName = String;
// What a scroll bar was asked to do, and the event that may change the position it arrives at.
PUBLISHED_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom,
               scEndScroll)
using TScrollEvent = TClosure<void(TObject* Sender, TScrollCode ScrollCode, Integer& ScrollPos)>;
PUBLISHED_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable, lbVirtual, lbVirtualOwnerDraw)
PUBLISHED_ENUM(TTextLayout, tlTop, tlCenter, tlBottom)

enum TOwnerDrawStateItem {
  odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive, odNoAccel,
  odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem, 16>;

using TDrawItemEvent = TClosure<void(TWinControl* Control, Integer Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = TClosure<void(TWinControl* Control, Integer Index, Integer& Height)>;
using TLBGetDataEvent = TClosure<void(TWinControl* Control, Integer Index, String& Data)>;
using TLBGetDataObjectEvent = TClosure<void(TWinControl* Control, Integer Index, TObject*& DataObject)>;
using TLBFindDataEvent = TClosure<Integer(TWinControl* Control, String FindString)>;

// Makes Params create a window of a standard window class (EDIT, LISTBOX, BUTTON) under the
// control's own class name; the standard procedure answers what the control leaves to it.
void CreateSubClass(TCreateParams& Params, const char* ClassName);

// DrawText on the canvas's device context with the canvas's font and its colour, over a
// transparent background.
int CanvasDrawText(TCanvas* Canvas, const String& Text, RECT& Rect, UINT Flags);

// The font's height in pixels (its cell height) as a screen context measures it.
Integer FontCellHeight(TFont* Font);

// Whether Str marks VK (a character code) as its accelerator with '&' ("&&" is a plain '&').
bool IsAccel(Word VK, const String& Str);

// ---- Edit -------------------------------------------------------------------------------------------
class TCustomEdit : public TWinControl {
  DECLARE_CLASS(TCustomEdit, TWinControl)
 public:
  explicit TCustomEdit(TComponent* AOwner = nullptr) : TWinControl(AOwner) {}
  // A colour or font that follows the parent's is not written to a form resource.
  bool IsColorStored() const { return !GetParentColor(); }
  bool IsFontStored() const { return !GetParentFont(); }
  void Dispatch(TMessage& Message) override;

  bool GetAutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TEditCharCase GetCharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  TImeMode GetImeMode() const { return FImeMode; }
  void SetImeMode(TImeMode Value) { FImeMode = Value; }
  TImeName GetImeName() const { return FImeName; }
  void SetImeName(const TImeName& Value) { FImeName = Value; }
  Integer GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(Integer Value);
  bool GetOEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool Value);
  Char GetPasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(Char Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool GetModified();
  void SetModified(bool Value);
  bool CanUndo();
  virtual bool GetMultiLine() const { return false; }

  // The selection in byte offsets of the text.
  virtual Integer GetSelStart();
  virtual void SetSelStart(Integer Value);
  virtual Integer GetSelLength();
  virtual void SetSelLength(Integer Value);
  virtual String GetSelText();
  virtual void SetSelText(const String& Value);
  void SelectAll();
  void ClearSelection();
  virtual void Clear();
  void ClearUndo();
  void Undo();
  virtual void CopyToClipboard();
  virtual void CutToClipboard();
  virtual void PasteFromClipboard();

  TNotifyEvent OnChange;
  TNotifyEvent GetOnChange() const { return OnChange; }
  void SetOnChange(TNotifyEvent V) { OnChange = V; }

 protected:
  void Construct() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  virtual void Change();
  virtual void DoSetMaxLength(Integer Value);
  void AdjustHeight();
  void UpdateHeight();

 private:
  Integer FMaxLength = 0;
  TBorderStyle FBorderStyle = bsSingle;
  Char FPasswordChar = 0;
  bool FReadOnly = false;
  bool FAutoSize = true;
  bool FAutoSelect = true;
  bool FHideSelection = true;
  bool FOEMConvert = false;
  TEditCharCase FCharCase = ecNormal;
  bool FCreating = false;
  bool FModified = false;
  TImeMode FImeMode = imDontCare;
  TImeName FImeName;
};

class TEdit : public TCustomEdit {
  DECLARE_CLASS(TEdit, TCustomEdit)
 public:
  explicit TEdit(TComponent* AOwner = nullptr) : TCustomEdit(AOwner) {}
};

// ---- Memo -------------------------------------------------------------------------------------------
class TCustomMemo : public TCustomEdit {
  DECLARE_CLASS(TCustomMemo, TCustomEdit)
 public:
  explicit TCustomMemo(TComponent* AOwner = nullptr) : TCustomEdit(AOwner) {}
  void Dispatch(TMessage& Message) override;
  bool GetMultiLine() const override { return true; }

  // The text's lines, split at line breaks (not at the places word wrapping breaks them).
  StringLists::TStrings* GetLines() const { return FLines; }
  void SetLines(StringLists::TStrings* Value);
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TScrollStyle GetScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool GetWantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool GetWantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  // The caret as (character in line, line).
  TPoint GetCaretPos();
  void SetCaretPos(const TPoint& Value);

 protected:
  void Construct() override;
  void Destroy() override;
  void CreateParams(TCreateParams& Params) override;
  void KeyPress(char& Key) override;

 private:
  StringLists::TStrings* FLines = nullptr;
  TAlignment FAlignment = taLeftJustify;
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
  bool FWantReturns = true;
  bool FWantTabs = false;
};

class TMemo : public TCustomMemo {
  DECLARE_CLASS(TMemo, TCustomMemo)
 public:
  explicit TMemo(TComponent* AOwner = nullptr) : TCustomMemo(AOwner) {}
};

// ---- List box ---------------------------------------------------------------------------------------
class TCustomListBox : public TWinControl {
  DECLARE_CLASS(TCustomListBox, TWinControl)
 public:
  explicit TCustomListBox(TComponent* AOwner = nullptr) : TWinControl(AOwner) {}
  // A colour or font that follows the parent's is not written to a form resource.
  bool IsColorStored() const { return !GetParentColor(); }
  bool IsFontStored() const { return !GetParentFont(); }
  void Dispatch(TMessage& Message) override;

  // The items live in the window (created on first use); a recreated window gets them back.
  StringLists::TStrings* GetItems() const { return FItems; }
  void SetItems(StringLists::TStrings* Value);
  // The number of items; settable for the virtual styles only.
  Integer GetCount();
  void SetCount(Integer Value);
  TListBoxStyle GetStyle() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  bool IsVirtual() const { return FStyle == lbVirtual || FStyle == lbVirtualOwnerDraw; }
  bool IsOwnerDraw() const { return FStyle != lbStandard; }
  // The focused item (-1 for none); with multiple selection the caret item.
  Integer GetItemIndex();
  void SetItemIndex(Integer Value);
  Integer GetTopIndex();
  void SetTopIndex(Integer Value);
  Integer GetItemHeight();
  void SetItemHeight(Integer Value);
  bool GetIntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value);
  bool GetMultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool GetExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value);
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool Value);
  bool GetSelected(Integer Index);
  void SetSelected(Integer Index, bool Value);
  Integer GetSelCount();
  bool GetAutoComplete() const { return FAutoComplete; }
  void SetAutoComplete(bool Value) { FAutoComplete = Value; }
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  // How far the items scroll sideways (the horizontal extent, in pixels).
  Integer GetScrollWidth();
  void SetScrollWidth(Integer Value);
  TCanvas* GetCanvas() const { return FCanvas; }

  // The item at a client point; -1 outside the items when Existing, else the item count.
  Integer ItemAtPos(const TPoint& Pos, bool Existing);
  // An item's rectangle; Index = Count gives the place just below the last item.
  TRect ItemRect(Integer Index);
  void Clear();
  void ClearSelection();
  void SelectAll();
  void DeleteSelected();

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;
  TLBGetDataEvent OnData;
  TLBGetDataObjectEvent OnDataObject;
  TLBFindDataEvent OnDataFind;
  TDrawItemEvent GetOnDrawItem() const { return OnDrawItem; }
  void SetOnDrawItem(TDrawItemEvent V) { OnDrawItem = V; }
  TMeasureItemEvent GetOnMeasureItem() const { return OnMeasureItem; }
  void SetOnMeasureItem(TMeasureItemEvent V) { OnMeasureItem = V; }

 protected:
  friend class TListBoxStrings;
  void Construct() override;
  void Destroy() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void CreateWindowHandle(const TCreateParams& Params) override;
  void DestroyWnd() override;
  void KeyPress(char& Key) override;
  virtual void DrawItem(Integer Index, const TRect& Rect, TOwnerDrawState State);
  virtual void MeasureItem(Integer Index, Integer& Height);
  virtual String DoGetData(Integer Index);
  virtual TObject* DoGetDataObject(Integer Index);
  virtual Integer DoFindData(const String& Data);

 private:
  void CNDrawItem(TMessage& Message);
  void CNMeasureItem(TMessage& Message);
  StringLists::TStrings* FItems = nullptr;
  StringLists::TStringList* FSaveItems = nullptr;  // the items while the window is away
  Integer FSaveTopIndex = 0, FSaveItemIndex = -1, FSaveCount = 0;
  TCanvas* FCanvas = nullptr;
  TListBoxStyle FStyle = lbStandard;
  Integer FItemHeight = 16;
  Integer FScrollWidth = 0;
  bool FIntegralHeight = false;
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  bool FSorted = false;
  bool FAutoComplete = true;
  TBorderStyle FBorderStyle = bsSingle;
  String FFilter;      // what was typed for the automatic completion
  Cardinal FLastTime = 0;
};

class TListBox : public TCustomListBox {
  DECLARE_CLASS(TListBox, TCustomListBox)
 public:
  explicit TListBox(TComponent* AOwner = nullptr) : TCustomListBox(AOwner) {}
};

// ---- Buttons ----------------------------------------------------------------------------------------
class TButtonControl : public TWinControl {
  DECLARE_CLASS(TButtonControl, TWinControl)
 public:
  explicit TButtonControl(TComponent* AOwner = nullptr) : TWinControl(AOwner) {}
  // A colour or font that follows the parent's is not written to a form resource.
  bool IsColorStored() const { return !GetParentColor(); }
  bool IsFontStored() const { return !GetParentFont(); }
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // Also takes the action's checked state (without the click a user's toggle fires).
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  TClass GetActionLinkClass() const override;

 protected:
  friend class TButtonActionLink;
  void Construct() override;
  virtual bool GetChecked() const { return false; }
  virtual void SetChecked(bool Value) {}
  // Setting the check from code must not fire the click the user's toggle fires.
  bool ClicksDisabled = false;
  void SetCheckedWithoutClick(bool Value);

 private:
  bool FWordWrap = false;
};

// The link of a button control: its checked state follows the action as well.
class TButtonActionLink : public TWinControlActionLink {
  DECLARE_CLASS(TButtonActionLink, TWinControlActionLink)
 public:
  explicit TButtonActionLink(TObject* AClient = nullptr) : TWinControlActionLink(AClient) {}
  bool IsCheckedLinked() override;
  void SetChecked(bool Value) override;
  // A push button shows no image; a button that draws one shows the action's.
  void SetImageIndex(Integer Value) override {}

 protected:
  void AssignClient(TObject* AClient) override;
  TButtonControl* FClientButton = nullptr;
};

class TButton : public TButtonControl {
  DECLARE_CLASS(TButton, TButtonControl)
 public:
  explicit TButton(TComponent* AOwner = nullptr) : TButtonControl(AOwner) {}
  void Dispatch(TMessage& Message) override;
  void Click() override;  // also hands ModalResult to the parent form

  bool GetDefault() const { return FDefault; }
  void SetDefault(bool Value);
  bool GetCancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  Integer GetModalResult() const { return FModalResult; }
  void SetModalResult(Integer Value) { FModalResult = Value; }
  // Draws the button as the one that reacts to Enter (or not).
  virtual void SetButtonStyle(bool ADefault);
  // Whether Enter clicks this button: the focused button, or the default one when no button has
  // the focus.
  bool IsActive();

 protected:
  void Construct() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;

 private:
  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;
  bool FShowsDefault = false;
  Integer FModalResult = 0;
};

class TCustomCheckBox : public TButtonControl {
  DECLARE_CLASS(TCustomCheckBox, TButtonControl)
 public:
  explicit TCustomCheckBox(TComponent* AOwner = nullptr) : TButtonControl(AOwner) {}
  void Dispatch(TMessage& Message) override;
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool GetAllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  TCheckBoxState GetState() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool GetChecked() const override { return FState == cbChecked; }
  void SetChecked(bool Value) override { SetState(Value ? cbChecked : cbUnchecked); }

 protected:
  void Construct() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  // The user's click: unchecked, (grayed,) checked, unchecked, ...
  virtual void Toggle();
  void Click() override;

 private:
  TAlignment FAlignment = taRightJustify;
  bool FAllowGrayed = false;
  TCheckBoxState FState = cbUnchecked;
};

class TCheckBox : public TCustomCheckBox {
  DECLARE_CLASS(TCheckBox, TCustomCheckBox)
 public:
  explicit TCheckBox(TComponent* AOwner = nullptr) : TCustomCheckBox(AOwner) {}
};

class TRadioButton : public TButtonControl {
  DECLARE_CLASS(TRadioButton, TButtonControl)
 public:
  explicit TRadioButton(TComponent* AOwner = nullptr) : TButtonControl(AOwner) {}
  void Dispatch(TMessage& Message) override;
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool GetChecked() const override { return FChecked; }
  // Checking one unchecks the radio buttons beside it (the same parent).
  void SetChecked(bool Value) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;

 private:
  TAlignment FAlignment = taRightJustify;
  bool FChecked = false;
};

// ---- Label and group box ----------------------------------------------------------------------------
class TCustomLabel : public TGraphicControl {
  DECLARE_CLASS(TCustomLabel, TGraphicControl)
 public:
  explicit TCustomLabel(TComponent* AOwner = nullptr) : TGraphicControl(AOwner) {}
  // A colour or font that follows the parent's is not written to a form resource.
  bool IsColorStored() const { return !GetParentColor(); }
  bool IsFontStored() const { return !GetParentFont(); }
  void Dispatch(TMessage& Message) override;

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  TWinControl* GetFocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  TTextLayout GetLayout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool GetShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  bool GetTransparent() const { return !ControlStyle.Contains(csOpaque); }
  void SetTransparent(bool Value);
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

 protected:
  void Construct() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  virtual void AdjustBounds();
  // Draws (or with DT_CALCRECT measures into Rect) the caption with the label's font and flags.
  virtual void DoDrawText(TRect& Rect, Integer Flags);
  virtual String GetLabelText();

 private:
  TWinControl* FFocusControl = nullptr;
  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FAutoSize = true;
  bool FWordWrap = false;
  bool FShowAccelChar = true;
};

class TLabel : public TCustomLabel {
  DECLARE_CLASS(TLabel, TCustomLabel)
 public:
  explicit TLabel(TComponent* AOwner = nullptr) : TCustomLabel(AOwner) {}
};

class TCustomGroupBox : public TCustomControl {
  DECLARE_CLASS(TCustomGroupBox, TCustomControl)
 public:
  explicit TCustomGroupBox(TComponent* AOwner = nullptr) : TCustomControl(AOwner) {}
  // A colour or font that follows the parent's is not written to a form resource.
  bool IsColorStored() const { return !GetParentColor(); }
  bool IsFontStored() const { return !GetParentFont(); }
  void Dispatch(TMessage& Message) override;

 protected:
  void Construct() override;
  void CreateParams(TCreateParams& Params) override;
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
};

class TGroupBox : public TCustomGroupBox {
  DECLARE_CLASS(TGroupBox, TCustomGroupBox)
 public:
  explicit TGroupBox(TComponent* AOwner = nullptr) : TCustomGroupBox(AOwner) {}
};

}  // namespace StdCtrls

using namespace StdCtrls;
