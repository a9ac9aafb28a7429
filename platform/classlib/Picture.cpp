// TPicture: one graphic of any kind; the "Data" entry of a form resource names its class before
// the graphic's own data.
#include "Filer.h"
#include "FileNames.h"
#include "Graphics.h"
#include "Streams.h"
#include "Strings.h"

namespace Graphics {

IMPLEMENT_CLASS(TPicture)

void TPicture::Destroy() {
  if (FGraphic) FGraphic->Free();
  FGraphic = nullptr;
  inherited::Destroy();
}

void TPicture::Changed(TObject*) {
  if (OnChange) OnChange(this);
}

template <class T>
T* TPicture::ForceGraphic() {
  if (auto* g = dynamic_cast<T*>(FGraphic)) return g;
  T* g = New<T>();
  g->OnChange = TNotifyEvent(this, &TPicture::Changed);
  if (FGraphic) FGraphic->Free();
  FGraphic = g;
  return g;
}

TBitmap* TPicture::GetBitmap() { return ForceGraphic<TBitmap>(); }
TIcon* TPicture::GetIcon() { return ForceGraphic<TIcon>(); }

void TPicture::SetGraphic(TGraphic* Value) {
  if (Value == FGraphic) return;
  TGraphic* copy = nullptr;
  if (Value) {
    copy = static_cast<TGraphic*>(Value->ClassType()->Create());
    try {
      copy->Assign(Value);
    } catch (...) {
      copy->Free();
      throw;
    }
    copy->OnChange = TNotifyEvent(this, &TPicture::Changed);
  }
  if (FGraphic) FGraphic->Free();
  FGraphic = copy;
  Changed(this);
}

void TPicture::Assign(TPersistent* Source) {
  if (!Source) SetGraphic(nullptr);
  else if (auto* p = dynamic_cast<TPicture*>(Source)) SetGraphic(p->FGraphic);
  else if (auto* g = dynamic_cast<TGraphic*>(Source)) SetGraphic(g);
  else inherited::Assign(Source);
}

void TPicture::AssignTo(TPersistent* Dest) {
  if (FGraphic && Dest && FGraphic->ClassType() == Dest->ClassType()) Dest->Assign(FGraphic);
  else inherited::AssignTo(Dest);
}

Integer TPicture::GetWidth() const { return FGraphic ? FGraphic->GetWidth() : 0; }
Integer TPicture::GetHeight() const { return FGraphic ? FGraphic->GetHeight() : 0; }

void TPicture::LoadFromFile(const String& FileName) {
  String ext = LowerCase(ExtractFileExt(FileName));
  TGraphic* g;
  if (ext == ".bmp") g = New<TBitmap>();
  else if (ext == ".ico") g = New<TIcon>();
  else throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
  try {
    g->LoadFromFile(FileName);
  } catch (...) {
    g->Free();
    throw;
  }
  g->OnChange = TNotifyEvent(this, &TPicture::Changed);
  if (FGraphic) FGraphic->Free();
  FGraphic = g;
  Changed(this);
}

void TPicture::SaveToFile(const String& FileName) {
  if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::DefineProperties(Filer::TFiler* Filer) {
  bool hasData;
  if (auto* ancestor = dynamic_cast<TPicture*>(Filer->GetAncestor())) {
    hasData = ancestor->FGraphic != FGraphic &&
              (!FGraphic || !ancestor->FGraphic || !FGraphic->Equals(ancestor->FGraphic));
  } else {
    hasData = FGraphic && !FGraphic->GetEmpty();
  }
  Filer->DefineBinaryProperty("Data", Filer::TStreamProc(this, &TPicture::ReadData),
                              Filer::TStreamProc(this, &TPicture::WriteData), hasData);
}

// The class name as a short string, then the graphic's own data.
void TPicture::ReadData(TStream* Stream) {
  Byte length = 0;
  Stream->ReadBuffer(&length, 1);
  String name(length, '\0');
  if (length) Stream->ReadBuffer(name.data(), length);
  TClass cls = SameText(name, "TBitmap") ? TBitmap::StaticClass()
               : SameText(name, "TIcon")  ? TIcon::StaticClass()
                                          : GetClass(name);
  if (!cls || !cls->InheritsFrom(TGraphic::StaticClass()))
    throw EInvalidGraphic("Unknown picture class " + name);
  auto* g = static_cast<TGraphic*>(cls->Create());
  try {
    g->ReadData(Stream);
  } catch (...) {
    g->Free();
    throw;
  }
  g->OnChange = TNotifyEvent(this, &TPicture::Changed);
  if (FGraphic) FGraphic->Free();
  FGraphic = g;
  Changed(this);
}

void TPicture::WriteData(TStream* Stream) {
  String name = FGraphic ? FGraphic->ClassName() : String();
  Byte length = static_cast<Byte>(name.size());
  Stream->WriteBuffer(&length, 1);
  if (length) Stream->WriteBuffer(name.data(), length);
  if (FGraphic) FGraphic->WriteData(Stream);
}

}  // namespace Graphics
