// What the tests of the grid's editing and keyboard share: a recording grid whose edit events can
// refuse or fail, on a form of the headless desktop, with keys and text typed through the window
// system and the edit events read back as one line.
#pragma once

#include <functional>
#include <set>

#include "DateTime.h"
#include "GridControlTestSupport.h"
#include "Strings.h"

namespace GridControlTest {

class TEditRecordingGrid : public TTestGrid {
  DECLARE_CLASS(TEditRecordingGrid, TTestGrid)
 public:
  explicit TEditRecordingGrid(TComponent* AOwner = nullptr) : TTestGrid(AOwner) {}

  // Edit events ("StartCellEdit", "EndRowEdit", ...) that cancel; one that raises.
  std::set<String> Vetoes;
  String Raises;
  // Runs inside the end-of-cell-edit event, before its answer.
  std::function<void()> DuringEndCellEdit;

  // The grid paints its cells itself (and so puts its in-place control on the current one).
  bool PaintCell(TtsDrawData&, const TRect&, bool) override { return false; }
  void DoStartCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) override;
  void DoStartRowEdit(const Variant& DataRow, bool& Cancel) override;
  void DoEndCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) override;
  void DoEndRowEdit(const Variant& DataRow, bool& Cancel) override;
  void DoUndoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser, bool& Cancel) override;
  void DoUndoRowEdit(const Variant& DataRow, bool ByUser, bool& Cancel) override;
  void DoColChanged(Integer OldCol, Integer NewCol) override;

 private:
  void Answer(const char* Event, bool& Cancel);
};

// A grid with a window on a shown form, focused, painted, its calls cleared; the test clock stands
// still unless a test moves it.
class EditGridTest : public WindowGridTest {
 protected:
  void SetUp() override;
  TEditRecordingGrid* MakeEditGrid(Integer Cols = 4, Integer Rows = 6, Integer Width = 400, Integer Height = 200);
  // A key (with its modifiers held meanwhile) and text typed through the window system.
  void Key(Word VK, TShiftState Shift = {});
  void Type(const String& Text);
  // The edit, move and row-count notices of the grid since the calls were last cleared, without
  // their "Do" prefix, separated by blanks.
  String Events();
  // The text of the in-place edit box.
  String EditText();

  TManualClock Clock{45000.0, 100000};
  TClockOverride ClockOverride{Clock};
  TEditRecordingGrid* EG = nullptr;
};

}  // namespace GridControlTest
