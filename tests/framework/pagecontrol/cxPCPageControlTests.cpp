// The page control: pages and their tabs, activation with its events and the focus, removing and
// moving pages, pages read from a form resource, and a form docked in as a page.
#include "Forms.h"
#include "ObjectText.h"
#include "StdCtrls.h"
#include "Streams.h"
#include "cxPCTestSupport.h"

using namespace cxPCTest;

namespace {

class PageControl : public TPCFixture {
 protected:
  std::vector<String> Journal;
  // A page control with three pages, each holding an edit, its events written into the journal.
  TcxPageControl* PagesWithEdits() {
    TcxPageControl* control = AddPageControl(3);
    for (Integer i = 0; i < 3; ++i) {
      auto* edit = CreateComponent<TEdit>(Form);
      edit->SetParent(control->GetPages(i));
      edit->SetBounds(10, 10, 80, 20);
    }
    control->OnPageChanging = [this](TObject*, TcxTabSheet* ANewPage, bool&) {
      Journal.push_back("page changing " + IntToStr(ANewPage ? ANewPage->GetPageIndex() : -1));
    };
    control->OnChange = [this](TObject*) { Journal.push_back("change"); };
    return control;
  }
  static TEdit* EditOn(TcxPageControl* AControl, Integer APage) {
    return As<TEdit>(AControl->GetPages(APage)->GetControl(0));
  }
  void ClickTab(TcxPageControl* AControl, Integer ATabIndex) {
    const TRect r = FullRect(AControl, ATabIndex);
    Press(AControl, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    Release(AControl, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
};

TEST_F(PageControl, AClickOnATabSwapsThePagesWithOneEventEachAndTakesTheFocusAlong) {
  TcxPageControl* control = PagesWithEdits();
  ShowForm();
  EditOn(control, 0)->SetFocus();
  Application->ProcessMessages();
  Journal.clear();
  ClickTab(control, 1);
  EXPECT_EQ(Journal, (std::vector<String>{"page changing 1", "change"}));
  EXPECT_EQ(control->GetActivePage(), control->GetPages(1));
  EXPECT_TRUE(control->GetPages(1)->GetVisible());
  EXPECT_FALSE(control->GetPages(0)->GetVisible());
  EXPECT_TRUE(EditOn(control, 1)->Focused()) << "the focus moves to the new page's first control";
  Journal.clear();
  control->SetActivePage(control->GetPages(2));
  EXPECT_EQ(Journal, (std::vector<String>{"page changing 2", "change"}));
  EXPECT_EQ(control->GetTabIndex(), 2) << "the tab follows silently";
}

TEST_F(PageControl, ARefusedPageChangeLeavesTabAndPage) {
  TcxPageControl* control = PagesWithEdits();
  control->OnPageChanging = [](TObject*, TcxTabSheet*, bool& AllowChange) { AllowChange = false; };
  ShowForm();
  ClickTab(control, 2);
  EXPECT_EQ(control->GetTabIndex(), 0);
  EXPECT_EQ(control->GetActivePage(), control->GetPages(0));
  control->SetActivePageIndex(1);
  EXPECT_EQ(control->GetActivePageIndex(), 0);
}

TEST_F(PageControl, RemovingTheActivePageActivatesTheNextShownOne) {
  TcxPageControl* control = AddPageControl(4);
  control->GetPages(2)->SetTabVisible(false);
  control->SetActivePageIndex(1);
  control->GetPages(1)->Free();
  EXPECT_EQ(control->GetActivePage(), control->GetPages(2)) << "page 3 of old, since page 2's tab is hidden";
  EXPECT_EQ(control->GetActivePageIndex(), 2);
  EXPECT_EQ(control->GetTabIndex(), 2);
  control->GetPages(2)->Free();
  EXPECT_EQ(control->GetActivePageIndex(), 0) << "the last page gives way to the one before";
  while (control->GetPageCount() > 0) control->GetPages(0)->Free();
  EXPECT_EQ(control->GetActivePage(), nullptr);
  EXPECT_EQ(control->GetTabIndex(), -1);
}

// A refused change cannot keep the page that is being freed active.
TEST_F(PageControl, RemovingTheActivePageNeverLeavesItActiveWhenTheChangeIsRefused) {
  TcxPageControl* control = AddPageControl(3);
  control->SetActivePageIndex(1);
  control->OnPageChanging = [](TObject*, TcxTabSheet*, bool& AllowChange) { AllowChange = false; };
  control->GetPages(1)->Free();
  EXPECT_EQ(control->GetActivePage(), nullptr);
  EXPECT_EQ(control->GetTabIndex(), -1);
  ASSERT_EQ(control->GetPageCount(), 2);
  control->OnPageChanging = nullptr;
  control->SetActivePageIndex(1);
  EXPECT_EQ(control->GetActivePage(), control->GetPages(1));
}

TEST_F(PageControl, MovingAPageKeepsTheActivePageAndItsTab) {
  TcxPageControl* control = AddPageControl(3);
  TcxTabSheet* active = control->GetPages(0);
  control->SetActivePage(active);
  active->SetPageIndex(2);
  EXPECT_EQ(control->GetPages(2), active);
  EXPECT_EQ(control->GetActivePage(), active);
  EXPECT_EQ(control->GetTabIndex(), 2);
  EXPECT_EQ(active->GetTab(), control->GetTabs()->GetTab(2));
  for (Integer index : {3, -1}) {
    try {
      active->SetPageIndex(index);
      ADD_FAILURE() << index;
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(),
                IntToStr(index) + " is an invalid PageIndex value.  PageIndex must be between 0 and 2");
    }
  }
}

TEST_F(PageControl, APageWithoutItsTabIsShownWithNoTabSelected) {
  TcxPageControl* control = AddPageControl(3);
  control->GetPages(2)->SetTabVisible(false);
  control->SetActivePage(control->GetPages(2));
  EXPECT_EQ(control->GetActivePage(), control->GetPages(2));
  EXPECT_EQ(control->GetTabIndex(), -1);
  EXPECT_EQ(control->GetTabCount(), 2);
  EXPECT_EQ(control->FindNextPage(control->GetPages(1), true, true), control->GetPages(0)) << "wrapping";
  EXPECT_EQ(control->FindNextPageEx(control->GetPages(1), true, true, false), nullptr);
}

TEST_F(PageControl, ShowingAPageActivatesIt) {
  TcxPageControl* control = AddPageControl(3);
  control->GetPages(2)->Show();
  EXPECT_EQ(control->GetActivePage(), control->GetPages(2));
  EXPECT_FALSE(control->GetPages(0)->GetVisible());
}

// The main form's page control as its resource gives it.
class TPagesForm : public TForm {
  DECLARE_CLASS(TPagesForm, TForm)
 public:
  explicit TPagesForm(TComponent* AOwner = nullptr) : TForm(AOwner) {}
  std::vector<String> Journal;
  void PagesChange(TObject*) { Journal.push_back("change"); }
  void PagesPageChanging(TObject*, TcxTabSheet*, bool&) { Journal.push_back("page changing"); }
};
IMPLEMENT_CLASS_PUBLISHED(TPagesForm) {
  d.Method("PagesChange", &TPagesForm::PagesChange);
  d.Method("PagesPageChanging", &TPagesForm::PagesPageChanging);
}

TEST_F(PageControl, AFormResourceActivatesItsPageSilently) {
  TOwnedPtr<TPagesForm> form(TCustomForm::CreateNew<TPagesForm>(nullptr));
  const String binary = ObjectTextToBinaryString(R"(object MainForm: TPagesForm
  Left = 0
  Top = 0
  Width = 441
  Height = 500
  object pc: TcxPageControl
    Left = 0
    Top = 0
    Width = 433
    Height = 440
    ActivePage = ts1
    Align = alClient
    Style = 8
    TabOrder = 0
    OnChange = PagesChange
    OnPageChanging = PagesPageChanging
    ClientRectBottom = 440
    ClientRectRight = 433
    ClientRectTop = 23
    object ts1: TcxTabSheet
      Caption = '购买标签'
      ImageIndex = 0
    end
    object ts2: TcxTabSheet
      Caption = '设置'
      ImageIndex = 1
    end
  end
end)");
  auto stream = NewOwned<TMemoryStream>();
  stream->WriteBuffer(binary.data(), static_cast<Integer>(binary.size()));
  stream->SetPosition(0);
  stream->ReadComponent(form.get());
  auto* control = As<TcxPageControl>(form->FindComponent("pc"));
  ASSERT_TRUE(control);
  ASSERT_EQ(control->GetPageCount(), 2);
  EXPECT_EQ(control->GetActivePage(), form->FindComponent("ts1"));
  EXPECT_EQ(control->GetTabIndex(), 0);
  EXPECT_EQ(control->GetTabs()->GetStrings(1), "设置");
  EXPECT_EQ(control->GetPages(1)->GetImageIndex(), 1);
  EXPECT_EQ(control->GetTabs()->GetTab(1)->GetRawImageIndex(), 1);
  EXPECT_TRUE(control->GetPages(0)->GetVisible());
  EXPECT_FALSE(control->GetPages(1)->GetVisible());
  EXPECT_TRUE(form->Journal.empty());
  const TRect client = control->GetPages(0)->GetBoundsRect();
  EXPECT_EQ(client.top, control->GetDisplayRect().top);
}

TEST_F(PageControl, ADockedFormBecomesAPageNamedAfterIt) {
  TcxPageControl* control = AddPageControl(1);
  control->SetDockSite(true);
  ShowForm();
  TOwnedPtr<TForm> docked(TCustomForm::CreateNew<TForm>(nullptr));
  docked->SetCaption("Bids");
  docked->SetBounds(500, 100, 200, 150);
  docked->Show();
  ASSERT_TRUE(docked->ManualDock(control));
  ASSERT_EQ(control->GetPageCount(), 2);
  TcxTabSheet* sheet = control->GetPages(1);
  EXPECT_EQ(sheet->GetCaption(), "Bids");
  EXPECT_EQ(docked->GetParent(), sheet);
  EXPECT_EQ(docked->GetAlign(), alClient);
  EXPECT_EQ(control->GetActivePage(), sheet);
  docked->ManualFloat(TRect(500, 100, 700, 250));
  EXPECT_EQ(control->GetPageCount(), 1) << "the page goes with the form";
}

}  // namespace
