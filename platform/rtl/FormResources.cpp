#include "FormResources.h"

#include <cstring>

#include "Components.h"
#include "Exceptions.h"
#include "Filer.h"
#include "Format.h"
#include "ObjectText.h"
#include "Resources.h"
#include "Streams.h"
#include "SysConst.h"

namespace FormResources {

namespace {

// The resource as a binary object stream: text resources are converted first.
TComponent* ReadResourceInto(HRSRC Resource, TComponent* Instance) {
  const char* data = static_cast<const char*>(LockResource(LoadResource(HInstance, Resource)));
  DWORD size = SizeofResource(HInstance, Resource);
  String binary(data ? data : "", data ? size : 0);
  if (binary.size() < sizeof FilerSignature || std::memcmp(binary.data(), FilerSignature, sizeof FilerSignature) != 0)
    binary = ObjectTextToBinaryString(binary);
  TStringStream* stream = New<TStringStream>(std::move(binary));
  TComponent* result = nullptr;
  try {
    result = ReadComponent(stream, Instance);
  } catch (...) {
    stream->Free();
    throw;
  }
  stream->Free();
  return result;
}

}  // namespace

bool InitComponentRes(const String& ResName, TComponent* Instance) {
  HRSRC resource = FindResource(HInstance, ResName.c_str(), RT_RCDATA);
  if (!resource) return false;
  ReadResourceInto(resource, Instance);
  return true;
}

TComponent* ReadComponentRes(const String& ResName, TComponent* Instance) {
  HRSRC resource = FindResource(HInstance, ResName.c_str(), RT_RCDATA);
  if (!resource) {
    throw EResNotFound(Format(SysConst::SResNotFound, {ResName}));
  }
  return ReadResourceInto(resource, Instance);
}

bool HasFormResource(TClass Class) {
  for (TClass c = Class; c && c != TComponent::StaticClass(); c = c->Parent)
    if (FindResource(HInstance, c->Name, RT_RCDATA)) return true;
  return false;
}

bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor) {
  // The chain of classes below the root ancestor, most basic first.
  std::vector<TClass> chain;
  for (TClass c = Instance->ClassType(); c && c != TComponent::StaticClass() && c != RootAncestor; c = c->Parent)
    chain.insert(chain.begin(), c);
  // One tree: Loaded runs once for each component, after the last resource.
  bool found = false;
  BeginGlobalLoading();
  try {
    for (TClass c : chain) found = InitComponentRes(c->Name, Instance) || found;
    NotifyGlobalLoading();
  } catch (...) {
    EndGlobalLoading();
    throw;
  }
  EndGlobalLoading();
  return found;
}

}  // namespace FormResources
