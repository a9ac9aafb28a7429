#include "cxVariants.h"

#include "FmtBcd.h"
#include "SqlTimSt.h"
#include "Strings.h"

namespace cxVariants {

namespace {

Integer ElementCount(const Variant& V) { return VarArrayHighBound(V, 1) - VarArrayLowBound(V, 1) + 1; }

// Arrays pair their elements by position, each array from its own low bound, so that arrays of
// different bounds (5..6 against 0..1) compare by their elements, never outside either one.
Integer CompareArrays(const Variant& A, const Variant& B) {
  bool isArrayA = VarIsArray(A), isArrayB = VarIsArray(B);
  if (!isArrayB) return 1;
  if (!isArrayA) return -1;
  Integer countA = ElementCount(A), countB = ElementCount(B);
  if (countA != countB) return countA - countB;
  Integer lowA = VarArrayLowBound(A, 1), lowB = VarArrayLowBound(B, 1);
  for (Integer i = 0; i < countA; ++i) {
    Integer result = VarCompare(VarArrayGet(A, {lowA + i}), VarArrayGet(B, {lowB + i}));
    if (result != 0) return result;
  }
  return 0;
}

Integer CompareValues(const Variant& A, const Variant& B) {
  if (VarIsEmpty(A)) return VarIsEmpty(B) ? 0 : -1;
  if (VarIsEmpty(B)) return 1;
  if (A == B) return 0;
  if (VarIsNull(A)) return -1;
  if (VarIsNull(B)) return 1;
  return A < B ? -1 : 1;
}

}  // namespace

Integer VarCompare(const Variant& A, const Variant& B) {
  try {
    if (VarType(A) == varString && VarType(B) == varString) return CompareStr(A.ToString(), B.ToString());
    if (VarType(A) == varDate && VarType(B) == varDate) return CompareValues(A.ToDouble(), B.ToDouble());
    if (VarIsArray(A) || VarIsArray(B)) return CompareArrays(A, B);
    return CompareValues(A, B);
  } catch (const EVariantError&) {
    return -1;
  }
}

bool VarEquals(const Variant& A, const Variant& B) { return VarCompare(A, B) == 0; }

bool VarEqualsExact(const Variant& A, const Variant& B) {
  if (VarIsNull(A) || VarIsNull(B) || (VarType(A) != varBoolean && VarType(B) != varBoolean)) return VarEquals(A, B);
  try {
    return A.ToString() == B.ToString();
  } catch (const EVariantError&) {
    return false;
  }
}

bool VarEqualsSoft(const Variant& A, const Variant& B) {
  return VarEquals(A, B) || (VarIsSoftNull(A) && VarIsSoftNull(B));
}

Integer VarIndex(const std::vector<Variant>& AList, const Variant& AValue) {
  for (size_t i = 0; i < AList.size(); ++i)
    if (VarEquals(AList[i], AValue)) return static_cast<Integer>(i);
  return -1;
}

bool VarIsDate(const Variant& AValue) { return VarType(AValue) == varDate || VarIsSQLTimeStamp(AValue); }

bool VarIsNumericEx(const Variant& AValue) { return VarIsNumeric(AValue) || VarIsFMTBcd(AValue); }

bool VarIsSoftNull(const Variant& AValue) { return VarIsNull(AValue) || (VarIsStr(AValue) && VarToStr(AValue).empty()); }

bool VarTypeIsCurrency(TVarType AVarType) { return AVarType == varCurrency || AVarType == VarFMTBcd(); }

String VarToStrEx(const Variant& AValue) { return VarToStr(AValue); }

Variant VarBetweenArrayCreate(const Variant& AValue1, const Variant& AValue2) { return VarArrayOf({AValue1, AValue2}); }

Variant VarListArrayCreate(const Variant& AValue) { return VarArrayOf({AValue}); }

void VarListArrayAddValue(Variant& AList, const Variant& AValue) {
  Integer count = ElementCount(AList);
  Integer low = VarArrayLowBound(AList, 1);
  std::vector<Variant> values;
  values.reserve(static_cast<size_t>(count) + 1);
  for (Integer i = 0; i < count; ++i) values.push_back(VarArrayGet(AList, {low + i}));
  values.push_back(AValue);
  AList = VarArrayOf(values);
}

}  // namespace cxVariants
