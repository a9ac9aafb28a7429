// What the page-control tests share: the base-control fixture (a form on an empty desktop, the test
// clock, pointer and key input), a test painter whose tab lengths the captions give ("60" is a tab 60
// pixels long), and small helpers to build tab and page controls.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "../controls/cxControlsTestSupport.h"
#include "Strings.h"
#include "cxPC.h"
#include "cxPCPainters.h"
#include "cxPCPaintersFactory.h"

namespace cxPCTest {

using cxControlsTest::TControlsFixture;

// Lays tabs out by numbers: a tab is as long as its caption's number (42 when it has none), 20 pixels
// high; gaps, button widths and the minimum tab width are the test's. Drawn as plain grey boxes.
class TcxPCTestPainter : public TcxPCStandardPainter {
  DECLARE_CLASS(TcxPCTestPainter, TcxPCStandardPainter)
 public:
  static inline Integer TabGap = 0;
  static inline Integer RowGap = 0;
  static inline Integer ButtonWidth = 25;
  static inline Integer MinTabWidth = 0;
  static inline bool Pressable = false;
  static constexpr TcxPCStyleID StyleID = 99;

  Integer CalculateTabNormalWidth(TcxTab* ATab) override;
  Integer CalculateTabNormalHeight() override { return 20; }
  TcxPCDistance GetTabsNormalDistance() override { return TcxPCDistance{TabGap, RowGap}; }
  Integer GetButtonWidth(TcxPCNavigatorButton) override { return ButtonWidth; }
  Integer GetMinTabNormalWidth(Integer) override { return MinTabWidth; }
  TColor GetTabBodyColor(Integer) override { return clBtnFace; }
  void PaintTabShape(Integer AIndex) override;
  TcxPCStyleID GetStyleID() override { return StyleID; }
  String GetStyleName() override { return "Test"; }
  bool IsStandardStyle() override { return false; }
  bool IsTabPressable() override { return Pressable; }
  bool IsMultiSelectionAccepted() override { return Pressable; }
  bool IsMainTabBoundWithClient() override { return true; }
};

// Registers the test painter for a fixture's life and resets its settings.
class TPCFixture : public TControlsFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A tab control (or page control) on the form with tabs of these lengths, in the test style.
  TcxTabControl* AddTabControl(std::initializer_list<Integer> ALengths, Integer AWidth = 250, Integer AHeight = 150,
                               TcxTabPosition APosition = tpTop);
  TcxPageControl* AddPageControl(Integer APageCount, Integer AWidth = 300, Integer AHeight = 200);
  // The tab's rectangle as laid out, by tab index.
  static TRect FullRect(TcxCustomTabControl* AControl, Integer ATabIndex);
};

// The row (LineIndex) each visible tab was placed on.
std::vector<Integer> RowsOf(TcxCustomTabControl* AControl);

}  // namespace cxPCTest
