// What the standard controls share: windows of the standard classes under the controls' own class
// names, and the '&' accelerators of captions.
#include "StdCtrls.h"

#include <cctype>

#include "Exceptions.h"
#include "WinUser.h"

namespace StdCtrls {

void CreateSubClass(TCreateParams& Params, const char* ClassName) {
  WNDCLASSA standard;
  if (!GetClassInfoA(nullptr, ClassName, &standard))
    throw EOSError(String("Cannot find the window class ") + ClassName);
  // The control keeps the class styles it asked for beside the standard class's own.
  UINT keep = Params.WindowClass.style & (CS_VREDRAW | CS_HREDRAW);
  Params.WindowClass = standard;
  Params.WindowClass.style = standard.style | keep;
}

int CanvasDrawText(TCanvas* Canvas, const String& Text, RECT& Rect, UINT Flags) {
  HDC dc = Canvas->GetHandle();
  HGDIOBJ oldFont = SelectObject(dc, Canvas->GetFont()->GetHandle());
  COLORREF oldColor = SetTextColor(dc, ColorToRGB(Canvas->GetFont()->GetColor()));
  int oldMode = SetBkMode(dc, TRANSPARENT);
  int height = DrawText(dc, Text.c_str(), static_cast<int>(Text.size()), &Rect, Flags);
  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColor);
  SelectObject(dc, oldFont);
  return height;
}

Integer FontCellHeight(TFont* Font) {
  // A copy: the font's own handle is still the old one while its change notification runs.
  TOwnedPtr<TFont> copy = NewOwned<TFont>();
  copy->Assign(Font);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, copy->GetHandle());
  TEXTMETRICA tm{};
  GetTextMetricsA(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

bool IsAccel(Word VK, const String& Str) {
  for (size_t i = 0; i + 1 < Str.size(); ++i) {
    if (Str[i] != '&') continue;
    if (Str[i + 1] == '&') {
      ++i;
      continue;
    }
    auto c = static_cast<unsigned char>(Str[i + 1]);
    return c < 0x80 && VK < 0x80 && std::toupper(c) == std::toupper(static_cast<int>(VK));
  }
  return false;
}

}  // namespace StdCtrls
