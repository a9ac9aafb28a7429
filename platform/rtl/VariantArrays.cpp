// Variant arrays: creation with bounds, dimensions and element access.
#include <memory>

#include "SysConst.h"
#include "Variants.h"
#include "VariantsInternal.h"

namespace Variants {

namespace {

constexpr size_t MaxDimensions = 64;
constexpr size_t MaxElements = size_t(1) << 28;  // a bound pair beyond this is a mistake, not a request

// The element types an array can hold: the standard value types and Variant.
bool IsElementType(TVarType type) {
  return IsIntegerType(type) || IsStringType(type) || type == varSingle || type == varDouble ||
         type == varCurrency || type == varDate || type == varBoolean || type == varVariant;
}

Variant ZeroOf(TVarType type) {
  if (type == varVariant) return Variant();
  if (IsStringType(type)) return VarAsType(Variant(String()), type);
  return VarAsType(Variant(Integer(0)), type);
}

const TVarArrayData& ArrayOf(const Variant& v) {
  if (!VarIsArray(v)) throw EVariantNotAnArrayError(SysConst::SVarNotArray);
  return TVarAccess::Array(v);
}

const std::pair<Integer, Integer>& Dimension(const Variant& v, Integer dim) {
  const TVarArrayData& data = ArrayOf(v);
  if (dim < 1 || dim > static_cast<Integer>(data.Bounds.size()))
    throw EVariantInvalidArgError(SysConst::SVarArrayBounds);
  return data.Bounds[dim - 1];
}

// The position of an element in the row-major item list.
template <class Indices>
size_t Offset(const TVarArrayData& data, const Indices& indices) {
  if (std::size(indices) != data.Bounds.size()) throw EVariantBadIndexError(SysConst::SVarArrayBounds);
  size_t offset = 0;
  auto bound = data.Bounds.begin();
  for (Integer index : indices) {
    if (index < bound->first || index > bound->second) throw EVariantArrayBoundsError(SysConst::SVarArrayBounds);
    size_t extent = static_cast<size_t>(Int64(bound->second) - bound->first + 1);
    offset = offset * extent + static_cast<size_t>(Int64(index) - bound->first);
    ++bound;
  }
  return offset;
}

template <class Bounds>
Variant CreateArray(const Bounds& bounds, TVarType elementType) {
  size_t count = std::size(bounds);
  if (count == 0 || count % 2 || count / 2 > MaxDimensions || !IsElementType(elementType))
    throw EVariantArrayCreateError(SysConst::SVarArrayCreate);
  auto data = std::make_unique<TVarArrayData>();
  data->ElementType = elementType;
  size_t elements = 1;
  for (auto it = std::begin(bounds); it != std::end(bounds); it += 2) {
    Integer low = it[0], high = it[1];
    Int64 extent = Int64(high) - low + 1;
    if (extent < 0 || (extent > 0 && elements > MaxElements / static_cast<size_t>(extent)))
      throw EVariantArrayCreateError(SysConst::SVarArrayCreate);
    elements *= static_cast<size_t>(extent);
    data->Bounds.emplace_back(low, high);
  }
  data->Items.assign(elements, ZeroOf(elementType));
  return TVarAccess::OfHeap(varArray | elementType, data.release());
}

}  // namespace

Variant VarArrayCreate(std::initializer_list<Integer> bounds, TVarType elementType) {
  return CreateArray(bounds, elementType);
}

Variant VarArrayCreate(const std::vector<Integer>& bounds, TVarType elementType) {
  return CreateArray(bounds, elementType);
}

Variant VarArrayOf(const std::vector<Variant>& values) {
  auto data = std::make_unique<TVarArrayData>();
  data->Bounds.emplace_back(0, static_cast<Integer>(values.size()) - 1);
  data->Items = values;
  return TVarAccess::OfHeap(varArray | varVariant, data.release());
}

Variant VarArrayOf(std::initializer_list<Variant> values) { return VarArrayOf(std::vector<Variant>(values)); }

Integer VarArrayDimCount(const Variant& v) {
  return VarIsArray(v) ? static_cast<Integer>(TVarAccess::Array(v).Bounds.size()) : 0;
}

Integer VarArrayLowBound(const Variant& v, Integer dim) { return Dimension(v, dim).first; }
Integer VarArrayHighBound(const Variant& v, Integer dim) { return Dimension(v, dim).second; }

Variant VarArrayGet(const Variant& v, std::initializer_list<Integer> indices) {
  const TVarArrayData& data = ArrayOf(v);
  return data.Items[Offset(data, indices)];
}

Variant VarArrayGet(const Variant& v, const std::vector<Integer>& indices) {
  const TVarArrayData& data = ArrayOf(v);
  return data.Items[Offset(data, indices)];
}

void VarArrayPut(Variant& v, const Variant& value, std::initializer_list<Integer> indices) {
  ArrayOf(v);
  TVarArrayData& data = TVarAccess::Array(v);
  size_t offset = Offset(data, indices);
  // Converted before the store, so that a failed conversion leaves the element as it was.
  Variant stored = data.ElementType == varVariant ? value : VarAsType(value, data.ElementType);
  data.Items[offset] = std::move(stored);
}

}  // namespace Variants
