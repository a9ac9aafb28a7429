// TFiler, the pending-reference list, and whole components on a stream.
#include "Filer.h"

#include <algorithm>
#include <mutex>

#include "Components.h"
#include "Exceptions.h"
#include "FilerInternal.h"
#include "Format.h"
#include "Streams.h"
#include "Strings.h"
#include "SysConst.h"
#include "TypInfo.h"

namespace FilerInternal {

String PropertyErrorMessage(const String& ObjectName, const String& PropPath, const String& Message) {
  return Format(SysConst::SPropertyException, {ObjectName, ".", PropPath, Message});
}

namespace {
std::mutex pendingLock;
std::vector<TPendingReference>& Pending() {
  static std::vector<TPendingReference> list;
  return list;
}
}  // namespace

Components::TComponent* ResolveReference(Components::TComponent* Root, const String& Name) {
  if (TComponent* c = FindNestedComponent(Root, Name)) return c;
  size_t dot = Name.find('.');
  if (dot == String::npos) return nullptr;
  TComponent* global = FindGlobalComponent(Name.substr(0, dot));
  return global ? FindNestedComponent(global, Name.substr(dot + 1)) : nullptr;
}

void AddPendingReference(const TPendingReference& Reference) {
  std::lock_guard guard(pendingLock);
  Pending().push_back(Reference);
}

}  // namespace FilerInternal

namespace Filer {

using namespace FilerInternal;

IMPLEMENT_ABSTRACT_CLASS(TFiler)

TFiler::TFiler(TStream* Stream, Integer BufSize)
    : FStream(Stream), FBuffer(static_cast<size_t>(std::max(BufSize, 16))) {}

// ---- Pending references ---------------------------------------------------------------------------
void GlobalFixupReferences() {
  std::vector<TPendingReference> ready;
  std::vector<TComponent*> targets;
  {
    std::lock_guard guard(pendingLock);
    auto& list = Pending();
    for (auto it = list.begin(); it != list.end();) {
      if (TComponent* target = ResolveReference(it->Root, it->Name)) {
        ready.push_back(*it);
        targets.push_back(target);
        it = list.erase(it);
      } else {
        ++it;
      }
    }
  }
  // Setters run outside the lock: they may free objects, which forget their own references.
  for (size_t i = 0; i < ready.size(); ++i) ready[i].PropInfo->SetObj(ready[i].Instance, targets[i]);
}

void RemoveFixupReferences(TComponent* Root, const String& RootName) {
  std::lock_guard guard(pendingLock);
  auto& list = Pending();
  list.erase(std::remove_if(list.begin(), list.end(),
                            [&](const TPendingReference& r) {
                              if (Root && r.Root != Root) return false;
                              if (RootName.empty()) return true;
                              return SameText(r.Name.substr(0, r.Name.find('.')), RootName);
                            }),
             list.end());
}

void RemoveFixups(TPersistent* Instance) {
  std::lock_guard guard(pendingLock);
  auto& list = Pending();
  if (list.empty()) return;
  list.erase(std::remove_if(list.begin(), list.end(),
                            [&](const TPendingReference& r) {
                              return r.Instance == Instance || static_cast<TPersistent*>(r.Root) == Instance;
                            }),
             list.end());
}

// ---- Whole components on a stream ------------------------------------------------------------------
namespace {
// Frees a reader or writer; while another exception is on its way, a failure to hand back the
// buffer must not replace it.
template <class F>
void FreeAfter(F* filer, bool failing) {
  if (!failing) {
    filer->Free();
    return;
  }
  try {
    filer->Free();
  } catch (...) {
  }
}
}  // namespace

TComponent* ReadComponent(TStream* Stream, TComponent* Instance) {
  TReader* reader = New<TReader>(Stream, 4096);
  TComponent* result = nullptr;
  try {
    result = reader->ReadRootComponent(Instance);
  } catch (...) {
    FreeAfter(reader, true);
    throw;
  }
  FreeAfter(reader, false);
  return result;
}

void WriteDescendent(TStream* Stream, TComponent* Instance, TComponent* Ancestor) {
  TWriter* writer = New<TWriter>(Stream, 4096);
  try {
    writer->WriteDescendent(Instance, Ancestor);
  } catch (...) {
    FreeAfter(writer, true);
    throw;
  }
  FreeAfter(writer, false);
}

void WriteComponent(TStream* Stream, TComponent* Instance) { WriteDescendent(Stream, Instance, nullptr); }

}  // namespace Filer
