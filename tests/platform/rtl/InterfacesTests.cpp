#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Exceptions.h"
#include "Interfaces.h"

namespace {

std::vector<std::string> journal;

class IShape : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IShape, "{1B0E4C5A-7F0D-4D7E-9C1B-2A6E0F1D3C41}")
 public:
  virtual int Sides() = 0;
};

class IColoured : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IColoured, "{1B0E4C5A-7F0D-4D7E-9C1B-2A6E0F1D3C42}")
 public:
  virtual int Colour() = 0;
};

// Never registered anywhere: only its GUID is known to the test.
constexpr TGUID IID_Unregistered = "{1B0E4C5A-7F0D-4D7E-9C1B-2A6E0F1D3C43}"_guid;

// A counted object with two interfaces.
class TSquare : public TInterfacedObject, public IShape, public IColoured {
  DECLARE_CLASS(TSquare, TInterfacedObject)
 public:
  int Sides() override { return 4; }
  int Colour() override { return 0xFF; }

 protected:
  void Construct() override {
    inherited::Construct();
    // References taken and dropped while constructing must not free the object.
    TInterfaceRef<IShape> self(static_cast<IShape*>(this));
  }
  void Destroy() override {
    journal.push_back("square freed");
    // Nor may references taken and dropped while freeing free it a second time.
    TInterfaceRef<IShape> self(static_cast<IShape*>(this));
    inherited::Destroy();
  }
};
IMPLEMENT_CLASS(TSquare)

// A non-counted object, as a component is.
class TTriangle : public TObject, public TNoRefCountObject, public IShape {
  DECLARE_CLASS(TTriangle, TObject)
 public:
  int Sides() override { return 3; }
};
IMPLEMENT_CLASS(TTriangle)

class TPlain : public TObject {
  DECLARE_CLASS(TPlain, TObject)
};
IMPLEMENT_CLASS(TPlain)

// Answers IColoured for the object it wraps (delegation), the rest from its own class.
class TWrapper : public TInterfacedObject {
  DECLARE_CLASS(TWrapper, TInterfacedObject)
 public:
  TSquare* Inner = nullptr;
  HRESULT QueryInterface(const TGUID& iid, void** obj) override {
    if (iid == IColoured::InterfaceGUID) return Inner->QueryInterface(iid, obj);
    return inherited::QueryInterface(iid, obj);
  }
};
IMPLEMENT_CLASS(TWrapper)

class Interfaces : public ::testing::Test {
 protected:
  void SetUp() override {
    journal.clear();
    RegisterInterface<IShape>();
    RegisterInterface<IColoured>();
  }
};

TEST_F(Interfaces, EverydayQueryIsACrossCastWithoutCounting) {
  TSquare* square = New<TSquare>();
  TPlain* plain = New<TPlain>();
  ASSERT_NE(Supports<IShape>(square), nullptr);
  EXPECT_EQ(Supports<IShape>(square)->Sides(), 4);
  IColoured* coloured = nullptr;
  EXPECT_TRUE(Supports<IColoured>(static_cast<IShape*>(square), coloured));  // interface to interface
  EXPECT_EQ(coloured->Colour(), 0xFF);
  EXPECT_EQ(Supports<IShape>(plain), nullptr);
  EXPECT_EQ(Supports<IShape>(static_cast<TObject*>(nullptr)), nullptr);
  EXPECT_EQ(square->RefCount(), 0);
  square->Free();
  plain->Free();
}

TEST_F(Interfaces, GuidQueryAnswersOrRefusesWithNoInterface) {
  TTriangle* triangle = New<TTriangle>();
  void* p = reinterpret_cast<void*>(1);
  ASSERT_EQ(triangle->QueryInterface(IShape::InterfaceGUID, &p), S_OK);
  EXPECT_EQ(static_cast<IShape*>(p)->Sides(), 3);
  EXPECT_EQ(triangle->QueryInterface(IColoured::InterfaceGUID, &p), static_cast<HRESULT>(0x80004002u));
  EXPECT_EQ(p, nullptr);
  EXPECT_EQ(triangle->QueryInterface(IID_Unregistered, &p), E_NOINTERFACE);
  EXPECT_TRUE(Supports(triangle, IInterface::InterfaceGUID));
  EXPECT_FALSE(Supports(static_cast<TObject*>(nullptr), IShape::InterfaceGUID));

  // An object without any interface is asked through its class alone.
  TPlain* plain = New<TPlain>();
  EXPECT_FALSE(Supports(plain, IShape::InterfaceGUID, &p));
  EXPECT_FALSE(GetInterface(plain, IInterface::InterfaceGUID, &p));
  plain->Free();
  triangle->Free();
}

TEST_F(Interfaces, NonCountedObjectsIgnoreReferences) {
  TTriangle* triangle = New<TTriangle>();
  EXPECT_EQ(triangle->_AddRef(), -1);
  EXPECT_EQ(triangle->_Release(), -1);
  EXPECT_EQ(triangle->_Release(), -1);
  {
    TInterfaceRef<IShape> ref(triangle);
  }
  EXPECT_EQ(triangle->Sides(), 3);  // still alive
  triangle->Free();
}

TEST_F(Interfaces, CountedObjectIsFreedOnTheLastRelease) {
  TSquare* square = New<TSquare>();
  EXPECT_EQ(square->RefCount(), 0);  // the construction guard is lifted
  {
    TInterfaceRef<IShape> shape(square);
    auto coloured = QueryInterfaceRef<IColoured>(shape.Get());
    ASSERT_TRUE(coloured);
    EXPECT_EQ(square->RefCount(), 2);
    TInterfaceRef<IShape> copy = shape;
    EXPECT_EQ(square->RefCount(), 3);
    EXPECT_FALSE(QueryInterfaceRef<IShape>(nullptr));
    EXPECT_TRUE(journal.empty());
  }
  EXPECT_EQ(journal, std::vector<std::string>{"square freed"});
}

TEST_F(Interfaces, FreeingAReferencedObjectRaises) {
  TSquare* square = New<TSquare>();
  TInterfaceRef<IShape> ref(square);
  EXPECT_THROW(square->Free(), EInvalidPointer);
  EXPECT_TRUE(journal.empty());
}

TEST_F(Interfaces, ASupportsTestReleasesTheObjectThatAnswered) {
  TSquare* inner = New<TSquare>();
  TWrapper* wrapper = New<TWrapper>();
  wrapper->Inner = inner;
  TInterfaceRef<IInterface> holdInner(static_cast<IShape*>(inner));
  TInterfaceRef<IInterface> holdWrapper(static_cast<IInterface*>(wrapper));

  EXPECT_TRUE(Supports(wrapper, IColoured::InterfaceGUID));
  EXPECT_FALSE(Supports(wrapper, IShape::InterfaceGUID));
  EXPECT_EQ(inner->RefCount(), 1);
  EXPECT_EQ(wrapper->RefCount(), 1);
  void* p = nullptr;
  ASSERT_TRUE(Supports(static_cast<TObject*>(wrapper), IColoured::InterfaceGUID, &p));
  EXPECT_EQ(inner->RefCount(), 2);  // the reference handed out is the inner object's
  static_cast<IColoured*>(p)->_Release();
}

class ILate : public virtual IInterface {
  DECLARE_INTERFACE_GUID(ILate, "{1B0E4C5A-7F0D-4D7E-9C1B-2A6E0F1D3C44}")
};

TEST_F(Interfaces, AGuidFirstSeenThroughTheTemplateFormIsRegistered) {
  TTriangle* triangle = New<TTriangle>();
  EXPECT_FALSE(FindInterface(ILate::InterfaceGUID));
  EXPECT_EQ(Supports<ILate>(triangle), nullptr);
  EXPECT_TRUE(FindInterface(ILate::InterfaceGUID));
  triangle->Free();
}

// ---- TInterfaceList ---------------------------------------------------------------------------------------
TEST_F(Interfaces, InterfaceListCountsWhatItHolds) {
  TInterfaceList* list = New<TInterfaceList>();
  TSquare* a = New<TSquare>();
  TSquare* b = New<TSquare>();
  IShape* ia = a;
  IShape* ib = b;
  EXPECT_EQ(list->Add(ia), 0);
  EXPECT_EQ(list->Add(ib), 1);
  list->Insert(0, ib);
  EXPECT_EQ(list->GetCount(), 3);
  EXPECT_EQ(b->RefCount(), 2);
  EXPECT_EQ(list->IndexOf(ia), 1);
  EXPECT_EQ(list->First(), static_cast<IInterface*>(ib));
  list->Exchange(0, 1);
  EXPECT_EQ(list->First(), static_cast<IInterface*>(ia));

  EXPECT_EQ(list->Remove(ib), 1);  // the first occurrence
  EXPECT_EQ(list->Remove(nullptr), -1);
  list->Delete(0);  // a's last reference
  EXPECT_EQ(journal, std::vector<std::string>{"square freed"});
  EXPECT_EQ(list->Last(), static_cast<IInterface*>(ib));

  list->SetCount(3);  // growth adds empty entries
  EXPECT_EQ(list->GetItems(2), nullptr);
  list->SetItems(2, ib);
  EXPECT_EQ(b->RefCount(), 2);
  list->Free();  // releases what it holds
  EXPECT_EQ(journal.size(), 2u);
}

TEST_F(Interfaces, InterfaceListIndexErrors) {
  TInterfaceList* list = New<TInterfaceList>();
  struct Case {
    const char* what;
    void (*op)(TInterfaceList*);
    const char* message;
  } cases[] = {
      {"get", [](TInterfaceList* l) { l->GetItems(0); }, "List index out of bounds (0)"},
      {"first of empty", [](TInterfaceList* l) { l->First(); }, "List index out of bounds (0)"},
      {"last of empty", [](TInterfaceList* l) { l->Last(); }, "List index out of bounds (-1)"},
      {"delete", [](TInterfaceList* l) { l->Delete(-1); }, "List index out of bounds (-1)"},
      {"insert past end", [](TInterfaceList* l) { l->Insert(1, nullptr); }, "List index out of bounds (1)"},
      {"count", [](TInterfaceList* l) { l->SetCount(-2); }, "List count out of bounds (-2)"},
  };
  for (const Case& c : cases) {
    try {
      c.op(list);
      ADD_FAILURE() << c.what;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), c.message) << c.what;
    }
  }
  list->Free();
}

// An item whose destruction takes it out of the list that released it.
class TSelfRemoving : public TInterfacedObject, public IShape {
  DECLARE_CLASS(TSelfRemoving, TInterfacedObject)
 public:
  TInterfaceList* List = nullptr;
  int Sides() override { return 0; }

 protected:
  void Destroy() override {
    List->Remove(static_cast<IShape*>(this));
    journal.push_back("removed itself");
    inherited::Destroy();
  }
};
IMPLEMENT_CLASS(TSelfRemoving)

TEST_F(Interfaces, InterfaceListSurvivesItemsThatTouchItWhileFreed) {
  TInterfaceList* list = New<TInterfaceList>();
  for (int i = 0; i < 3; ++i) {
    auto* item = New<TSelfRemoving>();
    item->List = list;
    list->Add(static_cast<IShape*>(item));
  }
  list->Delete(1);
  EXPECT_EQ(list->GetCount(), 2);
  list->Clear();
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(journal.size(), 3u);
  list->Free();
}

}  // namespace
