#include "SysInfo.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

#include "Resources.h"

namespace SysInfo {

// ---- Last error --------------------------------------------------------------------------------------
namespace {
thread_local DWORD lastError = ERROR_SUCCESS;
}
DWORD GetLastError() { return lastError; }
void SetLastError(DWORD code) { lastError = code; }

// ---- Operating-system identity ----------------------------------------------------------------------------
BOOL GetVersionEx(OSVERSIONINFO* info) {
  if (!info) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DWORD size = info->dwOSVersionInfoSize;
  if (size != sizeof(OSVERSIONINFO) && size != sizeof(OSVERSIONINFOEX)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
  }
  info->dwMajorVersion = Win32MajorVersion;
  info->dwMinorVersion = Win32MinorVersion;
  info->dwBuildNumber = Win32BuildNumber;
  info->dwPlatformId = Win32Platform;
  std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
  std::strncpy(info->szCSDVersion, Win32CSDVersion, sizeof info->szCSDVersion - 1);
  if (size == sizeof(OSVERSIONINFOEX)) {
    auto* ex = static_cast<OSVERSIONINFOEX*>(info);
    ex->wServicePackMajor = 2;
    ex->wServicePackMinor = 0;
    ex->wSuiteMask = 0;
    ex->wProductType = VER_NT_WORKSTATION;
    ex->wReserved = 0;
  }
  return TRUE;
}

DWORD GetVersion() {
  return static_cast<DWORD>(Win32MajorVersion) | (static_cast<DWORD>(Win32MinorVersion) << 8) |
         (static_cast<DWORD>(Win32BuildNumber) << 16);
}

bool CheckWin32Version(Integer major, Integer minor) {
  return Win32MajorVersion > major || (Win32MajorVersion == major && Win32MinorVersion >= minor);
}

// ---- Executable and modules -------------------------------------------------------------------------------
namespace {

String ExecutablePath() {
  std::vector<char> buf(256);
  for (;;) {
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
    if (n < 0) return String();
    if (static_cast<size_t>(n) < buf.size()) return String(buf.data(), static_cast<size_t>(n));
    buf.resize(buf.size() * 2);
  }
}

// The arguments as the process was started with them (argv[0] included).
std::vector<String> CommandLine() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  String all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<String> args;
  size_t start = 0;
  while (start < all.size()) {
    size_t end = all.find('\0', start);
    if (end == String::npos) end = all.size();
    args.push_back(all.substr(start, end - start));
    start = end + 1;
  }
  return args;
}

HMODULE const MainModule = HInstance;

String LowerAscii(String s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// "C:\WINDOWS\system32\MSIMG32" and "msimg32.dll" name the same library.
String LibraryKey(const String& fileName) {
  size_t slash = fileName.find_last_of("/\\");
  String base = LowerAscii(slash == String::npos ? fileName : fileName.substr(slash + 1));
  if (base.find('.') == String::npos) base += ".dll";
  return base;
}

struct TModule {
  String Key;
  Integer LoadCount = 0;
};

struct TLibraryTable {
  std::mutex Lock;
  std::map<String, std::map<String, FARPROC>> Functions;  // library key -> name -> entry
  std::set<TModule*> Loaded;
};
TLibraryTable& Libraries() {
  static TLibraryTable table;
  return table;
}

}  // namespace

String ParamStr(Integer index) {
  if (index == 0) return ExecutablePath();
  std::vector<String> args = CommandLine();
  if (index < 0 || static_cast<size_t>(index) >= args.size()) return String();
  return args[static_cast<size_t>(index)];
}

Integer ParamCount() {
  size_t n = CommandLine().size();
  return n == 0 ? 0 : static_cast<Integer>(n - 1);
}

HMODULE GetModuleHandle(const char* moduleName) {
  if (!moduleName) return MainModule;
  auto& t = Libraries();
  std::lock_guard guard(t.Lock);
  String key = LibraryKey(moduleName);
  for (TModule* m : t.Loaded)
    if (m->Key == key) return reinterpret_cast<HMODULE>(m);
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}

DWORD GetModuleFileName(HMODULE module, char* fileName, DWORD size) {
  String name;
  if (!module || module == MainModule) {
    name = ExecutablePath();
  } else {
    auto& t = Libraries();
    std::lock_guard guard(t.Lock);
    auto it = t.Loaded.find(reinterpret_cast<TModule*>(module));
    if (it == t.Loaded.end()) {
      SetLastError(ERROR_MOD_NOT_FOUND);
      return 0;
    }
    name = (*it)->Key;
  }
  if (!fileName || size == 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  if (name.size() >= size) {
    std::memcpy(fileName, name.data(), size - 1);
    fileName[size - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  std::memcpy(fileName, name.c_str(), name.size() + 1);
  return static_cast<DWORD>(name.size());
}

// ---- Optional system functions ------------------------------------------------------------------------------
void RegisterSystemFunction(const String& library, const String& name, FARPROC proc) {
  auto& t = Libraries();
  std::lock_guard guard(t.Lock);
  t.Functions[LibraryKey(library)][name] = proc;
}

void UnregisterSystemLibrary(const String& library) {
  auto& t = Libraries();
  std::lock_guard guard(t.Lock);
  t.Functions.erase(LibraryKey(library));
}

HMODULE LoadLibrary(const char* fileName) {
  if (!fileName || !*fileName) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto& t = Libraries();
  std::lock_guard guard(t.Lock);
  String key = LibraryKey(fileName);
  if (!t.Functions.count(key)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  for (TModule* m : t.Loaded)
    if (m->Key == key) {
      ++m->LoadCount;
      return reinterpret_cast<HMODULE>(m);
    }
  auto* m = new TModule{key, 1};
  t.Loaded.insert(m);
  return reinterpret_cast<HMODULE>(m);
}

FARPROC GetProcAddress(HMODULE module, const char* procName) {
  // A "name" below 64K is an ordinal; the table knows names only.
  if (reinterpret_cast<uintptr_t>(procName) < 0x10000) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return nullptr;
  }
  auto& t = Libraries();
  std::lock_guard guard(t.Lock);
  auto it = t.Loaded.find(reinterpret_cast<TModule*>(module));
  if (it == t.Loaded.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  auto lib = t.Functions.find((*it)->Key);
  if (lib != t.Functions.end()) {
    auto fn = lib->second.find(procName);
    if (fn != lib->second.end()) return fn->second;
  }
  SetLastError(ERROR_PROC_NOT_FOUND);
  return nullptr;
}

BOOL FreeLibrary(HMODULE module) {
  auto& t = Libraries();
  std::lock_guard guard(t.Lock);
  auto it = t.Loaded.find(reinterpret_cast<TModule*>(module));
  if (it == t.Loaded.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  TModule* m = *it;
  if (--m->LoadCount == 0) {
    t.Loaded.erase(it);
    delete m;
  }
  return TRUE;
}

// ---- Initialisation hook -----------------------------------------------------------------------------------
TInitProc InitProc = nullptr;

// ---- Opening documents and addresses ------------------------------------------------------------------------
namespace {

// The opener's full path from PATH, or "" when it is not installed.
String FindOnPath(const char* program) {
  const char* path = getenv("PATH");
  if (!path) return String();
  const String dirs(path);
  size_t start = 0;
  while (start <= dirs.size()) {
    size_t end = dirs.find(':', start);
    if (end == String::npos) end = dirs.size();
    // An empty entry means the current directory.
    String candidate = end == start ? String(".") : dirs.substr(start, end - start);
    candidate.append("/").append(program);
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return String();
}

bool SameTextAscii(const char* a, const char* b) { return LowerAscii(a) == LowerAscii(b); }

}  // namespace

HINSTANCE ShellExecute(HWND, const char* operation, const char* file, const char*, const char*, INT) {
  auto result = [](INT_PTR code) { return reinterpret_cast<HINSTANCE>(code); };
  if (operation && *operation && !SameTextAscii(operation, "open")) return result(SE_ERR_NOASSOC);
  if (!file || !*file) return result(ERROR_FILE_NOT_FOUND);
  String opener = FindOnPath("xdg-open");
  if (opener.empty()) return result(SE_ERR_NOASSOC);

  // Everything the child needs is prepared before fork: between fork and exec only
  // async-signal-safe calls are allowed in a program that has threads.
  String target = file;
  char* const argv[] = {opener.data(), target.data(), nullptr};
  pid_t child = fork();
  if (child < 0) return result(SE_ERR_NOASSOC);
  if (child == 0) {
    // The intermediate child starts the opener and leaves at once, so the opener belongs to no
    // one here and never lingers as a zombie of this process.
    setsid();
    pid_t grandchild = fork();
    if (grandchild == 0) {
      int devnull = open("/dev/null", O_RDWR);
      if (devnull >= 0) {
        dup2(devnull, 0);
        dup2(devnull, 1);
        dup2(devnull, 2);
      }
      close_range(3, ~0u, 0);
      execv(argv[0], argv);
      _exit(127);
    }
    _exit(grandchild < 0 ? 1 : 0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return result(SE_ERR_NOASSOC);
  return result(42);  // any value above 32 means success
}

}  // namespace SysInfo
