#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Exceptions.h"
#include "Lists.h"

namespace {

void* P(intptr_t v) { return reinterpret_cast<void*>(v); }
intptr_t V(void* p) { return reinterpret_cast<intptr_t>(p); }

std::vector<intptr_t> Contents(TList* list) {
  std::vector<intptr_t> r;
  for (Integer i = 0; i < list->GetCount(); ++i) r.push_back(V(list->GetItems(i)));
  return r;
}

// Records every notification as "+5", "-5" (deleted) or "x5" (extracted).
class TRecordingList : public TList {
  DECLARE_CLASS(TRecordingList, TList)
 public:
  std::vector<std::string>* Log = nullptr;

 protected:
  void Notify(void* Ptr, TListNotification Action) override {
    const char* mark = Action == lnAdded ? "+" : Action == lnDeleted ? "-" : "x";
    Log->push_back(mark + std::to_string(V(Ptr)));
  }
};
IMPLEMENT_CLASS(TRecordingList)

// Counts its destruction, to show who frees it.
class TTracked : public TObject {
  DECLARE_CLASS(TTracked, TObject)
 public:
  static inline int Destroyed = 0;

 protected:
  void Destroy() override {
    ++Destroyed;
    inherited::Destroy();
  }
};
IMPLEMENT_CLASS(TTracked)

std::string ListErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EListError& e) {
    return e.Message();
  }
  return "no error";
}

}  // namespace

TEST(TList, IndexErrorsNameTheOffendingIndex) {
  TList* list = New<TList>();
  list->Add(P(1));
  list->Add(P(2));
  struct Case {
    const char* what;
    std::function<void()> action;
    const char* message;
  } cases[] = {
      {"read before start", [&] { list->GetItems(-1); }, "List index out of bounds (-1)"},
      {"read past end", [&] { list->GetItems(2); }, "List index out of bounds (2)"},
      {"write past end", [&] { list->SetItems(2, P(9)); }, "List index out of bounds (2)"},
      {"delete past end", [&] { list->Delete(2); }, "List index out of bounds (2)"},
      {"insert past end", [&] { list->Insert(3, P(9)); }, "List index out of bounds (3)"},
      {"exchange", [&] { list->Exchange(0, 5); }, "List index out of bounds (5)"},
      {"move target", [&] { list->Move(0, 2); }, "List index out of bounds (2)"},
      {"negative count", [&] { list->SetCount(-1); }, "List count out of bounds (-1)"},
      {"capacity below count", [&] { list->SetCapacity(1); }, "List capacity out of bounds (1)"},
  };
  for (const Case& c : cases) EXPECT_EQ(ListErrorOf(c.action), c.message) << c.what;
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{1, 2})) << "a failed call leaves the list as it was";

  TList* empty = New<TList>();
  EXPECT_EQ(ListErrorOf([&] { empty->First(); }), "List index out of bounds (0)");
  EXPECT_EQ(ListErrorOf([&] { empty->Last(); }), "List index out of bounds (-1)");
  empty->Free();
  list->Free();
}

TEST(TList, EditsKeepOrder) {
  TList* list = New<TList>();
  for (intptr_t v : {1, 2, 3, 4}) list->Add(P(v));
  list->Insert(0, P(0));
  list->Move(1, 4);  // 0 2 3 4 1
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{0, 2, 3, 4, 1}));
  list->Move(4, 0);  // 1 0 2 3 4
  list->Exchange(1, 4);
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{1, 4, 2, 3, 0}));
  EXPECT_EQ(list->Remove(P(2)), 2);
  EXPECT_EQ(list->Remove(P(42)), -1);
  EXPECT_EQ(list->IndexOf(P(3)), 2);
  EXPECT_EQ(V(list->First()), 1);
  EXPECT_EQ(V(list->Last()), 0);

  list->SetCount(6);  // grows with nil items
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{1, 4, 3, 0, 0, 0}));
  list->Pack();
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{1, 4, 3}));
  list->SetCount(1);
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{1}));
  EXPECT_GE(list->GetCapacity(), 1);
  list->Clear();
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(list->GetCapacity(), 0);
  list->Free();
}

TEST(TList, GrowsPastItsCapacity) {
  TList* list = New<TList>();
  for (intptr_t v = 1; v <= 1000; ++v) list->Add(P(v));
  EXPECT_EQ(list->GetCount(), 1000);
  EXPECT_GE(list->GetCapacity(), 1000);
  EXPECT_EQ(V(list->GetItems(999)), 1000);
  list->Free();
}

TEST(TList, NotifiesEveryNonNilItemThatEntersOrLeaves) {
  std::vector<std::string> log;
  TRecordingList* list = New<TRecordingList>();
  list->Log = &log;
  list->Add(P(1));
  list->Add(nullptr);
  list->Insert(0, P(2));
  list->SetItems(1, P(3));     // 1 replaced by 3
  list->Extract(P(2));         // taken out, not deleted
  list->Extract(P(42));        // not listed: nothing
  list->Add(P(4));
  list->Delete(0);             // 3
  list->Free();                // clears what is left: nil, 4
  EXPECT_EQ(log, (std::vector<std::string>{"+1", "+2", "-1", "+3", "x2", "+4", "-3", "-4"}));
}

TEST(TList, SortIsStableAndSurvivesAnInconsistentComparison) {
  TList* list = New<TList>();
  // Sort by tens only: items with equal tens keep their order.
  for (intptr_t v : {31, 12, 33, 11, 22, 13, 32}) list->Add(P(v));
  list->Sort([](void* a, void* b) -> Integer { return static_cast<Integer>(V(a) / 10 - V(b) / 10); });
  EXPECT_EQ(Contents(list), (std::vector<intptr_t>{12, 11, 13, 22, 31, 33, 32}));

  for (intptr_t v = 0; v < 200; ++v) list->Add(P(v));
  list->Sort([](void*, void*) -> Integer {
    static uint32_t seed = 1;
    seed = seed * 1103515245u + 12345u;
    return static_cast<Integer>((seed >> 16) % 3) - 1;
  });
  EXPECT_EQ(list->GetCount(), 207);
  list->Free();
}

TEST(TObjectList, FreesWhatItOwnsButNotWhatIsExtracted) {
  TTracked::Destroyed = 0;
  TObjectList* owning = New<TObjectList>();
  TTracked* kept = New<TTracked>();
  owning->Add(New<TTracked>());
  owning->Add(New<TTracked>());
  owning->Add(kept);
  owning->Add(New<TTracked>());
  owning->Delete(0);
  EXPECT_EQ(TTracked::Destroyed, 1);
  EXPECT_EQ(owning->Extract(kept), kept);
  EXPECT_EQ(TTracked::Destroyed, 1);
  owning->Clear();
  EXPECT_EQ(TTracked::Destroyed, 3);
  owning->Add(New<TTracked>());
  owning->Free();
  EXPECT_EQ(TTracked::Destroyed, 4);

  TObjectList* borrowing = New<TObjectList>(false);
  borrowing->Add(kept);
  borrowing->Free();
  EXPECT_EQ(TTracked::Destroyed, 4);
  kept->Free();
}

TEST(TObjectList, FindInstanceOf) {
  TObjectList* list = New<TObjectList>(false);
  TObject* plain = New<TObject>();
  TTracked* tracked = New<TTracked>();
  list->Add(plain);
  list->Add(tracked);
  EXPECT_EQ(list->FindInstanceOf(TTracked::StaticClass()), 1);
  EXPECT_EQ(list->FindInstanceOf(TObject::StaticClass()), 0);
  EXPECT_EQ(list->FindInstanceOf(TObject::StaticClass(), false, 1), 1) << "a descendant counts when not exact";
  EXPECT_EQ(list->FindInstanceOf(TObject::StaticClass(), true, 1), -1);
  list->Free();
  plain->Free();
  tracked->Free();
}
