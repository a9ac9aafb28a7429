// The mask editor's regular-expression modes: free insertion checked against the automaton, and the
// extended mode that completes the literal characters the pattern forces.
#include "Streams.h"
#include "WinUser.h"
#include "cxClassesResStrings.h"
#include "cxControlsInternal.h"
#include "cxMaskEdit.h"
#include "cxMaskEditConsts.h"
#include "cxRegExpr.h"

namespace cxMaskEdit {

IMPLEMENT_CLASS(TcxMaskEditRegExprMode)
IMPLEMENT_CLASS(TcxMaskEditRegExprExMode)

namespace {
TcxMaskChars Left(const TcxMaskChars& AText, size_t ACount) { return AText.substr(0, std::min(ACount, AText.size())); }
}  // namespace

// ---- Regular expressions ---------------------------------------------------------------------------------------
void TcxMaskEditRegExprMode::Construct() {
  inherited::Construct();
  FRegExpr = New<TcxRegExpr>();
  FRegExpr->SetCaseInsensitive(GetProperties()->GetCaseInsensitive());
}

void TcxMaskEditRegExprMode::Destroy() {
  FreeAndNil(FRegExpr);
  inherited::Destroy();
}

void TcxMaskEditRegExprMode::CompileInto(TcxRegExpr* AExpr, const String& AMask) {
  TOwnedPtr<TStringStream> stream(New<TStringStream>(AMask));
  try {
    AExpr->Compile(stream.get());
  } catch (const EcxRegExprError& e) {
    String message = cxGetResourceString(&cxSEditRegExprErrors);
    for (Integer i = 0; i < e.GetErrors()->GetCount(); ++i) message += "\r\n" + e.GetErrors()->GetItems(i)->GetFullMessage();
    throw EcxMaskEditError(message);
  }
}

void TcxMaskEditRegExprMode::Compile(const String& AMask) {
  FEditMask = AMask;
  if (!TcxCustomMaskEditProperties::EmptyMask(AMask)) CompileInto(FRegExpr, AMask);
}

TcxRegExpr* TcxMaskEditRegExprMode::CreateCompiledCopy(bool ACaseInsensitive) {
  if (!FRegExpr->IsCompiled()) return nullptr;
  TcxRegExpr* copy = New<TcxRegExpr>();
  copy->SetCaseInsensitive(ACaseInsensitive);
  try {
    copy->Compile(FRegExpr->GetStream());
  } catch (...) {
    copy->Free();
    throw;
  }
  return copy;
}

void TcxMaskEditRegExprMode::Feed(char32_t AChar) {
  if (FRegExpr->IsCompiled()) FRegExpr->Next(AChar);
}

void TcxMaskEditRegExprMode::StepBack(Integer ACount) {
  for (Integer i = 0; i < ACount && FRegExpr->IsCompiled(); ++i) FRegExpr->Prev();
}

void TcxMaskEditRegExprMode::MoveRight() {
  if (FTail.empty()) return;
  Feed(FTail.front());
  FHead.push_back(FTail.front());
  FTail.erase(0, 1);
}

void TcxMaskEditRegExprMode::MoveLeft() {
  if (FHead.empty()) return;
  StepBack(1);
  FTail.insert(FTail.begin(), FHead.back());
  FHead.pop_back();
}

void TcxMaskEditRegExprMode::CursorCorrection() {
  if (!FEdit || !FRegExpr->IsCompiled()) return;
  if (!(FHead.empty() && FTail.empty() && !GetDisplayChars().empty()) && !FMouseAction) return;
  FMouseAction = false;
  FRegExpr->Reset();
  FTail = GetDisplayChars();
  FHead.clear();
  for (Integer i = GetSelStart(); i > 0 && !FTail.empty(); --i) MoveRight();
}

bool TcxMaskEditRegExprMode::NextTail() {
  if (!FRegExpr->IsCompiled()) return true;
  Integer accepted = 0;
  bool fits = true;
  for (char32_t c : FTail) {
    if (!FRegExpr->Next(c)) {
      fits = false;
      break;
    }
    ++accepted;
  }
  StepBack(accepted);
  return fits;
}

void TcxMaskEditRegExprMode::ClearTail() {
  TcxMaskChars text = GetDisplayChars();
  text.resize(text.size() >= FTail.size() ? text.size() - FTail.size() : 0);
  SetDisplayChars(text);
  DirectSetSelStart(static_cast<Integer>(text.size()));
  FTail.clear();
}

void TcxMaskEditRegExprMode::DeleteSelection() {
  FSelectionText.clear();
  const auto start = static_cast<size_t>(GetSelStart()), length = static_cast<size_t>(GetSelLength());
  if (length == 0) return;
  if (start == FHead.size()) {
    FSelectionText = Left(FTail, length);
    FTail.erase(0, FSelectionText.size());
    FSelectionAtTail = true;
  } else if (start + length == FHead.size()) {
    FSelectionText = FHead.substr(start);
    FHead.resize(start);
    StepBack(static_cast<Integer>(length));
    FSelectionAtTail = false;
  }
}

void TcxMaskEditRegExprMode::RestoreSelection() {
  if (FSelectionAtTail) {
    FTail.insert(0, FSelectionText);
  } else {
    for (char32_t c : FSelectionText) Feed(c);
    FHead += FSelectionText;
  }
  FSelectionText.clear();
}

bool TcxMaskEditRegExprMode::PressSymbol(char32_t& AChar) {
  CursorCorrection();
  const bool replacesSelection = GetSelLength() > 0;
  DeleteSelection();
  char32_t c = AChar;
  if (!FRegExpr->IsCompiled() || !FRegExpr->Next(c)) {
    RestoreSelection();
    BeepOnError();
    return false;
  }
  AChar = c;
  FHead.push_back(c);
  FSelectionText.clear();
  if (NextTail()) return true;
  bool insertedHere = false;
  if (replacesSelection) {
    SendKey(VK_DELETE);
    SendChar(c);
    insertedHere = true;
  }
  ClearTail();
  return !insertedHere;
}

bool TcxMaskEditRegExprMode::PressBackSpace() {
  CursorCorrection();
  if (GetSelLength() > 0) {
    DeleteSelection();
    FSelectionText.clear();
    if (NextTail()) return true;
    SendChar(8);
    ClearTail();
    BeepOnError();
    return false;
  }
  if (!FHead.empty()) {
    StepBack(1);
    FHead.pop_back();
    if (!NextTail()) ClearTail();
  }
  return true;
}

bool TcxMaskEditRegExprMode::PressDelete() {
  CursorCorrection();
  if (GetSelLength() > 0) {
    DeleteSelection();
    FSelectionText.clear();
    if (NextTail()) return true;
    SendKey(VK_DELETE);
    ClearTail();
    BeepOnError();
    return false;
  }
  if (!FTail.empty()) {
    FTail.erase(0, 1);
    if (!NextTail()) {
      // The rest goes; the inner edit's Delete then takes the character itself.
      ClearTail();
      DirectSetSelStart(static_cast<Integer>(FHead.size()));
    }
  }
  return true;
}

bool TcxMaskEditRegExprMode::PressHome() {
  CursorCorrection();
  FTail = FHead + FTail;
  FHead.clear();
  if (FRegExpr->IsCompiled()) FRegExpr->Reset();
  return true;
}

bool TcxMaskEditRegExprMode::PressEnd() {
  CursorCorrection();
  GotoEnd();
  return true;
}

void TcxMaskEditRegExprMode::GotoEnd() {
  while (!FTail.empty()) MoveRight();
}

bool TcxMaskEditRegExprMode::PressLeft() {
  CursorCorrection();
  const auto start = static_cast<size_t>(GetSelStart()), length = static_cast<size_t>(GetSelLength());
  if (length > 0 && !IsShiftDown()) {
    // The inner edit collapses the selection to its start.
    if (FHead.size() == start + length)
      for (size_t i = 0; i < length; ++i) MoveLeft();
    return true;
  }
  MoveLeft();
  return true;
}

bool TcxMaskEditRegExprMode::PressRight() {
  CursorCorrection();
  const auto start = static_cast<size_t>(GetSelStart()), length = static_cast<size_t>(GetSelLength());
  if (length > 0 && !IsShiftDown()) {
    if (FHead.size() == start)
      for (size_t i = 0; i < length; ++i) MoveRight();
    return true;
  }
  MoveRight();
  return true;
}

void TcxMaskEditRegExprMode::SetText(const String& AText) {
  if (FRegExpr->IsCompiled()) FRegExpr->Reset();
  FHead.clear();
  FTail = ToMaskChars(AText);
  if (ClipboardTextLength == 0) return;
  // After a paste the cursor stands behind the pasted text.
  for (Integer i = (FEdit ? GetSelStart() : 0) + ClipboardTextLength; i > 0 && !FTail.empty(); --i) MoveRight();
  ClipboardTextLength = 0;
}

String TcxMaskEditRegExprMode::GetFormattedText(const String& AText, bool) {
  if (!FRegExpr->IsCompiled()) return "";
  FRegExpr->Reset();
  String result;
  for (char32_t c : ToMaskChars(AText))
    if (FRegExpr->Next(c)) result += MaskCharToString(c);
  return result;
}

bool TcxMaskEditRegExprMode::IsCursorEnd() {
  return GetSelStart() == static_cast<Integer>(GetDisplayChars().size());
}

bool TcxMaskEditRegExprMode::IsFullValidText(const String& AText) {
  if (AText.empty()) return true;
  TOwnedPtr<TcxRegExpr> expr(CreateCompiledCopy(GetProperties()->GetCaseInsensitive()));
  if (!expr) return false;
  for (char32_t c : ToMaskChars(AText))
    if (!expr->Next(c)) return false;
  return GetProperties()->GetIgnoreMaskBlank() || expr->IsFinal();
}

void TcxMaskEditRegExprMode::SynchronizeEditValue() {
  inherited::SynchronizeEditValue();
  if (!HasEdit() || !FRegExpr->IsCompiled()) return;
  FHead = GetDisplayChars();
  FTail.clear();
  DirectSetSelStart(static_cast<Integer>(FHead.size()));
  FRegExpr->Reset();
  FRegExpr->NextEx(FromMaskChars(FHead));
}

// ---- Regular expressions with completion -------------------------------------------------------------------------
void TcxMaskEditRegExprExMode::Construct() {
  inherited::Construct();
  FRegExpr->OnSymbolUpdate = TcxRegExprSymbolUpdateEvent(this, &TcxMaskEditRegExprExMode::SymbolUpdate);
  FRegExpr->OnSymbolDelete = TcxRegExprSymbolDeleteEvent(this, &TcxMaskEditRegExprExMode::SymbolDelete);
  FRegExpr->SetUpdateOn(true);
  FPendingCursorPos = -1;
  ClearBuffers();
}

void TcxMaskEditRegExprExMode::ClearBuffers() {
  FForcedText.clear();
  FRemovedForcedCount = 0;
}

template <class F>
void TcxMaskEditRegExprExMode::WithoutCompletion(F AProc) {
  FRegExpr->SuspendUpdate();
  TFinally resume([this] { FRegExpr->ResumeUpdate(); });
  AProc();
}

void TcxMaskEditRegExprExMode::SetCompletion(bool AOn) { FRegExpr->SetUpdateOn(AOn); }

void TcxMaskEditRegExprExMode::Compile(const String& AMask) {
  ClearBuffers();
  inherited::Compile(AMask);
  if (!TcxCustomMaskEditProperties::EmptyMask(AMask)) NeedUpdateEditValue = !HasEdit();
}

TcxMaskChars TcxMaskEditRegExprExMode::ForcedPrefix() {
  FPrefixText.clear();
  TOwnedPtr<TcxRegExpr> expr(CreateCompiledCopy(GetProperties()->GetCaseInsensitive()));
  if (!expr) return FPrefixText;
  expr->OnSymbolUpdate = TcxRegExprSymbolUpdateEvent([this](char32_t c) { FPrefixText += c; });
  expr->SetUpdateOn(true);
  return FPrefixText;
}

String TcxMaskEditRegExprExMode::GetEmptyString() { return FromMaskChars(ForcedPrefix()); }

void TcxMaskEditRegExprExMode::UpdateEditValue() {
  if (!NeedUpdateEditValue || !FEdit) return;
  NeedUpdateEditValue = false;
  SetEditValue(GetEmptyString());
}

String TcxMaskEditRegExprExMode::GetFormattedText(const String& AText, bool ATextHasLiterals) {
  if (!FRegExpr->IsCompiled()) return "";
  SetCompletion(false);
  const String text = inherited::GetFormattedText(AText, ATextHasLiterals);
  FForcedText.clear();
  SetCompletion(true);
  return text + FromMaskChars(FForcedText);
}

bool TcxMaskEditRegExprExMode::IsFullValidText(const String& AText) {
  return ToMaskChars(AText) == ForcedPrefix() || inherited::IsFullValidText(AText);
}

void TcxMaskEditRegExprExMode::SetText(const String& AText) {
  FHead = ToMaskChars(AText);
  FTail.clear();
  if (FRegExpr->IsCompiled()) {
    SetCompletion(false);
    FRegExpr->Reset();
    FRegExpr->NextEx(AText);
    FForcedText.clear();
    SetCompletion(true);
    FHead += FForcedText;
  }
  if (ClipboardTextLength > 0 && FEdit)
    FPendingCursorPos = std::min(GetSelStart() + ClipboardTextLength, static_cast<Integer>(FHead.size()));
  ClipboardTextLength = 0;
  if (FEdit) {
    FMouseAction = true;
    CursorCorrection();
  }
}

void TcxMaskEditRegExprExMode::AfterPasteFromClipboard() {
  if (FPendingCursorPos < 0) return;
  DirectSetSelStart(FPendingCursorPos);
  FPendingCursorPos = -1;
  FMouseAction = true;
}

Integer TcxMaskEditRegExprExMode::UnitRight() {
  if (FTail.empty()) return 0;
  FForcedText.clear();
  MoveRight();
  // The forced characters are in the text already: the automaton took them, the model follows.
  Integer count = 1;
  for (size_t i = 0; i < FForcedText.size() && !FTail.empty(); ++i, ++count) {
    FHead.push_back(FTail.front());
    FTail.erase(0, 1);
  }
  return count;
}

Integer TcxMaskEditRegExprExMode::UnitLeft() {
  if (FHead.empty() || !FRegExpr->IsCompiled()) return 0;
  FRemovedForcedCount = 0;
  if (!FRegExpr->Prev()) {
    // Only the forced prefix stands before the cursor: it comes back.
    FForcedText.clear();
    SetCompletion(true);
    return 0;
  }
  const Integer count = std::min<Integer>(FRemovedForcedCount + 1, static_cast<Integer>(FHead.size()));
  FTail.insert(0, FHead.substr(FHead.size() - static_cast<size_t>(count)));
  FHead.resize(FHead.size() - static_cast<size_t>(count));
  return count;
}

void TcxMaskEditRegExprExMode::CursorCorrection() {
  if (!FEdit || !FEdit->HandleAllocated() || !FRegExpr->IsCompiled()) return;
  if (FHead.empty() && FTail.empty() && !GetDisplayChars().empty()) {
    WithoutCompletion([this] { FRegExpr->Reset(); });
    FTail = GetDisplayChars();
    FMouseAction = true;
  }
  if (!FMouseAction) return;
  FMouseAction = false;
  const auto selStart = static_cast<size_t>(GetSelStart());
  const size_t selEnd = selStart + static_cast<size_t>(GetSelLength());
  while (FHead.size() > selStart && UnitLeft() > 0) {
  }
  while (FHead.size() < selStart && UnitRight() > 0)
    if (FHead.size() > selStart) {
      UnitLeft();  // the selection started inside a unit: it starts at the unit's start
      break;
    }
  const size_t start = FHead.size();
  if (selEnd > selStart) {
    while (FHead.size() < selEnd && UnitRight() > 0) {
    }
    DirectSetSelStart(static_cast<Integer>(start));
    DirectSetSelLength(static_cast<Integer>(FHead.size() - start));
  } else if (start != selStart) {
    DirectSetSelStart(static_cast<Integer>(start));
  }
}

bool TcxMaskEditRegExprExMode::TakeOutSelection() {
  const Integer start = GetSelStart(), end = start + GetSelLength();
  WithoutCompletion([this] { DeleteSelection(); });
  const auto prefix = static_cast<Integer>(ForcedPrefix().size());
  if (start != 0 || prefix == 0) return true;
  // The forced prefix stays: the selection shrinks to the part after it.
  WithoutCompletion([this] { RestoreSelection(); });
  DirectSetSelStart(prefix);
  DirectSetSelLength(std::max(0, end - prefix));
  FMouseAction = true;
  CursorCorrection();
  return false;
}

void TcxMaskEditRegExprExMode::RevalidateTail() {
  bool fits = true;
  WithoutCompletion([this, &fits] { fits = NextTail(); });
  if (fits) UpdateTail();
  else ClearTail();
}

void TcxMaskEditRegExprExMode::UpdateTail() {
  WithoutCompletion([this] {
    for (char32_t c : FTail) Feed(c);
  });
  DirectSetSelStart(static_cast<Integer>(FHead.size() + FTail.size()));
  FForcedText.clear();
  SetCompletion(true);
  const TcxMaskChars forced = FForcedText;
  for (char32_t c : forced) {
    FTail.push_back(c);
    SendChar(c);
  }
  WithoutCompletion([this] { StepBack(static_cast<Integer>(FTail.size())); });
  DirectSetSelStart(static_cast<Integer>(FHead.size()));
}

bool TcxMaskEditRegExprExMode::PressSymbol(char32_t& AChar) {
  CursorCorrection();
  ClearBuffers();
  if (GetSelLength() > 0 && !TakeOutSelection()) return PressSymbol(AChar);
  char32_t c = AChar;
  if (!FRegExpr->IsCompiled() || !FRegExpr->Next(c)) {
    WithoutCompletion([this] { RestoreSelection(); });
    BeepOnError();
    return false;
  }
  FSelectionText.clear();
  const TcxMaskChars forced = FForcedText;
  FHead.push_back(c);
  FHead += forced;
  SendChar(c);
  for (char32_t f : forced) SendChar(f);
  RevalidateTail();
  return false;
}

bool TcxMaskEditRegExprExMode::PressBackSpace() {
  CursorCorrection();
  ClearBuffers();
  if (GetSelLength() > 0) {
    if (!TakeOutSelection()) return GetSelLength() > 0 ? PressBackSpace() : (BeepOnError(), false);
    FSelectionText.clear();
    SendChar(8);
    RevalidateTail();
    return false;
  }
  if (FHead.empty() || UnitLeft() == 0) {
    BeepOnError();
    return false;
  }
  // UnitLeft moved the unit to the front of Tail: it goes from the text and the model.
  const Integer count = FRemovedForcedCount + 1;
  FTail.erase(0, std::min(FTail.size(), static_cast<size_t>(count)));
  for (Integer i = 0; i < count; ++i) SendChar(8);
  RevalidateTail();
  return false;
}

bool TcxMaskEditRegExprExMode::PressDelete() {
  CursorCorrection();
  ClearBuffers();
  if (GetSelLength() > 0) {
    if (!TakeOutSelection()) return GetSelLength() > 0 ? PressDelete() : (BeepOnError(), false);
    FSelectionText.clear();
    SendKey(VK_DELETE);
    RevalidateTail();
    return false;
  }
  if (GetSelStart() == 0 && !ForcedPrefix().empty()) {
    BeepOnError();
    return false;
  }
  if (FTail.empty() || !FRegExpr->IsCompiled()) return false;
  FForcedText.clear();
  char32_t c = FTail.front();
  const bool accepted = FRegExpr->Next(c);
  const size_t steps = 1 + FForcedText.size();
  const size_t count = std::min(FTail.size(), steps);
  for (size_t i = 0; i < count; ++i) SendKey(VK_DELETE);
  FTail.erase(0, count);
  if (accepted) WithoutCompletion([this, steps] { StepBack(static_cast<Integer>(steps)); });
  RevalidateTail();
  return false;
}

bool TcxMaskEditRegExprExMode::PressLeft() {
  CursorCorrection();
  ClearBuffers();
  if (GetSelLength() > 0 && !IsShiftDown()) {
    WithoutCompletion([this] { inherited::PressLeft(); });
    return true;
  }
  const Integer count = UnitLeft();
  for (Integer i = 1; i < count; ++i) SendKey(VK_LEFT);
  return count > 0;
}

bool TcxMaskEditRegExprExMode::PressRight() {
  CursorCorrection();
  ClearBuffers();
  if (GetSelLength() > 0 && !IsShiftDown()) {
    WithoutCompletion([this] { inherited::PressRight(); });
    return true;
  }
  const Integer count = UnitRight();
  for (Integer i = 1; i < count; ++i) SendKey(VK_RIGHT);
  return count > 0;
}

bool TcxMaskEditRegExprExMode::PressEnd() {
  bool result = true;
  WithoutCompletion([this, &result] { result = inherited::PressEnd(); });
  return result;
}

}  // namespace cxMaskEdit
