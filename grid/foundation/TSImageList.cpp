// Images, their collection, the image-list component and the grid's link to it.
#include "TSImageList.h"

#include <algorithm>

#include "Exceptions.h"
#include "Filer.h"
#include "Format.h"
#include "Guids.h"
#include "StringLists.h"
#include "Strings.h"
#include "TypInfo.h"
#include "Variants.h"

namespace TSImageList {

IMPLEMENT_ABSTRACT_CLASS_PUBLISHED(TtsImageItem) {
  d.Property("Bitmap", &TtsImageItem::GetBitmap, &TtsImageItem::SetBitmap);
  d.Property("Name", &TtsImageItem::GetName, &TtsImageItem::SetRefName);
  d.Property("SetName", &TtsImageItem::GetSetName, &TtsImageItem::SetSetName);
  d.Property("Transparent", &TtsImageItem::GetTransparent, &TtsImageItem::SetTransparent).Default(false);
  d.Property("TransparentColor", &TtsImageItem::GetTransparentColor, &TtsImageItem::SetTransparentColor)
      .Type(Graphics::ColorTypeInfo());
  d.Property("TransparentMode", &TtsImageItem::GetTransparentMode, &TtsImageItem::SetTransparentMode)
      .Default(Graphics::tmAuto);
}
IMPLEMENT_CLASS(TtsImage)
IMPLEMENT_ABSTRACT_CLASS(TtsImageListComponent)
IMPLEMENT_CLASS_PUBLISHED(TtsImageList) {
  d.Property("Images", &TtsImageList::GetImages, &TtsImageList::SetImages);
  d.Property("OnChange", &TtsImageList::GetOnChange, &TtsImageList::SetOnChange);
}
IMPLEMENT_CLASS(TtsImageCollection)
IMPLEMENT_CLASS(TtsImageLink)

namespace {

// A reference "set.name" split at its first "."; just a name means the main set.
void SplitReference(const String& Reference, String& Set, String& Name) {
  size_t dot = Reference.find('.');
  if (dot == String::npos) {
    Set.clear();
    Name = Trim(Reference);
  } else {
    Set = Trim(Reference.substr(0, dot));
    Name = Trim(Reference.substr(dot + 1));
  }
}

bool SameName(const String& A, const String& B) { return AnsiSameText(Trim(A), Trim(B)); }

[[noreturn]] void DuplicateName(const String& Name, const String& Set) {
  if (Set.empty()) throw EListError(Format("Name '%s' already exists in main set.", {Name}));
  throw EListError(Format("Name '%s' already exists in set '%s'.", {Name, Set}));
}

// An integer key's value; false for a key that holds none.
bool IndexOfKey(const Variant& Key, Integer& Index) {
  if (VarIsEmpty(Key) || VarIsNull(Key) || VarIsArray(Key)) return false;
  try {
    Index = Key.ToInteger();
    return true;
  } catch (const EVariantError&) {
    return false;
  }
}

}  // namespace

// ---- TtsImage -------------------------------------------------------------------------------------------

void TtsImage::Construct() {
  inherited::Construct();
  NewBitmap();
}

void TtsImage::Destroy() {
  FreeAndNil(FBitmap);
  inherited::Destroy();
}

TtsImageCollection* TtsImage::ImageCollection() const { return dynamic_cast<TtsImageCollection*>(GetCollection()); }

bool TtsImage::Reading() const {
  TtsImageCollection* images = ImageCollection();
  TtsImageList* list = images ? images->ImageList() : nullptr;
  return list && (list->ComponentState().Contains(csReading) || list->ComponentState().Contains(csLoading));
}

void TtsImage::NewBitmap() {
  TBitmap* old = FBitmap;
  FBitmap = New<TBitmap>();
  FBitmap->OnChange = TNotifyEvent(this, &TtsImage::BitmapChanged);
  FreeObject(old);
}

void TtsImage::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
}

void TtsImage::Changed() {
  if (FUpdateCount == 0 && GetCollection()) TCollectionItem::Changed(false);
}

void TtsImage::BitmapChanged(TObject*) {
  FTransparentMode = FBitmap->GetTransparentMode();
  FTransparentColor = FBitmap->GetTransparentColor();
  FTransparent = FBitmap->GetTransparent();
  Changed();
}

void TtsImage::SetBitmap(TBitmap* Value) {
  if (!Value || Value->GetEmpty()) return;
  BeginUpdate();
  try {
    NewBitmap();
    FBitmap->Assign(Value);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  Changed();
}

TColor TtsImage::GetTransparentColor() {
  if (FTransparentMode == Graphics::tmFixed) return FTransparentColor;
  return FBitmap->GetTransparentColor();
}

void TtsImage::SetTransparent(bool Value) {
  BeginUpdate();
  FBitmap->SetTransparent(Value);
  EndUpdate();
  FTransparent = Value;
  Changed();
}

void TtsImage::SetTransparentColor(TColor Value) {
  BeginUpdate();
  FBitmap->SetTransparentColor(Value);
  EndUpdate();
  FTransparentColor = Value;
  FTransparentMode = FBitmap->GetTransparentMode();
  Changed();
}

void TtsImage::SetTransparentMode(TTransparentMode Value) {
  BeginUpdate();
  FBitmap->SetTransparentMode(Value);
  EndUpdate();
  FTransparentMode = Value;
  FTransparentColor = FBitmap->GetTransparentColor();
  Changed();
}

void TtsImage::CheckUnique(const String& Name, const String& Set) {
  TtsImageCollection* images = ImageCollection();
  if (!images) return;
  for (Integer i = 0; i < images->Count(); ++i) {
    TtsImage* other = images->GetItem(i);
    if (other != this && other->FID != FID && SameName(other->FName, Name) && SameName(other->FSetName, Set))
      DuplicateName(Name, Set);
  }
}

void TtsImage::AddSetName(const String& Set) {
  TtsImageCollection* images = ImageCollection();
  if (!Set.empty() && images && images->SetNames()->IndexOf(Set) < 0) images->SetNames()->Add(Set);
}

void TtsImage::SetRefName(const String& Value) {
  if (Reading()) {
    FName = Value;
    return;
  }
  String set, name;
  SplitReference(Value, set, name);
  if (set.empty()) set = FSetName;
  if (name == Trim(FName) && set == Trim(FSetName)) return;
  TtsImageCollection* images = ImageCollection();
  if (images && images->Count() > 1) CheckUnique(name, set);
  FName = name;
  FSetName = set;
  AddSetName(set);
  Changed();
}

void TtsImage::SetSetName(const String& Value) {
  if (Reading()) {
    FSetName = Value;
    AddSetName(Value);
    return;
  }
  String set = Trim(Value);
  if (AnsiSameText(set, FSetName)) return;
  CheckUnique(FName, set);
  FSetName = set;
  AddSetName(set);
  Changed();
}

void TtsImage::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TtsImage*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  BeginUpdate();
  try {
    NewBitmap();
    if (source->FBitmap) FBitmap->Assign(source->FBitmap);
    AddSetName(source->FSetName);
    FSetName = source->FSetName;
    FName = source->FName;
    FID = source->FID;
    FTransparent = source->FTransparent;
    FTransparentColor = source->FTransparentColor;
    FTransparentMode = source->FTransparentMode;
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  Changed();
}

void TtsImage::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty("ID", Filer::TReaderProc(this, &TtsImage::ReadID), Filer::TWriterProc(this, &TtsImage::WriteID),
                        true);
}

void TtsImage::ReadID(Filer::TReader* Reader) { FID = Reader->ReadInteger(); }

void TtsImage::WriteID(Filer::TWriter* Writer) { Writer->WriteInteger(FID); }

// ---- TtsImageCollection ---------------------------------------------------------------------------------

void TtsImageCollection::Construct() {
  inherited::Construct();
  FSetNames = New<TStringList>();
}

void TtsImageCollection::Destroy() {
  inherited::Destroy();
  FreeAndNil(FSetNames);
}

void TtsImageCollection::Assign(TPersistent* Source) {
  inherited::Assign(Source);
  if (auto* source = dynamic_cast<TtsImageCollection*>(Source)) FSetNames->Assign(source->FSetNames);
}

void TtsImageCollection::Update(TCollectionItem* Item) {
  if (FImageList) FImageList->Changed(static_cast<TtsImage*>(Item));
}

void TtsImageCollection::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  inherited::Notify(Item, Action);
  if (Action != cnAdded) return;
  auto* image = static_cast<TtsImage*>(Item);
  Integer highest = 0;
  for (Integer i = 0; i < Count(); ++i)
    if (GetItem(i) != image) highest = std::max(highest, GetItem(i)->GetID());
  image->SetID(highest + 1);
  // "Image" and the smallest number that no image name ("image" in any case, then a number) has.
  std::vector<bool> taken(static_cast<size_t>(Count()) + 2, false);
  for (Integer i = 0; i < Count(); ++i) {
    String name = GetItem(i)->GetName();
    if (name.size() <= 5 || !SameText(name.substr(0, 5), "Image")) continue;
    Integer number;
    if (TryStrToInt(name.substr(5), number) && number >= 1 && number < static_cast<Integer>(taken.size()))
      taken[static_cast<size_t>(number)] = true;
  }
  Integer free = 1;
  while (taken[static_cast<size_t>(free)]) ++free;
  image->FName = "Image" + IntToStr(free);
}

Integer TtsImageCollection::NameIndex(const String& Reference) {
  String set, name;
  SplitReference(Reference, set, name);
  for (Integer i = 0; i < Count(); ++i)
    if (SameName(GetItem(i)->GetName(), name) && SameName(GetItem(i)->GetSetName(), set)) return i;
  return -1;
}

Integer TtsImageCollection::IdIndex(Integer Id) {
  for (Integer i = 0; i < Count(); ++i)
    if (GetItem(i)->GetID() == Id) return i;
  return -1;
}

bool TtsImageCollection::IndexExists(const Variant& Key) {
  if (VarIsStr(Key)) return NameIndex(VarToStr(Key)) >= 0;
  Integer index;
  return IndexOfKey(Key, index) && index >= 0 && index < Count();
}

TtsImage* TtsImageCollection::GetTsImage(const Variant& Key) {
  if (Count() == 0) return nullptr;
  if (VarIsStr(Key)) {
    Integer index = NameIndex(VarToStr(Key));
    if (index < 0) throw EListError(Format("Index '%s' not found in imagelist.", {VarToStr(Key)}));
    return GetItem(index);
  }
  Integer index = -1;
  if (!IndexOfKey(Key, index) || index < 0 || index >= Count())
    throw EListError(Format("Index (%d) out of bounds.", {index}));
  return GetItem(index);
}

void TtsImageCollection::SetTsImage(const Variant& Key, TtsImage* Image) {
  if (TtsImage* image = GetTsImage(Key)) image->Assign(Image);
}

Variant TtsImageCollection::NextIndex(const Variant& Key) { return GetNextIndex(Key, 1); }
Variant TtsImageCollection::PrevIndex(const Variant& Key) { return GetNextIndex(Key, -1); }

Variant TtsImageCollection::GetNextIndex(const Variant& Key, Integer Step) {
  Integer count = Count();
  if (count == 0) return Variant();
  if (VarIsStr(Key)) {
    String reference = VarToStr(Key);
    if (reference.empty()) return Step < 1 ? count - 1 : 0;
    Integer start = NameIndex(reference);
    if (start < 0) return Variant();
    // Cycles through the images of one name in the other sets.
    for (Integer i = (start + Step + count) % count; i != start; i = (i + Step + count) % count)
      if (GetItem(i)->GetName() == GetItem(start)->GetName()) return i;
    return start;
  }
  TVarType type = VarType(Key);
  if (type != varInteger && type != varLongWord) return Variant();
  Integer next = Key.ToInteger() + Step;
  if (next >= count) next = 0;
  if (next < 0) next = count - 1;
  return next;
}

// ---- TtsImageList ---------------------------------------------------------------------------------------

void TtsImageList::Construct() {
  inherited::Construct();
  FImages = New<TtsImageCollection>(this);
  TGUID guid;
  CreateGUID(guid);
  FGUID = GUIDToString(guid);
}

void TtsImageList::Destroy() {
  RemoveLinks();
  FreeAndNil(FImages);
  inherited::Destroy();
}

void TtsImageList::SetImages(TtsImageCollection* Value) { FImages->Assign(Value); }

void TtsImageList::AddLink(TtsImageLink* Link) {
  FLinks.push_back(Link);
  Link->FImageList = this;
}

void TtsImageList::RemoveLink(TtsImageLink* Link) {
  Link->FImageList = nullptr;
  FLinks.erase(std::remove(FLinks.begin(), FLinks.end(), Link), FLinks.end());
}

void TtsImageList::RemoveLinks() {
  while (!FLinks.empty()) {
    TtsImageLink* link = FLinks.back();
    RemoveLink(link);
    link->ImageListDeleted();
  }
}

void TtsImageList::Clear() {
  RemoveLinks();
  FImages->Clear();
  FImages->SetNames()->Clear();
}

void TtsImageList::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TtsImageList*>(Source)) {
    FImages->Assign(source->FImages);
    return;
  }
  inherited::Assign(Source);
}

TtsImageItem* TtsImageList::GetImage(const Variant& Key) { return FImages->GetTsImage(Key); }

void TtsImageList::SetImage(const Variant& Key, TtsImageItem* Image) {
  if (auto* image = dynamic_cast<TtsImage*>(Image)) FImages->SetTsImage(Key, image);
}

Integer TtsImageList::IdIndex(Integer Id) { return FImages->IdIndex(Id); }
bool TtsImageList::IndexExists(const Variant& Key) { return FImages->IndexExists(Key); }
Integer TtsImageList::NameIndex(const String& Name) { return FImages->NameIndex(Name); }
Variant TtsImageList::NextIndex(const Variant& Key) { return FImages->NextIndex(Key); }
Variant TtsImageList::PrevIndex(const Variant& Key) { return FImages->PrevIndex(Key); }

void TtsImageList::Changed(TtsImage* Image) {
  if (OnChange) OnChange(this, Image);
  std::vector<TtsImageLink*> links = FLinks;
  for (TtsImageLink* link : links) link->ImageChanged(Image);
}

void TtsImageList::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty("GUID", Filer::TReaderProc(this, &TtsImageList::ReadGUID),
                        Filer::TWriterProc(this, &TtsImageList::WriteGUID), true);
  Filer->DefineProperty("SetNames", Filer::TReaderProc(this, &TtsImageList::ReadSetNames),
                        Filer::TWriterProc(this, &TtsImageList::WriteSetNames), FImages != nullptr);
}

void TtsImageList::ReadGUID(Filer::TReader* Reader) { FGUID = Reader->ReadString(); }
void TtsImageList::WriteGUID(Filer::TWriter* Writer) { Writer->WriteString(FGUID); }
void TtsImageList::ReadSetNames(Filer::TReader* Reader) { FImages->SetNames()->SetCommaText(Reader->ReadString()); }
void TtsImageList::WriteSetNames(Filer::TWriter* Writer) { Writer->WriteString(FImages->SetNames()->GetCommaText()); }

// ---- TtsImageLink ---------------------------------------------------------------------------------------

void TtsImageLink::Destroy() {
  SetImageList(nullptr);
  inherited::Destroy();
}

void TtsImageLink::SetImageList(TtsImageListComponent* Value) {
  if (Value == FImageList) return;
  if (FImageList) FImageList->RemoveLink(this);
  if (Value) Value->AddLink(this);
  FImageList = Value;
}

TtsImageItem* TtsImageLink::GetTsImage(const Variant& Key) { return FImageList ? FImageList->GetImage(Key) : nullptr; }

}  // namespace TSImageList
