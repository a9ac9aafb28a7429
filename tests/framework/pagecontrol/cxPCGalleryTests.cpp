// A gallery for a person to look at: the nine tab styles side by side, one picture per tab position,
// each a page control with the main form's two pages and a disabled third, written as PNGs
// (GDI_SNAPSHOT_DIR, else the test's temporary folder).
#include <cstdlib>
#include <string>

#include "HeadlessBackend.h"
#include "cxPCTestSupport.h"

using namespace cxPCTest;

namespace {

class TabGallery : public TPCFixture {};

std::string SnapshotFile(const std::string& AName) {
  const char* dir = std::getenv("GDI_SNAPSHOT_DIR");
  return (dir ? std::string(dir) + "/" : testing::TempDir()) + AName;
}

TEST_F(TabGallery, EveryStyleInEveryTabPosition) {
  const TcxPCStyleID styles[] = {1, 2, 3, 5, 6, 7, 8, 9, 10};
  const char* positionNames[] = {"top", "bottom", "left", "right"};
  constexpr int cellWidth = 250, cellHeight = 150, gap = 10;
  Form->SetBounds(0, 0, 3 * (cellWidth + gap) + gap + 8, 3 * (cellHeight + gap) + gap + 34);
  for (TcxTabPosition position : {tpTop, tpBottom, tpLeft, tpRight}) {
    std::vector<TcxPageControl*> controls;
    for (int i = 0; i < 9; ++i) {
      auto* control = Add<TcxPageControl>(gap + (i % 3) * (cellWidth + gap), gap + (i / 3) * (cellHeight + gap),
                                          cellWidth, cellHeight);
      for (const char* caption : {"购买标签", "设置", "Lot 3"}) {
        auto* page = CreateComponent<TcxTabSheet>(Form);
        page->SetCaption(caption);
        page->SetPageControl(control);
      }
      control->GetPages(2)->SetEnabled(false);
      control->SetStyle(styles[i]);
      control->SetTabPosition(position);
      control->SetActivePage(control->GetPages(1));
      controls.push_back(control);
    }
    ShowForm();
    for (TcxPageControl* control : controls) {
      EXPECT_EQ(control->GetRowCount(), 1) << control->GetStyle();
      EXPECT_EQ(control->GetMainTabVisibleIndex(), 1) << control->GetStyle();
      EXPECT_FALSE(cxRectIsEmpty(control->GetTabs()->GetTab(1)->GetVisibleRect())) << control->GetStyle();
    }
    EXPECT_TRUE(SaveWindowPng(Form->GetHandle(), SnapshotFile(std::string("pagecontrol-gallery-") +
                                                                 positionNames[position] + ".png")));
    for (TcxPageControl* control : controls) control->Free();
  }
}

}  // namespace
