// Checking text against a picture tree: a depth-first search with backtracking. The parse stack
// holds the path taken (each entry with its parent, node, repetition and text position) and is the
// continuation: after an entry's node matched, the search goes on with the node's next repetition,
// the next node of its sequence or, at the end of a sequence, its parent's continuation. Choices
// that may be revisited (another alternative, an extra repetition, a literal taken as inserted) are
// kept on a stack of their own with the state to return to, so no check recurses as deep as the
// text is long.
#include <vector>

#include "Multibyte.h"
#include "Strings.h"
#include "TSMask.h"
#include "Tsglib.h"
#include "Tsmbcs.h"

namespace TSMask {

namespace {

enum TCaseRule { crNone, crUpper, crLower, crOptUpper, crOptLower };

}  // namespace

class TtsMatcher {
 public:
  TtsMatcher(const String& APicture, TtsTextCase* ATextCase, TtsMaskInput& AInput, TtsMaskOptions AOptions)
      : FPicture(&APicture), FTextCase(ATextCase), FIn(AInput) {
    FFull = AOptions.Contains(moFullCompare);
    FConvert = AOptions.Contains(moConvertInput);
    FInsert = AOptions.Contains(moInsertLiteral);
    FUnique = AOptions.Contains(moCheckUnique);
  }

  // True when exactly one match was found (or, without the uniqueness check, any match).
  bool Search(TtsPictureList* List) {
    FStack = New<TtsParseStack>();
    TOwnedPtr<TtsParseStack> stack(FStack);
    TGoal goal{false, 0, List->Root, 0};
    for (Integer steps = 0;; ++steps) {
      if (steps > TtsTextMask::MaxSearchSteps) return !FUnique && FMatches >= 1;
      TResult result = goal.Next ? Next(goal.Entry, goal) : Sub(goal.Parent, goal.Node, goal.Repetition, goal);
      if (result == rContinue) continue;
      if (result == rStop || !Backtrack(goal)) break;
    }
    return FMatches == 1;
  }

 private:
  enum TResult { rContinue, rFail, rStop };
  // What to do next: match Node as repetition Repetition under Parent, or go on after entry Entry.
  struct TGoal {
    bool Next;
    Integer Parent;
    TtsPictureNode* Node;
    Integer Repetition;
    Integer Entry = 0;
  };
  struct TMark {
    Integer Pos;
    size_t Literals;
    size_t Undo;
    TtsMaskOptions Case;
    Integer Stack;
  };
  enum TChoiceKind { ckAlternative, ckInsertLiteral, ckExtraRepetition };
  struct TChoice {
    TChoiceKind Kind;
    TMark Mark;
    Integer Parent;
    TtsPictureNode* Node;
    Integer Repetition;
    Integer Entry;
    Integer Matches;
    bool Consumed;
  };
  // A character of the text before a conversion changed it.
  struct TUndo {
    Integer Pos;
    String Bytes;
  };

  // ---- State ----------------------------------------------------------------------------------------
  TMark Mark() const { return TMark{FIn.Pos, FIn.Literals.size(), FUndo.size(), FCase, FStack->Count()}; }
  void Restore(const TMark& M) {
    FIn.Pos = M.Pos;
    FIn.Literals.resize(M.Literals);
    while (FUndo.size() > M.Undo) {
      const TUndo& undo = FUndo.back();
      FIn.Text.replace(static_cast<size_t>(undo.Pos - 1), undo.Bytes.size(), undo.Bytes);
      FUndo.pop_back();
    }
    FCase = M.Case;
    FStack->Truncate(M.Stack);
  }
  Integer TextLength() const { return static_cast<Integer>(FIn.Text.size()); }
  Integer CharLenAt(Integer Pos) const {
    const char* p = FIn.Text.data() + Pos - 1;
    return Utf8CharLen(p, FIn.Text.data() + FIn.Text.size());
  }
  char32_t CharAt(Integer Pos) const {
    return Utf8Decode(FIn.Text.data() + Pos - 1, Utf8CharLen(FIn.Text.data() + Pos - 1, FIn.Text.data() + FIn.Text.size()));
  }
  bool IsInputChar(Integer Pos) const {
    return FIn.InputStart > 0 && Pos >= FIn.InputStart && Pos < FIn.InputStart + FIn.InputLength;
  }
  // Puts another character of the same byte length in the text; false when the lengths differ.
  bool ReplaceAt(Integer Pos, char32_t Code) {
    String bytes;
    Utf8Append(bytes, Code);
    Integer len = CharLenAt(Pos);
    if (static_cast<Integer>(bytes.size()) != len) return false;
    String old = FIn.Text.substr(static_cast<size_t>(Pos - 1), static_cast<size_t>(len));
    if (old != bytes) {
      FUndo.push_back(TUndo{Pos, old});
      FIn.Text.replace(static_cast<size_t>(Pos - 1), static_cast<size_t>(len), bytes);
    }
    return true;
  }

  // ---- Matches --------------------------------------------------------------------------------------
  String Typed() const {
    if (FIn.InputStart <= 0) return String();
    return FIn.Text.substr(static_cast<size_t>(FIn.InputStart - 1), static_cast<size_t>(FIn.InputLength));
  }
  void Accept() {
    FIn.MatchLiterals = FIn.Literals;
    FIn.CommonLiterals = FIn.Literals;
    FIn.MatchInput = Typed();
    FMatches = 1;
  }
  // A complete match: the first ends the search; with the uniqueness check the search goes on, and
  // literals are inserted only when every reading of the input agrees on them.
  TResult Matched() {
    if (FMatches == 0) {
      Accept();
      return FUnique ? rFail : rStop;
    }
    if (!FUnique || FIn.Literals == FIn.MatchLiterals) return rFail;
    const String& common = FIn.CommonLiterals;
    const String& mine = FIn.Literals;
    size_t shared = 0;
    while (shared < common.size() && shared < mine.size() && common[shared] == mine[shared]) ++shared;
    if (shared == mine.size()) {
      Accept();
      return rFail;
    }
    ++FMatches;
    if (shared == 0) return rStop;
    FIn.CommonLiterals.resize(shared);
    return rFail;
  }

  // ---- The search -----------------------------------------------------------------------------------
  void Push(TChoiceKind Kind, const TMark& M, Integer Parent, TtsPictureNode* Node, Integer Repetition, Integer Entry,
            bool Consumed = false) {
    FChoices.push_back(TChoice{Kind, M, Parent, Node, Repetition, Entry, FMatches, Consumed});
  }

  bool Backtrack(TGoal& Goal) {
    while (!FChoices.empty()) {
      TChoice c = FChoices.back();
      FChoices.pop_back();
      Restore(c.Mark);
      switch (c.Kind) {
        case ckAlternative:
          Goal = TGoal{false, c.Parent, c.Node, 0};
          return true;
        case ckInsertLiteral:
          // The literal matched typed text but nothing followed: taken as inserted instead.
          if (FMatches != c.Matches) break;
          FIn.Literals += LiteralOf(c.Node);
          Goal = TGoal{true, 0, nullptr, 0, c.Entry};
          return true;
        case ckExtraRepetition:
          if (FMatches >= 2 || (c.Repetition > 0 && FMatches == c.Matches && !c.Consumed)) break;
          Goal = TGoal{false, c.Parent, c.Node, c.Repetition + 1};
          return true;
      }
    }
    return false;
  }

  // Matches Node as repetition R under entry Parent.
  TResult Sub(Integer Parent, TtsPictureNode* Node, Integer R, TGoal& Goal) {
    // Once the text is used up while typing, every item succeeds without consuming text.
    if (!FFull && FIn.Pos > TextLength()) return Matched();
    if (!Node->IsOptionalGroup() && R == 0) R = 1;
    if (!(Node->RepeatCount == -1 || Node->RepeatCount >= R)) return rFail;
    Integer entry = FStack->Push(TtsParseStackElement{Parent, Node, R, FIn.Pos});
    Goal = TGoal{true, 0, nullptr, 0, entry};
    if (R == 0) return rContinue;  // an optional group left out
    switch (Node->NodeType) {
      case pntNone:
        return rContinue;
      case pntCase:
        FCase = CaseOptions(Node);
        return rContinue;
      case pntLiteralChars: {
        TMark before = Mark();
        bool matchedText = false;
        if (!CheckLiteral(Node, matchedText)) return rFail;
        if (matchedText && FInsert && before.Pos == FIn.InputStart)
          Push(ckInsertLiteral, before, Parent, Node, R, entry);
        return rContinue;
      }
      case pntGroup: {
        std::vector<TtsPictureNode*> alternatives;
        for (TtsPictureNode* a = Node->Child; a; a = a->NextAlternative) alternatives.push_back(a);
        TMark here = Mark();
        for (size_t i = alternatives.size(); i-- > 1;) Push(ckAlternative, here, entry, alternatives[i], 0, 0);
        Goal = TGoal{false, entry, alternatives.front(), 0};
        return rContinue;
      }
      default:
        return CheckItem(Node) ? rContinue : rFail;
    }
  }

  // Goes on after the node of entry Entry.
  TResult Next(Integer Entry, TGoal& Goal) {
    if (!FFull && FIn.Pos > TextLength()) return Matched();
    if (Entry == 0) return FIn.Pos > TextLength() ? Matched() : rFail;
    TtsParseStackElement e = FStack->Item(Entry);
    TtsPictureNode* node = e.Node;
    // An optional group repeated without consuming anything would repeat without end.
    if (node->IsOptionalGroup() && e.Repetition >= 1 && FIn.Pos == e.TextPos) return rFail;
    // A fixed count is met exactly before anything else.
    if (!node->IsOptionalGroup() && e.Repetition < node->RepeatCount) {
      Goal = TGoal{false, e.Parent, node, e.Repetition + 1};
      return rContinue;
    }
    // The shorter match first; one more repetition when what follows fails.
    if ((node->RepeatCount == -1 || e.Repetition + 1 <= node->RepeatCount) && FMatches < 2)
      Push(ckExtraRepetition, Mark(), e.Parent, node, e.Repetition, Entry, FIn.Pos != e.TextPos);
    if (node->Next) Goal = TGoal{false, e.Parent, node->Next, 0};
    else Goal = TGoal{true, 0, nullptr, 0, e.Parent};
    return rContinue;
  }

  // ---- Items ----------------------------------------------------------------------------------------
  String LiteralOf(TtsPictureNode* Node) const {
    const String& picture = *FPicture;
    Integer pos = Node->Pos;
    Integer len = Node->Length;
    if (picture[static_cast<size_t>(pos - 1)] == ';' && len > 1) {
      ++pos;
      --len;
    }
    return picture.substr(static_cast<size_t>(pos - 1), static_cast<size_t>(len));
  }

  bool CheckLiteral(TtsPictureNode* Node, bool& MatchedText) {
    String literal = LiteralOf(Node);
    if (FIn.Pos <= TextLength()) {
      Integer len = CharLenAt(FIn.Pos);
      String ch = FIn.Text.substr(static_cast<size_t>(FIn.Pos - 1), static_cast<size_t>(len));
      bool equal = ch == literal;
      if (!equal && IsInputChar(FIn.Pos) && FConvert) equal = AnsiSameText(ch, literal);
      if (equal) {
        // The text takes the picture's character.
        if (ch != literal && static_cast<Integer>(literal.size()) == len) {
          FUndo.push_back(TUndo{FIn.Pos, ch});
          FIn.Text.replace(static_cast<size_t>(FIn.Pos - 1), static_cast<size_t>(len), literal);
        }
        FIn.Pos += len;
        MatchedText = true;
        return true;
      }
    } else if (!FFull) {
      return true;
    }
    if (FIn.Pos == FIn.InputStart && FInsert) {
      FIn.Literals += literal;
      return true;
    }
    return false;
  }

  bool CheckItem(TtsPictureNode* Node) {
    if (Node->NodeType == pntRange) {
      if (FIn.Pos > TextLength()) return !FFull;
      return CheckRange(Node);
    }
    for (Integer i = 0; i < Node->Length; ++i) {
      if (FIn.Pos > TextLength()) return !FFull;
      if (!CheckMaskChar((*FPicture)[static_cast<size_t>(Node->Pos - 1 + i)])) return false;
    }
    return true;
  }

  TtsMaskOptions CaseOptions(TtsPictureNode* Node) const {
    String mark = FPicture->substr(static_cast<size_t>(Node->Pos - 1), static_cast<size_t>(Node->Length));
    if (mark == ">") return {moOptUpper};
    if (mark == ">>") return {moUpper};
    if (mark == "<") return {moOptLower};
    if (mark == "<<") return {moLower};
    return moNone;
  }

  bool SentenceStart(Integer Pos) const {
    if (Pos <= 1) return true;
    const char* last = Tsglib::StrRNTextScan(FIn.Text.c_str(), Pos - 1);
    return last && *last == '.';
  }
  bool WordStart(Integer Pos) const {
    if (Pos <= 1) return true;
    Integer before = Pos - 1 - PrevCharCount(FIn.Text.c_str(), Pos - 1);
    return !Tsglib::IsTextChar(FIn.Text.c_str(), before);
  }

  TCaseRule CaseRule(Char Placeholder) const {
    if (FCase.Contains(moUpper)) return crUpper;
    if (FCase.Contains(moLower)) return crLower;
    if (FCase.Contains(moOptUpper)) return crOptUpper;
    if (FCase.Contains(moOptLower)) return crOptLower;
    if (FTextCase) {
      bool optional = FTextCase->GetOptional();
      switch (FTextCase->GetCaseType()) {
        case cstUpper:
          return optional ? crOptUpper : crUpper;
        case cstLower:
          return optional ? crOptLower : crLower;
        case cstSentence:
          if (SentenceStart(FIn.Pos)) return optional ? crOptUpper : crUpper;
          break;
        case cstTitle:
          if (WordStart(FIn.Pos)) return optional ? crOptUpper : crUpper;
          break;
        default:
          break;
      }
    }
    return Placeholder == '&' ? crUpper : crNone;
  }

  bool CheckMaskChar(Char Placeholder) {
    Integer len = CharLenAt(FIn.Pos);
    char32_t c = CharAt(FIn.Pos);
    bool letter = IsCharAlpha(c);
    switch (Placeholder) {
      case '#':
        if (!(len == 1 && c >= '0' && c <= '9')) return false;
        break;
      case '?':
      case '&':
        if (!letter) return false;
        break;
      default:  // '@' and '!'
        break;
    }
    if (letter) {
      bool upperOnly = Placeholder == '&' || Placeholder == '!';
      TCaseRule rule = CaseRule(Placeholder);
      bool typed = IsInputChar(FIn.Pos);
      if (typed && rule != crNone && FConvert) {
        bool upper = upperOnly || rule == crUpper || rule == crOptUpper;
        if (!ReplaceAt(FIn.Pos, upper ? AnsiUpperChar(c) : AnsiLowerChar(c))) return false;
      } else if (upperOnly) {
        if (IsCharLower(c)) return false;
      } else if ((rule == crUpper || (typed && rule == crOptUpper)) && IsCharLower(c)) {
        return false;
      } else if ((rule == crLower || (typed && rule == crOptLower)) && IsCharUpper(c)) {
        return false;
      }
    }
    FIn.Pos += len;
    return true;
  }

  bool CheckRange(TtsPictureNode* Node) {
    const String& picture = *FPicture;
    auto decode = [&picture](Integer Pos) {
      const char* p = picture.data() + Pos - 1;
      return Utf8Decode(p, Utf8CharLen(p, picture.data() + picture.size()));
    };
    char32_t low = decode(Node->Pos), high = decode(Node->RangeEndPos);
    char32_t c = CharAt(FIn.Pos);
    Integer len = CharLenAt(FIn.Pos);
    bool inside = c >= low && c <= high;
    if (Node->Negated) {
      if (inside) return false;
    } else if (!inside) {
      // A typed letter of the other case is taken in the range's case when conversion is allowed.
      char32_t switched = IsCharUpper(c) ? AnsiLowerChar(c) : AnsiUpperChar(c);
      if (!(IsInputChar(FIn.Pos) && FConvert && IsCharAlpha(c) && switched >= low && switched <= high &&
            ReplaceAt(FIn.Pos, switched)))
        return false;
    }
    FIn.Pos += len;
    return true;
  }

  const String* FPicture;
  TtsTextCase* FTextCase;
  TtsMaskInput& FIn;
  bool FFull, FConvert, FInsert, FUnique;
  TtsMaskOptions FCase;
  Integer FMatches = 0;
  TtsParseStack* FStack = nullptr;
  std::vector<TChoice> FChoices;
  std::vector<TUndo> FUndo;
};

// ---- The checks -------------------------------------------------------------------------------------

TtsPictureList* TtsTextMask::CheckedList() {
  if (!FPicture.empty()) return GetPictureList();
  // An empty picture stands for anything: "[*@]", so that the text case still applies.
  if (!FAnyList) FAnyList = Parse(AnyPicture);
  return FAnyList;
}

bool TtsTextMask::ValidText(const String& Text, bool FullCompare) {
  TtsPictureList* list = CheckedList();
  if (!list) return true;
  TtsMaskInput input;
  input.Text = Text;
  TtsMatcher matcher(FPicture.empty() ? AnyPicture : FPicture, FMask ? FMask->GetTextCase() : nullptr, input,
                     FullCompare ? TtsMaskOptions{moFullCompare} : moNone);
  return matcher.Search(list);
}

bool TtsTextMask::ValidInput(const String& Text, String& Input, Integer CaretPos, bool FullCompare, bool AutoFill) {
  TtsPictureList* list = CheckedList();
  if (!list) return true;
  Integer length = static_cast<Integer>(Text.size());
  Integer caret = CaretPos < 1 ? 1 : CaretPos > length + 1 ? length + 1 : CaretPos;
  TtsMaskOptions base = FullCompare ? TtsMaskOptions{moFullCompare} : moNone;
  std::vector<TtsMaskOptions> passes = {base, base + TtsMaskOptions{moConvertInput}};
  if (AutoFill) {
    passes.push_back(base + TtsMaskOptions{moInsertLiteral, moCheckUnique});
    passes.push_back(base + TtsMaskOptions{moConvertInput, moInsertLiteral, moCheckUnique});
  }
  for (const TtsMaskOptions& options : passes) {
    TtsMaskInput input;
    input.Text = Text.substr(0, static_cast<size_t>(caret - 1)) + Input;
    input.InputStart = caret;
    input.InputLength = static_cast<Integer>(Input.size());
    TtsMatcher matcher(FPicture.empty() ? AnyPicture : FPicture, FMask ? FMask->GetTextCase() : nullptr, input,
                       options);
    if (matcher.Search(list)) {
      Input = input.MatchLiterals + input.MatchInput;
      return true;
    }
  }
  return false;
}

}  // namespace TSMask
