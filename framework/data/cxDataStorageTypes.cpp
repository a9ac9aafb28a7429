// The value types of the record store and their registry.
#include <cstring>

#include "DateFormat.h"
#include "FloatFormat.h"
#include "FmtBcd.h"
#include "SqlTimSt.h"
#include "Streams.h"
#include "Strings.h"
#include "cxDataStorage.h"
#include "cxVariants.h"

namespace cxDataStorage {

namespace {

template <class T>
T Load(const void* P) {
  return LoadStoredValue<T>(P);
}

template <class T>
void Store(void* P, T value) {
  std::memcpy(P, &value, sizeof(T));
}

template <class T>
Integer Sign(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// The Variant comparison, answering -1, 0 or 1.
Integer CompareVariants(const Variant& A, const Variant& B) {
  const Integer r = VarCompare(A, B);
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

String VariantText(const Variant& AValue) {
  try {
    return VarToStr(AValue);
  } catch (EVariantError&) {
    return String();
  }
}

}  // namespace

// ---- Base ----------------------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxValueType)

void TcxValueType::FreeTextBuffer(Byte* P) const {
  auto* text = Load<String*>(P);
  delete text;
  Store<String*>(P, nullptr);
}

String TcxValueType::GetDefaultDisplayText(const Byte* P) const { return VariantText(GetDataValue(P)); }

String TcxValueType::GetDisplayText(const Byte* P) const {
  const auto* text = Load<String*>(P);
  return text ? *text : String();
}

void TcxValueType::SetDisplayText(Byte* P, const String& AText) const {
  auto* text = Load<String*>(P);
  if (!text) {
    text = new String();
    Store<String*>(P, text);
  }
  *text = AText;
}

void TcxValueType::ReadDataValue(Byte* P, TStream* AStream) const {
  SetDataValue(P, ReadVariantFunc(AStream));
}

void TcxValueType::WriteDataValue(const Byte* P, TStream* AStream) const {
  WriteVariantProc(AStream, GetDataValue(P));
}

void TcxValueType::ReadDisplayText(Byte* P, TStream* AStream) const { SetDisplayText(P, ReadStringFunc(AStream)); }

void TcxValueType::WriteDisplayText(const Byte* P, TStream* AStream) const {
  WriteStringProc(AStream, GetDisplayText(P));
}

Integer TcxValueType::CompareValues(const void* P1, const void* P2) const {
  return CompareVariants(GetValue(P1), GetValue(P2));
}

String TcxValueType::Caption() const {
  String name = ClassName();
  if (name.compare(0, 3, "Tcx") == 0) name.erase(0, 3);
  const size_t at = name.find("ValueType");
  if (at != String::npos) name.erase(at, 9);
  return name;
}

bool TcxValueType::IsValueValid(Variant& AValue) const {
  if (VarIsNull(AValue) || GetVarType() == varVariant) return true;
  try {
    AValue = VarAsType(AValue, GetVarType());
    return true;
  } catch (EVariantError&) {
    return false;
  }
}

// ---- Strings -------------------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxStringValueType)

Integer TcxStringValueType::Compare(const Byte* P1, const Byte* P2) const {
  return CompareValues(Load<const void*>(P1), Load<const void*>(P2));
}

void TcxStringValueType::FreeBuffer(Byte* P) const {
  delete Load<String*>(P);
  Store<String*>(P, nullptr);
}

Variant TcxStringValueType::GetDataValue(const Byte* P) const { return GetValue(Load<const void*>(P)); }

Variant TcxStringValueType::GetValue(const void* P) const {
  return P ? Variant(*static_cast<const String*>(P)) : Null();
}

void TcxStringValueType::SetDataValue(Byte* P, const Variant& AValue) const { SetDisplayText(P, VarToStr(AValue)); }

void TcxStringValueType::ReadDataValue(Byte* P, TStream* AStream) const {
  SetDataValue(P, Variant(ReadStringFunc(AStream)));
}

void TcxStringValueType::WriteDataValue(const Byte* P, TStream* AStream) const {
  const auto* text = Load<const String*>(P);
  WriteStringProc(AStream, text ? *text : String());
}

Integer TcxStringValueType::CompareValues(const void* P1, const void* P2) const {
  if (!P1 || !P2) return Sign(P1 != nullptr, P2 != nullptr);
  const Integer r = static_cast<const String*>(P1)->compare(*static_cast<const String*>(P2));
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

const void* TcxStringValueType::PrepareValueBuffer(const Byte* P) const { return Load<const void*>(P); }

IMPLEMENT_CLASS(TcxWideStringValueType)

void TcxWideStringValueType::FreeBuffer(Byte* P) const {
  delete Load<WideString*>(P);
  Store<WideString*>(P, nullptr);
}

Variant TcxWideStringValueType::GetDataValue(const Byte* P) const { return GetValue(Load<const void*>(P)); }

Variant TcxWideStringValueType::GetValue(const void* P) const {
  return P ? Variant(*static_cast<const WideString*>(P)) : Null();
}

void TcxWideStringValueType::SetDataValue(Byte* P, const Variant& AValue) const {
  auto* text = Load<WideString*>(P);
  if (!text) {
    text = new WideString();
    Store<WideString*>(P, text);
  }
  *text = VarToWideStr(AValue);
}

void TcxWideStringValueType::ReadDataValue(Byte* P, TStream* AStream) const {
  SetDataValue(P, Variant(ReadWideStringFunc(AStream)));
}

void TcxWideStringValueType::WriteDataValue(const Byte* P, TStream* AStream) const {
  WriteWideStringProc(AStream, VarToWideStr(GetDataValue(P)));
}

Integer TcxWideStringValueType::CompareValues(const void* P1, const void* P2) const {
  if (!P1 || !P2) return Sign(P1 != nullptr, P2 != nullptr);
  const Integer r = static_cast<const WideString*>(P1)->compare(*static_cast<const WideString*>(P2));
  return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

// ---- Fixed-size numbers --------------------------------------------------------------------------------

#define CX_FIXED_TYPE(T, C, Make, FromVariant, Read, Write, CompareExpr) \
  IMPLEMENT_CLASS(T)                                                    \
  Variant T::GetDataValue(const Byte* P) const { return Make(Load<C>(P)); } \
  void T::SetDataValue(Byte* P, const Variant& AValue) const { Store<C>(P, FromVariant); } \
  void T::ReadDataValue(Byte* P, TStream* AStream) const { SetDataValue(P, Make(Read(AStream))); } \
  void T::WriteDataValue(const Byte* P, TStream* AStream) const { Write(AStream, Load<C>(P)); } \
  Integer T::CompareValues(const void* P1, const void* P2) const {   \
    const C a = Load<C>(P1), b = Load<C>(P2);                         \
    return CompareExpr;                                               \
  }

namespace {
Variant MakeSmallint(SmallInt v) { return Variant(v); }
Variant MakeInteger(Integer v) { return Variant(v); }
Variant MakeWord(Word v) { return Variant(v); }
Variant MakeBoolean(Byte v) { return Variant(v != 0); }
Variant MakeFloat(double v) { return Variant(v); }
Variant MakeCurrency(Int64 v) { return Variant(Currency::FromRaw(v)); }
Variant MakeDate(double v) { return VarFromDateTime(v); }
Variant MakeLargeInt(Int64 v) { return Variant(v); }
Byte ReadBool(TStream* S) { return ReadByteFunc(S); }
void WriteBool(TStream* S, Byte v) { WriteByteProc(S, v); }
Int64 ReadCurrencyRaw(TStream* S) { return ReadCurrencyFunc(S).Raw; }
void WriteCurrencyRaw(TStream* S, Int64 v) { WriteCurrencyProc(S, Currency::FromRaw(v)); }
}  // namespace

CX_FIXED_TYPE(TcxSmallintValueType, SmallInt, MakeSmallint, static_cast<SmallInt>(AValue.ToInteger()),
              ReadSmallIntFunc, WriteSmallIntProc, Integer(a) - Integer(b))
CX_FIXED_TYPE(TcxIntegerValueType, Integer, MakeInteger, AValue.ToInteger(), ReadIntegerFunc, WriteIntegerProc,
              Sign(a, b))
CX_FIXED_TYPE(TcxWordValueType, Word, MakeWord, static_cast<Word>(AValue.ToInteger()), ReadWordFunc, WriteWordProc,
              Integer(a) - Integer(b))
CX_FIXED_TYPE(TcxBooleanValueType, Byte, MakeBoolean, static_cast<Byte>(AValue.ToBoolean() ? 1 : 0), ReadBool,
              WriteBool, Integer(a) - Integer(b))
CX_FIXED_TYPE(TcxFloatValueType, double, MakeFloat, AValue.ToDouble(), ReadFloatFunc, WriteFloatProc, Sign(a, b))
CX_FIXED_TYPE(TcxCurrencyValueType, Int64, MakeCurrency, AValue.ToCurrency().Raw, ReadCurrencyRaw, WriteCurrencyRaw,
              Sign(a, b))
CX_FIXED_TYPE(TcxDateTimeValueType, double, MakeDate, AValue.ToDateTime(), ReadDateTimeFunc, WriteDateTimeProc,
              Sign(a, b))
CX_FIXED_TYPE(TcxLargeIntValueType, Int64, MakeLargeInt, AValue.ToInt64(), ReadLargeIntFunc, WriteLargeIntProc,
              Sign(a, b))
#undef CX_FIXED_TYPE

String TcxBooleanValueType::GetDefaultDisplayText(const Byte* P) const {
  try {
    return BoolToStr(GetDataValue(P).ToBoolean(), true);
  } catch (EVariantError&) {
    return String();
  }
}

String TcxDateTimeValueType::GetDefaultDisplayText(const Byte* P) const {
  try {
    return VarToStr(GetDataValue(P));
  } catch (EVariantError&) {
    return DateTimeToStr(Load<double>(P));
  }
}

// ---- Decimal and time stamp ----------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxFMTBcdValueType)

TVarType TcxFMTBcdValueType::GetVarType() const { return VarFMTBcd(); }

Variant TcxFMTBcdValueType::GetDataValue(const Byte* P) const { return VarFMTBcdCreate(Load<TBcd>(P)); }

void TcxFMTBcdValueType::SetDataValue(Byte* P, const Variant& AValue) const {
  Store<TBcd>(P, VarToBcd(AValue));
}

String TcxFMTBcdValueType::GetDefaultDisplayText(const Byte* P) const {
  return BcdToStrF(Load<TBcd>(P), ffGeneral, 0, 0);
}

Integer TcxFMTBcdValueType::CompareValues(const void* P1, const void* P2) const {
  return BcdCompare(Load<TBcd>(P1), Load<TBcd>(P2));
}

IMPLEMENT_CLASS(TcxSQLTimeStampValueType)

TVarType TcxSQLTimeStampValueType::GetVarType() const { return VarSQLTimeStamp(); }

Variant TcxSQLTimeStampValueType::GetDataValue(const Byte* P) const {
  return VarSQLTimeStampCreate(Load<TSQLTimeStamp>(P));
}

void TcxSQLTimeStampValueType::SetDataValue(Byte* P, const Variant& AValue) const {
  Store<TSQLTimeStamp>(P, VarToSQLTimeStamp(AValue));
}

Integer TcxSQLTimeStampValueType::CompareValues(const void* P1, const void* P2) const {
  const auto a = Load<TSQLTimeStamp>(P1), b = Load<TSQLTimeStamp>(P2);
  const Int64 fields[][2] = {{a.Year, b.Year},     {a.Month, b.Month},   {a.Day, b.Day},
                             {a.Hour, b.Hour},     {a.Minute, b.Minute}, {a.Second, b.Second},
                             {a.Fractions, b.Fractions}};
  for (const auto& f : fields)
    if (f[0] != f[1]) return static_cast<Integer>(f[0] - f[1]);
  return 0;
}

// ---- Variant and object --------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxVariantValueType)

Integer TcxVariantValueType::Compare(const Byte* P1, const Byte* P2) const {
  return CompareValues(Load<const void*>(P1), Load<const void*>(P2));
}

void TcxVariantValueType::FreeBuffer(Byte* P) const {
  delete Load<Variant*>(P);
  Store<Variant*>(P, nullptr);
}

Variant TcxVariantValueType::GetDataValue(const Byte* P) const { return GetValue(Load<const void*>(P)); }

Variant TcxVariantValueType::GetValue(const void* P) const {
  return P ? *static_cast<const Variant*>(P) : Null();
}

void TcxVariantValueType::SetDataValue(Byte* P, const Variant& AValue) const {
  auto* value = Load<Variant*>(P);
  if (!value) {
    value = new Variant();
    Store<Variant*>(P, value);
  }
  *value = AValue;
}

Integer TcxVariantValueType::CompareValues(const void* P1, const void* P2) const {
  if (!P1 || !P2) return Sign(P1 != nullptr, P2 != nullptr);
  return CompareVariants(*static_cast<const Variant*>(P1), *static_cast<const Variant*>(P2));
}

const void* TcxVariantValueType::PrepareValueBuffer(const Byte* P) const { return Load<const void*>(P); }

IMPLEMENT_CLASS(TcxObjectValueType)

void TcxObjectValueType::FreeBuffer(Byte* P) const {
  auto* object = Load<TObject*>(P);
  Store<TObject*>(P, nullptr);
  FreeObject(object);
}

Variant TcxObjectValueType::GetDataValue(const Byte* P) const { return VarFromPointer(Load<void*>(P)); }

void TcxObjectValueType::SetDataValue(Byte* P, const Variant& AValue) const {
  Store<void*>(P, VarToPointer(AValue));
}

Integer TcxObjectValueType::CompareValues(const void* P1, const void* P2) const {
  return Sign(Load<uintptr_t>(P1), Load<uintptr_t>(P2));
}

// ---- Registry ------------------------------------------------------------------------------------------

IMPLEMENT_CLASS(TcxValueTypeClassList)

void TcxValueTypeClassList::RegisterItem(TcxValueTypeClass AClass) {
  for (TcxValueTypeClass c : FItems)
    if (c == AClass) return;
  FItems.push_back(AClass);
}

void TcxValueTypeClassList::UnregisterItem(TcxValueTypeClass AClass) {
  for (auto it = FItems.begin(); it != FItems.end(); ++it)
    if (*it == AClass) {
      FItems.erase(it);
      return;
    }
}

TcxValueTypeClass TcxValueTypeClassList::ItemByCaption(const String& ACaption) const {
  for (TcxValueTypeClass c : FItems)
    if (c->Caption() == ACaption) return c;
  return nullptr;
}

namespace {
TcxValueTypeClassList* ValueTypeClassList = nullptr;

const std::vector<TcxValueTypeClass>& RegisteredTypes() {
  static const std::vector<TcxValueTypeClass> types = {
      ValueTypeClass<TcxStringValueType>(),       ValueTypeClass<TcxWideStringValueType>(),
      ValueTypeClass<TcxSmallintValueType>(),     ValueTypeClass<TcxIntegerValueType>(),
      ValueTypeClass<TcxWordValueType>(),         ValueTypeClass<TcxBooleanValueType>(),
      ValueTypeClass<TcxFloatValueType>(),        ValueTypeClass<TcxCurrencyValueType>(),
      ValueTypeClass<TcxDateTimeValueType>(),     ValueTypeClass<TcxLargeIntValueType>(),
      ValueTypeClass<TcxFMTBcdValueType>(),       ValueTypeClass<TcxSQLTimeStampValueType>(),
      ValueTypeClass<TcxVariantValueType>(),      ValueTypeClass<TcxObjectValueType>(),
  };
  return types;
}
}  // namespace

TcxValueTypeClassList* cxValueTypeClassList() {
  if (!ValueTypeClassList) ValueTypeClassList = New<TcxValueTypeClassList>();
  return ValueTypeClassList;
}

bool IsDateTimeValueTypeClass(TcxValueTypeClass AClass) {
  return AClass == ValueTypeClass<TcxDateTimeValueType>() || AClass == ValueTypeClass<TcxSQLTimeStampValueType>();
}

TVarType StoredNumberVarType(TcxValueTypeClass AClass) {
  if (AClass == ValueTypeClass<TcxIntegerValueType>()) return varInteger;
  if (AClass == ValueTypeClass<TcxLargeIntValueType>()) return varInt64;
  if (AClass == ValueTypeClass<TcxFloatValueType>()) return varDouble;
  if (AClass == ValueTypeClass<TcxDateTimeValueType>()) return varDate;
  if (AClass == ValueTypeClass<TcxCurrencyValueType>()) return varCurrency;
  return varEmpty;
}

void cxDataStorageInitialization() {
  for (TcxValueTypeClass c : RegisteredTypes()) cxValueTypeClassList()->RegisterItem(c);
}

void cxDataStorageFinalization() {
  const auto& types = RegisteredTypes();
  for (auto it = types.rbegin(); it != types.rend(); ++it) cxValueTypeClassList()->UnregisterItem(*it);
  FreeAndNil(ValueTypeClassList);
}

}  // namespace cxDataStorage
