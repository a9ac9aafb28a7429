// The editor unit's shared state and small services: the registry of editor kinds (one settings
// class per kind, with a "name|description" text), the edit repository with its named, shareable
// editor settings, the default edit style controller and repository, the drawing-emulation switch,
// and the routines the editor classes share.
#pragma once

#include <vector>

#include "Components.h"
#include "Controls.h"
#include "Graphics.h"
#include "Variants.h"
#include "cxContainerViewInfo.h"
#include "cxLookAndFeels.h"

namespace cxClasses {
class TcxRegisteredClasses;
}
namespace cxGraphics {
class TcxRegion;
}

namespace cxEdit {

class TcxCustomEdit;
class TcxCustomEditProperties;
class TcxEditRepositoryItem;
class TcxEditStyleController;

using TcxEditValue = Variant;

// What an editor learns of the repository item it uses: the item goes, or its settings changed.
class IcxEditRepositoryItemListener : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxEditRepositoryItemListener, "{4E27D642-022B-4CD2-AB96-64C7CF9B3299}")
 public:
  virtual void ItemRemoved(TcxEditRepositoryItem* Sender) = 0;
  virtual void PropertiesChanged(TcxEditRepositoryItem* Sender) = 0;
};

// A component holding repository items; it frees them with itself.
class TcxEditRepository : public TComponent {
  DECLARE_CLASS(TcxEditRepository, TComponent)
 public:
  explicit TcxEditRepository(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  // An item of AItemClass owned by the repository (CreateItemEx with the repository as owner).
  virtual TcxEditRepositoryItem* CreateItem(TClass AItemClass);
  // An item of AItemClass owned by AOwner and moved into this repository.
  virtual TcxEditRepositoryItem* CreateItemEx(TClass AItemClass, TComponent* AOwner);
  // Frees the items, the last first.
  void Clear();
  // The first item whose name equals AName, letters compared without case; null when none.
  TcxEditRepositoryItem* ItemByName(const String& AName);
  Integer GetCount() const { return static_cast<Integer>(FItems.size()); }
  TcxEditRepositoryItem* GetItem(Integer Index) const { return FItems.at(static_cast<size_t>(Index)); }
  // The items owned by Root, so that they are written with the form that owns them.
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

 protected:
  friend class TcxEditRepositoryItem;
  void Destroy() override;
  void AddItem(TcxEditRepositoryItem* AItem);
  void RemoveItem(TcxEditRepositoryItem* AItem);

 private:
  std::vector<TcxEditRepositoryItem*> FItems;
};

// One named set of editor settings that editors may use instead of their own.
class TcxEditRepositoryItem : public TComponent {
  DECLARE_CLASS(TcxEditRepositoryItem, TComponent)
 public:
  explicit TcxEditRepositoryItem(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  // The settings class of the item's kind (a class operation).
  virtual TClass GetEditPropertiesClass();
  virtual void AddListener(IcxEditRepositoryItemListener* AListener);
  virtual void RemoveListener(IcxEditRepositoryItemListener* AListener);
  // The name proposed for a new item: the repository's name and the kind part of the class name.
  virtual String GetBaseName();

  TcxCustomEditProperties* GetProperties() const { return FProperties; }
  // Assigns Value's settings to the item's own.
  void SetProperties(TcxCustomEditProperties* Value);
  TcxEditRepository* GetRepository() const { return FRepository; }
  void SetRepository(TcxEditRepository* Value);

  TComponent* GetParentComponent() override { return FRepository; }
  bool HasParent() override { return FRepository != nullptr; }

  // Kept in the form stream only; never fired.
  TNotifyEvent PropertiesEvents;
  TNotifyEvent GetPropertiesEvents() const { return PropertiesEvents; }
  void SetPropertiesEvents(TNotifyEvent Value) { PropertiesEvents = Value; }

 protected:
  void Construct() override;
  void Destroy() override;
  void SetParentComponent(TComponent* AParent) override;
  void ReadState(Filer::TReader* Reader) override;
  // Tells every listener, the last first.
  virtual void PropertiesChanged(TObject* Sender);

 private:
  std::vector<IcxEditRepositoryItemListener*> FListeners;
  TcxCustomEditProperties* FProperties = nullptr;
  TcxEditRepository* FRepository = nullptr;
};

// ---- The unit's shared objects ------------------------------------------------------------------------
// The registry of editor kinds, sorted by description; made on first use.
cxClasses::TcxRegisteredClasses* GetRegisteredEditProperties();
// The repository that belongs to no form; made on first use.
TcxEditRepository* GetDefaultEditRepository();
// The style controller every stand-alone editor follows unless bound to another one.
TcxEditStyleController* DefaultEditStyleController();
// The live editor settings objects, in the order they were made.
const std::vector<TcxCustomEditProperties*>& EditPropertiesList();
bool EmulateStandardControlDrawing();
// Stores a changed value and makes every control follow it (the root look-and-feel tells its
// listeners of a change).
void SetStandardControlDrawingEmulationMode(bool AValue);

// ---- Routines -----------------------------------------------------------------------------------------
TShiftState ButtonToShift(TMouseButton AButton);
TShiftState cxButtonToShift(TcxMouseButton AButton);
// Raises each dimension of ASize to at least AMinSize's.
void CheckSize(TSize& ASize, const TSize& AMinSize);
// Both numeric, or of the same variant type, and exactly equal.
bool cxEditVarEquals(const Variant& V1, const Variant& V2);
// Of the same variant type and exactly equal.
bool InternalVarEqualsExact(const Variant& V1, const Variant& V2);
// The characters 0, 9, 10, 12, 13 and the blank.
bool IsSpaceChar(char C);
// The key messages to the control's window, the key code as the first parameter and 0 as the second.
void SendKeyDown(TWinControl* AControl, Word AKey, TShiftState AShift);
void SendKeyPress(TWinControl* AControl, char AKey);
void SendKeyUp(TWinControl* AControl, Word AKey, TShiftState AShift);
void UniteRegions(cxGraphics::TcxRegion* ADest, cxGraphics::TcxRegion* ASource);
// The first component along the owner chain of APersistent, the object itself included.
TComponent* GetOwnerComponent(TPersistent* APersistent);
// The sender of events that only stand-alone editors fire: none for an in-place editor.
TcxCustomEdit* GetStandaloneEventSender(TcxCustomEdit* AEdit);
// The look the controls inside the editor's drop-down window take.
TcxLookAndFeelKind GetEditPopupWindowControlsLookAndFeelKind(TcxCustomEdit* AEdit);

// The screen cursor of the editors' mouse wheel.
constexpr TCursor crcxEditMouseWheel = 4101;

// The unit's start and end; each runs once however often it is asked for.
void InitEdit();
void DoneEdit();

}  // namespace cxEdit

using namespace cxEdit;
