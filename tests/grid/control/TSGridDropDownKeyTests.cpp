// The routing of keys while a drop-down is open: to the combo's list (forwarded, closing it, or left
// to the grid) by modifiers, key, the selection of the cell text and whether the editor takes keys;
// and the date-time picker's table of keys sent on, spent or left alone.
#include "GridEditTestSupport.h"
#include "TSGridCells.h"
#include "TSGridCombo.h"
#include "Strings.h"
#include "WinInput.h"

using namespace GridControlTest;

namespace {

// A list grid that notes the keys the combo forwards to it.
class TKeyProbeListGrid : public TTestGrid {
  DECLARE_CLASS(TKeyProbeListGrid, TTestGrid)
 public:
  explicit TKeyProbeListGrid(TComponent* AOwner = nullptr) : TTestGrid(AOwner) {}
  std::vector<String> Keys;
  void ProcessKeyDown(Word& Key, TShiftState Shift) override {
    Keys.push_back((Shift.Contains(ssCtrl) ? "Ctrl+" : "") + IntToStr(Key));
  }
};
IMPLEMENT_CLASS(TKeyProbeListGrid)

// A grid whose combos drop down a probe list.
class TComboKeyGrid : public TEditRecordingGrid {
  DECLARE_CLASS(TComboKeyGrid, TEditRecordingGrid)
 public:
  explicit TComboKeyGrid(TComponent* AOwner = nullptr) : TEditRecordingGrid(AOwner) {}
  TtsCombo* CreateCombo() override { return New<TtsCombo>(this); }
  TtsBaseGrid* CreateComboGrid() override { return New<TKeyProbeListGrid>(nullptr); }
};
IMPLEMENT_CLASS(TComboKeyGrid)

class DropDownKeys : public EditGridTest {};

struct TComboKeyCase {
  Word Key;
  TShiftState Shift;
  bool AllSelected, KeyEdit;
  const char* Forwarded;  // the key the list got ("" for none)
  bool Spent, Closed;
};

TEST_F(DropDownKeys, TheComboRoutesKeysToItsList) {
  const TShiftState none, shift{ssShift}, ctrl{ssCtrl}, alt{ssAlt};
  const TComboKeyCase cases[] = {
      {VK_DOWN, ctrl, false, true, "Ctrl+40", true, false},  // a single-line editor passes Ctrl keys on
      {VK_TAB, shift, true, true, "", false, true},
      {'A', shift, true, true, "", false, false},
      {VK_TAB, none, true, true, "", false, true},
      {VK_RETURN, none, true, true, "", true, false},
      {VK_ESCAPE, none, true, true, "", true, true},
      {VK_DOWN, none, false, true, "40", true, false},  // single-line: the list scrolls
      {VK_NEXT, none, true, true, "34", true, false},
      {VK_END, none, true, true, "", false, false},     // the editor's own
      {VK_END, none, true, false, "Ctrl+40", true, false},
      {VK_HOME, none, true, false, "Ctrl+38", true, false},
      {VK_LEFT, none, false, true, "", true, false},    // the caret moves in the editor
      {VK_LEFT, none, true, true, "37", true, false},
      {VK_LEFT, none, false, false, "37", true, false},
      {VK_BACK, none, true, true, "", false, false},
      {VK_DOWN, alt, true, true, "", false, false},
  };
  for (const TComboKeyCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "key " << c.Key << " all selected " << c.AllSelected << " key edit "
                                    << c.KeyEdit);
    EG = MakeGrid<TComboKeyGrid>(300, 150, 3, 4);
    EG->SetStoreData(true);
    EG->SetCellValue(1, 1, Variant(String("abc")));
    EG->SetFocus();
    Pump();
    auto* list = static_cast<TKeyProbeListGrid*>(EG->GetCombo()->GetGrid());
    if (c.AllSelected)
      EG->GetCurrentCell()->SelectAll();
    else
      EG->GetCurrentCell()->SetSelLength(0);
    EG->GetActiveControl()->SetKeyEdit(c.KeyEdit);
    list->SetMouseStatus(msRowSelect);
    Word key = c.Key;
    EG->ProcessKeyDownCombo(key, c.Shift);
    EXPECT_EQ(list->Keys.empty() ? String() : list->Keys.back(), c.Forwarded);
    EXPECT_EQ(key == 0, c.Spent);
    EXPECT_EQ(list->GetMouseStatus() == msNormal, c.Closed);
    FreeAndNil(Form);
    Pump();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(0, 0, 500, 400);
  }
}

TEST_F(DropDownKeys, ThePickerSpendsWhatItDoesNotLeaveToTheForm) {
  MakeEditGrid();
  const TShiftState none, shift{ssShift}, ctrl{ssCtrl}, alt{ssAlt};
  struct TCase {
    Word Key;
    TShiftState Shift;
    bool Spent;
  };
  const TCase cases[] = {
      {VK_TAB, shift, false}, {'A', shift, true},     {VK_RETURN, none, true}, {VK_ESCAPE, none, true},
      {VK_PRIOR, none, true}, {VK_NEXT, none, true},  {VK_LEFT, none, true},   {VK_DOWN, none, true},
      {VK_TAB, none, false},  {VK_F4, none, true},    {'7', none, true},       {VK_DOWN, alt, true},
      {VK_UP, alt, true},     {VK_LEFT, alt, false},  {'C', ctrl, true},
  };
  for (const TCase& c : cases) {
    Word key = c.Key;
    EG->ProcessKeyDownDateTime(key, c.Shift);
    EXPECT_EQ(key == 0, c.Spent) << "key " << c.Key;
  }
}

}  // namespace
