// The clipboard, and the movable memory blocks that carry its data. Text (CF_TEXT, UTF-8) is shared
// with other programs through the backend; other formats stay in the program.
#pragma once

#include <cstddef>

#include "System.h"
#include "WinUserTypes.h"

namespace WinClipboard {

constexpr UINT CF_TEXT = 1, CF_BITMAP = 2, CF_METAFILEPICT = 3, CF_OEMTEXT = 7, CF_DIB = 8,
               CF_UNICODETEXT = 13, CF_ENHMETAFILE = 14, CF_HDROP = 15, CF_LOCALE = 16;
constexpr UINT GMEM_FIXED = 0x0000, GMEM_MOVEABLE = 0x0002, GMEM_ZEROINIT = 0x0040,
               GMEM_DDESHARE = 0x2000, GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// ---- Memory blocks ----------------------------------------------------------------------------------
HGLOBAL GlobalAlloc(UINT flags, size_t bytes);
void* GlobalLock(HGLOBAL block);
BOOL GlobalUnlock(HGLOBAL block);
size_t GlobalSize(HGLOBAL block);
HGLOBAL GlobalFree(HGLOBAL block);  // null when freed

// ---- The clipboard ----------------------------------------------------------------------------------
BOOL OpenClipboard(HWND owner);     // FALSE while another window has it open
BOOL CloseClipboard();
BOOL EmptyClipboard();              // the opener becomes the owner
// The clipboard takes the block; null when the clipboard is not open.
HANDLE SetClipboardData(UINT format, HANDLE data);
// The clipboard's block (it stays the clipboard's); null when the format is not there.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
int CountClipboardFormats();
UINT EnumClipboardFormats(UINT format);
UINT RegisterClipboardFormatA(const char* name);
inline UINT RegisterClipboardFormat(const char* name) { return RegisterClipboardFormatA(name); }
HWND GetClipboardOwner();
HWND GetOpenClipboardWindow();

// Text on the clipboard at once (open, empty, set, close); for the layer's own controls.
bool SetClipboardText(const String& text);
bool GetClipboardText(String& text);

}  // namespace WinClipboard

using namespace WinClipboard;
