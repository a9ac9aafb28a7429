// The editor style: the container style with six values of its own for buttons, gradients and
// drop-down windows, resolved along the style controller chain like the container's; the editor
// style controller; and the component that shows the process-wide default controller's styles.
#pragma once

#include "cxClassesBase.h"
#include "cxContainerStyles.h"

namespace cxEdit {

class TcxCustomEdit;
class TcxEditStyleController;

PUBLISHED_ENUM(TcxEditBorderStyle, ebsNone, ebsSingle, ebsThick, ebsFlat, ebs3D, ebsUltraFlat, ebsOffice11)
PUBLISHED_ENUM(TcxEditButtonStyle, btsDefault, bts3D, btsFlat, btsSimple, btsHotFlat, btsUltraFlat, btsOffice11)
PUBLISHED_ENUM(TcxEditButtonTransparency, ebtNone, ebtInactive, ebtAlways, ebtHideInactive, ebtHideUnselected)
PUBLISHED_ENUM(TcxEditPopupBorderStyle, epbsDefault, epbsSingle, epbsFrame3D, epbsFlat)
// dirLeft .. dirDown of the foundation's directions.
using TcxEditGradientDirection = TcxDirection;

constexpr TcxContainerStyleValue svButtonStyle = 10, svButtonTransparency = 11, svPopupBorderStyle = 12,
                                 svGradientButtons = 13, svGradient = 14, svGradientDirection = 15;
constexpr Integer cxEditStyleValueCount = 16;

class TcxCustomEditStyle : public TcxContainerStyle {
  DECLARE_CLASS(TcxCustomEditStyle, TcxContainerStyle)
 public:
  bool GetStyleValueName(TcxContainerStyleValue AStyleValue, String& AName) override;
  Integer GetStyleValueCount() override { return cxEditStyleValueCount; }
  bool IsValueAssigned(TcxContainerStyleValue AValue) override;
  void Assign(TPersistent* Source) override;
  // Colour, font and text colour from the view parameters (their bitmap is not used).
  void Init(const TcxViewParams& AParams);

  TcxEditButtonStyle GetButtonStyle();
  TcxEditButtonTransparency GetButtonTransparency();
  bool GetGradient();
  bool GetGradientButtons();
  TcxEditGradientDirection GetGradientDirection();
  TcxEditPopupBorderStyle GetPopupBorderStyle();
  bool GetPopupCloseButton();
  TcxEditBorderStyle GetBorderStyle() { return static_cast<TcxEditBorderStyle>(TcxContainerStyle::GetBorderStyle()); }
  void SetButtonStyle(TcxEditButtonStyle Value);
  void SetButtonTransparency(TcxEditButtonTransparency Value);
  void SetGradient(bool Value);
  void SetGradientButtons(bool Value);
  void SetGradientDirection(TcxEditGradientDirection Value);
  void SetPopupBorderStyle(TcxEditPopupBorderStyle Value);
  void SetPopupCloseButton(bool Value);
  void SetBorderStyle(TcxEditBorderStyle Value) {
    TcxContainerStyle::SetBorderStyle(static_cast<TcxContainerBorderStyle>(Value));
  }
  TcxEditStyleController* GetStyleController();
  void SetStyleController(TcxEditStyleController* Value);

  // Whether the value is found in this style or along its controller chain, and the value.
  bool InternalGetButtonStyle(TcxEditButtonStyle& Value);
  bool InternalGetButtonTransparency(TcxEditButtonTransparency& Value);
  bool InternalGetGradient(bool& Value);
  bool InternalGetGradientButtons(bool& Value);
  bool InternalGetGradientDirection(TcxEditGradientDirection& Value);
  bool InternalGetPopupBorderStyle(TcxEditPopupBorderStyle& Value);

  // The owning editor, if any.
  TcxCustomEdit* GetEdit();
  TcxCustomEditStyle* GetBaseStyle() { return static_cast<TcxCustomEditStyle*>(TcxContainerStyle::GetBaseStyle()); }
  TcxEditStyleController* GetActiveStyleController();

  // Stored-tests of the published values.
  bool IsButtonStyleStored() const { return IsEditValueStored(svButtonStyle, "ButtonStyle"); }
  bool IsButtonTransparencyStored() const { return IsEditValueStored(svButtonTransparency, "ButtonTransparency"); }
  bool IsGradientStored() const { return IsEditValueStored(svGradient, "Gradient"); }
  bool IsGradientButtonsStored() const { return IsEditValueStored(svGradientButtons, "GradientButtons"); }
  bool IsGradientDirectionStored() const { return IsEditValueStored(svGradientDirection, "GradientDirection"); }
  bool IsPopupBorderStyleStored() const { return IsEditValueStored(svPopupBorderStyle, "PopupBorderStyle"); }

 protected:
  TcxStyleController* GetDefaultStyleController() override;
  TcxContainerStyleValues InternalGetNotPublishedExtendedStyleValues() override;
  virtual TcxEditButtonStyle DefaultButtonStyle();
  virtual TcxEditButtonTransparency DefaultButtonTransparency();
  virtual bool DefaultGradient();
  virtual bool DefaultGradientButtons();
  virtual TcxEditGradientDirection DefaultGradientDirection();
  virtual TcxEditPopupBorderStyle DefaultPopupBorderStyle();

 private:
  // The style holding an own value along the controller chain (the base style's chain for the
  // values a state style shares).
  TcxCustomEditStyle* FindEditValue(TcxContainerStyleValue AValue);
  bool IsEditValueStored(TcxContainerStyleValue AValue, const char* AName) const;
  template <class T>
  bool InternalGet(TcxContainerStyleValue AValue, T TcxCustomEditStyle::*AField, T& Value);

  TcxEditButtonStyle FButtonStyle = btsDefault;
  TcxEditButtonTransparency FButtonTransparency = ebtNone;
  bool FGradient = false;
  bool FGradientButtons = false;
  TcxEditGradientDirection FGradientDirection = dirDown;
  TcxEditPopupBorderStyle FPopupBorderStyle = epbsDefault;
  bool FPopupCloseButton = true;
};

// The published form of the editor style.
class TcxEditStyle : public TcxCustomEditStyle {
  DECLARE_CLASS(TcxEditStyle, TcxCustomEditStyle)
};

class TcxEditStyleController : public TcxStyleController {
  DECLARE_CLASS(TcxEditStyleController, TcxStyleController)
 public:
  explicit TcxEditStyleController(TComponent* AOwner = nullptr) : TcxStyleController(AOwner) {}

  TcxEditStyle* GetInternalStyle(TcxContainerStateItem AState) const {
    return static_cast<TcxEditStyle*>(TcxStyleController::GetInternalStyle(AState));
  }
  TcxEditStyle* GetStyle() const { return GetInternalStyle(csNormal); }
  TcxEditStyle* GetStyleDisabled() const { return GetInternalStyle(csDisabled); }
  TcxEditStyle* GetStyleFocused() const { return GetInternalStyle(csActive); }
  TcxEditStyle* GetStyleHot() const { return GetInternalStyle(csHotTrack); }
  void SetStyle(TcxEditStyle* Value) { SetInternalStyle(csNormal, Value); }
  void SetStyleDisabled(TcxEditStyle* Value) { SetInternalStyle(csDisabled, Value); }
  void SetStyleFocused(TcxEditStyle* Value) { SetInternalStyle(csActive, Value); }
  void SetStyleHot(TcxEditStyle* Value) { SetInternalStyle(csHotTrack, Value); }
  TNotifyEvent GetOnStyleChanged() const { return OnStyleChanged; }
  void SetOnStyleChanged(TNotifyEvent Value) { OnStyleChanged = Value; }

 protected:
  TClass GetStyleClass() override { return TcxEditStyle::StaticClass(); }
};

// A component that shows, and lets one set, the default edit style controller's styles and the
// drawing-emulation switch. When the last such component goes, the default styles are restored.
class TcxDefaultEditStyleController : public TComponent {
  DECLARE_CLASS(TcxDefaultEditStyleController, TComponent)
 public:
  explicit TcxDefaultEditStyleController(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  void RestoreStyles();
  bool GetEmulateStandardControlDrawing() const;
  void SetEmulateStandardControlDrawing(bool Value);
  TcxEditStyle* GetStyle() const;
  void SetStyle(TcxEditStyle* Value);
  TcxEditStyle* GetStyleDisabled() const;
  void SetStyleDisabled(TcxEditStyle* Value);
  TcxEditStyle* GetStyleFocused() const;
  void SetStyleFocused(TcxEditStyle* Value);
  TcxEditStyle* GetStyleHot() const;
  void SetStyleHot(TcxEditStyle* Value);
  TNotifyEvent GetOnStyleChanged() const;
  void SetOnStyleChanged(TNotifyEvent Value);
  // The number of live components of this class.
  static Integer InstanceCount();

 protected:
  void Construct() override;
  void Destroy() override;
};

}  // namespace cxEdit

using namespace cxEdit;
