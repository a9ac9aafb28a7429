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

// The last cell is the Tabs style drawn through the visual-styles theme (the native look). A fifth
// picture shows the tabs on top rotated (OneNote tabs never rotate), a sixth seven tabs in rows.
TEST_F(TabGallery, EveryStyleInEveryTabPosition) {
  const TcxPCStyleID styles[] = {1, 2, 3, 5, 6, 7, 8, 9, 10, 1};
  const char* positionNames[] = {"top", "bottom", "left", "right", "rotated", "rows"};
  constexpr int cellWidth = 250, cellHeight = 150, gap = 10, columns = 4;
  Form->SetBounds(0, 0, columns * (cellWidth + gap) + gap + 8, 3 * (cellHeight + gap) + gap + 34);
  for (int picture = 0; picture < 6; ++picture) {
    const bool rotated = picture == 4, rows = picture == 5;
    const TcxTabPosition position = picture >= 4 ? tpTop : static_cast<TcxTabPosition>(picture);
    std::vector<TcxPageControl*> controls;
    for (int i = 0; i < 10; ++i) {
      auto* control = Add<TcxPageControl>(gap + (i % columns) * (cellWidth + gap),
                                          gap + (i / columns) * (cellHeight + gap), cellWidth, cellHeight);
      if (i == 9) control->GetLookAndFeel()->SetNativeStyle(true);
      for (const char* caption : {"购买标签", "设置", "Lot 3", "Lot 4", "Bids", "History", "Lot 7"}) {
        if (!rows && control->GetPageCount() == 3) break;
        auto* page = CreateComponent<TcxTabSheet>(Form);
        page->SetCaption(caption);
        page->SetPageControl(control);
      }
      control->GetPages(2)->SetEnabled(false);
      control->SetStyle(styles[i]);
      control->SetTabPosition(position);
      if (rotated && styles[i] != 10) control->SetRotate(true);
      control->SetMultiLine(rows);
      control->SetActivePage(control->GetPages(1));
      controls.push_back(control);
    }
    ShowForm();
    for (TcxPageControl* control : controls) {
      EXPECT_EQ(control->GetRowCount() > 1, rows) << control->GetStyle();
      EXPECT_EQ(control->GetPainter()->IsNativePainting(), control == controls.back()) << control->GetStyle();
      EXPECT_EQ(control->GetMainTabVisibleIndex(), 1) << control->GetStyle();
      EXPECT_FALSE(cxRectIsEmpty(control->GetTabs()->GetTab(1)->GetVisibleRect())) << control->GetStyle();
    }
    EXPECT_TRUE(SaveWindowPng(Form->GetHandle(), SnapshotFile(std::string("pagecontrol-gallery-") +
                                                                 positionNames[picture] + ".png")));
    for (TcxPageControl* control : controls) control->Free();
  }
}

}  // namespace
