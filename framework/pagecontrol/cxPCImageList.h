// The tab control's wrapper around its Images (TcxPCImageList), which draws a tab image on the tab's
// own background and, for vertical captions, turned the same way as the text from a cache of turned
// images; and the published TabSlants settings (TcxTabSlants) that the slanted painters read.
#pragma once

#include <vector>

#include "Persistent.h"
#include "cxGraphicsCanvas.h"
#include "cxPCTypes.h"

namespace Components {
class TComponent;
}
namespace Graphics {
class TBitmap;
}
namespace ImgList {
class TChangeLink;
class TCustomImageList;
}  // namespace ImgList
namespace cxClasses {
class TcxFreeNotificator;
}

namespace cxPC {

using Graphics::TBitmap;
using ImgList::TChangeLink;
using ImgList::TCustomImageList;

class TcxCustomTabControl;

using TcxPCImageListPrepareBitmapBackgroundEvent = TClosure<void(TBitmap* ABitmap)>;

// One cached turned image: the background it was made on, the picture, and whether it is current.
struct TcxPCImageListRotatedImagesElement {
  TColor BackgroundColor = clDefault;
  bool Enabled = true;
  TBitmap* Bitmap = nullptr;
  bool Valid = false;
};
using TcxPCImageListRotatedImagesElementArray = std::vector<TcxPCImageListRotatedImagesElement>;

class TcxPCImageList : public TObject {
  DECLARE_CLASS(TcxPCImageList, TObject)
 public:
  explicit TcxPCImageList(TcxCustomTabControl* AParent = nullptr) : FParent(AParent) {}

  TCustomImageList* GetBaseImages() const { return FBaseImages; }
  void SetBaseImages(TCustomImageList* Value);
  TcxRotationAngle GetImageRotationAngle() const { return FImageRotationAngle; }
  void SetImageRotationAngle(TcxRotationAngle Value);
  // The base list's image size when it has one, else (0, 0); turned when the images are.
  TSize GetBaseImageSize() const;
  TSize GetRotatedImageSize() const;
  // Draws image AIndex at (X, Y) on the background colour, enabled or not.
  void Draw(TCanvas* ACanvas, Integer X, Integer Y, Integer AIndex, TColor ABackgroundColor, bool AEnabled);
  // The cached turned image of AIndex (tests and diagnostics).
  const TcxPCImageListRotatedImagesElement* GetRotatedImage(Integer AIndex) const;

  TNotifyEvent OnChange;
  TcxPCImageListPrepareBitmapBackgroundEvent OnPrepareBitmapBackground;

  [[noreturn]] static void OutError(const String& AMethodName, const String& AText);

 protected:
  void Construct() override;
  void Destroy() override;
  void Change();
  void DoPrepareBitmapBackground(TBitmap* ABitmap);

 private:
  bool HasImages() const;
  void BaseImageListChange(TObject* Sender);
  void FreeNotification(Components::TComponent* AComponent);
  void ClearRotatedImages();
  void RotateImages();
  void RotateImage(Integer AIndex, TColor ABackgroundColor, bool AEnabled);
  void PrepareBitmap(TBitmap* ABitmap, const TSize& ASize, TColor ABackgroundColor);
  bool IsNativePainting() const;

  TChangeLink* FBaseImageChangeLink = nullptr;
  TCustomImageList* FBaseImages = nullptr;
  cxClasses::TcxFreeNotificator* FFreeNotificator = nullptr;
  TcxRotationAngle FImageRotationAngle = ra0;
  TcxCustomTabControl* FParent;
  TcxPCImageListRotatedImagesElementArray FRotatedImages;
};

class TcxTabSlants : public TPersistent {
  DECLARE_CLASS(TcxTabSlants, TPersistent)
 public:
  explicit TcxTabSlants(TPersistent* AOwner = nullptr) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;

  TcxTabSlantKind GetKind() const { return FKind; }
  void SetKind(TcxTabSlantKind Value);
  TcxTabSlantPositions GetPositions() const { return FPositions; }
  void SetPositions(TcxTabSlantPositions Value);

  TNotifyEvent OnChange;

 protected:
  TPersistent* GetOwner() override { return FOwner; }
  void Changed();

 private:
  TcxTabSlantKind FKind = skSlant;
  TPersistent* FOwner;
  TcxTabSlantPositions FPositions{spLeft};
};

}  // namespace cxPC

using namespace cxPC;
