// Editor settings: the update lock, provider-backed values, the two alignments, assignment and the
// kind's class factories.
#include "cxEditTestSupport.h"

namespace {

using namespace cxEditTest;

// A provider whose answers the test sets.
class TEditTestProvider : public TcxCustomEditDefaultValuesProvider {
  DECLARE_CLASS(TEditTestProvider, TcxCustomEditDefaultValuesProvider)
 public:
  bool ReadOnly = false;
  TAlignment Alignment = taRightJustify;
  bool DefaultReadOnly() override { return ReadOnly; }
  TAlignment DefaultAlignment() override { return Alignment; }
};
IMPLEMENT_CLASS(TEditTestProvider)

// Settings with their change notifications counted.
struct TCountedProperties {
  TOwnedPtr<TEditTestProperties> Properties{New<TEditTestProperties>()};
  int Changes = 0;
  TCountedProperties() {
    Properties->OnPropertiesChanged = TNotifyEvent([this](TObject*) { ++Changes; });
  }
};

TEST(cxEditProperties, NestedUpdatesNotifyOnceAtTheOuterEndAndNotWhenToldNotTo) {
  TCountedProperties counted;
  TEditTestProperties* p = counted.Properties.get();
  for (bool invoke : {true, false}) {
    counted.Changes = 0;
    p->BeginUpdate();
    p->BeginUpdate();
    p->SetAutoSelect(!p->GetAutoSelect());
    p->SetTransparent(!p->GetTransparent());
    p->SetButtonsViewStyle(p->GetButtonsViewStyle() == bvsNormal ? bvsButtonsOnly : bvsNormal);
    p->EndUpdate(invoke);
    EXPECT_EQ(0, counted.Changes);
    p->EndUpdate(invoke);
    EXPECT_EQ(invoke ? 1 : 0, counted.Changes) << "invoke " << invoke;
  }
  counted.Changes = 0;
  p->LockUpdate(true);
  p->SetTransparent(!p->GetTransparent());
  p->LockUpdate(false);
  EXPECT_EQ(0, counted.Changes);
}

TEST(cxEditProperties, AssigningAnUnassignedValueNotifiesEvenWhenItIsTheDefault) {
  TCountedProperties counted;
  TEditTestProperties* p = counted.Properties.get();
  p->SetReadOnly(false);
  EXPECT_EQ(1, counted.Changes);
  EXPECT_TRUE(p->GetAssignedValues()->GetReadOnly());
  p->SetReadOnly(false);
  EXPECT_EQ(1, counted.Changes);
  p->FillMinMaxValues(10, 1);
  p->FillMinMaxValues(10, 1);
  EXPECT_EQ(2, counted.Changes);
  EXPECT_EQ(10, p->GetMaxValue());
  p->RestoreDefaults();
  EXPECT_FALSE(p->GetAssignedValues()->GetReadOnly());
  EXPECT_EQ(0, p->GetMaxValue());
}

TEST(cxEditProperties, TheProviderAnswersWhatIsNotAssigned) {
  TOwnedPtr<TEditTestProvider> provider = NewOwned<TEditTestProvider>();
  TOwnedPtr<TEditTestProperties> p = NewOwned<TEditTestProperties>();
  EXPECT_EQ(taLeftJustify, p->GetAlignment()->GetHorz());
  EXPECT_TRUE(p->CanModify());
  p->SetIDefaultValuesProvider(provider.get());
  provider->ReadOnly = true;
  EXPECT_FALSE(p->CanModify());
  EXPECT_TRUE(p->GetReadOnly());
  p->SetReadOnly(false);
  EXPECT_TRUE(p->CanModify());
  // The default fills in the alignment shown without assigning it.
  EXPECT_EQ(taRightJustify, p->GetAlignment()->GetHorz());
  EXPECT_FALSE(p->IsAlignmentStored());
  p->GetAlignment()->SetHorz(taCenter);
  EXPECT_TRUE(p->IsAlignmentStored());
  EXPECT_EQ(taCenter, p->GetAlignment()->GetHorz());
  // A provider that goes takes itself out of the settings that use it.
  provider.reset();
  EXPECT_EQ(nullptr, p->GetIDefaultValuesProvider());
}

TEST(cxEditProperties, AssignmentCopiesSettingsButtonsFlagsAndEventsButNotTheOwnersHandler) {
  TCountedProperties source, target;
  TEditTestProperties* s = source.Properties.get();
  s->SetClearKey(ShortCut(VK_DELETE, {ssCtrl}));
  s->SetValidateOnEnter(true);
  s->SetMaxValue(5);
  s->GetButtons()->Add()->SetCaption("&Go");
  s->OnChange = TNotifyEvent([](TObject*) {});
  target.Properties->Assign(s);
  TEditTestProperties* t = target.Properties.get();
  EXPECT_EQ(s->GetClearKey(), t->GetClearKey());
  EXPECT_TRUE(t->GetValidateOnEnter());
  EXPECT_TRUE(t->GetAssignedValues()->GetMaxValue());
  EXPECT_FALSE(t->GetAssignedValues()->GetMinValue());
  EXPECT_EQ(5, t->GetMaxValue());
  ASSERT_EQ(1, t->GetButtons()->Count());
  EXPECT_EQ("Go", t->GetButtons()->GetItem(0)->GetCaptionWithoutAccelChars());
  EXPECT_TRUE(static_cast<bool>(t->OnChange));
  EXPECT_EQ(1, target.Changes);
  EXPECT_EQ(16397, NewOwned<TEditTestProperties>()->GetClickKey());
}

TEST(cxEditProperties, TheKindNamesItsClassesAndSizeQuestionsUseAViewDataOfIt) {
  TOwnedPtr<TEditTestProperties> p = NewOwned<TEditTestProperties>();
  EXPECT_EQ(TEditTestEdit::StaticClass(), p->GetContainerClass());
  EXPECT_EQ(TcxEditStyle::StaticClass(), p->GetStyleClass());
  EXPECT_EQ(TcxCustomEditViewInfo::StaticClass(), p->GetViewInfoClass());
  EXPECT_TRUE(p->GetSupportedOperations().Empty());
  p->GetButtons()->Add();
  EXPECT_TRUE(p->GetSupportedOperations().Contains(esoHotTrack));
  TOwnedPtr<TcxCustomEditProperties> preview(p->CreatePreviewProperties());
  EXPECT_EQ(p->ClassType(), preview->ClassType());
  TOwnedPtr<TcxCustomEditViewData> viewData(p->CreateViewData(nullptr, true, true));
  EXPECT_TRUE(viewData->PreviewMode);
  EXPECT_TRUE(viewData->IsInplace());
}

TEST(cxEditProperties, AlignmentNotifiesOnFirstAssignmentAndOnChanges) {
  TOwnedPtr<TcxEditAlignment> alignment = NewOwned<TcxEditAlignment>();
  int changes = 0;
  alignment->OnChanged = TNotifyEvent([&](TObject*) { ++changes; });
  alignment->SetHorz(taLeftJustify);
  alignment->SetHorz(taLeftJustify);
  alignment->SetVert(taTopJustify);
  alignment->SetVert(taVCenter);
  EXPECT_EQ(2, changes);
  alignment->Reset();
  EXPECT_FALSE(alignment->IsHorzAssigned());
  EXPECT_EQ(taVCenter, alignment->GetVert());
}

}  // namespace
