// String lists: TStrings, the abstract list of strings with an object beside each, its text forms
// (lines, comma and delimited text, name=value pairs) and file and stream transfer; TStringList, the
// list that keeps its strings itself, optionally sorted.
#pragma once

#include <vector>

#include "Closures.h"
#include "Persistent.h"

namespace Streams {
class TStream;
}

namespace StringLists {

class TStrings : public TPersistent {
  DECLARE_CLASS(TStrings, TPersistent)
 public:
  virtual Integer Add(const String& S);
  virtual Integer AddObject(const String& S, TObject* AObject);
  void Append(const String& S) { Add(S); }
  virtual void AddStrings(TStrings* Strings);
  // Another string list's strings, objects and text-form settings; other classes raise EAssignError.
  void Assign(TPersistent* Source) override;
  // Brackets many changes: the list reports one change (SetUpdateState) at the outermost end.
  void BeginUpdate();
  void EndUpdate();
  Integer GetUpdateCount() const { return FUpdateCount; }
  virtual void Clear() = 0;
  virtual void Delete(Integer Index) = 0;
  // The same strings in the same order (compared exactly; the objects are not compared).
  bool Equals(TStrings* Strings);
  virtual void Exchange(Integer Index1, Integer Index2);
  virtual Integer IndexOf(const String& S);
  virtual Integer IndexOfName(const String& Name);
  Integer IndexOfObject(TObject* AObject);
  virtual void Insert(Integer Index, const String& S) = 0;
  virtual void InsertObject(Integer Index, const String& S, TObject* AObject);
  virtual void LoadFromFile(const String& FileName);
  // Reads the stream from its position to its end as text.
  virtual void LoadFromStream(Streams::TStream* Stream);
  virtual void Move(Integer CurIndex, Integer NewIndex);
  virtual void SaveToFile(const String& FileName);
  virtual void SaveToStream(Streams::TStream* Stream);

  virtual Integer GetCount() = 0;
  virtual Integer GetCapacity() { return GetCount(); }
  virtual void SetCapacity(Integer NewCapacity) {}
  String GetStrings(Integer Index) { return Get(Index); }
  void SetStrings(Integer Index, const String& S) { Put(Index, S); }
  String operator[](Integer Index) { return Get(Index); }
  TObject* GetObjects(Integer Index) { return GetObject(Index); }
  void SetObjects(Integer Index, TObject* AObject) { PutObject(Index, AObject); }

  // Lines: the setter splits at CR LF, CR and LF; the getter ends every line with CR LF.
  virtual String GetText() { return GetTextStr(); }
  virtual void SetText(const String& Value) { SetTextStr(Value); }
  // The strings separated by Delimiter; a string holding a blank, a control character, the quote
  // character or the delimiter is quoted (with QuoteChar, inner quotes doubled).
  String GetDelimitedText();
  void SetDelimitedText(const String& Value);
  // The delimited text with "," and '"', whatever Delimiter and QuoteChar are.
  String GetCommaText();
  void SetCommaText(const String& Value);
  Char GetDelimiter() const { return FDelimiter; }
  void SetDelimiter(Char Value) { FDelimiter = Value; }
  Char GetQuoteChar() const { return FQuoteChar; }
  void SetQuoteChar(Char Value) { FQuoteChar = Value; }

  // Name=value lines. A line without the separator has an empty name and an empty value.
  Char GetNameValueSeparator() const { return FNameValueSeparator; }
  void SetNameValueSeparator(Char Value) { FNameValueSeparator = Value; }
  String GetNames(Integer Index);
  String GetValues(const String& Name);
  // Sets the value of the first line of that name (adding a line when there is none); an empty
  // value deletes the line.
  void SetValues(const String& Name, const String& Value);
  String GetValueFromIndex(Integer Index);
  void SetValueFromIndex(Integer Index, const String& Value);

 protected:
  // Raises EStringListError with `Msg` formatted with `Data`.
  [[noreturn]] static void Error(const char* Msg, NativeInt Data);
  virtual String Get(Integer Index) = 0;
  virtual TObject* GetObject(Integer Index) { return nullptr; }
  virtual void Put(Integer Index, const String& S);
  virtual void PutObject(Integer Index, TObject* AObject) {}
  virtual String GetTextStr();
  virtual void SetTextStr(const String& Value);
  // Called with true when the first BeginUpdate starts a bracket and with false when the last
  // EndUpdate closes it.
  virtual void SetUpdateState(bool Updating) {}
  // How the list compares strings in IndexOf and IndexOfName: locale order, ignoring case.
  virtual Integer CompareStrings(const String& S1, const String& S2);
  // The strings are one "Strings" entry of the object stream (written when there are any, or when
  // they differ from the ancestor's).
  void DefineProperties(Filer::TFiler* Filer) override;

 private:
  void ReadData(Filer::TReader* Reader);
  void WriteData(Filer::TWriter* Writer);
  Integer FUpdateCount = 0;
  Char FDelimiter = ',';
  Char FQuoteChar = '"';
  Char FNameValueSeparator = '=';
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList;
// Answers < 0, 0 or > 0 as the string at Index1 sorts before, with or after the one at Index2.
using TStringListSortCompare = Integer (*)(TStringList* List, Integer Index1, Integer Index2);

class TStringList : public TStrings {
  DECLARE_CLASS(TStringList, TStrings)
 public:
  // On a sorted list the string goes to its sorted place; a string already present is then handled
  // by Duplicates (dupIgnore answers the existing index, dupError raises EStringListError).
  Integer Add(const String& S) override;
  Integer AddObject(const String& S, TObject* AObject) override;
  void Clear() override;
  void Delete(Integer Index) override;
  void Exchange(Integer Index1, Integer Index2) override;
  void Move(Integer CurIndex, Integer NewIndex) override;
  // Binary search of a sorted list: true when S is present; Index is then its position (the first
  // of equal strings when duplicates are accepted), otherwise where it would be inserted.
  virtual bool Find(const String& S, Integer& Index);
  Integer IndexOf(const String& S) override;
  void Insert(Integer Index, const String& S) override;
  void InsertObject(Integer Index, const String& S, TObject* AObject) override;
  virtual void Sort();
  // Sorts an unsorted list with the given comparison (a sorted list keeps its own order).
  virtual void CustomSort(TStringListSortCompare Compare);

  Integer GetCount() override { return static_cast<Integer>(FList.size()); }
  Integer GetCapacity() override { return static_cast<Integer>(FList.capacity()); }
  void SetCapacity(Integer NewCapacity) override;
  TDuplicates GetDuplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool Value);
  bool GetCaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void Destroy() override;
  // Fire OnChange / OnChanging, except inside an update bracket.
  virtual void Changed();
  virtual void Changing();
  String Get(Integer Index) override;
  TObject* GetObject(Integer Index) override;
  void Put(Integer Index, const String& S) override;
  void PutObject(Integer Index, TObject* AObject) override;
  void SetUpdateState(bool Updating) override;
  Integer CompareStrings(const String& S1, const String& S2) override;
  virtual void InsertItem(Integer Index, const String& S, TObject* AObject);

 private:
  struct TStringItem {
    String FString;
    TObject* FObject = nullptr;
  };
  void CheckIndex(Integer Index) const;
  void SortBy(TStringListSortCompare Compare);
  std::vector<TStringItem> FList;
  TDuplicates FDuplicates = dupIgnore;
  bool FSorted = false;
  bool FCaseSensitive = false;
};

}  // namespace StringLists

using namespace StringLists;
