// The regular-expression automaton of the mask editor: the character tests, the states of a
// nondeterministic automaton with empty moves (group entries and exits), the sets of states reachable
// by the text typed so far, and the automaton that steps them one typed character at a time, keeps
// the earlier sets for stepping back, and completes or removes the literal characters that the
// pattern forces. Characters are Unicode code points.
#pragma once

#include <vector>

#include "System.h"

namespace cxRegExpr {

class TcxRegExpr;
class TcxRegExprParserAlts;

// ---- Character tests ----------------------------------------------------------------------------------------
class TcxRegExprItem : public TObject {
  DECLARE_CLASS(TcxRegExprItem, TObject)
 public:
  // Tests the character; a case-insensitive symbol match rewrites it to the pattern's case.
  virtual bool Check(char32_t& AChar, bool ACaseInsensitive) = 0;
  virtual TcxRegExprItem* Clone() = 0;
};

class TcxRegExprSymbol : public TcxRegExprItem {
  DECLARE_CLASS(TcxRegExprSymbol, TcxRegExprItem)
 public:
  explicit TcxRegExprSymbol(char32_t AValue = 0) : Value(AValue) {}
  bool Check(char32_t& AChar, bool ACaseInsensitive) override;
  TcxRegExprItem* Clone() override { return New<TcxRegExprSymbol>(Value); }
  char32_t Value;
};

// The locale's separators as they are at the moment of each test.
class TcxRegExprTimeSeparator : public TcxRegExprItem {
  DECLARE_CLASS(TcxRegExprTimeSeparator, TcxRegExprItem)
 public:
  bool Check(char32_t& AChar, bool) override { return AChar == Value(); }
  TcxRegExprItem* Clone() override { return New<TcxRegExprTimeSeparator>(); }
  static char32_t Value();
};

class TcxRegExprDateSeparator : public TcxRegExprItem {
  DECLARE_CLASS(TcxRegExprDateSeparator, TcxRegExprItem)
 public:
  bool Check(char32_t& AChar, bool) override { return AChar == Value(); }
  TcxRegExprItem* Clone() override { return New<TcxRegExprDateSeparator>(); }
  static char32_t Value();
};

// A range of character codes; the case flag does not apply.
class TcxRegExprSubrange : public TcxRegExprItem {
  DECLARE_CLASS(TcxRegExprSubrange, TcxRegExprItem)
 public:
  explicit TcxRegExprSubrange(char32_t AStart = 0, char32_t AFinish = 0) : Start(AStart), Finish(AFinish) {}
  bool Check(char32_t& AChar, bool) override { return Start <= AChar && AChar <= Finish; }
  TcxRegExprItem* Clone() override { return New<TcxRegExprSubrange>(Start, Finish); }
  char32_t Start, Finish;
};

class TcxRegExprEnumeration : public TcxRegExprItem {
  DECLARE_CLASS(TcxRegExprEnumeration, TcxRegExprItem)
 public:
  explicit TcxRegExprEnumeration(bool AInverse = false) : Inverse(AInverse) {}
  bool Check(char32_t& AChar, bool ACaseInsensitive) override { return Contains(AChar, ACaseInsensitive) != Inverse; }
  bool Inverse;

 protected:
  virtual bool Contains(char32_t& AChar, bool ACaseInsensitive) = 0;
};

// A bracketed class: its members are tried in order, stopping at the first that accepts.
class TcxRegExprUserEnumeration : public TcxRegExprEnumeration {
  DECLARE_CLASS(TcxRegExprUserEnumeration, TcxRegExprEnumeration)
 public:
  explicit TcxRegExprUserEnumeration(bool AInverse = false) : TcxRegExprEnumeration(AInverse) {}
  void Add(TcxRegExprItem* AMember) { FMembers.push_back(AMember); }
  TcxRegExprItem* Clone() override;

 protected:
  void Destroy() override;
  bool Contains(char32_t& AChar, bool ACaseInsensitive) override;

 private:
  std::vector<TcxRegExprItem*> FMembers;
};

#define CX_REGEXPR_CLASS_TEST(T)                                                  \
  class T : public TcxRegExprEnumeration {                                         \
    DECLARE_CLASS(T, TcxRegExprEnumeration)                                        \
   public:                                                                         \
    explicit T(bool AInverse = false) : TcxRegExprEnumeration(AInverse) {}         \
    TcxRegExprItem* Clone() override { return New<T>(Inverse); }                   \
                                                                                   \
   protected:                                                                      \
    bool Contains(char32_t& AChar, bool) override;                                 \
  };
CX_REGEXPR_CLASS_TEST(TcxRegExprDigit)
CX_REGEXPR_CLASS_TEST(TcxRegExprIdLetter)
CX_REGEXPR_CLASS_TEST(TcxRegExprSpace)
#undef CX_REGEXPR_CLASS_TEST

class TcxRegExprAll : public TcxRegExprItem {
  DECLARE_CLASS(TcxRegExprAll, TcxRegExprItem)
 public:
  bool Check(char32_t&, bool) override { return true; }
  TcxRegExprItem* Clone() override { return New<TcxRegExprAll>(); }
};

// ---- States -------------------------------------------------------------------------------------------------
class TcxRegExprSimpleState;
class TcxRegExprStates;

// One step of the automaton. Every empty move is followed at most once in it, so cycles of empty
// moves end, and every state joins the step's result once, at its first occurrence.
struct TcxRegExprStep {
  TcxRegExprStep();
  UInt64 Stamp;
};

class TcxRegExprState : public TObject {
  DECLARE_CLASS(TcxRegExprState, TObject)
 public:
  // The states in the list are not owned.
  std::vector<TcxRegExprState*> Connections;
  void Add(TcxRegExprState* AState) { Connections.push_back(AState); }
  void Add(const std::vector<TcxRegExprState*>& AStates) { Connections.insert(Connections.end(), AStates.begin(), AStates.end()); }
  // The states a character leads to from here, appended to AResult.
  void Next(char32_t& AChar, bool ACaseInsensitive, TcxRegExprStates& AResult, TcxRegExprStep& AStep);
  // The states one character further, whatever the character.
  void GetAllNextStates(TcxRegExprStates& AResult, TcxRegExprStep& AStep);
  virtual void Check(char32_t& AChar, bool ACaseInsensitive, TcxRegExprStates& AResult, TcxRegExprStep& AStep) = 0;
  virtual void GetSelf(TcxRegExprStates& AResult, TcxRegExprStep& AStep) = 0;
  virtual TcxRegExprState* Clone() = 0;
  // The stamp of the last step that followed this state (an empty move) or took it (a simple state).
  UInt64 Visited = 0;
};

class TcxRegExprSimpleState : public TcxRegExprState {
  DECLARE_CLASS(TcxRegExprSimpleState, TcxRegExprState)
 public:
  explicit TcxRegExprSimpleState(TcxRegExprItem* AValue = nullptr) : Value(AValue) {}
  void Check(char32_t& AChar, bool ACaseInsensitive, TcxRegExprStates& AResult, TcxRegExprStep& AStep) override;
  void GetSelf(TcxRegExprStates& AResult, TcxRegExprStep& AStep) override;
  TcxRegExprState* Clone() override { return New<TcxRegExprSimpleState>(Value ? Value->Clone() : nullptr); }
  void SetFinal() { IsFinal = true; }
  bool IsFinal = false;
  TcxRegExprItem* Value;  // owned; none for the automaton's start state

 protected:
  void Destroy() override;
};

// An empty move: a group's entry or exit passes the character on to its connections.
class TcxRegExprBlockState : public TcxRegExprState {
  DECLARE_CLASS(TcxRegExprBlockState, TcxRegExprState)
 public:
  void Check(char32_t& AChar, bool ACaseInsensitive, TcxRegExprStates& AResult, TcxRegExprStep& AStep) override;
  void GetSelf(TcxRegExprStates& AResult, TcxRegExprStep& AStep) override;
  TcxRegExprState* Clone() override { return New<TcxRegExprBlockState>(); }
};

// A set of simple states in first-occurrence order. Sets are values: the automaton makes one per
// step and keeps them in its history, so the keystroke path allocates no objects.
class TcxRegExprStates {
 public:
  void Add(TcxRegExprSimpleState* AState, TcxRegExprStep& AStep);
  void Clear() { FItems.clear(); }
  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
  TcxRegExprSimpleState* GetState(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }
  bool IsEmpty() const { return FItems.empty(); }
  bool IsFinal() const;
  // The states a character leads to, into AResult (emptied first).
  void Next(char32_t& AChar, bool ACaseInsensitive, TcxRegExprStates& AResult) const;
  TcxRegExprStates GetAllNextStates() const;
  // The set admits exactly one character and it is a literal; AChar receives it.
  bool Equ(char32_t& AChar) const;

 private:
  std::vector<TcxRegExprSimpleState*> FItems;
};

// ---- Automaton ------------------------------------------------------------------------------------------------
class TcxRegExprAutomat : public TObject {
  DECLARE_CLASS(TcxRegExprAutomat, TObject)
 public:
  // Takes over the linked parse tree.
  TcxRegExprAutomat(TcxRegExprParserAlts* AParseTree = nullptr, TcxRegExpr* AOwner = nullptr)
      : FParseTree(AParseTree), FOwner(AOwner) {}
  bool Next(char32_t& AChar, bool ACaseInsensitive);
  bool Prev();
  bool IsFinal() const { return FCurrent.IsFinal(); }
  bool IsStart() const { return !FCurrent.IsEmpty() && FCurrent.GetState(0) == FStartState; }
  TcxRegExprStates GetAllNextStates() const { return FCurrent.GetAllNextStates(); }
  String Print();
  void Reset();
  // Appends the characters the pattern forces from here on (through the owner's SymbolUpdate).
  void Update();
  // Takes back forced characters before a step back (through the owner's SymbolDelete).
  void ReUpdate();
  void Push(const TcxRegExprStates& AStates);
  bool Pop(TcxRegExprStates& AStates);

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  // The earlier sets are FHistory[0 .. FHistoryCount - 1]; the slots above keep their storage, so
  // typing and stepping back reuse it instead of allocating.
  std::vector<TcxRegExprStates> FHistory;
  size_t FHistoryCount = 0;
  TcxRegExprStates FCurrent;
  TcxRegExprStates FNext;
  TcxRegExprParserAlts* FParseTree;
  TcxRegExprSimpleState* FStartState = nullptr;
  TcxRegExpr* FOwner;
  Integer FStateCount = 0;
};

}  // namespace cxRegExpr
