// The platform list box as the inner control of a container (the drop-down list of a combo box):
// its keys and mouse go to the container first, framework scroll bars lie over its system bars with
// a size grip between them, and typing searches its items by the characters typed within a delay.
#pragma once

#include "StdCtrls.h"
#include "cxContainerControl.h"

namespace cxContainer {

class TcxCustomInnerListBox : public TListBox, public IcxContainerInnerControl {
  DECLARE_CLASS(TcxCustomInnerListBox, TListBox)
 public:
  explicit TcxCustomInnerListBox(TComponent* AOwner = nullptr) : TListBox(AOwner) {}
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;

  // IcxContainerInnerControl.
  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override { return FContainer; }
  TcxContainer* GetContainer() const { return FContainer; }
  void SetContainer(TcxContainer* Value) { FContainer = Value; }

  // The milliseconds after which the typed search text starts afresh.
  Cardinal GetAutoCompleteDelay() const { return FAutoCompleteDelay; }
  void SetAutoCompleteDelay(Cardinal Value) { FAutoCompleteDelay = Value; }
  // The first item whose text starts with AText (case-insensitive), or the data search of the
  // virtual styles; -1 for none.
  Integer FindAutoCompleteString(const String& AText);
  // Whether a corner of the item's rectangle lies in the list box.
  bool ItemVisible(Integer AIndex);
  // The square between the two framework bars, relative to the list box's window rectangle; empty
  // unless both are visible.
  TRect GetSizeGripRect();
  void DrawSizeGrip(HDC ADC);
  TcxLookAndFeel* GetLookAndFeel() const { return FLookAndFeel; }
  void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
  TcxScrollBar* GetHScrollBar() const { return FHScrollBar; }
  TcxScrollBar* GetVScrollBar() const { return FVScrollBar; }
  TcxCanvas* GetcxCanvas() const { return FCanvas; }
  TComponent* GetPopupMenu() const override;
  void Click() override;
  void DblClick() override;
  void DragDrop(TObject* Source, Integer X, Integer Y) override;

 protected:
  void Construct() override;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void KeyDown(Word& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void KeyUp(Word& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
  bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos) override;
  void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept) override;

  // ---- Overridable operations introduced here, in the design's order
  virtual void DoAutoComplete(char& Key);
  virtual void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  // Whether the focus rectangle is drawn around the focused item (no item-drawing event assigned).
  virtual bool NeedDrawFocusRect() { return !OnDrawItem; }
  // Lays the framework bars over the system bars and gives them the system bars' values.
  virtual void SetExternalScrollBarsParameters();

  void CreateScrollBars();
  void SaveCanvasParametersForFocusRect();
  void RestoreCanvasParametersForFocusRect();

 private:
  void HScrollHandler(TObject* Sender, TScrollCode AScrollCode, Integer& AScrollPos);
  void VScrollHandler(TObject* Sender, TScrollCode AScrollCode, Integer& AScrollPos);
  // The list box's default procedure scrolls, with the framework bar as the message's source.
  void SendScrollToDefault(UINT AMsg, TScrollCode AScrollCode, Integer AScrollPos, TcxScrollBar* ASource);
  void LookAndFeelChangeHandler(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  TcxScrollBar* CreateScrollBar(TScrollBarKind AKind);
  void PlaceScrollBar(TcxScrollBar* AScrollBar);
  void CNDrawItem(TMessage& Message);
  void WMLButtonDown(TMessage& Message);
  void WMPrint(TMessage& Message);
  bool IsScrollBarsParametersMessage(UINT AMsg) const;
  // Appends the rest of a multi-byte character to the search text, taken from the queued characters.
  bool TakeMultiByteCharacter(char ALeadByte);

  TcxContainer* FContainer = nullptr;
  Cardinal FAutoCompleteDelay = 500;
  String FAutoCompleteFilter;
  Cardinal FPrevKeyPressTime = 0;
  TcxCanvas* FCanvas = nullptr;
  TcxLookAndFeel* FLookAndFeel = nullptr;
  TcxScrollBar* FHScrollBar = nullptr;
  TcxScrollBar* FVScrollBar = nullptr;
  bool FScrollBarsCalculating = false;
  bool FIsRedrawLocked = false;
  Integer FScrollBarsLockCount = 0;
  TColor FSavedBrushColor = clNone;
  TColor FSavedFontColor = clNone;
};

}  // namespace cxContainer

using namespace cxContainer;
