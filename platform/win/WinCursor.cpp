// Cursors: records behind the handles, the system set and the program's named cursors.
#include "WinCursor.h"

#include <cstring>
#include <memory>

#include "WinBackend.h"
#include "WinInternals.h"

namespace WinCursor {

namespace {

struct TCursorRec {
  String Name;        // a resource name, or "#<id>"
  POINT HotSpot;
  SIZE Size{32, 32};
  std::vector<BYTE> And, Xor;
  bool Shared = false;
};

struct TCursors {
  std::vector<std::unique_ptr<TCursorRec>> List;
  HCURSOR Current = nullptr;
  int ShowCount = 0;
};

TCursors& Cursors() {
  static TCursors c;
  return c;
}

String KeyOf(const char* name) {
  if (reinterpret_cast<uintptr_t>(name) <= 0xFFFF) return "#" + std::to_string(reinterpret_cast<uintptr_t>(name));
  return name;
}

TCursorRec* Rec(HCURSOR h) {
  for (auto& c : Cursors().List)
    if (reinterpret_cast<HCURSOR>(c.get()) == h) return c.get();
  return nullptr;
}

TCursorRec* Make(const String& name, int hx, int hy, int width, int height, const void* andMask, const void* xorMask,
                 bool shared) {
  auto rec = std::make_unique<TCursorRec>();
  rec->Name = name;
  rec->HotSpot = POINT{hx, hy};
  rec->Size = SIZE{width, height};
  size_t bytes = static_cast<size_t>((width + 15) / 16 * 2) * static_cast<size_t>(height);
  rec->And.assign(bytes, 0xFF);
  rec->Xor.assign(bytes, 0x00);
  if (andMask) std::memcpy(rec->And.data(), andMask, bytes);
  if (xorMask) std::memcpy(rec->Xor.data(), xorMask, bytes);
  rec->Shared = shared;
  Cursors().List.push_back(std::move(rec));
  return Cursors().List.back().get();
}

// The hot spots of the system cursors; their pictures are the backend's (the display's cursor theme).
POINT SystemHotSpot(uintptr_t id) {
  switch (id) {
    case IDC_IBEAM_ID: case IDC_CROSS_ID: case IDC_SIZE_ID: case IDC_SIZEALL_ID: case IDC_SIZENWSE_ID:
    case IDC_SIZENESW_ID: case IDC_SIZEWE_ID: case IDC_SIZENS_ID: case IDC_NO_ID: case IDC_WAIT_ID:
      return POINT{16, 16};
    case IDC_HAND_ID: return POINT{6, 0};
    default: return POINT{0, 0};
  }
}

bool IsSystemId(uintptr_t id) { return (id >= IDC_ARROW_ID && id <= IDC_UPARROW_ID) || (id >= IDC_SIZE_ID && id <= IDC_HELP_ID && id != 32647); }

}  // namespace

HCURSOR LoadCursorA(HINSTANCE instance, const char* name) {
  if (!name) return nullptr;
  String key = KeyOf(name);
  if (!instance) key = "sys" + key;
  for (auto& c : Cursors().List)
    if (c->Shared && c->Name == key) return reinterpret_cast<HCURSOR>(c.get());
  if (!instance && reinterpret_cast<uintptr_t>(name) <= 0xFFFF && IsSystemId(reinterpret_cast<uintptr_t>(name))) {
    POINT hs = SystemHotSpot(reinterpret_cast<uintptr_t>(name));
    return reinterpret_cast<HCURSOR>(Make(key, hs.x, hs.y, 32, 32, nullptr, nullptr, true));
  }
  if (instance) {
    // Resource cursors are registered once for the program, whatever instance asks for them.
    for (auto& c : Cursors().List)
      if (c->Shared && c->Name == "res" + KeyOf(name)) return reinterpret_cast<HCURSOR>(c.get());
  }
  return nullptr;
}

void RegisterCursorResource(const char* name, int xHotSpot, int yHotSpot, const void* andMask, const void* xorMask) {
  if (!name) return;
  String key = "res" + KeyOf(name);
  for (auto& c : Cursors().List)
    if (c->Name == key) return;
  Make(key, xHotSpot, yHotSpot, 32, 32, andMask, xorMask, true);
}

HCURSOR CreateCursor(HINSTANCE, int xHotSpot, int yHotSpot, int width, int height, const void* andMask,
                     const void* xorMask) {
  if (width <= 0 || height <= 0 || width > 256 || height > 256) return nullptr;
  return reinterpret_cast<HCURSOR>(Make("", xHotSpot, yHotSpot, width, height, andMask, xorMask, false));
}

BOOL DestroyCursor(HCURSOR cursor) {
  TCursorRec* r = Rec(cursor);
  if (!r) return FALSE;
  if (r->Shared) return TRUE;  // shared cursors live as long as the program
  if (Cursors().Current == cursor) Cursors().Current = nullptr;
  std::erase_if(Cursors().List, [r](const std::unique_ptr<TCursorRec>& c) { return c.get() == r; });
  return TRUE;
}

bool GetCursorShape(HCURSOR cursor, POINT* hotSpot, SIZE* size, const BYTE** andMask, const BYTE** xorMask) {
  TCursorRec* r = Rec(cursor);
  if (!r) return false;
  if (hotSpot) *hotSpot = r->HotSpot;
  if (size) *size = r->Size;
  if (andMask) *andMask = r->And.data();
  if (xorMask) *xorMask = r->Xor.data();
  return true;
}

HCURSOR SetCursor(HCURSOR cursor) {
  HCURSOR old = Cursors().Current;
  if (cursor && !Rec(cursor)) return old;
  if (cursor != old) {
    Cursors().Current = cursor;
    Backend().CursorChanged(cursor);
  }
  return old;
}

HCURSOR GetCursor() { return Cursors().Current; }

BOOL GetCursorPos(POINT* point) {
  if (!point) return FALSE;
  *point = CursorPosition();
  return TRUE;
}

BOOL SetCursorPos(int x, int y) {
  QueueMouseMove(POINT{x, y});
  Backend().CursorMoved(POINT{x, y});
  return TRUE;
}

int ShowCursor(BOOL show) { return show ? ++Cursors().ShowCount : --Cursors().ShowCount; }

BOOL ClipCursor(const RECT*) { return TRUE; }

}  // namespace WinCursor
