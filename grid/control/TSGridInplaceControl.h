// The window base of the grid's in-place controls. An in-place window lies on top of the grid's
// current cell and keeps the form believing that the grid is the focused control. It paints
// through the grid family's shared off-screen canvas, pairs its own button presses into double
// clicks (the grid forwards the press that showed it), claims the keys it needs from the dialog
// manager and tells the grid through its hooks what happens in it.
#pragma once

#include "Controls.h"
#include "TSGridTypes.h"

namespace TSGrid {

class TtsGridControl : public TCustomControl {
  DECLARE_CLASS(TtsGridControl, TCustomControl)
 public:
  explicit TtsGridControl(TComponent* AOwner = nullptr) : TCustomControl(AOwner) {}

  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;

  // The edit box overrides the three setters to lay its text out again.
  virtual void SetAlignment(TAlignment Value) { FAlignment = Value; }
  virtual void SetVertAlignment(TSCommon::TtsVertAlignment Value) { FVertAlignment = Value; }
  virtual void SetWordWrap(TtsWordWrap Value) { FWordWrap = Value; }
  // Raises the CanChange hook (Edit: the change is an edit); true unless the grid cancels.
  virtual bool CheckCanChange(bool Edit);
  // False at once without key edits when CheckKeyEdit; otherwise the Edit hook (the grid starts its
  // cell and row edit there), then CheckCanChange.
  virtual bool CheckCanEdit(bool CheckKeyEdit);
  // Whether the key changes the value (Backspace and characters for the edit box, the space for
  // the check box); none here.
  virtual bool IsEditKey(char Key) { return false; }
  // The WantKey hook's answer; false without a hook.
  bool WantKey(Word Key);
  // Only when the window is not focused already.
  void SetFocus() override;
  // The in-place window keeps its size when its form is scaled.
  void ChangeScale(Integer M, Integer D) override {}

  TWinControl* GetGrid() const { return FGrid; }
  void SetGrid(TWinControl* Value) { FGrid = Value; }
  TAlignment GetAlignment() const { return FAlignment; }
  TSCommon::TtsVertAlignment GetVertAlignment() const { return FVertAlignment; }
  TtsWordWrap GetWordWrap() const { return FWordWrap; }
  // Whether button presses may pair into double clicks (the check box allows none).
  bool GetDoubleClicks() const { return FDoubleClicks; }
  void SetDoubleClicks(bool Value) { FDoubleClicks = Value; }

  Integer LeftMargin = 0;  // pixels kept free at the left of the text
  bool KeyEdit = true;     // keys, paste and cut may change the value
  bool WantTabs = true;
  bool AlwaysShowFocus = false;
  bool MouseSelect = true;  // the mouse may place the caret and select

  // The hooks.
  TKeyEvent OnEndKeyDown, OnEndKeyUp;
  TKeyPressEvent OnEndKeyPress;
  TtsEditEvent OnEdit;
  TtsChangeEvent OnCanChange;
  TtsNotifyChangedEvent OnNotifyChanged;
  TtsChangedEvent OnChanged;
  TtsUndoChangedEvent OnUndoChanged;
  TNotifyEvent OnKillFocus;
  TtsWantKeyEvent OnWantKey;
  TtsInvalidEditEvent OnInvalidKeys;
  TtsEditTextResizedEvent OnEditTextResized;

 protected:
  void Construct() override;
  void Destroy() override;
  void PaintWindow(HDC DC) override;
  // Reports a pending click before the mouse-up event.
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

  // The hooks fired by the descendants.
  void DoNotifyChanged(bool DataChanged);
  void DoChanged(bool Edit, bool ByUser, bool TextAdded);
  void DoEndKeyDown(Word& Key, TShiftState Shift);
  void DoEndKeyUp(Word& Key, TShiftState Shift);
  void DoEndKeyPress(char& Key);
  // The UndoChanged hook: true unless the grid cancels.
  bool DoUndoChanged(bool ByUser);
  // The window or the grid has the focus, or the focus shows anyway.
  bool ShowsFocus();
  bool Destroying() const { return ComponentState().Contains(csDestroying); }
  bool Designing() const { return ComponentState().Contains(csDesigning); }

  // Set by WM_LBUTTONUP: a click is reported when the button comes up.
  bool FClickPending = false;
  // The left button went down in this window and has not come up.
  bool FPressedHere = false;

 private:
  void ButtonDown(TMessage& Message);
  void ButtonDoubleClick(TMessage& Message);
  void ButtonUp(TMessage& Message);
  void DialogCode(TMessage& Message);
  void ReleaseCanvas();

  TWinControl* FGrid = nullptr;
  DWORD FLastDownTick = 0;  // 0: no press to pair with
  TPoint FLastDownPoint;
  bool FDoubleClickCandidate = false;
  TAlignment FAlignment = taLeftJustify;
  TSCommon::TtsVertAlignment FVertAlignment = TSCommon::vtaDefault;
  TtsWordWrap FWordWrap = wwOn;
  bool FDoubleClicks = true;
  bool FCanvasPrepared = false;
};

}  // namespace TSGrid
