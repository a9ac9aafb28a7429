// A strict well-formedness check of an XML document in UTF-8: characters, names (the full name
// character classes), the declaration, one root element, matching tags, unique attributes, quoted
// attribute values without '<', references only to the predefined entities or characters, and no
// "]]>" in character data. It answers the first fault found and how many elements of each name.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace XmlCheck {

struct TResult {
  bool WellFormed = false;
  std::string Error;
  std::map<std::string, size_t> Elements;
};

namespace Detail {

inline bool IsNameStart(uint32_t c) {
  return c == ':' || (c >= 'A' && c <= 'Z') || c == '_' || (c >= 'a' && c <= 'z') || (c >= 0xC0 && c <= 0xD6) ||
         (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x2FF) || (c >= 0x370 && c <= 0x37D) ||
         (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) || (c >= 0x2070 && c <= 0x218F) ||
         (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFDCF) ||
         (c >= 0xFDF0 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}
inline bool IsNameChar(uint32_t c) {
  return IsNameStart(c) || c == '-' || c == '.' || (c >= '0' && c <= '9') || c == 0xB7 ||
         (c >= 0x300 && c <= 0x36F) || (c >= 0x203F && c <= 0x2040);
}
inline bool IsChar(uint32_t c) {
  return c == 9 || c == 10 || c == 13 || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}
inline bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

class TParser {
 public:
  explicit TParser(const std::string& Text) : S(Text) {}

  TResult Run() {
    TResult result;
    try {
      CheckCharacters();
      if (S.compare(0, 5, "<?xml") == 0 && S.size() > 5 && IsSpace(S[5])) Declaration();
      Misc();
      if (!At("<")) Fail("no root element");
      Element(result.Elements);
      Misc();
      if (P != S.size()) Fail("content after the root element");
      result.WellFormed = true;
    } catch (const std::string& error) {
      result.Error = error;
    }
    return result;
  }

 private:
  [[noreturn]] void Fail(const std::string& What) { throw What + " at byte " + std::to_string(P); }
  bool At(const char* Text) const { return S.compare(P, std::char_traits<char>::length(Text), Text) == 0; }
  void Expect(const char* Text) {
    if (!At(Text)) Fail(std::string("expected ") + Text);
    P += std::char_traits<char>::length(Text);
  }
  bool Spaces() {
    size_t start = P;
    while (P < S.size() && IsSpace(S[P])) ++P;
    return P > start;
  }
  // The code point at byte I and its length in bytes; malformed UTF-8 fails.
  uint32_t Decode(size_t I, size_t& Length) const {
    const auto b = static_cast<unsigned char>(S[I]);
    Length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (!Length || I + Length > S.size()) throw std::string("malformed UTF-8 at byte ") + std::to_string(I);
    uint32_t c = Length == 1 ? b : b & (0x7F >> Length);
    for (size_t k = 1; k < Length; ++k) {
      const auto t = static_cast<unsigned char>(S[I + k]);
      if ((t >> 6) != 2) throw std::string("malformed UTF-8 at byte ") + std::to_string(I);
      c = (c << 6) | (t & 0x3F);
    }
    return c;
  }
  void CheckCharacters() {
    for (size_t i = 0, n; i < S.size(); i += n)
      if (!IsChar(Decode(i, n))) throw std::string("character not allowed at byte ") + std::to_string(i);
  }
  std::string Name() {
    size_t start = P, n;
    if (P >= S.size() || !IsNameStart(Decode(P, n))) Fail("expected a name");
    for (P += n; P < S.size() && IsNameChar(Decode(P, n));) P += n;
    return S.substr(start, P - start);
  }
  void Reference() {
    Expect("&");
    if (At("#x")) {
      P += 2;
      size_t start = P;
      while (P < S.size() && isxdigit(static_cast<unsigned char>(S[P]))) ++P;
      if (P == start || !IsChar(std::stoul(S.substr(start, P - start), nullptr, 16))) Fail("bad character reference");
    } else if (At("#")) {
      ++P;
      size_t start = P;
      while (P < S.size() && isdigit(static_cast<unsigned char>(S[P]))) ++P;
      if (P == start || !IsChar(std::stoul(S.substr(start, P - start)))) Fail("bad character reference");
    } else {
      static const std::set<std::string> predefined = {"amp", "lt", "gt", "apos", "quot"};
      if (!predefined.count(Name())) Fail("undeclared entity");
    }
    Expect(";");
  }
  void AttributeValue() {
    if (P >= S.size() || (S[P] != '"' && S[P] != '\'')) Fail("attribute value not quoted");
    const char quote = S[P++];
    while (P < S.size() && S[P] != quote) {
      if (S[P] == '<') Fail("'<' in an attribute value");
      if (S[P] == '&') Reference();
      else ++P;
    }
    Expect(quote == '"' ? "\"" : "'");
  }
  void Declaration() {
    Expect("<?xml");
    std::vector<std::string> names;
    while (Spaces() && !At("?>")) {
      names.push_back(Name());
      Spaces();
      Expect("=");
      Spaces();
      AttributeValue();
    }
    Expect("?>");
    const std::vector<std::vector<std::string>> allowed = {
        {"version"}, {"version", "encoding"}, {"version", "standalone"}, {"version", "encoding", "standalone"}};
    bool ok = false;
    for (const auto& a : allowed) ok = ok || a == names;
    if (!ok) Fail("bad XML declaration");
  }
  void Comment() {
    Expect("<!--");
    size_t end = S.find("--", P);
    if (end == std::string::npos || S.compare(end, 3, "-->") != 0) Fail("bad comment");
    P = end + 3;
  }
  void ProcessingInstruction() {
    Expect("<?");
    std::string target = Name();
    if (target.size() == 3 && tolower(target[0]) == 'x' && tolower(target[1]) == 'm' && tolower(target[2]) == 'l')
      Fail("reserved processing instruction");
    size_t end = S.find("?>", P);
    if (end == std::string::npos) Fail("unclosed processing instruction");
    P = end + 2;
  }
  void Misc() {
    for (;;) {
      Spaces();
      if (At("<!--")) Comment();
      else if (At("<?")) ProcessingInstruction();
      else return;
    }
  }
  void Element(std::map<std::string, size_t>& Counts) {
    Expect("<");
    const std::string name = Name();
    ++Counts[name];
    std::set<std::string> attributes;
    for (;;) {
      const bool spaced = Spaces();
      if (At("/>")) {
        P += 2;
        return;
      }
      if (At(">")) {
        ++P;
        break;
      }
      if (!spaced) Fail("attributes not separated by white space");
      const std::string attribute = Name();
      if (!attributes.insert(attribute).second) Fail("attribute " + attribute + " repeated");
      Spaces();
      Expect("=");
      Spaces();
      AttributeValue();
    }
    // Content up to the matching end tag.
    for (;;) {
      if (P >= S.size()) Fail("element " + name + " not closed");
      if (At("</")) {
        P += 2;
        if (Name() != name) Fail("end tag does not match " + name);
        Spaces();
        Expect(">");
        return;
      }
      if (At("<!--")) Comment();
      else if (At("<![CDATA[")) {
        size_t end = S.find("]]>", P);
        if (end == std::string::npos) Fail("unclosed CDATA section");
        P = end + 3;
      } else if (At("<?")) ProcessingInstruction();
      else if (At("<")) Element(Counts);
      else if (At("&")) Reference();
      else if (At("]]>")) Fail("']]>' in character data");
      else ++P;
    }
  }

  const std::string& S;
  size_t P = 0;
};

}  // namespace Detail

inline TResult Check(const std::string& Document) { return Detail::TParser(Document).Run(); }

}  // namespace XmlCheck
