// The standard mask: a fixed-width picture such as !(999)000-0000;1;_ compiled into one item per
// character position. It checks texts position by position, lays a typed text into the picture and
// gives the empty display string and the value text. Positions are characters, not bytes.
#pragma once

#include <vector>

#include "System.h"

namespace cxStandardMask {

enum TcxCaseControl { ccUpperCase, ccLowerCase, ccUserCase };

class TcxStandardMaskCustomItem : public TObject {
  DECLARE_CLASS(TcxStandardMaskCustomItem, TObject)
 public:
  // Tests the character; a many item also converts its case, whatever the outcome.
  virtual bool Check(char32_t& AChar) = 0;
};

class TcxStandardMaskLiteralItem : public TcxStandardMaskCustomItem {
  DECLARE_CLASS(TcxStandardMaskLiteralItem, TcxStandardMaskCustomItem)
 public:
  explicit TcxStandardMaskLiteralItem(char32_t ALiteral = 0) : Literal(ALiteral) {}
  bool Check(char32_t& AChar) override { return AChar == Literal; }
  char32_t Literal;
};

class TcxStandardMaskManyItem : public TcxStandardMaskCustomItem {
  DECLARE_CLASS(TcxStandardMaskManyItem, TcxStandardMaskCustomItem)
 public:
  explicit TcxStandardMaskManyItem(bool AOptional = false, TcxCaseControl ACaseControl = ccUserCase)
      : CaseControl(ACaseControl), Optional(AOptional) {}
  bool Check(char32_t& AChar) final;
  TcxCaseControl CaseControl;
  bool Optional;

 protected:
  virtual bool Accepts(char32_t AChar) = 0;
  void DoCaseControl(char32_t& AChar) const;
};

#define CX_STANDARD_MASK_MANY_ITEM(T)                                                              \
  class T : public TcxStandardMaskManyItem {                                                        \
    DECLARE_CLASS(T, TcxStandardMaskManyItem)                                                       \
   public:                                                                                          \
    explicit T(bool AOptional = false, TcxCaseControl ACaseControl = ccUserCase)                    \
        : TcxStandardMaskManyItem(AOptional, ACaseControl) {}                                       \
                                                                                                    \
   protected:                                                                                       \
    bool Accepts(char32_t AChar) override;                                                          \
  };
CX_STANDARD_MASK_MANY_ITEM(TcxStandardMaskAlphaItem)
CX_STANDARD_MASK_MANY_ITEM(TcxStandardMaskAlphaNumericItem)
CX_STANDARD_MASK_MANY_ITEM(TcxStandardMaskASCIIItem)
CX_STANDARD_MASK_MANY_ITEM(TcxStandardMaskNumericItem)
#undef CX_STANDARD_MASK_MANY_ITEM

// A digit or a sign; always optional.
class TcxStandardMaskNumericSymbolItem : public TcxStandardMaskManyItem {
  DECLARE_CLASS(TcxStandardMaskNumericSymbolItem, TcxStandardMaskManyItem)
 public:
  explicit TcxStandardMaskNumericSymbolItem(bool = true, TcxCaseControl ACaseControl = ccUserCase)
      : TcxStandardMaskManyItem(true, ACaseControl) {}

 protected:
  bool Accepts(char32_t AChar) override;
};

class TcxStandardMask : public TObject {
  DECLARE_CLASS(TcxStandardMask, TObject)
 public:
  void Compile(const String& AMask);
  void Clear();
  // Lays AText into the picture (right-aligned with a leading '!').
  void Format(String& AText, bool AApplyCase = true, bool ATextHasLiterals = true);
  // The value text of a formatted text: blanks become spaces, literals only when they are saved.
  void Format2(String& AText);
  // May the text still grow into a full one; both tests may change the case of its characters.
  bool IsValid(String& AText);
  bool IsFullValid(String& AText);
  String GetEmptyString();
  String GetFullEmptyString();

  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
  TcxStandardMaskCustomItem* GetItems(Integer AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }
  char32_t GetBlank() const { return FBlank; }
  void SetBlank(char32_t Value) { FBlank = Value; }
  bool GetLeading() const { return FLeading; }
  bool GetSaveLiteralCharacters() const { return FSaveLiteralCharacters; }
  const String& GetMask() const { return FMask; }
  bool IsLiteral(Integer AIndex) const;

 protected:
  void Destroy() override;

 private:
  void DoCompileHead(std::u32string& AMask);
  void DoCompileBody(const std::u32string& AMask);
  bool IsBlankChar(char32_t AChar) const { return AChar == FBlank || AChar == U' '; }
  bool CheckPositions(String& AText, bool AFull);

  char32_t FBlank = U'_';
  std::vector<TcxStandardMaskCustomItem*> FItems;
  bool FLeading = false;
  bool FSaveLiteralCharacters = true;
  String FMask;
};

// One-shot questions that compile a temporary mask. A blank of 0 keeps the mask's own.
String EmptyString(const String& AMask, char32_t ABlank = 0);
String FormatText(const String& AText, const String& AMask, char32_t ABlank = 0);
bool IsTextFullValid(const String& AText, const String& AMask);
bool IsTextValid(const String& AText, const String& AMask);
char32_t MaskBlank(const String& AMask);
bool SaveLiteralChars(const String& AMask);

}  // namespace cxStandardMask

using namespace cxStandardMask;
