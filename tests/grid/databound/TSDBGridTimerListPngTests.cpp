// The application's timer list as a bound grid draws it: 433 x 413 pixels, centred Song-face headings
// 18 pixels high, rows of 19, the data columns 4 and 5 hidden, over Chinese item names; one record
// with a row colour, one cell in a font of its own and the current record marked in the row bar.
// Written as a PNG for a person to look at, with a few pixels checked.
#include "DBGridTestSupport.h"
#include "HeadlessBackend.h"
#include "TSDBGridColumns.h"
#include "TSGridColumns.h"
#include "TSGridStores.h"
#include "Strings.h"
#include "WindowPictures.h"

using namespace DBGridTest;

namespace {

class DBTimerListPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(0, 0, 433, 413);
  }
  void TearDown() override { FreeAndNil(Form); }
  COLORREF Pixel(Integer X, Integer Y) { return WindowPictures::ClientPixel(Grid, X, Y); }
  Integer Count(const TRect& R, TColor Color) { return WindowPictures::CountPixels(Grid, R, ColorToRGB(Color)); }
  TForm* Form = nullptr;
  TtsDBGrid* Grid = nullptr;
};

// Enabled once the data link counts the buffered records into the grid's rows.
TEST_F(DBTimerListPicture, TheMainFormsListOverAQuery) {
  auto* data = New<TMemoryDataSet>(Form);
  data->FieldDefs()->Add("物品名", ftString, 40);
  data->FieldDefs()->Add("到期时间", ftString, 20);
  data->FieldDefs()->Add("距到期相差秒", ftInteger);
  data->FieldDefs()->Add("秒表", ftInteger);
  data->FieldDefs()->Add("修改时间", ftString, 10);
  const char* items[] = {"古董花瓶", "字画", "紫砂壶", "玉镯", "青铜鼎", "邮票册", "旧钢笔", "瓷盘"};
  for (Integer r = 1; r <= 8; ++r)
    data->AddRow({Variant(String(items[r - 1])), Variant(String("2024-5-") + IntToStr(10 + r) + " 9:30:00"),
                  Variant(86400 - r * 3713), Variant(r % 4), Variant(String("9:") + IntToStr(10 + r))});
  auto* source = New<TDataSource>(Form);
  source->SetDataSet(data);

  Grid = New<TtsDBGrid>(Form);
  Grid->SetBorderStyle(bsNone);
  Grid->SetParent(Form);
  Grid->SetBounds(0, 0, 433, 413);
  Grid->GetFont()->SetName("宋体");
  Grid->GetFont()->SetHeight(-12);
  TFont* heading = New<TFont>();
  heading->SetName("宋体");
  heading->SetHeight(-16);
  Grid->SetHeadingFont(heading);
  heading->Free();
  Grid->SetHeadingHeight(18);
  Grid->SetDefaultRowHeight(19);
  Grid->SetHeadingHorzAlignment(TSCommon::htaCenter);
  Grid->SetDataSource(source);
  data->Open();
  Form->Show();
  Application->ProcessMessages();
  ASSERT_EQ(Grid->GetGridRowCount(), 8) << "every record fits the window";
  EXPECT_EQ(Grid->MaxDisplayRows(), (Grid->GetClientHeight() + 1 - 18) / 19) << "whole rows below the heading";
  const Integer widths[] = {97, 164, 105};
  for (Integer c = 1; c <= 3; ++c) Grid->GetCols()->GetItem(c)->SetWidth(widths[c - 1]);
  Grid->GetCols()->GetItem(4)->SetVisible(false);
  Grid->GetCols()->GetItem(5)->SetVisible(false);

  // Record 3 in a row colour, the name of record 2 in a red bold font, record 5 current.
  data->SetRecNo(3);
  Grid->SetDBRowColor(Variant(data->GetBookmark()), clYellow);
  data->SetRecNo(2);
  TFont* font = New<TFont>();
  font->Assign(Grid->GetFont());
  font->SetColor(clRed);
  font->SetStyle(TFontStyles{fsBold});
  Grid->SetDBCellFont(1, Variant(data->GetBookmark()), font);
  font->Free();
  data->SetRecNo(5);
  Grid->Invalidate();
  Application->ProcessMessages();
  EXPECT_TRUE(SaveWindowPng(Form->GetHandle(), testing::TempDir() + "dbgrid-timer-list.png"));

  EXPECT_EQ(Grid->GetCurDataRow(), 5) << "the current row is the dataset's record";
  TRect head, colored, styled, current, hidden;
  Grid->CellRect(1, 0, head);
  Grid->CellRect(2, 3, colored);
  Grid->CellRect(1, 2, styled);
  Grid->CellRect(0, 5, current);
  Grid->CellRect(3, 1, hidden);
  EXPECT_EQ(head.Height(), 17) << "the heading is 18 high with its line";
  EXPECT_EQ(colored.Height(), 18) << "rows are 19 high with their line";
  EXPECT_EQ(Pixel(colored.right - 3, colored.bottom - 3), RGB(255, 255, 0)) << "the record's row colour";
  EXPECT_GT(Count(styled, clRed), 20) << "the record's own font in its name cell";
  EXPECT_EQ(Count(TRect(head.left, head.top, head.right, head.bottom), clRed), 0);
  EXPECT_GT(Count(current, clBlack), 5) << "the current record's mark in the row bar";
  EXPECT_EQ(Pixel(hidden.right + 20, hidden.top + 8), Pixel(hidden.right + 20, 300))
      << "no column after the third: columns 4 and 5 are hidden";
}

}  // namespace
