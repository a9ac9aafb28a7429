// The timer list of the application's main form as the grid draws it: 433 x 413 pixels, the five
// columns with their Chinese headings in a 16-pixel Song face, 20 rows of item names, due times and
// seconds, one selected row and the current cell; then, the row selection gone, the current cell
// with its focus rectangle (a grid with a selection shows none). Written as PNGs for a person to
// look at, with a few pixels checked.
#include "GridDrawTestSupport.h"
#include "Format.h"
#include "Strings.h"

using namespace GridControlTest;
using GridDrawTest::RGBOf;
using GridDrawTest::TCellDrawGrid;

namespace {

class TimerListPicture : public WindowGridTest {};

TEST_F(TimerListPicture, TheMainFormsListWithASelectedRowAndTheCurrentCell) {
  Form->SetBounds(0, 0, 433, 413);
  auto* grid = MakeGrid<TCellDrawGrid>(433, 413, 5, 20);
  grid->SetStoreData(true);
  grid->GetFont()->SetName("宋体");
  grid->GetFont()->SetHeight(-12);
  TFont* heading = New<TFont>();
  heading->SetName("宋体");
  heading->SetHeight(-16);
  heading->SetColor(clWindowText);
  grid->SetHeadingFont(heading);
  heading->Free();
  grid->SetHeadingHeight(18);
  grid->SetDefaultRowHeight(19);
  grid->SetRowChangedIndicator(riAutoReset);
  struct Column {
    const char* Heading;
    Integer Width;
  };
  const Column columns[] = {{"物品名", 97}, {"到期时间", 164}, {"距到期相差秒", 105}, {"秒表", 38}, {"修改时间", 70}};
  for (Integer c = 1; c <= 5; ++c) {
    TtsCol* col = grid->GetCols()->GetItem(c);
    col->SetHeading(columns[c - 1].Heading);
    col->SetWidth(columns[c - 1].Width);
  }
  grid->GetCols()->GetItem(1)->SetHorzAlignment(TSCommon::htaCenter);
  grid->GetCols()->GetItem(1)->SetVertAlignment(TSCommon::vtaCenter);
  grid->GetCols()->GetItem(1)->SetHeadingHorzAlignment(TSCommon::htaCenter);
  grid->GetCols()->GetItem(1)->SetHeadingVertAlignment(TSCommon::vtaCenter);
  grid->GetCols()->GetItem(2)->SetHeadingHorzAlignment(TSCommon::htaCenter);
  for (Integer c = 4; c <= 5; ++c) {
    grid->GetCols()->GetItem(c)->SetButtonType(btDateTimePopup);
    grid->GetCols()->GetItem(c)->SetHeadingColor(clWindow);
  }
  const char* items[] = {"古董花瓶", "字画", "紫砂壶", "玉镯", "青铜鼎", "邮票册", "旧钢笔", "瓷盘", "铜镜", "折扇"};
  for (Integer r = 1; r <= 20; ++r) {
    grid->SetCellValue(1, r, Variant(String(items[(r - 1) % 10]) + (r > 10 ? "二" : "")));
    grid->SetCellValue(2, r, Variant(Format("2024-5-%d %d:%.2d:00", {10 + r / 3, 8 + r % 12, (r * 7) % 60})));
    grid->SetCellValue(3, r, Variant(IntToStr(86400 - r * 3713)));
    grid->SetCellValue(4, r, Variant(IntToStr(r % 4)));
    grid->SetCellValue(5, r, Variant(Format("%d:%.2d", {9 + r % 9, (r * 11) % 60})));
  }
  grid->SetRowSelected(4, true);
  grid->SetCurrentCell(2, 7);
  grid->SetAlwaysShowFocus(true);
  Pump();
  SavePng("grid-timer-list.png");

  TRect head, current, selected;
  grid->CellRect(1, 0, head);
  grid->CellRect(2, 7, current);
  grid->CellRect(3, 4, selected);
  EXPECT_EQ(head.Height(), 17) << "the heading row is 18 high with its line";
  EXPECT_EQ(current.Height(), 18) << "rows are 19 high with their line";
  EXPECT_EQ(Pixel(head.left + 2, head.top + 8), RGBOf(clBtnFace)) << "the heading's face";
  EXPECT_EQ(Pixel(selected.right - 2, selected.bottom - 2), RGBOf(clWindow) ^ 0xFFFFFF) << "the selected row";
  EXPECT_EQ(Pixel(current.left, current.top), RGBOf(clWindow)) << "no focus rectangle beside a row selection";
  // Without the row selection the current cell shows its focus rectangle.
  grid->SetRowSelected(4, false);
  grid->Invalidate();
  Pump();
  SavePng("grid-timer-list-current-cell.png");
  EXPECT_EQ(Pixel(current.left, current.top), RGBOf(clBlack)) << "the focus rectangle's dots";
  EXPECT_EQ(Pixel(selected.right - 2, selected.bottom - 2), RGBOf(clWindow));
}

}  // namespace
