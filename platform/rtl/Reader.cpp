// TReader: properties, defined entries, components, references and the whole tree.
#include <algorithm>
#include <exception>

#include "Collections.h"
#include "Components.h"
#include "Exceptions.h"
#include "Filer.h"
#include "FilerInternal.h"
#include "Format.h"
#include "Streams.h"
#include "Strings.h"
#include "SysConst.h"
#include "TypInfo.h"

namespace Filer {

using namespace FilerInternal;

namespace {
// An entry error that already names its object and property: passed on as it is by the entries
// that enclose it (a collection item inside a component's property). It shows as EReadError.
class EEntryReadError : public EReadError {
 public:
  using EReadError::EReadError;
};

constexpr const char* SAncestorNotFound = "Ancestor for '%s' not found";
}  // namespace

namespace {
// The components of the streams being loaded as one (BeginGlobalLoading), innermost last.
thread_local std::vector<std::vector<TComponent*>*> globalLoading;
}  // namespace

struct TReader::TFixup {
  TPersistent* Instance;
  const TPropInfo* PropInfo;
  TComponent* Root;
  String Name;
};

// ---- Hooks ---------------------------------------------------------------------------------------------
bool TReader::Error(const String& Message) {
  bool handled = false;
  if (OnError) OnError(this, Message, handled);
  return handled;
}

TMethod TReader::FindMethod(TComponent* Root, const String& MethodName) {
  TMethod result = MethodAddress(Root, MethodName);
  bool error = !result.Assigned();
  if (OnFindMethod) OnFindMethod(this, MethodName, result, error);
  if (error) throw EMethodNotFound(Format(SysConst::SMethodNotFound, {MethodName}));
  return result;
}

void TReader::SetName(TComponent* Component, String& Name) {
  if (OnSetName) OnSetName(this, Component, Name);
  Component->SetName(Name);
}

void TReader::ReferenceName(String& Name) {
  if (OnReferenceName) OnReferenceName(this, Name);
}

TClass TReader::FindComponentClass(const String& ClassName) {
  TClass result = GetClass(ClassName);
  if (OnFindComponentClass) OnFindComponentClass(this, ClassName, result);
  if (!result || !result->InheritsFrom(TComponent::StaticClass()))
    throw EClassNotFound(Format(SysConst::SClassNotFound, {ClassName}));
  return result;
}

TComponent* TReader::FindAncestorComponent(const String& Name, TClass ComponentClass) {
  TComponent* result = FLookupRoot ? FLookupRoot->FindComponent(Name) : nullptr;
  if (!result && OnAncestorNotFound) OnAncestorNotFound(this, Name, ComponentClass, result);
  if (!result) throw EReadError(Format(SAncestorNotFound, {Name}));
  return result;
}

// ---- Defined entries --------------------------------------------------------------------------------------
void TReader::DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) {
  if (FPropName.empty() || !ReadData || !SameText(Name, FPropName)) return;
  FPropName.clear();  // found, whatever the proc does
  ReadData(this);
}

void TReader::DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData, bool HasData) {
  if (FPropName.empty() || !ReadData || !SameText(Name, FPropName)) return;
  FPropName.clear();
  CheckValue(vaBinary);
  Integer count = ReadLength();
  TMemoryStream* data = New<TMemoryStream>();
  try {
    data->SetSize(count);
    Read(data->GetMemory(), count);
    ReadData(data);
  } catch (...) {
    data->Free();
    throw;
  }
  data->Free();
}

// ---- Properties -------------------------------------------------------------------------------------------
void TReader::PropertyError(const String& Name) {
  SkipValue();
  throw EReadError(Format(SysConst::SUnknownProperty, {Name}));
}

void TReader::ReadProperty(TPersistent* AInstance) {
  String path = ReadStr();
  Int64 valueStart = GetPosition();
  Integer depth = FDepth;
  try {
    try {
      TPersistent* instance = AInstance;
      size_t start = 0;
      // Walk the dotted path through published object properties ("Font.Style").
      for (size_t dot = path.find('.'); dot != String::npos; dot = path.find('.', start)) {
        FPropName = path.substr(start, dot - start);
        const TPropInfo* info = GetPropInfo(instance, FPropName);
        if (!info) {
          // The object may define the whole dotted name itself ("Categories.Visibles").
          FPropName = path;
          instance->DefineProperties(this);
          if (!FPropName.empty()) PropertyError(FPropName);
          return;
        }
        TPersistent* next = nullptr;
        if (info->PropType->Kind == tkClass && info->GetObj) next = dynamic_cast<TPersistent*>(info->GetObj(instance));
        if (!next) PropertyError(FPropName);
        instance = next;
        start = dot + 1;
      }
      FPropName = path.substr(start);
      if (const TPropInfo* info = GetPropInfo(instance, FPropName)) {
        ReadPropValue(instance, info);
      } else {
        instance->DefineProperties(this);
        if (!FPropName.empty()) PropertyError(FPropName);
      }
      FPropName.clear();
    } catch (EEntryReadError&) {
      throw;
    } catch (Exception& e) {
      String name;
      if (auto* c = dynamic_cast<TComponent*>(AInstance)) name = c->GetName();
      if (name.empty()) name = AInstance->ClassName();
      throw EEntryReadError(PropertyErrorMessage(name, path, e.Message()));
    }
  } catch (EEntryReadError& e) {
    FPropName.clear();
    FDepth = depth;
    if (!Error(e.Message())) throw;
    // Skipped at the caller's wish: every entry is exactly one value, so the stream is put back
    // at the value's start and stepped over it, whatever the failure had consumed.
    SetPosition(valueStart);
    SkipValue();
  }
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo* PropInfo) {
  const TTypeInfo* type = PropInfo->PropType;
  if (type->Kind == tkClass) {
    TValueType next = NextValue();
    if (next == vaCollection) {
      ReadValue();
      auto* collection = PropInfo->GetObj ? dynamic_cast<TCollection*>(PropInfo->GetObj(Instance)) : nullptr;
      if (!collection) PropValueError();
      ReadCollection(collection);
      return;
    }
    if (!PropInfo->SetObj) throw EReadError(SysConst::SReadOnlyProperty);
    if (next == vaNil) {
      ReadValue();
      PropInfo->SetObj(Instance, nullptr);
      return;
    }
    String ident = ReadIdent();
    if (!type->ClassType || !type->ClassType->InheritsFrom(TComponent::StaticClass())) PropValueError();
    // References are set once the whole tree is read, when every name can be found.
    TFixup fixup{Instance, PropInfo, FRoot, ident};
    if (FFixups) {
      FFixups->push_back(fixup);
    } else {
      ReferenceName(fixup.Name);
      if (TComponent* target = ResolveReference(fixup.Root, fixup.Name)) PropInfo->SetObj(Instance, target);
      else AddPendingReference({Instance, PropInfo, FRoot, fixup.Name});
    }
    return;
  }
  if (!PropInfo->IsWritable()) throw EReadError(SysConst::SReadOnlyProperty);
  switch (type->Kind) {
    case tkInteger: {
      if (NextValue() == vaIdent && type->IdentToInt) {
        String ident = ReadIdent();
        Int64 v;
        if (!type->IdentToInt(ident, v)) PropValueError();
        PropInfo->SetOrd(Instance, v);
      } else {
        PropInfo->SetOrd(Instance, ReadInteger());
      }
      break;
    }
    case tkInt64: PropInfo->SetOrd(Instance, ReadInt64()); break;
    case tkChar: PropInfo->SetOrd(Instance, static_cast<Byte>(ReadChar())); break;
    case tkWChar: PropInfo->SetOrd(Instance, ReadWideChar()); break;
    case tkEnumeration: {
      TValueType next = NextValue();
      Int64 v;
      if (next == vaInt8 || next == vaInt16 || next == vaInt32) {
        v = ReadInteger();
        if (v < type->MinValue || v > type->MaxValue) PropValueError();
      } else {
        v = GetEnumValue(type, ReadIdent());
        if (v < 0) PropValueError();
      }
      PropInfo->SetOrd(Instance, v);
      break;
    }
    case tkSet: PropInfo->SetOrd(Instance, static_cast<Int64>(ReadSet(type))); break;
    case tkFloat:
      if (type->FloatType == ftCurr) PropInfo->SetFloat(Instance, ReadCurrency().ToDouble());
      else PropInfo->SetFloat(Instance, ReadFloat());
      break;
    case tkString:
    case tkLString: PropInfo->SetStr(Instance, ReadString()); break;
    case tkWString: PropInfo->SetWStr(Instance, ReadWideString()); break;
    case tkMethod: {
      if (NextValue() == vaNil) {
        ReadValue();
        PropInfo->SetMethod(Instance, TMethod());
      } else {
        TMethod method = FindMethod(FRoot, ReadIdent());
        if (method.Assigned()) PropInfo->SetMethod(Instance, method);
      }
      break;
    }
    case tkVariant: ReadVariantProp(this, Instance, PropInfo); break;
    default: PropValueError();
  }
}

// ---- Components -------------------------------------------------------------------------------------------
void TReader::ReadPrefix(TFilerFlags& Flags, Integer& AChildPos) {
  Flags = TFilerFlags();
  if (FBufPos == FBufEnd) ReadBuffer();
  Byte prefix = FBuffer[static_cast<size_t>(FBufPos)];
  if ((prefix & 0xF0) != 0xF0) return;
  ++FBufPos;
  Flags = TFilerFlags::FromBits(prefix & 0x0F);
  if (Flags.Contains(ffChildPos)) AChildPos = ReadInteger();
}

void TReader::ReadSignature() {
  char signature[4];
  Read(signature, 4);
  if (std::memcmp(signature, FilerSignature, 4) != 0) throw EReadError(SysConst::SInvalidImage);
}

void TReader::ReadData(TComponent* Instance) {
  if (FFixups) {
    ReadDataInner(Instance);
    return;
  }
  std::vector<TFixup> fixups;
  FFixups = &fixups;
  try {
    ReadDataInner(Instance);
    DoFixupReferences();
  } catch (...) {
    FFixups = nullptr;
    throw;
  }
  FFixups = nullptr;
}

void TReader::ReadDataInner(TComponent* Instance) {
  while (!EndOfList()) ReadProperty(Instance);
  ReadListEnd();
  TComponent* oldParent = FParent;
  TComponent* oldOwner = FOwner;
  FParent = Instance->GetChildParent();
  try {
    // Children added to an inline component belong to it, as its own children do: its writer
    // lists the children that it owns.
    FOwner = Instance->GetChildOwner();
    if (!FOwner) FOwner = FLookupRoot ? FLookupRoot : FRoot;
    while (!EndOfList()) ReadComponent(nullptr);
    ReadListEnd();
  } catch (...) {
    FParent = oldParent;
    FOwner = oldOwner;
    throw;
  }
  FParent = oldParent;
  FOwner = oldOwner;
}

TComponent* TReader::ReadComponent(TComponent* Component) {
  struct Restore {
    TReader* r;
    TComponent* parent;
    TComponent* lookupRoot;
    Integer depth;
    ~Restore() {
      r->FParent = parent;
      r->FLookupRoot = lookupRoot;
      r->FDepth = depth;
    }
  } restore{this, FParent, FLookupRoot, FDepth};
  Nest();

  TFilerFlags flags;
  Integer position = 0;
  ReadPrefix(flags, position);
  String className = ReadStr();
  String name = ReadStr();
  const bool created = Component == nullptr && !flags.Contains(ffInherited);
  TComponent* result = Component;

  // Finding or making the component may fail (an unknown class, a clashing name): then the whole
  // component is skipped if the error handler agrees.
  try {
    if (!result) {
      if (flags.Contains(ffInherited)) {
        result = FindAncestorComponent(name, FindComponentClass(className));
        FParent = result->GetParentComponent();
        if (!FParent) FParent = FRoot;
      } else {
        TClass cls = FindComponentClass(className);
        if (OnCreateComponent) OnCreateComponent(this, cls, result);
        if (!result) {
          TComponentState initial{csLoading};
          if (flags.Contains(ffInline)) initial.Include(csInline);
          result = CreateComponent(cls, FOwner, initial);
        }
      }
    }
    result->FComponentState.Include(csLoading);
    if (!flags.Contains(ffInherited)) {
      SetName(result, name);
      if (FindGlobalComponent(name) == result) result->FComponentState.Include(csInline);
    }
  } catch (Exception& e) {
    if (created && result) result->Free();
    FDepth = restore.depth + 1;
    SkipComponent(false);
    if (!Error(e.Message())) throw;
    return nullptr;
  }

  // What a failed component had read (components finished, references waiting) goes with it.
  const size_t loadedMark = FLoaded ? FLoaded->size() : 0;
  const size_t fixupMark = FFixups ? FFixups->size() : 0;
  try {
    if (result->FComponentState.Contains(csInline)) FLookupRoot = result;
    if (created && FParent && result->HasParent()) result->SetParentComponent(FParent);
    result->FComponentState.Include(csReading);
    result->ReadState(this);
    result->FComponentState.Exclude(csReading);
    if (flags.Contains(ffChildPos) && FParent) FParent->SetChildOrder(result, position);
    if (FLoaded && std::find(FLoaded->begin(), FLoaded->end(), result) == FLoaded->end())
      FLoaded->push_back(result);
  } catch (...) {
    if (FLoaded && FLoaded->size() > loadedMark) FLoaded->resize(loadedMark);
    if (FFixups && FFixups->size() > fixupMark) FFixups->resize(fixupMark);
    if (created) result->Free();
    throw;
  }
  return result;
}

void TReader::SkipComponent(bool SkipHeader) {
  Nest();
  if (SkipHeader) {
    TFilerFlags flags;
    Integer position;
    ReadPrefix(flags, position);
    ReadStr();
    ReadStr();
  }
  while (!EndOfList()) SkipProperty();
  ReadListEnd();
  while (!EndOfList()) SkipComponent(true);
  ReadListEnd();
  --FDepth;
}

// ---- References and the whole tree ------------------------------------------------------------------------
void TReader::DoFixupReferences() {
  for (TFixup& fixup : *FFixups) {
    ReferenceName(fixup.Name);
    if (TComponent* target = ResolveReference(fixup.Root, fixup.Name)) {
      try {
        fixup.PropInfo->SetObj(fixup.Instance, target);
      } catch (Exception& e) {
        String owner = fixup.Instance->GetNamePath();
        throw EReadError(PropertyErrorMessage(owner.empty() ? fixup.Instance->ClassName() : owner,
                                              fixup.PropInfo->Name, e.Message()));
      }
    } else {
      AddPendingReference({fixup.Instance, fixup.PropInfo, fixup.Root, fixup.Name});
    }
  }
  FFixups->clear();
}

void TReader::CallLoaded() {
  // Loaded may create or free components; walk a copy.
  std::vector<TComponent*> loaded = *FLoaded;
  for (TComponent* c : loaded) c->Loaded();
}

void TReader::BeginReferences() {
  if (!FLoaded) FLoaded = new std::vector<TComponent*>();
  if (!FFixups) FFixups = new std::vector<TFixup>();
}

void TReader::FixupReferences() {
  if (FFixups) DoFixupReferences();
  GlobalFixupReferences();
  if (FLoaded) CallLoaded();
}

void TReader::EndReferences() {
  delete FFixups;
  FFixups = nullptr;
  delete FLoaded;
  FLoaded = nullptr;
}

void BeginGlobalLoading() { globalLoading.push_back(new std::vector<TComponent*>()); }

void NotifyGlobalLoading() {
  if (globalLoading.empty()) return;
  std::vector<TComponent*> loaded = *globalLoading.back();
  for (TComponent* c : loaded) c->Loaded();
}

void EndGlobalLoading() {
  if (globalLoading.empty()) return;
  delete globalLoading.back();
  globalLoading.pop_back();
}

TComponent* TReader::ReadRootComponent(TComponent* Root) {
  ReadSignature();
  TComponent* result = nullptr;
  std::vector<TComponent*> loaded;
  std::vector<TComponent*>* global = globalLoading.empty() ? nullptr : globalLoading.back();
  try {
    TFilerFlags flags;
    Integer position = 0;
    ReadPrefix(flags, position);
    if (!Root) {
      result = CreateComponent(FindComponentClass(ReadStr()), nullptr);
      result->SetName(ReadStr());
    } else {
      result = Root;
      ReadStr();  // the class name of the stream: the root is of a class of its own choosing
      String name = ReadStr();
      if (!result->FComponentState.Contains(csDesigning)) {
        result->FComponentState.Include(csLoading);
        result->FComponentState.Include(csReading);
        // A second instance of a form gets a name of its own: Form1_1, Form1_2, ...
        String unique = name;
        for (int i = 1;; ++i) {
          TComponent* other = unique.empty() ? nullptr : FindGlobalComponent(unique);
          if (!other || other == result) break;
          unique = name + "_" + std::to_string(i);
        }
        result->SetName(unique);
      }
    }
    FRoot = result;
    FLookupRoot = result;
    FOwner = result;
    FLoaded = global ? global : &loaded;
    if (std::find(FLoaded->begin(), FLoaded->end(), result) == FLoaded->end()) FLoaded->push_back(result);
    result->FComponentState.Include(csLoading);
    result->FComponentState.Include(csReading);
    result->ReadState(this);
    result->FComponentState.Exclude(csReading);
    if (!global) CallLoaded();
    FLoaded = nullptr;
    GlobalFixupReferences();
  } catch (...) {
    FLoaded = nullptr;
    if (result) {
      RemoveFixupReferences(result, String());
      result->FComponentState.Exclude(csReading);
      if (!Root) result->Free();
    }
    throw;
  }
  return result;
}

void TReader::ReadComponents(TComponent* AOwner, TComponent* AParent, TReadComponentsProc Proc) {
  SetRoot(AOwner);
  FOwner = AOwner;
  FParent = AParent;
  BeginReferences();
  std::exception_ptr failure;
  try {
    while (!EndOfList()) {
      ReadSignature();
      TComponent* component = ReadComponent(nullptr);
      if (component && Proc) Proc(component);
    }
    ReadListEnd();
  } catch (...) {
    failure = std::current_exception();
  }
  // The components read whole are finished even when a later one failed: they are in their
  // owner's hands already and must not stay half loaded.
  try {
    FixupReferences();
  } catch (...) {
    if (!failure) failure = std::current_exception();
  }
  EndReferences();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace Filer
