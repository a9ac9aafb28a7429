// The clipboard and memory blocks.
#include "WinClipboard.h"

#include <cstring>
#include <map>
#include <memory>
#include <unordered_set>
#include <vector>

#include "WinBackend.h"
#include "WinInternals.h"
#include "WinQueue.h"

namespace WinClipboard {

namespace {

struct TBlock {
  std::vector<char> Data;
  int Locks = 0;
};

std::unordered_set<TBlock*>& Blocks() {
  static std::unordered_set<TBlock*> s;
  return s;
}

TBlock* BlockOf(HGLOBAL h) {
  auto* b = static_cast<TBlock*>(h);
  return Blocks().count(b) ? b : nullptr;
}

struct TClipboard {
  bool Open = false;
  HWND Opener = nullptr;
  HWND Owner = nullptr;
  std::map<UINT, HGLOBAL> Data;
  bool Changed = false;  // emptied or given data since it was opened
  std::vector<std::string> Names;
  // The data the program left on the clipboard goes with the program.
  ~TClipboard() {
    for (auto& entry : Data) delete static_cast<TBlock*>(entry.second);
  }
};

TClipboard& Clip() {
  static TClipboard c;
  return c;
}

void Clear() {
  for (auto& [format, h] : Clip().Data) GlobalFree(h);
  Clip().Data.clear();
}

HGLOBAL TextBlock(const String& text) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(h), text.c_str(), text.size() + 1);
  GlobalUnlock(h);
  return h;
}

// The clipboard's owner hears that what it put there is gone.
void ReleaseOwner() {
  HWND owner = Clip().Owner;
  Clip().Owner = nullptr;
  if (owner && owner != reinterpret_cast<HWND>(-1)) SendMessageA(owner, WM_DESTROYCLIPBOARD, 0, 0);
}

// Text another program put on the shared clipboard replaces ours when we do not own it. Once
// another program has taken the clipboard over, what the layer held is gone for every reader, as
// it is when a second program empties the clipboard: the owner hears WM_DESTROYCLIPBOARD.
void PullSharedText() {
  TClipboard& c = Clip();
  if (c.Owner) {
    if (Backend().OwnsSharedClipboard()) return;
    Clear();
    ReleaseOwner();
  }
  String text;
  if (!Backend().GetClipboardText(text)) return;
  auto it = c.Data.find(CF_TEXT);
  if (it != c.Data.end()) GlobalFree(it->second);
  c.Data[CF_TEXT] = TextBlock(text);
}

}  // namespace

HGLOBAL GlobalAlloc(UINT flags, size_t bytes) {
  auto* b = new TBlock;
  b->Data.assign(bytes, 0);
  Blocks().insert(b);
  return b;
}

void* GlobalLock(HGLOBAL h) {
  TBlock* b = BlockOf(h);
  if (!b) return nullptr;
  ++b->Locks;
  return b->Data.empty() ? static_cast<void*>(b) : b->Data.data();
}

BOOL GlobalUnlock(HGLOBAL h) {
  TBlock* b = BlockOf(h);
  if (!b || b->Locks == 0) return FALSE;
  return --b->Locks > 0;
}

size_t GlobalSize(HGLOBAL h) {
  TBlock* b = BlockOf(h);
  return b ? b->Data.size() : 0;
}

HGLOBAL GlobalFree(HGLOBAL h) {
  TBlock* b = BlockOf(h);
  if (!b) return h;
  Blocks().erase(b);
  delete b;
  return nullptr;
}

BOOL OpenClipboard(HWND owner) {
  TClipboard& c = Clip();
  if (c.Open && c.Opener != owner) return FALSE;
  c.Open = true;
  c.Opener = owner;
  return TRUE;
}

BOOL CloseClipboard() {
  TClipboard& c = Clip();
  if (!c.Open) return FALSE;
  c.Open = false;
  if (c.Changed) {
    // The shared clipboard follows the layer's: its text, or none when the layer holds no text,
    // so other programs never paste what was there before the layer emptied it.
    c.Changed = false;
    String text;
    auto it = c.Data.find(CF_TEXT);
    if (it != c.Data.end()) {
      const char* p = static_cast<const char*>(GlobalLock(it->second));
      if (p) text.assign(p, strnlen(p, GlobalSize(it->second)));
      GlobalUnlock(it->second);
    }
    Backend().SetClipboardText(text);
  }
  return TRUE;
}

BOOL EmptyClipboard() {
  TClipboard& c = Clip();
  if (!c.Open) return FALSE;
  Clear();
  HWND opener = c.Opener ? c.Opener : reinterpret_cast<HWND>(-1);
  ReleaseOwner();
  c.Owner = opener;
  c.Changed = true;
  return TRUE;
}

HANDLE SetClipboardData(UINT format, HANDLE data) {
  TClipboard& c = Clip();
  if (!c.Open || !BlockOf(data)) return nullptr;
  auto it = c.Data.find(format);
  if (it != c.Data.end() && it->second != data) GlobalFree(it->second);
  c.Data[format] = data;
  if (!c.Owner) c.Owner = c.Opener ? c.Opener : reinterpret_cast<HWND>(-1);
  c.Changed = true;
  return data;
}

HANDLE GetClipboardData(UINT format) {
  TClipboard& c = Clip();
  if (!c.Open) return nullptr;
  if (format == CF_TEXT) PullSharedText();
  auto it = c.Data.find(format);
  return it == c.Data.end() ? nullptr : it->second;
}

BOOL IsClipboardFormatAvailable(UINT format) {
  if (format == CF_TEXT) PullSharedText();
  return Clip().Data.count(format) ? TRUE : FALSE;
}

int CountClipboardFormats() {
  PullSharedText();
  return static_cast<int>(Clip().Data.size());
}

UINT EnumClipboardFormats(UINT format) {
  auto& d = Clip().Data;
  auto it = format == 0 ? d.begin() : d.upper_bound(format);
  return it == d.end() ? 0 : it->first;
}

UINT RegisterClipboardFormatA(const char* name) {
  if (!name || !*name) return 0;
  auto& names = Clip().Names;
  for (size_t i = 0; i < names.size(); ++i)
    if (names[i] == name) return static_cast<UINT>(0xC000 + i);
  names.emplace_back(name);
  return static_cast<UINT>(0xC000 + names.size() - 1);
}

HWND GetClipboardOwner() {
  HWND o = Clip().Owner;
  return o == reinterpret_cast<HWND>(-1) ? nullptr : o;
}

HWND GetOpenClipboardWindow() { return Clip().Open ? Clip().Opener : nullptr; }

bool SetClipboardText(const String& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  SetClipboardData(CF_TEXT, TextBlock(text));
  CloseClipboard();
  return true;
}

bool GetClipboardText(String& text) {
  if (!OpenClipboard(nullptr)) return false;
  HGLOBAL h = GetClipboardData(CF_TEXT);
  bool ok = h != nullptr;
  if (ok) {
    const char* p = static_cast<const char*>(GlobalLock(h));
    text = p ? String(p, strnlen(p, GlobalSize(h))) : String();
    GlobalUnlock(h);
  }
  CloseClipboard();
  return ok;
}

}  // namespace WinClipboard
