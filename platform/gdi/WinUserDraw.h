// The drawing calls of the user-interface side of the operating-system interface, which the
// graphics layer carries out: rectangles, edges, focus rectangles, frame controls, formatted and
// tabbed text, and the system colours with their brushes (the classic colours of the desktop the
// forms were designed on).
#pragma once

#include "WinGdi.h"

namespace WinUserDraw {

// ---- System colours ---------------------------------------------------------------------------------
constexpr int COLOR_SCROLLBAR = 0, COLOR_BACKGROUND = 1, COLOR_DESKTOP = 1, COLOR_ACTIVECAPTION = 2,
              COLOR_INACTIVECAPTION = 3, COLOR_MENU = 4, COLOR_WINDOW = 5, COLOR_WINDOWFRAME = 6,
              COLOR_MENUTEXT = 7, COLOR_WINDOWTEXT = 8, COLOR_CAPTIONTEXT = 9, COLOR_ACTIVEBORDER = 10,
              COLOR_INACTIVEBORDER = 11, COLOR_APPWORKSPACE = 12, COLOR_HIGHLIGHT = 13,
              COLOR_HIGHLIGHTTEXT = 14, COLOR_BTNFACE = 15, COLOR_3DFACE = 15, COLOR_BTNSHADOW = 16,
              COLOR_3DSHADOW = 16, COLOR_GRAYTEXT = 17, COLOR_BTNTEXT = 18,
              COLOR_INACTIVECAPTIONTEXT = 19, COLOR_BTNHIGHLIGHT = 20, COLOR_3DHIGHLIGHT = 20,
              COLOR_3DHILIGHT = 20, COLOR_BTNHILIGHT = 20, COLOR_3DDKSHADOW = 21, COLOR_3DLIGHT = 22,
              COLOR_INFOTEXT = 23, COLOR_INFOBK = 24, COLOR_HOTLIGHT = 26,
              COLOR_GRADIENTACTIVECAPTION = 27, COLOR_GRADIENTINACTIVECAPTION = 28,
              COLOR_MENUHILIGHT = 29, COLOR_MENUBAR = 30, COLOR_ENDCOLORS = 30;
DWORD GetSysColor(int index);                    // 0 for an index out of range
HBRUSH GetSysColorBrush(int index);              // a stock brush; null for an index out of range
// Changes colours, then tells the notifier (the window layer sends WM_SYSCOLORCHANGE to its windows).
BOOL SetSysColors(int count, const INT* indexes, const COLORREF* colors);
// Back to the colours of the designed-on desktop (tests change colours and restore them); the
// notifier hears it when a colour was changed.
void ResetSysColors();
void SetSysColorsNotifier(void (*notifier)());

// ---- Rectangles -------------------------------------------------------------------------------------
// A brush handle of 1..31 stands for the system colour (handle - 1), as window-class brushes do.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const RECT* rect);
BOOL DrawFocusRect(HDC dc, const RECT* rect);    // XOR dotted: drawing it twice removes it

// ---- Edges ------------------------------------------------------------------------------------------
constexpr UINT BDR_RAISEDOUTER = 0x0001, BDR_SUNKENOUTER = 0x0002, BDR_RAISEDINNER = 0x0004,
               BDR_SUNKENINNER = 0x0008, BDR_OUTER = 0x0003, BDR_INNER = 0x000C,
               BDR_RAISED = 0x0005, BDR_SUNKEN = 0x000A;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER, EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
               EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER, EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;
constexpr UINT BF_LEFT = 0x0001, BF_TOP = 0x0002, BF_RIGHT = 0x0004, BF_BOTTOM = 0x0008,
               BF_TOPLEFT = BF_TOP | BF_LEFT, BF_TOPRIGHT = BF_TOP | BF_RIGHT,
               BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT, BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
               BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM, BF_DIAGONAL = 0x0010,
               BF_DIAGONAL_ENDTOPRIGHT = BF_DIAGONAL | BF_TOP | BF_RIGHT,
               BF_DIAGONAL_ENDTOPLEFT = BF_DIAGONAL | BF_TOP | BF_LEFT,
               BF_DIAGONAL_ENDBOTTOMLEFT = BF_DIAGONAL | BF_BOTTOM | BF_LEFT,
               BF_DIAGONAL_ENDBOTTOMRIGHT = BF_DIAGONAL | BF_BOTTOM | BF_RIGHT, BF_MIDDLE = 0x0800,
               BF_SOFT = 0x1000, BF_ADJUST = 0x2000, BF_FLAT = 0x4000, BF_MONO = 0x8000;
BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags);

// ---- Frame controls ---------------------------------------------------------------------------------
constexpr UINT DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4, DFC_POPUPMENU = 5;
constexpr UINT DFCS_CAPTIONCLOSE = 0x0000, DFCS_CAPTIONMIN = 0x0001, DFCS_CAPTIONMAX = 0x0002,
               DFCS_CAPTIONRESTORE = 0x0003, DFCS_CAPTIONHELP = 0x0004;
constexpr UINT DFCS_MENUARROW = 0x0000, DFCS_MENUCHECK = 0x0001, DFCS_MENUBULLET = 0x0002,
               DFCS_MENUARROWRIGHT = 0x0004;
constexpr UINT DFCS_SCROLLUP = 0x0000, DFCS_SCROLLDOWN = 0x0001, DFCS_SCROLLLEFT = 0x0002,
               DFCS_SCROLLRIGHT = 0x0003, DFCS_SCROLLCOMBOBOX = 0x0005, DFCS_SCROLLSIZEGRIP = 0x0008,
               DFCS_SCROLLSIZEGRIPRIGHT = 0x0010;
constexpr UINT DFCS_BUTTONCHECK = 0x0000, DFCS_BUTTONRADIOIMAGE = 0x0001, DFCS_BUTTONRADIOMASK = 0x0002,
               DFCS_BUTTONRADIO = 0x0004, DFCS_BUTTON3STATE = 0x0008, DFCS_BUTTONPUSH = 0x0010;
constexpr UINT DFCS_INACTIVE = 0x0100, DFCS_PUSHED = 0x0200, DFCS_CHECKED = 0x0400,
               DFCS_TRANSPARENT = 0x0800, DFCS_HOT = 0x1000, DFCS_ADJUSTRECT = 0x2000,
               DFCS_FLAT = 0x4000, DFCS_MONO = 0x8000;
BOOL DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state);

// ---- Formatted text ---------------------------------------------------------------------------------
constexpr UINT DT_TOP = 0x00000000, DT_LEFT = 0x00000000, DT_CENTER = 0x00000001, DT_RIGHT = 0x00000002,
               DT_VCENTER = 0x00000004, DT_BOTTOM = 0x00000008, DT_WORDBREAK = 0x00000010,
               DT_SINGLELINE = 0x00000020, DT_EXPANDTABS = 0x00000040, DT_TABSTOP = 0x00000080,
               DT_NOCLIP = 0x00000100, DT_EXTERNALLEADING = 0x00000200, DT_CALCRECT = 0x00000400,
               DT_NOPREFIX = 0x00000800, DT_INTERNAL = 0x00001000, DT_EDITCONTROL = 0x00002000,
               DT_PATH_ELLIPSIS = 0x00004000, DT_END_ELLIPSIS = 0x00008000,
               DT_MODIFYSTRING = 0x00010000, DT_RTLREADING = 0x00020000, DT_WORD_ELLIPSIS = 0x00040000,
               DT_NOFULLWIDTHCHARBREAK = 0x00080000, DT_HIDEPREFIX = 0x00100000,
               DT_PREFIXONLY = 0x00200000;
struct DRAWTEXTPARAMS {
  UINT cbSize = sizeof(DRAWTEXTPARAMS);
  int iTabLength = 8;     // in average character widths
  int iLeftMargin = 0;
  int iRightMargin = 0;
  UINT uiLengthDrawn = 0;
};
// Answers the height of the text (from the rectangle's top; with DT_VCENTER or DT_BOTTOM the offset
// to the bottom of the text), 0 on failure. With DT_MODIFYSTRING the text must have room for
// count + 4 bytes and receives the shortened line.
int DrawTextA(HDC dc, char* text, int count, RECT* rect, UINT format);
inline int DrawTextA(HDC dc, const char* text, int count, RECT* rect, UINT format) {
  return DrawTextA(dc, const_cast<char*>(text), count, rect, format & ~DT_MODIFYSTRING);
}
inline int DrawText(HDC dc, const char* text, int count, RECT* rect, UINT format) {
  return DrawTextA(dc, text, count, rect, format);
}
inline int DrawText(HDC dc, char* text, int count, RECT* rect, UINT format) {
  return DrawTextA(dc, text, count, rect, format);
}
int DrawTextExA(HDC dc, char* text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params);
int DrawTextW(HDC dc, const char16_t* text, int count, RECT* rect, UINT format);

// ---- Tabbed text ------------------------------------------------------------------------------------
// No tab stops: every 8 average character widths; one stop: that distance repeated. Answers the
// extent (height in the high word, width in the low word).
LONG TabbedTextOutA(HDC dc, int x, int y, LPCSTR text, int count, int tabCount, const INT* tabStops,
                    int tabOrigin);
inline LONG TabbedTextOut(HDC dc, int x, int y, LPCSTR text, int count, int tabCount, const INT* tabStops,
                          int tabOrigin) {
  return TabbedTextOutA(dc, x, y, text, count, tabCount, tabStops, tabOrigin);
}
DWORD GetTabbedTextExtentA(HDC dc, LPCSTR text, int count, int tabCount, const INT* tabStops);
inline DWORD GetTabbedTextExtent(HDC dc, LPCSTR text, int count, int tabCount, const INT* tabStops) {
  return GetTabbedTextExtentA(dc, text, count, tabCount, tabStops);
}

// ---- Rectangle helpers ------------------------------------------------------------------------------
BOOL SetRect(RECT* rect, int left, int top, int right, int bottom);
BOOL SetRectEmpty(RECT* rect);
BOOL CopyRect(RECT* dest, const RECT* src);
BOOL IsRectEmpty(const RECT* rect);
BOOL InflateRect(RECT* rect, int dx, int dy);
BOOL OffsetRect(RECT* rect, int dx, int dy);
BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b);   // empty result: all zero, FALSE
BOOL UnionRect(RECT* dest, const RECT* a, const RECT* b);
BOOL SubtractRect(RECT* dest, const RECT* a, const RECT* b);
BOOL EqualRect(const RECT* a, const RECT* b);
BOOL PtInRect(const RECT* rect, POINT point);

// ---- Bitmaps of the system --------------------------------------------------------------------------
constexpr int OBM_CHECKBOXES = 32759;
// The system's own bitmaps (instance 0): OBM_CHECKBOXES, a 4 x 3 strip of 13 x 13 check-box states.
HBITMAP LoadSystemBitmap(int id);

}  // namespace WinUserDraw

using namespace WinUserDraw;
