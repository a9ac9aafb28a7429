// Finding bar managers and the forms they belong to.
#include "dxBarLookups.h"

#include "Controls.h"
#include "Forms.h"
#include "WinFocus.h"
#include "WinManage.h"
#include "cxControlsUtils.h"
#include "dxBarManager.h"

namespace dxBar {

namespace {

HWND OwnerWindow(TdxBarManager* ABarManager) {
  auto* owner = dynamic_cast<TWinControl*>(ABarManager->Owner());
  if (!owner || !CanAllocateHandle(owner)) return nullptr;
  return owner->GetHandle();
}

}  // namespace

TdxBarManager* GetBarManagerByComponent(TComponent* AComponent) {
  if (auto* manager = dynamic_cast<TdxBarManager*>(AComponent)) return manager;
  if (!dxBarManagerList || !AComponent) return nullptr;
  for (Integer i = 0; i < dxBarManagerList->GetCount(); ++i)
    if (dxBarManagerList->GetBarManager(i)->Owner() == AComponent) return dxBarManagerList->GetBarManager(i);
  return nullptr;
}

TdxBarManager* GetBarManagerByForm(Forms::TCustomForm* AForm) { return GetBarManagerByComponent(AForm); }

TdxBarManager* GetBarManagerForComponent(TComponent* AComponent) {
  TComponent* component = AComponent;
  while (component && !dynamic_cast<TWinControl*>(component)) component = component->Owner();
  auto* control = static_cast<TWinControl*>(component);
  if (!control || !control->HandleAllocated()) return nullptr;
  for (HWND window = control->GetHandle(); window;) {
    if (TWinControl* windowControl = FindControl(window))
      if (TdxBarManager* manager = GetBarManagerByComponent(windowControl)) return manager;
    if (!IsChildClassWindow(window)) break;
    window = GetParent(window);
  }
  return nullptr;
}

Forms::TCustomForm* FindManagerForm(TdxBarManager* ABarManager, TdxBarManagerFormKind AFormKind) {
  Forms::TCustomForm* result = nullptr;
  for (HWND window = OwnerWindow(ABarManager); window; window = GetParent(window)) {
    if (auto* form = dynamic_cast<Forms::TCustomForm*>(FindControl(window))) {
      result = form;
      if (AFormKind == fkAny || (AFormKind == fkMainOrMDIChild && form->GetFormStyle() == fsMDIChild)) break;
    }
    if (!IsChildClassWindow(window)) break;
  }
  return result;
}

bool IsWindowOfManagerOwner(TdxBarManager* ABarManager, HWND AWindow) {
  for (HWND window = OwnerWindow(ABarManager); window; window = GetParent(window)) {
    if (window == AWindow) return true;
    if (!IsChildClassWindow(window)) break;
  }
  return false;
}

bool IsFormActive(Forms::TCustomForm* AForm) {
  if (!AForm || !AForm->HandleAllocated()) return false;
  const HWND active = GetActiveWindow();
  if (AForm->GetHandle() == active) return true;
  // The class library has no MDI frame, so an MDI child is never the active one of its parent.
  return AForm->GetFormStyle() != fsMDIChild && GetAncestor(AForm->GetHandle(), GA_ROOT) == active;
}

// ---- The manager's own look-ups ----------------------------------------------------------------------------
Forms::TCustomForm* TdxBarManager::GetMainForm() { return FindManagerForm(this, fkMain); }
Forms::TCustomForm* TdxBarManager::GetMasterForm() { return FindManagerForm(this, fkMainOrMDIChild); }
Forms::TCustomForm* TdxBarManager::GetParentForm() { return FindManagerForm(this, fkAny); }

TdxBarManager* TdxBarManager::GetParentBarManager() {
  const HWND window = OwnerWindow(this);
  if (!window) return nullptr;
  for (HWND child = window; IsChildClassWindow(child);) {
    child = GetParent(child);
    if (!child) break;
    if (TdxBarManager* manager = GetBarManagerByComponent(FindControl(child))) return manager;
  }
  return nullptr;
}

bool TdxBarManager::IsActiveCandidateFor(TdxBarManager* AManager) {
  Forms::TCustomForm* mainForm = AManager->GetMainForm();
  if (!mainForm || !mainForm->HandleAllocated() || !IsWindowOfManagerOwner(this, mainForm->GetHandle())) return false;
  Forms::TCustomForm* master = GetMasterForm();
  return !master || master->GetFormStyle() != fsMDIChild || IsFormActive(master);
}

}  // namespace dxBar
