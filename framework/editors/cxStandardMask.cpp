// The standard mask: compiling a picture into items, laying texts into it and testing texts.
#include "cxStandardMask.h"

#include "FormatSettings.h"
#include "cxMaskText.h"

namespace cxStandardMask {

IMPLEMENT_ABSTRACT_CLASS(TcxStandardMaskCustomItem)
IMPLEMENT_CLASS(TcxStandardMaskLiteralItem)
IMPLEMENT_ABSTRACT_CLASS(TcxStandardMaskManyItem)
IMPLEMENT_CLASS(TcxStandardMaskAlphaItem)
IMPLEMENT_CLASS(TcxStandardMaskAlphaNumericItem)
IMPLEMENT_CLASS(TcxStandardMaskASCIIItem)
IMPLEMENT_CLASS(TcxStandardMaskNumericItem)
IMPLEMENT_CLASS(TcxStandardMaskNumericSymbolItem)
IMPLEMENT_CLASS(TcxStandardMask)

namespace {
bool IsAsciiLetter(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }
bool IsAsciiDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
}  // namespace

// ---- Items ------------------------------------------------------------------------------------------------
bool TcxStandardMaskManyItem::Check(char32_t& AChar) {
  const bool accepted = Accepts(AChar);
  DoCaseControl(AChar);
  return accepted;
}

void TcxStandardMaskManyItem::DoCaseControl(char32_t& AChar) const {
  // The picture converts ASCII letters only, as its item tests do.
  if (CaseControl == ccUpperCase && AChar >= U'a' && AChar <= U'z') AChar -= U'a' - U'A';
  else if (CaseControl == ccLowerCase && AChar >= U'A' && AChar <= U'Z') AChar += U'a' - U'A';
}

bool TcxStandardMaskAlphaItem::Accepts(char32_t AChar) { return IsAsciiLetter(AChar); }
bool TcxStandardMaskAlphaNumericItem::Accepts(char32_t AChar) { return IsAsciiLetter(AChar) || IsAsciiDigit(AChar); }
bool TcxStandardMaskASCIIItem::Accepts(char32_t) { return true; }
bool TcxStandardMaskNumericItem::Accepts(char32_t AChar) { return IsAsciiDigit(AChar); }
bool TcxStandardMaskNumericSymbolItem::Accepts(char32_t AChar) {
  return AChar == U'+' || AChar == U'-' || IsAsciiDigit(AChar);
}

// ---- Compiling ------------------------------------------------------------------------------------------------
void TcxStandardMask::Destroy() {
  Clear();
  inherited::Destroy();
}

void TcxStandardMask::Clear() {
  FMask.clear();
  FLeading = false;
  FSaveLiteralCharacters = true;
  FBlank = U'_';
  for (TcxStandardMaskCustomItem* item : FItems) item->Free();
  FItems.clear();
}

void TcxStandardMask::Compile(const String& AMask) {
  Clear();
  FMask = AMask;
  std::u32string mask = ToMaskChars(AMask);
  DoCompileHead(mask);
  DoCompileBody(mask);
}

void TcxStandardMask::DoCompileHead(std::u32string& AMask) {
  FLeading = !AMask.empty() && AMask[0] == U'!';
  if (FLeading) AMask.erase(0, 1);
}

void TcxStandardMask::DoCompileBody(const std::u32string& AMask) {
  const size_t n = AMask.size();
  TcxCaseControl caseControl = ccUserCase;
  auto addLiteral = [this](char32_t c) { FItems.push_back(New<TcxStandardMaskLiteralItem>(c)); };
  for (size_t i = 0; i < n; ++i) {
    const char32_t c = AMask[i];
    switch (c) {
      case U'L': FItems.push_back(New<TcxStandardMaskAlphaItem>(false, caseControl)); break;
      case U'l': FItems.push_back(New<TcxStandardMaskAlphaItem>(true, caseControl)); break;
      case U'A': FItems.push_back(New<TcxStandardMaskAlphaNumericItem>(false, caseControl)); break;
      case U'a': FItems.push_back(New<TcxStandardMaskAlphaNumericItem>(true, caseControl)); break;
      case U'C': FItems.push_back(New<TcxStandardMaskASCIIItem>(false, caseControl)); break;
      case U'c': FItems.push_back(New<TcxStandardMaskASCIIItem>(true, caseControl)); break;
      case U'0': FItems.push_back(New<TcxStandardMaskNumericItem>(false, caseControl)); break;
      case U'9': FItems.push_back(New<TcxStandardMaskNumericItem>(true, caseControl)); break;
      case U'#': FItems.push_back(New<TcxStandardMaskNumericSymbolItem>(true, caseControl)); break;
      case U'>': caseControl = ccUpperCase; break;
      case U'<':
        if (i + 1 < n && AMask[i + 1] == U'>') {
          caseControl = ccUserCase;
          ++i;
        } else {
          caseControl = ccLowerCase;
        }
        break;
      case U':': addLiteral(static_cast<unsigned char>(FormatSettings.TimeSeparator)); break;
      case U'/': addLiteral(static_cast<unsigned char>(FormatSettings.DateSeparator)); break;
      case U'\\':
        if (i + 1 < n) addLiteral(AMask[++i]);
        break;
      case U';': {
        const bool isSaveFlag = i + 1 < n && (AMask[i + 1] == U'0' || AMask[i + 1] == U'1');
        if (isSaveFlag && i + 2 == n) {
          FSaveLiteralCharacters = AMask[i + 1] != U'0';
          return;
        }
        if (isSaveFlag && i + 4 == n && AMask[i + 2] == U';') {
          FSaveLiteralCharacters = AMask[i + 1] != U'0';
          FBlank = AMask[i + 3];
          return;
        }
        addLiteral(c);
        break;
      }
      default: addLiteral(c); break;
    }
  }
}

bool TcxStandardMask::IsLiteral(Integer AIndex) const {
  return dynamic_cast<TcxStandardMaskLiteralItem*>(GetItems(AIndex)) != nullptr;
}

// ---- Texts ------------------------------------------------------------------------------------------------------
String TcxStandardMask::GetEmptyString() {
  std::u32string result;
  for (TcxStandardMaskCustomItem* item : FItems) {
    if (auto* literal = dynamic_cast<TcxStandardMaskLiteralItem*>(item)) {
      if (FSaveLiteralCharacters) result += literal->Literal;
    } else {
      result += U' ';
    }
  }
  return FromMaskChars(result);
}

String TcxStandardMask::GetFullEmptyString() {
  std::u32string result;
  for (TcxStandardMaskCustomItem* item : FItems) {
    auto* literal = dynamic_cast<TcxStandardMaskLiteralItem*>(item);
    result += literal ? literal->Literal : FBlank;
  }
  return FromMaskChars(result);
}

void TcxStandardMask::Format(String& AText, bool AApplyCase, bool ATextHasLiterals) {
  const std::u32string text = ToMaskChars(AText);
  std::u32string result = ToMaskChars(GetFullEmptyString());
  const Integer count = GetCount(), length = static_cast<Integer>(text.size());
  const Integer step = FLeading ? -1 : 1;
  const bool skipLiterals = !FSaveLiteralCharacters && !ATextHasLiterals;
  Integer k = FLeading ? count - 1 : 0;
  for (Integer i = FLeading ? length - 1 : 0; i >= 0 && i < length; i += step) {
    const char32_t original = text[static_cast<size_t>(i)];
    char32_t c = original;  // a conversion by an item that refused it carries over to the next items
    for (Integer j = k; j >= 0 && j < count; j += step) {
      const bool literal = IsLiteral(j);
      if (skipLiterals && literal) continue;
      if (GetItems(j)->Check(c)) {
        result[static_cast<size_t>(j)] = AApplyCase ? c : original;
        k = j + step;
        break;
      }
      if (IsBlankChar(original) && !literal) {
        k = j + step;
        break;
      }
    }
  }
  AText = FromMaskChars(result);
}

void TcxStandardMask::Format2(String& AText) {
  const std::u32string text = ToMaskChars(AText);
  std::u32string result;
  const size_t n = std::min(text.size(), FItems.size());
  for (size_t i = 0; i < n; ++i) {
    const char32_t c = text[i];
    if (IsLiteral(static_cast<Integer>(i))) {
      if (FSaveLiteralCharacters) result += c;
    } else {
      result += c == FBlank ? U' ' : c;
    }
  }
  AText = FromMaskChars(result);
}

bool TcxStandardMask::CheckPositions(String& AText, bool AFull) {
  std::u32string text = ToMaskChars(AText);
  if (AFull ? text.size() != FItems.size() : text.size() > FItems.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char32_t original = text[i];
    if (FItems[i]->Check(text[i])) continue;
    auto* many = dynamic_cast<TcxStandardMaskManyItem*>(FItems[i]);
    // A blank may stand where the text can still be typed; a full text keeps blanks at optional places only.
    if (!many || !IsBlankChar(original) || (AFull && !many->Optional)) return false;
  }
  AText = FromMaskChars(text);
  return true;
}

bool TcxStandardMask::IsValid(String& AText) { return CheckPositions(AText, false); }
bool TcxStandardMask::IsFullValid(String& AText) { return CheckPositions(AText, true); }

// ---- One-shot routines ----------------------------------------------------------------------------------------------
namespace {
TOwnedPtr<TcxStandardMask> CompiledMask(const String& AMask, char32_t ABlank = 0) {
  TOwnedPtr<TcxStandardMask> mask(New<TcxStandardMask>());
  mask->Compile(AMask);
  if (ABlank != 0) mask->SetBlank(ABlank);
  return mask;
}
}  // namespace

String EmptyString(const String& AMask, char32_t ABlank) { return CompiledMask(AMask, ABlank)->GetEmptyString(); }

String FormatText(const String& AText, const String& AMask, char32_t ABlank) {
  String text = AText;
  CompiledMask(AMask, ABlank)->Format(text, true, true);
  return text;
}

bool IsTextFullValid(const String& AText, const String& AMask) {
  String text = AText;
  return CompiledMask(AMask)->IsFullValid(text);
}

bool IsTextValid(const String& AText, const String& AMask) {
  String text = AText;
  return CompiledMask(AMask)->IsValid(text);
}

char32_t MaskBlank(const String& AMask) { return CompiledMask(AMask)->GetBlank(); }
bool SaveLiteralChars(const String& AMask) { return CompiledMask(AMask)->GetSaveLiteralCharacters(); }

}  // namespace cxStandardMask
