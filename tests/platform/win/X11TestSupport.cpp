#include "X11TestSupport.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace X11Test {

namespace {

pid_t GServer = 0;

void StopServer() {
  if (GServer > 0) {
    kill(GServer, SIGTERM);
    waitpid(GServer, nullptr, 0);
    GServer = 0;
  }
}

std::string StartServer(std::string& error) {
  int fds[2];
  if (pipe(fds) != 0) {
    error = "cannot make a pipe for Xvfb";
    return "";
  }
  pid_t pid = fork();
  if (pid == 0) {
    // The server picks a free display number itself and writes it to the pipe; it must not reset when
    // its last client leaves between two tests.
    close(fds[0]);
    int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    std::string fd = std::to_string(fds[1]);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
           "-noreset", nullptr);
    _exit(127);
  }
  close(fds[1]);
  if (pid < 0) {
    close(fds[0]);
    error = "cannot fork for Xvfb";
    return "";
  }
  GServer = pid;
  atexit(StopServer);
  std::string number;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd p{fds[0], POLLIN, 0};
    if (poll(&p, 1, 200) <= 0) continue;
    char c;
    if (read(fds[0], &c, 1) != 1) break;
    if (c == '\n') break;
    number.push_back(c);
  }
  close(fds[0]);
  if (number.empty()) {
    StopServer();
    error = "Xvfb did not start (the xvfb package provides it): the X11 backend cannot be tested";
    return "";
  }
  return ":" + number;
}

}  // namespace

std::string TestDisplay(std::string& error) {
  static std::string display, failure;
  static bool tried = false;
  if (!tried) {
    tried = true;
    display = StartServer(failure);
  }
  error = failure;
  return display;
}

void TX11Fixture::SetUp() {
  TWinFixture::SetUp();
  std::string error;
  DisplayName = TestDisplay(error);
  ASSERT_FALSE(DisplayName.empty()) << error;
  String why;
  auto backend = CreateX11Backend(DisplayName.c_str(), &why);
  ASSERT_TRUE(backend) << why;
  SetBackend(std::move(backend));
  Peer = XOpenDisplay(DisplayName.c_str());
  ASSERT_NE(Peer, nullptr) << "the test's second X client cannot connect to " << DisplayName;
}

void TX11Fixture::TearDown() {
  TWinFixture::TearDown();
  SetBackend(nullptr);
  if (Peer) XCloseDisplay(Peer);
  Peer = nullptr;
}

bool TX11Fixture::PumpUntil(const std::function<bool()>& done, int ms) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    ProcessMessages();
    X11Sync();
    XSync(Peer, False);
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

std::vector<long> TX11Fixture::LongsProp(Window w, const char* name) {
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::vector<long> out;
  if (XGetWindowProperty(Peer, w, Intern(name), 0, 1024, False, AnyPropertyType, &type, &format, &items, &after,
                         &data) == Success &&
      format == 32)
    out.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + items);
  if (data) XFree(data);
  return out;
}

std::string TX11Fixture::StringProp(Window w, const char* name) {
  Atom type = 0;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  std::string out;
  if (XGetWindowProperty(Peer, w, Intern(name), 0, 1024, False, AnyPropertyType, &type, &format, &items, &after,
                         &data) == Success &&
      format == 8)
    out.assign(reinterpret_cast<char*>(data), items);
  if (data) XFree(data);
  return out;
}

bool TX11Fixture::HasAtom(Window w, const char* property, const char* atom) {
  Atom wanted = Intern(atom);
  for (long a : LongsProp(w, property))
    if (static_cast<Atom>(a) == wanted) return true;
  return false;
}

}  // namespace X11Test
