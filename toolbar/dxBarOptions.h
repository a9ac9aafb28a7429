// The bar manager's image options (the image lists from which items take their glyphs) and its
// background bitmaps of bars and sub-menus.
#pragma once

#include "Graphics.h"
#include "dxBarTypes.h"

namespace ImgList {
class TChangeLink;
class TCustomImageList;
}  // namespace ImgList
namespace cxClasses {
class TcxFreeNotificator;
}

namespace dxBar {

// A persistent bound to a manager, which is its owner.
class TdxBarPersistent : public TPersistent {
  DECLARE_CLASS(TdxBarPersistent, TPersistent)
 public:
  explicit TdxBarPersistent(TdxBarManager* ABarManager = nullptr) : FBarManager(ABarManager) {}
  TdxBarManager* GetBarManager() const { return FBarManager; }

 protected:
  TPersistent* GetOwner() override;

 private:
  TdxBarManager* FBarManager;
};

class TdxBarImageOptions : public TdxBarPersistent {
  DECLARE_CLASS(TdxBarImageOptions, TdxBarPersistent)
 public:
  explicit TdxBarImageOptions(TdxBarManager* ABarManager = nullptr) : TdxBarPersistent(ABarManager) {}

  void Assign(TPersistent* Source) override;
  // The size of a glyph: 16, or with LargeIcons 32 or the width of the large images used for them.
  Integer CalcGlyphSize() const;
  Integer GetGlyphSize() const { return FGlyphSize; }
  bool IsLargeImagesForLargeIcons() const;
  // While an assigned image list is loading.
  bool GetIsLoading() const;

  bool GetCacheGlyphs() const { return FCacheGlyphs; }
  void SetCacheGlyphs(bool Value) { FCacheGlyphs = Value; }
  ImgList::TCustomImageList* GetDisabledImages() const { return FDisabledImages; }
  void SetDisabledImages(ImgList::TCustomImageList* Value);
  ImgList::TCustomImageList* GetDisabledLargeImages() const { return FDisabledLargeImages; }
  void SetDisabledLargeImages(ImgList::TCustomImageList* Value);
  ImgList::TCustomImageList* GetHotImages() const { return FHotImages; }
  void SetHotImages(ImgList::TCustomImageList* Value);
  ImgList::TCustomImageList* GetImages() const { return FImages; }
  void SetImages(ImgList::TCustomImageList* Value);
  ImgList::TCustomImageList* GetLargeImages() const { return FLargeImages; }
  void SetLargeImages(ImgList::TCustomImageList* Value);
  TColor GetImageListBkColor() const { return FImageListBkColor; }
  void SetImageListBkColor(TColor Value);
  bool GetLargeIcons() const { return FLargeIcons; }
  void SetLargeIcons(bool Value);
  bool GetMakeDisabledImagesFaded() const { return FMakeDisabledImagesFaded; }
  void SetMakeDisabledImagesFaded(bool Value);
  bool GetSmoothGlyphs() const { return FSmoothGlyphs; }
  void SetSmoothGlyphs(bool Value) { FSmoothGlyphs = Value; }
  bool GetStretchGlyphs() const { return FStretchGlyphs; }
  void SetStretchGlyphs(bool Value) { FStretchGlyphs = Value; }
  bool GetUseLargeImagesForLargeIcons() const { return FUseLargeImagesForLargeIcons; }
  void SetUseLargeImagesForLargeIcons(bool Value);
  bool GetUseLeftBottomPixelAsTransparent() const { return FUseLeftBottomPixelAsTransparent; }
  void SetUseLeftBottomPixelAsTransparent(bool Value);
  void UpdateGlyphSize() { FGlyphSize = CalcGlyphSize(); }

  // The change links of the five image lists, in the order Images, LargeImages, HotImages,
  // DisabledImages, DisabledLargeImages.
  ImgList::TChangeLink* GetImagesChangeLink() const { return FImagesChangeLink; }
  ImgList::TChangeLink* GetLargeImagesChangeLink() const { return FLargeImagesChangeLink; }
  ImgList::TChangeLink* GetHotImagesChangeLink() const { return FHotImagesChangeLink; }
  ImgList::TChangeLink* GetDisabledImagesChangeLink() const { return FDisabledImagesChangeLink; }
  ImgList::TChangeLink* GetDisabledLargeImagesChangeLink() const { return FDisabledLargeImagesChangeLink; }

  TNotifyEvent OnChanged;
  TNotifyEvent OnLargeIconsChanged;

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  void SetImageList(ImgList::TCustomImageList* Value, ImgList::TCustomImageList*& AField, ImgList::TChangeLink* ALink);
  void ImageListFreed(TComponent* Sender);
  void Changed();
  void LargeIconsChanged();

  bool FCacheGlyphs = true;
  ImgList::TCustomImageList* FDisabledImages = nullptr;
  ImgList::TCustomImageList* FDisabledLargeImages = nullptr;
  ImgList::TCustomImageList* FHotImages = nullptr;
  ImgList::TCustomImageList* FImages = nullptr;
  ImgList::TCustomImageList* FLargeImages = nullptr;
  TColor FImageListBkColor = 0xFF00FF;
  bool FLargeIcons = false;
  bool FMakeDisabledImagesFaded = false;
  bool FSmoothGlyphs = false;
  bool FStretchGlyphs = true;
  bool FUseLargeImagesForLargeIcons = false;
  bool FUseLeftBottomPixelAsTransparent = true;
  Integer FGlyphSize = 16;
  ImgList::TChangeLink* FImagesChangeLink = nullptr;
  ImgList::TChangeLink* FLargeImagesChangeLink = nullptr;
  ImgList::TChangeLink* FHotImagesChangeLink = nullptr;
  ImgList::TChangeLink* FDisabledImagesChangeLink = nullptr;
  ImgList::TChangeLink* FDisabledLargeImagesChangeLink = nullptr;
  cxClasses::TcxFreeNotificator* FFreeNotificator = nullptr;
};

class TdxBarBackgrounds : public TdxBarPersistent {
  DECLARE_CLASS(TdxBarBackgrounds, TdxBarPersistent)
 public:
  explicit TdxBarBackgrounds(TdxBarManager* ABarManager = nullptr) : TdxBarPersistent(ABarManager) {}

  void Assign(TPersistent* Source) override;
  TBitmap* GetBar() const { return FBar; }
  // Assigns, and re-applies the manager's style when Value is assigned or the old bitmap was not empty.
  void SetBarBackgroundBitmap(TBitmap* Value);
  TBitmap* GetSubMenu() const { return FSubMenu; }
  void SetSubMenuBackgroundBitmap(TBitmap* Value);

  // Fired when the bar bitmap changes.
  TNotifyEvent OnBarChanged;

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  void BarBitmapChanged(TObject* Sender);

  TBitmap* FBar = nullptr;
  TBitmap* FSubMenu = nullptr;
};

}  // namespace dxBar

using namespace dxBar;
