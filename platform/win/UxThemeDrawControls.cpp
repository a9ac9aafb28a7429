// Themed drawing of buttons (push, check, radio, group), edits, combo-box buttons, spin buttons,
// headers and tabs.
#include <algorithm>

#include "UxThemeInternals.h"
#include "WinUserDraw.h"

namespace UxThemeInternals {

namespace {

// Normal, hot, pressed, disabled of a four-state family.
int Phase(int state) { return std::clamp((state - 1) % 4, 0, 3); }

void DrawPushButton(HDC dc, int state, const RECT& r) {
  const TThemePalette& p = Palette();
  switch (state) {
    case PBS_HOT: DrawButtonFace(dc, r, p.Frame, p.Face1, p.Face2, p.Hot1, p.Hot2, true); break;
    case PBS_PRESSED: DrawButtonFace(dc, r, p.Frame, p.Face2, p.Pressed2, 0, 0, false); break;
    case PBS_DISABLED: DrawButtonFace(dc, r, p.DisabledFrame, p.DisabledFace, p.DisabledFace, 0, 0, false); break;
    case PBS_DEFAULTED: DrawButtonFace(dc, r, p.Frame, p.Face1, p.Face2, p.Default1, p.Default2, true); break;
    default: DrawButtonFace(dc, r, p.Frame, p.Face1, p.Face2, 0, 0, false); break;
  }
}

// The 13 x 13 box of check boxes and radio buttons, centred in r.
RECT GlyphBox(const RECT& r) {
  int x = r.left + (r.right - r.left - 13) / 2, y = r.top + (r.bottom - r.top - 13) / 2;
  return {x, y, x + 13, y + 13};
}

void DrawBoxFace(HDC dc, const RECT& box, int phase) {
  const TThemePalette& p = Palette();
  RECT inner{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
  if (phase == 3) FillSolid(dc, inner, p.DisabledFace);
  else if (phase == 2) FillGradient(dc, inner, p.Pressed2, p.Face1);
  else FillGradient(dc, inner, p.Face2, p.Face1);
  if (phase == 1) {
    RECT ring{inner.left, inner.top, inner.right, inner.bottom};
    FrameRounded(dc, ring, p.Hot2, false);
    InflateRect(&ring, -1, -1);
    FrameRounded(dc, ring, p.Hot1, false);
  }
  FrameRounded(dc, box, phase == 3 ? p.DisabledFrame : p.Frame, false);
}

void DrawCheckBox(HDC dc, int state, const RECT& r) {
  const TThemePalette& p = Palette();
  RECT box = GlyphBox(r);
  int phase = Phase(state);
  DrawBoxFace(dc, box, phase);
  COLORREF mark = phase == 3 ? p.DisabledText : p.Mark;
  if (state >= CBS_MIXEDNORMAL) FillSolid(dc, {box.left + 3, box.top + 3, box.right - 3, box.bottom - 3}, mark);
  else if (state >= CBS_CHECKEDNORMAL) DrawCheckGlyph(dc, box, mark);
}

// A disc of one colour filling the ellipse inscribed in r.
void FillDisc(HDC dc, const RECT& r, COLORREF color) {
  HRGN disc = CreateEllipticRgn(r.left, r.top, r.right, r.bottom);
  HBRUSH brush = CreateSolidBrush(color);
  FillRgn(dc, disc, brush);
  DeleteObject(brush);
  DeleteObject(disc);
}

// The radio button is round in every state: the face is a disc, the hot highlight two rings inside
// the outline (each the rim of a disc drawn under a smaller one), the check a disc in the middle.
void DrawRadio(HDC dc, int state, const RECT& r) {
  const TThemePalette& p = Palette();
  RECT box = GlyphBox(r);
  int phase = Phase(state);
  // Each disc is drawn whole under the next, so that no pixel between two rims is left out.
  RECT face = box;
  if (phase == 1) {
    FillDisc(dc, face, p.Hot2);
    InflateRect(&face, -2, -2);
    FillDisc(dc, face, p.Hot1);
    InflateRect(&face, -1, -1);
  }
  HRGN faceDisc = CreateEllipticRgn(face.left, face.top, face.right, face.bottom);
  int saved = SaveDC(dc);
  ExtSelectClipRgn(dc, faceDisc, RGN_AND);
  // The face's gradient spans the whole glyph whatever part of it the rings leave.
  if (phase == 3) FillSolid(dc, box, p.DisabledFace);
  else if (phase == 2) FillGradient(dc, box, p.Pressed2, p.Face1);
  else FillGradient(dc, box, p.Face2, p.Face1);
  RestoreDC(dc, saved);
  DeleteObject(faceDisc);
  HRGN outline = CreateEllipticRgn(box.left, box.top, box.right, box.bottom);
  HBRUSH frame = CreateSolidBrush(phase == 3 ? p.DisabledFrame : p.Frame);
  FrameRgn(dc, outline, frame, 1, 1);
  DeleteObject(frame);
  DeleteObject(outline);
  if (state >= RBS_CHECKEDNORMAL)
    FillDisc(dc, {box.left + 4, box.top + 4, box.right - 3, box.bottom - 3}, phase == 3 ? p.DisabledText : p.Mark);
}

}  // namespace

bool DrawButtonPart(HDC dc, int part, int state, const RECT& r) {
  const TThemePalette& p = Palette();
  switch (part) {
    case BP_PUSHBUTTON: DrawPushButton(dc, state, r); return true;
    case BP_CHECKBOX: DrawCheckBox(dc, state, r); return true;
    case BP_RADIOBUTTON: DrawRadio(dc, state, r); return true;
    case BP_GROUPBOX: FrameRounded(dc, r, state == GBS_DISABLED ? p.DisabledFrame : p.HeaderShade1); return true;
    case BP_USERBUTTON: DrawButtonFace(dc, r, p.Frame, p.Face1, p.Face2, 0, 0, false); return true;
  }
  return false;
}

bool DrawEditPart(TThemeClass cls, HDC dc, int part, int state, const RECT& r) {
  const TThemePalette& p = Palette();
  if (cls == tcEdit || cls == tcListBox) {
    if (part != EP_EDITTEXT && !(cls == tcListBox && part >= 1)) return false;
    COLORREF face = state == ETS_DISABLED || state == ETS_READONLY ? p.DisabledFace : RGB(255, 255, 255);
    FillSolid(dc, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, face);
    FramePlain(dc, r, state == ETS_DISABLED ? p.DisabledFrame : p.EditBorder);
    return true;
  }
  int direction;
  if (cls == tcComboBox) {
    if (part != CP_DROPDOWNBUTTON) return false;
    direction = 1;
  } else {
    if (part < SPNP_UP || part > SPNP_DOWNHORZ) return false;
    direction = part == SPNP_UP ? 0 : part == SPNP_DOWN ? 1 : part == SPNP_UPHORZ ? 3 : 2;
  }
  int phase = Phase(state);
  COLORREF face1 = phase == 1 ? p.AccentHot1 : phase == 2 ? p.Accent2 : p.Accent1;
  COLORREF face2 = phase == 1 ? p.AccentHot2 : phase == 2 ? p.Accent1 : p.Accent2;
  if (phase == 3) face1 = face2 = p.DisabledFace;
  DrawButtonFace(dc, r, phase == 3 ? p.DisabledFrame : p.AccentFrame, face1, face2, 0, 0, false);
  DrawArrowGlyph(dc, r, direction, phase == 3 ? p.DisabledText : p.Glyph);
  return true;
}

bool DrawHeaderPart(HDC dc, int part, int state, const RECT& r) {
  const TThemePalette& p = Palette();
  if (part == HP_HEADERSORTARROW) {
    DrawArrowGlyph(dc, r, state == HSAS_SORTEDDOWN ? 1 : 0, p.HeaderShade2, 4);
    return true;
  }
  if (part < HP_HEADERITEM || part > HP_HEADERITEMRIGHT) return false;
  FillSolid(dc, r, state == HIS_PRESSED ? p.HeaderShade1 : state == HIS_HOT ? p.Face1 : p.HeaderFace);
  // The shaded bottom lines, orange when hot; the separator on the right.
  COLORREF b1 = state == HIS_HOT ? p.Hot2 : p.HeaderShade1, b2 = state == HIS_HOT ? p.Hot2 : p.HeaderShade2;
  FillSolid(dc, {r.left, r.bottom - 3, r.right, r.bottom - 2}, Mix(b1, p.HeaderFace, 50));
  FillSolid(dc, {r.left, r.bottom - 2, r.right, r.bottom - 1}, b1);
  FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, b2);
  if (part != HP_HEADERITEMRIGHT) {
    FillSolid(dc, {r.right - 2, r.top + 3, r.right - 1, r.bottom - 4}, p.HeaderShade1);
    FillSolid(dc, {r.right - 1, r.top + 3, r.right, r.bottom - 4}, RGB(255, 255, 255));
  }
  return true;
}

bool DrawTabPart(HDC dc, int part, int state, const RECT& r) {
  const TThemePalette& p = Palette();
  if (part == TABP_PANE || part == TABP_BODY) {
    FillGradient(dc, r, p.PaneFace, p.TabFace2);
    if (part == TABP_PANE) FramePlain(dc, r, p.TabFrame);
    return true;
  }
  if (part < TABP_TABITEM || part > TABP_TOPTABITEMBOTHEDGE) return false;
  bool selected = state == TIS_SELECTED;
  RECT face{r.left + 1, r.top + 1, r.right - 1, selected ? r.bottom : r.bottom - 1};
  FillGradient(dc, face, selected ? p.PaneFace : p.TabFace1, selected ? p.PaneFace : p.TabFace2);
  FrameRounded(dc, {r.left, r.top, r.right, r.bottom + 2}, state == TIS_DISABLED ? p.DisabledFrame : p.TabFrame);
  if (selected) FillSolid(dc, {r.left + 1, r.bottom - 1, r.right - 1, r.bottom + 2}, p.PaneFace);
  if (state == TIS_HOT || selected) {
    // The warm line along the top of a hot or selected tab.
    FillSolid(dc, {r.left + 1, r.top, r.right - 1, r.top + 1}, p.Hot2);
    FillSolid(dc, {r.left, r.top + 1, r.right, r.top + 3}, p.TabHotLine);
  }
  return true;
}

}  // namespace UxThemeInternals
