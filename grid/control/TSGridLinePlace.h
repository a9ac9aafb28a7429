// What a column layer and a row layer share: their place in the grid (to repaint the line, to tell
// whether it holds the current cell, to keep the in-place control up to date) and the setters whose
// side effects differ only by that place. Included by the column and row sources only.
#pragma once

#include <functional>

#include "TSGridTypes.h"

namespace TSGrid {

class TtsBaseGrid;
class TtsCombo;

// A column by its display number, or a row by its data number (its display number is looked up only
// when asked, since rows move). Made on each use; nothing of the grid is read until a member asks.
class TtsLinePlace {
 public:
  static TtsLinePlace Col(TtsBaseGrid* Grid, Integer DisplayCol) { return TtsLinePlace(Grid, true, DisplayCol); }
  static TtsLinePlace Row(TtsBaseGrid* Grid, Integer DataRow) { return TtsLinePlace(Grid, false, DataRow); }

  TtsBaseGrid* Grid() const { return FGrid; }
  bool IsCol() const { return FIsCol; }
  Integer DisplayNumber() const;
  Integer DataNumber() const;
  bool IsCurrent() const;
  // Whether the line is the current cell's line by data number (the editor's mask follows it).
  bool IsCurrentData() const;
  // Repaints the line where it is visible, and the in-place control when the line is current.
  void Redraw() const;
  // Invalidates the whole line, and redisplays the in-place control when the line is current.
  void Repaint() const;
  void Invalidate() const;
  void CheckInvalidate() const;
  // Gives the line its new size in the grid (none while it is hidden) and reports the resize.
  void Resized(Integer Size, bool Visible) const;
  // The grid's list of lines whose font follows the grid automatically.
  TtsIntegerList* FontFollowers() const;

 private:
  TtsLinePlace(TtsBaseGrid* Grid, bool IsCol, Integer Number) : FGrid(Grid), FIsCol(IsCol), FNumber(Number) {}
  TtsBaseGrid* FGrid;
  bool FIsCol;
  Integer FNumber;
};

// ---- The setters of a line layer's own values; each does nothing when the value is already set.
void SetLinePicture(const TtsLinePlace& Place, TtsDrawOption& Own, TtsDrawOption Value);
// A drop-down list shows no buttons of its own, so its lines keep theirs unset.
void SetLineButtonType(const TtsLinePlace& Place, TtsButtonType& Own, TtsButtonType Value);
void SetLineDateTimeDef(const TtsLinePlace& Place, TtsDateTimeDefComponent*& Own, TtsDateTimeDefComponent* Value);
void SetLineDropDownStyle(const TtsLinePlace& Place, TtsCombo* Combo, TtsDropDownStyle& Kept, TtsDropDownStyle Value);
// A line that becomes read-only (or any line while no cell is current) moves the current cell on.
void SetLineReadOnly(const TtsLinePlace& Place, bool& Own, bool Value);
void SetLineMaskName(const TtsLinePlace& Place, String& Own, const String& Value);
// Enters the line in the grid's font followers, or takes it out; true when the line is to drop the
// fonts that only followed the grid.
bool SetLineAutoCreateFont(const TtsLinePlace& Place, bool& Own, bool Value);
// The own font changed in place: the line no longer follows the grid's font.
void LineFontChanged(const TtsLinePlace& Place, bool& ParentFont);
// Unlinks the line's date-time picker and combo from the grid's working ones as the line goes.
void ReleaseLineLinks(TtsBaseGrid* Grid, TtsDateTimeDefComponent*& DateTimeDef);

// The answer of a line's font (the cell font, or a column's heading font): the own copy is made while
// the grid is read or the line follows automatically, and a stale following copy is dropped otherwise.
TFont* FollowedFont(TtsBaseGrid* Grid, TFont*& Own, bool Following, bool AutoCreate, TFont* GridFont,
                    const std::function<void(TFont*)>& Update);

// Sets a line's combo to a copy of Value, by the line's own AssignCombo and ResetCombo steps (nil
// drops it); a drop-down list's lines keep none.
void SetLineCombo(const TtsLinePlace& Place, TtsCombo*& Own, TtsCombo* Value, const std::function<void()>& AssignStep,
                  const std::function<void()>& ResetStep);

}  // namespace TSGrid
