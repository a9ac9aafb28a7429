// The button's companions: its per-state colours, its image source, the glyph object that prepares one
// image per state, lays glyph and caption out and draws them, and the process-wide cache that keeps
// the prepared images of every button in one image list per image size.
#include "WinUser.h"
#include "cxButtons.h"
#include "cxGeometry.h"
#include "cxGraphicsBitmaps.h"
#include "cxGraphicsFunctions.h"

namespace cxButtons {

namespace {

TcxGlyphCache* GGlyphCache = nullptr;

void CreateGlyphCacheIfMissing() {
  if (!GGlyphCache) GGlyphCache = New<TcxGlyphCache>();
}

// The list keeps 32-bit images by their (premultiplied) alpha: the glyph's transparent colour becomes
// clear there, colour and alpha alike.
void MakeTransparentColorClear(TcxBitmap* AImage, TColor ATransparentColor) {
  AImage->RecoverAlphaChannel(ATransparentColor);
  std::vector<RGBQUAD> colors = AImage->GetBitmapColors();
  for (RGBQUAD& color : colors)
    if (color.rgbReserved == 0) color = RGBQUAD{0, 0, 0, 0};
  AImage->SetBitmapColors(colors);
}

}  // namespace

TcxGlyphCache* GlyphCache() { return GGlyphCache; }

// ---- TcxButtonColors ------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxButtonColors) {
  d.Property("AssignedColors", &TcxButtonColors::GetAssignedColors, &TcxButtonColors::SetAssignedColors)
      .Stored(false);
#define CX_BUTTON_COLOR(Name, Index)                                                                  \
  d.Property(Name, &TcxButtonColors::GetColorAt<Index>, &TcxButtonColors::SetColorAt<Index>)          \
      .Type(ColorTypeInfo())                                                                          \
      .NoDefault()                                                                                    \
      .Stored(&TcxButtonColors::IsColorStoredAt<Index>)
  CX_BUTTON_COLOR("Default", cxbcDefault);
  CX_BUTTON_COLOR("DefaultText", cxbcDefaultText);
  CX_BUTTON_COLOR("Normal", cxbcNormal);
  CX_BUTTON_COLOR("NormalText", cxbcNormalText);
  CX_BUTTON_COLOR("Hot", cxbcHot);
  CX_BUTTON_COLOR("HotText", cxbcHotText);
  CX_BUTTON_COLOR("Pressed", cxbcPressed);
  CX_BUTTON_COLOR("PressedText", cxbcPressedText);
  CX_BUTTON_COLOR("Disabled", cxbcDisabled);
  CX_BUTTON_COLOR("DisabledText", cxbcDisabledText);
#undef CX_BUTTON_COLOR
}

TcxButtonColors::TcxButtonColors(TcxCustomButton* AButton) : FButton(AButton) {
  for (TColor& color : FColors) color = cxButtonColorNotSet;
}

TcxButtonAssignedColor TcxButtonColors::TcxButtonState2TcxButtonAssignedColor(TcxButtonState AState,
                                                                              bool AIsTextColor) {
  static const TcxButtonAssignedColor faces[] = {cxbcDefault, cxbcNormal, cxbcHot, cxbcPressed, cxbcDisabled};
  return static_cast<TcxButtonAssignedColor>(faces[AState] + (AIsTextColor ? 1 : 0));
}

TColor TcxButtonColors::GetColorByState(TcxButtonState AState) const {
  const TcxButtonAssignedColor index = TcxButtonState2TcxButtonAssignedColor(AState, false);
  if (FAssignedColors.Contains(index)) return FColors[index];
  return index == cxbcNormal ? FColors[cxbcDefault] : FColors[cxbcNormal];
}

TColor TcxButtonColors::GetTextColorByState(TcxButtonState AState) const {
  const TcxButtonAssignedColor index = TcxButtonState2TcxButtonAssignedColor(AState, true);
  return FAssignedColors.Contains(index) ? FColors[index] : cxButtonColorNotSet;
}

void TcxButtonColors::SetColor(TcxButtonAssignedColor AIndex, TColor Value) {
  if (Value == clNone || Value == cxButtonColorNotSet) {
    FColors[AIndex] = cxButtonColorNotSet;
    FAssignedColors.Exclude(AIndex);
  } else {
    if (FColors[AIndex] == Value) return;
    FColors[AIndex] = Value;
    FAssignedColors.Include(AIndex);
  }
  InvalidateButton();
}

void TcxButtonColors::SetAssignedColors(TcxButtonAssignedColors Value) {
  if (!FButton || !FButton->ComponentState().Contains(csDesigning) || FAssignedColors == Value) return;
  for (int i = cxbcDefault; i <= cxbcPressedText; ++i) {
    const auto index = static_cast<TcxButtonAssignedColor>(i);
    if (!Value.Contains(index)) FColors[index] = cxButtonColorNotSet;
    else if (FColors[index] == cxButtonColorNotSet) Value.Exclude(index);
  }
  FAssignedColors = Value;
  InvalidateButton();
}

void TcxButtonColors::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxButtonColors*>(Source)) {
    std::copy(std::begin(source->FColors), std::end(source->FColors), std::begin(FColors));
    FAssignedColors = source->FAssignedColors;
    InvalidateButton();
  } else {
    inherited::Assign(Source);
  }
}

void TcxButtonColors::InvalidateButton() {
  if (FButton) FButton->Invalidate();
}

// ---- TcxImageInfo -----------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxImageInfo)

void TcxImageInfo::Construct() {
  inherited::Construct();
  FGlyph = New<TBitmap>();
}

void TcxImageInfo::Destroy() {
  FreeAndNil(FGlyph);
  inherited::Destroy();
}

bool TcxImageInfo::IsImageAssigned() {
  return IsGlyphAssigned(FGlyph) || cxGraphics::IsImageAssigned(FImages, FImageIndex);
}

TSize TcxImageInfo::GetImageSize() {
  if (!IsImageAssigned()) return TSize{0, 0};
  if (IsGlyphAssigned(FGlyph)) {
    if (FGlyph->GetWidth() == 0 || FGlyph->GetHeight() == 0) FGlyph->GetHandle();
    return TSize{FGlyph->GetWidth(), FGlyph->GetHeight()};
  }
  return TSize{FImages->GetWidth(), FImages->GetHeight()};
}

void TcxImageInfo::SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }

void TcxImageInfo::SetImages(TCustomImageList* Value) {
  if (FImages == Value) return;
  FImages = Value;
  if (!IsGlyphAssigned(FGlyph) && FImageIndex != -1) CallNotify();
}

void TcxImageInfo::SetImageIndex(Integer Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  if (!IsGlyphAssigned(FGlyph) && FImages) CallNotify();
}

TNotifyEvent TcxImageInfo::GetOnChange() const { return FGlyph->OnChange; }
void TcxImageInfo::SetOnChange(const TNotifyEvent& Value) { FGlyph->OnChange = Value; }

void TcxImageInfo::CallNotify() {
  if (FGlyph->OnChange) FGlyph->OnChange(nullptr);
}

// ---- TcxGlyphList and TcxGlyphCache ----------------------------------------------------------------------
IMPLEMENT_CLASS(TcxGlyphList)

void TcxGlyphList::Construct() {
  inherited::Construct();
  SetWidth(FInitialWidth);
  SetHeight(FInitialHeight);
}

Integer TcxGlyphList::AllocateIndex(TBitmap* AImage) {
  Integer index = 0;
  while (index < static_cast<Integer>(FUsed.size()) && FUsed[index]) ++index;
  if (index == static_cast<Integer>(FUsed.size())) {
    index = TcxImageList::Add(AImage, nullptr);
    FUsed.resize(index + 1, false);
  }
  FUsed[index] = true;
  return index;
}

Integer TcxGlyphList::Add(TBitmap* AImage, TBitmap* AMask) {
  const Integer index = AllocateIndex(AImage);
  Replace(index, AImage, AMask);
  ++FCount;
  return index;
}

Integer TcxGlyphList::AddMasked(TBitmap* AImage, TColor AMaskColor) {
  const Integer index = AllocateIndex(AImage);
  ReplaceMasked(index, AImage, AMaskColor);
  ++FCount;
  return index;
}

void TcxGlyphList::Delete(Integer AIndex) {
  if (AIndex < 0 || AIndex >= static_cast<Integer>(FUsed.size()) || !FUsed[AIndex]) return;
  FUsed[AIndex] = false;
  --FCount;
}

IMPLEMENT_CLASS(TcxGlyphCache)

void TcxGlyphCache::Destroy() {
  for (TcxGlyphList* list : FLists) list->Free();
  FLists.clear();
  inherited::Destroy();
}

TcxGlyphList* TcxGlyphCache::GetList(Integer AWidth, Integer AHeight) {
  for (auto it = FLists.rbegin(); it != FLists.rend(); ++it)
    if ((*it)->GetWidth() == AWidth && (*it)->GetHeight() == AHeight) return *it;
  FLists.push_back(New<TcxGlyphList>(AWidth, AHeight));
  return FLists.back();
}

void TcxGlyphCache::ReturnList(TcxGlyphList* AList) {
  if (!AList || AList->UsedCount() != 0) return;
  std::erase(FLists, AList);
  AList->Free();
}

// ---- TcxButtonGlyph --------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxButtonGlyph)

Integer cxButtonGlyphSlot(TcxButtonState AState, TNumGlyphs ANumGlyphs) {
  switch (AState) {
    case cxbsDisabled: return 1;
    case cxbsPressed: return ANumGlyphs < 3 ? 0 : 2;
    default: return 0;
  }
}

void TcxButtonGlyph::Construct() {
  inherited::Construct();
  CreateGlyphCacheIfMissing();
  FImageInfo = New<TcxImageInfo>();
  FImageInfo->SetOnChange(TNotifyEvent(this, &TcxButtonGlyph::GlyphChanged));
}

void TcxButtonGlyph::Destroy() {
  Invalidate();
  FreeAndNil(FImageInfo);
  if (GGlyphCache && GGlyphCache->IsEmpty()) FreeAndNil(GGlyphCache);
  inherited::Destroy();
}

void TcxButtonGlyph::GlyphChanged(TObject* Sender) {
  Invalidate();
  if (OnChange) OnChange(this);
}

void TcxButtonGlyph::Invalidate() {
  for (Integer& index : FIndexes) {
    if (index != -1 && FGlyphList) FGlyphList->Delete(index);
    index = -1;
  }
  if (GGlyphCache) GGlyphCache->ReturnList(FGlyphList);
  FGlyphList = nullptr;
}

TSize TcxButtonGlyph::GetImageSize() {
  TSize size = FImageInfo->GetImageSize();
  size.cx /= FNumGlyphs;
  return size;
}

TColor TcxButtonGlyph::GetTransparentColor() const { return FImageInfo->GetGlyph()->GetTransparentColor(); }

void TcxButtonGlyph::SetGlyph(TBitmap* Value) {
  FImageInfo->SetGlyph(Value);
  TNumGlyphs count = 1;
  if (Value && Value->GetHeight() > 0 && Value->GetWidth() % Value->GetHeight() == 0) {
    const Integer frames = Value->GetWidth() / Value->GetHeight();
    if (frames >= 1 && frames <= 4) count = frames;
  }
  SetNumGlyphs(count);
}

void TcxButtonGlyph::SetNumGlyphs(TNumGlyphs Value) {
  Value = std::clamp(Value, 1, 4);
  if (FNumGlyphs == Value) return;
  FNumGlyphs = Value;
  GlyphChanged(this);
}

TRect TcxButtonGlyph::GetTextOffsets(TButtonLayout ALayout) {
  return FImageInfo->IsImageAssigned() ? TRect(0, 0, 0, 0) : TRect(1, 0, 2, 0);
}

Integer TcxButtonGlyph::CreateButtonGlyph(TcxButtonState AState) {
  const Integer slot = cxButtonGlyphSlot(AState, FNumGlyphs);
  if (FIndexes[slot] != -1 || !FImageInfo->IsImageAssigned()) return FIndexes[slot];
  const TSize size = GetImageSize();
  TOwnedPtr<TcxBitmap> image = NewOwned<TcxBitmap>(size.cx, size.cy);
  TOwnedPtr<TBitmap> mask(cxCreateBitmap(size, Graphics::pf1bit));
  const TRect r(0, 0, size.cx, size.cy);
  TBitmap* glyph = FImageInfo->GetGlyph();
  if (IsGlyphAssigned(glyph)) {
    if (slot == 1 && FNumGlyphs == 1) {
      cxDrawImage(image->GetCanvas()->GetHandle(), r, r, glyph, nullptr, -1, idmDisabled, false, nullptr,
                  glyph->GetTransparentColor(), false);
    } else {
      const Integer frame = slot < FNumGlyphs ? slot : 0;
      image->GetCanvas()->CopyRect(r, glyph->GetCanvas(), cxRectOffset(r, frame * size.cx, 0));
      image->SetTransparentColor(glyph->GetTransparentColor());
    }
    cxMakeMaskBitmap(image.get(), mask.get());
    if (!image->GetIsAlphaUsed()) MakeTransparentColorClear(image.get(), glyph->GetTransparentColor());
    glyph->Dormant();
  } else if (slot == 1) {
    cxDrawImage(image->GetCanvas()->GetHandle(), r, r, nullptr, FImageInfo->GetImages(),
                FImageInfo->GetImageIndex(), idmDisabled, false, nullptr, clNone, true);
    cxMakeMaskBitmap(image.get(), mask.get());
  } else {
    TcxImageList::GetImageInfo(FImageInfo->GetImages()->GetHandle(), FImageInfo->GetImageIndex(), image.get(),
                               mask.get());
  }
  CreateGlyphCacheIfMissing();
  if (!FGlyphList) FGlyphList = GGlyphCache->GetList(size.cx, size.cy);
  FIndexes[slot] = FGlyphList->Add(image.get(), mask.get());
  return FIndexes[slot];
}

void TcxButtonGlyph::CalcButtonLayout(TcxCanvas* ACanvas, const TRect& AClient, const TPoint& AOffset,
                                      const String& ACaption, TButtonLayout ALayout, Integer AMargin,
                                      Integer ASpacing, TPoint& AGlyphPos, TRect& ATextBounds,
                                      Integer ABiDiFlags) {
  if (ABiDiFlags & DT_RIGHT) {
    if (ALayout == blGlyphLeft) ALayout = blGlyphRight;
    else if (ALayout == blGlyphRight) ALayout = blGlyphLeft;
  }
  TPoint textSize(0, 0);
  if (ACaption.empty()) {
    ATextBounds = TRect(0, 0, 0, 0);
  } else {
    const TRect offsets = GetTextOffsets(ALayout);
    ATextBounds = TRect(offsets.left, offsets.top, AClient.Width() - offsets.right, -offsets.bottom);
    cxDrawText(ACanvas->GetHandle(), ACaption, ATextBounds, ABiDiFlags | DT_CALCRECT);
    textSize = TPoint(ATextBounds.Width() + offsets.left + offsets.right,
                      ATextBounds.Height() + offsets.top + offsets.bottom);
  }
  const TPoint client(AClient.Width(), AClient.Height());
  const TSize image = GetImageSize();
  const TPoint glyphSize(image.cx, image.cy);
  TPoint textPos;
  const bool horizontal = ALayout == blGlyphLeft || ALayout == blGlyphRight;
  if (horizontal) {
    AGlyphPos.y = (client.y - glyphSize.y) / 2;
    textPos.y = (client.y - textSize.y - 1) / 2;
  } else {
    AGlyphPos.x = (client.x - glyphSize.x) / 2;
    textPos.x = (client.x - textSize.x) / 2;
  }
  if (textSize.x == 0 || glyphSize.x == 0) ASpacing = 0;
  const Integer c = horizontal ? client.x : client.y;
  const Integer g = horizontal ? glyphSize.x : glyphSize.y;
  const Integer t = horizontal ? textSize.x : textSize.y;
  if (AMargin == -1) {
    if (ASpacing == -1) {
      AMargin = (c - (g + t)) / 3;
      ASpacing = AMargin;
    } else {
      AMargin = (c - (g + ASpacing + t)) / 2;
    }
  } else if (ASpacing == -1) {
    ASpacing = (c - (AMargin + g) - t) / 2;
  }
  switch (ALayout) {
    case blGlyphLeft:
      AGlyphPos.x = AMargin;
      textPos.x = AGlyphPos.x + glyphSize.x + ASpacing;
      break;
    case blGlyphRight:
      AGlyphPos.x = client.x - AMargin - glyphSize.x;
      textPos.x = AGlyphPos.x - ASpacing - textSize.x;
      break;
    case blGlyphTop:
      AGlyphPos.y = AMargin;
      textPos.y = AGlyphPos.y + glyphSize.y + ASpacing;
      break;
    case blGlyphBottom:
      AGlyphPos.y = client.y - AMargin - glyphSize.y;
      textPos.y = AGlyphPos.y - ASpacing - textSize.y;
      break;
  }
  AGlyphPos = TPoint(AGlyphPos.x + AClient.left + AOffset.x, AGlyphPos.y + AClient.top + AOffset.y);
  ATextBounds = cxRectOffset(ATextBounds, textPos.x + AClient.left + AOffset.x, textPos.y + AClient.top + AOffset.y);
}

void TcxButtonGlyph::Draw(TcxCanvas* ACanvas, const TRect& AClient, const TPoint& AOffset, const String& ACaption,
                          TButtonLayout ALayout, Integer AMargin, Integer ASpacing, TcxButtonState AState,
                          Integer ABiDiFlags, bool ANativeStyle) {
  TPoint glyphPos;
  TRect textBounds;
  CalcButtonLayout(ACanvas, AClient, AOffset, ACaption, ALayout, AMargin, ASpacing, glyphPos, textBounds, ABiDiFlags);
  DrawButtonGlyph(ACanvas, glyphPos, AState);
  DrawButtonText(ACanvas, ACaption, textBounds, AState, ABiDiFlags, ANativeStyle);
}

void TcxButtonGlyph::DrawButtonGlyph(TcxCanvas* ACanvas, const TPoint& AGlyphPos, TcxButtonState AState) {
  if (!FImageInfo->IsImageAssigned()) return;
  const Integer index = CreateButtonGlyph(AState);
  if (index != -1 && FGlyphList) 
    static_cast<TCustomImageList*>(FGlyphList)->Draw(ACanvas->GetCanvas(), AGlyphPos.x, AGlyphPos.y, index,
                                                     ImgList::dsTransparent, ImgList::itImage, true);
}

void TcxButtonGlyph::DrawButtonText(TcxCanvas* ACanvas, const String& ACaption, TRect ATextBounds,
                                    TcxButtonState AState, Integer ABiDiFlags, bool ANativeStyle) {
  if (ACaption.empty()) return;
  TBrush* brush = ACanvas->GetBrush();
  const TBrushStyle savedStyle = brush->GetStyle();
  brush->SetStyle(bsClear);
  try {
    const UINT flags = static_cast<UINT>(ABiDiFlags) | DT_CENTER | DT_VCENTER;
    if (AState == cxbsDisabled) {
      TFont* font = ACanvas->GetFont();
      const TColor fontColor = font->GetColor();
      TRect shadow = cxRectOffset(ATextBounds, 1, 1);
      font->SetColor(clBtnHighlight);
      cxDrawText(ACanvas->GetHandle(), ACaption, shadow, flags);
      font->SetColor(fontColor);
    }
    cxDrawText(ACanvas->GetHandle(), ACaption, ATextBounds, flags);
  } catch (...) {
    brush->SetStyle(savedStyle);
    throw;
  }
  brush->SetStyle(savedStyle);
}

}  // namespace cxButtons
