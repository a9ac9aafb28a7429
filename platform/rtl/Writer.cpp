// TWriter: properties with their defaults and the ancestor comparison, defined entries,
// components and the whole tree.
#include <algorithm>

#include "Collections.h"
#include "Components.h"
#include "Exceptions.h"
#include "Filer.h"
#include "FilerInternal.h"
#include "FormResources.h"
#include "Streams.h"
#include "Strings.h"
#include "SysConst.h"
#include "TypInfo.h"

namespace Filer {

using namespace FilerInternal;

namespace {

// The ancestor's object of the same property, when the ancestor publishes that very property.
bool AncestorHas(TPersistent* Ancestor, const TPropInfo* PropInfo) {
  return Ancestor && GetPropInfo(Ancestor, PropInfo->Name) == PropInfo;
}

}  // namespace

bool CollectionsEqual(TCollection* A, TCollection* B) {
  if (!A || !B) return A == B;
  if (A->Count() != B->Count()) return false;
  auto image = [](TCollection* c) {
    TMemoryStream* stream = New<TMemoryStream>();
    String bytes;
    try {
      TWriter* writer = New<TWriter>(stream, 1024);
      try {
        writer->WriteCollection(c);
      } catch (...) {
        writer->Free();
        throw;
      }
      writer->Free();
      bytes.assign(static_cast<const char*>(stream->GetMemory()), static_cast<size_t>(stream->GetSize()));
    } catch (...) {
      stream->Free();
      throw;
    }
    stream->Free();
    return bytes;
  };
  return image(A) == image(B);
}

// ---- Defined entries --------------------------------------------------------------------------------------
void TWriter::DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteData(this);
}

void TWriter::DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteBinary(WriteData);
}

void TWriter::WritePropName(const String& PropName) { WriteStr(FPropPath + PropName); }

// ---- Properties -------------------------------------------------------------------------------------------
void TWriter::WriteProperties(TPersistent* Instance) {
  for (const TPropInfo* p : GetPropList(Instance->ClassType()))
    if (p->IsReadable() && IsStoredProp(Instance, p)) WriteProperty(Instance, p);
  Instance->DefineProperties(this);
}

bool TWriter::IsDefaultPropertyValue(TPersistent* Instance, const TPropInfo* PropInfo) {
  const bool ancestorValid = AncestorHas(FAncestor, PropInfo);
  TPersistent* ancestor = FAncestor;
  switch (PropInfo->PropType->Kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkEnumeration:
    case tkSet:
    case tkInt64: {
      Int64 v = PropInfo->GetOrd(Instance);
      if (ancestorValid) return v == PropInfo->GetOrd(ancestor);
      return PropInfo->Default != TPropInfo::NoDefault && v == PropInfo->Default;
    }
    case tkFloat: {
      double v = PropInfo->GetFloat(Instance);
      return ancestorValid ? v == PropInfo->GetFloat(ancestor) : v == 0;
    }
    case tkString:
    case tkLString: {
      String v = PropInfo->GetStr(Instance);
      return ancestorValid ? v == PropInfo->GetStr(ancestor) : v.empty();
    }
    case tkWString: {
      WideString v = PropInfo->GetWStr(Instance);
      return ancestorValid ? v == PropInfo->GetWStr(ancestor) : v.empty();
    }
    case tkMethod: {
      TMethod v = PropInfo->GetMethod(Instance);
      if (!ancestorValid) return !v.Assigned();
      TMethod a = PropInfo->GetMethod(ancestor);
      return v.Code == a.Code;
    }
    case tkClass: {
      TObject* v = PropInfo->GetObj(Instance);
      TObject* a = ancestorValid ? PropInfo->GetObj(ancestor) : nullptr;
      if (!v) return !ancestorValid || !a;
      auto* component = dynamic_cast<TComponent*>(v);
      if (!component || component->ComponentStyle().Contains(csSubComponent)) return false;  // its own properties decide
      auto* ancestorComponent = dynamic_cast<TComponent*>(a);
      if (component->GetName().empty()) return true;  // an unnamed component cannot be named in a stream
      return ancestorComponent && SameText(component->GetName(), ancestorComponent->GetName());
    }
    case tkVariant: return IsDefaultVariantProp(Instance, PropInfo, ancestorValid ? ancestor : nullptr);
    default: return true;
  }
}

String TWriter::GetComponentValue(TComponent* Component) {
  if (Component->Owner() == FLookupRoot) return Component->GetName();
  if (Component == FLookupRoot) return "Owner";
  if (Component->Owner() && !Component->Owner()->GetName().empty() && !Component->GetName().empty())
    return Component->Owner()->GetName() + "." + Component->GetName();
  if (!Component->GetName().empty()) return Component->GetName() + ".Owner";
  return String();
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo* PropInfo) {
  const TTypeInfo* type = PropInfo->PropType;
  // Only what can be read back is written: a property with a setter, or an object whose own
  // properties are written below its name.
  if (!PropInfo->IsWritable() && type->Kind != tkClass) return;
  if (IsDefaultPropertyValue(Instance, PropInfo)) return;
  const String& name = PropInfo->Name;
  switch (type->Kind) {
    case tkInteger: {
      Int64 v = PropInfo->GetOrd(Instance);
      String ident;
      WritePropName(name);
      if (type->IntToIdent && type->IntToIdent(v, ident)) WriteIdent(ident);
      else WriteInteger(v);
      break;
    }
    case tkInt64:
      WritePropName(name);
      WriteInteger(PropInfo->GetOrd(Instance));
      break;
    case tkChar:
      WritePropName(name);
      WriteChar(static_cast<Char>(PropInfo->GetOrd(Instance)));
      break;
    case tkWChar:
      WritePropName(name);
      WriteWideChar(static_cast<WideChar>(PropInfo->GetOrd(Instance)));
      break;
    case tkEnumeration: {
      Int64 v = PropInfo->GetOrd(Instance);
      WritePropName(name);
      String ident = GetEnumName(type, v);
      if (type == BooleanTypeInfo()) WriteBoolean(v != 0);
      else if (!ident.empty()) WriteIdent(ident);
      else WriteInteger(v);
      break;
    }
    case tkSet:
      WritePropName(name);
      WriteSet(type, static_cast<UInt64>(PropInfo->GetOrd(Instance)));
      break;
    case tkFloat: {
      double v = PropInfo->GetFloat(Instance);
      WritePropName(name);
      if (type->FloatType == ftSingle) WriteSingle(static_cast<Single>(v));
      else if (type->FloatType == ftCurr) WriteCurrency(Currency::FromDouble(v));
      else WriteFloat(v);
      break;
    }
    case tkString:
    case tkLString:
      WritePropName(name);
      WriteString(PropInfo->GetStr(Instance));
      break;
    case tkWString:
      WritePropName(name);
      WriteWideString(PropInfo->GetWStr(Instance));
      break;
    case tkMethod: {
      TMethod v = PropInfo->GetMethod(Instance);
      if (!v.Assigned()) {
        WritePropName(name);
        WriteValue(vaNil);
        break;
      }
      // A handler is written by its published name on the root; one that the root does not
      // publish (a closure bound in code) cannot be read back and is not written.
      String method = MethodName(FLookupRoot, v.Code);
      if (method.empty() || MethodAddress(FLookupRoot, method).Data != v.Data) break;
      WritePropName(name);
      WriteIdent(method);
      break;
    }
    case tkClass: {
      TObject* v = PropInfo->GetObj(Instance);
      if (!v) {
        if (!PropInfo->IsWritable()) break;
        WritePropName(name);
        WriteValue(vaNil);
        break;
      }
      auto* component = dynamic_cast<TComponent*>(v);
      if (component && !component->ComponentStyle().Contains(csSubComponent)) {
        if (!PropInfo->IsWritable()) break;
        WritePropName(name);
        WriteIdent(GetComponentValue(component));
        break;
      }
      auto* persistent = dynamic_cast<TPersistent*>(v);
      if (!persistent) break;
      TPersistent* oldAncestor = FAncestor;
      String oldPath = FPropPath;
      FPropPath += name + ".";
      FAncestor = AncestorHas(oldAncestor, PropInfo) ? dynamic_cast<TPersistent*>(PropInfo->GetObj(oldAncestor)) : nullptr;
      try {
        WriteProperties(persistent);
      } catch (...) {
        FAncestor = oldAncestor;
        FPropPath = oldPath;
        throw;
      }
      FAncestor = oldAncestor;
      FPropPath = oldPath;
      if (auto* collection = dynamic_cast<TCollection*>(persistent)) {
        TCollection* ancestorCollection =
            AncestorHas(FAncestor, PropInfo) ? dynamic_cast<TCollection*>(PropInfo->GetObj(FAncestor)) : nullptr;
        if (!FAncestor || !CollectionsEqual(collection, ancestorCollection)) {
          WritePropName(name);
          WriteCollection(collection);
        }
      }
      break;
    }
    case tkVariant:
      WritePropName(name);
      WriteVariantProp(this, Instance, PropInfo);
      break;
    default: break;
  }
}

// ---- Components -------------------------------------------------------------------------------------------
void TWriter::WriteSignature() { Write(FilerSignature, 4); }

void TWriter::WritePrefix(TFilerFlags Flags, Integer AChildPos) {
  if (Flags.Empty()) return;
  WriteByte(static_cast<Byte>(0xF0 | Flags.ToBits()));
  if (Flags.Contains(ffChildPos)) WriteInteger(AChildPos);
}

void TWriter::AddAncestor(TComponent* Component) { FAncestorList->push_back(Component); }

// A new instance of the inline component's class, read from its form resource as the class's
// construction does; null when the class has no form resource.
TComponent* TWriter::MakeInlineAncestor(TComponent* Component) {
  if (!HasFormResource(Component->ClassType())) return nullptr;
  return CreateComponent(Component->ClassType(), nullptr);
}

void TWriter::WriteComponent(TComponent* Component) {
  TPersistent* oldAncestor = FAncestor;
  TComponent* oldRootAncestor = FRootAncestor;
  TComponent* oldInlineAncestor = FInlineAncestor;
  TComponent* made = nullptr;
  auto restore = [&] {
    FAncestor = oldAncestor;
    FRootAncestor = oldRootAncestor;
    FInlineAncestor = oldInlineAncestor;
    if (made) made->Free();
  };
  try {
    Component->FComponentState.Include(csWriting);
    if (FAncestorList) {
      FAncestor = nullptr;
      for (TComponent* a : *FAncestorList)
        if (SameText(a->GetName(), Component->GetName())) {
          FAncestor = a;
          break;
        }
    }
    if (OnFindAncestor && (!FAncestor || dynamic_cast<TComponent*>(FAncestor))) {
      TComponent* ancestor = dynamic_cast<TComponent*>(FAncestor);
      OnFindAncestor(this, Component, Component->GetName(), ancestor, FRootAncestor);
      FAncestor = ancestor;
    }
    // Written in full, an inline component could not be read back: its class makes its own
    // children from its resource, and the stream's copies of them would clash with them.
    FInlineAncestor = nullptr;
    if (!FAncestor && Component != FRoot && Component->ComponentState().Contains(csInline)) {
      made = MakeInlineAncestor(Component);
      FAncestor = made;
      FInlineAncestor = made;
    }
    Component->WriteState(this);
    Component->FComponentState.Exclude(csWriting);
  } catch (...) {
    Component->FComponentState.Exclude(csWriting);
    restore();
    throw;
  }
  restore();
}

void TWriter::WriteData(TComponent* Instance) {
  Int64 previousPosition = GetPosition();
  // The ancestor that stands for this very component in the ancestor's tree; an inline
  // component's own resource instance is not one.
  TPersistent* fromAncestor = FAncestor && FAncestor != FInlineAncestor ? FAncestor : nullptr;
  const bool listed = fromAncestor && FAncestorList &&
                      std::find(FAncestorList->begin(), FAncestorList->end(), fromAncestor) != FAncestorList->end();
  TFilerFlags flags;
  if (Instance->ComponentState().Contains(csInline)) {
    // An inline component that the ancestor's tree has already exists when the stream is read.
    if (listed || (fromAncestor && Instance->ComponentState().Contains(csAncestor) && FAncestorList))
      flags.Include(ffInherited);
    else
      flags.Include(ffInline);
  } else if (fromAncestor) {
    flags.Include(ffInherited);
  }
  if (FAncestorList && FAncestorPos < static_cast<Integer>(FAncestorList->size()) &&
      (!fromAncestor || (*FAncestorList)[static_cast<size_t>(FAncestorPos)] != fromAncestor))
    flags.Include(ffChildPos);
  // Left out again when it differs in nothing: until then it stays in the buffer, so that taking
  // it back leaves nothing behind in the stream.
  const bool mayLeaveOut = Instance != FRoot && flags == TFilerFlags{ffInherited};
  if (mayLeaveOut) ++FHoldBuffer;
  struct Release {
    Integer& hold;
    bool held;
    ~Release() {
      if (held) --hold;
    }
  } release{FHoldBuffer, mayLeaveOut};
  WritePrefix(flags, FChildPos);
  WriteStr(Instance->ClassName());
  WriteStr(Instance->GetName());
  Int64 propertiesPosition = GetPosition();
  if (FAncestorList && FAncestorPos < static_cast<Integer>(FAncestorList->size())) {
    if (fromAncestor) ++FAncestorPos;
    ++FChildPos;
  }
  WriteProperties(Instance);
  WriteListEnd();

  std::vector<TComponent*>* oldAncestorList = FAncestorList;
  Integer oldAncestorPos = FAncestorPos, oldChildPos = FChildPos;
  TComponent* oldRoot = FRoot;
  TComponent* oldRootAncestor = FRootAncestor;
  std::vector<TComponent*> ancestors;
  auto restore = [&] {
    FAncestorList = oldAncestorList;
    FAncestorPos = oldAncestorPos;
    FChildPos = oldChildPos;
    FRoot = oldRoot;
    FRootAncestor = oldRootAncestor;
  };
  try {
    FAncestorList = nullptr;
    FAncestorPos = 0;
    FChildPos = 0;
    if (!FIgnoreChildren) {
      if (auto* ancestor = dynamic_cast<TComponent*>(FAncestor)) {
        if (ancestor->ComponentState().Contains(csInline) || ancestor == FInlineAncestor) FRootAncestor = ancestor;
        FAncestorList = &ancestors;
        ancestor->GetChildren(TGetChildProc(this, &TWriter::AddAncestor), FRootAncestor);
      }
      if (Instance->ComponentState().Contains(csInline)) FRoot = Instance;
      Instance->GetChildren(TGetChildProc(this, &TWriter::WriteComponent), FRoot);
    }
  } catch (...) {
    restore();
    throw;
  }
  restore();
  WriteListEnd();
  // An inherited component that differs in nothing is left out altogether.
  if (mayLeaveOut && GetPosition() == propertiesPosition + 2)
    SetPosition(previousPosition);
}

void TWriter::WriteDescendent(TComponent* Root, TComponent* AAncestor) {
  FRootAncestor = AAncestor;
  FAncestor = AAncestor;
  FRoot = Root;
  FLookupRoot = Root;
  WriteSignature();
  WriteComponent(Root);
}

void TWriter::WriteRootComponent(TComponent* Root) { WriteDescendent(Root, nullptr); }

}  // namespace Filer
