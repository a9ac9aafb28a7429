// Cell buttons and the grid's component links.
#include "TSGridImpl.h"
#include "Graphics.h"
#include "TSGridBase.h"
#include "TSGridButtons.h"

namespace TSGrid {

IMPLEMENT_CLASS(TtsCustomButton)
IMPLEMENT_CLASS(TtsComboButton)
IMPLEMENT_CLASS(TtsNormalButton)
IMPLEMENT_CLASS(TtsVertSpinButton)
IMPLEMENT_CLASS(TtsHorzSpinButton)
IMPLEMENT_CLASS(TtsDateTimeButton)
IMPLEMENT_CLASS(TtsGridMaskLink)
IMPLEMENT_CLASS(TtsGridImageLink)
IMPLEMENT_CLASS(TtsGridDateTimeLink)

Integer TtsCustomButton::FullWidth() { return GetWidth() + 2 * FGrid->GetButtonEdgeWidth(); }
Integer TtsCustomButton::FullHeight() { return GetHeight() + 2 * FGrid->GetButtonEdgeWidth(); }

void TtsCustomButton::Destroy() {
  FreeOwnBitmap();
  inherited::Destroy();
}

void TtsCustomButton::TakeBitmap(TBitmap* Value, TBitmap* Shared, TBitmap* OtherShared) {
  if (Value && Value == FBitmap) return;
  FreeOwnBitmap();
  if (!Value || Value == Shared || Value == OtherShared) return;
  FBitmap = New<TBitmap>();
  FBitmap->Assign(Value);
  FOwnsBitmap = true;
}

void TtsCustomButton::TakeGivenBitmap() {
  TBitmap* given = FBitmap;
  FBitmap = nullptr;
  SetBitmap(given);
}

void TtsCustomButton::FreeOwnBitmap() {
  if (FOwnsBitmap) FBitmap->Free();
  FBitmap = nullptr;
  FOwnsBitmap = false;
}

void TtsDateTimeButton::SetBitmap(TBitmap* Value) {
  FPopup = Value && Value == ButtonDetailBitmap;
  TakeBitmap(Value, ComboArrowBitmap, ButtonDetailBitmap);
}

void TtsGridImageLink::ImageChanged(TtsImage* Image) { FGrid->ImageChanged(Image); }
void TtsGridImageLink::ImageListDeleted() { FGrid->ImageListDeleted(); }

void TtsGridDateTimeLink::DateTimeDefDeleted(TtsDateTimeDefComponent* Component) {
  inherited::DateTimeDefDeleted(Component);
  FGrid->DateTimeDefDeleted(Component);
}

}  // namespace TSGrid
