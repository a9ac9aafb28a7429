#include "Resources.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "Exceptions.h"
#include "SysConst.h"

namespace Resources {

IMPLEMENT_CLASS(TResourceStream)

namespace {

struct TRegistry {
  std::mutex Lock;
  std::vector<const TResourceTable*> Tables;
};

TRegistry& Registry() {
  static TRegistry registry;
  return registry;
}

struct TStandardType {
  const char* Name;
  const char* Key;
};
constexpr TStandardType StandardTypes[] = {
    {"CURSOR", "#1"},       {"BITMAP", "#2"},       {"ICON", "#3"},        {"MENU", "#4"},
    {"DIALOG", "#5"},       {"STRING", "#6"},       {"FONTDIR", "#7"},     {"FONT", "#8"},
    {"ACCELERATOR", "#9"},  {"RCDATA", "#10"},      {"MESSAGETABLE", "#11"}, {"GROUP_CURSOR", "#12"},
    {"GROUP_ICON", "#14"},  {"VERSION", "#16"},
};

// The form in which names and types are compared: numbered ones as "#n" (without leading zeros),
// standard type names as their numbers, other names in upper case.
String ResourceKey(const char* p, bool isType) {
  if (!p) return String();
  if (IS_INTRESOURCE(p)) return "#" + std::to_string(reinterpret_cast<uintptr_t>(p));
  String key = p;
  for (Char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<Char>(c - 'a' + 'A');
  if (key.size() > 1 && key[0] == '#' && std::all_of(key.begin() + 1, key.end(), [](Char c) { return c >= '0' && c <= '9'; })) {
    size_t first = key.find_first_not_of('0', 1);
    return first == String::npos ? String("#0") : "#" + key.substr(first);
  }
  if (isType)
    for (const TStandardType& t : StandardTypes)
      if (key == t.Name) return t.Key;
  return key;
}

const TResourceEntry* Lookup(const String& name, const String& type) {
  TRegistry& r = Registry();
  std::lock_guard guard(r.Lock);
  for (const TResourceTable* table : r.Tables)
    for (size_t i = 0; i < table->Count; ++i) {
      const TResourceEntry& e = table->Entries[i];
      if (ResourceKey(e.Name, false) == name && ResourceKey(e.Type, true) == type) return &e;
    }
  return nullptr;
}

}  // namespace

void RegisterResourceTable(const TResourceTable& Table) {
  TRegistry& r = Registry();
  std::lock_guard guard(r.Lock);
  if (std::find(r.Tables.begin(), r.Tables.end(), &Table) == r.Tables.end()) r.Tables.push_back(&Table);
}

HRSRC FindResource(HMODULE hModule, const char* lpName, const char* lpType) {
  if (hModule && hModule != HInstance) return nullptr;
  if (!lpName || !lpType) return nullptr;
  const TResourceEntry* e = Lookup(ResourceKey(lpName, false), ResourceKey(lpType, true));
  return reinterpret_cast<HRSRC>(const_cast<TResourceEntry*>(e));
}

HGLOBAL LoadResource(HMODULE, HRSRC hResInfo) {
  if (!hResInfo) return nullptr;
  return const_cast<unsigned char*>(reinterpret_cast<const TResourceEntry*>(hResInfo)->Data);
}

void* LockResource(HGLOBAL hResData) { return hResData; }

DWORD SizeofResource(HMODULE, HRSRC hResInfo) {
  if (!hResInfo) return 0;
  return static_cast<DWORD>(reinterpret_cast<const TResourceEntry*>(hResInfo)->Size);
}

BOOL FreeResource(HGLOBAL) { return FALSE; }

// ---- TResourceStream ----------------------------------------------------------------------------------

TResourceStream* TResourceStream::CreateFromID(HINSTANCE Instance, Integer ResID, const char* ResType) {
  return New<TResourceStream>(Instance, "#" + std::to_string(ResID), ResType);
}

void TResourceStream::Construct() {
  inherited::Construct();
  HRSRC info = FindResource(FInstance, FResName.c_str(), FResType);
  if (!info) {
    String text = SysConst::SResNotFound;
    text.replace(text.find("%s"), 2, FResName);
    throw EResNotFound(text);
  }
  SetPointer(LockResource(LoadResource(FInstance, info)), SizeofResource(FInstance, info));
  FResType = nullptr;
}

Integer TResourceStream::Write(const void*, Integer) {
  throw EStreamError("Can't write to a read-only resource stream");
}

}  // namespace Resources
