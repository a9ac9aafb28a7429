// The tab model: tabs with their settings and layout values, the string list of all tabs of a control,
// and the list of the shown tabs' indexes.
#include "cxPCInternal.h"
#include "cxPCTabs.h"

#include <algorithm>

#include "Exceptions.h"
#include "Format.h"
#include "Graphics.h"
#include "cxClassesResStrings.h"
#include "cxGeometry.h"
#include "cxPCConsts.h"
#include "cxPCPainter.h"
#include "cxPCRoutines.h"
#include "cxPCTabControl.h"

namespace cxPC {

IMPLEMENT_CLASS(TcxTab)
IMPLEMENT_CLASS(TcxTabs)
IMPLEMENT_CLASS(TcxVisibleTabList)

// ---- TcxVisibleTabList -----------------------------------------------------------------------------
void TcxVisibleTabList::OutError(const String& AMethodName, const String& AText) {
  throw Exception("TcxVisibleTabList." + AMethodName + ": " + AText);
}

TcxTab* TcxVisibleTabList::GetTab(Integer VisibleIndex) {
  if (VisibleIndex < 0 || VisibleIndex >= GetCount()) {
    if (GetCount() == 0) OutError("GetTab", cxGetResourceString(&scxPCVisibleTabListEmpty));
    OutError("GetTab", Format(cxGetResourceString(&scxPCTabVisibleIndexOutsOfBounds), {VisibleIndex, GetCount() - 1}));
  }
  return FTabControl->GetTabs()->GetTab(TabIndexAt(VisibleIndex));
}

bool TcxVisibleTabList::FindVisibleTab(Integer ATabIndex, Integer& APosition) const {
  const Integer n = GetCount();
  APosition = 0;
  if (n == 0) return false;
  if (ATabIndex == FItems[0]) return true;
  if (ATabIndex < FItems[0]) return false;
  APosition = n - 1;
  if (ATabIndex == FItems[n - 1]) return true;
  APosition = n;
  if (FItems[n - 1] < ATabIndex) return false;
  Integer lo = 0, hi = n - 1;
  while (hi - lo > 1) {
    const Integer mid = (lo + hi) / 2;
    if (FItems[mid] == ATabIndex) {
      APosition = mid;
      return true;
    }
    if (ATabIndex < FItems[mid])
      hi = mid;
    else
      lo = mid;
  }
  APosition = hi;
  return false;
}

void TcxVisibleTabList::ShowTab(Integer ATabIndex) {
  Integer position;
  if (!FindVisibleTab(ATabIndex, position)) FItems.insert(FItems.begin() + position, ATabIndex);
}

void TcxVisibleTabList::HideTab(Integer ATabIndex) {
  Integer position;
  if (FindVisibleTab(ATabIndex, position)) FItems.erase(FItems.begin() + position);
}

void TcxVisibleTabList::Update() {
  FItems.clear();
  TcxTabs* tabs = FTabControl->GetTabs();
  for (Integer i = 0; i < tabs->GetCount(); ++i)
    if (tabs->GetTab(i)->GetVisible()) FItems.push_back(i);
}

Integer TcxVisibleTabList::TabVisibleIndexOf(Integer ATabIndex) const {
  Integer position;
  return FindVisibleTab(ATabIndex, position) ? position : -1;
}

// ---- TcxTab: derived values ----------------------------------------------------------------------------
TcxCustomTabControl* TcxTab::GetParentControl() const { return FTabs->GetTabControl(); }

Integer TcxTab::GetVisibleIndex() const { return GetParentControl()->GetVisibleTabList()->TabVisibleIndexOf(FIndex); }

Integer TcxTab::GetImageIndex() { return GetParentControl()->GetImageIndex(FIndex); }

bool TcxTab::GetIsMainTab() const { return GetParentControl()->GetMainTabIndex() == FIndex; }

bool TcxTab::GetHotTrack() const {
  const Integer i = GetParentControl()->FHotTrackTabVisibleIndex;
  return i != -1 && i == GetVisibleIndex();
}

bool TcxTab::GetPressed() const {
  const Integer i = GetParentControl()->FPressedTabVisibleIndex;
  return i != -1 && i == GetVisibleIndex();
}

bool TcxTab::GetTracking() const {
  const Integer i = GetParentControl()->FTrackingTabVisibleIndex;
  return i != -1 && i == GetVisibleIndex();
}

bool TcxTab::GetRealEnabled() const { return GetParentControl()->GetEnabled() && FEnabled; }

bool TcxTab::GetRealVisible() { return !cxRectIsEmpty(GetVisibleRect()); }

Integer TcxTab::GetNormalLongitudinalSize() const {
  return GetParentControl()->GetRotate() ? FTabs->GetNormalHeight() : FPosition.NormalWidth;
}

TRect TcxTab::GetNormalRect() const {
  TcxCustomTabControl* control = GetParentControl();
  const Integer height = FTabs->GetNormalHeight();
  const Integer length = control->GetRotate() ? control->GetRowHeight() : FPosition.NormalWidth;
  TRect r(FPosition.NormalOrigin.x, FPosition.NormalOrigin.y, 0, 0);
  if (IsVerticalText(control)) {
    r.right = r.left + height;
    r.bottom = r.top + length;
  } else {
    r.right = r.left + length;
    r.bottom = r.top + height;
  }
  return r;
}

TRect TcxTab::GetFullRect() {
  TRect r = GetNormalRect();
  GetParentControl()->CorrectTabRect(GetVisibleIndex());
  CorrectRect(r, FPosition.RectCorrection);
  return r;
}

TRect TcxTab::GetVisibleRect() {
  TcxCustomTabControl* control = GetParentControl();
  const Integer visibleIndex = GetVisibleIndex();
  if (!FVisible || visibleIndex == -1) return TRect(0, 0, 0, 0);
  if (!control->GetMultiLine() &&
      (visibleIndex < control->GetLeadingTab() || visibleIndex > control->GetTrailingTab()))
    return TRect(0, 0, 0, 0);
  TRect r;
  if (!cxRectIntersect(r, GetFullRect(), control->GetTabExtendedTabsRect(visibleIndex))) return TRect(0, 0, 0, 0);
  return r;
}

TcxTabPosition TcxTab::GetPaintingPosition() const {
  TcxCustomTabControl* control = GetParentControl();
  const bool vertical = control->GetTabPosition() == tpLeft || control->GetTabPosition() == tpRight;
  if (FDisplayRow < control->GetTopOrLeftPartRowCount()) return vertical ? tpLeft : tpTop;
  return vertical ? tpRight : tpBottom;
}

Integer TcxTab::GetPaintingPositionIndex() const {
  // Rows: painting position; columns: ra0, raPlus90, raMinus90.
  static constexpr Integer Indexes[4][3] = {{1, 2, 3}, {10, 11, 12}, {6, 4, 5}, {9, 7, 8}};
  const TcxRotationAngle angle = GetTextRotationAngle(GetParentControl());
  const Integer column = angle == raPlus90 ? 1 : angle == raMinus90 ? 2 : 0;
  return Indexes[GetPaintingPosition()][column];
}

// ---- TcxTab: life and settings -----------------------------------------------------------------------
void TcxTab::Destroy() {
  TcxCustomTabControl* control = FTabs ? GetParentControl() : nullptr;
  const Integer visibleIndex = control ? GetVisibleIndex() : -1;
  if (FTabs) FTabs->Notify(FIndex, tnDeleting);
  FreeAndNil(FPaintBitmap);
  FreeAndNil(FVerticalTextBitmap);
  // The tab is gone from the lists now: a keyboard mark on it goes with it.
  if (control && visibleIndex != -1 && control->FTrackingTabVisibleIndex == visibleIndex)
    control->FTrackingTabVisibleIndex = -1;
  inherited::Destroy();
}

void TcxTab::AssignTo(TPersistent* Dest) {
  auto* dest = dynamic_cast<TcxTab*>(Dest);
  if (!dest) return inherited::AssignTo(Dest);
  dest->InternalSetCaption(FCaption);
  dest->SetEnabled(FEnabled);
  dest->SetHighlighted(FHighlighted);
  dest->SetImageIndex(GetImageIndex());
  dest->FObject = FObject;
  dest->SetVisible(FVisible);
  dest->SetSelected(FSelected);
}

void TcxTab::Changed(TcxPCTabPropertyChanged AType) { FTabs->Changed(GetVisibleIndex(), AType); }

void TcxTab::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  if (!FVisible) {
    FCaption = Value;
    return;
  }
  TcxCustomTabControl* control = GetParentControl();
  const bool wasRealVisible = GetRealVisible();
  const Integer oldWidth = FPosition.NormalWidth;
  const Integer oldRowHeight = control->GetRowHeight();
  FCaption = Value;
  control->CalculateTabNormalSize(this);
  bool layoutChanged;
  if (control->GetRotate()) {
    control->CalculateRowHeight();
    layoutChanged = control->GetRowHeight() != oldRowHeight;
  } else {
    layoutChanged = FPosition.NormalWidth != oldWidth;
  }
  if (layoutChanged)
    Changed(tpcLayout);
  else if (wasRealVisible)
    Changed(tpcNotSpecified);
}

void TcxTab::SetColor(TColor Value) {
  if (FColor == Value) return;
  FColor = Value;
  if (GetRealVisible()) Changed(tpcColor);
}

void TcxTab::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  const bool wasRealVisible = GetRealVisible();
  FEnabled = Value;
  if (wasRealVisible || GetRealVisible()) Changed(tpcEnabled);
}

void TcxTab::SetHighlighted(bool Value) {
  if (FHighlighted == Value) return;
  const bool wasRealVisible = GetRealVisible();
  FHighlighted = Value;
  if (wasRealVisible || GetRealVisible()) Changed(tpcHighlighted);
}

void TcxTab::SetImageIndex(Integer Value) {
  if (Value < 0) Value = -1;
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  if (GetRealVisible()) Changed(tpcLayout);
}

void TcxTab::SetSelected(bool Value) {
  if (FSelected == Value) return;
  TcxCustomTabControl* control = GetParentControl();
  if (control->IsLoading()) {
    FSelected = Value;
    return;
  }
  if (control->GetPainter()->IsMultiSelectionAccepted()) {
    if (Value && !control->GetMultiSelect()) {
      bool anySelected = false;
      for (Integer i = 0; i < FTabs->GetCount() && !anySelected; ++i) anySelected = FTabs->GetTab(i)->FSelected;
      if (anySelected) control->SetMultiSelect(true);
    }
  } else if (Value && FIndex != control->GetTabIndex()) {
    return;
  }
  const bool wasRealVisible = GetRealVisible();
  FSelected = Value;
  if (wasRealVisible || GetRealVisible()) Changed(tpcSelected);
}

void TcxTab::SetVisible(bool Value) {
  if (FVisible == Value) return;
  TcxCustomTabControl* control = GetParentControl();
  if (Value) {
    control->GetVisibleTabList()->ShowTab(FIndex);
    FVisible = true;
    Changed(tpcLayout);
    return;
  }
  const bool moveSelection = control->TabIndexTabMustBeVisible() && FIndex == control->GetTabIndex();
  const bool wasRealVisible = GetRealVisible();
  control->GetVisibleTabList()->HideTab(FIndex);
  FVisible = false;
  if (wasRealVisible || control->GetMultiLine()) {
    FTabs->Changed(-1, tpcLayout);
  } else {
    control->Calculate();
    // Calculate drops a main index that now lies beyond the shortened list (the last tab hidden
    // while scrolled out of view); it is taken again from the tab index, as a layout request does,
    // so that the selection below finds the tab that follows the hidden one.
    FTabs->SetMainTab();
  }
  const Integer main = control->FMainTabVisibleIndex;
  if (moveSelection && main != -1) control->SetTabIndex(control->GetVisibleTabList()->TabIndexAt(main));
}

void TcxTab::ValidateImageIndex() {
  if (FImageIndex != -1 && GetRealVisible()) Changed(tpcNotSpecified);
}

void TcxTab::InitializePaintBitmap() {
  if (!FPaintBitmap) FPaintBitmap = New<TBitmap>();
  FPaintBitmap->SetPixelFormat(Graphics::pf32bit);
  FPaintBitmap->SetHandleType(Graphics::bmDIB);
}

void TcxTab::ResetPaintBitmap() { FreeAndNil(FPaintBitmap); }

void TcxTab::SetVerticalTextBitmap(TBitmap* Value) {
  if (FVerticalTextBitmap != Value) FreeAndNil(FVerticalTextBitmap);
  FVerticalTextBitmap = Value;
}

void TcxTab::ResetVerticalTextBitmap() { FreeAndNil(FVerticalTextBitmap); }

// ---- TcxTabs -----------------------------------------------------------------------------------------------
void TcxTabs::Destroy() {
  Clear();
  inherited::Destroy();
}

void TcxTabs::OutError(const String& AMethodName, Integer AIndex) {
  throw Exception("TcxTabs." + AMethodName + ": " + Format(cxGetResourceString(&scxPCTabIndexError), {AIndex}));
}

void TcxTabs::CheckIndex(const char* AMethodName, Integer Index) {
  if (Index < 0 || Index >= GetCount()) OutError(AMethodName, Index);
}

TcxTab* TcxTabs::GetTab(Integer Index) {
  CheckIndex("GetTab", Index);
  return FItems[static_cast<size_t>(Index)];
}

void TcxTabs::SetTab(Integer Index, TcxTab* Value) {
  CheckIndex("SetTab", Index);
  FItems[static_cast<size_t>(Index)]->Assign(Value);
}

String TcxTabs::Get(Integer Index) {
  CheckIndex("Get", Index);
  return FItems[static_cast<size_t>(Index)]->GetCaption();
}

void TcxTabs::Put(Integer Index, const String& S) { GetTab(Index)->SetCaption(S); }

TObject* TcxTabs::GetObject(Integer Index) {
  CheckIndex("GetObject", Index);
  return FItems[static_cast<size_t>(Index)]->GetObject();
}

void TcxTabs::PutObject(Integer Index, TObject* AObject) {
  CheckIndex("PutObject", Index);
  FItems[static_cast<size_t>(Index)]->SetObject(AObject);
}

TcxTab* TcxTabs::GetVisibleTab(Integer VisibleIndex) {
  const Integer count = GetVisibleTabsCount();
  if (VisibleIndex < 0 || VisibleIndex >= count)
    throw Exception("TcxTabs.GetVisibleTab: " +
                    Format(cxGetResourceString(&scxPCTabVisibleIndexOutsOfBounds), {VisibleIndex, count - 1}));
  return FTabControl->GetVisibleTabList()->GetTab(VisibleIndex);
}

Integer TcxTabs::GetVisibleTabsCount() { return FTabControl->GetVisibleTabList()->GetCount(); }

void TcxTabs::Insert(Integer Index, const String& S) {
  if (Index < 0 || Index > GetCount()) OutError("Insert", Index);
  const Integer oldCount = GetCount();
  FItems.insert(FItems.begin() + Index, nullptr);
  FItems[static_cast<size_t>(Index)] = New<TcxTab>(this, Index);
  UpdateTabIndexes(Index + 1, oldCount);
  FItems[static_cast<size_t>(Index)]->InternalSetCaption(S);
  if (!FTabControl->IsLoading() && FTabControl->GetTabIndex() == -1 && GetCount() == 1) FTabControl->FTabIndex = 0;
  FTabControl->GetVisibleTabList()->Update();
  Changed(-1, tpcLayout);
}

void TcxTabs::Delete(Integer Index) {
  if (FUpdating) return;
  FUpdating = true;
  TFinally done([this] { FUpdating = false; });
  if (!FNotification) {
    CheckIndex("Delete", Index);
    // The tab's destruction calls back through Notify, which finds this call already running.
    FItems[static_cast<size_t>(Index)]->Free();
  }
  FItems.erase(FItems.begin() + Index);
  UpdateTabIndexes(Index, GetCount() - 1);
  FTabControl->GetVisibleTabList()->Update();
  Changed(-1, tpcLayout);
}

void TcxTabs::Clear() {
  if (FItems.empty()) return;
  while (!FItems.empty()) FItems.back()->Free();
  Changed(-1, tpcLayout);
}

void TcxTabs::Move(Integer CurIndex, Integer NewIndex) {
  if (CurIndex == NewIndex) return;
  CheckIndex("Move", CurIndex);
  CheckIndex("Move", NewIndex);
  TcxTab* tab = FItems[static_cast<size_t>(CurIndex)];
  FItems.erase(FItems.begin() + CurIndex);
  FItems.insert(FItems.begin() + NewIndex, tab);
  UpdateTabIndexes(std::min(CurIndex, NewIndex), std::max(CurIndex, NewIndex));
  FTabControl->GetVisibleTabList()->Update();
  Changed(-1, tpcLayout);
}

void TcxTabs::Notify(Integer Index, TcxPCTabNotification AType) {
  FNotification = true;
  TFinally done([this] { FNotification = false; });
  if (AType == tnDeleting) Delete(Index);
}

void TcxTabs::Changed(Integer AVisibleIndex, TcxPCTabPropertyChanged AType) {
  if (FTabControl->IsLoading() || FTabControl->IsDestroying()) return;
  if (AVisibleIndex == -1 || AType == tpcLayout)
    FTabControl->RequestLayout();
  else if (TcxPCCustomPainter* painter = FTabControl->GetPainter())
    painter->RepaintTab(AVisibleIndex, AType);
}

void TcxTabs::SetHotTrack(Integer AVisibleIndex) {
  Integer& hot = FTabControl->FHotTrackTabVisibleIndex;
  if (hot == AVisibleIndex) return;
  const Integer old = hot;
  hot = AVisibleIndex;
  if (old != -1) Changed(old, tpcHotTrack);
  if (AVisibleIndex != -1) Changed(AVisibleIndex, tpcHotTrack);
}

void TcxTabs::SetMainTab() {
  TcxCustomTabControl* control = FTabControl;
  TcxVisibleTabList* visible = control->GetVisibleTabList();
  Integer old = control->FMainTabVisibleIndex;
  if (old >= visible->GetCount()) old = -1;
  Integer main = -1;
  if (control->GetTabIndex() != -1) {
    Integer position;
    if (visible->FindVisibleTab(control->GetTabIndex(), position)) {
      main = position;
    } else {
      // A hidden selected tab makes the next shown tab the main tab (or the last one).
      main = position == visible->GetCount() ? visible->GetCount() - 1 : position;
    }
  }
  control->FMainTabVisibleIndex = main;
  if (old == main) return;
  if (old != -1) Changed(old, tpcIsMainTab);
  if (main != -1) Changed(main, tpcIsMainTab);
  control->UpdateButtonsState();
}

void TcxTabs::SetTracking(Integer AVisibleIndex) {
  TcxCustomTabControl* control = FTabControl;
  const Integer count = control->GetVisibleTabList()->GetCount();
  Integer old = control->FTrackingTabVisibleIndex;
  if (old >= count) old = -1;
  if (AVisibleIndex < 0 || AVisibleIndex >= count) AVisibleIndex = -1;
  control->FTrackingTabVisibleIndex = AVisibleIndex;
  if (old == AVisibleIndex) return;
  if (old != -1) Changed(old, tpcTracking);
  if (AVisibleIndex != -1) Changed(AVisibleIndex, tpcTracking);
  if (AVisibleIndex != -1 && !control->GetMultiLine()) {
    control->CorrectFirstVisibleTab(AVisibleIndex);
    control->RequestLayout();
    control->SynchronizeHotTrackStates(TcxCustomTabControl::InternalGetShiftState());
  }
}

void TcxTabs::ResetTabVerticalTextBitmaps() {
  for (TcxTab* tab : FItems) tab->ResetVerticalTextBitmap();
}

void TcxTabs::UpdateTabIndexes(Integer AFirst, Integer ALast) {
  for (Integer i = AFirst; i <= ALast && i < GetCount(); ++i) FItems[static_cast<size_t>(i)]->FIndex = i;
}

void TcxTabs::ValidateImageIndexes() {
  for (Integer i = 0; i < GetCount(); ++i) FItems[static_cast<size_t>(i)]->ValidateImageIndex();
}

}  // namespace cxPC
