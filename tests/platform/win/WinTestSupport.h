// What the window-manager tests share: a fixture on an empty desktop with a test clock, and a window
// class whose procedure records the messages it gets.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "DateTime.h"
#include "HeadlessBackend.h"
#include "WinUser.h"

namespace WinTest {

// One recorded message: the window's name (given at creation) and the message.
struct TRecord {
  std::string Window;
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
};

// The messages of a window are recorded; a test may answer some itself through OnMessage (return
// true when handled, with the result in `result`).
class TRecorder {
 public:
  std::vector<TRecord> Log;
  std::vector<UINT> Watched;  // empty: every message
  std::map<HWND, std::string> WindowNames;
  std::string Creating;
  std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT& result)> OnMessage;

  // The recorded messages (those watched) as "name:message" texts.
  std::vector<std::string> Names() const;
  void Clear() { Log.clear(); }
};

TRecorder& Recorder();
const char* MessageName(UINT msg);

// The recording class "WinTest" (CS_DBLCLKS, white background, arrow cursor) and windows of it; the
// window's text is its name in the log.
constexpr const char* RecordingClass = "WinTest";
HWND MakeWindow(const char* name, DWORD style, int x, int y, int cx, int cy, HWND parent = nullptr, DWORD exStyle = 0);

class TWinFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Steps the test clock.
  void Advance(UInt64 ms) { FClock.Advance(ms); }
  TManualClock FClock{45000.5, 1000000};

 private:
  TClockOverride* FOverride = nullptr;
};

}  // namespace WinTest
