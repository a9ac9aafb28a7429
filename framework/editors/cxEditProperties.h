// The settings of an editor kind: TcxCustomEditProperties names the classes of its kind (control,
// style, view data, view info, buttons, assigned values), holds the settings all editors share,
// takes unassigned ones from the default-values provider that a data binding supplies, validates
// display values and tells its owner of changes under an update lock. Beside it: which settings were
// assigned, the content alignment and the default-values provider.
#pragma once

#include "Closures.h"
#include "Graphics.h"
#include "Menus.h"
#include "Persistent.h"
#include "Variants.h"
#include "cxClassesBase.h"
#include "cxDataUtils.h"
#include "cxEditRegistry.h"

namespace cxClasses {
class TcxFreeNotificator;
}
namespace cxGraphics {
class TcxCanvas;
}

namespace cxEdit {

class TcxCustomEditProperties;
class TcxCustomEditStyle;
class TcxCustomEditViewData;
class TcxCustomEditViewInfo;
class TcxEditButtons;

PUBLISHED_ENUM(TcxEditButtonsViewStyle, bvsNormal, bvsButtonsOnly, bvsButtonsAutoWidth)
PUBLISHED_ENUM(TcxEditCloseUpReason, crUnknown, crTab, crClose, crCancel, crEnter)
PUBLISHED_ENUM(TcxEditVertAlignment, taTopJustify, taBottomJustify, taVCenter)
PUBLISHED_ENUM(TcxBlobKind, bkNone, bkBlob, bkGraphic, bkMemo, bkOle)
enum TcxEditDisplayFormatOption { dfoSupports, dfoNoCurrencyValue };
using TcxEditDisplayFormatOptions = TSet<TcxEditDisplayFormatOption, 8>;
enum TcxEditSpecialFeature { esfBlobEditValue, esfMinSize, esfNoContentPart };
using TcxEditSpecialFeatures = TSet<TcxEditSpecialFeature, 8>;
enum TcxEditSupportedOperation {
  esoAlwaysHotTrack, esoAutoHeight, esoEditing, esoFiltering, esoHorzAlignment, esoHotTrack, esoIncSearch,
  esoShowingCaption, esoSorting, esoSortingByDisplayText, esoTransparency
};
using TcxEditSupportedOperations = TSet<TcxEditSupportedOperation, 16>;

// The kind of a validation error, for its text; descendants know more kinds than the default.
using TcxEditErrorKind = Integer;
constexpr TcxEditErrorKind ekDefault = 0, ekValueOutOfBounds = 1;

constexpr TAlignment cxEditDefaultHorzAlignment = taLeftJustify;

// What a size question may take into account: the height and the most lines (for descendants), and
// the width available, negative when not limited.
struct TcxEditSizeProperties {
  Integer Height = -1;
  Integer MaxLineCount = 0;
  Integer Width = -1;
};
inline constexpr TcxEditSizeProperties DefaultcxEditSizeProperties{-1, 0, -1};

using TcxEditButtonClickEvent = TClosure<void(TObject* Sender, Integer AButtonIndex)>;
using TcxEditClosePopupEvent = TClosure<void(TObject* Sender, TcxEditCloseUpReason AReason)>;
using TcxEditValidateEvent =
    TClosure<void(TObject* Sender, Variant& DisplayValue, String& ErrorText, bool& Error)>;

// The source of default settings that a data binding supplies.
class IcxEditDefaultValuesProvider : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxEditDefaultValuesProvider, "{AE727882-6FDF-4E3A-AB35-E58AB28EFE7B}")
 public:
  virtual bool CanSetEditMode() = 0;
  virtual void ClearUsers() = 0;
  virtual TAlignment DefaultAlignment() = 0;
  virtual TcxBlobKind DefaultBlobKind() = 0;
  virtual bool DefaultCanModify() = 0;
  virtual String DefaultDisplayFormat() = 0;
  virtual String DefaultEditFormat() = 0;
  virtual String DefaultEditMask() = 0;
  virtual bool DefaultIsFloatValue() = 0;
  virtual Integer DefaultMaxLength() = 0;
  virtual double DefaultMaxValue() = 0;
  virtual double DefaultMinValue() = 0;
  virtual Integer DefaultPrecision() = 0;
  virtual bool DefaultReadOnly() = 0;
  virtual bool DefaultRequired() = 0;
  virtual TObject* GetInstance() = 0;
  virtual bool IsDataStorage() = 0;
  virtual bool IsBlob() = 0;
  virtual bool IsCurrency() = 0;
  virtual bool IsDataAvailable() = 0;
  virtual bool IsDisplayFormatDefined(bool AIsCurrencyValueAccepted) = 0;
  virtual bool IsOnGetTextAssigned() = 0;
  virtual bool IsOnSetTextAssigned() = 0;
  virtual bool IsValidChar(char AChar) = 0;
};

// The defaults of an editor bound to no data.
class TcxCustomEditDefaultValuesProvider : public TcxInterfacedPersistent, public IcxEditDefaultValuesProvider {
  DECLARE_CLASS(TcxCustomEditDefaultValuesProvider, TcxInterfacedPersistent)
 public:
  explicit TcxCustomEditDefaultValuesProvider(TPersistent* AOwner = nullptr) : TcxInterfacedPersistent(AOwner) {}

  bool CanSetEditMode() override { return true; }
  // Every live settings object that uses this provider forgets it.
  void ClearUsers() override;
  TAlignment DefaultAlignment() override { return taLeftJustify; }
  TcxBlobKind DefaultBlobKind() override { return bkMemo; }
  bool DefaultCanModify() override { return true; }
  String DefaultDisplayFormat() override { return ""; }
  String DefaultEditFormat() override { return ""; }
  String DefaultEditMask() override { return ""; }
  bool DefaultIsFloatValue() override { return false; }
  Integer DefaultMaxLength() override { return 0; }
  double DefaultMaxValue() override { return 0; }
  double DefaultMinValue() override { return 0; }
  Integer DefaultPrecision() override { return 15; }
  bool DefaultReadOnly() override { return false; }
  bool DefaultRequired() override { return false; }
  TObject* GetInstance() override { return this; }
  bool IsBlob() override { return false; }
  bool IsCurrency() override { return false; }
  bool IsDataAvailable() override { return true; }
  bool IsDataStorage() override { return false; }
  bool IsDisplayFormatDefined(bool AIsCurrencyValueAccepted) override { return false; }
  bool IsOnGetTextAssigned() override { return false; }
  bool IsOnSetTextAssigned() override { return false; }
  bool IsValidChar(char AChar) override { return true; }

 protected:
  void Destroy() override;
};

// The content alignment: Horz with a flag whether it was assigned, and Vert.
class TcxEditAlignment : public TPersistent {
  DECLARE_CLASS(TcxEditAlignment, TPersistent)
 public:
  explicit TcxEditAlignment(TPersistent* AOwner = nullptr) : FOwner(AOwner) {}

  void Assign(TPersistent* Source) override;
  // Horz becomes unassigned.
  void Reset();
  TAlignment GetHorz() const { return FHorz; }
  void SetHorz(TAlignment Value);
  TcxEditVertAlignment GetVert() const { return FVert; }
  void SetVert(TcxEditVertAlignment Value);
  bool IsHorzAssigned() const { return FIsHorzAssigned; }
  bool IsVertStored() const { return FVert != taTopJustify; }

  TNotifyEvent OnChanged;

 protected:
  friend class TcxCustomEditProperties;
  TPersistent* GetOwner() override { return FOwner; }

 private:
  void DoChanged();
  TAlignment FHorz = cxEditDefaultHorzAlignment;
  bool FIsHorzAssigned = false;
  TPersistent* FOwner;
  TcxEditVertAlignment FVert = taTopJustify;
};

// Which of the provider-backed settings were assigned.
class TcxCustomEditPropertiesValues : public TPersistent {
  DECLARE_CLASS(TcxCustomEditPropertiesValues, TPersistent)
 public:
  explicit TcxCustomEditPropertiesValues(TPersistent* AOwner = nullptr) : FOwner(AOwner) {}
  // Virtual construction from a class reference with the owning settings.
  static TcxCustomEditPropertiesValues* Create(TClass AClass, TPersistent* AOwner);

  void Assign(TPersistent* Source) override;
  // Clears the three flags inside the owner's update bracket.
  virtual void RestoreDefaults();

  bool GetMaxValue() const { return FMaxValue; }
  void SetMaxValue(bool Value);
  bool GetMinValue() const { return FMinValue; }
  void SetMinValue(bool Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool IsMaxValueStored();
  bool IsMinValueStored();

 protected:
  friend class TcxCustomEditProperties;
  TPersistent* GetOwner() override { return FOwner; }
  TcxCustomEditProperties* GetProperties();
  // Sets a flag and tells the settings; nothing when it is equal.
  void SetFlag(bool& AFlag, bool AValue);

  bool FMaxValue = false;
  bool FMinValue = false;
  bool FReadOnly = false;

 private:
  TPersistent* FOwner;
};

class TcxCustomEditProperties : public TcxInterfacedPersistent {
  DECLARE_CLASS(TcxCustomEditProperties, TcxInterfacedPersistent)
 public:
  explicit TcxCustomEditProperties(TPersistent* AOwner = nullptr) : TcxInterfacedPersistent(AOwner) {}
  // Virtual construction from a class reference with the owner (an editor, a repository item or none).
  static TcxCustomEditProperties* Create(TClass AClass, TPersistent* AOwner);

  // ---- The kind's classes (class operations: they read nothing of the object)
  virtual TClass GetAssignedValuesClass();
  virtual TClass GetButtonsClass();
  virtual TClass GetContainerClass();
  virtual TClass GetStyleClass();
  virtual TClass GetViewDataClass();
  virtual TClass GetViewInfoClass();
  virtual bool CanCompareEditValue() { return false; }
  virtual bool DefaultUseLeftAlignmentOnEditing() { return true; }

  // ---- Overridable behaviour
  virtual bool CanValidate() { return false; }
  virtual void Changed();
  // Whether the two values show alike (both prepared as an unfocused editor shows them).
  virtual bool CompareDisplayValues(const TcxEditValue& AEditValue1, const TcxEditValue& AEditValue2);
  // A new object of the same class without owner.
  virtual TcxCustomEditProperties* CreatePreviewProperties();
  virtual TcxCustomEditViewData* CreateViewData(TcxCustomEditStyle* AStyle, bool AIsInplace,
                                                bool APreviewMode = false);
  virtual void DataChanged() {}
  virtual String GetDisplayText(const TcxEditValue& AEditValue, bool AFullText = false, bool AIsInplace = true) {
    return "";
  }
  virtual TcxEditSpecialFeatures GetSpecialFeatures() { return {}; }
  virtual TcxEditSupportedOperations GetSupportedOperations();
  virtual bool IsActivationKey(char AKey) { return false; }
  virtual bool IsEditValueValid(TcxEditValue& AEditValue, bool AEditFocused) { return true; }
  virtual bool IsResetEditClass() { return false; }
  virtual void PrepareDisplayValue(const TcxEditValue& AEditValue, TcxEditValue& DisplayValue, bool AEditFocused);
  virtual void RestoreDefaults();
  virtual void Update(TcxCustomEditProperties* AProperties) {}
  // Validates a display value (see the editor's validation), firing the editor's OnValidate.
  virtual void ValidateDisplayValue(TcxEditValue& ADisplayValue, String& AErrorText, bool& AError,
                                    TcxCustomEdit* AEdit);
  virtual TcxDataEditValueSource GetEditValueSource(bool AEditFocused) { return evsValue; }
  virtual bool HasDisplayValue() { return false; }
  virtual bool InnerEditNeedsTabs() { return false; }
  virtual bool IsEditValueConversionDependOnFocused() { return true; }
  virtual TcxEditDisplayFormatOptions GetDisplayFormatOptions() { return {}; }
  virtual String GetValidateErrorText(TcxEditErrorKind AErrorKind);
  virtual TcxDataEditValueSource GetValueEditorEditValueSource(bool AEditFocused);
  virtual void DefaultValuesProviderDestroyed();

  void Assign(TPersistent* Source) override;

  // ---- Update bracket and change notification
  void BeginUpdate();
  void EndUpdate(bool AInvokeChanged = true);
  void LockUpdate(bool ALock) { FChangedLocked = ALock; }
  bool ChangedLocked() const { return FChangedLocked; }
  bool IsChanging() const { return FChangingDepth > 0; }
  // The owner's handler, called with the object on every change not held back.
  TNotifyEvent OnPropertiesChanged;

  // ---- Sizes (through a temporary view data)
  TSize GetEditConstantPartSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AEditStyle, bool AIsInplace,
                                const TcxEditSizeProperties& AEditSizeProperties, TSize& MinContentSize,
                                TcxCustomEditViewInfo* AViewInfo = nullptr);
  TSize GetEditContentSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AEditStyle, bool AIsInplace,
                           const TcxEditValue& AEditValue, const TcxEditSizeProperties& AEditSizeProperties);
  TSize GetEditSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AEditStyle, bool AIsInplace,
                    const TcxEditValue& AEditValue, const TcxEditSizeProperties& AEditSizeProperties,
                    TcxCustomEditViewInfo* AViewInfo = nullptr);

  // ---- Values the provider may give
  bool CanModify();
  bool GetReadOnly();
  void SetReadOnly(bool Value);
  double GetMaxValue();
  void SetMaxValue(double Value);
  double GetMinValue();
  void SetMinValue(double Value);
  void FillMinMaxValues(double AMaxValue, double AMinValue);
  bool IsValueEditorWithValueFormatting();
  IcxEditDefaultValuesProvider* GetIDefaultValuesProvider() const { return FIDefaultValuesProvider; }
  void SetIDefaultValuesProvider(IcxEditDefaultValuesProvider* Value);
  // Tells the settings that the provider's answers changed.
  void DefaultValuesChanged() { Changed(); }

  // ---- Settings
  TcxEditAlignment* GetAlignment();
  void SetAlignment(TcxEditAlignment* Value) { BaseSetAlignment(Value); }
  TcxCustomEditPropertiesValues* GetAssignedValues() const { return FAssignedValues; }
  void SetAssignedValues(TcxCustomEditPropertiesValues* Value) { FAssignedValues->Assign(Value); }
  bool GetAutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value);
  bool GetBeepOnError() const { return FBeepOnError; }
  void SetBeepOnError(bool Value) { FBeepOnError = Value; }
  TcxEditButtons* GetButtons() const { return FButtons; }
  void SetButtons(TcxEditButtons* Value);
  TcxEditButtonsViewStyle GetButtonsViewStyle() const { return FButtonsViewStyle; }
  void SetButtonsViewStyle(TcxEditButtonsViewStyle Value);
  TShortCut GetClearKey() const { return FClearKey; }
  void SetClearKey(TShortCut Value) { FClearKey = Value; }
  TShortCut GetClickKey() const { return FClickKey; }
  void SetClickKey(TShortCut Value) { FClickKey = Value; }
  bool GetImmediatePost() const { return FImmediatePost; }
  void SetImmediatePost(bool Value) { FImmediatePost = Value; }
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool GetUseLeftAlignmentOnEditing() const { return FUseLeftAlignmentOnEditing; }
  void SetUseLeftAlignmentOnEditing(bool Value);
  bool GetUseMouseWheel() const { return FUseMouseWheel; }
  void SetUseMouseWheel(bool Value) { FUseMouseWheel = Value; }
  bool GetValidateOnEnter() const { return FValidateOnEnter; }
  void SetValidateOnEnter(bool Value) { FValidateOnEnter = Value; }
  TPersistent* GetOwner() override;

  // Stored-tests.
  bool IsAlignmentStored();
  bool IsReadOnlyStored() const { return FAssignedValues->FReadOnly; }
  bool IsMaxValueStored() const { return FAssignedValues->FMaxValue; }
  bool IsMinValueStored() const { return FAssignedValues->FMinValue; }
  bool IsUseLeftAlignmentOnEditingStored() { return FUseLeftAlignmentOnEditing != DefaultUseLeftAlignmentOnEditing(); }

  // ---- Events
  TcxEditButtonClickEvent OnButtonClick;
  TNotifyEvent OnChange;
  TcxEditClosePopupEvent OnClosePopup;
  TNotifyEvent OnEditValueChanged;
  TcxEditValidateEvent OnValidate;
  TcxEditButtonClickEvent GetOnButtonClick() const { return OnButtonClick; }
  void SetOnButtonClick(TcxEditButtonClickEvent V) { OnButtonClick = V; }
  TNotifyEvent GetOnChange() const { return OnChange; }
  void SetOnChange(TNotifyEvent V) { OnChange = V; }
  TcxEditClosePopupEvent GetOnClosePopup() const { return OnClosePopup; }
  void SetOnClosePopup(TcxEditClosePopupEvent V) { OnClosePopup = V; }
  TNotifyEvent GetOnEditValueChanged() const { return OnEditValueChanged; }
  void SetOnEditValueChanged(TNotifyEvent V) { OnEditValueChanged = V; }
  TcxEditValidateEvent GetOnValidate() const { return OnValidate; }
  void SetOnValidate(TcxEditValidateEvent V) { OnValidate = V; }

 protected:
  friend class TcxCustomEditPropertiesValues;
  friend class TcxCustomEdit;
  void Construct() override;
  void Destroy() override;

  virtual void AlignmentChangedHandler(TObject* Sender);
  virtual void BaseSetAlignment(TcxEditAlignment* Value);
  virtual void ButtonsChanged(TObject* Sender) { Changed(); }
  virtual void FreeNotification(TComponent* AComponent) {}
  // Tells FreeNotification when a component given to AddSender is freed.
  TcxFreeNotificator* GetFreeNotificator() const { return FFreeNotificator; }
  virtual TAlignment GetDefaultHorzAlignment();
  // Fires the editor's validation event with a copy of the display value kept: a handler that
  // raises the error without a value of its own gets the editor's display value back.
  void DoValidate(TcxEditValue& ADisplayValue, String& AErrorText, bool& AError, TcxCustomEdit* AEdit,
                  bool& AIsUserErrorDisplayValue);

 private:
  void FreeNotificationHandler(TComponent* Sender) { FreeNotification(Sender); }
  // Stores a provider-backed value: nothing when it is assigned and equal already.
  template <class T>
  void SetAssignedValue(bool& AFlag, T& AField, const T& AValue);

  bool FAutoSelect = true;
  bool FBeepOnError = false;
  TcxEditButtons* FButtons = nullptr;
  TcxEditButtonsViewStyle FButtonsViewStyle = bvsNormal;
  bool FChangedOccurred = false;
  TShortCut FClearKey = 0;
  TShortCut FClickKey = scCtrl | 0x0D;
  TcxFreeNotificator* FFreeNotificator = nullptr;
  bool FImmediatePost = false;
  TcxEditAlignment* FInnerAlignment = nullptr;
  Integer FChangingDepth = 0;
  double FMaxValue = 0;
  double FMinValue = 0;
  bool FReadOnly = false;
  bool FTransparent = false;
  Integer FUpdateCount = 0;
  bool FUseLeftAlignmentOnEditing = true;
  bool FUseMouseWheel = true;
  bool FValidateOnEnter = false;
  TcxEditAlignment* FAlignment = nullptr;
  TcxCustomEditPropertiesValues* FAssignedValues = nullptr;
  bool FChangedLocked = false;
  IcxEditDefaultValuesProvider* FIDefaultValuesProvider = nullptr;
};

using TcxCustomEditPropertiesClass = TClassRef<TcxCustomEditProperties>;

}  // namespace cxEdit

using namespace cxEdit;
