// The mask editor's regular expressions: a pattern read from a stream is compiled into a
// nondeterministic automaton that is then driven one typed character at a time. The dialect is made
// for input masks: a pattern describes the whole text, blanks between tokens are ignored, quoted text
// is literal, / : and \p stand for the locale's separators, \n repeats group n's pattern, and there
// are no anchors, captures, lazy quantifiers or look-arounds. Pattern errors are collected with their
// line and column and raised together.
#pragma once

#include <memory>
#include <vector>

#include "Closures.h"
#include "Exceptions.h"
#include "System.h"
#include "cxEditControl.h"
#include "cxRegExprAutomat.h"

namespace Streams {
class TStream;
class TMemoryStream;
}  // namespace Streams

namespace cxRegExpr {

using namespace cxEdit;

enum TcxLexemKind {
  lkSymbol, lkSpecial, lkInteger, lkAll, lkIdLetter, lkNotIdLetter, lkDigit, lkNotDigit, lkSpace, lkNotSpace,
  lkReference, lkDateSeparator, lkTimeSeparator
};

struct TcxLexem {
  Integer Char = 0;  // the column
  TcxLexemKind Kind = lkSymbol;
  Integer Line = 0;
  String Value;      // one character, or the digits of an integer
};

class TcxLexems : public TObject {
  DECLARE_CLASS(TcxLexems, TObject)
 public:
  void Add(const TcxLexem& ALexem) { FItems.push_back(ALexem); }
  const TcxLexem& GetItems(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }
  void Clear() { FItems.clear(); }
  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }

 private:
  std::vector<TcxLexem> FItems;
};

class TcxRegExprError : public TObject {
  DECLARE_CLASS(TcxRegExprError, TObject)
 public:
  TcxRegExprError(Integer ALine = 0, Integer AChar = 0, String AMessage = String())
      : Char(AChar), Line(ALine), Message(std::move(AMessage)) {}
  TcxRegExprError* Clone() { return New<TcxRegExprError>(Line, Char, Message); }
  // "Line1, Char4: message"; the position parts only where they are known.
  String GetFullMessage();
  Integer Char;
  Integer Line;
  String Message;
};

class TcxRegExprErrors : public TObject {
  DECLARE_CLASS(TcxRegExprErrors, TObject)
 public:
  void Add(TcxRegExprError* AError) { FItems.push_back(AError); }
  void Clear();
  TcxRegExprErrors* Clone();
  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
  TcxRegExprError* GetItems(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }

 protected:
  void Destroy() override;

 private:
  std::vector<TcxRegExprError*> FItems;
};

// The pattern errors of a failed compile. The exception keeps its own copy of the list, so it stays
// readable whatever becomes of the regular expression that raised it; its message is empty.
class EcxRegExprError : public EcxEditError {
 public:
  explicit EcxRegExprError(TcxRegExprErrors* AErrors);
  const char* ClassName() const override { return "EcxRegExprError"; }
  TcxRegExprErrors* GetErrors() const { return FErrors.get(); }

 private:
  std::shared_ptr<TcxRegExprErrors> FErrors;
};

class TcxRegExprParserItem;
class TcxRegExprParserAlt;
class TcxRegExprParserBlockItem;

using TcxRegExprSymbolDeleteEvent = TClosure<void()>;
using TcxRegExprSymbolUpdateEvent = TClosure<void(char32_t)>;

// The most states one pattern may build (parameter quantifiers and group references clone items).
constexpr Integer cxRegExprMaxStateCount = 4096;

// The blanks of a pattern: 0, tab, LF, FF, CR and space.
bool IsRegExprBlank(char32_t AChar);

class TcxRegExpr : public TObject {
  DECLARE_CLASS(TcxRegExpr, TObject)
 public:
  // Raises EcxRegExprError with every pattern error.
  void Compile(Streams::TStream* AStream);
  bool IsCompiled() const { return FCompiled; }
  // The lexems of the last compile.
  const TcxLexems* GetLexems() const { return FLexems; }
  Streams::TStream* GetStream();
  bool Next(char32_t& AChar);
  // Feeds the characters of AText and answers the accepted ones, as they stood in AText.
  String NextEx(const String& AText);
  bool Prev();
  bool IsFinal();
  bool IsStart();
  void Reset();
  String Print();
  void Clear();
  bool GetUpdateOn() const { return FUpdateOn; }
  void SetUpdateOn(bool Value);
  // Holds completion back (Next and Prev step plainly) without switching it off; counted.
  void SuspendUpdate() { ++FUpdateSuspended; }
  void ResumeUpdate() { --FUpdateSuspended; }
  bool GetCaseInsensitive() const { return FCaseInsensitive; }
  void SetCaseInsensitive(bool Value) { FCaseInsensitive = Value; }
  void SymbolDelete();
  void SymbolUpdate(char32_t AChar);
  TcxRegExprSymbolDeleteEvent OnSymbolDelete;
  TcxRegExprSymbolUpdateEvent OnSymbolUpdate;

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  // ---- Reading and the lexer (cxRegExprLexer.cpp)
  bool Eof() const { return FIndex >= FPattern.size(); }
  char32_t ReadChar();
  char32_t PeekChar() const { return FPattern[FIndex]; }
  void SkipBlanks();
  void AddError(Integer ALine, Integer AChar, const String& AMessage);
  void AddLexem(TcxLexemKind AKind, const String& AValue, Integer ALine, Integer AChar);
  void AddSymbol(char32_t AChar, Integer ALine, Integer AColumn);
  void ScanExpr();
  void ScanString();
  void ScanEscape();
  void ScanClass();
  void ScanQuantifier();
  void ScanInteger(char32_t AFirst);
  // ---- The parser (cxRegExpr.cpp)
  void ParseExpr();
  bool ParseAlt(TcxRegExprParserAlt* AAlt, bool ATopLevel);
  TcxRegExprParserBlockItem* ParseBlock();
  TcxRegExprParserItem* ParseEnumeration();
  bool ParseQuantifier(const TcxLexem& ABrace, Integer& AMin, Integer& AMax);
  bool ParseInteger(const TcxLexem& ALexem, Integer& AValue);
  void ApplyQuantifier(TcxRegExprParserAlt* AAlt, TcxRegExprParserItem*& ALast, const TcxLexem& ALexem);
  void ApplyParameterQuantifier(TcxRegExprParserAlt* AAlt, TcxRegExprParserItem*& ALast, const TcxLexem& ABrace);
  bool ReserveStates(Integer ACount);
  void SkipQuantifier();
  bool HasLexem() const { return FLexemIndex < FLexems->GetCount(); }
  const TcxLexem& NextLexem() { return FLexems->GetItems(FLexemIndex++); }
  const TcxLexem& PeekLexem() const { return FLexems->GetItems(FLexemIndex); }
  void AddLexemError(const TcxLexem& ALexem, const String& AMessage) { AddError(ALexem.Line, ALexem.Char, AMessage); }
  [[noreturn]] void RaiseErrors();
  void TestCompiledStatus();

  Streams::TMemoryStream* FStream = nullptr;
  std::u32string FPattern;
  TcxRegExprErrors* FErrors = nullptr;
  TcxLexems* FLexems = nullptr;
  std::vector<TcxRegExprParserBlockItem*> FGroups;
  TcxRegExprAutomat* FAutomat = nullptr;
  size_t FIndex = 0;
  Integer FLexemIndex = 0;
  Integer FLine = 1;
  Integer FChar = 0;
  Integer FDepth = 0;
  Integer FStateCount = 0;
  bool FFirstCompile = true;
  bool FCompiled = false;
  bool FUpdateOn = false;
  Integer FUpdateSuspended = 0;
  bool FCaseInsensitive = false;
};

// Compile the pattern (case-sensitive, no completion) and feed the text: every character accepted
// (IsTextValid), and the end a complete match too (IsTextFullValid).
bool IsTextValid(const String& AText, const String& APattern);
bool IsTextFullValid(const String& AText, const String& APattern);

}  // namespace cxRegExpr

using namespace cxRegExpr;
