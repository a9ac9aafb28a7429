// Icons and cursors as images (an AND mask and a colour image), their drawing, and copying of images.
#pragma once

#include "WinGdi.h"

namespace WinIcons {

struct ICONINFO {
  BOOL fIcon = TRUE;
  DWORD xHotspot = 0;
  DWORD yHotspot = 0;
  HBITMAP hbmMask = nullptr;   // monochrome; without a colour image it holds the AND mask over the XOR mask
  HBITMAP hbmColor = nullptr;
};

constexpr UINT DI_MASK = 0x0001, DI_IMAGE = 0x0002, DI_NORMAL = 0x0003, DI_COMPAT = 0x0004,
               DI_DEFAULTSIZE = 0x0008;
constexpr UINT IMAGE_BITMAP = 0, IMAGE_ICON = 1, IMAGE_CURSOR = 2;
constexpr UINT LR_DEFAULTCOLOR = 0x0000, LR_MONOCHROME = 0x0001, LR_COPYRETURNORG = 0x0004,
               LR_COPYDELETEORG = 0x0008, LR_LOADFROMFILE = 0x0010, LR_LOADTRANSPARENT = 0x0020,
               LR_DEFAULTSIZE = 0x0040, LR_LOADMAP3DCOLORS = 0x1000, LR_CREATEDIBSECTION = 0x2000;

// The bitmaps are copied; the icon owns its copies.
HICON CreateIconIndirect(const ICONINFO* info);
// Answers copies of the icon's bitmaps, which the caller deletes.
BOOL GetIconInfo(HICON icon, ICONINFO* info);
BOOL DestroyIcon(HICON icon);
HICON CopyIcon(HICON icon);
// Draws (dest AND mask) XOR image, stretched to cx x cy (0: the icon's own size).
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH flickerFree, UINT flags);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
// A copy of a bitmap or icon, stretched to cx x cy (0: the original size); LR_MONOCHROME makes a
// monochrome bitmap, LR_CREATEDIBSECTION a DIB section, LR_COPYDELETEORG deletes the original.
HANDLE CopyImage(HANDLE image, UINT type, int cx, int cy, UINT flags);

}  // namespace WinIcons

using namespace WinIcons;
