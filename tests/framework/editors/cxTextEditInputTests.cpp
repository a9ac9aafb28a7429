// The text editor's input beyond plain typing: its inner edit (dragging the editor, actions that fall
// back to the data binding, the input method's pending characters, a window made again), the list
// editing styles with their incremental search, and digit grouping while a number is typed.
#include "ActnList.h"
#include "ExtCtrls.h"
#include "FormatSettings.h"
#include "HeadlessBackend.h"
#include "Messages.h"
#include "WinUser.h"
#include "cxEditTestSupport.h"
#include "cxTextEdit.h"

namespace {

using cxEditTest::TEditFixture;

// A binding that takes every action the inner edit does not.
class TActionTakingBinding : public TcxEditDataBinding {
  DECLARE_CLASS(TActionTakingBinding, TcxEditDataBinding)
 public:
  explicit TActionTakingBinding(TcxCustomEdit* AEdit = nullptr) : TcxEditDataBinding(AEdit) {}
  std::vector<String> Taken;
  bool ExecuteAction(ActnList::TBasicAction* Action) override {
    Taken.push_back("execute " + Action->GetName());
    return true;
  }
  bool UpdateAction(ActnList::TBasicAction* Action) override {
    Taken.push_back("update " + Action->GetName());
    return true;
  }
};
IMPLEMENT_CLASS(TActionTakingBinding)

class TActionBoundTextEdit : public TcxTextEdit {
  DECLARE_CLASS(TActionBoundTextEdit, TcxTextEdit)
 public:
  explicit TActionBoundTextEdit(TComponent* AOwner = nullptr) : TcxTextEdit(AOwner) {}
  TActionTakingBinding* GetTakingBinding() const { return static_cast<TActionTakingBinding*>(GetDataBinding()); }

 protected:
  TClass GetDataBindingClass() override { return TActionTakingBinding::StaticClass(); }
};
IMPLEMENT_CLASS(TActionBoundTextEdit)

// Settings of a list editing style, as the combo boxes have.
class TListStyleTextProperties : public TcxTextEditProperties {
  DECLARE_CLASS(TListStyleTextProperties, TcxTextEditProperties)
 public:
  explicit TListStyleTextProperties(TPersistent* AOwner = nullptr) : TcxTextEditProperties(AOwner) {}
  TcxEditEditingStyle Style = esEditList;
  TcxEditEditingStyle GetEditingStyle() override { return Style; }
};
IMPLEMENT_CLASS(TListStyleTextProperties)

class TListStyleTextEdit : public TcxTextEdit {
  DECLARE_CLASS(TListStyleTextEdit, TcxTextEdit)
 public:
  explicit TListStyleTextEdit(TComponent* AOwner = nullptr) : TcxTextEdit(AOwner) {}
  TClass GetPropertiesClass() override { return TListStyleTextProperties::StaticClass(); }
  TListStyleTextProperties* GetListProperties() const { return static_cast<TListStyleTextProperties*>(GetProperties()); }
  // Keys and the wheel move through the items, as in a combo box.
  bool ScrollsItems = false;

 protected:
  bool GetScrollLookupDataList(TcxEditScrollCause AScrollCause) override { return ScrollsItems; }
};
IMPLEMENT_CLASS(TListStyleTextEdit)

// Numeric settings that group digits while the number is typed, as numeric editors do.
class TGroupingTextProperties : public TcxTextEditProperties {
  DECLARE_CLASS(TGroupingTextProperties, TcxTextEditProperties)
 public:
  explicit TGroupingTextProperties(TPersistent* AOwner = nullptr) : TcxTextEditProperties(AOwner) {}
  bool IsEditValueNumeric() override { return true; }
  bool HasDigitGrouping(bool AIsDisplayValueSynchronizing) override { return true; }
};
IMPLEMENT_CLASS(TGroupingTextProperties)

class TGroupingTextEdit : public TcxTextEdit {
  DECLARE_CLASS(TGroupingTextEdit, TcxTextEdit)
 public:
  explicit TGroupingTextEdit(TComponent* AOwner = nullptr) : TcxTextEdit(AOwner) {}
  TClass GetPropertiesClass() override { return TGroupingTextProperties::StaticClass(); }
};
IMPLEMENT_CLASS(TGroupingTextEdit)

class cxTextEditInput : public TEditFixture {
 protected:
  void Focus(TcxCustomTextEdit* AEdit) {
    ShowForm();
    AEdit->SetFocus();
    Application->ProcessMessages();
  }
  static void Type(const String& AText) {
    InjectText(AText);
    Application->ProcessMessages();
  }
  static void Key(int AKey) {
    InjectKeyPress(AKey);
    Application->ProcessMessages();
  }
  static TcxCustomInnerTextEdit* Inner(TcxCustomTextEdit* AEdit) {
    return static_cast<TcxCustomInnerTextEdit*>(AEdit->GetInnerEdit()->GetControl());
  }
};

// ---- The inner edit ----------------------------------------------------------------------------------------------
TEST_F(cxTextEditInput, APressInTheInnerEditDragsTheWholeEditor) {
  auto* edit = Add<TcxTextEdit>(10, 10, 150, 21);
  edit->SetText("drag me");
  edit->SetDragMode(dmAutomatic);
  ShowForm();
  std::vector<String> started;
  edit->SetOnStartDrag([&](TObject* Sender, TDragObject*&) { started.push_back("editor"); });
  Inner(edit)->SetOnStartDrag([&](TObject* Sender, TDragObject*&) { started.push_back("inner edit"); });
  // The drag may wait for the mouse to move: the move comes from a message posted before.
  HWND input = AllocateHWnd([&](TMessage& Message) {
    if (Message.Msg != WM_USER) return;
    const TPoint p = edit->ClientToScreen(TPoint(80, 12));
    InjectMouseMove(p.x, p.y);
  });
  PostMessage(input, WM_USER, 0, 0);
  Press(Inner(edit), 5, 5);
  EXPECT_TRUE(edit->Dragging());
  EXPECT_FALSE(Inner(edit)->Dragging());
  Release(edit, 80, 12);
  EXPECT_FALSE(edit->Dragging());
  EXPECT_EQ(started, std::vector<String>{"editor"});
  DeallocateHWnd(input);
}

TEST_F(cxTextEditInput, ActionsTheInnerEditDoesNotTakeGoToTheDataBinding) {
  auto* edit = Add<TActionBoundTextEdit>(10, 10, 150, 21);
  TOwnedPtr<ActnList::TBasicAction> action(New<ActnList::TBasicAction>(nullptr));
  action->SetName("Refresh");
  EXPECT_TRUE(Inner(edit)->ExecuteAction(action.get()));
  EXPECT_TRUE(Inner(edit)->UpdateAction(action.get()));
  EXPECT_EQ(edit->GetTakingBinding()->Taken, (std::vector<String>{"execute Refresh", "update Refresh"}));
}

TEST_F(cxTextEditInput, InputMethodCharactersReportTheSelectionOfTheirStart) {
  auto* edit = Add<TcxTextEdit>(10, 10, 150, 21);
  edit->SetText("abcdef");
  Focus(edit);
  edit->SetSelection(1, 2);
  IcxInnerTextEdit* helper = edit->GetInnerTextEdit();
  struct TSeen {
    Integer SelStart, SelLength;
    char ImeLastChar;
  };
  std::vector<TSeen> seen;
  // The editor swallows the bytes: what counts is what the helper reports meanwhile.
  edit->SetOnKeyPress([&](TObject*, char& AKey) {
    seen.push_back({helper->GetSelStart(), helper->GetSelLength(), helper->GetImeLastChar()});
    AKey = 0;
  });
  const HWND wnd = Inner(edit)->GetHandle();
  SendMessage(wnd, WM_IME_CHAR, 0xB0A1, 0);
  SendMessage(wnd, EM_SETSEL, 4, 4);  // the window's selection moves; the pending character keeps its own
  EXPECT_EQ(helper->GetSelStart(), 1);
  EXPECT_EQ(helper->GetSelLength(), 2);
  SendMessage(wnd, WM_CHAR, 0xB0, 0);
  SendMessage(wnd, WM_CHAR, 0xA1, 0);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].SelStart, 1);
  EXPECT_EQ(seen[0].SelLength, 2);
  EXPECT_EQ(seen[0].ImeLastChar, static_cast<char>(0xA1)) << "the last byte of a double-byte character";
  EXPECT_EQ(seen[1].SelStart, 1);
  EXPECT_EQ(seen[1].ImeLastChar, 0) << "only one character still to come";
  EXPECT_EQ(helper->GetSelStart(), 4) << "with nothing pending the window's selection counts again";
  EXPECT_EQ(helper->GetSelLength(), 0);
  // A single-byte character is one WM_CHAR and has no last byte.
  seen.clear();
  SendMessage(wnd, WM_IME_CHAR, 'q', 0);
  SendMessage(wnd, WM_CHAR, 'q', 0);
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].SelStart, 4);
  EXPECT_EQ(seen[0].ImeLastChar, 0);
  EXPECT_EQ(edit->GetText(), "abcdef");
}

TEST_F(cxTextEditInput, AWindowMadeAgainKeepsTheText) {
  auto* edit = Add<TcxTextEdit>(10, 10, 150, 21);
  edit->SetText("古董 vase");
  Focus(edit);
  const HWND before = Inner(edit)->GetHandle();
  edit->GetProperties()->SetUseLeftAlignmentOnEditing(false);
  edit->GetProperties()->GetAlignment()->SetHorz(taCenter);
  Application->ProcessMessages();
  EXPECT_NE(Inner(edit)->GetHandle(), before) << "a new alignment makes the window again";
  EXPECT_EQ(edit->GetText(), "古董 vase");
  char buffer[32] = {};
  SendMessage(Inner(edit)->GetHandle(), WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
  EXPECT_STREQ(buffer, "古董 vase") << "the window itself holds the text";
}

TEST_F(cxTextEditInput, TabAndTheEditorsEnterNeverReachThePlatformEdit) {
  auto* edit = Add<TcxTextEdit>(10, 10, 150, 21);
  auto* inplace = static_cast<TcxTextEdit*>(TcxCustomEdit::Create(TcxTextEdit::StaticClass(), Form, true));
  inplace->SetParent(Form);
  inplace->SetBounds(10, 40, 150, 21);
  ShowForm();
  std::vector<String> reached;
  for (TcxTextEdit* e : {edit, inplace})
    Inner(e)->SetOnKeyPress([&reached, e, edit](TObject*, char& AKey) {
      reached.push_back(String(e == edit ? "editor " : "in place ") + std::to_string(int(AKey)));
    });
  auto sendChar = [](TcxTextEdit* AEdit, char AKey) { SendMessage(Inner(AEdit)->GetHandle(), WM_CHAR, AKey, 0); };
  sendChar(edit, '\t');
  EXPECT_EQ(edit->GetText(), "") << "no tab is inserted";
  sendChar(edit, '\r');
  sendChar(inplace, '\r');
  edit->SetEscapeFlag(true);  // a drop-down has just closed on this key
  sendChar(edit, '\r');
  EXPECT_FALSE(edit->GetEscapeFlag()) << "the key that closed the drop-down is used up";
  edit->SetBeepOnEnter(false);
  sendChar(edit, '\r');
  sendChar(edit, 'a');
  EXPECT_EQ(reached, (std::vector<String>{"editor 13", "editor 97"}))
      << "Enter reaches it only in a stand-alone editor that beeps on Enter";
}

TEST_F(cxTextEditInput, CaretIndexAndAnAlignmentKeptLeftWhileEditing) {
  auto* edit = Add<TcxTextEdit>(10, 10, 150, 21);
  edit->SetText("abc");
  Focus(edit);
  edit->SetSelection(3, 0);
  EXPECT_EQ(edit->GetCursorPos(), 3) << "after the last character: the length";
  edit->SetSelection(1, 0);
  EXPECT_EQ(edit->GetCursorPos(), 1);
  const HWND before = Inner(edit)->GetHandle();
  ASSERT_TRUE(edit->GetProperties()->GetUseLeftAlignmentOnEditing());
  edit->GetProperties()->GetAlignment()->SetHorz(taRightJustify);
  Application->ProcessMessages();
  EXPECT_EQ(Inner(edit)->GetHandle(), before) << "editing stays left-aligned: the window is kept";
  EXPECT_EQ(Inner(edit)->GetAlignment(), taLeftJustify);
}

// ---- List editing styles ----------------------------------------------------------------------------------------
class cxTextEditListStyles : public cxTextEditInput {
 protected:
  TListStyleTextEdit* Edit = nullptr;
  void SetUp() override {
    cxTextEditInput::SetUp();
    Edit = Add<TListStyleTextEdit>(10, 10, 150, 21);
    for (const char* item : {"apple", "apricot", "banana"}) Edit->GetProperties()->GetLookupItems()->Add(item);
  }
};

TEST_F(cxTextEditListStyles, EditListCompletesAndRefusesWhatNoItemBegins) {
  Edit->GetListProperties()->Style = esEditList;
  Focus(Edit);
  const struct {
    const char* Typed;
    const char* Text;
    const char* Selected;
  } steps[] = {
      {"a", "apple", "pple"},
      {"p", "apple", "ple"},
      {"r", "apricot", "icot"},
      {"x", "apricot", "icot"},  // no item begins "aprx": refused, the completion stays
  };
  for (const auto& step : steps) {
    Type(step.Typed);
    EXPECT_EQ(Edit->GetText(), step.Text) << step.Typed;
    EXPECT_EQ(Edit->GetSelText(), step.Selected) << step.Typed;
  }
  // Backspace searches again for the text before the selection less one character.
  Key(VK_BACK);
  EXPECT_EQ(Edit->GetText(), "apple");
  EXPECT_EQ(Edit->GetSelText(), "ple");
  // With nothing selected, Backspace selects from the caret to the end first.
  Edit->SetSelection(5, 0);
  Key(VK_BACK);
  EXPECT_EQ(Edit->GetText(), "apple");
  EXPECT_EQ(Edit->GetSelText(), "e");
}

TEST_F(cxTextEditListStyles, FixedListSearchesByTheTypedCharactersOnly) {
  Edit->GetListProperties()->Style = esFixedList;
  Focus(Edit);
  Type("b");
  EXPECT_EQ(Edit->GetText(), "banana");
  EXPECT_EQ(Edit->GetSelText(), "anana");
  Type("z");
  EXPECT_EQ(Edit->GetText(), "banana") << "a character no item takes changes nothing";
  EXPECT_EQ(Edit->GetSelText(), "anana");
  Type("a");
  EXPECT_EQ(Edit->GetText(), "banana") << "the typed prefix grows";
  EXPECT_EQ(Edit->GetSelText(), "nana");
  // Left, Right and Delete neither move nor delete; they end the find selection.
  for (int key : {VK_LEFT, VK_RIGHT, VK_DELETE}) {
    Key(key);
    EXPECT_EQ(Edit->GetText(), "banana");
  }
  EXPECT_FALSE(Edit->GetFindSelection());
  EXPECT_EQ(Edit->GetSelStart(), 0) << "without a find selection a fixed list shows no selection";
  EXPECT_EQ(Edit->GetSelLength(), 0);
  // Without the fixed-list selection Backspace does nothing and every character is a search of its own.
  Edit->GetProperties()->SetFixedListSelection(false);
  Key(VK_BACK);
  EXPECT_EQ(Edit->GetText(), "banana");
  Type("a");
  EXPECT_EQ(Edit->GetText(), "apple");
  Type("p");
  EXPECT_EQ(Edit->GetText(), "apple") << "no item begins with p: the first character's item stays";
}

TEST_F(cxTextEditListStyles, KeysAndTheWheelMoveThroughTheItemsWithoutWrapping) {
  Edit->ScrollsItems = true;
  Integer clicks = 0;
  Edit->OnClick = [&](TObject*) { ++clicks; };
  Focus(Edit);
  const struct {
    int Key;
    bool Ctrl;
    const char* Text;
    Integer Clicks;
  } steps[] = {
      {VK_DOWN, false, "apple", 1},   {VK_DOWN, false, "apricot", 2}, {VK_UP, false, "apple", 3},
      {VK_UP, false, "apple", 3},     // at the first item nothing moves and nothing clicks
      {VK_NEXT, true, "banana", 4},   {VK_DOWN, false, "banana", 4}, {VK_PRIOR, false, "apple", 5},
  };
  for (const auto& step : steps) {
    if (step.Ctrl) SetKeyState(VK_CONTROL, true);
    Key(step.Key);
    if (step.Ctrl) SetKeyState(VK_CONTROL, false);
    EXPECT_EQ(Edit->GetText(), step.Text) << step.Key;
    EXPECT_EQ(clicks, step.Clicks) << step.Key;
  }
  const TPoint p = Edit->ClientToScreen(TPoint(5, 5));
  SendMessage(Edit->GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), MAKELPARAM(p.x, p.y));
  EXPECT_EQ(Edit->GetText(), "apricot") << "the wheel turned down goes to the next item";
  SendMessage(Edit->GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(p.x, p.y));
  SendMessage(Edit->GetHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(p.x, p.y));
  EXPECT_EQ(Edit->GetText(), "apple");
  EXPECT_EQ(clicks, 7) << "the wheel at the first item neither moves nor clicks";
}

// ---- Digit grouping while typing ----------------------------------------------------------------------------------
TEST_F(cxTextEditInput, TypedDigitsAreGroupedAndTheCaretKeepsItsDigit) {
  ASSERT_EQ(FormatSettings.ThousandSeparator, ',');
  auto* edit = Add<TGroupingTextEdit>(10, 10, 150, 21);
  Focus(edit);
  Type("1234567");
  EXPECT_EQ(edit->GetText(), "1,234,567");
  EXPECT_EQ(edit->GetSelStart(), 9);
  // A digit typed after the first separator lands after the same two digits of the regrouped text.
  edit->SetSelection(2, 0);
  Type("0");
  EXPECT_EQ(edit->GetText(), "10,234,567");
  EXPECT_EQ(edit->GetSelStart(), 2);
  // At the start the caret stays at the start.
  edit->SetSelection(0, 0);
  Type("-");
  EXPECT_EQ(edit->GetText(), "-10,234,567");
  edit->SetSelection(0, 0);
  Key(VK_DELETE);
  EXPECT_EQ(edit->GetText(), "10,234,567");
  EXPECT_EQ(edit->GetSelStart(), 0);
  // A text that is no number is left as typed.
  edit->SetSelection(10, 0);
  Type("x");
  EXPECT_EQ(edit->GetText(), "10,234,567x");
}

}  // namespace
