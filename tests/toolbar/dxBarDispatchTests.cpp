#include <gtest/gtest.h>

#include "WinInput.h"
#include "dxBar.h"
#include "dxBarTestSupport.h"

using namespace dxBarTests;

namespace {

TEST(dxBarShortCuts, TheShortCutOfAKeyMessageTakesAltFromTheContextBit) {
  constexpr LPARAM altContext = LPARAM(1) << 29;
  struct TCase {
    Word Key;
    TShiftState Shift;
    LPARAM KeyData;
    TShortCut Expected;
  } cases[] = {
      {'S', {ssCtrl}, 0, TShortCut('S' | scCtrl)},
      {'S', {ssShift, ssCtrl}, 0, TShortCut('S' | scShift | scCtrl)},
      {'N', {}, altContext, TShortCut('N' | scAlt)},
      {'N', {ssAlt}, 0, TShortCut('N')},  // Alt held, but the message says otherwise
      {VK_F10, {ssShift}, altContext | 0x1, TShortCut(VK_F10 | scShift | scAlt)},
      {0, {ssCtrl}, altContext, 0},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(KeyDataToShortCut(c.Key, c.Shift, c.KeyData), c.Expected) << c.Key << " " << c.KeyData;
}

TEST(dxBarShortCuts, AnAcceleratorFocusesWhenSharedAndClicksWhenUnique) {
  struct TCase {
    bool Enabled, Shared, DestroyedByClick;
    TdxBarAccelActions Expected;
  } cases[] = {
      {true, false, false, {aaFocus, aaClick}},  // a button: focus, then click
      {true, false, true, {aaClick}},            // a control its click destroys: click only
      {true, true, false, {aaFocus}},            // shared: cycle through the links
      {true, true, true, {aaFocus}},
      {false, false, false, {}},  // disabled: the key is not consumed
      {false, true, false, {}},
  };
  for (const TCase& c : cases)
    EXPECT_EQ(GetAccelActions(c.Enabled, c.Shared, c.DestroyedByClick), c.Expected)
        << c.Enabled << c.Shared << c.DestroyedByClick;
}

class dxBarDispatch : public ::testing::Test {
 protected:
  TOwnedPtr<TForm> Form{NewTestForm()};
  TdxBarManager* Manager = New<TdxBarManager>(Form.get());
};

TEST_F(dxBarDispatch, UpdateLocksNestAndLockUpdateTakesOneLevel) {
  Manager->BeginUpdate();
  Manager->BeginUpdate();
  Manager->EndUpdate();
  EXPECT_TRUE(Manager->IsUpdateLocked());
  Manager->SetLockUpdate(true);
  Manager->SetLockUpdate(true);
  Manager->EndUpdate();
  EXPECT_TRUE(Manager->IsUpdateLocked()) << "LockUpdate holds its own level";
  Manager->SetLockUpdate(false);
  EXPECT_FALSE(Manager->IsUpdateLocked());
  Manager->EndUpdate();
  EXPECT_FALSE(Manager->IsUpdateLocked()) << "an unbalanced release is ignored";
  Manager->BeginUpdate();
  EXPECT_TRUE(Manager->IsUpdateLocked());
  Manager->EndUpdate();
}

TEST_F(dxBarDispatch, DockingFollowsTheManagersNotDockingUnlessTheEventDecides) {
  Manager->SetNotDocking(TdxBarDockingStyles{dsLeft});
  EXPECT_FALSE(Manager->DoDocking(nullptr, dsLeft, nullptr));
  EXPECT_TRUE(Manager->DoDocking(nullptr, dsTop, nullptr));
  std::vector<TdxBarDockingStyle> asked;
  Manager->OnDocking = [&](TdxBar*, TdxBarDockingStyle Style, TdxDockControl*, bool& CanDocking) {
    asked.push_back(Style);
    CanDocking = Style == dsLeft;
  };
  EXPECT_TRUE(Manager->DoDocking(nullptr, dsLeft, nullptr));
  EXPECT_FALSE(Manager->DoDocking(nullptr, dsTop, nullptr));
  EXPECT_EQ(asked, (std::vector<TdxBarDockingStyle>{dsLeft, dsTop}));
}

TEST_F(dxBarDispatch, TheDispatchersFireTheirEventsWithTheManager) {
  std::vector<String> journal;
  Manager->OnCloseButtonClick = [&](TObject* Sender) { journal.push_back(Sender == Manager ? "close" : "?"); };
  Manager->OnHelpButtonClick = [&](TObject* Sender) { journal.push_back(Sender == Manager ? "help" : "?"); };
  Manager->OnItemLinkChange = [&](TdxBarManager* Sender, TdxBarItemLink*) { journal.push_back("link"); };
  Manager->OnClickItem = [&](TdxBarManager* Sender, TdxBarItem*) { journal.push_back("click"); };
  Manager->DoCloseButtonClick();
  Manager->DoHelpButtonClick();
  Manager->DoItemLinkChange(nullptr);
  Manager->DoClickItem(nullptr);
  EXPECT_EQ(journal, (std::vector<String>{"close", "help", "link", "click"}));
}

TEST_F(dxBarDispatch, TheKeyboardCycleVisitsTheOtherManagersOfTheMainForm) {
  TOwnedPtr<TForm> other(NewTestForm());
  auto* otherManager = New<TdxBarManager>(other.get());
  Form->HandleNeeded();
  other->HandleNeeded();
  EXPECT_EQ(dxBarManagerList->NextActive(Manager, true), Manager) << "another form's manager is not in the cycle";
  EXPECT_EQ(dxBarManagerList->NextActive(otherManager, false), otherManager);
}

}  // namespace
