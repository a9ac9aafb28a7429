// Variants in the object stream.
#include "Exceptions.h"
#include "Filer.h"
#include "FilerInternal.h"
#include "Persistent.h"
#include "Strings.h"
#include "SysConst.h"
#include "TypInfo.h"
#include "Variants.h"

namespace Filer {

// Empty and Null travel as the identifiers "Empty" and "Null" (nil and a bare null are read as
// them too), so that a Variant may stand anywhere a value may, lists included.
Variant TReader::ReadVariant() {
  switch (NextValue()) {
    case vaNil: ReadValue(); return Variant();
    case vaNull: ReadValue(); return Null();
    case vaIdent: {
      String ident = ReadIdent();
      if (SameText(ident, "Empty")) return Variant();
      if (SameText(ident, "Null")) return Null();
      PropValueError();
    }
    case vaFalse:
    case vaTrue: return Variant(ReadBoolean());
    case vaInt8: return Variant(static_cast<int8_t>(ReadInteger()));
    case vaInt16: return Variant(static_cast<int16_t>(ReadInteger()));
    case vaInt32: return Variant(ReadInteger());
    case vaInt64: return Variant(ReadInt64());
    case vaExtended: return Variant(static_cast<double>(ReadFloat()));
    case vaSingle: return Variant(ReadSingle());
    case vaCurrency: return Variant(ReadCurrency());
    case vaDate: return VarFromDateTime(ReadDate());
    case vaWString: return Variant(ReadWideString());
    case vaString:
    case vaLString:
    case vaUTF8String: return Variant(ReadString());
    default: ReadValue(); PropValueError();
  }
}

void TWriter::WriteVariant(const Variant& Value) {
  if (VarIsArray(Value)) throw EWriteError(SysConst::SWriteError);
  switch (VarType(Value) & varTypeMask) {
    case varEmpty: WriteIdent("Empty"); break;
    case varNull: WriteIdent("Null"); break;
    case varOleStr: WriteWideString(Value.ToWideString()); break;
    case varString: WriteString(Value.ToString()); break;
    case varShortInt:
    case varByte:
    case varSmallint:
    case varWord:
    case varInteger:
    case varLongWord:
    case varInt64: WriteInteger(Value.ToInt64()); break;
    case varSingle: WriteSingle(static_cast<Single>(Value.ToDouble())); break;
    case varDouble: WriteFloat(Value.ToDouble()); break;
    case varCurrency: WriteCurrency(Value.ToCurrency()); break;
    case varDate: WriteDate(Value.ToDateTime()); break;
    case varBoolean: WriteBoolean(Value.ToBoolean()); break;
    default:
      try {
        WriteString(Value.ToString());
      } catch (Exception&) {
        throw EWriteError(SysConst::SWriteError);
      }
  }
}

}  // namespace Filer

namespace FilerInternal {

void ReadVariantProp(Filer::TReader* Reader, TPersistent* Instance, const TPropInfo* PropInfo) {
  PropInfo->SetVariant(Instance, Reader->ReadVariant());
}

void WriteVariantProp(Filer::TWriter* Writer, TPersistent* Instance, const TPropInfo* PropInfo) {
  Variant v;
  PropInfo->GetVariant(Instance, v);
  Writer->WriteVariant(v);
}

bool IsDefaultVariantProp(TPersistent* Instance, const TPropInfo* PropInfo, TPersistent* Ancestor) {
  Variant v;
  PropInfo->GetVariant(Instance, v);
  if (!Ancestor) return VarIsClear(v);
  Variant a;
  PropInfo->GetVariant(Ancestor, a);
  return VarSameValue(v, a);
}

}  // namespace FilerInternal
