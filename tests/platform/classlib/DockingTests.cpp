// Docking: controls and forms docked into a dock site and floated out again, by ManualDock and
// ManualFloat and by a dock drag with the pointer; a site that holds each client on a sheet of its
// own, as a page control does.
#include "ClasslibTestSupport.h"

#include "DockForms.h"
#include "HeadlessBackend.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

// A site that gives each docked client a sheet of its own and frees the sheet once the client has
// left it.
class TSheetSite : public TTestPanel {
  DECLARE_CLASS(TSheetSite, TTestPanel)
 public:
  std::vector<TTestPanel*> Sheets;

 protected:
  void DoAddDockClient(TControl* Client, const TRect& ARect) override {
    auto* sheet = CreateComponent<TTestPanel>(this);
    sheet->SetParent(this);
    sheet->SetAlign(alClient);
    Sheets.push_back(sheet);
    Client->SetParent(sheet);
  }
  void DoRemoveDockClient(TControl* Client) override {
    for (size_t i = 0; i < Sheets.size(); ++i)
      if (Sheets[i]->ControlCount() == 0) {
        Sheets[i]->Free();
        Sheets.erase(Sheets.begin() + static_cast<std::ptrdiff_t>(i));
        return;
      }
  }
};
IMPLEMENT_CLASS(TSheetSite)

class Docking : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBounds(100, 100, 500, 300);
    Site = CreateComponent<TSheetSite>(Form);
    Site->SetBounds(250, 10, 200, 200);
    Site->SetParent(Form);
    Site->SetDockSite(true);
    Client = CreateComponent<TTestPanel>(Form);
    Client->SetBounds(10, 10, 120, 80);
    Client->SetParent(Form);
    Form->Show();
    Application->ProcessMessages();
    Site->OnDockDrop = [](TObject*, TDragDockObject* source, Integer, Integer) {
      Journal().push_back("DockDrop " + String(source->GetControl()->ClassName()));
    };
    Site->OnDockOver = [](TObject*, TDragDockObject*, Integer, Integer, TDragState state, bool&) {
      static const char* names[] = {"enter", "leave", "move"};
      Journal().push_back(String("DockOver ") + names[state]);
    };
  }
  void TearDown() override {
    if (DragObject()) CancelDrag();
    FreeAndNil(Form);
    TClasslibFixture::TearDown();
  }
  static void MoveTo(int x, int y) {
    InjectMouseMove(x, y);
    Application->ProcessMessages();
  }
  static void Release() {
    InjectMouseButton(0, false);
    Application->ProcessMessages();
  }

  TCustomForm* Form = nullptr;
  TSheetSite* Site = nullptr;
  TTestPanel* Client = nullptr;
};

TEST_F(Docking, AControlDocksIntoASiteAndFloatsOutInADockForm) {
  ASSERT_TRUE(Client->ManualDock(Site));
  EXPECT_EQ(Client->GetHostDockSite(), Site);
  ASSERT_EQ(Site->Sheets.size(), 1u);
  EXPECT_EQ(Client->GetParent(), Site->Sheets[0]) << "the site's DoAddDockClient placed it";
  EXPECT_EQ(Site->DockClientCount(), 1);
  EXPECT_EQ(Site->DockClients(0), Client);
  EXPECT_EQ(Journal(), (std::vector<String>{"DockDrop TTestPanel"}));
  EXPECT_FALSE(Client->Floating());

  ASSERT_TRUE(Client->ManualFloat(TRect(600, 400, 720, 480)));
  auto* host = dynamic_cast<TCustomDockForm*>(Client->GetHostDockSite());
  ASSERT_NE(host, nullptr);
  EXPECT_TRUE(Client->Floating());
  EXPECT_EQ(Client->GetParent(), host);
  EXPECT_EQ(Client->GetAlign(), alClient);
  EXPECT_TRUE(host->Showing());
  EXPECT_EQ(host->GetClientWidth(), 120);
  EXPECT_EQ(host->GetClientHeight(), 80);
  EXPECT_EQ(host->GetLeft(), 600);
  EXPECT_EQ(Site->DockClientCount(), 0);
  EXPECT_TRUE(Site->Sheets.empty()) << "the site freed the sheet after the client had left it";

  Integer forms = Screen->FormCount();
  ASSERT_TRUE(Client->ManualDock(Site));
  Application->ProcessMessages();
  EXPECT_EQ(Screen->FormCount(), forms - 1) << "the empty dock form goes away";
  EXPECT_EQ(Client->GetHostDockSite(), Site);
}

TEST_F(Docking, TheSiteMayRefuseToLetAClientGo) {
  ASSERT_TRUE(Client->ManualDock(Site));
  TWinControl* asked = reinterpret_cast<TWinControl*>(1);
  Site->OnUnDock = [&asked](TObject*, TControl*, TWinControl* target, bool& allow) {
    asked = target;
    allow = false;
  };
  EXPECT_FALSE(Client->ManualFloat(TRect(0, 0, 50, 50)));
  EXPECT_EQ(asked, nullptr) << "floating: no new target";
  EXPECT_EQ(Client->GetHostDockSite(), Site);
  EXPECT_EQ(Site->Sheets.size(), 1u);
}

TEST_F(Docking, AFormDocksAsAChildWindowAndFloatsBackOnItsOwn) {
  auto* docked = TCustomForm::CreateNew<TForm>(Form);
  docked->SetCaption("Docked");
  docked->SetBounds(50, 50, 160, 120);
  docked->Show();
  Application->ProcessMessages();
  EXPECT_TRUE(docked->Floating()) << "a form on its own floats";

  ASSERT_TRUE(docked->ManualDock(Site));
  EXPECT_EQ(docked->GetParent(), Site->Sheets.at(0));
  EXPECT_FALSE(docked->Floating());
  EXPECT_TRUE(docked->Showing());
  LONG style = GetWindowLong(docked->GetHandle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CHILD);
  EXPECT_FALSE(style & WS_CAPTION) << "docked, it shows no frame";
  EXPECT_EQ(GetParent(docked->GetHandle()), Site->Sheets.at(0)->GetHandle());

  ASSERT_TRUE(docked->ManualFloat(TRect(300, 350, 460, 470)));
  EXPECT_EQ(docked->GetParent(), nullptr);
  EXPECT_EQ(docked->GetHostDockSite(), nullptr);
  EXPECT_TRUE(docked->Floating());
  EXPECT_TRUE(docked->Showing());
  style = GetWindowLong(docked->GetHandle(), GWL_STYLE);
  EXPECT_FALSE(style & WS_CHILD);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_EQ(docked->GetBoundsRect(), TRect(300, 350, 460, 470));
  EXPECT_TRUE(Site->Sheets.empty());
}

TEST_F(Docking, ADockDragDocksOverASiteAndFloatsElsewhere) {
  Client->SetDragKind(dkDock);
  TPoint grip = Client->ClientToScreen(TPoint(10, 10));
  MoveTo(grip.x, grip.y);
  InjectMouseButton(0, true);
  Application->ProcessMessages();
  Client->BeginDrag(true);
  ASSERT_NE(dynamic_cast<TDragDockObject*>(DragObject()), nullptr);
  TPoint over = Site->ClientToScreen(TPoint(50, 50));
  MoveTo(over.x, over.y);
  auto* dock = static_cast<TDragDockObject*>(DragObject());
  EXPECT_FALSE(dock->Floating);
  TPoint siteOrigin = Site->ClientToScreen(TPoint(0, 0));
  EXPECT_EQ(dock->DockRect, TRect(siteOrigin.x, siteOrigin.y, siteOrigin.x + 200, siteOrigin.y + 200))
      << "over a site the control would fill it";
  Release();
  EXPECT_EQ(Journal(), (std::vector<String>{"DockOver enter", "DockOver move", "DockOver leave", "DockDrop TTestPanel"}));
  EXPECT_EQ(Client->GetHostDockSite(), Site);

  TPoint inside = Client->ClientToScreen(TPoint(10, 10));
  MoveTo(inside.x, inside.y);
  InjectMouseButton(0, true);
  Application->ProcessMessages();
  Client->BeginDrag(true);
  MoveTo(900, 700);  // the empty desktop
  EXPECT_TRUE(static_cast<TDragDockObject*>(DragObject())->Floating);
  Release();
  auto* host = dynamic_cast<TCustomDockForm*>(Client->GetHostDockSite());
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(host->GetBoundsRect().TopLeft(), TPoint(890, 690)) << "held where it was gripped";
  EXPECT_EQ(host->GetClientWidth(), 120);
  EXPECT_TRUE(Site->Sheets.empty());
}

TEST_F(Docking, NothingDocksIntoItself) {
  auto* inner = CreateComponent<TTestPanel>(Form);
  inner->SetParent(Client);
  EXPECT_THROW(Client->ManualDock(inner), EInvalidOperation);
  EXPECT_THROW(Client->ManualDock(Client), EInvalidOperation);
  EXPECT_EQ(Client->GetParent(), Form);
}

}  // namespace
