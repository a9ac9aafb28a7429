// The image-list service: lists of equally sized images with optional masks, kept in one image
// strip and one monochrome mask strip, drawn normally, transparently, blended or as their mask.
#pragma once

#include <vector>

#include "WinGdi.h"

namespace WinImageList {

constexpr UINT ILC_MASK = 0x0001, ILC_COLOR = 0x0000, ILC_COLORDDB = 0x00FE, ILC_COLOR4 = 0x0004,
               ILC_COLOR8 = 0x0008, ILC_COLOR16 = 0x0010, ILC_COLOR24 = 0x0018, ILC_COLOR32 = 0x0020;
constexpr UINT ILC_PALETTE = 0x0800, ILC_MIRROR = 0x2000, ILC_PERITEMMIRROR = 0x8000;
constexpr UINT ILD_NORMAL = 0x0000, ILD_TRANSPARENT = 0x0001, ILD_MASK = 0x0010, ILD_IMAGE = 0x0020,
               ILD_BLEND25 = 0x0002, ILD_BLEND50 = 0x0004, ILD_FOCUS = ILD_BLEND25, ILD_SELECTED = ILD_BLEND50,
               ILD_BLEND = ILD_BLEND50, ILD_ROP = 0x0040, ILD_OVERLAYMASK = 0x0F00, ILD_PRESERVEALPHA = 0x1000;
constexpr UINT ILCF_MOVE = 0, ILCF_SWAP = 1;
constexpr COLORREF CLR_NONE = 0xFFFFFFFF, CLR_DEFAULT = 0xFF000000;

struct IMAGEINFO {
  HBITMAP hbmImage = nullptr;   // the list's strips: read them, do not delete them
  HBITMAP hbmMask = nullptr;
  int Unused1 = 0;
  int Unused2 = 0;
  RECT rcImage;
};

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
BOOL ImageList_Destroy(HIMAGELIST list);
HIMAGELIST ImageList_Duplicate(HIMAGELIST list);
int ImageList_GetImageCount(HIMAGELIST list);
BOOL ImageList_SetImageCount(HIMAGELIST list, UINT count);
BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy);
BOOL ImageList_SetIconSize(HIMAGELIST list, int cx, int cy);   // removes every image
// Adds the images of a bitmap as wide as one or more images; mask: monochrome, white = transparent.
// Answers the index of the first image added, -1 on failure.
int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask);
// Pixels of the mask colour become transparent (and black in the image).
int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF mask);
BOOL ImageList_Replace(HIMAGELIST list, int index, HBITMAP image, HBITMAP mask);
// Puts an icon (stretched to the list's size) at index, or adds it for -1; answers its index or -1.
int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon);
inline int ImageList_AddIcon(HIMAGELIST list, HICON icon) { return ImageList_ReplaceIcon(list, -1, icon); }
// A new icon of one image (its mask from the list's mask, or opaque); the caller destroys it.
HICON ImageList_GetIcon(HIMAGELIST list, int index, UINT flags);
BOOL ImageList_Remove(HIMAGELIST list, int index);             // -1 removes all
BOOL ImageList_Copy(HIMAGELIST dest, int destIndex, HIMAGELIST src, int srcIndex, UINT flags);
BOOL ImageList_GetImageInfo(HIMAGELIST list, int index, IMAGEINFO* info);
COLORREF ImageList_SetBkColor(HIMAGELIST list, COLORREF color);
COLORREF ImageList_GetBkColor(HIMAGELIST list);
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
// Width and height 0 draw the whole image; bk CLR_NONE draws transparently, CLR_DEFAULT uses the
// list's background; fg is the blend colour (CLR_DEFAULT: the highlight colour).
BOOL ImageList_DrawEx(HIMAGELIST list, int index, HDC dc, int x, int y, int dx, int dy, COLORREF bk, COLORREF fg,
                      UINT style);
// A list of the images of a bitmap resource of the program (or, with LR_LOADFROMFILE, a BMP file
// named by name), cx wide each (0: as wide as the bitmap is high). mask: the transparent colour,
// CLR_DEFAULT for the top-left pixel's, CLR_NONE for none. Only IMAGE_BITMAP is read; null when
// there is no such bitmap.
HIMAGELIST ImageList_LoadImage(HINSTANCE instance, const char* name, int cx, int grow, COLORREF mask, UINT type,
                               UINT flags);

// The list as bytes (the same list always gives the same bytes) and back.
BOOL ImageList_Write(HIMAGELIST list, std::vector<BYTE>& out);
HIMAGELIST ImageList_Read(const BYTE* data, size_t size);

}  // namespace WinImageList

using namespace WinImageList;
