#include <gtest/gtest.h>

#include "Exceptions.h"
#include "ExtCtrls.h"
#include "ImgList.h"
#include "WinCursor.h"
#include "Forms.h"
#include "dxBar.h"
#include "dxBarTestSupport.h"

using namespace dxBarTests;

namespace {

TEST(dxBarManagerOwner, ANilOwnerJoinsTheMainFormAndWithoutOneIsRefused) {
  ASSERT_EQ(Application->MainForm(), nullptr);
  try {
    New<TdxBarManager>(nullptr);
    FAIL() << "a manager without a window control as owner";
  } catch (Exception& E) {
    EXPECT_EQ(E.Message(), "TdxBarManager should have TWinControl as its Owner");
  }
  EXPECT_EQ(dxBarManagerList->GetCount(), 0);

  TCustomForm* mainForm = Application->CreateForm(TForm::StaticClass());
  ASSERT_EQ(Application->MainForm(), mainForm);
  auto* manager = New<TdxBarManager>(nullptr);
  EXPECT_EQ(manager->Owner(), mainForm);
  EXPECT_EQ(GetBarManagerByComponent(mainForm), manager);
  mainForm->Free();
  EXPECT_EQ(dxBarManagerList->GetCount(), 0) << "the form took its manager with it";
}

TEST(dxBarManagerOwner, AComponentThatIsNoWindowControlIsRefused) {
  TOwnedPtr<TComponent> plain(New<TComponent>(nullptr));
  EXPECT_THROW(New<TdxBarManager>(plain.get()), Exception);
  EXPECT_EQ(plain->ComponentCount(), 0) << "the refused manager left its owner again";
}

TEST(dxBarManagerOwner, ASecondManagerOnOneControlIsRefusedAndLeavesTheFirstAlone) {
  TOwnedPtr<TForm> form(NewTestForm());
  auto* first = New<TdxBarManager>(form.get());
  ASSERT_TRUE(BarHooksInstalled());
  try {
    New<TdxBarManager>(form.get());
    FAIL() << "a second manager on one form";
  } catch (Exception& E) {
    EXPECT_EQ(E.Message(), "A control should contain only a single TdxBarManager");
  }
  ASSERT_EQ(dxBarManagerList->GetCount(), 1);
  EXPECT_EQ(dxBarManagerList->GetBarManager(0), first);
  EXPECT_EQ(form->ComponentCount(), 1);
  EXPECT_TRUE(BarHooksInstalled());
  EXPECT_EQ(first->GetCategories()->GetCount(), 1) << "the first manager keeps what it owns";
}

TEST(dxBarManagerList, TheFirstManagerInstallsTheHooksAndTheLastRemovesThem) {
  std::vector<TdxBarManager*> registered, unregistered;
  static std::vector<TdxBarManager*>*registeredLog, *unregisteredLog;
  registeredLog = &registered;
  unregisteredLog = &unregistered;
  FOnRegisterBarManager = [](TdxBarManager* M) { registeredLog->push_back(M); };
  FOnUnregisterBarManager = [](TdxBarManager* M) { unregisteredLog->push_back(M); };
  TOwnedPtr<TForm> form1(NewTestForm()), form2(NewTestForm());
  EXPECT_FALSE(BarHooksInstalled());
  auto* m1 = New<TdxBarManager>(form1.get());
  auto* m2 = New<TdxBarManager>(form2.get());
  EXPECT_TRUE(BarHooksInstalled());
  EXPECT_EQ(m2->GetTabOrder(), 1);
  m2->SetTabOrder(-5);
  EXPECT_EQ(m2->GetTabOrder(), 0);
  m2->SetTabOrder(99);
  EXPECT_EQ(m2->GetTabOrder(), 1);
  m1->Free();
  EXPECT_TRUE(BarHooksInstalled());
  m2->Free();
  EXPECT_FALSE(BarHooksInstalled());
  New<TdxBarManager>(form1.get());
  EXPECT_TRUE(BarHooksInstalled()) << "a new first manager installs them again";
  form1.reset();
  EXPECT_FALSE(BarHooksInstalled());
  FOnRegisterBarManager = nullptr;
  FOnUnregisterBarManager = nullptr;
  EXPECT_EQ(registered, (std::vector<TdxBarManager*>{m1, m2, registered[2]}));
  EXPECT_EQ(unregistered.size(), 3u);
}

TEST(dxBarManagerDefaults, ANewManagerHasTheDesignDefaults) {
  TOwnedPtr<TForm> form(NewTestForm());
  auto* manager = New<TdxBarManager>(form.get());
  EXPECT_EQ(manager->GetCategories()->GetStrings(0), "Default");
  EXPECT_EQ(manager->GetStyle(), bmsEnhanced);
  EXPECT_EQ(manager->GetButtonArrowWidth(), 11);
  manager->SetButtonArrowWidth(1);
  EXPECT_EQ(manager->GetButtonArrowWidth(), 11) << "1 or less is ignored";
  manager->SetLargeButtonArrowWidth(1);
  EXPECT_EQ(manager->GetLargeButtonArrowWidth(), 13);
  manager->SetMostRecentItemsPercents(150);
  EXPECT_EQ(manager->GetMostRecentItemsPercents(), 100);
  manager->SetWaitForDockingTime(-1);
  EXPECT_EQ(manager->GetWaitForDockingTime(), 21);
  EXPECT_TRUE(manager->GetAutoDockColor());
  manager->SetDockColor(clRed);
  EXPECT_FALSE(manager->GetAutoDockColor()) << "a dock colour of its own ends following the owner";
  EXPECT_EQ(manager->GetImageOptions()->GetImageListBkColor(), TColor(0xFF00FF));
  EXPECT_EQ(manager->GetImageOptions()->CalcGlyphSize(), 16);
  manager->SetLargeIcons(true);
  EXPECT_EQ(manager->GetImageOptions()->GetGlyphSize(), 32) << "large icons without large images";
}

TEST(dxBarUnit, StopAndStartLeaveNothingBehind) {
  ASSERT_EQ(dxBarManagerList->GetCount(), 0);
  ASSERT_NE(Screen->GetCursors(crdxBarDrag), Screen->GetCursors(crDefault));
  TOwnedPtr<TForm> form(NewTestForm());
  New<TdxBarManager>(form.get());
  form.reset();
  dxBarRegisterItem(TRecordingBarComponent::StaticClass(), TObject::StaticClass(), true);
  DonedxBar();
  EXPECT_EQ(GetClass("TRecordingBarComponent"), nullptr) << "the registry's classes are unregistered";
  EXPECT_EQ(dxBarManagerList, nullptr);
  EXPECT_EQ(RegdxItemList(), nullptr) << "no registry is made once the unit stops";
  EXPECT_FALSE(BarHooksInstalled());
  for (Integer cursor : {crdxBarDrag, crdxBarDragCopy, crdxBarDragNoDrop, crdxBarEditSizing})
    EXPECT_EQ(Screen->GetCursors(cursor), nullptr) << cursor;
  EXPECT_EQ(GetClass("TdxBarGroup"), nullptr);
  InitdxBar();
  ASSERT_NE(dxBarManagerList, nullptr);
  EXPECT_NE(Screen->GetCursors(crdxBarEditSizing), Screen->GetCursors(crDefault));
  EXPECT_EQ(GetClass("TdxBarGroup"), TdxBarGroup::StaticClass());
}

TEST(dxBarUnit, TheCursorsAreOurOwnPictures) {
  for (Integer cursor : {crdxBarDrag, crdxBarDragCopy, crdxBarDragNoDrop, crdxBarEditSizing}) {
    POINT hot;
    SIZE size;
    const BYTE *andMask, *xorMask;
    ASSERT_TRUE(GetCursorShape(Screen->GetCursors(cursor), &hot, &size, &andMask, &xorMask)) << cursor;
    EXPECT_EQ(size.cx, 32);
    EXPECT_EQ(size.cy, 32);
  }
}

}  // namespace

namespace {

TEST(dxBarLookups, AControlFindsTheManagerOfItsNearestWindowThatHasOne) {
  TOwnedPtr<TForm> form(NewTestForm());
  auto* outer = New<TdxBarManager>(form.get());
  auto* panel = New<TPanel>(form.get());
  panel->SetParent(form.get());
  auto* inner = New<TdxBarManager>(panel);
  auto* onPanel = New<TPanel>(form.get());
  onPanel->SetParent(panel);
  auto* onForm = New<TPanel>(form.get());
  onForm->SetParent(form.get());
  form->HandleNeeded();
  onPanel->HandleNeeded();
  onForm->HandleNeeded();
  EXPECT_EQ(GetBarManagerForComponent(onPanel), inner);
  EXPECT_EQ(GetBarManagerForComponent(onForm), outer);
  EXPECT_EQ(inner->GetParentBarManager(), outer);
  EXPECT_EQ(outer->GetParentBarManager(), nullptr);
  EXPECT_EQ(inner->GetMainForm(), form.get());
  EXPECT_EQ(inner->GetParentForm(), form.get());
  EXPECT_TRUE(IsWindowOfManagerOwner(inner, form->GetHandle()));
  EXPECT_FALSE(IsWindowOfManagerOwner(outer, panel->GetHandle()));
}

}  // namespace

namespace {

TEST(dxBarImageOptions, AFreedImageListIsDroppedAndLargeImagesSizeLargeIcons) {
  TOwnedPtr<TForm> form(NewTestForm());
  auto* manager = New<TdxBarManager>(form.get());
  TCustomImageList* images = TCustomImageList::CreateSize(16, 16);
  TCustomImageList* large = TCustomImageList::CreateSize(24, 24);
  manager->SetImages(images);
  manager->SetLargeImages(large);
  manager->SetUseLargeImagesForLargeIcons(true);
  manager->SetLargeIcons(true);
  EXPECT_EQ(manager->GetImageOptions()->GetGlyphSize(), 24) << "the large images' width";
  images->Free();
  EXPECT_EQ(manager->GetImages(), nullptr);
  large->Free();
  EXPECT_EQ(manager->GetLargeImages(), nullptr);
  EXPECT_EQ(manager->GetImageOptions()->GetGlyphSize(), 32) << "large icons without large images";
}

}  // namespace
