// Keeping the combo's list in step with what is typed: finding the row of the typed text (bisection
// in a sorted list, a scan in an unsorted one), the incremental search and first-letter cycling of
// drop-down-list cells, and completing typed text from the list (auto-fill). Texts are compared by
// the locale's collation over byte lengths cut back to whole characters.
#include "TSGridImpl.h"
#include "DateTime.h"
#include "Multibyte.h"

namespace TSGrid {

namespace {

constexpr Cardinal ComboSearchPause = 2000;  // ms without a search key that start a new search

TtsBaseGrid* ListOf(TtsCombo* Combo) { return Combo ? Combo->GetGrid() : nullptr; }

Integer Length(const String& S) { return static_cast<Integer>(S.size()); }

// The comparison of at most MaxLen bytes; with MaxLen 0 only emptiness counts.
template <class Compare>
Integer CompareLimited(const String& A, const String& B, Integer MaxLen, Compare Limited) {
  if (MaxLen != 0) return Limited(A.c_str(), B.c_str(), static_cast<Cardinal>(MaxLen));
  if (A.empty() && B.empty()) return 0;
  return A.empty() ? -1 : 1;
}

}  // namespace

// ---- Comparing ---------------------------------------------------------------------------------------------
Integer TtsBaseGrid::CompCaseSensitive(const String& A, const String& B, Integer MaxLen) {
  return CompareLimited(A, B, MaxLen, &AnsiStrLComp);
}

Integer TtsBaseGrid::CompCaseInsensitive(const String& A, const String& B, Integer MaxLen) {
  return CompareLimited(A, B, MaxLen, &AnsiStrLIComp);
}

Integer TtsBaseGrid::CompOwn(const String& A, const String& B, Integer MaxLen) {
  Integer result = 0;
  DoComboCompareValue(A, B, result);
  DoComboLCompareValue(A, B, MaxLen, result);
  return result;
}

TtsBaseGrid::TtsComboCompare TtsBaseGrid::ComboCompare() {
  switch (GetCombo()->GetCompareType()) {
    case ctCaseSensitive: return &TtsBaseGrid::CompCaseSensitive;
    case ctOwn: return &TtsBaseGrid::CompOwn;
    default: return &TtsBaseGrid::CompCaseInsensitive;
  }
}

bool TtsBaseGrid::ComboValueEqual(const String& A, const String& B) {
  return A.size() == B.size() && (this->*ComboCompare())(A, B, Length(A)) == 0;
}

String TtsBaseGrid::ComboRowText(Integer Row) {
  Variant value = ListOf(FCombo)->GetCellValue(GetCombo()->GetValueCol(), Row);
  return VarIsEmpty(value) || VarIsNull(value) ? String() : VarToStr(value);
}

// ---- Finding a row ------------------------------------------------------------------------------------------
void TtsBaseGrid::SearchBinary(Integer Low, Integer High, const String& Text, TtsComboCompare Compare,
                               Integer& BestLen, Integer& Row, bool& Found) {
  // The recursion of the bisection as a loop: each step narrows to one half; a match narrows
  // further towards an earlier row with the same prefix or a later one that matches more.
  while (Low <= High) {
    Integer mid = (Low + High) / 2;
    String s = ComboRowText(mid);
    Integer n = std::min(Length(s), Length(Text));
    Integer c = (this->*Compare)(s, Text, n);
    if (c > 0) {
      High = mid - 1;
    } else if (c < 0 || n < BestLen) {
      Low = mid + 1;
    } else {
      Row = mid;
      Found = true;
      BestLen = n;
      if (Length(Text) < Length(s))
        High = mid - 1;
      else if (Length(s) < Length(Text))
        Low = mid + 1;
      else
        return;
    }
  }
  if (!Found) Row = std::max<Integer>(1, std::min(Low - 1, ListOf(FCombo)->GetGridRowCount()));
}

void TtsBaseGrid::SearchLinear(Integer Low, Integer High, TtsComboCompare Compare, bool& Found, Integer& Row,
                               const String& Text) {
  Found = false;
  Integer best = 0;
  for (Integer row = Low; row <= High; ++row) {
    String s = ComboRowText(row);
    Integer n = std::min(Length(Text), Length(s));
    if (n <= best || (this->*Compare)(Text, s, n) != 0) continue;
    Row = row;
    Found = true;
    best = n;
    if (n == Length(Text)) return;
  }
}

Integer TtsBaseGrid::FindComboRow(const String& Text, bool WholeText, bool& Found) {
  Found = false;
  TtsBaseGrid* list = ListOf(GetCombo());
  Integer rows = list->GetGridRowCount();
  Integer row = Text.empty() ? std::min<Integer>(1, rows) : list->GetCurrentDataRow();
  if (GetCombo()->GetValueColSorted()) {
    if (Text.empty()) return row;
    Integer bestLen = WholeText ? Length(Text) : 1;
    SearchBinary(1, rows, Text, ComboCompare(), bestLen, row, Found);
  } else {
    SearchLinear(1, rows, ComboCompare(), Found, row, Text);
  }
  return row;
}

Integer TtsBaseGrid::FindNextComboRow(const String& Text, bool& Found) {
  Found = false;
  TtsBaseGrid* list = ListOf(GetCombo());
  Integer rows = list->GetGridRowCount();
  Integer current = list->GetCurrentDataRow();
  if (GetCombo()->GetValueColSorted()) {
    if (current >= rows) return FindComboRow(Text, false, Found);
    String next = ComboRowText(current + 1);
    if (!next.empty() && ComboValueEqual(next.substr(0, Text.size()), Text)) {
      Found = true;
      return current + 1;
    }
    return FindComboRow(Text, false, Found);
  }
  Integer row = current;
  SearchLinear(current + 1, rows, ComboCompare(), Found, row, Text);
  if (!Found) SearchLinear(1, current - 1, ComboCompare(), Found, row, Text);
  return Found ? row : current;
}

Integer TtsBaseGrid::FindComboFirstChar(const String& Key, bool& Found) {
  Found = false;
  String cur = VarToStr(FCurrentCell->GetValue());
  if (cur.empty() || !ComboValueEqual(cur.substr(0, Key.size()), Key)) return FindComboRow(Key, false, Found);
  TtsBaseGrid* list = ListOf(GetCombo());
  if (ComboValueEqual(cur, ComboRowText(list->GetCurrentDataRow()))) return FindNextComboRow(Key, Found);
  Integer row = FindComboRow(cur, false, Found);
  String text = ComboRowText(row);
  if (!text.empty() && ComboValueEqual(text.substr(0, Key.size()), Key)) {
    // Cycle on from the row that shows the cell's text.
    SetComboRow(row);
    return FindNextComboRow(Key, Found);
  }
  return FindComboRow(Key, false, Found);
}

Integer TtsBaseGrid::FindComboString(const String& Key, bool& Found) {
  Found = false;
  CheckResetComboSearchValue();
  Integer row = 0;
  if (!FComboSearchText.empty()) {
    String text = FComboSearchText + Key;
    row = FindComboRow(text, true, Found);
    String s = Found ? ComboRowText(row) : String();
    Found = Found && s.size() >= text.size() && ComboValueEqual(s.substr(0, text.size()), text);
    if (Found) {
      FComboSearchText = text;
    } else if (ComboValueEqual(FComboSearchText, Key)) {
      row = FindComboFirstChar(Key, Found);
      if (Found) FComboSearchText = Key;
    }
  } else {
    row = FindComboRow(Key, true, Found);
    if (Found) FComboSearchText = Key;
  }
  FComboSearchTick = GetTickCount();
  return row;
}

bool TtsBaseGrid::ResetComboSearchValue() {
  if (FComboSearchText.empty()) return false;
  FComboSearchText.clear();
  FComboSearchTick = 0;
  return true;
}

void TtsBaseGrid::CheckResetComboSearchValue() {
  if (static_cast<Cardinal>(GetTickCount() - FComboSearchTick) >= ComboSearchPause) ResetComboSearchValue();
}

// ---- Moving the list -----------------------------------------------------------------------------------------
void TtsBaseGrid::SetComboRow(Integer Row) {
  TtsBaseGrid* list = ListOf(GetCombo());
  if (Row < 1 || Row > list->GetGridRowCount() || Row == list->GetCurrentDataRow()) return;
  TPaintSuspension suspended(list);
  list->SetCurrentDataRow(Row);
  Integer rows = GetCombo()->GetDropDownRows();
  Integer top;
  switch (GetCombo()->GetAutoSearch()) {
    case asTop: top = Row; break;
    case asBottom: top = Row - rows + 1; break;
    case asCenter: top = Row - (rows - 1) / 2; break;
    default: return;
  }
  Integer displayTop = list->GetDisplayRow(std::max<Integer>(1, top));
  list->SetTopRow(std::max(list->MinTopRow(), std::min(displayTop, list->GetMaxTopRow())));
}

void TtsBaseGrid::PositionComboRow() {
  if (GetCombo()->GetAutoSearch() == asNone) return;
  bool found;
  SetComboRow(FindComboRow(VarToStr(FCurrentCell->GetValue()), false, found));
}

void TtsBaseGrid::PositionDropDownList(const String& Key, Variant& Value) {
  Value = Variant();
  if (GetCombo()->GetAutoSearch() == asNone) return;
  bool sorted = GetCombo()->GetValueColSorted();
  bool found;
  Integer row = sorted ? FindComboString(Key, found) : FindComboFirstChar(Key, found);
  if (!found || row == 0) return;
  SetComboRow(row);
  TtsBaseGrid* list = ListOf(FCombo);
  DoComboGetValue(FCurDataCol, Variant(FCurDataRow), Variant(list->GetCurrentDataRow()), Value);
  if (!VarIsEmpty(Value)) return;
  Variant cell = list->GetCellValue(FCombo->GetValueCol(), list->GetCurrentDataRow());
  if (VarIsEmpty(cell) || VarIsNull(cell)) return;
  String text = VarToStr(cell);
  if (text.empty() || (!sorted && !ComboValueEqual(text.substr(0, Key.size()), Key))) return;
  Value = text;
}

// ---- Typing --------------------------------------------------------------------------------------------------
void TtsBaseGrid::ProcessKeyDropDownList(char& Key) {
  TtsDropDownStyle style;
  if (GiveCellButton(FCurDataCol, FCurDataRow, style) != btCombo || CellIsReadOnly(FCurDataCol, FCurDataRow)) return;
  ComboInit(FCurDataCol, FCurDataRow);
  if (style == ddDropDown && !IsLookupCombo(FCurDataCol)) return;
  // The bytes of a character arrive one by one: the search waits for the whole character.
  bool continuation = (static_cast<unsigned char>(Key) & 0xC0) == 0x80;
  if (!continuation)
    FComboKeyBytes.assign(1, Key);  // a new character (one broken off is dropped)
  else if (!FComboKeyBytes.empty())
    FComboKeyBytes += Key;
  else
    return;  // a stray continuation byte
  auto lead = static_cast<unsigned char>(FComboKeyBytes[0]);
  size_t length = !IsDBCSLeadByte(lead) ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (FComboKeyBytes.size() < length) return;
  String typed;
  typed.swap(FComboKeyBytes);
  Variant value;
  PositionDropDownList(typed, value);
  SetComboValue(value);
  Update();
  if (ComboVisible()) FCombo->GetGrid()->Update();
}

bool TtsBaseGrid::PositionAutoFill(bool OnExit) {
  ComboInit(FCurDataCol, FCurDataRow);
  TtsCombo* combo = GetCombo();
  TtsConvertCase convert = combo->GetAutoFillConvertCase();
  if (!combo->GetAutoFill() || (OnExit && convert != afcOnExit) || combo->GetAutoSearch() == asNone) return false;
  if (CurCellControlType() != ctText) return false;
  String text = VarToStr(FCurrentCell->GetValue());
  if (text.empty()) return false;
  bool found;
  Integer row = FindComboRow(text, true, found);
  if (!found) return false;
  SetComboRow(row);
  TtsBaseGrid* list = ListOf(combo);
  Variant value;
  DoComboGetValue(FCurDataCol, Variant(FCurDataRow), Variant(list->GetCurrentDataRow()), value);
  if (VarIsEmpty(value)) {
    Variant cell = list->GetCellValue(combo->GetValueCol(), list->GetCurrentDataRow());
    if (!VarIsEmpty(cell) && !VarIsNull(cell)) value = VarToStr(cell);
  }
  SetAutoFillValue(value, convert, OnExit);
  return true;
}

void TtsBaseGrid::SetAutoFillValue(const Variant& Value, TtsConvertCase ConvertCase, bool OnExit) {
  if (VarIsEmpty(Value) || VarIsNull(Value)) return;
  String value = VarToStr(Value);
  String cur = VarToStr(FCurrentCell->GetValue());
  if (value.size() < cur.size() || !ComboValueEqual(value.substr(0, cur.size()), cur)) return;
  bool sameLength = value.size() == cur.size();
  if (sameLength || OnExit) {
    // Only the case can change: on leaving the cell, or while typing with the list's case.
    if (!sameLength || value == cur || !(OnExit || ConvertCase == afcOnEdit)) return;
  }
  Integer caret = FCurrentCell->GetSelStart();
  bool listCase = OnExit || ConvertCase == afcOnEdit;
  SetCurrentValue(Variant(listCase ? value : cur + value.substr(cur.size())), true, true);
  FCurrentCell->SetSelStart(caret);
  FCurrentCell->SetSelLength(sameLength ? 0 : Length(value) - caret);
}

}  // namespace TSGrid
