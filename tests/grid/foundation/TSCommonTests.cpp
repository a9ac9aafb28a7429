#include <gtest/gtest.h>

#include "Exceptions.h"
#include "Filer.h"
#include "Lists.h"
#include "Streams.h"
#include "TSCommon.h"
#include "Variants.h"

namespace {

TEST(TSCommon, MarkupEscapesAndAccelerators) {
  EXPECT_EQ(CheckForWhiteSpace("a\"b'c&d<e>f 中"), "a&quot;b&apos;c&amp;d&lt;e&gt;f 中");
  EXPECT_EQ(CheckEscapeChars("a;b;;", ';', '\\'), "a\\;b\\;\\;");

  struct Case {
    const char* Caption;
    const char* Text;
    Integer AccelPos;
  } cases[] = {
      {"Save &As", "Save As", 6}, {"A&&B", "A&B", 0},    {"End&", "End", 0},  {"&&&x", "&x", 2},
      {"中&文", "中文", 4},       {"&中文", "中文", 1},  {"plain", "plain", 0},
  };
  for (const Case& c : cases) {
    Integer accel = -1;
    EXPECT_EQ(TextAccelKey(c.Caption, accel), c.Text) << c.Caption;
    EXPECT_EQ(accel, c.AccelPos) << c.Caption;
  }
}

TEST(TSCommon, ScansSkipBytesInsideMultibyteCharacters) {
  const char text[] = "a中b\xE4x";  // 中 is E4 B8 AD; the lone E4 before x is a byte of its own
  Integer count = static_cast<Integer>(sizeof text - 1);
  EXPECT_EQ(StrNScan(text, '\xE4', count), text + 1);
  EXPECT_EQ(AnsiStrNScan(text, '\xE4', count), text + 5);
  EXPECT_EQ(AnsiStrRNScan(text, '\xE4', count), text + 5);
  EXPECT_EQ(AnsiStrNScan(text, '\xE4', 5), nullptr);
  const char ab[] = "abab";
  EXPECT_EQ(StrRNScan(ab, 'a', 4), ab + 2);
  EXPECT_EQ(StrNScan(ab, 'a', 0), nullptr);

  String rest = "one|two|three";
  String first;
  SeparateFirstPart(rest, first, '|');
  EXPECT_EQ(first, "one");
  EXPECT_EQ(rest, "two|three");
  rest = "alone";
  SeparateFirstPart(rest, first, '|');
  EXPECT_EQ(first, "alone");
  EXPECT_EQ(rest, "");
}

TEST(TSCommon, PictureIdsAndGeometry) {
  String joined = AddPictureIds("Logo", 2, 17);
  EXPECT_EQ(joined, String("Logo\x01" "2\x01" "17"));
  Integer id1, id2;
  EXPECT_EQ(SeparatePictureIds(joined, id1, id2), "Logo");
  EXPECT_EQ(id1, 2);
  EXPECT_EQ(id2, 17);
  EXPECT_EQ(SeparatePictureIds("Plain", id1, id2), "Plain");
  EXPECT_EQ(id1, -1);
  EXPECT_EQ(id2, -1);
  EXPECT_THROW(SeparatePictureIds(String("Logo\x01x\x01") + "1", id1, id2), EConvertError);

  EXPECT_TRUE(PointInRect(TPoint(10, 20), TRect(0, 0, 10, 20)));
  EXPECT_FALSE(PointInRect(TPoint(11, 20), TRect(0, 0, 10, 20)));
  EXPECT_EQ(Sign(-5), -1);
  EXPECT_EQ(CalcMax(-1, 3), 3);
  EXPECT_EQ(CalcMin(-1, 3), -1);
  Integer a = 1, b = 2;
  SwapLongint(a, b);
  EXPECT_EQ(a * 10 + b, 21);
  EXPECT_EQ(AlignmentToHorzAlignment(taCenter, true), htaCenter);
  EXPECT_EQ(AlignmentToHorzAlignment(taCenter, false), htaDefault);
  EXPECT_EQ(HorzAlignmentToAlignment(htaDefault), taLeftJustify);
  EXPECT_FALSE(HorzAlignmentToAlign(htaDefault));
}

TEST(TSCommon, ObjectsTravelWholeInVariants) {
  TOwnedPtr<TList> list(New<TList>());
  Variant v = ObjectToVariant(list.get());
  EXPECT_EQ(VariantToObject(v), list.get());
  EXPECT_EQ(VariantToObject(Variant()), nullptr);
  EXPECT_THROW(VariantToObject("not a number"), EVariantTypeCastError);
}

TEST(TSCommon, VariantEqualityAndOrder) {
  EXPECT_TRUE(EqualPropValue(3, 3.0));
  EXPECT_FALSE(VariantEqual(3, 3.0));
  EXPECT_TRUE(VariantEqual(Null(), Null()));
  EXPECT_FALSE(VariantEqual(Null(), Variant()));
  EXPECT_TRUE(VariantEqual(Variant(), Variant()));
  EXPECT_FALSE(VariantEqual(Variant(), 0));
  EXPECT_FALSE(EqualPropValue("3", 3));
  EXPECT_TRUE(VariantEqual(VarArrayOf({1, "a"}), VarArrayOf({1, "a"})));

  struct Case {
    Variant A, B;
    Integer Order;
  } cases[] = {
      {Variant(), Null(), -1},
      {Null(), Variant(), 1},
      {Null(), Null(), 0},
      {Null(), 5, -1},
      {5, Null(), 1},
      {2, "10", -1},  // the platform's mixed comparison: the text is taken as a number
      {"b", "a", 1},
      {VarArrayOf({1, 2}), VarArrayOf({1, 3}), -1},
      {VarArrayOf({1, 2}), VarArrayOf({1, 2}), 0},
      {VarArrayOf({1}), VarArrayOf({1, 2}), -1},
      {VarArrayOf({Null()}), 7, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CompareVariant(c.A, c.B), c.Order);
    EXPECT_EQ(CompareVariant(c.B, c.A), -c.Order);
  }
  EXPECT_THROW(CompareVariant("abc", 5), EVariantTypeCastError);
}

TEST(TSCommon, VariantsAsFormStreamValuesReadBackFaithfully) {
  struct Case {
    Variant Written;
    Variant Read;
  } cases[] = {
      {Variant(), Variant()},
      {Null(), Null()},
      {SmallInt(-300), -300},
      {Integer(70000), 70000},
      {Byte(255), 255},
      {Int64(1) << 40, Int64(1) << 40},
      {Currency::FromDouble(12.3456), Currency::FromDouble(12.3456)},
      {1.25, 1.25},
      {VarFromDateTime(45000.5), 45000.5},
      {String(300, 'x'), String(300, 'x')},
      {u"价格", "价格"},
      {true, true},
      {VarArrayOf({1}), ""},
  };
  TOwnedPtr<TMemoryStream> stream(New<TMemoryStream>());
  {
    TOwnedPtr<TWriter> writer(New<TWriter>(stream.get()));
    for (const Case& c : cases) WriteVariant(writer.get(), c.Written);
    writer->WriteListBegin();  // a kind the reader does not know: skipped whole
    writer->WriteInteger(5);
    writer->WriteListEnd();
    writer->WriteString("after");
  }
  stream->SetPosition(0);
  TOwnedPtr<TReader> reader(New<TReader>(stream.get()));
  for (const Case& c : cases) {
    Variant read = ReadVariant(reader.get());
    EXPECT_EQ(VarType(read), VarType(c.Read)) << VarTypeAsText(VarType(c.Written));
    EXPECT_TRUE(VarSameValue(read, c.Read)) << VarTypeAsText(VarType(c.Written));
  }
  EXPECT_TRUE(VarIsEmpty(ReadVariant(reader.get())));
  EXPECT_EQ(VarToStr(ReadVariant(reader.get())), "after");
}

TEST(TSCommon, CheckBoxValueStrings) {
  struct Parse {
    const char* Values;
    bool Ok;
    const char *Checked, *Unchecked, *Grayed;
  } parses[] = {
      {"", true, "", "", ""},           {"Yes|No", true, "Yes", "No", ""},
      {"Yes|No|Maybe", true, "Yes", "No", "Maybe"}, {"|No", true, "", "No", ""},
      {"Yes", false, "Yes", "", ""},    {"Yes|", false, "Yes", "", ""},
      {"a|b|c|d", false, "a", "b", "c"}, {"是|否", true, "是", "否", ""},
  };
  for (const Parse& p : parses) {
    String checked, unchecked, grayed;
    EXPECT_EQ(ParseCheckBoxValues(p.Values, checked, unchecked, grayed), p.Ok) << p.Values;
    EXPECT_EQ(checked, p.Checked) << p.Values;
    EXPECT_EQ(unchecked, p.Unchecked) << p.Values;
    EXPECT_EQ(grayed, p.Grayed) << p.Values;
    EXPECT_EQ(CheckBoxValuesOk(p.Values), p.Ok);
  }

  EXPECT_EQ(StringToCheckBox("YES", "yes|no"), cbChecked);
  EXPECT_EQ(StringToCheckBox("No", "yes|no"), cbUnchecked);
  EXPECT_EQ(StringToCheckBox("x", "yes|no"), cbGrayed);
  EXPECT_EQ(StringToCheckBox("yes", ""), cbGrayed);
  Variant grayed = CheckBoxToVariant(cbGrayed, "on|off");
  EXPECT_TRUE(VarIsStr(grayed));
  EXPECT_EQ(VarToStr(grayed), "");
  EXPECT_TRUE(VarIsNull(CheckBoxToVariant(cbGrayed, "on|off|Null")));

  // Every state reads back as itself, whatever the value strings, "Null" in any case included.
  for (const char* values : {"", "on|off", "on|off|Null", "Null|x", "null|x", "a|NULL|b"})
    for (TCheckBoxState state : {cbUnchecked, cbChecked, cbGrayed})
      EXPECT_EQ(VariantToCheckBox(CheckBoxToVariant(state, values), values), state) << values << " " << state;
  EXPECT_EQ(VariantToCheckBox(Null(), "on|Null"), cbUnchecked);
  EXPECT_EQ(VariantToCheckBox(Null(), "on|off"), cbGrayed);
  EXPECT_EQ(VariantToCheckBox(7, ""), cbGrayed);
  EXPECT_EQ(VariantToCheckBox(true, ""), cbGrayed);
  EXPECT_EQ(VariantToCheckBox(1.0, ""), cbGrayed);
}

TEST(TSCommon, StackAndMaskEntry) {
  TOwnedPtr<TtsStack> stack(New<TtsStack>());
  EXPECT_THROW(stack->Pop(), EListError);
  stack->Push(1);
  stack->Push(NativeInt(1) << 40);
  EXPECT_EQ(stack->CurValue(), NativeInt(1) << 40);
  EXPECT_EQ(stack->Pop(), NativeInt(1) << 40);
  EXPECT_EQ(stack->Pop(), 1);
  EXPECT_THROW(stack->CurValue(), EListError);

  TOwnedPtr<TosMaskEntry> entry(New<TosMaskEntry>());
  entry->SetStorageText("Phone~###-####\r");
  EXPECT_EQ(entry->Name, "Phone");
  EXPECT_EQ(entry->Picture, "###-####");
  EXPECT_EQ(entry->GetDisplayName(), "Phone     (###-####)");
  EXPECT_EQ(entry->GetStorageText(), "Phone~###-####\r");
  entry->SetStorageText("Renamed");
  EXPECT_EQ(entry->Name, "Renamed");
  EXPECT_EQ(entry->Picture, "###-####");
}

}  // namespace
