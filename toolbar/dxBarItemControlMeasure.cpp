// How an item control measures its link: view levels, view size and structure, glyph and caption
// areas, and the default, real and minimum sizes the bar window's layout asks for.
#include <algorithm>

#include "ImgList.h"
#include "cxGraphicsCanvas.h"
#include "dxBarControl.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarItemControlViewInfo.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarOptions.h"
#include "dxBarPainter.h"

namespace dxBar {

// The item's own style font on the canvas for the length of a measuring or painting step.
TdxBarItemControl::TItemFontScope::TItemFontScope(TdxBarItemControl* AControl) : Control(AControl) {
  Control->PrepareCanvasFont(nullptr, Control->GetItem() ? Control->GetItem()->GetStyle() : nullptr, Saved);
}

TdxBarItemControl::TItemFontScope::~TItemFontScope() { Control->RestoreCanvasFont(Saved); }

// ---- View levels, size and structure --------------------------------------------------------------------------
TdxBarItemViewLevels TdxBarItemControl::GetPossibleViewLevels() {
  TdxBarItemViewLevels levels{ivlSmallIconWithText};
  if (IconAssigned(cvsSmall)) levels.Include(ivlSmallIcon);
  return levels;
}

TdxBarItemViewLevels TdxBarItemControl::InternalGetPossibleViewLevels() {
  const TdxBarItemViewLevels levels = GetPossibleViewLevels();
  if (levels.Empty()) throw Exception(String(ClassName()) + ".GetPossibleViewLevels = []");
  return levels;
}

TdxBarItemViewLevels TdxBarItemControl::GetViewLevels() {
  TdxBarItemViewLevels levels = InternalGetPossibleViewLevels();
  if (FItemLink && !(levels * FItemLink->GetViewLevels()).Empty()) levels = levels * FItemLink->GetViewLevels();
  return levels;
}

bool TdxBarItemControl::UseLargeIcons() {
  TdxBarManager* manager = GetBarManager();
  TdxBarPainter* painter = GetPainter();
  return manager && manager->GetLargeIcons() && painter && painter->AllowLargeIcons();
}

TdxBarItemControlViewSize TdxBarItemControl::GetDefaultViewSize() {
  if (GetMenuItemSize() == misLarge) return cvsLarge;
  return UseLargeIcons() ? cvsMedium : cvsSmall;
}

TdxBarItemControlViewSize TdxBarItemControl::GetViewSize() {
  switch (FViewInfo->GetViewLevel()) {
    case ivlLargeIconWithText:
      return cvsLarge;
    case ivlSmallIconWithText:
    case ivlSmallIcon:
      return cvsSmall;
    default:
      return GetDefaultViewSize();
  }
}

TdxBarItemControlViewStructure TdxBarItemControl::GetViewStructure() {
  const TdxBarItemControlViewSize size = GetViewSize();
  switch (FViewInfo->GetViewLevel()) {
    case ivlSmallIcon:
      return IconAssigned(size) ? TdxBarItemControlViewStructure{cpIcon} : TdxBarItemControlViewStructure{};
    case ivlControlOnly:
      return {};
    case ivlDefault:
      return GetDefaultViewStructure();
    default: {
      TdxBarItemControlViewStructure result{cpText};
      if (IconAssigned(size)) result.Include(cpIcon);
      return result;
    }
  }
}

bool TdxBarItemControl::IconAssigned(TdxBarItemControlViewSize AViewSize) {
  TBitmap* glyph = nullptr;
  ImgList::TCustomImageList* images = nullptr;
  Integer index = -1;
  return GetCurrentImage(AViewSize, false, glyph, images, index);
}

bool TdxBarItemControl::HasIcon(TdxBarItemControlViewSize AViewSize, TdxBarItemControlViewStructure AStructure) {
  return AStructure.Contains(cpIcon) && IconAssigned(AViewSize);
}

// ---- Images -------------------------------------------------------------------------------------------------
bool TdxBarItemControl::UseLargeImageSource(TdxBarItemControlViewSize AViewSize) {
  TdxBarManager* manager = GetBarManager();
  return AViewSize == cvsLarge ||
         (GetPaintType() != ptMenu && UseLargeIcons() && manager && manager->GetUseLargeImagesForLargeIcons());
}

bool TdxBarItemControl::UseLargeImageList(TdxBarItemControlViewSize AViewSize) {
  return UseLargeImageSource(AViewSize) && GetItem() &&
         GetItem()->IsImageIndexLinked(GetLargeImages(), GetLargeImageIndex());
}

bool TdxBarItemControl::UseLargeGlyph(TdxBarItemControlViewSize AViewSize) {
  TBitmap* glyph = GetLargeGlyph();
  return glyph && !glyph->GetEmpty() && UseLargeImageSource(AViewSize);
}

ImgList::TCustomImageList* TdxBarItemControl::GetImageList(TdxBarItemControlViewSize AViewSize) {
  return UseLargeImageList(AViewSize) ? GetLargeImages() : GetImages();
}

ImgList::TCustomImageList* TdxBarItemControl::GetImages() {
  TdxBarManager* manager = GetBarManager();
  if (!manager) return nullptr;
  if (!GetEnabled() && manager->GetDisabledImages()) return manager->GetDisabledImages();
  return manager->GetImages();
}

ImgList::TCustomImageList* TdxBarItemControl::GetLargeImages() {
  TdxBarManager* manager = GetBarManager();
  if (!manager) return nullptr;
  if (!GetEnabled() && manager->GetDisabledLargeImages()) return manager->GetDisabledLargeImages();
  return manager->GetLargeImages();
}

Integer TdxBarItemControl::GetCurrentImageIndex(TdxBarItemControlViewSize AViewSize) {
  if (UseLargeImageSource(AViewSize) && GetLargeImages() && GetLargeImageIndex() != -1) return GetLargeImageIndex();
  return GetImageIndex();
}

bool TdxBarItemControl::GetCurrentImage(TdxBarItemControlViewSize AViewSize, bool, TBitmap*& ACurrentGlyph,
                                        ImgList::TCustomImageList*& ACurrentImages, Integer& ACurrentImageIndex) {
  ACurrentImages = GetImageList(AViewSize);
  ACurrentImageIndex = GetCurrentImageIndex(AViewSize);
  if (UseLargeGlyph(AViewSize))
    ACurrentGlyph = GetLargeGlyph();
  else if (UseLargeImageList(AViewSize))
    ACurrentGlyph = nullptr;
  else
    ACurrentGlyph = GetGlyph();
  if (ACurrentGlyph && ACurrentGlyph->GetEmpty()) ACurrentGlyph = nullptr;
  const bool linked = GetItem() && GetItem()->IsImageIndexLinked(ACurrentImages, ACurrentImageIndex);
  if (ACurrentGlyph || linked) return true;
  ACurrentGlyph = FParent ? FParent->GetDefaultItemGlyph() : nullptr;
  return ACurrentGlyph && !ACurrentGlyph->GetEmpty();
}

bool TdxBarItemControl::GetImageEnabled() {
  if (GetEnabled()) return true;
  TdxBarManager* manager = GetBarManager();
  if (!manager || GetGlyph()) return false;
  return UseLargeImageList(GetViewSize()) ? manager->GetDisabledLargeImages() != nullptr
                                          : manager->GetDisabledImages() != nullptr;
}

TSize TdxBarItemControl::GetGlyphSize(TdxBarItemControlViewSize AViewSize) {
  TBitmap* glyph = nullptr;
  ImgList::TCustomImageList* images = nullptr;
  Integer index = -1;
  GetCurrentImage(AViewSize, false, glyph, images, index);
  if (glyph) return TSize(glyph->GetWidth(), glyph->GetHeight());
  if (images) return TSize(images->GetWidth(), images->GetHeight());
  if (AViewSize == cvsLarge) return TSize(20, 20);
  TdxBarManager* manager = GetBarManager();
  const Integer size = manager && manager->GetImageOptions() ? manager->GetImageOptions()->GetGlyphSize() : 16;
  return TSize(size, size);
}

// ---- Text ---------------------------------------------------------------------------------------------------
TSize TdxBarItemControl::GetTextExtent(const String& AText) {
  cxGraphics::TcxCanvas* canvas = GetCanvas();
  if (!canvas) return TSize(0, 0);
  TItemFontScope font(this);
  return canvas->TextExtent(AText);
}

Integer TdxBarItemControl::GetTextHeight() { return GetTextExtent("Qq").cy; }
Integer TdxBarItemControl::GetTextWidth(const String& AText) { return GetTextExtent(AText).cx; }

Integer TdxBarItemControl::GetTextSize() {
  TdxBarItem* item = GetItem();
  if (item && item->GetStyle() && item->GetStyle()->GetAssignedValues().Contains(svFont)) return FTextSize;
  return FParent ? FParent->GetTextSize() : FTextSize;
}

Integer TdxBarItemControl::GetCaptionWidth() {
  // The caption rectangle comes from the painter's caption layout; until it answers, the caption's
  // text width stands for it.
  return GetTextWidth(GetCaption());
}

// ---- Areas --------------------------------------------------------------------------------------------------
Integer TdxBarItemControl::GetRotationDependentWidth(const TSize& ASize) { return IsRotated() ? ASize.cy : ASize.cx; }
Integer TdxBarItemControl::GetRotationDependentHeight(const TSize& ASize) {
  return IsRotated() ? ASize.cx : ASize.cy;
}

Integer TdxBarItemControl::GetControlCaptionOffset() { return FParent ? FParent->GetFont()->GetSize() / 2 : 0; }

Integer TdxBarItemControl::GetGlyphAreaWidth() {
  if (GetPaintType() == ptMenu) return FParent ? FParent->GetIconAreaSize() : 0;
  if (FDrawParams->ViewStructure.Contains(cpIcon)) return GetRotationDependentWidth(FDrawParams->GlyphSize);
  return 0;
}

Integer TdxBarItemControl::GetCaptionAreaWidth() {
  if (!FDrawParams->ViewStructure.Contains(cpText)) return 0;
  Integer width = GetCaptionWidth();
  if (GetPaintType() == ptMenu) {
    if (CanShowShortCut() && GetShortCut() != 0)
      width += GetTextWidth(ShortCutToText(GetShortCut())) + (FParent ? FParent->GetTextSize() : 0) - 6;
    if (GetShowDescription() && GetItem() && !GetItem()->GetDescription().empty())
      width = std::max(width, GetTextWidth(GetItem()->GetDescription()));
    const TRect indents = GetIndents();
    width += indents.left + indents.right;
    // The painter's tail area is the icon area of the menu window.
    if (FParent) width += FParent->GetIconAreaSize();
    return width;
  }
  if (!FDrawParams->ViewStructure.Contains(cpIcon)) return width + 2 * GetControlCaptionOffset();
  TdxBarPainter* painter = GetPainter();
  return width + (painter ? painter->GetControlTextIndents().left : 0);
}

// ---- Sizes --------------------------------------------------------------------------------------------------
Integer TdxBarItemControl::GetDefaultWidthHorzLayout() {
  return GetGlyphAreaWidth() + GetCaptionAreaWidth() + GetControlAreaWidth();
}

Integer TdxBarItemControl::GetDefaultWidthVertLayout() {
  const Integer w = GetRotationDependentWidth(GetGlyphSize(cvsLarge));
  if (!FDrawParams->ViewStructure.Contains(cpText)) return w + 10;
  const Integer c = GetCaptionWidth() + 6;
  const TdxBarGlyphLayout layout = GetItem() ? GetItem()->GetGlyphLayout() : glTop;
  if (layout == glLeft || layout == glRight) return w + c + 10;
  return std::max(w, c) + 10;
}

Integer TdxBarItemControl::GetLargeHeight() {
  const Integer h = GetRotationDependentHeight(GetGlyphSize(cvsLarge));
  if (!FDrawParams->ViewStructure.Contains(cpText)) return h + 6;
  const Integer t = GetTextHeight();
  const TdxBarGlyphLayout layout = GetItem() ? GetItem()->GetGlyphLayout() : glTop;
  if (layout == glTop || layout == glBottom) return h + t + 7;
  return std::max(h, t) + 6;
}

Integer TdxBarItemControl::GetSmallHeight() {
  Integer result = FDrawParams->ViewStructure.Contains(cpText) ? std::max(0, GetTextSize()) : 0;
  if (FDrawParams->ViewStructure.Contains(cpIcon))
    result = std::max(result, GetRotationDependentHeight(FDrawParams->GlyphSize));
  return result;
}

Integer TdxBarItemControl::InternalGetDefaultHeight() {
  return GetViewSize() == cvsLarge ? GetLargeHeight() : GetSmallHeight();
}

Integer TdxBarItemControl::InternalGetDefaultWidth() {
  return GetViewSize() == cvsLarge ? GetDefaultWidthVertLayout() : GetDefaultWidthHorzLayout();
}

Integer TdxBarItemControl::GetDefaultHeightInSubMenu() {
  Integer height = FParent ? FParent->GetDefaultItemHeight(this) : 0;
  if (TdxBarPainter* painter = GetPainter()) painter->CorrectButtonControlDefaultHeight(height);
  return height;
}

Integer TdxBarItemControl::GetDefaultWidthInSubMenu() {
  Integer width = GetDefaultWidthHorzLayout();
  if (TdxBarPainter* painter = GetPainter()) painter->CorrectButtonControlDefaultWidth(width);
  return width;
}

Integer TdxBarItemControl::GetDefaultHeight() {
  if (FParent && FParent->Kind() == bkSubMenu) return GetDefaultHeightInSubMenu();
  return IsRotated() ? InternalGetDefaultWidth() : InternalGetDefaultHeight();
}

Integer TdxBarItemControl::GetDefaultWidth() {
  if (GetPaintType() == ptMenu) return GetDefaultWidthInSubMenu();
  return IsRotated() ? InternalGetDefaultHeight() : InternalGetDefaultWidth();
}

Integer TdxBarItemControl::GetWidth() {
  CalcDrawParams(false);
  TItemFontScope font(this);
  return GetDefaultWidth();
}

Integer TdxBarItemControl::GetHeight() {
  CalcDrawParams(false);
  TItemFontScope font(this);
  return GetDefaultHeight();
}

Integer TdxBarItemControl::GetRealWidth() {
  if (GetAlign() == iaClient && FParent && FParent->GetBehaviorOptions().Contains(bboExtendItemWhenAlignedToClient) &&
      !FParent->IsRealVertical())
    return GetMinWidth();
  return std::max(GetWidth(), GetMinWidth());
}

Integer TdxBarItemControl::GetRealHeight() {
  if (GetAlign() == iaClient && FParent && FParent->IsRealVertical())
    return FParent->IsVertical() ? GetMinWidth() : GetMinHeight();
  return GetHeight();
}

Integer TdxBarItemControl::GetWidthByViewLevel(TdxBarItemViewLevel AViewLevel) {
  const TdxBarItemViewLevel saved = FViewInfo->GetViewLevel();
  FViewInfo->SetViewLevel(AViewLevel);
  Integer width = 0;
  try {
    width = GetRealWidth();
  } catch (...) {
    FViewInfo->SetViewLevel(saved);
    throw;
  }
  FViewInfo->SetViewLevel(saved);
  return width;
}

}  // namespace dxBar
