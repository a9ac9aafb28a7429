// What the program knows of the system it runs on: the fixed identity of the operating system it
// was designed for, the last-error code, the executable and its command line, modules and the
// optional system functions looked up at run time, the initialisation hook chain, and opening a
// document or address with the desktop's own program.
#pragma once

#include "System.h"
#include "WinDef.h"

namespace SysInfo {

// ---- Last error --------------------------------------------------------------------------------------
// The error code of the calling thread's last failed platform call.
DWORD GetLastError();
void SetLastError(DWORD code);

constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
constexpr DWORD ERROR_PROC_NOT_FOUND = 127;
constexpr DWORD ERROR_NOT_OWNER = 288;

// ---- Operating-system identity ----------------------------------------------------------------------------
// Every version check of the program gets one answer: the desktop the forms were laid out on,
// version 5.1 build 2600 with Service Pack 2, on the NT platform. Nothing is read from the host.
constexpr DWORD VER_PLATFORM_WIN32s = 0;
constexpr DWORD VER_PLATFORM_WIN32_WINDOWS = 1;
constexpr DWORD VER_PLATFORM_WIN32_NT = 2;

struct OSVERSIONINFO {
  DWORD dwOSVersionInfoSize;  // the caller sets sizeof(OSVERSIONINFO) or sizeof(OSVERSIONINFOEX)
  DWORD dwMajorVersion;
  DWORD dwMinorVersion;
  DWORD dwBuildNumber;
  DWORD dwPlatformId;
  char szCSDVersion[128];
};
struct OSVERSIONINFOEX : OSVERSIONINFO {
  WORD wServicePackMajor;
  WORD wServicePackMinor;
  WORD wSuiteMask;
  BYTE wProductType;
  BYTE wReserved;
};
constexpr BYTE VER_NT_WORKSTATION = 1;

// Fills the record; false (ERROR_INSUFFICIENT_BUFFER) when its size field names neither record.
BOOL GetVersionEx(OSVERSIONINFO* info);
// Major version in the low byte, minor in the next, build number in the high word.
DWORD GetVersion();

inline constexpr Integer Win32Platform = VER_PLATFORM_WIN32_NT;
inline constexpr Integer Win32MajorVersion = 5;
inline constexpr Integer Win32MinorVersion = 1;
inline constexpr Integer Win32BuildNumber = 2600;
inline constexpr const char* Win32CSDVersion = "Service Pack 2";
// Whether the system is at least major.minor.
bool CheckWin32Version(Integer major, Integer minor = 0);

// ---- Executable and modules -------------------------------------------------------------------------------
// ParamStr(0) is the executable's full path; 1..ParamCount the command-line arguments; "" outside.
String ParamStr(Integer index);
Integer ParamCount();

// Null names the program's own module, whose handle is HInstance (Resources.h); a name gives a
// loaded optional library (below), or null with ERROR_MOD_NOT_FOUND.
HMODULE GetModuleHandle(const char* moduleName);
// The executable's path for the program's module, the library's name for a loaded optional
// library. Copies at most size - 1 bytes and a terminating zero; a cut name answers `size` with
// ERROR_INSUFFICIENT_BUFFER; an unknown module answers 0 with ERROR_MOD_NOT_FOUND.
DWORD GetModuleFileName(HMODULE module, char* fileName, DWORD size);

// ---- Optional system functions ------------------------------------------------------------------------------
// Functions that the design looks up at run time in system libraries (gradient fills, layered
// windows, theme and composition entry points, ...) come from this table, which is empty unless a
// unit or a test installs entries, so every "not available" branch is the default. Library names
// compare case-insensitively, ".dll" is implied when the name has no extension, and a path is ignored.
using FARPROC = INT_PTR (*)();
void RegisterSystemFunction(const String& library, const String& name, FARPROC proc);
// Removes a library's entries; handles still loaded from it stay valid but find nothing.
void UnregisterSystemLibrary(const String& library);

// Null (ERROR_MOD_NOT_FOUND) unless the library has installed entries; each load is counted.
HMODULE LoadLibrary(const char* fileName);
// Null (ERROR_PROC_NOT_FOUND) for a name the library lacks (and for lookups by ordinal).
FARPROC GetProcAddress(HMODULE module, const char* procName);
BOOL FreeLibrary(HMODULE module);

// ---- Initialisation hook -----------------------------------------------------------------------------------
// The application's initialisation calls InitProc (when set) once. A unit that needs to run there
// keeps the previous value, installs its own routine, and calls the previous one from it first.
using TInitProc = void (*)();
extern TInitProc InitProc;

// ---- Opening documents and addresses ------------------------------------------------------------------------
// Opens `file` (an address or a document) with the desktop's opener program (xdg-open), started
// apart from this process; the window and show arguments are not used. Only the verb "open" (or
// none) is known. Answers a value above 32 on success; SE_ERR_NOASSOC when the verb is unknown or no
// opener is installed (nothing happens then), ERROR_FILE_NOT_FOUND for an empty name.
constexpr INT_PTR SE_ERR_NOASSOC = 31;
HINSTANCE ShellExecute(HWND window, const char* operation, const char* file, const char* parameters,
                       const char* directory, INT showCmd);

}  // namespace SysInfo

using namespace SysInfo;
