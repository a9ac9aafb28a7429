// X input as the layer's input: the pointer, the wheel, keys mapped to virtual keys, text through the
// X input method (composed and Chinese text arrives as character bytes), and pointer grabs for the
// layer's capture.
#include <clocale>
#include <cstring>
#include <string>

#include "WinFocus.h"
#include "WinInput.h"
#include "Multibyte.h"
#include "WinInternals.h"

#include "X11Internals.h"

#include <X11/keysym.h>

namespace X11Internals {

namespace {

// Input methods only serve UTF-8 locales; a program still in the "C" locale gets its input method
// opened under C.UTF-8 without changing the locale the rest of the program sees.
class TUtf8Ctype {
 public:
  TUtf8Ctype() {
    const char* now = setlocale(LC_CTYPE, nullptr);
    FSaved = now ? now : "C";
    bool utf8 = FSaved.find("UTF-8") != std::string::npos || FSaved.find("utf8") != std::string::npos;
    FSwitched = !utf8 && setlocale(LC_CTYPE, "C.UTF-8");
  }
  ~TUtf8Ctype() {
    if (FSwitched) setlocale(LC_CTYPE, FSaved.c_str());
  }

 private:
  std::string FSaved;
  bool FSwitched = false;
};

// The text of a key symbol when no input method is there to say it.
String KeySymText(KeySym sym) {
  char32_t code = 0;
  if ((sym >= 0x20 && sym <= 0x7E) || (sym >= 0xA0 && sym <= 0xFF)) code = static_cast<char32_t>(sym);
  else if ((sym & 0xFF000000) == 0x01000000) code = static_cast<char32_t>(sym & 0xFFFFFF);
  String out;
  if (code) Utf8Append(out, code);
  return out;
}

}  // namespace

int VkFromKeySym(KeySym sym) {
  if (sym >= XK_a && sym <= XK_z) return static_cast<int>('A' + (sym - XK_a));
  if ((sym >= XK_A && sym <= XK_Z) || (sym >= XK_0 && sym <= XK_9)) return static_cast<int>(sym);
  if (sym == XK_space) return VK_SPACE;
  if (sym > XK_space && sym <= XK_asciitilde) {
    SHORT scan = VkKeyScanA(static_cast<char>(sym));
    return scan == -1 ? 0 : (scan & 0xFF);
  }
  if (sym >= XK_F1 && sym <= XK_F24) return VK_F1 + static_cast<int>(sym - XK_F1);
  if (sym >= XK_KP_0 && sym <= XK_KP_9) return VK_NUMPAD0 + static_cast<int>(sym - XK_KP_0);
  struct TPair {
    KeySym Sym;
    int Vk;
  };
  static const TPair table[] = {
      {XK_BackSpace, VK_BACK},     {XK_Tab, VK_TAB},           {XK_ISO_Left_Tab, VK_TAB},
      {XK_Return, VK_RETURN},      {XK_KP_Enter, VK_RETURN},   {XK_Escape, VK_ESCAPE},
      {XK_Delete, VK_DELETE},      {XK_KP_Delete, VK_DELETE},  {XK_Insert, VK_INSERT},
      {XK_KP_Insert, VK_INSERT},   {XK_Home, VK_HOME},         {XK_KP_Home, VK_HOME},
      {XK_End, VK_END},            {XK_KP_End, VK_END},        {XK_Prior, VK_PRIOR},
      {XK_KP_Prior, VK_PRIOR},     {XK_Next, VK_NEXT},         {XK_KP_Next, VK_NEXT},
      {XK_Left, VK_LEFT},          {XK_KP_Left, VK_LEFT},      {XK_Up, VK_UP},
      {XK_KP_Up, VK_UP},           {XK_Right, VK_RIGHT},       {XK_KP_Right, VK_RIGHT},
      {XK_Down, VK_DOWN},          {XK_KP_Down, VK_DOWN},      {XK_KP_Begin, VK_CLEAR},
      {XK_Clear, VK_CLEAR},        {XK_Pause, VK_PAUSE},       {XK_Print, VK_SNAPSHOT},
      {XK_Scroll_Lock, VK_SCROLL}, {XK_Num_Lock, VK_NUMLOCK},  {XK_Caps_Lock, VK_CAPITAL},
      {XK_Shift_L, VK_SHIFT},      {XK_Shift_R, VK_SHIFT},     {XK_Control_L, VK_CONTROL},
      {XK_Control_R, VK_CONTROL},  {XK_Alt_L, VK_MENU},        {XK_Alt_R, VK_MENU},
      {XK_Meta_L, VK_MENU},        {XK_Meta_R, VK_MENU},       {XK_Super_L, VK_LWIN},
      {XK_Super_R, VK_RWIN},       {XK_Menu, VK_APPS},         {XK_Help, VK_HELP},
      {XK_KP_Multiply, VK_MULTIPLY}, {XK_KP_Add, VK_ADD},      {XK_KP_Separator, VK_SEPARATOR},
      {XK_KP_Subtract, VK_SUBTRACT}, {XK_KP_Decimal, VK_DECIMAL}, {XK_KP_Divide, VK_DIVIDE},
  };
  for (const TPair& p : table)
    if (p.Sym == sym) return p.Vk;
  return 0;
}

void TX11::OpenInputMethod() {
  TUtf8Ctype utf8;
  if (!XSupportsLocale()) return;
  XSetLocaleModifiers("");
  FIm = XOpenIM(FDpy, nullptr, nullptr, nullptr);
  if (!FIm) {
    // The configured input method is not running: the built-in one still composes.
    XSetLocaleModifiers("@im=none");
    FIm = XOpenIM(FDpy, nullptr, nullptr, nullptr);
  }
  if (!FIm) return;
  XIMStyles* styles = nullptr;
  if (XGetIMValues(FIm, XNQueryInputStyle, &styles, nullptr) == nullptr && styles) {
    for (int i = 0; i < styles->count_styles && !FImStyle; ++i)
      if (styles->supported_styles[i] == (XIMPreeditNothing | XIMStatusNothing)) FImStyle = styles->supported_styles[i];
    for (int i = 0; i < styles->count_styles && !FImStyle; ++i)
      if (styles->supported_styles[i] == (XIMPreeditNone | XIMStatusNone)) FImStyle = styles->supported_styles[i];
  }
  if (styles) XFree(styles);
  if (!FImStyle) {
    XCloseIM(FIm);
    FIm = nullptr;
  }
}

void TX11::CreateIc(TXWindow& xw) {
  if (!FIm) return;
  TUtf8Ctype utf8;
  xw.Ic = XCreateIC(FIm, XNInputStyle, FImStyle, XNClientWindow, xw.Xid, XNFocusWindow, xw.Xid, nullptr);
  if (!xw.Ic) return;
  long filtered = 0;
  XGetICValues(xw.Ic, XNFilterEvents, &filtered, nullptr);
  XSelectInput(FDpy, xw.Xid, WindowEventMask | filtered);
}

void TX11::HandleKey(TXWindow* xw, XKeyEvent& ev) {
  if (ev.type == KeyRelease) {
    auto it = FHeldKeys.find(ev.keycode);
    if (it != FHeldKeys.end()) {
      QueueKey(it->second, false);
      FHeldKeys.erase(it);
    }
    return;
  }
  KeySym sym = NoSymbol;
  String text;
  if (xw && xw->Ic) {
    char buffer[64];
    Status status = 0;
    int n = Xutf8LookupString(xw->Ic, &ev, buffer, sizeof buffer, &sym, &status);
    if (status == XBufferOverflow) {
      text.resize(static_cast<size_t>(n));
      n = Xutf8LookupString(xw->Ic, &ev, text.data(), n, &sym, &status);
      text.resize(status == XLookupChars || status == XLookupBoth ? static_cast<size_t>(std::max(n, 0)) : 0);
    } else if (status == XLookupChars || status == XLookupBoth) {
      text.assign(buffer, static_cast<size_t>(std::max(n, 0)));
    }
    if (status != XLookupKeySym && status != XLookupBoth) sym = NoSymbol;
  } else {
    char buffer[8];
    int n = XLookupString(&ev, buffer, sizeof buffer, &sym, nullptr);
    text = n == 1 && (static_cast<unsigned char>(buffer[0]) < 0x20 || buffer[0] == 0x7F) ? String(buffer, 1)
                                                                                         : KeySymText(sym);
  }
  int vk = VkFromKeySym(sym);
  if (!vk && ev.keycode) vk = VkFromKeySym(XLookupKeysym(&ev, 0));

  // The layer turns keys into characters itself with its own keyboard layout. Where that gives the
  // same character (or the text is a control code, or there is none), the key goes as a key; any other
  // text (another layout, a composed or input-method character) goes as character bytes alone.
  auto byte0 = text.empty() ? 0 : static_cast<unsigned char>(text[0]);
  bool asKey = text.empty() || (text.size() == 1 && (byte0 < 0x20 || byte0 == 0x7F));
  if (!asKey && text.size() == 1 && byte0 < 0x7F) {
    SHORT scan = VkKeyScanA(static_cast<char>(byte0));
    bool shift = GetAsyncKeyState(VK_SHIFT) < 0;
    asKey = scan != -1 && (scan & 0xFF) == vk && ((scan & 0x100) != 0) == shift;
  }
  if (asKey) {
    if (!vk) return;
    QueueKey(vk, true);
    FHeldKeys[ev.keycode] = vk;
  } else {
    for (unsigned char c : text) QueueChar(c);
  }
}

void TX11::ReleaseHeldKeys() {
  for (auto& [keycode, vk] : FHeldKeys) QueueKey(vk, false);
  FHeldKeys.clear();
}

void TX11::HandleMotion(int rootX, int rootY) {
  if (rootX == FLastPointer.x && rootY == FLastPointer.y) return;
  FLastPointer = POINT{rootX, rootY};
  QueueMouseMove(FLastPointer);
}

void TX11::HandleButton(const XButtonEvent& ev) {
  HandleMotion(ev.x_root, ev.y_root);
  bool down = ev.type == ButtonPress;
  switch (ev.button) {
    case Button1: QueueMouseButton(0, down); break;
    case Button2: QueueMouseButton(2, down); break;
    case Button3: QueueMouseButton(1, down); break;
    // The wheel comes as presses (and their releases) of buttons 4 and 5.
    case Button4: if (down) QueueMouseWheel(WHEEL_DELTA); break;
    case Button5: if (down) QueueMouseWheel(-WHEEL_DELTA); break;
    default: break;
  }
}

void TX11::SyncCapture() {
  HWND capture = GetCapture();
  if (capture == FGrabbedFor) return;
  if (FGrabbedFor) {
    XUngrabPointer(FDpy, CurrentTime);
    FGrabbedFor = nullptr;
  }
  TWindow* w = FindWindowRec(capture);
  TXWindow* xw = w ? Find(TopLevelOf(w)->Handle) : nullptr;
  if (!xw || !xw->Viewable) return;
  // Clicks outside the program's windows reach the capturing window too (a popup closes on them).
  XGrabPointer(FDpy, xw->Xid, True, ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask,
               GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
  FGrabbedFor = capture;  // tried once per capture, granted or not
}

}  // namespace X11Internals
