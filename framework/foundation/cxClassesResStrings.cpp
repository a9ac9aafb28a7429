#include "cxClassesResStrings.h"

#include <vector>

#include "Exceptions.h"

namespace cxClasses {

namespace {

enum TOverrideMode : Byte { omByName = 0, omByReference = 1, omNone = 2 };

// One replacement: by name the key is the caller's name; by reference the key is the table text
// at the moment of the first replacement, and Reference names the string.
struct TOverride {
  String Key;
  PResStringRec Reference;
  String Replacement;
};

struct TOverrides {
  TOverrideMode Mode = omNone;
  std::vector<TOverride> Items;
};

TOverrides& Overrides() {
  static TOverrides overrides;
  return overrides;
}

int IndexOfKey(const String& key) {
  const auto& items = Overrides().Items;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].Key == key) return static_cast<int>(i);
  return -1;
}

int IndexOfReference(PResStringRec ref) {
  const auto& items = Overrides().Items;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].Reference == ref) return static_cast<int>(i);
  return -1;
}

void EnterMode(TOverrideMode mode) {
  TOverrides& o = Overrides();
  if (o.Mode != omNone && o.Mode != mode)
    throw Exception("You cannot mix cxSetResourceString and cxSetResourceStringNet calls");
  o.Mode = mode;
}

}  // namespace

String cxGetResourceString(PResStringRec AResString) {
  const TOverrides& o = Overrides();
  if (o.Mode == omByReference) {
    int i = IndexOfReference(AResString);
    if (i >= 0) return o.Items[static_cast<size_t>(i)].Replacement;
  }
  String text = LoadResString(AResString);
  if (o.Mode == omByName) {
    int i = IndexOfKey(text);
    if (i >= 0) return o.Items[static_cast<size_t>(i)].Replacement;
  }
  return text;
}

String cxGetResourceString(const String& AResString) { return cxGetResourceStringNet(AResString); }

void cxSetResourceString(PResStringRec AResString, const String& Value) {
  EnterMode(omByReference);
  auto& items = Overrides().Items;
  int i = IndexOfReference(AResString);
  if (i >= 0)
    items[static_cast<size_t>(i)].Replacement = Value;
  else
    items.push_back(TOverride{LoadResString(AResString), AResString, Value});
}

String cxGetResourceStringNet(const String& AResString) {
  int i = IndexOfKey(AResString);
  return i >= 0 ? Overrides().Items[static_cast<size_t>(i)].Replacement : AResString;
}

void cxSetResourceStringNet(const String& AResString, const String& Value) {
  EnterMode(omByName);
  auto& items = Overrides().Items;
  int i = IndexOfKey(AResString);
  if (i >= 0)
    items[static_cast<size_t>(i)].Replacement = Value;
  else
    items.push_back(TOverride{AResString, nullptr, Value});
}

void cxClearResourceStrings() {
  TOverrides& o = Overrides();
  o.Items.clear();
  o.Mode = omNone;
}

}  // namespace cxClasses
