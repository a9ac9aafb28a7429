// The parse tree of a regular expression: quantifiers, items (a character test or a group of
// alternatives), alternatives and lists of alternatives, and how a tree links the automaton's states.
#pragma once

#include <vector>

#include "cxRegExprAutomat.h"

namespace cxRegExpr {

class TcxRegExprQuantifier : public TObject {
  DECLARE_CLASS(TcxRegExprQuantifier, TObject)
 public:
  virtual bool CanMissing() = 0;
  virtual bool CanRepeat() = 0;
  virtual TcxRegExprQuantifier* Clone() = 0;
  virtual String Print() = 0;
};

#define CX_REGEXPR_QUANTIFIER(T, AMissing, ARepeat, AText)          \
  class T : public TcxRegExprQuantifier {                           \
    DECLARE_CLASS(T, TcxRegExprQuantifier)                          \
   public:                                                          \
    bool CanMissing() override { return AMissing; }                 \
    bool CanRepeat() override { return ARepeat; }                   \
    TcxRegExprQuantifier* Clone() override { return New<T>(); }     \
    String Print() override { return AText; }                       \
  };
CX_REGEXPR_QUANTIFIER(TcxRegExprSimpleQuantifier, false, false, "")
CX_REGEXPR_QUANTIFIER(TcxRegExprQuestionQuantifier, true, false, "?")
CX_REGEXPR_QUANTIFIER(TcxRegExprStarQuantifier, true, true, "*")
CX_REGEXPR_QUANTIFIER(TcxRegExprPlusQuantifier, false, true, "+")
#undef CX_REGEXPR_QUANTIFIER

class TcxRegExprParserAlts;

class TcxRegExprParserItem : public TObject {
  DECLARE_CLASS(TcxRegExprParserItem, TObject)
 public:
  explicit TcxRegExprParserItem(TcxRegExprQuantifier* AQuantifier = nullptr) : FQuantifier(AQuantifier) {}
  virtual bool CanEmpty() = 0;
  virtual TcxRegExprParserItem* Clone() = 0;
  virtual String Print() = 0;
  virtual void SetFinal() = 0;
  // Where the automaton enters and leaves the item.
  virtual TcxRegExprState* Entry() = 0;
  virtual TcxRegExprState* Exit() = 0;
  // Links the states inside the item (a group's).
  virtual void CreateConnections() {}
  // The number of states the item is made of.
  virtual Integer StateCount() = 0;
  bool CanMissing() { return FQuantifier->CanMissing(); }
  bool CanRepeat() { return FQuantifier->CanRepeat(); }
  bool NotQuantifier() { return dynamic_cast<TcxRegExprSimpleQuantifier*>(FQuantifier) != nullptr; }
  // A non-null quantifier replaces the current one.
  void SetQuantifier(TcxRegExprQuantifier* AQuantifier);
  TcxRegExprQuantifier* GetQuantifier() const { return FQuantifier; }

 protected:
  void Construct() override;
  void Destroy() override;
  TcxRegExprQuantifier* FQuantifier;
};

class TcxRegExprParserSimpleItem : public TcxRegExprParserItem {
  DECLARE_CLASS(TcxRegExprParserSimpleItem, TcxRegExprParserItem)
 public:
  explicit TcxRegExprParserSimpleItem(TcxRegExprSimpleState* AState = nullptr,
                                      TcxRegExprQuantifier* AQuantifier = nullptr)
      : TcxRegExprParserItem(AQuantifier), State(AState) {}
  bool CanEmpty() override { return CanMissing(); }
  TcxRegExprParserItem* Clone() override;
  String Print() override;
  void SetFinal() override { State->SetFinal(); }
  TcxRegExprState* Entry() override { return State; }
  TcxRegExprState* Exit() override { return State; }
  Integer StateCount() override { return 1; }
  TcxRegExprSimpleState* State;  // owned

 protected:
  void Destroy() override;
};

class TcxRegExprParserAlt;

class TcxRegExprParserBlockItem : public TcxRegExprParserItem {
  DECLARE_CLASS(TcxRegExprParserBlockItem, TcxRegExprParserItem)
 public:
  explicit TcxRegExprParserBlockItem(TcxRegExprQuantifier* AQuantifier = nullptr) : TcxRegExprParserItem(AQuantifier) {}
  bool CanEmpty() override;
  TcxRegExprParserItem* Clone() override;
  String Print() override;
  void SetFinal() override;
  TcxRegExprState* Entry() override { return EntryState; }
  TcxRegExprState* Exit() override { return ExitState; }
  void CreateConnections() override;
  Integer StateCount() override;
  TcxRegExprParserAlt* AddAlt();
  // Moves the alternatives of AAlts over and frees the list.
  void AddAlts(TcxRegExprParserAlts* AAlts);
  TcxRegExprParserAlts* Alts = nullptr;
  TcxRegExprBlockState* ExitState = nullptr;
  TcxRegExprBlockState* EntryState = nullptr;

 protected:
  void Construct() override;
  void Destroy() override;
};

class TcxRegExprParserAlt : public TObject {
  DECLARE_CLASS(TcxRegExprParserAlt, TObject)
 public:
  void Add(TcxRegExprParserItem* AItem) { FItems.push_back(AItem); }
  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
  TcxRegExprParserItem* GetItem(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }
  TcxRegExprParserItem* GetFirstItem() const { return FItems.empty() ? nullptr : FItems.front(); }
  TcxRegExprParserItem* GetLastItem() const { return FItems.empty() ? nullptr : FItems.back(); }
  // Frees the last item and puts AItem in its place.
  void SetLastItem(TcxRegExprParserItem* AItem);
  // Puts AItem in the last item's place without freeing that item (it moved into AItem).
  void ReplaceLastItem(TcxRegExprParserItem* AItem) { FItems.back() = AItem; }
  bool CanEmpty();
  bool CanMissing();
  TcxRegExprParserAlt* Clone();
  String Print();
  Integer StateCount();
  // The entries the automaton may take first: up to and including the first item that cannot be missing.
  std::vector<TcxRegExprState*> StartConnections(size_t AFrom = 0);
  void CreateConnections();
  void CreateFinishConnections(TcxRegExprState* ATarget);
  void CreateFinalStates();

 protected:
  void Destroy() override;

 private:
  std::vector<TcxRegExprParserItem*> FItems;
};

class TcxRegExprParserAlts : public TObject {
  DECLARE_CLASS(TcxRegExprParserAlts, TObject)
 public:
  void Add(TcxRegExprParserAlt* AAlt) { FAlts.push_back(AAlt); }
  TcxRegExprParserAlt* AddAlt();
  TcxRegExprParserAlt* GetAlt(Integer AIndex) const { return FAlts.at(static_cast<size_t>(AIndex)); }
  TcxRegExprParserAlt* GetLastAlt() const { return FAlts.empty() ? nullptr : FAlts.back(); }
  Integer GetCount() const { return static_cast<Integer>(FAlts.size()); }
  // Hands the alternatives over (the list keeps none).
  std::vector<TcxRegExprParserAlt*> Extract();
  bool CanEmpty();
  bool StartStateIsFinal() { return ThereIsEmptyAlt(); }
  bool ThereIsEmptyAlt();
  TcxRegExprParserAlts* Clone();
  String Print();
  Integer StateCount();
  std::vector<TcxRegExprState*> StartConnections();
  void CreateConnections();
  void CreateFinishConnections(TcxRegExprState* ATarget);
  void CreateFinalStates();

 protected:
  void Destroy() override;

 private:
  std::vector<TcxRegExprParserAlt*> FAlts;
};

}  // namespace cxRegExpr
