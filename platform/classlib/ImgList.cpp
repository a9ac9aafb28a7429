// TCustomImageList over the graphics layer's image lists: adding, replacing and moving images,
// drawing enabled or disabled, change links, resources and the "Bitmap" form entry.
#include "ImgList.h"

#include <algorithm>
#include <cstring>

#include "BitmapFile.h"
#include "Exceptions.h"
#include "Filer.h"
#include "Resources.h"
#include "Streams.h"
#include "WinIcons.h"
#include "WinImageList.h"

namespace ImgList {

namespace {

[[noreturn]] void IndexError() { throw EInvalidOperation("Invalid ImageList Index"); }

COLORREF RGBOf(TColor Color) {
  if (Color == clNone) return CLR_NONE;
  if (Color == clDefault) return CLR_DEFAULT;
  return ColorToRGB(Color);
}

TColor ColorOf(COLORREF Color) {
  if (Color == CLR_NONE) return clNone;
  if (Color == CLR_DEFAULT) return clDefault;
  return static_cast<TColor>(Color);
}

HBITMAP HandleOf(TBitmap* Bitmap) { return Bitmap && !Bitmap->GetEmpty() ? Bitmap->GetHandle() : nullptr; }

}  // namespace

// ---- TChangeLink ------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TChangeLink)

void TChangeLink::Change() {
  if (OnChange) OnChange(FSender);
}

void TChangeLink::Destroy() {
  if (FSender) FSender->UnRegisterChanges(this);
  inherited::Destroy();
}

// ---- TCustomImageList -------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TCustomImageList) {
  d.Property("AllocBy", &TCustomImageList::GetAllocBy, &TCustomImageList::SetAllocBy).Default(4);
  d.Property("BlendColor", &TCustomImageList::GetBlendColor, &TCustomImageList::SetBlendColor)
      .Default(clNone)
      .Type(ColorTypeInfo());
  d.Property("BkColor", &TCustomImageList::GetBkColor, &TCustomImageList::SetBkColor)
      .Default(clNone)
      .Type(ColorTypeInfo());
  d.Property("DrawingStyle", &TCustomImageList::GetDrawingStyle, &TCustomImageList::SetDrawingStyle)
      .Default(dsNormal);
  d.Property("Height", &TCustomImageList::GetHeight, &TCustomImageList::SetHeight).Default(16);
  d.Property("ImageType", &TCustomImageList::GetImageType, &TCustomImageList::SetImageType).Default(itImage);
  d.Property("Masked", &TCustomImageList::GetMasked, &TCustomImageList::SetMasked).Default(true);
  d.Property("ShareImages", &TCustomImageList::GetShareImages, &TCustomImageList::SetShareImages).Default(false);
  d.Property("Width", &TCustomImageList::GetWidth, &TCustomImageList::SetWidth).Default(16);
  d.Property("OnChange", &TCustomImageList::GetOnChange, &TCustomImageList::SetOnChange);
}

TCustomImageList* TCustomImageList::CreateSize(Integer AWidth, Integer AHeight) {
  auto* list = New<TCustomImageList>();
  try {
    list->SetWidth(AWidth);
    list->SetHeight(AHeight);
  } catch (...) {
    list->Free();
    throw;
  }
  return list;
}

void TCustomImageList::Construct() {
  inherited::Construct();
  Initialize();
}

void TCustomImageList::Initialize() {
  FWidth = 16;
  FHeight = 16;
  FAllocBy = 4;
  FBkColor = clNone;
  FBlendColor = clNone;
  FDrawingStyle = dsNormal;
  FImageType = itImage;
  FMasked = true;
}

void TCustomImageList::Destroy() {
  for (TChangeLink* link : FClients) link->SetSender(nullptr);
  FClients.clear();
  FreeHandle();
  if (FMonoBitmap) FMonoBitmap->Free();
  FMonoBitmap = nullptr;
  inherited::Destroy();
}

UINT TCustomImageList::ListFlags() const { return ILC_COLOR32 | (FMasked ? ILC_MASK : 0); }

void TCustomImageList::CreateImageList() {
  FHandle = ImageList_Create(FWidth, FHeight, ListFlags(), FAllocBy, FAllocBy);
  if (!FHandle) throw EInvalidOperation("Error creating window image list");
  if (FBkColor != clNone) ImageList_SetBkColor(FHandle, RGBOf(FBkColor));
}

void TCustomImageList::HandleNeeded() {
  if (!FHandle) CreateImageList();
}

void TCustomImageList::FreeHandle() {
  if (FHandle && !FShareImages) ImageList_Destroy(FHandle);
  FHandle = nullptr;
}

HIMAGELIST TCustomImageList::GetHandle() {
  HandleNeeded();
  return FHandle;
}

void TCustomImageList::SetNewDimensions(HIMAGELIST Value) {
  int cx = 0, cy = 0;
  if (Value && ImageList_GetIconSize(Value, &cx, &cy)) {
    FWidth = cx;
    FHeight = cy;
  }
}

void TCustomImageList::SetHandle(HIMAGELIST Value) {
  FreeHandle();
  if (Value) {
    SetNewDimensions(Value);
    COLORREF bk = ImageList_GetBkColor(Value);
    FBkColor = ColorOf(bk);
  }
  FHandle = Value;
  Change();
}

Integer TCustomImageList::GetCount() { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

void TCustomImageList::SetWidth(Integer Value) {
  if (Value == FWidth) return;
  if (Value < 1 || Value > 4096) throw EInvalidOperation("Invalid image size");
  FWidth = Value;
  if (FHandle) ImageList_SetIconSize(FHandle, FWidth, FHeight);
  Change();
}

void TCustomImageList::SetHeight(Integer Value) {
  if (Value == FHeight) return;
  if (Value < 1 || Value > 4096) throw EInvalidOperation("Invalid image size");
  FHeight = Value;
  if (FHandle) ImageList_SetIconSize(FHandle, FWidth, FHeight);
  Change();
}

TColor TCustomImageList::GetBkColor() { return FHandle ? ColorOf(ImageList_GetBkColor(FHandle)) : FBkColor; }

void TCustomImageList::SetBkColor(TColor Value) {
  FBkColor = Value;
  if (FHandle) ImageList_SetBkColor(FHandle, RGBOf(Value));
  Change();
}

void TCustomImageList::SetBlendColor(TColor Value) {
  if (Value == FBlendColor) return;
  FBlendColor = Value;
  Change();
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle Value) {
  if (Value == FDrawingStyle) return;
  FDrawingStyle = Value;
  Change();
}

void TCustomImageList::SetImageType(TImageType Value) {
  if (Value == FImageType) return;
  FImageType = Value;
  Change();
}

// A list with or without masks is another kind of list: the images go with the old one.
void TCustomImageList::SetMasked(bool Value) {
  if (Value == FMasked) return;
  FMasked = Value;
  if (FHandle) {
    FreeHandle();
    CreateImageList();
  }
  Change();
}

// ---- Change notification ----------------------------------------------------------------------------
void TCustomImageList::Change() {
  FChanged = true;
  if (FUpdateCount > 0 || ComponentState().Contains(csLoading)) return;
  FChanged = false;
  // A link may unregister itself (or another) while it hears of the change.
  std::vector<TChangeLink*> clients = FClients;
  for (TChangeLink* link : clients)
    if (std::find(FClients.begin(), FClients.end(), link) != FClients.end()) link->Change();
  if (OnChange) OnChange(this);
}

void TCustomImageList::Loaded() {
  inherited::Loaded();
  if (FChanged) Change();
}

void TCustomImageList::BeginUpdate() { ++FUpdateCount; }

void TCustomImageList::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0 && FChanged) Change();
}

void TCustomImageList::RegisterChanges(TChangeLink* Value) {
  if (!Value) return;
  Value->SetSender(this);
  if (std::find(FClients.begin(), FClients.end(), Value) == FClients.end()) FClients.push_back(Value);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Value) {
  auto it = std::find(FClients.begin(), FClients.end(), Value);
  if (it == FClients.end()) return;
  (*it)->SetSender(nullptr);
  FClients.erase(it);
}

// ---- Images -----------------------------------------------------------------------------------------
void TCustomImageList::CheckIndex(Integer Index) {
  if (Index < 0 || Index >= GetCount()) IndexError();
}

Integer TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  if (!Image) return -1;
  HandleNeeded();
  Integer result = ImageList_Add(FHandle, HandleOf(Image), HandleOf(Mask));
  if (result >= 0) Change();
  return result;
}

Integer TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  if (!Image) return -1;
  if (MaskColor == clNone) return Add(Image, nullptr);
  HandleNeeded();
  Integer result = ImageList_AddMasked(FHandle, HandleOf(Image), ColorToRGB(MaskColor));
  if (result >= 0) Change();
  return result;
}

Integer TCustomImageList::AddIcon(TIcon* Image) {
  if (!Image || !Image->GetHandle()) return -1;
  HandleNeeded();
  Integer result = ImageList_AddIcon(FHandle, Image->GetHandle());
  if (result >= 0) Change();
  return result;
}

void TCustomImageList::AddImages(TCustomImageList* Value) {
  if (!Value || Value == this) return;
  BeginUpdate();
  try {
    TOwnedPtr<TBitmap> image = NewOwned<TBitmap>(), mask = NewOwned<TBitmap>();
    for (Integer i = 0, n = Value->GetCount(); i < n; ++i) {
      Value->GetImages(i, image.get(), mask.get());
      Add(image.get(), FMasked && Value->GetMasked() ? mask.get() : nullptr);
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

// Adds through AddImages at the end, then moves what it added to Index onwards, in one update.
template <class TAddImages>
void TCustomImageList::InsertThrough(Integer Index, TAddImages AddImages) {
  if (Index < 0 || Index > GetCount()) IndexError();
  BeginUpdate();
  try {
    const Integer before = GetCount();
    if (AddImages() >= 0)
      for (Integer k = 0, added = GetCount() - before; k < added; ++k) Move(before + k, Index + k);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TCustomImageList::Insert(Integer Index, TBitmap* Image, TBitmap* Mask) {
  InsertThrough(Index, [&] { return Add(Image, Mask); });
}

void TCustomImageList::InsertMasked(Integer Index, TBitmap* Image, TColor MaskColor) {
  InsertThrough(Index, [&] { return AddMasked(Image, MaskColor); });
}

void TCustomImageList::InsertIcon(Integer Index, TIcon* Image) {
  InsertThrough(Index, [&] { return AddIcon(Image); });
}

void TCustomImageList::Replace(Integer Index, TBitmap* Image, TBitmap* Mask) {
  CheckIndex(Index);
  if (!ImageList_Replace(FHandle, Index, HandleOf(Image), HandleOf(Mask)))
    throw EInvalidOperation("Failed to replace image");
  Change();
}

void TCustomImageList::ReplaceMasked(Integer Index, TBitmap* NewImage, TColor MaskColor) {
  CheckIndex(Index);
  if (!NewImage) throw EInvalidOperation("Failed to replace image");
  if (MaskColor == clNone) {
    Replace(Index, NewImage, nullptr);
    return;
  }
  // The mask is white where the image has the mask colour; a copy keeps the caller's bitmap as it was.
  TOwnedPtr<TBitmap> copy = NewOwned<TBitmap>();
  copy->Assign(NewImage);
  copy->SetTransparentColor(MaskColor);
  HBITMAP mask = copy->GetMaskHandle();
  if (!ImageList_Replace(FHandle, Index, HandleOf(copy.get()), mask)) throw EInvalidOperation("Failed to replace image");
  Change();
}

void TCustomImageList::ReplaceIcon(Integer Index, TIcon* Image) {
  CheckIndex(Index);
  if (!Image || ImageList_ReplaceIcon(FHandle, Index, Image->GetHandle()) < 0)
    throw EInvalidOperation("Failed to replace image");
  Change();
}

void TCustomImageList::Delete(Integer Index) {
  if (Index >= GetCount()) IndexError();
  if (Index < -1) IndexError();
  if (FHandle) ImageList_Remove(FHandle, Index);
  Change();
}

void TCustomImageList::Clear() { Delete(-1); }

void TCustomImageList::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) return;
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  if (CurIndex < NewIndex)
    for (Integer i = CurIndex; i < NewIndex; ++i) ImageList_Copy(FHandle, i + 1, FHandle, i, ILCF_SWAP);
  else
    for (Integer i = CurIndex; i > NewIndex; --i) ImageList_Copy(FHandle, i - 1, FHandle, i, ILCF_SWAP);
  Change();
}

// The image and its mask as bitmaps of the list's size, the alpha of 32-bit images kept.
void TCustomImageList::GetImages(Integer Index, TBitmap* Image, TBitmap* Mask) {
  IMAGEINFO info;
  if (!FHandle || !ImageList_GetImageInfo(FHandle, Index, &info)) return;
  auto copy = [&](HBITMAP strip, TBitmap* to, TPixelFormat format) {
    if (!to) return;
    to->SetPixelFormat(format);
    to->SetSize(FWidth, FHeight);
    HDC src = CreateCompatibleDC(nullptr), dst = CreateCompatibleDC(nullptr);
    HGDIOBJ oldSrc = SelectObject(src, strip), oldDst = SelectObject(dst, to->GetHandle());
    if (strip) BitBlt(dst, 0, 0, FWidth, FHeight, src, info.rcImage.left, info.rcImage.top, SRCCOPY);
    else PatBlt(dst, 0, 0, FWidth, FHeight, BLACKNESS);
    SelectObject(src, oldSrc);
    SelectObject(dst, oldDst);
    DeleteDC(src);
    DeleteDC(dst);
  };
  copy(info.hbmImage, Image, pf32bit);
  copy(info.hbmMask, Mask, pf1bit);
}

bool TCustomImageList::GetBitmap(Integer Index, TBitmap* Image) {
  if (!Image || !FHandle || Index < 0 || Index >= GetCount()) return false;
  Image->SetSize(FWidth, FHeight);
  TCanvas* c = Image->GetCanvas();
  c->GetBrush()->SetColor(FBkColor == clNone ? clWhite : FBkColor);
  c->FillRect(TRect(0, 0, FWidth, FHeight));
  ImageList_Draw(FHandle, Index, c->GetHandle(), 0, 0, ILD_NORMAL);
  return true;
}

void TCustomImageList::GetIcon(Integer Index, TIcon* Image) {
  if (!Image || !FHandle) return;
  CheckIndex(Index);
  Image->SetHandle(ImageList_GetIcon(FHandle, Index, ILD_NORMAL));
}

HBITMAP TCustomImageList::GetImageBitmap() {
  IMAGEINFO info;
  HandleNeeded();
  return ImageList_GetImageInfo(FHandle, 0, &info) ? info.hbmImage : nullptr;
}

HBITMAP TCustomImageList::GetMaskBitmap() {
  IMAGEINFO info;
  HandleNeeded();
  return ImageList_GetImageInfo(FHandle, 0, &info) ? info.hbmMask : nullptr;
}

// ---- Drawing ----------------------------------------------------------------------------------------
void TCustomImageList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, bool Enabled) {
  Draw(Canvas, X, Y, Index, FDrawingStyle, FImageType, Enabled);
}

void TCustomImageList::Draw(TCanvas* Canvas, Integer X, Integer Y, Integer Index, TDrawingStyle ADrawingStyle,
                            TImageType AImageType, bool Enabled) {
  static constexpr UINT DrawingStyles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  static constexpr UINT Images[] = {0, ILD_MASK};
  if (FHandle && Canvas) DoDraw(Index, Canvas, X, Y, DrawingStyles[ADrawingStyle] | Images[AImageType], Enabled);
}

void TCustomImageList::DoDraw(Integer Index, TCanvas* Canvas, Integer X, Integer Y, UINT Style, bool Enabled) {
  if (!FHandle || Index < 0 || Index >= GetCount()) return;
  if (Enabled) {
    ImageList_DrawEx(FHandle, Index, Canvas->GetHandle(), X, Y, 0, 0, RGBOf(FBkColor), RGBOf(FBlendColor), Style);
    return;
  }
  // The disabled look: the image's dark pixels, found on a monochrome copy, drawn in the button
  // highlight colour one pixel down and right, then in the shadow colour in place.
  if (!FMonoBitmap) {
    FMonoBitmap = New<TBitmap>();
    FMonoBitmap->SetMonochrome(true);
  }
  FMonoBitmap->SetSize(FWidth, FHeight);
  TCanvas* mono = FMonoBitmap->GetCanvas();
  mono->GetBrush()->SetColor(clWhite);
  mono->FillRect(TRect(0, 0, FWidth, FHeight));
  ImageList_DrawEx(FHandle, Index, mono->GetHandle(), 0, 0, 0, 0, CLR_NONE, 0, ILD_NORMAL);
  constexpr DWORD ROP_DSPDxax = 0x00E20746;
  HDC src = mono->GetHandle();
  for (TColor color : {clBtnHighlight, clBtnShadow}) {
    Integer offset = color == clBtnHighlight ? 1 : 0;
    Canvas->GetBrush()->SetColor(color);
    Canvas->FillRect(TRect(0, 0, 0, 0));  // selects the brush
    HDC dst = Canvas->GetHandle();
    COLORREF oldText = SetTextColor(dst, RGB(255, 255, 255));
    COLORREF oldBk = ::SetBkColor(dst, RGB(0, 0, 0));
    BitBlt(dst, X + offset, Y + offset, FWidth, FHeight, src, 0, 0, ROP_DSPDxax);
    SetTextColor(dst, oldText);
    ::SetBkColor(dst, oldBk);
  }
}

// ---- Assigning and resources ------------------------------------------------------------------------
void TCustomImageList::Assign(TPersistent* Source) {
  if (!Source) {
    Clear();
    return;
  }
  auto* list = dynamic_cast<TCustomImageList*>(Source);
  if (!list) {
    inherited::Assign(Source);
    return;
  }
  if (list == this) return;
  BeginUpdate();
  try {
    if (FHandle) ImageList_Remove(FHandle, -1);
    bool otherKind = FMasked != list->FMasked;
    FMasked = list->FMasked;
    FImageType = list->FImageType;
    FDrawingStyle = list->FDrawingStyle;
    FBlendColor = list->FBlendColor;
    FAllocBy = list->FAllocBy;
    if (FWidth != list->FWidth || FHeight != list->FHeight || otherKind) {
      FWidth = list->FWidth;
      FHeight = list->FHeight;
      FreeHandle();
    }
    HandleNeeded();
    SetBkColor(list->GetBkColor());
    AddImages(list);
    Change();
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

bool TCustomImageList::GetResource(TResType ResType, const String& Name, Integer Width, TLoadResources LoadFlags,
                                   TColor MaskColor) {
  return GetInstRes(MainInstance, ResType, Name, Width, LoadFlags, MaskColor);
}

bool TCustomImageList::GetInstRes(HINSTANCE Instance, TResType ResType, const String& Name, Integer Width,
                                  TLoadResources LoadFlags, TColor MaskColor) {
  if (ResType == rtBitmap) {
    UINT flags = LR_CREATEDIBSECTION;
    if (LoadFlags.Contains(lrFromFile)) flags |= LR_LOADFROMFILE;
    if (LoadFlags.Contains(lrMonoChrome)) flags |= LR_MONOCHROME;
    HIMAGELIST list = ImageList_LoadImage(Instance, Name.c_str(), Width, FAllocBy, RGBOf(MaskColor), IMAGE_BITMAP, flags);
    if (!list) return false;
    FMasked = MaskColor != clNone;
    SetHandle(list);
    return true;
  }
  if (ResType == rtIcon) {
    TOwnedPtr<TIcon> icon = NewOwned<TIcon>();
    try {
      TOwnedPtr<TResourceStream> res(New<TResourceStream>(Instance, Name, RT_ICON));
      icon->LoadFromStream(res.get());
    } catch (const EResNotFound&) {
      return false;
    }
    BeginUpdate();
    try {
      FreeHandle();
      FWidth = Width > 0 ? Width : icon->GetWidth();
      FHeight = Width > 0 ? Width : icon->GetHeight();
      CreateImageList();
      AddIcon(icon.get());
      Change();
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
    return true;
  }
  return false;
}

bool TCustomImageList::ResourceLoad(TResType ResType, const String& Name, TColor MaskColor) {
  return ResInstLoad(MainInstance, ResType, Name, MaskColor);
}

bool TCustomImageList::ResInstLoad(HINSTANCE Instance, TResType ResType, const String& Name, TColor MaskColor) {
  if (ResType == rtBitmap) {
    TOwnedPtr<TBitmap> bitmap = NewOwned<TBitmap>();
    try {
      bitmap->LoadFromResourceName(Instance, Name);
    } catch (const EResNotFound&) {
      return false;
    }
    if (MaskColor == clDefault) MaskColor = bitmap->GetCanvas()->GetPixel(0, 0);
    return AddMasked(bitmap.get(), MaskColor) >= 0;
  }
  if (ResType == rtIcon) {
    TOwnedPtr<TIcon> icon = NewOwned<TIcon>();
    try {
      TOwnedPtr<TResourceStream> res(New<TResourceStream>(Instance, Name, RT_ICON));
      icon->LoadFromStream(res.get());
    } catch (const EResNotFound&) {
      return false;
    }
    return AddIcon(icon.get()) >= 0;
  }
  return false;
}

// ---- The "Bitmap" entry -----------------------------------------------------------------------------
bool TCustomImageList::Equal(TCustomImageList* IL) {
  if (!IL) return false;
  if (GetCount() != IL->GetCount()) return false;
  if (GetCount() == 0) return true;
  std::vector<BYTE> mine, theirs;
  ImageList_Write(FHandle, mine);
  ImageList_Write(IL->FHandle, theirs);
  return mine == theirs;
}

void TCustomImageList::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  bool hasData;
  if (auto* ancestor = dynamic_cast<TCustomImageList*>(Filer->GetAncestor())) hasData = !Equal(ancestor);
  else hasData = GetCount() > 0;
  Filer->DefineBinaryProperty("Bitmap", Filer::TStreamProc(this, &TCustomImageList::ReadData),
                              Filer::TStreamProc(this, &TCustomImageList::WriteData), hasData);
}

void TCustomImageList::ReadData(TStream* Stream) {
  Int64 size = Stream->GetSize() - Stream->GetPosition();
  std::vector<BYTE> bytes(static_cast<size_t>(std::max<Int64>(size, 0)));
  if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
  HIMAGELIST list = ImageList_Read(bytes.data(), bytes.size());
  if (!list) throw EReadError("Failed to read ImageList data from stream");
  FreeHandle();
  SetNewDimensions(list);
  FHandle = list;
  FBkColor = ColorOf(ImageList_GetBkColor(list));
  Change();
}

void TCustomImageList::WriteData(TStream* Stream) {
  std::vector<BYTE> bytes;
  if (!FHandle || !ImageList_Write(FHandle, bytes)) throw EWriteError("Failed to write ImageList data to stream");
  Stream->WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

IMPLEMENT_CLASS(TImageList)

}  // namespace ImgList
