// The painter factory and its global instance.
#include "cxPCPaintersFactory.h"

#include <algorithm>

#include "Strings.h"
#include "cxClassesResStrings.h"
#include "cxPCConsts.h"

namespace cxPCPaintersFactory {

IMPLEMENT_CLASS(TcxPCPaintersFactory)

namespace {
TcxPCPaintersFactory* Factory = nullptr;
}

void TcxPCPaintersFactory::OutError(const String& AMethodName, const String& AText) {
  throw Exception("TcxPCPaintersFactory." + AMethodName + ": " + AText);
}

void TcxPCPaintersFactory::RegisterPCPainterClass(TcxPCPainterClass APainterClass) {
  if (std::find(FPainterClassList.begin(), FPainterClassList.end(), APainterClass) == FPainterClassList.end())
    FPainterClassList.push_back(APainterClass);
}

void TcxPCPaintersFactory::UnregisterPCPainterClass(TcxPCPainterClass APainterClass) {
  std::erase(FPainterClassList, APainterClass);
}

TcxPCPainterClass TcxPCPaintersFactory::GetPainterClass(TcxPCStyleID AStyleID) const {
  for (const TcxPCPainterClass& c : FPainterClassList)
    if (c->GetStyleID() == AStyleID) return c;
  return nullptr;
}

TcxPCPainterClass TcxPCPaintersFactory::GetPainterClass(TcxPCStandardStyle AStandardStyle) const {
  for (const TcxPCPainterClass& c : FPainterClassList)
    if (c->IsStandardStyle() && c->GetStandardStyle() == AStandardStyle) return c;
  return nullptr;
}

TcxPCPainterClass TcxPCPaintersFactory::GetPainterClass(const String& AStyleName) const {
  const String name = AnsiUpperCase(AStyleName);
  for (const TcxPCPainterClass& c : FPainterClassList)
    if (AnsiUpperCase(c->GetStyleName()) == name) return c;
  return nullptr;
}

TcxPCStyleID TcxPCPaintersFactory::GetStyleID(TcxLookAndFeel* ALookAndFeel) const {
  for (auto c = FPainterClassList.rbegin(); c != FPainterClassList.rend(); ++c)
    if ((*c)->HasLookAndFeel(ALookAndFeel)) return (*c)->GetStyleID();
  return -1;
}

TcxPCStyleID TcxPCPaintersFactory::GetDefaultStyleID(TcxLookAndFeel* ALookAndFeel) const {
  if (FPainterClassList.empty()) OutError("GetDefaultStyleID", cxGetResourceString(&scxPCNoRegisteredStyles));
  for (auto c = FPainterClassList.rbegin(); c != FPainterClassList.rend(); ++c)
    if ((*c)->IsDefault(ALookAndFeel)) return (*c)->GetStyleID();
  return FPainterClassList.front()->GetStyleID();
}

TcxPCCustomPainter* TcxPCPaintersFactory::GetPainterInstance(TcxPCPainterClass APainterClass,
                                                             TcxCustomTabControl* AControl) {
  if (!APainterClass) OutError("GetPainterInstance", cxGetResourceString(&scxPCPainterClassError));
  // Made through the class record, so that any registered class can be created; the control is in
  // place before the construction chain runs.
  auto* painter = static_cast<TcxPCCustomPainter*>(APainterClass.Class()->NewInstance());
  painter->SetControl(AControl);
  return static_cast<TcxPCCustomPainter*>(TObject::Initialize(painter));
}

void TcxPCPaintersFactory::FreePainterInstance(TcxPCCustomPainter*& APainter) { FreeAndNil(APainter); }

TcxPCPaintersFactory* PaintersFactory() { return Factory; }

void RegisterPCPainterClass(TcxPCPainterClass APainterClass) {
  if (!Factory) Factory = New<TcxPCPaintersFactory>();
  Factory->RegisterPCPainterClass(APainterClass);
}

void UnregisterPCPainterClass(TcxPCPainterClass APainterClass) {
  if (!Factory) return;
  Factory->UnregisterPCPainterClass(APainterClass);
  if (Factory->GetPainterClassCount() == 0) FreeAndNil(Factory);
}

void DonePaintersFactory() { FreeAndNil(Factory); }

}  // namespace cxPCPaintersFactory
