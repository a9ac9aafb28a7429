#include <gtest/gtest.h>

#include <vector>

#include "Graphics.h"
#include "dxBarStylesData.h"

namespace {

// Styles data with a recorder of its change notices.
struct StylesDataFixture : testing::Test {
  TdxBarItemStylesData* Data = nullptr;
  TcxStyle* StyleA = New<TcxStyle>();
  TcxStyle* StyleB = New<TcxStyle>();
  std::vector<TdxBarItemStyleChangeKind> Notices;

  void SetUp() override {
    Data = New<TdxBarItemStylesData>(3);
    Data->OnChange = [this](TObject*, TdxBarItemStyleChangeKind AKind) { Notices.push_back(AKind); };
  }
  void TearDown() override {
    if (Data) Data->Free();
    if (StyleA) StyleA->Free();
    if (StyleB) StyleB->Free();
  }
};

TEST_F(StylesDataFixture, ColourRepaintsFontRebuildsAndBothRebuildOnce) {
  Data->SetStyle(0, StyleA);
  EXPECT_TRUE(Notices.empty()) << "an empty style changes nothing";

  StyleA->SetColor(clRed);
  StyleA->SetTextColor(clBlue);
  EXPECT_EQ(Notices, (std::vector{sckDrawing, sckDrawing}));
  Notices.clear();

  StyleA->SetColor(clRed);  // the same colour: no change at all
  StyleA->GetFont()->SetSize(StyleA->GetFont()->GetSize() + 4);
  EXPECT_EQ(Notices, (std::vector{sckStructure}));
  Notices.clear();

  // Colour and font in one step (another style in the slot): one structure notice.
  StyleB->SetColor(clLime);
  StyleB->GetFont()->SetName("Courier New");
  Data->SetStyle(0, StyleB);
  EXPECT_EQ(Notices, (std::vector{sckStructure}));
}

TEST_F(StylesDataFixture, LockedChangesComeOutAsOneNoticeOfTheHeaviestKind) {
  Data->LockChangeEvent(true);
  Data->LockChangeEvent(true);
  Data->DoChange(sckDrawing);
  Data->DoChange(sckStructure);
  Data->DoChange(sckDrawing);
  Data->LockChangeEvent(false);
  EXPECT_TRUE(Notices.empty());
  Data->LockChangeEvent(false);
  EXPECT_EQ(Notices, (std::vector{sckStructure}));
  Notices.clear();

  Data->LockChangeEvent(true);
  Data->LockChangeEvent(false);
  EXPECT_TRUE(Notices.empty()) << "nothing pending, nothing told";
}

TEST_F(StylesDataFixture, AStyleInTwoSlotsIsHeardOnceAndStaysHeardWhileOneSlotHoldsIt) {
  Data->SetStyle(0, StyleA);
  Data->SetStyle(2, StyleA);
  EXPECT_EQ(Data->GetStyleReferenceCount(StyleA), 2);
  StyleA->SetColor(clRed);
  EXPECT_EQ(Notices, (std::vector{sckDrawing})) << "two slots, one notice";
  Notices.clear();

  Data->SetStyle(0, nullptr);  // the slot loses its colour
  EXPECT_EQ(Notices, (std::vector{sckDrawing}));
  Notices.clear();
  StyleA->SetColor(clYellow);
  EXPECT_EQ(Notices, (std::vector{sckDrawing})) << "slot 2 still listens";
}

TEST_F(StylesDataFixture, AFreedStyleLeavesEverySlot) {
  Data->SetStyle(0, StyleA);
  Data->SetStyle(1, StyleA);
  StyleA->GetFont()->SetStyle(TFontStyles{fsBold});
  Notices.clear();
  StyleA->Free();
  StyleA = nullptr;
  EXPECT_EQ(Data->GetStyle(0), nullptr);
  EXPECT_EQ(Data->GetStyle(1), nullptr);
  EXPECT_EQ(Notices, (std::vector{sckStructure})) << "the lost font, told once";
  EXPECT_THROW(Data->GetStyle(3), Exception);
}

TEST_F(StylesDataFixture, FreedDataStopsListening) {
  Data->SetStyle(1, StyleB);
  Data->Free();
  Data = nullptr;
  StyleB->SetColor(clRed);  // would reach a freed listener
  EXPECT_TRUE(Notices.empty());
}

}  // namespace
