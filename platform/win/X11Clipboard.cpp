// The shared clipboard: text in the CLIPBOARD selection as UTF8_STRING (STRING for older programs),
// offered while the program owns it and fetched from the owner otherwise, large texts in pieces
// (INCR) both ways.
#include <poll.h>

#include <chrono>

#include "Multibyte.h"

#include "X11Internals.h"

namespace X11Internals {

namespace {

constexpr int ReplyTimeoutMs = 2000;
constexpr size_t IncrChunk = 64 * 1024;

String Latin1ToUtf8(const std::vector<unsigned char>& data) {
  String out;
  for (unsigned char c : data) Utf8Append(out, c);
  return out;
}

String Utf8ToLatin1(const String& text) {
  String out;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    int n = std::max(1, Utf8CharLen(p, end));
    char32_t code = Utf8IsInvalid(p, n) ? U'?' : Utf8Decode(p, n);
    out.push_back(code < 0x100 ? static_cast<char>(code) : '?');
    p += n;
  }
  return out;
}

struct TWanted {
  Window On;
  int Type;
  Atom What;
};

Bool Matches(Display*, XEvent* ev, XPointer arg) {
  auto* w = reinterpret_cast<TWanted*>(arg);
  if (ev->type != w->Type) return False;
  if (ev->type == SelectionNotify) return ev->xselection.requestor == w->On && ev->xselection.selection == w->What;
  if (ev->type == PropertyNotify)
    return ev->xproperty.window == w->On && ev->xproperty.atom == w->What && ev->xproperty.state == PropertyNewValue;
  return ev->xany.window == w->On;
}

}  // namespace

bool TX11::WaitForEvent(XEvent& out, Window window, int type, Atom atom, int timeoutMs) {
  TWanted wanted{window, type, atom};
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    // Other events stay queued for PollInput.
    if (XCheckIfEvent(FDpy, &out, Matches, reinterpret_cast<XPointer>(&wanted))) return true;
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd fd{ConnectionNumber(FDpy), POLLIN, 0};
    poll(&fd, 1, static_cast<int>(left.count()));
  }
}

bool TX11::ReadProperty(Window window, Atom property, Atom& type, std::vector<unsigned char>& data) {
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* bytes = nullptr;
  data.clear();
  if (XGetWindowProperty(FDpy, window, property, 0, 0x1FFFFFFF, True, AnyPropertyType, &type, &format, &items, &after,
                         &bytes) != Success)
    return false;
  if (bytes) {
    // 32-bit items come as longs in memory.
    size_t size = format == 32 ? items * sizeof(long) : items * (format / 8);
    data.assign(bytes, bytes + size);
    XFree(bytes);
  }
  return type != None;
}

bool TX11::ReadIncr(Window window, Atom property, std::vector<unsigned char>& data) {
  data.clear();
  for (;;) {
    XEvent ev;
    if (!WaitForEvent(ev, window, PropertyNotify, property, ReplyTimeoutMs)) return false;
    Atom type = None;
    std::vector<unsigned char> chunk;
    // An event from before the transfer (the INCR announcement itself) finds the property gone.
    if (!ReadProperty(window, property, type, chunk)) continue;
    if (chunk.empty()) return true;
    data.insert(data.end(), chunk.begin(), chunk.end());
  }
}

bool TX11::ConvertClipboard(Atom target, String& text) {
  XDeleteProperty(FDpy, FHidden, A.ClipProperty);
  XConvertSelection(FDpy, A.Clipboard, target, A.ClipProperty, FHidden, ServerTime());
  XEvent ev;
  if (!WaitForEvent(ev, FHidden, SelectionNotify, A.Clipboard, ReplyTimeoutMs)) return false;
  if (ev.xselection.property == None) return false;
  Atom type = None;
  std::vector<unsigned char> data;
  if (!ReadProperty(FHidden, A.ClipProperty, type, data)) return false;
  if (type == A.Incr && !ReadIncr(FHidden, A.ClipProperty, data)) return false;
  text = target == XA_STRING ? Latin1ToUtf8(data) : String(data.begin(), data.end());
  return true;
}

bool TX11::GetClipboardText(String& text) {
  if (FOwnClipboard) {
    text = FClipText;
    return true;
  }
  if (XGetSelectionOwner(FDpy, A.Clipboard) == None) return false;
  return ConvertClipboard(A.Utf8String, text) || ConvertClipboard(XA_STRING, text);
}

bool TX11::SetClipboardText(const String& text) {
  FClipTime = ServerTime();
  XSetSelectionOwner(FDpy, A.Clipboard, FHidden, FClipTime);
  FOwnClipboard = XGetSelectionOwner(FDpy, A.Clipboard) == FHidden;
  FClipText = FOwnClipboard ? text : String();
  return FOwnClipboard;
}

void TX11::HandleSelectionRequest(const XSelectionRequestEvent& req) {
  XEvent reply{};
  reply.xselection.type = SelectionNotify;
  reply.xselection.requestor = req.requestor;
  reply.xselection.selection = req.selection;
  reply.xselection.target = req.target;
  reply.xselection.time = req.time;
  reply.xselection.property = None;
  // Obsolete requestors name no property: the target's name is used.
  Atom property = req.property != None ? req.property : req.target;
  bool ours = req.selection == A.Clipboard && FOwnClipboard && (req.time == CurrentTime || req.time >= FClipTime);
  if (ours) {
    if (req.target == A.Targets) {
      Atom targets[] = {A.Targets, A.Utf8String, XA_STRING, A.Text, A.Timestamp};
      XChangeProperty(FDpy, req.requestor, property, XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(targets), 5);
      reply.xselection.property = property;
    } else if (req.target == A.Timestamp) {
      long time = static_cast<long>(FClipTime);
      XChangeProperty(FDpy, req.requestor, property, XA_INTEGER, 32, PropModeReplace,
                      reinterpret_cast<unsigned char*>(&time), 1);
      reply.xselection.property = property;
    } else if (req.target == A.Utf8String || req.target == A.Text || req.target == XA_STRING) {
      Atom type = req.target == XA_STRING ? XA_STRING : A.Utf8String;
      String data = type == XA_STRING ? Utf8ToLatin1(FClipText) : FClipText;
      if (data.size() > 4 * IncrChunk) {
        // Too large for one request: announced as INCR, then sent a piece per deletion.
        XSelectInput(FDpy, req.requestor, PropertyChangeMask);
        long size = static_cast<long>(data.size());
        XChangeProperty(FDpy, req.requestor, property, A.Incr, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&size), 1);
        FIncrSends.push_back(TIncrSend{req.requestor, property, type, std::move(data), 0});
      } else {
        XChangeProperty(FDpy, req.requestor, property, type, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(data.data()), static_cast<int>(data.size()));
      }
      reply.xselection.property = property;
    }
  }
  XSendEvent(FDpy, req.requestor, False, NoEventMask, &reply);
  XFlush(FDpy);
}

void TX11::ContinueIncrSend(const XPropertyEvent& ev) {
  for (auto it = FIncrSends.begin(); it != FIncrSends.end(); ++it) {
    if (it->Requestor != ev.window || it->Property != ev.atom) continue;
    size_t n = std::min(IncrChunk, it->Data.size() - it->Offset);
    XChangeProperty(FDpy, it->Requestor, it->Property, it->Type, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(it->Data.data() + it->Offset), static_cast<int>(n));
    it->Offset += n;
    if (n == 0) {  // the empty piece that ends the transfer is written
      XSelectInput(FDpy, it->Requestor, NoEventMask);
      FIncrSends.erase(it);
    }
    XFlush(FDpy);
    return;
  }
}

}  // namespace X11Internals
