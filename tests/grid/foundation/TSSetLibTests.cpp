#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "Exceptions.h"
#include "TSSetLib.h"

namespace {

template <class T>
std::vector<T> ListOf(TtsCustomSet* Set) {
  TOwnedPtr<TtsSetList> list(Set->List());
  std::vector<T> values;
  for (Integer i = 1; i <= list->GetCount(); ++i) values.push_back(*static_cast<T*>(list->GetItems(i)));
  return values;
}

// Random adds, lookups and removals on a set and on the standard container must agree after every
// step, and the tree must stay balanced with every node's recorded balance true to its subtrees.
bool BalancesAreTrue(TtsSetNode* Node) {
  if (!Node) return true;
  Integer d = TtsCustomSet::TreeHeight(Node->GetRight()) - TtsCustomSet::TreeHeight(Node->GetLeft());
  return d == Node->GetBalance() && BalancesAreTrue(Node->GetLeft()) && BalancesAreTrue(Node->GetRight());
}

TEST(TtsIntegerSet, AgreesWithStdSetOnRandomOperations) {
  for (unsigned seed : {1u, 2u, 3u}) {
    std::mt19937 random(seed);
    TOwnedPtr<TtsIntegerSet> set(New<TtsIntegerSet>());
    std::set<Integer> model;
    for (int step = 0; step < 20000; ++step) {
      Integer value = static_cast<Integer>(random() % 600) - 300;
      switch (random() % 3) {
        case 0: {
          Integer* before = set->Get(value);
          Integer* stored = set->Add(value);
          ASSERT_EQ(*stored, value);
          if (before) {
            ASSERT_EQ(stored, before) << "an equal value keeps its node";
          }
          model.insert(value);
          break;
        }
        case 1:
          ASSERT_EQ(set->Remove(value), model.erase(value) == 1);
          break;
        default:
          ASSERT_EQ(set->Get(value) != nullptr, model.count(value) == 1);
      }
      ASSERT_EQ(set->GetCount(), static_cast<Integer>(model.size()));
      if (step % 500 == 0) {
        ASSERT_TRUE(set->CheckBalance());
        ASSERT_TRUE(BalancesAreTrue(set->GetRoot()));
        ASSERT_EQ(ListOf<Integer>(set.get()), std::vector<Integer>(model.begin(), model.end()));
      }
    }
    while (!model.empty()) {
      Integer value = *std::next(model.begin(), static_cast<long>(random() % model.size()));
      ASSERT_TRUE(set->Remove(value));
      model.erase(value);
      ASSERT_TRUE(BalancesAreTrue(set->GetRoot()));
    }
    EXPECT_EQ(set->GetRoot(), nullptr);
    EXPECT_EQ(set->GetCount(), 0);
  }
}

TEST(TtsIntegerSet, ShapeOfAscendingInsertsAndRemovals) {
  TOwnedPtr<TtsIntegerSet> set(New<TtsIntegerSet>());
  for (Integer i = 1; i <= 7; ++i) {
    set->Add(i);
    ASSERT_TRUE(set->CheckBalance()) << i;
  }
  EXPECT_EQ(set->CheckHeight(), 3);
  // 4 is the root with two children: its successor 5 takes its place and its balance.
  EXPECT_EQ(*static_cast<Integer*>(set->GetRoot()->Value()), 4);
  set->Remove(4);
  EXPECT_EQ(*static_cast<Integer*>(set->GetRoot()->Value()), 5);
  EXPECT_EQ(ListOf<Integer>(set.get()), (std::vector<Integer>{1, 2, 3, 5, 6, 7}));
  EXPECT_FALSE(set->Remove(4));

  TOwnedPtr<TtsIntegerSet> one(New<TtsIntegerSet>());
  one->Add(9);
  one->Remove(9);
  EXPECT_EQ(one->GetRoot(), nullptr);
  EXPECT_EQ(one->GetCount(), 0);
  TOwnedPtr<TtsSetList> empty(one->List());
  EXPECT_EQ(empty->GetCount(), 0);
  EXPECT_EQ(empty->GetItems(1), nullptr);
}

TEST(TtsStringSet, OrdersBytesCaseSensitivelyAndAgreesWithStdSet) {
  TOwnedPtr<TtsStringSet> set(New<TtsStringSet>());
  for (const char* s : {"a", "ab", "B", "", "中文", "a"}) set->Add(s);
  EXPECT_EQ(ListOf<String>(set.get()), (std::vector<String>{"", "B", "a", "ab", "中文"}));

  std::mt19937 random(7);
  std::set<String> model{"", "B", "a", "ab", "中文"};
  for (int step = 0; step < 5000; ++step) {
    String value(1 + random() % 3, static_cast<char>('a' + random() % 4));
    if (random() % 2) {
      set->Add(value);
      model.insert(value);
    } else {
      ASSERT_EQ(set->Remove(value), model.erase(value) == 1);
    }
  }
  EXPECT_EQ(ListOf<String>(set.get()), std::vector<String>(model.begin(), model.end()));
  EXPECT_TRUE(set->CheckBalance());
}

TEST(TtsRealSet, KeepsOneNaNAfterEveryNumber) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  TOwnedPtr<TtsRealSet> set(New<TtsRealSet>());
  std::mt19937 random(11);
  std::set<double> model;
  bool hasNaN = false;
  const double pool[] = {nan, -inf, inf, 0.0, -1.5, 2.25, 1e300, -1e-300, 3.0};
  for (int step = 0; step < 3000; ++step) {
    double value = pool[random() % std::size(pool)];
    bool add = random() % 3 != 0;
    if (add) set->Add(value);
    else set->Remove(value);
    if (std::isnan(value)) hasNaN = add;
    else if (add) model.insert(value);
    else model.erase(value);
    ASSERT_EQ(set->GetCount(), static_cast<Integer>(model.size()) + (hasNaN ? 1 : 0));
  }
  set->Add(nan);
  set->Add(-0.0);  // equal to 0
  model.insert(0.0);
  std::vector<double> values = ListOf<double>(set.get());
  ASSERT_EQ(values.size(), model.size() + 1);
  EXPECT_TRUE(std::equal(model.begin(), model.end(), values.begin()));
  EXPECT_TRUE(std::isnan(values.back()));
  EXPECT_TRUE(set->Get(nan) && std::isnan(*set->Get(nan)));
}

TEST(TtsVariantSet, OrdersByTypeClassThenValueWithoutRaising) {
  // In the set's order; equal values of different types (1 and 1.0) are one value.
  const std::vector<Variant> ordered = {
      Unassigned(), Null(), false, true, -5, 1, 2.5, Currency::FromDouble(3), 10,
      VarFromDateTime(1.0), "", "10", "B", "a", u"b",
      VarArrayOf({1}), VarArrayOf({1, "x"}), VarArrayOf({2, "a"})};
  std::mt19937 random(5);
  TOwnedPtr<TtsVariantSet> set(New<TtsVariantSet>());
  std::set<size_t> model;
  for (int step = 0; step < 4000; ++step) {
    size_t i = random() % ordered.size();
    if (random() % 3) {
      set->Add(ordered[i]);
      model.insert(i);
    } else {
      set->Remove(ordered[i]);
      model.erase(i);
    }
    ASSERT_EQ(set->GetCount(), static_cast<Integer>(model.size()));
  }
  for (size_t i = 0; i < ordered.size(); ++i) set->Add(ordered[i]);
  std::vector<Variant> values = ListOf<Variant>(set.get());
  ASSERT_EQ(values.size(), ordered.size());
  for (size_t i = 0; i < values.size(); ++i)
    EXPECT_TRUE(VarSameValue(values[i], ordered[i])) << i << ": " << VarToStr(VarIsArray(values[i]) ? Variant() : values[i]);
  EXPECT_NE(set->Get(1.0), nullptr);
  EXPECT_EQ(VarType(*set->Get(1.0)), varInteger);
  EXPECT_EQ(set->Get(VarArrayOf({1, "y"})), nullptr);
}

// ---- Object sets --------------------------------------------------------------------------------------

// An element keyed by one integer; the log counts elements made and released.
struct TElementLog {
  int Made = 0;
  int Released = 0;
};

class TKeyedElement : public TtsSetElement {
  DECLARE_CLASS(TKeyedElement, TtsSetElement)
 public:
  Integer Key = 0;
  Integer Payload = 0;
  TElementLog* Log = nullptr;

  TtsSetOrder Compare(TtsCustomSet* Set, TtsSetElement* Other) override {
    TVarRec key[] = {static_cast<TKeyedElement*>(Other)->Key};
    return CompareKey(Set, key, 0);
  }
  TtsSetOrder CompareKey(TtsCustomSet*, TtsVarRecArray AKey, Integer) override {
    Integer k = AKey[0].VInteger;
    return k < Key ? ordSmaller : k > Key ? ordLarger : ordEqual;
  }
  Integer Release(bool AllNodes) override {
    ++Log->Released;
    return inherited::Release(AllNodes);
  }

 protected:
  TKeyedElement(Integer AKey = 0, Integer APayload = 0, TElementLog* ALog = nullptr)
      : Key(AKey), Payload(APayload), Log(ALog) {}
  void Construct() override {
    inherited::Construct();
    if (Log) ++Log->Made;
  }
};
IMPLEMENT_CLASS(TKeyedElement)

// A set whose copies make elements of their own, as the grid's property sets do.
class TCloningSet : public TtsObjectSet {
  DECLARE_CLASS(TCloningSet, TtsObjectSet)
 public:
  TtsSetNode* NewNode(const void* Value) override {
    if (!GetAssigning()) return inherited::NewNode(Value);
    auto* source = static_cast<const TKeyedElement*>(Value);
    return New<TtsObjectSetNode>(New<TKeyedElement>(source->Key, source->Payload, source->Log));
  }
};
IMPLEMENT_CLASS(TCloningSet)

TEST(TtsObjectSet, AgreesWithStdMapAndReleasesEveryElementOnce) {
  TElementLog log;
  {
    TOwnedPtr<TtsObjectSet> set(New<TtsObjectSet>());
    std::map<Integer, Integer> model;
    std::mt19937 random(3);
    for (int step = 0; step < 6000; ++step) {
      Integer key = static_cast<Integer>(random() % 200);
      Integer payload = step;
      if (random() % 3) {
        set->Add(New<TKeyedElement>(key, payload, &log));
        model[key] = payload;
      } else {
        ASSERT_EQ(set->Remove({key}), model.erase(key) == 1);
      }
      auto* found = static_cast<TKeyedElement*>(set->Get({key}));
      ASSERT_EQ(found != nullptr, model.count(key) == 1);
      if (found) {
        ASSERT_EQ(found->Payload, model[key]);
      }
      ASSERT_EQ(log.Made - log.Released, static_cast<int>(model.size()));
    }
    ASSERT_TRUE(set->CheckBalance());

    // Adding the element already stored changes nothing.
    auto* first = static_cast<TKeyedElement*>(set->Get({model.begin()->first}));
    int released = log.Released;
    set->Add(first);
    EXPECT_EQ(log.Released, released);
    EXPECT_EQ(set->Get({first->Key}), first);
  }
  EXPECT_EQ(log.Made, log.Released);
}

TEST(TtsObjectSet, CopiesOnlyIntoSetsThatMakeTheirOwnElements) {
  TElementLog log;
  TOwnedPtr<TtsObjectSet> source(New<TtsObjectSet>());
  for (Integer k : {5, 3, 8, 1}) source->Add(New<TKeyedElement>(k, k * 10, &log));

  // The base set would share its elements with the copy: it refuses and stays empty.
  TOwnedPtr<TtsObjectSet> plain(New<TtsObjectSet>());
  plain->Add(New<TKeyedElement>(99, 0, &log));
  EXPECT_THROW(plain->Assign(source.get()), EInvalidOperation);
  EXPECT_EQ(plain->GetCount(), 0);
  EXPECT_EQ(source->GetCount(), 4);

  TOwnedPtr<TCloningSet> copy(New<TCloningSet>());
  copy->Add(New<TKeyedElement>(42, 0, &log));
  copy->Assign(source.get());
  EXPECT_EQ(copy->GetCount(), 4) << "the copy replaces what the set held";
  EXPECT_EQ(copy->Get({42}), nullptr);
  EXPECT_TRUE(copy->CheckBalance());
  auto* copied = static_cast<TKeyedElement*>(copy->Get({8}));
  ASSERT_NE(copied, nullptr);
  EXPECT_NE(copied, source->Get({8}));
  EXPECT_EQ(copied->Payload, 80);
  source.reset();  // the copy's elements are its own
  EXPECT_EQ(static_cast<TKeyedElement*>(copy->Get({3}))->Payload, 30);
  copy.reset();
  plain.reset();
  EXPECT_EQ(log.Made, log.Released);
}

TEST(TtsCustomSet, AssignCopiesShapeAndReplacesWhatWasHeld) {
  TOwnedPtr<TtsStringSet> source(New<TtsStringSet>());
  for (const char* s : {"m", "c", "x", "a", "e", "z", "d"}) source->Add(s);
  TOwnedPtr<TtsStringSet> copy(New<TtsStringSet>());
  copy->Add("old");
  copy->Assign(source.get());
  EXPECT_EQ(copy->GetCount(), source->GetCount());
  EXPECT_EQ(copy->Get("old"), nullptr);
  EXPECT_TRUE(copy->CheckBalance());
  EXPECT_EQ(copy->CheckHeight(), source->CheckHeight());
  EXPECT_EQ(copy->GetRoot()->GetBalance(), source->GetRoot()->GetBalance());
  EXPECT_EQ(ListOf<String>(copy.get()), ListOf<String>(source.get()));
  EXPECT_NE(copy->Get("m"), source->Get("m"));
  copy->Assign(copy.get());
  EXPECT_EQ(copy->GetCount(), 7);
}

TEST(TtsNodeStack, GrowsByTenAndAnswersNothingOutsideItsDepth) {
  TOwnedPtr<TtsNodeStack> stack(New<TtsNodeStack>());
  EXPECT_EQ(stack->GetCapacity(), 0);
  TOwnedPtr<TtsIntegerSetNode> a(New<TtsIntegerSetNode>(1));
  TOwnedPtr<TtsIntegerSetNode> b(New<TtsIntegerSetNode>(2));
  for (int i = 0; i < 11; ++i) stack->Push(a.get(), -1);
  EXPECT_EQ(stack->GetCapacity(), 20);
  EXPECT_EQ(stack->Push(b.get(), 1), 12);
  stack->Replace(1, b.get(), 1);
  EXPECT_EQ(stack->GetItem(1).Node, b.get());
  EXPECT_EQ(stack->GetItem(13).Node, nullptr);
  EXPECT_EQ(stack->GetItem(0).Direction, 0);
  EXPECT_EQ(stack->Pop().Node, b.get());
  stack->Reset();
  EXPECT_EQ(stack->Pop().Node, nullptr);
  EXPECT_EQ(stack->GetCapacity(), 20);
}

// ---- Integer lists ----------------------------------------------------------------------------------

std::vector<Integer> ItemsOf(TtsSortIntList* List) {
  std::vector<Integer> items;
  for (Integer i = 1; i <= List->GetCount(); ++i) items.push_back(List->GetItem(i));
  return items;
}

TEST(TtsSortIntList, KeepsDistinctItemsInOrder) {
  TOwnedPtr<TtsSortIntList> list(New<TtsSortIntList>());
  bool found = true;
  EXPECT_EQ(list->Locate(4, found), 1);
  EXPECT_FALSE(found);
  for (Integer v : {5, 1, 3, 5}) list->Add(v);
  EXPECT_EQ(ItemsOf(list.get()), (std::vector<Integer>{1, 3, 5}));
  EXPECT_EQ(list->Locate(4, found), 3);
  EXPECT_FALSE(found);
  EXPECT_EQ(list->Locate(5, found), 3);
  EXPECT_TRUE(found);
  list->Remove(4);
  EXPECT_EQ(list->GetCount(), 3);
  EXPECT_EQ(list->GetItem(0), 0);
  EXPECT_EQ(list->GetItem(4), 0);
  list->SetItem(4, 9);
  list->Delete(0);
  EXPECT_EQ(ItemsOf(list.get()), (std::vector<Integer>{1, 3, 5}));
  list->Insert(0, -7);  // 0 is taken as 1
  EXPECT_EQ(ItemsOf(list.get()), (std::vector<Integer>{-7, 1, 3, 5}));
  EXPECT_THROW(list->Insert(6, 1), EListError);
  EXPECT_THROW(list->Insert(-1, 1), EListError);
  EXPECT_EQ(list->GetCount(), 4);

  std::mt19937 random(9);
  std::set<Integer> model{-7, 1, 3, 5};
  for (int step = 0; step < 3000; ++step) {
    Integer v = static_cast<Integer>(random() % 400);
    if (random() % 2) {
      list->Add(v);
      model.insert(v);
    } else {
      list->Remove(v);
      model.erase(v);
    }
  }
  EXPECT_EQ(ItemsOf(list.get()), std::vector<Integer>(model.begin(), model.end()));
}

TEST(TtsSortIntList, GrowsAndShrinksInSteps) {
  TOwnedPtr<TtsSortIntList> list(New<TtsSortIntList>());
  list->Add(1);
  EXPECT_EQ(list->GetCapacity(), 101);
  for (Integer v = 2; v <= 101; ++v) list->Add(v);
  EXPECT_EQ(list->GetCapacity(), 101);
  list->Add(102);
  EXPECT_EQ(list->GetCapacity(), 202);

  TOwnedPtr<TtsSortIntList> one(New<TtsSortIntList>());
  one->Add(7);
  one->Remove(7);
  EXPECT_EQ(one->GetCapacity(), 0);

  TOwnedPtr<TtsSortIntList> copy(New<TtsSortIntList>());
  copy->Assign(list.get());
  EXPECT_EQ(copy->GetCount(), 102);
  EXPECT_EQ(copy->GetItem(102), 102);
  copy->Assign(one.get());
  EXPECT_EQ(copy->GetCount(), 0);
  EXPECT_EQ(copy->GetCapacity(), 0);
}

TEST(TtsIntegerLists, PlainListAndListOfSets) {
  TOwnedPtr<TtsIntegerList> list(New<TtsIntegerList>());
  for (Integer v : {4, -2, 4, MaxInt}) list->AddItem(v);
  EXPECT_EQ(list->GetItem(3), MaxInt);
  EXPECT_EQ(list->Remove(4), 0);
  EXPECT_EQ(list->GetItem(1), 4);
  EXPECT_EQ(list->Remove(17), -1);
  EXPECT_THROW(list->GetItem(3), EListError);
  list->Add(reinterpret_cast<void*>(NativeInt(-MaxInt - 1)));
  list->Sort(IntCompare);  // a difference would overflow here
  EXPECT_EQ(list->GetItem(0), -MaxInt - 1);
  EXPECT_EQ(list->GetItem(3), MaxInt);

  TOwnedPtr<TtsIntegerSetList> sets(New<TtsIntegerSetList>());
  sets->SetCount(3);
  auto* first = New<TtsIntegerSet>();
  first->Add(5);
  first->Add(6);
  sets->SetItem(0, first);
  TOwnedPtr<TtsIntegerSetList> copy(New<TtsIntegerSetList>());
  copy->SetCount(2);
  copy->SetItem(1, New<TtsIntegerSet>());
  copy->Assign(sets.get());
  EXPECT_EQ(copy->GetCount(), 2);
  ASSERT_NE(copy->GetItem(0), nullptr);
  EXPECT_NE(copy->GetItem(0), first);
  EXPECT_EQ(copy->GetItem(0)->GetCount(), 2);
  EXPECT_EQ(copy->GetItem(1), nullptr);
  sets->FreeItems();
  EXPECT_EQ(sets->GetCount(), 3);
  EXPECT_EQ(sets->GetItem(0), nullptr);
}

}  // namespace
