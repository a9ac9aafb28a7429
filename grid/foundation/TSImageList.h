// Named picture lists for grid cells. An image-list component holds a collection of images, each
// with a bitmap, a name, an optional set name (one name may exist once per set), transparency and a
// numeric ID that stays with it. Images are found by index, by reference text ("set.name", or just
// a name in the main set) or by ID; a cell steps to the next or previous image. Grids hold a link
// to the component and are told when an image changes or the component goes.
//
// tsStretchDraw draws a bitmap into a cell rectangle, shrunk, enlarged, centred or keeping its
// aspect as asked, optionally with a transparent colour.
#pragma once

#include <vector>

#include "Closures.h"
#include "Collections.h"
#include "Components.h"
#include "Graphics.h"
#include "Types.h"

namespace StringLists {
class TStringList;
}
namespace Variants {
class Variant;
}

namespace TSImageList {

using Variants::Variant;
using Graphics::TBitmap;
using Graphics::TCanvas;
using Graphics::TColor;
using Graphics::TTransparentMode;

class TtsImage;
class TtsImageCollection;
class TtsImageLink;

class TtsImageItem : public TCollectionItem {
  DECLARE_CLASS(TtsImageItem, TCollectionItem)
 public:
  explicit TtsImageItem(TCollection* Collection = nullptr) : TCollectionItem(Collection) {}

  virtual TBitmap* GetBitmap() = 0;
  virtual void SetBitmap(TBitmap* Value) = 0;
  virtual String GetName() = 0;
  // The setter of Name: a reference "set.name" or a name in the image's own set.
  virtual void SetRefName(const String& Value) = 0;
  virtual String GetSetName() = 0;
  virtual void SetSetName(const String& Value) = 0;
  virtual bool GetTransparent() = 0;
  virtual void SetTransparent(bool Value) = 0;
  virtual TColor GetTransparentColor() = 0;
  virtual void SetTransparentColor(TColor Value) = 0;
  virtual TTransparentMode GetTransparentMode() = 0;
  virtual void SetTransparentMode(TTransparentMode Value) = 0;
  virtual Integer GetID() = 0;
};

class TtsImage : public TtsImageItem {
  DECLARE_CLASS(TtsImage, TtsImageItem)
 public:
  explicit TtsImage(TCollection* Collection = nullptr) : TtsImageItem(Collection) {}

  TBitmap* GetBitmap() override { return FBitmap; }
  // A copy of a non-empty bitmap becomes the image's own.
  void SetBitmap(TBitmap* Value) override;
  String GetName() override { return FName; }
  // Raises EListError when another image of the set has the name.
  void SetRefName(const String& Value) override;
  String GetSetName() override { return FSetName; }
  void SetSetName(const String& Value) override;
  bool GetTransparent() override { return FTransparent; }
  void SetTransparent(bool Value) override;
  // The stored colour in fixed mode; the bitmap's bottom-left pixel in automatic mode.
  TColor GetTransparentColor() override;
  void SetTransparentColor(TColor Value) override;
  TTransparentMode GetTransparentMode() override { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value) override;
  Integer GetID() override { return FID; }
  void SetID(Integer Value) { FID = Value; }

  void Assign(TPersistent* Source) override;
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  virtual void Changed();
  String GetDisplayName() override { return FName; }
  TtsImageCollection* ImageCollection() const;

 protected:
  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;

 private:
  void NewBitmap();
  void BitmapChanged(TObject* Sender);
  bool Reading() const;
  // Raises the duplicate-name error when another image has Name in Set.
  void CheckUnique(const String& Name, const String& Set);
  void AddSetName(const String& Set);
  void ReadID(Filer::TReader* Reader);
  void WriteID(Filer::TWriter* Writer);

  friend class TtsImageCollection;
  TBitmap* FBitmap = nullptr;
  TColor FTransparentColor = Graphics::clWhite;
  bool FTransparent = false;
  TTransparentMode FTransparentMode = Graphics::tmAuto;
  String FName;
  String FSetName;
  Integer FUpdateCount = 0;
  Integer FID = 0;
};

class TtsImageListComponent : public TComponent {
  DECLARE_CLASS(TtsImageListComponent, TComponent)
 public:
  explicit TtsImageListComponent(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  virtual void AddLink(TtsImageLink* Link) = 0;
  virtual void RemoveLink(TtsImageLink* Link) = 0;
  virtual TtsImageItem* GetImage(const Variant& Key) = 0;
  virtual void SetImage(const Variant& Key, TtsImageItem* Image) = 0;
  virtual String GetGUID() = 0;
  virtual TtsImageCollection* GetImageCollection() = 0;
  virtual Integer IdIndex(Integer Id) = 0;
  virtual bool IndexExists(const Variant& Key) = 0;
  virtual Integer NameIndex(const String& Name) = 0;
  virtual Variant NextIndex(const Variant& Key) = 0;
  virtual Variant PrevIndex(const Variant& Key) = 0;
};

using TtsImageListOnChangeEvent = TClosure<void(TObject* Sender, TtsImage* Image)>;

class TtsImageList : public TtsImageListComponent {
  DECLARE_CLASS(TtsImageList, TtsImageListComponent)
 public:
  explicit TtsImageList(TComponent* AOwner = nullptr) : TtsImageListComponent(AOwner) {}

  void AddLink(TtsImageLink* Link) override;
  void RemoveLink(TtsImageLink* Link) override;
  void RemoveLinks();
  TtsImageItem* GetImage(const Variant& Key) override;
  void SetImage(const Variant& Key, TtsImageItem* Image) override;
  String GetGUID() override { return FGUID; }
  TtsImageCollection* GetImageCollection() override { return FImages; }
  Integer IdIndex(Integer Id) override;
  bool IndexExists(const Variant& Key) override;
  Integer NameIndex(const String& Name) override;
  Variant NextIndex(const Variant& Key) override;
  Variant PrevIndex(const Variant& Key) override;

  // OnChange, then every link in order.
  virtual void Changed(TtsImage* Image);
  void Clear();
  void Assign(TPersistent* Source) override;
  TtsImageCollection* GetImages() const { return FImages; }
  void SetImages(TtsImageCollection* Value);
  Integer LinkCount() const { return static_cast<Integer>(FLinks.size()); }

  TtsImageListOnChangeEvent OnChange;
  TtsImageListOnChangeEvent GetOnChange() const { return OnChange; }
  void SetOnChange(TtsImageListOnChangeEvent Value) { OnChange = Value; }

 protected:
  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;

 private:
  void ReadGUID(Filer::TReader* Reader);
  void WriteGUID(Filer::TWriter* Writer);
  void ReadSetNames(Filer::TReader* Reader);
  void WriteSetNames(Filer::TWriter* Writer);

  TtsImageCollection* FImages = nullptr;
  std::vector<TtsImageLink*> FLinks;
  String FGUID;
};

class TtsImageCollection : public TCollection {
  DECLARE_CLASS(TtsImageCollection, TCollection)
 public:
  explicit TtsImageCollection(TtsImageList* AImageList = nullptr) : TCollection(TtsImage::StaticClass()), FImageList(AImageList) {}

  TtsImage* Add() { return static_cast<TtsImage*>(TCollection::Add()); }
  TtsImage* Insert(Integer Index) { return static_cast<TtsImage*>(TCollection::Insert(Index)); }
  TtsImage* GetItem(Integer Index) const { return static_cast<TtsImage*>(TCollection::GetItem(Index)); }
  void Assign(TPersistent* Source) override;

  // The first image that the reference names, -1 when none.
  Integer NameIndex(const String& Reference);
  Integer IdIndex(Integer Id);
  bool IndexExists(const Variant& Key);
  // By reference (a string key) or index; nil for an empty collection; EListError when not found.
  TtsImage* GetTsImage(const Variant& Key);
  void SetTsImage(const Variant& Key, TtsImage* Image);
  Variant NextIndex(const Variant& Key);
  Variant PrevIndex(const Variant& Key);
  Variant GetNextIndex(const Variant& Key, Integer Step);

  TtsImageList* ImageList() const { return FImageList; }
  // The set names in use, in the order of first use.
  StringLists::TStringList* SetNames() const { return FSetNames; }

 protected:
  void Construct() override;
  void Destroy() override;
  TPersistent* GetOwner() override { return FImageList; }
  void Update(TCollectionItem* Item) override;
  // Every image added, by Add, Insert or a copy, gets a fresh ID and a free name.
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

 private:
  TtsImageList* FImageList;
  StringLists::TStringList* FSetNames = nullptr;
};

// The grid's link to an image-list component; its two notices are the grid's to answer.
class TtsImageLink : public TPersistent {
  DECLARE_CLASS(TtsImageLink, TPersistent)
 public:
  TtsImageListComponent* GetImageList() const { return FImageList; }
  void SetImageList(TtsImageListComponent* Value);
  TtsImageItem* GetTsImage(const Variant& Key);
  virtual void ImageChanged(TtsImage* Image) {}
  virtual void ImageListDeleted() {}

 protected:
  TtsImageLink() = default;
  void Destroy() override;

 private:
  friend class TtsImageList;
  TtsImageListComponent* FImageList = nullptr;
};

// Draws Bitmap into Rect (filled with the canvas brush first); TransparentColor 0x1FFFFFFF draws
// it opaque.
void tsStretchDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, TColor TransparentColor, bool Center,
                   bool Enlarge, bool Shrink, bool KeepAspect);

}  // namespace TSImageList

using namespace TSImageList;
