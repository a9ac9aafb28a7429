// The report component's menu captions, the grid menu's items (added once, a separator only in the
// application's menu, removed when another report is attached), printing through the report, and a
// picture of the grid menu as it pops up.
#include <filesystem>

#include "GridControlTestSupport.h"
#include "HeadlessBackend.h"
#include "Menus.h"
#include "WinUser.h"

using namespace GridControlTest;

namespace {

// A report engine that only notes what it was asked to do.
class TFakeReport : public TosCustomGridReport {
  DECLARE_CLASS(TFakeReport, TosCustomGridReport)
 public:
  explicit TFakeReport(TComponent* AOwner = nullptr) : TosCustomGridReport(AOwner) {}
  void Print(TtsBaseGrid* Grid) override { Done.push_back("Print " + Grid->GetName()); }
  void PrintPreview(TtsBaseGrid* Grid) override { Done.push_back("Preview " + Grid->GetName()); }
  std::vector<String> Done;
};
IMPLEMENT_CLASS(TFakeReport)

std::vector<String> Captions(TPopupMenu* Menu) {
  std::vector<String> captions;
  for (Integer i = 0; i < Menu->GetItems()->GetCount(); ++i) captions.push_back(Menu->GetItems()->GetItem(i)->GetCaption());
  return captions;
}

TEST(GridReport, MenuOptionsTextSplitsIntoTheThreeCaptions) {
  TOwnedPtr<TosCustomGridReport> report(New<TosCustomGridReport>(nullptr));
  EXPECT_EQ(report->GetMenuOptionsText(), "Preview...|Print...|Export...");
  EXPECT_EQ(report->GetPreviewCaption(), "") << "the default text is not split until it is assigned";
  const struct {
    const char* Text;
    const char* Preview;
    const char* Print;
    const char* Export;
  } cases[] = {
      // Each row starts from the captions the row before left.
      {"预览|打印|导出", "预览", "打印", "导出"},
      {"Look", "Look", "打印", "导出"},
      {"A|B", "A", "B", "导出"},
      {"|P|E|X", "", "P", "E|X"},
      {"", "", "", ""},
      {"a||", "a", "", ""},
  };
  for (const auto& c : cases) {
    report->SetMenuOptionsText(c.Text);
    EXPECT_EQ(report->GetMenuOptionsText(), c.Text);
    EXPECT_EQ(report->GetPreviewCaption(), c.Preview) << c.Text;
    EXPECT_EQ(report->GetPrintCaption(), c.Print) << c.Text;
    EXPECT_EQ(report->GetExportCaption(), c.Export) << c.Text;
  }
  EXPECT_EQ(report->GetMargins()->GetBottomMargin(), 15);
  EXPECT_EQ(report->GetEndOfReportText(), "*** END OF REPORT ***");
}

class GridMenuTest : public WindowGridTest {
 protected:
  void SetUp() override {
    WindowGridTest::SetUp();
    Table = MakeGrid<TtsGrid>(300, 120, 2, 3);
    Table->SetName("Orders");
  }
  TtsGrid* Table = nullptr;
};

TEST_F(GridMenuTest, TheGridsOwnMenuHasTheThreeItemsWithoutASeparator) {
  Table->ConfigureGridMenu();
  TPopupMenu* menu = nullptr;
  for (Integer i = 0; i < Table->ComponentCount(); ++i)
    if (auto* m = dynamic_cast<TPopupMenu*>(Table->GetComponent(i))) menu = m;
  ASSERT_TRUE(menu);
  EXPECT_EQ(menu->GetPopupComponent(), Table);
  EXPECT_EQ(Captions(menu), (std::vector<String>{"Preview Grid...", "Print Grid...", "Export Grid..."}));
  Table->AddGridMenuItems(menu);
  EXPECT_EQ(Captions(menu).size(), 3u) << "added once";

  // Without a report, choosing print tells why nothing prints.
  try {
    menu->GetItems()->GetItem(1)->Click();
    ADD_FAILURE() << "printing without a report must raise";
  } catch (const Exception& e) {
    EXPECT_EQ(String(e.Message()),
              "Gridoak requires a GridReport component to be associated to this grid to support printing !");
  }
}

TEST_F(GridMenuTest, TheApplicationsMenuGetsOneSeparatorAndTheItemsOnceUntilAnotherReportComes) {
  auto* appMenu = New<TPopupMenu>(Form);
  auto* own = New<TMenuItem>(appMenu);
  own->SetCaption("Refresh");
  appMenu->GetItems()->Add(own);
  Table->SetPopupMenu(appMenu);
  Table->AddGridMenuItems(appMenu);
  Table->AddGridMenuItems(appMenu);
  EXPECT_EQ(Captions(appMenu),
            (std::vector<String>{"Refresh", "-", "Preview Grid...", "Print Grid...", "Export Grid..."}));

  auto* report = New<TFakeReport>(Form);
  report->SetMenuOptionsText("预览...|打印...|导出...");
  Table->SetGridReport(report);
  EXPECT_EQ(Captions(appMenu), (std::vector<String>{"Refresh"})) << "the old items go";
  Table->AddGridMenuItems(appMenu);
  EXPECT_EQ(Captions(appMenu), (std::vector<String>{"Refresh", "-", "预览...", "打印...", "导出..."}));
  appMenu->GetItems()->GetItem(2)->Click();
  appMenu->GetItems()->GetItem(3)->Click();
  EXPECT_EQ(report->Done, (std::vector<String>{"Preview Orders", "Print Orders"}));

  // A report made at run time has no captions until its text is assigned: only the separator.
  auto* bare = New<TFakeReport>(Form);
  Table->SetGridReport(bare);
  Table->AddGridMenuItems(appMenu);
  EXPECT_EQ(Captions(appMenu), (std::vector<String>{"Refresh", "-"}));

  bare->Free();
  EXPECT_EQ(Table->GetGridReport(), nullptr) << "a freed report is forgotten";
}

// Steps run by a thread timer while the menu loop waits; the menu is ended after the last one so
// that no test can hang in it.
std::vector<std::function<void()>>* g_Steps = nullptr;
void StepTimer(HWND, UINT, UINT_PTR Id, DWORD) {
  if (!g_Steps || g_Steps->empty()) {
    KillTimer(nullptr, Id);
    EndMenu();
    return;
  }
  auto step = g_Steps->front();
  g_Steps->erase(g_Steps->begin());
  step();
}

TEST_F(GridMenuTest, TheGridMenuPopsUpAtTheClientPoint) {
  Table->SetProvideGridMenu(true);
  String png;
  std::vector<std::function<void()>> steps = {[&] {
    HWND w = FindWindowA(MenuWindowClass, nullptr);
    ASSERT_TRUE(w);
    RECT r;
    GetWindowRect(w, &r);
    const TPoint at = Table->ClientToScreen(TPoint(40, 30));
    EXPECT_EQ(r.left, at.x);
    EXPECT_EQ(r.top, at.y);
    png = testing::TempDir() + "grid-menu.png";
    EXPECT_TRUE(SaveWindowPng(w, png));
    InjectKeyPress(VK_ESCAPE);
  }};
  g_Steps = &steps;
  SetTimer(nullptr, 0, 10, &StepTimer);
  Table->ShowGridMenu(40, 30);
  g_Steps = nullptr;
  EXPECT_TRUE(steps.empty());
  EXPECT_TRUE(std::filesystem::exists(png)) << png;
}

}  // namespace
