#include <gtest/gtest.h>

#include <vector>

#include "Closures.h"
#include "Exceptions.h"
#include "System.h"
#include "TypInfo.h"
#include "Units.h"

namespace {

std::vector<std::string> journal;

PUBLISHED_ENUM(TShapeKind, skCircle, skSquare, skTriangle)
using TShapeKinds = TSet<TShapeKind>;

class TShape : public TObject {
  DECLARE_CLASS(TShape, TObject)
 public:
  int GetSides() const { return FSides; }
  void SetSides(int v) { FSides = v; }
  TShapeKind GetKind() const { return FKind; }
  void SetKind(TShapeKind v) { FKind = v; }
  TShapeKinds GetAllowed() const { return FAllowed; }
  void SetAllowed(TShapeKinds v) { FAllowed = v; }
  String GetCaption() const { return FCaption; }
  void SetCaption(const String& v) { FCaption = v; }
  TNotifyEvent GetOnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent v) { FOnChange = v; }
  void DoChange() {
    if (FOnChange) FOnChange(this);
  }
  virtual const char* Describe() const { return "shape"; }

 protected:
  void Construct() override {
    inherited::Construct();
    journal.push_back(std::string("construct as ") + Describe());
  }
  void Destroy() override {
    journal.push_back(std::string("destroy as ") + Describe());
    inherited::Destroy();
  }

 private:
  int FSides = 0;
  TShapeKind FKind = skCircle;
  TShapeKinds FAllowed;
  String FCaption;
  TNotifyEvent FOnChange;
};
IMPLEMENT_CLASS_PUBLISHED(TShape) {
  d.Property("Sides", &TShape::GetSides, &TShape::SetSides).Default(0);
  d.Property("Kind", &TShape::GetKind, &TShape::SetKind).Default(skCircle);
  d.Property("Allowed", &TShape::GetAllowed, &TShape::SetAllowed);
  d.Property("Caption", &TShape::GetCaption, &TShape::SetCaption);
  d.Property("OnChange", &TShape::GetOnChange, &TShape::SetOnChange);
}

class TSquare : public TShape {
  DECLARE_CLASS(TSquare, TShape)
 public:
  const char* Describe() const override { return "square"; }
  void ShapeChanged(TObject* sender) { ++Changes; LastSender = sender; }
  void OtherHandler(TObject*) {}
  int Changes = 0;
  TObject* LastSender = nullptr;
};
IMPLEMENT_CLASS_PUBLISHED(TSquare) {
  d.Method("ShapeChanged", &TSquare::ShapeChanged);
  d.Method("OtherHandler", &TSquare::OtherHandler);
}

class TFailing : public TShape {
  DECLARE_CLASS(TFailing, TShape)
 public:
  const char* Describe() const override { return "failing"; }

 protected:
  void Construct() override {
    inherited::Construct();
    throw EInvalidOperation("cannot build");
  }
};
IMPLEMENT_CLASS(TFailing)

TEST(ObjectModel, ConstructionAndDestructionReachTheFinalClass) {
  journal.clear();
  TSquare* s = New<TSquare>();
  s->Free();
  EXPECT_EQ(journal, (std::vector<std::string>{"construct as square", "destroy as square"}));
}

TEST(ObjectModel, AFailingConstructorRunsTheDestructorAndPassesTheException) {
  journal.clear();
  EXPECT_THROW(New<TFailing>(), EInvalidOperation);
  EXPECT_EQ(journal, (std::vector<std::string>{"construct as failing", "destroy as failing"}));
}

TEST(ObjectModel, ClassRecordsKnowTheirAncestry) {
  TSquare* s = New<TSquare>();
  EXPECT_STREQ(s->ClassName(), "TSquare");
  EXPECT_EQ(s->ClassParent(), TShape::StaticClass());
  EXPECT_TRUE(s->InheritsFrom(TObject::StaticClass()));
  EXPECT_FALSE(TShape::StaticClass()->InheritsFrom(TSquare::StaticClass()));
  EXPECT_TRUE(Is<TShape>(s));
  EXPECT_EQ(As<TShape>(s), s);
  TObject* plain = New<TShape>();
  EXPECT_THROW(As<TSquare>(plain), EInvalidCast);
  plain->Free();
  s->Free();
}

TEST(ObjectModel, ClassReferencesCallTheClassMethodsOfTheReferencedClass) {
  TClassRef<TShape> shape = TClassRef<TShape>::Of<TShape>(), square = TClassRef<TShape>::Of<TSquare>();
  EXPECT_STREQ(shape->Describe(), "shape");
  EXPECT_STREQ(square->Describe(), "square");
  EXPECT_EQ(square.operator->(), TClassRef<TShape>(TSquare::StaticClass()).operator->());  // one shared instance
  EXPECT_FALSE(shape == square);
  EXPECT_TRUE(square.InheritsFrom(TShape::StaticClass()));
  EXPECT_FALSE(TClassRef<TShape>());
  EXPECT_THROW(TClassRef<TSquare>(TShape::StaticClass()), EInvalidCast);
}

TEST(ObjectModel, ClassesAreCreatedByRegisteredName) {
  RegisterClass(TSquare::StaticClass());
  EXPECT_EQ(GetClass("tsquare"), TSquare::StaticClass());
  EXPECT_EQ(GetClass("TNothing"), nullptr);
  EXPECT_THROW(FindClass("TNothing"), EClassNotFound);
  journal.clear();
  TObject* made = FindClass("TSquare")->Create();
  EXPECT_STREQ(made->ClassName(), "TSquare");
  EXPECT_EQ(journal.front(), "construct as square");
  made->Free();
  UnRegisterClass(TSquare::StaticClass());
  EXPECT_EQ(GetClass("TSquare"), nullptr);
}

TEST(TypeInformation, EnumerationsAndSetsByName) {
  const TTypeInfo* kind = TypeInfoOf<TShapeKind>();
  EXPECT_EQ(kind->Name, "TShapeKind");
  EXPECT_EQ(kind->MaxValue, 2);
  EXPECT_EQ(GetEnumName(kind, skTriangle), "skTriangle");
  EXPECT_EQ(GetEnumValue(kind, "SKSQUARE"), skSquare);
  EXPECT_EQ(GetEnumValue(kind, "skOval"), -1);
  const TTypeInfo* set = TypeInfoOf<TShapeKinds>();
  EXPECT_EQ(SetToString(set, TShapeKinds{skCircle, skTriangle}.ToBits(), true), "[skCircle,skTriangle]");
  EXPECT_EQ(StringToSet(set, "[ skTriangle , skSquare ]"), TShapeKinds({skSquare, skTriangle}).ToBits());
  EXPECT_THROW(StringToSet(set, "[skOval]"), EPropertyConvertError);
}

TEST(TypeInformation, PublishedPropertiesAreReadAndWrittenByName) {
  TSquare* s = New<TSquare>();
  SetOrdProp(s, "sides", 4);
  SetEnumProp(s, "Kind", "skSquare");
  SetSetProp(s, "Allowed", "[skSquare]");
  SetStrProp(s, "Caption", "方形");
  EXPECT_EQ(s->GetSides(), 4);
  EXPECT_EQ(GetEnumProp(s, "Kind"), "skSquare");
  EXPECT_EQ(GetSetProp(s, "Allowed", true), "[skSquare]");
  EXPECT_EQ(GetStrProp(s, "Caption"), "方形");
  EXPECT_THROW(GetOrdProp(s, "Missing"), EPropertyError);

  std::vector<String> names;
  for (const TPropInfo* p : GetPropList(s->ClassType())) names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<String>{"Sides", "Kind", "Allowed", "Caption", "OnChange"}));
  names.clear();
  for (const TPropInfo* p : GetPropList(s->ClassType(), true)) names.push_back(p->Name);
  EXPECT_EQ(names, (std::vector<String>{"Allowed", "Caption", "Kind", "OnChange", "Sides"}));
  EXPECT_EQ(GetPropInfo(s, "Kind")->Default, skCircle);
  s->Free();
}

TEST(Closures, CompareByCodeAndObjectAndRebind) {
  TSquare* a = New<TSquare>();
  TSquare* b = New<TSquare>();
  TNotifyEvent onA(a, &TSquare::ShapeChanged);
  TNotifyEvent onA2(a, &TSquare::ShapeChanged);
  TNotifyEvent onB(b, &TSquare::ShapeChanged);
  TNotifyEvent otherOnA(a, &TSquare::OtherHandler);
  EXPECT_EQ(onA, onA2);
  EXPECT_FALSE(onA == onB);
  EXPECT_EQ(onA.Code(), onB.Code());
  EXPECT_FALSE(onA.Code() == otherOnA.Code());
  EXPECT_TRUE(otherOnA.BoundTo(a));
  EXPECT_FALSE(TNotifyEvent().Assigned());

  a->SetOnChange(onB);
  a->DoChange();
  EXPECT_EQ(b->Changes, 1);
  EXPECT_EQ(b->LastSender, a);

  int calls = 0;
  TNotifyEvent lambda([&](TObject*) { ++calls; });
  TNotifyEvent copy = lambda;
  EXPECT_EQ(lambda, copy);
  EXPECT_FALSE(lambda == TNotifyEvent([&](TObject*) { ++calls; }));
  a->SetOnChange(copy);
  a->DoChange();
  EXPECT_EQ(calls, 1);
  a->Free();
  b->Free();
}

TEST(Closures, EventsBindToPublishedMethodsByName) {
  TSquare* handler = New<TSquare>();
  TShape* source = New<TShape>();
  TMethod m = MethodAddress(handler, "shapechanged");
  ASSERT_TRUE(m.Assigned());
  SetMethodProp(source, "OnChange", m);
  source->DoChange();
  EXPECT_EQ(handler->Changes, 1);
  EXPECT_EQ(MethodName(handler, GetMethodProp(source, "OnChange").Code), "ShapeChanged");
  EXPECT_FALSE(MethodAddress(handler, "NoSuchMethod").Assigned());
  using TOtherEvent = TClosure<void(int)>;
  EXPECT_THROW(TOtherEvent::FromMethod(m), EInvalidCast);
  source->Free();
  handler->Free();
}

TEST(Sets, OperationsFollowSetAlgebra) {
  TShapeKinds a{skCircle, skSquare}, b{skSquare, skTriangle};
  EXPECT_EQ(a + b, (TShapeKinds{skCircle, skSquare, skTriangle}));
  EXPECT_EQ(a - b, (TShapeKinds{skCircle}));
  EXPECT_EQ(a * b, (TShapeKinds{skSquare}));
  EXPECT_TRUE((TShapeKinds{skSquare}) <= a);
  EXPECT_FALSE(b <= a);
  EXPECT_TRUE(TShapeKinds().Empty());
  EXPECT_EQ(TShapeKinds::FromBits(a.ToBits()), a);
}

TEST(Exceptions, CarryTheirMessageAndClassName) {
  try {
    throw EListError("List index out of bounds (5)");
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (5)");
    EXPECT_STREQ(e.ClassName(), "EListError");
  }
  EXPECT_THROW(Abort(), EAbort);
  EXPECT_NO_THROW(Assert(true));
  EXPECT_THROW(Assert(false, "broken"), EAssertionFailed);
}

}  // namespace
