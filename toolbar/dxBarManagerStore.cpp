// The manager's layout store: the user's layout (bars, their links, the user's overrides, the usage
// counters and the manager's user options) written to and read from an ini file, the registry or a
// stream holding ini text, and the saved-state store that keeps the layout of the form for resetting.
#include <algorithm>

#include "Filer.h"
#include "Forms.h"
#include "IniFiles.h"
#include "Registry.h"
#include "Streams.h"
#include "StringLists.h"
#include "Strings.h"
#include "cxClassesUtils.h"
#include "dxBar.h"
#include "dxBarBar.h"
#include "dxBarDock.h"
#include "dxBarItem.h"
#include "dxBarManager.h"
#include "dxBarStoreUtils.h"

namespace dxBar {

namespace {

constexpr Integer LayoutVersion = 34;

String ItemsSection(const String& ABase) { return ABase + "Items"; }

// The number of consecutive bar sections from 0 the store holds, at most ACount: a damaged count never
// makes bars the store does not describe.
Integer StoredBarCount(IniFiles::TCustomIniFile* AIniFile, const String& ABase, Integer ACount) {
  Integer count = 0;
  while (count < ACount && AIniFile->SectionExists(ABase + "Bar" + IntToStr(count))) ++count;
  return count;
}

void CallIniFileHandlers(cxClasses::TcxEventHandlerCollection* AHandlers, TdxBarManager* AManager,
                         IniFiles::TCustomIniFile* AIniFile, const String& ABase, TdxBarStoringKind AStoringKind) {
  if (!AHandlers || AHandlers->GetCount() == 0) return;
  TdxBarIniFileEventArgs args{AIniFile, dxBarStoreDelimiter(AStoringKind), ABase};
  AHandlers->CallEvents(AManager, &args);
}

}  // namespace

// ---- Where the layout goes --------------------------------------------------------------------------
String TdxBarManager::GetBaseIniSection() {
  String result = GetName() + ".";
  for (TComponent* owner = Owner(); owner && !owner->GetName().empty(); owner = owner->Owner()) {
    result = owner->GetName() + "." + result;
    if (dynamic_cast<Forms::TCustomForm*>(owner)) break;
  }
  return result;
}

String TdxBarManager::GetBarManagerSection(const String& ABase, TdxBarStoringKind AStoringKind) {
  return AStoringKind == skIni ? ABase + "Main" : ABase;
}

bool TdxBarManager::CorrectRegistryPath(String& APath) {
  if (APath.empty()) return false;
  if (APath.front() != '\\') APath.insert(APath.begin(), '\\');
  if (APath.back() != '\\') APath.push_back('\\');
  return true;
}

// ---- Ini files, streams and the registry ------------------------------------------------------------
void TdxBarManager::LoadFromIniFile(const String& AFileName) {
  if (AFileName.empty() && !FIniStream) return;
  TMemIniFile* iniFile = New<TMemIniFile>(FIniStream ? String() : AFileName);
  try {
    if (FIniStream) {
      TStringList* lines = New<TStringList>();
      try {
        lines->LoadFromStream(FIniStream);
        iniFile->SetStrings(lines);
      } catch (...) {
        lines->Free();
        throw;
      }
      lines->Free();
    }
    LoadBarManager(iniFile, GetBaseIniSection(), skIni);
  } catch (...) {
    iniFile->Free();
    throw;
  }
  iniFile->Free();
}

void TdxBarManager::SaveToIniFile(const String& AFileName) {
  if (AFileName.empty() && !FIniStream) return;
  TMemIniFile* iniFile = New<TMemIniFile>(FIniStream ? String() : AFileName);
  try {
    SaveBarManager(iniFile, GetBaseIniSection(), skIni);
  } catch (...) {
    iniFile->Free();
    throw;
  }
  iniFile->Free();
}

void TdxBarManager::LoadFromStream(Streams::TStream* AStream) {
  FIniStream = AStream;
  try {
    LoadFromIniFile(String());
  } catch (...) {
    FIniStream = nullptr;
    throw;
  }
  FIniStream = nullptr;
}

void TdxBarManager::SaveToStream(Streams::TStream* AStream) {
  FIniStream = AStream;
  try {
    SaveToIniFile(String());
  } catch (...) {
    FIniStream = nullptr;
    throw;
  }
  FIniStream = nullptr;
}

void TdxBarManager::LoadFromRegistry(const String& APath) {
  String path = APath;
  if (!CorrectRegistryPath(path)) return;
  TRegistryIniFile* iniFile = New<TRegistryIniFile>(String());
  try {
    LoadBarManager(iniFile, path, skReg);
  } catch (...) {
    iniFile->Free();
    throw;
  }
  iniFile->Free();
}

void TdxBarManager::SaveToRegistry(const String& APath) {
  String path = APath;
  if (!CorrectRegistryPath(path)) return;
  TRegistryIniFile* iniFile = New<TRegistryIniFile>(String());
  try {
    SaveBarManager(iniFile, path, skReg);
  } catch (...) {
    iniFile->Free();
    throw;
  }
  iniFile->Free();
}

// ---- The saved-state store --------------------------------------------------------------------------
void TdxBarManager::SaveState() {
  if (!FSavedState) return;
  FInternalState.Include(bisStateSaving);
  try {
    SaveBarManager(FSavedState, GetBaseIniSection(), skIni);
  } catch (...) {
    FInternalState.Exclude(bisStateSaving);
    throw;
  }
  FInternalState.Exclude(bisStateSaving);
}

void TdxBarManager::RestoreStoredLayout() {
  SaveState();
  if (FStoreInRegistry) LoadFromRegistry(FRegistryPath);
  if (FStoreInIniFile) LoadFromIniFile(FIniFileName);
}

Integer TdxBarManager::GetSavedBarIndex(const String& ACaption) {
  if (!FSavedState) return -1;
  const String base = GetBaseIniSection();
  const Integer count = StoredBarCount(FSavedState, base, FSavedState->ReadInteger(GetBarManagerSection(base, skIni), "BarCount", 0));
  for (Integer i = 0; i < count; ++i)
    if (FSavedState->ReadString(base + "Bar" + IntToStr(i), "Caption", String()) == ACaption) return i;
  return -1;
}

// ---- The format ---------------------------------------------------------------------------------------
void TdxBarManager::SaveBarManager(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection,
                                   TdxBarStoringKind AStoringKind) {
  TStringList* sections = New<TStringList>();
  try {
    AIniFile->ReadSections(sections);
    for (Integer i = 0; i < sections->GetCount(); ++i)
      if (sections->GetStrings(i).compare(0, ABaseSection.size(), ABaseSection) == 0)
        AIniFile->EraseSection(sections->GetStrings(i));
  } catch (...) {
    sections->Free();
    throw;
  }
  sections->Free();
  if (AStoringKind == skReg) AIniFile->EraseSection(ABaseSection);

  const String mainSection = GetBarManagerSection(ABaseSection, AStoringKind);
  AIniFile->WriteInteger(mainSection, "Version", LayoutVersion);
  if (CanShowRecentItems()) {
    AIniFile->WriteBool(mainSection, "MenusShowRecentItemsFirst", FMenusShowRecentItemsFirst);
    AIniFile->WriteBool(mainSection, "ShowFullMenusAfterDelay", FShowFullMenusAfterDelay);
  }
  AIniFile->WriteBool(mainSection, "LargeIcons", GetLargeIcons());
  AIniFile->WriteInteger(mainSection, "MenuAnimations", FMenuAnimations);
  AIniFile->WriteBool(mainSection, "ShowHint", FShowHint);
  AIniFile->WriteBool(mainSection, "ShowShortCutInHint", FShowShortCutInHint);
  std::vector<TdxBar*> storedBars;
  for (Integer i = 0; FBars && i < FBars->GetCount(); ++i)
    if (TdxBarMergeData* mergeData = FBars->GetItem(i)->GetMergeData(); !mergeData || !mergeData->CreatedByMerging)
      storedBars.push_back(FBars->GetItem(i));
  AIniFile->WriteInteger(mainSection, "BarCount", static_cast<Integer>(storedBars.size()));

  const String itemsSection = ItemsSection(ABaseSection);
  AIniFile->WriteInteger(itemsSection, "ItemCount", GetItemCount());
  for (Integer i = 0; i < GetItemCount(); ++i)
    if (!GetItem(i)->GetName().empty()) AIniFile->WriteBool(itemsSection, GetItem(i)->GetName(), true);

  for (size_t i = 0; i < storedBars.size(); ++i)
    storedBars[i]->SaveToIni(AIniFile, ABaseSection, static_cast<Integer>(i), AStoringKind);
  for (Integer i = 0; i < GetItemCount(); ++i) GetItem(i)->SaveToIni(AIniFile, ABaseSection, AStoringKind);
  CallIniFileHandlers(FIniFileWriteHandlers, this, AIniFile, ABaseSection, AStoringKind);

  if (FIniStream && AStoringKind == skIni) {
    if (TMemIniFile* memIniFile = dynamic_cast<TMemIniFile*>(AIniFile)) {
      TStringList* lines = New<TStringList>();
      try {
        memIniFile->GetStrings(lines);
        lines->SaveToStream(FIniStream);
      } catch (...) {
        lines->Free();
        throw;
      }
      lines->Free();
    }
  } else
    AIniFile->UpdateFile();
}

void TdxBarManager::LoadBarManager(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection,
                                   TdxBarStoringKind AStoringKind) {
  BeginUpdate();
  try {
    const String mainSection = GetBarManagerSection(ABaseSection, AStoringKind);
    if (CanShowRecentItems()) {
      SetMenusShowRecentItemsFirst(AIniFile->ReadBool(mainSection, "MenusShowRecentItemsFirst",
                                                      FMenusShowRecentItemsFirst));
      SetShowFullMenusAfterDelay(AIniFile->ReadBool(mainSection, "ShowFullMenusAfterDelay", FShowFullMenusAfterDelay));
    }
    SetLargeIcons(AIniFile->ReadBool(mainSection, "LargeIcons", GetLargeIcons()));
    SetMenuAnimations(dxBarReadOrdinal(AIniFile, mainSection, "MenuAnimations", maNone, maFade, FMenuAnimations));
    SetShowHint(AIniFile->ReadBool(mainSection, "ShowHint", FShowHint));
    SetShowShortCutInHint(AIniFile->ReadBool(mainSection, "ShowShortCutInHint", FShowShortCutInHint));

    const Integer barCount = StoredBarCount(AIniFile, ABaseSection, AIniFile->ReadInteger(mainSection, "BarCount", 0));
    const String itemsSection = ItemsSection(ABaseSection);
    if (AIniFile->ReadInteger(itemsSection, "ItemCount", -1) != -1) {
      FNewItemsList = New<TList>();
      for (Integer i = 0; i < GetItemCount(); ++i)
        if (!AIniFile->ReadBool(itemsSection, GetItem(i)->GetName(), false)) FNewItemsList->Add(GetItem(i));
    }
    if (barCount > 0 && FBars) {
      for (Integer i = 0; i < FBars->GetCount(); ++i) {
        FBars->GetItem(i)->SetVisible(false);
        FBars->GetItem(i)->RemoveFromDockRow(false);
      }
      for (Integer i = 0; i < barCount; ++i) {
        if (i >= FBars->GetCount()) FBars->Add();
        FBars->GetItem(i)->LoadFromIni(AIniFile, ABaseSection, i, AStoringKind);
      }
    }
    for (Integer i = 0; i < GetItemCount(); ++i) GetItem(i)->LoadFromIni(AIniFile, ABaseSection, AStoringKind);
    FreeAndNil(FNewItemsList);
    CallIniFileHandlers(FIniFileReadHandlers, this, AIniFile, ABaseSection, AStoringKind);
  } catch (...) {
    FreeAndNil(FNewItemsList);
    EndUpdate(true);
    throw;
  }
  EndUpdate(true);
}

// ---- Form-stream entries ----------------------------------------------------------------------------
namespace {
// The main docks in the order of "DockControlHeights": left and right by width, top and bottom by height.
constexpr TdxBarDockingStyle DockHeightStyles[] = {dsLeft, dsRight, dsTop, dsBottom};
}  // namespace

void TdxBarManager::DefineLayoutProperties(Filer::TFiler* Filer) {
  Filer->DefineProperty("DockControlHeights", Filer::TReaderProc(this, &TdxBarManager::ReadDockControlHeights),
                        Filer::TWriterProc(this, &TdxBarManager::WriteDockControlHeights), true);
  Filer->DefineProperty("Bars", Filer::TReaderProc(this, &TdxBarManager::ReadBars), Filer::TWriterProc(), false);
}

void TdxBarManager::ReadDockControlHeights(Filer::TReader* Reader) {
  Reader->ReadListBegin();
  for (TdxBarDockingStyle style : DockHeightStyles) {
    if (Reader->EndOfList()) break;
    const Integer size = Reader->ReadInteger();
    TdxDockControl* dock = GetInternalDockControl(style);
    if (!dock) continue;
    if (style == dsLeft || style == dsRight)
      dock->SetWidth(size);
    else
      dock->SetHeight(size);
  }
  while (!Reader->EndOfList()) Reader->SkipValue();
  Reader->ReadListEnd();
}

void TdxBarManager::WriteDockControlHeights(Filer::TWriter* Writer) {
  Writer->WriteListBegin();
  for (TdxBarDockingStyle style : DockHeightStyles) {
    TdxDockControl* dock = GetInternalDockControl(style);
    Writer->WriteInteger(!dock ? 0 : style == dsLeft || style == dsRight ? dock->GetWidth() : dock->GetHeight());
  }
  Writer->WriteListEnd();
}

// The bars of an older form stream, as a collection value: each element's properties go onto the bar
// at its position, a bar being added when there are fewer.
void TdxBarManager::ReadBars(Filer::TReader* Reader) {
  Reader->CheckValue(Filer::vaCollection);
  for (Integer index = 0; !Reader->EndOfList(); ++index) {
    const Filer::TValueType kind = Reader->NextValue();
    if (kind == Filer::vaInt8 || kind == Filer::vaInt16 || kind == Filer::vaInt32) Reader->ReadInteger();
    TdxBar* bar = index < FBars->GetCount() ? FBars->GetItem(index) : FBars->Add();
    Reader->ReadListBegin();
    bar->SetNameLocked(true);
    try {
      while (!Reader->EndOfList()) Reader->ReadProperty(bar);
    } catch (...) {
      bar->SetNameLocked(false);
      throw;
    }
    bar->SetNameLocked(false);
    Reader->ReadListEnd();
  }
  Reader->ReadListEnd();
}

}  // namespace dxBar
