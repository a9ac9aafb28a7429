// The label's settings, layout and control: the caption is the edit value, the layout measures turned
// and deepened text, and an accelerator in the caption moves the focus to the label's focus control.
#include "cxLabel.h"

#include <cmath>

#include "StdCtrls.h"
#include "WinUser.h"
#include "cxClassesRegistry.h"
#include "cxClassesResStrings.h"
#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxControlsUtils.h"
#include "cxEditRegistry.h"
#include "cxEditUtils.h"
#include "cxExtEditConsts.h"
#include "cxExtEditUtils.h"
#include "cxGeometry.h"
#include "cxGraphicsFunctions.h"

namespace cxLabel {

Integer cxLabelNormalizedAngle(Integer AAngle, bool ATrueType) {
  if (!ATrueType) return 0;
  return ((AAngle % 360) + 360) % 360;
}

Integer cxLabelStyleOffset(TcxLabelStyle AStyle, TFont* AFont) {
  if (AStyle != cxlsRaised && AStyle != cxlsLowered) return 0;
  return AFont->GetSize() >= 12 ? 2 : 1;
}

// ---- TcxCustomLabelProperties ---------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomLabelProperties)

IMPLEMENT_CLASS_PUBLISHED(TcxLabelProperties) {
  d.Property("Alignment", &TcxLabelProperties::GetAlignment, &TcxLabelProperties::SetAlignment)
      .Stored(&TcxLabelProperties::IsLabelAlignmentStored);
  d.Property("Angle", &TcxLabelProperties::GetAngle, &TcxLabelProperties::SetAngle).Default(0);
  d.Property("Depth", &TcxLabelProperties::GetDepth, &TcxLabelProperties::SetDepth).Default(0);
  d.Property("Glyph", &TcxLabelProperties::GetGlyph, &TcxLabelProperties::SetGlyph)
      .Stored(&TcxLabelProperties::IsGlyphStored);
  d.Property("LabelEffect", &TcxLabelProperties::GetLabelEffect, &TcxLabelProperties::SetLabelEffect)
      .Default(cxleNormal);
  d.Property("LabelStyle", &TcxLabelProperties::GetLabelStyle, &TcxLabelProperties::SetLabelStyle).Default(cxlsNormal);
  d.Property("Orientation", &TcxLabelProperties::GetOrientation, &TcxLabelProperties::SetOrientation)
      .Default(cxoRightBottom);
  d.Property("PenWidth", &TcxLabelProperties::GetPenWidth, &TcxLabelProperties::SetPenWidth).Default(1);
  d.Property("ShadowedColor", &TcxLabelProperties::GetShadowedColor, &TcxLabelProperties::SetShadowedColor)
      .Type(ColorTypeInfo())
      .Default(clGrayText);
  d.Property("ShowAccelChar", &TcxLabelProperties::GetShowAccelChar, &TcxLabelProperties::SetShowAccelChar)
      .Default(true);
  d.Property("ShowEndEllipsis", &TcxLabelProperties::GetShowEndEllipsis, &TcxLabelProperties::SetShowEndEllipsis)
      .Stored(false);
  d.Property("Transparent", &TcxLabelProperties::GetTransparent, &TcxLabelProperties::SetTransparent).Stored(false);
  d.Property("WordWrap", &TcxLabelProperties::GetWordWrap, &TcxLabelProperties::SetWordWrap).Default(false);
}

void TcxCustomLabelProperties::Destroy() {
  FreeAndNil(FGlyph);
  inherited::Destroy();
}

void TcxCustomLabelProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomLabelProperties*>(Source);
  if (!source) return inherited::Assign(Source);
  BeginUpdate();
  TFinally done([this] { EndUpdate(true); });
  inherited::Assign(Source);
  SetLabelEffect(source->GetLabelEffect());
  SetLabelStyle(source->GetLabelStyle());
  SetOrientation(source->GetOrientation());
  SetDepth(source->GetDepth());
  SetShadowedColor(source->GetShadowedColor());
  SetAngle(source->GetAngle());
  SetPenWidth(source->GetPenWidth());
  SetGlyph(source->GetGlyph());
  SetShowAccelChar(source->GetShowAccelChar());
  SetWordWrap(source->GetWordWrap());
}

TClass TcxCustomLabelProperties::GetViewDataClass() { return TcxCustomLabelViewData::StaticClass(); }
TClass TcxCustomLabelProperties::GetContainerClass() { return TcxLabel::StaticClass(); }
TClass TcxCustomLabelProperties::GetStyleClass() { return TcxLabelEditStyle::StaticClass(); }
TClass TcxCustomLabelProperties::GetViewInfoClass() { return TcxCustomLabelViewInfo::StaticClass(); }

TcxEditSupportedOperations TcxCustomLabelProperties::GetSupportedOperations() {
  return {esoAutoHeight, esoFiltering, esoShowingCaption, esoSorting, esoTransparency};
}

void TcxCustomLabelProperties::PrepareDisplayValue(const TcxEditValue& AEditValue, TcxEditValue& DisplayValue,
                                                   bool AEditFocused) {
  DisplayValue = Variant(VarToStr(AEditValue));
}

String TcxCustomLabelProperties::GetDisplayText(const TcxEditValue& AEditValue, bool AFullText, bool AIsInplace) {
  TcxEditValue display;
  PrepareDisplayValue(AEditValue, display, false);
  return VarToStr(display);
}

TPoint TcxCustomLabelProperties::CalculateDepthDelta() {
  TPoint delta(0, 0);
  if (FLabelEffect == cxleNormal) return delta;
  switch (FOrientation) {
    case cxoLeft:
    case cxoRight: delta.x = FDepth; break;
    case cxoTop:
    case cxoBottom: delta.y = FDepth; break;
    default: delta = TPoint(FDepth, FDepth); break;
  }
  return delta;
}

void TcxCustomLabelProperties::SetLabelEffect(TcxLabelEffect Value) { SetAndNotify(FLabelEffect, Value); }
void TcxCustomLabelProperties::SetLabelStyle(TcxLabelStyle Value) { SetAndNotify(FLabelStyle, Value); }
void TcxCustomLabelProperties::SetOrientation(TcxLabelOrientation Value) { SetAndNotify(FOrientation, Value); }
void TcxCustomLabelProperties::SetDepth(Word Value) { SetAndNotify(FDepth, Value); }
void TcxCustomLabelProperties::SetShadowedColor(TColor Value) { SetAndNotify(FShadowedColor, Value); }
void TcxCustomLabelProperties::SetShowAccelChar(bool Value) { SetAndNotify(FShowAccelChar, Value); }
void TcxCustomLabelProperties::SetAngle(Integer Value) { SetAndNotify(FAngle, Value); }
void TcxCustomLabelProperties::SetPenWidth(Integer Value) { SetAndNotify(FPenWidth, Value); }
void TcxCustomLabelProperties::SetWordWrap(bool Value) { SetAndNotify(FWordWrap, Value); }

TBitmap* TcxCustomLabelProperties::GetGlyph() {
  if (!FGlyph) {
    FGlyph = New<TBitmap>();
    FGlyph->OnChange = TNotifyEvent(this, &TcxCustomLabelProperties::GlyphChanged);
  }
  return FGlyph;
}

void TcxCustomLabelProperties::SetGlyph(TBitmap* Value) {
  if (Value) GetGlyph()->Assign(Value);
  else FreeAndNil(FGlyph);
  Changed();
}

// ---- TcxCustomLabelViewData -------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomLabelViewData)

String TcxCustomLabelViewData::InternalEditValueToDisplayText(const TcxEditValue& AEditValue) {
  return VarToStr(AEditValue);
}

void TcxCustomLabelViewData::EditValueToDrawValue(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                                                  TcxCustomEditViewInfo* AViewInfo) {
  static_cast<TcxCustomLabelViewInfo*>(AViewInfo)->Text = EditValueToDisplayText(AEditValue);
}

DWORD TcxCustomLabelViewData::GetDrawTextFlags() {
  TcxCustomLabelProperties* properties = GetLabelProperties();
  TcxEditAlignment* alignment = properties->GetAlignment();
  const bool unturned = cxLabelNormalizedAngle(properties->GetAngle(), true) == 0;
  return DrawTextFlagsTocxTextOutFlags(PrepareTextFlag(
      0, alignment->GetHorz(), static_cast<TcxAlignmentVert>(alignment->GetVert()),
      GetPaintOptions().Contains(epoShowEndEllipsis), properties->GetWordWrap() && unturned, 0, false, false));
}

void TcxCustomLabelViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                       TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                       bool AIsMouseEvent) {
  inherited::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  if (IsInplace() && (ABounds.right >= MaxInt || ABounds.bottom >= MaxInt)) return;
  auto* info = static_cast<TcxCustomLabelViewInfo*>(AViewInfo);
  info->IsEditClass = GetIsEditClass();
  info->DrawSelectionBar = false;
  info->HasPopupWindow = false;
  info->DrawTextFlags = GetDrawTextFlags();
  if (AreVisualStylesMustBeUsed(info->NativeStyle, totButton) && info->GetEditBorderStyle() == ebsNone)
    info->NativeStyle = false;
  if (!IsInplace() && Edit) info->Transparent = Edit->GetTransparent();

  TcxCustomLabelProperties* properties = GetLabelProperties();
  info->LabelEffect = properties->GetLabelEffect();
  info->LabelStyle = properties->GetLabelStyle();
  info->Orientation = properties->GetOrientation();
  info->Depth = properties->GetDepth();
  info->ShadowedColor = properties->GetShadowedColor();
  info->ShowAccelChar = properties->GetShowAccelChar();
  info->Angle = properties->GetAngle();
  info->PenWidth = properties->GetPenWidth();
  info->WordWrap = properties->GetWordWrap();
  info->LabelAlignment->Assign(properties->GetAlignment());
  info->Glyph = properties->GetGlyph();
  info->DepthDelta = properties->CalculateDepthDelta();
  info->TextRect = info->ClientRect;
  info->LabelRect = info->ClientRect;
  if (!IsInplace() && Focused)
    info->FocusRect = info->Text.empty() ? TRect(0, 0, 0, 0) : cxRectInflate(info->TextRect, 1, 1);
  info->DrawTextOffsets = GetTextEditDrawTextOffset(this);
  info->NeedsRedraw = true;
}

TSize TcxCustomLabelViewData::GetEditContentSize(TcxCanvas* ACanvas, const TcxEditValue& AEditValue,
                                                 const TcxEditSizeProperties& AEditSizeProperties) {
  TcxCustomLabelProperties* properties = GetLabelProperties();
  ACanvas->SaveState();
  TFinally restore([ACanvas] { ACanvas->RestoreState(); });
  String text = EditValueToDisplayText(AEditValue);
  if (text.empty()) text = " ";
  const bool trueType = AdjustCanvasFont(ACanvas->GetCanvas(), GetStyle()->GetVisibleFont(), properties->GetAngle());
  const Integer angle = cxLabelNormalizedAngle(properties->GetAngle(), trueType);
  const TPoint depth = properties->CalculateDepthDelta();
  const Integer styleOffset = cxLabelStyleOffset(properties->GetLabelStyle(), ACanvas->GetFont());
  const TSize correction = GetEditContentSizeCorrection();
  const bool bordered = GetStyle()->HasBorder() && !IsInplace();

  TRect r(0, 0, AEditSizeProperties.Width, 0);
  bool wordWrap = properties->GetWordWrap() && angle == 0;
  if (r.right < 0) {
    if (IsInplace()) wordWrap = false;
  } else {
    r.right -= depth.x + styleOffset + (bordered ? 2 : 0) + (IsInplace() ? correction.cx : 0);
  }
  UINT flags = DT_LEFT | DT_TOP | DT_CALCRECT;
  if (wordWrap) flags |= DT_WORDBREAK;
  if (!properties->GetShowAccelChar() || angle != 0) flags |= DT_NOPREFIX;
  if (angle != 0 && properties->GetShowAccelChar()) text = RemoveAccelChars(text, false);
  cxDrawText(ACanvas->GetHandle(), text, r, flags);
  Integer width = r.Width(), height = r.Height();
  if (angle != 0) {
    const double a = angle * M_PI / 180, w = width, h = height;
    width = static_cast<Integer>(std::trunc(std::abs(w * std::cos(a)) + std::abs(h * std::sin(a)) + 0.5));
    height = static_cast<Integer>(std::trunc(std::abs(w * std::sin(a)) + std::abs(h * std::cos(a)) + 0.5));
  }
  TSize size(width + depth.x + styleOffset, height + depth.y + styleOffset);
  if (bordered) size.cx += 2;
  if (IsInplace()) {
    size.cx += correction.cx;
    size.cy += correction.cy;
  }
  return size;
}

// ---- TcxLabelEditStyle ----------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxLabelEditStyle)

TcxContainerBorderStyle TcxLabelEditStyle::DefaultBorderStyle() {
  return IsBaseStyle() ? cbsNone : inherited::DefaultBorderStyle();
}

// ---- TcxCustomLabel -----------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxCustomLabel)

IMPLEMENT_CLASS_PUBLISHED(TcxLabel) {
  d.Property("Align", &TcxLabel::GetAlign, &TcxLabel::SetAlign).Default(alNone);
  d.Property("Anchors", &TcxLabel::GetAnchors, &TcxLabel::SetAnchors).Default(TAnchors{akLeft, akTop});
  d.Property("AutoSize", &TcxLabel::GetAutoSize, &TcxLabel::SetAutoSize).Default(true);
  d.Property("Caption", &TcxLabel::GetCaption, &TcxLabel::SetCaption);
  d.Property("Constraints", &TcxLabel::GetConstraints, &TcxLabel::SetConstraints);
  d.Property("DragCursor", &TcxLabel::GetDragCursor, &TcxLabel::SetDragCursor).Default(-12);
  d.Property("DragKind", &TcxLabel::GetDragKind, &TcxLabel::SetDragKind).Default(dkDrag);
  d.Property("DragMode", &TcxLabel::GetDragMode, &TcxLabel::SetDragMode).Default(dmManual);
  d.Property("Enabled", &TcxLabel::GetEnabled, &TcxLabel::SetEnabled).Default(true);
  d.Property("FocusControl", &TcxLabel::GetFocusControl, &TcxLabel::SetFocusControl);
  d.Property("ParentColor", &TcxLabel::GetParentColor, &TcxLabel::SetParentColor).Default(true);
  d.Property("ParentFont", &TcxLabel::GetParentFont, &TcxLabel::SetParentFont).Default(true);
  d.Property("ParentShowHint", &TcxLabel::GetParentShowHint, &TcxLabel::SetParentShowHint).Default(true);
  d.Property("PopupMenu", &TcxLabel::GetPopupMenu, &TcxLabel::SetPopupMenu);
  d.Property("Properties", &TcxLabel::GetProperties, &TcxLabel::SetProperties);
  d.Property("ShowHint", &TcxLabel::GetShowHint, &TcxLabel::SetShowHint);
  d.Property("Style", &TcxLabel::GetStyle, &TcxLabel::SetStyle);
  d.Property("StyleDisabled", &TcxLabel::GetStyleDisabled, &TcxLabel::SetStyleDisabled);
  d.Property("StyleFocused", &TcxLabel::GetStyleFocused, &TcxLabel::SetStyleFocused);
  d.Property("StyleHot", &TcxLabel::GetStyleHot, &TcxLabel::SetStyleHot);
  d.Property("TabOrder", &TcxLabel::GetTabOrder, &TcxLabel::SetTabOrder).Stored(false);
  d.Property("Transparent", &TcxLabel::GetTransparent, &TcxLabel::SetTransparent).Default(false);
  d.Property("Visible", &TcxLabel::GetVisible, &TcxLabel::SetVisible).Default(true);
  d.Property("OnClick", &TcxLabel::GetOnClick, &TcxLabel::SetOnClick);
  d.Property("OnContextPopup", &TcxLabel::GetOnContextPopup, &TcxLabel::SetOnContextPopup);
  d.Property("OnDblClick", &TcxLabel::GetOnDblClick, &TcxLabel::SetOnDblClick);
  d.Property("OnDragDrop", &TcxLabel::GetOnDragDrop, &TcxLabel::SetOnDragDrop);
  d.Property("OnDragOver", &TcxLabel::GetOnDragOver, &TcxLabel::SetOnDragOver);
  d.Property("OnEndDock", &TcxLabel::GetOnEndDock, &TcxLabel::SetOnEndDock);
  d.Property("OnEndDrag", &TcxLabel::GetOnEndDrag, &TcxLabel::SetOnEndDrag);
  d.Property("OnEnter", &TcxLabel::GetOnEnter, &TcxLabel::SetOnEnter);
  d.Property("OnExit", &TcxLabel::GetOnExit, &TcxLabel::SetOnExit);
  d.Property("OnKeyDown", &TcxLabel::GetOnKeyDown, &TcxLabel::SetOnKeyDown);
  d.Property("OnKeyPress", &TcxLabel::GetOnKeyPress, &TcxLabel::SetOnKeyPress);
  d.Property("OnKeyUp", &TcxLabel::GetOnKeyUp, &TcxLabel::SetOnKeyUp);
  d.Property("OnMouseDown", &TcxLabel::GetOnMouseDown, &TcxLabel::SetOnMouseDown);
  d.Property("OnMouseEnter", &TcxCustomLabel::GetOnMouseEnterEvent, &TcxCustomLabel::SetOnMouseEnterEvent);
  d.Property("OnMouseLeave", &TcxCustomLabel::GetOnMouseLeaveEvent, &TcxCustomLabel::SetOnMouseLeaveEvent);
  d.Property("OnMouseMove", &TcxLabel::GetOnMouseMove, &TcxLabel::SetOnMouseMove);
  d.Property("OnMouseUp", &TcxLabel::GetOnMouseUp, &TcxLabel::SetOnMouseUp);
  d.Property("OnStartDock", &TcxLabel::GetOnStartDock, &TcxLabel::SetOnStartDock);
  d.Property("OnStartDrag", &TcxLabel::GetOnStartDrag, &TcxLabel::SetOnStartDrag);
}

TClass TcxCustomLabel::GetPropertiesClass() { return TcxCustomLabelProperties::StaticClass(); }
TClass TcxLabel::GetPropertiesClass() { return TcxLabelProperties::StaticClass(); }

void TcxCustomLabel::Initialize() {
  inherited::Initialize();
  ControlStyle.Exclude(csCaptureMouse);
  // The first size is recorded as it stands: an automatic width measured from a width of nothing
  // would leave no room for the caption.
  FWidth = 121;
  FHeight = 21;
}

void TcxCustomLabel::Destroy() {
  SetFocusControl(nullptr);
  inherited::Destroy();
}

void TcxCustomLabel::SetFocusControl(TWinControl* Value) {
  if (Value == FFocusControl || Value == this) return;
  // Told when the control is freed, wherever it is owned, so no reference outlives it.
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = Value;
  if (FFocusControl) FFocusControl->FreeNotification(this);
}

void TcxCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TcxCustomLabel::ReadState(Filer::TReader* Reader) {
  FJustLoaded = true;
  inherited::ReadState(Reader);
}

bool TcxCustomLabel::CanFocusOnClick() { return inherited::CanFocusOnClick() && IsInplace(); }

bool TcxCustomLabel::CanAutoWidth() { return !GetActiveProperties()->GetWordWrap(); }

bool TcxCustomLabel::IsRightBoundFixed() {
  if (ComponentState().Contains(csReading)) return false;
  TAlignment alignment = GetActiveProperties()->GetAlignment()->GetHorz();
  if (UseRightToLeftAlignment()) ChangeBiDiModeAlignment(alignment);
  const bool result = alignment == taRightJustify && !FJustLoaded;
  FJustLoaded = false;
  return result;
}

void TcxCustomLabel::TextChanged() {
  inherited::TextChanged();
  FCaptionLock = true;
  TFinally unlock([this] { FCaptionLock = false; });
  SetInternalEditValue(Variant(GetCaption()));
}

void TcxCustomLabel::InternalSetEditValue(const TcxEditValue& Value, bool AValidateEditValue) {
  inherited::InternalSetEditValue(Value, AValidateEditValue);
  if (!FCaptionLock) SetCaption(VarToStr(Value));
  SetInternalDisplayValue(Variant(GetCaption()));
}

void TcxCustomLabel::SetInternalDisplayValue(const TcxEditValue& Value) {
  GetLabelViewInfo()->Text = VarToStr(Value);
  ShortRefreshContainer(false);
}

void TcxCustomLabel::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR) return CMDialogChar(Message);
  inherited::Dispatch(Message);
}

void TcxCustomLabel::CMDialogChar(TMessage& Message) {
  if (FFocusControl && GetEnabled() && GetProperties()->GetShowAccelChar() &&
      IsAccel(static_cast<Word>(Message.WParam), GetCaption()) && FFocusControl->CanFocus()) {
    FFocusControl->SetFocus();
    Message.Result = 1;
    return;
  }
  inherited::Dispatch(Message);
}

// ---- Unit start and end ----------------------------------------------------------------------------------------
namespace {
Integer FLabelUnitStartCount = 0;
}

void InitLabel() {
  if (FLabelUnitStartCount++ > 0) return;
  GetRegisteredEditProperties()->Register(TcxLabelProperties::StaticClass(),
                                          cxGetResourceString(&cxExtEditConsts::cxSEditRepositoryLabelItem));
  RegisterClasses({TcxLabel::StaticClass()});
}

void DoneLabel() {
  if (FLabelUnitStartCount == 0 || --FLabelUnitStartCount > 0) return;
  GetRegisteredEditProperties()->Unregister(TcxLabelProperties::StaticClass());
}

}  // namespace cxLabel
