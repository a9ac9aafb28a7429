// The regular-expression compiler: errors, compiling a pattern stream, the parser that builds the
// parse tree, and the stepping operations the mask editor drives.
#include "cxRegExpr.h"

#include <cstring>
#include <limits>

#include "Format.h"
#include "Multibyte.h"
#include "Streams.h"
#include "Strings.h"
#include "cxClassesResStrings.h"
#include "cxMaskEditConsts.h"
#include "cxMaskText.h"
#include "cxRegExprParser.h"

namespace cxRegExpr {

IMPLEMENT_CLASS(TcxLexems)
IMPLEMENT_CLASS(TcxRegExprError)
IMPLEMENT_CLASS(TcxRegExprErrors)
IMPLEMENT_CLASS(TcxRegExpr)

// ---- Errors ---------------------------------------------------------------------------------------------------
String TcxRegExprError::GetFullMessage() {
  if (Line <= 0) return Message;
  String text = cxGetResourceString(&cxSEditRegExprLine) + IntToStr(Line);
  if (Char > 0) text += ", " + cxGetResourceString(&cxSEditRegExprChar) + IntToStr(Char);
  return text + ": " + Message;
}

void TcxRegExprErrors::Destroy() {
  Clear();
  inherited::Destroy();
}

void TcxRegExprErrors::Clear() {
  for (TcxRegExprError* error : FItems) error->Free();
  FItems.clear();
}

TcxRegExprErrors* TcxRegExprErrors::Clone() {
  auto* clone = New<TcxRegExprErrors>();
  for (TcxRegExprError* error : FItems) clone->Add(error->Clone());
  return clone;
}

EcxRegExprError::EcxRegExprError(TcxRegExprErrors* AErrors)
    : FErrors(AErrors ? AErrors->Clone() : New<TcxRegExprErrors>(), TFreeObject()) {}

// ---- Life -------------------------------------------------------------------------------------------------------
void TcxRegExpr::Construct() {
  inherited::Construct();
  FStream = New<TMemoryStream>();
  FErrors = New<TcxRegExprErrors>();
  FLexems = New<TcxLexems>();
}

void TcxRegExpr::Destroy() {
  FreeAndNil(FAutomat);
  FreeAndNil(FLexems);
  FreeAndNil(FErrors);
  FreeAndNil(FStream);
  inherited::Destroy();
}

void TcxRegExpr::Clear() {
  FStream->Clear();
  FPattern.clear();
  FErrors->Clear();
  FLexems->Clear();
  FGroups.clear();
  FreeAndNil(FAutomat);
  FIndex = 0;
  FLexemIndex = 0;
  FChar = 0;
  FLine = 1;
  FStateCount = 0;
  FCompiled = false;
}

void TcxRegExpr::RaiseErrors() { throw EcxRegExprError(FErrors); }

// ---- Compiling ----------------------------------------------------------------------------------------------------
void TcxRegExpr::Compile(TStream* AStream) {
  if (FFirstCompile) FFirstCompile = false;
  else Clear();
  try {
    if (!AStream) throw EStreamError("");
    FStream->LoadFromStream(AStream);
  } catch (const Exception&) {
    AddError(0, 0, cxGetResourceString(&cxSEditRegExprStreamNotAssigned));
    RaiseErrors();
  }
  String text(static_cast<size_t>(FStream->GetSize()), '\0');
  if (!text.empty()) std::memcpy(text.data(), FStream->GetMemory(), text.size());
  FPattern = ToMaskChars(text);
  bool blank = true;
  for (char32_t c : FPattern) blank = blank && IsRegExprBlank(c);
  if (blank) {
    AddError(0, 0, cxGetResourceString(&cxSEditRegExprStreamEmpty));
    RaiseErrors();
  }
  ScanExpr();
  if (FErrors->GetCount() > 0) RaiseErrors();
  ParseExpr();
  if (FErrors->GetCount() > 0) RaiseErrors();
  FCompiled = true;
  if (FUpdateOn) FAutomat->Update();
}

TStream* TcxRegExpr::GetStream() { return FCompiled ? FStream : nullptr; }

// ---- Parser -------------------------------------------------------------------------------------------------------
namespace {
TcxRegExprParserSimpleItem* NewSimpleItem(TcxRegExprItem* ATest) {
  return New<TcxRegExprParserSimpleItem>(New<TcxRegExprSimpleState>(ATest));
}

char32_t FirstChar(const String& AValue) {
  const TcxMaskChars chars = ToMaskChars(AValue);
  return chars.empty() ? 0 : chars[0];
}

// The test of a lexem that stands for one character or a class of characters; null for the others.
TcxRegExprItem* NewTest(const TcxLexem& ALexem) {
  switch (ALexem.Kind) {
    case lkAll: return New<TcxRegExprAll>();
    case lkIdLetter: return New<TcxRegExprIdLetter>(false);
    case lkNotIdLetter: return New<TcxRegExprIdLetter>(true);
    case lkDigit: return New<TcxRegExprDigit>(false);
    case lkNotDigit: return New<TcxRegExprDigit>(true);
    case lkSpace: return New<TcxRegExprSpace>(false);
    case lkNotSpace: return New<TcxRegExprSpace>(true);
    case lkDateSeparator: return New<TcxRegExprDateSeparator>();
    case lkTimeSeparator: return New<TcxRegExprTimeSeparator>();
    default: return nullptr;
  }
}

bool IsSpecial(const TcxLexem& ALexem, const char* AValue) { return ALexem.Kind == lkSpecial && ALexem.Value == AValue; }
}  // namespace

bool TcxRegExpr::ReserveStates(Integer ACount) {
  if (ACount > cxRegExprMaxStateCount - FStateCount) return false;
  FStateCount += ACount;
  return true;
}

void TcxRegExpr::ParseExpr() {
  auto* alts = New<TcxRegExprParserAlts>();
  while (ParseAlt(alts->AddAlt(), true)) {
  }
  if (FErrors->GetCount() > 0) {
    alts->Free();
    return;
  }
  alts->CreateConnections();
  alts->CreateFinalStates();
  FAutomat = New<TcxRegExprAutomat>(alts, this);
}

TcxRegExprParserBlockItem* TcxRegExpr::ParseBlock() {
  auto* group = New<TcxRegExprParserBlockItem>();
  FGroups.push_back(group);
  ReserveStates(2);
  while (ParseAlt(group->AddAlt(), false)) {
  }
  return group;
}

bool TcxRegExpr::ParseAlt(TcxRegExprParserAlt* AAlt, bool ATopLevel) {
  const String emptyAlternative = cxGetResourceString(&cxSEditRegExprEmptyAlternative);
  if (!HasLexem()) {
    AddError(0, 0, emptyAlternative);
    return false;
  }
  if (IsSpecial(PeekLexem(), "|")) {
    AddLexemError(NextLexem(), emptyAlternative);
    return true;
  }
  if (!ATopLevel && IsSpecial(PeekLexem(), ")")) {
    AddLexemError(NextLexem(), cxGetResourceString(&cxSEditRegExprEmptyBlock));
    return false;
  }
  TcxRegExprParserItem* last = nullptr;
  auto addItem = [&](TcxRegExprParserItem* AItem) {
    last = AItem;
    AAlt->Add(AItem);
  };
  auto illegal = [this](const TcxLexem& ALexem) {
    AddLexemError(ALexem, Format(cxGetResourceString(&cxSEditRegExprIllegal), {ALexem.Value}));
  };
  while (HasLexem()) {
    const TcxLexem lexem = NextLexem();
    switch (lexem.Kind) {
      case lkSymbol:
        ReserveStates(1);
        addItem(NewSimpleItem(New<TcxRegExprSymbol>(FirstChar(lexem.Value))));
        break;
      case lkReference: {
        const auto number = static_cast<size_t>(lexem.Value[0] - '0');
        TcxRegExprParserBlockItem* group = number <= FGroups.size() ? FGroups[number - 1] : nullptr;
        // A reference repeats the group's pattern; one that would outgrow the pattern's states is refused too.
        if (group && ReserveStates(group->StateCount())) addItem(group->Clone());
        else AddLexemError(lexem, cxGetResourceString(&cxSEditRegExprTooBigReferenceNumber));
        break;
      }
      case lkInteger: AddLexemError(lexem, cxGetResourceString(&cxSEditRegExprIllegalIntegerValue)); break;
      case lkSpecial: {
        const char op = lexem.Value[0];
        switch (op) {
          case '(': addItem(ParseBlock()); break;
          case '[': addItem(ParseEnumeration()); break;
          case ')':
            if (!ATopLevel) return false;
            illegal(lexem);
            break;
          case '|': return true;
          case '-': case ']': case '}': illegal(lexem); break;
          case '?': case '+': case '*': ApplyQuantifier(AAlt, last, lexem); break;
          case '{': ApplyParameterQuantifier(AAlt, last, lexem); break;
          default: break;
        }
        break;
      }
      default:
        ReserveStates(1);
        addItem(NewSimpleItem(NewTest(lexem)));
        break;
    }
  }
  return false;
}

void TcxRegExpr::ApplyQuantifier(TcxRegExprParserAlt* AAlt, TcxRegExprParserItem*& ALast, const TcxLexem& ALexem) {
  const char op = ALexem.Value[0];
  if (!ALast) return AddLexemError(ALexem, Format(cxGetResourceString(&cxSEditRegExprIllegalQuantifier), {ALexem.Value}));
  if (op != '?' && ALast->CanEmpty())
    return AddLexemError(ALexem, cxGetResourceString(op == '+' ? &cxSEditRegExprCannotApplyPlus : &cxSEditRegExprCannotApplyStar));
  TcxRegExprQuantifier* quantifier = nullptr;
  if (op == '?') quantifier = New<TcxRegExprQuestionQuantifier>();
  else if (op == '+') quantifier = New<TcxRegExprPlusQuantifier>();
  else quantifier = New<TcxRegExprStarQuantifier>();
  if (ALast->NotQuantifier()) return ALast->SetQuantifier(quantifier);
  // An item that has a quantifier already is wrapped: a+* is (a+)*.
  auto* group = New<TcxRegExprParserBlockItem>(quantifier);
  group->AddAlt()->Add(ALast);
  AAlt->ReplaceLastItem(group);
  ALast = group;
  ReserveStates(2);
}

bool TcxRegExpr::ParseInteger(const TcxLexem& ALexem, Integer& AValue) {
  Int64 value = 0;
  if (TryStrToInt64(ALexem.Value, value) && value <= std::numeric_limits<Integer>::max()) {
    AValue = static_cast<Integer>(value);
    return true;
  }
  AddLexemError(ALexem, cxGetResourceString(&cxSEditRegExprIllegalIntegerValue));
  return false;
}

void TcxRegExpr::SkipQuantifier() {
  while (HasLexem())
    if (IsSpecial(NextLexem(), "}")) return;
}

bool TcxRegExpr::ParseQuantifier(const TcxLexem& ABrace, Integer& AMin, Integer& AMax) {
  // A wrong lexem is reported where it stands and the rest of the braces is passed over.
  auto fail = [this](const TcxLexem& AAt) {
    AddLexemError(AAt, cxGetResourceString(&cxSEditRegExprIncorrectParameterQuantifier));
    if (!IsSpecial(AAt, "}")) SkipQuantifier();
    return false;
  };
  if (!HasLexem()) return fail(ABrace);
  TcxLexem lexem = NextLexem();
  if (lexem.Kind != lkInteger) return fail(lexem);
  if (!ParseInteger(lexem, AMin)) return SkipQuantifier(), false;
  if (!HasLexem()) return fail(ABrace);
  lexem = NextLexem();
  if (IsSpecial(lexem, "}")) {
    AMax = AMin;
    return true;
  }
  if (!IsSpecial(lexem, ",") || !HasLexem()) return fail(lexem);
  lexem = NextLexem();
  if (IsSpecial(lexem, "}")) {
    AMax = -1;
    return true;
  }
  if (lexem.Kind != lkInteger) return fail(lexem);
  if (!ParseInteger(lexem, AMax)) return SkipQuantifier(), false;
  if (AMax < AMin) return fail(lexem);
  if (!HasLexem()) return fail(ABrace);
  lexem = NextLexem();
  return IsSpecial(lexem, "}") || fail(lexem);
}

void TcxRegExpr::ApplyParameterQuantifier(TcxRegExprParserAlt* AAlt, TcxRegExprParserItem*& ALast,
                                          const TcxLexem& ABrace) {
  const String incorrect = cxGetResourceString(&cxSEditRegExprIncorrectParameterQuantifier);
  if (!ALast) {
    AddLexemError(ABrace, incorrect);
    return SkipQuantifier();
  }
  Integer min = 0, max = 0;
  if (!ParseQuantifier(ABrace, min, max)) return;
  if (ALast->CanMissing()) return AddLexemError(ABrace, cxGetResourceString(&cxSEditRegExprCannotApplyParameterQuantifier));
  // Every clone costs the item's states, every optional level a group's two: a count past the
  // pattern's budget is refused rather than built.
  const Int64 itemStates = ALast->StateCount();
  const Int64 clones = static_cast<Int64>(min) + (max == -1 ? 1 : max - min);
  const Int64 needed = clones * (itemStates + 2) + 2;
  if (needed > cxRegExprMaxStateCount || !ReserveStates(static_cast<Integer>(needed)))
    return AddLexemError(ABrace, incorrect);
  TcxRegExprParserItem* item = ALast;
  auto* group = New<TcxRegExprParserBlockItem>();
  TcxRegExprParserAlt* alt = group->AddAlt();
  for (Integer i = 0; i < min; ++i) alt->Add(item->Clone());
  if (max == -1) {
    TcxRegExprParserItem* repeated = item->Clone();
    repeated->SetQuantifier(New<TcxRegExprStarQuantifier>());
    alt->Add(repeated);
  } else if (max > min) {
    // x{2,4} is x x (x x?)?: each further occurrence is optional inside the one before.
    TcxRegExprParserItem* optional = item->Clone();
    optional->SetQuantifier(New<TcxRegExprQuestionQuantifier>());
    for (Integer k = max - 2; k >= min; --k) {
      auto* level = New<TcxRegExprParserBlockItem>(New<TcxRegExprQuestionQuantifier>());
      TcxRegExprParserAlt* levelAlt = level->AddAlt();
      levelAlt->Add(item->Clone());
      levelAlt->Add(optional);
      optional = level;
    }
    alt->Add(optional);
  }
  AAlt->SetLastItem(group);
  ALast = group;
}

TcxRegExprParserItem* TcxRegExpr::ParseEnumeration() {
  const bool inverse = HasLexem() && IsSpecial(PeekLexem(), "^");
  if (inverse) NextLexem();
  auto* enumeration = New<TcxRegExprUserEnumeration>(inverse);
  ReserveStates(1);
  TcxRegExprParserItem* item = NewSimpleItem(enumeration);
  if (HasLexem() && IsSpecial(PeekLexem(), "]")) {
    AddLexemError(NextLexem(), cxGetResourceString(&cxSEditRegExprEmptyEnumeration));
    return item;
  }
  while (HasLexem()) {
    const TcxLexem p = NextLexem();
    if (IsSpecial(p, "]")) break;
    if (HasLexem() && IsSpecial(PeekLexem(), "-")) {
      NextLexem();
      if (!HasLexem()) break;
      const TcxLexem finish = NextLexem();
      const char32_t start = FirstChar(p.Value), end = FirstChar(finish.Value);
      if (start < end) enumeration->Add(New<TcxRegExprSubrange>(start, end));
      else AddLexemError(finish, cxGetResourceString(&cxSEditRegExprSubrangeOrder));
      while (HasLexem() && IsSpecial(PeekLexem(), "-"))
        AddLexemError(NextLexem(), Format(cxGetResourceString(&cxSEditRegExprIllegal), {String("-")}));
      continue;
    }
    TcxRegExprItem* test = NewTest(p);
    enumeration->Add(test ? test : New<TcxRegExprSymbol>(FirstChar(p.Value)));
  }
  return item;
}

// ---- Stepping -------------------------------------------------------------------------------------------------------
void TcxRegExpr::TestCompiledStatus() {
  if (!FCompiled) throw EcxEditError(cxGetResourceString(&cxSEditRegExprNotCompiled));
}

bool TcxRegExpr::Next(char32_t& AChar) {
  TestCompiledStatus();
  if (!FAutomat->Next(AChar, FCaseInsensitive)) return false;
  if (FUpdateOn && FUpdateSuspended == 0) FAutomat->Update();
  return true;
}

String TcxRegExpr::NextEx(const String& AText) {
  TestCompiledStatus();
  String accepted;
  for (char32_t c : ToMaskChars(AText)) {
    char32_t typed = c;
    if (FAutomat->Next(typed, FCaseInsensitive)) Utf8Append(accepted, c);
  }
  return accepted;
}

bool TcxRegExpr::Prev() {
  TestCompiledStatus();
  if (FUpdateOn && FUpdateSuspended == 0) FAutomat->ReUpdate();
  return FAutomat->Prev();
}

bool TcxRegExpr::IsFinal() {
  TestCompiledStatus();
  return FAutomat->IsFinal();
}

bool TcxRegExpr::IsStart() {
  TestCompiledStatus();
  return FAutomat->IsStart();
}

void TcxRegExpr::Reset() {
  TestCompiledStatus();
  FAutomat->Reset();
}

String TcxRegExpr::Print() { return FAutomat ? FAutomat->Print() : String(); }

void TcxRegExpr::SetUpdateOn(bool Value) {
  FUpdateOn = Value;
  if (FCompiled && Value) FAutomat->Update();
}

void TcxRegExpr::SymbolDelete() {
  if (OnSymbolDelete) OnSymbolDelete();
}

void TcxRegExpr::SymbolUpdate(char32_t AChar) {
  if (OnSymbolUpdate) OnSymbolUpdate(AChar);
}

// ---- Unit routines -------------------------------------------------------------------------------------------------
namespace {
// Feeds the text to a temporary expression of the pattern; answers whether every character was
// accepted, and whether the end was a complete match.
bool FeedText(const String& AText, const String& APattern, bool& AFinal) {
  TOwnedPtr<TcxRegExpr> expr(New<TcxRegExpr>());
  TOwnedPtr<TStringStream> stream(New<TStringStream>(APattern));
  expr->Compile(stream.get());
  for (char32_t c : ToMaskChars(AText))
    if (!expr->Next(c)) return false;
  AFinal = expr->IsFinal();
  return true;
}
}  // namespace

bool IsTextValid(const String& AText, const String& APattern) {
  bool final = false;
  return FeedText(AText, APattern, final);
}

bool IsTextFullValid(const String& AText, const String& APattern) {
  bool final = false;
  return FeedText(AText, APattern, final) && final;
}

}  // namespace cxRegExpr
