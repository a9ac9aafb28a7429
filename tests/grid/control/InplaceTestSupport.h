// What the tests of the grid's in-place windows share: a borderless form on the headless desktop
// with the test clock, windows placed on it, a stand-in grid that takes the form's focus, and keys,
// text and the mouse through the window system.
#pragma once

#include <gtest/gtest.h>

#include "DateTime.h"
#include "Forms.h"
#include "TSGrid.h"
#include "WinUser.h"

namespace InplaceTest {

// The courier face is a fixed-pitch one on every platform font set: every character of the tests'
// ASCII texts is CharWidth pixels wide.
inline const char* const kFixedFace = "Courier New";
inline const char* const kSongFace = "\xE5\xAE\x8B\xE4\xBD\x93";  // 宋体

// The width of a text in a face at 13 pixels.
Integer TextWidthIn(const char* Face, const String& Text);

// A window that stands for the grid: the form keeps it as its focused control.
class TStandInGrid : public TCustomControl {
  DECLARE_CLASS(TStandInGrid, TCustomControl)
 public:
  explicit TStandInGrid(TComponent* AOwner = nullptr) : TCustomControl(AOwner) {}
};

class InplaceFixture : public ::testing::Test {
 protected:
  TManualClock Clock{45000.0, 100000};
  TClockOverride ClockOverride{Clock};
  TForm* Form = nullptr;
  TStandInGrid* Grid = nullptr;

  void SetUp() override;
  void TearDown() override;

  // A window of the in-place class on the form over the stand-in grid, given the grid.
  template <class T>
  T* Make(Integer X, Integer Y, Integer Width, Integer Height) {
    T* control = New<T>(Form);
    control->SetGrid(Grid);
    control->SetParent(Grid);
    control->SetBounds(X, Y, Width, Height);
    return control;
  }
  // An edit box of Width pixels at (10, 10), Lines lines of the face high (one line with two
  // pixels to spare), its text set.
  TtsGridEditBox* MakeEditBox(Integer Width, Integer Lines, const String& Text, const char* Face = kFixedFace,
                              TAlignment Alignment = taLeftJustify);
  // Shows the form and focuses the control.
  void ShowFocused(TWinControl* Control);
  void Pump();
  // Keys as the window system delivers them; Down without the release repeats a held key.
  void Key(Word VK, TShiftState Shift = {});
  void Down(Word VK);
  void Up(Word VK);
  void Type(const String& Text);
  // The mouse at client points of a control.
  void Press(TControl* Control, Integer X, Integer Y);
  void MoveTo(TControl* Control, Integer X, Integer Y);
  void Release(TControl* Control, Integer X, Integer Y);
  void Click(TControl* Control, Integer X, Integer Y);
  // Writes the form's picture into the test temp folder; answers the file name.
  String SavePng(const String& Name);
  // The pixel (0x00BBGGRR) at a client point of a control, as it shows on the form.
  COLORREF Pixel(TControl* Control, Integer X, Integer Y);
};

}  // namespace InplaceTest
