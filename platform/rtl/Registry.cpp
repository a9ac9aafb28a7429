#include "Registry.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>

#include "Exceptions.h"
#include "Format.h"
#include "StringLists.h"
#include "Streams.h"
#include "Strings.h"
#include "SysConst.h"

namespace Registry {

// ---- The store ----------------------------------------------------------------------------------------------
namespace {

struct TRegValue {
  String Name;
  String Upper;
  TRegDataType Type = rdString;
  String Data;  // text without terminator, 4 little-endian bytes, or the binary bytes
};

struct TRegNode {
  String Name;
  String Upper;
  std::vector<TRegValue> Values;                 // in creation order
  std::vector<std::unique_ptr<TRegNode>> Keys;   // in alphabetical order

  std::vector<std::unique_ptr<TRegNode>>::iterator LowerBound(const String& upper) {
    return std::lower_bound(Keys.begin(), Keys.end(), upper,
                            [](const std::unique_ptr<TRegNode>& k, const String& u) { return k->Upper < u; });
  }
  TRegNode* Child(const String& name) {
    String upper = AnsiUpperCase(name);
    auto it = LowerBound(upper);
    return it != Keys.end() && (*it)->Upper == upper ? it->get() : nullptr;
  }
  TRegNode* MakeChild(const String& name, bool& made) {
    String upper = AnsiUpperCase(name);
    auto it = LowerBound(upper);
    if (it != Keys.end() && (*it)->Upper == upper) return it->get();
    auto node = std::make_unique<TRegNode>();
    node->Name = name;
    node->Upper = upper;
    made = true;
    return Keys.insert(it, std::move(node))->get();
  }
  bool RemoveChild(const String& name) {
    String upper = AnsiUpperCase(name);
    auto it = LowerBound(upper);
    if (it == Keys.end() || (*it)->Upper != upper) return false;
    Keys.erase(it);
    return true;
  }
  TRegValue* Value(const String& name) {
    String upper = AnsiUpperCase(name);
    for (TRegValue& v : Values)
      if (v.Upper == upper) return &v;
    return nullptr;
  }
};

bool ValidKeyName(const String& name) {
  return !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
  });
}

std::vector<String> SplitPath(const String& path) {
  std::vector<String> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('\\', start);
    if (end == String::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

String JoinPath(const std::vector<String>& parts) {
  String path;
  for (const String& p : parts) {
    if (!path.empty()) path += '\\';
    path += p;
  }
  return path;
}

// ---- The file format ----
// One line per key, "[path\of\key]", in depth-first order (so empty keys persist), followed by
// its values, one a line: "name"=<type>:<data>, with the types s (text), e (expandable text),
// i (32-bit decimal integer) and b (hexadecimal bytes). Names and texts are quoted, with \\, \"
// and \xHH for control characters.

String Quote(const String& text) {
  String r = "\"";
  for (char c : text) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == '\\' || c == '"') {
      r += '\\';
      r += c;
    } else if (u < 0x20 || u == 0x7F) {
      static const char digits[] = "0123456789ABCDEF";
      r += "\\x";
      r += digits[u >> 4];
      r += digits[u & 15];
    } else {
      r += c;
    }
  }
  return r + "\"";
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Reads a quoted text at `pos`; false when the text is not well formed.
bool Unquote(const String& line, size_t& pos, String& out) {
  if (pos >= line.size() || line[pos] != '"') return false;
  out.clear();
  for (++pos; pos < line.size(); ++pos) {
    char c = line[pos];
    if (c == '"') {
      ++pos;
      return true;
    }
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++pos >= line.size()) return false;
    if (line[pos] == 'x') {
      if (pos + 2 >= line.size()) return false;
      int hi = HexValue(line[pos + 1]), lo = HexValue(line[pos + 2]);
      if (hi < 0 || lo < 0) return false;
      out += static_cast<char>(hi * 16 + lo);
      pos += 2;
    } else {
      out += line[pos];
    }
  }
  return false;
}

String IntegerData(Integer value) {
  uint32_t u = static_cast<uint32_t>(value);
  char b[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF), static_cast<char>((u >> 16) & 0xFF),
               static_cast<char>(u >> 24)};
  return String(b, 4);
}

Integer DataInteger(const String& data) {
  uint32_t u = 0;
  for (size_t i = 0; i < 4 && i < data.size(); ++i) u |= uint32_t{static_cast<unsigned char>(data[i])} << (8 * i);
  return static_cast<Integer>(u);
}

void WriteNode(const TRegNode& node, const String& path, String& out) {
  if (!path.empty()) {
    out += "[" + path + "]\n";
    for (const TRegValue& v : node.Values) {
      out += Quote(v.Name) + "=";
      switch (v.Type) {
        case rdExpandString: out += "e:" + Quote(v.Data); break;
        case rdInteger: out += "i:" + std::to_string(DataInteger(v.Data)); break;
        case rdBinary: {
          static const char digits[] = "0123456789ABCDEF";
          out += "b:";
          for (char c : v.Data) {
            out += digits[static_cast<unsigned char>(c) >> 4];
            out += digits[static_cast<unsigned char>(c) & 15];
          }
          break;
        }
        default: out += "s:" + Quote(v.Data); break;
      }
      out += "\n";
    }
  }
  for (const auto& k : node.Keys) WriteNode(*k, path.empty() ? k->Name : path + "\\" + k->Name, out);
}

// Lines that are not understood are skipped: a damaged file loses only what it damaged.
void ParseStore(const String& text, TRegNode& root) {
  TRegNode* current = nullptr;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == String::npos) end = text.size();
    String line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[' && line.back() == ']') {
      current = &root;
      for (const String& part : SplitPath(line.substr(1, line.size() - 2))) {
        if (!ValidKeyName(part)) {
          current = nullptr;
          break;
        }
        bool made = false;
        current = current->MakeChild(part, made);
      }
      continue;
    }
    if (!current || current == &root) continue;
    size_t pos = 0;
    TRegValue v;
    String data;
    if (!Unquote(line, pos, v.Name) || line.compare(pos, 1, "=") != 0 || pos + 3 > line.size() ||
        line[pos + 2] != ':')
      continue;
    char type = line[pos + 1];
    pos += 3;
    if (type == 's' || type == 'e') {
      if (!Unquote(line, pos, data)) continue;
      v.Type = type == 's' ? rdString : rdExpandString;
    } else if (type == 'i') {
      Int64 n;
      if (!TryStrToInt64(line.substr(pos), n) || n < INT32_MIN || n > UINT32_MAX) continue;
      v.Type = rdInteger;
      data = IntegerData(static_cast<Integer>(static_cast<uint32_t>(n)));
    } else if (type == 'b') {
      String hex = line.substr(pos);
      if (hex.size() % 2) continue;
      bool ok = true;
      for (size_t i = 0; ok && i < hex.size(); i += 2) {
        int hi = HexValue(hex[i]), lo = HexValue(hex[i + 1]);
        ok = hi >= 0 && lo >= 0;
        if (ok) data += static_cast<char>(hi * 16 + lo);
      }
      if (!ok) continue;
      v.Type = rdBinary;
    } else {
      continue;
    }
    v.Data = std::move(data);
    v.Upper = AnsiUpperCase(v.Name);
    if (TRegValue* existing = current->Value(v.Name))
      *existing = std::move(v);
    else
      current->Values.push_back(std::move(v));
  }
}

const char* RootName(HKEY root) {
  if (root == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
  if (root == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
  if (root == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
  if (root == HKEY_USERS) return "HKEY_USERS";
  return nullptr;
}

// The folder of the store's files, or "" when the user has no configuration folder.
String StoreFolder() {
  const char* xdg = getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg) return String(xdg) + "/vaskel/registry";
  const char* home = getenv("HOME");
  if (home && *home) return String(home) + "/.config/vaskel/registry";
  return String();
}

struct TRootStore {
  String Path;  // the file the tree was read from ("" in memory only)
  bool Loaded = false;
  bool Dirty = false;
  bool Stamped = false;
  struct stat Stamp {};
  TRegNode Root;
};

bool SameStamp(const struct stat& a, const struct stat& b) {
  return a.st_ino == b.st_ino && a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
         a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
}

struct TStore {
  std::recursive_mutex Lock;
  std::map<String, TRootStore> Roots;

  // The root's tree, read (again) from its file when needed; null for an unknown root.
  TRootStore* Get(HKEY root) {
    const char* name = RootName(root);
    if (!name) return nullptr;
    String folder = StoreFolder();
    String path = folder.empty() ? String() : folder + "/" + name + ".reg";
    TRootStore& r = Roots[name];
    if (r.Loaded && r.Path != path) Save(name, r);  // the configuration folder moved: keep what changed
    struct stat now;
    bool exists = !path.empty() && stat(path.c_str(), &now) == 0;
    bool stale = !r.Loaded || r.Path != path ||
                 (!r.Dirty && (exists != r.Stamped || (exists && !SameStamp(now, r.Stamp))));
    if (stale) {
      r.Root.Keys.clear();
      r.Root.Values.clear();
      r.Path = path;
      r.Loaded = true;
      r.Dirty = false;
      r.Stamped = exists;
      if (exists) {
        r.Stamp = now;
        std::ifstream in(path, std::ios::binary);
        ParseStore(String(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()), r.Root);
      }
    }
    return &r;
  }

  // Writes one root's tree to its file; false when it could not (it stays changed).
  static bool Save(const String& name, TRootStore& r) {
    if (!r.Dirty || r.Path.empty()) return true;
    String folder = r.Path.substr(0, r.Path.rfind('/'));
    String text = "; registry store: " + name + "\n";
    WriteNode(r.Root, String(), text);
    for (size_t at = folder.find('/', 1);; at = folder.find('/', at + 1)) {
      mkdir(folder.substr(0, at).c_str(), 0700);
      if (at == String::npos) break;
    }
    if (!ReplaceFileContents(r.Path, text)) return false;
    r.Dirty = false;
    r.Stamped = stat(r.Path.c_str(), &r.Stamp) == 0;
    return true;
  }

  // Writes every changed root; false when a file could not be written.
  bool Flush(String* failedPath = nullptr) {
    bool ok = true;
    for (auto& [name, r] : Roots)
      if (!Save(name, r)) {
        ok = false;
        if (failedPath) *failedPath = r.Path;
      }
    return ok;
  }
};

TStore& Store() {
  static TStore store;
  return store;
}

TRegNode* Walk(TRegNode* node, const std::vector<String>& path) {
  for (const String& part : path) {
    if (!node) return nullptr;
    node = node->Child(part);
  }
  return node;
}

[[noreturn]] void RaiseRegistry(const char* pattern, const String& name) {
  throw ERegistryException(Format(pattern, {name}));
}

}  // namespace

// ---- TRegistry ----------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TRegistry)

void TRegistry::Destroy() {
  CloseKey();
  {
    std::lock_guard guard(Store().Lock);
    Store().Flush();
  }
  inherited::Destroy();
}

void TRegistry::SetRootKey(HKEY Value) {
  CloseKey();
  FRootKey = Value;
}

String TRegistry::GetCurrentPath() const { return FOpen ? JoinPath(FCurrent) : String(); }

HKEY TRegistry::GetCurrentKey() const {
  return FOpen ? reinterpret_cast<HKEY>(const_cast<TRegistry*>(this)) : nullptr;
}

std::vector<String> TRegistry::Resolve(const String& Key) const {
  std::vector<String> path;
  if (Key.empty() || Key[0] != '\\') path = FOpen ? FCurrent : std::vector<String>();
  for (String& part : SplitPath(Key)) path.push_back(std::move(part));
  return path;
}

bool TRegistry::Open(const String& Key, bool CanCreate, DWORD Access) {
  std::vector<String> path = Resolve(Key);
  auto& store = Store();
  std::lock_guard guard(store.Lock);
  TRootStore* root = store.Get(FRootKey);
  if (!root) return false;
  if (CanCreate) {
    if (!std::all_of(path.begin(), path.end(), ValidKeyName)) return false;
    TRegNode* node = &root->Root;
    bool made = false;
    for (const String& part : path) node = node->MakeChild(part, made);
    if (made) root->Dirty = true;
  } else if (!Walk(&root->Root, path)) {
    return false;
  }
  if (FOpen && !FLazyWrite) store.Flush();
  FCurrent = std::move(path);
  FOpen = true;
  FOpenAccess = Access;
  return true;
}

bool TRegistry::OpenKey(const String& Key, bool CanCreate) { return Open(Key, CanCreate, FAccess); }
bool TRegistry::OpenKeyReadOnly(const String& Key) { return Open(Key, false, KEY_READ); }

void TRegistry::CloseKey() {
  if (!FOpen) return;
  if (!FLazyWrite) {
    std::lock_guard guard(Store().Lock);
    Store().Flush();
  }
  FOpen = false;
  FCurrent.clear();
}

bool TRegistry::CreateKey(const String& Key) {
  std::vector<String> path = Resolve(Key);
  auto& store = Store();
  std::lock_guard guard(store.Lock);
  TRootStore* root = store.Get(FRootKey);
  if (!root || !std::all_of(path.begin(), path.end(), ValidKeyName)) RaiseRegistry(SysConst::SRegCreateFailed, Key);
  TRegNode* node = &root->Root;
  bool made = false;
  for (const String& part : path) node = node->MakeChild(part, made);
  if (made) root->Dirty = true;
  return true;
}

bool TRegistry::KeyExists(const String& Key) {
  std::vector<String> path = Resolve(Key);
  auto& store = Store();
  std::lock_guard guard(store.Lock);
  TRootStore* root = store.Get(FRootKey);
  return root && Walk(&root->Root, path);
}

bool TRegistry::DeleteKey(const String& Key) {
  std::vector<String> path = Resolve(Key);
  if (path.empty()) return false;
  auto& store = Store();
  std::lock_guard guard(store.Lock);
  TRootStore* root = store.Get(FRootKey);
  if (!root) return false;
  String last = path.back();
  path.pop_back();
  TRegNode* parent = Walk(&root->Root, path);
  if (!parent || !parent->RemoveChild(last)) return false;
  root->Dirty = true;
  return true;
}

namespace {
// The open key's node, under the store's lock; null when no key is open or it was deleted.
TRegNode* OpenNode(HKEY rootKey, bool open, const std::vector<String>& path, TRootStore** rootOut = nullptr) {
  if (!open) return nullptr;
  TRootStore* root = Store().Get(rootKey);
  if (rootOut) *rootOut = root;
  return root ? Walk(&root->Root, path) : nullptr;
}

void FillList(TStrings* Strings, const std::vector<String>& names) {
  Strings->BeginUpdate();
  try {
    Strings->Clear();
    for (const String& n : names) Strings->Add(n);
  } catch (...) {
    Strings->EndUpdate();
    throw;
  }
  Strings->EndUpdate();
}
}  // namespace

bool TRegistry::HasSubKeys() {
  std::lock_guard guard(Store().Lock);
  TRegNode* node = OpenNode(FRootKey, FOpen, FCurrent);
  return node && !node->Keys.empty();
}

void TRegistry::GetKeyNames(TStrings* Strings) {
  std::vector<String> names;
  {
    std::lock_guard guard(Store().Lock);
    if (TRegNode* node = OpenNode(FRootKey, FOpen, FCurrent))
      for (const auto& k : node->Keys) names.push_back(k->Name);
  }
  FillList(Strings, names);
}

void TRegistry::GetValueNames(TStrings* Strings) {
  std::vector<String> names;
  {
    std::lock_guard guard(Store().Lock);
    if (TRegNode* node = OpenNode(FRootKey, FOpen, FCurrent))
      for (const TRegValue& v : node->Values) names.push_back(v.Name);
  }
  FillList(Strings, names);
}

bool TRegistry::GetData(const String& Name, TRegDataType& Type, String& Data) {
  std::lock_guard guard(Store().Lock);
  TRegNode* node = OpenNode(FRootKey, FOpen, FCurrent);
  TRegValue* v = node ? node->Value(Name) : nullptr;
  if (!v) return false;
  Type = v->Type;
  Data = v->Data;
  return true;
}

void TRegistry::PutData(const String& Name, TRegDataType Type, const String& Data) {
  std::lock_guard guard(Store().Lock);
  TRootStore* root = nullptr;
  TRegNode* node = OpenNode(FRootKey, FOpen, FCurrent, &root);
  if (!node || !(FOpenAccess & KEY_SET_VALUE)) RaiseRegistry(SysConst::SRegSetDataFailed, Name);
  TRegValue* v = node->Value(Name);
  if (!v) {
    node->Values.push_back(TRegValue{Name, AnsiUpperCase(Name), Type, String()});
    v = &node->Values.back();
  }
  v->Type = Type;
  v->Data = Data;
  root->Dirty = true;
}

bool TRegistry::ValueExists(const String& Name) {
  TRegDataType type;
  String data;
  return GetData(Name, type, data);
}

bool TRegistry::DeleteValue(const String& Name) {
  std::lock_guard guard(Store().Lock);
  TRootStore* root = nullptr;
  TRegNode* node = OpenNode(FRootKey, FOpen, FCurrent, &root);
  if (!node || !(FOpenAccess & KEY_SET_VALUE)) return false;
  String upper = AnsiUpperCase(Name);
  auto it = std::find_if(node->Values.begin(), node->Values.end(), [&](const TRegValue& v) { return v.Upper == upper; });
  if (it == node->Values.end()) return false;
  node->Values.erase(it);
  root->Dirty = true;
  return true;
}

bool TRegistry::GetDataInfo(const String& ValueName, TRegDataInfo& Value) {
  TRegDataType type;
  String data;
  if (!GetData(ValueName, type, data)) {
    Value = TRegDataInfo{};
    return false;
  }
  Value.RegData = type;
  Value.DataSize = static_cast<Integer>(data.size()) + (type == rdString || type == rdExpandString ? 1 : 0);
  return true;
}

TRegDataType TRegistry::GetDataType(const String& ValueName) {
  TRegDataInfo info;
  return GetDataInfo(ValueName, info) ? info.RegData : rdUnknown;
}

Integer TRegistry::GetDataSize(const String& ValueName) {
  TRegDataInfo info;
  return GetDataInfo(ValueName, info) ? info.DataSize : -1;
}

String TRegistry::ReadString(const String& Name) {
  TRegDataType type;
  String data;
  if (!GetData(Name, type, data)) return String();
  if (type != rdString && type != rdExpandString) RaiseRegistry(SysConst::SInvalidRegType, Name);
  // A text ends at its first zero, as the system's text values do.
  size_t zero = data.find('\0');
  if (zero != String::npos) data.resize(zero);
  return data;
}

void TRegistry::WriteString(const String& Name, const String& Value) { PutData(Name, rdString, Value); }
void TRegistry::WriteExpandString(const String& Name, const String& Value) { PutData(Name, rdExpandString, Value); }

Integer TRegistry::ReadInteger(const String& Name) {
  TRegDataType type;
  String data;
  if (!GetData(Name, type, data)) RaiseRegistry(SysConst::SRegGetDataFailed, Name);
  if (type != rdInteger) RaiseRegistry(SysConst::SInvalidRegType, Name);
  return DataInteger(data);
}

void TRegistry::WriteInteger(const String& Name, Integer Value) { PutData(Name, rdInteger, IntegerData(Value)); }

Integer TRegistry::ReadBinaryData(const String& Name, void* Buffer, Integer BufSize) {
  TRegDataType type;
  String data;
  if (!GetData(Name, type, data)) return 0;
  if (type != rdBinary || static_cast<Integer>(data.size()) > BufSize) RaiseRegistry(SysConst::SInvalidRegType, Name);
  if (!data.empty()) std::memcpy(Buffer, data.data(), data.size());
  return static_cast<Integer>(data.size());
}

void TRegistry::WriteBinaryData(const String& Name, const void* Buffer, Integer BufSize) {
  PutData(Name, rdBinary, String(static_cast<const char*>(Buffer), static_cast<size_t>(std::max(BufSize, 0))));
}

Double TRegistry::ReadFloat(const String& Name) {
  Double value = 0;
  if (ReadBinaryData(Name, &value, sizeof value) != sizeof value) RaiseRegistry(SysConst::SInvalidRegType, Name);
  return value;
}

void TRegistry::WriteFloat(const String& Name, Double Value) { WriteBinaryData(Name, &Value, sizeof Value); }

// ---- TRegistryIniFile ---------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TRegistryIniFile)

void TRegistryIniFile::Construct() {
  inherited::Construct();
  FRegIniFile = New<TRegistry>(FAccess);
  FSection = New<TRegistry>(FAccess);
  FRegIniFile->OpenKey(FFileName, true);
}

void TRegistryIniFile::Destroy() {
  FreeAndNil(FSection);
  FreeAndNil(FRegIniFile);
  inherited::Destroy();
}

TRegistry* TRegistryIniFile::Section(const String& Name, bool Create) {
  // The section registry starts from the base key each time, without writing anything in between.
  FSection->FRootKey = FRegIniFile->FRootKey;
  FSection->FLazyWrite = true;
  FSection->FOpen = FRegIniFile->FOpen;
  FSection->FCurrent = FRegIniFile->FCurrent;
  if (FSection->Open(Name, Create, FAccess)) return FSection;
  if (Create) RaiseRegistry(SysConst::SRegCreateFailed, Name);
  return nullptr;
}

String TRegistryIniFile::ReadString(const String& Section, const String& Ident, const String& Default) {
  TRegistry* reg = this->Section(Section, false);
  TRegDataType type;
  String data;
  if (!reg || !reg->GetData(Ident, type, data)) return Default;
  switch (type) {
    case rdInteger: return IntToStr(DataInteger(data));
    case rdBinary: return BytesToHex(data.data(), data.size());
    default: return reg->ReadString(Ident);
  }
}

void TRegistryIniFile::WriteString(const String& Section, const String& Ident, const String& Value) {
  this->Section(Section, true)->WriteString(Ident, Value);
}

void TRegistryIniFile::WriteInteger(const String& Section, const String& Ident, Integer Value) {
  TRegistry* reg = this->Section(Section, true);
  if (reg->GetDataType(Ident) == rdString)
    reg->WriteString(Ident, IntToStr(Value));
  else
    reg->WriteInteger(Ident, Value);
}

namespace {
// A double kept as a binary value, or false.
bool BinaryDouble(TRegistry* reg, const String& Ident, Double& value) {
  return reg && reg->GetDataType(Ident) == rdBinary && reg->GetDataSize(Ident) == sizeof(Double) &&
         reg->ReadBinaryData(Ident, &value, sizeof value) == sizeof value;
}
}  // namespace

Double TRegistryIniFile::ReadFloat(const String& Section, const String& Ident, Double Default) {
  Double value;
  return BinaryDouble(this->Section(Section, false), Ident, value) ? value
                                                                  : inherited::ReadFloat(Section, Ident, Default);
}
void TRegistryIniFile::WriteFloat(const String& Section, const String& Ident, Double Value) {
  this->Section(Section, true)->WriteFloat(Ident, Value);
}
TDateTime TRegistryIniFile::ReadDate(const String& Section, const String& Ident, TDateTime Default) {
  Double value;
  return BinaryDouble(this->Section(Section, false), Ident, value) ? value
                                                                  : inherited::ReadDate(Section, Ident, Default);
}
void TRegistryIniFile::WriteDate(const String& Section, const String& Ident, TDateTime Value) {
  WriteFloat(Section, Ident, Value);
}
TDateTime TRegistryIniFile::ReadDateTime(const String& Section, const String& Ident, TDateTime Default) {
  Double value;
  return BinaryDouble(this->Section(Section, false), Ident, value)
             ? value
             : inherited::ReadDateTime(Section, Ident, Default);
}
void TRegistryIniFile::WriteDateTime(const String& Section, const String& Ident, TDateTime Value) {
  WriteFloat(Section, Ident, Value);
}
TDateTime TRegistryIniFile::ReadTime(const String& Section, const String& Ident, TDateTime Default) {
  Double value;
  return BinaryDouble(this->Section(Section, false), Ident, value) ? value
                                                                  : inherited::ReadTime(Section, Ident, Default);
}
void TRegistryIniFile::WriteTime(const String& Section, const String& Ident, TDateTime Value) {
  WriteFloat(Section, Ident, Value);
}

Integer TRegistryIniFile::ReadBinaryStream(const String& Section, const String& Name, Streams::TStream* Value) {
  TRegistry* reg = this->Section(Section, false);
  TRegDataType type;
  String data;
  if (!reg || !reg->GetData(Name, type, data)) return 0;
  if (type != rdBinary) return inherited::ReadBinaryStream(Section, Name, Value);
  return PutBinary(Value, data.data(), static_cast<Integer>(data.size()));
}

void TRegistryIniFile::WriteBinaryStream(const String& Section, const String& Name, Streams::TStream* Value) {
  Int64 count = std::max<Int64>(Value->GetSize() - Value->GetPosition(), 0);
  String bytes(static_cast<size_t>(count), '\0');
  if (count > 0) Value->ReadBuffer(bytes.data(), static_cast<Integer>(count));
  this->Section(Section, true)->WriteBinaryData(Name, bytes.data(), static_cast<Integer>(count));
}

void TRegistryIniFile::ReadSection(const String& Section, TStrings* Strings) {
  if (TRegistry* reg = this->Section(Section, false))
    reg->GetValueNames(Strings);
  else
    Strings->Clear();
}

void TRegistryIniFile::ReadSections(TStrings* Strings) { FRegIniFile->GetKeyNames(Strings); }

void TRegistryIniFile::ReadSectionValues(const String& Section, TStrings* Strings) {
  TStringList* names = New<TStringList>();
  try {
    ReadSection(Section, names);
    Strings->BeginUpdate();
    try {
      Strings->Clear();
      for (Integer i = 0; i < names->GetCount(); ++i) {
        String name = names->GetStrings(i);
        Strings->Add(name + "=" + ReadString(Section, name, String()));
      }
    } catch (...) {
      Strings->EndUpdate();
      throw;
    }
    Strings->EndUpdate();
  } catch (...) {
    names->Free();
    throw;
  }
  names->Free();
}

void TRegistryIniFile::EraseSection(const String& Section) { FRegIniFile->DeleteKey(Section); }

void TRegistryIniFile::DeleteKey(const String& Section, const String& Ident) {
  if (TRegistry* reg = this->Section(Section, false)) reg->DeleteValue(Ident);
}

void TRegistryIniFile::UpdateFile() {
  auto& store = Store();
  std::lock_guard guard(store.Lock);
  String failed;
  if (!store.Flush(&failed)) throw EIniFileException(Format(SysConst::SIniFileWriteError, {failed}));
}

}  // namespace Registry
