// The grid control's event layer: dispatcher defaults without handlers, row-loaded reports, the
// text check of loaded values, the events held back while the grid is read from a stream, a form
// stream binding the events by name, and cells painted by the application.
#include <functional>
#include <set>

#include "Forms.h"
#include "GridControlTestSupport.h"
#include "ObjectText.h"
#include "Streams.h"
#include "Variants.h"

using namespace GridControlTest;

namespace {

class EventLayerTest : public ::testing::Test {
 protected:
  void SetUp() override { Grid = New<TtsGrid>(); }
  void TearDown() override { FreeAndNil(Grid); }
  TtsGrid* Grid = nullptr;
};

TEST_F(EventLayerTest, WithoutHandlersEditsGoAheadAndInvalidMasksAreRefused) {
  bool cancel = true, accept = true;
  Grid->DoStartCellEdit(1, Variant(1), cancel);
  EXPECT_FALSE(cancel);
  cancel = true;
  Grid->DoEndRowEdit(Variant(1), cancel);
  EXPECT_FALSE(cancel);
  cancel = true;
  Grid->DoShowEditor(1, Variant(1), cancel);
  EXPECT_FALSE(cancel);
  Grid->DoInvalidMaskValue(1, Variant(1), accept);
  EXPECT_FALSE(accept);
  accept = true;
  Grid->DoInvalidMaskEdit("x", 1, Variant(1), accept);
  EXPECT_FALSE(accept);
  EXPECT_FALSE(Grid->DoClickCell(1, Variant(1), 1, Variant(1), cpCell, cpCell));
}

TEST_F(EventLayerTest, RowLoadedFiresOncePerNewlyReachedRow) {
  std::vector<Integer> rows;
  Grid->OnRowLoaded = [&](TObject*, Integer Row) { rows.push_back(Row); };
  Variant value;
  for (Integer row : {5, 5, 5, 6}) Grid->CellLoadedEvent(1, row, ctText, value);
  EXPECT_EQ(rows, (std::vector<Integer>{5, 6}));
}

TEST_F(EventLayerTest, AnIntegerForATextCellRaisesOrBecomesText) {
  Grid->OnCellLoaded = [](TObject*, Integer, Integer, Variant& Value) { Value = 12; };
  Variant value;
  EXPECT_THROW(Grid->CellLoadedEvent(1, 1, ctText, value), Exception);
  Grid->SetRaiseErrors(false);
  Variant converted;
  Grid->CellLoadedEvent(1, 2, ctText, converted);
  EXPECT_TRUE(VarIsStr(converted));
  EXPECT_EQ(VarToStr(converted), "12");
}

TEST_F(EventLayerTest, TopLeftChangesAreReportedOnlyWhenTheyMove) {
  Integer reports = 0;
  Grid->OnTopLeftChanged = [&](TObject*, Integer, Integer, Integer, Integer, bool) { ++reports; };
  Grid->TopLeftChangedEvent(1, 1, true, 1, 1);
  EXPECT_EQ(reports, 0);
  Grid->TopLeftChangedEvent(1, 1, true, 2, 1);
  EXPECT_EQ(reports, 1);
}

// Every event of the grid with a call of its dispatcher; Waits marks those held back while the grid
// is read from a stream.
struct DispatchCase {
  const char* Event;
  bool Waits;
  std::function<void(TtsGrid*)> Fire;
};

std::vector<DispatchCase> Dispatches() {
  Variant row(1), value;
  return {
      {"OnButtonClick", false, [=](TtsGrid* G) { G->DoButtonClick(1, row); }},
      {"OnButtonDown", false, [=](TtsGrid* G) { G->DoButtonDown(1, row); }},
      {"OnButtonUp", false, [=](TtsGrid* G) { G->DoButtonUp(1, row); }},
      {"OnSpinButtonClick", false, [=](TtsGrid* G) { G->DoSpinButtonClick(1, row, spbIncrement); }},
      {"OnSpinButtonDown", false, [=](TtsGrid* G) { G->DoSpinButtonDown(1, row, spbIncrement); }},
      {"OnSpinButtonUp", false, [=](TtsGrid* G) { G->DoSpinButtonUp(1, row, spbIncrement); }},
      {"OnSpinRepeat", false, [=](TtsGrid* G) { G->DoSpinRepeat(1, row, 2, spbIncrement); }},
      {"OnSpinIncrement", false,
       [=](TtsGrid* G) {
         Variant v;
         Integer pos = 0, len = 0;
         bool accept = true;
         G->DoSpinIncrement(1, row, spbIncrement, v, pos, len, accept);
       }},
      {"OnCellEdit", false, [=](TtsGrid* G) { G->DoCellEdit(1, row, true); }},
      {"OnCellLoaded", false, [=](TtsGrid* G) { Variant v; G->DoCellLoaded(1, 1, v); }},
      {"OnClickCell", false, [=](TtsGrid* G) { G->DoClickCell(1, row, 1, row, cpCell, cpCell); }},
      {"OnDateTimeInit", false, [=](TtsGrid* G) { G->DoDateTimeInit(nullptr, 1, row); }},
      {"OnDateTimeDropDown", false, [=](TtsGrid* G) { G->DoDateTimeDropDown(nullptr, 1, row); }},
      {"OnDateTimeRollUp", false, [=](TtsGrid* G) { G->DoDateTimeRollUp(nullptr, 1, row); }},
      {"OnDateTimeGetValue", false, [=](TtsGrid* G) { Variant v; G->DoDateTimeGetValue(nullptr, 1, row, v); }},
      {"OnDblClickCell", false, [=](TtsGrid* G) { G->DoDblClickCell(1, row, cpCell); }},
      {"OnDeleteRow", true, [=](TtsGrid* G) { G->DoDeleteRow(1, false); }},
      {"OnEndCellEdit", false, [=](TtsGrid* G) { bool c; G->DoEndCellEdit(1, row, c); }},
      {"OnEndRowEdit", false, [=](TtsGrid* G) { bool c; G->DoEndRowEdit(row, c); }},
      {"OnShowEditor", false, [=](TtsGrid* G) { bool c; G->DoShowEditor(1, row, c); }},
      {"OnInvalidMaskValue", false, [=](TtsGrid* G) { bool a; G->DoInvalidMaskValue(1, row, a); }},
      {"OnInvalidMaskEdit", false, [=](TtsGrid* G) { bool a; G->DoInvalidMaskEdit("x", 1, row, a); }},
      {"OnGetDrawInfo", false, [=](TtsGrid* G) { TtsDrawInfo info{}; G->DoGetDrawInfo(1, 1, info); }},
      {"OnInsertRow", true, [=](TtsGrid* G) { G->DoInsertRow(1, false); }},
      {"OnPaintCell", false, [=](TtsGrid* G) { bool c; G->DoPaintCell(1, 1, TRect(), {}, c); }},
      {"OnCellChanged", true, [=](TtsGrid* G) { G->DoCellChanged(1, 2, row, Variant(2)); }},
      {"OnRowChanged", true, [=](TtsGrid* G) { G->DoRowChanged(row, Variant(2)); }},
      {"OnRowLoaded", false, [=](TtsGrid* G) { G->DoRowLoaded(row); }},
      {"OnStartCellEdit", false, [=](TtsGrid* G) { bool c; G->DoStartCellEdit(1, row, c); }},
      {"OnStartRowEdit", false, [=](TtsGrid* G) { bool c; G->DoStartRowEdit(row, c); }},
      {"OnTopLeftChanged", true, [=](TtsGrid* G) { G->DoTopLeftChanged(1, 1, 2, 2, true); }},
      {"OnUndoCellEdit", false, [=](TtsGrid* G) { bool c; G->DoUndoCellEdit(1, row, true, c); }},
      {"OnUndoRowEdit", false, [=](TtsGrid* G) { bool c; G->DoUndoRowEdit(row, true, c); }},
      {"OnPrintRow", true, [=](TtsGrid* G) { bool c = false; G->DoPrintRow(1, c); }},
      {"OnPrintCell", true, [=](TtsGrid* G) { bool c = false; G->DoPrintCell(1, 1, c); }},
      {"OnCanStartDrag", false, [](TtsGrid* G) { G->DoCanStartDrag(); }},
      {"OnColChanged", true, [](TtsGrid* G) { G->DoColChanged(1, 2); }},
      {"OnColCountChanged", true, [](TtsGrid* G) { G->DoColCountChanged(3, 4); }},
      {"OnColMoved", true, [](TtsGrid* G) { G->DoColMoved(2, 1, true); }},
      {"OnColResized", true, [](TtsGrid* G) { G->DoColResized(1); }},
      {"OnComboCompareValue", false, [](TtsGrid* G) { Integer r = 0; G->DoComboCompareValue("a", "b", r); }},
      {"OnComboLCompareValue", false, [](TtsGrid* G) { Integer r = 0; G->DoComboLCompareValue("a", "b", 1, r); }},
      {"OnDeleteCol", true, [](TtsGrid* G) { G->DoDeleteCol(1, false); }},
      {"OnGridStatusChanged", false, [](TtsGrid* G) { G->DoGridStatusChanged(grNormal, grRowSelect); }},
      {"OnHeadingClick", false, [](TtsGrid* G) { G->DoHeadingClick(1); }},
      {"OnHeadingDown", false, [](TtsGrid* G) { G->DoHeadingDown(1, mbLeft); }},
      {"OnHeadingUp", false, [](TtsGrid* G) { G->DoHeadingUp(1, mbLeft); }},
      {"OnInsertCol", true, [](TtsGrid* G) { G->DoInsertCol(1, false); }},
      {"OnMouseStatusChanged", false, [](TtsGrid* G) { G->DoMouseStatusChanged(msNormal, msRowSelect); }},
      {"OnRowCountChanged", true, [](TtsGrid* G) { G->DoRowCountChanged(3, 4); }},
      {"OnRowMoved", true, [](TtsGrid* G) { G->DoRowMoved(2, 1, true); }},
      {"OnRowResized", true, [](TtsGrid* G) { G->DoRowResized(1); }},
      {"OnSelectChanged", true, [](TtsGrid* G) { G->DoSelectChanged(stRowSelect, true); }},
      {"OnPaint", false, [](TtsGrid* G) { G->DoPaint(); }},
      {"OnResize", true, [](TtsGrid* G) { G->DoResize(); }},
      {"OnEditTextResized", false, [](TtsGrid* G) { G->DoEditTextResized(true); }},
  };
}

// Assigns a handler to every event that the grid fires itself; each notes its event's name.
void RecordEvents(TtsGrid* Grid, std::vector<String>& Fired) {
#define TS_RECORD(Type, Name) Grid->Name = [&Fired](auto&&...) { Fired.push_back(#Name); };
  TS_CUSTOM_GRID_EVENTS(TS_RECORD)
  TS_BASE_GRID_EVENTS(TS_RECORD)
  TS_RECORD(TNotifyEvent, OnResize)
#undef TS_RECORD
}

TEST(EventLoading, StateReportsWaitWhileTheGridIsReadFromAStreamAndTheOthersFire) {
  for (bool loading : {true, false}) {
    SCOPED_TRACE(loading ? "loading" : "loaded");
    TOwnedPtr<TtsGrid> grid(
        static_cast<TtsGrid*>(CreateComponent(TtsGrid::StaticClass(), nullptr, loading ? TComponentState{csLoading}
                                                                                       : TComponentState{})));
    std::vector<String> fired;
    RecordEvents(grid.get(), fired);
    for (const DispatchCase& c : Dispatches()) {
      fired.clear();
      c.Fire(grid.get());
      bool expected = !(loading && c.Waits);
      EXPECT_EQ(fired, expected ? std::vector<String>{c.Event} : std::vector<String>{}) << c.Event;
    }
  }
}

// A form whose handlers, bound by name from its stream, note what they hear.
class TGridEventForm : public TForm {
  DECLARE_CLASS(TGridEventForm, TForm)
 public:
  explicit TGridEventForm(TComponent* AOwner = nullptr) : TForm(AOwner) {}
  std::vector<String> Heard;
  void GridRowCountChanged(TObject*, Integer OldCount, Integer NewCount) {
    Heard.push_back(Format("rows %d>%d", {OldCount, NewCount}));
  }
  void GridCellLoaded(TObject*, Integer Col, Integer Row, Variant& Value) {
    Value = Format("%d/%d", {Col, Row});
  }
  void GridClickCell(TObject*, Integer ColDown, Integer RowDown, Integer, Integer, TtsClickPosition,
                     TtsClickPosition) {
    Heard.push_back(Format("click %d,%d", {ColDown, RowDown}));
  }
};
IMPLEMENT_CLASS_PUBLISHED(TGridEventForm) {
  d.Method("GridRowCountChanged", &TGridEventForm::GridRowCountChanged);
  d.Method("GridCellLoaded", &TGridEventForm::GridCellLoaded);
  d.Method("GridClickCell", &TGridEventForm::GridClickCell);
}

TEST(EventStreaming, AFormStreamCreatesTheGridByClassNameAndBindsItsEventsByName) {
  TOwnedPtr<TGridEventForm> form(TCustomForm::CreateNew<TGridEventForm>(nullptr));
  const String binary = ObjectTextToBinaryString(R"(object GridForm: TGridEventForm
  object Grid1: TtsGrid
    Left = 0
    Top = 0
    Width = 300
    Height = 200
    Cols = 3
    Rows = 7
    OnCellLoaded = GridCellLoaded
    OnClickCell = GridClickCell
    OnRowCountChanged = GridRowCountChanged
  end
end)");
  auto stream = NewOwned<TMemoryStream>();
  stream->WriteBuffer(binary.data(), static_cast<Integer>(binary.size()));
  stream->SetPosition(0);
  stream->ReadComponent(form.get());

  auto* grid = As<TtsGrid>(form->FindComponent("Grid1"));
  ASSERT_TRUE(grid);
  EXPECT_EQ(grid->GetGridRowCount(), 7);
  EXPECT_TRUE(form->Heard.empty()) << "the row count read from the stream is no change to report";
  EXPECT_EQ(VarToStr(grid->GetCellValue(2, 5)), "2/5");
  grid->DoClickCell(2, Variant(5), 2, Variant(5), cpCell, cpCell);
  grid->SetGridRowCount(9);
  EXPECT_EQ(form->Heard, (std::vector<String>{"click 2,5", "rows 7>9"}));
}

class PaintCellTest : public WindowGridTest {
 protected:
  // The pixels of Box (client coordinates) in the picture that differ from Color.
  static Integer PixelsOtherThan(const GdiSurface::TGdiSurface& Picture, const TRect& Box, COLORREF Color) {
    Integer count = 0;
    for (Integer y = Box.top; y < Box.bottom; ++y)
      for (Integer x = Box.left; x < Box.right; ++x)
        if (GdiSurface::PixelToColor(Picture.Pixel(x, y)) != Color) ++count;
    return count;
  }
};

TEST_F(PaintCellTest, ACellPaintedByTheApplicationStillGetsItsButtonsAndTheFocus) {
  Form->SetBounds(0, 0, 400, 200);
  auto* grid = MakeGrid<TtsGrid>(380, 180, 3, 3);
  grid->SetAlwaysShowEditor(false);
  grid->SetAlwaysShowFocus(true);
  grid->GetCols()->GetItem(1)->SetButtonType(btDateTimeDropDown);
  grid->GetCols()->GetItem(2)->SetHeadingButton(cbButton);
  grid->OnPaintCell = [grid](TObject*, Integer, Integer, TRect Rect, TtsPaintCellState, bool& Cancel) {
    grid->GetCanvas()->GetBrush()->SetColor(Graphics::clLime);
    grid->GetCanvas()->FillRect(Rect);
    Cancel = true;
  };
  grid->Invalidate();
  Pump();
  SavePng("paint_cell_cancel.png");
  GdiSurface::TGdiSurface picture;
  Capture(picture);
  const COLORREF lime = 0x0000FF00;
  TRect current, plain, heading;
  grid->CellRect(1, 1, current);
  grid->CellRect(3, 2, plain);
  grid->CellRect(2, 0, heading);
  EXPECT_EQ(Pixel(current.left + 8, (current.top + current.bottom) / 2), lime) << "the handler painted the cell";
  EXPECT_EQ(PixelsOtherThan(picture, TRect(plain.left + 2, plain.top + 2, plain.right - 2, plain.bottom - 2), lime),
            0)
      << "the grid drew no content of its own";
  TRect buttonPart(current.right - 16, current.top + 2, current.right - 2, current.bottom - 2);
  EXPECT_GT(PixelsOtherThan(picture, buttonPart, lime), 10) << "the cell's button";
  TRect focusEdge(current.left + 2, current.top, current.left + 30, current.top + 2);
  EXPECT_GT(PixelsOtherThan(picture, focusEdge, lime), 5) << "the focus rectangle";
  TRect headingButton(heading.right - 18, heading.top + 1, heading.right - 1, heading.top + 14);
  EXPECT_GT(PixelsOtherThan(picture, headingButton, lime), 10) << "the heading button";
}

}  // namespace
