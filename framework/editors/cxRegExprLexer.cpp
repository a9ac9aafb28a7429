// The regular-expression lexer: reading the pattern character by character with its line and column,
// and turning it into lexems (top level, quoted text, escapes, classes and braces).
#include "Format.h"
#include "FormatSettings.h"
#include "cxClassesResStrings.h"
#include "cxMaskEditConsts.h"
#include "cxMaskText.h"
#include "cxRegExpr.h"

namespace cxRegExpr {

namespace {
const char* const QuoteArgument = " ' ";

bool IsHexDigit(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'F') || (c >= U'a' && c <= U'f');
}
Integer HexValue(char32_t c) {
  if (c >= U'0' && c <= U'9') return static_cast<Integer>(c - U'0');
  if (c >= U'A' && c <= U'F') return static_cast<Integer>(c - U'A' + 10);
  return static_cast<Integer>(c - U'a' + 10);
}
String Missing(const String& AWhat) { return Format(cxGetResourceString(&cxSEditRegExprMissing), {AWhat}); }
}  // namespace

bool IsRegExprBlank(char32_t AChar) {
  return AChar == 0 || AChar == 9 || AChar == 10 || AChar == 12 || AChar == 13 || AChar == 32;
}

char32_t TcxRegExpr::ReadChar() {
  const char32_t c = FPattern[FIndex++];
  if (c == 13) ++FLine;
  if (c == 10) FChar = 0;
  else ++FChar;
  return c;
}

void TcxRegExpr::SkipBlanks() {
  while (!Eof() && IsRegExprBlank(PeekChar())) ReadChar();
}

void TcxRegExpr::AddError(Integer ALine, Integer AChar, const String& AMessage) {
  FErrors->Add(New<TcxRegExprError>(ALine, AChar, AMessage));
}

void TcxRegExpr::AddLexem(TcxLexemKind AKind, const String& AValue, Integer ALine, Integer AChar) {
  TcxLexem lexem;
  lexem.Kind = AKind;
  lexem.Value = AValue;
  lexem.Line = ALine;
  lexem.Char = AChar;
  FLexems->Add(lexem);
}

void TcxRegExpr::AddSymbol(char32_t AChar, Integer ALine, Integer AColumn) {
  AddLexem(lkSymbol, MaskCharToString(AChar), ALine, AColumn);
}

void TcxRegExpr::ScanExpr() {
  FDepth = 0;
  for (SkipBlanks(); !Eof(); SkipBlanks()) {
    const char32_t c = ReadChar();
    const Integer line = FLine, column = FChar;
    switch (c) {
      case U'\'': ScanString(); break;
      case U'(': ++FDepth; AddLexem(lkSpecial, "(", line, column); break;
      case U')': --FDepth; AddLexem(lkSpecial, ")", line, column); break;
      case U'*': case U'+': case U'?': case U'|': AddLexem(lkSpecial, MaskCharToString(c), line, column); break;
      case U'.': AddLexem(lkAll, ".", line, column); break;
      case U'/': AddLexem(lkDateSeparator, "/", line, column); break;
      case U':': AddLexem(lkTimeSeparator, ":", line, column); break;
      case U'[': AddLexem(lkSpecial, "[", line, column); ScanClass(); break;
      case U'{': AddLexem(lkSpecial, "{", line, column); ScanQuantifier(); break;
      case U'\\': ScanEscape(); break;
      default: AddSymbol(c, line, column); break;
    }
  }
  // Only the net depth counts: )( passes here and fails in the parser.
  if (FDepth > 0) AddError(0, 0, Missing(")"));
  else if (FDepth < 0) AddError(0, 0, Format(cxGetResourceString(&cxSEditRegExprUnnecessary), {String(")")}));
}

void TcxRegExpr::ScanString() {
  for (;;) {
    if (Eof()) return AddError(FLine, FChar + 1, Missing(QuoteArgument));
    const char32_t c = ReadChar();
    const Integer line = FLine, column = FChar;
    if (c == U'\'') {
      if (Eof() || PeekChar() != U'\'') return;
      ReadChar();
    }
    AddSymbol(c, line, column);
  }
}

void TcxRegExpr::ScanEscape() {
  const Integer line = FLine, column = FChar;  // the backslash's place
  if (Eof()) return;
  const char32_t c = ReadChar();
  auto add = [&](TcxLexemKind AKind) { AddLexem(AKind, MaskCharToString(c), line, column); };
  if (c >= U'1' && c <= U'9') return add(lkReference);
  if (IsRegExprBlank(c)) return AddError(FLine, FChar, cxGetResourceString(&cxSEditRegExprSpaceAfterBackslash));
  switch (c) {
    case U'd': return add(lkDigit);
    case U'D': return add(lkNotDigit);
    case U'w': return add(lkIdLetter);
    case U'W': return add(lkNotIdLetter);
    case U's': return add(lkSpace);
    case U'S': return add(lkNotSpace);
    case U't': return AddSymbol(9, line, column);
    case U'n': return AddSymbol(10, line, column);
    case U'r': return AddSymbol(13, line, column);
    case U'f': return AddSymbol(12, line, column);
    case U'a': return AddSymbol(7, line, column);
    case U'e': return AddSymbol(27, line, column);
    case U'p': return AddSymbol(static_cast<unsigned char>(FormatSettings.DecimalSeparator), line, column);
    case U'x': {
      Integer code = 0;
      for (int i = 0; i < 2; ++i) {
        if (Eof()) return AddError(FLine, FChar + 1, cxGetResourceString(&cxSEditRegExprHexNumberExpected));
        const char32_t digit = ReadChar();
        if (!IsHexDigit(digit))
          return AddError(FLine, FChar,
                          Format(cxGetResourceString(&cxSEditRegExprHexNumberExpectedButFound), {MaskCharToString(digit)}));
        code = code * 16 + HexValue(digit);
      }
      return AddSymbol(static_cast<char32_t>(code), line, column);
    }
    default: return add(lkSymbol);
  }
}

void TcxRegExpr::ScanClass() {
  bool first = true;
  for (;;) {
    SkipBlanks();
    if (Eof()) return AddError(FLine, FChar + 1, Missing("]"));
    const char32_t c = ReadChar();
    const Integer line = FLine, column = FChar;
    switch (c) {
      case U'\'': ScanString(); break;
      case U'/': AddLexem(lkDateSeparator, "/", line, column); break;
      case U':': AddLexem(lkTimeSeparator, ":", line, column); break;
      case U'\\': ScanEscape(); break;
      case U']': return AddLexem(lkSpecial, "]", line, column);
      case U'^': AddLexem(first ? lkSpecial : lkSymbol, "^", line, column); break;
      case U'-': {
        if (first) {
          AddSymbol(c, line, column);
          break;
        }
        size_t ahead = FIndex;
        while (ahead < FPattern.size() && IsRegExprBlank(FPattern[ahead])) ++ahead;
        if (ahead >= FPattern.size()) {
          AddLexem(lkSpecial, "-", line, column);
          SkipBlanks();
          return AddError(FLine, FChar + 1, Missing("]"));
        }
        // A '-' just before the closing bracket is a member, not a range.
        AddLexem(FPattern[ahead] == U']' ? lkSymbol : lkSpecial, "-", line, column);
        break;
      }
      default: AddSymbol(c, line, column); break;
    }
    first = false;
  }
}

void TcxRegExpr::ScanInteger(char32_t AFirst) {
  const Integer line = FLine, column = FChar;
  String digits = MaskCharToString(AFirst);
  while (!Eof() && PeekChar() >= U'0' && PeekChar() <= U'9') digits += static_cast<char>(ReadChar());
  AddLexem(lkInteger, digits, line, column);
}

void TcxRegExpr::ScanQuantifier() {
  for (;;) {
    SkipBlanks();
    if (Eof()) return AddError(FLine, FChar + 1, Missing("}"));
    const char32_t c = ReadChar();
    const Integer line = FLine, column = FChar;
    if (c >= U'0' && c <= U'9') ScanInteger(c);
    else if (c == U',') AddLexem(lkSpecial, ",", line, column);
    else if (c == U'}') return AddLexem(lkSpecial, "}", line, column);
    else
      AddError(line, column, Format(cxGetResourceString(&cxSEditRegExprIllegal),
                                    {c == U'\'' ? String(QuoteArgument) : MaskCharToString(c)}));
  }
}

}  // namespace cxRegExpr
