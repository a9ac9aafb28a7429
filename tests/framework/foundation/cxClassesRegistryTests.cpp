#include <gtest/gtest.h>

#include "Exceptions.h"

#include "cxClasses.h"

namespace {

// A, B child of A, C child of B; D under C; E under B beside C; U unrelated.
class TRegA : public TObject {
  DECLARE_CLASS(TRegA, TObject)
};
class TRegB : public TRegA {
  DECLARE_CLASS(TRegB, TRegA)
};
class TRegC : public TRegB {
  DECLARE_CLASS(TRegC, TRegB)
};
class TRegD : public TRegC {
  DECLARE_CLASS(TRegD, TRegC)
};
class TRegE : public TRegB {
  DECLARE_CLASS(TRegE, TRegB)
};
class TRegU : public TObject {
  DECLARE_CLASS(TRegU, TObject)
};
class TRegAnswerA : public TObject {
  DECLARE_CLASS(TRegAnswerA, TObject)
};
class TRegAnswerB : public TObject {
  DECLARE_CLASS(TRegAnswerB, TObject)
};
class TRegAnswerC : public TObject {
  DECLARE_CLASS(TRegAnswerC, TObject)
};
IMPLEMENT_CLASS(TRegA)
IMPLEMENT_CLASS(TRegB)
IMPLEMENT_CLASS(TRegC)
IMPLEMENT_CLASS(TRegD)
IMPLEMENT_CLASS(TRegE)
IMPLEMENT_CLASS(TRegU)
IMPLEMENT_CLASS(TRegAnswerA)
IMPLEMENT_CLASS(TRegAnswerB)
IMPLEMENT_CLASS(TRegAnswerC)

TEST(TcxRegisteredClassList, KeepsAncestorsFirstAndFindsTheNearest) {
  auto* list = New<TcxRegisteredClassList>();
  list->Register(TRegA::StaticClass(), TRegAnswerA::StaticClass());
  list->Register(TRegC::StaticClass(), TRegAnswerC::StaticClass());
  list->Register(TRegB::StaticClass(), TRegAnswerB::StaticClass());
  ASSERT_EQ(list->GetCount(), 3);
  EXPECT_EQ(list->GetItem(0)->ItemClass, TRegA::StaticClass());
  EXPECT_EQ(list->GetItem(1)->ItemClass, TRegB::StaticClass());
  EXPECT_EQ(list->GetItem(2)->ItemClass, TRegC::StaticClass());

  struct Case {
    TClass Looked;
    TClass Found;
  } cases[] = {
      {TRegD::StaticClass(), TRegAnswerC::StaticClass()},
      {TRegC::StaticClass(), TRegAnswerC::StaticClass()},
      {TRegE::StaticClass(), TRegAnswerB::StaticClass()},
      {TRegA::StaticClass(), TRegAnswerA::StaticClass()},
      {TRegU::StaticClass(), nullptr},
      {TObject::StaticClass(), nullptr},
  };
  for (const Case& c : cases) EXPECT_EQ(list->FindClass(c.Looked), c.Found) << c.Looked->Name;

  // A class not registered lands before its first registered descendant.
  Integer index = -1;
  EXPECT_FALSE(list->Find(TObject::StaticClass(), index));
  EXPECT_EQ(index, 0);
  index = 7;
  EXPECT_FALSE(list->Find(TRegU::StaticClass(), index));
  EXPECT_EQ(index, 7);
  list->Free();
}

TEST(TcxRegisteredClassList, NewestRegistrationWinsAndUnregisterRemovesThePair) {
  auto* list = New<TcxRegisteredClassList>();
  list->Register(TRegB::StaticClass(), TRegAnswerA::StaticClass());
  list->Register(TRegB::StaticClass(), TRegAnswerB::StaticClass());
  EXPECT_EQ(list->FindClass(TRegC::StaticClass()), TRegAnswerB::StaticClass());
  list->Unregister(TRegB::StaticClass(), TRegAnswerB::StaticClass());
  EXPECT_EQ(list->FindClass(TRegC::StaticClass()), TRegAnswerA::StaticClass());
  list->Unregister(TRegB::StaticClass(), TRegAnswerC::StaticClass());  // no such pair
  EXPECT_EQ(list->GetCount(), 1);
  list->Clear();
  EXPECT_EQ(list->FindClass(TRegC::StaticClass()), nullptr);
  EXPECT_THROW(list->GetItem(0), EListError);
  list->Free();
}

TEST(TcxRegisteredClasses, DescriptionsHintsAndLookups) {
  auto* classes = New<TcxRegisteredClasses>();
  classes->Register(TRegA::StaticClass(), "Alpha|The first");
  classes->Register(TRegB::StaticClass(), "Beta");
  classes->Register(TRegC::StaticClass(), "Gamma|");
  classes->Register(TRegA::StaticClass(), "again");  // present already: ignored
  ASSERT_EQ(classes->GetCount(), 3);

  struct Case {
    TClass Class;
    const char* Description;
    const char* Hint;
  } cases[] = {
      {TRegA::StaticClass(), "Alpha", "The first"},
      {TRegB::StaticClass(), "Beta", "Beta"},
      {TRegC::StaticClass(), "Gamma", ""},
      {TRegU::StaticClass(), "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(classes->GetDescriptionByClass(c.Class), c.Description) << c.Class->Name;
    EXPECT_EQ(classes->GetHintByClass(c.Class), c.Hint) << c.Class->Name;
  }
  EXPECT_EQ(classes->GetIndexByClass(TRegB::StaticClass()), 1);
  EXPECT_EQ(classes->GetIndexByClass(TRegU::StaticClass()), -1);
  EXPECT_EQ(classes->FindByClassName("TRegC"), TRegC::StaticClass());
  EXPECT_EQ(classes->FindByClassName("tregc"), nullptr);
  EXPECT_EQ(classes->FindByDescription("Alpha"), TRegA::StaticClass());
  EXPECT_EQ(classes->FindByDescription("alpha"), nullptr);

  classes->Unregister(TRegB::StaticClass());
  EXPECT_EQ(classes->GetCount(), 2);
  EXPECT_EQ(classes->GetItem(1), TRegC::StaticClass());
  classes->Free();
}

TEST(TcxRegisteredClasses, SortedByDescriptionIgnoringCase) {
  auto* classes = New<TcxRegisteredClasses>();
  classes->Register(TRegA::StaticClass(), "delta");
  classes->Register(TRegB::StaticClass(), "Bravo");
  classes->SetSorted(true);
  EXPECT_EQ(classes->GetDescription(0), "Bravo");
  classes->Register(TRegC::StaticClass(), "alpha|hint");
  classes->Register(TRegD::StaticClass(), "Charlie");
  std::vector<String> order;
  for (Integer i = 0; i < classes->GetCount(); ++i) order.push_back(classes->GetDescription(i));
  EXPECT_EQ(order, (std::vector<String>{"alpha", "Bravo", "Charlie", "delta"}));
  classes->Free();
}

TEST(TcxRegisteredClasses, StreamingRegistrationWhenAsked) {
  ASSERT_EQ(GetClass("TRegE"), nullptr);
  auto* plain = New<TcxRegisteredClasses>();
  plain->Register(TRegE::StaticClass(), "E");
  EXPECT_EQ(GetClass("TRegE"), nullptr);
  auto* streaming = New<TcxRegisteredClasses>(true);
  streaming->Register(TRegE::StaticClass(), "E");
  EXPECT_EQ(GetClass("TRegE"), TRegE::StaticClass());
  UnRegisterClass(TRegE::StaticClass());
  plain->Free();
  streaming->Free();
}

}  // namespace
