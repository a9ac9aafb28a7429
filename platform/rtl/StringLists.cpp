#include "StringLists.h"

#include <algorithm>

#include "Exceptions.h"
#include "Filer.h"
#include "Format.h"
#include "Lists.h"
#include "Streams.h"
#include "Strings.h"
#include "SysConst.h"

namespace StringLists {

IMPLEMENT_ABSTRACT_CLASS(TStrings)
IMPLEMENT_CLASS(TStringList)

namespace {

// Where the name of a name=value line ends (npos when the line has no separator).
size_t SeparatorPos(const String& S, Char Separator) {
  Integer p = AnsiPos(String(1, Separator), S);
  return p > 0 ? static_cast<size_t>(p - 1) : String::npos;
}

bool IsBlankOrControl(Char c) { return static_cast<unsigned char>(c) <= ' '; }

// A guard that closes an update bracket even when the bracketed work raises.
struct TUpdateBracket {
  explicit TUpdateBracket(TStrings* list) : List(list) { List->BeginUpdate(); }
  ~TUpdateBracket() { List->EndUpdate(); }
  TStrings* List;
};

}  // namespace

// ---- TStrings -----------------------------------------------------------------------------------------

void TStrings::Error(const char* Msg, NativeInt Data) {
  throw EStringListError(Format(Msg, {Data}));
}

Integer TStrings::CompareStrings(const String& S1, const String& S2) { return AnsiCompareText(S1, S2); }

Integer TStrings::Add(const String& S) {
  Integer result = GetCount();
  Insert(result, S);
  return result;
}

Integer TStrings::AddObject(const String& S, TObject* AObject) {
  Integer result = Add(S);
  PutObject(result, AObject);
  return result;
}

void TStrings::AddStrings(TStrings* Strings) {
  TUpdateBracket bracket(this);
  for (Integer i = 0, n = Strings->GetCount(); i < n; ++i) AddObject(Strings->Get(i), Strings->GetObject(i));
}

void TStrings::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TStrings*>(Source)) {
    if (source == this) return;
    TUpdateBracket bracket(this);
    Clear();
    FDelimiter = source->FDelimiter;
    FQuoteChar = source->FQuoteChar;
    FNameValueSeparator = source->FNameValueSeparator;
    AddStrings(source);
    return;
  }
  inherited::Assign(Source);
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount <= 0) return;
  --FUpdateCount;
  if (FUpdateCount == 0) SetUpdateState(false);
}

bool TStrings::Equals(TStrings* Strings) {
  Integer n = GetCount();
  if (!Strings || n != Strings->GetCount()) return false;
  for (Integer i = 0; i < n; ++i)
    if (Get(i) != Strings->Get(i)) return false;
  return true;
}

void TStrings::Exchange(Integer Index1, Integer Index2) {
  TUpdateBracket bracket(this);
  String tempString = Get(Index1);
  TObject* tempObject = GetObject(Index1);
  Put(Index1, Get(Index2));
  PutObject(Index1, GetObject(Index2));
  Put(Index2, tempString);
  PutObject(Index2, tempObject);
}

Integer TStrings::IndexOf(const String& S) {
  for (Integer i = 0, n = GetCount(); i < n; ++i)
    if (CompareStrings(Get(i), S) == 0) return i;
  return -1;
}

Integer TStrings::IndexOfName(const String& Name) {
  for (Integer i = 0, n = GetCount(); i < n; ++i) {
    String s = Get(i);
    size_t p = SeparatorPos(s, FNameValueSeparator);
    if (p != String::npos && CompareStrings(s.substr(0, p), Name) == 0) return i;
  }
  return -1;
}

Integer TStrings::IndexOfObject(TObject* AObject) {
  for (Integer i = 0, n = GetCount(); i < n; ++i)
    if (GetObject(i) == AObject) return i;
  return -1;
}

void TStrings::InsertObject(Integer Index, const String& S, TObject* AObject) {
  Insert(Index, S);
  PutObject(Index, AObject);
}

void TStrings::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) return;
  // Checked before the string leaves its place, so that a bad target loses nothing.
  if (NewIndex < 0 || NewIndex >= GetCount()) Error(SysConst::SListIndexError, NewIndex);
  TUpdateBracket bracket(this);
  String tempString = Get(CurIndex);
  TObject* tempObject = GetObject(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, tempString, tempObject);
}

void TStrings::Put(Integer Index, const String& S) {
  TObject* tempObject = GetObject(Index);
  Delete(Index);
  InsertObject(Index, S, tempObject);
}

// ---- Text forms ---------------------------------------------------------------------------------------

String TStrings::GetTextStr() {
  String result;
  for (Integer i = 0, n = GetCount(); i < n; ++i) {
    result += Get(i);
    result += "\r\n";
  }
  return result;
}

void TStrings::SetTextStr(const String& Value) {
  TUpdateBracket bracket(this);
  Clear();
  size_t pos = 0;
  while (pos < Value.size()) {
    size_t end = Value.find_first_of("\r\n", pos);
    if (end == String::npos) end = Value.size();
    Add(Value.substr(pos, end - pos));
    pos = end;
    if (pos < Value.size() && Value[pos] == '\r') ++pos;
    if (pos < Value.size() && Value[pos] == '\n') ++pos;
  }
}

String TStrings::GetDelimitedText() {
  Integer n = GetCount();
  if (n == 1 && Get(0).empty()) return String(2, FQuoteChar);
  String result;
  for (Integer i = 0; i < n; ++i) {
    String s = Get(i);
    bool quote = std::any_of(s.begin(), s.end(),
                             [&](Char c) { return IsBlankOrControl(c) || c == FQuoteChar || c == FDelimiter; });
    if (i > 0) result += FDelimiter;
    result += quote ? AnsiQuotedStr(s, FQuoteChar) : s;
  }
  return result;
}

void TStrings::SetDelimitedText(const String& Value) {
  TUpdateBracket bracket(this);
  Clear();
  // The text ends at its end or at a zero byte.
  auto at = [&](size_t i) { return i < Value.size() ? Value[i] : '\0'; };
  auto skipBlanks = [&](size_t& i) {
    while (at(i) != '\0' && IsBlankOrControl(at(i))) ++i;
  };
  size_t p = 0;
  skipBlanks(p);
  while (at(p) != '\0') {
    if (at(p) == FQuoteChar) {
      const char* from = Value.c_str() + p;
      Add(AnsiExtractQuotedStr(from, FQuoteChar));
      p = static_cast<size_t>(from - Value.c_str());
    } else {
      size_t start = p;
      while (!IsBlankOrControl(at(p)) && at(p) != FDelimiter) ++p;
      Add(Value.substr(start, p - start));
    }
    skipBlanks(p);
    if (at(p) == FDelimiter) {
      // A delimiter that ends the text stands before one more, empty, string.
      if (at(p + 1) == '\0') Add(String());
      ++p;
      skipBlanks(p);
    }
  }
}

String TStrings::GetCommaText() {
  Char delimiter = FDelimiter, quote = FQuoteChar;
  FDelimiter = ',';
  FQuoteChar = '"';
  String result;
  try {
    result = GetDelimitedText();
  } catch (...) {
    FDelimiter = delimiter;
    FQuoteChar = quote;
    throw;
  }
  FDelimiter = delimiter;
  FQuoteChar = quote;
  return result;
}

void TStrings::SetCommaText(const String& Value) {
  Char delimiter = FDelimiter, quote = FQuoteChar;
  FDelimiter = ',';
  FQuoteChar = '"';
  try {
    SetDelimitedText(Value);
  } catch (...) {
    FDelimiter = delimiter;
    FQuoteChar = quote;
    throw;
  }
  FDelimiter = delimiter;
  FQuoteChar = quote;
}

// ---- Names and values ---------------------------------------------------------------------------------

String TStrings::GetNames(Integer Index) {
  String s = Get(Index);
  size_t p = SeparatorPos(s, FNameValueSeparator);
  return p == String::npos ? String() : s.substr(0, p);
}

String TStrings::GetValueFromIndex(Integer Index) {
  if (Index < 0) return String();
  String s = Get(Index);
  size_t p = SeparatorPos(s, FNameValueSeparator);
  return p == String::npos ? String() : s.substr(p + 1);
}

String TStrings::GetValues(const String& Name) {
  Integer i = IndexOfName(Name);
  return i >= 0 ? GetValueFromIndex(i) : String();
}

void TStrings::SetValues(const String& Name, const String& Value) {
  Integer i = IndexOfName(Name);
  if (Value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  if (i < 0) i = Add(String());
  Put(i, Name + FNameValueSeparator + Value);
}

void TStrings::SetValueFromIndex(Integer Index, const String& Value) {
  if (Value.empty()) {
    if (Index >= 0) Delete(Index);
    return;
  }
  if (Index < 0) Index = Add(String());
  Put(Index, GetNames(Index) + FNameValueSeparator + Value);
}

// ---- Files and streams ------------------------------------------------------------------------------

void TStrings::LoadFromStream(Streams::TStream* Stream) {
  TUpdateBracket bracket(this);
  Int64 size = Stream->GetSize() - Stream->GetPosition();
  String text(static_cast<size_t>(std::max<Int64>(size, 0)), '\0');
  Integer got = text.empty() ? 0 : Stream->Read(text.data(), static_cast<Integer>(text.size()));
  text.resize(static_cast<size_t>(std::max(got, 0)));
  SetTextStr(text);
}

void TStrings::SaveToStream(Streams::TStream* Stream) {
  String text = GetTextStr();
  Stream->WriteBuffer(text.data(), static_cast<Integer>(text.size()));
}

void TStrings::LoadFromFile(const String& FileName) {
  auto stream = NewOwned<TFileStream>(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream.get());
}

void TStrings::SaveToFile(const String& FileName) {
  auto stream = NewOwned<TFileStream>(FileName, fmCreate);
  SaveToStream(stream.get());
}

// ---- The object stream ------------------------------------------------------------------------------

void TStrings::DefineProperties(Filer::TFiler* Filer) {
  bool hasData = GetCount() > 0;
  if (TPersistent* ancestor = Filer->GetAncestor()) {
    auto* strings = dynamic_cast<TStrings*>(ancestor);
    hasData = !strings || !Equals(strings);
  }
  Filer->DefineProperty("Strings", Filer::TReaderProc(this, &TStrings::ReadData),
                        Filer::TWriterProc(this, &TStrings::WriteData), hasData);
}

void TStrings::ReadData(Filer::TReader* Reader) {
  Reader->ReadListBegin();
  {
    TUpdateBracket bracket(this);
    Clear();
    while (!Reader->EndOfList()) Add(Reader->ReadString());
  }
  Reader->ReadListEnd();
}

void TStrings::WriteData(Filer::TWriter* Writer) {
  Writer->WriteListBegin();
  for (Integer i = 0, n = GetCount(); i < n; ++i) Writer->WriteString(Get(i));
  Writer->WriteListEnd();
}

// ---- TStringList ------------------------------------------------------------------------------------

void TStringList::Destroy() {
  OnChange = nullptr;
  OnChanging = nullptr;
  FList.clear();
  inherited::Destroy();
}

void TStringList::CheckIndex(Integer Index) const {
  if (Index < 0 || Index >= static_cast<Integer>(FList.size())) Error(SysConst::SListIndexError, Index);
}

void TStringList::Changed() {
  if (GetUpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
  if (GetUpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating) Changing();
  else Changed();
}

Integer TStringList::CompareStrings(const String& S1, const String& S2) {
  return FCaseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

Integer TStringList::Add(const String& S) { return AddObject(S, nullptr); }

Integer TStringList::AddObject(const String& S, TObject* AObject) {
  Integer result = GetCount();
  if (FSorted && Find(S, result)) {
    if (FDuplicates == dupIgnore) return result;
    if (FDuplicates == dupError) Error(SysConst::SDuplicateString, 0);
  }
  InsertItem(result, S, AObject);
  return result;
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  std::vector<TStringItem>().swap(FList);
  Changed();
}

void TStringList::Delete(Integer Index) {
  CheckIndex(Index);
  Changing();
  FList.erase(FList.begin() + Index);
  Changed();
}

void TStringList::Exchange(Integer Index1, Integer Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  Changing();
  std::swap(FList[Index1], FList[Index2]);
  Changed();
}

void TStringList::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) return;
  if (FSorted) Error(SysConst::SSortedListError, 0);
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  Changing();
  TStringItem item = std::move(FList[CurIndex]);
  FList.erase(FList.begin() + CurIndex);
  FList.insert(FList.begin() + NewIndex, std::move(item));
  Changed();
}

bool TStringList::Find(const String& S, Integer& Index) {
  bool result = false;
  Integer l = 0, h = GetCount() - 1;
  while (l <= h) {
    Integer i = l + (h - l) / 2;
    Integer c = CompareStrings(FList[i].FString, S);
    if (c < 0) {
      l = i + 1;
    } else {
      h = i - 1;
      if (c == 0) {
        result = true;
        if (FDuplicates != dupAccept) l = i;
      }
    }
  }
  Index = l;
  return result;
}

Integer TStringList::IndexOf(const String& S) {
  if (!FSorted) return inherited::IndexOf(S);
  Integer result;
  return Find(S, result) ? result : -1;
}

void TStringList::Insert(Integer Index, const String& S) { InsertObject(Index, S, nullptr); }

void TStringList::InsertObject(Integer Index, const String& S, TObject* AObject) {
  if (FSorted) Error(SysConst::SSortedListError, 0);
  if (Index < 0 || Index > GetCount()) Error(SysConst::SListIndexError, Index);
  InsertItem(Index, S, AObject);
}

void TStringList::InsertItem(Integer Index, const String& S, TObject* AObject) {
  Changing();
  FList.insert(FList.begin() + Index, TStringItem{S, AObject});
  Changed();
}

String TStringList::Get(Integer Index) {
  CheckIndex(Index);
  return FList[Index].FString;
}

TObject* TStringList::GetObject(Integer Index) {
  CheckIndex(Index);
  return FList[Index].FObject;
}

void TStringList::Put(Integer Index, const String& S) {
  if (FSorted) Error(SysConst::SSortedListError, 0);
  CheckIndex(Index);
  Changing();
  FList[Index].FString = S;
  Changed();
}

void TStringList::PutObject(Integer Index, TObject* AObject) {
  CheckIndex(Index);
  Changing();
  FList[Index].FObject = AObject;
  Changed();
}

void TStringList::SetCapacity(Integer NewCapacity) {
  if (NewCapacity < GetCount() || NewCapacity > MaxListSize) Error(SysConst::SListCapacityError, NewCapacity);
  if (NewCapacity > GetCapacity()) FList.reserve(static_cast<size_t>(NewCapacity));
  else if (NewCapacity < GetCapacity()) FList.shrink_to_fit();
}

void TStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  if (Value) SortBy(nullptr);
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (FCaseSensitive == Value) return;
  FCaseSensitive = Value;
  // The order changes with the comparison: a sorted list is sorted again, or Find would miss.
  if (FSorted) SortBy(nullptr);
}

void TStringList::Sort() { CustomSort(nullptr); }

void TStringList::CustomSort(TStringListSortCompare Compare) {
  if (!FSorted) SortBy(Compare);
}

// Sorts by Compare, or by CompareStrings when Compare is null.
void TStringList::SortBy(TStringListSortCompare Compare) {
  if (FList.size() < 2) return;
  Changing();
  struct TContext {
    TStringList* List;
    TStringListSortCompare Compare;
  } context{this, Compare};
  auto byIndex = [](void* c, Integer a, Integer b) {
    auto* ctx = static_cast<TContext*>(c);
    if (ctx->Compare) return ctx->Compare(ctx->List, a, b);
    return ctx->List->CompareStrings(ctx->List->FList[a].FString, ctx->List->FList[b].FString);
  };
  std::vector<Integer> order = SortedPositions(GetCount(), byIndex, &context);
  std::vector<TStringItem> sorted;
  sorted.reserve(FList.size());
  for (Integer i : order) sorted.push_back(std::move(FList[i]));
  FList.swap(sorted);
  Changed();
}

}  // namespace StringLists
