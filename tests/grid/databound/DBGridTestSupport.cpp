#include "DBGridTestSupport.h"

namespace DBGridTest {

void DBGridTest::SetUp() {
  Form = TCustomForm::CreateNew<TForm>(nullptr);
  Form->SetBorderStyle(bsNone);
  Form->SetBounds(0, 0, 433, 413);
  Data = New<TMemoryDataSet>(Form);
  Data->SetName("Data");
  Data->FieldDefs()->Add("id", ftInteger);
  Data->FieldDefs()->Add("name", ftString, 20);
  const char* names[] = {"张三", "李四", "王五", "赵六", "孙七"};
  for (int i = 0; i < 5; ++i) Data->AddRow({i + 1, String(names[i])});
  Source = New<TDataSource>(Form);
  Source->SetName("Source");
  Source->SetDataSet(Data);
  Grid = New<TtsDBGrid>(Form);
  Grid->SetName("Grid");
  Grid->SetParent(Form);
  Grid->SetBounds(0, 0, 433, 413);
}

void DBGridTest::TearDown() {
  FreeAndNil(Form);
  Grid = nullptr;
  Data = nullptr;
  Source = nullptr;
}

void DBGridTest::BindAndOpen() {
  Grid->SetDataSource(Source);
  Data->Open();
}

String DBGridTest::BookmarkOf(Integer RecNo) {
  String current = Data->GetBookmark();
  Data->SetRecNo(RecNo);
  String bookmark = Data->GetBookmark();
  Data->SetBookmark(current);
  return bookmark;
}

}  // namespace DBGridTest
