// The customization list box: a press on an item holding an object arms its drag, which starts once
// the pointer leaves the drag threshold or the item; the item objects select the items.
#include "cxControlsTestSupport.h"

#include "StringLists.h"

using namespace cxControlsTest;

namespace {

class TRecordingListBox : public TcxCustomizeListBox {
  DECLARE_CLASS(TRecordingListBox, TcxCustomizeListBox)
 public:
  std::vector<TObject*> Dragged;

 protected:
  void BeginDragAndDrop() override {
    inherited::BeginDragAndDrop();
    Dragged.push_back(GetDragAndDropItemObject());
  }
};
IMPLEMENT_CLASS(TRecordingListBox)

class CustomizeListBox : public TControlsFixture {
 protected:
  TRecordingListBox* List = nullptr;
  TComponent* Items[2] = {};
  void SetUp() override {
    TControlsFixture::SetUp();
    List = Add<TRecordingListBox>(10, 10, 150, 120);
    ShowForm();
    for (TComponent*& item : Items) item = New<TComponent>(Form);
    List->GetItems()->AddObject("一", Items[0]);
    List->GetItems()->AddObject("二", Items[1]);
    List->GetItems()->Add("no object");
  }
  TPoint ItemPoint(Integer AIndex) {
    const TRect r = List->ItemRect(AIndex);
    return TPoint(r.left + 10, (r.top + r.bottom) / 2);
  }
};

TEST_F(CustomizeListBox, AnItemWithAnObjectIsDraggedOnceThePointerLeavesIt) {
  const TPoint first = ItemPoint(0);
  Press(List, first.x, first.y);
  MoveTo(List, first.x + 2, first.y + 1);
  EXPECT_TRUE(List->Dragged.empty()) << "inside the threshold";
  EXPECT_EQ(List->GetDragAndDropItemIndex(), 0);
  MoveTo(List, first.x + 30, first.y);
  EXPECT_EQ(List->Dragged, std::vector<TObject*>{Items[0]});
  EXPECT_EQ(List->GetDragAndDropItemIndex(), -1);
  Release(List, first.x + 30, first.y);

  Step(1000);
  const TPoint third = ItemPoint(2);
  Press(List, third.x, third.y);
  MoveTo(List, third.x + 40, third.y);
  Release(List, third.x + 40, third.y);
  EXPECT_EQ(List->Dragged.size(), 1u) << "an item without an object is not dragged";
}

TEST_F(CustomizeListBox, ItemObjectsSelectTheirItems) {
  int clicks = 0;
  List->OnClick = [&](TObject*) { ++clicks; };
  List->SetItemObject(Items[1]);
  EXPECT_EQ(List->GetItemIndex(), 1);
  EXPECT_EQ(List->GetItemObject(), Items[1]);
  EXPECT_EQ(clicks, 1);
  List->SetItemIndex(-1);
  EXPECT_EQ(List->GetItemObject(), nullptr);
}

}  // namespace
