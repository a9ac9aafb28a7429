#include "Variants.h"

#include <mutex>

#include "SysConst.h"
#include "VariantsInternal.h"

namespace Variants {

// ---- Construction, copy, release ----------------------------------------------------------------------------
Variant::Variant(const String& value) : FVType(varString), FHeap(new TVarBox<String>(value)) {}
Variant::Variant(String&& value) : FVType(varString), FHeap(new TVarBox<String>(std::move(value))) {}
Variant::Variant(const char* value) : Variant(String(value ? value : "")) {}
Variant::Variant(const WideString& value) : FVType(varOleStr), FHeap(new TVarBox<WideString>(value)) {}
Variant::Variant(WideString&& value) : FVType(varOleStr), FHeap(new TVarBox<WideString>(std::move(value))) {}
Variant::Variant(const char16_t* value) : Variant(WideString(value ? value : u"")) {}

Variant::Variant(const Variant& other) : FVType(other.FVType), FHeap(other.FHeap ? other.FHeap->Clone() : nullptr) {
  FInt = other.FInt;  // the widest member carries every scalar
}

Variant::Variant(Variant&& other) noexcept : FVType(other.FVType), FHeap(other.FHeap) {
  FInt = other.FInt;
  other.FVType = varEmpty;
  other.FInt = 0;
  other.FHeap = nullptr;
}

Variant& Variant::operator=(const Variant& other) {
  if (this != &other) *this = Variant(other);
  return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
  if (this != &other) {
    delete FHeap;
    FVType = other.FVType;
    FInt = other.FInt;
    FHeap = other.FHeap;
    other.FVType = varEmpty;
    other.FInt = 0;
    other.FHeap = nullptr;
  }
  return *this;
}

Variant::~Variant() { delete FHeap; }

void Variant::Clear() {
  delete FHeap;
  FHeap = nullptr;
  FVType = varEmpty;
  FInt = 0;
}

TVarType Variant::IntegerTypeOf(bool isSigned, size_t size) {
  switch (size) {
    case 1: return isSigned ? varShortInt : varByte;
    case 2: return isSigned ? varSmallint : varWord;
    case 4: return isSigned ? varInteger : varLongWord;
    default: return varInt64;
  }
}

void Variant::SetInteger(TVarType type, Int64 value, bool overflow) {
  if (overflow) RaiseOverflowError(varInt64, varInt64);
  FVType = type;
  FInt = value;
}

Variant Variant::MakeCustom(const TCustomVariantType& type, TVarHeap* value) {
  return TVarAccess::OfHeap(type.VarType(), value);
}

// ---- Making and testing ------------------------------------------------------------------------------------
Variant Unassigned() { return Variant(); }
Variant Null() { return TVarAccess::OfInt(varNull, 0); }
Variant VarFromDateTime(TDateTime value) { return TVarAccess::OfFloat(varDate, value); }

Variant VarFromPointer(const void* address) {
  return Variant(static_cast<Int64>(reinterpret_cast<NativeInt>(address)));
}

void* VarToPointer(const Variant& v) {
  if (v.VType() == varEmpty || v.VType() == varNull) return nullptr;
  return reinterpret_cast<void*>(static_cast<NativeInt>(v.ToInt64()));
}

bool IsIntegerType(TVarType type) {
  switch (type) {
    case varSmallint: case varInteger: case varShortInt: case varByte:
    case varWord: case varLongWord: case varInt64:
      return true;
    default:
      return false;
  }
}

bool IsStringType(TVarType type) { return type == varString || type == varOleStr; }

TVarType VarType(const Variant& v) { return v.VType(); }
bool VarIsType(const Variant& v, TVarType type) { return v.VType() == type; }
bool VarIsNull(const Variant& v) { return v.VType() == varNull; }
bool VarIsEmpty(const Variant& v) { return v.VType() == varEmpty; }
bool VarIsClear(const Variant& v) { return v.VType() == varEmpty; }
bool VarIsArray(const Variant& v) { return (v.VType() & varArray) != 0; }
bool VarIsOrdinal(const Variant& v) { return IsIntegerType(v.VType()) || v.VType() == varBoolean; }
bool VarIsFloat(const Variant& v) {
  return v.VType() == varSingle || v.VType() == varDouble || v.VType() == varCurrency;
}
bool VarIsNumeric(const Variant& v) { return VarIsOrdinal(v) || VarIsFloat(v); }
bool VarIsStr(const Variant& v) { return IsStringType(v.VType()); }

String VarTypeAsText(TVarType type) {
  static const char* const kNames[] = {
      "Empty", "Null", "Smallint", "Integer", "Single", "Double", "Currency", "Date", "OleStr",
      "Dispatch", "Error", "Boolean", "Variant", "Unknown", "Decimal", "$000F", "ShortInt",
      "Byte", "Word", "LongWord", "Int64"};
  String prefix;
  if (type & varArray) prefix += "Array ";
  if (type & varByRef) prefix += "ByRef ";
  TVarType base = type & varTypeMask;
  if (base < std::size(kNames)) return prefix + kNames[base];
  if (base == varString) return prefix + "String";
  if (const TCustomVariantType* custom = FindCustomVariantType(base)) return prefix + custom->Name();
  static const char kHex[] = "0123456789ABCDEF";
  String hex = "$";
  for (int shift = 12; shift >= 0; shift -= 4) hex += kHex[(base >> shift) & 0xF];
  return prefix + hex;
}

// ---- Custom types -----------------------------------------------------------------------------------------
namespace {

struct TCustomTypeRegistry {
  std::mutex Lock;
  std::vector<const TCustomVariantType*> Types;  // by code, from CFirstUserType
};

TCustomTypeRegistry& Registry() {
  static TCustomTypeRegistry registry;
  return registry;
}

}  // namespace

TCustomVariantType::TCustomVariantType(String name) : FName(std::move(name)) {
  TCustomTypeRegistry& reg = Registry();
  std::lock_guard<std::mutex> guard(reg.Lock);
  if (reg.Types.size() >= size_t(varTypeMask - CFirstUserType)) throw EVariantError(SysConst::SVarBadType);
  FVarType = static_cast<TVarType>(CFirstUserType + reg.Types.size());
  reg.Types.push_back(this);
}

const TCustomVariantType* FindCustomVariantType(TVarType type) {
  if (type < CFirstUserType) return nullptr;
  TCustomTypeRegistry& reg = Registry();
  std::lock_guard<std::mutex> guard(reg.Lock);
  size_t index = type - CFirstUserType;
  return index < reg.Types.size() ? reg.Types[index] : nullptr;
}

}  // namespace Variants
