#include <gtest/gtest.h>

#include "Exceptions.h"
#include "FormatSettings.h"
#include "WinUserDraw.h"
#include "cxExtEditUtils.h"

namespace {

struct ExtEditDecimalSeparatorGuard {
  Char Saved = FormatSettings.DecimalSeparator;
  explicit ExtEditDecimalSeparatorGuard(Char ASeparator) { FormatSettings.DecimalSeparator = ASeparator; }
  ~ExtEditDecimalSeparatorGuard() { FormatSettings.DecimalSeparator = Saved; }
};

TEST(cxExtEditUtils, GetWordCountsFieldsFromOne) {
  EXPECT_EQ(GetWord(1, "a;b;c", ';'), "a");
  EXPECT_EQ(GetWord(2, "a;b;c", ';'), "b");
  EXPECT_EQ(GetWord(3, "a;b;c", ';'), "c");
  EXPECT_EQ(GetWord(4, "a;b;c", ';'), "");
  EXPECT_EQ(GetWord(0, "a;b;c", ';'), "");
  EXPECT_EQ(GetWord(2, "a;;c", ';'), "");
  EXPECT_EQ(GetWord(1, "", ';'), "");
}

TEST(cxExtEditUtils, StrToIntCollectsDigitsAndMinusSigns) {
  EXPECT_EQ(cxStrToInt("12ab3", false), 123);
  EXPECT_EQ(cxStrToInt("12ab3", true), 12);
  EXPECT_EQ(cxStrToInt("abc", false), 0);
  EXPECT_EQ(cxStrToInt("x-42", false), -42);
  EXPECT_THROW(cxStrToInt("1-2", false), EConvertError);
  EXPECT_THROW(cxStrToInt("-", false), EConvertError);
  ExtEditDecimalSeparatorGuard separator('.');
  EXPECT_DOUBLE_EQ(cxStrToFloat("a1.5b", false), 1.5);
  EXPECT_DOUBLE_EQ(cxStrToFloat("2.5x7", true), 2.5);
  EXPECT_DOUBLE_EQ(cxStrToFloat("", false), 0.0);
  EXPECT_THROW(cxStrToFloat("1.2.3", false), EConvertError);
}

TEST(cxExtEditUtils, ValidNumberTexts) {
  ExtEditDecimalSeparatorGuard separator('.');
  struct Case {
    String Text;
    bool Double;
  };
  const Case doubles[] = {
      {" -12.5 ", true}, {"0", true},   {"12.", true},     {"1e5", false}, {"--1", false},
      {"1.2.3", false},  {"", false},   {"   ", false},    {"1-", false},  {"1,5", false},
      {"-", false},      {".", false},  {"-.", false},     {String(400, '9'), false},
  };
  for (const Case& c : doubles) EXPECT_EQ(IsValidStringForDouble(c.Text), c.Double) << '"' << c.Text << '"';
  {
    ExtEditDecimalSeparatorGuard comma(',');
    EXPECT_TRUE(IsValidStringForDouble("1,5"));
    EXPECT_FALSE(IsValidStringForDouble("1.5"));
    EXPECT_FALSE(IsValidStringForDouble(","));
  }
  EXPECT_TRUE(IsValidStringForInt(" 42 "));
  EXPECT_TRUE(IsValidStringForInt("-7"));
  EXPECT_FALSE(IsValidStringForInt("4 2"));
  EXPECT_FALSE(IsValidStringForInt(""));
  EXPECT_FALSE(IsValidStringForInt("1.5"));
}

TEST(cxExtEditUtils, ColourTexts) {
  EXPECT_EQ(cxHexRGBStringColorToColor("#FF8000"), RGB(255, 128, 0));
  EXPECT_EQ(cxHexRGBStringColorToColor("ff-80-0g1"), RGB(255, 128, 1));
  EXPECT_EQ(cxHexRGBStringColorToColor("A"), RGB(10, 0, 0));
  EXPECT_EQ(cxRGBStringColorToColor("10.20.30"), RGB(10, 20, 30));
  EXPECT_EQ(cxRGBStringColorToColor("10.20"), RGB(10, 20, 20));  // a missing part repeats the rest
  EXPECT_EQ(cxRGBStringColorToColor("7"), RGB(7, 7, 7));
  // Every component keeps only its low byte, red included.
  EXPECT_EQ(cxRGBStringColorToColor("256.257.258"), RGB(0, 1, 2));
  EXPECT_EQ(cxRGBStringColorToColor("300.0.0"), RGB(44, 0, 0));
  TColor color = 0;
  EXPECT_TRUE(cxStrToColor("clRed", color));
  EXPECT_EQ(color, clRed);
  EXPECT_TRUE(cxStrToColor("65280", color));
  EXPECT_EQ(color, clLime);
  EXPECT_FALSE(cxStrToColor("reddish", color));
}

TEST(cxExtEditUtils, IncColorStaysWithinTheByteRange) {
  EXPECT_EQ(IncColor(RGB(10, 200, 250), 5, 100, 10), RGB(15, 255, 255));
  EXPECT_EQ(IncColor(RGB(10, 200, 250), -20, -100, -251), RGB(0, 100, 0));
  EXPECT_EQ(IncColor(clBtnFace, 0, 0, 0), static_cast<TColor>(ColorToRGB(clBtnFace)));
}

TEST(cxExtEditUtils, CheckStateTexts) {
  EXPECT_EQ(CheckStateToString(cbsUnchecked), "0");
  EXPECT_EQ(CheckStateToString(cbsChecked), "1");
  EXPECT_EQ(CheckStateToString(cbsGrayed), "2");
  EXPECT_EQ(StringToCheckState("1", false), cbsChecked);
  EXPECT_EQ(StringToCheckState("2", false), cbsUnchecked);
  EXPECT_EQ(StringToCheckState("1", true), cbsChecked);
  EXPECT_EQ(StringToCheckState("0", true), cbsUnchecked);
  EXPECT_EQ(StringToCheckState("x", true), cbsGrayed);
}

TEST(cxExtEditUtils, RectangleArithmetic) {
  TRect r(10, 10, 20, 30);
  InflateRectEx(r, -1, -2, 3, 4);
  EXPECT_EQ(r, TRect(9, 8, 23, 34));
  EXPECT_EQ(RectWidth(TRect(5, 0, 2, 0)), 0);
  EXPECT_EQ(RectHeight(TRect(0, 5, 0, 2)), 0);
  EXPECT_EQ(RectWidth(TRect(2, 0, 5, 0)), 3);
  EXPECT_EQ(CalcCenterPosHeight(TRect(0, 0, 10, 20), 7), 6);
  EXPECT_EQ(CalcDrawWidth(TRect(0, 0, 10, 20), 7), 21);
}

TEST(cxExtEditUtils, PrepareTextFlagForDrawTextAndForTheCanvas) {
  EXPECT_EQ(PrepareTextFlag(0, taLeftJustify, vaTop, false, false, 0), static_cast<Integer>(DT_NOPREFIX));
  EXPECT_EQ(PrepareTextFlag(DT_SINGLELINE, taRightJustify, vaBottom, true, true, 8, true, true),
            static_cast<Integer>(DT_SINGLELINE | DT_RIGHT | DT_BOTTOM | DT_END_ELLIPSIS | DT_WORDBREAK |
                                 DT_EXPANDTABS | DT_TABSTOP));
  EXPECT_EQ(PrepareTextFlag(0, taCenter, vaCenter, false, false, 0, true), static_cast<Integer>(DT_CENTER | DT_VCENTER | DT_NOPREFIX));
  EXPECT_EQ(PrepareTextFlag(0, taLeftJustify, vaTop, false, false, 0, false), 0x1 | 0x8);
  EXPECT_EQ(PrepareTextFlag(0x40, taCenter, vaCenter, true, true, 4, false, true),
            0x40 | 0x4 | 0x20 | 0x800 | 0x400 | 0x200 | 0x100);
  EXPECT_EQ(PrepareTextFlag(0, taRightJustify, vaBottom, false, false, 0, false), 0x2 | 0x10);
}

TEST(cxExtEditUtils, VarEmptiness) {
  EXPECT_TRUE(IsVarEmpty(Variant()));
  EXPECT_TRUE(IsVarEmpty(Null()));
  EXPECT_FALSE(IsVarEmpty(Variant(0)));
  EXPECT_FALSE(IsVarEmpty(Variant("")));
}

}  // namespace
