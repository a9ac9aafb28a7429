// The customization selection protocol: every object that can be selected while a bar manager is
// customized (components, item links, bars) answers it.
#pragma once

#include "Interfaces.h"
#include "dxBarTypes.h"

namespace dxBar {

class IdxBarSelectableItem : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IdxBarSelectableItem, "{6DCCAA42-48D0-4D7D-BEDF-1EADC2197131}")
 public:
  virtual bool CanDelete(bool AExtended = false) = 0;
  // Frees the object when CanDelete allows it, clearing AReference first.
  virtual void DeleteSelection(IdxBarSelectableItem*& AReference, bool AExtended) = 0;
  virtual void ExecuteCustomizationAction(TdxBarCustomizationAction AAction) = 0;
  virtual TdxBarManager* GetBarManager() = 0;
  virtual TPersistent* GetInstance() = 0;
  // The objects whose deletion takes this one with it.
  virtual void GetMasterObjects(TdxObjectList* AList) = 0;
  virtual IdxBarSelectableItem* GetNextSelectableItem() = 0;
  virtual IdxBarSelectableItem* GetSelectableParent() = 0;
  virtual TdxBarSelectionStatus GetSelectionStatus() = 0;
  virtual TdxBarCustomizationActions GetSupportedActions() = 0;
  virtual void Invalidate() = 0;
  virtual bool IsComplex() = 0;
  virtual bool IsComponentSelected() = 0;
  virtual void SelectComponent(TdxBarSelectionOperation AOperation = soExclusive) = 0;
  virtual bool SelectParentComponent() = 0;
  virtual void SelectionChanged() = 0;
};

// The selection service of customization: the form designer at design time, the customizing dialog's
// selection controller at run time.
class IdxBarDesigner : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IdxBarDesigner, "{B364658F-B4CE-46C3-83D5-D537F34B9482}")
 public:
  virtual bool CanDeleteComponent(TComponent* AComponent) = 0;
  virtual void GetSelection(TList* AList) = 0;
  virtual TdxBarSelectionStatus GetSelectionStatus(TPersistent* APersistent) = 0;
  virtual bool IsComponentSelected(TPersistent* APersistent) = 0;
  virtual void SelectComponent(TPersistent* APersistent, TdxBarSelectionOperation AOperation) = 0;
  virtual void SetSelection(TList* AList) = 0;
  virtual void ShowDefaultEventHandler(TdxBarItem* AItem) = 0;
  virtual String UniqueName(const String& ABaseName) = 0;
};

}  // namespace dxBar

using namespace dxBar;
