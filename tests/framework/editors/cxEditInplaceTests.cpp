// Editors in place: the pool of in-place editors, their activation by key and by mouse from a host,
// the edit data a host keeps, and the catcher of held-back change events.
#include "ExtCtrls.h"
#include "Forms.h"
#include "cxEditTestSupport.h"

namespace {

using namespace cxEditTest;

class cxInplaceEditListTest : public TEditFixture {
 protected:
  TOwnedPtr<TcxInplaceEditList> List{New<TcxInplaceEditList>()};
  TOwnedPtr<TEditTestProperties> A{New<TEditTestProperties>()}, B{New<TEditTestProperties>()};
};

TEST_F(cxInplaceEditListTest, OneEditorServesEachSettingsObjectAndAFreedOneIsReused) {
  A->SetReadOnly(true);
  TcxCustomEdit* a = List->GetEdit(A.get());
  EXPECT_EQ(a, List->GetEdit(A.get()));
  EXPECT_TRUE(Is<TEditTestEdit>(a));
  EXPECT_TRUE(a->IsInplace());
  EXPECT_FALSE(a->GetVisible());
  EXPECT_TRUE(a->GetProperties()->GetReadOnly());
  TcxCustomEdit* b = List->GetEdit(B.get());
  EXPECT_NE(a, b);
  EXPECT_EQ(2, List->GetCount());
  List->DisconnectProperties(A.get());
  TOwnedPtr<TEditTestProperties> c = NewOwned<TEditTestProperties>();
  EXPECT_EQ(a, List->GetEdit(c.get()));
  EXPECT_FALSE(a->GetProperties()->GetReadOnly());
  EXPECT_EQ(2, List->GetCount());
}

TEST_F(cxInplaceEditListTest, RemovingByClassLeavesTheEditorsThatServeSettings) {
  TcxCustomEdit* a = List->GetEdit(A.get());
  TcxCustomEdit* spare = List->GetEdit(TEditTestProperties::StaticClass());
  EXPECT_NE(a, spare);
  EXPECT_EQ(spare, List->FindEdit(TEditTestProperties::StaticClass()));
  List->RemoveItem(TEditTestProperties::StaticClass());
  EXPECT_EQ(1, List->GetCount());
  const Integer first = 0;
  EXPECT_EQ(a, List->GetEdit(first));
  EXPECT_EQ(nullptr, List->GetEdit(-1));
  // Settings that go away leave their editor free.
  A.reset();
  EXPECT_EQ(a, List->FindEdit(TEditTestProperties::StaticClass()));
  List->RemoveItem(B.get());
  EXPECT_EQ(1, List->GetCount());
}

TEST_F(cxInplaceEditListTest, TheListOfListsLivesWhileAListDoes) {
  ASSERT_NE(nullptr, InplaceEditLists());
  TcxInplaceEditList* second = New<TcxInplaceEditList>();
  EXPECT_EQ(2u, InplaceEditLists()->size());
  second->Free();
  List.reset();
  EXPECT_EQ(nullptr, InplaceEditLists());
  List.reset(New<TcxInplaceEditList>());
  EXPECT_EQ(1u, InplaceEditLists()->size());
}

// A host: a panel on the form with one in-place editor of the pool over a cell.
class cxInplaceActivationTest : public TEditFixture {
 protected:
  TOwnedPtr<TcxInplaceEditList> List{New<TcxInplaceEditList>()};
  TOwnedPtr<TEditTestProperties> Properties{New<TEditTestProperties>()};
  TPanel* Host = nullptr;
  TEditTestEdit* Edit = nullptr;
  void SetUp() override {
    TEditFixture::SetUp();
    Host = Add<TPanel>(10, 10, 300, 200);
    Edit = static_cast<TEditTestEdit*>(List->GetEdit(Properties.get()));
    Edit->SetParent(Host);
    Edit->SetBounds(50, 40, 100, 20);
    Edit->OnKeyPress = TKeyPressEvent([this](TObject*, char& Key) { Log.push_back(String("key ") + Key); });
    Edit->OnMouseDown = TMouseEvent([this](TObject*, TMouseButton, TShiftState, Integer X, Integer Y) {
      Log.push_back("down " + std::to_string(X) + "," + std::to_string(Y));
    });
    Edit->OnDblClick = LogEvent("double click");
    ShowForm();
  }
  void TearDown() override {
    List.reset();
    TEditFixture::TearDown();
  }
};

TEST_F(cxInplaceActivationTest, AKeyActivatesTheEditorAndReachesIt) {
  TcxCustomEditData* data = nullptr;
  Edit->ActivateByKey('q', data);
  EXPECT_TRUE(Edit->GetVisible());
  EXPECT_TRUE(Edit->Focused());
  EXPECT_EQ((std::vector<String>{"key q"}), Log);
  EXPECT_TRUE(Edit->Deactivate());
}

TEST_F(cxInplaceActivationTest, AClickActivatesTheEditorAndASecondClickSoonIsADoubleClick) {
  TcxCustomEditData* data = nullptr;
  // The host's client coordinates of the point 5, 6 of the editor.
  Edit->ActivateByMouse({ssLeft}, 55, 46, data);
  EXPECT_TRUE(Edit->Focused());
  EXPECT_EQ((std::vector<String>{"down 5,6"}), Log);
  Log.clear();
  Press(Edit, 7, 6);
  Release(Edit, 7, 6);
  EXPECT_EQ((std::vector<String>{"double click", "down 7,6"}), Log);
  // Once the double-click time has passed, a click is a click.
  Edit->ActivateByMouse({ssLeft}, 55, 46, data);
  Step(GetDblClickInterval() + 50);
  Log.clear();
  Press(Edit, 7, 6);
  Release(Edit, 7, 6);
  EXPECT_EQ((std::vector<String>{"down 7,6"}), Log);
}

TEST_F(cxInplaceActivationTest, TheHostsEditDataIsInitialisedWhenClearedWhileCurrent) {
  Edit->EditDataClass = TcxCustomEditData::StaticClass();
  TcxCustomEditData* data = nullptr;
  Edit->Activate(data);
  ASSERT_NE(nullptr, data);
  EXPECT_EQ(data, Edit->GetEditData());
  EXPECT_EQ(1, Edit->EditDataInitializations);
  data->Clear();
  EXPECT_EQ(2, Edit->EditDataInitializations);
  EXPECT_FALSE(data->GetCleared());
  // Data the editor no longer holds stays cleared until its next activation.
  TcxCustomEditData* other = TcxCustomEditData::Create(TcxCustomEditData::StaticClass(), Edit);
  EXPECT_TRUE(other->GetCleared());
  Edit->Activate(other);
  EXPECT_FALSE(other->GetCleared());
  data->Free();
  other->Free();
}

class cxEditChangeEventsCatcherTest : public TEditFixture {};

TEST_F(cxEditChangeEventsCatcherTest, HeldBackEventsFireOnlyAtAnUnlockThatAsksForThem) {
  TEditTestEdit* edit = AddEdit();
  edit->GetProperties()->OnChange = LogEvent("change");
  TcxEditChangeEventsCatcher* catcher = New<TcxEditChangeEventsCatcher>(edit);
  catcher->Lock(true);
  catcher->OnChangeEvent = true;
  catcher->Lock(false, false);
  EXPECT_TRUE(Log.empty());
  catcher->Lock(true);
  EXPECT_FALSE(catcher->OnChangeEvent);
  catcher->OnChangeEvent = true;
  catcher->Lock(false);
  EXPECT_EQ((std::vector<String>{"change"}), Log);
  catcher->Lock(false);  // not locked: nothing
  EXPECT_EQ(1u, Log.size());
  catcher->Free();
}

}  // namespace
