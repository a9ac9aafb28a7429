// How an item control paints: the draw parameters it hands the painter, the item's style font and
// background brush, and the cached glyph; also the view-info and cached-image records it owns.
#include "Graphics.h"
#include "WinUser.h"
#include "cxGraphicsCanvas.h"
#include "cxStyles.h"
#include "dxBarControl.h"
#include "dxBarItem.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlDrawParams.h"
#include "dxBarItemControlViewInfo.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarItemControlDrawParams)
IMPLEMENT_CLASS(TdxBarButtonLikeControlDrawParams)
IMPLEMENT_CLASS(TdxBarApplicationMenuButtonControlDrawParams)
IMPLEMENT_CLASS(TdxBarEditLikeControlDrawParams)
IMPLEMENT_CLASS(TdxBarStaticLikeControlDrawParams)
IMPLEMENT_CLASS(TdxBarSeparatorControlDrawParams)
IMPLEMENT_CLASS(TdxBarColorComboControlDrawParams)
IMPLEMENT_CLASS(TdxBarSpinEditDrawParams)
IMPLEMENT_CLASS(TdxBarProgressControlDrawParams)
IMPLEMENT_CLASS(TdxBarInPlaceSubItemControlDrawParams)
IMPLEMENT_CLASS(TdxBarItemControlViewInfo)
IMPLEMENT_CLASS(TdxCachedImageOptions)

void TdxBarItemControlDrawParams::SetViewSize(TdxBarItemControlViewSize Value) {
  if (ViewSize == Value) return;
  ViewSize = Value;
  if (BarItemControl) BarItemControl->ResetCachedValues(false);
}

// ---- Draw parameters ----------------------------------------------------------------------------------------
void TdxBarItemControl::CalcDrawParams(bool AFull) {
  if (AFull) {
    FDrawParams->Caption = GetCaption();
    FDrawParams->Description = GetItem() ? GetItem()->GetDescription() : String();
    FDrawParams->ShortCut.clear();
    FDrawParams->PaintType = GetPaintType();
    FDrawParams->Enabled = GetEnabled();
    FDrawParams->CanSelect = CanSelect();
    FDrawParams->DrawSelected = DrawSelected();
    FDrawParams->IsDropDown = IsDropDown();
    FDrawParams->HotPartIndex = FHotPartIndex;
    FDrawParams->IsCustomizing = FParent && FParent->GetIsCustomizing();
    FDrawParams->SelectedByKey = FDrawParams->DrawSelected && !FSelectedByMouse;
  }
  FDrawParams->Canvas = GetCanvas();
  FDrawParams->SetViewSize(GetViewSize());
  FDrawParams->ViewStructure = GetViewStructure();
  const TSize glyph = GetGlyphSize(FDrawParams->ViewSize);
  TdxBarPainter* painter = GetPainter();
  FDrawParams->GlyphSize = painter ? painter->GetButtonSize(glyph.cx, glyph.cy) : glyph;
}

// ---- Drawing constants and fonts ----------------------------------------------------------------------------
void TdxBarItemControl::CalcDrawingConsts() {
  TItemFontScope font(this);
  DoCalcDrawingConsts();
}

void TdxBarItemControl::DoCalcDrawingConsts() {
  if (FBkBrush) {
    DeleteObject(FBkBrush);
    FBkBrush = nullptr;
  }
  TdxBarItem* item = GetItem();
  if (item && item->IsStyleColorSupported()) {
    TcxViewParams params;
    item->GetTextViewParams(params);
    if (params.Color != clDefault && params.Color != clNone) FBkBrush = CreateSolidBrush(ColorToRGB(params.Color));
  }
  FTextSize = FParent ? FParent->GetTextSize() : 0;
}

void TdxBarItemControl::PrepareCanvasFont(HFONT AItemLinkFont, cxStyles::TcxStyle* AStyle, LOGFONTA& ASavedFont) {
  const bool styleFont = AStyle && AStyle->GetAssignedValues().Contains(svFont) && AStyle->GetFont();
  FFontChanged = styleFont || AItemLinkFont;
  cxGraphics::TcxCanvas* canvas = GetCanvas();
  if (!FFontChanged || !canvas) {
    FFontChanged = false;
    return;
  }
  GetObject(canvas->GetFont()->GetHandle(), sizeof(LOGFONTA), &ASavedFont);
  LOGFONTA start = ASavedFont;
  if (AItemLinkFont) GetObject(AItemLinkFont, sizeof(LOGFONTA), &start);
  LOGFONTA result = start;
  if (styleFont) {
    GetObject(AStyle->GetFont()->GetHandle(), sizeof(LOGFONTA), &result);
    // A rotated bar keeps its own direction and output precision.
    result.lfEscapement = start.lfEscapement;
    result.lfOrientation = start.lfOrientation;
    result.lfOutPrecision = start.lfOutPrecision;
  }
  canvas->GetFont()->SetHandle(CreateFontIndirect(&result));
}

void TdxBarItemControl::RestoreCanvasFont(const LOGFONTA& ASavedFont) {
  if (!FFontChanged) return;
  FFontChanged = false;
  if (cxGraphics::TcxCanvas* canvas = GetCanvas()) canvas->GetFont()->SetHandle(CreateFontIndirect(&ASavedFont));
}

// ---- Painting -----------------------------------------------------------------------------------------------
void TdxBarItemControl::Paint(cxGraphics::TcxCanvas* ACanvas, const TRect& ARect, TdxBarPaintType PaintType) {
  if (IsRectEmpty(&ARect)) return;
  ACanvas->SaveState();
  cxGraphics::TcxCanvas* savedPaintCanvas = FPaintCanvas;
  struct TRestore {
    TdxBarItemControl* Self;
    cxGraphics::TcxCanvas* Canvas;
    cxGraphics::TcxCanvas* Saved;
    ~TRestore() {
      Self->FPaintCanvas = Saved;
      Self->CalcDrawParams(false);
      Canvas->RestoreState();
    }
  } restore{this, ACanvas, savedPaintCanvas};
  if (FParent && ACanvas != FParent->GetCanvas()) ACanvas->GetFont()->Assign(FParent->GetCanvas()->GetFont());
  FPaintCanvas = ACanvas;
  TItemFontScope font(this);
  CalcDrawParams(true);
  DoPaint(ARect, PaintType);
}

void TdxBarItemControl::DrawBitmap(TBitmap* ABitmap) {
  if (cxGraphics::TcxCanvas* canvas = GetCanvas()) {
    const TRect bounds = GetItemBounds();
    canvas->Draw(bounds.left, bounds.top, ABitmap);
  }
}

// ---- View info ----------------------------------------------------------------------------------------------
TdxBarItemControlViewInfo* TdxBarItemControlViewInfo::Create(TClass AClass, TdxBarItemControl* AControl) {
  if (!AClass || !AClass->InheritsFrom(StaticClass()) || AClass->IsAbstract()) RaiseInvalidCast();
  auto* info = static_cast<TdxBarItemControlViewInfo*>(AClass->NewInstance());
  info->FControl = AControl;
  return static_cast<TdxBarItemControlViewInfo*>(TObject::Initialize(info));
}

void TdxBarItemControlViewInfo::Construct() {
  inherited::Construct();
  FAllowedViewLevels = FControl->GetViewLevels();
  const TdxBarItemViewLevels possible = FControl->InternalGetPossibleViewLevels();
  FMinPossibleViewLevel = ivlLargeIconWithText;
  while (!possible.Contains(FMinPossibleViewLevel) && FMinPossibleViewLevel < ivlDefault)
    FMinPossibleViewLevel = static_cast<TdxBarItemViewLevel>(FMinPossibleViewLevel + 1);
  FViewLevelForButtonGroup = FMinPossibleViewLevel;
  for (Integer level = ivlLargeIconWithText; level <= ivlControlOnly; ++level)
    if (FAllowedViewLevels.Contains(static_cast<TdxBarItemViewLevel>(level))) {
      FViewLevelForButtonGroup = static_cast<TdxBarItemViewLevel>(level);
      break;
    }
  ResetCachedValues();
}

void TdxBarItemControlViewInfo::Destroy() {
  TCustomdxBarControl* parent = FControl ? FControl->GetParent() : nullptr;
  if (parent && !parent->ComponentState().Contains(csDestroying) && parent->GetViewInfo())
    parent->GetViewInfo()->RemoveItemControlViewInfo(this);
  inherited::Destroy();
}

void TdxBarItemControlViewInfo::ResetCachedValues() {
  for (TCachedWidth& width : FCachedWidths) width.Valid = false;
}

TdxBarItemAlign TdxBarItemControlViewInfo::GetAlign() {
  return FControl->GetItem() ? FControl->GetItem()->GetAlign() : iaLeft;
}

TdxBarItemPosition TdxBarItemControlViewInfo::GetPosition() {
  return FControl->GetItemLink() ? FControl->GetItemLink()->GetPosition() : ipContinuesRow;
}

TdxBarButtonGroupPosition TdxBarItemControlViewInfo::GetPositionInButtonGroup() {
  if (!FControl->CanBePartOfButtonGroup() || !FControl->GetItemLink()) return bgpNone;
  return FControl->GetItemLink()->GetButtonGroup();
}

bool TdxBarItemControlViewInfo::HasSeparator() {
  return FControl->GetItemLink() && FControl->GetItemLink()->GetBeginGroup();
}

bool TdxBarItemControlViewInfo::IsMultiColumnItemControl() {
  return dynamic_cast<IdxBarMultiColumnItemControlViewInfo*>(this) != nullptr;
}

Integer TdxBarItemControlViewInfo::GetWidth(TdxBarItemViewLevel AViewLevel) {
  if (auto* multiColumn = dynamic_cast<IdxBarMultiColumnItemControlViewInfo*>(this))
    return multiColumn->GetWidth(AViewLevel);
  if (!FAllowedViewLevels.Contains(AViewLevel)) throw Exception("Testing! The level is not allowed");
  TCachedWidth& cached = FCachedWidths[AViewLevel];
  if (!cached.Valid) {
    cached.Width = FControl->GetWidthByViewLevel(AViewLevel);
    cached.Valid = true;
  }
  return cached.Width;
}

// ---- Cached image -------------------------------------------------------------------------------------------
void TdxCachedImageOptions::Construct() {
  inherited::Construct();
  FBitmap = New<TBitmap>();
}

void TdxCachedImageOptions::Destroy() {
  FreeAndNil(FBitmap);
  inherited::Destroy();
}

void TdxCachedImageOptions::Cache(const TRect& R, TBitmap* AGlyph, ImgList::TCustomImageList* AImages,
                                  Integer AImageIndex, TcxImageDrawMode ADrawMode) {
  FBitmap->SetWidth(R.Width());
  FBitmap->SetHeight(R.Height());
  const TRect local(0, 0, R.Width(), R.Height());
  cxDrawImage(FBitmap->GetCanvas()->GetHandle(), local, local, AGlyph, AImages, AImageIndex, ADrawMode);
  FDrawMode = ADrawMode;
  FImages = AImages;
  FImageIndex = AImageIndex;
  FGlyph = AGlyph;
  FIsCached = true;
}

bool TdxCachedImageOptions::IsCached(TcxImageDrawMode ADrawMode, TBitmap* AGlyph, ImgList::TCustomImageList* AImages) {
  if (!FIsCached || FDrawMode != ADrawMode || FBitmap->GetEmpty()) return false;
  return AGlyph ? AGlyph == FGlyph : AImages == FImages;
}

}  // namespace dxBar
