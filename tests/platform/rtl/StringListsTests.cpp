#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "Components.h"
#include "Exceptions.h"
#include "Filer.h"
#include "StringLists.h"
#include "Streams.h"
#include "TypInfo.h"

namespace {

using TLines = std::vector<std::string>;

TLines Lines(TStrings* list) {
  TLines r;
  for (Integer i = 0; i < list->GetCount(); ++i) r.push_back(list->GetStrings(i));
  return r;
}

TStringList* ListOf(const TLines& lines) {
  TStringList* list = New<TStringList>();
  for (const auto& s : lines) list->Add(s);
  return list;
}

// Frees the lists a test made, whatever way the test ends.
struct TOwned {
  std::vector<TObject*> Objects;
  template <class T>
  T* operator()(T* obj) {
    Objects.push_back(obj);
    return obj;
  }
  ~TOwned() {
    for (TObject* o : Objects) o->Free();
  }
};

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EStringListError& e) {
    return e.Message();
  }
  return "no error";
}

// A component that publishes a string list, as a memo publishes its lines.
class TNoteHolder : public TComponent {
  DECLARE_CLASS(TNoteHolder, TComponent)
 public:
  TStrings* GetNotes() const { return FNotes; }
  void SetNotes(TStrings* Value) { FNotes->Assign(Value); }

 protected:
  using TComponent::TComponent;
  void Construct() override {
    inherited::Construct();
    FNotes = New<TStringList>();
  }
  void Destroy() override {
    FreeAndNil(FNotes);
    inherited::Destroy();
  }

 private:
  TStringList* FNotes = nullptr;
};
IMPLEMENT_CLASS_PUBLISHED(TNoteHolder) { d.Property("Notes", &TNoteHolder::GetNotes, &TNoteHolder::SetNotes); }

}  // namespace

TEST(TStrings, TextSplitsAtEveryLineBreakAndWritesCrLf) {
  struct Case {
    const char* text;
    TLines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"a\r\n", {"a"}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR: two breaks
      {"\r\n\r\n", {"", ""}},
      {"竞拍\r\n倒计时", {"竞拍", "倒计时"}},
  };
  TOwned own;
  TStringList* list = own(New<TStringList>());
  for (const Case& c : cases) {
    list->SetText(c.text);
    EXPECT_EQ(Lines(list), c.lines) << c.text;
  }
  list->SetText("a\nb\r");
  EXPECT_EQ(list->GetText(), "a\r\nb\r\n");
}

TEST(TStrings, DelimitedTextReads) {
  struct Case {
    const char* text;
    TLines lines;
  } cases[] = {
      {"", {}},
      {"a,b,c", {"a", "b", "c"}},
      {"  a ,  b  ", {"a", "b"}},
      {"a b", {"a", "b"}},  // a blank separates too
      {"a,", {"a", ""}},
      {"a,,b", {"a", "", "b"}},
      {"\"a, b\",\"say \"\"hi\"\"\"", {"a, b", "say \"hi\""}},
      {"\"\"", {""}},
      {"\"x\"y,z", {"x", "y", "z"}},
      {"\"open", {"open"}},
      {"价格,时间", {"价格", "时间"}},
  };
  TOwned own;
  TStringList* list = own(New<TStringList>());
  for (const Case& c : cases) {
    list->SetCommaText(c.text);
    EXPECT_EQ(Lines(list), c.lines) << c.text;
  }
}

TEST(TStrings, DelimitedTextWritesQuotesOnlyWhereNeeded) {
  struct Case {
    TLines lines;
    const char* comma;
  } cases[] = {
      {{}, ""},
      {{""}, "\"\""},
      {{"a", "b"}, "a,b"},
      {{"a b", "c,d", "e\"f", ""}, "\"a b\",\"c,d\",\"e\"\"f\","},
      {{"", "x"}, ",x"},
      {{"竞拍"}, "竞拍"},
  };
  TOwned own;
  for (const Case& c : cases) {
    TStringList* list = own(ListOf(c.lines));
    EXPECT_EQ(list->GetCommaText(), c.comma);
    TStringList* back = own(New<TStringList>());
    back->SetCommaText(list->GetCommaText());
    EXPECT_EQ(Lines(back), c.lines) << "round trip of " << c.comma;
  }
}

TEST(TStrings, DelimiterAndQuoteCharAreTheListsOwnAndCommaTextIgnoresThem) {
  TOwned own;
  TStringList* list = own(ListOf({"a;b", "c d"}));
  list->SetDelimiter(';');
  list->SetQuoteChar('\'');
  EXPECT_EQ(list->GetDelimitedText(), "'a;b';'c d'");
  EXPECT_EQ(list->GetCommaText(), "a;b,\"c d\"");
  list->SetCommaText("x,y");
  EXPECT_EQ(list->GetDelimiter(), ';');
  list->SetDelimitedText("'1;2';3");
  EXPECT_EQ(Lines(list), (TLines{"1;2", "3"}));
}

TEST(TStrings, NamesAndValues) {
  TOwned own;
  TStringList* list = own(ListOf({"Host=example", "port=8080", "bare", "Empty=", "Path=a=b"}));
  EXPECT_EQ(list->IndexOfName("PORT"), 1) << "names compare without case";
  EXPECT_EQ(list->IndexOfName("bare"), -1);
  EXPECT_EQ(list->GetNames(2), "");
  EXPECT_EQ(list->GetValueFromIndex(2), "") << "a line without separator has no value";
  EXPECT_EQ(list->GetValues("host"), "example");
  EXPECT_EQ(list->GetValues("Path"), "a=b");
  EXPECT_EQ(list->GetValues("missing"), "");

  list->SetValues("PORT", "9090");
  EXPECT_EQ(list->GetStrings(1), "PORT=9090");
  list->SetValues("New", "1");
  EXPECT_EQ(list->GetStrings(list->GetCount() - 1), "New=1");
  list->SetValues("Host", "");
  EXPECT_EQ(list->IndexOfName("Host"), -1) << "an empty value deletes the line";
  list->SetValueFromIndex(0, "7070");
  EXPECT_EQ(list->GetStrings(0), "PORT=7070");

  list->SetNameValueSeparator(':');
  list->Add("Key:Value");
  EXPECT_EQ(list->GetValues("key"), "Value");
}

TEST(TStringList, SortedListPlacesAndFindsWithoutCase) {
  TOwned own;
  TStringList* list = own(ListOf({"cherry", "Banana", "apple"}));
  list->SetSorted(true);
  EXPECT_EQ(Lines(list), (TLines{"apple", "Banana", "cherry"}));
  EXPECT_EQ(list->Add("blueberry"), 2);
  Integer at = -1;
  EXPECT_TRUE(list->Find("BANANA", at));
  EXPECT_EQ(at, 1);
  EXPECT_FALSE(list->Find("date", at));
  EXPECT_EQ(at, 4) << "where it would go";
  EXPECT_EQ(list->IndexOf("CHERRY"), 3);

  list->SetCaseSensitive(true);
  EXPECT_EQ(list->IndexOf("CHERRY"), -1);
  EXPECT_TRUE(list->Find("Banana", at));
  EXPECT_EQ(list->GetStrings(at), "Banana");

  EXPECT_EQ(ErrorOf([&] { list->Insert(0, "x"); }), "Operation not allowed on sorted list");
  EXPECT_EQ(ErrorOf([&] { list->SetStrings(0, "x"); }), "Operation not allowed on sorted list");
  EXPECT_EQ(ErrorOf([&] { list->Move(0, 1); }), "Operation not allowed on sorted list");
}

TEST(TStringList, DuplicatesOfASortedList) {
  struct Case {
    TDuplicates mode;
    Integer count;
    const char* error;
  } cases[] = {
      {dupIgnore, 2, "no error"},
      {dupAccept, 3, "no error"},
      {dupError, 2, "String list does not allow duplicates"},
  };
  for (const Case& c : cases) {
    TOwned own;
    TStringList* list = own(ListOf({"b", "a"}));
    list->SetDuplicates(c.mode);
    list->SetSorted(true);
    Integer index = -2;
    EXPECT_EQ(ErrorOf([&] { index = list->Add("B"); }), c.error);
    EXPECT_EQ(list->GetCount(), c.count);
    if (c.mode != dupError) {
      EXPECT_EQ(index, 1);
    }
  }
  // An unsorted list keeps every string, whatever Duplicates says.
  TOwned own;
  TStringList* list = own(ListOf({"a"}));
  list->SetDuplicates(dupError);
  list->Add("a");
  EXPECT_EQ(list->GetCount(), 2);
}

TEST(TStringList, CustomSortIsStableAndKeepsObjects) {
  TOwned own;
  TStringList* list = own(New<TStringList>());
  TObject* marks[4] = {};
  const char* words[4] = {"ccc", "a", "bb", "d"};
  for (int i = 0; i < 4; ++i) list->AddObject(words[i], marks[i] = own(New<TObject>()));
  list->CustomSort([](TStringList* l, Integer a, Integer b) -> Integer {
    return static_cast<Integer>(l->GetStrings(a).size()) - static_cast<Integer>(l->GetStrings(b).size());
  });
  EXPECT_EQ(Lines(list), (TLines{"a", "d", "bb", "ccc"}));
  EXPECT_EQ(list->GetObjects(0), marks[1]);
  EXPECT_EQ(list->GetObjects(3), marks[0]);
  list->Sort();
  EXPECT_EQ(Lines(list), (TLines{"a", "bb", "ccc", "d"}));
  EXPECT_EQ(list->IndexOfObject(marks[2]), 1);
}

TEST(TStringList, EditsKeepObjectsAndABadTargetLosesNothing) {
  TOwned own;
  TObject* mark = own(New<TObject>());
  TStringList* list = own(ListOf({"a", "b", "c"}));
  list->SetObjects(0, mark);
  list->Move(0, 2);
  EXPECT_EQ(Lines(list), (TLines{"b", "c", "a"}));
  EXPECT_EQ(list->GetObjects(2), mark);
  list->Exchange(2, 0);
  EXPECT_EQ(Lines(list), (TLines{"a", "c", "b"}));
  EXPECT_EQ(list->GetObjects(0), mark);
  EXPECT_EQ(ErrorOf([&] { list->Move(0, 3); }), "List index out of bounds (3)");
  EXPECT_EQ(ErrorOf([&] { list->GetStrings(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(ErrorOf([&] { list->Delete(3); }), "List index out of bounds (3)");
  EXPECT_EQ(ErrorOf([&] { list->InsertObject(4, "x", nullptr); }), "List index out of bounds (4)");
  EXPECT_EQ(Lines(list), (TLines{"a", "c", "b"}));
  list->SetStrings(1, "C");
  list->Delete(0);
  EXPECT_EQ(Lines(list), (TLines{"C", "b"}));
}

TEST(TStringList, ChangeEventsAreBracketedByUpdates) {
  TOwned own;
  TStringList* list = own(New<TStringList>());
  std::string log;
  list->OnChanging = [&](TObject* sender) {
    EXPECT_EQ(sender, list);
    log += '<';
  };
  list->OnChange = [&](TObject*) { log += '>'; };
  list->Add("a");
  list->Clear();
  list->Clear();  // already empty: no change
  EXPECT_EQ(log, "<><>");
  log.clear();
  list->BeginUpdate();
  list->BeginUpdate();
  list->Add("x");
  list->SetText("1\n2\n3");
  list->EndUpdate();
  EXPECT_EQ(log, "<");
  list->EndUpdate();
  EXPECT_EQ(log, "<>") << "one change for the whole bracket";
  list->EndUpdate();  // unbalanced: ignored
  list->Add("y");
  EXPECT_EQ(log, "<><>");
}

TEST(TStrings, AssignAndEquals) {
  TOwned own;
  TObject* mark = own(New<TObject>());
  TStringList* source = own(ListOf({"x", "y"}));
  source->SetObjects(1, mark);
  source->SetDelimiter(';');
  TStringList* dest = own(ListOf({"old"}));
  dest->Assign(source);
  EXPECT_EQ(Lines(dest), (TLines{"x", "y"}));
  EXPECT_EQ(dest->GetObjects(1), mark);
  EXPECT_EQ(dest->GetDelimiter(), ';');
  EXPECT_TRUE(dest->Equals(source));
  dest->SetStrings(1, "Y");
  EXPECT_FALSE(dest->Equals(source)) << "compared exactly";

  TPersistent* other = own(New<TPersistent>());
  try {
    dest->Assign(other);
    FAIL() << "no assignment error";
  } catch (const EAssignError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TPersistent to a TStringList");
  }
}

TEST(TStrings, FilesAndStreamsCarryLinesWithCrLf) {
  TOwned own;
  auto path = std::filesystem::temp_directory_path() / "stringlists-test.txt";
  TStringList* list = own(ListOf({"竞拍", "", "end"}));
  list->SaveToFile(path.string());
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(bytes, "竞拍\r\n\r\nend\r\n");

  TStringList* back = own(New<TStringList>());
  back->LoadFromFile(path.string());
  EXPECT_EQ(Lines(back), (TLines{"竞拍", "", "end"}));
  std::filesystem::remove(path);

  // A stream is read from its position on.
  TStringStream* stream = own(New<TStringStream>(String("skip\nkeep\nthis")));
  stream->SetPosition(5);
  back->LoadFromStream(stream);
  EXPECT_EQ(Lines(back), (TLines{"keep", "this"}));

  EXPECT_THROW(back->LoadFromFile((path.parent_path() / "no-such-dir" / "x.txt").string()), EFOpenError);
  EXPECT_EQ(Lines(back), (TLines{"keep", "this"})) << "a file that cannot be opened changes nothing";
}

TEST(TStrings, StreamTheirStringsAsOneEntry) {
  RegisterClass(TNoteHolder::StaticClass());
  TOwned own;
  auto written = [&](TNoteHolder* holder) {
    TMemoryStream* m = own(New<TMemoryStream>());
    WriteComponent(m, holder);
    m->SetPosition(0);
    return m;
  };
  auto holds = [](TStream* s, const String& text) {
    String bytes(static_cast<size_t>(s->GetSize()), '\0');
    s->SetPosition(0);
    s->ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    s->SetPosition(0);
    return bytes.find(text) != String::npos;
  };

  TNoteHolder* source = own(CreateComponent<TNoteHolder>(nullptr));
  EXPECT_FALSE(holds(written(source), "Notes.Strings")) << "an empty list writes no entry";

  source->GetNotes()->SetText("first\n竞拍\n\nlast");
  TMemoryStream* stream = written(source);
  EXPECT_TRUE(holds(stream, "Notes.Strings"));
  TNoteHolder* copy = own(CreateComponent<TNoteHolder>(nullptr));
  copy->GetNotes()->SetText("replaced");
  ReadComponent(stream, copy);
  EXPECT_EQ(Lines(copy->GetNotes()), (TLines{"first", "竞拍", "", "last"}));
}
