// The pictures of the unit's cursors (32 x 32, monochrome) and their loading into the screen's
// cursor table. Each picture is drawn in black from a few shapes and gets a white halo, so that it
// shows on any background; the pointer-based ones add the usual arrow.
#include <cstdlib>
#include <cstring>

#include "Forms.h"
#include "Resources.h"
#include "WinCursor.h"
#include "cxControlsUnit.h"
#include "cxControlsUtils.h"

namespace cxControls {

namespace {

constexpr int Size = 32;

class TCursorPicture {
 public:
  TCursorPicture() { std::memset(FPixels, ' ', sizeof FPixels); }

  void Set(int x, int y, char c) {
    if (x >= 0 && x < Size && y >= 0 && y < Size) FPixels[y][x] = c;
  }
  void Fill(int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) Set(x, y, '#');
  }
  void Frame(int left, int top, int right, int bottom) {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        Set(x, y, x == left || x == right - 1 || y == top || y == bottom - 1 ? '#' : 'o');
  }
  // A filled triangle pointing from the base centred at (cx, cy) a length `length` towards (dx, dy).
  void Triangle(int cx, int cy, int dx, int dy, int length) {
    for (int i = 0; i < length; ++i) {
      const int half = length - 1 - i;
      for (int j = -half; j <= half; ++j) Set(cx + dx * i + dy * j, cy + dy * i + dx * j, '#');
    }
  }
  void Disc(int cx, int cy, int radius) {
    for (int y = -radius; y <= radius; ++y)
      for (int x = -radius; x <= radius; ++x)
        if (x * x + y * y <= radius * radius + radius / 2) Set(cx + x, cy + y, '#');
  }
  void Ring(int cx, int cy, int radius, int width) {
    for (int y = -radius; y <= radius; ++y)
      for (int x = -radius; x <= radius; ++x) {
        const int d = x * x + y * y;
        if (d <= radius * radius + radius / 2 && d > (radius - width) * (radius - width)) Set(cx + x, cy + y, '#');
      }
  }
  // A line of the given width from (x0, y0) to (x1, y1).
  void Line(int x0, int y0, int x1, int y1, int width) {
    const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
    for (int i = 0; i <= steps; ++i) {
      const int x = x0 + (x1 - x0) * i / std::max(steps, 1), y = y0 + (y1 - y0) * i / std::max(steps, 1);
      Fill(x - width / 2, y - width / 2, x - width / 2 + width, y - width / 2 + width);
    }
  }
  // The usual pointer, its tip at the top left corner.
  void Pointer() {
    static const char* const rows[] = {"#",          "##",         "#o#",       "#oo#",     "#ooo#",
                                       "#oooo#",     "#ooooo#",    "#oooooo#",  "#ooooooo#", "#oooooooo#",
                                       "#ooooo#####", "#oo#oo#",   "#o# #oo#",  "##  #oo#", "#    #oo#",
                                       "     #oo#",  "      #oo#", "      #oo#", "       ##"};
    int y = 0;
    for (const char* row : rows) {
      for (int x = 0; row[x]; ++x)
        if (row[x] != ' ') Set(x, y, row[x]);
      ++y;
    }
  }
  // White around every black pixel that has none yet, so the picture shows on dark backgrounds too.
  void Halo() {
    char copy[Size][Size];
    std::memcpy(copy, FPixels, sizeof FPixels);
    for (int y = 0; y < Size; ++y)
      for (int x = 0; x < Size; ++x) {
        if (copy[y][x] != ' ') continue;
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx >= 0 && nx < Size && ny >= 0 && ny < Size && copy[ny][nx] == '#') FPixels[y][x] = 'o';
          }
      }
  }
  // Registers the picture as the program's cursor resource of that name.
  void Register(const char* AName, int AHotX, int AHotY) const {
    BYTE andMask[Size * Size / 8], xorMask[Size * Size / 8];
    std::memset(andMask, 0xFF, sizeof andMask);
    std::memset(xorMask, 0, sizeof xorMask);
    for (int y = 0; y < Size; ++y)
      for (int x = 0; x < Size; ++x) {
        const int index = y * Size / 8 + x / 8;
        const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
        if (FPixels[y][x] == ' ') continue;
        andMask[index] &= static_cast<BYTE>(~bit);
        if (FPixels[y][x] == 'o') xorMask[index] |= bit;
      }
    RegisterCursorResource(AName, AHotX, AHotY, andMask, xorMask);
  }

 private:
  char FPixels[Size][Size];
};

// The scroll arrows around a centre dot, as panning shows which ways it goes.
TCursorPicture ScrollPicture(bool ALeft, bool AUp, bool ARight, bool ADown) {
  TCursorPicture p;
  p.Disc(15, 15, 2);
  if (ALeft) p.Triangle(8, 15, -1, 0, 5);
  if (ARight) p.Triangle(22, 15, 1, 0, 5);
  if (AUp) p.Triangle(15, 8, 0, -1, 5);
  if (ADown) p.Triangle(15, 22, 0, 1, 5);
  p.Halo();
  return p;
}

// A splitter bar with arrows both ways across it.
TCursorPicture SizePicture(bool AVertical) {
  TCursorPicture p;
  if (AVertical) {
    p.Fill(6, 14, 26, 16);
    p.Line(15, 6, 15, 11, 2);
    p.Line(15, 19, 15, 24, 2);
    p.Triangle(15, 8, 0, -1, 5);
    p.Triangle(15, 22, 0, 1, 5);
  } else {
    p.Fill(14, 6, 16, 26);
    p.Line(6, 15, 11, 15, 2);
    p.Line(19, 15, 24, 15, 2);
    p.Triangle(8, 15, -1, 0, 5);
    p.Triangle(22, 15, 1, 0, 5);
  }
  p.Halo();
  return p;
}

// The pointer with a small sign at its lower right: a box, stacked boxes, a plus or a cross.
enum TPointerSign { psBox, psBoxes, psCopy, psRemove };

TCursorPicture PointerPicture(TPointerSign ASign) {
  TCursorPicture p;
  switch (ASign) {
    case psBoxes:
      p.Frame(14, 19, 25, 27);
      p.Frame(11, 22, 22, 30);
      break;
    case psCopy:
      p.Frame(11, 20, 22, 29);
      p.Frame(18, 24, 27, 32);
      p.Fill(20, 27, 25, 28);
      p.Fill(22, 25, 23, 30);
      break;
    case psRemove:
      p.Line(13, 20, 22, 29, 2);
      p.Line(22, 20, 13, 29, 2);
      break;
    default: p.Frame(11, 20, 22, 29); break;
  }
  p.Halo();
  p.Pointer();
  return p;
}

TCursorPicture NoDropPicture() {
  TCursorPicture p;
  p.Ring(15, 15, 9, 3);
  p.Line(9, 21, 21, 9, 3);
  p.Halo();
  return p;
}

// A pipette, its tip at the lower left.
TCursorPicture ColorPickerPicture() {
  TCursorPicture p;
  p.Line(2, 29, 6, 25, 1);
  p.Line(6, 25, 17, 14, 3);
  p.Line(14, 11, 20, 17, 2);
  p.Disc(22, 9, 4);
  p.Halo();
  return p;
}

}  // namespace

void LoadControlsCursors() {
  struct TCursorEntry {
    TCursor Index;
    const char* Name;
    TCursorPicture Picture;
    int HotX, HotY;
  };
  const TCursorEntry cursors[] = {
      {crcxDragCopy, "CX_DRAGCOPYCURSOR", PointerPicture(psCopy), 0, 0},
      {crcxFullScroll, "CX_FULLSCROLLCURSOR", ScrollPicture(true, true, true, true), 15, 15},
      {crcxHorScroll, "CX_HORSCROLLCURSOR", ScrollPicture(true, false, true, false), 15, 15},
      {crcxVerScroll, "CX_VERSCROLLCURSOR", ScrollPicture(false, true, false, true), 15, 15},
      {crcxUpScroll, "CX_UPSCROLLCURSOR", ScrollPicture(false, true, false, false), 15, 15},
      {crcxRightScroll, "CX_RIGHTSCROLLCURSOR", ScrollPicture(false, false, true, false), 15, 15},
      {crcxDownScroll, "CX_DOWNSCROLLCURSOR", ScrollPicture(false, false, false, true), 15, 15},
      {crcxLeftScroll, "CX_LEFTSCROLLCURSOR", ScrollPicture(true, false, false, false), 15, 15},
      {crcxRemove, "CX_REMOVECURSOR", PointerPicture(psRemove), 0, 0},
      {crcxVertSize, "CX_VERTSIZECURSOR", SizePicture(true), 15, 15},
      {crcxHorzSize, "CX_HORZSIZECURSOR", SizePicture(false), 15, 15},
      {crcxMultiDrag, "CX_MULTIDRAGCURSOR", PointerPicture(psBoxes), 0, 0},
      {crcxNoDrop, "CX_NODROPCURSOR", NoDropPicture(), 15, 15},
      {crcxDrag, "CX_DRAGCURSOR", PointerPicture(psBox), 0, 0},
      {crcxColorPicker, "CX_COLORPICKERCURSOR", ColorPickerPicture(), 2, 29},
  };
  for (const TCursorEntry& c : cursors) {
    c.Picture.Register(c.Name, c.HotX, c.HotY);
    Screen->SetCursors(c.Index, LoadCursor(HInstance, c.Name));
  }
  Screen->SetCursors(crcxHandPoint, LoadCursor(nullptr, IDC_HAND));
}

}  // namespace cxControls
