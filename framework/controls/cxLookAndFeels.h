// Look-and-feel settings: every control that draws through a painter owns a TcxLookAndFeel whose Kind,
// NativeStyle and SkinName are either its own (assigned) or inherited along a master chain ending at one
// application-wide root object. The effective values choose the painter class; changes run depth first
// down the chain of dependent look-and-feels and reach the controls through listener interfaces.
// The unit also owns the hidden window that watches system colour changes for palette notifiers.
#pragma once

#include <vector>

#include "Components.h"
#include "Interfaces.h"
#include "cxClassesBase.h"
#include "cxLookAndFeelPaintersRegistry.h"
#include "dxThemeManager.h"

namespace Controls {
class TWinControl;
}

namespace cxLookAndFeels {

using Controls::TWinControl;

PUBLISHED_ENUM(TcxLookAndFeelKind, lfFlat, lfStandard, lfUltraFlat, lfOffice11)
PUBLISHED_ENUM(TcxLookAndFeelValue, lfvKind, lfvNativeStyle, lfvSkinName)
using TcxLookAndFeelValues = TSet<TcxLookAndFeelValue, 8>;
using TdxSkinName = String;

inline const TcxLookAndFeelValues cxLookAndFeelAllValues{lfvKind, lfvNativeStyle, lfvSkinName};

struct TcxLookAndFeelData {
  TcxLookAndFeelKind Kind = lfUltraFlat;
  bool NativeStyle = false;
  TdxSkinName SkinName;
};

class TcxLookAndFeel;
class TcxSystemPaletteChangedNotifier;

class IcxLookAndFeelNotificationListener : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxLookAndFeelNotificationListener, "{205538BF-F19E-4285-B11F-B182D9635881}")
 public:
  virtual TObject* GetObject() = 0;
  virtual void MasterLookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) = 0;
  virtual void MasterLookAndFeelDestroying(TcxLookAndFeel* Sender) = 0;
};

// A control that owns a look-and-feel, for the tree-wide SetControlLookAndFeel.
class IcxLookAndFeelContainer : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxLookAndFeelContainer, "{6065B58B-C557-4464-A67D-64183FD13F25}")
 public:
  virtual TcxLookAndFeel* GetLookAndFeel() = 0;
};

// Marks a class that draws with skins; only the class-support hook asks for it.
class IdxSkinSupport : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IdxSkinSupport, "{EF3FF483-9B69-46DF-95A4-D3A3810F63A5}")
};

using TcxLookAndFeelChangedEvent = TClosure<void(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues)>;
using TcxSystemPaletteChangedEvent = TClosure<void()>;
using TdxClassSupportsSkinProc = bool (*)(TObject* AObject);

// ---- TcxLookAndFeel -----------------------------------------------------------------------------------
class TcxLookAndFeel : public TcxInterfacedPersistent,
                       public IcxLookAndFeelNotificationListener,
                       public IcxLookAndFeelPainterListener {
  DECLARE_CLASS(TcxLookAndFeel, TcxInterfacedPersistent)
 public:
  explicit TcxLookAndFeel(TPersistent* AOwner = nullptr) : TcxInterfacedPersistent(AOwner) {}
  void Construct() override;
  void Destroy() override;

  void Assign(TPersistent* Source) override;
  void Refresh();
  void Reset();
  void NotifyChanged();
  void AddChangeListener(IcxLookAndFeelNotificationListener* AListener);
  void RemoveChangeListener(IcxLookAndFeelNotificationListener* AListener);
  bool HasListener(IcxLookAndFeelNotificationListener* AListener) const;

  TcxCustomLookAndFeelPainterClass GetAvailablePainter(TdxThemedObjectType AType) const;
  TcxCustomLookAndFeelPainterClass GetAvailablePainter(
      const TdxThemedObjectTypes& ATypes = TdxThemedObjectTypes()) const;
  TcxLookAndFeelStyle GetActiveStyle() const;
  void SetStyle(TcxLookAndFeelStyle Value);

  TcxLookAndFeelValues GetAssignedValues() const { return FAssignedValues; }
  void SetAssignedValues(TcxLookAndFeelValues Value);
  TcxLookAndFeelKind GetKind() const { return FCurrentState.Kind; }
  void SetKind(TcxLookAndFeelKind Value);
  bool GetNativeStyle() const { return FCurrentState.NativeStyle; }
  void SetNativeStyle(bool Value);
  TdxSkinName GetSkinName() const { return FCurrentState.SkinName; }
  void SetSkinName(TdxSkinName Value);
  bool IsKindStored() const { return FAssignedValues.Contains(lfvKind); }
  bool IsNativeStyleStored() const { return FAssignedValues.Contains(lfvNativeStyle); }
  bool IsSkinNameStored() const { return FAssignedValues.Contains(lfvSkinName); }
  TcxLookAndFeel* GetMasterLookAndFeel() const;
  void SetMasterLookAndFeel(TcxLookAndFeel* Value);
  TcxCustomLookAndFeelPainterClass GetPainter() const;
  void SetPainter(TcxCustomLookAndFeelPainterClass Value);
  TcxCustomLookAndFeelPainterClass GetSkinPainter() const { return FSkinPainter; }
  bool IsRoot() const { return FIsRootLookAndFeel; }
  TcxLookAndFeelChangedEvent OnChanged;

  // IcxLookAndFeelNotificationListener, IcxLookAndFeelPainterListener.
  TObject* GetObject() override { return this; }
  void MasterLookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) override;
  void MasterLookAndFeelDestroying(TcxLookAndFeel* Sender) override;
  void PainterChanged(TcxCustomLookAndFeelPainterClass APainter) override;

 protected:
  void DefineProperties(Filer::TFiler* Filer) override;
  void Changed(TcxLookAndFeelValues AChangedValues);
  void SaveState();
  void CheckStateChanges();

  virtual TcxLookAndFeelKind InternalGetKind() const;
  virtual bool InternalGetNativeStyle() const;
  virtual TdxSkinName InternalGetSkinName() const;
  virtual TcxCustomLookAndFeelPainterClass InternalGetSkinPainter() const;
  virtual bool IsVisualSkinAvailable(const TdxSkinName& ASkinName, TcxCustomLookAndFeelPainterClass& APainter) const;
  virtual void SystemPaletteChanged();

 private:
  friend void InitLookAndFeels();
  void ReadSkinName(Filer::TReader* Reader);
  void WriteSkinName(Filer::TWriter* Writer);
  void UpdateEffectiveState();

  TcxLookAndFeelValues FAssignedValues;
  TcxLookAndFeelData FData;
  TcxLookAndFeelData FCurrentState;
  TcxLookAndFeelData FPrevState;
  std::vector<IcxLookAndFeelNotificationListener*> FChangeListeners;
  TcxLookAndFeel* FMasterLookAndFeel = nullptr;
  TcxCustomLookAndFeelPainterClass FPainter;
  TcxCustomLookAndFeelPainterClass FAssignedPainter;
  TcxCustomLookAndFeelPainterClass FSkinPainter;
  TcxSystemPaletteChangedNotifier* FSystemPaletteChangedNotifier = nullptr;
  bool FIsRootLookAndFeel = false;
  bool FIsDestruction = false;
};

// ---- The design-time controller of the root ------------------------------------------------------------
class TcxLookAndFeelController : public TComponent, public IcxLookAndFeelNotificationListener {
  DECLARE_CLASS(TcxLookAndFeelController, TComponent)
 public:
  explicit TcxLookAndFeelController(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
  void Construct() override;
  void Destroy() override;

  TcxLookAndFeelKind GetKind() const;
  void SetKind(TcxLookAndFeelKind Value);
  bool GetNativeStyle() const;
  void SetNativeStyle(bool Value);
  TdxSkinName GetSkinName() const;
  void SetSkinName(TdxSkinName Value);
  bool IsSkinNameStored() const;

  TObject* GetObject() override { return this; }
  void MasterLookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) override;
  void MasterLookAndFeelDestroying(TcxLookAndFeel* Sender) override;

 protected:
  void Modified() {}
};

// ---- System colour changes ------------------------------------------------------------------------------
// Primary notifiers (painter resources) hear of a colour change before ordinary ones (controls).
class TcxSystemPaletteChangedNotifier : public TObject {
  DECLARE_CLASS(TcxSystemPaletteChangedNotifier, TObject)
 public:
  explicit TcxSystemPaletteChangedNotifier(bool AIsPrimary = false) : FIsPrimary(AIsPrimary) {}
  void Construct() override;
  void Destroy() override;
  bool IsPrimary() const { return FIsPrimary; }
  TcxSystemPaletteChangedEvent OnSystemPaletteChanged;
  virtual void DoChanged();

 private:
  bool FIsPrimary;
};

// ---- Unit routines --------------------------------------------------------------------------------------
TcxLookAndFeel* RootLookAndFeel();
void SetControlLookAndFeel(TWinControl* AControl, TcxLookAndFeel* AMasterLookAndFeel);
void SetControlLookAndFeel(TWinControl* AControl, TcxLookAndFeelKind AKind, bool ANativeStyle);
// The hidden window of the palette listener while any notifier exists, else null.
HWND cxSystemPaletteChangedWindow();
// Set at unit start; nothing calls it.
extern TdxClassSupportsSkinProc dxClassSupportsSkinProc;

// The painter class of each style, filled by the painter unit at its start (it knows the classes);
// an empty entry answers the base painter.
TcxCustomLookAndFeelPainterClass GetStylePainterClass(TcxLookAndFeelStyle AStyle);
void SetStylePainterClass(TcxLookAndFeelStyle AStyle, TcxCustomLookAndFeelPainterClass APainter);

void InitLookAndFeels();
void DoneLookAndFeels();

}  // namespace cxLookAndFeels

using namespace cxLookAndFeels;
