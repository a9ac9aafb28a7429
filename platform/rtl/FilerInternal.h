// Private helpers shared by the object stream's sources: little-endian byte codecs and the
// pending-reference list. Not for use outside the filer.
#pragma once

#include <type_traits>

#include "System.h"

namespace Persistent {
class TPersistent;
}
namespace Components {
class TComponent;
}
namespace TypInfo {
struct TPropInfo;
}
namespace Filer {
class TReader;
class TWriter;
}  // namespace Filer

namespace FilerInternal {

template <class T>
void PutLE(Byte* out, T value) {
  using U = std::make_unsigned_t<T>;
  U u = static_cast<U>(value);
  for (size_t i = 0; i < sizeof(T); ++i) out[i] = static_cast<Byte>(u >> (8 * i));
}

template <class T>
T GetLE(const Byte* in) {
  using U = std::make_unsigned_t<T>;
  U u = 0;
  for (size_t i = 0; i < sizeof(T); ++i) u |= static_cast<U>(static_cast<U>(in[i]) << (8 * i));
  return static_cast<T>(u);
}

// A component reference read from a stream, waiting for the component it names.
struct TPendingReference {
  Persistent::TPersistent* Instance;
  const TypInfo::TPropInfo* PropInfo;
  Components::TComponent* Root;  // the root the reference was read under
  String Name;                   // as written: "Button1", "Form2.Table1", "Owner"
};
// The component a reference names: within Root first, then under the global component named by
// its first part. Null when not (yet) found.
Components::TComponent* ResolveReference(Components::TComponent* Root, const String& Name);
void AddPendingReference(const TPendingReference& Reference);

// The message of an error in one entry: "Error reading Button1.Caption: <message>".
String PropertyErrorMessage(const String& ObjectName, const String& PropPath, const String& Message);

// Published Variant properties (the Variant type is complete only in their source).
void ReadVariantProp(Filer::TReader* Reader, Persistent::TPersistent* Instance, const TypInfo::TPropInfo* PropInfo);
void WriteVariantProp(Filer::TWriter* Writer, Persistent::TPersistent* Instance, const TypInfo::TPropInfo* PropInfo);
bool IsDefaultVariantProp(Persistent::TPersistent* Instance, const TypInfo::TPropInfo* PropInfo,
                          Persistent::TPersistent* Ancestor);

}  // namespace FilerInternal
