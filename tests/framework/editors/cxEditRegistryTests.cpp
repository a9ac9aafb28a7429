// The edit repository and its items, the registry of editor kinds and the unit's routines.
#include "cxClassesRegistry.h"
#include "Forms.h"
#include "cxEditTestSupport.h"

namespace {

using namespace cxEditTest;

// The component's protected placing of an item, as the object stream uses it.
struct TComponentAccessForEditTests : TComponent {
  static void Place(TComponent* AItem, TComponent* AParent) {
    (AItem->*&TComponentAccessForEditTests::SetParentComponent)(AParent);
  }
};

class cxEditRepositoryTest : public TEditFixture {};

TEST_F(cxEditRepositoryTest, ItemsAreFoundByNameWhateverTheCaseAndLeaveWhenFreed) {
  TcxEditRepository* repository = CreateComponent<TcxEditRepository>(Form);
  repository->SetName("Repo");
  TcxEditRepositoryItem* item = repository->CreateItem(TEditTestRepositoryItem::StaticClass());
  item->SetName("TextItem");
  EXPECT_EQ(item, repository->ItemByName("textITEM"));
  EXPECT_EQ(nullptr, repository->ItemByName("Other"));
  EXPECT_EQ(repository, item->GetRepository());
  item->Free();
  EXPECT_EQ(0, repository->GetCount());
  // Items owned by the form are written with it; the repository frees its own.
  TcxEditRepositoryItem* owned = repository->CreateItem(TEditTestRepositoryItem::StaticClass());
  TcxEditRepositoryItem* formItem = repository->CreateItemEx(TEditTestRepositoryItem::StaticClass(), Form);
  std::vector<TComponent*> children;
  repository->GetChildren(TGetChildProc([&](TComponent* AChild) { children.push_back(AChild); }), Form);
  EXPECT_EQ((std::vector<TComponent*>{formItem}), children);
  EXPECT_EQ(owned->GetParentComponent(), repository);
  repository->Clear();
  EXPECT_EQ(0, repository->GetCount());
}

// A kind whose class name follows the repository's naming.
class TcxEditRepositoryNumberItem : public TcxEditRepositoryItem {
  DECLARE_CLASS(TcxEditRepositoryNumberItem, TcxEditRepositoryItem)
 public:
  explicit TcxEditRepositoryNumberItem(TComponent* AOwner = nullptr) : TcxEditRepositoryItem(AOwner) {}
};
IMPLEMENT_CLASS(TcxEditRepositoryNumberItem)

TEST_F(cxEditRepositoryTest, ABaseNameIsProposedInsideAndOutsideARepository) {
  TcxEditRepository* repository = CreateComponent<TcxEditRepository>(Form);
  repository->SetName("Repo");
  TcxEditRepositoryItem* item = repository->CreateItem(TcxEditRepositoryNumberItem::StaticClass());
  EXPECT_EQ("RepoNumberItem", item->GetBaseName());
  EXPECT_EQ("Repo", repository->CreateItem(TEditTestRepositoryItem::StaticClass())->GetBaseName());
  item->SetRepository(nullptr);
  EXPECT_EQ("NumberItem", item->GetBaseName());
  item->Free();
  TcxEditRepositoryItem* loose = CreateComponent<TEditTestRepositoryItem>(Form);
  EXPECT_EQ("EditTestRepositoryItem", loose->GetBaseName());
}

TEST_F(cxEditRepositoryTest, AnItemMovesOnlyIntoARepository) {
  TcxEditRepositoryItem* item = CreateComponent<TEditTestRepositoryItem>(Form);
  EXPECT_FALSE(item->HasParent());
  EXPECT_THROW(TComponentAccessForEditTests::Place(item, Form), EInvalidCast);
  TcxEditRepository* repository = CreateComponent<TcxEditRepository>(Form);
  TComponentAccessForEditTests::Place(item, repository);
  EXPECT_EQ(repository, item->GetRepository());
  EXPECT_TRUE(item->HasParent());
}

TEST(cxEditRoutines, SpacesShortcutsSizesAndValueEquality) {
  for (int c : {0, 9, 10, 12, 13, 32}) EXPECT_TRUE(IsSpaceChar(static_cast<char>(c))) << c;
  for (int c : {11, 97, 160}) EXPECT_FALSE(IsSpaceChar(static_cast<char>(c))) << c;
  EXPECT_EQ(TShiftState{ssRight}, ButtonToShift(mbRight));
  EXPECT_EQ(TShiftState{}, cxButtonToShift(cxmbNone));
  EXPECT_EQ(TShiftState{ssMiddle}, cxButtonToShift(cxmbMiddle));
  TSize size{10, 30};
  CheckSize(size, TSize{20, 5});
  EXPECT_EQ(20, size.cx);
  EXPECT_EQ(30, size.cy);
  EXPECT_TRUE(cxEditVarEquals(Variant(1), Variant(1.0)));
  EXPECT_FALSE(cxEditVarEquals(Variant(1), Variant("1")));
  EXPECT_TRUE(cxEditVarEquals(Variant("a"), Variant("a")));
  EXPECT_FALSE(InternalVarEqualsExact(Variant(1), Variant(1.0)));
  EXPECT_TRUE(cxEditVarEquals(Null(), Null()));
}

TEST(cxEditRoutines, TheUnitKeepsTheRegistryTheDefaultsAndTheSwitch) {
  EXPECT_TRUE(GetRegisteredEditProperties()->GetSorted());
  EXPECT_EQ(GetDefaultEditRepository(), GetDefaultEditRepository());
  EXPECT_EQ(cxContainerDefaultStyleController, DefaultEditStyleController());
  EXPECT_NE(nullptr, Screen->GetCursors(crcxEditMouseWheel));
  EXPECT_FALSE(EmulateStandardControlDrawing());
  SetStandardControlDrawingEmulationMode(true);
  EXPECT_TRUE(EmulateStandardControlDrawing());
  SetStandardControlDrawingEmulationMode(false);
}

}  // namespace

namespace {

using namespace cxEditTest;

class cxEditLifeTest : public TEditFixture {};

TEST_F(cxEditLifeTest, AnEditorIsMadeWithItsKindsObjectsAndFreedWithItsForm) {
  TEditTestEdit* edit = AddEdit();
  ShowForm();
  EXPECT_TRUE(Is<TEditTestProperties>(edit->GetProperties()));
  EXPECT_TRUE(Is<TcxEditStyle>(edit->GetStyle()));
  EXPECT_TRUE(Is<TcxCustomEditViewInfo>(edit->GetViewInfo()));
  EXPECT_TRUE(Is<TEditTestDataBinding>(edit->GetDataBinding()));
  EXPECT_TRUE(VarIsNull(edit->GetEditValue()));
}

}  // namespace
