// The masked edit. The window holds the edit text; the control reads it back as one cell per mask
// place, changes the cells as keys, pastes and cuts ask, and writes the edit text again with the
// caret (and selection) at a place. Byte offsets of the window map to places through the widths of
// the shown cells, so a place holding a character of several bytes is still one place.
#include "Mask.h"

#include "Forms.h"
#include "Multibyte.h"
#include "WinUser.h"

namespace Mask {

namespace {

constexpr const char* SMaskEditErr = "Invalid input value.  Use escape key to abandon changes";

// The characters of a text, one whole UTF-8 sequence each.
std::vector<String> Characters(const String& s) {
  std::vector<String> out;
  for (size_t p = 0; p < s.size();) {
    int n = Utf8CharLen(s.data() + p, s.data() + s.size());
    out.emplace_back(s, p, static_cast<size_t>(n));
    p += static_cast<size_t>(n);
  }
  return out;
}

}  // namespace

IMPLEMENT_CLASS(TCustomMaskEdit)

IMPLEMENT_CLASS_PUBLISHED(TMaskEdit) {
  d.Property("Anchors", &TMaskEdit::GetAnchors, &TMaskEdit::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("AutoSelect", &TMaskEdit::GetAutoSelect, &TMaskEdit::SetAutoSelect).Default(true);
  d.Property("AutoSize", &TMaskEdit::GetAutoSize, &TMaskEdit::SetAutoSize).Default(true);
  d.Property("BorderStyle", &TMaskEdit::GetBorderStyle, &TMaskEdit::SetBorderStyle).Default(bsSingle);
  d.Property("CharCase", &TMaskEdit::GetCharCase, &TMaskEdit::SetCharCase).Default(ecNormal);
  d.Property("Color", &TMaskEdit::GetColor, &TMaskEdit::SetColor).Default(clWindow).Type(ColorTypeInfo()).Stored(&TMaskEdit::IsColorStored);
  d.Property("EditMask", &TMaskEdit::GetEditMask, &TMaskEdit::SetEditMask);
  d.Property("Enabled", &TMaskEdit::GetEnabled, &TMaskEdit::SetEnabled).Default(true);
  d.Property("Font", &TMaskEdit::GetFont, &TMaskEdit::SetFont).Stored(&TMaskEdit::IsFontStored);
  d.Property("MaxLength", &TMaskEdit::GetMaxLength, &TMaskEdit::SetMaxLength).Default(0);
  d.Property("ParentColor", &TMaskEdit::GetParentColor, &TMaskEdit::SetParentColor).Default(false);
  d.Property("ParentFont", &TMaskEdit::GetParentFont, &TMaskEdit::SetParentFont).Default(true);
  d.Property("PasswordChar", &TMaskEdit::GetPasswordChar, &TMaskEdit::SetPasswordChar).Default(0);
  d.Property("ReadOnly", &TMaskEdit::GetReadOnly, &TMaskEdit::SetReadOnly).Default(false);
  d.Property("TabOrder", &TMaskEdit::GetTabOrder, &TMaskEdit::SetTabOrder).Default(-1);
  d.Property("TabStop", &TMaskEdit::GetTabStop, &TMaskEdit::SetTabStop).Default(true);
  d.Property("Text", &TMaskEdit::GetText, &TMaskEdit::SetText);
  d.Property("Visible", &TMaskEdit::GetVisible, &TMaskEdit::SetVisible).Default(true);
  d.Property("OnChange", &TMaskEdit::GetOnChange, &TMaskEdit::SetOnChange);
  d.Property("OnClick", &TMaskEdit::GetOnClick, &TMaskEdit::SetOnClick);
  d.Property("OnDblClick", &TMaskEdit::GetOnDblClick, &TMaskEdit::SetOnDblClick);
  d.Property("OnEnter", &TMaskEdit::GetOnEnter, &TMaskEdit::SetOnEnter);
  d.Property("OnExit", &TMaskEdit::GetOnExit, &TMaskEdit::SetOnExit);
  d.Property("OnKeyDown", &TMaskEdit::GetOnKeyDown, &TMaskEdit::SetOnKeyDown);
  d.Property("OnKeyPress", &TMaskEdit::GetOnKeyPress, &TMaskEdit::SetOnKeyPress);
  d.Property("OnKeyUp", &TMaskEdit::GetOnKeyUp, &TMaskEdit::SetOnKeyUp);
  d.Property("OnMouseDown", &TMaskEdit::GetOnMouseDown, &TMaskEdit::SetOnMouseDown);
  d.Property("OnMouseMove", &TMaskEdit::GetOnMouseMove, &TMaskEdit::SetOnMouseMove);
  d.Property("OnMouseUp", &TMaskEdit::GetOnMouseUp, &TMaskEdit::SetOnMouseUp);
}

// ---- Cells and places -------------------------------------------------------------------------------
// The edit text read place by place: a literal place passes over its literal, a data place takes
// one character (the blank character, or a missing one, leaves it empty).
TCustomMaskEdit::TCells TCustomMaskEdit::ReadCells(const String& EditText) const {
  TCells cells(FMask.Places.size());
  size_t p = 0;
  for (size_t i = 0; i < FMask.Places.size(); ++i) {
    const TMaskPlace& place = FMask.Places[i];
    if (place.Literal) {
      if (EditText.compare(p, place.Text.size(), place.Text) == 0) p += place.Text.size();
      continue;
    }
    if (p >= EditText.size()) continue;
    auto n = static_cast<size_t>(Utf8CharLen(EditText.data() + p, EditText.data() + EditText.size()));
    String ch = EditText.substr(p, n);
    p += n;
    if (ch != String(1, FMask.Blank)) cells[i] = ch;
  }
  return cells;
}

String TCustomMaskEdit::Shown(const TCells& Cells) const {
  String out;
  for (size_t i = 0; i < FMask.Places.size(); ++i) {
    const TMaskPlace& place = FMask.Places[i];
    out += place.Literal ? place.Text : Cells[i].empty() ? String(1, FMask.Blank) : Cells[i];
  }
  return out;
}

size_t TCustomMaskEdit::Offset(const TCells& Cells, size_t Place) const {
  size_t offset = 0;
  for (size_t i = 0; i < Place && i < FMask.Places.size(); ++i) {
    const TMaskPlace& place = FMask.Places[i];
    offset += place.Literal ? place.Text.size() : Cells[i].empty() ? 1 : Cells[i].size();
  }
  return offset;
}

// The place starting at or after the byte offset (the place count at the end).
size_t TCustomMaskEdit::PlaceAt(const TCells& Cells, size_t ByteOffset) const {
  for (size_t i = 0; i < FMask.Places.size(); ++i)
    if (Offset(Cells, i) >= ByteOffset) return i;
  return FMask.Places.size();
}

size_t TCustomMaskEdit::NextDataPlace(size_t Place) const {
  while (Place < FMask.Places.size() && FMask.Places[Place].Literal) ++Place;
  return Place;
}

ptrdiff_t TCustomMaskEdit::PrevDataPlace(size_t Place) const {
  auto i = static_cast<ptrdiff_t>(Place) - 1;
  while (i >= 0 && FMask.Places[static_cast<size_t>(i)].Literal) --i;
  return i;
}

void TCustomMaskEdit::Selection(const TCells& Cells, size_t& First, size_t& Last, size_t& Caret) {
  DWORD start = 0, end = 0;
  SendMessage(GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  First = PlaceAt(Cells, start);
  Last = PlaceAt(Cells, end);
  Caret = First;
}

// Writes the cells to the window with the selection from Anchor to Caret (places). A change the
// user made marks the edit modified.
void TCustomMaskEdit::Show(const TCells& Cells, size_t Anchor, size_t Caret, bool ByUser) {
  String text = Shown(Cells);
  bool changed = text != TControl::GetText();
  if (changed) {
    FSettingText = true;
    try {
      Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    } catch (...) {
      FSettingText = false;
      throw;
    }
    FSettingText = false;
  }
  if (!HandleAllocated()) return;
  if (changed && ByUser) SendMessage(FHandle, EM_SETMODIFY, TRUE, 0);
  SendMessage(FHandle, EM_SETSEL, Offset(Cells, Anchor), static_cast<LPARAM>(Offset(Cells, Caret)));
}

// ---- Properties -------------------------------------------------------------------------------------
void TCustomMaskEdit::SetEditMask(const String& Value) {
  if (Value == FEditMask) return;
  // The entered characters in order, read under the old mask (or the whole text without one).
  std::vector<String> data;
  if (IsMasked()) {
    TCells old = ReadCells(TControl::GetText());
    for (size_t i = 0; i < old.size(); ++i)
      if (!FMask.Places[i].Literal) data.push_back(old[i]);
  } else {
    data = Characters(TControl::GetText());
  }
  FEditMask = Value;
  FMask = ParseEditMask(Value);
  if (HandleAllocated()) DoSetMaxLength(FPlainMaxLength);
  if (!IsMasked()) {
    String plain;
    for (const String& ch : data) plain += ch.empty() ? String(" ") : ch;
    Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(plain.c_str()));
    return;
  }
  TCells cells(FMask.Places.size());
  size_t k = 0;
  for (size_t i = 0; i < cells.size() && k < data.size(); ++i)
    if (!FMask.Places[i].Literal) cells[i] = data[k++];
  Show(cells, 0, 0, false);
  FOldValue = Shown(cells);
}

String TCustomMaskEdit::GetEditText() { return TControl::GetText(); }

void TCustomMaskEdit::SetEditText(const String& Value) {
  if (!IsMasked()) {
    TControl::SetText(Value);
    return;
  }
  TCells cells = ReadCells(Value);
  Show(cells, 0, 0, false);
  FOldValue = Shown(cells);
}

String TCustomMaskEdit::GetText() {
  if (!IsMasked()) return TControl::GetText();
  TCells cells = ReadCells(TControl::GetText());
  String out;
  for (size_t i = 0; i < cells.size(); ++i) {
    const TMaskPlace& place = FMask.Places[i];
    if (place.Literal) {
      if (FMask.SaveLiterals) out += place.Text;
    } else {
      out += cells[i].empty() ? String(" ") : cells[i];
    }
  }
  return out;
}

void TCustomMaskEdit::SetText(const String& Value) {
  if (!IsMasked()) {
    TControl::SetText(Value);
    return;
  }
  // The value laid into the mask; a space in a place leaves it blank.
  String formatted = FormatMaskText(FEditMask, Value);
  TCells cells(FMask.Places.size());
  size_t p = 0;
  for (size_t i = 0; i < cells.size() && p < formatted.size(); ++i) {
    const TMaskPlace& place = FMask.Places[i];
    if (place.Literal) {
      p += place.Text.size();
      continue;
    }
    auto n = static_cast<size_t>(Utf8CharLen(formatted.data() + p, formatted.data() + formatted.size()));
    String ch = formatted.substr(p, n);
    p += n;
    if (ch != " ") cells[i] = ch;
  }
  Show(cells, 0, 0, false);
  FOldValue = Shown(cells);
}

Integer TCustomMaskEdit::GetMaxLength() const {
  if (!IsMasked()) return TCustomEdit::GetMaxLength();
  return static_cast<Integer>(FMask.Places.size());
}

void TCustomMaskEdit::SetMaxLength(Integer Value) {
  FPlainMaxLength = std::max(0, Value);
  TCustomEdit::SetMaxLength(Value);
}

// The mask, not a byte count, limits a masked entry.
void TCustomMaskEdit::DoSetMaxLength(Integer Value) { TCustomEdit::DoSetMaxLength(IsMasked() ? 0 : Value); }

void TCustomMaskEdit::CreateWnd() {
  inherited::CreateWnd();
  if (IsMasked()) Show(ReadCells(TControl::GetText()), 0, 0, false);
}

void TCustomMaskEdit::Clear() { SetText(String()); }

// ---- Validation -------------------------------------------------------------------------------------
bool TCustomMaskEdit::Validate(const String& Value, Integer& Pos) {
  TCells cells = ReadCells(Value);
  for (size_t i = 0; i < cells.size(); ++i) {
    const TMaskPlace& place = FMask.Places[i];
    if (place.Literal) continue;
    bool fits = cells[i].empty() ? !MaskPlaceRequired(place)
                                 : MaskPlaceAccepts(place, cells[i]) || (cells[i] == " " && (place.Kind == 'C' || place.Kind == 'c'));
    if (!fits) {
      Pos = static_cast<Integer>(Offset(cells, i));
      return false;
    }
  }
  return true;
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked() || !GetModified()) return;
  Integer pos = 0;
  if (Validate(TControl::GetText(), pos)) return;
  if (HandleAllocated()) {
    if (!Focused() && CanFocus()) SetFocus();
    SendMessage(FHandle, EM_SETSEL, static_cast<WPARAM>(pos), pos);
  }
  throw EDBEditError(SMaskEditErr, pos);
}

void TCustomMaskEdit::Reset() {
  if (!GetModified()) return;
  SetEditText(FOldValue);
  SetModified(false);
}

// ---- Editing ----------------------------------------------------------------------------------------
// Blanks the selected places; false when nothing was selected. First is the first selected place.
bool TCustomMaskEdit::BlankSelection(TCells& Cells, size_t& First) {
  size_t last, caret;
  Selection(Cells, First, last, caret);
  if (First >= last) return false;
  for (size_t i = First; i < last; ++i) Cells[i].clear();
  return true;
}

void TCustomMaskEdit::TypeCharacter(const String& Ch) {
  TCells cells = ReadCells(TControl::GetText());
  size_t pos;
  BlankSelection(cells, pos);
  // A literal typed where it stands steps over it.
  if (pos < cells.size() && FMask.Places[pos].Literal && FMask.Places[pos].Text == Ch) {
    Show(cells, NextDataPlace(pos + 1), NextDataPlace(pos + 1), true);
    return;
  }
  pos = NextDataPlace(pos);
  if (pos >= cells.size()) {
    MessageBeep(0);
    return;
  }
  const TMaskPlace& place = FMask.Places[pos];
  if (MaskPlaceAccepts(place, Ch)) {
    cells[pos] = MaskPlaceCased(place, Ch);
  } else if (Ch == " " && !MaskPlaceRequired(place)) {
    cells[pos].clear();
  } else {
    MessageBeep(0);
    return;
  }
  size_t next = NextDataPlace(pos + 1);
  Show(cells, next, next, true);
}

void TCustomMaskEdit::Backspace() {
  TCells cells = ReadCells(TControl::GetText());
  size_t first;
  if (BlankSelection(cells, first)) {
    Show(cells, first, first, true);
    return;
  }
  ptrdiff_t prev = PrevDataPlace(first);
  if (prev < 0) return;
  cells[static_cast<size_t>(prev)].clear();
  Show(cells, static_cast<size_t>(prev), static_cast<size_t>(prev), true);
}

void TCustomMaskEdit::DeleteKey() {
  TCells cells = ReadCells(TControl::GetText());
  size_t first;
  if (BlankSelection(cells, first)) {
    Show(cells, first, first, true);
    return;
  }
  size_t place = NextDataPlace(first);
  if (place >= cells.size()) return;
  cells[place].clear();
  Show(cells, place, place, true);
}

// Arrows, Home and End move between the data places (literals are skipped); Shift extends the
// selection from its other end.
void TCustomMaskEdit::MoveCaret(Word Key, bool Extend) {
  TCells cells = ReadCells(TControl::GetText());
  DWORD start = 0, end = 0;
  SendMessage(GetHandle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  size_t first = PlaceAt(cells, start), last = PlaceAt(cells, end);
  size_t caret = last, anchor = first;
  size_t n = cells.size();
  switch (Key) {
    case VK_LEFT:
      if (!Extend && first != last) caret = first;
      else if (ptrdiff_t p = PrevDataPlace(caret); p >= 0) caret = static_cast<size_t>(p);
      break;
    case VK_RIGHT:
      if (!Extend && first != last) caret = last;
      else if (caret < n) caret = std::min(n, NextDataPlace(NextDataPlace(caret) + 1));
      break;
    case VK_HOME: caret = NextDataPlace(0); break;
    case VK_END: caret = n; break;
    default: return;
  }
  if (!Extend) anchor = caret;
  Show(cells, anchor, caret, false);
}

// Each character of the text goes to the next place it fits: a literal of the mask where it stands
// is stepped over, a character that fits no place before the next literal is left out.
void TCustomMaskEdit::Paste(const String& Text) {
  TCells cells = ReadCells(TControl::GetText());
  size_t pos;
  BlankSelection(cells, pos);
  bool refused = false;
  for (const String& ch : Characters(Text)) {
    if (pos >= cells.size()) break;
    if (FMask.Places[pos].Literal && FMask.Places[pos].Text == ch) {
      ++pos;
      continue;
    }
    size_t place = NextDataPlace(pos);
    if (place >= cells.size()) break;
    if (MaskPlaceAccepts(FMask.Places[place], ch)) {
      cells[place] = MaskPlaceCased(FMask.Places[place], ch);
    } else if (ch == " " && !MaskPlaceRequired(FMask.Places[place])) {
      cells[place].clear();
    } else {
      refused = true;
      continue;
    }
    pos = place + 1;
  }
  if (refused) MessageBeep(0);
  size_t caret = NextDataPlace(pos);
  Show(cells, caret, caret, true);
}

void TCustomMaskEdit::CutToClipboard() { SendMessage(GetHandle(), WM_CUT, 0, 0); }
void TCustomMaskEdit::PasteFromClipboard() { SendMessage(GetHandle(), WM_PASTE, 0, 0); }

void TCustomMaskEdit::KeyDown(Word& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  if (!IsMasked() || Key == 0) return;
  bool extend = Shift.Contains(ssShift);
  switch (Key) {
    case VK_ESCAPE:
      if (Shift.ToBits() == 0 && GetModified()) {
        Reset();
        Key = 0;
      }
      return;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
      if (Shift.Contains(ssCtrl)) return;
      MoveCaret(Key, extend);
      Key = 0;
      return;
    case VK_DELETE:
      if (Shift.Contains(ssShift)) return;  // cut, through the window's own handling
      if (!GetReadOnly()) DeleteKey();
      Key = 0;
      return;
    default: return;
  }
}

void TCustomMaskEdit::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (!IsMasked() || Key == 0) return;
  auto c = static_cast<unsigned char>(Key);
  if (c == VK_BACK) {
    if (!GetReadOnly()) Backspace();
    Key = 0;
    return;
  }
  if (c < 0x20) return;  // the clipboard and undo control characters
  Key = 0;
  if (GetReadOnly()) return;
  if (c < 0x80) {
    FPending.clear();
    TypeCharacter(String(1, static_cast<char>(c)));
    return;
  }
  // The bytes of one character come one by one; it is typed once whole.
  if ((c & 0xC0) == 0x80 && FPending.empty()) return;
  if ((c & 0xC0) != 0x80) FPending.clear();
  FPending += static_cast<char>(c);
  auto lead = static_cast<unsigned char>(FPending[0]);
  size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (FPending.size() < need) return;
  String ch = FPending;
  FPending.clear();
  TypeCharacter(ch);
}

// ---- Messages ---------------------------------------------------------------------------------------
void TCustomMaskEdit::Dispatch(TMessage& Message) {
  if (!IsMasked()) {
    inherited::Dispatch(Message);
    return;
  }
  switch (Message.Msg) {
    case WM_SETTEXT:
      // Text put in from outside is read as an edit text and shown in the mask's form.
      inherited::Dispatch(Message);
      if (!FSettingText) {
        TCells cells = ReadCells(TControl::GetText());
        if (Shown(cells) != TControl::GetText()) Show(cells, 0, 0, false);
      }
      return;
    case WM_CUT: {
      if (GetReadOnly() || GetPasswordChar()) return;
      TCells cells = ReadCells(TControl::GetText());
      size_t first, last, caret;
      Selection(cells, first, last, caret);
      if (first >= last) return;
      SendMessage(FHandle, WM_COPY, 0, 0);
      for (size_t i = first; i < last; ++i) cells[i].clear();
      Show(cells, first, first, true);
      return;
    }
    case WM_PASTE: {
      String clip;
      if (!GetReadOnly() && GetClipboardText(clip)) Paste(clip);
      return;
    }
    case WM_CLEAR: {
      if (GetReadOnly()) return;
      TCells cells = ReadCells(TControl::GetText());
      size_t first;
      if (BlankSelection(cells, first)) Show(cells, first, first, true);
      return;
    }
    case WM_UNDO:
    case EM_UNDO: Reset(); return;
    case CM_WANTSPECIALKEY:
      // Escape abandons the changes here before it may cancel the form.
      inherited::Dispatch(Message);
      if (Message.WParam == VK_ESCAPE && GetModified()) Message.Result = 1;
      return;
    case CM_ENTER:
      FOldValue = TControl::GetText();
      inherited::Dispatch(Message);
      return;
    case CM_EXIT:
      ValidateEdit();
      inherited::Dispatch(Message);
      return;
    default: inherited::Dispatch(Message);
  }
}

}  // namespace Mask
