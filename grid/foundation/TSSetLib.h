// Ordered sets and integer lists of the grid family.
//
// An ordered set is a height-balanced search tree (AVL) of nodes, each holding one value; a set
// never holds two values that compare equal. TtsCustomSet is the tree engine; the value sets keep
// strings, Variants, integers and reals; TtsObjectSet keeps keyed objects derived from
// TtsSetElement, found by a key array. TtsSetList is a flat, 1-based copy of a set in order.
//
// The integer lists: TtsSortIntList, a sorted 1-based array of distinct integers with binary search;
// TtsIntegerList, a plain list of integers; TtsIntegerSetList, a list of owned integer sets.
//
// Everything here is used on the user-interface thread only; a set's removals share one node stack,
// so removals on one set are not reentrant.
#pragma once

#include <initializer_list>
#include <vector>

#include "Format.h"
#include "Lists.h"
#include "System.h"
#include "Variants.h"

namespace TSSetLib {

// Where the searched value lies relative to the node or element it is compared with.
enum TtsSetOrder : Byte { ordSmaller, ordEqual, ordLarger };

class TtsCustomSet;
class TtsSetElement;

// ---- Key arrays -----------------------------------------------------------------------------------
// An object set is searched with an open array of typed constants (integers, objects, pointers to
// strings or Variants) and its high index. Each element class reads its own key fields in a fixed
// order; the set hands it the caller's entries together with their real high index.
using TtsVarRecArray = const TVarRec*;
// The key pointer an object set passes to its nodes' CompareKey.
struct TtsSetKey {
  TtsVarRecArray Items;
  Integer High;
};
// A key entry referring to a Variant (vtVariant); it lives no longer than the Variant.
TVarRec VarRecOfVariant(const Variant& Value);

// Orders two Variant arrays: by dimension count, then each dimension's low and high bound, then
// element by element in row-major order with ElementOrder (negative, 0 or positive).
Integer CompareVarArrays(const Variant& A, const Variant& B, Integer (*ElementOrder)(const Variant&, const Variant&));

// ---- Nodes ----------------------------------------------------------------------------------------
class TtsSetNode : public TObject {
  DECLARE_CLASS(TtsSetNode, TObject)
 public:
  // Clears both children and takes the source's balance.
  virtual void Assign(TtsSetNode* Source);
  // Frees the node. AllNodes is true while a set destroys all its nodes, false when an object set
  // removes one value. Answers 0.
  virtual Integer Release(bool AllNodes);
  // Where the value being inserted lies relative to this node's value.
  virtual TtsSetOrder Compare(TtsCustomSet* Set, const void* Value);
  // Where a search key lies relative to this node's value; the base compares it as a value.
  virtual TtsSetOrder CompareKey(TtsCustomSet* Set, const void* Key);
  // The address of the stored value (an object node: the element itself); none in the base.
  virtual void* Value();

  TtsSetNode* GetLeft() const { return FLeft; }
  TtsSetNode* GetRight() const { return FRight; }
  // -1: the left subtree is one level higher; 0: both equal; +1: the right one is higher.
  ShortInt GetBalance() const { return FBalance; }

 protected:
  TtsSetNode() = default;

 private:
  friend class TtsCustomSet;
  TtsSetNode* FLeft = nullptr;
  TtsSetNode* FRight = nullptr;
  ShortInt FBalance = 0;
};

class TtsStringSetNode : public TtsSetNode {
  DECLARE_CLASS(TtsStringSetNode, TtsSetNode)
 public:
  // A string source gives its text as well; another class leaves the node unchanged.
  void Assign(TtsSetNode* Source) override;
  // Case-sensitive byte order; a proper prefix sorts first.
  TtsSetOrder Compare(TtsCustomSet* Set, const void* Value) override;
  void* Value() override { return &FText; }
  const String& GetText() const { return FText; }

 protected:
  explicit TtsStringSetNode(String AText = String()) : FText(std::move(AText)) {}

 private:
  String FText;
};

class TtsVariantSetNode : public TtsSetNode {
  DECLARE_CLASS(TtsVariantSetNode, TtsSetNode)
 public:
  // A total order: by type class (Empty, Null, Boolean, number, date, string, array, other), then
  // by value within the class (numbers with NaN last, strings by bytes, arrays by their shape and
  // then element by element), so that no pair of values raises or orders inconsistently.
  TtsSetOrder Compare(TtsCustomSet* Set, const void* Value) override;
  void* Value() override { return &FValue; }

 protected:
  explicit TtsVariantSetNode(Variant AValue = Variant()) : FValue(std::move(AValue)) {}

 private:
  Variant FValue;
};

class TtsIntegerSetNode : public TtsSetNode {
  DECLARE_CLASS(TtsIntegerSetNode, TtsSetNode)
 public:
  TtsSetOrder Compare(TtsCustomSet* Set, const void* Value) override;
  // A key is a value here: compared in place, without a second dispatch.
  TtsSetOrder CompareKey(TtsCustomSet* Set, const void* Key) override;
  void* Value() override { return &FValue; }

 protected:
  explicit TtsIntegerSetNode(Integer AValue = 0) : FValue(AValue) {}

 private:
  Integer FValue;
};

class TtsRealSetNode : public TtsSetNode {
  DECLARE_CLASS(TtsRealSetNode, TtsSetNode)
 public:
  // Numeric order with every NaN equal to the others and after every number.
  TtsSetOrder Compare(TtsCustomSet* Set, const void* Value) override;
  void* Value() override { return &FValue; }

 protected:
  explicit TtsRealSetNode(double AValue = 0) : FValue(AValue) {}

 private:
  double FValue;
};

// The value of an object set. A derived element implements Compare by building the key array of
// the other element and calling its own CompareKey, so that insertion and lookup share one order.
class TtsSetElement : public TObject {
  DECLARE_CLASS(TtsSetElement, TObject)
 public:
  // Frees the element; answers 0.
  virtual Integer Release(bool AllNodes);
  // Where Other lies relative to this element.
  virtual TtsSetOrder Compare(TtsCustomSet* Set, TtsSetElement* Other);
  // Where the key lies relative to this element.
  virtual TtsSetOrder CompareKey(TtsCustomSet* Set, TtsVarRecArray Key, Integer KeyHigh);
  virtual String StringValue() { return String(); }
  // Both answer the element itself: no element is duplicated by these.
  TtsSetElement* Copy() { return this; }
  TtsSetElement* AssignCopy() { return this; }

 protected:
  TtsSetElement() = default;
};

class TtsObjectSetNode : public TtsSetNode {
  DECLARE_CLASS(TtsObjectSetNode, TtsSetNode)
 public:
  // Releases the element with the same flag, then the node.
  Integer Release(bool AllNodes) override;
  TtsSetOrder Compare(TtsCustomSet* Set, const void* Value) override;
  // Key: a TtsSetKey.
  TtsSetOrder CompareKey(TtsCustomSet* Set, const void* Key) override;
  void* Value() override { return FElement; }
  TtsSetElement* GetElement() const { return FElement; }

 protected:
  explicit TtsObjectSetNode(TtsSetElement* AElement = nullptr) : FElement(AElement ? AElement->Copy() : nullptr) {}

 private:
  friend class TtsObjectSet;
  TtsSetElement* FElement;
};

// ---- Node stack and set list ------------------------------------------------------------------------
struct TtsNodeStackElement {
  TtsSetNode* Node = nullptr;
  ShortInt Direction = 0;  // -1: the path went left from the node; +1: right
};

// The path of one removal. Grows by 10 entries when full and never shrinks.
class TtsNodeStack : public TObject {
  DECLARE_CLASS(TtsNodeStack, TObject)
 public:
  Integer Push(TtsSetNode* Node, ShortInt Direction);  // answers the new depth
  TtsNodeStackElement Pop();                           // {nil, 0} when empty
  TtsNodeStackElement GetItem(Integer Index) const;    // 1-based; {nil, 0} outside 1..depth
  void Replace(Integer Index, TtsSetNode* Node, ShortInt Direction);  // ignored outside 1..depth
  void Reset() { FTop = 0; }
  Integer GetDepth() const { return FTop; }
  Integer GetCapacity() const { return static_cast<Integer>(FItems.size()); }

 protected:
  TtsNodeStack() = default;

 private:
  std::vector<TtsNodeStackElement> FItems;  // sized to the capacity
  Integer FTop = 0;
};

// A fixed-size, 1-based array of value pointers; its owner frees it.
class TtsSetList : public TObject {
  DECLARE_CLASS(TtsSetList, TObject)
 public:
  void* GetItems(Integer Index) const;  // nil outside 1..count
  void SetItems(Integer Index, void* Item);  // ignored outside 1..count
  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }

 protected:
  explicit TtsSetList(Integer ACount = 0) : FItems(ACount > 0 ? static_cast<size_t>(ACount) : 0) {}

 private:
  std::vector<void*> FItems;
};

// ---- Sets -----------------------------------------------------------------------------------------
class TtsCustomSet : public TObject {
  DECLARE_CLASS(TtsCustomSet, TObject)
 public:
  // Makes the node class of the set for a value.
  virtual TtsSetNode* NewNode(const void* Value);
  // A deep copy of a subtree (same shape and balances), each node counted; what was built is freed
  // again when a copy fails.
  virtual TtsSetNode* CopyNodes(TtsSetNode* Node);
  // Empties this set and copies the source's tree into it. Should the copy fail, the set is left
  // empty and the error goes on.
  virtual void Assign(TtsCustomSet* Source);
  // Frees every node (children before their parent, each with Release(true)).
  virtual void Clear();

  // The node equal to the value, or a new node inserted for it.
  TtsSetNode* AddNode(const void* Value);
  // The node of the subtree that matches the key, or nil.
  TtsSetNode* GetNode(TtsSetNode* Start, const void* Key);
  // Unlinks the node equal to the key and rebalances; answers it unfreed, or nil when none matches.
  TtsSetNode* RemoveNode(const void* Key);
  // NewNode with balance 0, counted.
  TtsSetNode* GetNewNode(const void* Value);
  bool GetAssigning() const { return FAssigning > 0; }
  // A new list of every node's value in ascending order; the caller frees it.
  TtsSetList* List();

  Integer GetCount() const { return FCount; }
  TtsSetNode* GetRoot() const { return FRoot; }

  // Checks of the tree's shape.
  static Integer TreeHeight(TtsSetNode* Node);
  static bool IsBalanced(TtsSetNode* Node);
  bool CheckBalance() const { return IsBalanced(FRoot); }
  Integer CheckHeight() const { return TreeHeight(FRoot); }

 protected:
  TtsCustomSet() = default;
  void Construct() override;
  void Destroy() override;

  // Steps of insertion.
  TtsSetNode* SearchNode(const void* Value, TtsSetNode*& Critical, TtsSetNode*& CriticalParent, bool& Added);
  void InsertSetBalance(TtsSetNode* From, TtsSetNode* To, const void* Value);
  TtsSetNode* RotateSingle(ShortInt A, TtsSetNode* R, TtsSetNode* S);
  TtsSetNode* RotateDouble(ShortInt A, TtsSetNode* R, TtsSetNode* S);
  // D: the side of S on which the new node hangs.
  void InsertRebalance(TtsSetNode* S, TtsSetNode* T, ShortInt D);
  // Steps of removal.
  TtsSetNode* TraceElement(const void* Key);
  TtsSetNode* NextSmallestElement(TtsSetNode* Node);
  void DeleteNode(TtsSetNode* Node);
  void ReplaceNode(TtsSetNode* Removed, TtsSetNode* Successor, Integer StackIndex);
  bool RotateRebalance(TtsSetNode* N, ShortInt Dir);
  void RemoveRebalance();
  // Hangs Child where N hung below the stack entry under the top (or makes it the root).
  void ReplaceChildOf(Integer Depth, TtsSetNode* N, TtsSetNode* Child);
  Integer PlaceTreeInList(TtsSetNode* Node, TtsSetList* List, Integer Index);
  void DestroyNodes(TtsSetNode* Node);

 private:
  Integer FCount = 0;
  TtsSetNode* FRoot = nullptr;
  TtsNodeStack* FNodeStack = nullptr;
  Integer FAssigning = 0;
};

class TtsStringSet : public TtsCustomSet {
  DECLARE_CLASS(TtsStringSet, TtsCustomSet)
 public:
  TtsSetNode* NewNode(const void* Value) override;
  // The stored equal value (left unchanged when present).
  virtual String* Add(const String& Value);
  virtual String* Get(const String& Value);
  // Answers whether a value was removed.
  virtual bool Remove(const String& Value);

 protected:
  TtsStringSet() = default;
};

class TtsVariantSet : public TtsCustomSet {
  DECLARE_CLASS(TtsVariantSet, TtsCustomSet)
 public:
  TtsSetNode* NewNode(const void* Value) override;
  virtual Variant* Add(const Variant& Value);
  virtual Variant* Get(const Variant& Value);
  virtual bool Remove(const Variant& Value);

 protected:
  TtsVariantSet() = default;
};

class TtsIntegerSet : public TtsCustomSet {
  DECLARE_CLASS(TtsIntegerSet, TtsCustomSet)
 public:
  TtsSetNode* NewNode(const void* Value) override;
  virtual Integer* Add(Integer Value);
  virtual Integer* Get(Integer Value);
  virtual bool Remove(Integer Value);

 protected:
  TtsIntegerSet() = default;
};

class TtsRealSet : public TtsCustomSet {
  DECLARE_CLASS(TtsRealSet, TtsCustomSet)
 public:
  TtsSetNode* NewNode(const void* Value) override;
  virtual double* Add(double Value);
  virtual double* Get(double Value);
  virtual bool Remove(double Value);

 protected:
  TtsRealSet() = default;
};

// A set of keyed elements; it owns them. Copying one set into another needs elements of the
// copy's own: a derived set provides them by overriding NewNode (while GetAssigning holds, a
// new element made as a copy of the given one). The base refuses to copy a non-empty set
// (EInvalidOperation) rather than let two sets own one element.
class TtsObjectSet : public TtsCustomSet {
  DECLARE_CLASS(TtsObjectSet, TtsCustomSet)
 public:
  TtsSetNode* NewNode(const void* Value) override;
  // Stores the element; another element with an equal key is released (Release(false)) and
  // replaced by it. Adding the very element already stored changes nothing.
  virtual void Add(TtsSetElement* Element);
  virtual TtsSetElement* Get(TtsVarRecArray Key, Integer KeyHigh);
  // Removes the element of that key and releases it; answers whether one was removed.
  virtual bool Remove(TtsVarRecArray Key, Integer KeyHigh);

  TtsSetElement* Get(std::initializer_list<TVarRec> Key) {
    return Get(Key.begin(), static_cast<Integer>(Key.size()) - 1);
  }
  bool Remove(std::initializer_list<TVarRec> Key) { return Remove(Key.begin(), static_cast<Integer>(Key.size()) - 1); }

 protected:
  TtsObjectSet() = default;
};

// ---- Integer lists ----------------------------------------------------------------------------------
// Answers a negative, zero or positive number as the integer held in Item1 is below, equal to or
// above the one in Item2 (the form that list sorting takes); never overflows.
Integer IntCompare(void* Item1, void* Item2);

// Items 1..count, strictly ascending while filled through Add and Remove. The array grows 100
// entries beyond the need and shrinks to the need once more than 100 entries are spare.
class TtsSortIntList : public TObject {
  DECLARE_CLASS(TtsSortIntList, TObject)
 public:
  virtual void Assign(TtsSortIntList* Source);
  virtual void CheckCapacity(Integer Needed);
  virtual Integer GetItem(Integer Index);  // 0 outside 1..count
  // Stores Value at Index (0 taken as 1), moving the later items up; EListError outside 0..count+1.
  virtual void Insert(Integer Index, Integer Value);
  virtual void Delete(Integer Index);  // ignored outside 1..count
  virtual void SetCapacity(Integer Value);
  virtual void Add(Integer Value);
  // The position of the equal item (Found), or where Value would go to keep the order.
  virtual Integer Locate(Integer Value, bool& Found);
  virtual void Remove(Integer Value);
  void SetItem(Integer Index, Integer Value);  // ignored outside 1..count

  Integer GetCount() const { return FCount; }
  Integer GetCapacity() const { return FCapacity; }

 protected:
  TtsSortIntList() = default;
  void FindPosition(Integer Low, Integer High, bool& Found, Integer& Position, Integer Value);

 private:
  std::vector<Integer> FItems;  // capacity + 1 entries; entry 0 carries nothing
  Integer FCount = 0;
  Integer FCapacity = 0;
};

// A list of integers, 0-based, checked as TList checks (EListError outside 0..Count-1).
class TtsIntegerList : public TList {
  DECLARE_CLASS(TtsIntegerList, TList)
 public:
  Integer AddItem(Integer Value);
  Integer GetItem(Integer Index) const;
  void SetItem(Integer Index, Integer Value);
  // Removes the first equal entry; answers its index, or -1.
  Integer Remove(Integer Value);

 protected:
  TtsIntegerList() = default;
};

// A list of owned integer sets (or nil entries), 0-based through TList.
class TtsIntegerSetList : public TList {
  DECLARE_CLASS(TtsIntegerSetList, TList)
 public:
  // Frees the sets held and copies the source's sets into the entries below the smaller count;
  // the caller sets the count beforehand.
  virtual void Assign(TtsIntegerSetList* Source);
  Integer AddItem(TtsIntegerSet* Set) { return Add(Set); }
  TtsIntegerSet* GetItem(Integer Index) const { return static_cast<TtsIntegerSet*>(GetItems(Index)); }
  void SetItem(Integer Index, TtsIntegerSet* Set) { SetItems(Index, Set); }
  Integer Remove(TtsIntegerSet* Set) { return TList::Remove(Set); }
  // Frees every set and empties every entry; the count stays.
  void FreeItems();

 protected:
  TtsIntegerSetList() = default;
  void Destroy() override;
};

}  // namespace TSSetLib

using namespace TSSetLib;
