// TFiler, the pending-reference list, and whole components on a stream.
#include "Filer.h"

#include <algorithm>
#include <cmath>
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

void DoubleToExtended(double value, Byte out[10]) {
  UInt64 bits;
  std::memcpy(&bits, &value, sizeof bits);
  const bool negative = bits >> 63;
  const int exp = static_cast<int>((bits >> 52) & 0x7FF);
  const UInt64 frac = bits & ((UInt64{1} << 52) - 1);
  UInt64 mantissa = 0;
  int e = 0;
  if (exp == 0x7FF) {  // infinity or NaN
    e = 0x7FFF;
    mantissa = (UInt64{1} << 63) | (frac << 11);
  } else if (exp != 0) {
    e = exp - 1023 + 16383;
    mantissa = (UInt64{1} << 63) | (frac << 11);
  } else if (frac != 0) {  // a subnormal double is a normal extended
    int shift = 0;
    while (!(frac & (UInt64{1} << (63 - shift)))) ++shift;  // frac < 2^52, so shift >= 11
    mantissa = frac << shift;
    e = 63 - 1074 - shift + 16383;
  }
  PutLE<UInt64>(out, mantissa);
  PutLE<uint16_t>(out + 8, static_cast<uint16_t>(e | (negative ? 0x8000 : 0)));
}

double ExtendedToDouble(const Byte in[10]) {
  const UInt64 mantissa = GetLE<UInt64>(in);
  const uint16_t se = GetLE<uint16_t>(in + 8);
  const bool negative = se & 0x8000;
  const int e = se & 0x7FFF;
  double r;
  if (e == 0x7FFF) r = (mantissa << 1) == 0 ? HUGE_VAL : std::nan("");
  else if (mantissa == 0) r = 0.0;
  else r = std::ldexp(static_cast<double>(mantissa), e - 16383 - 63);
  return negative ? -r : r;
}

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
