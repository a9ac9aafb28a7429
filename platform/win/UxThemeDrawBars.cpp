// Themed drawing of scroll bars, toolbars, rebars and status bars, progress and track bars, window
// captions, frames and caption buttons, tooltips, menus, tree and list views and explorer bars.
#include <algorithm>

#include "UxThemeInternals.h"
#include "WinUserDraw.h"

namespace UxThemeInternals {

namespace {

int Phase(int state) { return std::clamp((state - 1) % 4, 0, 3); }

void DrawAccentButton(HDC dc, const RECT& r, int phase) {
  const TThemePalette& p = Palette();
  if (phase == 3) return DrawButtonFace(dc, r, p.DisabledFrame, p.DisabledFace, p.DisabledFace, 0, 0, false);
  COLORREF f1 = phase == 1 ? p.AccentHot1 : phase == 2 ? p.Accent2 : p.Accent1;
  COLORREF f2 = phase == 1 ? p.AccentHot2 : phase == 2 ? p.Accent1 : p.Accent2;
  DrawButtonFace(dc, r, p.AccentFrame, f1, f2, 0, 0, false);
}

// Three or four short grip lines across the middle of a thumb.
void DrawGrip(HDC dc, const RECT& r, bool vertical, COLORREF dark) {
  int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  for (int i = -3; i <= 3; i += 2) {
    RECT line = vertical ? RECT{cx - 3, cy + i, cx + 4, cy + i + 1} : RECT{cx + i, cy - 3, cx + i + 1, cy + 4};
    FillSolid(dc, line, RGB(255, 255, 255));
    OffsetRect(&line, 1, 1);
    FillSolid(dc, line, dark);
  }
}

}  // namespace

bool DrawScrollBarPart(HDC dc, int part, int state, const RECT& r) {
  const TThemePalette& p = Palette();
  switch (part) {
    case SBP_ARROWBTN: {
      DrawAccentButton(dc, r, Phase(state));
      int direction = std::clamp((state - 1) / 4, 0, 3);
      DrawArrowGlyph(dc, r, direction, Phase(state) == 3 ? p.DisabledText : p.Glyph);
      return true;
    }
    case SBP_THUMBBTNHORZ: case SBP_THUMBBTNVERT: DrawAccentButton(dc, r, Phase(state)); return true;
    case SBP_LOWERTRACKHORZ: case SBP_UPPERTRACKHORZ: case SBP_LOWERTRACKVERT: case SBP_UPPERTRACKVERT:
      FillSolid(dc, r, state == SCRBS_PRESSED ? Mix(p.Track, p.Accent2, 60) : p.Track);
      return true;
    case SBP_GRIPPERHORZ: case SBP_GRIPPERVERT:
      DrawGrip(dc, r, part == SBP_GRIPPERVERT, p.AccentFrame);
      return true;
    case SBP_SIZEBOX:
      for (int i = 0; i < 3; ++i)
        for (int j = 0; j <= i; ++j) {
          int x = r.right - 4 - 4 * j, y = r.bottom - 4 - 4 * (i - j);
          if (state == SZB_LEFTALIGN) x = r.left + 1 + 4 * j;
          FillSolid(dc, {x + 1, y + 1, x + 3, y + 3}, RGB(255, 255, 255));
          FillSolid(dc, {x, y, x + 2, y + 2}, p.HeaderShade2);
        }
      return true;
  }
  return false;
}

bool DrawToolBarPart(TThemeClass cls, HDC dc, int part, int state, const RECT& r) {
  const TThemePalette& p = Palette();
  if (cls == tcToolBar) {
    if (part == TP_SEPARATOR || part == TP_SEPARATORVERT) {
      int c = part == TP_SEPARATOR ? (r.left + r.right) / 2 : (r.top + r.bottom) / 2;
      RECT line = part == TP_SEPARATOR ? RECT{c, r.top + 2, c + 1, r.bottom - 2} : RECT{r.left + 2, c, r.right - 2, c + 1};
      FillSolid(dc, line, p.HeaderShade2);
      return true;
    }
    if (part < TP_BUTTON || part > TP_SPLITBUTTONDROPDOWN) return false;
    // Flat when normal: the look shows a face only where the pointer is or the button is down.
    if (state == TS_HOT || state == TS_HOTCHECKED)
      DrawButtonFace(dc, r, p.TabFrame, p.Face1, p.Face2, 0, 0, false);
    else if (state == TS_PRESSED || state == TS_CHECKED)
      DrawButtonFace(dc, r, p.TabFrame, p.Pressed2, p.Face1, 0, 0, false);
    if (part == TP_SPLITBUTTONDROPDOWN || part == TP_DROPDOWNBUTTON) {
      RECT arrow = r;
      if (part == TP_DROPDOWNBUTTON) arrow.left = arrow.right - 10;
      DrawArrowGlyph(dc, arrow, 1, state == TS_DISABLED ? p.DisabledText : p.Text, 3);
    }
    return true;
  }
  if (cls == tcRebar) {
    if (part == RP_GRIPPER || part == RP_GRIPPERVERT) {
      bool vert = part == RP_GRIPPERVERT;
      for (int k = vert ? r.left + 2 : r.top + 2; k + 2 <= (vert ? r.right - 2 : r.bottom - 2); k += 4) {
        RECT dot = vert ? RECT{k, r.top + 1, k + 2, r.top + 3} : RECT{r.left + 1, k, r.left + 3, k + 2};
        FillSolid(dc, {dot.left + 1, dot.top + 1, dot.right + 1, dot.bottom + 1}, RGB(255, 255, 255));
        FillSolid(dc, dot, p.HeaderShade2);
      }
      return true;
    }
    if (part == RP_BAND) { FillGradient(dc, r, p.Face1, p.HeaderFace); return true; }
    if (part == RP_CHEVRON || part == RP_CHEVRONVERT) {
      if (state == 2 || state == 3) DrawButtonFace(dc, r, p.TabFrame, p.Face1, p.Face2, 0, 0, false);
      DrawArrowGlyph(dc, r, part == RP_CHEVRON ? 3 : 1, p.Text, 3);
      return true;
    }
    return false;
  }
  // Status bar.
  if (part == SP_PANE || part == SP_GRIPPERPANE) {
    FillSolid(dc, {r.right - 1, r.top + 2, r.right, r.bottom - 2}, p.HeaderShade1);
    return true;
  }
  if (part == SP_GRIPPER) return DrawScrollBarPart(dc, SBP_SIZEBOX, SZB_RIGHTALIGN, r);
  return false;
}

bool DrawProgressPart(TThemeClass cls, HDC dc, int part, int state, const RECT& r) {
  const TThemePalette& p = Palette();
  if (cls == tcProgress) {
    if (part == PP_BAR || part == PP_BARVERT) {
      FillSolid(dc, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, RGB(255, 255, 255));
      FrameRounded(dc, r, p.HeaderShade2);
      return true;
    }
    if (part == PP_CHUNK || part == PP_CHUNKVERT) {
      FillGradient(dc, r, p.Chunk1, p.Chunk2, part == PP_CHUNK);
      return true;
    }
    return false;
  }
  if (part == TKP_TRACK || part == TKP_TRACKVERT) {
    FillSolid(dc, r, p.HeaderFace);
    FramePlain(dc, r, p.HeaderShade2);
    return true;
  }
  if (part >= TKP_THUMB && part <= TKP_THUMBRIGHT) {
    COLORREF ring = state == TUS_HOT || state == TUS_PRESSED ? p.Hot2 : p.Chunk2;
    FillGradient(dc, r, p.Face1, p.Face2);
    FrameRounded(dc, r, state == TUS_DISABLED ? p.DisabledFrame : p.TabFrame);
    FillSolid(dc, {r.left + 1, r.bottom - 3, r.right - 1, r.bottom - 1}, ring);
    return true;
  }
  if (part == TKP_TICS || part == TKP_TICSVERT) { FillSolid(dc, r, p.Text); return true; }
  return false;
}

bool DrawWindowPart(HDC dc, int part, int state, const RECT& r) {
  const TThemePalette& p = Palette();
  switch (part) {
    case WP_CAPTION: case WP_SMALLCAPTION: case WP_MINCAPTION: case WP_SMALLMINCAPTION: case WP_MAXCAPTION:
    case WP_SMALLMAXCAPTION: {
      bool active = state != CS_INACTIVE;
      FillGradient(dc, r, active ? p.Caption2 : p.CaptionInactive2, active ? p.Caption1 : p.CaptionInactive1);
      FillSolid(dc, {r.left, r.top, r.right, r.top + 1}, Mix(active ? p.Caption2 : p.CaptionInactive2, RGB(255, 255, 255), 50));
      return true;
    }
    case WP_FRAMELEFT: case WP_FRAMERIGHT: case WP_FRAMEBOTTOM: case WP_SMALLFRAMELEFT: case WP_SMALLFRAMERIGHT:
    case WP_SMALLFRAMEBOTTOM:
      FillSolid(dc, r, state == FS_INACTIVE ? p.CaptionInactive1 : p.Caption1);
      return true;
    case WP_DIALOG: FillSolid(dc, r, GetSysColor(COLOR_BTNFACE)); return true;
    case WP_MINBUTTON: case WP_MDIMINBUTTON: case WP_MAXBUTTON: case WP_CLOSEBUTTON: case WP_SMALLCLOSEBUTTON:
    case WP_MDICLOSEBUTTON: case WP_RESTOREBUTTON: case WP_MDIRESTOREBUTTON: case WP_HELPBUTTON:
    case WP_MDIHELPBUTTON: case WP_SYSBUTTON: case WP_MDISYSBUTTON: {
      bool close = part == WP_CLOSEBUTTON || part == WP_SMALLCLOSEBUTTON || part == WP_MDICLOSEBUTTON;
      int phase = Phase(state);
      COLORREF f1 = close ? p.Close1 : p.Caption2, f2 = close ? p.Close2 : p.Caption1;
      if (phase == 1) f1 = Mix(f1, RGB(255, 255, 255), 70);
      if (phase == 2) std::swap(f1, f2);
      if (phase == 3) f1 = f2 = p.CaptionInactive1;
      DrawButtonFace(dc, r, RGB(255, 255, 255), f1, f2, 0, 0, false);
      COLORREF g = p.CaptionText;
      int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2, k = std::max(2, (r.right - r.left) / 4);
      if (close) {
        for (int i = -k; i <= k; ++i) {
          FillSolid(dc, {cx + i - 1, cy + i, cx + i + 1, cy + i + 1}, g);
          FillSolid(dc, {cx + i - 1, cy - i, cx + i + 1, cy - i + 1}, g);
        }
      } else if (part == WP_MINBUTTON || part == WP_MDIMINBUTTON) {
        FillSolid(dc, {cx - k, cy + k - 2, cx, cy + k + 1}, g);
      } else if (part == WP_MAXBUTTON) {
        FramePlain(dc, {cx - k, cy - k, cx + k + 1, cy + k + 1}, g);
        FillSolid(dc, {cx - k, cy - k, cx + k + 1, cy - k + 3}, g);
      } else if (part == WP_RESTOREBUTTON || part == WP_MDIRESTOREBUTTON) {
        FramePlain(dc, {cx - k + 2, cy - k, cx + k + 1, cy + k - 1}, g);
        FillSolid(dc, {cx - k, cy - k + 3, cx + k - 1, cy + k + 1}, f2);
        FramePlain(dc, {cx - k, cy - k + 3, cx + k - 1, cy + k + 1}, g);
      } else if (part == WP_HELPBUTTON || part == WP_MDIHELPBUTTON) {
        FillSolid(dc, {cx - 2, cy - k, cx + 2, cy - k + 2}, g);
        FillSolid(dc, {cx, cy - k + 2, cx + 2, cy}, g);
        FillSolid(dc, {cx - 1, cy + 1, cx + 1, cy + 2}, g);
        FillSolid(dc, {cx - 1, cy + k - 1, cx + 1, cy + k + 1}, g);
      }
      return true;
    }
  }
  return false;
}

bool DrawMiscPart(TThemeClass cls, HDC dc, int part, int state, const RECT& r) {
  const TThemePalette& p = Palette();
  switch (cls) {
    case tcToolTip:
      if (part == TTP_CLOSE) {
        DrawButtonFace(dc, r, p.ToolTipFrame, p.ToolTipFace, state == TTCS_HOT ? p.Hot1 : p.ToolTipFace, 0, 0, false);
        for (int i = -3; i <= 3; ++i) {
          int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
          FillSolid(dc, {cx + i, cy + i, cx + i + 1, cy + i + 1}, p.Text);
          FillSolid(dc, {cx + i, cy - i, cx + i + 1, cy - i + 1}, p.Text);
        }
        return true;
      }
      if (part < TTP_STANDARD || part > TTP_BALLOONTITLE) return false;
      FillGradient(dc, r, RGB(255, 255, 255), p.ToolTipFace);
      FrameRounded(dc, r, p.ToolTipFrame, part >= TTP_BALLOON);
      return true;
    case tcMenu:
      if (part == MP_SEPARATOR) {
        FillSolid(dc, {r.left, (r.top + r.bottom) / 2, r.right, (r.top + r.bottom) / 2 + 1}, p.HeaderShade2);
        return true;
      }
      if (part < MP_MENUITEM || part > MP_CHEVRON) return false;
      FillSolid(dc, r, state == MS_SELECTED ? GetSysColor(COLOR_HIGHLIGHT) : GetSysColor(COLOR_MENU));
      return true;
    case tcListView:
      if (part < LVP_LISTITEM || part > LVP_EMPTYTEXT) return false;
      if (part != LVP_LISTITEM) {
        // Every part but the items draws the list's own background, framed as the edit controls are.
        FillSolid(dc, r, RGB(255, 255, 255));
        FramePlain(dc, r, p.EditBorder);
      } else if (state == LIS_SELECTED) {
        FillSolid(dc, r, GetSysColor(COLOR_HIGHLIGHT));
      } else if (state == LIS_SELECTEDNOTFOCUS) {
        FillSolid(dc, r, GetSysColor(COLOR_BTNFACE));
      } else {
        FillSolid(dc, r, RGB(255, 255, 255));
      }
      return true;
    case tcTreeView:
      if (part == TVP_GLYPH) {
        RECT box{(r.left + r.right) / 2 - 4, (r.top + r.bottom) / 2 - 4, (r.left + r.right) / 2 + 5,
                 (r.top + r.bottom) / 2 + 5};
        FillGradient(dc, box, RGB(255, 255, 255), p.Face2);
        FramePlain(dc, box, p.EditBorder);
        FillSolid(dc, {box.left + 2, box.top + 4, box.right - 2, box.top + 5}, p.Text);
        if (state == GLPS_CLOSED) FillSolid(dc, {box.left + 4, box.top + 2, box.left + 5, box.bottom - 2}, p.Text);
        return true;
      }
      if (part == TVP_TREEITEM || part == TVP_BRANCH) { FillSolid(dc, r, RGB(255, 255, 255)); return true; }
      return false;
    case tcExplorerBar:
      if (part < EBP_HEADERBACKGROUND || part > EBP_SPECIALGROUPHEAD) return false;
      if (part == EBP_NORMALGROUPCOLLAPSE || part == EBP_NORMALGROUPEXPAND || part == EBP_SPECIALGROUPCOLLAPSE ||
          part == EBP_SPECIALGROUPEXPAND) {
        DrawAccentButton(dc, r, Phase(state));
        DrawArrowGlyph(dc, r, part == EBP_NORMALGROUPEXPAND || part == EBP_SPECIALGROUPEXPAND ? 1 : 0, p.Glyph);
      } else if (part == EBP_NORMALGROUPHEAD || part == EBP_SPECIALGROUPHEAD) {
        FillGradient(dc, r, RGB(255, 255, 255), p.Accent2, false);
      } else {
        FillSolid(dc, r, p.Accent1);
      }
      return true;
    case tcPage:
      FillGradient(dc, r, p.PaneFace, p.TabFace2);
      return true;
    default:
      // The desktop's own bars (start panel, task band, clock, tray): a plain accent band.
      if (part < 1) return false;
      FillGradient(dc, r, p.Caption2, p.Caption1);
      return true;
  }
}

}  // namespace UxThemeInternals
