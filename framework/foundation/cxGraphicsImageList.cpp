// TcxImageList: the system image list and its collection of image/mask pairs kept in step, the
// copies and moves between them, drawing through the image drawer, and the form-stream entries.
#include "cxGraphicsImageList.h"

#include <algorithm>
#include <vector>

#include "Filer.h"
#include "Streams.h"
#include "TypInfo.h"
#include "WinIcons.h"
#include "WinImageList.h"
#include "cxGeometry.h"
#include "cxGraphicsBitmaps.h"
#include "cxGraphicsFunctions.h"

namespace cxGraphics {

IMPLEMENT_CLASS(TcxImageInfo)
IMPLEMENT_CLASS_PUBLISHED(TcxImageInfoItem) {
  d.Property("Image", &TcxImageInfoItem::GetImage, &TcxImageInfoItem::SetImage);
  d.Property("Mask", &TcxImageInfoItem::GetMask, &TcxImageInfoItem::SetMask);
  d.Property("MaskColor", &TcxImageInfoItem::GetMaskColor, &TcxImageInfoItem::SetMaskColor).Type(ColorTypeInfo());
}
IMPLEMENT_CLASS(TcxImageInfoCollection)
IMPLEMENT_CLASS_PUBLISHED(TcxImageList) {
  d.Property("CompressData", &TcxImageList::GetCompressData, &TcxImageList::SetCompressData).Default(false);
}

namespace {

HDC BitmapDC(TBitmap* ABitmap) { return ABitmap->GetCanvas()->GetHandle(); }

bool IsMultipleOf(TBitmap* AImage, Integer AWidth, Integer AHeight) {
  Integer w = AImage->GetWidth(), h = AImage->GetHeight();
  return AWidth > 0 && AHeight > 0 && w > 0 && h > 0 && w % AWidth == 0 && h % AHeight == 0;
}

// The number of list images a bitmap holds: its tiles when it is a whole multiple of the list size.
Integer ImageCountOf(TBitmap* AImage, Integer AWidth, Integer AHeight) {
  if (AImage == nullptr || !IsMultipleOf(AImage, AWidth, AHeight)) return 1;
  return (AImage->GetWidth() / AWidth) * (AImage->GetHeight() / AHeight);
}

// Copies ASource's area at (X, Y) into the whole of ADest, keeping ADest's own pixel format.
void CopyPart(HBITMAP ASource, Integer X, Integer Y, Integer AWidth, Integer AHeight, TBitmap* ADest) {
  ADest->SetSize(AWidth, AHeight);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, ASource);
  BitBlt(BitmapDC(ADest), 0, 0, AWidth, AHeight, dc, X, Y, SRCCOPY);
  SelectObject(dc, old);
  DeleteDC(dc);
  ADest->GetCanvas()->Refresh();
}

}  // namespace

// ---- TcxImageInfo -----------------------------------------------------------------------------------------

void TcxImageInfo::Construct() {
  inherited::Construct();
  FImage = New<TcxCustomBitmap>();
  FMask = New<TcxCustomBitmap>();
}

void TcxImageInfo::Destroy() {
  FreeAndNil(FImage);
  FreeAndNil(FMask);
  inherited::Destroy();
}

void TcxImageInfo::Assign(TPersistent* Source) {
  if (auto* info = dynamic_cast<TcxImageInfo*>(Source)) {
    SetImage(info->FImage);
    SetMask(info->FMask);
    FMaskColor = info->FMaskColor;
  } else {
    inherited::Assign(Source);
  }
}

namespace {

void AssignBitmap(TBitmap* ASource, TcxCustomBitmap* ADest) {
  if (ASource != nullptr) ADest->Assign(ASource);
  else ADest->SetSize(0, 0);
  if (!ADest->GetEmpty()) ADest->GetHandle();
}

}  // namespace

void TcxImageInfo::SetImage(TBitmap* Value) { AssignBitmap(Value, FImage); }
void TcxImageInfo::SetMask(TBitmap* Value) { AssignBitmap(Value, FMask); }

// ---- TcxImageInfoItem -------------------------------------------------------------------------------------

void TcxImageInfoItem::Construct() {
  // Made before the item joins its collection, which hands it the collection's compress flag.
  FImageInfo = New<TcxImageInfo>();
  inherited::Construct();
}

void TcxImageInfoItem::Destroy() {
  inherited::Destroy();
  FreeAndNil(FImageInfo);
}

TBitmap* TcxImageInfoItem::GetImage() const { return FImageInfo->GetImage(); }
TBitmap* TcxImageInfoItem::GetMask() const { return FImageInfo->GetMask(); }

bool TcxImageInfoItem::GetCompressData() const {
  return FImageInfo->GetImage()->GetCompressData() && FImageInfo->GetMask()->GetCompressData();
}

void TcxImageInfoItem::SetCompressData(bool Value) {
  if (Value == GetCompressData()) return;
  FImageInfo->GetImage()->SetCompressData(Value);
  FImageInfo->GetMask()->SetCompressData(Value);
}

// ---- TcxImageInfoCollection -------------------------------------------------------------------------------

TcxImageInfoCollection::TcxImageInfoCollection(TcxImageList* AImageList)
    : TCollection(TcxImageInfoItem::StaticClass()), FImageList(AImageList) {}

TPersistent* TcxImageInfoCollection::GetOwner() { return FImageList; }

TcxImageInfoItem* TcxImageInfoCollection::GetItems(Integer Index) const {
  return static_cast<TcxImageInfoItem*>(GetItem(Index));
}

TcxImageInfoItem* TcxImageInfoCollection::Add(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor) {
  auto* item = static_cast<TcxImageInfoItem*>(TCollection::Add());
  item->SetImage(AImage);
  item->SetMask(AMask);
  item->SetMaskColor(AMaskColor);
  return item;
}

void TcxImageInfoCollection::SetCompressData(bool Value) {
  if (Value == FCompressData) return;
  FCompressData = Value;
  for (Integer i = 0; i < Count(); ++i) GetItems(i)->SetCompressData(Value);
}

void TcxImageInfoCollection::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  inherited::Notify(Item, Action);
  if (Action == cnAdded) static_cast<TcxImageInfoItem*>(Item)->SetCompressData(FCompressData);
}

// ---- TcxImageList: life and update lock -------------------------------------------------------------------

void TcxImageList::Initialize() {
  inherited::Initialize();
  if (FImageInfo == nullptr) FImageInfo = New<TcxImageInfoCollection>(this);
  FAlphaBlending = true;
  inherited::SetHandle(ImageList_Create(GetWidth(), GetHeight(), ILC_COLOR32 | ILC_MASK, GetAllocBy(), GetAllocBy()));
}

void TcxImageList::Finalize() { FreeAndNil(FImageInfo); }

void TcxImageList::Destroy() {
  Finalize();
  inherited::Destroy();
}

void TcxImageList::BeginUpdate() { ++FLockCount; }

void TcxImageList::EndUpdate(bool AForceUpdate) {
  if (FLockCount <= 0) return;
  --FLockCount;
  if (AForceUpdate) Change();
}

void TcxImageList::Change() {
  if (ChangeLocked()) return;
  // The class library's own operations (a new image size, a call through the base class) change
  // the system list alone: the collection follows it again before anyone hears of the change.
  if (FImageInfo != nullptr && !FSynchronizing && FImageInfo->Count() != GetCount()) SynchronizeImageInfo();
  inherited::Change();
}

// Runs a multi-step operation inside the update lock, so that it notifies once at its end.
template <class TFunc>
static auto Locked(TcxImageList* AList, TFunc AFunc) {
  AList->BeginUpdate();
  try {
    if constexpr (std::is_void_v<decltype(AFunc())>) {
      AFunc();
      AList->EndUpdate(true);
    } else {
      auto result = AFunc();
      AList->EndUpdate(true);
      return result;
    }
  } catch (...) {
    AList->EndUpdate(true);
    throw;
  }
}

// ---- TcxImageList: adding ---------------------------------------------------------------------------------

Integer TcxImageList::Add(TBitmap* AImage, TBitmap* AMask) {
  if (AImage == nullptr) return -1;
  return Locked(this, [&] {
    HBITMAP maskHandle = GetImageHandle(AMask);
    HBITMAP opaqueMask = nullptr;
    if (maskHandle == nullptr) {
      // Every pixel opaque; as large as the image, so that each image of a strip has its mask.
      Integer w = std::max<Integer>(AImage->GetWidth(), GetWidth()), h = std::max<Integer>(AImage->GetHeight(), GetHeight());
      std::vector<BYTE> zeros(static_cast<size_t>((w + 15) / 16 * 2) * static_cast<size_t>(h), 0);
      maskHandle = opaqueMask = CreateBitmap(w, h, 1, 1, zeros.data());
    }
    Integer result = ImageList_Add(GetHandle(), AImage->GetHandle(), maskHandle);
    if (opaqueMask) DeleteObject(opaqueMask);
    if (result >= 0 && NeedSynchronizeImageInfo()) AddToInternalCollection(AImage, AMask, clNone);
    return result;
  });
}

Integer TcxImageList::AddMasked(TBitmap* AImage, TColor AMaskColor) {
  if (AMaskColor == clNone) return Add(AImage, nullptr);
  if (AImage == nullptr) return -1;
  return Locked(this, [&] {
    // The system call blackens the masked pixels of the bitmap it is given: it gets a copy.
    TOwnedPtr<TBitmap> clone = NewOwned<TBitmap>();
    clone->Assign(AImage);
    Integer result = ImageList_AddMasked(GetHandle(), clone->GetHandle(), ColorToRGB(AMaskColor));
    if (result >= 0 && NeedSynchronizeImageInfo()) AddToInternalCollection(AImage, nullptr, AMaskColor);
    return result;
  });
}

Integer TcxImageList::AddIcon(TIcon* AIcon) {
  return Locked(this, [&] {
    Integer result = inherited::AddIcon(AIcon);
    if (result >= 0 && NeedSynchronizeImageInfo()) {
      TOwnedPtr<TcxCustomBitmap> image = NewOwned<TcxCustomBitmap>(GetWidth(), GetHeight(), Graphics::pf32bit);
      TOwnedPtr<TcxCustomBitmap> mask = NewOwned<TcxCustomBitmap>(GetWidth(), GetHeight(), Graphics::pf1bit);
      GetImageInfo(GetHandle(), GetCount() - 1, image.get(), mask.get());
      AddToInternalCollection(image.get(), mask.get(), clNone);
    }
    return result;
  });
}

void TcxImageList::AddToInternalCollection(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor) {
  Integer w = GetWidth(), h = GetHeight();
  if (IsMultipleOf(AImage, w, h) && !(AImage->GetWidth() == w && AImage->GetHeight() == h)) {
    for (Integer y = 0; y < AImage->GetHeight(); y += h)
      for (Integer x = 0; x < AImage->GetWidth(); x += w) {
        TOwnedPtr<TcxCustomBitmap> image = NewOwned<TcxCustomBitmap>(w, h, AImage->GetPixelFormat());
        cxBitBlt(BitmapDC(image.get()), BitmapDC(AImage), image->GetClientRect(), TPoint{x, y}, SRCCOPY);
        TOwnedPtr<TcxCustomBitmap> mask;
        if (AMask != nullptr) {
          mask = NewOwned<TcxCustomBitmap>(w, h, AMask->GetPixelFormat());
          mask->Clear();
          cxBitBlt(BitmapDC(mask.get()), BitmapDC(AMask), mask->GetClientRect(), TPoint{x, y}, SRCCOPY);
        }
        FImageInfo->Add(image.get(), mask.get(), AMaskColor)->GetImage()->Dormant();
      }
  } else {
    FImageInfo->Add(AImage, AMask, AMaskColor)->GetImage()->Dormant();
  }
}

Integer TcxImageList::AddImageInfo(TcxImageInfo* AImageInfo) {
  if (IsGlyphAssigned(AImageInfo->GetMask())) return Add(AImageInfo->GetImage(), AImageInfo->GetMask());
  return AddMasked(AImageInfo->GetImage(), AImageInfo->GetMaskColor());
}

void TcxImageList::CopyImages(TCustomImageList* AImageList, Integer AStartIndex, Integer AEndIndex) {
  if (AImageList == nullptr) return;
  Locked(this, [&] {
    // A list of image infos whatever the source, so that alpha channels come along.
    TOwnedPtr<TcxImageList> source = NewOwned<TcxImageList>();
    source->Assign(AImageList);
    Integer last = source->GetCount() - 1;
    if (AEndIndex >= 0) last = std::min(AEndIndex, last);
    InternalCopyImageInfos(source.get(), AStartIndex, last);
  });
}

void TcxImageList::AddImages(TCustomImageList* AImages) {
  if (AImages != nullptr) CopyImages(AImages, 0, -1);
}

Integer TcxImageList::AddImage(TCustomImageList* AImageList, Integer AIndex) {
  if (AImageList == nullptr || AIndex < 0 || AIndex >= AImageList->GetCount()) return -1;
  Integer result = GetCount();
  CopyImages(AImageList, AIndex, AIndex);
  return result;
}

void TcxImageList::InternalCopyImageInfos(TcxImageList* AImageList, Integer AStartIndex, Integer AEndIndex) {
  TOwnedPtr<TcxImageInfo> info = NewOwned<TcxImageInfo>();
  for (Integer i = std::max<Integer>(AStartIndex, 0); i <= AEndIndex; ++i) {
    AImageList->GetImageInfo(i, info.get());
    AddImageInfo(info.get());
  }
}

void TcxImageList::InternalCopyImages(TCustomImageList* AImageList, Integer AStartIndex, Integer AEndIndex) {
  Integer w = AImageList->GetWidth(), h = AImageList->GetHeight();
  for (Integer i = std::max<Integer>(AStartIndex, 0); i <= AEndIndex; ++i) {
    TOwnedPtr<TcxCustomBitmap> image = NewOwned<TcxCustomBitmap>(w, h, Graphics::pf32bit);
    TOwnedPtr<TcxCustomBitmap> mask = NewOwned<TcxCustomBitmap>(w, h, Graphics::pf1bit);
    GetImageInfo(AImageList->GetHandle(), i, image.get(), mask.get());
    Add(image.get(), mask.get());
  }
}

void TcxImageList::Assign(TPersistent* Source) {
  auto* list = dynamic_cast<TCustomImageList*>(Source);
  if (list == nullptr || list == this) return;
  Locked(this, [&] {
    inherited::Assign(Source);
    Clear();
    if (auto* cxList = dynamic_cast<TcxImageList*>(list)) InternalCopyImageInfos(cxList, 0, cxList->GetCount() - 1);
    else InternalCopyImages(list, 0, list->GetCount() - 1);
  });
}

// ---- TcxImageList: inserting, replacing, moving, deleting -------------------------------------------------

namespace {

// Adds at the end, then moves the added images to AIndex onwards.
template <class TAdd>
void InsertAdded(TcxImageList* AList, Integer AIndex, Integer ACount, TAdd AAdd) {
  if (AIndex < 0 || AIndex > AList->GetCount()) return;
  AList->BeginUpdate();
  try {
    Integer first = AList->GetCount();
    AAdd();
    Integer added = std::min(ACount, AList->GetCount() - first);
    for (Integer k = 0; k < added; ++k) AList->Move(first + k, AIndex + k);
  } catch (...) {
    AList->EndUpdate(true);
    throw;
  }
  AList->EndUpdate(true);
}

}  // namespace

void TcxImageList::Insert(Integer AIndex, TBitmap* AImage, TBitmap* AMask) {
  InsertAdded(this, AIndex, ImageCountOf(AImage, GetWidth(), GetHeight()), [&] { Add(AImage, AMask); });
}

void TcxImageList::InsertMasked(Integer AIndex, TBitmap* AImage, TColor AMaskColor) {
  InsertAdded(this, AIndex, ImageCountOf(AImage, GetWidth(), GetHeight()), [&] { AddMasked(AImage, AMaskColor); });
}

void TcxImageList::InsertIcon(Integer AIndex, TIcon* AIcon) {
  InsertAdded(this, AIndex, 1, [&] { AddIcon(AIcon); });
}

void TcxImageList::Replace(Integer AIndex, TBitmap* AImage, TBitmap* AMask) {
  if (AIndex < 0 || AIndex >= GetCount()) return;
  Locked(this, [&] {
    Delete(AIndex);
    Insert(AIndex, AImage, AMask);
  });
}

void TcxImageList::ReplaceMasked(Integer AIndex, TBitmap* AImage, TColor AMaskColor) {
  if (AIndex < 0 || AIndex >= GetCount()) return;
  Locked(this, [&] {
    Delete(AIndex);
    InsertMasked(AIndex, AImage, AMaskColor);
  });
}

void TcxImageList::ReplaceIcon(Integer AIndex, TIcon* AIcon) {
  if (AIndex < 0 || AIndex >= GetCount()) return;
  Locked(this, [&] {
    Delete(AIndex);
    InsertIcon(AIndex, AIcon);
  });
}

void TcxImageList::Move(Integer ACurIndex, Integer ANewIndex) {
  Integer count = GetCount();
  if (ACurIndex == ANewIndex || ACurIndex < 0 || ACurIndex >= count || ANewIndex < 0 || ANewIndex >= count) return;
  Locked(this, [&] {
    inherited::Move(ACurIndex, ANewIndex);
    if (NeedSynchronizeImageInfo() && ACurIndex < FImageInfo->Count()) FImageInfo->GetItem(ACurIndex)->SetIndex(ANewIndex);
  });
}

void TcxImageList::Delete(Integer AIndex) {
  if (AIndex < -1 || AIndex >= GetCount()) return;
  Locked(this, [&] {
    inherited::Delete(AIndex);
    if (AIndex == -1) FImageInfo->Clear();
    else if (AIndex < FImageInfo->Count()) FImageInfo->Delete(AIndex);
  });
}

void TcxImageList::Clear() { Delete(-1); }

// ---- TcxImageList: reading images -------------------------------------------------------------------------

void TcxImageList::GetImageInfo(Integer AIndex, TBitmap* AImage, TBitmap* AMask) {
  if (AIndex < 0 || AIndex >= GetCount()) return;
  TcxImageInfo* info = AIndex < FImageInfo->Count() ? FImageInfo->GetItems(AIndex)->GetImageInfo() : nullptr;
  if (info != nullptr && info->GetImage()->GetPixelFormat() == Graphics::pf32bit) {
    auto copy = [](TcxCustomBitmap* AStored, TBitmap* ADest) {
      if (ADest == nullptr) return;
      ADest->SetSize(AStored->GetWidth(), AStored->GetHeight());
      if (!AStored->GetEmpty())
        cxBitBlt(BitmapDC(ADest), BitmapDC(AStored), TRect{0, 0, AStored->GetWidth(), AStored->GetHeight()},
                 TPoint{0, 0}, SRCCOPY);
    };
    copy(info->GetImage(), AImage);
    if (AMask != nullptr && info->GetMask()->GetEmpty()) {
      // Masked-colour images store no mask: the system list's mask stands for it.
      GetImageInfo(GetHandle(), AIndex, nullptr, AMask);
    } else {
      copy(info->GetMask(), AMask);
    }
  } else {
    GetImageInfo(GetHandle(), AIndex, AImage, AMask);
  }
  if (info != nullptr) info->GetImage()->Dormant();
}

void TcxImageList::GetImageInfo(Integer AIndex, TcxImageInfo* AImageInfo) {
  if (AIndex >= 0 && AIndex < FImageInfo->Count()) {
    AImageInfo->Assign(FImageInfo->GetItems(AIndex)->GetImageInfo());
  } else {
    AImageInfo->SetImage(nullptr);
    AImageInfo->SetMask(nullptr);
    AImageInfo->SetMaskColor(clNone);
  }
}

void TcxImageList::GetImageInfo(HIMAGELIST AHandle, Integer AIndex, TBitmap* AImage, TBitmap* AMask) {
  IMAGEINFO info;
  bool whole = AIndex == -1;
  if (AHandle == nullptr || !ImageList_GetImageInfo(AHandle, whole ? 0 : AIndex, &info)) return;
  auto fetch = [&](HBITMAP AStrip, TBitmap* ADest) {
    if (ADest == nullptr || AStrip == nullptr) return;
    // A copy of the strip, so that the list's own bitmaps stay untouched.
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(AStrip, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (copy == nullptr) return;
    BITMAP data;
    if (GetObject(copy, sizeof data, &data) != 0) {
      if (whole) CopyPart(copy, 0, 0, data.bmWidth, data.bmHeight, ADest);
      else CopyPart(copy, info.rcImage.left, info.rcImage.top, cxRectWidth(info.rcImage), cxRectHeight(info.rcImage),
                    ADest);
    }
    DeleteObject(copy);
  };
  fetch(info.hbmImage, AImage);
  fetch(info.hbmMask, AMask);
}

Integer TcxImageList::GetPixelFormat(HIMAGELIST AHandle) {
  IMAGEINFO info;
  BITMAP data;
  if (AHandle == nullptr || !ImageList_GetImageInfo(AHandle, 0, &info) || info.hbmImage == nullptr ||
      GetObject(info.hbmImage, sizeof data, &data) == 0)
    return 0;
  return data.bmBitsPixel;
}

// ---- TcxImageList: drawing --------------------------------------------------------------------------------

void TcxImageList::Draw(TCanvas* ACanvas, const TRect& ARect, Integer AIndex, bool AStretch, bool ASmoothResize,
                        bool AEnabled) {
  static const UINT styles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  static const UINT types[] = {0, ILD_MASK};
  DoDrawEx(AIndex, ACanvas, ARect, styles[GetDrawingStyle()] | types[GetImageType()], AStretch, ASmoothResize,
           AEnabled);
}

void TcxImageList::DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled) {
  DoDrawEx(Index, Canvas, TRect{X, Y, X + GetWidth(), Y + GetHeight()}, Style, false, false, Enabled);
}

void TcxImageList::DoDrawEx(Integer AIndex, TCanvas* ACanvas, const TRect& ARect, UINT AStyle, bool AStretch,
                            bool ASmoothResize, bool AEnabled) {
  TRect imageRect = AStretch ? ARect : cxRectCenter(ARect, GetWidth(), GetHeight());
  if (FAlphaBlending) {
    cxDrawImage(ACanvas->GetHandle(), imageRect, ARect, nullptr, this, AIndex, AEnabled ? idmNormal : idmDisabled,
                ASmoothResize, nullptr, clNone, true);
  } else if (AStretch) {
    TOwnedPtr<TBitmap> image = NewOwned<TBitmap>();
    image->SetPixelFormat(Graphics::pfDevice);
    image->SetSize(GetWidth(), GetHeight());
    inherited::DoDraw(AIndex, image->GetCanvas(), 0, 0, AStyle, AEnabled);
    cxDrawImage(ACanvas->GetHandle(), imageRect, ARect, image.get(), nullptr, -1, idmNormal, ASmoothResize, nullptr,
                clNone, true);
  } else {
    inherited::DoDraw(AIndex, ACanvas, imageRect.left, imageRect.top, AStyle, AEnabled);
  }
}

// ---- TcxImageList: resources, handle, state ---------------------------------------------------------------

bool TcxImageList::LoadImage(HINSTANCE AInstance, const String& AResourceName, TColor AMaskColor, Integer AWidth,
                             ImgList::TLoadResources AFlags) {
  // The images of a bitmap resource (or file), each AWidth wide (0: as wide as the bitmap is high).
  TOwnedPtr<TBitmap> bitmap = NewOwned<TBitmap>();
  try {
    if (AFlags.Contains(ImgList::lrFromFile)) bitmap->LoadFromFile(AResourceName);
    else bitmap->LoadFromResourceName(AInstance, AResourceName);
  } catch (const Exception&) {
    return false;
  }
  Integer h = bitmap->GetHeight(), w = AWidth > 0 ? AWidth : h;
  if (w <= 0 || h <= 0) return false;
  TOwnedPtr<TcxImageList> images = NewOwned<TcxImageList>();
  images->SetWidth(w);
  images->SetHeight(h);
  TColor mask = AMaskColor == clDefault ? bitmap->GetTransparentColor() : AMaskColor;
  if (images->AddMasked(bitmap.get(), mask) < 0) return false;
  CopyImages(images.get(), 0, -1);
  return true;
}

bool TcxImageList::GetResource(ImgList::TResType AResType, const String& AName, Integer AWidth,
                               ImgList::TLoadResources ALoadFlags, TColor AMaskColor) {
  return Locked(this, [&] {
    bool result = inherited::GetResource(AResType, AName, AWidth, ALoadFlags, AMaskColor);
    SynchronizeImageInfo();
    return result;
  });
}

bool TcxImageList::GetInstRes(HINSTANCE AInstance, ImgList::TResType AResType, const String& AName, Integer AWidth,
                              ImgList::TLoadResources ALoadFlags, TColor AMaskColor) {
  return Locked(this, [&] {
    bool result = inherited::GetInstRes(AInstance, AResType, AName, AWidth, ALoadFlags, AMaskColor);
    SynchronizeImageInfo();
    return result;
  });
}

bool TcxImageList::ResourceLoad(ImgList::TResType AResType, const String& AName, TColor AMaskColor) {
  return Locked(this, [&] {
    bool result = inherited::ResourceLoad(AResType, AName, AMaskColor);
    SynchronizeImageInfo();
    return result;
  });
}

bool TcxImageList::ResInstLoad(HINSTANCE AInstance, ImgList::TResType AResType, const String& AName,
                               TColor AMaskColor) {
  return Locked(this, [&] {
    bool result = inherited::ResInstLoad(AInstance, AResType, AName, AMaskColor);
    SynchronizeImageInfo();
    return result;
  });
}

void TcxImageList::SetHandle(HIMAGELIST Value) {
  TOwnedPtr<TImageList> list = NewOwned<TImageList>();
  list->SetHandle(Value);  // owned by the temporary list, which destroys it
  Assign(list.get());
}

HIMAGELIST TcxImageList::GetHandle() { return inherited::GetHandle(); }

void TcxImageList::Dormant() {
  for (Integer i = 0; i < FImageInfo->Count(); ++i) FImageInfo->GetItems(i)->GetImage()->Dormant();
}

void TcxImageList::DormantImage(Integer AIndex) {
  if (AIndex >= 0 && AIndex < FImageInfo->Count()) FImageInfo->GetItems(AIndex)->GetImage()->Dormant();
}

bool TcxImageList::GetCompressData() const { return FImageInfo->GetCompressData(); }
void TcxImageList::SetCompressData(bool Value) { FImageInfo->SetCompressData(Value); }

void TcxImageList::SynchronizeImageInfo() {
  FImageInfo->BeginUpdate();
  try {
    FImageInfo->Clear();
    for (Integer i = 0, n = inherited::GetCount(); i < n; ++i) {
      TOwnedPtr<TcxCustomBitmap> image = NewOwned<TcxCustomBitmap>(GetWidth(), GetHeight(), Graphics::pf32bit);
      TOwnedPtr<TcxCustomBitmap> mask = NewOwned<TcxCustomBitmap>(GetWidth(), GetHeight(), Graphics::pf1bit);
      GetImageInfo(GetHandle(), i, image.get(), mask.get());
      FImageInfo->Add(image.get(), mask.get(), clNone);
    }
  } catch (...) {
    FImageInfo->EndUpdate();
    throw;
  }
  FImageInfo->EndUpdate();
}

void TcxImageList::SynchronizeHanle() {
  Locked(this, [&] {
    FSynchronizing = true;
    try {
      // The system list alone: the collection is what it is rebuilt from.
      inherited::Clear();
      for (Integer i = 0; i < FImageInfo->Count(); ++i) {
        TcxImageInfo* info = FImageInfo->GetItems(i)->GetImageInfo();
        AddImageInfo(info);
        info->GetImage()->Dormant();
      }
    } catch (...) {
      FSynchronizing = false;
      throw;
    }
    FSynchronizing = false;
  });
}

// ---- TcxImageList: streaming ------------------------------------------------------------------------------

void TcxImageList::DefineProperties(Filer::TFiler* Filer) {
  if (ComponentState().Contains(csReading)) {
    // Older resources hold the platform's image data only: read it, then mirror it in the collection.
    Filer->DefineBinaryProperty("Bitmap", Filer::TStreamProc([this](TStream* S) { ReadData(S); }), nullptr, false);
    SynchronizeImageInfo();
  }
  auto* ancestor = dynamic_cast<TCustomImageList*>(Filer->GetAncestor());
  Filer->DefineProperty("FormatVersion", Filer::TReaderProc(this, &TcxImageList::ReadFormatVersion),
                        Filer::TWriterProc(this, &TcxImageList::WriteFormatVersion), true);
  Filer->DefineProperty("DesignInfo", Filer::TReaderProc(this, &TcxImageList::ReadDesignInfo),
                        Filer::TWriterProc(this, &TcxImageList::WriteDesignInfo),
                        ancestor == nullptr || ancestor->GetDesignInfo() != GetDesignInfo());
  Filer->DefineProperty("ImageInfo", Filer::TReaderProc(this, &TcxImageList::ReadImageInfo),
                        Filer::TWriterProc(this, &TcxImageList::WriteImageInfo),
                        ancestor != nullptr ? ImageInfoDiffers(ancestor) : GetCount() > 0);
}

bool TcxImageList::ImageInfoDiffers(TCustomImageList* AAncestor) {
  Integer count = GetCount();
  if (count != AAncestor->GetCount()) return true;
  if (count == 0) return false;
  std::vector<BYTE> own, other;
  ImageList_Write(GetHandle(), own);
  ImageList_Write(AAncestor->GetHandle(), other);
  return own != other;
}

void TcxImageList::ReadFormatVersion(Filer::TReader* AReader) { FFormatVersion = AReader->ReadInteger(); }

void TcxImageList::WriteFormatVersion(Filer::TWriter* AWriter) {
  FFormatVersion = 1;
  AWriter->WriteInteger(FFormatVersion);
}

void TcxImageList::ReadDesignInfo(Filer::TReader* AReader) { SetDesignInfo(AReader->ReadInteger()); }
void TcxImageList::WriteDesignInfo(Filer::TWriter* AWriter) { AWriter->WriteInteger(GetDesignInfo()); }

void TcxImageList::ReadImageInfo(Filer::TReader* AReader) {
  FImageInfo->Clear();
  if (AReader->ReadValue() != Filer::vaCollection) throw EReadError("Invalid property value");
  AReader->ReadCollection(FImageInfo);
  SynchronizeHanle();
}

void TcxImageList::WriteImageInfo(Filer::TWriter* AWriter) { AWriter->WriteCollection(FImageInfo); }

}  // namespace cxGraphics
