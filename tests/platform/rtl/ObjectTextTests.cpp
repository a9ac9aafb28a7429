#include <gtest/gtest.h>

#include "Exceptions.h"
#include "Filer.h"
#include "ObjectText.h"
#include "Streams.h"

namespace {

String Canonical(const String& text) { return ObjectBinaryToTextString(ObjectTextToBinaryString(text)); }

// Every construct of the text form, written as the converter writes it.
const char* const Everything = R"(object Form1: TForm1
  Caption = 'It''s '#25293#21334#13#10'end'
  Empty = ''
  Count = -40000
  Big = 9000000000
  Ratio = 0.1
  Whole = 2.0
  Tiny = 5e-324
  Size = 1.5s
  Price = -12.34c
  Round = 7c
  When = 45000.25d
  Style = [fsBold, fsItalic]
  None = []
  Enabled = False
  Link = nil
  Source = Form2.Table1
  Lines.Strings = (
    'one'
    (
      1
      'nested')
    ())
  Data = {
    000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F
    FF}
  NoData = {}
  Columns = <
    item
      Width = 64
    end
    item [3]
      Title.Caption = 'B'
    end>
  NoColumns = <>
  object Panel1: TPanel
    inherited Button1: TButton [2]
    end
    inline Frame1: TFrame1
    end
  end
  object TTimer
  end
end
)";

TEST(ObjectText, TheTextFormSurvivesAConversionToBinaryAndBack) { EXPECT_EQ(Canonical(Everything), Everything); }

TEST(ObjectText, OtherSpellingsOfTheSameValues) {
  const struct {
    const char* value;
    const char* canonical;
  } cases[] = {
      {"$FF", "255"},
      {"'a' + 'b'\n    + #66", "'abB'"},
      {"'拍卖'", "#25293#21334"},
      {"#$41#$4E2D", "'A'#20013"},
      {"#55357#56832", "#128512"},  // a UTF-16 pair is one character
      {"'😀'", "#128512"},
      {"1.50", "1.5"},
      {"1E3", "1000.0"},
      {"-0.5S", "-0.5s"},
      {"0.00005c", "0.0001c"},  // currency keeps four decimals, rounded
      {"TRUE", "True"},
      {"[ a ,b ]", "[a, b]"},
      {"( )", "()"},
  };
  for (auto& c : cases) {
    String text = String("object A: TB\n  V = ") + c.value + "\nend\n";
    EXPECT_EQ(Canonical(text), String("object A: TB\n  V = ") + c.canonical + "\nend\n") << c.value;
  }
}

TEST(ObjectText, ParserErrorsGiveTheLine) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"object A: TB\n  V 1\nend", "'=' expected on line 2"},
      {"object A: TB\n  V = 'open\nend", "Unterminated string on line 2"},
      {"object A: TB\n  V = {\n 0G }\nend", "Invalid binary value on line 2"},
      {"object A: TB\n  V = ;\nend", "Invalid property value on line 2"},
      {"object A: TB\n  V = [a b]\nend", "',' expected on line 2"},
      {"object A: TB\n  V = <\n   thing\n  end>\nend", "item expected on line 3"},
      {"object A: TB\n  V = 99999999999999999999\nend", "Invalid integer 99999999999999999999 on line 2"},
      {"object A: TB\n  V = #1114112\nend", "Invalid character code on line 2"},
      {"thing A: TB\nend", "object expected on line 1"},
      {"object A: TB\n  V = 1\n", "Identifier expected on line 3"},
      {"object A\n  V = (((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((("
       "((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((("
       "(((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((",
       "Nesting too deep on line 2"},
  };
  for (auto& c : cases) {
    try {
      ObjectTextToBinaryString(c.text);
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (EParserError& e) {
      EXPECT_EQ(e.Message(), c.error) << c.text;
    }
  }
}

TEST(ObjectText, BinaryThatIsNotAnObjectStreamIsRefused) {
  const String good = ObjectTextToBinaryString(Everything);
  EXPECT_THROW(ObjectBinaryToTextString("not a stream"), EReadError);
  EXPECT_THROW(ObjectBinaryToTextString(good.substr(0, good.size() - 1)), EReadError);
  String bad = good;
  bad[good.find("Data") + 5] = static_cast<char>(vaBinary);
  bad.replace(good.find("Data") + 6, 4, "\xFF\xFF\xFF\x7F");  // a length far beyond the stream
  EXPECT_THROW(ObjectBinaryToTextString(bad), EReadError);
}

TEST(ObjectText, TheTokenizerReadsBlanksLinesAndDottedNames) {
  TStringStream* input = New<TStringStream>("\xEF\xBB\xBF  Form2.Table1.Field  \n\n  -7 12.5c");
  TParser* parser = New<TParser>(input);
  EXPECT_EQ(parser->Token(), toSymbol);
  EXPECT_EQ(parser->TokenComponentIdent(), "Form2.Table1.Field");
  EXPECT_EQ(parser->NextToken(), toInteger);
  EXPECT_EQ(parser->TokenInt(), -7);
  EXPECT_EQ(parser->SourceLine(), 3);
  EXPECT_EQ(parser->NextToken(), toFloat);
  EXPECT_EQ(parser->FloatType(), 'c');
  EXPECT_EQ(parser->TokenCurrency().Raw, 125000);
  EXPECT_EQ(parser->NextToken(), toEOF);
  parser->Free();
  input->Free();
}

}  // namespace
