// Picture masks: the text a grid cell accepts, described in a small language, and the named masks
// that a mask-definitions component keeps for grids to refer to.
//
// The picture language (a multibyte character counts as one picture character):
//   #  a digit            ?  a letter (case by the rule in force)    &  an upper-case letter
//   @  any character      !  any character, letters upper case       ;x the character x as a literal
//   *n the next item exactly n times (n at most MaxRepeatCount; 0 only before an optional group)
//   *  the next item once or more (an optional group: any number of times)
//   [ ... ] optional group    { ... } required group    , alternatives inside a group
//   [a-z] {a-z} a range of one character; [^a-z] outside it
//   > >> < << <>  letters from here on optionally upper, upper, optionally lower, lower, free
//   any other character is a literal. At the top level a "," ends the picture.
// TtsTextMask parses a picture and checks text against it: ValidText (a whole text) and ValidInput
// (characters typed at the caret, possibly converted to the case rule and with literals inserted
// in front of them).
#pragma once

#include <vector>

#include "Closures.h"
#include "Collections.h"
#include "Components.h"
#include "Exceptions.h"
#include "Persistent.h"
#include "TypeInfoBase.h"

namespace Lists {
class TList;
}
namespace Variants {
class Variant;
}

namespace TSMask {

using Variants::Variant;

DECLARE_EXCEPTION(EtsMaskError, Exception)

class TtsMask;

// ---- The picture tree -----------------------------------------------------------------------------------
enum TtsPictureNodeType { pntNone, pntGroup, pntLiteralChars, pntMaskChars, pntCase, pntRange };
enum TtsPictureType { pctText, pctDate, pctTime };

// One item of a picture: a literal, a run of placeholders, a case mark, a range or a group. A node
// owns its child, the next node of its sequence and the next alternative.
class TtsPictureNode : public TObject {
  DECLARE_CLASS(TtsPictureNode, TObject)
 public:
  TtsPictureNodeType NodeType = pntNone;
  Integer RepeatCount = 1;   // n for "*n", -1 for "*"
  bool Optional = false;     // a group in square brackets
  bool Negated = false;      // a range with "^"
  Integer Pos = 0;           // first picture position of its characters (1-based bytes)
  Integer RangeEndPos = 0;   // a range's upper end
  Integer Length = 0;        // picture bytes covered
  TtsPictureNode* Child = nullptr;            // a group's first alternative, or its range
  TtsPictureNode* Next = nullptr;             // the next node of the sequence
  TtsPictureNode* NextAlternative = nullptr;  // on the first node of an alternative only

  bool IsOptionalGroup() const { return NodeType == pntGroup && Optional; }

 protected:
  TtsPictureNode() = default;
  // Frees what it owns without recursing, so that long pictures do not exhaust the stack.
  void Destroy() override;
};

class TtsPictureList : public TObject {
  DECLARE_CLASS(TtsPictureList, TObject)
 public:
  TtsPictureType PictureType = pctText;
  TtsPictureNode* Root = nullptr;  // a required group whose child is the picture's sequence

 protected:
  TtsPictureList() = default;
  void Destroy() override;
};

// ---- Matching state -----------------------------------------------------------------------------------
struct TtsParseStackElement {
  Integer Parent = 0;  // 1-based index of the parent entry, 0 for none
  TtsPictureNode* Node = nullptr;
  Integer Repetition = 0;
  Integer TextPos = 0;  // Pos when pushed
};

class TtsParseStack : public TObject {
  DECLARE_CLASS(TtsParseStack, TObject)
 public:
  Integer Push(const TtsParseStackElement& Element);  // answers the new entry's index
  void Pop();
  void Reset() { FCount = 0; }
  TtsParseStackElement& Item(Integer Index) { return FItems[static_cast<size_t>(Index - 1)]; }
  Integer Count() const { return FCount; }
  void Truncate(Integer Count) { FCount = Count < FCount ? Count : FCount; }

 protected:
  TtsParseStack() = default;

 private:
  std::vector<TtsParseStackElement> FItems;  // grown by 10 entries
  Integer FCount = 0;
};

struct TtsMaskInput {
  String Text;               // the text under test
  Integer Pos = 1;           // next character to match (1-based byte)
  Integer InputStart = 0;    // first newly typed character
  Integer InputLength = 0;   // newly typed bytes
  String Literals;           // literals waiting to be inserted
  String MatchLiterals;      // Literals of the accepted match
  String CommonLiterals;     // common start of the Literals of all matches
  String MatchInput;         // the typed part as the accepted match converted it
};

enum TtsMaskOption {
  moUpper, moOptUpper, moLower, moOptLower, moFullCompare, moConvertInput, moInsertLiteral, moCheckUnique
};
using TtsMaskOptions = TSet<TtsMaskOption, 8>;
inline const TtsMaskOptions moNone{};

PUBLISHED_ENUM(TtsCaseType, cstNone, cstUpper, cstLower, cstSentence, cstTitle)

// The letter case a mask asks for when its picture sets none.
class TtsTextCase : public TPersistent {
  DECLARE_CLASS(TtsTextCase, TPersistent)
 public:
  TtsCaseType GetCaseType() const { return FCaseType; }
  void SetCaseType(TtsCaseType Value);
  bool GetOptional() const { return FOptional; }
  void SetOptional(bool Value);
  void Assign(TPersistent* Source) override;

 protected:
  explicit TtsTextCase(TtsMask* AMask = nullptr) : FMask(AMask) {}

 private:
  void Changed();
  TtsMask* FMask;
  TtsCaseType FCaseType = cstNone;
  bool FOptional = false;
};

// A picture and its checks.
class TtsTextMask : public TPersistent {
  DECLARE_CLASS(TtsTextMask, TPersistent)
 public:
  // The largest count "*n" may give.
  static constexpr Integer MaxRepeatCount = 1000;
  // The most steps one check may take: past it a picture that backtracks without end gives no
  // match (and no unambiguous one).
  static constexpr Integer MaxSearchSteps = 1 << 21;

  const String& GetPicture() const { return FPicture; }
  // Stores the picture and checks its syntax. A parse error (EtsMaskError) marks the picture
  // invalid, goes to the owning mask's DoParseError and is raised again unless that says not to.
  void SetPicture(const String& Picture);
  bool GetValid() const { return FValid; }
  // The tree, built on first use; nil for an empty or invalid picture.
  TtsPictureList* GetPictureList();

  // Whether the whole text is acceptable (a text that might still be completed, unless
  // FullCompare). An invalid picture accepts everything.
  bool ValidText(const String& Text, bool FullCompare);
  // Whether Input may be typed at CaretPos (1-based); on success Input becomes what to insert:
  // literals to put in front and the typed characters converted.
  bool ValidInput(const String& Text, String& Input, Integer CaretPos, bool FullCompare, bool AutoFill);

 protected:
  explicit TtsTextMask(TtsMask* AMask = nullptr) : FMask(AMask) {}
  void Destroy() override;

 private:
  TtsPictureList* Parse(const String& Picture);
  // The tree a check runs on: the picture's, or the one an empty picture stands for.
  TtsPictureList* CheckedList();
  inline static const String AnyPicture = "[*@]";
  TtsMask* FMask;
  String FPicture;
  TtsPictureList* FList = nullptr;
  TtsPictureList* FAnyList = nullptr;
  bool FValid = true;
  bool FParsed = false;
};

// ---- Mask definitions -----------------------------------------------------------------------------------
PUBLISHED_ENUM(TtsMaskCheck, mcOnEdit, mcOnExit)
using TtsMaskChecks = TSet<TtsMaskCheck, 8>;
// Declared for the settings that use them; nothing in the family reads them.
enum TtsShowThousands { sthParent, sthOn, sthOff };
enum TtsShowTrailZeros { stzParent, stzOn, stzOff };
enum TtsSymbolPosition { spoParent, spoWindows, spoBefore, spoAfter };
using TtsParsePictureEvent =
    TClosure<void(TObject* Sender, const String& Picture, TtsPictureType PictureType, bool& Cancel)>;
using TtsMaskErrorEvent = TClosure<void(TObject* Sender, const String& Msg, bool& RaiseError)>;

class TtsMaskItem : public TCollectionItem {
  DECLARE_CLASS(TtsMaskItem, TCollectionItem)
 public:
  explicit TtsMaskItem(TCollection* Collection = nullptr) : TCollectionItem(Collection) {}

  virtual TtsMaskChecks GetAutoFill() = 0;
  virtual void SetAutoFill(TtsMaskChecks Value) = 0;
  virtual TtsMaskChecks GetEvaluate() = 0;
  virtual void SetEvaluate(TtsMaskChecks Value) = 0;
  virtual String GetName() = 0;
  virtual void SetName(const String& Value) = 0;
  virtual String GetPicture() = 0;
  virtual void SetPicture(const String& Value) = 0;
  virtual TtsTextCase* GetTextCase() = 0;
  virtual void SetTextCase(TtsTextCase* Value) = 0;
  virtual TNotifyEvent GetOnChange() = 0;
  virtual void SetOnChange(TNotifyEvent Value) = 0;
  virtual TtsMaskErrorEvent GetOnParseError() = 0;
  virtual void SetOnParseError(TtsMaskErrorEvent Value) = 0;
  virtual bool ValidText(const String& Text, bool FullCompare) = 0;
  virtual bool ValidInput(const String& Text, String& Input, Integer CaretPos, bool FullCompare, bool AutoFill) = 0;
};

class TtsMaskDefs;
class TtsMaskLink;

class TtsMask : public TtsMaskItem {
  DECLARE_CLASS(TtsMask, TtsMaskItem)
 public:
  explicit TtsMask(TCollection* Collection = nullptr) : TtsMaskItem(Collection) {}

  TtsMaskChecks GetAutoFill() override { return FAutoFill; }
  void SetAutoFill(TtsMaskChecks Value) override;
  TtsMaskChecks GetEvaluate() override { return FEvaluate; }
  void SetEvaluate(TtsMaskChecks Value) override;
  String GetName() override { return FName; }
  // "Mask '%s' already exists. Mask names must be unique" for another mask's name in any case.
  void SetName(const String& Value) override;
  String GetPicture() override { return FPicture; }
  void SetPicture(const String& Value) override;
  TtsTextCase* GetTextCase() override { return FTextCase; }
  void SetTextCase(TtsTextCase* Value) override;
  TNotifyEvent GetOnChange() override { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) override { FOnChange = Value; }
  TtsMaskErrorEvent GetOnParseError() override { return FOnParseError; }
  void SetOnParseError(TtsMaskErrorEvent Value) override { FOnParseError = Value; }
  bool ValidText(const String& Text, bool FullCompare) override;
  bool ValidInput(const String& Text, String& Input, Integer CaretPos, bool FullCompare, bool AutoFill) override;

  virtual TtsMaskDefs* ParentComponent();
  virtual void Changed();
  virtual void DoChange();
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  void Assign(TPersistent* Source) override;
  String GetDisplayName() override { return FName; }
  // Raises EtsMaskError, prefixed with the component's name when the mask has one.
  [[noreturn]] void InvalidOp(const String& Message);
  void DoParseError(const String& Message, bool& RaiseError);
  TtsTextMask* GetTextMask() const { return FTextMask; }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  void CheckName(const String& Value);
  bool CheckRaise();

  TtsTextMask* FTextMask = nullptr;
  TtsMaskChecks FAutoFill{mcOnEdit, mcOnExit};
  TtsMaskChecks FEvaluate{mcOnEdit, mcOnExit};
  Integer FUpdateCount = 0;
  String FName;
  String FPicture;
  TtsTextCase* FTextCase = nullptr;
  TNotifyEvent FOnChange;
  TtsMaskErrorEvent FOnParseError;
};

class TtsMaskDefsComponent : public TComponent {
  DECLARE_CLASS(TtsMaskDefsComponent, TComponent)
 public:
  explicit TtsMaskDefsComponent(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  virtual void RemoveLink(TtsMaskLink* Link) = 0;
  virtual void AddLink(TtsMaskLink* Link) = 0;
  virtual TtsMaskItem* GetMask(const Variant& Key) = 0;
  virtual void SetMask(const Variant& Key, TtsMaskItem* Mask) = 0;
};

class TtsMaskCollection : public TCollection {
  DECLARE_CLASS(TtsMaskCollection, TCollection)
 public:
  explicit TtsMaskCollection(TtsMaskDefs* AOwner = nullptr) : TCollection(TtsMask::StaticClass()), FMaskDefs(AOwner) {}

  TtsMask* Add() { return static_cast<TtsMask*>(TCollection::Add()); }
  TtsMask* GetItem(Integer Index) const { return static_cast<TtsMask*>(TCollection::GetItem(Index)); }
  // The first mask of that name in any case, -1 when none.
  Integer NameIndex(const String& Name);
  // By name (nil when absent) or by index (EListError out of range).
  TtsMask* GetMask(const Variant& Key);
  void SetMask(const Variant& Key, TtsMask* Mask);
  // "Mask" and the item's index, counted up until no other mask has the name.
  String FindUniqueName(TtsMask* Item);
  TtsMaskDefs* MaskDefs() const { return FMaskDefs; }

 protected:
  TPersistent* GetOwner() override;
  void Update(TCollectionItem* Item) override;
  void SetItemName(TCollectionItem* Item) override;

 private:
  TtsMaskDefs* FMaskDefs;
};

class TtsMaskDefs : public TtsMaskDefsComponent {
  DECLARE_CLASS(TtsMaskDefs, TtsMaskDefsComponent)
 public:
  explicit TtsMaskDefs(TComponent* AOwner = nullptr) : TtsMaskDefsComponent(AOwner) {}

  void RemoveLink(TtsMaskLink* Link) override;
  void AddLink(TtsMaskLink* Link) override;
  void RemoveLinks();
  TtsMaskItem* GetMask(const Variant& Key) override;
  void SetMask(const Variant& Key, TtsMaskItem* Mask) override;
  // Sets the parse-error handler of the mask (every mask for nil), then tells every link.
  virtual void Changed(TtsMask* Mask);
  void CheckErrorEvent(TtsMask* Mask);
  // While the component is read a picture error does not raise: it is shown at run time.
  void DoParseError(TObject* Sender, const String& Message, bool& RaiseError);

  TtsMaskCollection* GetMasks() const { return FMasks; }
  void SetMasks(TtsMaskCollection* Value);
  Integer LinkCount() const { return static_cast<Integer>(FLinks.size()); }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  TtsMaskCollection* FMasks = nullptr;
  std::vector<TtsMaskLink*> FLinks;
};

// The grid's link to a mask-definitions component.
class TtsMaskLink : public TPersistent {
  DECLARE_CLASS(TtsMaskLink, TPersistent)
 public:
  TtsMaskDefsComponent* GetMaskDefs() const { return FMaskDefs; }
  void SetMaskDefs(TtsMaskDefsComponent* Value);
  // The component's mask of that name; nil for an empty name or without a component.
  TtsMaskItem* GetMask(const String& Name);
  virtual void MaskChanged(TtsMaskItem* Mask) {}
  virtual void MaskDefsDeleted() {}

 protected:
  TtsMaskLink() = default;
  void Destroy() override;

 private:
  friend class TtsMaskDefs;
  TtsMaskDefsComponent* FMaskDefs = nullptr;
};

}  // namespace TSMask

using namespace TSMask;
