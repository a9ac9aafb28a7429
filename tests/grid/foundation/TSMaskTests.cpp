#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "SeedCorpus.h"
#include "Streams.h"
#include "TSMask.h"
#include "Variants.h"
#include "../../../tools/fuzz/TSMaskFuzz.h"

namespace {

TOwnedPtr<TtsTextMask> MaskOf(const String& Picture) {
  TOwnedPtr<TtsTextMask> mask(New<TtsTextMask>(nullptr));
  mask->SetPicture(Picture);
  return mask;
}

TEST(TtsTextMask, PictureLanguage) {
  struct Case {
    const char* Picture;
    const char* Text;
    bool Full, Valid;
  } cases[] = {
      {"###-####", "555-1234", true, true},  {"###-####", "555-", false, true},  {"###-####", "555", false, true},
      {"###-####", "555-", true, false},     {"###-####", "5551234", true, false}, {"###-####", "555-12a4", true, false},
      {"*3#", "123", true, true},            {"*3#", "12", true, false},         {"*3#", "1234", true, false},
      {"*3#", "12", false, true},            {"*#", "1", true, true},            {"*#", "12345", true, true},
      {"*#", "", true, false},               {"*#", "", false, true},            {"*[#]", "", true, true},
      {"*[#]", "123", true, true},           {"*[#]", "12a", true, false},       {"{Mr,Mrs,Ms}", "Mr", true, true},
      {"{Mr,Mrs,Ms}", "Mrs", true, true},    {"{Mr,Mrs,Ms}", "Ms", true, true},  {"{Mr,Mrs,Ms}", "M", false, true},
      {"{Mr,Mrs,Ms}", "M", true, false},     {"{Mr,Mrs,Ms}", "Mx", false, false}, {"[a-f]", "c", true, true},
      {"[a-f]", "g", true, false},           {"[a-f]", "", true, true},          {"{a-f}", "", true, false},
      {"[^0-9]", "5", true, false},          {"[^0-9]", "x", true, true},        {";#;*", "#*", true, true},
      {";#;*", "1*", true, false},           {"&&", "AB", true, true},           {"&&", "aB", true, false},
      {">?", "a", true, true},               {">>?", "a", true, false},          {"<<?", "A", true, false},
      {"!", "a", true, false},               {"!", "1", true, true},             {"@@", "中文", true, true},
      {"??", "中a", true, true},             {"#年", "1年", true, true},         {"#年", "1月", true, false},
      {"{a,b}*#", "a12", true, true},        {"a,bcd", "a", true, true},         {"[{;[-;]}]x", "]x", true, true},
      {"-#", "-5", true, true},              {"*2{ab}", "abab", true, true},     {"*2{ab}", "ab", true, false},
      {"*0[x]y", "y", true, true},           {"{a,}b", "b", true, true},         {"{a,}b", "ab", true, true},
      // An extra repetition of an alternative's first item never switches to another alternative.
      {"{*a,b}", "ab", true, false},         {"{*a,b}", "aa", true, true},       {"{*a,b}", "b", true, true},
  };
  for (const Case& c : cases) {
    TOwnedPtr<TtsTextMask> mask = MaskOf(c.Picture);
    EXPECT_EQ(mask->ValidText(c.Text, c.Full), c.Valid) << c.Picture << " / " << c.Text << (c.Full ? " full" : "");
  }
}

TEST(TtsTextMask, LongTextsAndRunawayPicturesEnd) {
  TOwnedPtr<TtsTextMask> any = MaskOf("*@");
  EXPECT_TRUE(any->ValidText(String(200000, 'x'), true)) << "no check recurses as deep as the text";
  TOwnedPtr<TtsTextMask> nested = MaskOf("*[*#]");
  EXPECT_TRUE(nested->ValidText(String(60, '1'), true));
  EXPECT_FALSE(nested->ValidText(String(60, '1') + "x", true)) << "a search that backtracks without end gives up";
  TOwnedPtr<TtsTextMask> counts = MaskOf("*1000{*1000{*1000[a]}}");
  EXPECT_FALSE(counts->ValidText("b", true));
  EXPECT_TRUE(counts->ValidText("", false));
}

TEST(TtsTextMask, ParseErrorsNameThePlace) {
  struct Case {
    String Picture;
    const char* Message;
  } cases[] = {
      {"ab]", "Error in mask , invalid character ']' at position 3"},
      {"{ab", "Error in mask , expected '}' at position 4"},
      {"[a,{b]", "Error in mask , invalid character ']' at position 6"},
      {"#;", "Error in mask , unexpected end of picture"},
      {"*3", "Error in mask , unexpected end of picture"},
      {"*3>", "Error in mask , invalid character '>' at position 3"},
      {"^a", "Error in mask , invalid character '^' at position 1"},
      {"a*0#", "Error in mask , invalid repeat count at position 2"},
      {"*1001#", "Error in mask , invalid repeat count at position 1"},
      {"*99999999999#", "Error in mask , invalid repeat count at position 1"},
      {String(65, '[') + String(65, ']'), "Error in mask , invalid character '[' at position 65"},
  };
  for (const Case& c : cases) {
    TOwnedPtr<TtsTextMask> mask(New<TtsTextMask>(nullptr));
    try {
      mask->SetPicture(c.Picture);
      ADD_FAILURE() << c.Picture << " parses";
    } catch (const EtsMaskError& e) {
      EXPECT_EQ(e.Message(), c.Message) << c.Picture;
    }
    EXPECT_FALSE(mask->GetValid());
    EXPECT_EQ(mask->GetPicture(), c.Picture);
    EXPECT_EQ(mask->GetPictureList(), nullptr);
    EXPECT_TRUE(mask->ValidText("anything at all", true)) << "a picture that failed accepts every text";
  }
  EXPECT_NO_THROW(MaskOf(String(64, '[') + String(64, ']')));
}

TEST(TtsTextMask, TypedInputIsConvertedAndCompletedWithLiterals) {
  struct Case {
    const char* Picture;
    const char* Text;
    const char* Input;
    Integer Caret;
    bool AutoFill, Valid;
    const char* Result;
  } cases[] = {
      {"###-####", "555", "1", 4, true, true, "-1"},
      {"###-####", "555", "1", 4, false, false, "1"},
      {"###-####", "555-", "1", 5, false, true, "1"},
      {"###-####", "555-", "x", 5, true, false, "x"},
      {">&*?", "", "john", 1, false, true, "JOHN"},
      {"&*?", "", "john", 1, false, true, "John"},
      {"[a-f]", "", "C", 1, false, true, "c"},
      {"[a-f]", "", "G", 1, false, false, "G"},
      {"{Mr,Mrs}", "M", "r", 2, false, true, "r"},
      {"{Mr,Mrs}", "M", "R", 2, false, true, "r"},
      // Literals go in only when every reading of the input agrees on them.
      {"{;-#,+#}", "", "5", 1, true, false, "5"},
      {"{-#,-#a}", "", "5", 1, true, true, "-5"},
      {"#", "12", "3", 9, false, false, "3"},
  };
  for (const Case& c : cases) {
    TOwnedPtr<TtsTextMask> mask = MaskOf(c.Picture);
    String input = c.Input;
    EXPECT_EQ(mask->ValidInput(c.Text, input, c.Caret, false, c.AutoFill), c.Valid) << c.Picture << " / " << c.Input;
    EXPECT_EQ(input, c.Result) << c.Picture << " / " << c.Input;
  }
}

// ---- Mask definitions -----------------------------------------------------------------------------------

class TRecordingMaskLink : public TtsMaskLink {
  DECLARE_CLASS(TRecordingMaskLink, TtsMaskLink)
 public:
  std::vector<String>* Log = nullptr;
  String Name;
  void MaskChanged(TtsMaskItem* Mask) override { Log->push_back(Name + " " + (Mask ? Mask->GetName() : "*")); }
  void MaskDefsDeleted() override { Log->push_back(Name + " deleted"); }
};
IMPLEMENT_CLASS(TRecordingMaskLink)

struct TMaskDefsFixture : ::testing::Test {
  TtsMaskDefs* Defs = New<TtsMaskDefs>(nullptr);
  TtsMaskCollection* Masks = Defs->GetMasks();
  TMaskDefsFixture() { Defs->SetName("MaskDefs1"); }
  ~TMaskDefsFixture() override { FreeObject(Defs); }
};

TEST_F(TMaskDefsFixture, MasksGetFreeNamesAndKeepThemUnique) {
  TtsMask* first = Masks->Add();
  TtsMask* second = Masks->Add();
  EXPECT_EQ(first->GetName(), "Mask0");
  EXPECT_EQ(second->GetName(), "Mask1");
  first->SetName("Mask2");
  EXPECT_EQ(Masks->Add()->GetName(), "Mask3") << "the next free number, never a clash";
  try {
    second->SetName("mask2");
    FAIL() << "a taken name raises";
  } catch (const EtsMaskError& e) {
    EXPECT_EQ(e.Message(), "MaskDefs1: Mask 'mask2' already exists. Mask names must be unique");
  }
  EXPECT_EQ(second->GetName(), "Mask1");
  second->SetName("MASK1");
  EXPECT_EQ(second->GetName(), "MASK1") << "its own name in another case";
  EXPECT_EQ(Defs->GetMask("mask1"), second);
  EXPECT_EQ(Defs->GetMask(0), first);
  EXPECT_EQ(Defs->GetMask("none"), nullptr);
  EXPECT_THROW(Defs->GetMask(9), EListError);
  EXPECT_EQ(Masks->NameIndex("mask3"), 2);
}

TEST_F(TMaskDefsFixture, PicturesCasesAndErrors) {
  TtsMask* phone = Masks->Add();
  phone->SetName("Phone");
  phone->SetPicture("###-####");
  EXPECT_TRUE(phone->ValidText("555-1234", true));
  try {
    phone->SetPicture("{ab");
    FAIL();
  } catch (const EtsMaskError& e) {
    EXPECT_EQ(e.Message(), "MaskDefs1: Error in mask Phone, expected '}' at position 4");
  }
  EXPECT_EQ(phone->GetPicture(), "{ab") << "the picture is kept";
  EXPECT_TRUE(phone->ValidText("x", true));

  // A handler may keep the error from being raised.
  phone->SetOnParseError([](TObject*, const String&, bool& Raise) { Raise = false; });
  EXPECT_NO_THROW(phone->SetPicture("ab]"));

  TtsMask* free = Masks->Add();
  String input = "ab";
  EXPECT_TRUE(free->ValidInput("", input, 1, false, false));
  EXPECT_EQ(input, "ab") << "no picture and no case: anything, unchanged";
  free->GetTextCase()->SetCaseType(cstUpper);
  EXPECT_FALSE(free->ValidText("ab", true));
  EXPECT_TRUE(free->ValidText("AB", true));
  EXPECT_TRUE(free->ValidInput("", input, 1, false, false));
  EXPECT_EQ(input, "AB");
  free->GetTextCase()->SetOptional(true);
  EXPECT_TRUE(free->ValidText("ab", true));

  TtsMask* sentence = Masks->Add();
  sentence->GetTextCase()->SetCaseType(cstSentence);
  EXPECT_TRUE(sentence->ValidText("Ab. Cd", true));
  EXPECT_FALSE(sentence->ValidText("Ab. cd", true));
  TtsMask* title = Masks->Add();
  title->GetTextCase()->SetCaseType(cstTitle);
  EXPECT_TRUE(title->ValidText("Ab Cd-Ef", true));
  EXPECT_FALSE(title->ValidText("Ab cd", true));

  TOwnedPtr<TtsMaskDefs> other(New<TtsMaskDefs>(nullptr));
  TtsMask* copy = other->GetMasks()->Add();
  free->SetName("Upper");
  copy->Assign(free);
  EXPECT_EQ(copy->GetName(), "Upper");
  EXPECT_EQ(copy->GetTextCase()->GetCaseType(), cstUpper);
  EXPECT_TRUE(copy->GetTextCase()->GetOptional());
  EXPECT_THROW(Masks->Add()->Assign(free), EtsMaskError) << "a name of the collection is not taken twice";
}

TEST_F(TMaskDefsFixture, LinksHearChangesAndTheComponentsEnd) {
  std::vector<String> log;
  TOwnedPtr<TRecordingMaskLink> a(New<TRecordingMaskLink>()), b(New<TRecordingMaskLink>());
  a->Log = b->Log = &log;
  a->Name = "a";
  b->Name = "b";
  a->SetMaskDefs(Defs);
  b->SetMaskDefs(Defs);
  TtsMask* mask = Masks->Add();
  int changes = 0;
  mask->SetOnChange([&changes](TObject*) { ++changes; });
  log.clear();
  mask->SetPicture("##");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(log, (std::vector<String>{"a Mask0", "b Mask0"}));
  EXPECT_EQ(a->GetMask("mask0"), mask);
  EXPECT_EQ(a->GetMask(""), nullptr);
  mask->BeginUpdate();
  mask->SetAutoFill({mcOnExit});
  mask->SetEvaluate({});
  EXPECT_EQ(changes, 1);
  mask->EndUpdate();
  EXPECT_EQ(changes, 2);

  log.clear();
  FreeAndNil(Defs);
  EXPECT_EQ(log, (std::vector<String>{"b deleted", "a deleted"})) << "last registered first";
  EXPECT_EQ(a->GetMaskDefs(), nullptr);
  EXPECT_EQ(a->GetMask("Mask0"), nullptr);
}

TEST_F(TMaskDefsFixture, StreamKeepsTheMasks) {
  RegisterClass(TtsMaskDefs::StaticClass());
  TtsMask* phone = Masks->Add();
  phone->SetName("Phone");
  phone->SetPicture("###-####");
  phone->SetAutoFill({mcOnExit});
  phone->GetTextCase()->SetCaseType(cstTitle);
  TOwnedPtr<TMemoryStream> stream(New<TMemoryStream>());
  stream->WriteComponent(Defs);
  stream->SetPosition(0);
  TOwnedPtr<TtsMaskDefs> read(New<TtsMaskDefs>(nullptr));
  stream->ReadComponent(read.get());
  auto* mask = static_cast<TtsMask*>(read->GetMask("Phone"));
  ASSERT_NE(mask, nullptr);
  EXPECT_EQ(mask->GetPicture(), "###-####");
  EXPECT_EQ(mask->GetAutoFill(), TtsMaskChecks{mcOnExit});
  EXPECT_EQ(mask->GetTextCase()->GetCaseType(), cstTitle);
  EXPECT_TRUE(mask->ValidText("555-1234", true));
}

TEST(TSMaskFuzz, SeedsAndMutatedPicturesEnd) {
  auto seeds = SeedCorpus("TSMask");
  ASSERT_GE(seeds.size(), 5u);
  std::mt19937 random(20261212);
  for (const auto& seed : seeds) {
    EXPECT_TRUE(tsFuzzMask(seed.data(), seed.size()));
    for (size_t cut = 0; cut < seed.size(); ++cut) tsFuzzMask(seed.data(), cut);
    for (int round = 0; round < 300; ++round) {
      std::vector<uint8_t> mutated = seed;
      for (int flips = 1 + static_cast<int>(random() % 3); flips > 0; --flips)
        mutated[random() % mutated.size()] = static_cast<uint8_t>("#?&@!;*,[]{}<>^-a0\x00"[random() % 20]);
      tsFuzzMask(mutated.data(), mutated.size());
    }
  }
}

}  // namespace
