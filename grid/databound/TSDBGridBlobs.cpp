// Blob wrappers and their streams: saving a blob to streams, files, string lists and bitmaps, the
// memo's texts, and copying blobs between wrappers.
#include "DBTables.h"
#include "Graphics.h"
#include "StringLists.h"
#include "TSDBGridBase.h"
#include "TSDBGridFields.h"

namespace TSDBGrid {

IMPLEMENT_ABSTRACT_CLASS(TtsDBBlobField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBMemoField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBGraphicField)
IMPLEMENT_ABSTRACT_CLASS(TtsDBBlobStream)

namespace {
using TBlobStreamPtr = TOwnedPtr<TtsDBBlobStream>;

TBlobStreamPtr ReadStream(TtsDBBlobField* Wrapper) { return NewOwned<TtsDBBlobStream>(Wrapper, DB::bmRead); }

DB::TBlobField* BlobOf(TtsDBField* Wrapper) { return static_cast<DB::TBlobField*>(Wrapper->GetFieldObject()); }
}  // namespace

// ---- TtsDBBlobStream ---------------------------------------------------------------------------------

void TtsDBBlobStream::Construct() {
  inherited::Construct();
  FInnerStream = New<DBTables::TBlobStream>(BlobOf(FWrapper), FMode);
}

void TtsDBBlobStream::Destroy() {
  // A write stream hands its bytes to the field here; the stream is released even when the
  // field refuses them.
  DBTables::TBlobStream* inner = FInnerStream;
  FInnerStream = nullptr;
  try {
    if (inner) inner->Free();
  } catch (...) {
    inherited::Destroy();
    throw;
  }
  inherited::Destroy();
}

Integer TtsDBBlobStream::Read(void* Buffer, Integer Count) { return FInnerStream->Read(Buffer, Count); }
Integer TtsDBBlobStream::Write(const void* Buffer, Integer Count) { return FInnerStream->Write(Buffer, Count); }
Int64 TtsDBBlobStream::Seek(Int64 Offset, Streams::TSeekOrigin Origin) { return FInnerStream->Seek(Offset, Origin); }

// ---- TtsDBBlobField --------------------------------------------------------------------------------------

void TtsDBBlobField::SaveToStream(Streams::TStream* Stream) {
  if (StandardScrolling()) {
    BlobOf(this)->SaveToStream(Stream);
    return;
  }
  TBlobStreamPtr blob = ReadStream(this);
  Stream->CopyFrom(blob.get(), 0);
}

void TtsDBBlobField::SaveToFile(const String& FileName) {
  TOwnedPtr<Streams::TFileStream> file = NewOwned<Streams::TFileStream>(FileName, Streams::fmCreate);
  SaveToStream(file.get());
}

void TtsDBBlobField::SaveToStrings(StringLists::TStrings* Strings) {
  TBlobStreamPtr blob = ReadStream(this);
  Strings->LoadFromStream(blob.get());
}

void TtsDBBlobField::SaveToBitmap(Graphics::TBitmap* Bitmap) {
  TBlobStreamPtr blob = ReadStream(this);
  Int64 size = blob->GetSize();
  if (size >= 8) {
    // A picture stored with a graphic header: kind 1, version 0x0100 and the length of the rest.
    uint16_t kind = 0, version = 0;
    uint32_t length = 0;
    blob->ReadBuffer(&kind, sizeof kind);
    blob->ReadBuffer(&version, sizeof version);
    blob->ReadBuffer(&length, sizeof length);
    if (!(kind == 1 && version == 0x0100 && static_cast<Int64>(length) == size - 8)) blob->SetPosition(0);
  }
  Bitmap->LoadFromStream(blob.get());
}

void TtsDBBlobField::LoadFromBlob(TtsDBBlobField* Source) {
  TOwnedPtr<TtsDBBlobStream> blob = NewOwned<TtsDBBlobStream>(this, DB::bmWrite);
  Source->SaveToStream(blob.get());
}

void TtsDBBlobField::Assign(TPersistent* Source) {
  if (!FieldEditOk()) return;
  if (auto* wrapper = dynamic_cast<TtsDBBlobField*>(Source)) {
    LoadFromBlob(wrapper);
    return;
  }
  BlobOf(this)->Assign(Source);
}

void TtsDBBlobField::AssignTo(TPersistent* Dest) {
  if (StandardScrolling()) {
    Dest->Assign(GetFieldObject());
    return;
  }
  if (auto* picture = dynamic_cast<Graphics::TPicture*>(Dest)) Dest = picture->GetBitmap();
  if (auto* bitmap = dynamic_cast<Graphics::TBitmap*>(Dest)) {
    SaveToBitmap(bitmap);
    return;
  }
  if (auto* strings = dynamic_cast<StringLists::TStrings*>(Dest)) {
    SaveToStrings(strings);
    return;
  }
  inherited::AssignTo(Dest);
}

// ---- TtsDBMemoField ----------------------------------------------------------------------------------------

namespace {
// A memo cell shows its text: the field's own text handler decides when it has one.
String MemoText(TtsDBMemoField* Wrapper, bool DisplayText) {
  TField* field = Wrapper->GetFieldObject();
  if (!field->OnGetText) return Wrapper->GetAsString();
  String text;
  field->OnGetText(field, text, DisplayText);
  return text;
}
}  // namespace

String TtsDBMemoField::GetDisplayText() { return StandardScrolling() ? MemoText(this, true) : inherited::GetDisplayText(); }
String TtsDBMemoField::GetEditText() { return StandardScrolling() ? MemoText(this, false) : inherited::GetEditText(); }
bool TtsDBMemoField::GetTransliterate() { return static_cast<DB::TMemoField*>(GetFieldObject())->GetTransliterate(); }
void TtsDBMemoField::SetTransliterate(bool Value) {
  static_cast<DB::TMemoField*>(GetFieldObject())->SetTransliterate(Value);
}

TtsControlType TtsDBGraphicField::GetControlType() { return TSGrid::ctPicture; }

}  // namespace TSDBGrid
