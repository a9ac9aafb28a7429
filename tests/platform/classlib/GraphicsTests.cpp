// Colours and their names, fonts, pens and brushes sharing handles through the cache, and the
// canvas drawing on a memory device context.
#include <gtest/gtest.h>

#include "Exceptions.h"
#include "Graphics.h"
#include "WinGdi.h"
#include "WinUserDraw.h"

namespace {

TEST(Colours, NamesAndNumbersConvertBothWays) {
  struct TCase {
    TColor Color;
    const char* Text;
  };
  const TCase cases[] = {{clRed, "clRed"}, {clBtnFace, "clBtnFace"}, {clNone, "clNone"},
                         {clDefault, "clDefault"}, {0x123456, "$00123456"}};
  for (const TCase& c : cases) {
    EXPECT_EQ(ColorToString(c.Color), c.Text);
    EXPECT_EQ(StringToColor(c.Text), c.Color) << c.Text;
  }
  EXPECT_EQ(StringToColor("255"), 255);
  EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
}

TEST(GraphicsObjects, EqualDescriptionsShareOneHandleUntilOneChanges) {
  TOwnedPtr<TFont> a = NewOwned<TFont>(), b = NewOwned<TFont>();
  EXPECT_EQ(a->GetName(), "宋体");
  EXPECT_EQ(a->GetSize(), 9);
  EXPECT_EQ(a->GetHeight(), -12);
  EXPECT_EQ(a->GetHandle(), b->GetHandle());
  int changes = 0;
  b->OnChange = [&](TObject*) { ++changes; };
  b->SetStyle({fsBold});
  b->SetStyle({fsBold});
  EXPECT_EQ(changes, 1) << "setting the same value is no change";
  EXPECT_NE(a->GetHandle(), b->GetHandle());
  LOGFONTA lf;
  ASSERT_GT(GetObjectA(b->GetHandle(), sizeof lf, &lf), 0);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);

  TOwnedPtr<TFont> c = NewOwned<TFont>();
  c->SetHandle(b->GetHandle());
  EXPECT_EQ(c->GetStyle(), TFontStyles{fsBold}) << "a font describes itself from a handle";
  c->Assign(a.get());
  EXPECT_EQ(c->GetHandle(), a->GetHandle());

  TOwnedPtr<TPen> p1 = NewOwned<TPen>(), p2 = NewOwned<TPen>();
  p2->SetWidth(1);
  EXPECT_EQ(p1->GetHandle(), p2->GetHandle());
  TOwnedPtr<TBrush> brush = NewOwned<TBrush>();
  brush->SetStyle(bsClear);
  brush->SetColor(clRed);
  EXPECT_EQ(brush->GetStyle(), bsSolid) << "giving a clear brush a colour makes it solid";
}

TEST(GraphicsObjects, TheCacheFreesHandlesNoObjectUses) {
  ClearGraphicsCache();
  Integer before = GraphicsCacheCount();
  {
    TOwnedPtr<TFont> f = NewOwned<TFont>();
    f->SetName("Tahoma");
    f->GetHandle();
    EXPECT_EQ(GraphicsCacheCount(), before + 1);
  }
  EXPECT_EQ(GraphicsCacheCount(), before);
}

class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DC = CreateCompatibleDC(nullptr);
    Bitmap = CreateBitmap(40, 30, 1, 32, nullptr);
    Old = SelectObject(DC, Bitmap);
    Canvas = NewOwned<TCanvas>();
    Canvas->SetHandle(DC);
  }
  void TearDown() override {
    Canvas.reset();
    SelectObject(DC, Old);
    DeleteObject(Bitmap);
    DeleteDC(DC);
  }
  HDC DC = nullptr;
  HBITMAP Bitmap = nullptr;
  HGDIOBJ Old = nullptr;
  TOwnedPtr<TCanvas> Canvas;
};

TEST_F(CanvasTest, DrawsWithItsObjectsAndGivesTheContextBack) {
  Canvas->GetBrush()->SetColor(clBlue);
  Canvas->FillRect(Rect(0, 0, 40, 30));
  EXPECT_EQ(Canvas->GetPixel(5, 5), clBlue);
  Canvas->GetPen()->SetColor(clRed);
  Canvas->MoveTo(0, 10);
  Canvas->LineTo(40, 10);
  EXPECT_EQ(Canvas->GetPixel(20, 10), clRed);
  EXPECT_EQ(Canvas->GetPenPos(), TPoint(40, 10));
  Canvas->GetPen()->SetMode(pmXor);
  Canvas->GetPen()->SetColor(clWhite);
  Canvas->MoveTo(0, 20);
  Canvas->LineTo(40, 20);
  EXPECT_EQ(Canvas->GetPixel(20, 20), 0x00FFFF) << "the pen mode applies (white XOR blue)";

  EXPECT_GT(Canvas->TextWidth("拍卖"), Canvas->TextWidth("a"));
  EXPECT_GT(Canvas->TextHeight("a"), 8);
  HGDIOBJ font = GetCurrentObject(DC, OBJ_FONT);
  EXPECT_EQ(font, Canvas->GetFont()->GetHandle());
  Canvas->SetHandle(nullptr);
  EXPECT_NE(GetCurrentObject(DC, OBJ_FONT), font) << "the canvas's objects leave the context with it";
  EXPECT_THROW(TOwnedPtr<TCanvas>(New<TCanvas>())->FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
}

}  // namespace
