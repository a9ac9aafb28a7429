// The base grid engine's in-place editors: a borderless masked edit placed over the current cell,
// and its descendant with a button at the cell's edge that either raises an event (ellipsis) or
// drops down a pick list.
#pragma once

#include "Grids_tsEngine.h"
#include "Mask.h"

namespace StringLists {
class TStrings;
}

namespace Grids_ts {

class TPopupListbox;

// ---- TInplaceEdit -----------------------------------------------------------------------------------
class TInplaceEdit : public TCustomMaskEdit {
  DECLARE_CLASS(TInplaceEdit, TCustomMaskEdit)
 public:
  explicit TInplaceEdit(TComponent* AOwner = nullptr) : TCustomMaskEdit(AOwner) {}
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  TCustomGrid_ts* GetGrid() const { return FGrid; }
  void SetGrid(TCustomGrid_ts* Value) { FGrid = Value; }
  // Places the editor over the rectangle (grid coordinates) and shows it, redrawn; an empty
  // rectangle hides it.
  void Move(const TRect& Loc) { InternalMove(Loc, true); }
  // The same without forcing a redraw (the grid scrolled under it).
  void UpdateLoc(const TRect& Loc) { InternalMove(Loc, false); }
  bool Visible();
  void SetFocus() override;
  // Whether the editor's window lies exactly on the rectangle (grid coordinates).
  bool PosEqual(const TRect& Rect);
  // The caret after the last character and nothing selected.
  void Deselect();
  // Hides the window without redrawing it; a focused editor hands the focus to the grid.
  void Hide();
  // Repaints the editor and the grid's cell beneath it.
  void Invalidate() override;
  // True while text is put into the editor from code rather than typed: the grid does not take
  // such text back as an edit.
  bool SettingText() const { return FSettingText; }

 protected:
  friend class TCustomGrid_ts;
  void Construct() override;
  void CreateParams(TCreateParams& Params) override;
  void DblClick() override;
  bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  bool EditCanModify();
  virtual void BoundsChanged();
  // Loads the current cell's mask, text and length limit from the grid.
  virtual void UpdateContents();
  void InternalMove(const TRect& Loc, bool Redraw);
  // Puts text into the editor without it counting as the user's edit.
  void SetTextDirect(const String& Value);
  // The formatting rectangle inside the editor (the area left of a button).
  void SetFormatRect(const TRect& R);

 private:
  bool CaretAtLeft();
  bool CaretAtRight();
  Integer TextLength();  // of the text as shown, in bytes
  TCustomGrid_ts* FGrid = nullptr;
  DWORD FClickTime = 0;  // when the grid was last pressed; 0 for none
  bool FSettingText = false;
};

// ---- TInplaceEditList -------------------------------------------------------------------------------
using TOnGetPickListItems = TClosure<void(Integer ACol, Integer ARow, StringLists::TStrings* Items)>;

class TInplaceEditList : public TInplaceEdit {
  DECLARE_CLASS(TInplaceEditList, TInplaceEdit)
 public:
  explicit TInplaceEditList(TComponent* AOwner = nullptr) : TInplaceEdit(AOwner) {}
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  // Opens the active list under (or above) the editor.
  virtual void DropDown();
  // Closes the open pick list; with Accept, its chosen item becomes the text.
  virtual void CloseUp(bool Accept);
  // Gives up the edits and tells the grid the old text.
  void RestoreContents();
  TRect ButtonRect();
  bool OverButton(const TPoint& P);
  Integer GetButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(Integer Value) { FButtonWidth = Value; }
  Integer GetDropDownRows() const { return FDropDownRows; }
  void SetDropDownRows(Integer Value) { FDropDownRows = Value; }
  TEditStyle GetEditStyle() const { return FEditStyle; }
  bool GetListVisible() const { return FListVisible; }
  bool GetPressed() const { return FPressed; }
  TWinControl* GetActiveList() const { return FActiveList; }
  TPopupListbox* GetPickList();

  TOnGetPickListItems OnGetPickListItems;
  TNotifyEvent OnEditButtonClick;  // the sender is the grid

 protected:
  friend class TPopupListbox;
  void Construct() override;
  void BoundsChanged() override;
  void UpdateContents() override;
  void DblClick() override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void PaintWindow(HDC DC) override;
  virtual void DoDropDownKeys(Word& Key, TShiftState Shift);
  virtual void DoEditButtonClick();
  void DoGetPickListItems();
  void ListMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, Integer X, Integer Y);

 private:
  void StopTracking();
  void TrackButton(Integer X, Integer Y);
  void KillFocus(TMessage& Message);
  Integer FButtonWidth = 0;
  TPopupListbox* FPickList = nullptr;
  TWinControl* FActiveList = nullptr;
  TEditStyle FEditStyle = esSimple;
  Integer FDropDownRows = 0;
  bool FListVisible = false;
  bool FTracking = false;
  bool FPressed = false;
  bool FPickListLoaded = false;
};

// ---- TPopupListbox ----------------------------------------------------------------------------------
// The pick list: a borderless top-level list that shows its selection as focused while the editor
// keeps the focus, and finds items by the first characters typed.
class TPopupListbox : public TCustomListBox {
  DECLARE_CLASS(TPopupListbox, TCustomListBox)
 public:
  explicit TPopupListbox(TComponent* AOwner = nullptr) : TCustomListBox(AOwner) {}
  void Dispatch(TMessage& Message) override;
  String GetSearchText() const { return FSearchText; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void KeyPress(char& Key) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

 private:
  String FSearchText;
  String FPendingChar;  // leading bytes of a character typed byte by byte
  Cardinal FSearchTickCount = 0;
};

}  // namespace Grids_ts

using namespace Grids_ts;
