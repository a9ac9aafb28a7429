// The bar window's look-ups, its layout record and hit-testing.
#include "dxBarControl.h"

#include "WinUser.h"
#include "cxGraphicsCanvas.h"
#include "dxBarItemControl.h"
#include "dxBarItemControlViewInfo.h"
#include "dxBarItemLinks.h"
#include "dxBarManager.h"
#include "dxBarPainter.h"

namespace dxBar {

// ---- View info ----------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TCustomdxBarControlViewInfo)

void TCustomdxBarControlViewInfo::Destroy() {
  Clear();
  FreeAndNil(FItemControlViewInfos);
  inherited::Destroy();
}

void TCustomdxBarControlViewInfo::Clear() {
  if (FItemControlViewInfos) FItemControlViewInfos->Clear();
  FSeparators.clear();
}

void TCustomdxBarControlViewInfo::Calculate() { Clear(); }

Integer TCustomdxBarControlViewInfo::GetItemControlIndex(TdxBarItemControl* AItemControl) {
  for (Integer i = 0; i < GetItemControlCount(); ++i)
    if (GetItemControlViewInfo(i)->GetControl() == AItemControl) return i;
  return -1;
}

bool TCustomdxBarControlViewInfo::IsItemControlVisible(TdxBarItemControl* AItemControl) {
  return AItemControl && GetItemControlIndex(AItemControl) != -1;
}

bool TCustomdxBarControlViewInfo::IsAssociatedWithSeparator(TdxBarItemControl* AItemControl,
                                                            Integer& ASeparatorIndex) {
  for (size_t i = 0; i < FSeparators.size(); ++i)
    if (FSeparators[i].ItemControl == AItemControl) {
      ASeparatorIndex = static_cast<Integer>(i);
      return true;
    }
  ASeparatorIndex = -1;
  return false;
}

void TCustomdxBarControlViewInfo::AddItemControlViewInfo(TdxBarItemControlViewInfo* AViewInfo) {
  if (!FItemControlViewInfos) FItemControlViewInfos = New<TList>();
  FItemControlViewInfos->Add(AViewInfo);
}

void TCustomdxBarControlViewInfo::RemoveItemControlViewInfo(TdxBarItemControlViewInfo* AViewInfo) {
  if (FItemControlViewInfos) FItemControlViewInfos->Remove(AViewInfo);
  for (size_t i = FSeparators.size(); i-- > 0;)
    if (AViewInfo && FSeparators[i].ItemControl == AViewInfo->GetControl())
      FSeparators.erase(FSeparators.begin() + static_cast<std::ptrdiff_t>(i));
}

void TCustomdxBarControlViewInfo::AddSeparatorInfo(const TRect& ABounds, TdxBarItemSeparatorKind AKind,
                                                   TdxBarItemControl* AItemControl) {
  FSeparators.push_back(TdxBarSeparatorInfo{AItemControl, ABounds, AKind});
}

void TCustomdxBarControlViewInfo::RemoveSeparatorInfos() { FSeparators.clear(); }

Integer TCustomdxBarControlViewInfo::GetItemControlCount() {
  return FItemControlViewInfos ? FItemControlViewInfos->GetCount() : 0;
}

TdxBarItemControlViewInfo* TCustomdxBarControlViewInfo::GetItemControlViewInfo(Integer AIndex) {
  return static_cast<TdxBarItemControlViewInfo*>(FItemControlViewInfos->GetItems(AIndex));
}

TdxBarSeparatorInfo TCustomdxBarControlViewInfo::GetSeparatorInfo(Integer AIndex) const {
  return FSeparators.at(static_cast<size_t>(AIndex));
}

void TCustomdxBarControlViewInfo::SetSeparatorInfo(Integer AIndex, const TdxBarSeparatorInfo& AValue) {
  FSeparators.at(static_cast<size_t>(AIndex)) = AValue;
}

// ---- Look-ups -----------------------------------------------------------------------------------------------
TdxBarManager* TCustomdxBarControl::GetBarManager() { return dynamic_cast<TdxBarManager*>(Owner()); }

bool TCustomdxBarControl::GetFlat() { return GetBarManager() && GetBarManager()->GetFlat(); }

cxGraphics::TcxCanvas* TCustomdxBarControl::GetCanvas() {
  if (HandleAllocated() || !FActiveCanvas) return FCanvas;
  return FActiveCanvas;
}

TdxBarItemControl* TCustomdxBarControl::GetSelectedControl() {
  return FSelectedLink ? FSelectedLink->GetControl() : nullptr;
}

TRect TCustomdxBarControl::GetItemRect(TdxBarItemControl* AControl) {
  return AControl ? AControl->GetItemBounds() : TRect();
}

TdxBarItemControl* TCustomdxBarControl::ItemAtPos(const TPoint& APos) {
  if (GetIsCustomizing() && !CanCustomizing()) return nullptr;
  for (Integer i = 0; i < FViewInfo->GetItemControlCount(); ++i) {
    TdxBarItemControlViewInfo* info = FViewInfo->GetItemControlViewInfo(i);
    const TRect bounds = info->GetBounds();
    if (!PtInRect(&bounds, APos)) continue;
    TdxBarItemControl* control = info->GetControl();
    return GetIsCustomizing() && control->IsHiddenForCustomization() ? nullptr : control;
  }
  return nullptr;
}

TdxBarItemControl* TCustomdxBarControl::ItemAtMousePos() {
  if (!HandleAllocated()) return nullptr;
  TPoint P;
  GetCursorPos(&P);
  return ItemAtPos(ScreenToClient(P));
}

void TCustomdxBarControl::BarLostFocus() {
  TdxBarManager* manager = GetBarManager();
  if (manager && manager->GetBarControlFocused() == this) DoBarLostFocus();
}

TObject* TCustomdxBarControl::CreateHintViewInfo(const String&, const String&, TdxBarScreenTip*) {
  // The painter's hint view info comes with the screen tips.
  return nullptr;
}

TPoint TCustomdxBarControl::GetHintPosition(const TPoint& ACursorPos, Integer) {
  TdxBarPainter* painter = GetPainter();
  return painter ? painter->GetBarItemContolHintPosition(ACursorPos) : ACursorPos;
}

void TCustomdxBarControl::FullInvalidate() {
  if (HandleAllocated()) SendMessage(GetHandle(), WM_NCPAINT, 0, 0);
  Invalidate();
}

void TCustomdxBarControl::BarGetFocus(TdxBarItemControl* AItemControl) { DoBarGetFocus(AItemControl); }

}  // namespace dxBar
