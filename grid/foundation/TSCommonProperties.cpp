// Registry paths, copying published properties from one object to another, and tests on windowed
// controls.
#include "Controls.h"
#include "Exceptions.h"
#include "Format.h"
#include "Registry.h"
#include "StringLists.h"
#include "Strings.h"
#include "SysConst.h"
#include "TSCommon.h"
#include "TypInfo.h"
#include "Variants.h"

namespace TSCommon {

// ---- Registry paths -------------------------------------------------------------------------------------

bool ParseRegistryPath(const String& Path, HKEY& RootKey, String& RootName, String& KeyPath) {
  RootKey = nullptr;
  RootName.clear();
  KeyPath.clear();
  if (Path.size() < 2 || Path.compare(0, 2, "\\\\") != 0) {
    KeyPath = Path;
    return true;
  }
  String rest = Path.substr(2);
  size_t slash = rest.find('\\');
  RootName = UpperCase(rest.substr(0, slash));
  if (slash != String::npos) KeyPath = rest.substr(slash);
  struct TRoot {
    const char* Name;
    HKEY Key;
  };
  const TRoot roots[] = {{"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
                         {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
                         {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
                         {"HKEY_USERS", HKEY_USERS}};
  for (const TRoot& root : roots)
    if (RootName == root.Name) {
      RootKey = root.Key;
      return true;
    }
  return false;
}

TRegistry* OpenRegistryKey(const String& Path, bool Create) {
  HKEY rootKey;
  String rootName, keyPath;
  if (!ParseRegistryPath(Path, rootKey, rootName, keyPath))
    throw ERegistryException(Format("Unknown registry key %s", {rootName}));
  TOwnedPtr<TRegistry> registry(New<TRegistry>());
  if (rootKey) registry->SetRootKey(rootKey);
  if (keyPath.empty()) keyPath = "\\";
  if (Create && !registry->KeyExists(keyPath)) {
    // Made and written through at once, so that the key is there for the open below.
    registry->OpenKey(keyPath, true);
    registry->SetLazyWrite(false);
    registry->CloseKey();
    registry->SetLazyWrite(true);
  }
  if (!registry->OpenKey(keyPath, false)) return nullptr;
  return registry.release();
}

String GetRegStrValue(HKEY RootKey, const String& KeyPath, const String& ValueName) {
  TOwnedPtr<TRegistry> registry(New<TRegistry>(KEY_READ));
  registry->SetRootKey(RootKey);
  if (!registry->OpenKeyReadOnly(KeyPath)) return String();
  String value;
  if (registry->GetDataType(ValueName) == rdString || registry->GetDataType(ValueName) == rdExpandString)
    value = registry->ReadString(ValueName);
  registry->CloseKey();
  return value;
}

// ---- Property copying ---------------------------------------------------------------------------------

std::vector<const TPropInfo*> GetPropertyList(TObject* Obj) {
  std::vector<const TPropInfo*> list;
  for (const TPropInfo* prop : GetPropList(Obj->ClassType(), true))
    if (prop->PropType->Kind != tkMethod && prop->PropType->Kind != tkUnknown) list.push_back(prop);
  return list;
}

namespace {

[[noreturn]] void ReadOnlyError(const TPropInfo* Prop) {
  throw EPropertyError(String(SysConst::SReadOnlyProperty) + ": " + Prop->Name);
}

// Copies an object-typed property: a component is a reference and is copied as one; a persistent
// sub-object that Dest holds takes the source's settings, so that the two never share it.
void AssignObjectProperty(const TPropInfo* From, const TPropInfo* To, TObject* Dest, TObject* Source) {
  TObject* value = From->GetObj(Source);
  TObject* own = To->GetObj ? To->GetObj(Dest) : nullptr;
  auto* ownPersistent = dynamic_cast<TPersistent*>(own);
  if (!Is<TComponent>(value) && !Is<TComponent>(own) && ownPersistent && value) {
    if (own != value) ownPersistent->Assign(static_cast<TPersistent*>(value));
    return;
  }
  if (!To->SetObj) ReadOnlyError(To);
  To->SetObj(Dest, value);
}

}  // namespace

void AssignPropertyValue(const TPropInfo* PropInfo, TObject* Dest, TObject* Source) {
  if (!PropInfo || !Dest || !Source) return;
  // The accessors of a property reach objects of the class that published it, so Dest's own
  // property of that name does the writing.
  const TPropInfo* to = Dest->InheritsFrom(PropInfo->Owner) ? PropInfo : GetPropInfo(Dest, PropInfo->Name);
  if (!to || to->PropType->Kind != PropInfo->PropType->Kind || !PropInfo->IsReadable()) return;
  switch (PropInfo->PropType->Kind) {
    case tkInteger:
    case tkChar:
    case tkEnumeration:
    case tkSet:
    case tkWChar:
    case tkInt64:  // pointer-sized values (tags) are 64-bit here
      if (!to->SetOrd) ReadOnlyError(to);
      to->SetOrd(Dest, PropInfo->GetOrd(Source));
      break;
    case tkClass:
      AssignObjectProperty(PropInfo, to, Dest, Source);
      break;
    case tkFloat:
      if (!to->SetFloat) ReadOnlyError(to);
      to->SetFloat(Dest, PropInfo->GetFloat(Source));
      break;
    case tkString:
    case tkLString:
      if (!to->SetStr) ReadOnlyError(to);
      to->SetStr(Dest, PropInfo->GetStr(Source));
      break;
    case tkWString:
      if (!to->SetWStr) ReadOnlyError(to);
      to->SetWStr(Dest, PropInfo->GetWStr(Source));
      break;
    case tkMethod:
      if (!to->SetMethod) ReadOnlyError(to);
      to->SetMethod(Dest, PropInfo->GetMethod(Source));
      break;
    case tkVariant: {
      if (!to->SetVariant) ReadOnlyError(to);
      Variant value;
      PropInfo->GetVariant(Source, value);
      to->SetVariant(Dest, value);
      break;
    }
    default:
      break;
  }
}

void AssignNameValue(const String& Name, TObject* Dest, TObject* Source) {
  if (const TPropInfo* prop = GetPropInfo(Source, Name)) AssignPropertyValue(prop, Dest, Source);
}

TStringList* CreateStringList(const String& Text) {
  auto* list = New<TStringList>();
  size_t start = 0;
  while (start <= Text.size()) {
    size_t end = Text.find(';', start);
    if (end == String::npos) end = Text.size();
    String part = Trim(Text.substr(start, end - start));
    if (!part.empty()) list->Add(part);
    start = end + 1;
  }
  return list;
}

bool StringInList(const String& Name, TStringList* List) {
  for (Integer i = 0; i < List->GetCount(); ++i)
    if (AnsiSameText(Name, List->GetStrings(i))) return true;
  return false;
}

void AssignObject(TObject* Dest, TObject* Source, const String& Excluded) {
  TOwnedPtr<TStringList> excluded(CreateStringList(Excluded));
  for (const TPropInfo* prop : GetPropertyList(Source))
    if (!StringInList(prop->Name, excluded.get())) AssignPropertyValue(prop, Dest, Source);
}

// ---- Controls -------------------------------------------------------------------------------------------

bool ControlFocused(TWinControl* Control) {
  if (!Control) return false;
  if (Control->Focused()) return true;
  for (Integer i = 0; i < Control->ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(Control->GetControl(i)); child && ControlFocused(child)) return true;
  return false;
}

bool ControlVisible(TControl* Control) {
  if (!Control || !Control->GetVisible()) return false;
  return !Control->GetParent() || ControlVisible(Control->GetParent());
}

bool IsControlHandle(HWND Handle, TWinControl* Control) {
  if (!Control || !Control->HandleAllocated()) return false;
  if (Control->GetHandle() == Handle) return true;
  for (Integer i = 0; i < Control->ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(Control->GetControl(i)); child && IsControlHandle(Handle, child))
      return true;
  return false;
}

}  // namespace TSCommon
