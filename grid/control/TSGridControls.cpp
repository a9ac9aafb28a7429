// The adapter base and the placeholder adapter.
#include "TSGridImpl.h"
#include "TSGridControls.h"
#include "Variants.h"

namespace TSGrid {

IMPLEMENT_CLASS(TtsCustomGridControl)
IMPLEMENT_CLASS(TtsDefaultGridControl)

// ---- TtsCustomGridControl ---------------------------------------------------------------------------
void TtsCustomGridControl::Destroy() {
  FreeAndNil(FControl);
  inherited::Destroy();
}

TWinControl* TtsCustomGridControl::GetGrid() { AbstractCall(); }
void TtsCustomGridControl::SetGrid(TWinControl*) { AbstractCall(); }
TColor TtsCustomGridControl::GetColor() { AbstractCall(); }
void TtsCustomGridControl::SetColor(TColor) { AbstractCall(); }
TFont* TtsCustomGridControl::GetFont() { AbstractCall(); }
void TtsCustomGridControl::SetFont(TFont*) { AbstractCall(); }
void TtsCustomGridControl::SetValue(const Variant&) { AbstractCall(); }
void TtsCustomGridControl::SetEditValue(const Variant&, bool) { AbstractCall(); }
Variant TtsCustomGridControl::GetValue() { AbstractCall(); }
void TtsCustomGridControl::DrawControl(TCanvas*, Integer, const TRect&, Integer, Integer, bool) { AbstractCall(); }
bool TtsCustomGridControl::IsEditControl() { AbstractCall(); }

bool TtsCustomGridControl::GetVisible() { return FControl->GetVisible(); }

void TtsCustomGridControl::SetVisible(bool Value) {
  if (FControl->GetVisible() != Value) FControl->SetVisible(Value);
}

void TtsCustomGridControl::SetMouseCapture(bool Value) { FControl->SetMouseCapture(Value); }
bool TtsCustomGridControl::GetMouseCapture() { return FControl->GetMouseCapture(); }
void TtsCustomGridControl::SetFocus() { FControl->SetFocus(); }

void TtsCustomGridControl::SetLeft(Integer Value) {
  if (FControl->GetLeft() != Value) FControl->SetLeft(Value);
}

void TtsCustomGridControl::SetTop(Integer Value) {
  if (FControl->GetTop() != Value) FControl->SetTop(Value);
}

void TtsCustomGridControl::SetWidth(Integer Value) {
  if (FControl->GetWidth() != Value) FControl->SetWidth(Value);
}

void TtsCustomGridControl::SetHeight(Integer Value) {
  if (FControl->GetHeight() != Value) FControl->SetHeight(Value);
}

void TtsCustomGridControl::SetParent(TWinControl* Value) {
  if (FControl->GetParent() != Value) FControl->SetParent(Value);
}

void TtsCustomGridControl::SetParentWindow(HWND Value) {
  if (FControl->GetParentWindow() != Value) FControl->SetParentWindow(Value);
}

HWND TtsCustomGridControl::GetHandle() { return FControl->GetParent() ? FControl->GetHandle() : nullptr; }

// ---- TtsDefaultGridControl --------------------------------------------------------------------------
void TtsDefaultGridControl::Construct() {
  inherited::Construct();
  FControl = New<TtsGridControl>(GetOwnerComponent());
  FControl->SetVisible(false);
}

Variant TtsDefaultGridControl::GetValue() { return Variant(); }

}  // namespace TSGrid
