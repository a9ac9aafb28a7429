// What a data link hears from its dataset: the notification sequences of opening, scrolling,
// repositioning, editing, inserting, posting, cancelling, deleting, layout changes and the controls
// bracket, and the link's record window through them.
#include <gtest/gtest.h>

#include "DB.h"
#include "MemoryDataSet.h"
#include "Strings.h"

namespace {

using Log = std::vector<String>;

class TRecordingLink : public TDataLink {
  DECLARE_CLASS(TRecordingLink, TDataLink)
 public:
  Log Calls;
  // What the grid reads while it is told the editing state changed.
  bool EofAtEditing = false;
  Integer RecordCountAtEditing = 0;
  String BookmarkAtEditing;

 protected:
  void ActiveChanged() override { Calls.push_back(String("ActiveChanged ") + (Active() ? "on" : "off")); }
  void CheckBrowseMode() override { Calls.push_back("CheckBrowseMode"); }
  void DataSetChanged() override { Calls.push_back("DataSetChanged"); }
  void DataSetScrolled(Integer Distance) override { Calls.push_back("DataSetScrolled " + IntToStr(Distance)); }
  void EditingChanged() override {
    Calls.push_back(String("EditingChanged ") + (Editing() ? "on" : "off"));
    if (DataSet()) {
      EofAtEditing = DataSet()->Eof();
      RecordCountAtEditing = RecordCount();
      BookmarkAtEditing = DataSet()->GetBookmark();
    }
  }
  void LayoutChanged() override { Calls.push_back("LayoutChanged"); }
  void RecordChanged(TField* Field) override {
    Calls.push_back("RecordChanged " + (Field ? Field->GetFieldName() : String("all")));
  }
  void UpdateData() override { Calls.push_back("UpdateData"); }
};
IMPLEMENT_CLASS(TRecordingLink)

class DataLinkTest : public testing::Test {
 protected:
  void SetUp() override {
    Data = New<TMemoryDataSet>(nullptr);
    Data->FieldDefs()->Add("id", ftInteger);
    Data->FieldDefs()->Add("name", ftString, 20);
    for (int i = 1; i <= 10; ++i) Data->AddRow({i, "r" + IntToStr(i)});
    Source = New<TDataSource>(nullptr);
    Source->SetDataSet(Data);
    Link = New<TRecordingLink>();
    Link->SetBufferCount(4);
    Link->SetDataSource(Source);
    Data->Open();
    Link->Calls.clear();
  }
  void TearDown() override {
    if (Link) Link->Free();
    if (Source) Source->Free();
    Data->Free();
  }
  Integer Id() const { return Data->FieldByName("id")->GetAsInteger(); }
  // The record ids of the link's window, as the grid reads them through ActiveRecord.
  std::vector<Integer> WindowIds() {
    std::vector<Integer> ids;
    Integer saved = Link->GetActiveRecord();
    for (Integer i = 0; i < Link->RecordCount(); ++i) {
      Link->SetActiveRecord(i);
      ids.push_back(Id());
    }
    Link->SetActiveRecord(saved);
    return ids;
  }

  TMemoryDataSet* Data = nullptr;
  TDataSource* Source = nullptr;
  TRecordingLink* Link = nullptr;
};

TEST_F(DataLinkTest, OpenAndCloseReachTheLinkAsActiveChanged) {
  Data->Close();
  EXPECT_EQ(Link->Calls, (Log{"CheckBrowseMode", "ActiveChanged off"}));
  EXPECT_FALSE(Link->Active());
  Link->Calls.clear();
  Data->Open();
  EXPECT_EQ(Link->Calls, (Log{"ActiveChanged on"}));
  EXPECT_EQ(WindowIds(), (std::vector<Integer>{1, 2, 3, 4}));
  EXPECT_EQ(Link->GetActiveRecord(), 0);
}

TEST_F(DataLinkTest, ScrollsReportHowFarTheWindowMoved) {
  struct Step {
    const char* what;
    Integer (*run)(TDataSet*);
    Integer moved;
    Log calls;
    std::vector<Integer> window;
    Integer activeRecord;
  };
  const Step steps[] = {
      {"Next inside the window", [](TDataSet* d) { return d->MoveBy(1); }, 1,
       {"CheckBrowseMode", "DataSetScrolled 0"}, {1, 2, 3, 4}, 1},
      {"MoveBy to the window's end", [](TDataSet* d) { return d->MoveBy(2); }, 2,
       {"CheckBrowseMode", "DataSetScrolled 0"}, {1, 2, 3, 4}, 3},
      {"Next past the window", [](TDataSet* d) { return d->MoveBy(1); }, 1,
       {"CheckBrowseMode", "DataSetScrolled 1"}, {2, 3, 4, 5}, 3},
      {"MoveBy several past it", [](TDataSet* d) { return d->MoveBy(3); }, 3,
       {"CheckBrowseMode", "DataSetScrolled 3"}, {5, 6, 7, 8}, 3},
      {"Prior inside", [](TDataSet* d) { return d->MoveBy(-3); }, -3,
       {"CheckBrowseMode", "DataSetScrolled 0"}, {5, 6, 7, 8}, 0},
      {"Prior above it", [](TDataSet* d) { return d->MoveBy(-1); }, -1,
       {"CheckBrowseMode", "DataSetScrolled -1"}, {4, 5, 6, 7}, 0},
      {"MoveBy beyond the end stops at the last", [](TDataSet* d) { return d->MoveBy(100); }, 6,
       {"CheckBrowseMode", "DataSetScrolled 3"}, {7, 8, 9, 10}, 3},
      {"Next at the end moves nothing", [](TDataSet* d) { return d->MoveBy(1); }, 0,
       {"CheckBrowseMode"}, {7, 8, 9, 10}, 3},
      {"First refills", [](TDataSet* d) { d->First(); return 0; }, 0,
       {"CheckBrowseMode", "DataSetChanged"}, {1, 2, 3, 4}, 0},
      {"Last refills", [](TDataSet* d) { d->Last(); return 0; }, 0,
       {"CheckBrowseMode", "DataSetChanged"}, {7, 8, 9, 10}, 3},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.what);
    Link->Calls.clear();
    EXPECT_EQ(s.run(Data), s.moved);
    EXPECT_EQ(Link->Calls, s.calls);
    EXPECT_EQ(Link->GetActiveRecord(), s.activeRecord);
    EXPECT_EQ(WindowIds(), s.window);
  }
  EXPECT_TRUE(Data->Eof());
  EXPECT_EQ(Data->MoveBy(-100), -9);
  EXPECT_TRUE(Data->Bof());
  EXPECT_FALSE(Data->Eof());
}

TEST_F(DataLinkTest, TwoLinksEachSeeTheirOwnWindowShift) {
  TRecordingLink* small = New<TRecordingLink>();
  small->SetDataSource(Source);  // one record: every move shifts it
  small->Calls.clear();
  Data->MoveBy(2);
  EXPECT_EQ(small->Calls, (Log{"CheckBrowseMode", "DataSetScrolled 2"}));
  EXPECT_EQ(Link->Calls, (Log{"CheckBrowseMode", "DataSetScrolled 0"}));
  EXPECT_EQ(small->RecordCount(), 1);
  EXPECT_EQ(small->GetActiveRecord(), 0);
  small->Free();
}

TEST_F(DataLinkTest, RecNoAndBookmarkWritesRepositionAsDataSetChanged) {
  Data->SetRecNo(8);
  EXPECT_EQ(Link->Calls, (Log{"CheckBrowseMode", "DataSetChanged"}));
  EXPECT_EQ(Id(), 8);
  EXPECT_EQ(WindowIds(), (std::vector<Integer>{5, 6, 7, 8}));
  Link->SetActiveRecord(0);  // RecNo and Bookmark read the active record
  EXPECT_EQ(Data->GetRecNo(), 5);
  String fifth = Data->GetBookmark();
  Link->SetActiveRecord(3);

  Link->Calls.clear();
  Data->SetBookmark(fifth);
  EXPECT_EQ(Link->Calls, (Log{"CheckBrowseMode", "DataSetChanged"}));
  EXPECT_EQ(Id(), 5);

  Link->Calls.clear();
  EXPECT_THROW(Data->SetRecNo(11), EDatabaseError);
  EXPECT_THROW(Data->SetRecNo(0), EDatabaseError);
  EXPECT_THROW(Data->SetBookmark("no such record"), EDatabaseError);
  EXPECT_THROW(Data->SetBookmark(""), EDatabaseError);
  EXPECT_EQ(Id(), 5);
  EXPECT_EQ(Link->Calls, (Log{"CheckBrowseMode", "CheckBrowseMode", "CheckBrowseMode", "CheckBrowseMode"}));
}

TEST_F(DataLinkTest, EditAssignPostSequence) {
  EXPECT_TRUE(Link->Edit());
  EXPECT_EQ(Data->State(), dsEdit);
  Data->FieldByName("name")->SetAsString("changed");
  EXPECT_TRUE(Data->Modified());
  Data->Post();
  EXPECT_EQ(Link->Calls, (Log{"CheckBrowseMode", "EditingChanged on", "RecordChanged all", "RecordChanged name",
                              "UpdateData", "CheckBrowseMode", "EditingChanged off", "DataSetChanged"}));
  EXPECT_EQ(Data->FieldByName("name")->GetAsString(), "changed");
  Data->Close();
  Data->Open();
  EXPECT_EQ(Data->FieldByName("name")->GetAsString(), "changed");
}

TEST_F(DataLinkTest, CancelGivesTheOldValuesBack) {
  Data->Edit();
  Data->FieldByName("name")->SetAsString("changed");
  Link->Calls.clear();
  Data->Cancel();
  EXPECT_EQ(Link->Calls, (Log{"CheckBrowseMode", "EditingChanged off", "DataSetChanged"}));
  EXPECT_EQ(Data->FieldByName("name")->GetAsString(), "r1");
}

TEST_F(DataLinkTest, ScrollingPostsAPendingEditAndUpdateDataMayStopIt) {
  Data->Edit();
  Data->FieldByName("name")->SetAsString("kept");
  Data->Next();
  EXPECT_EQ(Data->State(), dsBrowse);
  EXPECT_EQ(Id(), 2);
  Data->Prior();
  EXPECT_EQ(Data->FieldByName("name")->GetAsString(), "kept");

  // Unmodified: the edit is cancelled instead.
  Data->Edit();
  Link->Calls.clear();
  Data->Next();
  EXPECT_EQ(Link->Calls, (Log{"CheckBrowseMode", "UpdateData", "CheckBrowseMode", "EditingChanged off",
                              "DataSetChanged", "DataSetScrolled 0"}));
}

TEST_F(DataLinkTest, InsertAndAppendPutTheNewRecordInTheWindowBeforeEditingChanged) {
  Data->SetRecNo(3);
  Link->Calls.clear();
  Data->Insert();
  EXPECT_EQ(Link->Calls, (Log{"CheckBrowseMode", "EditingChanged on", "DataSetChanged"}));
  EXPECT_FALSE(Link->EofAtEditing);
  EXPECT_EQ(Link->BookmarkAtEditing, "");
  EXPECT_EQ(Link->RecordCountAtEditing, 4);
  EXPECT_EQ(Link->GetActiveRecord(), 2);
  EXPECT_TRUE(Id() == 0 && Data->FieldByName("id")->IsNull());
  EXPECT_FALSE(Data->IsEmpty());
  Data->FieldByName("id")->SetAsInteger(25);
  Data->Post();
  EXPECT_EQ(Data->RecordCount(), 11);
  EXPECT_EQ(WindowIds(), (std::vector<Integer>{1, 2, 25, 3}));
  // The posted record orders between its neighbours.
  String inserted = Data->GetBookmark();
  Data->Prior();
  EXPECT_EQ(Data->CompareBookmarks(Data->GetBookmark(), inserted), -1);
  Data->MoveBy(2);
  EXPECT_EQ(Data->CompareBookmarks(Data->GetBookmark(), inserted), 1);

  Link->Calls.clear();
  Data->Append();
  EXPECT_EQ(Link->Calls, (Log{"CheckBrowseMode", "EditingChanged on", "DataSetChanged"}));
  EXPECT_TRUE(Link->EofAtEditing);
  EXPECT_EQ(Link->RecordCountAtEditing, 4);
  EXPECT_EQ(Link->GetActiveRecord(), 3);
  Link->Calls.clear();
  Data->Cancel();
  EXPECT_EQ(Link->Calls, (Log{"CheckBrowseMode", "EditingChanged off", "DataSetChanged"}));
  EXPECT_EQ(Data->RecordCount(), 11);
  EXPECT_EQ(Id(), 10);
}

TEST_F(DataLinkTest, DeleteMovesToTheNextRecordOrThePreviousAtTheEnd) {
  Data->SetRecNo(4);
  String deleted = Data->GetBookmark();
  Link->Calls.clear();
  Data->Delete();
  EXPECT_EQ(Link->Calls, (Log{"CheckBrowseMode", "DataSetChanged"}));
  EXPECT_EQ(Id(), 5);
  EXPECT_FALSE(Data->BookmarkValid(deleted));
  // A deleted record's bookmark keeps its place in the order.
  EXPECT_EQ(Data->CompareBookmarks(deleted, Data->GetBookmark()), -1);
  Data->Last();
  Data->Delete();
  EXPECT_EQ(Id(), 9);
  EXPECT_EQ(Data->RecordCount(), 8);
}

TEST_F(DataLinkTest, FieldLayoutChangesReachTheLink) {
  TField* name = Data->FieldByName("name");
  name->SetDisplayLabel("Name");
  name->SetDisplayWidth(30);
  name->SetVisible(false);
  name->SetReadOnly(true);
  name->SetDisplayLabel("Name");  // unchanged: nothing
  EXPECT_EQ(Link->Calls, (Log{"LayoutChanged", "LayoutChanged", "LayoutChanged", "LayoutChanged"}));
}

TEST_F(DataLinkTest, DisabledControlsHearNothingUntilTheLastEnable) {
  Data->DisableControls();
  Data->DisableControls();
  Data->Next();
  Data->Last();
  Data->EnableControls();
  EXPECT_TRUE(Link->Calls.empty());
  EXPECT_TRUE(Data->ControlsDisabled());
  Data->EnableControls();
  EXPECT_EQ(Link->Calls, (Log{"DataSetChanged"}));
  EXPECT_EQ(WindowIds(), (std::vector<Integer>{7, 8, 9, 10}));
}

TEST_F(DataLinkTest, LinkIsActiveOnlyWhileItsSourceIsEnabled) {
  Source->SetEnabled(false);
  EXPECT_FALSE(Link->Active());
  Source->SetEnabled(true);
  EXPECT_TRUE(Link->Active());
  EXPECT_EQ(Link->Calls, (Log{"ActiveChanged off", "ActiveChanged on"}));
}

TEST_F(DataLinkTest, FreeingTheSourceDetachesItsLinks) {
  TComponent* owner = New<TComponent>(nullptr);
  TDataSource* owned = New<TDataSource>(owner);
  owned->SetDataSet(Data);
  Link->SetDataSource(owned);
  Link->Calls.clear();
  owned->Free();
  EXPECT_EQ(Link->GetDataSource(), nullptr);
  EXPECT_EQ(Link->Calls, (Log{"ActiveChanged off"}));
  EXPECT_EQ(owner->ComponentCount(), 0);
  owner->Free();
}

TEST_F(DataLinkTest, ALargeWindowOverFewRecordsReportsEmptyBeyondThem) {
  Link->SetBufferCount(20);
  EXPECT_EQ(Link->RecordCount(), 10);
  Link->SetActiveRecord(9);
  EXPECT_FALSE(Data->IsEmpty());
  Link->SetActiveRecord(10);
  EXPECT_TRUE(Data->IsEmpty());
  EXPECT_TRUE(Data->FieldByName("id")->IsNull());
  Link->SetActiveRecord(0);
}

TEST_F(DataLinkTest, ReadOnlyDatasetRefusesEdits) {
  Data->SetCanModifyRows(false);
  EXPECT_FALSE(Data->CanModify());
  EXPECT_THROW(Data->Edit(), EDatabaseError);
  EXPECT_THROW(Data->Delete(), EDatabaseError);
  EXPECT_EQ(Data->State(), dsBrowse);
}

}  // namespace
