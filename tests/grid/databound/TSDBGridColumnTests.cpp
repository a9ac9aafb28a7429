// Data-bound columns: the layout passes in both field states, the values a column takes from its
// field until the user sets them, default widths, and "AssignedValues" in the form stream.
#include <set>

#include "DBGridTestSupport.h"
#include "FieldTestSupport.h"
#include "Graphics.h"
#include "ObjectText.h"
#include "Streams.h"
#include "TSDBGridDataLink.h"

namespace DBGridTest {
namespace {

class ColumnLayoutTest : public DBGridTest {
 protected:
  void SetUp() override {
    DBGridTest::SetUp();
    Grid = ReplaceWithFieldTestGrid(Grid, Form);
    Data->FieldDefs()->Add("ok", ftBoolean, 0, true);
    Data->FieldDefs()->Add("maybe", ftBoolean);
  }
  // Binds the grid and lays its columns out as an activation of its data link does.
  void Bind() {
    Grid->SetDataSource(Source);
    Grid->GetDataLink()->SetDataSource(Source);
    Data->Open();
    Grid->FieldLayoutChanged(true, true, true);
  }
  TtsDBCol* Col(Integer DataCol) { return Grid->GetGridDBCols()->GetDBCol(DataCol); }
  String FieldOf(Integer DataCol) { return Col(DataCol)->GetDBField() ? Col(DataCol)->GetDBField()->GetFieldName() : "-"; }
  Integer TextWidth(const String& Text) {
    TOwnedPtr<TBitmap> bitmap(New<TBitmap>());
    bitmap->GetCanvas()->GetFont()->Assign(Grid->GetFont());
    return bitmap->GetCanvas()->TextWidth(Text);
  }
};

TEST_F(ColumnLayoutTest, DefaultStateMakesOneColumnPerFieldWithTheFieldsValues) {
  Bind();
  ASSERT_EQ(Grid->GetGridColCount(), 4);
  EXPECT_EQ(FieldOf(1), "id");
  EXPECT_EQ(FieldOf(4), "maybe");
  EXPECT_EQ(Col(2)->GetDBField()->GetCol(), Col(2));
  EXPECT_EQ(Col(2)->GetHeading(), "name");
  EXPECT_EQ(Col(2)->GetMaxLength(), 20);
  EXPECT_EQ(Col(3)->GetControlType(), ctCheck);
  EXPECT_FALSE(Col(3)->GetAllowGrayed());  // a required Boolean has no grayed state
  EXPECT_TRUE(Col(4)->GetAllowGrayed());
  EXPECT_EQ(Col(1)->GetAlignment(), taRightJustify);  // from the integer field
  EXPECT_TRUE(Col(1)->GetAssignedValues().Empty());
  EXPECT_EQ(Grid->GetFieldState(), fsDefault);

  // Default width: the field's display width in digits, or the heading when that is wider.
  Data->FieldByName("id")->SetDisplayWidth(10);
  Col(1)->ResetWidth();  // nothing assigned: no change
  Col(1)->SetDefaultWidth();
  Integer ten = Col(1)->GetWidth();
  Data->FieldByName("id")->SetDisplayWidth(20);
  Col(1)->SetDefaultWidth();
  EXPECT_EQ(Col(1)->GetWidth() - ten, 10 * TextWidth("0"));
  Data->FieldByName("id")->SetDisplayWidth(1);
  Data->FieldByName("id")->SetDisplayLabel("一个很长的标题文字");
  Col(1)->SetDefaultWidth();
  EXPECT_EQ(Col(1)->GetWidth(), TextWidth("一个很长的标题文字") + 6);
  EXPECT_TRUE(Col(1)->GetAssignedValues().Empty());
}

TEST_F(ColumnLayoutTest, UserValuesSurviveLayoutChangesThatKeepTheOrder) {
  Bind();
  Integer defaultWidth = Col(2)->GetWidth();
  Col(2)->SetWidth(17);
  Col(4)->SetAllowGrayed(false);
  Col(1)->SetWidth(99);
  Col(1)->ResetWidth();
  EXPECT_EQ(Col(1)->GetWidth(), Col(1)->DefaultWidth());
  EXPECT_TRUE(Col(2)->GetAssignedValues().Contains(avWidth));

  Data->FieldByName("name")->SetDisplayLabel("名字");  // a layout change with the same order
  Grid->FieldLayoutChanged(true, false, true);
  EXPECT_EQ(Col(2)->GetWidth(), 17);
  EXPECT_EQ(Col(2)->GetHeading(), "名字");
  EXPECT_FALSE(Col(4)->GetAllowGrayed());
  Col(4)->ResetAllowGrayed();
  EXPECT_TRUE(Col(4)->GetAllowGrayed());

  Data->Close();  // a reopen rebuilds every column from the fields
  Data->Open();
  Grid->FieldLayoutChanged(true, true, true);
  EXPECT_EQ(Col(2)->GetWidth(), defaultWidth);
  EXPECT_TRUE(Col(2)->GetAssignedValues().Empty());
}

TEST_F(ColumnLayoutTest, AColumnWhoseFieldWentIsDeletedAndTheOthersStay) {
  Bind();
  Col(1)->SetWidth(33);
  Data->Close();
  Data->FieldDefs()->GetItem(2)->Free();  // "ok" goes; the order of the others holds
  Data->Open();
  Grid->FieldLayoutChanged(true, false, true);
  ASSERT_EQ(Grid->GetGridColCount(), 3);
  EXPECT_EQ(FieldOf(1), "id");
  EXPECT_EQ(Col(1)->GetWidth(), 33);
  EXPECT_EQ(FieldOf(2), "name");
  EXPECT_EQ(FieldOf(3), "maybe");
}

TEST_F(ColumnLayoutTest, CustomizedColumnsKeepTheirPlacesAndNames) {
  Grid->SetFieldState(fsCustomized);
  Grid->SetGridColCount(3);
  Col(1)->SetFieldName("NAME");
  Col(2)->SetFieldName("nope");
  Col(3)->SetHeading("自己的");
  Col(1)->SetVisible(false);
  Bind();
  ASSERT_EQ(Grid->GetGridColCount(), 3);
  EXPECT_EQ(FieldOf(1), "name");
  EXPECT_FALSE(Col(1)->GetVisible());  // assigned, so not taken from the field
  EXPECT_EQ(FieldOf(2), "-");
  EXPECT_EQ(Col(2)->GetHeading(), "nope");
  EXPECT_EQ(Col(2)->GetFieldName(), "nope");
  EXPECT_EQ(FieldOf(3), "-");
  EXPECT_EQ(Col(3)->GetHeading(), "自己的");

  Col(3)->SetFieldName("id");  // a name given while bound binds at once
  EXPECT_EQ(FieldOf(3), "id");
  EXPECT_EQ(Grid->GetGridDBCols()->FindField(Data->FieldByName("id")), Col(3));

  // Back to the default state: one column per field (the unknown name goes, the bound columns
  // keep their places, the missing fields are added); customizing again keeps them.
  Grid->SetFieldState(fsDefault);
  ASSERT_EQ(Grid->GetGridColCount(), 4);
  std::set<String> shown;
  for (Integer col = 1; col <= 4; ++col) shown.insert(FieldOf(col));
  EXPECT_EQ(shown, (std::set<String>{"id", "name", "ok", "maybe"}));
  EXPECT_EQ(FieldOf(1), "name");
  Grid->SetFieldState(fsCustomized);
  EXPECT_EQ(Grid->GetGridColCount(), 4);
  EXPECT_EQ(FieldOf(1), "name");
}

TEST_F(ColumnLayoutTest, RemovingTheLayoutUnbindsEveryColumn) {
  Bind();
  Grid->RemoveFieldLayout();
  for (Integer col = 1; col <= Grid->GetGridColCount(); ++col) EXPECT_EQ(FieldOf(col), "-");
}

TEST_F(ColumnLayoutTest, AssignedValuesStreamAsOneCharacter) {
  Grid->SetFieldState(fsCustomized);
  Grid->SetGridColCount(2);
  Col(1)->SetWidth(50);
  Col(1)->SetVisible(false);
  auto binary = NewOwned<TMemoryStream>();
  binary->WriteComponent(Grid);
  String bytes(static_cast<const char*>(binary->GetMemory()), static_cast<size_t>(binary->GetSize()));
  String text = ObjectBinaryToTextString(bytes);
  EXPECT_NE(text.find("AssignedValues = #6"), String::npos) << text;

  // An empty string reads as nothing assigned.
  TtsDBGrid* copy = New<TFieldTestGrid>(Form);
  copy->SetFieldState(fsCustomized);
  String emptied = text;
  emptied.replace(emptied.find("#6"), 2, "''");
  auto stream = NewOwned<TMemoryStream>();
  String back = ObjectTextToBinaryString(emptied);
  stream->WriteBuffer(back.data(), static_cast<Integer>(back.size()));
  stream->SetPosition(0);
  stream->ReadComponent(copy);
  ASSERT_GE(copy->GetGridColCount(), 1);
  EXPECT_TRUE(copy->GetGridDBCols()->GetDBCol(1)->GetAssignedValues().Empty());
  EXPECT_EQ(copy->GetGridDBCols()->GetDBCol(1)->GetWidth(), 50);
}

}  // namespace
}  // namespace DBGridTest
