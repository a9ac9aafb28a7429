// The label: the editor kind that shows a caption and never edits it. Besides plain text it draws text
// turned by any angle (TrueType fonts), a depth effect in four flavours, raised, lowered and outlined
// text, text filled with a tiled bitmap, word wrap, and an accelerator that moves the focus to another
// control. Every label is painted into a bitmap its view info keeps, drawn again only when something
// changed.
#pragma once

#include "cxEditControl.h"
#include "cxEditProperties.h"
#include "cxEditStyles.h"
#include "cxEditViewData.h"
#include "cxTextEditViewInfo.h"

namespace cxLabel {

PUBLISHED_ENUM(TcxLabelEffect, cxleNormal, cxleFun, cxleExtrude, cxleCool)
PUBLISHED_ENUM(TcxLabelStyle, cxlsNormal, cxlsRaised, cxlsLowered, cxlsOutLine)
PUBLISHED_ENUM(TcxLabelOrientation, cxoLeft, cxoRight, cxoTop, cxoBottom, cxoLeftTop, cxoLeftBottom, cxoRightTop,
               cxoRightBottom)

// The angle as drawn: 0 for a font that cannot turn, otherwise brought into 0..359.
Integer cxLabelNormalizedAngle(Integer AAngle, bool ATrueType);
// How far raised and lowered text reaches beyond the plain text: 2 for fonts of 12 points or more.
Integer cxLabelStyleOffset(TcxLabelStyle AStyle, TFont* AFont);

class TcxCustomLabelProperties : public TcxCustomEditProperties {
  DECLARE_CLASS(TcxCustomLabelProperties, TcxCustomEditProperties)
 public:
  explicit TcxCustomLabelProperties(TPersistent* AOwner = nullptr) : TcxCustomEditProperties(AOwner) {}
  void Assign(TPersistent* Source) override;

  TcxEditDisplayFormatOptions GetDisplayFormatOptions() override { return {}; }
  TClass GetViewDataClass() override;
  bool HasDisplayValue() override { return true; }
  bool CanCompareEditValue() override { return true; }
  TClass GetContainerClass() override;
  TClass GetStyleClass() override;
  TClass GetViewInfoClass() override;
  String GetDisplayText(const TcxEditValue& AEditValue, bool AFullText = false, bool AIsInplace = true) override;
  TcxEditSupportedOperations GetSupportedOperations() override;
  void PrepareDisplayValue(const TcxEditValue& AEditValue, TcxEditValue& DisplayValue, bool AEditFocused) override;
  TcxDataEditValueSource GetEditValueSource(bool AEditFocused) override { return evsText; }
  // How far the depth reaches on each axis (never negative; the direction comes from the orientation).
  virtual TPoint CalculateDepthDelta();

  TcxLabelEffect GetLabelEffect() const { return FLabelEffect; }
  void SetLabelEffect(TcxLabelEffect Value);
  TcxLabelStyle GetLabelStyle() const { return FLabelStyle; }
  void SetLabelStyle(TcxLabelStyle Value);
  TcxLabelOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TcxLabelOrientation Value);
  Word GetDepth() const { return FDepth; }
  void SetDepth(Word Value);
  TColor GetShadowedColor() const { return FShadowedColor; }
  void SetShadowedColor(TColor Value);
  bool GetShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  bool GetShowEndEllipsis() const { return FShowEndEllipsis; }
  void SetShowEndEllipsis(bool Value) { FShowEndEllipsis = Value; }
  Integer GetAngle() const { return FAngle; }
  void SetAngle(Integer Value);
  Integer GetPenWidth() const { return FPenWidth; }
  void SetPenWidth(Integer Value);
  // Made on first reading.
  TBitmap* GetGlyph();
  void SetGlyph(TBitmap* Value);
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // Stored tests of the published settings.
  bool IsLabelAlignmentStored() const { return const_cast<TcxCustomLabelProperties*>(this)->IsAlignmentStored(); }
  bool IsGlyphStored() const { return FGlyph && !FGlyph->GetEmpty(); }

 protected:
  void Destroy() override;

 private:
  template <class T>
  void SetAndNotify(T& AField, T AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  void GlyphChanged(TObject* Sender) { Changed(); }

  TcxLabelEffect FLabelEffect = cxleNormal;
  TcxLabelStyle FLabelStyle = cxlsNormal;
  TcxLabelOrientation FOrientation = cxoRightBottom;
  Word FDepth = 0;
  TColor FShadowedColor = clGrayText;
  bool FShowAccelChar = true;
  bool FShowEndEllipsis = false;
  Integer FAngle = 0;
  Integer FPenWidth = 1;
  TBitmap* FGlyph = nullptr;
  bool FWordWrap = false;
};

class TcxLabelProperties : public TcxCustomLabelProperties {
  DECLARE_CLASS(TcxLabelProperties, TcxCustomLabelProperties)
 public:
  explicit TcxLabelProperties(TPersistent* AOwner = nullptr) : TcxCustomLabelProperties(AOwner) {}
};

class TcxCustomLabelViewData : public TcxCustomEditViewData {
  DECLARE_CLASS(TcxCustomLabelViewData, TcxCustomEditViewData)
 public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  void EditValueToDrawValue(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                            TcxCustomEditViewInfo* AViewInfo) override;
  TSize GetEditContentSize(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                           const TcxEditSizeProperties& AEditSizeProperties) override;
  virtual DWORD GetDrawTextFlags();
  bool GetIsEditClass() const { return false; }
  TcxCustomLabelProperties* GetLabelProperties() const {
    return static_cast<TcxCustomLabelProperties*>(GetProperties());
  }

 protected:
  String InternalEditValueToDisplayText(const TcxEditValue& AEditValue) override;
};

class TcxCustomLabelViewInfo : public TcxCustomTextEditViewInfo {
  DECLARE_CLASS(TcxCustomLabelViewInfo, TcxCustomTextEditViewInfo)
 public:
  void SetBackgroundColor(TColor Value) override;
  void Offset(Integer DX, Integer DY) override;
  void Paint(TcxCanvas* ACanvas) override;
  virtual void DrawLabel(TcxCanvas* ACanvas);

  TcxEditAlignment* LabelAlignment = nullptr;
  Integer Angle = 0;
  Word Depth = 0;
  TPoint DepthDelta;
  TBitmap* CacheBitmap = nullptr;
  TBitmap* Glyph = nullptr;
  bool NeedsRedraw = true;
  TPoint LastDrawnPosition;
  TcxLabelEffect LabelEffect = cxleNormal;
  TcxLabelStyle LabelStyle = cxlsNormal;
  TRect LabelRect;
  TcxLabelOrientation Orientation = cxoRightBottom;
  Integer PenWidth = 1;
  TColor ShadowedColor = clGrayText;
  bool WordWrap = false;
  TRect DrawTextOffsets;
  TRect FocusRect;
  bool ShowAccelChar = true;

 protected:
  void Construct() override;
  void Destroy() override;

 private:
  // One pass of the label onto ACanvas: background ABackground, text in AText, the target's origin AOrigin.
  void DrawLabelPass(TcxCanvas* ACanvas, const TRect& ABackground, const TRect& AText, const TPoint& AOrigin);
  void DrawTextAt(TcxCanvas* ACanvas, const TRect& AText, const TPoint& AAt, bool ARotated);
  // The main text filled with the glyph where there is one; else plain unless the fallback is suppressed.
  void DrawTexturedText(TcxCanvas* ACanvas, const TRect& AText, const TPoint& AAt, bool ARotated, bool ATrueType,
                        bool ASuppressPlain);
  String RotatedText() const;
  // The canvas the label is being drawn on, while DrawLabel runs.
  TcxCanvas* FTargetCanvas = nullptr;
};

class TcxLabelEditStyle : public TcxEditStyle {
  DECLARE_CLASS(TcxLabelEditStyle, TcxEditStyle)
 public:
  using TcxEditStyle::TcxEditStyle;

 protected:
  TcxContainerBorderStyle DefaultBorderStyle() override;
  bool DefaultHotTrack() override { return false; }
};

class TcxCustomLabel : public TcxCustomEdit {
  DECLARE_CLASS(TcxCustomLabel, TcxCustomEdit)
 public:
  explicit TcxCustomLabel(TComponent* AOwner = nullptr, bool AIsInplace = false) : TcxCustomEdit(AOwner, AIsInplace) {}
  bool CanFocus() override { return IsInplace(); }
  TClass GetPropertiesClass() override;

  TcxCustomLabelProperties* GetProperties() const {
    return static_cast<TcxCustomLabelProperties*>(TcxCustomEdit::GetProperties());
  }
  void SetProperties(TcxCustomLabelProperties* Value) { TcxCustomEdit::GetProperties()->Assign(Value); }
  TcxCustomLabelProperties* GetActiveProperties() {
    return static_cast<TcxCustomLabelProperties*>(TcxCustomEdit::GetActiveProperties());
  }
  TcxLabelEditStyle* GetStyle() const { return static_cast<TcxLabelEditStyle*>(TcxCustomEdit::GetStyle()); }
  void SetStyle(TcxLabelEditStyle* Value) { TcxCustomEdit::SetStyle(Value); }
  TWinControl* GetFocusControl() const { return FFocusControl; }
  // The control that takes the focus for the caption's accelerator; the label itself is refused.
  void SetFocusControl(TWinControl* Value);
  TcxCustomLabelViewInfo* GetLabelViewInfo() const { return static_cast<TcxCustomLabelViewInfo*>(GetViewInfo()); }
  void Dispatch(TMessage& Message) override;
  TNotifyEvent GetOnMouseEnterEvent() const { return OnMouseEnter; }
  void SetOnMouseEnterEvent(TNotifyEvent Value) { OnMouseEnter = Value; }
  TNotifyEvent GetOnMouseLeaveEvent() const { return OnMouseLeave; }
  void SetOnMouseLeaveEvent(TNotifyEvent Value) { OnMouseLeave = Value; }

 protected:
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ReadState(Filer::TReader* Reader) override;
  bool CanFocusOnClick() override;
  bool DefaultParentColor() override { return true; }
  bool IsRightBoundFixed() override;
  bool CanAutoWidth() override;
  void Initialize() override;
  void InternalSetEditValue(const TcxEditValue& Value, bool AValidateEditValue) override;
  void SetInternalDisplayValue(const TcxEditValue& Value) override;
  void TextChanged() override;

 private:
  void CMDialogChar(TMessage& Message);
  bool FJustLoaded = false;
  TWinControl* FFocusControl = nullptr;
  bool FCaptionLock = false;
};

class TcxLabel : public TcxCustomLabel {
  DECLARE_CLASS(TcxLabel, TcxCustomLabel)
 public:
  explicit TcxLabel(TComponent* AOwner = nullptr, bool AIsInplace = false) : TcxCustomLabel(AOwner, AIsInplace) {}
  TClass GetPropertiesClass() override;
  TcxLabelProperties* GetProperties() const { return static_cast<TcxLabelProperties*>(TcxCustomLabel::GetProperties()); }
  void SetProperties(TcxLabelProperties* Value) { TcxCustomLabel::SetProperties(Value); }
};

void InitLabel();
void DoneLabel();

}  // namespace cxLabel

using namespace cxLabel;
