#include "GridEditTestSupport.h"

#include "HeadlessBackend.h"
#include "TSGridAdapters.h"
#include "TSGridEditBox.h"
#include "WinInput.h"
#include "WinUser.h"

namespace GridControlTest {

IMPLEMENT_CLASS(TEditRecordingGrid)

void TEditRecordingGrid::Answer(const char* Event, bool& Cancel) {
  if (Raises == Event) throw Exception(String("refused in ") + Event);
  Cancel = Vetoes.count(Event) > 0;
}

void TEditRecordingGrid::DoStartCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) {
  TTestGrid::DoStartCellEdit(DataCol, DataRow, Cancel);
  Answer("StartCellEdit", Cancel);
}
void TEditRecordingGrid::DoStartRowEdit(const Variant& DataRow, bool& Cancel) {
  TTestGrid::DoStartRowEdit(DataRow, Cancel);
  Answer("StartRowEdit", Cancel);
}
void TEditRecordingGrid::DoEndCellEdit(Integer DataCol, const Variant& DataRow, bool& Cancel) {
  TTestGrid::DoEndCellEdit(DataCol, DataRow, Cancel);
  if (DuringEndCellEdit) DuringEndCellEdit();
  Answer("EndCellEdit", Cancel);
}
void TEditRecordingGrid::DoEndRowEdit(const Variant& DataRow, bool& Cancel) {
  TTestGrid::DoEndRowEdit(DataRow, Cancel);
  Answer("EndRowEdit", Cancel);
}
void TEditRecordingGrid::DoUndoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser, bool& Cancel) {
  TTestGrid::DoUndoCellEdit(DataCol, DataRow, ByUser, Cancel);
  Answer("UndoCellEdit", Cancel);
}
void TEditRecordingGrid::DoUndoRowEdit(const Variant& DataRow, bool ByUser, bool& Cancel) {
  TTestGrid::DoUndoRowEdit(DataRow, ByUser, Cancel);
  Answer("UndoRowEdit", Cancel);
}
void TEditRecordingGrid::DoColChanged(Integer OldCol, Integer NewCol) {
  if (Recording) Calls.push_back("DoColChanged(" + IntToStr(OldCol) + "," + IntToStr(GetCurDataCol()) + ")");
  TTestGrid::DoColChanged(OldCol, NewCol);
}

void EditGridTest::SetUp() {
  WindowGridTest::SetUp();
  for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU}) HeadlessBackend::SetKeyState(key, false);
}

TEditRecordingGrid* EditGridTest::MakeEditGrid(Integer Cols, Integer Rows, Integer Width, Integer Height) {
  EG = MakeGrid<TEditRecordingGrid>(Width, Height, Cols, Rows);
  EG->SetScrollBars(ssNone);
  EG->SetFocus();
  Pump();
  EG->ClearCalls();
  return EG;
}

void EditGridTest::Key(Word VK, TShiftState Shift) {
  using namespace HeadlessBackend;
  if (Shift.Contains(ssShift)) InjectKey(VK_SHIFT, true);
  if (Shift.Contains(ssCtrl)) InjectKey(VK_CONTROL, true);
  if (Shift.Contains(ssAlt)) InjectKey(VK_MENU, true);
  InjectKeyPress(VK);
  if (Shift.Contains(ssAlt)) InjectKey(VK_MENU, false);
  if (Shift.Contains(ssCtrl)) InjectKey(VK_CONTROL, false);
  if (Shift.Contains(ssShift)) InjectKey(VK_SHIFT, false);
  Pump();
}

void EditGridTest::Type(const String& Text) {
  HeadlessBackend::InjectText(Text);
  Pump();
}

String EditGridTest::Events() {
  static const char* const kinds[] = {"DoStartCellEdit", "DoStartRowEdit", "DoCellEdit",   "DoEndCellEdit",
                                      "DoEndRowEdit",    "DoUndoCellEdit", "DoUndoRowEdit", "DoColChanged",
                                      "DoRowChanged",    "DoCellChanged",  "RowInserted",   "RowDeleted"};
  String line;
  for (const String& call : EG->Calls)
    for (const char* kind : kinds)
      if (call.compare(0, std::strlen(kind), kind) == 0 && call[std::strlen(kind)] == '(') {
        String shown = call.compare(0, 2, "Do") == 0 ? call.substr(2) : call;
        line += (line.empty() ? "" : " ") + shown;
      }
  return line;
}

String EditGridTest::EditText() {
  return static_cast<TtsEditGridControl*>(EG->GetEditControl())->GetText();
}

}  // namespace GridControlTest
