// What the X11 backend's tests share: a private X server (Xvfb, started once by the first test that
// needs it and stopped at exit), a fixture running the layer on it, and a second X client (the
// "peer") that looks at the windows and plays the other programs.
#pragma once

// Xlib after the test framework (whose None it would rename) and before the layer's headers (which bring
// a Time of their own into scope, where Xlib's declarations must see only theirs).
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include "WinTestSupport.h"
#include "X11Backend.h"

#include <functional>
#include <string>
#include <vector>

namespace X11Test {

// The private server's display name; empty with `error` set when it cannot be started.
std::string TestDisplay(std::string& error);

class TX11Fixture : public WinTest::TWinFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the layer (its messages and the backend's events) until `done` holds or `ms` pass.
  bool PumpUntil(const std::function<bool()>& done, int ms = 3000);
  void Pump(int ms = 100) { PumpUntil([] { return false; }, ms); }

  Window XOf(HWND hwnd) { return static_cast<Window>(X11WindowOf(hwnd)); }
  Atom Intern(const char* name) { return XInternAtom(Peer, name, False); }
  // Properties of a window as the peer reads them (empty when absent).
  std::vector<long> LongsProp(Window w, const char* name);
  std::string StringProp(Window w, const char* name);
  bool HasAtom(Window w, const char* property, const char* atom);

  std::string DisplayName;
  Display* Peer = nullptr;
};

}  // namespace X11Test
