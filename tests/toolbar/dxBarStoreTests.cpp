// The layout store: what a manager writes (sections, keys and their order), what it reads back, how a
// layout stored by an older program meets a newer one, and that a damaged layout is read safely.
#include <gtest/gtest.h>

#include <vector>

#include "Forms.h"
#include "IniFiles.h"
#include "StringLists.h"
#include "Streams.h"
#include "Strings.h"
#include "dxBar.h"
#include "dxBarBar.h"
#include "dxBarButton.h"
#include "dxBarItemLinks.h"
#include "dxBarDock.h"
#include "dxBarManager.h"
#include "dxBarTestSupport.h"

namespace {

struct StoreFixture : testing::Test {
  TForm* Form = nullptr;
  TdxBarManager* Manager = nullptr;

  void SetUp() override {
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetName("MainForm");
    Manager = New<TdxBarManager>(Form);
    Manager->SetName("BarManager");
  }
  void TearDown() override { Form->Free(); }

  TdxBarButton* NewButton(const String& AName) {
    auto* button = New<TdxBarButton>(Form);
    button->SetName(AName);
    button->SetCaption(AName);
    Manager->AddItem(button);
    return button;
  }
  TdxBar* NewBar(const String& ACaption, const std::vector<TdxBarItem*>& AItems = {}) {
    TdxBar* bar = Manager->GetBars()->Add();
    bar->SetCaption(ACaption);
    for (TdxBarItem* item : AItems) bar->GetItemLinks()->Add(item);
    return bar;
  }
  static std::vector<String> ItemNames(TdxBar* ABar) {
    std::vector<String> names;
    TdxBarItemLinks* links = ABar->GetItemLinks();
    for (Integer i = 0; i < links->Count(); ++i)
      names.push_back(links->GetItem(i)->GetItem() ? links->GetItem(i)->GetItem()->GetName() : String("-"));
    return names;
  }
  // An in-memory ini store holding AText.
  static TOwnedPtr<TMemIniFile> IniOf(const String& AText) {
    auto ini = NewOwned<TMemIniFile>();
    auto lines = NewOwned<TStringList>();
    lines->SetText(AText);
    ini->SetStrings(lines.get());
    return ini;
  }
  static String TextOf(TMemIniFile* AIni) {
    auto lines = NewOwned<TStringList>();
    AIni->GetStrings(lines.get());
    return lines->GetText();
  }
  void Load(const String& AText) { Manager->LoadBarManager(IniOf(AText).get(), Manager->GetBaseIniSection(), skIni); }
};

TEST_F(StoreFixture, ABarSectionHoldsItsKeysInOrderThenItsLinks) {
  TdxBarButton* open = NewButton("btnOpen");
  TdxBarButton* close = NewButton("btnClose");
  TdxBar* bar = NewBar("Standard", {open, close});
  bar->SetFloatValue(0, 100);
  bar->SetFloatValue(1, 120);
  bar->GetItemLinks()->GetItem(1)->SetBeginGroup(true);
  bar->GetItemLinks()->GetItem(1)->SetUserCaption("Shut");
  auto ini = NewOwned<TMemIniFile>();
  Manager->SaveBarManager(ini.get(), Manager->GetBaseIniSection(), skIni);

  EXPECT_EQ(Manager->GetBaseIniSection(), "MainForm.BarManager.");
  auto keys = NewOwned<TStringList>();
  ini->ReadSectionValues("MainForm.BarManager.Bar0", keys.get());
  std::vector<String> lines;
  for (Integer i = 0; i < keys->GetCount(); ++i) lines.push_back(keys->GetStrings(i));
  EXPECT_EQ(lines, (std::vector<String>{"Caption=Standard", "DockedDockingStyle=2", "DockedLeft=0", "DockedTop=0",
                                        "DockingStyle=0", "FloatClientHeight=0", "FloatClientWidth=0", "FloatLeft=100",
                                        "FloatTop=120", "OneOnRow=0", "Row=0", "Visible=0", "ItemLinkCount=2"}));
  ini->ReadSectionValues("MainForm.BarManager.Bar0.ItemLink1", keys.get());
  EXPECT_EQ(keys->GetStrings(0), "ItemName=btnClose");
  EXPECT_EQ(keys->GetStrings(1), "BeginGroup=1");
  EXPECT_EQ(keys->GetStrings(2), "UserDefine=01");
  EXPECT_EQ(keys->GetStrings(3), "UserCaption=Shut");
  EXPECT_EQ(ini->ReadInteger("MainForm.BarManager.Main", "Version", 0), 34);
  EXPECT_EQ(ini->ReadInteger("MainForm.BarManager.Main", "BarCount", 0), 1);
  EXPECT_EQ(ini->ReadInteger("MainForm.BarManager.Items", "ItemCount", 0), 2);
  EXPECT_TRUE(ini->ReadBool("MainForm.BarManager.Items", "btnOpen", false));
}

TEST_F(StoreFixture, ASavedLayoutLoadsBackOverAChangedOne) {
  TdxBarButton* open = NewButton("btnOpen");
  TdxBarButton* save = NewButton("btnSave");
  TdxBarButton* close = NewButton("btnClose");
  TdxBar* bar = NewBar("Standard", {open, save});
  TdxBar* extra = NewBar("Extra", {close});
  bar->SetDockedValue(0, 40);
  bar->SetOneOnRow(true);
  extra->SetFloatValue(2, 200);
  TdxBarItemLink* link = bar->GetItemLinks()->GetItem(1);
  link->SetUserWidth(77);
  link->SetUserPaintStyle(psCaptionGlyph);
  link->SetPosition(ipContinuesRow);
  link->SetButtonGroup(bgpStart);
  link->SetViewLevels(TdxBarItemViewLevels{ivlLargeIconWithText});
  link->SetVisible(false);
  bar->GetItemLinks()->GetItem(0)->SetUseCount(5);
  bar->GetItemLinks()->GetItem(0)->SetRecentIndex(1);
  Manager->SetShowHint(false);
  auto ini = NewOwned<TMemIniFile>();
  Manager->SaveBarManager(ini.get(), Manager->GetBaseIniSection(), skIni);

  bar->GetItemLinks()->Clear();
  bar->GetItemLinks()->Add(close);
  bar->SetCaption("Changed");
  bar->SetDockedValue(0, 0);
  extra->SetFloatValue(2, 10);
  Manager->SetShowHint(true);
  Manager->LoadBarManager(ini.get(), Manager->GetBaseIniSection(), skIni);

  EXPECT_EQ(bar->GetCaption(), "Standard");
  EXPECT_EQ(bar->GetDockedLeft(), 40);
  EXPECT_TRUE(bar->GetOneOnRow());
  EXPECT_EQ(extra->GetFloatClientWidth(), 200);
  EXPECT_FALSE(Manager->GetShowHint());
  EXPECT_EQ(ItemNames(bar), (std::vector<String>{"btnOpen", "btnSave"}));
  link = bar->GetItemLinks()->GetItem(1);
  EXPECT_EQ(link->GetUserDefine(), (TdxBarUserDefines{udPaintStyle, udWidth}));
  EXPECT_EQ(link->GetUserWidth(), 77);
  EXPECT_EQ(link->GetUserPaintStyle(), psCaptionGlyph);
  EXPECT_EQ(link->GetPosition(), ipContinuesRow);
  EXPECT_EQ(link->GetButtonGroup(), bgpStart);
  EXPECT_EQ(link->GetViewLevels(), TdxBarItemViewLevels{ivlLargeIconWithText});
  EXPECT_FALSE(link->GetVisible());
  EXPECT_EQ(bar->GetItemLinks()->GetItem(0)->GetUseCount(), 5);
  EXPECT_EQ(bar->GetItemLinks()->GetItem(0)->GetRecentIndex(), 1);
}

// A dock control is stored by its name and found again by it; one that is gone leaves the bar where
// the stored docking style puts it.
TEST_F(StoreFixture, ADockControlIsStoredByName) {
  auto* dock = New<TdxBarDockControl>(Form);
  dock->SetName("Dock1");
  dock->SetParent(Form);
  dock->SetBarManager(Manager);
  TdxBar* bar = NewBar("Standard", {NewButton("btnOpen")});
  bar->SetDockControl(dock);
  auto ini = NewOwned<TMemIniFile>();
  Manager->SaveBarManager(ini.get(), Manager->GetBaseIniSection(), skIni);
  EXPECT_EQ(ini->ReadString("MainForm.BarManager.Bar0", "DockControl", ""), "Dock1");

  bar->SetDockControl(nullptr);
  bar->SetDockingStyle(dsBottom);
  Manager->LoadBarManager(ini.get(), Manager->GetBaseIniSection(), skIni);
  EXPECT_EQ(bar->GetDockControl(), dock);
  EXPECT_EQ(Manager->FindDockControl("Dock1"), dock);
  EXPECT_EQ(Manager->FindDockControl("Nowhere.Dock1"), nullptr);
  EXPECT_EQ(Manager->FindDockControl("btnOpen"), nullptr) << "only a dock control answers";
}

TEST_F(StoreFixture, ThreeStoredBarsLoadIntoTwoByAddingOne) {
  NewBar("One");
  NewBar("Two");
  Load("[MainForm.BarManager.Main]\nBarCount=3\n"
       "[MainForm.BarManager.Bar0]\nCaption=A\n[MainForm.BarManager.Bar1]\nCaption=B\n"
       "[MainForm.BarManager.Bar2]\nCaption=C\n");
  ASSERT_EQ(Manager->GetBars()->GetCount(), 3);
  EXPECT_EQ(Manager->GetBars()->GetItem(2)->GetCaption(), "C");
}

// Items added to the program after the layout was stored keep their design-time links, behind the item
// they followed at design time, the first link included.
TEST_F(StoreFixture, NewItemsKeepTheirLinksBehindTheirPredecessor) {
  struct Case {
    std::vector<String> Design, Stored, Expected;
  };
  const Case cases[] = {
      {{"A", "N", "B"}, {"B", "A"}, {"B", "A", "N"}},
      {{"N", "A"}, {"A", "B"}, {"N", "A", "B"}},
      {{"A", "N"}, {"A", "B"}, {"A", "N", "B"}},
      {{"B", "N"}, {"A"}, {"A", "N"}},
  };
  NewButton("A");
  NewButton("B");
  NewButton("N");
  for (const Case& c : cases) {
    Manager->GetBars()->Clear();
    std::vector<TdxBarItem*> design;
    for (const String& name : c.Design) design.push_back(Manager->GetItemByName(name));
    TdxBar* bar = NewBar("Bar", design);
    String text = "[MainForm.BarManager.Main]\nBarCount=1\n[MainForm.BarManager.Items]\nItemCount=2\nA=1\nB=1\n"
                  "[MainForm.BarManager.Bar0]\nItemLinkCount=" + IntToStr(Integer(c.Stored.size())) + "\n";
    for (size_t i = 0; i < c.Stored.size(); ++i)
      text += "[MainForm.BarManager.Bar0.ItemLink" + IntToStr(Integer(i)) + "]\nItemName=" + c.Stored[i] + "\n";
    Load(text);
    EXPECT_EQ(ItemNames(bar), c.Expected) << c.Design.size() << " " << c.Design.front();
  }
}

// A layout is outside data: damaged counts, ordinals and sets read as what the store really holds.
TEST_F(StoreFixture, ADamagedLayoutReadsSafely) {
  TdxBarButton* button = NewButton("btnOpen");
  TdxBar* bar = NewBar("Standard", {button});
  bar->SetDockedDockingStyle(dsLeft);
  Load("[MainForm.BarManager.Main]\nBarCount=2147483647\nMenuAnimations=-4\n"
       "[MainForm.BarManager.Bar0]\nItemLinkCount=100000000\nDockedDockingStyle=9\nRow=-5\n"
       "[MainForm.BarManager.Bar0.ItemLink0]\nItemName=btnOpen\nUserDefine=4\nUserPaintStyle=77\nPosition=-1\n"
       "ButtonGroup=3\nViewLevels=zz\n"
       "[MainForm.BarManager.Bar0.ItemLink1]\nItemName=nothing\n");
  EXPECT_EQ(Manager->GetBars()->GetCount(), 1);
  EXPECT_EQ(Manager->GetMenuAnimations(), maNone);
  EXPECT_EQ(bar->GetDockedDockingStyle(), dsLeft);
  EXPECT_EQ(ItemNames(bar), (std::vector<String>{"btnOpen"}));  // the link of an unknown item is dropped
  TdxBarItemLink* link = bar->GetItemLinks()->GetItem(0);
  EXPECT_EQ(link->GetPosition(), ipBeginsNewRow);
  EXPECT_EQ(link->GetButtonGroup(), bgpNone);
  EXPECT_EQ(link->GetViewLevels(), dxBarItemAllViewLevels);

  struct Case {
    const char* Text;
    TdxBarUserDefines Expected;
  };
  const Case cases[] = {{"5", {udCaption, udPaintStyle}}, {"0", {}},      {"x", {}},    {"0F", {udCaption, udGlyph, udPaintStyle, udWidth}},
                        {"04", {udPaintStyle}},           {"ZZ", {}},     {"123", {}}, {"", {}}};
  for (const Case& c : cases) {
    Load(String("[MainForm.BarManager.Main]\nBarCount=1\n[MainForm.BarManager.Bar0]\nItemLinkCount=1\n"
                "[MainForm.BarManager.Bar0.ItemLink0]\nItemName=btnOpen\nUserDefine=") + c.Text + "\n");
    EXPECT_EQ(bar->GetItemLinks()->GetItem(0)->GetUserDefine(), c.Expected) << c.Text;
  }
}

TEST_F(StoreFixture, SavingKeepsOtherManagersAndLeavesOneCopy) {
  NewBar("Standard");
  auto ini = IniOf("[Other.Manager.Main]\nVersion=34\n[MainForm.BarManager.Bar7]\nCaption=Stale\n");
  Manager->SaveBarManager(ini.get(), Manager->GetBaseIniSection(), skIni);
  Manager->SaveBarManager(ini.get(), Manager->GetBaseIniSection(), skIni);
  const String text = TextOf(ini.get());
  EXPECT_NE(text.find("[Other.Manager.Main]"), String::npos);
  EXPECT_EQ(text.find("Stale"), String::npos);
  const size_t first = text.find("[MainForm.BarManager.Main]");
  ASSERT_NE(first, String::npos);
  EXPECT_EQ(text.find("[MainForm.BarManager.Main]", first + 1), String::npos);
}

TEST_F(StoreFixture, RegistryPathsAndTheRegistryStore) {
  struct Case {
    const char* Path;
    const char* Corrected;
    bool Result;
  };
  const Case cases[] = {{"", "", false}, {"Software\\App", "\\Software\\App\\", true},
                        {"\\Software\\App\\", "\\Software\\App\\", true}, {"\\", "\\", true}};
  for (const Case& c : cases) {
    String path = c.Path;
    EXPECT_EQ(TdxBarManager::CorrectRegistryPath(path), c.Result) << c.Path;
    EXPECT_EQ(path, c.Corrected);
  }
  TdxBar* bar = NewBar("Standard");
  bar->SetFloatValue(0, 64);
  Manager->SaveToRegistry("Software\\dxBarStoreTests");
  bar->SetFloatValue(0, 1);
  Manager->LoadFromRegistry("Software\\dxBarStoreTests");
  EXPECT_EQ(bar->GetFloatLeft(), 64);
  Manager->LoadFromRegistry("");  // nothing happens
}

TEST_F(StoreFixture, TheStreamFormIsTheIniText) {
  TdxBar* bar = NewBar("Standard");
  bar->SetFloatValue(1, 33);
  auto stream = NewOwned<TMemoryStream>();
  Manager->SaveToStream(stream.get());
  const String text(static_cast<const char*>(stream->GetMemory()), static_cast<size_t>(stream->GetSize()));
  EXPECT_EQ(text.rfind("[MainForm.BarManager.Main]", 0), 0u);
  EXPECT_NE(text.find("Version=34"), String::npos);
  bar->SetFloatValue(1, 0);
  stream->SetPosition(0);
  Manager->LoadFromStream(stream.get());
  EXPECT_EQ(bar->GetFloatTop(), 33);
  // Without a stream and a name the ini forms do nothing.
  Manager->SaveToIniFile("");
  Manager->LoadFromIniFile("");
}

}  // namespace

namespace {

TEST_F(StoreFixture, RecentCountersOnlyWithAStyleThatShowsRecentItems) {
  TdxBarButton* open = NewButton("btnOpen");
  NewBar("Standard", {open});
  for (TdxBarManagerStyle style : {bmsStandard, bmsOffice11}) {
    Manager->SetStyle(style);
    auto ini = NewOwned<TMemIniFile>();
    Manager->SaveBarManager(ini.get(), Manager->GetBaseIniSection(), skIni);
    const bool recent = style != bmsStandard;
    EXPECT_EQ(ini->ValueExists("MainForm.BarManager.Main", "MenusShowRecentItemsFirst"), recent) << style;
    EXPECT_EQ(ini->ValueExists("MainForm.BarManager.Bar0.ItemLink0", "UseCount"), recent) << style;
    EXPECT_EQ(ini->ValueExists("MainForm.BarManager.Bar0.ItemLink0", "RecentIndex"), recent) << style;
    EXPECT_FALSE(ini->ValueExists("MainForm.BarManager.Bar0.ItemLink0", "MostRecentlyUsed"));
  }
  Manager->SetStyle(bmsStandard);
  Manager->SetMenusShowRecentItemsFirst(true);
  Load("[MainForm.BarManager.Main]\nMenusShowRecentItemsFirst=0\n");
  EXPECT_TRUE(Manager->GetMenusShowRecentItemsFirst());
}

// "DockControlHeights" lists the left and right docks' widths, then the top and bottom docks' heights.
TEST_F(StoreFixture, TheFormStreamKeepsTheMainDocksSizesInTheirOrder) {
  const std::pair<TdxBarDockingStyle, Integer> sizes[] = {{dsLeft, 5}, {dsRight, 7}, {dsTop, 26}, {dsBottom, 3}};
  // Under the update lock the empty docks keep the sizes given instead of shrinking to their rows.
  Manager->BeginUpdate();
  for (auto [style, size] : sizes) {
    TdxDockControl* dock = Manager->GetInternalDockControl(style);
    ASSERT_NE(dock, nullptr);
    if (style == dsLeft || style == dsRight)
      dock->SetWidth(size);
    else
      dock->SetHeight(size);
  }
  const String text = dxBarTests::WriteFormText(Form);
  Manager->EndUpdate(false);
  const size_t at = text.find("DockControlHeights = (");
  ASSERT_NE(at, String::npos) << text;
  std::vector<Integer> written;
  for (size_t p = at + 22; written.size() < 4;) {
    p = text.find_first_of("0123456789", p);
    const size_t end = text.find_first_not_of("0123456789", p);
    written.push_back(StrToInt(text.substr(p, end - p)));
    p = end;
  }
  EXPECT_EQ(written, (std::vector<Integer>{5, 7, 26, 3}));
}

}  // namespace
