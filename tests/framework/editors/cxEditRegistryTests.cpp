// The edit repository and its items, the registry of editor kinds and the unit's routines.
#include "cxClassesRegistry.h"
#include "cxEditTestSupport.h"

namespace {

using namespace cxEditTest;

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
