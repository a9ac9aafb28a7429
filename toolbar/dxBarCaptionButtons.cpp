// Caption buttons of toolbars.
#include "dxBarCaptionButtons.h"

#include "Components.h"
#include "cxGeometry.h"

namespace dxBar {

IMPLEMENT_CLASS(TdxBarCaptionButton)
IMPLEMENT_CLASS(TdxBarCaptionButtons)

// ---- TdxBarCaptionButton ----------------------------------------------------------------------------------
void TdxBarCaptionButton::Construct() {
  inherited::Construct();
  FGlyph = New<TBitmap>();
  FGlyph->OnChange = TNotifyEvent(this, &TdxBarCaptionButton::GlyphChanged);
}

void TdxBarCaptionButton::Destroy() {
  FreeAndNil(FGlyph);
  inherited::Destroy();
}

void TdxBarCaptionButton::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxBarCaptionButton*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  SetEnabled(source->GetEnabled());
  SetGlyph(source->GetGlyph());
  SetHint(source->GetHint());
  SetKeyTip(source->GetKeyTip());
  SetRect(source->GetRect());
  SetOnClick(source->GetOnClick());
}

void TdxBarCaptionButton::Click() {
  if (FOnClick) FOnClick(this);
}

void TdxBarCaptionButton::SetEnabled(bool Value) {
  FEnabled = Value;
  SetState(Value ? dxbcbsNormal : dxbcbsDisabled);
}

void TdxBarCaptionButton::SetGlyph(TBitmap* Value) { FGlyph->Assign(Value); }

void TdxBarCaptionButton::GlyphChanged(TObject*) { Changed(false); }

void TdxBarCaptionButton::SetState(Integer Value) {
  if (FState == Value) return;
  FState = Value;
  Changed(false);
}

void TdxBarCaptionButton::SetOnClick(TNotifyEvent Value) {
  FOnClick = Value;
  Changed(true);
}

TdxBarCaptionButtons* TdxBarCaptionButton::GetCaptionButtons() const {
  return static_cast<TdxBarCaptionButtons*>(GetCollection());
}

bool TdxBarCaptionButton::DoHint(bool& AShowHint, String& AHintText, String& AShortCut) {
  AShowHint = FState == dxbcbsHot;
  AHintText = AShowHint ? FHint : String();
  AShortCut.clear();
  return AShowHint;
}

// ---- TdxBarCaptionButtons ---------------------------------------------------------------------------------
Integer TdxBarCaptionButtons::GetButtonIndex(const TPoint& P) const {
  for (Integer i = 0; i < Count(); ++i) {
    TdxBarCaptionButton* button = GetItem(i);
    if (button->GetEnabled() && cxRectPtIn(button->GetRect(), P)) return i;
  }
  return -1;
}

TRect TdxBarCaptionButtons::GetRect() const {
  TRect result(0, 0, 0, 0);
  for (Integer i = 0; i < Count(); ++i) {
    const TRect r = GetItem(i)->GetRect();
    if (cxRectIsEmpty(r)) continue;
    result = cxRectIsEmpty(result) ? r : cxRectUnion(result, r);
  }
  return result;
}

void TdxBarCaptionButtons::UpdateButtonStates(const TPoint& P, bool APressed) {
  for (Integer i = 0; i < Count(); ++i) {
    TdxBarCaptionButton* button = GetItem(i);
    if (!button->GetEnabled()) continue;
    if (!cxRectPtIn(button->GetRect(), P) && !button->IsSelectedByKeyboard())
      button->SetState(dxbcbsNormal);
    else
      button->SetState(APressed ? dxbcbsPressed : dxbcbsHot);
  }
}

void TdxBarCaptionButtons::Update(TCollectionItem* Item) {
  inherited::Update(Item);
  if (OnChanged) OnChanged(static_cast<TdxBarCaptionButton*>(Item));
}

}  // namespace dxBar
