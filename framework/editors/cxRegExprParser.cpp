// The parse tree of a regular expression: cloning, printing, and linking the automaton's states.
#include "cxRegExprParser.h"

namespace cxRegExpr {

IMPLEMENT_ABSTRACT_CLASS(TcxRegExprQuantifier)
IMPLEMENT_CLASS(TcxRegExprSimpleQuantifier)
IMPLEMENT_CLASS(TcxRegExprQuestionQuantifier)
IMPLEMENT_CLASS(TcxRegExprStarQuantifier)
IMPLEMENT_CLASS(TcxRegExprPlusQuantifier)
IMPLEMENT_ABSTRACT_CLASS(TcxRegExprParserItem)
IMPLEMENT_CLASS(TcxRegExprParserSimpleItem)
IMPLEMENT_CLASS(TcxRegExprParserBlockItem)
IMPLEMENT_CLASS(TcxRegExprParserAlt)
IMPLEMENT_CLASS(TcxRegExprParserAlts)

namespace {
const char* const CRLF = "\r\n";
}

// ---- Items -----------------------------------------------------------------------------------------------------
void TcxRegExprParserItem::Construct() {
  inherited::Construct();
  if (!FQuantifier) FQuantifier = New<TcxRegExprSimpleQuantifier>();
}

void TcxRegExprParserItem::Destroy() {
  FreeObject(FQuantifier);
  FQuantifier = nullptr;
  inherited::Destroy();
}

void TcxRegExprParserItem::SetQuantifier(TcxRegExprQuantifier* AQuantifier) {
  if (!AQuantifier) return;
  FQuantifier->Free();
  FQuantifier = AQuantifier;
}

void TcxRegExprParserSimpleItem::Destroy() {
  FreeObject(State);
  State = nullptr;
  inherited::Destroy();
}

TcxRegExprParserItem* TcxRegExprParserSimpleItem::Clone() {
  return New<TcxRegExprParserSimpleItem>(static_cast<TcxRegExprSimpleState*>(State->Clone()), FQuantifier->Clone());
}

String TcxRegExprParserSimpleItem::Print() { return "item --> " + FQuantifier->Print() + CRLF; }

void TcxRegExprParserBlockItem::Construct() {
  inherited::Construct();
  if (!Alts) Alts = New<TcxRegExprParserAlts>();
  ExitState = New<TcxRegExprBlockState>();
  EntryState = New<TcxRegExprBlockState>();
}

void TcxRegExprParserBlockItem::Destroy() {
  FreeObject(Alts);
  FreeObject(ExitState);
  FreeObject(EntryState);
  Alts = nullptr;
  ExitState = EntryState = nullptr;
  inherited::Destroy();
}

bool TcxRegExprParserBlockItem::CanEmpty() { return CanMissing() || Alts->CanEmpty(); }

TcxRegExprParserItem* TcxRegExprParserBlockItem::Clone() {
  auto* clone = New<TcxRegExprParserBlockItem>(FQuantifier->Clone());
  clone->AddAlts(Alts->Clone());
  return clone;
}

String TcxRegExprParserBlockItem::Print() {
  return String("<Start_Block>") + CRLF + Alts->Print() + "<Finish_Block> --> " + FQuantifier->Print() + CRLF;
}

void TcxRegExprParserBlockItem::SetFinal() { Alts->CreateFinalStates(); }
Integer TcxRegExprParserBlockItem::StateCount() { return 2 + Alts->StateCount(); }
TcxRegExprParserAlt* TcxRegExprParserBlockItem::AddAlt() { return Alts->AddAlt(); }

void TcxRegExprParserBlockItem::AddAlts(TcxRegExprParserAlts* AAlts) {
  for (TcxRegExprParserAlt* alt : AAlts->Extract()) Alts->Add(alt);
  AAlts->Free();
}

void TcxRegExprParserBlockItem::CreateConnections() {
  EntryState->Add(Alts->StartConnections());
  if (Alts->ThereIsEmptyAlt()) EntryState->Add(ExitState);
  Alts->CreateConnections();
  Alts->CreateFinishConnections(ExitState);
}

// ---- Alternatives ------------------------------------------------------------------------------------------------
void TcxRegExprParserAlt::Destroy() {
  for (TcxRegExprParserItem* item : FItems) item->Free();
  FItems.clear();
  inherited::Destroy();
}

void TcxRegExprParserAlt::SetLastItem(TcxRegExprParserItem* AItem) {
  FItems.back()->Free();
  FItems.back() = AItem;
}

bool TcxRegExprParserAlt::CanEmpty() {
  for (TcxRegExprParserItem* item : FItems)
    if (!item->CanEmpty()) return false;
  return true;
}

bool TcxRegExprParserAlt::CanMissing() {
  for (TcxRegExprParserItem* item : FItems)
    if (!item->CanMissing()) return false;
  return true;
}

TcxRegExprParserAlt* TcxRegExprParserAlt::Clone() {
  auto* clone = New<TcxRegExprParserAlt>();
  for (TcxRegExprParserItem* item : FItems) clone->Add(item->Clone());
  return clone;
}

String TcxRegExprParserAlt::Print() {
  String text = String("<Start_Alt>") + CRLF;
  for (TcxRegExprParserItem* item : FItems) text += item->Print();
  return text + "<Finish_Alt>" + CRLF;
}

Integer TcxRegExprParserAlt::StateCount() {
  Integer count = 0;
  for (TcxRegExprParserItem* item : FItems) count += item->StateCount();
  return count;
}

std::vector<TcxRegExprState*> TcxRegExprParserAlt::StartConnections(size_t AFrom) {
  std::vector<TcxRegExprState*> states;
  for (size_t i = AFrom; i < FItems.size(); ++i) {
    states.push_back(FItems[i]->Entry());
    if (!FItems[i]->CanMissing()) break;
  }
  return states;
}

void TcxRegExprParserAlt::CreateConnections() {
  for (size_t i = 0; i < FItems.size(); ++i) {
    TcxRegExprParserItem* item = FItems[i];
    item->Exit()->Add(StartConnections(i + 1));
    if (item->CanRepeat()) item->Exit()->Add(item->Entry());
    item->CreateConnections();
  }
}

void TcxRegExprParserAlt::CreateFinishConnections(TcxRegExprState* ATarget) {
  for (size_t i = FItems.size(); i > 0; --i) {
    FItems[i - 1]->Exit()->Add(ATarget);
    if (!FItems[i - 1]->CanMissing()) break;
  }
}

void TcxRegExprParserAlt::CreateFinalStates() {
  for (size_t i = FItems.size(); i > 0; --i) {
    FItems[i - 1]->SetFinal();
    if (!FItems[i - 1]->CanMissing()) break;
  }
}

// ---- Lists of alternatives -----------------------------------------------------------------------------------------
void TcxRegExprParserAlts::Destroy() {
  for (TcxRegExprParserAlt* alt : FAlts) alt->Free();
  FAlts.clear();
  inherited::Destroy();
}

TcxRegExprParserAlt* TcxRegExprParserAlts::AddAlt() {
  FAlts.push_back(New<TcxRegExprParserAlt>());
  return FAlts.back();
}

std::vector<TcxRegExprParserAlt*> TcxRegExprParserAlts::Extract() {
  std::vector<TcxRegExprParserAlt*> alts;
  alts.swap(FAlts);
  return alts;
}

bool TcxRegExprParserAlts::CanEmpty() {
  for (TcxRegExprParserAlt* alt : FAlts)
    if (alt->CanEmpty()) return true;
  return false;
}

bool TcxRegExprParserAlts::ThereIsEmptyAlt() {
  for (TcxRegExprParserAlt* alt : FAlts)
    if (alt->CanMissing()) return true;
  return false;
}

TcxRegExprParserAlts* TcxRegExprParserAlts::Clone() {
  auto* clone = New<TcxRegExprParserAlts>();
  for (TcxRegExprParserAlt* alt : FAlts) clone->Add(alt->Clone());
  return clone;
}

String TcxRegExprParserAlts::Print() {
  String text;
  for (TcxRegExprParserAlt* alt : FAlts) text += alt->Print();
  return text;
}

Integer TcxRegExprParserAlts::StateCount() {
  Integer count = 0;
  for (TcxRegExprParserAlt* alt : FAlts) count += alt->StateCount();
  return count;
}

std::vector<TcxRegExprState*> TcxRegExprParserAlts::StartConnections() {
  std::vector<TcxRegExprState*> states;
  for (TcxRegExprParserAlt* alt : FAlts) {
    const std::vector<TcxRegExprState*> part = alt->StartConnections();
    states.insert(states.end(), part.begin(), part.end());
  }
  return states;
}

void TcxRegExprParserAlts::CreateConnections() {
  for (TcxRegExprParserAlt* alt : FAlts) alt->CreateConnections();
}

void TcxRegExprParserAlts::CreateFinishConnections(TcxRegExprState* ATarget) {
  for (TcxRegExprParserAlt* alt : FAlts) alt->CreateFinishConnections(ATarget);
}

void TcxRegExprParserAlts::CreateFinalStates() {
  for (TcxRegExprParserAlt* alt : FAlts) alt->CreateFinalStates();
}

}  // namespace cxRegExpr
