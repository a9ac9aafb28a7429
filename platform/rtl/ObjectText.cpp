#include "ObjectText.h"

#include <charconv>
#include <cmath>

#include "Exceptions.h"
#include "Filer.h"
#include "FilerInternal.h"
#include "Multibyte.h"
#include "Streams.h"
#include "Strings.h"

namespace ObjectText {

namespace {

// Values nest in lists and collections; text nested deeper than this is not a form.
constexpr int MaxNesting = 256;

bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
int HexValue(char c) { return IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

// Releases an object when the scope ends, also when an exception passes.
template <class T>
struct TFreeGuard {
  T* Object;
  ~TFreeGuard() {
    if (!Object) return;
    try {
      Object->Free();
    } catch (...) {
    }
  }
};

}  // namespace

// ---- The tokenizer ---------------------------------------------------------------------------------
IMPLEMENT_CLASS(TParser)

void TParser::Construct() {
  inherited::Construct();
  if (FInput) {
    Int64 size = FInput->GetSize() - FInput->GetPosition();
    if (size > 0) {
      FText.resize(static_cast<size_t>(size));
      FText.resize(static_cast<size_t>(FInput->Read(FText.data(), static_cast<Integer>(size))));
    }
  }
  if (FText.compare(0, 3, "\xEF\xBB\xBF") == 0) FPos = 3;  // a UTF-8 byte-order mark
  NextToken();
}

void TParser::Error(const String& Message) const {
  throw EParserError(Message + " on line " + std::to_string(FTokenLine));
}

void TParser::SkipBlanks() {
  while (FPos < FText.size()) {
    char c = FText[FPos];
    if (c == '\n') ++FLine;
    else if (static_cast<unsigned char>(c) > ' ') break;
    ++FPos;
  }
}

char TParser::NextToken() {
  SkipBlanks();
  FTokenLine = FLine;
  FFloatType = 0;
  FTokenString.clear();
  if (FPos >= FText.size()) return FToken = toEOF;
  char c = FText[FPos];
  if (IsIdentStart(c)) {
    size_t start = FPos;
    while (FPos < FText.size() && IsIdentChar(FText[FPos])) ++FPos;
    FTokenString = FText.substr(start, FPos - start);
    return FToken = toSymbol;
  }
  if (c == '\'' || c == '#') {
    ScanString();
    return FToken = toString;
  }
  if (c == '$') {
    size_t start = FPos++;
    while (FPos < FText.size() && IsHexDigit(FText[FPos])) ++FPos;
    if (FPos == start + 1) Error("Number expected");
    FTokenString = FText.substr(start, FPos - start);
    return FToken = toInteger;
  }
  if (IsDigit(c) || (c == '-' && FPos + 1 < FText.size() && IsDigit(FText[FPos + 1]))) {
    ScanNumber();
    return FToken;
  }
  ++FPos;
  FTokenString.assign(1, c);
  return FToken = c;
}

void TParser::ScanString() {
  char32_t highSurrogate = 0;
  auto append = [&](char32_t code) {
    // A code pair written by a UTF-16 tool makes one character.
    if (highSurrogate) {
      if (code >= 0xDC00 && code <= 0xDFFF) {
        Utf8Append(FTokenString, 0x10000 + ((highSurrogate - 0xD800) << 10) + (code - 0xDC00));
        highSurrogate = 0;
        return;
      }
      Utf8Append(FTokenString, 0xFFFD);
      highSurrogate = 0;
    }
    if (code >= 0xD800 && code <= 0xDBFF) highSurrogate = code;
    else Utf8Append(FTokenString, code);
  };
  while (FPos < FText.size()) {
    char c = FText[FPos];
    if (c == '\'') {
      if (highSurrogate) append(0xFFFD);
      ++FPos;
      for (;;) {
        if (FPos >= FText.size() || FText[FPos] == '\n' || FText[FPos] == '\r') Error("Unterminated string");
        if (FText[FPos] == '\'') {
          if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
            FTokenString += '\'';
            FPos += 2;
            continue;
          }
          ++FPos;
          break;
        }
        FTokenString += FText[FPos++];
      }
    } else if (c == '#') {
      ++FPos;
      bool hex = FPos < FText.size() && FText[FPos] == '$';
      if (hex) ++FPos;
      size_t start = FPos;
      UInt64 code = 0;
      while (FPos < FText.size() && (hex ? IsHexDigit(FText[FPos]) : IsDigit(FText[FPos]))) {
        code = code * (hex ? 16 : 10) + static_cast<UInt64>(HexValue(FText[FPos]));
        if (code > 0x10FFFF) Error("Invalid character code");
        ++FPos;
      }
      if (FPos == start) Error("Invalid string constant");
      append(static_cast<char32_t>(code));
    } else {
      break;
    }
  }
  if (highSurrogate) Utf8Append(FTokenString, 0xFFFD);
}

void TParser::ScanNumber() {
  size_t start = FPos;
  bool isFloat = false;
  if (FText[FPos] == '-') ++FPos;
  while (FPos < FText.size() && IsDigit(FText[FPos])) ++FPos;
  if (FPos + 1 < FText.size() && FText[FPos] == '.' && IsDigit(FText[FPos + 1])) {
    isFloat = true;
    ++FPos;
    while (FPos < FText.size() && IsDigit(FText[FPos])) ++FPos;
  }
  if (FPos < FText.size() && (FText[FPos] == 'e' || FText[FPos] == 'E')) {
    size_t e = FPos + 1;
    if (e < FText.size() && (FText[e] == '+' || FText[e] == '-')) ++e;
    if (e < FText.size() && IsDigit(FText[e])) {
      isFloat = true;
      FPos = e;
      while (FPos < FText.size() && IsDigit(FText[FPos])) ++FPos;
    }
  }
  FTokenString = FText.substr(start, FPos - start);
  if (FPos < FText.size()) {
    char s = static_cast<char>(FText[FPos] | 0x20);
    if ((s == 's' || s == 'c' || s == 'd') && (FPos + 1 >= FText.size() || !IsIdentChar(FText[FPos + 1]))) {
      FFloatType = s;
      isFloat = true;
      ++FPos;
    }
  }
  FToken = isFloat ? toFloat : toInteger;
}

Int64 TParser::TokenInt() const {
  const String& s = FTokenString;
  if (!s.empty() && s[0] == '$') {
    UInt64 v = 0;
    auto [end, ec] = std::from_chars(s.data() + 1, s.data() + s.size(), v, 16);
    if (ec != std::errc() || end != s.data() + s.size()) Error("Invalid integer " + s);
    return static_cast<Int64>(v);
  }
  Int64 v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) Error("Invalid integer " + s);
  return v;
}

Extended TParser::TokenFloat() const {
  double v = 0;
  auto [end, ec] = std::from_chars(FTokenString.data(), FTokenString.data() + FTokenString.size(), v);
  if (ec != std::errc() || end != FTokenString.data() + FTokenString.size()) Error("Invalid number " + FTokenString);
  return v;
}

// Decimal digits straight into the scaled integer, so that no currency value passes through a float.
Currency TParser::TokenCurrency() const {
  const String& s = FTokenString;
  size_t i = 0;
  bool negative = !s.empty() && s[0] == '-';
  if (negative) ++i;
  if (s.find_first_of("eE") != String::npos) return Currency::FromDouble(TokenFloat());
  unsigned __int128 raw = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i) raw = raw * 10 + static_cast<unsigned>(s[i] - '0');
  int decimals = 0;
  bool roundUp = false;
  if (i < s.size() && s[i] == '.')
    for (++i; i < s.size() && IsDigit(s[i]); ++i) {
      if (decimals < 4) {
        raw = raw * 10 + static_cast<unsigned>(s[i] - '0');
        ++decimals;
      } else if (decimals == 4) {
        roundUp = s[i] >= '5';
        ++decimals;
      }
    }
  for (; decimals < 4; ++decimals) raw *= 10;
  if (roundUp) ++raw;
  if (raw > static_cast<unsigned __int128>(INT64_MAX)) Error("Invalid number " + s);
  Int64 value = static_cast<Int64>(raw);
  return Currency::FromRaw(negative ? -value : value);
}

String TParser::TokenComponentIdent() {
  CheckToken(toSymbol);
  while (FPos < FText.size() && FText[FPos] == '.') {
    ++FPos;
    if (FPos >= FText.size() || !IsIdentStart(FText[FPos])) Error("Identifier expected");
    size_t start = FPos;
    while (FPos < FText.size() && IsIdentChar(FText[FPos])) ++FPos;
    FTokenString += "." + FText.substr(start, FPos - start);
  }
  return FTokenString;
}

bool TParser::TokenSymbolIs(const String& S) const { return FToken == toSymbol && SameText(FTokenString, S); }

void TParser::CheckToken(char T) const {
  if (FToken == T) return;
  switch (T) {
    case toSymbol: Error("Identifier expected");
    case toString:
    case toWString: Error("String expected");
    case toInteger:
    case toFloat: Error("Number expected");
    default: Error(String("'") + T + "' expected");
  }
}

void TParser::CheckTokenSymbol(const String& S) const {
  if (!TokenSymbolIs(S)) Error(S + " expected");
}

void TParser::HexToBinary(TStream* Stream) {
  String bytes;
  for (;;) {
    SkipBlanks();
    if (FPos >= FText.size()) Error("Invalid binary value");
    if (FText[FPos] == '}') break;
    if (FPos + 1 >= FText.size() || !IsHexDigit(FText[FPos]) || !IsHexDigit(FText[FPos + 1]))
      Error("Invalid binary value");
    bytes += static_cast<char>(HexValue(FText[FPos]) * 16 + HexValue(FText[FPos + 1]));
    FPos += 2;
  }
  if (!bytes.empty()) Stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  NextToken();  // the closing brace
}

// ---- Text to binary ---------------------------------------------------------------------------------
namespace {

class TTextToBinary {
 public:
  TTextToBinary(TParser* Parser, TWriter* Writer) : P(Parser), W(Writer) {}

  void ConvertObject() {
    TFilerFlags flags;
    if (P->TokenSymbolIs("inherited")) flags.Include(ffInherited);
    else if (P->TokenSymbolIs("inline")) flags.Include(ffInline);
    else P->CheckTokenSymbol("object");
    Enter();
    P->NextToken();
    P->CheckToken(toSymbol);
    String className = P->TokenString(), objectName;
    if (P->NextToken() == ':') {
      P->NextToken();
      P->CheckToken(toSymbol);
      objectName = className;
      className = P->TokenString();
      P->NextToken();
    }
    Integer position = 0;
    if (ConvertOrderModifier(position)) flags.Include(ffChildPos);
    W->WritePrefix(flags, position);
    W->WriteStr(className);
    W->WriteStr(objectName);
    while (!IsObjectStart() && !P->TokenSymbolIs("end")) ConvertProperty();
    W->WriteListEnd();
    while (!P->TokenSymbolIs("end")) ConvertObject();
    W->WriteListEnd();
    P->NextToken();
    --FDepth;
  }

 private:
  bool IsObjectStart() const {
    return P->TokenSymbolIs("object") || P->TokenSymbolIs("inherited") || P->TokenSymbolIs("inline");
  }

  void Enter() {
    if (++FDepth > MaxNesting) P->Error("Nesting too deep");
  }

  bool ConvertOrderModifier(Integer& Order) {
    if (P->Token() != '[') return false;
    P->NextToken();
    P->CheckToken(toInteger);
    Int64 v = P->TokenInt();
    if (v < INT32_MIN || v > INT32_MAX) P->Error("Invalid order number");
    Order = static_cast<Integer>(v);
    P->NextToken();
    P->CheckToken(']');
    P->NextToken();
    return true;
  }

  void ConvertProperty() {
    P->CheckToken(toSymbol);
    String name = P->TokenString();
    P->NextToken();
    while (P->Token() == '.') {
      P->NextToken();
      P->CheckToken(toSymbol);
      name += "." + P->TokenString();
      P->NextToken();
    }
    if (name.size() > 255) P->Error("Property name too long");
    W->WriteStr(name);
    P->CheckToken('=');
    P->NextToken();
    ConvertValue();
  }

  void ConvertValue() {
    Enter();
    switch (P->Token()) {
      case toString: {
        String s = P->TokenString();
        while (P->NextToken() == '+') {
          P->NextToken();
          P->CheckToken(toString);
          s += P->TokenString();
        }
        W->WriteString(s);
        break;
      }
      case toInteger:
        W->WriteInteger(P->TokenInt());
        P->NextToken();
        break;
      case toFloat:
        switch (P->FloatType()) {
          case 's': W->WriteSingle(static_cast<Single>(P->TokenFloat())); break;
          case 'c': W->WriteCurrency(P->TokenCurrency()); break;
          case 'd': W->WriteDate(P->TokenFloat()); break;
          default: W->WriteFloat(P->TokenFloat()); break;
        }
        P->NextToken();
        break;
      case toSymbol:
        W->WriteIdent(P->TokenComponentIdent());
        P->NextToken();
        break;
      case '[':
        P->NextToken();
        W->WriteValue(vaSet);
        if (P->Token() != ']')
          for (;;) {
            P->CheckToken(toSymbol);
            W->WriteStr(P->TokenString());
            if (P->NextToken() == ']') break;
            P->CheckToken(',');
            P->NextToken();
          }
        W->WriteStr(String());
        P->NextToken();
        break;
      case '(':
        P->NextToken();
        W->WriteListBegin();
        while (P->Token() != ')') ConvertValue();
        W->WriteListEnd();
        P->NextToken();
        break;
      case '{': {
        TMemoryStream* data = New<TMemoryStream>();
        TFreeGuard<TMemoryStream> guard{data};
        P->HexToBinary(data);
        W->WriteValue(vaBinary);
        Byte length[4];
        FilerInternal::PutLE<Integer>(length, static_cast<Integer>(data->GetSize()));
        W->Write(length, 4);
        W->Write(data->GetMemory(), static_cast<Integer>(data->GetSize()));
        P->NextToken();
        break;
      }
      case '<':
        P->NextToken();
        W->WriteValue(vaCollection);
        while (P->Token() != '>') {
          P->CheckTokenSymbol("item");
          P->NextToken();
          Integer order = 0;
          if (ConvertOrderModifier(order)) W->WriteInteger(order);
          W->WriteListBegin();
          while (!P->TokenSymbolIs("end")) ConvertProperty();
          W->WriteListEnd();
          P->NextToken();
        }
        W->WriteListEnd();
        P->NextToken();
        break;
      default: P->Error("Invalid property value");
    }
    --FDepth;
  }

  TParser* P;
  TWriter* W;
  int FDepth = 0;
};

// ---- Binary to text --------------------------------------------------------------------------------
// The shortest text that reads back as the same value.
String FloatText(double v, bool single) {
  char buf[64];
  auto r = single ? std::to_chars(buf, buf + sizeof buf, static_cast<float>(v))
                       : std::to_chars(buf, buf + sizeof buf, v);
  String s(buf, r.ptr);
  // A float must read back as a float, not as an integer.
  if (std::isfinite(v) && s.find_first_of(".e") == String::npos) s += ".0";
  return s;
}

String CurrencyText(Currency c) {
  bool negative = c.Raw < 0;
  unsigned __int128 raw = negative ? -static_cast<__int128>(c.Raw) : c.Raw;
  String whole = std::to_string(static_cast<UInt64>(raw / 10000));
  String frac = std::to_string(static_cast<unsigned>(raw % 10000));
  frac.insert(0, 4 - frac.size(), '0');
  while (!frac.empty() && frac.back() == '0') frac.pop_back();
  return (negative ? "-" : "") + whole + (frac.empty() ? "" : "." + frac);
}

// Printable ASCII in quotes, every other character as its code: the text stays plain ASCII.
String QuotedText(const String& s) {
  String r;
  bool quoted = false;
  const char* p = s.data();
  const char* end = p + s.size();
  while (p < end) {
    int len = Utf8CharLen(p, end);
    char32_t code = Utf8IsInvalid(p, len) ? static_cast<unsigned char>(*p) : Utf8Decode(p, len);
    if (code >= 32 && code < 127) {
      if (!quoted) r += '\'';
      quoted = true;
      r += static_cast<char>(code);
      if (code == '\'') r += '\'';
    } else {
      if (quoted) r += '\'';
      quoted = false;
      r += '#' + std::to_string(static_cast<uint32_t>(code));
    }
    p += len;
  }
  if (quoted) r += '\'';
  return r.empty() ? "''" : r;
}

class TBinaryToText {
 public:
  TBinaryToText(TReader* Reader, TStream* Input) : R(Reader), In(Input) {}

  void ConvertObject(int indent) {
    Enter();
    TFilerFlags flags;
    Integer position = 0;
    R->ReadPrefix(flags, position);
    String className = R->ReadStr();
    String objectName = R->ReadStr();
    Out.append(static_cast<size_t>(indent), ' ');
    Out += flags.Contains(ffInherited) ? "inherited " : flags.Contains(ffInline) ? "inline " : "object ";
    if (!objectName.empty()) Out += objectName + ": ";
    Out += className;
    if (flags.Contains(ffChildPos)) Out += " [" + std::to_string(position) + "]";
    Out += "\n";
    while (!R->EndOfList()) ConvertProperty(indent + 2);
    R->ReadListEnd();
    while (!R->EndOfList()) ConvertObject(indent + 2);
    R->ReadListEnd();
    Out.append(static_cast<size_t>(indent), ' ');
    Out += "end\n";
    --FDepth;
  }

  String Out;

 private:
  void Enter() {
    if (++FDepth > MaxNesting) throw EReadError("Invalid stream format");
  }

  void ConvertProperty(int indent) {
    Out.append(static_cast<size_t>(indent), ' ');
    Out += R->ReadStr() + " = ";
    ConvertValue(indent);
    Out += "\n";
  }

  void ConvertValue(int indent) {
    Enter();
    switch (R->NextValue()) {
      case vaList:
        R->ReadValue();
        Out += "(";
        while (!R->EndOfList()) {
          Out += "\n";
          Out.append(static_cast<size_t>(indent + 2), ' ');
          ConvertValue(indent + 2);
        }
        R->ReadListEnd();
        Out += ")";
        break;
      case vaInt8:
      case vaInt16:
      case vaInt32:
      case vaInt64: Out += std::to_string(R->ReadInt64()); break;
      case vaExtended: Out += FloatText(R->ReadFloat(), false); break;
      case vaSingle: Out += FloatText(R->ReadSingle(), true) + "s"; break;
      case vaCurrency: Out += CurrencyText(R->ReadCurrency()) + "c"; break;
      case vaDate: Out += FloatText(R->ReadDate(), false) + "d"; break;
      case vaString:
      case vaLString:
      case vaUTF8String:
      case vaWString: Out += QuotedText(R->ReadString()); break;
      case vaIdent:
      case vaFalse:
      case vaTrue:
      case vaNil:
      case vaNull: Out += R->ReadIdent(); break;
      case vaSet: {
        R->ReadValue();
        Out += "[";
        bool first = true;
        for (String name = R->ReadStr(); !name.empty(); name = R->ReadStr()) {
          if (!first) Out += ", ";
          first = false;
          Out += name;
        }
        Out += "]";
        break;
      }
      case vaBinary: {
        R->ReadValue();
        Byte lengthBytes[4];
        R->Read(lengthBytes, 4);
        Integer length = FilerInternal::GetLE<Integer>(lengthBytes);
        if (length < 0 || length > In->GetSize() - R->GetPosition()) throw EReadError("Stream read error");
        String data(static_cast<size_t>(length), '\0');
        if (length > 0) R->Read(data.data(), length);
        static const char digits[] = "0123456789ABCDEF";
        Out += "{";
        for (size_t i = 0; i < data.size(); ++i) {
          if (i % 32 == 0) {
            Out += "\n";
            Out.append(static_cast<size_t>(indent + 2), ' ');
          }
          auto b = static_cast<unsigned char>(data[i]);
          Out += digits[b >> 4];
          Out += digits[b & 15];
        }
        Out += "}";
        break;
      }
      case vaCollection:
        R->ReadValue();
        Out += "<";
        while (!R->EndOfList()) {
          Out += "\n";
          Out.append(static_cast<size_t>(indent + 2), ' ');
          Out += "item";
          TValueType next = R->NextValue();
          if (next == vaInt8 || next == vaInt16 || next == vaInt32 || next == vaInt64)
            Out += " [" + std::to_string(R->ReadInteger()) + "]";
          Out += "\n";
          R->ReadListBegin();
          while (!R->EndOfList()) ConvertProperty(indent + 4);
          R->ReadListEnd();
          Out.append(static_cast<size_t>(indent + 2), ' ');
          Out += "end";
        }
        R->ReadListEnd();
        Out += ">";
        break;
    }
    --FDepth;
  }

  TReader* R;
  TStream* In;
  int FDepth = 0;
};

}  // namespace

void ObjectTextToBinary(TStream* Input, TStream* Output) {
  TParser* parser = New<TParser>(Input);
  TFreeGuard<TParser> parserGuard{parser};
  TWriter* writer = New<TWriter>(Output, 4096);
  TFreeGuard<TWriter> writerGuard{writer};
  writer->WriteSignature();
  TTextToBinary(parser, writer).ConvertObject();
  writer->FlushBuffer();
}

void ObjectBinaryToText(TStream* Input, TStream* Output) {
  TReader* reader = New<TReader>(Input, 4096);
  TFreeGuard<TReader> readerGuard{reader};
  reader->ReadSignature();
  TBinaryToText converter(reader, Input);
  converter.ConvertObject(0);
  Output->WriteBuffer(converter.Out.data(), static_cast<Integer>(converter.Out.size()));
}

String ObjectTextToBinaryString(const String& Text) {
  TStringStream* input = New<TStringStream>(Text);
  TFreeGuard<TStringStream> inputGuard{input};
  TStringStream* output = New<TStringStream>();
  TFreeGuard<TStringStream> outputGuard{output};
  ObjectTextToBinary(input, output);
  return output->GetDataString();
}

String ObjectBinaryToTextString(const String& Binary) {
  TStringStream* input = New<TStringStream>(Binary);
  TFreeGuard<TStringStream> inputGuard{input};
  TStringStream* output = New<TStringStream>();
  TFreeGuard<TStringStream> outputGuard{output};
  ObjectBinaryToText(input, output);
  return output->GetDataString();
}

}  // namespace ObjectText
