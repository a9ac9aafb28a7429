// The states of many check items packed into one value that fits a single field, and unpacked again.
// Caption lengths count characters, so a Chinese caption is as long as it looks.
#include <algorithm>

#include "Strings.h"
#include "cxCheckBox.h"
#include "cxMaskText.h"
#include "cxVariants.h"

namespace cxCheckBox {

namespace {

using cxMaskText::TcxMaskChars;

constexpr Integer MaxStatesInInteger = 64;

// The two-part form: the grayed entries, then ";" and the checked ones when there are any.
String JoinParts(const String& AGrayed, const String& AChecked) {
  return AChecked.empty() ? AGrayed : AGrayed + ";" + AChecked;
}

// Reads a decimal number at APos: it must start with a digit and stay within 32 bits.
bool ReadNumber(const TcxMaskChars& AText, size_t& APos, Integer& ANumber) {
  if (APos >= AText.size() || AText[APos] < U'0' || AText[APos] > U'9') return false;
  Int64 value = 0;
  while (APos < AText.size() && AText[APos] >= U'0' && AText[APos] <= U'9') {
    value = value * 10 + (AText[APos] - U'0');
    if (value > 2147483647) return false;
    ++APos;
  }
  ANumber = static_cast<Integer>(value);
  return true;
}

// Before an entry one ";" may stand; the first switches from grayed to checked, a second fails.
bool ReadPartSeparator(const TcxMaskChars& AText, size_t& APos, bool& AChecked) {
  if (APos >= AText.size() || AText[APos] != U';') return true;
  if (AChecked) return false;
  AChecked = true;
  ++APos;
  return true;
}

bool IsTextValue(const Variant& AValue) { return VarIsNull(AValue) || VarIsStr(AValue); }

TcxMaskChars TextOf(const Variant& AValue) { return cxMaskText::ToMaskChars(VarToStr(AValue)); }

struct TCaptionEntry {
  String Caption;
  TcxCheckBoxState State;
};

bool ParseCaptions(const Variant& AValue, IcxCheckItems* AItems, TcxCheckStates& AStates) {
  if (!IsTextValue(AValue)) return false;
  const TcxMaskChars text = TextOf(AValue);
  std::vector<TCaptionEntry> entries;
  size_t pos = 0;
  bool checked = false;
  while (pos < text.size()) {
    Integer length = 0;
    if (!ReadPartSeparator(text, pos, checked) || !ReadNumber(text, pos, length)) return false;
    if (pos >= text.size() || text[pos] != U':') return false;
    ++pos;
    if (text.size() - pos < static_cast<size_t>(length)) return false;
    entries.push_back({cxMaskText::FromMaskChars(text.substr(pos, length)), checked ? cbsChecked : cbsGrayed});
    pos += length;
  }
  std::stable_sort(entries.begin(), entries.end(), [](const TCaptionEntry& A, const TCaptionEntry& B) {
    return AnsiCompareText(A.Caption, B.Caption) < 0;
  });
  for (size_t i = 0; i < AStates.size(); ++i) {
    const String caption = AItems->GetCaption(static_cast<Integer>(i));
    auto found = std::find_if(entries.begin(), entries.end(),
                              [&](const TCaptionEntry& AEntry) { return AnsiSameText(AEntry.Caption, caption); });
    if (found == entries.end()) {
      AStates[i] = cbsUnchecked;
    } else {
      AStates[i] = found->State;
      entries.erase(found);
    }
  }
  return entries.empty();
}

bool ParseIndices(const Variant& AValue, TcxCheckStates& AStates) {
  if (!IsTextValue(AValue)) return false;
  std::fill(AStates.begin(), AStates.end(), cbsUnchecked);
  const TcxMaskChars text = TextOf(AValue);
  size_t pos = 0;
  bool checked = false;
  while (pos < text.size()) {
    Integer index = 0;
    if (!ReadPartSeparator(text, pos, checked) || !ReadNumber(text, pos, index)) return false;
    if (static_cast<size_t>(index) >= AStates.size()) return false;
    AStates[index] = checked ? cbsChecked : cbsGrayed;
    if (pos < text.size() && text[pos] == U',') ++pos;
  }
  return true;
}

bool ParseInteger(const Variant& AValue, TcxCheckStates& AStates) {
  Int64 bits = 0;
  if (VarIsNull(AValue)) {
    bits = 0;
  } else if (VarIsStr(AValue)) {
    if (!TryStrToInt64(VarToStr(AValue), bits)) return false;
  } else if (VarIsNumericEx(AValue) || VarIsDate(AValue)) {
    bits = VarAsType(AValue, varInt64).ToInt64();
  } else {
    return false;
  }
  const auto mask = static_cast<uint64_t>(bits);
  for (size_t i = 0; i < AStates.size(); ++i)
    AStates[i] = i < MaxStatesInInteger && (mask >> i) & 1 ? cbsChecked : cbsUnchecked;
  return true;
}

bool ParseStatesString(const Variant& AValue, TcxCheckStates& AStates) {
  if (!IsTextValue(AValue)) return false;
  const String text = VarToStr(AValue);
  for (size_t i = 0; i < AStates.size(); ++i) {
    if (i >= text.size()) {
      AStates[i] = cbsUnchecked;
    } else if (text[i] >= '0' && text[i] <= '2') {
      AStates[i] = static_cast<TcxCheckBoxState>(text[i] - '0');
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

Variant CalculateCheckStatesValue(const TcxCheckStates& ACheckStates, IcxCheckItems* AItems,
                                  TcxCheckStatesValueFormat AValueFormat) {
  switch (AValueFormat) {
    case cvfCaptions:
    case cvfIndices: {
      String grayed, checked;
      for (size_t i = 0; i < ACheckStates.size(); ++i) {
        if (ACheckStates[i] == cbsUnchecked) continue;
        String& part = ACheckStates[i] == cbsGrayed ? grayed : checked;
        if (AValueFormat == cvfCaptions) {
          const String caption = AItems->GetCaption(static_cast<Integer>(i));
          part += IntToStr(static_cast<Integer>(cxMaskText::ToMaskChars(caption).size())) + ":" + caption;
        } else {
          if (!part.empty()) part += ",";
          part += IntToStr(static_cast<Integer>(i));
        }
      }
      return Variant(JoinParts(grayed, checked));
    }
    case cvfInteger: {
      uint64_t bits = 0;
      for (size_t i = 0; i < ACheckStates.size() && i < MaxStatesInInteger; ++i)
        if (ACheckStates[i] == cbsChecked) bits |= uint64_t{1} << i;
      return VarAsType(Variant(static_cast<Int64>(bits)), varInt64);
    }
    case cvfStatesString: {
      String text;
      for (TcxCheckBoxState state : ACheckStates) text += static_cast<char>('0' + state);
      return Variant(text);
    }
  }
  return Null();
}

bool CalculateCheckStates(const Variant& AValue, IcxCheckItems* AItems, TcxCheckStatesValueFormat AValueFormat,
                          TcxCheckStates& ACheckStates) {
  ACheckStates.assign(static_cast<size_t>(std::max<Integer>(AItems->GetCount(), 0)), cbsUnchecked);
  bool parsed = false;
  switch (AValueFormat) {
    case cvfCaptions:
      parsed = ParseCaptions(AValue, AItems, ACheckStates);
      break;
    case cvfIndices:
      parsed = ParseIndices(AValue, ACheckStates);
      break;
    case cvfInteger:
      parsed = ParseInteger(AValue, ACheckStates);
      break;
    case cvfStatesString:
      parsed = ParseStatesString(AValue, ACheckStates);
      break;
  }
  if (!parsed) std::fill(ACheckStates.begin(), ACheckStates.end(), cbsUnchecked);
  return parsed;
}

}  // namespace cxCheckBox
