// The data-bound combo: a list grid whose rows are the records of a dataset of its own, sized to
// its records, searched as the user types (under the test clock), placed by its AutoSearch, and a
// lookup column whose list binds itself to the lookup dataset and writes the chosen key.
#include <cstring>
#include <vector>

#include "DB.h"
#include "DBFields.h"
#include "DBGridTestSupport.h"
#include "DateTime.h"
#include "MemoryDataSet.h"
#include "Strings.h"
#include "TSDBGridCombo.h"
#include "TSDBGridCurrentCell.h"
#include "TSDBGridData.h"
#include "TSDateTimeDef.h"
#include "TSCommon.h"

namespace DBGridTest {
namespace {

class DBComboList : public DBGridTest {
 protected:
  void SetUp() override {
    DBGridTest::SetUp();
    ListData = New<TMemoryDataSet>(Form);
    ListData->SetName("ListData");
    ListData->FieldDefs()->Add("code", ftString, 20);
    ListSource = New<TDataSource>(Form);
    ListSource->SetName("ListSource");
    ListSource->SetDataSet(ListData);
  }

  void ComboPump() { Application->ProcessMessages(); }

  // The list dataset holds Codes; the grid shows the first record, whose name is CellName, with the
  // name column dropping down the list; the current cell is that name.
  void StartWithList(const std::vector<String>& Codes, const String& CellName, bool Sorted = false) {
    for (const String& code : Codes) ListData->AddRow({Variant(code)});
    ListData->Open();
    Data->Open();
    Data->Edit();
    Data->FieldByName("name")->SetAsString(CellName);
    Data->Post();
    Grid->SetDataSource(Source);
    Form->Show();
    Grid->SetFocus();
    ComboPump();
    TtsCol* col = Grid->GetDBCol(Variant(2));
    col->SetButtonType(btCombo);
    col->AssignCombo();
    TtsCombo* combo = col->GetCombo();
    static_cast<TtsCustomDBGrid*>(combo->GetGrid())->SetDataSource(ListSource);
    combo->SetDropDownStyle(ddDropDownList);
    combo->SetAutoSearch(asTop);
    combo->SetValueColSorted(Sorted);
    Grid->SetCurrentCell(2, 1);
    Grid->ComboInit(2, 1);
    // As when the list drops down: its window exists, so its buffer can take its rows.
    Grid->GetComboForm()->HandleNeeded();
    WorkingList()->HandleNeeded();
  }

  TtsCustomDBGrid* WorkingList() { return Grid->GetDBCombo()->GetDBGrid(); }
  String ListText() {
    Variant value;
    WorkingList()->BookmarkValue(1, Variant(WorkingList()->GetCurrentBookmark()), value);
    return VarToStr(value);
  }
  // The value a typed key gives (Unassigned shown as "<none>"), left in the list without a write.
  String KeyValue(const char* Key) {
    Variant value;
    Grid->PositionDropDownList(Key, value);
    return VarIsEmpty(value) ? String("<none>") : VarToStr(value);
  }
  // Types one key into the cell as the user does: the list moves and the cell takes its value.
  String TypeKey(char Key) {
    Grid->ProcessKeyDropDownList(Key);
    return VarToStr(Grid->GetCurrentCell()->GetValue());
  }

  TMemoryDataSet* ListData = nullptr;
  TDataSource* ListSource = nullptr;
  TManualClock Clock{45000.0, 100000};
  TClockOverride ClockOverride{Clock};
};

TEST_F(DBComboList, TheListGridsSettingsAndAutoFillSwitchingOnTheSearch) {
  StartWithList({"A"}, "A");
  auto* list = dynamic_cast<TtsDBComboGrid*>(WorkingList());
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(list->IsComboGrid());
  EXPECT_EQ(list->GetParentGrid(), Grid);
  EXPECT_TRUE(list->GetAutoLookup());
  TtsCombo* combo = Grid->GetDBCombo();
  combo->SetAutoSearch(asNone);
  combo->SetAutoFill(true);
  EXPECT_EQ(combo->GetAutoSearch(), asTop) << "auto fill needs a search";
  combo->SetAutoFill(false);
  EXPECT_EQ(combo->GetAutoSearch(), asTop);
  combo->SetAutoFillConvertCase(afcOnExit);
  EXPECT_EQ(list->GetAutoFillConvertCase(), afcOnExit) << "the combo writes the list's own setting";
}

TEST_F(DBComboList, TheListIsAsHighAsItsRecordsUpToTheDropDownRows) {
  struct TCase {
    std::vector<String> Codes;
    Integer Rows;
  };
  const TCase cases[] = {{{"A", "B"}, 2}, {{}, 1}, {{"A", "B", "C", "D", "E", "F"}, 4}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Codes.size());
    StartWithList(c.Codes, "A");
    TtsCustomDBGrid* list = WorkingList();
    list->SetHeadingOn(true);
    Integer border = list->GetHeadingHeight() + (list->GetBorderStyle() == bsSingle ? 2 : 0);
    EXPECT_EQ(list->ComboInitHeight(4), c.Rows * list->GetDefaultRowHeight() + border);
    TearDown();
    SetUp();
  }
}

TEST_F(DBComboList, FirstCharacterSearchCyclesAnUnsortedListAndAMissLeavesIt) {
  StartWithList({"A", "B1", "B2", "C"}, "B1");
  Grid->PositionComboRow();
  ASSERT_EQ(ListText(), "B1") << "the list opens on the cell's value";
  EXPECT_EQ(TypeKey('b'), "B2");
  EXPECT_EQ(ListText(), "B2");
  EXPECT_EQ(TypeKey('b'), "B1") << "wraps round";
  EXPECT_EQ(ListText(), "B1");
  EXPECT_EQ(KeyValue("d"), "<none>");
  EXPECT_EQ(ListText(), "B1") << "a miss leaves the list where it was";
  EXPECT_EQ(TypeKey('c'), "C");
}

TEST_F(DBComboList, TypedPrefixSearchOfASortedListForgetsTheTextAfterTwoSeconds) {
  struct TCase {
    const char* Name;
    UInt64 Pause;
    const char* Keys;
    const char* Value;
    const char* SearchText;
  };
  const TCase cases[] = {
      {"b r within 2 s", 100, "br", "Brown", "br"},
      {"b, a pause of 1999 ms, r", 1999, "br", "Brown", "br"},
      {"b, a pause of 2000 ms, r starts anew", 2000, "br", "Red", "r"},
      {"b b: the next b-row", 100, "bb", "Brown", "b"},
      {"z finds nothing: the cell keeps its value", 100, "z", "Apple", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    StartWithList({"Apple", "Banana", "Brown", "Red"}, "Apple", true);
    String last;
    for (const char* k = c.Keys; *k; ++k) {
      last = TypeKey(*k);
      Clock.Advance(c.Pause);
    }
    EXPECT_EQ(last, c.Value);
    EXPECT_EQ(Grid->GetComboSearchText(), c.SearchText);
    TearDown();
    SetUp();
  }
}

TEST_F(DBComboList, AShownRecordIsPlacedAtTheTopBottomOrCentreAsFarAsRecordsAllow) {
  struct TCase {
    TtsComboAutoSearchType Search;
    Integer Record;
    const char* Top;
  };
  const TCase cases[] = {
      {asTop, 10, "R10"},    {asNone, 10, "R10"},    {asBottom, 10, "R03"}, {asCenter, 10, "R07"},
      {asCenter, 2, "R01"},  {asBottom, 2, "R01"},   {asBottom, 20, "R13"}, {asTop, 20, "R13"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(Format("%d %d", {Integer(c.Search), c.Record}));
    std::vector<String> codes;
    for (Integer i = 1; i <= 20; ++i) codes.push_back(Format("R%.2d", {i}));
    StartWithList(codes, "R01");
    TtsCustomDBGrid* list = WorkingList();
    list->SetBounds(0, 0, 120, 8 * (list->GetDefaultRowHeight() + 1) + 4);
    ASSERT_EQ(list->GetVisibleRowCount(), 8);
    Grid->GetDBCombo()->SetAutoSearch(c.Search);
    ListData->SetRecNo(c.Record);
    String bookmark = ListData->GetBookmark();
    Grid->SetDBComboRow(bookmark);
    Variant top;
    list->BookmarkValue(1, Variant(list->GetGridData()->GetBookmark(1)), top);
    EXPECT_EQ(VarToStr(top), c.Top);
    EXPECT_EQ(list->GetCurrentBookmark(), bookmark);
    TearDown();
    SetUp();
  }
}

TEST_F(DBComboList, AutoFillCompletesTypedTextFromTheListsDataset) {
  struct TCase {
    TtsConvertCase Convert;
    bool OnExit;
    const char* Typed;
    bool Filled;
    const char* Cell;
  };
  const TCase cases[] = {
      {afcOnEdit, false, "ba", true, "Banana"},  {afcNone, false, "ba", true, "banana"},
      {afcOnExit, true, "banana", true, "Banana"}, {afcNone, true, "banana", false, "banana"},
      {afcOnEdit, false, "x", false, "x"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Convert << " " << c.OnExit << " " << c.Typed);
    StartWithList({"Apple", "Banana", "Cherry"}, "Apple");
    TtsCombo* combo = Grid->GetDBCombo();
    combo->SetDropDownStyle(ddDropDown);
    combo->SetAutoFill(true);
    combo->SetAutoFillConvertCase(c.Convert);
    Grid->GetCurrentCell()->SetValue(Variant(String(c.Typed)));
    Grid->GetCurrentCell()->SetSelStart(static_cast<Integer>(strlen(c.Typed)));
    EXPECT_EQ(Grid->PositionAutoFill(c.OnExit), c.Filled);
    EXPECT_EQ(VarToStr(Grid->GetCurrentCell()->GetValue()), c.Cell);
    if (c.Filled) EXPECT_EQ(ListText(), "Banana");
    TearDown();
    SetUp();
  }
}

TEST_F(DBComboList, DroppingDownStartsTheListOnItsFirstRecordOnce) {
  StartWithList({"A", "B", "C"}, "B");
  Grid->PositionComboRow();
  ASSERT_EQ(ListText(), "B");
  Grid->ComboDropDown(2, 1);
  EXPECT_EQ(ListText(), "A");
  EXPECT_EQ(Grid->GetDroppedDownCol(), 2);
  Grid->PositionComboRow();
  Grid->ComboDropDown(2, 1);
  EXPECT_EQ(ListText(), "B") << "while the list is down a second drop-down does nothing";
}

TEST_F(DBComboList, AnUnboundGridsComboSearchesItsOwnRowsAsThePlainGridDoes) {
  Grid->SetStoreData(true);
  TtsCol* col = Grid->GetCols()->GetItem(1);
  col->SetButtonType(btCombo);
  col->AssignCombo();
  TtsCombo* combo = col->GetCombo();
  ASSERT_NE(dynamic_cast<TtsDBComboGrid*>(combo->GetGrid()), nullptr);
  TtsBaseGrid* list = combo->GetGrid();
  list->SetStoreData(true);
  list->SetGridRowCount(2);
  list->SetCellValue(1, 1, Variant(String("Apple")));
  list->SetCellValue(1, 2, Variant(String("Banana")));
  combo->SetDropDownStyle(ddDropDownList);
  combo->SetAutoSearch(asTop);
  Form->Show();
  Grid->SetFocus();
  ComboPump();
  Grid->SetCurrentCell(1, 1);
  char key = 'b';
  Grid->ProcessKeyDropDownList(key);
  EXPECT_EQ(VarToStr(Grid->GetCurrentCell()->GetValue()), "Banana");
}

// A grid of orders whose city column looks the city's name up by the order's city id.
class DBComboLookup : public DBGridTest {
 protected:
  void SetUp() override {
    DBGridTest::SetUp();
    Cities = New<TMemoryDataSet>(Form);
    Cities->SetName("Cities");
    Cities->FieldDefs()->Add("id", ftInteger);
    Cities->FieldDefs()->Add("name", ftString, 20);
    const char* names[] = {"北京", "上海", "广州"};
    for (int i = 0; i < 3; ++i) Cities->AddRow({i + 1, String(names[i])});
    Orders = New<TMemoryDataSet>(Form);
    Orders->SetName("Orders");
    Orders->FieldDefs()->Add("cityid", ftInteger);
    Orders->AddRow({1});
    Orders->AddRow({3});
    TIntegerField* cityId = New<TIntegerField>(Orders);
    cityId->SetFieldName("cityid");
    cityId->SetDataSet(Orders);
    City = New<TStringField>(Orders);
    City->SetFieldName("city");
    City->SetLookup(true);
    City->SetLookupDataSet(Cities);
    City->SetKeyFields("cityid");
    City->SetLookupKeyFields("id");
    City->SetLookupResultField("name");
    City->SetDataSet(Orders);
    Cities->Open();
    Orders->Open();
    Source->SetDataSet(Orders);
    Grid->SetDataSource(Source);
    Form->Show();
    Grid->SetFocus();
    Application->ProcessMessages();
    Grid->GetDBCol(Variant(2))->SetButtonType(btCombo);
    Grid->SetCurrentCell(2, 1);
    Grid->ComboInit(2, 1);
    Grid->GetComboForm()->HandleNeeded();
    List()->HandleNeeded();
  }
  TtsCustomDBGrid* List() { return Grid->GetDBCombo()->GetDBGrid(); }
  String CityBookmark(Integer Id) {
    Cities->SetRecNo(Id);
    return Cities->GetBookmark();
  }

  TMemoryDataSet* Cities = nullptr;
  TMemoryDataSet* Orders = nullptr;
  TStringField* City = nullptr;
};

TEST_F(DBComboLookup, TheListBindsItselfToTheLookupDatasetWithTheResultColumn) {
  TtsCustomDBGrid* list = List();
  ASSERT_NE(list->GetDataSource(), nullptr);
  EXPECT_EQ(list->GetDataSource()->GetName(), "AutoLookup");
  EXPECT_EQ(list->GetLookupDataSource(), list->GetDataSource());
  EXPECT_EQ(list->GetDataset(), Cities);
  EXPECT_EQ(list->GetGridColCount(), 1);
  EXPECT_EQ(Grid->GetDBCombo()->GetAutoSearch(), asTop);
  EXPECT_TRUE(Grid->IsLookupCombo(2));
  EXPECT_FALSE(Grid->IsLookupCombo(1));
  // A new initialisation unbinds the list first, which frees the lookup data source.
  Grid->InitCombo(Grid->GetDBCombo());
  EXPECT_EQ(list->GetDataSource(), nullptr);
  EXPECT_EQ(list->GetLookupDataSource(), nullptr);
  EXPECT_EQ(list->FindComponent("AutoLookup"), nullptr);
}

TEST_F(DBComboLookup, AChosenRowWritesTheKeyFieldsAndTheLookupFieldFollows) {
  List()->SetDBCurrentDataRow(Variant(CityBookmark(2)));
  Variant value;
  Grid->GetComboValue(0, 0, 0, value);
  EXPECT_TRUE(VarIsEmpty(value)) << "value column 0 without a handler";
  Grid->GetComboValue(1, 0, 0, value);
  EXPECT_EQ(value.ToInteger(), 2) << "the lookup record's key, not its shown name";
  Grid->SetComboValue(value);
  EXPECT_EQ(Orders->FieldByName("cityid")->GetAsInteger(), 2);
  EXPECT_EQ(City->GetAsString(), "上海");
  // Typing in the lookup cell finds the list row and gives its key.
  Variant typed;
  Grid->PositionDropDownList("广", typed);
  EXPECT_EQ(typed.ToInteger(), 3);
}

TEST_F(DBComboLookup, TheApplicationsValueWinsAndTheEventsNameTheRecordAndTheList) {
  std::vector<String> seen;
  Grid->OnComboGetValue = [&](TObject*, TtsDBComboGrid* Combo, Integer Col, const Variant& Row, const Variant& ComboRow,
                              Variant& Value) {
    seen.push_back(IntToStr(Col) + (VarToStr(Row) == Grid->GetCurrentBookmark() ? " current" : " other") +
                   (VarToStr(ComboRow) == CityBookmark(3) ? " 广州" : " ?") + (Combo == List() ? " list" : ""));
    Value = Variant(String("x"));
  };
  List()->SetDBCurrentDataRow(Variant(CityBookmark(3)));
  Variant value;
  Grid->GetComboValue(1, 0, 0, value);
  EXPECT_EQ(VarToStr(value), "x");
  EXPECT_EQ(seen, std::vector<String>{"2 current 广州 list"});
}

// A picker that is only a name for the grid's date-time settings.
class TComboTestPicker : public TtsDateTimeDefComponent {
  DECLARE_CLASS(TComboTestPicker, TtsDateTimeDefComponent)
 public:
  explicit TComboTestPicker(TComponent* AOwner = nullptr) : TtsDateTimeDefComponent(AOwner) {}
  TWinControl* GetControl() override { return nullptr; }
  void SetSelect(TNotifyEvent) override {}
  TNotifyEvent GetSelect() override { return {}; }
  void SetCancel(TNotifyEvent) override {}
  TNotifyEvent GetCancel() override { return {}; }
  void SetDateTime(const Variant&) override {}
  Variant GetDateTime() override { return Variant(); }
  void SetDateTimeDisplay(TtsDateTimeDisplay) override {}
  TtsDateTimeDisplay GetDateTimeDisplay() override { return TtsDateTimeDisplay(); }
  void SetPopupForm(bool) override {}
  bool GetPopupForm() override { return false; }
  void SetDateTimeProps(TtsDateTimeProps*) override {}
  TtsDateTimeProps* GetDateTimeProps() override { return nullptr; }
  void InitializeDisplay() override {}
  void InitializeFocus() override {}
};
IMPLEMENT_CLASS(TComboTestPicker)

TEST_F(DBGridTest, DateTimeHooksNameTheRecordAndReadTheBoundFieldsDate) {
  auto* dates = New<TMemoryDataSet>(Form);
  dates->FieldDefs()->Add("id", ftInteger);
  dates->FieldDefs()->Add("due", ftDateTime);
  dates->AddRow({1, VarFromDateTime(EncodeDate(2026, 3, 1))});
  dates->AddRow({2, VarFromDateTime(EncodeDate(2026, 12, 24))});
  Source->SetDataSet(dates);
  dates->Open();
  Grid->SetDataSource(Source);
  Form->Show();
  Application->ProcessMessages();
  String first = dates->GetBookmark();
  dates->Next();
  String second = dates->GetBookmark();
  Grid->SetCurrentCell(2, 2);
  ASSERT_EQ(Grid->GetCurrentBookmark(), dates->GetBookmark());
  Variant value;
  Grid->GetCurrentDateTime(value);
  EXPECT_EQ(VariantToDateTime(value), EncodeDate(2026, 12, 24));
  Variant seen;
  Grid->OnDateTimeInit = [&](TObject*, TtsDateTimeDefComponent*, Integer, const Variant& DataRow) { seen = DataRow; };
  Grid->ActivateDateTimeInit(nullptr, 2, 2);
  EXPECT_EQ(VarToStr(seen), Grid->GetCurrentBookmark());

  // A picker going away leaves no record's row or cell naming it; another picker stays.
  auto* going = New<TComboTestPicker>(Form);
  auto* staying = New<TComboTestPicker>(Form);
  Grid->SetDBRowDateTimeDef(Variant(first), going);
  Grid->SetDBRowDateTimeDef(Variant(second), staying);
  Grid->SetDBCellDateTimeDef(2, Variant(second), going);
  Grid->RemoveRowDateTimeDef(going);
  Grid->RemoveCellDateTimeDef(going);
  EXPECT_EQ(Grid->GetDBRowDateTimeDef(Variant(first)), nullptr);
  EXPECT_EQ(Grid->GetDBRowDateTimeDef(Variant(second)), staying);
  EXPECT_EQ(Grid->GetDBCellDateTimeDef(2, Variant(second)), nullptr);
}

}  // namespace
}  // namespace DBGridTest
