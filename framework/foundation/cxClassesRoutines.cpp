#include "cxClassesRoutines.h"

#include <cstdlib>
#include <cstring>

#include "Components.h"
#include "Exceptions.h"
#include "Lists.h"
#include "Locale.h"
#include "Multibyte.h"
#include "StringLists.h"
#include "Streams.h"
#include "Strings.h"
#include "SysInfo.h"
#include "TypInfo.h"
#include "WinManage.h"

namespace cxClasses {

namespace {

// Reaches the protected GetOwner of any persistent.
struct TPersistentAccess : TPersistent {
  static TPersistent* OwnerOf(TPersistent* p) { return (p->*(&TPersistentAccess::GetOwner))(); }
};

bool IsIdentChar(Char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool StartsWithText(const String& s, const String& prefix) {
  return s.size() >= prefix.size() && SameText(s.substr(0, prefix.size()), prefix);
}

}  // namespace

// ---- Events and classes -------------------------------------------------------------------------------

void CallNotify(const TNotifyEvent& ANotifyEvent, TObject* ASender) {
  if (ANotifyEvent) ANotifyEvent(ASender);
}

bool EqualMethods(const TMethod& AMethod1, const TMethod& AMethod2) {
  return AMethod1.Code == AMethod2.Code && AMethod1.Data == AMethod2.Data;
}

bool ClassInheritsFrom(TClass AClass, const String& AParentClassName) {
  for (TClass c = AClass; c; c = c->Parent)
    if (AParentClassName == c->Name) return true;
  return false;
}

// ---- Lists and texts -----------------------------------------------------------------------------------

void CopyList(TList* ASource, TList* ADestination) {
  ADestination->SetCount(ASource->GetCount());
  for (Integer i = 0; i < ASource->GetCount(); ++i) ADestination->SetItems(i, ASource->GetItems(i));
}

void FillStringsWithEnumTypeValues(TStrings* AStrings, const TTypeInfo* ATypeInfo,
                                   const TcxGetCaptionForIntegerItemFunc& AGetTypeItemCaption) {
  AStrings->BeginUpdate();
  try {
    for (Int64 value = ATypeInfo->MinValue; value <= ATypeInfo->MaxValue; ++value) {
      String text = AGetTypeItemCaption(static_cast<Integer>(value));
      if (!text.empty()) AStrings->AddObject(text, reinterpret_cast<TObject*>(static_cast<intptr_t>(value)));
    }
  } catch (...) {
    AStrings->EndUpdate();
    throw;
  }
  AStrings->EndUpdate();
}

TPersistent* GetPersistentOwner(TPersistent* APersistent) {
  return APersistent ? TPersistentAccess::OwnerOf(APersistent) : nullptr;
}

String GetSubobjectName(TObject* AObject, TObject* ASubobject) {
  if (!AObject || !ASubobject) return String();
  for (const TPropInfo* prop : GetPropList(AObject->ClassType()))
    if (prop->PropType && prop->PropType->Kind == tkClass && prop->PropType->ClassType == ASubobject->ClassType())
      return prop->Name;
  return String();
}

// ---- Component names ------------------------------------------------------------------------------------

String GetValidName(TComponent* AComponent, const String& AName, bool AIsBaseName) {
  String result = AName;
  TComponent* owner = AComponent ? AComponent->Owner() : nullptr;
  if (!owner) return result;
  Integer counter = 1;
  if (AIsBaseName) result = AName + IntToStr(counter++);
  while (owner->FindComponent(result)) result = AName + IntToStr(counter++);
  return result;
}

String CreateUniqueName(TComponent* AOwner, TComponent* AParentComponent, TComponent* AComponent,
                        const String& APrefixName, const String& ABaseName) {
  // Every byte of a multibyte character is outside the identifier characters, so the character
  // goes as a whole.
  String name;
  for (Char c : ABaseName)
    if (IsIdentChar(c)) name += c;
  String className = AComponent ? AComponent->ClassName() : String();
  if ((name.empty() || (name[0] >= '0' && name[0] <= '9')) && !className.empty()) {
    if (!APrefixName.empty() && StartsWithText(className, APrefixName)) {
      name = className.substr(APrefixName.size()) + name;
    } else {
      name = className + name;
      if (name[0] == 'T') name.erase(0, 1);
    }
  }
  if (AParentComponent) name = AParentComponent->GetName() + name;

  auto isUnique = [&](const String& candidate) {
    if (!AOwner) return true;
    for (Integer i = 0; i < AOwner->ComponentCount(); ++i) {
      TComponent* c = AOwner->GetComponent(i);
      if (c != AComponent && SameText(c->GetName(), candidate)) return false;
    }
    return true;
  };
  Integer number = ABaseName.empty() ? 1 : 0;
  while (true) {
    String candidate = number > 0 ? name + IntToStr(number) : name;
    if (isUnique(candidate) || number == MaxInt) return candidate;
    ++number;
  }
}

void RenameComponents(TComponent* ACaller, TComponent* AOwner, const String& ANewPrefix, const String& AOldPrefix,
                      Integer AComponentCount, const TcxGetComponentByIndexFunc& AGetComponentByIndex) {
  if (ACaller && ACaller->ComponentState().Contains(csAncestor)) return;
  for (Integer i = 0; i < AComponentCount; ++i) {
    TComponent* component = AGetComponentByIndex(ACaller, i);
    if (!component || component->Owner() != AOwner) continue;
    const String& name = component->GetName();
    if (name.size() > AOldPrefix.size() && StartsWithText(name, AOldPrefix)) {
      try {
        component->SetName(ANewPrefix + name.substr(AOldPrefix.size()));
      } catch (const EComponentError&) {
        // A name the owner refuses (taken or not an identifier) keeps the old one.
      }
    }
  }
}

// ---- Numbers ----------------------------------------------------------------------------------------------

Byte HexToByte(const String& AHex) {
  auto digit = [](Char c) -> Integer {
    Integer u = static_cast<unsigned char>(c);
    if (u <= '9') return u - 48;
    return (u >= 'a' && u <= 'z' ? u - 32 : u) - 55;
  };
  if (AHex.size() < 2) return 0;
  return static_cast<Byte>(digit(AHex[0]) * 16 + digit(AHex[1]));
}

Integer RoundDiv(Integer I1, Integer I2) { return I1 / I2 + (I1 % I2 != 0 ? 1 : 0); }

TSize Size(Integer cx, Integer cy) { return TSize(cx, cy); }

void SwapIntegers(Integer& I1, Integer& I2) { std::swap(I1, I2); }

Integer GetRangeCenter(Integer ARangeMin, Integer ARangeMax) {
  Int64 sum = Int64{ARangeMin} + ARangeMax;
  return static_cast<Integer>(sum > 0 ? sum / 2 : (sum - 1) / 2);
}

Integer cxSign(double AValue) { return AValue >= 0 ? 1 : -1; }

bool StreamsEqual(TMemoryStream* AStream1, TMemoryStream* AStream2) {
  Int64 size = AStream1->GetSize();
  return size == AStream2->GetSize() &&
         (size == 0 || std::memcmp(AStream1->GetMemory(), AStream2->GetMemory(), static_cast<size_t>(size)) == 0);
}

// ---- The desktop --------------------------------------------------------------------------------------------

void OpenWebPage(const String& AWebAddress) {
  ShellExecute(nullptr, "OPEN", AWebAddress.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

String GetCorrectPath(const String& S) {
  String result = S;
  for (Char& c : result)
    if (c == '/') c = '\\';
  return result;
}

// ---- Memory --------------------------------------------------------------------------------------------------

void cxZeroMemory(void* ADestination, Integer ACount) {
  if (ACount > 0) std::memset(ADestination, 0, static_cast<size_t>(ACount));
}

void* cxAllocMem(Cardinal ASize) { return std::calloc(ASize ? ASize : 1, 1); }

void cxFreeMem(void* P) { std::free(P); }

void cxCopyData(const void* ASource, void* ADestination, Integer ACount) {
  if (ACount > 0) std::memmove(ADestination, ASource, static_cast<size_t>(ACount));
}

void cxCopyData(const void* ASource, void* ADestination, Integer ASourceOffSet, Integer ADestinationOffSet,
                Integer ACount) {
  cxCopyData(static_cast<const Byte*>(ASource) + (ASourceOffSet > 0 ? ASourceOffSet : 0),
             static_cast<Byte*>(ADestination) + (ADestinationOffSet > 0 ? ADestinationOffSet : 0), ACount);
}

namespace {

template <class T>
T ReadAt(const void* p, Integer offset) {
  T value;
  std::memcpy(&value, static_cast<const Byte*>(p) + offset, sizeof value);
  return value;
}

template <class T>
void WriteAt(void* p, T value, Integer offset) {
  std::memcpy(static_cast<Byte*>(p) + offset, &value, sizeof value);
}

}  // namespace

bool ReadBoolean(const void* ASource, Integer AOffset) { return ReadAt<Word>(ASource, AOffset) != 0; }
Word ReadWord(const void* ASource, Integer AOffset) { return ReadAt<Word>(ASource, AOffset); }
Byte ReadByte(const void* ASource, Integer AOffset) { return ReadAt<Byte>(ASource, AOffset); }
Integer ReadInteger(const void* ASource, Integer AOffset) { return ReadAt<Integer>(ASource, AOffset); }
void WriteBoolean(void* ADestination, bool AValue, Integer AOffset) {
  WriteAt<Word>(ADestination, AValue ? 0xFFFF : 0, AOffset);
}
void WriteWord(void* ADestination, Word AValue, Integer AOffset) { WriteAt(ADestination, AValue, AOffset); }
void WriteByte(void* ADestination, Byte AValue, Integer AOffset) { WriteAt(ADestination, AValue, AOffset); }
void WriteInteger(void* ADestination, Integer AValue, Integer AOffset) { WriteAt(ADestination, AValue, AOffset); }

// ---- Locale and multibyte text ----------------------------------------------------------------------------

String cxGetLocaleInfo(LCID ALocale, LCTYPE ALocaleType, const String& ADefaultValue) {
  int size = GetLocaleInfoA(ALocale, ALocaleType, nullptr, 0);
  if (size <= 0) return ADefaultValue;
  String value(static_cast<size_t>(size), '\0');
  size = GetLocaleInfoA(ALocale, ALocaleType, value.data(), size);
  if (size <= 0) return ADefaultValue;
  value.resize(static_cast<size_t>(size - 1));
  return value;
}

Integer cxStrCharLength(const String& S, Integer AIndex) {
  if (AIndex < 1 || AIndex > static_cast<Integer>(S.size())) return 0;
  const char* p = S.c_str() + AIndex - 1;
  return static_cast<Integer>(CharNextA(p) - p);
}

Integer cxNextCharPos(const String& S, Integer AIndex) { return AIndex + cxStrCharLength(S, AIndex); }

Integer cxPrevCharPos(const String& S, Integer AIndex) {
  Integer length = static_cast<Integer>(S.size());
  if (AIndex <= 1) return 1;
  if (AIndex > length + 1) AIndex = length + 1;
  const char* start = S.c_str();
  return static_cast<Integer>(CharPrevA(start, start + AIndex - 1) - start) + 1;
}

}  // namespace cxClasses
