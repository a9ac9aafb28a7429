// The lookup items of a text editor as a list of choices: the current key (the chosen item) and the
// highlighted index, locating an item by a typed prefix, moving through the items for navigation
// keys and the wheel, and, for editors with a drop-down list, the owner-drawn list box that shows
// them.
#pragma once

#include "StdCtrls.h"
#include "cxContainerInnerListBox.h"
#include "cxEditProperties.h"

namespace cxTextEdit {

class TcxCustomTextEdit;

enum TcxEditLookupDataGoDirection { egdBegin, egdEnd, egdNext, egdPrev, egdPageUp, egdPageDown };

// The list box of a drop-down editor's lookup items: one row per item, hot tracking.
class TcxCustomEditListBox : public TcxCustomInnerListBox {
  DECLARE_CLASS(TcxCustomEditListBox, TcxCustomInnerListBox)
 public:
  explicit TcxCustomEditListBox(TComponent* AOwner = nullptr) : TcxCustomInnerListBox(AOwner) {}
  virtual Integer GetHeight(Integer ARowCount);
  virtual Integer GetItemHeight(Integer AIndex = -1);
  virtual Integer GetItemWidth(Integer AIndex);
  virtual String GetItem(Integer AIndex);
  virtual void RecreateWindow() {}
  void InternalRecreateWindow() { RecreateWnd(); }
  // Moves the highlight and tells the owner.
  void SetItemIndex(Integer Value);
  void SetItemCount(Integer ACount);
  void SetScrollWidth(Integer Value);
  bool IsVisible();
  Integer GetDefaultItemHeight() { return GetItemHeight(); }
  TcxCustomTextEdit* GetEdit();
  bool HotTrack = true;
  TNotifyEvent OnSelectItem;

 protected:
  void Construct() override;
  void Click() override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
  void DrawItem(Integer Index, const TRect& Rect, TOwnerDrawState State) override;
  void MeasureItem(Integer Index, Integer& Height) override { Height = GetItemHeight(Index); }
  bool NeedDrawFocusRect() override;
  virtual bool DoDrawItem(Integer AIndex, const TRect& ARect, TOwnerDrawState AState) { return false; }
  void Dispatch(TMessage& Message) override;

 private:
  void DoSelectItem();
};

class TcxCustomTextEditLookupData : public TcxInterfacedPersistent {
  DECLARE_CLASS(TcxCustomTextEditLookupData, TcxInterfacedPersistent)
 public:
  explicit TcxCustomTextEditLookupData(TPersistent* AOwner = nullptr) : TcxInterfacedPersistent(AOwner) {}
  static TcxCustomTextEditLookupData* Create(TClass AClass, TcxCustomTextEdit* AOwner);

  virtual String GetItem(Integer AIndex);
  virtual Integer GetItemCount();
  virtual TClass GetListBoxClass() { return nullptr; }
  virtual bool InternalLocate(String& AText, String& ATail, bool AExactMatchInMRUMode, bool ANext);
  virtual void ListChanged();
  virtual bool CanResizeVisualArea() { return true; }
  virtual void DropDown() {}
  // Told, once the popup shows, the text searched for so far (a list that finds its own items uses it).
  virtual void DroppedDown(const String& AFindStr) {}
  virtual bool Find(const String& AText) { return IndexOf(AText) != -1; }
  virtual TSize GetVisualAreaPreferredSize() { return TSize{0, 0}; }
  virtual void Initialize(TWinControl* AVisualControlsParent);
  virtual void PositionVisualArea(const TRect& AClientRect);
  virtual void PropertiesChanged() { ListChanged(); }
  virtual void TextChanged();

  void CloseUp();
  void Deinitialize() {}
  TWinControl* GetActiveControl() { return FList; }
  TcxEditValue GetCurrentKey() const { return FCurrentKey; }
  void SetCurrentKey(const TcxEditValue& Value);
  String GetDisplayText(const TcxEditValue& AKey);
  void Go(TcxEditLookupDataGoDirection ADirection, bool ACycle);
  bool IsEmpty() { return GetItemCount() == 0; }
  bool IsMouseOverList(const TPoint& P);
  bool Locate(String& AText, String& ATail, bool ANext) { return InternalLocate(AText, ATail, false, ANext); }
  void SelectItem();
  Integer IndexOf(const String& AText);
  Integer GetItemIndex() const { return FItemIndex; }
  void SetItemIndex(Integer Value);
  StringLists::TStrings* GetItems();
  void SetItems(StringLists::TStrings* Value);
  TcxCustomTextEdit* GetEdit() const { return FEdit; }
  TcxCustomEditListBox* GetList() const { return FList; }

  TNotifyEvent OnCurrentKeyChanged;
  TNotifyEvent OnSelectItem;

 protected:
  void Destroy() override;
  virtual void HandleSelectItem(TObject* Sender);
  void InternalSetCurrentKey(Integer Value);
  void InternalSetItemIndex(Integer Value);

 private:
  class TcxCustomTextEditProperties* GetProperties();
  Integer FCurrentKey = -1;
  Integer FItemIndex = -1;
  TcxCustomEditListBox* FList = nullptr;
  TcxCustomTextEdit* FEdit = nullptr;
};

}  // namespace cxTextEdit
