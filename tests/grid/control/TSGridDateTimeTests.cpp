// The date-time drop-down with a small picker of the tests' own: which picker component a cell
// uses, the drop-down and the modal popup with their paired events, a handler's date, the cell
// text of a chosen date, a picker of another class, and freeing a picker component.
#include <cmath>

#include "DateTime.h"
#include "ExtCtrls.h"
#include "GridControlTestSupport.h"
#include "TSDateTimeDef.h"
#include "TSGridDropDownForm.h"
#include "Variants.h"
#include "WinManage.h"

using namespace GridControlTest;

namespace {

// The settings a picker keeps; only those the grid reads matter here.
class TFakeProps : public TtsDateTimeProps {
  DECLARE_CLASS(TFakeProps, TtsDateTimeProps)
 public:
  explicit TFakeProps(TtsDateTimeDefComponent* AComponent = nullptr) : TtsDateTimeProps(AComponent) {}
#define FAKE_PROP(Type, Name, Init)                     \
  Type Get##Name() override { return F##Name; }         \
  void Set##Name(Type Value) override { F##Name = Value; } \
  Type F##Name = Init;
  FAKE_PROP(Integer, Color, 0)
  FAKE_PROP(Integer, CalendarRows, 1)
  FAKE_PROP(TtsDateTimeDisplay, DateTimeDisplay, dtDate)
  FAKE_PROP(Integer, DayNameFontColor, 0)
  FAKE_PROP(Integer, DisabledFontColor, 0)
  FAKE_PROP(TtsFirstDayOfWeek, FirstDayOfWeek, dowSunday)
  FAKE_PROP(bool, ParentFont, true)
  FAKE_PROP(Integer, LineColor, 0)
  FAKE_PROP(TDateTime, MaxDate, 0)
  FAKE_PROP(TDateTime, MinDate, 0)
  FAKE_PROP(Integer, MonthColor, 0)
  FAKE_PROP(Integer, MonthFontColor, 0)
  FAKE_PROP(bool, SelectSaturday, true)
  FAKE_PROP(bool, SelectSunday, true)
  FAKE_PROP(TtsShowDayNames, ShowDayNames, sdnNone)
  FAKE_PROP(bool, ShowSeconds, false)
  FAKE_PROP(bool, ShowToday, true)
  FAKE_PROP(bool, ShowWeekNumbers, false)
  FAKE_PROP(bool, ShowSingleMonth, true)
  FAKE_PROP(Integer, WeekFontColor, 0)
  FAKE_PROP(bool, PopupForm, false)
#undef FAKE_PROP
  Graphics::TFont* GetFont() override { return nullptr; }
  void SetFont(Graphics::TFont*) override {}
  String GetOkCaption() override { return "OK"; }
  void SetOkCaption(const String&) override {}
  String GetCancelCaption() override { return "Cancel"; }
  void SetCancelCaption(const String&) override {}
  String GetCaption() override { return FCaption; }
  void SetCaption(const String& Value) override { FCaption = Value; }
  Variant GetDateTime() override { return FDateTime; }
  void SetDateTime(const Variant& Value) override { FDateTime = Value; }
  String FCaption;
  Variant FDateTime;
};
IMPLEMENT_CLASS(TFakeProps)

// A picker whose control is a plain panel; Pick and Cancel act as its calendar's buttons would.
class TFakePicker : public TtsDateTimeDefComponent {
  DECLARE_CLASS(TFakePicker, TtsDateTimeDefComponent)
 public:
  explicit TFakePicker(TComponent* AOwner = nullptr) : TtsDateTimeDefComponent(AOwner) {}
  TWinControl* GetControl() override { return FPanel; }
  void SetSelect(TNotifyEvent Value) override { FSelect = Value; }
  TNotifyEvent GetSelect() override { return FSelect; }
  void SetCancel(TNotifyEvent Value) override { FCancel = Value; }
  TNotifyEvent GetCancel() override { return FCancel; }
  void SetDateTime(const Variant& Value) override { FProps->SetDateTime(Value); }
  Variant GetDateTime() override { return FProps->GetDateTime(); }
  void SetDateTimeDisplay(TtsDateTimeDisplay Value) override { FProps->SetDateTimeDisplay(Value); }
  TtsDateTimeDisplay GetDateTimeDisplay() override { return FProps->GetDateTimeDisplay(); }
  void SetPopupForm(bool Value) override { FProps->SetPopupForm(Value); }
  bool GetPopupForm() override { return FProps->GetPopupForm(); }
  void SetDateTimeProps(TtsDateTimeProps* Value) override { Assign(Value->GetComponent()); }
  TtsDateTimeProps* GetDateTimeProps() override { return FProps; }
  void InitializeDisplay() override { ++Displays; }
  void InitializeFocus() override { ++Focused; }
  void Assign(TPersistent* Source) override {
    auto* source = dynamic_cast<TFakePicker*>(Source);
    if (!source) return inherited::Assign(Source);
    FProps->SetCaption(source->FProps->GetCaption());
    FProps->SetDateTimeDisplay(source->FProps->GetDateTimeDisplay());
  }

  void Pick(const Variant& Value) {
    FProps->SetDateTime(Value);
    if (FSelect) FSelect(this);
  }
  void Dismiss() {
    if (FCancel) FCancel(this);
  }
  Integer Displays = 0, Focused = 0;

 protected:
  void Construct() override {
    inherited::Construct();
    FProps = New<TFakeProps>(this);
    FPanel = New<TPanel>(this);
    FPanel->SetBounds(5, 5, 60, 40);
  }
  void Destroy() override {
    FreeAndNil(FProps);
    inherited::Destroy();
  }

 private:
  TFakeProps* FProps = nullptr;
  TPanel* FPanel = nullptr;
  TNotifyEvent FSelect, FCancel;
};
IMPLEMENT_CLASS(TFakePicker)

// A picker of another class: the grid makes its working picker anew for it.
class TOtherPicker : public TFakePicker {
  DECLARE_CLASS(TOtherPicker, TFakePicker)
 public:
  explicit TOtherPicker(TComponent* AOwner = nullptr) : TFakePicker(AOwner) {}
};
IMPLEMENT_CLASS(TOtherPicker)

TFakePicker* NewPicker(TComponent* Owner, const String& Caption, TtsDateTimeDisplay Display = dtDate) {
  auto* picker = CreateComponent<TFakePicker>(Owner);
  picker->GetDateTimeProps()->SetCaption(Caption);
  picker->GetDateTimeProps()->SetDateTimeDisplay(Display);
  return picker;
}

TEST(DateTimeLayers, TheCellRowOrColumnPickerIsChosenByTheButtonTypesAndDrawOverlap) {
  TOwnedPtr<TtsGrid> grid(New<TtsGrid>());
  grid->SetGridColCount(3);
  grid->SetGridRowCount(3);
  TOwnedPtr<TFakePicker> gridDef(NewPicker(nullptr, "grid")), colDef(NewPicker(nullptr, "col")),
      rowDef(NewPicker(nullptr, "row")), cellDef(NewPicker(nullptr, "cell"));
  EXPECT_EQ(grid->GiveCellDateTime(1, 1), nullptr) << "nothing anywhere";
  grid->SetDateTimeDef(gridDef.get());
  TtsCol* col = grid->GetCols()->GetItem(1);
  col->SetButtonType(btDateTimeDropDown);
  EXPECT_EQ(grid->GiveCellDateTime(1, 1), gridDef.get()) << "a column without its own picker uses the grid's";
  col->SetDateTimeDef(colDef.get());
  grid->SetRowButtonType(2, btDateTimePopup);
  grid->SetRowDateTimeDef(2, rowDef.get());
  grid->SetDrawOverlap(doDrawColOnTop);
  EXPECT_EQ(grid->GiveCellDateTime(1, 2), colDef.get());
  EXPECT_EQ(grid->GiveCellDateTime(2, 2), rowDef.get()) << "the column is no date-time column there";
  grid->SetDrawOverlap(doDrawRowOnTop);
  EXPECT_EQ(grid->GiveCellDateTime(1, 2), rowDef.get());
  EXPECT_EQ(grid->GiveCellDateTime(1, 1), colDef.get());
  grid->SetCellButtonType(1, 2, btDateTimeDropDown);
  grid->SetCellDateTimeDef(1, 2, cellDef.get());
  EXPECT_EQ(grid->GiveCellDateTime(1, 2), cellDef.get());
  EXPECT_EQ(grid->GiveCellDateTime(4, 1), nullptr);
  EXPECT_EQ(grid->GiveCellDateTime(1, 4), nullptr);
}

class DateTimeDropDown : public WindowGridTest {
 protected:
  void SetUp() override {
    WindowGridTest::SetUp();
    Table = MakeGrid<TtsGrid>(300, 150, 2, 3);
    Table->SetStoreData(true);
    Def = NewPicker(Form, "Pick a day", dtDateTime);
    Table->GetCols()->GetItem(1)->SetButtonType(btDateTimeDropDown);
    Table->GetCols()->GetItem(1)->SetWidth(120);
    Table->SetDateTimeDef(Def);
    Table->OnDateTimeDropDown = [this](TObject*, TtsDateTimeDefComponent*, Integer Col, Integer Row) {
      Events.push_back("down " + IntToStr(Col) + "," + IntToStr(Row));
    };
    Table->OnDateTimeRollUp = [this](TObject*, TtsDateTimeDefComponent*, Integer Col, Integer Row) {
      Events.push_back("up " + IntToStr(Col) + "," + IntToStr(Row));
    };
    Table->SetCellValue(1, 2, "2026-03-04");
    Table->GetCurrentCell()->MoveTo(1, 2);
    Pump();
  }
  void TearDown() override {
    Application->OnIdle = nullptr;
    WindowGridTest::TearDown();
  }
  TFakePicker* Working() { return static_cast<TFakePicker*>(Table->GetDateTimePicker()); }

  TtsGrid* Table = nullptr;
  TFakePicker* Def = nullptr;
  std::vector<String> Events;
};

TEST_F(DateTimeDropDown, TheButtonOpensThePickerUnderTheCellAndASecondPressClosesIt) {
  ASSERT_TRUE(Table->DateTimeButtonDown(1, 2));
  ASSERT_TRUE(Table->DateTimeVisible());
  TFakePicker* picker = Working();
  ASSERT_TRUE(picker);
  EXPECT_NE(picker, Def) << "the grid shows a copy of its own";
  EXPECT_EQ(picker->GetDateTimeProps()->GetCaption(), "Pick a day");
  EXPECT_EQ(picker->GetControl()->GetParent(), Table->GetDateTimeForm());
  EXPECT_EQ(picker->GetControl()->GetLeft(), 0);
  EXPECT_TRUE(DropDownHooksInstalled());
  EXPECT_EQ(std::floor(VariantToDateTime(picker->GetDateTimeProps()->GetDateTime())), EncodeDate(2026, 3, 4))
      << "the picker starts at the cell's date";

  // Under the cell, narrower than the column: it ends where the column ends.
  TRect cell;
  Table->CellRect(Table->GetDisplayCol(1), Table->GetDisplayRow(2), cell);
  RECT box;
  GetWindowRect(Table->GetDateTimeForm()->GetHandle(), &box);
  const TPoint corner = Table->ClientToScreen(TPoint(cell.left + Table->GetColWidths(Table->GetDisplayCol(1)), cell.bottom));
  EXPECT_EQ(box.right, corner.x);
  EXPECT_EQ(box.top, corner.y);
  EXPECT_EQ(box.right - box.left, 60);

  EXPECT_TRUE(Table->DateTimeButtonDown(1, 2));
  EXPECT_FALSE(Table->DateTimeVisible());
  EXPECT_FALSE(DropDownHooksInstalled()) << "no hook left after the last close";
  EXPECT_EQ(Events, (std::vector<String>{"down 1,2", "up 1,2"}));
}

TEST_F(DateTimeDropDown, AHandlersDatePrevailsAndAPickedDateBecomesTheCellText) {
  Table->OnDateTimeInit = [](TObject*, TtsDateTimeDefComponent* Picker, Integer, Integer) {
    Picker->GetDateTimeProps()->SetDateTime(VarFromDateTime(EncodeDate(2030, 1, 2)));
  };
  ASSERT_TRUE(Table->DateTimeButtonDown(1, 2));
  EXPECT_EQ(VariantToDateTime(Working()->GetDateTimeProps()->GetDateTime()), EncodeDate(2030, 1, 2));

  // Midnight gives the date alone; a time of day is written after it.
  Working()->Pick(VarFromDateTime(EncodeDate(2027, 5, 6)));
  EXPECT_FALSE(Table->DateTimeVisible());
  const String midnight = VarToStr(Table->GetCellValue(1, 2));
  EXPECT_NE(midnight.find("2027"), String::npos) << midnight;
  EXPECT_EQ(midnight.find(':'), String::npos) << midnight;
  EXPECT_EQ(Events, (std::vector<String>{"down 1,2", "up 1,2"}));

  ASSERT_TRUE(Table->DateTimeButtonDown(1, 2));
  Working()->Pick(VarFromDateTime(EncodeDate(2027, 5, 6) + EncodeTime(13, 45, 30, 0)));
  const String afternoon = VarToStr(Table->GetCellValue(1, 2));
  EXPECT_NE(afternoon.find("2027"), String::npos) << afternoon;
  EXPECT_NE(afternoon.find("45:30"), String::npos) << afternoon;

  // A handler of OnDateTimeGetValue has the last word.
  Table->OnDateTimeGetValue = [](TObject*, TtsDateTimeDefComponent*, Integer, Integer, Variant& Value) {
    Value = "someday";
  };
  ASSERT_TRUE(Table->DateTimeButtonDown(1, 2));
  Working()->Pick(VarFromDateTime(EncodeDate(2027, 5, 6)));
  EXPECT_EQ(VarToStr(Table->GetCellValue(1, 2)), "someday");
}

TEST_F(DateTimeDropDown, APopupIsModalAndTakesTheDateWhenItCloses) {
  Table->GetCols()->GetItem(1)->SetButtonType(btDateTimePopup);
  Def->GetDateTimeProps()->SetDateTimeDisplay(dtDate);
  // The user's part runs when the popup's own message loop waits.
  std::function<void()> user;
  bool wasModal = false;
  Application->OnIdle = [&](TObject*, bool& Done) {
    if (!user) return;
    auto step = user;
    user = nullptr;
    step();
    Done = false;  // the loop looks at the modal result again before it sleeps
  };
  user = [&] {
    auto* form = static_cast<TtsDropDownForm*>(Table->GetDateTimeForm());
    wasModal = form->GetVisible() && !form->GetDropDown() && form->GetCaption() == "Pick a day";
    Working()->Pick(VarFromDateTime(EncodeDate(2028, 7, 8)));
    form->ModalResult = mrOk;
  };
  ASSERT_TRUE(Table->DateTimeButtonDown(1, 2));  // returns when the popup has closed
  EXPECT_TRUE(wasModal);
  EXPECT_FALSE(Table->DateTimeVisible());
  EXPECT_FALSE(DropDownHooksInstalled()) << "a modal popup needs no hooks";
  EXPECT_NE(VarToStr(Table->GetCellValue(1, 2)).find("2028"), String::npos) << VarToStr(Table->GetCellValue(1, 2));
  EXPECT_EQ(Events, (std::vector<String>{"down 1,2", "up 1,2"}));

  // Closed without a date: the cell keeps its value, the events still pair.
  user = [&] { Table->GetDateTimeForm()->ModalResult = mrCancel; };
  const Variant before = Table->GetCellValue(1, 2);
  ASSERT_TRUE(Table->DateTimeButtonDown(1, 2));
  Application->OnIdle = nullptr;
  EXPECT_TRUE(VariantEqual(Table->GetCellValue(1, 2), before));
  EXPECT_EQ(Events, (std::vector<String>{"down 1,2", "up 1,2", "down 1,2", "up 1,2"}));
}

TEST_F(DateTimeDropDown, APickerComponentOfAnotherClassGetsAWorkingPickerOfItsClass) {
  auto* other = CreateComponent<TOtherPicker>(Form);
  other->GetDateTimeProps()->SetCaption("other");
  Table->GetCols()->GetItem(2)->SetButtonType(btDateTimeDropDown);
  Table->GetCols()->GetItem(2)->SetDateTimeDef(other);
  ASSERT_TRUE(Table->DateTimeButtonDown(1, 2));
  EXPECT_EQ(Working()->ClassType(), TFakePicker::StaticClass());
  Table->DateTimeButtonDown(1, 2);
  Table->GetCurrentCell()->MoveTo(2, 2);
  ASSERT_TRUE(Table->DateTimeButtonDown(2, 2));
  EXPECT_EQ(Working()->ClassType(), TOtherPicker::StaticClass());
  EXPECT_EQ(Working()->GetDateTimeProps()->GetCaption(), "other") << "the new picker has the settings copied";
  Table->DateTimeButtonDown(2, 2);
}

TEST_F(DateTimeDropDown, FreeingThePickerComponentClearsEveryReferenceAndClosesItsDropDown) {
  Table->GetCols()->GetItem(2)->SetDateTimeDef(Def);
  Table->SetRowDateTimeDef(3, Def);
  Table->SetCellDateTimeDef(2, 1, Def);
  ASSERT_TRUE(Table->DateTimeButtonDown(1, 2));
  Def->Free();
  EXPECT_FALSE(Table->DateTimeVisible()) << "the drop-down showing it closes";
  EXPECT_EQ(Events, (std::vector<String>{"down 1,2", "up 1,2"}));
  EXPECT_EQ(Table->GetDateTimeDef(), nullptr);
  EXPECT_EQ(Table->GetCols()->GetItem(2)->GetDateTimeDef(), nullptr);
  EXPECT_EQ(Table->GetRowDateTimeDef(3), nullptr);
  EXPECT_EQ(Table->GetCellDateTimeDef(2, 1), nullptr);
  EXPECT_FALSE(Table->DateTimeButtonDown(1, 2)) << "nothing left to open";

  // A new component (often at the freed one's address) is taken for what it is.
  auto* next = NewPicker(Form, "next one");
  Table->SetDateTimeDef(next);
  ASSERT_TRUE(Table->DateTimeButtonDown(1, 2));
  EXPECT_EQ(Working()->GetDateTimeProps()->GetCaption(), "next one");
  Table->DateTimeButtonDown(1, 2);
}

}  // namespace
