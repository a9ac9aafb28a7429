// The painter unit's process-wide state: the registry of named extra painters (skins) that a
// look-and-feel may select by its skin name, the shared painter resources (check button size,
// indicator images, scroll-track patterns, radio button images) and the unit's start and end.
#pragma once

#include <vector>

#include "cxClassesBase.h"
#include "cxLookAndFeelPaintersBase.h"

namespace cxLookAndFeelPainters {

// Told when a painter is registered in or removed from the extended painter registry.
class IcxLookAndFeelPainterListener : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxLookAndFeelPainterListener, "{7665EF58-2C4B-48B9-E1BE-BD5E135CA88F}")
 public:
  virtual void PainterChanged(TcxCustomLookAndFeelPainterClass APainter) = 0;
};

class TcxExtendedStylePainterInfo : public TObject {
  DECLARE_CLASS(TcxExtendedStylePainterInfo, TObject)
 public:
  TcxExtendedStylePainterInfo(const String& AName, TcxCustomLookAndFeelPainterClass APainter, TObject* AData)
      : Name(AName), Painter(APainter), Data(AData) {}
  void Destroy() override;
  String Name;
  TcxCustomLookAndFeelPainterClass Painter;
  TObject* Data;  // owned
};

// Kept sorted by name; names are unique without regard to case.
class TcxExtendedStylePainters : public TcxObjectList {
  DECLARE_CLASS(TcxExtendedStylePainters, TcxObjectList)
 public:
  TcxExtendedStylePainters() = default;
  void Destroy() override;

  bool Register(const String& AName, TcxCustomLookAndFeelPainterClass APainter, TObject* AData = nullptr);
  bool Unregister(const String& AName);
  bool GetPainterByName(const String& AName, TcxCustomLookAndFeelPainterClass& APainter) const;
  bool GetNameByPainter(TcxCustomLookAndFeelPainterClass APainter, String& AName) const;
  bool GetPainterData(TcxCustomLookAndFeelPainterClass APainter, TObject*& AData) const;
  Integer FindInfoByName(const String& AName, TcxExtendedStylePainterInfo*& AInfo) const;
  void AddListener(IcxLookAndFeelPainterListener* AListener);
  void RemoveListener(IcxLookAndFeelPainterListener* AListener);
  Integer ListenerCount() const { return static_cast<Integer>(FListeners.size()); }

  TcxExtendedStylePainterInfo* GetInfo(Integer Index) const;
  String GetName(Integer Index) const { return GetInfo(Index)->Name; }
  TcxCustomLookAndFeelPainterClass GetPainter(Integer Index) const { return GetInfo(Index)->Painter; }
  TObject* GetData(Integer Index) const { return GetInfo(Index)->Data; }

 protected:
  void Changed(TcxCustomLookAndFeelPainterClass APainter);
  void SortPainters();

 private:
  Integer IndexOfPainter(TcxCustomLookAndFeelPainterClass APainter) const;  // the first entry, or -1
  std::vector<IcxLookAndFeelPainterListener*> FListeners;
};

// ---- Unit routines --------------------------------------------------------------------------------------
TcxExtendedStylePainters* GetExtendedStylePainters();  // null before the unit starts and after it ends
TcxCustomLookAndFeelPainterClass GetCurrentPainterClass();  // the ultra-flat painter
void UpdateScrollBarBitmaps();
TRect cxTextRect(const TRect& R);
// The radio button images rendered again in the current system colours (when they exist), freed,
// and their pattern and index map released at the unit's end.
void RefreshRadioButtonImageList();
void FreeRadioButtonImageList();
void ReleaseRadioButtonPattern();

void InitLookAndFeelPainters();
void DoneLookAndFeelPainters();

}  // namespace cxLookAndFeelPainters

using namespace cxLookAndFeelPainters;
