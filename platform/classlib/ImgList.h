// Image lists: equally sized images (with masks, or 32-bit with alpha) kept in a list of the
// graphics layer, drawn enabled or with the disabled look, told to their users through change links,
// kept in form resources as the "Bitmap" entry; and the drag image shown while dragging.
#pragma once

#include <vector>

#include "Components.h"
#include "Graphics.h"

namespace ImgList {

using Graphics::TBitmap;
using Graphics::TCanvas;
using Graphics::TColor;
using Graphics::TIcon;

// The position of an image in an image list; -1 for none.
using TImageIndex = Integer;

PUBLISHED_ENUM(TDrawingStyle, dsFocus, dsSelected, dsNormal, dsTransparent)
PUBLISHED_ENUM(TImageType, itImage, itMask)
enum TResType { rtBitmap, rtCursor, rtIcon };
enum TLoadResource { lrDefaultColor, lrDefaultSize, lrFromFile, lrMap3DColors, lrTransparent, lrMonoChrome };
using TLoadResources = TSet<TLoadResource, 8>;

class TCustomImageList;

// A user's link to an image list: Change tells OnChange that the list changed.
class TChangeLink : public TObject {
  DECLARE_CLASS(TChangeLink, TObject)
 public:
  TNotifyEvent OnChange;
  virtual void Change();
  TCustomImageList* GetSender() const { return FSender; }
  void SetSender(TCustomImageList* Value) { FSender = Value; }

 protected:
  void Destroy() override;  // unregisters from its list

 private:
  TCustomImageList* FSender = nullptr;
};

class TCustomImageList : public TComponent {
  DECLARE_CLASS(TCustomImageList, TComponent)
 public:
  explicit TCustomImageList(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  // A list of images of the given size, without owner.
  static TCustomImageList* CreateSize(Integer AWidth, Integer AHeight);

  void Assign(TPersistent* Source) override;
  // Each adds every image of a strip as wide as one or more images; -1 when nothing was added.
  Integer Add(TBitmap* Image, TBitmap* Mask);
  Integer AddMasked(TBitmap* Image, TColor MaskColor);  // clNone: no transparent colour
  Integer AddIcon(TIcon* Image);
  void AddImages(TCustomImageList* Value);
  void Insert(Integer Index, TBitmap* Image, TBitmap* Mask);
  void InsertMasked(Integer Index, TBitmap* Image, TColor MaskColor);
  void InsertIcon(Integer Index, TIcon* Image);
  // Index errors raise EInvalidOperation "Invalid ImageList Index".
  void Replace(Integer Index, TBitmap* Image, TBitmap* Mask);
  void ReplaceMasked(Integer Index, TBitmap* NewImage, TColor MaskColor);
  void ReplaceIcon(Integer Index, TIcon* Image);
  void Delete(Integer Index);
  void Move(Integer CurIndex, Integer NewIndex);
  void Clear();
  // The image drawn on Image (sized to the list) with the list's background; false outside the list.
  bool GetBitmap(Integer Index, TBitmap* Image);
  void GetIcon(Integer Index, TIcon* Image);
  HBITMAP GetImageBitmap();  // the list's strips: read them, do not delete them
  HBITMAP GetMaskBitmap();

  // Enabled: the image in DrawingStyle and ImageType; disabled: its shape embossed in the button
  // highlight and shadow colours.
  void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, bool Enabled = true);
  void Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, TDrawingStyle ADrawingStyle,
            TImageType AImageType, bool Enabled = true);

  // Replaces the images by those of a bitmap resource (rtBitmap) or an icon resource (rtIcon) of
  // the program, Width wide each (0: as wide as the bitmap is high); false when there is none.
  bool GetResource(TResType ResType, const String& Name, Integer Width, TLoadResources LoadFlags, TColor MaskColor);
  bool GetInstRes(HINSTANCE Instance, TResType ResType, const String& Name, Integer Width,
                  TLoadResources LoadFlags, TColor MaskColor);
  // Adds the images of a resource to those there are.
  bool ResourceLoad(TResType ResType, const String& Name, TColor MaskColor);
  bool ResInstLoad(HINSTANCE Instance, TResType ResType, const String& Name, TColor MaskColor);

  void RegisterChanges(TChangeLink* Value);
  void UnRegisterChanges(TChangeLink* Value);
  // Changes between the two tell the users once, at the end.
  void BeginUpdate();
  void EndUpdate();

  bool HandleAllocated() const { return FHandle != nullptr; }
  HIMAGELIST GetHandle();
  void SetHandle(HIMAGELIST Value);  // owned by the list unless ShareImages
  Integer GetCount();
  Integer GetWidth() const { return FWidth; }
  void SetWidth(Integer Value);  // a new size removes every image
  Integer GetHeight() const { return FHeight; }
  void SetHeight(Integer Value);
  Integer GetAllocBy() const { return FAllocBy; }
  void SetAllocBy(Integer Value) { FAllocBy = Value; }
  TColor GetBkColor();
  void SetBkColor(TColor Value);
  TColor GetBlendColor() const { return FBlendColor; }
  void SetBlendColor(TColor Value);
  TDrawingStyle GetDrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TDrawingStyle Value);
  TImageType GetImageType() const { return FImageType; }
  void SetImageType(TImageType Value);
  bool GetMasked() const { return FMasked; }
  void SetMasked(bool Value);
  bool GetShareImages() const { return FShareImages; }
  void SetShareImages(bool Value) { FShareImages = Value; }
  TNotifyEvent OnChange;
  TNotifyEvent GetOnChange() const { return OnChange; }
  void SetOnChange(TNotifyEvent Value) { OnChange = Value; }

 protected:
  void Construct() override;
  void Destroy() override;
  // Sets the defaults; descendants add their own state (the list itself is made on demand).
  virtual void Initialize();
  // Tells the change links and OnChange (not while loading or updating).
  virtual void Change();
  virtual void DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled = true);
  void DefineProperties(Filer::TFiler* Filer) override;
  void Loaded() override;
  void HandleNeeded();
  void GetImages(Integer Index, TBitmap* Image, TBitmap* Mask);
  // The "Bitmap" entry: the list in the graphics layer's image-list bytes.
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);
  // Whether the images equal those of another list (the "Bitmap" entry is written when not).
  bool Equal(TCustomImageList* IL);

 private:
  void CheckIndex(Integer Index);
  void CreateImageList();
  void FreeHandle();
  UINT ListFlags() const;
  void SetNewDimensions(HIMAGELIST Value);
  template <class TAddImages>
  void InsertThrough(Integer Index, TAddImages AddImages);

  HIMAGELIST FHandle = nullptr;
  Integer FWidth = 16;
  Integer FHeight = 16;
  Integer FAllocBy = 4;
  TColor FBkColor;
  TColor FBlendColor;
  TDrawingStyle FDrawingStyle = dsNormal;
  TImageType FImageType = itImage;
  bool FMasked = true;
  bool FShareImages = false;
  std::vector<TChangeLink*> FClients;
  Integer FUpdateCount = 0;
  bool FChanged = false;
  TBitmap* FMonoBitmap = nullptr;
};

// An image list whose images can follow the mouse while dragging: the drag image is drawn over the
// window it is locked to (null: the whole screen), hidden and shown again around painting.
class TDragImageList : public TCustomImageList {
  DECLARE_CLASS(TDragImageList, TCustomImageList)
 public:
  using TCustomImageList::TCustomImageList;
  // Starts showing the drag image over Window at (X, Y) of the window; false without images.
  bool BeginDrag(HWND Window, Integer X, Integer Y);
  bool DragLock(HWND Window, Integer XPos, Integer YPos);
  bool DragMove(Integer X, Integer Y);
  void DragUnlock();
  bool EndDrag();
  TPoint GetHotSpot() const { return FDragHotspot; }
  void HideDragImage();
  void ShowDragImage();
  // The image that BeginDrag shows, with the point of it that stands at the mouse.
  bool SetDragImage(Integer Index, Integer HotSpotX, Integer HotSpotY);
  bool GetDragging() const { return FDragging; }
  Integer GetDragCursor() const { return FDragCursor; }
  void SetDragCursor(Integer Value) { FDragCursor = Value; }

 protected:
  void Destroy() override;

 private:
  Integer FDragIndex = 0;
  TPoint FDragHotspot;
  HWND FDragHandle = nullptr;
  bool FDragging = false;
  Integer FDragCursor = -12;  // crDrag
};

// The image list components place on forms.
class TImageList : public TDragImageList {
  DECLARE_CLASS(TImageList, TDragImageList)
 public:
  using TDragImageList::TDragImageList;
};

}  // namespace ImgList

using namespace ImgList;
