// The extended painter registry and the shared painter resources made at the painter unit's start.
#include <gtest/gtest.h>

#include "Graphics.h"
#include "UxTheme.h"
#include "cxGraphicsImageList.h"
#include "cxLookAndFeelPaintersRegistry.h"
#include "cxLookAndFeels.h"

namespace {

class TRegistryTestPainterA : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TRegistryTestPainterA, TcxCustomLookAndFeelPainter)
};
class TRegistryTestPainterB : public TcxCustomLookAndFeelPainter {
  DECLARE_CLASS(TRegistryTestPainterB, TcxCustomLookAndFeelPainter)
};
IMPLEMENT_CLASS(TRegistryTestPainterA)
IMPLEMENT_CLASS(TRegistryTestPainterB)

const auto PainterA = TcxCustomLookAndFeelPainterClass::Of<TRegistryTestPainterA>();
const auto PainterB = TcxCustomLookAndFeelPainterClass::Of<TRegistryTestPainterB>();

class TFreedFlag : public TObject {
 public:
  explicit TFreedFlag(bool& AFreed) : FFreed(AFreed) {}
  ~TFreedFlag() override { FFreed = true; }
  bool& FFreed;
};

TEST(cxExtendedStylePainters, NamesAreUniqueWithoutCaseAndKeptSorted) {
  auto List = NewOwned<TcxExtendedStylePainters>();
  EXPECT_TRUE(List->Register("Lilian", PainterA));
  EXPECT_FALSE(List->Register("LILIAN", PainterB));
  EXPECT_TRUE(List->Register("Caramel", PainterB));
  ASSERT_EQ(List->GetCount(), 2);
  EXPECT_EQ(List->GetName(0), "Caramel");
  EXPECT_EQ(List->GetName(1), "Lilian");
  TcxCustomLookAndFeelPainterClass Found;
  EXPECT_TRUE(List->GetPainterByName("lilian", Found));
  EXPECT_EQ(Found, PainterA);
  String Name = "stale";
  EXPECT_TRUE(List->GetNameByPainter(PainterB, Name));
  EXPECT_EQ(Name, "Caramel");
  List->Unregister("caramel");
  EXPECT_FALSE(List->GetNameByPainter(PainterB, Name));
  EXPECT_TRUE(Name.empty());
}

TEST(cxExtendedStylePainters, AnEmptyRegistryFindsNoNameAndUnregisterFreesTheData) {
  auto List = NewOwned<TcxExtendedStylePainters>();
  for (const char* N : {"", "Lilian", " "}) {
    TcxCustomLookAndFeelPainterClass Found = PainterB;
    EXPECT_FALSE(List->GetPainterByName(N, Found)) << N;
    EXPECT_EQ(Found, PainterB) << N;  // left as it was
  }
  bool Freed = false;
  List->Register("Blue", PainterA, New<TFreedFlag>(Freed));
  TObject* Data = nullptr;
  EXPECT_TRUE(List->GetPainterData(PainterA, Data));
  EXPECT_NE(Data, nullptr);
  EXPECT_FALSE(List->Unregister("Green"));
  EXPECT_TRUE(List->Unregister("BLUE"));
  EXPECT_TRUE(Freed);
}

TEST(cxExtendedStylePainters, ALookAndFeelFollowsItsSkinPainterInAndOut) {
  TcxExtendedStylePainters* Registry = GetExtendedStylePainters();
  ASSERT_NE(Registry, nullptr);
  ASSERT_EQ(Registry->GetCount(), 0);
  auto L = NewOwned<TcxLookAndFeel>();
  L->SetSkinName("Blue");
  EXPECT_FALSE(L->GetSkinPainter());
  const auto KindPainter = L->GetPainter();

  ASSERT_TRUE(Registry->Register("BLUE", PainterA));
  L->Refresh();
  EXPECT_EQ(L->GetPainter(), PainterA);
  EXPECT_EQ(Registry->ListenerCount(), 1);
  // Native style keeps skins out.
  L->SetNativeStyle(true);
  SetThemeActive(false);
  L->Refresh();
  EXPECT_FALSE(L->GetSkinPainter());
  L->SetNativeStyle(false);
  SetThemeActive(true);
  EXPECT_EQ(L->GetPainter(), PainterA);

  ASSERT_TRUE(Registry->Unregister("Blue"));
  EXPECT_EQ(L->GetPainter(), KindPainter);
  EXPECT_EQ(Registry->ListenerCount(), 0);
}

TEST(cxLookAndFeelPainterResources, TheUnitStartHandsTheStylePaintersToTheLookAndFeels) {
  EXPECT_EQ(GetStylePainterClass(lfsUltraFlat), GetCurrentPainterClass());
  for (int S = lfsFlat; S <= lfsOffice11; ++S) {
    EXPECT_EQ(GetStylePainterClass(TcxLookAndFeelStyle(S))->LookAndFeelStyle(), S) << S;
  }
  EXPECT_EQ(RootLookAndFeel()->GetPainter(), GetCurrentPainterClass());
}

TEST(cxLookAndFeelPainterResources, SizesAndPatterns) {
  EXPECT_EQ(cxLookAndFeelCheckButtonSize(), TSize(13, 13));
  TcxImageList* Indicators = cxLookAndFeelIndicatorImages();
  ASSERT_NE(Indicators, nullptr);
  EXPECT_EQ(Indicators->GetCount(), 6);

  for (bool Pressed : {false, true}) {
    TBitmap* Pattern = cxLookAndFeelScrollBarBitmap(Pressed);
    ASSERT_NE(Pattern, nullptr);
    ASSERT_EQ(Pattern->GetWidth(), 8);
    ASSERT_EQ(Pattern->GetHeight(), 8);
    const TColor Even = Pressed ? clBlack : ColorToRGB(clBtnFace);
    const TColor Odd = Pressed ? ColorToRGB(cl3DDkShadow) : ColorToRGB(clBtnHighlight);
    struct {
      int X, Y;
      bool Even;
    } cells[] = {{0, 0, true}, {1, 1, true}, {7, 7, true}, {2, 4, true}, {1, 0, false}, {0, 7, false}, {6, 3, false}};
    for (const auto& c : cells)
      EXPECT_EQ(Pattern->GetCanvas()->GetPixel(c.X, c.Y), c.Even ? Even : Odd) << Pressed << " " << c.X << "," << c.Y;
  }
}

TEST(cxLookAndFeelPainterResources, TextRectShrinksByTwoEvenPastEmpty) {
  EXPECT_EQ(cxTextRect(TRect(0, 0, 10, 8)), TRect(2, 2, 8, 6));
  const TRect Small = cxTextRect(TRect(0, 0, 3, 3));
  EXPECT_EQ(Small.right - Small.left, -1);
}

}  // namespace
