// The image options and the backgrounds of a bar manager, and how image-list changes reach the items.
#include "dxBarOptions.h"

#include "ImgList.h"
#include "cxClassesLinks.h"
#include "cxGraphicsFunctions.h"
#include "dxBarItem.h"
#include "dxBarManager.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarPersistent)
IMPLEMENT_CLASS_PUBLISHED(TdxBarImageOptions) {
  using T = TdxBarImageOptions;
  d.Property("CacheGlyphs", &T::GetCacheGlyphs, &T::SetCacheGlyphs).Default(true);
  d.Property("DisabledImages", &T::GetDisabledImages, &T::SetDisabledImages);
  d.Property("DisabledLargeImages", &T::GetDisabledLargeImages, &T::SetDisabledLargeImages);
  d.Property("HotImages", &T::GetHotImages, &T::SetHotImages);
  d.Property("Images", &T::GetImages, &T::SetImages);
  d.Property("ImageListBkColor", &T::GetImageListBkColor, &T::SetImageListBkColor)
      .Type(ColorTypeInfo())
      .Default(TColor(0xFF00FF));
  d.Property("LargeIcons", &T::GetLargeIcons, &T::SetLargeIcons).Default(false);
  d.Property("LargeImages", &T::GetLargeImages, &T::SetLargeImages);
  d.Property("MakeDisabledImagesFaded", &T::GetMakeDisabledImagesFaded, &T::SetMakeDisabledImagesFaded)
      .Default(false);
  d.Property("SmoothGlyphs", &T::GetSmoothGlyphs, &T::SetSmoothGlyphs).Default(false);
  d.Property("StretchGlyphs", &T::GetStretchGlyphs, &T::SetStretchGlyphs).Default(true);
  d.Property("UseLargeImagesForLargeIcons", &T::GetUseLargeImagesForLargeIcons, &T::SetUseLargeImagesForLargeIcons)
      .Default(false);
  d.Property("UseLeftBottomPixelAsTransparent", &T::GetUseLeftBottomPixelAsTransparent,
             &T::SetUseLeftBottomPixelAsTransparent)
      .Default(true);
}
IMPLEMENT_CLASS_PUBLISHED(TdxBarBackgrounds) {
  d.Property("Bar", &TdxBarBackgrounds::GetBar, &TdxBarBackgrounds::SetBarBackgroundBitmap);
  d.Property("SubMenu", &TdxBarBackgrounds::GetSubMenu, &TdxBarBackgrounds::SetSubMenuBackgroundBitmap);
}

TPersistent* TdxBarPersistent::GetOwner() { return reinterpret_cast<TPersistent*>(FBarManager); }

// ---- Image options ------------------------------------------------------------------------------------------
void TdxBarImageOptions::Construct() {
  inherited::Construct();
  for (auto* link : {&FImagesChangeLink, &FLargeImagesChangeLink, &FHotImagesChangeLink, &FDisabledImagesChangeLink,
                     &FDisabledLargeImagesChangeLink})
    *link = New<TChangeLink>();
  FFreeNotificator = New<TcxFreeNotificator>(nullptr);
  FFreeNotificator->OnFreeNotification = TcxFreeNotificationEvent(this, &TdxBarImageOptions::ImageListFreed);
}

void TdxBarImageOptions::Destroy() {
  for (auto* link : {&FImagesChangeLink, &FLargeImagesChangeLink, &FHotImagesChangeLink, &FDisabledImagesChangeLink,
                     &FDisabledLargeImagesChangeLink})
    FreeAndNil(*link);
  FreeAndNil(FFreeNotificator);
  inherited::Destroy();
}

void TdxBarImageOptions::SetImageList(TCustomImageList* Value, TCustomImageList*& AField, TChangeLink* ALink) {
  cxSetImageList(Value, AField, ALink, FFreeNotificator);
}

void TdxBarImageOptions::SetDisabledImages(TCustomImageList* Value) {
  SetImageList(Value, FDisabledImages, FDisabledImagesChangeLink);
}
void TdxBarImageOptions::SetDisabledLargeImages(TCustomImageList* Value) {
  SetImageList(Value, FDisabledLargeImages, FDisabledLargeImagesChangeLink);
}
void TdxBarImageOptions::SetHotImages(TCustomImageList* Value) { SetImageList(Value, FHotImages, FHotImagesChangeLink); }
void TdxBarImageOptions::SetImages(TCustomImageList* Value) { SetImageList(Value, FImages, FImagesChangeLink); }

void TdxBarImageOptions::SetLargeImages(TCustomImageList* Value) {
  if (Value == FLargeImages) return;
  SetImageList(Value, FLargeImages, FLargeImagesChangeLink);
  if (FLargeIcons && FUseLargeImagesForLargeIcons) LargeIconsChanged();
}

void TdxBarImageOptions::ImageListFreed(TComponent* Sender) {
  if (Sender == FDisabledImages) SetDisabledImages(nullptr);
  if (Sender == FDisabledLargeImages) SetDisabledLargeImages(nullptr);
  if (Sender == FHotImages) SetHotImages(nullptr);
  if (Sender == FImages) SetImages(nullptr);
  if (Sender == FLargeImages) SetLargeImages(nullptr);
}

void TdxBarImageOptions::Changed() {
  if (OnChanged) OnChanged(this);
}

void TdxBarImageOptions::LargeIconsChanged() {
  if (OnLargeIconsChanged) OnLargeIconsChanged(this);
}

void TdxBarImageOptions::SetImageListBkColor(TColor Value) {
  if (FImageListBkColor == Value) return;
  FImageListBkColor = Value;
  Changed();
}

void TdxBarImageOptions::SetMakeDisabledImagesFaded(bool Value) {
  if (FMakeDisabledImagesFaded == Value) return;
  FMakeDisabledImagesFaded = Value;
  Changed();
}

void TdxBarImageOptions::SetUseLargeImagesForLargeIcons(bool Value) {
  if (FUseLargeImagesForLargeIcons == Value) return;
  FUseLargeImagesForLargeIcons = Value;
  Changed();
}

void TdxBarImageOptions::SetUseLeftBottomPixelAsTransparent(bool Value) {
  if (FUseLeftBottomPixelAsTransparent == Value) return;
  FUseLeftBottomPixelAsTransparent = Value;
  Changed();
}

void TdxBarImageOptions::SetLargeIcons(bool Value) {
  if (FLargeIcons == Value) return;
  FLargeIcons = Value;
  LargeIconsChanged();
}

void TdxBarImageOptions::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarImageOptions*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  SetCacheGlyphs(source->FCacheGlyphs);
  SetDisabledImages(source->FDisabledImages);
  SetDisabledLargeImages(source->FDisabledLargeImages);
  SetHotImages(source->FHotImages);
  SetImages(source->FImages);
  SetImageListBkColor(source->FImageListBkColor);
  SetLargeIcons(source->FLargeIcons);
  SetLargeImages(source->FLargeImages);
  SetMakeDisabledImagesFaded(source->FMakeDisabledImagesFaded);
  FSmoothGlyphs = source->FSmoothGlyphs;
  FStretchGlyphs = source->FStretchGlyphs;
  SetUseLargeImagesForLargeIcons(source->FUseLargeImagesForLargeIcons);
  SetUseLeftBottomPixelAsTransparent(source->FUseLeftBottomPixelAsTransparent);
}

bool TdxBarImageOptions::IsLargeImagesForLargeIcons() const { return FUseLargeImagesForLargeIcons && FLargeImages; }

Integer TdxBarImageOptions::CalcGlyphSize() const {
  if (!FLargeIcons) return 16;
  return IsLargeImagesForLargeIcons() ? FLargeImages->GetWidth() : 32;
}

bool TdxBarImageOptions::GetIsLoading() const {
  for (TCustomImageList* list : {FDisabledImages, FDisabledLargeImages, FHotImages, FImages, FLargeImages})
    if (list && list->ComponentState().Contains(csLoading)) return true;
  return false;
}

// ---- Backgrounds ---------------------------------------------------------------------------------------------
void TdxBarBackgrounds::Construct() {
  inherited::Construct();
  FBar = New<TBitmap>();
  FBar->OnChange = TNotifyEvent(this, &TdxBarBackgrounds::BarBitmapChanged);
  FSubMenu = New<TBitmap>();
}

void TdxBarBackgrounds::Destroy() {
  FreeAndNil(FBar);
  FreeAndNil(FSubMenu);
  inherited::Destroy();
}

void TdxBarBackgrounds::BarBitmapChanged(TObject* Sender) {
  if (OnBarChanged) OnBarChanged(this);
}

void TdxBarBackgrounds::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarBackgrounds*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  SetBarBackgroundBitmap(source->FBar);
  SetSubMenuBackgroundBitmap(source->FSubMenu);
}

void TdxBarBackgrounds::SetBarBackgroundBitmap(TBitmap* Value) {
  const bool wasEmpty = FBar->GetEmpty();
  FBar->OnChange = TNotifyEvent();
  FBar->Assign(Value);
  FBar->OnChange = TNotifyEvent(this, &TdxBarBackgrounds::BarBitmapChanged);
  if ((Value && !Value->GetEmpty()) || !wasEmpty) BarBitmapChanged(this);
}

void TdxBarBackgrounds::SetSubMenuBackgroundBitmap(TBitmap* Value) { FSubMenu->Assign(Value); }

// ---- How image-list changes reach the items -------------------------------------------------------------------
void TdxBarManager::ForEachItemLocked(TClosure<void(TdxBarItem*)> AProc) {
  if (GetIsLoading() || GetIsDestroying()) return;
  BeginUpdate();
  try {
    for (Integer i = 0; i < GetItemCount(); ++i) AProc(GetItem(i));
  } catch (...) {
    EndUpdate(true);
    throw;
  }
  EndUpdate(true);
}

void TdxBarManager::ImagesChanged(TObject* Sender) {
  ForEachItemLocked([](TdxBarItem* AItem) {
    if (AItem->GetImageIndex() >= 0) AItem->GlyphChanged();
  });
}

void TdxBarManager::HotImagesChanged(TObject* Sender) {
  ForEachItemLocked([](TdxBarItem* AItem) {
    if (AItem->UseHotImages()) AItem->HotGlyphChanged();
  });
}

void TdxBarManager::LargeImagesChanged(TObject* Sender) {
  ForEachItemLocked([](TdxBarItem* AItem) {
    if (AItem->UseLargeImages()) AItem->LargeGlyphChanged();
  });
}

void TdxBarManager::LargeIconsChanged(TObject* Sender) {
  FImageOptions->UpdateGlyphSize();
  DesignerModified();
}

}  // namespace dxBar
