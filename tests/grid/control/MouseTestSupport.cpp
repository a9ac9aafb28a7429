#include "MouseTestSupport.h"

#include "Format.h"
#include "Strings.h"
#include "Variants.h"

namespace GridControlTest {

IMPLEMENT_CLASS(TMouseGrid)

String Join(const std::vector<String>& Items) {
  String text;
  for (const String& item : Items) text += (text.empty() ? "" : ";") + item;
  return text;
}

void TMouseGrid::MDRangeSelecting(TShiftState Shift, Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  Handlers.push_back("range");
  TTestGrid::MDRangeSelecting(Shift, X, Y, DisplayCol, DisplayRow);
}

void TMouseGrid::MDRowSelect(TShiftState Shift, Integer X, Integer Y, Integer DisplayCol, Integer DisplayRow) {
  Handlers.push_back("rowbar");
  TTestGrid::MDRowSelect(Shift, X, Y, DisplayCol, DisplayRow);
}

void TMouseGrid::MDSelectAll(bool ByMouse) {
  if (ByMouse) Handlers.push_back("all");
  TTestGrid::MDSelectAll(ByMouse);
}

bool TMouseGrid::DoClickCell(Integer DataColDown, const Variant& DataRowDown, Integer DataColUp,
                             const Variant& DataRowUp, TtsClickPosition DownPos, TtsClickPosition UpPos) {
  Events.push_back(Format("clickcell %d,%s %d,%s", {DataColDown, VarToStr(DataRowDown), DataColUp, VarToStr(DataRowUp)}));
  return TTestGrid::DoClickCell(DataColDown, DataRowDown, DataColUp, DataRowUp, DownPos, UpPos);
}

void TMouseGrid::Listen() {
  OnClick = [this](TObject*) { Events.push_back("click"); };
  OnDblClick = [this](TObject*) { Events.push_back("dblclick"); };
  OnMouseDown = [this](TObject*, TMouseButton, TShiftState, Integer, Integer) { Events.push_back("down"); };
  OnHeadingDown = [this](TObject*, Integer Col) { Events.push_back("heading down " + IntToStr(Col)); };
  OnHeadingUp = [this](TObject*, Integer Col) { Events.push_back("heading up " + IntToStr(Col)); };
  OnHeadingClick = [this](TObject*, Integer Col) { Events.push_back("heading click " + IntToStr(Col)); };
}

void MouseTest::TearDown() {
  for (int vk : {VK_SHIFT, VK_CONTROL}) HeadlessBackend::SetKeyState(vk, false);
  WindowGridTest::TearDown();
}

TMouseGrid* MouseTest::Make(Integer Width, Integer Height, Integer Cols, Integer Rows) {
  TMouseGrid* grid = MakeGrid<TMouseGrid>(Width, Height, Cols, Rows);
  grid->SetScrollBars(ssNone);
  grid->Listen();
  Pump();
  grid->SetFocus();
  Pump();
  return grid;
}

TRect MouseTest::Cell(Integer Col, Integer Row) {
  TRect r;
  Grid->CellRect(Col, Row, r);
  return r;
}

TPoint MouseTest::In(Integer Col, Integer Row, Integer Dx, Integer Dy) {
  TRect r = Cell(Col, Row);
  return TPoint(r.left + Dx, r.top + Dy);
}

void MouseTest::Press(TPoint At, int Button, std::initializer_list<int> Keys) {
  // Presses of a test pair into a double click only where it asks for one.
  Clock.Advance(GetDoubleClickTime() + 1);
  for (int vk : Keys) HeadlessBackend::SetKeyState(vk, true);
  MoveTo(At);
  HeadlessBackend::InjectMouseButton(Button, true);
  Pump();
  for (int vk : Keys) HeadlessBackend::SetKeyState(vk, false);
}

void MouseTest::MoveTo(TPoint At) {
  TPoint screen = Grid->ClientToScreen(At);
  HeadlessBackend::InjectMouseMove(screen.x, screen.y);
  Pump();
}

void MouseTest::Release(TPoint At, int Button) {
  MoveTo(At);
  HeadlessBackend::InjectMouseButton(Button, false);
  Pump();
}

void MouseTest::DoublePress(TPoint At) {
  Click(At);
  Clock.Advance(50);
  HeadlessBackend::InjectMouseButton(0, true);
  Pump();
}

void MouseTest::Key(int VK) {
  HeadlessBackend::InjectKeyPress(VK);
  Pump();
}

}  // namespace GridControlTest
