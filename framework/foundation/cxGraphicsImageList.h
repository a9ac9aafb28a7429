// The framework's image list: a 32-bit system image list with masks, mirrored by a collection that
// keeps every image as an image and mask bitmap pair (alpha channels included), writes it to form
// resources ("FormatVersion", "DesignInfo", "ImageInfo") and draws through the image drawer.
#pragma once

#include <vector>

#include "Collections.h"
#include "Graphics.h"
#include "ImgList.h"

namespace Filer {
class TReader;
class TWriter;
}

namespace cxGraphics {

using Graphics::TBitmap;
using Graphics::TIcon;
using ImgList::TCustomImageList;
using ImgList::TDragImageList;
class TcxCustomBitmap;
class TcxImageList;

// An image, its mask and the colour that marks transparent pixels when there is no mask.
class TcxImageInfo : public TPersistent {
  DECLARE_CLASS(TcxImageInfo, TPersistent)
 public:
  void Assign(TPersistent* Source) override;
  TcxCustomBitmap* GetImage() const { return FImage; }
  virtual void SetImage(TBitmap* Value);
  TcxCustomBitmap* GetMask() const { return FMask; }
  virtual void SetMask(TBitmap* Value);
  TColor GetMaskColor() const { return FMaskColor; }
  void SetMaskColor(TColor Value) { FMaskColor = Value; }

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  TcxCustomBitmap* FImage = nullptr;
  TcxCustomBitmap* FMask = nullptr;
  TColor FMaskColor = clNone;
};

class TcxImageInfoItem : public TCollectionItem {
  DECLARE_CLASS(TcxImageInfoItem, TCollectionItem)
 public:
  using TCollectionItem::TCollectionItem;
  TcxImageInfo* GetImageInfo() const { return FImageInfo; }
  TBitmap* GetImage() const;
  void SetImage(TBitmap* Value) { FImageInfo->SetImage(Value); }
  TBitmap* GetMask() const;
  void SetMask(TBitmap* Value) { FImageInfo->SetMask(Value); }
  TColor GetMaskColor() const { return FImageInfo->GetMaskColor(); }
  void SetMaskColor(TColor Value) { FImageInfo->SetMaskColor(Value); }
  // Whether both bitmaps write the run-length form of their data.
  bool GetCompressData() const;
  void SetCompressData(bool Value);

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  TcxImageInfo* FImageInfo = nullptr;
};

class TcxImageInfoCollection : public TCollection {
  DECLARE_CLASS(TcxImageInfoCollection, TCollection)
 public:
  explicit TcxImageInfoCollection(TcxImageList* AImageList = nullptr);
  TcxImageInfoItem* GetItems(Integer Index) const;
  TcxImageInfoItem* Add(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor = clNone);
  bool GetCompressData() const { return FCompressData; }
  void SetCompressData(bool Value);

 protected:
  TPersistent* GetOwner() override;
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

 private:
  TcxImageList* FImageList;
  bool FCompressData = false;
};

class TcxImageList : public TDragImageList {
  DECLARE_CLASS(TcxImageList, TDragImageList)
 public:
  using TDragImageList::TDragImageList;

  // ---- Adding, inserting, replacing
  Integer Add(TBitmap* AImage, TBitmap* AMask);
  Integer AddMasked(TBitmap* AImage, TColor AMaskColor);
  Integer AddIcon(TIcon* AIcon);
  Integer AddImage(TCustomImageList* AImageList, Integer AIndex);
  void AddImages(TCustomImageList* AImages);
  Integer AddImageInfo(TcxImageInfo* AImageInfo);
  void CopyImages(TCustomImageList* AImageList, Integer AStartIndex = 0, Integer AEndIndex = -1);
  void Insert(Integer AIndex, TBitmap* AImage, TBitmap* AMask);
  void InsertIcon(Integer AIndex, TIcon* AIcon);
  void InsertMasked(Integer AIndex, TBitmap* AImage, TColor AMaskColor);
  void Replace(Integer AIndex, TBitmap* AImage, TBitmap* AMask);
  void ReplaceIcon(Integer AIndex, TIcon* AIcon);
  void ReplaceMasked(Integer AIndex, TBitmap* AImage, TColor AMaskColor);
  void Move(Integer ACurIndex, Integer ANewIndex);
  void Delete(Integer AIndex);  // -1: all
  void Clear();
  void Assign(TPersistent* Source) override;

  // ---- Reading images
  void GetImageInfo(Integer AIndex, TBitmap* AImage, TBitmap* AMask);
  void GetImageInfo(Integer AIndex, TcxImageInfo* AImageInfo);
  void GetImage(Integer AIndex, TBitmap* AImage) { GetImageInfo(AIndex, AImage, nullptr); }
  void GetMask(Integer AIndex, TBitmap* AMask) { GetImageInfo(AIndex, nullptr, AMask); }
  // Copies of the system list's pictures of one image (index -1: the whole strips).
  static void GetImageInfo(HIMAGELIST AHandle, Integer AIndex, TBitmap* AImage, TBitmap* AMask);
  static Integer GetPixelFormat(HIMAGELIST AHandle);

  // ---- Drawing
  void Draw(TCanvas* ACanvas, const TRect& ARect, Integer AIndex, bool AStretch = true, bool ASmoothResize = false,
            bool AEnabled = true);
  void DoDrawEx(Integer AIndex, TCanvas* ACanvas, const TRect& ARect, UINT AStyle, bool AStretch,
                bool ASmoothResize, bool AEnabled);

  // ---- Resources, handle, state
  // The class library's loaders, then the collection taken from the loaded images.
  bool GetResource(ImgList::TResType AResType, const String& AName, Integer AWidth, ImgList::TLoadResources ALoadFlags,
                   TColor AMaskColor);
  bool GetInstRes(HINSTANCE AInstance, ImgList::TResType AResType, const String& AName, Integer AWidth,
                  ImgList::TLoadResources ALoadFlags, TColor AMaskColor);
  bool ResourceLoad(ImgList::TResType AResType, const String& AName, TColor AMaskColor);
  bool ResInstLoad(HINSTANCE AInstance, ImgList::TResType AResType, const String& AName, TColor AMaskColor);
  bool LoadImage(HINSTANCE AInstance, const String& AResourceName, TColor AMaskColor = clDefault,
                 Integer AWidth = 0, ImgList::TLoadResources AFlags = ImgList::TLoadResources());
  void SetHandle(HIMAGELIST Value);
  HIMAGELIST GetHandle();
  void Dormant();
  void BeginUpdate();
  void EndUpdate(bool AForceUpdate = true);
  bool ChangeLocked() const { return FLockCount > 0; }
  bool GetCompressData() const;
  void SetCompressData(bool Value);
  bool GetAlphaBlending() const { return FAlphaBlending; }
  void SetAlphaBlending(bool Value) { FAlphaBlending = Value; }
  Integer GetFormatVersion() const { return FFormatVersion; }
  TcxImageInfoCollection* GetImageInfoCollection() const { return FImageInfo; }

 protected:
  void Destroy() override;
  void Initialize() override;
  virtual void Finalize();
  void Change() override;
  void DefineProperties(Filer::TFiler* Filer) override;
  void DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled = true) override;

  void AddToInternalCollection(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor = clNone);
  void DormantImage(Integer AIndex);
  void InternalCopyImageInfos(TcxImageList* AImageList, Integer AStartIndex, Integer AEndIndex);
  void InternalCopyImages(TCustomImageList* AImageList, Integer AStartIndex, Integer AEndIndex);
  bool NeedSynchronizeImageInfo() const { return !FSynchronizing; }
  void SynchronizeImageInfo();
  void SynchronizeHanle();
  static HBITMAP GetImageHandle(TBitmap* AImage) { return AImage ? AImage->GetHandle() : nullptr; }

 private:
  bool ImageInfoDiffers(TCustomImageList* AAncestor);
  void ReadFormatVersion(Filer::TReader* AReader);
  void WriteFormatVersion(Filer::TWriter* AWriter);
  void ReadDesignInfo(Filer::TReader* AReader);
  void WriteDesignInfo(Filer::TWriter* AWriter);
  void ReadImageInfo(Filer::TReader* AReader);
  void WriteImageInfo(Filer::TWriter* AWriter);

  bool FAlphaBlending = false;
  Integer FFormatVersion = 0;
  TcxImageInfoCollection* FImageInfo = nullptr;
  Integer FLockCount = 0;
  bool FSynchronizing = false;
};

}  // namespace cxGraphics

using namespace cxGraphics;
