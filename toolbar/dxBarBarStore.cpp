// A toolbar in the layout store: its place (dock control, docking style, row, docked and floating
// geometry), its caption and visibility, and its links under its own section.
#include <algorithm>

#include "Forms.h"
#include "IniFiles.h"
#include "Strings.h"
#include "dxBar.h"
#include "dxBarBar.h"
#include "dxBarDock.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarStoreUtils.h"

namespace dxBar {

namespace {

// The dock control's name as the store keeps it: prefixed by its owners up to the manager's owner
// (a dock control on another form starts with that form's name).
String StoredDockControlName(TdxBarDockControl* ADockControl, TdxBarManager* AManager) {
  if (!ADockControl || ADockControl->GetName().empty()) return String();
  String result = ADockControl->GetName();
  for (TComponent* owner = ADockControl->Owner(); owner && owner != AManager->Owner(); owner = owner->Owner()) {
    if (owner->GetName().empty()) break;
    result = owner->GetName() + "." + result;
    if (dynamic_cast<Forms::TCustomForm*>(owner)) break;
  }
  return result;
}

TdxBarDockControl* FindStoredDockControl(TdxBarManager* AManager, const String& AName) {
  return dynamic_cast<TdxBarDockControl*>(AName.empty() ? nullptr : AManager->FindDockControl(AName));
}

}  // namespace

// A dock control named as the store keeps it: "Form.Path.Name" from a global form, else a component
// of the manager's owner.
TdxDockControl* TdxBarManager::FindDockControl(const String& AName) {
  TComponent* component = nullptr;
  const size_t dot = AName.find('.');
  if (dot == String::npos)
    component = Owner() ? Owner()->FindComponent(AName) : nullptr;
  else {
    component = FindGlobalComponent(AName.substr(0, dot));
    size_t start = dot + 1;
    while (component && start <= AName.size()) {
      const size_t next = std::min(AName.find('.', start), AName.size());
      component = component->FindComponent(AName.substr(start, next - start));
      start = next + 1;
    }
  }
  return dynamic_cast<TdxBarDockControl*>(component);
}

String TdxBar::GetIniSection(const String& ABaseSection, Integer ABarIndex, TdxBarStoringKind) {
  return ABaseSection + "Bar" + IntToStr(ABarIndex);
}

void TdxBar::SaveToIni(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection, Integer ABarIndex,
                       TdxBarStoringKind AStoringKind) {
  TdxBarManager* manager = GetBarManager();
  const String section = GetIniSection(ABaseSection, ABarIndex, AStoringKind);
  AIniFile->WriteString(section, "Caption", FCaption);
  if (const String name = StoredDockControlName(FDockControl, manager); !name.empty())
    AIniFile->WriteString(section, "DockControl", name);
  if (const String name = StoredDockControlName(FDockedDockControl, manager); !name.empty())
    AIniFile->WriteString(section, "DockedDockControl", name);
  AIniFile->WriteInteger(section, "DockedDockingStyle", GetDockedDockingStyle());
  AIniFile->WriteInteger(section, "DockedLeft", FDockedLeft);
  AIniFile->WriteInteger(section, "DockedTop", FDockedTop);
  AIniFile->WriteInteger(section, "DockingStyle", GetDockingStyle());
  AIniFile->WriteInteger(section, "FloatClientHeight", FFloatClientHeight);
  AIniFile->WriteInteger(section, "FloatClientWidth", FFloatClientWidth);
  AIniFile->WriteInteger(section, "FloatLeft", FFloatLeft);
  AIniFile->WriteInteger(section, "FloatTop", FFloatTop);
  AIniFile->WriteBool(section, "OneOnRow", FOneOnRow);
  AIniFile->WriteInteger(section, "Row", FRow);
  bool visible;
  if (FMergeData && FMergeData->MergedWith)
    visible = FMergeData->VisibleBeforeMerging;
  else
    visible = GetVisible() || (manager && manager->BarRestoringListExists() &&
                                manager->GetBarIndexInRestoringList(this) >= 0);
  AIniFile->WriteBool(section, "Visible", visible);
  FItemLinks->SaveToIni(AIniFile, section, AStoringKind);
}

void TdxBar::LoadFromIni(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection, Integer ABarIndex,
                         TdxBarStoringKind AStoringKind, bool ALoadBarProperties) {
  TdxBarManager* manager = GetBarManager();
  const String section = GetIniSection(ABaseSection, ABarIndex, AStoringKind);
  FItemLinks->LoadFromIni(AIniFile, section, AStoringKind);
  if (!ALoadBarProperties) return;
  try {
    SetCaption(AIniFile->ReadString(section, "Caption", FCaption));
    SetDockedDockControl(FindStoredDockControl(manager, AIniFile->ReadString(section, "DockedDockControl", String())));
    SetDockedDockingStyle(
        dxBarReadOrdinal(AIniFile, section, "DockedDockingStyle", dsNone, dsBottom, GetDockedDockingStyle()));
    SetDockedValue(0, AIniFile->ReadInteger(section, "DockedLeft", FDockedLeft));
    SetDockedValue(1, AIniFile->ReadInteger(section, "DockedTop", FDockedTop));
    SetOneOnRow(AIniFile->ReadBool(section, "OneOnRow", FOneOnRow));
    SetFloatValue(0, AIniFile->ReadInteger(section, "FloatLeft", FFloatLeft));
    SetFloatValue(1, AIniFile->ReadInteger(section, "FloatTop", FFloatTop));
    SetFloatValue(2, AIniFile->ReadInteger(section, "FloatClientWidth", FFloatClientWidth));
    SetFloatValue(3, AIniFile->ReadInteger(section, "FloatClientHeight", FFloatClientHeight));
    // A dock control found gives the docking style; the stored style places the bar otherwise.
    if (TdxBarDockControl* dockControl =
            FindStoredDockControl(manager, AIniFile->ReadString(section, "DockControl", String())))
      SetDockControl(dockControl);
    else {
      if (FDockControl && FDockControl->AllowUndockWhenLoadFromIni()) SetDockControl(nullptr);
      SetDockingStyle(dxBarReadOrdinal(AIniFile, section, "DockingStyle", dsNone, dsBottom, GetDockingStyle()));
    }
    SetRow(AIniFile->ReadInteger(section, "Row", FRow));
    SetVisible(AIniFile->ReadBool(section, "Visible", false));
    if (FMergeData) FMergeData->MergedWith = nullptr;
  } catch (...) {
    // What was read stays; the bar shows rather than vanish with a damaged section.
    SetVisible(true);
  }
}

void TdxBar::LoadUsageData(IniFiles::TCustomIniFile* AIniFile, const String& ASection) {
  FItemLinks->LoadUsageData(AIniFile, ASection);
}

}  // namespace dxBar
