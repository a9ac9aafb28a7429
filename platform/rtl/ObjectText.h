// The text form of the object stream, in which form resources are written, and its tokenizer.
//
//   object Form1: TForm1                 a component: name and class ("object TClass" when unnamed);
//     Caption = '拍卖计时'                 "inherited" for one of the ancestor, "inline" for an
//     Font.Style = [fsBold]               embedded root; " [3]" after the class gives its child order
//     Width = 441                         integers (decimal, or hexadecimal after '$')
//     Ratio = 1.5                         floats; the suffixes s, c and d mark single, currency, date
//     Visible = False                     identifiers: enumeration values, True/False, nil,
//     PopupMenu = PopupMenu1              component references, event handler names
//     Lines.Strings = (                   lists of values
//       'one'
//       'two'#13#10'lines')               strings: '...' with '' for a quote, #nnnn character codes
//     Columns = <                         collections: items, optionally "item [n]" with an order
//       item
//         Width = 64
//       end>
//     Data = {                            binary data in hexadecimal
//       0A1B2C}
//     object Panel1: TPanel               child components
//     end
//   end
//
// A string may be cut into pieces joined with '+'. Strings hold UTF-8 text: characters may be
// written as they are or as #codes (the Unicode code point); the writer writes every character
// outside printable ASCII as a code, so the text is plain ASCII.
#pragma once

#include "System.h"

namespace Streams {
class TStream;
}

namespace ObjectText {

using Streams::TStream;

// Token kinds of TParser (any other token is the character itself).
constexpr char toEOF = 0;
constexpr char toSymbol = 1;
constexpr char toString = 2;
constexpr char toInteger = 3;
constexpr char toFloat = 4;
constexpr char toWString = 5;

// Splits object text into tokens. Errors raise EParserError "<message> on line <n>".
class TParser : public TObject {
  DECLARE_CLASS(TParser, TObject)
 public:
  char Token() const { return FToken; }
  char NextToken();
  // The text of the token; for a string, its value (pieces joined, codes resolved).
  const String& TokenString() const { return FTokenString; }
  Int64 TokenInt() const;
  Extended TokenFloat() const;
  // 's', 'c' or 'd' after a float with a type suffix; 0 otherwise.
  char FloatType() const { return FFloatType; }
  // The exact value of a currency literal (the float token with suffix c).
  Currency TokenCurrency() const;
  // A symbol together with the dotted symbols that follow it ("Form2.Button1").
  String TokenComponentIdent();
  bool TokenSymbolIs(const String& S) const;
  void CheckToken(char T) const;
  void CheckTokenSymbol(const String& S) const;
  // Reads hexadecimal digit pairs (blanks and line breaks between them allowed) up to '}' into Stream.
  void HexToBinary(TStream* Stream);
  Integer SourceLine() const { return FTokenLine; }
  [[noreturn]] void Error(const String& Message) const;

 protected:
  friend struct TObjectFactory;
  explicit TParser(TStream* Stream = nullptr) : FInput(Stream) {}
  void Construct() override;

 private:
  void SkipBlanks();
  void ScanString();
  void ScanNumber();

  TStream* FInput;
  String FText;
  size_t FPos = 0;
  Integer FLine = 1;
  Integer FTokenLine = 1;
  char FToken = toEOF;
  String FTokenString;
  char FFloatType = 0;
};

// Converts between the binary object stream and its text form, from each stream's position on.
// Bad text raises EParserError with its line; a bad binary stream raises EReadError.
void ObjectTextToBinary(TStream* Input, TStream* Output);
void ObjectBinaryToText(TStream* Input, TStream* Output);

// The same on strings, for form resources kept as text.
String ObjectTextToBinaryString(const String& Text);
String ObjectBinaryToTextString(const String& Binary);

}  // namespace ObjectText

using namespace ObjectText;
