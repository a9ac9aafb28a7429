// Formatted text: DrawText with line breaking, word wrapping (also between Chinese characters),
// ellipses, '&' prefixes, tabs, alignment and the measuring mode; tabbed text output.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "GdiDraw.h"
#include "GdiText.h"
#include "WinUserDraw.h"

namespace {

struct TTabs {
  int Origin = 0;           // where the stops count from, relative to the line start
  int Default = 64;         // distance between default stops
  const INT* Stops = nullptr;
  int Count = 0;
  int Next(int x) const {
    int a = x - Origin;
    if (Count > 1)
      for (int i = 0; i < Count; ++i)
        if (Stops[i] > a) return Stops[i] + Origin;
    int step = Count == 1 && Stops[0] > 0 ? Stops[0] : Default;
    if (step <= 0) step = 8;
    int k = a >= 0 ? a / step + 1 : -((-a) / step) + ((-a) % step == 0 ? 1 : 0);
    return k * step + Origin;
  }
};

struct TSegment {
  int X = 0;                // start of the segment from the line start
  int Byte = 0;             // its first byte in the line
  TTextLayout Layout;
};

// A line split at its tabs (when expanded), each piece laid out by the shared text layout.
struct TLineLayout {
  std::vector<TSegment> Segs;
  int Width = 0;
};

TLineLayout LayoutLine(TDCObj* d, const std::string& text, const TTabs* tabs) {
  TLineLayout out;
  size_t start = 0;
  int x = 0;
  while (true) {
    size_t tab = tabs ? text.find('\t', start) : std::string::npos;
    size_t end = tab == std::string::npos ? text.size() : tab;
    TSegment seg;
    seg.X = x;
    seg.Byte = static_cast<int>(start);
    seg.Layout = LayoutText(d, text.data() + start, static_cast<int>(end - start));
    x += seg.Layout.Width();
    out.Segs.push_back(std::move(seg));
    if (tab == std::string::npos) break;
    x = tabs->Next(x);
    start = tab + 1;
  }
  out.Width = x;
  return out;
}

int TextWidth(TDCObj* d, const std::string& s, const TTabs* tabs) { return LayoutLine(d, s, tabs).Width; }

bool IsWide(char32_t c) {
  return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x2FFFF);
}

struct TLine {
  std::string Text;
  std::vector<int> Underlines;  // byte positions of prefixed characters
};

// Removes '&' prefixes: "&x" underlines x, "&&" is one '&'.
TLine StripPrefixes(const std::string& s, bool process) {
  TLine l;
  if (!process) {
    l.Text = s;
    return l;
  }
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '&' && i + 1 < s.size()) {
      ++i;
      if (s[i] != '&') l.Underlines.push_back(static_cast<int>(l.Text.size()));
    } else if (s[i] == '&') {
      continue;  // a trailing '&' shows nothing
    }
    l.Text += s[i];
  }
  return l;
}

TLine Slice(const TLine& l, size_t from, size_t to) {
  TLine out;
  out.Text = l.Text.substr(from, to - from);
  for (int u : l.Underlines)
    if (u >= static_cast<int>(from) && u < static_cast<int>(to)) out.Underlines.push_back(u - static_cast<int>(from));
  return out;
}

// Greedy word wrap of one paragraph into lines no wider than `width` where a break allows it.
std::vector<TLine> Wrap(TDCObj* d, const TLine& para, int width, UINT format, const TTabs* tabs) {
  std::vector<TLine> lines;
  TTextLayout all = LayoutText(d, para.Text.data(), static_cast<int>(para.Text.size()));
  const TChars& ch = all.Chars;
  size_t n = ch.Code.size();
  bool wideBreaks = !(format & DT_NOFULLWIDTHCHARBREAK);
  size_t start = 0;
  while (start < n) {
    size_t lastBreak = 0;  // character index after which a line may end (0: none yet)
    size_t i = start;
    size_t end = n;
    for (; i < n; ++i) {
      int right = all.X[i + 1] - all.X[start];
      bool space = ch.Code[i] == U' ' || ch.Code[i] == U'\t';
      if (right > width && !space) {
        if (lastBreak > start) end = lastBreak;
        else if (format & DT_EDITCONTROL) end = std::max(i, start + 1);  // an edit control breaks long words
        else {
          // A word longer than the line stays whole: end the line at the next break.
          size_t k = i + 1;
          while (k < n && ch.Code[k] != U' ' && !(wideBreaks && (IsWide(ch.Code[k]) || IsWide(ch.Code[k - 1])))) ++k;
          end = k;
        }
        break;
      }
      if (space) lastBreak = i + 1;
      else if (wideBreaks && i + 1 < n && (IsWide(ch.Code[i]) || IsWide(ch.Code[i + 1]))) lastBreak = i + 1;
    }
    size_t cut = end;
    while (cut > start && ch.Code[cut - 1] == U' ') --cut;  // spaces at a break are not shown
    size_t fromByte = ch.Byte[start], toByte = cut < n ? ch.Byte[cut] : para.Text.size();
    if (cut == start) toByte = fromByte;
    lines.push_back(Slice(para, fromByte, toByte));
    start = end;
    while (start < n && ch.Code[start] == U' ') ++start;
  }
  if (lines.empty()) lines.push_back(TLine{});
  return lines;
}

// Shortens a line that does not fit: "..." at its end, after its last whole word, or in the middle of a path.
bool Ellipsize(TDCObj* d, TLine& line, int width, UINT format, const TTabs* tabs) {
  if (TextWidth(d, line.Text, tabs) <= width) return false;
  static const std::string dots = "...";
  TChars ch = DecodeUtf8(line.Text.data(), static_cast<int>(line.Text.size()));
  std::string tail;
  size_t limit = line.Text.size();
  if (format & DT_PATH_ELLIPSIS) {
    size_t slash = line.Text.find_last_of("\\/");
    if (slash != std::string::npos && slash > 0) {
      tail = line.Text.substr(slash);
      limit = slash;
    }
  }
  size_t keep = 0;  // bytes of the head kept
  for (size_t i = 0; i < ch.Code.size(); ++i) {
    size_t next = ch.Byte[i] + ch.Bytes[i];
    if (next > limit) break;
    if (TextWidth(d, line.Text.substr(0, next) + dots + tail, tabs) > width) break;
    keep = next;
  }
  if ((format & DT_WORD_ELLIPSIS) && keep < limit) {
    size_t space = line.Text.rfind(' ', keep);
    if (space != std::string::npos && space > 0) keep = space;
  }
  std::vector<int> under;
  for (int u : line.Underlines)
    if (u < static_cast<int>(keep)) under.push_back(u);
  line.Text = line.Text.substr(0, keep) + dots + tail;
  line.Underlines = under;
  return true;
}

int DrawTextCore(HDC dc, char* text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
  TDCObj* d = DCOf(dc);
  if (!d || !rect || (!text && count != 0)) return 0;
  std::lock_guard<std::recursive_mutex> lock(TextLock());
  if (count < 0) count = static_cast<int>(std::strlen(text));
  std::string src(text ? text : "", static_cast<size_t>(count));
  const TEXTMETRICA& tm = FontOf(d).Metrics();

  RECT area = *rect;
  if (params) {
    area.left += params->iLeftMargin;
    area.right -= params->iRightMargin;
  }
  TTabs tabStops;
  int tabChars = (format & DT_TABSTOP) ? static_cast<int>((format >> 8) & 0xFF) : 8;
  if (params && params->iTabLength > 0) tabChars = params->iTabLength;
  tabStops.Default = std::max(1, tabChars) * tm.tmAveCharWidth;
  const TTabs* tabs = (format & DT_EXPANDTABS) ? &tabStops : nullptr;
  // With DT_TABSTOP the high byte is the tab size, not flags.
  UINT flags = (format & DT_TABSTOP) ? (format & ~0xFF00u) : format;
  bool prefixes = !(flags & DT_NOPREFIX);
  int width = area.right - area.left;

  std::vector<TLine> lines;
  if (flags & DT_SINGLELINE) {
    std::string one;
    for (char c : src)
      if (c != '\r' && c != '\n') one += c;
    lines.push_back(StripPrefixes(one, prefixes));
  } else {
    size_t i = 0;
    while (true) {
      size_t brk = src.find_first_of("\r\n", i);
      std::string para = src.substr(i, brk == std::string::npos ? std::string::npos : brk - i);
      TLine l = StripPrefixes(para, prefixes);
      if (flags & DT_WORDBREAK) {
        std::vector<TLine> wrapped = Wrap(d, l, width, flags, tabs);
        lines.insert(lines.end(), wrapped.begin(), wrapped.end());
      } else {
        lines.push_back(l);
      }
      if (brk == std::string::npos) break;
      i = brk + ((src[brk] == '\r' && brk + 1 < src.size() && src[brk + 1] == '\n') ? 2 : 1);
      if (i >= src.size()) break;  // a final line break starts no new line
    }
  }
  bool ellipsis = flags & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS);
  bool modified = false;
  if (ellipsis)
    for (TLine& l : lines) modified |= Ellipsize(d, l, width, flags, tabs);
  if (modified && (flags & DT_MODIFYSTRING) && text && lines.size() == 1) {
    std::memcpy(text, lines[0].Text.data(), lines[0].Text.size());
    text[lines[0].Text.size()] = 0;
  }

  int lineHeight = tm.tmHeight + ((flags & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
  int top = area.top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER) top = area.top + (area.bottom - area.top - lineHeight) / 2;
    else if (flags & DT_BOTTOM) top = area.bottom - lineHeight;
  }
  std::vector<TLineLayout> layouts;
  int maxWidth = 0;
  for (const TLine& l : lines) {
    layouts.push_back(LayoutLine(d, l.Text, tabs));
    maxWidth = std::max(maxWidth, layouts.back().Width);
  }
  // An edit control shows no partly visible last line.
  size_t shown = lines.size();
  if ((flags & DT_EDITCONTROL) && !(flags & DT_CALCRECT))
    while (shown > 1 && top + static_cast<int>(shown) * lineHeight > area.bottom) --shown;
  int height = static_cast<int>(shown) * lineHeight;
  if (params) params->uiLengthDrawn = static_cast<UINT>(count);

  if (flags & DT_CALCRECT) {
    rect->right = area.left + maxWidth + (params ? params->iRightMargin : 0);
    rect->bottom = rect->top + height;
    return height;
  }

  RECT clipDevice = ToDeviceRect(d->S, area);
  const RECT* clip = (flags & DT_NOCLIP) ? nullptr : &clipDevice;
  for (size_t k = 0; k < shown; ++k) {
    const TLineLayout& ll = layouts[k];
    int x = area.left;
    if (flags & DT_CENTER) x = area.left + (width - ll.Width) / 2;
    else if (flags & DT_RIGHT) x = area.right - ll.Width;
    int baseline = top + static_cast<int>(k) * lineHeight + tm.tmAscent;
    for (const TSegment& seg : ll.Segs) {
      POINT at = ToDevice(d->S, POINT{x + seg.X, baseline});
      if (!(flags & DT_PREFIXONLY)) DrawLayout(d, seg.Layout, at, clip, nullptr, true);
      if (flags & DT_HIDEPREFIX) continue;
      for (int u : lines[k].Underlines) {
        int rel = u - seg.Byte;
        const TChars& ch = seg.Layout.Chars;
        for (size_t c = 0; c < ch.Byte.size(); ++c)
          if (ch.Byte[c] == rel) UnderlineChar(d, seg.Layout, static_cast<int>(c), at, clip);
      }
    }
  }
  return (flags & DT_SINGLELINE) && (flags & (DT_VCENTER | DT_BOTTOM)) ? top - area.top + height : height;
}

TTabs TabsFor(TDCObj* d, int tabCount, const INT* stops, int origin) {
  TTabs t;
  t.Default = 8 * FontOf(d).Metrics().tmAveCharWidth;
  t.Stops = tabCount > 0 ? stops : nullptr;
  t.Count = stops ? tabCount : 0;
  t.Origin = origin;
  return t;
}

}  // namespace

namespace WinUserDraw {

int DrawTextA(HDC dc, char* text, int count, RECT* rect, UINT format) {
  return DrawTextCore(dc, text, count, rect, format, nullptr);
}

int DrawTextExA(HDC dc, char* text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
  return DrawTextCore(dc, text, count, rect, format, params);
}

int DrawTextW(HDC dc, const char16_t* text, int count, RECT* rect, UINT format) {
  std::string s = EncodeUtf8(text, count);
  return DrawTextCore(dc, s.data(), static_cast<int>(s.size()), rect, format & ~DT_MODIFYSTRING, nullptr);
}

LONG TabbedTextOutA(HDC dc, int x, int y, LPCSTR text, int count, int tabCount, const INT* tabStops, int tabOrigin) {
  TDCObj* d = DCOf(dc);
  if (!d || count < 0 || (count > 0 && !text)) return 0;
  std::lock_guard<std::recursive_mutex> lock(TextLock());
  TTabs tabs = TabsFor(d, tabCount, tabStops, tabOrigin - x);
  TLineLayout ll = LayoutLine(d, std::string(text, static_cast<size_t>(count)), &tabs);
  int height = FontOf(d).Metrics().tmHeight;
  // An opaque background runs under the tab gaps too: it is laid once over the whole extent.
  int mode = d->S.BkMode;
  if (mode == OPAQUE) {
    RECT cell{x, y, x + ll.Width, y + height};
    ExtTextOutA(dc, x, y, ETO_OPAQUE, &cell, "", 0, nullptr);
    d->S.BkMode = TRANSPARENT;
  }
  for (const TSegment& seg : ll.Segs) {
    const TChars& ch = seg.Layout.Chars;
    UINT bytes = ch.Byte.empty() ? 0 : static_cast<UINT>(ch.Byte.back() + ch.Bytes.back());
    ExtTextOutA(dc, x + seg.X, y, 0, nullptr, text + seg.Byte, bytes, nullptr);
  }
  d->S.BkMode = mode;
  return static_cast<LONG>(MAKELONG(static_cast<WORD>(ll.Width), static_cast<WORD>(height)));
}

DWORD GetTabbedTextExtentA(HDC dc, LPCSTR text, int count, int tabCount, const INT* tabStops) {
  TDCObj* d = DCOf(dc);
  if (!d || count < 0 || (count > 0 && !text)) return 0;
  std::lock_guard<std::recursive_mutex> lock(TextLock());
  TTabs tabs = TabsFor(d, tabCount, tabStops, 0);
  TLineLayout ll = LayoutLine(d, std::string(text, static_cast<size_t>(count)), &tabs);
  return MAKELONG(static_cast<WORD>(ll.Width), static_cast<WORD>(FontOf(d).Metrics().tmHeight));
}

}  // namespace WinUserDraw
