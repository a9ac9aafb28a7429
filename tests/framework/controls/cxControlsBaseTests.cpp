// The base control: keyboard-interface codes, its popup menu of either kind and the context menu,
// wheel scrolling, focus on click (also when a handler frees the control), font listeners, the
// mouse capture object and the enter and leave events.
#include "cxControlsTestSupport.h"

#include "Menus.h"

using namespace cxControlsTest;

namespace {

class TTestPopupMenu : public TComponent, public IcxPopupMenu {
  DECLARE_CLASS(TTestPopupMenu, TComponent)
 public:
  explicit TTestPopupMenu(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  std::vector<TPoint> Popups;
  bool IsShortCutKey(TMessage& Message) override { return Message.WParam == VK_F2; }
  void Popup(Integer X, Integer Y) override { Popups.push_back(TPoint(X, Y)); }
};
IMPLEMENT_CLASS(TTestPopupMenu)

class BaseControl : public TControlsFixture {
 protected:
  TScrollingControl* Control = nullptr;
  void SetUp() override {
    TControlsFixture::SetUp();
    Control = Add<TScrollingControl>(10, 10, 200, 100);
    ShowForm();
  }
};

TEST_F(BaseControl, DialogCodesFollowTheKeysTabOnlyWithoutCtrl) {
  struct TCase {
    TcxKeys Keys;
    bool Ctrl;
    LRESULT Code;
  };
  const TCase cases[] = {
      {{}, false, 0},
      {{kArrows}, false, DLGC_WANTARROWS},
      {{kTab}, false, DLGC_WANTTAB},
      {{kTab}, true, 0},
      {{kAll, kArrows, kChars, kTab}, false, DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB},
  };
  for (const TCase& c : cases) {
    Control->SetKeys(c.Keys);
    SetKeyState(VK_CONTROL, c.Ctrl);
    EXPECT_EQ(SendMessage(Control->GetHandle(), WM_GETDLGCODE, 0, 0), c.Code);
  }
  SetKeyState(VK_CONTROL, false);
}

TEST_F(BaseControl, ThePopupMenuIsAClassLibraryMenuOrAnIcxPopupMenu) {
  auto* menu = New<TPopupMenu>(Form);
  Control->SetPopupMenu(menu);
  EXPECT_EQ(Control->GetPopupMenu(), menu);
  EXPECT_EQ(static_cast<TControl*>(Control)->TControl::GetPopupMenu(), menu);
  auto* own = New<TTestPopupMenu>(Form);
  Control->SetPopupMenu(own);
  EXPECT_EQ(Control->GetPopupMenu(), own);
  EXPECT_EQ(static_cast<TControl*>(Control)->TControl::GetPopupMenu(), nullptr) << "the class library sees no menu";
  Control->SetPopupMenu(New<TComponent>(Form));
  EXPECT_EQ(Control->GetPopupMenu(), nullptr) << "a plain component is no menu";
  Control->SetPopupMenu(own);
  own->Free();
  EXPECT_EQ(Control->GetPopupMenu(), nullptr) << "a freed menu is forgotten";
}

TEST_F(BaseControl, TheContextMenuOpensWhereAskedOrAtTheTopLeftForTheKey) {
  auto* menu = New<TTestPopupMenu>(Form);
  Control->SetPopupMenu(menu);
  const TPoint origin = Control->ClientToScreen(TPoint(0, 0));
  SendMessage(Control->GetHandle(), WM_CONTEXTMENU, 0, MAKELPARAM(0xFFFF, 0xFFFF));
  SendMessage(Control->GetHandle(), WM_CONTEXTMENU, 0, MAKELPARAM(origin.x + 30, origin.y + 40));
  SendMessage(Control->GetHandle(), WM_CONTEXTMENU, 0, MAKELPARAM(origin.x + 300, origin.y + 40));  // outside
  EXPECT_EQ(menu->Popups, (std::vector<TPoint>{origin, TPoint(origin.x + 30, origin.y + 40)}));
  // OnContextPopup that handles the request keeps the menu shut; it hears of it once.
  int events = 0;
  Control->OnContextPopup = [&](TObject*, TPoint, bool& Handled) {
    ++events;
    Handled = true;
  };
  SendMessage(Control->GetHandle(), WM_CONTEXTMENU, 0, MAKELPARAM(origin.x + 30, origin.y + 40));
  EXPECT_EQ(menu->Popups.size(), 2u);
  EXPECT_EQ(events, 1);
  // The menu's shortcut keys are menu keys of the control.
  TMessage key{CN_KEYDOWN, VK_F2, 0, 0};
  Control->Dispatch(key);
  EXPECT_EQ(key.Result, 1);
}

TEST_F(BaseControl, TheWheelScrollsLinesOrAPageOnlyWithAVisibleVerticalBar) {
  UINT saved = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &saved, 0);
  MoveTo(Control, 50, 50);
  InjectWheel(-WHEEL_DELTA);
  Application->ProcessMessages();
  EXPECT_TRUE(Control->Scrolls.empty()) << "no vertical bar: the wheel is left to the class library";
  Control->SetContent(100, 1000);
  ASSERT_TRUE(Control->GetVScrollBarVisible());
  InjectWheel(-WHEEL_DELTA);
  Application->ProcessMessages();
  ASSERT_EQ(Control->Scrolls.size(), saved);
  for (const auto& s : Control->Scrolls) EXPECT_TRUE(s.Kind == sbVertical && s.Code == scLineDown);
  // One page per notch: a single page, not a loop over the setting read as a line count.
  Control->Scrolls.clear();
  SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, WHEEL_PAGESCROLL, nullptr, 0);
  InjectWheel(WHEEL_DELTA);
  Application->ProcessMessages();
  ASSERT_EQ(Control->Scrolls.size(), 1u);
  EXPECT_EQ(Control->Scrolls[0].Code, scPageUp);
  SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, saved, nullptr, 0);
  // A handled OnMouseWheel leaves nothing to scroll.
  Control->Scrolls.clear();
  Control->OnMouseWheel = [](TObject*, TShiftState, Integer, TPoint, bool& Handled) { Handled = true; };
  InjectWheel(WHEEL_DELTA);
  Application->ProcessMessages();
  EXPECT_TRUE(Control->Scrolls.empty());
}

TEST_F(BaseControl, AClickFocusesButADoubleClickDoesNot) {
  auto* other = Add<TScrollingControl>(250, 10, 100, 100);
  other->SetFocus();
  Press(Control, 20, 20);
  Release(Control, 20, 20);
  EXPECT_TRUE(Control->Focused());
  other->SetFocus();
  SendMessage(Control->GetHandle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
  SendMessage(Control->GetHandle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_TRUE(other->Focused()) << "double click";
  Control->SetFocusOnClick(false);
  Press(Control, 20, 20);
  Release(Control, 20, 20);
  EXPECT_TRUE(other->Focused()) << "FocusOnClick off";
}

TEST_F(BaseControl, AHandlerMayFreeTheControlDuringAPress) {
  // Freed while it takes the focus, and freed by its own OnMouseDown.
  for (int when = 0; when < 2; ++when) {
    auto* other = Add<TScrollingControl>(250, 10, 100, 100);
    other->SetFocus();
    auto* victim = Add<TScrollingControl>(10, 120, 100, 60);
    auto doomed = [&victim](TObject*) { FreeAndNil(victim); };
    if (when == 0)
      victim->OnEnter = doomed;
    else
      victim->OnMouseDown = [&victim](TObject*, TMouseButton, TShiftState, Integer, Integer) { FreeAndNil(victim); };
    const TPoint p = victim->ClientToScreen(TPoint(10, 10));
    InjectMouseMove(p.x, p.y);
    InjectMouseButton(0, true);
    Application->ProcessMessages();
    InjectMouseButton(0, false);
    Application->ProcessMessages();
    EXPECT_EQ(victim, nullptr) << when;
    other->Free();
  }
}

class TFontListener : public TObject, public TNoRefCountObject, public IcxFontListener {
 public:
  std::vector<TObject*> Senders;
  void FontChanged(TObject* Sender, TFont*) override { Senders.push_back(Sender); }
};

TEST_F(BaseControl, FontListenersHearOfFontChanges) {
  TFontListener first, second;
  Control->AddFontListener(&first);
  Control->AddFontListener(&second);
  Control->GetFont()->SetSize(14);
  Control->RemoveFontListener(&first);
  Control->GetFont()->SetSize(15);
  EXPECT_EQ(first.Senders, std::vector<TObject*>{Control});
  EXPECT_EQ(second.Senders, (std::vector<TObject*>{Control, Control}));
}

class TCaptureObject : public TObject, public TNoRefCountObject, public IcxMouseCaptureObject {
 public:
  int Lost = 0;
  void DoCancelMode() override { ++Lost; }
};

TEST_F(BaseControl, TheMouseCaptureObjectHoldsTheCaptureAndHearsWhenItLosesIt) {
  TCaptureObject first, second;
  Control->SetMouseCaptureObject(&first);
  EXPECT_EQ(GetCapture(), Control->GetHandle());
  Control->SetMouseCaptureObject(&second);
  EXPECT_EQ(first.Lost, 1);
  Control->SetMouseCaptureObject(nullptr);
  EXPECT_EQ(second.Lost, 1);
  EXPECT_NE(GetCapture(), Control->GetHandle());
  // Cancelling the mouse mode lets the object go too.
  Control->SetMouseCaptureObject(&first);
  SendMessage(Control->GetHandle(), WM_CANCELMODE, 0, 0);
  EXPECT_EQ(Control->GetMouseCaptureObject(), nullptr);
  EXPECT_EQ(first.Lost, 2);
}

TEST_F(BaseControl, EnterAndLeaveAreReportedOnceEach) {
  int enters = 0, leaves = 0;
  Control->OnMouseEnter = [&](TObject* Sender) {
    EXPECT_EQ(Sender, Control);
    ++enters;
  };
  Control->OnMouseLeave = [&](TObject*) { ++leaves; };
  MoveTo(Control, 20, 20);
  MoveTo(Control, 30, 20);
  EXPECT_EQ(enters, 1);
  MoveTo(Control, 300, 20);
  EXPECT_EQ(leaves, 1);
}

TEST_F(BaseControl, ScrollContentGoesThroughScrollLineByLine) {
  Control->SetContent(1000, 1000);
  Control->GetVScrollBar()->SetPosition(7);
  Control->ScrollContent(dirNone);
  Control->ScrollContent(dirUp);
  Control->ScrollContent(dirRight);
  ASSERT_EQ(Control->Scrolls.size(), 2u);
  EXPECT_TRUE(Control->Scrolls[0].Kind == sbVertical && Control->Scrolls[0].Code == scLineUp);
  EXPECT_EQ(Control->Scrolls[0].Position, 7);
  EXPECT_TRUE(Control->Scrolls[1].Kind == sbHorizontal && Control->Scrolls[1].Code == scLineDown);
  EXPECT_TRUE(Control->IsInternalControl(Control->GetSizeGrip()));
  EXPECT_FALSE(Control->IsInternalControl(Form));
}

class TTestChild : public TcxControlChildComponent {
  DECLARE_CLASS(TTestChild, TcxControlChildComponent)
 public:
  using TcxControlChildComponent::TcxControlChildComponent;
  int Initialized = 0;

 protected:
  void Initialize() override { ++Initialized; }
};
IMPLEMENT_CLASS(TTestChild)

TEST_F(BaseControl, AChildComponentBelongsToItsControlUntilEitherGoes) {
  auto* owned = TcxControlChildComponent::Create<TTestChild>(Control);
  EXPECT_EQ(owned->Initialized, 1);
  EXPECT_EQ(owned->Owner(), Form);
  EXPECT_EQ(owned->GetParentComponent(), Control);
  EXPECT_TRUE(owned->HasParent());
  auto* loose = TcxControlChildComponent::Create<TTestChild>(Control, false);
  EXPECT_EQ(loose->Owner(), nullptr);
  loose->Free();
  owned->Free();
  // Freed after its control, a child component has nothing left to leave.
  auto* survivor = TcxControlChildComponent::Create<TTestChild>(Control, false);
  FreeAndNil(Control);
  EXPECT_EQ(survivor->GetControl(), nullptr);
  survivor->Free();
}

}  // namespace
