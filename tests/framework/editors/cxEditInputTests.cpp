// The editor's keys, its buttons under the mouse and by accelerator, its hints under the test clock,
// automatic sizing and the size entries of the form stream.
#include "Forms.h"
#include "HeadlessBackend.h"
#include "ObjectText.h"
#include "Streams.h"
#include "cxEditTestSupport.h"

namespace {

using namespace cxEditTest;

class cxEditKeysTest : public TEditLoggingFixture {
 protected:
  void SetUp() override {
    TEditLoggingFixture::SetUp();
    Edit->OnKeyDown = TKeyEvent([this](TObject*, Word& Key, TShiftState) { Log.push_back("keydown " + std::to_string(Key)); });
    Edit->OnKeyPress = TKeyPressEvent([this](TObject*, char& Key) { Log.push_back(String("keypress ") + Key); });
    Edit->OnAfterKeyDown =
        TcxEditAfterKeyDownEvent([this](TObject*, Word& Key, TShiftState) { Log.push_back("after " + std::to_string(Key)); });
  }
  Word Down(Word AKey, TShiftState AShift = {}) {
    Edit->KeyDown(AKey, AShift);
    return AKey;
  }
  void Type(const String& AText) {
    Edit->SetUserAction(true);
    Edit->SetEditValue(AText);
    Edit->SetUserAction(false);
  }
};

TEST_F(cxEditKeysTest, TheClearKeyClearsTheValueAndItsEventsFireOnceAfterwards) {
  Edit->SetEditValue("text");
  Log.clear();
  Edit->GetProperties()->SetClearKey(ShortCut(VK_DELETE, {ssCtrl}));
  EXPECT_EQ(0, Down(VK_DELETE, {ssCtrl}));
  EXPECT_TRUE(VarIsNull(Edit->GetEditValue()));
  EXPECT_TRUE(Edit->IsValidated());
  EXPECT_EQ((std::vector<String>{"keydown 46", "change", "value"}), Log);
}

TEST_F(cxEditKeysTest, TheClickKeyClicksTheDefaultButtonInsteadOfReachingTheHandlers) {
  TcxEditButton* button = Edit->GetProperties()->GetButtons()->Add();
  Edit->GetProperties()->GetButtons()->Add();
  Edit->GetProperties()->OnButtonClick =
      TcxEditButtonClickEvent([this](TObject*, Integer AIndex) { Log.push_back("click " + std::to_string(AIndex)); });
  ShowForm();
  EXPECT_EQ(VK_RETURN, Down(VK_RETURN, {ssCtrl}));
  EXPECT_EQ((std::vector<String>{"keydown 13"}), Log);
  Log.clear();
  Edit->GetProperties()->GetButtons()->GetItem(1)->SetDefault(true);
  button->SetDefault(true);
  EXPECT_FALSE(Edit->GetProperties()->GetButtons()->GetItem(1)->GetDefault());
  Application->ProcessMessages();
  EXPECT_EQ(0, Down(VK_RETURN, {ssCtrl}));
  EXPECT_EQ((std::vector<String>{"click 0"}), Log);
}

TEST_F(cxEditKeysTest, TabMovesToTheNextControl) {
  TEditTestEdit* next = AddEdit(10, 40);
  ShowForm();
  ASSERT_TRUE(Edit->Focused());
  EXPECT_EQ(0, Down(VK_TAB));
  EXPECT_TRUE(next->Focused());
  EXPECT_EQ((std::vector<String>{"keydown 9", "after 9"}), Log);
}

TEST_F(cxEditKeysTest, EnterValidatesAndPostsWhenAskedTo) {
  ShowForm();
  Edit->GetProperties()->SetValidateOnEnter(true);
  Edit->GetProperties()->OnValidate = TcxEditValidateEvent([](TObject*, Variant& V, String&, bool& AError) {
    AError = VarToStr(V) == "bad";
  });
  Type("bad");
  EXPECT_THROW(Down(VK_RETURN), EcxEditValidationError);
  EXPECT_FALSE(Edit->AreChangeEventsLocked());
  EXPECT_TRUE(Edit->GetTestBinding()->Stored.empty());
  Type("good");
  EXPECT_EQ(0, Down(VK_RETURN));
  ASSERT_EQ(1u, Edit->GetTestBinding()->Stored.size());
  EXPECT_EQ("good", VarToStr(Edit->GetTestBinding()->Stored[0]));
}

TEST_F(cxEditKeysTest, EscapeResetsAChangedValueAndSwallowsItsCharacter) {
  Edit->SetEditValue("start");
  ShowForm();
  Type("typed");
  Log.clear();
  EXPECT_EQ(0, Down(VK_ESCAPE));
  EXPECT_EQ("start", VarToStr(Edit->GetEditValue()));
  char key = 27;
  Edit->KeyPress(key);
  EXPECT_EQ(0, key);
  EXPECT_EQ((std::vector<String>{"keydown 27", "change", "value"}), Log);
  // Unchanged, Escape is an ordinary key.
  key = 27;
  Edit->KeyPress(key);
  EXPECT_EQ(27, key);
}

TEST_F(cxEditKeysTest, NavigationKeysGoToTheHostUnlessTheEditorWantsThem) {
  EXPECT_EQ(0, Down(VK_LEFT));
  EXPECT_EQ((std::vector<String>{"keydown 37", "after 37"}), Log);
  Log.clear();
  Edit->NavigationKeysWanted = true;
  EXPECT_EQ(VK_LEFT, Down(VK_LEFT));
  EXPECT_EQ(VK_F2, Down(VK_F2));
  EXPECT_EQ((std::vector<String>{"keydown 37", "keydown 113"}), Log);
}

TEST_F(cxEditKeysTest, KeysThatWouldModifyAReadOnlyEditorAreRefused) {
  Edit->KeysModify = true;
  Edit->GetProperties()->SetReadOnly(true);
  EXPECT_EQ(0, Down('A'));
  EXPECT_EQ((std::vector<String>{"keydown 65", "after 65"}), Log);
  char key = 'a';
  Edit->KeyPress(key);
  EXPECT_EQ(0, key);
}

TEST_F(cxEditKeysTest, ACharacterTheProviderRefusesIsDroppedWithABeep) {
  const int beeps = BeepCount();
  char key = TEditTestCharProvider::RefusedChar;
  Edit->KeyPress(key);
  EXPECT_EQ(0, key);
  EXPECT_EQ(beeps + 1, BeepCount());
  key = 'a';
  Edit->KeyPress(key);
  EXPECT_EQ('a', key);
  key = 8;  // a control character is never refused this way
  Edit->KeyPress(key);
  EXPECT_EQ(8, key);
  EXPECT_EQ(beeps + 1, BeepCount());
}

class cxEditButtonsTest : public TEditFixture {
 protected:
  bool HintShowing() { return Edit->GetHintWindow() && Edit->GetHintWindow()->IsShowing(); }
  String HintText() { return Edit->GetHintWindow() ? Edit->GetHintWindow()->GetText() : ""; }
  TEditTestEdit* Edit = nullptr;
  void SetUp() override {
    TEditFixture::SetUp();
    Edit = AddEdit();
    Edit->SetAutoSize(false);  // the base editor has no content of its own to size to
    Edit->SetBounds(10, 10, 120, 24);
    for (const char* caption : {"&One", "&Two"}) {
      TcxEditButton* button = Edit->GetProperties()->GetButtons()->Add();
      button->SetKind(bkText);
      button->SetCaption(caption);
      button->SetWidth(30);
      button->SetHint(String("hint ") + (caption + 1));
    }
    Edit->OnButtonEvent = [this](const String& AEvent) { Log.push_back(AEvent); };
    ShowForm();
  }
  TPoint Centre(Integer AVisibleIndex) {
    const TRect r = Edit->GetViewInfo()->ButtonsInfo.at(AVisibleIndex)->Bounds;
    return TPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
};

TEST_F(cxEditButtonsTest, AButtonClicksWhenReleasedOverItOnly) {
  const TPoint p = Centre(1);
  Press(Edit, p.x, p.y);
  EXPECT_EQ(ebsPressed, Edit->GetViewInfo()->ButtonsInfo[1]->State);
  Release(Edit, p.x, p.y);
  EXPECT_EQ((std::vector<String>{"down 1", "up 1", "click 1"}), Log);
  Log.clear();
  Press(Edit, p.x, p.y);
  MoveTo(Edit, 5, 5);
  Release(Edit, 5, 5);
  EXPECT_EQ((std::vector<String>{"down 1", "up 1"}), Log);
}

TEST_F(cxEditButtonsTest, AcceleratorsClickEnabledButtonsOnly) {
  EXPECT_EQ(1, Edit->Perform(CM_DIALOGCHAR, 't', 0));
  EXPECT_EQ((std::vector<String>{"click 1"}), Log);
  Log.clear();
  Edit->GetProperties()->GetButtons()->GetItem(1)->SetEnabled(false);
  Application->ProcessMessages();
  EXPECT_EQ(0, Edit->Perform(CM_DIALOGCHAR, 't', 0));
  EXPECT_TRUE(Log.empty());
}

TEST_F(cxEditButtonsTest, HintsShowAfterThePauseMoveOnQuicklyAndHide) {
  Edit->SetShowHint(true);
  // Entering the editor lays it out for the pointer before the move is judged.
  const TPoint one = Centre(0), two = Centre(1);
  MoveTo(Edit, one.x, one.y);
  Step(Application->HintPause - 100);
  EXPECT_FALSE(HintShowing());
  Step(200);
  ASSERT_TRUE(HintShowing());
  EXPECT_EQ("hint One", HintText());
  // Within the editor a move is judged by the layout of the move before.
  MoveTo(Edit, two.x - 1, two.y);
  MoveTo(Edit, two.x, two.y);
  Step(Application->HintShortPause + 20);
  ASSERT_TRUE(HintShowing());
  EXPECT_EQ("hint Two", HintText());
  Step(Application->HintHidePause + 100);
  EXPECT_FALSE(HintShowing());
}

TEST_F(cxEditButtonsTest, AButtonWithoutAHintShowsNone) {
  Edit->SetShowHint(true);
  Edit->GetProperties()->GetButtons()->GetItem(0)->SetHint("");
  const TPoint one = Centre(0);
  MoveTo(Edit, one.x, one.y);
  Step(Application->HintPause + 200);
  EXPECT_FALSE(HintShowing());
}

TEST_F(cxEditButtonsTest, MovingThePointerCancelsAPendingHint) {
  Edit->SetShowHint(true);
  const TPoint p = Centre(0);
  MoveTo(Edit, p.x, p.y);
  Step(Application->HintPause / 2);
  MoveTo(Edit, p.x + 1, p.y);
  Step(Application->HintPause / 2 + 50);
  EXPECT_FALSE(HintShowing());
  // Resting again shows it a pause later.
  MoveTo(Edit, p.x + 2, p.y);
  Step(Application->HintPause + 50);
  EXPECT_TRUE(HintShowing());
}

class cxEditSizingTest : public TEditFixture {};

TEST_F(cxEditSizingTest, AutoSizeTakesTheComputedSizeWhereTheAlignmentLeavesIt) {
  TEditTestEdit* plain = AddEdit(10, 10, 120, 50);
  TEditTestEdit* top = AddEdit(10, 70, 120, 50);
  top->SetAlign(alTop);
  TEditTestEdit* client = AddEdit(10, 130, 120, 50);
  ShowForm();
  const Integer computed = plain->GetHeight();
  EXPECT_LT(computed, 50);
  EXPECT_EQ(120, plain->GetWidth());
  EXPECT_EQ(computed, top->GetHeight());
  EXPECT_EQ(Form->GetClientWidth(), top->GetWidth());
  client->SetAlign(alClient);
  Application->ProcessMessages();
  EXPECT_EQ(Form->GetClientWidth(), client->GetWidth());
  EXPECT_EQ(Form->GetClientHeight() - computed, client->GetHeight());
}

TEST_F(cxEditSizingTest, AnEditorWithAFixedRightEdgeGrowsToTheLeft) {
  TEditTestEdit* edit = AddEdit(100, 10, 120, 30);
  edit->RightBoundFixed = true;
  edit->GetProperties()->GetButtons()->Add()->SetWidth(16);
  edit->GetProperties()->SetButtonsViewStyle(bvsButtonsAutoWidth);
  ShowForm();
  EXPECT_LT(edit->GetWidth(), 120);
  EXPECT_EQ(220, edit->GetLeft() + edit->GetWidth());
}

TEST_F(cxEditSizingTest, TheStreamHoldsOnlyTheSizesTheEditorCannotComputeItself) {
  TEditTestEdit* edit = AddEdit();
  edit->SetName("Edit1");
  ShowForm();
  auto streamText = [&] {
    TOwnedPtr<TMemoryStream> stream = NewOwned<TMemoryStream>();
    stream->WriteComponent(edit);
    return ObjectBinaryToTextString(String(static_cast<const char*>(stream->GetMemory()), stream->GetSize()));
  };
  String text = streamText();
  EXPECT_EQ(String::npos, text.find("Height ="));
  EXPECT_NE(String::npos, text.find("Width ="));
  edit->GetProperties()->SetButtonsViewStyle(bvsButtonsAutoWidth);
  EXPECT_EQ(String::npos, streamText().find("Width ="));
  edit->SetAutoSize(false);
  text = streamText();
  EXPECT_NE(String::npos, text.find("Height ="));
  EXPECT_NE(String::npos, text.find("Width ="));
}

}  // namespace
