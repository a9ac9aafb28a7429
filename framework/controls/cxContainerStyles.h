// The appearance of a container in one state: border colour and style, edges, colour, font, text
// colour and style, hot tracking, shadow and a transparent border. Each value a style sets itself
// carries an assigned bit; a value it leaves is taken from the style of the same state of the style
// controller it is bound to (following that controller's own binding), and finally from a default
// that depends on the state, the container and the look-and-feel. A container holds four such styles
// (normal, focused, disabled, hot); the normal one is the base and the parent of the other three and
// owns the look-and-feel, the font and the controller binding. A style controller is a component
// whose four styles many containers share.
#pragma once

#include <vector>

#include "Components.h"
#include "Graphics.h"
#include "cxClassesBase.h"
#include "cxContainerViewInfo.h"

namespace Filer {
class TFiler;
class TReader;
class TWriter;
}  // namespace Filer

namespace cxContainer {

class TcxContainer;
class TcxStyleController;

// One style value by its index; descendant styles add values from 10 on.
using TcxContainerStyleValue = Integer;
using TcxContainerStyleValues = TSet<TcxContainerStyleValue, 32>;
constexpr TcxContainerStyleValue csvBorderColor = 0, csvBorderStyle = 1, csvColor = 2, csvEdges = 3, csvFont = 4,
                                 csvHotTrack = 5, csvShadow = 6, csvTextColor = 7, csvTextStyle = 8,
                                 csvTransparentBorder = 9;
constexpr Integer cxContainerStyleValueCount = 10;
inline constexpr const char* cxContainerStyleValueNameA[cxContainerStyleValueCount] = {
    "BorderColor", "BorderStyle", "Color", "Edges", "Font", "HotTrack", "Shadow", "TextColor", "TextStyle",
    "TransparentBorder"};

// The default controller every base style binds to unless told otherwise; none until the editors
// set theirs.
extern TcxStyleController* cxContainerDefaultStyleController;
TcxStyleController* DefaultContainerStyleController();

class TcxContainerStyle : public TcxInterfacedPersistent {
  DECLARE_CLASS(TcxContainerStyle, TcxInterfacedPersistent)
 public:
  // A style of AClass (TcxContainerStyle or a descendant). The parent counts for state styles only;
  // a direct-access style is one whose owner writes colour and font into it directly.
  static TcxContainerStyle* Create(TClass AClass, TPersistent* AOwner, bool ADirectAccessMode,
                                   TcxContainerStyle* AParentStyle, TcxContainerStateItem AState);

  void Assign(TPersistent* Source) override;
  virtual Integer GetStyleValueCount() { return cxContainerStyleValueCount; }
  // The name of a value; false (and an empty name) beyond this class's values.
  virtual bool GetStyleValueName(TcxContainerStyleValue AStyleValue, String& AName);
  virtual bool HasBorder();
  // Whether the style or its controller chain sets the value.
  virtual bool IsValueAssigned(TcxContainerStyleValue AValue);
  virtual void RestoreDefaults();

  // ---- Values as painting reads them
  TColor GetBorderColor();
  TcxContainerBorderStyle GetBorderStyle();
  // The colour the Color property shows (a container's parent colour first while it follows it).
  virtual TColor GetColor();
  // The colour painting uses.
  virtual TColor GetStyleColor();
  TcxBorders GetEdges();
  TFont* GetFont();
  bool GetHotTrack();
  bool GetShadow();
  virtual TColor GetTextColor();
  virtual TFontStyles GetTextStyle();
  bool GetTransparentBorder();
  TcxContainerStyleValues GetAssignedValues();
  // The font to draw with: the font with the text colour and text style, renewed on every call.
  TFont* GetVisibleFont();
  TcxLookAndFeel* GetLookAndFeel();

  // ---- Setters of the published values
  void SetAssignedValues(TcxContainerStyleValues Value);
  void SetBorderColor(TColor Value);
  void SetBorderStyle(TcxContainerBorderStyle Value);
  void SetColor(TColor Value);
  void SetEdges(TcxBorders Value);
  void SetFont(TFont* Value);
  void SetHotTrack(bool Value);
  void SetLookAndFeel(TcxLookAndFeel* Value);
  void SetShadow(bool Value);
  void SetTextColor(TColor Value);
  void SetTextStyle(TFontStyles Value);
  void SetTransparentBorder(bool Value);
  TcxStyleController* GetStyleController() { return BaseGetStyleController(); }
  void SetStyleController(TcxStyleController* Value) { BaseSetStyleController(Value); }

  // ---- Binding and structure
  void BeginUpdate();
  void EndUpdate();
  // The bound controller; none when it is the default one, which is never shown or stored.
  TcxStyleController* BaseGetStyleController();
  void BaseSetStyleController(TcxStyleController* Value);
  // The controller the base style is bound to, the default one included.
  TcxStyleController* GetActiveStyleController();
  TcxContainerStyle* GetBaseStyle();
  TcxContainer* GetContainer();
  TcxContainerStyle* GetParentStyle() const { return FParentStyle; }
  TcxContainerStateItem GetState() const { return FState; }
  bool GetDirectAccessMode() const { return FDirectAccessMode; }
  bool IsBaseStyle() const { return FParentStyle == nullptr; }
  bool IsDestroying() const { return FIsDestroying; }
  // The index of the value a property name stands for (case-insensitive).
  bool GetStyleValue(const String& APropertyName, TcxContainerStyleValue& AStyleValue);
  // Whether a state style publishes the property (the base style's own values it does not).
  bool IsExtendedStylePropertyPublished(const String& APropertyName);
  // A base style whose font it does not set takes the font along its controller chain, or the
  // platform's default font where nothing gives one and the container does not follow its parent.
  void UpdateFont();
  void RestoreFont(TFont* AFont);

  // Stored-tests of the published values.
  bool IsBorderColorStored() const { return IsValueStored(csvBorderColor, "BorderColor"); }
  bool IsBorderStyleStored() const { return IsValueStored(csvBorderStyle, "BorderStyle"); }
  bool IsColorStored() const { return IsValueStored(csvColor, "Color"); }
  bool IsEdgesStored() const { return IsValueStored(csvEdges, "Edges"); }
  bool IsFontStored() const { return IsValueStored(csvFont, "Font"); }
  bool IsHotTrackStored() const { return IsValueStored(csvHotTrack, "HotTrack"); }
  bool IsShadowStored() const { return IsValueStored(csvShadow, "Shadow"); }
  bool IsTextColorStored() const { return IsValueStored(csvTextColor, "TextColor"); }
  bool IsTextStyleStored() const { return IsValueStored(csvTextStyle, "TextStyle"); }
  bool IsTransparentBorderStored() const { return IsValueStored(csvTransparentBorder, "TransparentBorder"); }
  bool IsStyleControllerStored() const { return IsBaseStyle(); }

  TNotifyEvent OnChanged;

 protected:
  friend class TcxStyleController;
  friend class TcxContainer;
  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;

  virtual void Changed();
  virtual void ControllerChangedNotification(TcxStyleController* AStyleController);
  virtual void ControllerFreeNotification(TcxStyleController* AStyleController);
  virtual TColor DefaultBorderColor();
  virtual TcxContainerBorderStyle DefaultBorderStyle();
  virtual TColor DefaultColor();
  virtual TcxBorders DefaultEdges() { return cxBordersAll; }
  virtual bool DefaultHotTrack() { return true; }
  virtual bool DefaultShadow() { return false; }
  virtual TColor DefaultTextColor();
  virtual TFontStyles DefaultTextStyle();
  virtual bool DefaultTransparentBorder() { return true; }
  virtual void FontChanged(TObject* Sender);
  virtual TcxStyleController* GetDefaultStyleController();
  // The values a state style takes from its base style and does not publish.
  virtual TcxContainerStyleValues InternalGetNotPublishedExtendedStyleValues();

  // Finds a value along the style's own assignment and the controller chain: the style holding it.
  // Values that belong to the base style are looked up from the base style of a state style.
  TcxContainerStyle* FindAssigned(TcxContainerStyleValue AValue);
  bool IsBaseOnlyValue(TcxContainerStyleValue AValue);
  // Removes a value's bit without notifying (the container's font and colour bookkeeping).
  void ExcludeAssigned(TcxContainerStyleValue AValue) { FAssignedValues.Exclude(AValue); }
  bool HasOwnValue(TcxContainerStyleValue AValue) const { return FAssignedValues.Contains(AValue); }
  // Stores a setter's value: nothing when it is assigned and equal already.
  template <class T>
  void SetValue(TcxContainerStyleValue AValue, T& AField, const T& ANewValue) {
    if (FAssignedValues.Contains(AValue) && AField == ANewValue) return;
    AField = ANewValue;
    FAssignedValues.Include(AValue);
    Changed();
  }
  // The same on the base style, for the values a state style shares with it.
  template <class S, class T>
  void SetBaseValue(TcxContainerStyleValue AValue, T S::*AField, const T& ANewValue) {
    auto* base = static_cast<S*>(GetBaseStyle());
    base->SetValue(AValue, base->*AField, ANewValue);
  }
  void CheckChanges();

 private:
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) { Changed(); }
  void FontChangeHandler(TObject* Sender) { FontChanged(Sender); }
  void ReadIsFontAssigned(Filer::TReader* Reader);
  void WriteIsFontAssigned(Filer::TWriter* Writer);
  bool IsValueStored(TcxContainerStyleValue AValue, const char* AName) const;
  bool IsOwnerDefaultStyleController();
  void InternalSetStyleController(TcxStyleController* Value);

  bool FDirectAccessMode = false;
  TcxContainerStyle* FParentStyle = nullptr;
  TcxContainerStateItem FState = csNormal;
  TcxContainerStyleValues FAssignedValues;
  TColor FBorderColor = clDefault;
  TcxContainerBorderStyle FBorderStyle = cbsNone;
  TcxBorders FEdges;
  bool FHotTrack = true;
  bool FShadow = false;
  bool FTransparentBorder = true;
  TColor FColor = clWindow;
  TFont* FFont = nullptr;  // owned by a base style; a direct-access style's is its owner's
  TColor FTextColor = clDefault;
  TFontStyles FTextStyle;
  TFont* FVisibleFont = nullptr;
  TcxLookAndFeel* FLookAndFeel = nullptr;  // the base style's
  TcxStyleController* FStyleController = nullptr;
  Integer FUpdateCount = 0;
  bool FModified = false;
  Integer FFontAssignedLockCount = 0;
  bool FIsDestroying = false;
};

// The four state styles of a container or a style controller; the normal style is the parent of
// the other three.
class TcxContainerStyles : public TObject {
  DECLARE_CLASS(TcxContainerStyles, TObject)
 public:
  // Styles of AStylesClass (TcxContainerStyles or a descendant) holding styles of AStyleClass.
  static TcxContainerStyles* Create(TClass AStylesClass, TPersistent* AOwner, TClass AStyleClass);
  TcxContainerStyles(TPersistent* AOwner = nullptr, TClass AStyleClass = nullptr)
      : FOwner(AOwner), FStyleClass(AStyleClass) {}

  TcxContainerStyle* GetStyle(TcxContainerStateItem AState) const { return FStyles[AState]; }
  // Assigns AStyle's settings to the held style of the state.
  void SetStyle(TcxContainerStateItem AState, TcxContainerStyle* AStyle);
  TcxContainerStyle* GetStyleNormal() const { return FStyles[csNormal]; }
  TcxContainerStyle* GetStyleFocused() const { return FStyles[csActive]; }
  TcxContainerStyle* GetStyleDisabled() const { return FStyles[csDisabled]; }
  TcxContainerStyle* GetStyleHot() const { return FStyles[csHotTrack]; }
  void SetStyleNormal(TcxContainerStyle* Value) { SetStyle(csNormal, Value); }
  void SetStyleFocused(TcxContainerStyle* Value) { SetStyle(csActive, Value); }
  void SetStyleDisabled(TcxContainerStyle* Value) { SetStyle(csDisabled, Value); }
  void SetStyleHot(TcxContainerStyle* Value) { SetStyle(csHotTrack, Value); }
  void SetOnChanged(TNotifyEvent Value);
  void RestoreDefaults();

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  TPersistent* FOwner;
  TClass FStyleClass;
  TcxContainerStyle* FStyles[4] = {};
};

// A component whose four styles the containers bound to it follow.
class TcxStyleController : public TComponent {
  DECLARE_CLASS(TcxStyleController, TComponent)
 public:
  explicit TcxStyleController(TComponent* AOwner = nullptr) : TComponent(AOwner) {}

  TcxContainerStyle* GetStyle() const { return FStyles->GetStyleNormal(); }
  TcxContainerStyle* GetInternalStyle(TcxContainerStateItem AState) const { return FStyles->GetStyle(AState); }
  void SetInternalStyle(TcxContainerStateItem AState, TcxContainerStyle* AStyle) { FStyles->SetStyle(AState, AStyle); }
  virtual void AddListener(TcxContainerStyle* AStyle);
  virtual void RemoveListener(TcxContainerStyle* AStyle);
  // Tells the style-changed event, then every listening style.
  void Changed();
  void StyleChanged(TObject* Sender) { Changed(); }
  void RestoreStyles() { FStyles->RestoreDefaults(); }
  // Scales the normal style's own font once (the first call), or passes the call on to the
  // controller whose font it follows.
  void ChangeFontScale(Integer M, Integer D);
  bool IsDestruction() const { return FIsDestruction; }
  const std::vector<TcxContainerStyle*>& GetListeners() const { return FListeners; }
  // Published: the controller the normal style is bound to; writing does nothing.
  TcxStyleController* GetFakeStyleController() const;
  void SetFakeStyleController(TcxStyleController*) {}

  // Published by descendants as OnStyleChanged.
  TNotifyEvent OnStyleChanged;

 protected:
  void Construct() override;
  void Destroy() override;
  void Loaded() override;
  virtual TClass GetStyleClass() { return TcxContainerStyle::StaticClass(); }
  virtual TClass GetStylesClass() { return TcxContainerStyles::StaticClass(); }

 private:
  TcxContainerStyles* FStyles = nullptr;
  std::vector<TcxContainerStyle*> FListeners;
  bool FIsDestruction = false;
  bool FFontScaled = false;
};

}  // namespace cxContainer

using namespace cxContainer;
