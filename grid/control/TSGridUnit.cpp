// The unit's small routines: property kind sets and defaults, colour texts, the legacy alignment
// reader.
#include "TSGridImpl.h"
#include "Exceptions.h"
#include "Filer.h"
#include "Graphics.h"
#include "Strings.h"
#include "SysConst.h"
#include "TSGridCombo.h"
#include "TSGridTypes.h"
#include "Variants.h"

namespace TSGrid {

TtsProperties AllProperties() {
  TtsProperties all;
  for (Integer kind = 0; kind < PropertyKindCount; ++kind) all.Include(static_cast<TtsProperty>(kind));
  return all;
}

void PropertiesToBytes(const TtsProperties& Props, Byte (&Bytes)[PropertiesByteCount]) {
  UInt64 bits = Props.ToBits();
  for (Integer i = 0; i < PropertiesByteCount; ++i) Bytes[i] = static_cast<Byte>(bits >> (8 * i));
}

TtsProperties PropertiesFromBytes(const Byte* Bytes, Integer Count) {
  UInt64 bits = 0;
  for (Integer i = 0; i < Count && i < PropertiesByteCount; ++i) bits |= UInt64{Bytes[i]} << (8 * i);
  // Bits beyond the last kind name nothing.
  bits &= (UInt64{1} << PropertyKindCount) - 1;
  return TtsProperties::FromBits(bits);
}

String ColorToHex(TColor Color) {
  auto byte = [Color](Integer Shift) { return IntToHex(static_cast<Integer>((Color >> Shift) & 0xFF), 2); };
  return byte(0) + byte(8) + byte(16);
}

TColor TranslateColor(TColor Color) {
  using namespace Graphics;
  if (Color >= clBackground && Color <= clInfoBk) return static_cast<TColor>(ColorToRGB(Color));
  return Color;
}

TGridRect MakeGridRect(Integer Left, Integer Top, Integer Right, Integer Bottom) {
  TGridRect r;
  r.Left = Left;
  r.Top = Top;
  r.Right = Right;
  r.Bottom = Bottom;
  return r;
}

void DefaultPropValue(TtsProperty Kind, Variant& V) {
  V.Clear();
  switch (Kind) {
    case prColor:
      V = Integer{Graphics::clNone};
      break;
    case prFont:
    case prCombo:
    case prDateTime:
    case prData:
      V = TSCommon::ObjectToVariant(nullptr);
      break;
    case prReadOnly:
    case prAlign:
    case prIs3D:
    case prSelected:
      V = false;
      break;
    case prParentFont:
    case prParentCombo:
      V = true;
      break;
    case prAlignment:
      V = Byte{taLeftJustify};
      break;
    case prWordWrap:
      V = Byte{wwDefault};
      break;
    case prButtonType:
      V = Byte{btDefault};
      break;
    case prDropDownStyle:
      V = Byte{ddDropDown};
      break;
    case prCellReadOnly:
      V = Byte{roDefault};
      break;
    case prMask:
      V = String();
      break;
    case prPicture:
      V = Byte{dopDefault};
      break;
    case prControlType:
      V = Byte{ctDefault};
      break;
    case prSpinOptions:
      V = Byte{7};
      break;
    case prSpinIncrement:
      V = Byte{1};
      break;
    case prHorzAlignment:
      V = Byte{TSCommon::htaDefault};
      break;
    case prVertAlignment:
      V = Byte{TSCommon::vtaDefault};
      break;
    case prTag:
      V = Byte{0};
      break;
    default:  // the kinds that only columns or rows carry
      break;
  }
}

TAlignment ReadAlignmentIdent(Filer::TReader* Reader) {
  String ident = LowerCase(Reader->ReadIdent());
  if (ident == "tarightjustify") return taRightJustify;
  if (ident == "tacenter") return taCenter;
  return taLeftJustify;
}

void AbstractCall() { throw EAbstractError(SysConst::SAbstractError); }

// ---- What the layers share --------------------------------------------------------------------------
void CopyOwnedFont(TFont*& Own, TFont* Value, const TNotifyEvent& OnChange) {
  if (Value == Own) return;
  if (!Value) {
    FreeAndNil(Own);
    return;
  }
  if (!Own) {
    Own = New<TFont>();
    Own->OnChange = OnChange;
  }
  Own->Assign(Value);
}

void CountFontChange(Integer& Count, bool Value) {
  if (!Value)
    ++Count;
  else if (Count > 0)
    --Count;
}

void DefineLegacyAlignment(Filer::TFiler* Filer, const String& Prefix,
                           const std::function<void(TAlignment)>& SetAlignment, const std::function<void(bool)>& SetAlign) {
  Filer->DefineProperty(
      Prefix + "Alignment",
      Filer::TReaderProc([SetAlignment](Filer::TReader* Reader) { SetAlignment(ReadAlignmentIdent(Reader)); }),
      Filer::TWriterProc(), false);
  Filer->DefineProperty(
      Prefix + "Align", Filer::TReaderProc([SetAlign](Filer::TReader* Reader) { SetAlign(Reader->ReadBoolean()); }),
      Filer::TWriterProc(), false);
}

TtsDropDownStyle LayerDropDownStyle(TtsCombo* Combo, TtsDropDownStyle Kept) {
  return Combo ? Combo->GetDropDownStyle() : Kept;
}

bool SetLayerDropDownStyle(TtsCombo* Combo, TtsDropDownStyle& Kept, TtsDropDownStyle Value) {
  if (Value == LayerDropDownStyle(Combo, Kept)) return false;
  Kept = Value;
  if (Combo) Combo->SetDropDownStyle(Value);
  return true;
}

bool SetLayerParentCombo(bool& ParentCombo, bool Value) {
  if (ParentCombo == Value) return false;
  ParentCombo = Value;
  return Value;
}

bool SetLayerAlignment(TAlignment& Alignment, bool& Align, TSCommon::TtsHorzAlignment& Horz, TAlignment Value) {
  if (Alignment == Value) return false;
  Alignment = Value;
  Horz = TSCommon::AlignmentToHorzAlignment(Alignment, Align);
  return true;
}

bool SetLayerAlign(TAlignment& Alignment, bool& Align, TSCommon::TtsHorzAlignment& Horz, bool Value) {
  if (Align == Value) return false;
  Align = Value;
  Horz = TSCommon::AlignmentToHorzAlignment(Alignment, Align);
  return true;
}

bool SetLayerHorzAlignment(TAlignment& Alignment, bool& Align, TSCommon::TtsHorzAlignment& Horz,
                           TSCommon::TtsHorzAlignment Value) {
  if (Horz == Value) return false;
  Horz = Value;
  Alignment = TSCommon::HorzAlignmentToAlignment(Value);
  Align = Value != TSCommon::htaDefault;
  return true;
}

}  // namespace TSGrid
