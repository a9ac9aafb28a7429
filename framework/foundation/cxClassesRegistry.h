// Class registries that units fill when they start and empty when they end: pairs of classes found
// by the nearest registered ancestor, and classes with a display text.
#pragma once

#include <vector>

#include "System.h"

namespace cxClasses {

// One registration: ItemClass is looked up, RegisteredClass is answered for it.
class TcxRegisteredClassListItemData : public TObject {
  DECLARE_CLASS(TcxRegisteredClassListItemData, TObject)
 public:
  TClass ItemClass = nullptr;
  TClass RegisteredClass = nullptr;
};

// Registrations kept so that a class registered as item class stands after every registered
// ancestor of it; a lookup answers the registration of the class's nearest registered ancestor
// (the class itself included), the newest one when a class is registered more than once.
class TcxRegisteredClassList : public TObject {
  DECLARE_CLASS(TcxRegisteredClassList, TObject)
 public:
  // True with AIndex at the registration of the nearest registered ancestor; false otherwise, with
  // AIndex at the first registration of a descendant of AItemClass (untouched when there is none).
  virtual bool Find(TClass AItemClass, Integer& AIndex);
  virtual void Register(TClass AItemClass, TClass ARegisteredClass);
  // Removes every registration of exactly this pair.
  virtual void Unregister(TClass AItemClass, TClass ARegisteredClass);

  TClass FindClass(TClass AItemClass);  // null when no ancestor is registered
  void Clear();
  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
  TcxRegisteredClassListItemData* GetItem(Integer Index) const;  // EListError out of range

 protected:
  void Destroy() override;

 private:
  std::vector<TcxRegisteredClassListItemData*> FItems;
};

// Classes with a text "description" or "description|hint", optionally sorted by description.
class TcxRegisteredClasses : public TObject {
  DECLARE_CLASS(TcxRegisteredClasses, TObject)
 public:
  // With ARegisterClasses every class registered here is also registered for streaming.
  explicit TcxRegisteredClasses(bool ARegisterClasses = false) : FRegisterClasses(ARegisterClasses) {}

  // Compares the descriptions of two entries by the user's locale, case ignored.
  virtual Integer CompareItems(Integer AIndex1, Integer AIndex2);
  virtual void Sort();

  // Ignored for a class that is present already.
  void Register(TClass AClass, const String& ADescription);
  void Unregister(TClass AClass);
  void Clear();

  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
  // EListError out of range.
  TClass GetItem(Integer Index) const;
  String GetDescription(Integer Index) const;
  String GetHint(Integer Index) const;
  Integer GetIndexByClass(TClass AClass) const;  // -1 when absent
  String GetDescriptionByClass(TClass AClass) const;  // "" when absent
  String GetHintByClass(TClass AClass) const;         // "" when absent
  TClass FindByClassName(const String& AClassName) const;      // exact; null when none
  TClass FindByDescription(const String& ADescription) const;  // exact; null when none
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool Value);

 private:
  struct TEntry {
    String Text;
    TClass Class;
  };
  const TEntry& Entry(Integer Index) const;
  bool FRegisterClasses;
  bool FSorted = false;
  std::vector<TEntry> FItems;
};

}  // namespace cxClasses

using namespace cxClasses;
