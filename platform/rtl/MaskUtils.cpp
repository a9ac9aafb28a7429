#include "MaskUtils.h"

#include <cctype>
#include <vector>

#include "FormatSettings.h"
#include "Multibyte.h"
#include "Strings.h"

namespace MaskUtils {

namespace {

using TMask = TEditMaskInfo;

// The fields of "mask;save;blank" split at the separators that are not escaped by '\'.
std::vector<String> Fields(const String& editMask) {
  std::vector<String> f(1);
  for (size_t i = 0; i < editMask.size(); ++i) {
    char c = editMask[i];
    if (c == '\\' && i + 1 < editMask.size()) {
      f.back() += c;
      f.back() += editMask[++i];
    } else if (c == MaskFieldSeparator && f.size() < 3) {
      f.emplace_back();
    } else {
      f.back() += c;
    }
  }
  return f;
}

TMask Parse(const String& editMask) {
  TMask m;
  std::vector<String> f = Fields(editMask);
  if (f.size() > 1 && !f[1].empty()) m.SaveLiterals = f[1][0] != MaskNoSave;
  if (f.size() > 2 && !f[2].empty()) m.Blank = f[2][0];
  const String& s = f[0];
  const char* p = s.data();
  const char* end = p + s.size();
  TMaskCase rule = mcNone;
  auto literal = [&](String text) {
    TMaskPlace place;
    place.Literal = true;
    place.Text = std::move(text);
    m.Places.push_back(place);
  };
  while (p < end) {
    char c = *p;
    int n = Utf8CharLen(p, end);
    switch (c) {
      case '!': m.LeadingBlanks = true; break;
      case '>': rule = mcUpper; break;
      case '<':
        if (p + 1 < end && p[1] == '>') {
          rule = mcNone;
          ++p;
        } else {
          rule = mcLower;
        }
        break;
      case '\\':
        if (p + 1 < end) {
          int m2 = Utf8CharLen(p + 1, end);
          literal(String(p + 1, m2));
          p += m2;
        }
        break;
      case 'L': case 'l': case 'A': case 'a': case 'C': case 'c': case '0': case '9': case '#': {
        TMaskPlace place;
        place.Kind = c;
        place.Case = rule;
        m.Places.push_back(place);
        break;
      }
      case ':': literal(String(1, FormatSettings.TimeSeparator)); break;
      case '/': literal(String(1, FormatSettings.DateSeparator)); break;
      case '_': literal(" "); break;
      default: literal(String(p, n)); break;
    }
    p += n;
  }
  return m;
}

String Cased(const String& ch, TMaskCase rule) {
  switch (rule) {
    case mcUpper: return AnsiUpperCase(ch);
    case mcLower: return AnsiLowerCase(ch);
    default: return ch;
  }
}

// The value's characters, one whole sequence each.
std::vector<String> Characters(const String& s) {
  std::vector<String> out;
  const char* p = s.data();
  const char* end = p + s.size();
  while (p < end) {
    int n = Utf8CharLen(p, end);
    out.emplace_back(p, n);
    p += n;
  }
  return out;
}

// Fills `count` places from `chars`, padding with blanks at the end (or the start when leading).
std::vector<String> Padded(std::vector<String> chars, size_t count, bool leading) {
  if (chars.size() > count) chars.resize(count);
  std::vector<String> blanks(count - chars.size(), " ");
  if (leading) {
    blanks.insert(blanks.end(), chars.begin(), chars.end());
    return blanks;
  }
  chars.insert(chars.end(), blanks.begin(), blanks.end());
  return chars;
}

// Lays `chars` into the data places of [from, to) and the literals in theirs.
void Emit(const TMask& m, size_t from, size_t to, const std::vector<String>& chars, String& out) {
  size_t k = 0;
  for (size_t i = from; i < to; ++i) {
    const TMaskPlace& place = m.Places[i];
    if (place.Literal) out += place.Text;
    else out += Cased(chars[k++], place.Case);
  }
}

}  // namespace

TEditMaskInfo ParseEditMask(const String& EditMask) { return Parse(EditMask); }

bool MaskPlaceRequired(const TMaskPlace& Place) {
  return !Place.Literal && (Place.Kind == 'L' || Place.Kind == 'A' || Place.Kind == 'C' || Place.Kind == '0');
}

bool MaskPlaceAccepts(const TMaskPlace& Place, const String& Ch) {
  if (Place.Literal || Ch.empty()) return false;
  auto c = static_cast<unsigned char>(Ch[0]);
  bool letter = c >= 0x80 || std::isalpha(c);
  bool digit = c < 0x80 && std::isdigit(c);
  switch (Place.Kind) {
    case 'L': case 'l': return letter;
    case 'A': case 'a': return letter || digit;
    case 'C': case 'c': return c >= 0x20;
    case '0': case '9': return digit;
    case '#': return digit || c == '+' || c == '-';
    default: return false;
  }
}

String MaskPlaceCased(const TMaskPlace& Place, const String& Ch) { return Cased(Ch, Place.Case); }

bool MaskGetMaskSave(const String& EditMask) { return Parse(EditMask).SaveLiterals; }
Char MaskGetMaskBlank(const String& EditMask) { return Parse(EditMask).Blank; }

String FormatMaskText(const String& EditMask, const String& Value) {
  if (EditMask.empty()) return Value;
  TMask m = Parse(EditMask);
  std::vector<String> chars = Characters(Value);
  String out;
  if (!m.SaveLiterals) {
    size_t count = 0;
    for (const auto& p : m.Places) count += p.Literal ? 0 : 1;
    Emit(m, 0, m.Places.size(), Padded(chars, count, m.LeadingBlanks), out);
    return out;
  }
  // The value carries the literals: each run of places up to a literal takes the value's characters
  // up to that literal, so that a short part is padded where it is rather than shifting the rest.
  size_t v = 0, i = 0;
  while (i < m.Places.size()) {
    size_t runEnd = i;
    while (runEnd < m.Places.size() && !m.Places[runEnd].Literal) ++runEnd;
    const String* stop = runEnd < m.Places.size() ? &m.Places[runEnd].Text : nullptr;
    // A value that lacks the literal fills the places in order instead.
    bool stopAhead = false;
    for (size_t k = v; stop && k < chars.size() && !stopAhead; ++k) stopAhead = chars[k] == *stop;
    std::vector<String> part;
    while (v < chars.size() && (stopAhead ? chars[v] != *stop : part.size() < runEnd - i)) part.push_back(chars[v++]);
    Emit(m, i, runEnd, Padded(part, runEnd - i, m.LeadingBlanks), out);
    // The literal run itself: each literal of the value that matches is taken over.
    for (i = runEnd; i < m.Places.size() && m.Places[i].Literal; ++i) {
      if (v < chars.size() && chars[v] == m.Places[i].Text) ++v;
      out += m.Places[i].Text;
    }
  }
  return out;
}

}  // namespace MaskUtils
