// What the visual styles answer about parts: fixed sizes, content margins, shapes and hit tests,
// colours and other properties, text extents, and the theme's system metrics. Every answer follows
// what the drawing sources draw.
#include <algorithm>
#include <cstring>

#include "UxThemeInternals.h"
#include "WinMetrics.h"
#include "WinNonClient.h"
#include "WinUserDraw.h"

namespace UxThemeInternals {

namespace {

bool Between(int v, int lo, int hi) { return v >= lo && v <= hi; }

// Parts drawn with the look's rounded outline (corner pixels left out).
bool IsRounded(TThemeClass cls, int part) {
  switch (cls) {
    case tcButton: return part == BP_PUSHBUTTON || part == BP_USERBUTTON || part == BP_GROUPBOX;
    case tcScrollBar: return Between(part, SBP_ARROWBTN, SBP_THUMBBTNVERT);
    case tcComboBox: case tcSpin: return true;
    case tcTab: return Between(part, TABP_TABITEM, TABP_TOPTABITEMBOTHEDGE);
    case tcToolBar: return Between(part, TP_BUTTON, TP_SPLITBUTTONDROPDOWN);
    case tcProgress: return part == PP_BAR || part == PP_BARVERT;
    case tcTrackBar: return Between(part, TKP_THUMB, TKP_THUMBRIGHT);
    case tcWindow: return Between(part, WP_SYSBUTTON, WP_MDIHELPBUTTON);
    case tcToolTip: return part == TTP_BALLOON || part == TTP_BALLOONTITLE || part == TTP_CLOSE;
    default: return false;
  }
}

// Parts that cover every pixel of their rectangle.
bool IsOpaque(TThemeClass cls, int part) {
  switch (cls) {
    case tcEdit: case tcListBox: return true;
    case tcHeader: return part != HP_HEADERSORTARROW;
    case tcScrollBar: return Between(part, SBP_LOWERTRACKHORZ, SBP_UPPERTRACKVERT);
    case tcTab: return part == TABP_PANE || part == TABP_BODY;
    case tcWindow: return Between(part, WP_CAPTION, WP_SMALLFRAMEBOTTOM) || part == WP_DIALOG;
    case tcProgress: return part == PP_CHUNK || part == PP_CHUNKVERT;
    case tcTrackBar: return part == TKP_TRACK || part == TKP_TRACKVERT;
    case tcRebar: return part == RP_BAND;
    case tcMenu: return part != MP_SEPARATOR;
    case tcListView: case tcPage: return true;
    case tcTreeView: return part != TVP_GLYPH;
    default: return false;
  }
}

MARGINS Uniform(int m) { return {m, m, m, m}; }

}  // namespace

bool PartExists(TThemeClass cls, int part) {
  switch (cls) {
    case tcButton: return Between(part, BP_PUSHBUTTON, BP_USERBUTTON);
    case tcEdit: return Between(part, EP_EDITTEXT, EP_CARET);
    case tcComboBox: return part == CP_DROPDOWNBUTTON;
    case tcSpin: return Between(part, SPNP_UP, SPNP_DOWNHORZ);
    case tcHeader: return Between(part, HP_HEADERITEM, HP_HEADERSORTARROW);
    case tcTab: return Between(part, TABP_TABITEM, TABP_BODY);
    case tcScrollBar: return Between(part, SBP_ARROWBTN, SBP_SIZEBOX);
    case tcToolBar: return Between(part, TP_BUTTON, TP_SEPARATORVERT);
    case tcRebar: return Between(part, RP_GRIPPER, RP_CHEVRONVERT);
    case tcStatus: return Between(part, SP_PANE, SP_GRIPPER);
    case tcProgress: return Between(part, PP_BAR, PP_CHUNKVERT);
    case tcTrackBar: return Between(part, TKP_TRACK, TKP_TICSVERT);
    case tcWindow: return Between(part, WP_CAPTION, WP_DIALOG) && !Between(part, WP_HORZSCROLL, WP_VERTTHUMB);
    case tcToolTip: return Between(part, TTP_STANDARD, TTP_CLOSE);
    case tcMenu: return Between(part, MP_MENUITEM, MP_SEPARATOR);
    case tcListView: return Between(part, LVP_LISTITEM, LVP_EMPTYTEXT);
    case tcTreeView: return Between(part, TVP_TREEITEM, TVP_BRANCH);
    case tcExplorerBar: return Between(part, EBP_HEADERBACKGROUND, EBP_SPECIALGROUPHEAD);
    default: return part >= 1;
  }
}

bool FixedPartSize(TThemeClass cls, int part, int, SIZE& size) {
  auto set = [&](int cx, int cy) {
    size = {cx, cy};
    return true;
  };
  switch (cls) {
    case tcButton: return part == BP_CHECKBOX || part == BP_RADIOBUTTON ? set(13, 13) : false;
    case tcScrollBar:
      if (part == SBP_ARROWBTN || part == SBP_SIZEBOX) return set(17, 17);
      if (part == SBP_GRIPPERHORZ || part == SBP_GRIPPERVERT) return set(8, 8);
      return false;
    case tcComboBox: return set(17, 17);
    case tcSpin: return part == SPNP_UP || part == SPNP_DOWN ? set(15, 10) : set(10, 15);
    case tcHeader: return part == HP_HEADERSORTARROW ? set(7, 4) : false;
    case tcToolBar:
      if (part == TP_SEPARATOR) return set(6, 6);
      if (part == TP_SEPARATORVERT) return set(6, 6);
      if (part == TP_SPLITBUTTONDROPDOWN) return set(12, 22);
      return false;
    case tcRebar:
      if (part == RP_GRIPPER) return set(5, 5);
      if (part == RP_GRIPPERVERT) return set(5, 5);
      if (part == RP_CHEVRON || part == RP_CHEVRONVERT) return set(13, 13);
      return false;
    case tcStatus: return part == SP_GRIPPER ? set(17, 17) : false;
    case tcTrackBar:
      if (part == TKP_THUMB || part == TKP_THUMBBOTTOM || part == TKP_THUMBTOP) return set(11, 21);
      if (Between(part, TKP_THUMBVERT, TKP_THUMBRIGHT)) return set(21, 11);
      if (part == TKP_TICS) return set(1, 4);
      if (part == TKP_TICSVERT) return set(4, 1);
      return false;
    case tcWindow:
      if (part == WP_SMALLCLOSEBUTTON) return set(15, 15);
      if (Between(part, WP_SYSBUTTON, WP_MDIHELPBUTTON)) return set(21, 21);
      return false;
    case tcToolTip: return part == TTP_CLOSE ? set(10, 10) : false;
    case tcTreeView: return part == TVP_GLYPH ? set(9, 9) : false;
    case tcExplorerBar:
      return Between(part, EBP_NORMALGROUPCOLLAPSE, EBP_NORMALGROUPEXPAND) ||
                     Between(part, EBP_SPECIALGROUPCOLLAPSE, EBP_SPECIALGROUPEXPAND)
                 ? set(17, 17)
                 : false;
    default: return false;
  }
}

RECT DrawnRect(TThemeClass cls, int part, int state, const RECT& r) {
  bool glyph = (cls == tcButton && (part == BP_CHECKBOX || part == BP_RADIOBUTTON)) ||
               (cls == tcTrackBar && part >= TKP_THUMB && part <= TKP_THUMBRIGHT) ||
               (cls == tcTreeView && part == TVP_GLYPH) || (cls == tcToolTip && part == TTP_CLOSE) ||
               (cls == tcHeader && part == HP_HEADERSORTARROW);
  SIZE size;
  if (!glyph || !FixedPartSize(cls, part, state, size)) return r;
  LONG x = r.left + (r.right - r.left - size.cx) / 2, y = r.top + (r.bottom - r.top - size.cy) / 2;
  return {x, y, x + size.cx, y + size.cy};
}

MARGINS ContentMargins(TThemeClass cls, int part, int) {
  switch (cls) {
    case tcButton: return part == BP_PUSHBUTTON || part == BP_USERBUTTON ? Uniform(3) : part == BP_GROUPBOX ? Uniform(1) : Uniform(0);
    case tcEdit: case tcListBox: case tcComboBox: case tcSpin: return Uniform(1);
    case tcScrollBar: return Between(part, SBP_ARROWBTN, SBP_THUMBBTNVERT) ? Uniform(1) : Uniform(0);
    case tcHeader: return part == HP_HEADERSORTARROW ? Uniform(0) : MARGINS{3, 3, 0, 3};
    case tcTab:
      if (part == TABP_PANE) return Uniform(1);
      return part == TABP_BODY ? Uniform(0) : MARGINS{1, 1, 3, 1};
    case tcToolBar: return Between(part, TP_BUTTON, TP_SPLITBUTTONDROPDOWN) ? Uniform(3) : Uniform(0);
    case tcProgress: return part == PP_BAR || part == PP_BARVERT ? Uniform(3) : Uniform(0);
    case tcTrackBar: return part == TKP_TRACK || part == TKP_TRACKVERT ? Uniform(1) : Uniform(0);
    case tcToolTip: return part == TTP_CLOSE ? Uniform(0) : MARGINS{3, 3, 2, 2};
    case tcWindow: return Between(part, WP_SYSBUTTON, WP_MDIHELPBUTTON) ? Uniform(1) : Uniform(0);
    default: return Uniform(0);
  }
}

bool PartColor(TThemeClass cls, int part, int state, int prop, COLORREF& color) {
  const TThemePalette& p = Palette();
  bool disabled = (cls == tcButton && ((part == BP_PUSHBUTTON && state == PBS_DISABLED) ||
                                       ((part == BP_CHECKBOX || part == BP_RADIOBUTTON) && state % 4 == 0) ||
                                       (part == BP_GROUPBOX && state == GBS_DISABLED))) ||
                  (cls == tcEdit && state == ETS_DISABLED) || (cls == tcTab && state == TIS_DISABLED) ||
                  (cls == tcToolBar && state == TS_DISABLED);
  switch (prop) {
    case TMT_TEXTCOLOR:
      if (disabled) color = p.DisabledText;
      else if (cls == tcWindow) color = state == CS_INACTIVE ? RGB(216, 228, 248) : p.CaptionText;
      else if (cls == tcButton && part == BP_GROUPBOX) color = p.Frame == RGB(0, 60, 116) ? RGB(0, 70, 213) : p.Frame;
      else if (cls == tcMenu && state == MS_SELECTED) color = GetSysColor(COLOR_HIGHLIGHTTEXT);
      else color = p.Text;
      return true;
    case TMT_BORDERCOLOR:
      switch (cls) {
        case tcButton: color = disabled ? p.DisabledFrame : part == BP_GROUPBOX ? p.HeaderShade1 : p.Frame; return true;
        case tcEdit: case tcListBox: color = disabled ? p.DisabledFrame : p.EditBorder; return true;
        case tcComboBox: case tcSpin: case tcScrollBar: color = p.AccentFrame; return true;
        case tcTab: color = p.TabFrame; return true;
        case tcToolTip: color = p.ToolTipFrame; return true;
        case tcProgress: case tcHeader: color = p.HeaderShade2; return true;
        default: color = p.Frame; return true;
      }
    case TMT_FILLCOLOR:
      switch (cls) {
        case tcEdit: case tcListBox: case tcListView: case tcTreeView:
          color = disabled ? p.DisabledFace : RGB(255, 255, 255);
          return true;
        case tcScrollBar: color = Between(part, SBP_LOWERTRACKHORZ, SBP_UPPERTRACKVERT) ? p.Track : p.Accent2; return true;
        case tcTab: color = p.PaneFace; return true;
        case tcHeader: color = p.HeaderFace; return true;
        case tcToolTip: color = p.ToolTipFace; return true;
        case tcProgress: color = part == PP_CHUNK || part == PP_CHUNKVERT ? p.Chunk2 : RGB(255, 255, 255); return true;
        case tcWindow: color = p.Caption1; return true;
        default: color = disabled ? p.DisabledFace : p.Face2; return true;
      }
    case TMT_GRADIENTCOLOR1: color = cls == tcWindow ? p.Caption2 : cls == tcScrollBar ? p.Accent1 : p.Face1; return true;
    case TMT_GRADIENTCOLOR2: color = cls == tcWindow ? p.Caption1 : cls == tcScrollBar ? p.Accent2 : p.Face2; return true;
    case TMT_EDGELIGHTCOLOR: case TMT_EDGEHIGHLIGHTCOLOR: color = RGB(255, 255, 255); return true;
    case TMT_EDGESHADOWCOLOR: color = p.HeaderShade1; return true;
    case TMT_EDGEDKSHADOWCOLOR: color = p.HeaderShade2; return true;
    case TMT_EDGEFILLCOLOR: color = GetSysColor(COLOR_BTNFACE); return true;
    case TMT_GLYPHTEXTCOLOR: color = cls == tcButton ? p.Mark : p.Glyph; return true;
    case TMT_ACCENTCOLORHINT: color = p.Caption1; return true;
    case TMT_FILLCOLORHINT: color = p.Face2; return true;
    case TMT_BORDERCOLORHINT: color = p.Frame; return true;
  }
  return false;
}

}  // namespace UxThemeInternals

namespace UxTheme {

namespace {

RECT Inset(const RECT& r, const MARGINS& m) {
  return {r.left + m.cxLeftWidth, r.top + m.cyTopHeight, r.right - m.cxRightWidth, r.bottom - m.cyBottomHeight};
}

// The shape a part's drawing covers within the rectangle.
HRGN PartRegion(TThemeClass cls, int part, int state, const RECT& r) {
  RECT drawn = DrawnRect(cls, part, state, r);
  if (cls == tcButton && part == BP_RADIOBUTTON)
    return CreateEllipticRgn(drawn.left, drawn.top, drawn.right, drawn.bottom);
  if (drawn != r) return CreateRectRgn(drawn.left, drawn.top, drawn.right, drawn.bottom);
  HRGN region = CreateRectRgn(r.left, r.top, r.right, r.bottom);
  (void)state;
  if (IsRounded(cls, part) && r.right - r.left >= 4 && r.bottom - r.top >= 4) {
    for (POINT corner : {POINT{r.left, r.top}, POINT{r.right - 1, r.top}, POINT{r.left, r.bottom - 1},
                         POINT{r.right - 1, r.bottom - 1}}) {
      HRGN pixel = CreateRectRgn(corner.x, corner.y, corner.x + 1, corner.y + 1);
      CombineRgn(region, region, pixel, RGN_DIFF);
      DeleteObject(pixel);
    }
  }
  return region;
}

template <typename T>
HRESULT Check(HTHEME theme, T* out, const TThemeRecord*& record) {
  record = ThemeOf(theme);
  if (!record) return E_HANDLE;
  return out ? S_OK : E_POINTER;
}

void DefaultFont(LOGFONT* font, bool bold) {
  GetObject(GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONT), font);
  if (bold) font->lfWeight = FW_BOLD;
}

}  // namespace

HRESULT GetThemeBackgroundContentRect(HTHEME theme, HDC, int partId, int stateId, const RECT* bounds,
                                      RECT* content) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, content, record); hr != S_OK) return hr;
  if (!bounds) return E_POINTER;
  *content = Inset(*bounds, ContentMargins(record->Class, partId, stateId));
  return S_OK;
}

HRESULT GetThemeBackgroundExtent(HTHEME theme, HDC, int partId, int stateId, const RECT* content, RECT* extent) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, extent, record); hr != S_OK) return hr;
  if (!content) return E_POINTER;
  MARGINS m = ContentMargins(record->Class, partId, stateId);
  *extent = {content->left - m.cxLeftWidth, content->top - m.cyTopHeight, content->right + m.cxRightWidth,
             content->bottom + m.cyBottomHeight};
  return S_OK;
}

HRESULT GetThemeBackgroundRegion(HTHEME theme, HDC, int partId, int stateId, const RECT* rect, HRGN* region) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, region, record); hr != S_OK) return hr;
  if (!rect) return E_POINTER;
  *region = PartRegion(record->Class, partId, stateId, *rect);
  return S_OK;
}

HRESULT GetThemePartSize(HTHEME theme, HDC, int partId, int stateId, const RECT* rect, THEMESIZE kind, SIZE* size) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, size, record); hr != S_OK) return hr;
  if (!PartExists(record->Class, partId)) return E_INVALIDARG;
  if (FixedPartSize(record->Class, partId, stateId, *size)) return S_OK;
  // A stretching part: its margins at least, the rectangle's size when drawn into one.
  MARGINS m = ContentMargins(record->Class, partId, stateId);
  SIZE least{m.cxLeftWidth + m.cxRightWidth, m.cyTopHeight + m.cyBottomHeight};
  if (kind == TS_DRAW && rect) *size = {std::max<LONG>(least.cx, rect->right - rect->left), std::max<LONG>(least.cy, rect->bottom - rect->top)};
  else if (kind == TS_MIN) *size = least;
  else *size = {least.cx + 1, least.cy + 1};
  return S_OK;
}

HRESULT GetThemeTextExtent(HTHEME theme, HDC dc, int, int, LPCWSTR text, int count, DWORD textFlags,
                           const RECT* bounding, RECT* extent) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, extent, record); hr != S_OK) return hr;
  if (!dc || !text) return E_POINTER;
  *extent = bounding ? *bounding : RECT{0, 0, 0, 0};
  if (!bounding) textFlags |= DT_SINGLELINE;
  DrawTextW(dc, text, count, extent, textFlags | DT_CALCRECT);
  return S_OK;
}

HRESULT GetThemeTextMetrics(HTHEME theme, HDC dc, int, int, TEXTMETRIC* metrics) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, metrics, record); hr != S_OK) return hr;
  if (!dc) return E_POINTER;
  return GetTextMetrics(dc, metrics) ? S_OK : E_FAIL;
}

HRESULT HitTestThemeBackground(HTHEME theme, HDC, int partId, int stateId, DWORD options, const RECT* rect,
                               HRGN region, POINT test, WORD* hitTestCode) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, hitTestCode, record); hr != S_OK) return hr;
  if (!rect) return E_POINTER;
  HRGN shape = region ? region : PartRegion(record->Class, partId, stateId, *rect);
  bool inside = PtInRegion(shape, test.x, test.y);
  if (!region) DeleteObject(shape);
  *hitTestCode = HTNOWHERE;
  if (inside) {
    *hitTestCode = HTCLIENT;
    RECT content = Inset(*rect, ContentMargins(record->Class, partId, stateId));
    if ((options & HTTB_FIXEDBORDER) && !PtInRect(&content, test)) *hitTestCode = HTBORDER;
  }
  return S_OK;
}

BOOL IsThemePartDefined(HTHEME theme, int partId, int) {
  const TThemeRecord* record = ThemeOf(theme);
  return record && PartExists(record->Class, partId) ? TRUE : FALSE;
}

BOOL IsThemeBackgroundPartiallyTransparent(HTHEME theme, int partId, int) {
  const TThemeRecord* record = ThemeOf(theme);
  return record && !IsOpaque(record->Class, partId) ? TRUE : FALSE;
}

HRESULT GetThemeColor(HTHEME theme, int partId, int stateId, int propId, COLORREF* color) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, color, record); hr != S_OK) return hr;
  return PartColor(record->Class, partId, stateId, propId, *color) ? S_OK : E_PROP_ID_UNSUPPORTED;
}

HRESULT GetThemeInt(HTHEME theme, int partId, int stateId, int propId, int* value) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, value, record); hr != S_OK) return hr;
  SIZE size;
  switch (propId) {
    case TMT_BORDERSIZE: *value = 1; return S_OK;
    case TMT_ROUNDCORNERWIDTH: case TMT_ROUNDCORNERHEIGHT: *value = IsRounded(record->Class, partId) ? 3 : 0; return S_OK;
    case TMT_PROGRESSCHUNKSIZE: if (record->Class != tcProgress) break; *value = 6; return S_OK;
    case TMT_PROGRESSSPACESIZE: if (record->Class != tcProgress) break; *value = 2; return S_OK;
    case TMT_ALPHALEVEL: *value = 255; return S_OK;
    case TMT_WIDTH: case TMT_HEIGHT:
      if (!FixedPartSize(record->Class, partId, stateId, size)) break;
      *value = propId == TMT_WIDTH ? size.cx : size.cy;
      return S_OK;
  }
  return E_PROP_ID_UNSUPPORTED;
}

HRESULT GetThemeMetric(HTHEME theme, HDC, int partId, int stateId, int propId, int* value) {
  return GetThemeInt(theme, partId, stateId, propId, value);
}

HRESULT GetThemeBool(HTHEME theme, int partId, int, int propId, BOOL* value) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, value, record); hr != S_OK) return hr;
  switch (propId) {
    case TMT_TRANSPARENT: *value = IsOpaque(record->Class, partId) ? FALSE : TRUE; return S_OK;
    case TMT_BGFILL: case TMT_BORDERONLY: case TMT_GLYPHONLY: case TMT_COMPOSITED: *value = FALSE; return S_OK;
    case TMT_AUTOSIZE: *value = record->Class == tcButton && (partId == BP_CHECKBOX || partId == BP_RADIOBUTTON); return S_OK;
  }
  return E_PROP_ID_UNSUPPORTED;
}

HRESULT GetThemeEnumValue(HTHEME theme, int partId, int, int propId, int* value) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, value, record); hr != S_OK) return hr;
  if (propId != TMT_BGTYPE) return E_PROP_ID_UNSUPPORTED;
  *value = record->Class == tcEdit || record->Class == tcListBox || (record->Class == tcTab && partId == TABP_BODY)
               ? BT_BORDERFILL
               : BT_IMAGEFILE;
  return S_OK;
}

HRESULT GetThemePosition(HTHEME theme, int, int, int propId, POINT* point) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, point, record); hr != S_OK) return hr;
  if (propId != TMT_OFFSET && propId != TMT_TEXTSHADOWOFFSET) return E_PROP_ID_UNSUPPORTED;
  *point = {0, 0};
  return S_OK;
}

HRESULT GetThemeFont(HTHEME theme, HDC, int, int, int propId, LOGFONT* font) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, font, record); hr != S_OK) return hr;
  if (record->Class != tcWindow || (propId != TMT_CAPTIONFONT && propId != TMT_SMALLCAPTIONFONT))
    return E_PROP_ID_UNSUPPORTED;
  DefaultFont(font, true);
  return S_OK;
}

HRESULT GetThemeRect(HTHEME theme, int, int, int, RECT* rect) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, rect, record); hr != S_OK) return hr;
  return E_PROP_ID_UNSUPPORTED;
}

HRESULT GetThemeMargins(HTHEME theme, HDC, int partId, int stateId, int propId, const RECT*, MARGINS* margins) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, margins, record); hr != S_OK) return hr;
  switch (propId) {
    case TMT_CONTENTMARGINS: case TMT_SIZINGMARGINS: *margins = ContentMargins(record->Class, partId, stateId); return S_OK;
    case TMT_CAPTIONMARGINS: *margins = {}; return S_OK;
  }
  return E_PROP_ID_UNSUPPORTED;
}

HRESULT GetThemeIntList(HTHEME theme, int, int, int, INTLIST* list) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, list, record); hr != S_OK) return hr;
  return E_PROP_ID_UNSUPPORTED;
}

HRESULT GetThemePropertyOrigin(HTHEME theme, int partId, int stateId, int propId, PROPERTYORIGIN* origin) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, origin, record); hr != S_OK) return hr;
  COLORREF c;
  *origin = PartColor(record->Class, partId, stateId, propId, c) ? PO_PART : PO_NOTFOUND;
  return S_OK;
}

HRESULT GetThemeString(HTHEME theme, int, int, int, LPWSTR buffer, int) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, buffer, record); hr != S_OK) return hr;
  return E_PROP_ID_UNSUPPORTED;
}

HRESULT GetThemeFilename(HTHEME theme, int, int, int, LPWSTR buffer, int) {
  const TThemeRecord* record;
  if (HRESULT hr = Check(theme, buffer, record); hr != S_OK) return hr;
  return E_PROP_ID_UNSUPPORTED;
}

COLORREF GetThemeSysColor(HTHEME, int colorId) { return GetSysColor(colorId); }
HBRUSH GetThemeSysColorBrush(HTHEME, int colorId) { return GetSysColorBrush(colorId); }
// The style's menus are not flat, and it sets no other system switch.
BOOL GetThemeSysBool(HTHEME, int) { return FALSE; }

int GetThemeSysSize(HTHEME, int sizeId) {
  switch (sizeId) {
    case TMT_SIZINGBORDERWIDTH: return GetSystemMetrics(SM_CXFRAME);
    case TMT_SCROLLBARWIDTH: return GetSystemMetrics(SM_CXVSCROLL);
    case TMT_SCROLLBARHEIGHT: return GetSystemMetrics(SM_CYHSCROLL);
    case TMT_CAPTIONBARWIDTH: return GetSystemMetrics(SM_CXSIZE);
    case TMT_CAPTIONBARHEIGHT: return GetSystemMetrics(SM_CYSIZE);
    case TMT_SMCAPTIONBARWIDTH: return GetSystemMetrics(SM_CXSMSIZE);
    case TMT_SMCAPTIONBARHEIGHT: return GetSystemMetrics(SM_CYSMSIZE);
    case TMT_MENUBARWIDTH: return GetSystemMetrics(SM_CXMENUSIZE);
    case TMT_MENUBARHEIGHT: return GetSystemMetrics(SM_CYMENUSIZE);
  }
  return 0;
}

HRESULT GetThemeSysFont(HTHEME, int fontId, LOGFONT* font) {
  if (!font) return E_POINTER;
  if (fontId < TMT_CAPTIONFONT || fontId > TMT_ICONTITLEFONT) return E_PROP_ID_UNSUPPORTED;
  DefaultFont(font, fontId == TMT_CAPTIONFONT || fontId == TMT_SMALLCAPTIONFONT);
  return S_OK;
}

HRESULT GetThemeSysString(HTHEME, int, LPWSTR buffer, int) { return buffer ? E_PROP_ID_UNSUPPORTED : E_POINTER; }

HRESULT GetThemeSysInt(HTHEME, int intId, int* value) {
  if (!value) return E_POINTER;
  if (intId != TMT_MINCOLORDEPTH) return E_PROP_ID_UNSUPPORTED;
  *value = 16;
  return S_OK;
}

}  // namespace UxTheme
