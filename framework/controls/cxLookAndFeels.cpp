#include "cxLookAndFeels.h"

#include "Controls.h"
#include "Filer.h"

namespace cxLookAndFeels {

IMPLEMENT_CLASS_PUBLISHED(TcxLookAndFeel) {
  d.Property("AssignedValues", &TcxLookAndFeel::GetAssignedValues, &TcxLookAndFeel::SetAssignedValues).Stored(false);
  d.Property("Kind", &TcxLookAndFeel::GetKind, &TcxLookAndFeel::SetKind).Stored(&TcxLookAndFeel::IsKindStored);
  d.Property("NativeStyle", &TcxLookAndFeel::GetNativeStyle, &TcxLookAndFeel::SetNativeStyle)
      .Stored(&TcxLookAndFeel::IsNativeStyleStored);
  d.Property("SkinName", &TcxLookAndFeel::GetSkinName, &TcxLookAndFeel::SetSkinName)
      .Stored(&TcxLookAndFeel::IsSkinNameStored);
}
IMPLEMENT_CLASS_PUBLISHED(TcxLookAndFeelController) {
  d.Property("Kind", &TcxLookAndFeelController::GetKind, &TcxLookAndFeelController::SetKind);
  d.Property("NativeStyle", &TcxLookAndFeelController::GetNativeStyle, &TcxLookAndFeelController::SetNativeStyle);
  d.Property("SkinName", &TcxLookAndFeelController::GetSkinName, &TcxLookAndFeelController::SetSkinName)
      .Stored(&TcxLookAndFeelController::IsSkinNameStored);
}
IMPLEMENT_CLASS(TcxSystemPaletteChangedNotifier)

TdxClassSupportsSkinProc dxClassSupportsSkinProc = nullptr;

namespace {

TcxLookAndFeel* FRootLookAndFeel = nullptr;
Integer FControllerCount = 0;
TcxCustomLookAndFeelPainterClass FStylePainters[lfsOffice11 + 1];

const TcxLookAndFeelStyle KindToStyle[] = {lfsFlat, lfsStandard, lfsUltraFlat, lfsOffice11};
const TcxLookAndFeelKind StyleToKind[] = {lfFlat, lfStandard, lfUltraFlat, lfStandard, lfOffice11};

bool IsController(IcxLookAndFeelNotificationListener* AListener) {
  return dynamic_cast<TcxLookAndFeelController*>(AListener->GetObject()) != nullptr;
}

// Calls AProc on every listener; a listener that removes itself during its call does not make the walk
// skip the next one: the index only advances when the count stayed the same.
template <class F>
void ForEachListener(std::vector<IcxLookAndFeelNotificationListener*>& AList, F AProc) {
  size_t I = 0;
  while (I < AList.size()) {
    const size_t Count = AList.size();
    AProc(AList[I]);
    if (AList.size() == Count) ++I;
  }
}

}  // namespace

// ---- TcxLookAndFeel -----------------------------------------------------------------------------------
void TcxLookAndFeel::Construct() {
  inherited::Construct();
  FCurrentState = FData;
  FSystemPaletteChangedNotifier = New<TcxSystemPaletteChangedNotifier>(false);
  FSystemPaletteChangedNotifier->OnSystemPaletteChanged =
      TcxSystemPaletteChangedEvent(this, &TcxLookAndFeel::SystemPaletteChanged);
  if (FRootLookAndFeel) {
    FRootLookAndFeel->AddChangeListener(this);
    UpdateEffectiveState();
  }
  FPainter = GetAvailablePainter(TdxThemedObjectTypes());
}

void TcxLookAndFeel::Destroy() {
  if (TcxExtendedStylePainters* Painters = GetExtendedStylePainters()) Painters->RemoveListener(this);
  FreeAndNil(FSystemPaletteChangedNotifier);
  FIsDestruction = true;
  const size_t Count = FChangeListeners.size();
  for (size_t I = 0; I < Count && I < FChangeListeners.size(); ++I)
    FChangeListeners[I]->MasterLookAndFeelDestroying(this);
  FIsDestruction = false;
  FChangeListeners.clear();
  if (TcxLookAndFeel* Master = GetMasterLookAndFeel()) Master->RemoveChangeListener(this);
  if (FIsRootLookAndFeel && FRootLookAndFeel == this) FRootLookAndFeel = nullptr;
  inherited::Destroy();
}

void TcxLookAndFeel::UpdateEffectiveState() {
  FCurrentState.Kind = InternalGetKind();
  FCurrentState.NativeStyle = InternalGetNativeStyle();
  FCurrentState.SkinName = InternalGetSkinName();
  FSkinPainter = nullptr;
  if (!FCurrentState.NativeStyle) FSkinPainter = InternalGetSkinPainter();
}

void TcxLookAndFeel::Changed(TcxLookAndFeelValues AChangedValues) {
  if (AChangedValues.Empty() || FIsDestruction) return;
  UpdateEffectiveState();
  FPainter = GetAvailablePainter(TdxThemedObjectTypes());
  if (TcxExtendedStylePainters* Painters = GetExtendedStylePainters()) {
    if (FSkinPainter)
      Painters->AddListener(this);
    else
      Painters->RemoveListener(this);
  }
  ForEachListener(FChangeListeners, [&](IcxLookAndFeelNotificationListener* L) {
    L->MasterLookAndFeelChanged(this, AChangedValues);
  });
  if (OnChanged) OnChanged(this, AChangedValues);
}

void TcxLookAndFeel::NotifyChanged() {
  if (FIsDestruction) return;
  ForEachListener(FChangeListeners, [](IcxLookAndFeelNotificationListener* L) {
    if (auto* LookAndFeel = dynamic_cast<TcxLookAndFeel*>(L->GetObject())) LookAndFeel->NotifyChanged();
  });
  if (OnChanged) OnChanged(this, TcxLookAndFeelValues());
}

void TcxLookAndFeel::Refresh() { Changed(cxLookAndFeelAllValues); }

void TcxLookAndFeel::Reset() { SetAssignedValues(TcxLookAndFeelValues()); }

void TcxLookAndFeel::SaveState() { FPrevState = FCurrentState; }

void TcxLookAndFeel::CheckStateChanges() {
  TcxLookAndFeelValues Values;
  if (InternalGetKind() != FPrevState.Kind) Values.Include(lfvKind);
  if (InternalGetNativeStyle() != FPrevState.NativeStyle) Values.Include(lfvNativeStyle);
  if (InternalGetSkinName() != FPrevState.SkinName) Values.Include(lfvSkinName);
  Changed(Values);
}

void TcxLookAndFeel::Assign(TPersistent* Source) {
  auto* Src = dynamic_cast<TcxLookAndFeel*>(Source);
  if (!Src) {
    inherited::Assign(Source);
    return;
  }
  SaveState();
  FData = Src->FData;
  FAssignedValues = Src->FAssignedValues;
  SetMasterLookAndFeel(Src->GetMasterLookAndFeel());
  CheckStateChanges();
}

void TcxLookAndFeel::AddChangeListener(IcxLookAndFeelNotificationListener* AListener) {
  if (!AListener) return;
  const bool Controller = IsController(AListener);
  if (Controller && !FIsRootLookAndFeel) return;
  if (HasListener(AListener)) return;
  if (Controller) ++FControllerCount;
  FChangeListeners.push_back(AListener);
}

void TcxLookAndFeel::RemoveChangeListener(IcxLookAndFeelNotificationListener* AListener) {
  if (!AListener || !HasListener(AListener)) return;
  if (!FIsDestruction) std::erase(FChangeListeners, AListener);
  if (FIsRootLookAndFeel && IsController(AListener)) {
    --FControllerCount;
    if (FControllerCount == 0) Reset();
  }
}

bool TcxLookAndFeel::HasListener(IcxLookAndFeelNotificationListener* AListener) const {
  return std::find(FChangeListeners.begin(), FChangeListeners.end(), AListener) != FChangeListeners.end();
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::GetAvailablePainter(TdxThemedObjectType AType) const {
  TdxThemedObjectTypes Types;
  Types.Include(AType);
  return GetAvailablePainter(Types);
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::GetAvailablePainter(const TdxThemedObjectTypes& ATypes) const {
  if (GetNativeStyle() && AreVisualStylesAvailable(ATypes)) return GetStylePainterClass(lfsNative);
  if (FSkinPainter) return FSkinPainter;
  return GetStylePainterClass(KindToStyle[GetKind()]);
}

TcxLookAndFeelStyle TcxLookAndFeel::GetActiveStyle() const {
  if (GetNativeStyle() && AreVisualStylesAvailable(TdxThemedObjectTypes())) return lfsNative;
  return KindToStyle[GetKind()];
}

void TcxLookAndFeel::SetStyle(TcxLookAndFeelStyle Value) {
  SetNativeStyle(Value == lfsNative);
  if (!GetNativeStyle()) SetKind(StyleToKind[Value]);
}

void TcxLookAndFeel::SetAssignedValues(TcxLookAndFeelValues Value) {
  if (Value == FAssignedValues) return;
  SaveState();
  FAssignedValues = Value;
  CheckStateChanges();
}

void TcxLookAndFeel::SetKind(TcxLookAndFeelKind Value) {
  const TcxLookAndFeelKind Old = GetKind();
  FAssignedValues.Include(lfvKind);
  FData.Kind = Value;
  if (InternalGetKind() != Old) Changed({lfvKind});
}

void TcxLookAndFeel::SetNativeStyle(bool Value) {
  const bool Old = GetNativeStyle();
  FAssignedValues.Include(lfvNativeStyle);
  FData.NativeStyle = Value;
  if (InternalGetNativeStyle() != Old) Changed({lfvNativeStyle});
}

void TcxLookAndFeel::SetSkinName(TdxSkinName Value) {
  const TdxSkinName Old = GetSkinName();
  FAssignedValues.Include(lfvSkinName);
  FData.SkinName = Value;
  if (InternalGetSkinName() != Old) Changed({lfvSkinName});
}

TcxLookAndFeel* TcxLookAndFeel::GetMasterLookAndFeel() const {
  if (FIsRootLookAndFeel) return nullptr;
  return FMasterLookAndFeel ? FMasterLookAndFeel : FRootLookAndFeel;
}

void TcxLookAndFeel::SetMasterLookAndFeel(TcxLookAndFeel* Value) {
  if (FIsRootLookAndFeel || Value == this || Value == GetMasterLookAndFeel()) return;
  SaveState();
  if (TcxLookAndFeel* Old = GetMasterLookAndFeel()) Old->RemoveChangeListener(this);
  FMasterLookAndFeel = Value;
  if (TcxLookAndFeel* New = GetMasterLookAndFeel()) New->AddChangeListener(this);
  CheckStateChanges();
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::GetPainter() const {
  return FAssignedPainter ? FAssignedPainter : FPainter;
}

void TcxLookAndFeel::SetPainter(TcxCustomLookAndFeelPainterClass Value) {
  if (Value == GetPainter()) return;
  FAssignedPainter = Value;
  Changed({lfvKind, lfvNativeStyle});
}

TcxLookAndFeelKind TcxLookAndFeel::InternalGetKind() const {
  if (FAssignedValues.Contains(lfvKind)) return FData.Kind;
  if (TcxLookAndFeel* Master = GetMasterLookAndFeel()) return Master->GetKind();
  return lfUltraFlat;
}

bool TcxLookAndFeel::InternalGetNativeStyle() const {
  if (FAssignedValues.Contains(lfvNativeStyle)) return FData.NativeStyle;
  if (TcxLookAndFeel* Master = GetMasterLookAndFeel()) return Master->GetNativeStyle();
  return false;
}

TdxSkinName TcxLookAndFeel::InternalGetSkinName() const {
  if (FAssignedValues.Contains(lfvSkinName)) return FData.SkinName;
  if (TcxLookAndFeel* Master = GetMasterLookAndFeel()) return Master->GetSkinName();
  return TdxSkinName();
}

TcxCustomLookAndFeelPainterClass TcxLookAndFeel::InternalGetSkinPainter() const {
  TcxCustomLookAndFeelPainterClass Painter;
  if (FAssignedValues.Contains(lfvSkinName))
    IsVisualSkinAvailable(FData.SkinName, Painter);
  else if (TcxLookAndFeel* Master = GetMasterLookAndFeel())
    Master->IsVisualSkinAvailable(Master->GetSkinName(), Painter);
  return Painter;
}

bool TcxLookAndFeel::IsVisualSkinAvailable(const TdxSkinName& ASkinName,
                                           TcxCustomLookAndFeelPainterClass& APainter) const {
  APainter = nullptr;
  TcxExtendedStylePainters* Painters = GetExtendedStylePainters();
  return !ASkinName.empty() && Painters && Painters->GetPainterByName(ASkinName, APainter);
}

void TcxLookAndFeel::SystemPaletteChanged() { Changed({lfvNativeStyle}); }

void TcxLookAndFeel::MasterLookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues AChangedValues) {
  Changed(AChangedValues - FAssignedValues);
}

void TcxLookAndFeel::MasterLookAndFeelDestroying(TcxLookAndFeel*) { SetMasterLookAndFeel(nullptr); }

void TcxLookAndFeel::PainterChanged(TcxCustomLookAndFeelPainterClass) { Changed(cxLookAndFeelAllValues); }

void TcxLookAndFeel::DefineProperties(Filer::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineProperty("SkinName", Filer::TReaderProc(this, &TcxLookAndFeel::ReadSkinName),
                        Filer::TWriterProc(this, &TcxLookAndFeel::WriteSkinName), IsSkinNameStored());
}

void TcxLookAndFeel::ReadSkinName(Filer::TReader* Reader) { SetSkinName(Reader->ReadString()); }

void TcxLookAndFeel::WriteSkinName(Filer::TWriter* Writer) { Writer->WriteString(GetSkinName()); }

// ---- TcxLookAndFeelController -------------------------------------------------------------------------
void TcxLookAndFeelController::Construct() {
  inherited::Construct();
  if (FRootLookAndFeel) FRootLookAndFeel->AddChangeListener(this);
}

void TcxLookAndFeelController::Destroy() {
  if (FRootLookAndFeel) FRootLookAndFeel->RemoveChangeListener(this);
  inherited::Destroy();
}

TcxLookAndFeelKind TcxLookAndFeelController::GetKind() const {
  return FRootLookAndFeel ? FRootLookAndFeel->GetKind() : lfUltraFlat;
}
void TcxLookAndFeelController::SetKind(TcxLookAndFeelKind Value) {
  if (FRootLookAndFeel) FRootLookAndFeel->SetKind(Value);
}
bool TcxLookAndFeelController::GetNativeStyle() const {
  return FRootLookAndFeel && FRootLookAndFeel->GetNativeStyle();
}
void TcxLookAndFeelController::SetNativeStyle(bool Value) {
  if (FRootLookAndFeel) FRootLookAndFeel->SetNativeStyle(Value);
}
TdxSkinName TcxLookAndFeelController::GetSkinName() const {
  return FRootLookAndFeel ? FRootLookAndFeel->GetSkinName() : TdxSkinName();
}
void TcxLookAndFeelController::SetSkinName(TdxSkinName Value) {
  if (FRootLookAndFeel) FRootLookAndFeel->SetSkinName(Value);
}
bool TcxLookAndFeelController::IsSkinNameStored() const { return !GetSkinName().empty(); }

void TcxLookAndFeelController::MasterLookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {
  if (ComponentState().Contains(csDesigning)) Modified();
}

// Telling a form designer of the change needs a designer, which this system does not have.
void TcxLookAndFeelController::MasterLookAndFeelDestroying(TcxLookAndFeel*) {}

// ---- Unit routines --------------------------------------------------------------------------------------
TcxLookAndFeel* RootLookAndFeel() { return FRootLookAndFeel; }

namespace {

template <class F>
void ForEachLookAndFeel(TWinControl* AControl, F AProc) {
  if (!AControl) return;
  if (auto* Container = Supports<IcxLookAndFeelContainer>(AControl))
    if (TcxLookAndFeel* LookAndFeel = Container->GetLookAndFeel()) AProc(LookAndFeel);
  for (Integer I = 0; I < AControl->ControlCount(); ++I)
    if (auto* Child = dynamic_cast<TWinControl*>(AControl->Controls(I))) ForEachLookAndFeel(Child, AProc);
}

bool ClassSupportsSkin(TObject* AObject) { return Supports<IdxSkinSupport>(AObject) != nullptr; }

}  // namespace

void SetControlLookAndFeel(TWinControl* AControl, TcxLookAndFeel* AMasterLookAndFeel) {
  ForEachLookAndFeel(AControl, [&](TcxLookAndFeel* L) { L->SetMasterLookAndFeel(AMasterLookAndFeel); });
}

void SetControlLookAndFeel(TWinControl* AControl, TcxLookAndFeelKind AKind, bool ANativeStyle) {
  ForEachLookAndFeel(AControl, [&](TcxLookAndFeel* L) {
    L->SetKind(AKind);
    L->SetNativeStyle(ANativeStyle);
  });
}

TcxCustomLookAndFeelPainterClass GetStylePainterClass(TcxLookAndFeelStyle AStyle) {
  if (FStylePainters[AStyle]) return FStylePainters[AStyle];
  return TcxCustomLookAndFeelPainterClass::Of<TcxCustomLookAndFeelPainter>();
}

void SetStylePainterClass(TcxLookAndFeelStyle AStyle, TcxCustomLookAndFeelPainterClass APainter) {
  FStylePainters[AStyle] = APainter;
}

void InitLookAndFeels() {
  StartClassGroup(TControl::StaticClass());
  GroupDescendentsWith(TcxLookAndFeelController::StaticClass(), TControl::StaticClass());
  auto* Root = New<TcxLookAndFeel>(nullptr);
  Root->FIsRootLookAndFeel = true;
  FRootLookAndFeel = Root;
  dxClassSupportsSkinProc = &ClassSupportsSkin;
}

void DoneLookAndFeels() {
  FreeAndNil(FRootLookAndFeel);
  FControllerCount = 0;
}

}  // namespace cxLookAndFeels
