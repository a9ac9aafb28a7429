// The regular-expression automaton: character tests, states, state sets and stepping.
#include "cxRegExprAutomat.h"

#include "FormatSettings.h"
#include "Strings.h"
#include "cxRegExpr.h"
#include "cxRegExprParser.h"

namespace cxRegExpr {

IMPLEMENT_ABSTRACT_CLASS(TcxRegExprItem)
IMPLEMENT_CLASS(TcxRegExprSymbol)
IMPLEMENT_CLASS(TcxRegExprTimeSeparator)
IMPLEMENT_CLASS(TcxRegExprDateSeparator)
IMPLEMENT_CLASS(TcxRegExprSubrange)
IMPLEMENT_ABSTRACT_CLASS(TcxRegExprEnumeration)
IMPLEMENT_CLASS(TcxRegExprUserEnumeration)
IMPLEMENT_CLASS(TcxRegExprDigit)
IMPLEMENT_CLASS(TcxRegExprIdLetter)
IMPLEMENT_CLASS(TcxRegExprSpace)
IMPLEMENT_CLASS(TcxRegExprAll)
IMPLEMENT_ABSTRACT_CLASS(TcxRegExprState)
IMPLEMENT_CLASS(TcxRegExprSimpleState)
IMPLEMENT_CLASS(TcxRegExprBlockState)
IMPLEMENT_CLASS(TcxRegExprAutomat)

// ---- Character tests ----------------------------------------------------------------------------------------
bool TcxRegExprSymbol::Check(char32_t& AChar, bool ACaseInsensitive) {
  if (!ACaseInsensitive) return AChar == Value;
  if (AChar != Value && CharUpper(AChar) != CharUpper(Value)) return false;
  AChar = Value;
  return true;
}

char32_t TcxRegExprTimeSeparator::Value() { return static_cast<unsigned char>(FormatSettings.TimeSeparator); }
char32_t TcxRegExprDateSeparator::Value() { return static_cast<unsigned char>(FormatSettings.DateSeparator); }

void TcxRegExprUserEnumeration::Destroy() {
  for (TcxRegExprItem* member : FMembers) member->Free();
  FMembers.clear();
  inherited::Destroy();
}

TcxRegExprItem* TcxRegExprUserEnumeration::Clone() {
  auto* clone = New<TcxRegExprUserEnumeration>(Inverse);
  for (TcxRegExprItem* member : FMembers) clone->Add(member->Clone());
  return clone;
}

bool TcxRegExprUserEnumeration::Contains(char32_t& AChar, bool ACaseInsensitive) {
  for (TcxRegExprItem* member : FMembers)
    if (member->Check(AChar, ACaseInsensitive)) return true;
  return false;
}

bool TcxRegExprDigit::Contains(char32_t& AChar, bool) { return AChar >= U'0' && AChar <= U'9'; }

bool TcxRegExprIdLetter::Contains(char32_t& AChar, bool) {
  return (AChar >= U'a' && AChar <= U'z') || (AChar >= U'A' && AChar <= U'Z') || (AChar >= U'0' && AChar <= U'9') ||
         AChar == U'_';
}

bool TcxRegExprSpace::Contains(char32_t& AChar, bool) { return IsRegExprBlank(AChar); }

// ---- States -------------------------------------------------------------------------------------------------
namespace {
UInt64 FLastStepStamp = 0;
}

TcxRegExprStep::TcxRegExprStep() : Stamp(++FLastStepStamp) {}

void TcxRegExprState::Next(char32_t& AChar, bool ACaseInsensitive, TcxRegExprStates& AResult, TcxRegExprStep& AStep) {
  for (TcxRegExprState* state : Connections) state->Check(AChar, ACaseInsensitive, AResult, AStep);
}

void TcxRegExprState::GetAllNextStates(TcxRegExprStates& AResult, TcxRegExprStep& AStep) {
  for (TcxRegExprState* state : Connections) state->GetSelf(AResult, AStep);
}

void TcxRegExprSimpleState::Destroy() {
  FreeObject(Value);
  Value = nullptr;
  inherited::Destroy();
}

void TcxRegExprSimpleState::Check(char32_t& AChar, bool ACaseInsensitive, TcxRegExprStates& AResult,
                                  TcxRegExprStep& AStep) {
  // The test runs even for a state already taken in this step: its case rewrite keeps its place.
  if (Value && Value->Check(AChar, ACaseInsensitive)) AResult.Add(this, AStep);
}

void TcxRegExprSimpleState::GetSelf(TcxRegExprStates& AResult, TcxRegExprStep& AStep) { AResult.Add(this, AStep); }

void TcxRegExprBlockState::Check(char32_t& AChar, bool ACaseInsensitive, TcxRegExprStates& AResult,
                                 TcxRegExprStep& AStep) {
  if (Visited == AStep.Stamp) return;
  Visited = AStep.Stamp;
  Next(AChar, ACaseInsensitive, AResult, AStep);
}

void TcxRegExprBlockState::GetSelf(TcxRegExprStates& AResult, TcxRegExprStep& AStep) {
  if (Visited == AStep.Stamp) return;
  Visited = AStep.Stamp;
  GetAllNextStates(AResult, AStep);
}

// ---- State sets -----------------------------------------------------------------------------------------------
void TcxRegExprStates::Add(TcxRegExprSimpleState* AState, TcxRegExprStep& AStep) {
  if (AState->Visited == AStep.Stamp) return;
  AState->Visited = AStep.Stamp;
  FItems.push_back(AState);
}

bool TcxRegExprStates::IsFinal() const {
  for (TcxRegExprSimpleState* state : FItems)
    if (state->IsFinal) return true;
  return false;
}

void TcxRegExprStates::Next(char32_t& AChar, bool ACaseInsensitive, TcxRegExprStates& AResult) const {
  AResult.Clear();
  TcxRegExprStep step;
  for (TcxRegExprSimpleState* state : FItems) state->Next(AChar, ACaseInsensitive, AResult, step);
}

TcxRegExprStates TcxRegExprStates::GetAllNextStates() const {
  TcxRegExprStates result;
  TcxRegExprStep step;
  for (TcxRegExprSimpleState* state : FItems) state->GetAllNextStates(result, step);
  return result;
}

namespace {
// The character a literal test stands for, or 0 when the test admits more than one.
bool LiteralOf(TcxRegExprItem* ATest, char32_t& AChar) {
  if (auto* symbol = dynamic_cast<TcxRegExprSymbol*>(ATest)) AChar = symbol->Value;
  else if (dynamic_cast<TcxRegExprTimeSeparator*>(ATest)) AChar = TcxRegExprTimeSeparator::Value();
  else if (dynamic_cast<TcxRegExprDateSeparator*>(ATest)) AChar = TcxRegExprDateSeparator::Value();
  else return false;
  return true;
}
}  // namespace

bool TcxRegExprStates::Equ(char32_t& AChar) const {
  if (FItems.empty()) return false;
  char32_t first = 0;
  for (size_t i = 0; i < FItems.size(); ++i) {
    char32_t c = 0;
    if (!LiteralOf(FItems[i]->Value, c) || (i > 0 && c != first)) return false;
    if (i == 0) first = c;
  }
  AChar = first;
  return true;
}

// ---- Automaton ------------------------------------------------------------------------------------------------
void TcxRegExprAutomat::Construct() {
  inherited::Construct();
  FStartState = New<TcxRegExprSimpleState>();
  if (FParseTree) {
    FStartState->Add(FParseTree->StartConnections());
    if (FParseTree->StartStateIsFinal()) FStartState->SetFinal();
    FStateCount = FParseTree->StateCount();
  }
  Reset();
}

void TcxRegExprAutomat::Destroy() {
  FHistory.clear();
  FHistoryCount = 0;
  FCurrent.Clear();
  FreeObject(FParseTree);
  FParseTree = nullptr;
  FreeObject(FStartState);
  FStartState = nullptr;
  inherited::Destroy();
}

void TcxRegExprAutomat::Reset() {
  FHistoryCount = 0;
  FCurrent.Clear();
  TcxRegExprStep step;
  FCurrent.Add(FStartState, step);
}

bool TcxRegExprAutomat::Next(char32_t& AChar, bool ACaseInsensitive) {
  FCurrent.Next(AChar, ACaseInsensitive, FNext);
  if (FNext.IsEmpty()) return false;
  if (FHistoryCount == FHistory.size()) FHistory.emplace_back();
  std::swap(FHistory[FHistoryCount++], FCurrent);
  std::swap(FCurrent, FNext);
  return true;
}

void TcxRegExprAutomat::Push(const TcxRegExprStates& AStates) {
  if (FHistoryCount == FHistory.size()) FHistory.emplace_back();
  FHistory[FHistoryCount++] = AStates;
}

bool TcxRegExprAutomat::Pop(TcxRegExprStates& AStates) {
  if (FHistoryCount == 0) return false;
  std::swap(AStates, FHistory[--FHistoryCount]);
  return true;
}

bool TcxRegExprAutomat::Prev() { return Pop(FCurrent); }

String TcxRegExprAutomat::Print() { return FParseTree ? FParseTree->Print() : String(); }

void TcxRegExprAutomat::Update() {
  // A walk of forced characters longer than the pattern has states would go round a cycle.
  for (Integer guard = FStateCount + 1; !FCurrent.IsFinal() && guard > 0; --guard) {
    TcxRegExprStates next = FCurrent.GetAllNextStates();
    char32_t forced = 0;
    if (!next.Equ(forced)) break;
    if (FOwner) FOwner->SymbolUpdate(forced);
    Push(FCurrent);
    FCurrent = std::move(next);
  }
}

void TcxRegExprAutomat::ReUpdate() {
  char32_t literal = 0;
  while (FCurrent.Equ(literal)) {
    TcxRegExprStates previous;
    if (!Pop(previous)) break;
    // The literal was typed, not forced, when it was not the only way on or the text was complete before it.
    if (!previous.GetAllNextStates().Equ(literal) || previous.IsFinal()) {
      Push(previous);
      break;
    }
    if (FOwner) FOwner->SymbolDelete();
    FCurrent = std::move(previous);
  }
}

}  // namespace cxRegExpr
