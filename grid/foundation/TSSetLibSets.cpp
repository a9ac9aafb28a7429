// The value sets (strings, Variants, integers, reals) and the object set with its elements.
#include <cmath>

#include "Exceptions.h"
#include "TSSetLib.h"

namespace TSSetLib {

IMPLEMENT_CLASS(TtsStringSetNode)
IMPLEMENT_CLASS(TtsVariantSetNode)
IMPLEMENT_CLASS(TtsIntegerSetNode)
IMPLEMENT_CLASS(TtsRealSetNode)
IMPLEMENT_CLASS(TtsSetElement)
IMPLEMENT_CLASS(TtsObjectSetNode)
IMPLEMENT_CLASS(TtsStringSet)
IMPLEMENT_CLASS(TtsVariantSet)
IMPLEMENT_CLASS(TtsIntegerSet)
IMPLEMENT_CLASS(TtsRealSet)
IMPLEMENT_CLASS(TtsObjectSet)

namespace {

template <class T>
TtsSetOrder OrderOf(const T& Searched, const T& Stored) {
  if (Searched < Stored) return ordSmaller;
  if (Stored < Searched) return ordLarger;
  return ordEqual;
}

TtsSetOrder OrderOfReals(double Searched, double Stored) {
  bool searchedNaN = std::isnan(Searched);
  bool storedNaN = std::isnan(Stored);
  if (searchedNaN || storedNaN) return searchedNaN == storedNaN ? ordEqual : searchedNaN ? ordLarger : ordSmaller;
  return OrderOf(Searched, Stored);
}

// The type classes of the Variant order, lowest first.
enum TVariantClass { vcEmpty, vcNull, vcBoolean, vcNumber, vcDate, vcString, vcArray, vcOther };

TVariantClass ClassOf(const Variant& V) {
  TVarType type = VarType(V);
  if (type & varArray) return vcArray;
  switch (type) {
    case varEmpty:
      return vcEmpty;
    case varNull:
      return vcNull;
    case varBoolean:
      return vcBoolean;
    case varSmallint:
    case varInteger:
    case varSingle:
    case varDouble:
    case varCurrency:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64:
      return vcNumber;
    case varDate:
      return vcDate;
    case varString:
    case varOleStr:
      return vcString;
    default:
      return vcOther;  // a custom type (decimal, time stamp): ordered by its type code, then by itself
  }
}

TtsSetOrder OrderOfVariants(const Variant& A, const Variant& B);

Integer VariantOrderSign(const Variant& A, const Variant& B) {
  return static_cast<Integer>(OrderOfVariants(A, B)) - static_cast<Integer>(ordEqual);
}

TtsSetOrder OrderOfVariants(const Variant& A, const Variant& B) {
  TVariantClass classA = ClassOf(A);
  if (TtsSetOrder o = OrderOf(classA, ClassOf(B)); o != ordEqual) return o;
  switch (classA) {
    case vcEmpty:
    case vcNull:
      return ordEqual;
    case vcArray: {
      Integer c = CompareVarArrays(A, B, VariantOrderSign);
      return c < 0 ? ordSmaller : c > 0 ? ordLarger : ordEqual;
    }
    case vcOther:
      if (TtsSetOrder o = OrderOf(VarType(A), VarType(B)); o != ordEqual) return o;
      break;
    default:
      break;
  }
  // Within one class the platform's comparison is total (numbers with NaN last).
  if (A == B) return ordEqual;
  return A < B ? ordSmaller : ordLarger;
}

}  // namespace

Integer CompareVarArrays(const Variant& A, const Variant& B, Integer (*ElementOrder)(const Variant&, const Variant&)) {
  auto sign = [](Integer a, Integer b) { return (a > b) - (a < b); };
  Integer dims = VarArrayDimCount(A);
  if (Integer c = sign(dims, VarArrayDimCount(B))) return c;
  std::vector<Integer> index(static_cast<size_t>(dims));
  bool empty = false;
  for (Integer d = 1; d <= dims; ++d) {
    Integer low = VarArrayLowBound(A, d), high = VarArrayHighBound(A, d);
    if (Integer c = sign(low, VarArrayLowBound(B, d))) return c;
    if (Integer c = sign(high, VarArrayHighBound(B, d))) return c;
    index[static_cast<size_t>(d - 1)] = low;
    empty = empty || high < low;
  }
  if (empty) return 0;
  // Same shape: element by element, the last index running fastest.
  for (;;) {
    if (Integer c = ElementOrder(VarArrayGet(A, index), VarArrayGet(B, index))) return c;
    Integer d = dims;
    while (d >= 1 && ++index[static_cast<size_t>(d - 1)] > VarArrayHighBound(A, d)) {
      index[static_cast<size_t>(d - 1)] = VarArrayLowBound(A, d);
      --d;
    }
    if (d < 1) return 0;
  }
}

TVarRec VarRecOfVariant(const Variant& Value) {
  TVarRec r;
  r.VType = vtVariant;
  r.VPointer = &Value;
  return r;
}

// ---- Value nodes --------------------------------------------------------------------------------------

void TtsStringSetNode::Assign(TtsSetNode* Source) {
  auto* source = dynamic_cast<TtsStringSetNode*>(Source);
  if (!source) return;
  inherited::Assign(Source);
  FText = source->FText;
}

TtsSetOrder TtsStringSetNode::Compare(TtsCustomSet*, const void* Value) {
  int c = static_cast<const String*>(Value)->compare(FText);
  return c < 0 ? ordSmaller : c > 0 ? ordLarger : ordEqual;
}

TtsSetOrder TtsVariantSetNode::Compare(TtsCustomSet*, const void* Value) {
  return OrderOfVariants(*static_cast<const Variant*>(Value), FValue);
}

TtsSetOrder TtsIntegerSetNode::Compare(TtsCustomSet*, const void* Value) {
  return OrderOf(*static_cast<const Integer*>(Value), FValue);
}

TtsSetOrder TtsIntegerSetNode::CompareKey(TtsCustomSet*, const void* Key) {
  return OrderOf(*static_cast<const Integer*>(Key), FValue);
}

TtsSetOrder TtsRealSetNode::Compare(TtsCustomSet*, const void* Value) {
  return OrderOfReals(*static_cast<const double*>(Value), FValue);
}

// ---- Value sets ---------------------------------------------------------------------------------------

namespace {

template <class T>
T* StoredValue(TtsSetNode* Node) {
  return Node ? static_cast<T*>(Node->Value()) : nullptr;
}

// Frees a node a value set took out; answers whether there was one.
bool FreeRemoved(TtsSetNode* Node) {
  if (Node) Node->Free();
  return Node != nullptr;
}

}  // namespace

TtsSetNode* TtsStringSet::NewNode(const void* Value) {
  return New<TtsStringSetNode>(*static_cast<const String*>(Value));
}
String* TtsStringSet::Add(const String& Value) { return StoredValue<String>(AddNode(&Value)); }
String* TtsStringSet::Get(const String& Value) { return StoredValue<String>(GetNode(GetRoot(), &Value)); }
bool TtsStringSet::Remove(const String& Value) { return FreeRemoved(RemoveNode(&Value)); }

TtsSetNode* TtsVariantSet::NewNode(const void* Value) {
  return New<TtsVariantSetNode>(*static_cast<const Variant*>(Value));
}
Variant* TtsVariantSet::Add(const Variant& Value) { return StoredValue<Variant>(AddNode(&Value)); }
Variant* TtsVariantSet::Get(const Variant& Value) { return StoredValue<Variant>(GetNode(GetRoot(), &Value)); }
bool TtsVariantSet::Remove(const Variant& Value) { return FreeRemoved(RemoveNode(&Value)); }

TtsSetNode* TtsIntegerSet::NewNode(const void* Value) {
  return New<TtsIntegerSetNode>(*static_cast<const Integer*>(Value));
}
Integer* TtsIntegerSet::Add(Integer Value) { return StoredValue<Integer>(AddNode(&Value)); }
Integer* TtsIntegerSet::Get(Integer Value) { return StoredValue<Integer>(GetNode(GetRoot(), &Value)); }
bool TtsIntegerSet::Remove(Integer Value) { return FreeRemoved(RemoveNode(&Value)); }

TtsSetNode* TtsRealSet::NewNode(const void* Value) { return New<TtsRealSetNode>(*static_cast<const double*>(Value)); }
double* TtsRealSet::Add(double Value) { return StoredValue<double>(AddNode(&Value)); }
double* TtsRealSet::Get(double Value) { return StoredValue<double>(GetNode(GetRoot(), &Value)); }
bool TtsRealSet::Remove(double Value) { return FreeRemoved(RemoveNode(&Value)); }

// ---- Elements and the object set ------------------------------------------------------------------------

Integer TtsSetElement::Release(bool) {
  Free();
  return 0;
}

TtsSetOrder TtsSetElement::Compare(TtsCustomSet*, TtsSetElement*) { return ordEqual; }

TtsSetOrder TtsSetElement::CompareKey(TtsCustomSet*, TtsVarRecArray, Integer) { return ordEqual; }

Integer TtsObjectSetNode::Release(bool AllNodes) {
  TtsSetElement* element = FElement;
  FElement = nullptr;
  if (element) element->Release(AllNodes);
  Free();
  return 0;
}

TtsSetOrder TtsObjectSetNode::Compare(TtsCustomSet* Set, const void* Value) {
  return FElement->Compare(Set, static_cast<TtsSetElement*>(const_cast<void*>(Value)));
}

TtsSetOrder TtsObjectSetNode::CompareKey(TtsCustomSet* Set, const void* Key) {
  const auto* key = static_cast<const TtsSetKey*>(Key);
  return FElement->CompareKey(Set, key->Items, key->High);
}

TtsSetNode* TtsObjectSet::NewNode(const void* Value) {
  if (GetAssigning())
    throw EInvalidOperation(String(ClassName()) + " cannot copy its elements into another set");
  return New<TtsObjectSetNode>(static_cast<TtsSetElement*>(const_cast<void*>(Value)));
}

void TtsObjectSet::Add(TtsSetElement* Element) {
  if (!Element) return;
  auto* node = static_cast<TtsObjectSetNode*>(AddNode(Element));
  TtsSetElement* previous = node->FElement;
  if (previous == Element) return;
  node->FElement = Element->Copy();
  if (previous) previous->Release(false);
}

TtsSetElement* TtsObjectSet::Get(TtsVarRecArray Key, Integer KeyHigh) {
  TtsSetKey key{Key, KeyHigh};
  TtsSetNode* node = GetNode(GetRoot(), &key);
  return node ? static_cast<TtsObjectSetNode*>(node)->FElement : nullptr;
}

bool TtsObjectSet::Remove(TtsVarRecArray Key, Integer KeyHigh) {
  TtsSetKey key{Key, KeyHigh};
  TtsSetNode* node = RemoveNode(&key);
  if (node) node->Release(false);
  return node != nullptr;
}

}  // namespace TSSetLib
