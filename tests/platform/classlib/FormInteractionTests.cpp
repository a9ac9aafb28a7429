// A form shown on the headless desktop: injected clicks and keys reach its controls through the
// application's loop (dialog keys move the focus), a press holds the capture, the pointer's control
// gets enter and leave notifications, modal loops keep timers running, and an exception from a
// handler is shown while the loop goes on.
#include "ClasslibTestSupport.h"

#include <filesystem>

#include "GdiSurface.h"
#include "HeadlessBackend.h"
#include "WinGdi.h"
#include "WinUser.h"

using namespace ClasslibTest;

namespace {

class FormInteraction : public TClasslibFixture {
 protected:
  TTestMainForm* ShowMainForm() {
    auto* form = Application->CreateForm<TTestMainForm>();
    form->Show();
    Application->ProcessMessages();
    return form;
  }
  template <class T>
  static T* Find(TComponent* root, const char* name) {
    return As<T>(root->FindComponent(name));
  }
  static void ClickAt(TControl* control, int x = 5, int y = 5) {
    TPoint p = control->ClientToScreen(TPoint(x, y));
    InjectClick(p.x, p.y);
    Application->ProcessMessages();
  }
  // A pixel of the form's client area as shown, as a COLORREF.
  static COLORREF ClientPixel(TCustomForm* form, int x, int y) {
    TGdiSurface picture;
    EXPECT_TRUE(CaptureWindow(form->GetHandle(), picture));
    RECT w;
    GetWindowRect(form->GetHandle(), &w);
    TPoint origin = form->ClientToScreen(TPoint(0, 0));
    uint32_t p = picture.Pixel(origin.x - w.left + x, origin.y - w.top + y);
    return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
  }
  static void Press(int vk) {
    InjectKeyPress(vk);
    Application->ProcessMessages();
  }
};

TEST_F(FormInteraction, AnswersClicksAndKeysThroughItsEventsAndSavesItsPicture) {
  TTestMainForm* form = ShowMainForm();
  auto* button = Find<TTestButton>(form, "Button1");
  auto* entry1 = Find<TTestButton>(form, "Entry1");
  auto* entry2 = Find<TTestButton>(form, "Entry2");
  ASSERT_TRUE(form->Showing());
  EXPECT_TRUE(entry1->Focused()) << "the active control read from the resource takes the focus";

  Journal().clear();
  ClickAt(button);
  EXPECT_EQ(Journal(), (std::vector<String>{"Click Button1", "ButtonClick Button1"}));

  Press(VK_TAB);
  EXPECT_TRUE(entry1->Focused());
  EXPECT_EQ(form->GetActiveControl(), entry1);
  Journal().clear();
  InjectText("a中");
  Application->ProcessMessages();
  ASSERT_FALSE(Journal().empty());
  EXPECT_EQ(Journal().front(), "KeyPress Entry1 a");

  Press(VK_TAB);
  EXPECT_TRUE(entry2->Focused());
  Press(VK_TAB);
  EXPECT_TRUE(button->Focused()) << "Tab wraps round to the first control";
  InjectKey(VK_SHIFT, true);
  Press(VK_TAB);
  InjectKey(VK_SHIFT, false);
  Application->ProcessMessages();
  EXPECT_TRUE(entry2->Focused()) << "Shift+Tab walks backwards";
  Press(VK_UP);
  EXPECT_TRUE(entry1->Focused()) << "arrows move among the siblings";
  Press(VK_DOWN);
  EXPECT_TRUE(entry2->Focused());

  EXPECT_EQ(ClientPixel(form, 250, 40), ColorToRGB(clNavy)) << "the panel paints its colour";
  EXPECT_EQ(ClientPixel(form, 100, 70), ColorToRGB(clWhite));
  EXPECT_EQ(ClientPixel(form, 150, 45), ColorToRGB(clNavy)) << "the label takes its parent's colour";
  EXPECT_EQ(ClientPixel(form, 250, 150), ColorToRGB(clBtnFace)) << "the form erases with its colour";

  String file = (std::filesystem::temp_directory_path() / "classlib-main-form.png").string();
  ASSERT_TRUE(SaveWindowPng(form->GetHandle(), file));
  EXPECT_GT(std::filesystem::file_size(file), 100u);
  std::filesystem::remove(file);
}

TEST_F(FormInteraction, APressHoldsTheCaptureAndClicksOnlyWhenReleasedInside) {
  TTestMainForm* form = ShowMainForm();
  auto* label = Find<TTestLabel>(form, "Label1");
  auto* panel = Find<TTestPanel>(form, "Panel1");
  TPoint inside = label->ClientToScreen(TPoint(5, 5));
  TPoint outside = label->ClientToScreen(TPoint(5, 80));

  Journal().clear();
  InjectMouseMove(inside.x, inside.y);
  InjectMouseButton(0, true);
  Application->ProcessMessages();
  EXPECT_EQ(GetCaptureControl(), label);
  EXPECT_EQ(GetCapture(), panel->GetHandle()) << "a non-windowed control captures through its parent";
  InjectMouseMove(outside.x, outside.y);
  InjectMouseButton(0, false);
  Application->ProcessMessages();
  EXPECT_EQ(GetCaptureControl(), nullptr);
  EXPECT_TRUE(Journal().empty()) << "released outside: no click";

  ClickAt(label);
  EXPECT_EQ(Journal(), (std::vector<String>{"Click Label1", "ButtonClick Label1"}));
}

TEST_F(FormInteraction, ThePointersControlGetsEnterAndLeave) {
  TTestMainForm* form = ShowMainForm();
  auto* label = Find<TTestLabel>(form, "Label1");
  auto* button = Find<TTestButton>(form, "Button1");
  std::vector<String> log;
  for (TControl* c : std::initializer_list<TControl*>{label, button}) {
    c->OnMouseEnter = [&log, c](TObject*) { log.push_back("enter " + c->GetName()); };
    c->OnMouseLeave = [&log, c](TObject*) { log.push_back("leave " + c->GetName()); };
  }
  for (TControl* c : std::initializer_list<TControl*>{label, button, label}) {
    TPoint p = c->ClientToScreen(TPoint(3, 3));
    InjectMouseMove(p.x, p.y);
    Application->ProcessMessages();
  }
  EXPECT_EQ(log, (std::vector<String>{"enter Label1", "leave Label1", "enter Button1", "leave Button1", "enter Label1"}));
  Journal().clear();
  TPoint empty = form->ClientToScreen(TPoint(250, 150));
  InjectMouseMove(empty.x, empty.y);
  Application->ProcessMessages();
  EXPECT_EQ(log.back(), "leave Label1") << "moving on to another window leaves the control";
  EXPECT_EQ(MouseControl(), form);
  label->OnMouseEnter = label->OnMouseLeave = button->OnMouseEnter = button->OnMouseLeave = nullptr;
}

TEST_F(FormInteraction, AModalFormRunsItsOwnLoopWithTimersAndAnswersItsResult) {
  TTestMainForm* main = ShowMainForm();
  struct TCase {
    const char* Name;
    bool CloseBox;  // ended by WM_CLOSE instead of setting ModalResult
    TModalResult Expected;
  };
  for (const TCase& c : {TCase{"result", false, mrOk}, TCase{"close box", true, mrCancel}}) {
    auto* dialog = TCustomForm::CreateNew<TForm>(Application);
    dialog->SetBounds(50, 50, 200, 100);
    auto* ticker = CreateComponent<TTestTicker>(dialog);
    ticker->SetInterval(10);
    int ticks = 0;
    bool mainDisabled = false;
    ticker->SetOnTimer([&](TObject*) {
      if (++ticks < 3) return;
      mainDisabled = !IsWindowEnabled(main->GetHandle());
      ticker->SetEnabled(false);
      if (c.CloseBox) PostMessage(dialog->GetHandle(), WM_CLOSE, 0, 0);
      else dialog->ModalResult = mrOk;
    });
    EXPECT_EQ(dialog->ShowModal(), c.Expected) << c.Name;
    EXPECT_EQ(ticks, 3) << c.Name;
    EXPECT_TRUE(mainDisabled) << c.Name << ": the other forms are disabled while the dialog is up";
    EXPECT_TRUE(IsWindowEnabled(main->GetHandle())) << c.Name;
    EXPECT_FALSE(dialog->GetVisible()) << c.Name;
    EXPECT_EQ(Application->ModalLevel(), 0);
    dialog->Free();
  }
}

TEST_F(FormInteraction, AnExceptionFromAHandlerIsShownAndTheLoopGoesOn) {
  TTestMainForm* form = ShowMainForm();
  auto* button = Find<TTestButton>(form, "Button1");
  Application->SetTitle("计时器");
  int clicks = 0;
  button->OnClick = [&](TObject*) {
    if (++clicks == 1) throw EConvertError("价格无效");
  };
  String boxCaption;
  auto* ticker = CreateComponent<TTestTicker>(form);
  ticker->SetInterval(10);
  ticker->SetOnTimer([&](TObject*) {
    HWND box = GetActiveWindow();
    if (box == form->GetHandle()) return;  // the box is not up yet
    ticker->SetEnabled(false);
    boxCaption = GetWindowTextString(box);
    InjectKeyPress(VK_RETURN);
  });
  ClickAt(button);
  EXPECT_EQ(boxCaption, "计时器") << "the message box carries the application's title";
  EXPECT_EQ(clicks, 1);
  ClickAt(button);
  EXPECT_EQ(clicks, 2) << "the loop goes on after the exception";
}

TEST_F(FormInteraction, KeyPreviewLetsTheFormSeeKeysFirst) {
  TTestMainForm* form = ShowMainForm();
  auto* entry = Find<TTestButton>(form, "Entry1");
  entry->SetFocus();
  Application->ProcessMessages();
  ASSERT_TRUE(entry->Focused());
  form->SetKeyPreview(true);
  form->OnKeyPress = [](TObject*, char& key) {
    Journal().push_back(String("form ") + key);
    if (key == 'x') key = 0;  // swallowed: the control never sees it
  };
  Journal().clear();
  InjectText("xy");
  Application->ProcessMessages();
  EXPECT_EQ(Journal(), (std::vector<String>{"form x", "form y", "KeyPress Entry1 y"}));
}

TEST_F(FormInteraction, RunEndsWhenTheMainFormCloses) {
  TTestMainForm* form = Application->CreateForm<TTestMainForm>();
  auto* ticker = As<TTestTicker>(form->FindComponent("Ticker1"));
  ticker->SetOnTimer([&](TObject*) {
    if (++form->Ticks == 2) PostMessage(form->GetHandle(), WM_CLOSE, 0, 0);
  });
  bool closed = false;
  form->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_TRUE(closed);
  EXPECT_GE(form->Ticks, 2);
}

TEST_F(FormInteraction, AControlClaimingTabThroughItsDialogCodeKeepsIt) {
  TTestMainForm* form = ShowMainForm();
  auto* entry = Find<TTestButton>(form, "Entry1");
  entry->SetFocus();
  TWndMethod old = entry->WindowProc;
  entry->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_GETDLGCODE) m.Result = DLGC_WANTTAB;
    else old(m);
  };
  Journal().clear();
  Press(VK_TAB);
  EXPECT_TRUE(entry->Focused());
  EXPECT_EQ(Journal(), std::vector<String>{"KeyPress Entry1 \t"});
  entry->WindowProc = old;
  Press(VK_TAB);
  EXPECT_FALSE(entry->Focused());
}

TEST_F(FormInteraction, ADoubleBufferedControlPaintsTheSame) {
  TTestMainForm* form = ShowMainForm();
  auto* panel = Find<TTestPanel>(form, "Panel1");
  panel->SetDoubleBuffered(true);
  panel->Repaint();
  EXPECT_EQ(ClientPixel(form, 250, 40), ColorToRGB(clNavy));
  EXPECT_EQ(ClientPixel(form, 50, 20), ColorToRGB(clSilver)) << "windowed children paint themselves";
  EXPECT_EQ(ClientPixel(form, 150, 45), ColorToRGB(clNavy)) << "non-windowed children paint into the buffer";
}

TEST_F(FormInteraction, ClosingAsksTheFormThenHidesOrFreesIt) {
  ShowMainForm();
  auto* second = TCustomForm::CreateNew<TForm>(Application);
  second->SetBounds(20, 20, 200, 120);
  std::vector<String> log;
  bool canClose = false;
  TCloseAction action = caHide;
  second->OnShow = [&](TObject*) { log.push_back("show"); };
  second->OnHide = [&](TObject*) { log.push_back("hide"); };
  second->OnCloseQuery = [&](TObject*, bool& ok) { ok = canClose; };
  second->OnClose = [&](TObject*, TCloseAction& a) { a = action; };
  Integer forms = Screen->FormCount();

  second->Show();
  second->Close();
  EXPECT_TRUE(second->GetVisible()) << "the close query refused";
  canClose = true;
  second->Close();
  EXPECT_FALSE(second->GetVisible());
  second->Show();
  action = caFree;
  second->Close();
  EXPECT_EQ(Screen->FormCount(), forms) << "freed only once the queued messages are handled";
  Application->ProcessMessages();
  EXPECT_EQ(Screen->FormCount(), forms - 1);
  EXPECT_EQ(log, (std::vector<String>{"show", "hide", "show"}));
}

TEST_F(FormInteraction, ThePointerShowsTheCursorOfTheControlUnderIt) {
  TTestMainForm* form = ShowMainForm();
  auto* label = Find<TTestLabel>(form, "Label1");
  auto* entry = Find<TTestButton>(form, "Entry1");
  label->SetCursor(crHandPoint);
  entry->SetCursor(crIBeam);
  struct TCase {
    TControl* Over;
    TCursor ScreenCursor;
    const char* Expected;
  };
  const TCase cases[] = {{label, crDefault, IDC_HAND}, {entry, crDefault, IDC_IBEAM}, {form, crDefault, IDC_ARROW},
                         {label, crHourGlass, IDC_WAIT}};
  for (const TCase& c : cases) {
    Screen->SetCursor(c.ScreenCursor);
    TPoint p = c.Over == form ? form->ClientToScreen(TPoint(250, 150)) : c.Over->ClientToScreen(TPoint(3, 3));
    InjectMouseMove(p.x, p.y);
    Application->ProcessMessages();
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, c.Expected)) << c.Over->GetName() << " " << c.ScreenCursor;
  }
  Screen->SetCursor(crDefault);
}

}  // namespace

namespace {

TEST_F(FormInteraction, TheDesktopIsOneMonitorWithItsWorkArea) {
  TMonitor* m = Screen->MonitorFromPoint(TPoint(10, 10));
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(Screen->MonitorCount(), 1);
  EXPECT_EQ(Screen->Monitors(0), m);
  EXPECT_TRUE(m->GetPrimary());
  EXPECT_EQ(m->GetBoundsRect(), TRect(0, 0, Screen->Width(), Screen->Height()));
  EXPECT_EQ(m->GetWorkareaRect(), Screen->WorkAreaRect());
  struct TCase {
    TPoint at;
    TMonitorDefaultTo fallback;
    bool found;
  };
  for (const TCase& c : {TCase{TPoint(-50, 10), mdNearest, true}, TCase{TPoint(-50, 10), mdPrimary, true},
                         TCase{TPoint(-50, 10), mdNull, false}, TCase{TPoint(5000, 5000), mdNull, false},
                         TCase{TPoint(100, 100), mdNull, true}}) {
    SCOPED_TRACE(testing::Message() << c.at.x << "," << c.at.y << " " << c.fallback);
    EXPECT_EQ(Screen->MonitorFromPoint(c.at, c.fallback) != nullptr, c.found);
  }
}

}  // namespace
