// The mask editor's regular expressions: the lexer, the compiler's errors with their places, the
// automaton stepped keystroke by keystroke, completion of forced characters, and the pattern limits.
#include <gtest/gtest.h>

#include "FormatSettings.h"
#include "Streams.h"
#include "cxMaskText.h"
#include "cxRegExpr.h"

namespace {

TOwnedPtr<TcxRegExpr> CompiledExpr(const String& APattern, bool ACaseInsensitive = false) {
  TOwnedPtr<TcxRegExpr> expr(New<TcxRegExpr>());
  expr->SetCaseInsensitive(ACaseInsensitive);
  TOwnedPtr<TStringStream> stream(New<TStringStream>(APattern));
  expr->Compile(stream.get());
  return expr;
}

// The full messages of the errors of a pattern, joined by " | "; empty when it compiles.
String PatternErrors(const String& APattern) {
  try {
    CompiledExpr(APattern);
  } catch (const EcxRegExprError& e) {
    String text;
    for (Integer i = 0; i < e.GetErrors()->GetCount(); ++i)
      text += (i > 0 ? " | " : "") + e.GetErrors()->GetItems(i)->GetFullMessage();
    return text;
  }
  return "";
}

// Types the text character by character: each accepted character as the automaton left it, '!' for
// a rejected one, and '$' at the end when the text is complete.
String TypedExpr(TcxRegExpr* AExpr, const String& AText) {
  String result;
  for (char32_t c : ToMaskChars(AText)) {
    if (AExpr->Next(c)) result += MaskCharToString(c);
    else result += '!';
  }
  if (AExpr->IsFinal()) result += '$';
  return result;
}

String TypedExpr(const String& APattern, const String& AText, bool ACaseInsensitive = false) {
  return TypedExpr(CompiledExpr(APattern, ACaseInsensitive).get(), AText);
}

TEST(cxRegExprLexer, MakesLexemsWithTheirPlaces) {
  TOwnedPtr<TcxRegExpr> expr(New<TcxRegExpr>());
  TOwnedPtr<TStringStream> stream(New<TStringStream>("a 'b c'\r\n[^x-z]{2,3}\\d/:.\\1\\x41"));
  // The reference to a group that does not exist fails in the parser; the lexems stay.
  EXPECT_THROW(expr->Compile(stream.get()), EcxRegExprError);
  const struct {
    TcxLexemKind Kind;
    const char* Value;
    Integer Line, Char;
  } expected[] = {
      {lkSymbol, "a", 1, 1},    {lkSymbol, "b", 1, 4},     {lkSymbol, " ", 1, 5},       {lkSymbol, "c", 1, 6},
      {lkSpecial, "[", 2, 1},   {lkSpecial, "^", 2, 2},    {lkSymbol, "x", 2, 3},       {lkSpecial, "-", 2, 4},
      {lkSymbol, "z", 2, 5},    {lkSpecial, "]", 2, 6},    {lkSpecial, "{", 2, 7},      {lkInteger, "2", 2, 8},
      {lkSpecial, ",", 2, 9},   {lkInteger, "3", 2, 10},   {lkSpecial, "}", 2, 11},     {lkDigit, "d", 2, 12},
      {lkDateSeparator, "/", 2, 14}, {lkTimeSeparator, ":", 2, 15}, {lkAll, ".", 2, 16}, {lkReference, "1", 2, 17},
      {lkSymbol, "A", 2, 19},
  };
  const TcxLexems* lexems = expr->GetLexems();
  ASSERT_EQ(lexems->GetCount(), static_cast<Integer>(std::size(expected)));
  for (Integer i = 0; i < lexems->GetCount(); ++i) {
    const TcxLexem& lexem = lexems->GetItems(i);
    EXPECT_EQ(lexem.Kind, expected[i].Kind) << i;
    EXPECT_EQ(lexem.Value, expected[i].Value) << i;
    EXPECT_EQ(lexem.Line, expected[i].Line) << i;
    EXPECT_EQ(lexem.Char, expected[i].Char) << i;
  }
}

TEST(cxRegExprLexer, BlanksQuotesEscapesAndLiteralOperators) {
  const struct {
    const char* Pattern;
    const char* Text;
    const char* Result;
  } cases[] = {
      {"\\d \\d", "12", "12$"},
      {"\\d \\d", "1 ", "1!"},
      {"'a b'", "a b", "a b$"},
      {"'it''s'", "it's", "it's$"},
      {"^a$", "^a$", "^a$$"},
      {"\\0", "0", "0$"},
      {"(a)\\10", "aa0", "aa0$"},
      {"\\x41\\t", "A\t", "A\t$"},
      {"[a-]", "-", "-$"},
      {"[a-]", "b", "!"},
      {"\\s\\S", " x", " x$"},
      {"\\w+\\W", "a_1-", "a_1-$"},
      {"汉.字", "汉x字", "汉x字$"},
      {"[一-龥]+", "中文a", "中文!$"},
  };
  for (const auto& c : cases) EXPECT_EQ(TypedExpr(c.Pattern, c.Text), c.Result) << c.Pattern << " / " << c.Text;
}

TEST(cxRegExprCompiler, ReportsErrorsWithLineAndColumn) {
  const struct {
    const char* Pattern;
    const char* Errors;
  } cases[] = {
      {"", "The source stream is empty"},
      {" \t\r\n", "The source stream is empty"},
      {"'ab", "Line1, Char4: Missing ' ' '"},
      {"(a", "Missing ')'"},
      {"a)", "Unnecessary ')'"},
      {")(", "Line1, Char1: Illegal ')' | The alternative should not be empty"},
      {"a\\ b", "Line1, Char3: The space character is not allowed after '\\'"},
      {"\\x4", "Line1, Char4: Hexadecimal number expected"},
      {"\\x4g", "Line1, Char4: Hexadecimal number expected but 'g' found"},
      {"[ab", "Line1, Char4: Missing ']'"},
      {"a{1x}", "Line1, Char4: Illegal 'x'"},
      {"a{1'}", "Line1, Char4: Illegal ' ' '"},
      {"a{1", "Line1, Char4: Missing '}'"},
      {"a|", "The alternative should not be empty"},
      {"|a", "Line1, Char1: The alternative should not be empty"},
      {"(a|)", "Line1, Char4: The block should not be empty"},
      {"()", "Line1, Char2: The block should not be empty"},
      {"[a-a]", "Line1, Char4: The starting character of the subrange must be less than the finishing one"},
      {"[]", "Line1, Char2: Can't create empty enumeration"},
      {"[^]", "Line1, Char3: Can't create empty enumeration"},
      {"a{2,1}", "Line1, Char5: Incorrect parameter quantifier"},
      {"a{,2}", "Line1, Char3: Incorrect parameter quantifier"},
      {"{2}", "Line1, Char1: Incorrect parameter quantifier"},
      {"a?{2}", "Line1, Char3: The parameter quantifier cannot be applied here"},
      {"*a", "Line1, Char1: Illegal quantifier '*'"},
      {"a**", "Line1, Char3: The '*' quantifier cannot be applied here"},
      {"(a?)+", "Line1, Char5: The '+' quantifier cannot be applied here"},
      {"\\2(a)", "Line1, Char1: Too big reference number"},
      {"a]b},", ""},
      {"a\r\n  b{x}", "Line2, Char5: Illegal 'x'"},
  };
  for (const auto& c : cases) EXPECT_EQ(PatternErrors(c.Pattern), c.Errors) << c.Pattern;
}

TEST(cxRegExprCompiler, RefusesPatternsThatWouldOutgrowTheirStates) {
  EXPECT_EQ(PatternErrors("a{99999999999}"), "Line1, Char3: Illegal integer value");
  EXPECT_EQ(PatternErrors("a{1,99999999999}"), "Line1, Char5: Illegal integer value");
  EXPECT_EQ(PatternErrors("a{100000}"), "Line1, Char2: Incorrect parameter quantifier");
  EXPECT_EQ(PatternErrors("(a{100}){100}"), "Line1, Char9: Incorrect parameter quantifier");
  EXPECT_EQ(PatternErrors("(a{500})\\1\\1\\1\\1\\1\\1"), "Line1, Char19: Too big reference number");
  EXPECT_EQ(PatternErrors("a{1000}"), "") << "a large count within the budget compiles";
  EXPECT_EQ(TypedExpr("\\d{3,}", "12345"), "12345$");
}

TEST(cxRegExprCompiler, CompileFailureLeavesTheExpressionUncompiled) {
  TOwnedPtr<TcxRegExpr> expr = CompiledExpr("a");
  TOwnedPtr<TStringStream> bad(New<TStringStream>("(("));
  EXPECT_THROW(expr->Compile(bad.get()), EcxRegExprError);
  EXPECT_FALSE(expr->IsCompiled());
  EXPECT_EQ(expr->GetStream(), nullptr);
  char32_t c = U'a';
  EXPECT_THROW(expr->Next(c), EcxEditError);
  EXPECT_THROW(expr->Compile(nullptr), EcxRegExprError);
  EXPECT_THROW(cxRegExpr::IsTextValid("a", "(("), EcxRegExprError);
}

TEST(cxRegExprAutomat, StepsKeystrokeByKeystroke) {
  const struct {
    const char* Pattern;
    const char* Text;
    bool CaseInsensitive;
    const char* Result;
  } cases[] = {
      {"\\d+", "", false, ""},
      {"\\d+", "12a3", false, "12!3$"},
      {"ab?", "a", false, "a$"},
      {"abc", "ABC", true, "abc$"},
      {"[^a]", "A", true, "!"},
      {"([^a]|[A-Z])", "A", true, "!"},
      {"([^a]|[A-Z])", "A", false, "A$"},
      {"(ab)\\1", "abab", false, "abab$"},
      {"(a|b)\\1", "ab", false, "ab$"},
      {"a(b?)", "a", false, "a"},
      {"a(b)?", "a", false, "a$"},
      {"(a?)", "", false, ""},
      {"a?", "", false, "$"},
      {"a{2,4}", "aaaaa", false, "aaaa!$"},
      {"a{0}b", "b", false, "b$"},
      {"(a|ab)(c|bcd)", "abcd", false, "abcd$"},
      {"a+*b", "aab", false, "aab$"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TypedExpr(c.Pattern, c.Text, c.CaseInsensitive), c.Result) << c.Pattern << " / " << c.Text;
  EXPECT_TRUE(cxRegExpr::IsTextValid("", "\\d\\d"));
  EXPECT_FALSE(cxRegExpr::IsTextFullValid("", "\\d\\d"));
  EXPECT_TRUE(cxRegExpr::IsTextFullValid("", "\\d*"));
  EXPECT_TRUE(cxRegExpr::IsTextFullValid("12", "\\d\\d"));
  EXPECT_FALSE(cxRegExpr::IsTextValid("1a", "\\d\\d"));
}

TEST(cxRegExprAutomat, StepsBackAndKnowsItsStart) {
  TOwnedPtr<TcxRegExpr> expr = CompiledExpr("\\d+x");
  EXPECT_TRUE(expr->IsStart());
  EXPECT_FALSE(expr->Prev()) << "nothing to step back over";
  EXPECT_TRUE(expr->IsStart());
  EXPECT_EQ(TypedExpr(expr.get(), "12q"), "12!");
  EXPECT_FALSE(expr->IsStart());
  EXPECT_TRUE(expr->Prev());
  EXPECT_TRUE(expr->Prev());
  EXPECT_TRUE(expr->IsStart());
  EXPECT_EQ(expr->NextEx("1y2x"), "12x");
  EXPECT_TRUE(expr->IsFinal());
  expr->Reset();
  EXPECT_TRUE(expr->IsStart());
}

TEST(cxRegExprAutomat, SeparatorsFollowTheLocaleAtEachKeystroke) {
  const Char saved = FormatSettings.DateSeparator;
  FormatSettings.DateSeparator = '/';
  TOwnedPtr<TcxRegExpr> expr = CompiledExpr("\\d/\\d");
  char32_t digit = U'1', slash = U'/', dot = U'.';
  ASSERT_TRUE(expr->Next(digit));
  EXPECT_TRUE(expr->Next(slash));
  expr->Prev();
  FormatSettings.DateSeparator = '.';
  EXPECT_FALSE(expr->Next(slash));
  EXPECT_TRUE(expr->Next(dot));
  FormatSettings.DateSeparator = saved;
}

// Completion collects forced characters through the events and takes them back on the way back.
struct TCompletion {
  TOwnedPtr<TcxRegExpr> Expr;
  String Text, Forced;
  explicit TCompletion(const String& APattern) : Expr(CompiledExpr(APattern)) {
    Expr->OnSymbolUpdate = TcxRegExprSymbolUpdateEvent([this](char32_t c) { Forced += MaskCharToString(c); });
    Expr->OnSymbolDelete = TcxRegExprSymbolDeleteEvent([this] { Text.pop_back(); });
    Expr->SetUpdateOn(true);
    Text = Forced;
  }
  // The forced characters follow the typed one.
  void Type(char32_t c) {
    Forced.clear();
    if (Expr->Next(c)) Text += MaskCharToString(c) + Forced;
  }
  void Back() {
    if (Expr->Prev()) Text.pop_back();
  }
};

TEST(cxRegExprAutomat, CompletesAndRemovesForcedLiterals) {
  TCompletion date("\\d\\d-\\d\\d");
  date.Type(U'1');
  date.Type(U'2');
  EXPECT_EQ(date.Text, "12-");
  date.Back();
  EXPECT_EQ(date.Text, "1") << "the forced '-' goes together with the 2";
  TCompletion prefix("'(' \\d ')'");
  EXPECT_EQ(prefix.Text, "(") << "a forced prefix is completed at once";
  prefix.Type(U'5');
  EXPECT_EQ(prefix.Text, "(5)");
  TCompletion optional("ab?");
  optional.Type(U'a');
  EXPECT_EQ(optional.Text, "a") << "completion stops where the text is complete";
  TCompletion choice("a(b|c)");
  choice.Type(U'a');
  EXPECT_EQ(choice.Text, "a");
}

TEST(cxRegExprAutomat, CyclesOfEmptyMovesEndAndSetsHoldEachStateOnce) {
  // {n,} over a group that can match nothing links its exit back to its entry and its entry to its exit.
  EXPECT_EQ(TypedExpr("(a?){2,}b", "aaab"), "aaab$");
  EXPECT_EQ(TypedExpr("(a?|b?){1,}c", "abac"), "abac$");
  EXPECT_FALSE(cxRegExpr::IsTextFullValid("", "(a?){3,}")) << "being missing is decided by quantifiers only";
  // Overlapping optional parts reach the same states by many roads; the sets stay small and the
  // step stays fast however long the text.
  const String longText(2000, 'a');
  EXPECT_TRUE(cxRegExpr::IsTextFullValid(longText, "(a?a?a?a?a?a?a?a?){1,}a*"));
  TCompletion cycle("(a?){2,}'x'");
  EXPECT_EQ(cycle.Text, "") << "a choice is never forced";
}

TEST(cxRegExprAutomat, StateSetsHoldEachStateOnceInFirstOrder) {
  // start -> entry, entry <-> exit (a cycle of empty moves), entry -> b, exit -> c, exit -> b.
  TOwnedPtr<TcxRegExprSimpleState> start(New<TcxRegExprSimpleState>());
  TOwnedPtr<TcxRegExprBlockState> entry(New<TcxRegExprBlockState>()), exit(New<TcxRegExprBlockState>());
  TOwnedPtr<TcxRegExprSimpleState> b(New<TcxRegExprSimpleState>(New<TcxRegExprSymbol>(U'x')));
  TOwnedPtr<TcxRegExprSimpleState> c(New<TcxRegExprSimpleState>(New<TcxRegExprAll>()));
  start->Add(entry.get());
  entry->Add(exit.get());
  entry->Add(b.get());
  exit->Add(entry.get());
  exit->Add(c.get());
  exit->Add(b.get());
  TcxRegExprStates set;
  TcxRegExprStep step;
  set.Add(start.get(), step);
  set.Add(start.get(), step);
  ASSERT_EQ(set.GetCount(), 1);
  char32_t ch = U'x';
  TcxRegExprStates next;
  set.Next(ch, false, next);
  ASSERT_EQ(next.GetCount(), 2) << "b is reached twice, but taken once";
  EXPECT_EQ(next.GetState(0), c.get()) << "in the order the moves first reach them";
  EXPECT_EQ(next.GetState(1), b.get());
  const TcxRegExprStates all = set.GetAllNextStates();
  ASSERT_EQ(all.GetCount(), 2);
  EXPECT_EQ(all.GetState(0), c.get());
  char32_t literal = 0;
  EXPECT_FALSE(all.Equ(literal));
}

TEST(cxRegExprCompiler, PrintsTheParseTree) {
  TOwnedPtr<TcxRegExpr> expr = CompiledExpr("a(b)*");
  EXPECT_EQ(expr->Print(),
            "<Start_Alt>\r\nitem --> \r\n<Start_Block>\r\n<Start_Alt>\r\nitem --> \r\n<Finish_Alt>\r\n"
            "<Finish_Block> --> *\r\n<Finish_Alt>\r\n");
}

}  // namespace
