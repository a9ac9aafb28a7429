// The typed field classes: their conversions, ranges and display and edit texts.
#include <cmath>
#include <limits>

#include "DB.h"
#include "DBConsts.h"
#include "DateFormat.h"
#include "FloatFormat.h"
#include "Format.h"
#include "FormatSettings.h"
#include "Graphics.h"
#include "StringLists.h"
#include "Streams.h"
#include "Strings.h"
#include "SysConst.h"

namespace DB {

using namespace DBConsts;

namespace {
bool IsBlank(const Variant& v) { return VarIsNull(v) || VarIsEmpty(v); }
}  // namespace

// ---- TStringField ------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TStringField)

void TStringField::Construct() {
  inherited::Construct();
  SetDataType(ftString);
  if (GetSize() == 0) SetSize(20);
}

String TStringField::GetAsString() const { return VarToStr(GetData()); }

void TStringField::SetAsString(const String& Value) { SetData(Value); }

void TStringField::SetAsVariant(const Variant& Value) {
  if (IsBlank(Value))
    SetData(Null());
  else
    SetAsString(VarToStr(Value));
}

bool TStringField::GetAsBoolean() const {
  String s = GetAsString();
  if (s.empty()) return false;
  char c = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
  if (c == 'T' || c == 'Y') return true;
  if (c == 'F' || c == 'N') return false;
  bool b;
  if (TryStrToBool(s, b)) return b;
  throw EDatabaseError(Format(SNotBoolean, {s, GetDisplayLabel()}));
}
void TStringField::SetAsBoolean(bool Value) { SetAsString(Value ? "T" : "F"); }

TDateTime TStringField::GetAsDateTime() const {
  String s = GetAsString();
  if (s.empty()) return 0;
  return StrToDateTime(s);
}
void TStringField::SetAsDateTime(TDateTime Value) { SetAsString(DateTimeToStr(Value)); }

double TStringField::GetAsFloat() const {
  String s = GetAsString();
  if (s.empty()) return 0;
  return StrToFloat(s);
}
void TStringField::SetAsFloat(double Value) { SetAsString(FloatToStr(Value)); }

Integer TStringField::GetAsInteger() const {
  Variant v = GetData();
  if (IsBlank(v)) return 0;
  if (VarIsOrdinal(v)) return v.ToInteger();
  return StrToInt(VarToStr(v));
}
void TStringField::SetAsInteger(Integer Value) { SetAsString(IntToStr(Value)); }

// ---- TNumericField -----------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TNumericField)

void TNumericField::Construct() {
  inherited::Construct();
  SetAlignment(taRightJustify);
}

void TNumericField::SetDisplayFormat(const String& Value) {
  if (Value == FDisplayFormat) return;
  FDisplayFormat = Value;
  PropertyChanged(false);
}

void TNumericField::SetEditFormat(const String& Value) {
  if (Value == FEditFormat) return;
  FEditFormat = Value;
  PropertyChanged(false);
}

// ---- TIntegerField and its kinds -----------------------------------------------------------------------------
IMPLEMENT_CLASS(TIntegerField)

void TIntegerField::Construct() {
  inherited::Construct();
  SetDataType(ftInteger);
}

void TIntegerField::SetRange(Integer Min, Integer Max) {
  FMinRange = Min;
  FMaxRange = Max;
}

Integer TIntegerField::GetAsInteger() const {
  Variant v = GetData();
  if (IsBlank(v)) return 0;
  return v.ToInteger();
}

void TIntegerField::SetAsInteger(Integer Value) {
  Integer lo = FMinRange, hi = FMaxRange;
  if (FMinValue != 0 || FMaxValue != 0) {
    lo = FMinValue;
    hi = FMaxValue;
  }
  if ((lo != 0 || hi != 0) && (Value < lo || Value > hi)) RangeError(Value, lo, hi);
  SetData(Value);
}

// Whole numbers beyond the 32-bit range are kept as they came from the database and read exactly.
double TIntegerField::GetAsFloat() const {
  Variant v = GetData();
  return IsBlank(v) ? 0.0 : static_cast<double>(v.ToInt64());
}

void TIntegerField::SetAsFloat(double Value) {
  if (!(Value >= -2147483648.0 && Value <= 2147483647.0)) RangeError(Value, -2147483648.0, 2147483647.0);
  SetAsInteger(static_cast<Integer>(std::llround(Value)));
}

String TIntegerField::GetAsString() const {
  Variant v = GetData();
  return IsBlank(v) ? String() : IntToStr(v.ToInt64());
}

void TIntegerField::SetAsString(const String& Value) {
  if (Value.empty()) {
    SetData(Null());
    return;
  }
  Integer i;
  if (!TryStrToInt(Value, i)) throw EConvertError(Format(SysConst::SInvalidInteger, {Value}));
  SetAsInteger(i);
}

void TIntegerField::SetAsVariant(const Variant& Value) {
  if (IsBlank(Value))
    SetData(Null());
  else if (VarIsStr(Value))
    SetAsString(VarToStr(Value));
  else
    SetAsInteger(Value.ToInteger());
}

void TIntegerField::GetText(String& Text, bool DisplayText) const {
  Variant v = GetData();
  if (IsBlank(v)) {
    Text.clear();
    return;
  }
  const String& fmt = DisplayText || GetEditFormat().empty() ? GetDisplayFormat() : GetEditFormat();
  Text = fmt.empty() ? IntToStr(v.ToInt64()) : FormatFloat(fmt, static_cast<double>(v.ToInt64()));
}

IMPLEMENT_CLASS(TSmallintField)
void TSmallintField::Construct() {
  inherited::Construct();
  SetDataType(ftSmallint);
  SetRange(-32768, 32767);
}

IMPLEMENT_CLASS(TWordField)
void TWordField::Construct() {
  inherited::Construct();
  SetDataType(ftWord);
  SetRange(0, 65535);
}

IMPLEMENT_CLASS(TAutoIncField)
void TAutoIncField::Construct() {
  inherited::Construct();
  SetDataType(ftAutoInc);
}

// ---- TFloatField -------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TFloatField)

void TFloatField::Construct() {
  inherited::Construct();
  SetDataType(ftFloat);
}

void TFloatField::SetCurrency(bool Value) {
  if (Value == FCurrency) return;
  FCurrency = Value;
  PropertyChanged(false);
}

void TFloatField::SetPrecision(Integer Value) {
  if (Value < 2) Value = 2;
  if (Value > 15) Value = 15;
  if (Value == FPrecision) return;
  FPrecision = Value;
  PropertyChanged(false);
}

double TFloatField::GetAsFloat() const {
  Variant v = GetData();
  return IsBlank(v) ? 0.0 : v.ToDouble();
}

void TFloatField::SetAsFloat(double Value) {
  if ((FMinValue != 0 || FMaxValue != 0) && (Value < FMinValue || Value > FMaxValue))
    RangeError(Value, FMinValue, FMaxValue);
  SetData(Value);
}

Integer TFloatField::GetAsInteger() const {
  double d = GetAsFloat();
  if (!(d >= -2147483648.0 && d <= 2147483647.0)) RangeError(d, -2147483648.0, 2147483647.0);
  return static_cast<Integer>(std::llround(d));
}

void TFloatField::SetAsInteger(Integer Value) { SetAsFloat(Value); }

String TFloatField::GetAsString() const {
  Variant v = GetData();
  return IsBlank(v) ? String() : FloatToStr(v.ToDouble());
}

void TFloatField::SetAsString(const String& Value) {
  if (Value.empty()) {
    SetData(Null());
    return;
  }
  double d;
  if (!TryStrToFloat(Value, d)) throw EConvertError(Format(SysConst::SInvalidFloat, {Value}));
  SetAsFloat(d);
}

void TFloatField::SetAsVariant(const Variant& Value) {
  if (IsBlank(Value))
    SetData(Null());
  else if (VarIsStr(Value))
    SetAsString(VarToStr(Value));
  else
    SetAsFloat(Value.ToDouble());
}

void TFloatField::GetText(String& Text, bool DisplayText) const {
  Variant v = GetData();
  if (IsBlank(v)) {
    Text.clear();
    return;
  }
  double d = v.ToDouble();
  const String& fmt = DisplayText || GetEditFormat().empty() ? GetDisplayFormat() : GetEditFormat();
  if (!fmt.empty())
    Text = FormatFloat(fmt, d);
  else if (DisplayText && FCurrency)
    Text = FloatToStrF(d, ffCurrency, FPrecision, FormatSettings.CurrencyDecimals);
  else
    Text = FloatToStrF(d, ffGeneral, FPrecision, 0);
}

IMPLEMENT_CLASS(TCurrencyField)
void TCurrencyField::Construct() {
  inherited::Construct();
  SetDataType(ftCurrency);
  SetCurrency(true);
}

// ---- TBCDField ---------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TBCDField)

void TBCDField::Construct() {
  inherited::Construct();
  SetDataType(ftBCD);
  if (GetSize() == 0) SetSize(4);
}

void TBCDField::SetCurrency(bool Value) {
  if (Value == FCurrency) return;
  FCurrency = Value;
  PropertyChanged(false);
}

Currency TBCDField::GetAsCurrency() const {
  Variant v = GetData();
  return IsBlank(v) ? Currency{} : v.ToCurrency();
}

void TBCDField::SetAsCurrency(Currency Value) {
  if (FPrecision > 0) {
    // Precision digits in all, Size of them decimals: the integer part has room for the rest.
    Integer intDigits = FPrecision - GetSize();
    double limit = std::pow(10.0, intDigits < 0 ? 0 : intDigits);
    if (std::fabs(Value.ToDouble()) >= limit) throw EDatabaseError(Format(SFieldOutOfRange, {GetDisplayLabel()}));
  }
  SetData(Value);
}

double TBCDField::GetAsFloat() const { return GetAsCurrency().ToDouble(); }

void TBCDField::SetAsFloat(double Value) {
  if (!(std::fabs(Value) < 922337203685477.0)) throw EDatabaseError(SysConst::SBcdOverflow);
  SetAsCurrency(Currency::FromDouble(Value));
}

Integer TBCDField::GetAsInteger() const {
  double d = GetAsFloat();
  if (!(d >= -2147483648.0 && d <= 2147483647.0)) RangeError(d, -2147483648.0, 2147483647.0);
  return static_cast<Integer>(std::llround(d));
}

void TBCDField::SetAsInteger(Integer Value) { SetAsCurrency(Currency::FromRaw(Int64{Value} * Currency::Scale)); }

String TBCDField::GetAsString() const {
  Variant v = GetData();
  return IsBlank(v) ? String() : CurrToStr(v.ToCurrency());
}

void TBCDField::SetAsString(const String& Value) {
  if (Value.empty()) {
    SetData(Null());
    return;
  }
  Currency c;
  if (!TextToFloat(Value, c, FormatSettings)) throw EConvertError(Format(SysConst::SInvalidFloat, {Value}));
  SetAsCurrency(c);
}

void TBCDField::SetAsVariant(const Variant& Value) {
  if (IsBlank(Value))
    SetData(Null());
  else if (VarIsStr(Value))
    SetAsString(VarToStr(Value));
  else
    SetAsCurrency(Value.ToCurrency());
}

void TBCDField::GetText(String& Text, bool DisplayText) const {
  Variant v = GetData();
  if (IsBlank(v)) {
    Text.clear();
    return;
  }
  Currency c = v.ToCurrency();
  const String& fmt = DisplayText || GetEditFormat().empty() ? GetDisplayFormat() : GetEditFormat();
  if (!fmt.empty())
    Text = FormatCurr(fmt, c);
  else if (DisplayText && FCurrency)
    Text = CurrToStrF(c, ffCurrency, FormatSettings.CurrencyDecimals);
  else
    Text = CurrToStr(c);
}

// ---- TBooleanField -----------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TBooleanField)

void TBooleanField::Construct() {
  inherited::Construct();
  SetDataType(ftBoolean);
}

void TBooleanField::SetDisplayValues(const String& Value) {
  if (Value == FDisplayValues) return;
  FDisplayValues = Value;
  SplitBooleanDisplayValues(Value, FTextValues[1], FTextValues[0]);
  PropertyChanged(true);
}

void SplitBooleanDisplayValues(const String& DisplayValues, String& TrueText, String& FalseText) {
  if (DisplayValues.empty()) {
    TrueText = STextTrue;
    FalseText = STextFalse;
    return;
  }
  auto sep = DisplayValues.find(';');
  TrueText = DisplayValues.substr(0, sep);
  FalseText = sep == String::npos ? String() : DisplayValues.substr(sep + 1);
}

Integer TBooleanField::GetDefaultWidth() const {
  return static_cast<Integer>(std::max(FTextValues[0].size(), FTextValues[1].size()));
}

bool TBooleanField::GetAsBoolean() const {
  Variant v = GetData();
  return IsBlank(v) ? false : v.ToBoolean();
}

void TBooleanField::SetAsBoolean(bool Value) { SetData(Value); }

String TBooleanField::GetAsString() const {
  Variant v = GetData();
  return IsBlank(v) ? String() : FTextValues[v.ToBoolean() ? 1 : 0];
}

void TBooleanField::SetAsString(const String& Value) {
  if (Value.empty()) {
    SetData(Null());
    return;
  }
  // A leading part of either text is enough, as long as it names only one of them.
  auto matches = [&](const String& text) {
    return !text.empty() && Value.size() <= text.size() && AnsiSameText(text.substr(0, Value.size()), Value);
  };
  bool t = matches(FTextValues[1]), f = matches(FTextValues[0]);
  if (t != f) {
    SetAsBoolean(t);
    return;
  }
  throw EDatabaseError(Format(SNotBoolean, {Value, GetDisplayLabel()}));
}

void TBooleanField::SetAsVariant(const Variant& Value) {
  if (IsBlank(Value))
    SetData(Null());
  else if (VarIsStr(Value))
    SetAsString(VarToStr(Value));
  else
    SetAsBoolean(Value.ToBoolean());
}

// ---- TDateTimeField and its kinds ----------------------------------------------------------------------------
IMPLEMENT_CLASS(TDateTimeField)

void TDateTimeField::Construct() {
  inherited::Construct();
  SetDataType(ftDateTime);
}

void TDateTimeField::SetDisplayFormat(const String& Value) {
  if (Value == FDisplayFormat) return;
  FDisplayFormat = Value;
  PropertyChanged(false);
}

TDateTime TDateTimeField::GetAsDateTime() const {
  Variant v = GetData();
  if (IsBlank(v)) return 0;
  if (VarIsStr(v)) return StrToDateTime(VarToStr(v));
  return v.ToDateTime();
}

void TDateTimeField::SetAsDateTime(TDateTime Value) { SetData(VarFromDateTime(Value)); }

String TDateTimeField::GetAsString() const {
  String text;
  GetText(text, false);
  return text;
}

void TDateTimeField::SetAsString(const String& Value) {
  if (Value.empty()) {
    SetData(Null());
    return;
  }
  TDateTime d;
  bool ok = DataType() == ftDate ? TryStrToDate(Value, d)
            : DataType() == ftTime ? TryStrToTime(Value, d)
                                   : TryStrToDateTime(Value, d);
  if (!ok) {
    const char* msg = DataType() == ftDate ? SysConst::SInvalidDate
                      : DataType() == ftTime ? SysConst::SInvalidTime
                                             : SysConst::SInvalidDateTime;
    throw EConvertError(Format(msg, {Value}));
  }
  SetAsDateTime(d);
}

void TDateTimeField::SetAsVariant(const Variant& Value) {
  if (IsBlank(Value))
    SetData(Null());
  else if (VarIsStr(Value))
    SetAsString(VarToStr(Value));
  else
    SetAsDateTime(Value.ToDateTime());
}

void TDateTimeField::GetText(String& Text, bool DisplayText) const {
  if (IsNull()) {
    Text.clear();
    return;
  }
  String fmt = DisplayText && !FDisplayFormat.empty() ? FDisplayFormat : DefaultFormat();
  Text = FormatDateTime(fmt, GetAsDateTime());
}

IMPLEMENT_CLASS(TDateField)
void TDateField::Construct() {
  inherited::Construct();
  SetDataType(ftDate);
}

IMPLEMENT_CLASS(TTimeField)
void TTimeField::Construct() {
  inherited::Construct();
  SetDataType(ftTime);
}

// ---- Binary and blob fields ----------------------------------------------------------------------------------
IMPLEMENT_CLASS(TBinaryField)

String TBinaryField::GetAsString() const { return VarToStr(GetData()); }
void TBinaryField::SetAsString(const String& Value) { SetData(Value.empty() ? Null() : Variant(Value)); }
void TBinaryField::GetText(String& Text, bool DisplayText) const {
  Text = IsNull() ? String() : "(" + String(ClassName() + 1) + ")";
}

IMPLEMENT_CLASS(TBytesField)
void TBytesField::Construct() {
  inherited::Construct();
  SetDataType(ftBytes);
  if (GetSize() == 0) SetSize(16);
}

IMPLEMENT_CLASS(TVarBytesField)
void TVarBytesField::Construct() {
  inherited::Construct();
  SetDataType(ftVarBytes);
  if (GetSize() == 0) SetSize(16);
}

IMPLEMENT_CLASS(TBlobField)

void TBlobField::Construct() {
  inherited::Construct();
  SetDataType(ftBlob);
}

String TBlobField::GetAsString() const { return VarToStr(GetData()); }
void TBlobField::SetAsString(const String& Value) { SetData(Value.empty() ? Null() : Variant(Value)); }

void TBlobField::GetText(String& Text, bool DisplayText) const {
  // The contents are not text to show: a marker in capitals when there is a value.
  const char* name = DataType() == ftMemo || DataType() == ftFmtMemo ? "Memo"
                     : DataType() == ftGraphic                        ? "Graphic"
                                                                      : "Blob";
  String marker = IsNull() ? LowerCase(name) : UpperCase(name);
  Text = "(" + marker + ")";
}

void TBlobField::SaveToStream(Streams::TStream* Stream) const {
  String data = GetAsString();
  if (!data.empty()) Stream->WriteBuffer(data.data(), static_cast<Integer>(data.size()));
}

void TBlobField::LoadFromStream(Streams::TStream* Stream) {
  Int64 size = Stream->GetSize() - Stream->GetPosition();
  String data(static_cast<size_t>(size > 0 ? size : 0), '\0');
  if (!data.empty()) Stream->ReadBuffer(data.data(), static_cast<Integer>(data.size()));
  SetAsString(data);
}

void TBlobField::SaveToFile(const String& FileName) const {
  Streams::TFileStream* stream = New<Streams::TFileStream>(FileName, Streams::fmCreate);
  try {
    SaveToStream(stream);
  } catch (...) {
    stream->Free();
    throw;
  }
  stream->Free();
}

void TBlobField::LoadFromFile(const String& FileName) {
  Streams::TFileStream* stream = New<Streams::TFileStream>(FileName, Streams::fmOpenRead);
  try {
    LoadFromStream(stream);
  } catch (...) {
    stream->Free();
    throw;
  }
  stream->Free();
}

void TBlobField::Assign(TPersistent* Source) {
  if (auto* blob = dynamic_cast<TBlobField*>(Source)) {
    SetAsString(blob->GetAsString());
    return;
  }
  if (auto* strings = dynamic_cast<TStrings*>(Source)) {
    SetAsString(strings->GetText());
    return;
  }
  if (auto* picture = dynamic_cast<Graphics::TPicture*>(Source)) Source = picture->GetGraphic();
  if (auto* bitmap = dynamic_cast<Graphics::TBitmap*>(Source)) {
    // A picture is kept as its BMP file; an empty one leaves the field null.
    TOwnedPtr<Streams::TMemoryStream> bytes(New<Streams::TMemoryStream>());
    if (!bitmap->GetEmpty()) bitmap->SaveToStream(bytes.get());
    SetAsString(String(static_cast<const char*>(bytes->GetMemory()), static_cast<size_t>(bytes->GetSize())));
    return;
  }
  inherited::Assign(Source);
}

void TBlobField::AssignTo(TPersistent* Dest) {
  if (auto* strings = dynamic_cast<TStrings*>(Dest)) {
    strings->SetText(GetAsString());
    return;
  }
  if (auto* picture = dynamic_cast<Graphics::TPicture*>(Dest)) Dest = picture->GetBitmap();
  if (auto* bitmap = dynamic_cast<Graphics::TBitmap*>(Dest)) {
    // A null field gives an empty bitmap; bytes that are no BMP file raise EInvalidGraphic.
    String data = GetAsString();
    if (data.empty()) {
      bitmap->Assign(nullptr);
      return;
    }
    TOwnedPtr<Streams::TMemoryStream> bytes(New<Streams::TMemoryStream>());
    bytes->WriteBuffer(data.data(), static_cast<Integer>(data.size()));
    bytes->SetPosition(0);
    bitmap->LoadFromStream(bytes.get());
    return;
  }
  inherited::AssignTo(Dest);
}

IMPLEMENT_CLASS(TMemoField)
void TMemoField::Construct() {
  inherited::Construct();
  SetDataType(ftMemo);
}

IMPLEMENT_CLASS(TGraphicField)
void TGraphicField::Construct() {
  inherited::Construct();
  SetDataType(ftGraphic);
}

}  // namespace DB
