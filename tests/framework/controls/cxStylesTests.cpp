// Styles and style collections: a style's assigned values and listeners, slot items, inheritance
// through chains of style sheets with cycle refusal, the view parameters of a slot, sheet copies and
// the repository.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Graphics.h"
#include "Lists.h"
#include "Strings.h"
#include "cxStylesTestClasses.h"

using namespace cxStylesTest;

namespace {

// Hears a style as a collection would; one that does not unregister itself on removal is the
// careless kind.
class TRecordingListener : public TObject, public TNoRefCountObject, public IcxStyleChangeListener {
 public:
  TRecordingListener(String AName, std::vector<String>& ALog, bool AUnregisters = true)
      : FName(std::move(AName)), FLog(ALog), FUnregisters(AUnregisters) {}
  void StyleChanged(TcxCustomStyle*) override { FLog.push_back(FName + " changed"); }
  void StyleRemoved(TcxCustomStyle* Sender) override {
    FLog.push_back(FName + " removed");
    if (FUnregisters) Sender->RemoveListener(this);
  }

 private:
  String FName;
  std::vector<String>& FLog;
  bool FUnregisters;
};

// A form class and one inherited from it, each instance with a style of the same name.
class TAncestorForm : public TTestRoot {
  DECLARE_CLASS(TAncestorForm, TTestRoot)
 public:
  using TTestRoot::TTestRoot;
};
class TInheritedForm : public TAncestorForm {
  DECLARE_CLASS(TInheritedForm, TAncestorForm)
 public:
  using TAncestorForm::TAncestorForm;
};
IMPLEMENT_CLASS(TAncestorForm)
IMPLEMENT_CLASS(TInheritedForm)

// A repository with its styles and sheets and a control, all owned by one root.
class cxStylesFixture : public testing::Test {
 protected:
  void SetUp() override {
    Root = New<TTestRoot>(nullptr);
    Repository = New<TcxStyleRepository>(Root);
    Control = New<TTestControl>(Root);
  }
  void TearDown() override { Root->Free(); }

  TcxStyle* Style(TColor AColor = clDefault, TColor ATextColor = clDefault) {
    auto* style = As<TcxStyle>(Repository->CreateItemEx(TcxStyle::StaticClass(), Root));
    style->SetColor(AColor);
    style->SetTextColor(ATextColor);
    return style;
  }
  TTestStyleSheet* Sheet() {
    return As<TTestStyleSheet>(Repository->CreateStyleSheetEx(TTestStyleSheet::StaticClass(), Root));
  }
  TTestStyles* Styles() { return Control->GetStyles(); }

  TTestRoot* Root = nullptr;
  TcxStyleRepository* Repository = nullptr;
  TTestControl* Control = nullptr;
};

TBitmap* NewBitmap(Integer AWidth, Integer AHeight) {
  TBitmap* bitmap = New<TBitmap>();
  bitmap->SetSize(AWidth, AHeight);
  return bitmap;
}

// ---- TcxStyle ---------------------------------------------------------------------------------------------

TEST(cxStyle, EachSetterKeepsItsValueAssignedOrNot) {
  auto style = NewOwned<TcxStyle>(nullptr);
  EXPECT_EQ(style->GetColor(), clDefault);
  EXPECT_EQ(style->GetTextColor(), clDefault);
  EXPECT_TRUE(style->GetAssignedValues().Empty());

  style->SetColor(clRed);
  style->SetTextColor(clBlue);
  EXPECT_EQ(style->GetAssignedValues(), (TcxStyleValues{svColor, svTextColor}));
  style->SetColor(clDefault);
  EXPECT_EQ(style->GetAssignedValues(), TcxStyleValues{svTextColor});

  // A font change assigns the font even when it does not change how text looks.
  style->GetFont()->SetColor(clGreen);
  EXPECT_TRUE(style->GetAssignedValues().Contains(svFont));

  auto filled = NewOwned<TBitmap>();
  filled->SetSize(2, 2);
  style->SetBitmap(filled.get());
  EXPECT_TRUE(style->GetAssignedValues().Contains(svBitmap));
  EXPECT_EQ(style->GetBitmap()->GetWidth(), 2);
  style->GetBitmap()->SetSize(0, 0);  // the owned bitmap's own change counts too
  EXPECT_FALSE(style->GetAssignedValues().Contains(svBitmap));

  // Setting the assigned values leaves the values themselves alone.
  style->SetAssignedValues({svColor});
  EXPECT_EQ(style->GetColor(), clDefault);
  EXPECT_EQ(style->GetTextColor(), clBlue);
}

TEST(cxStyle, AssignCopiesTheValuesAndTheAssignedSetAndRestoreDefaultsUnassignsAll) {
  auto source = NewOwned<TcxStyle>(nullptr);
  source->SetColor(clRed);
  source->GetFont()->SetSize(14);
  source->SetTextColor(clBlue);
  source->SetAssignedValues({svColor, svTextColor});  // the font's values travel, unassigned
  auto style = NewOwned<TcxStyle>(nullptr);
  style->Assign(source.get());
  EXPECT_EQ(style->GetColor(), clRed);
  EXPECT_EQ(style->GetTextColor(), clBlue);
  EXPECT_EQ(style->GetFont()->GetSize(), 14);
  EXPECT_EQ(style->GetAssignedValues(), (TcxStyleValues{svColor, svTextColor}));

  std::vector<String> log;
  TRecordingListener listener("L", log);
  style->AddListener(&listener);
  style->RestoreDefaults();
  EXPECT_TRUE(style->GetAssignedValues().Empty());
  EXPECT_EQ(style->GetColor(), clDefault);
  EXPECT_EQ(style->GetTextColor(), clDefault);
  EXPECT_EQ(style->GetFont()->GetSize(), 14);
  EXPECT_EQ(log, std::vector<String>{"L changed"});
  style->RemoveListener(&listener);
}

TEST(cxStyle, ListenersHearChangesLastFirstAndEachIsToldOfTheRemovalOnce) {
  std::vector<String> log;
  TRecordingListener first("first", log), second("second", log, false), third("third", log, false);
  TcxStyle* style = New<TcxStyle>(nullptr);
  style->AddListener(&first);
  style->AddListener(&second);
  style->AddListener(&second);  // listed once
  style->AddListener(&third);
  style->SetColor(clRed);
  EXPECT_EQ(log, (std::vector<String>{"third changed", "second changed", "first changed"}));

  // Two of them do not unregister: freeing still ends, telling each listener once.
  log.clear();
  style->Free();
  EXPECT_EQ(log, (std::vector<String>{"third removed", "second removed", "first removed"}));
}

// ---- Slots and sheets ---------------------------------------------------------------------------------------

TEST_F(cxStylesFixture, SlotsKeepOneSortedItemPerIndexAndReportEveryChange) {
  TcxStyle *a = Style(clRed), *b = Style(clBlue);
  Styles()->SetValue(7, a);
  Styles()->SetValue(2, b);
  Styles()->SetValue(5, a);
  Styles()->SetValue(5, a);  // unchanged: no notice
  ASSERT_EQ(Styles()->Count(), 3);
  EXPECT_EQ(Styles()->GetItems(0)->Index, 2);
  EXPECT_EQ(Styles()->GetItems(2)->Index, 7);
  Integer pos = -1;
  EXPECT_FALSE(Styles()->Find(6, pos));
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(Styles()->ChangedSlots, (std::vector<Integer>{7, 2, 5}));

  // A style change reaches every slot holding it; freeing it empties them all.
  Styles()->ChangedSlots.clear();
  a->SetColor(clGreen);
  EXPECT_EQ(Styles()->ChangedSlots, (std::vector<Integer>{5, 7}));
  a->Free();
  EXPECT_EQ(Styles()->Count(), 1);
  EXPECT_EQ(Styles()->GetValue(5), nullptr);
  EXPECT_EQ(Styles()->GetValue(2), b);
  EXPECT_THROW(Styles()->GetItems(1), EListError);
}

TEST(cxStyles, AStyleOfTheAncestorFormIsTakenAsTheInheritedFormsCopy) {
  auto ancestor = NewOwned<TAncestorForm>(nullptr);
  auto form = NewOwned<TInheritedForm>(nullptr);
  auto* original = New<TcxStyle>(ancestor.get());
  auto* copy = New<TcxStyle>(form.get());
  auto* unnamed = New<TcxStyle>(ancestor.get());
  original->SetName("Red");
  copy->SetName("Red");
  auto* control = New<TTestControl>(form.get());
  control->GetStyles()->SetValue(ContentSlot, original);
  EXPECT_EQ(control->GetStyles()->GetValue(ContentSlot), copy);
  control->GetStyles()->SetValue(HeaderSlot, unnamed);
  EXPECT_EQ(control->GetStyles()->GetValue(HeaderSlot), unnamed);

  // A form of the ancestor's own class, or one without a copy, keeps the style as given.
  auto* ancestorControl = New<TTestControl>(ancestor.get());
  ancestorControl->GetStyles()->SetValue(ContentSlot, copy);
  EXPECT_EQ(ancestorControl->GetStyles()->GetValue(ContentSlot), copy);
  copy->SetName("Other");
  control->GetStyles()->SetValue(BackgroundSlot, original);
  EXPECT_EQ(control->GetStyles()->GetValue(BackgroundSlot), original);
}

TEST_F(cxStylesFixture, ResetStylesEmptiesEverySlotWhereverItsIndexLies) {
  Styles()->SetValue(4, Style(clRed));
  Styles()->SetValue(9, Style(clBlue));
  Styles()->ResetStyles();
  EXPECT_EQ(Styles()->Count(), 0);
  EXPECT_EQ(Styles()->GetValue(9), nullptr);
}

TEST_F(cxStylesFixture, SlotsInheritAlongTheSheetChainAndCyclesAreRefused) {
  TTestStyleSheet *near = Sheet(), *far = Sheet();
  TcxStyle *farHeader = Style(clRed), *nearContent = Style(clBlue), *own = Style(clGreen);
  far->GetStyles()->SetValue(HeaderSlot, farHeader);
  far->GetStyles()->SetValue(ContentSlot, Style(clYellow));
  near->GetStyles()->SetValue(ContentSlot, nearContent);
  near->GetStyles()->SetStyleSheet(far);
  Styles()->SetStyleSheet(near);
  Styles()->SetValue(BackgroundSlot, own);
  EXPECT_EQ(Styles()->GetValue(HeaderSlot), farHeader);  // the sheet's sheet answers
  EXPECT_EQ(Styles()->GetValue(ContentSlot), nearContent);
  EXPECT_EQ(Styles()->GetValue(BackgroundSlot), own);

  // A cycle, the sheet's own collection and another collection class are refused without error.
  auto* other = As<TOtherStyleSheet>(Repository->CreateStyleSheetEx(TOtherStyleSheet::StaticClass(), Root));
  far->GetStyles()->SetStyleSheet(near);
  near->GetStyles()->SetStyleSheet(near);
  Styles()->SetStyleSheet(other);
  EXPECT_EQ(far->GetStyles()->GetStyleSheet(), nullptr);
  EXPECT_EQ(near->GetStyles()->GetStyleSheet(), far);
  EXPECT_EQ(Styles()->GetStyleSheet(), near);
  EXPECT_FALSE(far->GetStyles()->IsValidStyleSheet(near));
  EXPECT_TRUE(Styles()->IsValidStyleSheet(far));
}

TEST_F(cxStylesFixture, ChangingTheSheetReportsEverySlotEitherChainDefinesOnce) {
  TTestStyleSheet *oldSheet = Sheet(), *oldBase = Sheet(), *newSheet = Sheet();
  oldSheet->GetStyles()->SetValue(5, Style(clRed));
  oldBase->GetStyles()->SetValue(1, Style(clRed));
  oldBase->GetStyles()->SetValue(5, Style(clRed));
  oldSheet->GetStyles()->SetStyleSheet(oldBase);
  newSheet->GetStyles()->SetValue(8, Style(clRed));
  newSheet->GetStyles()->SetValue(1, Style(clRed));
  Styles()->SetStyleSheet(oldSheet);
  Styles()->ChangedSlots.clear();

  Styles()->SetStyleSheet(newSheet);
  EXPECT_EQ(Styles()->ChangedSlots, (std::vector<Integer>{5, 1, 8}));
  EXPECT_EQ(oldSheet->StylesUserCount(), 0);
  EXPECT_EQ(newSheet->StylesUserCount(), 1);

  // A change deep in the chain reaches the users of every sheet above it.
  newSheet->GetStyles()->SetStyleSheet(oldBase);
  Styles()->ChangedSlots.clear();
  As<TcxStyle>(oldBase->GetStyles()->GetValue(5))->SetColor(clBlue);
  EXPECT_EQ(Styles()->ChangedSlots, std::vector<Integer>{5});

  // A freed sheet lets go of its users first.
  Styles()->ChangedSlots.clear();
  newSheet->Free();
  EXPECT_EQ(Styles()->GetStyleSheet(), nullptr);
  EXPECT_EQ(Styles()->ChangedSlots, (std::vector<Integer>{1, 8, 5}));
}

// ---- View parameters ------------------------------------------------------------------------------------

TEST_F(cxStylesFixture, ViewParamsTakeEachValueFromTheExplicitStyleTheSlotOrTheDefaults) {
  auto bitmap = std::unique_ptr<TBitmap, TFreeObject>(NewBitmap(3, 3));
  TcxStyle* full = Style(clRed, clBlue);
  full->GetFont()->SetSize(20);
  full->SetBitmap(bitmap.get());
  TcxStyle* colourOnly = Style(clGreen);
  TcxStyle* sheetText = Style(clDefault, clYellow);
  TTestStyleSheet* sheet = Sheet();
  sheet->GetStyles()->SetValue(HeaderSlot, sheetText);
  Styles()->SetStyleSheet(sheet);
  Styles()->SetValue(ContentSlot, full);
  Styles()->SetValue(HeaderSlot, nullptr);

  struct TCase {
    const char* What;
    Integer Slot;
    TcxStyle* Explicit;
    bool Bitmaps;
    TColor Color, TextColor;
    bool OwnFont, HasBitmap;
    Integer DefaultRequests;
  };
  const TCase cases[] = {
      {"a full slot style needs no defaults", ContentSlot, nullptr, true, clRed, clBlue, true, true, 0},
      {"bitmaps left out never ask for defaults", ContentSlot, nullptr, false, clRed, clBlue, true, false, 0},
      {"the explicit style comes first", ContentSlot, colourOnly, true, clGreen, clBlue, true, true, 0},
      {"the sheet's style, then the defaults", HeaderSlot, nullptr, true, clWindow, clYellow, false, false, 1},
      {"the explicit style over the sheet's", HeaderSlot, colourOnly, false, clGreen, clYellow, false, false, 1},
      {"an empty slot takes every default", BackgroundSlot, nullptr, true, clWindow, clWindowText, false, false, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    Styles()->SetBitmapInViewParams(c.Bitmaps);
    Styles()->DefaultRequests = 0;
    TcxViewParams params;
    Styles()->GetViewParams(c.Slot, nullptr, c.Explicit, params);
    EXPECT_EQ(params.Color, c.Color);
    EXPECT_EQ(params.TextColor, c.TextColor);
    EXPECT_EQ(params.Font, c.OwnFont ? full->GetFont() : Styles()->DefaultFont());
    EXPECT_EQ(params.Bitmap, c.HasBitmap ? full->GetBitmap() : nullptr);
    EXPECT_EQ(Styles()->DefaultRequests, c.DefaultRequests);
  }
  EXPECT_EQ(Styles()->GetBitmap(ContentSlot), full->GetBitmap());
  EXPECT_EQ(Styles()->GetBitmap(HeaderSlot), nullptr);
}

TEST_F(cxStylesFixture, ADefaultFontChangeReachesTheSlotsThatUseItOnly) {
  TcxStyle* ownFont = Style();
  ownFont->GetFont()->SetSize(12);
  Styles()->SetValue(ContentSlot, ownFont);
  TcxViewParams params;
  for (Integer slot : {BackgroundSlot, ContentSlot, HeaderSlot}) Styles()->GetViewParams(slot, nullptr, nullptr, params);
  Styles()->ChangedSlots.clear();
  Styles()->DefaultFontChanged(Control, Styles()->DefaultFont());
  EXPECT_EQ(Styles()->ChangedSlots, (std::vector<Integer>{BackgroundSlot, HeaderSlot}));
  Styles()->ChangedSlots.clear();
  auto otherFont = NewOwned<TFont>();
  Styles()->DefaultFontChanged(Control, otherFont.get());
  EXPECT_TRUE(Styles()->ChangedSlots.empty());
}

TEST(cxStyles, CombineParamsFillsOnlyWhatIsMissing) {
  auto style = NewOwned<TcxStyle>(nullptr);
  style->SetColor(clRed);
  style->SetTextColor(clBlue);
  TcxViewParams params{nullptr, clLime, nullptr, clNone};
  EXPECT_EQ(CombineParamsWithStyle(style.get(), {svColor}, params), (TcxStyleValues{svColor, svTextColor}));
  EXPECT_EQ(params.Color, clLime);
  EXPECT_EQ(params.TextColor, clBlue);
  EXPECT_EQ(CombineParamsWithStyle(nullptr, {}, params), TcxStyleValues());
  EXPECT_FALSE(UseStyle(nullptr, svColor));
}

// ---- Sheets and the repository --------------------------------------------------------------------------------

TEST_F(cxStylesFixture, SheetCaptionFallsBackToTheName) {
  TTestStyleSheet* sheet = Sheet();
  sheet->SetName("Classic");
  EXPECT_EQ(sheet->GetCaption(), "Classic");
  sheet->SetCaption("Ocean");
  EXPECT_EQ(sheet->GetCaption(), "Ocean");
  sheet->SetCaption("CLASSIC");  // the name again, whatever the case: nothing stored
  EXPECT_FALSE(sheet->IsCaptionStored());
  EXPECT_EQ(sheet->GetCaption(), "Classic");
}

TEST_F(cxStylesFixture, CopiesOfASheetGetStylesOfTheirOwn) {
  TTestStyleSheet* source = Sheet();
  source->GetStyles()->SetValue(ContentSlot, Style(clRed));
  source->GetStyles()->SetValue(HeaderSlot, Style(clBlue, clGreen));
  TTestStyleSheet* copy = Sheet();
  copy->CopyFrom(source);
  ASSERT_EQ(copy->GetStyles()->Count(), 2);
  auto* copied = As<TcxStyle>(copy->GetStyles()->GetValue(HeaderSlot));
  EXPECT_NE(copied, source->GetStyles()->GetValue(HeaderSlot));
  EXPECT_EQ(copied->GetTextColor(), clGreen);
  EXPECT_EQ(copied->GetStyleRepository(), Repository);

  // Slot by slot by published name: an empty source slot empties the destination's, an existing
  // destination style takes the values, a missing one is made and named.
  TTestStyleSheet* target = Sheet();
  TcxStyle* existing = Style(clYellow);
  target->GetStyles()->SetValue(ContentSlot, existing);
  target->GetStyles()->SetValue(BackgroundSlot, Style(clLime));
  Integer named = 0;
  CreateStyleSheetStyles(target, source, TcxGetStyleNameProc([&](TcxCustomStyle*) {
                           return "Made" + IntToStr(++named);
                         }));
  EXPECT_EQ(target->GetStyles()->GetValue(BackgroundSlot), nullptr);
  EXPECT_EQ(target->GetStyles()->GetValue(ContentSlot), existing);
  EXPECT_EQ(existing->GetColor(), clRed);
  auto* made = As<TcxStyle>(target->GetStyles()->GetValue(HeaderSlot));
  EXPECT_EQ(made->GetName(), "Made1");
  EXPECT_EQ(made->GetColor(), clBlue);

  // Sheets of another collection class are left alone.
  auto* other = As<TOtherStyleSheet>(Repository->CreateStyleSheetEx(TOtherStyleSheet::StaticClass(), Root));
  other->CopyFrom(source);
  EXPECT_EQ(other->GetStyles()->Count(), 0);
}

TEST_F(cxStylesFixture, TheRepositoryMakesKeepsAndFreesStylesAndSheets) {
  TcxCustomStyle* own = Repository->CreateItem(TcxStyle::StaticClass());
  TcxCustomStyle* rooted = Style();
  TcxCustomStyleSheet* sheet = Sheet();
  EXPECT_EQ(own->Owner(), Repository);
  EXPECT_EQ(rooted->GetIndex(), 1);
  EXPECT_EQ(sheet->GetIndex(), 0);
  EXPECT_EQ(rooted->GetParentComponent(), Repository);
  EXPECT_THROW(Repository->CreateItem(TTestStyleSheet::StaticClass()), EInvalidCast);

  std::vector<TComponent*> children;
  Repository->GetChildren(TGetChildProc([&](TComponent* c) { children.push_back(c); }), Root);
  EXPECT_EQ(children, (std::vector<TComponent*>{rooted, sheet}));

  rooted->SetStyleRepository(nullptr);
  EXPECT_EQ(rooted->GetIndex(), -1);
  EXPECT_FALSE(rooted->HasParent());
  Styles()->SetValue(ContentSlot, own);
  Repository->Clear();
  Repository->ClearStyleSheets();
  EXPECT_EQ(Repository->Count(), 0);
  EXPECT_EQ(Repository->StyleSheetCount(), 0);
  EXPECT_EQ(Styles()->GetValue(ContentSlot), nullptr);
}

TEST(cxStyleSheetClasses, AreListedOnceInRegistrationOrder) {
  RegisterStyleSheetClass(TOtherStyleSheet::StaticClass());
  RegisterStyleSheetClass(TTestStyleSheet::StaticClass());
  RegisterStyleSheetClass(TOtherStyleSheet::StaticClass());
  std::vector<TClass> classes{TcxStyle::StaticClass()};
  GetRegisteredStyleSheetClasses(classes);
  EXPECT_EQ(classes, (std::vector<TClass>{TOtherStyleSheet::StaticClass(), TTestStyleSheet::StaticClass()}));
  UnregisterStyleSheetClass(TOtherStyleSheet::StaticClass());
  UnregisterStyleSheetClass(TTestStyleSheet::StaticClass());
  GetRegisteredStyleSheetClasses(classes);
  EXPECT_TRUE(classes.empty());
}

}  // namespace
