// Pastes of arbitrary bytes into the grid's edit box: invalid UTF-8, lone CR or LF, NUL. The first
// byte chooses the box (bit 0: a masked cell, bit 1: one line instead of several, bits 2-4: where
// the caret stands, bits 5-7: how much is selected); the rest, split at each 0xFF byte, is pasted
// piece by piece through the clipboard, each paste followed by a few caret moves and a typed
// character. After every step the box must be whole: caret, selection, scroll anchor and line
// starts on character boundaries inside the text, the caret at one end of the selection, its line
// and offset agreeing with its position. A crash or a broken box is a fault. Shared by the libFuzzer target and the plain test
// that replays the seed corpus.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Clipbrd.h"
#include "TSGrid.h"
#include "TSMask.h"
#include "Tsmbcs.h"
#include "WinClipboard.h"

namespace tsEditPasteFuzz {

// Whether every place the box keeps lies on a character boundary of its text.
inline bool EditBoxWhole(TtsGridEditBox* Box) {
  const String& text = Box->GetText();
  const Integer length = static_cast<Integer>(text.size());
  std::vector<bool> boundary(text.size() + 1, false);
  for (Integer p = 0;; p += NextCharCount(text.c_str(), p)) {
    boundary[static_cast<size_t>(p)] = true;
    if (p >= length) break;
  }
  auto on = [&](Integer P) { return P >= 0 && P <= length && boundary[static_cast<size_t>(P)]; };
  const Integer start = Box->GetSelByteStart(), end = start + Box->GetSelByteLength();
  if (!on(start) || !on(end) || end < start || !on(Box->GetCaretPosition()) || !on(Box->GetScrollAnchor()))
    return false;
  if (Box->LineCount() < 1 || Box->LineStart(0) != 0) return false;
  for (Integer line = 0; line < Box->LineCount(); ++line)
    if (!on(Box->LineStart(line)) || (line > 0 && Box->LineStart(line) < Box->LineStart(line - 1))) return false;
  // The caret stands at one end of the selection.
  if (Box->GetCaretPosition() != start && Box->GetCaretPosition() != end) return false;
  const Integer line = Box->GetCaretLine();
  return line >= 0 && line < Box->LineCount() &&
         Box->LineStart(line) + Box->GetCaretOffset() == Box->GetCaretPosition() &&
         Box->GetFirstVisibleLine() >= 0 && Box->GetFirstVisibleLine() < Box->LineCount();
}

}  // namespace tsEditPasteFuzz

inline void tsFuzzEditPaste(const uint8_t* data, size_t size) {
  using namespace tsEditPasteFuzz;
  const uint8_t options = size > 0 ? data[0] : 0;
  auto box = NewOwned<TtsGridEditBox>();
  box->GetFont()->SetName("Courier New");
  box->GetFont()->SetHeight(-13);
  box->SetBounds(0, 0, 90, options & 2 ? 18 : 60);
  auto defs = NewOwned<TtsMaskDefs>();
  if (options & 1) {
    TtsMask* mask = defs->GetMasks()->Add();
    mask->SetName("m");
    mask->SetPicture("{##-##,&&*@}");
    box->SetMaskDefs(defs.get());
    box->SetMaskName("m");
  }
  box->SetText("ab\xE4\xB8\xAD cd\r\nef gh ij");
  box->SetSelStart((options >> 2) & 7);
  box->SetSelLength((options >> 5) & 7);
  box->TextPosToSelStart();
  if (!EditBoxWhole(box.get())) std::abort();
  size_t from = 1;
  while (from <= size) {
    size_t to = from;
    while (to < size && data[to] != 0xFF) ++to;
    Clipboard()->SetBuffer(CF_TEXT, to > from ? data + from : reinterpret_cast<const uint8_t*>(""), to - from);
    box->PasteFromClipboard(true);
    if (!EditBoxWhole(box.get())) std::abort();
    box->MoveLeft(false, false, false);
    box->MoveUp(true, false);
    box->MoveRight(false, true, false);
    bool changed;
    box->AddCharToText("x", changed);
    box->DelPrevCharFromText(changed, true);
    if (!EditBoxWhole(box.get())) std::abort();
    from = to + 1;
  }
  box->SelectAll();
  Word key = 0;
  box->UndoEdit(key);
  if (!EditBoxWhole(box.get())) std::abort();
}
