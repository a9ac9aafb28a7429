// A grid that records the selection it shows: every inversion is recorded per cell (toggled in XOR
// mode, set in colour mode) and every paint shows a cell as stored, so that a test can compare the
// shown selection with the stored one after each operation.
#pragma once

#include <vector>

#include "GridControlTestSupport.h"

namespace GridControlTest {

class TInversionRecorder : public TtsGrid {
  DECLARE_CLASS(TInversionRecorder, TtsGrid)
 public:
  explicit TInversionRecorder(TComponent* AOwner = nullptr) : TtsGrid(AOwner) {}
  static constexpr Integer MaxCells = 40;
  bool Shown[MaxCells][MaxCells] = {};
  // Cells touched by inversions since the last reset: "col,row" in order.
  std::vector<TGridCoord> Touched;

  void InvertRange(Integer Col1, Integer Row1, Integer Col2, Integer Row2, const TRect&, bool Selected,
                   HDC) override;
  // The first cell whose shown state differs from its stored one, or "" when all agree.
  String Mismatch();

 protected:
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override;
};

// A press of the left button as the mouse-down handling dispatches it: Area 'r' the row bar of Row,
// 'h' the heading of Col, 'e' the range edge (left 3 pixels) of the cell, else the cell's middle.
void PressAt(TtsBaseGrid* Grid, char Area, Integer Col, Integer Row, TShiftState Shift);

}  // namespace GridControlTest
