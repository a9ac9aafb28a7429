// Cell buttons and the grid's component links.
#include "TSGridImpl.h"
#include "Graphics.h"
#include "TSGridBase.h"
#include "TSGridButtons.h"

namespace TSGrid {

TBitmap* ComboArrowBitmap = nullptr;
TBitmap* ButtonDetailBitmap = nullptr;
TBitmap* CurrentRowBitmap = nullptr;
TBitmap* ChangedRowBitmap = nullptr;
TBitmap* InsertRowBitmap = nullptr;
TSCommon::TtsMemoryCanvas* MemoryCanvas = nullptr;
TSCommon::TtsMemoryCanvas* ControlMemoryCanvas = nullptr;

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

void TtsCustomButton::TakeOwnCopy(TBitmap* Shared, TBitmap* OtherShared) {
  TBitmap* given = FBitmap;
  FBitmap = nullptr;
  if (!given || given == Shared || given == OtherShared) return;
  FBitmap = New<TBitmap>();
  FBitmap->Assign(given);
}

void TtsCustomButton::FreeOwnBitmap() {
  if (!FBitmap) return;
  HBITMAP handle = FBitmap->GetHandle();
  bool shared = (ComboArrowBitmap && handle == ComboArrowBitmap->GetHandle()) ||
                (ButtonDetailBitmap && handle == ButtonDetailBitmap->GetHandle());
  if (!shared) FreeAndNil(FBitmap);
  FBitmap = nullptr;
}

void TtsDateTimeButton::Construct() {
  inherited::Construct();
  FPopup = FBitmap && FBitmap == ButtonDetailBitmap;
  TakeOwnCopy(ComboArrowBitmap, ButtonDetailBitmap);
}

void TtsGridImageLink::ImageChanged(TtsImage* Image) { FGrid->ImageChanged(Image); }
void TtsGridImageLink::ImageListDeleted() { FGrid->ImageListDeleted(); }

void TtsGridDateTimeLink::DateTimeDefDeleted(TtsDateTimeDefComponent* Component) {
  inherited::DateTimeDefDeleted(Component);
  FGrid->DateTimeDefDeleted(Component);
}

}  // namespace TSGrid
