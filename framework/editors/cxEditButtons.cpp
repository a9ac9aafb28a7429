// Edit buttons, their collection and the painting state of one button.
#include "cxEditButtons.h"

#include "cxContainerUtils.h"
#include "cxControlsInternal.h"
#include "cxControlsUtils.h"
#include "cxEditInternal.h"
#include "cxGeometry.h"
#include "cxGraphicsCanvas.h"

namespace cxEdit {

// ---- TcxEditButton ---------------------------------------------------------------------------------------------
IMPLEMENT_CLASS_PUBLISHED(TcxEditButton) {
  d.Property("Caption", &TcxEditButton::GetCaption, &TcxEditButton::SetCaption);
  d.Property("ContentAlignment", &TcxEditButton::GetContentAlignment, &TcxEditButton::SetContentAlignment)
      .Default(taCenter);
  d.Property("Default", &TcxEditButton::GetDefault, &TcxEditButton::SetDefault).Default(false);
  d.Property("Enabled", &TcxEditButton::GetEnabled, &TcxEditButton::SetEnabled).Default(true);
  d.Property("Glyph", &TcxEditButton::GetGlyph, &TcxEditButton::SetGlyph).Stored(&TcxEditButton::IsGlyphStored);
  d.Property("Hint", &TcxEditButton::GetHint, &TcxEditButton::SetHint);
  d.Property("Kind", &TcxEditButton::GetKind, &TcxEditButton::SetKind).Default(bkDown);
  d.Property("LeftAlignment", &TcxEditButton::GetLeftAlignment, &TcxEditButton::SetLeftAlignment).Default(false);
  d.Property("Stretchable", &TcxEditButton::GetStretchable, &TcxEditButton::SetStretchable).Default(true);
  d.Property("Tag", &TcxEditButton::GetTag, &TcxEditButton::SetTag).Stored(&TcxEditButton::IsTagStored);
  d.Property("Visible", &TcxEditButton::GetVisible, &TcxEditButton::SetVisible).Default(true);
  d.Property("Width", &TcxEditButton::GetWidth, &TcxEditButton::SetWidth).Default(0);
}

void TcxEditButton::Destroy() {
  FreeAndNil(FGlyph);
  inherited::Destroy();
}

TcxEditButtons* TcxEditButton::GetButtons() const { return static_cast<TcxEditButtons*>(GetCollection()); }

void TcxEditButton::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxEditButton*>(Source);
  if (!source) return inherited::Assign(Source);
  TCollection* collection = GetCollection();
  if (collection) collection->BeginUpdate();
  TFinally end([collection] {
    if (collection) collection->EndUpdate();
  });
  FCaption = source->FCaption;
  FCaptionWithoutAccelChars = source->FCaptionWithoutAccelChars;
  FContentAlignment = source->FContentAlignment;
  SetDefault(source->FDefault);
  FEnabled = source->FEnabled;
  SetGlyph(source->FGlyph);
  FKind = source->FKind;
  FLeftAlignment = source->FLeftAlignment;
  FStretchable = source->FStretchable;
  FTag = source->FTag;
  FTextColor = source->FTextColor;
  FVisible = source->FVisible;
  FWidth = source->FWidth;
  FHint = source->FHint;
  Changed(false);
}

void TcxEditButton::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  FCaptionWithoutAccelChars = RemoveAccelChars(Value);
  Changed(false);
}

void TcxEditButton::SetContentAlignment(TAlignment Value) { SetField(FContentAlignment, Value); }

void TcxEditButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  if (Value)
    if (TcxEditButtons* buttons = GetButtons())
      for (Integer i = 0; i < buttons->Count(); ++i)
        if (buttons->GetItem(i) != this) buttons->GetItem(i)->FDefault = false;
  FDefault = Value;
  Changed(true);
}

void TcxEditButton::SetEnabled(bool Value) { SetField(FEnabled, Value); }

TBitmap* TcxEditButton::GetGlyph() {
  if (!FGlyph) {
    FGlyph = New<TBitmap>();
    FGlyph->OnChange = TNotifyEvent(this, &TcxEditButton::GlyphChanged);
  }
  return FGlyph;
}

void TcxEditButton::SetGlyph(TBitmap* Value) {
  if (Value)
    GetGlyph()->Assign(Value);
  else
    FreeAndNil(FGlyph);
  Changed(false);
}

void TcxEditButton::SetHint(const String& Value) { SetField(FHint, Value); }
void TcxEditButton::SetKind(TcxEditButtonKind Value) { SetField(FKind, Value); }
void TcxEditButton::SetLeftAlignment(bool Value) { SetField(FLeftAlignment, Value); }
void TcxEditButton::SetStretchable(bool Value) { SetField(FStretchable, Value); }
void TcxEditButton::SetTag(NativeInt Value) { SetField(FTag, Value); }
void TcxEditButton::SetTextColor(TColor Value) { SetField(FTextColor, Value); }
void TcxEditButton::SetVisible(bool Value) { SetField(FVisible, Value); }

void TcxEditButton::SetWidth(Integer Value) {
  if (FWidth < 0) return;
  SetField(FWidth, Value);
}

// ---- TcxEditButtons -----------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxEditButtons)

TcxEditButtons* TcxEditButtons::Create(TClass AClass, TPersistent* AOwner) {
  return CreateInstanceOf<TcxEditButtons>(AClass, [AOwner](TcxEditButtons* AButtons) { AButtons->FOwner = AOwner; });
}

Integer TcxEditButtons::GetVisibleCount() const {
  Integer count = 0;
  for (Integer i = 0; i < Count(); ++i) count += GetItem(i)->GetVisible();
  return count;
}

void TcxEditButtons::Update(TCollectionItem*) {
  if (OnChange) OnChange(this);
}

// ---- TcxEditButtonViewInfo ------------------------------------------------------------------------------------------
IMPLEMENT_CLASS(TcxEditButtonViewInfo)

void TcxEditButtonViewInfo::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxEditButtonViewInfo*>(Source);
  if (!source) return inherited::Assign(Source);
  NativeState = source->NativeState;
  BackgroundColor = source->BackgroundColor;
  Bounds = source->Bounds;
  ButtonStyle = source->ButtonStyle;
  State = source->State;
}

bool TcxEditButtonViewInfo::LooksDifferent(TcxEditButtonViewInfo* AViewInfo) const {
  return ButtonStyle != AViewInfo->ButtonStyle || State != AViewInfo->State ||
         BackgroundColor != AViewInfo->BackgroundColor || NativeState != AViewInfo->NativeState;
}

TcxRegion* TcxEditButtonViewInfo::GetUpdateRegion(TcxEditButtonViewInfo* AViewInfo) {
  return LooksDifferent(AViewInfo) ? New<TcxRegion>(Bounds) : New<TcxRegion>();
}

bool TcxEditButtonViewInfo::Repaint(TWinControl* AControl, TcxEditButtonViewInfo* AViewInfo, const TPoint& AOffset) {
  if (!LooksDifferent(AViewInfo)) return false;
  InternalInvalidateRect(AControl, cxRectOffset(Bounds, AOffset.x, AOffset.y), HasBackground);
  return true;
}

}  // namespace cxEdit
