#include "WinTestSupport.h"


namespace WinTest {

namespace {

LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  TRecorder& r = Recorder();
  // A window's first message may come before WM_NCCREATE names it: it is the one being made.
  if (!r.WindowNames.count(hwnd)) r.WindowNames[hwnd] = r.Creating;
  std::string name = r.WindowNames[hwnd];
  if (r.Watched.empty() || std::find(r.Watched.begin(), r.Watched.end(), msg) != r.Watched.end())
    r.Log.push_back(TRecord{name, msg, wParam, lParam});
  LRESULT result = 0;
  if (r.OnMessage && r.OnMessage(hwnd, msg, wParam, lParam, result)) return result;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

TRecorder& Recorder() {
  static TRecorder r;
  return r;
}

std::vector<std::string> TRecorder::Names() const {
  std::vector<std::string> out;
  for (const TRecord& e : Log) out.push_back(e.Window + ":" + MessageName(e.Msg));
  return out;
}

const char* MessageName(UINT msg) {
  static const std::map<UINT, const char*> names = {
      {WM_CREATE, "CREATE"}, {WM_DESTROY, "DESTROY"}, {WM_MOVE, "MOVE"}, {WM_SIZE, "SIZE"},
      {WM_ACTIVATE, "ACTIVATE"}, {WM_SETFOCUS, "SETFOCUS"}, {WM_KILLFOCUS, "KILLFOCUS"},
      {WM_ENABLE, "ENABLE"}, {WM_PAINT, "PAINT"}, {WM_CLOSE, "CLOSE"}, {WM_ERASEBKGND, "ERASEBKGND"},
      {WM_SHOWWINDOW, "SHOWWINDOW"}, {WM_ACTIVATEAPP, "ACTIVATEAPP"}, {WM_CANCELMODE, "CANCELMODE"},
      {WM_SETCURSOR, "SETCURSOR"}, {WM_MOUSEACTIVATE, "MOUSEACTIVATE"}, {WM_GETMINMAXINFO, "GETMINMAXINFO"},
      {WM_WINDOWPOSCHANGING, "POSCHANGING"}, {WM_WINDOWPOSCHANGED, "POSCHANGED"}, {WM_NCCREATE, "NCCREATE"},
      {WM_NCDESTROY, "NCDESTROY"}, {WM_NCCALCSIZE, "NCCALCSIZE"}, {WM_NCHITTEST, "NCHITTEST"},
      {WM_NCPAINT, "NCPAINT"}, {WM_NCACTIVATE, "NCACTIVATE"}, {WM_KEYDOWN, "KEYDOWN"}, {WM_KEYUP, "KEYUP"},
      {WM_CHAR, "CHAR"}, {WM_SYSKEYDOWN, "SYSKEYDOWN"}, {WM_SYSKEYUP, "SYSKEYUP"}, {WM_SYSCHAR, "SYSCHAR"},
      {WM_TIMER, "TIMER"}, {WM_HSCROLL, "HSCROLL"}, {WM_VSCROLL, "VSCROLL"}, {WM_MOUSEMOVE, "MOUSEMOVE"},
      {WM_LBUTTONDOWN, "LBUTTONDOWN"}, {WM_LBUTTONUP, "LBUTTONUP"}, {WM_LBUTTONDBLCLK, "LBUTTONDBLCLK"},
      {WM_RBUTTONDOWN, "RBUTTONDOWN"}, {WM_RBUTTONUP, "RBUTTONUP"}, {WM_MOUSEWHEEL, "MOUSEWHEEL"},
      {WM_PARENTNOTIFY, "PARENTNOTIFY"}, {WM_CAPTURECHANGED, "CAPTURECHANGED"}, {WM_NCMOUSEMOVE, "NCMOUSEMOVE"},
      {WM_NCLBUTTONDOWN, "NCLBUTTONDOWN"}, {WM_NCLBUTTONUP, "NCLBUTTONUP"}, {WM_NCLBUTTONDBLCLK, "NCLBUTTONDBLCLK"},
      {WM_CONTEXTMENU, "CONTEXTMENU"}, {WM_STYLECHANGING, "STYLECHANGING"}, {WM_STYLECHANGED, "STYLECHANGED"},
      {WM_MOUSELEAVE, "MOUSELEAVE"}, {WM_MOUSEHOVER, "MOUSEHOVER"}, {WM_SYSCOMMAND, "SYSCOMMAND"}, {WM_ENTERSIZEMOVE, "ENTERSIZEMOVE"},
      {WM_EXITSIZEMOVE, "EXITSIZEMOVE"}, {WM_MOVING, "MOVING"}, {WM_SIZING, "SIZING"}, {WM_USER, "USER"},
      {WM_USER + 1, "USER+1"}, {WM_USER + 2, "USER+2"}, {WM_NULL, "NULL"}, {WM_SETTEXT, "SETTEXT"},
      {WM_GETTEXT, "GETTEXT"}, {WM_QUIT, "QUIT"}};
  auto it = names.find(msg);
  return it == names.end() ? "?" : it->second;
}

HWND MakeWindow(const char* name, DWORD style, int x, int y, int cx, int cy, HWND parent, DWORD exStyle) {
  Recorder().Creating = name;
  return CreateWindowExA(exStyle, RecordingClass, name, style, x, y, cx, cy, parent,
                         (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<uintptr_t>(100)) : nullptr, nullptr,
                         nullptr);
}

void TWinFixture::SetUp() {
  ResetWindowManager();
  FOverride = new TClockOverride(FClock);
  Recorder() = TRecorder{};
  WNDCLASSEXA wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = RecordingProc;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<uintptr_t>(COLOR_WINDOW + 1));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = RecordingClass;
  ASSERT_NE(RegisterClassExA(&wc), 0);
}

void TWinFixture::TearDown() {
  Recorder().OnMessage = nullptr;
  ResetWindowManager();
  delete FOverride;
  FOverride = nullptr;
}

}  // namespace WinTest
