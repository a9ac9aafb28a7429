// What the tests of the grid's mouse actions share: a grid with a window that notes which press
// handler ran and the mouse events it reports, pressed, moved and released through the window
// system on the test clock (so that presses pair into double clicks only when a test wants it).
#pragma once

#include "DateTime.h"
#include "GridControlTestSupport.h"
#include "HeadlessBackend.h"
#include "WinInput.h"

namespace GridControlTest {

class TMouseGrid : public TTestGrid {
  DECLARE_CLASS(TMouseGrid, TTestGrid)
 public:
  explicit TMouseGrid(TComponent* AOwner = nullptr) : TTestGrid(AOwner) {}
  // The press handlers that ran and the events in order ("click", "dblclick", "down", "heading
  // down 2", "heading up 2", "heading click 2", "clickcell c,r c,r").
  std::vector<String> Handlers;
  std::vector<String> Events;

  void MDRangeSelecting(TShiftState Shift, Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) override;
  void MDRowSelect(TShiftState Shift, Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) override;
  void MDSelectAll(bool ByMouse) override;
  bool DoClickCell(Integer DataColDown, const Variant& DataRowDown, Integer DataColUp, const Variant& DataRowUp,
                   TtsClickPosition DownPos, TtsClickPosition UpPos) override;
  void Listen();
  void SetComboGrid(bool Value) { FIsComboGrid = Value; }
};

// The items ";"-joined.
String Join(const std::vector<String>& Items);

class MouseTest : public WindowGridTest {
 protected:
  TManualClock Clock{45000.0, 100000};
  TClockOverride UseClock{Clock};

  void TearDown() override;
  // A grid of Cols x Rows cells of 64 x 14 (lines included) under a heading of 15 and beside a row
  // bar of 14, on a window of Width x Height without scroll bars, listening to its events.
  TMouseGrid* Make(Integer Width = 300, Integer Height = 200, Integer Cols = 4, Integer Rows = 8);
  TMouseGrid* G() { return static_cast<TMouseGrid*>(Grid); }
  // A client point inside a display cell, Dx, Dy from its top left corner.
  TPoint In(Integer Col, Integer Row, Integer Dx = 10, Integer Dy = 5);
  TRect Cell(Integer Col, Integer Row);
  // The mouse at client points of the grid (button 0 left, 1 right, 2 middle); Keys are held
  // (VK_SHIFT, VK_CONTROL) for the press.
  void Press(TPoint At, int Button = 0, std::initializer_list<int> Keys = {});
  void MoveTo(TPoint At);
  void Release(TPoint At, int Button = 0);
  void Click(TPoint At, int Button = 0) {
    Press(At, Button);
    Release(At, Button);
  }
  // Two clicks at one point within the double-click time; the second press is left held.
  void DoublePress(TPoint At);
  void Key(int VK);
};

}  // namespace GridControlTest
