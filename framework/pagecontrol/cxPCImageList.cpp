// The tab control's image-list wrapper with its cache of turned images, and the tab slants.
#include "cxPCImageList.h"

#include "Format.h"
#include "Graphics.h"
#include "ImgList.h"
#include "cxClassesLinks.h"
#include "cxClassesResStrings.h"
#include "cxGraphicsFunctions.h"
#include "cxPCConsts.h"
#include "cxPCPainter.h"
#include "cxPCRoutines.h"
#include "cxPCTabControl.h"

namespace cxPC {

IMPLEMENT_CLASS(TcxPCImageList)

void TcxPCImageList::OutError(const String& AMethodName, const String& AText) {
  throw Exception("TcxPCImageList." + AMethodName + ": " + AText);
}

void TcxPCImageList::Construct() {
  inherited::Construct();
  FBaseImageChangeLink = New<TChangeLink>();
  FBaseImageChangeLink->OnChange = TNotifyEvent(this, &TcxPCImageList::BaseImageListChange);
  FFreeNotificator = New<TcxFreeNotificator>(nullptr);
  FFreeNotificator->OnFreeNotification = TcxFreeNotificationEvent(this, &TcxPCImageList::FreeNotification);
}

void TcxPCImageList::Destroy() {
  // Leaving the list unregisters the change link and the free notification without telling anyone.
  FBaseImageChangeLink->OnChange = nullptr;
  cxSetImageList(nullptr, FBaseImages, FBaseImageChangeLink, FFreeNotificator);
  FreeAndNil(FFreeNotificator);
  FreeAndNil(FBaseImageChangeLink);
  ClearRotatedImages();
  inherited::Destroy();
}

void TcxPCImageList::SetBaseImages(TCustomImageList* Value) {
  cxSetImageList(Value, FBaseImages, FBaseImageChangeLink, FFreeNotificator);
}

void TcxPCImageList::FreeNotification(Components::TComponent* AComponent) {
  if (AComponent == FBaseImages) SetBaseImages(nullptr);
}

void TcxPCImageList::BaseImageListChange(TObject*) {
  RotateImages();
  Change();
}

void TcxPCImageList::Change() {
  if (OnChange) OnChange(this);
}

void TcxPCImageList::DoPrepareBitmapBackground(TBitmap* ABitmap) {
  if (OnPrepareBitmapBackground) OnPrepareBitmapBackground(ABitmap);
}

void TcxPCImageList::SetImageRotationAngle(TcxRotationAngle Value) {
  FImageRotationAngle = Value;
  BaseImageListChange(nullptr);
}

bool TcxPCImageList::HasImages() const { return FBaseImages && FBaseImages->GetCount() > 0; }

TSize TcxPCImageList::GetBaseImageSize() const {
  if (FBaseImages && FBaseImages->GetWidth() > 0 && FBaseImages->GetHeight() > 0)
    return TSize(FBaseImages->GetWidth(), FBaseImages->GetHeight());
  return TSize(0, 0);
}

TSize TcxPCImageList::GetRotatedImageSize() const {
  const TSize size = GetBaseImageSize();
  return FImageRotationAngle == ra0 ? size : TSize(size.cy, size.cx);
}

void TcxPCImageList::ClearRotatedImages() {
  for (TcxPCImageListRotatedImagesElement& element : FRotatedImages) FreeAndNil(element.Bitmap);
  FRotatedImages.clear();
}

void TcxPCImageList::RotateImages() {
  if (FImageRotationAngle == ra0 || !HasImages()) return;
  ClearRotatedImages();
  FRotatedImages.resize(static_cast<size_t>(FBaseImages->GetCount()));
  for (TcxPCImageListRotatedImagesElement& element : FRotatedImages) element.Bitmap = New<TBitmap>();
}

const TcxPCImageListRotatedImagesElement* TcxPCImageList::GetRotatedImage(Integer AIndex) const {
  if (AIndex < 0 || AIndex >= static_cast<Integer>(FRotatedImages.size())) return nullptr;
  return &FRotatedImages[static_cast<size_t>(AIndex)];
}

bool TcxPCImageList::IsNativePainting() const { return FParent->GetPainter()->IsNativePainting(); }

void TcxPCImageList::PrepareBitmap(TBitmap* ABitmap, const TSize& ASize, TColor ABackgroundColor) {
  cxPC::PrepareBitmap(ABitmap, ASize, FParent->GetCanvas(), ABackgroundColor);
}

// The cache key is the background colour and the enabled state: a disabled tab's image is drawn with
// the disabled look, so it must not come from the picture made for an enabled tab, nor the reverse.
void TcxPCImageList::RotateImage(Integer AIndex, TColor ABackgroundColor, bool AEnabled) {
  TcxPCImageListRotatedImagesElement& element = FRotatedImages[static_cast<size_t>(AIndex)];
  if (element.Valid && element.BackgroundColor == ABackgroundColor && element.Enabled == AEnabled) return;
  element.Valid = true;
  element.BackgroundColor = ABackgroundColor;
  element.Enabled = AEnabled;
  TBitmap* bitmap = element.Bitmap;
  bitmap->SetPixelFormat(Graphics::pf32bit);
  bitmap->SetHandleType(Graphics::bmDIB);
  PrepareBitmap(bitmap, GetBaseImageSize(), ABackgroundColor);
  if (IsNativePainting()) bitmap->SetTransparent(true);
  DoPrepareBitmapBackground(bitmap);
  FBaseImages->Draw(bitmap->GetCanvas(), 0, 0, AIndex, AEnabled);
  FParent->GetCanvas()->RotateBitmap(bitmap, FImageRotationAngle);
}

void TcxPCImageList::Draw(TCanvas* ACanvas, Integer X, Integer Y, Integer AIndex, TColor ABackgroundColor,
                          bool AEnabled) {
  if (!HasImages()) OutError("Draw", cxGetResourceString(&scxPCNoBaseImages));
  if (AIndex < 0 || AIndex >= FBaseImages->GetCount())
    OutError("Draw", Format(cxGetResourceString(&scxPCImageListIndexError), {AIndex, FBaseImages->GetCount() - 1}));
  if (FImageRotationAngle != ra0) {
    if (static_cast<Integer>(FRotatedImages.size()) != FBaseImages->GetCount()) RotateImages();
    RotateImage(AIndex, ABackgroundColor, AEnabled);
    ACanvas->Draw(X, Y, FRotatedImages[static_cast<size_t>(AIndex)].Bitmap);
  } else if (IsNativePainting()) {
    FBaseImages->Draw(ACanvas, X, Y, AIndex, AEnabled);
  } else {
    // Drawn on a copy of the tab's own background, so that the image keeps its transparency
    // against gradients and textured tab bodies.
    TOwnedPtr<TBitmap> bitmap = NewOwned<TBitmap>();
    PrepareBitmap(bitmap.get(), GetBaseImageSize(), ABackgroundColor);
    DoPrepareBitmapBackground(bitmap.get());
    FBaseImages->Draw(bitmap->GetCanvas(), 0, 0, AIndex, AEnabled);
    ACanvas->Draw(X, Y, bitmap.get());
  }
}

// ---- TcxTabSlants -----------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxTabSlants) {
  d.Property("Kind", &TcxTabSlants::GetKind, &TcxTabSlants::SetKind).Default(skSlant);
  d.Property("Positions", &TcxTabSlants::GetPositions, &TcxTabSlants::SetPositions)
      .Default(TcxTabSlantPositions{spLeft});
}

void TcxTabSlants::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxTabSlants*>(Source)) {
    SetKind(source->GetKind());
    SetPositions(source->GetPositions());
    return;
  }
  inherited::Assign(Source);
}

void TcxTabSlants::SetKind(TcxTabSlantKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  Changed();
}

void TcxTabSlants::SetPositions(TcxTabSlantPositions Value) {
  if (FPositions == Value) return;
  FPositions = Value;
  Changed();
}

void TcxTabSlants::Changed() {
  if (OnChange) OnChange(this);
}

}  // namespace cxPC
