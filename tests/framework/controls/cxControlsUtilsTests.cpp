// The base-control unit's routines: accelerator marks, window kinship, point positions, the work
// area, drag detection, hourglass nesting, popup-menu helpers, the design controller and the unit's
// cursors (their pictures written as a PNG).
#include "cxControlsTestSupport.h"

#include <cstdlib>

#include "FormatSettings.h"
#include "ExtCtrls.h"
#include "GdiPng.h"
#include "Menus.h"
#include "PixelSurface.h"
#include "RtlMath.h"
#include "cxGraphicsFunctions.h"
#include "WinGdi.h"

using namespace cxControlsTest;

namespace {

TEST(cxControlsRoutines, RemoveAccelCharsKeepsTheMarkedCharacters) {
  struct TCase {
    const char* Text;
    bool AppendTermChar;
    const char* Expected;
  };
  const TCase cases[] = {
      {"Save && E&xit", true, "Save & Exit"}, {"&File", true, "File"}, {"Ends in &", true, "Ends in _"},
      {"Ends in &", false, "Ends in "},        {"", true, ""},          {"&&&", true, "&_"},
      {"标签&页", true, "标签页"},
  };
  for (const TCase& c : cases) EXPECT_EQ(RemoveAccelChars(c.Text, c.AppendTermChar), c.Expected) << c.Text;
}

TEST(cxControlsRoutines, GetPointPositionSplitsBySidesOrDiagonals) {
  const TRect r(0, 0, 100, 100);
  struct TCase {
    TPoint P;
    bool Horz, Vert;
    TcxPosition Expected;
  };
  const TCase cases[] = {
      {{50, 50}, true, true, posTop},   {{50, 10}, true, true, posTop},     {{10, 50}, true, true, posLeft},
      {{90, 50}, true, true, posRight}, {{50, 90}, true, true, posBottom},  {{49, 70}, true, false, posLeft},
      {{50, 70}, true, false, posRight}, {{70, 49}, false, true, posTop},   {{70, 50}, false, true, posBottom},
      {{70, 50}, false, false, posNone},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(GetPointPosition(r, c.P, c.Horz, c.Vert), c.Expected) << c.P.x << "," << c.P.y << " " << c.Horz << c.Vert;
}

TEST(cxControlsRoutines, KeysCharactersAndAppCommands) {
  EXPECT_EQ(ShiftStateToKeys(TShiftState{ssShift, ssCtrl, ssLeft, ssRight, ssMiddle, ssAlt, ssDouble}),
            WPARAM(MK_SHIFT | MK_CONTROL | MK_LBUTTON | MK_RBUTTON | MK_MBUTTON));
  EXPECT_EQ(GET_APPCOMMAND_LPARAM(static_cast<LPARAM>(0xF0030000)), 3);
  for (char c : {'+', '-', '0', '9'}) EXPECT_TRUE(IsNumericChar(c, ntInteger)) << c;
  EXPECT_FALSE(IsNumericChar(FormatSettings.DecimalSeparator, ntInteger));
  EXPECT_TRUE(IsNumericChar(FormatSettings.DecimalSeparator, ntFloat));
  EXPECT_FALSE(IsNumericChar('e', ntFloat));
  EXPECT_TRUE(IsNumericChar('E', ntExponent));
  EXPECT_TRUE(IsTextChar(' '));
  EXPECT_FALSE(IsTextChar('\t'));
  EXPECT_TRUE(IsTextChar("汉"[0])) << "a byte of a multibyte character is text";
}

using ControlsRoutines = TControlsFixture;

TEST_F(ControlsRoutines, WindowsAreTheirOwnAncestorsOnlyForTheExtendedTests) {
  auto* panel = Add<TcxControl>(10, 10, 100, 100);
  auto* child = Add<TcxControl>(10, 10, 50, 50, panel);
  ShowForm();
  const HWND form = Form->GetHandle(), p = panel->GetHandle(), c = child->GetHandle();
  EXPECT_FALSE(IsOwner(c, c));
  EXPECT_TRUE(IsOwnerEx(c, c));
  EXPECT_TRUE(IsOwner(form, c));
  EXPECT_FALSE(IsOwner(c, form));
  EXPECT_FALSE(IsOwner(nullptr, c));
  EXPECT_TRUE(IsChildEx(p, c));
  EXPECT_TRUE(IsChildEx(c, c));
  EXPECT_FALSE(IsChildEx(nullptr, c));
  EXPECT_TRUE(IsChildClassWindow(c));
  EXPECT_FALSE(IsChildClassWindow(form));
  TPoint pt(0, 0);
  MapWindowPoint(c, nullptr, pt);
  EXPECT_EQ(pt, child->ClientToScreen(TPoint(0, 0)));
  TRect r(1, 2, 3, 4);
  MapWindowRect(c, p, r);
  EXPECT_EQ(r, TRect(11, 12, 13, 14));
  auto* loose = CreateComponent<TcxControl>(nullptr);
  EXPECT_FALSE(CanAllocateHandle(loose));
  EXPECT_TRUE(CanAllocateHandle(child));
  loose->Free();
}

TEST_F(ControlsRoutines, MakeVisibleOnDesktopKeepsTheLeftAndTopEdgesInside) {
  const RECT area{0, 0, 800, 600};
  TWorkAreaOverride workArea(area);
  struct TCase {
    TRect R, Expected;
  };
  const TCase cases[] = {
      {{750, 580, 850, 680}, {700, 500, 800, 600}},  // past the right and bottom edges
      {{-20, -10, 80, 90}, {0, 0, 100, 100}},        // past the left and top edges
      {{100, 100, 200, 200}, {100, 100, 200, 200}},  // inside
      {{300, 200, 1300, 900}, {0, 0, 1000, 700}},    // larger than the area
  };
  for (const TCase& c : cases) {
    TRect r = c.R;
    MakeVisibleOnDesktop(r, r.TopLeft());
    EXPECT_EQ(r, c.Expected) << c.R.left << "," << c.R.top;
  }
  EXPECT_EQ(GetDesktopWorkArea(TPoint(5, 5)), TRect(area));
}

TEST_F(ControlsRoutines, DragDetectAnswersWhatEndsTheWait) {
  auto* control = Add<TcxControl>(0, 0, 100, 100);
  Form->SetBounds(0, 0, 200, 200);
  ShowForm();
  const TPoint origin = control->ClientToScreen(TPoint(0, 0));
  struct TCase {
    const char* Name;
    int StartX;  // where the press is, in the control
    std::function<void()> Input;
    TcxDragDetect Expected;
  };
  const TCase cases[] = {
      {"moved out of the drag square", 10, [&] { InjectMouseMove(origin.x + 20, origin.y + 20); }, ddDrag},
      {"released", 10, [&] { InjectMouseButton(0, false); }, ddNone},
      {"Escape", 10, [&] { InjectKeyPress(VK_ESCAPE); }, ddCancel},
      // Left of the window the coordinates are negative, not large: a one-pixel move is no drag.
      {"one pixel left of the window, then released", 0,
       [&] {
         InjectMouseMove(origin.x - 1, origin.y + 10);
         InjectMouseButton(0, false);
       },
       ddNone},
  };
  // The input comes once the wait has begun: a message it dispatches gives it.
  const TCase* current = nullptr;
  HWND input = AllocateHWnd([&](TMessage& Message) {
    if (Message.Msg == WM_USER) current->Input();
  });
  for (const TCase& c : cases) {
    InjectMouseMove(origin.x + c.StartX, origin.y + 10);
    InjectMouseButton(0, true);
    Application->ProcessMessages();
    current = &c;
    PostMessage(input, WM_USER, 0, 0);
    EXPECT_EQ(DragDetect(control->GetHandle()), c.Expected) << c.Name;
    EXPECT_NE(GetCapture(), control->GetHandle()) << c.Name;
    InjectMouseButton(0, false);
    Application->ProcessMessages();
  }
  DeallocateHWnd(input);
}

TEST_F(ControlsRoutines, ADialogTakesAFontAndGrowsWithItsText) {
  Form->SetClientWidth(200);
  Form->SetClientHeight(100);
  auto* child = Add<TcxControl>(10, 20, 40, 30);
  auto* font = New<TFont>();
  font->Assign(Form->GetFont());
  const Integer before = cxTextHeight(font, "Qq");
  font->SetSize(font->GetSize() * 2);
  const Integer after = cxTextHeight(font, "Qq");
  ASSERT_GT(after, before);
  DialogApplyFont(Form, font);
  EXPECT_EQ(Form->GetFont()->GetSize(), font->GetSize());
  EXPECT_EQ(Form->GetClientWidth(), MulDiv(200, after, before));
  EXPECT_EQ(Form->GetClientHeight(), MulDiv(100, after, before));
  EXPECT_EQ(child->GetWidth(), MulDiv(40, after, before));
  font->Free();
}

TEST_F(ControlsRoutines, HourglassShowsNestAndTheLastHideRestores) {
  Screen->SetCursor(crHandPoint);
  ShowHourglassCursor();
  ShowHourglassCursor();
  EXPECT_EQ(Screen->GetCursor(), crHourGlass);
  HideHourglassCursor();
  EXPECT_EQ(Screen->GetCursor(), crHourGlass);
  HideHourglassCursor();
  EXPECT_EQ(Screen->GetCursor(), crHandPoint);
  HideHourglassCursor();  // one too many changes nothing
  EXPECT_EQ(Screen->GetCursor(), crHandPoint);
  Screen->SetCursor(crDefault);
}

// A menu of the framework's own kind, recording what it is asked.
class TTestPopupMenu : public TComponent, public IcxPopupMenu {
  DECLARE_CLASS(TTestPopupMenu, TComponent)
 public:
  explicit TTestPopupMenu(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  std::vector<TPoint> Popups;
  Word ShortCutKey = 0;
  bool IsShortCutKey(TMessage& Message) override { return Message.WParam == ShortCutKey; }
  void Popup(Integer X, Integer Y) override { Popups.push_back(TPoint(X, Y)); }
};
IMPLEMENT_CLASS(TTestPopupMenu)

TEST_F(ControlsRoutines, PopupMenuHelpersTakeEitherKindOfMenu) {
  auto* menu = New<TTestPopupMenu>(Form);
  menu->ShortCutKey = VK_F2;
  EXPECT_TRUE(ShowPopupMenu(Form, menu, 10, 20));
  EXPECT_EQ(menu->Popups, std::vector<TPoint>{TPoint(10, 20)});
  EXPECT_FALSE(ShowPopupMenu(Form, nullptr, 10, 20));
  EXPECT_FALSE(ShowPopupMenu(Form, Form, 10, 20)) << "a component that is no menu";
  auto* classLibraryMenu = New<TPopupMenu>(Form);
  classLibraryMenu->SetAutoPopup(false);
  EXPECT_FALSE(ShowPopupMenu(Form, classLibraryMenu, 10, 20)) << "a menu that does not pop up by itself";
  TMessage key{CN_KEYDOWN, VK_F2, 0, 0};
  EXPECT_TRUE(IsPopupMenuShortCut(menu, key));
  key.WParam = VK_F3;
  EXPECT_FALSE(IsPopupMenuShortCut(menu, key));
  EXPECT_FALSE(IsPopupMenuShortCut(nullptr, key));
}

TEST_F(ControlsRoutines, GetPopupMenuHeightAddsTheVisibleItems) {
  auto* menu = New<TPopupMenu>(Form);
  for (const char* caption : {"一", "二", "三"}) {
    auto* item = New<TMenuItem>(Form);
    item->SetCaption(caption);
    menu->GetItems()->Add(item);
  }
  const Integer three = GetPopupMenuHeight(menu);
  menu->GetItems()->GetItem(1)->SetVisible(false);
  const Integer two = GetPopupMenuHeight(menu);
  EXPECT_GT(two, 4);
  EXPECT_EQ(three - two, (two - 4) / 2);
}

// Tells how often the form was said to have changed.
class TTestDesigner : public IDesignerNotify {
 public:
  int Count = 0;
  std::function<void()> OnModified;
  void Modified() override {
    ++Count;
    if (OnModified) OnModified();
  }
};

TEST_F(ControlsRoutines, TheDesignerHearsOfChangesOnceAtATimeAndNotWhileLocked) {
  TTestDesigner designer;
  Form->SetDesigner(&designer);
  TcxDesignController* controller = DesignController();
  designer.OnModified = [&] { controller->DesignerModified(Form); };  // a change made while telling
  controller->DesignerModified(Form);
  EXPECT_EQ(designer.Count, 1);
  controller->LockDesignerModified();
  controller->DesignerModified(Form);
  EXPECT_EQ(designer.Count, 1);
  controller->UnLockDesignerModified();
  controller->UnLockDesignerModified();  // one too many is ignored
  EXPECT_FALSE(controller->IsDesignerModifiedLocked());
  controller->DesignerModified(Form);
  EXPECT_EQ(designer.Count, 2);
  // A component tells only while it is being designed.
  designer.OnModified = nullptr;
  auto* control = Add<TcxControl>(0, 0, 10, 10);
  SetDesignerModified(control);
  EXPECT_EQ(designer.Count, 2);
  Form->SetDesigner(nullptr);
}

TEST(cxControlsCursors, TheUnitsCursorsAreLoadedAndDrawn) {
  EXPECT_EQ(Screen->GetCursors(crcxHandPoint), LoadCursor(nullptr, IDC_HAND));
  const TCursor cursors[] = {crcxDragCopy,  crcxFullScroll, crcxHorScroll,  crcxVerScroll, crcxUpScroll,
                             crcxRightScroll, crcxDownScroll, crcxLeftScroll, crcxRemove,    crcxVertSize,
                             crcxHorzSize,  crcxMultiDrag,  crcxNoDrop,     crcxDrag,      crcxColorPicker};
  using namespace PixelSurface;
  TSurface s(8 + 40 * static_cast<int>(std::size(cursors)), 48);
  s.Cx->FillRect(TRect(0, 0, s.Width, 48), clGray);
  int x = 8;
  for (TCursor c : cursors) {
    HCURSOR handle = Screen->GetCursors(c);
    EXPECT_NE(handle, Screen->GetCursors(crDefault)) << c;
    POINT hot;
    SIZE size;
    const BYTE *andMask, *xorMask;
    ASSERT_TRUE(GetCursorShape(handle, &hot, &size, &andMask, &xorMask)) << c;
    int drawn = 0;
    const int stride = ((size.cx + 15) / 16) * 2;
    for (int py = 0; py < size.cy; ++py)
      for (int px = 0; px < size.cx; ++px) {
        const int bit = 0x80 >> (px % 8);
        if (andMask[py * stride + px / 8] & bit) continue;
        ++drawn;
        s.Cx->SetPixel(x + px, 8 + py, (xorMask[py * stride + px / 8] & bit) ? clWhite : clBlack);
      }
    EXPECT_GT(drawn, 20) << c;
    x += 40;
  }
  const char* dir = std::getenv("GDI_SNAPSHOT_DIR");
  EXPECT_TRUE(SaveDCToPng(s.DC, std::string(dir ? dir : std::getenv("HOME")) + "/controls-cursors.png"));
}

}  // namespace
