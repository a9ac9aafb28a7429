// Remembered dialog metrics: the second dialog of a class opens where and as large as the first was.
#include <gtest/gtest.h>

#include <cstring>

#include "cxClasses.h"

namespace {

class TMetricsDialog : public TForm {
  DECLARE_CLASS(TMetricsDialog, TForm)
};
IMPLEMENT_CLASS(TMetricsDialog)

// A dialog that keeps a word of its own with its metrics.
class TDataDialog : public TForm, public IcxDialogMetricsInfoData {
  DECLARE_CLASS(TDataDialog, TForm)
 public:
  void* GetInfoData() override { return &Word; }
  Integer GetInfoDataSize() override { return Size; }
  void SetInfoData(void* AData) override { std::memcpy(&Word, AData, sizeof Word); }

  Integer Word = 0;
  Integer Size = sizeof(Integer);
};
IMPLEMENT_CLASS(TDataDialog)

class DialogMetrics : public ::testing::Test {
 protected:
  void TearDown() override { cxDialogsMetricsStoreFinalization(); }

  template <class T>
  T* Open(TFormBorderStyle border = bsSizeable) {
    auto* form = TCustomForm::CreateNew<T>(nullptr);
    form->SetBorderStyle(border);
    return form;
  }
};

TEST_F(DialogMetrics, TheFirstDialogOfAClassIsRememberedAndPlacedAtTheDefaultPosition) {
  auto* first = Open<TMetricsDialog>();
  first->SetBounds(40, 50, 300, 200);
  cxDialogsMetricsStore()->InitDialog(first);
  EXPECT_EQ(first->GetPosition(), poMainFormCenter);
  ASSERT_EQ(cxDialogsMetricsStore()->Metrics()->GetCount(), 1);
  first->SetBounds(70, 80, 360, 260);  // the user moved and sized it
  cxDialogsMetricsStore()->StoreMetrics(first);
  Integer clientWidth = first->GetClientWidth(), clientHeight = first->GetClientHeight();
  first->Free();

  auto* second = Open<TMetricsDialog>();
  cxDialogsMetricsStore()->InitDialog(second);
  EXPECT_EQ(second->GetPosition(), poDesigned);
  EXPECT_EQ(second->GetLeft(), 70);
  EXPECT_EQ(second->GetTop(), 80);
  EXPECT_EQ(second->GetClientWidth(), clientWidth);
  EXPECT_EQ(second->GetClientHeight(), clientHeight);
  EXPECT_EQ(cxDialogsMetricsStore()->Metrics()->GetCount(), 1);
  second->Free();
}

TEST_F(DialogMetrics, AFixedBorderKeepsItsSizeAndStoringAnUnknownClassDoesNothing) {
  auto* sizeable = Open<TMetricsDialog>();
  sizeable->SetBounds(10, 10, 400, 300);
  cxDialogsMetricsStore()->StoreMetrics(sizeable);  // nothing remembered for the class yet
  EXPECT_EQ(cxDialogsMetricsStore()->Metrics()->GetCount(), 0);
  cxDialogsMetricsStore()->InitDialog(sizeable);
  sizeable->Free();

  auto* fixed = Open<TMetricsDialog>(bsDialog);
  fixed->SetBounds(0, 0, 200, 100);
  Integer width = fixed->GetWidth();
  cxDialogsMetricsStore()->InitDialog(fixed);
  EXPECT_EQ(fixed->GetLeft(), 10);
  EXPECT_EQ(fixed->GetWidth(), width);  // only a sizeable border takes the remembered size
  fixed->Free();
}

TEST_F(DialogMetrics, ExtraDataIsCopiedAndHandedBack) {
  auto* first = Open<TDataDialog>();
  first->Word = 4711;
  cxDialogsMetricsStore()->InitDialog(first);
  first->Word = 0;  // the store holds its own copy
  auto* info = static_cast<TcxDialogMetricsInfo*>(cxDialogsMetricsStore()->Metrics()->GetItem(0));
  ASSERT_EQ(info->Data().size(), sizeof(Integer));
  first->Free();

  auto* second = Open<TDataDialog>();
  cxDialogsMetricsStore()->InitDialog(second);
  EXPECT_EQ(second->Word, 4711);
  second->Size = 0;  // no data now: the old copy goes
  cxDialogsMetricsStore()->StoreMetrics(second);
  EXPECT_TRUE(info->Data().empty());
  second->Free();
}

}  // namespace
