// The canvas wrapper's text: drawing and measuring in the cx text flags, vertical alignment of
// multi-line text, the rects of the displayed lines, and rotated fonts.
#include "Strings.h"
#include "WinGdi.h"
#include "WinUserDraw.h"
#include "cxGraphicsCanvas.h"

namespace cxGraphics {

namespace {

// RequiredState is the canvas's own business; the wrapper asks for it the way a descendant would.
struct TCanvasAccess : TCanvas {
  using TCanvas::RequiredState;
};

void RequireTextState(TCanvas* ACanvas) {
  (ACanvas->*&TCanvasAccess::RequiredState)({csHandleValid, csFontValid, csBrushValid});
}

Integer UTF8CharLength(const String& S, size_t AIndex) {
  const auto lead = static_cast<unsigned char>(S[AIndex]);
  Integer n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return std::min<Integer>(n, static_cast<Integer>(S.size() - AIndex));
}

}  // namespace

void TcxCanvas::RequireFont() { (FCanvas->*&TCanvasAccess::RequiredState)({csHandleValid, csFontValid}); }

TSize TcxCanvas::TextExtent(const String& AText) {
  RequireFont();
  SIZE size{0, 0};
  GetTextExtentPoint32A(GetHandle(), AText.data(), static_cast<int>(AText.size()), &size);
  return size;
}

void TcxCanvas::TextExtent(const String& AText, TRect& R, Integer AFlags) {
  const Integer width = R.Width(), height = R.Height();
  const UINT flags = cxFlagsToDTFlags(AFlags);
  if (width <= 0 && !AText.empty()) R.right = R.left + 1;
  RequireFont();
  if (DrawTextA(GetHandle(), AText.data(), static_cast<int>(AText.size()), &R,
                (flags & ~DT_VCENTER) | DT_CALCRECT) == 0)
    R = TRect(R.left, R.top, R.left, R.top);
  if (flags & DT_CENTER)
    R = cxRectOffset(R, (width - R.Width()) / 2, 0);
  else if (flags & DT_RIGHT)
    R = cxRectOffset(R, width - R.Width(), 0);
  if (flags & DT_VCENTER)
    R = cxRectOffset(R, 0, (height - R.Height()) / 2);
  else if (flags & DT_BOTTOM)
    R = cxRectOffset(R, 0, height - R.Height());
}

Integer TcxCanvas::FontHeight(TFont* AFont) {
  SetFont(AFont);
  return TextHeight("Qq");
}

void TcxCanvas::AlignMultiLineTextRectVertically(TRect& R, const String& AText, TcxAlignmentVert AAlignmentVert,
                                                 bool AWordBreak, bool AShowPrefix, bool AEnabled,
                                                 bool ADontBreakChars) {
  if (AAlignmentVert == vaTop) return;
  const Integer d = AEnabled ? 0 : 1;
  TRect measured(0, 0, R.Width() - d, 0);
  Integer flags = cxtfAlignLeft | cxtfAlignTop;
  if (AWordBreak) flags |= cxtfWordBreak;
  if (AShowPrefix) flags |= cxtfShowPrefix;
  if (ADontBreakChars) flags |= cxtfDontBreakChars;
  TextExtent(AText, measured, flags);
  const Integer h = measured.Height();
  if (AAlignmentVert == vaBottom)
    R.top = R.bottom - d - h;
  else
    R.top = (R.top + R.bottom - h) / 2;
}

void TcxCanvas::DrawTexT(const String& AText, const TRect& R, Integer AFormat, bool AEnabled) {
  if (AText.empty()) return;
  TRect r = R;
  const bool multiLine = !(AFormat & cxtfSingleLine) ||
                         (AFormat & (cxtfShowPrefix | cxtfShowEndEllipsis | cxtfShowPathEllipsis));
  const TSize size = TextExtent(AText);
  if (size.cx <= r.Width() && size.cy <= r.Height()) AFormat |= cxtfDontClip;

  UINT dtFlags = 0, etoOptions = 0;
  if (multiLine) {
    if (!(AFormat & cxtfSingleLine) && (AFormat & (cxtfAlignBottom | cxtfAlignVCenter)))
      AlignMultiLineTextRectVertically(r, AText, AFormat & cxtfAlignBottom ? vaBottom : vaCenter,
                                       AFormat & cxtfWordBreak, AFormat & cxtfShowPrefix, AEnabled,
                                       AFormat & cxtfDontBreakChars);
    dtFlags = cxFlagsToDTFlags(AFormat);
  } else {
    const Integer d = AEnabled ? 0 : 1;
    if (size.cx < r.Width()) {
      if ((AFormat & cxtfHorzAlignMask) == cxtfAlignRight)
        r.left = r.right - size.cx - d;
      else if ((AFormat & cxtfHorzAlignMask) == cxtfAlignHCenter)
        r.left = (r.left + r.right - size.cx) / 2;
    }
    if (size.cy < r.Height()) {
      if ((AFormat & cxtfVertAlignMask) == cxtfAlignBottom)
        r.top = r.bottom - size.cy - d;
      else if ((AFormat & cxtfVertAlignMask) == cxtfAlignVCenter)
        r.top = (r.top + r.bottom - size.cy) / 2;
    }
    etoOptions = AFormat & cxtfDontClip ? 0 : ETO_CLIPPED;
  }

  auto draw = [&](TRect at) {
    RequireTextState(FCanvas);
    if (multiLine)
      DrawTextA(GetHandle(), AText.data(), static_cast<int>(AText.size()), &at, dtFlags);
    else
      ExtTextOutA(GetHandle(), at.left, at.top, etoOptions, &at, AText.data(), static_cast<UINT>(AText.size()),
                  nullptr);
  };
  const TBrushStyle brushStyle = GetBrush()->GetStyle();
  const TColor fontColor = GetFont()->GetColor();
  if (!AEnabled) {
    // The embossed look: a highlight copy one pixel down and right, the shadow colour on top.
    GetBrush()->SetStyle(bsClear);
    GetFont()->SetColor(clBtnHighlight);
    draw(cxRectOffset(r, 1, 1));
    GetFont()->SetColor(clBtnShadow);
  }
  draw(r);
  if (GetBrush()->GetStyle() != brushStyle) GetBrush()->SetStyle(brushStyle);
  GetFont()->SetColor(fontColor);
}

void TcxCanvas::GetTextStringsBounds(String AText, TRect R, Integer AFlags, bool AEnabled, TRectArray& ABounds) {
  ABounds.clear();
  if (AText.empty()) return;
  if (AFlags & cxtfShowPrefix) {
    AText = StripHotkey(AText);
    AFlags &= ~cxtfShowPrefix;
  }
  const Integer horz = AFlags & cxtfHorzAlignMask, vert = AFlags & cxtfVertAlignMask;
  if (!AEnabled) {
    --R.right;
    --R.bottom;
  }
  TRect block = R;
  TextExtent(AText, block, AFlags);
  // The block's vertical place follows the alignment from its measured height alone.
  const Integer freeHeight = R.Height() - block.Height();
  Integer top = R.top;
  if (vert & cxtfAlignVCenter)
    top += freeHeight / 2;
  else if (vert & cxtfAlignBottom)
    top += freeHeight;

  HDC dc = GetHandle();
  while (!AText.empty()) {
    INT fit = 0;
    SIZE extent{0, 0};
    GetTextExtentExPointA(dc, AText.data(), static_cast<int>(AText.size()), R.Width(), &fit, nullptr, &extent);
    const size_t lineBreak = AText.find_first_of("\r\n");
    if (lineBreak < static_cast<size_t>(fit)) {
      size_t breakLength = 1;
      if (lineBreak + 1 < AText.size() && AText[lineBreak + 1] != AText[lineBreak] &&
          (AText[lineBreak + 1] == '\r' || AText[lineBreak + 1] == '\n'))
        breakLength = 2;
      AText.erase(lineBreak, breakLength);
      fit = static_cast<INT>(lineBreak);
    } else if (static_cast<size_t>(fit) < AText.size()) {
      // 1-based: the last blank at or before fit + 1, used when it lies before fit.
      const size_t blank = AText.rfind(' ', static_cast<size_t>(fit));
      if (blank != String::npos && blank + 1 < static_cast<size_t>(fit)) {
        if (horz == cxtfAlignRight || horz == cxtfAlignHCenter) {
          AText.erase(blank, 1);
          fit = static_cast<INT>(blank);
        } else {
          fit = static_cast<INT>(blank + 1);
        }
      }
      // Not even one character fits: the line takes one all the same, or the loop would never end.
      if (fit == 0) fit = UTF8CharLength(AText, 0);
    }
    SIZE lineExtent{0, 0};
    if (fit > 0) GetTextExtentPoint32A(dc, AText.data(), fit, &lineExtent);
    TRect line;
    if (horz == cxtfAlignRight) {
      line.right = block.right;
      line.left = line.right - lineExtent.cx;
    } else if (horz == cxtfAlignHCenter) {
      line.left = (block.left + block.right - lineExtent.cx) / 2;
      line.right = line.left + lineExtent.cx;
    } else {
      line.left = block.left;
      line.right = line.left + lineExtent.cx;
    }
    line.top = top;
    line.bottom = top + extent.cy;
    top = line.bottom;
    ABounds.push_back(line);
    AText.erase(0, static_cast<size_t>(fit));
  }
}

void TcxCanvas::SetFontAngle(Integer Value) {
  LOGFONTA lf;
  if (!GetObjectA(GetFont()->GetHandle(), sizeof lf, &lf)) return;
  lf.lfEscapement = Value * 10;
  if (Value != 0) lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
  HFONT font = CreateFontIndirectA(&lf);
  GetFont()->SetHandle(font);
  // The font object describes itself by the handle's LOGFONT; the handle stays ours.
  DeleteObject(font);
}

}  // namespace cxGraphics
