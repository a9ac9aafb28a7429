// Owner-drawn menu items (a menu with OwnerDraw, an item with a bitmap): their size and their own
// painting, which keeps the look of the layer's menus: the highlight bar, the glyph column with the
// bitmap or the check mark, the caption with its accelerator, the shortcut, embossed disabled text.
#include <algorithm>

#include "ImgList.h"
#include "Menus.h"
#include "Strings.h"
#include "WinUser.h"

namespace Menus {

namespace {

TCustomImageList* ImagesOf(const TMenuItem* Item) {
  TMenu* menu = Item->GetParentMenu();
  return menu ? menu->GetImages() : nullptr;
}

// The column of pictures and check marks, as wide as the widest of them plus a margin.
Integer GlyphColumn(TMenuItem* Item) {
  Integer glyph = GetSystemMetrics(SM_CXMENUCHECK);
  if (TCustomImageList* images = ImagesOf(Item)) glyph = std::max(glyph, images->GetWidth());
  if (Item->HasBitmap()) glyph = std::max(glyph, Item->GetBitmap()->GetWidth());
  return glyph + 6;
}

}  // namespace

void TMenuItem::MeasureItem(TCanvas* ACanvas, Integer& Width, Integer& Height) {
  if (IsLine()) {
    Height = GetSystemMetrics(SM_CYMENUSIZE) / 2;
    Width = 0;
  } else {
    TFontStyles style = ACanvas->GetFont()->GetStyle();
    if (FDefault) ACanvas->GetFont()->SetStyle(style + TFontStyles{fsBold});
    Integer glyphHeight = HasBitmap() ? FBitmap->GetHeight() : GetSystemMetrics(SM_CYMENUCHECK);
    if (TCustomImageList* images = ImagesOf(this)) glyphHeight = std::max(glyphHeight, images->GetHeight());
    Height = std::max({Height, ACanvas->TextHeight("Qg") + 4, glyphHeight + 4});
    Width = GlyphColumn(this) + ACanvas->TextWidth(StripHotkey(FCaption));
    if (FShortCut) Width += ACanvas->TextWidth(ShortCutToText(FShortCut)) + 2 * ACanvas->TextWidth("W");
    ACanvas->GetFont()->SetStyle(style);
  }
  if (OnMeasureItem) OnMeasureItem(this, ACanvas, Width, Height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, StdCtrls::TOwnerDrawState State, bool TopLevel) {
  if (OnAdvancedDrawItem) OnAdvancedDrawItem(this, ACanvas, ARect, State);
  else DrawItem(ACanvas, ARect, State.Contains(odSelected));
}

void TMenuItem::DrawItem(TCanvas* ACanvas, TRect ARect, bool Selected) {
  if (OnDrawItem) {
    OnDrawItem(this, ACanvas, ARect, Selected);
    return;
  }
  ACanvas->GetBrush()->SetColor(Selected ? clHighlight : clMenu);
  ACanvas->FillRect(ARect);
  HDC dc = ACanvas->GetHandle();
  TRect glyph(ARect.left, ARect.top, ARect.left + GlyphColumn(this), ARect.bottom);
  // The picture: the menu's image of the item, else its bitmap; a checked item shows it pressed in.
  TCustomImageList* images = ImagesOf(this);
  bool hasImage = images && FImageIndex >= 0 && FImageIndex < images->GetCount();
  TRect picture;
  if (hasImage) {
    picture = Bounds(glyph.left + (glyph.Width() - images->GetWidth()) / 2,
                     glyph.top + (glyph.Height() - images->GetHeight()) / 2, images->GetWidth(), images->GetHeight());
    images->Draw(ACanvas, picture.left, picture.top, FImageIndex, FEnabled);
  } else if (HasBitmap()) {
    Integer w = std::min<Integer>(FBitmap->GetWidth(), glyph.Width()), h = std::min<Integer>(FBitmap->GetHeight(), glyph.Height());
    picture = Bounds(glyph.left + (glyph.Width() - w) / 2, glyph.top + (glyph.Height() - h) / 2, w, h);
    ACanvas->BrushCopy(picture, FBitmap, TRect(0, 0, w, h), FBitmap->GetTransparentColor());
  }
  bool hasPicture = hasImage || HasBitmap();
  if (hasPicture && FChecked) {
    RECT frame{picture.left - 2, picture.top - 2, picture.right + 2, picture.bottom + 2};
    DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
  }
  // Disabled text is embossed: a highlight copy down and right of the shadow-coloured one; on the
  // selection bar it is grey.
  struct TInk {
    int Offset;
    TColor Color;
  };
  std::vector<TInk> inks;
  if (!FEnabled && !Selected) inks = {{1, clBtnHighlight}, {0, clBtnShadow}};
  else if (!FEnabled) inks = {{0, clGrayText}};
  else inks = {{0, Selected ? clHighlightText : clMenuText}};
  TFontStyles style = ACanvas->GetFont()->GetStyle();
  if (FDefault) ACanvas->GetFont()->SetStyle(style + TFontStyles{fsBold});
  HGDIOBJ oldFont = SelectObject(dc, ACanvas->GetFont()->GetHandle());
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColor = GetTextColor(dc);
  Integer arrowColumn = GetSystemMetrics(SM_CXMENUCHECK) + 4;
  for (const TInk& ink : inks) {
    if (FChecked && !hasPicture) {
      TRect box = glyph;
      OffsetRect(&box, ink.Offset, ink.Offset);
      DrawMenuGlyph(dc, box, FRadioItem ? DFCS_MENUBULLET : DFCS_MENUCHECK, ColorToRGB(ink.Color));
    }
    SetTextColor(dc, ColorToRGB(ink.Color));
    RECT text{glyph.right + ink.Offset, ARect.top + ink.Offset, ARect.right - arrowColumn + ink.Offset,
              ARect.bottom + ink.Offset};
    DrawTextA(dc, FCaption.c_str(), static_cast<int>(FCaption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (FShortCut) {
      String shortcut = ShortCutToText(FShortCut);
      DrawTextA(dc, shortcut.c_str(), static_cast<int>(shortcut.size()), &text,
                DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
  }
  SetTextColor(dc, oldColor);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
  ACanvas->GetFont()->SetStyle(style);
}

}  // namespace Menus
