// TGraphic: what every picture shares: change notification, files, equality by saved bytes, and the
// "Data" entry through which a picture is kept in a form resource.
#include <cstring>

#include "Filer.h"
#include "Graphics.h"
#include "Streams.h"

namespace Graphics {

IMPLEMENT_ABSTRACT_CLASS(TGraphic)

void TGraphic::Changed(TObject*) {
  FModified = true;
  if (OnChange) OnChange(this);
}

void TGraphic::SetModified(bool Value) {
  if (Value) Changed(this);
  else FModified = false;
}

void TGraphic::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Changed(this);
}

void TGraphic::LoadFromFile(const String& FileName) {
  TOwnedPtr<TFileStream> stream(New<TFileStream>(FileName, fmOpenRead));
  LoadFromStream(stream.get());
}

void TGraphic::SaveToFile(const String& FileName) {
  TOwnedPtr<TFileStream> stream(New<TFileStream>(FileName, fmCreate));
  SaveToStream(stream.get());
}

bool TGraphic::Equals(TGraphic* Graphic) {
  if (!Graphic || Graphic->ClassType() != ClassType()) return false;
  if (GetEmpty() || Graphic->GetEmpty()) return GetEmpty() && Graphic->GetEmpty();
  TOwnedPtr<TMemoryStream> mine(New<TMemoryStream>()), theirs(New<TMemoryStream>());
  WriteData(mine.get());
  Graphic->WriteData(theirs.get());
  return mine->GetSize() == theirs->GetSize() &&
         std::memcmp(mine->GetMemory(), theirs->GetMemory(), static_cast<size_t>(mine->GetSize())) == 0;
}

void TGraphic::DefineProperties(Filer::TFiler* Filer) {
  // Written when it differs from the ancestor's picture, or, without one, when there is a picture.
  bool hasData;
  if (auto* ancestor = dynamic_cast<TGraphic*>(Filer->GetAncestor())) hasData = !Equals(ancestor);
  else hasData = !GetEmpty();
  Filer->DefineBinaryProperty("Data", Filer::TStreamProc(this, &TGraphic::ReadDataProc),
                              Filer::TStreamProc(this, &TGraphic::WriteDataProc), hasData);
}

void TGraphic::ReadData(TStream* Stream) { LoadFromStream(Stream); }
void TGraphic::WriteData(TStream* Stream) { SaveToStream(Stream); }

}  // namespace Graphics
