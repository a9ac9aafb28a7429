// Reading a picture into its tree, and the nodes, lists and stacks the tree and the matcher use.
#include <cstring>

#include "Format.h"
#include "Multibyte.h"
#include "TSMask.h"

namespace TSMask {

IMPLEMENT_CLASS(TtsPictureNode)
IMPLEMENT_CLASS(TtsPictureList)
IMPLEMENT_CLASS(TtsParseStack)

void TtsPictureNode::Destroy() {
  // The owned nodes are collected and freed one by one instead of each freeing its own.
  std::vector<TtsPictureNode*> owned;
  auto take = [&owned](TtsPictureNode*& Node) {
    if (Node) owned.push_back(Node);
    Node = nullptr;
  };
  take(Child);
  take(Next);
  take(NextAlternative);
  while (!owned.empty()) {
    TtsPictureNode* node = owned.back();
    owned.pop_back();
    take(node->Child);
    take(node->Next);
    take(node->NextAlternative);
    node->Free();
  }
  inherited::Destroy();
}

void TtsPictureList::Destroy() {
  FreeAndNil(Root);
  inherited::Destroy();
}

Integer TtsParseStack::Push(const TtsParseStackElement& Element) {
  if (FCount >= static_cast<Integer>(FItems.size())) FItems.resize(FItems.size() + 10);
  FItems[static_cast<size_t>(FCount)] = Element;
  return ++FCount;
}

void TtsParseStack::Pop() {
  if (FCount > 0) --FCount;
}

namespace {

// Groups nest at most this deep; a picture nested deeper is refused where the group starts.
constexpr Integer MaxGroupDepth = 64;

class TPictureParser {
 public:
  TPictureParser(TtsMask* AMask, const String& APicture) : FMask(AMask), FPicture(APicture) {}

  TtsPictureList* Parse() {
    TOwnedPtr<TtsPictureList> list(New<TtsPictureList>());
    TOwnedPtr<TtsPictureNode> root(NewNode(pntGroup, 1));
    bool comma;
    // At the top level a "," ends the picture; what follows it is not read.
    root->Child = Alternative('\0', comma);
    root->Length = Length();
    list->Root = root.release();
    return list.release();
  }

 private:
  Integer Length() const { return static_cast<Integer>(FPicture.size()); }
  bool AtEnd() const { return FPos > Length(); }
  Char At(Integer Pos) const { return FPicture[static_cast<size_t>(Pos - 1)]; }
  Integer CharLen(Integer Pos) const {
    const char* p = FPicture.data() + Pos - 1;
    return Utf8CharLen(p, FPicture.data() + FPicture.size());
  }
  // The special characters, each a single byte; "-" only between the ends of a range.
  bool IsSpecial(Integer Pos) const { return CharLen(Pos) == 1 && std::strchr("!#&*,;<>?@[]^{}", At(Pos)); }
  bool IsMaskChar(Integer Pos) const { return CharLen(Pos) == 1 && std::strchr("#?&@!", At(Pos)); }
  bool IsCaseChar(Integer Pos) const { return At(Pos) == '<' || At(Pos) == '>'; }
  bool IsGroupStart(Integer Pos) const { return At(Pos) == '[' || At(Pos) == '{'; }

  [[noreturn]] void Fail(const String& Message) {
    if (FMask) FMask->InvalidOp(Message);
    throw EtsMaskError(Message);
  }
  String MaskName() const { return FMask ? FMask->GetName() : String(); }
  [[noreturn]] void Expected(Char End, Integer Pos) {
    Fail(Format("Error in mask %s, expected '%s' at position %d", {MaskName(), String(1, End), Pos}));
  }
  [[noreturn]] void UnexpectedEnd() { Fail(Format("Error in mask %s, unexpected end of picture", {MaskName()})); }
  [[noreturn]] void Invalid(Integer Pos) {
    String ch = FPicture.substr(static_cast<size_t>(Pos - 1), static_cast<size_t>(CharLen(Pos)));
    Fail(Format("Error in mask %s, invalid character '%s' at position %d", {MaskName(), ch, Pos}));
  }
  [[noreturn]] void InvalidCount(Integer Pos) {
    Fail(Format("Error in mask %s, invalid repeat count at position %d", {MaskName(), Pos}));
  }

  TtsPictureNode* NewNode(TtsPictureNodeType Type, Integer Pos) {
    TtsPictureNode* node = New<TtsPictureNode>();
    node->NodeType = Type;
    node->Pos = Pos;
    return node;
  }

  // The items up to End, a "," (consumed; Comma tells) or the end of the picture. An empty
  // alternative is one empty node.
  TtsPictureNode* Alternative(Char End, bool& Comma) {
    Comma = false;
    TOwnedPtr<TtsPictureNode> first;
    TtsPictureNode* last = nullptr;
    Integer start = FPos;
    while (!AtEnd()) {
      if (At(FPos) == ',' && CharLen(FPos) == 1) {
        ++FPos;
        Comma = true;
        break;
      }
      if (End && At(FPos) == End) break;
      TtsPictureNode* item = Item();
      if (last) last->Next = item;
      else first.reset(item);
      last = item;
    }
    if (!first) first.reset(NewNode(pntNone, start));
    return first.release();
  }

  // A literal character at Pos (";x" or a character that is not special): its byte length, 0 for none.
  Integer LiteralAt(Integer Pos) const {
    if (Pos > Length()) return 0;
    if (At(Pos) == ';') return Pos + 1 <= Length() ? 1 + CharLen(Pos + 1) : 0;
    if (!IsSpecial(Pos)) return CharLen(Pos);
    return 0;
  }

  TtsPictureNode* Item() {
    Integer start = FPos;
    Integer count = 1;
    bool counted = false;
    if (At(FPos) == '*') {
      counted = true;
      ++FPos;
      if (!AtEnd() && At(FPos) >= '0' && At(FPos) <= '9') {
        count = 0;
        while (!AtEnd() && At(FPos) >= '0' && At(FPos) <= '9') {
          count = count * 10 + (At(FPos) - '0');
          if (count > TtsTextMask::MaxRepeatCount) InvalidCount(start);
          ++FPos;
        }
      } else {
        count = -1;
      }
      if (AtEnd()) UnexpectedEnd();
    }
    TOwnedPtr<TtsPictureNode> node;
    if (At(FPos) == ';') {
      if (FPos + 1 > Length()) UnexpectedEnd();
      node.reset(NewNode(pntLiteralChars, FPos));
      node->Length = LiteralAt(FPos);
    } else if (!IsSpecial(FPos)) {
      node.reset(NewNode(pntLiteralChars, FPos));
      node->Length = CharLen(FPos);
    } else if (IsMaskChar(FPos)) {
      node.reset(NewNode(pntMaskChars, FPos));
      Integer end = FPos + 1;
      if (!counted)
        while (end <= Length() && IsMaskChar(end)) ++end;
      node->Length = end - FPos;
    } else if (IsGroupStart(FPos)) {
      node.reset(Group());
    } else if (IsCaseChar(FPos) && !counted) {
      node.reset(NewNode(pntCase, FPos));
      bool twoChars = FPos + 1 <= Length() && ((At(FPos) == '<' && (At(FPos + 1) == '<' || At(FPos + 1) == '>')) ||
                                               (At(FPos) == '>' && At(FPos + 1) == '>'));
      node->Length = twoChars ? 2 : 1;
    } else {
      Invalid(FPos);
    }
    if (node->NodeType != pntGroup) FPos += node->Length;
    node->RepeatCount = count;
    // No repetition of a required item: nothing could ever match it.
    if (count == 0 && !node->IsOptionalGroup()) InvalidCount(start);
    return node.release();
  }

  // "[a-z]", "{;--;]}", "[^0-9]": a group that is exactly one range.
  TtsPictureNode* Range(Integer Open, Char End) {
    Integer pos = Open + 1;
    bool negated = pos <= Length() && At(pos) == '^';
    if (negated) ++pos;
    Integer low = LiteralAt(pos);
    if (low == 0) return nullptr;
    Integer dash = pos + low;
    if (dash > Length() || At(dash) != '-') return nullptr;
    Integer high = LiteralAt(dash + 1);
    if (high == 0 || dash + 1 + high > Length() || At(dash + 1 + high) != End) return nullptr;
    TtsPictureNode* range = NewNode(pntRange, At(pos) == ';' ? pos + 1 : pos);
    range->Negated = negated;
    range->RangeEndPos = At(dash + 1) == ';' ? dash + 2 : dash + 1;
    range->Length = dash + 1 + high - Open - 1;
    FPos = dash + 1 + high;
    return range;
  }

  TtsPictureNode* Group() {
    Integer open = FPos;
    bool optional = At(open) == '[';
    Char end = optional ? ']' : '}';
    if (++FDepth > MaxGroupDepth) Invalid(open);
    TOwnedPtr<TtsPictureNode> group(NewNode(pntGroup, open));
    group->Optional = optional;
    if (TtsPictureNode* range = Range(open, end)) {
      group->Child = range;
    } else {
      ++FPos;
      TtsPictureNode* last = nullptr;
      bool comma = true;
      while (comma) {
        TtsPictureNode* alternative = Alternative(end, comma);
        if (last) last->NextAlternative = alternative;
        else group->Child = alternative;
        last = alternative;
      }
    }
    if (AtEnd() || At(FPos) != end) Expected(end, FPos);
    ++FPos;
    group->Length = FPos - open;
    --FDepth;
    return group.release();
  }

  TtsMask* FMask;
  const String& FPicture;
  Integer FPos = 1;
  Integer FDepth = 0;
};

}  // namespace

TtsPictureList* TtsTextMask::Parse(const String& Picture) { return TPictureParser(FMask, Picture).Parse(); }

}  // namespace TSMask
