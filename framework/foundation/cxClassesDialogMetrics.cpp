#include "cxClassesDialogMetrics.h"

#include <cstring>

#include "WinUser.h"

namespace cxClasses {

IMPLEMENT_CLASS(TcxDialogMetricsInfo)
IMPLEMENT_CLASS(TcxDialogsMetricsStore)

namespace {
TcxDialogsMetricsStore* Store = nullptr;
}  // namespace

// ---- TcxDialogMetricsInfo -----------------------------------------------------------------------------
TcxDialogMetricsInfo* TcxDialogMetricsInfo::Create(TCustomForm* AForm) {
  auto* info = New<TcxDialogMetricsInfo>();
  info->Store(AForm);
  return info;
}

void TcxDialogMetricsInfo::Destroy() {
  FreeCustomData();
  inherited::Destroy();
}

void TcxDialogMetricsInfo::Store(TCustomForm* AForm) {
  FDialogClass = AForm->ClassType();
  FLeft = AForm->GetLeft();
  FTop = AForm->GetTop();
  FClientHeight = AForm->GetClientHeight();
  FClientWidth = AForm->GetClientWidth();
  FMaximized = AForm->GetWindowState() == wsMaximized;
  FreeCustomData();
  if (auto* data = Supports<IcxDialogMetricsInfoData>(AForm)) {
    Integer size = data->GetInfoDataSize();
    if (size > 0) {
      const char* from = static_cast<const char*>(data->GetInfoData());
      FData.assign(from, from + size);
    }
  }
}

void TcxDialogMetricsInfo::Restore(TCustomForm* AForm) {
  if (FMaximized) {
    ShowWindow(AForm->GetHandle(), SW_MAXIMIZE);
    AForm->SetWindowState(wsMaximized);
  } else {
    AForm->SetLeft(FLeft);
    AForm->SetTop(FTop);
    TFormBorderStyle border = AForm->GetBorderStyle();
    if (border == bsSizeable || border == bsSizeToolWin) {
      AForm->SetClientHeight(FClientHeight);
      AForm->SetClientWidth(FClientWidth);
    }
  }
  if (auto* data = Supports<IcxDialogMetricsInfoData>(AForm))
    if (!FData.empty()) data->SetInfoData(FData.data());
}

// ---- TcxDialogsMetricsStore ---------------------------------------------------------------------------
void TcxDialogsMetricsStore::Construct() {
  inherited::Construct();
  FMetrics = New<TcxObjectList>();
}

void TcxDialogsMetricsStore::Destroy() {
  FreeAndNil(FMetrics);
  inherited::Destroy();
}

TcxDialogMetricsInfo* TcxDialogsMetricsStore::CreateMetrics(TCustomForm* AForm) {
  return TcxDialogMetricsInfo::Create(AForm);
}

Integer TcxDialogsMetricsStore::FindMetrics(TCustomForm* AForm) const {
  for (Integer i = FMetrics->GetCount() - 1; i >= 0; --i)
    if (static_cast<TcxDialogMetricsInfo*>(FMetrics->GetItem(i))->DialogClass() == AForm->ClassType()) return i;
  return -1;
}

void TcxDialogsMetricsStore::InitDialog(TCustomForm* AForm) {
  Integer index = FindMetrics(AForm);
  if (index >= 0) {
    AForm->SetPosition(poDesigned);
    static_cast<TcxDialogMetricsInfo*>(FMetrics->GetItem(index))->Restore(AForm);
  } else {
    AForm->SetPosition(FDefaultPosition);
    FMetrics->Add(CreateMetrics(AForm));
  }
}

void TcxDialogsMetricsStore::StoreMetrics(TCustomForm* AForm) {
  Integer index = FindMetrics(AForm);
  if (index >= 0) static_cast<TcxDialogMetricsInfo*>(FMetrics->GetItem(index))->Store(AForm);
}

TcxDialogsMetricsStore* cxDialogsMetricsStore() {
  if (!Store) Store = New<TcxDialogsMetricsStore>();
  return Store;
}

void cxDialogsMetricsStoreFinalization() { FreeAndNil(Store); }

}  // namespace cxClasses
