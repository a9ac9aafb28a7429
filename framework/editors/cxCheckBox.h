// The check box: a small box that shows one of three states (unchecked, checked, grayed) and, beside
// it, an optional caption. This header carries the unit's drawing routines, which draw the box from a
// user glyph strip, through a look-and-feel painter, through the platform theme or with the unit's own
// code for each editor border style; the check box editor with its settings, layout, paint state and
// action link; and the routines that pack the states of many check items into one storable value and
// back.
#pragma once

#include <vector>

#include "ActnList.h"
#include "Interfaces.h"
#include "Variants.h"
#include "cxContainerViewInfo.h"
#include "cxEditControl.h"
#include "cxEditStyles.h"
#include "cxLookAndFeelPaintersBase.h"
#include "cxLookAndFeels.h"
#include "cxTextEditViewInfo.h"

namespace Graphics {
class TBitmap;
}
namespace cxGraphics {
class TcxCanvas;
}

namespace cxLookAndFeelPainters {
ENUM_TYPEINFO(TcxCheckBoxState, cbsUnchecked, cbsChecked, cbsGrayed)
}

namespace cxCheckBox {

using cxGraphics::TcxCanvas;
using Graphics::TBitmap;
using cxLookAndFeelPainters::TcxCheckBoxState;
using cxLookAndFeelPainters::TcxCustomLookAndFeelPainterClass;

// The interaction state of the box, kept apart from the state of its value.
PUBLISHED_ENUM(TcxEditCheckState, ecsNormal, ecsHot, ecsPressed, ecsDisabled)
// How a grayed state is drawn.
PUBLISHED_ENUM(TcxCheckBoxNullValueShowingStyle, nssUnchecked, nssInactive, nssGrayedChecked)

// ---- Drawing the box -----------------------------------------------------------------------------------
// Draws the box into R: from a valid glyph strip, else by the painter, else by the theme (native), else
// by the border style's own drawing. Without ADrawBackground the background colour is not painted.
void DrawEditCheck(TcxCanvas* ACanvas, const TRect& R, TcxCheckBoxState AState, TcxEditCheckState ACheckState,
                   TBitmap* AGlyph, Integer AGlyphCount, TcxEditBorderStyle ABorderStyle, bool ANativeStyle,
                   TColor ABorderColor, TColor ABackgroundColor, bool ADrawBackground, bool AIsDesigning,
                   bool AFocused, bool AGrayedShowingGlyphs, TcxCustomLookAndFeelPainterClass APainter,
                   TcxCheckBoxNullValueShowingStyle ANullValueShowingStyle = nssGrayedChecked);
// The caption in the colour, on a clear brush, with cx text flags.
void DrawCheckBoxText(TcxCanvas* ACanvas, const String& AText, TFont* AFont, TColor ATextColor, const TRect& R,
                      Integer ADrawTextFlags, bool AEnabled);
// The size of one box: one frame of a valid glyph strip, else the painter's, the theme's or the base
// painter's check button size.
TSize GetEditCheckSize(TcxCanvas* ACanvas, bool ANativeStyle, TBitmap* AGlyph, Integer AGlyphCount,
                       TcxCustomLookAndFeelPainterClass APainter);
// How far the box's own drawing stays inside its rectangle for the border style: 2 less the
// container's border width; 0 for native drawing, glyphs and painters.
Integer GetEditCheckBorderOffset(cxContainer::TcxContainerBorderStyle ABorderStyle, bool ANativeStyle,
                                 bool AHasGlyph, TcxCustomLookAndFeelPainterClass APainter);
Integer GetEditCheckBorderOffset(TcxEditBorderStyle ABorderStyle, bool ANativeStyle, bool AHasGlyph,
                                 TcxCustomLookAndFeelPainterClass APainter);
Integer GetEditCheckBorderOffset(cxLookAndFeels::TcxLookAndFeelKind ALookAndFeelKind, bool ANativeStyle,
                                 bool AHasGlyph, TcxCustomLookAndFeelPainterClass APainter);
// The frame of the glyph strip that shows the state: unchecked, checked, grayed, then the same pressed.
// A strip of two or four frames (without grayed glyphs) has two frames per row. Always a frame of the
// strip.
Integer GetEditCheckGlyphIndex(TcxCheckBoxState AState, TcxEditCheckState ACheckState, bool AGrayedShowingGlyphs,
                               Integer AGlyphCount);
// The flags DrawFrameControl draws a box of the state with (DFCS_*).
UINT GetEditCheckFrameControlFlags(TcxCheckBoxState AState, TcxEditCheckState ACheckState,
                                   TcxEditBorderStyle ABorderStyle,
                                   TcxCheckBoxNullValueShowingStyle ANullValueShowingStyle);
// The tick of the ultra-flat looks, of the base painter's check button size: black where the tick is,
// white elsewhere. Lives from the unit's start to its end (null outside).
TBitmap* CheckMarkMask();

// ---- The check box editor ------------------------------------------------------------------------------
class TcxCustomCheckBox;

class TcxCustomCheckBoxProperties : public TcxCustomEditProperties {
  DECLARE_CLASS(TcxCustomCheckBoxProperties, TcxCustomEditProperties)
 public:
  explicit TcxCustomCheckBoxProperties(TPersistent* AOwner = nullptr) : TcxCustomEditProperties(AOwner) {}
  void Assign(TPersistent* Source) override;

  bool CanValidate() override { return true; }
  bool HasDisplayValue() override { return true; }
  bool CanCompareEditValue() override { return true; }
  bool IsResetEditClass() override { return true; }
  TClass GetViewDataClass() override;
  TClass GetContainerClass() override;
  TClass GetStyleClass() override;
  TClass GetViewInfoClass() override;
  TcxEditSpecialFeatures GetSpecialFeatures() override;
  TcxEditSupportedOperations GetSupportedOperations() override;
  bool IsActivationKey(char AKey) override { return AKey == ' '; }
  bool CompareDisplayValues(const TcxEditValue& AEditValue1, const TcxEditValue& AEditValue2) override;
  String GetDisplayText(const TcxEditValue& AEditValue, bool AFullText = false, bool AIsInplace = true) override;
  bool IsEditValueValid(TcxEditValue& AEditValue, bool AEditFocused) override;
  // 1 for the checked value, 0 for the unchecked one, 2 for any other (checked is tested first).
  void PrepareDisplayValue(const TcxEditValue& AEditValue, TcxEditValue& DisplayValue, bool AEditFocused) override;
  // Settings embedded in another editor lay the box out as their host wants.
  virtual bool IsEmbeddedEdit() { return false; }

  // The state a value shows: any value that is neither the checked nor the unchecked one is grayed.
  TcxCheckBoxState GetState(const TcxEditValue& AEditValue);
  // True when the value is used by none of the three states.
  bool CheckValue(const TcxEditValue& AValue);
  // Sets the three values at once when they are pairwise different and checked and unchecked are not
  // Null; otherwise nothing changes.
  void SetStateValues(const Variant& AValueChecked, const Variant& AValueGrayed, const Variant& AValueUnchecked);
  // True while the owner component is being read.
  bool IsLoading();

  TAlignment GetHorzAlignment() { return GetAlignment()->GetHorz(); }
  void SetHorzAlignment(TAlignment Value) { GetAlignment()->SetHorz(Value); }
  bool GetAllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { SetAndNotify(FAllowGrayed, Value); }
  String GetCaption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool GetCaptionAssigned() const { return FCaptionAssigned; }
  void ClearCaptionAssigned() { FCaptionAssigned = false; }
  WideString GetDisplayChecked() const { return FDisplayChecked; }
  void SetDisplayChecked(const WideString& Value) { SetAndNotify(FDisplayChecked, Value); }
  WideString GetDisplayGrayed() const { return FDisplayGrayed; }
  void SetDisplayGrayed(const WideString& Value) { SetAndNotify(FDisplayGrayed, Value); }
  WideString GetDisplayUnchecked() const { return FDisplayUnchecked; }
  void SetDisplayUnchecked(const WideString& Value) { SetAndNotify(FDisplayUnchecked, Value); }
  bool GetFullFocusRect() const { return FFullFocusRect; }
  void SetFullFocusRect(bool Value) { SetAndNotify(FFullFocusRect, Value); }
  // Made on first reading; a later change of its pixels changes the settings.
  TBitmap* GetGlyph() { return InternalGetGlyph(); }
  // A copy of the bitmap, or no own glyph for none.
  void SetGlyph(TBitmap* Value);
  Integer GetGlyphCount() const { return FGlyphCount; }
  void SetGlyphCount(Integer Value);
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value) { SetAndNotify(FMultiLine, Value); }
  TcxCheckBoxNullValueShowingStyle GetNullStyle() const { return FNullStyle; }
  void SetNullStyle(TcxCheckBoxNullValueShowingStyle Value) { SetAndNotify(FNullStyle, Value); }
  bool GetUseAlignmentWhenInplace() const { return FUseAlignmentWhenInplace; }
  void SetUseAlignmentWhenInplace(bool Value) { SetAndNotify(FUseAlignmentWhenInplace, Value); }
  Variant GetValueChecked() const { return FValueChecked; }
  // Outside loading, Null and a value used by another state are refused silently.
  void SetValueChecked(const Variant& Value);
  Variant GetValueGrayed() const { return FValueGrayed; }
  void SetValueGrayed(const Variant& Value);
  Variant GetValueUnchecked() const { return FValueUnchecked; }
  void SetValueUnchecked(const Variant& Value);

  // Stored tests of the published settings.
  bool IsDisplayCheckedStored() const;
  bool IsDisplayGrayedStored() const;
  bool IsDisplayUncheckedStored() const;
  bool IsValueCheckedStored() const;
  bool IsValueGrayedStored() const { return !VarIsNull(FValueGrayed); }
  bool IsValueUncheckedStored() const;
  bool IsHorzAlignmentStored() { return IsAlignmentStored(); }
  bool IsGlyphStored() const { return FGlyph && !FGlyph->GetEmpty(); }

 protected:
  void Construct() override;
  void Destroy() override;
  void DefineProperties(Filer::TFiler* Filer) override;
  virtual TBitmap* InternalGetGlyph();

 private:
  template <class T>
  void SetAndNotify(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  // Stores a state value unless it is refused (outside loading: Null when ANullAllowed is false, or
  // a value another state uses).
  void SetStateValue(Variant& AField, const Variant& Value, bool ANullAllowed);
  void GlyphChanged(TObject* Sender) { Changed(); }
  void ReadCaption(Filer::TReader* Reader);

  bool FAllowGrayed = false;
  String FCaption;
  WideString FDisplayChecked;
  WideString FDisplayGrayed;
  WideString FDisplayUnchecked;
  bool FFullFocusRect = false;
  TBitmap* FGlyph = nullptr;
  Integer FGlyphCount = 6;
  bool FCaptionAssigned = false;
  bool FMultiLine = false;
  TcxCheckBoxNullValueShowingStyle FNullStyle = nssGrayedChecked;
  bool FUseAlignmentWhenInplace = false;
  Variant FValueChecked;
  Variant FValueGrayed;
  Variant FValueUnchecked;
};

class TcxCheckBoxProperties : public TcxCustomCheckBoxProperties {
  DECLARE_CLASS(TcxCheckBoxProperties, TcxCustomCheckBoxProperties)
 public:
  explicit TcxCheckBoxProperties(TPersistent* AOwner = nullptr) : TcxCustomCheckBoxProperties(AOwner) {}
};

class TcxCustomCheckBoxViewData : public TcxCustomEditViewData {
  DECLARE_CLASS(TcxCustomCheckBoxViewData, TcxCustomEditViewData)
 public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  void EditValueToDrawValue(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                            TcxCustomEditViewInfo* AViewInfo) override;
  // The container draws no border around a check box.
  TcxEditBorderStyle GetBorderStyle() override { return ebsNone; }
  // cx text flags of the caption.
  virtual DWORD GetDrawTextFlags();
  bool GetIsEditClass() const { return true; }
  // The space key holds the served editor's box down.
  bool IsCheckPressed();
  TcxCustomCheckBoxProperties* GetCheckBoxProperties() const {
    return static_cast<TcxCustomCheckBoxProperties*>(GetProperties());
  }

 protected:
  TSize InternalGetEditConstantPartSize(TcxCanvas* ACanvas, bool AIsInplace,
                                        const TcxEditSizeProperties& AEditSizeProperties, TSize& MinContentSize,
                                        TcxCustomEditViewInfo* AViewInfo) override;

 private:
  void CalculateRects(TcxCustomEditViewInfo* AViewInfo, const TSize& ACheckSize);
  void CalculateCheckState(TcxCustomEditViewInfo* AViewInfo, const TPoint& P, TcxMouseButton Button,
                           TShiftState Shift);
  void CalculateFocusRect(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo);
};

class TcxCustomCheckBoxViewInfo : public TcxCustomTextEditViewInfo {
  DECLARE_CLASS(TcxCustomCheckBoxViewInfo, TcxCustomTextEditViewInfo)
 public:
  void Assign(TObject* Source) override;
  TcxRegion* GetUpdateRegion(TcxContainerViewInfo* AViewInfo) override;
  void Offset(Integer DX, Integer DY) override;
  bool IsHotTrack() override { return true; }
  bool IsHotTrack(const TPoint& P) override { return true; }
  bool NeedShowHint(TcxCanvas* ACanvas, const TPoint& P, const TRect& AVisibleBounds, String& AText,
                    bool& AIsMultiLine, TRect& ATextRect) override;
  // Only the box is painted again when only its states changed.
  bool Repaint(TWinControl* AControl, const TRect& AInnerEditRect, TcxContainerViewInfo* AViewInfo) override;
  using TcxCustomTextEditViewInfo::Repaint;
  void DrawText(TcxCanvas* ACanvas) override;
  bool IsTextEnabled();
  TcxCustomCheckBox* GetEdit() const;
  // The edit check state or the check box state differs from AViewInfo's.
  bool StatesDiffer(TcxContainerViewInfo* AViewInfo) const;

  TAlignment Alignment = taLeftJustify;
  Integer CheckBorderOffset = 0;
  TcxEditBorderStyle CheckBorderStyle = ebsNone;
  TBitmap* Glyph = nullptr;
  Integer GlyphCount = 0;
  TRect CheckBoxRect;
  TcxEditCheckState CheckBoxCheckState = ecsNormal;
  TRect FocusRect;
  bool HasGlyph = false;
  bool IsTextColorAssigned = false;
  TcxCheckBoxNullValueShowingStyle NullValueShowingStyle = nssGrayedChecked;
  TcxCheckBoxState State = cbsUnchecked;

 protected:
  void InternalPaint(TcxCanvas* ACanvas) override;
};

class TcxCheckBoxStyle : public TcxEditStyle {
  DECLARE_CLASS(TcxCheckBoxStyle, TcxEditStyle)
 public:
  using TcxEditStyle::TcxEditStyle;
  bool HasBorder() override { return false; }
};

class TcxCustomCheckBox : public TcxCustomEdit {
  DECLARE_CLASS(TcxCustomCheckBox, TcxCustomEdit)
 public:
  explicit TcxCustomCheckBox(TComponent* AOwner = nullptr, bool AIsInplace = false)
      : TcxCustomEdit(AOwner, AIsInplace) {}
  TClass GetPropertiesClass() override;
  void Clear() override { SetChecked(false); }
  // 0, 1 and 2 give the unchecked, checked and grayed values; any other number leaves the value
  // unassigned.
  void PrepareEditValue(const TcxEditValue& ADisplayValue, TcxEditValue& EditValue, bool AEditFocused) override;
  void Dispatch(TMessage& Message) override;
  // Unchecked goes to grayed (with AllowGrayed) or checked, checked to unchecked, grayed to checked.
  virtual void Toggle();

  TcxCheckBoxState GetState();
  // While loading the state waits for Loaded.
  void SetState(TcxCheckBoxState Value);
  bool GetChecked() { return GetState() == cbsChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbsChecked : cbsUnchecked); }
  // Invalidates the box without erasing.
  void InvalidateCheckRect();
  // Not stored while the state agrees with the linked action's Checked.
  bool IsStateStored();
  bool IsKeyPressed() const { return FIsKeyPressed; }

  TcxCustomCheckBoxProperties* GetProperties() const {
    return static_cast<TcxCustomCheckBoxProperties*>(TcxCustomEdit::GetProperties());
  }
  void SetProperties(TcxCustomCheckBoxProperties* Value) { TcxCustomEdit::GetProperties()->Assign(Value); }
  TcxCustomCheckBoxProperties* GetActiveProperties() {
    return static_cast<TcxCustomCheckBoxProperties*>(TcxCustomEdit::GetActiveProperties());
  }
  TcxCheckBoxStyle* GetStyle() const { return static_cast<TcxCheckBoxStyle*>(TcxCustomEdit::GetStyle()); }
  void SetStyle(TcxCheckBoxStyle* Value) { TcxCustomEdit::SetStyle(Value); }
  TcxCustomCheckBoxViewInfo* GetCheckBoxViewInfo() const {
    return static_cast<TcxCustomCheckBoxViewInfo*>(GetViewInfo());
  }
  TNotifyEvent GetOnMouseEnterEvent() const { return OnMouseEnter; }
  void SetOnMouseEnterEvent(TNotifyEvent Value) { OnMouseEnter = Value; }
  TNotifyEvent GetOnMouseLeaveEvent() const { return OnMouseLeave; }
  void SetOnMouseLeaveEvent(TNotifyEvent Value) { OnMouseLeave = Value; }

 protected:
  friend class TcxCheckBoxActionLink;
  void Loaded() override;
  bool CanHaveTransparentBorder() override;
  bool DefaultParentColor() override { return true; }
  TRect GetShadowBounds() override;
  TcxContainerStyleValues InternalGetNotPublishedStyleValues() override;
  void DoEditKeyDown(Word& Key, TShiftState Shift) override;
  void DoEditKeyPress(char& Key) override;
  void DoEditKeyUp(Word& Key, TShiftState Shift) override;
  void FillSizeProperties(TcxEditSizeProperties& AEditSizeProperties) override;
  void Initialize() override;
  void InternalSetEditValue(const TcxEditValue& Value, bool AValidateEditValue) override;
  bool IsClickEnabledDuringLoading() override { return IsDBEdit(); }
  bool IsNativeBackground() override;
  void ProcessViewInfoChanges(TcxContainerViewInfo* APrevViewInfo, bool AIsMouseDownUpEvent) override;
  void PropertiesChanged(TObject* Sender) override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void DoExit() override;
  TClass GetActionLinkClass() const override;
  void TextChanged() override;
  // The editor follows a data field rather than its own value.
  bool IsDBEdit();

 private:
  void CMDialogChar(TMessage& Message);
  bool FIsKeyPressed = false;
  bool FIsLoaded = false;
  bool FStatePending = false;
  TcxCheckBoxState FPendingState = cbsUnchecked;
};

class TcxCheckBox : public TcxCustomCheckBox {
  DECLARE_CLASS(TcxCheckBox, TcxCustomCheckBox)
 public:
  explicit TcxCheckBox(TComponent* AOwner = nullptr, bool AIsInplace = false) : TcxCustomCheckBox(AOwner, AIsInplace) {}
  TClass GetPropertiesClass() override;
  TcxCheckBoxProperties* GetProperties() const {
    return static_cast<TcxCheckBoxProperties*>(TcxCustomCheckBox::GetProperties());
  }
  void SetProperties(TcxCheckBoxProperties* Value) { TcxCustomCheckBox::SetProperties(Value); }
};

// A check box follows its action's Checked without raising OnClick or OnChange.
class TcxCheckBoxActionLink : public ActnList::TWinControlActionLink {
  DECLARE_CLASS(TcxCheckBoxActionLink, ActnList::TWinControlActionLink)
 public:
  explicit TcxCheckBoxActionLink(TObject* AClient = nullptr) : ActnList::TWinControlActionLink(AClient) {}
  bool IsCheckedLinked() override;
  void SetChecked(bool Value) override;
  // Sets the client's Checked with its clicks and change events held back and not fired.
  void InternalSetChecked(bool Value);

 protected:
  void AssignClient(TObject* AClient) override;
  TcxCustomCheckBox* FClientCheckBox = nullptr;
};

// ---- The states of many check items as one value -------------------------------------------------------
using TcxCheckStates = std::vector<TcxCheckBoxState>;
PUBLISHED_ENUM(TcxCheckStatesValueFormat, cvfCaptions, cvfIndices, cvfInteger, cvfStatesString)

// The items whose states are packed: their count and captions.
class IcxCheckItems : public virtual IInterface {
  DECLARE_INTERFACE_GUID(IcxCheckItems, "{5BF13228-CF05-4741-9833-F2B8FBFD57ED}")
 public:
  virtual String GetCaption(Integer Index) = 0;
  virtual Integer GetCount() = 0;
};

// The states as one value of the format.
Variant CalculateCheckStatesValue(const TcxCheckStates& ACheckStates, IcxCheckItems* AItems,
                                  TcxCheckStatesValueFormat AValueFormat);
// The value back into one state per item. A malformed value answers false with every state unchecked.
bool CalculateCheckStates(const Variant& AValue, IcxCheckItems* AItems, TcxCheckStatesValueFormat AValueFormat,
                          TcxCheckStates& ACheckStates);

void InitCheckBoxDrawing();
void DoneCheckBoxDrawing();
void InitCheckBox();
void DoneCheckBox();

}  // namespace cxCheckBox

using namespace cxCheckBox;
