// Popup menus of the class library: items and the layer's menus they build, shortcuts, a right click
// that pops a control's menu up and the chosen item's OnClick, owner drawing, and menus read from a
// form resource.
#include <filesystem>
#include <functional>

#include "ClasslibTestSupport.h"
#include "GdiSurface.h"
#include "HeadlessBackend.h"
#include "ImgList.h"
#include "Menus.h"
#include "Strings.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

// Steps run by a thread timer each time the menu loop has nothing left to do; when none is left the
// menu is ended, so that no test can hang in it.
struct TMenuScript {
  std::vector<std::function<void()>> Steps;
  size_t Next = 0;
  bool Ended = false;
};
TMenuScript* g_Script = nullptr;

void ScriptTimer(HWND, UINT, UINT_PTR id, DWORD) {
  if (!g_Script) {
    KillTimer(nullptr, id);
    return;
  }
  if (g_Script->Next < g_Script->Steps.size()) g_Script->Steps[g_Script->Next++]();
  else if (EndMenu()) g_Script->Ended = true;
}

HWND MenuWindow() { return FindWindowA(MenuWindowClass, nullptr); }

TPoint ItemCentre(TMenuItem* item) {
  RECT r{};
  TMenuItem* parent = item->GetParent();
  EXPECT_TRUE(GetMenuItemRect(nullptr, parent->GetHandle(), static_cast<UINT>(item->GetMenuIndex()), &r));
  return TPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

class Menus : public TClasslibFixture {
 protected:
  void SetUp() override {
    TClasslibFixture::SetUp();
    Form = TCustomForm::CreateNew<TForm>(nullptr);
    Form->SetBounds(100, 100, 400, 300);
    Panel = CreateComponent<TTestPanel>(Form);
    static_cast<TComponent*>(Panel)->SetName("Panel1");
    Panel->SetBounds(10, 10, 200, 150);
    Panel->SetParent(Form);
    Menu = New<TPopupMenu>(Form);
    Open = AddItem(Menu->GetItems(), "\xE6\x89\x93\xE5\xBC\x80(&O)");           // 打开(&O)
    AddItem(Menu->GetItems(), "-");
    Delete = AddItem(Menu->GetItems(), "\xE5\x88\xA0\xE9\x99\xA4\xE8\xAF\xA5\xE8\xAE\xB0\xE5\xBD\x95");  // 删除该记录
    More = AddItem(Menu->GetItems(), "\xE6\x9B\xB4\xE5\xA4\x9A");                // 更多
    Sub = AddItem(More, "Sub");
    Menu->OnPopup = [](TObject*) { Journal().push_back(String("OnPopup") + (MenuWindow() ? " shown" : "")); };
    Panel->SetPopupMenu(Menu);
    Form->Show();
    Application->ProcessMessages();
    g_Script = &Script;
    Journal().clear();
  }
  void TearDown() override {
    g_Script = nullptr;
    FreeAndNil(Form);
    TClasslibFixture::TearDown();
  }
  TMenuItem* AddItem(TMenuItem* parent, const String& caption) {
    auto* item = New<TMenuItem>(Form);
    item->SetCaption(caption);
    item->OnClick = [](TObject* s) {
      Journal().push_back("Click " + As<TMenuItem>(s)->GetCaption() + (MenuWindow() ? " while shown" : ""));
    };
    parent->Add(item);
    return item;
  }
  // Runs the script in the menu loop: the first step once the menu is up and idle.
  void Arm(std::vector<std::function<void()>> steps) {
    Script = TMenuScript{std::move(steps)};
    SetTimer(nullptr, 0, 10, &ScriptTimer);
  }
  void RightClick(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen(TPoint(x, y));
    InjectMouseMove(p.x, p.y);
    InjectMouseButton(1, true);
    InjectMouseButton(1, false);
  }
  TForm* Form = nullptr;
  TTestPanel* Panel = nullptr;
  TPopupMenu* Menu = nullptr;
  TMenuItem *Open = nullptr, *Delete = nullptr, *More = nullptr, *Sub = nullptr;
  TMenuScript Script;
};

// ---- Shortcuts --------------------------------------------------------------------------------------
TEST(MenuShortCuts, TextsNameKeysWithTheirShiftStates) {
  struct TCase {
    Word Key;
    TShiftState Shift;
    const char* Text;
  };
  const TCase cases[] = {
      {'S', {ssCtrl}, "Ctrl+S"},          {VK_F5, {ssShift, ssCtrl}, "Shift+Ctrl+F5"},
      {VK_DELETE, {}, "Del"},             {VK_RETURN, {ssAlt}, "Alt+Enter"},
      {VK_NUMPAD0 + 5, {}, "Num 5"},          {VK_F12, {ssCtrl, ssAlt}, "Ctrl+Alt+F12"},
      {'0', {ssShift}, "Shift+0"},        {VK_PRIOR, {}, "PgUp"},
      {VK_OEM_COMMA, {ssCtrl}, "Ctrl+,"}, {VK_BACK, {}, "BkSp"},
  };
  for (const TCase& c : cases) {
    TShortCut sc = ShortCut(c.Key, c.Shift);
    EXPECT_EQ(ShortCutToText(sc), c.Text);
    EXPECT_EQ(TextToShortCut(c.Text), sc) << c.Text;
    Word key = 0;
    TShiftState shift;
    ShortCutToKey(sc, key, shift);
    EXPECT_EQ(key, c.Key);
    EXPECT_TRUE(shift == c.Shift) << c.Text;
  }
  EXPECT_EQ(TextToShortCut("ctrl+shift+s"), ShortCut('S', {ssCtrl, ssShift})) << "any case, any order";
  for (const char* bad : {"", "Ctrl+", "Ctrl+Nothing", "S+Ctrl", "Hyper+S"}) EXPECT_EQ(TextToShortCut(bad), scNone) << bad;
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(ShortCutToText(ShortCut(0xFF, {ssCtrl})), "") << "a key without a name";
  EXPECT_EQ(ShortCut(0x1FF, {}), scNone);
}

// ---- Items and the layer's menus --------------------------------------------------------------------
TEST_F(Menus, ItemsKeepTheirTreeAndTheLayersMenuFollowsIt) {
  TMenuItem* root = Menu->GetItems();
  EXPECT_EQ(root->GetCount(), 4);
  EXPECT_EQ(root->IndexOf(Delete), 2);
  EXPECT_EQ(root->Find("\xE6\x89\x93\xE5\xBC\x80"), Open) << "found without its accelerator";
  EXPECT_EQ(root->Find("sub"), nullptr) << "only direct sub-items";
  EXPECT_EQ(More->Find("SUB"), Sub);
  EXPECT_EQ(Sub->GetParentMenu(), Menu);
  EXPECT_THROW(root->Add(Sub), EMenuError) << "an item has one parent";
  EXPECT_THROW(Sub->Add(More), EMenuError) << "an item cannot contain its parent";
  EXPECT_THROW(root->GetItem(9), EMenuError);
  EXPECT_NE(Open->GetCommand(), 0);
  EXPECT_NE(Open->GetCommand(), Delete->GetCommand());

  HMENU h = Menu->GetHandle();
  ASSERT_TRUE(IsMenu(h));
  EXPECT_EQ(GetMenuItemCount(h), 4);
  EXPECT_EQ(GetMenuState(h, 1, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(GetSubMenu(h, 3), More->GetHandle());
  EXPECT_EQ(GetMenuItemID(h, 2), Delete->GetCommand());

  // Changes after the handle exists reach the layer's menu.
  Delete->SetShortCut(ShortCut(VK_DELETE, {ssCtrl}));
  Delete->SetEnabled(false);
  char text[64];
  GetMenuStringA(h, 2, text, sizeof text, MF_BYPOSITION);
  EXPECT_EQ(String(text), Delete->GetCaption() + "\tCtrl+Del");
  EXPECT_EQ(GetMenuState(h, 2, MF_BYPOSITION) & MF_GRAYED, static_cast<UINT>(MF_GRAYED));
  Open->SetVisible(false);
  EXPECT_EQ(GetMenuItemCount(h), 3) << "a hidden item is left out";
  More->Remove(Sub);
  EXPECT_EQ(GetSubMenu(h, 2), nullptr) << "no sub-items, no sub-menu";
  More->Add(Sub);
  EXPECT_NE(GetSubMenu(h, 2), nullptr);

  // Freeing an item takes it out of its menu; freeing the menu frees its items.
  Word command = Sub->GetCommand();
  Sub->Free();
  EXPECT_EQ(More->GetCount(), 0);
  EXPECT_EQ(Menu->FindItem(command, fkCommand), nullptr);
  Integer owned = Form->ComponentCount();
  FreeAndNil(Menu);
  EXPECT_EQ(Form->ComponentCount(), owned - 5) << "the menu and its four remaining items";
  EXPECT_EQ(Panel->GetPopupMenu(), nullptr) << "the control forgets a freed menu";
  EXPECT_FALSE(IsMenu(h));
}

TEST_F(Menus, RadioItemsOfAGroupCheckOneAtATimeAndOneItemIsTheDefault) {
  TMenuItem* a = AddItem(More, "A");
  TMenuItem* b = AddItem(More, "B");
  TMenuItem* other = AddItem(More, "Other");
  for (TMenuItem* i : {a, b, other}) i->SetRadioItem(true);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  other->SetGroupIndex(2);
  a->SetChecked(true);
  other->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->GetChecked());
  EXPECT_TRUE(b->GetChecked());
  EXPECT_TRUE(other->GetChecked()) << "another group keeps its check";
  HMENU h = More->GetHandle();
  EXPECT_EQ(GetMenuState(h, static_cast<UINT>(b->GetMenuIndex()), MF_BYPOSITION) & MF_CHECKED,
            static_cast<UINT>(MF_CHECKED));

  a->SetDefault(true);
  b->SetDefault(true);
  EXPECT_FALSE(a->GetDefault());
  EXPECT_EQ(GetMenuDefaultItem(h, TRUE, 0), static_cast<UINT>(b->GetMenuIndex()));

  a->SetAutoCheck(true);
  a->Click();
  EXPECT_TRUE(a->GetChecked()) << "AutoCheck toggles before OnClick";
  EXPECT_FALSE(b->GetChecked());
  a->SetEnabled(false);
  Journal().clear();
  a->Click();
  EXPECT_TRUE(Journal().empty()) << "a disabled item does not click";
}

// ---- Popping up -------------------------------------------------------------------------------------
TEST_F(Menus, ARightClickPopsTheMenuUpAndTheChosenItemClicksAfterItHasClosed) {
  String png;
  Arm({[&] {
    // The menu is up at the click point: keep its picture for a person to look at, then choose.
    HWND w = MenuWindow();
    ASSERT_TRUE(w);
    RECT r;
    GetWindowRect(w, &r);
    TPoint at = Panel->ClientToScreen(TPoint(30, 40));
    EXPECT_EQ(r.left, at.x);
    EXPECT_EQ(r.top, at.y);
    png = testing::TempDir() + "classlib-popup-menu.png";
    EXPECT_TRUE(SaveWindowPng(w, png));
    InjectKeyPress(VK_DOWN);
    InjectKeyPress(VK_DOWN);
    InjectKeyPress(VK_RETURN);
  }});
  RightClick(Panel, 30, 40);
  Application->ProcessMessages();
  const std::vector<String> expected = {"OnPopup", "Click " + Delete->GetCaption()};
  EXPECT_EQ(Journal(), expected) << "OnPopup before the menu shows; the click after it has gone";
  EXPECT_EQ(Menu->GetPopupComponent(), Panel);
  EXPECT_EQ(Menu->GetPopupPoint(), Panel->ClientToScreen(TPoint(30, 40)));
  EXPECT_FALSE(Script.Ended) << "the keys ended the menu";
  EXPECT_EQ(MenuWindow(), nullptr);
  EXPECT_TRUE(std::filesystem::exists(png)) << png;
}

TEST_F(Menus, TheMouseOpensTheSubMenuClickingItsItemAndChoosesInIt) {
  Arm({[&] {
         TPoint p = ItemCentre(More);
         InjectClick(p.x, p.y);
       },
       [&] {
         TPoint p = ItemCentre(Sub);
         InjectClick(p.x, p.y);
       }});
  RightClick(Panel, 50, 20);
  Application->ProcessMessages();
  const std::vector<String> expected = {"OnPopup", "Click " + More->GetCaption() + " while shown", "Click Sub"};
  EXPECT_EQ(Journal(), expected) << "an item's OnClick runs as its sub-menu opens";
  EXPECT_FALSE(Script.Ended);
}

TEST_F(Menus, PopupReturnsAfterTheClickAndKeepsToItsAlignment) {
  struct TCase {
    TPopupAlignment Alignment;
    int ExpectedLeftOffset;  // from x, in menu widths: 0, -1, -1/2
  };
  int width = 0;
  for (TPopupAlignment a : {paLeft, paRight, paCenter}) {
    Menu->SetAlignment(a);
    RECT r{};
    Arm({[&] {
      GetWindowRect(MenuWindow(), &r);
      width = r.right - r.left;
      InjectKeyPress(VK_ESCAPE);
    }});
    Menu->Popup(600, 400);
    int expected = a == paLeft ? 600 : a == paRight ? 600 - width : 600 - width / 2;
    EXPECT_EQ(r.left, expected) << a;
    EXPECT_EQ(r.top, 400);
  }
  Journal().clear();
  Arm({[&] { InjectText("o"); }});
  Menu->Popup(600, 400);
  Journal().push_back("returned");
  const std::vector<String> expected = {"OnPopup", "Click " + Open->GetCaption(), "returned"};
  EXPECT_EQ(Journal(), expected) << "an accelerator chooses; OnClick has run when Popup returns";
}

TEST_F(Menus, AMenuFreedWhileItIsUpClosesAndNothingRuns) {
  Arm({[&] { InjectKeyPress(VK_DOWN); },
       [&] {
         FreeAndNil(Menu);
         InjectKeyPress(VK_RETURN);
       }});
  RightClick(Panel, 30, 40);
  Application->ProcessMessages();
  EXPECT_EQ(Journal(), std::vector<String>{"OnPopup"}) << "no item of the freed menu clicks";
  EXPECT_EQ(MenuWindow(), nullptr);
  EXPECT_EQ(Panel->GetPopupMenu(), nullptr);
}

TEST_F(Menus, TheContextMenuNeedsAutoPopupAndGivesWayToTheControlsOwnHandler) {
  Menu->SetAutoPopup(false);
  RightClick(Panel, 30, 40);
  Application->ProcessMessages();
  EXPECT_TRUE(Journal().empty()) << "no AutoPopup: no menu";

  Menu->SetAutoPopup(true);
  Panel->OnContextPopup = [](TObject*, TPoint, bool& handled) {
    Journal().push_back("OnContextPopup");
    handled = true;
  };
  RightClick(Panel, 30, 40);
  Application->ProcessMessages();
  EXPECT_EQ(Journal(), std::vector<String>{"OnContextPopup"});

  // From the keyboard the point is (-1, -1): the menu opens at the control's top-left corner.
  Panel->OnContextPopup = nullptr;
  Journal().clear();
  RECT r{};
  Arm({[&] {
    GetWindowRect(MenuWindow(), &r);
    InjectKeyPress(VK_ESCAPE);
  }});
  EXPECT_EQ(Panel->Perform(WM_CONTEXTMENU, 0, MAKELPARAM(0xFFFF, 0xFFFF)), 1);
  TPoint corner = Panel->ClientToScreen(TPoint(0, 0));
  EXPECT_EQ(r.left, corner.x);
  EXPECT_EQ(r.top, corner.y);
  EXPECT_EQ(Journal(), std::vector<String>{"OnPopup"});
}

TEST_F(Menus, ShortCutsClickTheirEnabledItemAfterTheItemsAboveIt) {
  Sub->SetShortCut(TextToShortCut("Ctrl+D"));
  SetKeyState(VK_CONTROL, true);
  TMessage key{WM_KEYDOWN, 'D', 0, 0};
  EXPECT_TRUE(Menu->IsShortCut(key));
  EXPECT_EQ(Journal(), (std::vector<String>{"Click " + More->GetCaption(), "Click Sub"}));
  Journal().clear();
  Sub->SetEnabled(false);
  EXPECT_FALSE(Menu->IsShortCut(key)) << "a disabled item leaves the key alone";
  TMessage plain{WM_KEYDOWN, 'E', 0, 0};
  EXPECT_FALSE(Menu->IsShortCut(plain));
  SetKeyState(VK_CONTROL, false);
  EXPECT_FALSE(Menu->IsShortCut(key)) << "without Ctrl it is another shortcut";
}

// ---- Owner drawing ----------------------------------------------------------------------------------
TEST_F(Menus, OwnerDrawnItemsMeasureAndDrawThemselves) {
  Menu->SetOwnerDraw(true);
  Open->OnMeasureItem = [](TObject*, TCanvas* c, Integer& w, Integer& h) {
    Journal().push_back("Measure base " + IntToStr(h) + (c->TextHeight("Qg") > 0 ? " with canvas" : ""));
    h = 30;
  };
  Open->OnDrawItem = [](TObject*, TCanvas* c, TRect r, bool selected) {
    Journal().push_back(String("Draw ") + (selected ? "selected " : "") + IntToStr(r.Height()));
    c->GetBrush()->SetColor(clRed);
    c->FillRect(r);
  };
  uint32_t red = 0, deleteBar = 0;
  Arm({[&] {
         InjectKeyPress(VK_DOWN);
         InjectKeyPress(VK_DOWN);
       },
       [&] {
         HWND w = MenuWindow();
         UpdateWindow(w);
         TGdiSurface picture;
         ASSERT_TRUE(CaptureWindow(w, picture));
         RECT wr, open, del;
         GetWindowRect(w, &wr);
         GetMenuItemRect(nullptr, Menu->GetHandle(), 0, &open);
         GetMenuItemRect(nullptr, Menu->GetHandle(), 2, &del);
         red = picture.Pixel((open.left + open.right) / 2 - wr.left, (open.top + open.bottom) / 2 - wr.top) & 0xFFFFFF;
         deleteBar = picture.Pixel(del.right - 3 - wr.left, del.top + 2 - wr.top) & 0xFFFFFF;
         EXPECT_TRUE(SaveWindowPng(w, testing::TempDir() + "classlib-owner-drawn-menu.png"));
       }});
  Menu->Popup(300, 300);
  ASSERT_GE(Journal().size(), 3u);
  EXPECT_EQ(Journal()[1].substr(0, 13), "Measure base ");
  EXPECT_NE(Journal()[1].find("with canvas"), String::npos);
  EXPECT_NE(std::find(Journal().begin(), Journal().end(), "Draw 30"), Journal().end());
  EXPECT_EQ(red, 0xFF0000u) << "OnDrawItem painted the item";
  COLORREF hl = ColorToRGB(clHighlight);
  EXPECT_EQ(deleteBar, static_cast<uint32_t>((GetRValue(hl) << 16) | (GetGValue(hl) << 8) | GetBValue(hl)))
      << "the item's own painting shows the selection bar";
}

TEST_F(Menus, TheAdvancedDrawingEventSeesTheStateAndOwnerDrawnItemsKeepTheirAccelerators) {
  Menu->SetOwnerDraw(true);
  Open->SetChecked(true);
  StdCtrls::TOwnerDrawState seen;
  bool plainEventUsed = false;
  Open->OnDrawItem = [&](TObject*, TCanvas*, TRect, bool) { plainEventUsed = true; };
  Open->OnAdvancedDrawItem = [&](TObject*, TCanvas* c, TRect r, StdCtrls::TOwnerDrawState state) {
    if (state.Contains(odSelected)) seen = state;
    c->FillRect(r);
  };
  Open->SetHint("Open|Opens the record");
  String hintMeanwhile;
  Arm({[&] { InjectKeyPress(VK_DOWN); },
       [&] {
         hintMeanwhile = Application->GetHint();
         InjectText("o");  // the owner-drawn item's accelerator, answered by the menus' window
       }});
  Menu->Popup(300, 300);
  EXPECT_TRUE(seen.Contains(odChecked));
  EXPECT_FALSE(seen.Contains(odGrayed));
  EXPECT_FALSE(plainEventUsed) << "the advanced event comes first";
  EXPECT_EQ(hintMeanwhile, "Opens the record") << "the selected item's long hint";
  EXPECT_EQ(Application->GetHint(), "") << "cleared when the menu closed";
  EXPECT_EQ(Journal().back(), "Click " + Open->GetCaption());
  EXPECT_FALSE(Script.Ended);
}

TEST_F(Menus, AMenuWithImagesDrawsEachItemsPictureInTheGlyphColumn) {
  auto* images = New<TImageList>(Form);
  images->SetWidth(16);
  images->SetHeight(16);
  TOwnedPtr<TBitmap> red = NewOwned<TBitmap>();
  red->SetSize(16, 16);
  red->GetCanvas()->GetBrush()->SetColor(clRed);
  red->GetCanvas()->FillRect(TRect(0, 0, 16, 16));
  images->AddMasked(red.get(), clNone);
  Menu->SetImages(images);
  Open->SetImageIndex(0);
  EXPECT_EQ(GetMenuState(Menu->GetHandle(), 0, MF_BYPOSITION) & MF_OWNERDRAW, static_cast<UINT>(MF_OWNERDRAW))
      << "a menu with images draws its items";
  uint32_t pictured = 0, plain = 0;
  Arm({[&] {
    HWND w = MenuWindow();
    UpdateWindow(w);
    TGdiSurface picture;
    ASSERT_TRUE(CaptureWindow(w, picture));
    RECT wr, open, del;
    GetWindowRect(w, &wr);
    GetMenuItemRect(nullptr, Menu->GetHandle(), 0, &open);
    GetMenuItemRect(nullptr, Menu->GetHandle(), 2, &del);
    pictured = picture.Pixel(open.left + 11 - wr.left, (open.top + open.bottom) / 2 - wr.top) & 0xFFFFFF;
    plain = picture.Pixel(del.left + 11 - wr.left, (del.top + del.bottom) / 2 - wr.top) & 0xFFFFFF;
    EXPECT_TRUE(SaveWindowPng(w, testing::TempDir() + "classlib-menu-images.png"));
  }});
  Menu->Popup(300, 300);
  EXPECT_EQ(pictured, 0xFF0000u) << "the item's image";
  EXPECT_NE(plain, 0xFF0000u) << "an item without an image index has none";

  images->Free();
  EXPECT_EQ(Menu->GetImages(), nullptr) << "a freed image list is forgotten";
  EXPECT_EQ(GetMenuState(Menu->GetHandle(), 0, MF_BYPOSITION) & MF_OWNERDRAW, 0u);
}

// ---- Form resources ---------------------------------------------------------------------------------
class TMenuTestForm : public TForm {
  DECLARE_CLASS(TMenuTestForm, TForm)
 public:
  void N1Click(TObject* Sender) { Journal().push_back("N1Click " + As<TComponent>(Sender)->GetName()); }
};

IMPLEMENT_CLASS_PUBLISHED(TMenuTestForm) { d.Method("N1Click", &TMenuTestForm::N1Click); }

const char* const MenuFormText = R"(object MenuTestForm: TMenuTestForm
  Left = 100
  Top = 100
  Width = 300
  Height = 200
  Caption = 'Menus'
  object pm1: TPopupMenu
    Alignment = paRight
    Left = 8
    Top = 8
    object N1: TMenuItem
      Caption = #21024#38500#35813#35760#24405
      ShortCut = 16452
      OnClick = N1Click
    end
    object N2: TMenuItem
      Caption = '-'
    end
    object N3: TMenuItem
      Caption = 'More'
      object N4: TMenuItem
        Caption = 'Inner'
        Checked = True
        RadioItem = True
      end
    end
  end
end
)";

TEST_F(Menus, MenusAreReadFromAndWrittenToFormResourcesWithTheirItemsAsChildren) {
  RegisterClass(TPopupMenu::StaticClass());
  RegisterFormText(TMenuTestForm::StaticClass(), MenuFormText);
  auto* form = Application->CreateForm<TMenuTestForm>();
  auto* pm1 = As<TPopupMenu>(form->FindComponent("pm1"));
  ASSERT_TRUE(pm1);
  TMenuItem* root = pm1->GetItems();
  ASSERT_EQ(root->GetCount(), 3);
  TMenuItem* n1 = root->GetItem(0);
  EXPECT_EQ(n1->GetName(), "N1");
  EXPECT_EQ(n1->GetCaption(), "\xE5\x88\xA0\xE9\x99\xA4\xE8\xAF\xA5\xE8\xAE\xB0\xE5\xBD\x95");
  EXPECT_EQ(ShortCutToText(n1->GetShortCut()), "Ctrl+D");
  EXPECT_TRUE(root->GetItem(1)->IsLine());
  ASSERT_EQ(root->GetItem(2)->GetCount(), 1);
  EXPECT_TRUE(root->GetItem(2)->GetItem(0)->GetChecked());
  EXPECT_EQ(pm1->GetAlignment(), paRight);
  EXPECT_EQ(n1->GetParentComponent(), pm1);

  n1->Click();
  EXPECT_EQ(Journal(), std::vector<String>{"N1Click N1"}) << "the event is bound by name";
}

// A root that writes the components it owns, as a form or data module does.
class TMenuHost : public TComponent {
  DECLARE_CLASS(TMenuHost, TComponent)
 public:
  void GetChildren(TGetChildProc Proc, TComponent* Root) override {
    for (Integer i = 0; i < ComponentCount(); ++i)
      if (!GetComponent(i)->HasParent()) Proc(GetComponent(i));
  }
};
IMPLEMENT_CLASS(TMenuHost)

TEST_F(Menus, ItemsAreWrittenInsideTheirMenuAndParentItemOnlyWhenTheRootOwnsThem) {
  TOwnedPtr<TMenuHost> host = NewOwned<TMenuHost>();
  host->SetName("Host");
  auto* pm = New<TPopupMenu>(host.get());
  pm->SetName("pm1");
  pm->SetAlignment(paRight);
  auto add = [&](TComponent* owner, TMenuItem* parent, const char* name, const char* caption) {
    auto* item = New<TMenuItem>(owner);
    if (owner == host.get()) item->SetName(name);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  };
  TMenuItem* n1 = add(host.get(), pm->GetItems(), "N1", "Delete");
  n1->SetShortCut(TextToShortCut("Ctrl+D"));
  TMenuItem* n3 = add(host.get(), pm->GetItems(), "N3", "More");
  add(host.get(), n3, "N4", "Inner")->SetRadioItem(true);
  add(Form, pm->GetItems(), "", "Added by another component");
  String text = FormText(host.get());
  for (const char* part : {"object pm1: TPopupMenu", "Alignment = paRight", "object N1: TMenuItem", "ShortCut = 16452",
                           "object N4: TMenuItem", "RadioItem = True"})
    EXPECT_NE(text.find(part), String::npos) << part << "\n" << text;
  EXPECT_LT(text.find("object N3"), text.find("object N4")) << "sub-items are written inside their parent";
  EXPECT_EQ(text.find("Added by another"), String::npos) << text;
}

}  // namespace
