#include "GridControlTestSupport.h"

#include "HeadlessBackend.h"
#include "Strings.h"
#include "TSCommonCanvas.h"
#include "TSGridResources.h"
#include "Variants.h"
#include "WinInput.h"
#include "WindowPictures.h"

namespace GridControlTest {

IMPLEMENT_CLASS(TTestGrid)

namespace {
String Arg(const Variant& V) { return VarIsEmpty(V) ? String("-") : VarToStr(V); }
String Arg(Integer V) { return IntToStr(V); }
String Arg(bool V) { return V ? "T" : "F"; }
template <class... A>
String Line(const char* Name, const A&... Args) {
  String text = String(Name) + "(";
  bool first = true;
  ((text += (first ? "" : ",") + Arg(Args), first = false), ...);
  return text + ")";
}
}  // namespace

std::vector<String> TTestGrid::CallsOf(const String& Prefix) const {
  std::vector<String> result;
  for (const String& call : Calls)
    if (call.compare(0, Prefix.size(), Prefix) == 0) result.push_back(call);
  return result;
}

void TTestGrid::CellLoadedEvent(Integer DataCol, Integer DataRow, TtsControlType, Variant& Value) {
  Record(Line("CellLoadedEvent", DataCol, DataRow));
  if (!VarIsEmpty(LoadedValue)) Value = LoadedValue;
  if (DuringLoaded) {
    FInCellLoadedEvent = true;
    try {
      DuringLoaded();
    } catch (...) {
      FInCellLoadedEvent = false;
      throw;
    }
    FInCellLoadedEvent = false;
  }
}
bool TTestGrid::PaintCell(TtsDrawData& DrawData, const TRect&, bool Selected) {
  Record(Line("PaintCell", DrawData.DataCol, DrawData.DataRow, Selected));
  return true;
}
bool TTestGrid::ActivateDoGetDrawInfo() { return false; }
void TTestGrid::TopLeftChangedEvent(Integer OldCol, Integer OldRow, bool ByUser, Integer NewRow, Integer NewCol) {
  Record(Line("TopLeftChangedEvent", OldCol, OldRow, ByUser, NewRow, NewCol));
}
void TTestGrid::RowInserted(Integer DataRow, bool ByUser) { Record(Line("RowInserted", DataRow, ByUser)); }
void TTestGrid::RowDeleted(Integer DataRow, bool ByUser) { Record(Line("RowDeleted", DataRow, ByUser)); }
bool TTestGrid::DoClickCell(Integer DataColDown, const Variant& DataRowDown, Integer DataColUp,
                            const Variant& DataRowUp, TtsClickPosition DownPos, TtsClickPosition UpPos) {
  Record(Line("DoClickCell", DataColDown, DataRowDown, DataColUp, DataRowUp));
  return true;
}
void TTestGrid::DoButtonClick(Integer DataCol, const Variant& DataRow) {
  Record(Line("DoButtonClick", DataCol, DataRow));
}
void TTestGrid::DoButtonDown(Integer DataCol, const Variant& DataRow) { Record(Line("DoButtonDown", DataCol, DataRow)); }
void TTestGrid::DoButtonUp(Integer DataCol, const Variant& DataRow) { Record(Line("DoButtonUp", DataCol, DataRow)); }
void TTestGrid::DoSpinButtonClick(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) {
  Record(Line("DoSpinButtonClick", DataCol, DataRow, Integer(Button)));
}
void TTestGrid::DoSpinButtonDown(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) {
  Record(Line("DoSpinButtonDown", DataCol, DataRow, Integer(Button)));
}
void TTestGrid::DoSpinButtonUp(Integer DataCol, const Variant& DataRow, TtsSpinButton Button) {
  Record(Line("DoSpinButtonUp", DataCol, DataRow, Integer(Button)));
}
void TTestGrid::DoSpinRepeat(Integer DataCol, const Variant& DataRow, Integer Count, TtsSpinButton Button) {
  Record(Line("DoSpinRepeat", DataCol, DataRow, Count, Integer(Button)));
}
void TTestGrid::DoSpinIncrement(Integer DataCol, const Variant& DataRow, TtsSpinButton Button, Variant& Value,
                                Integer&, Integer&, bool&) {
  Record(Line("DoSpinIncrement", DataCol, DataRow, Integer(Button), Value));
}
void TTestGrid::DoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser) {
  Record(Line("DoCellEdit", DataCol, DataRow, ByUser));
}
void TTestGrid::DoComboDropDown(Integer DataCol, const Variant& DataRow) {
  Record(Line("DoComboDropDown", DataCol, DataRow));
}
void TTestGrid::DoComboGetValue(Integer DataCol, const Variant& DataRow, const Variant& ComboDataRow, Variant&) {
  Record(Line("DoComboGetValue", DataCol, DataRow, ComboDataRow));
}
void TTestGrid::DoComboInit(Integer DataCol, const Variant& DataRow) { Record(Line("DoComboInit", DataCol, DataRow)); }
void TTestGrid::DoComboRollUp(Integer DataCol, const Variant& DataRow) {
  Record(Line("DoComboRollUp", DataCol, DataRow));
}
void TTestGrid::DoDateTimeInit(TtsDateTimeDefComponent*, Integer DataCol, const Variant& DataRow) {
  Record(Line("DoDateTimeInit", DataCol, DataRow));
}
void TTestGrid::DoDateTimeDropDown(TtsDateTimeDefComponent*, Integer DataCol, const Variant& DataRow) {
  Record(Line("DoDateTimeDropDown", DataCol, DataRow));
}
void TTestGrid::DoDateTimeRollUp(TtsDateTimeDefComponent*, Integer DataCol, const Variant& DataRow) {
  Record(Line("DoDateTimeRollUp", DataCol, DataRow));
}
void TTestGrid::DoDateTimeGetValue(TtsDateTimeDefComponent*, Integer DataCol, const Variant& DataRow, Variant&) {
  Record(Line("DoDateTimeGetValue", DataCol, DataRow));
}
void TTestGrid::DoDblClickCell(Integer DataCol, const Variant& DataRow, TtsClickPosition) {
  Record(Line("DoDblClickCell", DataCol, DataRow));
}
void TTestGrid::DoEndCellEdit(Integer DataCol, const Variant& DataRow, bool&) {
  Record(Line("DoEndCellEdit", DataCol, DataRow));
}
void TTestGrid::DoEndRowEdit(const Variant& DataRow, bool&) { Record(Line("DoEndRowEdit", DataRow)); }
void TTestGrid::DoInvalidMaskValue(Integer DataCol, const Variant& DataRow, bool&) {
  Record(Line("DoInvalidMaskValue", DataCol, DataRow));
}
void TTestGrid::DoInvalidMaskEdit(const String& Keys, Integer DataCol, const Variant& DataRow, bool&) {
  Record(Line("DoInvalidMaskEdit", Variant(Keys), DataCol, DataRow));
}
void TTestGrid::DoCellChanged(Integer OldCol, Integer NewCol, const Variant& OldRow, const Variant& NewRow) {
  Record(Line("DoCellChanged", OldCol, NewCol, OldRow, NewRow));
}
void TTestGrid::DoRowChanged(const Variant& OldRow, const Variant& NewRow) {
  Record(Line("DoRowChanged", OldRow, NewRow));
}
void TTestGrid::DoRowLoaded(const Variant& DataRow) { Record(Line("DoRowLoaded", DataRow)); }
void TTestGrid::DoStartCellEdit(Integer DataCol, const Variant& DataRow, bool&) {
  Record(Line("DoStartCellEdit", DataCol, DataRow));
}
void TTestGrid::DoStartRowEdit(const Variant& DataRow, bool&) { Record(Line("DoStartRowEdit", DataRow)); }
void TTestGrid::DoUndoCellEdit(Integer DataCol, const Variant& DataRow, bool ByUser, bool&) {
  Record(Line("DoUndoCellEdit", DataCol, DataRow, ByUser));
}
void TTestGrid::DoUndoRowEdit(const Variant& DataRow, bool ByUser, bool&) {
  Record(Line("DoUndoRowEdit", DataRow, ByUser));
}
void TTestGrid::DoShowEditor(Integer DataCol, const Variant& DataRow, bool&) {
  Record(Line("DoShowEditor", DataCol, DataRow));
}
void TTestGrid::Print() { Record("Print()"); }
void TTestGrid::PrintPreview() { Record("PrintPreview()"); }
void TTestGrid::ExportGrid() { Record("ExportGrid()"); }

void GridTest::SetUp() { Grid = NewGrid(); }
void GridTest::TearDown() {
  for (auto it = Owned.rbegin(); it != Owned.rend(); ++it) (*it)->Free();
  Owned.clear();
}
TTestGrid* GridTest::NewGrid(Integer Cols, Integer Rows) {
  TTestGrid* grid = New<TTestGrid>();
  Owned.push_back(grid);
  grid->SetGridColCount(Cols);
  grid->SetGridRowCount(Rows);
  return grid;
}

TColor ProbeColor(Integer Col, Integer Row) {
  return static_cast<TColor>(RGB(40 + 30 * (Col % 6), 60 + 25 * (Row % 7), 200));
}

IMPLEMENT_CLASS(TPaintProbeGrid)

void TPaintProbeGrid::PaintGrid() {
  ++Paints;
  if (!MemoryCanvas || GetCanvas()->GetHandle() != MemoryCanvas->DC) ++DirectPaints;
  Clips.push_back(GetCanvas()->GetClipRect());
  inherited::PaintGrid();
}

void TPaintProbeGrid::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_SETREDRAW) Redraws.push_back(Message.WParam);
  inherited::Dispatch(Message);
}

void TPaintProbeGrid::DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState) {
  Drawn.push_back({ACol, ARow});
  bool is3D = ACol > 0 && ARow > 0 && GiveCell3D(GetDataCol(ACol), GetDataRow(ARow));
  TRect r = ARect;
  r.right -= std::max<Integer>(GetVertLineWidth(), is3D ? 1 : 0);
  r.bottom -= std::max<Integer>(GetHorzLineWidth(), is3D ? 1 : 0);
  GetCanvas()->GetBrush()->SetColor(ProbeColor(ACol, ARow));
  GetCanvas()->FillRect(r);
  if (DuringDraw) DuringDraw(ACol, ARow);
}

void WindowGridTest::SetUp() {
  ReleaseCapture();
  Form = TCustomForm::CreateNew<TForm>(nullptr);
  Form->SetBorderStyle(bsNone);
  Form->SetBounds(0, 0, 500, 400);
}

void WindowGridTest::TearDown() {
  FreeAndNil(Form);
  Grid = nullptr;
  Pump();
}

void WindowGridTest::Show() {
  Form->Show();
  Pump();
}

void WindowGridTest::Pump() { Application->ProcessMessages(); }

void WindowGridTest::Capture(GdiSurface::TGdiSurface& Picture) {
  ASSERT_TRUE(WindowPictures::CaptureClient(Grid, Picture));
}

COLORREF WindowGridTest::Pixel(Integer X, Integer Y) { return WindowPictures::ClientPixel(Grid, X, Y); }

String WindowGridTest::SavePng(const String& Name) {
  const String file = testing::TempDir() + Name;
  EXPECT_TRUE(SaveWindowPng(Form->GetHandle(), file));
  return file;
}

TRect WindowGridTest::UpdateBox() { return WindowPictures::UpdateBox(Grid); }

String DisplayColOrder(TtsBaseGrid* Grid) {
  String text;
  for (Integer i = 1; i <= Grid->GetGridColCount(); ++i) text += (i > 1 ? "," : "") + IntToStr(Grid->GetDataColnr(i));
  return text;
}
String DisplayRowOrder(TtsBaseGrid* Grid) {
  String text;
  for (Integer i = 1; i <= Grid->GetGridRowCount(); ++i) text += (i > 1 ? "," : "") + IntToStr(Grid->GetDataRownr(i));
  return text;
}

}  // namespace GridControlTest
