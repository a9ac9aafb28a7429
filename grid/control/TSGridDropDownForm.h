// The borderless window a grid shows its drop-downs in (the combo list, the date-time picker), and
// the thread hooks that close open drop-downs.
//
// A drop-down form is made a popup owned by the grid's window and then switched to child style: the
// window layer never activates or focuses such a window, so the owner form's caption stays active
// and a click in the list does not take the keyboard from the grid. The child bit is cleared while
// the form handles its position messages, so its bounds are read in screen coordinates.
//
// A grid registers itself while it shows a drop-down (RegisterDropDownGrid) and unregisters when the
// drop-down closes and when it is destroyed (UnregisterDropDownGrid); registering twice is harmless.
// While any grid is registered, a mouse hook closes the drop-down of every registered grid, newest
// first, on a button press outside that grid, its list, its editor and its picker (a grid at design
// time keeps its combo open), and a window-procedure hook closes them all on WM_NCACTIVATE (another
// window activated, a message box). Closing goes through the grid's CheckDropDownOff(false).
#pragma once

#include "Forms.h"

namespace TSGrid {

class TtsBaseGrid;

class TtsDropDownForm : public TCustomForm {
  DECLARE_CLASS(TtsDropDownForm, TCustomForm)
 public:
  explicit TtsDropDownForm(TComponent* AOwner = nullptr) : TCustomForm(AOwner) {}
  void Dispatch(TMessage& Message) override;

  // A drop-down form (the default) floats under a cell; a form that is not one is an ordinary
  // window (a modal popup). Set before the window is made.
  bool GetDropDown() const { return FDropDown; }
  void SetDropDown(bool Value) { FDropDown = Value; }
  // Clears the window's child bit and answers the style it had; SetChildStyleOn sets the bit.
  LONG SetChildStyleOff();
  void SetChildStyleOn();

 protected:
  void Construct() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;

 private:
  bool FDropDown = false;
};

void RegisterDropDownGrid(TtsBaseGrid* Grid);
void UnregisterDropDownGrid(TtsBaseGrid* Grid);
// Whether the hooks are installed (exactly while a grid is registered).
bool DropDownHooksInstalled();

}  // namespace TSGrid
