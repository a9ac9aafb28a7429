#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "SysInfo.h"

namespace {

TEST(SysInfo, EveryVersionCheckSeesTheSameSystem) {
  OSVERSIONINFO info{};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionEx(&info));
  EXPECT_EQ(info.dwMajorVersion, 5u);
  EXPECT_EQ(info.dwMinorVersion, 1u);
  EXPECT_EQ(info.dwBuildNumber, 2600u);
  EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
  EXPECT_STREQ(info.szCSDVersion, "Service Pack 2");

  OSVERSIONINFOEX ex{};
  ex.dwOSVersionInfoSize = sizeof ex;
  ASSERT_TRUE(GetVersionEx(&ex));
  EXPECT_EQ(ex.wServicePackMajor, 2);
  EXPECT_EQ(ex.wProductType, VER_NT_WORKSTATION);

  OSVERSIONINFO bad{};
  bad.dwOSVersionInfoSize = 12;
  EXPECT_FALSE(GetVersionEx(&bad));
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_FALSE(GetVersionEx(nullptr));

  EXPECT_EQ(GetVersion(), 0x0A280105u);
  EXPECT_EQ(Win32Platform, 2);
  EXPECT_EQ(Win32MajorVersion, 5);
  EXPECT_EQ(Win32MinorVersion, 1);
  struct {
    int major, minor;
    bool atLeast;
  } checks[] = {{4, 0, true}, {5, 0, true}, {5, 1, true}, {5, 2, false}, {6, 0, false}};
  for (auto c : checks) EXPECT_EQ(CheckWin32Version(c.major, c.minor), c.atLeast) << c.major << "." << c.minor;
}

TEST(SysInfo, LastErrorBelongsToEachThread) {
  SetLastError(ERROR_FILE_NOT_FOUND);
  DWORD seenElsewhere = 1;
  std::thread([&] {
    seenElsewhere = GetLastError();
    SetLastError(ERROR_INVALID_HANDLE);
  }).join();
  EXPECT_EQ(seenElsewhere, ERROR_SUCCESS);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
}

TEST(SysInfo, ExecutableAndCommandLine) {
  String exe = ParamStr(0);
  EXPECT_EQ(exe, std::filesystem::canonical("/proc/self/exe").string());
  EXPECT_EQ(std::filesystem::path(exe).filename(), "test_platform_rtl");
  EXPECT_GE(ParamCount(), 0);
  EXPECT_EQ(ParamStr(ParamCount() + 1), "");
  EXPECT_EQ(ParamStr(-1), "");

  EXPECT_NE(GetModuleHandle(nullptr), nullptr);
  char buf[4096];
  DWORD n = GetModuleFileName(nullptr, buf, sizeof buf);
  EXPECT_EQ(String(buf, n), exe);
  EXPECT_EQ(GetModuleFileName(GetModuleHandle(nullptr), buf, sizeof buf), exe.size());

  // A buffer too small gets the start of the name, zero-terminated.
  char small[5];
  EXPECT_EQ(GetModuleFileName(nullptr, small, sizeof small), 5u);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(String(small), exe.substr(0, 4));
}

INT_PTR FakeGradientFill() { return 42; }
INT_PTR FakeAlphaBlend() { return 43; }

TEST(SysInfo, OptionalSystemFunctionsComeFromTheInstalledTable) {
  // Nothing is there by default: the callers' "not available" path.
  EXPECT_EQ(LoadLibrary("msimg32.dll"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
  EXPECT_EQ(LoadLibrary(nullptr), nullptr);

  RegisterSystemFunction("msimg32.dll", "GradientFill", &FakeGradientFill);
  RegisterSystemFunction("MSIMG32", "AlphaBlend", &FakeAlphaBlend);
  HMODULE lib = LoadLibrary("C:\\WINDOWS\\system32\\MsImg32.DLL");
  ASSERT_NE(lib, nullptr);
  EXPECT_EQ(LoadLibrary("msimg32"), lib);  // the same library, loaded twice
  EXPECT_EQ(GetModuleHandle("msimg32.dll"), lib);
  FARPROC fill = GetProcAddress(lib, "GradientFill");
  ASSERT_NE(fill, nullptr);
  EXPECT_EQ(fill(), 42);
  EXPECT_EQ(GetProcAddress(lib, "AlphaBlend")(), 43);
  EXPECT_EQ(GetProcAddress(lib, "TransparentBlt"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
  EXPECT_EQ(GetProcAddress(lib, reinterpret_cast<const char*>(uintptr_t{12})), nullptr);  // by ordinal
  char name[64];
  EXPECT_EQ(String(name, GetModuleFileName(lib, name, sizeof name)), "msimg32.dll");

  EXPECT_TRUE(FreeLibrary(lib));
  EXPECT_EQ(GetProcAddress(lib, "GradientFill"), fill);  // one load remains
  EXPECT_TRUE(FreeLibrary(lib));
  EXPECT_FALSE(FreeLibrary(lib));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(GetProcAddress(lib, "GradientFill"), nullptr);
  EXPECT_EQ(GetModuleFileName(lib, name, sizeof name), 0u);

  UnregisterSystemLibrary("msimg32.dll");
  EXPECT_EQ(LoadLibrary("msimg32.dll"), nullptr);
}

// ---- The initialisation hook chain --------------------------------------------------------------------
std::vector<std::string> initJournal;
TInitProc savedByFirst = nullptr;
TInitProc savedBySecond = nullptr;
void FirstUnitInit() {
  if (savedByFirst) savedByFirst();
  initJournal.push_back("first");
}
void SecondUnitInit() {
  if (savedBySecond) savedBySecond();
  initJournal.push_back("second");
}

TEST(SysInfo, UnitsChainIntoTheInitialisationHook) {
  TInitProc original = InitProc;
  savedByFirst = InitProc;
  InitProc = &FirstUnitInit;
  savedBySecond = InitProc;
  InitProc = &SecondUnitInit;
  InitProc();
  EXPECT_EQ(initJournal, (std::vector<std::string>{"first", "second"}));
  InitProc = original;
}

// ---- Opening addresses ---------------------------------------------------------------------------------
class ShellExecuteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = std::filesystem::temp_directory_path() / ("opener-" + std::to_string(getpid()));
    std::filesystem::create_directories(FDir);
    FSavedPath = getenv("PATH") ? getenv("PATH") : "";
  }
  void TearDown() override {
    setenv("PATH", FSavedPath.c_str(), 1);
    std::filesystem::remove_all(FDir);
  }
  // An opener that records its arguments, one a line.
  void InstallFakeOpener() {
    auto script = FDir / "xdg-open";
    std::ofstream(script) << "#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > \"" << Record().string()
                          << ".tmp\"\nmv \"" << Record().string() << ".tmp\" \"" << Record().string() << "\"\n";
    chmod(script.c_str(), 0755);
    setenv("PATH", (FDir.string() + ":/usr/bin:/bin").c_str(), 1);
  }
  std::filesystem::path Record() const { return FDir / "opened.txt"; }
  std::filesystem::path FDir;
  std::string FSavedPath;
};

TEST_F(ShellExecuteTest, OpensTheAddressWithTheDesktopOpener) {
  InstallFakeOpener();
  const char* url = "http://example.invalid/a b?x=1&y='2';$(touch pwned)";
  HINSTANCE result = ShellExecute(nullptr, "OPEN", url, nullptr, nullptr, 3);
  EXPECT_GT(reinterpret_cast<INT_PTR>(result), 32);
  for (int i = 0; i < 500 && !std::filesystem::exists(Record()); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::ifstream in(Record());
  std::string line;
  std::vector<std::string> args;
  while (std::getline(in, line)) args.push_back(line);
  EXPECT_EQ(args, std::vector<std::string>{url});  // one argument, passed as it is
  EXPECT_FALSE(std::filesystem::exists("pwned"));
}

TEST_F(ShellExecuteTest, RefusesWithoutOpenerVerbOrName) {
  InstallFakeOpener();
  EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecute(nullptr, "print", "a.txt", nullptr, nullptr, 1)),
            SE_ERR_NOASSOC);
  EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecute(nullptr, "open", "", nullptr, nullptr, 1)),
            static_cast<INT_PTR>(ERROR_FILE_NOT_FOUND));
  setenv("PATH", (FDir / "empty").c_str(), 1);
  EXPECT_EQ(reinterpret_cast<INT_PTR>(ShellExecute(nullptr, nullptr, "http://example.invalid", nullptr, nullptr, 1)),
            SE_ERR_NOASSOC);
  EXPECT_FALSE(std::filesystem::exists(Record()));
}

}  // namespace
