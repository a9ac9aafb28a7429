// TClipboard over the window layer's clipboard, opened with a hidden window of its own.
#include "Clipbrd.h"

#include <cstring>

#include "ExtCtrls.h"
#include "Strings.h"
#include "WinClipboard.h"
#include "WinUser.h"

namespace Clipbrd {

namespace {
TClipboard* TheClipboard = nullptr;
}

TClipboard* Clipboard() {
  if (!TheClipboard) TheClipboard = New<TClipboard>();
  return TheClipboard;
}

TClipboard* SetClipboard(TClipboard* NewClipboard) {
  TClipboard* old = TheClipboard;
  TheClipboard = NewClipboard;
  return old;
}

IMPLEMENT_CLASS(TClipboard)

void TClipboard::Destroy() {
  // Left open by a caller that raised between Open and Close: give it back to the others.
  if (FOpenRefCount > 0) {
    FOpenRefCount = 1;
    Close();
  }
  inherited::Destroy();
}

void TClipboard::Open() {
  if (FOpenRefCount == 0) {
    FClipboardWindow = AllocateHWnd(nullptr);
    if (!OpenClipboard(FClipboardWindow)) {
      DeallocateHWnd(FClipboardWindow);
      FClipboardWindow = nullptr;
      throw EClipboardException("Cannot open clipboard");
    }
    FEmptied = false;
  }
  ++FOpenRefCount;
}

void TClipboard::Close() {
  if (FOpenRefCount == 0) return;
  if (--FOpenRefCount > 0) return;
  CloseClipboard();
  DeallocateHWnd(FClipboardWindow);
  FClipboardWindow = nullptr;
}

void TClipboard::Clear() {
  Open();
  EmptyClipboard();
  Close();
}

void TClipboard::Adding() {
  if (FOpenRefCount != 0 && !FEmptied) {
    Clear();
    FEmptied = true;
  }
}

bool TClipboard::HasFormat(UINT Format) { return IsClipboardFormatAvailable(Format) != 0; }

Integer TClipboard::FormatCount() { return CountClipboardFormats(); }

UINT TClipboard::Formats(Integer Index) {
  Open();
  UINT format = 0;
  for (Integer i = 0; i <= Index; ++i) {
    format = EnumClipboardFormats(format);
    if (!format) break;
  }
  Close();
  if (!format) throw EListError("List index out of bounds (" + IntToStr(Index) + ")");
  return format;
}

void TClipboard::SetBuffer(UINT Format, const void* Buffer, size_t Size) {
  Open();
  try {
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, Size);
    if (!data) throw EOutOfMemory("Out of memory");
    std::memcpy(GlobalLock(data), Buffer, Size);
    GlobalUnlock(data);
    Adding();
    if (!SetClipboardData(Format, data)) {
      GlobalFree(data);
      throw EClipboardException("Cannot put the data on the clipboard");
    }
  } catch (...) {
    Close();
    throw;
  }
  Close();
}

String TClipboard::GetAsText() {
  Open();
  String result;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    const char* text = static_cast<const char*>(GlobalLock(data));
    // The block may be larger than its text, or (put by a careless program) lack the terminator.
    if (text) result.assign(text, strnlen(text, GlobalSize(data)));
    GlobalUnlock(data);
  }
  Close();
  return result;
}

void TClipboard::SetAsText(const String& Value) { SetBuffer(CF_TEXT, Value.c_str(), Value.size() + 1); }

}  // namespace Clipbrd
