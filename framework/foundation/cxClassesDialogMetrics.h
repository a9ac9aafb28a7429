// Remembered dialog metrics: where a dialog of each class was and how large it was, so that the next
// dialog of that class opens the same way.
#pragma once

#include "Forms.h"
#include "Interfaces.h"
#include "cxClassesBase.h"

namespace cxClasses {

// A dialog that keeps extra data of its own with its metrics.
class IcxDialogMetricsInfoData : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxDialogMetricsInfoData, "{5C2E37F1-8D44-4A0B-9E61-2B7F0C93D1A6}")
 public:
  virtual void* GetInfoData() = 0;
  virtual Integer GetInfoDataSize() = 0;
  virtual void SetInfoData(void* AData) = 0;
};

class TcxDialogMetricsInfo : public TObject {
  DECLARE_CLASS(TcxDialogMetricsInfo, TObject)
 public:
  static TcxDialogMetricsInfo* Create(TCustomForm* AForm);
  void Destroy() override;

  void Store(TCustomForm* AForm);
  void Restore(TCustomForm* AForm);

  TClass DialogClass() const { return FDialogClass; }
  Integer Left() const { return FLeft; }
  Integer Top() const { return FTop; }
  Integer ClientHeight() const { return FClientHeight; }
  Integer ClientWidth() const { return FClientWidth; }
  bool Maximized() const { return FMaximized; }
  const std::vector<char>& Data() const { return FData; }

 protected:
  void FreeCustomData() { FData.clear(); }

 private:
  TClass FDialogClass = nullptr;
  Integer FLeft = 0, FTop = 0, FClientHeight = 0, FClientWidth = 0;
  bool FMaximized = false;
  std::vector<char> FData;  // the extra data, empty when there is none
};

class TcxDialogsMetricsStore : public TObject {
  DECLARE_CLASS(TcxDialogsMetricsStore, TObject)
 public:
  void Construct() override;
  void Destroy() override;

  // Restores the metrics remembered for the form's class (the form then keeps its designed
  // position), or remembers the form as it is and places it at the default position.
  void InitDialog(TCustomForm* AForm);
  // Updates what is remembered for the form's class; nothing when nothing is.
  void StoreMetrics(TCustomForm* AForm);

  TPosition DefaultPosition() const { return FDefaultPosition; }
  void SetDefaultPosition(TPosition Value) { FDefaultPosition = Value; }
  TcxObjectList* Metrics() const { return FMetrics; }

 protected:
  virtual TcxDialogMetricsInfo* CreateMetrics(TCustomForm* AForm);
  Integer FindMetrics(TCustomForm* AForm) const;

 private:
  TcxObjectList* FMetrics = nullptr;
  TPosition FDefaultPosition = poMainFormCenter;
};

// The process-wide store, made on first use and freed when the unit ends.
TcxDialogsMetricsStore* cxDialogsMetricsStore();
void cxDialogsMetricsStoreFinalization();

}  // namespace cxClasses
