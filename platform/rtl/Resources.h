// Resources compiled into the program: the module handle, lookup by type and name, and the read-only
// stream over a resource's bytes.
//
// How resources get into the program: the build's embed_resources(<target> <TYPE> [NAME=]<file>...)
// (cmake/EmbedResources.cmake) turns the files into a generated source of the target holding constant
// byte arrays and a table of them, and defines
//     const Resources::TResourceTable& ResourceTable_<target>_<TYPE>();
// (target and type made into an identifier). Nothing registers itself at start-up: the library that
// owns the target passes the table to RegisterResourceTable from its RegisterUnits_* routine (a test
// program from its test), declaring the function with DECLARE_RESOURCE_TABLE(<target>, <TYPE>).
//
// Names and types: a resource is named by its file's base name (or NAME=) and typed by TYPE. Both
// are matched without regard to ASCII case; "#123" (or MAKEINTRESOURCE(123)) is the numbered form,
// and the standard type names stand for their numbers (RT_RCDATA = "RCDATA" = "#10").
#pragma once

#include <cstddef>

#include "Streams.h"
#include "WinDef.h"

namespace Resources {

// One resource: its type and name as the build wrote them, and its bytes.
struct TResourceEntry {
  const char* Type;
  const char* Name;
  const unsigned char* Data;
  size_t Size;
};
struct TResourceTable {
  const TResourceEntry* Entries;
  size_t Count;
};

// Makes a table's resources part of the program's module. A table registered twice counts once;
// where two tables hold the same type and name, the first registered wins.
void RegisterResourceTable(const TResourceTable& Table);

// The program is one module; its handle is the one GetModuleHandle(nullptr) answers.
inline HINSTANCE const HInstance = reinterpret_cast<HINSTANCE>(static_cast<uintptr_t>(0x00400000));
inline HINSTANCE const MainInstance = HInstance;

// A numbered name or type passed where text is expected (a value below 0x10000).
inline const char* MAKEINTRESOURCE(Word id) { return reinterpret_cast<const char*>(static_cast<uintptr_t>(id)); }
inline bool IS_INTRESOURCE(const char* p) { return reinterpret_cast<uintptr_t>(p) >> 16 == 0; }

// The standard resource types, in their numbered form.
inline constexpr const char* RT_CURSOR = "#1";
inline constexpr const char* RT_BITMAP = "#2";
inline constexpr const char* RT_ICON = "#3";
inline constexpr const char* RT_MENU = "#4";
inline constexpr const char* RT_DIALOG = "#5";
inline constexpr const char* RT_STRING = "#6";
inline constexpr const char* RT_FONTDIR = "#7";
inline constexpr const char* RT_FONT = "#8";
inline constexpr const char* RT_ACCELERATOR = "#9";
inline constexpr const char* RT_RCDATA = "#10";
inline constexpr const char* RT_MESSAGETABLE = "#11";
inline constexpr const char* RT_GROUP_CURSOR = "#12";
inline constexpr const char* RT_GROUP_ICON = "#14";
inline constexpr const char* RT_VERSION = "#16";

// Null when the module has no resource of that type and name (or the module is not the program's;
// a null module means the program's).
HRSRC FindResource(HMODULE hModule, const char* lpName, const char* lpType);
// The resource's bytes: LoadResource and LockResource answer them, SizeofResource their count.
HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
void* LockResource(HGLOBAL hResData);
DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);
// Compiled-in data is never freed: always FALSE.
BOOL FreeResource(HGLOBAL hResData);

// The bytes of one resource as a read-only stream; EResNotFound "Resource %s not found" when the
// module has none of that name and type. Writing raises EStreamError.
class TResourceStream : public TCustomMemoryStream {
  DECLARE_CLASS(TResourceStream, TCustomMemoryStream)
 public:
  Integer Write(const void* Buffer, Integer Count) override;
  // The resource numbered ResID.
  static TResourceStream* CreateFromID(HINSTANCE Instance, Integer ResID, const char* ResType);

 protected:
  // ResType must stay valid until the stream is made (New reads it at once).
  explicit TResourceStream(HINSTANCE Instance = nullptr, String ResName = String(), const char* ResType = RT_RCDATA)
      : FInstance(Instance), FResName(std::move(ResName)), FResType(ResType) {}
  void Construct() override;

 private:
  HINSTANCE FInstance;
  String FResName;
  const char* FResType;
};

}  // namespace Resources

using namespace Resources;

// Declares the table function that embed_resources generated for (target, TYPE).
#define DECLARE_RESOURCE_TABLE(target, type) \
  const ::Resources::TResourceTable& ResourceTable_##target##_##type();
