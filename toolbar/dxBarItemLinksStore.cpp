// Item links in the layout store: each link one section under its container's section, the
// collection's count beside them. A stored layout is outside data: counts are cut to the sections
// present, ordinals outside their enumeration keep the current value.
#include "IniFiles.h"
#include "Streams.h"
#include "Strings.h"
#include "dxBar.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarStoreUtils.h"

namespace dxBar {

namespace {

String LinkSection(const String& AContainerSection, Integer AIndex, TdxBarStoringKind AStoringKind) {
  return AContainerSection + dxBarStoreDelimiter(AStoringKind) + "ItemLink" + IntToStr(AIndex);
}

// The user values a link overrides: one digit (as older layouts write it), else one stored byte.
TdxBarUserDefines ReadUserDefine(IniFiles::TCustomIniFile* AIniFile, const String& ASection,
                                 TdxBarStoringKind AStoringKind) {
  constexpr UInt64 knownBits = 0x0F;
  if (AStoringKind == skIni) {
    const String text = AIniFile->ReadString(ASection, "UserDefine", String());
    if (text.size() == 1)
      return text[0] >= '0' && text[0] <= '9' ? TdxBarUserDefines::FromBits(UInt64(text[0] - '0') & knownBits)
                                               : TdxBarUserDefines();
    if (text.size() != 2) return TdxBarUserDefines();
  }
  Integer byte = 0;
  if (!dxBarReadByte(AIniFile, ASection, "UserDefine", byte)) return TdxBarUserDefines();
  return TdxBarUserDefines::FromBits(UInt64(byte) & knownBits);
}

bool IsOnToolbar(TdxBarItemLinks* ALinks) { return Is<TdxBarControlItemLinks>(ALinks); }

bool UsesRecentCounters(TdxBarItemLinks* ALinks) {
  TdxBarManager* manager = ALinks->GetBarManager();
  return manager && manager->CanShowRecentItems() && ALinks->GetUseRecentItems();
}

// Cut at the first missing section: a damaged count never runs past what the store holds.
Integer StoredLinkCount(IniFiles::TCustomIniFile* AIniFile, const String& ASection, Integer ACount,
                        TdxBarStoringKind AStoringKind) {
  Integer count = 0;
  while (count < ACount && AIniFile->SectionExists(LinkSection(ASection, count, AStoringKind))) ++count;
  return count;
}

}  // namespace

// ---- A link ---------------------------------------------------------------------------------------------
void TdxBarItemLink::SaveToIni(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection, Integer AIndex,
                               TdxBarStoringKind AStoringKind) {
  const String section = LinkSection(ABaseSection, AIndex, AStoringKind);
  AIniFile->WriteString(section, "ItemName", FItem->GetName());
  AIniFile->WriteBool(section, "BeginGroup", FBeginGroup);
  dxBarWriteByte(AIniFile, section, "UserDefine", Integer(FUserDefine.ToBits()));
  if (FUserDefine.Contains(udCaption)) AIniFile->WriteString(section, "UserCaption", FUserCaption);
  if (FUserDefine.Contains(udPaintStyle)) AIniFile->WriteInteger(section, "UserPaintStyle", FUserPaintStyle);
  if (FUserDefine.Contains(udWidth)) AIniFile->WriteInteger(section, "UserWidth", FUserWidth);
  if (FUserDefine.Contains(udGlyph) && AStoringKind == skReg) {
    TMemoryStream* stream = New<TMemoryStream>();
    try {
      FUserGlyph->SaveToStream(stream);
      stream->SetPosition(0);
      AIniFile->WriteBinaryStream(section, "UserGlyph", stream);
    } catch (...) {
      stream->Free();
      throw;
    }
    stream->Free();
  }
  if (IsOnToolbar(FLinks)) {
    AIniFile->WriteInteger(section, "ButtonGroup", FButtonGroup);
    AIniFile->WriteInteger(section, "Position", FPosition);
    dxBarWriteByte(AIniFile, section, "ViewLevels", Integer(FViewLevels.ToBits()));
    AIniFile->WriteBool(section, "Visible", FVisible);
  }
  if (UsesRecentCounters(FLinks)) {
    AIniFile->WriteInteger(section, "UseCount", FUseCount);
    AIniFile->WriteInteger(section, "RecentIndex", GetRecentIndex());
  }
  if (TdxBarManager* manager = GetBarManager(); manager && manager->GetIsStateSaving())
    AIniFile->WriteBool(section, "MostRecentlyUsed", FMostRecentlyUsed);
}

void TdxBarItemLink::LoadFromIni(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection, Integer AIndex,
                                 TdxBarStoringKind AStoringKind) {
  const String section = LinkSection(ABaseSection, AIndex, AStoringKind);
  const String itemName = AIniFile->ReadString(section, "ItemName", String());
  if (itemName.empty()) return;
  TdxBarManager* manager = FLinks->GetBarManager();
  TdxBarItem* item = manager ? manager->GetItemByName(itemName) : nullptr;
  if (!item) {
    Free();
    return;
  }
  SetItem(item);
  SetBeginGroup(AIniFile->ReadBool(section, "BeginGroup", false));
  const TdxBarUserDefines userDefine = ReadUserDefine(AIniFile, section, AStoringKind);
  if (userDefine.Contains(udCaption)) FUserCaption = AIniFile->ReadString(section, "UserCaption", FUserCaption);
  if (userDefine.Contains(udPaintStyle))
    FUserPaintStyle = dxBarReadOrdinal(AIniFile, section, "UserPaintStyle", psStandard, psCaptionGlyph, psStandard);
  if (userDefine.Contains(udWidth)) FUserWidth = AIniFile->ReadInteger(section, "UserWidth", 100);
  if (userDefine.Contains(udGlyph) && AStoringKind == skReg && AIniFile->ValueExists(section, "UserGlyph")) {
    TMemoryStream* stream = New<TMemoryStream>();
    try {
      if (AIniFile->ReadBinaryStream(section, "UserGlyph", stream) > 0) FUserGlyph->LoadFromStream(stream);
    } catch (...) {
      // A damaged picture leaves the link with the item's glyph.
      FUserGlyph->Assign(nullptr);
    }
    stream->Free();
  }
  SetUserDefine(userDefine);
  if (IsOnToolbar(FLinks)) {
    SetButtonGroup(dxBarReadOrdinal(AIniFile, section, "ButtonGroup", bgpNone, bgpMember, bgpNone));
    SetPosition(dxBarReadOrdinal(AIniFile, section, "Position", ipBeginsNewRow, ipContinuesRow, ipBeginsNewRow));
    Integer viewLevels = 0;
    if (dxBarReadByte(AIniFile, section, "ViewLevels", viewLevels))
      SetViewLevels(TdxBarItemViewLevels::FromBits(UInt64(viewLevels)) * dxBarItemAllViewLevels);
    FLoadedVisible = AIniFile->ReadBool(section, "Visible", true);
  }
  if (UsesRecentCounters(FLinks)) {
    FLoadedUseCount = AIniFile->ReadInteger(section, "UseCount", 0);
    FLoadedRecentIndex = AIniFile->ReadInteger(section, "RecentIndex", -1);
  }
}

void TdxBarItemLink::LoadUsageData(IniFiles::TCustomIniFile* AIniFile, const String& ASection, Integer AIndex) {
  const String section = LinkSection(ASection, AIndex, skIni);
  SetMostRecentlyUsed(AIniFile->ReadBool(section, "MostRecentlyUsed", true));
}

// ---- The collection -------------------------------------------------------------------------------------
void TdxBarItemLinks::SaveToIni(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection,
                                TdxBarStoringKind AStoringKind) {
  Integer written = 0;
  for (Integer i = 0; i < Count(); ++i) {
    TdxBarItemLink* link = GetItem(i);
    if (!link->FItem || link->FItem->GetName().empty() || link->FMergingBar) continue;
    link->SaveToIni(AIniFile, ABaseSection, written++, AStoringKind);
  }
  AIniFile->WriteInteger(ABaseSection, "ItemLinkCount", written);
}

void TdxBarItemLinks::LoadFromIni(IniFiles::TCustomIniFile* AIniFile, const String& ABaseSection,
                                  TdxBarStoringKind AStoringKind) {
  TList* newItems = FBarManager ? FBarManager->GetNewItemsList() : nullptr;
  BeginUpdate();
  try {
    // The links of items added to the program after the layout was stored stay, each remembering
    // the item it followed.
    std::vector<TdxBarItemLink*> kept;
    for (Integer i = Count() - 1; i >= 0; --i) {
      TdxBarItemLink* link = GetItem(i);
      if (newItems && link->FItem && newItems->IndexOf(link->FItem) >= 0) {
        link->FMergingBar = nullptr;
        TdxBarItem* previous = i > 0 ? GetItem(i - 1)->FItem : nullptr;
        link->SetPrevItemName(previous ? previous->GetName() : String());
        kept.insert(kept.begin(), link);
      } else
        link->Free();
    }
    const Integer count = StoredLinkCount(AIniFile, ABaseSection,
                                          AIniFile->ReadInteger(ABaseSection, "ItemLinkCount", 0), AStoringKind);
    for (Integer i = count - 1; i >= 0; --i) Insert(0)->LoadFromIni(AIniFile, ABaseSection, i, AStoringKind);
    for (TdxBarItemLink* link : kept) {
      Integer target = 0;
      if (!link->GetPrevItemName().empty()) {
        target = -1;
        for (Integer i = 0; i < Count() && target < 0; ++i) {
          TdxBarItemLink* candidate = GetItem(i);
          if (candidate != link && candidate->FItem && SameText(candidate->FItem->GetName(), link->GetPrevItemName()))
            target = i + 1;
        }
        if (target < 0) continue;
      }
      if (target > link->GetIndex()) --target;
      Move(link->GetIndex(), target);
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
  Loaded();
  RefreshVisibilityLists();
}

void TdxBarItemLinks::LoadUsageData(IniFiles::TCustomIniFile* AIniFile, const String& ASection) {
  const Integer count = std::min(AIniFile->ReadInteger(ASection, "ItemLinkCount", 0), Count());
  for (Integer i = 0; i < count; ++i) GetItem(i)->LoadUsageData(AIniFile, ASection, i);
  Loaded(false);
  CheckVisibleIntegrity();
}

}  // namespace dxBar
