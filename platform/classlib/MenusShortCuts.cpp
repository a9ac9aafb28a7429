// Shortcuts: a key with Shift, Ctrl and Alt in one word, and the texts that name them in menus
// ("Ctrl+S", "Shift+Ctrl+F5", "Del").
#include "Menus.h"
#include "Strings.h"
#include "WinUser.h"

namespace Menus {

namespace {

struct TKeyName {
  Word Key;
  const char* Name;
};

// The names the menus show for keys that are no letter or digit (the punctuation keys as on the
// standard layout).
constexpr TKeyName KeyNames[] = {
    {VK_BACK, "BkSp"},     {VK_TAB, "Tab"},       {VK_ESCAPE, "Esc"},       {VK_RETURN, "Enter"},
    {VK_SPACE, "Space"},   {VK_PRIOR, "PgUp"},    {VK_NEXT, "PgDn"},        {VK_END, "End"},
    {VK_HOME, "Home"},     {VK_LEFT, "Left"},     {VK_UP, "Up"},            {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},     {VK_INSERT, "Ins"},    {VK_DELETE, "Del"},       {VK_MULTIPLY, "Num *"},
    {VK_ADD, "Num +"},     {VK_SUBTRACT, "Num -"}, {VK_DECIMAL, "Num ."},   {VK_DIVIDE, "Num /"},
    {VK_OEM_1, ";"},       {VK_OEM_PLUS, "="},    {VK_OEM_COMMA, ","},      {VK_OEM_MINUS, "-"},
    {VK_OEM_PERIOD, "."},  {VK_OEM_2, "/"},       {VK_OEM_3, "`"},          {VK_OEM_4, "["},
    {VK_OEM_5, "\\"},      {VK_OEM_6, "]"},       {VK_OEM_7, "'"},
};

String KeyName(Word Key) {
  if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z')) return String(1, static_cast<char>(Key));
  if (Key >= VK_F1 && Key <= VK_F24) return "F" + IntToStr(Key - VK_F1 + 1);
  if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9) return "Num " + IntToStr(Key - VK_NUMPAD0);
  for (const TKeyName& k : KeyNames)
    if (k.Key == Key) return k.Name;
  return String();
}

constexpr struct {
  TShortCut Flag;
  const char* Text;
} Modifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

}  // namespace

TShortCut ShortCut(Word Key, TShiftState Shift) {
  if (Key > 0xFF) return scNone;
  TShortCut sc = Key;
  if (Shift.Contains(ssShift)) sc |= scShift;
  if (Shift.Contains(ssCtrl)) sc |= scCtrl;
  if (Shift.Contains(ssAlt)) sc |= scAlt;
  return sc;
}

void ShortCutToKey(TShortCut ShortCut, Word& Key, TShiftState& Shift) {
  Key = ShortCut & 0xFF;
  Shift = TShiftState();
  if (ShortCut & scShift) Shift.Include(ssShift);
  if (ShortCut & scCtrl) Shift.Include(ssCtrl);
  if (ShortCut & scAlt) Shift.Include(ssAlt);
}

String ShortCutToText(TShortCut ShortCut) {
  String name = KeyName(ShortCut & 0xFF);
  if (name.empty()) return String();
  String text;
  for (const auto& m : Modifiers)
    if (ShortCut & m.Flag) text += m.Text;
  return text + name;
}

TShortCut TextToShortCut(const String& Text) {
  String rest = Text;
  TShortCut flags = 0;
  for (bool found = true; found;) {
    found = false;
    for (const auto& m : Modifiers) {
      size_t n = std::char_traits<char>::length(m.Text);
      if (rest.size() > n && SameText(rest.substr(0, n), m.Text)) {
        flags |= m.Flag;
        rest.erase(0, n);
        found = true;
      }
    }
  }
  if (rest.empty()) return scNone;
  for (Word key = 8; key <= 0xFF; ++key)
    if (SameText(rest, KeyName(key))) return static_cast<TShortCut>(key | flags);
  return scNone;
}

}  // namespace Menus
