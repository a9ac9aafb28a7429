#include "SqlTimSt.h"

#include "DateFormat.h"
#include "DateTime.h"
#include "Exceptions.h"
#include "SysConst.h"
#include "Variants.h"
#include "VariantsInternal.h"

namespace SqlTimSt {

TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value) {
  Word year, month, day, hour, minute, second, msec;
  DecodeDate(value, year, month, day);
  DecodeTime(value, hour, minute, second, msec);
  return TSQLTimeStamp{static_cast<SmallInt>(year), month, day, hour, minute, second, msec};
}

bool IsSQLTimeStampBlank(const TSQLTimeStamp& stamp) { return stamp == NullSQLTimeStamp; }

TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& stamp) {
  if (IsSQLTimeStampBlank(stamp)) return 0;
  if (stamp.Year < 1) throw EConvertError(SysConst::SDateEncodeError);
  TDateTime date = EncodeDate(static_cast<Word>(stamp.Year), stamp.Month, stamp.Day);
  if (stamp.Fractions > 999) throw EConvertError(SysConst::STimeEncodeError);
  TDateTime time = EncodeTime(stamp.Hour, stamp.Minute, stamp.Second, static_cast<Word>(stamp.Fractions));
  return ComposeDateTime(date, time);
}

Integer SQLTimeStampCompare(const TSQLTimeStamp& a, const TSQLTimeStamp& b) {
  const Int64 fa[] = {a.Year, a.Month, a.Day, a.Hour, a.Minute, a.Second, a.Fractions};
  const Int64 fb[] = {b.Year, b.Month, b.Day, b.Hour, b.Minute, b.Second, b.Fractions};
  for (size_t i = 0; i < std::size(fa); ++i)
    if (fa[i] != fb[i]) return fa[i] < fb[i] ? -1 : 1;
  return 0;
}

String SQLTimeStampToStr(const String& format, const TSQLTimeStamp& stamp) {
  TDateTime value = SQLTimeStampToDateTime(stamp);
  return format.empty() ? DateTimeToStr(value) : FormatDateTime(format, value);
}

bool TryStrToSQLTimeStamp(const String& text, TSQLTimeStamp& stamp) {
  TDateTime value;
  if (!TryStrToDateTime(text, value)) return false;
  stamp = DateTimeToSQLTimeStamp(value);
  return true;
}

TSQLTimeStamp StrToSQLTimeStamp(const String& text) {
  TSQLTimeStamp stamp;
  if (!TryStrToSQLTimeStamp(text, stamp)) {
    String message = SysConst::SInvalidDateTime;
    message.replace(message.find("%s"), 2, text);
    throw EConvertError(message);
  }
  return stamp;
}

// ---- The Variant type -------------------------------------------------------------------------------------
namespace {

using namespace Variants;

class TSQLTimeStampVariantType final : public TCustomVariantType {
 public:
  TSQLTimeStampVariantType() : TCustomVariantType("SQLTimeStamp") {}

  static const TSQLTimeStamp& Value(const Variant& v) {
    return static_cast<const TVarBox<TSQLTimeStamp>*>(v.Heap())->Value;
  }

  Variant CastTo(const Variant& source, TVarType type) const override {
    if (IsStringType(type) || type == varVariant)
      return VarAsType(Variant(SQLTimeStampToStr(String(), Value(source))), type == varVariant ? varString : type);
    return VarAsType(VarFromDateTime(SQLTimeStampToDateTime(Value(source))), type);
  }

  Variant CastFrom(const Variant& source) const override {
    TSQLTimeStamp stamp;
    if (IsStringType(source.VType())) {
      if (!TryStrToSQLTimeStamp(source.ToString(), stamp)) RaiseCastError(source.VType(), VarType());
    } else {
      TDateTime value = source.ToDateTime();
      // A number no calendar date stands for fails as a Variant conversion, as every other source does.
      try {
        stamp = DateTimeToSQLTimeStamp(value);
      } catch (const Exception&) {
        RaiseCastError(source.VType(), VarType());
      }
    }
    return Variant::MakeCustom(*this, new TVarBox<TSQLTimeStamp>(stamp));
  }

  int Compare(const Variant& a, const Variant& b) const override { return SQLTimeStampCompare(Value(a), Value(b)); }
  TVarType ArithmeticType() const override { return varDate; }
};

const TSQLTimeStampVariantType& StampType() {
  static const TSQLTimeStampVariantType* type = new TSQLTimeStampVariantType();  // lives as long as any Variant of it
  return *type;
}

}  // namespace

Variant VarSQLTimeStampCreate(const TSQLTimeStamp& stamp) {
  return Variant::MakeCustom(StampType(), new TVarBox<TSQLTimeStamp>(stamp));
}

Variant VarSQLTimeStampCreate(TDateTime value) { return VarSQLTimeStampCreate(DateTimeToSQLTimeStamp(value)); }

Variant VarSQLTimeStampCreate(const String& text) { return VarSQLTimeStampCreate(StrToSQLTimeStamp(text)); }

Word VarSQLTimeStamp() { return StampType().VarType(); }

bool VarIsSQLTimeStamp(const Variant& v) { return v.VType() == VarSQLTimeStamp(); }

TSQLTimeStamp VarToSQLTimeStamp(const Variant& v) {
  if (VarIsSQLTimeStamp(v)) return TSQLTimeStampVariantType::Value(v);
  return TSQLTimeStampVariantType::Value(VarAsType(v, VarSQLTimeStamp()));
}

}  // namespace SqlTimSt
