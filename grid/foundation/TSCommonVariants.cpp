// Objects in Variants, Variant equality and order, Variants as form-stream values, and the
// check-box value strings.
#include "Filer.h"
#include "Graphics.h"
#include "Strings.h"
#include "TSCommon.h"
#include "TSSetLib.h"
#include "Variants.h"

namespace TSCommon {

namespace {

const char* const NullText = "Null";

bool IsNullText(const String& Text) { return AnsiSameText(Text, NullText); }

// The position of the first "|" at or after From that is a character of its own; npos when none.
size_t FindBar(const String& Values, size_t From) {
  const char* found = AnsiStrNScan(Values.c_str() + From, '|', static_cast<Integer>(Values.size() - From));
  return found ? static_cast<size_t>(found - Values.c_str()) : String::npos;
}

}  // namespace

// ---- Objects in Variants ------------------------------------------------------------------------------

Variant ObjectToVariant(TObject* Obj) { return VarFromPointer(Obj); }

TObject* VariantToObject(const Variant& Value) { return static_cast<TObject*>(VarToPointer(Value)); }

Variant BitmapToVariant(Graphics::TBitmap* Bitmap) { return VarFromPointer(Bitmap); }

Graphics::TBitmap* VariantToBitmap(const Variant& Value) {
  return static_cast<Graphics::TBitmap*>(VarToPointer(Value));
}

// ---- Equality and order -------------------------------------------------------------------------------

bool IsNumVar(const Variant& Value) {
  switch (VarType(Value)) {
    case varSmallint:
    case varInteger:
    case varSingle:
    case varDouble:
    case varCurrency:
    case varByte:
      return true;
    default:
      return false;
  }
}

bool VariantEqual(const Variant& A, const Variant& B) {
  if (VarIsEmpty(A) || VarIsEmpty(B)) return VarIsEmpty(A) && VarIsEmpty(B);
  if (VarType(A) != VarType(B)) return false;
  return VarIsNull(A) || VarSameValue(A, B);
}

bool EqualPropValue(const Variant& A, const Variant& B) {
  if (VariantEqual(A, B)) return true;
  return VarType(A) != VarType(B) && IsNumVar(A) && IsNumVar(B) && A == B;
}

Integer CompareVariant(const Variant& A, const Variant& B) {
  if (VarIsEmpty(A)) return VarIsEmpty(B) ? 0 : -1;
  if (VarIsEmpty(B)) return 1;
  if (VarIsNull(A)) return VarIsNull(B) ? 0 : -1;
  if (VarIsNull(B)) return 1;
  if (VarIsArray(A) || VarIsArray(B)) {
    if (!VarIsArray(B)) return 1;
    if (!VarIsArray(A)) return -1;
    Integer c = CompareVarArrays(A, B, CompareVariant);
    return (c > 0) - (c < 0);
  }
  if (A < B) return -1;
  if (A > B) return 1;
  return 0;
}

// ---- Variants in form streams -------------------------------------------------------------------------

void WriteVariant(Filer::TWriter* Writer, const Variant& Value) {
  switch (VarType(Value)) {
    case varEmpty:
      Writer->WriteIdent("Empty");
      break;
    case varNull:
      Writer->WriteIdent(NullText);
      break;
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
      Writer->WriteInteger(Value.ToInteger());
      break;
    case varLongWord:
    case varInt64:
      Writer->WriteInteger(Value.ToInt64());
      break;
    case varSingle:
    case varDouble:
    case varDate:
      Writer->WriteFloat(Value.ToDouble());
      break;
    case varCurrency:
      Writer->WriteCurrency(Value.ToCurrency());
      break;
    case varOleStr:
    case varString:
      Writer->WriteString(Value.ToString());
      break;
    case varBoolean:
      Writer->WriteBoolean(Value.ToBoolean());
      break;
    default:
      Writer->WriteString(String());
  }
}

Variant ReadVariant(Filer::TReader* Reader) {
  switch (Reader->NextValue()) {
    case Filer::vaInt8:
    case Filer::vaInt16:
    case Filer::vaInt32:
      return Reader->ReadInteger();
    case Filer::vaInt64:
      return Reader->ReadInt64();
    case Filer::vaExtended:
    case Filer::vaSingle:
      return Reader->ReadFloat();
    case Filer::vaDate:
      return VarFromDateTime(Reader->ReadDate());
    case Filer::vaCurrency:
      return Reader->ReadCurrency();
    case Filer::vaString:
    case Filer::vaLString:
    case Filer::vaUTF8String:
    case Filer::vaWString:
      return Reader->ReadString();
    case Filer::vaIdent:
    case Filer::vaNull: {
      String ident = Reader->ReadIdent();
      if (ident == NullText) return Null();
      return Variant();
    }
    case Filer::vaFalse:
    case Filer::vaTrue:
      return Reader->ReadBoolean();
    default:
      // Consumed all the same, so that what follows in the stream is read where it stands.
      Reader->SkipValue();
      return Variant();
  }
}

// ---- Check-box values -----------------------------------------------------------------------------------

bool ParseCheckBoxValues(const String& Values, String& CheckedText, String& UncheckedText, String& GrayedText) {
  CheckedText.clear();
  UncheckedText.clear();
  GrayedText.clear();
  if (Values.empty()) return true;
  size_t first = FindBar(Values, 0);
  if (first == String::npos) {
    CheckedText = Values;
    return false;
  }
  CheckedText = Values.substr(0, first);
  size_t second = FindBar(Values, first + 1);
  if (second == String::npos) {
    UncheckedText = Values.substr(first + 1);
    return !UncheckedText.empty();
  }
  UncheckedText = Values.substr(first + 1, second - first - 1);
  size_t third = FindBar(Values, second + 1);
  GrayedText = third == String::npos ? Values.substr(second + 1) : Values.substr(second + 1, third - second - 1);
  return !UncheckedText.empty() && third == String::npos;
}

bool CheckBoxValuesOk(const String& Values) {
  String checked, unchecked, grayed;
  return ParseCheckBoxValues(Values, checked, unchecked, grayed);
}

String CheckBoxToString(TCheckBoxState State, const String& Values) {
  String checked, unchecked, grayed;
  ParseCheckBoxValues(Values, checked, unchecked, grayed);
  switch (State) {
    case cbChecked:
      return checked;
    case cbUnchecked:
      return unchecked;
    default:
      return grayed;
  }
}

TCheckBoxState StringToCheckBox(const String& Text, const String& Values) {
  if (Values.empty()) return cbGrayed;
  String checked, unchecked, grayed;
  ParseCheckBoxValues(Values, checked, unchecked, grayed);
  if (AnsiSameText(Text, checked)) return cbChecked;
  if (AnsiSameText(Text, unchecked)) return cbUnchecked;
  return cbGrayed;
}

Variant CheckBoxToVariant(TCheckBoxState State, const String& Values) {
  if (Values.empty()) return static_cast<Byte>(State);
  String text = CheckBoxToString(State, Values);
  if (IsNullText(text)) return Null();
  return text;
}

TCheckBoxState VariantToCheckBox(const Variant& Value, const String& Values) {
  if (VarIsStr(Value)) return StringToCheckBox(Value.ToString(), Values);
  if (VarIsNull(Value)) {
    // "Null" is recognised as CheckBoxToVariant writes it, in any case.
    String checked, unchecked, grayed;
    ParseCheckBoxValues(Values, checked, unchecked, grayed);
    if (IsNullText(checked)) return cbChecked;
    if (!IsNullText(unchecked)) return cbGrayed;
    return cbUnchecked;
  }
  if (VarIsOrdinal(Value) && VarType(Value) != varBoolean) {
    // Every integer width, so that the Byte CheckBoxToVariant gives reads back as its state.
    Int64 ordinal = Value.ToInt64();
    if (ordinal >= cbUnchecked && ordinal <= cbGrayed) return static_cast<TCheckBoxState>(ordinal);
  }
  return cbGrayed;
}

}  // namespace TSCommon
