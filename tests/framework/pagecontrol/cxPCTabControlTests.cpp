// The tab control's settings: style choice through the painter factory, the selection protocol with
// its events, what each option change costs, and the stream entries of the client rectangle.
#include "ObjectText.h"
#include "Streams.h"
#include "cxPCTestSupport.h"

using namespace cxPCTest;

namespace {

class TabControl : public TPCFixture {};

template <class T>
void ExpectError(const std::function<void()>& ACall, const String& AMessage) {
  try {
    ACall();
    ADD_FAILURE() << "no error, expected " << AMessage;
  } catch (const T& e) {
    EXPECT_EQ(e.Message(), AMessage);
  }
}

TEST_F(TabControl, StyleZeroFollowsTheLookAndFeel) {
  TcxTabControl* control = AddTabControl({60, 60});
  control->SetStyle(0);
  struct TCase {
    TcxLookAndFeelKind Kind;
    bool Native;
    const char* Painter;
  };
  for (const TCase& c : {TCase{lfOffice11, false, "TcxPCOffice11Painter"}, TCase{lfFlat, false, "TcxPCFlatPainter"},
                         TCase{lfUltraFlat, false, "TcxPCUltraFlatPainter"},
                         TCase{lfStandard, false, "TcxPCTabsPainter"}, TCase{lfOffice11, true, "TcxPCTabsPainter"}}) {
    control->GetLookAndFeel()->SetKind(c.Kind);
    control->GetLookAndFeel()->SetNativeStyle(c.Native);
    EXPECT_STREQ(control->GetPainter()->ClassName(), c.Painter) << c.Kind << " native " << c.Native;
    EXPECT_EQ(control->GetStyle(), 0);
  }
}

TEST_F(TabControl, StylesAreChosenByNumberNameOrStandardStyle) {
  TcxTabControl* control = AddTabControl({60, 60});
  control->SetStyle(8);
  TcxPCCustomPainter* painter = control->GetPainter();
  control->SetStyle(4);
  EXPECT_EQ(control->GetStyle(), 8) << "no painter has style 4";
  EXPECT_EQ(control->GetPainter(), painter);
  control->SetStyleByStyleName("tabs");
  EXPECT_EQ(control->GetStyle(), 1);
  control->SetStandardStyle(tsFlatButtons);
  EXPECT_EQ(control->GetStyle(), 3);
  control->SetStyleByStyleName("Default");
  EXPECT_EQ(control->GetStyle(), 0);
  ExpectError<Exception>([&] { control->SetStyleByStyleName("default"); },
                         "TcxCustomTabControl.SetStyleByName: default is an unregistered style name");
}

TEST_F(TabControl, ThePainterDecidesWhetherTabsMayBeRotated) {
  TcxTabControl* control = AddTabControl({60, 60});
  control->SetStyle(1);
  control->SetRotate(true);
  control->SetStyle(10);
  EXPECT_FALSE(control->GetRotate()) << "OneNote tabs are never rotated";
  ExpectError<Exception>([&] { control->SetRotate(true); }, "OneNote style does not support rotation of tabs");
}

TEST_F(TabControl, TheTabIndexChangesThroughItsEvents) {
  TcxTabControl* control = AddTabControl({60, 60, 60});
  std::vector<String> journal;
  bool allow = true;
  control->OnChanging = [&](TObject*, bool& AllowChange) {
    journal.push_back("changing");
    AllowChange = allow;
  };
  control->OnChange = [&](TObject*) { journal.push_back("change " + IntToStr(control->GetTabIndex())); };
  control->SetTabIndex(7);
  control->SetTabIndex(-2);
  EXPECT_TRUE(journal.empty()) << "indexes outside the tabs change nothing";
  control->SetTabIndex(2);
  control->SetTabIndex(-1);
  EXPECT_EQ(journal, (std::vector<String>{"changing", "change 2", "changing", "change -1"}));
  EXPECT_EQ(control->GetMainTabVisibleIndex(), -1);
  journal.clear();
  allow = false;
  control->SetTabIndex(1);
  EXPECT_EQ(journal, std::vector<String>{"changing"});
  EXPECT_EQ(control->GetTabIndex(), -1);
}

// Counts the layouts and repaints a setting asks for.
class TCountingTabControl : public TcxTabControl {
  DECLARE_CLASS(TCountingTabControl, TcxTabControl)
 public:
  explicit TCountingTabControl(TComponent* AOwner = nullptr) : TcxTabControl(AOwner) {}
  int Layouts = 0, Repaints = 0;
  void RequestLayout() override {
    ++Layouts;
    inherited::RequestLayout();
  }
  void Invalidate() override {
    ++Repaints;
    inherited::Invalidate();
  }
};
IMPLEMENT_CLASS(TCountingTabControl)

TEST_F(TabControl, EachOptionAsksForALayoutARepaintOrNothing) {
  auto* control = Add<TCountingTabControl>(0, 0, 250, 150);
  control->GetTabs()->Add("60");
  struct TCase {
    TcxPCOption Option;
    bool Layout, Repaint;
  };
  for (const TCase& c : {TCase{pcoSort, false, false}, TCase{pcoRedrawOnResize, false, false},
                         TCase{pcoUsePageColorForTab, false, true}, TCase{pcoGradient, true, true},
                         TCase{pcoCloseButton, true, true}}) {
    control->Layouts = control->Repaints = 0;
    TcxPCOptions options = control->GetOptions();
    options.Contains(c.Option) ? options.Exclude(c.Option) : options.Include(c.Option);
    control->SetOptions(options);
    EXPECT_EQ(control->Layouts > 0, c.Layout) << c.Option;
    EXPECT_EQ(control->Repaints > 0, c.Repaint) << c.Option;
  }
}

TEST_F(TabControl, NegativeAndTooSmallWidthsAreKeptOut) {
  TcxTabControl* control = AddTabControl({60, 60});
  control->SetImageBorder(2);
  control->SetImageBorder(-3);
  EXPECT_EQ(control->GetImageBorder(), 2);
  TcxPCTestPainter::MinTabWidth = 40;
  control->SetMaxRotatedTabWidth(5);
  EXPECT_EQ(control->GetMaxRotatedTabWidth(), 40);
  control->SetMaxRotatedTabWidth(-1);
  EXPECT_EQ(control->GetMaxRotatedTabWidth(), 0);
}

// ---- Streaming -----------------------------------------------------------------------------------------
String FormText(TComponent* ARoot) {
  auto stream = NewOwned<TMemoryStream>();
  stream->WriteComponent(ARoot);
  return ObjectBinaryToTextString(String(static_cast<const char*>(stream->GetMemory()), stream->GetSize()));
}

void ReadFormText(TComponent* ARoot, const String& AText) {
  const String binary = ObjectTextToBinaryString(AText);
  auto stream = NewOwned<TMemoryStream>();
  stream->WriteBuffer(binary.data(), static_cast<Integer>(binary.size()));
  stream->SetPosition(0);
  stream->ReadComponent(ARoot);
}

TEST_F(TabControl, TheClientRectangleIsWrittenWhereItSaysSomething) {
  Form->SetName("DialogForm");
  auto* control = Add<TcxTabControl>(0, 0, 200, 120);
  control->SetName("Background");
  control->SetStyle(8);
  const String text = FormText(Form);
  EXPECT_NE(text.find("ClientRectBottom = 120"), String::npos) << text;
  EXPECT_NE(text.find("ClientRectRight = 200"), String::npos);
  EXPECT_NE(text.find("ClientRectTop = 0"), String::npos);
  EXPECT_EQ(text.find("ClientRectLeft"), String::npos) << "a left edge of 0 is left out";
}

// A form whose handlers write what they hear into a journal.
class TJournalForm : public TForm {
  DECLARE_CLASS(TJournalForm, TForm)
 public:
  explicit TJournalForm(TComponent* AOwner = nullptr) : TForm(AOwner) {}
  std::vector<String> Journal;
  void TabsChanging(TObject*, bool&) { Journal.push_back("changing"); }
  void TabsChange(TObject*) { Journal.push_back("change"); }
};
IMPLEMENT_CLASS_PUBLISHED(TJournalForm) {
  d.Method("TabsChanging", &TJournalForm::TabsChanging);
  d.Method("TabsChange", &TJournalForm::TabsChange);
}

TEST_F(TabControl, AStreamedSelectionIsTakenSilently) {
  TOwnedPtr<TJournalForm> form(TCustomForm::CreateNew<TJournalForm>(nullptr));
  ReadFormText(form.get(), R"(object TabForm: TJournalForm
  object Tabs1: TcxTabControl
    Left = 0
    Top = 0
    Width = 200
    Height = 120
    Style = 8
    TabIndex = 1
    Tabs.Strings = (
      'One'
      'Two')
    OnChange = TabsChange
    OnChanging = TabsChanging
    ClientRectBottom = 120
    ClientRectRight = 200
    ClientRectTop = 24
  end
end)");
  auto* control = As<TcxTabControl>(form->FindComponent("Tabs1"));
  ASSERT_TRUE(control);
  EXPECT_EQ(control->GetTabIndex(), 1);
  EXPECT_EQ(control->GetMainTabVisibleIndex(), 1);
  EXPECT_EQ(control->GetTabs()->GetCount(), 2);
  EXPECT_TRUE(form->Journal.empty());
  control->SetTabIndex(0);
  EXPECT_EQ(form->Journal, (std::vector<String>{"changing", "change"})) << "the handlers were bound";
}

// ---- The painter factory -----------------------------------------------------------------------------------
TEST(cxPCPaintersFactory, FindsPainterClassesByNumberNameStandardStyleAndLookAndFeel) {
  TcxPCPaintersFactory* factory = PaintersFactory();
  ASSERT_TRUE(factory);
  EXPECT_EQ(factory->GetPainterClassCount(), 9);
  const struct {
    TcxPCStyleID Id;
    const char* Name;
  } styles[] = {{1, "Tabs"},      {2, "Buttons"},  {3, "FlatButtons"}, {5, "ExtraFlat"}, {6, "UltraFlat"},
                {7, "Flat"},      {8, "Office11"}, {9, "Slanted"},     {10, "OneNote"}};
  for (const auto& s : styles) {
    const TcxPCPainterClass byId = factory->GetPainterClass(s.Id);
    ASSERT_TRUE(byId) << s.Id;
    EXPECT_EQ(byId->GetStyleName(), s.Name);
    EXPECT_TRUE(factory->GetPainterClass(AnsiLowerCase(s.Name)) == byId) << "names ignore letter case";
    EXPECT_EQ(GetPCStyleName(s.Id), s.Name);
  }
  EXPECT_FALSE(factory->GetPainterClass(TcxPCStyleID(4)));
  EXPECT_FALSE(factory->GetPainterClass(String("Default"))) << "0 is no painter's style";
  EXPECT_EQ(GetPCStyleName(0), "Default");
  EXPECT_EQ(GetPCStyleName(4), "");
  EXPECT_EQ(factory->GetPainterClass(tsButtons)->GetStyleID(), 2);
  EXPECT_EQ(factory->GetPainterClass(tsTabs)->GetStyleID(), 1);

  TOwnedPtr<TcxLookAndFeel> lookAndFeel = NewOwned<TcxLookAndFeel>(nullptr);
  const struct {
    TcxLookAndFeelKind Kind;
    TcxPCStyleID Id;
  } kinds[] = {{lfFlat, 7}, {lfStandard, 1}, {lfUltraFlat, 6}, {lfOffice11, 8}};
  for (const auto& k : kinds) {
    lookAndFeel->SetKind(k.Kind);
    EXPECT_EQ(factory->GetStyleID(lookAndFeel.get()), k.Id) << k.Kind;
  }
  EXPECT_EQ(factory->GetDefaultStyleID(lookAndFeel.get()), 1);
}

TEST(cxPCPaintersFactory, RegistersEachClassOnceAndFreesItselfWithTheLastOne) {
  TOwnedPtr<TcxPCPaintersFactory> factory = NewOwned<TcxPCPaintersFactory>();
  const TcxPCPainterClass office = TcxPCPainterClass::Of<TcxPCOffice11Painter>();
  factory->RegisterPCPainterClass(office);
  factory->RegisterPCPainterClass(office);
  EXPECT_EQ(factory->GetPainterClassCount(), 1);
  factory->UnregisterPCPainterClass(TcxPCPainterClass::Of<TcxPCSlantedPainter>());
  EXPECT_EQ(factory->GetPainterClassCount(), 1);
  factory->UnregisterPCPainterClass(office);
  TOwnedPtr<TcxLookAndFeel> lookAndFeel = NewOwned<TcxLookAndFeel>(nullptr);
  EXPECT_EQ(factory->GetStyleID(lookAndFeel.get()), -1);
  ExpectError<Exception>([&] { factory->GetDefaultStyleID(lookAndFeel.get()); },
                         "TcxPCPaintersFactory.GetDefaultStyleID: There are no styles registered");
  ExpectError<Exception>([&] { factory->GetPainterInstance(TcxPCPainterClass(), nullptr); },
                         "TcxPCPaintersFactory.GetPainterInstance: PCPainterClass is nil");
}

}  // namespace
