// The registry store: a tree of keys holding named, typed values, kept in files under the user's
// configuration folder, and TRegistry to work on it; TRegistryIniFile views a key as an ini file.
//
// Storage: each root key is one text file, $XDG_CONFIG_HOME/vaskel/registry/<root name>.reg
// ($HOME/.config when XDG_CONFIG_HOME is not set; with neither, the store lives in memory only).
// The file is read on first use (and again when another program changed it while this one holds
// no unwritten changes) and written whole, through a new file renamed over the old one: when a
// TRegistry object closes a key with LazyWrite off (as the system flushes it then), when a
// TRegistry object is freed, and on UpdateFile of the ini view. Key and value names compare
// without regard to case; subkeys are
// listed in alphabetical order, values in the order they were created. A key name may not hold
// "\" or a control character.
//
// Paths: "\A\B" is absolute (from the root key); "A\B" is relative to the open key (from the root
// when none is open); empty components are ignored.
#pragma once

#include <vector>

#include "IniFiles.h"
#include "System.h"
#include "WinDef.h"

namespace Streams {
class TStream;
}
namespace StringLists {
class TStrings;
}

namespace Registry {

inline HKEY const HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(uintptr_t{0x80000000});
inline HKEY const HKEY_CURRENT_USER = reinterpret_cast<HKEY>(uintptr_t{0x80000001});
inline HKEY const HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(uintptr_t{0x80000002});
inline HKEY const HKEY_USERS = reinterpret_cast<HKEY>(uintptr_t{0x80000003});

// Access rights of an open key: values are read with KEY_QUERY_VALUE, written with KEY_SET_VALUE,
// subkeys made with KEY_CREATE_SUB_KEY and listed with KEY_ENUMERATE_SUB_KEYS.
constexpr DWORD KEY_QUERY_VALUE = 0x0001;
constexpr DWORD KEY_SET_VALUE = 0x0002;
constexpr DWORD KEY_CREATE_SUB_KEY = 0x0004;
constexpr DWORD KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr DWORD KEY_NOTIFY = 0x0010;
constexpr DWORD KEY_READ = 0x00020019;
constexpr DWORD KEY_WRITE = 0x00020006;
constexpr DWORD KEY_ALL_ACCESS = 0x000F003F;

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegDataInfo {
  TRegDataType RegData = rdUnknown;
  Integer DataSize = 0;
};

class TRegistry : public TObject {
  DECLARE_CLASS(TRegistry, TObject)
 public:
  HKEY GetRootKey() const { return FRootKey; }
  // Closes the open key first. Only the four standard roots hold keys; with another root every
  // operation fails.
  void SetRootKey(HKEY Value);
  DWORD GetAccess() const { return FAccess; }
  void SetAccess(DWORD Value) { FAccess = Value; }
  bool GetLazyWrite() const { return FLazyWrite; }
  void SetLazyWrite(bool Value) { FLazyWrite = Value; }
  // The open key's path from the root ("" when none is open) and a handle for it (null then).
  String GetCurrentPath() const;
  HKEY GetCurrentKey() const;

  // Opens the key (making it and its parents when CanCreate); false when it does not exist or
  // cannot be made. OpenKeyReadOnly opens it for reading only.
  bool OpenKey(const String& Key, bool CanCreate);
  bool OpenKeyReadOnly(const String& Key);
  // Makes the key (and its parents) without opening it; ERegistryException "Failed to create key
  // %s" when it cannot be made.
  bool CreateKey(const String& Key);
  bool KeyExists(const String& Key);
  // Deletes the key with all its subkeys; false when it does not exist. The root cannot be deleted.
  bool DeleteKey(const String& Key);
  void CloseKey();

  // On the open key.
  bool HasSubKeys();
  void GetKeyNames(StringLists::TStrings* Strings);
  void GetValueNames(StringLists::TStrings* Strings);
  bool ValueExists(const String& Name);
  bool DeleteValue(const String& Name);
  bool GetDataInfo(const String& ValueName, TRegDataInfo& Value);
  // rdUnknown, or -1, for a missing value. A text's size counts its terminating zero.
  TRegDataType GetDataType(const String& ValueName);
  Integer GetDataSize(const String& ValueName);

  // Reads raise ERegistryException: "Invalid data type for '%s'" for a value of another type,
  // "Failed to get data for '%s'" for a missing one (ReadString gives "" and ReadBinaryData 0 then).
  // Writes raise "Failed to set data for '%s'" when no key is open or it is open read-only.
  String ReadString(const String& Name);
  void WriteString(const String& Name, const String& Value);
  void WriteExpandString(const String& Name, const String& Value);
  Integer ReadInteger(const String& Name);
  void WriteInteger(const String& Name, Integer Value);
  bool ReadBool(const String& Name) { return ReadInteger(Name) != 0; }
  void WriteBool(const String& Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }
  // Copies the value into Buffer when it fits (else "Invalid data type"); answers its size.
  Integer ReadBinaryData(const String& Name, void* Buffer, Integer BufSize);
  void WriteBinaryData(const String& Name, const void* Buffer, Integer BufSize);
  // Numbers and dates as the 8 bytes of a double (binary values).
  Double ReadFloat(const String& Name);
  void WriteFloat(const String& Name, Double Value);
  TDateTime ReadDateTime(const String& Name) { return ReadFloat(Name); }
  void WriteDateTime(const String& Name, TDateTime Value) { WriteFloat(Name, Value); }

 protected:
  explicit TRegistry(DWORD AAccess = KEY_ALL_ACCESS) : FAccess(AAccess) {}
  void Destroy() override;

 private:
  friend class TRegistryIniFile;
  // The key path a Key argument names, as components from the root.
  std::vector<String> Resolve(const String& Key) const;
  bool Open(const String& Key, bool CanCreate, DWORD Access);
  void PutData(const String& Name, TRegDataType Type, const String& Data);
  // The value's type and bytes; false when missing (or no key is open).
  bool GetData(const String& Name, TRegDataType& Type, String& Data);

  HKEY FRootKey = HKEY_CURRENT_USER;
  DWORD FAccess;
  bool FLazyWrite = true;
  bool FOpen = false;
  DWORD FOpenAccess = 0;
  std::vector<String> FCurrent;  // the open key's path
};

// An ini file over a registry key (under HKEY_CURRENT_USER): the key named by the file name is
// opened (and made) as the base; a section is a key relative to it (or absolute with a leading
// "\"), an ident a value of that key. Integers are kept as integer values (or as text where the
// value already is text), binary streams, floats and dates as binary values, all else as text;
// ReadString gives every value as text (integers in decimal, binary values in hexadecimal).
// EraseSection deletes the section's key with its subkeys.
class TRegistryIniFile : public TCustomIniFile {
  DECLARE_CLASS(TRegistryIniFile, TCustomIniFile)
 public:
  TRegistry* GetRegIniFile() const { return FRegIniFile; }

  String ReadString(const String& Section, const String& Ident, const String& Default) override;
  void WriteString(const String& Section, const String& Ident, const String& Value) override;
  void WriteInteger(const String& Section, const String& Ident, Integer Value) override;
  Double ReadFloat(const String& Section, const String& Ident, Double Default) override;
  void WriteFloat(const String& Section, const String& Ident, Double Value) override;
  TDateTime ReadDate(const String& Section, const String& Ident, TDateTime Default) override;
  void WriteDate(const String& Section, const String& Ident, TDateTime Value) override;
  TDateTime ReadDateTime(const String& Section, const String& Ident, TDateTime Default) override;
  void WriteDateTime(const String& Section, const String& Ident, TDateTime Value) override;
  TDateTime ReadTime(const String& Section, const String& Ident, TDateTime Default) override;
  void WriteTime(const String& Section, const String& Ident, TDateTime Value) override;
  Integer ReadBinaryStream(const String& Section, const String& Name, Streams::TStream* Value) override;
  void WriteBinaryStream(const String& Section, const String& Name, Streams::TStream* Value) override;
  void ReadSection(const String& Section, StringLists::TStrings* Strings) override;
  void ReadSections(StringLists::TStrings* Strings) override;
  void ReadSectionValues(const String& Section, StringLists::TStrings* Strings) override;
  void EraseSection(const String& Section) override;
  void DeleteKey(const String& Section, const String& Ident) override;
  void UpdateFile() override;

 protected:
  explicit TRegistryIniFile(String FileName = String(), DWORD AAccess = KEY_ALL_ACCESS)
      : TCustomIniFile(std::move(FileName)), FAccess(AAccess) {}
  void Construct() override;
  void Destroy() override;

 private:
  // Opens the section's key on a second registry object (made when the section exists, or always
  // with Create); null when it does not exist.
  TRegistry* Section(const String& Name, bool Create);
  TRegistry* FRegIniFile = nullptr;
  TRegistry* FSection = nullptr;
  DWORD FAccess;
};

}  // namespace Registry

using namespace Registry;
