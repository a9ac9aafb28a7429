// Integers and geometry, character scans, markup escapes, accelerators and picture ids, alignment
// conversions, the pointer stack and the mask entry.
#include <cstring>

#include "Lists.h"
#include "Multibyte.h"
#include "ResStrings.h"
#include "Strings.h"
#include "TSCommon.h"
#include "Variants.h"

namespace TSCommon {

IMPLEMENT_CLASS(TtsStack)
IMPLEMENT_CLASS(TosMaskEntry)

namespace {

constexpr Char PictureIdSeparator = '\x01';

}  // namespace

// ---- Alignment --------------------------------------------------------------------------------------

TtsHorzAlignment AlignmentToHorzAlignment(TAlignment Alignment, bool Convert) {
  if (!Convert) return htaDefault;
  switch (Alignment) {
    case taRightJustify:
      return htaRight;
    case taCenter:
      return htaCenter;
    default:
      return htaLeft;
  }
}

TAlignment HorzAlignmentToAlignment(TtsHorzAlignment Value) {
  switch (Value) {
    case htaRight:
      return taRightJustify;
    case htaCenter:
      return taCenter;
    default:
      return taLeftJustify;
  }
}

bool HorzAlignmentToAlign(TtsHorzAlignment Value) { return Value != htaDefault; }

// ---- Integers and geometry ----------------------------------------------------------------------------

bool PointInRect(const TPoint& Point, const TRect& Rect) {
  return Point.x >= Rect.left && Point.x <= Rect.right && Point.y >= Rect.top && Point.y <= Rect.bottom;
}

// ---- Character scans ----------------------------------------------------------------------------------

const char* StrNScan(const char* P, Char Ch, Integer Count) {
  if (!P || Count <= 0) return nullptr;
  return static_cast<const char*>(std::memchr(P, Ch, static_cast<size_t>(Count)));
}

const char* StrRNScan(const char* P, Char Ch, Integer Count) {
  if (!P) return nullptr;
  for (Integer i = Count - 1; i >= 0; --i)
    if (P[i] == Ch) return P + i;
  return nullptr;
}

const char* AnsiStrNScan(const char* P, Char Ch, Integer Count) {
  if (!P || Count <= 0) return nullptr;
  const char* end = P + Count;
  for (const char* q = P; q < end;) {
    int len = Utf8CharLen(q, end);
    if (len == 1 && *q == Ch) return q;
    q += len;
  }
  return nullptr;
}

const char* AnsiStrRNScan(const char* P, Char Ch, Integer Count) {
  if (!P || Count <= 0) return nullptr;
  const char* end = P + Count;
  const char* found = nullptr;
  for (const char* q = P; q < end;) {
    int len = Utf8CharLen(q, end);
    if (len == 1 && *q == Ch) found = q;
    q += len;
  }
  return found;
}

// ---- Markup, accelerators and parts -----------------------------------------------------------------

String CheckForWhiteSpace(const String& Text) {
  String result;
  result.reserve(Text.size());
  for (char c : Text) {
    switch (c) {
      case '&':
        result += "&amp;";
        break;
      case '\'':
        result += "&apos;";
        break;
      case '"':
        result += "&quot;";
        break;
      case '<':
        result += "&lt;";
        break;
      case '>':
        result += "&gt;";
        break;
      default:
        result += c;
    }
  }
  return result;
}

String CheckEscapeChars(const String& Text, Char Ch, Char Escape) {
  String result;
  result.reserve(Text.size());
  for (char c : Text) {
    if (c == Ch) result += Escape;
    result += c;
  }
  return result;
}

String TextAccelKey(const String& Caption, Integer& AccelPos) {
  AccelPos = 0;
  String result;
  const char* p = Caption.data();
  const char* end = p + Caption.size();
  while (p < end) {
    int len = Utf8CharLen(p, end);
    if (len == 1 && *p == '&') {
      ++p;
      if (p >= end) break;  // a trailing single mark is dropped
      len = Utf8CharLen(p, end);
      if (!(len == 1 && *p == '&') && AccelPos == 0) AccelPos = static_cast<Integer>(result.size()) + 1;
    }
    result.append(p, static_cast<size_t>(len));
    p += len;
  }
  return result;
}

void SeparateFirstPart(String& Text, String& First, Char Separator) {
  const char* found = AnsiStrNScan(Text.c_str(), Separator, static_cast<Integer>(Text.size()));
  if (!found) {
    First = Text;
    Text.clear();
    return;
  }
  size_t at = static_cast<size_t>(found - Text.c_str());
  First = Text.substr(0, at);
  Text.erase(0, at + 1);
}

String AddPictureIds(const String& Name, Integer Id1, Integer Id2) {
  return Name + PictureIdSeparator + IntToStr(Id1) + PictureIdSeparator + IntToStr(Id2);
}

String SeparatePictureIds(const String& Text, Integer& Id1, Integer& Id2) {
  Id1 = -1;
  Id2 = -1;
  String rest = Text;
  String name;
  SeparateFirstPart(rest, name, PictureIdSeparator);
  if (rest.empty()) return name;
  String part;
  SeparateFirstPart(rest, part, PictureIdSeparator);
  Id1 = StrToInt(part);
  SeparateFirstPart(rest, part, PictureIdSeparator);
  Id2 = StrToInt(part);
  return name;
}

String ResourceStr(const Variant& Value) {
  if (VarType(Value) == varInteger) return LoadStr(Value.ToInteger());
  return VarToStr(Value);
}

// ---- TtsStack -------------------------------------------------------------------------------------------

void TtsStack::Destroy() {
  FreeAndNil(FValueList);
  inherited::Destroy();
}

TList* TtsStack::GetValueList() {
  if (!FValueList) FValueList = New<TList>();
  return FValueList;
}

void TtsStack::Push(NativeInt Value) { GetValueList()->Add(reinterpret_cast<void*>(Value)); }

NativeInt TtsStack::Pop() {
  TList* list = GetValueList();
  NativeInt value = reinterpret_cast<NativeInt>(list->GetItems(list->GetCount() - 1));
  list->Delete(list->GetCount() - 1);
  return value;
}

NativeInt TtsStack::CurValue() {
  TList* list = GetValueList();
  return reinterpret_cast<NativeInt>(list->GetItems(list->GetCount() - 1));
}

// ---- TosMaskEntry -----------------------------------------------------------------------------------

String TosMaskEntry::GetDisplayName() const { return Name + "     (" + Picture + ")"; }

String TosMaskEntry::GetStorageText() const { return Name + "~" + Picture + "\r"; }

void TosMaskEntry::SetStorageText(const String& Text) {
  size_t at = Text.find('~');
  if (at == String::npos) {
    Name = Text;
    return;
  }
  Name = Text.substr(0, at);
  Picture = Text.substr(at + 1);
  if (!Picture.empty() && Picture.back() == '\r') Picture.pop_back();
}

}  // namespace TSCommon
